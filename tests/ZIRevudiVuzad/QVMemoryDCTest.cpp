// CQVMemoryDC and CQVMemDC: surfaces of the asked size, resizing, the copy back to the target.
#include <afxwin.h>

#include <thread>

#include <gtest/gtest.h>

#include <algorithm>

#include "ImageTestUtil.h"
#include "PixelProbe.h"
#include "QVDibSection.h"
#include "QVMemDC.h"
#include "QVMemoryDC.h"
#include "ResourceCounter.h"

using namespace imgtest;

namespace {

// The colour at (x, y) of a memory DC's surface, read through a copy into a probe surface.
COLORREF SurfacePixel(CDC& dc, int x, int y) {
    riztest::Surface probe(1, 1, kBlack);
    ::BitBlt(probe.Dc(), 0, 0, 1, 1, dc.GetSafeHdc(), x, y, SRCCOPY);
    return probe.Pixel(0, 0);
}

}  // namespace

TEST(CQVMemoryDC, CreateMakesA32BitSurfaceOfTheAskedSize) {
    CQVMemoryDC dc;
    ASSERT_TRUE(dc.Create(30, 20));
    EXPECT_EQ(CSize(30, 20), dc.GetSize());
    ASSERT_NE(nullptr, dc.GetHDC());
    EXPECT_EQ(dc.GetSafeHdc(), dc.GetHDC());
    BITMAP bm = {};
    ASSERT_EQ(int(sizeof(bm)), ::GetObject(dc.GetHBitmap(), sizeof(bm), &bm));
    EXPECT_EQ(30, bm.bmWidth);
    EXPECT_EQ(20, bm.bmHeight);
    EXPECT_EQ(32, bm.bmBitsPixel);
    EXPECT_EQ(dc.GetHBitmap(), ::GetCurrentObject(dc.GetHDC(), OBJ_BITMAP));
    dc.FillSolidRect(CRect(5, 5, 10, 10), kBlue);
    EXPECT_EQ(kBlue, SurfacePixel(dc, 9, 9));
    EXPECT_NE(kBlue, SurfacePixel(dc, 10, 10));
}

TEST(CQVMemoryDC, NonPositiveSizesMakeAUsableOnePixelSurface) {
    for (CSize size : {CSize(0, 0), CSize(-5, 10), CSize(10, -1)}) {
        CQVMemoryDC dc;
        ASSERT_TRUE(dc.Create(size.cx, size.cy));
        EXPECT_EQ(std::max<LONG>(size.cx, 1), dc.GetSize().cx);
        EXPECT_EQ(std::max<LONG>(size.cy, 1), dc.GetSize().cy);
        dc.FillSolidRect(CRect(0, 0, 1, 1), kRed);
        EXPECT_EQ(kRed, SurfacePixel(dc, 0, 0));
    }
    // The section the surfaces are made of refuses such sizes and gives no pixels.
    void* pBits = reinterpret_cast<void*>(1);
    EXPECT_EQ(nullptr, QVCreateDib32(0, 10, &pBits));
    EXPECT_EQ(nullptr, pBits);
}

TEST(CQVMemoryDC, CreateAgainResizesAndKeepsTheDC) {
    CQVMemoryDC dc;
    ASSERT_TRUE(dc.Create(10, 10));
    HDC hDC = dc.GetHDC();
    dc.SetTextColor(kRed);
    riztest::ResourceSnapshot before;
    ASSERT_TRUE(dc.Create(50, 40));
    EXPECT_EQ(hDC, dc.GetHDC());
    EXPECT_EQ(kRed, dc.GetTextColor());
    EXPECT_EQ(CSize(50, 40), dc.GetSize());
    dc.FillSolidRect(CRect(45, 35, 50, 40), kGreen);
    EXPECT_EQ(kGreen, SurfacePixel(dc, 49, 39));
    EXPECT_EQ(0, before.GdiDelta());  // the old surface is freed
}

TEST(CQVMemoryDC, ReleaseAndDestructionFreeEverything) {
    {
        CQVMemoryDC warm;
        warm.Create(4, 4);
    }
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 50; ++i) {
        CQVMemoryDC dc;
        dc.Create(20 + i, 10);
        dc.Create(5, 5 + i);
        if (i % 2) dc.Release();
    }
    CQVMemoryDC released;
    released.Create(8, 8);
    released.Release();
    EXPECT_EQ(nullptr, released.GetHDC());
    EXPECT_EQ(nullptr, released.GetHBitmap());
    EXPECT_EQ(CSize(0, 0), released.GetSize());
    released.Release();
    EXPECT_TRUE(released.Create(3, 3));
    released.Release();
    EXPECT_EQ(0, before.GdiDelta());
}

