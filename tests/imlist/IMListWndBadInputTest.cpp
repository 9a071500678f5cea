// The contact list against bad input: wrong pointers and indexes, callbacks that delete, clear or destroy,
// destruction in the middle of a slide, a drag or a repeat, huge teams and many create/destroy cycles.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "IMListTestKit.h"
#include "ResourceCounter.h"

using namespace imtest;

using IMListBadInput = ListTest;

TEST_F(IMListBadInput, UnknownGroupsTeamsAndDuplicateIdsAddNothing) {
    Fill();
    EXPECT_EQ(nullptr, m_list.AddTeam(_T("nobody"), _T("T"), 1));
    CIMGroupButton stranger;
    EXPECT_EQ(nullptr, m_list.AddTeam(_T("T"), &stranger, 1));
    EXPECT_EQ(nullptr, m_list.AddTeam(_T("T"), nullptr, 1));
    EXPECT_EQ(nullptr, m_list.AddUser(1, _T("a"), _T(""), 0, IMUS_ONLINE, nullptr, 1));
    EXPECT_EQ(nullptr, m_list.AddUser(100, _T("dup"), _T(""), 0, IMUS_ONLINE, Team(1, 0), 1));
    EXPECT_EQ(5, Team(1, 0)->GetChildCount());
    CIMListUserItem* pUser = new CIMListUserItem;
    pUser->SetUserID(100);
    EXPECT_EQ(0, m_list.AddUser(pUser, Team(1, 0), 1));
    EXPECT_EQ(0, m_list.AddUser(nullptr, Team(1, 0), 1));
    delete pUser;
    EXPECT_EQ(nullptr, m_list.GetGroup(3));
    EXPECT_EQ(nullptr, m_list.FindUser(_T("G1"), _T("T0"), 999));
    EXPECT_EQ(nullptr, m_list.FindTeam(nullptr, _T("T0")));
}

TEST_F(IMListBadInput, MismatchedDeletesLeaveEverythingInPlace) {
    Fill();
    CIMListUserItem* pUser = Team(1, 0)->GetChild(0);
    m_list.DelUser(pUser, Team(1, 1), 1);  // not in that team
    m_list.DelUser(nullptr, Team(1, 0), 1);
    m_list.DelUser(pUser, nullptr, 1);
    EXPECT_EQ(pUser, Team(1, 0)->FindUser(pUser->GetUserID()));
    m_list.DelTeam(Team(1, 0), Group(0), 1);  // not in that group
    m_list.DelTeam(nullptr, Group(1), 1);
    EXPECT_EQ(2, Group(1)->GetChildCount());
}

TEST_F(IMListBadInput, DeletingFlashingUsersAndTeamsEmptiesTheFlashingList) {
    Fill();
    CreateList();
    m_list.SetCurrentGroup(1, 0);
    m_list.SetSparkleItem(_T("G1"), _T("T0"), 100, 1);
    m_list.SetSparkleItem(_T("G1"), _T("T0"), 101, 1);
    m_list.SetSparkleItem(_T("G1"), _T("T1"), 110, 1);
    EXPECT_EQ(3, Group(1)->GetSparkleItemCount());
    m_list.DelUser(m_list.FindUser(_T("G1"), _T("T0"), 100), Team(1, 0), 1);
    EXPECT_EQ(2, Group(1)->GetSparkleItemCount());
    m_list.DelTeam(Team(1, 0), Group(1), 1);
    EXPECT_EQ(1, Group(1)->GetSparkleItemCount());
    Tick(CIMListWnd::TIMER_SPARKLE);
    m_list.DelTeam(Team(1, 0), Group(1), 1);  // T1 is now at position 0
    EXPECT_EQ(0, Group(1)->GetSparkleItemCount());
    Tick(CIMListWnd::TIMER_SPARKLE);
    EXPECT_FALSE(::KillTimer(m_list.GetSafeHwnd(), CIMListWnd::TIMER_SPARKLE));
}

