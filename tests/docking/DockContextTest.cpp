// The dock context's loops through input posted before they start: docking, floating, every way out,
// resizing at the screen's edge, toggling, and the floating frame's caption.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <memory>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVDockBar.h"
#include "QVDockContext.h"
#include "QVDockWnd.h"
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
        WNDCLASS wc = {0, HelperProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, _T("DockCtxHelper")};
        ::RegisterClass(&wc);
        m_hHelper =
            ::CreateWindow(wc.lpszClassName, nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, 0);
        MakePane(m_pPane.get(), 0xE901, 0);
        m_pFrame->GetClientRect(&m_rcClient);
        m_pFrame->ClientToScreen(&m_rcClient);
    }
    void TearDown() override {
        ::DestroyWindow(m_hHelper);
        m_pFrame->DestroyWindow();
        riztest::PumpUntilIdle(200);
    }
    void MakePane(CQVDockWnd* pPane, UINT nID, DWORD dwStyle) {
        pPane->CreateEx(m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP | dwStyle, CRect(0, 0, 0, 0), nID);
        pPane->SetWindowPos(nullptr, 0, 0, 160, 26, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        pPane->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(pPane, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
    }
    UINT Edge() const { return m_pPane->m_pDockBar ? m_pPane->m_pDockBar->GetDlgCtrlID() : 0; }
    CRect PaneRect() const { return WindowRect(m_pPane->m_hWnd); }
    static CRect WindowRect(HWND hWnd) {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        return rect;
    }
    HWND FloatingFrame(CQVDockWnd* pPane = nullptr) const {
        return (pPane ? pPane : m_pPane.get())->m_pDockBar->GetParent()->m_hWnd;
    }
    // The loop reads the message's own point: the cursor goes there before the move is posted.
    static void PostMove(HWND hWnd, CPoint pt) {
        ::SetCursorPos(pt.x, pt.y);
        ::ScreenToClient(hWnd, &pt);
        ::PostMessage(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }
    // Pixels of the window's own picture that the display does not show (another window covers them).
    static int PixelsHidden(HWND hWnd) {
        const CRect rect = WindowRect(hWnd);
        riztest::WindowCapture own(hWnd, riztest::WindowCapture::Current, false);
        riztest::Surface screen(rect.Width(), rect.Height());
        const HDC hScreen = ::GetDC(nullptr);
        ::BitBlt(screen.Dc(), 0, 0, rect.Width(), rect.Height(), hScreen, rect.left, rect.top, SRCCOPY);
        ::ReleaseDC(nullptr, hScreen);
        return screen.CountDiffering(own, CRect(0, 0, rect.Width(), rect.Height()));
    }
    static bool DesktopUnlocked() {
        const BOOL bLocked = ::LockWindowUpdate(::GetDesktopWindow());
        if (bLocked) ::LockWindowUpdate(nullptr);
        return bLocked != FALSE;
    }

    CWinApp m_app{_T("DockContext")};
    CSkinFrameWnd* m_pFrame = nullptr;
    HWND m_hHelper = nullptr;
    std::unique_ptr<CQVDockWnd> m_pPane = std::make_unique<CQVDockWnd>();
    CRect m_rcClient;  // screen coordinates
};

TEST_F(DockContextTest, DragDocksFloatsOrLeavesTheBarAsItWas) {
    const CPoint ptBottom = m_rcClient.TopLeft() + CSize(250, m_rcClient.Height() - 4);
    const CPoint ptLeft = m_rcClient.TopLeft() + CSize(4, 200),
                 ptMiddle = m_rcClient.TopLeft() + CSize(250, 200);
    const CPoint ptTop = m_rcClient.TopLeft() + CSize(250, -4), ptRight(m_rcClient.right - 4, ptLeft.y);
    const UINT kUnchanged = 1, kCaption = 2;
    // Before the move: Ctrl pressed, the capture taken, or the bar floated and its frame's caption
    // pressed; after it: the message that ends the loop.
    struct Case {
        const char* what;
        UINT nBefore;
        CPoint pt;
        UINT nAfter, nEdge;
    } cases[] = {
        // clang-format off
        {"to the bottom edge", 0, ptBottom, WM_LBUTTONUP, AFX_IDW_DOCKBAR_BOTTOM},
        {"to the left edge", 0, ptLeft, WM_LBUTTONUP, AFX_IDW_DOCKBAR_LEFT},
        {"to the middle", 0, ptMiddle, WM_LBUTTONUP, AFX_IDW_DOCKBAR_FLOAT},
        {"Ctrl never docks", VK_CONTROL, ptBottom, WM_LBUTTONUP, AFX_IDW_DOCKBAR_FLOAT},
        {"Escape", 0, ptBottom, WM_KEYDOWN, kUnchanged},
        {"right button", 0, ptBottom, WM_RBUTTONDOWN, kUnchanged},
        {"stolen capture, then the button up", 0, ptBottom, kStealCapture, kUnchanged},
        {"WM_QUIT (taken once the queue is empty)", 0, ptBottom, WM_QUIT, kUnchanged},
        {"a capture before the loop", kStealCapture, ptBottom, WM_LBUTTONUP, kUnchanged},
        {"floating, by the caption, to the top", kCaption, ptTop, WM_LBUTTONUP, AFX_IDW_DOCKBAR_TOP},
        {"... to the bottom", kCaption, ptBottom, WM_LBUTTONUP, AFX_IDW_DOCKBAR_BOTTOM},
        {"... to the left", kCaption, ptLeft, WM_LBUTTONUP, AFX_IDW_DOCKBAR_LEFT},
        {"... to the right", kCaption, ptRight, WM_LBUTTONUP, AFX_IDW_DOCKBAR_RIGHT},
        {"... over the frame's middle", kCaption, ptMiddle, WM_LBUTTONUP, AFX_IDW_DOCKBAR_FLOAT},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_pFrame->DockControlBar(m_pPane.get(), AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        const CRect rectBefore = PaneRect();
        const HWND hBar = m_pPane->m_hWnd;
        if (c.nBefore == kStealCapture) ::SetCapture(m_hHelper);
        if (c.nBefore == VK_CONTROL) ::PostMessage(hBar, WM_KEYDOWN, VK_CONTROL, 0);
        if (c.nBefore == kCaption) {
            m_pFrame->FloatControlBar(m_pPane.get(), m_rcClient.TopLeft() + CSize(150, 150));
            // Another window is active: the press activates the docking frame, which rises.
            ::ShowWindow(m_hHelper, SW_SHOWNA);
            ::SetActiveWindow(m_hHelper);
            const CPoint ptCaption = WindowRect(FloatingFrame()).TopLeft() + CSize(30, 6);
            ::SetCursorPos(ptCaption.x, ptCaption.y);
            ::PostMessage(FloatingFrame(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptCaption.x, ptCaption.y));
        }
        PostMove(hBar, c.pt);
        if (c.nAfter == kStealCapture) ::PostMessage(m_hHelper, kStealCapture, 0, 0);
        if (c.nAfter == WM_QUIT) ::PostQuitMessage(7);
        if (c.nAfter != WM_QUIT)
            ::PostMessage(hBar, c.nAfter == kStealCapture ? WM_LBUTTONUP : c.nAfter, VK_ESCAPE, 0);
        if (c.nBefore == kCaption)
            riztest::PumpUntilIdle(500);
        else
            m_pPane->m_pDockContext->StartDrag(rectBefore.CenterPoint());
        CQVDockContext* pContext = m_pPane->m_pDockContext;
        EXPECT_TRUE(DesktopUnlocked());
        EXPECT_EQ(nullptr, pContext->m_pDC);
        EXPECT_EQ(CSize(0, 0), pContext->m_sizeLast) << "the outline is erased";
        EXPECT_EQ(c.nEdge == kUnchanged ? AFX_IDW_DOCKBAR_TOP : c.nEdge, Edge());
        EXPECT_TRUE(c.nEdge != kUnchanged || rectBefore == PaneRect()) << "the bar stays where it was";
        EXPECT_TRUE(::IsWindow(hBar) && ::IsWindowVisible(hBar)) << "the bar is alive and shown";
        if (c.nEdge == AFX_IDW_DOCKBAR_FLOAT) {
            // The frame lands on the outline drawn last.
            EXPECT_EQ(pContext->m_rectFrameDragHorz, WindowRect(FloatingFrame()));
            EXPECT_EQ(pContext->m_ptMRUFloatPos, WindowRect(FloatingFrame()).TopLeft());
        }
        MSG msg;
        EXPECT_EQ(c.nAfter == WM_QUIT, ::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE);
        const bool bStolen = c.nBefore == kStealCapture || c.nAfter == kStealCapture;
        EXPECT_EQ(bStolen ? m_hHelper : nullptr, ::GetCapture()) << "another window's capture stays its own";
        ::ReleaseCapture();
        riztest::PumpUntilIdle(200);
        EXPECT_EQ(0, PixelsHidden(c.nEdge == AFX_IDW_DOCKBAR_FLOAT ? FloatingFrame() : hBar))
            << "on the display";
    }
}

TEST_F(DockContextTest, ABarDestroyedMidDragEndsTheLoopAndFreesTheScreen) {
    for (UINT message : {kDestroyBar, kDeleteBar}) {
        SCOPED_TRACE(message == kDestroyBar ? "window destroyed" : "object deleted");
        auto pPane = std::make_unique<CQVDockWnd>();
        MakePane(pPane.get(), 0xE902, 0);
        CQVDockContext* pContext = pPane->m_pDockContext;
        PostMove(pPane->m_hWnd, CPoint(m_rcClient.left + 250, m_rcClient.bottom - 4));
        const WPARAM wParam = message == kDestroyBar ? reinterpret_cast<WPARAM>(pPane->m_hWnd)
                                                     : reinterpret_cast<WPARAM>(pPane.release());
        ::PostMessage(m_hHelper, message, wParam, 0);
        pContext->StartDrag(CPoint(100, 60));
        EXPECT_TRUE(DesktopUnlocked());
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}

TEST_F(DockContextTest, ToggleCaptionDragAndDoubleClickTakeTheRememberedPlaces) {
    // Never floated: out at the docked place, and back.
    const CPoint ptDocked = PaneRect().TopLeft();
    m_pPane->m_pDockContext->ToggleDocking();
    ASSERT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT), Edge());
    const CRect rectFrame = WindowRect(FloatingFrame());

    // The caption drags the bar through its dock context; the double click docks it back.
    const CPoint ptCaption(rectFrame.left + 30, rectFrame.top + 6);
    const CPoint ptTo = m_rcClient.TopLeft() + CSize(200, 200);
    ::PostMessage(FloatingFrame(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptCaption.x, ptCaption.y));
    PostMove(m_pPane->m_hWnd, ptTo);
    ::PostMessage(m_pPane->m_hWnd, WM_LBUTTONUP, 0, 0);
    riztest::PumpUntilIdle(500);
    ASSERT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT), Edge());
    const CPoint ptFloat = WindowRect(FloatingFrame()).TopLeft();
    EXPECT_EQ(rectFrame.TopLeft() + (ptTo - ptCaption), ptFloat) << "the frame moves with the pointer";
    ::SendMessage(FloatingFrame(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_TOP), Edge());
    EXPECT_EQ(ptDocked, PaneRect().TopLeft());

    // Docked again: the toggle floats at the last floating point.
    m_pPane->m_pDockContext->ToggleDocking();
    EXPECT_EQ(ptFloat, WindowRect(FloatingFrame()).TopLeft());

    // A place left of the primary monitor is remembered as any other.
    m_pFrame->FloatControlBar(m_pPane.get(), CPoint(-400, 100));
    m_pPane->m_pDockContext->ToggleDocking();
    m_pPane->m_pDockContext->ToggleDocking();
    EXPECT_EQ(CPoint(-400, 100), WindowRect(FloatingFrame()).TopLeft());
}

