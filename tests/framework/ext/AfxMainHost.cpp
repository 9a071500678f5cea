// A program started by the framework's WinMain (library RIZAfxMain). Its command line says what to do;
// the exit code tells the test what happened:
//   "fail N"   InitInstance fails; the exit code is ExitInstance's, N.
//   "run N"    Run without a main window ends at once; the exit code is N.
//   "window N" a main window is closed from idle processing; the exit code is N once OnIdle(0) and
//              OnIdle(1) were seen.
// Codes from 100 up report a start-up value that was wrong.
#include <afxwin.h>

#include <stdlib.h>

#include <algorithm>

class CHostApp : public CWinApp {
public:
    CHostApp() : CWinApp(_T("Host")) {}

    BOOL InitInstance() override {
        if (AfxGetApp() != this || AfxGetThread() != this) return Fail(101);
        if (m_hInstance != ::GetModuleHandle(nullptr)) return Fail(102);
        if (lstrcmp(m_pszAppName, _T("Host")) != 0 || lstrcmp(AfxGetAppName(), _T("Host")) != 0)
            return Fail(103);
        if (lstrcmpi(m_pszExeName, _T("AfxMainHost")) != 0) return Fail(104);
        if (!m_lpCmdLine) return Fail(105);

        CString strCmd = m_lpCmdLine;
        const int nSpace = strCmd.Find(_T(' '));
        if (nSpace < 0) return Fail(106);
        const CString strMode = strCmd.Left(nSpace);
        m_nExit = _ttoi(strCmd.Mid(nSpace + 1));
        if (strMode == _T("fail")) return FALSE;
        if (strMode == _T("run")) return TRUE;
        if (strMode == _T("window")) {
            m_pMainWnd = &m_wnd;
            if (!m_wnd.CreateEx(0, AfxRegisterWndClass(0), _T("Host"), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                nullptr, nullptr))
                return Fail(107);
            m_bWindow = TRUE;
            return TRUE;
        }
        return Fail(108);
    }

    BOOL OnIdle(LONG lCount) override {
        m_nIdleSeen |= 1 << std::min<LONG>(lCount, 2);
        if (lCount == 1 && m_bWindow && m_wnd.m_hWnd) m_wnd.PostMessage(WM_CLOSE);
        return CWinApp::OnIdle(lCount);
    }

    int ExitInstance() override {
        if (m_bWindow && (m_nIdleSeen & 3) != 3) return 109;
        return m_nExit + CWinApp::ExitInstance();  // WM_QUIT's code is 0
    }

private:
    BOOL Fail(int nCode) {
        m_nExit = nCode;
        return FALSE;
    }

    CWnd m_wnd;
    int m_nExit = 0;
    int m_nIdleSeen = 0;
    BOOL m_bWindow = FALSE;
};

CHostApp theApp;
