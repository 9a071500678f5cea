// Test images drawn in the test itself with GDI+ and saved into a scratch folder, and GDI+ surfaces whose
// ARGB pixels can be read back.
#pragma once

#include <afxwin.h>

#include <gdiplus.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

namespace foundationtest {

// A 32-bit ARGB PNG image of cx x cy whose pixels are given by color(x, y) (0xAARRGGBB). True when the
// file was written.
bool SaveImage(LPCTSTR lpszPath, int cx, int cy, const std::function<Gdiplus::ARGB(int x, int y)>& color);

// ARGB of one pixel.
inline Gdiplus::ARGB Argb(BYTE a, BYTE r, BYTE g, BYTE b) {
    return (static_cast<Gdiplus::ARGB>(a) << 24) | (static_cast<Gdiplus::ARGB>(r) << 16) |
           (static_cast<Gdiplus::ARGB>(g) << 8) | b;
}
inline BYTE AlphaOf(Gdiplus::ARGB v) {
    return static_cast<BYTE>(v >> 24);
}

// A transparent 32-bit ARGB target with a graphics drawing into it.
class ArgbCanvas {
public:
    ArgbCanvas(int cx, int cy);
    Gdiplus::Graphics* Graphics() { return m_graphics.get(); }
    // The pixel at (x, y) as 0xAARRGGBB; the graphics is flushed first.
    Gdiplus::ARGB Pixel(int x, int y);
    // The pixels of a table (x, y, 0xAARRGGBB) the canvas does not hold, as " x,y"; empty when all match.
    struct Expected {
        int x, y;
        Gdiplus::ARGB argb;
    };
    std::string WrongPixels(std::initializer_list<Expected> pixels);
    // Number of pixels in [x0, x1) x [y0, y1) whose alpha is not 0.
    int CountOpaque(int x0, int y0, int x1, int y1);
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }

private:
    int m_cx, m_cy;
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
    std::unique_ptr<Gdiplus::Graphics> m_graphics;
};

}  // namespace foundationtest
