#include "DrawMenuHelper.h"

#include <QVSkinResManager.h>

#include "QVBitmapList.h"
#include "QVSelectScope.h"

namespace {

// Colour table entries of the menus.
enum { CLR_MENU_BK = 11, CLR_MENU_IMAGE_COLUMN = 12, CLR_MENU_SEL_FILL = 13, CLR_MENU_SEL_OUTLINE = 14 };

const COLORREF kSeparatorColor = RGB(200, 200, 255);
const COLORREF kDisabledTextColor = RGB(128, 128, 128);
const COLORREF kCheckKeyColor = RGB(255, 255, 255);

COLORREF MenuColor(int nIndex) {
    return CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(nIndex);
}

// The text of an item, found by command id in the menu of its item data (and that menu's submenus).
CString ItemText(ULONG_PTR itemData, UINT nID) {
    CString strText;
    const CMenu* pMenu = reinterpret_cast<const CMenu*>(itemData);
    if (pMenu != NULL && pMenu->GetSafeHmenu() != NULL) pMenu->GetMenuString(nID, strText, MF_BYCOMMAND);
    return strText;
}

// Turns the first nCount items of hMenu (and, first, the items of their submenus) into owner-drawn
// items whose item data is pData. The id read from the item is kept. An item that opens a submenu is
// re-made as a popup of the same submenu, so the submenu stays attached and alive; the item's disabled
// and checked states are kept, and a separator stays disabled so that it cannot be selected.
void ConvertItems(HMENU hMenu, int nCount, CMenu* pData) {
    for (int i = 0; i < nCount; ++i) {
        HMENU hSubMenu = ::GetSubMenu(hMenu, i);
        if (hSubMenu != NULL) {
            int nSubCount = ::GetMenuItemCount(hSubMenu);
            if (nSubCount > 0) ConvertItems(hSubMenu, nSubCount, pData);
        }
        MENUITEMINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE;
        if (!::GetMenuItemInfo(hMenu, i, TRUE, &info)) continue;
        UINT nFlags = MF_BYPOSITION | MF_OWNERDRAW;
        nFlags |= info.fState & (MFS_GRAYED | MFS_CHECKED);
        if (info.fType & MFT_SEPARATOR) nFlags |= MF_GRAYED | MF_DISABLED;
        UINT_PTR nIDNew = info.wID;
        if (hSubMenu != NULL) {
            nFlags |= MF_POPUP;
            nIDNew = reinterpret_cast<UINT_PTR>(hSubMenu);
        }
        ::ModifyMenu(hMenu, i, nFlags, nIDNew, reinterpret_cast<LPCTSTR>(pData));
    }
}

}  // namespace

void CDrawMenuHelper::InitMenu(CMenu* pMenu) {
    if (pMenu == NULL || pMenu->GetSafeHmenu() == NULL) return;
    ModifyMenu(pMenu, static_cast<int>(pMenu->GetMenuItemCount()));
}

void CDrawMenuHelper::ModifyMenu(CMenu* pMenu, int nCount) {
    if (pMenu == NULL || pMenu->GetSafeHmenu() == NULL) return;
    // Items of submenus carry the pointer of this menu too: a submenu's wrapper may be a temporary
    // object, while this one is the caller's, and a search by command id reaches every submenu.
    ConvertItems(pMenu->GetSafeHmenu(), nCount, pMenu);
}

void CDrawMenuHelper::InitRecentMenuItems(CMenu* pMenu, UINT nFirstID, int nCount) {
    if (pMenu == NULL || pMenu->GetSafeHmenu() == NULL) return;
    for (int i = 0; i < nCount; ++i) {
        const UINT nID = nFirstID + static_cast<UINT>(i);
        UINT nState = pMenu->GetMenuState(nID, MF_BYCOMMAND);
        if (nState == static_cast<UINT>(-1)) continue;
        ::ModifyMenu(pMenu->GetSafeHmenu(), nID,
                     MF_BYCOMMAND | MF_OWNERDRAW | (nState & (MF_GRAYED | MF_DISABLED | MF_CHECKED)), nID,
                     reinterpret_cast<LPCTSTR>(pMenu));
    }
}

void CDrawMenuHelper::MeasureItem(LPMEASUREITEMSTRUCT lpMIS, CDC* pDC) {
    if (lpMIS == NULL) return;
    if (lpMIS->itemID == 0) {
        lpMIS->itemWidth = SEPARATOR_WIDTH;
        lpMIS->itemHeight = SEPARATOR_HEIGHT;
        return;
    }
    lpMIS->itemHeight = ITEM_HEIGHT;
    if (lpMIS->itemData == 0) {
        lpMIS->itemWidth = SEPARATOR_WIDTH;
        return;
    }
    CString strText = ItemText(lpMIS->itemData, lpMIS->itemID);
    lpMIS->itemWidth = static_cast<UINT>(GetMenuTextWidth(pDC, strText) + ITEM_EXTRA_WIDTH);
}

