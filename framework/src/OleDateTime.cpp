// COleDateTime and COleDateTimeSpan: the calendar arithmetic of DATE values, formatting and parsing.
#include <afx.h>
#include <ATLComTime.h>

#include <math.h>

#include <string>

namespace {

typedef std::basic_string<TCHAR> TString;

const double kMinDate = -657434.0;  // 1 January 100
const double kMaxDate = 2958465.0;  // 31 December 9999
const long long kDate1970 = 25569;  // DATE day number of 1 January 1970
const double kMillisPerDay = 86400000.0;

// Days from 1 January 1970 to a date of the proleptic Gregorian calendar, and back.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

bool IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static const int s_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : s_days[m - 1];
}

bool IsDateInRange(double dt) {
    return dt > kMinDate - 1.0 && dt < kMaxDate + 1.0;
}

// DATE values run backwards within a day before 1899-12-30 (-1.25 is 06:00 of day -1); the linear form
// is a plain count of days (-0.75 for the same moment) in which comparison and arithmetic work.
double LinearFromDate(DATE dt) {
    if (dt >= 0) return dt;
    const double whole = ceil(dt);
    return whole - (dt - whole);
}

DATE DateFromLinear(double x) {
    if (x >= 0) return x;
    const double whole = floor(x);
    const double frac = x - whole;
    return frac == 0 ? whole : whole - frac;
}

long long MillisKey(DATE dt) {
    return llround(LinearFromDate(dt) * kMillisPerDay);
}

bool DateFromParts(int y, int mo, int d, int h, int mi, int s, DATE& dt) {
    if (y < 100 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > DaysInMonth(y, mo)) return false;
    if (h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) return false;
    const double day = static_cast<double>(
        DaysFromCivil(y, static_cast<unsigned>(mo), static_cast<unsigned>(d)) + kDate1970);
    const double time = (h * 3600 + mi * 60 + s) / 86400.0;
    dt = day >= 0 ? day + time : day - time;
    return true;
}

struct DateParts {
    int year, month, day, hour, minute, second;
    int dayOfWeek;  // 1 = Sunday
    int dayOfYear;  // 1 = 1 January
};

// Splits a DATE rounded to the nearest second; false outside the supported range.
bool PartsFromDate(DATE dt, DateParts& p) {
    if (!IsDateInRange(dt)) return false;
    const double whole = dt < 0 ? ceil(dt) : floor(dt);
    long long day = static_cast<long long>(whole);
    long long secs = llround(fabs(dt - whole) * 86400.0);
    if (secs >= 86400) {
        secs -= 86400;
        ++day;
    }
    const long long unixDay = day - kDate1970;
    CivilFromDays(unixDay, p.year, p.month, p.day);
    if (p.year > 9999) return false;
    p.hour = static_cast<int>(secs / 3600);
    p.minute = static_cast<int>(secs / 60 % 60);
    p.second = static_cast<int>(secs % 60);
    p.dayOfWeek = static_cast<int>(((unixDay + 4) % 7 + 7) % 7) + 1;  // 1 January 1970 was a Thursday
    p.dayOfYear = static_cast<int>(unixDay - DaysFromCivil(p.year, 1, 1)) + 1;
    return true;
}

TString FromWide(LPCWSTR psz, int nLen) {
#ifdef _UNICODE
    return TString(psz, static_cast<size_t>(nLen));
#else
    const int cb = ::WideCharToMultiByte(CP_ACP, 0, psz, nLen, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(cb > 0 ? cb : 0), '\0');
    if (cb > 0) ::WideCharToMultiByte(CP_ACP, 0, psz, nLen, &s[0], cb, nullptr, nullptr);
    return s;
#endif
}

std::wstring ToWide(LPCTSTR psz) {
#ifdef _UNICODE
    return std::wstring(psz);
#else
    const int cch = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    std::wstring s(static_cast<size_t>(cch > 0 ? cch : 1), L'\0');
    if (cch > 0) ::MultiByteToWideChar(CP_ACP, 0, psz, -1, &s[0], cch);
    s.resize(s.size() - 1);
    return s;
#endif
}

