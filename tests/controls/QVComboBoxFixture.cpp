#include "QVComboBoxFixture.h"

#include <QVSkinResManager.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVColorComboBox.h"

namespace qvctest {

COLORREF DropPixel(int f, int x, int y) {
    if (x < 3 && y < 3) return RGB(255, 0, 255);
    return RGB(40 + 70 * f, (x * 17) & 255, (y * 13 + 5 * f) & 255);
}

LRESULT CComboDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QV_COLORCOMBO_SELCHANGED) {
        ++m_nColorMessages;
        m_nSelAtMessage = static_cast<int>(::SendMessage(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0));
        EXPECT_EQ(static_cast<WPARAM>(::GetDlgCtrlID(reinterpret_cast<HWND>(lParam))), wParam);
    }
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_CLOSEUP) ++m_nCloseUps;
    return CDialog::WindowProc(message, wParam, lParam);
}

void ComboTest::SetUp() {
    ParkCursor();
    ASSERT_TRUE(LoadSkin(ComboSkin()));
    ASSERT_TRUE(m_dlg.Create(IDD_QVCOMBO));
    m_dlg.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    ::SetFocus(::GetDlgItem(m_dlg.m_hWnd, IDOK));
    Pump();
}

void ComboTest::TearDown() {
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
    Pump();
}

bool ComboTest::LoadSkin(const ComboSkin& skin) {
    CString strPrefix;
    strPrefix.Format(_T("skin%d\\"), m_nSkins++);
    const std::vector<BYTE> image =
        riztest::Bmp24(kDropWidth * 3, kDropHeight, riztest::Frames(kDropWidth, DropPixel));
    if (skin.bDropImage && !m_folder.WriteFile(strPrefix + _T("Common\\Button\\ComboDrop.bmp"), image))
        return false;
    CStringA strIni;
    strIni.Format("[Skin]\r\nName = Combo test\r\n\r\n[Window]\r\nCaptionHeight = 24\r\n\r\n"
                  "[Button]\r\nComboDrop = Common\\Button\\ComboDrop.bmp\r\nComboDropWidth = %d\r\n"
                  "ComboDropHeight = %d\r\nTransparentImage = %d\r\nTransparent = 255,0,255\r\n\r\n"
                  "[Colors]\r\nColor4 = %d,%d,%d\r\n",
                  kDropWidth, kDropHeight, skin.nTransparent, GetRValue(skin.clrFrame),
                  GetGValue(skin.clrFrame), GetBValue(skin.clrFrame));
    return m_folder.WriteFile(strPrefix + _T("skin.ini"), strIni.GetString()) &&
           CQVSkinResManager::GetSingletonPtr()->LoadSkin(m_folder.Path(strPrefix));
}

CRect ComboTest::RectInDialog(HWND hWnd) const {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    m_dlg.ScreenToClient(&rc);
    return rc;
}

int ComboTest::DropButtonMismatches(CQVComboBox& combo, int nFrame) {
    const CQVSkinBtnRes* pRes = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
    const CRect rcButton = InfoOf(combo.m_hWnd).rcButton;
    const int x = rcButton.right - kDropWidth, y = rcButton.bottom - kDropHeight;
    riztest::WindowCapture shot(combo.m_hWnd);
    riztest::Surface expected(shot.Width(), shot.Height());
    // What the frame leaves uncovered (key pixels) shows the frame's white fill.
    pRes->m_bmpComboDrop.TransparentDraw(CDC::FromHandle(expected.Dc()), x, y, kDropWidth, kDropHeight,
                                         pRes->m_clrTransparent, nFrame);
    if (!pRes->m_nTransparentImage)
        pRes->m_bmpComboDrop.Draw(CDC::FromHandle(expected.Dc()), x, y, kDropWidth, kDropHeight, nFrame);
    int nWrong = 0;
    for (int j = 0; j < kDropHeight; ++j)
        for (int i = 0; i < kDropWidth; ++i)
            nWrong += shot.Pixel(x + i, y + j) != expected.Pixel(x + i, y + j);
    return nWrong;
}

COMBOBOXINFO ComboTest::InfoOf(HWND hWnd) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ::GetComboBoxInfo(hWnd, &info);
    return info;
}

void ComboTest::Pump() {
    riztest::PumpUntilIdle();
}

void ComboTest::ParkCursor() {
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    riztest::PumpUntilIdle(200);
}

}  // namespace qvctest
