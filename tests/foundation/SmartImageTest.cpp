// The smart image: states, three and nine cells, opacity, read back through a 32-bit ARGB GDI+ bitmap.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "QVSmartImage.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "TestImages.h"

#include <vector>

namespace {

using foundationtest::AlphaOf;
using foundationtest::Argb;
using foundationtest::ArgbCanvas;
using Gdiplus::ARGB;

const ARGB kClear = 0;

// Three-cell strip: three states of 30 x 20 side by side; in each, a 5-pixel head, a 20-pixel middle and
// a 5-pixel tail of their own colours.
const int kStateWidth = 30, kStateHeight = 20, kStates = 3, kHead = 5, kTail = 5;
enum Part { HEAD, MIDDLE, TAIL };
ARGB StripColour(Part part, int nState) {
    return Argb(255, static_cast<BYTE>(40 + 80 * part), static_cast<BYTE>(40 + 80 * nState), 100);
}

// Nine-cell image: one state of 30 x 30 with 6-pixel corners and edges.
const int kNine = 30, kEdge = 6;
enum Cell { TL, TOP, TR, LEFT, CENTRE, RIGHT, BL, BOTTOM, BR };
ARGB NineColour(Cell cell) {
    static const ARGB colours[] = {Argb(255, 250, 0, 0), Argb(255, 100, 0, 0),  Argb(255, 0, 250, 0),
                                   Argb(255, 0, 0, 100), Argb(255, 50, 50, 50), Argb(255, 100, 100, 0),
                                   Argb(255, 0, 0, 250), Argb(255, 0, 100, 0),  Argb(255, 250, 250, 0)};
    return colours[cell];
}
Cell NineCellAt(int x, int y) {
    const int col = x < kEdge ? 0 : (x >= kNine - kEdge ? 2 : 1);
    const int row = y < kEdge ? 0 : (y >= kNine - kEdge ? 2 : 1);
    return static_cast<Cell>(row * 3 + col);
}

class SmartImage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(foundationtest::SaveImage(
            m_folder.Path(_T("strip.png")), kStateWidth * kStates, kStateHeight, [](int x, int y) {
                (void)y;
                const int s = x / kStateWidth, lx = x % kStateWidth;
                const Part part = lx < kHead ? HEAD : lx >= kStateWidth - kTail ? TAIL : MIDDLE;
                return StripColour(part, s);
            }));
        ASSERT_TRUE(foundationtest::SaveImage(
            m_folder.Path(_T("column.png")), kStateHeight, kStateWidth, [](int x, int y) {
                (void)x;
                const Part part = y < kHead ? HEAD : y >= kStateWidth - kTail ? TAIL : MIDDLE;
                return StripColour(part, 0);
            }));
        ASSERT_TRUE(foundationtest::SaveImage(m_folder.Path(_T("nine.png")), kNine, kNine,
                                              [](int x, int y) { return NineColour(NineCellAt(x, y)); }));
    }

    void LoadStrip(CQVSmartImage& image) {
        ASSERT_TRUE(image.SetImage(m_folder.Path(_T("strip.png"))));
        image.SetStateCount(kStates);
    }
    // The strip with its middle stretched between a head and a tail of the given widths.
    void LoadStretchedStrip(CQVSmartImage& image, int cxHead = kHead, int cxTail = kTail) {
        LoadStrip(image);
        image.Set3CellTileMode(TRUE);
        image.Set3CellHeadWidth(cxHead);
        image.Set3CellTailWidth(cxTail);
    }
    void LoadNine(CQVSmartImage& image) {
        ASSERT_TRUE(image.SetImage(m_folder.Path(_T("nine.png"))));
        image.SetDrawType(SIDT_9CELL);
        image.Parse9CellParams(_T("6,6,6,6,6,6,6,6"));
    }

    riztest::TempFolder m_folder;
};

// ---- Sizes and attributes ----

