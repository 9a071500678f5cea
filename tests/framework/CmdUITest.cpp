// CCmdUI: ON_UPDATE_COMMAND_UI handlers enable, check, mark and retitle menu items when a popup opens
// (WM_INITMENUPOPUP through AfxUpdateMenuCommandUI; the frame's own wiring and automatic disabling are in
// FrameWndTest), and the same object updates plain windows (buttons, edits) through m_pOther.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext/TestExtDll.h"

namespace {

constexpr UINT ID_SELF_DELETING = 20871;
constexpr UINT ID_AFTER_DELETED = 20872;
constexpr UINT ID_ROUTED_ON = 20873;

// A window with the handlers of the test menu; its WM_INITMENUPOPUP updates the popup like a frame.
class CCommandWnd : public CWnd {
public:
    BOOL m_bAutoMenuEnable = TRUE;
    BOOL m_bCanSave = FALSE;
    UINT m_nAlign = ID_TEST_CENTER;
    CString m_strOpenText = _T("&Open...\tCtrl+O");
    BOOL m_bDisableRecent = FALSE;

    std::vector<UINT> m_updated;       // ids whose update handler ran, in order
    std::vector<BOOL> m_subMenuFlags;  // for each: whether the item opened a popup
    CMenu* m_pLastParentMenu = nullptr;

    BOOL CreateHidden() {
        return CreateEx(0, AfxRegisterWndClass(0), _T("Commands"), WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                        nullptr, nullptr);
    }

    void SendInitMenuPopup(HMENU hPopup) { SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup)); }

protected:
    void Record(CCmdUI* pCmdUI) {
        m_updated.push_back(pCmdUI->m_nID);
        m_subMenuFlags.push_back(pCmdUI->m_pSubMenu != nullptr);
        m_pLastParentMenu = pCmdUI->m_pParentMenu;
    }

    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL) {
        AfxUpdateMenuCommandUI(this, pPopupMenu, m_bAutoMenuEnable);
    }
    afx_msg void OnNew() {}
    afx_msg void OnOpen() {}
    afx_msg void OnAlign(UINT) {}
    afx_msg void OnUpdateNew(CCmdUI* pCmdUI) { Record(pCmdUI); }  // no decision: stays as it is
    afx_msg void OnUpdateOpen(CCmdUI* pCmdUI) {
        Record(pCmdUI);
        pCmdUI->SetText(m_strOpenText);
        pCmdUI->SetCheck(1);
    }
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) {
        Record(pCmdUI);
        pCmdUI->Enable(m_bCanSave);
    }
    afx_msg void OnUpdateRecent(CCmdUI* pCmdUI) {
        Record(pCmdUI);
        pCmdUI->Enable(!m_bDisableRecent);
    }
    afx_msg void OnUpdateAlign(CCmdUI* pCmdUI) {
        Record(pCmdUI);
        pCmdUI->SetRadio(pCmdUI->m_nID == m_nAlign);
    }
    afx_msg void OnUpdateSelfDeleting(CCmdUI* pCmdUI) {
        Record(pCmdUI);
        pCmdUI->m_pMenu->DeleteMenu(pCmdUI->m_nIndex, MF_BYPOSITION);
    }
    afx_msg void OnUpdateAfterDeleted(CCmdUI* pCmdUI) { Record(pCmdUI); }
    afx_msg void OnUpdateRouted(CCmdUI* pCmdUI) {
        Record(pCmdUI);
        pCmdUI->ContinueRouting();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
ON_WM_INITMENUPOPUP()
ON_COMMAND(ID_TEST_NEW, &CCommandWnd::OnNew)
ON_COMMAND(ID_TEST_OPEN, &CCommandWnd::OnOpen)
ON_COMMAND_RANGE(ID_TEST_LEFT, ID_TEST_RIGHT, &CCommandWnd::OnAlign)
ON_UPDATE_COMMAND_UI(ID_TEST_NEW, &CCommandWnd::OnUpdateNew)
ON_UPDATE_COMMAND_UI(ID_TEST_OPEN, &CCommandWnd::OnUpdateOpen)
ON_UPDATE_COMMAND_UI(ID_TEST_SAVE, &CCommandWnd::OnUpdateSave)
ON_UPDATE_COMMAND_UI(ID_TEST_RECENT1, &CCommandWnd::OnUpdateRecent)
ON_UPDATE_COMMAND_UI_RANGE(ID_TEST_LEFT, ID_TEST_RIGHT, &CCommandWnd::OnUpdateAlign)
ON_UPDATE_COMMAND_UI(ID_SELF_DELETING, &CCommandWnd::OnUpdateSelfDeleting)
ON_UPDATE_COMMAND_UI(ID_AFTER_DELETED, &CCommandWnd::OnUpdateAfterDeleted)
ON_UPDATE_COMMAND_UI(ID_ROUTED_ON, &CCommandWnd::OnUpdateRouted)
END_MESSAGE_MAP()

bool IsEnabled(CMenu* pMenu, UINT nPos) {
    return !(pMenu->GetMenuState(nPos, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
}

bool IsChecked(CMenu* pMenu, UINT nPos) {
    return (pMenu->GetMenuState(nPos, MF_BYPOSITION) & MF_CHECKED) != 0;
}

bool IsRadio(CMenu* pMenu, UINT nPos) {
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    pMenu->GetMenuItemInfo(nPos, &mii, TRUE);
    return (mii.fType & MFT_RADIOCHECK) != 0;
}

// For each item: 'r' checked with a bullet, 'c' checked with a check mark, '-' not checked.
std::string Marks(CMenu* pMenu) {
    std::string marks;
    for (UINT i = 0; i < static_cast<UINT>(pMenu->GetMenuItemCount()); ++i)
        marks += !IsChecked(pMenu, i) ? '-' : IsRadio(pMenu, i) ? 'r' : 'c';
    return marks;
}

CString ItemText(CMenu* pMenu, UINT nPos) {
    CString str;
    pMenu->GetMenuString(nPos, str, MF_BYPOSITION);
    return str;
}

class CmdUIMenu : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_wnd.CreateHidden());
        ASSERT_TRUE(m_menu.LoadMenu(IDR_TEST_MENU));
        m_pFile = m_menu.GetSubMenu(0);
        m_pAlign = m_menu.GetSubMenu(1);
    }
    void TearDown() override {
        if (m_wnd.m_hWnd) {
            ::SetMenu(m_wnd.m_hWnd, nullptr);
            m_wnd.DestroyWindow();
        }
    }

    CCommandWnd m_wnd;
    CMenu m_menu;
    CMenu* m_pFile = nullptr;   // New, Open..., separator, Save, Recent >
    CMenu* m_pAlign = nullptr;  // Left, Center, Right
};

}  // namespace

