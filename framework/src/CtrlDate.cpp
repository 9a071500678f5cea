// Date-time pickers and month calendars: creation and the conversions between COleDateTime and the
// SYSTEMTIME values the controls exchange.
#include <afxdtctl.h>

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CMonthCalCtrl, CWnd)

// Registers the common control classes of dwICC once per process (CtrlCommon.cpp).
BOOL AFXAPI AfxInitCommonControlClasses(DWORD dwICC);

namespace {

// A valid date as SYSTEMTIME; FALSE for a null or invalid one.
BOOL ToSystemTime(const COleDateTime& date, SYSTEMTIME& st) {
    ::ZeroMemory(&st, sizeof(st));
    return date.GetStatus() == COleDateTime::valid && date.GetAsSystemTime(st);
}

// The calendars answer days; the time fields they leave behind are not part of the date.
COleDateTime DayOf(const SYSTEMTIME& st) {
    return COleDateTime(st.wYear, st.wMonth, st.wDay, 0, 0, 0);
}

// SetRange of both controls: a NULL or invalid bound stays open.
BOOL SetRangeOf(HWND hWnd, UINT message, UINT flagMin, UINT flagMax, const COleDateTime* pMinRange,
                const COleDateTime* pMaxRange) {
    SYSTEMTIME st[2] = {};
    WPARAM flags = 0;
    if (pMinRange && ToSystemTime(*pMinRange, st[0])) flags |= flagMin;
    if (pMaxRange && ToSystemTime(*pMaxRange, st[1])) flags |= flagMax;
    return static_cast<BOOL>(::SendMessage(hWnd, message, flags, reinterpret_cast<LPARAM>(st)));
}

// GetRange of both controls: a bound that is not set comes back null.
DWORD GetRangeOf(HWND hWnd, UINT message, UINT flagMin, UINT flagMax, COleDateTime* pMinRange,
                 COleDateTime* pMaxRange) {
    SYSTEMTIME st[2] = {};
    const DWORD flags = static_cast<DWORD>(::SendMessage(hWnd, message, 0, reinterpret_cast<LPARAM>(st)));
    if (pMinRange) {
        if (flags & flagMin)
            *pMinRange = COleDateTime(st[0]);
        else
            pMinRange->SetStatus(COleDateTime::null);
    }
    if (pMaxRange) {
        if (flags & flagMax)
            *pMaxRange = COleDateTime(st[1]);
        else
            pMaxRange->SetStatus(COleDateTime::null);
    }
    return flags;
}

}  // namespace

// ---- CDateTimeCtrl ----

CDateTimeCtrl::~CDateTimeCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_DATE_CLASSES);
    return CWnd::Create(DATETIMEPICK_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const {
    SYSTEMTIME st = {};
    switch (GetTime(&st)) {
    case GDT_VALID:
        timeDest = COleDateTime(st);
        return TRUE;
    case GDT_NONE:
        timeDest.SetStatus(COleDateTime::null);
        return TRUE;
    default:
        timeDest.SetStatus(COleDateTime::invalid);
        return FALSE;
    }
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew) {
    SYSTEMTIME st;
    const WPARAM flag = ToSystemTime(timeNew, st) ? GDT_VALID : GDT_NONE;
    return static_cast<BOOL>(::SendMessage(m_hWnd, DTM_SETSYSTEMTIME, flag, reinterpret_cast<LPARAM>(&st)));
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew) {
    return static_cast<BOOL>(::SendMessage(m_hWnd, DTM_SETSYSTEMTIME, pTimeNew ? GDT_VALID : GDT_NONE,
                                           reinterpret_cast<LPARAM>(pTimeNew)));
}

BOOL CDateTimeCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange) {
    return SetRangeOf(m_hWnd, DTM_SETRANGE, GDTR_MIN, GDTR_MAX, pMinRange, pMaxRange);
}

DWORD CDateTimeCtrl::GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const {
    return GetRangeOf(m_hWnd, DTM_GETRANGE, GDTR_MIN, GDTR_MAX, pMinRange, pMaxRange);
}

CMonthCalCtrl* CDateTimeCtrl::GetMonthCalCtrl() const {
    // The wrapper adds no data to CWnd, so a temporary window object serves as a calendar object.
    return static_cast<CMonthCalCtrl*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, DTM_GETMONTHCAL, 0, 0))));
}

CFont* CDateTimeCtrl::GetMonthCalFont() const {
    const HFONT hFont = reinterpret_cast<HFONT>(::SendMessage(m_hWnd, DTM_GETMCFONT, 0, 0));
    return hFont ? CFont::FromHandle(hFont) : nullptr;
}

// ---- CMonthCalCtrl ----

CMonthCalCtrl::~CMonthCalCtrl() {
    if (m_hWnd) DestroyWindow();
}

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControlClasses(ICC_DATE_CLASSES);
    return CWnd::Create(MONTHCAL_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID) {
    // Created hidden at no size, sized to one month, then shown when the caller asked for it.
    const BOOL bVisible = (dwStyle & WS_VISIBLE) != 0;
    const RECT rect = {pt.x, pt.y, pt.x, pt.y};
    if (!Create(dwStyle & ~WS_VISIBLE, rect, pParentWnd, nID)) return FALSE;
    if (!SizeMinReq()) {
        DestroyWindow();
        return FALSE;
    }
    if (bVisible) ::ShowWindow(m_hWnd, SW_SHOWNA);
    return TRUE;
}

