// What CQVButton draws, read back from the screen: the colours of the colour-drawn kinds per state, the
// skin and private image frames, transparency over the parent's background, icons and focus rectangles.
#include "QVButtonFixture.h"

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

class ButtonDrawTest : public ButtonTest {
protected:
    void UsePlainSkin(int nTransparent = 1) {
        TestSkin plain;
        plain.nSkinPush = plain.nSkinCheck = plain.nSkinRadio = 0;
        plain.nTransparent = nTransparent;
        ASSERT_TRUE(LoadSkin(plain));
    }
    // Posts a mouse move into the button: with the cursor parked no tracking starts, so the hover stays.
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
    static CRect Whole(const WindowCapture& shot) { return CRect(0, 0, shot.Width(), shot.Height()); }
};

}  // namespace

// ---- Colour-drawn push button ----

TEST_F(ButtonDrawTest, CommonButtonColoursFollowTheState) {
    UsePlainSkin();
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    ASSERT_EQ(QVBT_COMMON, send.GetButtonType());
    struct Expected {
        COLORREF clrPen, clrBrush, clrText;
    };
    auto check = [&](const Expected& e, const char* pszState) {
        SCOPED_TRACE(pszState);
        WindowCapture shot(send);
        const CRect rcMiddle(shot.Width() / 4, 2, shot.Width() * 3 / 4, shot.Height() - 2);
        EXPECT_TRUE(ColorNear(e.clrPen, shot.Pixel(0, 0), 2));
        EXPECT_TRUE(ColorNear(e.clrPen, shot.Pixel(shot.Width() - 1, shot.Height() - 1), 2));
        EXPECT_TRUE(ColorNear(e.clrBrush, shot.Pixel(4, 4), 2));
        EXPECT_GE(TextPixels(shot, rcMiddle, e.clrText), 5);
    };
    check({kPenNormal, kBrushNormal, RGB(0, 0, 0)}, "normal");
    send.EnableWindow(FALSE);
    check({kPenDisabled, kBrushDisabled, kTextDisabled}, "disabled");
    send.EnableWindow(TRUE);
    Press(send);
    check({kPenPressed, kBrushPressed, RGB(255, 255, 255)}, "pressed");
    Release(send);
    Hover(send);
    check({kPenHover, kBrushHover, kTextHoverCommon}, "hover");
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

TEST_F(ButtonDrawTest, ColourCheckBoxDrawsABoxTheCheckLineAndTheParentBehind) {
    UsePlainSkin();
    CQVButton remember;
    Subclass(remember, IDC_QVBTN_REMEMBER);
    ASSERT_EQ(QVBT_CHECKBOX, remember.GetButtonType());
    const int h = RectInDialog(remember).Height();
    {
        WindowCapture shot(remember);
        EXPECT_TRUE(ColorNear(kPenNormal, shot.Pixel(0, h / 2), 2));
        EXPECT_TRUE(ColorNear(kPenNormal, shot.Pixel(h - 1, h / 2), 2));
        EXPECT_TRUE(ColorNear(kBrushNormal, shot.Pixel(h / 2, h / 4), 2));
        EXPECT_TRUE(ColorNear(kBrushNormal, shot.Pixel(h / 2, h / 2), 2));  // no check line
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(shot.Width() - 1, 0), 2));
        EXPECT_GE(TextPixels(shot, CRect(h + 10, 0, shot.Width(), h), RGB(0, 0, 0)), 5);
        EXPECT_EQ(0, TextPixels(shot, CRect(h, 0, h + 10, h), RGB(0, 0, 0)));
    }
    remember.SetCheck(BST_CHECKED);
    {
        WindowCapture shot(remember);
        EXPECT_TRUE(ColorNear(kPenNormal, shot.Pixel(h / 2, h / 2), 2));  // the diagonal
        EXPECT_TRUE(ColorNear(kBrushNormal, shot.Pixel(h / 2, h / 4), 2));
    }
    remember.EnableWindow(FALSE);
    {
        WindowCapture shot(remember);
        EXPECT_TRUE(ColorNear(kPenDisabled, shot.Pixel(h / 2, h / 2), 2));
        EXPECT_TRUE(ColorNear(kBrushDisabled, shot.Pixel(h / 2, h / 4), 2));
        EXPECT_GE(TextPixels(shot, CRect(h + 10, 0, shot.Width(), h), kTextDisabled), 5);
    }
}

