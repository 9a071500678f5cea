// The drop-down and animation buttons through real windows: part looks and the decoded record after
// mouse messages sent with the cursor placed, transparency over a striped parent, the height, the fade driven
// by timer messages and by real time, one BN_CLICKED per click, bad input, parents deleting the buttons, and
// a soak.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVAnimationButton.h"
#include "QVDropdownButton.h"
#include "ResourceCounter.h"
#include "TestData.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
const std::vector<COLORREF> kMain = {RGB(10, 60, 200), RGB(20, 90, 230), RGB(5, 30, 120), RGB(90, 90, 90)};
const std::vector<COLORREF> kArrow = {RGB(200, 60, 10), RGB(230, 110, 20), RGB(120, 30, 5), RGB(60, 60, 60)};
constexpr int kMainWidth = 40, kHeight = 24, kArrowWidth = 16, kKeyRows = 4;
constexpr COLORREF kRed = RGB(200, 0, 0), kCyan = RGB(0, 160, 160), kBlue = RGB(0, 0, 200),
                   kGreen = RGB(0, 200, 0);

// The parent's background: vertical stripes two pixels wide.
COLORREF Stripe(int x) {
    return (x / 2) % 2 ? RGB(20, 140, 60) : RGB(250, 220, 40);
}

// A popup that paints stripes, records the buttons' notifications and commands and runs m_onEvent at
// each.
class CRecordingParent : public CWnd {
public:
    std::vector<QVDROPDOWN_NOTIFY> m_notes;
    std::vector<std::pair<WPARAM, LPARAM>> m_commands;
    std::function<void()> m_onEvent;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY) {
            m_notes.push_back(*reinterpret_cast<const QVDROPDOWN_NOTIFY*>(lParam));
        } else if (message == WM_COMMAND) {
            m_commands.emplace_back(wParam, lParam);
        } else if (message == WM_ERASEBKGND) {
            CRect rc;
            GetClientRect(&rc);
            CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
            for (int x = 0; x < rc.right; x += 2)
                pDC->FillSolidRect(x, 0, 2, rc.bottom, Stripe(x));
            return 1;
        } else {
            return CWnd::WindowProc(message, wParam, lParam);
        }
        if (m_onEvent) m_onEvent();
        return 0;
    }
};

class ImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), _T("parent"), WS_POPUP | WS_CLIPCHILDREN,
                                      CRect(0, 0, 320, 200), NULL, 0));
        m_parent.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        // One colour per frame; the main image's top rows are the key colour.
        auto mainFrame = [](int f, int, int y) { return y < kKeyRows ? kKey : kMain[f]; };
        ASSERT_TRUE(m_folder.WriteFile(
            _T("main.bmp"), riztest::Bmp24(4 * kMainWidth, kHeight, riztest::Frames(kMainWidth, mainFrame))));
        ASSERT_TRUE(
            m_folder.WriteFile(_T("arrow.bmp"), riztest::Bmp24(4 * kArrowWidth, kHeight,
                                                               riztest::SolidFrames(kArrowWidth, kArrow))));
        ASSERT_TRUE(m_folder.WriteFile(
            _T("back.bmp"), riztest::Bmp24(20, 20, [](int x, int) { return x < 10 ? kRed : kCyan; })));
        ASSERT_TRUE(m_folder.WriteFile(
            _T("hot.bmp"), riztest::Bmp24(120, 80, [](int x, int) { return x < 30 ? kBlue : kGreen; })));
    }
    void TearDown() override {
        if (m_parent.GetSafeHwnd()) m_parent.DestroyWindow();
        riztest::PumpUntilIdle();
    }
    void SetImages(CQVDropdownButton& button, BOOL bTransparent = TRUE) {
        button.SetImages(m_folder.Path(_T("main.bmp")), m_folder.Path(_T("arrow.bmp")), 4, 4, bTransparent);
    }
    // Places the cursor over the client point first (so that a leave request is not answered at once),
    // then sends the message there. Sent, not posted: the moves the system makes of the cursor carry
    // the real, released left button and would drop a posted press as stale.
    static void Send(CWnd& wnd, UINT message, CPoint pt, WPARAM keys = 0) {
        CPoint ptScreen = pt;
        wnd.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        wnd.SendMessage(message, keys, MAKELPARAM(pt.x, pt.y));
    }
    static COLORREF Look(CWnd& wnd, CPoint pt) {
        riztest::WindowCapture shot(wnd.m_hWnd);
        return shot.Pixel(pt.x, pt.y);
    }

    // Clicks the button at (10, 10) while the parent deletes it from inside the click's notification:
    // the button must come back from its own handler without touching itself.
    template <class TButton>
    void ClickWhileTheParentDeletes(TButton* pDoomed) {
        const HWND hDoomed = pDoomed->m_hWnd;
        m_parent.m_onEvent = [&] {
            delete pDoomed;
            pDoomed = nullptr;
        };
        Send(*pDoomed, WM_MOUSEMOVE, CPoint(10, 10));
        Send(*pDoomed, WM_LBUTTONDOWN, CPoint(10, 10), MK_LBUTTON);
        ::SendMessage(hDoomed, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        EXPECT_EQ(nullptr, pDoomed);
        EXPECT_FALSE(::IsWindow(hDoomed));
    }

    riztest::TempFolder m_folder;
    CRecordingParent m_parent;
};

