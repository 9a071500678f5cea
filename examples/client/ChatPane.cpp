#include "ChatPane.h"

#include <QVSkinResManager.h>

#include "ChatPaneLayout.h"
#include "ClientIds.h"
#include "ClientStyle.h"

namespace {

constexpr UINT kTransferTick = 100;  // ms: a tick of the stand-in network
constexpr int kPercentPerTick = 10;
constexpr int kTransfersHeight = 96;

GUID TransferId(unsigned long n) {
    GUID id = {0x5c11e000UL + n, 0x2b7d, 0x4c1a, {0x8e, 0x31, 0x0d, 0x5a, 0x00, 0x00, 0x00, 0x02}};
    return id;
}

}  // namespace

CString BesideProgram(LPCTSTR lpszFile) {
    TCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileName(NULL, szPath, MAX_PATH);
    CString str = szPath;
    return str.Left(str.ReverseFind(_T('\\')) + 1) + lpszFile;
}

BEGIN_MESSAGE_MAP(CInputBox, CQVEdit)
ON_WM_CHAR()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void CInputBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_RETURN && m_onEnter) {
        m_onEnter();
        return;
    }
    CQVEdit::OnChar(nChar, nRepCnt, nFlags);
}

UINT CInputBox::OnGetDlgCode() {
    return CQVEdit::OnGetDlgCode() | DLGC_WANTALLKEYS;
}

BEGIN_MESSAGE_MAP(CChatPane, CWnd)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_NOTIFY(QVDBN_CLICKED, IDC_CHAT_SEND_FILE, &CChatPane::OnSendFileClicked)
ON_MESSAGE(WM_QV_SKINCHANGED, &CChatPane::OnSkinChanged)
ON_MESSAGE(WM_QV_TRANSFERLINK, &CChatPane::OnTransferLink)
END_MESSAGE_MAP()

BOOL CChatPane::Create(CWnd* pParent, UINT nID) {
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T(""),
                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 400, 300), pParent, nID))
        return FALSE;
    m_font.CreatePointFont(90, ClientText(_T("IDS_DEF_FONT")));
    const CRect rc(0, 0, 10, 10);
    m_title.SetTransparent(TRUE);
    m_title.Create(_T(""), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_ENDELLIPSIS, rc, this, IDC_CHAT_TITLE);
    m_conversation.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                          rc, this, IDC_CHAT_CONVERSATION);
    m_transfers.Create(WS_CHILD | WS_VISIBLE, rc, this, IDC_CHAT_TRANSFERS);
    m_transfers.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    m_input.m_onEnter = [this]() { SendLine(); };
    m_input.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, rc,
                   this, IDC_CHAT_INPUT);
    m_input.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);  // the skin's border shows where to type
    LoadButtonImages();
    m_sendFile.Create(_T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 96, 24), this,
                      IDC_CHAT_SEND_FILE);
    for (CWnd* pWnd : {static_cast<CWnd*>(&m_title), static_cast<CWnd*>(&m_conversation),
                       static_cast<CWnd*>(&m_input), static_cast<CWnd*>(&m_sendFile)})
        pWnd->SetFont(&m_font);
    Translate();
    Layout();
    return TRUE;
}

// The main part is the skin's push button; the arrow part a strip shipped beside the program.
void CChatPane::LoadButtonImages() {
    const CString strSkin = CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath();
    m_sendFile.SetImages(strSkin + _T("Common\\Button\\PushBtn.bmp"), BesideProgram(_T("SendArrow.bmp")), 6,
                         6, TRUE, RGB(255, 0, 255));
}

void CChatPane::Translate() {
    CString strTitle = ClientText(_T("IDS_CLIENT_CHAT_NONE"));
    if (m_dwPartner)
        strTitle.Format(ClientText(_T("IDS_CLIENT_CHAT_WITH")),
                        static_cast<LPCTSTR>(ClientText(m_strPartnerKey)));
    m_title.SetWindowText(strTitle);
    m_sendFile.SetWindowText(ClientText(_T("IDS_CLIENT_SEND_FILE")));
    m_sendFile.Invalidate();
}

void CChatPane::OpenChat(DWORD dwContact, LPCTSTR lpszNameKey) {
    m_dwPartner = dwContact;
    m_strPartnerKey = lpszNameKey;
    Translate();
    ShowConversation();
    m_input.SetFocus();
}

void CChatPane::ShowConversation() {
    const auto it = m_conversations.find(m_dwPartner);
    m_conversation.SetWindowText(it == m_conversations.end() ? CString() : it->second);
    m_conversation.LineScroll(m_conversation.GetLineCount());
}

BOOL CChatPane::Receive(DWORD dwContact, const CString& strName, const CString& strText) {
    m_conversations[dwContact] += strName + _T(": ") + strText + _T("\r\n");
    if (dwContact != m_dwPartner) return FALSE;
    ShowConversation();
    return TRUE;
}

