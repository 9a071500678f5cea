// CQVEdit through real windows and messages: the frame inset and the skin border read from the screen,
// background colours, transparent mode against the parent's pixels, the cue and the password overlay
// through real focus changes, Enter offered to the parent under DoModal, auto-size, skin changes.
#include "QVEditFixture.h"

#include <QVSkinResManager.h>

#include <functional>
#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"

using namespace qvetest;
using riztest::ColorNear;
using riztest::RingPixelsOtherThan;
using riztest::WindowCapture;

namespace {

constexpr UINT kCreatedId = 720;

// The client rectangle in window coordinates: how far the frame reaches in on each side.
CRect ClientInWindow(HWND hWnd) {
    return CRect(riztest::ClientInsetInWindow(hWnd));
}

}  // namespace

// ---- Frame ----

TEST_F(EditTest, FrameInsetPerStyleAfterThePostedRecalculation) {
    const int cxScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    const struct {
        DWORD dwExStyle, dwStyle;
        CRect inset;  // left, top, right, bottom
    } rows[] = {
        {WS_EX_CLIENTEDGE, 0, CRect(1, 1, 1, 1)},
        {WS_EX_CLIENTEDGE, WS_BORDER, CRect(2, 2, 2, 2)},
        {WS_EX_CLIENTEDGE, WS_VSCROLL | ES_MULTILINE, CRect(1, 1, 1 + cxScroll, 1)},
        {0, WS_BORDER, CRect()},  // the system's own frame: as a system edit's
        {0, 0, CRect()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "style " << row.dwStyle << " ex style " << row.dwExStyle);
        CQVEdit edit;
        ASSERT_TRUE(edit.CreateEx(row.dwExStyle, _T("EDIT"), _T("Lucy"), WS_CHILD | WS_VISIBLE | row.dwStyle,
                                  CRect(10, 100, 130, 124), &m_dlg, kCreatedId));
        CEdit system;
        ASSERT_TRUE(system.CreateEx(row.dwExStyle, _T("EDIT"), _T("Lucy"),
                                    WS_CHILD | WS_VISIBLE | row.dwStyle, CRect(140, 100, 260, 124), &m_dlg,
                                    kCreatedId + 1));
        Pump();
        const CRect rcSystem = ClientInWindow(system.m_hWnd);
        const CRect rcInset = ClientInWindow(edit.m_hWnd);
        const CRect rcExpected = row.dwExStyle ? row.inset : rcSystem;
        EXPECT_TRUE(rcExpected == rcInset)
            << rcInset.left << "," << rcInset.top << "," << rcInset.right << "," << rcInset.bottom;
        if (row.dwExStyle) {
            EXPECT_FALSE(rcSystem == rcInset);
        }
        edit.DestroyWindow();
        system.DestroyWindow();
    }
}

TEST_F(EditTest, SubclassedTemplateEditLosesTheSystemEdgeOnlyAtThePostedMessage) {
    const HWND hUser = ::GetDlgItem(m_dlg.m_hWnd, IDC_QVEDIT_USER);
    const CRect rcSystem = ClientInWindow(hUser);
    ASSERT_GT(rcSystem.left, 1);
    CQVEdit edit;
    Subclass(edit, IDC_QVEDIT_USER);
    EXPECT_EQ(rcSystem, ClientInWindow(hUser));
    Pump();
    EXPECT_EQ(CRect(1, 1, 1, 1), ClientInWindow(hUser));
}

TEST_F(EditTest, BorderOnScreenIsTheSkinColourAndFollowsASkinChange) {
    CQVEdit edit;
    Subclass(edit, IDC_QVEDIT_USER);
    Pump();
    {
        WindowCapture shot(edit.m_hWnd, WindowCapture::Screen, false);
        EXPECT_EQ(0, RingPixelsOtherThan(shot, kBorder));
        EXPECT_TRUE(ColorNear(RGB(255, 255, 255), shot.Pixel(1, shot.Height() - 2), 0));
    }
    ASSERT_TRUE(LoadSkin(kOtherBorder));
    EXPECT_NE(0, edit.SendMessage(WM_QV_SKINCHANGED));
    Pump();
    WindowCapture shot(edit.m_hWnd, WindowCapture::Screen, false);
    EXPECT_EQ(0, RingPixelsOtherThan(shot, kOtherBorder));

    // Without the client edge the system keeps its frame: no skin border.
    CQVEdit plain;
    ASSERT_TRUE(plain.CreateEx(0, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE | WS_BORDER,
                               CRect(10, 100, 130, 124), &m_dlg, kCreatedId));
    Pump();
    WindowCapture plainShot(plain.m_hWnd, WindowCapture::Screen, false);
    EXPECT_GT(RingPixelsOtherThan(plainShot, kOtherBorder), 0);
}

