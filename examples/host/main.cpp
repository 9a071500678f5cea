// An outside program using the package: a console host with no application object, as the framework
// allows after AfxWinInit. It draws into a memory bitmap, runs a window with a message map and a modal
// dialog from an in-memory template, runs a skinned dialog and a skinned message box with their input
// posted, shows a skinned button in the default skin, switches the whole process to the second skin as a
// client does, runs the two windowless-object hosts (a notification strip clicked by posted mouse
// messages, an ad player driven by timer messages), clicks an item of an outlook bar with posted mouse
// messages, derives a contact list, fills it and clicks and double-clicks a user with posted mouse
// messages, clicks a drop-down button's arrow and an animation button with posted mouse messages, and
// checks what came back.
#include <afxwin.h>

#include <RIZuruzezu.h>
#include <QVSkinResManager.h>

#include <stdio.h>

#include <utility>
#include <vector>

namespace {

// A window that counts the clicks its message map receives.
class CClickWnd : public CWnd {
public:
    int m_nClicks = 0;
    CPoint m_ptLast;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
        ++m_nClicks;
        m_ptLast = point;
        CWnd::OnLButtonDown(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickWnd, CWnd)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// A dialog that accepts itself as soon as it starts: the OK command is posted before its modal loop runs.
class CAutoOkDialog : public CDialog {
public:
    BOOL m_bInitialized = FALSE;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_bInitialized = TRUE;
        PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }
};

// An in-memory dialog template: a caption and one OK button.
std::vector<WORD> MakeTemplate() {
    std::vector<WORD> t(64, 0);
    auto* dlg = reinterpret_cast<DLGTEMPLATE*>(t.data());
    dlg->style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    dlg->cdit = 1;
    dlg->cx = 120;
    dlg->cy = 60;
    size_t i = sizeof(DLGTEMPLATE) / sizeof(WORD);
    t[i++] = 0;      // no menu
    t[i++] = 0;      // default class
    t[i++] = 0;      // no title
    if (i % 2) ++i;  // items start on a DWORD boundary
    auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(t.data() + i);
    item->style = WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON;
    item->x = 35;
    item->y = 35;
    item->cx = 50;
    item->cy = 14;
    item->id = IDOK;
    i += sizeof(DLGITEMTEMPLATE) / sizeof(WORD);
    t[i++] = 0xFFFF;
    t[i++] = 0x0080;  // button class
    t[i++] = 'O';
    t[i++] = 'K';
    t[i++] = 0;
    t[i++] = 0;  // no creation data
    return t;
}

// A skinned dialog on the same template: it grows by the skin frame and accepts itself.
class CAutoOkSkinDialog : public CSkinDialog {
public:
    BOOL m_bInitialized = FALSE;
    CSize m_sizeAdded;

protected:
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        m_bInitialized = TRUE;
        m_sizeAdded = GetSizeAdded();
        PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }
};

// Clicks the second button ("No") of the message box that is running: from a timer, which fires inside
// the box's modal loop.
void CALLBACK ClickNoInMessageBox(HWND, UINT, UINT_PTR nTimer, DWORD) {
    HWND hBox = ::GetActiveWindow();
    if (hBox && ::GetDlgItem(hBox, 4000)) {
        ::KillTimer(NULL, nTimer);
        ::PostMessage(hBox, WM_COMMAND, MAKEWPARAM(4000, BN_CLICKED),
                      reinterpret_cast<LPARAM>(::GetDlgItem(hBox, 4000)));
    }
}

bool SkinnedDialogAndMessageBox(const std::vector<WORD>& dlgTemplate) {
    CAutoOkSkinDialog dlg;
    dlg.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(dlgTemplate.data()));
    const bool dialog = dlg.DoModal() == IDOK && dlg.m_bInitialized;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, &ClickNoInMessageBox);
    const int nResult = QVMessageBox(NULL, _T("Save your progress before closing?"), _T("Lesson 3"),
                                     MB_YESNO | MB_ICONQUESTION);
    ::KillTimer(NULL, nTimer);
    printf("host: skinned dialog %s (grown by %d x %d), message box answered %d\n", dialog ? "ok" : "failed",
           static_cast<int>(dlg.m_sizeAdded.cx), static_cast<int>(dlg.m_sizeAdded.cy), nResult);
    return dialog && nResult == IDNO;
}

// A push button drawn from the default skin: it takes the skin's push-button height, and after the
// switch to the second skin (load, then the skin-changed message) it takes that skin's height.
bool SkinnedButtonFollowsTheSkin() {
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    if (pSkins->GetSkinsTotal() < 2 || pSkins->GetCurrentSkinkID() != 0) {
        printf("host: the shipped skins were not found beside the DLLs\n");
        return false;
    }
    CWnd parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), _T("skinned"), WS_POPUP, CRect(0, 0, 300, 100), NULL, 0))
        return false;
    CQVButton button;
    button.Create(_T("Send file"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 110, 40), &parent,
                  100);
    CRect rc;
    button.GetWindowRect(&rc);
    const int nDefaultHeight = pSkins->GetBtnRes()->m_nPushBtnHeight;
    bool ok = button.GetButtonType() == QVBT_IMAGE_TEXT && rc.Height() == nDefaultHeight;
    parent.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    ok = ok && pSkins->LoadSkin(pSkins->GetSkinFolder(1)) && pSkins->GetCurrentSkinkID() == 1;
    button.SendMessage(WM_QV_SKINCHANGED);
    button.GetWindowRect(&rc);
    const int nSecondHeight = pSkins->GetBtnRes()->m_nPushBtnHeight;
    ok = ok && nSecondHeight != nDefaultHeight && rc.Height() == nSecondHeight;
    parent.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    printf("host: button %d px high in %s, %d px in %s\n", nDefaultHeight, "the default skin", rc.Height(),
           "the second skin");
    parent.DestroyWindow();
    return ok;
}

// The parent of a notification strip: records the strip's messages (WM_QV_NOTIFYCTRL, 2538).
class CStripParent : public CWnd {
public:
    std::vector<std::pair<WPARAM, LPARAM>> m_received;

protected:
    afx_msg LRESULT OnStripNotify(WPARAM wParam, LPARAM lParam) {
        m_received.emplace_back(wParam, lParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStripParent, CWnd)
ON_MESSAGE(WM_QV_NOTIFYCTRL, &CStripParent::OnStripNotify)
END_MESSAGE_MAP()

// Addresses the objects open are recorded here: no browser starts.
CString g_strOpened;

HINSTANCE RecordOpen(HWND, LPCTSTR, LPCTSTR lpszFile, LPCTSTR lpszParameters, LPCTSTR, INT) {
    g_strOpened = (lpszParameters && *lpszParameters) ? lpszParameters : lpszFile;
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

void PumpPending() {
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// Both hosts of windowless objects in one hidden parent: a click on the strip's link, posted as mouse
// messages, comes back as 2538 with wParam 1 and the strip's data (posted by the strip); a pause timer
// message and then one animation tick sent to the player move its tiles up by one pixel.
bool WindowlessHosts() {
    const QVUIShellExecuteFunc pfnOld = QVUISetShellExecute(&RecordOpen);
    CStripParent parent;
    bool ok = parent.CreateEx(0, AfxRegisterWndClass(0), _T("windowless"), WS_POPUP, CRect(0, 0, 520, 400),
                              NULL, 0) != FALSE;
    CQVUINotifyCtrl strip;
    strip.SetNotify(_T("Version 3.2 is ready: download now"), _T("http://study.example/download"), 32, FALSE);
    ok = ok && strip.CreateEx(0, AfxRegisterWndClass(0), _T("strip"), WS_CHILD | WS_VISIBLE,
                              CRect(0, 0, 400, 24), &parent, 1);
    CQVImageAdPlayer player;
    ok = ok && player.CreateEx(0, AfxRegisterWndClass(0), _T("shop"), WS_CHILD | WS_VISIBLE,
                               CRect(0, 30, 500, 336), &parent, 2);
    if (ok) {
        // The link starts at x = 24, after the icon.
        strip.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(40, 10));
        strip.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 10));
        strip.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(40, 10));
        PumpPending();
    }
    const bool clicked = parent.m_received.size() == 1 && parent.m_received[0].first == QVNC_LINK_CLICKED &&
                         parent.m_received[0].second == 32 &&
                         g_strOpened == _T("http://study.example/download");

