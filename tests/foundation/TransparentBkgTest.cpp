// The parent's background painted under a control: a parent that paints a known pattern in
// WM_ERASEBKGND, and the pattern read back from the control's surface.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "TestWindow.h"
#include "TransparentBkg.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// The parent's pattern at a point of its client area: 16-pixel cells whose colour names the cell.
COLORREF PatternAt(int x, int y) {
    return RGB((x / 16) * 16, (y / 16) * 16, 77);
}

int g_nErase = 0;
HDC g_hEraseDC = nullptr;

LRESULT CALLBACK PatternParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        ++g_nErase;
        g_hEraseDC = reinterpret_cast<HDC>(wParam);
        CDC* pDC = CDC::FromHandle(g_hEraseDC);
        CRect rc;
        ::GetClientRect(hWnd, &rc);
        for (int y = 0; y < rc.bottom; y += 16)
            for (int x = 0; x < rc.right; x += 16)
                pDC->FillSolidRect(x, y, 16, 16, PatternAt(x, y));
        return 1;
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

class TransparentBkg : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASS wc = {};
        wc.hInstance = ::GetModuleHandle(nullptr);
        wc.lpfnWndProc = &PatternParentProc;
        wc.lpszClassName = _T("FoundationPatternParent");
        ::RegisterClass(&wc);
        m_hParent = ::CreateWindow(_T("FoundationPatternParent"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 200,
                                   180, m_window.Host(), nullptr, nullptr, nullptr);
        // A child with a border: its window rectangle, not its client area, is what the DC stands for.
        m_hChild = ::CreateWindow(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE | WS_BORDER, 37, 53, 60, 40,
                                  m_hParent, nullptr, nullptr, nullptr);
        g_nErase = 0;
        g_hEraseDC = nullptr;
    }

    CWnd* Parent() const { return CWnd::FromHandle(m_hParent); }
    CWnd* Child() const { return CWnd::FromHandle(m_hChild); }

    riztest::TestWindow m_window;
    HWND m_hParent = nullptr;
    HWND m_hChild = nullptr;
};

TEST_F(TransparentBkg, ChildSurfaceShowsTheParentPatternShifted) {
    // A null parent means the window's parent.
    for (CWnd* pParent : {Parent(), static_cast<CWnd*>(nullptr)}) {
        SCOPED_TRACE(pParent ? "parent given" : "no parent given");
        riztest::Surface surface(60, 40, kWhite);
        g_nErase = 0;
        DrawTransparentBkg(Child(), pParent, CDC::FromHandle(surface.Dc()));
        EXPECT_EQ(1, g_nErase);
        EXPECT_EQ(surface.Dc(), g_hEraseDC);
        int nWrong = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                if (surface.Pixel(x, y) != PatternAt(37 + x, 53 + y)) ++nWrong;
        EXPECT_EQ(0, nWrong);
    }
}

TEST_F(TransparentBkg, PaintingIsClippedToTheWindowAndTheDCRestored) {
    riztest::Surface surface(120, 90, kWhite);
    CDC* pDC = CDC::FromHandle(surface.Dc());
    pDC->SetViewportOrg(3, 4);
    DrawTransparentBkg(Child(), Parent(), pDC);
    // The window's area (60 x 40 at the device origin) is painted, nothing beyond it.
    EXPECT_EQ("", surface.WrongPixels({{0, 0, PatternAt(37, 53)}, {59, 39, PatternAt(37 + 59, 53 + 39)}}));
    EXPECT_FALSE(surface.HasOtherThan(CRect(60, 0, 120, 90), kWhite, 0));
    EXPECT_FALSE(surface.HasOtherThan(CRect(0, 40, 120, 90), kWhite, 0));
    EXPECT_EQ(CPoint(3, 4), pDC->GetViewportOrg());
    HRGN hClip = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, ::GetClipRgn(surface.Dc(), hClip));  // no clip region left behind
    ::DeleteObject(hClip);
}

TEST_F(TransparentBkg, SecondFormNeitherClipsNorRestoresTheViewport) {
    riztest::Surface surface(120, 90, kWhite);
    CDC* pDC = CDC::FromHandle(surface.Dc());
    DrawTransparentBkg_2(Child(), Parent(), pDC);
    EXPECT_EQ(1, g_nErase);
    EXPECT_EQ(CPoint(-37, -53), pDC->GetViewportOrg());
    // Beyond the window's 60 x 40 the parent's pattern continues.
    EXPECT_EQ("", surface.WrongPixels({{0, 0, PatternAt(37, 53)}, {100, 80, PatternAt(37 + 100, 53 + 80)}}));
    // The caller goes on in the parent's coordinates: parent point (40, 60) is surface point (3, 7).
    pDC->SetPixel(40, 60, RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), surface.Pixel(3, 7));
}

TEST_F(TransparentBkg, MissingWindowOrDCDoesNothing) {
    riztest::Surface surface(60, 40, kWhite);
    DrawTransparentBkg(nullptr, Parent(), CDC::FromHandle(surface.Dc()));
    DrawTransparentBkg(Child(), Parent(), nullptr);
    DrawTransparentBkg_2(nullptr, nullptr, CDC::FromHandle(surface.Dc()));
    DrawTransparentBkg_2(Child(), Parent(), nullptr);
    EXPECT_EQ(0, g_nErase);
    EXPECT_FALSE(surface.HasOtherThan(CRect(0, 0, 60, 40), kWhite, 0));
}

TEST_F(TransparentBkg, RepeatedCallsLeaveNoGdiObjects) {
    riztest::Surface surface(60, 40, kWhite);
    DrawTransparentBkg(Child(), Parent(), CDC::FromHandle(surface.Dc()));
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 200; ++i)
        DrawTransparentBkg(Child(), Parent(), CDC::FromHandle(surface.Dc()));
    EXPECT_EQ(0, before.GdiDelta());
}

}  // namespace
