// CQVSplitWnd: the arrangements and the ghost's arithmetic by tables, then a shown split window over
// a parent painting a known pattern: frames, the ghost read back through a window DC, posted drags,
// bad input and a create/destroy soak.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <QVSkinResManager.h>

#include <climits>

#include "MessagePump.h"
#include "PatternDialog.h"
#include "PixelProbe.h"
#include "QVSplitWnd.h"
#include "ResourceCounter.h"
#include "TestImage.h"

namespace {

using qvsplit::Arrange;
using qvsplit::ClampPos;

// Client 200 x 300 with the default border: R = (3, 3, 197, 297), extent 294 stacked, 194 side by side.
TEST(QVSplitWndLayout, ArrangementsAndClamps) {
    const CRect R(3, 3, 197, 297);
    struct Row {
        BOOL bStacked, bSecondFixed;
        int nPos, nClamped;
        CRect rcBar, rcFirst, rcSecond;
    } rows[] = {
        {TRUE, FALSE, 100, 100, {3, 105, 197, 111}, {3, 3, 197, 103}, {3, 113, 197, 297}},
        {TRUE, TRUE, 100, 100, {3, 189, 197, 195}, {3, 3, 197, 187}, {3, 197, 197, 297}},
        {FALSE, FALSE, 50, 50, {55, 3, 61, 297}, {3, 3, 53, 297}, {63, 3, 197, 297}},
        {FALSE, TRUE, 50, 50, {139, 3, 145, 297}, {3, 3, 137, 297}, {147, 3, 197, 297}},
        // Below the fixed panel's minimum: raised to it (20 first, 30 second).
        {TRUE, FALSE, -1, 20, {3, 25, 197, 31}, {3, 3, 197, 23}, {3, 33, 197, 297}},
        {TRUE, TRUE, 5, 30, {3, 259, 197, 265}, {3, 3, 197, 257}, {3, 267, 197, 297}},
        // Above extent - the other minimum; the bar is not counted, so the other panel ends 10 short.
        {TRUE, FALSE, INT_MAX, 264, {3, 269, 197, 275}, {3, 3, 197, 267}, {3, 277, 197, 297}},
        {FALSE, TRUE, 500, 174, {15, 3, 21, 297}, {3, 3, 13, 297}, {23, 3, 197, 297}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.bStacked << row.bSecondFixed << " pos " << row.nPos);
        const int nPos = ClampPos(row.nPos, qvsplit::Extent(R, row.bStacked), 20, 30, row.bSecondFixed);
        EXPECT_EQ(row.nClamped, nPos);
        const qvsplit::Rects rects = Arrange(R, nPos, row.bStacked, row.bSecondFixed);
        EXPECT_EQ(row.rcBar, rects.rcBar);
        EXPECT_EQ(row.rcFirst, rects.rcFirst);
        EXPECT_EQ(row.rcSecond, rects.rcSecond);
    }
    // An extent under both minima: the lower bound wins and the other panel goes negative.
    EXPECT_EQ(20, ClampPos(5, 40, 20, 30, FALSE));
    EXPECT_EQ(-5, Arrange(CRect(0, 0, 100, 25), 20, TRUE, FALSE).rcSecond.Height());
}

// The ghost follows the pointer within first minimum ... far edge - second minimum of the client, and
// the position it leaves is read from its edge: the pinned shift of a press and release in place.
TEST(QVSplitWndLayout, GhostMovesAndThePositionItLeaves) {
    const CRect R(3, 3, 197, 297), rcBar(3, 105, 197, 111);
    struct Row {
        CPoint pt;
        BOOL bStacked;
        CRect rcGhost;
    };
    // clang-format off
    const Row rows[] = {
        {{50, 108}, TRUE, {3, 108, 197, 114}}, {{50, 20}, TRUE, {3, 20, 197, 26}}, {{50, 19}, TRUE, rcBar},
        {{50, 267}, TRUE, {3, 267, 197, 273}}, {{50, 268}, TRUE, rcBar},
        {{167, 5}, FALSE, {167, 105, 361, 111}}, {{168, 5}, FALSE, rcBar}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(row.rcGhost, qvsplit::MoveGhost(rcBar, row.pt, R, 20, 30, row.bStacked)) << row.pt.y;
    // Pressing on the bar's top or bottom row (105 or 110) and releasing there: 100 becomes 105 ... 110.
    for (int y = 105; y <= 110; ++y) {
        const CRect rc = qvsplit::MoveGhost(rcBar, CPoint(50, y), R, 20, 30, TRUE);
        EXPECT_EQ(y, qvsplit::PosFromGhost(rc, R, TRUE, FALSE));
    }
    EXPECT_EQ(97, qvsplit::PosFromGhost(CRect(3, 200, 197, 206), R, TRUE, TRUE));
    EXPECT_EQ(147, qvsplit::PosFromGhost(CRect(50, 3, 56, 297), R, FALSE, TRUE));
}

// A window whose background is a picture of its size: riztest::PatternAt (the parent) or one colour
// (a panel). It answers skin changes with 1 and counts them.
class CPaintedWnd : public CWnd {
public:
    explicit CPaintedWnd(COLORREF clr = CLR_INVALID) : m_clr(clr) {}
    ~CPaintedWnd() override { ::DeleteObject(m_hPicture); }
    BOOL Make(CWnd* pParent, int cx = 200, int cy = 300) {
        m_hPicture = riztest::Dib(
            cx, cy, [this](int x, int y) { return m_clr == CLR_INVALID ? riztest::PatternAt(x, y) : m_clr; });
        return CreateEx(0, AfxRegisterWndClass(0), _T(""), (pParent ? WS_CHILD : WS_POPUP) | WS_VISIBLE,
                        CRect(0, 0, cx, cy), pParent, 0);
    }
    int m_nSkinChanges = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_QV_SKINCHANGED) return ++m_nSkinChanges, 1;
        if (message != WM_ERASEBKGND) return CWnd::WindowProc(message, wParam, lParam);
        HDC hDC = reinterpret_cast<HDC>(wParam), hMem = ::CreateCompatibleDC(hDC);
        HGDIOBJ hOld = ::SelectObject(hMem, m_hPicture);
        ::BitBlt(hDC, 0, 0, 240, 340, hMem, 0, 0, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
        return 1;
    }
    COLORREF m_clr;
    HBITMAP m_hPicture = nullptr;
};

class SplitWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.Make(nullptr, 240, 340));
        ASSERT_TRUE(m_split.Create(WS_VISIBLE, CRect(10, 10, 210, 310), &m_parent, 7));
        ASSERT_TRUE(m_first.Make(&m_parent));
        ASSERT_TRUE(m_second.Make(&m_parent));
        ASSERT_TRUE(m_split.SetPanels(&m_first, &m_second));
        m_split.SetSplitPos(100);
        riztest::PumpUntilIdle();
    }
    void TearDown() override {
        m_split.DestroyWindow();
        m_parent.DestroyWindow();
        riztest::PumpUntilIdle();
    }
    CRect PanelRect(const CWnd& panel) const {
        CRect rc;
        panel.GetWindowRect(&rc);
        m_split.ScreenToClient(&rc);
        return rc;
    }
    COLORREF Pattern(int x, int y) const { return riztest::PatternAt(x + 10, y + 10); }
    // The pointer placed at a client point of the split window, then the cursor query a move makes.
    void PointAt(int x, int y) {
        CPoint pt(x, y);
        m_split.ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        riztest::PumpUntilIdle();
        m_split.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_split.m_hWnd),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    void Post(UINT message, int x, int y) {
        riztest::PostMouse(m_split.m_hWnd, message, x, y, message == WM_LBUTTONUP ? 0 : MK_LBUTTON);
        riztest::PumpUntilIdle();
    }
    // Every pixel of the ghost rectangle is either as before or inverted, half of them inverted, and
    // nothing outside it changed.
    void ExpectGhostAt(const riztest::Surface& before, const CRect& rcGhost) {
        riztest::WindowCapture now(m_split.m_hWnd, riztest::WindowCapture::Current);
        int nInverted = 0, nOther = 0;
        for (int y = 0; y < now.Height(); ++y)
            for (int x = 0; x < now.Width(); ++x) {
                const COLORREF a = before.Pixel(x, y), b = now.Pixel(x, y);
                const bool bInside = rcGhost.PtInRect(CPoint(x, y)) != FALSE;
                if (bInside && b == (a ^ 0xFFFFFF))
                    ++nInverted;
                else if (a != b)
                    ++nOther;
            }
        EXPECT_EQ(rcGhost.Width() * rcGhost.Height() / 2, nInverted);
        EXPECT_EQ(0, nOther);
    }

    CPaintedWnd m_parent;
    CQVSplitWnd m_split;
    CPaintedWnd m_first{RGB(0, 128, 0)}, m_second{RGB(0, 0, 160)};
};

