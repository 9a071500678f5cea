#include "QVButtonFixture.h"

#include <QVSkinResManager.h>

#include <vector>

namespace qvbtest {

COLORREF PushFrameColour(int nFrame, int nVariant) {
    static const COLORREF s_colours[2][4] = {
        {RGB(200, 60, 60), RGB(60, 200, 60), RGB(60, 60, 200), RGB(150, 150, 150)},
        {RGB(230, 180, 30), RGB(30, 180, 230), RGB(120, 30, 160), RGB(90, 90, 90)},
    };
    return s_colours[nVariant & 1][nFrame & 3];
}

COLORREF CheckFrameColour(int nFrame) {
    return RGB(10 + 22 * nFrame, 90, 240 - 20 * nFrame);
}

COLORREF RadioFrameColour(int nFrame) {
    return RGB(240 - 25 * nFrame, 10 + 28 * nFrame, 170);
}

COLORREF PrivateFrameColour(int nFrame) {
    static const COLORREF s_colours[3] = {RGB(250, 220, 120), RGB(120, 220, 250), RGB(40, 40, 120)};
    return s_colours[nFrame % 3];
}

bool WriteFramesBmp(const riztest::TempFolder& folder, LPCTSTR lpszName, int cxFrame, int cyFrame,
                    const std::function<COLORREF(int)>& colour, int nFrames) {
    const std::vector<BYTE> data = riztest::Bmp24(cxFrame * nFrames, cyFrame, [&](int x, int y) {
        const bool bCorner = x % cxFrame < 2 && y < 2;
        return bCorner ? kKey : colour(x / cxFrame);
    });
    return folder.WriteFile(lpszName, data.data(), data.size());
}

bool WriteTestSkin(const riztest::TempFolder& folder, const CString& strPrefix, const TestSkin& skin) {
    const auto push = [&skin](int n) { return PushFrameColour(n, skin.nVariant); };
    if (!WriteFramesBmp(folder, strPrefix + _T("Common\\Button\\PushBtn.bmp"), 12, skin.nPushHeight, push,
                        4) ||
        !WriteFramesBmp(folder, strPrefix + _T("Common\\Button\\CheckBox.bmp"), skin.nCheckSize,
                        skin.nCheckSize, CheckFrameColour, 11) ||
        !WriteFramesBmp(folder, strPrefix + _T("Common\\Button\\Radio.bmp"), skin.nRadioSize, skin.nRadioSize,
                        RadioFrameColour, 8))
        return false;
    const int nCheckMetric = skin.nCheckMetric ? skin.nCheckMetric : skin.nCheckSize;
    CStringA strIni;
    strIni.Format("[Skin]\r\nName = Button test %d\r\n\r\n"
                  "[Window]\r\nCaptionHeight = 24\r\n\r\n"
                  "[Button]\r\nSkinPushBtn = %d\r\nSkinCheckBox = %d\r\nSkinRadio = %d\r\n"
                  "PushBtn = Common\\Button\\PushBtn.bmp\r\nCheckBox = Common\\Button\\CheckBox.bmp\r\n"
                  "Radio = Common\\Button\\Radio.bmp\r\nPushBtnHeight = %d\r\n"
                  "CheckBoxWidth = %d\r\nCheckBoxHeight = %d\r\nRadioWidth = %d\r\nRadioHeight = %d\r\n"
                  "TransparentImage = %d\r\nTransparent = 255,0,255\r\n",
                  skin.nVariant, skin.nSkinPush, skin.nSkinCheck, skin.nSkinRadio, skin.nPushHeight,
                  nCheckMetric, nCheckMetric, skin.nRadioSize, skin.nRadioSize, skin.nTransparent);
    return folder.WriteFile(strPrefix + _T("skin.ini"), strIni.GetString());
}

CString WritePrivateImage(const riztest::TempFolder& folder) {
    WriteFramesBmp(folder, _T("PrivateBtn.bmp"), 40, 20, PrivateFrameColour, 3);
    return folder.Path(_T("PrivateBtn.bmp"));
}

// ---- The fixture ----

void ButtonTest::SetUp() {
    ParkCursor();
    ASSERT_TRUE(LoadSkin(TestSkin()));
    m_dlg.m_background = [](int, int) { return kParentColour; };
    m_dlg.m_onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam) {
            ++m_clicks[LOWORD(wParam)];
            m_checkAtClick[LOWORD(wParam)] =
                static_cast<int>(::SendMessage(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0));
        }
        return false;
    };
    PatternDialogTest::SetUp();
}

bool ButtonTest::LoadSkin(const TestSkin& skin) {
    CString strName;
    strName.Format(_T("skin%d\\"), m_nSkins++);
    return WriteTestSkin(m_folder, strName, skin) &&
           CQVSkinResManager::GetSingletonPtr()->LoadSkin(m_folder.Path(strName));
}

int ButtonTest::Clicks(UINT nID) const {
    auto it = m_clicks.find(nID);
    return it == m_clicks.end() ? 0 : it->second;
}

int ButtonTest::CheckAtLastClick(UINT nID) const {
    auto it = m_checkAtClick.find(nID);
    return it == m_checkAtClick.end() ? -1 : it->second;
}

}  // namespace qvbtest
