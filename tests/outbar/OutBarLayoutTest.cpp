// The outlook bar's geometry without a window, for a bar of 200 x 300 with three folders, folder 1 open,
// headers 24 high: the inside is (0, 47, 200, 276).
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVOutBarLayout.h"

namespace {

const CRect kClient(0, 0, 200, 300);
const CRect kInside(0, 47, 200, 276);
const CQVOutBarMetrics kMetrics;

// The open folder's items: icons of 32 (large) or 16 (small), empty labels but item 0's (szLabel0).
struct Items {
    BOOL bSmall;
    CSize szLabel0;
    int nFirst;
    CSize IconSize() const { return bSmall ? CSize(16, 16) : CSize(32, 32); }
    CSize LabelSize(int j) const { return j == 0 ? szLabel0 : CSize(0, 0); }
    CSize Whole(int j) const { return OutBarWholeItemSize(IconSize(), LabelSize(j), bSmall, kMetrics); }
    int Top(int j) const {
        return OutBarItemTop(kInside.top, nFirst, j, kMetrics.ItemGap(bSmall),
                             [this](int k) { return Whole(k).cy; });
    }
    CRect Item(int j) const { return OutBarItemRect(kInside, Top(j), Whole(j), bSmall, kMetrics); }
    CRect Icon(int j) const { return OutBarIconRect(kInside, Top(j), IconSize(), bSmall, kMetrics); }
    CRect Label(int j) const {
        return OutBarLabelRect(kInside, Top(j), Whole(j), LabelSize(j), bSmall, kMetrics);
    }
};

}  // namespace

TEST(OutBarLayout, HeadersStackAroundTheOpenFolderAndTheInsideOverlapsByOnePixel) {
    // clang-format off
    struct Row { int nCount, nSel, nIndex; BOOL bValid; CRect rc; } const rows[] = {
        {3, 1, 0, TRUE, CRect(0, 0, 200, 24)}, {3, 1, 1, TRUE, CRect(0, 24, 200, 48)},
        {3, 1, 2, TRUE, CRect(0, 276, 200, 300)}, {3, 1, 3, FALSE, CRect(9, 9, 9, 9)},
        {3, 1, -1, FALSE, CRect(9, 9, 9, 9)}, {0, 0, 0, FALSE, CRect(9, 9, 9, 9)},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.nCount << " folders, header " << row.nIndex);
        CRect rc(9, 9, 9, 9);
        EXPECT_EQ(row.bValid, OutBarFolderRect(kClient, row.nCount, row.nSel, 24, row.nIndex, rc));
        EXPECT_EQ(row.rc, rc);
    }
    EXPECT_EQ(kInside, OutBarInsideRect(kClient, 3, 1, 24));
    EXPECT_EQ(kClient, OutBarInsideRect(kClient, 0, 0, 24));  // without folders: the client area
}

