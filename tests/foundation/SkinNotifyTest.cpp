// Skin and language changes told to every window of the thread: who hears, who is invalidated, the
// redraw of the top-level windows, and a window that destroys itself while it hears.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "MessagePump.h"
#include "QVSkinNotify.h"

namespace {

std::map<HWND, int> g_heard;
LRESULT g_answer = 0;
HWND g_hDestroyOnHearing = nullptr;
HWND g_hMoveOnHearing = nullptr, g_hMoved = nullptr, g_hNewParent = nullptr;  // a move while it hears
std::vector<HWND> g_passOn;  // windows that tell their children, as skinned windows and bars do

LRESULT CALLBACK ListeningProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QV_SKINCHANGED || message == WM_QV_LANCHANGED) {
        ++g_heard[hWnd];
        if (hWnd == g_hDestroyOnHearing) ::DestroyWindow(hWnd);
        if (hWnd == g_hMoveOnHearing) ::SetParent(g_hMoved, g_hNewParent);
        if (message == WM_QV_SKINCHANGED && std::count(g_passOn.begin(), g_passOn.end(), hWnd))
            QVSendSkinChangedToChildren(hWnd, wParam, lParam);
        return g_answer;
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

class QVSkinNotify : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASS wc = {};
        wc.lpfnWndProc = &ListeningProc;
        wc.hInstance = ::GetModuleHandle(nullptr);
        wc.lpszClassName = _T("SkinNotifyListener");
        ::RegisterClass(&wc);
        // Two top-level windows; the first holds a child that holds a grandchild.
        m_hTop = Make(WS_POPUP | WS_VISIBLE, nullptr, CRect(10, 10, 110, 110));
        m_hChild = Make(WS_CHILD | WS_VISIBLE, m_hTop, CRect(0, 0, 60, 60));
        m_hGrandchild = Make(WS_CHILD | WS_VISIBLE, m_hChild, CRect(0, 0, 30, 30));
        m_hOther = Make(WS_POPUP | WS_VISIBLE, nullptr, CRect(150, 10, 250, 110));
        riztest::PumpUntilIdle();
        for (HWND hWnd : All())
            ::ValidateRect(hWnd, nullptr);
        g_heard.clear();
        g_answer = 0;
        g_hDestroyOnHearing = nullptr;
        g_hMoveOnHearing = nullptr;
        g_passOn.clear();
    }
    void TearDown() override {
        for (HWND hWnd : {m_hTop, m_hOther})
            if (::IsWindow(hWnd)) ::DestroyWindow(hWnd);
    }
    static HWND Make(DWORD dwStyle, HWND hParent, const CRect& rc) {
        return ::CreateWindow(_T("SkinNotifyListener"), _T(""), dwStyle, rc.left, rc.top, rc.Width(),
                              rc.Height(), hParent, nullptr, ::GetModuleHandle(nullptr), nullptr);
    }
    std::vector<HWND> All() const { return {m_hTop, m_hChild, m_hGrandchild, m_hOther}; }
    static bool Invalid(HWND hWnd) { return ::GetUpdateRect(hWnd, nullptr, FALSE) != FALSE; }

    HWND m_hTop = nullptr, m_hChild = nullptr, m_hGrandchild = nullptr, m_hOther = nullptr;
};

TEST_F(QVSkinNotify, EveryWindowHearsOnceAndOnlyANonZeroAnswerToTheSkinChangeInvalidates) {
    struct Row {
        UINT message;
        LRESULT answer;
        UINT nRedrawFlags;
        bool bInvalid;
    };
    const Row rows[] = {
        {WM_QV_SKINCHANGED, 1, 0, true},
        {WM_QV_SKINCHANGED, 0, 0, false},
        {WM_QV_LANCHANGED, 1, 0, false},
        {WM_QV_LANCHANGED, 0, RDW_INVALIDATE | RDW_ALLCHILDREN, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "message " << row.message << ", answer " << row.answer);
        // Nobody passes it on, then the top window and the child tell their children themselves.
        for (const std::vector<HWND>& passOn : {std::vector<HWND>{}, std::vector<HWND>{m_hTop, m_hChild}}) {
            for (HWND hWnd : All())
                ::ValidateRect(hWnd, nullptr);
            g_heard.clear();
            g_answer = row.answer;
            g_passOn = passOn;
            QVNotifyThreadWindows(row.message, row.nRedrawFlags);
            for (HWND hWnd : All()) {
                EXPECT_EQ(1, g_heard[hWnd]) << passOn.size();
                EXPECT_EQ(row.bInvalid, Invalid(hWnd));
            }
        }
    }
}

