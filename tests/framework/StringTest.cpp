// CString: construction, copies, extraction, searching, editing, trimming, comparison, buffers and
// tokens, in the build's character set.
#include <afx.h>

#include <gtest/gtest.h>

// Failure messages show the text of a string, not its address.
[[maybe_unused]] static void PrintTo(const CStringW& s, std::ostream* os) {
    *os << '"' << static_cast<LPCSTR>(CW2A(s, CP_UTF8)) << '"';
}
[[maybe_unused]] static void PrintTo(const CStringA& s, std::ostream* os) {
    *os << '"' << s.GetString() << '"';
}

namespace {

// A text longer than the characters a string keeps inside itself.
CString LongText(int nLength, TCHAR chFirst = _T('a')) {
    CString s;
    for (int i = 0; i < nLength; ++i)
        s += static_cast<TCHAR>(chFirst + i % 26);
    return s;
}

}  // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction

TEST(CStringConstruct, DefaultAndNullPointersGiveEmptyStrings) {
    CString a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetLength(), 0);
    EXPECT_STREQ(a.GetString(), _T(""));

    CString b(static_cast<LPCTSTR>(NULL));
    EXPECT_TRUE(b.IsEmpty());
    CString c(static_cast<LPCTSTR>(NULL), 5);
    EXPECT_TRUE(c.IsEmpty());

    CString d(_T("x"));
    d = static_cast<LPCTSTR>(NULL);
    EXPECT_TRUE(d.IsEmpty());
    d += static_cast<LPCTSTR>(NULL);
    d.Append(static_cast<LPCTSTR>(NULL), 3);
    EXPECT_TRUE(d.IsEmpty());
    EXPECT_EQ(d.Compare(NULL), 0);
    EXPECT_EQ(d.Find(static_cast<LPCTSTR>(NULL)), 0);
    EXPECT_EQ(d.Insert(0, static_cast<LPCTSTR>(NULL)), 0);
}

TEST(CStringConstruct, RepeatedCharacterAndCountedCharacters) {
    EXPECT_EQ(CString(_T('x'), 3), _T("xxx"));
    EXPECT_EQ(CString(_T('x')), _T("x"));
    EXPECT_TRUE(CString(_T('x'), 0).IsEmpty());
    EXPECT_TRUE(CString(_T('x'), -4).IsEmpty());

    EXPECT_EQ(CString(_T("abcdef"), 3), _T("abc"));
    EXPECT_TRUE(CString(_T("abcdef"), 0).IsEmpty());
    EXPECT_TRUE(CString(_T("abcdef"), -1).IsEmpty());

    // A counted string keeps embedded terminators.
    CString s(_T("ab\0cd"), 5);
    EXPECT_EQ(s.GetLength(), 5);
    EXPECT_EQ(s.GetAt(3), _T('c'));
}

TEST(CStringConstruct, LongStringsKeepEveryCharacter) {
    CString s = LongText(1000);
    ASSERT_EQ(s.GetLength(), 1000);
    EXPECT_EQ(s[0], _T('a'));
    EXPECT_EQ(s[999], static_cast<TCHAR>(_T('a') + 999 % 26));
    EXPECT_EQ(s.GetString()[1000], 0);
    EXPECT_EQ(lstrlen(s), 1000);
}

/////////////////////////////////////////////////////////////////////////////
// Copies are independent values

TEST(CStringCopy, ModifyingACopyLeavesTheOriginal) {
    for (int nLength : {5, 200}) {
        CString original = LongText(nLength);
        CString copy = original;
        copy.SetAt(0, _T('#'));
        copy += _T("tail");
        EXPECT_EQ(original[0], _T('a')) << nLength;
        EXPECT_EQ(original.GetLength(), nLength);

        CString assigned;
        assigned = original;
        assigned.MakeUpper();
        EXPECT_EQ(original[0], _T('a'));

        CString buffered = original;
        LPTSTR p = buffered.GetBuffer();
        p[1] = _T('!');
        buffered.ReleaseBuffer();
        EXPECT_EQ(original[1], _T('b'));
        EXPECT_EQ(buffered[1], _T('!'));
    }
}

TEST(CStringCopy, MovedFromStringIsEmptyAndReusable) {
    for (int nLength : {3, 300}) {
        CString source = LongText(nLength);
        CString target(std::move(source));
        EXPECT_EQ(target.GetLength(), nLength);
        EXPECT_TRUE(source.IsEmpty());
        source = _T("again");
        EXPECT_EQ(source, _T("again"));

        CString other;
        other = std::move(target);
        EXPECT_EQ(other.GetLength(), nLength);
        EXPECT_EQ(other, LongText(nLength));
    }
}

