// A dialog with the system's frame whose menus are owner-drawn in the skin's colours.
#pragma once

#include "QVMenuRef.h"

class RIZ_API CQVDialog : public CDialog {
    DECLARE_DYNAMIC(CQVDialog)
public:
    CQVDialog() = default;
    explicit CQVDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL) : CDialog(nIDTemplate, pParentWnd) {}
    explicit CQVDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL)
        : CDialog(lpszTemplateName, pParentWnd) {}
    ~CQVDialog() override { m_menuRef.Release(); }

protected:
    afx_msg void OnInitMenu(CMenu* pMenu);
    // Command-UI update of the popup's items; items without a handler (ids below 0xF000) show disabled.
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    DECLARE_MESSAGE_MAP()

    CQVMenuRef m_menuRef;  // the menu whose items were made owner-drawn last
};