    // Twelve goods at width 500 make three rows of four; two rows fit, so the player scrolls.
    int nTopBefore = 0, nTopAfter = 0;
    if (ok) {
        for (int i = 0; i < 12; ++i) {
            CQVImageAdPlayer::Goods goods;
            goods.strName.Format(_T("Course Book %d"), i + 1);
            goods.strPrice = _T("36.00");
            goods.strUrl.Format(_T("http://study.example/shop/%d"), i + 1);
            player.AddGoods(goods);
        }
        ok = player.StartScroll() != FALSE;
        nTopBefore = player.GetChild(0)->GetObjectRect().top;
        player.SendMessage(WM_TIMER, QVIAP_TIMER_PAUSE);   // the pause ends: the animation starts
        player.SendMessage(WM_TIMER, QVIAP_TIMER_SCROLL);  // its first tick moves one pixel
        nTopAfter = player.GetChild(0)->GetObjectRect().top;
    }
    const bool scrolled = ok && player.GetRowCount() == 3 && nTopAfter == nTopBefore - 1;

    unsigned nMessage = 0, nData = 0;
    if (!parent.m_received.empty()) {
        nMessage = static_cast<unsigned>(parent.m_received[0].first);
        nData = static_cast<unsigned>(parent.m_received[0].second);
    }
    printf(
        "host: strip posted %u message(s) %u (wParam %u, lParam %u) and opened %s; player tile top %d -> %d "
        "after a timer tick\n",
        static_cast<unsigned>(parent.m_received.size()), static_cast<unsigned>(WM_QV_NOTIFYCTRL), nMessage,
        nData, static_cast<const char*>(CStringA(g_strOpened)), nTopBefore, nTopAfter);
    if (player.GetSafeHwnd()) player.DestroyWindow();
    if (strip.GetSafeHwnd()) strip.DestroyWindow();
    if (parent.GetSafeHwnd()) parent.DestroyWindow();
    QVUISetShellExecute(pfnOld);
    return ok && clicked && scrolled;
}

// The owner of an outlook bar: records the bar's notifications (WM_OUTBAR_NOTIFY) and lets every step
// happen.
class CBarOwner : public CWnd {
public:
    std::vector<int> m_codes;
    int m_nClickedIndex = -1;
    CString m_strClicked;

protected:
    afx_msg LRESULT OnOutBarNotify(WPARAM wParam, LPARAM lParam) {
        m_codes.push_back(static_cast<int>(wParam));
        const auto* pInfo = reinterpret_cast<const OUTBAR_NOTIFY_INFO*>(lParam);
        if (wParam == OUTBAR_ITEM_CLICKED && pInfo) {
            m_nClickedIndex = pInfo->nIndex;
            m_strClicked = pInfo->lpszText ? pInfo->lpszText : _T("");
        }
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarOwner, CWnd)
ON_MESSAGE(WM_OUTBAR_NOTIFY, &CBarOwner::OnOutBarNotify)
END_MESSAGE_MAP()

// An outlook bar on a parent window: a left click posted on the second item's icon (press and release,
// then pumped) comes back to the owner as one OUTBAR_ITEM_CLICKED about that item.
bool OutBarClickReachesOwner() {
    CBarOwner parent;
    bool ok = parent.CreateEx(0, AfxRegisterWndClass(0), _T("outlook bar"), WS_POPUP, CRect(0, 0, 220, 320),
                              NULL, 0) != FALSE;
    CImageList icons;
    ok = ok && icons.Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1);
    if (ok) icons.Add(::LoadIcon(NULL, IDI_APPLICATION));
    CQVOutBarCtrl bar;
    ok = ok && bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), &parent, 1);
    CRect rcIcon;
    if (ok) {
        bar.SetImageList(&icons, 0x2);
        const int nFolder = bar.AddFolder(_T("Courses"), 1);
        bar.InsertItem(nFolder, -1, _T("Lesson 1: Greetings"), 0, 10);
        bar.InsertItem(nFolder, -1, _T("Lesson 2: Ordering food"), 0, 20);
        bar.SetSelFolder(nFolder);
        bar.GetIconRect(nFolder, 1, rcIcon);
        const LPARAM lPoint = MAKELPARAM(rcIcon.CenterPoint().x, rcIcon.CenterPoint().y);
        bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        bar.PostMessage(WM_LBUTTONUP, 0, lPoint);
        PumpPending();
    }
    int nClicks = 0;
    for (int nCode : parent.m_codes)
        if (nCode == OUTBAR_ITEM_CLICKED) ++nClicks;
    printf("host: outlook bar sent %d click notification(s) for item %d (%s) after a click at (%d, %d)\n",
           nClicks, parent.m_nClickedIndex, static_cast<const char*>(CStringA(parent.m_strClicked)),
           static_cast<int>(rcIcon.CenterPoint().x), static_cast<int>(rcIcon.CenterPoint().y));
    if (bar.GetSafeHwnd()) bar.DestroyWindow();
    if (parent.GetSafeHwnd()) parent.DestroyWindow();
    return ok && nClicks == 1 && parent.m_nClickedIndex == 1 &&
           parent.m_strClicked == _T("Lesson 2: Ordering food");
}

