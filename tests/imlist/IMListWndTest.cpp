// The contact list window, shown, driven through the real pointer: layout, clicks, slides, hover
// callbacks, scrolling, flashing and the painting invariant.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "IMListTestKit.h"
#include "QVSkinResManager.h"

using namespace imtest;

namespace {

// FALSE when the window has no such timer running (and stops it when it has).
BOOL TimerRunning(const CWnd& wnd, UINT_PTR nID) {
    return ::KillTimer(wnd.GetSafeHwnd(), nID);
}

}  // namespace

class IMListWnd : public ListTest {
protected:
    void SetUp() override {
        ListTest::SetUp();
        m_nButton = CQVSkinResManager::GetSingletonPtr()->GetIMLRes()->m_nGroupBtnHeight;
    }
    // Opens G1 without a slide and waits for the paint.
    void OpenMiddle() {
        Fill();
        CreateList();
        m_list.SetCurrentGroup(1, 0);
        PumpMessages(50, true);
        m_list.Clear();
    }
    CPoint TeamRow(int nGroup, int nTeam) const { return Team(nGroup, nTeam)->GetRect().CenterPoint(); }
    CIMListUserItem* User(int nGroup, int nTeam, int nUser) const {
        return Team(nGroup, nTeam)->GetChild(nUser);
    }

    int m_nButton = 24;
};

TEST_F(IMListWnd, RegistersItsClassWithDoubleClicks) {
    CreateList();
    TCHAR szClass[32] = {};
    ::GetClassName(m_list.GetSafeHwnd(), szClass, 32);
    EXPECT_EQ(CString(_T("TMB_LIST")), CString(szClass));
    EXPECT_TRUE(::GetClassLong(m_list.GetSafeHwnd(), GCL_STYLE) & CS_DBLCLKS);
    EXPECT_TRUE(m_list.IsKindOf(RUNTIME_CLASS(CIMListWnd)));
}

// Where the buttons and the open area go for a client is the layout's (IMListLayout); here the window
// asks it again at every size and places the open group's rows in the area.
TEST_F(IMListWnd, ResizeKeepsTheGroupOpenInTheNewArea) {
    OpenMiddle();
    EXPECT_TRUE(Group(1)->IsExpanded());
    EXPECT_FALSE(Group(0)->IsExpanded());
    EXPECT_EQ(CRect(10, 2 * m_nButton, 200, 2 * m_nButton + 20), Team(1, 0)->GetRect());
    m_list.SetCurrentGroup(3, 0);  // no such groups: the open one stays
    m_list.SetCurrentGroup(-1, 1);
    EXPECT_EQ(1, m_list.GetCurrentGroup());
    m_list.SetWindowPos(NULL, 0, 0, 240, 200, SWP_NOZORDER | SWP_NOMOVE);
    PumpMessages(30, true);
    EXPECT_EQ(CRect(0, 2 * m_nButton, 240, 200 - m_nButton), Group(1)->GetExpandRect());
    EXPECT_EQ(240, Team(1, 0)->GetRect().right);
    m_list.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE);
    PumpMessages(30, true);
    EXPECT_LE(Group(1)->GetExpandRect().Height(), 0);
    m_list.SetWindowPos(NULL, 0, 0, 200, 300, SWP_NOZORDER | SWP_NOMOVE);
    PumpMessages(30, true);
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListWnd, ClickOnAnotherButtonSlidesItOpenAndReportsOnce) {
    OpenMiddle();
    Click(m_list.GetSafeHwnd(), Group(2)->GetRect().CenterPoint());
    EXPECT_TRUE(Group(2)->HasAnimation() || Group(2)->GetRect().top == 2 * m_nButton);
    FinishSlides();
    ASSERT_EQ(1u, m_list.m_calls.size());
    EXPECT_EQ(Call::GROUP_CLICK, m_list.m_calls[0].kind);
    EXPECT_EQ(Group(2), m_list.m_calls[0].pItem);
    EXPECT_EQ(2, m_list.GetCurrentGroup());
    EXPECT_EQ(CRect(0, 2 * m_nButton, 200, 3 * m_nButton), Group(2)->GetRect());
    EXPECT_FALSE(TimerRunning(m_list, CIMListWnd::TIMER_ANIMATION));
    MoveTo(m_list.GetSafeHwnd(), CPoint(100, 280));
    Leave();
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListWnd, CurrentButtonAndPressReleasedElsewhereDoNothing) {
    OpenMiddle();
    Click(m_list.GetSafeHwnd(), Group(1)->GetRect().CenterPoint());
    MoveTo(m_list.GetSafeHwnd(), Group(0)->GetRect().CenterPoint());
    ButtonDown();
    MoveTo(m_list.GetSafeHwnd(), Group(2)->GetRect().CenterPoint());
    ButtonUp();
    PumpMessages(300, true);
    EXPECT_EQ(1, m_list.GetCurrentGroup());
    EXPECT_EQ(0, m_list.Count(Call::GROUP_CLICK));
    // A row pressed and released on another row is no click either.
    Team(1, 0)->Expand(1);
    m_list.RedrawCurrentGroup();
    MoveTo(m_list.GetSafeHwnd(), User(1, 0, 0)->GetRect().CenterPoint());
    ButtonDown();
    MoveTo(m_list.GetSafeHwnd(), User(1, 0, 1)->GetRect().CenterPoint());
    ButtonUp();
    EXPECT_EQ(0, m_list.Count(Call::USER_CLICK));
}

