// The edit list box through real messages: row height and styles created and subclassed, editing
// ended by typing, Enter, Escape and focus moves, the host's changes during an edit, Enter and Escape
// inside a modal dialog that stays open, destruction in the middle of an edit, painting, a soak.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>

#include "FrameworkHost.h"
#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVEditListBox.h"
#include "QVEditListBoxTestRes.h"
#include "ResourceCounter.h"

namespace {

constexpr INT_PTR kStillOpen = 77;  // how the tests end a dialog that Enter or Escape did not end
constexpr UINT WM_TEST_END = WM_APP + 1;

// The items joined with "|".
CString Items(CListBox& list) {
    CString strAll, strItem;
    for (int i = 0; i < list.GetCount(); ++i) {
        list.GetText(i, strItem);
        strAll += (i ? _T("|") : _T("")) + strItem;
    }
    return strAll;
}

class CWordDialog : public CDialog {
public:
    CWordDialog() : CDialog(IDD_QVEDITLIST) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_list.SubclassDlgItem(IDC_QVEDITLIST_WORDS, this);
        for (LPCTSTR lpszWord : {_T("apple"), _T("banana"), _T("cherry")})
            m_list.AddString(lpszWord);
        if (m_onInit) m_onInit(*this);
        return FALSE;  // the focus stays where m_onInit put it
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TEST_END) {
            m_strItemsAtEnd = Items(m_list);
            EndDialog(kStillOpen);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

    CQVEditListBox m_list;
    std::function<void(CWordDialog&)> m_onInit;
    CString m_strItemsAtEnd;
};

class EditListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create(IDD_QVEDITLIST));
        m_dlg.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        Pump();
    }
    void TearDown() override {
        if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
        riztest::PumpUntilIdle();
    }
    static void Pump() { riztest::PumpMessages(2000); }
    HWND Editor() { return m_dlg.m_list.GetEditor().GetSafeHwnd(); }
    void Type(LPCTSTR lpszText) {
        riztest::PostChars(Editor(), lpszText);
        Pump();
    }
    void FocusAway() {
        m_dlg.GetDlgItem(IDC_QVEDITLIST_NOTE)->SetFocus();
        Pump();
    }
    CQVEditListBox& List() { return m_dlg.m_list; }

    CWordDialog m_dlg;
};

enum End { kEnter, kEscape, kFocusAway };

}  // namespace

TEST(QVEditListBoxStyles, RowsAreTwentyHighAndStylesSetCreatedOrSubclassed) {
    riztest::CtrlHost host;
    riztest::TestWindow plain;  // a parent that reflects nothing
    CQVEditListBox created, createdOnPlain;
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), host.Parent(), 10));
    ASSERT_TRUE(createdOnPlain.Create(WS_CHILD, CRect(0, 0, 100, 100), CWnd::FromHandle(plain.Host()), 11));
    CWordDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_QVEDITLIST));
    for (CQVEditListBox* pList : {&created, &createdOnPlain, &dlg.m_list}) {
        EXPECT_EQ(20, pList->SendMessage(LB_GETITEMHEIGHT, 0));
        EXPECT_EQ(CQVEditListBox::kRequiredStyles, pList->GetStyle() & CQVEditListBox::kRequiredStyles);
        EXPECT_EQ(static_cast<int>(CQVEditListBox::kEditorId), pList->GetEditor().GetDlgCtrlID());
        EXPECT_FALSE(pList->GetEditor().IsWindowVisible());
    }
    dlg.DestroyWindow();
}