// ---- Background ----

TEST_F(EditTest, BackgroundColoursFollowTheEnabledState) {
    CQVEdit edit;
    Subclass(edit, IDC_QVEDIT_USER);
    const struct {
        bool bSetColours;
        BOOL bEnabled;
        COLORREF expected;
    } rows[] = {
        {false, TRUE, RGB(255, 255, 255)},
        {false, FALSE, RGB(202, 222, 233)},  // 0xE9DECA
        {true, FALSE, RGB(250, 240, 200)},
        {true, TRUE, RGB(230, 250, 230)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "colours " << row.bSetColours << " enabled " << row.bEnabled);
        if (row.bSetColours) edit.SetBkColor(RGB(230, 250, 230), RGB(250, 240, 200));
        edit.EnableWindow(!row.bEnabled);
        edit.EnableWindow(row.bEnabled);
        Pump();
        WindowCapture shot(edit.m_hWnd);
        CRect rc(0, 0, shot.Width(), shot.Height());
        // The text "" leaves the whole client area to the background.
        EXPECT_EQ(rc.Width() * rc.Height(), shot.CountNear(rc, row.expected, 0));
    }
}

TEST_F(EditTest, TransparentEditShowsTheParentPixelForPixelAlsoAfterTyping) {
    CQVEdit edit;
    edit.SetTransparent(TRUE);
    Subclass(edit, IDC_QVEDIT_SEARCH);
    Pump();
    EXPECT_EQ(0, OffBackground(edit.m_hWnd));

    riztest::PostChars(edit.m_hWnd, _T("Tom"));
    Pump();
    EXPECT_EQ(_T("Tom"), TextOf(edit.m_hWnd));
    EXPECT_GT(OffBackground(edit.m_hWnd), 0);  // the text is drawn
    for (int i = 0; i < 3; ++i)
        edit.SendMessage(WM_CHAR, VK_BACK, 0);
    Pump();
    EXPECT_EQ(_T(""), TextOf(edit.m_hWnd));
    EXPECT_EQ(0, OffBackground(edit.m_hWnd));

    // Disabled, the colours are not used; a new background shows once the parent says so.
    edit.EnableWindow(FALSE);
    Pump();
    EXPECT_EQ(0, OffBackground(edit.m_hWnd));
    m_dlg.m_nBackground = 1;
    QVSkin_NotifyEditPrepareTransparentBkgnd(&m_dlg);
    m_dlg.Invalidate();
    Pump();
    EXPECT_EQ(0, OffBackground(edit.m_hWnd));
}

TEST_F(EditTest, SkinChangeRebuildsTheTransparentBackground) {
    CQVEdit edit;
    edit.SetTransparent(TRUE);
    Subclass(edit, IDC_QVEDIT_NOTE);
    Pump();
    m_dlg.m_nBackground = 1;
    m_dlg.Invalidate();
    Pump();
    WindowCapture before(edit.m_hWnd);
    CRect rc = RectInDialog(edit.m_hWnd);
    EXPECT_NE(BackgroundAt(rc.left + 3, rc.top + 3, 1), before.Pixel(2, 2));  // still the old pattern
    EXPECT_NE(0, edit.SendMessage(WM_QV_SKINCHANGED));
    edit.Invalidate();
    Pump();
    WindowCapture after(edit.m_hWnd);
    EXPECT_EQ(BackgroundAt(rc.left + 3, rc.top + 3, 1), after.Pixel(2, 2));
}

// ---- Cue ----

TEST_F(EditTest, CueIsTheGreyWindowTextWhileEmptyAndUnfocused) {
    CQVEdit edit;
    Subclass(edit, IDC_QVEDIT_SEARCH);
    edit.SetTextForEmpty(_T("Search contacts"));
    Pump();
    EXPECT_TRUE(edit.TextForEmpty());
    EXPECT_EQ(_T("Search contacts"), TextOf(edit.m_hWnd));
    {
        WindowCapture shot(edit.m_hWnd);
        const CRect rc(0, 0, shot.Width(), shot.Height());
        EXPECT_GT(shot.CountNear(rc, kCue, 24), 0);
        EXPECT_EQ(0, shot.CountNear(rc, RGB(0, 0, 0), 24));
    }

    edit.SetFocus();
    Pump();
    EXPECT_FALSE(edit.TextForEmpty());
    EXPECT_EQ(_T(""), TextOf(edit.m_hWnd));

    FocusElsewhere();
    Pump();
    EXPECT_TRUE(edit.TextForEmpty());

    edit.SetFocus();
    riztest::PostChars(edit.m_hWnd, _T("Tom"));
    Pump();
    FocusElsewhere();
    Pump();
    EXPECT_FALSE(edit.TextForEmpty());
    EXPECT_EQ(_T("Tom"), TextOf(edit.m_hWnd));
    {
        WindowCapture shot(edit.m_hWnd);
        EXPECT_GT(shot.CountNear(CRect(0, 0, shot.Width(), shot.Height()), RGB(0, 0, 0), 24), 0);
    }

    // An empty cue never shows.
    CQVEdit user;
    Subclass(user, IDC_QVEDIT_USER);
    user.SetTextForEmpty(_T(""));
    user.SetFocus();
    FocusElsewhere();
    Pump();
    EXPECT_FALSE(user.TextForEmpty());
    EXPECT_EQ(_T(""), TextOf(user.m_hWnd));
}

