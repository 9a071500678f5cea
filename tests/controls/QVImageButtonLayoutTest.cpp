// The drop-down button's parts and mouse changes, and the animation button's fade and press, without a
// window.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "ExpectRows.h"
#include "QVAnimationButtonFade.h"
#include "QVDropdownButtonLayout.h"

namespace {

using namespace qvdropdown;

TEST(DropdownLayout, ArrowAtTheRightAndBothPartsInsideEvenWhenNarrow) {
    const struct {
        CRect rcClient;
        int cxArrow;
        CRect rcMain, rcArrow;
    } rows[] = {
        {CRect(0, 0, 100, 24), 16, CRect(0, 0, 84, 24), CRect(84, 0, 100, 24)},
        {CRect(5, 2, 105, 26), 16, CRect(5, 2, 89, 26), CRect(89, 2, 105, 26)},
        {CRect(0, 0, 10, 24), 16, CRect(0, 0, 0, 24), CRect(0, 0, 10, 24)},  // narrower than the arrow
        {CRect(0, 0, 0, 24), 16, CRect(0, 0, 0, 24), CRect(0, 0, 0, 24)},
        {CRect(0, 0, 100, 24), 0, CRect(0, 0, 100, 24), CRect(100, 0, 100, 24)},  // no arrow image
        {CRect(0, 0, 100, 24), -5, CRect(0, 0, 100, 24), CRect(100, 0, 100, 24)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.rcClient.Width() << " wide, arrow " << row.cxArrow);
        const Parts parts = LayoutParts(row.rcClient, row.cxArrow);
        EXPECT_EQ(row.rcMain, parts.rcMain);
        EXPECT_EQ(row.rcArrow, parts.rcArrow);
    }
}

TEST(DropdownLayout, MouseStepsGiveStatesAndReleasesReportTheirPart) {
    const Parts parts = LayoutParts(CRect(0, 0, 100, 24), 16);
    const CPoint main(40, 10), arrow(90, 10), out(150, 10);
    enum Kind { MOVE, MOVE_HELD, DOWN, UP, LEAVE };
    const struct {
        const char* pszWhat;
        Kind kind;
        CPoint pt;
        int nMain, nArrow;
        int nChanged;
        int nReport;  // -2: no report
    } steps[] = {
        {"main hot", MOVE, main, STATE_HOVER, STATE_NORMAL, CHANGED_MAIN, -2},
        {"main pressed", DOWN, main, STATE_PRESSED, STATE_NORMAL, CHANGED_MAIN, -2},
        {"pressed part hot again under a move", MOVE_HELD, main, STATE_HOVER, STATE_NORMAL, CHANGED_MAIN, -2},
        {"main clicked", UP, main, STATE_HOVER, STATE_NORMAL, CHANGED_NONE, PART_MAIN},
        {"release without a press", UP, main, STATE_HOVER, STATE_NORMAL, CHANGED_NONE, -2},
        {"arrow hot", MOVE, arrow, STATE_NORMAL, STATE_HOVER, CHANGED_MAIN | CHANGED_ARROW, -2},
        {"arrow pressed", DOWN, arrow, STATE_NORMAL, STATE_PRESSED, CHANGED_ARROW, -2},
        {"arrow clicked", UP, arrow, STATE_NORMAL, STATE_HOVER, CHANGED_ARROW, PART_ARROW},
        {"pressed again", DOWN, arrow, STATE_NORMAL, STATE_PRESSED, CHANGED_ARROW, -2},
        {"released outside", UP, out, STATE_NORMAL, STATE_PRESSED, CHANGED_NONE, PART_NONE},
        {"press dragged out", DOWN, arrow, STATE_NORMAL, STATE_PRESSED, CHANGED_NONE, -2},
        {"left", LEAVE, out, STATE_NORMAL, STATE_NORMAL, CHANGED_ARROW, -2},
        {"back, held", MOVE_HELD, main, STATE_HOVER, STATE_NORMAL, CHANGED_MAIN, -2},
        {"release of the dropped press", UP, main, STATE_HOVER, STATE_NORMAL, CHANGED_NONE, -2},
        {"press", DOWN, main, STATE_PRESSED, STATE_NORMAL, CHANGED_MAIN, -2},
        {"move with the button up", MOVE, main, STATE_HOVER, STATE_NORMAL, CHANGED_MAIN, -2},
        {"release of a stale press", UP, main, STATE_HOVER, STATE_NORMAL, CHANGED_NONE, -2},
    };
    Input in;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszWhat);
        int nChanged = CHANGED_NONE;
        Click click;
        switch (step.kind) {
        case MOVE:
        case MOVE_HELD:
            nChanged = OnMove(in, parts, step.pt, step.kind == MOVE_HELD);
            break;
        case DOWN:
            nChanged = OnDown(in);
            break;
        case UP:
            click = OnUp(in, parts, step.pt, &nChanged);
            break;
        case LEAVE:
            nChanged = OnLeave(in);
            break;
        }
        EXPECT_EQ(step.nMain, in.nMain);
        EXPECT_EQ(step.nArrow, in.nArrow);
        EXPECT_EQ(step.nChanged, nChanged);
        EXPECT_EQ(step.nReport != -2, click.bNotify);
        if (step.nReport == -2) continue;
        EXPECT_EQ(step.nReport, click.nPart);
        const CRect rcExpected = step.nReport == PART_MAIN    ? parts.rcMain
                                 : step.nReport == PART_ARROW ? parts.rcArrow
                                                              : CRect();
        EXPECT_EQ(rcExpected, click.rcPart);
    }
}

