// List view and header wrappers on real controls: columns, items, texts, states, selection walks, hit
// tests, image lists handed back as the previous list, reflected notifications and owner-drawn rows.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "FrameworkHost.h"
#include "PixelProbe.h"
#include "TestWindow.h"

namespace {

const COLORREF kOrange = RGB(240, 140, 20);

using riztest::CtrlHost;

using riztest::FreeTemporaries;

// A report view with three columns and four rows "r<row>c<col>".
void FillReport(CListCtrl& list) {
    list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 80);
    list.InsertColumn(1, _T("Size"), LVCFMT_RIGHT, 60);
    list.InsertColumn(2, _T("Kind"), LVCFMT_LEFT, 70);
    for (int row = 0; row < 4; ++row) {
        CString text;
        text.Format(_T("r%dc0"), row);
        list.InsertItem(row, text);
        for (int col = 1; col < 3; ++col) {
            text.Format(_T("r%dc%d"), row, col);
            list.SetItemText(row, col, text);
        }
    }
}

int CALLBACK CompareDataDescending(LPARAM lParam1, LPARAM lParam2, LPARAM) {
    return lParam1 > lParam2 ? -1 : (lParam1 < lParam2 ? 1 : 0);
}

// Counts its own LVN_ITEMCHANGED notifications through a reflection entry.
class CWatchedList : public CListCtrl {
public:
    int m_nChanges = 0;
    int m_nLastItem = -1;

protected:
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult) {
        ++m_nChanges;
        m_nLastItem = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iItem;
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWatchedList, CListCtrl)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, &CWatchedList::OnItemChanged)
END_MESSAGE_MAP()

class COwnerDrawList : public CListCtrl {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        ++m_nDraws;
        m_nMaxItem = std::max(m_nMaxItem, static_cast<int>(lpDIS->itemID));
        CDC::FromHandle(lpDIS->hDC)->FillSolidRect(&lpDIS->rcItem, kOrange);
    }
    int m_nDraws = 0;
    int m_nMaxItem = -1;
};

}  // namespace

// ---- Columns and items ----

TEST(CListCtrlReport, ColumnsItemsAndSubItemTexts) {
    CtrlHost host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 300, 200),
                            host.Parent(), 10));
    TCHAR szClass[32] = {};
    ::GetClassName(list.m_hWnd, szClass, 32);
    EXPECT_EQ(::lstrcmp(szClass, WC_LISTVIEW), 0);
    FillReport(list);
    EXPECT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(list.GetColumnWidth(1), 60);
    EXPECT_TRUE(list.SetColumnWidth(1, 75));
    EXPECT_EQ(list.GetColumnWidth(1), 75);

    TCHAR szHeading[32] = {};
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = szHeading;
    column.cchTextMax = 32;
    ASSERT_TRUE(list.GetColumn(1, &column));
    EXPECT_EQ(::lstrcmp(szHeading, _T("Size")), 0);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);

    EXPECT_EQ(list.GetItemText(2, 0), _T("r2c0"));
    EXPECT_EQ(list.GetItemText(3, 2), _T("r3c2"));
    EXPECT_TRUE(list.SetItemText(1, 1, _T("大小")));
    EXPECT_EQ(list.GetItemText(1, 1), _T("大小"));
    TCHAR buf[4] = {};
    EXPECT_EQ(list.GetItemText(0, 2, buf, 4), 3);
    EXPECT_EQ(::lstrcmp(buf, _T("r0c")), 0);
    // A cut never splits a double-byte character of the ANSI build.
    TCHAR four[4] = {};
    EXPECT_EQ(list.GetItemText(1, 1, four, 4), 2);
#ifdef _UNICODE
    EXPECT_EQ(::lstrcmp(four, _T("大小")), 0);
#else
    EXPECT_EQ(::lstrcmp(four, _T("大")), 0);
#endif

    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    ASSERT_NE(pHeader, nullptr);
    EXPECT_EQ(pHeader->GetItemCount(), 3);
    EXPECT_TRUE(list.DeleteColumn(2));
    EXPECT_EQ(pHeader->GetItemCount(), 2);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemText(0, 0), _T("r1c0"));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    FreeTemporaries();
}

