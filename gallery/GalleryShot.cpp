#include "GalleryShot.h"

#include <gdiplus.h>

#include <QVImageEncoder.h>

#include <vector>

CGdiplusSession::CGdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&m_token, &input, nullptr) != Gdiplus::Ok) m_token = 0;
}

CGdiplusSession::~CGdiplusSession() {
    if (m_token) Gdiplus::GdiplusShutdown(m_token);
}

HBITMAP CaptureWindowBitmap(HWND hWnd) {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::RedrawWindow(hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // The platform copies what windows drew to the screen when the thread waits, and not more often
    // than every 50 ms: wait twice that long, dispatching nothing, so the last paints are on screen.
    const DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < 120)
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 60, QS_ALLINPUT);
    // From the screen, not the window's own surface: the popups, dialogs and menus a page opens over
    // the window are part of the picture.
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hdcScreen, rc.Width(), rc.Height());
    HGDIOBJ hOld = ::SelectObject(hdcMem, hBitmap);
    ::BitBlt(hdcMem, 0, 0, rc.Width(), rc.Height(), hdcScreen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(hdcMem, hOld);
    ::DeleteDC(hdcMem);
    ::ReleaseDC(nullptr, hdcScreen);
    return hBitmap;
}

BOOL IsBitmapAreaUniform(HBITMAP hBitmap, const RECT& rcArea) {
    BITMAP bm = {};
    if (!::GetObject(hBitmap, sizeof(bm), &bm)) return TRUE;
    CRect rc(rcArea);
    rc.IntersectRect(&rc, CRect(0, 0, bm.bmWidth, bm.bmHeight));
    if (rc.IsRectEmpty()) return TRUE;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = bm.bmWidth;
    bmi.bmiHeader.biHeight = -bm.bmHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> bits(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC hdc = ::GetDC(nullptr);
    const int lines = ::GetDIBits(hdc, hBitmap, 0, bm.bmHeight, bits.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hdc);
    if (lines != bm.bmHeight) return TRUE;
    const DWORD first = bits[static_cast<size_t>(rc.top) * bm.bmWidth + rc.left] & 0xFFFFFF;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if ((bits[static_cast<size_t>(y) * bm.bmWidth + x] & 0xFFFFFF) != first) return FALSE;
    return TRUE;
}

BOOL SaveBitmapAsPng(HBITMAP hBitmap, LPCTSTR lpszPath) {
    CLSID clsid;
    if (!hBitmap || !lpszPath || !QVGetPngEncoderClsid(&clsid)) return FALSE;
    Gdiplus::Bitmap image(hBitmap, nullptr);
    CStringW path(lpszPath);
    return image.Save(path, &clsid, nullptr) == Gdiplus::Ok;
}
