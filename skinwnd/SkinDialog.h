// A dialog with the skinned frame: caption, borders, caption buttons, outline, menu bar, owner-drawn
// menus with images, skin and language changes, and message boxes in the skin.
#pragma once

#include "QVBitmapList.h"
#include "QVMenuRef.h"
#include "SkinWnd.h"

#include <vector>

class CSkinWndHost;

// Shows a message box in the skin, owned by pParent; answers the platform's result code (IDOK, ...).
// Defined with the message box.
RIZ_API int AFXAPI QVMessageBox(CWnd* pParent, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType);

// The dialog's frame is drawn by its CSkinWnd: every non-client message goes there, the system never
// paints its own caption. At OnInitDialog the window grows by the difference between the skin frame
// and the system frame, so the client area keeps the size the template designed; a skin change
// adjusts it again. A menu of the template shows as the skinned menu bar under the caption.
class RIZ_API CSkinDialog : public CDialog {
    DECLARE_DYNAMIC(CSkinDialog)
public:
    // A dialog on an in-memory template (InitModalIndirect or CreateIndirect).
    CSkinDialog();
    // bAutoLoadCtrl is kept and answered by GetAutoLoadCtrl; the children stay the template's controls.
    explicit CSkinDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL, BOOL bAutoLoadCtrl = FALSE);
    explicit CSkinDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL, BOOL bAutoLoadCtrl = FALSE);
    ~CSkinDialog() override;

    // A message box in the skin, owned by this dialog (QVMessageBox).
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);
    // No skinned frame: the client is the whole window.
    void SetNoNCArea(BOOL bNoNCArea);

    CSkinWnd& GetSkinWnd() { return m_SkinWnd; }
    const CSkinWnd& GetSkinWnd() const { return m_SkinWnd; }
    // How much the window has grown for the skin frame so far.
    CSize GetSizeAdded() const { return m_sizeAdded; }
    BOOL GetAutoLoadCtrl() const { return m_bAutoLoadCtrl; }

    BOOL OnInitDialog() override;

    // Images of the owner-drawn menu items, by command id.
    CQVBitmapList m_BitmapList;
    // Menu items without a command handler (ids below 0xF000) show disabled.
    BOOL m_bAutoMenuEnable = TRUE;

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
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // The shared handling of the skinned windows, on this window's fields.
    CSkinWndHost Host();

    CSkinWnd m_SkinWnd;
    UINT m_nLastNcHit = 0;              // last non-client hit code seen by mouse moves
    std::vector<CWnd*> m_vecSkinCtrls;  // controls made by the automatic skinning, owned
    BOOL m_bAutoLoadCtrl = FALSE;
    CSize m_sizeAdded{0, 0};
    CQVMenuRef m_menuRef;  // the menu whose items were made owner-drawn last
};
