// CQVGdiplusImage: the formats GDI+ reads, rendering and fitting, and files that must not load; the
// encoders the tests write their files through.
#include <afxwin.h>

#include <gdiplus.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ImageTestUtil.h"
#include "PixelProbe.h"
#include "QVGdiplusImage.h"
#include "QVImageEncoder.h"
#include "ResourceCounter.h"

using namespace imgtest;

namespace {

// Saves a solid 12 x 10 image with a GDI+ encoder ("image/jpeg", "image/png"...).
bool SaveSolid(const CString& strPath, const WCHAR* pszMime, COLORREF clr) {
    CLSID clsid;
    if (!QVGetEncoderClsid(pszMime, &clsid)) return false;
    Gdiplus::Bitmap bitmap(12, 10, PixelFormat24bppRGB);
    Gdiplus::Graphics graphics(&bitmap);
    Gdiplus::SolidBrush brush(Gdiplus::Color(GetRValue(clr), GetGValue(clr), GetBValue(clr)));
    graphics.FillRectangle(&brush, 0, 0, 12, 10);
    CStringW strWide(strPath);
    return bitmap.Save(strWide, &clsid, nullptr) == Gdiplus::Ok;
}

}  // namespace

TEST(QVGetEncoderClsid, EachFormatHasAnEncoderOfItsOwnAndUnknownTypesFindNothing) {
    ASSERT_TRUE(CQVGdiplusImage::EnsureGdiplus());
    CLSID png = {}, bmp = {};
    ASSERT_TRUE(QVGetEncoderClsid(L"image/png", &png));
    ASSERT_TRUE(QVGetEncoderClsid(L"image/bmp", &bmp));
    EXPECT_FALSE(::IsEqualCLSID(png, bmp));
    EXPECT_FALSE(QVGetEncoderClsid(L"image/none", &png));
    EXPECT_FALSE(QVGetEncoderClsid(nullptr, &png));
    EXPECT_FALSE(QVGetEncoderClsid(L"image/png", nullptr));
}

TEST(CQVGdiplusImageLoad, ReadsPngBmpGifAndIcon) {
    CQVGdiplusImage image;
    EXPECT_FALSE(image.IsLoaded());
    EXPECT_EQ(CSize(0, 0), image.GetImageSize());
    const std::pair<LPCTSTR, CSize> files[] = {{_T("alpha.png"), CSize(4, 2)},
                                               {_T("frames4.bmp"), CSize(16, 4)},
                                               {_T("anim3.gif"), CSize(8, 8)},
                                               {_T("icon.ico"), CSize(16, 16)}};
    for (const auto& file : files) {
        ASSERT_TRUE(image.Load(ImagePath(file.first))) << file.first;
        EXPECT_TRUE(image);
        EXPECT_EQ(file.second, image.GetImageSize()) << file.first;
        EXPECT_NE(nullptr, image.GetImage());
    }
}

// A picture decoded once is not decoded again while its file stays the same, but every load shows the
// file as it is now, as an image of its own; an animation keeps its frames on every load.
TEST(CQVGdiplusImageLoad, EveryLoadShowsTheFileAsItIsNowAndAnimationsKeepTheirFrames) {
    riztest::TempFolder temp;
    const CString strFile = temp.Path(_T("face.png"));
    enum Action { Keep, Write, Damage, Remove };
    const struct {
        const char* pszStep;
        Action action;
        COLORREF clrWritten;
        bool bLoads;
    } steps[] = {
        {"first load", Write, kRed, true},     {"the same file again", Keep, kRed, true},
        {"rewritten", Write, kGreen, true},    {"damaged", Damage, 0, false},
        {"written again", Write, kBlue, true}, {"removed", Remove, 0, false},
    };
    std::vector<CQVGdiplusImage> loads;  // all kept, so that each load's image is seen to be its own
    int nShift = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszStep);
        if (step.action == Damage) {
            ASSERT_TRUE(temp.WriteFile(_T("face.png"), std::vector<BYTE>(300, 0x5A)));
        } else if (step.action == Remove) {
            ASSERT_TRUE(::DeleteFile(strFile));
        } else if (step.action == Write) {
            ASSERT_TRUE(SaveSolid(strFile, L"image/png", step.clrWritten));
        }
        if (step.action == Write || step.action == Damage) {
            ASSERT_TRUE(ShiftWriteTime(strFile, nShift += 60));
        }
        CQVGdiplusImage image;
        // A load of the unchanged file does not read it: it succeeds while nobody may read the file.
        const HANDLE hHeld = step.action == Keep
                                 ? ::CreateFile(strFile, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL)
                                 : INVALID_HANDLE_VALUE;
        const BOOL bLoaded = image.Load(strFile);
        if (hHeld != INVALID_HANDLE_VALUE) ::CloseHandle(hHeld);
        ASSERT_EQ(step.bLoads, bLoaded != FALSE);
        if (!step.bLoads) continue;
        EXPECT_EQ(CSize(12, 10), image.GetImageSize());
        riztest::Surface surface(12, 10);
        EXPECT_TRUE(image.Render(CDC::FromHandle(surface.Dc()), CRect(0, 0, 12, 10)));
        EXPECT_EQ("", surface.WrongPixels({{6, 5, step.clrWritten}}));
        for (const CQVGdiplusImage& earlier : loads) {
            EXPECT_NE(earlier.GetImage(), image.GetImage());
            EXPECT_EQ(earlier.GetImage()->GetHorizontalResolution(),
                      image.GetImage()->GetHorizontalResolution());
        }
        loads.push_back(image);
    }
    for (int i = 0; i < 2; ++i) {
        CQVGdiplusImage anim;
        ASSERT_TRUE(anim.Load(ImagePath(_T("anim3.gif"))));
        GUID time = Gdiplus::FrameDimensionTime;
        EXPECT_EQ(3u, anim.GetImage()->GetFrameCount(&time)) << "load " << i;
    }
}