TEST_F(IMListWnd, ClicksDuringASlideLeaveEveryButtonInPlace) {
    OpenMiddle();
    Click(m_list.GetSafeHwnd(), Group(2)->GetRect().CenterPoint());
    Click(m_list.GetSafeHwnd(), CPoint(100, m_nButton / 2));  // G0, while G2 still moves
    FinishSlides();
    EXPECT_EQ(0, m_list.GetCurrentGroup());
    EXPECT_EQ(CRect(0, 0, 200, m_nButton), Group(0)->GetRect());
    EXPECT_EQ(CRect(0, 300 - 2 * m_nButton, 200, 300 - m_nButton), Group(1)->GetRect());
    EXPECT_EQ(CRect(0, 300 - m_nButton, 200, 300), Group(2)->GetRect());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Group(i)->HasAnimation());
    EXPECT_FALSE(TimerRunning(m_list, CIMListWnd::TIMER_ANIMATION));
    // SetCurrentGroup without a slide in the middle of one also ends in place.
    Click(m_list.GetSafeHwnd(), Group(2)->GetRect().CenterPoint());
    m_list.SetCurrentGroup(1, 0);
    FinishSlides();
    EXPECT_EQ(CRect(0, 300 - m_nButton, 200, 300), Group(2)->GetRect());
    EXPECT_EQ(CRect(0, m_nButton, 200, 2 * m_nButton), Group(1)->GetRect());
}

TEST_F(IMListWnd, TeamClickAndDoubleClickToggleOnce) {
    OpenMiddle();
    Click(m_list.GetSafeHwnd(), TeamRow(1, 0));
    ASSERT_TRUE(Team(1, 0)->IsExpanded());
    ASSERT_EQ(1, m_list.Count(Call::TEAM_CLICK));
    EXPECT_EQ(Team(1, 0), m_list.m_calls.back().pItem);
    EXPECT_EQ(Team(1, 0)->GetRect().bottom + 2 + 5 * 24 + 2, Team(1, 1)->GetRect().top);
    DoubleClick(m_list.GetSafeHwnd(), TeamRow(1, 0));
    EXPECT_FALSE(Team(1, 0)->IsExpanded());
    EXPECT_EQ(2, m_list.Count(Call::TEAM_CLICK));
    EXPECT_EQ(0, m_list.Count(Call::TEAM_DBCLICK));
    EXPECT_EQ(0, m_list.Count(Call::GROUP_DBCLICK));
}