// The owner of an item toolbar: counts the commands and the drop-down requests it receives.
class CToolBarOwner : public CWnd {
public:
    std::vector<UINT> m_commands;
    std::vector<UINT> m_dropped;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    afx_msg LRESULT OnToolBarNotify(WPARAM wParam, LPARAM lParam) {
        if (wParam == TOOLBARPLUS_NOTIFY_DROPDOWN) m_dropped.push_back(static_cast<UINT>(lParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolBarOwner, CWnd)
ON_MESSAGE(WM_QV_TOOLBARPLUS, &CToolBarOwner::OnToolBarNotify)
END_MESSAGE_MAP()

// An item toolbar with "Lessons" and a "Dictionary" menu item: clicks posted with the pointer parked
// over them (the toolbar follows the real pointer to know it left) give one WM_COMMAND for Lessons and,
// on the Dictionary's drop part, one 0x9E9 (1) with its id.
bool ToolBarPlusClicksReachTheOwner() {
    CToolBarOwner owner;
    bool ok = owner.CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), _T("item toolbar"), WS_POPUP | WS_VISIBLE,
                             CRect(0, 0, 320, 40), NULL, 0) != FALSE;
    CQVToolBarPlus bar;
    ok = ok && bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 26), &owner, 1);
    if (ok) {
        bar.SetMenuButtonRes(_T("Common\\Button\\ToolBarPlus_MenuButton.png"),
                             _T("Common\\Button\\ToolBarPlus_MenuArrowPart.png"));
        const struct {
            int nType;
            UINT nID;
            LPCTSTR lpszText;
        } items[] = {{1, 101, _T("Lessons")}, {2, 102, _T("Dictionary")}};
        for (const auto& it : items) {
            ToolBarPlus_ItemInfo info;
            info.nType = it.nType;
            info.nID = it.nID;
            info.strText = it.lpszText;
            info.nMask = TBPIF_SIZENORMAL | TBPIF_SIZESIMPLE;
            info.szNormal = info.szSimple = CSize(90, 22);
            bar.MethodAddItem(info);
        }
        bar.RecalcLayout();
        const CRect rcDict = bar.GetItemRect(102);
        for (CPoint pt :
             {bar.GetItemRect(101).CenterPoint(), CPoint(rcDict.right - 3, rcDict.CenterPoint().y)}) {
            CPoint ptScreen = pt;
            bar.ClientToScreen(&ptScreen);
            ::SetCursorPos(ptScreen.x, ptScreen.y);
            const LPARAM lPoint = MAKELPARAM(pt.x, pt.y);
            bar.PostMessage(WM_MOUSEMOVE, 0, lPoint);
            bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
            bar.PostMessage(WM_LBUTTONUP, 0, lPoint);
            PumpPending();
        }
    }
    printf("host: item toolbar sent %d command(s) (first %u) and %d drop-down request(s) (first %u)\n",
           static_cast<int>(owner.m_commands.size()), owner.m_commands.empty() ? 0u : owner.m_commands[0],
           static_cast<int>(owner.m_dropped.size()), owner.m_dropped.empty() ? 0u : owner.m_dropped[0]);
    if (bar.GetSafeHwnd()) bar.DestroyWindow();
    if (owner.GetSafeHwnd()) owner.DestroyWindow();
    return ok && owner.m_commands == std::vector<UINT>{101} && owner.m_dropped == std::vector<UINT>{102};
}

// The owner of a file transfer list: records the link notifications (WM_QV_TRANSFERLINK).
class CTransferOwner : public CWnd {
public:
    int m_nLinks = 0;
    WPARAM m_nType = 0;
    LPARAM m_lItem = 0;

protected:
    afx_msg LRESULT OnTransferLink(WPARAM wParam, LPARAM lParam) {
        ++m_nLinks;
        m_nType = wParam;
        m_lItem = lParam;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTransferOwner, CWnd)
ON_MESSAGE(WM_QV_TRANSFERLINK, &CTransferOwner::OnTransferLink)
END_MESSAGE_MAP()

// A file being received: a move and a release posted over its cancel link come back to the owner as
// one WM_QV_TRANSFERLINK with the cancel type (3) and the row's record.
bool TransferCancelReachesOwner() {
    CTransferOwner parent;
    bool ok = parent.CreateEx(0, AfxRegisterWndClass(0), _T("transfers"), WS_POPUP, CRect(0, 0, 320, 200),
                              NULL, 0) != FALSE;
    CQVFileTransferList list;
    ok = ok && list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 180), &parent, 1) != 0;
    const GUID id = {0x5eed, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};
    tagTransferFileItem* pItem = nullptr;
    if (ok) {
        list.AddItem(id, _T("Unit 5 listening.mp3"), 12 << 20, FALSE, FALSE, FALSE);
        pItem = list.FindItem(id);
        const CPoint pt = pItem->links[2].rect.CenterPoint();
        list.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        list.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        PumpPending();
    }
    printf("host: transfer list sent %d link notification(s), type %d\n", parent.m_nLinks,
           static_cast<int>(parent.m_nType));
    const bool bRecord = parent.m_lItem == reinterpret_cast<LPARAM>(pItem);
    if (list.GetSafeHwnd()) list.DestroyWindow();
    if (parent.GetSafeHwnd()) parent.DestroyWindow();
    return ok && parent.m_nLinks == 1 && parent.m_nType == 3 && bRecord;
}

// A contact list as a client writes it: derived, the user callbacks overridden.
class CHostContactList : public CIMListWnd {
public:
    std::vector<CIMListUserItem*> m_clicked;
    std::vector<CIMListUserItem*> m_opened;

    void OnUserItemClick(CIMListUserItem* pUser) override { m_clicked.push_back(pUser); }
    void OnUserItemDBClick(CIMListUserItem* pUser) override { m_opened.push_back(pUser); }
};

// One group with a team of two users, the group and the team open: a click (press and release) and a
// double-click posted on the second user's row reach the overrides once each, about that user.
bool ContactListCallbacksReachTheClient() {
    CWnd parent;
    bool ok = parent.CreateEx(0, AfxRegisterWndClass(0), _T("contacts"), WS_POPUP, CRect(0, 0, 240, 420),
                              NULL, 0) != FALSE;
    CHostContactList list;
    ok = ok && list.CreateEx(0, NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 220, 400), &parent, 1);
    CIMListUserItem* pTarget = NULL;
    CPoint pt;
    if (ok) {
        CIMGroupButton* pGroup = list.AddGroup(_T("Classmates"), 0);
        CIMListTeamItem* pTeam = pGroup ? list.AddTeam(_T("Class 2, Grade 3"), pGroup, 0) : NULL;
        ok = pTeam != NULL;
        if (ok) {
            pTeam->Expand(1);
            list.AddUser(101, _T("Lily Chen"), _T("Reviewing unit 5"), 0, IMUS_ONLINE, pTeam, 0);
            pTarget = list.AddUser(102, _T("Tom Wang"), _T("Maths test tomorrow"), 1, IMUS_BUSY, pTeam, 0);
            list.SetCurrentGroup(0, 0);
            list.RedrawCurrentGroup();
        }
        ok = ok && pTarget != NULL && !pTarget->GetTextRect().IsRectEmpty();
    }
    if (ok) {
        pt = pTarget->GetTextRect().CenterPoint();
        const LPARAM lPoint = MAKELPARAM(pt.x, pt.y);
        list.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        list.PostMessage(WM_LBUTTONUP, 0, lPoint);
        list.PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lPoint);
        list.PostMessage(WM_LBUTTONUP, 0, lPoint);
        PumpPending();
    }
    const bool clicked = list.m_clicked.size() == 1 && list.m_clicked[0] == pTarget;
    const bool opened = list.m_opened.size() == 1 && list.m_opened[0] == pTarget;
    printf(
        "host: contact list called OnUserItemClick %d time(s) and OnUserItemDBClick %d time(s) for %s after "
        "clicks at (%d, %d)\n",
        static_cast<int>(list.m_clicked.size()), static_cast<int>(list.m_opened.size()),
        pTarget ? static_cast<const char*>(CStringA(pTarget->GetTitle())) : "no user", static_cast<int>(pt.x),
        static_cast<int>(pt.y));
    if (list.GetSafeHwnd()) list.DestroyWindow();
    if (parent.GetSafeHwnd()) parent.DestroyWindow();
    return ok && clicked && opened;
}

// The parent of a lesson toolbar: a drop-down button's record (ON_NOTIFY) and an animation button's
// command (ON_BN_CLICKED), as a host's message map takes them.
class CToolbarParent : public CWnd {
public:
    enum { IDC_SEND = 10, IDC_TILE };
    int m_nNotes = 0;
    QVDROPDOWN_NOTIFY m_note = {};
    int m_nClicks = 0;

protected:
    afx_msg void OnSendNotify(NMHDR* pHeader, LRESULT* pResult) {
        ++m_nNotes;
        m_note = *reinterpret_cast<const QVDROPDOWN_NOTIFY*>(pHeader);
        *pResult = 0;
    }
    afx_msg void OnTileClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolbarParent, CWnd)
