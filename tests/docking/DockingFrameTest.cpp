// The docking services of the skinned frame through real windows: rows, floating and docking back,
// hidden and delayed bars, painting of bars and the status bar, prompts, bad input and a soak.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include <map>
#include <memory>
#include <vector>

#include "ExpectRows.h"
#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVDockBar.h"
#include "QVDockContext.h"
#include "QVDockOutlookBar.h"
#include "QVDockToolBar.h"
#include "QVDockWnd.h"
#include "QVMiniDockFrameWnd.h"
#include "QVSkinNotify.h"
#include "QVListCtrl.h"
#include "QVSplitWnd.h"
#include "QVStatusBar.h"
#include "ResourceCounter.h"
#include "SkinFrameWnd.h"
#include "SkinPopupWnd.h"
#include "Watchdog.h"

namespace {

const UINT kPlay = 40001;

COLORREF SkinColor(int n) {
    return CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(n);
}

// Every message of one kind a window procedure of the thread receives, per window, while a hook runs.
std::map<HWND, int> g_deliveries;
UINT g_nCounted = 0;
LRESULT CALLBACK CountDeliveries(int nCode, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == g_nCounted) ++g_deliveries[pMsg->hwnd];
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// A pane filled with one colour that counts the skin changes it hears; a stretching one asks for all
// of a vertical edge (32767), as panes made for the edges do.
class CColourPane : public CQVDockWnd {
public:
    CColourPane(COLORREF clr, bool bStretch) : m_clr(clr), m_bStretch(bStretch) {}
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override {
        return m_bStretch && (nMode & LM_VERTDOCK) ? CSize(150, 32767)
                                                   : CQVDockWnd::CalcDynamicLayout(nLength, nMode);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        m_nSkinChanges += message == WM_QV_SKINCHANGED ? 1 : 0;
        if (message != WM_ERASEBKGND) return CQVDockWnd::WindowProc(message, wParam, lParam);
        CRect rect;
        GetClientRect(&rect);
        CDC::FromHandle(reinterpret_cast<HDC>(wParam))->FillSolidRect(rect, m_clr);
        return TRUE;
    }
    COLORREF m_clr;
    bool m_bStretch;
    int m_nSkinChanges = 0;
};

// A frame with dock bars on every edge and panes made on demand; the panes are objects of the test
// and outlive the frame's windows, as members of a host's frame class do.
class DockingFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::SetCursorPos(5, ::GetSystemMetrics(SM_CYSCREEN) - 5);
        m_pFrame = MakeFrame();
        m_hFrame = m_pFrame->m_hWnd;
    }
    void TearDown() override {
        if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
        m_panes.clear();
    }
    static CSkinFrameWnd* MakeFrame() {
        CSkinFrameWnd* pFrame = new CSkinFrameWnd;  // deletes itself with its window
        pFrame->Create(nullptr, _T("Study"), WS_OVERLAPPEDWINDOW, CRect(40, 40, 540, 440));
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->ShowWindow(SW_SHOWNA);
        return pFrame;
    }
    static std::unique_ptr<CQVDockWnd> MakePane(CFrameWnd* pFrame, UINT nID, CSize size,
                                                DWORD dwAlign = CBRS_TOP, bool bDocking = true,
                                                COLORREF clr = RGB(220, 220, 220), bool bStretch = false) {
        auto pPane = std::make_unique<CColourPane>(clr, bStretch);
        pPane->CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | dwAlign, CRect(0, 0, 0, 0), nID);
        pPane->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (bDocking) pPane->EnableDocking(CBRS_ALIGN_ANY);
        return pPane;
    }
    CColourPane* Pane(UINT nID, CSize size = CSize(120, 26), DWORD dwAlign = CBRS_TOP, bool bDocking = true,
                      COLORREF clr = RGB(220, 220, 220), bool bStretch = false) {
        m_panes.push_back(MakePane(m_pFrame, nID, size, dwAlign, bDocking, clr, bStretch));
        return static_cast<CColourPane*>(m_panes.back().get());
    }
    CQVDockBar* Edge(UINT nID) { return DYNAMIC_DOWNCAST(CQVDockBar, m_pFrame->GetControlBar(nID)); }
    QVDockRowList Rows(UINT nID) { return Edge(nID)->m_arrBars; }
    CRect InFrame(CWnd* pWnd) {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        m_pFrame->ScreenToClient(&rect);
        return rect;
    }
    void* Holder(CWnd* pWnd) { return QVDockPlaceHolder(pWnd->GetDlgCtrlID()); }

    CWinApp m_app{_T("Docking")};
    CSkinFrameWnd* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
    std::vector<std::unique_ptr<CQVDockWnd>> m_panes;
};

