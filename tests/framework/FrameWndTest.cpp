// Frame windows: creation from shared resources, accelerators through the framework's pump, the layout
// of bars (WM_SIZEPARENT) and view, command-UI updates of popup menus, status-line prompts, command
// routing view -> frame -> application, and the mini frame's tool-window caption.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "DialogResources.h"
#include "MessagePump.h"
#include "ResourceCounter.h"
#include "FrameworkKit.h"

namespace {

int g_nFramesAlive = 0;

CRect ChildRect(CWnd* pWnd) {
    CRect rc;
    pWnd->GetWindowRect(&rc);
    pWnd->GetParent()->ScreenToClient(&rc);
    return rc;
}

// A bar that takes m_cy pixels at the top (or bottom) of what its parent still has free.
class CEdgeBar : public CWnd {
public:
    int m_cy = 30;
    BOOL m_bBottom = FALSE;
    int m_nSizeParent = 0;
    BOOL m_bLastWasQuery = FALSE;

    BOOL CreateBar(CWnd* pParent, UINT nID, int cy, BOOL bBottom = FALSE) {
        m_cy = cy;
        m_bBottom = bBottom;
        return CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, pParent->m_hWnd,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
    }

protected:
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam) {
        auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        ++m_nSizeParent;
        m_bLastWasQuery = pLayout->hDWP == nullptr;
        CRect rc(pLayout->rect);
        if (m_bBottom) {
            rc.top = rc.bottom - m_cy;
            pLayout->rect.bottom -= m_cy;
        } else {
            rc.bottom = rc.top + m_cy;
            pLayout->rect.top += m_cy;
        }
        pLayout->sizeTotal.cy += m_cy;
        pLayout->sizeTotal.cx = (std::max)(pLayout->sizeTotal.cx, static_cast<LONG>(rc.Width()));
        AfxRepositionWindow(pLayout, m_hWnd, &rc);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEdgeBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, &CEdgeBar::OnSizeParent)
END_MESSAGE_MAP()

// A plain child window used as the view: handles its own commands.
class CLessonView : public CWnd {
public:
    int m_nViewCmd = 0;
    int m_nBoth = 0;

    BOOL CreateView(CWnd* pParent, DWORD dwStyle = WS_CHILD | WS_VISIBLE) {
        return CreateEx(0, AfxRegisterWndClass(0), _T(""), dwStyle, 0, 0, 10, 10, pParent->m_hWnd,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)));
    }

protected:
    afx_msg void OnViewCmd() { ++m_nViewCmd; }
    afx_msg void OnBoth() { ++m_nBoth; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLessonView, CWnd)
ON_COMMAND(ID_FRMT_VIEWCMD, &CLessonView::OnViewCmd)
ON_COMMAND(ID_FRMT_BOTH, &CLessonView::OnBoth)
END_MESSAGE_MAP()

// A view made by the frame from a creation context; it deletes itself like views do.
class CDynView : public CWnd {
    DECLARE_DYNCREATE(CDynView)
protected:
    void PostNcDestroy() override { delete this; }
};
IMPLEMENT_DYNCREATE(CDynView, CWnd)

class CLessonFrame : public CFrameWnd {
public:
    CLessonFrame() { ++g_nFramesAlive; }
    ~CLessonFrame() override { --g_nFramesAlive; }

    int m_nOpen = 0;
    int m_nSave = 0;
    int m_nRefresh = 0;
    int m_nBoth = 0;
    BOOL m_bGrid = TRUE;

protected:
    afx_msg void OnOpen() { ++m_nOpen; }
    afx_msg void OnSave() { ++m_nSave; }
    afx_msg void OnRefresh() { ++m_nRefresh; }
    afx_msg void OnBoth() { ++m_nBoth; }
    afx_msg void OnGrid() { m_bGrid = !m_bGrid; }
    afx_msg void OnUpdateGrid(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bGrid); }
    afx_msg void OnUpdateRuler(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLessonFrame, CFrameWnd)
