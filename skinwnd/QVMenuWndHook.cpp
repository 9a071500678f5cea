#include "QVMenuWndHook.h"

#include <QVSkinResManager.h>

#include "SkinMenuBar.h"
#include "QVSelectScope.h"

#ifndef MN_SIZEWINDOW
#define MN_SIZEWINDOW 0x01E2
#endif

namespace {

// Colour table entry of control borders.
const int kBorderColorIndex = 4;
const LPCTSTR kMenuWndClass = _T("#32768");

// The map of hooked windows (HWND to CQVMenuWndHook*), made at module start.
CMapPtrToPtr* g_pWndMap = nullptr;

bool IsMenuWindow(HWND hWnd) {
    TCHAR szClass[16] = {};
    return ::GetClassName(hWnd, szClass, 16) > 0 && lstrcmp(szClass, kMenuWndClass) == 0;
}

WNDPROC OldProcOf(HWND hWnd) {
    return reinterpret_cast<WNDPROC>(::GetProp(hWnd, CQVMenuWndHook::GetOldProcProperty()));
}

// The hook of each thread that installed one (thread id to HHOOK); threads install and remove their own.
CMapPtrToPtr* g_pThreadHooks = nullptr;
CRITICAL_SECTION g_csThreadHooks;

void* ThreadKey(DWORD dwThreadId) {
    return reinterpret_cast<void*>(static_cast<UINT_PTR>(dwThreadId));
}

HHOOK ThreadHook(DWORD dwThreadId) {
    void* pHook = nullptr;
    if (g_pThreadHooks == nullptr) return nullptr;
    ::EnterCriticalSection(&g_csThreadHooks);
    g_pThreadHooks->Lookup(ThreadKey(dwThreadId), pHook);
    ::LeaveCriticalSection(&g_csThreadHooks);
    return static_cast<HHOOK>(pHook);
}

void SetThreadHook(DWORD dwThreadId, HHOOK hHook) {
    if (g_pThreadHooks == nullptr) return;
    ::EnterCriticalSection(&g_csThreadHooks);
    if (hHook != nullptr)
        g_pThreadHooks->SetAt(ThreadKey(dwThreadId), hHook);
    else
        g_pThreadHooks->RemoveKey(ThreadKey(dwThreadId));
    ::LeaveCriticalSection(&g_csThreadHooks);
}

// Gives a hooked window its own procedure back.
void RestoreWindow(HWND hWnd) {
    if (!::IsWindow(hWnd) || OldProcOf(hWnd) == nullptr) return;
    ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldProcOf(hWnd)));
    ::RemoveProp(hWnd, CQVMenuWndHook::GetOldProcProperty());
}

}  // namespace

int CQVMenuWndHook::s_nOffsetY = 0;
COLORREF CQVMenuWndHook::s_clrBorder = 0;
COLORREF CQVMenuWndHook::s_clrFill = RGB(255, 255, 255);

CQVMenuWndHook::CQVMenuWndHook(HWND hWnd) : m_hWnd(hWnd) {}

CQVMenuWndHook::~CQVMenuWndHook() {}

void CQVMenuWndHook::CreateWndMap() {
    if (g_pWndMap == nullptr) g_pWndMap = new CMapPtrToPtr(10);
    if (g_pThreadHooks == nullptr) {
        ::InitializeCriticalSection(&g_csThreadHooks);
        g_pThreadHooks = new CMapPtrToPtr(10);
    }
}

void CQVMenuWndHook::DestroyWndMap() {
    if (g_pWndMap != nullptr) {
        POSITION pos = g_pWndMap->GetStartPosition();
        while (pos != nullptr) {
            void* pKey = nullptr;
            void* pValue = nullptr;
            g_pWndMap->GetNextAssoc(pos, pKey, pValue);
            RestoreWindow(static_cast<HWND>(pKey));
            delete static_cast<CQVMenuWndHook*>(pValue);
        }
        delete g_pWndMap;
        g_pWndMap = nullptr;
    }
    if (g_pThreadHooks != nullptr) {
        POSITION pos = g_pThreadHooks->GetStartPosition();
        while (pos != nullptr) {
            void* pKey = nullptr;
            void* pValue = nullptr;
            g_pThreadHooks->GetNextAssoc(pos, pKey, pValue);
            ::UnhookWindowsHookEx(static_cast<HHOOK>(pValue));
        }
        delete g_pThreadHooks;
        g_pThreadHooks = nullptr;
        ::DeleteCriticalSection(&g_csThreadHooks);
    }
}