TEST_F(CmdUIMenu, UpdateHandlersRunInItemOrderSkippingSeparators) {
    m_wnd.SendInitMenuPopup(m_pFile->m_hMenu);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_RECENT1}), m_wnd.m_updated);
    EXPECT_EQ((std::vector<BOOL>{FALSE, FALSE, FALSE, TRUE}), m_wnd.m_subMenuFlags)
        << "the popup item is updated under its first item's id, with m_pSubMenu set";
}

TEST_F(CmdUIMenu, EnableFollowsTheHandlerAndACommandHandlerEnablesWithoutADecision) {
    m_pFile->EnableMenuItem(0, MF_BYPOSITION | MF_GRAYED);
    m_wnd.SendInitMenuPopup(m_pFile->m_hMenu);
    EXPECT_FALSE(IsEnabled(m_pFile, 3)) << "Save disabled by its handler";
    EXPECT_TRUE(IsEnabled(m_pFile, 0)) << "New has ON_COMMAND: auto-enable turns it on";
    m_wnd.m_bCanSave = TRUE;
    m_wnd.SendInitMenuPopup(m_pFile->m_hMenu);
    EXPECT_TRUE(IsEnabled(m_pFile, 3)) << "and enabled again";
}

TEST_F(CmdUIMenu, PopupItemsAndSystemCommandsAreNeverDisabledAutomatically) {
    m_wnd.m_bDisableRecent = TRUE;  // the handler of Recent's first item disables
    m_pFile->AppendMenu(MF_STRING, SC_CLOSE, _T("Close"));
    m_wnd.SendInitMenuPopup(m_pFile->m_hMenu);
    EXPECT_TRUE(IsEnabled(m_pFile, 4)) << "the popup item is not changed through its first item";
    EXPECT_TRUE(IsEnabled(m_pFile, 5)) << "system command without handler";

    CMenu* pRecent = m_pFile->GetSubMenu(4);
    m_wnd.SendInitMenuPopup(pRecent->m_hMenu);
    EXPECT_FALSE(IsEnabled(pRecent, 0)) << "inside its own popup the item is disabled";
    EXPECT_FALSE(IsEnabled(pRecent, 1)) << "second recent item has no handler at all";
}

