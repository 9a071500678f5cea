// COleDateTime and COleDateTimeSpan: calendar validity, the DATE encoding on both sides of 1899-12-30,
// day of week and year, span arithmetic across month and year ends, formatting, parsing, comparisons.
#include <afx.h>
#include <afxdisp.h>

#include <gtest/gtest.h>

#include <time.h>

#include <vector>

#include "FrameworkKit.h"

using riztest::ExpectRows;

namespace {

// "YYYY-MM-DD HH:MM:SS" of a date, for readable failures.
CString Iso(const COleDateTime& dt) {
    return dt.Format(_T("%Y-%m-%d %H:%M:%S"));
}

// Year, month, day, hour, minute, second, day of week and day of year.
std::vector<int> Parts(const COleDateTime& dt) {
    return {dt.GetYear(),   dt.GetMonth(),  dt.GetDay(),       dt.GetHour(),
            dt.GetMinute(), dt.GetSecond(), dt.GetDayOfWeek(), dt.GetDayOfYear()};
}

// The totals in days, hours, minutes and seconds, then the days, hours, minutes and seconds parts.
std::vector<double> SpanParts(const COleDateTimeSpan& span) {
    const double days = span.GetDays(), hours = span.GetHours(), minutes = span.GetMinutes();
    const double seconds = span.GetSeconds();
    return {span.GetTotalDays(),
            span.GetTotalHours(),
            span.GetTotalMinutes(),
            span.GetTotalSeconds(),
            days,
            hours,
            minutes,
            seconds};
}

const LCID kEnglishUS = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);

}  // namespace

// ---- Validity ----

TEST(COleDateTimeValidity, OutOfRangePartsOrValuesOutsideYears100To9999MakeTheDateInvalid) {
    const struct {
        int y, mo, d, h, mi, s;
        int result;  // 0 valid, 1 invalid
    } cases[] = {
        {2000, 2, 29, 0, 0, 0, 0}, {2024, 2, 29, 0, 0, 0, 0},     {1900, 2, 29, 0, 0, 0, 1},  // leap years
        {2023, 2, 29, 0, 0, 0, 1}, {2023, 2, 28, 0, 0, 0, 0},     {2024, 13, 1, 0, 0, 0, 1},
        {2024, 0, 1, 0, 0, 0, 1},  {2024, 4, 31, 0, 0, 0, 1},     {2024, 1, 0, 0, 0, 0, 1},
        {2024, 1, 1, 24, 0, 0, 1}, {2024, 1, 1, 0, 60, 0, 1},     {2024, 1, 1, 0, 0, 60, 1},
        {2024, 1, 1, -1, 0, 0, 1}, {99, 12, 31, 0, 0, 0, 1},      {10000, 1, 1, 0, 0, 0, 1},
        {100, 1, 1, 0, 0, 0, 0},   {9999, 12, 31, 23, 59, 59, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << '-' << c.mo << '-' << c.d << ' ' << c.h << ':' << c.mi);
        COleDateTime dt;
        EXPECT_EQ(dt.SetDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s), c.result);
        EXPECT_EQ(dt.GetStatus(), c.result ? COleDateTime::invalid : COleDateTime::valid);
        EXPECT_EQ(COleDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s).GetStatus(), dt.GetStatus());
    }
    COleDateTime dt;
    EXPECT_EQ(dt.SetDate(2024, 2, 29), 0);
    EXPECT_EQ(dt.GetDay(), 29);
    EXPECT_EQ(dt.SetDate(1900, 2, 29), 1);
    EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid);

    dt = COleDateTime(2023, 2, 29, 10, 0, 0);
    EXPECT_EQ(Parts(dt), std::vector<int>(8, AFX_OLE_DATETIME_ERROR));
    SYSTEMTIME st;
    EXPECT_FALSE(dt.GetAsSystemTime(st));
    // Date values outside the years 100 to 9999 are invalid.
    ExpectRows<int>({ROW(COleDateTime(2958465.5).GetStatus(), COleDateTime::valid),  // 9999-12-31 12:00
                     ROW(COleDateTime(2958466.0).GetStatus(), COleDateTime::invalid),
                     ROW(COleDateTime(-657434.5).GetStatus(), COleDateTime::valid),  // 0100-01-01 12:00
                     ROW(COleDateTime(-657435.0).GetStatus(), COleDateTime::invalid)});
    dt = COleDateTime(9999, 12, 31, 0, 0, 0);
    dt += COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid);
}