// Panels grown by 3 are framed in entry 4 with a white inside and rounded corners; the parent's
// pattern shows between the frames; repainting the split window alone leaves the panels as they are.
TEST_F(SplitWndTest, FramesOverTheParentPanelsUntouched) {
    EXPECT_EQ(CRect(3, 3, 197, 103), PanelRect(m_first));
    EXPECT_EQ(CRect(3, 113, 197, 297), PanelRect(m_second));
    const COLORREF clrBorder = CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
    EXPECT_EQ(clrBorder, m_split.GetBorderColor());
    m_split.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);  // not the children
    riztest::WindowCapture shot(m_split.m_hWnd, riztest::WindowCapture::Current);
    const COLORREF white = RGB(255, 255, 255), green = RGB(0, 128, 0), blue = RGB(0, 0, 160);
    // clang-format off
    EXPECT_EQ("", shot.WrongPixels({{100, 0, clrBorder}, {100, 1, white}, {100, 50, green}, {100, 105, clrBorder},
                                    {100, 107, Pattern(100, 107)}, {100, 110, clrBorder}, {100, 200, blue},
                                    {0, 0, Pattern(0, 0)}, {199, 299, Pattern(199, 299)}, {0, 150, clrBorder}}));
    // clang-format on
}

// A posted drag with the pointer placed first: the ghost is drawn over the panels, leaves no trail,
// stops at the limits; the release lays out from its edge (the pinned shift); the ghost is gone after.
TEST_F(SplitWndTest, PostedDragMovesTheBar) {
    riztest::WindowCapture before(m_split.m_hWnd, riztest::WindowCapture::Current);
    PointAt(50, 110);
    Post(WM_LBUTTONDOWN, 50, 110);
    ASSERT_TRUE(m_split.IsDragging());
    EXPECT_EQ(m_split.m_hWnd, ::GetCapture());
    ExpectGhostAt(before, CRect(3, 110, 197, 116));
    for (int y : {180, 60, 267}) {
        PointAt(50, y);
        Post(WM_MOUSEMOVE, 50, y);
        ExpectGhostAt(before, CRect(3, y, 197, y + 6));  // crosses the second or first panel
    }
    PointAt(50, 290);
    Post(WM_MOUSEMOVE, 50, 290);  // beyond R.bottom - 30: the ghost stays
    ExpectGhostAt(before, CRect(3, 267, 197, 273));
    Post(WM_LBUTTONUP, 50, 290);
    EXPECT_FALSE(m_split.IsDragging());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(264, m_split.GetSplitPos());  // the ghost's top 267 clamped to 294 - 30
    EXPECT_EQ(CRect(3, 3, 197, 267), PanelRect(m_first));
    riztest::WindowCapture after(m_split.m_hWnd, riztest::WindowCapture::Current);
    riztest::WindowCapture fresh(m_split.m_hWnd, riztest::WindowCapture::Screen);
    EXPECT_EQ(0, fresh.CountDiffering(after, CRect(0, 0, 200, 300)));

    // Pressing on the bar's bottom row and releasing in place moves the bar 10 pixels down.
    const int nBarBottom = m_split.GetBarRect().bottom - 1;
    PointAt(50, 30);  // the last cursor query outside the bar: a press is no drag
    Post(WM_LBUTTONDOWN, 50, nBarBottom);
    EXPECT_FALSE(m_split.IsDragging());
    m_split.SetSplitPos(100);
    PointAt(50, 110);
    Post(WM_LBUTTONDOWN, 50, 110);
    Post(WM_LBUTTONUP, 50, 110);
    EXPECT_EQ(110, m_split.GetSplitPos());
}

