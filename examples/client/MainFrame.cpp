#include "MainFrame.h"

#include <QVLanResManager.h>

#include "ClientIds.h"
#include "ClientStyle.h"

namespace {

// The item toolbar's items: command, item type (0 a splitter, 1 a push button).
const struct {
    UINT nID;
    int nType;
} kItems[] = {{ID_LESSON_OPEN, 1},        {ID_WORDS_BOOK, 1},        {ID_LESSON_PLANNER, 1}, {0, 0},
              {ID_CONTACTS_SEND_FILE, 1}, {ID_CONTACTS_SIMULATE, 1}, {ID_HELP_ABOUT, 1}};

const LPCTSTR kLessonKeys[] = {_T("IDS_CLIENT_L1"), _T("IDS_CLIENT_L2"), _T("IDS_CLIENT_L3")};
const LPCTSTR kBookKeys[] = {_T("IDS_CLIENT_B1"), _T("IDS_CLIENT_B2")};
enum : DWORD { kLessonsFolder = 1, kBooksFolder = 2, kFriendsFolder = 3 };
constexpr UINT kWmStartStatus = WM_APP + 1;

}  // namespace

// ---- The item toolbar's pane ----

BEGIN_MESSAGE_MAP(CItemBarPane, CQVDockWnd)
ON_WM_SIZE()
ON_MESSAGE(WM_QV_SKINCHANGED, &CItemBarPane::OnSkinChanged)
END_MESSAGE_MAP()

BOOL CItemBarPane::Create(CMainFrame* pFrame, UINT nID) {
    m_pFrame = pFrame;
    if (!CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), nID)) return FALSE;
    if (!m_bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 28), this, 0)) return FALSE;
    SetFrames();
    for (const auto& item : kItems) {
        ToolBarPlus_ItemInfo info;
        info.nType = item.nType;
        info.nID = item.nID;
        info.nMask = TBPIF_SIZENORMAL | TBPIF_SIZESIMPLE;
        info.szNormal = info.szSimple = item.nType ? CSize(40, 24) : CSize(6, 24);
        info.bAutoWidth = item.nType != 0;
        if (item.nID) info.strText = info.strTooltip = CommandName(item.nID);
        m_bar.MethodAddItem(info);
    }
    m_bar.RecalcLayout();
    return TRUE;
}

void CItemBarPane::SetFrames() {
    m_bar.SetButtonRes(_T("Common\\Button\\ToolBarPlus_Button.png"));
    m_bar.SetMenuButtonRes(_T("Common\\Button\\ToolBarPlus_MenuButton.png"),
                           _T("Common\\Button\\ToolBarPlus_MenuArrowPart.png"));
}

void CItemBarPane::Translate() {
    for (const auto& item : kItems) {
        if (!item.nID) continue;
        ToolBarPlus_ItemInfo info;
        info.nID = item.nID;
        info.nMask = TBPIF_TEXT | TBPIF_TOOLTIP;
        info.strText = info.strTooltip = CommandName(item.nID);
        m_bar.MethodModifyItem(info);
    }
    m_bar.RecalcLayout();
    m_bar.Invalidate();
}

CSize CItemBarPane::CalcFixedLayout(BOOL, BOOL) {
    return CSize(520, 32);
}

CSize CItemBarPane::CalcDynamicLayout(int, DWORD) {
    return CSize(520, 32);
}

BOOL CItemBarPane::OnCommand(WPARAM wParam, LPARAM lParam) {
    // The toolbar's commands go to the main window, docked or floating.
    for (const auto& item : kItems) {
        if (m_pFrame && item.nID && item.nID == LOWORD(wParam)) {
            m_pFrame->PostMessage(WM_COMMAND, LOWORD(wParam));
            return TRUE;
        }
    }
    return CQVDockWnd::OnCommand(wParam, lParam);
}

void CItemBarPane::OnSize(UINT nType, int cx, int cy) {
    CQVDockWnd::OnSize(nType, cx, cy);
    if (m_bar.GetSafeHwnd()) m_bar.MoveWindow(2, 2, std::max(cx - 4, 0), std::max(cy - 4, 0));
}

