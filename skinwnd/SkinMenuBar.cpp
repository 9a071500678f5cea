#include "SkinMenuBar.h"

#include <windowsx.h>

#include <QVLanResManager.h>

#include <vector>
#include "QVSelectScope.h"

namespace {

const COLORREF kBorderColor = RGB(0x40, 0x40, 0x40);
const COLORREF kHotColor = RGB(0x80, 0x80, 0xFF);  // 0xFF8080 as COLORREF
const COLORREF kGrayColor = RGB(0x80, 0x80, 0x80);
const COLORREF kBkColor = RGB(0xC8, 0xC8, 0xFF);  // 0xFFC8C8 as COLORREF

// Room of the shadow at the right and bottom of an item, and the space round an item's text.
const int kShadowSize = 4;
const int kItemTextMargin = 20;
const int kBarLeftMargin = 2;
const int kMaxItemText = 1024;
const DWORD kReopenGuardMillis = 100;

// Darkening of the bands (outer row or column last) and of the corners (by i + j).
const int kBandFactors[kShadowSize] = {140, 170, 212, 240};
const int kCornerFactors[7] = {170, 205, 220, 240, 240, 250, 255};

DWORD TickClock() {
    return ::GetTickCount();
}

CSkinMenuBar::ClockFunc g_pfnClock = &TickClock;

COLORREF Darken(COLORREF clr, int nFactor) {
    return RGB(GetRValue(clr) * nFactor / 255, GetGValue(clr) * nFactor / 255,
               GetBValue(clr) * nFactor / 255);
}

void DarkenPixel(CDC* pDC, int x, int y, int nFactor) {
    const COLORREF clr = pDC->GetPixel(x, y);
    if (clr == CLR_INVALID) return;
    pDC->SetPixelV(x, y, Darken(clr, nFactor));
}

BOOL CALLBACK CollectMenuWindow(HWND hWnd, LPARAM lParam) {
    TCHAR szClass[16] = {};
    if (::IsWindowVisible(hWnd) && ::GetClassName(hWnd, szClass, 16) > 0 &&
        lstrcmp(szClass, _T("#32768")) == 0) {
        HMENU hMenu = reinterpret_cast<HMENU>(::SendMessage(hWnd, MN_GETHMENU, 0, 0));
        if (hMenu != nullptr) reinterpret_cast<std::vector<HMENU>*>(lParam)->push_back(hMenu);
    }
    return TRUE;
}

// The menus of the popup windows this thread shows: the open chain of a popup and its submenus.
std::vector<HMENU> OpenPopupMenus() {
    std::vector<HMENU> menus;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectMenuWindow, reinterpret_cast<LPARAM>(&menus));
    return menus;
}

// The last menu of the open chain: the one that is no other open menu's parent.
HMENU DeepestOpenMenu(const std::vector<HMENU>& menus) {
    for (HMENU hMenu : menus) {
        bool bParent = false;
        const int nCount = ::GetMenuItemCount(hMenu);
        for (int i = 0; i < nCount && !bParent; ++i) {
            HMENU hSub = ::GetSubMenu(hMenu, i);
            for (HMENU hOther : menus)
                if (hSub != nullptr && hSub == hOther) bParent = true;
        }
        if (!bParent) return hMenu;
    }
    return nullptr;
}

// TRUE when the selected item of the innermost open menu opens a submenu (Right then opens it).
bool SelectedItemHasSubMenu() {
    HMENU hMenu = DeepestOpenMenu(OpenPopupMenus());
    if (hMenu == nullptr) return false;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        const UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        if (nState != (UINT)-1 && (nState & MF_HILITE)) return ::GetSubMenu(hMenu, i) != nullptr;
    }
    return false;
}

}  // namespace

void QVDrawMenuItemShadow(CDC* pDC, const CRect& r) {
    if (pDC == nullptr) return;
    for (int k = 0; k < kShadowSize; ++k) {
        for (int x = r.left + 6; x <= r.right - 5; ++x)
            DarkenPixel(pDC, x, r.bottom - kShadowSize + k, kBandFactors[k]);
        for (int y = r.top + 6; y <= r.bottom - 5; ++y)
            DarkenPixel(pDC, r.right - kShadowSize + k, y, kBandFactors[k]);
    }
    for (int i = 0; i < kShadowSize; ++i) {
        for (int j = 0; j < kShadowSize; ++j) {
            const int nFactor = kCornerFactors[i + j];
            DarkenPixel(pDC, r.right - 4 + i, r.bottom - 4 + j, nFactor);
            DarkenPixel(pDC, r.right - 4 + i, r.top + 5 - j, nFactor);
            DarkenPixel(pDC, r.left + 5 - i, r.bottom - 4 + j, nFactor);
        }
    }
}

