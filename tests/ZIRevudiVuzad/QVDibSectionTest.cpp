// QVCreateDib32: the one 32-bit top-down DIB section the surfaces, images, tests and pages make.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVDibSection.h"

TEST(QVCreateDib32, MakesA32BitSectionOfTheAskedSize) {
    void* pBits = nullptr;
    HBITMAP hBitmap = QVCreateDib32(5, 3, &pBits);
    ASSERT_NE(nullptr, hBitmap);
    EXPECT_NE(nullptr, pBits);
    DIBSECTION ds = {};
    ASSERT_EQ(int(sizeof(ds)), ::GetObject(hBitmap, sizeof(ds), &ds));
    EXPECT_EQ(5, ds.dsBm.bmWidth);
    EXPECT_EQ(3, ds.dsBm.bmHeight);
    EXPECT_EQ(32, ds.dsBm.bmBitsPixel);
    EXPECT_EQ(DWORD(BI_RGB), ds.dsBmih.biCompression);
    EXPECT_EQ(pBits, ds.dsBm.bmBits);
    // Rows run from the top in blue-green-red order: every riztest::Surface reads its pixels so.
    ::DeleteObject(hBitmap);
}

TEST(QVCreateDib32, RefusedSizesGiveNoBitmapAndNoPixels) {
    void* pBits = reinterpret_cast<void*>(1);
    EXPECT_EQ(nullptr, QVCreateDib32(0, 10, &pBits));
    EXPECT_EQ(nullptr, pBits);
    EXPECT_EQ(nullptr, QVCreateDib32(-4, 10));
}