LRESULT CItemBarPane::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    Default();
    (void)wParam;
    (void)lParam;
    SetFrames();
    m_bar.RecalcLayout();
    Invalidate();
    return 1;
}

// ---- The outlook bar ----

BEGIN_MESSAGE_MAP(COutlookPane, CQVDockOutlookBar)
ON_MESSAGE(WM_OUTBAR_NOTIFY, &COutlookPane::OnOutBarNotify)
END_MESSAGE_MAP()

BOOL COutlookPane::Create(CMainFrame* pFrame, UINT nID) {
    m_pFrame = pFrame;
    if (!CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_LEFT, CRect(0, 0, 0, 0), nID)) return FALSE;
    m_wndOutBar.ModifyFlag(0, QVOB_FIT_SMALL_LABELS, 0);  // lesson and book names shown whole
    if (!m_friends.Create(&m_wndOutBar, IDC_FRIENDS, 0x1)) return FALSE;
    Translate();
    return TRUE;
}

void COutlookPane::Translate() {
    const int nOpen = m_wndOutBar.GetFolderCount() ? m_wndOutBar.GetSelFolder() : 0;
    while (m_wndOutBar.GetFolderCount() > 0)
        m_wndOutBar.RemoveFolder(0);
    const int nLessons = m_wndOutBar.AddFolder(ClientText(_T("IDS_CLIENT_F_LESSONS")), kLessonsFolder);
    for (int i = 0; i < static_cast<int>(_countof(kLessonKeys)); ++i)
        m_wndOutBar.InsertItem(nLessons, i, ClientText(kLessonKeys[i]), -1, static_cast<DWORD>(i));
    const int nBooks = m_wndOutBar.AddFolder(ClientText(_T("IDS_CLIENT_F_WORDBOOKS")), kBooksFolder);
    for (int i = 0; i < static_cast<int>(_countof(kBookKeys)); ++i)
        m_wndOutBar.InsertItem(nBooks, i, ClientText(kBookKeys[i]), -1, static_cast<DWORD>(i));
    m_wndOutBar.AddFolderBar(ClientText(_T("IDS_CLIENT_F_FRIENDS")), &m_friends, kFriendsFolder);
    m_friends.Translate();
    m_wndOutBar.SetSelFolder(nOpen >= 0 && nOpen < 3 ? nOpen : 0);
    m_wndOutBar.Invalidate();
}

CSize COutlookPane::CalcDynamicLayout(int, DWORD nMode) {
    return (nMode & LM_HORZ) && !(nMode & LM_VERTDOCK) ? CSize(300, 220) : CSize(190, 32767);
}

LRESULT COutlookPane::OnOutBarNotify(WPARAM wParam, LPARAM) {
    // Every step the bar asks about goes ahead (1); a removed folder leaves its child window alone, so
    // the friends list outlives the folders made again after a language switch.
    if (wParam != OUTBAR_ITEM_CLICKED || !m_pFrame) return 1;
    const DWORD dwFolder = m_wndOutBar.GetFolderData(-1);
    if (dwFolder == kLessonsFolder) m_pFrame->PostMessage(WM_COMMAND, ID_LESSON_OPEN);
    if (dwFolder == kBooksFolder) m_pFrame->PostMessage(WM_COMMAND, ID_WORDS_BOOK);
    return 1;
}

// ---- The main window's behaviour ----

CString ClientMessage(LPCTSTR lpszKey, LPCTSTR lpszName, int nNumber) {
    CString str;
    str.Format(ClientText(lpszKey), lpszName, nNumber);
    return str;
}

CString MissingTextsMessage() {
    const int nMissing = CQVLanResManager::GetSingletonPtr()->GetMissingCount();
    return nMissing ? ClientMessage(_T("IDS_CLIENT_ST_HALF_LANGUAGE"), CurrentLanguageName(), nMissing)
                    : CString();
}