// Losing the capture mid-drag, or being destroyed, ends the drag: ghost erased, position kept.
TEST_F(SplitWndTest, CaptureLossEndsTheDrag) {
    riztest::WindowCapture before(m_split.m_hWnd, riztest::WindowCapture::Current);
    PointAt(50, 108);
    Post(WM_LBUTTONDOWN, 50, 108);
    PointAt(50, 200);
    Post(WM_MOUSEMOVE, 50, 200);
    ASSERT_TRUE(m_split.IsDragging());
    m_parent.SetCapture();
    EXPECT_FALSE(m_split.IsDragging());
    ExpectGhostAt(before, CRect(0, 0, 0, 0));
    ::ReleaseCapture();
    Post(WM_LBUTTONUP, 50, 200);
    EXPECT_EQ(100, m_split.GetSplitPos());

    PointAt(50, 108);
    Post(WM_LBUTTONDOWN, 50, 108);
    ASSERT_TRUE(m_split.IsDragging());
    m_split.DestroyWindow();
    EXPECT_FALSE(m_split.IsDragging());
    EXPECT_EQ(nullptr, ::GetCapture());
}

// 0x7E9 reaches the panels, answers 1, and keeps a colour the host chose; the cursor follows the
// orientation SetPanels gives.
TEST_F(SplitWndTest, SkinChangeAndCursor) {
    EXPECT_EQ(1, m_split.SendMessage(WM_QV_SKINCHANGED));
    EXPECT_EQ(1, m_first.m_nSkinChanges);
    EXPECT_EQ(1, m_second.m_nSkinChanges);
    m_split.SetBorderColor(RGB(1, 2, 3));
    m_split.SendMessage(WM_QV_SKINCHANGED);
    EXPECT_EQ(RGB(1, 2, 3), m_split.GetBorderShape(1).GetForeColor());
    ASSERT_TRUE(m_split.SetPanels(&m_first, &m_second, FALSE, FALSE));
    PointAt(m_split.GetBarRect().CenterPoint().x, 150);
    EXPECT_EQ(::LoadCursor(nullptr, IDC_SIZEWE), ::GetCursor());
}

