// The thread and application objects: the message pump, pre-translation, idle processing and the
// global accessors.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* g_pApp = nullptr;
thread_local CWinThread* t_pThread = nullptr;

constexpr UINT kSysTimer = 0x0118;  // the caret's blink timer

struct CIdleUpdate {
    HWND hWndMain;
};

void SendIdleUpdate(CWnd* pWnd) {
    pWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    pWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

// Every visible top-level frame of the thread other than the main window gets its command-UI update.
BOOL CALLBACK IdleUpdateFrame(HWND hWnd, LPARAM lParam) {
    const CIdleUpdate* pState = reinterpret_cast<const CIdleUpdate*>(lParam);
    if (hWnd == pState->hWndMain) return TRUE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || !pWnd->IsFrameWnd()) return TRUE;
    // A frame asked to show or hide at idle (a floating frame whose bars came or went) does so around
    // its update: hidden before, shown after, so a hidden frame still lays its bars out first.
    // Only a real frame object has a show delay; a window that merely answers IsFrameWnd has none.
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pWnd);
    const int nShowDelay = pFrame ? pFrame->m_nShowDelay : -1;
    if (pFrame) pFrame->m_nShowDelay = -1;
    if (nShowDelay == SW_HIDE) pFrame->ShowWindow(SW_HIDE);
    if (::IsWindowVisible(hWnd) || nShowDelay >= 0) SendIdleUpdate(pWnd);
    if (nShowDelay > SW_HIDE && ::IsWindow(hWnd)) pFrame->ShowWindow(nShowDelay);
    return TRUE;
}

}  // namespace

// ---- global accessors ----

CWinApp* AFXAPI AfxGetApp() {
    return g_pApp;
}

CWinThread* AFXAPI AfxGetThread() {
    return t_pThread;
}

CWnd* AFXAPI AfxGetMainWnd() {
    if (CWinThread* pThread = AfxGetThread()) return pThread->GetMainWnd();
    if (CWinApp* pApp = AfxGetApp()) return pApp->GetMainWnd();
    return nullptr;
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg) {
    if (CWinThread* pThread = AfxGetThread()) return pThread->PreTranslateMessage(pMsg);
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

BOOL AFXAPI AfxPumpMessage() {
    if (CWinThread* pThread = AfxGetThread()) return pThread->PumpMessage();
    MSG msg;
    if (::GetMessage(&msg, nullptr, 0, 0) <= 0) return FALSE;
    if (msg.message != WM_KICKIDLE && !AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return TRUE;
}

// ---- CWinThread ----

CWnd* CWinThread::GetMainWnd() {
    return m_pActiveWnd ? m_pActiveWnd : m_pMainWnd;
}

BOOL CWinThread::InitInstance() {
    return FALSE;  // a thread that pumps messages overrides this
}

int CWinThread::ExitInstance() {
    return static_cast<int>(m_msgCur.wParam);
}

int CWinThread::Run() {
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++)) bIdle = FALSE;
        }
        do {
            if (!PumpMessage()) return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage() {
    if (::GetMessage(&m_msgCur, nullptr, 0, 0) <= 0) return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessage(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    CWnd* pMainWnd = GetMainWnd();
    HWND hWndMain = pMainWnd->GetSafeHwnd();
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg)) return TRUE;
    // A message for a window outside the main window (a modeless dialog, even one the main window owns)
    // still reaches the main window, for its accelerators.
    if (hWndMain && pMsg->hwnd && ::GetAncestor(pMsg->hwnd, GA_ROOT) != hWndMain)
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        const CPoint pt(pMsg->pt);
        if (pt == m_ptCursorLast && pMsg->message == m_nMsgLast) return FALSE;
        m_ptCursorLast = pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != kSysTimer;
}

BOOL CWinThread::OnIdle(LONG lCount) {
    if (lCount <= 0) {
        CWnd* pMainWnd = GetMainWnd();
        HWND hWndMain = pMainWnd->GetSafeHwnd();
        if (hWndMain && ::IsWindowVisible(hWndMain)) SendIdleUpdate(pMainWnd);
        CIdleUpdate state = {hWndMain};
        ::EnumThreadWindows(::GetCurrentThreadId(), &IdleUpdateFrame, reinterpret_cast<LPARAM>(&state));
    } else {
        // Frees this thread's temporary objects unless someone holds the maps locked.
        AfxLockTempMaps();
        AfxUnlockTempMaps(TRUE);
    }
    return lCount < 1;
}

BOOL CWinThread::ProcessMessageFilter(int /*code*/, LPMSG /*lpMsg*/) {
    return FALSE;
}

// ---- CWinApp ----

CWinApp::CWinApp(LPCTSTR lpszAppName) {
    ASSERT(g_pApp == nullptr);  // one application object per process
    if (lpszAppName) m_pszAppName = _tcsdup(lpszAppName);
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
    g_pApp = this;
    t_pThread = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
    if (t_pThread == this) t_pThread = nullptr;
    free(const_cast<LPTSTR>(m_pszAppName));
    free(const_cast<LPTSTR>(m_pszExeName));
    free(const_cast<LPTSTR>(m_pszProfileName));
    free(const_cast<LPTSTR>(m_pszRegistryKey));
    free(const_cast<LPTSTR>(m_pszHelpFilePath));
}

BOOL CWinApp::InitApplication() {
    return TRUE;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    // Nothing would ever end the loop of an application without a main window.
    if (!m_pMainWnd) ::PostQuitMessage(0);
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount) {
    if (lCount <= 1) CWinThread::OnIdle(lCount);
    return lCount < 1;
}

int CWinApp::ExitInstance() {
    return CWinThread::ExitInstance();
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT /*nIDPrompt*/) {
    HWND hWndOwner = AfxGetMainWnd()->GetSafeHwnd();
    if (hWndOwner && !::IsWindowEnabled(hWndOwner)) hWndOwner = ::GetActiveWindow();
    return ::MessageBox(hWndOwner, lpszPrompt, AfxGetAppName(), nType);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const {
    return ::LoadCursor(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
    return LoadCursor(MAKEINTRESOURCE(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const {
    return ::LoadCursor(nullptr, lpszCursorName);
}

HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const {
    return ::LoadCursor(nullptr, MAKEINTRESOURCE(nIDCursor));
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const {
    return ::LoadIcon(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return LoadIcon(MAKEINTRESOURCE(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const {
    return ::LoadIcon(nullptr, lpszIconName);
}

HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const {
    return ::LoadIcon(nullptr, MAKEINTRESOURCE(nIDIcon));
}
