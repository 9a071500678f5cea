// CQVBitmap: loading, frames, key colour, edge-keeping fills, tiling, regions and pixel ownership.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ImageTestUtil.h"
#include "PixelProbe.h"
#include "QVBitmap.h"
#include "ResourceCounter.h"
#include "TestData.h"

using namespace imgtest;

namespace {

const UINT IDB_TEST_FRAMES4 = 6101;  // QVBitmapTest.rc: frames4.bmp

// Four 4 x 4 frames: red, green, blue, yellow.
CQVBitmap FourFrames() {
    CQVBitmap bmp;
    bmp.AttachBitmap(riztest::Dib(16, 4, SolidFrames(4, {kRed, kGreen, kBlue, kYellow}), 24));
    bmp.SetMultiState(4);
    return bmp;
}

// Two 6 x 6 frames, each a ring of magenta around a 4 x 4 face (frame 0 red, frame 1 blue).
CQVBitmap KeyedFrames() {
    CQVBitmap bmp;
    bmp.AttachBitmap(riztest::Dib(12, 6,
                                  Frames(6,
                                         [](int f, int x, int y) {
                                             bool bEdge = x == 0 || y == 0 || x == 5 || y == 5;
                                             return bEdge ? kMagenta : (f == 0 ? kRed : kBlue);
                                         }),
                                  24));
    bmp.SetMultiState(2);
    return bmp;
}

// One 10 x 4 frame: 3 red columns, 4 green, 3 blue; the top-left pixel is magenta.
CQVBitmap EdgeFrame() {
    CQVBitmap bmp;
    bmp.AttachBitmap(riztest::Dib(
        10, 4,
        [](int x, int y) {
            if (x == 0 && y == 0) return kMagenta;
            return x < 3 ? kRed : (x < 7 ? kGreen : kBlue);
        },
        24));
    bmp.SetFillParam(3, 3);
    return bmp;
}

int CountExact(const riztest::Surface& s, COLORREF clr) {
    return s.CountNear(CRect(0, 0, s.Width(), s.Height()), clr, 0);
}

// A file's bytes, empty when it cannot be read.
std::vector<BYTE> FileBytes(LPCTSTR lpszPath) {
    std::vector<BYTE> bytes;
    HANDLE hFile = ::CreateFile(lpszPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(::GetFileSize(hFile, NULL));
    DWORD dwRead = 0;
    if (!bytes.empty() && !::ReadFile(hFile, bytes.data(), DWORD(bytes.size()), &dwRead, NULL)) dwRead = 0;
    bytes.resize(dwRead);
    ::CloseHandle(hFile);
    return bytes;
}

}  // namespace

TEST(CQVBitmapLoad, BmpFileBecomesTopDown32BitPixelsWithOpaqueAlpha) {
    riztest::TempFolder temp;
    ASSERT_TRUE(
        temp.WriteFile(_T("rows.bmp"), Bmp24(5, 3, [](int x, int y) { return RGB(x * 10, y * 20, 7); })));
    CQVBitmap bmp;
    ASSERT_TRUE(bmp.LoadBitmap(temp.Path(_T("rows.bmp"))));
    EXPECT_EQ(5, bmp.GetWidth());
    EXPECT_EQ(3, bmp.GetHeight());
    const BYTE* pBits = bmp.GetBits();
    ASSERT_NE(nullptr, pBits);
    EXPECT_EQ(RGB(0, 0, 7), BitsPixel(pBits, 5, 0, 0));
    EXPECT_EQ(RGB(40, 40, 7), BitsPixel(pBits, 5, 4, 2));
    EXPECT_EQ(255, BitsAlpha(pBits, 5, 3, 1));
    BITMAP bm = {};
    ASSERT_TRUE(bmp.GetBITMAP(&bm));
    EXPECT_EQ(5, bm.bmWidth);
    EXPECT_EQ(3, bm.bmHeight);
    EXPECT_EQ(32, bm.bmBitsPixel);
}

// Each file decodes to top-down 32-bit pixels: probes of (x, y, colour or CLR_INVALID, alpha or -1).
TEST(CQVBitmapLoad, EveryFormatDecodesToTheColoursAndAlphaOfItsPixels) {
    struct Probe {
        int x, y;
        COLORREF clr;
        int nAlpha;
    };
    // The BMP variants hold red, green, blue, white over black, magenta, yellow, cyan.
    const COLORREF kCyan = RGB(0, 255, 255);
    const std::vector<Probe> variant = {{0, 0, kRed, 255},    {1, 0, kGreen, 255}, {2, 0, kBlue, 255},
                                        {3, 0, kWhite, 255},  {0, 1, kBlack, 255}, {1, 1, kMagenta, 255},
                                        {2, 1, kYellow, 255}, {3, 1, kCyan, 255}};
    riztest::TempFolder temp;
    ASSERT_TRUE(temp.WriteFile(_T("图片.bmp"), Bmp24(2, 2, [](int, int) { return kGreen; })));
    const struct {
        CString strPath;
        int cx, cy, nTolerance;
        std::vector<Probe> probes;
    } rows[] = {
        // clang-format off
        {ImagePath(_T("pal8.bmp")), 4, 2, 8, variant},
        {ImagePath(_T("rle8.bmp")), 4, 2, 8, variant},
        {ImagePath(_T("top32.bmp")), 4, 2, 8, variant},
        {ImagePath(_T("bf565.bmp")), 4, 2, 8, variant},
        {ImagePath(_T("alpha.png")), 4, 2, 0,
         {{0, 0, kRed, 255}, {1, 1, kGreen, -1}, {1, 0, CLR_INVALID, 128}, {2, 0, CLR_INVALID, 0}, {3, 1, kWhite, -1}}},
        {ImagePath(_T("anim3.gif")), 8, 8, 0, {{7, 7, kRed, -1}}},    // the first frame
        {temp.Path(_T("图片.bmp")), 2, 2, 0, {{1, 1, kGreen, 255}}},  // a name beyond ASCII
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(static_cast<LPCTSTR>(r.strPath));
        CQVBitmap bmp;
        ASSERT_TRUE(bmp.LoadBitmap(r.strPath));
        ASSERT_EQ(CSize(r.cx, r.cy), CSize(bmp.GetWidth(), bmp.GetHeight()));
        // The file's bytes in memory decode to the same pixels.
        const std::vector<BYTE> bytes = FileBytes(r.strPath);
        CQVBitmap fromMemory;
        ASSERT_TRUE(fromMemory.LoadFromMemory(bytes.data(), bytes.size()));
        ASSERT_EQ(CSize(r.cx, r.cy), CSize(fromMemory.GetWidth(), fromMemory.GetHeight()));
        EXPECT_EQ(0, std::memcmp(bmp.GetBits(), fromMemory.GetBits(), size_t(r.cx) * r.cy * 4));
        for (const Probe& p : r.probes) {
            SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
            if (p.clr != CLR_INVALID) {
                EXPECT_TRUE(
                    riztest::ColorNear(p.clr, BitsPixel(bmp.GetBits(), r.cx, p.x, p.y), r.nTolerance));
            }
            if (p.nAlpha >= 0) {
                EXPECT_EQ(p.nAlpha, BitsAlpha(bmp.GetBits(), r.cx, p.x, p.y));
            }
        }
    }
}

TEST(CQVBitmapLoad, FrameStripFromResourceThroughTheResourceChain) {
    CQVBitmap bmp;
    ASSERT_TRUE(bmp.LoadBitmap(IDB_TEST_FRAMES4));
    bmp.SetMultiState(4);
    EXPECT_EQ(CRect(0, 0, 4, 4), bmp.GetSrcImageRect());
    riztest::Surface s(8, 8, kWhite);
    CAttachedDC dc(s.Dc());
    bmp.Draw(&dc, 2, 2, 2);
    EXPECT_EQ("", s.WrongPixels({{2, 2, kBlue}, {5, 5, kBlue}, {6, 6, kWhite}}));
    EXPECT_FALSE(bmp.LoadBitmap(UINT(6199)));
    EXPECT_TRUE(bmp.IsNull());
}

TEST(CQVBitmapLoad, BadFilesFailAndLeaveTheImageEmpty) {
    const LPCTSTR files[] = {_T("empty.bmp"),   _T("truncated.bmp"), _T("header-only.bmp"), _T("garbage.bmp"),
                             _T("garbage.png"), _T("huge.png"),      _T("truncated.png"),   _T("huge.gif"),
                             _T("huge.jpg"),    _T("text.png"),      _T("missing.bmp"),     _T("")};
    CQVBitmap bmp;
    for (LPCTSTR name : files) {
        ASSERT_TRUE(bmp.LoadBitmap(ImagePath(_T("frames4.bmp"))));
        EXPECT_FALSE(bmp.LoadBitmap(ImagePath(name))) << (LPCTSTR)ImagePath(name);
        EXPECT_TRUE(bmp.IsNull());
        const std::vector<BYTE> bytes = FileBytes(ImagePath(name));
        ASSERT_TRUE(bmp.LoadBitmap(ImagePath(_T("frames4.bmp"))));
        EXPECT_FALSE(bmp.LoadFromMemory(bytes.data(), bytes.size())) << (LPCTSTR)ImagePath(name);
        EXPECT_TRUE(bmp.IsNull());
        EXPECT_EQ(nullptr, bmp.GetBits());
        EXPECT_EQ(0, bmp.GetWidth());
        EXPECT_EQ(CRect(0, 0, 0, 0), bmp.GetSrcImageRect());
    }
    EXPECT_FALSE(bmp.LoadBitmap(static_cast<LPCTSTR>(nullptr)));
    EXPECT_FALSE(bmp.LoadFromMemory(nullptr, 100));
    EXPECT_FALSE(bmp.LoadBitmap(riztest::TestDataPath(_T("images"))));  // a folder
}

// A file decoded once is not decoded again while it stays the same, but every load shows the file as
// it is now: rewritten, resized, damaged, removed and written again.
TEST(CQVBitmapLoad, EveryLoadShowsTheFileAsItIsNow) {
    riztest::TempFolder temp;
    const CString strFile = temp.Path(_T("face.bmp"));
    const auto solid = [](int cx, COLORREF clr) { return Bmp24(cx, 2, [clr](int, int) { return clr; }); };
    const std::vector<BYTE> garbage(solid(3, kRed).size(), 0x5A);
    const struct {
        const char* pszStep;
        std::vector<BYTE> bytes;  // written before the load; empty: the file is deleted
        int nShiftSeconds;        // the write time moved after writing
        int cx;                   // 0: the load fails
        COLORREF clr;
    } steps[] = {
        {"first load", solid(3, kRed), 0, 3, kRed},
        {"the same file again", {}, 0, 3, kRed},  // held open by another: it is not read again
        {"rewritten at the same size", solid(3, kGreen), 60, 3, kGreen},
        {"another size", solid(5, kBlue), 0, 5, kBlue},
        {"damaged", garbage, 120, 0, 0},
        {"written again", solid(4, kYellow), 180, 4, kYellow},
        {"removed", {}, -1, 0, 0},
    };
    std::vector<CQVBitmap> loads;  // all kept alive, so that no handle is reused by a later load
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszStep);
        if (!step.bytes.empty()) {
            ASSERT_TRUE(temp.WriteFile(_T("face.bmp"), step.bytes));
        }
        if (step.nShiftSeconds > 0) {
            ASSERT_TRUE(ShiftWriteTime(strFile, step.nShiftSeconds));
        } else if (step.nShiftSeconds < 0) {
            ASSERT_TRUE(::DeleteFile(strFile));
        }
        CQVBitmap bmp;
        // A load of the unchanged file does not read it: it succeeds while nobody may read the file.
        const HANDLE hHeld = step.bytes.empty() && step.nShiftSeconds == 0
                                 ? ::CreateFile(strFile, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL)
                                 : INVALID_HANDLE_VALUE;
        EXPECT_EQ(step.cx != 0, bmp.LoadBitmap(strFile) != FALSE);
        if (hHeld != INVALID_HANDLE_VALUE) ::CloseHandle(hHeld);
        EXPECT_EQ(step.cx, bmp.GetWidth());
        if (step.cx == 0) continue;
        EXPECT_EQ(step.clr, BitsPixel(bmp.GetBits(), step.cx, step.cx - 1, 1));
        // Each load owns pixels of its own: no two loads share a bitmap.
        for (const CQVBitmap& earlier : loads)
            EXPECT_NE(earlier.GetSafeHandle(), bmp.GetSafeHandle());
        loads.push_back(bmp);
    }
    // The first load's pixels are its own: later loads of the file did not touch them.
    ASSERT_FALSE(loads.empty());
    EXPECT_EQ(kRed, BitsPixel(loads[0].GetBits(), 3, 2, 1));
}

