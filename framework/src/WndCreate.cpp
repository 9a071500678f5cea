// CWnd creation: window classes, the creation hook that attaches the object before the first message,
// Create/CreateEx, and the modal loop.
#include "WndState.h"

#include <afxapp_.h>

#include <map>
#include <mutex>
#include <set>

// ---- Window classes ----

namespace {

// Class names registered through the framework and the module that registered each.
struct CClassRegistry {
    std::mutex lock;
    std::map<CString, HINSTANCE> modules;
    std::set<CString> generatedNames;  // AfxRegisterWndClass names: the pointers handed out stay valid
};

CClassRegistry& Registry() {
    static CClassRegistry* pRegistry = new CClassRegistry;  // outlives every window of the process
    return *pRegistry;
}

HINSTANCE RegisteredModule(LPCTSTR lpszClassName) {
    if (IS_INTRESOURCE(lpszClassName)) return nullptr;
    CClassRegistry& registry = Registry();
    std::lock_guard<std::mutex> guard(registry.lock);
    auto it = registry.modules.find(CString(lpszClassName));
    return it == registry.modules.end() ? nullptr : it->second;
}

}  // namespace

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass) {
    WNDCLASS wndcls;
    if (!::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls)) {
        if (!::RegisterClass(lpWndClass)) {
            // Another thread may have won the race; an existing class is what the caller wanted.
            if (!::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls)) return FALSE;
        }
    }
    if (!IS_INTRESOURCE(lpWndClass->lpszClassName)) {
        CClassRegistry& registry = Registry();
        std::lock_guard<std::mutex> guard(registry.lock);
        registry.modules[CString(lpWndClass->lpszClassName)] = lpWndClass->hInstance;
    }
    return TRUE;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    HINSTANCE hInst = AfxGetInstanceHandle();
    CString strName;
    strName.Format(_T("Afx:%p:%x:%p:%p:%p"), static_cast<void*>(hInst), nClassStyle,
                   static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));

    CClassRegistry& registry = Registry();
    {
        std::lock_guard<std::mutex> guard(registry.lock);
        auto it = registry.generatedNames.find(strName);
        if (it != registry.generatedNames.end()) return static_cast<LPCTSTR>(*it);
    }

    WNDCLASS wndcls = {};
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = hInst;
    wndcls.hIcon = hIcon;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = strName;
    if (!AfxRegisterClass(&wndcls)) return nullptr;

    std::lock_guard<std::mutex> guard(registry.lock);
    return static_cast<LPCTSTR>(*registry.generatedNames.insert(strName).first);
}

LPCTSTR PASCAL CWnd::GetWndClassName() {
    static const bool bRegistered = [] {
        WNDCLASS wndcls = {};
        wndcls.style = CS_DBLCLKS;
        wndcls.lpfnWndProc = ::DefWindowProc;
        wndcls.hInstance = AfxGetFrameworkModule();
        wndcls.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wndcls.lpszClassName = AFX_WND_CLASSNAME;
        return AfxRegisterClass(&wndcls) != FALSE;
    }();
    return bRegistered ? AFX_WND_CLASSNAME : nullptr;
}

