// Contact list page: a client's buddy list with four groups (friends, classmates, teachers, strangers),
// teams with their online counts and users with pictures, names and study signatures, online, busy and
// offline (grey), a few flashing. The first list shows small pictures with the classmates open and
// scrolled, its bar shown; the second shows big pictures with the friends open; a user card shows one
// friend's big picture beside the name and signature. Names, teams and signatures come from the language
// table, so they read in Chinese under zh-CN. Clicks and double-clicks on users are echoed on the page.
// The lists paint straight into their windows: the gallery's screenshot reads the shown page back.
#include "../GalleryPage.h"

#include <RIZuruzezu.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <functional>
#include <memory>

namespace {

constexpr int kMargin = 16;
constexpr int kTitleTop = 10;
constexpr int kHintTop = 36;
constexpr int kCaptionTop = 60;
constexpr int kListTop = 80;
constexpr int kListWidth = 220;
constexpr int kListHeight = 400;
constexpr int kColumnGap = 24;
constexpr int kCardLeft = kMargin + 2 * (kListWidth + kColumnGap);
constexpr int kScrolledBy = 60;  // pixels the classmates group is scrolled down by
constexpr UINT kSmallListId = 3000;
constexpr UINT kBigListId = 3001;
constexpr UINT kCardId = 3002;

const LPCTSTR kGroupKeys[] = {_T("IDS_GALLERY_IM_G_FRIENDS"), _T("IDS_GALLERY_IM_G_CLASSMATES"),
                              _T("IDS_GALLERY_IM_G_TEACHERS"), _T("IDS_GALLERY_IM_G_STRANGERS")};

struct TeamEntry {
    int nGroup;
    LPCTSTR lpszKey;
};

const TeamEntry kTeams[] = {{0, _T("IDS_GALLERY_IM_T_BEST")},     {0, _T("IDS_GALLERY_IM_T_PARTNERS")},
                            {1, _T("IDS_GALLERY_IM_T_CLASS")},    {1, _T("IDS_GALLERY_IM_T_CLUB")},
                            {2, _T("IDS_GALLERY_IM_T_LANGUAGE")}, {2, _T("IDS_GALLERY_IM_T_SCIENCE")},
                            {3, _T("IDS_GALLERY_IM_T_RECENT")}};

struct UserEntry {
    int nTeam;  // index in kTeams
    LPCTSTR lpszName;
    LPCTSTR lpszSignature;
    WORD wPicture;
    IMUserStatus nStatus;
    BOOL bSparkle;
};

const UserEntry kUsers[] = {
    {0, _T("IDS_GALLERY_IM_U01"), _T("IDS_GALLERY_IM_S01"), 0, IMUS_ONLINE, TRUE},
    {0, _T("IDS_GALLERY_IM_U02"), _T("IDS_GALLERY_IM_S02"), 1, IMUS_BUSY, FALSE},
    {0, _T("IDS_GALLERY_IM_U03"), _T("IDS_GALLERY_IM_S03"), 2, IMUS_ONLINE, FALSE},
    {0, _T("IDS_GALLERY_IM_U04"), _T("IDS_GALLERY_IM_S04"), 3, IMUS_OFFLINE, FALSE},
    {1, _T("IDS_GALLERY_IM_U05"), _T("IDS_GALLERY_IM_S05"), 4, IMUS_ONLINE, FALSE},
    {1, _T("IDS_GALLERY_IM_U06"), _T("IDS_GALLERY_IM_S06"), 5, IMUS_OFFLINE, FALSE},
    {2, _T("IDS_GALLERY_IM_U07"), _T("IDS_GALLERY_IM_S07"), 6, IMUS_ONLINE, FALSE},
    {2, _T("IDS_GALLERY_IM_U08"), _T("IDS_GALLERY_IM_S08"), 7, IMUS_ONLINE, TRUE},
    {2, _T("IDS_GALLERY_IM_U09"), _T("IDS_GALLERY_IM_S03"), 8, IMUS_BUSY, FALSE},
    {2, _T("IDS_GALLERY_IM_U10"), _T("IDS_GALLERY_IM_S06"), 9, IMUS_ONLINE, FALSE},
    {2, _T("IDS_GALLERY_IM_U11"), _T("IDS_GALLERY_IM_S01"), 0, IMUS_OFFLINE, FALSE},
    {2, _T("IDS_GALLERY_IM_U12"), _T("IDS_GALLERY_IM_S04"), 1, IMUS_ONLINE, FALSE},
    {2, _T("IDS_GALLERY_IM_U13"), _T("IDS_GALLERY_IM_S05"), 2, IMUS_BUSY, FALSE},
    {2, _T("IDS_GALLERY_IM_U14"), _T("IDS_GALLERY_IM_S07"), 3, IMUS_OFFLINE, FALSE},
    {3, _T("IDS_GALLERY_IM_U15"), _T("IDS_GALLERY_IM_S08"), 4, IMUS_ONLINE, FALSE},
    {3, _T("IDS_GALLERY_IM_U16"), _T("IDS_GALLERY_IM_S02"), 5, IMUS_ONLINE, TRUE},
    {3, _T("IDS_GALLERY_IM_U17"), _T("IDS_GALLERY_IM_S03"), 6, IMUS_OFFLINE, FALSE},
    {3, _T("IDS_GALLERY_IM_U18"), _T("IDS_GALLERY_IM_S05"), 7, IMUS_BUSY, FALSE},
    {4, _T("IDS_GALLERY_IM_U19"), _T("IDS_GALLERY_IM_S09"), 8, IMUS_ONLINE, FALSE},
    {4, _T("IDS_GALLERY_IM_U20"), _T("IDS_GALLERY_IM_S10"), 9, IMUS_BUSY, FALSE},
    {5, _T("IDS_GALLERY_IM_U21"), _T("IDS_GALLERY_IM_S09"), 0, IMUS_OFFLINE, FALSE},
    {6, _T("IDS_GALLERY_IM_U22"), _T("IDS_GALLERY_IM_S06"), 1, IMUS_ONLINE, FALSE},
    {6, _T("IDS_GALLERY_IM_U23"), _T("IDS_GALLERY_IM_S08"), 2, IMUS_OFFLINE, FALSE},
};

CString Text(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

// A list that tells the page which user was clicked or double-clicked.
class CGalleryIMList : public CIMListWnd {
public:
    std::function<void(LPCTSTR lpszKey, const CString& strName)> m_onEvent;

    void OnUserItemClick(CIMListUserItem* pUser) override { Report(_T("IDS_GALLERY_IM_EV_CLICKED"), pUser); }
    void OnUserItemDBClick(CIMListUserItem* pUser) override { Report(_T("IDS_GALLERY_IM_EV_OPENED"), pUser); }

private:
    void Report(LPCTSTR lpszKey, CIMListUserItem* pUser) {
        if (m_onEvent && pUser) m_onEvent(lpszKey, pUser->GetTitle());
    }
};

// ---- The page window ----

class CIMListPageWnd : public CWnd {
public:
    ~CIMListPageWnd() override;
    BOOL CreatePage(HWND hParent, const RECT& rc);
    // Draws both lists and the card into a picture of the top-level window at their places in it.
    void PrintLists(HBITMAP hShot);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static CRect ListRect(int nColumn);
    CRect CardTextRect() const;
    CRect StatusRect() const;
    void Fill(CIMListWnd& list);
    void ShowCard();
    void SetStatus(LPCTSTR lpszKey, const CString& strName);

    CFont m_font;
    CFont m_fontBold;
    CGalleryIMList m_small;
    CGalleryIMList m_big;
    CTMBUserIcon m_card;
    CString m_strCardName;
    CString m_strCardSignature;
    CString m_strStatus;
};

BEGIN_MESSAGE_MAP(CIMListPageWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_QV_SKINCHANGED, &CIMListPageWnd::OnSkinChanged)
END_MESSAGE_MAP()

CIMListPageWnd::~CIMListPageWnd() {
    if (::IsWindow(m_hWnd)) DestroyWindow();
}

CRect CIMListPageWnd::ListRect(int nColumn) {
    const int x = kMargin + nColumn * (kListWidth + kColumnGap);
    return CRect(x, kListTop, x + kListWidth, kListTop + kListHeight);
}

CRect CIMListPageWnd::CardTextRect() const {
    const int x = kCardLeft + CTMBUserIcon::ICON_SIZE + 10;
    return CRect(x, kListTop, x + 250, kListTop + CTMBUserIcon::ICON_SIZE + 20);
}

CRect CIMListPageWnd::StatusRect() const {
    return CRect(kMargin, kListTop + kListHeight + 12, kCardLeft + 300, kListTop + kListHeight + 34);
}

BOOL CIMListPageWnd::CreatePage(HWND hParent, const RECT& rc) {
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("Contact list"),
                  WS_CHILD | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                  hParent, NULL))
        return FALSE;
    const CString strFace = Text(_T("IDS_DEF_FONT"));
    m_font.CreatePointFont(90, strFace);
    LOGFONT lf = {};
    m_font.GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
    m_strStatus = Text(_T("IDS_GALLERY_IM_EV_NONE"));

