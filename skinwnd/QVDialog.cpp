// The dialog with owner-drawn menus.
#include "QVDialog.h"

#include "DrawMenuHelper.h"

IMPLEMENT_DYNAMIC(CQVDialog, CDialog)

BEGIN_MESSAGE_MAP(CQVDialog, CDialog)
ON_WM_INITMENU()
ON_WM_INITMENUPOPUP()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

void CQVDialog::OnInitMenu(CMenu* pMenu) {
    if (pMenu != nullptr) CDrawMenuHelper::InitMenu(m_menuRef.Use(pMenu->GetSafeHmenu()));
}

void CQVDialog::OnInitMenuPopup(CMenu* pPopupMenu, UINT /*nIndex*/, BOOL bSysMenu) {
    if (bSysMenu) return;
    AfxUpdateMenuCommandUI(this, pPopupMenu, TRUE);
}

void CQVDialog::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (nIDCtl == 0 && lpDrawItemStruct != nullptr && lpDrawItemStruct->CtlType == ODT_MENU)
        CDrawMenuHelper::DrawItem(lpDrawItemStruct, nullptr);
    else
        CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CQVDialog::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (nIDCtl == 0 && lpMeasureItemStruct != nullptr && lpMeasureItemStruct->CtlType == ODT_MENU) {
        CWindowDC dc(this);
        CDrawMenuHelper::MeasureItem(lpMeasureItemStruct, &dc);
    } else {
        CDialog::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
    }
}
