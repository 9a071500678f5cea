// The dock bars' row lists and row layout, and the status bar's panes, as tables without windows.
#include <gtest/gtest.h>

#include "ExpectRows.h"
#include "QVDockBarLayout.h"
#include "QVStatusBarLayout.h"

namespace {

// Bars are fake pointers above 0xFFFF; 0 is a row end; small values are placeholders.
void* B(int n) {
    return reinterpret_cast<void*>(static_cast<UINT_PTR>(0x100000 * n));
}
void* H(UINT nID) {
    return QVDockPlaceHolder(nID);
}
const QVDockRowList kEmpty{nullptr};

// A bar docked without a rect stands at (-2, -2): nothing to keep.
QVDockLayoutEntry Bar(int n, CSize size, CRect current = CRect(-2, -2, -2, -2), bool bVisible = true) {
    QVDockLayoutEntry e;
    e.pEntry = B(n);
    e.size = size;
    e.rectCurrent = current;
    e.bVisible = bVisible;
    return e;
}
QVDockLayoutEntry End() {
    return QVDockLayoutEntry();
}

// A top dock bar 300 wide (border line at its bottom) or a left one 300 high.
QVDockLayoutParams Params(bool bHorz = true, int nMax = 300) {
    QVDockLayoutParams p;
    p.bHorz = bHorz;
    p.bStretch = true;
    p.sizeMax = bHorz ? CSize(nMax, 1000) : CSize(1000, nMax);
    p.sizeFixed = bHorz ? CSize(32767, 0) : CSize(0, 32767);
    p.rectBorder = bHorz ? CRect(0, 0, 0, -2) : CRect(0, 0, -2, 0);
    return p;
}

}  // namespace

TEST(DockBarLayout, RowListsKeepNullsAndPlaceHolders) {
    using riztest::ExpectRows;
    QVDockRowList first = kEmpty;
    first.push_back(B(1));
    first.push_back(nullptr);  // docking the first bar without a rect

    QVDockRowList gone = first;
    QVDockRemoveBar(gone, B(1), 7, -1, 0);
    QVDockRowList floated = first;
    QVDockRemoveBar(floated, B(1), 7, -1, 1);
    QVDockRowList twice = {nullptr, H(7), nullptr, B(1), nullptr};
    QVDockRemoveBar(twice, B(1), 7, -1, 1);  // a second placeholder of one id is dropped with its row
    QVDockRowList keepHolder = {nullptr, B(2), H(7), nullptr, B(1), nullptr};
    QVDockRemoveBar(keepHolder, B(1), 7, -1, -1);
    QVDockRowList dropHolder = keepHolder;
    QVDockRemoveBar(dropHolder, B(2), 7, -1, 0);  // taking a bar out also drops its placeholder
    QVDockRowList bigId = first;
    QVDockRemoveBar(bigId, B(1), 0x10000, -1, 1);  // no placeholder can stand for an id above 0xFFFF
    QVDockRowList noId = first;
    QVDockRemoveBar(noId, B(1), 0, -1, 1);

    ExpectRows<bool>({
        ROW(first == QVDockRowList({nullptr, B(1), nullptr}), true),
        ROW(gone == kEmpty, true),
        ROW(floated == QVDockRowList({nullptr, H(7), nullptr}), true),
        ROW(twice == QVDockRowList({nullptr, H(7), nullptr}), true),
        ROW(keepHolder == QVDockRowList({nullptr, B(2), H(7), nullptr}), true),
        ROW(dropHolder == kEmpty, true),
        ROW(bigId == kEmpty, true),
        ROW(noId == kEmpty, true),
        ROW(QVDockIsBar(H(0xFFFF)), false),
        ROW(QVDockIsPlaceHolder(H(0xFFFF)), true),
        ROW(QVDockIsBar(B(1)), true),
        ROW(QVDockRemoveBar(noId, B(9), 7, -1, 0), false),
    });
    ExpectRows<int>({
        ROW(QVDockFind(keepHolder, B(2)), 1),
        ROW(QVDockFind(keepHolder, B(2), 1), -1),
        ROW(QVDockFind(keepHolder, nullptr, 0), 3),
        ROW(QVDockBarCount(keepHolder), 1),
    });
}

