// Standard control wrappers on real controls: buttons, edit fields, list and combo boxes, statics and
// scroll bars, with owner-drawn items reflected from a framework parent to the control's virtuals.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "FrameworkHost.h"
#include "PixelProbe.h"
#include "TestWindow.h"

namespace {

const COLORREF kRed = RGB(220, 20, 20);
const COLORREF kBlue = RGB(30, 40, 210);
const COLORREF kGreen = RGB(20, 200, 40);

using riztest::CtrlHost;

// ---- Owner-drawn controls ----

class CColourButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        ++m_nDraws;
        m_nCtlID = lpDIS->CtlID;
        m_nCtlType = lpDIS->CtlType;
        CDC* pDC = CDC::FromHandle(lpDIS->hDC);
        pDC->FillSolidRect(&lpDIS->rcItem, kRed);
    }
    int m_nDraws = 0;
    UINT m_nCtlID = 0;
    UINT m_nCtlType = 0;
};

// Items drawn in a colour by index; measured 10 + 4 * index pixels high; sorted by descending data.
class CColourListBox : public CListBox {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        if (lpDIS->itemID == static_cast<UINT>(-1)) return;
        m_drawn.push_back(static_cast<int>(lpDIS->itemID));
        CDC* pDC = CDC::FromHandle(lpDIS->hDC);
        pDC->FillSolidRect(&lpDIS->rcItem, lpDIS->itemID == 1 ? kBlue : kGreen);
    }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override {
        ++m_nMeasures;
        lpMIS->itemHeight = m_nFixedHeight ? m_nFixedHeight : 10 + 4 * lpMIS->itemID;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCIS) override {
        ++m_nCompares;
        const DWORD_PTR a = lpCIS->itemData1, b = lpCIS->itemData2;
        return a > b ? -1 : (a < b ? 1 : 0);
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpDelIS) override { m_deleted.push_back(lpDelIS->itemData); }

    UINT m_nFixedHeight = 0;
    std::vector<int> m_drawn;
    std::vector<DWORD_PTR> m_deleted;
    int m_nMeasures = 0;
    int m_nCompares = 0;
};

class CColourCombo : public CComboBox {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        ++m_nDraws;
        m_nLastItem = lpDIS->itemID;
        CDC* pDC = CDC::FromHandle(lpDIS->hDC);
        pDC->FillSolidRect(&lpDIS->rcItem, kBlue);
    }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override { lpMIS->itemHeight = 21; }
    // The owner-draw styles come from the class, whatever the caller asks for.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        cs.style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
        return CComboBox::PreCreateWindow(cs);
    }
    int m_nDraws = 0;
    UINT m_nLastItem = 0;
};

// A button that handles its own click notification through a reflection entry.
class CReflectingButton : public CButton {
public:
    int m_nClicks = 0;

protected:
    afx_msg void OnClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, &CReflectingButton::OnClicked)
END_MESSAGE_MAP()

}  // namespace

// ---- CButton ----

TEST(CButtonControl, CreatesSystemButtonAndReportsCheckStates) {
    CtrlHost host;
    CButton check;
    ASSERT_TRUE(check.Create(_T("Check"), WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, CRect(10, 10, 110, 30),
                             host.Parent(), 101));
    TCHAR szClass[32] = {};
    ::GetClassName(check.m_hWnd, szClass, 32);
    EXPECT_EQ(::lstrcmpi(szClass, _T("Button")), 0);
    EXPECT_EQ(CWnd::FromHandlePermanent(check.m_hWnd), &check);
    EXPECT_EQ(check.GetDlgCtrlID(), 101);
    EXPECT_EQ(check.GetButtonStyle(), static_cast<UINT>(BS_AUTO3STATE));
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    check.SetCheck(BST_INDETERMINATE);
    EXPECT_EQ(check.GetCheck(), BST_INDETERMINATE);
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_EQ(check.GetState() & BST_CHECKED, static_cast<UINT>(BST_CHECKED));
    check.SetState(TRUE);
    EXPECT_NE(check.GetState() & BST_PUSHED, 0u);
    check.SetState(FALSE);
    EXPECT_EQ(check.GetState() & BST_PUSHED, 0u);

    check.SetButtonStyle(BS_AUTOCHECKBOX, FALSE);
    EXPECT_EQ(check.GetButtonStyle(), static_cast<UINT>(BS_AUTOCHECKBOX));
}

