#include "SelfTest.h"

#include <RIZuruzezu.h>
#include <QVImageEncoder.h>
#include <QVMemoryDC.h>
#include <QVLanResManager.h>

#include <gdiplus.h>
#include <psapi.h>
#include <stdio.h>

#include <functional>
#include <vector>

#include "ClientIds.h"
#include "ClientStyle.h"
#include "MainFrame.h"

namespace {

// A round takes about three seconds; a start, one.
DWORD WINAPI Watchdog(LPVOID pRounds) {
    ::Sleep(30000 + 8000 * static_cast<DWORD>(reinterpret_cast<UINT_PTR>(pRounds)));
    printf("selftest: the watchdog ended a run that hung\n");
    fflush(stdout);
    ::ExitProcess(3);
}

// ---- Input and the queue ----

void PumpPending() {
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE)) {
        if (!AfxPumpMessage()) return;
    }
    if (CWinApp* pApp = AfxGetApp()) pApp->OnIdle(0);  // the toolbars' and menus' update handlers
}

BOOL PumpUntil(const std::function<bool()>& done, DWORD dwMs) {
    const DWORD dwStart = ::GetTickCount();
    for (;;) {
        PumpPending();
        if (done()) return TRUE;
        if (::GetTickCount() - dwStart > dwMs) return FALSE;
        ::Sleep(10);
    }
}

void PumpFor(DWORD dwMs) {
    PumpUntil([] { return false; }, dwMs);
}

// A click (or a double click) at a point of a window's client area: the cursor is put there first, so
// that the window's own queries of the cursor agree with the posted messages.
void PostClick(CWnd* pWnd, CPoint pt, BOOL bDouble = FALSE) {
    CPoint ptScreen = pt;
    pWnd->ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    const LPARAM lp = MAKELPARAM(pt.x, pt.y);
    pWnd->PostMessage(WM_MOUSEMOVE, 0, lp);
    pWnd->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lp);
    pWnd->PostMessage(WM_LBUTTONUP, 0, lp);
    if (bDouble) {
        pWnd->PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lp);
        pWnd->PostMessage(WM_LBUTTONUP, 0, lp);
    }
    PumpPending();
}

void PostText(CWnd* pWnd, LPCTSTR lpszText) {
    for (LPCTSTR p = lpszText; *p; ++p)
        pWnd->PostMessage(WM_CHAR, static_cast<TBYTE>(*p), 1);
    pWnd->PostMessage(WM_KEYDOWN, VK_RETURN, 1);
    pWnd->PostMessage(WM_CHAR, VK_RETURN, 1);
    PumpPending();
}

// A drag as the mouse makes it: the press at ptFrom (screen coordinates) on pPress's client area, or on
// its caption when bCaption; moves in steps to ptTo and the release, to pCapture, the window that
// holds the mouse meanwhile. The cursor goes to each point before its message is posted.
void PostDrag(CWnd* pPress, CWnd* pCapture, CPoint ptFrom, CPoint ptTo, BOOL bCaption) {
    auto client = [](CWnd* pWnd, CPoint pt) {
        pWnd->ScreenToClient(&pt);
        return MAKELPARAM(pt.x, pt.y);
    };
    ::SetCursorPos(ptFrom.x, ptFrom.y);
    if (bCaption)
        pPress->PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptFrom.x, ptFrom.y));
    else
        pPress->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, client(pPress, ptFrom));
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i) {
        const CPoint pt(ptFrom.x + (ptTo.x - ptFrom.x) * i / kSteps,
                        ptFrom.y + (ptTo.y - ptFrom.y) * i / kSteps);
        ::SetCursorPos(pt.x, pt.y);
        pCapture->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, client(pCapture, pt));
    }
    pCapture->PostMessage(WM_LBUTTONUP, 0, client(pCapture, ptTo));
    PumpPending();
}

// The dock bar a control bar sits in: an edge's id, AFX_IDW_DOCKBAR_FLOAT, or 0.
UINT DockEdge(CQVControlBar& bar) {
    return bar.m_pDockBar ? bar.m_pDockBar->GetDlgCtrlID() : 0;
}

// Where the press of a drag by the grip goes: the grip at the bar's leading edge.
CPoint GripPoint(CQVControlBar& bar) {
    CRect rc;
    bar.GetWindowRect(&rc);
    return rc.TopLeft() + CSize(3, 8);
}

