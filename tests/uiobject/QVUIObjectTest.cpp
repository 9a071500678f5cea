// The object tree and its host window: ownership, routing of posted mouse messages (topmost first, one
// leave per change of hover, button messages to the hover child), painting order, hidden and disabled
// objects, a scrolled host, timers and the one tool of the host.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVUITimerMgr.h"
#include "ResourceCounter.h"
#include "TestWindow.h"
#include "UIProbe.h"

using riztest::PostMouse;
using riztest::PumpUntilIdle;
using namespace uitest;

namespace {

struct HostFixture : HostTest {};

struct UIObjectTree : TreeTest {};
struct UIObjectPaint : TreeTest {};

}  // namespace

// ---- Timer ids (first: the process must not have taken an id yet) ----

TEST(UITimerMgr, IdsStartAtElevenInAFreshProcessAndSkipTheHostsRange) {
    CQVUITimerMgr& mgr = CQVUITimerMgr::GetInstance();
    EXPECT_EQ(11u, mgr.GetTimerID());
    EXPECT_EQ(12u, mgr.GetTimerID());
    UINT nLast = 12;
    while (nLast < QVUI_HOST_TIMER_LAST + 5) {
        const UINT nID = mgr.GetTimerID();
        EXPECT_GT(nID, nLast);
        EXPECT_FALSE(nID >= 1000 && nID <= 1001) << nID;  // the ad player's own timers
        EXPECT_FALSE(nID >= QVUI_HOST_TIMER_FIRST && nID <= QVUI_HOST_TIMER_LAST) << nID;
        nLast = nID;
    }
}

// ---- The tree ----

TEST_F(UIObjectTree, FindAndDeleteWorkOnDirectChildrenInInsertionOrder) {
    EXPECT_EQ(nullptr, root.FindChild(1));
    EXPECT_FALSE(root.DeleteChild(1));
    EXPECT_FALSE(root.DeleteChild(&root));

    CProbe* a = new CProbe("a", &log, 0, 0, 10, 10);
    CProbe* b = new CProbe("b", &log, 0, 0, 10, 10);
    CProbe* grandchild = new CProbe("g", &log, 0, 0, 5, 5);
    a->SetObjectID(7);
    b->SetObjectID(7);
    grandchild->SetObjectID(9);
    EXPECT_TRUE(root.AddChild(a));
    EXPECT_TRUE(root.AddChild(b));
    EXPECT_TRUE(a->AddChild(grandchild));
    EXPECT_EQ(&root, a->GetParent());
    EXPECT_EQ(a, grandchild->GetParent());

    EXPECT_EQ(a, root.FindChild(7));
    EXPECT_EQ(nullptr, root.FindChild(9));  // grandchildren are not searched
    EXPECT_TRUE(root.DeleteChild(7));       // the first with that id, and its own children with it
    EXPECT_EQ((Log{"a:deleted", "g:deleted"}), log);
    EXPECT_EQ(b, root.FindChild(7));
    EXPECT_FALSE(root.DeleteChild(grandchild));
    EXPECT_EQ(1, root.GetChildCount());
}

TEST_F(UIObjectTree, NullAndRepeatedAdditionsAreRefusedAndAMoveLeavesTheOldParent) {
    CQVUIObject first, second;
    EXPECT_FALSE(first.AddChild(nullptr));
    EXPECT_FALSE(first.AddChild(&first));
    CProbe* p = new CProbe("p", &log, 0, 0, 10, 10);
    EXPECT_TRUE(first.AddChild(p));
    EXPECT_FALSE(first.AddChild(p));  // twice would mean two deletes
    EXPECT_EQ(1, first.GetChildCount());
    EXPECT_TRUE(second.AddChild(p));
    EXPECT_EQ(0, first.GetChildCount());
    EXPECT_EQ(&second, p->GetParent());
    second.DeleteAllChildren();
    EXPECT_EQ((Log{"p:deleted"}), log);
    EXPECT_EQ(0, second.GetChildCount());
    EXPECT_TRUE(second.AddChild(new CProbe("q", &log, 0, 0, 1, 1)));  // a new sequence after the free
}

