// A skinned list box: the system list box with a one-pixel frame in the skin's border colour.
#pragma once

#include "QVOnePixelFrame.h"
#include "RIZuruzezuDef.h"

#include <afxwin.h>

// Replaces a system list box: subclass an existing one (SubclassDlgItem) or Create one. The frame is
// drawn with or without WS_EX_CLIENTEDGE (without it the client area shrinks by the frame's pixel); the
// client rectangle is right once the posted WM_QV_RECALCFRAME has been handled. After UnsubclassWindow the
// window is the system's again.
class RIZ_API CQVListBox : public CListBox {
    DECLARE_DYNAMIC(CQVListBox)
public:
    CQVListBox();
    ~CQVListBox() override;

    COLORREF GetBorderColor() const { return m_clrBorder; }

protected:
    void PreSubclassWindow() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnRecalcFrame(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    COLORREF m_clrBorder;  // entry 4 of the skin's colours; again at a skin change
};