// A point just inside the left dock bar, level with the middle of the client area.
CPoint LeftEdgePoint(CMainFrame* pFrame) {
    CRect rcOutlook, rcClient;
    pFrame->m_outlook.GetWindowRect(&rcOutlook);
    pFrame->m_split.GetWindowRect(&rcClient);
    return CPoint(rcOutlook.left + 4, rcClient.CenterPoint().y);
}

// A double click on the caption of the frame a floating bar lies in.
void PostCaptionDoubleClick(CQVControlBar& bar) {
    CWnd* pFloating = bar.m_pDockBar ? bar.m_pDockBar->GetParent() : nullptr;
    if (!pFloating) return;
    CRect rc;
    pFloating->GetWindowRect(&rc);
    const CPoint pt(rc.CenterPoint().x, rc.top + ::GetSystemMetrics(SM_CYFRAME) + 4);
    ::SetCursorPos(pt.x, pt.y);
    pFloating->PostMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(pt.x, pt.y));
    PumpPending();
}

// The timers the self-test sets for itself on the thread; none may outlive what it did.
std::vector<UINT_PTR> g_threadTimers;

// A modal dialog or message box that opens from a posted command: its caption is noted and the box is
// closed, as the title bar's close button does, from a timer that fires inside its loop. With
// g_hCloseUnderModal set, the main window's close button is pressed instead, the dialog still open.
CString g_strModalCaption;
HWND g_hCloseUnderModal = NULL;
void CALLBACK CloseModal(HWND, UINT, UINT_PTR nTimer, DWORD) {
    HWND hActive = ::GetActiveWindow();
    TCHAR szClass[16] = {};
    if (hActive) ::GetClassName(hActive, szClass, 16);
    if (lstrcmp(szClass, _T("#32770")) != 0) return;
    ::KillTimer(NULL, nTimer);
    CWnd::FromHandle(hActive)->GetWindowText(g_strModalCaption);
    ::PostMessage(g_hCloseUnderModal ? g_hCloseUnderModal : hActive, WM_CLOSE, 0, 0);
}

UINT_PTR StartModalCloser() {
    g_strModalCaption.Empty();
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, &CloseModal);
    g_threadTimers.push_back(nTimer);
    return nTimer;
}

CString RunModalCommand(CWnd* pFrame, UINT nCommand) {
    const UINT_PTR nTimer = StartModalCloser();
    pFrame->SendMessage(WM_COMMAND, nCommand);  // returns when the box has closed
    ::KillTimer(NULL, nTimer);
    return g_strModalCaption;
}

SIZE_T WorkingSetKB() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    return ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters))
               ? counters.WorkingSetSize / 1024
               : 0;
}

void Report(int& rFailures, bool bOk, const char* lpszWhat, BOOL bReport) {
    if (!bOk) ++rFailures;
    if (!bOk || bReport) printf("selftest: %s %s\n", bOk ? "ok  " : "FAILED", lpszWhat);
    fflush(stdout);
}

// ---- What the user sees ----

CString TextOf(CWnd* pWnd) {
    CString str;
    if (pWnd && pWnd->GetSafeHwnd()) pWnd->GetWindowText(str);
    return str;
}

// A pixel of a window as it draws itself into a memory DC (client area and frame).
COLORREF WindowPixel(CWnd* pWnd, CPoint pt, BOOL bClientOnly) {
    CRect rc;
    pWnd->GetWindowRect(&rc);
    CQVMemoryDC dc;
    dc.Create(rc.Width(), rc.Height());
    if (bClientOnly)
        pWnd->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                          PRF_CLIENT | PRF_ERASEBKGND);
    else
        ::PrintWindow(pWnd->GetSafeHwnd(), dc.GetSafeHdc(), 0);
    return dc.GetPixel(pt);
}

// The caption as it is on the screen: the skinned frame draws it on WM_NCPAINT only.
COLORREF CaptionPixel(CWnd* pFrame) {
    pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpFor(150);
    CRect rc;
    pFrame->GetWindowRect(&rc);
    CClientDC screen(NULL);
    return screen.GetPixel(rc.left + rc.Width() * 3 / 5, rc.top + 5);
}

COLORREF GroupButtonPixel(CContactList& list) {
    CIMGroupButton* pGroup = list.GetGroup(0);
    const CRect rc = pGroup ? pGroup->GetRect() : CRect();
    return WindowPixel(&list, CPoint(rc.left + 6, rc.top + 3), TRUE);
}