TEST(CQVBitmapLoad, RepeatedLoadsAndDrawsLeakNoGdiObjects) {
    riztest::Surface s(64, 64);
    CAttachedDC dc(s.Dc());
    {
        CQVBitmap warm;
        warm.LoadBitmap(ImagePath(_T("alpha.png")));
        warm.TransparentDrawFill(&dc, CRect(0, 0, 30, 9), kMagenta);
    }
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 40; ++i) {
        CQVBitmap bmp;
        bmp.LoadBitmap(ImagePath(i % 2 ? _T("frames4.bmp") : _T("alpha.png")));
        bmp.LoadBitmap(ImagePath(_T("huge.png")));
        bmp.LoadBitmap(ImagePath(_T("frames4.bmp")));
        bmp.SetMultiState(4);
        bmp.SetFillParam(1, 1);
        CQVBitmap copy = bmp;
        bmp.Draw(&dc, 0, 0, 1);
        bmp.Draw(&dc, 0, 0, 20, 9, 2);
        bmp.TransparentDraw(&dc, 0, 0, kMagenta, 3);
        bmp.TransparentDraw(&dc, 0, 0, 9, 3, kMagenta, 3);
        bmp.DrawFill(&dc, CRect(0, 0, 33, 7), 0);
        bmp.TransparentDrawFill(&dc, CRect(0, 0, 33, 7), kMagenta, 1);
        bmp.TransparentDrawPart(&dc, CRect(0, 0, 8, 8), CRect(1, 1, 3, 3), kMagenta, 2);
        bmp.Pave(&dc, CRect(0, 0, 64, 64), 1);
        CRgn rgn;
        bmp.CreateBitmapRgn(rgn, kMagenta, 0, 1);
        bmp.CreateBitmapRgn(rgn, kMagenta, 1, 1);  // replaces the region it holds
        HBITMAP hDetached = copy.DetachBitmap();
        ::DeleteObject(hDetached);
        bmp.AttachBitmap(riztest::Dib(
            3, 3, [](int, int) { return kRed; }, 24));
    }
    EXPECT_EQ(0, before.GdiDelta());
}

