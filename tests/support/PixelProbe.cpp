#include "PixelProbe.h"

#include <cstdlib>

#include "QVDibSection.h"

namespace riztest {

bool ColorNear(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

Surface::Surface(int cx, int cy, COLORREF fill) : m_cx(cx > 0 ? cx : 1), m_cy(cy > 0 ? cy : 1) {
    void* bits = nullptr;
    m_hDC = ::CreateCompatibleDC(nullptr);
    m_hBitmap = QVCreateDib32(m_cx, m_cy, &bits);
    m_bits = static_cast<DWORD*>(bits);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    RECT rc = {0, 0, m_cx, m_cy};
    HBRUSH brush = ::CreateSolidBrush(fill);
    ::FillRect(m_hDC, &rc, brush);
    ::DeleteObject(brush);
}

Surface::~Surface() {
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

COLORREF Surface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy || !m_bits) return CLR_INVALID;
    ::GdiFlush();
    const DWORD v = m_bits[y * m_cx + x];  // 0x00RRGGBB in memory order B, G, R
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int Surface::CountNear(const RECT& rc, COLORREF color, int tolerance) const {
    int n = 0;
    for (int y = rc.top < 0 ? 0 : rc.top; y < rc.bottom && y < m_cy; ++y)
        for (int x = rc.left < 0 ? 0 : rc.left; x < rc.right && x < m_cx; ++x)
            if (ColorNear(Pixel(x, y), color, tolerance)) ++n;
    return n;
}

bool Surface::HasOtherThan(const RECT& rc, COLORREF color, int tolerance) const {
    for (int y = rc.top < 0 ? 0 : rc.top; y < rc.bottom && y < m_cy; ++y)
        for (int x = rc.left < 0 ? 0 : rc.left; x < rc.right && x < m_cx; ++x)
            if (!ColorNear(Pixel(x, y), color, tolerance)) return true;
    return false;
}

int Surface::CountDiffering(const Surface& other, const RECT& rc) const {
    int n = 0;
    for (int y = rc.top < 0 ? 0 : rc.top; y < rc.bottom && y < m_cy && y < other.m_cy; ++y)
        for (int x = rc.left < 0 ? 0 : rc.left; x < rc.right && x < m_cx && x < other.m_cx; ++x)
            n += Pixel(x, y) != other.Pixel(x, y);
    return n;
}

std::string Surface::WrongPixels(std::initializer_list<Expected> pixels, int tolerance) const {
    std::string strWrong;
    for (const Expected& p : pixels)
        if (!ColorNear(Pixel(p.x, p.y), p.color, tolerance))
            strWrong += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    return strWrong;
}

namespace {

SIZE CaptureSize(HWND hWnd, bool clientOnly) {
    RECT rc = {};
    if (clientOnly)
        ::GetClientRect(hWnd, &rc);
    else
        ::GetWindowRect(hWnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

}  // namespace

WindowCapture::WindowCapture(HWND hWnd, Mode mode, bool clientOnly)
    : Surface(CaptureSize(hWnd, clientOnly).cx, CaptureSize(hWnd, clientOnly).cy) {
    if (!::IsWindow(hWnd)) return;
    if (mode == Current) {
        HDC hdc = clientOnly ? ::GetDC(hWnd) : ::GetWindowDC(hWnd);
        ::BitBlt(Dc(), 0, 0, Width(), Height(), hdc, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hdc);
        return;
    }
    if (mode == Screen) {
        // Only a window on screen has a window surface to copy from: its top-level window is shown
        // (not activated) and stays shown, since hiding a window under a display without a window
        // manager makes the system wait two seconds for it to disappear.
        HWND hRoot = ::GetAncestor(hWnd, GA_ROOT);
        if (!::IsWindowVisible(hRoot))
            ::SetWindowPos(hRoot, nullptr, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ::RedrawWindow(hRoot, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        HDC hdc = clientOnly ? ::GetDC(hWnd) : ::GetWindowDC(hWnd);
        ::BitBlt(Dc(), 0, 0, Width(), Height(), hdc, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hdc);
        return;
    }
    const LPARAM flags = PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN | (clientOnly ? 0 : PRF_NONCLIENT);
    ::SendMessage(hWnd, clientOnly ? WM_PRINTCLIENT : WM_PRINT, reinterpret_cast<WPARAM>(Dc()), flags);
}

RECT ClientInsetInWindow(HWND hWnd) {
    RECT rcWindow = {}, rcClient = {};
    ::GetWindowRect(hWnd, &rcWindow);
    ::GetClientRect(hWnd, &rcClient);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    return {rcClient.left - rcWindow.left, rcClient.top - rcWindow.top, rcWindow.right - rcClient.right,
            rcWindow.bottom - rcClient.bottom};
}

int RingPixelsOtherThan(const Surface& shot, COLORREF clr) {
    int nOther = 0;
    for (int x = 0; x < shot.Width(); ++x) {
        nOther += !ColorNear(shot.Pixel(x, 0), clr, 0);
        nOther += !ColorNear(shot.Pixel(x, shot.Height() - 1), clr, 0);
    }
    for (int y = 1; y < shot.Height() - 1; ++y) {
        nOther += !ColorNear(shot.Pixel(0, y), clr, 0);
        nOther += !ColorNear(shot.Pixel(shot.Width() - 1, y), clr, 0);
    }
    return nOther;
}

}  // namespace riztest