TEST_F(SmartImage, WithoutAnImageSizesAreZeroNothingIsDrawnAndTheDefaultsAreASingleThreeCellState) {
    CQVSmartImage image;
    EXPECT_EQ(CSize(0, 0), image.GetTotalImageSize());
    EXPECT_EQ(CSize(0, 0), image.GetSingleImageSize());
    EXPECT_EQ(nullptr, image.GetImage());
    EXPECT_FALSE(image.SetImage(m_folder.Path(_T("missing.png"))));
    ArgbCanvas canvas(50, 50);
    image.DrawImage(canvas.Graphics(), CRect(0, 0, 50, 50), 0);
    EXPECT_EQ(0, canvas.CountOpaque(0, 0, 50, 50));
    EXPECT_EQ(SIDT_3CELL, image.GetDrawType());
    EXPECT_EQ(1, image.GetStateCount());
    EXPECT_TRUE(image.IsHorzArrange());
    EXPECT_TRUE(image.Is3CellHorizontal());
    EXPECT_FALSE(image.Is3CellTileMode());
    EXPECT_EQ(0, image.Get3CellHeadWidth());
    EXPECT_EQ(0, image.Get3CellTailWidth());
    EXPECT_FALSE(image.IsDraw9CellCenter());
    // The state count never goes below one.
    image.SetStateCount(0);
    EXPECT_EQ(1, image.GetStateCount());
    image.SetStateCount(-4);
    EXPECT_EQ(1, image.GetStateCount());
}

TEST_F(SmartImage, StateSizesFollowTheArrangement) {
    CQVSmartImage image;
    LoadStrip(image);
    EXPECT_EQ(CSize(90, 20), image.GetTotalImageSize());
    EXPECT_EQ(CSize(30, 20), image.GetSingleImageSize());
    EXPECT_EQ(CRect(60, 0, 90, 20), image.GetSourceImageRect(2));
    image.SetHorzArrange(FALSE);
    EXPECT_EQ(CSize(90, 6), image.GetSingleImageSize());  // 20 / 3, integer division
    EXPECT_EQ(CRect(0, 12, 90, 18), image.GetSourceImageRect(2));
}

TEST_F(SmartImage, NineCellParamsAreParsedInTableOrder) {
    CQVSmartImage image;
    auto params = [&] {
        return std::vector<int>{image.Get9CellTopHeight(),       image.Get9CellTopLeftWidth(),
                                image.Get9CellTopRightWidth(),   image.Get9CellBottomHeight(),
                                image.Get9CellBottomLeftWidth(), image.Get9CellBottomRightWidth(),
                                image.Get9CellLeftWidth(),       image.Get9CellRightWidth()};
    };
    image.Parse9CellParams(_T("1,2,3,4,5,6,7,8"));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}), params());
    // An empty text changes nothing; a short one only its first values.
    image.Parse9CellParams(_T(""));
    image.Parse9CellParams(nullptr);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}), params());
    image.Parse9CellParams(_T("10,11"));
    EXPECT_EQ((std::vector<int>{10, 11, 3, 4, 5, 6, 7, 8}), params());
}

TEST_F(SmartImage, CopySharesTheImageAndCopiesEveryField) {
    CQVSmartImage image;
    LoadNine(image);
    image.SetStateCount(2);
    image.SetHorzArrange(FALSE);
    image.Set3CellTileMode(TRUE);
    image.Set3CellHeadWidth(4);
    image.SetDraw9CellCenter(TRUE);
    CQVSmartImage copy;
    copy = image;
    EXPECT_EQ(image.GetImage(), copy.GetImage());
    EXPECT_EQ(SIDT_9CELL, copy.GetDrawType());
    EXPECT_EQ(2, copy.GetStateCount());
    EXPECT_FALSE(copy.IsHorzArrange());
    EXPECT_TRUE(copy.Is3CellTileMode());
    EXPECT_EQ(4, copy.Get3CellHeadWidth());
    EXPECT_EQ(6, copy.Get9CellRightWidth());
    EXPECT_TRUE(copy.IsDraw9CellCenter());
    const CQVSmartImage constructed(image);
    EXPECT_EQ(image.GetImage(), constructed.GetImage());
}

// ---- Three cells ----

TEST_F(SmartImage, TileModeZeroDrawsTheStateAtItsOwnSizeWhateverTheDestination) {
    CQVSmartImage image;
    LoadStrip(image);
    ArgbCanvas canvas(200, 120);
    image.DrawImage(canvas.Graphics(), CRect(10, 10, 190, 110), 1);
    EXPECT_EQ("", canvas.WrongPixels({{10, 10, StripColour(HEAD, 1)}, {39, 29, StripColour(TAIL, 1)}}));
    EXPECT_EQ(kStateWidth * kStateHeight, canvas.CountOpaque(0, 0, 200, 120));
    // A smaller destination is overdrawn.
    ArgbCanvas small(60, 40);
    image.DrawImage(small.Graphics(), CRect(10, 10, 20, 15), 0);
    EXPECT_EQ(StripColour(TAIL, 0), small.Pixel(39, 29));
}

