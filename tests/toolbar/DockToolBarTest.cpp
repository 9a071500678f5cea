// The dockable toolbar in a real skinned frame: row, column and floating layouts, the frame's update
// handlers applied at idle, prompts in the status bar, commands from docked and floating bars, bad
// input and bars destroyed while floating or from their own update. What the classic template does
// alone (fonts, prompts once per change, arrow parts, radio groups) is tested with CQVToolBar.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MessagePump.h"
#include "RIZuruzezu.h"

namespace {

enum : UINT { ID_PLAY = 701, ID_RECORD = 703, ID_UK = 710, ID_US = 711, ID_ORPHAN = 712, ID_SELFKILL = 713 };

// Handlers for ids 701-711; 712 has none at all, so idle updates disable it.
class CUpdateFrame : public CSkinFrameWnd {
public:
    BOOL m_bPlaying = FALSE, m_bUS = FALSE;
    CWnd* m_pKill = nullptr;  // destroyed by the update of ID_SELFKILL
    std::vector<UINT> m_commands;
    void GetMessageString(UINT nID, CString& rMessage) const override {
        rMessage.Format(_T("prompt %u"), nID);
    }

protected:
    afx_msg void OnCommandRange(UINT nID) { m_commands.push_back(nID); }
    afx_msg void OnUpdatePlay(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bPlaying); }
    afx_msg void OnUpdateRecord(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bPlaying); }
    afx_msg void OnUpdateUK(CCmdUI* pCmdUI) { pCmdUI->SetRadio(!m_bUS); }
    afx_msg void OnUpdateUS(CCmdUI* pCmdUI) { pCmdUI->SetRadio(m_bUS); }
    afx_msg void OnUpdateSelfKill(CCmdUI* pCmdUI) {
        if (m_pKill) m_pKill->DestroyWindow();
        pCmdUI->Enable(FALSE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdateFrame, CSkinFrameWnd)
ON_COMMAND_RANGE(ID_PLAY, ID_US, &CUpdateFrame::OnCommandRange)
ON_UPDATE_COMMAND_UI(ID_PLAY, &CUpdateFrame::OnUpdatePlay)
ON_UPDATE_COMMAND_UI(ID_RECORD, &CUpdateFrame::OnUpdateRecord)
ON_UPDATE_COMMAND_UI(ID_UK, &CUpdateFrame::OnUpdateUK)
ON_UPDATE_COMMAND_UI(ID_US, &CUpdateFrame::OnUpdateUS)
ON_UPDATE_COMMAND_UI(ID_SELFKILL, &CUpdateFrame::OnUpdateSelfKill)
END_MESSAGE_MAP()

class DockToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::SetCursorPos(5, ::GetSystemMetrics(SM_CYSCREEN) - 5);
        m_pFrame = new CUpdateFrame;  // deletes itself with its window
        m_pFrame->Create(nullptr, _T("Study"), WS_OVERLAPPEDWINDOW, CRect(40, 40, 600, 440));
        m_status.CreateEx(m_pFrame, WS_CHILD | WS_VISIBLE, CBRS_BOTTOM);
        const int widths[] = {0};
        m_status.SetIndicators(widths, 1);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->ShowWindow(SW_SHOWNA);
        m_bar.CreateEx(m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE820);
        // Play, Record, a separator, UK, US, one item without handlers: 16-pixel cells, no texts.
        const ToolBarItemType types[] = {TBIT_CHECKBOX, TBIT_BUTTON,   TBIT_SEPARATOR,
                                         TBIT_RADIOBOX, TBIT_RADIOBOX, TBIT_BUTTON};
        const UINT ids[] = {ID_PLAY, ID_RECORD, 0, ID_UK, ID_US, ID_ORPHAN};
        for (int i = 0; i < 6; ++i)
            m_bar.AddItem(types[i], nullptr, nullptr, ids[i] ? CSize(16, 16) : CSize(6, 22), i, ids[i]);
        m_bar.ReCalcToolBar();
        m_bar.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&m_bar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
    }
    void TearDown() override {
        if (::IsWindow(m_pFrame->GetSafeHwnd())) m_pFrame->DestroyWindow();
        ::SetCursorPos(700, 500);
    }
    ToolBarItem& Item(UINT nID) { return *m_bar.GetItem(m_bar.FindItem(nID)); }
    CSize WindowSize(CWnd& wnd) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        return rc.Size();
    }
    void Post(UINT message, CPoint pt, WPARAM keys = 0) {
        CPoint ptScreen = pt;
        m_bar.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        riztest::PostMouse(m_bar, message, pt.x, pt.y, keys);
        riztest::PumpUntilIdle();
    }
    void Click(UINT nID) {
        const CPoint pt = m_bar.GetItemRect(nID).CenterPoint();
        Post(WM_MOUSEMOVE, pt);
        Post(WM_LBUTTONDOWN, pt, MK_LBUTTON);
        Post(WM_LBUTTONUP, pt);
    }

    CWinApp m_app{_T("DockToolBar")};
    CUpdateFrame* m_pFrame = nullptr;
    CQVStatusBar m_status;
    CQVDockToolBar m_bar;
};

}  // namespace