TEST(CButtonControl, BitmapAndIconSettersAnswerThePreviousImage) {
    CtrlHost host;
    CButton button;
    ASSERT_TRUE(button.Create(_T(""), WS_CHILD | BS_ICON, CRect(0, 0, 40, 40), host.Parent(), 102));
    HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    EXPECT_EQ(button.SetIcon(hIcon), nullptr);
    EXPECT_EQ(button.GetIcon(), hIcon);
    EXPECT_EQ(button.SetIcon(nullptr), hIcon);
}

TEST(CButtonOwnerDraw, ParentReflectsDrawItemToTheButtonObject) {
    CtrlHost host;
    CColourButton button;
    ASSERT_TRUE(button.Create(_T("Paint"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(20, 20, 100, 60),
                              host.Parent(), 103));
    riztest::WindowCapture capture(button.m_hWnd);
    EXPECT_GT(button.m_nDraws, 0);
    EXPECT_EQ(button.m_nCtlID, 103u);
    EXPECT_EQ(button.m_nCtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_TRUE(riztest::ColorNear(capture.Pixel(5, 5), kRed));
    EXPECT_TRUE(riztest::ColorNear(capture.Pixel(75, 35), kRed));
}

TEST(CButtonReflection, DerivedButtonHandlesItsOwnClickNotification) {
    CtrlHost host;
    CReflectingButton button;
    ASSERT_TRUE(button.Create(_T("Go"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 60, 24),
                              host.Parent(), 104));
    button.Click();
    EXPECT_EQ(button.m_nClicks, 1);
}

// ---- CEdit ----

TEST(CEditControl, SelectionMarginsLimitAndReadOnly) {
    CtrlHost host;
    CEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 24), host.Parent(), 201));
    edit.SetWindowText(_T("abcdefgh"));
    edit.SetSel(2, 5);
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 2);
    EXPECT_EQ(nEnd, 5);
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(2, 5)));
    edit.SetSel(0, -1);
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 8);
    edit.SetSel(static_cast<DWORD>(MAKELONG(1, 3)));
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(1, 3)));
    edit.ReplaceSel(_T("XY"), TRUE);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_EQ(strText, _T("aXYdefgh"));
    EXPECT_TRUE(edit.CanUndo());

    edit.SetMargins(3, 7);
    EXPECT_EQ(edit.GetMargins(), static_cast<DWORD>(MAKELONG(3, 7)));
    edit.LimitText(5);
    EXPECT_EQ(edit.GetLimitText(), 5u);
    edit.SetLimitText(12);
    EXPECT_EQ(edit.GetLimitText(), 12u);

    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_NE(edit.GetStyle() & ES_READONLY, 0u);
    EXPECT_TRUE(edit.SetReadOnly(FALSE));
    EXPECT_EQ(edit.GetStyle() & ES_READONLY, 0u);

    edit.SetPasswordChar(_T('*'));
    EXPECT_EQ(edit.GetPasswordChar(), _T('*'));
    EXPECT_NE(edit.GetStyle() & ES_PASSWORD, 0u);
    edit.SetPasswordChar(0);
    EXPECT_EQ(edit.GetStyle() & ES_PASSWORD, 0u);
}

