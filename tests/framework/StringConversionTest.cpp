// CString across character sets and code pages: printf-style formatting, narrow/wide conversion (GBK in
// the ANSI build, UTF-8 on request), double-byte text, the converting objects and macros, and strings
// loaded from resources.
#include <afx.h>
#include <atlconv.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameworkKit.h"
#include "ext/TestExtDll.h"

using riztest::ExpectRows;

namespace {

std::string Bytes(LPCSTR psz) {
    return psz ? std::string(psz) : std::string("<null>");
}

#ifndef _UNICODE
// The ANSI build's narrow literals are GBK: its tests run in code page 936 (run-ctest.sh sets the locale).
#define ASSERT_GBK_CODE_PAGE() ASSERT_EQ(::GetACP(), 936u) << "the ANSI build's tests run in code page 936"
#endif

const char kUtf8Chinese[] = "\xE4\xB8\xAD\xE6\x96\x87";  // U+4E2D U+6587
const wchar_t kWideChinese[] = L"\x4E2D\x6587";

// The text Format makes of a format and its arguments, in the format's character set.
template <class XCHAR, class... ARGS>
CStringT<XCHAR> Formatted(const XCHAR* pszFormat, ARGS... args) {
    CStringT<XCHAR> s;
    s.Format(pszFormat, args...);
    return s;
}

CString FormatThroughV(LPCTSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    CString s;
    s.FormatV(pszFormat, args);
    va_end(args);
    return s;
}

}  // namespace

// ---- Formatting ----

TEST(CStringFormat, IntegersWidthsFlagsFloatsCharactersPercentAndBothCharacterSets) {
    // clang-format off
    ExpectRows<CString>(
        {ROW(Formatted(_T("%d|%5d|%-5d|%05d|%+d"), 42, 42, 42, 42, 7), _T("42|   42|42   |00042|+7")),
         ROW(Formatted(_T("%x %X %#x %u %o"), 255, 255, 255, 4000000000u, 8), _T("ff FF 0xff 4000000000 10")),
         ROW(Formatted(_T("%I64d %I64u %I64X"), -1234567890123LL, 18446744073709551615ULL, 0x1234567890ABLL),
             _T("-1234567890123 18446744073709551615 1234567890AB")),
         ROW(Formatted(_T("%ld %lu %hd"), -5L, 5UL, 70000), _T("-5 5 4464")),
         // Floats, characters, strings and percent signs.
         ROW(Formatted(_T("%.2f|%f|%8.3f|%.0f"), 3.14159, 1.5, 2.0, 2.4), _T("3.14|1.500000|   2.000|2")),
         ROW(Formatted(_T("%c%c|%-10s|%10s|%.2s|%%"), _T('o'), _T('k'), _T("left"), _T("right"), _T("cut")),
             _T("ok|left      |     right|cu|%")),
         ROW(Formatted(_T("100%%")), _T("100%"))});
    // clang-format on

    // %s is the string's own character set, %S the other.
    ExpectRows<CStringW>(
        {ROW(Formatted(L"%s+%S+%ls+%hs", L"wide", "narrow", L"lw", "hn"), L"wide+narrow+lw+hn"),
         ROW(Formatted(L"%c%C", L'w', 'n'), L"wn")});
    ExpectRows<CStringA>(
        {ROW(Formatted("%s+%S+%ls+%hs", "narrow", L"wide", L"lw", "hn"), "narrow+wide+lw+hn"),
         ROW(Formatted("%c%C", 'n', L'w'), "nw")});
}

TEST(CStringFormat, StringObjectsPassAsTheirText) {
    CString name = _T("Lesson");
    CString s;
    s.Format(_T("[%s] [%s]"), name, name + _T(" 2"));
    EXPECT_EQ(s, _T("[Lesson] [Lesson 2]"));

    // The other character set's string object, through %S.
#ifdef _UNICODE
    CStringA other = "other";
#else
    CStringW other = L"other";
#endif
    s.Format(_T("%S"), other);
    EXPECT_EQ(s, _T("other"));

    // A string formatted from its own text.
    s = _T("ab");
    s.Format(_T("%s-%s-%d"), s, s.GetString(), s.GetLength());
    EXPECT_EQ(s, _T("ab-ab-2"));
}

