// What the button tests share: a small skin of solid-colour frames written at run time, and the
// study-options dialog over a known background, counting BN_CLICKED.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "QVButton.h"
#include "MessagePump.h"
#include "PatternDialog.h"
#include "QVButtonTestRes.h"

namespace qvbtest {

// The dialog's background: what a transparent button shows where it draws nothing.
constexpr COLORREF kParentColour = RGB(20, 110, 40);
constexpr COLORREF kKey = RGB(255, 0, 255);

// Frame colours of the test skin and of the private image (frame n is one solid colour; the top-left
// 2 x 2 pixels of every frame are the key colour).
COLORREF PushFrameColour(int nFrame, int nVariant = 0);
COLORREF CheckFrameColour(int nFrame);
COLORREF RadioFrameColour(int nFrame);
COLORREF PrivateFrameColour(int nFrame);

struct TestSkin {
    int nPushHeight = 26;
    int nSkinPush = 1;
    int nSkinCheck = 1;
    int nSkinRadio = 1;
    int nTransparent = 1;
    int nCheckSize = 13;   // frame size of the check box image
    int nCheckMetric = 0;  // the size the skin asks for; 0: the frame size
    int nRadioSize = 13;
    int nVariant = 0;  // 1 gives the push button other frame colours
};

// Writes a 24-bit BMP of frames side by side, frame n solid colour(n) with a key-coloured top-left corner.
bool WriteFramesBmp(const riztest::TempFolder& folder, LPCTSTR lpszName, int cxFrame, int cyFrame,
                    const std::function<COLORREF(int)>& colour, int nFrames);
// Writes skin.ini and the button images of a skin into the subfolder strPrefix ("skin0\\") of the folder.
bool WriteTestSkin(const riztest::TempFolder& folder, const CString& strPrefix, const TestSkin& skin);
// The private three-frame image, 40 x 20 a frame, as PrivateBtn.bmp in the folder.
CString WritePrivateImage(const riztest::TempFolder& folder);

// The study-options dialog over a plain background, counting each button's BN_CLICKED.
class ButtonTest : public riztest::PatternDialogTest {
protected:
    ButtonTest() : PatternDialogTest(IDD_QVBTN, 0, false) {}
    void SetUp() override;

    // Loads another skin written into a fresh folder of the fixture.
    bool LoadSkin(const TestSkin& skin);
    // A button of the dialog, subclassed by a CQVButton.
    void Subclass(CQVButton& button, UINT nID) { ASSERT_TRUE(button.SubclassDlgItem(nID, &m_dlg)); }
    using PatternDialogTest::RectInDialog;
    CRect RectInDialog(const CWnd& wnd) const { return RectInDialog(wnd.m_hWnd); }
    int Clicks(UINT nID) const;
    // What the control answered to BM_GETCHECK when its last BN_CLICKED arrived; -1 before any.
    int CheckAtLastClick(UINT nID) const;
    // Moves the real cursor off every window, so that no hover tracking starts by itself.
    static void ParkCursor() {
        PatternDialogTest::ParkCursor();
        riztest::PumpUntilIdle(200);
    }

    std::map<UINT, int> m_clicks;
    std::map<UINT, int> m_checkAtClick;
};

}  // namespace qvbtest
