// The window outline: corner outlines and corner masks read back from the window region, and the
// ".rgn" cache of the masks written, read, and rebuilt when it is missing or damaged.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "MessagePump.h"
#include "SkinPopupWnd.h"
#include "SkinWndTestKit.h"

using namespace skintest;

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kInside = RGB(90, 90, 90);

class CRegionPopup : public CSkinPopupWnd {
public:
    CSkinWnd& Skin() { return m_SkinWnd; }
};

// The window region of a live window in a CRgn of its own.
struct WindowRegion {
    explicit WindowRegion(HWND hWnd) {
        rgn.CreateRectRgn(0, 0, 0, 0);
        bValid = ::GetWindowRgn(hWnd, static_cast<HRGN>(rgn.GetSafeHandle())) != ERROR;
    }
    bool In(int x, int y) const { return rgn.PtInRegion(x, y) != FALSE; }
    CRgn rgn;
    bool bValid = false;
};

struct RegionPoint {
    int x, y;
    bool bIn;
};

// Expects each point inside or outside the window region.
void ExpectRegion(HWND hWnd, std::initializer_list<RegionPoint> points) {
    WindowRegion region(hWnd);
    ASSERT_TRUE(region.bValid);
    for (const RegionPoint& pt : points)
        EXPECT_EQ(pt.bIn, region.In(pt.x, pt.y)) << pt.x << "," << pt.y;
}

// Loads a copy of the default skin, with plain corner outlines so that only the masks shape the window.
class SkinRegionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(ShippedSkinFolder(_T("Default")).IsEmpty());
        ASSERT_TRUE(CQVSkinResManager::GetSingletonPtr()->LoadSkin(m_copy.Folder()));
        CQVSkinWndRes& res = m_scope.Res();
        res.m_ptsCornerTopLeft.clear();
        res.m_ptsCornerTopRight.clear();
        res.m_ptsCornerBottomRight.clear();
        res.m_ptsCornerBottomLeft.clear();
        res.m_strMaskTopLeft = res.m_strMaskTopRight = res.m_strMaskBottomLeft = res.m_strMaskBottomRight =
            _T("");
    }
    void TearDown() override {
        m_wnd.reset();
        riztest::PumpMessages(1000);
    }

    bool WriteMask(LPCTSTR lpszName, int cx, int cy, const std::function<bool(int, int)>& bOutside) {
        return WriteBytes(lpszName, riztest::Bmp24(cx, cy, [&](int x, int y) {
                              return bOutside(x, y) ? kMagenta : kInside;
                          }));
    }
    bool WriteBytes(LPCTSTR lpszName, const std::vector<BYTE>& data) {
        return skintest::WriteBytes(m_copy.WindowFile(lpszName), data);
    }
    std::vector<BYTE> ReadBytes(LPCTSTR lpszName) { return skintest::ReadBytes(m_copy.WindowFile(lpszName)); }

    // The top-left test mask: 12 x 12, outside where x < 3 and y < 8.
    bool WriteTopLeftMask() {
        return WriteMask(_T("TestTL.bmp"), 12, 12, [](int x, int y) { return x < 3 && y < 8; });
    }

    HWND CreateWindowNow() {
        m_wnd.reset(new CRegionPopup);
        LPCTSTR lpszClass = AfxRegisterWndClass(0);
        if (!m_wnd->CreateEx(0, lpszClass, _T(""), WS_OVERLAPPEDWINDOW, 100, 100, kWidth, kHeight, nullptr,
                             nullptr))
            return nullptr;
        m_wnd->SetWindowPos(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return m_wnd->m_hWnd;
    }

    SkinScope m_scope{false};
    SkinCopy m_copy{_T("Default")};
    std::unique_ptr<CRegionPopup> m_wnd;
};

