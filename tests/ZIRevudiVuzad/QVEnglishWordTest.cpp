// CQVEnglishWord: the cells of a word and their looks by tables, then the drawing: blanks, hints and
// shown letters, typed letters right and wrong, an input change that repaints only its cells and ends
// equal to a full drawing, clipping, and bad input.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "ExpectRows.h"
#include "ImageTestUtil.h"
#include "PixelProbe.h"
#include "QVEnglishWord.h"

using namespace imgtest;

namespace {

const COLORREF kGrey = RGB(192, 192, 192);
const COLORREF kTyped = RGB(0, 120, 0);
const CRect kText(4, 0, 196, 24);

struct WordSurface : riztest::Surface {
    WordSurface() : riztest::Surface(200, 24, kWhite), dc(Dc()) {
        font.CreatePointFont(120, _T("Arial"));
        dc.SetTextColor(kTyped);
    }
    int Cell() { return CQVEnglishWord::GetCellWidth(&dc, &font); }
    CRect CellRect(int n) { return QVWordCellRect(kText, Cell(), n); }
    void Word(LPCTSTR lpszWord, LPCTSTR lpszMask, int nTable = QVLT_BLANKS) {
        CQVEnglishWord::DrawTestWord(&dc, lpszWord, lpszMask, kText, &font, kGrey, kBlue, nTable);
    }
    void Input(LPCTSTR lpszOld, LPCTSTR lpszNew, LPCTSTR lpszAnswer, CDC* pSource = nullptr) {
        CQVEnglishWord::RedrawWordInvalidPart(&dc, pSource ? pSource : &dc, lpszOld, lpszNew, kText, &font,
                                              lpszAnswer);
    }
    CAttachedDC dc;
    CFont font;
};

}  // namespace

TEST(QVEnglishWordLayout, CharactersCellsAndLooks) {
    const CString strChinese(L"\x82f9\x679c");  // two characters in both builds
    const auto apple = QVSplitWordChars(_T("apple")), mask = QVSplitWordChars(_T("a*p*e"));
    const auto typed = QVSplitWordChars(_T("axp"));
    riztest::ExpectRows<int>({
        ROW(QVSplitWordChars(_T("apple")).size(), 5),
        ROW(QVSplitWordChars(strChinese).size(), 2),
        ROW(QVSplitWordChars(NULL).size(), 0),
        ROW(QVWordCellRect(CRect(10, 2, 90, 26), 12, 3).left, 46),
        ROW(QVWordCellRect(CRect(10, 2, 90, 26), 12, INT_MAX).left, INT_MAX / 2),
        ROW(QVVisibleWordCells(CRect(10, 0, 90, 24), CRect(0, 0, 50, 24), 12, 100).nLast, 4),
        ROW(QVVisibleWordCells(CRect(10, 0, 90, 24), CRect(40, 0, 200, 24), 12, 100).nFirst, 2),
        ROW(QVVisibleWordCells(CRect(10, 0, 90, 24), CRect(0, 0, 500, 24), 12, 3).nLast, 3),
        ROW(QVVisibleWordCells(CRect(10, 0, 90, 24), CRect(100, 0, 500, 24), 12, 3).nLast, 0),
        ROW(QVWordCellLookOf(_T("apple"), apple, _T("a*p*e"), mask, 0, QVLT_BLANKS), QVWC_SHOWN),
        ROW(QVWordCellLookOf(_T("apple"), apple, _T("a*p*e"), mask, 1, QVLT_BLANKS), QVWC_BLANK),
        ROW(QVWordCellLookOf(_T("apple"), apple, _T("a*p*e"), mask, 1, QVLT_HINTS), QVWC_HINT),
        ROW(QVWordCellLookOf(_T("apple"), apple, _T("a*p*e"), mask, 1, 7), QVWC_BLANK),
        ROW(QVWordCellLookOf(_T("apple"), apple, _T("a*"), QVSplitWordChars(_T("a*")), 4, QVLT_HINTS),
            QVWC_HINT),
        ROW(QVTypedLookOf(_T("axp"), typed, _T("apple"), apple, 0), QVTL_RIGHT),
        ROW(QVTypedLookOf(_T("axp"), typed, _T("apple"), apple, 1), QVTL_WRONG),
        ROW(QVTypedLookOf(_T("axp"), typed, NULL, {}, 1), QVTL_TYPED),
        ROW(QVTypedLookOf(_T("axp"), typed, _T("a"), QVSplitWordChars(_T("a")), 2), QVTL_WRONG),
        ROW(QVChangedInputCells(_T("apple"), apple, _T("axp"), typed).size(), 3),  // cells 1, 3, 4
        ROW(QVChangedInputCells(_T("apple"), apple, _T("axp"), typed)[0], 1),
        ROW(QVChangedInputCells(_T(""), {}, _T(""), {}).size(), 0),
    });
}

TEST(QVEnglishWord, ShownLettersBlanksAndHints) {
    WordSurface s;
    s.Word(_T("cat"), _T("c*t"));
    const CRect c0 = s.CellRect(0), c1 = s.CellRect(1), c2 = s.CellRect(2);
    EXPECT_GT(s.CountNear(c0, kBlue, 0), 5);  // 'c' shown
    EXPECT_EQ(0, s.CountNear(c1, kBlue, 0));  // hidden: no letter...
    EXPECT_GT(s.CountNear(c1, kGrey, 0), 6);  // ...but a bar
    EXPECT_EQ(0, s.CountNear(c0, kGrey, 0));
    EXPECT_GT(s.CountNear(c2, kBlue, 0), 5);
    EXPECT_FALSE(s.HasOtherThan(CRect(c2.right, 0, 200, 24), kWhite, 0));

    WordSurface hints;
    hints.Word(_T("cat"), _T("c*t"), QVLT_HINTS);
    EXPECT_GT(hints.CountNear(c1, kGrey, 0), s.CountNear(c1, kGrey, 0) + 5);  // the 'a' over its bar
}

