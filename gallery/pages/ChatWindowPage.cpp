// The chat window page: a skinned dialog divided by split windows. The contact list sits in the left
// panel of a side-by-side split; the right panel holds a stacked split with the conversation above
// and the input box below (its height fixed). A layout control keeps the Send and Close buttons at
// the bottom right. The screenshot is taken mid-drag: the bar between conversation and input box is
// held and its ghost pulled 60 pixels up, over the conversation.
#include "../GalleryPage.h"

#include <RIZuruzezu.h>
#include <QVLanResManager.h>

namespace {

CString Text(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

const LPCTSTR kGroupKeys[] = {_T("IDS_GALLERY_IM_G_FRIENDS"), _T("IDS_GALLERY_IM_G_CLASSMATES"),
                              _T("IDS_GALLERY_IM_G_TEACHERS")};
struct Contact {
    LPCTSTR lpszName, lpszSignature;
    WORD wPicture;
    IMUserStatus nStatus;
};
const Contact kFriends[] = {
    {_T("IDS_GALLERY_IM_U01"), _T("IDS_GALLERY_IM_S01"), 0, IMUS_ONLINE},
    {_T("IDS_GALLERY_IM_U02"), _T("IDS_GALLERY_IM_S02"), 1, IMUS_BUSY},
    {_T("IDS_GALLERY_IM_U03"), _T("IDS_GALLERY_IM_S03"), 2, IMUS_ONLINE},
    {_T("IDS_GALLERY_IM_U04"), _T("IDS_GALLERY_IM_S04"), 3, IMUS_OFFLINE},
    {_T("IDS_GALLERY_IM_U05"), _T("IDS_GALLERY_IM_S05"), 4, IMUS_ONLINE},
};
const LPCTSTR kTranscriptKeys[] = {_T("IDS_GALLERY_CHAT_L1"), _T("IDS_GALLERY_CHAT_L2"),
                                   _T("IDS_GALLERY_CHAT_L3"), _T("IDS_GALLERY_CHAT_L4"),
                                   _T("IDS_GALLERY_CHAT_L5")};

// The right panel of the outer split: a white area that passes skin changes on to the split inside it
// and gives it a background to show between its frames.
class CChatPane : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ERASEBKGND) {
            CRect rc;
            GetClientRect(&rc);
            ::FillRect(reinterpret_cast<HDC>(wParam), &rc,
                       static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
            return 1;
        }
        if (message == WM_QV_SKINCHANGED) {
            for (CWnd* pChild = GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT))
                if (pChild->SendMessage(message, wParam, lParam)) pChild->Invalidate();
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class CChatDlg : public CSkinDialog {
public:
    BOOL CreateOver(CWnd* pOwner) {
        m_template = GalleryEmptyDialogTemplate(420, 300);
        if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), pOwner)) return FALSE;
        SetWindowText(_T("~IDS_GALLERY_CHAT_TITLE"));
        TranslateWndStrings(this);
        return TRUE;
    }

    // Holds the bar between conversation and input box and pulls the ghost up, as a user's press and
    // move do: the pointer is placed first so that the cursor query finds it in the bar.
    void BeginDragForShot() {
        const CRect rcBar = m_talk.GetBarRect();
        CPoint pt(rcBar.left + 40, rcBar.top + 2), ptScreen = pt;
        m_talk.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        PumpPending();
        m_talk.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_talk.m_hWnd),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        m_talk.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_talk.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y - 60));
        // The ghost is in the window's surface; an idle wait of the queue shows it on the screen.
        ::GdiFlush();
        PumpPending();
        ::Sleep(100);
        PumpPending();
    }
    // Lets go where the drag began: the conversation keeps its size.
    void EndDragAfterShot() {
        const int nPos = m_talk.GetSplitPos();
        if (::GetCapture() == m_talk.m_hWnd) ::ReleaseCapture();
        m_talk.SetSplitPos(nPos);
        PumpPending();
    }

