// What CQVButton draws, read back from the screen: the colours of the colour-drawn kinds per state, the
// skin and private image frames, transparency over the parent's background, icons and focus rectangles.
#include "QVButtonFixture.h"

#include <functional>
#include <initializer_list>
#include <string>

#include "MessagePump.h"
#include "PixelProbe.h"

using namespace qvbtest;
using riztest::ColorNear;
using riztest::PostMouse;
using riztest::WindowCapture;

namespace {

// Pen, brush and text colours of the colour-drawn kinds.
constexpr COLORREF kPenNormal = 0xFF6464, kBrushNormal = 0xFFC0C0;
constexpr COLORREF kPenHover = 0xFFC8C8, kBrushHover = 0xC0FFFF, kTextHoverCommon = 0x8080FF;
constexpr COLORREF kPenPressed = 0x000000, kBrushPressed = 0xC04040;
constexpr COLORREF kPenDisabled = 0xC8C8C8, kBrushDisabled = 0xC0C0C0, kTextDisabled = 0x808080;
constexpr COLORREF kIconFrame = 0xFF8080;
constexpr COLORREF kIconColour = RGB(30, 90, 200);

// Pixels near a colour in a rectangle of a capture: text is drawn anti-aliased or not, the core of the
// glyphs has the text colour either way.
int TextPixels(const WindowCapture& shot, const CRect& rc, COLORREF clr) {
    return shot.CountNear(rc, clr, 40);
}

// What a row of a state walk does to the button, in this order, before its pixels are checked.
enum Step : unsigned {
    KEEP = 0,
    RELEASE = 1,
    ENABLE = 2,
    DISABLE = 4,
    UNCHECK = 8,
    CHECK = 16,
    PRESS = 32,
    HOVER = 64,  // a posted mouse move: with the cursor parked no tracking starts, so the hover stays
};

// A row: the steps, then the frame (or colour set) and the text colour the button shows.
struct StateRow {
    unsigned steps;
    int nFrame;
    COLORREF clrText;
    const char* pszState;
};

// Pen and brush of the colour-drawn kinds, by state.
enum ColourState { NORMAL, HOT, PRESSED, DISABLED };
const COLORREF kPen[4] = {kPenNormal, kPenHover, kPenPressed, kPenDisabled};
const COLORREF kBrush[4] = {kBrushNormal, kBrushHover, kBrushPressed, kBrushDisabled};

class ButtonDrawTest : public ButtonTest {
protected:
    void UsePlainSkin(int nTransparent = 1) {
        TestSkin plain;
        plain.nSkinPush = plain.nSkinCheck = plain.nSkinRadio = 0;
        plain.nTransparent = nTransparent;
        ASSERT_TRUE(LoadSkin(plain));
    }
    void Hover(CWnd& wnd) {
        PostMouse(wnd, WM_MOUSEMOVE, 3, 3);
        Pump();
    }
    void Press(CWnd& wnd) {
        PostMouse(wnd, WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
        Pump();
    }
    void Release(CWnd& wnd) {
        PostMouse(wnd, WM_LBUTTONUP, 3, 3);
        Pump();
    }
    // Applies each row's steps and checks the capture with check.
    void Walk(CQVButton& button, std::initializer_list<StateRow> rows,
              const std::function<void(const StateRow&, const WindowCapture&)>& check) {
        for (const StateRow& r : rows) {
            if (r.steps & RELEASE) Release(button);
            if (r.steps & ENABLE) button.EnableWindow(TRUE);
            if (r.steps & DISABLE) button.EnableWindow(FALSE);
            if (r.steps & UNCHECK) button.SetCheck(BST_UNCHECKED);
            if (r.steps & CHECK) button.SetCheck(BST_CHECKED);
            if (r.steps & PRESS) Press(button);
            if (r.steps & HOVER) Hover(button);
            Pump();
            SCOPED_TRACE(r.pszState);
            check(r, WindowCapture(button));
        }
    }
};

}  // namespace

// ---- Colour-drawn push button ----

TEST_F(ButtonDrawTest, CommonButtonColoursFollowTheState) {
    UsePlainSkin();
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    ASSERT_EQ(QVBT_COMMON, send.GetButtonType());
    Walk(send,
         {{KEEP, NORMAL, RGB(0, 0, 0), "normal"},
          {DISABLE, DISABLED, kTextDisabled, "disabled"},
          {ENABLE | PRESS, PRESSED, RGB(255, 255, 255), "pressed"},
          {RELEASE | HOVER, HOT, kTextHoverCommon, "hover"}},
         [](const StateRow& r, const WindowCapture& shot) {
             const CRect rcMiddle(shot.Width() / 4, 2, shot.Width() * 3 / 4, shot.Height() - 2);
             EXPECT_TRUE(ColorNear(kPen[r.nFrame], shot.Pixel(0, 0), 2));
             EXPECT_TRUE(ColorNear(kPen[r.nFrame], shot.Pixel(shot.Width() - 1, shot.Height() - 1), 2));
             EXPECT_TRUE(ColorNear(kBrush[r.nFrame], shot.Pixel(4, 4), 2));
             EXPECT_GE(TextPixels(shot, rcMiddle, r.clrText), 5);
         });
}

TEST_F(ButtonDrawTest, AHoveredButtonShowsNoFocusRectangle) {
    UsePlainSkin();
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    send.SetFocus();
    Pump();
    {
        WindowCapture shot(send);
        const CRect rcRow(2, 1, shot.Width() - 2, 2);  // the focus rectangle's top edge, 1 pixel inside
        EXPECT_TRUE(shot.HasOtherThan(rcRow, kBrushNormal, 2));
    }
    Hover(send);
    {
        WindowCapture shot(send);
        const CRect rcRow(2, 1, shot.Width() - 2, 2);
        EXPECT_FALSE(shot.HasOtherThan(rcRow, kBrushHover, 2));
    }
}

// ---- Colour-drawn check box and radio button ----

TEST_F(ButtonDrawTest, ColourCheckBoxAndRadioButtonDrawTheColoursOfTheirStateAndTheCheckMark) {
    UsePlainSkin();
    CQVButton remember, beginner;
    Subclass(remember, IDC_QVBTN_REMEMBER);
    Subclass(beginner, IDC_QVBTN_BEGINNER);
    ASSERT_EQ(QVBT_CHECKBOX, remember.GetButtonType());
    ASSERT_EQ(QVBT_RADIO, beginner.GetButtonType());
    for (CQVButton* pButton : {&remember, &beginner}) {
        const bool bRadio = pButton == &beginner;
        SCOPED_TRACE(bRadio ? "radio button" : "check box");
        const int h = RectInDialog(*pButton).Height();
        Walk(*pButton,
             {{KEEP, NORMAL, RGB(0, 0, 0), "unchecked"},
              {CHECK, NORMAL, RGB(0, 0, 0), "checked"},
              {DISABLE, DISABLED, kTextDisabled, "checked, disabled"},
              {ENABLE | UNCHECK | PRESS, PRESSED, RGB(255, 255, 255), "pressed"},
              {RELEASE | HOVER, HOT, RGB(0, 0, 0), "hover, checked by the click"}},
             [&](const StateRow& r, const WindowCapture& shot) {
                 // The box or circle in the pen and brush of the state; the check mark (a diagonal or
                 // a dot) in the pen through the middle.
                 const bool bChecked = pButton->GetCheck() == BST_CHECKED;
                 EXPECT_TRUE(ColorNear(kPen[r.nFrame], shot.Pixel(0, h / 2), 2));
                 EXPECT_TRUE(ColorNear(kBrush[r.nFrame], shot.Pixel(h / 2, h / 4), 2));
                 EXPECT_TRUE(
                     ColorNear(bChecked ? kPen[r.nFrame] : kBrush[r.nFrame], shot.Pixel(h / 2, h / 2), 2));
                 EXPECT_GE(TextPixels(shot, CRect(h + 10, 0, shot.Width(), h), r.clrText), 5);
                 EXPECT_EQ(0, TextPixels(shot, CRect(h, 0, h + 10, h), r.clrText));
                 // Unchecked and normal, the parent shows right of the text and outside the circle.
                 if (r.nFrame != NORMAL || bChecked) return;
                 EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(shot.Width() - 1, 0), 2));
                 if (bRadio) {
                     EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(0, 0), 2));
                     EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(h - 1, h - 1), 2));
                 }
             });
    }
}