using DropdownButton = ImageButtonTest;
using AnimationButton = ImageButtonTest;

TEST_F(DropdownButton, PartsFollowTheMouseAndTheRecordNamesThePartOnScreen) {
    CQVDropdownButton button;
    SetImages(button);
    ASSERT_TRUE(button.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(11, 20, 111, 60), &m_parent, 77));
    CRect rcWindow;
    button.GetWindowRect(&rcWindow);
    EXPECT_EQ(CSize(100, kHeight), rcWindow.Size());  // one main frame high
    const CPoint main(40, 12), arrow(92, 12);
    CRect rcMainScreen = button.GetMainRect(), rcArrowScreen = button.GetArrowRect();
    button.ClientToScreen(&rcMainScreen);
    button.ClientToScreen(&rcArrowScreen);
    const struct {
        const char* pszWhat;
        UINT nMessage;
        WPARAM keys;
        CPoint pt;
        int nMainFrame, nArrowFrame;
        int nPart;  // the new record's part, -2 for none
    } steps[] = {
        {"main hot", WM_MOUSEMOVE, 0, main, 1, 0, -2},
        {"main pressed", WM_LBUTTONDOWN, MK_LBUTTON, main, 2, 0, -2},
        {"main clicked", WM_LBUTTONUP, 0, main, 1, 0, QVDBP_MAIN},
        {"arrow hot", WM_MOUSEMOVE, 0, arrow, 0, 1, -2},
        {"arrow pressed", WM_LBUTTONDOWN, MK_LBUTTON, arrow, 0, 2, -2},
        {"arrow clicked", WM_LBUTTONUP, 0, arrow, 0, 1, QVDBP_ARROW},
        {"pressed again", WM_LBUTTONDOWN, MK_LBUTTON, arrow, 0, 2, -2},
        {"dragged out", WM_MOUSELEAVE, 0, arrow, 0, 0, -2},
        {"back, held", WM_MOUSEMOVE, MK_LBUTTON, main, 1, 0, -2},
        {"the dropped press released", WM_LBUTTONUP, 0, main, 1, 0, -2},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszWhat);
        const size_t nBefore = m_parent.m_notes.size();
        if (step.nMessage == WM_MOUSELEAVE)
            button.SendMessage(WM_MOUSELEAVE);
        else
            Send(button, step.nMessage, step.pt, step.keys);
        EXPECT_EQ(kMain[step.nMainFrame], Look(button, main));
        EXPECT_EQ(kArrow[step.nArrowFrame], Look(button, arrow));
        ASSERT_EQ(nBefore + (step.nPart == -2 ? 0 : 1), m_parent.m_notes.size());
        if (step.nPart == -2) continue;
        const QVDROPDOWN_NOTIFY& note = m_parent.m_notes.back();
        EXPECT_EQ(button.m_hWnd, note.hdr.hwndFrom);
        EXPECT_EQ(77u, note.hdr.idFrom);
        EXPECT_EQ(static_cast<UINT>(QVDBN_CLICKED), note.hdr.code);
        EXPECT_EQ(step.nPart, note.nMainPart);
        EXPECT_EQ(step.nPart == QVDBP_MAIN ? rcMainScreen : rcArrowScreen, CRect(note.rcPart));
    }
    // A release over a disabled part: the record names no part, with an empty rectangle.
    button.EnablePart(QVDBP_ARROW, FALSE);
    Send(button, WM_MOUSEMOVE, arrow);
    EXPECT_EQ(kArrow[3], Look(button, arrow));
    Send(button, WM_LBUTTONDOWN, arrow, MK_LBUTTON);
    Send(button, WM_LBUTTONUP, arrow);
    ASSERT_FALSE(m_parent.m_notes.empty());
    EXPECT_EQ(QVDBP_NONE, m_parent.m_notes.back().nMainPart);
    EXPECT_TRUE(CRect(m_parent.m_notes.back().rcPart).IsRectEmpty());
    EXPECT_EQ(qvdropdown::STATE_DISABLED, button.GetArrowState());
}

