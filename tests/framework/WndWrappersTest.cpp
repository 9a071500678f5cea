// CWnd wrappers whose behaviour goes beyond the system call they wrap: texts in both character sets,
// style changes with frame recalculation, owners and parents, descendants, centring, scroll limits,
// dialog-item helpers, tool hit tests, the current message and the modal loop.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

#include "FrameworkKit.h"
#include "MessagePump.h"

namespace {

class CWrapperHost : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_top.CreateEx(0, AfxRegisterWndClass(0), _T("top"), WS_POPUP, 100, 100, 300, 200,
                                   nullptr, nullptr));
    }
    void TearDown() override {
        if (m_top.m_hWnd) m_top.DestroyWindow();
        AfxLockTempMaps();
        AfxUnlockTempMaps();
    }
    CWnd m_top;
};

using WndWrappers = CWrapperHost;

// Members that forward to one call: each row shows that the arguments arrive in their places and the answer
// comes back (texts in both character sets, signed numbers, button ranges, scroll values, the topmost
// places).
TEST_F(WndWrappers, ForwardingMembersPassTheirArgumentsInPlace) {
    CWnd edit, radio1, radio2, radio3, check, scrolled;
    const CString strText(_T("课程 Lesson 价格"));  // UTF-16, or GBK double-byte characters
    ASSERT_TRUE(edit.Create(_T("EDIT"), _T(""), WS_VISIBLE, CRect(0, 0, 100, 20), &m_top, 10));
    // clang-format off
    ASSERT_TRUE(radio1.Create(_T("BUTTON"), _T("1"), BS_RADIOBUTTON | WS_GROUP, CRect(0, 0, 50, 20), &m_top, 21));
    ASSERT_TRUE(radio2.Create(_T("BUTTON"), _T("2"), BS_RADIOBUTTON, CRect(0, 20, 50, 40), &m_top, 22));
    ASSERT_TRUE(radio3.Create(_T("BUTTON"), _T("3"), BS_RADIOBUTTON, CRect(0, 40, 50, 60), &m_top, 23));
    ASSERT_TRUE(check.Create(_T("BUTTON"), _T("c"), BS_CHECKBOX, CRect(0, 60, 50, 80), &m_top, 24));
    ASSERT_TRUE(scrolled.Create(nullptr, _T(""), WS_VSCROLL | WS_VISIBLE, CRect(0, 0, 100, 100), &m_top, 1));
    // clang-format on
    CString str;
    TCHAR sz[5] = {};
    BOOL bTrans = FALSE;
    auto si = riztest::SizedInfo<SCROLLINFO>(SIF_RANGE | SIF_PAGE | SIF_POS);
    si.nMax = 99;
    si.nPage = 10;
    auto read = riztest::SizedInfo<SCROLLINFO>(SIF_ALL);
    int nMin = -1, nMax = -1;
    const UINT nNoMove = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    // The rows run in order: a braced list is evaluated from left to right.
    // clang-format off
    riztest::ExpectRows<INT_PTR>({
        ROW((m_top.SetWindowText(strText), m_top.GetWindowText(str), str == strText), TRUE),
        ROW(m_top.GetWindowTextLength() >= strText.GetLength(), TRUE),
        ROW(m_top.GetWindowText(sz, 5) <= 4 && lstrlen(sz) <= 4, TRUE),
        ROW((m_top.SetWindowText(_T("")), m_top.GetWindowText(str), str.IsEmpty()), TRUE),
        ROW((m_top.SetDlgItemText(10, _T("一二三")), m_top.GetDlgItemText(10, str)), CString(_T("一二三")).GetLength()),
        ROW(str == _T("一二三"), TRUE), ROW(m_top.GetDlgItemText(99, str) == 0 && str.IsEmpty(), TRUE),
        ROW((m_top.SetDlgItemInt(10, static_cast<UINT>(-42), TRUE), static_cast<int>(m_top.GetDlgItemInt(10, &bTrans, TRUE))), -42),
        ROW(bTrans, TRUE),
        ROW(m_top.GetCheckedRadioButton(21, 23), 0),
        ROW((m_top.CheckRadioButton(21, 23, 22), m_top.GetCheckedRadioButton(21, 23)), 22),
        ROW((m_top.CheckRadioButton(21, 23, 23), m_top.GetCheckedRadioButton(21, 23)), 23),
        ROW(m_top.IsDlgButtonChecked(22), BST_UNCHECKED),
        ROW((m_top.CheckDlgButton(24, BST_CHECKED), m_top.IsDlgButtonChecked(24)), BST_CHECKED),
        ROW((scrolled.SetScrollInfo(SB_VERT, &si), scrolled.GetScrollLimit(SB_VERT)), 90),
        ROW(scrolled.SetScrollPos(SB_VERT, 95), 0), ROW(scrolled.GetScrollPos(SB_VERT), 90),
        ROW(scrolled.GetScrollInfo(SB_VERT, &read, SIF_ALL) && read.nMax == 99 && read.nPage == 10u, TRUE),
        ROW((scrolled.GetScrollRange(SB_VERT, &nMin, &nMax), nMin * 1000 + nMax), 99),
        ROW(m_top.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, nNoMove) && (m_top.GetExStyle() & WS_EX_TOPMOST), TRUE),
        ROW(m_top.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, nNoMove) && !(m_top.GetExStyle() & WS_EX_TOPMOST), TRUE)});
    // clang-format on
}