ON_NOTIFY(QVDBN_CLICKED, CToolbarParent::IDC_SEND, &CToolbarParent::OnSendNotify)
ON_BN_CLICKED(CToolbarParent::IDC_TILE, &CToolbarParent::OnTileClicked)
END_MESSAGE_MAP()

// A drop-down button and an animation button made with Create from the skin's button images: a click
// posted on the drop-down's arrow comes back as one record naming the arrow with its screen rectangle,
// a click posted on the animation button as one BN_CLICKED.
bool ImageButtonsReachTheParent() {
    const CString strButtons =
        CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath() + _T("Common\\Button\\");
    CToolbarParent parent;
    bool ok = parent.CreateEx(0, AfxRegisterWndClass(0), _T("toolbar"), WS_POPUP, CRect(0, 0, 300, 160), NULL,
                              0) != FALSE;
    CQVDropdownButton send;
    CQVAnimationButton tile;
    ok = ok && send.SetImages(strButtons + _T("PushBtn.bmp"), strButtons + _T("ComboDrop.bmp"), 4, 4);
    ok = ok && send.Create(_T("Send file"), WS_CHILD | WS_VISIBLE, CRect(10, 10, 130, 40), &parent,
                           CToolbarParent::IDC_SEND);
    ok = ok && tile.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(10, 60, 130, 120), &parent,
                           CToolbarParent::IDC_TILE);
    CRect rcArrow;
    if (ok) {
        tile.LoadImages(strButtons + _T("PushBtn.bmp"), strButtons + _T("Tab.bmp"));
        rcArrow = send.GetArrowRect();
        const LPARAM lArrow = MAKELPARAM(rcArrow.CenterPoint().x, rcArrow.CenterPoint().y);
        send.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lArrow);
        send.PostMessage(WM_LBUTTONUP, 0, lArrow);
        tile.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        tile.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
        PumpPending();
        send.ClientToScreen(&rcArrow);
    }
    const CRect rcReported(parent.m_note.rcPart);
    printf("host: drop-down sent %d record(s), part %d at (%ld, %ld, %ld, %ld) on the screen; animation "
           "button sent "
           "%d BN_CLICKED\n",
           parent.m_nNotes, parent.m_note.nMainPart, rcReported.left, rcReported.top, rcReported.right,
           rcReported.bottom, parent.m_nClicks);
    if (tile.GetSafeHwnd()) tile.DestroyWindow();
    if (send.GetSafeHwnd()) send.DestroyWindow();
    if (parent.GetSafeHwnd()) parent.DestroyWindow();
    return ok && parent.m_nNotes == 1 && parent.m_note.nMainPart == QVDBP_ARROW && !rcArrow.IsRectEmpty() &&
           rcReported == rcArrow && parent.m_nClicks == 1;
}

// The parent of a date button: its command (ON_BN_CLICKED, notification 0) and the date message, as a
// host's message map takes them.
class CPlannerParent : public CWnd {
public:
    enum { IDC_EXAM = 20 };
    int m_nCommands = 0;
    int m_nDates = 0;
    WPARAM m_wFirstDate = 0;
    LPARAM m_lFirstDate = 0;

protected:
    afx_msg void OnExamClicked() { ++m_nCommands; }
    afx_msg LRESULT OnDatePicked(WPARAM wParam, LPARAM lParam) {
        if (m_nDates++ == 0) m_wFirstDate = wParam, m_lFirstDate = lParam;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPlannerParent, CWnd)
ON_BN_CLICKED(CPlannerParent::IDC_EXAM, &CPlannerParent::OnExamClicked)
ON_MESSAGE(WM_QV_DATEPICKED, &CPlannerParent::OnDatePicked)
END_MESSAGE_MAP()

// A date button: a click posted on it opens the calendar, a click posted on the 20th picks it. The
// parent gets one command and the date first, then the close of the popup.
bool DatePickerReachesTheParent() {
    CPlannerParent parent;
    bool ok = parent.CreateEx(0, AfxRegisterWndClass(0), _T("planner"), WS_POPUP | WS_VISIBLE,
                              CRect(0, 0, 300, 240), NULL, 0) != FALSE;
    CQVDatePickerBtn exam;
    ok = ok && exam.Create(_T("Exam date"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 130, 34),
                           &parent, CPlannerParent::IDC_EXAM);
    if (ok) {
        exam.SetDate(2027, 3, 1);
        exam.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
        exam.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
        PumpPending();
        const CDatePickerCtrlItem* pDay = exam.GetPickerCtrl().FindDayCell(20);
        ok = pDay != NULL;
        if (ok) {
            const CPoint pt = pDay->m_rect.CenterPoint();
            exam.GetPickerCtrl().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
            exam.GetPickerCtrl().PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
            PumpPending();
        }
    }
    printf("host: date button sent %d command(s) and %d date message(s), the first (%d, %d/%d)\n",
           parent.m_nCommands, parent.m_nDates, static_cast<int>(parent.m_wFirstDate),
           LOWORD(parent.m_lFirstDate), HIWORD(parent.m_lFirstDate));
    const bool bPicked = exam.GetDate() == COleDateTime(2027, 3, 20, 0, 0, 0);
    if (exam.GetSafeHwnd()) exam.DestroyWindow();
    if (parent.GetSafeHwnd()) parent.DestroyWindow();
    return ok && bPicked && parent.m_nCommands == 1 && parent.m_nDates >= 1 && parent.m_wFirstDate == 2027 &&
           parent.m_lFirstDate == MAKELPARAM(3, 20);
}

}  // namespace

// A sign-in dialog from an in-memory template with one edit: the edit subclassed by a skinned edit, a
// tab strip made beside it, and the input posted before the modal loop runs. Enter typed into the edit
// is answered 1 by the dialog, so the edit consumes it and the dialog stays; a click posted on the
// second tab is refused through 0x9DE; then Cancel ends the dialog.
class CSignInHostDialog : public CDialog {
public:
    enum { IDC_USER = 100, IDC_TABS };
    CQVEdit m_edit;
    CQVTabCtrl m_tabs;
    BOOL m_bSubclassed = FALSE;
    int m_nEnterCommands = 0;
    int m_nTabQuestions = 0;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_bSubclassed = m_edit.SubclassDlgItem(IDC_USER, this);
        CRect rcTabs(4, 4, 220, 0);
        if (!m_bSubclassed || !m_tabs.Create(WS_CHILD | WS_VISIBLE, rcTabs, this, IDC_TABS)) return TRUE;
        m_tabs.AddItem(_T("Courses"), 0, 1);
        m_tabs.AddItem(_T("Settings"), 0, 2);
        m_tabs.SetCurSel(0);
        m_edit.SetFocus();
        m_edit.PostMessage(WM_KEYDOWN, VK_RETURN, 1);
        const CPoint pt = m_tabs.GetItemRect(1).CenterPoint();
        m_tabs.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_tabs.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        PostMessage(WM_COMMAND, IDCANCEL);
        return FALSE;  // the focus is set
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == IDC_USER && HIWORD(wParam) == 0 && lParam == 0) {
            ++m_nEnterCommands;
            return TRUE;  // answers 1: the edit consumes the key
        }
        return CDialog::OnCommand(wParam, lParam);
    }
    afx_msg LRESULT OnTabSelChanging(WPARAM, LPARAM) {
        ++m_nTabQuestions;
        return 1;  // refused
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSignInHostDialog, CDialog)
ON_MESSAGE(WM_QV_TABSELCHANGING, &CSignInHostDialog::OnTabSelChanging)
END_MESSAGE_MAP()

