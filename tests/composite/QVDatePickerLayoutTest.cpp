// The date picker's calendar and geometry without a window: month lengths, weekdays and the first cell,
// the steps of the navigation buttons, the strips, the grid and the popup's place.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "ExpectRows.h"
#include "QVDatePickerLayout.h"

namespace {

using namespace qvdate;
using riztest::ExpectRows;

TEST(QVDatePickerLayout, MonthLengthsFollowTheGregorianRule) {
    ExpectRows<int>({
        ROW(DaysInMonth(2000, 2), 29),
        ROW(DaysInMonth(1900, 2), 28),
        ROW(DaysInMonth(2100, 2), 28),
        ROW(DaysInMonth(2024, 2), 29),
        ROW(DaysInMonth(2023, 2), 28),
        ROW(DaysInMonth(2026, 1), 31),
        ROW(DaysInMonth(2026, 4), 30),
        ROW(DaysInMonth(2026, 7), 31),
        ROW(DaysInMonth(2026, 8), 31),
        ROW(DaysInMonth(2026, 9), 30),
        ROW(DaysInMonth(2026, 12), 31),
        ROW(DaysInMonth(2026, 0), 0),
        ROW(DaysInMonth(2026, 13), 0),
        ROW(DaysInMonth(2026, -1), 0),
        // Only existing dates inside the calendar's years are shown.
        ROW(IsShownDate(1900, 1, 1), TRUE),
        ROW(IsShownDate(2099, 12, 31), TRUE),
        ROW(IsShownDate(2100, 1, 1), FALSE),
        ROW(IsShownDate(1899, 12, 31), FALSE),
        ROW(IsShownDate(2026, 2, 30), FALSE),
        ROW(IsShownDate(2026, 2, 0), FALSE),
        ROW(IsShownDate(2024, 2, 29), TRUE),
        ROW(IsShownDate(2026, 13, 1), FALSE),
    });
}

TEST(QVDatePickerLayout, WeekdaysAndTheCellOfTheFirst) {
    ExpectRows<int>({
        ROW(DayOfWeek(1900, 1, 1), 2),    // a Monday
        ROW(DayOfWeek(2000, 1, 1), 7),    // a Saturday
        ROW(DayOfWeek(2000, 2, 29), 3),   // a Tuesday
        ROW(DayOfWeek(2026, 12, 7), 2),   // a Monday
        ROW(DayOfWeek(2099, 12, 31), 5),  // a Thursday
        ROW(DayOfWeek(2026, 2, 30), 0),
        // Months starting on a Sunday put the 1st in cell 100, on a Saturday in cell 106.
        ROW(FirstDayCellId(2026, 2), 100),
        ROW(FirstDayCellId(2026, 8), 106),
        ROW(FirstDayCellId(2000, 1), 106),
        ROW(FirstDayCellId(1900, 1), 101),
        // A cell shows a day only between the 1st and the month's last day.
        ROW(DayOfCell(99, 100, 28), 0),
        ROW(DayOfCell(100, 100, 28), 1),
        ROW(DayOfCell(127, 100, 28), 28),
        ROW(DayOfCell(128, 100, 28), 0),
        ROW(DayOfCell(105, 106, 31), 0),
        ROW(DayOfCell(136, 106, 31), 31),
        ROW(DayOfCell(142, 112, 31), 31),
        ROW(DayOfCell(143, 112, 31), 0),
    });
}

TEST(QVDatePickerLayout, NavigationStopsAtTheEndsOfTheYearAndTheCalendar) {
    struct Case {
        int nId;
        YearMonth from;
        BOOL bStep;
        YearMonth to;
    } const cases[] = {
        {ID_PREV_MONTH, {2026, 5}, TRUE, {2026, 4}},   {ID_NEXT_MONTH, {2026, 5}, TRUE, {2026, 6}},
        {ID_PREV_MONTH, {2026, 1}, FALSE, {}},         {ID_NEXT_MONTH, {2026, 12}, FALSE, {}},
        {ID_PREV_YEAR, {2026, 3}, TRUE, {2025, 3}},    {ID_NEXT_YEAR, {2026, 3}, TRUE, {2027, 3}},
        {ID_PREV_YEAR, {1900, 6}, FALSE, {}},          {ID_NEXT_YEAR, {2099, 6}, FALSE, {}},
        {ID_PREV_MONTH, {1900, 12}, TRUE, {1900, 11}}, {ID_CLOSE, {2026, 5}, FALSE, {}},
        {ID_FIRST_DAY_CELL, {2026, 5}, FALSE, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.nId << " from " << c.from.nYear << "-" << c.from.nMonth);
        YearMonth target = {-1, -1};
        EXPECT_EQ(c.bStep, NavigationTarget(c.nId, c.from, &target));
        EXPECT_EQ(c.bStep ? c.to.nYear : -1, target.nYear);
        EXPECT_EQ(c.bStep ? c.to.nMonth : -1, target.nMonth);
    }
}

TEST(QVDatePickerLayout, StripsButtonsAndGridOfThePopup) {
    const PickerRects rects = LayoutPicker(CRect(0, 0, kPopupWidth, kPopupHeight));
    const CRect& header = rects.rcHeader;
    const CRect& grid = rects.rcGrid;
    ExpectRows<CRect>({
        ROW(rects.rcHeader, CRect(2, 2, 170, 22)), ROW(rects.rcWeekday, CRect(2, 22, 170, 40)),
        ROW(rects.rcBottom, CRect(2, 148, 170, 168)), ROW(rects.rcGrid, CRect(2, 22, 170, 148)),
        ROW(NavButtonRect(header, ID_PREV_YEAR), CRect(2, 2, 22, 22)),
        ROW(NavButtonRect(header, ID_PREV_MONTH), CRect(24, 2, 44, 22)),
        ROW(NavButtonRect(header, ID_CLOSE), CRect(150, 2, 170, 22)),
        ROW(NavButtonRect(header, ID_NEXT_YEAR), CRect(128, 2, 148, 22)),
        ROW(NavButtonRect(header, ID_NEXT_MONTH), CRect(106, 2, 126, 22)),
        // Seven cells a row: the headers fill the first, the day cells follow below.
        ROW(GridCellRect(grid, 0), CRect(2, 22, 26, 40)), ROW(GridCellRect(grid, 6), CRect(146, 22, 170, 40)),
        ROW(GridCellRect(grid, 7), CRect(2, 40, 26, 58)),
        ROW(GridCellRect(grid, 48), CRect(146, 130, 170, 148)),
        ROW(GridCellRect(grid, 49), CRect(2, 148, 26, 166)),  // the 43rd day cell, never used
    });
}

TEST(QVDatePickerLayout, PopupPlacesBesideTheButtonAndStaysOnTheScreen) {
    const CSize size(kPopupWidth, kPopupHeight);
    const CRect button(300, 400, 400, 424);
    ExpectRows<CPoint>({
        ROW(PickerPosition(button, 0, size, 1024, 768), CPoint(300, 424)),
        ROW(PickerPosition(button, 1, size, 1024, 768), CPoint(300, 230)),
        ROW(PickerPosition(button, 2, size, 1024, 768), CPoint(228, 424)),
        ROW(PickerPosition(button, 3, size, 1024, 768), CPoint(228, 230)),
        // Near the bottom-right corner, near the top-left corner, off both edges.
        ROW(PickerPosition(CRect(950, 740, 1020, 760), 0, size, 1024, 768), CPoint(852, 598)),
        ROW(PickerPosition(CRect(10, 20, 100, 44), 3, size, 1024, 768), CPoint(0, 0)),
        ROW(PickerPosition(CRect(-50, -80, 20, -60), 0, size, 1024, 768), CPoint(0, 0)),
    });
}

}  // namespace