// Records WM_NCCALCSIZE, so that a frame change is visible.
class CFrameWatcher : public CWnd {
public:
    int m_nCalcSize = 0;
    int m_nStyleChanged = 0;

protected:
    afx_msg void OnNcCalcSize(BOOL b, NCCALCSIZE_PARAMS* p) {
        ++m_nCalcSize;
        CWnd::OnNcCalcSize(b, p);
    }
    afx_msg void OnStyleChanged(int, LPSTYLESTRUCT) { ++m_nStyleChanged; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFrameWatcher, CWnd)
ON_WM_NCCALCSIZE()
ON_WM_STYLECHANGED()
END_MESSAGE_MAP()

TEST_F(WndWrappers, ModifyStyleRecalculatesTheFrameOnlyWhenAsked) {
    CFrameWatcher wnd;
    ASSERT_TRUE(wnd.Create(nullptr, _T(""), WS_VISIBLE, CRect(0, 0, 100, 50), &m_top, 1));
    CRect rcBefore;
    wnd.GetClientRect(&rcBefore);

    wnd.m_nCalcSize = 0;
    EXPECT_TRUE(wnd.ModifyStyle(0, WS_BORDER));
    EXPECT_EQ(wnd.m_nCalcSize, 0);  // no flags: the style changes, the frame is not recomputed
    EXPECT_EQ(wnd.m_nStyleChanged, 1);
    EXPECT_FALSE(wnd.ModifyStyle(0, WS_BORDER));  // nothing to change
    EXPECT_EQ(wnd.m_nStyleChanged, 1);

    EXPECT_TRUE(wnd.ModifyStyle(WS_BORDER, WS_THICKFRAME, SWP_FRAMECHANGED));
    EXPECT_GE(wnd.m_nCalcSize, 1);
    CRect rcAfter;
    wnd.GetClientRect(&rcAfter);
    EXPECT_LT(rcAfter.Width(), rcBefore.Width());  // the thick frame takes room

    wnd.m_nCalcSize = 0;
    EXPECT_TRUE(wnd.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED));
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_GE(wnd.m_nCalcSize, 1);
}

TEST_F(WndWrappers, OwnerDefaultsToTheParentUntilSet) {
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, _T(""), 0, CRect(0, 0, 10, 10), &m_top, 1));
    EXPECT_EQ(child.GetOwner(), &m_top);
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    child.SetOwner(&other);
    EXPECT_EQ(child.GetOwner(), &other);
    EXPECT_EQ(child.GetParent(), &m_top);  // the parent is unchanged
    child.SetOwner(nullptr);
    EXPECT_EQ(child.GetOwner(), &m_top);
}

class CFakeFrame : public CWnd {
public:
    BOOL IsFrameWnd() const override { return TRUE; }
};

TEST(WndRelatives, ParentFrameTopLevelParentAndTopLevelFrame) {
    CFakeFrame outer;
    ASSERT_TRUE(
        outer.CreateEx(0, AfxRegisterWndClass(0), _T("outer"), WS_POPUP, 0, 0, 200, 200, nullptr, nullptr));
    CFakeFrame inner;
    ASSERT_TRUE(inner.Create(nullptr, _T("inner"), 0, CRect(0, 0, 150, 150), &outer, 1));
    CWnd pane;
    ASSERT_TRUE(pane.Create(nullptr, _T("pane"), 0, CRect(0, 0, 100, 100), &inner, 2));
    CWnd leaf;
    ASSERT_TRUE(leaf.Create(_T("STATIC"), _T("leaf"), 0, CRect(0, 0, 50, 50), &pane, 3));

    EXPECT_EQ(reinterpret_cast<CWnd*>(leaf.GetParentFrame()), &inner);
    EXPECT_EQ(reinterpret_cast<CWnd*>(inner.GetParentFrame()), &outer);
    EXPECT_EQ(outer.GetParentFrame(), nullptr);
    EXPECT_EQ(reinterpret_cast<CWnd*>(leaf.GetTopLevelFrame()), &outer);
    EXPECT_EQ(leaf.GetTopLevelParent(), &outer);
    EXPECT_EQ(leaf.GetTopLevelOwner(), &outer);
    EXPECT_TRUE(outer.IsChild(&leaf));
    EXPECT_FALSE(leaf.IsChild(&outer));

    EXPECT_EQ(outer.GetDescendantWindow(3), &leaf);  // found below the direct children
    EXPECT_EQ(outer.GetDescendantWindow(2, TRUE), &pane);
    EXPECT_EQ(outer.GetDescendantWindow(4), nullptr);
    EXPECT_EQ(pane.GetDlgItem(3), &leaf);
    EXPECT_EQ(outer.GetDlgItem(3), nullptr);  // not a direct child
    outer.DestroyWindow();
}