TEST(CEditControl, MultiLineGetLineRespectsTheBufferSize) {
    CtrlHost host;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 200, 80),
                            host.Parent(), 202));
    edit.SetWindowText(_T("first\r\nsecond line"));
    EXPECT_EQ(edit.GetLineCount(), 2);
    EXPECT_EQ(edit.LineIndex(1), 7);
    EXPECT_EQ(edit.LineLength(7), 11);
    EXPECT_EQ(edit.LineFromChar(8), 1);

    TCHAR buf[32];
    for (TCHAR& ch : buf)
        ch = _T('#');
    EXPECT_EQ(edit.GetLine(1, buf, 32), 11);
    EXPECT_EQ(CString(buf, 11), _T("second line"));

    for (TCHAR& ch : buf)
        ch = _T('#');
    EXPECT_EQ(edit.GetLine(1, buf, 3), 3);
    EXPECT_EQ(CString(buf, 3), _T("sec"));
    EXPECT_EQ(buf[3], _T('#'));  // nothing written past the given size

    // A one-character buffer is smaller than the size word of the ANSI build; it still gets one.
    TCHAR one[2] = {_T('#'), _T('#')};
    EXPECT_EQ(edit.GetLine(0, one, 1), 1);
    EXPECT_EQ(one[0], _T('f'));
    EXPECT_EQ(one[1], _T('#'));

    // The first form reads the size from the buffer.
    *reinterpret_cast<WORD*>(buf) = 5;
    EXPECT_EQ(edit.GetLine(0, buf), 5);
    EXPECT_EQ(CString(buf, 5), _T("first"));
}

// ---- CListBox ----

TEST(CListBoxControl, AddFindSelectAndReadItems) {
    CtrlHost host;
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | WS_VSCROLL, CRect(0, 0, 150, 120),
                            host.Parent(), 301));
    EXPECT_EQ(list.AddString(_T("apple")), 0);
    EXPECT_EQ(list.AddString(_T("banana")), 1);
    EXPECT_EQ(list.AddString(_T("中文条目")), 2);
    EXPECT_EQ(list.InsertString(1, _T("apricot")), 1);
    EXPECT_EQ(list.GetCount(), 4);

    CString str;
    list.GetText(2, str);
    EXPECT_EQ(str, _T("banana"));
    list.GetText(3, str);
    EXPECT_EQ(str, _T("中文条目"));
    EXPECT_EQ(list.GetTextLen(2), 6);
    list.GetText(99, str);
    EXPECT_TRUE(str.IsEmpty());

    EXPECT_EQ(list.FindString(-1, _T("AP")), 0);  // prefix, any case
    EXPECT_EQ(list.FindString(0, _T("ap")), 1);   // starts after item 0
    EXPECT_EQ(list.FindString(1, _T("ap")), 0);   // wraps round
    EXPECT_EQ(list.FindStringExact(-1, _T("ap")), LB_ERR);
    EXPECT_EQ(list.FindStringExact(-1, _T("BANANA")), 2);
    EXPECT_EQ(list.FindStringExact(-1, _T("中文条目")), 3);

    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    EXPECT_EQ(list.SelectString(-1, _T("ban")), 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.SetCurSel(0), 0);
    EXPECT_GT(list.GetSel(0), 0);
    EXPECT_EQ(list.GetSel(2), 0);

    int marker = 0;
    EXPECT_NE(list.SetItemData(1, 0x1234), LB_ERR);
    EXPECT_EQ(list.GetItemData(1), 0x1234u);
    list.SetItemDataPtr(2, &marker);
    EXPECT_EQ(list.GetItemDataPtr(2), &marker);

    EXPECT_EQ(list.DeleteString(0), 3);
    list.GetText(0, str);
    EXPECT_EQ(str, _T("apricot"));
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(CListBoxControl, GeometryAndMultipleSelection) {
    CtrlHost host;
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                            CRect(0, 0, 150, 100), host.Parent(), 302));
    for (int i = 0; i < 20; ++i) {
        CString str;
        str.Format(_T("item %d"), i);
        list.AddString(str);
    }
    const int cy = list.GetItemHeight(0);
    ASSERT_GT(cy, 0);
    CRect rc;
    EXPECT_NE(list.GetItemRect(2, &rc), LB_ERR);
    EXPECT_EQ(rc.top, 2 * cy);
    EXPECT_EQ(rc.Height(), cy);

    BOOL bOutside = TRUE;
    EXPECT_EQ(list.ItemFromPoint(CPoint(5, 3 * cy + cy / 2), bOutside), 3u);
    EXPECT_FALSE(bOutside);

    EXPECT_NE(list.SetTopIndex(5), LB_ERR);
    EXPECT_EQ(list.GetTopIndex(), 5);
    EXPECT_EQ(list.ItemFromPoint(CPoint(5, cy / 2), bOutside), 5u);

    EXPECT_NE(list.SetSel(1), LB_ERR);
    EXPECT_NE(list.SelItemRange(TRUE, 4, 6), LB_ERR);
    EXPECT_EQ(list.GetSelCount(), 4);
    int sel[8] = {};
    EXPECT_EQ(list.GetSelItems(8, sel), 4);
    EXPECT_EQ(sel[0], 1);
    EXPECT_EQ(sel[1], 4);
    EXPECT_EQ(sel[3], 6);
    EXPECT_NE(list.SelItemRange(FALSE, 4, 5), LB_ERR);
    EXPECT_EQ(list.GetSelCount(), 2);
    EXPECT_NE(list.SetSel(-1, FALSE), LB_ERR);
    EXPECT_EQ(list.GetSelCount(), 0);

    EXPECT_NE(list.SetItemHeight(0, 30), LB_ERR);
    EXPECT_EQ(list.GetItemHeight(0), 30);
}