protected:
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        SetWindowPos(NULL, 0, 0, 660, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rc;
        GetClientRect(&rc);
        const CRect rcSplit(rc.left, rc.top, rc.right, rc.bottom - 40);
        m_font.CreatePointFont(90, Text(_T("IDS_DEF_FONT")));

        m_contacts.CreateEx(0, NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, 1601);
        FillContacts();
        m_pane.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T(""),
                        WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, 1602);
        m_talk.Create(WS_VISIBLE, CRect(0, 0, 400, 380), &m_pane, 1603);
        m_transcript.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                            CRect(0, 0, 10, 10), &m_talk, 1604);
        m_input.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, CRect(0, 0, 10, 10), &m_talk,
                       1605);
        CString strTranscript;
        for (LPCTSTR lpszKey : kTranscriptKeys)
            strTranscript += Text(lpszKey) + _T("\r\n");
        m_transcript.SetWindowText(strTranscript);
        m_input.SetWindowText(Text(_T("IDS_GALLERY_CHAT_DRAFT")));
        for (CWnd* pEdit : {static_cast<CWnd*>(&m_transcript), static_cast<CWnd*>(&m_input)})
            pEdit->SetFont(&m_font);

        // Outer: contact list 190 pixels wide beside the pane; inner: the input box 90 pixels high.
        m_split.Create(WS_VISIBLE, rcSplit, this, 1600);
        m_split.SetPanels(&m_contacts, &m_pane, FALSE, FALSE);
        m_split.SetPanelMinSize(150, 200);
        m_split.SetSplitPos(190);
        CRect rcPane;
        m_pane.GetClientRect(&rcPane);
        m_talk.MoveWindow(&rcPane);
        m_talk.SetPanels(&m_transcript, &m_input, TRUE, TRUE);
        m_talk.SetPanelMinSize(80, 50);
        m_talk.SetSplitPos(90);

        m_send.Create(_T("~IDS_GALLERY_CHAT_SEND"), WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                      CRect(rc.right - 180, rc.bottom - 32, rc.right - 96, rc.bottom - 8), this, IDOK);
        m_close.Create(_T("~IDS_GALLERY_CHAT_CLOSE"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                       CRect(rc.right - 88, rc.bottom - 32, rc.right - 8, rc.bottom - 8), this, IDCANCEL);
        // The buttons follow the bottom right corner, the splits fill the rest, as the window grows.
        m_buttons.Initialize(this, SizeTypeMoved, SizeTypeMoved);
        m_buttons.AddCtrl(IDOK);
        m_buttons.AddCtrl(IDCANCEL);
        m_buttons.InitLayout(rc);
        m_area.Initialize(this, SizeTypeStretched, SizeTypeStretched);
        m_area.AddCtrl(&m_split);
        m_area.InitLayout(rc);
        TranslateWndStrings(this);
        return TRUE;
    }
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT lResult = CSkinDialog::WindowProc(message, wParam, lParam);
        if (message == WM_SIZE && m_buttons.GetCtrlCount()) {
            const CRect rc(0, 0, LOWORD(lParam), HIWORD(lParam));
            m_buttons.LayoutCtrls(rc);
            m_area.LayoutCtrls(rc);
            CRect rcPane;
            m_pane.GetClientRect(&rcPane);
            m_talk.MoveWindow(&rcPane);
        }
        return lResult;
    }

private:
    void FillContacts() {
        for (LPCTSTR lpszKey : kGroupKeys)
            m_contacts.AddGroup(Text(lpszKey), 0);
        CIMGroupButton* pFriends = m_contacts.GetGroup(0);
        CIMListTeamItem* pTeam =
            pFriends ? m_contacts.AddTeam(Text(_T("IDS_GALLERY_IM_T_BEST")), pFriends, 0) : NULL;
        if (!pTeam) return;
        pTeam->Expand(1);
        for (size_t i = 0; i < _countof(kFriends); ++i)
            m_contacts.AddUser(static_cast<DWORD>(2001 + i), Text(kFriends[i].lpszName),
                               Text(kFriends[i].lpszSignature), kFriends[i].wPicture, kFriends[i].nStatus,
                               pTeam, 0);
        m_contacts.SetCurrentGroup(0, 0);
        m_contacts.RedrawCurrentGroup();
    }
    static void PumpPending() {
        MSG msg;
        while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }

    std::vector<WORD> m_template;
    CFont m_font;
    CIMListWnd m_contacts;
    CChatPane m_pane;
    CQVSplitWnd m_split, m_talk;
    CQVEdit m_transcript, m_input;
    CQVButton m_send, m_close;
    CQVLayoutCtrl m_buttons, m_area;
};

class CChatWindowPage : public CGalleryDialogPage<CChatDlg> {
public:
    CChatWindowPage()
        : CGalleryDialogPage(
              _T("chat-window"), _T("Chat window"),
              L"\x804a\x5929\x7a97\x53e3\xff1a\x62d6\x52a8\x5206\x9694\x6761\x8c03\x6574\x5404\x533a"
              L"\x5927\x5c0f",
              L"A chat window: drag the bars to size the contact list, conversation and input box") {}

    HBITMAP Shoot(const std::function<HBITMAP()>& capture) override {
        m_dialog.RedrawWindow(NULL, NULL,
                              RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_dialog.BeginDragForShot();
        HBITMAP hShot = capture();
        m_dialog.EndDragAfterShot();
        return hShot;
    }
};

}  // namespace

REGISTER_GALLERY_PAGE(CChatWindowPage);