ON_COMMAND(ID_FRMT_OPEN, &CLessonFrame::OnOpen)
ON_COMMAND(ID_FRMT_SAVE, &CLessonFrame::OnSave)
ON_COMMAND(ID_FRMT_REFRESH, &CLessonFrame::OnRefresh)
ON_COMMAND(ID_FRMT_BOTH, &CLessonFrame::OnBoth)
ON_COMMAND(ID_FRMT_GRID, &CLessonFrame::OnGrid)
ON_UPDATE_COMMAND_UI(ID_FRMT_GRID, &CLessonFrame::OnUpdateGrid)
ON_UPDATE_COMMAND_UI(ID_FRMT_RULER, &CLessonFrame::OnUpdateRuler)
END_MESSAGE_MAP()

class CLessonApp : public CWinApp {
public:
    CLessonApp() : CWinApp(_T("Lesson planner")) {}
    int m_nAppCmd = 0;
    int m_nBoth = 0;

protected:
    afx_msg void OnAppCmd() { ++m_nAppCmd; }
    afx_msg void OnBoth() { ++m_nBoth; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLessonApp, CWinApp)
ON_COMMAND(ID_FRMT_APPCMD, &CLessonApp::OnAppCmd)
ON_COMMAND(ID_FRMT_BOTH, &CLessonApp::OnBoth)
END_MESSAGE_MAP()

CLessonFrame* NewLoadedFrame() {
    auto* pFrame = new CLessonFrame;
    if (!pFrame->LoadFrame(IDR_DLGT_FRAME)) return nullptr;
    return pFrame;
}

CLessonFrame* NewPlainFrame(const CRect& rc = CRect(0, 0, 400, 300)) {
    auto* pFrame = new CLessonFrame;
    if (!pFrame->Create(nullptr, _T("Plain"), WS_OVERLAPPEDWINDOW, rc)) return nullptr;
    return pFrame;
}

UINT ItemState(CMenu* pPopup, UINT nID) {
    return pPopup->GetMenuState(nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
}

// A plain frame with a 30-pixel bar at the top and a view, not laid out yet.
class FrameLayout : public ::testing::Test {
protected:
    void SetUp() override {
        m_pFrame = NewPlainFrame();
        ASSERT_NE(nullptr, m_pFrame);
        ASSERT_TRUE(m_top.CreateBar(m_pFrame, AFX_IDW_TOOLBAR, 30));
        ASSERT_TRUE(m_view.CreateView(m_pFrame));
    }
    void TearDown() override {
        if (m_pFrame) m_pFrame->DestroyWindow();
    }
    CRect Client() const {
        CRect rc;
        m_pFrame->GetClientRect(&rc);
        return rc;
    }
    CLessonFrame* m_pFrame = nullptr;
    CEdgeBar m_top;
    CLessonView m_view;
};

// A frame from the resources, its idle prompt shown, with a status bar at the bottom.
class FrameStatus : public ::testing::Test {
protected:
    void SetUp() override {
        m_pFrame = NewLoadedFrame();
        ASSERT_NE(nullptr, m_pFrame);
        riztest::PumpMessages(2000);  // the idle prompt posted at creation
        ASSERT_TRUE(m_status.CreateBar(m_pFrame, AFX_IDW_STATUS_BAR, 20, TRUE));
    }
    void TearDown() override {
        if (m_pFrame) m_pFrame->DestroyWindow();
    }
    CString Text() {
        CString str;
        m_status.GetWindowText(str);
        return str;
    }
    CLessonFrame* m_pFrame = nullptr;
    CEdgeBar m_status;
};

}  // namespace

// ---- Creation ----

TEST(FrameWnd, LoadFrameTakesMenuAcceleratorsAndTitleFromResourcesOrFailsAndActivateFrameShowsIt) {
    CLessonFrame* pFrame = NewLoadedFrame();
    ASSERT_NE(nullptr, pFrame);

    CString strTitle;
    pFrame->GetWindowText(strTitle);
    EXPECT_EQ(CString(_T("Lesson planner")), strTitle);
    EXPECT_EQ(CString(_T("Lesson planner")), pFrame->GetTitle());
    HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
    ASSERT_NE(nullptr, hMenu);
    EXPECT_EQ(2, ::GetMenuItemCount(hMenu));
    EXPECT_EQ(hMenu, pFrame->m_hMenuDefault);
    EXPECT_NE(nullptr, pFrame->m_hAccelTable);
    EXPECT_EQ(static_cast<UINT>(IDR_DLGT_FRAME), pFrame->m_nIDHelp);
    EXPECT_TRUE(pFrame->IsFrameWnd());
    EXPECT_EQ(WS_EX_CLIENTEDGE, pFrame->GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(pFrame->IsWindowVisible());
    pFrame->ActivateFrame();  // shows the hidden frame
    EXPECT_TRUE(pFrame->IsWindowVisible());
    pFrame->ActivateFrame(SW_HIDE);
    EXPECT_FALSE(pFrame->IsWindowVisible());

    pFrame->DestroyWindow();
    EXPECT_EQ(0, g_nFramesAlive);

    // Without its menu LoadFrame fails and deletes the frame.
    pFrame = new CLessonFrame;
    EXPECT_FALSE(pFrame->LoadFrame(IDR_DLGT_NOMENU));
    EXPECT_EQ(0, g_nFramesAlive);
}

TEST(FrameWnd, ViewFromACreationContextFillsTheClientArea) {
    auto* pFrame = new CLessonFrame;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CDynView);
    ASSERT_TRUE(pFrame->Create(nullptr, _T("With view"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr,
                               nullptr, 0, &context));

    CWnd* pView = pFrame->GetActiveView();
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CDynView)));
    EXPECT_EQ(AFX_IDW_PANE_FIRST, pView->GetDlgCtrlID());
    EXPECT_EQ(pFrame, pView->GetParentFrame());
    CRect rcFrame, rcView;
    pFrame->GetClientRect(&rcFrame);
    pView->GetClientRect(&rcView);
    EXPECT_EQ(rcFrame.Size(), rcView.Size());  // the view's border lies outside the free area
    pFrame->DestroyWindow();
}