TEST_F(EditTest, HostTextSetWhileTheCueShowsIsNeitherGreyNorWipedAtFocus) {
    const struct {
        const char* name;
        std::function<void(CQVEdit&)> set;
    } rows[] = {
        {"member", [](CQVEdit& e) { e.SetWindowText(_T("Lucy")); }},
        {"WM_SETTEXT", [](CQVEdit& e) { ::SetWindowText(e.m_hWnd, _T("Lucy")); }},
        {"base class", [](CQVEdit& e) { static_cast<CWnd&>(e).SetWindowText(_T("Lucy")); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CQVEdit edit;
        Subclass(edit, IDC_QVEDIT_SEARCH);
        ::SetWindowText(edit.m_hWnd, _T(""));
        edit.SetTextForEmpty(_T("Search contacts"));
        ASSERT_TRUE(edit.TextForEmpty());
        row.set(edit);
        EXPECT_FALSE(edit.TextForEmpty());
        Pump();
        {
            // Drawn in the text colour: black pixels, where the grey cue has none.
            WindowCapture shot(edit.m_hWnd);
            const CRect rc(0, 0, shot.Width(), shot.Height());
            EXPECT_GT(shot.CountNear(rc, RGB(0, 0, 0), 24), 0);
        }
        edit.SetFocus();
        Pump();
        EXPECT_EQ(_T("Lucy"), TextOf(edit.m_hWnd));
        FocusElsewhere();
        Pump();
        EXPECT_EQ(_T("Lucy"), TextOf(edit.m_hWnd));
        // Emptied by the member while unfocused, the cue comes back.
        edit.SetWindowText(_T(""));
        EXPECT_TRUE(edit.TextForEmpty());
        edit.SetWindowText(_T(""));
        edit.UnsubclassWindow();
    }
}

TEST_F(EditTest, DisableAndRestoreTheCue) {
    CQVEdit edit;
    Subclass(edit, IDC_QVEDIT_SEARCH);
    edit.SetTextForEmpty(_T("Search contacts"));
    edit.DisableTextForEmpty();
    EXPECT_FALSE(edit.TextForEmpty());
    EXPECT_EQ(_T(""), TextOf(edit.m_hWnd));
    edit.RestoreTextForEmtpy();
    EXPECT_TRUE(edit.TextForEmpty());
    EXPECT_EQ(_T("Search contacts"), TextOf(edit.m_hWnd));
    edit.RestoreTextForEmtpy();  // nothing suspended: stays
    EXPECT_EQ(_T("Search contacts"), TextOf(edit.m_hWnd));
}

TEST_F(EditTest, PasswordCueShowsInTheOverlayUntilTheEditIsClicked) {
    CQVEdit edit;
    Subclass(edit, IDC_QVEDIT_PASSWORD);
    edit.SetTextForEmpty(_T("Password"));
    Pump();
    ASSERT_NE(nullptr, edit.GetOverlay());
    const HWND hOverlay = edit.GetOverlay()->m_hWnd;
    EXPECT_TRUE(edit.TextForEmpty());
    EXPECT_EQ(_T(""), TextOf(edit.m_hWnd));
    EXPECT_EQ(_T("Password"), TextOf(hOverlay));
    EXPECT_TRUE(::IsWindowVisible(hOverlay));
    EXPECT_EQ(0xFFFF, ::GetDlgCtrlID(hOverlay));
    CRect rcClient;
    edit.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient, RectInDialog(hOverlay) - RectInDialog(edit.m_hWnd).TopLeft() - CPoint(1, 1));
    {
        WindowCapture shot(edit.m_hWnd);
        EXPECT_GT(shot.CountNear(CRect(0, 0, shot.Width(), shot.Height()), kCue, 24), 0);
    }

    riztest::PostClick(hOverlay, 5, 5);
    Pump();
    EXPECT_EQ(edit.m_hWnd, ::GetFocus());
    EXPECT_FALSE(::IsWindowVisible(hOverlay));
    EXPECT_FALSE(edit.TextForEmpty());

    FocusElsewhere();
    Pump();
    EXPECT_TRUE(::IsWindowVisible(hOverlay));
    EXPECT_EQ(hOverlay, edit.GetOverlay()->m_hWnd);  // made once

    edit.SetFocus();
    riztest::PostChars(edit.m_hWnd, _T("secret"));
    Pump();
    FocusElsewhere();
    Pump();
    EXPECT_FALSE(::IsWindowVisible(hOverlay));
    EXPECT_EQ(_T("secret"), TextOf(edit.m_hWnd));
}

// ---- Enter ----

// The sign-in dialog under DoModal: the user edit subclassed and focused, Enter and then Cancel posted,
// the edit's Enter command (WM_COMMAND, code 0, lParam 0) answered with lAnswer after onEnter.
static INT_PTR RunEnter(CQVEdit* pEdit, LRESULT lAnswer, int& nEnterCommands,
                        const std::function<void()>& onEnter) {
    riztest::CPatternDialog dlg(IDD_QVEDIT);
    dlg.m_onInit = [&](riztest::CPatternDialog& d) {
        ASSERT_TRUE(pEdit->SubclassDlgItem(IDC_QVEDIT_USER, &d));
        pEdit->SetFocus();
        riztest::PostKey(pEdit->m_hWnd, VK_RETURN);
        d.PostMessage(WM_COMMAND, IDCANCEL);
    };
    dlg.m_onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
        if (message != WM_COMMAND || lParam || wParam != IDC_QVEDIT_USER) return false;
        ++nEnterCommands;
        if (onEnter) onEnter();
        *pResult = lAnswer;
        return true;
    };
    return dlg.DoModal();
}

