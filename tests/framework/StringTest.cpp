// CString: construction, copies, extraction, searching, editing, trimming, comparison, buffers and
// tokens, in the build's character set.
#include <afx.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "FrameworkKit.h"

using riztest::ExpectRows;

namespace {

// A text longer than the characters a string keeps inside itself.
CString LongText(int nLength, TCHAR chFirst = _T('a')) {
    CString s;
    for (int i = 0; i < nLength; ++i)
        s += static_cast<TCHAR>(chFirst + i % 26);
    return s;
}

// An edit applied to a copy of the input: what it answers and the text it leaves.
struct EditRow {
    const char* what;
    LPCTSTR input;
    std::function<int(CString&)> edit;
    int result;
    LPCTSTR text;
};
void ExpectEdits(const std::vector<EditRow>& rows) {
    for (const EditRow& r : rows) {
        SCOPED_TRACE(r.what);
        CString s = r.input;
        EXPECT_EQ(r.edit(s), r.result);
        EXPECT_EQ(s, r.text);
    }
}
// clang-format off
#define EDIT(input, call, result, text) {#call, input, [](CString& s) { return s.call; }, result, text}
// clang-format on

}  // namespace

TEST(CStringConstruct, NullPointersAndNonPositiveCountsGiveEmptyStringsAndOthersKeepEveryCharacter) {
    CString a;
    EXPECT_EQ(a.GetLength(), 0);
    EXPECT_STREQ(a.GetString(), _T(""));
    // clang-format off
    ExpectRows<bool>({ROW(a.IsEmpty(), true), ROW(CString(static_cast<LPCTSTR>(NULL)).IsEmpty(), true),
                      ROW(CString(static_cast<LPCTSTR>(NULL), 5).IsEmpty(), true), ROW(CString(_T('x'), 0).IsEmpty(), true),
                      ROW(CString(_T('x'), -4).IsEmpty(), true), ROW(CString(_T("abcdef"), 0).IsEmpty(), true),
                      ROW(CString(_T("abcdef"), -1).IsEmpty(), true)});
    // clang-format on

    CString d(_T("x"));
    d = static_cast<LPCTSTR>(NULL);
    EXPECT_TRUE(d.IsEmpty());
    d += static_cast<LPCTSTR>(NULL);
    d.Append(static_cast<LPCTSTR>(NULL), 3);
    EXPECT_TRUE(d.IsEmpty());
    EXPECT_EQ(d.Compare(NULL), 0);
    EXPECT_EQ(d.Find(static_cast<LPCTSTR>(NULL)), 0);
    EXPECT_EQ(d.Insert(0, static_cast<LPCTSTR>(NULL)), 0);

    ExpectRows<CString>({ROW(CString(_T('x'), 3), _T("xxx")), ROW(CString(_T('x')), _T("x")),
                         ROW(CString(_T("abcdef"), 3), _T("abc"))});
    // A counted string keeps embedded terminators.
    CString s(_T("ab\0cd"), 5);
    EXPECT_EQ(s.GetLength(), 5);
    EXPECT_EQ(s.GetAt(3), _T('c'));

    CString big = LongText(1000);
    ASSERT_EQ(big.GetLength(), 1000);
    EXPECT_EQ(big[999], static_cast<TCHAR>(_T('a') + 999 % 26));
    EXPECT_EQ(big.GetString()[1000], 0);
    EXPECT_EQ(lstrlen(big), 1000);
}

TEST(CStringCopy, CopiesAreIndependentMovedFromStringsEmptyAndSelfReferencesKeepTheText) {
    for (int nLength : {5, 200}) {
        SCOPED_TRACE(nLength);
        const CString original = LongText(nLength);
        CString copy = original;
        copy.SetAt(0, _T('#'));
        copy += _T("tail");
        CString assigned;
        assigned = original;
        assigned.MakeUpper();
        CString buffered = original;
        buffered.GetBuffer()[1] = _T('!');
        buffered.ReleaseBuffer();
        EXPECT_EQ(original, LongText(nLength));
        EXPECT_EQ(buffered[1], _T('!'));

        CString source = original;
        CString target(std::move(source));
        EXPECT_EQ(target, original);
        EXPECT_TRUE(source.IsEmpty());
        source = _T("again");
        EXPECT_EQ(source, _T("again"));
        CString other;
        other = std::move(target);
        EXPECT_EQ(other, original);
    }

    CString s = _T("abc");
    CString& alias = s;
    s = alias;
    EXPECT_EQ(s, _T("abc"));
    s += s;
    EXPECT_EQ(s, _T("abcabc"));
    // Appending itself while the string has to grow onto the heap.
    CString big = LongText(20);
    big += big;
    big += big.GetString();
    EXPECT_EQ(big, LongText(20) + LongText(20) + LongText(20) + LongText(20));
    // Assigning and inserting a pointer into the string itself.
    CString t = _T("0123456789");
    t = t.GetString() + 4;
    EXPECT_EQ(t, _T("456789"));
    t.Insert(2, t.GetString());
    EXPECT_EQ(t, _T("454567896789"));
}

