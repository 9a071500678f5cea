// CWnd basics: the handle map of window objects, attaching and subclassing, the window procedure that
// routes messages to the object, destruction.
#include "WndState.h"

#include "AfxThreadTerm.h"

#include <afxapp_.h>

// ---- Thread state ----

namespace {

// Freed by the DLL's thread-detach notification (see AfxThreadTerm.h).
DWORD g_dwStateTls = ::TlsAlloc();

AFX_WND_THREAD_STATE* NewState() {
    auto* pState = new AFX_WND_THREAD_STATE;
    ::TlsSetValue(g_dwStateTls, pState);
    return pState;
}

}  // namespace

void AfxTermWndThreadState() {
    auto* pState = static_cast<AFX_WND_THREAD_STATE*>(::TlsGetValue(g_dwStateTls));
    ::TlsSetValue(g_dwStateTls, nullptr);
    delete pState;
}

AFX_WND_THREAD_STATE::~AFX_WND_THREAD_STATE() {
    if (hHookCbtFilter) ::UnhookWindowsHookEx(hHookCbtFilter);
}

AFX_WND_THREAD_STATE* AfxGetWndThreadState() {
    auto* pState = static_cast<AFX_WND_THREAD_STATE*>(::TlsGetValue(g_dwStateTls));
    return pState ? pState : NewState();
}

HINSTANCE AfxGetFrameworkModule() {
    static HINSTANCE hModule = [] {
        HMODULE h = nullptr;
        ::GetModuleHandleEx(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCTSTR>(&AfxGetFrameworkModule), &h);
        return h;
    }();
    return hModule;
}

const MSG* AFXAPI AfxGetCurrentMessage() {
    return &AfxGetWndThreadState()->lastSentMsg;
}

// ---- Handle map ----

namespace {

CHandleMap* AFXAPI NewWndMap() {
    const CWnd probe;
    const size_t offset = reinterpret_cast<const BYTE*>(&probe.m_hWnd) -
                          reinterpret_cast<const BYTE*>(static_cast<const CObject*>(&probe));
    return new CHandleMap(RUNTIME_CLASS(CWnd), offset, 1);
}

CHandleMap* WndMap(AFX_WND_THREAD_STATE* pState) {
    if (!pState->pWndMap) pState->pWndMap = AfxGetThreadHandleMap(&NewWndMap, TRUE);
    return pState->pWndMap;
}

}  // namespace

CHandleMap* AFXAPI afxMapHWND(BOOL bCreate) {
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->pWndMap || bCreate) return WndMap(pState);
    return AfxGetThreadHandleMap(&NewWndMap, FALSE);
}

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd() {
    // Only a window this object owns is destroyed; a temporary object or a placement constant owns none.
    if (m_hWnd && m_bAttached) DestroyWindow();
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    return static_cast<CWnd*>(WndMap(AfxGetWndThreadState())->FromHandle(hWnd));
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
    if (!hWnd) return nullptr;
    return static_cast<CWnd*>(WndMap(AfxGetWndThreadState())->LookupPermanent(hWnd));
}

void PASCAL CWnd::DeleteTempMap() {
    if (CHandleMap* pMap = afxMapHWND(FALSE)) pMap->DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew) {
    ASSERT(m_hWnd == nullptr);
    if (!hWndNew || m_hWnd) return FALSE;
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    CHandleMap* pMap = WndMap(pState);
    if (pMap->LookupPermanent(hWndNew)) return FALSE;  // already some other object's window
    // A temporary object for the handle stops answering for it.
    if (pMap->LookupTemporary(hWndNew)) pMap->RemoveHandle(hWndNew);
    pMap->SetPermanent(hWndNew, this);
    AfxForgetLastWnd(pState, hWndNew);
    m_hWnd = hWndNew;
    m_bAttached = TRUE;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd) {
        AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
        CHandleMap* pMap = WndMap(pState);
        if (m_bAttached) {
            if (pMap->LookupPermanent(hWnd) == this) pMap->RemoveHandle(hWnd);
        } else if (pMap->LookupTemporary(hWnd) == this) {
            pMap->RemoveHandle(hWnd);
        }
        AfxForgetLastWnd(pState, hWnd);
    }
    m_hWnd = nullptr;
    m_bAttached = FALSE;
    return hWnd;
}