TEST_F(DockingFrameTest, BarsDockInRowsAndTheFrameLaysThemOut) {
    CQVDockWnd* pA = Pane(0xE901);
    CQVDockWnd* pB = Pane(0xE902);
    CQVDockWnd* pC = Pane(0xE903, CSize(100, 150), CBRS_LEFT);
    m_pFrame->DockControlBar(pA);
    m_pFrame->DockControlBar(pB, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->DockControlBar(pC);
    m_pFrame->RecalcLayout();
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);

    // Each bar docked without a rect takes a row of its own; top and bottom take the full width.
    EXPECT_TRUE(Rows(AFX_IDW_DOCKBAR_TOP) == QVDockRowList({nullptr, pA, nullptr, pB, nullptr}));
    EXPECT_TRUE(Rows(AFX_IDW_DOCKBAR_LEFT) == QVDockRowList({nullptr, pC, nullptr}));
    using riztest::ExpectRows;
    ExpectRows<CRect>({
        ROW(InFrame(Edge(AFX_IDW_DOCKBAR_TOP)), CRect(0, 0, rcClient.right, 48)),
        ROW(InFrame(pA), CRect(-2, -2, 118, 24)),
        ROW(InFrame(pB), CRect(-2, 22, 118, 48)),
        ROW(InFrame(Edge(AFX_IDW_DOCKBAR_LEFT)), CRect(0, 48, 98, rcClient.bottom)),
        ROW(InFrame(pC), CRect(-2, 46, 98, 196)),
    });
    ExpectRows<int>({
        ROW(pA->m_pDockBar == Edge(AFX_IDW_DOCKBAR_TOP), 1),
        ROW(pA->IsFloating(), FALSE),
        ROW(pA->GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY), CBRS_ALIGN_TOP | CBRS_BORDER_ANY),
        ROW(Edge(AFX_IDW_DOCKBAR_TOP)->GetDockedVisibleCount(), 2),
    });
}

