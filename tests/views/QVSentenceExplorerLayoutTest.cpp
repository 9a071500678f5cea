// The sentence explorer's arithmetic without a window: tokens in both character sets, the wrapped
// layout with its hit rects, the binary searches.
#include <gtest/gtest.h>

#include "ExpectRows.h"
#include "QVSentenceExplorerLayout.h"

namespace {

// The tokens of a text joined by "|".
CString Tokens(const CString& strText, QVSentenceTokens tokens) {
    CString strOut;
    for (int nPos = 0; nPos < strText.GetLength();) {
        const int nLen = QVSentenceTokenLength(strText.GetString(), strText.GetLength(), nPos, tokens);
        if (nLen <= 0 || nPos + nLen > strText.GetLength()) return _T("<past the end>");
        if (!strOut.IsEmpty()) strOut += _T("|");
        strOut += strText.Mid(nPos, nLen);
        nPos += nLen;
    }
    return strOut;
}

// 10 pixels a character in the first and third blocks, 12 in the second: the same in both builds.
int Measure(int nBlock, LPCTSTR psz, int nLen) {
    int nChars = 0;
    for (int nPos = 0; nPos < nLen; nPos += QVSentenceCharLength(psz, nLen, nPos))
        ++nChars;
    return nChars * (nBlock == 1 ? 12 : 10);
}

}  // namespace

TEST(SentenceExplorerLayout, TokensAreLetterRunsOrSingleCharacters) {
    const CString kTrail41(L"\x4e04");  // 81 41 in code page 936: the trail byte is an 'A'
    const struct {
        CString strText;
        QVSentenceTokens tokens;
        CString strExpected;
    } kCases[] = {
        {_T("your's"), QVSE_WORDS, _T("your|'|s")},
        {_T("yours your"), QVSE_WORDS, _T("yours| |your")},
        {_T("Is this your book?"), QVSE_WORDS, _T("Is| |this| |your| |book|?")},
        {_T("Unit 3, Lesson 2"), QVSE_WORDS, _T("Unit| |3|,| |Lesson| |2")},
        {_T("ab c"), QVSE_CHARS, _T("a|b| |c")},
        {CString(L"\x8fd9\x662f") + _T("your"), QVSE_WORDS, CString(L"\x8fd9|\x662f|") + _T("your")},
        {CString(L"\x8fd9\x662f"), QVSE_CHARS, CString(L"\x8fd9|\x662f")},
        {_T("you") + kTrail41 + _T("rs"), QVSE_WORDS, _T("you|") + kTrail41 + _T("|rs")},
        {_T("a") + kTrail41, QVSE_CHARS, _T("a|") + kTrail41},
        {_T(""), QVSE_WORDS, _T("")},
#ifdef _UNICODE
        {CString(L"\xD83D\xDE00your"), QVSE_WORDS, CString(L"\xD83D\xDE00|your")},  // a surrogate pair
        {CString(L"a\xD83D\xDE00"), QVSE_CHARS, CString(L"a|\xD83D\xDE00")},
        {CString(L"ab\xD83D"), QVSE_CHARS, CString(L"a|b|\xD83D")},  // a lone surrogate at the end
        {CString(L"\xDE00\xD83D"), QVSE_WORDS, CString(L"\xDE00|\xD83D")},
#else
        {CString("ab\x81"), QVSE_CHARS, CString("a|b|\x81")},  // a lone lead byte at the end
        {CString("your\x81"), QVSE_WORDS, CString("your|\x81")},
#endif
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(CStringA(c.strText).GetString());
        EXPECT_EQ(c.strExpected, Tokens(c.strText, c.tokens));
    }
    EXPECT_EQ(0, QVSentenceTokenLength(_T("ab"), 2, 2, QVSE_WORDS));
    EXPECT_EQ(0, QVSentenceCharLength(nullptr, 0, 0));
}