BOOL CMonthCalCtrl::SizeMinReq(BOOL bRepaint) {
    RECT rect = {};
    if (!GetMinReqRect(&rect)) return FALSE;
    return ::SetWindowPos(m_hWnd, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                          SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

BOOL CMonthCalCtrl::GetCurSel(COleDateTime& refDateTime) const {
    SYSTEMTIME st = {};
    if (!GetCurSel(&st)) return FALSE;
    refDateTime = DayOf(st);
    return TRUE;
}

BOOL CMonthCalCtrl::SetCurSel(const COleDateTime& refDateTime) {
    SYSTEMTIME st;
    if (!ToSystemTime(refDateTime, st)) return FALSE;
    return SetCurSel(&st);
}

BOOL CMonthCalCtrl::GetSelRange(COleDateTime& refMinRange, COleDateTime& refMaxRange) const {
    SYSTEMTIME st[2] = {};
    if (!::SendMessage(m_hWnd, MCM_GETSELRANGE, 0, reinterpret_cast<LPARAM>(st))) return FALSE;
    refMinRange = DayOf(st[0]);
    refMaxRange = DayOf(st[1]);
    return TRUE;
}

BOOL CMonthCalCtrl::SetSelRange(const COleDateTime& pMinRange, const COleDateTime& pMaxRange) {
    SYSTEMTIME st[2];
    if (!ToSystemTime(pMinRange, st[0]) || !ToSystemTime(pMaxRange, st[1])) return FALSE;
    return static_cast<BOOL>(::SendMessage(m_hWnd, MCM_SETSELRANGE, 0, reinterpret_cast<LPARAM>(st)));
}

BOOL CMonthCalCtrl::GetToday(COleDateTime& refDateTime) const {
    SYSTEMTIME st = {};
    if (!GetToday(&st)) return FALSE;
    refDateTime = DayOf(st);
    return TRUE;
}

void CMonthCalCtrl::SetToday(const COleDateTime& refDateTime) {
    SYSTEMTIME st;
    // A date that is not valid returns the calendar to the system's today.
    const BOOL bValid = ToSystemTime(refDateTime, st);
    ::SendMessage(m_hWnd, MCM_SETTODAY, 0, bValid ? reinterpret_cast<LPARAM>(&st) : 0);
}

BOOL CMonthCalCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange) {
    return SetRangeOf(m_hWnd, MCM_SETRANGE, GDTR_MIN, GDTR_MAX, pMinRange, pMaxRange);
}

DWORD CMonthCalCtrl::GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const {
    return GetRangeOf(m_hWnd, MCM_GETRANGE, GDTR_MIN, GDTR_MAX, pMinRange, pMaxRange);
}

BOOL CMonthCalCtrl::SetRange(const LPSYSTEMTIME pMinRange, const LPSYSTEMTIME pMaxRange) {
    SYSTEMTIME st[2] = {};
    WPARAM flags = 0;
    if (pMinRange) {
        st[0] = *pMinRange;
        flags |= GDTR_MIN;
    }
    if (pMaxRange) {
        st[1] = *pMaxRange;
        flags |= GDTR_MAX;
    }
    return static_cast<BOOL>(::SendMessage(m_hWnd, MCM_SETRANGE, flags, reinterpret_cast<LPARAM>(st)));
}

DWORD CMonthCalCtrl::GetRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange) const {
    SYSTEMTIME st[2] = {};
    const DWORD flags =
        static_cast<DWORD>(::SendMessage(m_hWnd, MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(st)));
    if (pMinRange) *pMinRange = st[0];
    if (pMaxRange) *pMaxRange = st[1];
    return flags;
}

int CMonthCalCtrl::GetMonthRange(COleDateTime& refMinRange, COleDateTime& refMaxRange, DWORD dwFlags) const {
    SYSTEMTIME st[2] = {};
    const int nCount = GetMonthRange(&st[0], &st[1], dwFlags);
    refMinRange = DayOf(st[0]);
    refMaxRange = DayOf(st[1]);
    return nCount;
}

int CMonthCalCtrl::GetMonthRange(LPSYSTEMTIME pMinRange, LPSYSTEMTIME pMaxRange, DWORD dwFlags) const {
    SYSTEMTIME st[2] = {};
    const int nCount =
        static_cast<int>(::SendMessage(m_hWnd, MCM_GETMONTHRANGE, dwFlags, reinterpret_cast<LPARAM>(st)));
    if (pMinRange) *pMinRange = st[0];
    if (pMaxRange) *pMaxRange = st[1];
    return nCount;
}

BOOL CMonthCalCtrl::SetFirstDayOfWeek(int iDay, int* lpnOld) {
    const DWORD dw = static_cast<DWORD>(::SendMessage(m_hWnd, MCM_SETFIRSTDAYOFWEEK, 0, iDay));
    if (lpnOld) *lpnOld = static_cast<int>(LOWORD(dw));
    return HIWORD(dw) != 0;
}

int CMonthCalCtrl::GetFirstDayOfWeek(BOOL* pbLocal) const {
    const DWORD dw = static_cast<DWORD>(::SendMessage(m_hWnd, MCM_GETFIRSTDAYOFWEEK, 0, 0));
    if (pbLocal) *pbLocal = HIWORD(dw) != 0;
    return static_cast<int>(LOWORD(dw));
}
