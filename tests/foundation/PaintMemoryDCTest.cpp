// The off-screen paint surface: pixels read back from the target after the surface is destroyed.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "QVPaintMemoryDC.h"
#include "ResourceCounter.h"
#include "TestWindow.h"
#include "TransparentBkg.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(220, 30, 40);
const COLORREF kBlue = RGB(20, 40, 230);

TEST(QVPaintMemoryDC, WindowSurfaceHasTheClientSizeAndIsFilled) {
    riztest::TestWindow window(120, 90);
    riztest::Surface target(200, 150, kWhite);
    {
        CQVPaintMemoryDC dc(CWnd::FromHandle(window.Host()), CDC::FromHandle(target.Dc()), kRed);
        EXPECT_EQ(CSize(120, 90), dc.GetSize());
        EXPECT_EQ(CRect(0, 0, 120, 90), dc.GetTargetRect());
        dc.SetPixel(5, 6, kBlue);
        // Nothing reaches the target before the surface is destroyed.
        EXPECT_EQ(kWhite, target.Pixel(5, 6));
    }
    EXPECT_EQ("", target.WrongPixels(
                      {{5, 6, kBlue}, {0, 0, kRed}, {119, 89, kRed}, {120, 89, kWhite}, {119, 90, kWhite}}));
}

TEST(QVPaintMemoryDC, FillColourZeroLeavesTheSurfaceUncleared) {
    riztest::TestWindow window(40, 30);
    riztest::Surface target(40, 30, kWhite);
    {
        CQVPaintMemoryDC dc(CWnd::FromHandle(window.Host()), CDC::FromHandle(target.Dc()), 0);
        // A fill would have gone through the DC's background colour; it is still the default.
        EXPECT_EQ(kWhite, dc.GetBkColor());
        dc.FillSolidRect(0, 0, 10, 30, kBlue);
    }
    EXPECT_EQ(kBlue, target.Pixel(3, 3));
    // The rest is whatever the surface held (never the white of the target: the whole surface is copied).
    EXPECT_NE(kWhite, target.Pixel(20, 20));
}

TEST(QVPaintMemoryDC, RectangleSurfaceLandsAtTheRectangle) {
    riztest::Surface target(200, 150, kWhite);
    const CRect rc(30, 40, 130, 90);
    {
        CQVPaintMemoryDC dc(CDC::FromHandle(target.Dc()), rc);
        EXPECT_EQ(CSize(100, 50), dc.GetSize());
        dc.FillSolidRect(0, 0, 100, 50, kRed);
        dc.SetPixel(0, 0, kBlue);
        dc.SetPixel(99, 49, kBlue);
    }
    EXPECT_EQ("", target.WrongPixels({{30, 40, kBlue}, {31, 41, kRed}, {129, 89, kBlue}, {29, 40, kWhite}}));
    EXPECT_EQ("", target.WrongPixels({{30, 39, kWhite}, {130, 89, kWhite}, {129, 90, kWhite}}));
}

TEST(QVPaintMemoryDC, CopiesTheWholeSurfaceEvenWithAMovedViewport) {
    riztest::Surface target(60, 40, kWhite);
    {
        CQVPaintMemoryDC dc(CDC::FromHandle(target.Dc()), CRect(0, 0, 60, 40));
        dc.FillSolidRect(0, 0, 60, 40, kRed);
        dc.SetViewportOrg(-25, -15);
    }
    EXPECT_EQ(60 * 40, target.CountNear(CRect(0, 0, 60, 40), kRed, 0));
}