// ---- Layout ----

TEST_F(FrameLayout, RecalcLayoutGivesBarsTheirSidesAndTheViewTheRest) {
    CEdgeBar status;
    ASSERT_TRUE(status.CreateBar(m_pFrame, AFX_IDW_STATUS_BAR, 20, TRUE));

    m_pFrame->RecalcLayout();

    const CRect rcClient = Client();
    EXPECT_EQ(CRect(0, 0, rcClient.right, 30), ChildRect(&m_top));
    EXPECT_EQ(CRect(0, rcClient.bottom - 20, rcClient.right, rcClient.bottom), ChildRect(&status));
    EXPECT_EQ(CRect(0, 30, rcClient.right, rcClient.bottom - 20), ChildRect(&m_view));
    EXPECT_FALSE(m_top.m_bLastWasQuery);
}

TEST_F(FrameLayout, OnlyChildrenWithWindowObjectsAreAskedForTheirSpace) {
    // A bar-like child without an object: it must not be asked (nor moved).
    HWND hRaw =
        ::CreateWindow(_T("STATIC"), _T("raw"), WS_CHILD | WS_VISIBLE, 5, 5, 50, 10, m_pFrame->m_hWnd,
                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_TOOLBAR + 1)), nullptr, nullptr);

    m_pFrame->RecalcLayout();

    EXPECT_EQ(CRect(0, 30, Client().right, Client().bottom), ChildRect(&m_view));
    EXPECT_EQ(CRect(5, 5, 55, 15), ChildRect(CWnd::FromHandle(hRaw)));
}

TEST_F(FrameLayout, QueryingTheLayoutMovesNothingAndAsksOnlyBarsInTheIdRange) {
    CEdgeBar other;
    ASSERT_TRUE(other.CreateBar(m_pFrame, 100, 40));
    m_view.MoveWindow(1, 2, 3, 4);
    const CRect rcTopBefore = ChildRect(&m_top);
    const int nOtherBefore = other.m_nSizeParent;

    CRect rcFree, rcClient(0, 0, 200, 100);
    m_pFrame->RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST,
                             CWnd::reposQuery, &rcFree, &rcClient);
    EXPECT_EQ(CRect(0, 30, 200, 100), rcFree);
    EXPECT_TRUE(m_top.m_bLastWasQuery);
    EXPECT_EQ(nOtherBefore, other.m_nSizeParent);  // outside the range: not asked

    CRect rcTotal;
    m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &rcTotal, &rcClient, FALSE);
    EXPECT_EQ(CRect(0, 0, 200, 70), rcTotal);  // both bars, in the whole range

    EXPECT_EQ(rcTopBefore, ChildRect(&m_top));
    EXPECT_EQ(CRect(1, 2, 4, 6), ChildRect(&m_view));
}