TEST(CQVBitmapFrames, EachFrameDrawsItsOwnPixels) {
    CQVBitmap bmp = FourFrames();
    const COLORREF colours[] = {kRed, kGreen, kBlue, kYellow};
    for (int f = 0; f < 4; ++f) {
        riztest::Surface s(10, 10, kWhite);
        CAttachedDC dc(s.Dc());
        bmp.Draw(&dc, 3, 2, f);
        EXPECT_EQ(16, CountExact(s, colours[f])) << f;
        EXPECT_EQ("", s.WrongPixels({{3, 2, colours[f]}, {6, 5, colours[f]}, {7, 2, kWhite}})) << f;
    }
}

TEST(CQVBitmapFrames, VerticalFramesAreStackedRows) {
    CQVBitmap bmp;
    bmp.AttachBitmap(riztest::Dib(
        4, 9, [](int, int y) { return y < 3 ? kRed : (y < 6 ? kGreen : kBlue); }, 24));
    bmp.SetMultiState(3, FALSE);
    EXPECT_FALSE(bmp.IsHorzMultiState());
    EXPECT_EQ(CRect(0, 0, 4, 3), bmp.GetSrcImageRect());
    riztest::Surface s(6, 6, kWhite);
    CAttachedDC dc(s.Dc());
    bmp.Draw(&dc, 0, 0, 2);
    EXPECT_EQ(12, CountExact(s, kBlue));
    EXPECT_EQ(0, CountExact(s, kRed));
}

