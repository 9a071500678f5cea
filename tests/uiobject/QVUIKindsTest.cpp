// The object kinds in a probe host: button states, clicks, the disabled caption and sparkling; labels
// and links (shrinking, colours, launches); hot images (frames, clicks, the hover report); animated
// images; shapes; and clients that delete objects from their notifications.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVUIButton.h"
#include "QVUIGif.h"
#include "QVUIHotImage.h"
#include "QVUIShape.h"
#include "QVUIShell.h"
#include "QVUITextLink.h"
#include "QVUITimerMgr.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "TestWindow.h"
#include "UIProbe.h"

using riztest::PostMouse;
using riztest::PumpUntilIdle;
using namespace uitest;

namespace {

struct KindHost : ::testing::Test {
    riztest::TestWindow window{300, 200};
    CProbeHost host;

    void SetUp() override { ASSERT_TRUE(host.CreateIn(window.Host(), 300, 200)); }
    template <class Kind>
    Kind* Add(UINT nID, int x, int y, int cx, int cy) {
        Kind* p = new Kind;
        p->SetObjectID(nID);
        p->SetObjectPos(x, y, cx, cy);
        host.AddChild(p);
        return p;
    }
    void Post(UINT message, int x, int y) { PostMouse(host.m_hWnd, message, x, y); }
    int Clicks(UINT nID) const {
        int n = 0;
        for (const auto& m : host.m_messages)
            n += (m.nID == nID && m.nCode == QVUIM_CLICKED) ? 1 : 0;
        return n;
    }
};

// The id the next object timer will take (the manager hands them out in order).
UINT NextTimerID() {
    return CQVUITimerMgr::GetInstance().GetTimerID() + 1;
}

}  // namespace

// ---- Button ----

TEST_F(KindHost, AButtonFollowsMoveDownUpLeaveAndClicksOnAnyReleaseItReceives) {
    CQVUIButton* button = Add<CQVUIButton>(5, 10, 10, 80, 24);
    Post(WM_MOUSEMOVE, 20, 20);
    PumpUntilIdle();
    EXPECT_EQ(QVUIBS_HOVER, button->GetState());
    Post(WM_LBUTTONDOWN, 20, 20);
    PumpUntilIdle();
    EXPECT_EQ(QVUIBS_PRESSED, button->GetState());
    EXPECT_EQ(0, Clicks(5));
    Post(WM_MOUSEMOVE, 21, 21);
    Post(WM_LBUTTONUP, 250, 150);  // outside, but the button is still the hover child
    PumpUntilIdle();
    EXPECT_EQ(QVUIBS_HOVER, button->GetState());
    EXPECT_EQ(1, Clicks(5));
    Post(WM_LBUTTONUP, 20, 20);  // a release with no press before still clicks
    PumpUntilIdle();
    EXPECT_EQ(2, Clicks(5));
    host.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(QVUIBS_NORMAL, button->GetState());
}

TEST_F(KindHost, AButtonSetToClickOnPressClicksOnceOnThePress) {
    CQVUIButton* button = Add<CQVUIButton>(6, 0, 0, 50, 20);
    button->ButtonDownEvent(TRUE);
    Post(WM_MOUSEMOVE, 5, 5);
    Post(WM_LBUTTONDOWN, 5, 5);
    PumpUntilIdle();
    EXPECT_EQ(1, Clicks(6));
    Post(WM_LBUTTONUP, 5, 5);
    PumpUntilIdle();
    EXPECT_EQ(1, Clicks(6));
}

TEST_F(KindHost, ADisabledButtonSendsNoClickAndReturnsToItsSavedStateWhenEnabled) {
    CQVUIButton* button = Add<CQVUIButton>(7, 0, 0, 50, 20);
    Post(WM_MOUSEMOVE, 5, 5);
    PumpUntilIdle();
    button->SetEnable(FALSE);
    riztest::PostClick(host.m_hWnd, 5, 5);
    PumpUntilIdle();
    EXPECT_EQ(0, Clicks(7));
    riztest::Surface surface(60, 30);
    RenderInto(host, surface);
    EXPECT_EQ(QVUIBS_DISABLED, button->GetState());  // turned at paint time
    button->SetEnable(TRUE);
    EXPECT_EQ(QVUIBS_HOVER, button->GetState());
}

