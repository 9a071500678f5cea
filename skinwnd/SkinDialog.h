// A dialog with the skinned frame: caption, borders, caption buttons, outline, menu bar, owner-drawn
// menus with images, skin and language changes, and message boxes in the skin.
#pragma once

#include "SkinWndT.h"

#include <vector>

// Shows a message box in the skin, owned by pParent; answers the platform's result code (IDOK, ...).
// Defined with the message box.
RIZ_API int AFXAPI QVMessageBox(CWnd* pParent, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType);

// The dialog's frame is drawn by its CSkinWnd: every non-client message goes there, the system never
// paints its own caption. At OnInitDialog the window grows by the difference between the skin frame
// and the system frame, so the client area keeps the size the template designed; a skin change
// adjusts it again. A menu of the template shows as the skinned menu bar under the caption.
class RIZ_API CSkinDialog : public CSkinWndT<CDialog> {
    DECLARE_DYNAMIC(CSkinDialog)
public:
    // A dialog on an in-memory template (InitModalIndirect or CreateIndirect).
    CSkinDialog();
    // With bAutoLoadCtrl the system controls of the template become the skinned control classes at
    // OnInitDialog (QVSkin_AutoLoadControl), after the base OnInitDialog, so controls bound there
    // (DDX_Control) keep their objects; they are released at WM_DESTROY and follow skin changes.
    explicit CSkinDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL, BOOL bAutoLoadCtrl = FALSE);
    explicit CSkinDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL, BOOL bAutoLoadCtrl = FALSE);
    ~CSkinDialog() override;

    // No skinned frame: the client is the whole window.
    void SetNoNCArea(BOOL bNoNCArea);

    BOOL GetAutoLoadCtrl() const { return m_bAutoLoadCtrl; }
    // Before creation: the same choice for a dialog made on an in-memory template.
    void SetAutoLoadCtrl(BOOL bAutoLoadCtrl) { m_bAutoLoadCtrl = bAutoLoadCtrl; }

    BOOL OnInitDialog() override;

    // Menu items without a command handler (ids below 0xF000) show disabled.
    BOOL m_bAutoMenuEnable = TRUE;

protected:
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::vector<CWnd*> m_vecSkinCtrls;  // controls made by the automatic skinning, owned
    BOOL m_bAutoLoadCtrl = FALSE;
};