TEST_F(UIObjectTree, ChildrenDieWithTheirParentAndADirectDeleteLeavesTheSequence) {
    {
        CQVUIObject parent;
        CProbe* a = new CProbe("a", &log, 0, 0, 10, 10);
        parent.AddChild(a);
        parent.AddChild(new CProbe("b", &log, 0, 0, 10, 10));
        parent.OnMouseMove(CPoint(5, 5));  // b, added last, is hovered
        delete parent.GetHoverChild();
        EXPECT_EQ(nullptr, parent.GetHoverChild());
        EXPECT_EQ(1, parent.GetChildCount());
        EXPECT_EQ(a, parent.GetChild(0));
    }
    EXPECT_EQ((Log{"b:move(5,5)", "b:deleted", "a:deleted"}), log);
}

TEST_F(UIObjectTree, CopiesTakeTheAttributesButNeverTheChildren) {
    CQVUIObject original;
    original.SetObjectID(4);
    original.SetObjectPos(1, 2, 30, 40);
    original.SetBackgroundColor(RGB(1, 2, 3));
    original.SetTransparent(TRUE);
    original.SetAllowScroll(FALSE);
    original.SetToolTip(_T("Word cards"));
    original.AddChild(new CProbe("child", &log, 0, 0, 5, 5));

    CQVUIObject copy(original);
    EXPECT_EQ(4u, copy.GetObjectID());
    EXPECT_EQ(CRect(1, 2, 31, 42), copy.GetObjectRect());
    EXPECT_EQ(RGB(1, 2, 3), copy.GetBackgroundColor());
    EXPECT_TRUE(copy.IsTransparent());
    EXPECT_FALSE(copy.GetAllowScroll());
    EXPECT_EQ(CString(_T("Word cards")), copy.GetToolTip());
    EXPECT_EQ(0, copy.GetChildCount());
    EXPECT_EQ(nullptr, copy.GetParent());

    CQVUIObject assigned;
    assigned.AddChild(new CProbe("own", &log, 0, 0, 5, 5));
    assigned = original;
    EXPECT_EQ(1, assigned.GetChildCount());
    EXPECT_NE(original.GetChild(0), assigned.GetChild(0));
    EXPECT_TRUE(log.empty());
}

TEST_F(UIObjectTree, SetObjectPosRunsLayoutAndSettersRepaintOnlyOnChange) {
    struct CCounting : CQVUIObject {
        int nLayouts = 0;
        void Layout() override { ++nLayouts; }
    } obj;
    obj.SetObjectPos(10, 20, 30, 40);
    EXPECT_EQ(CRect(10, 20, 40, 60), obj.GetObjectRect());
    EXPECT_EQ(1, obj.nLayouts);
    // Without a host nothing is invalidated and nothing fails.
    obj.SetVisible(FALSE);
    obj.SetEnable(FALSE);
    obj.UIInvalidate();
    EXPECT_FALSE(obj.IsVisible());
    EXPECT_FALSE(obj.IsEnable());
    EXPECT_EQ(nullptr, obj.GetHostWnd());
    EXPECT_EQ(nullptr, obj.GetHostCWnd());
}

// ---- Mouse routing through the host ----

TEST_F(HostFixture, TheHostObjectIsTheWindowObjectAndTheRoot) {
    CProbe* a = Add("a", 0, 0, 10, 10);
    EXPECT_EQ(static_cast<CWnd*>(&host), host.GetHostCWnd());
    EXPECT_EQ(host.m_hWnd, a->GetHostWnd());
    EXPECT_EQ(static_cast<CWnd*>(&host), a->GetHostCWnd());
    EXPECT_TRUE(host.IsTransparent());
    EXPECT_EQ(CRect(0, 0, 300, 200), host.GetObjectRect());  // WM_SIZE placed the root
}

