// The item toolbar's arithmetic without a window: placement, overflow, groups, insert, move and next.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExpectRows.h"
#include "RIZuruzezu.h"

namespace {

// Items as "L30" (left, 30 wide), "R20" (right-aligned), "-" (invisible).
std::vector<ToolBarPlusLayoutItem> Items(std::initializer_list<const char*> codes) {
    std::vector<ToolBarPlusLayoutItem> items(1);  // slot 0, the overflow button, is never asked
    for (const char* s : codes) {
        ToolBarPlusLayoutItem it;
        it.bVisible = s[0] != '-';
        it.bRightAlign = s[0] == 'R';
        it.cx = it.bVisible ? atoi(s + 1) : 0;
        items.push_back(it);
    }
    return items;
}

// "index@x,y ..." then "| more@x,y" when the overflow button shows, then "last=n".
std::string Describe(const ToolBarPlusLayoutResult& r) {
    std::string s;
    for (const ToolBarPlusPlacement& p : r.placed)
        s += std::to_string(p.nIndex) + "@" + std::to_string(p.pt.x) + "," + std::to_string(p.pt.y) + " ";
    if (r.bOverflow)
        s += "| more@" + std::to_string(r.ptOverflow.x) + "," + std::to_string(r.ptOverflow.y) + " ";
    return s + "last=" + std::to_string(r.nLastVisible);
}

}  // namespace

TEST(ToolBarPlusLayout, PlacesLeftRightWrappedAndOverflowedItems) {
    struct Case {
        const char* what;
        std::vector<ToolBarPlusLayoutItem> items;
        int right, bottom;
        BOOL bMultiLine, bNoOverflow;
        const char* expected;
    };
    const Case cases[] = {
        {"all fit", Items({"L30", "L20"}), 102, 22, FALSE, FALSE, "1@2,0 2@34,0 last=2"},
        {"invisible skipped", Items({"L30", "-", "L20"}), 102, 22, FALSE, FALSE, "1@2,0 3@34,0 last=3"},
        {"right from the edge inward", Items({"R30", "L20", "R10"}), 102, 22, FALSE, FALSE,
         "1@72,0 2@2,0 3@60,0 last=3"},
        {"overflow after the last", Items({"L30", "L30", "L60"}), 102, 22, FALSE, FALSE,
         "1@2,0 2@34,0 | more@66,0 last=2"},
        {"overflow takes the last left place", Items({"L40", "L42", "L60"}), 102, 22, FALSE, FALSE,
         "1@2,0 | more@44,0 last=1"},
        {"a right-aligned item is passed over", Items({"L40", "L30", "R10", "L60"}), 102, 22, FALSE, FALSE,
         "1@2,0 | more@44,0 last=1"},
        {"no overflow button", Items({"L40", "L40", "L60"}), 102, 22, FALSE, TRUE, "1@2,0 2@44,0 last=2"},
        {"wraps to rows of 40", Items({"L60", "L60", "R30"}), 102, 90, TRUE, FALSE,
         "1@2,0 2@2,40 3@72,40 last=3"},
        {"no room for a third row", Items({"L60", "L60", "L60"}), 102, 60, TRUE, FALSE,
         "1@2,0 2@2,40 | more@64,40 last=2"},
        {"nothing fits", Items({"L200"}), 102, 22, FALSE, FALSE, "| more@2,0 last=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolBarPlusLayoutParams params;
        params.rcItems = CRect(2, 0, c.right, c.bottom);
        params.bMultiLine = c.bMultiLine;
        params.bNoOverflowButton = c.bNoOverflow;
        int nLastAsked = 0;
        const ToolBarPlusLayoutResult r =
            QVLayoutToolBarPlus(static_cast<int>(c.items.size()), params, [&](int i) {
                EXPECT_GT(i, nLastAsked);  // once each, in order
                nLastAsked = i;
                return c.items[i];
            });
        EXPECT_EQ(c.expected, Describe(r));
    }
}

TEST(ToolBarPlusLayout, StopsAtTheFirstItemThatDoesNotFit) {
    ToolBarPlusLayoutParams params;
    params.rcItems = CRect(2, 0, 102, 22);
    int nAsked = 0;
    const ToolBarPlusLayoutResult r = QVLayoutToolBarPlus(100000, params, [&](int) {
        ++nAsked;
        return ToolBarPlusLayoutItem{TRUE, FALSE, 20};
    });
    EXPECT_EQ(5, nAsked);          // four fit (2..90), the fifth ends the layout
    EXPECT_EQ(3, r.nLastVisible);  // and the fourth makes room for the overflow button
}

TEST(ToolBarPlusLayout, GroupsInsertPositionsMovesAndSteps) {
    // 0 more, 1 radio, 2 radio, 3 splitter, 4 radio, 5 radio
    const BOOL splitter[] = {FALSE, FALSE, FALSE, TRUE, FALSE, FALSE};
    auto isSplitter = [&](int i) { return splitter[i]; };
    int nFirst = 0, nLast = 0;
    QVToolBarPlusRadioGroup(6, 2, isSplitter, nFirst, nLast);
    EXPECT_EQ(1, nFirst);
    EXPECT_EQ(2, nLast);
    QVToolBarPlusRadioGroup(6, 4, isSplitter, nFirst, nLast);
    EXPECT_EQ(4, nFirst);
    EXPECT_EQ(5, nLast);

    const int keys[] = {-1024, 1, 5, 5, 9};
    auto keyOf = [&](int i) { return keys[i]; };
    const BOOL visible[] = {FALSE, TRUE, FALSE, TRUE, TRUE};
    auto isVisible = [&](int i) { return visible[i]; };
    riztest::ExpectRows<int>({
        ROW(QVToolBarPlusSortedInsertAt(5, 5, keyOf), 2),
        ROW(QVToolBarPlusSortedInsertAt(5, 0, keyOf), 1),
        ROW(QVToolBarPlusSortedInsertAt(5, 10, keyOf), 5),
        ROW(QVToolBarPlusMoveTarget(5, 1, TRUE, isVisible), 3),
        ROW(QVToolBarPlusMoveTarget(5, 4, TRUE, isVisible), -1),
        ROW(QVToolBarPlusMoveTarget(5, 3, FALSE, isVisible), 1),
        ROW(QVToolBarPlusMoveTarget(5, 1, FALSE, isVisible), -1),
        ROW(QVToolBarPlusMoveTarget(5, 0, TRUE, isVisible), -1),
        ROW(QVToolBarPlusNextIndex(5, 1, TRUE, TRUE, isVisible), 3),
        ROW(QVToolBarPlusNextIndex(5, 1, TRUE, FALSE, isVisible), 2),
        ROW(QVToolBarPlusNextIndex(5, 4, TRUE, FALSE, isVisible), -1),
        ROW(QVToolBarPlusNextIndex(5, 3, FALSE, TRUE, isVisible), 1),
        ROW(QVToolBarPlusNextIndex(5, 1, FALSE, FALSE, isVisible), -1),
        ROW(QVToolBarPlusNextIndex(5, 9, TRUE, FALSE, isVisible), -1),
    });
}
