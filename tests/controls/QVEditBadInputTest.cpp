// CQVEdit against bad input and lifetimes: NULL and huge texts, a window of no size, release while the
// window lives, a late frame message, an edit destroyed from its overlay's focus, and soaks.
#include "QVEditFixture.h"

#include "MessagePump.h"
#include "QVEditEx.h"
#include "ResourceCounter.h"

using namespace qvetest;

namespace {

constexpr UINT kCreatedId = 730;

}  // namespace

TEST_F(EditTest, NullAndHugeTexts) {
    CQVEdit edit;
    Subclass(edit, IDC_QVEDIT_USER);
    edit.SetWindowText(_T("Tom"));
    edit.SetWindowText(nullptr);
    EXPECT_EQ(_T(""), TextOf(edit.m_hWnd));
    edit.SetTextForEmpty(nullptr);
    EXPECT_EQ(_T(""), edit.GetTextForEmpty());
    EXPECT_FALSE(edit.TextForEmpty());

    const CString strHuge(_T('w'), 100 * 1024);
    edit.SetAutoSize(TRUE, 300);
    edit.SetWindowText(strHuge);
    EXPECT_EQ(100 * 1024, edit.GetWindowTextLength());
    EXPECT_EQ(300, RectInDialog(edit.m_hWnd).Width());
    edit.SetWindowText(_T(""));
    edit.SetTextForEmpty(strHuge);
    EXPECT_TRUE(edit.TextForEmpty());
    EXPECT_EQ(100 * 1024, edit.GetWindowTextLength());

    CQVEdit password;
    Subclass(password, IDC_QVEDIT_PASSWORD);
    password.SetTextForEmpty(strHuge);
    ASSERT_NE(nullptr, password.GetOverlay());
    EXPECT_EQ(100 * 1024, password.GetOverlay()->GetWindowTextLength());
    EXPECT_EQ(0, password.GetWindowTextLength());
}

TEST_F(EditTest, WindowOfNoSize) {
    CQVEdit edit;
    edit.SetTransparent(TRUE);
    edit.SetTextForEmpty(_T("Password"));
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE | ES_PASSWORD,
                              CRect(5, 5, 5, 5), &m_dlg, kCreatedId));
    Pump();
    edit.PrepareTransparentBkgnd();
    edit.Invalidate();
    Pump();
    ASSERT_NE(nullptr, edit.GetOverlay());
    EXPECT_TRUE(edit.TextForEmpty());
    CRect rc, rcEdit;
    edit.GetOverlay()->GetWindowRect(&rc);
    edit.GetWindowRect(&rcEdit);
    EXPECT_EQ(0, rcEdit.Width()) << rcEdit.left << "," << rcEdit.top << "," << rcEdit.right << ","
                                 << rcEdit.bottom;
    EXPECT_TRUE(rc.IsRectEmpty()) << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
    EXPECT_NE(0, edit.SendMessage(WM_QV_SKINCHANGED));
}

TEST_F(EditTest, ReleasedEditWorksAsTheSystemEditAndALateFrameMessageIsHarmless) {
    for (UINT nID : {IDC_QVEDIT_USER, IDC_QVEDIT_PASSWORD}) {
        SCOPED_TRACE(testing::Message() << "edit " << nID);
        const HWND hEdit = ::GetDlgItem(m_dlg.m_hWnd, static_cast<int>(nID));
        CQVEdit* pEdit = new CQVEdit;
        Subclass(*pEdit, nID);
        pEdit->SetTextForEmpty(_T("Password"));
        pEdit->DisableTextForEmpty();  // the cue is not left behind as text
        pEdit->SetFocus();
        FocusElsewhere();  // the password edit's overlay shows
        pEdit->PostMessage(WM_QV_RECALCFRAME);
        pEdit->UnsubclassWindow();
        delete pEdit;
        Pump();
        ASSERT_TRUE(::IsWindow(hEdit));
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
        EXPECT_EQ(NULL, ::GetWindow(hEdit, GW_CHILD));  // no overlay left
        ::SetWindowText(hEdit, _T(""));
        riztest::PostChars(hEdit, _T("Lucy"));
        Pump();
        EXPECT_EQ(_T("Lucy"), TextOf(hEdit));
        ::PostMessage(hEdit, WM_QV_RECALCFRAME, 0, 0);
        Pump();
        EXPECT_EQ(_T("Lucy"), TextOf(hEdit));
    }
}

TEST_F(EditTest, EditDestroyedWhileItsOverlayHasTheFocus) {
    CQVEdit* pEdit = new CQVEdit;
    Subclass(*pEdit, IDC_QVEDIT_PASSWORD);
    pEdit->SetTextForEmpty(_T("Password"));
    ASSERT_NE(nullptr, pEdit->GetOverlay());
    const HWND hEdit = pEdit->m_hWnd;
    const HWND hOverlay = pEdit->GetOverlay()->m_hWnd;
    int nCalls = 0;
    m_dlg.m_onMessage = [&](UINT message, WPARAM wParam, LPARAM, LRESULT*) {
        if (message == WM_COMMAND && wParam == MAKEWPARAM(IDC_QVEDIT_PASSWORD, EN_SETFOCUS) && pEdit) {
            ++nCalls;
            delete pEdit;
            pEdit = nullptr;
        }
        return false;
    };
    ::SetFocus(hOverlay);
    Pump();
    EXPECT_EQ(1, nCalls);
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_FALSE(::IsWindow(hOverlay));
    m_dlg.m_onMessage = nullptr;
}

TEST_F(EditTest, CreateDestroyAndSubclassReleaseSoak) {
    auto cycle = [this](int k) {
        {
            CQVEdit edit;
            edit.SetTransparent(k % 2);
            edit.SetTextForEmpty(_T("Password"));
            edit.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T(""),
                          WS_CHILD | WS_VISIBLE | (k % 3 ? ES_PASSWORD : 0), CRect(10, 100, 130, 124), &m_dlg,
                          kCreatedId);
            edit.SetAutoSize(TRUE, 200);
            edit.SetWindowText(_T("Tom"));
            edit.SetWindowText(_T(""));
            edit.UpdateWindow();
            edit.SendMessage(WM_QV_SKINCHANGED);
            edit.DestroyWindow();
        }
        CQVEditEx* pEdit = new CQVEditEx;
        pEdit->SetTransparent(k % 2);
        pEdit->SubclassDlgItem(k % 2 ? IDC_QVEDIT_PASSWORD : IDC_QVEDIT_FILE, &m_dlg);
        pEdit->SetTextForEmpty(_T("lesson.txt"));
        pEdit->Invalidate();
        pEdit->UpdateWindow();
        pEdit->DisableTextForEmpty();
        pEdit->UnsubclassWindow();
        delete pEdit;
    };
    riztest::ExpectCyclesLeakNothing(cycle);
}
