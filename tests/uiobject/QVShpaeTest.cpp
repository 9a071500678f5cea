// The shapes: the windowless shape and the window-owned shape drawn by type (lines on the bottom and
// right coordinates, fills, round corners of the first value), what the window-owned shape's setters
// store and repaint, and its fill kept out of the caller's region.
#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "QVShpae.h"
#include "QVUIShape.h"
#include "TestWindow.h"
#include "UIProbe.h"

#include <vector>

namespace {

void DrawInto(CQVNoneWndBase& shape, riztest::Surface& surface, CRgn* pRgn = nullptr) {
    CDC dc;
    dc.Attach(surface.Dc());
    shape.Draw(&dc, pRgn);
    dc.Detach();
}

}  // namespace

TEST(ShapePaint, BothShapeClassesDrawEachTypeWhereItBelongs) {
    const COLORREF kWhite = RGB(255, 255, 255), kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0),
                   kGreen = RGB(0, 200, 0), kYellow = RGB(255, 255, 0), kCyan = RGB(0, 255, 255);
    struct Probe {
        int x, y;
        COLORREF clr;
        bool bEqual;  // or only different
    };
    // clrLine CLR_INVALID keeps the windowless shape's default line colour.
    const struct {
        const char* pszWhat;
        bool bWindowless;
        int nType;
        CRect rc;
        BOOL bTransparent, bVisible;
        COLORREF clrLine, clrFill;
        int nCorner;
        std::vector<Probe> probes;
    } rows[] = {
        // clang-format off
        {"windowless line on the bottom, default colour", true, CQVUIShape::HorizontalLine, {0, 0, 20, 10}, TRUE, TRUE, CLR_INVALID, 0, 0, {{5, 10, kBlue, true}, {5, 9, kWhite, true}}},
        {"windowless line on the right", true, CQVUIShape::VerticalLine, {30, 0, 40, 20}, TRUE, TRUE, kGreen, 0, 0, {{40, 5, kGreen, true}, {39, 5, kWhite, true}}},
        {"windowless round corners of the first value", true, CQVUIShape::RoundRect, {0, 0, 40, 40}, FALSE, TRUE, CLR_INVALID, kYellow, 8, {{20, 20, kYellow, true}, {20, 0, kBlue, true}, {0, 0, kBlue, false}}},
        {"windowless transparent ellipse: not filled", true, CQVUIShape::Ellipse, {50, 0, 90, 40}, TRUE, TRUE, CLR_INVALID, 0, 0, {{70, 20, kWhite, true}, {51, 1, kWhite, true}}},
        {"window-owned line on the bottom", false, QVST_HLINE, {0, 0, 20, 10}, TRUE, TRUE, kRed, kWhite, 0, {{5, 10, kRed, true}, {5, 9, kWhite, true}}},
        {"window-owned line on the right", false, QVST_VLINE, {0, 0, 20, 30}, TRUE, TRUE, kGreen, 0, 0, {{20, 15, kGreen, true}}},
        {"a hidden window-owned shape draws nothing", false, QVST_VLINE, {0, 0, 20, 30}, TRUE, FALSE, kGreen, 0, 0, {{20, 15, kWhite, true}}},
        {"window-owned rectangle rounded by a radius", false, QVST_RECTANGLE, {0, 0, 40, 40}, FALSE, TRUE, 0, kYellow, 12, {{0, 0, kWhite, true}, {20, 20, kYellow, true}}},
        {"window-owned ellipse", false, QVST_ELLIPSE, {50, 0, 90, 40}, FALSE, TRUE, 0, kCyan, 0, {{70, 20, kCyan, true}, {52, 2, kWhite, true}}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszWhat);
        riztest::Surface surface(100, 40);
        if (row.bWindowless) {
            CQVUIObject root;
            root.SetTransparent(TRUE);
            CQVUIShape* pShape = new CQVUIShape;
            pShape->SetShapeType(static_cast<CQVUIShape::ShapeType>(row.nType));
            pShape->SetTransparent(row.bTransparent);
            if (row.clrLine != CLR_INVALID) pShape->SetLineColor(row.clrLine);
            pShape->SetBackgroundColor(row.clrFill);
            pShape->SetRoundRect(row.nCorner, 2, 2, 2);
            pShape->SetObjectPos(row.rc.left, row.rc.top, row.rc.Width(), row.rc.Height());
            root.AddChild(pShape);
            uitest::RenderInto(root, surface);
        } else {
            CQVShpae shape;
            shape.Create(nullptr, row.rc, row.clrFill, row.clrLine, row.bTransparent, row.nType, 1,
                         row.nCorner, 0, 0, 0);
            EXPECT_EQ(row.nCorner >= 1, shape.IsRounded() != FALSE);
            shape.SetVisible(row.bVisible);
            DrawInto(shape, surface);
        }
        for (const Probe& probe : row.probes) {
            SCOPED_TRACE(testing::Message() << "at " << probe.x << "," << probe.y);
            if (probe.bEqual)
                EXPECT_EQ(probe.clr, surface.Pixel(probe.x, probe.y));
            else
                EXPECT_NE(probe.clr, surface.Pixel(probe.x, probe.y));
        }
    }
}

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