TEST(UIObjectRouting, PostedMouseMessagesReachTheRightObjectWithOneLeavePerChange) {
    struct Child {
        const char* pszName;
        int x, y, cx, cy;
        int nParent;  // index of an earlier child, or -1 for the host
        BOOL bVisible, bEnabled;
    };
    struct Input {
        UINT message;
        int x, y;
    };
    const UINT M = WM_MOUSEMOVE, D = WM_LBUTTONDOWN, U = WM_LBUTTONUP, L = WM_MOUSELEAVE;
    const struct {
        const char* pszWhat;
        std::vector<Child> children;
        std::vector<Input> input;
        Log expected;
    } rows[] = {
        // clang-format off
        {"overlapping children: the one added last is hit",
         {{"a", 10, 10, 100, 100, -1, TRUE, TRUE}, {"b", 50, 50, 100, 100, -1, TRUE, TRUE}},
         {{M, 60, 60}, {M, 20, 20}, {M, 120, 120}, {M, 250, 180}},
         {"b:move(60,60)", "b:leave", "a:move(20,20)", "a:leave", "b:move(120,120)", "b:leave"}},
        {"moves within one child: no leave; the host's leave reaches the hover child once",
         {{"a", 0, 0, 100, 100, -1, TRUE, TRUE}},
         {{M, 10, 10}, {M, 11, 12}, {L, 0, 0}, {L, 0, 0}},
         {"a:move(10,10)", "a:move(11,12)", "a:leave"}},
        {"buttons go to the hover child without a new hit test, and to nobody without one",
         {{"a", 0, 0, 50, 50, -1, TRUE, TRUE}, {"b", 100, 0, 50, 50, -1, TRUE, TRUE}},
         {{M, 10, 10}, {D, 10, 10}, {U, 120, 10}, {M, 200, 150}, {D, 200, 150}, {U, 20, 20}},
         {"a:move(10,10)", "a:down(10,10)", "a:up(120,10)", "a:leave"}},
        {"a hidden child is not hit",
         {{"top", 0, 0, 100, 100, -1, TRUE, TRUE}, {"bottom", 0, 0, 100, 100, -1, TRUE, TRUE}, {"hidden", 0, 0, 100, 100, -1, FALSE, TRUE}},
         {{M, 5, 5}}, {"bottom:move(5,5)"}},
        {"a disabled child is hit",
         {{"bottom", 0, 0, 100, 100, -1, TRUE, TRUE}, {"disabled", 0, 0, 100, 100, -1, TRUE, FALSE}},
         {{M, 6, 6}}, {"disabled:move(6,6)"}},
        {"the right and bottom edges are outside",
         {{"a", 10, 10, 20, 20, -1, TRUE, TRUE}},
         {{M, 30, 15}, {M, 15, 30}, {M, 29, 29}}, {"a:move(29,29)"}},
        {"nested children are hit with their own rects at every level",
         {{"tile", 0, 0, 100, 100, -1, TRUE, TRUE}, {"price", 10, 80, 80, 20, 0, TRUE, TRUE}},
         {{M, 50, 90}, {M, 50, 10}}, {"tile:move(50,90)", "price:move(50,90)", "tile:move(50,10)", "price:leave"}},
        // clang-format on
    };
    riztest::TestWindow window(300, 200);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszWhat);
        Log log;
        CProbeHost host;
        ASSERT_TRUE(host.CreateIn(window.Host(), 300, 200));
        std::vector<CProbe*> probes;
        for (const Child& c : row.children) {
            probes.push_back(new CProbe(c.pszName, &log, c.x, c.y, c.cx, c.cy));
            probes.back()->SetVisible(c.bVisible);
            probes.back()->SetEnable(c.bEnabled);
            if (c.nParent < 0)
                host.AddChild(probes.back());
            else
                probes[size_t(c.nParent)]->AddChild(probes.back());
        }
        for (const Input& in : row.input)
            PostMouse(host.m_hWnd, in.message, in.x, in.y);
        PumpUntilIdle();
        EXPECT_EQ(row.expected, log);
        host.DestroyWindow();
    }
}

// ---- Deletion while routing ----