namespace {

// The module a class must be named with at creation: classes are private to the module that
// registered them. Tries the application, the module of the object's class, the framework's records
// and the framework itself; system and global classes need none.
HINSTANCE FindClassModule(LPCTSTR lpszClassName, const CWnd* pWnd, HINSTANCE hPreferred) {
    WNDCLASSEX wc = {};
    wc.cbSize = sizeof(wc);
    if (hPreferred && ::GetClassInfoEx(hPreferred, lpszClassName, &wc)) return hPreferred;

    HINSTANCE candidates[4] = {AfxGetInstanceHandle(), nullptr, RegisteredModule(lpszClassName),
                               AfxGetFrameworkModule()};
    // The module holding the most derived class's code (its virtual table).
    HMODULE hModule = nullptr;
    if (::GetModuleHandleEx(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            *reinterpret_cast<LPCTSTR const*>(pWnd), &hModule))
        candidates[1] = hModule;
    for (HINSTANCE hInst : candidates) {
        if (hInst && ::GetClassInfoEx(hInst, lpszClassName, &wc)) return hInst;
    }
    return hPreferred ? hPreferred : AfxGetInstanceHandle();
}

// True for the input-method windows the system creates on its own in a thread.
bool IsImeWindow(HWND hWnd, const CREATESTRUCT* lpcs) {
    if (::GetClassLongPtr(hWnd, GCL_STYLE) & CS_IME) return true;
    TCHAR szClassName[8] = {};
    if (IS_INTRESOURCE(lpcs->lpszClass)) {
        ::GlobalGetAtomName(static_cast<ATOM>(reinterpret_cast<UINT_PTR>(lpcs->lpszClass)), szClassName,
                            _countof(szClassName));
    } else {
        lstrcpyn(szClassName, lpcs->lpszClass, _countof(szClassName));
    }
    return lstrcmpi(szClassName, _T("ime")) == 0;
}

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (code == HCBT_CREATEWND && pState->pWndInit) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCT* lpcs = reinterpret_cast<CBT_CREATEWND*>(lParam)->lpcs;
        if (!IsImeWindow(hWnd, lpcs)) {
            CWnd* pWndInit = pState->pWndInit;
            pState->pWndInit = nullptr;
            if (pWndInit->Attach(hWnd)) {
                pState->hWndInit = hWnd;
                pWndInit->PreSubclassWindow();
                // The framework's procedure goes in front of the class's, so that WM_NCCREATE and
                // everything after reach the message map.
                WNDPROC* pOldWndProc = pWndInit->GetSuperWndProcAddr();
                const WNDPROC pfnAfx = AfxGetAfxWndProc();
                auto oldWndProc = reinterpret_cast<WNDPROC>(
                    ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnAfx)));
                if (oldWndProc != pfnAfx) *pOldWndProc = oldWndProc;
            }
        }
    }
    return ::CallNextHookEx(pState->hHookCbtFilter, code, wParam, lParam);
}

}  // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd) {
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->pWndInit == pWnd) return;
    if (!pState->hHookCbtFilter) {
        pState->hHookCbtFilter = ::SetWindowsHookEx(WH_CBT, &CbtFilterHook, nullptr, ::GetCurrentThreadId());
        if (!pState->hHookCbtFilter) AfxThrowMemoryException();
    }
    ASSERT(pState->pWndInit == nullptr);
    pState->pWndInit = pWnd;
    pState->hWndInit = nullptr;
}

BOOL AFXAPI AfxUnhookWindowCreate() {
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->pWndInit) {
        pState->pWndInit = nullptr;
        return FALSE;  // the hook never saw the window: the object was not attached
    }
    return TRUE;
}

// ---- Create ----

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass) {
        ASSERT(cs.style & WS_CHILD);
        cs.lpszClass = GetWndClassName();
    }
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    ASSERT(pParentWnd && !(dwStyle & WS_POPUP));
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    ASSERT(m_hWnd == nullptr);
    if (m_hWnd) return FALSE;

    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    if (cs.lpszClass) cs.hInstance = FindClassModule(cs.lpszClass, this, cs.hInstance);

    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    HWND hWndAttached = pState->hWndInit;
    pState->hWndInit = nullptr;
    if (!AfxUnhookWindowCreate()) {
        // The window never existed: the object was not attached.
        PostNcDestroy();
        return FALSE;
    }
    if (!hWnd) {
        // The window refused to be created (WM_NCCREATE or WM_CREATE failed). WM_NCDESTROY normally
        // detached the object already (and it may have deleted itself); forget the handle otherwise.
        if (hWndAttached && afxMapHWND(TRUE)->LookupPermanent(hWndAttached) == this) Detach();
        return FALSE;
    }
    ASSERT(hWnd == m_hWnd);
    return TRUE;
}

// ---- Modal loop ----

BOOL CWnd::ContinueModal() {
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        ::PostMessage(m_hWnd, WM_NULL, 0, 0);  // wakes the loop up
    }
}

namespace {

// Messages after which idle processing starts again: not paint, not the caret blink, not a repeated
// mouse move.
BOOL IsIdleMessage(MSG* pMsg) {
    if (CWinThread* pThread = AfxGetThread()) return pThread->IsIdleMessage(pMsg);
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118 && pMsg->message != WM_MOUSEMOVE &&
           pMsg->message != WM_NCMOUSEMOVE;
}

}  // namespace

int CWnd::RunModalLoop(DWORD dwFlags) {
    ASSERT(::IsWindow(m_hWnd));
    ASSERT(!(m_nFlags & WF_MODALLOOP));

    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    MSG msg = {};

    for (;;) {
        // Idle work while the queue is empty.
        while (bIdle && !::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent && lIdleCount == 0)
                ::SendMessage(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }

        // Messages while there are some.
        do {
            if (!ContinueModal()) goto ExitModal;
            ::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE);
            if (!AfxPumpMessage()) {
                ::PostQuitMessage(0);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (bShowIdle && (msg.message == 0x0118 || msg.message == WM_SYSKEYDOWN)) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!ContinueModal()) goto ExitModal;
            if (IsIdleMessage(&msg)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }

ExitModal:
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}