void AppendNumber(TString& out, long value, int nWidth, bool bPad) {
    TCHAR buf[32];
    _sntprintf(buf, _countof(buf), _T("%0*ld"), bPad ? nWidth : 1, value);
    buf[_countof(buf) - 1] = 0;
    out += buf;
}

const LPCTSTR s_dayNames[] = {_T("Sunday"),   _T("Monday"), _T("Tuesday"), _T("Wednesday"),
                              _T("Thursday"), _T("Friday"), _T("Saturday")};
const LPCTSTR s_monthNames[] = {_T("January"),   _T("February"), _T("March"),    _T("April"),
                                _T("May"),       _T("June"),     _T("July"),     _T("August"),
                                _T("September"), _T("October"),  _T("November"), _T("December")};

void FormatParts(TString& out, LPCTSTR pFormat, const DateParts& p);

// One conversion code of Format(LPCTSTR); bPad is false after '#'.
void FormatCode(TString& out, TCHAR code, bool bPad, const DateParts& p) {
    switch (code) {
    case 'a':
        out.append(s_dayNames[p.dayOfWeek - 1], 3);
        break;
    case 'A':
        out += s_dayNames[p.dayOfWeek - 1];
        break;
    case 'b':
        out.append(s_monthNames[p.month - 1], 3);
        break;
    case 'B':
        out += s_monthNames[p.month - 1];
        break;
    case 'c':
        FormatParts(out, _T("%m/%d/%y %H:%M:%S"), p);
        break;
    case 'd':
        AppendNumber(out, p.day, 2, bPad);
        break;
    case 'H':
        AppendNumber(out, p.hour, 2, bPad);
        break;
    case 'I':
        AppendNumber(out, p.hour % 12 == 0 ? 12 : p.hour % 12, 2, bPad);
        break;
    case 'j':
        AppendNumber(out, p.dayOfYear, 3, bPad);
        break;
    case 'm':
        AppendNumber(out, p.month, 2, bPad);
        break;
    case 'M':
        AppendNumber(out, p.minute, 2, bPad);
        break;
    case 'p':
        out += p.hour < 12 ? _T("AM") : _T("PM");
        break;
    case 'S':
        AppendNumber(out, p.second, 2, bPad);
        break;
    case 'U':  // week of the year, weeks starting on Sunday
        AppendNumber(out, (p.dayOfYear - 1 + 7 - (p.dayOfWeek - 1)) / 7, 2, bPad);
        break;
    case 'W':  // week of the year, weeks starting on Monday
        AppendNumber(out, (p.dayOfYear - 1 + 7 - (p.dayOfWeek + 5) % 7) / 7, 2, bPad);
        break;
    case 'w':
        AppendNumber(out, p.dayOfWeek - 1, 1, bPad);
        break;
    case 'x':
        FormatParts(out, _T("%m/%d/%y"), p);
        break;
    case 'X':
        FormatParts(out, _T("%H:%M:%S"), p);
        break;
    case 'y':
        AppendNumber(out, p.year % 100, 2, bPad);
        break;
    case 'Y':
        AppendNumber(out, p.year, 1, bPad);
        break;
    case 'z':
    case 'Z':
        break;
    case '%':
        out += _T('%');
        break;
    default:  // not a code: kept as written
        out += _T('%');
        out += code;
        break;
    }
}

void FormatParts(TString& out, LPCTSTR pFormat, const DateParts& p) {
    for (LPCTSTR s = pFormat; *s; ++s) {
        if (*s != '%') {
            out += *s;
            continue;
        }
        bool bPad = true;
        if (s[1] == '#') {
            bPad = false;
            ++s;
        }
        if (!s[1]) break;
        FormatCode(out, *++s, bPad, p);
    }
}

// Reads an unsigned number of 1 to nMaxDigits digits.
bool ReadNumber(LPCTSTR& p, int nMaxDigits, int& value) {
    int n = 0;
    value = 0;
    while (n < nMaxDigits && *p >= '0' && *p <= '9') {
        value = value * 10 + (*p++ - '0');
        ++n;
    }
    return n > 0;
}

bool ReadTime(LPCTSTR& p, int& h, int& mi, int& s) {
    s = 0;
    if (!ReadNumber(p, 2, h) || *p != ':') return false;
    ++p;
    if (!ReadNumber(p, 2, mi)) return false;
    if (*p == ':') {
        ++p;
        if (!ReadNumber(p, 2, s)) return false;
    }
    return true;
}

