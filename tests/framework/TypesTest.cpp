// CRect, CPoint and CSize: rectangle algebra with empty and inverted rectangles, the USER semantics of
// intersection, union and subtraction, and the point/size arithmetic.
#include <afx.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

void ExpectRect(const CRect& rc, int l, int t, int r, int b) {
    EXPECT_EQ(rc, CRect(l, t, r, b));
}

// A rectangle operation on a fresh target: what it answers and the rectangle it leaves.
struct RectOp {
    const char* what;
    std::function<BOOL(CRect&)> op;
    BOOL result;
    CRect expected;
};
void ExpectOps(std::initializer_list<RectOp> ops) {
    for (const RectOp& o : ops) {
        SCOPED_TRACE(o.what);
        CRect rc(1, 2, 3, 4);  // whatever was there before
        EXPECT_EQ(o.op(rc), o.result);
        EXPECT_EQ(rc, o.expected);
    }
}
// clang-format off
#define OP(call, result, l, t, r, b) {#call, [](CRect& rc) { return rc.call; }, result, CRect(l, t, r, b)}
#define DO(call, l, t, r, b) {#call, [](CRect& rc) { rc.call; return TRUE; }, TRUE, CRect(l, t, r, b)}
// clang-format on

}  // namespace

TEST(CRectBasics, ConstructorsCornersAndPlatformCallsAgreeOnTheSameRectangle) {
    ExpectRect(CRect(), 0, 0, 0, 0);
    ExpectRect(CRect(1, 2, 11, 22), 1, 2, 11, 22);
    ExpectRect(CRect(CPoint(1, 2), CSize(10, 20)), 1, 2, 11, 22);
    ExpectRect(CRect(CPoint(1, 2), CPoint(11, 22)), 1, 2, 11, 22);
    const RECT raw = {1, 2, 11, 22};
    ExpectRect(CRect(raw), 1, 2, 11, 22);
    ExpectRect(CRect(&raw), 1, 2, 11, 22);

    // Corners are references into the rectangle.
    CRect rc(10, 20, 30, 40);
    rc.TopLeft() = CPoint(0, 5);
    rc.BottomRight().x = 50;
    ExpectRect(rc, 0, 5, 50, 40);
    EXPECT_EQ(rc.Size(), CSize(50, 35));
    const CRect& crc = rc;
    EXPECT_EQ(crc.BottomRight(), CPoint(50, 40));

    // The rectangle passes as a RECT pointer.
    ::SetRect(rc, 1, 2, 3, 4);
    ExpectRect(rc, 1, 2, 3, 4);
    RECT out;
    ::CopyRect(&out, crc);
    EXPECT_TRUE(crc == out);
    EXPECT_TRUE(rc.EqualRect(&out));
}

