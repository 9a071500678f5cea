// A skinned hot-key field: the one-pixel skin frame of the list controls.
#pragma once

#include "QVOnePixelFrame.h"
#include "RIZuruzezuDef.h"

#include <afxcmn.h>

// Replaces the frame of a system hot-key control: subclass one (SubclassDlgItem) or Create one. With
// WS_EX_CLIENTEDGE the sunken edge becomes a one-pixel rectangle in the skin's border colour; without
// it the field gets no non-client painting at all (the system's control takes WS_EX_CLIENTEDGE at
// creation, so that is a field whose host removed the style). The client rectangle is right once the
// posted WM_QV_RECALCFRAME has been handled.
class RIZ_API CQVHotKeyCtrl : public CHotKeyCtrl {
    DECLARE_DYNAMIC(CQVHotKeyCtrl)
public:
    CQVHotKeyCtrl();
    ~CQVHotKeyCtrl() override;

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