TEST(CListCtrlReport, LongItemTextsComeBackWhole) {
    CtrlHost host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), host.Parent(), 11));
    list.InsertColumn(0, _T("Text"), LVCFMT_LEFT, 200);
    CString strLong;
    for (int i = 0; i < 150; ++i)
        strLong += _T("abcd");  // 600 characters: past the first buffer size
    list.InsertItem(0, strLong);
    EXPECT_EQ(list.GetItemText(0, 0), strLong);
    CString strEdge(_T('x'), 255);
    list.SetItemText(0, 0, strEdge);
    EXPECT_EQ(list.GetItemText(0, 0), strEdge);
    EXPECT_EQ(list.GetItemText(7, 0), _T(""));
}

TEST(CListCtrlItems, InsertFormsDataImagesAndStates) {
    CtrlHost host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), host.Parent(), 12));
    list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 100);
    EXPECT_EQ(list.InsertItem(0, _T("plain")), 0);
    EXPECT_EQ(list.InsertItem(1, _T("image"), 3), 1);
    EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_STATE, 2, _T("full"), LVIS_SELECTED,
                              LVIS_SELECTED, 0, 0x55),
              2);

    LVITEM item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = 1;
    ASSERT_TRUE(list.GetItem(&item));
    EXPECT_EQ(item.iImage, 3);
    EXPECT_EQ(list.GetItemData(2), 0x55u);
    EXPECT_TRUE(list.SetItemData(0, 0x99));
    EXPECT_EQ(list.GetItemData(0), 0x99u);
    EXPECT_EQ(list.GetItemText(0, 0), _T("plain"));  // SetItemData leaves the text alone

    EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
    EXPECT_TRUE(list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED),
              static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 0);
    EXPECT_TRUE(list.SetItemState(-1, 0, LVIS_SELECTED));  // every item
    EXPECT_EQ(list.GetSelectedCount(), 0u);

    EXPECT_TRUE(list.SetItem(1, 0, LVIF_TEXT, _T("renamed"), 0, 0, 0, 0));
    EXPECT_EQ(list.GetItemText(1, 0), _T("renamed"));
}

TEST(CListCtrlSelection, PositionWalkVisitsEverySelectedItemThenStops) {
    CtrlHost host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), host.Parent(), 13));
    FillReport(list);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);

    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    int seen[4] = {-1, -1, -1, -1};
    int n = 0;
    POSITION pos = list.GetFirstSelectedItemPosition();
    while (pos && n < 4)
        seen[n++] = list.GetNextSelectedItem(pos);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(seen[0], 0);  // item 0 must not end the walk
    EXPECT_EQ(seen[1], 2);
    EXPECT_EQ(seen[2], 3);
    EXPECT_EQ(pos, nullptr);
}

TEST(CListCtrlGeometry, ItemRectsAndHitTests) {
    CtrlHost host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), host.Parent(), 14));
    FillReport(list);
    CRect rcItem;
    ASSERT_TRUE(list.GetItemRect(2, &rcItem, LVIR_BOUNDS));
    EXPECT_GT(rcItem.Height(), 0);
    CRect rcLabel;
    ASSERT_TRUE(list.GetItemRect(2, &rcLabel, LVIR_LABEL));
    EXPECT_EQ(rcLabel.top, rcItem.top);

    CRect rcSub;
    ASSERT_TRUE(list.GetSubItemRect(2, 1, LVIR_BOUNDS, rcSub));
    EXPECT_EQ(rcSub.left, 80);  // after the first column
    EXPECT_EQ(rcSub.Width(), 60);
    EXPECT_EQ(rcSub.top, rcItem.top);

    UINT flags = 0;
    EXPECT_EQ(list.HitTest(CPoint(20, rcItem.CenterPoint().y), &flags), 2);
    EXPECT_NE(flags & LVHT_ONITEM, 0u);
    EXPECT_EQ(list.HitTest(CPoint(20, 190)), -1);

    LVHITTESTINFO info = {};
    info.pt = CPoint(rcSub.left + 5, rcSub.CenterPoint().y);
    EXPECT_EQ(list.SubItemHitTest(&info), 2);
    EXPECT_EQ(info.iSubItem, 1);

    EXPECT_EQ(list.GetTopIndex(), 0);
    EXPECT_GT(list.GetCountPerPage(), 0);
    EXPECT_TRUE(list.EnsureVisible(3, FALSE));
    EXPECT_TRUE(list.RedrawItems(0, 3));
    EXPECT_TRUE(list.Update(1));
}

