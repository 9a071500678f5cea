// A study-and-chat client built from the library, read top to bottom:
//  1. the application object picks its settings file, skin and language, then makes the main window;
//  2. the main window (a skinned frame) gets its status bar, dock menu bar, two toolbars and an
//     outlook bar, each docked at its edge;
//  3. its client area is a split window: the contact list beside the chat pane.
// What the commands do is in MainFrame.cpp, the chat pane in ChatPane.cpp, the dialogs in
// ClientDialogs.cpp. "client.exe --selftest" drives the client by posted input (SelfTest.cpp).
#include <afxwin.h>
#include <shlwapi.h>

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
// profile functions. What does not load (a damaged file, a skin or language that has gone, a language
// that lacks texts) leaves the library's default in its place and is said in the status bar.
BOOL CClientApp::InitInstance() {
    const BOOL bSelfTest = m_selfTest.ParseCommandLine(m_lpCmdLine);
    free(const_cast<LPTSTR>(m_pszProfileName));
    m_pszProfileName = _tcsdup(BesideProgram(bSelfTest ? _T("client-selftest.ini") : _T("client.ini")));
    // The scenario and the pictures begin from the defaults, whatever a last run left.
    if (m_selfTest.RunsScenario()) return m_selfTest.Run();
    const BOOL bSettingsFile = ::GetFileAttributes(m_pszProfileName) != INVALID_FILE_ATTRIBUTES;

    // What could not be loaded, said in the status bar once the window is there.
    CString strProblems;
    auto say = [&strProblems](const CString& strText) {
        if (!strText.IsEmpty()) strProblems += (strProblems.IsEmpty() ? _T("") : _T("  ")) + strText;
    };

    // The language and the skin of the last run (the messages come in the language that loaded).
    const CString strSkin = GetProfileString(_T("Look"), _T("Skin"));
    const CString strLanguage = GetProfileString(_T("Look"), _T("Language"));
    BOOL bRead = !strSkin.IsEmpty() && !strLanguage.IsEmpty();
    const BOOL bLanguage = strLanguage.IsEmpty() || ApplyLanguage(strLanguage);
    const BOOL bSkin = strSkin.IsEmpty() || ApplySkin(strSkin);
    if (!bLanguage) say(ClientMessage(_T("IDS_CLIENT_ST_NO_LANGUAGE"), strLanguage));
    say(MissingTextsMessage());
    if (!bSkin) say(ClientMessage(_T("IDS_CLIENT_ST_NO_SKIN"), strSkin));

    // The main window: a frame that deletes itself when it is destroyed.
    auto* pFrame = new CMainFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->Create(NULL, ClientText(_T("IDS_CLIENT_TITLE")), WS_OVERLAPPEDWINDOW,
                        CRect(60, 40, 1020, 700)))
        return FALSE;
    // The bars and the window where the last run left them; a missing or bad entry keeps the default.
    CQVDockState bars;
    bRead &= bars.LoadState(_T("Bars")) || GetProfileString(_T("Bars-Summary"), _T("Bars")).IsEmpty();
    pFrame->SetDockState(bars);
    bRead &= QVLoadWindowPlacement(pFrame, _T("Window"), &m_nCmdShow) ||
             GetProfileString(_T("Window"), _T("Left")).IsEmpty();
    if (bSettingsFile && !bRead)
        say(ClientMessage(_T("IDS_CLIENT_ST_BAD_SETTINGS"), PathFindFileName(m_pszProfileName)));
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    if (!strProblems.IsEmpty()) pFrame->ShowStartStatus(strProblems);
    if (IsBenchMode(m_lpCmdLine)) return RunBenchMode(m_lpCmdLine, pFrame);  // timing runs (BenchMode.h)
    return m_selfTest.ChecksStart() ? m_selfTest.CheckStart(pFrame) : TRUE;
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
    m_chat.m_onStatus = [this](const CString& strText) { ShowStatus(strText); };
    m_split.SetPanels(&m_contacts, &m_chat, FALSE, FALSE);
    m_split.SetPanelMinSize(150, 260);
    m_split.SetSplitPos(210);
    return TRUE;
}
