// Tree view and tab control wrappers on real controls: insertion forms, navigation, expansion, item
// texts, data, states and images, hit tests, selection of tabs and owner-drawn tabs.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "FrameworkHost.h"
#include "PixelProbe.h"
#include "TestWindow.h"

namespace {

const COLORREF kTeal = RGB(20, 160, 160);

using riztest::CtrlHost;

const DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;

// Fruit { Apple, Pear { Conference } }, Vegetable { Leek }
struct SampleTree {
    HTREEITEM hFruit, hApple, hPear, hConference, hVegetable, hLeek;

    explicit SampleTree(CTreeCtrl& tree) {
        hFruit = tree.InsertItem(_T("Fruit"));
        hApple = tree.InsertItem(_T("Apple"), hFruit);
        hPear = tree.InsertItem(_T("Pear"), hFruit);
        hConference = tree.InsertItem(_T("Conference"), hPear);
        hVegetable = tree.InsertItem(_T("Vegetable"));
        hLeek = tree.InsertItem(_T("Leek"), hVegetable);
    }
};

class COwnerDrawTabs : public CTabCtrl {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        ++m_nDraws;
        m_nMaxItem = std::max(m_nMaxItem, static_cast<int>(lpDIS->itemID));
        CDC::FromHandle(lpDIS->hDC)->FillSolidRect(&lpDIS->rcItem, kTeal);
    }
    int m_nDraws = 0;
    int m_nMaxItem = -1;
};

}  // namespace

// ---- CTreeCtrl ----

TEST(CTreeCtrlItems, InsertAndNavigateTheHierarchy) {
    CtrlHost host;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(kTreeStyle, CRect(0, 0, 200, 250), host.Parent(), 30));
    TCHAR szClass[32] = {};
    ::GetClassName(tree.m_hWnd, szClass, 32);
    EXPECT_EQ(::lstrcmp(szClass, WC_TREEVIEW), 0);
    SampleTree s(tree);
    ASSERT_NE(s.hLeek, nullptr);
    EXPECT_EQ(tree.GetCount(), 6u);

    EXPECT_EQ(tree.GetRootItem(), s.hFruit);
    EXPECT_EQ(tree.GetNextSiblingItem(s.hFruit), s.hVegetable);
    EXPECT_EQ(tree.GetPrevSiblingItem(s.hVegetable), s.hFruit);
    EXPECT_EQ(tree.GetNextSiblingItem(s.hVegetable), nullptr);
    EXPECT_EQ(tree.GetChildItem(s.hFruit), s.hApple);
    EXPECT_EQ(tree.GetNextSiblingItem(s.hApple), s.hPear);
    EXPECT_EQ(tree.GetParentItem(s.hConference), s.hPear);
    EXPECT_EQ(tree.GetParentItem(s.hFruit), nullptr);
    EXPECT_TRUE(tree.ItemHasChildren(s.hPear));
    EXPECT_FALSE(tree.ItemHasChildren(s.hApple));

    // Inserting first among the children and in sorted order.
    HTREEITEM hBanana = tree.InsertItem(_T("Banana"), s.hFruit, TVI_FIRST);
    EXPECT_EQ(tree.GetChildItem(s.hFruit), hBanana);
    HTREEITEM hCherry = tree.InsertItem(_T("Cherry"), s.hFruit, TVI_SORT);
    EXPECT_EQ(tree.GetNextSiblingItem(hBanana), s.hApple);  // "Banana" was out of order already
    EXPECT_NE(hCherry, nullptr);

    EXPECT_TRUE(tree.DeleteItem(s.hPear));
    EXPECT_EQ(tree.GetCount(), 6u);  // Pear and Conference went, Banana and Cherry came
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
}