// "YYYY-MM-DD", "YYYY/MM/DD", optionally followed by ' ' or 'T' and a time, or "HH:MM[:SS]" alone.
bool ParseIsoForm(LPCTSTR p, DATE& dt) {
    while (*p == ' ' || *p == '\t')
        ++p;
    int y = 1899, mo = 12, d = 30, h = 0, mi = 0, s = 0;
    LPCTSTR start = p;
    int first = 0;
    if (!ReadNumber(p, 4, first)) return false;
    if (*p == ':') {
        p = start;
        if (!ReadTime(p, h, mi, s)) return false;
    } else {
        const TCHAR sep = *p;
        if (p - start != 4 || (sep != '-' && sep != '/')) return false;
        y = first;
        ++p;
        if (!ReadNumber(p, 2, mo) || *p++ != sep || !ReadNumber(p, 2, d)) return false;
        if (*p == ' ' || *p == 'T') {
            while (*p == ' ')
                ++p;
            if (*p == 'T') ++p;
            if (*p && !ReadTime(p, h, mi, s)) return false;
        }
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    return *p == 0 && DateFromParts(y, mo, d, h, mi, s, dt);
}

CString ToCString(const TString& s) {
    return CString(s.c_str(), static_cast<int>(s.size()));
}

}  // namespace

/////////////////////////////////////////////////////////////////////////////
// COleDateTimeSpan

void COleDateTimeSpan::SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) {
    m_span = lDays + nHours / 24.0 + nMins / (24.0 * 60.0) + nSecs / (24.0 * 60.0 * 60.0);
    m_status = valid;
}

COleDateTimeSpan& COleDateTimeSpan::operator=(double dblSpanSrc) {
    m_span = dblSpanSrc;
    m_status = valid;
    return *this;
}

namespace {

long long RoundedSeconds(double span) {
    return llround(span * 86400.0);
}

}  // namespace

double COleDateTimeSpan::GetTotalDays() const {
    return static_cast<double>(RoundedSeconds(m_span) / 86400);
}

double COleDateTimeSpan::GetTotalHours() const {
    return static_cast<double>(RoundedSeconds(m_span) / 3600);
}

double COleDateTimeSpan::GetTotalMinutes() const {
    return static_cast<double>(RoundedSeconds(m_span) / 60);
}

double COleDateTimeSpan::GetTotalSeconds() const {
    return static_cast<double>(RoundedSeconds(m_span));
}

LONG COleDateTimeSpan::GetDays() const {
    return static_cast<LONG>(RoundedSeconds(m_span) / 86400);
}

LONG COleDateTimeSpan::GetHours() const {
    return static_cast<LONG>(RoundedSeconds(m_span) / 3600 % 24);
}

LONG COleDateTimeSpan::GetMinutes() const {
    return static_cast<LONG>(RoundedSeconds(m_span) / 60 % 60);
}

LONG COleDateTimeSpan::GetSeconds() const {
    return static_cast<LONG>(RoundedSeconds(m_span) % 60);
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& span) const {
    if (m_status != valid || span.m_status != valid) return m_status == span.m_status;
    return llround(m_span * kMillisPerDay) == llround(span.m_span * kMillisPerDay);
}

bool COleDateTimeSpan::operator<(const COleDateTimeSpan& span) const {
    if (m_status != valid || span.m_status != valid) return false;
    return llround(m_span * kMillisPerDay) < llround(span.m_span * kMillisPerDay);
}