TEST_F(DockContextTest, ResizeKeepsTheFrameOnTheVirtualScreen) {
    auto pPane = std::make_unique<CStretchPane>();
    MakePane(pPane.get(), 0xE902, CBRS_SIZE_DYNAMIC);
    const int xScreen = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    // The right border of a frame hanging off the screen's left edge: narrowed to 100 the frame would
    // leave the screen, so it keeps its width; widened to 300 it grows.
    for (const auto& c : {std::make_pair(-10, 200), std::make_pair(110, 300)}) {
        SCOPED_TRACE(c.first);
        m_pFrame->FloatControlBar(pPane.get(), CPoint(xScreen - 150, 200));
        const CRect rectFrame = WindowRect(FloatingFrame(pPane.get()));
        const CPoint ptEdge(rectFrame.right - 2, rectFrame.CenterPoint().y);
        ::PostMessage(FloatingFrame(pPane.get()), WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(ptEdge.x, ptEdge.y));
        PostMove(pPane->m_hWnd, ptEdge + CPoint(c.first, 0));
        ::PostMessage(pPane->m_hWnd, WM_LBUTTONUP, 0, 0);
        riztest::PumpUntilIdle(500);
        EXPECT_EQ(c.second, WindowRect(pPane->m_hWnd).Width());
    }
}

}  // namespace