TEST(DockBarLayout, RowsFollowOneAnotherAndWrapAtTheEdge) {
    struct Case {
        const char* what;
        std::vector<QVDockLayoutEntry> entries;
        QVDockLayoutParams params;
        std::vector<CRect> rects;  // of the placed bars, in order
        size_t nEntries;           // after the pass (an inserted null for each wrap)
        CSize sizeFixed;
    };
    const Case cases[] = {
        {"two bars share a border line",
         {End(), Bar(1, CSize(100, 26)), Bar(2, CSize(80, 26)), End()},
         Params(),
         {CRect(-2, -2, 98, 24), CRect(96, -2, 176, 24)},
         4,
         CSize(32767, 24)},
        {"a gap before a bar stays",
         {End(), Bar(1, CSize(100, 26)), Bar(2, CSize(80, 26), CRect(150, -2, 230, 24)), End()},
         Params(),
         {CRect(-2, -2, 98, 24), CRect(150, -2, 230, 24)},
         4,
         CSize(32767, 24)},
        {"a bar past the edge is pushed left, not over its neighbour",
         {End(), Bar(1, CSize(100, 26)), Bar(2, CSize(80, 26), CRect(260, -2, 340, 24)), End()},
         Params(),
         {CRect(-2, -2, 98, 24), CRect(222, -2, 302, 24)},
         4,
         CSize(32767, 24)},
        {"a bar at the edge with another before it starts a new row",
         {End(), Bar(1, CSize(302, 26)), Bar(2, CSize(80, 26)), End()},
         Params(),
         {CRect(-2, -2, 300, 24), CRect(-2, 22, 78, 48)},
         5,
         CSize(32767, 48)},
        {"two rows and a hidden bar",
         {End(), Bar(1, CSize(100, 26)), End(), Bar(3, CSize(50, 50), CRect(), false), Bar(2, CSize(60, 30)),
          End()},
         Params(),
         {CRect(-2, -2, 98, 24), CRect(-2, 22, 58, 52)},
         6,
         CSize(32767, 52)},
        {"a left dock bar stacks downwards",
         {End(), Bar(1, CSize(120, 100)), Bar(2, CSize(100, 60)), End()},
         Params(false),
         {CRect(-2, -2, 118, 98), CRect(-2, 96, 98, 156)},
         4,
         CSize(118, 32767)},
        {"a bar asking for all of the edge ends at its far end, after the bars before it",
         {End(), Bar(1, CSize(100, 60)), Bar(2, CSize(150, 32767)), End(), Bar(3, CSize(40, 32767)), End()},
         Params(false),
         {CRect(-2, -2, 98, 58), CRect(-2, 56, 148, 302), CRect(146, -2, 186, 302)},
         6,
         CSize(186, 32767)},
        {"an empty dock bar takes no room", {End()}, Params(), {}, 1, CSize(32767, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<QVDockLayoutEntry> entries = c.entries;
        EXPECT_EQ(c.sizeFixed, QVDockCalcLayout(entries, c.params));
        EXPECT_EQ(c.nEntries, entries.size());
        std::vector<CRect> rects;
        for (const QVDockLayoutEntry& e : entries)
            if (e.bPlaced) rects.push_back(e.rect);
        EXPECT_EQ(c.rects, rects);
    }
    // In a floating frame a stretch length (32767) becomes the docked one, else the fixed one.
    EXPECT_EQ(CSize(150, 340), QVDockFloatingSize(CSize(150, 32767), CSize(150, 340), CSize(200, 200)));
    EXPECT_EQ(CSize(200, 26), QVDockFloatingSize(CSize(40000, 26), CSize(0, 0), CSize(200, 200)));
}

TEST(DockBarLayout, ADroppedBarGoesIntoTheRowUnderItsCentre) {
    // Two rows of 26-pixel bars: A (x 0..100) and B (x 100..200) in the first, C in the second.
    const QVDockRowList rows = {nullptr, B(1), B(2), nullptr, B(3), nullptr};
    const std::vector<bool> visible = {false, true, true, false, true, false};
    const std::vector<CRect> rects = {CRect(), CRect(0, 0, 100, 26), CRect(100, 0, 200, 26),
                                      CRect(), CRect(0, 24, 80, 50), CRect()};
    struct Case {
        const char* what;
        CRect rect;
        int nPos;
        QVDockRowList result;
    };
    const Case cases[] = {
        {"between A and B", CRect(50, 5, 90, 20), 2, {nullptr, B(1), B(9), B(2), nullptr, B(3), nullptr}},
        {"after C in the second row",
         CRect(90, 30, 130, 45),
         5,
         {nullptr, B(1), B(2), nullptr, B(3), B(9), nullptr}},
        {"below every row",
         CRect(0, 60, 40, 80),
         6,
         {nullptr, B(1), B(2), nullptr, B(3), nullptr, B(9), nullptr}},
        {"above the first row",
         CRect(0, -30, 40, -10),
         1,
         {nullptr, B(9), nullptr, B(1), B(2), nullptr, B(3), nullptr}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QVDockRowList list = rows;
        EXPECT_EQ(c.nPos, QVDockInsert(list, visible, rects, B(9), c.rect, c.rect.CenterPoint(), true));
        EXPECT_TRUE(list == c.result);
    }
}

TEST(StatusBarLayout, PanesComeFromTheRightAndTheFirstTakesTheRest) {
    const CRect client(0, 0, 400, 20);
    const auto panes = QVStatusBarLayout(client, {0, 100, 80});
    ASSERT_EQ(3u, panes.size());
    EXPECT_EQ(CRect(320, 0, 400, 20), panes[2].rectPane);
    EXPECT_EQ(CRect(219, 0, 319, 20), panes[1].rectPane);
    EXPECT_EQ(CRect(0, 0, 218, 20), panes[0].rectPane);
    EXPECT_EQ(CRect(2, 1, 217, 18), panes[0].rectText);

    // Wider than the client: the first pane ends left of where it begins; negative widths count as 0.
    const auto crowded = QVStatusBarLayout(CRect(0, 0, 100, 20), {50, 120, -30});
    EXPECT_EQ(CRect(100, 0, 100, 20), crowded[2].rectPane);
    EXPECT_EQ(CRect(-21, 0, 99, 20), crowded[1].rectPane);
    EXPECT_EQ(0, crowded[0].rectPane.left);
    EXPECT_EQ(-22, crowded[0].rectPane.right);
    EXPECT_TRUE(QVStatusBarLayout(client, {}).empty());
}
