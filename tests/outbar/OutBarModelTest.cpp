// The outlook bar's folder and item model and the geometry that needs a window: labels measured in the
// bar's font, and a derived bar's geometry virtuals reaching hit testing and the visible range.
#include "OutBarTestKit.h"
#include "QVSelectScope.h"

#include <climits>

using namespace obtest;

namespace {

// Three folders, folder 1 open, n items of empty labels in folder 1 (so that sizes are the icons').
void ThreeFoldersOpenAtOne(CQVOutBarCtrl& bar, COwnerWnd&, int nItems) {
    bar.AddFolder(_T("Courses"), 7);
    bar.AddFolder(_T("Word books"), 8);
    bar.AddFolder(_T("Friends"), 9);
    for (int j = 0; j < nItems; ++j)
        bar.InsertItem(1, -1, _T(""), j % 6, j);
    bar.SetSelFolder(1);
}

int LineHeight(CQVOutBarCtrl& bar) {
    CClientDC dc(&bar);
    const CQVSelectScope font(&dc, bar.GetFontX()->GetSafeHandle());
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    return tm.tmHeight;
}

}  // namespace

TEST_F(OutBarTest, WithoutFoldersTheInsideIsTheClientAreaAndItemsCannotBeAdded) {
    CQVOutBarCtrl& bar = MakeBar(0, 0);
    CRect rc;
    bar.GetInsideRect(rc);
    EXPECT_EQ(CRect(0, 0, 200, 300), rc);
    EXPECT_EQ(0, bar.GetItemCount());
    EXPECT_EQ(-1, bar.InsertItem(0, 0, _T("Lesson 1")));
    EXPECT_FALSE(bar.GetFolderRect(0, rc));
    EXPECT_FALSE(bar.IsSmallIconView(0));
    bar.ModifyFlag(0, QVOB_SMALL_ICONS);
    EXPECT_TRUE(bar.IsSmallIconView(0));
    EXPECT_TRUE(bar.IsSmallIconView(-1));
    EXPECT_EQ(bar.GetFolderChild(-1), nullptr);
}

TEST_F(OutBarTest, AWrappedLabelMakesItsItemTallerByWholeLines) {
    CQVOutBarCtrl& bar = MakeBar(0, 0, 120, 300);
    bar.AddFolder(_T("Courses"));
    bar.InsertItem(0, -1, _T("Lesson 1"), 0);
    bar.InsertItem(0, -1, _T("Lesson 2: the present perfect tense in everyday talk"), 1);
    const int nLine = LineHeight(bar);
    CRect rcShort, rcLong, rcLabel;
    bar.GetItemRect(0, 0, rcShort);
    bar.GetItemRect(0, 1, rcLong);
    bar.GetLabelRect(0, 1, rcLabel);
    EXPECT_EQ(nLine, bar.GetItemSize(0, 0, 2).cy);
    const int nExtra = rcLong.Height() - rcShort.Height();
    EXPECT_GE(nExtra, nLine);
    EXPECT_EQ(0, nExtra % nLine);
    EXPECT_EQ(rcLong.Height() - 32 - 3 - 8, rcLabel.Height());
    EXPECT_LE(rcLabel.Width(), 120);
    EXPECT_EQ(CRect(0, rcShort.top, 120, rcShort.bottom),
              CRect(rcLong.left, rcShort.top, rcLong.right, rcShort.bottom));
    // In small view labels stay on one line.
    bar.SetSmallIconView(TRUE, 0);
    bar.GetItemRect(0, 1, rcLong);
    EXPECT_EQ(std::max(nLine, 16), rcLong.Height());
}