// Where a contact's row is in the list, in its client coordinates.
CPoint ContactPoint(CContactList& list, DWORD dwId) {
    CIMListUserItem* pUser = list.FindContactItem(dwId);
    return pUser ? pUser->GetRect().CenterPoint() : CPoint(-1, -1);
}

}  // namespace

BOOL CSelfTest::ParseCommandLine(LPCTSTR lpszCommandLine) {
    CString str = lpszCommandLine ? lpszCommandLine : _T("");
    str.Trim();
    if (str.Left(16) == _T("--selftest-start")) {
        m_bStart = TRUE;
        m_strExpected = str.Mid(16);
        ::SetCursorPos(0, 0);  // away from where the window comes, whose bars would show their prompts
        return TRUE;
    }
    if (str.Left(10) == _T("--selftest")) {
        m_nRounds = std::max(1, _ttoi(str.Mid(10)));
        return TRUE;
    }
    if (str.Left(7) == _T("--shots")) {
        m_strShots = str.Mid(7);
        m_strShots.Trim();
        m_strShots.Trim(_T('"'));
        return TRUE;
    }
    return FALSE;
}

namespace {

// One round: what a new user tries, each step checked on what the windows show.
class CRound {
public:
    explicit CRound(int& rFailures) : m_rFailures(rFailures) {}

    BOOL Run(BOOL bReport) {
        m_bReport = bReport;
        auto* pFrame = new CMainFrame;
        CWinApp* pApp = AfxGetApp();
        pApp->m_pMainWnd = pFrame;
        if (!pFrame->Create(NULL, ClientText(_T("IDS_CLIENT_TITLE")), WS_OVERLAPPEDWINDOW,
                            CRect(20, 20, 980, 680))) {
            Check(false, "the main window opens");
            return FALSE;
        }
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        PumpPending();
        m_pFrame = pFrame;
        Check(TextOf(pFrame) == ClientText(_T("IDS_CLIENT_TITLE")), "the caption reads the client's title");

        OpenChat();
        SendLine();
        CancelFile();
        SendFile();
        ReceiveMessage();
        DockToolbar();
        SwitchSkinAndLanguage();
        OpenDialogs();
        OpenGallery();
        NoTimerRuns();
        QuitWithADialogOpen();
        return TRUE;
    }

private:
    void Check(bool bOk, const char* lpszWhat) { Report(m_rFailures, bOk, lpszWhat, m_bReport); }

    void OpenChat() {
        CContactList& list = m_pFrame->m_contacts;
        PostClick(&list, ContactPoint(list, 1), TRUE);
        CString strTitle;
        strTitle.Format(ClientText(_T("IDS_CLIENT_CHAT_WITH")),
                        static_cast<LPCTSTR>(ClientText(_T("IDS_CLIENT_U1"))));
        Check(m_pFrame->m_chat.GetPartner() == 1 && TextOf(&m_pFrame->m_chat.m_title) == strTitle,
              "a double click on a contact opens the chat with them");
    }

    void SendLine() {
        CChatPane& chat = m_pFrame->m_chat;
        PostText(&chat.m_input, _T("Shall we practise lesson 3?"));
        const CString strLine = ClientText(_T("IDS_CLIENT_CHAT_ME")) + _T(": Shall we practise lesson 3?");
        Check(TextOf(&chat.m_conversation).Find(strLine) >= 0 && TextOf(&chat.m_input).IsEmpty(),
              "Enter adds the typed line to the conversation and empties the input box");
    }

    void SendFile() {
        CChatPane& chat = m_pFrame->m_chat;
        PostClick(&chat.m_sendFile, chat.m_sendFile.GetMainRect().CenterPoint());
        Check(chat.m_transfers.GetItemCount() == 1, "\"Send file\" adds a transfer row");
        tagTransferFileItem* pItem = chat.m_transfers.GetItem(0);
        const BOOL bDone = PumpUntil(
            [&chat] {
                const tagTransferFileItem* p = chat.m_transfers.GetItem(0);
                return p && p->status == QVTFS_FINISHED;
            },
            5000);
        pItem = chat.m_transfers.GetItem(0);
        Check(bDone && pItem && pItem->strStatusText.Find(ClientText(_T("IDS_QVC_SEND_FINISH"))) == 0,
              "the transfer runs to its end and says the file was sent");
    }