TEST(CStringAccess, OutOfRangePositionsReadZeroAndAreIgnored) {
    CString s = _T("abc");
    ExpectRows<TCHAR>({ROW(s.GetAt(1), _T('b')), ROW(s[2], _T('c')), ROW(s.GetAt(3), 0), ROW(s.GetAt(-1), 0),
                       ROW(s.GetAt(1000), 0)});
    s.SetAt(0, _T('A'));
    s.SetAt(3, _T('X'));
    s.SetAt(-2, _T('X'));
    EXPECT_EQ(s, _T("Abc"));
    LPCTSTR p = s;
    EXPECT_EQ(p, s.GetString());
    EXPECT_EQ(lstrcmp(s, _T("Abc")), 0);
}

TEST(CStringExtract, LeftMidRightAndSpansClampTheirCounts) {
    const CString s = _T("abcdef");
    const CString c = _T("cabbage, cress");
    ExpectRows<CString>({ROW(s.Left(2), _T("ab")), ROW(s.Left(0), _T("")), ROW(s.Left(-3), _T("")),
                         ROW(s.Left(100), s), ROW(s.Right(2), _T("ef")), ROW(s.Right(-1), _T("")),
                         ROW(s.Right(100), s), ROW(s.Mid(2), _T("cdef")), ROW(s.Mid(2, 3), _T("cde")),
                         ROW(s.Mid(2, 100), _T("cdef")), ROW(s.Mid(-5, 2), _T("ab")), ROW(s.Mid(-5), s),
                         ROW(s.Mid(6), _T("")), ROW(s.Mid(50), _T("")), ROW(s.Mid(50, 2), _T("")),
                         ROW(s.Mid(1, -2), _T("")), ROW(s.Mid(1, 0x7FFFFFFF), _T("bcdef")),
                         // Spans stop at the first character outside (or inside) the set.
                         ROW(c.SpanIncluding(_T("abc")), _T("cabba")),
                         ROW(c.SpanIncluding(_T("xyz")), _T("")), ROW(c.SpanIncluding(_T("")), _T("")),
                         ROW(c.SpanExcluding(_T(",;")), _T("cabbage")), ROW(c.SpanExcluding(_T("")), c),
                         ROW(c.SpanExcluding(NULL), c), ROW(CString().SpanIncluding(_T("a")), _T(""))});
}

TEST(CStringFind, CharactersSubstringsAndSetsFromAStartPosition) {
    const CString s = _T("abcabc"), t = _T("one two one"), p = _T("path/to\\file");
    ExpectRows<int>(
        {ROW(s.Find(_T('b')), 1), ROW(s.Find(_T('b'), 1), 1), ROW(s.Find(_T('b'), 2), 4),
         ROW(s.Find(_T('b'), 5), -1), ROW(s.Find(_T('b'), 100), -1), ROW(s.Find(_T('b'), -7), 1),
         ROW(s.Find(_T('z')), -1), ROW(s.ReverseFind(_T('a')), 3), ROW(s.ReverseFind(_T('z')), -1),
         ROW(CString().ReverseFind(_T('a')), -1), ROW(t.Find(_T("one")), 0), ROW(t.Find(_T("one"), 1), 8),
         ROW(t.Find(_T("one"), 9), -1), ROW(t.Find(_T("three")), -1),
         ROW(t.Find(_T("one two one and more")), -1), ROW(t.Find(_T("e"), 100), -1),
         // The empty pattern is found where the search starts, up to the end of the string.
         ROW(t.Find(_T("")), 0), ROW(t.Find(_T(""), 4), 4), ROW(t.Find(_T(""), 11), 11),
         ROW(t.Find(_T(""), 12), -1), ROW(p.FindOneOf(_T("\\/")), 4), ROW(p.FindOneOf(_T("xyz")), -1),
         ROW(p.FindOneOf(_T("")), -1), ROW(p.FindOneOf(NULL), -1)});
}