// Counts the messages of one kind it receives.
class CCounter : public CWnd {
public:
    int m_nReceived = 0;

protected:
    afx_msg LRESULT OnCount(WPARAM, LPARAM) {
        ++m_nReceived;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCounter, CWnd)
ON_MESSAGE(WM_APP + 7, &CCounter::OnCount)
END_MESSAGE_MAP()

LRESULT CALLBACK CountingRawProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP + 7)
        ::SetWindowLongPtr(hWnd, GWLP_USERDATA, ::GetWindowLongPtr(hWnd, GWLP_USERDATA) + 1);
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

TEST_F(WndWrappers, SendMessageToDescendantsDeepShallowAndPermanentOnly) {
    CCounter child;
    ASSERT_TRUE(child.Create(nullptr, _T(""), 0, CRect(0, 0, 50, 50), &m_top, 1));
    CCounter grandChild;
    ASSERT_TRUE(grandChild.Create(nullptr, _T(""), 0, CRect(0, 0, 20, 20), &child, 2));
    WNDCLASS wc = {};
    wc.lpfnWndProc = &CountingRawProc;
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.lpszClassName = _T("RIZTestDescendantRaw");
    AfxRegisterClass(&wc);
    HWND hRaw = ::CreateWindow(wc.lpszClassName, _T(""), WS_CHILD, 0, 0, 5, 5, child.m_hWnd, nullptr,
                               ::GetModuleHandle(nullptr), nullptr);

    EXPECT_TRUE(child.PostMessage(WM_APP + 7));  // posted: arrives at the pump
    EXPECT_EQ(child.m_nReceived, 0);
    riztest::PumpUntilIdle();
    m_top.SendMessageToDescendants(WM_APP + 7, 0, 0, FALSE);
    EXPECT_EQ(child.m_nReceived, 2);
    EXPECT_EQ(grandChild.m_nReceived, 0);

    m_top.SendMessageToDescendants(WM_APP + 7, 0, 0, TRUE);
    EXPECT_EQ(child.m_nReceived, 3);
    EXPECT_EQ(grandChild.m_nReceived, 1);
    EXPECT_EQ(::GetWindowLongPtr(hRaw, GWLP_USERDATA), 1);

    m_top.SendMessageToDescendants(WM_APP + 7, 0, 0, TRUE, TRUE);
    EXPECT_EQ(child.m_nReceived, 4);
    EXPECT_EQ(grandChild.m_nReceived, 2);
    EXPECT_EQ(::GetWindowLongPtr(hRaw, GWLP_USERDATA), 1);  // no permanent object: skipped
}

TEST_F(WndWrappers, CenterWindowCentresAChildInItsParent) {
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, _T(""), 0, CRect(0, 0, 100, 50), &m_top, 1));
    child.CenterWindow();
    CRect rc;
    child.GetWindowRect(&rc);
    m_top.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(100, 75, 200, 125));
}

TEST_F(WndWrappers, CenterWindowKeepsAPopupOnItsWorkArea) {
    CWnd popup;
    ASSERT_TRUE(
        popup.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, -5000, -5000, 120, 80, nullptr, nullptr));
    popup.CenterWindow();
    CRect rc;
    popup.GetWindowRect(&rc);
    CRect rcWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_GE(rc.left, rcWork.left);
    EXPECT_GE(rc.top, rcWork.top);
    EXPECT_LE(rc.right, rcWork.right);
    EXPECT_LE(rc.bottom, rcWork.bottom);
    EXPECT_EQ(rc.Width(), 120);
}