TEST_F(ButtonDrawTest, ColourCheckBoxHoverAndPressedColours) {
    UsePlainSkin();
    CQVButton remember;
    Subclass(remember, IDC_QVBTN_REMEMBER);
    const int h = RectInDialog(remember).Height();
    Press(remember);
    {
        WindowCapture shot(remember);
        EXPECT_TRUE(ColorNear(kPenPressed, shot.Pixel(0, h / 2), 2));
        EXPECT_TRUE(ColorNear(kBrushPressed, shot.Pixel(h / 2, h / 4), 2));
        EXPECT_GE(TextPixels(shot, CRect(h + 10, 0, shot.Width(), h), RGB(255, 255, 255)), 5);
    }
    Release(remember);
    Hover(remember);
    {
        WindowCapture shot(remember);
        EXPECT_TRUE(ColorNear(kPenHover, shot.Pixel(0, h / 2), 2));
        EXPECT_TRUE(ColorNear(kBrushHover, shot.Pixel(h / 2, h / 4), 2));
        EXPECT_TRUE(ColorNear(kPenHover, shot.Pixel(h / 2, h / 2), 2));  // checked by the click
        EXPECT_GE(TextPixels(shot, CRect(h + 10, 0, shot.Width(), h), RGB(0, 0, 0)), 5);
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

TEST_F(ButtonDrawTest, ColourRadioButtonIsACircle) {
    UsePlainSkin();
    CQVButton beginner;
    Subclass(beginner, IDC_QVBTN_BEGINNER);
    ASSERT_EQ(QVBT_RADIO, beginner.GetButtonType());
    const int h = RectInDialog(beginner).Height();
    {
        WindowCapture shot(beginner);
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(0, 0), 2));  // outside the circle
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(h - 1, h - 1), 2));
        EXPECT_TRUE(ColorNear(kPenNormal, shot.Pixel(0, h / 2), 2));
        EXPECT_TRUE(ColorNear(kBrushNormal, shot.Pixel(h / 2, h / 4), 2));
        EXPECT_TRUE(ColorNear(kBrushNormal, shot.Pixel(h / 2, h / 2), 2));
    }
    PostMouse(beginner, WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
    PostMouse(beginner, WM_LBUTTONUP, 3, 3);
    Pump();
    {
        WindowCapture shot(beginner);
        EXPECT_TRUE(ColorNear(kPenNormal, shot.Pixel(h / 2, h / 2), 2));
    }
}

// ---- Skin push button ----

TEST_F(ButtonDrawTest, SkinPushButtonShowsTheFrameOfItsState) {
    CQVButton send;
    Subclass(send, IDC_QVBTN_SEND);
    ASSERT_EQ(QVBT_IMAGE_TEXT, send.GetButtonType());
    auto frameAt = [&](int nFrame, COLORREF clrText, const char* pszState) {
        SCOPED_TRACE(pszState);
        WindowCapture shot(send);
        const int y = shot.Height() / 2;
        EXPECT_TRUE(ColorNear(PushFrameColour(nFrame), shot.Pixel(4, y), 2));
        EXPECT_TRUE(ColorNear(PushFrameColour(nFrame), shot.Pixel(shot.Width() - 4, y), 2));
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(0, 0), 2));  // the key shows the parent
        EXPECT_GE(
            TextPixels(shot, CRect(shot.Width() / 4, 3, shot.Width() * 3 / 4, shot.Height() - 3), clrText),
            5);
    };
    frameAt(0, RGB(0, 0, 0), "normal");
    send.EnableWindow(FALSE);
    frameAt(3, kTextDisabled, "disabled");
    send.EnableWindow(TRUE);
    Press(send);
    frameAt(2, RGB(0, 0, 0), "pressed");
    Release(send);
    Hover(send);
    frameAt(1, RGB(0, 0, 0), "hover");
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