TEST(CQVBitmapFrames, MissingFramesEmptyImagesAndEmptyTargetsDrawNothing) {
    riztest::Surface s(20, 20, kWhite);
    CAttachedDC dc(s.Dc());
    // Every way of drawing one frame; none finds pixels to draw or a region to build.
    auto drawAll = [&](const CQVBitmap& bmp, int f) {
        bmp.Draw(&dc, 0, 0, f);
        bmp.Draw(&dc, 0, 0, 10, 10, f);
        bmp.TransparentDraw(&dc, 0, 0, kMagenta, f);
        bmp.TransparentDraw(&dc, 0, 0, 8, 8, kMagenta, f);
        bmp.DrawFill(&dc, CRect(0, 0, 20, 20), f);
        bmp.TransparentDrawFill(&dc, CRect(0, 0, 20, 20), kMagenta, f);
        bmp.TransparentDrawPart(&dc, CRect(0, 0, 5, 5), CRect(0, 0, 2, 2), kMagenta, f);
        bmp.Pave(&dc, CRect(0, 0, 20, 20), f);
        CRgn rgn;
        EXPECT_FALSE(bmp.CreateBitmapRgn(rgn, kMagenta, 1, f)) << f;
        EXPECT_EQ(nullptr, rgn.GetSafeHandle());
    };
    CQVBitmap bmp = FourFrames();
    bmp.SetFillParam(1, 1);
    for (int f : {-1, 4, 100, INT_MIN, INT_MAX})
        drawAll(bmp, f);

    // An image narrower than its frame count has no frame at all.
    CQVBitmap narrow;
    narrow.AttachBitmap(riztest::Dib(
        3, 4, [](int, int) { return kRed; }, 24));
    narrow.SetMultiState(4);
    EXPECT_TRUE(narrow.GetSrcImageRect().IsRectEmpty());
    drawAll(narrow, 0);

    CQVBitmap empty;
    empty.SetMultiState(0);
    EXPECT_EQ(1, empty.GetMultiState());
    EXPECT_TRUE(empty.IsNull());
    EXPECT_EQ(nullptr, empty.GetSafeHandle());
    EXPECT_EQ(nullptr, empty.DetachBitmap());
    BITMAP bm;
    memset(&bm, 0xCC, sizeof(bm));
    EXPECT_FALSE(empty.GetBITMAP(&bm));
    EXPECT_EQ(0, bm.bmWidth);
    EXPECT_EQ(nullptr, bm.bmBits);
    drawAll(empty, 0);

    const CRect empties[] = {CRect(5, 5, 5, 15), CRect(5, 5, 15, 5), CRect(10, 10, 2, 2), CRect(0, 0, 0, 0)};
    for (const CRect& rc : empties) {
        bmp.DrawFill(&dc, rc, 0);
        bmp.TransparentDrawFill(&dc, rc, kMagenta, 0);
        bmp.Pave(&dc, rc, 0);
        bmp.TransparentDrawPart(&dc, rc, CRect(0, 0, 2, 2), kMagenta, 0);
        bmp.TransparentDrawPart(&dc, CRect(0, 0, 4, 4), rc, kMagenta, 0);
    }
    bmp.Draw(&dc, 0, 0, 0, 10, 0);
    bmp.Draw(&dc, 0, 0, -4, 4, 0);
    bmp.TransparentDraw(&dc, 0, 0, 4, 0, kMagenta, 0);
    bmp.Draw(nullptr, 0, 0, 0);
    bmp.DrawFill(nullptr, CRect(0, 0, 5, 5), 0);
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 20, 20), kWhite, 0));
}