TEST_F(DropdownButton, TheParentShowsThroughTheKeyOnlyWhenTransparent) {
    for (BOOL bTransparent : {TRUE, FALSE}) {
        SCOPED_TRACE(bTransparent ? "transparent" : "opaque");
        CQVDropdownButton button;
        SetImages(button, bTransparent);
        ASSERT_TRUE(button.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(11, 20, 111, 44), &m_parent, 78));
        riztest::WindowCapture shot(button.m_hWnd);
        for (int x : {2, 3, 30, 31}) {
            SCOPED_TRACE(x);
            EXPECT_EQ(bTransparent ? Stripe(11 + x) : kKey, shot.Pixel(x, 1));
            EXPECT_EQ(kMain[0], shot.Pixel(x, kKeyRows + 2));
        }
        EXPECT_EQ(kArrow[0], shot.Pixel(90, 1));
    }
}

TEST_F(DropdownButton, HeightMissingImagesNarrowButtonsAndDeletingParentsAreSafe) {
    // Without images the height is the caller's, also after a skin change; with them one main frame.
    CQVDropdownButton button;
    ASSERT_TRUE(button.Create(_T("Record"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 30), &m_parent, 79));
    EXPECT_FALSE(button.SetImages(m_folder.Path(_T("none.bmp")), m_folder.Path(_T("arrow.bmp")), 4, 4));
    EXPECT_EQ(0, button.SendMessage(WM_QV_SKINCHANGED));
    CRect rc;
    button.GetClientRect(&rc);
    EXPECT_EQ(30, rc.Height());
    EXPECT_EQ(CRect(84, 0, 100, 30), button.GetArrowRect());
    EXPECT_EQ(kArrow[0], Look(button, CPoint(90, 20)));
    SetImages(button);
    button.GetClientRect(&rc);
    EXPECT_EQ(kHeight, rc.Height());
    // Narrower than the arrow: all arrow, painted inside; zero wide: nothing to paint.
    button.SetWindowPos(NULL, 0, 0, 6, kHeight, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CRect(0, 0, 6, kHeight), button.GetArrowRect());
    EXPECT_TRUE(button.GetMainRect().IsRectEmpty());
    EXPECT_EQ(kArrow[0], Look(button, CPoint(3, 12)));
    button.SetWindowPos(NULL, 0, 0, 0, kHeight, SWP_NOMOVE | SWP_NOZORDER);
    button.UpdateWindow();
    Send(button, WM_MOUSEMOVE, CPoint(0, 3));
    Send(button, WM_LBUTTONDOWN, CPoint(0, 3), MK_LBUTTON);
    Send(button, WM_LBUTTONUP, CPoint(0, 3));
    ASSERT_EQ(1u, m_parent.m_notes.size());
    EXPECT_EQ(QVDBP_NONE, m_parent.m_notes[0].nMainPart);

    // The parent deletes the button while it answers the click.
    auto* pDoomed = new CQVDropdownButton;
    SetImages(*pDoomed);
    ASSERT_TRUE(
        pDoomed->Create(_T("Send file"), WS_CHILD | WS_VISIBLE, CRect(0, 60, 100, 84), &m_parent, 80));
    ClickWhileTheParentDeletes(pDoomed);
    EXPECT_EQ(2u, m_parent.m_notes.size());
}