int QVMenuBarArrowTarget(UINT nKey, int nOpenItem, int nCount) {
    if (nCount < 2 || nOpenItem < 0 || nOpenItem >= nCount) return -1;
    if (nKey == VK_LEFT && OpenPopupMenus().size() <= 1) return (nOpenItem + nCount - 1) % nCount;
    if (nKey == VK_RIGHT && !SelectedItemHasSubMenu()) return (nOpenItem + 1) % nCount;
    return -1;
}

HHOOK CSkinMenuBar::s_hMsgHook = nullptr;
HWND CSkinMenuBar::s_hWnd = nullptr;
int CSkinMenuBar::s_nCurrMenuItem = -1;
int CSkinMenuBar::s_nNextMenuItem = -1;
CSkinMenuBar* CSkinMenuBar::s_pMenuBar = nullptr;
DWORD CSkinMenuBar::s_dwLastPopupEnd = 0;

void CSkinMenuBar::SetClock(ClockFunc pfnClock) {
    g_pfnClock = pfnClock ? pfnClock : &TickClock;
}

CSkinMenuBar::CSkinMenuBar() {
    CString strFace = CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT"));
    if (strFace.GetLength() >= LF_FACESIZE) strFace = strFace.Left(LF_FACESIZE - 1);
    m_Font.CreatePointFont(90, strFace);
    m_penBorder.CreatePen(PS_SOLID, 1, kBorderColor);
    m_penHot.CreatePen(PS_SOLID, 1, kHotColor);
    m_penGray.CreatePen(PS_SOLID, 1, kGrayColor);
    m_brushHot.CreateSolidBrush(kHotColor);
    m_brushBk.CreateSolidBrush(kBkColor);
}

CSkinMenuBar::~CSkinMenuBar() {
    // A bar that dies while its popup is open (its window destroyed from inside the popup's loop) ends
    // the popup and is forgotten, so that the loop and the hook never touch it again.
    if (s_pMenuBar == this) {
        s_pMenuBar = nullptr;
        ::EndMenu();
    }
    ClearItems();
}

void CSkinMenuBar::ClearItems() {
    CQVAutoLock lock(m_cs);
    for (tagQVMenuItemData* pItem : m_vecItems)
        delete pItem;
    m_vecItems.clear();
}

void CSkinMenuBar::LoadMenu(CWnd* pWnd, HMENU hMenu) {
    if (pWnd != nullptr) m_hWnd = pWnd->GetSafeHwnd();
    ClearItems();
    m_bCalculated = FALSE;
    m_nPrevSelItem = -1;
    m_nCurrSelItem = -1;
    if (hMenu == nullptr || !::IsMenu(hMenu)) return;

    CQVAutoLock lock(m_cs);
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        tagQVMenuItemData* pItem = new tagQVMenuItemData;
        TCHAR szText[kMaxItemText + 1] = {};
        ::GetMenuString(hMenu, i, szText, kMaxItemText, MF_BYPOSITION);
        pItem->strText = szText;
        pItem->hSubMenu = ::GetSubMenu(hMenu, i);
        m_vecItems.push_back(pItem);
    }
}

tagQVMenuItemData* CSkinMenuBar::GetMenuItemData(int nItem) const {
    if (nItem < 0 || nItem >= (int)m_vecItems.size()) return nullptr;
    return m_vecItems[nItem];
}