TEST(UIButtonPaint, StatesDrawTheirGradientBordersAndTheDisabledCaptionIsGrey) {
    CQVUIObject root;
    root.SetTransparent(TRUE);
    CQVUIButton* button = new CQVUIButton;
    button->SetObjectPos(0, 0, 80, 24);
    button->SetTransparent(TRUE);
    button->SetText(_T("WWWWWWWW"));
    button->SetTextColor(RGB(0, 0x80, 0));
    root.AddChild(button);

    riztest::Surface normal(80, 24);
    RenderInto(root, normal);
    EXPECT_EQ(RGB(255, 255, 255), normal.Pixel(0, 12));  // state 0: no background drawn
    EXPECT_GT(normal.CountNear(CRect(0, 0, 80, 24), RGB(0, 0x80, 0), 0), 0);

    button->OnMouseMove(CPoint(5, 5));
    riztest::Surface hover(80, 24);
    RenderInto(root, hover);
    EXPECT_TRUE(riztest::ColorNear(0x90BAF1, hover.Pixel(40, 0), 24));  // the hover border

    button->SetEnable(FALSE);
    riztest::Surface disabled(80, 24);
    RenderInto(root, disabled);
    EXPECT_EQ(0, disabled.CountNear(CRect(0, 0, 80, 24), RGB(0, 0x80, 0), 0));
    EXPECT_GT(disabled.CountNear(CRect(0, 0, 80, 24), RGB(0xC0, 0xC0, 0xC0), 0), 0);

    button->SetEnable(TRUE);
    button->SetSimpleMode(TRUE);
    riztest::Surface simple(80, 24);
    RenderInto(root, simple);
    EXPECT_EQ(0, simple.CountNear(CRect(0, 0, 80, 24), RGB(0, 0x80, 0), 0));  // no caption
}

TEST_F(KindHost, SparklingAlternatesARedBorderEveryTickUntilAClickStopsIt) {
    CQVUIButton* button = Add<CQVUIButton>(8, 0, 0, 60, 24);
    button->SetTransparent(TRUE);
    const UINT nID = NextTimerID();
    button->Sparkle(TRUE);
    ASSERT_TRUE(button->IsSparkling());
    EXPECT_TRUE(::KillTimer(host.m_hWnd, nID));  // a timer of the host (found only when set)
    host.SendMessage(WM_TIMER, nID);
    riztest::Surface odd(60, 24);
    RenderInto(host, odd);
    EXPECT_EQ(QVUIBS_HIGHLIGHT, button->GetState());
    EXPECT_TRUE(riztest::ColorNear(RGB(255, 0, 0), odd.Pixel(30, 0), 40));
    host.SendMessage(WM_TIMER, nID);
    riztest::Surface even(60, 24);
    RenderInto(host, even);
    EXPECT_EQ(QVUIBS_NORMAL, button->GetState());
    EXPECT_EQ(RGB(255, 255, 255), even.Pixel(30, 0));

    Post(WM_MOUSEMOVE, 5, 5);
    riztest::PostClick(host.m_hWnd, 5, 5);
    PumpUntilIdle();
    EXPECT_FALSE(button->IsSparkling());
    EXPECT_EQ(1, Clicks(8));
    EXPECT_EQ(QVUIBS_NORMAL, button->GetState());  // the state saved when sparkling began
}

TEST_F(KindHost, HidingOrSparkleFalseStopsSparklingAndAnotherSparkleTrueIsIgnored) {
    CQVUIButton* button = Add<CQVUIButton>(9, 0, 0, 60, 24);
    const UINT nID = NextTimerID();
    button->Sparkle(TRUE);
    button->Sparkle(TRUE);
    EXPECT_EQ(nID + 2, NextTimerID());  // the second call took no id
    button->SetVisible(FALSE);
    EXPECT_FALSE(button->IsSparkling());
    button->SetVisible(TRUE);
    button->Sparkle(TRUE);
    button->Sparkle(FALSE);
    EXPECT_FALSE(button->IsSparkling());
}