TEST_F(EditListTest, EditsEndByTypingEnterEscapeAndFocusMoves) {
    const struct {
        int nItem;  // the item edited, -1 for a new one with the text below
        LPCTSTR lpszNew, lpszTyped;
        End end;
        LPCTSTR lpszItems;
        BOOL bModified;
    } rows[] = {
        {-1, _T(""), _T(""), kFocusAway, _T("apple|banana|cherry"), FALSE},  // a new item left empty goes
        {1, nullptr, _T("\b"), kFocusAway, _T("apple|cherry"), TRUE},        // an emptied item goes
        {1, nullptr, _T(""), kEnter, _T("apple|banana|cherry"), TRUE},       // confirmed unchanged
        {-1, _T(""), _T("pear"), kEnter, _T("apple|banana|cherry|pear"), TRUE},
        {-1, _T("plum"), _T(""), kEnter, _T("apple|banana|cherry|plum"), TRUE},
        {-1, _T(""), _T("pear"), kEscape, _T("apple|banana|cherry"), FALSE},  // a new item cancelled goes
        {1, nullptr, _T("kiwi"), kEscape, _T("apple|banana|cherry"), FALSE},
        {1, nullptr, _T("kiwi"), kFocusAway, _T("apple|kiwi|cherry"), TRUE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "item " << row.nItem << " typed "
                                        << CStringA(row.lpszTyped).GetString() << " end " << row.end);
        List().ResetContent();
        for (LPCTSTR lpszWord : {_T("apple"), _T("banana"), _T("cherry")})
            List().AddString(lpszWord);
        List().SetModified(FALSE);
        if (row.nItem < 0) {
            EXPECT_EQ(3, List().AddItemBeginEdit(row.lpszNew));
        } else {
            List().SetCurSel(row.nItem);
            List().EditSelItem();
        }
        ASSERT_TRUE(List().IsEditing());
        EXPECT_EQ(Editor(), ::GetFocus());
        Type(row.lpszTyped);
        if (row.end == kFocusAway) {
            FocusAway();
        } else {
            riztest::PostKey(Editor(), row.end == kEnter ? VK_RETURN : VK_ESCAPE);
            Pump();
            EXPECT_EQ(List().m_hWnd, ::GetFocus());
        }
        EXPECT_EQ(row.lpszItems, Items(List()));
        EXPECT_EQ(row.bModified, List().GetModified());
        EXPECT_FALSE(List().IsEditing());
        EXPECT_FALSE(::IsWindowVisible(Editor()));
        EXPECT_TRUE(::IsWindow(m_dlg.m_hWnd));  // neither key reached Save or Close
    }
}

TEST_F(EditListTest, HostChangesDuringAnEditNeverReceiveTheEditorsText) {
    const struct {
        LPCTSTR lpszWhat;
        std::function<void(CQVEditListBox&)> change;
        LPCTSTR lpszItems;
        BOOL bModified;
    } rows[] = {
        {_T("SetCurSel"), [](CQVEditListBox& l) { l.SetCurSel(0); }, _T("apple|banana|cherry"), FALSE},
        {_T("DeleteString"), [](CQVEditListBox& l) { l.DeleteString(0); }, _T("banana|cherry"), FALSE},
        {_T("InsertString"), [](CQVEditListBox& l) { l.InsertString(0, _T("fig")); },
         _T("fig|apple|banana|cherry"), FALSE},
        {_T("ResetContent"), [](CQVEditListBox& l) { l.ResetContent(); }, _T(""), FALSE},
        // Another edit ends this one as a focus loss does: the text goes to its own item.
        {_T("AddItemBeginEdit"), [](CQVEditListBox& l) { l.AddItemBeginEdit(_T("plum")); },
         _T("apple|kiwi|cherry|plum"), TRUE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(CStringA(row.lpszWhat).GetString());
        List().ResetContent();
        for (LPCTSTR lpszWord : {_T("apple"), _T("banana"), _T("cherry")})
            List().AddString(lpszWord);
        List().SetModified(FALSE);
        List().SetCurSel(1);
        List().EditSelItem();
        Type(_T("kiwi"));
        row.change(List());
        FocusAway();
        EXPECT_EQ(row.lpszItems, Items(List()));
        EXPECT_EQ(row.bModified, List().GetModified());
        EXPECT_FALSE(List().IsEditing());
    }
}

TEST_F(EditListTest, DoubleClickOpensTheClickedItemAndNothingWithoutASelection) {
    // The list reports a double click without selecting: with no selection there is nothing to open.
    CRect rcItem;
    List().GetItemRect(2, &rcItem);
    riztest::PostMouse(List().m_hWnd, WM_LBUTTONDBLCLK, 10, rcItem.top + 5, MK_LBUTTON);
    riztest::PostMouse(List().m_hWnd, WM_LBUTTONUP, 10, rcItem.top + 5);
    Pump();
    EXPECT_FALSE(List().IsEditing());
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        riztest::PostMouse(List().m_hWnd, message, 10, rcItem.top + 5,
                           message == WM_LBUTTONUP ? 0 : MK_LBUTTON);
    Pump();
    EXPECT_EQ(2, List().GetEditItem());
    CRect rcEditor;
    List().GetEditor().GetWindowRect(&rcEditor);
    List().ScreenToClient(&rcEditor);
    EXPECT_EQ(rcItem, rcEditor);
    EXPECT_EQ(Editor(), ::GetFocus());
    Pump();
    riztest::WindowCapture shot(Editor());
    EXPECT_TRUE(shot.HasOtherThan({0, 0, shot.Width(), shot.Height()}, RGB(255, 255, 255)));  // "cherry"
    // The list repainting itself alone leaves the editor's text alone.
    List().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    riztest::Surface after(shot.Width(), shot.Height());
    HDC hdc = ::GetDC(Editor());
    ::BitBlt(after.Dc(), 0, 0, shot.Width(), shot.Height(), hdc, 0, 0, SRCCOPY);
    ::ReleaseDC(Editor(), hdc);
    int nChanged = 0;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            nChanged += after.Pixel(x, y) != shot.Pixel(x, y);
    EXPECT_EQ(0, nChanged);
}

TEST(QVEditListBoxModal, EnterAndEscapeEndTheEditAndTheDialogStaysOpen) {
    const struct {
        UINT vk;
        LPCTSTR lpszItems;
    } rows[] = {{VK_RETURN, _T("apple|banana|cherry|pear")}, {VK_ESCAPE, _T("apple|banana|cherry")}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.vk);
        CWordDialog dlg;
        dlg.m_onInit = [&](CWordDialog& d) {
            d.m_list.AddItemBeginEdit(_T(""));
            const HWND hEditor = d.m_list.GetEditor().m_hWnd;
            riztest::PostChars(hEditor, _T("pear"));
            riztest::PostKey(hEditor, row.vk);
            d.PostMessage(WM_TEST_END);
        };
        EXPECT_EQ(kStillOpen, dlg.DoModal());
        EXPECT_EQ(row.lpszItems, dlg.m_strItemsAtEnd);
    }
}