TEST(CQVBitmapKey, KeyColourNeverReachesTheTarget) {
    CQVBitmap bmp = KeyedFrames();
    riztest::Surface s(40, 40, kGreen);
    CAttachedDC dc(s.Dc());
    bmp.TransparentDraw(&dc, 1, 1, kMagenta, 0);
    bmp.TransparentDraw(&dc, 10, 1, kMagenta, 1);
    EXPECT_EQ(0, CountExact(s, kMagenta));
    EXPECT_EQ(16, CountExact(s, kRed));
    EXPECT_EQ(16, CountExact(s, kBlue));
    // The ring pixel (1, 1) shows the background.
    EXPECT_EQ("", s.WrongPixels({{1, 1, kGreen}, {2, 2, kRed}, {11, 2, kBlue}}));
}

TEST(CQVBitmapKey, StretchedKeyDrawsBlendNothingIntoTheTarget) {
    CQVBitmap bmp = KeyedFrames();
    const CSize sizes[] = {CSize(17, 23), CSize(3, 4), CSize(6, 40), CSize(1, 1), CSize(5, 6)};
    for (CSize size : sizes) {
        riztest::Surface s(40, 40, kGreen);
        CAttachedDC dc(s.Dc());
        bmp.TransparentDraw(&dc, 0, 0, size.cx, size.cy, kMagenta, 1);
        EXPECT_EQ(0, CountExact(s, kMagenta)) << size.cx << "x" << size.cy;
        EXPECT_EQ(40 * 40, CountExact(s, kGreen) + CountExact(s, kBlue)) << size.cx << "x" << size.cy;
        EXPECT_FALSE(s.HasOtherThan(CRect(size.cx, 0, 40, 40), kGreen, 0));
    }
    riztest::Surface big(40, 40, kGreen);
    CAttachedDC dc(big.Dc());
    bmp.TransparentDraw(&dc, 0, 0, 30, 30, kMagenta, 0);
    EXPECT_EQ("", big.WrongPixels({{2, 2, kGreen}, {15, 15, kRed}}));  // the stretched ring is 5 pixels wide
    EXPECT_EQ(400, CountExact(big, kRed));
}

TEST(CQVBitmapKey, TargetPixelsUnderTheKeyKeepEveryBit) {
    // A target whose pixels carry a value in their fourth byte too.
    HBITMAP hTarget = riztest::Dib(16, 16, [](int, int) { return kBlack; });
    DIBSECTION ds = {};
    ASSERT_EQ(int(sizeof(ds)), ::GetObject(hTarget, sizeof(ds), &ds));
    DWORD* pPixels = static_cast<DWORD*>(ds.dsBm.bmBits);
    for (int i = 0; i < 16 * 16; ++i)
        pPixels[i] = 0x8012AB34;
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hTarget);
    {
        CAttachedDC dc(hDC);
        CQVBitmap bmp = KeyedFrames();
        bmp.TransparentDraw(&dc, 0, 0, kMagenta, 0);
        bmp.TransparentDraw(&dc, 0, 8, 12, 8, kMagenta, 1);
    }
    ::GdiFlush();
    EXPECT_EQ(0x8012AB34u, pPixels[0]);           // ring of frame 0
    EXPECT_EQ(0x8012AB34u, pPixels[5 * 16 + 5]);  // its far corner
    EXPECT_EQ(0x8012AB34u, pPixels[8 * 16 + 0]);  // ring of the stretched frame 1
    EXPECT_EQ(0x8012AB34u, pPixels[15 * 16 + 11]);
    EXPECT_EQ(0x00FF0000u, pPixels[1 * 16 + 1] & 0xFFFFFF);   // the red face
    EXPECT_EQ(0x000000FFu, pPixels[12 * 16 + 5] & 0xFFFFFF);  // the blue face
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::DeleteObject(hTarget);
}