TEST(CQVMemoryDC, ASurfaceGivenBackIsReusedWithAFreshDCStateByTheNextOfItsSize) {
    CQVMemoryDC::FreeCache();
    riztest::ResourceSnapshot before;
    HBITMAP hFirst = nullptr;
    {
        CQVMemoryDC dc;
        ASSERT_TRUE(dc.Create(40, 30));
        hFirst = dc.GetHBitmap();
        dc.SetTextColor(kRed);
        dc.SetViewportOrg(-5, -5);
        dc.SelectObject(CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH))));
    }
    EXPECT_EQ(2, before.GdiDelta());  // the kept DC and bitmap
    {
        CQVMemoryDC same;
        ASSERT_TRUE(same.Create(40, 30));
        EXPECT_EQ(hFirst, same.GetHBitmap());
        EXPECT_EQ(RGB(0, 0, 0), same.GetTextColor());
        EXPECT_EQ(CPoint(0, 0), same.GetViewportOrg());
        EXPECT_EQ(::GetStockObject(WHITE_BRUSH), ::GetCurrentObject(same.GetHDC(), OBJ_BRUSH));
        CQVMemoryDC other;  // another size while the kept one is in use: a surface of its own
        ASSERT_TRUE(other.Create(41, 30));
        EXPECT_NE(hFirst, other.GetHBitmap());
    }
    EXPECT_EQ(2, before.GdiDelta());  // one surface kept, the other freed
    CQVMemoryDC::FreeCache();
    EXPECT_EQ(0, before.GdiDelta());
}

TEST(CQVMemoryDC, AThreadsKeptSurfaceIsFreedWhenTheThreadEnds) {
    CQVMemoryDC::FreeCache();
    riztest::ResourceSnapshot before;
    std::thread worker([] {
        CQVMemoryDC dc;
        dc.Create(64, 64);
    });
    worker.join();
    EXPECT_EQ(0, before.GdiDelta());
}

TEST(CQVMemDC, DrawingAtTargetCoordinatesIsCopiedBackIntoTheRectangleOnly) {
    riztest::Surface target(60, 40, kWhite);
    CAttachedDC dc(target.Dc());
    {
        CQVMemDC mem(&dc, CRect(10, 5, 50, 30), kYellow);
        EXPECT_EQ(&dc, mem.GetTargetDC());
        EXPECT_EQ(CRect(10, 5, 50, 30), mem.GetTargetRect());
        EXPECT_EQ(CSize(40, 25), mem.GetSize());
        mem.FillSolidRect(CRect(20, 10, 30, 20), kBlue);
        mem.FillSolidRect(CRect(0, 0, 60, 3), kRed);  // outside the rectangle: never reaches the target
        EXPECT_EQ(kWhite, target.Pixel(25, 15));      // nothing before the copy back
    }
    EXPECT_EQ("", target.WrongPixels({{20, 10, kBlue}, {29, 19, kBlue}, {10, 5, kYellow}}));
    EXPECT_EQ("", target.WrongPixels({{49, 29, kYellow}, {9, 5, kWhite}, {50, 29, kWhite}}));
    EXPECT_EQ("", target.WrongPixels({{10, 30, kWhite}}));
    EXPECT_EQ(0, target.CountNear(CRect(0, 0, 60, 40), kRed, 0));
}

TEST(CQVMemDC, FromDCStartsFromTheTargetsContent) {
    riztest::Surface target(40, 40, kWhite);
    ::SetPixel(target.Dc(), 12, 12, kGreen);
    ::SetPixel(target.Dc(), 30, 30, kGreen);
    CAttachedDC dc(target.Dc());
    {
        CQVMemDC mem(&dc, CRect(10, 10, 35, 35));
        mem.FromDC();
        mem.FillSolidRect(CRect(20, 20, 25, 25), kBlue);
    }
    EXPECT_EQ("",
              target.WrongPixels({{12, 12, kGreen}, {30, 30, kGreen}, {22, 22, kBlue}, {11, 11, kWhite}}));
}

TEST(CQVMemDC, CopyBackIgnoresMappingLeftByTheDrawing) {
    riztest::Surface target(40, 40, kWhite);
    CAttachedDC dc(target.Dc());
    {
        CQVMemDC mem(&dc, CRect(10, 10, 30, 30), kYellow);
        mem.FillSolidRect(CRect(10, 10, 12, 12), kBlue);
        mem.SetViewportOrg(7, 3);
        mem.SetMapMode(MM_LOMETRIC);
        mem.IntersectClipRect(CRect(0, 0, 1, 1));
    }
    EXPECT_EQ("", target.WrongPixels({{10, 10, kBlue}, {29, 29, kYellow}, {30, 30, kWhite}}));
}

TEST(CQVMemDC, NoTargetOrEmptyRectangleIsHarmless) {
    riztest::Surface target(20, 20, kWhite);
    CAttachedDC dc(target.Dc());
    CQVMemoryDC::FreeCache();
    riztest::ResourceSnapshot before;
    {
        CQVMemDC noTarget(nullptr, CRect(0, 0, 10, 10), kRed);
        noTarget.FromDC();
        noTarget.FillSolidRect(CRect(0, 0, 5, 5), kBlue);
    }
    {
        CQVMemDC empty(&dc, CRect(5, 5, 5, 5), kRed);
        empty.FromDC();
    }
    {
        CQVMemDC reversed(&dc, CRect(15, 15, 5, 5), kRed);  // normalised
        EXPECT_EQ(CRect(5, 5, 15, 15), reversed.GetTargetRect());
    }
    EXPECT_EQ("", target.WrongPixels({{5, 5, kRed}, {4, 4, kWhite}}));
    CQVMemoryDC::FreeCache();
    EXPECT_EQ(0, before.GdiDelta());
}
