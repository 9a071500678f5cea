// The smart image: states, three and nine cells, opacity, read back through a 32-bit ARGB GDI+ bitmap.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "QVGdiplusImage.h"
#include "QVSmartImage.h"
#include "ResourceCounter.h"
#include "TestData.h"

#include <gdiplus.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Gdiplus::ARGB;

ARGB Argb(BYTE a, BYTE r, BYTE g, BYTE b) {
    return (static_cast<ARGB>(a) << 24) | (static_cast<ARGB>(r) << 16) | (static_cast<ARGB>(g) << 8) | b;
}
BYTE AlphaOf(ARGB v) {
    return static_cast<BYTE>(v >> 24);
}

// A transparent 32-bit ARGB target with a graphics drawing into it; pixels are read as 0xAARRGGBB after
// a flush.
class ArgbCanvas {
public:
    ArgbCanvas(int cx, int cy)
        : m_bitmap((CQVGdiplusImage::EnsureGdiplus(),
                    std::make_unique<Gdiplus::Bitmap>(cx, cy, PixelFormat32bppARGB))),
          m_graphics(std::make_unique<Gdiplus::Graphics>(m_bitmap.get())) {
        m_graphics->Clear(Gdiplus::Color(0, 0, 0, 0));
    }
    Gdiplus::Graphics* Graphics() { return m_graphics.get(); }
    ARGB Pixel(int x, int y) {
        m_graphics->Flush(Gdiplus::FlushIntentionSync);
        Gdiplus::Color c;
        m_bitmap->GetPixel(x, y, &c);
        return c.GetValue();
    }
    // The pixels of a table (x, y, 0xAARRGGBB) the canvas does not hold, as " x,y"; empty when all match.
    struct Expected {
        int x, y;
        ARGB argb;
    };
    std::string WrongPixels(const std::vector<Expected>& pixels) {
        std::string strWrong;
        for (const Expected& p : pixels)
            if (Pixel(p.x, p.y) != p.argb) strWrong += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        return strWrong;
    }
    // Number of pixels in [x0, x1) x [y0, y1) whose alpha is not 0.
    int CountOpaque(int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += AlphaOf(Pixel(x, y)) != 0;
        return n;
    }

private:
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
    std::unique_ptr<Gdiplus::Graphics> m_graphics;
};