TEST(CQVBitmapKey, KeyWorksThroughAViewportOffsetAndClipping) {
    CQVBitmap bmp = KeyedFrames();
    riztest::Surface s(30, 30, kGreen);
    CAttachedDC dc(s.Dc());
    dc.SetViewportOrg(10, 10);
    dc.IntersectClipRect(CRect(0, 0, 8, 30));
    bmp.TransparentDraw(&dc, 0, 0, 12, 12, kMagenta, 0);
    EXPECT_EQ(0, CountExact(s, kMagenta));
    EXPECT_EQ("", s.WrongPixels({{12, 12, kRed}, {18, 12, kGreen}, {10, 10, kGreen}}));  // (18, 12) clipped
}

TEST(CQVBitmapFill, EdgesStayOneToOneAndTheMiddleStretches) {
    CQVBitmap bmp = EdgeFrame();
    riztest::Surface s(50, 10, kWhite);
    CAttachedDC dc(s.Dc());
    bmp.DrawFill(&dc, CRect(5, 2, 45, 8), 0);
    for (int y = 2; y < 8; ++y)
        EXPECT_EQ("", s.WrongPixels(
                          {{7, y, kRed}, {8, y, kGreen}, {41, y, kGreen}, {42, y, kBlue}, {44, y, kBlue}}));
    // No key: the magenta pixel is drawn as it is.
    EXPECT_EQ("", s.WrongPixels(
                      {{5, 2, kMagenta}, {4, 5, kWhite}, {45, 5, kWhite}, {20, 1, kWhite}, {20, 8, kWhite}}));
}

TEST(CQVBitmapFill, TransparentFillLeavesTheKeyOut) {
    CQVBitmap bmp = EdgeFrame();
    riztest::Surface s(50, 10, kYellow);
    CAttachedDC dc(s.Dc());
    bmp.TransparentDrawFill(&dc, CRect(5, 2, 45, 10), kMagenta, 0);
    EXPECT_EQ(0, CountExact(s, kMagenta));
    // 4 rows stretched to 8: the key covers two rows.
    EXPECT_EQ("",
              s.WrongPixels({{5, 2, kYellow}, {5, 3, kYellow}, {5, 4, kRed}, {6, 2, kRed}, {44, 9, kBlue}}));
}

TEST(CQVBitmapFill, TargetNarrowerThanTheEdgesKeepsTheOuterPartsInsideTheRectangle) {
    CQVBitmap bmp = EdgeFrame();
    for (int nWidth : {1, 2, 4, 5, 6}) {
        riztest::Surface s(20, 6, kWhite);
        CAttachedDC dc(s.Dc());
        bmp.DrawFill(&dc, CRect(5, 1, 5 + nWidth, 5), 0);
        EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 5, 6), kWhite, 0)) << nWidth;
        EXPECT_FALSE(s.HasOtherThan(CRect(5 + nWidth, 0, 20, 6), kWhite, 0)) << nWidth;
        EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 20, 1), kWhite, 0)) << nWidth;
        EXPECT_FALSE(s.HasOtherThan(CRect(0, 5, 20, 6), kWhite, 0)) << nWidth;
        EXPECT_EQ(0, CountExact(s, kGreen)) << nWidth;
        EXPECT_EQ(kBlue, s.Pixel(5 + nWidth - 1, 3)) << nWidth;
        if (nWidth >= 2) {
            EXPECT_EQ(kRed, s.Pixel(5, 3)) << nWidth;
        }
    }
}

TEST(CQVBitmapFill, OddFillParametersStayInsideTheFrame) {
    CQVBitmap bmp = EdgeFrame();
    riztest::Surface s(40, 6, kWhite);
    CAttachedDC dc(s.Dc());
    bmp.SetFillParam(8, 8);  // edges wider than the frame: they share it
    bmp.DrawFill(&dc, CRect(0, 0, 30, 4), 0);
    EXPECT_EQ("", s.WrongPixels({{1, 2, kRed}, {29, 2, kBlue}}));
    EXPECT_FALSE(s.HasOtherThan(CRect(30, 0, 40, 6), kWhite, 0));
    bmp.SetFillParam(-5, 100);
    bmp.DrawFill(&dc, CRect(0, 0, 30, 4), 0);
    EXPECT_FALSE(s.HasOtherThan(CRect(30, 0, 40, 6), kWhite, 0));
    EXPECT_EQ(kBlue, s.Pixel(29, 2));
}

TEST(CQVBitmapFill, ModeZeroStretchesTheWholeFrame) {
    CQVBitmap bmp = EdgeFrame();
    bmp.SetFillParam(3, 3, 0);
    riztest::Surface s(20, 4, kWhite);
    CAttachedDC dc(s.Dc());
    bmp.DrawFill(&dc, CRect(0, 0, 20, 4), 0);
    EXPECT_EQ("", s.WrongPixels({{5, 2, kRed}, {6, 2, kGreen}, {13, 2, kGreen}, {14, 2, kBlue}}));
}

