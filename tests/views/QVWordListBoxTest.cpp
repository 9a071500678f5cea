// CQVWordListBox through its window: rows paired with items whichever way they come, bad input, row
// heights created and subclassed, score against tick and plain against test rows on the screen, the
// partial input repaint against a full redraw, Chinese words, and the create/destroy soak.
#include "WordListTestKit.h"

#include <climits>
#include <functional>

#include "ExpectRows.h"
#include "MessagePump.h"
#include "QVWordListBox.h"
#include "QVWordListCtrl.h"
#include "QVWordListLayout.h"
#include "ResourceCounter.h"

using namespace wltest;

namespace {

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGrey = RGB(192, 192, 192);
const COLORREF kScoreRed = RGB(255, 0, 0);
const COLORREF kTickGreen = RGB(20, 150, 60);

// The rows as "word:mask" joined by commas.
std::string Rows(const CQVWordListBox& box) {
    std::string str;
    for (int i = 0; i < box.GetRowCount(); ++i)
        str += (i ? "," : "") + std::string(CStringA(box.GetWord(i) + _T(":") + box.GetWordMask(i)));
    return str;
}

std::string State(const CQVWordListBox& box) {
    std::string str = Rows(box);
    for (int i = 0; i < box.GetRowCount(); ++i) {
        CStringA strRow;
        strRow.Format(" %s %d/%d", CStringA(box.GetUserInput(i)).GetString(), box.GetRightCount(i),
                      box.GetTotalRightCount(i));
        str += strRow;
    }
    return str;
}

CRect ItemRect(CQVWordListBox& box, int nIndex) {
    CRect rc;
    box.GetItemRect(nIndex, &rc);
    return rc;
}

}  // namespace

TEST_F(WordListTest, RowsStayPairedWithItemsThroughMembersAndMessages) {
    CQVWordListBox box;
    MakeBox(box, {});
    const struct {
        const char* what;
        std::function<LRESULT()> step;
        LRESULT result;
        const char* rows;
    } kSteps[] = {
        {"AddString", [&] { return box.AddString(_T("apple")); }, 0, "apple:"},
        {"InsertString sets the mask", [&] { return box.InsertString(0, _T("cat")); }, 0, "cat:cat,apple:"},
        {"InsertString at the end", [&] { return box.InsertString(-1, _T("dog")); }, 2,
         "cat:cat,apple:,dog:dog"},
        {"LB_ADDSTRING sent", [&] { return box.SendMessage(LB_ADDSTRING, 0, 77); }, 3,
         "cat:cat,apple:,dog:dog,:"},
        {"LB_INSERTSTRING sent", [&] { return box.SendMessage(LB_INSERTSTRING, 1, 0); }, 1,
         "cat:cat,:,apple:,dog:dog,:"},
        {"the base class's AddString",
         [&] { return static_cast<CListBox&>(box).CListBox::AddString(_T("x")); }, 5,
         "cat:cat,:,apple:,dog:dog,:,:"},
        {"DeleteString", [&] { return box.DeleteString(1); }, 5, "cat:cat,apple:,dog:dog,:,:"},
        {"LB_DELETESTRING sent", [&] { return box.SendMessage(LB_DELETESTRING, 4); }, 4,
         "cat:cat,apple:,dog:dog,:"},
        {"LB_DELETESTRING of no item", [&] { return box.SendMessage(LB_DELETESTRING, 4); }, LB_ERR,
         "cat:cat,apple:,dog:dog,:"},
        {"LB_RESETCONTENT sent", [&] { return box.SendMessage(LB_RESETCONTENT) * 0; }, 0, ""},
    };
    for (const auto& s : kSteps) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(s.result, s.step());
        EXPECT_EQ(s.rows, Rows(box));
        EXPECT_EQ(box.GetCount(), box.GetRowCount());
    }
}