TEST_F(FrameLayout, DelayedLayoutWaitsForTheIdleUpdateAndResizingLaysOutAgain) {
    m_pFrame->RecalcLayout();
    m_top.m_cy = 50;
    m_pFrame->DelayRecalcLayout();
    EXPECT_EQ(30, ChildRect(&m_view).top);
    EXPECT_EQ(CFrameWnd::idleLayout | CFrameWnd::idleNotify, m_pFrame->m_nIdleFlags);

    m_pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(50, ChildRect(&m_view).top);
    EXPECT_EQ(0, m_pFrame->m_nIdleFlags);

    m_top.m_cy = 40;
    m_pFrame->SetWindowPos(nullptr, 0, 0, 500, 420, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CRect(0, 40, Client().right, Client().bottom), ChildRect(&m_view));
}

// ---- Menus and accelerators ----

TEST(FrameWnd, PopupItemsAreEnabledAndCheckedThroughCommandUiButNotTheSystemMenu) {
    CLessonFrame* pFrame = NewLoadedFrame();
    ASSERT_NE(nullptr, pFrame);
    CMenu* pPopup = pFrame->GetMenu()->GetSubMenu(0);
    ASSERT_NE(nullptr, pPopup);

    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->m_hMenu), MAKELPARAM(0, FALSE));

    EXPECT_EQ(0u, ItemState(pPopup, ID_FRMT_OPEN));
    EXPECT_EQ(0u, ItemState(pPopup, ID_FRMT_SAVE));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), ItemState(pPopup, ID_FRMT_PRINT) & MF_GRAYED);  // no handler
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), ItemState(pPopup, ID_FRMT_GRID));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), ItemState(pPopup, ID_FRMT_RULER) & MF_GRAYED);
    EXPECT_EQ(0u, pPopup->GetMenuState(6, MF_BYPOSITION) & MF_GRAYED);  // a submenu item stays enabled

    // Without automatic disabling, items without handlers stay as they are.
    pPopup->EnableMenuItem(ID_FRMT_PRINT, MF_ENABLED);
    pFrame->m_bAutoMenuEnable = FALSE;
    pFrame->SendMessage(WM_COMMAND, ID_FRMT_GRID);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->m_hMenu), MAKELPARAM(0, FALSE));
    EXPECT_EQ(0u, ItemState(pPopup, ID_FRMT_PRINT));
    EXPECT_EQ(0u, ItemState(pPopup, ID_FRMT_GRID));

    // The system menu is not updated.
    pFrame->m_bAutoMenuEnable = TRUE;
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->m_hMenu), MAKELPARAM(0, TRUE));
    EXPECT_EQ(0u, ItemState(pPopup, ID_FRMT_PRINT));
    pFrame->DestroyWindow();
}

TEST(FrameWnd, AcceleratorKeysReachTheCommandHandlers) {
    CLessonFrame* pFrame = NewLoadedFrame();
    ASSERT_NE(nullptr, pFrame);
    CLessonView view;
    ASSERT_TRUE(view.CreateView(pFrame));

    // F6 is only an accelerator; F5 is also a menu item, updated before the command goes out.
    const struct {
        UINT vk;
        LPARAM lParam;
        int CLessonFrame::*pnCount;
    } keys[] = {{VK_F6, 0x00400001, &CLessonFrame::m_nRefresh}, {VK_F5, 0x003F0001, &CLessonFrame::m_nOpen}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.vk);
        const int nRefresh = pFrame->m_nRefresh, nOpen = pFrame->m_nOpen;
        ::PostMessage(view.m_hWnd, WM_KEYDOWN, k.vk, k.lParam);
        riztest::PumpMessages(2000);
        EXPECT_EQ(nRefresh + (k.pnCount == &CLessonFrame::m_nRefresh), pFrame->m_nRefresh);
        EXPECT_EQ(nOpen + (k.pnCount == &CLessonFrame::m_nOpen), pFrame->m_nOpen);
    }
    pFrame->DestroyWindow();
}