TEST(DockToolBarLayout, ColumnsOrientationsAndItemUpdates) {
    ToolBarItem push, drop, sep, text;
    push.szImage = drop.szImage = CSize(16, 16);
    drop.nType = TBIT_DROPDOWN;
    sep.nType = TBIT_SEPARATOR;
    sep.szImage = CSize(6, 22);
    text.strText = _T("abc");  // 3 pixels a character
    text.szImage = CSize(-5, 20);
    std::vector<ToolBarItem*> items = {&push, &sep, &drop, &text};
    const CSize size = QVLayoutToolBarColumn(items, [](const CString& s) { return 3 * s.GetLength(); });
    EXPECT_EQ(CRect(3, 26, 19, 42), push.rc);
    EXPECT_EQ(CRect(3, 46, 35, 52), sep.rc);   // across the column, as high as its cell is wide
    EXPECT_EQ(CRect(3, 56, 35, 72), drop.rc);  // the arrow's 16 pixels beside the image
    EXPECT_EQ(CRect(3, 76, 12, 96), text.rc);  // a negative width counts as 0
    EXPECT_EQ(CSize(38, 100), size);
    std::vector<ToolBarItem*> none;
    EXPECT_EQ(CSize(6, 26), QVLayoutToolBarColumn(none, [](const CString&) { return 0; }));

    const struct {
        DWORD dwStyle;
        BOOL bVertical;
    } styles[] = {{CBRS_ALIGN_TOP, FALSE},
                  {CBRS_ALIGN_BOTTOM, FALSE},
                  {CBRS_ALIGN_LEFT, TRUE},
                  {CBRS_ALIGN_RIGHT | CBRS_BORDER_ANY, TRUE},
                  {CBRS_ALIGN_LEFT | CBRS_FLOATING, FALSE},
                  {0, FALSE}};
    for (const auto& r : styles)
        EXPECT_EQ(r.bVertical, QVDockToolBarIsVertical(r.dwStyle)) << std::hex << r.dwStyle;
    EXPECT_TRUE(QVDockToolBarModeIsVertical(LM_VERTDOCK | LM_STRETCH));
    EXPECT_FALSE(QVDockToolBarModeIsVertical(LM_HORZ | LM_MRUWIDTH));

    // Only what a handler asked changes, and only a real change reports one.
    ToolBarItem item;
    ToolBarItemUpdate update;
    EXPECT_FALSE(QVApplyToolBarItemUpdate(item, update));
    update.bEnableChanged = TRUE;
    update.bEnabled = FALSE;
    update.bCheckChanged = TRUE;
    update.nCheck = 2;  // indeterminate shows checked
    EXPECT_TRUE(QVApplyToolBarItemUpdate(item, update));
    EXPECT_TRUE(!item.bEnabled && item.bChecked);
    EXPECT_FALSE(QVApplyToolBarItemUpdate(item, update));
}

