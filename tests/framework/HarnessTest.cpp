// The test harness itself: resource counters see leaks, captures read real pixels, input and the watchdog
// work. (The ANSI build's code page is asserted by the string conversion tests.)
#include <afx.h>

#include <atomic>

#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "TestWindow.h"
#include "Watchdog.h"

namespace {

// Deliberately leaks n brushes, as a faulty control would.
void LeakBrushes(int n) {
    for (int i = 0; i < n; ++i)
        ::CreateSolidBrush(RGB(i, 0, 0));
}

}  // namespace

TEST(HarnessResources, GdiCountSeesLeakedAndFreedObjectsNotStockOnes) {
    riztest::ResourceSnapshot before;
    ASSERT_GE(before.gdi, 0);
    LeakBrushes(5);
    EXPECT_EQ(before.GdiDelta(), 5);

    HPEN pens[3];
    for (HPEN& p : pens)
        p = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    EXPECT_EQ(before.GdiDelta(), 8);
    for (HPEN p : pens)
        ::DeleteObject(p);
    EXPECT_EQ(before.GdiDelta(), 5);

    // Stock objects are not counted.
    ::GetStockObject(WHITE_BRUSH);
    ::GetStockObject(SYSTEM_FONT);
    EXPECT_EQ(before.GdiDelta(), 5);
}

TEST(HarnessResources, WindowCountFollowsCreateAndDestroy) {
    riztest::ResourceSnapshot before;
    {
        riztest::TestWindow w;
        EXPECT_EQ(before.WindowDelta(), 2);  // frame and host
        ::CreateWindow(TEXT("BUTTON"), TEXT("x"), WS_CHILD, 0, 0, 10, 10, w.Host(), nullptr, nullptr,
                       nullptr);
        EXPECT_EQ(before.WindowDelta(), 3);
    }
    EXPECT_EQ(before.WindowDelta(), 0);
}

TEST(HarnessPixels, SurfaceAndScreenCaptureReadBackWhatWasDrawn) {
    riztest::Surface s(40, 30, RGB(255, 255, 255));
    HBRUSH red = ::CreateSolidBrush(RGB(200, 10, 10));
    RECT rc = {10, 10, 20, 20};
    ::FillRect(s.Dc(), &rc, red);
    ::DeleteObject(red);
    EXPECT_TRUE(riztest::ColorNear(s.Pixel(15, 15), RGB(200, 10, 10), 0));
    EXPECT_TRUE(riztest::ColorNear(s.Pixel(5, 5), RGB(255, 255, 255), 0));
    EXPECT_EQ(s.Pixel(-1, 0), CLR_INVALID);
    EXPECT_EQ(s.CountNear(rc, RGB(200, 10, 10), 0), 100);

    // A screen capture sees child controls.
    riztest::TestWindow w(120, 60);
    HWND hStatic = ::CreateWindow(TEXT("STATIC"), TEXT(""), WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 10, 10, 30,
                                  20, w.Host(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(hStatic);
    riztest::WindowCapture cap(w.Host());
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);  // the host's class background
    EXPECT_TRUE(riztest::ColorNear(cap.Pixel(80, 40), face, 0));
    EXPECT_FALSE(riztest::ColorNear(cap.Pixel(20, 20), face, 32));  // the static's dark rectangle
    EXPECT_TRUE(riztest::ColorNear(cap.Pixel(9, 9), face, 0));
}

TEST(HarnessInput, PostedClickReachesHostInOrder) {
    riztest::TestWindow w;
    riztest::PostClick(w.Host(), 12, 34);
    riztest::PumpUntilIdle();
    EXPECT_EQ(w.CountReceived(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(w.CountReceived(WM_LBUTTONUP), 1);
    EXPECT_EQ(w.LastLParam(WM_LBUTTONUP), MAKELPARAM(12, 34));
}

namespace {

// The handler's text belongs to the watchdog, which may be gone when the test reads it: keep a copy.
std::atomic<const char*> g_expiredTest{nullptr};
char g_expiredName[256];

void RecordExpired(const char* testName) {
    lstrcpynA(g_expiredName, testName, sizeof g_expiredName);
    g_expiredTest = g_expiredName;
}

// A capture loop of the kind controls run while a button is held: it ends at the button release.
int RunPressLoop(HWND hWnd) {
    ::SetCapture(hWnd);
    int moves = 0;
    MSG msg;
    while (::GetMessage(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_MOUSEMOVE) ++moves;
        if (msg.message == WM_LBUTTONUP) break;
        ::DispatchMessage(&msg);
    }
    ::ReleaseCapture();
    return moves;
}

}  // namespace

TEST(HarnessWatchdog, ReportsATestThatRunsTooLongAndStaysQuietWhenItEndsInTime) {
    const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
    riztest::Watchdog::SetExpiredHandler(&RecordExpired);
    for (const bool bEndsInTime : {false, true}) {
        SCOPED_TRACE(bEndsInTime ? "ends in time" : "runs too long");
        g_expiredTest = nullptr;
        {
            riztest::Watchdog watchdog(1);
            watchdog.OnTestStart(test);
            if (bEndsInTime) watchdog.OnTestEnd(test);
            for (int i = 0; i < 40 && !g_expiredTest; ++i)
                ::Sleep(50);
            if (!bEndsInTime) watchdog.OnTestEnd(test);
        }
        // Null when quiet; the test's name when it ran too long.
        EXPECT_STREQ(g_expiredTest.load(),
                     bEndsInTime
                         ? nullptr
                         : "HarnessWatchdog.ReportsATestThatRunsTooLongAndStaysQuietWhenItEndsInTime");
    }
    riztest::Watchdog::SetExpiredHandler(nullptr);
}

TEST(HarnessInput, ModalLoopConsumesInputPostedBeforeItStarts) {
    riztest::TestWindow w;
    riztest::PostMouse(w.Host(), WM_MOUSEMOVE, 5, 5, MK_LBUTTON);
    riztest::PostMouse(w.Host(), WM_MOUSEMOVE, 9, 5, MK_LBUTTON);
    riztest::PostMouse(w.Host(), WM_LBUTTONUP, 9, 5);
    EXPECT_EQ(RunPressLoop(w.Host()), 2);
    EXPECT_EQ(::GetCapture(), nullptr);
}