TEST_F(DockingFrameTest, AnOutlookPaneAskingForTheWholeEdgeIsAsTallAsItAndScrollsInside) {
    // Docked at the left below a top bar, the pane's bar covers the dock bar's client height exactly
    // (the pane's border lines lie on the dock bar's ends); the items past it are reached by the down
    // arrow, and paint and hit test, which walk the items as far as the inside, stop at the visible ones.
    struct CEdgePane : public CQVDockOutlookBar {
        CSize CalcDynamicLayout(int, DWORD nMode) override {
            return nMode & LM_VERTDOCK ? CSize(160, 32767) : CSize(300, 200);
        }
    };
    auto pOwned = std::make_unique<CEdgePane>();
    CEdgePane* pPane = pOwned.get();
    m_panes.push_back(std::move(pOwned));
    pPane->CreateEx(m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_LEFT, CRect(0, 0, 0, 0), 0xE905);
    pPane->EnableDocking(CBRS_ALIGN_ANY);
    CQVOutBarCtrl& bar = pPane->m_wndOutBar;
    bar.AddFolder(_T("Lessons"));
    for (int i = 0; i < 60; ++i)
        bar.InsertItem(0, i, _T("Lesson"));
    bar.AddFolder(_T("Words"));
    bar.SetSelFolder(0);
    m_pFrame->DockControlBar(Pane(0xE901));
    m_pFrame->DockControlBar(pPane, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    bar.UpdateWindow();

    CRect rcSite, rcBar, rcInside, rcLast;
    Edge(AFX_IDW_DOCKBAR_LEFT)->GetClientRect(&rcSite);
    Edge(AFX_IDW_DOCKBAR_LEFT)->ClientToScreen(&rcSite);
    bar.GetWindowRect(&rcBar);
    bar.GetInsideRect(rcInside);
    int nFirst = 0, nLast = 0, nIndex = -1;
    bar.GetVisibleRange(0, nFirst, nLast);
    bar.GetItemRect(0, nLast + 1, rcLast);
    const CRect rcDown = OutBarArrowRect(rcInside, ::GetSystemMetrics(SM_CXVSCROLL), FALSE);
    riztest::ExpectRows<int>({
        ROW(rcBar.top, rcSite.top),
        ROW(rcBar.bottom, rcSite.bottom),
        ROW(nLast > 3 && nLast < 30, true),
        ROW(rcLast.bottom > rcInside.bottom, true),  // the first item not shown
        ROW(bar.HitTestEx(rcDown.CenterPoint(), nIndex), QVOB_HIT_DOWN_ARROW),
    });
}

TEST_F(DockingFrameTest, EveryWindowOfTheThreadHearsEachNoticeOnce) {
    // A frame with bars docked and floating, an outlook pane, a split view of a list (with its header)
    // and a static, and an owned skinned popup: the skin and the language notice reach every window of
    // the thread exactly once, though the split window and the list pass the skin change on themselves.
    m_pFrame->DockControlBar(Pane(0xE901));
    CQVDockWnd* pFloating = Pane(0xE902);
    m_pFrame->DockControlBar(pFloating);
    m_pFrame->FloatControlBar(pFloating, CPoint(300, 300));
    auto pOutlook = std::make_unique<CQVDockOutlookBar>();
    pOutlook->CreateEx(m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_LEFT, CRect(0, 0, 0, 0), 0xE905);
    m_panes.push_back(std::move(pOutlook));
    CQVSplitWnd split;
    CQVListCtrl list;
    CWnd note;
    split.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), m_pFrame, AFX_IDW_PANE_FIRST);
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 100, 100), &split, 8);
    list.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 80);
    note.Create(_T("STATIC"), _T("Note"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &split, 9);
    split.SetPanels(&list, &note);
    CSkinPopupWnd skinned;
    skinned.CreateEx(0, AfxRegisterWndClass(0), _T("Planner"), WS_POPUP | WS_CAPTION | WS_VISIBLE,
                     CRect(100, 100, 300, 250), m_pFrame, 0);
    m_pFrame->RecalcLayout();
    riztest::PumpUntilIdle();
    for (UINT message : {WM_QV_SKINCHANGED, WM_QV_LANCHANGED}) {
        g_deliveries.clear();
        g_nCounted = message;
        const HHOOK hHook =
            ::SetWindowsHookEx(WH_CALLWNDPROC, &CountDeliveries, nullptr, ::GetCurrentThreadId());
        QVNotifyThreadWindows(message, RDW_INVALIDATE | RDW_ALLCHILDREN);
        ::UnhookWindowsHookEx(hHook);
        CString strWrong;  // the windows told more than once, by class
        for (const auto& told : g_deliveries) {
            TCHAR szClass[64] = {};
            ::GetClassName(told.first, szClass, 64);
            if (told.second != 1) strWrong.AppendFormat(_T("%s:%d "), szClass, told.second);
        }
        EXPECT_STREQ(_T(""), strWrong.GetString()) << message;
        EXPECT_LE(riztest::CountThreadWindows(), static_cast<int>(g_deliveries.size()));  // + the IME's
        riztest::PumpUntilIdle();
    }
}

TEST_F(DockingFrameTest, AFloatedBarDocksBackIntoTheSameSlot) {
    CQVDockWnd* pA = Pane(0xE901);
    CQVDockWnd* pB = Pane(0xE902);
    CQVDockWnd* pC = Pane(0xE903);
    for (CQVDockWnd* p : {pA, pB, pC})
        m_pFrame->DockControlBar(p);

    m_pFrame->FloatControlBar(pB, CPoint(300, 300));
    ASSERT_TRUE(pB->IsFloating());
    CWnd* pFloat = pB->m_pDockBar->GetParent();
    const HWND hFloat = pFloat->m_hWnd;
    EXPECT_TRUE(Rows(AFX_IDW_DOCKBAR_TOP) ==
                QVDockRowList({nullptr, pA, nullptr, Holder(pB), nullptr, pC, nullptr}));
    EXPECT_TRUE(::IsWindowVisible(hFloat));
    EXPECT_EQ(m_hFrame, ::GetWindow(hFloat, GW_OWNER));
    // The floating dock bar is in the main frame's list, where the docking test finds it.
    EXPECT_EQ(pB->m_pDockBar, m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_FLOAT));

    m_pFrame->ReDockControlBar(pB, nullptr);
    EXPECT_TRUE(Rows(AFX_IDW_DOCKBAR_TOP) == QVDockRowList({nullptr, pA, nullptr, pB, nullptr, pC, nullptr}));
    EXPECT_FALSE(::IsWindow(hFloat)) << "the empty floating frame goes";

    // The double click does the same through the dock context: out at the docked place and back.
    pB->m_pDockContext->ToggleDocking();
    ASSERT_TRUE(pB->IsFloating());
    pB->m_pDockContext->ToggleDocking();
    EXPECT_TRUE(Rows(AFX_IDW_DOCKBAR_TOP) == QVDockRowList({nullptr, pA, nullptr, pB, nullptr, pC, nullptr}));
}