TEST_F(DockToolBarTest, RowDockedColumnOnTheSidesRowAgainFloating) {
    // Row: x from 10, 20 per 16-pixel item and 10 for the separator; 22 high.
    EXPECT_EQ(CSize(120, 22), WindowSize(m_bar));
    EXPECT_EQ(CSize(120, 22), m_bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK));
    EXPECT_EQ(CSize(22, 136), m_bar.CalcDynamicLayout(-1, LM_VERTDOCK));  // a query moves nothing
    EXPECT_EQ(CRect(10, 3, 26, 19), m_bar.GetItemRect(ID_PLAY));
    EXPECT_EQ(CSize(22, 136), m_bar.CalcFixedLayout(FALSE, FALSE));

    m_pFrame->DockControlBar(&m_bar, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    EXPECT_TRUE(m_bar.IsVertical());
    EXPECT_EQ(CSize(22, 136), WindowSize(m_bar));
    EXPECT_EQ(CRect(3, 26, 19, 42), m_bar.GetItemRect(ID_PLAY));
    EXPECT_EQ(CRect(3, 76, 19, 92), m_bar.GetItemRect(ID_UK));

    m_pFrame->FloatControlBar(&m_bar, CPoint(300, 300), CBRS_ALIGN_TOP);
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(m_bar.IsFloating());
    EXPECT_FALSE(m_bar.IsVertical());
    EXPECT_EQ(CSize(120, 22), WindowSize(m_bar));
    EXPECT_EQ(CRect(10, 3, 26, 19), m_bar.GetItemRect(ID_PLAY));

    // The shipped skin carries both picture strips, cut into 16 x 16 frames.
    CQVBitmapList images;
    EXPECT_TRUE(QVLoadSkinToolBarImages(images));
    EXPECT_EQ(CSize(16, 16), images.GetImageSize());
}

TEST_F(DockToolBarTest, IdleUpdatesApplyTheFramesHandlersAndRepaintOnlyChanges) {
    m_app.OnIdle(0);
    EXPECT_TRUE(Item(ID_PLAY).bEnabled && !Item(ID_PLAY).bChecked);
    EXPECT_FALSE(Item(ID_RECORD).bEnabled);  // disabled while nothing plays
    EXPECT_TRUE(Item(ID_UK).bChecked && !Item(ID_US).bChecked);
    EXPECT_FALSE(Item(ID_ORPHAN).bEnabled);  // no handler of any kind

    m_bar.UpdateWindow();
    m_app.OnIdle(0);
    EXPECT_FALSE(::GetUpdateRect(m_bar.m_hWnd, nullptr, FALSE));  // nothing changed, nothing to paint

    m_pFrame->m_bPlaying = TRUE;
    m_pFrame->m_bUS = TRUE;
    m_app.OnIdle(0);
    EXPECT_TRUE(Item(ID_PLAY).bChecked && Item(ID_RECORD).bEnabled);
    EXPECT_TRUE(!Item(ID_UK).bChecked && Item(ID_US).bChecked);
    EXPECT_TRUE(::GetUpdateRect(m_bar.m_hWnd, nullptr, FALSE));

    // Floating, the bar still takes its updates from the frame it was docked in.
    m_pFrame->FloatControlBar(&m_bar, CPoint(300, 300), CBRS_ALIGN_TOP);
    m_pFrame->m_bPlaying = FALSE;
    m_app.OnIdle(0);
    EXPECT_FALSE(Item(ID_RECORD).bEnabled);
}