TEST_F(CmdUIMenu, SetRadioMarksOneItemWithABulletAndSetCheckWithACheckMark) {
    m_wnd.SendInitMenuPopup(m_pAlign->m_hMenu);
    EXPECT_EQ(Marks(m_pAlign), "-r-");
    m_wnd.m_nAlign = ID_TEST_RIGHT;
    m_wnd.SendInitMenuPopup(m_pAlign->m_hMenu);
    EXPECT_EQ(Marks(m_pAlign), "--r");

    m_pFile->CheckMenuRadioItem(0, 1, 1, MF_BYPOSITION);  // Open starts as a radio item
    m_wnd.SendInitMenuPopup(m_pFile->m_hMenu);
    EXPECT_EQ(Marks(m_pFile).substr(0, 2), "-c");
}

TEST_F(CmdUIMenu, SetTextKeepsIdStateAndPosition) {
    m_wnd.m_strOpenText = _T("打开最近的课程\tCtrl+O");
    m_wnd.m_bAutoMenuEnable = FALSE;
    m_pFile->EnableMenuItem(1, MF_BYPOSITION | MF_GRAYED);
    m_wnd.SendInitMenuPopup(m_pFile->m_hMenu);
    EXPECT_EQ(0, lstrcmp(_T("打开最近的课程\tCtrl+O"), ItemText(m_pFile, 1)));
    EXPECT_EQ(static_cast<UINT>(ID_TEST_OPEN), m_pFile->GetMenuItemID(1));
    EXPECT_FALSE(IsEnabled(m_pFile, 1)) << "state kept";
    EXPECT_TRUE(IsChecked(m_pFile, 1));
    EXPECT_EQ(5u, m_pFile->GetMenuItemCount());
}

TEST_F(CmdUIMenu, SetTextTurnsBitmapItemIntoTextItem) {
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(8, 8, 1, 32, nullptr));
    m_pFile->ModifyMenu(1, MF_BYPOSITION, ID_TEST_OPEN, &bmp);
    m_wnd.SendInitMenuPopup(m_pFile->m_hMenu);
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    m_pFile->GetMenuItemInfo(1, &mii, TRUE);
    EXPECT_FALSE(mii.fType & MFT_BITMAP);
    EXPECT_EQ(0, lstrcmp(_T("&Open...\tCtrl+O"), ItemText(m_pFile, 1)));
}

TEST_F(CmdUIMenu, HandlerDeletingItsItemDoesNotSkipTheNext) {
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_TEST_NEW, _T("New"));
    popup.AppendMenu(MF_STRING, ID_SELF_DELETING, _T("Goes away"));
    popup.AppendMenu(MF_STRING, ID_AFTER_DELETED, _T("Still updated"));
    popup.AppendMenu(MF_STRING, ID_TEST_SAVE, _T("Save"));
    m_wnd.SendInitMenuPopup(popup.m_hMenu);
    EXPECT_EQ((std::vector<UINT>{ID_TEST_NEW, ID_SELF_DELETING, ID_AFTER_DELETED, ID_TEST_SAVE}),
              m_wnd.m_updated);
    EXPECT_EQ(3u, popup.GetMenuItemCount());
    EXPECT_FALSE(IsEnabled(&popup, 2)) << "Save disabled at its new position";
}

TEST_F(CmdUIMenu, ParentMenuIsTheWindowsMenuBar) {
    ASSERT_TRUE(::SetMenu(m_wnd.m_hWnd, m_menu.m_hMenu));
    m_wnd.SendInitMenuPopup(m_pFile->m_hMenu);
    ASSERT_NE(nullptr, m_wnd.m_pLastParentMenu);
    EXPECT_EQ(m_menu.m_hMenu, m_wnd.m_pLastParentMenu->m_hMenu);

    CMenu loose;
    ASSERT_TRUE(loose.CreatePopupMenu());
    loose.AppendMenu(MF_STRING, ID_TEST_NEW, _T("New"));
    m_wnd.SendInitMenuPopup(loose.m_hMenu);
    EXPECT_EQ(nullptr, m_wnd.m_pLastParentMenu) << "a popup that is not on the bar";
}

// ---- DoUpdate on its own ----

