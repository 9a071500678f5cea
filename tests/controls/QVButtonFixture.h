// What the button tests share: a small skin of solid-colour frames written at run time, the study-options
// dialog that paints a known background and counts BN_CLICKED, and the fixture that loads the skin and
// shows the dialog.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "QVButton.h"
#include "QVButtonTestRes.h"
#include "TestData.h"

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

// The study-options dialog of the resources.
class CButtonDialog : public CDialog {
public:
    CButtonDialog() : CDialog(IDD_QVBTN) {}

    int Clicks(UINT nID) const;
    // What the control answered to BM_GETCHECK when its last BN_CLICKED arrived; -1 before any.
    int CheckAtLastClick(UINT nID) const;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    std::map<UINT, int> m_clicks;
    std::map<UINT, int> m_checkAtClick;
};

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads another skin written into a fresh folder of the fixture.
    bool LoadSkin(const TestSkin& skin);
    // A button of the dialog, subclassed by a CQVButton.
    void Subclass(CQVButton& button, UINT nID);
    // Screen rectangle of a window in the dialog's client coordinates.
    CRect RectInDialog(const CWnd& wnd) const;

    static void Pump();
    // Moves the real cursor off every window, so that no hover tracking starts by itself.
    static void ParkCursor();

    riztest::TempFolder m_folder;
    int m_nSkins = 0;
    CButtonDialog m_dlg;
};

}  // namespace qvbtest