TEST(CRectBasics, InvertedAndFlatRectanglesAreEmptyButNotNull) {
    const CRect inverted(30, 40, 10, 20);
    EXPECT_EQ(inverted.Width(), -20);
    EXPECT_EQ(inverted.Height(), -20);
    EXPECT_TRUE(inverted.IsRectEmpty());
    EXPECT_FALSE(inverted.IsRectNull());
    EXPECT_FALSE(inverted.PtInRect(CPoint(20, 30)));
    CRect flat(5, 5, 5, 50);  // zero width, not all zero
    EXPECT_TRUE(flat.IsRectEmpty());
    EXPECT_FALSE(flat.IsRectNull());
    flat.SetRectEmpty();
    EXPECT_TRUE(flat.IsRectNull());
    EXPECT_FALSE(CRect(0, 0, 1, 1).IsRectEmpty());

    // PtInRect excludes the right and bottom edges.
    const CRect rc(0, 0, 10, 10);
    EXPECT_TRUE(rc.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(rc.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(rc.PtInRect(CPoint(10, 5)));
    EXPECT_FALSE(rc.PtInRect(CPoint(5, 10)));
    EXPECT_FALSE(rc.PtInRect(CPoint(-1, 5)));
}

TEST(CRectBasics, NormalizeCentreMoveAndSwapKeepTheSize) {
    CRect both(30, 40, 10, 20), horizontal(30, 0, 10, 5), fine(1, 2, 3, 4);
    both.NormalizeRect();
    horizontal.NormalizeRect();
    fine.NormalizeRect();
    ExpectRect(both, 10, 20, 30, 40);
    ExpectRect(horizontal, 10, 0, 30, 5);  // each inverted axis only
    ExpectRect(fine, 1, 2, 3, 4);
    // The centre truncates toward zero.
    EXPECT_EQ(CRect(0, 0, 11, 11).CenterPoint(), CPoint(5, 5));
    EXPECT_EQ(CRect(-3, -3, 0, 0).CenterPoint(), CPoint(-1, -1));

    CRect rc(10, 20, 40, 60);
    rc.MoveToXY(-5, 100);
    ExpectRect(rc, -5, 100, 25, 140);
    rc.MoveToX(0);
    rc.MoveToY(0);
    ExpectRect(rc, 0, 0, 30, 40);
    rc.SwapLeftRight();
    ExpectRect(rc, 30, 0, 0, 40);
    RECT raw = {5, 6, 7, 8};
    CRect::SwapLeftRight(&raw);
    ExpectRect(CRect(raw), 7, 6, 5, 8);
}

TEST(CRectInflate, EveryOverloadMovesTheRightEdgesAndOffsetTranslates) {
    const RECT border = {1, 2, 3, 4};
    ExpectOps({
        DO(InflateRect(1, 2), 0, 0, 4, 6),
        DO(DeflateRect(1, 2), 2, 4, 2, 2),
        DO(InflateRect(CSize(3, 4)), -2, -2, 6, 8),
        DO(DeflateRect(CSize(3, 4)), 4, 6, 0, 0),
        DO(InflateRect(1, 2, 3, 4), 0, 0, 6, 8),
        DO(DeflateRect(1, 2, 3, 4), 2, 4, 0, 0),
        DO(OffsetRect(5, -5), 6, -3, 8, -1),
        DO(OffsetRect(CPoint(-5, 5)), -4, 7, -2, 9),
        DO(OffsetRect(CSize(1, 1)), 2, 3, 4, 5),
    });
    CRect rc(10, 10, 20, 20);
    rc.InflateRect(&border);
    ExpectRect(rc, 9, 8, 23, 24);
    rc.DeflateRect(&border);
    ExpectRect(rc, 10, 10, 20, 20);
    // Deflating past the centre inverts the rectangle.
    rc.DeflateRect(6, 6);
    ExpectRect(rc, 16, 16, 14, 14);
    EXPECT_TRUE(rc.IsRectEmpty());
}

TEST(CRectSetOperations, IntersectionUnionAndSubtractionFollowTheSystemsRules) {
    ExpectOps({
        OP(IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)), TRUE, 5, 5, 10, 10),
        OP(IntersectRect(CRect(0, 0, 10, 10), CRect(20, 20, 30, 30)), FALSE, 0, 0, 0, 0),
        OP(IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)), FALSE, 0, 0, 0, 0),  // shared edge only
        // An empty or inverted operand gives the null rectangle even inside the other.
        OP(IntersectRect(CRect(0, 0, 100, 100), CRect(10, 10, 10, 50)), FALSE, 0, 0, 0, 0),
        OP(IntersectRect(CRect(0, 0, 100, 100), CRect(50, 50, 10, 10)), FALSE, 0, 0, 0, 0),
        OP(IntersectRect(rc, CRect(2, -5, 15, 3)), TRUE, 2, 2, 3, 3),
        OP(IntersectRect(CRect(0, 0, 2, 8), rc), TRUE, 1, 2, 2, 4),
    });
    CRect rc(5, 0, 8, 5);
    rc &= CRect(6, 1, 7, 2);
    ExpectRect(rc, 6, 1, 7, 2);

    // The union bounds both, ignoring empty operands.
    ExpectOps({
        OP(UnionRect(CRect(0, 0, 10, 10), CRect(20, 5, 30, 40)), TRUE, 0, 0, 30, 40),
        OP(UnionRect(CRect(-50, -50, -50, 80), CRect(20, 5, 30, 40)), TRUE, 20, 5, 30, 40),
        OP(UnionRect(CRect(20, 5, 30, 40), CRect(90, 90, 0, 0)), TRUE, 20, 5, 30, 40),
        OP(UnionRect(CRect(0, 0, 0, 10), CRect(5, 5, 1, 1)), FALSE, 0, 0, 0, 0),
    });
    const CRect a(0, 0, 10, 10), b(5, 5, 20, 20);
    ExpectRect(a | b, 0, 0, 20, 20);
    ExpectRect(a & b, 5, 5, 10, 10);
    CRect c = a;
    c |= b;
    ExpectRect(c, 0, 0, 20, 20);
    EXPECT_TRUE((a & CRect(50, 50, 60, 60)).IsRectNull());

    // Subtracting shrinks the rectangle only when a whole side is covered.
    ExpectOps({
        OP(SubtractRect(CRect(0, 0, 100, 50), CRect(60, -10, 200, 60)), TRUE, 0, 0, 60, 50),
        OP(SubtractRect(CRect(0, 0, 100, 50), CRect(-1, -1, 101, 20)), TRUE, 0, 20, 100, 50),
        // A hole in the middle, or a side covered short of the full height, leaves it alone.
        OP(SubtractRect(CRect(0, 0, 100, 50), CRect(10, 10, 20, 20)), TRUE, 0, 0, 100, 50),
        OP(SubtractRect(CRect(0, 0, 100, 50), CRect(60, 10, 200, 60)), TRUE, 0, 0, 100, 50),
        // A full cover or an empty source gives the null rectangle.
        OP(SubtractRect(CRect(10, 10, 20, 20), CRect(0, 0, 30, 30)), FALSE, 0, 0, 0, 0),
        OP(SubtractRect(CRect(10, 10, 10, 20), CRect(0, 0, 1, 1)), FALSE, 0, 0, 0, 0),
        // The target itself as the subtrahend.
        OP(SubtractRect(CRect(1, 2, 10, 4), rc), TRUE, 3, 2, 10, 4),
    });
}

TEST(CRectOperators, PlusMinusOffsetByPointOrSizeInflateByRectAndMulDivRounds) {
    const CRect rc(10, 10, 20, 20), border(1, 2, 3, 4);
    ExpectRect(rc + CPoint(1, 2), 11, 12, 21, 22);
    ExpectRect(rc - CPoint(1, 2), 9, 8, 19, 18);
    ExpectRect(rc + CSize(1, 2), 11, 12, 21, 22);
    ExpectRect(rc - CSize(1, 2), 9, 8, 19, 18);
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
    ExpectRect(CRect(0, 3, 10, -3).MulDiv(3, 2), 0, 5, 15, -5);  // 4.5 rounds away from zero
    ExpectRect(CRect(96, 96, 192, 192).MulDiv(144, 96), 144, 144, 288, 288);
}

TEST(CPointAndCSizeOperators, ArithmeticWithPointsSizesRectanglesAndSignedPackedValues) {
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
    EXPECT_EQ(CPoint(MAKELPARAM(-5, 300)), CPoint(-5, 300));
    EXPECT_EQ(CPoint(MAKELPARAM(0x8000, 0x7FFF)), CPoint(-32768, 32767));

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