TEST_F(DockToolBarTest, PromptsReachStatusPaneZeroAndClicksTheFrame) {
    m_app.OnIdle(0);
    Post(WM_MOUSEMOVE, m_bar.GetItemRect(ID_UK).CenterPoint());
    EXPECT_EQ(CString(_T("prompt 710")), m_status.GetPaneText(0));
    m_bar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(CString(_T("prompt 57345")), m_status.GetPaneText(0));  // back to the idle prompt (0xE001)

    Click(ID_US);
    Click(ID_RECORD);  // disabled: silent
    m_pFrame->FloatControlBar(&m_bar, CPoint(300, 300), CBRS_ALIGN_TOP);
    m_pFrame->RecalcLayout();
    riztest::PumpUntilIdle();
    Click(ID_PLAY);
    EXPECT_EQ(std::vector<UINT>({ID_US, ID_PLAY}), m_pFrame->m_commands);
    EXPECT_EQ(CString(_T("prompt 701")), m_status.GetPaneText(0));
    // A press beside the items is no command (it starts a drag of the bar).
    EXPECT_EQ(-1, m_bar.OnToolHitTest(CPoint(2, 2), nullptr));
    EXPECT_EQ(INT_PTR(ID_PLAY), m_bar.OnToolHitTest(m_bar.GetItemRect(ID_PLAY).CenterPoint(), nullptr));
}

TEST_F(DockToolBarTest, BadInputThousandItemsAndBarsDestroyedWhileFloatingOrUpdating) {
    EXPECT_FALSE(m_bar.SetButtons(nullptr, 3, 16, 16));
    EXPECT_EQ(0, m_bar.GetItemCount());
    const UINT ids[] = {ID_PLAY, 0, ID_RECORD};  // 703 has no string
    EXPECT_FALSE(m_bar.SetButtons(ids, 0, 16, 16));
    ASSERT_TRUE(m_bar.SetButtons(ids, 3, 16, 16));
    EXPECT_EQ(CString(_T("Play")), m_bar.GetItem(0)->strText);
    EXPECT_TRUE(m_bar.GetItem(2)->strText.IsEmpty() && m_bar.GetItem(2)->strTooltip.IsEmpty());
    EXPECT_FALSE(m_bar.SetItemText(-1, _T("x")) || m_bar.SetItemText(3, _T("x")) ||
                 m_bar.ModifyItem(9, TBIT_STATIC));
    EXPECT_EQ(3, m_bar.GetItemCount());
    m_app.OnIdle(0);
    EXPECT_FALSE(m_bar.GetItem(2)->bEnabled);

    const CSize sizeThree = m_bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
    while (m_bar.GetItemCount() < 1000)
        m_bar.AddItem(TBIT_BUTTON, nullptr, nullptr, CSize(16, 16), 0, ID_ORPHAN);
    EXPECT_EQ(CSize(sizeThree.cx + 997 * 20, 22), m_bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK));
    m_app.OnIdle(0);
    EXPECT_FALSE(m_bar.GetItem(999)->bEnabled);

    // An update handler destroys the bar: the walk stops there.
    m_bar.AddItem(TBIT_BUTTON, nullptr, nullptr, CSize(16, 16), 0, ID_SELFKILL);
    m_pFrame->m_pKill = &m_bar;
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(::IsWindow(m_bar.m_hWnd));
    m_pFrame->m_pKill = nullptr;

    // A second bar destroyed while it floats leaves no dangling row in the floating frame.
    CQVDockToolBar floating;
    floating.CreateEx(m_pFrame, 0, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE821);
    floating.AddItem(TBIT_BUTTON, nullptr, nullptr, CSize(16, 16), 0, ID_PLAY);
    floating.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->FloatControlBar(&floating, CPoint(300, 300), CBRS_ALIGN_TOP);
    CQVDockBar* pFloatDock = floating.m_pDockBar;
    ASSERT_TRUE(pFloatDock && pFloatDock->m_bFloating);
    const HWND hMiniFrame = pFloatDock->GetParent()->m_hWnd;
    ASSERT_TRUE(::IsWindowVisible(hMiniFrame));
    floating.DestroyWindow();
    EXPECT_EQ(0, pFloatDock->GetDockedCount());
    EXPECT_FALSE(::IsWindowVisible(hMiniFrame));  // no empty frame left on the screen
    m_app.OnIdle(0);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(nullptr, floating.m_pDockBar);
}
