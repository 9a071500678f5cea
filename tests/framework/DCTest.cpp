// Device contexts: lifetime and handle map, selections, attributes, coordinates, clipping and output
// read back from memory surfaces and windows.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>

#include "FrameworkHost.h"
#include "FrameworkKit.h"
#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "TestWindow.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(220, 20, 20);
const COLORREF kGreen = RGB(20, 200, 40);
const COLORREF kBlue = RGB(30, 40, 210);

using riztest::FreeTemporaries;

// A memory DC holding a cx × cy bitmap compatible with pDC, filled with one colour.
struct MemoryImage {
    CDC dc;
    CBitmap bitmap;
    CBitmap* pOld = nullptr;

    MemoryImage(CDC* pDC, int cx, int cy, COLORREF fill) {
        dc.CreateCompatibleDC(pDC);
        bitmap.CreateCompatibleBitmap(pDC, cx, cy);
        pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cx, cy, fill);
    }
    ~MemoryImage() { dc.SelectObject(pOld); }
};

// Pixels of two surfaces are the same everywhere.
bool SameImage(const riztest::Surface& a, const riztest::Surface& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

}  // namespace

// ---- Lifetime and handle map ----

TEST(CDCLifetime, CreatedDCsAndSelectionsAreReleased) {
    ::ReleaseDC(NULL, ::GetDC(NULL));
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 30; ++i) {
        CDC screen;
        ASSERT_TRUE(screen.CreateDC(_T("DISPLAY"), nullptr, nullptr, nullptr));
        CDC mem;
        ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 8, 8));
        CPen pen(PS_SOLID, 1, RGB(i, 0, 0));
        CBitmap* pOldBitmap = mem.SelectObject(&bitmap);
        CPen* pOldPen = mem.SelectObject(&pen);
        mem.Rectangle(0, 0, 8, 8);
        mem.SelectObject(pOldPen);
        mem.SelectObject(pOldBitmap);

        CDC ic;
        ASSERT_TRUE(ic.CreateIC(_T("DISPLAY"), nullptr, nullptr, nullptr));
        CDC deleted;
        ASSERT_TRUE(deleted.CreateCompatibleDC(nullptr));
        EXPECT_TRUE(deleted.DeleteDC());
        EXPECT_FALSE(deleted.DeleteDC());

        CClientDC screenDC(nullptr);
        EXPECT_GT(screenDC.GetDeviceCaps(HORZRES), 0);
    }
    FreeTemporaries();
    EXPECT_EQ(before.GdiDelta(), 0);
}

// The handle map itself is in HandleMapTest; a DC's object sets its attribute handle too.
TEST(CDCHandleMap, AttachAndTemporariesSetBothHandles) {
    HDC hDC = ::CreateCompatibleDC(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.Attach(hDC));
    EXPECT_EQ(dc.m_hAttribDC, hDC);
    EXPECT_EQ(dc.Detach(), hDC);
    EXPECT_EQ(dc.m_hAttribDC, nullptr);
    EXPECT_EQ(CDC::FromHandle(hDC)->m_hAttribDC, hDC);
    FreeTemporaries();
    ::DeleteDC(hDC);
}

// ---- Selections ----

TEST(CDCSelect, SelectObjectAnswersThePreviousObject) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue);
    CPen* pOldPen = dc.SelectObject(&red);
    ASSERT_NE(pOldPen, nullptr);
    EXPECT_EQ(pOldPen->m_hObject, ::GetStockObject(BLACK_PEN));  // a temporary for the stock pen
    EXPECT_EQ(dc.SelectObject(&blue), &red);
    EXPECT_EQ(dc.GetCurrentPen(), &blue);
    EXPECT_EQ(dc.SelectObject(pOldPen), &blue);

    CBrush brush(kGreen);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    EXPECT_EQ(pOldBrush->m_hObject, ::GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(dc.SelectStockObject(NULL_BRUSH), &brush);
    EXPECT_EQ(dc.GetCurrentBrush()->m_hObject, ::GetStockObject(NULL_BRUSH));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, _T("Arial")));
    CFont* pOldFont = dc.SelectObject(&font);
    ASSERT_NE(pOldFont, nullptr);
    EXPECT_TRUE(pOldFont->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(dc.GetCurrentFont(), &font);
    EXPECT_EQ(dc.SelectObject(pOldFont), &font);

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 1, nullptr));
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    ASSERT_NE(pOldBitmap, nullptr);
    EXPECT_EQ(pOldBitmap->GetObjectType(), static_cast<UINT>(OBJ_BITMAP));  // the DC's initial bitmap
    EXPECT_EQ(dc.GetCurrentBitmap(), &bitmap);

    CRgn rgn;
    rgn.CreateRectRgn(1, 1, 3, 3);
    EXPECT_EQ(dc.SelectObject(&rgn), SIMPLEREGION);  // a region selects as the clipping region
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(1, 1, 3, 3));
    EXPECT_EQ(dc.SelectObject(pOldBitmap), &bitmap);
    FreeTemporaries();
}