TEST(OutBarLayout, ItemIconAndLabelRectanglesInBothViews) {
    // clang-format off
    struct Row { BOOL bSmall; int nFirst, nItem; CRect rcItem, rcIcon, rcLabel; } const rows[] = {
        // Large: icon + label + icon-label gap 3 + item gap 8 high, spanning the inside, icon centred.
        {FALSE, 0, 0, CRect(0, 52, 200, 95),   CRect(84, 52, 116, 85),   CRect(84, 88, 116, 88)},
        {FALSE, 0, 1, CRect(0, 103, 200, 146), CRect(84, 103, 116, 136), CRect(84, 139, 116, 139)},
        // Scrolled by two: item 2 takes item 0's place, items above it are placed as if unscrolled.
        {FALSE, 2, 2, CRect(0, 52, 200, 95),   CRect(84, 52, 116, 85),   CRect(84, 88, 116, 88)},
        {FALSE, 2, 1, CRect(0, 103, 200, 146), CRect(84, 103, 116, 136), CRect(84, 139, 116, 139)},
        // Small: from the margin, icon + label + gap 4 wide, 10 between items.
        {TRUE, 0, 0, CRect(5, 52, 20, 68), CRect(7, 52, 23, 68), CRect(7, 57, 27, 73)},
        {TRUE, 0, 1, CRect(5, 78, 20, 94), CRect(7, 78, 23, 94), CRect(7, 83, 27, 99)},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "small " << row.bSmall << ", first " << row.nFirst << ", item " << row.nItem);
        const Items items = {row.bSmall, CSize(0, 0), row.nFirst};
        EXPECT_EQ(row.rcItem, items.Item(row.nItem));
        EXPECT_EQ(row.rcIcon, items.Icon(row.nItem));
        EXPECT_EQ(row.rcLabel, items.Label(row.nItem));
    }
    EXPECT_EQ(CSize(40, 56), OutBarWholeItemSize(CSize(32, 32), CSize(40, 13), FALSE, kMetrics));
    EXPECT_EQ(CSize(70, 20), OutBarWholeItemSize(CSize(16, 16), CSize(50, 20), TRUE, kMetrics));
    // Icon centring truncates toward zero: (201 - 32) / 2 is 84, (21 - 32) / 2 is -5, not -6.
    EXPECT_EQ(84, OutBarIconRect(CRect(0, 47, 201, 276), 47, CSize(32, 32), FALSE, kMetrics).left);
    EXPECT_EQ(-5, OutBarIconRect(CRect(0, 47, 21, 276), 47, CSize(32, 32), FALSE, kMetrics).left);
    EXPECT_EQ(INT_MAX / 2, OutBarItemTop(0, 0, 100, 8, [](int) { return INT_MAX / 4; }));  // saturates
}

TEST(OutBarLayout, VisibleRangeLeavesOutAnItemCutOffAtTheBottomAndSetsTheScrollLimits) {
    // clang-format off
    struct Row { int nFirst, nCount, nLast; BOOL bUp, bDown; } const rows[] = {
        {0, 10, 3, FALSE, TRUE},  // item 4 runs from 256 to 299, past the inside bottom 276
        {0, 4, 3, FALSE, FALSE}, {0, 0, -1, FALSE, FALSE}, {6, 10, 9, TRUE, FALSE}, {5, 10, 8, TRUE, TRUE},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "first " << row.nFirst << " of " << row.nCount);
        const Items items = {FALSE, CSize(0, 0), row.nFirst};
        auto bottomOf = [&items](int j) { return items.Item(j).bottom; };
        const int nLast = OutBarLastVisible(row.nFirst, row.nCount, kInside.bottom, bottomOf);
        EXPECT_EQ(row.nLast, nLast);
        EXPECT_EQ(row.bUp, OutBarCanScrollUp(row.nFirst));
        EXPECT_EQ(row.bDown, OutBarCanScrollDown(nLast, row.nCount));
        EXPECT_EQ(row.bDown, OutBarAnyBelow(row.nFirst, row.nCount, kInside.bottom, bottomOf));
    }
}

