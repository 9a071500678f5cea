// CQVGdiplusHelper: gradient directions and end colours, rounded corners, nothing outside the rectangle.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "ImageTestUtil.h"
#include "PixelProbe.h"
#include "QVGdiplusHelper.h"

using namespace imgtest;

namespace {

const CRect kArea(10, 10, 70, 50);

bool UntouchedAround(const riztest::Surface& s, const CRect& rc, COLORREF clrBack) {
    return !s.HasOtherThan(CRect(0, 0, s.Width(), rc.top), clrBack, 0) &&
           !s.HasOtherThan(CRect(0, rc.bottom, s.Width(), s.Height()), clrBack, 0) &&
           !s.HasOtherThan(CRect(0, 0, rc.left, s.Height()), clrBack, 0) &&
           !s.HasOtherThan(CRect(rc.right, 0, s.Width(), s.Height()), clrBack, 0);
}

}  // namespace

TEST(CQVGdiplusHelper, GradientRectRunsDownOrAcrossWithExactEnds) {
    riztest::Surface s(80, 60, kWhite);
    CQVGdiplusHelper::DrawGradientRect(s.Dc(), kArea, RGB(0, 0, 0), RGB(240, 120, 0), TRUE);
    EXPECT_EQ("", s.WrongPixels({{10, 10, RGB(0, 0, 0)}, {69, 10, RGB(0, 0, 0)}}));
    EXPECT_EQ("", s.WrongPixels({{40, 49, RGB(240, 120, 0)}, {40, 30, RGB(120, 60, 0)}}, 8));
    EXPECT_EQ(s.Pixel(10, 30), s.Pixel(69, 30));  // rows are uniform
    EXPECT_TRUE(UntouchedAround(s, kArea, kWhite));

    riztest::Surface h(80, 60, kWhite);
    CDC* pNull = nullptr;
    CQVGdiplusHelper::DrawGradientRect(pNull, kArea, kRed, kBlue);
    CAttachedDC dc(h.Dc());
    CQVGdiplusHelper::DrawGradientRect(&dc, kArea, kRed, kBlue, FALSE);
    EXPECT_EQ(kRed, h.Pixel(10, 40));
    EXPECT_TRUE(riztest::ColorNear(kBlue, h.Pixel(69, 20), 8));
    EXPECT_EQ(h.Pixel(40, 10), h.Pixel(40, 49));  // columns are uniform
    EXPECT_TRUE(UntouchedAround(h, kArea, kWhite));
}

TEST(CQVGdiplusHelper, RoundRectHasBorderGradientAndCutCorners) {
    riztest::Surface s(80, 60, kWhite);
    const COLORREF clrBorder = RGB(0, 0, 128);
    CQVGdiplusHelper::DrawGradientRoundRect(s.Dc(), kArea, RGB(250, 250, 200), RGB(150, 150, 250), clrBorder,
                                            8, 8, TRUE);
    EXPECT_TRUE(riztest::ColorNear(clrBorder, s.Pixel(40, 10), 40));  // top edge
    EXPECT_TRUE(riztest::ColorNear(clrBorder, s.Pixel(10, 30), 40));  // left edge
    EXPECT_TRUE(riztest::ColorNear(clrBorder, s.Pixel(40, 49), 40));  // bottom edge
    EXPECT_EQ(kWhite, s.Pixel(10, 10));                               // outside the rounded corner
    EXPECT_EQ(kWhite, s.Pixel(69, 49));
    EXPECT_TRUE(riztest::ColorNear(RGB(245, 245, 205), s.Pixel(40, 12), 16));  // light at the top
    EXPECT_TRUE(riztest::ColorNear(RGB(155, 155, 245), s.Pixel(40, 47), 16));  // darker at the bottom
    EXPECT_TRUE(UntouchedAround(s, kArea, kWhite));
}

TEST(CQVGdiplusHelper, RoundRectWithoutRadiusOrBorder) {
    riztest::Surface s(80, 60, kWhite);
    CQVGdiplusHelper::DrawGradientRoundRect(s.Dc(), kArea, kRed, kRed, kBlue, 0, 0, FALSE);
    EXPECT_TRUE(riztest::ColorNear(kBlue, s.Pixel(10, 10), 40));  // square corner
    EXPECT_TRUE(riztest::ColorNear(kRed, s.Pixel(40, 30), 2));
    EXPECT_TRUE(UntouchedAround(s, kArea, kWhite));

    riztest::Surface t(80, 60, kWhite);
    CQVGdiplusHelper::DrawGradientRoundRect(t.Dc(), kArea, kGreen, kGreen, CLR_NONE, 4, 4, TRUE);
    EXPECT_TRUE(riztest::ColorNear(kGreen, t.Pixel(40, 10), 2));  // no outline: the fill reaches the edge
    EXPECT_TRUE(UntouchedAround(t, kArea, kWhite));
}

TEST(CQVGdiplusHelper, LinearGradientModes) {
    riztest::Surface v(80, 60, kWhite);
    CQVGdiplusHelper::DrawLinearGradientRect(v.Dc(), kArea, kWhite, kBlue, 1);
    EXPECT_EQ("", v.WrongPixels({{40, 10, kWhite}, {40, 49, kBlue}}, 10));
    EXPECT_GT(GetRValue(v.Pixel(40, 20)), GetRValue(v.Pixel(40, 40)));
    EXPECT_TRUE(UntouchedAround(v, kArea, kWhite));

    riztest::Surface h(80, 60, kBlack);
    CQVGdiplusHelper::DrawLinearGradientRect(h.Dc(), kArea, kRed, kGreen, 0);
    EXPECT_EQ("", h.WrongPixels({{10, 30, kRed}, {69, 30, kGreen}}, 10));
    EXPECT_TRUE(riztest::ColorNear(h.Pixel(40, 12), h.Pixel(40, 48), 2));
    EXPECT_TRUE(UntouchedAround(h, kArea, kBlack));

    riztest::Surface d(80, 60, kBlack);
    CQVGdiplusHelper::DrawLinearGradientRect(d.Dc(), kArea, kRed, kBlue, 2);
    EXPECT_EQ("", d.WrongPixels({{10, 10, kRed}, {69, 49, kBlue}}, 12));
    EXPECT_TRUE(UntouchedAround(d, kArea, kBlack));
}

TEST(CQVGdiplusHelper, EmptyRectanglesAndNullDCsDrawNothing) {
    riztest::Surface s(30, 30, kWhite);
    const CRect empties[] = {CRect(5, 5, 5, 20), CRect(5, 5, 20, 5), CRect(20, 20, 5, 5)};
    for (const CRect& rc : empties) {
        CQVGdiplusHelper::DrawGradientRect(s.Dc(), rc, kRed, kBlue);
        CQVGdiplusHelper::DrawGradientRoundRect(s.Dc(), rc, kRed, kBlue, kBlack);
        CQVGdiplusHelper::DrawLinearGradientRect(s.Dc(), rc, kRed, kBlue);
    }
    CQVGdiplusHelper::DrawGradientRect(HDC(NULL), CRect(0, 0, 9, 9), kRed, kBlue);
    CQVGdiplusHelper::DrawGradientRoundRect(HDC(NULL), CRect(0, 0, 9, 9), kRed, kBlue, kBlack);
    CQVGdiplusHelper::DrawLinearGradientRect(HDC(NULL), CRect(0, 0, 9, 9), kRed, kBlue);
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 30, 30), kWhite, 0));
}
