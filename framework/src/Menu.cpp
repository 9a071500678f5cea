// Menus: the CMenu wrapper, its per-thread handle map and the lookup of owner-drawn menu items.
#include <afxwin.h>

#include <algorithm>

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

CHandleMap* AFXAPI NewMenuMap() {
    const CMenu probe;
    const size_t offset = reinterpret_cast<const BYTE*>(&probe.m_hMenu) -
                          reinterpret_cast<const BYTE*>(static_cast<const CObject*>(&probe));
    return new CHandleMap(RUNTIME_CLASS(CMenu), offset, 1);
}

// The popup that CMenu::TrackPopupMenu(Ex) is tracking on this thread, and the window it reports to:
// WM_MEASUREITEM does not say which menu it measures.
struct CTrackingState {
    HWND hWnd = nullptr;
    HMENU hMenu = nullptr;
};

thread_local CTrackingState t_tracking;

// Sets the tracking state for the length of one tracking call and restores the previous one, so that a
// popup tracked from inside another's handler does not lose the outer state.
class CTrackingScope {
public:
    CTrackingScope(HWND hWnd, HMENU hMenu) : m_saved(t_tracking) {
        t_tracking.hWnd = hWnd;
        t_tracking.hMenu = hMenu;
    }
    ~CTrackingScope() { t_tracking = m_saved; }
    CTrackingScope(const CTrackingScope&) = delete;
    CTrackingScope& operator=(const CTrackingScope&) = delete;

private:
    CTrackingState m_saved;
};

// Whether item nPos of hMenu is command nID carrying the item data of an owner-drawn item (owner-drawn
// separators all have id 0; their data tells them apart).
bool IsItem(HMENU hMenu, int nPos, UINT nID, const ULONG_PTR* pData) {
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_ID | MIIM_DATA;
    if (!::GetMenuItemInfo(hMenu, static_cast<UINT>(nPos), TRUE, &mii)) return false;
    return mii.wID == nID && (!pData || mii.dwItemData == *pData);
}

// The permanent CMenu of the menu (hMenu or one of its popups, depth first) that holds command nID;
// pNearest is the nearest permanent ancestor seen so far, answered when the holder has none.
CMenu* FindItemMenu(HMENU hMenu, UINT nID, const ULONG_PTR* pData, CMenu* pNearest, int nDepth) {
    if (!hMenu || nDepth > 16) return nullptr;  // menus can be shared; a cycle must not recurse forever
    if (CMenu* pMenu = CMenu::FromHandlePermanent(hMenu)) pNearest = pMenu;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        if (IsItem(hMenu, i, nID, pData)) return pNearest;
    }
    for (int i = 0; i < nCount; ++i) {
        if (HMENU hSub = ::GetSubMenu(hMenu, i)) {
            if (CMenu* pFound = FindItemMenu(hSub, nID, pData, pNearest, nDepth + 1)) return pFound;
        }
    }
    return nullptr;
}

// The item's id and data first; the id alone when no item carries that data.
CMenu* FindItemMenu(HMENU hMenu, const MEASUREITEMSTRUCT* lpMIS) {
    const ULONG_PTR data = lpMIS->itemData;
    if (CMenu* pMenu = FindItemMenu(hMenu, lpMIS->itemID, &data, nullptr, 0)) return pMenu;
    return FindItemMenu(hMenu, lpMIS->itemID, nullptr, nullptr, 0);
}

LPCTSTR BitmapItem(const CBitmap* pBmp) {
    return reinterpret_cast<LPCTSTR>(pBmp->GetSafeHandle());
}

}  // namespace

CHandleMap* AFXAPI afxMapHMENU(BOOL bCreate) {
    return AfxGetThreadHandleMap(&NewMenuMap, bCreate);
}

CMenu::~CMenu() {
    DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) {
    return static_cast<CMenu*>(afxMapHMENU(TRUE)->FromHandle(hMenu));
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu) {
    CHandleMap* pMap = afxMapHMENU(FALSE);
    return pMap && hMenu ? static_cast<CMenu*>(pMap->LookupPermanent(hMenu)) : nullptr;
}