// ---- Routing ----

TEST(FrameWnd, CommandsGoToTheViewThenTheFrameThenTheApplication) {
    CLessonApp app;
    CLessonFrame* pFrame = NewLoadedFrame();
    ASSERT_NE(nullptr, pFrame);
    CLessonView view;
    ASSERT_TRUE(view.CreateView(pFrame));
    pFrame->SetActiveView(&view);
    EXPECT_EQ(&view, pFrame->GetActiveView());

    pFrame->SendMessage(WM_COMMAND, ID_FRMT_VIEWCMD);
    pFrame->SendMessage(WM_COMMAND, ID_FRMT_OPEN);
    pFrame->SendMessage(WM_COMMAND, ID_FRMT_APPCMD);
    pFrame->SendMessage(WM_COMMAND, ID_FRMT_BOTH);
    EXPECT_EQ(1, view.m_nViewCmd);
    EXPECT_EQ(1, pFrame->m_nOpen);
    EXPECT_EQ(1, app.m_nAppCmd);
    EXPECT_EQ(1, view.m_nBoth);
    EXPECT_EQ(0, pFrame->m_nBoth);
    EXPECT_EQ(0, app.m_nBoth);

    // The Tools items are handled by the view and the application: none is disabled.
    CMenu* pTools = pFrame->GetMenu()->GetSubMenu(1);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pTools->m_hMenu), MAKELPARAM(1, FALSE));
    EXPECT_EQ(0u, ItemState(pTools, ID_FRMT_VIEWCMD));
    EXPECT_EQ(0u, ItemState(pTools, ID_FRMT_APPCMD));

    pFrame->SetActiveView(nullptr);
    pFrame->SendMessage(WM_COMMAND, ID_FRMT_BOTH);
    EXPECT_EQ(1, pFrame->m_nBoth);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pTools->m_hMenu), MAKELPARAM(1, FALSE));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), ItemState(pTools, ID_FRMT_VIEWCMD) & MF_GRAYED);

    // A destroyed view is no longer active, and commands are routed without it.
    {
        CLessonView gone;
        ASSERT_TRUE(gone.CreateView(pFrame));
        pFrame->SetActiveView(&gone);
    }
    EXPECT_EQ(nullptr, pFrame->GetActiveView());
    pFrame->SendMessage(WM_COMMAND, ID_FRMT_BOTH);
    EXPECT_EQ(2, pFrame->m_nBoth);
    pFrame->DestroyWindow();
}

// ---- Status line ----

TEST_F(FrameStatus, PromptsReachTheStatusBarWithoutTheirTipPart) {
    CLessonFrame* pFrame = m_pFrame;

    pFrame->SetMessageText(ID_FRMT_OPEN);
    EXPECT_EQ(CString(_T("Open a lesson file")), Text());
    EXPECT_EQ(static_cast<UINT>(ID_FRMT_OPEN), pFrame->m_nIDLastMessage);
    pFrame->SetMessageText(ID_FRMT_SAVE);
    EXPECT_EQ(CString(_T("Save the lesson")), Text());
    pFrame->SetMessageText(_T("Saving lesson 3..."));
    EXPECT_EQ(CString(_T("Saving lesson 3...")), Text());
    EXPECT_EQ(0u, pFrame->m_nIDLastMessage);
    const LRESULT nPrevious = pFrame->SendMessage(WM_SETMESSAGESTRING, 2997);  // no such string
    EXPECT_EQ(0, nPrevious);
    EXPECT_TRUE(Text().IsEmpty());

    CString strPrompt;
    pFrame->GetMessageString(ID_FRMT_GRID, strPrompt);
    EXPECT_EQ(CString(_T("Show the grid")), strPrompt);
}

