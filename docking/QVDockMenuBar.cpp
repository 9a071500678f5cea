// CQVDockMenuBar: items from a menu, painting, the mouse and keyboard, the drop-down loop and its hook,
// and the messages it sends on to its owner.
#include "QVDockMenuBar.h"

#include <windowsx.h>

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include "DrawMenuHelper.h"
#include "QVAliveToken.h"
#include "QVDockContext.h"
#include "QVDockMenuBarLayout.h"
#include "QVPaintMemoryDC.h"
#include "QVSelectScope.h"
#include "TranslateStrings.h"

IMPLEMENT_DYNAMIC(CQVDockMenuBar, CQVControlBar)

BEGIN_MESSAGE_MAP(CQVDockMenuBar, CQVControlBar)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CQVDockMenuBar::OnMouseLeave)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVDockMenuBar::OnSkinChanged)
ON_MESSAGE(WM_QV_LANCHANGED, &CQVDockMenuBar::OnLanChanged)
END_MESSAGE_MAP()

namespace {

DWORD TickClock() {
    return ::GetTickCount();
}

CQVDockMenuBar::ClockFunc g_pfnClock = &TickClock;

COLORREF SkinColor(int nIndex) {
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    return pColors ? pColors->GetColor(nIndex) : RGB(0, 0, 0);
}

}  // namespace

CQVDockMenuBar* CQVDockMenuBar::s_pActiveBar = nullptr;
HWND CQVDockMenuBar::s_hActiveWnd = nullptr;
int CQVDockMenuBar::s_nOpenItem = -1;
int CQVDockMenuBar::s_nCurrSel = -1;
HHOOK CQVDockMenuBar::s_hHook = nullptr;
DWORD CQVDockMenuBar::s_dwLastEnd = 0;

void CQVDockMenuBar::SetClock(ClockFunc pfnClock) {
    g_pfnClock = pfnClock ? pfnClock : &TickClock;
}

CQVDockMenuBar::CQVDockMenuBar() {
    CString strFace = CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT"));
    if (strFace.GetLength() >= LF_FACESIZE) strFace = strFace.Left(LF_FACESIZE - 1);
    m_font.CreatePointFont(90, strFace);
    CreateTools();
}

CQVDockMenuBar::~CQVDockMenuBar() {
    // A bar that dies inside its own drop-down loop (its frame destroyed from the menu) ends the menu
    // and is forgotten, so that neither the loop nor the hook touches it again.
    if (s_pActiveBar == this) {
        s_pActiveBar = nullptr;
        s_hActiveWnd = nullptr;
        ::EndMenu();
    }
    if (m_hWnd) DestroyWindow();
    ClearItems();
}

void CQVDockMenuBar::CreateTools() {
    m_penNormal.DeleteObject();
    m_penHot.DeleteObject();
    m_penOpen.DeleteObject();
    m_brushHot.DeleteObject();
    m_penNormal.CreatePen(PS_SOLID, 1, SkinColor(7));
    m_penHot.CreatePen(PS_SOLID, 1, SkinColor(8));
    m_penOpen.CreatePen(PS_SOLID, 1, SkinColor(9));
    m_brushHot.CreateSolidBrush(SkinColor(10));
}

BOOL CQVDockMenuBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rectBorders,
                              UINT nID) {
    m_pOwner = pParentWnd;
    return CreateBarWindow(_T("QVDockMenuBar"), pParentWnd, dwCtrlStyle, dwStyle, rectBorders, nID);
}

BOOL CQVDockMenuBar::LoadMenu(UINT nIDResource) {
    CMenu menu;
    if (!menu.LoadMenu(nIDResource)) return FALSE;
    m_menu.DestroyMenu();
    m_menu.Attach(menu.Detach());
    LoadMenu(m_menu.GetSafeHmenu());
    return TRUE;
}

void CQVDockMenuBar::ClearItems() {
    for (tagQVMenuItemData* pItem : m_vecItems)
        delete pItem;
    m_vecItems.clear();
    m_mapAccessKeys.clear();
}