TEST(CStringCopy, SelfAssignmentAndSelfAppendKeepTheText) {
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

    // Assigning a pointer into the string itself.
    CString t = _T("0123456789");
    t = t.GetString() + 4;
    EXPECT_EQ(t, _T("456789"));
    t.Insert(2, t.GetString());
    EXPECT_EQ(t, _T("454567896789"));
}

/////////////////////////////////////////////////////////////////////////////
// Element access

TEST(CStringAccess, OutOfRangePositionsReadZeroAndAreIgnored) {
    CString s = _T("abc");
    EXPECT_EQ(s.GetAt(1), _T('b'));
    EXPECT_EQ(s[2], _T('c'));
    EXPECT_EQ(s.GetAt(3), 0);
    EXPECT_EQ(s.GetAt(-1), 0);
    EXPECT_EQ(s.GetAt(1000), 0);

    s.SetAt(0, _T('A'));
    s.SetAt(3, _T('X'));
    s.SetAt(-2, _T('X'));
    EXPECT_EQ(s, _T("Abc"));
}

TEST(CStringAccess, ConvertsImplicitlyToAConstantPointer) {
    CString s = _T("pointer");
    LPCTSTR p = s;
    EXPECT_EQ(p, s.GetString());
    EXPECT_EQ(lstrlen(s), 7);
    EXPECT_EQ(lstrcmp(s, _T("pointer")), 0);
}

/////////////////////////////////////////////////////////////////////////////
// Extraction

TEST(CStringExtract, LeftMidRightClampTheirCounts) {
    CString s = _T("abcdef");
    EXPECT_EQ(s.Left(2), _T("ab"));
    EXPECT_EQ(s.Left(0), _T(""));
    EXPECT_EQ(s.Left(-3), _T(""));
    EXPECT_EQ(s.Left(100), _T("abcdef"));

    EXPECT_EQ(s.Right(2), _T("ef"));
    EXPECT_EQ(s.Right(-1), _T(""));
    EXPECT_EQ(s.Right(100), _T("abcdef"));

    EXPECT_EQ(s.Mid(2), _T("cdef"));
    EXPECT_EQ(s.Mid(2, 3), _T("cde"));
    EXPECT_EQ(s.Mid(2, 100), _T("cdef"));
    EXPECT_EQ(s.Mid(-5, 2), _T("ab"));
    EXPECT_EQ(s.Mid(-5), _T("abcdef"));
    EXPECT_EQ(s.Mid(6), _T(""));
    EXPECT_EQ(s.Mid(50), _T(""));
    EXPECT_EQ(s.Mid(50, 2), _T(""));
    EXPECT_EQ(s.Mid(1, -2), _T(""));
    EXPECT_EQ(s.Mid(1, 0x7FFFFFFF), _T("bcdef"));
}

TEST(CStringExtract, SpanIncludingAndExcludingStopAtTheFirstMismatch) {
    CString s = _T("cabbage, cress");
    EXPECT_EQ(s.SpanIncluding(_T("abc")), _T("cabba"));
    EXPECT_EQ(s.SpanIncluding(_T("xyz")), _T(""));
    EXPECT_EQ(s.SpanIncluding(_T("")), _T(""));
    EXPECT_EQ(s.SpanExcluding(_T(",;")), _T("cabbage"));
    EXPECT_EQ(s.SpanExcluding(_T("")), s);
    EXPECT_EQ(s.SpanExcluding(NULL), s);
    EXPECT_EQ(CString().SpanIncluding(_T("a")), _T(""));
}

/////////////////////////////////////////////////////////////////////////////
// Searching

TEST(CStringFind, CharactersFromAStartPosition) {
    CString s = _T("abcabc");
    EXPECT_EQ(s.Find(_T('b')), 1);
    EXPECT_EQ(s.Find(_T('b'), 1), 1);
    EXPECT_EQ(s.Find(_T('b'), 2), 4);
    EXPECT_EQ(s.Find(_T('b'), 5), -1);
    EXPECT_EQ(s.Find(_T('b'), 100), -1);
    EXPECT_EQ(s.Find(_T('b'), -7), 1);
    EXPECT_EQ(s.Find(_T('z')), -1);
    EXPECT_EQ(s.ReverseFind(_T('a')), 3);
    EXPECT_EQ(s.ReverseFind(_T('z')), -1);
    EXPECT_EQ(CString().ReverseFind(_T('a')), -1);
}