TEST(QVEditEnter, OnlyAnAnswerOfExactlyOneConsumesEnterUnderDoModal) {
    const struct {
        LRESULT lAnswer;
        INT_PTR nResult;  // IDCANCEL: the key was consumed and the posted Cancel ended the dialog
    } rows[] = {{0, IDOK}, {1, IDCANCEL}, {2, IDOK}, {-1, IDOK}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "answer " << row.lAnswer);
        CQVEdit edit;
        int nEnterCommands = 0;
        EXPECT_EQ(row.nResult, RunEnter(&edit, row.lAnswer, nEnterCommands, nullptr));
        EXPECT_EQ(1, nEnterCommands);
    }
}

TEST(QVEditEnter, ParentDestroyingTheEditInsideTheEnterCommand) {
    CQVEdit* pEdit = new CQVEdit;
    HWND hEdit = NULL;
    int nEnterCommands = 0;
    EXPECT_EQ(IDCANCEL, RunEnter(pEdit, 0, nEnterCommands, [&] {
                  hEdit = pEdit->m_hWnd;
                  delete pEdit;  // destroys the window too
                  pEdit = nullptr;
              }));
    EXPECT_EQ(nullptr, pEdit);
    EXPECT_FALSE(::IsWindow(hEdit));
}

// ---- Auto-size ----

TEST_F(EditTest, AutoSizeFitsTheTextWithinTheMaximum) {
    CQVEdit edit;
    Subclass(edit, IDC_QVEDIT_USER);
    const int cyBefore = RectInDialog(edit.m_hWnd).Height();
    edit.SetAutoSize(TRUE, 150);
    edit.SetWindowText(_T("Tom"));
    const int cxShort = RectInDialog(edit.m_hWnd).Width();
    edit.SetWindowText(_T("Tom and Lucy"));
    const int cxLong = RectInDialog(edit.m_hWnd).Width();
    EXPECT_GT(cxShort, 20);
    EXPECT_GT(cxLong, cxShort);
    EXPECT_LT(cxLong, 150);
    EXPECT_EQ(cyBefore, RectInDialog(edit.m_hWnd).Height());
    edit.SetWindowText(_T("Tom and Lucy and all the friends of the English corner"));
    EXPECT_EQ(150, RectInDialog(edit.m_hWnd).Width());
    edit.SetWindowText(_T(""));
    EXPECT_EQ(1, RectInDialog(edit.m_hWnd).Width());
    edit.SetAutoSize(FALSE);
    edit.SetWindowText(_T("Tom"));
    EXPECT_EQ(1, RectInDialog(edit.m_hWnd).Width());
}