TEST(CTreeCtrlItems, ExpandSelectAndVisibleWalk) {
    CtrlHost host;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(kTreeStyle, CRect(0, 0, 200, 250), host.Parent(), 31));
    SampleTree s(tree);
    EXPECT_EQ(tree.GetFirstVisibleItem(), s.hFruit);
    EXPECT_EQ(tree.GetNextVisibleItem(s.hFruit), s.hVegetable);  // collapsed

    EXPECT_TRUE(tree.Expand(s.hFruit, TVE_EXPAND));
    EXPECT_NE(tree.GetItemState(s.hFruit, TVIS_EXPANDED), 0u);
    EXPECT_EQ(tree.GetNextVisibleItem(s.hFruit), s.hApple);
    EXPECT_EQ(tree.GetNextVisibleItem(s.hPear), s.hVegetable);
    EXPECT_EQ(tree.GetPrevVisibleItem(s.hApple), s.hFruit);

    tree.EnsureVisible(s.hConference);  // expands Pear (answers FALSE when it had to expand)
    EXPECT_NE(tree.GetItemState(s.hPear, TVIS_EXPANDED), 0u);
    EXPECT_TRUE(tree.Expand(s.hFruit, TVE_COLLAPSE));
    EXPECT_EQ(tree.GetItemState(s.hFruit, TVIS_EXPANDED), 0u);

    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_TRUE(tree.SelectItem(s.hLeek));
    EXPECT_EQ(tree.GetSelectedItem(), s.hLeek);
    EXPECT_NE(tree.GetItemState(s.hLeek, TVIS_SELECTED), 0u);
    EXPECT_TRUE(tree.SelectDropTarget(s.hFruit));
    EXPECT_EQ(tree.GetDropHilightItem(), s.hFruit);
}

TEST(CTreeCtrlItems, TextDataImagesAndStates) {
    CtrlHost host;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(kTreeStyle, CRect(0, 0, 200, 250), host.Parent(), 32));
    HTREEITEM hRoot = tree.InsertItem(_T("根节点"), 2, 3);
    HTREEITEM hFull = tree.InsertItem(TVIF_TEXT | TVIF_PARAM | TVIF_STATE, _T("full"), 0, 0, TVIS_BOLD,
                                      TVIS_BOLD, 0x77, hRoot, TVI_LAST);
    EXPECT_EQ(tree.GetItemText(hRoot), _T("根节点"));
    EXPECT_EQ(tree.GetItemData(hFull), 0x77u);
    EXPECT_EQ(tree.GetItemState(hFull, TVIS_BOLD), static_cast<UINT>(TVIS_BOLD));
    int nImage = -1, nSelected = -1;
    ASSERT_TRUE(tree.GetItemImage(hRoot, nImage, nSelected));
    EXPECT_EQ(nImage, 2);
    EXPECT_EQ(nSelected, 3);
    EXPECT_TRUE(tree.SetItemImage(hRoot, 5, 6));
    ASSERT_TRUE(tree.GetItemImage(hRoot, nImage, nSelected));
    EXPECT_EQ(nImage, 5);
    EXPECT_EQ(nSelected, 6);

    EXPECT_TRUE(tree.SetItemText(hFull, _T("renamed")));
    EXPECT_EQ(tree.GetItemText(hFull), _T("renamed"));
    EXPECT_EQ(tree.GetItemData(hFull), 0x77u);  // the text change keeps the data
    EXPECT_TRUE(tree.SetItemData(hFull, 0x88));
    EXPECT_EQ(tree.GetItemData(hFull), 0x88u);
    EXPECT_EQ(tree.GetItemText(hFull), _T("renamed"));
    EXPECT_TRUE(tree.SetItemState(hFull, 0, TVIS_BOLD));
    EXPECT_EQ(tree.GetItemState(hFull, TVIS_BOLD), 0u);

    CString strLong;
    for (int i = 0; i < 100; ++i)
        strLong += _T("wxyz");  // 400 characters: past the first buffer size
    EXPECT_TRUE(tree.SetItemText(hFull, strLong));
    EXPECT_EQ(tree.GetItemText(hFull), strLong);
}