TEST_F(CmdUIMenu, ContinueRoutingLeavesTheDecisionToAutoEnableAndDoUpdateAnswersWhetherAHandlerUpdated) {
    // A handler that continues routing without a decision: auto-enable still decides.
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_ROUTED_ON, _T("Routed"));
    m_wnd.SendInitMenuPopup(popup.m_hMenu);
    EXPECT_EQ((std::vector<UINT>{ID_ROUTED_ON}), m_wnd.m_updated);
    EXPECT_FALSE(IsEnabled(&popup, 0)) << "no one handles the command itself";
    popup.EnableMenuItem(0, MF_BYPOSITION | MF_ENABLED);

    CCmdUI state;
    state.m_pMenu = m_pFile;
    state.m_nIndexMax = m_pFile->GetMenuItemCount();
    state.m_nIndex = 3;
    state.m_nID = ID_TEST_SAVE;
    EXPECT_TRUE(state.DoUpdate(&m_wnd, FALSE));
    EXPECT_TRUE(state.m_bEnableChanged);

    state.m_pMenu = &popup;
    state.m_nIndexMax = 1;
    state.m_nIndex = 0;
    state.m_nID = ID_ROUTED_ON;
    EXPECT_FALSE(state.DoUpdate(&m_wnd, FALSE)) << "the handler asked to continue routing";

    state.m_nID = 0;
    EXPECT_TRUE(state.DoUpdate(&m_wnd, TRUE)) << "separator ids are ignored";
    EXPECT_TRUE(IsEnabled(&popup, 0));
}

// ---- windows as user-interface items ----

namespace {

class CmdUIWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateHidden());
        m_hCheck =
            ::CreateWindow(_T("BUTTON"), _T("Check"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTO3STATE, 0,
                           0, 80, 20, m_parent.m_hWnd, reinterpret_cast<HMENU>(1), nullptr, nullptr);
        m_hEdit = ::CreateWindow(_T("EDIT"), _T("Text"), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 30, 80, 20,
                                 m_parent.m_hWnd, reinterpret_cast<HMENU>(2), nullptr, nullptr);
        ASSERT_NE(nullptr, m_hCheck);
        ASSERT_NE(nullptr, m_hEdit);
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CCmdUI For(HWND hWnd) {
        CCmdUI state;
        state.m_pOther = CWnd::FromHandle(hWnd);
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hWnd));
        return state;
    }

    CCommandWnd m_parent;
    HWND m_hCheck = nullptr;
    HWND m_hEdit = nullptr;
};

}  // namespace

TEST_F(CmdUIWindow, EnableSetCheckSetRadioAndSetTextReachTheWindowChecksOnlyButtonsAndTextsOnlyWhenChanged) {
    CCmdUI check = For(m_hCheck);
    check.Enable(FALSE);
    EXPECT_FALSE(::IsWindowEnabled(m_hCheck));
    EXPECT_TRUE(check.m_bEnableChanged);
    check.Enable(TRUE);
    EXPECT_TRUE(::IsWindowEnabled(m_hCheck));
    check.SetCheck(1);
    EXPECT_EQ(BST_CHECKED, ::SendMessage(m_hCheck, BM_GETCHECK, 0, 0));
    check.SetRadio(FALSE);
    EXPECT_EQ(BST_UNCHECKED, ::SendMessage(m_hCheck, BM_GETCHECK, 0, 0));
    check.SetCheck(2);
    EXPECT_EQ(BST_INDETERMINATE, ::SendMessage(m_hCheck, BM_GETCHECK, 0, 0));

    CCmdUI edit = For(m_hEdit);
    edit.SetCheck(1);  // an edit has no check state: nothing happens
    TCHAR sz[16];
    ::GetWindowText(m_hEdit, sz, _countof(sz));
    EXPECT_EQ(0, lstrcmp(_T("Text"), sz));

    // SetText changes the window text only when it differs.
    edit.SetText(_T("课程"));
    ::GetWindowText(m_hEdit, sz, _countof(sz));
    EXPECT_EQ(0, lstrcmp(_T("课程"), sz));

    // An edit's modify flag is cleared by WM_SETTEXT: set it, then set the same text again.
    ::SendMessage(m_hEdit, EM_SETMODIFY, TRUE, 0);
    edit.SetText(_T("课程"));
    EXPECT_TRUE(::SendMessage(m_hEdit, EM_GETMODIFY, 0, 0)) << "unchanged text is not set again";
    edit.SetText(_T("Lesson"));
    EXPECT_FALSE(::SendMessage(m_hEdit, EM_GETMODIFY, 0, 0));
}

TEST_F(CmdUIWindow, DisablingTheFocusedControlMovesTheFocusOn) {
    m_parent.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_parent.m_hWnd);
    ::SetFocus(m_hEdit);
    ASSERT_EQ(::GetFocus(), m_hEdit);
    CCmdUI edit = For(m_hEdit);
    edit.Enable(FALSE);
    EXPECT_FALSE(::IsWindowEnabled(m_hEdit));
    EXPECT_EQ(m_hCheck, ::GetFocus()) << "the next tab stop";
}