    auto onEvent = [this](LPCTSTR lpszKey, const CString& strName) { SetStatus(lpszKey, strName); };
    m_small.m_onEvent = onEvent;
    m_big.m_onEvent = onEvent;
    m_big.SetBigIconMode(1);
    if (!m_small.CreateEx(0, NULL, NULL, WS_CHILD | WS_VISIBLE, ListRect(0), this, kSmallListId) ||
        !m_big.CreateEx(0, NULL, NULL, WS_CHILD | WS_VISIBLE, ListRect(1), this, kBigListId))
        return FALSE;
    Fill(m_small);
    Fill(m_big);

    // Small pictures: the classmates open, scrolled so that the bar's thumb has left the top.
    m_small.SetCurrentGroup(1, 0);
    CIMGroupButton* pClassmates = m_small.GetGroup(1);
    if (pClassmates && pClassmates->GetScrollBar().IsVisible())
        pClassmates->GetScrollBar().SetPos(kScrolledBy);
    m_small.RedrawCurrentGroup();
    // Big pictures: the friends open.
    m_big.SetCurrentGroup(0, 0);
    m_big.RedrawCurrentGroup();

    m_card.Create(
        _T(""), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
        CRect(kCardLeft, kListTop, kCardLeft + CTMBUserIcon::ICON_SIZE, kListTop + CTMBUserIcon::ICON_SIZE),
        this, kCardId);
    ShowCard();
    return TRUE;
}