void CSkinMenuBar::CalcMenuItemRect(CDC* pDC, const CRect& rcBar) {
    if (pDC == nullptr) return;
    if (m_bCalculated && rcBar == m_rcLaidOut) return;
    const CQVSelectScope font(pDC, m_Font.GetSafeHandle());
    int x = rcBar.left + kBarLeftMargin;
    for (tagQVMenuItemData* pItem : m_vecItems) {
        CRect rcText(rcBar);
        pDC->DrawText(pItem->strText, &rcText, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        pItem->rcItem.SetRect(x, rcBar.top + 1, x + kItemTextMargin + rcText.Width(), rcBar.bottom);
        pItem->rcHit = pItem->rcItem;
        pItem->rcHit.right -= kShadowSize;
        pItem->rcHit.bottom -= kShadowSize;
        x = pItem->rcItem.right;
    }
    m_rcLaidOut = rcBar;
    m_bCalculated = TRUE;
}

void CSkinMenuBar::DrawMenuBar(CDC* pDC, const CRect& rcBar) {
    if (pDC == nullptr) return;
    pDC->FillRect(&rcBar, &m_brushBk);
    for (int i = 0; i < (int)m_vecItems.size(); ++i) {
        QVMenuItemState nState = QVMIS_NORMAL;
        if (i == m_nCurrSelItem) nState = m_bPopupOpen ? QVMIS_PRESSED : QVMIS_HOT;
        DrawMenuItem(pDC, m_vecItems[i], nState);
    }
}

void CSkinMenuBar::DrawMenuItem(CDC* pDC, tagQVMenuItemData* pItem, QVMenuItemState nState) {
    if (pDC == nullptr || pItem == nullptr) return;
    const COLORREF clrOldText = pDC->SetTextColor(RGB(0, 0, 0));
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    const CQVSelectScope tools(pDC, m_Font.GetSafeHandle(), m_penBorder.GetSafeHandle(),
                               ::GetStockObject(HOLLOW_BRUSH));

    pDC->FillRect(&pItem->rcItem, &m_brushBk);
    if (nState == QVMIS_HOT) pDC->FillRect(&pItem->rcHit, &m_brushHot);
    if (nState == QVMIS_HOT || nState == QVMIS_PRESSED) pDC->Rectangle(&pItem->rcHit);
    if (nState == QVMIS_PRESSED) DrawShadow(pDC, pItem->rcItem);
    CRect rcText(pItem->rcHit);
    pDC->DrawText(pItem->strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(clrOldText);
}

void CSkinMenuBar::DrawShadow(CDC* pDC, const CRect& r) {
    QVDrawMenuItemShadow(pDC, r);
}

int CSkinMenuBar::HitTestMenuItem(CPoint point) const {
    for (int i = 0; i < (int)m_vecItems.size(); ++i)
        if (m_vecItems[i]->rcHit.PtInRect(point)) return i;
    return -1;
}

void CSkinMenuBar::SetSelectMenuItem(int nItem) {
    if (nItem >= (int)m_vecItems.size()) return;
    if (nItem < 0) nItem = -1;
    m_nPrevSelItem = m_nCurrSelItem;
    m_nCurrSelItem = nItem;
    s_nNextMenuItem = nItem;
    if (m_nPrevSelItem == m_nCurrSelItem) return;
    RedrawItem(m_nPrevSelItem, QVMIS_NORMAL);
    RedrawItem(m_nCurrSelItem, QVMIS_HOT);
}

void CSkinMenuBar::RedrawItem(int nItem, QVMenuItemState nState) {
    tagQVMenuItemData* pItem = GetMenuItemData(nItem);
    if (pItem == nullptr || m_hWnd == nullptr || !::IsWindow(m_hWnd)) return;
    HDC hDC = ::GetWindowDC(m_hWnd);
    if (hDC == nullptr) return;
    CDC* pDC = CDC::FromHandle(hDC);
    DrawMenuItem(pDC, pItem, nState);
    ::ReleaseDC(m_hWnd, hDC);
}

void CSkinMenuBar::PopupMenu() {
    if (g_pfnClock() - s_dwLastPopupEnd < kReopenGuardMillis) return;
    RunPopupLoop();
}

BOOL CSkinMenuBar::OpenMenuByKey(TCHAR chKey) {
    const int nItem = chKey == 0 ? (m_vecItems.empty() ? -1 : 0) : FindMnemonic(chKey);
    if (nItem < 0) return FALSE;
    SetSelectMenuItem(nItem);
    RunPopupLoop();
    return TRUE;
}

int CSkinMenuBar::FindMnemonic(TCHAR chKey) const {
    const TCHAR chWanted = (TCHAR)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(TBYTE)chKey);
    for (int i = 0; i < (int)m_vecItems.size(); ++i) {
        const CString& strText = m_vecItems[i]->strText;
        for (int n = 0; n + 1 < strText.GetLength(); ++n) {
            if (strText[n] != _T('&')) continue;
            const TCHAR ch = strText[n + 1];
            if (ch == _T('&')) {  // "&&" is a literal ampersand
                ++n;
                continue;
            }
            if ((TCHAR)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(TBYTE)ch) == chWanted) return i;
            break;
        }
    }
    return -1;
}