TEST(CListCtrlStyles, ExtendedStylesAndColours) {
    CtrlHost host;
    CListCtrl list;
    ASSERT_TRUE(
        list.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), host.Parent(), 15));
    EXPECT_NE(list.GetExStyle() & WS_EX_CLIENTEDGE, 0u);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(list.GetExtendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
              static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    EXPECT_TRUE(list.SetBkColor(RGB(1, 2, 3)));
    EXPECT_EQ(list.GetBkColor(), RGB(1, 2, 3));
    EXPECT_TRUE(list.SetTextColor(RGB(4, 5, 6)));
    EXPECT_EQ(list.GetTextColor(), RGB(4, 5, 6));
    EXPECT_TRUE(list.SetTextBkColor(CLR_NONE));
    EXPECT_EQ(list.GetTextBkColor(), CLR_NONE);

    list.SetExtendedStyle(LVS_EX_CHECKBOXES);
    list.InsertColumn(0, _T("Done"), LVCFMT_LEFT, 100);
    list.InsertItem(0, _T("task"));
    EXPECT_FALSE(list.GetCheck(0));
    EXPECT_TRUE(list.SetCheck(0));
    EXPECT_TRUE(list.GetCheck(0));
    EXPECT_TRUE(list.SetCheck(0, FALSE));
    EXPECT_FALSE(list.GetCheck(0));
}

TEST(CListCtrlSort, SortItemsOrdersByItemData) {
    CtrlHost host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), host.Parent(), 16));
    list.InsertColumn(0, _T("n"), LVCFMT_LEFT, 100);
    const int values[] = {4, 9, 1, 7};
    for (int i = 0; i < 4; ++i) {
        CString text;
        text.Format(_T("%d"), values[i]);
        list.InsertItem(LVIF_TEXT | LVIF_PARAM, i, text, 0, 0, 0, values[i]);
    }
    EXPECT_TRUE(list.SortItems(&CompareDataDescending, 0));
    EXPECT_EQ(list.GetItemText(0, 0), _T("9"));
    EXPECT_EQ(list.GetItemText(1, 0), _T("7"));
    EXPECT_EQ(list.GetItemText(3, 0), _T("1"));
}

// ---- Image lists ----

TEST(CListCtrlImageList, SetImageListAnswersThePreviousList) {
    CtrlHost host;
    CListCtrl list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | LVS_REPORT | LVS_SHAREIMAGELISTS, CRect(0, 0, 300, 200), host.Parent(), 17));
    CImageList first, second;
    ASSERT_TRUE(first.Create(16, 16, ILC_COLOR32, 1, 1));
    ASSERT_TRUE(second.Create(16, 16, ILC_COLOR32, 1, 1));
    EXPECT_EQ(list.SetImageList(&first, LVSIL_SMALL), nullptr);
    EXPECT_EQ(list.GetImageList(LVSIL_SMALL), &first);
    EXPECT_EQ(list.SetImageList(&second, LVSIL_SMALL), &first);
    EXPECT_EQ(list.GetImageList(LVSIL_NORMAL), nullptr);

    // A list the control got without a wrapper comes back as a temporary object of its handle.
    HIMAGELIST hRaw = ::ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
    ::SendMessage(list.m_hWnd, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(hRaw));
    CImageList* pPrevious = list.SetImageList(nullptr, LVSIL_STATE);
    ASSERT_NE(pPrevious, nullptr);
    EXPECT_EQ(pPrevious->m_hImageList, hRaw);
    EXPECT_EQ(CImageList::FromHandlePermanent(hRaw), nullptr);
    FreeTemporaries();
    ::ImageList_Destroy(hRaw);
    EXPECT_EQ(list.SetImageList(nullptr, LVSIL_SMALL), &second);
}

TEST(CHeaderCtrlImageList, SetImageListAnswersThePreviousList) {
    CtrlHost host;
    CHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | HDS_HORZ, CRect(0, 0, 300, 24), host.Parent(), 18));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 1, 1));
    EXPECT_EQ(header.SetImageList(&images), nullptr);
    EXPECT_EQ(header.GetImageList(), &images);
    EXPECT_EQ(header.SetImageList(nullptr), &images);
}

// ---- Header ----

