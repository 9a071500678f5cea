// The docking decision of a drag near edges and corners, as a table against four edge dock bars.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVDockContextLayout.h"

namespace {

const DWORD T = CBRS_ALIGN_TOP, B = CBRS_ALIGN_BOTTOM, L = CBRS_ALIGN_LEFT, R = CBRS_ALIGN_RIGHT;

// The edge dock bars of a 400 x 300 frame client: top and bottom full width, left and right between.
DWORD FakeFrame(const CRect& rect, DWORD dwDockStyle) {
    const std::pair<CRect, DWORD> edges[] = {
        {{0, 0, 400, 30}, T}, {{0, 270, 400, 300}, B}, {{0, 30, 30, 270}, L}, {{370, 30, 400, 270}, R}};
    CRect rectMeet;
    for (const auto& e : edges)
        if ((e.second & dwDockStyle) && rectMeet.IntersectRect(e.first, rect)) return e.second;
    return 0;
}

TEST(DockContextLayout, DockingDecisionNearEdgesAndCorners) {
    // A horizontal bar (align top) with its horizontal and vertical prospective rectangles.
    struct Case {
        const char* what;
        CRect horz, vert;
        DWORD dwDockStyle;
        BOOL bFlip;
        DWORD dwExpected;
    } cases[] = {
        // clang-format off
        {"own orientation meets the bottom", {100, 260, 220, 286}, {150, 200, 176, 320}, T | B | L | R, FALSE, B},
        {"the middle floats", {100, 100, 220, 126}, {150, 60, 176, 180}, T | B | L | R, FALSE, 0},
        {"both orientations meet the left", {10, 100, 130, 126}, {10, 60, 36, 180}, T | B | L | R, FALSE, L},
        {"corner: horizontal left, vertical bottom", {5, 240, 125, 266}, {40, 200, 66, 320}, T | B | L | R, FALSE, 0},
        {"Shift: the vertical first", {100, 260, 220, 286}, {360, 200, 386, 320}, T | B | L | R, TRUE, R},
        {"a top-only bar never docks left", {10, 100, 130, 126}, {10, 60, 36, 180}, T, FALSE, 0},
        {"a left-right bar docks by its vertical", {100, 100, 220, 126}, {360, 60, 386, 180}, L | R, FALSE, R},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QVDockDragRects rects{c.horz, c.vert, c.horz, c.vert};
        EXPECT_EQ(c.dwExpected, QVDockDecide(T, c.dwDockStyle, c.bFlip, rects, FakeFrame));
    }
}

}  // namespace
