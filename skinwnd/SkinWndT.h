// The skinned frame over a framework window class: the part CSkinFrameWnd, CSkinPopupWnd and CSkinDialog
// have in common, once.
#pragma once

#include "QVBitmapList.h"
#include "QVMenuRef.h"
#include "SkinWnd.h"

class CSkinWndHost;

// Derives from TBase (CFrameWnd, CWnd or CDialog) and gives it the skinned frame: the CSkinWnd that
// draws it, the non-client painting and hit testing, activation, the owner-drawn menus and the menu
// bar, and the skin and language changes, each handler forwarding to CSkinWndHost. Its message map
// chains to TBase's; a class built on it maps only the messages it handles its own way, and a handler
// it declares again is picked up by its own map, which is searched first. Made for the three classes
// above only: the library instantiates it for those three bases.
template <class TBase>
class CSkinWndT : public TBase {
public:
    using TBase::TBase;
    CSkinWndT() = default;
    ~CSkinWndT() override;

    // A message box in the skin, owned by this window (QVMessageBox).
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);

    CSkinWnd& GetSkinWnd();
    const CSkinWnd& GetSkinWnd() const;
    // How much the window has grown for the skin frame so far.
    CSize GetSizeAdded() const;

    // Images of the owner-drawn menu items, by command id.
    CQVBitmapList m_BitmapList;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLanChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcMouseLeave();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    // WM_PRINT with PRF_NONCLIENT draws the skinned frame, as WM_NCPAINT does.
    afx_msg LRESULT OnPrint(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // The shared handling of the skinned windows, on this window's fields.
    CSkinWndHost Host();

    CSkinWnd m_SkinWnd;
    UINT m_nLastNcHit = 0;  // last non-client hit code seen by mouse moves
    CSize m_sizeAdded{0, 0};
    CQVMenuRef m_menuRef;  // the menu whose items were made owner-drawn last
};

// The members are defined with the library, which exports these three instantiations.
extern template class RIZ_API CSkinWndT<CFrameWnd>;
extern template class RIZ_API CSkinWndT<CWnd>;
extern template class RIZ_API CSkinWndT<CDialog>;
