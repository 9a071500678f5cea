// Control wrappers on real controls, where more than one message is at stake: owner-drawn items of every
// wrapper family reflected from a framework parent to the control's virtuals, measuring, sorting and
// deleting list box items, the walk over a list view's selection, styles and the structures the wrappers
// size themselves. The messages of single calls are in CtrlWrapperTable.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "FrameworkHost.h"
#include "PixelProbe.h"
#include "TestWindow.h"

namespace {

const COLORREF kBlue = RGB(30, 40, 210);
const COLORREF kGreen = RGB(20, 200, 40);

using riztest::CtrlHost;

// A control of wrapper class T whose owner-drawn items are filled by its own DrawItem: item 1 blue, the
// others green. It records the items drawn and the control the parent named.
template <class T>
class CFilled : public T {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        if (lpDIS->itemID == static_cast<UINT>(-1) && lpDIS->CtlType != ODT_BUTTON) return;  // empty list
        m_drawn.push_back(lpDIS->itemID);
        m_nCtlID = lpDIS->CtlID;
        m_nCtlType = lpDIS->CtlType;
        CDC::FromHandle(lpDIS->hDC)->FillSolidRect(&lpDIS->rcItem, lpDIS->itemID == 1 ? kBlue : kGreen);
    }
    std::vector<UINT> m_drawn;
    UINT m_nCtlID = 0;
    UINT m_nCtlType = 0;
};

// Measured 10 + 4 * index pixels high (or a fixed height); sorted by descending data.
class CColourListBox : public CFilled<CListBox> {
public:
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
    std::vector<DWORD_PTR> m_deleted;
    int m_nMeasures = 0;
    int m_nCompares = 0;
};

class CColourCombo : public CFilled<CComboBox> {
public:
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override { lpMIS->itemHeight = 21; }
    // The owner-draw styles come from the class, whatever the caller asks for.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        cs.style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
        return CComboBox::PreCreateWindow(cs);
    }
};

// The parent reflected the control's WM_DRAWITEM to the object: item 1 (or the button) was drawn, with the
// control's type and id, and its pixels are the object's colour.
template <class T>
void ExpectDrawnByTheObject(CFilled<T>& ctrl, UINT nType, UINT nID, UINT nItem, const CRect& rcItem) {
    riztest::WindowCapture capture(ctrl.m_hWnd);
    EXPECT_NE(std::find(ctrl.m_drawn.begin(), ctrl.m_drawn.end(), nItem), ctrl.m_drawn.end());
    EXPECT_EQ(ctrl.m_nCtlType, nType);
    EXPECT_EQ(ctrl.m_nCtlID, nID);
    const CPoint pt = rcItem.CenterPoint();
    EXPECT_TRUE(riztest::ColorNear(capture.Pixel(pt.x, pt.y), nItem == 1 ? kBlue : kGreen));
}

}  // namespace

// ---- Owner draw, one row per wrapper family ----

