// Dates and times as automation DATE values (days since 30 December 1899, time of day as the fraction)
// and the spans between them.
#pragma once

#include "afxver_.h"
#include "afxstr.h"

#include <oleauto.h>
#include <time.h>

// The system headers define GetCurrentTime() as a macro for GetTickCount(); the member below needs the
// name.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

#define AFX_OLE_DATETIME_ERROR (-1)
#define AFX_OLE_DATETIME_HALFSECOND (1.0 / (2.0 * (60.0 * 60.0 * 24.0)))

// A signed length of time in days (fractions are parts of a day), with a validity status.
class AFX_CORE_API COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() = default;
    COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc) {}
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) {
        SetDateTimeSpan(lDays, nHours, nMins, nSecs);
    }

    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    DateTimeSpanStatus GetStatus() const { return m_status; }

    // Whole units in the span, rounded to the nearest second first (negative for negative spans).
    double GetTotalDays() const;
    double GetTotalHours() const;
    double GetTotalMinutes() const;
    double GetTotalSeconds() const;
    // The parts of "d days, h:m:s": days, then hours 0-23, minutes and seconds 0-59 (negated for negative
    // spans).
    LONG GetDays() const;
    LONG GetHours() const;
    LONG GetMinutes() const;
    LONG GetSeconds() const;

    COleDateTimeSpan& operator=(double dblSpanSrc);
    operator double() const { return m_span; }

    // Spans are equal when they agree to the millisecond; an invalid or null span equals only a span of
    // the same status and is neither smaller nor greater than anything.
    bool operator==(const COleDateTimeSpan& span) const;
    bool operator!=(const COleDateTimeSpan& span) const { return !(*this == span); }
    bool operator<(const COleDateTimeSpan& span) const;
    bool operator>(const COleDateTimeSpan& span) const { return span < *this; }
    bool operator<=(const COleDateTimeSpan& span) const { return *this < span || *this == span; }
    bool operator>=(const COleDateTimeSpan& span) const { return span < *this || *this == span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& span) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& span) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }
    COleDateTimeSpan operator-() const;
    COleDateTimeSpan operator*(double dFactor) const;
    COleDateTimeSpan operator/(double dDivisor) const;
    // Integer factors pick these rather than the built-in operators through operator double.
    COleDateTimeSpan operator*(int nFactor) const { return *this * static_cast<double>(nFactor); }
    COleDateTimeSpan operator/(int nDivisor) const { return *this / static_cast<double>(nDivisor); }
    COleDateTimeSpan& operator*=(double dFactor) { return *this = *this * dFactor; }
    COleDateTimeSpan& operator/=(double dDivisor) { return *this = *this / dDivisor; }

    // %D days, %H hours, %M minutes, %S seconds, %% a percent sign.
    CString Format(LPCTSTR pFormat) const;

    double m_span = 0;
    DateTimeSpanStatus m_status = valid;
};

// A date and time from 1 January 100 to 31 December 9999 to the second. Before 30 December 1899 the
// DATE value is negative in its day part only: -1.25 is 29 December 1899, 06:00.
class AFX_CORE_API COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    // The local date and time now.
    static COleDateTime WINAPI GetCurrentTime();

    COleDateTime() = default;
    COleDateTime(const VARIANT& varSrc) { *this = varSrc; }
    COleDateTime(DATE dtSrc) { *this = dtSrc; }
    // A time_t (UTC seconds since 1970) as local time.
    COleDateTime(__time64_t timeSrc) { *this = timeSrc; }
    COleDateTime(const SYSTEMTIME& systimeSrc) { *this = systimeSrc; }
    // A FILETIME (UTC) as local time.
    COleDateTime(const FILETIME& filetimeSrc) { *this = filetimeSrc; }
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
        SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
    }
    COleDateTime(WORD wDosDate, WORD wDosTime);

    COleDateTime& operator=(const VARIANT& varSrc);
    COleDateTime& operator=(DATE dtSrc);
    COleDateTime& operator=(__time64_t timeSrc);
    COleDateTime& operator=(const SYSTEMTIME& systimeSrc);
    COleDateTime& operator=(const FILETIME& filetimeSrc);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Parts of the date; AFX_OLE_DATETIME_ERROR when the object is not valid.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday ... 7 = Saturday
    int GetDayOfYear() const;  // 1 = 1 January
    bool GetAsSystemTime(SYSTEMTIME& sysTime) const;

    // 0 on success; 1 when a part is out of range (the object is then invalid).
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
    int SetTime(int nHour, int nMin, int nSec) { return SetDateTime(1899, 12, 30, nHour, nMin, nSec); }

    // Reads "YYYY-MM-DD", "YYYY/MM/DD", either followed by " HH:MM[:SS]", a time alone, or any form the
    // locale's date parser accepts; false (the object invalid) when the text is not a date.
    // dwFlags may be VAR_DATEVALUEONLY or VAR_TIMEVALUEONLY.
    bool ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    // The date in the locale's short form (the time is left out at midnight, the date on 30 December
    // 1899); dwFlags may be VAR_DATEVALUEONLY, VAR_TIMEVALUEONLY or LOCALE_NOUSEROVERRIDE.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // strftime-like codes: %Y %y %m %d %H %I %M %S %p %A %a %B %b %j %w %U %W %c %x %X %%; "%#d"
    // drops leading zeros.
    CString Format(LPCTSTR lpszFormat) const;
    CString Format(UINT nFormatID) const;

    // Dates are equal when they agree to the millisecond; an invalid or null date equals only a date of
    // the same status and is neither earlier nor later than anything.
    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const { return !(*this == date); }
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const { return date < *this; }
    bool operator<=(const COleDateTime& date) const { return *this < date || *this == date; }
    bool operator>=(const COleDateTime& date) const { return date < *this || *this == date; }

    COleDateTime operator+(COleDateTimeSpan dateSpan) const;
    COleDateTime operator-(COleDateTimeSpan dateSpan) const;
    COleDateTime& operator+=(COleDateTimeSpan dateSpan) { return *this = *this + dateSpan; }
    COleDateTime& operator-=(COleDateTimeSpan dateSpan) { return *this = *this - dateSpan; }
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    operator DATE() const { return m_dt; }

    DATE m_dt = 0;
    DateTimeStatus m_status = valid;
};