void CSkinMenuBar::RunPopupLoop() {
    // Nested calls (a click on the bar dispatched from inside the popup's own loop) do nothing.
    if (s_pMenuBar != nullptr) return;
    const HWND hWnd = m_hWnd;
    while (s_nNextMenuItem >= 0 && s_nNextMenuItem < (int)m_vecItems.size() && hWnd != nullptr &&
           ::IsWindow(hWnd)) {
        const int nItem = s_nNextMenuItem;
        tagQVMenuItemData* pItem = m_vecItems[nItem];
        s_pMenuBar = this;
        s_hWnd = hWnd;
        s_nCurrMenuItem = nItem;
        s_hMsgHook = ::SetWindowsHookEx(WH_MSGFILTER, MessageProc, nullptr, ::GetCurrentThreadId());
        m_bPopupOpen = TRUE;
        m_nPrevSelItem = m_nCurrSelItem;
        m_nCurrSelItem = nItem;
        if (m_nPrevSelItem != nItem) RedrawItem(m_nPrevSelItem, QVMIS_NORMAL);
        RedrawItem(nItem, QVMIS_PRESSED);

        CPoint pt(pItem->rcHit.left, pItem->rcHit.bottom - 1);
        CRect rcWindow;
        ::GetWindowRect(hWnd, &rcWindow);
        pt.Offset(rcWindow.left, rcWindow.top);
        pItem->nPopupTop = pt.y;
        if (pItem->hSubMenu != nullptr && ::IsMenu(pItem->hSubMenu)) {
            ::TrackPopupMenuEx(pItem->hSubMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, pt.x, pt.y,
                               hWnd, nullptr);
        } else {
            // A bar entry without a popup is a command of its own: the window gets it as a menu command,
            // after the loop has ended.
            const UINT nID = ::GetMenuItemID(::GetMenu(hWnd), nItem);
            if (nID != 0 && nID != (UINT)-1) ::PostMessage(hWnd, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
            s_nNextMenuItem = nItem;
        }

        if (s_hMsgHook != nullptr) ::UnhookWindowsHookEx(s_hMsgHook);
        s_hMsgHook = nullptr;
        // The window (and with it this bar) may have been destroyed by a command run from the loop.
        if (s_pMenuBar != this || !::IsWindow(hWnd)) {
            EndPopupLoop();
            return;
        }
        RedrawItem(nItem, QVMIS_NORMAL);
        if (s_nNextMenuItem == -1) SetSelectMenuItem(-1);
        if (s_nNextMenuItem == nItem) break;
        s_pMenuBar = nullptr;
        s_nCurrMenuItem = -1;
        m_bPopupOpen = FALSE;
    }
    m_bPopupOpen = FALSE;
    EndPopupLoop();
}

void CSkinMenuBar::EndPopupLoop() {
    s_pMenuBar = nullptr;
    s_hWnd = nullptr;
    s_nCurrMenuItem = -1;
    s_nNextMenuItem = -1;
    s_dwLastPopupEnd = g_pfnClock();
}

LRESULT CALLBACK CSkinMenuBar::MessageProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == MSGF_MENU && s_pMenuBar != nullptr && lParam != 0 &&
        s_pMenuBar->HookMessageProc(reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return ::CallNextHookEx(s_hMsgHook, nCode, wParam, lParam);
}

// A move to another item sends WM_CANCELMODE and still lets the menu see the message: the menu ends
// right after it, and the next queued input goes to the popup the loop opens next.
BOOL CSkinMenuBar::HookMessageProc(MSG* pMsg) {
    if (pMsg == nullptr || s_hWnd == nullptr) return FALSE;
    if (!::IsWindow(s_hWnd)) {
        ::EndMenu();
        return FALSE;
    }
    const int nCount = (int)m_vecItems.size();
    switch (pMsg->message) {
    case WM_MOUSEMOVE: {
        // Mouse messages of the menu loop carry screen coordinates.
        CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        CRect rcWindow;
        ::GetWindowRect(s_hWnd, &rcWindow);
        pt.Offset(-rcWindow.left, -rcWindow.top);
        s_nNextMenuItem = HitTestMenuItem(pt);
        if (s_nNextMenuItem >= 0 && s_nNextMenuItem != s_nCurrMenuItem)
            ::SendMessage(s_hWnd, WM_CANCELMODE, 0, 0);
        return FALSE;
    }
    case WM_KEYDOWN: {
        // Left on the bar's own popup (no submenu open) and Right on an item without a submenu move
        // to the neighbour on the bar, wrapping; elsewhere the menu handles the arrows itself.
        const int nNext = QVMenuBarArrowTarget((UINT)pMsg->wParam, s_nCurrMenuItem, nCount);
        if (nNext < 0) return FALSE;
        s_nNextMenuItem = nNext;
        ::SendMessage(s_hWnd, WM_CANCELMODE, 0, 0);
        return FALSE;
    }
    default:
        return FALSE;
    }
}
