// Small image makers shared by the image and surface tests.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

#include "TestData.h"

namespace imgtest {

using PixelFunc = std::function<COLORREF(int x, int y)>;

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

using riztest::Bmp24;

// A 24-bit bottom-up DIB section with the given pixels (so that attaching it needs a conversion).
inline HBITMAP Dib24(int cx, int cy, const PixelFunc& pixel) {
    std::vector<BYTE> file = Bmp24(cx, cy, pixel);
    const BITMAPFILEHEADER* pFile = reinterpret_cast<const BITMAPFILEHEADER*>(file.data());
    const BITMAPINFO* pInfo = reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof(BITMAPFILEHEADER));
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, pInfo, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap) memcpy(pBits, file.data() + pFile->bfOffBits, pInfo->bmiHeader.biSizeImage);
    return hBitmap;
}

// A strip of frames of cxFrame x cy pixels, side by side; frame(f, x, y) colours each frame.
inline PixelFunc Strip(int cxFrame, const std::function<COLORREF(int f, int x, int y)>& frame) {
    return [cxFrame, frame](int x, int y) { return frame(x / cxFrame, x % cxFrame, y); };
}

// Frames of one colour each.
inline PixelFunc SolidFrames(int cxFrame, std::vector<COLORREF> colours) {
    return Strip(cxFrame, [colours](int f, int, int) { return colours[size_t(f)]; });
}

// A CDC over a surface's DC for the length of a test, not owning it.
class CAttachedDC : public CDC {
public:
    explicit CAttachedDC(HDC hDC) { Attach(hDC); }
    ~CAttachedDC() override { Detach(); }
};

inline CString ImagePath(LPCTSTR lpszName) {
    return riztest::TestDataPath(CString(_T("images\\")) + lpszName);
}

// A pixel of 32-bit top-down BGRA bits, as COLORREF (alpha dropped).
inline COLORREF BitsPixel(const BYTE* pBits, int cx, int x, int y) {
    const BYTE* p = pBits + (size_t(y) * cx + x) * 4;
    return RGB(p[2], p[1], p[0]);
}

inline BYTE BitsAlpha(const BYTE* pBits, int cx, int x, int y) {
    return pBits[(size_t(y) * cx + x) * 4 + 3];
}

}  // namespace imgtest