void PASCAL CMenu::DeleteTempMap() {
    if (CHandleMap* pMap = afxMapHMENU(FALSE)) pMap->DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu) {
    ASSERT(m_hMenu == nullptr);
    if (!hMenu) return FALSE;
    m_hMenu = hMenu;
    afxMapHMENU(TRUE)->SetPermanent(m_hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU hMenu = m_hMenu;
    if (hMenu) {
        if (CHandleMap* pMap = afxMapHMENU(FALSE)) pMap->RemoveHandle(hMenu);
    }
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreateMenu() {
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu() {
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    return Attach(::LoadMenu(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
    return LoadMenu(MAKEINTRESOURCE(nIDResource));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate) {
    return Attach(::LoadMenuIndirect(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::AppendMenu(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::InsertMenu(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::ModifyMenu(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
    return ::InsertMenuItem(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) const {
    return ::GetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
    return ::SetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked) {
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags,
                                static_cast<HBITMAP>(pBmpUnchecked->GetSafeHandle()),
                                static_cast<HBITMAP>(pBmpChecked->GetSafeHandle()));
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) const {
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos) {
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

UINT CMenu::GetMenuItemCount() const {
    return static_cast<UINT>(::GetMenuItemCount(m_hMenu));
}

UINT CMenu::GetMenuItemID(int nPos) const {
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
    int nLen = ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    if (!lpString || nMaxCount <= 0) return nLen;
    // A cut text is not always terminated by the system (the narrow form under some platforms): end
    // it at the answered length, never inside a double-byte character.
    nLen = std::max(0, std::min(nLen, nMaxCount - 1));
#ifndef _UNICODE
    int nWhole = 0;
    while (nWhole < nLen) {
        const int nChar = ::IsDBCSLeadByte(static_cast<BYTE>(lpString[nWhole])) ? 2 : 1;
        if (nWhole + nChar > nLen) break;
        nWhole += nChar;
    }
    nLen = nWhole;
#endif
    lpString[nLen] = 0;
    return nLen;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    // The length query counts TCHARs without the terminator; read one more to hold it.
    const int nLen = ::GetMenuString(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLen <= 0) {
        rString.Empty();
        return 0;
    }
    LPTSTR p = rString.GetBuffer(nLen + 1);
    const int nRead = ::GetMenuString(m_hMenu, nIDItem, p, nLen + 1, nFlags);
    rString.ReleaseBuffer(nRead > 0 ? nRead : 0);
    return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const {
    HMENU hSub = ::GetSubMenu(m_hMenu, nPos);
    return hSub ? CMenu::FromHandle(hSub) : nullptr;
}

DWORD CMenu::GetMenuContextHelpId() const {
    return ::GetMenuContextHelpId(m_hMenu);
}

BOOL CMenu::SetMenuContextHelpId(DWORD dwContextHelpId) {
    return ::SetMenuContextHelpId(m_hMenu, dwContextHelpId);
}

BOOL CMenu::GetMenuInfo(LPMENUINFO lpcmi) const {
    return ::GetMenuInfo(m_hMenu, lpcmi);
}

BOOL CMenu::SetMenuInfo(LPCMENUINFO lpcmi) {
    return ::SetMenuInfo(m_hMenu, lpcmi);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    HWND hWnd = pWnd->GetSafeHwnd();
    CTrackingScope scope(hWnd, m_hMenu);
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, hWnd, lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm) {
    HWND hWnd = pWnd->GetSafeHwnd();
    CTrackingScope scope(hWnd, m_hMenu);
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, hWnd, lptpm);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT /*lpDrawItemStruct*/) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT /*lpMeasureItemStruct*/) {}

CMenu* AFXAPI AfxFindMenuForDrawItem(const DRAWITEMSTRUCT* lpDrawItemStruct) {
    if (!lpDrawItemStruct || lpDrawItemStruct->CtlType != ODT_MENU) return nullptr;
    return CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem));
}

CMenu* AFXAPI AfxFindMenuForMeasureItem(HWND hWnd, const MEASUREITEMSTRUCT* lpMeasureItemStruct) {
    if (!lpMeasureItemStruct || lpMeasureItemStruct->CtlType != ODT_MENU) return nullptr;
    if (t_tracking.hMenu && (t_tracking.hWnd == hWnd || !hWnd)) {
        if (CMenu* pMenu = FindItemMenu(t_tracking.hMenu, lpMeasureItemStruct)) return pMenu;
    }
    // A child window's GetMenu answers its control id, not a menu.
    if (hWnd && !(::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD)) {
        if (CMenu* pMenu = FindItemMenu(::GetMenu(hWnd), lpMeasureItemStruct)) return pMenu;
    }
    return nullptr;
}
