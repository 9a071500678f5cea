// The application and its thread: the accessors with and without an application object, AfxWinInit's
// names and handles, the pump with PreTranslateMessage along the window tree, idle processing (command-UI
// updates, temporary objects freed, permanent ones kept), the message-filter hook, settings, and a
// program started through the framework's WinMain.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

#include "MessagePump.h"

namespace {

constexpr UINT WM_PROBE = WM_APP + 17;

// A window that logs PreTranslateMessage calls and the dispatch of WM_PROBE.
class CProbeWnd : public CWnd {
public:
    CProbeWnd(std::vector<CString>& log, LPCTSTR lpszName) : m_log(log), m_strName(lpszName) {}

    BOOL m_bTranslate = FALSE;  // PreTranslateMessage answers this
    BOOL m_bFrame = FALSE;      // IsFrameWnd answers this
    int m_nIdleUpdates = 0;
    BOOL m_bDispatched = FALSE;

    BOOL CreateTop(DWORD dwStyle = WS_OVERLAPPEDWINDOW, CWnd* pOwner = nullptr) {
        return CreateEx(0, AfxRegisterWndClass(0), m_strName, dwStyle, 0, 0, 200, 150, pOwner->GetSafeHwnd(),
                        nullptr);
    }
    BOOL CreateChild(HWND hParent, UINT nID) {
        return CreateEx(0, AfxRegisterWndClass(0), m_strName, WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, hParent,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
    }

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_PROBE) m_log.push_back(m_strName);
        return m_bTranslate;
    }
    BOOL IsFrameWnd() const override { return m_bFrame; }

protected:
    afx_msg LRESULT OnProbe(WPARAM, LPARAM) {
        m_bDispatched = TRUE;
        return 0;
    }
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
        EXPECT_EQ(static_cast<WPARAM>(TRUE), wParam);
        ++m_nIdleUpdates;
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::vector<CString>& m_log;
    CString m_strName;
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
ON_MESSAGE(WM_PROBE, &CProbeWnd::OnProbe)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CProbeWnd::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

// An application object for the length of one test; the main window is let go before windows die.
class AppFixture : public ::testing::Test {
protected:
    void TearDown() override {
        m_app.m_pMainWnd = nullptr;
        m_app.m_pActiveWnd = nullptr;
        riztest::PumpUntilIdle();  // a WM_QUIT left in the queue would end a later loop
    }

    std::vector<CString> m_log;
    CWinApp m_app{_T("Lesson Player")};
};

int TempCount(CHandleMap* pMap) {
    return pMap ? pMap->GetTemporaryCount() : 0;
}

CString Joined(const std::vector<CString>& log) {
    CString str;
    for (const CString& s : log)
        str += (str.IsEmpty() ? _T("") : _T(",")) + s;
    return str;
}

}  // namespace

// ---- accessors ----

TEST(AppAccessors, WithoutAnApplicationTheAnswersAreNullAndWithOneItIsFound) {
    EXPECT_EQ(nullptr, AfxGetApp());
    EXPECT_EQ(nullptr, AfxGetThread());
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_EQ(0, lstrcmpi(_T("framework_tests"), AfxGetAppName())) << "the program's name stands in";

    {
        CWinApp app(_T("Lesson Player"));
        EXPECT_EQ(&app, AfxGetApp());
        EXPECT_EQ(&app, AfxGetThread());
        EXPECT_EQ(0, lstrcmp(_T("Lesson Player"), AfxGetAppName()));
        EXPECT_EQ(::GetCurrentThreadId(), app.m_nThreadID);
        EXPECT_EQ(nullptr, AfxGetMainWnd());

        CWnd main, active;
        app.m_pMainWnd = &main;
        EXPECT_EQ(&main, AfxGetMainWnd());
        app.m_pActiveWnd = &active;
        EXPECT_EQ(&active, AfxGetMainWnd()) << "the active window stands in for the main window";
        app.m_pMainWnd = app.m_pActiveWnd = nullptr;
    }
    EXPECT_EQ(nullptr, AfxGetApp());
    EXPECT_EQ(nullptr, AfxGetThread());
}