TEST_F(SkinRegionTest, EachMaskCutsItsOwnCorner) {
    ASSERT_TRUE(WriteTopLeftMask());
    ASSERT_TRUE(WriteMask(_T("TestTR.bmp"), 10, 10, [](int x, int y) { return x == 9 && y < 5; }));
    ASSERT_TRUE(WriteMask(_T("TestBL.bmp"), 10, 10, [](int x, int y) { return y == 9 && x < 5; }));
    ASSERT_TRUE(WriteMask(_T("TestBR.bmp"), 10, 10, [](int x, int y) { return x == 9 && y == 9; }));
    CQVSkinWndRes& res = m_scope.Res();
    res.m_strMaskTopLeft = _T("TestTL.bmp");
    res.m_strMaskTopRight = _T("TestTR.bmp");
    res.m_strMaskBottomLeft = _T("TestBL.bmp");
    res.m_strMaskBottomRight = _T("TestBR.bmp");

    const HWND hWnd = CreateWindowNow();
    ASSERT_NE(nullptr, hWnd);
    // Top-left at the origin, top-right against the right edge, bottom-left against the bottom edge,
    // bottom-right one pixel.
    const int w = kWidth, h = kHeight;
    // clang-format off
    ExpectRegion(hWnd, {
        {w / 2, h / 2, true},
        {0, 0, false},         {2, 7, false},         {3, 7, true},          {2, 8, true},
        {w - 1, 0, false},     {w - 1, 4, false},     {w - 1, 5, true},      {w - 2, 0, true},
        {0, h - 1, false},     {4, h - 1, false},     {5, h - 1, true},      {0, h - 2, true},
        {w - 1, h - 1, false}, {w - 2, h - 1, true},  {w - 1, h - 2, true},
    });
    // clang-format on
}

TEST_F(SkinRegionTest, MissingMaskImageLeavesTheCornerSquare) {
    m_scope.Res().m_strMaskTopLeft = _T("NoSuchMask.bmp");
    const HWND hWnd = CreateWindowNow();
    ASSERT_NE(nullptr, hWnd);
    WindowRegion region(hWnd);
    ASSERT_TRUE(region.bValid);
    EXPECT_TRUE(region.In(0, 0));
    EXPECT_TRUE(region.In(kWidth - 1, kHeight - 1));
    EXPECT_FALSE(FileExists(m_copy.WindowFile(_T("NoSuchMask.bmp.rgn"))));
}

TEST_F(SkinRegionTest, CornerOutlinesShapeTheRegion) {
    CQVSkinWndRes& res = m_scope.Res();
    // A diagonal cut of 6 at the top corners, 3 at the bottom ones.
    res.m_ptsCornerTopLeft = {CPoint(0, 6), CPoint(6, 0)};
    res.m_ptsCornerTopRight = {CPoint(6, 0), CPoint(0, 6)};
    res.m_ptsCornerBottomRight = {CPoint(0, 3), CPoint(3, 0)};
    res.m_ptsCornerBottomLeft = {CPoint(3, 0), CPoint(0, 3)};
    const HWND hWnd = CreateWindowNow();
    ASSERT_NE(nullptr, hWnd);
    const int w = kWidth, h = kHeight;
    // clang-format off
    ExpectRegion(hWnd, {
        {0, 0, false},         {2, 2, false},         {4, 4, true},
        {w - 1, 0, false},     {w - 3, 2, false},     {w - 5, 4, true},
        {w - 1, h - 1, false}, {w - 4, h - 4, true},
        {0, h - 1, false},     {3, h - 4, true},
        {w / 2, 0, true},      {0, h / 2, true},
    });
    // clang-format on
}