// ---- Subclassing ----

WNDPROC* CWnd::GetSuperWndProcAddr() {
    return &m_pfnSuper;
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!::IsWindow(hWnd) || !Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    const WNDPROC pfnAfx = AfxGetAfxWndProc();
    auto oldWndProc =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnAfx)));
    if (oldWndProc != pfnAfx) *lplpfn = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (!pParent || !pParent->m_hWnd) return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    ASSERT(::IsWindow(m_hWnd));
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn) ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*lplpfn));
    *lplpfn = nullptr;
    return Detach();
}

// ---- Window procedure ----

WNDPROC AFXAPI AfxGetAfxWndProc() {
    return &AfxWndProc;
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    const MSG oldState = pState->lastSentMsg;
    pState->lastSentMsg.hwnd = hWnd;
    pState->lastSentMsg.message = nMsg;
    pState->lastSentMsg.wParam = wParam;
    pState->lastSentMsg.lParam = lParam;
    // The object may be gone when WindowProc returns (a handler destroyed the window and the object
    // deleted itself): nothing below touches it.
    const LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    pState->lastSentMsg = oldState;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_QUERYAFXWNDPROC) return 1;
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    CWnd* pWnd;
    if (hWnd == pState->hWndLast && hWnd) {
        pWnd = pState->pWndLast;
    } else {
        pWnd = static_cast<CWnd*>(WndMap(pState)->LookupPermanent(hWnd));
        if (!pWnd) {
            // A window of another thread's object, or one whose object has gone: nothing to route to.
            return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
        }
        pState->hWndLast = hWnd;
        pState->pWndLast = pWnd;
    }
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) {
        // Classes registered with the system's default procedure (most framework classes) skip the
        // cost of a procedure call through the system.
        static const WNDPROC pfnSystemDefault = &::DefWindowProc;
        if (m_pfnSuper == pfnSystemDefault) return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
        return ::CallWindowProc(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    }
    WNDPROC pfnWndProc = *GetSuperWndProcAddr();
    if (!pfnWndProc) return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
    return ::CallWindowProc(pfnWndProc, m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& msg = AfxGetWndThreadState()->lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() {
    MSG* pMsg = &AfxGetWndThreadState()->lastSentMsg;
    pMsg->time = ::GetMessageTime();
    const DWORD dwPos = ::GetMessagePos();
    pMsg->pt.x = static_cast<short>(LOWORD(dwPos));
    pMsg->pt.y = static_cast<short>(HIWORD(dwPos));
    return pMsg;
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/) {
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (hWnd == hWndStop) break;
        // Owned popups are not children: the walk ends at the first top-level window.
        if (!(::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD)) break;
    }
    return FALSE;
}

// ---- Destruction ----

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    HWND hWnd = m_hWnd;
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    const BOOL bPermanent = m_bAttached && WndMap(pState)->LookupPermanent(hWnd) == this;
    const BOOL bResult = ::DestroyWindow(hWnd);
    // A permanent object was detached by OnNcDestroy (and may be gone: do not touch it). A temporary
    // object, or one attached without the framework's procedure, is detached here.
    if (!bPermanent) {
        Detach();
    } else if (WndMap(pState)->LookupPermanent(hWnd) == this) {
        // The window procedure was replaced behind the framework's back; forget the dead handle.
        Detach();
    }
    return bResult;
}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy() {
    // The thread ends when its main window goes.
    if (CWinThread* pThread = AfxGetThread()) {
        if (pThread->m_pMainWnd == this) {
            ::PostQuitMessage(0);
            pThread->m_pMainWnd = nullptr;
        }
        if (pThread->m_pActiveWnd == this) pThread->m_pActiveWnd = nullptr;
    }

    // Default processing, then the original procedure goes back (unless someone subclassed the window
    // after the framework) and the object lets go of the handle.
    const auto pfnWndProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC));
    Default();
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC)) == pfnWndProc && *lplpfn)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*lplpfn));
    *lplpfn = nullptr;
    Detach();
    PostNcDestroy();
}