TEST(QVPaintMemoryDC, WithoutTargetAreaOrWindowTheSurfaceWorksAndNothingIsCopied) {
    riztest::TestWindow window(40, 30);
    riztest::Surface target(20, 20, kWhite);
    // Run twice: the first use makes the objects the system creates once; a leak shows in the second.
    auto useSurfaces = [&]() {
        {
            // No target: a surface of the window's size that draws.
            CQVPaintMemoryDC dc(CWnd::FromHandle(window.Host()), nullptr, kRed);
            EXPECT_EQ(CSize(40, 30), dc.GetSize());
            EXPECT_EQ(kRed, dc.GetPixel(39, 29));
        }
        {
            CQVPaintMemoryDC dc(nullptr, CRect(0, 0, 10, 10));
            dc.FillSolidRect(0, 0, 10, 10, kBlue);
            EXPECT_EQ(kBlue, dc.GetPixel(9, 9));
        }
        {
            // No window: usable, with an empty target rectangle.
            CQVPaintMemoryDC dc(nullptr, CDC::FromHandle(target.Dc()), kRed);
            EXPECT_NE(nullptr, dc.GetSafeHdc());
            EXPECT_TRUE(dc.GetTargetRect().IsRectEmpty());
        }
        {
            CQVPaintMemoryDC dc(CDC::FromHandle(target.Dc()), CRect(5, 5, 5, 9));
            dc.FillSolidRect(0, 0, 1, 1, kRed);
        }
    };
    useSurfaces();
    const riztest::ResourceSnapshot before;
    useSurfaces();
    EXPECT_FALSE(target.HasOtherThan(CRect(0, 0, 20, 20), kWhite, 0));
    EXPECT_EQ(0, before.GdiDelta());
}

TEST(QVPaintMemoryDC, CreateAndDestroyLeavesNoGdiObjects) {
    riztest::TestWindow window(400, 300);
    riztest::Surface target(400, 300, kWhite);
    { CQVPaintMemoryDC warm(CWnd::FromHandle(window.Host()), CDC::FromHandle(target.Dc()), kRed); }
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 200; ++i) {
        CQVPaintMemoryDC dc(CWnd::FromHandle(window.Host()), CDC::FromHandle(target.Dc()), kRed);
        CQVPaintMemoryDC part(CDC::FromHandle(target.Dc()), CRect(10, 10, 50, 50));
    }
    EXPECT_EQ(0, before.GdiDelta());
}

// A window that paints the usual way of the library's controls: through the surface, with the parent's
// background under a small mark of its own.
LRESULT CALLBACK SurfacePaintedProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        CWnd* pWnd = CWnd::FromHandle(hWnd);
        CPaintDC paint(pWnd);
        CQVPaintMemoryDC dc(pWnd, &paint, 0);
        DrawTransparentBkg(pWnd, pWnd->GetParent(), &dc);
        dc.FillSolidRect(2, 2, 4, 4, kBlue);
        return 0;
    }
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

LRESULT CALLBACK StripedParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        CRect rc;
        ::GetClientRect(hWnd, &rc);
        // Vertical stripes 10 pixels wide, red and green.
        for (int x = 0; x < rc.right; x += 10)
            pDC->FillSolidRect(x, 0, 10, rc.bottom, (x / 10) % 2 ? RGB(0, 160, 0) : kRed);
        return 1;
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

TEST(QVPaintMemoryDC, ControlShowsItsParentsBackgroundOnScreen) {
    WNDCLASS wc = {};
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.lpfnWndProc = &StripedParentProc;
    wc.lpszClassName = _T("FoundationStripedParent");
    ::RegisterClass(&wc);
    wc.lpfnWndProc = &SurfacePaintedProc;
    wc.lpszClassName = _T("FoundationSurfacePainted");
    ::RegisterClass(&wc);

    riztest::TestWindow window(200, 100, true);
    HWND hParent = ::CreateWindow(_T("FoundationStripedParent"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 200,
                                  100, window.Host(), nullptr, nullptr, nullptr);
    HWND hChild = ::CreateWindow(_T("FoundationSurfacePainted"), _T(""), WS_CHILD | WS_VISIBLE, 15, 20, 40,
                                 30, hParent, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hChild);
    riztest::WindowCapture capture(hChild);
    // Child x 0..4 is parent x 15..19 (green stripe), child x 5..14 parent x 20..29 (red).
    EXPECT_EQ("", capture.WrongPixels({{0, 10, RGB(0, 160, 0)}, {4, 29, RGB(0, 160, 0)}, {5, 10, kRed}}));
    EXPECT_EQ("", capture.WrongPixels({{14, 29, kRed}, {15, 0, RGB(0, 160, 0)}, {3, 3, kBlue}}));
}

}  // namespace