TEST_F(AnimationButton, FadesInTenTicksOutTenBackFromMidwayAndBlendsAtHalf) {
    CQVAnimationButton button;
    ASSERT_TRUE(button.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(11, 20, 71, 60), &m_parent, 90));
    ASSERT_TRUE(button.LoadImages(m_folder.Path(_T("back.bmp")), m_folder.Path(_T("hot.bmp"))));
    const CPoint ptLeft(20, 10), ptRight(45, 30);
    // The background stretched over the client, no hot image yet.
    EXPECT_EQ("", riztest::WindowCapture(button.m_hWnd).WrongPixels({{20, 10, kRed}, {45, 30, kCyan}}, 8));
    // Counts the timer messages until the fade stops (the control's timer killed first, so that only
    // these ticks count).
    auto ticks = [&](int nMax) {
        EXPECT_TRUE(::KillTimer(button.m_hWnd, QVAB_FADE_TIMER));
        int n = 0;
        while (button.IsFading() && n < nMax) {
            button.SendMessage(WM_TIMER, QVAB_FADE_TIMER);
            ++n;
        }
        return n;
    };
    CPoint ptScreen = ptLeft;
    button.ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptLeft.x, ptLeft.y));
    EXPECT_EQ(5, ticks(5));
    EXPECT_TRUE(button.IsFading());
    // Half way: red and blue blended; the hot image cut from its top left, not stretched.
    EXPECT_EQ("", riztest::WindowCapture(button.m_hWnd)
                      .WrongPixels({{20, 10, RGB(100, 0, 100)}, {45, 30, RGB(0, 180, 80)}}, 8));
    button.SendMessage(WM_MOUSELEAVE);  // reversed: the same timer, back from 0.5
    int n = 0;
    while (button.IsFading() && n < 100) {
        button.SendMessage(WM_TIMER, QVAB_FADE_TIMER);
        ++n;
    }
    EXPECT_EQ(5, n);
    EXPECT_EQ(0.0f, button.GetOpacity());
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptLeft.x, ptLeft.y));
    EXPECT_EQ(10, ticks(100));
    EXPECT_EQ(1.0f, button.GetOpacity());
    EXPECT_EQ("", riztest::WindowCapture(button.m_hWnd).WrongPixels({{20, 10, kBlue}, {45, 30, kGreen}}, 8));
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(10, ticks(100));
    EXPECT_EQ(0.0f, button.GetOpacity());
    // With animate off no fade starts; a larger step fades faster.
    button.SetAnimate(FALSE);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptLeft.x, ptLeft.y));
    EXPECT_FALSE(button.IsFading());
    EXPECT_FALSE(::KillTimer(button.m_hWnd, QVAB_FADE_TIMER));
    button.SendMessage(WM_MOUSELEAVE);
    button.SetAnimate(TRUE);
    button.SetStep(25);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptLeft.x, ptLeft.y));
    EXPECT_EQ(4, ticks(100));
}

TEST_F(AnimationButton, RealTimerTicksFinishTheFade) {
    CQVAnimationButton button;
    ASSERT_TRUE(button.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(11, 20, 71, 60), &m_parent, 91));
    Send(button, WM_MOUSEMOVE, CPoint(20, 20));
    for (int i = 0; i < 200 && button.IsFading(); ++i)
        riztest::PumpMessages(50, true);
    EXPECT_FALSE(button.IsFading());
    EXPECT_EQ(1.0f, button.GetOpacity());
}