BOOL CChatPane::SendLine() {
    CString strLine;
    m_input.GetWindowText(strLine);
    strLine.Trim();
    if (!m_dwPartner || strLine.IsEmpty()) return FALSE;
    m_conversations[m_dwPartner] += ClientText(_T("IDS_CLIENT_CHAT_ME")) + _T(": ") + strLine + _T("\r\n");
    m_input.SetWindowText(_T(""));
    ShowConversation();
    return TRUE;
}

BOOL CChatPane::SendFile(UINT nFileCommand) {
    if (!m_dwPartner) return FALSE;
    const BOOL bWords = nFileCommand == ID_SEND_FILE_WORDS;
    const GUID id = TransferId(m_nNextTransfer++);
    const unsigned __int64 nSize = bWords ? 24 * 1024 : 3 * 1024 * 1024;
    m_transfers.AddItem(id, ClientText(bWords ? _T("IDS_CLIENT_FILE_WORDS") : _T("IDS_CLIENT_FILE_LESSON")),
                        nSize, TRUE, FALSE, FALSE);
    m_transfers.SetItemTransferType(id, QVTT_DIRECT);
    m_transfers.SetItemStatus(id, QVTFS_TRANSFERRING, _T(""));
    m_transfers.UpdateTransferProgress(id, 0, 0, 0.0f);
    SetTimer(kTransferTimer, kTransferTick, NULL);
    return TRUE;
}

// One tick of the stand-in network: every running row moves on; a row removed meanwhile is simply
// not there any more. The timer stops when nothing runs.
void CChatPane::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kTransferTimer) return CWnd::OnTimer(nIDEvent);
    BOOL bRunning = FALSE;
    for (int i = 0; i < m_transfers.GetItemCount(); ++i) {
        tagTransferFileItem* pItem = m_transfers.GetItem(i);
        if (!pItem || pItem->status != QVTFS_TRANSFERRING) continue;
        const int nPercent = std::min(100, pItem->nPercent + kPercentPerTick);
        const GUID id = pItem->id;
        if (nPercent >= 100) {
            m_transfers.SetItemStatus(id, QVTFS_FINISHED, _T(""));
        } else {
            m_transfers.UpdateTransferProgress(id, pItem->nFileSize * nPercent / 100, nPercent, 512.0f);
            bRunning = TRUE;
        }
    }
    if (!bRunning) KillTimer(kTransferTimer);
}

void CChatPane::OnSendFileClicked(NMHDR* pNotify, LRESULT* pResult) {
    *pResult = 0;
    const auto* pInfo = reinterpret_cast<const QVDROPDOWN_NOTIFY*>(pNotify);
    UINT nFile = ID_SEND_FILE_LESSON;
    if (pInfo->nMainPart == QVDBP_NONE) return;
    if (pInfo->nMainPart == QVDBP_ARROW) {
        // The arrow: which file, from a menu under the arrow.
        CMenu menu;
        if (!menu.LoadMenu(IDC_CHAT_SEND_FILE)) return;
        CMenu* pPopup = menu.GetSubMenu(0);
        TranslateMenuStrings(pPopup);
        nFile = pPopup->TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, pInfo->rcPart.left,
                                       pInfo->rcPart.bottom, this);
        if (!nFile) return;
    }
    GetParentFrame()->SendMessage(WM_COMMAND, nFile);
}

// A link of a transfer row. Cancel removes the row at once, also while the stand-in network's timer
// still runs for it: the next tick finds the row gone.
LRESULT CChatPane::OnTransferLink(WPARAM wParam, LPARAM lParam) {
    const auto* pItem = reinterpret_cast<const tagTransferFileItem*>(lParam);
    if (wParam != tagFileTransferListButton::BT_CANCEL || !pItem) return 0;
    CString strStatus;
    strStatus.Format(ClientText(_T("IDS_CLIENT_ST_CANCELLED")), static_cast<LPCTSTR>(pItem->strFileName));
    const GUID id = pItem->id;  // the row goes with its item
    m_transfers.DelItem(id);
    if (m_onStatus) m_onStatus(strStatus);
    return 1;
}

LRESULT CChatPane::OnSkinChanged(WPARAM, LPARAM) {
    LoadButtonImages();
    Layout();
    Invalidate();
    return 1;
}

void CChatPane::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    Layout();
}

void CChatPane::Layout() {
    if (!m_sendFile.GetSafeHwnd()) return;
    CRect rc;
    GetClientRect(&rc);
    const ChatPaneRects r = LayoutChatPane(rc, kTransfersHeight);
    m_title.MoveWindow(r.title);
    m_conversation.MoveWindow(r.conversation);
    m_transfers.MoveWindow(r.transfers);
    m_input.MoveWindow(r.input);
    CRect rcButton;
    m_sendFile.GetWindowRect(&rcButton);  // the button keeps the height of its picture
    m_sendFile.MoveWindow(r.sendFile.left, r.sendFile.top, r.sendFile.Width(), rcButton.Height());
}

BOOL CChatPane::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(rc, CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_clrClientBk);
    return TRUE;
}

void CChatPane::OnDestroy() {
    KillTimer(kTransferTimer);
    CWnd::OnDestroy();
}