TEST(QVEnglishWord, TypedLettersRightAndWrong) {
    WordSurface s;
    s.Word(_T("cat"), _T("***"));
    s.Input(_T(""), _T("cw"), _T("cat"));
    EXPECT_GT(s.CountNear(s.CellRect(0), kTyped, 0), 5);
    EXPECT_EQ(0, s.CountNear(s.CellRect(0), RGB(200, 0, 0), 0));
    EXPECT_GT(s.CountNear(s.CellRect(1), RGB(255, 220, 220), 0), 40);  // the wrong letter's box
    EXPECT_GT(s.CountNear(s.CellRect(1), RGB(200, 0, 0), 0), 5);
    EXPECT_GT(s.CountNear(s.CellRect(2), kGrey, 0), 6);  // still a blank

    WordSurface unchecked;  // without an answer nothing is wrong
    unchecked.Word(_T("cat"), _T("***"));
    unchecked.Input(_T(""), _T("cw"), NULL);
    EXPECT_EQ(0, unchecked.CountNear(unchecked.CellRect(1), RGB(200, 0, 0), 0));
    EXPECT_GT(unchecked.CountNear(unchecked.CellRect(1), kTyped, 0), 5);
}

TEST(QVEnglishWord, InputChangeRepaintsItsCellsAndEqualsAFullDrawing) {
    const struct {
        LPCTSTR lpszOld, lpszNew;
    } kChanges[] = {{_T("ap"), _T("apx")},
                    {_T("apxle"), _T("ap")},
                    {_T("zzzzz"), _T("apple")},
                    {_T("a"), _T("")},
                    {_T(""), _T("applesauce")}};
    for (const auto& change : kChanges) {
        SCOPED_TRACE(CStringA(change.lpszOld) + " -> " + CStringA(change.lpszNew));
        WordSurface source, screen, full;
        source.Word(_T("apple"), _T("a**l*"));
        screen.Word(_T("apple"), _T("a**l*"));
        screen.Input(_T(""), change.lpszOld, _T("apple"));
        screen.Input(change.lpszOld, change.lpszNew, _T("apple"), &source.dc);
        full.Word(_T("apple"), _T("a**l*"));
        full.Input(_T(""), change.lpszNew, _T("apple"));
        EXPECT_EQ(0, screen.CountDiffering(full, CRect(0, 0, 200, 24)));
    }
}

TEST(QVEnglishWord, AChangeTouchesOnlyItsCells) {
    WordSurface source, screen;
    source.Word(_T("apple"), _T("*****"));
    screen.dc.FillSolidRect(0, 0, 200, 24, kMagenta);
    screen.Input(_T("abcde"), _T("abXde"), _T("apple"), &source.dc);
    const CRect c2 = screen.CellRect(2);
    EXPECT_FALSE(screen.HasOtherThan(CRect(0, 0, c2.left, 24), kMagenta, 0));
    EXPECT_FALSE(screen.HasOtherThan(CRect(c2.right, 0, 200, 24), kMagenta, 0));
    EXPECT_EQ(0, screen.CountNear(c2, kMagenta, 0));
}

TEST(QVEnglishWord, ClippedAndBadInputDrawWithinBoundsOrNothing) {
    WordSurface clipped;  // a clip region and a text rectangle narrower than the word
    clipped.dc.IntersectClipRect(0, 0, 60, 24);
    CQVEnglishWord::DrawTestWord(&clipped.dc, _T("wonderful"), _T("wonderful"), CRect(4, 0, 120, 24),
                                 &clipped.font, kGrey, kBlue, 0);
    EXPECT_FALSE(clipped.HasOtherThan(CRect(60, 0, 200, 24), kWhite, 0));
    EXPECT_TRUE(clipped.HasOtherThan(CRect(4, 0, 60, 24), kWhite, 0));

    WordSurface s;
    CString strHuge(_T('w'), 100 * 1024);  // only the cells that fit are drawn
    s.Word(strHuge, strHuge);
    s.Input(_T(""), strHuge, strHuge);
    EXPECT_GT(s.CountNear(s.CellRect(0), kTyped, 0), 5);
    EXPECT_FALSE(s.HasOtherThan(CRect(0, 0, kText.left, 24), kWhite, 0));

    WordSurface none;
    CQVEnglishWord::DrawTestWord(nullptr, _T("a"), _T("a"), kText, &none.font, kGrey, kBlue, 0);
    CQVEnglishWord::DrawTestWord(&none.dc, _T("a"), _T("a"), kText, nullptr, kGrey, kBlue, 0);
    CQVEnglishWord::DrawTestWord(&none.dc, NULL, NULL, kText, &none.font, kGrey, kBlue, -1);
    CQVEnglishWord::DrawTestWord(&none.dc, _T("a"), _T("a"), CRect(50, 0, 10, 24), &none.font, kGrey, kBlue,
                                 0);
    CQVEnglishWord::RedrawWordInvalidPart(&none.dc, nullptr, _T(""), _T("a"), kText, &none.font, NULL);
    CQVEnglishWord::RedrawWordInvalidPart(nullptr, &none.dc, _T(""), _T("a"), kText, &none.font, NULL);
    none.Input(NULL, NULL, NULL);
    EXPECT_FALSE(none.HasOtherThan(CRect(0, 0, 200, 24), kWhite, 0));
    EXPECT_EQ(0, CQVEnglishWord::GetCellWidth(&none.dc, nullptr));
}
