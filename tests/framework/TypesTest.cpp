// CRect, CPoint and CSize: rectangle algebra with empty and inverted rectangles, the USER semantics of
// intersection, union and subtraction, and the point/size arithmetic.
#include <afx.h>

#include <gtest/gtest.h>

namespace {

void ExpectRect(const CRect& rc, int l, int t, int r, int b) {
    EXPECT_EQ(rc.left, l);
    EXPECT_EQ(rc.top, t);
    EXPECT_EQ(rc.right, r);
    EXPECT_EQ(rc.bottom, b);
}

}  // namespace

TEST(CRectBasics, ConstructorsAgreeOnTheSameRectangle) {
    ExpectRect(CRect(), 0, 0, 0, 0);
    ExpectRect(CRect(1, 2, 11, 22), 1, 2, 11, 22);
    ExpectRect(CRect(CPoint(1, 2), CSize(10, 20)), 1, 2, 11, 22);
    ExpectRect(CRect(CPoint(1, 2), CPoint(11, 22)), 1, 2, 11, 22);
    const RECT raw = {1, 2, 11, 22};
    ExpectRect(CRect(raw), 1, 2, 11, 22);
    ExpectRect(CRect(&raw), 1, 2, 11, 22);
}

TEST(CRectBasics, CornersAreReferencesIntoTheRectangle) {
    CRect rc(10, 20, 30, 40);
    rc.TopLeft() = CPoint(0, 5);
    rc.BottomRight().x = 50;
    ExpectRect(rc, 0, 5, 50, 40);
    EXPECT_EQ(rc.Size(), CSize(50, 35));
    const CRect& crc = rc;
    EXPECT_EQ(crc.BottomRight(), CPoint(50, 40));
}

TEST(CRectBasics, InvertedRectangleHasNegativeExtentAndIsEmpty) {
    CRect rc(30, 40, 10, 20);
    EXPECT_EQ(rc.Width(), -20);
    EXPECT_EQ(rc.Height(), -20);
    EXPECT_TRUE(rc.IsRectEmpty());
    EXPECT_FALSE(rc.IsRectNull());
    EXPECT_FALSE(rc.PtInRect(CPoint(20, 30)));
}

TEST(CRectBasics, EmptyIsNotNull) {
    CRect flat(5, 5, 5, 50);  // zero width, not all zero
    EXPECT_TRUE(flat.IsRectEmpty());
    EXPECT_FALSE(flat.IsRectNull());
    flat.SetRectEmpty();
    EXPECT_TRUE(flat.IsRectNull());
    EXPECT_FALSE(CRect(0, 0, 1, 1).IsRectEmpty());
}