TEST(CQVBitmapPave, TilesTheFrameAndClipsAtTheRectangle) {
    // Frame 1 of a two-frame strip is a 3 x 2 pattern of distinct colours.
    auto colour = [](int x, int y) { return RGB(40 * x + 1, 100 * y + 1, 9); };
    CQVBitmap bmp;
    bmp.AttachBitmap(
        riztest::Dib(6, 2, Frames(3, [&](int f, int x, int y) { return f ? colour(x, y) : kBlack; }), 24));
    bmp.SetMultiState(2);
    riztest::Surface s(30, 20, kWhite);
    CAttachedDC dc(s.Dc());
    bmp.Pave(&dc, CRect(4, 3, 14, 10), 1);
    for (int y = 3; y < 10; ++y)
        for (int x = 4; x < 14; ++x)
            ASSERT_EQ(colour((x - 4) % 3, (y - 3) % 2), s.Pixel(x, y)) << x << "," << y;
    EXPECT_FALSE(s.HasOtherThan(CRect(14, 0, 30, 20), kWhite, 0));
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 10, 30, 20), kWhite, 0));
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 4, 20), kWhite, 0));
}

TEST(CQVBitmapPave, SmallFrameOverALargeAreaTilesExactly) {
    CQVBitmap bmp;
    bmp.AttachBitmap(riztest::Dib(
        2, 3, [](int x, int y) { return RGB(x * 200, y * 100, 50); }, 24));
    riztest::Surface s(600, 500, kWhite);
    CAttachedDC dc(s.Dc());
    bmp.Pave(&dc, CRect(1, 1, 598, 497), 0);
    for (int y = 1; y < 497; y += 7)
        for (int x = 1; x < 598; x += 5)
            ASSERT_EQ(RGB(((x - 1) % 2) * 200, ((y - 1) % 3) * 100, 50), s.Pixel(x, y)) << x << "," << y;
    EXPECT_EQ("", s.WrongPixels({{597, 495, RGB(0, 200, 50)}, {598, 100, kWhite}, {100, 497, kWhite}}));
}

TEST(CQVBitmapPart, PartOfAFrameStretchesWithoutTheKey) {
    CQVBitmap bmp = KeyedFrames();
    riztest::Surface s(30, 30, kGreen);
    CAttachedDC dc(s.Dc());
    // The top-left 2 x 2 of frame 1: one key row and column, then blue.
    bmp.TransparentDrawPart(&dc, CRect(0, 0, 8, 8), CRect(0, 0, 2, 2), kMagenta, 1);
    EXPECT_EQ(0, CountExact(s, kMagenta));
    EXPECT_EQ("", s.WrongPixels({{3, 3, kGreen}, {4, 4, kBlue}, {7, 7, kBlue}}));
    EXPECT_EQ(16, CountExact(s, kBlue));
    // A source reaching past the frame is cut, and the target with it.
    riztest::Surface t(30, 30, kGreen);
    CAttachedDC dt(t.Dc());
    bmp.TransparentDrawPart(&dt, CRect(0, 0, 20, 10), CRect(3, 1, 13, 6), kMagenta, 0);
    EXPECT_EQ(0, CountExact(t, kBlue));  // nothing of frame 1
    EXPECT_EQ(kRed, t.Pixel(0, 0));
    EXPECT_FALSE(t.HasOtherThan(CRect(6, 0, 30, 30), kGreen, 0));
}

TEST(CQVBitmapRegion, RegionOfKeyPixelsInFrameCoordinates) {
    // Frame 1 (8 x 6): magenta 3 x 2 block at the top left and the bottom-right pixel.
    CQVBitmap bmp;
    bmp.AttachBitmap(riztest::Dib(16, 6,
                                  Frames(8,
                                         [](int f, int x, int y) {
                                             bool bKey = f == 1 && ((x < 3 && y < 2) || (x == 7 && y == 5));
                                             return bKey ? kMagenta : kBlue;
                                         }),
                                  24));
    bmp.SetMultiState(2);
    CRgn rgn;
    ASSERT_TRUE(bmp.CreateBitmapRgn(rgn, kMagenta, 1, 1));
    CRgn inverse;
    ASSERT_TRUE(bmp.CreateBitmapRgn(inverse, kMagenta, 0, 1));
    // Frame coordinates: nothing beyond the frame (10, 0).
    const struct {
        int x, y;
        bool bKey;
    } points[] = {{0, 0, true},  {2, 1, true},  {7, 5, true}, {1, 1, true},
                  {3, 0, false}, {0, 2, false}, {6, 5, false}};
    for (const auto& pt : points) {
        EXPECT_EQ(pt.bKey, bool(rgn.PtInRegion(pt.x, pt.y))) << pt.x << "," << pt.y;
        EXPECT_EQ(!pt.bKey, bool(inverse.PtInRegion(pt.x, pt.y))) << pt.x << "," << pt.y;
    }
    EXPECT_FALSE(rgn.PtInRegion(10, 0));
    CRect rcBox;
    rgn.GetRgnBox(&rcBox);
    EXPECT_EQ(CRect(0, 0, 8, 6), rcBox);

    CRgn none;
    ASSERT_TRUE(bmp.CreateBitmapRgn(none, kMagenta, 1, 0));
    EXPECT_EQ(NULLREGION, none.GetRgnBox(&rcBox));
}