TEST_F(ButtonDrawTest, SkinCheckBoxFramesFollowTheTable) {
    CQVButton remember;
    Subclass(remember, IDC_QVBTN_REMEMBER);
    ASSERT_EQ(QVBT_CHECKBOX_SKIN, remember.GetButtonType());
    const int h = RectInDialog(remember).Height();
    auto frame = [&](int nFrame, COLORREF clrText, const char* pszState) {
        SCOPED_TRACE(pszState);
        WindowCapture shot(remember);
        EXPECT_TRUE(ColorNear(CheckFrameColour(nFrame), shot.Pixel(6, 6), 2));
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(0, 0), 2));   // key corner
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(6, 14), 2));  // below the 13-pixel image
        EXPECT_GE(TextPixels(shot, CRect(18, 0, shot.Width(), h), clrText), 5);
        EXPECT_EQ(0, TextPixels(shot, CRect(13, 0, 18, h), clrText));
    };
    frame(0, RGB(0, 0, 0), "unchecked");
    remember.SetCheck(BST_CHECKED);
    frame(4, RGB(0, 0, 0), "checked");
    remember.EnableWindow(FALSE);
    frame(7, kTextDisabled, "checked, disabled");
    remember.SetCheck(BST_UNCHECKED);
    frame(3, kTextDisabled, "unchecked, disabled");
    remember.EnableWindow(TRUE);
    Press(remember);
    frame(10, RGB(0, 0, 0), "unchecked, pressed");
    Release(remember);
    ASSERT_EQ(BST_CHECKED, remember.GetCheck());
    Press(remember);
    frame(10, RGB(0, 0, 0), "checked, pressed");
    Release(remember);
    ASSERT_EQ(BST_UNCHECKED, remember.GetCheck());
    Hover(remember);
    frame(1, RGB(0, 0, 0), "unchecked, hover");
    remember.SetCheck(BST_CHECKED);
    frame(5, RGB(0, 0, 0), "checked, hover");
}