TEST_F(HostFixture, DeletedHoverAndPreviousHoverChildrenAreForgottenAndSentNothing) {
    CProbe* a = Add("a", 0, 0, 50, 50);
    CProbe* b = Add("b", 100, 0, 50, 50);
    Add("c", 200, 0, 50, 50);
    Post(WM_MOUSEMOVE, 10, 10);
    Post(WM_LBUTTONDOWN, 10, 10);
    PumpUntilIdle();
    EXPECT_TRUE(host.DeleteChild(a));
    EXPECT_EQ(nullptr, host.GetHoverChild());
    Post(WM_LBUTTONUP, 10, 10);
    Post(WM_MOUSEMOVE, 12, 12);
    PumpUntilIdle();
    EXPECT_EQ((Log{"a:move(10,10)", "a:down(10,10)", "a:deleted"}), log);

    Post(WM_MOUSEMOVE, 110, 10);
    Post(WM_MOUSEMOVE, 210, 10);
    PumpUntilIdle();
    host.DeleteChild(b);  // b is now the previous hover child
    log.clear();
    Post(WM_MOUSEMOVE, 290, 190);
    PumpUntilIdle();
    EXPECT_EQ((Log{"c:leave"}), log);
}

TEST_F(HostFixture, AClientMayDeleteTheClickedChildASiblingOrEverythingFromAClick) {
    CProbe* a = Add("a", 0, 0, 50, 50);
    CProbe* b = Add("b", 100, 0, 50, 50);
    a->m_onUp = [&](CProbe* p) { host.DeleteChild(p); };
    Post(WM_MOUSEMOVE, 10, 10);
    riztest::PostClick(host.m_hWnd, 10, 10);
    PumpUntilIdle();
    EXPECT_EQ(1, host.GetChildCount());

    b->m_onDown = [&](CProbe*) { host.DeleteAllChildren(); };
    Post(WM_MOUSEMOVE, 110, 10);
    riztest::PostClick(host.m_hWnd, 110, 10);
    Post(WM_MOUSEMOVE, 20, 20);
    PumpUntilIdle();
    EXPECT_EQ(0, host.GetChildCount());
    EXPECT_EQ("b:deleted", log.back());
}

TEST_F(HostFixture, ALeaveReportThatDeletesTheNewHoverChildEndsTheMove) {
    CProbe* a = Add("a", 0, 0, 50, 50);
    Add("b", 100, 0, 50, 50);
    a->m_onLeave = [&](CProbe*) { host.DeleteAllChildren(); };
    Post(WM_MOUSEMOVE, 10, 10);
    Post(WM_MOUSEMOVE, 110, 10);
    Post(WM_LBUTTONUP, 110, 10);
    PumpUntilIdle();
    EXPECT_EQ((Log{"a:move(10,10)", "a:leave", "a:deleted", "b:deleted"}), log);
}

// ---- Notifications and timers ----

TEST_F(HostFixture, NotificationsBubbleUpWithTheSendersIdUntilAnObjectHandlesThem) {
    CProbe* tile = Add("tile", 0, 0, 100, 100);
    CProbe* price = new CProbe("price", &log, 0, 0, 10, 10);
    price->SetObjectID(2501);
    tile->AddChild(price);
    EXPECT_EQ(1, price->Notify(QVUIM_HOVER, QVUIH_RESTED, 77));
    ASSERT_EQ(1u, host.m_messages.size());
    EXPECT_EQ(2501u, host.m_messages[0].nID);
    EXPECT_EQ(2u, host.m_messages[0].nCode);
    EXPECT_EQ(1u, host.m_messages[0].wParam);
    EXPECT_EQ(77, host.m_messages[0].lParam);
    CQVUIObject orphan;
    EXPECT_EQ(0, orphan.OnUIMessage(1, 1, 0, 0));
}