TEST(CHeaderCtrlItems, InsertReadLayoutOrderAndHitTest) {
    CtrlHost host;
    CHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_DRAGDROP, CRect(0, 0, 300, 24),
                              host.Parent(), 19));
    TCHAR szClass[32] = {};
    ::GetClassName(header.m_hWnd, szClass, 32);
    EXPECT_EQ(::lstrcmp(szClass, WC_HEADER), 0);
    const TCHAR* names[] = {_T("One"), _T("Two"), _T("Three")};
    for (int i = 0; i < 3; ++i) {
        HDITEM item = {};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<LPTSTR>(names[i]);
        item.cxy = 50 + 10 * i;
        item.fmt = HDF_LEFT | HDF_STRING;
        EXPECT_EQ(header.InsertItem(i, &item), i);
    }
    EXPECT_EQ(header.GetItemCount(), 3);
    CRect rc;
    ASSERT_TRUE(header.GetItemRect(1, &rc));
    EXPECT_EQ(rc.left, 50);
    EXPECT_EQ(rc.Width(), 60);

    TCHAR szText[16] = {};
    HDITEM read = {};
    read.mask = HDI_TEXT | HDI_WIDTH;
    read.pszText = szText;
    read.cchTextMax = 16;
    ASSERT_TRUE(header.GetItem(2, &read));
    EXPECT_EQ(::lstrcmp(szText, _T("Three")), 0);
    EXPECT_EQ(read.cxy, 70);
    HDITEM widen = {};
    widen.mask = HDI_WIDTH;
    widen.cxy = 90;
    EXPECT_TRUE(header.SetItem(0, &widen));
    ASSERT_TRUE(header.GetItemRect(1, &rc));
    EXPECT_EQ(rc.left, 90);

    HDHITTESTINFO hit = {};
    hit.pt = CPoint(rc.CenterPoint().x, 10);  // away from the dividers
    EXPECT_EQ(header.HitTest(&hit), 1);

    int order[3] = {2, 0, 1};
    EXPECT_TRUE(header.SetOrderArray(3, order));
    int got[3] = {};
    EXPECT_TRUE(header.GetOrderArray(got));
    EXPECT_EQ(got[0], 2);
    EXPECT_EQ(got[2], 1);
    EXPECT_EQ(header.OrderToIndex(0), 2);

    CRect rcParent(0, 0, 300, 200);
    WINDOWPOS wp = {};
    HDLAYOUT layout = {&rcParent, &wp};
    EXPECT_TRUE(header.Layout(&layout));
    EXPECT_GT(wp.cy, 0);
    EXPECT_EQ(rcParent.top, wp.cy);  // the header takes its height off the top

    EXPECT_TRUE(header.DeleteItem(0));
    EXPECT_EQ(header.GetItemCount(), 2);
}

// ---- Notifications and owner draw ----

TEST(CListCtrlReflection, DerivedListSeesItsOwnChangeNotifications) {
    CtrlHost host;
    CWatchedList list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), host.Parent(), 20));
    list.InsertColumn(0, _T("n"), LVCFMT_LEFT, 100);
    list.InsertItem(0, _T("a"));
    list.InsertItem(1, _T("b"));
    list.m_nChanges = 0;
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_GE(list.m_nChanges, 1);
    EXPECT_EQ(list.m_nLastItem, 1);
}

TEST(CListCtrlOwnerDraw, OwnerDrawnReportRowsReachDrawItem) {
    CtrlHost host;
    COwnerDrawList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER,
                            CRect(0, 0, 200, 150), host.Parent(), 21));
    list.InsertColumn(0, _T("n"), LVCFMT_LEFT, 200);
    list.InsertItem(0, _T("a"));
    list.InsertItem(1, _T("b"));
    riztest::WindowCapture capture(list.m_hWnd);
    EXPECT_GT(list.m_nDraws, 0);
    EXPECT_EQ(list.m_nMaxItem, 1);
    CRect rc;
    ASSERT_TRUE(list.GetItemRect(1, &rc, LVIR_BOUNDS));
    EXPECT_TRUE(riztest::ColorNear(capture.Pixel(rc.left + 10, rc.CenterPoint().y), kOrange));
}

TEST(CListCtrlLabels, EditLabelAnswersTheEditControl) {
    CtrlHost host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_EDITLABELS, CRect(0, 0, 200, 150),
                            host.Parent(), 22));
    list.InsertColumn(0, _T("n"), LVCFMT_LEFT, 150);
    list.InsertItem(0, _T("label"));
    ::SetFocus(list.m_hWnd);
    CEdit* pEdit = list.EditLabel(0);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(list.GetEditControl(), pEdit);
    CString str;
    pEdit->GetWindowText(str);
    EXPECT_EQ(str, _T("label"));
    FreeTemporaries();
}
