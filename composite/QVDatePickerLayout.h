// The date picker's calendar arithmetic and geometry: month lengths, weekdays, the month grid, the
// navigation steps, the day cells' states and the popup's place on the screen. No window, no DC.
#pragma once

#include "RIZuruzezuDef.h"

namespace qvdate {

// The years the calendar shows.
constexpr int kMinYear = 1900;
constexpr int kMaxYear = 2099;

// The popup's size and its parts.
constexpr int kPopupWidth = 172;
constexpr int kPopupHeight = 170;
constexpr int kNavSize = 20;  // the navigation buttons are square
constexpr int kCellWidth = 24;
constexpr int kCellHeight = 18;
constexpr int kDayCells = 43;

// Item ids: the five buttons, the weekday headers (Sunday ... Saturday) and the day cells.
enum ItemId {
    ID_PREV_YEAR = 1000,
    ID_NEXT_YEAR = 1001,
    ID_PREV_MONTH = 1002,
    ID_NEXT_MONTH = 1003,
    ID_CLOSE = 1004,
    ID_FIRST_WEEKDAY = 1,
    ID_FIRST_DAY_CELL = 100,
    ID_LAST_DAY_CELL = ID_FIRST_DAY_CELL + kDayCells - 1,
};

struct YearMonth {
    int nYear;
    int nMonth;
};

// 28 ... 31 for a month of the Gregorian calendar; 0 for a month outside 1 ... 12.
RIZ_API int DaysInMonth(int nYear, int nMonth);
// TRUE for a date that exists and lies in kMinYear ... kMaxYear.
RIZ_API BOOL IsShownDate(int nYear, int nMonth, int nDay);
// 1 = Sunday ... 7 = Saturday, for any existing date of the Gregorian calendar (0 for none).
RIZ_API int DayOfWeek(int nYear, int nMonth, int nDay);
// The id of the day cell that holds the 1st of the month: 100 for a month starting on a Sunday.
RIZ_API int FirstDayCellId(int nYear, int nMonth);
// The day a cell shows (1 ... days in month), or 0 when the cell is hidden in that month.
RIZ_API int DayOfCell(int nCellId, int nFirstDayCellId, int nDaysInMonth);

// The month a navigation button leads to from the shown month. FALSE (and no step) for another id, a
// month before January or after December (no wrap into the neighbouring year) or a year outside
// kMinYear ... kMaxYear.
RIZ_API BOOL NavigationTarget(int nId, YearMonth shown, YearMonth* pTarget);

// The state of a day cell that shows a date, as the month is filled.
struct DayCellState {
    BOOL bToday;
    BOOL bPressed;  // common mode marks the selected date
    BOOL bEnabled;  // common mode: every day; otherwise only the days the owner enables
};
RIZ_API DayCellState DayCellFor(BOOL bCommonMode, const int date[3], const int today[3],
                                const int selected[3]);

// The popup's strips: R is the client rectangle shrunk by 2 on every side.
struct PickerRects {
    CRect rcHeader;   // the header text and the navigation buttons
    CRect rcWeekday;  // the weekday row's background
    CRect rcBottom;   // the bottom strip, also the tip's rectangle
    CRect rcGrid;     // the weekday headers and the day cells flow from its top-left corner
};
RIZ_API PickerRects LayoutPicker(const CRect& rcClient);
// The rectangle of a navigation button in the header strip; empty for another id.
RIZ_API CRect NavButtonRect(const CRect& rcHeader, int nId);
// The rectangle of the n-th grid cell (0 ... 6 the weekday headers, then the day cells): 24 x 18
// cells, left to right, a new row when a cell would end beyond the grid's right edge.
RIZ_API CRect GridCellRect(const CRect& rcGrid, int nIndex);
// The column a grid cell counts as (0 Sunday ... 6 Saturday) and its text colour: red for the weekend.
inline int GridColumn(int nIndex) {
    return nIndex % 7;
}
RIZ_API COLORREF GridTextColour(int nIndex);

// Where a popup of size (cx, cy) goes for the button's screen rectangle and the align value (0 below,
// left edges; 1 above, left edges; 2 below, right edges; 3 above, right edges), then kept on a screen
// of cxScreen x cyScreen: a negative left or top becomes 0, a far edge beyond the screen is moved back.
RIZ_API CPoint PickerPosition(const CRect& rcButton, int nAlign, CSize size, int cxScreen, int cyScreen);

}  // namespace qvdate