TEST(CStringFind, SubstringsAndTheEmptyPattern) {
    CString s = _T("one two one");
    EXPECT_EQ(s.Find(_T("one")), 0);
    EXPECT_EQ(s.Find(_T("one"), 1), 8);
    EXPECT_EQ(s.Find(_T("one"), 9), -1);
    EXPECT_EQ(s.Find(_T("three")), -1);
    EXPECT_EQ(s.Find(_T("one two one and more")), -1);
    // The empty pattern is found where the search starts, up to the end of the string.
    EXPECT_EQ(s.Find(_T("")), 0);
    EXPECT_EQ(s.Find(_T(""), 4), 4);
    EXPECT_EQ(s.Find(_T(""), 11), 11);
    EXPECT_EQ(s.Find(_T(""), 12), -1);
    EXPECT_EQ(s.Find(_T("e"), 100), -1);
}

TEST(CStringFind, FindOneOfReportsTheFirstMember) {
    CString s = _T("path/to\\file");
    EXPECT_EQ(s.FindOneOf(_T("\\/")), 4);
    EXPECT_EQ(s.FindOneOf(_T("xyz")), -1);
    EXPECT_EQ(s.FindOneOf(_T("")), -1);
    EXPECT_EQ(s.FindOneOf(NULL), -1);
}

/////////////////////////////////////////////////////////////////////////////
// Replace, Remove, Insert, Delete

TEST(CStringEdit, ReplaceCharactersCountsReplacements) {
    CString s = _T("a.b.c");
    EXPECT_EQ(s.Replace(_T('.'), _T('/')), 2);
    EXPECT_EQ(s, _T("a/b/c"));
    EXPECT_EQ(s.Replace(_T('x'), _T('y')), 0);
    EXPECT_EQ(s.Replace(_T('/'), _T('/')), 0);
    EXPECT_EQ(s, _T("a/b/c"));
}

TEST(CStringEdit, ReplaceStringsLeftToRightWithoutOverlap) {
    CString s = _T("aaaa");
    EXPECT_EQ(s.Replace(_T("aa"), _T("b")), 2);
    EXPECT_EQ(s, _T("bb"));

    s = _T("aaa");
    EXPECT_EQ(s.Replace(_T("aa"), _T("aab")), 1);
    EXPECT_EQ(s, _T("aaba"));

    s = _T("x-y-z");
    EXPECT_EQ(s.Replace(_T("-"), _T(" -- ")), 2);
    EXPECT_EQ(s, _T("x -- y -- z"));
    EXPECT_EQ(s.Replace(_T(" -- "), NULL), 2);
    EXPECT_EQ(s, _T("xyz"));
    EXPECT_EQ(s.Replace(_T(""), _T("q")), 0);
    EXPECT_EQ(s.Replace(NULL, _T("q")), 0);
    EXPECT_EQ(s.Replace(_T("missing"), _T("q")), 0);
    EXPECT_EQ(s, _T("xyz"));
    EXPECT_EQ(s.Replace(_T("xyz"), _T("")), 1);
    EXPECT_TRUE(s.IsEmpty());

    // Many growing replacements in a long string.
    CString big(_T('.'), 400);
    EXPECT_EQ(big.Replace(_T("."), _T("<>")), 400);
    EXPECT_EQ(big.GetLength(), 800);
    EXPECT_EQ(big.Left(4), _T("<><>"));
}

TEST(CStringEdit, ReplaceWithPatternsTakenFromTheStringItself) {
    CString s = _T("abcabc");
    CString pattern = s.Left(3);
    // Old text "abc" (the second half), new text "bcabc" (from the second character on).
    EXPECT_EQ(s.Replace(s.GetString() + 3, s.GetString() + 1), 2);
    EXPECT_EQ(s, _T("bcabcbcabc"));
    EXPECT_EQ(pattern, _T("abc"));
}

TEST(CStringEdit, RemoveCountsRemovedCharacters) {
    CString s = _T("a b  c ");
    EXPECT_EQ(s.Remove(_T(' ')), 4);
    EXPECT_EQ(s, _T("abc"));
    EXPECT_EQ(s.Remove(_T('z')), 0);
    EXPECT_EQ(s, _T("abc"));
}