// The template: the OK button of MakeTemplate made an edit with a client edge.
std::vector<WORD> MakeEditTemplate() {
    std::vector<WORD> t = MakeTemplate();
    size_t i = sizeof(DLGTEMPLATE) / sizeof(WORD) + 3;  // after the menu, class and title words
    if (i % 2) ++i;
    auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(t.data() + i);
    item->style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    item->dwExtendedStyle = WS_EX_CLIENTEDGE;
    item->y = 20;
    item->id = CSignInHostDialog::IDC_USER;
    WORD* pClass = reinterpret_cast<WORD*>(item + 1);
    pClass[1] = 0x0081;  // edit class
    pClass[2] = 0;       // no text
    pClass[3] = 0;       // no creation data
    return t;
}

bool SignInDialogControls() {
    std::vector<WORD> dlgTemplate = MakeEditTemplate();
    CSignInHostDialog dlg;
    dlg.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(dlgTemplate.data()));
    const INT_PTR result = dlg.DoModal();
    printf("host: sign-in dialog ended with %d; the edit offered Enter %d time(s), the tab strip asked %d "
           "time(s)\n",
           static_cast<int>(result), dlg.m_nEnterCommands, dlg.m_nTabQuestions);
    return result == IDCANCEL && dlg.m_bSubclassed && dlg.m_nEnterCommands == 1 && dlg.m_nTabQuestions == 1;
}

// A dialog template written item by item, each control given by its class name and without text.
class CDialogTemplateWriter {
public:
    CDialogTemplateWriter(short cx, short cy) {
        m_words.resize(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);  // no menu, default class, no title
        auto* dlg = reinterpret_cast<DLGTEMPLATE*>(m_words.data());
        dlg->style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        dlg->cx = cx;
        dlg->cy = cy;
    }
    void AddItem(LPCWSTR lpszClass, WORD nID, DWORD dwStyle, DWORD dwExStyle, short x, short y, short cx,
                 short cy) {
        if (m_words.size() % 2) m_words.push_back(0);  // items start on a DWORD boundary
        DLGITEMTEMPLATE item = {};
        item.style = WS_CHILD | WS_VISIBLE | dwStyle;
        item.dwExtendedStyle = dwExStyle;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = nID;
        const WORD* pItem = reinterpret_cast<const WORD*>(&item);
        m_words.insert(m_words.end(), pItem, pItem + sizeof(item) / sizeof(WORD));
        for (; *lpszClass; ++lpszClass)
            m_words.push_back(static_cast<WORD>(*lpszClass));
        m_words.push_back(0);
        m_words.push_back(0);  // no text
        m_words.push_back(0);  // no creation data
        ++reinterpret_cast<DLGTEMPLATE*>(m_words.data())->cdit;
    }
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    std::vector<WORD> m_words;
};