TEST_F(IMListWnd, UserDoubleClickGivesOneClickAndOneDoubleClick) {
    OpenMiddle();
    Click(m_list.GetSafeHwnd(), TeamRow(1, 0));
    m_list.Clear();
    CIMListUserItem* pUser = User(1, 0, 2);
    DoubleClick(m_list.GetSafeHwnd(), pUser->GetTextRect().CenterPoint());
    EXPECT_EQ(1, m_list.Count(Call::USER_CLICK));
    EXPECT_EQ(1, m_list.Count(Call::USER_DBCLICK));
    for (const Call& call : m_list.m_calls) {
        if (call.kind == Call::USER_CLICK || call.kind == Call::USER_DBCLICK) {
            EXPECT_EQ(pUser, call.pItem);
        }
    }
}

TEST_F(IMListWnd, PictureEnterAndLeaveAreReportedOnce) {
    OpenMiddle();
    Click(m_list.GetSafeHwnd(), TeamRow(1, 0));
    m_list.Clear();
    CIMListUserItem* pUser = User(1, 0, 1);
    MoveTo(m_list.GetSafeHwnd(), pUser->GetTextRect().CenterPoint());
    EXPECT_EQ(1, m_list.Count(Call::USER_MOVE));
    EXPECT_EQ(0, m_list.Count(Call::USER_IMAGE_MOVE));
    MoveTo(m_list.GetSafeHwnd(), pUser->GetImageRect().CenterPoint());
    MoveTo(m_list.GetSafeHwnd(), pUser->GetImageRect().CenterPoint() + CPoint(1, 1));
    EXPECT_EQ(1, m_list.Count(Call::USER_IMAGE_MOVE));
    EXPECT_EQ(1, m_list.Count(Call::USER_MOVE));
    MoveTo(m_list.GetSafeHwnd(), pUser->GetTextRect().CenterPoint());
    EXPECT_EQ(1, m_list.Count(Call::USER_IMAGE_LEAVE));
    // Straight onto another user's picture: move and picture move at once.
    MoveTo(m_list.GetSafeHwnd(), User(1, 0, 3)->GetImageRect().CenterPoint());
    EXPECT_EQ(2, m_list.Count(Call::USER_MOVE));
    EXPECT_EQ(2, m_list.Count(Call::USER_IMAGE_MOVE));
    Leave();
    EXPECT_EQ(2, m_list.Count(Call::USER_IMAGE_LEAVE));  // leaving the window leaves the picture
    MoveTo(m_list.GetSafeHwnd(), TeamRow(1, 1));
    EXPECT_EQ(1, m_list.Count(Call::TEAM_MOVE));
}

class IMListWndScroll : public IMListWnd {
protected:
    // G1 with 30 teams of one user each: the bar shows.
    void FillLong() {
        m_list.AddGroup(_T("G0"), 0);
        CIMGroupButton* pGroup = m_list.AddGroup(_T("G1"), 0);
        for (int i = 0; i < 30; ++i) {
            CString strTeam;
            strTeam.Format(_T("Team %d"), i);
            CIMListTeamItem* pTeam = m_list.AddTeam(strTeam, pGroup, 0);
            m_list.AddUser(i, _T("王五"), _T("sign"), 0, IMUS_ONLINE, pTeam, 0);
        }
        m_list.AddGroup(_T("G2"), 0);
        CreateList();
        m_list.SetCurrentGroup(1, 0);
        PumpMessages(50, true);
    }
    CIMScrollBar& Bar() { return Group(1)->GetScrollBar(); }
    int Max() {
        int nMin, nMax;
        Bar().GetRange(nMin, nMax);
        return nMax;
    }
};