TEST(CDCSelect, SettersReachBothOutputAndAttributeDCs) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HDC hAttrib = ::CreateCompatibleDC(nullptr);
    dc.SetAttribDC(hAttrib);

    ::SetTextColor(hAttrib, kGreen);
    EXPECT_EQ(dc.SetTextColor(kRed), kGreen);  // the attribute DC's previous value
    EXPECT_EQ(::GetTextColor(dc.m_hDC), kRed);
    EXPECT_EQ(::GetTextColor(hAttrib), kRed);
    dc.SetBkMode(TRANSPARENT);
    EXPECT_EQ(::GetBkMode(dc.m_hDC), TRANSPARENT);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    dc.SetViewportOrg(3, 4);
    POINT org = {};
    ::GetViewportOrgEx(dc.m_hDC, &org);
    EXPECT_EQ(CPoint(org), CPoint(3, 4));
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(3, 4));

    // Queries come from the attribute DC alone.
    ::SetROP2(hAttrib, R2_XORPEN);
    EXPECT_EQ(dc.GetROP2(), R2_XORPEN);

    const int nSaved = dc.SaveDC();
    EXPECT_EQ(nSaved, -1);  // two save stacks: only the latest state can be restored
    dc.SetMapMode(MM_LOMETRIC);
    EXPECT_TRUE(dc.RestoreDC(nSaved));
    EXPECT_EQ(::GetMapMode(dc.m_hDC), MM_TEXT);
    EXPECT_EQ(::GetMapMode(hAttrib), MM_TEXT);

    dc.ReleaseAttribDC();
    dc.SetAttribDC(dc.m_hDC);
    ::DeleteDC(hAttrib);
}

// ---- Filling and frames ----

TEST(CDCDraw, FillSolidRectFillsAndLeavesTheBackgroundColour) {
    riztest::Surface s(40, 30);
    CDC* pDC = CDC::FromHandle(s.Dc());
    pDC->FillSolidRect(CRect(5, 5, 15, 10), kRed);
    EXPECT_EQ(s.CountNear(CRect(0, 0, 40, 30), kRed, 0), 50);
    EXPECT_EQ(s.Pixel(5, 5), kRed);
    EXPECT_EQ(s.Pixel(15, 5), kWhite);
    EXPECT_EQ(pDC->GetBkColor(), kRed);

    pDC->FillSolidRect(20, 20, 3, 2, kGreen);
    EXPECT_EQ(s.CountNear(CRect(0, 0, 40, 30), kGreen, 0), 6);
    EXPECT_EQ(s.Pixel(22, 21), kGreen);
    FreeTemporaries();
}

TEST(CDCDraw, Draw3dRectGivesRightAndBottomEdgesTheSecondColour) {
    riztest::Surface s(30, 30);
    CDC* pDC = CDC::FromHandle(s.Dc());
    pDC->Draw3dRect(CRect(5, 5, 15, 15), kRed, kBlue);

    // The top and left edges in the first colour; the top-right corner belongs to the right edge, the
    // bottom-left one to the bottom edge.
    // clang-format off
    EXPECT_EQ("", s.WrongPixels({{5, 5, kRed}, {13, 5, kRed}, {5, 13, kRed}, {14, 5, kBlue}, {14, 10, kBlue},
                                 {14, 14, kBlue}, {5, 14, kBlue}, {10, 14, kBlue}, {10, 10, kWhite}, {15, 10, kWhite}}));
    // clang-format on
    EXPECT_EQ(s.CountNear(CRect(0, 0, 30, 30), kRed, 0) + s.CountNear(CRect(0, 0, 30, 30), kBlue, 0), 36);

    pDC->Draw3dRect(20, 20, 5, 3, kGreen, kGreen);
    EXPECT_EQ(s.CountNear(CRect(20, 20, 25, 23), kGreen, 0), 12);  // 5 x 3: the middle row has two
    FreeTemporaries();
}

