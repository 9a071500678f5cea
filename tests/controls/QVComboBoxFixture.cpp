#include "QVComboBoxFixture.h"

#include <QVSkinResManager.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVColorComboBox.h"

namespace qvctest {

LRESULT CComboDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QV_COLORCOMBO_SELCHANGED) {
        ++m_nColorMessages;
        EXPECT_EQ(static_cast<WPARAM>(::GetDlgCtrlID(reinterpret_cast<HWND>(lParam))), wParam);
    }
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_CLOSEUP) ++m_nCloseUps;
    return CDialog::WindowProc(message, wParam, lParam);
}

void ComboTest::SetUp() {
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    ASSERT_TRUE(LoadSkin());
    ASSERT_TRUE(m_dlg.Create(IDD_QVCOMBO));
    m_dlg.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    ::SetFocus(::GetDlgItem(m_dlg.m_hWnd, IDOK));
    Pump();
}

void ComboTest::TearDown() {
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
    Pump();
}

bool ComboTest::LoadSkin(COLORREF clrFrame, int nTransparent, bool bImage) {
    CString strPrefix;
    strPrefix.Format(_T("skin%d\\"), m_nSkins++);
    // Every frame a pattern of its own that shows a wrong frame or a shifted image; key-coloured corner.
    const std::vector<BYTE> image =
        riztest::Bmp24(kDropWidth * 3, kDropHeight, riztest::Frames(kDropWidth, [](int f, int x, int y) {
                           return x < 3 && y < 3 ? RGB(255, 0, 255)
                                                 : RGB(40 + 70 * f, (x * 17) & 255, (y * 13 + 5 * f) & 255);
                       }));
    if (bImage && !m_folder.WriteFile(strPrefix + _T("Common\\Button\\ComboDrop.bmp"), image)) return false;
    CStringA strIni;
    strIni.Format("[Skin]\r\nName = Combo test\r\n\r\n[Window]\r\nCaptionHeight = "
                  "24\r\n\r\n[Button]\r\nComboDrop = Common\\Button\\ComboDrop.bmp\r\n"
                  "ComboDropWidth = %d\r\nComboDropHeight = %d\r\nTransparentImage = %d\r\n\r\n"
                  "[Colors]\r\nColor4 = %d,%d,%d\r\n",
                  kDropWidth, kDropHeight, nTransparent, GetRValue(clrFrame), GetGValue(clrFrame),
                  GetBValue(clrFrame));
    return m_folder.WriteFile(strPrefix + _T("skin.ini"), strIni.GetString()) &&
           CQVSkinResManager::GetSingletonPtr()->LoadSkin(m_folder.Path(strPrefix));
}

int ComboTest::DropButtonMismatches(CQVComboBox& combo, int nFrame) {
    const CQVSkinBtnRes* pRes = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
    const CRect rcButton = InfoOf(combo.m_hWnd).rcButton;
    const int x = rcButton.right - kDropWidth, y = rcButton.bottom - kDropHeight;
    riztest::WindowCapture shot(combo.m_hWnd);
    riztest::Surface expected(shot.Width(), shot.Height());  // white: the frame's fill under key pixels
    CDC* pDC = CDC::FromHandle(expected.Dc());
    if (pRes->m_nTransparentImage)
        pRes->m_bmpComboDrop.TransparentDraw(pDC, x, y, kDropWidth, kDropHeight, pRes->m_clrTransparent,
                                             nFrame);
    else
        pRes->m_bmpComboDrop.Draw(pDC, x, y, kDropWidth, kDropHeight, nFrame);
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

}  // namespace qvctest
