// Image strips addressed by command id: strips drawn in the test, drawn back by id and read as pixels.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "ExpectRows.h"
#include "PixelProbe.h"
#include "QVBitmapList.h"
#include "ResourceCounter.h"
#include "TestData.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kKey = RGB(255, 0, 255);
const int kFrame = 16;

// Frame i of the normal strip is (40 i + 40, 0, 0), of the second strip (0, 0, 40 i + 40); the top-left
// pixel of every frame is the key colour.
COLORREF NormalColour(int i) {
    return RGB(40 * i + 40, 0, 0);
}
COLORREF SecondColour(int i) {
    return RGB(0, 0, 40 * i + 40);
}

class BitmapList : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteStrip(_T("normal.bmp"), &NormalColour));
        ASSERT_TRUE(WriteStrip(_T("second.bmp"), &SecondColour));
    }

    bool WriteStrip(LPCTSTR lpszName, COLORREF (*colour)(int)) {
        return m_folder.WriteFile(lpszName, riztest::Bmp24(kFrame * 4, kFrame, [colour](int x, int y) {
                                      return (x % kFrame == 0 && y == 0) ? kKey : colour(x / kFrame);
                                  }));
    }

    // The four frames under ids 100, 200, 300 and 400.
    void Load(CQVBitmapList& list) {
        static const UINT ids[] = {100, 200, 300, 400};
        Load(list, ids, 4);
    }
    void Load(CQVBitmapList& list, const UINT* pIDs, int nCount) {
        ASSERT_TRUE(list.LoadBitmaps(m_folder.Path(_T("normal.bmp")), m_folder.Path(_T("second.bmp")), pIDs,
                                     nCount, kKey));
    }

    riztest::TempFolder m_folder;
};

TEST_F(BitmapList, EachIdDrawsTheFrameOfItsFirstIndexAndAbsentIdsDrawNothing) {
    CQVBitmapList list, inserted;
    EXPECT_EQ(CSize(0, 0), list.GetImageSize());
    const UINT ids[] = {100, 200, 100, 400};  // a duplicate keeps its first index
    Load(list, ids, 4);
    EXPECT_EQ(CSize(kFrame, kFrame), list.GetImageSize());  // one frame of the normal strip
    Load(inserted);
    inserted.InsertCommandID(500, 2);
    inserted.InsertCommandID(200, 0);  // adds, but never moves an id
    riztest::ExpectRows<int>({ROW(list.GetImageIndex(100), 0), ROW(list.GetImageIndex(200), 1),
                              ROW(list.GetImageIndex(400), 3), ROW(list.GetImageIndex(999), -1),
                              ROW(inserted.GetImageIndex(500), 2), ROW(inserted.GetImageIndex(200), 1)});
    riztest::Surface surface(100, 60, kWhite);
    CDC* pDC = CDC::FromHandle(surface.Dc());
    list.DrawImageEx(pDC, 10, 5, 400);
    list.DrawImageEx(pDC, 40, 5, 100);
    inserted.DrawImageEx(pDC, 70, 5, 500);
    list.DrawImageEx(pDC, 0, 30, 999);
    list.DrawImageEx(pDC, 0, 30, 20, 20, 999, 2);
    EXPECT_EQ("", surface.WrongPixels({{15, 10, NormalColour(3)},
                                       {10 + kFrame - 1, 5 + kFrame - 1, NormalColour(3)},
                                       {10 + kFrame, 10, kWhite},
                                       {45, 10, NormalColour(0)},
                                       {75, 10, NormalColour(2)}}));
    // The key colour never reaches the target; the absent id left its place white.
    EXPECT_EQ(kWhite, surface.Pixel(10, 5));
    EXPECT_EQ(0, surface.CountNear(CRect(0, 0, 100, 60), kKey, 0));
    EXPECT_FALSE(surface.HasOtherThan(CRect(0, 30, 40, 60), kWhite, 0));
}