TEST(CDCDraw, DrawDragRectInvertsAHalftoneFrameAndMovesItByDifference) {
    riztest::Surface s(60, 60);
    CDC* pDC = CDC::FromHandle(s.Dc());
    const CRect first(10, 10, 40, 40);
    const CSize thick(3, 3);
    pDC->DrawDragRect(&first, thick, nullptr, thick);

    // Half of the frame's pixels are inverted (white to black), in a checkerboard; inside stays.
    EXPECT_EQ(s.CountNear(CRect(10, 10, 40, 13), RGB(0, 0, 0), 0), 45);
    EXPECT_NE(s.Pixel(10, 10), s.Pixel(11, 10));
    EXPECT_EQ(s.CountNear(CRect(13, 13, 37, 37), kWhite, 0), 24 * 24);
    EXPECT_EQ(s.Pixel(9, 9), kWhite);
    EXPECT_EQ(pDC->GetBkColor(), kWhite);  // the DC's state is restored

    // Moving the frame leaves exactly what drawing the new frame alone would.
    const CRect second(20, 15, 50, 45);
    pDC->DrawDragRect(&second, thick, &first, thick);
    riztest::Surface expected(60, 60);
    CDC* pExpected = CDC::FromHandle(expected.Dc());
    pExpected->DrawDragRect(&second, thick, nullptr, thick);
    EXPECT_TRUE(SameImage(s, expected));

    // An empty new rectangle erases the last frame.
    pDC->DrawDragRect(CRect(0, 0, 0, 0), CSize(0, 0), &second, thick);
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, 60, 60), kWhite, 0));

    // A solid white brush inverts every frame pixel.
    CBrush white(kWhite);
    pDC->DrawDragRect(&first, CSize(1, 1), nullptr, CSize(1, 1), &white);
    EXPECT_EQ(s.CountNear(CRect(0, 0, 60, 60), RGB(0, 0, 0), 0), 4 * 29);
    FreeTemporaries();
}

// ---- Coordinates and text ----

// Origins shift output and points, extents scale sizes but not by the origin; the rows run in order.
TEST(CDCCoordinates, OriginsShiftAndExtentsScaleInBothDirections) {
    riztest::Surface s(40, 30);
    CDC* pDC = CDC::FromHandle(s.Dc());
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CPoint pt(0, 0), pt2(1, 1);
    CRect rc(12, 7, 20, 9);
    CSize size(10, 10);
    // clang-format off
    riztest::ExpectRows<INT_PTR>({
        ROW(pDC->SetViewportOrg(10, 5) == CPoint(0, 0), TRUE),
        ROW((pDC->FillSolidRect(0, 0, 3, 3, kRed), s.Pixel(10, 5) == kRed && s.Pixel(12, 7) == kRed), TRUE),
        ROW(s.Pixel(9, 5) == kWhite && s.Pixel(13, 7) == kWhite, TRUE),
        ROW(pDC->OffsetViewportOrg(2, 2) == CPoint(10, 5) && pDC->GetViewportOrg() == CPoint(12, 7), TRUE),
        ROW((pDC->LPtoDP(&pt), pt == CPoint(12, 7)), TRUE), ROW((pDC->DPtoLP(&rc), rc == CRect(0, 0, 8, 2)), TRUE),
        ROW((pDC->SetViewportOrg(0, 0), pDC->SetWindowOrg(CPoint(-3, -4))) == CPoint(0, 0), TRUE),
        ROW(pDC->GetWindowOrg() == CPoint(-3, -4), TRUE),
        ROW((pDC->SetPixel(0, 0, kBlue), s.Pixel(3, 4) == kBlue), TRUE),
        ROW(dc.SetMapMode(MM_ANISOTROPIC), MM_TEXT),
        ROW((dc.SetWindowExt(1, 1), dc.SetViewportExt(CSize(3, 2)), dc.SetViewportOrg(100, 100), dc.GetViewportExt()) == CSize(3, 2), TRUE),
        ROW((dc.LPtoDP(&size), size == CSize(30, 20)), TRUE), ROW((dc.DPtoLP(&size), size == CSize(10, 10)), TRUE),
        ROW((dc.LPtoDP(&pt2), pt2 == CPoint(103, 102)), TRUE)});
    // clang-format on
    FreeTemporaries();
}

