// A window with the system's frame whose menus are owner-drawn in the skin's colours.
#pragma once

#include "QVMenuRef.h"

class RIZ_API CQVWnd : public CWnd {
public:
    CQVWnd() = default;
    ~CQVWnd() override;

protected:
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    DECLARE_MESSAGE_MAP()

    CQVMenuRef m_menuRef;  // the menu whose items were made owner-drawn last
};