TEST(CListBoxOwnerDraw, DrawItemPaintsEachItemWithItsOwnIndex) {
    CtrlHost host;
    CColourListBox list;
    list.m_nFixedHeight = 16;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                    CRect(0, 0, 120, 100), host.Parent(), 303));
    // The fixed height is measured while the list box is created, so the object is attached by then.
    EXPECT_GT(list.m_nMeasures, 0);
    EXPECT_EQ(list.GetItemHeight(0), 16);
    list.AddString(_T("zero"));
    list.AddString(_T("one"));
    list.AddString(_T("two"));

    riztest::WindowCapture capture(list.m_hWnd);
    EXPECT_NE(std::find(list.m_drawn.begin(), list.m_drawn.end(), 1), list.m_drawn.end());
    EXPECT_TRUE(riztest::ColorNear(capture.Pixel(50, 8), kGreen));
    EXPECT_TRUE(riztest::ColorNear(capture.Pixel(50, 16 + 8), kBlue));
    EXPECT_TRUE(riztest::ColorNear(capture.Pixel(50, 32 + 8), kGreen));
}

TEST(CListBoxOwnerDraw, VariableItemsAreMeasuredOneByOne) {
    CtrlHost host;
    CColourListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
                            CRect(0, 0, 120, 100), host.Parent(), 304));
    list.AddString(_T("a"));
    list.AddString(_T("b"));
    list.AddString(_T("c"));
    EXPECT_EQ(list.GetItemHeight(0), 10);
    EXPECT_EQ(list.GetItemHeight(1), 14);
    EXPECT_EQ(list.GetItemHeight(2), 18);
}

TEST(CListBoxOwnerDraw, SortedItemsWithoutStringsUseCompareItemAndDeleteItem) {
    CtrlHost host;
    CColourListBox list;
    list.m_nFixedHeight = 12;
    ASSERT_TRUE(
        list.Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_SORT, CRect(0, 0, 120, 100), host.Parent(), 305));
    // Without LBS_HASSTRINGS the "string" is the item data.
    list.AddString(reinterpret_cast<LPCTSTR>(static_cast<DWORD_PTR>(5)));
    list.AddString(reinterpret_cast<LPCTSTR>(static_cast<DWORD_PTR>(9)));
    list.AddString(reinterpret_cast<LPCTSTR>(static_cast<DWORD_PTR>(7)));
    EXPECT_GT(list.m_nCompares, 0);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetItemData(0), 9u);
    EXPECT_EQ(list.GetItemData(1), 7u);
    EXPECT_EQ(list.GetItemData(2), 5u);

    list.DeleteString(1);
    ASSERT_EQ(list.m_deleted.size(), 1u);
    EXPECT_EQ(list.m_deleted[0], 7u);
    list.ResetContent();
    EXPECT_EQ(list.m_deleted.size(), 3u);
}

