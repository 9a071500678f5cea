// The drag and resize loops of the dock context through posted input (all of it posted before the
// loop starts, the cursor placed before each move): docking, floating, every way out, resizing at the
// screen's edge, toggling, and the floating frame's caption.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MessagePump.h"
#include "QVDockBar.h"
#include "QVDockContext.h"
#include "QVDockWnd.h"
#include "QVMiniDockFrameWnd.h"
#include "SkinFrameWnd.h"

namespace {

// Handled by the helper window while a loop dispatches: take the capture, destroy the bar's window
// (wParam), delete the bar object (wParam).
const UINT kStealCapture = WM_APP + 1, kDestroyBar = WM_APP + 2, kDeleteBar = WM_APP + 3;

LRESULT CALLBACK HelperProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kStealCapture) ::SetCapture(hWnd);
    if (message == kDestroyBar) ::DestroyWindow(reinterpret_cast<HWND>(wParam));
    if (message == kDeleteBar) delete reinterpret_cast<CQVDockWnd*>(wParam);
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

// A dynamic-size pane 30 high: a stretch gets the width asked for in whole steps of 100 pixels (as a
// bar of 100-pixel buttons wraps); otherwise it is as wide as last committed.
class CStretchPane : public CQVDockWnd {
public:
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override {
        if (dwMode & LM_COMMIT) m_cx = nLength;
        const bool bStretch = !(dwMode & (LM_MRUWIDTH | LM_HORZDOCK | LM_VERTDOCK | LM_LENGTHY | LM_COMMIT));
        return CSize(bStretch && nLength >= 0 ? nLength / 100 * 100 : m_cx, 30);
    }
    int m_cx = 200;
};

class DockContextTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_pFrame = new CSkinFrameWnd;  // deletes itself with its window
        m_pFrame->Create(nullptr, _T("Study"), WS_OVERLAPPEDWINDOW, CRect(40, 40, 540, 440));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->ShowWindow(SW_SHOWNA);
        m_hFrame = m_pFrame->m_hWnd;
        WNDCLASS wc = {};
        wc.lpfnWndProc = HelperProc;
        wc.lpszClassName = _T("DockContextHelper");
        ::RegisterClass(&wc);
        m_hHelper = ::CreateWindow(wc.lpszClassName, nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                   nullptr);
        MakePane(m_pPane.get(), 0xE901, 0);
        m_pFrame->GetClientRect(&m_rcClient);
    }
    void TearDown() override {
        ::DestroyWindow(m_hHelper);
        if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
        riztest::PumpUntilIdle(200);
    }
    void MakePane(CQVDockWnd* pPane, UINT nID, DWORD dwStyle) {
        pPane->CreateEx(m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP | dwStyle, CRect(0, 0, 0, 0), nID);
        pPane->SetWindowPos(nullptr, 0, 0, 160, 26, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        pPane->EnableDocking(CBRS_ALIGN_ANY);
        DockTop(pPane);
    }
    void DockTop(CQVDockWnd* pPane = nullptr) {
        m_pFrame->DockControlBar(pPane ? pPane : m_pPane.get(), AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
    }
    UINT Edge() const { return m_pPane->m_pDockBar ? m_pPane->m_pDockBar->GetDlgCtrlID() : 0; }
    CRect PaneRect() const {
        CRect rect;
        m_pPane->GetWindowRect(&rect);
        return rect;
    }
    CWnd* FloatingFrame() const { return m_pPane->m_pDockBar->GetParent(); }
    // The loop reads the message's own point: the cursor goes there before the move is posted.
    void PostMove(HWND hWnd, CPoint ptClient) {
        CPoint pt = ptClient;
        m_pFrame->ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        ::ScreenToClient(hWnd, &pt);
        ::PostMessage(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }
    static bool DesktopUnlocked() {
        const BOOL bLocked = ::LockWindowUpdate(::GetDesktopWindow());
        if (bLocked) ::LockWindowUpdate(nullptr);
        return bLocked != FALSE;
    }
    void StartDragAtMiddle() { m_pPane->m_pDockContext->StartDrag(PaneRect().CenterPoint()); }

    CWinApp m_app{_T("DockContext")};
    CSkinFrameWnd* m_pFrame = nullptr;
    HWND m_hFrame = nullptr, m_hHelper = nullptr;
    std::unique_ptr<CQVDockWnd> m_pPane = std::make_unique<CQVDockWnd>();
    CRect m_rcClient;
};

TEST_F(DockContextTest, DragDocksFloatsOrLeavesTheBarAsItWas) {
    const CPoint ptBottom(250, m_rcClient.bottom - 4), ptLeft(4, 200), ptMiddle(250, 200);
    const UINT kMove = WM_MOUSEMOVE, kUnchanged = 1;
    struct Step {
        UINT message;
        CPoint pt;
        WPARAM wParam;
    };
    struct Case {
        const char* what;
        bool bCaptureFirst;
        std::vector<Step> steps;
        UINT nEdge;
    } cases[] = {
        {"to the bottom edge", false, {{kMove, ptBottom, 0}, {WM_LBUTTONUP, {}, 0}}, AFX_IDW_DOCKBAR_BOTTOM},
        {"to the left edge", false, {{kMove, ptLeft, 0}, {WM_LBUTTONUP, {}, 0}}, AFX_IDW_DOCKBAR_LEFT},
        {"to the middle", false, {{kMove, ptMiddle, 0}, {WM_LBUTTONUP, {}, 0}}, AFX_IDW_DOCKBAR_FLOAT},
        {"Ctrl never docks",
         false,
         {{WM_KEYDOWN, {}, VK_CONTROL}, {kMove, ptBottom, 0}, {WM_LBUTTONUP, {}, 0}},
         AFX_IDW_DOCKBAR_FLOAT},
        {"Escape", false, {{kMove, ptBottom, 0}, {WM_KEYDOWN, {}, VK_ESCAPE}}, kUnchanged},
        {"right button", false, {{kMove, ptBottom, 0}, {WM_RBUTTONDOWN, {}, 0}}, kUnchanged},
        {"stolen capture",
         false,
         {{kMove, ptBottom, 0}, {kStealCapture, {}, 0}, {WM_LBUTTONUP, {}, 0}},
         kUnchanged},
        // Taken only once the queue is empty: no button-up may follow.
        {"WM_QUIT", false, {{kMove, ptBottom, 0}, {WM_QUIT, {}, 0}}, kUnchanged},
        {"a capture before the loop", true, {{kMove, ptBottom, 0}, {WM_LBUTTONUP, {}, 0}}, kUnchanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DockTop();
        const CRect rectBefore = PaneRect();
        const HWND hBar = m_pPane->m_hWnd;
        if (c.bCaptureFirst) ::SetCapture(m_hHelper);
        for (const Step& s : c.steps) {
            if (s.message == kMove)
                PostMove(hBar, s.pt);
            else if (s.message == kStealCapture)
                ::PostMessage(m_hHelper, kStealCapture, 0, 0);
            else if (s.message == WM_QUIT)
                ::PostQuitMessage(7);
            else
                ::PostMessage(hBar, s.message, s.wParam, 0);
        }
        StartDragAtMiddle();
        CQVDockContext* pContext = m_pPane->m_pDockContext;
        EXPECT_TRUE(DesktopUnlocked());
        EXPECT_EQ(nullptr, pContext->m_pDC);
        EXPECT_EQ(CSize(0, 0), pContext->m_sizeLast) << "the outline is erased";
        if (c.nEdge == kUnchanged) {
            EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_TOP), Edge());
            EXPECT_EQ(rectBefore, PaneRect());
        } else {
            EXPECT_EQ(c.nEdge, Edge());
            EXPECT_EQ(nullptr, ::GetCapture());
        }
        if (c.nEdge == AFX_IDW_DOCKBAR_FLOAT) {
            // The frame lands on the outline drawn last.
            CRect rectFrame;
            FloatingFrame()->GetWindowRect(&rectFrame);
            EXPECT_EQ(pContext->m_rectFrameDragHorz, rectFrame);
            EXPECT_EQ(pContext->m_ptMRUFloatPos, rectFrame.TopLeft());
        }
        MSG msg;
        EXPECT_EQ(c.steps[1].message == WM_QUIT,
                  ::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE);
        if (c.bCaptureFirst || c.steps[1].message == kStealCapture) {
            EXPECT_EQ(m_hHelper, ::GetCapture()) << "a capture taken by another window stays its own";
        }
        ::ReleaseCapture();
        riztest::PumpUntilIdle(200);
    }
}

TEST_F(DockContextTest, ABarDestroyedMidDragEndsTheLoopAndFreesTheScreen) {
    for (UINT message : {kDestroyBar, kDeleteBar}) {
        SCOPED_TRACE(message == kDestroyBar ? "window destroyed" : "object deleted");
        auto pPane = std::make_unique<CQVDockWnd>();
        MakePane(pPane.get(), 0xE902, 0);
        CQVDockContext* pContext = pPane->m_pDockContext;
        PostMove(pPane->m_hWnd, CPoint(250, m_rcClient.bottom - 4));
        const WPARAM wParam = message == kDestroyBar ? reinterpret_cast<WPARAM>(pPane->m_hWnd)
                                                     : reinterpret_cast<WPARAM>(pPane.release());
        ::PostMessage(m_hHelper, message, wParam, 0);
        pContext->StartDrag(CPoint(100, 60));
        EXPECT_TRUE(DesktopUnlocked());
        EXPECT_EQ(nullptr, ::GetCapture());
        if (pPane) {
            EXPECT_EQ(nullptr, pContext->m_pDC);
        }
    }
}

TEST_F(DockContextTest, ToggleCaptionDragAndDoubleClickTakeTheRememberedPlaces) {
    // Never floated: out at the docked place, and back.
    const CPoint ptDocked = PaneRect().TopLeft();
    m_pPane->m_pDockContext->ToggleDocking();
    ASSERT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT), Edge());
    CRect rectFrame;
    FloatingFrame()->GetWindowRect(&rectFrame);
    const CPoint ptFrameBefore = rectFrame.TopLeft();

    // The caption drags the bar through its dock context; the double click docks it back.
    HWND hFloat = FloatingFrame()->m_hWnd;
    CPoint ptCaption(rectFrame.left + 30, rectFrame.top + 6);
    ::PostMessage(hFloat, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptCaption.x, ptCaption.y));
    PostMove(m_pPane->m_hWnd, CPoint(200, 200));
    ::PostMessage(m_pPane->m_hWnd, WM_LBUTTONUP, 0, 0);
    riztest::PumpUntilIdle(500);
    ASSERT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT), Edge());
    FloatingFrame()->GetWindowRect(&rectFrame);
    const CPoint ptFloat = rectFrame.TopLeft();
    CPoint ptTo(200, 200);
    m_pFrame->ClientToScreen(&ptTo);
    EXPECT_EQ(ptFrameBefore + (ptTo - ptCaption), ptFloat) << "the frame moves with the pointer";
    hFloat = FloatingFrame()->m_hWnd;
    ::SendMessage(hFloat, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_TOP), Edge());
    EXPECT_EQ(ptDocked, PaneRect().TopLeft());

    // Docked again: the toggle floats at the last floating point.
    m_pPane->m_pDockContext->ToggleDocking();
    FloatingFrame()->GetWindowRect(&rectFrame);
    EXPECT_EQ(ptFloat, rectFrame.TopLeft());
}