// The text members agree between their pointer, counted and string forms, and pass the whole text of
// double-byte characters.
TEST(CDCText, OverloadsAgreeDrawGlyphsAndPassTheWholeText) {
    riztest::Surface s(80, 30);
    CDC* pDC = CDC::FromHandle(s.Dc());
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, _T("Arial")));
    CFont* pOld = pDC->SelectObject(&font);
    pDC->SetTextColor(kRed);
    EXPECT_TRUE(pDC->TextOut(2, 2, CString(_T("Hello"))));
    EXPECT_GT(s.CountNear(CRect(0, 0, 80, 30), kRed, 40), 0);
    const CSize hello = pDC->GetTextExtent(_T("Hello"), 5);
    TEXTMETRIC tm = {};
    ASSERT_TRUE(pDC->GetTextMetrics(&tm));
    CRect rc(0, 0, 0, 0);
    CString face;
    const CString text(_T("中文"));
    ASSERT_EQ(text.GetLength(), sizeof(TCHAR) == 1 ? 4 : 2);  // two double-byte characters in GBK
    const CSize whole = pDC->GetTextExtent(text);
    // clang-format off
    riztest::ExpectRows<INT_PTR>({
        ROW(pDC->GetTextExtent(CString(_T("Hello"))) == hello, TRUE), ROW(pDC->GetOutputTextExtent(_T("Hello"), 5) == hello, TRUE),
        ROW(pDC->GetTextExtent(_T("Hel"), 3).cx < hello.cx, TRUE), ROW(pDC->GetTextExtent(_T(""), 0).cx, 0),
        ROW(hello.cy, tm.tmHeight), ROW(pDC->DrawText(CString(_T("Hello")), &rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX), tm.tmHeight),
        ROW(rc.Width(), hello.cx), ROW(pDC->GetTextFace(face) > 0 && !face.IsEmpty(), TRUE),
        ROW(whole == pDC->GetTextExtent(static_cast<LPCTSTR>(text), text.GetLength()), TRUE),
        ROW(whole.cx > pDC->GetTextExtent(text, text.GetLength() / 2).cx, TRUE),
        ROW((rc.SetRectEmpty(), pDC->DrawText(text, &rc, DT_CALCRECT | DT_SINGLELINE), rc.Width()), whole.cx),
        ROW(pDC->TextOut(0, 0, text), TRUE)});
    // clang-format on
    pDC->SelectObject(pOld);
    FreeTemporaries();
}

// ---- Members that forward to one call ----

// Each row draws on a fresh white surface through a member that forwards to one call, then reads two
// pixels placed so that swapped or misplaced arguments (x and y, a size for a corner, the source and
// destination, a brush or region of the wrong object) show.
TEST(CDCForwarding, OutputClipAndBlitMembersPaintWhereTheirArgumentsSay) {
    riztest::Surface probe(1, 1);
    CDC* pProbe = CDC::FromHandle(probe.Dc());
    MemoryImage image(pProbe, 10, 10, kGreen);  // green, red at the origin
    image.dc.SetPixel(0, 0, kRed);
    const COLORREF key = RGB(255, 0, 255);
    MemoryImage keyed(pProbe, 10, 10, key);  // the key around a blue square at (3, 3)
    keyed.dc.FillSolidRect(3, 3, 4, 4, kBlue);
    MemoryImage black(pProbe, 10, 10, RGB(0, 0, 0));
    CBrush red(kRed), blue(kBlue);
    CRgn left, top;
    left.CreateRectRgn(0, 0, 20, 30);
    top.CreateRectRgn(0, 0, 40, 10);
    const COLORREF grey = RGB(127, 127, 127);
    struct Row {
        const char* call;
        std::function<bool(CDC*)> draw;  // true when the member answered success
        CPoint at1;
        COLORREF colour1;
        CPoint at2;
        COLORREF colour2;
    };
    // clang-format off
    const Row rows[] = {
        {"FillRect", [&](CDC* p) { p->FillRect(CRect(2, 3, 9, 20), &red); return true; }, {8, 19}, kRed, {9, 3}, kWhite},
        {"FrameRect", [&](CDC* p) { p->FrameRect(CRect(20, 0, 30, 10), &blue); return true; }, {20, 0}, kBlue, {25, 5}, kWhite},
        {"BitBlt", [&](CDC* p) { return p->BitBlt(5, 6, 10, 10, &image.dc, 0, 0, SRCCOPY) != FALSE; },
            {5, 6}, kRed, {14, 16}, kWhite},
        {"StretchBlt doubles", [&](CDC* p) { return p->StretchBlt(10, 5, 20, 20, &image.dc, 0, 0, 10, 10, SRCCOPY) != FALSE; },
            {11, 6}, kRed, {29, 24}, kGreen},
        {"TransparentBlt skips the key", [&](CDC* p) {
             return p->TransparentBlt(0, 0, 10, 10, &keyed.dc, 0, 0, 10, 10, key) != FALSE; },
            {1, 1}, kWhite, {5, 5}, kBlue},
        {"AlphaBlend mixes", [&](CDC* p) {
             return p->AlphaBlend(20, 0, 10, 10, &black.dc, 0, 0, 10, 10, {AC_SRC_OVER, 0, 128, 0}) != FALSE; },
            {25, 5}, grey, {19, 5}, kWhite},
        {"IntersectClipRect and ExcludeClipRect", [&](CDC* p) {
             CRect box;
             const bool b = p->IntersectClipRect(10, 10, 20, 20) == SIMPLEREGION && p->GetClipBox(&box) == SIMPLEREGION &&
                            box == CRect(10, 10, 20, 20) && p->ExcludeClipRect(CRect(10, 10, 12, 20)) == SIMPLEREGION &&
                            !p->PtVisible(5, 5) && p->RectVisible(CRect(0, 0, 13, 13));
             p->FillSolidRect(0, 0, 40, 30, kGreen);
             return b; }, {12, 19}, kGreen, {11, 15}, kWhite},
        {"SelectClipRgn combines", [&](CDC* p) {
             const bool b = p->SelectClipRgn(&left) == SIMPLEREGION && p->SelectClipRgn(&top, RGN_AND) == SIMPLEREGION;
             p->FillSolidRect(0, 0, 40, 30, kRed);
             return b; }, {19, 9}, kRed, {20, 9}, kWhite},
        {"SelectClipRgn(NULL) removes", [&](CDC* p) {
             const bool b = p->SelectClipRgn(&left) != ERROR && p->SelectClipRgn(nullptr) != ERROR;
             p->FillSolidRect(0, 0, 40, 30, kRed);
             return b; }, {39, 29}, kRed, {0, 30}, kWhite},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.call);
        riztest::Surface s(40, 40);
        CDC* pDC = CDC::FromHandle(s.Dc());
        EXPECT_TRUE(row.draw(pDC));
        EXPECT_TRUE(riztest::ColorNear(s.Pixel(row.at1.x, row.at1.y), row.colour1, 3));
        EXPECT_TRUE(riztest::ColorNear(s.Pixel(row.at2.x, row.at2.y), row.colour2, 3));
        FreeTemporaries();
    }
}