TEST(CStringFormat, LongResultsAreComplete) {
    CString s;
    s.Format(_T("%2000d"), 7);
    EXPECT_EQ(s.GetLength(), 2000);
    EXPECT_EQ(s.Right(2), _T(" 7"));
    EXPECT_EQ(s.Left(3), _T("   "));

    CString part(_T('x'), 700);
    s.Format(_T("<%s|%s|%d>"), part, part, 12345);
    EXPECT_EQ(s.GetLength(), 1 + 700 + 1 + 700 + 1 + 5 + 1);
    EXPECT_EQ(s, _T("<") + part + _T("|") + part + _T("|12345>"));

    CString big(_T('y'), 100000);
    s.Format(_T("%s!"), big);
    EXPECT_EQ(s.GetLength(), 100001);
    EXPECT_EQ(s.Right(2), _T("y!"));
}

TEST(CStringFormat, FormatReplacesAndAppendFormatAppends) {
    CString s = _T("old text");
    s.Format(_T("%d"), 1);
    EXPECT_EQ(s, _T("1"));
    s.AppendFormat(_T("+%d"), 2);
    s.AppendFormat(_T("=%s"), _T("3"));
    EXPECT_EQ(s, _T("1+2=3"));
    s.AppendFormat(_T("(%s)"), s);
    EXPECT_EQ(s, _T("1+2=3(1+2=3)"));

    CString part(_T('z'), 900);
    s.AppendFormat(_T("%s"), part);
    EXPECT_EQ(s, _T("1+2=3(1+2=3)") + part);

    s.Format(_T(""));
    EXPECT_TRUE(s.IsEmpty());
    s = _T("x");
    s.Format(static_cast<LPCTSTR>(NULL));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringFormat, FormatVTakesAnArgumentListAndFormatMessageNumberedArguments) {
    EXPECT_EQ(FormatThroughV(_T("%s=%d"), _T("n"), 5), _T("n=5"));
    EXPECT_EQ(FormatThroughV(_T("%03d"), 9), _T("009"));
    CString s;
    s.FormatMessage(_T("%2 before %1"), _T("one"), _T("two"));
    EXPECT_EQ(s, _T("two before one"));
    s.FormatMessage(_T("%1!d! items, %2!s!"), 12, _T("done"));
    EXPECT_EQ(s, _T("12 items, done"));
}

// ---- Conversion between the character sets ----

TEST(CStringConvert, ConstructionAndAssignmentConvertAsciiText) {
    const CStringW w = "narrow";
    const CStringA a = L"wide";
    CStringW w2 = L"x";
    CStringA a2 = "x";
    // clang-format off
    ExpectRows<CStringW>({ROW(w, L"narrow"), ROW(CStringW(a), L"wide"), ROW(w2 = a, L"wide"), ROW(w2 = 'q', L"q"),
                          ROW(CStringW("abcdef", 3), L"abc"), ROW(CStringW('c', 3), L"ccc"),
                          ROW(CStringW(static_cast<LPCSTR>(NULL)), L"")});
    ExpectRows<CStringA>({ROW(a, "wide"), ROW(CStringA(w), "narrow"), ROW(a2 = L"back", "back"), ROW(a2 = w, "narrow"),
                          ROW(CStringA(L"abcdef", 4), "abcd"), ROW(CStringA(L'c', 2), "cc"),
                          ROW(CStringA(static_cast<LPCWSTR>(NULL)), ""), ROW(CStringA(L""), "")});
    ExpectRows<CString>({ROW(CString("n"), _T("n")), ROW(CString(L"w"), _T("w"))});
    // clang-format on
}

TEST(CStringConvert, MixedAppendConcatenationAndComparison) {
    CStringW w = L"w";
    w += "n";
    w += 'c';
    w += CStringA("s");
    EXPECT_EQ(w, L"wncs");
    EXPECT_TRUE(w == "wncs");
    EXPECT_TRUE("wncs" == w);
    EXPECT_TRUE(w != "other");
    EXPECT_TRUE(w == CStringA("wncs"));
    EXPECT_EQ(w + "!", L"wncs!");
    EXPECT_EQ(w + CStringA("?"), L"wncs?");

    CStringA a = "a";
    a += L"b";
    a += L'c';
    EXPECT_EQ(a, "abc");
    EXPECT_TRUE(a == L"abc");
}