// ---- The DATE encoding ----

TEST(COleDateTimeEncoding, KnownDatesHaveTheirDayNumbersAndBeforeDayZeroTimeCountsForward) {
    // clang-format off
    ExpectRows<double>({ROW(COleDateTime(1899, 12, 30, 0, 0, 0).m_dt, 0.0), ROW(COleDateTime(1900, 1, 1, 0, 0, 0).m_dt, 2.0),
                        ROW(COleDateTime(1970, 1, 1, 0, 0, 0).m_dt, 25569.0), ROW(COleDateTime(2000, 1, 1, 0, 0, 0).m_dt, 36526.0),
                        ROW(COleDateTime(2024, 3, 15, 12, 0, 0).m_dt, 45366.5), ROW(COleDateTime(1899, 12, 30, 18, 0, 0).m_dt, 0.75),
                        ROW(COleDateTime().m_dt, 0.0),
                        // -1.25 is 29 December 1899 at 06:00, not 18:00.
                        ROW(COleDateTime(1899, 12, 29, 6, 0, 0).m_dt, -1.25), ROW(COleDateTime(1899, 12, 29, 18, 0, 0).m_dt, -1.75)});
    ExpectRows<CString>({ROW(Iso(COleDateTime(-1.25)), _T("1899-12-29 06:00:00")), ROW(Iso(COleDateTime(-2.5)), _T("1899-12-28 12:00:00")),
                         // Between -1 and 0 the day part is day zero: -0.5 and 0.5 are the same moment.
                         ROW(Iso(COleDateTime(-0.5)), _T("1899-12-30 12:00:00"))});
    // clang-format on
    EXPECT_EQ(COleDateTime().GetStatus(), COleDateTime::valid);
    EXPECT_EQ(COleDateTime(-0.5), COleDateTime(0.5));
}

TEST(COleDateTimeEncoding, OldDatesAndSystemTimesRoundTripAndPartsRoundToTheNearestSecond) {
    const COleDateTime dt(1800, 1, 1, 23, 59, 59);
    EXPECT_EQ(dt.GetStatus(), COleDateTime::valid);
    EXPECT_LT(dt.m_dt, -36522.0);
    EXPECT_GT(dt.m_dt, -36523.0);
    EXPECT_EQ(Parts(dt), (std::vector<int>{1800, 1, 1, 23, 59, 59, 4, 1}));  // a Wednesday
    EXPECT_EQ(Iso(COleDateTime(100, 1, 1, 0, 0, 1)), _T("100-01-01 00:00:01"));
    const double oneSecond = 1.0 / 86400.0;
    EXPECT_EQ(Iso(COleDateTime(45366.0 + 10 * oneSecond - 0.001 * oneSecond)), _T("2024-03-15 00:00:10"));
    EXPECT_EQ(Iso(COleDateTime(45366.0 - 0.2 * oneSecond)), _T("2024-03-15 00:00:00"));
    EXPECT_EQ(Iso(COleDateTime(-1.0 - (1.0 - 0.2 * oneSecond))), _T("1899-12-30 00:00:00"));
    const SYSTEMTIME in = {2024, 2, 0, 29, 13, 14, 15, 999};  // the milliseconds are dropped
    SYSTEMTIME out;
    ASSERT_TRUE(COleDateTime(in).GetAsSystemTime(out));
    EXPECT_EQ((std::vector<int>{out.wYear, out.wMonth, out.wDayOfWeek, out.wDay, out.wHour, out.wMinute,
                                out.wSecond, out.wMilliseconds}),
              (std::vector<int>{2024, 2, 4, 29, 13, 14, 15, 0}));  // a Thursday
}

