// The word lists' arithmetic by tables: a row's score, word and text areas, the report's cells in
// header order from the scrolled left edge.
#include <gtest/gtest.h>

#include <climits>

#include "ExpectRows.h"
#include "QVWordListLayout.h"

TEST(QVWordListLayout, RowAreasFromTheMeasuredScore) {
    const CRect rcItem(0, 48, 200, 72);
    const QVWordRowLayout scored = QVLayoutWordRow(rcItem, 31);
    const QVWordRowLayout plain = QVLayoutWordRow(rcItem, 0);
    const QVWordRowLayout huge = QVLayoutWordRow(rcItem, INT_MAX);
    riztest::ExpectRows<CRect>({
        ROW(scored.rcScore, CRect(0, 48, 31, 72)),
        ROW(scored.rcWordArea, CRect(31, 48, 200, 72)),
        ROW(scored.rcText, CRect(36, 48, 205, 72)),
        ROW(plain.rcScore, CRect(0, 48, 0, 72)),
        ROW(plain.rcText, CRect(5, 48, 205, 72)),
        ROW(huge.rcWordArea, CRect(200, 48, 200, 72)),
    });
    riztest::ExpectRows<bool>({
        ROW(QVScoreShowsTick(2, 3), false),
        ROW(QVScoreShowsTick(3, 3), true),
        ROW(QVScoreShowsTick(4, 3), true),
        ROW(QVScoreShowsTick(0, 0), true),
    });
    EXPECT_EQ(CPoint(7, 53), QVCentredIn(CRect(0, 48, 31, 72), 16, 14));
}

TEST(QVWordListLayout, CellsInHeaderOrderFromTheScrolledEdge) {
    const CRect rcRow(-40, 24, 300, 48);
    const std::vector<int> widths = {80, 60, 100};
    const auto inOrder = QVWordListCellRects({0, 1, 2}, widths, -40, rcRow);
    const auto reordered = QVWordListCellRects({2, 0, 1}, widths, -40, rcRow);
    const auto partial = QVWordListCellRects({1, 7, -1}, widths, 0, rcRow);
    riztest::ExpectRows<CRect>({
        ROW(inOrder[0], CRect(-40, 24, 40, 48)),
        ROW(inOrder[2], CRect(100, 24, 200, 48)),
        ROW(reordered[2], CRect(-40, 24, 60, 48)),
        ROW(reordered[0], CRect(60, 24, 140, 48)),
        ROW(reordered[1], CRect(140, 24, 200, 48)),
        ROW(partial[1], CRect(0, 24, 60, 48)),
        ROW(partial[0], CRect(0, 0, 0, 0)),
    });
}