TEST(CStringEdit, InsertClampsTheIndexAndReturnsTheLength) {
    CString s = _T("ace");
    EXPECT_EQ(s.Insert(1, _T('b')), 4);
    EXPECT_EQ(s, _T("abce"));
    EXPECT_EQ(s.Insert(4, _T("fg")), 6);
    EXPECT_EQ(s, _T("abcefg"));
    EXPECT_EQ(s.Insert(-3, _T("<")), 7);
    EXPECT_EQ(s.Insert(100, _T('>')), 8);
    EXPECT_EQ(s, _T("<abcefg>"));
    EXPECT_EQ(s.Insert(4, _T("d")), 9);
    EXPECT_EQ(s, _T("<abcdefg>"));
}

TEST(CStringEdit, DeleteClampsTheCountAndReturnsTheLength) {
    CString s = _T("abcdef");
    EXPECT_EQ(s.Delete(1), 5);
    EXPECT_EQ(s, _T("acdef"));
    EXPECT_EQ(s.Delete(1, 2), 3);
    EXPECT_EQ(s, _T("aef"));
    EXPECT_EQ(s.Delete(2, 100), 2);
    EXPECT_EQ(s, _T("ae"));
    EXPECT_EQ(s.Delete(5, 1), 2);
    EXPECT_EQ(s.Delete(0, 0), 2);
    EXPECT_EQ(s.Delete(0, -1), 2);
    EXPECT_EQ(s.Delete(-4, 1), 1);
    EXPECT_EQ(s, _T("e"));
}

/////////////////////////////////////////////////////////////////////////////
// Trimming

TEST(CStringTrim, WhiteSpaceFromEitherOrBothEnds) {
    CString s = _T(" \t\r\n text  in\tside \n");
    CString left = s, right = s, both = s;
    EXPECT_EQ(left.TrimLeft(), _T("text  in\tside \n"));
    EXPECT_EQ(right.TrimRight(), _T(" \t\r\n text  in\tside"));
    EXPECT_EQ(both.Trim(), _T("text  in\tside"));

    CString blank = _T(" \t \r\n");
    EXPECT_TRUE(CString(blank).Trim().IsEmpty());
    EXPECT_TRUE(CString(blank).TrimLeft().IsEmpty());
    EXPECT_TRUE(CString(blank).TrimRight().IsEmpty());
    EXPECT_TRUE(CString().Trim().IsEmpty());
}

TEST(CStringTrim, OneCharacterOrASetOfCharacters) {
    CString s = _T("xxhixx");
    EXPECT_EQ(CString(s).Trim(_T('x')), _T("hi"));
    EXPECT_EQ(CString(s).TrimLeft(_T('x')), _T("hixx"));
    EXPECT_EQ(CString(s).TrimRight(_T('x')), _T("xxhi"));
    EXPECT_EQ(CString(s).Trim(_T('h')), s);

    CString t = _T("-=+value+=-");
    EXPECT_EQ(CString(t).Trim(_T("-=+")), _T("value"));
    EXPECT_EQ(CString(t).TrimLeft(_T("=-")), _T("+value+=-"));
    EXPECT_EQ(CString(t).TrimRight(_T("-=")), _T("-=+value+"));
    EXPECT_EQ(CString(t).Trim(_T("")), t);
    EXPECT_EQ(CString(t).Trim(static_cast<LPCTSTR>(NULL)), t);
    EXPECT_TRUE(CString(_T("----")).Trim(_T("-")).IsEmpty());
}

/////////////////////////////////////////////////////////////////////////////
// Case and order

TEST(CStringCase, MakeUpperLowerReverseReturnTheString) {
    CString s = _T("Mixed Case 123");
    EXPECT_EQ(s.MakeUpper(), _T("MIXED CASE 123"));
    EXPECT_EQ(s.MakeLower(), _T("mixed case 123"));
    EXPECT_EQ(s.MakeReverse(), _T("321 esac dexim"));
    EXPECT_EQ(s.MakeReverse().MakeUpper().Left(5), _T("MIXED"));
    EXPECT_EQ(CString().MakeReverse(), _T(""));
    EXPECT_EQ(CString(_T("a")).MakeReverse(), _T("a"));
}