    void ReceiveMessage() {
        // The item toolbar's "Simulate" lets contact 4 write; their picture flashes until their chat opens.
        CQVToolBarPlus& bar = m_pFrame->m_itemBar.m_bar;
        PostClick(&bar, bar.GetItemRect(ID_CONTACTS_SIMULATE).CenterPoint());
        PumpPending();
        CIMListUserItem* pUser = m_pFrame->m_contacts.FindContactItem(kMessagingContact);
        Check(pUser && pUser->IsSparkling(), "a message from another contact makes their picture flash");
        CContactList& list = m_pFrame->m_contacts;
        list.SetCurrentGroup(1, 0);  // their group: the classmates
        list.RedrawCurrentGroup();
        PumpPending();
        PostClick(&list, ContactPoint(list, kMessagingContact), TRUE);
        pUser = list.FindContactItem(kMessagingContact);
        Check(pUser && !pUser->IsSparkling() && m_pFrame->m_chat.GetPartner() == kMessagingContact &&
                  TextOf(&m_pFrame->m_chat.m_conversation).Find(ClientText(_T("IDS_CLIENT_MSG_IN"))) >= 0,
              "opening their chat shows the message and stops the flashing");
        list.SetCurrentGroup(0, 0);
    }

    // A transfer cancelled by its row's Cancel link while the stand-in network's timer runs for it.
    void CancelFile() {
        CChatPane& chat = m_pFrame->m_chat;
        PostClick(&chat.m_sendFile, chat.m_sendFile.GetMainRect().CenterPoint());
        const tagTransferFileItem* pItem = chat.m_transfers.GetItem(0);
        CPoint ptCancel(-1, -1);
        for (const tagFileTransferListButton& link :
             pItem ? pItem->links : std::vector<tagFileTransferListButton>())
            if (link.type == tagFileTransferListButton::BT_CANCEL && link.visible)
                ptCancel = QVViewToClient(link.rect, chat.m_transfers.GetScrollPosition()).CenterPoint();
        const CString strName = pItem ? pItem->strFileName : CString();
        PostClick(&chat.m_transfers, ptCancel);
        Check(chat.m_transfers.GetItemCount() == 0 &&
                  m_pFrame->m_status.GetPaneText(0) == ClientMessage(_T("IDS_CLIENT_ST_CANCELLED"), strName),
              "a running transfer's Cancel removes its row and the status bar says so");
        PumpFor(100 + 50);  // a tick of the timer finds the row gone
        Check(!::KillTimer(chat.GetSafeHwnd(), CChatPane::kTransferTimer),
              "the stand-in network's timer stops once nothing is sent");
    }

    // The classic toolbar: dragged by its grip into the window it floats; a double click on the
    // floating caption docks it back; dragged to the left edge it docks there; a double click on its
    // grip floats it again and one on the caption brings it back to the left.
    void DockToolbar() {
        CQVDockToolBar& bar = m_pFrame->m_classicBar;
        CRect rcClient;
        m_pFrame->m_split.GetWindowRect(&rcClient);
        PostDrag(&bar, &bar, GripPoint(bar), rcClient.CenterPoint(), FALSE);
        Check(DockEdge(bar) == AFX_IDW_DOCKBAR_FLOAT, "dragged into the window, the classic toolbar floats");
        PostCaptionDoubleClick(bar);
        Check(DockEdge(bar) == AFX_IDW_DOCKBAR_TOP,
              "a double click on its floating caption docks it back at the top");
        PostDrag(&bar, &bar, GripPoint(bar), LeftEdgePoint(m_pFrame), FALSE);
        Check(DockEdge(bar) == AFX_IDW_DOCKBAR_LEFT, "dragged to the left edge, it docks there");
        PostClick(&bar, CPoint(8, 3), TRUE);
        Check(DockEdge(bar) == AFX_IDW_DOCKBAR_FLOAT, "a double click on its grip floats it");
        PostCaptionDoubleClick(bar);
        Check(DockEdge(bar) == AFX_IDW_DOCKBAR_LEFT,
              "a double click on the caption docks it back at the left");
    }