TEST_F(AnimationButton, OneClickPerPressNoneFromStalePressesAndDeletingParentsAreSafe) {
    // Made by Create and subclassed from a static: one BN_CLICKED each, from the button alone.
    CQVAnimationButton created, subclassed;
    ASSERT_TRUE(created.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 40), &m_parent, 92));
    const HWND hStatic = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, 100, 0, 60, 40,
                                          m_parent.m_hWnd, reinterpret_cast<HMENU>(93), NULL, NULL);
    ASSERT_TRUE(subclassed.SubclassWindow(hStatic));
    for (CQVAnimationButton* pButton : {&created, &subclassed}) {
        m_parent.m_commands.clear();
        Send(*pButton, WM_MOUSEMOVE, CPoint(10, 10));
        Send(*pButton, WM_LBUTTONDOWN, CPoint(10, 10), MK_LBUTTON);
        Send(*pButton, WM_LBUTTONUP, CPoint(10, 10));
        ASSERT_EQ(1u, m_parent.m_commands.size());
        EXPECT_EQ(MAKEWPARAM(pButton->GetDlgCtrlID(), BN_CLICKED), m_parent.m_commands[0].first);
        EXPECT_EQ(reinterpret_cast<LPARAM>(pButton->m_hWnd), m_parent.m_commands[0].second);
        // A release without a press, a press dragged out and back, a press whose release went unseen.
        Send(*pButton, WM_LBUTTONUP, CPoint(10, 10));
        Send(*pButton, WM_LBUTTONDOWN, CPoint(10, 10), MK_LBUTTON);
        pButton->SendMessage(WM_MOUSELEAVE);
        Send(*pButton, WM_MOUSEMOVE, CPoint(12, 10), MK_LBUTTON);
        Send(*pButton, WM_LBUTTONUP, CPoint(12, 10));
        Send(*pButton, WM_LBUTTONDOWN, CPoint(10, 10), MK_LBUTTON);
        Send(*pButton, WM_MOUSEMOVE, CPoint(11, 10));
        Send(*pButton, WM_LBUTTONUP, CPoint(11, 10));
        EXPECT_EQ(1u, m_parent.m_commands.size());
    }

    // The parent deletes the button while it answers the click, during a fade.
    auto* pDoomed = new CQVAnimationButton;
    ASSERT_TRUE(pDoomed->Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 60, 60, 100), &m_parent, 94));
    ClickWhileTheParentDeletes(pDoomed);
}

TEST_F(AnimationButton, MissingImagesShowTheParentAndDestroyedMidFadeLeavesNoTimer) {
    const riztest::ResourceSnapshot snapshot;
    CQVAnimationButton button;
    ASSERT_TRUE(button.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(11, 20, 71, 60), &m_parent, 95));
    EXPECT_FALSE(button.LoadImages(m_folder.Path(_T("none.png")), m_folder.Path(_T("none.bmp"))));
    EXPECT_EQ("",
              riztest::WindowCapture(button.m_hWnd).WrongPixels({{4, 4, Stripe(15)}, {7, 4, Stripe(18)}}));
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    button.SendMessage(WM_TIMER, QVAB_FADE_TIMER);
    EXPECT_TRUE(button.IsFading());
    const HWND hWnd = button.m_hWnd;
    button.DestroyWindow();
    EXPECT_FALSE(button.IsFading());
    EXPECT_FALSE(::KillTimer(hWnd, QVAB_FADE_TIMER));
    EXPECT_EQ(0, snapshot.WindowDelta());
    EXPECT_EQ(0, snapshot.GdiDelta());
    // Made again, the object starts from the opacity it had, without a timer.
    ASSERT_TRUE(button.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(11, 20, 71, 60), &m_parent, 95));
    EXPECT_FALSE(button.IsFading());
    EXPECT_FALSE(::KillTimer(button.m_hWnd, QVAB_FADE_TIMER));
}

TEST_F(ImageButtonTest, BothButtonsWithImagesAndARunningFadeSoak) {
    auto cycle = [this](int k) {
        CQVDropdownButton dropdown;
        SetImages(dropdown, k % 2);
        dropdown.Create(_T("Word book"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 30), &m_parent, 96);
        dropdown.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(90, 5));
        dropdown.UpdateWindow();
        CQVAnimationButton animation;
        animation.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 40, 60, 80), &m_parent, 97);
        animation.LoadImages(m_folder.Path(_T("back.bmp")), m_folder.Path(_T("hot.bmp")));
        animation.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        animation.SendMessage(WM_TIMER, QVAB_FADE_TIMER);
        animation.UpdateWindow();
        // Even cycles leave the windows to the objects' destructors.
        if (k % 2) {
            animation.DestroyWindow();
            dropdown.DestroyWindow();
        }
    };
    riztest::ExpectCyclesLeakNothing(cycle);
}

}  // namespace
