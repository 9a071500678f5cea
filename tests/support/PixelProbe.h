// Reads back what was drawn: pixels of a memory surface or of a window captured into one.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace riztest {

// True when every channel of a and b differs by at most tolerance.
bool ColorNear(COLORREF a, COLORREF b, int tolerance = 8);

// A 32-bit top-down memory surface with its own DC; draw into Dc(), then read pixels back.
class Surface {
public:
    Surface(int cx, int cy, COLORREF fill = RGB(255, 255, 255));
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC Dc() const { return m_hDC; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }

    // The colour at (x, y) as COLORREF; CLR_INVALID outside the surface.
    COLORREF Pixel(int x, int y) const;
    // Number of pixels in the rectangle (clipped to the surface) near the colour.
    int CountNear(const RECT& rc, COLORREF color, int tolerance = 8) const;
    // True when some pixel in the rectangle differs from the colour by more than tolerance.
    bool HasOtherThan(const RECT& rc, COLORREF color, int tolerance = 8) const;
    // Number of pixels in the rectangle (clipped to both surfaces) that differ from the other surface's.
    int CountDiffering(const Surface& other, const RECT& rc) const;

    // One expected pixel; WrongPixels lists as " x,y" those of a table that the surface does not show
    // (within tolerance), so that EXPECT_EQ("", s.WrongPixels({...})) checks a whole table of probes.
    struct Expected {
        int x, y;
        COLORREF color;
    };
    std::string WrongPixels(std::initializer_list<Expected> pixels, int tolerance = 0) const;

private:
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    DWORD* m_bits = nullptr;
    int m_cx, m_cy;
};

// Captures a window into a surface.
//  - Screen: the window is shown, repainted now and copied from its own window surface, exactly as a
//    user would see it (children included).
//  - Print: the window paints itself into the surface through WM_PRINT / WM_PRINTCLIENT; it need not be
//    visible, but only windows that answer WM_PRINTCLIENT draw anything.
//  - Current: copied from the shown window as it is now, without a repaint: what a drawing outside
//    WM_PAINT left there.
class WindowCapture : public Surface {
public:
    enum Mode { Screen, Print, Current };
    explicit WindowCapture(HWND hWnd, Mode mode = Screen, bool clientOnly = true);
};

// How far a window's frame reaches in on each side: its client rectangle in window coordinates, as
// (left, top, right, bottom) insets.
RECT ClientInsetInWindow(HWND hWnd);

// Pixels on the outermost ring of a surface (a window captured with its frame) that are not exactly clr.
int RingPixelsOtherThan(const Surface& shot, COLORREF clr);

}  // namespace riztest