TEST_F(IMListBadInput, CallbacksThatDeleteTheItemOrClearTheListDoNotBreakTheWindow) {
    Fill();
    CreateList();
    m_list.SetCurrentGroup(1, 0);
    Team(1, 0)->Expand(1);
    m_list.RedrawCurrentGroup();
    m_list.m_action = [this](const Call& call) {
        if (call.kind == Call::USER_MOVE) {
            CIMListUserItem* pUser =
                const_cast<CIMListUserItem*>(static_cast<const CIMListUserItem*>(call.pItem));
            m_list.DelUser(pUser, pUser->GetParent(), 1);
        }
        if (call.kind == Call::TEAM_CLICK)
            while (CIMListTeamItem* pTeam = Team(1, 0))
                m_list.DelTeam(pTeam, Group(1), 1);
    };
    const HWND hWnd = m_list.GetSafeHwnd();
    for (int y = 60; y < 250; y += 7)
        MoveTo(hWnd, CPoint(25, y));
    EXPECT_LT(Team(1, 0)->GetChildCount(), 5);
    Click(hWnd, Team(1, 0)->GetRect().CenterPoint());
    EXPECT_EQ(0, Group(1)->GetChildCount());
    for (int y = 250; y > 40; y -= 9)
        MoveTo(hWnd, CPoint(100, y));
    Leave();
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListBadInput, CallbackThatDestroysTheWindowMidClick) {
    Fill();
    CreateList();
    m_list.SetCurrentGroup(1, 0);
    m_list.SetSparkleItem(_T("G1"), _T("T0"), 100, 1);
    m_list.m_action = [this](const Call& call) {
        if (call.kind == Call::TEAM_MOVE || call.kind == Call::TEAM_CLICK) m_list.DestroyWindow();
    };
    Click(m_list.GetSafeHwnd(), Team(1, 0)->GetRect().CenterPoint());
    PumpMessages(400, true);
    EXPECT_FALSE(::IsWindow(m_list.GetSafeHwnd()));
    EXPECT_EQ(0, m_list.GetGroupCount());
}

TEST_F(IMListBadInput, ModalLoopInACallbackWhileSlidingAndFlashing) {
    Fill();
    CreateList();
    m_list.SetCurrentGroup(1, 0);
    Team(1, 0)->Expand(1);
    m_list.RedrawCurrentGroup();
    m_list.SetSparkleItem(_T("G1"), _T("T0"), 100, 1);
    m_list.m_action = [this](const Call& call) {
        if (call.kind != Call::USER_MOVE) return;
        m_list.m_action = nullptr;
        m_list.SetCurrentGroup(0, 1);
        PumpMessages(600, true);  // timers 1 and 3 fire inside
    };
    MoveTo(m_list.GetSafeHwnd(), Team(1, 0)->GetChild(1)->GetTextRect().CenterPoint());
    EXPECT_EQ(0, m_list.GetCurrentGroup());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Group(i)->HasAnimation());
    m_list.SetSparkleItem(_T("G1"), _T("T0"), 100, 0);
    Leave();
    PumpMessages(400, true);
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListBadInput, DestroyedMidSlideMidDragAndMidRepeat) {
    for (int nCase = 0; nCase < 3; ++nCase) {
        CRecordingList* pList = new CRecordingList;
        for (int g = 0; g < 3; ++g) {
            CIMGroupButton* pGroup = pList->AddGroup(_T("G"), 0);
            for (int t = 0; t < 20; ++t)
                pList->AddUser(t, _T("u"), _T(""), 0, IMUS_ONLINE, pList->AddTeam(_T("T"), pGroup, 0), 0);
        }
        ASSERT_TRUE(
            pList->CreateEx(0, NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), &m_host, 1));
        WaitUntilShown(pList->GetSafeHwnd());
        pList->SetCurrentGroup(1, 0);
        PumpMessages(30, true);
        CIMScrollBar& bar = pList->GetGroup(1)->GetScrollBar();
        ASSERT_TRUE(bar.IsVisible());
        if (nCase == 0) {
            Click(pList->GetSafeHwnd(), pList->GetGroup(2)->GetRect().CenterPoint());
        } else {
            MoveTo(pList->GetSafeHwnd(),
                   nCase == 1 ? bar.GetBarRect().CenterPoint() : bar.GetMaxDeltaRect().CenterPoint());
            ButtonDown();
            MoveTo(pList->GetSafeHwnd(), bar.GetMaxDeltaRect().CenterPoint() + CPoint(0, -20));
        }
        pList->DestroyWindow();
        PumpMessages(250, true);
        ButtonUp();
        delete pList;
        PumpMessages(30, true);
    }
    ParkCursor();
}

