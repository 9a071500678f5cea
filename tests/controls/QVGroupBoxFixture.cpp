#include "QVGroupBoxFixture.h"

#include <QVSkinResManager.h>

#include "MessagePump.h"
#include "TestImage.h"

namespace qvsmall {

CString TextOf(HWND hWnd) {
    CString str;
    const int n = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, str.GetBuffer(n + 1), n + 1);
    str.ReleaseBuffer();
    return str;
}

COLORREF BackgroundAt(int x, int y) {
    return RGB((x * 37 + 11) & 255, (y * 23 + 5) & 255, ((x + 2 * y) * 5) & 255);
}

// ---- The dialog ----

BEGIN_MESSAGE_MAP(CSmallDialog, CDialog)
ON_WM_ERASEBKGND()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

CSmallDialog::~CSmallDialog() {
    if (m_hBackground) ::DeleteObject(m_hBackground);
}

BOOL CSmallDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (reinterpret_cast<NMHDR*>(lParam)->code == UDN_DELTAPOS) ++m_nDeltaPos;
    return CDialog::OnNotify(wParam, lParam, pResult);
}

BOOL CSmallDialog::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    if (!m_hBackground) m_hBackground = riztest::Dib(rc.Width(), rc.Height(), BackgroundAt);
    CDC dcImage;
    dcImage.CreateCompatibleDC(pDC);
    HGDIOBJ hOld = ::SelectObject(dcImage.m_hDC, m_hBackground);
    pDC->BitBlt(0, 0, rc.Width(), rc.Height(), &dcImage, 0, 0, SRCCOPY);
    ::SelectObject(dcImage.m_hDC, hOld);
    return TRUE;
}

void CSmallDialog::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    ++m_nVScroll;
    CDialog::OnVScroll(nSBCode, nPos, pScrollBar);
}

// ---- The fixture ----

void SmallTest::SetUp() {
    ASSERT_TRUE(LoadSkin(TestSkin()));
    ASSERT_TRUE(m_dlg.Create(IDD_QVSMALL));
    m_dlg.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    ::SetFocus(Item(IDCANCEL));
    Pump();
}

void SmallTest::TearDown() {
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
    Pump();
}

bool SmallTest::LoadSkin(const TestSkin& skin) {
    CString strPrefix;
    strPrefix.Format(_T("skin%d\\"), m_nSkins++);
    if (skin.bImages) {
        std::vector<COLORREF> spin(kSpinFrames, kSpinFrames + 8);
        // The thumb's left half is the key colour: it shows what lies under it when drawn with the key.
        if (!m_folder.WriteFile(
                strPrefix + _T("Common\\Button\\Spin.bmp"),
                riztest::Bmp24(kSpinWidth * 8, kSpinHeight, riztest::SolidFrames(kSpinWidth, spin))) ||
            !m_folder.WriteFile(strPrefix + _T("Common\\others\\Channel.bmp"),
                                riztest::Bmp24(8, 4, [](int, int) { return kChannel; })) ||
            !m_folder.WriteFile(strPrefix + _T("Common\\others\\Thumb.bmp"),
                                riztest::Bmp24(10, 20, [](int x, int) { return x < 5 ? kKey : kThumb; })))
            return false;
    }
    CStringA strIni;
    strIni.Format("[Skin]\r\nName = Small controls test\r\n\r\n[Window]\r\nCaptionHeight = 24\r\n\r\n"
                  "[Button]\r\nSkinSpin = %d\r\nSpin = Common\\Button\\Spin.bmp\r\nSpinWidth = %d\r\n"
                  "SpinHeight = %d\r\n\r\n[Other]\r\nSliderChannel = Common\\others\\Channel.bmp\r\n"
                  "SliderThumb = Common\\others\\Thumb.bmp\r\nSliderTransparent = %d\r\n\r\n"
                  "[Colors]\r\nColor4 = %d,%d,%d\r\n",
                  skin.nSkinSpin, kSpinWidth, kSpinHeight, skin.nSliderTransparent, GetRValue(skin.clrBorder),
                  GetGValue(skin.clrBorder), GetBValue(skin.clrBorder));
    return m_folder.WriteFile(strPrefix + _T("skin.ini"), strIni.GetString()) &&
           CQVSkinResManager::GetSingletonPtr()->LoadSkin(m_folder.Path(strPrefix));
}

CRect SmallTest::RectInDialog(HWND hWnd) const {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    m_dlg.ScreenToClient(&rc);
    return rc;
}

void SmallTest::Click(HWND hWnd, CPoint pt) {
    ::PostMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ::PostMessage(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    Pump();
}

void SmallTest::Pump() {
    riztest::PumpUntilIdle();
}

void SmallTest::FreshPaint(riztest::Surface& shot) {
    m_dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    CopyNow(shot);
}

void SmallTest::CopyNow(riztest::Surface& shot) {
    HDC hdc = ::GetDC(m_dlg.m_hWnd);
    ::BitBlt(shot.Dc(), 0, 0, shot.Width(), shot.Height(), hdc, 0, 0, SRCCOPY);
    ::ReleaseDC(m_dlg.m_hWnd, hdc);
}

int SmallTest::Differences(const riztest::Surface& a, const riztest::Surface& b, const CRect& rc) {
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) ++n;
    return n;
}

}  // namespace qvsmall