BEGIN_MESSAGE_MAP(CMainFrame, CSkinFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_COMMAND(ID_LESSON_OPEN, &CMainFrame::OnLessonOpen)
ON_COMMAND(ID_LESSON_PLANNER, &CMainFrame::OnPlanner)
ON_COMMAND(ID_LESSON_SETTINGS, &CMainFrame::OnSettings)
ON_COMMAND(ID_LESSON_EXIT, &CMainFrame::OnExit)
ON_COMMAND(ID_WORDS_BOOK, &CMainFrame::OnWordBook)
ON_COMMAND(ID_CONTACTS_CHAT, &CMainFrame::OnChat)
ON_COMMAND(ID_CONTACTS_SIMULATE, &CMainFrame::OnSimulate)
ON_COMMAND(ID_HELP_ABOUT, &CMainFrame::OnAbout)
ON_COMMAND(ID_HELP_GALLERY, &CMainFrame::OnGallery)
ON_MESSAGE(kWmStartStatus, &CMainFrame::OnStartStatus)
ON_COMMAND_RANGE(ID_SEND_FILE_LESSON, ID_SEND_FILE_WORDS, &CMainFrame::OnSendFile)
ON_COMMAND_RANGE(ID_CONTACTS_SEND_FILE, ID_CONTACTS_SEND_FILE, &CMainFrame::OnSendFile)
ON_COMMAND_RANGE(ID_SKIN_DEFAULT, ID_SKIN_JADE, &CMainFrame::OnSkin)
ON_COMMAND_RANGE(ID_LANGUAGE_ENGLISH, ID_LANGUAGE_CHINESE, &CMainFrame::OnLanguage)
ON_UPDATE_COMMAND_UI_RANGE(ID_SKIN_DEFAULT, ID_SKIN_JADE, &CMainFrame::OnUpdateSkin)
ON_UPDATE_COMMAND_UI_RANGE(ID_LANGUAGE_ENGLISH, ID_LANGUAGE_CHINESE, &CMainFrame::OnUpdateLanguage)
ON_COMMAND_EX_RANGE(ID_VIEW_OUTLOOK, ID_VIEW_ITEM_BAR, &CMainFrame::OnBarCheck)
ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_OUTLOOK, ID_VIEW_ITEM_BAR, &CMainFrame::OnUpdateControlBarMenu)
END_MESSAGE_MAP()

void CMainFrame::GetMessageString(UINT nID, CString& rMessage) const {
    CSkinFrameWnd::GetMessageString(nID, rMessage);
    rMessage = rMessage.SpanExcluding(_T("\n"));
}

void CMainFrame::ShowStatus(const CString& strText) {
    m_status.SetPaneText(0, strText);
}

void CMainFrame::ShowStartStatus(const CString& strText) {
    m_strStartStatus = strText;
    PostMessage(kWmStartStatus);
}

LRESULT CMainFrame::OnStartStatus(WPARAM, LPARAM) {
    ShowStatus(m_strStartStatus);
    return 0;
}

void CMainFrame::LoadToolImages() {
    UINT ids[QVTBI_COUNT] = {};
    ids[QVTBI_PLAY] = ID_LESSON_OPEN;
    ids[QVTBI_SPEED] = ID_WORDS_BOOK;
    ids[QVTBI_LOOP] = ID_LESSON_PLANNER;
    ids[QVTBI_RECORD] = ID_CONTACTS_SEND_FILE;
    ids[QVTBI_UK] = ID_CONTACTS_SIMULATE;
    ids[QVTBI_US] = ID_SKIN_JADE;
    if (!QVLoadSkinToolBarImages(m_toolImages, ids))
        ShowStatus(ClientMessage(_T("IDS_CLIENT_ST_NO_SKIN"), CurrentSkinName()));
}

