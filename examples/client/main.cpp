// A study-and-chat client built from the library, read top to bottom:
//  1. the application object picks its settings file, skin and language, then makes the main window;
//  2. the main window (a skinned frame) gets its status bar, dock menu bar, two toolbars and an
//     outlook bar, each docked at its edge;
//  3. its client area is a split window: the contact list beside the chat pane.
// What the commands do is in MainFrame.cpp, the chat pane in ChatPane.cpp, the dialogs in
// ClientDialogs.cpp. "client.exe --selftest" drives the client by posted input (SelfTest.cpp).
#include <afxwin.h>

#include <RIZuruzezu.h>

#include "BenchMode.h"
#include "ClientIds.h"
#include "ClientStyle.h"
#include "MainFrame.h"
#include "SelfTest.h"

// ---- 1. The application ----

class CClientApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    CSelfTest m_selfTest;
};

CClientApp theApp;

// The settings file lives beside the program (client.ini), read and written through the framework's
// profile functions; a missing or damaged file gives the defaults.
static CString SettingsFile(LPCTSTR lpszName) {
    TCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileName(NULL, szPath, MAX_PATH);
    CString str = szPath;
    return str.Left(str.ReverseFind(_T('\\')) + 1) + lpszName;
}

BOOL CClientApp::InitInstance() {
    const BOOL bSelfTest = m_selfTest.ParseCommandLine(m_lpCmdLine);
    free(const_cast<LPTSTR>(m_pszProfileName));
    m_pszProfileName = _tcsdup(SettingsFile(bSelfTest ? _T("client-selftest.ini") : _T("client.ini")));

    // The skin and the language of the last run. What does not load stays at the library's default
    // (the Default skin, English) and is said in the status bar once the window is there.
    CString strProblem;
    const CString strSkin = GetProfileString(_T("Look"), _T("Skin"), _T("Default"));
    const CString strLanguage = GetProfileString(_T("Look"), _T("Language"), _T("en-US"));
    if (strSkin.CompareNoCase(CurrentSkinName()) != 0 && !ApplySkin(strSkin))
        strProblem.Format(ClientText(_T("IDS_CLIENT_ST_NO_SKIN")), static_cast<LPCTSTR>(strSkin));
    if (strLanguage.CompareNoCase(CurrentLanguageName()) != 0 && !ApplyLanguage(strLanguage))
        strProblem.Format(ClientText(_T("IDS_CLIENT_ST_NO_LANGUAGE")), static_cast<LPCTSTR>(strLanguage));

    // The main window: a frame that deletes itself when it is destroyed.
    if (bSelfTest) return m_selfTest.Run();
    auto* pFrame = new CMainFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->Create(NULL, ClientText(_T("IDS_CLIENT_TITLE")), WS_OVERLAPPEDWINDOW,
                        CRect(60, 40, 1020, 700)))
        return FALSE;
    // The bars and the window where the last run left them; a missing or bad entry keeps the default.
    pFrame->LoadBarState(_T("Bars"));
    QVLoadWindowPlacement(pFrame, _T("Window"), &m_nCmdShow);
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    if (!strProblem.IsEmpty()) pFrame->ShowStatus(strProblem);
    if (IsBenchMode(m_lpCmdLine)) return RunBenchMode(m_lpCmdLine, pFrame);  // timing runs (BenchMode.h)
    return TRUE;
}

int CClientApp::ExitInstance() {
    return m_selfTest.IsRunning() ? m_selfTest.ExitCode() : CWinApp::ExitInstance();
}

// ---- 2. The main window and its bars ----

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs) {
    if (CSkinFrameWnd::OnCreate(lpcs) == -1) return -1;
    // The status bar first: bars are laid out in the order they are made, so it takes the full width.
    // Panes: the prompt (the rest of the width), the skin, the language.
    static const int kWidths[] = {0, 110, 150};
    if (!m_status.CreateEx(this, WS_CHILD | WS_VISIBLE, CBRS_BOTTOM)) return -1;
    m_status.SetIndicators(kWidths, 3);

    EnableDocking(CBRS_ALIGN_ANY);
    if (!CreateMenuAndToolBars() || !CreateOutlookBar()) return -1;
    Translate();
    return 0;
}

BOOL CMainFrame::CreateMenuAndToolBars() {
    // The dock menu bar shows the menu resource; its "~KEY" texts come from the language table.
    if (!m_menuBar.CreateEx(this, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), ID_VIEW_MENU_BAR) ||
        !m_menuBar.LoadMenu(IDR_MAINFRAME))
        return FALSE;
    m_menuBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    DockControlBar(&m_menuBar, AFX_IDW_DOCKBAR_TOP);

    // The classic toolbar: its buttons from the toolbar resource, its pictures from the skin.
    if (!m_classicBar.CreateEx(this, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0),
                               ID_VIEW_CLASSIC_BAR) ||
        !m_classicBar.LoadToolBar(IDR_MAINFRAME))
        return FALSE;
    LoadToolImages();
    m_classicBar.SetBitmapList(&m_toolImages);
    m_classicBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_classicBar, AFX_IDW_DOCKBAR_TOP);

    // The item toolbar: captioned items in a dock pane.
    if (!m_itemBar.Create(this, ID_VIEW_ITEM_BAR)) return FALSE;
    m_itemBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    DockControlBar(&m_itemBar, AFX_IDW_DOCKBAR_TOP);
    return TRUE;
}

BOOL CMainFrame::CreateOutlookBar() {
    // Folders "Lessons", "Word books" and "Friends", the last holding a contact list of its own.
    if (!m_outlook.Create(this, ID_VIEW_OUTLOOK)) return FALSE;
    m_outlook.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    DockControlBar(&m_outlook, AFX_IDW_DOCKBAR_LEFT);
    m_outlook.m_friends.m_onOpen = [this](DWORD dwContact) { OpenChat(dwContact); };
    return TRUE;
}

// ---- 3. The client area ----

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext*) {
    // The split window is the frame's view: the frame lays it out in the space the bars leave.
    if (!m_split.Create(WS_VISIBLE, CRect(0, 0, 600, 400), this, AFX_IDW_PANE_FIRST)) return FALSE;
    // Left: every contact. A double click opens the chat.
    if (!m_contacts.Create(&m_split, IDC_CONTACTS, 0x7)) return FALSE;
    m_contacts.m_onOpen = [this](DWORD dwContact) { OpenChat(dwContact); };
    // Right: the conversation, the transfers, the input box and "Send file".
    if (!m_chat.Create(&m_split, IDC_CLIENT_SPLIT)) return FALSE;
    m_split.SetPanels(&m_contacts, &m_chat, FALSE, FALSE);
    m_split.SetPanelMinSize(150, 260);
    m_split.SetSplitPos(210);
    return TRUE;
}