TEST_F(DockingFrameTest, APaneFloatsWhereItStoodAsLongAsItsEdge) {
    CColourPane* pNotes = Pane(0xE904, CSize(150, 100), CBRS_RIGHT, true, RGB(0, 0, 200), true);
    m_pFrame->DockControlBar(pNotes);
    m_pFrame->RecalcLayout();
    CRect rcDocked, rcFloat, rcFloating, rcEdge = InFrame(Edge(AFX_IDW_DOCKBAR_RIGHT));
    // The first toggle floats the pane where it stood, as long as its edge (border lines included); its
    // frame passes the skin change on as a docked frame does.
    pNotes->GetWindowRect(&rcDocked);
    pNotes->m_pDockContext->ToggleDocking();
    CWnd* pFloat = pNotes->m_pDockBar->GetParent();
    pFloat->GetWindowRect(&rcFloat);
    pNotes->GetWindowRect(&rcFloating);
    pFloat->SendMessage(WM_QV_SKINCHANGED);
    riztest::ExpectRows<CRect>({
        ROW(CRect(rcFloat.TopLeft(), rcDocked.Size()), rcDocked),
        ROW(CRect(CPoint(0, 0), rcFloating.Size()), CRect(0, 0, 150, rcEdge.Height() + 4)),
        ROW(CRect(pNotes->IsFloating(), pNotes->m_nSkinChanges, 0, 0), CRect(1, 1, 0, 0)),
    });
}

TEST_F(DockingFrameTest, AFloatingFrameWithHiddenBarsHidesInsteadOfGoing) {
    CQVDockWnd* pA = Pane(0xE901);
    CQVDockWnd* pB = Pane(0xE902);
    m_pFrame->DockControlBar(pA);
    m_pFrame->FloatControlBar(pB, CPoint(300, 300));
    CQVDockBar* pFloatBar = pB->m_pDockBar;
    const HWND hFloat = pFloatBar->GetParent()->m_hWnd;
    pFloatBar->DockControlBar(pA);  // two bars in one floating frame
    m_pFrame->ShowControlBar(pA, FALSE, FALSE);
    EXPECT_TRUE(::IsWindowVisible(hFloat)) << "one bar still shows";

    // Taking the only visible bar out leaves the hidden one: the frame hides and stays.
    m_pFrame->DockControlBar(pB, AFX_IDW_DOCKBAR_TOP);
    EXPECT_TRUE(::IsWindow(hFloat));
    EXPECT_FALSE(::IsWindowVisible(hFloat));
    m_pFrame->ShowControlBar(pA, TRUE, FALSE);
    EXPECT_TRUE(::IsWindowVisible(hFloat)) << "showing a bar shows its frame";

    // Closing the frame hides its bars at the next idle time; the frame is still there.
    ::SendMessage(hFloat, WM_CLOSE, 0, 0);
    EXPECT_FALSE(pA->IsVisible());
    m_app.OnIdle(0);
    EXPECT_TRUE(::IsWindow(hFloat));
    EXPECT_FALSE(::IsWindowVisible(hFloat));
    EXPECT_FALSE(pA->IsWindowVisible());
}

