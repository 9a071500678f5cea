// Images the tests make: BMP file bytes, DIB sections, frame strips and solid image lists, all from a
// pixel function.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <vector>

namespace riztest {

// The colour of pixel (x, y); y = 0 is the top row.
using PixelFunc = std::function<COLORREF(int x, int y)>;

// The bytes of a 24-bit bottom-up BMP file of cx x cy.
std::vector<BYTE> Bmp24(int cx, int cy, const PixelFunc& pixel);

// A DIB section of cx x cy: 32 bits top-down with alpha 0 (a paint surface's form), or 24 bits
// bottom-up (a raw file's form, which a 32-bit image must convert).
HBITMAP Dib(int cx, int cy, const PixelFunc& pixel, int nBits = 32);

// Frames of cxFrame side by side: frame(f, x, y) colours pixel (x, y) of frame f.
PixelFunc Frames(int cxFrame, const std::function<COLORREF(int f, int x, int y)>& frame);
// Frames of one colour each, frame f in colours[f].
PixelFunc SolidFrames(int cxFrame, std::vector<COLORREF> colours);

// An opaque icon of cx x cx pixels of one colour (the caller destroys it).
HICON SolidIcon(int cx, COLORREF clr);

// Adds nCount solid squares of cx pixels to an image list, square n in colour(n).
void AddSolidImages(HIMAGELIST hList, int cx, int nCount, const std::function<COLORREF(int n)>& colour);

}  // namespace riztest
