// The window with owner-drawn menus.
#include "QVWnd.h"

#include "DrawMenuHelper.h"

BEGIN_MESSAGE_MAP(CQVWnd, CWnd)
ON_WM_INITMENU()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

CQVWnd::~CQVWnd() {
    // The window goes while the object is still this class, so its handlers still run.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
    m_menuRef.Release();
}

void CQVWnd::OnInitMenu(CMenu* pMenu) {
    if (pMenu != nullptr) CDrawMenuHelper::InitMenu(m_menuRef.Use(pMenu->GetSafeHmenu()));
}

void CQVWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (nIDCtl == 0 && lpDrawItemStruct != nullptr && lpDrawItemStruct->CtlType == ODT_MENU)
        CDrawMenuHelper::DrawItem(lpDrawItemStruct, nullptr);
    else
        CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CQVWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (nIDCtl == 0 && lpMeasureItemStruct != nullptr && lpMeasureItemStruct->CtlType == ODT_MENU) {
        CWindowDC dc(this);
        CDrawMenuHelper::MeasureItem(lpMeasureItemStruct, &dc);
    } else {
        CWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
    }
}