TEST(CQVBitmapRegion, LargeNoisyMaskIsBuiltExactly) {
    const int n = 512;
    auto isKey = [](int x, int y) { return ((x * 7 + y * 13) % 5) < 2 || (x / 32 + y / 32) % 2 == 0; };
    CQVBitmap bmp;
    bmp.AttachBitmap(riztest::Dib(
        n, n, [&](int x, int y) { return isKey(x, y) ? kMagenta : kWhite; }, 24));
    CRgn rgn;
    ASSERT_TRUE(bmp.CreateBitmapRgn(rgn, kMagenta, 1, 0));
    for (int y = 0; y < n; y += 3)
        for (int x = 0; x < n; x += 5)
            ASSERT_EQ(isKey(x, y), bool(rgn.PtInRegion(x, y))) << x << "," << y;
}

TEST(CQVBitmapPixels, AttachConvertsAndFreesTheHandle) {
    HBITMAP h24 = riztest::Dib(
        4, 2, [](int x, int) { return x ? kGreen : kRed; }, 24);
    CQVBitmap bmp;
    ASSERT_TRUE(bmp.AttachBitmap(h24));
    EXPECT_EQ(0u, ::GetObjectType(h24));  // converted and freed
    EXPECT_EQ(kRed, BitsPixel(bmp.GetBits(), 4, 0, 1));
    EXPECT_EQ(kGreen, BitsPixel(bmp.GetBits(), 4, 3, 0));

    // A screen-compatible bitmap converts too.
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hDdb = ::CreateCompatibleBitmap(hScreen, 3, 3);
    ::ReleaseDC(NULL, hScreen);
    ASSERT_TRUE(bmp.AttachBitmap(hDdb));
    EXPECT_EQ(3, bmp.GetWidth());

    // A detached image attaches again with the same pixels; the handle given is freed.
    HBITMAP hOwn = bmp.DetachBitmap();
    EXPECT_TRUE(bmp.IsNull());
    ASSERT_NE(nullptr, hOwn);
    CQVBitmap other;
    ASSERT_TRUE(other.AttachBitmap(riztest::Dib(
        2, 2, [](int x, int y) { return x == y ? kBlue : kRed; }, 24)));
    HBITMAP hOther = other.DetachBitmap();
    ASSERT_TRUE(bmp.AttachBitmap(hOther));
    EXPECT_EQ(0u, ::GetObjectType(hOther));
    EXPECT_EQ(kBlue, BitsPixel(bmp.GetBits(), 2, 1, 1));
    EXPECT_EQ(kRed, BitsPixel(bmp.GetBits(), 2, 1, 0));
    EXPECT_TRUE(bmp.AttachBitmap(NULL));
    EXPECT_TRUE(bmp.IsNull());
    ::DeleteObject(hOwn);
}

TEST(CQVBitmapPixels, CopiesSharePixelsAndDetachNeverTakesThemFromACopy) {
    CQVBitmap bmp = FourFrames();
    CQVBitmap copy(bmp);
    EXPECT_EQ(bmp.GetBits(), copy.GetBits());
    EXPECT_EQ(4, copy.GetMultiState());
    copy.SetMultiState(2);
    EXPECT_EQ(4, bmp.GetMultiState());

    HBITMAP hDetached = bmp.DetachBitmap();
    ASSERT_NE(nullptr, hDetached);
    EXPECT_NE(hDetached, copy.GetSafeHandle());
    EXPECT_TRUE(bmp.IsNull());
    riztest::Surface s(10, 10, kWhite);
    CAttachedDC dc(s.Dc());
    copy.Draw(&dc, 0, 0, 1);  // frame 1 of two 8-pixel frames: blue then yellow
    EXPECT_EQ("", s.WrongPixels({{0, 0, kBlue}, {7, 3, kYellow}}));
    DIBSECTION ds = {};
    ASSERT_EQ(int(sizeof(ds)), ::GetObject(hDetached, sizeof(ds), &ds));
    EXPECT_EQ(16, ds.dsBm.bmWidth);
    ::DeleteObject(hDetached);

    // Loading into one object leaves the pixels of its copies alone.
    CQVBitmap other = copy;
    ASSERT_TRUE(other.LoadBitmap(ImagePath(_T("alpha.png"))));
    EXPECT_EQ(16, copy.GetWidth());
    EXPECT_EQ(4, other.GetWidth());
    other = copy;
    EXPECT_EQ(copy.GetBits(), other.GetBits());
}