TEST_F(OutBarTest, ADerivedItemSizeMovesHitTestingAndGeometry) {
    class CTallBar : public CQVOutBarCtrl {
    public:
        CSize GetItemSize(int nFolder, int nIndex, int nType) override {
            CSize size = CQVOutBarCtrl::GetItemSize(nFolder, nIndex, nType);
            if (nType == 3) size.cy += 100;
            return size;
        }
        BOOL GetFolderRect(int nIndex, CRect& rect) override {
            // Headers on this bar are reported 4 pixels narrower on the right.
            if (!CQVOutBarCtrl::GetFolderRect(nIndex, rect)) return FALSE;
            rect.right -= 4;
            return TRUE;
        }
    } bar;
    CreateBar(bar, 200, 300);
    ThreeFoldersOpenAtOne(bar, m_owner, 6);
    CRect rc;
    bar.GetItemRect(1, 1, rc);
    EXPECT_EQ(52 + 143 + 8, rc.top);
    int nIndex = -1;
    bar.GetIconRect(1, 1, rc);
    EXPECT_EQ(QVOB_HIT_ITEM, bar.HitTestEx(rc.CenterPoint(), nIndex));
    EXPECT_EQ(1, nIndex);
    int nFirst = 0, nLast = 0;
    bar.GetVisibleRange(1, nFirst, nLast);
    EXPECT_EQ(0, nLast);
    EXPECT_EQ(QVOB_HIT_NOTHING, bar.HitTestEx(CPoint(198, 30), nIndex));  // outside the narrowed header
}

// ---- Model ----

TEST_F(OutBarTest, InsertItemPutsItemsAtTheirPlaceOrAppends) {
    CQVOutBarCtrl& bar = MakeBar(0, 0);
    bar.AddFolder(_T("Word books"));
    bar.InsertItem(0, -1, _T("apple"));
    bar.InsertItem(0, -1, _T("banana"));
    EXPECT_EQ(0, bar.InsertItem(0, 0, _T("cherry")));
    EXPECT_EQ(3, bar.InsertItem(0, 7, _T("date")));
    EXPECT_EQ(4, bar.InsertItem(0, -1, _T("elder")));
    EXPECT_EQ(2, bar.InsertItem(0, 2, _T("fig")));
    const LPCTSTR order[] = {_T("cherry"), _T("apple"), _T("fig"), _T("banana"), _T("date"), _T("elder")};
    ASSERT_EQ(6, bar.GetItemCount());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(CString(order[i]), bar.GetItemText(i)) << i;
    EXPECT_EQ(-1, bar.InsertItem(1, 0, _T("no folder")));
    EXPECT_EQ(-1, bar.InsertItem(-1, 0, _T("no folder")));
}

TEST(OutBarFolder, WalksItemsInAnyOrderLikeAnArray) {
    CQVBarFolder folder(_T("Friends"), 3);
    std::vector<int> model;
    unsigned seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(n));
    };
    for (int step = 0; step < 2000; ++step) {
        const int nCount = static_cast<int>(model.size());
        const int nOp = next(10);
        if (nOp < 5 || nCount == 0) {
            const int nAt = next(nCount + 2) - 1;  // -1 .. count
            const int nPos = folder.InsertItem(nAt, _T("x"), 0, static_cast<DWORD>(step));
            const int nExpected = nAt < 0 || nAt > nCount ? nCount : nAt;
            ASSERT_EQ(nExpected, nPos);
            model.insert(model.begin() + nExpected, step);
        } else if (nOp < 7) {
            const int nAt = next(nCount);
            CXTBarItem* pItem = folder.RemoveItemAt(nAt);
            ASSERT_NE(pItem, nullptr);
            ASSERT_EQ(static_cast<DWORD>(model[nAt]), pItem->m_dwData);
            delete pItem;
            model.erase(model.begin() + nAt);
        } else {
            const int nAt = next(nCount);
            ASSERT_EQ(static_cast<DWORD>(model[nAt]), folder.GetItemAt(nAt)->m_dwData) << step;
        }
    }
    ASSERT_EQ(static_cast<int>(model.size()), folder.GetItemCount());
    for (int i = 0; i < folder.GetItemCount(); ++i)
        ASSERT_EQ(static_cast<DWORD>(model[i]), folder.GetItemAt(i)->m_dwData);
    for (int i = folder.GetItemCount() - 1; i >= 0; --i)
        ASSERT_EQ(static_cast<DWORD>(model[i]), folder.GetItemAt(i)->m_dwData);
    EXPECT_EQ(folder.GetItemAt(-1), nullptr);
    EXPECT_EQ(folder.GetItemAt(folder.GetItemCount()), nullptr);
    EXPECT_EQ(folder.RemoveItemAt(INT_MAX), nullptr);
    EXPECT_EQ(-1, folder.InsertItemAt(0, nullptr));
}