TEST_F(ButtonDrawTest, ColourCheckKindsFrameTheTextWhenFocusedAndNotHovered) {
    UsePlainSkin();
    CQVButton remember;
    Subclass(remember, IDC_QVBTN_REMEMBER);
    const int h = RectInDialog(remember).Height();
    {
        WindowCapture shot(remember);
        EXPECT_FALSE(shot.HasOtherThan(CRect(h + 12, 0, shot.Width() - 2, 1), kParentColour, 2));
    }
    remember.SetFocus();
    Pump();
    {
        WindowCapture shot(remember);
        EXPECT_TRUE(shot.HasOtherThan(CRect(h + 12, 0, shot.Width() - 2, 1), kParentColour, 2));
    }
    Hover(remember);
    {
        WindowCapture shot(remember);
        EXPECT_FALSE(shot.HasOtherThan(CRect(h + 12, 0, shot.Width() - 2, 1), kParentColour, 2));
    }
}

// ---- Skin push button ----

TEST_F(ButtonDrawTest, SkinPushButtonShowsTheFrameOfItsState) {
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    ASSERT_EQ(QVBT_IMAGE_TEXT, send.GetButtonType());
    Walk(send,
         {{KEEP, 0, RGB(0, 0, 0), "normal"},
          {DISABLE, 3, kTextDisabled, "disabled"},
          {ENABLE | PRESS, 2, RGB(0, 0, 0), "pressed"},
          {RELEASE | HOVER, 1, RGB(0, 0, 0), "hover"}},
         [](const StateRow& r, const WindowCapture& shot) {
             const int y = shot.Height() / 2;
             EXPECT_TRUE(ColorNear(PushFrameColour(r.nFrame), shot.Pixel(4, y), 2));
             EXPECT_TRUE(ColorNear(PushFrameColour(r.nFrame), shot.Pixel(shot.Width() - 4, y), 2));
             EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(0, 0), 2));  // the key shows the parent
             const CRect rcText(shot.Width() / 4, 3, shot.Width() * 3 / 4, shot.Height() - 3);
             EXPECT_GE(TextPixels(shot, rcText, r.clrText), 5);
         });
}

