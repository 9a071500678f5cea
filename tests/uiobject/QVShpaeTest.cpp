// The window-owned shapes: what each setter stores and repaints, the drawn shapes, and the fill of an
// opaque rectangle kept out of the caller's region.
#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "QVShpae.h"
#include "TestWindow.h"

namespace {

void DrawInto(CQVNoneWndBase& shape, riztest::Surface& surface, CRgn* pRgn = nullptr) {
    CDC dc;
    dc.Attach(surface.Dc());
    shape.Draw(&dc, pRgn);
    dc.Detach();
}

}  // namespace

TEST(Shpae, SettersStoreAndInvalidateTheParentWhileRedrawIsOn) {
    riztest::TestWindow window(200, 100);
    ::ShowWindow(window.Frame(), SW_SHOWNOACTIVATE);
    CWnd* pParent = CWnd::FromHandle(window.Host());
    CQVShpae shape;
    EXPECT_TRUE(shape.Create(pParent, CRect(10, 10, 50, 40), RGB(1, 2, 3), RGB(4, 5, 6), FALSE,
                             QVST_RECTANGLE, 2, 0, 0, 0, 0));
    EXPECT_FALSE(shape.IsRounded());
    pParent->ValidateRect(nullptr);
    shape.SetForeColor(RGB(9, 9, 9));
    CRect rcUpdate;
    ASSERT_TRUE(pParent->GetUpdateRect(&rcUpdate));
    EXPECT_EQ(CRect(10, 10, 50, 40), rcUpdate);

    shape.SetRedraw(FALSE);
    pParent->ValidateRect(nullptr);
    shape.SetCornerRadius(0, 0, 1, 0);
    shape.SetControlRect(CRect(0, 0, 5, 5));
    EXPECT_FALSE(pParent->GetUpdateRect(&rcUpdate));
    EXPECT_TRUE(shape.IsRounded());
    EXPECT_EQ(RGB(9, 9, 9), shape.GetForeColor());

    CQVShpae orphan;  // no parent window: setters are harmless
    orphan.SetVisible(FALSE);
    orphan.SetRedraw(TRUE);
    EXPECT_FALSE(orphan.IsVisible());
}

TEST(Shpae, LinesLieOnTheBottomAndRightAndHiddenShapesDrawNothing) {
    CQVShpae line;
    line.Create(nullptr, CRect(0, 0, 20, 10), RGB(255, 255, 255), RGB(255, 0, 0), TRUE, QVST_HLINE, 1, 0, 0,
                0, 0);
    riztest::Surface surface(40, 40);
    DrawInto(line, surface);
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(5, 10));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(5, 9));
    CQVShpae vertical;
    vertical.Create(nullptr, CRect(0, 0, 20, 30), 0, RGB(0, 255, 0), TRUE, QVST_VLINE, 1, 0, 0, 0, 0);
    vertical.SetVisible(FALSE);
    DrawInto(vertical, surface);
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(20, 15));
    vertical.SetVisible(TRUE);
    DrawInto(vertical, surface);
    EXPECT_EQ(RGB(0, 255, 0), surface.Pixel(20, 15));
}

TEST(Shpae, AnOpaqueRectangleIsNotFilledInsideTheCallersRegion) {
    CQVShpae frame;
    frame.Create(nullptr, CRect(0, 0, 40, 40), RGB(0, 0, 255), RGB(0, 0, 0), FALSE, QVST_RECTANGLE, 1, 0, 0,
                 0, 0);
    CRgn rgnHole;
    rgnHole.CreateRectRgn(10, 10, 30, 30);
    riztest::Surface surface(40, 40);
    DrawInto(frame, surface, &rgnHole);
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(5, 5));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(20, 20));
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(0, 20));
    // The clip is gone afterwards: the next drawing reaches the hole.
    CDC dc;
    dc.Attach(surface.Dc());
    dc.FillSolidRect(15, 15, 2, 2, RGB(0, 255, 0));
    dc.Detach();
    EXPECT_EQ(RGB(0, 255, 0), surface.Pixel(15, 15));
}

TEST(Shpae, RoundedRectanglesCutTheirCornersAndEllipsesTheirs) {
    CQVShpae round;
    round.Create(nullptr, CRect(0, 0, 40, 40), RGB(255, 255, 0), RGB(0, 0, 0), FALSE, QVST_RECTANGLE, 1, 12,
                 0, 0, 0);
    EXPECT_TRUE(round.IsRounded());
    riztest::Surface surface(90, 40);
    DrawInto(round, surface);
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 255, 0), surface.Pixel(20, 20));
    CQVShpae ellipse;
    ellipse.Create(nullptr, CRect(50, 0, 90, 40), RGB(0, 255, 255), RGB(0, 0, 0), FALSE, QVST_ELLIPSE, 1, 0,
                   0, 0, 0);
    DrawInto(ellipse, surface);
    EXPECT_EQ(RGB(0, 255, 255), surface.Pixel(70, 20));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(52, 2));
}
