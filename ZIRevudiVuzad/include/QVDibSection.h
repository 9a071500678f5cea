// The 32-bit DIB section the surfaces and images of ZIRevudiVuzad are made of. Inline and on the system
// headers only, so programs that do not load ZIRevudiVuzad.dll (the framework's tests) make theirs alike.
#pragma once

#include <windows.h>

// A cx x cy top-down DIB section of 32 bits a pixel, 0x00RRGGBB in memory order B, G, R, X: the same
// layout on every display, addressed as row y * cx + x. *ppBits (when given) receives the pixels. NULL
// when GDI refuses the size, and *ppBits is then NULL.
inline HBITMAP QVCreateDib32(int cx, int cy, void** ppBits = nullptr) {
    if (ppBits) *ppBits = nullptr;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap && !pBits) {
        ::DeleteObject(hBitmap);
        hBitmap = NULL;
    }
    if (hBitmap && ppBits) *ppBits = pBits;
    return hBitmap;
}