TEST_F(FrameStatus, MenuSelectionShowsThePromptAndClosingTheMenuTheIdleText) {
    CLessonFrame* pFrame = m_pFrame;
    HMENU hPopup = ::GetSubMenu(::GetMenu(pFrame->m_hWnd), 0);

    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FRMT_GRID, MF_HILITE), reinterpret_cast<LPARAM>(hPopup));
    EXPECT_EQ(CString(_T("Show the grid")), Text());
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(6, MF_POPUP | MF_HILITE), reinterpret_cast<LPARAM>(hPopup));
    EXPECT_TRUE(Text().IsEmpty());
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FRMT_OPEN, MF_HILITE), reinterpret_cast<LPARAM>(hPopup));
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(static_cast<UINT>(AFX_IDS_IDLEMESSAGE), pFrame->m_nIDLastMessage);
    EXPECT_EQ(CString(_T("Ready")), Text());  // the framework's own idle prompt
}

TEST_F(FrameStatus, WithoutAStatusBarThePromptIdIsStillTracked) {
    m_status.DestroyWindow();
    EXPECT_EQ(static_cast<UINT>(AFX_IDS_IDLEMESSAGE), m_pFrame->m_nIDLastMessage);
    const LRESULT nPrevious = m_pFrame->SendMessage(WM_SETMESSAGESTRING, ID_FRMT_OPEN);
    EXPECT_EQ(static_cast<LRESULT>(AFX_IDS_IDLEMESSAGE), nPrevious);
    EXPECT_EQ(static_cast<UINT>(ID_FRMT_OPEN), m_pFrame->m_nIDTracking);
}

// ---- Mini frame ----

TEST(MiniFrameWnd, CaptionIsTheSmallToolWindowCaptionAndAChildKeepsItsId) {
    auto* pFrame = new CMiniFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, _T("Word list"), WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_THICKFRAME,
                               CRect(10, 10, 210, 160)));

    EXPECT_EQ(static_cast<DWORD>(WS_EX_TOOLWINDOW),
              pFrame->GetExStyle() & (WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE));
    EXPECT_EQ(static_cast<DWORD>(WS_THICKFRAME), pFrame->GetStyle() & WS_THICKFRAME);
    EXPECT_EQ(CString(_T("Word list")), pFrame->m_strCaption);
    EXPECT_TRUE(pFrame->IsFrameWnd());

    // The frame is exactly as thick as CalcBorders says.
    CRect rcWindow, rcClient;
    pFrame->GetWindowRect(&rcWindow);
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);
    CRect rcCalc(rcClient);
    CMiniFrameWnd::CalcBorders(&rcCalc, WS_THICKFRAME | WS_CAPTION);
    EXPECT_EQ(rcWindow, rcCalc);
    EXPECT_LT(rcClient.top - rcWindow.top,
              ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFRAME));

    pFrame->DestroyWindow();  // deletes the object

    // A child mini frame keeps its control id.
    CLessonFrame* pOwner = NewPlainFrame();
    ASSERT_NE(nullptr, pOwner);
    auto* pMini = new CMiniFrameWnd;
    ASSERT_TRUE(pMini->Create(nullptr, _T("Pane"), WS_CHILD | WS_VISIBLE | WS_CAPTION, CRect(0, 0, 100, 80),
                              pOwner, 321));
    EXPECT_EQ(321, pMini->GetDlgCtrlID());
    pOwner->DestroyWindow();  // the child frame goes (and deletes itself) with its parent
}

TEST(FrameWnd, RepeatedFramesLeaveNoWindowsOrGdiObjectsBehind) {
    auto MakeAndDestroy = [] {
        CLessonFrame* pFrame = NewLoadedFrame();
        if (!pFrame) return false;
        CEdgeBar status;
        status.CreateBar(pFrame, AFX_IDW_STATUS_BAR, 20, TRUE);
        pFrame->SetMessageText(ID_FRMT_OPEN);
        pFrame->DestroyWindow();
        return true;
    };
    ASSERT_TRUE(MakeAndDestroy());
    riztest::PumpMessages(2000);
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 25; ++i)
        ASSERT_TRUE(MakeAndDestroy());
    riztest::PumpMessages(2000);
    EXPECT_EQ(0, g_nFramesAlive);
    EXPECT_EQ(0, before.WindowDelta());
    EXPECT_EQ(0, before.GdiDelta());
}