TEST(OutBarLayout, HitTestFindsArrowsHeadersIconsLabelsAndGaps) {
    const CRect rcUp = OutBarArrowRect(kInside, 16, TRUE);
    const CRect rcDown = OutBarArrowRect(kInside, 16, FALSE);
    EXPECT_EQ(CRect(179, 52, 195, 68), rcUp);  // 5 pixels in from the inside corners
    EXPECT_EQ(CRect(179, 255, 195, 271), rcDown);
    EXPECT_EQ(QVOB_HIT_UP_ARROW, OutBarArrowHit(CPoint(185, 60), TRUE, rcUp, TRUE, rcDown));
    EXPECT_EQ(QVOB_HIT_DOWN_ARROW, OutBarArrowHit(CPoint(185, 260), TRUE, rcUp, TRUE, rcDown));
    EXPECT_EQ(QVOB_HIT_NOTHING, OutBarArrowHit(CPoint(185, 260), TRUE, rcUp, FALSE, rcDown));  // hidden
    auto folderOf = [](int i, CRect& rc) { return OutBarFolderRect(kClient, 3, 1, 24, i, rc); };
    EXPECT_EQ(1, OutBarFolderHit(CPoint(100, 30), 3, folderOf));
    EXPECT_EQ(2, OutBarFolderHit(CPoint(100, 290), 3, folderOf));
    EXPECT_EQ(-1, OutBarFolderHit(CPoint(100, 60), 3, folderOf));
    // Item 0 has a 40 x 13 label (80, 88, 120, 101); item 1's icon is (84, 116, 116, 149).
    // clang-format off
    struct Row { BOOL bSmall; CPoint pt; int nItem; } const rows[] = {
        {FALSE, CPoint(100, 60), 0}, {FALSE, CPoint(100, 120), 1}, {FALSE, CPoint(100, 100), 0},
        {FALSE, CPoint(100, 86), 0},    // the label counts from the icon-label gap above it
        {FALSE, CPoint(5, 60), -1},     // beside the icon
        {FALSE, CPoint(100, 104), -1},  // the gap below the label
        {TRUE, CPoint(59, 60), 0},      // small view: the whole item, 55 wide with its label
        {TRUE, CPoint(10, 80), 1}, {TRUE, CPoint(30, 80), -1},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "small " << row.bSmall << " at " << row.pt.x << "," << row.pt.y);
        const Items items = {row.bSmall, CSize(40, 13), 0};
        EXPECT_EQ(row.nItem, OutBarItemHit(
                                 row.pt, 0, 6, kInside.bottom, row.bSmall, kMetrics,
                                 [&](int j) { return items.Icon(j); }, [&](int j) { return items.Label(j); },
                                 [&](int j) { return items.Item(j); }));
    }
}

TEST(OutBarLayout, TheDropArrowItsEraseRectangleAndTheDropZoneAfterTheLastItem) {
    // clang-format off
    struct Row { BOOL bSmall; int nTo, nKind; CRect rcArrow, rcErase; } const rows[] = {
        {FALSE, 0, 0, CRect(2, 50, 198, 55),   CRect(2, 50, 198, 55)},    // before the first item
        {FALSE, 1, 1, CRect(2, 90, 198, 99),   CRect(2, 86, 198, 95)},    // between two
        {TRUE,  1, 1, CRect(2, 73, 198, 82),   CRect(2, 69, 198, 78)},    // small view: 8 lower
        {FALSE, 6, 2, CRect(2, 356, 198, 361), CRect(2, 352, 198, 357)},  // after the last
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "small " << row.bSmall << ", to " << row.nTo);
        const Items items = {row.bSmall, CSize(0, 0), 0};
        CRect rc;
        EXPECT_EQ(row.nKind,
                  OutBarDragRect(kInside, items.Item(std::min(row.nTo, 5)), row.nTo, 6, row.bSmall, rc));
        EXPECT_EQ(row.rcArrow, rc);
        EXPECT_EQ(row.rcErase, OutBarDragEraseRect(rc, row.nKind));
    }
    // The drop zone after the last item (bottom 200): below it, above the inside bottom, not cut off.
    const CRect rcLast(0, 150, 200, 200);
    EXPECT_TRUE(OutBarBelowLastItem(CPoint(100, 201), 6, kInside.bottom, FALSE, rcLast));
    EXPECT_FALSE(OutBarBelowLastItem(CPoint(100, 200), 6, kInside.bottom, FALSE, rcLast));
    EXPECT_FALSE(OutBarBelowLastItem(CPoint(100, 276), 6, kInside.bottom, FALSE, rcLast));
    EXPECT_FALSE(OutBarBelowLastItem(CPoint(100, 250), 6, kInside.bottom, TRUE, rcLast));
    EXPECT_FALSE(OutBarBelowLastItem(CPoint(100, 250), 0, kInside.bottom, FALSE, rcLast));
    EXPECT_EQ(CRect(0, 50, 200, 97), OutBarMarkerBand(kInside, CRect(5, 52, 20, 95)));
    EXPECT_EQ(CRect(0, 0, 0, 0), OutBarMarkerBand(kInside, CRect(0, 0, 0, 0)));
}