TEST(CRectBasics, PtInRectExcludesRightAndBottomEdges) {
    CRect rc(0, 0, 10, 10);
    EXPECT_TRUE(rc.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(rc.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(rc.PtInRect(CPoint(10, 5)));
    EXPECT_FALSE(rc.PtInRect(CPoint(5, 10)));
    EXPECT_FALSE(rc.PtInRect(CPoint(-1, 5)));
}

TEST(CRectBasics, NormalizeSwapsEachInvertedAxisOnly) {
    CRect both(30, 40, 10, 20);
    both.NormalizeRect();
    ExpectRect(both, 10, 20, 30, 40);
    CRect horizontal(30, 0, 10, 5);
    horizontal.NormalizeRect();
    ExpectRect(horizontal, 10, 0, 30, 5);
    CRect fine(1, 2, 3, 4);
    fine.NormalizeRect();
    ExpectRect(fine, 1, 2, 3, 4);
}

TEST(CRectBasics, CenterPointTruncatesTowardZero) {
    EXPECT_EQ(CRect(0, 0, 11, 11).CenterPoint(), CPoint(5, 5));
    EXPECT_EQ(CRect(-3, -3, 0, 0).CenterPoint(), CPoint(-1, -1));
}

TEST(CRectBasics, MoveToKeepsSize) {
    CRect rc(10, 20, 40, 60);
    rc.MoveToXY(-5, 100);
    ExpectRect(rc, -5, 100, 25, 140);
    rc.MoveToX(0);
    rc.MoveToY(0);
    ExpectRect(rc, 0, 0, 30, 40);
}

TEST(CRectBasics, SwapLeftRightMirrorsHorizontally) {
    CRect rc(1, 2, 3, 4);
    rc.SwapLeftRight();
    ExpectRect(rc, 3, 2, 1, 4);
    RECT raw = {5, 6, 7, 8};
    CRect::SwapLeftRight(&raw);
    EXPECT_EQ(raw.left, 7);
    EXPECT_EQ(raw.right, 5);
}

TEST(CRectBasics, PassesAsRectPointerToPlatformCalls) {
    CRect rc;
    ::SetRect(rc, 1, 2, 3, 4);
    ExpectRect(rc, 1, 2, 3, 4);
    const CRect crc(rc);
    RECT out;
    ::CopyRect(&out, crc);
    EXPECT_TRUE(crc == out);
    EXPECT_TRUE(rc.EqualRect(&out));
}

TEST(CRectInflate, EveryOverloadMovesTheRightEdges) {
    CRect rc(10, 10, 20, 20);
    rc.InflateRect(1, 2);
    ExpectRect(rc, 9, 8, 21, 22);
    rc.DeflateRect(1, 2);
    ExpectRect(rc, 10, 10, 20, 20);

    rc.InflateRect(CSize(3, 4));
    ExpectRect(rc, 7, 6, 23, 24);
    rc.DeflateRect(CSize(3, 4));

    rc.InflateRect(1, 2, 3, 4);
    ExpectRect(rc, 9, 8, 23, 24);
    rc.DeflateRect(1, 2, 3, 4);
    ExpectRect(rc, 10, 10, 20, 20);

    const RECT border = {1, 2, 3, 4};
    rc.InflateRect(&border);
    ExpectRect(rc, 9, 8, 23, 24);
    rc.DeflateRect(&border);
    ExpectRect(rc, 10, 10, 20, 20);
}

TEST(CRectInflate, DeflatingPastTheCentreInvertsTheRectangle) {
    CRect rc(0, 0, 10, 10);
    rc.DeflateRect(6, 6);
    ExpectRect(rc, 6, 6, 4, 4);
    EXPECT_TRUE(rc.IsRectEmpty());
}

TEST(CRectOffset, PointSizeAndIntsAllTranslate) {
    CRect rc(0, 0, 10, 10);
    rc.OffsetRect(5, -5);
    ExpectRect(rc, 5, -5, 15, 5);
    rc.OffsetRect(CPoint(-5, 5));
    rc.OffsetRect(CSize(1, 1));
    ExpectRect(rc, 1, 1, 11, 11);
}

TEST(CRectIntersect, OverlapIsTheCommonPart) {
    CRect rc;
    EXPECT_TRUE(rc.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    ExpectRect(rc, 5, 5, 10, 10);
}

TEST(CRectIntersect, DisjointOrTouchingGivesNullRectangle) {
    CRect rc(1, 2, 3, 4);
    EXPECT_FALSE(rc.IntersectRect(CRect(0, 0, 10, 10), CRect(20, 20, 30, 30)));
    EXPECT_TRUE(rc.IsRectNull());
    rc.SetRect(1, 2, 3, 4);
    EXPECT_FALSE(rc.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));  // shared edge only
    EXPECT_TRUE(rc.IsRectNull());
}

TEST(CRectIntersect, EmptyOrInvertedOperandGivesNullEvenInside) {
    CRect rc;
    EXPECT_FALSE(rc.IntersectRect(CRect(0, 0, 100, 100), CRect(10, 10, 10, 50)));
    EXPECT_TRUE(rc.IsRectNull());
    EXPECT_FALSE(rc.IntersectRect(CRect(0, 0, 100, 100), CRect(50, 50, 10, 10)));
    EXPECT_TRUE(rc.IsRectNull());
}

TEST(CRectIntersect, MayUseItselfAsEitherOperand) {
    CRect rc(0, 0, 10, 10);
    EXPECT_TRUE(rc.IntersectRect(rc, CRect(5, -5, 15, 5)));
    ExpectRect(rc, 5, 0, 10, 5);
    CRect other(0, 0, 8, 8);
    EXPECT_TRUE(rc.IntersectRect(other, rc));
    ExpectRect(rc, 5, 0, 8, 5);
    rc &= CRect(6, 1, 7, 2);
    ExpectRect(rc, 6, 1, 7, 2);
}

TEST(CRectUnion, BoundsBothRectangles) {
    CRect rc;
    EXPECT_TRUE(rc.UnionRect(CRect(0, 0, 10, 10), CRect(20, 5, 30, 40)));
    ExpectRect(rc, 0, 0, 30, 40);
}

TEST(CRectUnion, EmptyOperandIsIgnored) {
    CRect rc;
    EXPECT_TRUE(rc.UnionRect(CRect(-50, -50, -50, 80), CRect(20, 5, 30, 40)));
    ExpectRect(rc, 20, 5, 30, 40);
    EXPECT_TRUE(rc.UnionRect(CRect(20, 5, 30, 40), CRect(90, 90, 0, 0)));
    ExpectRect(rc, 20, 5, 30, 40);
}

TEST(CRectUnion, TwoEmptyOperandsGiveNullRectangle) {
    CRect rc(1, 1, 2, 2);
    EXPECT_FALSE(rc.UnionRect(CRect(0, 0, 0, 10), CRect(5, 5, 1, 1)));
    EXPECT_TRUE(rc.IsRectNull());
}

TEST(CRectUnion, OperatorsMatchTheMembers) {
    const CRect a(0, 0, 10, 10), b(5, 5, 20, 20);
    ExpectRect(a | b, 0, 0, 20, 20);
    ExpectRect(a & b, 5, 5, 10, 10);
    CRect c = a;
    c |= b;
    ExpectRect(c, 0, 0, 20, 20);
    EXPECT_TRUE((a & CRect(50, 50, 60, 60)).IsRectNull());
}

TEST(CRectSubtract, CoveringAWholeSideShrinksTheRectangle) {
    CRect rc;
    EXPECT_TRUE(rc.SubtractRect(CRect(0, 0, 100, 50), CRect(60, -10, 200, 60)));
    ExpectRect(rc, 0, 0, 60, 50);
    EXPECT_TRUE(rc.SubtractRect(CRect(0, 0, 100, 50), CRect(-1, -1, 101, 20)));
    ExpectRect(rc, 0, 20, 100, 50);
}

TEST(CRectSubtract, AHoleInTheMiddleLeavesTheRectangleAlone) {
    CRect rc;
    EXPECT_TRUE(rc.SubtractRect(CRect(0, 0, 100, 50), CRect(10, 10, 20, 20)));
    ExpectRect(rc, 0, 0, 100, 50);
    // Covering a full side but not the full height does not shrink either.
    EXPECT_TRUE(rc.SubtractRect(CRect(0, 0, 100, 50), CRect(60, 10, 200, 60)));
    ExpectRect(rc, 0, 0, 100, 50);
}

TEST(CRectSubtract, FullCoverOrEmptySourceGivesNullRectangle) {
    CRect rc(1, 1, 2, 2);
    EXPECT_FALSE(rc.SubtractRect(CRect(10, 10, 20, 20), CRect(0, 0, 30, 30)));
    EXPECT_TRUE(rc.IsRectNull());
    rc.SetRect(1, 1, 2, 2);
    EXPECT_FALSE(rc.SubtractRect(CRect(10, 10, 10, 20), CRect(0, 0, 1, 1)));
    EXPECT_TRUE(rc.IsRectNull());
}

TEST(CRectSubtract, MayUseItselfAsTheSubtrahend) {
    CRect rc(50, 0, 200, 50);
    EXPECT_TRUE(rc.SubtractRect(CRect(0, 0, 100, 50), rc));
    ExpectRect(rc, 0, 0, 50, 50);
}

TEST(CRectOperators, PlusAndMinusOffsetByPointOrSizeAndInflateByRect) {
    const CRect rc(10, 10, 20, 20);
    ExpectRect(rc + CPoint(1, 2), 11, 12, 21, 22);
    ExpectRect(rc - CPoint(1, 2), 9, 8, 19, 18);
    ExpectRect(rc + CSize(1, 2), 11, 12, 21, 22);
    ExpectRect(rc - CSize(1, 2), 9, 8, 19, 18);
    const CRect border(1, 2, 3, 4);
    ExpectRect(rc + border, 9, 8, 23, 24);
    ExpectRect(rc - border, 11, 12, 17, 16);

    CRect m = rc;
    m += CPoint(5, 5);
    m -= CSize(5, 5);
    EXPECT_EQ(m, rc);
    m += &border;
    m -= &border;
    EXPECT_EQ(m, rc);
    EXPECT_NE(m, CRect(10, 10, 20, 21));
}

TEST(CRectOperators, MulDivRoundsEachEdge) {
    ExpectRect(CRect(0, 3, 10, -3).MulDiv(3, 2), 0, 5, 15, -5);  // 4.5 rounds away from zero
    ExpectRect(CRect(96, 96, 192, 192).MulDiv(144, 96), 144, 144, 288, 288);
}

TEST(CPointOperators, ArithmeticWithPointsAndSizes) {
    CPoint pt(10, 20);
    EXPECT_EQ(pt + CSize(1, 2), CPoint(11, 22));
    EXPECT_EQ(pt - CSize(1, 2), CPoint(9, 18));
    EXPECT_EQ(pt + CPoint(1, 2), CPoint(11, 22));
    const CSize diff = pt - CPoint(4, 5);  // the difference of two points is a size
    EXPECT_EQ(diff, CSize(6, 15));
    EXPECT_EQ(-pt, CPoint(-10, -20));
    pt += CPoint(1, 1);
    pt -= CSize(2, 2);
    EXPECT_EQ(pt, CPoint(9, 19));
    pt.Offset(1, 1);
    EXPECT_TRUE(pt != CPoint(9, 19));
    ExpectRect(CPoint(1, 1) + CRect(0, 0, 2, 2), 1, 1, 3, 3);
    ExpectRect(CPoint(1, 1) - CRect(0, 0, 2, 2), -1, -1, 1, 1);
}

TEST(CPointOperators, MouseLParamUnpacksSigned) {
    const CPoint pt(MAKELPARAM(-5, 300));
    EXPECT_EQ(pt.x, -5);
    EXPECT_EQ(pt.y, 300);
    EXPECT_EQ(CPoint(MAKELPARAM(0x8000, 0x7FFF)), CPoint(-32768, 32767));
}

TEST(CSizeOperators, ArithmeticAndPackedConstruction) {
    CSize sz(MAKELONG(0xFFFF, 2));
    EXPECT_EQ(sz, CSize(-1, 2));
    sz += CSize(3, 3);
    EXPECT_EQ(sz, CSize(2, 5));
    EXPECT_EQ(-sz, CSize(-2, -5));
    EXPECT_EQ(sz - CSize(2, 5), CSize());
    EXPECT_EQ(sz + CPoint(1, 1), CPoint(3, 6));
    EXPECT_EQ(sz - CPoint(1, 1), CPoint(1, 4));
    ExpectRect(sz + CRect(0, 0, 1, 1), 2, 5, 3, 6);
    ExpectRect(sz - CRect(0, 0, 1, 1), -2, -5, -1, -4);
    EXPECT_EQ(CSize(CPoint(7, 8)), CSize(7, 8));
    EXPECT_EQ(CPoint(CSize(7, 8)), CPoint(7, 8));
}