// Every text of the window again from the current language.
void CMainFrame::Translate() {
    SetWindowText(ClientText(_T("IDS_CLIENT_TITLE")));
    m_classicBar.LoadToolBar(IDR_MAINFRAME);
    for (int i = 0; i < m_classicBar.GetItemCount(); ++i)
        m_classicBar.SetItemText(i, _T(""));  // pictures alone; the short name is the tooltip
    m_classicBar.ReCalcToolBar();
    // Bar titles: the captions of their floating frames.
    m_classicBar.SetWindowText(ClientText(_T("IDS_CLIENT_BAR_TOOLS")));
    m_itemBar.SetWindowText(ClientText(_T("IDS_CLIENT_BAR_STUDY")));
    m_outlook.SetWindowText(ClientText(_T("IDS_CLIENT_BAR_FOLDERS")));
    for (CQVControlBar* pBar :
         {static_cast<CQVControlBar*>(&m_classicBar), static_cast<CQVControlBar*>(&m_itemBar),
          static_cast<CQVControlBar*>(&m_outlook)})
        if (pBar->IsFloating()) pBar->GetParentFrame()->RecalcLayout();
    m_itemBar.Translate();
    m_outlook.Translate();
    m_contacts.Translate();
    m_chat.Translate();
    ShowStatus(ClientText(_T("IDS_CLIENT_READY")));
    CString strSkin;
    strSkin.Format(ClientText(_T("IDS_CLIENT_ST_SKIN")), static_cast<LPCTSTR>(CurrentSkinName()));
    m_status.SetPaneText(1, strSkin);
    m_status.SetPaneText(2, ClientText(_T("IDS_LANGUAGE_NAME")));
    RecalcLayout();
}

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg) {
    return m_menuBar.ProcessPreTranslateMessage(pMsg) || CSkinFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = CSkinFrameWnd::WindowProc(message, wParam, lParam);
    if (message == WM_QV_LANCHANGED && m_status.GetSafeHwnd()) Translate();
    if (message == WM_QV_SKINCHANGED && m_status.GetSafeHwnd()) {
        LoadToolImages();
        CString strSkin;
        strSkin.Format(ClientText(_T("IDS_CLIENT_ST_SKIN")), static_cast<LPCTSTR>(CurrentSkinName()));
        m_status.SetPaneText(1, strSkin);
        RecalcLayout();
    }
    return lResult;
}

void CMainFrame::OpenChat(DWORD dwContact) {
    const ContactEntry* pContact = FindContact(dwContact);
    if (!pContact) return;
    m_chat.OpenChat(dwContact, pContact->lpszName);
    m_contacts.Flash(dwContact, FALSE);
    m_outlook.m_friends.Flash(dwContact, FALSE);
    if (m_dwWaiting == dwContact) m_dwWaiting = 0;
}

void CMainFrame::SimulateMessage() {
    const ContactEntry* pContact = FindContact(kMessagingContact);
    const CString strName = ClientText(pContact->lpszName);
    if (m_chat.Receive(kMessagingContact, strName, ClientText(_T("IDS_CLIENT_MSG_IN")))) return;
    m_dwWaiting = kMessagingContact;
    m_contacts.Flash(kMessagingContact, TRUE);
    m_outlook.m_friends.Flash(kMessagingContact, TRUE);
    CString strStatus;
    strStatus.Format(ClientText(_T("IDS_CLIENT_ST_MESSAGE")), static_cast<LPCTSTR>(strName));
    ShowStatus(strStatus);
}

BOOL CMainFrame::SwitchSkin(LPCTSTR lpszName) {
    if (ApplySkin(lpszName)) {
        // The bars' check marks follow the new skin now, so that the redraw the switch asked for paints
        // them; the idle update would paint their buttons a second time.
        SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        return TRUE;
    }
    ShowStatus(ClientMessage(_T("IDS_CLIENT_ST_NO_SKIN"), lpszName));
    return FALSE;
}

BOOL CMainFrame::SwitchLanguage(LPCTSTR lpszName) {
    if (!ApplyLanguage(lpszName)) {
        ShowStatus(ClientMessage(_T("IDS_CLIENT_ST_NO_LANGUAGE"), lpszName));
        return FALSE;
    }
    // A language that lacks texts still loads; the user is told that some stay in English.
    const CString strMissing = MissingTextsMessage();
    if (!strMissing.IsEmpty()) ShowStatus(strMissing);
    return TRUE;
}

template <class TRun>
void CMainFrame::RunModal(TRun run) {
    ++m_nModal;
    run();
    if (--m_nModal == 0 && m_bCloseAfterModal) PostMessage(WM_CLOSE);
}