TEST(AppAccessors, OtherThreadsHaveNoThreadObjectButSeeTheApplication) {
    CWinApp app;
    CWnd main;
    app.m_pMainWnd = &main;
    struct Result {
        CWinThread* pThread;
        CWinApp* pApp;
        CWnd* pMain;
    } result = {};
    HANDLE hThread = ::CreateThread(
        nullptr, 0,
        [](LPVOID p) -> DWORD {
            auto* r = static_cast<Result*>(p);
            r->pThread = AfxGetThread();
            r->pApp = AfxGetApp();
            r->pMain = AfxGetMainWnd();
            return 0;
        },
        &result, 0, nullptr);
    ASSERT_NE(nullptr, hThread);
    ::WaitForSingleObject(hThread, 5000);
    ::CloseHandle(hThread);
    EXPECT_EQ(nullptr, result.pThread);
    EXPECT_EQ(&app, result.pApp);
    EXPECT_EQ(&main, result.pMain);
    app.m_pMainWnd = nullptr;
}

TEST(AppInit, WinInitFillsHandlesAndNamesOrKeepsTheGivenOnes) {
    // Without an application object the framework still starts.
    EXPECT_TRUE(AfxWinInit(::GetModuleHandle(nullptr), nullptr, nullptr, SW_SHOW));
    EXPECT_EQ(::GetModuleHandle(nullptr), AfxGetResourceHandle());
    AfxWinTerm();

    CWinApp app;
    ASSERT_TRUE(AfxWinInit(::GetModuleHandle(nullptr), nullptr, nullptr, SW_SHOWMINNOACTIVE));
    EXPECT_EQ(::GetModuleHandle(nullptr), app.m_hInstance);
    EXPECT_EQ(SW_SHOWMINNOACTIVE, app.m_nCmdShow);
    EXPECT_EQ(0, lstrcmpi(_T("framework_tests"), app.m_pszExeName));
    EXPECT_EQ(0, lstrcmpi(_T("framework_tests"), app.m_pszAppName)) << "no title string: the program name";
    EXPECT_EQ(0, lstrcmpi(_T("framework_tests.INI"), app.m_pszProfileName));
    CString strHelp = app.m_pszHelpFilePath;
    EXPECT_EQ(0, strHelp.Right(20).CompareNoCase(_T("\\framework_tests.HLP")));

    // The command line is what follows the program name.
    ASSERT_NE(nullptr, app.m_lpCmdLine);
    CString strCmd = app.m_lpCmdLine;
    strCmd.MakeLower();
    EXPECT_EQ(-1, strCmd.Find(_T("framework_tests.exe")));
    AfxWinTerm();

    // A given name and command line are kept.
    CWinApp named(_T("Vocabulary"));
    TCHAR szCmd[] = _T("/lesson 12");
    ASSERT_TRUE(AfxWinInit(::GetModuleHandle(nullptr), nullptr, szCmd, SW_SHOW));
    EXPECT_EQ(0, lstrcmp(_T("Vocabulary"), named.m_pszAppName));
    EXPECT_EQ(szCmd, named.m_lpCmdLine);
    AfxWinTerm();
}

// ---- pre-translation ----