void CQVMenuWndHook::InstallHook(int nOffsetY) {
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    s_clrBorder = pSkin->GetClrDef()->GetColor(kBorderColorIndex);
    s_clrFill = pSkin->GetWndRes()->m_clrClientBk;
    s_nOffsetY = nOffsetY;
    const DWORD dwThreadId = ::GetCurrentThreadId();
    if (ThreadHook(dwThreadId) == nullptr)
        SetThreadHook(dwThreadId, ::SetWindowsHookEx(WH_CALLWNDPROC, WindowHook, nullptr, dwThreadId));
}

void CQVMenuWndHook::UnInstallHook() {
    const DWORD dwThreadId = ::GetCurrentThreadId();
    if (g_pWndMap != nullptr) {
        // Only this thread's windows: another thread's popups stay hooked by its own hook.
        CPtrArray mine;
        POSITION pos = g_pWndMap->GetStartPosition();
        while (pos != nullptr) {
            void* pKey = nullptr;
            void* pValue = nullptr;
            g_pWndMap->GetNextAssoc(pos, pKey, pValue);
            HWND hWnd = static_cast<HWND>(pKey);
            if (!::IsWindow(hWnd) || ::GetWindowThreadProcessId(hWnd, nullptr) == dwThreadId) mine.Add(pKey);
        }
        for (INT_PTR i = 0; i < mine.GetSize(); ++i) {
            CQVMenuWndHook* pHook = GetWndHook(static_cast<HWND>(mine[i]));
            pHook->Restore();
            delete pHook;
        }
    }
    HHOOK hHook = ThreadHook(dwThreadId);
    if (hHook != nullptr) ::UnhookWindowsHookEx(hHook);
    SetThreadHook(dwThreadId, nullptr);
}

BOOL CQVMenuWndHook::IsHookInstalled() {
    return ThreadHook(::GetCurrentThreadId()) != nullptr;
}

CQVMenuWndHook* CQVMenuWndHook::GetWndHook(HWND hWnd) {
    void* pValue = nullptr;
    if (g_pWndMap == nullptr || hWnd == nullptr || !g_pWndMap->Lookup(hWnd, pValue)) return nullptr;
    return static_cast<CQVMenuWndHook*>(pValue);
}

CQVMenuWndHook* CQVMenuWndHook::AddWndHook(HWND hWnd) {
    if (g_pWndMap == nullptr || hWnd == nullptr) return nullptr;
    CQVMenuWndHook* pHook = GetWndHook(hWnd);
    if (pHook == nullptr) {
        pHook = new CQVMenuWndHook(hWnd);
        g_pWndMap->SetAt(hWnd, pHook);
    }
    return pHook;
}

int CQVMenuWndHook::GetWndHookCount() {
    return g_pWndMap != nullptr ? (int)g_pWndMap->GetCount() : 0;
}

LRESULT CALLBACK CQVMenuWndHook::WindowHook(int nCode, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg != nullptr &&
        (pMsg->message == WM_CREATE || pMsg->message == MN_SIZEWINDOW)) {
        HWND hWnd = pMsg->hwnd;
        if (IsMenuWindow(hWnd) && ::GetProp(hWnd, GetOldProcProperty()) == nullptr) {
            CQVMenuWndHook* pHook = AddWndHook(hWnd);
            if (pHook != nullptr) {
                const LONG_PTR nOldProc = ::GetWindowLongPtr(hWnd, GWLP_WNDPROC);
                ::SetProp(hWnd, GetOldProcProperty(), reinterpret_cast<HANDLE>(nOldProc));
                if (nOldProc == 0 ||
                    ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CoolMenuProc)) == 0) {
                    ::RemoveProp(hWnd, GetOldProcProperty());
                    g_pWndMap->RemoveKey(hWnd);
                    delete pHook;
                }
            }
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK CQVMenuWndHook::CoolMenuProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Saved first: the object may give the window its procedure back while handling the message.
    WNDPROC pfnOldProc = OldProcOf(hWnd);
    CQVMenuWndHook* pHook = GetWndHook(hWnd);
    if (pfnOldProc == nullptr) return ::DefWindowProc(hWnd, message, wParam, lParam);
    if (pHook == nullptr) return ::CallWindowProc(pfnOldProc, hWnd, message, wParam, lParam);

    switch (message) {
    case WM_NCCALCSIZE:
        pHook->OnNcCalcsize((BOOL)wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
        break;
    case WM_WINDOWPOSCHANGING:
        pHook->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_SHOWWINDOW:
        pHook->OnShowWindow((BOOL)wParam);
        break;
    case WM_NCDESTROY:
        pHook->OnNcDestroy();
        break;
    case WM_NCPAINT:
        pHook->OnNcPaint();
        return 0;
    case WM_PAINT: {
        // Where the system draws the popup's edge inside its client area, the frame is painted again
        // over it once the client is painted.
        const LRESULT lResult = ::CallWindowProc(pfnOldProc, hWnd, message, wParam, lParam);
        pHook->OnNcPaint();
        return lResult;
    }
    case WM_PRINT: {
        const LRESULT lResult = ::CallWindowProc(pfnOldProc, hWnd, message, wParam, lParam);
        if (wParam != 0) pHook->OnPrint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        return lResult;
    }
    default:
        break;
    }
    return ::CallWindowProc(pfnOldProc, hWnd, message, wParam, lParam);
}