TEST_F(IMListBadInput, ScrollReportsOfOtherBarsOrStalePositionsMoveNoRows) {
    Fill();
    CreateList();
    m_list.SetCurrentGroup(1, 0);
    const CRect rcTeam = Team(1, 0)->GetRect();
    EXPECT_EQ(0, m_list.SendMessage(WM_IMLIST_SCROLL, 0, 50));  // the open group's bar is not at 50
    Group(0)->GetScrollBar().SetRange(0, 100, 10, 1);
    Group(0)->GetScrollBar().SetPos(60);  // a closed group's bar reports to the window too
    Group(2)->GetScrollBar().SetRect(CRect(0, 0, 15, 100));
    m_list.SetBigIconMode(1);
    m_list.SetBigIconMode(0);
    EXPECT_EQ(rcTeam, Team(1, 0)->GetRect());
    PumpMessages(50, true);
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListBadInput, AHundredThousandUsersInOneTeam) {
    CIMGroupButton* pGroup = m_list.AddGroup(_T("Huge"), 0);
    CIMListTeamItem* pTeam = m_list.AddTeam(_T("Everyone"), pGroup, 0);
    for (int i = 0; i < 100000; ++i)
        m_list.AddUser(i, _T("用户"), _T(""), static_cast<WORD>(i % 10), i % 3 ? IMUS_ONLINE : IMUS_OFFLINE,
                       pTeam, 0);
    EXPECT_EQ(100000, pTeam->GetChildCount());
    EXPECT_EQ(66666, pTeam->GetActiveCount());
    CreateList();
    m_list.SetCurrentGroup(0, 0);
    PumpMessages(30, true);
    Click(m_list.GetSafeHwnd(), pTeam->GetRect().CenterPoint());
    ASSERT_TRUE(pTeam->IsExpanded());
    CIMScrollBar& bar = pGroup->GetScrollBar();
    int nMin, nMax;
    bar.GetRange(nMin, nMax);
    EXPECT_EQ(22 + 100000 * 24 - m_list.GetExpandRect().Height(), nMax);
    bar.SetPos(nMax);
    EXPECT_EQ(m_list.GetExpandRect().bottom, pTeam->GetChild(99999)->GetRect().bottom);
    m_list.Invalidate();  // the bar was moved behind the window's back
    m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(nMax - 22, bar.GetPos());
    Leave();
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListBadInput, MissingPicturesDrawNothingForThem) {
    Fill();
    CIMListUserItem* pUser = m_list.AddUser(999, _T("nobody"), _T("sign"), 777, IMUS_ONLINE, Team(1, 0), 0);
    ASSERT_NE(nullptr, pUser);
    EXPECT_TRUE(pUser->GetTinyIcon()->IsNull());
    EXPECT_FALSE(Team(1, 0)->FindUser(101)->GetTinyIcon()->IsNull());  // shipped pictures exist
    CreateList();
    m_list.SetCurrentGroup(1, 0);
    Click(m_list.GetSafeHwnd(), Team(1, 0)->GetRect().CenterPoint());
    Leave();
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListBadInput, CreateDestroySoak) {
    riztest::ExpectCyclesLeakNothing([this](int) {
        CRecordingList list;
        CIMGroupButton* pGroup = list.AddGroup(_T("G"), 0);
        CIMListTeamItem* pTeam = list.AddTeam(_T("T"), pGroup, 0);
        for (int i = 0; i < 5; ++i)
            list.AddUser(i, _T("u"), _T("s"), 0, IMUS_ONLINE, pTeam, 0);
        list.CreateEx(0, NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 200), &m_host, 1);
        list.SetCurrentGroup(0, 0);
        pTeam->Expand(1);
        list.RedrawCurrentGroup();
        list.SetSparkleItem(pGroup, pTeam, pTeam->GetChild(0), 1);
        list.SendMessage(WM_TIMER, CIMListWnd::TIMER_SPARKLE);
        list.UpdateWindow();
        list.DestroyWindow();
    });
}

// A client as it would be written: derived, filled, a group opened, clicks posted as messages.
TEST_F(IMListBadInput, PostedClicksReachTheDerivedClient) {
    Fill();
    CreateList();
    m_list.SetCurrentGroup(1, 0);
    Team(1, 0)->Expand(1);
    m_list.RedrawCurrentGroup();
    const CPoint pt = Team(1, 0)->GetChild(1)->GetTextRect().CenterPoint();
    const LPARAM lParam = MAKELPARAM(pt.x, pt.y);
    m_list.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    m_list.PostMessage(WM_LBUTTONUP, 0, lParam);
    m_list.PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lParam);
    m_list.PostMessage(WM_LBUTTONUP, 0, lParam);
    PumpMessages(100, true);
    EXPECT_EQ(1, m_list.Count(Call::USER_CLICK));
    EXPECT_EQ(1, m_list.Count(Call::USER_DBCLICK));
    EXPECT_EQ(Team(1, 0)->GetChild(1), m_list.m_calls.back().pItem);
}