int CDrawMenuHelper::GetMenuTextWidth(CDC* pDC, const CString& strText) {
    // Without a DC the screen's is used: the width only depends on the font.
    HDC hScreen = NULL;
    CDC dcScreen;
    if (pDC == NULL || pDC->GetSafeHdc() == NULL) {
        hScreen = ::GetDC(NULL);
        dcScreen.Attach(hScreen);
        pDC = &dcScreen;
    }
    CRect rc(0, 0, 500, 30);
    {
        const CQVSelectScope font(pDC, ::GetStockObject(DEFAULT_GUI_FONT));
        pDC->DrawText(strText, &rc, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    }
    if (hScreen != NULL) {
        dcScreen.Detach();
        ::ReleaseDC(NULL, hScreen);
    }
    return rc.Width();
}

void CDrawMenuHelper::DrawItem(LPDRAWITEMSTRUCT lpDIS, CQVBitmapList* pBitmapList) {
    if (lpDIS == NULL || lpDIS->hDC == NULL) return;
    CDC dc;
    dc.Attach(lpDIS->hDC);

    // The text and, after its first tab (unless the tab comes first), the accelerator.
    CString strText = ItemText(lpDIS->itemData, lpDIS->itemID);
    CString strAccel;
    const int nTab = strText.Find(_T('\t'));
    if (nTab > 0) {
        strAccel = strText.Mid(nTab + 1);
        strText = strText.Left(nTab);
    }

    const CRect rcItem(lpDIS->rcItem);
    const CRect rcImage(rcItem.left, rcItem.top, rcItem.left + IMAGE_COLUMN_WIDTH, rcItem.bottom);
    CRect rcSelect(rcItem);
    rcSelect.DeflateRect(1, 1, 1, 1);
    CRect rcText(rcItem);
    rcText.DeflateRect(ITEM_EXTRA_WIDTH, 1, 5, 1);
    const CRect rcBack(rcImage.right, rcItem.top, rcItem.right, rcItem.bottom);

    dc.FillSolidRect(&rcImage, MenuColor(CLR_MENU_IMAGE_COLUMN));
    dc.FillSolidRect(&rcBack, MenuColor(CLR_MENU_BK));

    if (lpDIS->itemID == 0) {
        CPen pen(PS_SOLID, 1, kSeparatorColor);
        {
            const CQVSelectScope scope(&dc, pen.GetSafeHandle());
            const int y = rcText.top + rcText.Height() / 2;
            dc.MoveTo(rcText.left, y);
            dc.LineTo(rcText.right, y);
        }
        dc.Detach();
        return;
    }

    const BOOL bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const COLORREF clrOldText = dc.SetTextColor(bDisabled ? kDisabledTextColor : RGB(0, 0, 0));
    const int nImageType = bDisabled ? 2 : (bSelected ? 1 : 0);
    const int nOldBkMode = dc.SetBkMode(TRANSPARENT);
    CQVSelectScope font(&dc, ::GetStockObject(DEFAULT_GUI_FONT));

    if (bSelected) {
        dc.FillSolidRect(&rcSelect, MenuColor(CLR_MENU_SEL_FILL));
        CPen pen(PS_SOLID, 1, MenuColor(CLR_MENU_SEL_OUTLINE));
        const CQVSelectScope outline(&dc, pen.GetSafeHandle(), ::GetStockObject(NULL_BRUSH));
        dc.Rectangle(&rcSelect);
    }

    if (lpDIS->itemState & ODS_CHECKED) {
        const CQVBitmap& bmpCheck = CQVSkinResManager::GetSingletonPtr()->GetOthRes()->m_bmpMenuCheck;
        const CSize size = bmpCheck.GetSrcImageRect().Size();
        bmpCheck.TransparentDraw(&dc, rcImage.left + (rcImage.Width() - size.cx) / 2,
                                 rcImage.top + (rcImage.Height() - size.cy) / 2, kCheckKeyColor, 0);
    } else if (pBitmapList != NULL) {
        const CSize size = pBitmapList->GetImageSize();
        pBitmapList->DrawImageEx(&dc, rcImage.left + (rcImage.Width() - size.cx) / 2,
                                 rcImage.top + (rcImage.Height() - size.cy) / 2, lpDIS->itemID, nImageType);
    }

    dc.DrawText(strText, &rcText, DT_VCENTER | DT_SINGLELINE);
    if (!strAccel.IsEmpty()) dc.DrawText(strAccel, &rcText, DT_VCENTER | DT_SINGLELINE | DT_RIGHT);

    dc.SetTextColor(clrOldText);
    dc.SetBkMode(nOldBkMode);
    dc.Detach();
}
