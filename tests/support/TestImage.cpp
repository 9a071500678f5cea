#include "TestImage.h"

#include <cstring>

#include "QVDibSection.h"

namespace riztest {

std::vector<BYTE> Bmp24(int cx, int cy, const PixelFunc& pixel) {
    const int nStride = (cx * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = cx;
    info.biHeight = cy;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = DWORD(nStride * cy);
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<BYTE> data(file.bfSize, 0);
    memcpy(data.data(), &file, sizeof(file));
    memcpy(data.data() + sizeof(file), &info, sizeof(info));
    for (int y = 0; y < cy; ++y) {
        BYTE* pRow = data.data() + file.bfOffBits + size_t(cy - 1 - y) * nStride;
        for (int x = 0; x < cx; ++x) {
            const COLORREF clr = pixel(x, y);
            pRow[x * 3] = GetBValue(clr);
            pRow[x * 3 + 1] = GetGValue(clr);
            pRow[x * 3 + 2] = GetRValue(clr);
        }
    }
    return data;
}

HBITMAP Dib(int cx, int cy, const PixelFunc& pixel, int nBits) {
    if (nBits == 24) {
        // The file's own header and rows.
        const std::vector<BYTE> file = Bmp24(cx, cy, pixel);
        const auto* pFile = reinterpret_cast<const BITMAPFILEHEADER*>(file.data());
        const auto* pInfo = reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof(BITMAPFILEHEADER));
        void* pBits = nullptr;
        HBITMAP hBitmap = ::CreateDIBSection(NULL, pInfo, DIB_RGB_COLORS, &pBits, NULL, 0);
        if (hBitmap) memcpy(pBits, file.data() + pFile->bfOffBits, pInfo->bmiHeader.biSizeImage);
        return hBitmap;
    }
    void* pBits = nullptr;
    HBITMAP hBitmap = QVCreateDib32(cx, cy, &pBits);
    DWORD* p = static_cast<DWORD*>(pBits);
    for (int y = 0; p && y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            const COLORREF clr = pixel(x, y);
            p[size_t(y) * cx + x] = (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr);
        }
    return hBitmap;
}

PixelFunc Frames(int cxFrame, const std::function<COLORREF(int f, int x, int y)>& frame) {
    return [cxFrame, frame](int x, int y) { return frame(x / cxFrame, x % cxFrame, y); };
}

PixelFunc SolidFrames(int cxFrame, std::vector<COLORREF> colours) {
    return [cxFrame, colours](int x, int) { return colours[size_t(x / cxFrame)]; };
}

HICON SolidIcon(int cx, COLORREF clr) {
    HBITMAP hColour = Dib(cx, cx, [clr](int, int) { return clr; });
    const std::vector<BYTE> mask(size_t((cx + 15) / 16) * 2 * cx, 0);  // all zero: every pixel opaque
    HBITMAP hMask = ::CreateBitmap(cx, cx, 1, 1, mask.data());
    ICONINFO ii = {};
    ii.fIcon = TRUE;
    ii.hbmMask = hMask;
    ii.hbmColor = hColour;
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(hMask);
    ::DeleteObject(hColour);
    return hIcon;
}

void AddSolidImages(HIMAGELIST hList, int cx, int nCount, const std::function<COLORREF(int n)>& colour) {
    for (int n = 0; n < nCount; ++n) {
        const COLORREF clr = colour(n);
        HBITMAP hBitmap = Dib(cx, cx, [clr](int, int) { return clr; });
        ::ImageList_Add(hList, hBitmap, NULL);
        ::DeleteObject(hBitmap);
    }
}

}  // namespace riztest