TEST_F(ButtonDrawTest, ImageOnlyKindDrawsNoText) {
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    send.SetButtonType(QVBT_IMAGE);
    WindowCapture shot(send);
    const CRect rcInside(3, 3, shot.Width() - 3, shot.Height() - 3);
    EXPECT_FALSE(shot.HasOtherThan(rcInside, PushFrameColour(0), 2));
}

TEST_F(ButtonDrawTest, WithoutTheTransparentFlagTheKeyColourIsDrawn) {
    TestSkin opaque;
    opaque.nTransparent = 0;
    ASSERT_TRUE(LoadSkin(opaque));
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    EXPECT_FALSE(send.GetTransparentImage());
    WindowCapture shot(send);
    EXPECT_TRUE(ColorNear(kKey, shot.Pixel(0, 0), 2));
    send.SetTransparentImage(TRUE);
    WindowCapture again(send);
    EXPECT_TRUE(ColorNear(kParentColour, again.Pixel(0, 0), 2));
}

TEST_F(ButtonDrawTest, SkinPushButtonFocusRectangleSitsTwoPixelsInside) {
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    send.SetFocus();
    Pump();
    WindowCapture shot(send);
    EXPECT_TRUE(shot.HasOtherThan(CRect(4, 2, shot.Width() - 4, 3), PushFrameColour(0), 2));
    EXPECT_FALSE(shot.HasOtherThan(CRect(4, 3, shot.Width() - 4, 4), PushFrameColour(0), 2));
}

// ---- Skin check box and radio button ----

TEST_F(ButtonDrawTest, SkinCheckBoxFramesFollowTheState) {
    CQVButton remember;
    Subclass(remember, IDC_QVBTN_REMEMBER);
    ASSERT_EQ(QVBT_CHECKBOX_SKIN, remember.GetButtonType());
    const int h = RectInDialog(remember).Height();
    Walk(remember,
         {{KEEP, 0, RGB(0, 0, 0), "unchecked"},
          {CHECK, 4, RGB(0, 0, 0), "checked"},
          {DISABLE, 7, kTextDisabled, "checked, disabled"},
          {UNCHECK, 3, kTextDisabled, "unchecked, disabled"},
          {ENABLE | PRESS, 10, RGB(0, 0, 0), "unchecked, pressed"},
          {RELEASE | PRESS, 10, RGB(0, 0, 0), "checked, pressed"},
          {RELEASE | HOVER, 1, RGB(0, 0, 0), "unchecked, hover"},
          {CHECK, 5, RGB(0, 0, 0), "checked, hover"}},
         [h](const StateRow& r, const WindowCapture& shot) {
             EXPECT_TRUE(ColorNear(CheckFrameColour(r.nFrame), shot.Pixel(6, 6), 2));
             EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(0, 0), 2));   // key corner
             EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(6, 14), 2));  // below the 13-pixel image
             EXPECT_GE(TextPixels(shot, CRect(18, 0, shot.Width(), h), r.clrText), 5);
             EXPECT_EQ(0, TextPixels(shot, CRect(13, 0, 18, h), r.clrText));
         });
}