TEST(CStringEdit, ReplaceRemoveInsertAndDeleteAnswerCountsOrLengths) {
    ExpectEdits({
        EDIT(_T("a.b.c"), Replace(_T('.'), _T('/')), 2, _T("a/b/c")),
        EDIT(_T("a/b/c"), Replace(_T('x'), _T('y')), 0, _T("a/b/c")),
        EDIT(_T("a/b/c"), Replace(_T('/'), _T('/')), 0, _T("a/b/c")),
        // Strings are replaced left to right, without overlap.
        EDIT(_T("aaaa"), Replace(_T("aa"), _T("b")), 2, _T("bb")),
        EDIT(_T("aaa"), Replace(_T("aa"), _T("aab")), 1, _T("aaba")),
        EDIT(_T("x-y-z"), Replace(_T("-"), _T(" -- ")), 2, _T("x -- y -- z")),
        EDIT(_T("x -- y -- z"), Replace(_T(" -- "), NULL), 2, _T("xyz")),
        EDIT(_T("xyz"), Replace(_T(""), _T("q")), 0, _T("xyz")),
        EDIT(_T("xyz"), Replace(NULL, _T("q")), 0, _T("xyz")),
        EDIT(_T("xyz"), Replace(_T("missing"), _T("q")), 0, _T("xyz")),
        EDIT(_T("xyz"), Replace(_T("xyz"), _T("")), 1, _T("")),
        // Old text "abc" (the second half), new text "bcabc" (from the second character on).
        EDIT(_T("abcabc"), Replace(s.GetString() + 3, s.GetString() + 1), 2, _T("bcabcbcabc")),
        EDIT(_T("a b  c "), Remove(_T(' ')), 4, _T("abc")),
        EDIT(_T("abc"), Remove(_T('z')), 0, _T("abc")),
        // Insert clamps the index; Delete clamps the count.
        EDIT(_T("ace"), Insert(1, _T('b')), 4, _T("abce")),
        EDIT(_T("abce"), Insert(4, _T("fg")), 6, _T("abcefg")),
        EDIT(_T("abcefg"), Insert(-3, _T("<")), 7, _T("<abcefg")),
        EDIT(_T("<abcefg"), Insert(100, _T('>')), 8, _T("<abcefg>")),
        EDIT(_T("<abcefg>"), Insert(4, _T("d")), 9, _T("<abcdefg>")),
        EDIT(_T("abcdef"), Delete(1), 5, _T("acdef")),
        EDIT(_T("acdef"), Delete(1, 2), 3, _T("aef")),
        EDIT(_T("aef"), Delete(2, 100), 2, _T("ae")),
        EDIT(_T("ae"), Delete(5, 1), 2, _T("ae")),
        EDIT(_T("ae"), Delete(0, 0), 2, _T("ae")),
        EDIT(_T("ae"), Delete(0, -1), 2, _T("ae")),
        EDIT(_T("ae"), Delete(-4, 1), 1, _T("e")),
    });
    // Many growing replacements in a long string.
    CString big(_T('.'), 400);
    EXPECT_EQ(big.Replace(_T("."), _T("<>")), 400);
    EXPECT_EQ(big.GetLength(), 800);
    EXPECT_EQ(big.Left(4), _T("<><>"));
}

TEST(CStringTrim, WhiteSpaceOneCharacterOrASetFromEitherOrBothEnds) {
    const CString w = _T(" \t\r\n text  in\tside \n"), blank = _T(" \t \r\n");
    const CString x = _T("xxhixx"), t = _T("-=+value+=-");
    ExpectRows<CString>(
        {ROW(CString(w).TrimLeft(), _T("text  in\tside \n")),
         ROW(CString(w).TrimRight(), _T(" \t\r\n text  in\tside")),
         ROW(CString(w).Trim(), _T("text  in\tside")), ROW(CString(blank).Trim(), _T("")),
         ROW(CString(blank).TrimLeft(), _T("")), ROW(CString(blank).TrimRight(), _T("")),
         ROW(CString().Trim(), _T("")), ROW(CString(x).Trim(_T('x')), _T("hi")),
         ROW(CString(x).TrimLeft(_T('x')), _T("hixx")), ROW(CString(x).TrimRight(_T('x')), _T("xxhi")),
         ROW(CString(x).Trim(_T('h')), x), ROW(CString(t).Trim(_T("-=+")), _T("value")),
         ROW(CString(t).TrimLeft(_T("=-")), _T("+value+=-")),
         ROW(CString(t).TrimRight(_T("-=")), _T("-=+value+")), ROW(CString(t).Trim(_T("")), t),
         ROW(CString(t).Trim(static_cast<LPCTSTR>(NULL)), t), ROW(CString(_T("----")).Trim(_T("-")), _T("")),
         // Case changes and reversal answer the string itself.
         ROW(CString(_T("Mixed Case 123")).MakeUpper(), _T("MIXED CASE 123")),
         ROW(CString(_T("Mixed Case 123")).MakeLower(), _T("mixed case 123")),
         ROW(CString(_T("mixed case 123")).MakeReverse(), _T("321 esac dexim")),
         ROW(CString(_T("321 esac dexim")).MakeReverse().MakeUpper().Left(5), _T("MIXED")),
         ROW(CString().MakeReverse(), _T("")), ROW(CString(_T("a")).MakeReverse(), _T("a"))});
}