TEST(OwnerDrawnControls, EveryWrapperFamilyDrawsItsItemsThroughItsObject) {
    CtrlHost host(500, 400);
    const DWORD dwChild = WS_CHILD | WS_VISIBLE;
    {
        SCOPED_TRACE("CButton");
        CFilled<CButton> button;
        ASSERT_TRUE(
            button.Create(_T("Paint"), dwChild | BS_OWNERDRAW, CRect(20, 20, 100, 60), host.Parent(), 103));
        ExpectDrawnByTheObject(button, ODT_BUTTON, 103, 0, CRect(0, 0, 80, 40));
    }
    {
        SCOPED_TRACE("CListBox");
        CColourListBox list;
        list.m_nFixedHeight = 16;
        ASSERT_TRUE(list.Create(dwChild | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                                CRect(0, 0, 120, 100), host.Parent(), 303));
        // The fixed height is measured while the list box is created, so the object is attached by then.
        EXPECT_GT(list.m_nMeasures, 0);
        EXPECT_EQ(list.GetItemHeight(0), 16);
        for (LPCTSTR psz : {_T("zero"), _T("one"), _T("two")})
            list.AddString(psz);
        ExpectDrawnByTheObject(list, ODT_LISTBOX, 303, 1, CRect(0, 16, 120, 32));
        ExpectDrawnByTheObject(list, ODT_LISTBOX, 303, 2, CRect(0, 32, 120, 48));
    }
    {
        SCOPED_TRACE("CComboBox");
        CColourCombo combo;
        ASSERT_TRUE(combo.Create(dwChild | CBS_DROPDOWNLIST, CRect(0, 0, 140, 200), host.Parent(), 403));
        EXPECT_EQ(combo.GetStyle() & (CBS_OWNERDRAWFIXED | CBS_HASSTRINGS),
                  static_cast<DWORD>(CBS_OWNERDRAWFIXED | CBS_HASSTRINGS));
        EXPECT_EQ(combo.GetItemHeight(0), 21);  // measured through the parent at creation
        combo.AddString(_T("first"));
        combo.AddString(_T("second"));
        combo.SetCurSel(1);
        ExpectDrawnByTheObject(combo, ODT_COMBOBOX, 403, 1, CRect(4, 4, 20, 20));

        // A combo box may also send WM_DRAWITEM to itself so that its own DrawItem paints.
        combo.m_drawn.clear();
        riztest::Surface surface(20, 20);
        DRAWITEMSTRUCT dis = {ODT_COMBOBOX,   403, 0, ODA_DRAWENTIRE, 0, combo.m_hWnd, surface.Dc(),
                              {0, 0, 20, 20}, 0};
        combo.SendMessage(WM_DRAWITEM, 403, reinterpret_cast<LPARAM>(&dis));
        EXPECT_EQ(combo.m_drawn, std::vector<UINT>{0});
        EXPECT_TRUE(riztest::ColorNear(surface.Pixel(10, 10), kGreen));
    }
    {
        SCOPED_TRACE("CListCtrl");
        CFilled<CListCtrl> list;
        ASSERT_TRUE(list.Create(dwChild | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER,
                                CRect(0, 0, 200, 150), host.Parent(), 21));
        list.InsertColumn(0, _T("n"), LVCFMT_LEFT, 200);
        list.InsertItem(0, _T("a"));
        list.InsertItem(1, _T("b"));
        CRect rc;
        ASSERT_TRUE(list.GetItemRect(1, &rc, LVIR_BOUNDS));
        ExpectDrawnByTheObject(list, ODT_LISTVIEW, 21, 1, rc);
    }
    {
        SCOPED_TRACE("CTabCtrl");
        CFilled<CTabCtrl> tabs;
        ASSERT_TRUE(tabs.Create(dwChild | TCS_OWNERDRAWFIXED | TCS_FIXEDWIDTH, CRect(0, 0, 300, 120),
                                host.Parent(), 43));
        tabs.SetItemSize(CSize(90, 26));
        tabs.InsertItem(0, _T("A"));
        tabs.InsertItem(1, _T("B"));
        CRect rc;
        ASSERT_TRUE(tabs.GetItemRect(1, &rc));
        ExpectDrawnByTheObject(tabs, ODT_TAB, 43, 1, rc);
    }
}

// ---- CListBox ----

