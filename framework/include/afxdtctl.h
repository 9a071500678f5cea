// Date and time controls: the date-time picker and the month calendar.
#pragma once

#include "afxwin.h"
#include "afxdisp.h"

class CMonthCalCtrl;

// A date-time picker: a field showing a date or time, with an up-down control (DTS_UPDOWN) or a
// drop-down month calendar. With DTS_SHOWNONE the field may hold no date at all.
class AFX_CORE_API CDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl() = default;
    ~CDateTimeCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // A null result (status COleDateTime::null) means the field holds no date; FALSE when the control
    // answers neither a date nor "none".
    BOOL GetTime(COleDateTime& timeDest) const;
    // GDT_VALID, GDT_NONE or GDT_ERROR.
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const {
        return static_cast<DWORD>(
            ::SendMessage(m_hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTimeDest)));
    }
    // A date that is not valid (or a NULL pointer) clears the field, which only DTS_SHOWNONE allows.
    BOOL SetTime(const COleDateTime& timeNew);
    BOOL SetTime(LPSYSTEMTIME pTimeNew = nullptr);

    // Bounds of the dates the user may pick; a NULL or invalid bound leaves that side open. GetRange
    // answers GDTR_MIN | GDTR_MAX for the bounds that are set (an open bound comes back null).
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    DWORD GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const;

    // A format string such as "yyyy'-'MM'-'dd"; NULL returns to the style's default format.
    BOOL SetFormat(LPCTSTR pstrFormat) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, DTM_SETFORMAT, 0, reinterpret_cast<LPARAM>(pstrFormat)));
    }

    // The drop-down calendar: its colours (MCSC_*) and font, and the calendar window while it is open
    // (a temporary object, NULL when closed).
    COLORREF GetMonthCalColor(int iColor) const {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, DTM_GETMCCOLOR, iColor, 0));
    }
    COLORREF SetMonthCalColor(int iColor, COLORREF ref) {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, DTM_SETMCCOLOR, iColor, ref));
    }
    CMonthCalCtrl* GetMonthCalCtrl() const;
    CFont* GetMonthCalFont() const;
    void SetMonthCalFont(HFONT hFont, BOOL bRedraw = TRUE) {
        ::SendMessage(m_hWnd, DTM_SETMCFONT, reinterpret_cast<WPARAM>(hFont), MAKELPARAM(bRedraw, 0));
    }
    DWORD SetMonthCalStyle(DWORD dwStyle) {
        return static_cast<DWORD>(::SendMessage(m_hWnd, DTM_SETMCSTYLE, 0, dwStyle));
    }
    void CloseMonthCal() { ::SendMessage(m_hWnd, DTM_CLOSEMONTHCAL, 0, 0); }
};

// A month calendar.
class AFX_CORE_API CMonthCalCtrl : public CWnd {
    DECLARE_DYNAMIC(CMonthCalCtrl)
public:
    CMonthCalCtrl() = default;
    ~CMonthCalCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // At pt, with the smallest size that shows one whole month.
    virtual BOOL Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID);

    // The smallest rectangle that shows one whole month; SizeMinReq gives the window that size.
    BOOL GetMinReqRect(RECT* pRect) const {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(pRect)));
    }
    BOOL SizeMinReq(BOOL bRepaint = TRUE);

    // The selected day (single-selection calendars); the COleDateTime forms carry no time of day.
    BOOL GetCurSel(COleDateTime& refDateTime) const;
    BOOL GetCurSel(LPSYSTEMTIME pDateTime) const {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(pDateTime)));
    }
    BOOL SetCurSel(const COleDateTime& refDateTime);
    BOOL SetCurSel(const LPSYSTEMTIME pDateTime) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(pDateTime)));
    }
    // The selected days of an MCS_MULTISELECT calendar.
    BOOL GetSelRange(COleDateTime& refMinRange, COleDateTime& refMaxRange) const;
    BOOL SetSelRange(const COleDateTime& pMinRange, const COleDateTime& pMaxRange);
    int GetMaxSelCount() const { return static_cast<int>(::SendMessage(m_hWnd, MCM_GETMAXSELCOUNT, 0, 0)); }
    BOOL SetMaxSelCount(int nMax) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, MCM_SETMAXSELCOUNT, nMax, 0));
    }

    // The day shown as today.
    BOOL GetToday(COleDateTime& refDateTime) const;
    BOOL GetToday(LPSYSTEMTIME pDateTime) const {
        return static_cast<BOOL>(::SendMessage(m_hWnd, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(pDateTime)));
    }
    void SetToday(const COleDateTime& refDateTime);
    void SetToday(const LPSYSTEMTIME pDateTime) {
        ::SendMessage(m_hWnd, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(pDateTime));
    }

    // Bounds of the days the user may pick, as for the date-time picker.
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    DWORD GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const;
    BOOL SetRange(const LPSYSTEMTIME pMinRange, const LPSYSTEMTIME pMaxRange);
    DWORD GetRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const;
    // The months shown (dwFlags GMR_VISIBLE) or partly shown (GMR_DAYSTATE); answers their count.
    int GetMonthRange(COleDateTime& refMinRange, COleDateTime& refMaxRange, DWORD dwFlags) const;
    int GetMonthRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange, DWORD dwFlags) const;

    // Looks and paging.
    COLORREF GetColor(int nRegion) const {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, MCM_GETCOLOR, nRegion, 0));
    }
    COLORREF SetColor(int nRegion, COLORREF ref) {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, MCM_SETCOLOR, nRegion, ref));
    }
    // iDay: 0 Monday ... 6 Sunday. SetFirstDayOfWeek answers whether the previous first day differed from
    // the locale's and stores that day in *lpnOld; GetFirstDayOfWeek sets *pbLocal the same way.
    BOOL SetFirstDayOfWeek(int iDay, int* lpnOld = nullptr);
    int GetFirstDayOfWeek(BOOL* pbLocal = nullptr) const;
    int GetMonthDelta() const { return static_cast<int>(::SendMessage(m_hWnd, MCM_GETMONTHDELTA, 0, 0)); }
    int SetMonthDelta(int iDelta) {
        return static_cast<int>(::SendMessage(m_hWnd, MCM_SETMONTHDELTA, iDelta, 0));
    }
    BOOL SetDayState(int nMonths, LPMONTHDAYSTATE pStates) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, MCM_SETDAYSTATE, nMonths, reinterpret_cast<LPARAM>(pStates)));
    }
    DWORD GetMaxTodayWidth() const {
        return static_cast<DWORD>(::SendMessage(m_hWnd, MCM_GETMAXTODAYWIDTH, 0, 0));
    }
    // pMCHitTest->cbSize and pt are set by the caller.
    DWORD HitTest(PMCHITTESTINFO pMCHitTest) {
        return static_cast<DWORD>(
            ::SendMessage(m_hWnd, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(pMCHitTest)));
    }
};