TEST_F(EditListTest, DestroyedInTheMiddleOfAnEditWritesNothing) {
    List().AddItemBeginEdit(_T(""));
    Type(_T("pear"));
    const HWND hEditor = Editor();
    List().DestroyWindow();
    Pump();
    EXPECT_FALSE(::IsWindow(hEditor));
    EXPECT_FALSE(List().IsEditing());
    EXPECT_FALSE(List().GetModified());

    // An object deleted with the editor focused, and a dialog destroyed around an open edit.
    riztest::CtrlHost host;
    auto* pList = new CQVEditListBox;
    ASSERT_TRUE(pList->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), host.Parent(), 12));
    pList->AddItemBeginEdit(_T("fig"));
    const HWND hList = pList->m_hWnd;
    delete pList;
    EXPECT_FALSE(::IsWindow(hList));
    CWordDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_QVEDITLIST));
    dlg.m_list.SetCurSel(0);
    dlg.m_list.EditSelItem();
    dlg.DestroyWindow();
    Pump();
    EXPECT_FALSE(dlg.m_list.IsEditing());
}

TEST_F(EditListTest, BadCallsLeaveTheListAsItWas) {
    CQVEditListBox unmade;
    EXPECT_EQ(LB_ERR, unmade.AddItemBeginEdit(_T("x")));
    unmade.EditSelItem();
    unmade.EndEdit(TRUE);
    EXPECT_FALSE(unmade.IsEditing());

    List().SetCurSel(-1);
    List().EditSelItem();  // no selection
    List().EndEdit(TRUE);  // no edit open
    EXPECT_FALSE(List().IsEditing());
    EXPECT_EQ(_T("apple|banana|cherry"), Items(List()));
    EXPECT_FALSE(List().GetModified());
    EXPECT_EQ(3, List().AddItemBeginEdit(NULL));
    EXPECT_EQ(0, ::GetWindowTextLength(Editor()));
    // The system asks an empty list to draw its focus with item -1: nothing is drawn.
    riztest::Surface surface(50, 20, RGB(1, 2, 3));
    DRAWITEMSTRUCT dis = {ODT_LISTBOX,   IDC_QVEDITLIST_WORDS, static_cast<UINT>(-1), ODA_FOCUS, ODS_FOCUS,
                          List().m_hWnd, surface.Dc(),         {0, 0, 50, 20},        0};
    List().DrawItem(&dis);
    EXPECT_FALSE(surface.HasOtherThan({0, 0, 50, 20}, RGB(1, 2, 3), 0));
}

TEST_F(EditListTest, SelectedRowIsLightBlueAndRowsAreTwentyPixels) {
    List().SetCurSel(0);
    riztest::WindowCapture shot(List().m_hWnd);
    EXPECT_EQ("", shot.WrongPixels({{1, 0, RGB(200, 200, 255)},
                                    {1, 19, RGB(200, 200, 255)},
                                    {1, 20, RGB(255, 255, 255)},
                                    {1, 59, RGB(255, 255, 255)}}));
    EXPECT_TRUE(shot.HasOtherThan({0, 20, 80, 40}, RGB(255, 255, 255)));  // the word "banana"
}

TEST(QVEditListBox, ListsWithAnOpenEditorCreatedAndDestroyedSoak) {
    riztest::CtrlHost host;
    riztest::ExpectCyclesLeakNothing([&](int nCycle) {
        CQVEditListBox list;
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 120, 80), host.Parent(), 13));
        list.AddString(_T("apple"));
        list.AddString(_T("banana"));
        list.AddItemBeginEdit(_T("pear"));
        list.GetEditor().SendMessage(WM_CHAR, 'x');
        list.UpdateWindow();
        if (nCycle % 2) list.DestroyWindow();  // otherwise the object's destructor does
    });
}