TEST(CListBoxOwnerDraw, VariableItemsAreMeasuredOneByOneAndSortedItemsUseCompareAndDeleteItem) {
    CtrlHost host;
    CColourListBox variable;
    ASSERT_TRUE(variable.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
                                CRect(0, 0, 120, 100), host.Parent(), 304));
    for (LPCTSTR psz : {_T("a"), _T("b"), _T("c")})
        variable.AddString(psz);
    EXPECT_EQ(
        (std::vector<int>{variable.GetItemHeight(0), variable.GetItemHeight(1), variable.GetItemHeight(2)}),
        (std::vector<int>{10, 14, 18}));

    CColourListBox list;
    list.m_nFixedHeight = 12;
    ASSERT_TRUE(
        list.Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_SORT, CRect(0, 0, 120, 100), host.Parent(), 305));
    // Without LBS_HASSTRINGS the "string" is the item data.
    for (DWORD_PTR data : {5, 9, 7})
        list.AddString(reinterpret_cast<LPCTSTR>(data));
    EXPECT_GT(list.m_nCompares, 0);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ((std::vector<DWORD_PTR>{list.GetItemData(0), list.GetItemData(1), list.GetItemData(2)}),
              (std::vector<DWORD_PTR>{9, 7, 5}));
    list.DeleteString(1);
    EXPECT_EQ(list.m_deleted, std::vector<DWORD_PTR>{7});
    list.ResetContent();
    EXPECT_EQ(list.m_deleted.size(), 3u);
}

// ---- Several controls on one parent ----

// A button's type in its style, the combo box information the wrapper sizes itself, the id a static gets
// without one, a scroll bar's limit (the range's end less the page) and a list view's selection walk.
TEST(StandardControls, ButtonStyleComboInfoStaticIdScrollLimitAndSelectionWalk) {
    CtrlHost host;
    CButton check;
    CComboBox combo;
    CStatic label;
    ASSERT_TRUE(check.Create(_T("Check"), WS_CHILD | WS_VISIBLE | BS_AUTO3STATE | BS_LEFT,
                             CRect(10, 10, 110, 30), host.Parent(), 101));
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(0, 0, 150, 200),
                             host.Parent(), 401));
    ASSERT_TRUE(
        label.Create(_T("Name:"), WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(0, 0, 80, 20), host.Parent()));
    EXPECT_EQ(CWnd::FromHandlePermanent(check.m_hWnd), &check);
    EXPECT_EQ(check.GetButtonStyle(), static_cast<UINT>(BS_AUTO3STATE));
    check.SetButtonStyle(BS_AUTOCHECKBOX, FALSE);
    EXPECT_EQ(check.GetButtonStyle(), static_cast<UINT>(BS_AUTOCHECKBOX));

    COMBOBOXINFO info;  // the wrapper fills in the size
    info.cbSize = 0;
    ASSERT_TRUE(combo.GetComboBoxInfo(&info));
    EXPECT_EQ(info.hwndCombo, combo.m_hWnd);
    EXPECT_TRUE(::IsWindow(info.hwndItem));
    EXPECT_TRUE(::IsWindow(info.hwndList));
    EXPECT_FALSE(combo.GetComboBoxInfo(nullptr));
    EXPECT_EQ(label.GetDlgCtrlID(), 0xffff);

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 200, 16), host.Parent(), 601));
    bar.SetScrollRange(10, 110);
    EXPECT_EQ(bar.GetScrollLimit(), 110);
    EXPECT_EQ(bar.SetScrollPos(500), 10);
    EXPECT_EQ(bar.GetScrollPos(), 110);
    SCROLLINFO si = {sizeof(si), SIF_PAGE, 0, 0, 21, 0, 0};
    EXPECT_TRUE(bar.SetScrollInfo(&si));
    EXPECT_EQ(bar.GetScrollLimit(), 90);  // 110 - (21 - 1)
    SCROLLINFO read = {};
    ASSERT_TRUE(bar.GetScrollInfo(&read));  // the wrapper sizes the structure and asks for everything
    EXPECT_EQ(read.nPage, 21u);
    EXPECT_EQ(read.nPos, 90);  // the position was pulled back inside the new limit

    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), host.Parent(), 13));
    list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 80);
    for (int row = 0; row < 4; ++row)
        list.InsertItem(row, _T("row"));
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
    for (int row : {0, 2, 3})
        list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> seen;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos && seen.size() < 5;)
        seen.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(seen, (std::vector<int>{0, 2, 3}));  // item 0 must not end the walk
}