void CQVDockMenuBar::LoadMenu(HMENU hMenu) {
    ClearItems();
    m_bCalculated = FALSE;
    m_nPrevSelItem = m_nCurrSelItem = -1;
    m_hLoaded = (hMenu && ::IsMenu(hMenu)) ? hMenu : nullptr;
    std::vector<BYTE> keys;
    const int nCount = m_hLoaded ? ::GetMenuItemCount(m_hLoaded) : 0;
    for (int i = 0; i < nCount; ++i) {
        auto* pItem = new tagQVMenuItemData;
        TCHAR szText[qvdockmenu::kMaxItemText + 1] = {};
        ::GetMenuString(m_hLoaded, i, szText, qvdockmenu::kMaxItemText, MF_BYPOSITION);
        pItem->strText = szText;
        if (pItem->strText.Left(1) == _T("~"))
            pItem->strText = CQVLanResManager::GetSingletonPtr()->GetString(pItem->strText.Mid(1));
        pItem->hSubMenu = ::GetSubMenu(m_hLoaded, i);
        pItem->nAccessKey = qvdockmenu::AccessKeyOf(pItem->strText);
        keys.push_back(pItem->nAccessKey);
        m_vecItems.push_back(pItem);
    }
    m_mapAccessKeys = qvdockmenu::AccessKeyMap(keys);
    if (m_hWnd) {
        CClientDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CalcMenuItemRect(&dc, rc);
    }
}