#ifndef _UNICODE
TEST(CStringConvert, ChineseNarrowTextBecomesTheRightCodePoints) {
    ASSERT_GBK_CODE_PAGE();
    CStringA a = "中文";
    EXPECT_EQ(Bytes(a), "\xD6\xD0\xCE\xC4");
    CStringW w = a;
    EXPECT_EQ(w, kWideChinese);  // U+4E2D U+6587

    CStringA back = w;
    EXPECT_EQ(back, a);

    CString mixed = L"课程 Lesson 1：问候";
    EXPECT_EQ(mixed, "课程 Lesson 1：问候");
    EXPECT_EQ(CStringW(mixed), L"课程 Lesson 1：问候");
    EXPECT_EQ(CStringA(CStringW(mixed)), mixed);
}

// Double-byte text in the ANSI code page.
class CStringDoubleByte : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_GBK_CODE_PAGE(); }
    // 乗 is 0x81 0x5C in GBK: its trail byte is a backslash. 丄 is 0x81 0x41 (trail 'A'), 亅 is 0x81 0x7C
    // (trail '|').
    const CStringA m_strTrailBackslash = CStringA(L"\x4E57");
    const CStringA m_strTrailA = CStringA(L"\x4E04");
    const CStringA m_strTrailBar = CStringA(L"\x4E85");
};

TEST_F(CStringDoubleByte, SearchesSkipTrailBytes) {
    ASSERT_EQ(Bytes(m_strTrailBackslash), "\x81\x5C");
    const CStringA path = "C:\\" + m_strTrailBackslash + ".txt";
    ExpectRows<int>({ROW(path.ReverseFind('\\'), 2), ROW(path.Find('\\', 3), -1), ROW(path.Find("\\", 3), -1),
                     ROW(path.FindOneOf("\\/"), 2), ROW(path.Find(m_strTrailBackslash), 3)});
    EXPECT_EQ(path.SpanExcluding("\\."), "C:");
}

TEST_F(CStringDoubleByte, EditsKeepCharactersWhole) {
    CStringA path = "a\\" + m_strTrailBackslash + "\\b";
    CStringA replaced = path;
    EXPECT_EQ(replaced.Replace('\\', '/'), 2);
    EXPECT_EQ(replaced, "a/" + m_strTrailBackslash + "/b");
    CStringA removed = path;
    EXPECT_EQ(removed.Remove('\\'), 2);
    EXPECT_EQ(removed, "a" + m_strTrailBackslash + "b");

    CStringA trimmed = m_strTrailBackslash;
    EXPECT_EQ(trimmed.TrimRight('\\'), m_strTrailBackslash);
    EXPECT_EQ(trimmed.TrimRight("\\|"), m_strTrailBackslash);
    CStringA framed = "\\\\" + m_strTrailBackslash + "\\";
    EXPECT_EQ(framed.Trim('\\'), m_strTrailBackslash);

    CStringA reversed = "x" + m_strTrailA + "y";
    EXPECT_EQ(reversed.MakeReverse(), "y" + m_strTrailA + "x");
}

TEST_F(CStringDoubleByte, CaseOperationsLeaveDoubleByteCharactersAlone) {
    CStringA s = m_strTrailA + "aBc";
    EXPECT_EQ(CStringA(s).MakeLower(), m_strTrailA + "abc");
    EXPECT_EQ(CStringA(s).MakeUpper(), m_strTrailA + "ABC");
    EXPECT_EQ(s.CompareNoCase(m_strTrailA + "ABC"), 0);
    // 0x81 0x61 is another character than 0x81 0x41, not its lower case.
    EXPECT_NE(m_strTrailA.CompareNoCase("\x81\x61"), 0);
}

TEST_F(CStringDoubleByte, TokenizeSplitsOnlyOnWholeDelimiters) {
    CStringA s = m_strTrailBar + "|x||" + m_strTrailBar;
    int iPos = 0;
    EXPECT_EQ(s.Tokenize("|", iPos), m_strTrailBar);
    EXPECT_EQ(s.Tokenize("|", iPos), "x");
    EXPECT_EQ(s.Tokenize("|", iPos), m_strTrailBar);
    EXPECT_EQ(s.Tokenize("|", iPos), "");
    EXPECT_EQ(iPos, -1);
}
#endif  // _UNICODE

// ---- Converting objects and macros ----

