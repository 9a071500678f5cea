// A skinned list view: the system list view with its sunken edge replaced by a one-pixel frame in the
// skin's border colour and its column header drawn by CQVHeaderCtrl.
#pragma once

#include "QVHeaderCtrl.h"
#include "QVOnePixelFrame.h"
#include "RIZuruzezuDef.h"

#include <afxcmn.h>

// Replaces a system list view: subclass an existing one (SubclassDlgItem) or Create(Ex) one. Only a list
// with WS_EX_CLIENTEDGE gets the frame; one without keeps the system's. The client rectangle is right
// once the posted WM_QV_RECALCFRAME has been handled.
//
// The header is skinned at subclassing and creation, or later when the list view makes it (its first
// column, a switch to report view). With LVS_EX_BORDERSELECT set at subclassing or creation, every
// header item shows the disabled look; the style set or cleared later changes nothing.
//
// UnsubclassWindow of this class releases the header first: both windows are the system's again.
class RIZ_API CQVListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(CQVListCtrl)
public:
    CQVListCtrl();
    ~CQVListCtrl() override;

    COLORREF GetBorderColor() const { return m_clrBorder; }
    // The skinned header; without a window while the list view has no header.
    CQVHeaderCtrl& GetSkinHeader() { return m_header; }

    // Releases the header, then the list view.
    HWND UnsubclassWindow();

protected:
    void PreSubclassWindow() override;
    // What subclassing and creation share: the disabled look read, the header skinned, the frame.
    void InitList();
    // Skins the list view's header if it has one now and it is not skinned yet.
    void SkinHeader();
    void ReleaseHeader();
    // Makes the list view place its header and first rows again, after the header's height changed.
    void RelayoutHeader();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnRecalcFrame(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnInsertColumn(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetView(WPARAM wParam, LPARAM lParam);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    COLORREF m_clrBorder;  // entry 4 of the skin's colours; again at a skin change
    CQVHeaderCtrl m_header;
    BOOL m_bAllDisabledLook = FALSE;  // LVS_EX_BORDERSELECT as read at subclassing or creation
};