    void SwitchSkinAndLanguage() {
        const COLORREF clrCaption = CaptionPixel(m_pFrame), clrGroup = GroupButtonPixel(m_pFrame->m_contacts);
        // The classic toolbar's Jade button.
        CQVDockToolBar& bar = m_pFrame->m_classicBar;
        PostClick(&bar, bar.GetItemRect(ID_SKIN_JADE).CenterPoint());
        PumpPending();
        Check(CurrentSkinName() == _T("Jade"), "the toolbar's Jade button loads the jade skin");
        Check(CaptionPixel(m_pFrame) != clrCaption, "the caption takes the jade colours");
        Check(GroupButtonPixel(m_pFrame->m_contacts) != clrGroup, "a group button takes the jade colours");
        // Language -> Chinese, the command its menu item sends.
        m_pFrame->PostMessage(WM_COMMAND, ID_LANGUAGE_CHINESE);
        PumpPending();
        Check(CurrentLanguageName() == _T("zh-CN") &&
                  TextOf(m_pFrame) == ClientText(_T("IDS_CLIENT_TITLE")) &&
                  m_pFrame->m_status.GetPaneText(2) == ClientText(_T("IDS_LANGUAGE_NAME")),
              "Language -> Chinese renames the caption and the status bar");
        CString strTitle;
        strTitle.Format(ClientText(_T("IDS_CLIENT_CHAT_WITH")),
                        static_cast<LPCTSTR>(ClientText(_T("IDS_CLIENT_U4"))));
        Check(TextOf(&m_pFrame->m_chat.m_title) == strTitle, "the chat pane follows the language");
        // Back, for the next round.
        m_pFrame->PostMessage(WM_COMMAND, ID_SKIN_DEFAULT);
        m_pFrame->PostMessage(WM_COMMAND, ID_LANGUAGE_ENGLISH);
        PumpPending();
        Check(CurrentSkinName() == _T("Default") && CaptionPixel(m_pFrame) == clrCaption &&
                  CurrentLanguageName() == _T("en-US"),
              "the default skin and English come back");
    }

    void OpenDialogs() {
        m_pFrame->PostMessage(WM_COMMAND, ID_LESSON_OPEN);
        m_pFrame->PostMessage(WM_COMMAND, ID_WORDS_BOOK);
        PumpPending();
        Check(TextOf(&m_pFrame->m_lesson) == ClientText(_T("IDS_CLIENT_LESSON_TITLE")) &&
                  m_pFrame->m_lesson.m_sentences.GetSafeHwnd() != NULL,
              "a lesson opens in a sentence explorer");
        Check(TextOf(&m_pFrame->m_wordBook) == ClientText(_T("IDS_CLIENT_WORDBOOK_TITLE")) &&
                  m_pFrame->m_wordBook.m_words.GetItemCount() == 4,
              "a word book opens in a word list");
        // An open dialog follows a language switch.
        m_pFrame->PostMessage(WM_COMMAND, ID_LANGUAGE_CHINESE);
        PumpPending();
        Check(TextOf(&m_pFrame->m_lesson) == ClientText(_T("IDS_CLIENT_LESSON_TITLE")) &&
                  m_pFrame->m_wordBook.m_words.GetItemText(0, 1) == ClientText(_T("IDS_CLIENT_WM1")),
              "the open dialogs follow the language");
        m_pFrame->PostMessage(WM_COMMAND, ID_LANGUAGE_ENGLISH);
        PumpPending();
        Check(RunModalCommand(m_pFrame, ID_LESSON_PLANNER) == ClientText(_T("IDS_CLIENT_PLAN_TITLE")),
              "the study planner opens and closes");
        Check(RunModalCommand(m_pFrame, ID_LESSON_SETTINGS) == ClientText(_T("IDS_CLIENT_SET_TITLE")),
              "the settings open and close");
        Check(RunModalCommand(m_pFrame, ID_HELP_ABOUT) == ClientText(_T("IDS_CLIENT_ABOUT_TITLE")),
              "About opens a message box");
    }

    // Help -> Gallery starts the gallery beside the program; where there is none it says so. A gallery
    // that is there is not started by the self-test.
    void OpenGallery() {
        const CString strGallery = BesideProgram(_T("gallery.exe"));
        if (::GetFileAttributes(strGallery) != INVALID_FILE_ATTRIBUTES) return;
        m_pFrame->PostMessage(WM_COMMAND, ID_HELP_GALLERY);
        PumpPending();
        Check(m_pFrame->m_status.GetPaneText(0) == ClientMessage(_T("IDS_CLIENT_ST_NO_GALLERY"), strGallery),
              "Help -> Gallery says that the gallery is missing");
    }

