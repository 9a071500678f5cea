#include "QVComboBoxFixture.h"

#include "QVColorComboBox.h"
#include "TestImage.h"

namespace qvctest {

void ComboTest::SetUp() {
    ASSERT_TRUE(LoadSkin());
    PatternDialogTest::SetUp();
    m_dlg.m_onMessage = [](UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
        if (message == WM_QV_COLORCOMBO_SELCHANGED) {
            EXPECT_EQ(static_cast<WPARAM>(::GetDlgCtrlID(reinterpret_cast<HWND>(lParam))), wParam);
        }
        return false;
    };
}

bool ComboTest::LoadSkin(COLORREF clrFrame, int nTransparent, bool bImage) {
    CStringA strIni;
    strIni.Format("[Button]\r\nComboDrop = Common\\Button\\ComboDrop.bmp\r\n"
                  "ComboDropWidth = %d\r\nComboDropHeight = %d\r\nTransparentImage = %d\r\n\r\n"
                  "[Colors]\r\nColor4 = %d,%d,%d\r\n",
                  kDropWidth, kDropHeight, nTransparent, GetRValue(clrFrame), GetGValue(clrFrame),
                  GetBValue(clrFrame));
    if (!bImage) return LoadSkinFiles(strIni);
    // Every frame a pattern of its own that shows a wrong frame or a shifted image; key-coloured corner.
    return LoadSkinFiles(
        strIni,
        {{_T("Common\\Button\\ComboDrop.bmp"),
          riztest::Bmp24(kDropWidth * 3, kDropHeight, riztest::Frames(kDropWidth, [](int f, int x, int y) {
                             return x < 3 && y < 3 ? RGB(255, 0, 255)
                                                   : RGB(40 + 70 * f, (x * 17) & 255, (y * 13 + 5 * f) & 255);
                         }))}});
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
    return Differences(shot, expected, CRect(x, y, x + kDropWidth, y + kDropHeight));
}

COMBOBOXINFO ComboTest::InfoOf(HWND hWnd) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ::GetComboBoxInfo(hWnd, &info);
    return info;
}

}  // namespace qvctest