TEST(UIButtonNoHost, AButtonWithoutAHostDoesNotSparkleAndPaints) {
    CQVUIButton button;
    button.Sparkle(TRUE);
    EXPECT_FALSE(button.IsSparkling());
    button.SetText(CString(_T('x'), 100000));
    button.SetFont(_T("An extraordinarily long face name that cannot fit"), 90, TRUE, TRUE, TRUE);
    EXPECT_FALSE(button.SetButtonImage(_T("Z:\\nowhere\\missing.png"), 4, 2, 2, TRUE));
    EXPECT_FALSE(button.SetButtonIcon(riztest::TestDataPath(_T("images\\garbage.png")), 2, 0, 0));
    button.SetObjectPos(0, 0, 100, 20);
    button.UIInvalidate();
    riztest::Surface surface(100, 20);
    RenderInto(button, surface);
    EXPECT_TRUE(surface.HasOtherThan(CRect(0, 0, 100, 20), RGB(255, 255, 255)));  // the caption
}

TEST_F(KindHost, AButtonDeletedByItsClickHandlerIsNotTouchedAgain) {
    CQVUIButton* button = Add<CQVUIButton>(11, 0, 0, 60, 24);
    Add<CQVUIButton>(12, 100, 0, 60, 24);
    button->Sparkle(TRUE);
    host.m_onMessage = [&](UINT nID, UINT, UINT, LONG) {
        if (nID == 11) host.DeleteChild(11);
        if (nID == 12) host.DeleteAllChildren();
    };
    Post(WM_MOUSEMOVE, 5, 5);
    riztest::PostClick(host.m_hWnd, 5, 5);
    Post(WM_MOUSEMOVE, 105, 5);
    riztest::PostClick(host.m_hWnd, 105, 5);
    PumpUntilIdle();
    EXPECT_EQ(0, host.GetChildCount());
    EXPECT_EQ(2u, host.m_messages.size());
}

// ---- Label and text link ----

TEST(UILabel, MeasuresItsTextOnlyAfterAChangeAndCutsLongFaceNames) {
    CQVUILabel label;
    EXPECT_EQ(CString(_T("Label")), label.GetText());
    const CSize sizeLabel = label.GetPreferredSize();
    EXPECT_GT(sizeLabel.cx, 0);
    label.SetText(_T("Label Label"));
    EXPECT_GT(label.GetPreferredSize().cx, sizeLabel.cx);
    label.SetFont(_T("A face name of far more than thirty-one characters"), 120, TRUE, FALSE, TRUE);
    EXPECT_GT(label.GetPreferredSize().cy, 0);
    label.SetObjectPos(0, 0, 200, 20);
    riztest::Surface surface(200, 20);
    RenderInto(label, surface);
    EXPECT_TRUE(surface.HasOtherThan(CRect(0, 0, 200, 20), RGB(255, 255, 255)));  // drawn in a face it has
}

TEST(UITextLink, ShrinksToItsTextAndNeverGrows) {
    CQVUITextLink link;
    link.SetText(_T("Pocket dictionary"));
    link.SetObjectPos(0, 0, 500, 20);
    const int nText = link.GetObjectRect().Width();
    EXPECT_GT(nText, 20);
    EXPECT_LT(nText, 500);
    link.SetObjectPos(10, 0, nText / 2, 20);
    EXPECT_EQ(CRect(10, 0, 10 + nText / 2, 20), link.GetObjectRect());
}