TEST(CTreeCtrlGeometry, ItemRectHitTestIndentAndHeight) {
    CtrlHost host;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(kTreeStyle, CRect(0, 0, 200, 250), host.Parent(), 33));
    SampleTree s(tree);
    tree.Expand(s.hFruit, TVE_EXPAND);
    CRect rcLine, rcText;
    ASSERT_TRUE(tree.GetItemRect(s.hApple, &rcLine, FALSE));
    ASSERT_TRUE(tree.GetItemRect(s.hApple, &rcText, TRUE));
    EXPECT_EQ(rcLine.left, 0);
    EXPECT_GT(rcText.left, rcLine.left);
    EXPECT_EQ(rcText.top, rcLine.top);
    EXPECT_FALSE(tree.GetItemRect(s.hLeek, &rcText, TRUE));  // hidden under its collapsed parent

    UINT flags = 0;
    ASSERT_TRUE(tree.GetItemRect(s.hApple, &rcText, TRUE));
    EXPECT_EQ(tree.HitTest(rcText.CenterPoint(), &flags), s.hApple);
    EXPECT_NE(flags & TVHT_ONITEMLABEL, 0u);
    EXPECT_EQ(tree.HitTest(CPoint(100, 240)), nullptr);

    tree.SetIndent(30);
    EXPECT_EQ(tree.GetIndent(), 30u);
    tree.SetItemHeight(24);
    EXPECT_EQ(tree.GetItemHeight(), 24);
    tree.SetBkColor(RGB(10, 20, 30));
    EXPECT_EQ(tree.GetBkColor(), RGB(10, 20, 30));
    tree.SetTextColor(RGB(40, 50, 60));
    EXPECT_EQ(tree.GetTextColor(), RGB(40, 50, 60));
}

TEST(CTreeCtrlItems, SortChildrenAndCheckBoxes) {
    CtrlHost host;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(kTreeStyle | TVS_CHECKBOXES, CRect(0, 0, 200, 250), host.Parent(), 34));
    HTREEITEM hRoot = tree.InsertItem(_T("root"));
    tree.InsertItem(_T("delta"), hRoot);
    tree.InsertItem(_T("alpha"), hRoot);
    tree.InsertItem(_T("charlie"), hRoot);
    EXPECT_TRUE(tree.SortChildren(hRoot));
    HTREEITEM hFirst = tree.GetChildItem(hRoot);
    EXPECT_EQ(tree.GetItemText(hFirst), _T("alpha"));
    EXPECT_EQ(tree.GetItemText(tree.GetNextSiblingItem(hFirst)), _T("charlie"));

    EXPECT_FALSE(tree.GetCheck(hFirst));
    EXPECT_TRUE(tree.SetCheck(hFirst));
    EXPECT_TRUE(tree.GetCheck(hFirst));
    EXPECT_TRUE(tree.SetCheck(hFirst, FALSE));
    EXPECT_FALSE(tree.GetCheck(hFirst));
}

TEST(CTreeCtrlImageList, SetImageListAnswersThePreviousList) {
    CtrlHost host;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(kTreeStyle, CRect(0, 0, 200, 250), host.Parent(), 35));
    CImageList first, second;
    ASSERT_TRUE(first.Create(16, 16, ILC_COLOR32, 1, 1));
    ASSERT_TRUE(second.Create(16, 16, ILC_COLOR32, 1, 1));
    EXPECT_EQ(tree.SetImageList(&first, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL), &first);
    EXPECT_EQ(tree.SetImageList(&second, TVSIL_NORMAL), &first);
    EXPECT_EQ(tree.SetImageList(nullptr, TVSIL_NORMAL), &second);
    EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL), nullptr);
}

TEST(CTreeCtrlLabels, EditLabelAnswersTheEditControl) {
    CtrlHost host;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(kTreeStyle | TVS_EDITLABELS, CRect(0, 0, 200, 250), host.Parent(), 36));
    HTREEITEM hItem = tree.InsertItem(_T("label"));
    ::SetFocus(tree.m_hWnd);
    CEdit* pEdit = tree.EditLabel(hItem);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(tree.GetEditControl(), pEdit);
    CString str;
    pEdit->GetWindowText(str);
    EXPECT_EQ(str, _T("label"));
    EXPECT_TRUE(tree.EndEditLabelNow(TRUE));
    AfxLockTempMaps();
    AfxUnlockTempMaps();
}

// ---- CTabCtrl ----