TEST_F(ButtonDrawTest, SkinRadioFramesFollowTheTable) {
    CQVButton beginner;
    Subclass(beginner, IDC_QVBTN_BEGINNER);
    ASSERT_EQ(QVBT_RADIO_SKIN, beginner.GetButtonType());
    const int h = RectInDialog(beginner).Height();
    auto frame = [&](int nFrame, COLORREF clrText, const char* pszState) {
        SCOPED_TRACE(pszState);
        WindowCapture shot(beginner);
        EXPECT_TRUE(ColorNear(RadioFrameColour(nFrame), shot.Pixel(6, 6), 2));
        EXPECT_GE(TextPixels(shot, CRect(18, 0, shot.Width(), h), clrText), 5);
    };
    frame(0, RGB(0, 0, 0), "unchecked");
    beginner.EnableWindow(FALSE);
    frame(3, kTextDisabled, "unchecked, disabled");
    beginner.SetCheck(BST_CHECKED);
    frame(7, kTextDisabled, "checked, disabled");
    beginner.EnableWindow(TRUE);
    frame(4, RGB(0, 0, 0), "checked");
    Press(beginner);
    frame(6, RGB(255, 255, 255), "checked, pressed");
    Release(beginner);
    beginner.SetCheck(BST_UNCHECKED);
    Press(beginner);
    frame(2, RGB(255, 255, 255), "unchecked, pressed");
    Release(beginner);
    ASSERT_EQ(BST_CHECKED, beginner.GetCheck());
    Hover(beginner);
    frame(5, RGB(0, 0, 0), "checked, hover");
    beginner.SetCheck(BST_UNCHECKED);
    frame(1, RGB(0, 0, 0), "unchecked, hover");
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
    auto frame = [&](int nFrame, const char* pszState) {
        SCOPED_TRACE(pszState);
        WindowCapture shot(start);
        ASSERT_EQ(40, shot.Width());
        ASSERT_EQ(20, shot.Height());
        EXPECT_TRUE(ColorNear(PrivateFrameColour(nFrame), shot.Pixel(2, 10), 2));
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(0, 0), 2));
        // Left-aligned text moved 6 pixels right.
        EXPECT_EQ(0, TextPixels(shot, CRect(0, 2, 6, 18), clrText));
        EXPECT_GE(TextPixels(shot, CRect(6, 2, 30, 18), clrText), 5);
    };
    frame(0, "normal");
    Press(start);
    frame(2, "pressed");
    Release(start);
    Hover(start);
    frame(1, "hover");
    start.EnableWindow(FALSE);
    frame(0, "disabled");
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
    send.SetIcon(MakeSolidIcon(16, kIconColour), CSize(16, 16), QVBIA_LEFT);
    send.SetButtonType(QVBT_ICON_TEXT);
    send.AdjustControlRect();
    {
        WindowCapture shot(send);
        EXPECT_TRUE(ColorNear(kIconColour, shot.Pixel(2, 2), 2));
        EXPECT_TRUE(ColorNear(kIconColour, shot.Pixel(17, 17), 2));
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(18, 18), 2));
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(0, 0), 2));  // no frame
        EXPECT_GE(TextPixels(shot, CRect(23, 0, shot.Width(), shot.Height()), RGB(0, 0, 0)), 5);
    }
    Press(send);
    {
        WindowCapture shot(send);
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(2, 2), 2));  // moved by (1, 1)
        EXPECT_TRUE(ColorNear(kIconColour, shot.Pixel(18, 18), 2));
        EXPECT_TRUE(ColorNear(kIconFrame, shot.Pixel(0, 0), 2));
        EXPECT_TRUE(ColorNear(kIconFrame, shot.Pixel(shot.Width() - 1, shot.Height() - 1), 2));
    }
    Release(send);
    Hover(send);
    {
        WindowCapture shot(send);
        EXPECT_TRUE(ColorNear(kIconColour, shot.Pixel(2, 2), 2));
        EXPECT_TRUE(ColorNear(kIconFrame, shot.Pixel(0, 0), 2));
        EXPECT_TRUE(ColorNear(kIconFrame, shot.Pixel(shot.Width() / 2, shot.Height() - 1), 2));
    }
    send.EnableWindow(FALSE);
    {
        WindowCapture shot(send);
        EXPECT_TRUE(ColorNear(kParentColour, shot.Pixel(0, 0), 2));
        EXPECT_GE(TextPixels(shot, CRect(23, 0, shot.Width(), shot.Height()), kTextDisabled), 5);
    }
}

TEST_F(ButtonDrawTest, IconOnTheRightAndOnTop) {
    CQVButton send, start;
    Subclass(send, IDC_QVBTN_SEND);
    Subclass(start, IDC_QVBTN_START);
    send.SetIcon(MakeSolidIcon(16, kIconColour), CSize(16, 16), QVBIA_RIGHT);
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
    start.SetIcon(MakeSolidIcon(16, kIconColour), CSize(16, 16), QVBIA_TOP);
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
    send.SetIcon(MakeSolidIcon(16, kIconColour), CSize(16, 16), QVBIA_LEFT);
    send.SetWindowPos(NULL, 0, 0, 100, 20, SWP_NOMOVE | SWP_NOZORDER);
    WindowCapture shot(send);
    EXPECT_FALSE(shot.HasOtherThan(CRect(19, 0, 100, 20), kParentColour, 2));
}
