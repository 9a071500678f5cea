// List view wrappers on real controls: the walk over the selected items, reflected notifications and
// owner-drawn rows. The messages of single calls are in CtrlWrapperTable.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "FrameworkHost.h"
#include "PixelProbe.h"
#include "TestWindow.h"

namespace {

const COLORREF kOrange = RGB(240, 140, 20);

using riztest::CtrlHost;

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