TEST(CTabCtrlItems, InsertSelectAndReadTabs) {
    CtrlHost host;
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), host.Parent(), 40));
    TCHAR szClass[32] = {};
    ::GetClassName(tabs.m_hWnd, szClass, 32);
    EXPECT_EQ(::lstrcmp(szClass, WC_TABCONTROL), 0);
    EXPECT_EQ(tabs.InsertItem(0, _T("General")), 0);
    EXPECT_EQ(tabs.InsertItem(1, _T("高级"), 2), 1);
    EXPECT_EQ(tabs.InsertItem(TCIF_TEXT | TCIF_PARAM, 1, _T("Middle"), 0, 0x42), 1);
    EXPECT_EQ(tabs.GetItemCount(), 3);

    TCHAR szText[32] = {};
    TCITEM item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = szText;
    item.cchTextMax = 32;
    ASSERT_TRUE(tabs.GetItem(2, &item));
    EXPECT_EQ(::lstrcmp(szText, _T("高级")), 0);
    EXPECT_EQ(item.iImage, 2);
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_EQ(item.lParam, 0x42);

    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(tabs.SetCurSel(2), 0);
    EXPECT_EQ(tabs.GetCurSel(), 2);
    EXPECT_EQ(tabs.SetCurSel(1), 2);

    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPTSTR>(_T("Centre"));
    EXPECT_TRUE(tabs.SetItem(1, &item));
    item.pszText = szText;
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_EQ(::lstrcmp(szText, _T("Centre")), 0);

    EXPECT_EQ(tabs.GetRowCount(), 1);
    EXPECT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(tabs.GetItemCount(), 2);
    EXPECT_TRUE(tabs.DeleteAllItems());
    EXPECT_EQ(tabs.GetItemCount(), 0);
}

TEST(CTabCtrlGeometry, ItemRectsHitTestAdjustRectAndFixedSize) {
    CtrlHost host;
    CTabCtrl tabs;
    ASSERT_TRUE(
        tabs.Create(WS_CHILD | WS_VISIBLE | TCS_FIXEDWIDTH, CRect(0, 0, 300, 200), host.Parent(), 41));
    tabs.InsertItem(0, _T("One"));
    tabs.InsertItem(1, _T("Two"));
    tabs.SetItemSize(CSize(80, 24));
    CRect rc0, rc1;
    ASSERT_TRUE(tabs.GetItemRect(0, &rc0));
    ASSERT_TRUE(tabs.GetItemRect(1, &rc1));
    EXPECT_EQ(rc1.left, rc0.right);
    EXPECT_EQ(rc0.Height(), 24);
    const CSize sizeOld = tabs.SetItemSize(CSize(60, 20));
    EXPECT_EQ(sizeOld.cx, 80);
    EXPECT_EQ(sizeOld.cy, 24);

    ASSERT_TRUE(tabs.GetItemRect(1, &rc1));
    TCHITTESTINFO hit = {};
    hit.pt = rc1.CenterPoint();
    EXPECT_EQ(tabs.HitTest(&hit), 1);
    EXPECT_NE(hit.flags & TCHT_ONITEM, 0u);
    hit.pt = CPoint(150, 150);
    EXPECT_EQ(tabs.HitTest(&hit), -1);

    // The display area lies below the tabs; growing it back gives the window rectangle.
    CRect rc(0, 0, 300, 200);
    tabs.AdjustRect(FALSE, &rc);
    EXPECT_GE(rc.top, rc1.bottom);
    tabs.AdjustRect(TRUE, &rc);
    EXPECT_EQ(rc, CRect(0, 0, 300, 200));
}

TEST(CTabCtrlImageList, SetImageListAnswersThePreviousList) {
    CtrlHost host;
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD, CRect(0, 0, 300, 200), host.Parent(), 42));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 1, 1));
    EXPECT_EQ(tabs.SetImageList(&images), nullptr);
    EXPECT_EQ(tabs.GetImageList(), &images);
    EXPECT_EQ(tabs.SetImageList(nullptr), &images);
}

TEST(CTabCtrlOwnerDraw, OwnerDrawnTabsReachDrawItem) {
    CtrlHost host;
    COwnerDrawTabs tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | TCS_OWNERDRAWFIXED | TCS_FIXEDWIDTH,
                            CRect(0, 0, 300, 120), host.Parent(), 43));
    tabs.SetItemSize(CSize(90, 26));
    tabs.InsertItem(0, _T("A"));
    tabs.InsertItem(1, _T("B"));
    riztest::WindowCapture capture(tabs.m_hWnd);
    EXPECT_GT(tabs.m_nDraws, 0);
    EXPECT_EQ(tabs.m_nMaxItem, 1);
    CRect rc;
    ASSERT_TRUE(tabs.GetItemRect(1, &rc));
    EXPECT_TRUE(riztest::ColorNear(capture.Pixel(rc.CenterPoint().x, rc.CenterPoint().y), kTeal));
}
