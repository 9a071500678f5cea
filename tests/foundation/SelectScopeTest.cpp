// The scoped selection of pens, brushes, fonts and bitmaps: what the DC holds inside and after the
// scope, drawing with what was selected, and the objects the scope made itself.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "QVSelectScope.h"
#include "ResourceCounter.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(220, 30, 40);
const COLORREF kBlue = RGB(20, 40, 230);

HGDIOBJ Current(HDC hDC, UINT nType) {
    return ::GetCurrentObject(hDC, nType);
}

TEST(QVSelectScope, SelectsEveryKindAndPutsTheOldObjectsBack) {
    riztest::Surface surface(40, 30);
    const HDC hDC = surface.Dc();
    const HGDIOBJ hOldPen = Current(hDC, OBJ_PEN), hOldBrush = Current(hDC, OBJ_BRUSH);
    const HGDIOBJ hOldFont = Current(hDC, OBJ_FONT), hOldBitmap = Current(hDC, OBJ_BITMAP);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CFont font;
    font.CreatePointFont(90, _T("Tahoma"));
    CBitmap bitmap;
    bitmap.CreateBitmap(8, 8, 1, 32, nullptr);
    CPen second(PS_SOLID, 1, kBlue);
    {
        CQVSelectScope scope(hDC, pen.GetSafeHandle(), brush.GetSafeHandle(), font.GetSafeHandle(),
                             bitmap.GetSafeHandle());
        EXPECT_EQ(pen.GetSafeHandle(), Current(hDC, OBJ_PEN));
        EXPECT_EQ(brush.GetSafeHandle(), Current(hDC, OBJ_BRUSH));
        EXPECT_EQ(font.GetSafeHandle(), Current(hDC, OBJ_FONT));
        EXPECT_EQ(bitmap.GetSafeHandle(), Current(hDC, OBJ_BITMAP));
        // A null object is skipped; a second of one kind comes off first, so the old pen returns.
        scope.Select(nullptr);
        EXPECT_EQ(pen.GetSafeHandle(), Current(hDC, OBJ_PEN));
        scope.Select(second.GetSafeHandle());
        EXPECT_EQ(second.GetSafeHandle(), Current(hDC, OBJ_PEN));
    }
    EXPECT_EQ(hOldPen, Current(hDC, OBJ_PEN));
    EXPECT_EQ(hOldBrush, Current(hDC, OBJ_BRUSH));
    EXPECT_EQ(hOldFont, Current(hDC, OBJ_FONT));
    EXPECT_EQ(hOldBitmap, Current(hDC, OBJ_BITMAP));
    // The caller's objects are left to the caller.
    EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), ::GetObjectType(pen.GetSafeHandle()));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), ::GetObjectType(brush.GetSafeHandle()));
}

TEST(QVSelectScope, WorksThroughTheFrameworkDC) {
    riztest::Surface surface(20, 20);
    CDC* pDC = CDC::FromHandle(surface.Dc());
    CBrush brush(kRed);
    {
        CQVSelectScope scope(pDC, ::GetStockObject(NULL_PEN), brush.GetSafeHandle());
        pDC->Rectangle(2, 2, 12, 12);
    }
    EXPECT_EQ(kRed, surface.Pixel(5, 5));
    {
        CQVSelectScope scope(*pDC, nullptr, ::GetStockObject(NULL_PEN));
        EXPECT_EQ(::GetStockObject(NULL_PEN), Current(surface.Dc(), OBJ_PEN));
    }
    EXPECT_NE(::GetStockObject(NULL_PEN), Current(surface.Dc(), OBJ_PEN));
}

TEST(QVSelectScope, SolidPenBrushDrawsAndIsDeletedAfterwards) {
    riztest::Surface surface(30, 30);
    const HDC hDC = surface.Dc();
    const HGDIOBJ hOldPen = Current(hDC, OBJ_PEN), hOldBrush = Current(hDC, OBJ_BRUSH);
    const riztest::ResourceSnapshot before;
    HGDIOBJ hPen = nullptr;
    {
        const CQVSelectScope scope = CQVSelectScope::SolidPenBrush(hDC, kBlue, kRed);
        hPen = Current(hDC, OBJ_PEN);
        LOGPEN lp = {};
        ASSERT_EQ(static_cast<int>(sizeof(lp)), ::GetObject(hPen, sizeof(lp), &lp));
        EXPECT_EQ(kBlue, lp.lopnColor);
        EXPECT_EQ(1, lp.lopnWidth.x);
        ::Rectangle(hDC, 5, 5, 25, 25);
        EXPECT_EQ(2, before.GdiDelta());
    }
    EXPECT_EQ("", surface.WrongPixels({{5, 10, kBlue}, {15, 15, kRed}, {26, 26, kWhite}}));
    EXPECT_EQ(hOldPen, Current(hDC, OBJ_PEN));
    EXPECT_EQ(hOldBrush, Current(hDC, OBJ_BRUSH));
    EXPECT_EQ(0, before.GdiDelta());
}

TEST(QVSelectScope, OwnedObjectsAreDeletedEvenWithoutADC) {
    const riztest::ResourceSnapshot before;
    {
        CQVSelectScope scope(static_cast<HDC>(nullptr));
        scope.SelectOwned(::CreateSolidBrush(kRed));
        scope.SelectOwned(::CreatePen(PS_SOLID, 1, kBlue));
    }
    EXPECT_EQ(0, before.GdiDelta());
}

}  // namespace
