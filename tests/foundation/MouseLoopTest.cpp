// The modal mouse loop: the handlers' messages in order, the ways it ends (release, Escape, lost
// capture, WM_QUIT, the window or its object gone) and what it dispatches meanwhile. The whole input is
// posted before the loop starts. Leave tracking: the message the pointer's leaving brings.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "MessagePump.h"
#include "QVMouseLoop.h"
#include "TestWindow.h"

#include <vector>

namespace {

const UINT WM_TEST_DESTROY = WM_APP + 7;

int g_nKeysSeen = 0;
UINT g_nLeaveSeen = 0;  // the last WM_MOUSELEAVE or WM_NCMOUSELEAVE the child got

// A child that counts the key presses it is given and destroys itself on WM_TEST_DESTROY.
LRESULT CALLBACK ChildProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) ++g_nKeysSeen;
    if (message == WM_MOUSELEAVE || message == WM_NCMOUSELEAVE) g_nLeaveSeen = message;
    if (message == WM_TEST_DESTROY) ::DestroyWindow(hWnd);
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

class QVMouseLoop : public ::testing::Test {
protected:
    void SetUp() override {
        riztest::PumpUntilIdle();
        WNDCLASS wc = {};
        wc.lpfnWndProc = &ChildProc;
        wc.hInstance = ::GetModuleHandle(nullptr);
        wc.lpszClassName = _T("FoundationLoopChild");
        ::RegisterClass(&wc);
        m_hChild = ::CreateWindow(_T("FoundationLoopChild"), _T(""), WS_CHILD | WS_VISIBLE, 10, 20, 100, 80,
                                  m_window.Host(), nullptr, wc.hInstance, nullptr);
        m_wnd.Attach(m_hChild);
        g_nKeysSeen = 0;
        g_nLeaveSeen = 0;
    }
    void TearDown() override {
        m_wnd.Detach();
        if (::IsWindow(m_hChild)) ::DestroyWindow(m_hChild);
    }

    riztest::TestWindow m_window;
    HWND m_hChild = nullptr;
    CWnd m_wnd;
};

TEST_F(QVMouseLoop, HandlersGetMovesAndTheReleaseInClientPoints) {
    std::vector<CPoint> moves;
    CPoint ptUp(-1, -1);
    riztest::PostMouse(m_hChild, WM_MOUSEMOVE, 5, 6);
    riztest::PostMouse(m_hChild, WM_MOUSEMOVE, 40, 30);
    // A move reported to another window of the thread is mapped to the loop window's client area.
    riztest::PostMouse(m_window.Host(), WM_MOUSEMOVE, 15, 25);
    riztest::PostMouse(m_hChild, WM_LBUTTONUP, 41, 31);
    riztest::PostMouse(m_hChild, WM_MOUSEMOVE, 90, 90);
    QVMouseLoopResult result;
    {
        CQVMouseLoop loop(&m_wnd);
        EXPECT_EQ(m_hChild, ::GetCapture());
        loop.SetMoveHandler([&](const CPoint& pt) {
            moves.push_back(pt);
            return QVML_CONTINUE;
        });
        loop.SetButtonUpHandler([&](const CPoint& pt) {
            ptUp = pt;
            return QVML_END;
        });
        result = loop.Run();
        EXPECT_EQ(nullptr, ::GetCapture());
    }
    EXPECT_EQ(QVML_ENDED, result);
    ASSERT_EQ(3u, moves.size());
    EXPECT_EQ(CPoint(5, 6), moves[0]);
    EXPECT_EQ(CPoint(40, 30), moves[1]);
    EXPECT_EQ(CPoint(5, 5), moves[2]);
    EXPECT_EQ(CPoint(41, 31), ptUp);
    // What came after the release is left in the queue.
    MSG msg;
    EXPECT_TRUE(::PeekMessage(&msg, m_hChild, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE));
}

TEST_F(QVMouseLoop, ReleaseEndsTheLoopByDefaultAndTheScopeReleasesTheCapture) {
    {
        CQVMouseLoop loop(&m_wnd);
        EXPECT_EQ(m_hChild, ::GetCapture());
    }
    EXPECT_EQ(nullptr, ::GetCapture());
    riztest::PostMouse(m_hChild, WM_LBUTTONUP, 1, 1);
    CQVMouseLoop loop(&m_wnd);
    EXPECT_EQ(QVML_ENDED, loop.Run());
}

TEST_F(QVMouseLoop, EscapeCancelsAndOtherKeysAreDroppedUnlessAKeyHandlerDispatchesThem) {
    ::SetFocus(m_hChild);
    riztest::PostKey(m_hChild, 'A');
    riztest::PostKey(m_hChild, VK_ESCAPE);
    riztest::PostMouse(m_hChild, WM_LBUTTONUP, 1, 1);
    {
        CQVMouseLoop loop(&m_wnd);
        EXPECT_EQ(QVML_CANCELLED, loop.Run());
        EXPECT_EQ(0, g_nKeysSeen);
        EXPECT_EQ(nullptr, ::GetCapture());
    }
    riztest::PumpUntilIdle();
    riztest::PostKey(m_hChild, VK_ESCAPE);
    riztest::PostKey(m_hChild, 'B');
    riztest::PostMouse(m_hChild, WM_LBUTTONUP, 1, 1);
    CQVMouseLoop loop(&m_wnd);
    loop.SetKeyHandler([](const MSG&) { return QVML_DISPATCH; });
    EXPECT_EQ(QVML_ENDED, loop.Run());
    EXPECT_EQ(2, g_nKeysSeen);
}