void CIMListPageWnd::Fill(CIMListWnd& list) {
    for (LPCTSTR lpszKey : kGroupKeys)
        list.AddGroup(Text(lpszKey), 0);
    CIMListTeamItem* teams[_countof(kTeams)] = {};
    for (size_t i = 0; i < _countof(kTeams); ++i) {
        CIMGroupButton* pGroup = list.GetGroup(kTeams[i].nGroup);
        teams[i] = pGroup ? list.AddTeam(Text(kTeams[i].lpszKey), pGroup, 0) : NULL;
        if (teams[i]) teams[i]->Expand(1);
    }
    for (size_t i = 0; i < _countof(kUsers); ++i) {
        const UserEntry& user = kUsers[i];
        CIMListTeamItem* pTeam = teams[user.nTeam];
        CIMListUserItem* pUser =
            list.AddUser(static_cast<DWORD>(1001 + i), Text(user.lpszName), Text(user.lpszSignature),
                         user.wPicture, user.nStatus, pTeam, 0);
        if (pUser && user.bSparkle)
            list.SetSparkleItem(list.GetGroup(kTeams[user.nTeam].nGroup), pTeam, pUser, 1);
    }
}

// The card shows the first friend of the first team: big picture, name and signature.
void CIMListPageWnd::ShowCard() {
    CIMGroupButton* pGroup = m_big.GetGroup(0);
    CIMListItem* pItem = pGroup ? pGroup->GetChild(0) : NULL;
    CIMListUserItem* pUser = NULL;
    if (pItem && pItem->IsKindOf(1)) pUser = static_cast<CIMListTeamItem*>(pItem)->GetChild(0);
    m_card.SetUserImage(pUser ? pUser->GetBigIcon() : NULL);
    m_strCardName = pUser ? pUser->GetTitle() : CString();
    m_strCardSignature = pUser ? pUser->GetUserIdiograph() : CString();
    m_card.Invalidate();
    InvalidateRect(CardTextRect());
}

void CIMListPageWnd::PrintLists(HBITMAP hShot) {
    CRect rcTop;
    ::GetWindowRect(::GetAncestor(m_hWnd, GA_ROOT), &rcTop);
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hShot);
    for (CIMListWnd* pList : {static_cast<CIMListWnd*>(&m_small), static_cast<CIMListWnd*>(&m_big)}) {
        if (!::IsWindowVisible(pList->GetSafeHwnd())) continue;
        CRect rcList;
        pList->GetWindowRect(&rcList);
        rcList.OffsetRect(-rcTop.left, -rcTop.top);
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(&rcList);
        dc.SetViewportOrg(rcList.left, rcList.top);
        pList->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), PRF_CLIENT);
        dc.RestoreDC(nSaved);
    }
    // The card is an owner-drawn button: its own drawing, into the same picture.
    if (::IsWindowVisible(m_card.GetSafeHwnd())) {
        CRect rcCard;
        m_card.GetWindowRect(&rcCard);
        rcCard.OffsetRect(-rcTop.left, -rcTop.top);
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(&rcCard);
        dc.SetViewportOrg(rcCard.left, rcCard.top);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = kCardId;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = m_card.GetSafeHwnd();
        dis.hDC = dc.GetSafeHdc();
        m_card.GetClientRect(&dis.rcItem);
        m_card.DrawItem(&dis);
        dc.RestoreDC(nSaved);
    }
    ::SelectObject(dc.GetSafeHdc(), hOld);
}