TEST(CStringCompare, CompareGivesTheSignOfTheOrder) {
    CString s = _T("apple");
    EXPECT_EQ(s.Compare(_T("apple")), 0);
    EXPECT_LT(s.Compare(_T("banana")), 0);
    EXPECT_GT(s.Compare(_T("Apple")), 0);
    EXPECT_GT(s.Compare(_T("app")), 0);
    EXPECT_LT(s.Compare(_T("apples")), 0);
    EXPECT_GT(s.Compare(_T("")), 0);

    EXPECT_EQ(s.CompareNoCase(_T("APPLE")), 0);
    EXPECT_LT(s.CompareNoCase(_T("BANANA")), 0);
    EXPECT_GT(s.CompareNoCase(_T("APP")), 0);

    EXPECT_EQ(s.Collate(_T("apple")), 0);
    EXPECT_LT(s.Collate(_T("banana")), 0);
    EXPECT_EQ(s.CollateNoCase(_T("APPLE")), 0);
    EXPECT_GT(s.CollateNoCase(_T("APP")), 0);
}

TEST(CStringCompare, OperatorsWorkWithStringsPointersAndCharacters) {
    CString a = _T("abc"), b = _T("abd");
    LPCTSTR pa = _T("abc");
    EXPECT_TRUE(a == pa);
    EXPECT_TRUE(pa == a);
    EXPECT_TRUE(a == CString(pa));
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a != _T("abd"));
    EXPECT_TRUE(_T("abd") != a);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(a < _T("abd"));
    EXPECT_TRUE(_T("abb") < a);
    EXPECT_TRUE(b > a);
    EXPECT_TRUE(b > _T("abc"));
    EXPECT_TRUE(_T("abe") > b);
    EXPECT_TRUE(a <= pa);
    EXPECT_TRUE(pa <= a);
    EXPECT_TRUE(a <= b);
    EXPECT_TRUE(b >= a);
    EXPECT_TRUE(b >= _T("abd"));
    EXPECT_TRUE(_T("abd") >= b);
    EXPECT_FALSE(a > b);
    EXPECT_FALSE(a >= b);

    CString x = _T("x");
    EXPECT_TRUE(x == _T('x'));
    EXPECT_TRUE(_T('x') == x);
    EXPECT_TRUE(x != _T('y'));
    EXPECT_TRUE(CString(_T("xx")) != _T('x'));
    EXPECT_TRUE(CString() != _T('x'));
    EXPECT_TRUE(CString() == _T(""));
}

/////////////////////////////////////////////////////////////////////////////
// Concatenation

TEST(CStringConcat, PlusJoinsStringsPointersAndCharacters) {
    CString a = _T("ab");
    EXPECT_EQ(a + CString(_T("cd")), _T("abcd"));
    EXPECT_EQ(a + _T("cd"), _T("abcd"));
    EXPECT_EQ(_T("zz") + a, _T("zzab"));
    EXPECT_EQ(a + _T('!'), _T("ab!"));
    EXPECT_EQ(_T('<') + a, _T("<ab"));
    EXPECT_EQ(a + static_cast<LPCTSTR>(NULL), _T("ab"));
    EXPECT_EQ(_T("1") + a + _T("2") + a + _T('3'), _T("1ab2ab3"));
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

/////////////////////////////////////////////////////////////////////////////
// Direct buffer access

TEST(CStringBuffer, ReleaseBufferMeasuresOrTakesTheGivenLength) {
    CString s;
    LPTSTR p = s.GetBuffer(100);
    _tcscpy(p, _T("written"));
    s.ReleaseBuffer();
    EXPECT_EQ(s, _T("written"));
    EXPECT_EQ(s.GetLength(), 7);

    p = s.GetBuffer(10);
    EXPECT_STREQ(p, _T("written"));  // the buffer keeps the contents
    p[3] = 0;
    s.ReleaseBuffer(-1);
    EXPECT_EQ(s, _T("wri"));

    p = s.GetBuffer(20);
    _tcscpy(p, _T("abcdefgh"));
    s.ReleaseBuffer(5);
    EXPECT_EQ(s, _T("abcde"));
    EXPECT_EQ(s.GetLength(), 5);

    // An explicit length keeps embedded terminators.
    p = s.GetBuffer(4);
    p[1] = 0;
    s.ReleaseBuffer(4);
    EXPECT_EQ(s.GetLength(), 4);
    EXPECT_EQ(s.GetAt(2), _T('c'));
}

TEST(CStringBuffer, ReleaseBufferNeverReadsPastTheBuffer) {
    CString s;
    LPTSTR p = s.GetBuffer(8);
    int nAlloc = s.GetAllocLength();
    for (int i = 0; i <= nAlloc; ++i)
        p[i] = _T('q');  // no terminator written
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), nAlloc);
    s.GetBuffer(4);
    s.ReleaseBuffer(nAlloc + 1000);
    EXPECT_EQ(s.GetLength(), s.GetAllocLength());
    s.ReleaseBuffer(-5);
    EXPECT_EQ(s.GetLength(), s.GetAllocLength());
}

