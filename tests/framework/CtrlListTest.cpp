// List view wrappers on real controls: the walk over the selected items, reflected notifications and
// owner-drawn rows. The messages of single calls are in CtrlWrapperTable.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "FrameworkHost.h"
#include "PixelProbe.h"
#include "TestWindow.h"

namespace {

const COLORREF kOrange = RGB(240, 140, 20);

using riztest::CtrlHost;

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