    // Nothing moves any more: none of the client's timers may still be set, nor one of the self-test's.
    void NoTimerRuns() {
        const struct {
            CWnd* pWnd;
            UINT_PTR nTimer;
        } timers[] = {{&m_pFrame->m_chat, CChatPane::kTransferTimer},
                      {&m_pFrame->m_contacts, CIMListWnd::TIMER_ANIMATION},
                      {&m_pFrame->m_contacts, CIMListWnd::TIMER_REPEAT},
                      {&m_pFrame->m_contacts, CIMListWnd::TIMER_SPARKLE},
                      {&m_pFrame->m_outlook.m_friends, CIMListWnd::TIMER_ANIMATION},
                      {&m_pFrame->m_outlook.m_friends, CIMListWnd::TIMER_REPEAT},
                      {&m_pFrame->m_outlook.m_friends, CIMListWnd::TIMER_SPARKLE}};
        int nSet = 0;
        for (const auto& timer : timers)
            nSet += ::KillTimer(timer.pWnd->GetSafeHwnd(), timer.nTimer) ? 1 : 0;
        for (UINT_PTR nTimer : g_threadTimers)
            nSet += ::KillTimer(NULL, nTimer) ? 1 : 0;
        g_threadTimers.clear();
        Check(nSet == 0, "no timer of the client or of the self-test is left running");
    }

    // Quit with the settings open: the main window's close button, pressed while the dialog's loop
    // runs, closes the dialog and then the window.
    void QuitWithADialogOpen() {
        // Not the main window any more, so that its end does not end the process's message loop.
        const HWND hFrame = m_pFrame->GetSafeHwnd();
        AfxGetApp()->m_pMainWnd = nullptr;
        g_hCloseUnderModal = hFrame;
        const UINT_PTR nTimer = StartModalCloser();
        m_pFrame->PostMessage(WM_COMMAND, ID_LESSON_SETTINGS);
        const BOOL bClosed = PumpUntil([hFrame] { return !::IsWindow(hFrame); }, 5000);
        g_hCloseUnderModal = NULL;
        Check(bClosed && g_strModalCaption == ClientText(_T("IDS_CLIENT_SET_TITLE")),
              "closing the window with the settings open closes both");
        Check(!::KillTimer(NULL, nTimer), "the self-test's closer has stopped");
        g_threadTimers.clear();
        m_pFrame = nullptr;
        PumpPending();
    }

    int& m_rFailures;
    BOOL m_bReport = FALSE;
    CMainFrame* m_pFrame = nullptr;
};

}  // namespace

BOOL CSelfTest::Run() {
    ::CreateThread(NULL, 0, &Watchdog, reinterpret_cast<LPVOID>(static_cast<UINT_PTR>(m_nRounds)), 0, NULL);
    if (!m_strShots.IsEmpty()) return WriteShots();
    CRound round(m_nFailures);
    round.Run(TRUE);
    PumpPending();
    const SIZE_T nFirstKB = WorkingSetKB();
    const int nGdi = QVCountGdiObjects(), nWindows = QVCountThreadWindows();
    const int nImages = CQVGdiplusImage::GetLiveImageCount();
    for (int i = 1; i < m_nRounds; ++i)
        round.Run(FALSE);
    PumpPending();
    const int nGdiDelta = QVCountGdiObjects() - nGdi, nWindowDelta = QVCountThreadWindows() - nWindows;
    const int nImageDelta = CQVGdiplusImage::GetLiveImageCount() - nImages;
    printf("selftest: %d more rounds left %d GDI objects, %d windows and %d GDI+ images behind\n",
           m_nRounds - 1, nGdiDelta, nWindowDelta, nImageDelta);
    printf("selftest: working set after 1 round: %u KB; after %d: %u KB\n", static_cast<unsigned>(nFirstKB),
           m_nRounds, static_cast<unsigned>(WorkingSetKB()));
    if (nGdiDelta != 0 || nWindowDelta != 0 || nImageDelta != 0) ++m_nFailures;
    LeaveRememberedState();
    printf("selftest: %s\n", m_nFailures ? "FAILED" : "ok");
    fflush(stdout);
    return FALSE;
}

namespace {

// Where the last run leaves the window, and the second start finds it.
const CRect kRememberedPlace(90, 70, 930, 650);

}  // namespace