// A word-book dialog whose template has a report list view and a "words per day" edit with an
// up-down as its buddy. Both are subclassed by the skinned classes, measured once their posted frame
// recalculation has run, clicked, released again, and then used as the system's controls.
class CWordBookHostDialog : public CDialog {
public:
    enum { IDC_WORDS = 200, IDC_COUNT, IDC_SPIN, WM_MEASURE = WM_APP + 1 };
    BOOL m_bSubclassed = FALSE;
    CRect m_rcListInset;      // the list's client rectangle in window coordinates
    int m_nHeaderHeight = 0;  // the list's header window
    CSize m_sizeSpin;         // the up-down's window
    int m_nValueAfterClick = 0;
    BOOL m_bWorkAfterRelease = FALSE;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CListCtrl* pList = static_cast<CListCtrl*>(GetDlgItem(IDC_WORDS));
        pList->InsertColumn(0, _T("Word"), LVCFMT_LEFT, 80);
        pList->InsertColumn(1, _T("Meaning"), LVCFMT_LEFT, 80);
        pList->InsertItem(0, _T("apple"));
        CSpinButtonCtrl* pSpin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_SPIN));
        pSpin->SetRange(1, 100);
        pSpin->SetPos(5);
        m_pList = new CQVListCtrl;
        m_pSpin = new CQVSpinButtonCtrl;
        m_bSubclassed = m_pList->SubclassDlgItem(IDC_WORDS, this) && m_pSpin->SubclassDlgItem(IDC_SPIN, this);
        PostMessage(WM_MEASURE);  // after the frame recalculation the controls posted themselves
        return TRUE;
    }
    afx_msg LRESULT OnMeasure(WPARAM, LPARAM) {
        if (m_bSubclassed) {
            CRect rcWindow;
            m_pList->GetWindowRect(&rcWindow);
            m_pList->GetClientRect(&m_rcListInset);
            m_pList->ClientToScreen(&m_rcListInset);
            m_rcListInset.OffsetRect(-rcWindow.left, -rcWindow.top);
            CRect rcHeader;
            m_pList->GetHeaderCtrl()->GetWindowRect(&rcHeader);
            m_nHeaderHeight = rcHeader.Height();
            CRect rcSpin;
            m_pSpin->GetWindowRect(&rcSpin);
            m_sizeSpin = rcSpin.Size();
            // A click on the upper arrow: the system's up-down raises the buddy's value.
            m_pSpin->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            m_pSpin->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            m_nValueAfterClick = GetDlgItemInt(IDC_COUNT);
        }
        // Released while the windows live: they go on as the system's controls.
        const HWND hList = m_pList->UnsubclassWindow();
        const HWND hSpin = m_pSpin->UnsubclassWindow();
        delete m_pList;
        delete m_pSpin;
        m_pList = nullptr;
        m_pSpin = nullptr;
        LVITEM item = {};
        item.mask = LVIF_TEXT;
        item.iItem = 1;
        item.pszText = const_cast<LPTSTR>(_T("book"));
        ::SendMessage(hList, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
        ::SendMessage(hSpin, UDM_SETPOS32, 0, 42);
        m_bWorkAfterRelease =
            ::SendMessage(hList, LVM_GETITEMCOUNT, 0, 0) == 2 && GetDlgItemInt(IDC_COUNT) == 42;
        PostMessage(WM_COMMAND, IDCANCEL);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    CQVListCtrl* m_pList = nullptr;
    CQVSpinButtonCtrl* m_pSpin = nullptr;
};

BEGIN_MESSAGE_MAP(CWordBookHostDialog, CDialog)
ON_MESSAGE(CWordBookHostDialog::WM_MEASURE, &CWordBookHostDialog::OnMeasure)
END_MESSAGE_MAP()

bool WordBookDialogControls() {
    CDialogTemplateWriter writer(220, 120);
    writer.AddItem(L"SysListView32", CWordBookHostDialog::IDC_WORDS, LVS_REPORT | WS_TABSTOP,
                   WS_EX_CLIENTEDGE, 5, 5, 200, 70);
    writer.AddItem(L"Edit", CWordBookHostDialog::IDC_COUNT, ES_NUMBER | WS_TABSTOP, WS_EX_CLIENTEDGE, 5, 85,
                   40, 12);
    writer.AddItem(L"msctls_updown32", CWordBookHostDialog::IDC_SPIN,
                   UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 45, 85, 10, 12);
    CWordBookHostDialog dlg;
    dlg.InitModalIndirect(writer.Get());
    const INT_PTR result = dlg.DoModal();
    const CQVSkinBtnRes* pBtn = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
    const CSize sizeArrows(pBtn->m_nSpinWidth, 2 * pBtn->m_nSpinHeight);
    printf(
        "host: word-book dialog ended with %d; list inset %ld,%ld, header %d (skin %d), spin %ldx%ld (skin "
        "%ldx%ld), "
        "value after a click %d, working after release %d\n",
        static_cast<int>(result), dlg.m_rcListInset.left, dlg.m_rcListInset.top, dlg.m_nHeaderHeight,
        pBtn->m_nHeaderHeight, dlg.m_sizeSpin.cx, dlg.m_sizeSpin.cy, sizeArrows.cx, sizeArrows.cy,
        dlg.m_nValueAfterClick, dlg.m_bWorkAfterRelease);
    return result == IDCANCEL && dlg.m_bSubclassed && dlg.m_rcListInset.TopLeft() == CPoint(1, 1) &&
           dlg.m_nHeaderHeight == pBtn->m_nHeaderHeight && dlg.m_sizeSpin == sizeArrows &&
           dlg.m_nValueAfterClick == 6 && dlg.m_bWorkAfterRelease;
}

// A settings dialog on a plain template, skinned automatically with the scroll-bar redirection
// installed first: keys posted to its word-book list box scroll it, GetScrollInfo reads the skinned
// bar's position back, and closing it and removing the redirection leave no window or object behind.
class CAutoSkinHostDialog : public CSkinDialog {
public:
    enum { IDC_BOOKS = 300, WM_READ = WM_APP + 2 };
    CAutoSkinHostDialog() { SetAutoLoadCtrl(TRUE); }
    BOOL m_bSkinned = FALSE;
    int m_nTop = -1;
    int m_nPos = -1;
    size_t m_nObjectsLeft = 1;

protected:
    BOOL OnInitDialog() override {
        for (int i = 0; i < 40; ++i)
            SendDlgItemMessage(IDC_BOOKS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(_T("Travel English")));
        CSkinDialog::OnInitDialog();
        m_hBooks = ::GetDlgItem(m_hWnd, IDC_BOOKS);
        CWnd* pBooks = FromHandlePermanent(m_hBooks);
        m_bSkinned = pBooks && pBooks->IsKindOf(RUNTIME_CLASS(CQVListBox)) && IsSkinScrollBar(m_hBooks);
        // The first key selects the focused item, the second goes to the last one.
        for (int i = 0; i < 2; ++i) {
            ::PostMessage(m_hBooks, WM_KEYDOWN, VK_END, 0);
            ::PostMessage(m_hBooks, WM_KEYUP, VK_END, 0);
        }
        PostMessage(WM_READ);
        return TRUE;
    }
    afx_msg LRESULT OnRead(WPARAM, LPARAM) {
        SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
        if (::GetScrollInfo(m_hBooks, SB_VERT, &si)) m_nPos = si.nPos;
        m_nTop = static_cast<int>(::SendMessage(m_hBooks, LB_GETTOPINDEX, 0, 0));
        EndDialog(IDOK);
        return 0;
    }
    afx_msg void OnDestroy() {
        CSkinDialog::OnDestroy();
        m_nObjectsLeft = m_vecSkinCtrls.size();
    }
    DECLARE_MESSAGE_MAP()

private:
    HWND m_hBooks = NULL;
};

BEGIN_MESSAGE_MAP(CAutoSkinHostDialog, CSkinDialog)
ON_MESSAGE(CAutoSkinHostDialog::WM_READ, &CAutoSkinHostDialog::OnRead)
ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CALLBACK CountWindow(HWND, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}
int ThreadWindows() {
    int nCount = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

bool AutoSkinnedDialogScrolls() {
    const int nWindowsBefore = ThreadWindows();
    InstallScrollBarHook();
    CDialogTemplateWriter writer(200, 120);
    writer.AddItem(L"Edit", 301, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 5, 5, 90, 12);
    writer.AddItem(L"ListBox", CAutoSkinHostDialog::IDC_BOOKS, LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                   WS_EX_CLIENTEDGE, 5, 22, 120, 60);
    writer.AddItem(L"Button", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 140, 95, 50, 14);
    CAutoSkinHostDialog dlg;
    dlg.InitModalIndirect(writer.Get());
    const INT_PTR result = dlg.DoModal();
    UnInstallScrollBarHook();
    const int nWindowsAfter = ThreadWindows();
    printf("host: auto-skinned dialog ended with %d; list box skinned %d, top item %d, skinned bar at %d, "
           "objects left %d, windows %d before and %d after\n",
           static_cast<int>(result), dlg.m_bSkinned, dlg.m_nTop, dlg.m_nPos,
           static_cast<int>(dlg.m_nObjectsLeft), nWindowsBefore, nWindowsAfter);
    return result == IDOK && dlg.m_bSkinned && dlg.m_nTop > 0 && dlg.m_nPos == dlg.m_nTop &&
           dlg.m_nObjectsLeft == 0 && nWindowsAfter == nWindowsBefore;
}

int main() {
    if (!AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), 0)) {
        printf("host: AfxWinInit failed\n");
        return 1;
    }

    CString strLesson;
    strLesson.Format(_T("Lesson %d: %s"), 3, _T("Greetings"));

    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CBitmap bmp;
    CClientDC screen(NULL);
    bmp.CreateCompatibleBitmap(&screen, 64, 32);
    CBitmap* pOld = dc.SelectObject(&bmp);
    CRect rc(0, 0, 64, 32);
    dc.FillSolidRect(&rc, RGB(10, 200, 30));
    rc.DeflateRect(8, 8);
    dc.FillSolidRect(&rc, RGB(200, 10, 30));
    const COLORREF outer = dc.GetPixel(2, 2);
    const COLORREF inner = dc.GetPixel(rc.CenterPoint());
    dc.SelectObject(pOld);
    const bool drawn = outer == RGB(10, 200, 30) && inner == RGB(200, 10, 30);

    CClickWnd wnd;
    const BOOL created = wnd.CreateEx(0, AfxRegisterWndClass(0), _T("host"), WS_OVERLAPPEDWINDOW,
                                      CRect(0, 0, 200, 100), NULL, 0);
    if (created) {
        wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
        wnd.DestroyWindow();
    }
    const bool clicked = created && wnd.m_nClicks == 1 && wnd.m_ptLast == CPoint(12, 34);

    std::vector<WORD> dlgTemplate = MakeTemplate();
    CAutoOkDialog dlg;
    dlg.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(dlgTemplate.data()));
    const INT_PTR result = dlg.DoModal();
    const bool dialog = result == IDOK && dlg.m_bInitialized;

    const bool skinnedWindows = SkinnedDialogAndMessageBox(dlgTemplate);
    const bool skinned = SkinnedButtonFollowsTheSkin();
    const bool windowless = WindowlessHosts();
    const bool outbar = OutBarClickReachesOwner();
    const bool contacts = ContactListCallbacksReachTheClient();
    const bool signIn = SignInDialogControls();
    const bool wordBook = WordBookDialogControls();
    const bool imageButtons = ImageButtonsReachTheParent();
    const bool toolBarPlus = ToolBarPlusClicksReachTheOwner();
    const bool datePicker = DatePickerReachesTheParent();
    // The sentence explorer: a press and a release posted over a sentence come back to the parent as
    // one WM_QV_SENTENCECLICK with that entry's record.
    class CSentenceParent : public CWnd {
    public:
        int m_nClicks = 0;
        WPARAM m_wItem = 0;

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message != WM_QV_SENTENCECLICK) return CWnd::WindowProc(message, wParam, lParam);
            ++m_nClicks;
            m_wItem = wParam;
            return 0;
        }
    } sentenceParent;
    CQVSentenceExplorer explorer;
    bool sentences = sentenceParent.CreateEx(0, AfxRegisterWndClass(0), _T("sentences"), WS_POPUP,
                                             CRect(0, 0, 320, 200), NULL, 0) != FALSE &&
                     explorer.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 180), &sentenceParent, 1) != 0;
    if (sentences) {
        explorer.AddSentence(_T("Is this your book?"), _T("Is this your book?"), _T("Unit 3, Lesson 2"), 7);
        explorer.AddSentence(_T("Where is your school bag?"), _T(""), _T("Unit 4, Lesson 1"), 8);
        explorer.InitializeData();
        const CPoint pt = explorer.GetHitRects().back().rect.TopLeft() + CPoint(4, 9);
        explorer.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        explorer.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        PumpPending();
        sentences = sentenceParent.m_nClicks == 1 &&
                    sentenceParent.m_wItem == reinterpret_cast<WPARAM>(explorer.GetSentence(1));
    }
    printf("host: sentence explorer sent %d click notification(s)\n", sentenceParent.m_nClicks);
    if (explorer.GetSafeHwnd()) explorer.DestroyWindow();
    if (sentenceParent.GetSafeHwnd()) sentenceParent.DestroyWindow();
    const bool transfers = TransferCancelReachesOwner() && sentences;

    // A classic toolbar: a click posted on its "Play" button, the pointer parked over it, reaches the
    // owner as one WM_COMMAND with the button's id.
    {
        CToolBarOwner owner;
        CQVToolBar bar;
        bool classic = owner.CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), _T("classic toolbar"),
                                      WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 40), NULL, 0) &&
                       bar.CreateEx(&owner, CRect(0, 0, 10, 10), 1);
        if (classic) {
            bar.AddItem(TBIT_BUTTON, _T("Play"), _T("Play the lesson"), CSize(16, 16), 0, 201);
            bar.ReCalcToolBar();
            const CPoint pt = bar.GetItemRect(201).CenterPoint();
            CPoint ptScreen = pt;
            bar.ClientToScreen(&ptScreen);
            ::SetCursorPos(ptScreen.x, ptScreen.y);
            const LPARAM lPoint = MAKELPARAM(pt.x, pt.y);
            bar.PostMessage(WM_MOUSEMOVE, 0, lPoint);
            bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
            bar.PostMessage(WM_LBUTTONUP, 0, lPoint);
            PumpPending();
        }
        printf("host: classic toolbar sent %d command(s) (first %u)\n",
               static_cast<int>(owner.m_commands.size()),
               owner.m_commands.empty() ? 0u : owner.m_commands[0]);
        if (bar.GetSafeHwnd()) bar.DestroyWindow();
        if (owner.GetSafeHwnd()) owner.DestroyWindow();
        if (!classic || owner.m_commands != std::vector<UINT>{201}) {
            printf("host: wrong results (classic toolbar)\n");
            return 1;
        }
    }
    const bool autoSkin = AutoSkinnedDialogScrolls();
    // A split window between two panels: a drag posted on its bar (the pointer placed there first, as
    // the bar takes a press only where the last cursor query found the pointer) moves the bar to where
    // the button was released. Then a dialog grown by 120 x 80 keeps its OK button at the bottom right
    // through a layout control called from its WM_SIZE.
    {
        CWnd host;
        CQVSplitWnd split;
        CStatic contacts, chat;
        bool made = host.CreateEx(0, AfxRegisterWndClass(0), _T("chat"), WS_POPUP | WS_VISIBLE,
                                  CRect(0, 0, 300, 200), NULL, 0) != FALSE;
        made = made && split.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &host, 1) &&
               contacts.Create(_T("contacts"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &host, 2) &&
               chat.Create(_T("chat"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), &host, 3) &&
               split.SetPanels(&contacts, &chat, FALSE, FALSE);
        split.SetSplitPos(100);
        CPoint pt(split.GetBarRect().CenterPoint()), ptScreen(pt);
        split.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        PumpPending();
        split.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(split.GetSafeHwnd()),
                          MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        split.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        split.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(160, pt.y));
        split.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(160, pt.y));
        PumpPending();
        CRect rcContacts;
        contacts.GetWindowRect(&rcContacts);
        const bool splitMoved = made && split.GetSplitPos() == 160 && rcContacts.Width() == 160;
        printf("host: split bar released at 160, position %d, contact panel %d wide\n", split.GetSplitPos(),
               rcContacts.Width());
        split.DestroyWindow();
        host.DestroyWindow();

        struct CGrowingDialog : CDialog {
            CQVLayoutCtrl layout;
            CPoint ptFromCorner, ptAfter;  // the button's bottom right from the client's, before and after
            CPoint FromCorner() {
                CRect rcClient, rcButton;
                GetClientRect(&rcClient);
                GetDlgItem(IDOK)->GetWindowRect(&rcButton);
                ScreenToClient(&rcButton);
                return rcClient.BottomRight() - rcButton.BottomRight();
            }
            BOOL OnInitDialog() override {
                CDialog::OnInitDialog();
                CRect rc, rcWindow;
                GetClientRect(&rc);
                layout.Initialize(this, SizeTypeMoved, SizeTypeMoved);
                layout.AddCtrl(IDOK);
                layout.InitLayout(rc);
                ptFromCorner = FromCorner();
                GetWindowRect(&rcWindow);
                SetWindowPos(NULL, 0, 0, rcWindow.Width() + 120, rcWindow.Height() + 80,
                             SWP_NOMOVE | SWP_NOZORDER);
                ptAfter = FromCorner();
                PostMessage(WM_COMMAND, IDOK);
                return TRUE;
            }
            LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
                if (message == WM_SIZE && layout.GetCtrlCount())
                    layout.LayoutCtrls(CRect(0, 0, LOWORD(lParam), HIWORD(lParam)));
                return CDialog::WindowProc(message, wParam, lParam);
            }
        } grow;
        CDialogTemplateWriter writer(160, 90);
        writer.AddItem(L"Button", IDOK, BS_DEFPUSHBUTTON, 0, 100, 70, 50, 14);
        grow.InitModalIndirect(writer.Get());
        const bool kept = grow.DoModal() == IDOK && grow.ptAfter == grow.ptFromCorner;
        printf("host: OK button %d,%d from the corner before the resize, %d,%d after\n",
               static_cast<int>(grow.ptFromCorner.x), static_cast<int>(grow.ptFromCorner.y),
               static_cast<int>(grow.ptAfter.x), static_cast<int>(grow.ptAfter.y));
        if (!splitMoved || !kept) {
            printf("host: wrong results (split window %d, layout control %d)\n", splitMoved, kept);
            return 1;
        }
    }

    // A skinned frame with dock bars: a pane docked to the top edge moves into the top dock bar, which
    // takes the pane's height less the border line the two share.
    {
        CSkinFrameWnd* pFrame = new CSkinFrameWnd;  // deletes itself with its window
        CQVDockWnd pane;
        bool docked = false;
        if (pFrame->Create(NULL, _T("host frame"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300))) {
            pFrame->EnableDocking(CBRS_ALIGN_ANY);
            pane.CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE901);
            pane.SetWindowPos(NULL, 0, 0, 120, 26, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            pane.EnableDocking(CBRS_ALIGN_ANY);
            pFrame->DockControlBar(&pane);
            pFrame->RecalcLayout();
            CWnd* pTop = pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP);
            CRect rcTop;
            if (pTop) pTop->GetWindowRect(&rcTop);
            docked = pTop && pane.GetParent() == pTop && rcTop.Height() == 24;
            // Floated through the frame's services, docked back by a toggle (a double click's work),
            // floated again by the toggle at the place it floated last, and docked back once more.
            pFrame->FloatControlBar(&pane, CPoint(150, 120));
            const bool floated = pane.IsFloating() != FALSE;
            pane.m_pDockContext->ToggleDocking();
            const bool redocked = !pane.IsFloating() && pane.GetParent() == pTop;
            pane.m_pDockContext->ToggleDocking();
            CRect rcFloat;
            if (pane.IsFloating()) pane.GetParent()->GetParent()->GetWindowRect(&rcFloat);
            const bool refloated = pane.IsFloating() && rcFloat.TopLeft() == CPoint(150, 120);
            pane.m_pDockContext->ToggleDocking();
            printf("host: pane floated %d, docked back %d, floated again at its place %d\n", floated,
                   redocked, refloated);
            docked = docked && floated && redocked && refloated && pane.GetParent() == pTop;
            pFrame->DestroyWindow();
        }
        printf("host: pane docked at the top %d\n", docked);
        if (!docked) return 1;
    }

    // A frame with a dockable toolbar: a click posted on its button reaches the frame as WM_COMMAND,
    // with the bar docked at the top and again floating in its own small frame.
    {
        struct CCommandFrame : public CSkinFrameWnd {
            int nCommands = 0;
            BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
                if (LOWORD(wParam) == 40001) ++nCommands;
                return CSkinFrameWnd::OnCommand(wParam, lParam);
            }
        };
        auto* pFrame = new CCommandFrame;  // deletes itself with its window
        CQVDockToolBar bar;
        int nCommands = 0;
        bool floated = false;
        if (pFrame->Create(NULL, _T("host toolbar frame"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300))) {
            pFrame->EnableDocking(CBRS_ALIGN_ANY);
            bar.CreateEx(pFrame);
            bar.AddItem(TBIT_BUTTON, _T("Play"), _T("Play the lesson"), CSize(16, 16), 0, 40001);
            bar.ReCalcToolBar();
            bar.EnableDocking(CBRS_ALIGN_ANY);
            pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
            pFrame->ShowWindow(SW_SHOWNA);
            pFrame->RecalcLayout();
            auto click = [&bar] {
                const CPoint pt = bar.GetItemRect(40001).CenterPoint();
                bar.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
                bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
                bar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
                PumpPending();
            };
            click();
            pFrame->FloatControlBar(&bar, CPoint(200, 200), CBRS_ALIGN_TOP);
            floated = bar.IsFloating() != FALSE;
            click();
            nCommands = pFrame->nCommands;
            pFrame->DestroyWindow();
        }
        printf("host: toolbar commands %d, floated %d\n", nCommands, floated);
        if (nCommands != 2 || !floated) return 1;
    }

    // Remembered bars and window place: a frame with a floated toolbar and a pane docked at the bottom
    // is saved to an .INI file through the profile functions, destroyed and made again in its default
    // layout; loading puts the window and every bar back where they were.
    {
        CWinApp app(_T("host state"));
        TCHAR szIni[MAX_PATH];
        ::GetTempPath(MAX_PATH, szIni);
        lstrcat(szIni, _T("rizhost-state.ini"));
        ::DeleteFile(szIni);
        free(const_cast<LPTSTR>(app.m_pszProfileName));
        app.m_pszProfileName = _tcsdup(szIni);
        struct CStateFrame {
            CSkinFrameWnd* pFrame = new CSkinFrameWnd;  // deletes itself with its window
            CQVDockToolBar bar;
            CQVDockWnd pane;
            CStateFrame() {
                pFrame->Create(NULL, _T("host state frame"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300));
                pFrame->EnableDocking(CBRS_ALIGN_ANY);
                bar.CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE821);
                bar.AddItem(TBIT_BUTTON, _T("Play"), _T("Play the lesson"), CSize(16, 16), 0, 40001);
                bar.ReCalcToolBar();
                pane.CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE901);
                pane.SetWindowPos(NULL, 0, 0, 120, 26, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                for (CQVControlBar* pBar :
                     {static_cast<CQVControlBar*>(&bar), static_cast<CQVControlBar*>(&pane)}) {
                    pBar->EnableDocking(CBRS_ALIGN_ANY);
                    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
                }
                pFrame->ShowWindow(SW_SHOWNA);
                pFrame->RecalcLayout();
            }
            ~CStateFrame() { pFrame->DestroyWindow(); }
            // The frame, the toolbar's floating frame (or the toolbar) and the pane, on the screen.
            std::vector<CRect> Rects() {
                std::vector<CRect> rects(3);
                pFrame->GetWindowRect(&rects[0]);
                (bar.IsFloating() ? bar.GetParent()->GetParent() : &bar)->GetWindowRect(&rects[1]);
                pane.GetWindowRect(&rects[2]);
                return rects;
            }
        };
        std::vector<CRect> saved;
        {
            CStateFrame before;
            before.pFrame->MoveWindow(30, 40, 500, 360);
            before.pFrame->FloatControlBar(&before.bar, CPoint(220, 180));
            before.pFrame->DockControlBar(&before.pane, AFX_IDW_DOCKBAR_BOTTOM);
            before.pFrame->RecalcLayout();
            saved = before.Rects();
            QVSaveWindowPlacement(before.pFrame, _T("Host-Window"));
            before.pFrame->SaveBarState(_T("Host"));
        }
        CStateFrame after;
        const bool placed = QVLoadWindowPlacement(after.pFrame, _T("Host-Window")) != FALSE;
        after.pFrame->LoadBarState(_T("Host"));
        const bool restored = placed && after.bar.IsFloating() && after.Rects() == saved;
        printf("host: window place %d, bars restored %d\n", placed, restored);
        ::DeleteFile(szIni);
        if (!restored) return 1;
    }

    const bool ok = strLesson == _T("Lesson 3: Greetings") && drawn && clicked && dialog && skinnedWindows &&
                    skinned && windowless && outbar && contacts && signIn && wordBook && imageButtons &&
                    toolBarPlus && datePicker && transfers && autoSkin;
    if (ok)
        printf("host: ok\n");
    else
        printf("host: wrong results (text %d, drawing %d, window %d, dialog %d, skinned windows %d, skinned "
               "button %d, windowless hosts %d, outlook bar %d, contact list %d, sign-in dialog %d, image "
               "buttons %d, item toolbar %d, date button %d, transfer list and sentences %d, auto-skinned "
               "dialog %d)\n",
               strLesson == _T("Lesson 3: Greetings"), drawn, clicked, dialog, skinnedWindows, skinned,
               windowless, outbar, contacts, signIn, imageButtons, toolBarPlus, datePicker, transfers,
               autoSkin);
    return ok ? 0 : 1;
}