TEST_F(SplitWndTest, BadInputKeepsAWorkingWindow) {
    CPaintedWnd other(RGB(9, 9, 9));
    ASSERT_TRUE(other.Make(&m_parent));
    // Refused: one window twice, the split window itself, an ancestor; nothing changes.
    EXPECT_FALSE(m_split.SetPanels(&other, &other));
    EXPECT_FALSE(m_split.SetPanels(&m_split, &other));
    EXPECT_FALSE(m_split.SetPanels(&m_parent, &other));
    EXPECT_EQ(m_parent.m_hWnd, other.GetParent()->m_hWnd);
    EXPECT_EQ(CRect(3, 113, 197, 297), PanelRect(m_second));
    // Limits of the position, negative and huge minima.
    m_split.SetSplitPos(-1);
    EXPECT_EQ(20, m_split.GetSplitPos());
    m_split.SetSplitPos(INT_MAX);
    EXPECT_EQ(264, m_split.GetSplitPos());
    m_split.SetPanelMinSize(-5, -5);
    m_split.SetSplitPos(-1);
    EXPECT_EQ(0, m_split.GetSplitPos());
    m_split.SetPanelMinSize(INT_MAX, INT_MAX);
    m_split.SetSplitPos(50);
    EXPECT_EQ(32767, m_split.GetSplitPos());
    m_split.SetPanelMinSize(20, 30);
    // Borders above half the window: the layout rectangle is inverted, the panels get no area.
    m_split.SetBorderSize(150, 150);
    m_split.SetSplitPos(50);
    EXPECT_TRUE(PanelRect(m_first).IsRectEmpty());
    m_split.SetBorderSize(3, 3);
    // A panel destroyed by the host: skipped, its frame hidden; null panels leave empty places.
    m_second.DestroyWindow();
    m_split.SetSplitPos(80);
    EXPECT_EQ(CRect(3, 3, 197, 83), PanelRect(m_first));
    EXPECT_FALSE(m_split.GetBorderShape(1).IsVisible());
    EXPECT_TRUE(m_split.SetPanels(nullptr, nullptr));
    EXPECT_FALSE(m_split.GetBorderShape(0).IsVisible());
    // 0 x 0 stores the position without laying out; 1 x 1 clamps against an inverted rectangle.
    m_split.SetPanels(&m_first, nullptr);
    m_split.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
    m_split.SetSplitPos(60);
    EXPECT_EQ(60, m_split.GetSplitPos());
    m_split.SetWindowPos(nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(-35, m_split.GetSplitPos());  // extent -5 less the second minimum
    m_split.SetWindowPos(nullptr, 0, 0, 200, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CRect(3, 3, 197, 23), PanelRect(m_first));
    CQVSplitWnd unmade;
    EXPECT_FALSE(unmade.SetPanels(&other, nullptr));
    unmade.SetSplitPos(40);
    EXPECT_EQ(40, unmade.GetSplitPos());
}

// Windows, frames, a paint and a press-and-release drag per cycle (the ghost's brush and bitmap).
TEST_F(SplitWndTest, CreateDestroySoak) {
    PointAt(50, 108);
    riztest::ExpectCyclesLeakNothing([&](int) {
        CQVSplitWnd split;
        CPaintedWnd first(RGB(0, 128, 0)), second(RGB(0, 0, 160));
        split.Create(WS_VISIBLE, CRect(10, 10, 210, 310), &m_parent, 8);
        first.Make(&m_parent);
        second.Make(&m_parent);
        split.SetPanels(&first, &second);
        split.SetSplitPos(100);
        split.UpdateWindow();
        split.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(split.m_hWnd),
                          MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        split.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 108));
        split.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 108));
        EXPECT_EQ(108, split.GetSplitPos());
        split.DestroyWindow();
    });
}

}  // namespace