// The jade skin, Chinese, the classic toolbar docked at the left and the window moved, each by input;
// closing writes them to the settings file.
void CSelfTest::LeaveRememberedState() {
    auto* pFrame = new CMainFrame;
    if (!pFrame->Create(NULL, ClientText(_T("IDS_CLIENT_TITLE")), WS_OVERLAPPEDWINDOW,
                        CRect(20, 20, 980, 680))) {
        Report(m_nFailures, false, "the main window opens for the last run", TRUE);
        return;
    }
    pFrame->ShowWindow(SW_SHOW);
    PumpPending();
    pFrame->PostMessage(WM_COMMAND, ID_SKIN_JADE);
    pFrame->PostMessage(WM_COMMAND, ID_LANGUAGE_CHINESE);
    PumpPending();
    CQVDockToolBar& bar = pFrame->m_classicBar;
    PostDrag(&bar, &bar, GripPoint(bar), LeftEdgePoint(pFrame), FALSE);
    pFrame->MoveWindow(kRememberedPlace);
    PumpPending();
    const bool bLeft = CurrentSkinName() == _T("Jade") && CurrentLanguageName() == _T("zh-CN") &&
                       DockEdge(bar) == AFX_IDW_DOCKBAR_LEFT;
    const HWND hFrame = pFrame->GetSafeHwnd();
    pFrame->PostMessage(WM_CLOSE);
    const BOOL bClosed = PumpUntil([hFrame] { return !::IsWindow(hFrame); }, 5000);
    Report(m_nFailures, bLeft && bClosed,
           "the last run closes in jade and Chinese with the toolbar at the left", TRUE);
    PumpPending();
}

// What the started window shows, against the expectations of the command line.
BOOL CSelfTest::CheckStart(CMainFrame* pFrame) {
    ::CreateThread(NULL, 0, &Watchdog, NULL, 0, NULL);
    PumpPending();
    const CString strStatus = pFrame->m_status.GetPaneText(0);
    CString strSkin = _T("Default"), strLanguage = _T("en-US"), strBar = _T("top"), strWindow;
    CString strStatusKey = _T("IDS_CLIENT_READY"), strStatusName;
    int nPos = 0;
    for (CString strToken = m_strExpected.Tokenize(_T(" "), nPos); !strToken.IsEmpty();
         strToken = m_strExpected.Tokenize(_T(" "), nPos)) {
        const CString strKey = strToken.SpanExcluding(_T("=")),
                      strValue = strToken.Mid(strKey.GetLength() + 1);
        if (strKey == _T("skin")) strSkin = strValue;
        if (strKey == _T("language")) strLanguage = strValue;
        if (strKey == _T("bar")) strBar = strValue;
        if (strKey == _T("window")) strWindow = strValue;
        if (strKey == _T("status")) {
            strStatusKey = strValue.SpanExcluding(_T(":"));
            strStatusName = strValue.Mid(strStatusKey.GetLength() + 1);
        }
    }
    const int nMissing = CQVLanResManager::GetSingletonPtr()->GetMissingCount();
    Report(m_nFailures, strStatus.Find(ClientMessage(strStatusKey, strStatusName, nMissing)) >= 0,
           "the status bar says what could not be loaded, or that the client is ready", TRUE);
    Report(m_nFailures,
           CurrentLanguageName() == strLanguage && TextOf(pFrame) == ClientText(_T("IDS_CLIENT_TITLE")) &&
               pFrame->m_status.GetPaneText(2) == ClientText(_T("IDS_LANGUAGE_NAME")),
           "the window speaks the remembered language", TRUE);
    // The caption in the remembered skin: it changes with another skin and comes back with this one.
    const COLORREF clrCaption = CaptionPixel(pFrame);
    BOOL bSkin = CurrentSkinName() == strSkin;
    if (bSkin && strSkin != _T("Default")) {
        bSkin = pFrame->SwitchSkin(_T("Default")) && CaptionPixel(pFrame) != clrCaption &&
                pFrame->SwitchSkin(strSkin) && CaptionPixel(pFrame) == clrCaption;
    }
    Report(m_nFailures, bSkin != FALSE, "the caption shows the remembered skin", TRUE);
    const UINT nEdge = strBar == _T("left")    ? AFX_IDW_DOCKBAR_LEFT
                       : strBar == _T("float") ? AFX_IDW_DOCKBAR_FLOAT
                                               : AFX_IDW_DOCKBAR_TOP;
    Report(m_nFailures, DockEdge(pFrame->m_classicBar) == nEdge, "the classic toolbar is where it was left",
           TRUE);
    if (!strWindow.IsEmpty()) {
        CRect rc, rcExpected;
        pFrame->GetWindowRect(&rc);
        const BOOL bParsed = _stscanf(strWindow, _T("%ld,%ld,%ld,%ld"), &rcExpected.left, &rcExpected.top,
                                      &rcExpected.right, &rcExpected.bottom) == 4;
        Report(m_nFailures, bParsed && rc == rcExpected, "the window is where it was left", TRUE);
    }
    // Closed as the close button does; the settings are written again.
    const HWND hFrame = pFrame->GetSafeHwnd();
    AfxGetApp()->m_pMainWnd = nullptr;
    pFrame->PostMessage(WM_CLOSE);
    Report(m_nFailures, PumpUntil([hFrame] { return !::IsWindow(hFrame); }, 5000) != FALSE,
           "the window closes", TRUE);
    printf("selftest: %s\n", m_nFailures ? "FAILED" : "ok");
    fflush(stdout);
    return FALSE;
}