// ---- CComboBox ----

TEST(CComboBoxControl, ListTextIntoCStringFindAndSelect) {
    CtrlHost host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(0, 0, 150, 200),
                             host.Parent(), 401));
    TCHAR szClass[32] = {};
    ::GetClassName(combo.m_hWnd, szClass, 32);
    EXPECT_EQ(::lstrcmpi(szClass, _T("ComboBox")), 0);
    EXPECT_EQ(combo.AddString(_T("red")), 0);
    EXPECT_EQ(combo.AddString(_T("green")), 1);
    EXPECT_EQ(combo.AddString(_T("蓝色")), 2);
    EXPECT_EQ(combo.InsertString(0, _T("black")), 0);
    EXPECT_EQ(combo.GetCount(), 4);

    CString str = _T("stale");
    combo.GetLBText(3, str);
    EXPECT_EQ(str, _T("蓝色"));
    EXPECT_EQ(combo.GetLBTextLen(2), 5);
    TCHAR buf[16] = {};
    EXPECT_EQ(combo.GetLBText(2, buf), 5);
    EXPECT_EQ(::lstrcmp(buf, _T("green")), 0);
    combo.GetLBText(10, str);
    EXPECT_TRUE(str.IsEmpty());

    EXPECT_EQ(combo.FindString(-1, _T("GR")), 2);
    EXPECT_EQ(combo.FindStringExact(-1, _T("Red")), 1);
    EXPECT_EQ(combo.FindStringExact(-1, _T("re")), CB_ERR);
    EXPECT_EQ(combo.SelectString(-1, _T("bla")), 0);
    EXPECT_EQ(combo.GetCurSel(), 0);
    combo.GetWindowText(str);
    EXPECT_EQ(str, _T("black"));
    EXPECT_EQ(combo.SetCurSel(3), 3);
    combo.GetWindowText(str);
    EXPECT_EQ(str, _T("蓝色"));

    combo.SetItemData(1, 77);
    EXPECT_EQ(combo.GetItemData(1), 77u);
    combo.SetWindowText(_T("editable"));
    combo.SetEditSel(1, 3);
    EXPECT_EQ(combo.GetEditSel(), static_cast<DWORD>(MAKELONG(1, 3)));

    COMBOBOXINFO info;
    ASSERT_TRUE(combo.GetComboBoxInfo(&info));
    EXPECT_EQ(info.hwndCombo, combo.m_hWnd);
    EXPECT_TRUE(::IsWindow(info.hwndItem));
    EXPECT_TRUE(::IsWindow(info.hwndList));

    EXPECT_EQ(combo.DeleteString(0), 3);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST(CComboBoxControl, DropDownStateWidthAndRectangle) {
    CtrlHost host;
    CComboBox combo;
    ASSERT_TRUE(
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 130, 200), host.Parent(), 402));
    combo.AddString(_T("one"));
    combo.AddString(_T("two"));
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_NE(combo.SetDroppedWidth(200), CB_ERR);
    EXPECT_EQ(combo.GetDroppedWidth(), 200);
    CRect rcDrop, rcWindow;
    combo.GetDroppedControlRect(&rcDrop);
    combo.GetWindowRect(&rcWindow);
    EXPECT_EQ(rcDrop.left, rcWindow.left);
    EXPECT_GT(rcDrop.bottom, rcWindow.top);
    combo.ShowDropDown();
    EXPECT_TRUE(combo.GetDroppedState());
    combo.ShowDropDown(FALSE);
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_NE(combo.SetItemHeight(-1, 22), CB_ERR);
    const int cyField = combo.GetItemHeight(-1);
    EXPECT_NE(combo.SetItemHeight(-1, 30), CB_ERR);
    EXPECT_EQ(combo.GetItemHeight(-1), cyField + 8);
}

