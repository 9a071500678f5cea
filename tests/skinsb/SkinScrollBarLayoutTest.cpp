// The skinned scroll bars' arithmetic without a window: bar layout, hit test, part states, arrow flags,
// the SCROLLINFO update rule, thumb dragging and the non-client shrink, bad input included.
#include "SkinScrollBarLayout.h"

#include "ExpectRows.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

SCROLLINFO Info(int nMin, int nMax, UINT nPage, int nPos, UINT fMask = SIF_ALL) {
    SCROLLINFO si = {sizeof(SCROLLINFO), fMask, nMin, nMax, nPage, nPos, 0};
    return si;
}

const DWORD kBoth = WS_HSCROLL | WS_VSCROLL;

}  // namespace

TEST(SkinSBLayout, BarsSitBesideTheClientAreaWithArrowsTrackAndAThumbInRange) {
    const struct {
        const char* name;
        CRect rcClient;
        DWORD dwStyle;
        BOOL bLeft;
        int nBar;
        SCROLLINFO si;
        CRect rcBar;
        int nTrackStart, nTrackEnd, nThumbStart, nThumbEnd;
        // clang-format off
    } rows[] = {
        {"top", {0, 0, 100, 100}, kBoth, FALSE, SB_VERT, Info(0, 99, 10, 0), {100, 0, 116, 100}, 16, 84, 16, 26},
        {"bottom", {0, 0, 100, 100}, kBoth, FALSE, SB_VERT, Info(0, 99, 10, 90), {100, 0, 116, 100}, 16, 84, 74, 84},
        {"middle", {0, 0, 100, 100}, kBoth, FALSE, SB_VERT, Info(0, 99, 10, 45), {100, 0, 116, 100}, 16, 84, 45, 55},
        {"left", {20, 0, 100, 100}, kBoth, TRUE, SB_VERT, Info(0, 99, 50, 0), {4, 0, 20, 100}, 16, 84, 16, 50},
        {"horizontal", {10, 5, 210, 50}, kBoth, FALSE, SB_HORZ, Info(0, 9, 5, 5), {10, 50, 210, 66}, 26, 194, 110, 194},
        {"no style: no width", {0, 0, 100, 100}, 0, FALSE, SB_VERT, Info(0, 99, 10, 0), {100, 0, 100, 100}, 16, 84, 16, 26},
        {"no page: no thumb", {0, 0, 100, 100}, kBoth, FALSE, SB_VERT, Info(0, 99, 0, 5), {100, 0, 116, 100}, 16, 84, 0, 0},
        {"shorter than two arrows", {0, 0, 100, 20}, kBoth, FALSE, SB_VERT, Info(0, 99, 10, 5), {100, 0, 116, 20}, 10, 10, 0, 0},
        {"no room for a thumb", {0, 0, 100, 41}, kBoth, FALSE, SB_VERT, Info(0, 99, 10, 5), {100, 0, 116, 41}, 16, 25, 0, 0},
        {"0 x 0", {0, 0, 0, 0}, kBoth, FALSE, SB_HORZ, Info(0, 99, 10, 5), {0, 0, 0, 16}, 0, 0, 0, 0},
        {"full int range", {0, 0, 100, 100}, kBoth, FALSE, SB_VERT, Info(INT_MIN, INT_MAX, 1u << 31, 0), {100, 0, 116, 100}, 16, 84, 50, 84},
        {"page above the range", {0, 0, 100, 100}, kBoth, FALSE, SB_VERT, Info(0, 99, 500, 50), {100, 0, 116, 100}, 16, 84, 16, 84},
        {"position outside the range", {0, 0, 100, 100}, kBoth, FALSE, SB_VERT, Info(0, 99, 10, -70), {100, 0, 116, 100}, 16, 84, 16, 26},
        {"control bar", {0, 0, 100, 100}, kBoth, FALSE, SB_CTL, Info(0, 99, 10, 0), {0, 0, 0, 0}, 0, 0, 0, 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const SkinSBBarLayout l = SkinSBLayoutBar(row.rcClient, row.dwStyle, row.bLeft, row.nBar, row.si);
        EXPECT_EQ(row.rcBar, l.rcBar);
        EXPECT_EQ(row.nTrackStart, l.nTrackStart);
        EXPECT_EQ(row.nTrackEnd, l.nTrackEnd);
        EXPECT_EQ(row.nThumbStart, l.nThumbStart);
        EXPECT_EQ(row.nThumbEnd, l.nThumbEnd);
    }
}

TEST(SkinSBLayout, HitTestNamesEveryPixelsPartAndDisabledArrowsLeaveOnlyTheThumb) {
    const SkinSBBarLayout l =
        SkinSBLayoutBar(CRect(0, 0, 100, 100), kBoth, FALSE, SB_VERT, Info(0, 99, 10, 45));
    const SkinSBBarLayout none =
        SkinSBLayoutBar(CRect(0, 0, 100, 100), kBoth, FALSE, SB_VERT, Info(0, 0, 0, 0));
    using riztest::ExpectRows;
    // clang-format off
    ExpectRows<UINT>({
        ROW(SkinSBHitTest(l, 0, CPoint(105, 0)), SKINSB_LINEUP),
        ROW(SkinSBHitTest(l, 0, CPoint(105, 15)), SKINSB_LINEUP),
        ROW(SkinSBHitTest(l, 0, CPoint(105, 16)), SKINSB_PAGEUP),
        ROW(SkinSBHitTest(l, 0, CPoint(105, 44)), SKINSB_PAGEUP),
        ROW(SkinSBHitTest(l, 0, CPoint(105, 45)), SKINSB_THUMB),
        ROW(SkinSBHitTest(l, 0, CPoint(115, 54)), SKINSB_THUMB),
        ROW(SkinSBHitTest(l, 0, CPoint(105, 55)), SKINSB_PAGEDOWN),
        ROW(SkinSBHitTest(l, 0, CPoint(105, 83)), SKINSB_PAGEDOWN),
        ROW(SkinSBHitTest(l, 0, CPoint(105, 84)), SKINSB_LINEDOWN),
        ROW(SkinSBHitTest(l, 0, CPoint(105, 99)), SKINSB_LINEDOWN),
        ROW(SkinSBHitTest(l, 0, CPoint(105, 100)), SKINSB_NONE),
        ROW(SkinSBHitTest(l, 0, CPoint(99, 50)), SKINSB_NONE),
        ROW(SkinSBHitTest(l, ESB_DISABLE_LTUP, CPoint(105, 5)), SKINSB_NONE),
        ROW(SkinSBHitTest(l, ESB_DISABLE_RTDN, CPoint(105, 30)), SKINSB_NONE),
        ROW(SkinSBHitTest(l, ESB_DISABLE_BOTH, CPoint(105, 50)), SKINSB_THUMB),
        ROW(SkinSBHitTest(none, 0, CPoint(105, 5)), SKINSB_LINEUP),
        ROW(SkinSBHitTest(none, 0, CPoint(105, 50)), SKINSB_NONE),
    });
    // clang-format on
}

TEST(SkinSBLayout, ArrowFlagsPartStatesAndBarsOutsideHorizontalAndVertical) {
    SkinScrollBarState s = {};
    s.arrowFlags = SkinSBEnableArrows(0, SB_VERT, ESB_DISABLE_RTDN);
    s.hotPart = SKINSB_VERT | SKINSB_THUMB;
    SkinScrollBarState t = s;
    t.arrowFlags = 0;
    t.hotPart = SKINSB_LINEDOWN;
    t.tracking = TRUE;
    using riztest::ExpectRows;
    // clang-format off
    ExpectRows<DWORD>({
        ROW(s.arrowFlags, 8),
        ROW(SkinSBEnableArrows(8, SB_HORZ, ESB_DISABLE_LTUP), 9),
        ROW(SkinSBEnableArrows(9, SB_VERT, ESB_ENABLE_BOTH), 1),
        ROW(SkinSBEnableArrows(1, SB_BOTH, ESB_DISABLE_BOTH), 15),
        ROW(SkinSBEnableArrows(15, SB_BOTH, 0), 0),
        ROW(SkinSBEnableArrows(5, SB_CTL, 3), 5),
        ROW(SkinSBEnableArrows(5, -1, 0), 5),
        ROW(SkinSBEnableArrows(5, 99, 0), 5),
        ROW(SkinSBEnableArrows(0, SB_HORZ, 0xFFFF), 3),
        ROW(SkinSBBarFlags(9, SB_VERT), 2),
        ROW(SkinSBBarFlags(9, SB_BOTH), 0),
        ROW(SkinSBPartState(s, SKINSB_VERT | SKINSB_THUMB), SKINSB_DISABLED),
        ROW(SkinSBPartState(s, SKINSB_THUMB), SKINSB_NORMAL),
        ROW(SkinSBPartState(t, SKINSB_LINEDOWN), SKINSB_PRESSED),
        ROW(SkinSBPartState(t, SKINSB_VERT | SKINSB_LINEDOWN), SKINSB_NORMAL),
        ROW(SkinSBInfo(s, SB_VERT) == &s.vert, true),
        ROW(SkinSBInfo(s, SB_HORZ) == &s.horz, true),
        ROW(SkinSBInfo(s, SB_CTL) == nullptr && SkinSBInfo(s, SB_BOTH) == nullptr, true),
        ROW(SkinSBInfo(s, -1) == nullptr && SkinSBInfo(s, 99) == nullptr, true),
    });
    // clang-format on
    t.tracking = FALSE;
    EXPECT_EQ(SKINSB_HOT, SkinSBPartState(t, SKINSB_LINEDOWN));
}

TEST(SkinSBLayout, SetInfoClampsPageAndPositionInSixtyFourBitsAndSaysWhatChanged) {
    const struct {
        const char* name;
        SCROLLINFO stored, in;
        bool bShown;
        int nMin, nMax;
        UINT nPage;
        int nPos, nTrackPos;
        bool bChanged, bShow;
        int nResult;
        // clang-format off
    } rows[] = {
        {"a first range", Info(0, 0, 0, 0), Info(0, 99, 0, 0, SIF_RANGE), false, 0, 99, 0, 0, 0, true, true, 0},
        {"the same range", Info(0, 99, 10, 3), Info(0, 99, 0, 0, SIF_RANGE), true, 0, 99, 10, 3, 0, false, true, 3},
        {"page above the range", Info(0, 99, 0, 0), Info(0, 0, 500, 0, SIF_PAGE), true, 0, 99, 100, 0, 0, true, false, 0},
        {"position past the top", Info(0, 99, 10, 3), Info(0, 0, 0, 200, SIF_POS), true, 0, 99, 10, 90, 0, false, true, 3},
        {"position below the minimum", Info(0, 99, 10, 3), Info(0, 0, 0, -5, SIF_POS), false, 0, 99, 10, 0, 0, false, false, 3},
        {"a new range re-applies page and position", Info(0, 99, 10, 90), Info(0, 49, 0, 0, SIF_RANGE), true, 0, 49, 10, 40, 0, true, true, 40},
        {"a new page re-applies the position", Info(0, 99, 10, 90), Info(0, 0, 60, 0, SIF_PAGE), true, 0, 99, 60, 40, 0, true, true, 40},
        {"minimum above maximum", Info(0, 99, 10, 5), Info(50, 10, 0, 0, SIF_RANGE), true, 50, 50, 1, 50, 0, true, false, 50},
        {"full int range", Info(0, 0, 0, 0), Info(INT_MIN, INT_MAX, 0xFFFFFFFF, INT_MAX), false, INT_MIN, INT_MAX, 0xFFFFFFFF, INT_MIN + 1, 0, true, true, 0},
        {"int extremes, no page", Info(0, 0, 0, 0), Info(INT_MIN, INT_MAX, 0, INT_MIN), false, INT_MIN, INT_MAX, 0, INT_MIN, 0, true, true, 0},
        {"track position", Info(0, 99, 10, 5), Info(0, 0, 0, 0, SIF_TRACKPOS), true, 0, 99, 10, 5, 0, false, true, 5},
        {"nothing asked", Info(0, 99, 10, 5), Info(7, 8, 9, 10, 0), false, 0, 99, 10, 5, 0, false, false, 5},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SCROLLINFO stored = row.stored;
        SCROLLINFO in = row.in;
        in.nTrackPos = 0;
        const SkinSBUpdate u = SkinSBApplyInfo(stored, in, row.bShown);
        EXPECT_EQ(row.nMin, stored.nMin);
        EXPECT_EQ(row.nMax, stored.nMax);
        EXPECT_EQ(row.nPage, stored.nPage);
        EXPECT_EQ(row.nPos, stored.nPos);
        EXPECT_EQ(row.nTrackPos, stored.nTrackPos);
        EXPECT_EQ(row.bChanged, u.bChanged);
        EXPECT_EQ(row.bShow, u.bShow);
        EXPECT_EQ(row.nResult, u.nPos);
    }
    SCROLLINFO stored = Info(0, 99, 10, 5);
    SCROLLINFO track = Info(0, 0, 0, 0, SIF_TRACKPOS);
    track.nTrackPos = 77;
    SkinSBApplyInfo(stored, track, true);
    EXPECT_EQ(77, stored.nTrackPos);
}

TEST(SkinSBLayout, GetInfoCopiesWhatIsAskedOnlyFromARecordOfTheRightSize) {
    SCROLLINFO stored = Info(-4, 40, 8, 12);
    stored.nTrackPos = 20;
    SCROLLINFO asked = Info(0, 0, 0, 0, SIF_TRACKPOS | SIF_RANGE);
    SCROLLINFO wrongSize = Info(0, 0, 0, 0);
    wrongSize.cbSize = sizeof(SCROLLINFO) + 4;
    SCROLLINFO nothing = Info(1, 2, 3, 4, 0);
    using riztest::ExpectRows;
    // clang-format off
    ExpectRows<int>({
        ROW(SkinSBCopyInfo(stored, &asked), TRUE),
        ROW(asked.nTrackPos, 20),
        ROW(asked.nMin, -4),
        ROW(asked.nMax, 40),
        ROW(asked.nPos, 0),
        ROW(asked.nPage, 0),
        ROW(SkinSBCopyInfo(stored, &wrongSize), FALSE),
        ROW(wrongSize.nMax, 0),
        ROW(SkinSBCopyInfo(stored, &nothing), FALSE),
        ROW(nothing.nPos, 4),
        ROW(SkinSBCopyInfo(stored, nullptr), FALSE),
    });
    // clang-format on
}

TEST(SkinSBLayout, DraggingTheThumbGivesPositionsInsideTheRangeOnlyAndPagingStopsAtTheCursor) {
    const CRect rc(0, 0, 100, 100);
    const SCROLLINFO si = Info(0, 99, 10, 45);
    const SkinSBBarLayout l = SkinSBLayoutBar(rc, kBoth, FALSE, SB_VERT, si);
    const SCROLLINFO full = Info(INT_MIN, INT_MAX, 0, 0);
    const SkinSBBarLayout lFull = SkinSBLayoutBar(rc, kBoth, FALSE, SB_VERT, full);
    const SkinSBBarLayout lFlat = SkinSBLayoutBar(CRect(0, 0, 0, 0), kBoth, FALSE, SB_VERT, si);
    const SCROLLINFO wide = Info(0, 99, 500, 0);
    const SkinSBBarLayout lWide = SkinSBLayoutBar(rc, kBoth, FALSE, SB_VERT, wide);
    using riztest::ExpectRows;
    // clang-format off
    ExpectRows<int>({
        ROW(SkinSBDragPosition(l, si, 50, 5), 45),
        ROW(SkinSBDragPosition(l, si, 21, 5), 0),
        ROW(SkinSBDragPosition(l, si, -1000, 5), 0),
        ROW(SkinSBDragPosition(l, si, 79, 5), 90),
        ROW(SkinSBDragPosition(l, si, INT_MAX, INT_MIN), 90),
        ROW(SkinSBDragPosition(lFull, full, INT_MAX, 0), INT_MAX),
        ROW(SkinSBDragPosition(lFull, full, INT_MIN, 0), INT_MIN),
        ROW(SkinSBDragPosition(lFlat, si, 50, 0), 0),
        ROW(SkinSBDragPosition(lWide, wide, 80, 0), 0),
        ROW(SkinSBDragPosition(l, Info(10, 5, 0, 0), 80, 0), 10),
        ROW(SkinSBPagingReachedCursor(l, SB_PAGEUP, 45), true),
        ROW(SkinSBPagingReachedCursor(l, SB_PAGEUP, 44), false),
        ROW(SkinSBPagingReachedCursor(l, SB_PAGEDOWN, 55), true),
        ROW(SkinSBPagingReachedCursor(l, SB_PAGEDOWN, 56), false),
        ROW(SkinSBPagingReachedCursor(l, SB_LINEUP, 0), false),
    });
    // clang-format on
}

TEST(SkinSBLayout, BarsTakeTheirStripsFromTheClientAreaAndTheSizeBoxNeedsBoth) {
    const CRect rc(0, 0, 100, 50);
    const struct {
        const char* name;
        CRect rc;
        DWORD dwStyle;
        BOOL bLeft;
        CRect rcClient, rcSizeBox;
        // clang-format off
    } rows[] = {
        {"both", rc, kBoth, FALSE, {0, 0, 84, 34}, {100, 50, 116, 66}},
        {"both, left", rc, kBoth, TRUE, {16, 0, 100, 34}, {-16, 50, 0, 66}},
        {"vertical only", rc, WS_VSCROLL, FALSE, {0, 0, 84, 50}, {}},
        {"horizontal only", rc, WS_HSCROLL, FALSE, {0, 0, 100, 34}, {}},
        {"too small for either", {0, 0, 16, 16}, kBoth, FALSE, {0, 0, 16, 16}, {16, 16, 32, 32}},
        {"just big enough", {0, 0, 17, 17}, kBoth, FALSE, {0, 0, 1, 1}, {17, 17, 33, 33}},
        {"int extremes", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kBoth, FALSE, {INT_MIN, INT_MIN, INT_MAX - 16, INT_MAX - 16}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.rcClient, SkinSBShrinkClient(row.rc, row.dwStyle, row.bLeft));
        EXPECT_EQ(row.rcSizeBox, SkinSBSizeBox(row.rc, row.dwStyle, row.bLeft));
    }
}