TEST(CStringBuffer, GetBufferSetLengthAndReleaseBufferSetLength) {
    CString s = _T("abc");
    LPTSTR p = s.GetBufferSetLength(6);
    EXPECT_EQ(s.GetLength(), 6);
    EXPECT_EQ(p[0], _T('a'));
    p[3] = _T('d');
    p[4] = _T('e');
    p[5] = _T('f');
    s.ReleaseBufferSetLength(6);
    EXPECT_EQ(s, _T("abcdef"));

    p = s.GetBufferSetLength(2);
    s.ReleaseBuffer();
    EXPECT_EQ(s, _T("ab"));

    p = s.GetBufferSetLength(300);
    for (int i = 0; i < 300; ++i)
        p[i] = _T('z');
    s.ReleaseBufferSetLength(250);
    EXPECT_EQ(s, CString(_T('z'), 250));
    EXPECT_TRUE(CString(_T("x")).GetBufferSetLength(-1) != NULL);
}

TEST(CStringBuffer, PreallocateFreeExtraAndTruncateKeepTheText) {
    CString s = _T("keep");
    s.Preallocate(1000);
    EXPECT_GE(s.GetAllocLength(), 1000);
    EXPECT_EQ(s, _T("keep"));
    LPCTSTR pBefore = s.GetString();
    for (int i = 0; i < 900; ++i)
        s += _T('.');
    EXPECT_EQ(s.GetString(), pBefore);  // no reallocation within the preallocated room

    s.Truncate(4);
    EXPECT_EQ(s, _T("keep"));
    s.Truncate(10);
    EXPECT_EQ(s, _T("keep"));
    s.FreeExtra();
    EXPECT_EQ(s, _T("keep"));
    EXPECT_LT(s.GetAllocLength(), 1000);

    CString long1 = LongText(300);
    long1.Preallocate(5000);
    long1.FreeExtra();
    EXPECT_EQ(long1, LongText(300));
    EXPECT_EQ(long1.GetAllocLength(), 300);

    LPTSTR pLocked = long1.LockBuffer();
    EXPECT_EQ(pLocked, long1.GetString());
    long1.UnlockBuffer();
    long1.Empty();
    EXPECT_TRUE(long1.IsEmpty());
}

/////////////////////////////////////////////////////////////////////////////
// Tokens

TEST(CStringTokenize, ReturnsTokensSkippingDelimitersThenMinusOne) {
    CString s = _T("%First Second#Third");
    int iPos = 0;
    EXPECT_EQ(s.Tokenize(_T("% #"), iPos), _T("First"));
    EXPECT_EQ(iPos, 7);
    EXPECT_EQ(s.Tokenize(_T("% #"), iPos), _T("Second"));
    EXPECT_EQ(s.Tokenize(_T("% #"), iPos), _T("Third"));
    EXPECT_NE(iPos, -1);
    EXPECT_EQ(s.Tokenize(_T("% #"), iPos), _T(""));
    EXPECT_EQ(iPos, -1);
    EXPECT_EQ(s.Tokenize(_T("% #"), iPos), _T(""));
    EXPECT_EQ(iPos, -1);
}

TEST(CStringTokenize, RunsOfDelimitersAndEdgeCases) {
    CString s = _T(",,a,,b,,");
    int iPos = 0;
    CString all;
    for (CString tok = s.Tokenize(_T(","), iPos); iPos != -1; tok = s.Tokenize(_T(","), iPos)) {
        all += _T("[") + tok + _T("]");
    }
    EXPECT_EQ(all, _T("[a][b]"));

    iPos = 0;
    EXPECT_EQ(CString(_T(",,,")).Tokenize(_T(","), iPos), _T(""));
    EXPECT_EQ(iPos, -1);
    iPos = 0;
    EXPECT_EQ(CString().Tokenize(_T(","), iPos), _T(""));
    EXPECT_EQ(iPos, -1);
    iPos = 50;
    EXPECT_EQ(s.Tokenize(_T(","), iPos), _T(""));
    EXPECT_EQ(iPos, -1);

    // No delimiters: the rest of the string once, then the end.
    iPos = 2;
    EXPECT_EQ(s.Tokenize(_T(""), iPos), _T("a,,b,,"));
    EXPECT_EQ(s.Tokenize(_T(""), iPos), _T(""));
    EXPECT_EQ(iPos, -1);
}