TEST_F(HostFixture, ATimerMessageReachesTheObjectThatTookTheIdAndNoOther) {
    CProbe* a = Add("a", 0, 0, 10, 10);
    CProbe* b = Add("b", 0, 0, 10, 10);
    CProbe* nested = new CProbe("nested", &log, 0, 0, 5, 5);
    b->AddChild(nested);
    const UINT idA = a->StartTimer(10000);
    const UINT idNested = nested->StartTimer(10000);
    ASSERT_NE(0u, idA);
    ASSERT_GT(idNested, idA);
    host.SendMessage(WM_TIMER, idNested);
    host.SendMessage(WM_TIMER, idA);
    host.SendMessage(WM_TIMER, 5);
    EXPECT_EQ((Log{"nested:timer", "a:timer"}), log);
    EXPECT_EQ(0, host.__OnTimer(5));
    // The ids are timers of the host window (KillTimer finds only a timer that is set) until stopped.
    nested->StopTimer();
    EXPECT_FALSE(::KillTimer(host.m_hWnd, idNested));
    EXPECT_TRUE(::KillTimer(host.m_hWnd, idA));
    EXPECT_FALSE(::KillTimer(host.m_hWnd, 5));
}

TEST_F(UIObjectTree, AnObjectWithoutAHostStartsNoTimer) {
    EXPECT_EQ(0u, Add("p", 0, 0, 5, 5)->StartTimer(10));
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE));
}

// ---- Painting ----

TEST_F(UIObjectPaint, ChildrenPaintBottomFirstAndHiddenOnesNot) {
    root.SetObjectPos(0, 0, 100, 100);
    Add("a", 10, 10, 40, 40, RGB(255, 0, 0));
    Add("b", 30, 30, 40, 40, RGB(0, 255, 0));
    CProbe* hidden = Add("h", 0, 0, 100, 100, RGB(0, 0, 0));
    hidden->SetVisible(FALSE);
    Add("d", 80, 80, 10, 10, RGB(0, 0, 255))->SetEnable(FALSE);
    Render();
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(15, 15));
    EXPECT_EQ(RGB(0, 255, 0), surface.Pixel(35, 35));  // b was added later: above a
    EXPECT_EQ(RGB(0, 255, 0), surface.Pixel(69, 69));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(70, 70));
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(85, 85));
    EXPECT_EQ(0, hidden->m_nRenders);
}

TEST_F(UIObjectPaint, NestedChildrenPaintRelativeToTheirParent) {
    Add("price", 0, 40, 50, 10, RGB(255, 0, 0), Add("tile", 20, 20, 50, 50, RGB(0, 0, 0)));
    Render();
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(25, 25));
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(25, 65));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(5, 45));  // not at the price's own rect
}

TEST_F(UIObjectPaint, AmongManyChildrenOnlyThoseInViewPaintInInsertionOrder) {
    std::vector<CProbe*> column;
    // Rows of 10 pixels; every child overlaps the next by half, with alternating colours.
    for (int i = 0; i < 1000; ++i)
        column.push_back(Add("c", 0, i * 10, 20, 15, (i % 2) ? RGB(255, 0, 0) : RGB(0, 0, 255)));
    // Far away and added last, with a child that reaches into view: both paint.
    CProbe* late = Add("late", 0, 5000, 10, 10, RGB(0, 255, 0));
    CProbe* reach = Add("reach", 30, -4990, 5, 5, RGB(0, 255, 0), late);
    Render();
    EXPECT_EQ(1, late->m_nRenders);
    EXPECT_EQ(1, reach->m_nRenders);
    int nPainted = 0;
    for (CProbe* p : column)
        nPainted += p->m_nRenders;
    EXPECT_LE(nPainted, 12);
    EXPECT_EQ(1, column[0]->m_nRenders);
    EXPECT_EQ(0, column[500]->m_nRenders);
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(5, 2));
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(5, 12));  // child 1 lies over the end of child 0
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(5, 22));
    EXPECT_EQ(RGB(0, 255, 0), surface.Pixel(32, 12));  // reached in from far away
    // Moved children are found at their new place.
    column[500]->SetObjectPos(40, 40, 20, 20);
    Render();
    EXPECT_EQ(1, column[500]->m_nRenders);
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(45, 45));
}

// ---- A scrolled host ----

struct ScrolledHost : HostTest {
    void SetUp() override {
        ASSERT_TRUE(host.CreateIn(window.Host(), 200, 150, TRUE));
        host.SetScrollPos(SB_HORZ, 30);
        host.SetScrollPos(SB_VERT, 100);
    }
};