TEST_F(DockingFrameTest, DelayedShowAndHideWaitForIdle) {
    CQVDockWnd* pA = Pane(0xE901);
    m_pFrame->DockControlBar(pA);
    m_pFrame->RecalcLayout();
    m_pFrame->ShowControlBar(pA, FALSE, TRUE);
    EXPECT_TRUE(pA->IsWindowVisible());
    EXPECT_FALSE(pA->IsVisible()) << "visible means as the next layout leaves it";
    m_app.OnIdle(0);
    EXPECT_FALSE(pA->IsWindowVisible());
    EXPECT_EQ(0, InFrame(Edge(AFX_IDW_DOCKBAR_TOP)).Height());

    m_pFrame->ShowControlBar(pA, TRUE, TRUE);
    EXPECT_TRUE(pA->IsVisible());
    m_app.OnIdle(0);
    EXPECT_TRUE(pA->IsWindowVisible());
    EXPECT_EQ(24, InFrame(Edge(AFX_IDW_DOCKBAR_TOP)).Height());

    // The View menu's command toggles the bar with its id.
    CQVDockWnd* pTool = Pane(AFX_IDW_TOOLBAR);
    m_pFrame->DockControlBar(pTool);
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(pTool->IsWindowVisible());
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(pTool->IsWindowVisible());
}

// A view painted in 8-pixel bands of two colours, so that pixels kept from another place show.
LRESULT CALLBACK BandedViewProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return TRUE;
    if (message != WM_PAINT) return ::DefWindowProc(hWnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    CDC* pDC = CDC::FromHandle(::BeginPaint(hWnd, &ps));
    for (int y = 0; y < 1000; y += 8)
        pDC->FillSolidRect(0, y, 1000, 8, (y / 8) % 2 ? RGB(0, 0, 0) : RGB(250, 200, 0));
    ::EndPaint(hWnd, &ps);
    return 0;
}

