// Bad input: indexes out of range, calls before Create and after DestroyWindow, NULL texts, huge
// labels and lists, tiny windows and owners that change or destroy the bar inside a notification.
#include "OutBarTestKit.h"

#include <QVSkinResManager.h>

#include <climits>

#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "Watchdog.h"

using namespace obtest;

namespace {

// Every public call with one index; nothing may crash, and the caller checks the notifications.
void CallEverything(CQVOutBarCtrl& bar, int n) {
    CRect rc;
    int nFirst = 0, nLast = 0, nIndex = 0;
    DWORD dwFolder = 0, dwItem = 0;
    bar.SetAnimSelHighlight(0);
    bar.GetFolderData(n);
    bar.GetFolderChild(n);
    bar.GetItemText(n);
    bar.SetItemImage(n, n);
    bar.SetItemData(n, 5);
    bar.GetItemImage(n);
    bar.GetItemData(n);
    bar.RemoveItem(n);
    bar.SetItemText(n, _T("x"));
    bar.SetItemText(n, NULL);
    bar.StartItemEdit(n);
    bar.SetFolderText(n, NULL);
    bar.StartGroupEdit(n);
    bar.GetFolderImageList(n, TRUE);
    bar.SetFolderImageList(n, NULL, 0x3);
    bar.RemoveFolder(n);
    bar.SetSelFolder(n);
    bar.SetSelFolder(static_cast<DWORD>(n));
    bar.InsertItem(n, n, NULL, n, 0);
    bar.SetSmallIconView(TRUE, n);
    bar.IsSmallIconView(n);
    bar.GetBarFolder(n);
    bar.GetBarFolderItem(n, n);
    bar.GetLabelRect(n, n, rc);
    bar.GetIconRect(n, n, rc);
    bar.GetItemRect(n, n, rc);
    bar.GetFolderRect(n, rc);
    bar.GetVisibleRange(n, nFirst, nLast);
    bar.GetItemSize(n, n, 3);
    bar.HighlightItem(n, TRUE);
    bar.HighlightFolder(n);
    bar.HitTestEx(CPoint(n, n), nIndex);
    bar.IsValidItem(n);
    bar.SetCurSel(n, FALSE);
    bar.SetCurSelected(n, n);
    bar.GetCurSelected(dwFolder, dwItem);
    bar.SetCurSelected(static_cast<DWORD>(n), static_cast<DWORD>(n));
    bar.DrawAnimItem(1, 1, n);
    riztest::Surface surface(50, 50);
    CDC* pDC = CDC::FromHandle(surface.Dc());
    bar.DrawItem(pDC, n, CRect(0, 0, 50, 50), n, FALSE);
    bar.DrawFolder(pDC, n, CRect(0, 0, 50, 20), FOLDER_HOT);
    bar.DrawIcon(pDC, n, n, true);
    bar.PaintItems(pDC, n, CRect(0, 0, 50, 50));
    bar.AnimateFolderScroll(n, n);
    bar.AnimateFolderScroll(0, n);
}

const int kBadIndexes[] = {-1, 0, 3, INT_MAX, INT_MIN};

}  // namespace