TEST_F(OutBarTest, OnlyAnAnswerOfExactlyOneLetsAStepHappen) {
    CQVOutBarCtrl& bar = MakeBar(3, 2);
    for (LRESULT lAnswer : {LRESULT(0), LRESULT(2), LRESULT(-1)}) {
        SCOPED_TRACE(lAnswer);
        m_owner.m_answer = [lAnswer](const Note&) { return lAnswer; };
        bar.SetSelFolder(2);
        EXPECT_EQ(0, bar.GetSelFolder());
        bar.RemoveItem(0);
        EXPECT_EQ(2, bar.GetItemCount());
        bar.RemoveFolder(1);
        EXPECT_EQ(3, bar.GetFolderCount());
    }
    m_owner.m_answer = nullptr;
    bar.SetSelFolder(2);
    EXPECT_EQ(2, bar.GetSelFolder());
}

TEST_F(OutBarTest, FolderAndItemNotificationsCarryIndexTextAndKind) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.SetSelFolder(2);
    const Note* pNote = m_owner.Last(OUTBAR_FOLDER_SELECTING);
    ASSERT_NE(pNote, nullptr);
    EXPECT_EQ(2, pNote->nIndex);
    EXPECT_EQ(CString(_T("F2")), pNote->strText);
    EXPECT_TRUE(pNote->bFolder);
    EXPECT_EQ(-1, pNote->nDragFrom);
    EXPECT_EQ(-1, pNote->nDragTo);
    bar.RemoveItem(1);
    pNote = m_owner.Last(OUTBAR_ITEM_DELETING);
    ASSERT_NE(pNote, nullptr);
    EXPECT_EQ(1, pNote->nIndex);
    EXPECT_EQ(CString(_T("Item 2.1")), pNote->strText);
    EXPECT_FALSE(pNote->bFolder);
    EXPECT_EQ(CString(_T("Item 2.2")), bar.GetItemText(1));
    bar.RemoveFolder(0);
    pNote = m_owner.Last(OUTBAR_FOLDER_DELETING);
    ASSERT_NE(pNote, nullptr);
    EXPECT_EQ(0, pNote->nIndex);
    EXPECT_EQ(CString(_T("F0")), pNote->strText);
    EXPECT_TRUE(pNote->bFolder);
}

TEST_F(OutBarTest, RemovingAFolderKeepsTheOneBeforeItOpen) {
    CQVOutBarCtrl& bar = MakeBar(5, 0);
    bar.RemoveFolder(0);  // the open folder 0: folder 0 (the next one) is open
    EXPECT_EQ(0, bar.GetSelFolder());
    EXPECT_EQ(4, bar.GetFolderCount());
    bar.SetSelFolder(3);
    bar.RemoveFolder(1);
    EXPECT_EQ(0, bar.GetSelFolder());
    bar.SetSelFolder(2);
    bar.RemoveFolder(2);  // the open one: the folder before it opens
    EXPECT_EQ(1, bar.GetSelFolder());
    bar.SetSelFolder(0);
    bar.RemoveFolder(1);  // after the open one: nothing changes
    EXPECT_EQ(0, bar.GetSelFolder());
    bar.RemoveFolder(0);
    EXPECT_EQ(0, bar.GetSelFolder());
    EXPECT_EQ(0, bar.GetFolderCount());
}

TEST_F(OutBarTest, IndexAndDataOverloadsReadTheirArgumentsDifferently) {
    CQVOutBarCtrl& bar = MakeBar(0, 0);
    // Folder i has data (i + 1) % 3, item j has data (j + 2) % 3: index and data never agree.
    for (int i = 0; i < 3; ++i) {
        bar.AddFolder(_T("F"), static_cast<DWORD>((i + 1) % 3));
        for (int j = 0; j < 3; ++j)
            bar.InsertItem(i, -1, _T("I"), 0, static_cast<DWORD>((j + 2) % 3));
    }
    bar.SetSelFolder(static_cast<DWORD>(0));  // data 0: folder 2
    EXPECT_EQ(2, bar.GetSelFolder());
    bar.SetSelFolder(0);  // index 0
    EXPECT_EQ(0, bar.GetSelFolder());
    bar.SetSelFolder(static_cast<DWORD>(7));  // no such data: nothing
    EXPECT_EQ(0, bar.GetSelFolder());

    DWORD dwFolder = 99, dwItem = 99;
    bar.SetCurSelected(1, 0);  // index: folder 1 (data 2), item 0 (data 2)
    bar.GetCurSelected(dwFolder, dwItem);
    EXPECT_EQ(2u, dwFolder);
    EXPECT_EQ(2u, dwItem);
    bar.SetCurSelected(static_cast<DWORD>(1), static_cast<DWORD>(0));  // data: folder 0, item 1
    bar.GetCurSelected(dwFolder, dwItem);
    EXPECT_EQ(1u, dwFolder);
    EXPECT_EQ(0u, dwItem);
    bar.SetCurSelected(static_cast<DWORD>(1), static_cast<DWORD>(9));  // item data absent: unchanged
    bar.GetCurSelected(dwFolder, dwItem);
    EXPECT_EQ(1u, dwFolder);
    EXPECT_EQ(0u, dwItem);
}