TEST_F(QVSkinNotify, AWindowMovedUnderAnotherWhileTheWalkRunsHearsOnce) {
    // The walk takes the top-level windows from the top of the z-order: with the other window at the
    // bottom, the child that hears moves the grandchild under it, where the walk comes later.
    ::SetWindowPos(m_hOther, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (UINT message : {WM_QV_SKINCHANGED, WM_QV_LANCHANGED}) {
        ::SetParent(m_hGrandchild, m_hChild);
        g_heard.clear();
        g_hMoveOnHearing = m_hChild;
        g_hMoved = m_hGrandchild;
        g_hNewParent = m_hOther;
        QVNotifyThreadWindows(message);
        EXPECT_EQ(m_hOther, ::GetParent(m_hGrandchild));
        for (HWND hWnd : All())
            EXPECT_EQ(1, g_heard[hWnd]) << message;
    }
    // Outside a thread-wide notice a window passing it on tells every time.
    g_heard.clear();
    g_hMoveOnHearing = nullptr;
    QVSendNotice(m_hChild, WM_QV_LANCHANGED, 0, 0);
    QVSendNotice(m_hChild, WM_QV_LANCHANGED, 0, 0);
    EXPECT_EQ(2, g_heard[m_hChild]);
}

TEST_F(QVSkinNotify, AWindowDestroyedWhileItHearsLeavesTheOthersTold) {
    g_answer = 1;
    g_hDestroyOnHearing = m_hChild;
    QVNotifyThreadWindows(WM_QV_SKINCHANGED, RDW_INVALIDATE | RDW_FRAME);
    EXPECT_FALSE(::IsWindow(m_hChild));
    EXPECT_EQ(1, g_heard[m_hTop]);
    EXPECT_EQ(1, g_heard[m_hOther]);
    EXPECT_TRUE(Invalid(m_hOther));

    // The direct children of one window, each once; the grandchild is its parent's to tell.
    g_hDestroyOnHearing = nullptr;
    g_heard.clear();
    const HWND hChild = Make(WS_CHILD | WS_VISIBLE, m_hTop, CRect(0, 0, 20, 20));
    const HWND hGrandchild = Make(WS_CHILD | WS_VISIBLE, hChild, CRect(0, 0, 10, 10));
    ::ValidateRect(hChild, nullptr);
    QVSendSkinChangedToChildren(m_hTop, 0, 0);
    EXPECT_EQ(1, g_heard[hChild]);
    EXPECT_EQ(0, g_heard[hGrandchild]);
    EXPECT_EQ(0, g_heard[m_hTop]);
    EXPECT_TRUE(Invalid(hChild));
}

}  // namespace

// What a window no longer covers of its former rectangle waits to be repainted in the windows under it:
// the strip it gave up and the corners its outline cuts off, never the window itself. Each row: the
// rectangle before, the window's outline (an ellipse or none), points of the window behind that wait
// or do not.
TEST(QVInvalidateUncovered, MarksWhatTheWindowGaveUpAndLeavesTheWindowAlone) {
    struct Row {
        const char* pszCase;
        CRect rcBefore;
        bool bEllipse;
        std::vector<std::pair<CPoint, bool>> points;  // screen point, waits to be repainted
    };
    // The window now lies at (100, 100)-(200, 180); the one behind covers (50, 50)-(300, 300).
    const Row rows[] = {
        {"shrunk",
         CRect(100, 100, 240, 180),
         false,
         {{{220, 140}, true}, {{150, 140}, false}, {{270, 140}, false}}},
        {"same place", CRect(100, 100, 200, 180), false, {{{150, 140}, false}, {{101, 101}, false}}},
        {"new outline", CRect(100, 100, 200, 180), true, {{{101, 101}, true}, {{150, 140}, false}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        const HWND hBehind = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP | WS_VISIBLE, 50, 50, 250,
                                              250, nullptr, nullptr, nullptr, nullptr);
        const HWND hWnd = ::CreateWindowEx(WS_EX_TOPMOST, _T("STATIC"), _T(""), WS_POPUP | WS_VISIBLE, 100,
                                           100, 100, 80, nullptr, nullptr, nullptr, nullptr);
        if (row.bEllipse) ::SetWindowRgn(hWnd, ::CreateEllipticRgn(0, 0, 100, 80), TRUE);
        riztest::PumpUntilIdle();
        ::ValidateRect(hBehind, nullptr);
        ::ValidateRect(hWnd, nullptr);
        QVInvalidateUncovered(hWnd, row.rcBefore);
        CRgn rgnWaiting;
        rgnWaiting.CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(hBehind, rgnWaiting, FALSE);
        rgnWaiting.OffsetRgn(50, 50);
        for (const auto& point : row.points)
            EXPECT_EQ(point.second, rgnWaiting.PtInRegion(point.first) != FALSE)
                << point.first.x << "," << point.first.y;
        // What the window shows waits for nothing (cut-off corners may: they show nothing).
        CRgn rgnOwn;
        rgnOwn.CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(hWnd, rgnOwn, FALSE);
        EXPECT_FALSE(rgnOwn.PtInRegion(50, 40)) << "the window itself";
        ::DestroyWindow(hWnd);
        ::DestroyWindow(hBehind);
    }
    QVInvalidateUncovered(nullptr, CRect(0, 0, 10, 10));  // no window: nothing
}