TEST(COleDateTimeEncoding, TimeTAndFileTimeAreShownInLocalTimeAndVariantsAreDatesOrNulls) {
    const __time64_t t = 1700000000;  // 2023-11-14 22:13:20 UTC
    struct tm* pLocal = _localtime64(&t);
    ASSERT_TRUE(pLocal);
    const COleDateTime expected(pLocal->tm_year + 1900, pLocal->tm_mon + 1, pLocal->tm_mday, pLocal->tm_hour,
                                pLocal->tm_min, pLocal->tm_sec);
    EXPECT_EQ(Iso(COleDateTime(t)), Iso(expected));

    ULARGE_INTEGER ticks;
    ticks.QuadPart = 116444736000000000ULL + static_cast<ULONGLONG>(t) * 10000000ULL;
    FILETIME ft = {ticks.LowPart, ticks.HighPart};
    EXPECT_EQ(Iso(COleDateTime(ft)), Iso(expected));

    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_DATE;
    v.date = 45366.5;
    EXPECT_EQ(COleDateTime(v), COleDateTime(2024, 3, 15, 12, 0, 0));
    v.vt = VT_NULL;
    const COleDateTime nullDate(v);
    EXPECT_EQ(nullDate.GetStatus(), COleDateTime::null);
    EXPECT_TRUE(nullDate.Format(_T("%Y")).IsEmpty());
}

// ---- Calendar queries ----

TEST(COleDateTimeCalendar, DayOfWeekStartsOnSundayAndDayOfYearOnFirstJanuary) {
    // clang-format off
    ExpectRows<int>({ROW(COleDateTime(1899, 12, 30, 0, 0, 0).GetDayOfWeek(), 7), ROW(COleDateTime(1899, 12, 29, 6, 0, 0).GetDayOfWeek(), 6),
                     ROW(COleDateTime(1970, 1, 1, 0, 0, 0).GetDayOfWeek(), 5), ROW(COleDateTime(2000, 2, 29, 0, 0, 0).GetDayOfWeek(), 3),
                     ROW(COleDateTime(2024, 1, 1, 23, 0, 0).GetDayOfWeek(), 2), ROW(COleDateTime(2024, 3, 17, 0, 0, 0).GetDayOfWeek(), 1),
                     ROW(COleDateTime(2024, 1, 1, 0, 0, 0).GetDayOfYear(), 1), ROW(COleDateTime(2024, 3, 1, 0, 0, 0).GetDayOfYear(), 61),
                     ROW(COleDateTime(2023, 3, 1, 0, 0, 0).GetDayOfYear(), 60), ROW(COleDateTime(2024, 12, 31, 0, 0, 0).GetDayOfYear(), 366),
                     ROW(COleDateTime(2023, 12, 31, 0, 0, 0).GetDayOfYear(), 365), ROW(COleDateTime(1899, 12, 29, 0, 0, 0).GetDayOfYear(), 363)});
    // clang-format on
}

// ---- Arithmetic ----

TEST(COleDateTimeArithmetic, SpansCrossMonthAndYearEnds) {
    // clang-format off
    ExpectRows<CString>({ROW(Iso(COleDateTime(2023, 12, 31, 23, 0, 0) + COleDateTimeSpan(0, 2, 0, 0)), _T("2024-01-01 01:00:00")),
                         ROW(Iso(COleDateTime(2024, 1, 31, 12, 0, 0) + COleDateTimeSpan(1, 0, 0, 0)), _T("2024-02-01 12:00:00")),
                         ROW(Iso(COleDateTime(2024, 2, 28, 0, 0, 0) + COleDateTimeSpan(1, 0, 0, 0)), _T("2024-02-29 00:00:00")),
                         ROW(Iso(COleDateTime(2023, 2, 28, 0, 0, 0) + COleDateTimeSpan(1, 0, 0, 0)), _T("2023-03-01 00:00:00")),
                         ROW(Iso(COleDateTime(2024, 3, 1, 0, 0, 0) - COleDateTimeSpan(0, 0, 0, 1)), _T("2024-02-29 23:59:59"))});
    // clang-format on
    COleDateTime dt(2024, 12, 31, 23, 59, 59);
    dt += COleDateTimeSpan(0, 0, 0, 1);
    EXPECT_EQ(dt, COleDateTime(2025, 1, 1, 0, 0, 0));
    dt -= COleDateTimeSpan(366, 0, 0, 0);
    EXPECT_EQ(dt, COleDateTime(2024, 1, 1, 0, 0, 0));
}