TEST_F(WndWrappers, ToolHitTestNamesTheChildUnderThePoint) {
    CWnd button;
    ASSERT_TRUE(button.Create(_T("BUTTON"), _T("b"), WS_VISIBLE, CRect(10, 10, 60, 40), &m_top, 31));
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(m_top.OnToolHitTest(CPoint(20, 20), &ti), 31);
    EXPECT_EQ(ti.hwnd, m_top.m_hWnd);
    EXPECT_EQ(ti.uId, reinterpret_cast<UINT_PTR>(button.m_hWnd));
    EXPECT_TRUE(ti.uFlags & TTF_IDISHWND);
    EXPECT_EQ(m_top.OnToolHitTest(CPoint(200, 150), nullptr), -1);  // over the window itself
}

// Update handlers for the controls of a dialog-like window.
class CUpdatingWnd : public CWnd {
protected:
    afx_msg void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnHandledCommand() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdatingWnd, CWnd)
ON_UPDATE_COMMAND_UI(41, &CUpdatingWnd::OnUpdateCheck)
ON_UPDATE_COMMAND_UI(42, &CUpdatingWnd::OnUpdateDisabled)
ON_COMMAND(44, &CUpdatingWnd::OnHandledCommand)
END_MESSAGE_MAP()

TEST(WndDialogControls, UpdateDialogControlsRunsTheUpdateHandlers) {
    CUpdatingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 200, 200, nullptr, nullptr));
    CWnd check, disabled, orphan, handled, autoCheck;
    ASSERT_TRUE(check.Create(_T("BUTTON"), _T(""), BS_CHECKBOX, CRect(0, 0, 50, 20), &wnd, 41));
    ASSERT_TRUE(disabled.Create(_T("BUTTON"), _T(""), BS_PUSHBUTTON, CRect(0, 20, 50, 40), &wnd, 42));
    ASSERT_TRUE(orphan.Create(_T("BUTTON"), _T(""), BS_PUSHBUTTON, CRect(0, 40, 50, 60), &wnd, 43));
    ASSERT_TRUE(handled.Create(_T("BUTTON"), _T(""), BS_PUSHBUTTON, CRect(0, 60, 50, 80), &wnd, 44));
    ASSERT_TRUE(autoCheck.Create(_T("BUTTON"), _T(""), BS_AUTOCHECKBOX, CRect(0, 80, 50, 100), &wnd, 45));

    wnd.UpdateDialogControls(&wnd, TRUE);
    EXPECT_EQ(wnd.IsDlgButtonChecked(41), static_cast<UINT>(BST_CHECKED));
    EXPECT_FALSE(disabled.IsWindowEnabled());
    EXPECT_FALSE(orphan.IsWindowEnabled());    // a push button nobody handles
    EXPECT_TRUE(handled.IsWindowEnabled());    // a command handler keeps it enabled
    EXPECT_TRUE(autoCheck.IsWindowEnabled());  // self-contained buttons are left alone

    orphan.EnableWindow(TRUE);
    wnd.UpdateDialogControls(&wnd, FALSE);
    EXPECT_TRUE(orphan.IsWindowEnabled());
    EXPECT_FALSE(disabled.IsWindowEnabled());
}

// ---- Current message and modal loop ----

class CModalWnd : public CWnd {
public:
    std::vector<UINT> m_seen;
    int m_nKicks = 0;

protected:
    afx_msg LRESULT OnStep(WPARAM wParam, LPARAM) {
        m_seen.push_back(GetCurrentMessage()->message);
        if (wParam == 3) EndModalLoop(static_cast<int>(wParam) * 10);
        return 0;
    }
    // The first time the queue goes idle, the input arrives.
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM) {
        if (++m_nKicks == 1) {
            for (WPARAM i = 1; i <= 5; ++i)
                PostMessage(WM_APP + 9, i, 0);
        }
        return FALSE;  // no more idle work
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalWnd, CWnd)
ON_MESSAGE(WM_APP + 9, &CModalWnd::OnStep)
ON_MESSAGE(WM_KICKIDLE, &CModalWnd::OnKickIdle)
END_MESSAGE_MAP()

TEST_F(WndWrappers, RunModalLoopRunsUntilEndModalLoop) {
    CModalWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), _T("modal"), WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(wnd.RunModalLoop(), 30);
    EXPECT_EQ(wnd.m_seen.size(), 3u);  // the loop ended right after the third
    EXPECT_FALSE(wnd.ContinueModal());
    EXPECT_FALSE(wnd.m_nFlags & WF_MODALLOOP);
    EXPECT_EQ(wnd.m_nKicks, 1);
    for (UINT message : wnd.m_seen)
        EXPECT_EQ(message, static_cast<UINT>(WM_APP + 9));  // GetCurrentMessage named the message handled
    riztest::PumpUntilIdle();
    EXPECT_EQ(wnd.m_seen.size(), 5u);
}

}  // namespace