TEST_F(KindHost, ALinkOpensOnlyWhenNoMoveCameBetweenPressAndRelease) {
    ShellRecorder shell;
    CQVUITextLink* link = Add<CQVUITextLink>(2, 0, 0, 200, 20);
    link->SetUrl(_T("http://study.example/shop"));
    Post(WM_MOUSEMOVE, 5, 5);
    Post(WM_LBUTTONDOWN, 5, 5);
    Post(WM_MOUSEMOVE, 6, 5);
    Post(WM_LBUTTONUP, 6, 5);
    PumpUntilIdle();
    EXPECT_TRUE(ShellRecorder::Launches().empty());
    EXPECT_EQ(0, Clicks(2));
    riztest::PostClick(host.m_hWnd, 6, 5);
    PumpUntilIdle();
    ASSERT_EQ(1u, ShellRecorder::Launches().size());
    EXPECT_EQ(CString(_T("Open")), ShellRecorder::Launches()[0].verb);
    EXPECT_EQ(CString(_T("IEXPLORE.EXE")), ShellRecorder::Launches()[0].file);
    EXPECT_EQ(CString(_T("http://study.example/shop")), ShellRecorder::Launches()[0].params);
    EXPECT_EQ(1, Clicks(2));
    EXPECT_EQ(QVUILS_HOVER, link->GetLinkState());
}

TEST_F(KindHost, LaunchRulesForWwwCapitalsPlainAndEmptyAddresses) {
    ShellRecorder shell;
    CQVUITextLink* link = Add<CQVUITextLink>(2, 0, 0, 200, 20);
    const LPCTSTR urls[] = {_T("www.study.example"), _T("HTTP://STUDY.EXAMPLE"), _T("C:\\books\\lesson1.txt"),
                            _T("")};
    for (LPCTSTR url : urls) {
        link->SetUrl(url);
        Post(WM_MOUSEMOVE, 5, 5);
        riztest::PostClick(host.m_hWnd, 5, 5);
        PumpUntilIdle();
    }
    ASSERT_EQ(3u, ShellRecorder::Launches().size());
    EXPECT_EQ(CString(_T("IEXPLORE.EXE")), ShellRecorder::Launches()[0].file);
    EXPECT_EQ(CString(_T("http://www.study.example")), ShellRecorder::Launches()[0].params);
    EXPECT_EQ(CString(_T("open")), ShellRecorder::Launches()[1].verb);  // capitals are not the browser prefix
    EXPECT_EQ(CString(_T("HTTP://STUDY.EXAMPLE")), ShellRecorder::Launches()[1].file);
    EXPECT_EQ(CString(_T("open")), ShellRecorder::Launches()[2].verb);
    EXPECT_EQ(CString(_T("C:\\books\\lesson1.txt")), ShellRecorder::Launches()[2].file);
    EXPECT_EQ(CString(), ShellRecorder::Launches()[2].params);
    EXPECT_EQ(4, Clicks(2));  // the empty address still clicks
}

TEST(UITextLinkPaint, NormalLinksAreBlueAndHoveredOnesRed) {
    CQVUIObject root;
    root.SetTransparent(TRUE);
    CQVUITextLink* link = new CQVUITextLink;
    link->SetTransparent(TRUE);
    link->SetText(_T("WWWW"));
    link->SetObjectPos(0, 0, 100, 20);
    root.AddChild(link);
    riztest::Surface normal(100, 20);
    RenderInto(root, normal);
    EXPECT_GT(normal.CountNear(CRect(0, 0, 100, 20), RGB(0, 0, 255), 0), 0);
    EXPECT_EQ(0, normal.CountNear(CRect(0, 0, 100, 20), RGB(255, 0, 0), 0));
    root.OnMouseMove(CPoint(2, 2));
    riztest::Surface hover(100, 20);
    RenderInto(root, hover);
    EXPECT_GT(hover.CountNear(CRect(0, 0, 100, 20), RGB(255, 0, 0), 0), 0);
    EXPECT_EQ(0, hover.CountNear(CRect(0, 0, 100, 20), RGB(0, 0, 255), 0));
}

// ---- Hot image ----

TEST_F(KindHost, AHotImageClicksOnlyWithoutAMoveBetweenPressAndRelease) {
    CQVUIHotImage* image = Add<CQVUIHotImage>(4, 0, 0, 50, 50);
    Post(WM_MOUSEMOVE, 5, 5);
    Post(WM_LBUTTONDOWN, 5, 5);
    Post(WM_MOUSEMOVE, 6, 6);
    Post(WM_LBUTTONUP, 6, 6);
    PumpUntilIdle();
    EXPECT_EQ(0, Clicks(4));
    riztest::PostClick(host.m_hWnd, 6, 6);
    PumpUntilIdle();
    EXPECT_EQ(1, Clicks(4));
    EXPECT_EQ(QVUIHS_HOVER, image->GetState());
}

