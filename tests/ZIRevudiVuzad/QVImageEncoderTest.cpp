// QVGetEncoderClsid: the GDI+ encoder of a format found by its MIME type (the image tests write their
// files through it).
#include <afxwin.h>

#include <gdiplus.h>

#include <gtest/gtest.h>

#include "QVGdiplusImage.h"
#include "QVImageEncoder.h"

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