// ---- Window DCs ----

namespace {

WNDPROC g_pfnHostProc = nullptr;
CRect g_rcPainted;
int g_nPaints = 0;

// Paints the host through CPaintDC: the test sees what BeginPaint reported.
LRESULT CALLBACK PaintingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        CWnd wnd;
        wnd.m_hWnd = hWnd;
        {
            CPaintDC dc(&wnd);
            g_rcPainted = dc.m_ps.rcPaint;
            ++g_nPaints;
            dc.FillSolidRect(&dc.m_ps.rcPaint, kGreen);
        }
        wnd.m_hWnd = nullptr;
        return 0;
    }
    return ::CallWindowProc(g_pfnHostProc, hWnd, message, wParam, lParam);
}

}  // namespace

TEST(CWindowDCs, PaintDCPaintsTheInvalidAreaAndValidatesIt) {
    riztest::TestWindow w(100, 80, true);
    g_pfnHostProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtr(w.Host(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PaintingProc)));
    ::UpdateWindow(w.Host());
    g_nPaints = 0;

    const CRect dirty(5, 6, 25, 16);
    ::InvalidateRect(w.Host(), &dirty, FALSE);
    ::UpdateWindow(w.Host());
    EXPECT_EQ(g_nPaints, 1);
    EXPECT_EQ(g_rcPainted, dirty);
    EXPECT_FALSE(::GetUpdateRect(w.Host(), nullptr, FALSE));

    ::SetWindowLongPtr(w.Host(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnHostProc));
}

TEST(CWindowDCs, ClientAndWindowDCsCoverTheirAreasAndAreReleased) {
    riztest::TestWindow w(100, 80, true);
    CWnd frame, host;
    frame.m_hWnd = w.Frame();
    host.m_hWnd = w.Host();
    {
        CClientDC warmUp(&host);
        CWindowDC warmUpWindow(&frame);
    }
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 20; ++i) {
        CClientDC client(&host);
        ASSERT_NE(client.m_hDC, nullptr);
        CRect box;
        client.GetClipBox(&box);
        EXPECT_EQ(box, CRect(0, 0, 100, 80));

        CWindowDC whole(&frame);
        ASSERT_NE(whole.m_hDC, nullptr);
        CRect rcWindow;
        ::GetWindowRect(w.Frame(), &rcWindow);
        whole.GetClipBox(&box);
        EXPECT_EQ(box.Size(), rcWindow.Size());

        CWindowDC screen(nullptr);
        EXPECT_GT(screen.GetDeviceCaps(HORZRES), 0);
    }
    EXPECT_EQ(before.GdiDelta(), 0);
    frame.m_hWnd = nullptr;
    host.m_hWnd = nullptr;
}