TEST(CStringConvertObjects, ConvertAsciiNullAndLongTextAndGenericFormsMatchTheBuild) {
    EXPECT_STREQ(CA2W("abc"), L"abc");
    EXPECT_STREQ(CW2A(L"abc"), "abc");
    EXPECT_STREQ(CA2W(""), L"");
    EXPECT_TRUE(static_cast<LPWSTR>(CA2W(NULL)) == NULL);
    EXPECT_TRUE(static_cast<LPSTR>(CW2A(NULL)) == NULL);
    EXPECT_TRUE(static_cast<LPCSTR>(CT2CA(NULL)) == NULL);
    EXPECT_TRUE(static_cast<LPCWSTR>(CT2CW(NULL)) == NULL);

    // Longer than the object's own buffer.
    std::string longNarrow(5000, 'n');
    std::wstring longWide(5000, L'n');
    EXPECT_EQ(std::wstring(CA2W(longNarrow.c_str())), longWide);
    EXPECT_EQ(std::string(CW2A(longWide.c_str())), longNarrow);
    EXPECT_EQ(std::wstring(CA2WEX<8>("twelve chars")), L"twelve chars");

    // The generic forms match the build.
    LPCTSTR psz = _T("generic");
    EXPECT_STREQ(CT2A(psz), "generic");
    EXPECT_STREQ(CT2W(psz), L"generic");
    EXPECT_STREQ(CT2CA(psz), "generic");
    EXPECT_STREQ(CT2CW(psz), L"generic");
    EXPECT_STREQ(CA2T("generic"), psz);
    EXPECT_STREQ(CW2T(L"generic"), psz);
    EXPECT_STREQ(CA2CT("generic"), psz);
    EXPECT_STREQ(CW2CT(L"generic"), psz);

    // The constant forms pass text of the same type through without copying.
#ifdef _UNICODE
    EXPECT_EQ(static_cast<LPCWSTR>(CT2CW(psz)), psz);
    EXPECT_EQ(static_cast<LPCWSTR>(CW2CT(psz)), psz);
#else
    EXPECT_EQ(static_cast<LPCSTR>(CT2CA(psz)), psz);
    EXPECT_EQ(static_cast<LPCSTR>(CA2CT(psz)), psz);
#endif
    // The others give a writable copy.
    CT2A copy(_T("copy"));
    copy.m_psz[0] = 'C';
    EXPECT_STREQ(copy, "Copy");
}

TEST(CStringConvertObjects, Utf8OnRequest) {
    EXPECT_EQ(Bytes(CW2A(kWideChinese, CP_UTF8)), kUtf8Chinese);
    EXPECT_STREQ(CA2W(kUtf8Chinese, CP_UTF8), kWideChinese);

    CString text = kWideChinese;
#ifndef _UNICODE
    ASSERT_GBK_CODE_PAGE();
    EXPECT_EQ(Bytes(text), "\xD6\xD0\xCE\xC4");
#endif
    EXPECT_EQ(Bytes(CT2A(text, CP_UTF8)), kUtf8Chinese);
    EXPECT_EQ(Bytes(CT2CA(text, CP_UTF8)), kUtf8Chinese);
    EXPECT_EQ(CString(CA2T(kUtf8Chinese, CP_UTF8)), text);
    EXPECT_EQ(CString(CA2CT(kUtf8Chinese, CP_UTF8)), text);
    EXPECT_EQ(CStringW(CT2W(text)), kWideChinese);

    // Text that does not fit the object's buffer.
    CString longText;
    for (int i = 0; i < 300; ++i)
        longText += text;
    CStringA utf8(CT2A(longText, CP_UTF8));
    EXPECT_EQ(utf8.GetLength(), 300 * 6);
    EXPECT_EQ(CString(CA2T(utf8, CP_UTF8)), longText);
}

namespace {

// Pointers from the conversion macros stay valid until the end of the scope with USES_CONVERSION.
std::vector<std::string> ConvertSeveral() {
    USES_CONVERSION;
    LPWSTR pWide = A2W("one");
    LPCSTR pNarrow = W2A(L"two");
    LPCSTR pFromT = T2CA(_T("three"));
    LPCWSTR pWideFromT = T2CW(_T("four"));
    LPCTSTR pFromWide = W2CT(L"five");
    LPTSTR pFromNarrow = A2T("six");
    LPCWSTR pNull = A2CW(NULL);
    CString fromT(pFromWide);
    CString fromT2(pFromNarrow);
    std::vector<std::string> results = {W2A(pWide),
                                        pNarrow,
                                        pFromT,
                                        W2A(pWideFromT),
                                        T2A(const_cast<LPTSTR>(fromT.GetString())),
                                        T2A(const_cast<LPTSTR>(fromT2.GetString())),
                                        pNull == NULL ? "null" : "not null",
                                        OLE2A(T2OLE(_T("seven")))};
    return results;
}

}  // namespace