TEST(UIHotImagePaint, TheFrameTakesTheColourOfTheState) {
    CQVUIObject root;
    root.SetTransparent(TRUE);
    CQVUIHotImage* image = new CQVUIHotImage;
    image->SetObjectPos(0, 0, 40, 40);
    root.AddChild(image);
    riztest::Surface normal(40, 40);
    RenderInto(root, normal);
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), normal.Pixel(20, 0));
    EXPECT_EQ(RGB(255, 255, 255), normal.Pixel(20, 20));
    image->OnMouseMove(CPoint(5, 5));
    riztest::Surface hover(40, 40);
    RenderInto(root, hover);
    EXPECT_EQ(static_cast<COLORREF>(0x00C0FF), hover.Pixel(20, 0));
    image->SetEnable(FALSE);
    riztest::Surface disabled(40, 40);
    RenderInto(root, disabled);
    EXPECT_EQ(RGB(0x80, 0x80, 0x80), disabled.Pixel(20, 0));
}

TEST_F(KindHost, TheHoverReportChecksTheRealPointerAndTheLeaveFollowsOnce) {
    ::ShowWindow(window.Frame(), SW_SHOWNOACTIVATE);
    CQVUIHotImage* image = Add<CQVUIHotImage>(4, 20, 20, 60, 60);
    CPoint ptScreen(40, 40);
    host.ClientToScreen(&ptScreen);

    // Entered, but the pointer is elsewhere when the timer fires: no report.
    ::SetCursorPos(ptScreen.x + 150, ptScreen.y + 100);
    UINT nID = NextTimerID();
    image->OnMouseMove(CPoint(40, 40));
    host.SendMessage(WM_TIMER, nID);
    image->OnMouseLeave();
    EXPECT_TRUE(host.m_messages.empty());

    ::SetCursorPos(ptScreen.x, ptScreen.y);
    nID = NextTimerID();
    image->OnMouseMove(CPoint(40, 40));
    host.SendMessage(WM_TIMER, nID);
    ASSERT_EQ(1u, host.m_messages.size());
    EXPECT_EQ(2u, host.m_messages[0].nCode);
    EXPECT_EQ(1u, host.m_messages[0].wParam);
    host.SendMessage(WM_TIMER, nID);  // the timer ended with the report
    image->OnMouseLeave();
    image->OnMouseLeave();
    ASSERT_EQ(2u, host.m_messages.size());
    EXPECT_EQ(2u, host.m_messages[1].nCode);
    EXPECT_EQ(2u, host.m_messages[1].wParam);
}

TEST_F(KindHost, AClientMayDeleteEverythingFromTheHoverReportAndFromTheLeave) {
    ::ShowWindow(window.Frame(), SW_SHOWNOACTIVATE);
    CQVUIHotImage* first = Add<CQVUIHotImage>(4, 0, 0, 60, 60);
    Add<CQVUIHotImage>(5, 100, 0, 60, 60);
    CPoint ptScreen(10, 10);
    host.ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    const UINT nID = NextTimerID();
    first->OnMouseMove(CPoint(10, 10));
    host.m_onMessage = [&](UINT, UINT, UINT, LONG) { host.DeleteAllChildren(); };
    host.SendMessage(WM_TIMER, nID);  // inside the timer walk
    EXPECT_EQ(0, host.GetChildCount());

    CQVUIHotImage* again = Add<CQVUIHotImage>(6, 0, 0, 60, 60);
    host.m_onMessage = nullptr;
    const UINT nID2 = NextTimerID();
    Post(WM_MOUSEMOVE, 10, 10);
    PumpUntilIdle();
    host.SendMessage(WM_TIMER, nID2);
    host.m_onMessage = [&](UINT, UINT, UINT, LONG) { host.DeleteChild(again); };
    Post(WM_MOUSEMOVE, 200, 150);
    PumpUntilIdle();
    EXPECT_EQ(0, host.GetChildCount());
}

