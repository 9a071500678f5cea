// QVGetEncoderClsid: the GDI+ encoder of a format found by its MIME type, and the PNG one.
#include <afxwin.h>

#include <gdiplus.h>

#include <gtest/gtest.h>

#include "QVGdiplusImage.h"
#include "QVImageEncoder.h"
#include "TestData.h"

TEST(QVGetEncoderClsid, FindsThePngEncoderThatWritesALoadablePng) {
    ASSERT_TRUE(CQVGdiplusImage::EnsureGdiplus());
    CLSID clsid = {};
    ASSERT_TRUE(QVGetPngEncoderClsid(&clsid));
    CLSID clsidByType = {};
    ASSERT_TRUE(QVGetEncoderClsid(L"image/png", &clsidByType));
    EXPECT_TRUE(::IsEqualCLSID(clsid, clsidByType));

    riztest::TempFolder temp;
    const CString strPath = temp.Path(_T("dot.png"));
    Gdiplus::Bitmap bitmap(3, 2, PixelFormat32bppARGB);
    bitmap.SetPixel(1, 1, Gdiplus::Color(255, 10, 20, 30));
    ASSERT_EQ(Gdiplus::Ok, bitmap.Save(CStringW(strPath), &clsid, nullptr));
    CQVGdiplusImage image;
    ASSERT_TRUE(image.Load(strPath));
    EXPECT_EQ(CSize(3, 2), image.GetImageSize());
}

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