TEST_F(SmartImage, HorizontalThreeCellsStretchOnlyTheMiddle) {
    CQVSmartImage image;
    LoadStretchedStrip(image);
    ArgbCanvas canvas(130, 70);
    image.DrawImage(canvas.Graphics(), CRect(10, 10, 110, 60), 2);
    EXPECT_EQ("", canvas.WrongPixels({{10, 10, StripColour(HEAD, 2)}, {14, 29, StripColour(HEAD, 2)}}));
    EXPECT_EQ("", canvas.WrongPixels({{105, 10, StripColour(TAIL, 2)}, {109, 29, StripColour(TAIL, 2)}}));
    // The stretched middle keeps its colour to its very edges: no blending with the neighbouring cells
    // or with the transparent outside.
    int nBlended = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 15; x < 105; ++x)
            if (canvas.Pixel(x, y) != StripColour(MIDDLE, 2)) ++nBlended;
    EXPECT_EQ(0, nBlended);
    // The cells keep the image's height; the destination's height is not filled.
    EXPECT_EQ(100 * kStateHeight, canvas.CountOpaque(0, 0, 130, 70));
}

TEST_F(SmartImage, DestinationNarrowerThanHeadAndTailDrawsOnlyThem) {
    CQVSmartImage image;
    LoadStretchedStrip(image);
    ArgbCanvas canvas(40, 40);
    image.DrawImage(canvas.Graphics(), CRect(10, 10, 16, 30), 0);
    // Head at 10..14, tail at 11..15 over it; nothing mirrored or stretched outside.
    EXPECT_EQ("", canvas.WrongPixels({{10, 15, StripColour(HEAD, 0)}, {11, 15, StripColour(TAIL, 0)}}));
    EXPECT_EQ("", canvas.WrongPixels({{15, 15, StripColour(TAIL, 0)}}));
    EXPECT_EQ(6 * kStateHeight, canvas.CountOpaque(0, 0, 40, 40));
    EXPECT_EQ(6 * kStateHeight, canvas.CountOpaque(10, 10, 16, 30));
}

TEST_F(SmartImage, ImageNarrowerThanHeadAndTailSkipsTheMiddle) {
    CQVSmartImage image;
    LoadStretchedStrip(image, 20, 15);
    ArgbCanvas canvas(130, 40);
    image.DrawImage(canvas.Graphics(), CRect(10, 10, 110, 30), 0);
    // Head: state columns 0..19 at 10..29, 1:1; tail: state columns 15..29 at 95..109.
    EXPECT_EQ("", canvas.WrongPixels({{14, 12, StripColour(HEAD, 0)}, {29, 12, StripColour(MIDDLE, 0)}}));
    EXPECT_EQ("", canvas.WrongPixels({{95, 12, StripColour(MIDDLE, 0)}, {109, 12, StripColour(TAIL, 0)}}));
    EXPECT_EQ(0, canvas.CountOpaque(30, 0, 95, 40));
}

TEST_F(SmartImage, VerticalThreeCellsStretchDownwards) {
    CQVSmartImage image;
    ASSERT_TRUE(image.SetImage(m_folder.Path(_T("column.png"))));
    image.Set3CellTileMode(TRUE);
    image.Set3CellHorizontal(FALSE);
    image.Set3CellHeadWidth(kHead);
    image.Set3CellTailWidth(kTail);
    ArgbCanvas canvas(60, 120);
    image.DrawImage(canvas.Graphics(), CRect(0, 0, 50, 100), 0);
    EXPECT_EQ("", canvas.WrongPixels({{0, 0, StripColour(HEAD, 0)}, {19, 4, StripColour(HEAD, 0)}}));
    EXPECT_EQ("", canvas.WrongPixels({{0, 5, StripColour(MIDDLE, 0)}, {19, 94, StripColour(MIDDLE, 0)}}));
    EXPECT_EQ("", canvas.WrongPixels({{19, 95, StripColour(TAIL, 0)}, {0, 99, StripColour(TAIL, 0)}}));
    // The cells keep the image's width.
    EXPECT_EQ(kStateHeight * 100, canvas.CountOpaque(0, 0, 60, 120));
}