void CQVDockMenuBar::CalcMenuItemRect(CDC* pDC, const CRect& rc) {
    std::vector<CSize> sizes;
    {
        const CQVSelectScope font(pDC, m_font.GetSafeHandle());
        for (const tagQVMenuItemData* pItem : m_vecItems) {
            CRect rcText(rc.left, rc.top, rc.left + 500, rc.top + 40);
            pDC->DrawText(pItem->strText, &rcText, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
            sizes.push_back(rcText.Size());
        }
    }
    CSize sizeBar;
    const std::vector<qvdockmenu::CItemRects> rects = qvdockmenu::LayoutItems(rc, sizes, &sizeBar);
    for (size_t i = 0; i < rects.size(); ++i) {
        m_vecItems[i]->rcItem = rects[i].rcItem;
        m_vecItems[i]->rcHit = rects[i].rcHit;
    }
    m_bCalculated = TRUE;
    SetWindowPos(nullptr, 0, 0, sizeBar.cx, sizeBar.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

tagQVMenuItemData* CQVDockMenuBar::GetMenuItemData(int nItem) const {
    return nItem >= 0 && nItem < GetMenuItemCount() ? m_vecItems[nItem] : nullptr;
}

int CQVDockMenuBar::HitTestMenuItem(CPoint point) const {
    for (int i = 0; i < GetMenuItemCount(); ++i)
        if (m_vecItems[i]->rcHit.PtInRect(point)) return i;
    return -1;
}

CSize CQVDockMenuBar::CalcFixedLayout(BOOL, BOOL) {
    CRect rect;
    GetWindowRect(&rect);
    return rect.Size();
}

CSize CQVDockMenuBar::CalcDynamicLayout(int, DWORD) {
    CRect rect;
    GetWindowRect(&rect);
    return rect.Size();
}

void CQVDockMenuBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CQVDockMenuBar::SetSelectMenuItem(int nItem) {
    if (nItem < 0 || nItem >= GetMenuItemCount()) nItem = -1;
    m_nPrevSelItem = m_nCurrSelItem;
    m_nCurrSelItem = nItem;
    s_nCurrSel = nItem;
    if (m_nPrevSelItem == m_nCurrSelItem) return;
    InvalidateItem(m_nPrevSelItem);
    InvalidateItem(m_nCurrSelItem);
}

void CQVDockMenuBar::InvalidateItem(int nItem) {
    const tagQVMenuItemData* pItem = GetMenuItemData(nItem);
    if (pItem && m_hWnd) InvalidateRect(&pItem->rcItem, TRUE);
}

void CQVDockMenuBar::OnPaint() {
    CPaintDC dcPaint(this);
    CRect rc;
    GetClientRect(&rc);
    CQVPaintMemoryDC dc(&dcPaint, rc);
    CQVControlBar::DrawBarAppearance(&dc, rc, 0);
    for (int i = 0; i < GetMenuItemCount(); ++i)
        DrawMenuItem(&dc, m_vecItems[i], qvdockmenu::ItemState(i, m_nCurrSelItem, m_bPopupOpen));
}

BOOL CQVDockMenuBar::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVDockMenuBar::DrawMenuItem(CDC* pDC, const tagQVMenuItemData* pItem, QVMenuItemState nState) {
    if (!pDC || !pItem) return;
    const COLORREF clrOldText = pDC->SetTextColor(RGB(0, 0, 0));
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    CQVSelectScope tools(pDC, m_font.GetSafeHandle());
    if (nState == QVMIS_HOT) {
        tools.Select(m_penHot.GetSafeHandle());
        tools.Select(m_brushHot.GetSafeHandle());
        pDC->Rectangle(&pItem->rcHit);
    } else if (nState == QVMIS_PRESSED) {
        tools.Select(m_penOpen.GetSafeHandle());
        tools.Select(::GetStockObject(NULL_BRUSH));
        pDC->Rectangle(&pItem->rcHit);
        QVDrawMenuItemShadow(pDC, pItem->rcItem);
    }
    CRect rcText(pItem->rcHit);
    pDC->DrawText(pItem->strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(clrOldText);
}

void CQVDockMenuBar::OnMouseMove(UINT nFlags, CPoint point) {
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        m_bTracking = ::TrackMouseEvent(&tme);
    }
    SetSelectMenuItem(HitTestMenuItem(point));
    CQVControlBar::OnMouseMove(nFlags, point);
}

LRESULT CQVDockMenuBar::OnMouseLeave(WPARAM, LPARAM) {
    if (m_bTracking) {
        m_bTracking = FALSE;
        SetSelectMenuItem(-1);
    }
    return 0;
}

void CQVDockMenuBar::OnLButtonDown(UINT nFlags, CPoint point) {
    m_bTracking = FALSE;
    if (point.x > qvdockmenu::kGripRight) {
        // The press may land on an item the mouse never moved over (posted or the first input).
        if (HitTestMenuItem(point) >= 0) SetSelectMenuItem(HitTestMenuItem(point));
        PopupMenu();
        return;
    }
    if (m_pDockBar && m_pDockContext) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CQVControlBar::OnLButtonDown(nFlags, point);
}

void CQVDockMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
    // The second click of a quick pair on the items is a click, not a request to float the bar.
    if (point.x > qvdockmenu::kGripRight)
        OnLButtonDown(nFlags, point);
    else
        CQVControlBar::OnLButtonDblClk(nFlags, point);
}

BOOL CQVDockMenuBar::ProcessPreTranslateMessage(MSG* pMsg) {
    if (!pMsg || pMsg->message != WM_SYSKEYDOWN) return FALSE;
    const auto it = m_mapAccessKeys.find(static_cast<BYTE>(pMsg->wParam & 0xFF));
    if (it == m_mapAccessKeys.end()) return FALSE;
    SetSelectMenuItem(it->second);
    PopupMenu();
    return TRUE;
}

BOOL CQVDockMenuBar::PopupMenu() {
    if (qvdockmenu::IsReopenGuarded(g_pfnClock(), s_dwLastEnd)) return FALSE;
    // One loop in the process: a click dispatched from inside a running loop opens nothing.
    if (s_pActiveBar || CSkinMenuBar::GetOpenMenuBar() || !m_hWnd) return FALSE;
    const CQVAliveToken alive(this);
    const HWND hWnd = m_hWnd;
    BOOL bShown = FALSE;
    s_nCurrSel = m_nCurrSelItem;
    while (s_nCurrSel >= 0 && s_nCurrSel < GetMenuItemCount()) {
        const int nItem = s_nCurrSel;
        tagQVMenuItemData* pItem = m_vecItems[nItem];
        bShown = TRUE;
        s_pActiveBar = this;
        s_nOpenItem = nItem;
        s_hActiveWnd = hWnd;
        s_hHook =
            ::SetWindowsHookEx(WH_MSGFILTER, &CQVDockMenuBar::MessageProc, nullptr, ::GetCurrentThreadId());
        m_bPopupOpen = TRUE;
        InvalidateItem(nItem);
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        const CPoint pt = qvdockmenu::DropDownPoint(rcWindow, pItem->rcHit);
        pItem->nPopupTop = pt.y - 1;
        if (pItem->hSubMenu && ::IsMenu(pItem->hSubMenu)) {
            TranslateMenuStrings(m_menuRef.Use(pItem->hSubMenu));
            m_menuRef.Release();
            ::TrackPopupMenuEx(pItem->hSubMenu, 0, pt.x, pt.y - 1, hWnd, nullptr);
        } else {
            // An entry without a drop-down is a command of its own, sent on after the loop.
            const UINT nID = ::GetMenuItemID(m_hLoaded, nItem);
            if (nID != 0 && nID != static_cast<UINT>(-1))
                ::PostMessage(hWnd, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
        }
        if (s_hHook) ::UnhookWindowsHookEx(s_hHook);
        s_hHook = nullptr;
        // The owner may have destroyed the bar (or its frame) while the drop-down showed.
        if (!alive || s_pActiveBar != this) {
            s_pActiveBar = nullptr;
            s_hActiveWnd = nullptr;
            s_nOpenItem = s_nCurrSel = -1;
            s_dwLastEnd = g_pfnClock();
            return bShown;
        }
        if (s_nCurrSel == s_nOpenItem) {
            m_bPopupOpen = FALSE;
            InvalidateItem(nItem);
            break;
        }
        const int nNext = s_nCurrSel;
        m_bPopupOpen = FALSE;
        s_nOpenItem = -1;
        SetSelectMenuItem(nNext);
    }
    s_pActiveBar = nullptr;
    s_hActiveWnd = nullptr;
    s_nOpenItem = s_nCurrSel = -1;
    m_bPopupOpen = FALSE;
    s_dwLastEnd = g_pfnClock();
    // Opened from the keyboard or left by the mouse: no leave will come, so the item is not left hot.
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (!rcWindow.PtInRect(ptCursor)) {
        SetSelectMenuItem(-1);
        s_nCurrSel = -1;
    }
    return bShown;
}

LRESULT CALLBACK CQVDockMenuBar::MessageProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == MSGF_MENU && s_pActiveBar && lParam)
        s_pActiveBar->HookMessage(reinterpret_cast<const MSG*>(lParam));
    return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
}

void CQVDockMenuBar::HookMessage(const MSG* pMsg) {
    if (!s_hActiveWnd || !::IsWindow(s_hActiveWnd)) return;
    int nNext = -1;
    if (pMsg->message == WM_MOUSEMOVE) {
        // The menu loop's mouse points are screen points.
        CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        CRect rcWindow;
        ::GetWindowRect(s_hActiveWnd, &rcWindow);
        pt.Offset(-rcWindow.left, -rcWindow.top);
        nNext = HitTestMenuItem(pt);
    } else if (pMsg->message == WM_KEYDOWN) {
        nNext = QVMenuBarArrowTarget(static_cast<UINT>(pMsg->wParam), s_nOpenItem, GetMenuItemCount());
    }
    if (nNext < 0 || nNext == s_nOpenItem) return;
    s_nCurrSel = nNext;
    ::SendMessage(s_hActiveWnd, WM_CANCELMODE, 0, 0);
}

LRESULT CQVDockMenuBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
    case WM_ENTERIDLE:
        if (m_pOwner && ::IsWindow(m_pOwner->GetSafeHwnd()))
            return m_pOwner->SendMessage(message, wParam, lParam);
        break;
    case WM_INITMENU:
        CDrawMenuHelper::InitMenu(m_menuRef.Use(reinterpret_cast<HMENU>(wParam)));
        return 0;
    case WM_DRAWITEM:
        if (wParam == 0) {
            CDrawMenuHelper::DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam), m_pBitmapList);
            return TRUE;
        }
        break;
    case WM_MEASUREITEM:
        if (wParam == 0) {
            CClientDC dc(this);
            CDrawMenuHelper::MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam), &dc);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return CQVControlBar::WindowProc(message, wParam, lParam);
}

LRESULT CQVDockMenuBar::OnSkinChanged(WPARAM, LPARAM) {
    CQVControlBar::ResetColors();
    CreateTools();
    Invalidate(TRUE);
    return 0;
}

LRESULT CQVDockMenuBar::OnLanChanged(WPARAM, LPARAM) {
    // The items are the bar's loop's while a drop-down shows: the texts change after it.
    if (s_pActiveBar == this) {
        PostMessage(WM_QV_LANCHANGED);
        return 0;
    }
    // The top-level texts again from the menu's keys (the drop-downs translate theirs as they open);
    // a bar that changed its size makes room in its frame at idle.
    CRect rcBefore;
    GetWindowRect(&rcBefore);
    LoadMenu(m_hLoaded);
    CRect rcAfter;
    GetWindowRect(&rcAfter);
    if (m_pDockBar && rcAfter.Size() != rcBefore.Size())
        if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->DelayRecalcLayout();
    Invalidate(TRUE);
    return 0;
}