TEST(CStringCompare, CompareGivesTheSignOfTheOrderAndOperatorsWorkWithStringsPointersAndCharacters) {
    const CString s = _T("apple");
    auto Sign = [](int n) { return n < 0 ? -1 : n > 0; };
    ExpectRows<int>({ROW(Sign(s.Compare(_T("apple"))), 0), ROW(Sign(s.Compare(_T("banana"))), -1),
                     ROW(Sign(s.Compare(_T("Apple"))), 1), ROW(Sign(s.Compare(_T("app"))), 1),
                     ROW(Sign(s.Compare(_T("apples"))), -1), ROW(Sign(s.Compare(_T(""))), 1),
                     ROW(Sign(s.CompareNoCase(_T("APPLE"))), 0), ROW(Sign(s.CompareNoCase(_T("BANANA"))), -1),
                     ROW(Sign(s.CompareNoCase(_T("APP"))), 1), ROW(Sign(s.Collate(_T("apple"))), 0),
                     ROW(Sign(s.Collate(_T("banana"))), -1), ROW(Sign(s.CollateNoCase(_T("APPLE"))), 0),
                     ROW(Sign(s.CollateNoCase(_T("APP"))), 1)});

    const CString a = _T("abc"), b = _T("abd"), x = _T("x");
    LPCTSTR pa = _T("abc");
    // clang-format off
    ExpectRows<bool>({ROW(a == pa, true), ROW(pa == a, true), ROW(a == CString(pa), true), ROW(a != b, true),
                      ROW(a != _T("abd"), true), ROW(_T("abd") != a, true), ROW(a < b, true), ROW(a < _T("abd"), true),
                      ROW(_T("abb") < a, true), ROW(b > a, true), ROW(b > _T("abc"), true), ROW(_T("abe") > b, true),
                      ROW(a <= pa, true), ROW(pa <= a, true), ROW(a <= b, true), ROW(b >= a, true),
                      ROW(b >= _T("abd"), true), ROW(_T("abd") >= b, true), ROW(a > b, false), ROW(a >= b, false),
                      ROW(x == _T('x'), true), ROW(_T('x') == x, true), ROW(x != _T('y'), true),
                      ROW(CString(_T("xx")) != _T('x'), true), ROW(CString() != _T('x'), true),
                      ROW(CString() == _T(""), true)});
    // clang-format on
}

TEST(CStringConcat, PlusJoinsStringsPointersAndCharacters) {
    const CString a = _T("ab");
    ExpectRows<CString>({ROW(a + CString(_T("cd")), _T("abcd")), ROW(a + _T("cd"), _T("abcd")),
                         ROW(_T("zz") + a, _T("zzab")), ROW(a + _T('!'), _T("ab!")),
                         ROW(_T('<') + a, _T("<ab")), ROW(a + static_cast<LPCTSTR>(NULL), _T("ab")),
                         ROW(_T("1") + a + _T("2") + a + _T('3'), _T("1ab2ab3"))});
    EXPECT_EQ(a, _T("ab"));
    CString s;
    s += _T("x");
    s += _T('y');
    s += CString(_T("z"));
    EXPECT_EQ(s, _T("xyz"));
}

TEST(CStringConcat, ManyAppendsGrowGeometrically) {
    CString s;
    int nReallocations = 0;
    LPCTSTR pLast = s.GetString();
    for (int i = 0; i < 100000; ++i) {
        s += _T('x');
        if (s.GetString() != pLast) {
            ++nReallocations;
            pLast = s.GetString();
        }
    }
    EXPECT_EQ(s.GetLength(), 100000);
    EXPECT_LT(nReallocations, 40);
    EXPECT_GE(s.GetAllocLength(), s.GetLength());
}