TEST(CQVGdiplusImageLoad, ReadsJpegWrittenByTheEncoder) {
    ASSERT_TRUE(CQVGdiplusImage::EnsureGdiplus());
    riztest::TempFolder temp;
    ASSERT_TRUE(SaveSolid(temp.Path(_T("photo.jpg")), L"image/jpeg", RGB(200, 40, 40)));
    CQVGdiplusImage image;
    ASSERT_TRUE(image.Load(temp.Path(_T("photo.jpg"))));
    EXPECT_EQ(CSize(12, 10), image.GetImageSize());
    riztest::Surface s(12, 10, kWhite);
    CAttachedDC dc(s.Dc());
    ASSERT_TRUE(image.Render(&dc, CRect(0, 0, 12, 10)));
    EXPECT_TRUE(riztest::ColorNear(RGB(200, 40, 40), s.Pixel(6, 5), 12));
}

TEST(CQVGdiplusImageLoad, BadFilesFailAndLeaveNoImage) {
    const LPCTSTR files[] = {_T("empty.bmp"),   _T("truncated.bmp"), _T("header-only.bmp"), _T("garbage.bmp"),
                             _T("garbage.png"), _T("huge.png"),      _T("truncated.png"),   _T("huge.gif"),
                             _T("huge.jpg"),    _T("text.png"),      _T("missing.png"),     _T("")};
    CQVGdiplusImage image;
    for (LPCTSTR name : files) {
        ASSERT_TRUE(image.Load(ImagePath(_T("alpha.png"))));
        EXPECT_FALSE(image.Load(ImagePath(name))) << (LPCTSTR)ImagePath(name);
        EXPECT_FALSE(image.IsLoaded());
        EXPECT_EQ(nullptr, image.GetImage());
        EXPECT_EQ(CSize(0, 0), image.GetImageSize());
    }
    EXPECT_FALSE(image.Load(nullptr));
}

TEST(CQVGdiplusImageRender, StretchesIntoTheRectangle) {
    CQVGdiplusImage image;
    ASSERT_TRUE(image.Load(ImagePath(_T("frames4.bmp"))));  // red, green, blue, magenta quarters
    riztest::Surface s(50, 20, kWhite);
    CAttachedDC dc(s.Dc());
    ASSERT_TRUE(image.Render(&dc, CRect(5, 2, 37, 10)));  // twice the size
    EXPECT_EQ("", s.WrongPixels({{6, 5, kRed}, {16, 5, kGreen}, {35, 9, kMagenta}}, 20));
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 5, 20), kWhite, 0));
    EXPECT_FALSE(s.HasOtherThan(CRect(37, 0, 50, 20), kWhite, 0));
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 10, 50, 20), kWhite, 0));
}

TEST(CQVGdiplusImageRender, PngAlphaBlendsOverTheTarget) {
    CQVGdiplusImage image;
    ASSERT_TRUE(image.Load(ImagePath(_T("alpha.png"))));
    riztest::Surface s(4, 2, kBlack);
    CAttachedDC dc(s.Dc());
    ASSERT_TRUE(image.Render(&dc, CRect(0, 0, 4, 2)));
    EXPECT_EQ(kRed, s.Pixel(0, 0));
    EXPECT_TRUE(riztest::ColorNear(RGB(0, 128, 0), s.Pixel(1, 0), 3));  // half-transparent green
    EXPECT_EQ(kBlack, s.Pixel(2, 0));                                   // fully transparent
}