// Pre-translation walks from the target up through the window objects (a window without one is skipped)
// to its top-level window, then the main window once; a popup goes through its owner; the first window
// that translates the message ends the walk, and a translated message is not dispatched.
TEST_F(AppFixture, PreTranslateWalksFromTargetToTopLevelThenMainWindowUntilOneHandlesIt) {
    CProbeWnd main(m_log, _T("main")), top(m_log, _T("top")), parent(m_log, _T("parent")),
        child(m_log, _T("child")), inMain(m_log, _T("inMain")), popup(m_log, _T("popup"));
    ASSERT_TRUE(main.CreateTop());
    ASSERT_TRUE(top.CreateTop());
    ASSERT_TRUE(parent.CreateChild(top.m_hWnd, 1));
    ASSERT_TRUE(child.CreateChild(parent.m_hWnd, 2));
    ASSERT_TRUE(inMain.CreateChild(main.m_hWnd, 3));
    ASSERT_TRUE(popup.CreateTop(WS_POPUP | WS_CAPTION, &main));
    HWND hRaw = ::CreateWindow(_T("STATIC"), _T(""), WS_CHILD, 0, 0, 10, 10, inMain.m_hWnd, nullptr, nullptr,
                               nullptr);
    m_app.m_pMainWnd = &main;
    const struct {
        HWND hTarget;
        CProbeWnd* pTranslates;
        LPCTSTR lpszWalk;
    } rows[] = {
        {child.m_hWnd, nullptr, _T("child,parent,top,main")},
        {child.m_hWnd, &parent, _T("child,parent")},
        {hRaw, nullptr, _T("inMain,main")},
        {popup.m_hWnd, nullptr, _T("popup,main")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << static_cast<LPCSTR>(CT2A(row.lpszWalk)));
        m_log.clear();
        child.m_bDispatched = FALSE;
        if (row.pTranslates) row.pTranslates->m_bTranslate = TRUE;
        ::PostMessage(row.hTarget, WM_PROBE, 0, 0);
        ASSERT_TRUE(m_app.PumpMessage());
        EXPECT_STREQ(row.lpszWalk, Joined(m_log));
        if (row.hTarget == child.m_hWnd) {
            EXPECT_EQ(!row.pTranslates, !!child.m_bDispatched);
        }
        if (row.pTranslates) row.pTranslates->m_bTranslate = FALSE;
    }
}

TEST_F(AppFixture, PumpMessageAnswersFalseAtQuit) {
    ::PostQuitMessage(23);
    EXPECT_FALSE(m_app.PumpMessage());
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), m_app.m_msgCur.message);
    EXPECT_EQ(23, m_app.ExitInstance());
}

TEST_F(AppFixture, KickIdleIsNeverDispatched) {
    CProbeWnd main(m_log, _T("main"));
    ASSERT_TRUE(main.CreateTop());
    m_app.m_pMainWnd = &main;
    main.PostMessage(WM_KICKIDLE);
    ASSERT_TRUE(m_app.PumpMessage());
    EXPECT_TRUE(m_log.empty());
}

TEST(AppPump, WithoutThreadObjectPumpWalksTheTreeAndDispatches) {
    std::vector<CString> log;
    CProbeWnd top(log, _T("top")), child(log, _T("child"));
    ASSERT_TRUE(top.CreateTop());
    ASSERT_TRUE(child.CreateChild(top.m_hWnd, 1));
    child.PostMessage(WM_PROBE);
    ASSERT_TRUE(AfxPumpMessage());
    EXPECT_EQ(0, lstrcmp(_T("child,top"), Joined(log)));
    EXPECT_TRUE(child.m_bDispatched);

    ::PostQuitMessage(0);
    EXPECT_FALSE(AfxPumpMessage());
}

// ---- idle ----

TEST_F(AppFixture, IdleMessagesExcludePaintCaretAndRepeatedMouseMoves) {
    MSG msg = {};
    msg.message = WM_PAINT;
    EXPECT_FALSE(m_app.IsIdleMessage(&msg));
    msg.message = 0x0118;
    EXPECT_FALSE(m_app.IsIdleMessage(&msg));
    msg.message = WM_KEYDOWN;
    EXPECT_TRUE(m_app.IsIdleMessage(&msg));

    msg.message = WM_MOUSEMOVE;
    msg.pt = {10, 10};
    EXPECT_TRUE(m_app.IsIdleMessage(&msg));
    EXPECT_FALSE(m_app.IsIdleMessage(&msg)) << "same place again";
    msg.message = WM_NCMOUSEMOVE;
    EXPECT_TRUE(m_app.IsIdleMessage(&msg)) << "same place, other message";
    msg.pt = {11, 10};
    EXPECT_TRUE(m_app.IsIdleMessage(&msg));
}