namespace {

// Status of a result from two operands: null wins over invalid, invalid over valid.
template <class T>
bool CombineStatus(const T& a, const T& b, T& result) {
    if (a.m_status == T::null || b.m_status == T::null) {
        result.m_status = T::null;
        return false;
    }
    if (a.m_status != T::valid || b.m_status != T::valid) {
        result.m_status = T::invalid;
        return false;
    }
    return true;
}

}  // namespace

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& span) const {
    COleDateTimeSpan result;
    if (CombineStatus(*this, span, result)) result.m_span = m_span + span.m_span;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& span) const {
    COleDateTimeSpan result;
    if (CombineStatus(*this, span, result)) result.m_span = m_span - span.m_span;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const {
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator*(double dFactor) const {
    COleDateTimeSpan result(m_span * dFactor);
    result.m_status = m_status;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator/(double dDivisor) const {
    COleDateTimeSpan result;
    result.m_status = m_status;
    if (dDivisor == 0)
        result.m_status = invalid;
    else
        result.m_span = m_span / dDivisor;
    return result;
}

CString COleDateTimeSpan::Format(LPCTSTR pFormat) const {
    if (m_status != valid || !pFormat) return CString();
    TString out;
    for (LPCTSTR s = pFormat; *s; ++s) {
        if (*s != '%' || !s[1]) {
            out += *s;
            continue;
        }
        switch (*++s) {
        case 'D':
            AppendNumber(out, GetDays(), 1, false);
            break;
        case 'H':
            AppendNumber(out, GetHours(), 2, true);
            break;
        case 'M':
            AppendNumber(out, GetMinutes(), 2, true);
            break;
        case 'S':
            AppendNumber(out, GetSeconds(), 2, true);
            break;
        case '%':
            out += _T('%');
            break;
        default:
            out += _T('%');
            out += *s;
            break;
        }
    }
    return ToCString(out);
}

/////////////////////////////////////////////////////////////////////////////
// COleDateTime

COleDateTime WINAPI COleDateTime::GetCurrentTime() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return COleDateTime(st);
}

COleDateTime::COleDateTime(WORD wDosDate, WORD wDosTime) {
    FILETIME ft;
    SYSTEMTIME st;
    if (::DosDateTimeToFileTime(wDosDate, wDosTime, &ft) && ::FileTimeToSystemTime(&ft, &st))
        *this = st;
    else
        m_status = invalid;
}

COleDateTime& COleDateTime::operator=(const VARIANT& varSrc) {
    if (varSrc.vt == VT_DATE) return *this = varSrc.date;
    if (varSrc.vt == VT_NULL || varSrc.vt == VT_EMPTY) {
        m_dt = 0;
        m_status = null;
        return *this;
    }
    VARIANT varDate;
    ::VariantInit(&varDate);
    if (SUCCEEDED(::VariantChangeType(&varDate, const_cast<VARIANT*>(&varSrc), 0, VT_DATE))) {
        *this = varDate.date;
    } else {
        m_dt = 0;
        m_status = invalid;
    }
    ::VariantClear(&varDate);
    return *this;
}

COleDateTime& COleDateTime::operator=(DATE dtSrc) {
    m_dt = dtSrc;
    m_status = IsDateInRange(dtSrc) ? valid : invalid;
    return *this;
}

COleDateTime& COleDateTime::operator=(__time64_t timeSrc) {
    // Seconds since 1970 (UTC) as a FILETIME, then into local time.
    const long long kFileTime1970 = 116444736000000000LL;
    const long long ticks = kFileTime1970 + static_cast<long long>(timeSrc) * 10000000LL;
    if (ticks < 0) {
        m_dt = 0;
        m_status = invalid;
        return *this;
    }
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return *this = ft;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc) {
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                systimeSrc.wSecond);
    return *this;
}

COleDateTime& COleDateTime::operator=(const FILETIME& filetimeSrc) {
    SYSTEMTIME stUtc, stLocal;
    if (::FileTimeToSystemTime(&filetimeSrc, &stUtc) &&
        ::SystemTimeToTzSpecificLocalTime(nullptr, &stUtc, &stLocal)) {
        *this = stLocal;
    } else {
        m_dt = 0;
        m_status = invalid;
    }
    return *this;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
    DATE dt = 0;
    if (!DateFromParts(nYear, nMonth, nDay, nHour, nMin, nSec, dt)) {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    m_dt = dt;
    m_status = valid;
    return 0;
}

#define RIZ_DATE_PART(name, field)                                                                           \
    int COleDateTime::name() const {                                                                         \
        DateParts p;                                                                                         \
        return m_status == valid && PartsFromDate(m_dt, p) ? p.field : AFX_OLE_DATETIME_ERROR;               \
    }
RIZ_DATE_PART(GetYear, year)
RIZ_DATE_PART(GetMonth, month)
RIZ_DATE_PART(GetDay, day)
RIZ_DATE_PART(GetHour, hour)
RIZ_DATE_PART(GetMinute, minute)
RIZ_DATE_PART(GetSecond, second)
RIZ_DATE_PART(GetDayOfWeek, dayOfWeek)
RIZ_DATE_PART(GetDayOfYear, dayOfYear)
#undef RIZ_DATE_PART

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const {
    DateParts p;
    if (m_status != valid || !PartsFromDate(m_dt, p)) return false;
    sysTime.wYear = static_cast<WORD>(p.year);
    sysTime.wMonth = static_cast<WORD>(p.month);
    sysTime.wDay = static_cast<WORD>(p.day);
    sysTime.wDayOfWeek = static_cast<WORD>(p.dayOfWeek - 1);
    sysTime.wHour = static_cast<WORD>(p.hour);
    sysTime.wMinute = static_cast<WORD>(p.minute);
    sysTime.wSecond = static_cast<WORD>(p.second);
    sysTime.wMilliseconds = 0;
    return true;
}

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID lcid) {
    m_dt = 0;
    m_status = invalid;
    if (!lpszDate) return false;
    DATE dt = 0;
    if (!ParseIsoForm(lpszDate, dt)) {
        std::wstring text = ToWide(lpszDate);
        if (FAILED(::VarDateFromStr(&text[0], lcid, dwFlags & ~(VAR_DATEVALUEONLY | VAR_TIMEVALUEONLY), &dt)))
            return false;
    }
    if (dwFlags & VAR_TIMEVALUEONLY) dt = fabs(dt - (dt < 0 ? ceil(dt) : floor(dt)));
    if (dwFlags & VAR_DATEVALUEONLY) dt = dt < 0 ? ceil(dt) : floor(dt);
    *this = dt;
    return m_status == valid;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const {
    if (m_status == null) return CString();
    if (m_status != valid) return CString(_T("Invalid DateTime"));
    BSTR bstr = nullptr;
    if (FAILED(::VarBstrFromDate(m_dt, lcid, dwFlags, &bstr)) || !bstr) return CString();
    const TString s = FromWide(bstr, static_cast<int>(::SysStringLen(bstr)));
    ::SysFreeString(bstr);
    return ToCString(s);
}

CString COleDateTime::Format(LPCTSTR lpszFormat) const {
    if (m_status == null) return CString();
    DateParts p;
    if (m_status != valid || !PartsFromDate(m_dt, p)) return CString(_T("Invalid DateTime"));
    TString out;
    if (lpszFormat) FormatParts(out, lpszFormat, p);
    return ToCString(out);
}

CString COleDateTime::Format(UINT nFormatID) const {
    TCHAR szFormat[256];
    if (!AfxLoadString(nFormatID, szFormat, _countof(szFormat))) return CString();
    return Format(static_cast<LPCTSTR>(szFormat));
}

bool COleDateTime::operator==(const COleDateTime& date) const {
    if (m_status != valid || date.m_status != valid) return m_status == date.m_status;
    return MillisKey(m_dt) == MillisKey(date.m_dt);
}

bool COleDateTime::operator<(const COleDateTime& date) const {
    if (m_status != valid || date.m_status != valid) return false;
    return MillisKey(m_dt) < MillisKey(date.m_dt);
}

COleDateTime COleDateTime::operator+(COleDateTimeSpan dateSpan) const {
    COleDateTime result;
    if (m_status == null || dateSpan.m_status == COleDateTimeSpan::null) {
        result.m_status = null;
    } else if (m_status != valid || dateSpan.m_status != COleDateTimeSpan::valid) {
        result.m_status = invalid;
    } else {
        result = DateFromLinear(LinearFromDate(m_dt) + dateSpan.m_span);
    }
    return result;
}

COleDateTime COleDateTime::operator-(COleDateTimeSpan dateSpan) const {
    return *this + -dateSpan;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const {
    COleDateTimeSpan result;
    if (m_status == null || date.m_status == null)
        result.m_status = COleDateTimeSpan::null;
    else if (m_status != valid || date.m_status != valid)
        result.m_status = COleDateTimeSpan::invalid;
    else
        result.m_span = LinearFromDate(m_dt) - LinearFromDate(date.m_dt);
    return result;
}