namespace {

// The frame as it is on the screen, with whatever floats over it, as a PNG file.
void Shoot(CWnd* pFrame, const CString& strFolder, LPCTSTR lpszName) {
    pFrame->RedrawWindow(NULL, NULL,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpFor(300);  // the running transfer moves on and everything reaches the screen
    CRect rc;
    pFrame->GetWindowRect(&rc);
    CClientDC screen(NULL);
    CQVMemoryDC dc;
    dc.Create(rc.Width(), rc.Height());
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), &screen, rc.left, rc.top, SRCCOPY);
    CLSID clsid;
    CQVGdiplusImage::EnsureGdiplus();
    if (!QVGetPngEncoderClsid(&clsid)) return;
    Gdiplus::Bitmap image(dc.GetHBitmap(), nullptr);
    const CStringW strPath(strFolder + _T("\\") + lpszName);
    const BOOL bSaved = image.Save(strPath, &clsid, nullptr) == Gdiplus::Ok;
    printf("shots: %s %s\n", static_cast<const char*>(CStringA(lpszName)), bSaved ? "written" : "FAILED");
}

}  // namespace

BOOL CSelfTest::WriteShots() {
    auto* pFrame = new CMainFrame;
    AfxGetApp()->m_pMainWnd = pFrame;
    if (!pFrame->Create(NULL, ClientText(_T("IDS_CLIENT_TITLE")), WS_OVERLAPPEDWINDOW,
                        CRect(0, 0, 960, 660))) {
        m_nFailures = 1;
        return FALSE;
    }
    pFrame->ShowWindow(SW_SHOW);
    PumpPending();
    // A chat with a line each way, a message waiting from another contact and a file on its way.
    pFrame->OpenChat(1);
    pFrame->m_chat.Receive(1, ClientText(_T("IDS_CLIENT_U1")), ClientText(_T("IDS_CLIENT_MSG_IN")));
    pFrame->m_chat.m_input.SetWindowText(_T("Yes! At eight?"));
    pFrame->m_chat.SendLine();
    pFrame->SimulateMessage();
    const struct {
        LPCTSTR lpszSkin, lpszLanguage, lpszFile;
    } shots[] = {{_T("Default"), _T("en-US"), _T("client-default-en.png")},
                 {_T("Jade"), _T("en-US"), _T("client-jade-en.png")},
                 {_T("Jade"), _T("zh-CN"), _T("client-jade-zh.png")},
                 {_T("Default"), _T("zh-CN"), _T("client-default-zh.png")}};
    for (const auto& shot : shots) {
        pFrame->SwitchSkin(shot.lpszSkin);
        pFrame->SwitchLanguage(shot.lpszLanguage);
        pFrame->m_chat.SendFile(ID_SEND_FILE_LESSON);
        Shoot(pFrame, m_strShots, shot.lpszFile);
    }
    // The classic toolbar floating over the window, the lesson open beside it.
    CRect rc;
    pFrame->GetWindowRect(&rc);
    pFrame->FloatControlBar(&pFrame->m_classicBar, CPoint(rc.left + 420, rc.top + 300));
    pFrame->SendMessage(WM_COMMAND, ID_LESSON_OPEN);
    if (pFrame->m_lesson.GetSafeHwnd())
        pFrame->m_lesson.SetWindowPos(NULL, rc.left + 520, rc.top + 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Shoot(pFrame, m_strShots, _T("client-floating-toolbar.png"));
    pFrame->SwitchLanguage(_T("en-US"));
    pFrame->SwitchSkin(_T("Default"));
    AfxGetApp()->m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
    PumpPending();
    return FALSE;
}