TEST_F(BitmapList, ImageTypeTwoDrawsTheSecondStripAndAnyOtherTheNormal) {
    CQVBitmapList list;
    Load(list);
    riztest::Surface surface(120, 40, kWhite);
    CDC* pDC = CDC::FromHandle(surface.Dc());
    list.DrawImageEx(pDC, 0, 0, 200, 2);
    list.DrawImageEx(pDC, 20, 0, 200, 1);
    list.DrawImageEx(pDC, 40, 0, 200, 0);
    list.DrawImageEx(pDC, 60, 0, 200, 3);
    EXPECT_EQ("", surface.WrongPixels({{5, 5, SecondColour(1)}, {25, 5, NormalColour(1)}}));
    EXPECT_EQ("", surface.WrongPixels({{45, 5, NormalColour(1)}, {65, 5, NormalColour(1)}}));
}

TEST_F(BitmapList, DrawImageByIndexAndStretched) {
    CQVBitmapList list;
    Load(list);
    riztest::Surface surface(100, 60, kWhite);
    CDC* pDC = CDC::FromHandle(surface.Dc());
    list.DrawImage(pDC, 0, 0, 3);
    list.DrawImage(pDC, 30, 0, 48, 32, 1, 2);
    EXPECT_EQ("", surface.WrongPixels({{8, 8, NormalColour(3)}, {30 + 47, 31, SecondColour(1)}}));
    EXPECT_EQ("", surface.WrongPixels({{30 + 48, 31, kWhite}, {30 + 47, 32, kWhite}}));
    // Frame indexes outside the strip draw nothing.
    riztest::Surface empty(40, 40, kWhite);
    list.DrawImage(CDC::FromHandle(empty.Dc()), 0, 0, 4);
    list.DrawImage(CDC::FromHandle(empty.Dc()), 0, 0, -1);
    EXPECT_FALSE(empty.HasOtherThan(CRect(0, 0, 40, 40), kWhite, 0));
}

TEST_F(BitmapList, InsertCommandIdAddsButNeverMovesAnId) {
    CQVBitmapList list;
    Load(list);
    list.InsertCommandID(500, 2);
    list.InsertCommandID(200, 0);
    EXPECT_EQ(2, list.GetImageIndex(500));
    EXPECT_EQ(1, list.GetImageIndex(200));
    riztest::Surface surface(40, 40, kWhite);
    list.DrawImageEx(CDC::FromHandle(surface.Dc()), 0, 0, 500);
    EXPECT_EQ(NormalColour(2), surface.Pixel(5, 5));
}

TEST_F(BitmapList, MissingFilesDrawNothing) {
    CQVBitmapList list;
    const UINT ids[] = {100};
    EXPECT_TRUE(list.LoadBitmaps(m_folder.Path(_T("none.bmp")), nullptr, ids, 1, kKey));
    EXPECT_EQ(CSize(0, 0), list.GetImageSize());
    riztest::Surface surface(40, 40, kWhite);
    list.DrawImageEx(CDC::FromHandle(surface.Dc()), 0, 0, 100);
    list.DrawImageEx(CDC::FromHandle(surface.Dc()), 0, 0, 100, 2);
    list.DrawImageEx(nullptr, 0, 0, 100);
    EXPECT_FALSE(surface.HasOtherThan(CRect(0, 0, 40, 40), kWhite, 0));
}

TEST_F(BitmapList, LoadAndDrawLeaveNoGdiObjects) {
    riztest::Surface surface(40, 40, kWhite);
    {
        CQVBitmapList warm;
        Load(warm);
        warm.DrawImageEx(CDC::FromHandle(surface.Dc()), 0, 0, 100);
    }
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 50; ++i) {
        CQVBitmapList list;
        Load(list);
        list.DrawImageEx(CDC::FromHandle(surface.Dc()), 0, 0, 100 * (i % 4 + 1), i % 3);
        list.DrawImageEx(CDC::FromHandle(surface.Dc()), 0, 0, 20, 20, 200);
    }
    EXPECT_EQ(0, before.GdiDelta());
}

}  // namespace
