// Image lists: lifetime and handle map, adding strips with masks, drawing them transparently.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include "FrameworkHost.h"
#include "PixelProbe.h"
#include "ResourceCounter.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlue = RGB(30, 40, 210);
const COLORREF kRed = RGB(220, 20, 20);
const COLORREF kYellow = RGB(250, 230, 10);
const COLORREF kGreen = RGB(20, 200, 40);

using riztest::FreeTemporaries;

// A 32-bit bitmap of cx × cy in colour fill, with a square of colour inner at (4, 4)-(12, 12) of every
// 16-pixel-wide image. It is not selected anywhere, as image lists require.
void MakeStrip(CBitmap& bitmap, int cx, int cy, COLORREF fill, COLORREF inner) {
    riztest::Surface screenLike(1, 1);
    CDC* pRef = CDC::FromHandle(screenLike.Dc());
    CDC mem;
    mem.CreateCompatibleDC(pRef);
    bitmap.CreateCompatibleBitmap(pRef, cx, cy);
    CBitmap* pOld = mem.SelectObject(&bitmap);
    mem.FillSolidRect(0, 0, cx, cy, fill);
    for (int x = 0; x + 16 <= cx; x += 16)
        mem.FillSolidRect(x + 4, 4, 8, 8, inner);
    mem.SelectObject(pOld);
}

}  // namespace

// ---- Lifetime and handle map ----

TEST(CImageListLifetime, CreateAddCopyAndDestroyReleaseEverything) {
    CBitmap strip;
    MakeStrip(strip, 32, 16, kMagenta, kBlue);
    HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    {
        CImageList warmUp;
        warmUp.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
        warmUp.Add(hIcon);
    }
    FreeTemporaries();
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 30; ++i) {
        CImageList list;
        ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4));
        EXPECT_EQ(list.Add(&strip, kMagenta), 0);
        EXPECT_EQ(list.Add(hIcon), 2);
        CImageList copy;
        ASSERT_TRUE(copy.Create(&list));
        EXPECT_EQ(copy.GetImageCount(), 3);
        CImageList merged;
        ASSERT_TRUE(merged.Create(list, 0, copy, 1, 2, 2));
        HICON hExtracted = list.ExtractIcon(1);
        EXPECT_NE(hExtracted, nullptr);
        ::DestroyIcon(hExtracted);
        if (i % 2) {
            EXPECT_TRUE(list.DeleteImageList());
            EXPECT_FALSE(list.DeleteImageList());
        }
    }
    FreeTemporaries();
    EXPECT_EQ(before.GdiDelta(), 0);
}

TEST(CImageListLifetime, MissingBitmapResourceLeavesNoList) {
    riztest::ResourceSnapshot before;
    CImageList list;
    EXPECT_FALSE(list.Create(4711, 16, 1, kMagenta));
    EXPECT_EQ(list.GetSafeHandle(), nullptr);
    EXPECT_EQ(before.GdiDelta(), 0);
}

// ---- Contents and drawing ----

// A strip is split into images of the list's width, with a mask from its key colour; the pixels show that
// the mask and background colours, the two images of a merge and the part and place of an indirect draw
// arrive where they belong.
TEST(CImageListDraw, StripsSplitAndMaskBackgroundMergeAndPartDrawWhereTheirArgumentsSay) {
    CBitmap strip, redStrip, wide;
    MakeStrip(strip, 16, 16, kMagenta, kBlue);
    MakeStrip(wide, 48, 16, kMagenta, kBlue);
    MakeStrip(redStrip, 16, 16, kRed, kRed);
    CImageList list, under, merged, part;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1));
    ASSERT_TRUE(under.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1));
    ASSERT_TRUE(part.Create(16, 16, ILC_COLOR32, 1, 1));
    ASSERT_EQ(list.Add(&strip, kMagenta), 0);
    ASSERT_EQ(under.Add(&redStrip, kMagenta), 0);
    ASSERT_EQ(part.Add(&strip, static_cast<CBitmap*>(nullptr)), 0);
    ASSERT_EQ(under.Add(&wide, kMagenta), 1);
    EXPECT_EQ(under.GetImageCount(), 4);
    ASSERT_TRUE(merged.Create(under, 0, list, 0, 0, 0));
    EXPECT_EQ(merged.GetImageCount(), 1);

    riztest::Surface s(80, 20, kYellow);
    CDC* pDC = CDC::FromHandle(s.Dc());
    EXPECT_TRUE(list.Draw(pDC, 0, CPoint(2, 2), ILD_TRANSPARENT));
    EXPECT_EQ(s.Pixel(3, 3), kYellow);  // the magenta background is transparent
    EXPECT_EQ(s.Pixel(10, 10), kBlue);
    EXPECT_EQ(s.CountNear(CRect(0, 0, 20, 20), kBlue, 0), 64);
    EXPECT_EQ(s.CountNear(CRect(0, 0, 80, 20), kMagenta, 0), 0);
    // With a background colour, the masked area is filled with it in ILD_NORMAL.
    EXPECT_EQ(list.SetBkColor(kGreen), CLR_NONE);
    EXPECT_EQ(list.GetBkColor(), kGreen);
    EXPECT_TRUE(list.Draw(pDC, 0, CPoint(20, 2), ILD_NORMAL));
    EXPECT_EQ(s.Pixel(21, 3), kGreen);
    EXPECT_EQ(s.Pixel(30, 10), kBlue);
    EXPECT_TRUE(merged.Draw(pDC, 0, CPoint(40, 2), ILD_TRANSPARENT));
    EXPECT_EQ(s.Pixel(41, 3), kRed);
    EXPECT_EQ(s.Pixel(48, 10), kBlue);
    // The 8x8 part from (4, 4) of the image at (61, 1): the blue square alone.
    EXPECT_TRUE(part.DrawIndirect(pDC, 0, CPoint(61, 1), CSize(8, 8), CPoint(4, 4)));
    EXPECT_EQ(s.CountNear(CRect(60, 0, 80, 20), kBlue, 0), 64);
    EXPECT_EQ(s.Pixel(61, 1), kBlue);
    EXPECT_EQ(s.Pixel(69, 9), kYellow);
    FreeTemporaries();
}