TEST_F(ScrolledHost, ScrollingObjectsAreInvalidatedAtTheirRectLessTheOffset) {
    ::ShowWindow(window.Frame(), SW_SHOWNOACTIVATE);  // hidden windows keep no update region
    CProbe* scrolling = Add("s", 50, 120, 40, 20);
    host.ValidateRect(nullptr);
    scrolling->UIInvalidate(FALSE);
    CRect rcUpdate;
    ASSERT_TRUE(host.GetUpdateRect(&rcUpdate));
    EXPECT_EQ(CRect(20, 20, 60, 40), rcUpdate);

    CProbe* fixed = Add("f", 5, 5, 10, 10);
    fixed->SetAllowScroll(FALSE);
    host.ValidateRect(nullptr);
    fixed->UIInvalidateRect(CRect(1, 2, 3, 4), FALSE);
    ASSERT_TRUE(host.GetUpdateRect(&rcUpdate));
    EXPECT_EQ(CRect(1, 2, 3, 4), rcUpdate);

    CPoint pt(0, 0);
    host.LogicViewToHostWindow(pt);
    EXPECT_EQ(CPoint(-30, -100), pt);
    host.HostWindowToLogicView(pt);
    EXPECT_EQ(CPoint(0, 0), pt);
}

TEST_F(ScrolledHost, ScrollingObjectsAreHitAndCalledInViewCoordinates) {
    Add("s", 50, 120, 40, 20);
    Add("f", 0, 0, 10, 10)->SetAllowScroll(FALSE);
    Post(WM_MOUSEMOVE, 25, 25);  // view (55, 125)
    Post(WM_LBUTTONDOWN, 26, 25);
    Post(WM_MOUSEMOVE, 5, 5);  // the fixed object, at its own client point
    Post(WM_LBUTTONUP, 6, 6);
    PumpUntilIdle();
    EXPECT_EQ((Log{"s:move(55,125)", "s:down(56,125)", "s:leave", "f:move(5,5)", "f:up(6,6)"}), log);
}

// ---- The host's one tool ----

TEST_F(HostFixture, OneToolCarriesTheTextOfTheObjectHoveredLast) {
    Add("book", 0, 0, 50, 50)->SetToolTip(_T("Course book"));
    Add("plain", 60, 0, 50, 50);
    Add("cards", 120, 0, 50, 50)->SetToolTip(_T("Word cards"));
    CToolTipCtrl& tip = host.ToolTip();
    ASSERT_TRUE(tip.GetSafeHwnd());
    EXPECT_EQ(0, tip.GetToolCount());
    // A move to x (a leave for -1), then the tool's text, or no tool.
    const struct {
        int x;
        LPCTSTR lpszText;
    } steps[] = {{10, _T("Course book")}, {70, nullptr}, {130, _T("Word cards")}, {-1, nullptr}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.x);  // at 70 no text of its own: the leave of the book took the tool away
        if (step.x < 0)
            host.SendMessage(WM_MOUSELEAVE);
        else
            Post(WM_MOUSEMOVE, step.x, 10);
        PumpUntilIdle();
        ASSERT_EQ(step.lpszText ? 1 : 0, tip.GetToolCount());
        CString strText;
        if (step.lpszText) tip.GetText(strText, &host, 0);
        EXPECT_EQ(CString(step.lpszText ? step.lpszText : _T("")), strText);
    }
}

// ---- Lifetime ----

TEST(UIObjectHost, ManyHostsComeAndGoWithoutLeaks) {
    Log log;
    riztest::TestWindow window(200, 100);
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 300; ++i) {
        CProbeHost host;
        ASSERT_TRUE(host.CreateIn(window.Host(), 200, 100));
        CProbe* p = new CProbe("p", &log, 0, 0, 10, 10);
        host.AddChild(p);
        p->StartTimer(100000);
        p->SetToolTip(_T("tip"));
        host.CQVUIWindow<CProbeHost>::OnMouseMove(CPoint(1, 1));
    }
    riztest::PumpUntilIdle();
    EXPECT_EQ(0, before.WindowDelta());
    EXPECT_EQ(0, before.GdiDelta());
}