TEST_F(SmartImage, StretchedCellsCoverTheirWholeDestination) {
    // Positions and scales where a stretched cell's first row or column maps back to the very edge of
    // its source: every destination pixel is still drawn, in the middle's own colour.
    CQVSmartImage image;
    LoadStretchedStrip(image);
    for (int x : {0, 1, 3, 7, 13})
        for (int cx : {11, 31, 88, 100, 100 + x}) {
            ArgbCanvas canvas(160, 30);
            image.DrawImage(canvas.Graphics(), CRect(x, 0, x + kHead + cx + kTail, 20), 0);
            int nWrong = 0;
            for (int y = 0; y < 20; ++y)
                for (int i = 0; i < cx; ++i)
                    if (canvas.Pixel(x + kHead + i, y) != StripColour(MIDDLE, 0)) ++nWrong;
            EXPECT_EQ(0, nWrong) << "x " << x << " width " << cx;
        }
}

// ---- States, draw types, opacity ----

TEST_F(SmartImage, StateIndexOutOfRangeDrawsStateZero) {
    CQVSmartImage image;
    LoadStrip(image);
    ArgbCanvas canvas(100, 30);
    image.DrawImage(canvas.Graphics(), CRect(0, 0, 30, 20), kStates);
    image.DrawImage(canvas.Graphics(), CRect(30, 0, 60, 20), -1);
    image.DrawImage(canvas.Graphics(), CRect(60, 0, 90, 20), kStates - 1);
    EXPECT_EQ("", canvas.WrongPixels({{10, 10, StripColour(MIDDLE, 0)}, {40, 10, StripColour(MIDDLE, 0)}}));
    EXPECT_EQ("", canvas.WrongPixels({{70, 10, StripColour(MIDDLE, kStates - 1)}}));
}

TEST_F(SmartImage, PaveAndUnknownDrawTypesDrawNothing) {
    CQVSmartImage image;
    LoadStrip(image);
    ArgbCanvas canvas(100, 50);
    image.SetDrawType(SIDT_PAVE);
    image.DrawImage(canvas.Graphics(), CRect(0, 0, 100, 50), 0);
    image.SetDrawType(static_cast<SmartImageDrawType>(7));
    image.DrawImage(canvas.Graphics(), CRect(0, 0, 100, 50), 0);
    EXPECT_EQ(0, canvas.CountOpaque(0, 0, 100, 50));
}

TEST_F(SmartImage, HalfOpacityHalvesEveryPixelsAlpha) {
    CQVSmartImage image;
    LoadStretchedStrip(image);
    ArgbCanvas canvas(130, 30);
    image.DrawImage(canvas.Graphics(), CRect(0, 0, 120, 20), 0, 0.5f);
    int nWrong = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 120; ++x)
            if (std::abs(AlphaOf(canvas.Pixel(x, y)) - 128) > 1) ++nWrong;
    EXPECT_EQ(0, nWrong);
    // Colour is kept; only alpha changes.
    const ARGB middle = canvas.Pixel(60, 10);
    EXPECT_NEAR(static_cast<int>((StripColour(MIDDLE, 0) >> 8) & 0xFF),
                static_cast<int>((middle >> 8) & 0xFF), 2);
    // Zero opacity draws nothing, full opacity draws opaque.
    ArgbCanvas other(30, 20);
    image.DrawImage(other.Graphics(), CRect(0, 0, 30, 20), 0, 0.0f);
    EXPECT_EQ(0, other.CountOpaque(0, 0, 30, 20));
    image.DrawImage(other.Graphics(), CRect(0, 0, 30, 20), 0, 1.0f);
    EXPECT_EQ(255, AlphaOf(other.Pixel(15, 10)));
}

// ---- Nine cells ----