TEST(CComboBoxOwnerDraw, SelectionFieldIsDrawnByDrawItem) {
    CtrlHost host;
    CColourCombo combo;
    ASSERT_TRUE(
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 140, 200), host.Parent(), 403));
    EXPECT_EQ(combo.GetStyle() & (CBS_OWNERDRAWFIXED | CBS_HASSTRINGS),
              static_cast<DWORD>(CBS_OWNERDRAWFIXED | CBS_HASSTRINGS));
    EXPECT_EQ(combo.GetItemHeight(0), 21);  // measured through the parent at creation
    combo.AddString(_T("first"));
    combo.AddString(_T("second"));
    combo.SetCurSel(1);
    riztest::WindowCapture capture(combo.m_hWnd);
    EXPECT_GT(combo.m_nDraws, 0);
    EXPECT_EQ(combo.m_nLastItem, 1u);
    EXPECT_TRUE(riztest::ColorNear(capture.Pixel(10, 10), kBlue));

    // A combo box may also send WM_DRAWITEM to itself so that its own DrawItem paints.
    const int nBefore = combo.m_nDraws;
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = 403;
    dis.itemID = 0;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = combo.m_hWnd;
    riztest::Surface surface(20, 20);
    dis.hDC = surface.Dc();
    dis.rcItem = CRect(0, 0, 20, 20);
    combo.SendMessage(WM_DRAWITEM, 403, reinterpret_cast<LPARAM>(&dis));
    EXPECT_EQ(combo.m_nDraws, nBefore + 1);
    EXPECT_EQ(combo.m_nLastItem, 0u);
    EXPECT_TRUE(riztest::ColorNear(surface.Pixel(10, 10), kBlue));
}

// ---- CStatic ----

TEST(CStaticControl, TextAndIconImages) {
    CtrlHost host;
    CStatic label;
    ASSERT_TRUE(
        label.Create(_T("Name:"), WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(0, 0, 80, 20), host.Parent()));
    CString str;
    label.GetWindowText(str);
    EXPECT_EQ(str, _T("Name:"));
    EXPECT_EQ(label.GetDlgCtrlID(), 0xffff);

    CStatic icon;
    ASSERT_TRUE(icon.Create(nullptr, WS_CHILD | SS_ICON, CRect(0, 30, 32, 62), host.Parent(), 501));
    HICON hIcon = ::LoadIcon(nullptr, IDI_INFORMATION);
    EXPECT_EQ(icon.SetIcon(hIcon), nullptr);
    EXPECT_EQ(icon.GetIcon(), hIcon);
}

// ---- CScrollBar ----

TEST(CScrollBarControl, RangePositionPageAndLimit) {
    CtrlHost host;
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 200, 16), host.Parent(), 601));
    bar.SetScrollRange(10, 110);
    int nMin = 0, nMax = 0;
    bar.GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMin, 10);
    EXPECT_EQ(nMax, 110);
    EXPECT_EQ(bar.GetScrollLimit(), 110);
    EXPECT_EQ(bar.SetScrollPos(50), 10);
    EXPECT_EQ(bar.GetScrollPos(), 50);
    EXPECT_EQ(bar.SetScrollPos(500), 50);
    EXPECT_EQ(bar.GetScrollPos(), 110);

    SCROLLINFO si = {};
    si.fMask = SIF_PAGE;
    si.nPage = 21;
    EXPECT_TRUE(bar.SetScrollInfo(&si));
    EXPECT_EQ(bar.GetScrollLimit(), 90);  // 110 - (21 - 1)
    SCROLLINFO read = {};
    ASSERT_TRUE(bar.GetScrollInfo(&read));
    EXPECT_EQ(read.nPage, 21u);
    EXPECT_EQ(read.nPos, 90);  // the position was pulled back inside the new limit
    EXPECT_TRUE(bar.EnableScrollBar(ESB_DISABLE_BOTH));
    SCROLLBARINFO sbi;
    ASSERT_TRUE(bar.GetScrollBarInfo(&sbi));
    EXPECT_NE(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
}