TEST_F(QVMouseLoop, OtherMessagesAreDispatchedMeanwhile) {
    ::PostMessage(m_window.Host(), WM_APP + 3, 11, 0);
    ::PostMessage(m_window.Host(), WM_APP + 3, 12, 0);
    riztest::PostMouse(m_hChild, WM_LBUTTONUP, 1, 1);
    CQVMouseLoop loop(&m_wnd);
    std::vector<UINT> handled;
    loop.SetMessageHandler([&](const MSG& msg) {
        handled.push_back(msg.message);
        return msg.wParam == 12 ? QVML_CONTINUE : QVML_DISPATCH;
    });
    EXPECT_EQ(QVML_ENDED, loop.Run());
    EXPECT_EQ(1, m_window.CountReceived(WM_APP + 3));
    EXPECT_EQ(11u, m_window.LastWParam(WM_APP + 3));
}

TEST_F(QVMouseLoop, LostCaptureEndsTheLoop) {
    riztest::PostMouse(m_hChild, WM_MOUSEMOVE, 1, 1);
    riztest::PostMouse(m_hChild, WM_MOUSEMOVE, 2, 2);
    riztest::PostMouse(m_hChild, WM_LBUTTONUP, 1, 1);
    int nMoves = 0;
    CQVMouseLoop loop(&m_wnd);
    loop.SetMoveHandler([&](const CPoint&) {
        ++nMoves;
        ::SetCapture(m_window.Host());
        return QVML_CONTINUE;
    });
    EXPECT_EQ(QVML_CAPTURE_LOST, loop.Run());
    EXPECT_EQ(1, nMoves);
    EXPECT_EQ(m_window.Host(), ::GetCapture());
    ::ReleaseCapture();
    riztest::PumpUntilIdle();
}

TEST_F(QVMouseLoop, QuitIsPostedAgainForTheOuterLoop) {
    ::PostQuitMessage(7);
    {
        CQVMouseLoop loop(&m_wnd);
        EXPECT_EQ(QVML_QUIT, loop.Run());
        EXPECT_EQ(nullptr, ::GetCapture());
    }
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

TEST_F(QVMouseLoop, AWindowDestroyedByAHandlerEndsTheLoop) {
    riztest::PostMouse(m_hChild, WM_MOUSEMOVE, 1, 1);
    riztest::PostMouse(m_hChild, WM_MOUSEMOVE, 2, 2);
    riztest::PostMouse(m_hChild, WM_LBUTTONUP, 1, 1);
    int nMoves = 0;
    CQVMouseLoop loop(&m_wnd);
    loop.SetMoveHandler([&](const CPoint&) {
        ++nMoves;
        ::DestroyWindow(m_hChild);
        return QVML_CONTINUE;
    });
    EXPECT_EQ(QVML_DESTROYED, loop.Run());
    EXPECT_EQ(1, nMoves);
    riztest::PumpUntilIdle();
}

TEST_F(QVMouseLoop, AWindowDestroyedByADispatchedMessageEndsTheLoop) {
    ::PostMessage(m_hChild, WM_TEST_DESTROY, 0, 0);
    riztest::PostMouse(m_hChild, WM_LBUTTONUP, 1, 1);
    int nUps = 0;
    CQVMouseLoop loop(&m_wnd);
    loop.SetButtonUpHandler([&](const CPoint&) {
        ++nUps;
        return QVML_END;
    });
    EXPECT_EQ(QVML_DESTROYED, loop.Run());
    EXPECT_FALSE(::IsWindow(m_hChild));
    EXPECT_EQ(0, nUps);
    riztest::PumpUntilIdle();
}

TEST_F(QVMouseLoop, TheObjectsTokenEndsTheLoop) {
    riztest::PostMouse(m_hChild, WM_MOUSEMOVE, 1, 1);
    riztest::PostMouse(m_hChild, WM_LBUTTONUP, 1, 1);
    CQVAliveFlag* pFlag = new CQVAliveFlag;
    CQVMouseLoop loop(&m_wnd, pFlag->Token());
    loop.SetMoveHandler([&](const CPoint&) {
        delete pFlag;
        return QVML_END;
    });
    EXPECT_EQ(QVML_DESTROYED, loop.Run());
    EXPECT_TRUE(::IsWindow(m_hChild));
    riztest::PumpUntilIdle();
}

TEST_F(QVMouseLoop, LeaveTrackingBringsTheLeaveMessageOfItsArea) {
    const struct {
        BOOL bNonClient;
        UINT nExpected;
    } cases[] = {{FALSE, WM_MOUSELEAVE}, {TRUE, WM_NCMOUSELEAVE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bNonClient ? "non-client" : "client");
        CPoint pt(50, 40);
        ::ClientToScreen(m_hChild, &pt);
        ::SetCursorPos(pt.x, pt.y);
        riztest::PumpUntilIdle();
        g_nLeaveSeen = 0;
        EXPECT_TRUE(QVTrackMouseLeave(m_hChild, c.bNonClient));
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        for (int i = 0; i < 40 && !g_nLeaveSeen; ++i)
            riztest::PumpMessages(50, true);
        EXPECT_EQ(c.nExpected, g_nLeaveSeen);
    }
    // No window, no request: the thread's tracking is left as it was.
    ::DestroyWindow(m_hChild);
    EXPECT_FALSE(QVTrackMouseLeave(m_hChild));
    EXPECT_FALSE(QVTrackMouseLeave(nullptr, TRUE));
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_QUERY, nullptr, 0};
    ::TrackMouseEvent(&tme);
    EXPECT_EQ(0u, tme.dwFlags & TME_LEAVE);
}

}  // namespace
