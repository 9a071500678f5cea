#include "PatternDialog.h"

#include "MessagePump.h"
#include "TestImage.h"

namespace riztest {

COLORREF PatternAt(int x, int y, int nVariant) {
    if (nVariant) return RGB((x * 11 + 40) & 255, (y * 13 + 7) & 255, ((x ^ y) * 3) & 255);
    return RGB((x * 37) & 255, (y * 23) & 255, ((x + 2 * y) * 5) & 255);
}

CString TextOf(HWND hWnd) {
    CString str;
    const int n = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, str.GetBuffer(n + 1), n + 1);
    str.ReleaseBuffer();
    return str;
}

static SIZE ClientSize(HWND hWnd) {
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    return SIZE{rc.right, rc.bottom};
}

ShownNow::ShownNow(HWND hWnd) : Surface(ClientSize(hWnd).cx, ClientSize(hWnd).cy) {
    HDC hdc = ::GetDC(hWnd);
    ::BitBlt(Dc(), 0, 0, Width(), Height(), hdc, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hdc);
}

// ---- The dialog ----

CPatternDialog::~CPatternDialog() {
    for (HBITMAP hBitmap : m_hBackground)
        if (hBitmap) ::DeleteObject(hBitmap);
}

int CPatternDialog::Received(UINT message, UINT nCode) const {
    const auto it = m_received.find({message, nCode});
    return it == m_received.end() ? 0 : it->second;
}

BOOL CPatternDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_onInit) m_onInit(*this);
    return TRUE;
}

LRESULT CPatternDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT nCode = message == WM_COMMAND  ? HIWORD(wParam)
                       : message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam)->code
                                              : 0;
    ++m_received[{message, nCode}];
    LRESULT lResult = 0;
    if (m_onMessage && m_onMessage(message, wParam, lParam, &lResult)) return lResult;
    if (message != WM_ERASEBKGND) return CDialog::WindowProc(message, wParam, lParam);
    CRect rc;
    GetClientRect(&rc);
    const int nVariant = m_nBackground ? 1 : 0;
    if (!m_hBackground[nVariant])
        m_hBackground[nVariant] =
            Dib(rc.Width(), rc.Height(), [this](int x, int y) { return BackgroundAt(x, y); });
    HDC hdcImage = ::CreateCompatibleDC(reinterpret_cast<HDC>(wParam));
    HGDIOBJ hOld = ::SelectObject(hdcImage, m_hBackground[nVariant]);
    ::BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, rc.Width(), rc.Height(), hdcImage, 0, 0, SRCCOPY);
    ::SelectObject(hdcImage, hOld);
    ::DeleteDC(hdcImage);
    return TRUE;
}

// ---- The fixture ----

void PatternDialogTest::SetUp() {
    ParkCursor();
    ASSERT_TRUE(m_dlg.Create());
    m_dlg.SetWindowPos(NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | (m_bActivate ? 0 : SWP_NOACTIVATE));
    FocusElsewhere();
    Pump();
}

void PatternDialogTest::TearDown() {
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
    Pump();
}

CRect PatternDialogTest::RectInDialog(HWND hWnd) const {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    m_dlg.ScreenToClient(&rc);
    return rc;
}

void PatternDialogTest::Pump() {
    PumpUntilIdle();
}

void PatternDialogTest::ParkCursor() {
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
}

void PatternDialogTest::FreshPaint(Surface& shot) {
    m_dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    CopyNow(shot);
}

void PatternDialogTest::CopyNow(Surface& shot) {
    HDC hdc = ::GetDC(m_dlg.m_hWnd);
    ::BitBlt(shot.Dc(), 0, 0, shot.Width(), shot.Height(), hdc, 0, 0, SRCCOPY);
    ::ReleaseDC(m_dlg.m_hWnd, hdc);
}

int PatternDialogTest::OffBackground(HWND hWnd) const {
    const ShownNow shot(hWnd);
    CPoint pt(0, 0);
    ::ClientToScreen(hWnd, &pt);
    m_dlg.ScreenToClient(&pt);
    int nOff = 0;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            nOff += shot.Pixel(x, y) != m_dlg.BackgroundAt(pt.x + x, pt.y + y);
    return nOff;
}

int PatternDialogTest::Differences(const Surface& a, const Surface& b, const RECT& rc) {
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += a.Pixel(x, y) != b.Pixel(x, y);
    return n;
}

}  // namespace riztest