void CQVMenuWndHook::OnWindowPosChanging(WINDOWPOS* pWndPos) {
    if (pWndPos == nullptr || s_nOffsetY == 0) return;
    if (!(pWndPos->flags & SWP_NOMOVE)) {
        pWndPos->y += s_nOffsetY;
        m_bOffsetApplied = TRUE;
    } else if (!m_bOffsetApplied && (pWndPos->flags & SWP_SHOWWINDOW)) {
        // A popup placed at creation is shown without a move: it moves by the offset then.
        CRect rc;
        ::GetWindowRect(m_hWnd, &rc);
        pWndPos->x = rc.left;
        pWndPos->y = rc.top + s_nOffsetY;
        pWndPos->flags &= ~SWP_NOMOVE;
        m_bOffsetApplied = TRUE;
    }
}

void CQVMenuWndHook::OnNcCalcsize(BOOL, NCCALCSIZE_PARAMS*) {
    // The frame takes the room the system gives the popup's edge: the client area keeps its size.
}

void CQVMenuWndHook::OnNcPaint() {
    HDC hDC = ::GetWindowDC(m_hWnd);
    if (hDC == nullptr) return;
    DrawFrame(CDC::FromHandle(hDC));
    ::ReleaseDC(m_hWnd, hDC);
}

void CQVMenuWndHook::OnPrint(CDC* pDC) {
    DrawFrame(pDC);
}

void CQVMenuWndHook::OnNcDestroy() {
    Restore();
    delete this;
}

void CQVMenuWndHook::OnShowWindow(BOOL bShow) {
    if (bShow) return;
    Restore();
    delete this;
}

void CQVMenuWndHook::Restore() {
    RestoreWindow(m_hWnd);
    if (g_pWndMap != nullptr) g_pWndMap->RemoveKey(m_hWnd);
}

int CQVMenuWndHook::GetJoinedItemWidth() const {
    const CSkinMenuBar* pBar = CSkinMenuBar::GetOpenMenuBar();
    if (pBar == nullptr) return 0;
    const tagQVMenuItemData* pItem = pBar->GetMenuItemData(CSkinMenuBar::GetOpenMenuItem());
    if (pItem == nullptr) return 0;
    CRect rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    if (rcWindow.top != pItem->nPopupTop + s_nOffsetY) return 0;
    // A submenu that happens to open at the same height is not the item's own popup.
    HMENU hMenu = reinterpret_cast<HMENU>(::SendMessage(m_hWnd, MN_GETHMENU, 0, 0));
    if (hMenu != nullptr && pItem->hSubMenu != nullptr && hMenu != pItem->hSubMenu) return 0;
    return pItem->rcHit.Width();
}

void CQVMenuWndHook::DrawFrame(CDC* pDC) {
    if (pDC == nullptr || m_hWnd == nullptr) return;
    CRect rc;
    ::GetWindowRect(m_hWnd, &rc);
    rc.OffsetRect(-rc.left, -rc.top);
    CBrush brBorder(s_clrBorder);
    CBrush brFill(s_clrFill);
    pDC->FrameRect(&rc, &brBorder);
    for (int i = 0; i < 2; ++i) {
        rc.DeflateRect(1, 1);
        pDC->FrameRect(&rc, &brFill);
    }
    const int nJoined = GetJoinedItemWidth();
    if (nJoined > 2) {
        CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_MENU));
        const CQVSelectScope scope(pDC, pen.GetSafeHandle());
        pDC->MoveTo(1, 0);
        pDC->LineTo(nJoined - 1, 0);
    }
}