TEST_F(WordListTest, BadIndexesAndWordsLeaveTheRowsAsTheyWere) {
    CQVWordListBox box;
    MakeBox(box, {_T("apple"), _T("cat")});
    box.EnableWordMask(TRUE);
    box.SetAllMasked(TRUE, TRUE);
    box.SetUserInput(1, _T("ca"), TRUE);
    const std::string strBefore = State(box);
    for (int nIndex : {-1, 2, INT_MAX}) {
        SCOPED_TRACE(nIndex);
        box.SetWord(nIndex, _T("x"), TRUE);
        box.SetWordMask(nIndex, _T("x"), TRUE);
        box.SetRightCount(nIndex, 3, TRUE);
        box.SetTotalRightCount(nIndex, 3, TRUE);
        box.SetUserInput(nIndex, _T("x"), FALSE);
        box.SetUserInput(nIndex, _T("x"), TRUE);
        box.SetCurSel(nIndex);  // -1 selects nothing, the others nothing at all
        box.Set_LetterTable(nIndex);
        box.UpdateWindow();
        riztest::ExpectRows<int>({
            ROW(box.GetCurSel(), -1),
            ROW(box.Get_LetterTable(), nIndex),
            ROW(box.DeleteString(static_cast<UINT>(nIndex)), LB_ERR),
            ROW(box.GetWord(nIndex).GetLength(), 0),
            ROW(box.GetTotalRightCount(nIndex), 0),
        });
        EXPECT_EQ(strBefore, State(box));
    }
    EXPECT_LT(box.InsertString(INT_MAX, _T("x")), 0);
    EXPECT_EQ(strBefore, State(box));
    Pump();

    // NULL words are empty; a 100 KB word is kept whole and drawn, test and plain, full and partial.
    EXPECT_EQ(2, box.AddString(NULL));
    box.SetWord(0, NULL, TRUE);
    box.SetUserInput(1, NULL, FALSE);
    const CString strHuge(_T('q'), 100 * 1024);
    EXPECT_EQ(3, box.InsertString(-1, strHuge));
    box.SetUserInput(3, strHuge, FALSE);
    box.UpdateWindow();
    box.EnableWordMask(FALSE);
    box.SetCurSel(3);
    box.UpdateWindow();
    EXPECT_EQ(":*****,cat:***,:," + std::string(CStringA(strHuge + _T(":") + strHuge)), Rows(box));
    EXPECT_EQ(strHuge, box.GetUserInput(3));
    EXPECT_EQ(0, box.GetUserInput(1).GetLength());
}

TEST_F(WordListTest, RowsAre24PixelsHighCreatedAndSubclassed) {
    CQVWordListBox created, subclassed;
    MakeBox(created, {_T("apple")});
    ASSERT_TRUE(subclassed.SubclassDlgItem(IDC_WORDLIST_TEST, &m_dlg));
    subclassed.AddString(_T("cat"));
    CQVWordListCtrl report, subclassedReport;
    MakeReport(report);
    report.InsertItem(0, _T("apple"));
    ASSERT_TRUE(subclassedReport.SubclassDlgItem(IDC_WORDLIST_BOOK, &m_dlg));
    subclassedReport.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 80);
    subclassedReport.InsertItem(0, _T("cat"));
    Pump();
    CRect rcReport, rcSubclassed;
    report.GetItemRect(0, &rcReport, LVIR_BOUNDS);
    subclassedReport.GetItemRect(0, &rcSubclassed, LVIR_BOUNDS);
    riztest::ExpectRows<int>({
        ROW(created.GetItemHeight(0), 24),
        ROW(subclassed.GetItemHeight(0), 24),
        ROW(rcReport.Height(), 24),
        ROW(rcSubclassed.Height(), 24),
        ROW(subclassedReport.GetStyle() & LVS_OWNERDRAWFIXED, LVS_OWNERDRAWFIXED),
    });
    subclassedReport.UnsubclassWindow();
}