void CIMListPageWnd::SetStatus(LPCTSTR lpszKey, const CString& strName) {
    m_strStatus.Format(Text(lpszKey), static_cast<LPCTSTR>(strName));
    InvalidateRect(StatusRect());
}

BOOL CIMListPageWnd::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_clrClientBk);
    return TRUE;
}

void CIMListPageWnd::OnPaint() {
    CPaintDC dc(this);
    CFont fontTitle;
    fontTitle.CreatePointFont(120, Text(_T("IDS_DEF_FONT")), &dc);
    CFont* pOldFont = dc.SelectObject(&fontTitle);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(30, 50, 90));
    dc.TextOut(kMargin, kTitleTop, Text(_T("IDS_GALLERY_IM_TITLE")));
    dc.SelectObject(&m_font);
    dc.SetTextColor(RGB(90, 90, 90));
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcHint(kMargin, kHintTop, rcClient.right - kMargin, kCaptionTop);
    dc.DrawText(Text(_T("IDS_GALLERY_IM_HINT")), &rcHint, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS);

    dc.SetTextColor(RGB(40, 40, 40));
    static const LPCTSTR kCaptions[] = {_T("IDS_GALLERY_IM_CAP_SMALL"), _T("IDS_GALLERY_IM_CAP_BIG")};
    for (int i = 0; i < 2; ++i) {
        const CRect rcList = ListRect(i);
        CRect rcCaption(rcList.left, kCaptionTop, rcList.right, kListTop - 2);
        dc.DrawText(Text(kCaptions[i]), &rcCaption, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    CRect rcCardCaption(kCardLeft, kCaptionTop, kCardLeft + 300, kListTop - 2);
    dc.DrawText(Text(_T("IDS_GALLERY_IM_CAP_CARD")), &rcCardCaption,
                DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_END_ELLIPSIS);

    // The card: name in bold, the signature under it.
    const CRect rcCard = CardTextRect();
    CRect rcName(rcCard.left, rcCard.top + 2, rcCard.right, rcCard.top + 22);
    dc.SelectObject(&m_fontBold);
    dc.SetTextColor(RGB(20, 20, 20));
    dc.DrawText(m_strCardName, &rcName, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SelectObject(&m_font);
    dc.SetTextColor(RGB(100, 100, 100));
    CRect rcSignature(rcCard.left, rcName.bottom, rcCard.right, rcCard.bottom);
    dc.DrawText(m_strCardSignature, &rcSignature, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_END_ELLIPSIS);

    // The legend of the statuses under the card.
    static const LPCTSTR kLegend[] = {_T("IDS_GALLERY_IM_LEGEND_ONLINE"), _T("IDS_GALLERY_IM_LEGEND_BUSY"),
                                      _T("IDS_GALLERY_IM_LEGEND_OFFLINE"), _T("IDS_GALLERY_IM_LEGEND_FLASH")};
    dc.SetTextColor(RGB(60, 60, 60));
    int y = kListTop + CTMBUserIcon::ICON_SIZE + 40;
    for (LPCTSTR lpszKey : kLegend) {
        CRect rcLine(kCardLeft, y, kCardLeft + 300, y + 20);
        dc.DrawText(Text(lpszKey), &rcLine, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        y += 22;
    }

    CRect rcStatus = StatusRect();
    dc.SetTextColor(RGB(30, 80, 150));
    dc.DrawText(m_strStatus, &rcStatus, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SelectObject(pOldFont);
}

LRESULT CIMListPageWnd::OnSkinChanged(WPARAM, LPARAM) {
    // The lists lay themselves out again (they get the message too); the page's colours follow the skin.
    ShowCard();
    Invalidate();
    return 0;
}

// ---- The page ----

class CIMListPage : public CGalleryWndPage<CIMListPageWnd> {
public:
    CIMListPage() : CGalleryWndPage(_T("contact-list"), _T("Contact list")) {}
    // The lists paint straight into their windows, which a read-back of the screen does not always see
    // in full: after the capture each list, and the card, draws itself again over its place in the picture.
    HBITMAP Shoot(const std::function<HBITMAP()>& capture) override {
        HBITMAP hShot = capture();
        if (hShot && m_wnd) m_wnd->PrintLists(hShot);
        return hShot;
    }
};

REGISTER_GALLERY_PAGE(CIMListPage);

}  // namespace
