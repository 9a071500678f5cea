// The object kinds in a probe host: button states, clicks, the disabled caption and sparkling; labels
// and links (shrinking, colours, launches); hot images (frames, clicks, the hover report); animated
// images; and clients that delete objects from their notifications.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVUIButton.h"
#include "QVUIGif.h"
#include "QVUIHotImage.h"
#include "QVUIShell.h"
#include "QVUITextLink.h"
#include "QVUITimerMgr.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "TestWindow.h"
#include "UIProbe.h"

#include <vector>

using riztest::PostMouse;
using riztest::PumpUntilIdle;
using namespace uitest;

namespace {

struct KindHost : HostTest {
    // Puts the real pointer over a client point of the shown host (the hover report reads it).
    void PointerAt(int x, int y) {
        ::ShowWindow(window.Frame(), SW_SHOWNOACTIVATE);
        CPoint pt(x, y);
        host.ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
    }
};

// Kinds painted without a host; Near counts the pixels of exactly a colour.
struct KindTree : TreeTest {
    const COLORREF kCaption = RGB(0, 0x80, 0);
    int Near(COLORREF clr) const { return surface.CountNear(CRect(0, 0, 100, 100), clr, 0); }
};

// The id the next object timer will take (the manager hands them out in order).
UINT NextTimerID() {
    return CQVUITimerMgr::GetInstance().GetTimerID() + 1;
}

}  // namespace

// ---- Button ----

TEST_F(KindHost, PressMovesAndReleasesGiveEachKindItsStatesAndClicks) {
    ShellRecorder shell;
    enum Kind { kButton, kPressButton, kLink, kHotImage };  // kPressButton clicks on the press
    // Input posted, then pumped: m a move to (5, 5), M a move to (6, 6), d a press and u a release at the
    // last move, o a release outside, l a leave. Then the kind's state (-1: not checked), and the clicks
    // and launches since the kind was made.
    const struct {
        Kind nKind;
        const char* pszInput;
        int nState, nClicks, nLaunches;
    } rows[] = {
        // clang-format off
        {kButton, "m", QVUIBS_HOVER, 0, 0},
        {kButton, "d", QVUIBS_PRESSED, 0, 0},
        {kButton, "Mo", QVUIBS_HOVER, 1, 0},  // outside, but the button is still the hover child
        {kButton, "u", QVUIBS_HOVER, 2, 0},   // a release with no press before still clicks
        {kButton, "l", QVUIBS_NORMAL, 2, 0},
        {kPressButton, "md", -1, 1, 0},
        {kPressButton, "u", -1, 1, 0},
        {kLink, "mdMu", -1, 0, 0},  // a move between press and release: no launch, no click
        {kLink, "du", QVUILS_HOVER, 1, 1},
        {kHotImage, "mdMu", -1, 0, 0},
        {kHotImage, "du", QVUIHS_HOVER, 1, 0},
        // clang-format on
    };
    CQVUIObject* pKind = nullptr;
    int nKind = -1;
    CPoint pt;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << row.nKind << ", input " << row.pszInput);
        if (row.nKind != nKind) {
            host.SendMessage(WM_MOUSELEAVE);
            host.DeleteAllChildren();
            host.m_messages.clear();
            ShellRecorder::Launches().clear();
            nKind = row.nKind;
            if (nKind == kLink) {
                CQVUITextLink* pLink = Add<CQVUITextLink>(1, 0, 0, 200, 20);
                pLink->SetUrl(_T("http://study.example/shop"));
                pKind = pLink;
            } else if (nKind == kHotImage) {
                pKind = Add<CQVUIHotImage>(1, 0, 0, 50, 50);
            } else {
                CQVUIButton* pButton = Add<CQVUIButton>(1, 0, 0, 80, 24);
                pButton->ButtonDownEvent(nKind == kPressButton);
                pKind = pButton;
            }
        }
        for (const char* p = row.pszInput; *p; ++p) {
            if (*p == 'm' || *p == 'M') pt = *p == 'm' ? CPoint(5, 5) : CPoint(6, 6);
            const UINT message = *p == 'd'                ? WM_LBUTTONDOWN
                                 : *p == 'u' || *p == 'o' ? WM_LBUTTONUP
                                 : *p == 'l'              ? WM_MOUSELEAVE
                                                          : WM_MOUSEMOVE;
            Post(message, *p == 'o' ? 250 : pt.x, *p == 'o' ? 150 : pt.y);
        }
        PumpUntilIdle();
        const int nState = nKind == kLink       ? static_cast<CQVUITextLink*>(pKind)->GetLinkState()
                           : nKind == kHotImage ? static_cast<CQVUIHotImage*>(pKind)->GetState()
                                                : static_cast<CQVUIButton*>(pKind)->GetState();
        if (row.nState >= 0) {
            EXPECT_EQ(row.nState, nState);
        }
        EXPECT_EQ(row.nClicks, Clicks(1));
        EXPECT_EQ(size_t(row.nLaunches), ShellRecorder::Launches().size());
    }
}