TEST_F(SkinRegionTest, ShippedSkinsGiveRoundedOutlines) {
    for (LPCTSTR lpszSkin : {_T("Default"), _T("Jade")}) {
        SkinCopy copy(lpszSkin);
        ASSERT_TRUE(CQVSkinResManager::GetSingletonPtr()->LoadSkin(copy.Folder()));
        const HWND hWnd = CreateWindowNow();
        ASSERT_NE(nullptr, hWnd);
        WindowRegion region(hWnd);
        ASSERT_TRUE(region.bValid);
        EXPECT_TRUE(region.In(kWidth / 2, kHeight / 2)) << lpszSkin;
        EXPECT_FALSE(region.In(0, 0)) << lpszSkin;
        EXPECT_FALSE(region.In(kWidth - 1, 0)) << lpszSkin;
        EXPECT_FALSE(region.In(0, kHeight - 1)) << lpszSkin;
        EXPECT_FALSE(region.In(kWidth - 1, kHeight - 1)) << lpszSkin;
        EXPECT_TRUE(region.In(10, 10)) << lpszSkin;
        // Every outside pixel of each mask image is outside the window, at its corner.
        const CQVSkinWndRes& res = m_scope.Res();
        const struct {
            const CString* pName;
            bool bRight, bBottom;
        } masks[] = {{&res.m_strMaskTopLeft, false, false},
                     {&res.m_strMaskTopRight, true, false},
                     {&res.m_strMaskBottomLeft, false, true},
                     {&res.m_strMaskBottomRight, true, true}};
        for (const auto& mask : masks) {
            if (mask.pName->IsEmpty()) continue;
            CQVBitmap bmp;
            ASSERT_TRUE(bmp.LoadBitmap(copy.WindowFile(*mask.pName)));
            const int dx = mask.bRight ? kWidth - bmp.GetWidth() : 0;
            const int dy = mask.bBottom ? kHeight - bmp.GetHeight() : 0;
            const DWORD* pBits = reinterpret_cast<const DWORD*>(bmp.GetBits());
            int nOutside = 0;
            for (int y = 0; y < bmp.GetHeight(); ++y)
                for (int x = 0; x < bmp.GetWidth(); ++x) {
                    if ((pBits[y * bmp.GetWidth() + x] & 0xFFFFFF) != 0xFF00FF) continue;
                    ++nOutside;
                    EXPECT_FALSE(region.In(dx + x, dy + y))
                        << lpszSkin << " " << (LPCSTR)CStringA(*mask.pName);
                }
            EXPECT_GT(nOutside, 0) << lpszSkin;
            // The cache was written beside the image.
            EXPECT_TRUE(FileExists(copy.WindowFile(*mask.pName + _T(".rgn"))));
        }
        m_wnd.reset();
    }
}

