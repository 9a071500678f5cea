#include "QVDatePickerLayout.h"

namespace qvdate {

int DaysInMonth(int nYear, int nMonth) {
    switch (nMonth) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return (nYear % 400 == 0 || (nYear % 4 == 0 && nYear % 100 != 0)) ? 29 : 28;
    default:
        return 0;
    }
}

BOOL IsShownDate(int nYear, int nMonth, int nDay) {
    return nYear >= kMinYear && nYear <= kMaxYear && nDay >= 1 && nDay <= DaysInMonth(nYear, nMonth);
}

int DayOfWeek(int nYear, int nMonth, int nDay) {
    if (nYear < 1 || nDay < 1 || nDay > DaysInMonth(nYear, nMonth)) return 0;
    // Days counted from a Sunday, with March as the first month so that the leap day ends the year.
    const int y = nMonth < 3 ? nYear - 1 : nYear;
    const int m = nMonth < 3 ? nMonth + 9 : nMonth - 3;
    const long long nDays = 365LL * y + y / 4 - y / 100 + y / 400 + (153 * m + 2) / 5 + nDay + 2;
    return static_cast<int>(nDays % 7) + 1;
}

int FirstDayCellId(int nYear, int nMonth) {
    return ID_FIRST_DAY_CELL - 1 + DayOfWeek(nYear, nMonth, 1);
}

int DayOfCell(int nCellId, int nFirstDayCellId, int nDaysInMonth) {
    if (nCellId < nFirstDayCellId || nCellId > ID_LAST_DAY_CELL) return 0;
    const int nDay = nCellId - nFirstDayCellId + 1;
    return nDay <= nDaysInMonth ? nDay : 0;
}

BOOL NavigationTarget(int nId, YearMonth shown, YearMonth* pTarget) {
    YearMonth target = shown;
    switch (nId) {
    case ID_PREV_YEAR:
        --target.nYear;
        break;
    case ID_NEXT_YEAR:
        ++target.nYear;
        break;
    case ID_PREV_MONTH:
        --target.nMonth;
        break;
    case ID_NEXT_MONTH:
        ++target.nMonth;
        break;
    default:
        return FALSE;
    }
    if (target.nYear < kMinYear || target.nYear > kMaxYear || target.nMonth < 1 || target.nMonth > 12)
        return FALSE;
    if (pTarget) *pTarget = target;
    return TRUE;
}

DayCellState DayCellFor(BOOL bCommonMode, const int date[3], const int today[3], const int selected[3]) {
    auto same = [](const int* a, const int* b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; };
    DayCellState state;
    state.bToday = same(date, today);
    state.bPressed = bCommonMode && same(date, selected);
    state.bEnabled = bCommonMode ? TRUE : FALSE;
    return state;
}

PickerRects LayoutPicker(const CRect& rcClient) {
    CRect r = rcClient;
    r.DeflateRect(2, 2);
    PickerRects rects;
    rects.rcHeader = CRect(r.left, r.top, r.right, r.top + 20);
    rects.rcWeekday = CRect(r.left, r.top + 20, r.right, r.top + 38);
    rects.rcBottom = CRect(r.left, r.bottom - 20, r.right, r.bottom);
    rects.rcGrid = CRect(r.left, r.top + 20, r.right, r.bottom - 20);
    return rects;
}

CRect NavButtonRect(const CRect& rcHeader, int nId) {
    // Previous year and month on the left; close on the right, next year and next month before it.
    int x;
    switch (nId) {
    case ID_PREV_YEAR:
        x = rcHeader.left;
        break;
    case ID_PREV_MONTH:
        x = rcHeader.left + kNavSize + 2;
        break;
    case ID_CLOSE:
        x = rcHeader.right - kNavSize;
        break;
    case ID_NEXT_YEAR:
        x = rcHeader.right - kNavSize - 22;
        break;
    case ID_NEXT_MONTH:
        x = rcHeader.right - kNavSize - 44;
        break;
    default:
        return CRect(0, 0, 0, 0);
    }
    return CRect(x, rcHeader.top, x + kNavSize, rcHeader.top + kNavSize);
}

CRect GridCellRect(const CRect& rcGrid, int nIndex) {
    // A grid narrower than one cell still holds one cell a row.
    int nPerRow = rcGrid.Width() / kCellWidth;
    if (nPerRow < 1) nPerRow = 1;
    const int x = rcGrid.left + (nIndex % nPerRow) * kCellWidth;
    const int y = rcGrid.top + (nIndex / nPerRow) * kCellHeight;
    return CRect(x, y, x + kCellWidth, y + kCellHeight);
}

COLORREF GridTextColour(int nIndex) {
    const int nColumn = GridColumn(nIndex);
    return nColumn == 0 || nColumn == 6 ? RGB(255, 128, 128) : RGB(64, 64, 64);
}

CPoint PickerPosition(const CRect& rcButton, int nAlign, CSize size, int cxScreen, int cyScreen) {
    const bool bAbove = nAlign == 1 || nAlign == 3;
    const bool bRight = nAlign == 2 || nAlign == 3;
    CPoint pt(bRight ? rcButton.right - size.cx : rcButton.left,
              bAbove ? rcButton.top - size.cy : rcButton.bottom);
    if (pt.x < 0) pt.x = 0;
    if (pt.y < 0) pt.y = 0;
    if (pt.x + size.cx > cxScreen) pt.x = cxScreen - size.cx;
    if (pt.y + size.cy > cyScreen) pt.y = cyScreen - size.cy;
    return pt;
}

}  // namespace qvdate
