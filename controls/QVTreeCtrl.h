// A skinned tree: the system tree view with its sunken edge replaced by a one-pixel frame in the skin's
// border colour.
#pragma once

#include "QVOnePixelFrame.h"
#include "RIZuruzezuDef.h"

#include <afxcmn.h>

// Replaces a system tree view: subclass an existing one (SubclassDlgItem) or Create(Ex) one. Only a tree
// with WS_EX_CLIENTEDGE gets the frame; one without keeps the system's. The client rectangle is right
// once the posted WM_QV_RECALCFRAME has been handled. After UnsubclassWindow the window is the
// system's again.
class RIZ_API CQVTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(CQVTreeCtrl)
public:
    CQVTreeCtrl();
    ~CQVTreeCtrl() override;

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
