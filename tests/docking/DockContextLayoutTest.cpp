// The docking decision of a drag near edges and corners, as a table against four edge dock bars, and
// the parts of the floating frame's skinned frame.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "ExpectRows.h"
#include "QVDockContextLayout.h"
#include "QVMiniDockFrameLayout.h"

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

TEST(DockContextLayout, FloatingFrameParts) {
    // A 120 x 60 window with 4-pixel borders and a 17-pixel caption; a close frame of 27 x 19.
    const QVMiniFrameParts p = QVMiniFrameCalcParts(CSize(120, 60), CRect(4, 21, 116, 56), CSize(27, 19));
    // A window narrower than its borders: no room for a close button.
    const QVMiniFrameParts narrow = QVMiniFrameCalcParts(CSize(6, 60), CRect(4, 21, 2, 56), CSize(27, 19));
    using riztest::ExpectRows;
    ExpectRows<CRect>({
        ROW(p.rectCaption, CRect(0, 0, 120, 21)),
        ROW(p.rectBottom, CRect(0, 56, 120, 60)),
        // 13 high, 27 * 13 / 19 = 18 wide, 2 pixels left of the right border, centred in the caption.
        ROW(p.rectClose, CRect(96, 6, 114, 19)),
        ROW(p.rectTitle, CRect(8, 4, 94, 21)),
        ROW(narrow.rectClose, CRect()),
        ROW(narrow.rectRight, CRect(4, 21, 6, 56)),
    });
}

}  // namespace
