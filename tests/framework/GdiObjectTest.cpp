// GDI object wrappers: lifetime, the class of a temporary object, the generic map of two-handle objects,
// the members that convert units, and stock, missing and uncreated objects. The handle map itself is in
// HandleMapTest.
#define OEMRESOURCE  // OBM_* bitmap identifiers
#include <afxwin.h>

#include <gtest/gtest.h>

#include "FrameworkHost.h"
#include "FrameworkKit.h"
#include "ResourceCounter.h"

namespace {

// Frees this thread's temporary wrappers, as the message loop does at idle.
using riztest::FreeTemporaries;

// GetDC(NULL) makes the screen DC once per process: do it before a snapshot so it does not count.
void WarmUpScreenDC() {
    ::ReleaseDC(NULL, ::GetDC(NULL));
}

// A wrapper with two handles, like CDC, for the generic map.
class CTwoHandleObject : public CObject {
    DECLARE_DYNCREATE(CTwoHandleObject)
public:
    ~CTwoHandleObject() override {
        s_hFirstAtDestruction = m_hFirst;
        s_hSecondAtDestruction = m_hSecond;
        ++s_nDestroyed;
    }

    HANDLE m_hFirst = nullptr;
    HANDLE m_hSecond = nullptr;

    static HANDLE s_hFirstAtDestruction;
    static HANDLE s_hSecondAtDestruction;
    static int s_nDestroyed;
};
IMPLEMENT_DYNCREATE(CTwoHandleObject, CObject)
HANDLE CTwoHandleObject::s_hFirstAtDestruction = nullptr;
HANDLE CTwoHandleObject::s_hSecondAtDestruction = nullptr;
int CTwoHandleObject::s_nDestroyed = 0;

size_t TwoHandleOffset() {
    const CTwoHandleObject probe;
    return reinterpret_cast<const BYTE*>(&probe.m_hFirst) -
           reinterpret_cast<const BYTE*>(static_cast<const CObject*>(&probe));
}

}  // namespace

// ---- Lifetime ----

TEST(GdiObjectLifetime, EveryWrapperReleasesWhatItCreates) {
    WarmUpScreenDC();
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 40; ++i) {
        CPen solid(PS_SOLID, 1, RGB(i, 0, 0));
        CPen dashed;
        LOGBRUSH lb = {BS_SOLID, RGB(0, i, 0), 0};
        ASSERT_TRUE(dashed.CreatePen(PS_GEOMETRIC | PS_DASH, 3, &lb));
        CBrush brush(RGB(0, 0, i));
        CBrush hatch(HS_CROSS, RGB(i, i, 0));
        CBitmap pattern;
        const WORD bits[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
        ASSERT_TRUE(pattern.CreateBitmap(8, 8, 1, 1, bits));
        CBrush patterned(&pattern);
        CFont font;
        ASSERT_TRUE(font.CreateFont(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                                    _T("Arial")));
        CFont pointFont;
        ASSERT_TRUE(pointFont.CreatePointFont(90, _T("Tahoma")));
        CBitmap compatible;
        ASSERT_TRUE(compatible.CreateCompatibleBitmap(nullptr, 16, 16));
        CRgn rect, ellipse, round, polygon;
        ASSERT_TRUE(rect.CreateRectRgn(0, 0, 10, 10));
        ASSERT_TRUE(ellipse.CreateEllipticRgn(0, 0, 10, 10));
        ASSERT_TRUE(round.CreateRoundRectRgn(0, 0, 10, 10, 3, 3));
        const POINT tri[3] = {{0, 0}, {10, 0}, {5, 8}};
        ASSERT_TRUE(polygon.CreatePolygonRgn(tri, 3, ALTERNATE));
        CPalette palette;
        ASSERT_TRUE(palette.CreateHalftonePalette(nullptr));
        if (i % 2) {
            EXPECT_TRUE(brush.DeleteObject());  // explicit deletion, then the destructor has nothing to do
            EXPECT_FALSE(brush.DeleteObject());
        }
    }
    EXPECT_EQ(before.GdiDelta(), 0);
}

// ---- Handle maps ----