TEST_F(KindHost, ALinkOpensHttpAndWwwAddressesInTheBrowserAndTheRestThroughTheShell) {
    ShellRecorder shell;
    CQVUITextLink* link = Add<CQVUITextLink>(2, 0, 0, 200, 20);
    const struct {
        LPCTSTR lpszUrl, lpszVerb, lpszFile, lpszParams;  // verb NULL: nothing is launched
    } rows[] = {
        // clang-format off
        {_T("http://study.example/shop"), _T("Open"), _T("IEXPLORE.EXE"), _T("http://study.example/shop")},
        {_T("www.study.example"), _T("Open"), _T("IEXPLORE.EXE"), _T("http://www.study.example")},
        {_T("HTTP://STUDY.EXAMPLE"), _T("open"), _T("HTTP://STUDY.EXAMPLE"), _T("")},  // capitals are not the browser prefix
        {_T("C:\\books\\lesson1.txt"), _T("open"), _T("C:\\books\\lesson1.txt"), _T("")},
        {_T(""), nullptr, nullptr, nullptr},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(CStringA(row.lpszUrl).GetString());
        ShellRecorder::Launches().clear();
        host.m_messages.clear();
        link->SetUrl(row.lpszUrl);
        Post(WM_MOUSEMOVE, 5, 5);
        riztest::PostClick(host.m_hWnd, 5, 5);
        PumpUntilIdle();
        EXPECT_EQ(1, Clicks(2));  // an empty address still clicks
        ASSERT_EQ(row.lpszVerb ? 1u : 0u, ShellRecorder::Launches().size());
        if (!row.lpszVerb) continue;
        EXPECT_EQ(CString(row.lpszVerb), ShellRecorder::Launches()[0].verb);
        EXPECT_EQ(CString(row.lpszFile), ShellRecorder::Launches()[0].file);
        EXPECT_EQ(CString(row.lpszParams), ShellRecorder::Launches()[0].params);
    }
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

TEST_F(KindTree, ButtonStatesDrawTheirBordersTheDisabledCaptionIsGreyAndSimpleModeHasNone) {
    CQVUIButton* button = Add<CQVUIButton>(0, 0, 80, 24);
    button->SetTransparent(TRUE);
    button->SetText(_T("WWWWWWWW"));
    button->SetTextColor(kCaption);
    Render();
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(0, 12));  // state 0: no background drawn
    EXPECT_GT(Near(kCaption), 0);
    root.OnMouseMove(CPoint(5, 5));
    Render();
    EXPECT_TRUE(riztest::ColorNear(0x90BAF1, surface.Pixel(40, 0), 24));  // the hover border
    button->SetEnable(FALSE);
    Render();
    EXPECT_EQ(0, Near(kCaption));
    EXPECT_GT(Near(RGB(0xC0, 0xC0, 0xC0)), 0);
    button->SetEnable(TRUE);
    button->SetSimpleMode(TRUE);
    Render();
    EXPECT_EQ(0, Near(kCaption));
}

TEST_F(KindTree, NormalLinksAreBlueAndHoveredOnesRed) {
    CQVUITextLink* link = Add<CQVUITextLink>(0, 0, 100, 20);
    link->SetTransparent(TRUE);
    link->SetText(_T("WWWW"));
    Render();
    EXPECT_GT(Near(RGB(0, 0, 255)), 0);
    EXPECT_EQ(0, Near(RGB(255, 0, 0)));
    root.OnMouseMove(CPoint(2, 2));
    Render();
    EXPECT_GT(Near(RGB(255, 0, 0)), 0);
    EXPECT_EQ(0, Near(RGB(0, 0, 255)));
}

TEST_F(KindTree, AHotImageFrameTakesTheColourOfTheState) {
    CQVUIHotImage* image = Add<CQVUIHotImage>(0, 0, 40, 40);
    Render();
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), surface.Pixel(20, 0));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(20, 20));
    root.OnMouseMove(CPoint(5, 5));
    Render();
    EXPECT_EQ(static_cast<COLORREF>(0x00C0FF), surface.Pixel(20, 0));
    image->SetEnable(FALSE);
    Render();
    EXPECT_EQ(RGB(0x80, 0x80, 0x80), surface.Pixel(20, 0));
}

TEST_F(KindHost, SparklingAlternatesARedBorderEveryTickUntilAClickHidingOrSparkleFalse) {
    CQVUIButton* button = Add<CQVUIButton>(8, 0, 0, 60, 24);
    button->SetTransparent(TRUE);
    const UINT nID = NextTimerID();
    button->Sparkle(TRUE);
    button->Sparkle(TRUE);
    ASSERT_TRUE(button->IsSparkling());
    EXPECT_EQ(nID + 2, NextTimerID());           // the second call took no id
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
    button->Sparkle(TRUE);
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

TEST_F(KindHost, TheHoverReportChecksTheRealPointerAndTheLeaveFollowsOnce) {
    CQVUIHotImage* image = Add<CQVUIHotImage>(4, 20, 20, 60, 60);
    // Entered, but the pointer is elsewhere when the timer fires: no report.
    PointerAt(190, 140);
    UINT nID = NextTimerID();
    image->OnMouseMove(CPoint(40, 40));
    host.SendMessage(WM_TIMER, nID);
    image->OnMouseLeave();
    EXPECT_TRUE(host.m_messages.empty());

    PointerAt(40, 40);
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
    CQVUIHotImage* first = Add<CQVUIHotImage>(4, 0, 0, 60, 60);
    Add<CQVUIHotImage>(5, 100, 0, 60, 60);
    PointerAt(10, 10);
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