TEST(CQVGdiplusImageRender, FixRenderKeepsSmallImagesAtTheirSizeAndShrinksLargeOnes) {
    CQVGdiplusImage image;
    ASSERT_TRUE(image.Load(ImagePath(_T("frames4.bmp"))));  // 16 x 4
    EXPECT_EQ(CRect(12, 8, 28, 12), image.GetFixRenderRect(CRect(10, 0, 30, 20)));
    EXPECT_EQ(CRect(0, 0, 16, 4), image.GetFixRenderRect(CRect(0, 0, 16, 4)));
    // Too wide: full width, height in proportion, centred vertically.
    EXPECT_EQ(CRect(0, 9, 8, 11), image.GetFixRenderRect(CRect(0, 0, 8, 20)));
    // Too high: full height, width in proportion, centred horizontally.
    EXPECT_EQ(CRect(46, 0, 54, 2), image.GetFixRenderRect(CRect(0, 0, 100, 2)));
    // Never scaled up.
    EXPECT_EQ(CRect(42, 2, 58, 6), image.GetFixRenderRect(CRect(0, 0, 100, 8)));
    EXPECT_EQ(CRect(0, 0, 8, 2), image.GetFixRenderRect(CRect(0, 0, 8, 2)));
    EXPECT_TRUE(image.GetFixRenderRect(CRect(5, 5, 5, 9)).IsRectEmpty());

    riztest::Surface s(40, 20, kWhite);
    CAttachedDC dc(s.Dc());
    ASSERT_TRUE(image.FixRender(&dc, CRect(0, 0, 40, 20)));
    EXPECT_EQ("", s.WrongPixels({{12, 8, kRed}, {27, 11, kMagenta}, {11, 8, kWhite}, {12, 12, kWhite}}));
}

TEST(CQVGdiplusImageRender, NothingToDrawAnswersFalse) {
    CQVGdiplusImage image;
    riztest::Surface s(10, 10, kWhite);
    CAttachedDC dc(s.Dc());
    EXPECT_FALSE(image.Render(&dc, CRect(0, 0, 10, 10)));
    EXPECT_FALSE(image.FixRender(&dc, CRect(0, 0, 10, 10)));
    ASSERT_TRUE(image.Load(ImagePath(_T("alpha.png"))));
    EXPECT_FALSE(image.Render(&dc, CRect(0, 0, 0, 10)));
    EXPECT_FALSE(image.Render(static_cast<CDC*>(nullptr), CRect(0, 0, 10, 10)));
    EXPECT_FALSE(image.Render(static_cast<Gdiplus::Graphics*>(nullptr), CRect(0, 0, 10, 10)));
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 10, 10), kWhite, 0));
}

TEST(CQVGdiplusImageRender, RendersThroughACallersGraphics) {
    CQVGdiplusImage image;
    ASSERT_TRUE(image.Load(ImagePath(_T("icon.ico"))));
    riztest::Surface s(20, 20, kWhite);
    {
        Gdiplus::Graphics graphics(s.Dc());
        ASSERT_TRUE(image.Render(&graphics, CRect(2, 2, 18, 18)));
    }
    EXPECT_EQ("", s.WrongPixels({{10, 10, kBlue}, {1, 1, kWhite}}));
}

TEST(CQVGdiplusImageShare, CopiesShareTheImageAndUnloadOnlyDropsOne) {
    CQVGdiplusImage image;
    ASSERT_TRUE(image.Load(ImagePath(_T("alpha.png"))));
    CQVGdiplusImage copy(image);
    EXPECT_EQ(image.GetImage(), copy.GetImage());
    image.Unload();
    EXPECT_FALSE(image.IsLoaded());
    ASSERT_TRUE(copy.IsLoaded());
    EXPECT_EQ(CSize(4, 2), copy.GetImageSize());
    image = copy;
    EXPECT_EQ(copy.GetImage(), image.GetImage());
}

TEST(CQVGdiplusImageShare, LoadAndRenderLoopsLeakNoGdiObjects) {
    riztest::Surface s(30, 30, kWhite);
    CAttachedDC dc(s.Dc());
    {
        CQVGdiplusImage warm;
        warm.Load(ImagePath(_T("alpha.png")));
        warm.Render(&dc, CRect(0, 0, 30, 30));
    }
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 30; ++i) {
        CQVGdiplusImage image;
        image.Load(ImagePath(i % 2 ? _T("anim3.gif") : _T("frames4.bmp")));
        image.Render(&dc, CRect(0, 0, 30, 30));
        image.FixRender(&dc, CRect(0, 0, 7, 30));
        image.Load(ImagePath(_T("garbage.png")));
    }
    EXPECT_EQ(0, before.GdiDelta());
}

TEST(CQVGdiplusImageShare, TheLiveImageCountFollowsLoadsCopiesAndUnloads) {
    const int nBefore = CQVGdiplusImage::GetLiveImageCount();
    {
        CQVGdiplusImage png, bmp;
        ASSERT_TRUE(png.Load(ImagePath(_T("alpha.png"))));
        ASSERT_TRUE(bmp.Load(ImagePath(_T("frames4.bmp"))));
        CQVGdiplusImage copy(png);
        EXPECT_EQ(nBefore + 2, CQVGdiplusImage::GetLiveImageCount()) << "a copy shares its image";
        EXPECT_FALSE(bmp.Load(ImagePath(_T("garbage.png"))));
        EXPECT_EQ(nBefore + 1, CQVGdiplusImage::GetLiveImageCount()) << "a failed load drops the old image";
        png.Unload();
        EXPECT_EQ(nBefore + 1, CQVGdiplusImage::GetLiveImageCount()) << "the copy still holds it";
    }
    EXPECT_EQ(nBefore, CQVGdiplusImage::GetLiveImageCount());
}