TEST(CStringConvertMacros, PointersLiveForTheScope) {
    std::vector<std::string> expected = {"one", "two", "three", "four", "five", "six", "null", "seven"};
    EXPECT_EQ(ConvertSeveral(), expected);
}

// ---- Strings from resources and the environment ----

namespace {

const UINT kIdsHello = IDS_EXT_HELLO;         // "Hello %s"
const UINT kIdsEmpty = IDS_EXT_HELLO + 1;     // in the block, but empty
const UINT kIdsChinese = IDS_EXT_CHINESE;     // 中文
const UINT kIdsMessage = IDS_EXT_MESSAGE;     // "%2 and %1"
const UINT kIdsMissing = IDS_EXT_HELLO + 20;  // in a block the module does not have

}  // namespace

// The test extension DLL mapped as data: its strings without its start-up code joining the chain.
class CStringResource : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_hModule != NULL); }
    void TearDown() override { ::FreeLibrary(m_hModule); }
    const HINSTANCE m_hModule = ::LoadLibraryEx(_T("TestExtDll.dll"), NULL, LOAD_LIBRARY_AS_DATAFILE);
};

TEST_F(CStringResource, LoadStringFromAModuleFailsOnMissingOrEmptyEntries) {
    CString s = _T("unchanged");
    EXPECT_TRUE(s.LoadString(m_hModule, kIdsHello));
    EXPECT_EQ(s, _T("Hello %s"));

    CStringW w;
    EXPECT_TRUE(w.LoadString(m_hModule, kIdsChinese));
    EXPECT_EQ(w, kWideChinese);
    CStringA a;
    EXPECT_TRUE(a.LoadString(m_hModule, kIdsHello, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)));
    EXPECT_EQ(a, "Hello %s");
    // Missing or empty entries fail and keep the string.
    EXPECT_FALSE(s.LoadString(m_hModule, kIdsEmpty));
    EXPECT_FALSE(s.LoadString(m_hModule, kIdsMissing));
    EXPECT_FALSE(s.LoadString(m_hModule, kIdsHello + 2));
    EXPECT_EQ(s, _T("Hello %s"));
}

TEST_F(CStringResource, ChainedModulesServeLoadFormatAndConstruction) {
    CString s;
    EXPECT_FALSE(s.LoadString(kIdsHello));
    AfxAddResourceModule(m_hModule);
    EXPECT_TRUE(s.LoadString(kIdsHello));
    EXPECT_EQ(s, _T("Hello %s"));

    s.Format(kIdsHello, _T("you"));
    EXPECT_EQ(s, _T("Hello you"));
    s.AppendFormat(kIdsHello, _T("again"));
    EXPECT_EQ(s, _T("Hello youHello again"));
    s.FormatMessage(kIdsMessage, _T("one"), _T("two"));
    EXPECT_EQ(s, _T("two and one"));

    CString fromId(MAKEINTRESOURCE(kIdsHello));
    EXPECT_EQ(fromId, _T("Hello %s"));

#ifdef _UNICODE
    CString chinese(MAKEINTRESOURCE(kIdsChinese));
    EXPECT_EQ(chinese, kWideChinese);
#else
    CString chinese(MAKEINTRESOURCE(kIdsChinese));
    EXPECT_EQ(chinese, "中文");
#endif
    AfxRemoveResourceModule(m_hModule);
    EXPECT_FALSE(s.LoadString(kIdsHello));
}

TEST(CStringEnvironment, GetEnvironmentVariableReadsOrEmpties) {
    ASSERT_TRUE(::SetEnvironmentVariable(_T("RIZ_STRING_TEST"), _T("value of the variable")));
    CString s;
    EXPECT_TRUE(s.GetEnvironmentVariable(_T("RIZ_STRING_TEST")));
    EXPECT_EQ(s, _T("value of the variable"));
    ::SetEnvironmentVariable(_T("RIZ_STRING_TEST"), NULL);
    EXPECT_FALSE(s.GetEnvironmentVariable(_T("RIZ_STRING_TEST")));
    EXPECT_TRUE(s.IsEmpty());
}