TEST(COleDateTimeArithmetic, SpansCrossDayZeroInBothDirections) {
    const COleDateTime before(1899, 12, 29, 12, 0, 0);
    const COleDateTime after = before + COleDateTimeSpan(0, 18, 0, 0);
    EXPECT_EQ(Iso(after), _T("1899-12-30 06:00:00"));
    EXPECT_DOUBLE_EQ(after.m_dt, 0.25);
    const COleDateTime back = after - COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(Iso(back), _T("1899-12-29 06:00:00"));
    EXPECT_DOUBLE_EQ(back.m_dt, -1.25);
    EXPECT_EQ(Iso(before + COleDateTimeSpan(0, 6, 0, 0)), _T("1899-12-29 18:00:00"));
    EXPECT_EQ(Iso(before - COleDateTimeSpan(0, 18, 0, 0)), _T("1899-12-28 18:00:00"));
}

TEST(COleDateTimeArithmetic, DifferenceOfDatesIsASpanAndInvalidAndNullOperandsPropagate) {
    const COleDateTimeSpan leapFeb = COleDateTime(2024, 3, 1, 0, 0, 0) - COleDateTime(2024, 2, 1, 0, 0, 0);
    EXPECT_EQ(leapFeb.GetDays(), 29);
    const COleDateTimeSpan span = COleDateTime(1900, 1, 1, 0, 0, 0) - COleDateTime(1899, 12, 29, 12, 0, 0);
    EXPECT_EQ(span.GetTotalHours(), 60.0);
    EXPECT_EQ(span.GetDays(), 2);
    EXPECT_EQ(span.GetHours(), 12);
    const COleDateTimeSpan negative = COleDateTime(2024, 1, 1, 0, 0, 0) - COleDateTime(2024, 1, 2, 6, 30, 0);
    EXPECT_EQ(negative.GetDays(), -1);
    EXPECT_EQ(negative.GetHours(), -6);
    EXPECT_EQ(negative.GetMinutes(), -30);
    EXPECT_EQ(negative.GetTotalMinutes(), -1830.0);
    const COleDateTime bad(2023, 2, 29, 0, 0, 0);
    const COleDateTime good(2024, 1, 1, 0, 0, 0);
    EXPECT_EQ((bad + COleDateTimeSpan(1, 0, 0, 0)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((good - bad).GetStatus(), COleDateTimeSpan::invalid);
    COleDateTimeSpan nullSpan;
    nullSpan.SetStatus(COleDateTimeSpan::null);
    EXPECT_EQ((good + nullSpan).GetStatus(), COleDateTime::null);
    EXPECT_EQ((nullSpan + COleDateTimeSpan(1.0)).GetStatus(), COleDateTimeSpan::null);
}

// ---- Comparisons ----

TEST(COleDateTimeCompare, OrderFollowsTimeAlsoBeforeDayZeroAndInvalidDatesAreUnordered) {
    const COleDateTime morning(1899, 12, 29, 6, 0, 0);   // -1.25
    const COleDateTime evening(1899, 12, 29, 18, 0, 0);  // -1.75, yet later
    EXPECT_LT(morning, evening);
    EXPECT_GT(evening, morning);
    EXPECT_LE(morning, morning);
    EXPECT_GE(evening, morning);
    EXPECT_NE(morning, evening);
    EXPECT_LT(evening, COleDateTime(1899, 12, 30, 0, 0, 0));
    EXPECT_LT(COleDateTime(2024, 1, 1, 0, 0, 0), COleDateTime(2024, 1, 1, 0, 0, 1));
    // Dates from different routes are equal.
    const COleDateTime sum = COleDateTime(2024, 1, 31, 10, 20, 30) + COleDateTimeSpan(0, 0, 0, 86400 * 3);
    EXPECT_EQ(sum, COleDateTime(2024, 2, 3, 10, 20, 30));
    EXPECT_EQ(COleDateTime(1899, 12, 29, 7, 0, 0) + COleDateTimeSpan(0, 0, 0, 3600 * 30),
              COleDateTime(1899, 12, 30, 13, 0, 0));
    // Invalid dates equal only each other and are unordered.
    const COleDateTime bad1(2023, 2, 29, 0, 0, 0);
    const COleDateTime bad2(2024, 13, 1, 0, 0, 0);
    const COleDateTime good(2024, 1, 1, 0, 0, 0);
    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    ExpectRows<bool>({ROW(bad1 == bad2, true), ROW(bad1 == good, false), ROW(bad1 != good, true),
                      ROW(bad1 < good, false), ROW(good < bad1, false), ROW(bad1 > good, false),
                      ROW(good > bad1, false), ROW(bad1 <= good, false), ROW(good >= bad1, false),
                      ROW(nullDate == bad1, false)});
}

// ---- Formatting and parsing ----

TEST(COleDateTimeFormat, StrftimeCodesAndInvalidDates) {
    const COleDateTime dt(2024, 3, 5, 7, 8, 9);
    const COleDateTime bad(2023, 2, 29, 0, 0, 0);
    // clang-format off
    ExpectRows<CString>({ROW(dt.Format(_T("%Y-%m-%d %H:%M:%S")), _T("2024-03-05 07:08:09")),
                         ROW(dt.Format(_T("%A %a %B %b")), _T("Tuesday Tue March Mar")),
                         ROW(dt.Format(_T("%y %j %p %I %%")), _T("24 065 AM 07 %")), ROW(dt.Format(_T("%#m/%#d/%Y")), _T("3/5/2024")),
                         ROW(dt.Format(_T("%x %X")), _T("03/05/24 07:08:09")),
                         ROW(COleDateTime(2024, 3, 5, 0, 30, 0).Format(_T("%I:%M %p")), _T("12:30 AM")),
                         ROW(COleDateTime(2024, 3, 5, 12, 30, 0).Format(_T("%I:%M %p")), _T("12:30 PM")),
                         ROW(dt.Format(_T("%Y年%#m月%#d日 %A")), _T("2024年3月5日 Tuesday")),
                         ROW(COleDateTime(1850, 6, 1, 0, 0, 0).Format(_T("%d %B %Y, %A")), _T("01 June 1850, Saturday")),
                         ROW(bad.Format(_T("%Y")), _T("Invalid DateTime")), ROW(bad.Format(), _T("Invalid DateTime"))});
    // clang-format on
}

TEST(COleDateTimeFormat, LocaleFormLeavesOutMidnightAndDayZero) {
    const COleDateTime dt(2024, 3, 5, 14, 8, 9);
    // clang-format off
    ExpectRows<CString>({ROW(dt.Format(0, kEnglishUS), _T("3/5/2024 2:08:09 PM")), ROW(dt.Format(VAR_DATEVALUEONLY, kEnglishUS), _T("3/5/2024")),
                         ROW(dt.Format(VAR_TIMEVALUEONLY, kEnglishUS), _T("2:08:09 PM")),
                         ROW(COleDateTime(2024, 3, 5, 0, 0, 0).Format(0, kEnglishUS), _T("3/5/2024")),
                         ROW(COleDateTime(1899, 12, 30, 9, 30, 0).Format(0, kEnglishUS), _T("9:30:00 AM"))});
    // clang-format on
    EXPECT_NE(dt.Format().Find(_T("2024")), -1);  // the user's locale
}

TEST(COleDateTimeParse, IsoFormsTimeAloneFlagsAndLocaleFormsAndNonDatesFailAndInvalidate) {
    auto Parsed = [](LPCTSTR lpszText, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) {
        COleDateTime dt;
        return dt.ParseDateTime(lpszText, dwFlags, lcid) ? Iso(dt) : CString(_T("<fails>"));
    };
    // clang-format off
    ExpectRows<CString>({ROW(Parsed(_T("2024-03-05 07:08:09")), _T("2024-03-05 07:08:09")), ROW(Parsed(_T("2024/12/31")), _T("2024-12-31 00:00:00")),
                         ROW(Parsed(_T(" 1850-06-01T23:15 ")), _T("1850-06-01 23:15:00")), ROW(Parsed(_T("07:30")), _T("1899-12-30 07:30:00")),
                         // Flags keep only the date or the time; locale forms go to the system parser.
                         ROW(Parsed(_T("2024-03-05 07:08:09"), VAR_DATEVALUEONLY), _T("2024-03-05 00:00:00")),
                         ROW(Parsed(_T("1850-06-01 18:00:00"), VAR_TIMEVALUEONLY), _T("1899-12-30 18:00:00")),
                         ROW(Parsed(_T("3/5/2024 2:08:09 PM"), 0, kEnglishUS), _T("2024-03-05 14:08:09"))});
    // clang-format on
    COleDateTime dt(2024, 1, 1, 0, 0, 0);
    EXPECT_FALSE(dt.ParseDateTime(_T("2024-02-30")));
    EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid);
    EXPECT_FALSE(dt.ParseDateTime(_T("hello")));
    EXPECT_FALSE(dt.ParseDateTime(_T("")));
    EXPECT_FALSE(dt.ParseDateTime(nullptr));
}

// ---- Spans ----

TEST(COleDateTimeSpanParts, TotalsPartsCarryArithmeticComparisonAndFormat) {
    const COleDateTimeSpan parts(3, 1, 5, 12);
    EXPECT_EQ(SpanParts(parts), (std::vector<double>{3, 73, 4385, 263112, 3, 1, 5, 12}));
    EXPECT_EQ(SpanParts(-parts), (std::vector<double>{-3, -73, -4385, -263112, -3, -1, -5, -12}));
    // Overflowing parts carry.
    const COleDateTimeSpan carried(0, 25, 61, 3661);
    EXPECT_EQ(SpanParts(carried), (std::vector<double>{1, 27, 1622, 97321, 1, 3, 2, 1}));
    EXPECT_EQ(carried, COleDateTimeSpan(1, 3, 2, 1));
    COleDateTimeSpan span(1, 12, 0, 0);
    span += COleDateTimeSpan(0, 12, 0, 0);
    EXPECT_EQ(span, COleDateTimeSpan(2.0));
    span -= COleDateTimeSpan(0, 0, 0, 1);
    EXPECT_LT(span, COleDateTimeSpan(2.0));
    EXPECT_GT(span, COleDateTimeSpan(1, 23, 59, 58));
    EXPECT_EQ(COleDateTimeSpan(0, 6, 0, 0) * 4, COleDateTimeSpan(1.0));
    EXPECT_EQ(COleDateTimeSpan(1.0) / 24, COleDateTimeSpan(0, 1, 0, 0));
    EXPECT_EQ((COleDateTimeSpan(1.0) / 0).GetStatus(), COleDateTimeSpan::invalid);
    span.SetDateTimeSpan(0, 0, 90, 0);
    EXPECT_EQ(span.GetTotalMinutes(), 90.0);
    COleDateTimeSpan bad;
    bad.SetStatus(COleDateTimeSpan::invalid);
    EXPECT_FALSE(bad < span);
    EXPECT_FALSE(span < bad);
    EXPECT_NE(bad, span);
    EXPECT_EQ(COleDateTimeSpan(3, 1, 5, 12).Format(_T("%D天 %H:%M:%S %%")), _T("3天 01:05:12 %"));
}