TEST_F(DockingFrameTest, ALayoutPassLeavesWhatAFullPaintShows) {
    // A bar leaves the top for the bottom and comes back: the top edge shrinks and grows, and the left
    // pane and the view move into what the bar uncovered, which the frame must not paint over; the
    // view keeps its size, and no pixels of its old place stay.
    CQVDockWnd* pA = Pane(0xE901);
    CQVDockWnd* pB = Pane(0xE902);
    CQVDockWnd* pLeft = Pane(0xE903, CSize(100, 150), CBRS_LEFT, true, RGB(40, 120, 200), true);
    m_pFrame->DockControlBar(pA);
    m_pFrame->DockControlBar(pB, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->DockControlBar(pLeft);
    WNDCLASS wc = {0, BandedViewProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, _T("BandedView")};
    ::RegisterClass(&wc);
    const HWND hView =
        ::CreateWindow(wc.lpszClassName, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, m_hFrame,
                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)), nullptr, nullptr);
    m_pFrame->RecalcLayout();
    ::RedrawWindow(m_hFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    for (UINT nEdge : {AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_TOP}) {
        SCOPED_TRACE(nEdge == AFX_IDW_DOCKBAR_TOP ? "back to the top" : "to the bottom");
        const CSize sizeView = InFrame(CWnd::FromHandle(hView)).Size();
        m_pFrame->DockControlBar(pB, nEdge);
        m_pFrame->RecalcLayout();
        ::RedrawWindow(m_hFrame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const riztest::WindowCapture after(m_hFrame, riztest::WindowCapture::Current);
        const riztest::WindowCapture full(m_hFrame, riztest::WindowCapture::Screen);
        EXPECT_EQ(sizeView, InFrame(CWnd::FromHandle(hView)).Size());
        EXPECT_EQ(0, after.CountDiffering(full, CRect(0, 0, full.Width(), full.Height())));
    }
}

TEST_F(DockingFrameTest, BarBackgroundIsTheGradientWithItsGrip) {
    riztest::Surface s(60, 40);
    CDC dc;
    dc.Attach(s.Dc());
    CQVControlBar::DrawBarAppearance(&dc, CRect(0, 0, 60, 40), 0);
    dc.Detach();
    const COLORREF white = RGB(255, 255, 255), grey = RGB(148, 148, 145);
    EXPECT_EQ("", s.WrongPixels({{30, 0, SkinColor(5)},
                                 {30, 39, SkinColor(6)},
                                 {5, 7, grey},
                                 {6, 8, grey},
                                 {7, 9, white},
                                 {7, 7, white},
                                 {5, 19, grey},
                                 {7, 21, white}}));
    EXPECT_NE(SkinColor(5), SkinColor(6));
}

TEST_F(DockingFrameTest, StatusBarPanesSeparatorsAndPrompts) {
    CQVStatusBar bar;
    ASSERT_TRUE(bar.CreateEx(m_pFrame, WS_CHILD | WS_VISIBLE, CBRS_BOTTOM));
    const int widths[] = {0, 120};
    EXPECT_TRUE(bar.SetIndicators(widths, 2));
    bar.SetPaneText(1, _T("Lesson 3 of 12"));
    m_pFrame->RecalcLayout();
    CRect rcClient, rcBar;
    m_pFrame->GetClientRect(&rcClient);
    bar.GetClientRect(&rcBar);
    EXPECT_EQ(CRect(0, rcClient.bottom - 20, rcClient.right, rcClient.bottom), InFrame(&bar));
    // The border line along the top (CBRS_BOTTOM) leaves the panes 18 pixels.
    EXPECT_EQ(CRect(rcBar.right - 120, 0, rcBar.right, 18), bar.GetPaneRect(1));

    // Prompts: the command id is read first, whatever lParam holds; a text without an id also shows.
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, kPlay, 5);
    EXPECT_EQ(CString(_T("Play the lesson from the start")), bar.GetPaneText(0));
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(_T("Ready")));
    EXPECT_EQ(CString(_T("Ready")), bar.GetPaneText(0));
    // The mouse goes from one toolbar's item to another's: the first bar's late leave keeps the second
    // bar's prompt; the second's own leave brings the idle prompt back.
    CQVDockToolBar tools[2];
    for (CQVDockToolBar& tool : tools) {
        tool.CreateEx(m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE920);
        tool.AddItem(TBIT_BUTTON, _T("Play"), nullptr, CSize(16, 16), -1, kPlay);
        tool.ReCalcToolBar();
        tool.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&tool, AFX_IDW_DOCKBAR_TOP);
    }
    m_pFrame->RecalcLayout();
    for (CQVDockToolBar& tool : tools) {
        CPoint pt = tool.GetItemRect(kPlay).CenterPoint();
        tool.ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        tool.ScreenToClient(&pt);
        tool.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }
    tools[0].SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(CString(_T("Play the lesson from the start")), bar.GetPaneText(0));
    tools[1].SendMessage(WM_MOUSELEAVE);
    CString strIdle;
    strIdle.LoadString(AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(CString(_T("Ready")), strIdle);
    EXPECT_EQ(strIdle, bar.GetPaneText(0));

    // A separator after a pane, in colour 3, 4 pixels short at both ends (the last pane's stands on
    // the client's right edge, outside the picture).
    bar.RedrawWindow();
    riztest::WindowCapture shot(bar.m_hWnd);
    const int x0 = bar.GetPaneRect(0).right, x1 = bar.GetPaneRect(1).right;
    const COLORREF line = SkinColor(3);
    const COLORREF back = CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_clrClientBk;
    EXPECT_EQ("", shot.WrongPixels(
                      {{x0, 4, line}, {x0, 13, line}, {x0, 3, back}, {x0, 14, back}, {x0 + 1, 8, back}}, 0));
    // A text too long for its pane ends in an ellipsis: the last pixels of the text rectangle hold only
    // the low dots, no stroke reaches the upper half there.
    bar.SetPaneText(1, _T("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
    bar.RedrawWindow();
    riztest::WindowCapture longShot(bar.m_hWnd);
    const CRect rcText(bar.GetPaneRect(1).left + 2, 1, x1 - 1, 18);
    EXPECT_TRUE(longShot.HasOtherThan(CRect(rcText.left, 2, rcText.left + 20, 10), back, 40));
    EXPECT_FALSE(longShot.HasOtherThan(CRect(rcText.right - 4, 2, rcText.right, 9), back, 40));
}

TEST_F(DockingFrameTest, BadInputLeavesRowsWhole) {
    using riztest::ExpectRows;
    CQVDockWnd* pA = Pane(0xE901);
    m_pFrame->DockControlBar(pA);
    m_pFrame->DockControlBar(pA);  // twice
    const QVDockRowList once = Rows(AFX_IDW_DOCKBAR_TOP);
    m_pFrame->DockControlBar(nullptr);
    m_pFrame->FloatControlBar(nullptr, CPoint(0, 0));
    m_pFrame->ReDockControlBar(nullptr, nullptr);
    m_pFrame->ShowControlBar(nullptr, TRUE, FALSE);

    // An edge without a dock bar docks nowhere.
    CSkinFrameWnd* pTopOnly = new CSkinFrameWnd;
    pTopOnly->Create(nullptr, _T("Top only"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200));
    pTopOnly->EnableDocking(CBRS_ALIGN_TOP);
    auto pLost = MakePane(pTopOnly, 0xE904, CSize(50, 50), CBRS_RIGHT);
    pTopOnly->DockControlBar(pLost.get());
    pTopOnly->DockControlBar(pLost.get(), AFX_IDW_DOCKBAR_RIGHT);

    // A bar without EnableDocking still docks; duplicate ids and ids above 0xFFFF float and come back.
    CQVDockWnd* pPlain = Pane(0xE905, CSize(60, 26), CBRS_TOP, false);
    m_pFrame->DockControlBar(pPlain);
    CQVDockWnd* pTwin1 = Pane(0xE906);
    CQVDockWnd* pTwin2 = Pane(0xE906);
    CQVDockWnd* pBig = Pane(0x12345);
    for (CQVDockWnd* p : {pTwin1, pTwin2, pBig}) {
        m_pFrame->DockControlBar(p);
        m_pFrame->FloatControlBar(p, CPoint(200, 200));
    }
    const QVDockRowList floated = Rows(AFX_IDW_DOCKBAR_TOP);
    for (CQVDockWnd* p : {pTwin1, pTwin2, pBig})
        m_pFrame->ReDockControlBar(p, nullptr);

    ExpectRows<bool>({
        ROW(once == QVDockRowList({nullptr, pA, nullptr}), true),
        ROW(pLost->m_pDockBar == nullptr, true),
        ROW(pTopOnly->GetControlBar(AFX_IDW_DOCKBAR_RIGHT) == nullptr, true),
        ROW(pPlain->m_pDockBar == Edge(AFX_IDW_DOCKBAR_TOP), true),
        ROW(floated == QVDockRowList({nullptr, pA, nullptr, pPlain, nullptr, Holder(pTwin1), nullptr}), true),
        ROW(Rows(AFX_IDW_DOCKBAR_TOP) == QVDockRowList({nullptr, pA, nullptr, pPlain, nullptr, pTwin1,
                                                        nullptr, pTwin2, nullptr, pBig, nullptr}),
            true),
    });
    pTopOnly->DestroyWindow();
}

TEST_F(DockingFrameTest, BarsAndFramesDestroyedWhileDocked) {
    CQVDockWnd* pA = Pane(0xE901);
    CQVDockWnd* pB = Pane(0xE902);
    CQVDockWnd* pC = Pane(0xE903);
    for (CQVDockWnd* p : {pA, pB, pC})
        m_pFrame->DockControlBar(p);
    pB->DestroyWindow();                 // its window goes, the object stays
    m_panes.erase(m_panes.begin() + 2);  // pC's object goes with its window
    EXPECT_TRUE(Rows(AFX_IDW_DOCKBAR_TOP) == QVDockRowList({nullptr, pA, nullptr}));
    EXPECT_EQ(nullptr, pB->m_pDockBar);
    m_pFrame->RecalcLayout();

    // A thousand bars in one edge, then the frame goes first with docked, floating and hidden bars:
    // the pane objects are deleted after it, and none reaches a dock bar that is gone.
    for (UINT n = 0; n < 1000; ++n)
        m_pFrame->DockControlBar(Pane(0xA000 + n, CSize(20, 10)));
    m_pFrame->RecalcLayout();
    EXPECT_EQ(1001, Edge(AFX_IDW_DOCKBAR_TOP)->GetDockedCount());
    m_pFrame->FloatControlBar(m_panes[5].get(), CPoint(100, 100));
    m_pFrame->ShowControlBar(m_panes[6].get(), FALSE, FALSE);
    m_pFrame->DestroyWindow();
    for (const auto& pPane : m_panes)
        EXPECT_EQ(nullptr, pPane->m_pDockBar);
}

TEST_F(DockingFrameTest, FloatingFrameBordersMatchItsWindow) {
    CQVMiniDockFrameWnd* pFloat = m_pFrame->CreateFloatingFrame(CBRS_ALIGN_TOP);
    pFloat->SetWindowPos(nullptr, 100, 100, 200, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcWindow, rcClient;
    pFloat->GetWindowRect(&rcWindow);
    pFloat->GetClientRect(&rcClient);
    pFloat->ClientToScreen(&rcClient);
    CMiniFrameWnd::CalcBorders(&rcClient, WS_THICKFRAME | WS_CAPTION);
    EXPECT_EQ(rcWindow, rcClient);
    CString strHide;
    pFloat->GetSystemMenu(FALSE)->GetMenuString(SC_CLOSE, strHide, MF_BYCOMMAND);
    EXPECT_EQ(CString(_T("&Hide")), strHide);
    pFloat->DestroyWindow();
}

TEST_F(DockingFrameTest, FloatingFrameWearsTheSkinAndItsCloseButtonHides) {
    CQVDockWnd* pA = Pane(0xE901);
    m_pFrame->DockControlBar(pA);
    m_pFrame->FloatControlBar(pA, CPoint(300, 300));
    const HWND hFloat = pA->m_pDockBar->GetParent()->m_hWnd;
    const riztest::WindowCapture shot(hFloat, riztest::WindowCapture::Screen, false);
    // The top band is the skin's caption image spread over it.
    const CRect insets = riztest::ClientInsetInWindow(hFloat);
    riztest::Surface band(shot.Width(), insets.top);
    CDC dc;
    dc.Attach(band.Dc());
    CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_bmpCaption.DrawFill(
        &dc, CRect(0, 0, band.Width(), band.Height()), 0);
    dc.Detach();
    const int x = shot.Width() / 3, y = insets.top / 2;
    EXPECT_EQ(
        "", shot.WrongPixels({{x, 1, band.Pixel(x, 1)},
                              {x, y, band.Pixel(x, y)},
                              {insets.left + 2, insets.top - 2, band.Pixel(insets.left + 2, insets.top - 2)}},
                             2));

    // The close button is where the skin draws it, at the caption's right end; a click there hides the
    // bar and the frame, which stays.
    CRect rcWindow;
    ::GetWindowRect(hFloat, &rcWindow);
    const CPoint ptClose(rcWindow.right - insets.right - 7, rcWindow.top + (insets.left + insets.top) / 2);
    EXPECT_EQ(HTCAPTION,
              ::SendMessage(hFloat, WM_NCHITTEST, 0, MAKELPARAM(x + rcWindow.left, rcWindow.top + y)));
    ASSERT_EQ(HTCLOSE, ::SendMessage(hFloat, WM_NCHITTEST, 0, MAKELPARAM(ptClose.x, ptClose.y)));
    ::SetCursorPos(ptClose.x, ptClose.y);
    CPoint ptClient = ptClose;
    ::ScreenToClient(hFloat, &ptClient);
    ::PostMessage(hFloat, WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(ptClose.x, ptClose.y));
    ::PostMessage(hFloat, WM_LBUTTONUP, 0, MAKELPARAM(ptClient.x, ptClient.y));
    riztest::PumpUntilIdle(300);
    EXPECT_FALSE(pA->IsVisible());
    m_app.OnIdle(0);
    EXPECT_TRUE(::IsWindow(hFloat));
    EXPECT_FALSE(::IsWindowVisible(hFloat));
}

TEST(DockingFrame, CreateAndDestroyWithDockedFloatingAndHiddenBarsSoak) {
    riztest::ExpectCyclesLeakNothing([](int) {
        CSkinFrameWnd* pFrame = new CSkinFrameWnd;
        pFrame->Create(nullptr, _T("Soak"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200));
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        CQVDockWnd docked, floating, hidden;
        for (CQVDockWnd* p : {&docked, &floating, &hidden}) {
            p->CreateEx(pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE901);
            p->SetWindowPos(nullptr, 0, 0, 40, 20, SWP_NOMOVE | SWP_NOZORDER);
            p->EnableDocking(CBRS_ALIGN_ANY);
            pFrame->DockControlBar(p);
        }
        pFrame->FloatControlBar(&floating, CPoint(50, 50));
        pFrame->ShowControlBar(&hidden, FALSE, FALSE);
        pFrame->RecalcLayout();
        pFrame->DestroyWindow();
    });
}

}  // namespace