TEST_F(WordListTest, ScoreOrTickAndPlainOrTestRowsOnTheScreen) {
    CQVWordListBox box;
    MakeBox(box, {_T("apple"), _T("apple"), _T("apple"), _T("apple"), _T("apple")}, 24 * 5);
    box.SetRightCount(0, 2, FALSE);
    box.SetTotalRightCount(0, 3, FALSE);
    box.SetRightCount(1, 3, FALSE);
    box.SetTotalRightCount(1, 3, FALSE);
    box.SetAllMasked(TRUE, FALSE);  // rows 0-3 "*****"
    box.SetWordMask(3, _T(""), FALSE);
    box.SetWordMask(4, _T("apple"), TRUE);
    const struct {
        const char* what;
        BOOL bMask;
        int nRow;
        bool bRed, bTick, bBlue, bGrey;
    } kCases[] = {
        {"2 of 3 right: the score", FALSE, 0, true, false, true, false},
        {"3 of 3 right: the tick", FALSE, 1, false, true, true, false},
        {"masked, mask disabled: the plain word", FALSE, 2, true, false, true, false},
        {"masked, mask enabled: blanks", TRUE, 2, true, false, false, true},
        {"empty mask, mask enabled: the plain word", TRUE, 3, true, false, true, false},
        {"unmasked, mask enabled: the letters", TRUE, 4, true, false, true, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        box.EnableWordMask(c.bMask);
        riztest::WindowCapture shot(box.m_hWnd);
        const CRect rc = ItemRect(box, c.nRow);
        EXPECT_EQ(c.bRed, shot.CountNear(rc, kScoreRed, 0) > 3);
        EXPECT_EQ(c.bTick, shot.CountNear(rc, kTickGreen, 24) > 3);
        EXPECT_EQ(c.bBlue, shot.CountNear(rc, kBlue, 0) > 10);
        EXPECT_EQ(c.bGrey, shot.CountNear(rc, kGrey, 0) > 10);
    }
}

TEST_F(WordListTest, PartialInputLeavesTheRowAsAFullRedrawDoes) {
    CQVWordListBox box;
    MakeBox(box, {_T("apple"), _T("orange"), _T("cat"), _T("lemon"), _T("pear"), _T("plum")}, 24 * 3 + 10);
    box.EnableWordMask(TRUE);
    box.SetAllMasked(TRUE, FALSE);
    box.SetWordMask(0, _T("a**l*"), FALSE);
    box.SetRightCount(2, 1, FALSE);
    box.Set_LetterTable(QVLT_HINTS);
    box.SetCurSel(1);
    riztest::WindowCapture(box.m_hWnd);  // shown and painted
    const struct {
        int nRow;
        LPCTSTR lpszInput;
    } kInputs[] = {{0, _T("a")},  {0, _T("ap")},      {0, _T("apx")}, {0, _T("apxle")}, {0, _T("ap")},
                   {1, _T("or")}, {1, _T("orangey")}, {1, _T("")},    {3, _T("lem")},   {5, _T("plum")}};
    for (const auto& in : kInputs) {
        SCOPED_TRACE(std::string(CStringA(in.lpszInput)) + " in row " + std::to_string(in.nRow));
        box.SetUserInput(in.nRow, in.lpszInput, FALSE);
        const riztest::WindowCapture partial(box.m_hWnd, riztest::WindowCapture::Current);
        box.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        const riztest::WindowCapture full(box.m_hWnd, riztest::WindowCapture::Current);
        EXPECT_EQ(0, partial.CountDiffering(full, CRect(0, 0, full.Width(), full.Height())));
        EXPECT_EQ(CString(in.lpszInput), box.GetUserInput(in.nRow));
    }
}

TEST_F(WordListTest, ChineseWordsInBothCharacterSets) {
    const CString strWord(L"\x82f9\x679c");  // 苹果, code page 936 in the ANSI build
    CQVWordListBox box;
    MakeBox(box, {strWord});
    EXPECT_EQ(strWord, box.GetWord(0));
    riztest::WindowCapture plain(box.m_hWnd);
    EXPECT_GT(plain.CountNear(ItemRect(box, 0), kBlue, 0), 20);
    box.EnableWordMask(TRUE);
    box.SetAllMasked(TRUE, TRUE);
    EXPECT_EQ(CString(_T("**")), box.GetWordMask(0));
    box.SetUserInput(0, strWord.Left(strWord.GetLength() / 2), FALSE);  // the first character typed
    riztest::WindowCapture test(box.m_hWnd);
    EXPECT_GT(test.CountNear(ItemRect(box, 0), kBlue, 120), 10);  // the font may smooth its edges
    EXPECT_GT(test.CountNear(ItemRect(box, 0), kGrey, 0), 6);
}

TEST_F(WordListTest, CreateFillDrawAndDestroyLeakNothingSoak) {
    riztest::ExpectCyclesLeakNothing([&](int k) {
        CQVWordListBox box;
        box.Create(WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, CRect(10, 10, 210, 110), &m_dlg, kCreatedId);
        box.AddString(_T("apple"));
        box.InsertString(0, _T("cat"));
        box.EnableWordMask(k % 2);
        box.ShowRightCount(TRUE, FALSE);
        box.SetRightCount(0, 1, FALSE);
        box.SetCurSel(0);
        box.UpdateWindow();
        box.SetUserInput(0, _T("cx"), FALSE);
        CQVWordListCtrl report;
        report.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 150, 270, 270), &m_dlg, kCreatedId + 1);
        report.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 80);
        report.InsertItem(0, _T("apple"));
        report.SetPhoneticColumn(0, k % 3 ? _T("Courier New") : _T(""));
        report.UpdateWindow();
        report.DestroyWindow();
        box.DestroyWindow();
    });
}