TEST_F(AppFixture, IdleZeroUpdatesVisibleMainWindowFramesAndPermanentDescendants) {
    CProbeWnd main(m_log, _T("main")), child(m_log, _T("child")), grandchild(m_log, _T("grandchild"));
    CProbeWnd frame(m_log, _T("frame")), plain(m_log, _T("plain")), hiddenFrame(m_log, _T("hidden"));
    ASSERT_TRUE(main.CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    ASSERT_TRUE(child.CreateChild(main.m_hWnd, 1));
    ASSERT_TRUE(grandchild.CreateChild(child.m_hWnd, 2));
    frame.m_bFrame = hiddenFrame.m_bFrame = TRUE;
    ASSERT_TRUE(frame.CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    ASSERT_TRUE(plain.CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    ASSERT_TRUE(hiddenFrame.CreateTop());
    m_app.m_pMainWnd = &main;

    EXPECT_TRUE(m_app.OnIdle(0)) << "more idle work to do";
    EXPECT_EQ(1, main.m_nIdleUpdates);
    EXPECT_EQ(1, child.m_nIdleUpdates);
    EXPECT_EQ(1, grandchild.m_nIdleUpdates);
    EXPECT_EQ(1, frame.m_nIdleUpdates) << "another visible frame of the thread";
    EXPECT_EQ(0, plain.m_nIdleUpdates) << "not a frame";
    EXPECT_EQ(0, hiddenFrame.m_nIdleUpdates) << "not visible";

    main.ShowWindow(SW_HIDE);
    m_app.OnIdle(0);
    EXPECT_EQ(1, main.m_nIdleUpdates) << "a hidden main window is not updated";
}

TEST_F(AppFixture, IdleOneFreesTemporariesAndKeepsPermanentObjects) {
    CProbeWnd main(m_log, _T("main"));
    ASSERT_TRUE(main.CreateTop());
    HWND hRaw =
        ::CreateWindow(_T("STATIC"), _T(""), WS_CHILD, 0, 0, 10, 10, main.m_hWnd, nullptr, nullptr, nullptr);
    HMENU hMenu = ::CreatePopupMenu();
    ASSERT_NE(nullptr, CWnd::FromHandle(hRaw));
    ASSERT_NE(nullptr, CMenu::FromHandle(hMenu));
    ASSERT_NE(nullptr, CGdiObject::FromHandle(::GetStockObject(BLACK_PEN)));
    EXPECT_GT(TempCount(afxMapHWND(FALSE)), 0);

    EXPECT_FALSE(m_app.OnIdle(1)) << "nothing more to do";
    EXPECT_EQ(0, TempCount(afxMapHWND(FALSE)));
    EXPECT_EQ(0, TempCount(afxMapHMENU(FALSE)));
    EXPECT_EQ(0, TempCount(afxMapHGDIOBJ(FALSE)));
    EXPECT_EQ(&main, CWnd::FromHandlePermanent(main.m_hWnd));
    EXPECT_TRUE(::IsWindow(hRaw));
    EXPECT_TRUE(::IsMenu(hMenu));
    ::DestroyMenu(hMenu);
}

TEST_F(AppFixture, IdleDoesNotFreeTemporariesWhileMapsAreLocked) {
    CProbeWnd main(m_log, _T("main"));
    ASSERT_TRUE(main.CreateTop());
    AfxLockTempMaps();
    HMENU hMenu = ::CreatePopupMenu();
    CMenu* pTemp = CMenu::FromHandle(hMenu);
    m_app.OnIdle(1);
    EXPECT_EQ(pTemp, CMenu::FromHandle(hMenu)) << "still the same temporary object";
    AfxUnlockTempMaps();
    EXPECT_EQ(0, TempCount(afxMapHMENU(FALSE)));
    ::DestroyMenu(hMenu);
}

namespace {

// An application whose idle processing drives the test: after the first idle round it posts a message,
// after the second it quits.
class CIdleApp : public CWinApp {
public:
    std::vector<LONG> m_counts;
    HWND m_hWndTarget = nullptr;
    int m_nRounds = 0;
    int m_nExitCalls = 0;

    BOOL OnIdle(LONG lCount) override {
        m_counts.push_back(lCount);
        const BOOL bMore = CWinApp::OnIdle(lCount);
        if (!bMore && ++m_nRounds == 1) ::PostMessage(m_hWndTarget, WM_PROBE, 0, 0);
        if (!bMore && m_nRounds == 2) ::PostQuitMessage(9);
        return bMore;
    }
    int ExitInstance() override {
        ++m_nExitCalls;
        return CWinApp::ExitInstance();
    }
};

}  // namespace

TEST(AppRun, IdleRunsUntilDoneAndRestartsAfterAMessage) {
    std::vector<CString> log;
    CIdleApp app;
    CProbeWnd main(log, _T("main"));
    ASSERT_TRUE(main.CreateTop());
    app.m_pMainWnd = &main;
    app.m_hWndTarget = main.m_hWnd;
    riztest::PumpUntilIdle();  // a WM_QUIT left in the queue would end a later loop

    EXPECT_EQ(9, app.Run());
    EXPECT_EQ((std::vector<LONG>{0, 1, 0, 1}), app.m_counts);
    EXPECT_TRUE(main.m_bDispatched);
    EXPECT_EQ(1, app.m_nExitCalls);
    app.m_pMainWnd = nullptr;
}

TEST(AppRun, ClosingTheMainWindowEndsTheApplicationLoop) {
    std::vector<CString> log;
    CWinApp app;
    CProbeWnd main(log, _T("main"));
    ASSERT_TRUE(main.CreateTop());
    app.m_pMainWnd = &main;
    riztest::PumpUntilIdle();  // a WM_QUIT left in the queue would end a later loop
    main.PostMessage(WM_CLOSE);
    EXPECT_EQ(0, app.Run());
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(nullptr, main.m_hWnd);
}

// ---- message filter ----

namespace {

class CFilterApp : public CWinApp {
public:
    int m_nMenuFilters = 0;
    BOOL ProcessMessageFilter(int code, LPMSG lpMsg) override {
        if (code == MSGF_MENU) ++m_nMenuFilters;
        return CWinApp::ProcessMessageFilter(code, lpMsg);
    }
};

void CALLBACK EndMenuSoon(HWND hWnd, UINT, UINT_PTR nIDEvent, DWORD) {
    ::KillTimer(hWnd, nIDEvent);
    ::EndMenu();
}

int TrackAndCountFilters(CFilterApp& app, CWnd& owner) {
    app.m_nMenuFilters = 0;
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, 1, _T("Item"));
    owner.SetTimer(1, 200, &EndMenuSoon);
    popup.TrackPopupMenu(TPM_RETURNCMD, 50, 50, &owner);
    return app.m_nMenuFilters;
}

}  // namespace

TEST(AppMessageFilter, MenuLoopMessagesReachProcessMessageFilterAfterWinInit) {
    std::vector<CString> log;
    CFilterApp app;
    CProbeWnd owner(log, _T("owner"));
    ASSERT_TRUE(owner.CreateTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    EXPECT_EQ(0, TrackAndCountFilters(app, owner)) << "no hook before the framework starts";
    ASSERT_TRUE(AfxWinInit(::GetModuleHandle(nullptr), nullptr, nullptr, SW_SHOW));
    EXPECT_GT(TrackAndCountFilters(app, owner), 0);
    AfxWinTerm();
    EXPECT_EQ(0, TrackAndCountFilters(app, owner)) << "the hook is gone after AfxWinTerm";
}

// ---- settings ----

// The same round trip in an INI file beside the temporary files and under the application's registry key:
// defaults when absent, numbers (negative too), texts of any length, deleted entries and sections.
TEST(AppProfile, IniFileAndRegistryRoundTrip) {
    TCHAR szDir[MAX_PATH];
    ::GetTempPath(MAX_PATH, szDir);
    CString strIni, strCompany;
    strIni.Format(_T("%sriz_app_test_%lu.ini"), szDir, ::GetCurrentProcessId());
    strCompany.Format(_T("RIZTest%lu"), ::GetCurrentProcessId());
    CString strLong;
    for (int i = 0; i < 60; ++i)
        strLong += _T("0123456789");
    for (const bool bRegistry : {false, true}) {
        SCOPED_TRACE(bRegistry ? "registry" : "INI file");
        CWinApp app(_T("Profile Test"));
        if (bRegistry) {
            app.SetRegistryKey(strCompany);
            EXPECT_EQ(0, lstrcmp(_T("Profile Test"), app.m_pszProfileName));
        } else {
            app.m_pszProfileName = _tcsdup(strIni);
        }
        EXPECT_EQ(7u, app.GetProfileInt(_T("Window"), _T("Left"), 7)) << "default when absent";
        EXPECT_TRUE(app.WriteProfileInt(_T("Window"), _T("Left"), -40));
        EXPECT_EQ(static_cast<UINT>(-40), app.GetProfileInt(_T("Window"), _T("Left"), 7));
        EXPECT_EQ(0, lstrcmp(_T("none"), app.GetProfileString(_T("Skin"), _T("Name"), _T("none"))));
        const LPCTSTR lpszName = bRegistry ? _T("蓝天") : _T("Blue Sky");  // an INI file is in the code page
        EXPECT_TRUE(app.WriteProfileString(_T("Skin"), _T("Name"), lpszName));
        EXPECT_EQ(0, lstrcmp(lpszName, app.GetProfileString(_T("Skin"), _T("Name"))));
        EXPECT_TRUE(app.WriteProfileString(_T("Skin"), _T("Long"), strLong));
        EXPECT_TRUE(strLong == app.GetProfileString(_T("Skin"), _T("Long")));
        EXPECT_TRUE(app.WriteProfileString(_T("Skin"), _T("Name"), nullptr));
        EXPECT_EQ(0, lstrcmp(_T("x"), app.GetProfileString(_T("Skin"), _T("Name"), _T("x"))))
            << "entry deleted";
        if (bRegistry) {
            HKEY hKey = nullptr;
            const CString strPath = _T("Software\\") + strCompany + _T("\\Profile Test\\Window");
            ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyEx(HKEY_CURRENT_USER, strPath, 0, KEY_READ, &hKey));
            ::RegCloseKey(hKey);
        }
        EXPECT_TRUE(app.WriteProfileString(_T("Window"), nullptr, nullptr));
        EXPECT_EQ(3u, app.GetProfileInt(_T("Window"), _T("Left"), 3)) << "section deleted";
    }
    ::DeleteFile(strIni);
    ::RegDeleteTree(HKEY_CURRENT_USER, _T("Software\\") + strCompany);
}

// ---- a program started by the framework's WinMain ----

namespace {

// Runs AfxMainHost.exe (beside this program) with the arguments; answers its exit code, -1 on failure.
int RunHost(LPCTSTR lpszArgs) {
    TCHAR szPath[MAX_PATH];
    ::GetModuleFileName(nullptr, szPath, MAX_PATH);
    CString strPath = szPath;
    strPath = strPath.Left(strPath.ReverseFind(_T('\\')) + 1) + _T("AfxMainHost.exe");
    CString strCmd;
    strCmd.Format(_T("\"%s\" %s"), static_cast<LPCTSTR>(strPath), lpszArgs);
    STARTUPINFO si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcess(strPath, strCmd.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    strCmd.ReleaseBuffer();
    DWORD dwExit = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(pi.hProcess, 15000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &dwExit);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return static_cast<int>(dwExit);
}

}  // namespace

TEST(AppWinMain, ProgramsExitWithTheirExitInstanceCode) {
    // A failed InitInstance, a run without a main window, a main window closed from idle.
    for (LPCTSTR lpszArgs : {_T("fail 7"), _T("run 42"), _T("window 5")}) {
        SCOPED_TRACE(testing::Message() << lpszArgs);
        EXPECT_EQ(_ttoi(_tcschr(lpszArgs, _T(' '))), RunHost(lpszArgs));
    }
}