void CMainFrame::OnClose() {
    // A modal dialog or message box open over the window ends first, as its close button does; the
    // window closes once the dialog's loop has returned, never under it.
    if (m_nModal) {
        m_bCloseAfterModal = TRUE;
        const HWND hModal = ::GetLastActivePopup(m_hWnd);
        if (hModal && hModal != m_hWnd) ::PostMessage(hModal, WM_CLOSE, 0, 0);
        return;
    }
    // The skin and the language of this run, for the next one.
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->WriteProfileString(_T("Look"), _T("Skin"), CurrentSkinName());
        pApp->WriteProfileString(_T("Look"), _T("Language"), CurrentLanguageName());
    }
    // The bars and the window's place, restored by the next start.
    SaveBarState(_T("Bars"));
    QVSaveWindowPlacement(this, _T("Window"));
    for (CClientDialog* pDlg :
         {static_cast<CClientDialog*>(&m_lesson), static_cast<CClientDialog*>(&m_wordBook)})
        if (pDlg->GetSafeHwnd()) pDlg->DestroyWindow();
    CSkinFrameWnd::OnClose();
}

void CMainFrame::OnLessonOpen() {
    m_lesson.Open(IDD_LESSON, this);
}

void CMainFrame::OnPlanner() {
    RunModal([this] {
        CPlannerDialog dlg(this);
        dlg.DoModal();
    });
}

void CMainFrame::OnSettings() {
    RunModal([this] {
        CSettingsDialog dlg(this);
        dlg.DoModal();
    });
}

void CMainFrame::OnExit() {
    PostMessage(WM_CLOSE);
}

void CMainFrame::OnWordBook() {
    m_wordBook.Open(IDD_WORDBOOK, this);
}

void CMainFrame::OnChat() {
    OpenChat(m_dwWaiting ? m_dwWaiting : m_chat.GetPartner() ? m_chat.GetPartner() : 1);
}

void CMainFrame::OnSendFile(UINT nID) {
    if (!m_chat.SendFile(nID == ID_SEND_FILE_WORDS ? ID_SEND_FILE_WORDS : ID_SEND_FILE_LESSON))
        ShowStatus(ClientText(_T("IDS_CLIENT_ST_NO_CHAT")));
}

void CMainFrame::OnSimulate() {
    SimulateMessage();
}

void CMainFrame::OnSkin(UINT nID) {
    SwitchSkin(nID == ID_SKIN_JADE ? _T("Jade") : _T("Default"));
}

void CMainFrame::OnLanguage(UINT nID) {
    SwitchLanguage(nID == ID_LANGUAGE_CHINESE ? _T("zh-CN") : _T("en-US"));
}

void CMainFrame::OnAbout() {
    RunModal([this] {
        QVMessageBox(this, ClientText(_T("IDS_CLIENT_ABOUT_TEXT")), ClientText(_T("IDS_CLIENT_ABOUT_TITLE")),
                     MB_OK | MB_ICONINFORMATION);
    });
}

// The gallery shows each control on its own; it ships beside the client.
void CMainFrame::OnGallery() {
    const CString strGallery = BesideProgram(_T("gallery.exe"));
    STARTUPINFO si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    CString strCommand = _T("\"") + strGallery + _T("\"");
    if (::GetFileAttributes(strGallery) == INVALID_FILE_ATTRIBUTES ||
        !::CreateProcess(strGallery, strCommand.GetBuffer(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        ShowStatus(ClientMessage(_T("IDS_CLIENT_ST_NO_GALLERY"), strGallery));
        return;
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

void CMainFrame::OnUpdateSkin(CCmdUI* pCmdUI) {
    const CString strSkin = pCmdUI->m_nID == ID_SKIN_JADE ? _T("Jade") : _T("Default");
    pCmdUI->SetRadio(strSkin.CompareNoCase(CurrentSkinName()) == 0);
}

void CMainFrame::OnUpdateLanguage(CCmdUI* pCmdUI) {
    const CString strLanguage = pCmdUI->m_nID == ID_LANGUAGE_CHINESE ? _T("zh-CN") : _T("en-US");
    pCmdUI->SetRadio(strLanguage.CompareNoCase(CurrentLanguageName()) == 0);
}
