#include "SelfTest.h"

#include <RIZuruzezu.h>
#include <QVImageEncoder.h>
#include <QVMemoryDC.h>
#include <QVLanResManager.h>

#include <gdiplus.h>
#include <stdio.h>

#include <functional>

#include "ClientIds.h"
#include "ClientStyle.h"
#include "MainFrame.h"

namespace {

constexpr DWORD kWatchdogMs = 100000;

DWORD WINAPI Watchdog(LPVOID) {
    ::Sleep(kWatchdogMs);
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

// A modal dialog or message box that opens from a posted command: its caption is noted and the box is
// closed, as the title bar's close button does, from a timer that fires inside its loop.
CString g_strModalCaption;
void CALLBACK CloseModal(HWND, UINT, UINT_PTR nTimer, DWORD) {
    HWND hActive = ::GetActiveWindow();
    TCHAR szClass[16] = {};
    if (hActive) ::GetClassName(hActive, szClass, 16);
    if (lstrcmp(szClass, _T("#32770")) != 0) return;
    ::KillTimer(NULL, nTimer);
    CWnd::FromHandle(hActive)->GetWindowText(g_strModalCaption);
    ::PostMessage(hActive, WM_CLOSE, 0, 0);
}

CString RunModalCommand(CWnd* pFrame, UINT nCommand) {
    g_strModalCaption.Empty();
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, &CloseModal);
    pFrame->SendMessage(WM_COMMAND, nCommand);  // returns when the box has closed
    ::KillTimer(NULL, nTimer);
    return g_strModalCaption;
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
        SendFile();
        ReceiveMessage();
        FloatAndDockToolbar();
        SwitchSkinAndLanguage();
        OpenDialogs();

        // Quit, as the title bar's close button does.
        // Not the main window any more, so that its end does not end the process's message loop.
        const HWND hFrame = pFrame->GetSafeHwnd();
        pApp->m_pMainWnd = nullptr;
        pFrame->PostMessage(WM_CLOSE);
        Check(PumpUntil([hFrame] { return !::IsWindow(hFrame); }, 5000) != FALSE, "the window closes");
        pApp->m_pMainWnd = nullptr;
        PumpPending();
        return TRUE;
    }

private:
    void Check(bool bOk, const char* lpszWhat) {
        if (!bOk) ++m_rFailures;
        if (!bOk || m_bReport) printf("selftest: %s %s\n", bOk ? "ok  " : "FAILED", lpszWhat);
        fflush(stdout);
    }

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

    void FloatAndDockToolbar() {
        // A double click on the bar's grip floats it; one on the floating frame's caption docks it back.
        CQVDockToolBar& bar = m_pFrame->m_classicBar;
        PostClick(&bar, CPoint(3, 8), TRUE);
        PumpPending();
        const BOOL bFloated = bar.IsFloating();
        Check(bFloated != FALSE, "a double click on the classic toolbar's grip floats it");
        if (bFloated) {
            m_pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
            m_pFrame->RecalcLayout();
            PumpPending();
        }
        Check(!bar.IsFloating(), "the classic toolbar docks back at the top");
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

    int& m_rFailures;
    BOOL m_bReport = FALSE;
    CMainFrame* m_pFrame = nullptr;
};

}  // namespace

BOOL CSelfTest::Run() {
    ::CreateThread(NULL, 0, &Watchdog, NULL, 0, NULL);
    if (!m_strShots.IsEmpty()) return WriteShots();
    CRound round(m_nFailures);
    round.Run(TRUE);
    PumpPending();
    const int nGdi = QVCountGdiObjects(), nWindows = QVCountThreadWindows();
    for (int i = 1; i < m_nRounds; ++i)
        round.Run(FALSE);
    PumpPending();
    const int nGdiDelta = QVCountGdiObjects() - nGdi, nWindowDelta = QVCountThreadWindows() - nWindows;
    printf("selftest: %d more rounds left %d GDI objects and %d windows behind\n", m_nRounds - 1, nGdiDelta,
           nWindowDelta);
    if (nGdiDelta != 0 || nWindowDelta != 0) ++m_nFailures;
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