TEST_F(ButtonDrawTest, SkinRadioFramesFollowTheState) {
    CQVButton beginner;
    Subclass(beginner, IDC_QVBTN_BEGINNER);
    ASSERT_EQ(QVBT_RADIO_SKIN, beginner.GetButtonType());
    const int h = RectInDialog(beginner).Height();
    Walk(beginner,
         {{KEEP, 0, RGB(0, 0, 0), "unchecked"},
          {DISABLE, 3, kTextDisabled, "unchecked, disabled"},
          {CHECK, 7, kTextDisabled, "checked, disabled"},
          {ENABLE, 4, RGB(0, 0, 0), "checked"},
          {PRESS, 6, RGB(255, 255, 255), "checked, pressed"},
          {RELEASE | UNCHECK | PRESS, 2, RGB(255, 255, 255), "unchecked, pressed"},
          {RELEASE | HOVER, 5, RGB(0, 0, 0), "checked, hover"},
          {UNCHECK, 1, RGB(0, 0, 0), "unchecked, hover"}},
         [h](const StateRow& r, const WindowCapture& shot) {
             EXPECT_TRUE(ColorNear(RadioFrameColour(r.nFrame), shot.Pixel(6, 6), 2));
             EXPECT_GE(TextPixels(shot, CRect(18, 0, shot.Width(), h), r.clrText), 5);
         });
}

TEST_F(ButtonDrawTest, SkinCheckImageTakesItsSizeFromTheSkinMetrics) {
    TestSkin large;
    large.nCheckMetric = 20;  // 13-pixel frames drawn 20 pixels wide and high
    ASSERT_TRUE(LoadSkin(large));
    CQVButton remember;
    Subclass(remember, IDC_QVBTN_REMEMBER);
    WindowCapture shot(remember);
    EXPECT_TRUE(ColorNear(CheckFrameColour(0), shot.Pixel(17, 10), 2));
    EXPECT_FALSE(ColorNear(CheckFrameColour(0), shot.Pixel(22, 10), 2));
}

// ---- Private image ----

TEST_F(ButtonDrawTest, PrivateImageFramesAndText) {
    CQVButton start;
    Subclass(start, IDC_QVBTN_START);
    const COLORREF clrText = RGB(250, 250, 250);
    ASSERT_TRUE(start.SetBitmapFile(WritePrivateImage(m_folder), TRUE, kKey, _T("Tahoma"), 80, clrText,
                                    CPoint(6, 0)));
    start.SetWindowText(_T("Go"));
    Walk(start,
         {{KEEP, 0, clrText, "normal"},
          {PRESS, 2, clrText, "pressed"},
          {RELEASE | HOVER, 1, clrText, "hover"},
          {DISABLE, 0, clrText, "disabled"}},
         [](const StateRow& r, const WindowCapture& shot) {
             ASSERT_EQ(40, shot.Width());
             ASSERT_EQ(20, shot.Height());
             EXPECT_TRUE(ColorNear(PrivateFrameColour(r.nFrame), shot.Pixel(2, 10), 2));
             EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(0, 0), 2));
             // Left-aligned text moved 6 pixels right.
             EXPECT_EQ(0, TextPixels(shot, CRect(0, 2, 6, 18), r.clrText));
             EXPECT_GE(TextPixels(shot, CRect(6, 2, 30, 18), r.clrText), 5);
         });
}

TEST_F(ButtonDrawTest, OpaquePrivateImageDrawsItsKeyColour) {
    CQVButton start;
    Subclass(start, IDC_QVBTN_START);
    ASSERT_TRUE(start.SetBitmapFile(WritePrivateImage(m_folder), FALSE));
    start.SetWindowText(_T(""));
    WindowCapture shot(start);
    EXPECT_TRUE(ColorNear(kKey, shot.Pixel(0, 0), 2));
    EXPECT_FALSE(shot.HasOtherThan(CRect(2, 2, 40, 20), PrivateFrameColour(0), 2));
}