TEST(CStringBuffer, ReleaseBufferMeasuresOrTakesTheGivenLength) {
    CString s;
    LPTSTR p = s.GetBuffer(100);
    _tcscpy(p, _T("written"));
    s.ReleaseBuffer();
    EXPECT_EQ(s, _T("written"));
    p = s.GetBuffer(10);
    EXPECT_STREQ(p, _T("written"));  // the buffer keeps the contents
    p[3] = 0;
    s.ReleaseBuffer(-1);
    EXPECT_EQ(s, _T("wri"));
    p = s.GetBuffer(20);
    _tcscpy(p, _T("abcdefgh"));
    s.ReleaseBuffer(5);
    EXPECT_EQ(s, _T("abcde"));
    // An explicit length keeps embedded terminators.
    p = s.GetBuffer(4);
    p[1] = 0;
    s.ReleaseBuffer(4);
    EXPECT_EQ(s.GetLength(), 4);
    EXPECT_EQ(s.GetAt(2), _T('c'));

    // Without a terminator, or with a length too large, the length stops at the buffer's end.
    CString q;
    p = q.GetBuffer(8);
    const int nAlloc = q.GetAllocLength();
    for (int i = 0; i <= nAlloc; ++i)
        p[i] = _T('q');
    q.ReleaseBuffer();
    EXPECT_EQ(q.GetLength(), nAlloc);
    q.GetBuffer(4);
    q.ReleaseBuffer(nAlloc + 1000);
    EXPECT_EQ(q.GetLength(), q.GetAllocLength());
    q.ReleaseBuffer(-5);
    EXPECT_EQ(q.GetLength(), q.GetAllocLength());
}

TEST(CStringBuffer, SetLengthPreallocateFreeExtraAndTruncateKeepTheText) {
    CString s = _T("abc");
    LPTSTR p = s.GetBufferSetLength(6);
    EXPECT_EQ(s.GetLength(), 6);
    EXPECT_EQ(p[0], _T('a'));
    p[3] = _T('d');
    p[4] = _T('e');
    p[5] = _T('f');
    s.ReleaseBufferSetLength(6);
    EXPECT_EQ(s, _T("abcdef"));
    s.GetBufferSetLength(2);
    s.ReleaseBuffer();
    EXPECT_EQ(s, _T("ab"));
    p = s.GetBufferSetLength(300);
    for (int i = 0; i < 300; ++i)
        p[i] = _T('z');
    s.ReleaseBufferSetLength(250);
    EXPECT_EQ(s, CString(_T('z'), 250));
    EXPECT_TRUE(CString(_T("x")).GetBufferSetLength(-1) != NULL);

    CString k = _T("keep");
    k.Preallocate(1000);
    EXPECT_GE(k.GetAllocLength(), 1000);
    EXPECT_EQ(k, _T("keep"));
    LPCTSTR pBefore = k.GetString();
    for (int i = 0; i < 900; ++i)
        k += _T('.');
    EXPECT_EQ(k.GetString(), pBefore);  // no reallocation within the preallocated room
    k.Truncate(4);
    k.Truncate(10);
    k.FreeExtra();
    EXPECT_EQ(k, _T("keep"));
    EXPECT_LT(k.GetAllocLength(), 1000);

    CString l = LongText(300);
    l.Preallocate(5000);
    l.FreeExtra();
    EXPECT_EQ(l, LongText(300));
    EXPECT_EQ(l.GetAllocLength(), 300);
    EXPECT_EQ(l.LockBuffer(), l.GetString());
    l.UnlockBuffer();
    l.Empty();
    EXPECT_TRUE(l.IsEmpty());
}

TEST(CStringTokenize, ReturnsTokensSkippingRunsOfDelimitersThenMinusOne) {
    struct Case {
        LPCTSTR text, delimiters;
        int iStart;
        LPCTSTR tokens;  // the tokens returned before the end, in brackets
    } cases[] = {
        {_T("%First Second#Third"), _T("% #"), 0, _T("[First][Second][Third]")},
        {_T(",,a,,b,,"), _T(","), 0, _T("[a][b]")},
        {_T(",,,"), _T(","), 0, _T("")},
        {_T(""), _T(","), 0, _T("")},
        {_T(",,a,,b,,"), _T(","), 50, _T("")},
        // No delimiters: the rest of the string once, then the end.
        {_T(",,a,,b,,"), _T(""), 2, _T("[a,,b,,]")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const CString s = c.text;
        int iPos = c.iStart;
        CString all;
        for (CString tok = s.Tokenize(c.delimiters, iPos); iPos != -1; tok = s.Tokenize(c.delimiters, iPos))
            all += _T("[") + tok + _T("]");
        EXPECT_EQ(all, c.tokens);
        EXPECT_EQ(s.Tokenize(c.delimiters, iPos), _T(""));  // the end stays the end
        EXPECT_EQ(iPos, -1);
    }
    const CString s = _T("%First Second#Third");
    int iPos = 0;
    s.Tokenize(_T("% #"), iPos);
    EXPECT_EQ(iPos, 7);
}