// One temporary per handle is the handle map's (HandleMapTest); here the class it is made of.
TEST(GdiHandleMap, FromHandleMakesATemporaryOfTheMatchingClass) {
    HPEN hPen = ::CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HRGN hRgn = ::CreateRectRgn(0, 0, 4, 4);
    HBITMAP hBitmap = ::CreateBitmap(4, 4, 1, 1, nullptr);
    EXPECT_TRUE(CGdiObject::FromHandle(hPen)->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_TRUE(CGdiObject::FromHandle(hFont)->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_TRUE(CGdiObject::FromHandle(hRgn)->IsKindOf(RUNTIME_CLASS(CRgn)));
    EXPECT_TRUE(CGdiObject::FromHandle(hBitmap)->IsKindOf(RUNTIME_CLASS(CBitmap)));
    FreeTemporaries();
    ::DeleteObject(hPen);
    ::DeleteObject(hRgn);
    ::DeleteObject(hBitmap);
}

TEST(GdiHandleMap, TemporaryThatDeletesItsHandleIsNotHandedOutAgain) {
    HBRUSH hBrush = ::CreateSolidBrush(RGB(3, 3, 3));
    CBrush* pTemp = CBrush::FromHandle(hBrush);
    EXPECT_TRUE(pTemp->DeleteObject());
    EXPECT_EQ(::GetObjectType(hBrush), 0u);
    EXPECT_EQ(afxMapHGDIOBJ()->LookupTemporary(hBrush), nullptr);
    EXPECT_EQ(afxMapHGDIOBJ()->GetTemporaryCount(), 1);  // still alive until the maps are unlocked
    FreeTemporaries();
    EXPECT_EQ(afxMapHGDIOBJ()->GetTemporaryCount(), 0);
}

// Permanent entries are the handle map's (HandleMapTest); here the temporaries of a two-handle class.
TEST(GdiHandleMap, GenericMapSetsAndClearsEveryHandleOfATemporary) {
    HANDLE h = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x1234));
    CHandleMap map(RUNTIME_CLASS(CTwoHandleObject), TwoHandleOffset(), 2);
    CTwoHandleObject::s_nDestroyed = 0;

    auto* pTemp = static_cast<CTwoHandleObject*>(map.FromHandle(h));
    ASSERT_NE(pTemp, nullptr);
    EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CTwoHandleObject)));
    EXPECT_EQ(pTemp->m_hFirst, h);
    EXPECT_EQ(pTemp->m_hSecond, h);
    EXPECT_EQ(map.FromHandle(h), pTemp);

    CTwoHandleObject::s_hFirstAtDestruction = h;
    CTwoHandleObject::s_hSecondAtDestruction = h;
    map.DeleteTemp();
    EXPECT_EQ(CTwoHandleObject::s_nDestroyed, 1);
    EXPECT_EQ(CTwoHandleObject::s_hFirstAtDestruction, nullptr);  // detached before deletion
    EXPECT_EQ(CTwoHandleObject::s_hSecondAtDestruction, nullptr);
    EXPECT_EQ(map.LookupTemporary(h), nullptr);
}

// ---- Fonts ----

TEST(CFontPointSize, TwelvePointsAtScreenResolutionIsSixteenPixels) {
    HDC hScreen = ::GetDC(NULL);
    const int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(NULL, hScreen);
    ASSERT_EQ(dpi, 96) << "the test display runs at 96 dpi";

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, _T("Arial")));
    LOGFONT lf = {};
    ASSERT_TRUE(font.GetLogFont(&lf));
    EXPECT_EQ(lf.lfHeight, -16);  // negative: a character height
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(lf.lfFaceName, _T("Arial"));

    CFont smaller;
    ASSERT_TRUE(smaller.CreatePointFont(100, _T("Arial")));  // 13.3 pixels truncate to 13
    ASSERT_TRUE(smaller.GetLogFont(&lf));
    EXPECT_EQ(lf.lfHeight, -13);
}

TEST(CFontPointSize, HeightFollowsTheMappingOfTheGivenDC) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const int dpi = dc.GetDeviceCaps(LOGPIXELSY);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2, 2);  // two logical units per device pixel
    dc.SetViewportExt(1, -1);
    dc.SetViewportOrg(7, 7);  // the origin does not change a height

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, _T("Arial"), &dc));
    LOGFONT lf = {};
    ASSERT_TRUE(font.GetLogFont(&lf));
    EXPECT_EQ(lf.lfHeight, -2 * (dpi * 120 / 720));
}

TEST(CFontPointSize, IndirectFormKeepsTheOtherFields) {
    LOGFONT in = {};
    in.lfHeight = 90;
    in.lfWeight = FW_BOLD;
    in.lfItalic = TRUE;
    ::lstrcpy(in.lfFaceName, _T("宋体"));  // a GBK face name in the ANSI build
    CFont font;
    ASSERT_TRUE(font.CreatePointFontIndirect(&in));
    LOGFONT lf = {};
    ASSERT_TRUE(font.GetLogFont(&lf));
    EXPECT_LT(lf.lfHeight, 0);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_STREQ(lf.lfFaceName, _T("宋体"));
}

// ---- Stock, missing and uncreated objects; two-operand members ----

// A stock object outlives its wrapper, a missing resource loads nothing, an uncreated region refuses to
// combine, and the two regions of a difference are taken in their order.
TEST(GdiObjectMembers, StockMissingAndUncreatedObjectsAndTheOrderOfCombinedRegions) {
    {
        CGdiObject stock;
        ASSERT_TRUE(stock.CreateStockObject(WHITE_BRUSH));
        EXPECT_EQ(stock.GetObjectType(), static_cast<UINT>(OBJ_BRUSH));
    }
    LOGBRUSH lbWhite = {};
    EXPECT_TRUE(::GetObject(::GetStockObject(WHITE_BRUSH), sizeof(lbWhite), &lbWhite));
    EXPECT_EQ(lbWhite.lbColor, RGB(255, 255, 255));
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4711) || missing.LoadBitmap(_T("NO_SUCH_BITMAP")));
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);

    CRgn left, right, both, uncreated;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(right.CreateRectRgn(20, 5, 30, 15));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&left, &right, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(CPoint(25, 12)));
    EXPECT_EQ(both.CombineRgn(&right, &left, RGN_DIFF), SIMPLEREGION);
    EXPECT_TRUE(both.PtInRegion(25, 12) && !both.PtInRegion(5, 5));  // the first minus the second
    EXPECT_EQ(uncreated.CombineRgn(&left, &right, RGN_OR), ERROR);
    EXPECT_EQ(uncreated.GetSafeHandle(), nullptr);
}
