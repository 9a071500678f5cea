// The slider: the skin's channel and thumb (frame 0 in every state) over the parent's background,
// the system's ticks and focus, and the system's drawing where the notification is not reflected.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVGroupBoxFixture.h"
#include "QVSliderCtrl.h"

namespace {

using qvsmall::BackgroundAt;
using qvsmall::kChannel;
using qvsmall::kKey;
using qvsmall::kThumb;

class SliderTest : public qvsmall::SmallTest {
protected:
    void SetUp() override {
        SmallTest::SetUp();
        ASSERT_TRUE(m_slider.SubclassDlgItem(IDC_QVSMALL_SLIDER, &m_dlg));
        m_slider.SetRange(0, 10, TRUE);
        m_slider.SetPos(3);
        Pump();
    }
    // The slider's parts in the dialog's coordinates.
    CRect Part(UINT nMessage) const {
        CRect rc;
        m_slider.SendMessage(nMessage, 0, reinterpret_cast<LPARAM>(&rc));
        return rc + RectInDialog(m_slider.m_hWnd).TopLeft();
    }
    CQVSliderCtrl m_slider;
};

TEST_F(SliderTest, DrawsFrameZeroOverTheParentInEveryStateAndKeepsTicksAndFocus) {
    const CRect rcSlider = RectInDialog(m_slider.m_hWnd);
    const CRect rcThumbClient = Part(TBM_GETTHUMBRECT) - rcSlider.TopLeft();
    const CPoint ptThumb = rcThumbClient.CenterPoint();
    const struct {
        const char* pszState;
        std::function<void()> enter;
    } states[] = {
        {"normal", [] {}},
        {"hovered", [&] { m_slider.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptThumb.x, ptThumb.y)); }},
        {"pressed",
         [&] { m_slider.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptThumb.x, ptThumb.y)); }},
        {"focused",
         [&] {
             m_slider.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptThumb.x, ptThumb.y));
             m_slider.SetFocus();
         }},
        {"disabled", [&] { m_slider.EnableWindow(FALSE); }},
    };
    riztest::Surface shot(rcSlider.right + 4, rcSlider.bottom + 4);
    for (const auto& state : states) {
        SCOPED_TRACE(state.pszState);
        state.enter();
        Pump();
        FreshPaint(shot);
        const CRect rcChannel = Part(TBM_GETCHANNELRECT), rcThumb = Part(TBM_GETTHUMBRECT);
        const int yChannel = rcChannel.CenterPoint().y, yThumb = rcThumb.CenterPoint().y;
        const int xRight = rcThumb.right - 2, xLeft = rcThumb.left + 1;
        const int xChannel = rcChannel.right - 3;
        EXPECT_EQ("", shot.WrongPixels({{xChannel, yChannel, kChannel},
                                        {xRight, yThumb, kThumb},
                                        {xLeft, yThumb, kKey},
                                        // the parent's background under the rest of the slider
                                        {rcSlider.right - 2, rcSlider.top + 1,
                                         BackgroundAt(rcSlider.right - 2, rcSlider.top + 1)}}));
        // The system's tick marks below the thumb.
        const CRect rcTicks(rcChannel.left, rcThumb.bottom, rcChannel.right, rcSlider.bottom - 1);
        int nTickPixels = 0;
        for (int x = rcTicks.left; x < rcTicks.right; ++x)
            for (int y = rcTicks.top; y < rcTicks.bottom; ++y)
                if (shot.Pixel(x, y) != BackgroundAt(x, y)) ++nTickPixels;
        EXPECT_LT(5, nTickPixels);
    }
    // The focus rectangle: the slider's outer ring shows more than the parent while focused.
    m_slider.EnableWindow(TRUE);
    m_slider.SetFocus();
    Pump();
    FreshPaint(shot);
    int nFocusPixels = 0;
    for (int x = rcSlider.left; x < rcSlider.right; ++x)
        if (shot.Pixel(x, rcSlider.top) != BackgroundAt(x, rcSlider.top)) ++nFocusPixels;
    EXPECT_LT(0, nFocusPixels);
}

TEST_F(SliderTest, FollowsTheSkinsKeyAndMissingImagesDrawOnlyTheParent) {
    qvsmall::TestSkin skin;
    skin.nSliderTransparent = 1;
    ASSERT_TRUE(LoadSkin(skin));
    EXPECT_NE(0, m_slider.SendMessage(WM_QV_SKINCHANGED));
    const CRect rcSlider = RectInDialog(m_slider.m_hWnd);
    riztest::Surface shot(rcSlider.right + 4, rcSlider.bottom + 4);
    FreshPaint(shot);
    const CRect rcThumb = Part(TBM_GETTHUMBRECT);
    EXPECT_NE(kKey, shot.Pixel(rcThumb.left + 1, rcThumb.CenterPoint().y));
    EXPECT_EQ(kThumb, shot.Pixel(rcThumb.right - 2, rcThumb.CenterPoint().y));

    skin.bImages = false;
    ASSERT_TRUE(LoadSkin(skin));
    m_slider.SendMessage(WM_QV_SKINCHANGED);
    FreshPaint(shot);
    const CRect rcChannel = Part(TBM_GETCHANNELRECT);
    EXPECT_EQ("", shot.WrongPixels({{rcChannel.right - 3, rcChannel.CenterPoint().y,
                                     BackgroundAt(rcChannel.right - 3, rcChannel.CenterPoint().y)}}));
}

TEST_F(SliderTest, UnderAPlainParentAndAfterReleaseTheSystemDraws) {
    const HWND hPlain = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP | WS_VISIBLE, 420, 0, 200, 60,
                                         NULL, NULL, NULL, NULL);
    ASSERT_TRUE(hPlain);
    {
        CQVSliderCtrl plain;
        ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS, CRect(0, 0, 200, 40),
                                 CWnd::FromHandle(hPlain), 1));
        riztest::WindowCapture shot(plain.m_hWnd);
        EXPECT_EQ(0, shot.CountNear(CRect(0, 0, 200, 40), kChannel, 0));
        plain.DestroyWindow();
    }
    ::DestroyWindow(hPlain);

    const HWND hSlider = m_slider.m_hWnd;
    m_slider.UnsubclassWindow();
    ::SendMessage(hSlider, TBM_SETPOS, TRUE, 8);
    const CRect rcSlider = RectInDialog(hSlider);
    riztest::Surface shot(rcSlider.right + 4, rcSlider.bottom + 4);
    FreshPaint(shot);
    EXPECT_EQ(8, ::SendMessage(hSlider, TBM_GETPOS, 0, 0));
    EXPECT_EQ(0, shot.CountNear(rcSlider, kChannel, 0));
}

}  // namespace