// ---- Animated image ----

TEST_F(KindHost, AnAnimatedImagePlaysOnItsOwnTimerAndStops) {
    CQVUIGif* gif = Add<CQVUIGif>(3, 0, 0, 0, 0);
    ASSERT_TRUE(gif->SetImage(riztest::TestDataPath(_T("images\\anim3.gif"))));
    gif->SetAutoSize(TRUE);
    gif->SetObjectPos(10, 10, 0, 0);
    EXPECT_EQ(CRect(10, 10, 18, 18), gif->GetObjectRect());
    EXPECT_EQ(CSize(8, 8), gif->GetPreferredSize());
    const UINT nID = NextTimerID();
    ASSERT_TRUE(gif->Play());
    EXPECT_EQ(1, gif->__OnTimer(nID));
    EXPECT_EQ(0, gif->__OnTimer(nID + 100));
    // The timer is one of the host window, and its messages reach the object through the host.
    for (int i = 0; i < 3; ++i)
        host.SendMessage(WM_TIMER, nID);
    EXPECT_TRUE(gif->IsPlaying());
    EXPECT_TRUE(::KillTimer(host.m_hWnd, nID));
    gif->Stop();
    EXPECT_FALSE(gif->IsPlaying());
    EXPECT_EQ(0, gif->__OnTimer(nID));

    CQVUIGif orphan;  // no host: plays without a timer, measures and invalidates harmlessly
    ASSERT_TRUE(orphan.SetImage(riztest::TestDataPath(_T("images\\anim3.gif"))));
    EXPECT_TRUE(orphan.Play());
    orphan.UIInvalidate();
    EXPECT_EQ(CSize(8, 8), orphan.GetPreferredSize());
    orphan.Stop();

    CQVUIGif still;
    EXPECT_FALSE(still.SetImage(riztest::TestDataPath(_T("images\\garbage.png"))));
    EXPECT_FALSE(still.Play());
}

// ---- Shapes ----

TEST(UIShapePaint, LinesLieOnTheBottomAndRightCoordinates) {
    CQVUIObject root;
    root.SetTransparent(TRUE);
    CQVUIShape* horizontal = new CQVUIShape;
    horizontal->SetTransparent(TRUE);
    horizontal->SetObjectPos(0, 0, 20, 10);
    CQVUIShape* vertical = new CQVUIShape;
    vertical->SetTransparent(TRUE);
    vertical->SetShapeType(CQVUIShape::VerticalLine);
    vertical->SetLineColor(RGB(0, 200, 0));
    vertical->SetObjectPos(30, 0, 10, 20);
    root.AddChild(horizontal);
    root.AddChild(vertical);
    riztest::Surface surface(60, 30);
    RenderInto(root, surface);
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(5, 10));  // y = bottom, outside the rect
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(5, 9));
    EXPECT_EQ(RGB(0, 200, 0), surface.Pixel(40, 5));  // x = right
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(39, 5));
}

TEST(UIShapePaint, FilledShapesAndTheRoundCornerOfTheFirstValue) {
    CQVUIObject root;
    root.SetTransparent(TRUE);
    CQVUIShape* round = new CQVUIShape;
    round->SetShapeType(CQVUIShape::RoundRect);
    round->SetRoundRect(8, 2, 2, 2);
    round->SetBackgroundColor(RGB(255, 255, 0));
    round->SetObjectPos(0, 0, 40, 40);
    CQVUIShape* ellipse = new CQVUIShape;
    ellipse->SetShapeType(CQVUIShape::Ellipse);
    ellipse->SetTransparent(TRUE);
    ellipse->SetObjectPos(50, 0, 40, 40);
    root.AddChild(round);
    root.AddChild(ellipse);
    riztest::Surface surface(100, 40);
    RenderInto(root, surface);
    EXPECT_EQ(RGB(255, 255, 0), surface.Pixel(20, 20));
    EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(20, 0));
    EXPECT_NE(RGB(0, 0, 255), surface.Pixel(0, 0));        // the corner is cut
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(70, 20));  // transparent ellipse: not filled
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(51, 1));
}