TEST_F(SmartImage, NineCellsKeepCornersStretchEdgesAndDrawTheCentreWhenAsked) {
    CQVSmartImage image;
    LoadNine(image);
    ArgbCanvas canvas(120, 100);
    const CRect rc(5, 5, 105, 85);
    image.DrawImage(canvas.Graphics(), rc, 0);
    EXPECT_EQ("", canvas.WrongPixels({{5, 5, NineColour(TL)}, {10, 10, NineColour(TL)}}));
    EXPECT_EQ("", canvas.WrongPixels({{99, 5, NineColour(TR)}, {104, 10, NineColour(TR)}}));
    EXPECT_EQ("", canvas.WrongPixels({{5, 79, NineColour(BL)}, {104, 84, NineColour(BR)}}));
    // Edges: stretched, their own colour up to the corners.
    for (int x = 11; x < 99; ++x) {
        ASSERT_EQ(NineColour(TOP), canvas.Pixel(x, 5)) << x;
        ASSERT_EQ(NineColour(TOP), canvas.Pixel(x, 10)) << x;
        ASSERT_EQ(NineColour(BOTTOM), canvas.Pixel(x, 79)) << x;
        ASSERT_EQ(NineColour(BOTTOM), canvas.Pixel(x, 84)) << x;
    }
    for (int y = 11; y < 79; ++y) {
        ASSERT_EQ(NineColour(LEFT), canvas.Pixel(5, y)) << y;
        ASSERT_EQ(NineColour(LEFT), canvas.Pixel(10, y)) << y;
        ASSERT_EQ(NineColour(RIGHT), canvas.Pixel(99, y)) << y;
        ASSERT_EQ(NineColour(RIGHT), canvas.Pixel(104, y)) << y;
    }
    // The centre stays empty unless asked for, and nothing lands outside the rectangle.
    EXPECT_EQ(0, canvas.CountOpaque(11, 11, 99, 79));
    EXPECT_EQ(100 * 80 - 88 * 68, canvas.CountOpaque(0, 0, 120, 100));
    image.SetDraw9CellCenter(TRUE);
    ArgbCanvas centred(120, 100);
    image.DrawImage(centred.Graphics(), rc, 0);
    EXPECT_EQ(
        "", centred.WrongPixels(
                {{11, 11, NineColour(CENTRE)}, {55, 45, NineColour(CENTRE)}, {98, 78, NineColour(CENTRE)}}));
    EXPECT_EQ(100 * 80, centred.CountOpaque(0, 0, 120, 100));
}

TEST_F(SmartImage, NineCellsInADestinationSmallerThanTheCorners) {
    CQVSmartImage image;
    LoadNine(image);
    image.SetDraw9CellCenter(TRUE);
    ArgbCanvas canvas(50, 50);
    image.DrawImage(canvas.Graphics(), CRect(20, 20, 28, 28), 0);
    // The corners overlap 1:1; no stretched piece has a size left, none is mirrored outside.
    EXPECT_EQ("", canvas.WrongPixels({{20, 20, NineColour(TL)}, {27, 20, NineColour(TR)}}));
    EXPECT_EQ("", canvas.WrongPixels({{20, 27, NineColour(BL)}, {27, 27, NineColour(BR)}}));
    EXPECT_EQ(64, canvas.CountOpaque(0, 0, 50, 50));
}

TEST_F(SmartImage, NineCellsAtHalfOpacity) {
    CQVSmartImage image;
    LoadNine(image);
    ArgbCanvas canvas(100, 80);
    image.DrawImage(canvas.Graphics(), CRect(0, 0, 100, 80), 0, 0.5f);
    for (const CPoint pt : {CPoint(0, 0), CPoint(50, 0), CPoint(99, 40), CPoint(0, 40), CPoint(50, 79)})
        EXPECT_NEAR(128, AlphaOf(canvas.Pixel(pt.x, pt.y)), 1) << pt.x << "," << pt.y;
    EXPECT_EQ(0, AlphaOf(canvas.Pixel(50, 40)));
}

// ---- Through a DC ----

TEST_F(SmartImage, DrawsThroughADeviceContext) {
    CQVSmartImage image;
    LoadNine(image);
    riztest::Surface surface(80, 60, RGB(255, 255, 255));
    image.DrawImage(CDC::FromHandle(surface.Dc()), CRect(10, 10, 70, 50), 0);
    EXPECT_EQ("", surface.WrongPixels({{10, 10, RGB(250, 0, 0)}, {40, 12, RGB(100, 0, 0)}}));
    EXPECT_EQ("", surface.WrongPixels({{40, 30, RGB(255, 255, 255)}, {9, 9, RGB(255, 255, 255)}}));
    image.DrawImage(static_cast<CDC*>(nullptr), CRect(10, 10, 70, 50), 0);
}

TEST_F(SmartImage, RepeatedDrawingLeavesNoGdiObjects) {
    CQVSmartImage image;
    LoadNine(image);
    image.SetDraw9CellCenter(TRUE);
    riztest::Surface surface(200, 100, RGB(255, 255, 255));
    image.DrawImage(CDC::FromHandle(surface.Dc()), CRect(0, 0, 200, 100), 0, 0.5f);
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 50; ++i)
        image.DrawImage(CDC::FromHandle(surface.Dc()), CRect(0, 0, 20 + 3 * i, 10 + 2 * i), 0, 0.5f);
    EXPECT_EQ(0, before.GdiDelta());
}

}  // namespace
