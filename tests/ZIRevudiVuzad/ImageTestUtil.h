// Small image makers shared by the image and surface tests.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

#include "TestData.h"

namespace imgtest {

using riztest::PixelFunc;

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

using riztest::Bmp24;
using riztest::Frames;
using riztest::SolidFrames;

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

// Moves the file's time of last write by nSeconds, so that a rewrite of the same size is told apart
// from the file before it whatever the file system's clock resolution.
inline bool ShiftWriteTime(LPCTSTR lpszPath, int nSeconds) {
    HANDLE hFile = ::CreateFile(lpszPath, FILE_WRITE_ATTRIBUTES | FILE_READ_ATTRIBUTES, FILE_SHARE_READ, NULL,
                                OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    FILETIME ft = {};
    bool bOk = ::GetFileTime(hFile, NULL, NULL, &ft) != FALSE;
    ULARGE_INTEGER n = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    n.QuadPart += ULONGLONG(nSeconds) * 10000000ULL;
    ft.dwLowDateTime = n.LowPart;
    ft.dwHighDateTime = n.HighPart;
    bOk = bOk && ::SetFileTime(hFile, NULL, NULL, &ft);
    ::CloseHandle(hFile);
    return bOk;
}

}  // namespace imgtest
