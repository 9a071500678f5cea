// Standard control wrappers on real controls, where more than one message is at stake: owner-drawn
// items reflected from a framework parent to the control's virtuals, reflected notifications, styles
// and the structures the wrappers size themselves. The messages of single calls are in CtrlWrapperTable.
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

// ---- Several controls on one parent ----

// A button's type in its style, a derived button's own click notification, the combo box information
// the wrapper sizes itself and the id a static gets without one.
TEST(StandardControls, ButtonStyleReflectedClickComboInfoAndStaticId) {
    CtrlHost host;
    CButton check;
    CReflectingButton button;
    CComboBox combo;
    CStatic label;
    ASSERT_TRUE(check.Create(_T("Check"), WS_CHILD | WS_VISIBLE | BS_AUTO3STATE | BS_LEFT,
                             CRect(10, 10, 110, 30), host.Parent(), 101));
    ASSERT_TRUE(button.Create(_T("Go"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 60, 24),
                              host.Parent(), 104));
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(0, 0, 150, 200),
                             host.Parent(), 401));
    ASSERT_TRUE(
        label.Create(_T("Name:"), WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(0, 0, 80, 20), host.Parent()));
    EXPECT_EQ(CWnd::FromHandlePermanent(check.m_hWnd), &check);
    EXPECT_EQ(check.GetDlgCtrlID(), 101);
    EXPECT_EQ(check.GetButtonStyle(), static_cast<UINT>(BS_AUTO3STATE));
    check.SetButtonStyle(BS_AUTOCHECKBOX, FALSE);
    EXPECT_EQ(check.GetButtonStyle(), static_cast<UINT>(BS_AUTOCHECKBOX));
    button.Click();
    EXPECT_EQ(button.m_nClicks, 1);

    COMBOBOXINFO info;  // the wrapper fills in the size
    info.cbSize = 0;
    ASSERT_TRUE(combo.GetComboBoxInfo(&info));
    EXPECT_EQ(info.hwndCombo, combo.m_hWnd);
    EXPECT_TRUE(::IsWindow(info.hwndItem));
    EXPECT_TRUE(::IsWindow(info.hwndList));
    EXPECT_FALSE(combo.GetComboBoxInfo(nullptr));
    CString str;
    label.GetWindowText(str);
    EXPECT_EQ(str, _T("Name:"));
    EXPECT_EQ(label.GetDlgCtrlID(), 0xffff);
}

// ---- CButton ----

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

// ---- CListBox ----

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

// ---- CScrollBar ----

TEST(CScrollBarControl, LimitIsTheRangeEndLessThePage) {
    CtrlHost host;
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 200, 16), host.Parent(), 601));
    bar.SetScrollRange(10, 110);
    int nMin = 0, nMax = 0;
    bar.GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMin, 10);
    EXPECT_EQ(nMax, 110);
    EXPECT_EQ(bar.GetScrollLimit(), 110);
    EXPECT_EQ(bar.SetScrollPos(500), 10);
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