TEST_F(IMListWndScroll, HoldingTheLowerArrowRepeatsToTheEnd) {
    FillLong();
    ASSERT_TRUE(Bar().IsVisible());
    const int nRows = Team(1, 0)->GetRect().top;
    MoveTo(m_list.GetSafeHwnd(), Bar().GetMaxDeltaRect().CenterPoint());
    ButtonDown();
    EXPECT_EQ(22, Bar().GetPos());
    EXPECT_EQ(nRows - 22, Team(1, 0)->GetRect().top);
    // The repeat timer's ticks, sent while the button is held on the arrow, until one moves nothing.
    for (int i = 0; i < 1000 && Bar().GetPos() < Max(); ++i)
        Tick(CIMListWnd::TIMER_REPEAT);
    EXPECT_EQ(Max(), Bar().GetPos());
    Tick(CIMListWnd::TIMER_REPEAT);
    EXPECT_FALSE(TimerRunning(m_list, CIMListWnd::TIMER_REPEAT));
    ButtonUp();
    EXPECT_EQ(nRows - Max(), Team(1, 0)->GetRect().top);
    MoveTo(m_list.GetSafeHwnd(), Bar().GetMinDeltaRect().CenterPoint());
    Leave();
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListWndScroll, ThumbDragsToBothEnds) {
    FillLong();
    const int nRows = Team(1, 0)->GetRect().top;
    CPoint pt = Bar().GetBarRect().CenterPoint();
    MoveTo(m_list.GetSafeHwnd(), pt);
    ButtonDown();
    for (int y = pt.y; y < 400; y += 30)
        MoveTo(m_list.GetSafeHwnd(), CPoint(pt.x, y));
    EXPECT_EQ(Max(), Bar().GetPos());
    EXPECT_EQ(Bar().GetTrackRect().bottom, Bar().GetBarRect().bottom);
    for (int y = 300; y > -60; y -= 40)
        MoveTo(m_list.GetSafeHwnd(), CPoint(pt.x, y));
    EXPECT_EQ(0, Bar().GetPos());
    ButtonUp();
    EXPECT_EQ(nRows, Team(1, 0)->GetRect().top);
    Leave();
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListWndScroll, WheelScrollsByTheArrowStep) {
    FillLong();
    m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(100, 100));
    EXPECT_EQ(22, Bar().GetPos());
    m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 3 * WHEEL_DELTA), MAKELPARAM(100, 100));
    EXPECT_EQ(0, Bar().GetPos());
    PumpMessages(50, true);
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListWndScroll, TeamClickThatHidesTheBarClearsItsColumn) {
    m_list.AddGroup(_T("G0"), 0);
    CIMListTeamItem* pTeam = m_list.AddTeam(_T("Big"), m_list.GetGroup(0), 0);
    for (int i = 0; i < 20; ++i)
        m_list.AddUser(i, _T("U"), _T(""), 1, IMUS_ONLINE, pTeam, 0);
    CreateList();
    m_list.SetCurrentGroup(0, 0);
    PumpMessages(50, true);
    Click(m_list.GetSafeHwnd(), pTeam->GetRect().CenterPoint());
    PumpMessages(::GetDoubleClickTime() + 50, true);  // two real clicks here, not a double click
    EXPECT_TRUE(m_list.GetGroup(0)->GetScrollBar().IsVisible());
    Click(m_list.GetSafeHwnd(), pTeam->GetRect().CenterPoint());
    PumpMessages(50, true);
    EXPECT_FALSE(m_list.GetGroup(0)->GetScrollBar().IsVisible());
    Leave();
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListWnd, FlashingStartsStopsAndRedrawsNormally) {
    OpenMiddle();
    Click(m_list.GetSafeHwnd(), TeamRow(1, 0));
    ParkCursor();
    PumpMessages(50, true);
    riztest::Surface before(200, 300);
    ReadClient(m_list.GetSafeHwnd(), before);
    EXPECT_EQ(1, m_list.SetSparkleItem(_T("G1"), _T("T0"), 101, 1));
    EXPECT_EQ(1, m_list.SetSparkleItem(_T("G1"), _T("T0"), 101, 1));  // not listed twice
    EXPECT_EQ(1, Group(1)->GetSparkleItemCount());
    EXPECT_EQ(0, m_list.SetSparkleItem(_T("G1"), _T("T0"), 999, 1));
    EXPECT_EQ(0, m_list.SetSparkleItem(_T("G9"), _T("T0"), 101, 1));
    EXPECT_EQ(0, m_list.SetSparkleItem(Group(0), Team(1, 0), User(1, 0, 0), 1));  // mismatched
    Tick(CIMListWnd::TIMER_SPARKLE, 2);
    EXPECT_GE(m_list.FindUser(_T("G1"), _T("T0"), 101)->GetSparklePhase(), 1);
    EXPECT_EQ(1, m_list.SetSparkleItem(_T("G1"), _T("T0"), 101, 0));
    Tick(CIMListWnd::TIMER_SPARKLE, 2);
    EXPECT_FALSE(TimerRunning(m_list, CIMListWnd::TIMER_SPARKLE));
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListWnd, MixedUseEndsEqualToAFreshPaint) {
    OpenMiddle();
    const HWND hWnd = m_list.GetSafeHwnd();
    Click(hWnd, TeamRow(1, 0));
    Click(hWnd, TeamRow(1, 1));
    m_list.SetSparkleItem(_T("G1"), _T("T1"), 111, 1);
    m_list.SetSparkleItem(_T("G0"), _T("T0"), 1, 1);
    for (int i = 0; i < 5; ++i)
        MoveTo(hWnd, User(1, 0, i)->GetImageRect().CenterPoint());
    MoveTo(hWnd, Group(0)->GetRect().CenterPoint());
    MoveTo(hWnd, Group(0)->GetSparkleIconRect().CenterPoint());
    Tick(CIMListWnd::TIMER_SPARKLE, 2);
    if (Group(1)->GetScrollBar().IsVisible()) {
        Click(hWnd, Group(1)->GetScrollBar().GetMaxDeltaRect().CenterPoint());
        MoveTo(hWnd, Group(1)->GetScrollBar().GetBarRect().CenterPoint());
    }
    m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(100, 100));
    MoveTo(hWnd, User(1, 1, 1)->GetTextRect().CenterPoint());
    Click(hWnd, Group(2)->GetRect().CenterPoint());
    PumpMessages(100, true);
    Click(hWnd, Group(1)->GetRect().CenterPoint());
    FinishSlides();
    MoveTo(hWnd, TeamRow(1, 0));
    m_list.SetSparkleItem(_T("G1"), _T("T1"), 111, 0);
    m_list.SetSparkleItem(_T("G0"), _T("T0"), 1, 0);
    Leave();
    Tick(CIMListWnd::TIMER_SPARKLE);
    EXPECT_FALSE(TimerRunning(m_list, CIMListWnd::TIMER_SPARKLE));
    EXPECT_EQ(0, DiffFromFreshPaint());
}

TEST_F(IMListWnd, SkinChangeReadsTheButtonHeightAndAnswersZero) {
    OpenMiddle();
    CQVSkinIMListRes* pRes = CQVSkinResManager::GetSingletonPtr()->GetIMLRes();
    const int nSaved = pRes->m_nGroupBtnHeight;
    pRes->m_nGroupBtnHeight = 31;
    EXPECT_EQ(0, m_list.SendMessage(WM_QV_SKINCHANGED));
    pRes->m_nGroupBtnHeight = nSaved;
    EXPECT_EQ(CRect(0, 31, 200, 62), Group(1)->GetRect());
    EXPECT_EQ(CRect(0, 62, 200, 269), Group(1)->GetExpandRect());
    EXPECT_EQ(62, Team(1, 0)->GetRect().top);
    PumpMessages(50, true);
    EXPECT_EQ(0, DiffFromFreshPaint());
}
