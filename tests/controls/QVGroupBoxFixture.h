// What the group box, slider, hot-key and spin tests share: a skin with one colour per image frame, and
// the practice dialog over the patterned background with the focus on its Cancel button.
#pragma once

#include <commctrl.h>

#include "MessagePump.h"
#include "PatternDialog.h"
#include "QVGroupBoxTestRes.h"
#include "TestImage.h"

namespace qvsmall {

constexpr COLORREF kBorder = RGB(200, 30, 90);
constexpr COLORREF kOtherBorder = RGB(20, 160, 210);
constexpr COLORREF kChannel = RGB(30, 200, 60);
constexpr COLORREF kThumb = RGB(240, 140, 10);
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr int kSpinWidth = 12;
constexpr int kSpinHeight = 9;
// The spin arrows' frames: 0-2 up normal, hot, pressed, 3 unused, 4-6 down, 7 unused.
constexpr COLORREF kSpinFrames[8] = {RGB(10, 10, 120), RGB(20, 20, 160), RGB(30, 30, 200), RGB(1, 2, 3),
                                     RGB(120, 10, 10), RGB(160, 20, 20), RGB(200, 30, 30), RGB(3, 2, 1)};

using riztest::TextOf;

inline COLORREF BackgroundAt(int x, int y) {
    return riztest::PatternAt(x, y);
}

// What LoadSkin writes into a test skin: the border colour, the spin flag, the slider key flag, images.
struct TestSkin {
    COLORREF clrBorder = kBorder;
    int nSkinSpin = 1;
    int nSliderTransparent = 0;
    bool bImages = true;  // the spin and slider images exist
};

class SmallTest : public riztest::PatternDialogTest {
protected:
    SmallTest() : PatternDialogTest(IDD_QVSMALL, IDCANCEL) {}
    void SetUp() override {
        ASSERT_TRUE(LoadSkin(TestSkin()));
        PatternDialogTest::SetUp();
    }
    bool LoadSkin(const TestSkin& skin) {
        CStringA strIni;
        strIni.Format("[Button]\r\nSkinSpin = %d\r\nSpin = Common\\Button\\Spin.bmp\r\nSpinWidth = %d\r\n"
                      "SpinHeight = %d\r\n\r\n[Other]\r\nSliderChannel = Common\\others\\Channel.bmp\r\n"
                      "SliderThumb = Common\\others\\Thumb.bmp\r\nSliderTransparent = %d\r\n\r\n"
                      "[Colors]\r\nColor4 = %d,%d,%d\r\n",
                      skin.nSkinSpin, kSpinWidth, kSpinHeight, skin.nSliderTransparent,
                      GetRValue(skin.clrBorder), GetGValue(skin.clrBorder), GetBValue(skin.clrBorder));
        if (!skin.bImages) return LoadSkinFiles(strIni);
        // The thumb's left half is the key colour: it shows what lies under it when drawn with the key.
        return LoadSkinFiles(
            strIni,
            {{_T("Common\\Button\\Spin.bmp"),
              riztest::Bmp24(kSpinWidth * 8, kSpinHeight,
                             riztest::SolidFrames(kSpinWidth, {kSpinFrames, kSpinFrames + 8}))},
             {_T("Common\\others\\Channel.bmp"), riztest::Bmp24(8, 4, [](int, int) { return kChannel; })},
             {_T("Common\\others\\Thumb.bmp"),
              riztest::Bmp24(10, 20, [](int x, int) { return x < 5 ? kKey : kThumb; })}});
    }
    // Posts a click (down, up) at a client point of hWnd, then pumps.
    static void Click(HWND hWnd, CPoint pt) {
        ::PostMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        ::PostMessage(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        Pump();
    }
};

}  // namespace qvsmall