TEST_F(DockContextTest, ResizeKeepsTheFrameOnTheVirtualScreen) {
    auto pPane = std::make_unique<CStretchPane>();
    MakePane(pPane.get(), 0xE902, CBRS_SIZE_DYNAMIC);
    const int xScreen = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    // The right border of a frame hanging off the screen's left edge: narrowed to 100 the frame would
    // leave the screen, so it keeps its width; widened to 300 it grows.
    struct Case {
        int dx, cxExpected;
    } cases[] = {{-10, 200}, {110, 300}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dx);
        m_pFrame->FloatControlBar(pPane.get(), CPoint(xScreen - 150, 200));
        const HWND hFloat = pPane->m_pDockBar->GetParent()->m_hWnd;
        CRect rectFrame;
        ::GetWindowRect(hFloat, &rectFrame);
        const CPoint ptEdge(rectFrame.right - 2, rectFrame.CenterPoint().y);
        ::PostMessage(hFloat, WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(ptEdge.x, ptEdge.y));
        CPoint ptTo = ptEdge + CPoint(c.dx, 0);
        m_pFrame->ScreenToClient(&ptTo);
        PostMove(pPane->m_hWnd, ptTo);
        ::PostMessage(pPane->m_hWnd, WM_LBUTTONUP, 0, 0);
        riztest::PumpUntilIdle(500);
        CRect rectBar;
        pPane->GetWindowRect(&rectBar);
        EXPECT_EQ(c.cxExpected, pPane->m_cx);
        EXPECT_EQ(c.cxExpected, rectBar.Width());
        EXPECT_TRUE(DesktopUnlocked());
    }
}

}  // namespace