TEST_F(OutBarTest, ImageListsAreChosenBySizeBitAndFolder) {
    CQVOutBarCtrl& bar = MakeBar(2, 1);
    CImageList other;
    MakeImageList(other, 24, 1);
    EXPECT_EQ(&m_large, bar.GetImageList(0x2));
    EXPECT_EQ(&m_small, bar.GetImageList(0x3));  // 0x1 wins
    EXPECT_EQ(bar.GetImageList(0x4), nullptr);
    EXPECT_EQ(bar.SetImageList(&other, 0x4), nullptr);
    EXPECT_EQ(bar.SetFolderImageList(1, &other, 0x2), nullptr);
    EXPECT_EQ(&other, bar.GetFolderImageList(1, FALSE));
    EXPECT_EQ(&m_small, bar.GetFolderImageList(1, TRUE));
    EXPECT_EQ(&m_large, bar.GetFolderImageList(0, FALSE));
    EXPECT_EQ(&other, bar.SetFolderImageList(1, NULL, 0x2));
    bar.SetSelFolder(1);
    EXPECT_EQ(CSize(kLarge, kLarge), bar.GetItemSize(1, 0, 1));
}

TEST_F(OutBarTest, DestructionTellsTheOwnerOfEveryItemThenItsFolder) {
    CQVOutBarCtrl& bar = MakeBar(2, 2);
    bar.SetSelFolder(1);
    m_owner.m_notes.clear();
    bar.DestroyWindow();
    std::vector<std::pair<int, CString>> seen;
    for (const Note& note : m_owner.m_notes)
        seen.push_back({note.nCode, note.strText});
    const std::vector<std::pair<int, CString>> expected = {
        {OUTBAR_ITEM_DELETING, _T("Item 0.0")}, {OUTBAR_ITEM_DELETING, _T("Item 0.1")},
        {OUTBAR_FOLDER_DELETING, _T("F0")},     {OUTBAR_ITEM_DELETING, _T("Item 1.0")},
        {OUTBAR_ITEM_DELETING, _T("Item 1.1")}, {OUTBAR_FOLDER_DELETING, _T("F1")}};
    EXPECT_EQ(expected, seen);
    // Nothing was removed: the answers are ignored.
    EXPECT_EQ(2, bar.GetFolderCount());
    EXPECT_EQ(2, bar.GetBarFolder(0)->GetItemCount());
}

TEST_F(OutBarTest, ChineseNamesKeepTheirTextInBothCharacterSets) {
    CQVOutBarCtrl& bar = MakeBar(0, 0);
    const CString strFolder(_T("\u8bfe\u7a0b"));                   // courses
    const CString strItem(_T("\u7b2c\u4e00\u8bfe \u95ee\u5019"));  // lesson one, greetings
    bar.AddFolder(strFolder, 1);
    bar.InsertItem(0, -1, strItem, 0, 1);
    EXPECT_EQ(strItem, bar.GetItemText(0));
    bar.SetSelFolder(0);
    ASSERT_NE(m_owner.Last(OUTBAR_FOLDER_SELECTING), nullptr);
    EXPECT_EQ(strFolder, m_owner.Last(OUTBAR_FOLDER_SELECTING)->strText);
    EXPECT_GT(bar.GetItemSize(0, 0, 2).cx, 0);
}