// An opaque image file of cx x cy whose pixels are given by colour(x, y) (0xFFRRGGBB).
bool SaveImage(const riztest::TempFolder& folder, LPCTSTR lpszName, int cx, int cy,
               const std::function<ARGB(int x, int y)>& colour) {
    return folder.WriteFile(lpszName, riztest::Bmp24(cx, cy, [&](int x, int y) {
                                const ARGB v = colour(x, y);
                                return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
                            }));
}

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
        ASSERT_TRUE(SaveImage(m_folder, _T("strip.bmp"), kStateWidth * kStates, kStateHeight, [](int x, int) {
            const int s = x / kStateWidth, lx = x % kStateWidth;
            const Part part = lx < kHead ? HEAD : lx >= kStateWidth - kTail ? TAIL : MIDDLE;
            return StripColour(part, s);
        }));
        ASSERT_TRUE(SaveImage(m_folder, _T("column.bmp"), kStateHeight, kStateWidth, [](int, int y) {
            const Part part = y < kHead ? HEAD : y >= kStateWidth - kTail ? TAIL : MIDDLE;
            return StripColour(part, 0);
        }));
        ASSERT_TRUE(SaveImage(m_folder, _T("nine.bmp"), kNine, kNine,
                              [](int x, int y) { return NineColour(NineCellAt(x, y)); }));
    }

    void LoadStrip(CQVSmartImage& image) {
        ASSERT_TRUE(image.SetImage(m_folder.Path(_T("strip.bmp"))));
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
        ASSERT_TRUE(image.SetImage(m_folder.Path(_T("nine.bmp"))));
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
    EXPECT_FALSE(image.SetImage(m_folder.Path(_T("missing.bmp"))));
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

// Each row draws one state of the strip into a rectangle of a transparent canvas and checks probes, a
// rectangle of one colour (no blending at the cells' edges), and the opaque pixels of an area.
TEST_F(SmartImage, ThreeCellsKeepHeadAndTailAndStretchTheMiddleInTheirDirection) {
    const ARGB H0 = StripColour(HEAD, 0), M0 = StripColour(MIDDLE, 0), T0 = StripColour(TAIL, 0);
    const ARGB H2 = StripColour(HEAD, 2), T2 = StripColour(TAIL, 2);
    auto plain = [this](CQVSmartImage& image) { LoadStrip(image); };
    auto stretched = [this](CQVSmartImage& image) { LoadStretchedStrip(image); };
    const struct {
        const char* what;
        std::function<void(CQVSmartImage&)> load;
        CSize canvas;
        CRect rc;
        int nState;
        std::vector<ArgbCanvas::Expected> probes;
        CRect rcSolid;  // holds only the middle of the row's state
        CRect rcCount;  // of nOpaque opaque pixels
        int nOpaque;
    } rows[] = {
        // clang-format off
        {"tile mode 0: the state at its own size", plain, {200, 120}, {10, 10, 190, 110}, 1,
         {{10, 10, StripColour(HEAD, 1)}, {39, 29, StripColour(TAIL, 1)}}, {}, {0, 0, 200, 120}, 30 * 20},
        {"tile mode 0 overdraws a smaller destination", plain, {60, 40}, {10, 10, 20, 15}, 0, {{39, 29, T0}},
          {},
         {}, 0},
        {"a state past the last draws state 0", plain, {100, 30}, {0, 0, 30, 20}, kStates, {{10, 10, M0}},
          {}, {}, 0},
        {"a state before the first draws state 0", plain, {100, 30}, {0, 0, 30, 20}, -1, {{10, 10, M0}}, {},
          {}, 0},
        {"the last state", plain, {100, 30}, {0, 0, 30, 20}, kStates - 1, {{10, 10, StripColour(MIDDLE,
          kStates - 1)}},
         {}, {}, 0},
        {"horizontal cells keep the image's height", stretched, {130, 70}, {10, 10, 110, 60}, 2,
         {{10, 10, H2}, {14, 29, H2}, {105, 10, T2}, {109, 29, T2}}, {15, 10, 105, 30}, {0, 0, 130, 70},
           100 * 20},
        {"a destination narrower than head and tail: the tail over the head", stretched, {40, 40}, {10, 10,
          16, 30},
         0, {{10, 15, H0}, {11, 15, T0}, {15, 15, T0}}, {}, {0, 0, 40, 40}, 6 * 20},
        {"an image narrower than head and tail skips the middle",
         [this](CQVSmartImage& image) { LoadStretchedStrip(image, 20, 15); }, {130, 40}, {10, 10, 110, 30}, 0,
         {{14, 12, H0}, {29, 12, M0}, {95, 12, M0}, {109, 12, T0}}, {}, {30, 0, 95, 40}, 0},
        {"vertical cells stretch downwards and keep the image's width", [this](CQVSmartImage& image) {
             ASSERT_TRUE(image.SetImage(m_folder.Path(_T("column.bmp"))));
             image.Set3CellTileMode(TRUE);
             image.Set3CellHorizontal(FALSE);
             image.Set3CellHeadWidth(kHead);
             image.Set3CellTailWidth(kTail); }, {60, 120}, {0, 0, 50, 100}, 0,
         {{0, 0, H0}, {19, 4, H0}, {0, 5, M0}, {19, 94, M0}, {19, 95, T0}, {0, 99, T0}}, {}, {0, 0, 60, 120},
           20 * 100},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        CQVSmartImage image;
        r.load(image);
        ArgbCanvas canvas(r.canvas.cx, r.canvas.cy);
        image.DrawImage(canvas.Graphics(), r.rc, r.nState);
        EXPECT_EQ("", canvas.WrongPixels(r.probes));
        int nBlended = 0;
        for (int y = r.rcSolid.top; y < r.rcSolid.bottom; ++y)
            for (int x = r.rcSolid.left; x < r.rcSolid.right; ++x)
                nBlended += canvas.Pixel(x, y) != StripColour(MIDDLE, r.nState);
        EXPECT_EQ(0, nBlended);
        if (!r.rcCount.IsRectEmpty()) {
            EXPECT_EQ(r.nOpaque,
                      canvas.CountOpaque(r.rcCount.left, r.rcCount.top, r.rcCount.right, r.rcCount.bottom));
        }
    }
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
