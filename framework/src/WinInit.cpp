// Framework start and end: AfxWinInit (with or without an application object), AfxWinMain, the names
// of the program and the thread's message-filter hook.
#include <afxwin.h>

#include <stdlib.h>

namespace {

// The thread's WH_MSGFILTER hook, which hands the messages of dialog and menu loops to the thread's
// ProcessMessageFilter.
thread_local HHOOK t_hMsgFilter = nullptr;

LRESULT CALLBACK MsgFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    CWinThread* pThread = AfxGetThread();
    if (code >= 0 && code != MSGF_DDEMGR && pThread &&
        pThread->ProcessMessageFilter(code, reinterpret_cast<LPMSG>(lParam)))
        return 1;
    return ::CallNextHookEx(t_hMsgFilter, code, wParam, lParam);
}

// The program's file path without its extension, and the file name part of it.
void ModulePathNoExtension(CString& strPath, CString& strName) {
    TCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileName(AfxGetInstanceHandle(), szPath, MAX_PATH);
    strPath = szPath;
    const int nSlash = std::max(strPath.ReverseFind(_T('\\')), strPath.ReverseFind(_T('/')));
    const int nDot = strPath.ReverseFind(_T('.'));
    if (nDot > nSlash) strPath.Truncate(nDot);
    strName = strPath.Mid(nSlash + 1);
}

// The command line after the program name, as WinMain receives it.
LPTSTR CommandLineTail() {
    LPTSTR p = ::GetCommandLine();
    if (*p == _T('"')) {
        for (++p; *p && *p != _T('"'); p = ::CharNext(p)) {
        }
        if (*p == _T('"')) ++p;
    } else {
        while (*p && *p != _T(' ') && *p != _T('\t'))
            p = ::CharNext(p);
    }
    while (*p == _T(' ') || *p == _T('\t'))
        ++p;
    return p;
}

}  // namespace

void CWinApp::SetCurrentHandles(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow) {
    m_hInstance = hInstance ? hInstance : AfxGetInstanceHandle();
    m_lpCmdLine = lpCmdLine ? lpCmdLine : CommandLineTail();
    m_nCmdShow = nCmdShow;
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();

    CString strPath, strName;
    ModulePathNoExtension(strPath, strName);
    if (!m_pszExeName) m_pszExeName = _tcsdup(strName);
    if (!m_pszAppName) {
        TCHAR szTitle[256];
        m_pszAppName =
            _tcsdup(AfxLoadString(0xE000, szTitle, _countof(szTitle)) > 0 ? szTitle : m_pszExeName);
    }
    if (!m_pszHelpFilePath) m_pszHelpFilePath = _tcsdup(strPath + _T(".HLP"));
    if (!m_pszProfileName) m_pszProfileName = _tcsdup(CString(m_pszExeName) + _T(".INI"));
}

LPCTSTR AFXAPI AfxGetAppName() {
    if (CWinApp* pApp = AfxGetApp()) {
        if (pApp->m_pszAppName) return pApp->m_pszAppName;
    }
    // Without an application (or before it started) the program's name stands in; computed once.
    static const CString s_strName = [] {
        CString strPath, strName;
        ModulePathNoExtension(strPath, strName);
        return strName;
    }();
    return s_strName;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPTSTR lpCmdLine, int nCmdShow) {
    if (hInstance && AfxGetResourceHandle() != hInstance) AfxSetResourceHandle(hInstance);
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->SetCurrentHandles(hInstance, lpCmdLine, nCmdShow);
        if (!t_hMsgFilter)
            t_hMsgFilter = ::SetWindowsHookEx(WH_MSGFILTER, &MsgFilterHook, nullptr, ::GetCurrentThreadId());
    }
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES |
                                                 ICC_COOL_CLASSES | ICC_LINK_CLASS | ICC_STANDARD_CLASSES};
    return ::InitCommonControlsEx(&icc);
}

void AFXAPI AfxWinTerm() {
    if (t_hMsgFilter) {
        ::UnhookWindowsHookEx(t_hMsgFilter);
        t_hMsgFilter = nullptr;
    }
    AfxLockTempMaps();
    AfxUnlockTempMaps(TRUE);
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
    int nReturnCode = -1;
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    if (AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pThread &&
        (!pApp || pApp->InitApplication())) {
        if (!pThread->InitInstance()) {
            if (pThread->m_pMainWnd) pThread->m_pMainWnd->DestroyWindow();
            nReturnCode = pThread->ExitInstance();
        } else {
            nReturnCode = pThread->Run();
        }
    }
    AfxWinTerm();
    return nReturnCode;
}
