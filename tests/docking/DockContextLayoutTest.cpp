// The drag and resize arithmetic of a control bar, as tables: prospective rectangles, the docking
// decision near edges and corners, the outline, and a resize kept on the screen.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVDockContextLayout.h"

namespace {

TEST(DockContextLayout, DragRectsFollowTheBarKindAndHoldThePointer) {
    QVDockDragStart s;
    s.rectBar = CRect(100, 50, 220, 76);
    s.rectBorders = CRect(4, 20, 4, 4);
    s.sizeBarBorder = CSize(2, 2);
    s.sizes[0] = CSize(30, 90), s.sizes[1] = CSize(26, 120), s.sizes[2] = CSize(150, 40);
    struct Case {
        QVDockBarKind nKind;
        bool bHorz;
        CPoint pt;
        CRect horz, vert, frameHorz, frameVert;
    } cases[] = {
        // Other kind, horizontal: its window, and the other size centred on the pointer.
        {QVDBK_OTHER,
         true,
         {160, 60},
         {100, 50, 220, 76},
         {147, 50, 177, 140},
         {98, 32, 222, 78},
         {145, 32, 179, 142}},
        // Vertical: the horizontal rectangle centred on the pointer's y, shifted to hold the pointer.
        {QVDBK_OTHER,
         false,
         {160, 60},
         {130, 0, 160, 90},
         {100, 50, 220, 76},
         {126, -18, 160, 92},
         {98, 32, 222, 78}},
        {QVDBK_FIXED,
         true,
         {100, 50},
         {100, 50, 130, 140},
         {100, 50, 126, 170},
         {98, 32, 132, 142},
         {98, 32, 128, 172}},
        // The pointer pulls the narrow rectangles along; their right edge counts as inside.
        {QVDBK_DYNAMIC,
         true,
         {200, 76},
         {170, 50, 200, 140},
         {174, 50, 200, 170},
         {98, 32, 252, 92},
         {98, 32, 252, 92}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.nKind << " horz " << c.bHorz);
        s.nKind = c.nKind, s.bHorzBar = c.bHorz, s.pt = c.pt;
        const QVDockDragRects r = QVDockCalcDragRects(s);
        EXPECT_EQ(c.horz, r.rectHorz);
        EXPECT_EQ(c.vert, r.rectVert);
        EXPECT_EQ(c.frameHorz, r.rectFrameHorz);
        EXPECT_EQ(c.frameVert, r.rectFrameVert);
    }
}

// Four edge dock bars of a 400 x 300 frame client: top and bottom full width, left and right between.
DWORD FakeFrame(const CRect& rect, DWORD dwDockStyle) {
    const struct {
        CRect rect;
        DWORD dwAlign;
    } edges[] = {{{0, 0, 400, 30}, CBRS_ALIGN_TOP},
                 {{0, 270, 400, 300}, CBRS_ALIGN_BOTTOM},
                 {{0, 30, 30, 270}, CBRS_ALIGN_LEFT},
                 {{370, 30, 400, 270}, CBRS_ALIGN_RIGHT}};
    CRect rectMeet;
    for (const auto& e : edges)
        if ((e.dwAlign & dwDockStyle) && rectMeet.IntersectRect(e.rect, rect)) return e.dwAlign;
    return 0;
}

TEST(DockContextLayout, DockingDecisionNearEdgesAndCorners) {
    struct Case {
        const char* what;
        CRect horz, vert;
        DWORD dwStyle, dwDockStyle;
        BOOL bFlip;
        DWORD dwExpected;
    } cases[] = {
        {"own orientation meets the bottom",
         {100, 260, 220, 286},
         {150, 200, 176, 320},
         CBRS_ALIGN_TOP,
         CBRS_ALIGN_ANY,
         FALSE,
         CBRS_ALIGN_BOTTOM},
        {"middle floats",
         {100, 100, 220, 126},
         {150, 60, 176, 180},
         CBRS_ALIGN_TOP,
         CBRS_ALIGN_ANY,
         FALSE,
         0},
        {"both orientations agree on the left",
         {10, 100, 130, 126},
         {10, 60, 36, 180},
         CBRS_ALIGN_TOP,
         CBRS_ALIGN_ANY,
         FALSE,
         CBRS_ALIGN_LEFT},
        {"corner: horizontal meets the left, vertical the bottom",
         {5, 240, 125, 266},
         {40, 200, 66, 320},
         CBRS_ALIGN_TOP,
         CBRS_ALIGN_ANY,
         FALSE,
         0},
        {"shift tries the vertical first",
         {100, 260, 220, 286},
         {360, 200, 386, 320},
         CBRS_ALIGN_TOP,
         CBRS_ALIGN_ANY,
         TRUE,
         CBRS_ALIGN_RIGHT},
        {"a top-only bar never docks left",
         {10, 100, 130, 126},
         {10, 60, 36, 180},
         CBRS_ALIGN_TOP,
         CBRS_ALIGN_TOP,
         FALSE,
         0},
        {"a left-only bar docks by its vertical rectangle",
         {100, 100, 220, 126},
         {360, 60, 386, 180},
         CBRS_ALIGN_TOP,
         CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT,
         FALSE,
         CBRS_ALIGN_RIGHT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QVDockDragRects rects{c.horz, c.vert, c.horz, c.vert};
        EXPECT_EQ(c.dwExpected, QVDockDecide(c.dwStyle, c.dwDockStyle, c.bFlip, rects, FakeFrame));
    }
}

TEST(DockContextLayout, OutlineIsThinInsideADockAndDitheredWhenFloating) {
    const QVDockDragRects rects{{0, 0, 100, 20}, {0, 0, 20, 100}, {-4, -20, 104, 24}, {-4, -20, 24, 104}};
    struct Case {
        DWORD dwOverDock, dwStyle;
        BOOL bFlip, bRemove;
        CRect rect;
        CSize size;
        bool bDither;
    } cases[] = {
        {CBRS_ALIGN_TOP, CBRS_ALIGN_TOP, FALSE, FALSE, {1, 1, 99, 19}, {1, 1}, false},
        {CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP, FALSE, FALSE, {1, 1, 19, 99}, {1, 1}, false},
        {0, CBRS_ALIGN_TOP, FALSE, FALSE, {-4, -20, 104, 24}, {3, 3}, true},
        {0, CBRS_ALIGN_TOP, TRUE, FALSE, {-4, -20, 24, 104}, {3, 3}, true},
        {0, CBRS_ALIGN_LEFT, TRUE, TRUE, {-4, -20, 104, 24}, {0, 0}, true},
    };
    for (const Case& c : cases) {
        const QVDockOutline o =
            QVDockCalcOutline(c.dwOverDock, c.dwStyle, c.bFlip, rects, CSize(3, 3), c.bRemove);
        EXPECT_EQ(c.rect, o.rect);
        EXPECT_EQ(c.size, o.size);
        EXPECT_EQ(c.bDither, o.bDither);
    }
}

TEST(DockContextLayout, ResizeMovesOneEdgeAndKeepsTheFrameOnTheScreen) {
    const CRect rectScreen(0, 0, 800, 600);
    struct Case {
        int nHitTest;
        CRect rectBar;
        CSize d, sizeAnswer;
        int nLength;
        DWORD dwMode;
        CRect rectFrame;
    } cases[] = {
        {HTRIGHT, {100, 100, 300, 140}, {50, 9}, {250, 40}, 250, LM_HORZ, {98, 78, 352, 142}},
        {HTLEFT, {100, 100, 300, 140}, {50, 9}, {150, 60}, 150, LM_HORZ, {148, 58, 302, 142}},
        {HTBOTTOM, {100, 100, 300, 140}, {9, -60}, {200, 0}, 0, LM_HORZ | LM_LENGTHY, {98, 78, 302, 102}},
        {HTTOP, {100, 100, 300, 140}, {0, -20}, {180, 60}, 60, LM_HORZ | LM_LENGTHY, {118, 58, 302, 142}},
        // Shrinking the right edge of a frame hanging off the left would leave the screen: no change.
        {HTRIGHT, {-220, 100, -20, 140}, {-150, 0}, {50, 40}, 50, LM_HORZ, {-222, 78, -18, 142}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "hit " << c.nHitTest << " at " << c.rectBar.left);
        QVDockResizeRects r = QVDockStartResize(c.rectBar, c.rectBar.Size(), CRect(4, 24, 4, 4), CSize(2, 2));
        EXPECT_EQ(CSize(4, 24), r.sizeBorders);
        DWORD dwMode = 0;
        EXPECT_EQ(c.nLength, QVDockStretchRequest(r, c.nHitTest, c.d, &dwMode));
        EXPECT_EQ(c.dwMode, dwMode);
        QVDockApplyStretch(r, c.nHitTest, c.sizeAnswer, rectScreen);
        EXPECT_EQ(c.rectFrame, r.rectActualFrame);
        EXPECT_EQ(r.rectActualFrame.Size() - r.sizeBorders, r.rectActual.Size());
    }
}

}  // namespace