// ---- Icons ----

TEST_F(ButtonDrawTest, IconOnTheLeftWithItsStates) {
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    send.SetIcon(riztest::SolidIcon(16, kIconColour), CSize(16, 16), QVBIA_LEFT);
    send.SetButtonType(QVBT_ICON_TEXT);
    send.AdjustControlRect();
    Walk(send,
         {{KEEP, NORMAL, RGB(0, 0, 0), "normal"},
          {PRESS, PRESSED, CLR_INVALID, "pressed"},
          {RELEASE | HOVER, HOT, CLR_INVALID, "hover"},
          {DISABLE, DISABLED, kTextDisabled, "disabled"}},
         [](const StateRow& r, const WindowCapture& shot) {
             const int w = shot.Width(), h = shot.Height();
             const COLORREF i = kIconColour, p = kParentColour, f = kIconFrame;
             // Only pressed and hot buttons have a frame; pressed, the icon moves by (1, 1).
             const std::string wrong[4] = {
                 shot.WrongPixels({{2, 2, i}, {17, 17, i}, {18, 18, p}, {0, 0, p}}, 2),
                 shot.WrongPixels({{2, 2, i}, {0, 0, f}, {w / 2, h - 1, f}}, 2),
                 shot.WrongPixels({{2, 2, p}, {18, 18, i}, {0, 0, f}, {w - 1, h - 1, f}}, 2),
                 shot.WrongPixels({{0, 0, p}}, 2)};
             EXPECT_EQ("", wrong[r.nFrame]);
             if (r.clrText != CLR_INVALID) {
                 EXPECT_GE(TextPixels(shot, CRect(23, 0, w, h), r.clrText), 5);
             }
         });
}

TEST_F(ButtonDrawTest, IconOnTheRightAndOnTop) {
    CQVButton send, start;
    Subclass(send, IDC_QVBTN_SEND);
    Subclass(start, IDC_QVBTN_START);
    send.SetIcon(riztest::SolidIcon(16, kIconColour), CSize(16, 16), QVBIA_RIGHT);
    send.SetButtonType(QVBT_ICON_TEXT);
    send.AdjustControlRect();
    {
        WindowCapture shot(send);
        const int w = shot.Width();
        EXPECT_TRUE(ColorNear(kIconColour, shot.Pixel(w - 18, 2), 2));
        EXPECT_TRUE(ColorNear(kIconColour, shot.Pixel(w - 3, 17), 2));
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(w - 2, 2), 2));
        EXPECT_GE(TextPixels(shot, CRect(0, 0, w - 23, shot.Height()), RGB(0, 0, 0)), 5);
        EXPECT_EQ(0, TextPixels(shot, CRect(w - 23, 0, w - 18, shot.Height()), RGB(0, 0, 0)));
    }
    start.SetIcon(riztest::SolidIcon(16, kIconColour), CSize(16, 16), QVBIA_TOP);
    start.SetButtonType(QVBT_ICON_TEXT);
    start.SetWindowPos(NULL, 0, 0, 80, 44, SWP_NOMOVE | SWP_NOZORDER);
    {
        WindowCapture shot(start);
        const int x = (80 - 16) / 2 + 2;
        EXPECT_TRUE(ColorNear(kIconColour, shot.Pixel(x, 2), 2));
        EXPECT_TRUE(ColorNear(kIconColour, shot.Pixel(x + 15, 17), 2));
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(x - 1, 2), 2));
        EXPECT_GE(TextPixels(shot, CRect(0, 20, 80, 44), RGB(0, 0, 0)), 5);
        EXPECT_EQ(0, TextPixels(shot, CRect(0, 0, x - 1, 20), RGB(0, 0, 0)));
    }
}

TEST_F(ButtonDrawTest, IconOnlyKindDrawsNoText) {
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    send.SetIcon(riztest::SolidIcon(16, kIconColour), CSize(16, 16), QVBIA_LEFT);
    send.SetWindowPos(NULL, 0, 0, 100, 20, SWP_NOMOVE | SWP_NOZORDER);
    WindowCapture shot(send);
    EXPECT_FALSE(shot.HasOtherThan(CRect(19, 0, 100, 20), kParentColour, 2));
}