TEST(DropdownLayout, DisabledPartsKeepTheirLookAndAreNoClick) {
    const Parts parts = LayoutParts(CRect(0, 0, 100, 24), 16);
    Input in;
    in.nArrow = STATE_DISABLED;
    EXPECT_EQ(CHANGED_NONE, OnMove(in, parts, CPoint(90, 5), false));
    OnDown(in);
    int nChanged = 0;
    const Click click = OnUp(in, parts, CPoint(90, 5), &nChanged);
    EXPECT_TRUE(click.bNotify);
    EXPECT_EQ(PART_NONE, click.nPart);
    EXPECT_TRUE(click.rcPart.IsRectEmpty());
    EXPECT_EQ(CHANGED_MAIN, OnMove(in, parts, CPoint(10, 5), false));
    EXPECT_EQ(CHANGED_MAIN, OnLeave(in));
    EXPECT_EQ(STATE_DISABLED, in.nArrow);
}

// Ticks until the fade in the direction ends, from fOpacity; 1000 when it does not.
int Ticks(float& fOpacity, bool bIn, int nStep) {
    for (int n = 1; n <= 1000; ++n)
        if (qvfade::Step(fOpacity, bIn, nStep)) return n;
    return 1000;
}

TEST(AnimationButtonFade, TicksInOutAndReversedReachTheEndsExactly) {
    // Single precision: a hundred steps of 0.01f stay below 1.0, so step 1 needs a 101st tick in.
    const struct {
        int nStep, nIn, nOut;
    } rows[] = {{10, 10, 10}, {25, 4, 4}, {3, 34, 34}, {100, 1, 1}, {1, 101, 100}, {7, 15, 15}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "step " << row.nStep);
        float f = 0.0f;
        EXPECT_EQ(row.nIn, Ticks(f, true, row.nStep));
        EXPECT_EQ(1.0f, f);
        EXPECT_EQ(row.nOut, Ticks(f, false, row.nStep));
        EXPECT_EQ(0.0f, f);
    }
    // Reversed after four ticks in: four ticks back out.
    float f = 0.0f;
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(qvfade::Step(f, true, 10));
    EXPECT_NEAR(0.4f, f, 1e-6f);
    EXPECT_EQ(4, Ticks(f, false, 10));
    riztest::ExpectRows<int>({ROW(qvfade::ClampStep(0), 1), ROW(qvfade::ClampStep(-3), 1),
                              ROW(qvfade::ClampStep(250), 100), ROW(qvfade::ClampStep(10), 10)});
}

TEST(AnimationButtonFade, OnePressOneClickAndStalePressesDropped) {
    qvfade::Input in;
    EXPECT_TRUE(qvfade::OnMove(in, false));  // came in
    EXPECT_FALSE(qvfade::OnMove(in, false));
    qvfade::OnDown(in);
    EXPECT_TRUE(qvfade::OnUp(in));
    EXPECT_FALSE(qvfade::OnUp(in));
    qvfade::OnDown(in);
    qvfade::OnLeave(in);  // dragged out
    EXPECT_TRUE(qvfade::OnMove(in, true));
    EXPECT_FALSE(qvfade::OnUp(in));
    qvfade::OnDown(in);
    qvfade::OnMove(in, false);  // released elsewhere unseen
    EXPECT_FALSE(qvfade::OnUp(in));
    qvfade::OnDown(in);
    qvfade::OnMove(in, true);  // still held
    EXPECT_TRUE(qvfade::OnUp(in));
}

}  // namespace
