// The tab strip's arithmetic without a window: widths, the cut at the right edge, tabs past the cut
// and the hit test.
#include "QVTabCtrlLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Laid {
    int nLaidOut;
    std::vector<CRect> rects;
};

// Lays out tabs of the text widths in a client area from x 10 to nRight, 20 high from y 5, over the
// rectangles given (empty ones for tabs never laid out).
Laid Layout(const std::vector<int>& widths, int nMinWidth, int nRight, std::vector<CRect> rects = {}) {
    rects.resize(widths.size());
    int nAsked = 0;
    const int n = QVLayoutTabs(
        static_cast<int>(widths.size()), CRect(10, 5, nRight, 25), nMinWidth, 20,
        [&](int i) {
            ++nAsked;
            return widths[i];
        },
        [&](int i) -> CRect& { return rects[i]; });
    EXPECT_EQ(n, nAsked);  // a text is measured only for a tab laid out
    return {n, rects};
}

}  // namespace

TEST(QVTabLayout, TabsTakeTheirTextPlusEightAtLeastTheMinimumAndTheFirstThatPassesIsCut) {
    const struct {
        const char* name;
        std::vector<int> widths;
        int nMin, nRight, nLaidOut;
        std::vector<CRect> expected;
    } rows[] = {
        {"all fit", {30, 10, 50}, 20, 200, 3, {{10, 5, 48, 25}, {48, 5, 68, 25}, {68, 5, 126, 25}}},
        {"minimum wins", {0, 11, 12}, 20, 200, 3, {{10, 5, 30, 25}, {30, 5, 50, 25}, {50, 5, 70, 25}}},
        {"exactly to the edge", {32, 32}, 0, 90, 2, {{10, 5, 50, 25}, {50, 5, 90, 25}}},
        {"second cut", {32, 52, 5}, 0, 80, 2, {{10, 5, 50, 25}, {50, 5, 80, 25}, {}}},
        {"a tab starting at the edge is cut to nothing",
         {32, 32, 5},
         0,
         90,
         3,
         {{10, 5, 50, 25}, {50, 5, 90, 25}, {90, 5, 90, 25}}},
        {"no width at all", {5, 5}, 0, 10, 1, {{10, 5, 10, 25}, {}}},
        {"negative and huge widths", {-40, 1 << 30}, 0, 100, 2, {{10, 5, 18, 25}, {18, 5, 100, 25}}},
        {"no tabs", {}, 20, 100, 0, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Laid laid = Layout(row.widths, row.nMin, row.nRight);
        EXPECT_EQ(row.nLaidOut, laid.nLaidOut);
        EXPECT_EQ(row.expected, laid.rects);
    }
}

TEST(QVTabLayout, TabsPastTheCutKeepTheirEarlierRectanglesAndOnlyNonEmptyOnesAreHit) {
    // Three tabs fitted into 200 pixels; the first grows so that the second is cut.
    const Laid before = Layout({30, 30, 30}, 0, 200);
    ASSERT_EQ(3, before.nLaidOut);
    std::vector<CRect> rects = before.rects;
    rects.push_back(CRect());  // a fourth tab, added while the strip was full
    const Laid after = Layout({150, 30, 30, 30}, 0, 200, rects);
    EXPECT_EQ(2, after.nLaidOut);
    EXPECT_EQ(CRect(10, 5, 168, 25), after.rects[0]);
    EXPECT_EQ(CRect(168, 5, 200, 25), after.rects[1]);
    EXPECT_EQ(before.rects[2], after.rects[2]);  // kept
    EXPECT_TRUE(after.rects[3].IsRectEmpty());   // never laid out

    auto rectOf = [&](int i) -> const CRect& { return after.rects[i]; };
    const struct {
        CPoint pt;
        int nHit;
    } hits[] = {
        {{167, 24}, 0}, {{168, 5}, 1}, {{200, 10}, -1}, {{50, 25}, -1}, {{0, 0}, -1}};  // 0,0: an empty one
    for (const auto& hit : hits) {
        SCOPED_TRACE(testing::Message() << hit.pt.x << "," << hit.pt.y);
        EXPECT_EQ(hit.nHit, QVTabHitTest(4, rectOf, hit.pt));
    }
}