// After a skin change, a size change and a skin change with a fourth mask, the outline has exactly the
// rectangles a fresh build gives for masks with holes: none is kept for another size or skin.
TEST_F(SkinRegionTest, OutlineAfterSkinAndSizeChangesIsTheFreshOne) {
    ASSERT_TRUE(WriteMask(_T("TestTL.bmp"), 12, 12, [](int x, int y) { return x < 3 || (x + y) % 5 == 0; }));
    ASSERT_TRUE(WriteMask(_T("TestBR.bmp"), 10, 10, [](int x, int y) { return x + y > 14 || x == y; }));
    m_scope.Res().m_strMaskTopLeft = _T("TestTL.bmp");
    const HWND hWnd = CreateWindowNow();
    const auto expectFresh = [&](const char* pszStep) {
        WindowRegion after(hWnd);
        m_wnd->Skin().SetWndRegion();
        WindowRegion fresh(hWnd);
        EXPECT_TRUE(after.rgn.EqualRgn(&fresh.rgn)) << pszStep;
    };
    ::SendMessage(hWnd, WM_QV_SKINCHANGED, 0, 0);
    expectFresh("skin change");
    ::SetWindowPos(hWnd, nullptr, 0, 0, kWidth + 37, kHeight + 11,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    expectFresh("size change");
    m_scope.Res().m_strMaskBottomRight = _T("TestBR.bmp");
    ::SendMessage(hWnd, WM_QV_SKINCHANGED, 0, 0);
    expectFresh("a fourth mask, then a skin change");
}

TEST_F(SkinRegionTest, CacheIsWrittenOnFirstUseReadOnTheNextAndRebuiltWhenDeleted) {
    ASSERT_TRUE(WriteTopLeftMask());
    m_scope.Res().m_strMaskTopLeft = _T("TestTL.bmp");
    const CString strCache = m_copy.WindowFile(_T("TestTL.bmp.rgn"));
    ASSERT_FALSE(FileExists(strCache));

    HWND hWnd = CreateWindowNow();
    ASSERT_NE(nullptr, hWnd);
    ASSERT_TRUE(FileExists(strCache));
    CRgn rgnCache;
    int nWidth = 0;
    int nHeight = 0;
    ASSERT_TRUE(CSkinWnd::ReadRgnFromFile(strCache, rgnCache, nWidth, nHeight));
    EXPECT_EQ(12, nWidth);
    EXPECT_EQ(12, nHeight);
    EXPECT_TRUE(rgnCache.PtInRegion(2, 7));
    EXPECT_FALSE(rgnCache.PtInRegion(3, 7));

    // A new image with the cache kept: the cache wins.
    ASSERT_TRUE(WriteMask(_T("TestTL.bmp"), 12, 12, [](int, int) { return true; }));
    hWnd = CreateWindowNow();
    ASSERT_NE(nullptr, hWnd);
    {
        WindowRegion region(hWnd);
        EXPECT_FALSE(region.In(2, 7));
        EXPECT_TRUE(region.In(3, 7));
    }

    // The cache deleted: the region comes from the new image, and the cache follows it.
    ASSERT_TRUE(::DeleteFile(strCache));
    m_wnd->Skin().SetWndRegion();
    {
        WindowRegion region(hWnd);
        EXPECT_FALSE(region.In(3, 7));
        EXPECT_FALSE(region.In(11, 11));
        EXPECT_TRUE(region.In(12, 12));
    }
    CRgn rgnNew;
    ASSERT_TRUE(CSkinWnd::ReadRgnFromFile(strCache, rgnNew, nWidth, nHeight));
    EXPECT_TRUE(rgnNew.PtInRegion(11, 11));
}

TEST_F(SkinRegionTest, DamagedCacheIsRebuiltFromTheMask) {
    ASSERT_TRUE(WriteTopLeftMask());
    m_scope.Res().m_strMaskTopLeft = _T("TestTL.bmp");
    ASSERT_NE(nullptr, CreateWindowNow());
    const std::vector<BYTE> good = ReadBytes(_T("TestTL.bmp.rgn"));
    ASSERT_GT(good.size(), sizeof(RGNDATAHEADER) + 8);

    auto header = [](std::vector<BYTE> data, const std::function<void(RGNDATAHEADER&)>& change) {
        RGNDATAHEADER hdr;
        memcpy(&hdr, data.data(), sizeof(hdr));
        change(hdr);
        memcpy(data.data(), &hdr, sizeof(hdr));
        return data;
    };
    const struct {
        const char* pszName;
        std::vector<BYTE> data;
    } damaged[] = {
        // Which files are refused is the reader's (SkinWndRgnFile); the window rebuilds after any.
        {"truncated", std::vector<BYTE>(good.begin(), good.begin() + 10)},
        {"count beyond the file", header(good, [](RGNDATAHEADER& h) { h.nCount += 100; })},
    };
    for (const auto& bad : damaged) {
        ASSERT_TRUE(WriteBytes(_T("TestTL.bmp.rgn"), bad.data)) << bad.pszName;
        m_wnd->Skin().SetWndRegion();
        WindowRegion region(m_wnd->m_hWnd);
        ASSERT_TRUE(region.bValid) << bad.pszName;
        EXPECT_FALSE(region.In(2, 7)) << bad.pszName;
        EXPECT_TRUE(region.In(3, 7)) << bad.pszName;
        EXPECT_TRUE(region.In(kWidth / 2, kHeight / 2)) << bad.pszName;
        EXPECT_EQ(good, ReadBytes(_T("TestTL.bmp.rgn"))) << bad.pszName;
    }
}

}  // namespace