TEST_F(OutBarTest, BadIndexesDoNothingAndTellNobody) {
    CQVOutBarCtrl& bar = MakeBar(3, 3);
    bar.SetSelFolder(1);
    m_owner.m_notes.clear();
    for (int n : {-1, 3, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(n);
        CallEverything(bar, n);
    }
    PumpMessages(300);
    for (const Note& note : m_owner.m_notes) {
        // Hover -1 is a legal notification (the hover ends); everything else had a bad index.
        EXPECT_TRUE(note.nCode == OUTBAR_ITEM_HOVERED && note.nIndex == -1)
            << note.nCode << " " << note.nIndex;
    }
    EXPECT_EQ(3, bar.GetFolderCount());
    EXPECT_EQ(3, bar.GetItemCount());
    EXPECT_EQ(1, bar.GetSelFolder());
}

TEST_F(OutBarTest, CallsWithoutFoldersBeforeCreateAndAfterDestroyAreHarmless) {
    {
        CQVOutBarCtrl bar;  // never created
        for (int n : kBadIndexes)
            CallEverything(bar, n);
        Fill(bar, 2, 2);
        for (int n : kBadIndexes)
            CallEverything(bar, n);
        EXPECT_EQ(2, bar.GetFolderCount());
    }
    {
        CQVOutBarCtrl bar;  // no folders
        CreateBar(bar);
        for (int n : kBadIndexes)
            CallEverything(bar, n);
        bar.UpdateWindow();
        EXPECT_EQ(0, bar.GetFolderCount());
    }
    {
        CQVOutBarCtrl bar;
        CreateBar(bar);
        Fill(bar, 2, 2);
        bar.DestroyWindow();
        m_owner.m_notes.clear();
        for (int n : kBadIndexes)
            CallEverything(bar, n);
        EXPECT_TRUE(m_owner.m_notes.empty());
    }
    PumpMessages(300);
    EXPECT_TRUE(m_owner.m_notes.empty());
}

TEST_F(OutBarTest, NullTextsImagesPastTheListAndAHugeLabelPaint) {
    CQVOutBarCtrl& bar = MakeBar(0, 0, 160, 300);
    bar.AddFolder(NULL, 0);
    bar.InsertItem(0, -1, NULL, 500);
    bar.InsertItem(0, -1, _T("image past the list"), 6);
    CString strHuge;
    for (int i = 0; i < 10000; ++i)
        strHuge += _T("lesson ten ");  // about 100 KB of text
    bar.InsertItem(0, -1, strHuge, 1);
    bar.SetItemImage(0, INT_MAX);
    EXPECT_EQ(CSize(0, 0), bar.GetItemSize(0, 0, 1));
    EXPECT_EQ(CString(), bar.GetItemText(0));
    bar.Invalidate();
    bar.UpdateWindow();
    int nIndex = -1;
    bar.HitTestEx(CPoint(80, 200), nIndex);
    bar.SetSmallIconView(TRUE, 0);
    bar.Invalidate();
    bar.UpdateWindow();
    EXPECT_EQ(3, bar.GetItemCount());
}

TEST_F(OutBarTest, AZeroSizedWindowAndAZeroHeaderHeightNeitherHangNorDraw) {
    riztest::AllowTestSeconds(60);
    ASSERT_TRUE(LoadTestSkin(m_folder, _T("flat"), 0));
    CQVOutBarCtrl& bar = MakeBar(3, 5, 0, 0);
    bar.ModifyFlag(0, QVOB_ANIMATE_FOLDERS);
    bar.SetAnimationTickCount(0);
    bar.SetSelFolder(2);
    EXPECT_EQ(2, bar.GetSelFolder());
    bar.MoveWindow(0, 0, 150, 200);
    bar.SetSelFolder(0);  // headers of height 0: the slide has no step and is skipped
    EXPECT_EQ(0, bar.GetSelFolder());
    bar.UpdateWindow();
    int nFirst = 0, nLast = 0;
    bar.GetVisibleRange(0, nFirst, nLast);
    EXPECT_GE(nLast, 0);
}

TEST_F(OutBarTest, AMissingHeaderImageLeavesTheBackgroundUnderTheHeaderText) {
    ASSERT_TRUE(LoadTestSkin(m_folder, _T("noimage"), kHeader, false, false));
    CQVOutBarCtrl& bar = MakeBar(2, 0);
    riztest::Surface surface(200, 24, RGB(1, 2, 3));
    bar.DrawFolder(CDC::FromHandle(surface.Dc()), 0, CRect(0, 0, 200, 24), FOLDER_NORMAL);
    EXPECT_EQ(RGB(1, 2, 3), surface.Pixel(2, 2));
}

TEST_F(OutBarTest, AHundredThousandItemsInTheLastOfAThousandFolders) {
    riztest::AllowTestSeconds(280);
    CQVOutBarCtrl& bar = MakeBar(0, 0);
    for (int i = 0; i < 1000; ++i)
        bar.AddFolder(_T("Folder"), static_cast<DWORD>(i));
    for (int j = 0; j < 100000; ++j)
        bar.InsertItem(999, -1, _T("word"), j % 6, static_cast<DWORD>(j));
    bar.SetSelFolder(999);
    EXPECT_EQ(100000, bar.GetItemCount());
    EXPECT_EQ(static_cast<DWORD>(99999), bar.GetItemData(99999));
    int nIndex = -1;
    bar.HitTestEx(CPoint(100, 200), nIndex);
    bar.Invalidate();
    bar.UpdateWindow();
}

TEST_F(OutBarTest, AFolderWindowDestroyedByTheHostIsLeftAlone) {
    CQVOutBarCtrl& bar = MakeBar(0, 0);
    CWnd child;
    ASSERT_TRUE(child.Create(_T("STATIC"), _T("groups"), WS_CHILD, CRect(0, 0, 10, 10), &bar, 7));
    bar.AddFolder(_T("Courses"));
    bar.AddFolderBar(_T("Groups"), &child);
    bar.SetSelFolder(1);
    EXPECT_TRUE(child.IsWindowVisible());
    child.DestroyWindow();
    bar.MoveWindow(0, 0, 180, 280);
    bar.SendMessage(WM_QV_SKINCHANGED);
    bar.SetSelFolder(0);
    bar.SetSelFolder(1);
    bar.UpdateWindow();
    EXPECT_EQ(1, bar.GetSelFolder());
}

TEST_F(OutBarTest, AnOwnerThatRemovesThingsInsideANotificationIsSafe) {
    CQVOutBarCtrl& bar = MakeBar(3, 4);
    bar.SetSelFolder(1);
    // The owner empties the bar while it is asked about removing an item, and answers yes.
    m_owner.m_answer = [&bar](const Note& note) -> LRESULT {
        static bool s_bBusy = false;
        if (note.nCode == OUTBAR_ITEM_DELETING && !s_bBusy) {
            s_bBusy = true;
            while (bar.GetFolderCount() > 0)
                bar.RemoveFolder(0);
            s_bBusy = false;
        }
        return 1;
    };
    bar.RemoveItem(3);
    EXPECT_EQ(0, bar.GetFolderCount());
    bar.UpdateWindow();
    bar.DestroyWindow();
}

TEST_F(OutBarTest, AnOwnerThatDestroysTheBarInsideANotificationEndsTheCall) {
    // A bar that deletes itself once its window is gone.
    class CSelfDeletingBar : public CQVOutBarCtrl {
    public:
        explicit CSelfDeletingBar(bool* pDeleted) : m_pDeleted(pDeleted) {}
        ~CSelfDeletingBar() override { *m_pDeleted = true; }
        void PostNcDestroy() override { delete this; }
        bool* m_pDeleted;
    };
    bool bDeleted = false;
    CSelfDeletingBar* pBar = new CSelfDeletingBar(&bDeleted);
    CreateBar(*pBar);
    Fill(*pBar, 3, 3);
    const HWND hBar = pBar->m_hWnd;
    m_owner.m_answer = [hBar](const Note& note) -> LRESULT {
        if (note.nCode == OUTBAR_FOLDER_SELECTING) ::DestroyWindow(hBar);
        return 1;
    };
    pBar->SetSelFolder(2);
    EXPECT_TRUE(bDeleted);
    EXPECT_FALSE(::IsWindow(hBar));
}

TEST_F(OutBarTest, CreateDestroySoak) {
    m_owner.m_answer = [](const Note&) -> LRESULT { return 1; };
    riztest::ExpectCyclesLeakNothing([this](int k) {
        CQVOutBarCtrl bar;
        CreateBar(bar, 150, 200);
        Fill(bar, 3, 3);
        bar.ModifyFlag(0, QVOB_ANIMATE_FOLDERS);
        bar.SetAnimationTickCount(0);
        bar.SetSelFolder(k % 3);
        bar.StartItemEdit(0);
        bar.UpdateWindow();
        bar.DestroyWindow();
        m_owner.m_notes.clear();
    });
}