TEST(SentenceExplorerLayout, BlocksWrapAndEverySentenceLineHasAHitRect) {
    tagQVSEItem book, empty;
    book.strFirst = _T("Is this your book?");
    book.strSecond = CString(L"\x8fd9\x662f\x4f60\x7684\x4e66\x5417\xff1f");
    book.strThird = _T("Unit 3, Lesson 2");
    std::vector<tagQVSEItem*> items = {&book, &empty};
    std::vector<tagQVSEHitRect> hits(3);  // replaced
    // X0 = 50, the limit 190: "book" passes it, so does the space before "2".
    const int cy = QVSentenceLayout(items, CRect(0, 0, 200, 100), Measure, &hits);
    riztest::ExpectRows<CRect>({
        ROW(book.rcFirst, CRect(50, 10, 190, 50)),
        ROW(book.rcSecond, CRect(50, 50, 190, 70)),
        ROW(book.rcThird, CRect(50, 70, 190, 110)),
        ROW(empty.rcFirst, CRect(50, 110, 190, 130)),
        ROW(empty.rcThird, CRect(50, 150, 190, 170)),
        ROW(hits[0].rect, CRect(50, 10, 180, 28)),
        ROW(hits[1].rect, CRect(50, 30, 100, 48)),
        ROW(hits[2].rect, CRect(50, 110, 50, 128)),
    });
    ASSERT_EQ(3u, hits.size());
    EXPECT_TRUE(hits[0].nItem == 0 && hits[1].nItem == 0 && hits[2].nItem == 1);
    EXPECT_EQ(180, cy);
    riztest::ExpectRows<int>({
        ROW(QVSentenceLayout({}, CRect(0, 0, 200, 100), Measure, &hits), 20),
        ROW(hits.size(), 0),
    });
}

TEST(SentenceExplorerLayout, NarrowWindowsGiveEmptyLinesAndFinish) {
    tagQVSEItem item;
    item.strFirst = _T("ab cd");
    std::vector<tagQVSEItem*> items = {&item};
    std::vector<tagQVSEHitRect> hits;
    // Even the first token passes the limit: every token opens a line of its own, the first stays empty.
    for (const CRect& rcClient : {CRect(0, 0, 55, 40), CRect(0, 0, 0, 0), CRect(0, 0, 1, 1)}) {
        const int cy = QVSentenceLayout(items, rcClient, Measure, &hits);
        ASSERT_EQ(4u, hits.size());
        EXPECT_EQ(CRect(50, 10, 50, 28), hits[0].rect);
        EXPECT_EQ(CRect(50, 70, 70, 88), hits[3].rect);
        EXPECT_EQ(10 + 4 * 20 + 20 + 20 + 10, cy);
    }
    // Drawn again, a token that overflows gets the next line's rect.
    std::vector<CRect> rects;
    auto onToken = [&](const QVSentenceToken& token) { rects.push_back(token.rect); };
    QVSentenceFlow(_T("ab cd"), QVSE_WORDS, 0, 50, 45, 10, Measure, onToken, nullptr);
    EXPECT_TRUE(rects.size() == 3 && rects[0] == CRect(50, 30, 70, 50) && rects[2] == CRect(50, 70, 70, 90));
}

TEST(SentenceExplorerLayout, SearchesFindTheFirstVisibleEntryAndTheLineUnderAPoint) {
    std::vector<tagQVSEItem> store(1000);
    std::vector<tagQVSEItem*> items;
    for (tagQVSEItem& item : store) {
        item.strFirst = _T("Is this your book? Is this your book?");  // two lines at this width
        items.push_back(&item);
    }
    std::vector<tagQVSEHitRect> hits;
    EXPECT_EQ(10 + 1000 * 80 + 10, QVSentenceLayout(items, CRect(0, 0, 300, 100), Measure, &hits));
    riztest::ExpectRows<int>({
        ROW(hits.size(), 2000),
        ROW(QVSentenceFirstVisible(items, 90, 1000), 0),  // entry 0's third block ends at 90
        ROW(QVSentenceFirstVisible(items, 91, 1000), 1),
        ROW(QVSentenceFirstVisible(items, 50000, 1000), 624),
        ROW(QVSentenceFirstVisible(items, 200000, 1000), 1000),
        ROW(QVSentenceFirstVisible(items, 200000, 10), 10),
        ROW(QVSentenceHitTest(hits, CPoint(60, 10 + 500 * 80 + 5)), 500),
        ROW(QVSentenceHitTest(hits, CPoint(60, 10 + 500 * 80 + 25)), 500),  // its second line
        ROW(QVSentenceHitTest(hits, CPoint(60, 10 + 500 * 80 + 19)), -1),   // between the lines
        ROW(QVSentenceHitTest(hits, CPoint(60, 10 + 500 * 80 + 45)), -1),   // the second text
        ROW(QVSentenceHitTest(hits, CPoint(49, 10 + 500 * 80 + 5)), -1),
        ROW(QVSentenceHitTest(hits, CPoint(60, 10 + 999 * 80 + 5)), 999),
    });
    riztest::ExpectRows<bool>({
        ROW(QVSentenceIsKeyword(_T("YOUR"), 4, _T("your")), true),
        ROW(QVSentenceIsKeyword(_T("yours"), 5, _T("your")), false),
        ROW(QVSentenceIsKeyword(_T(""), 0, _T("")), false),
    });
}
