// The arithmetic of the word lists: a row's score and word areas, the cells of a report row, masks.
#pragma once

#include <QVEnglishWordLayout.h>

#include <vector>

// The parts of one word-list row, left to right: the score (empty when no score is shown), the word
// area (the rest of the row) and the text rectangle (the word area moved 5 pixels right).
struct QVWordRowLayout {
    CRect rcScore;
    CRect rcWordArea;
    CRect rcText;
};

// cxScore is the measured width of the score text, 0 when no score is shown. The score keeps the row's
// height so its text and tick are centred vertically in the row.
inline QVWordRowLayout QVLayoutWordRow(const CRect& rcItem, int cxScore) {
    QVWordRowLayout layout;
    const int cx = std::max(0, std::min(cxScore, rcItem.Width()));
    layout.rcScore = CRect(rcItem.left, rcItem.top, rcItem.left + cx, rcItem.bottom);
    layout.rcWordArea = CRect(layout.rcScore.right, rcItem.top, rcItem.right, rcItem.bottom);
    layout.rcText = layout.rcWordArea;
    layout.rcText.OffsetRect(5, 0);
    return layout;
}

// A row whose right count has reached its total shows the tick instead of "(right/total)".
inline bool QVScoreShowsTick(int nRight, int nTotal) {
    return nRight >= nTotal;
}

// Where a picture of cx x cy goes to be centred in rc.
inline CPoint QVCentredIn(const CRect& rc, int cx, int cy) {
    return CPoint(rc.left + (rc.Width() - cx) / 2, rc.top + (rc.Height() - cy) / 2);
}

// The mask SetAllMasked gives a word: the word itself, or with bMask one "*" for every character.
inline CString QVAllMaskedWord(const CString& strWord, bool bMask) {
    if (!bMask) return strWord;
    return CString(_T('*'), QVCountWordChars(strWord));
}

// The cells of a report row, by column index: the columns in header order (order[k] is the column
// shown k-th), side by side from xStart (the row's left edge, which the list view has already moved
// by its horizontal scroll), each as wide as its column. Columns that order does not name get empty
// rectangles.
inline std::vector<CRect> QVWordListCellRects(const std::vector<int>& order, const std::vector<int>& widths,
                                              int xStart, const CRect& rcRow) {
    std::vector<CRect> cells(widths.size(), CRect(0, 0, 0, 0));
    long long x = xStart;
    for (int nColumn : order) {
        if (nColumn < 0 || nColumn >= static_cast<int>(widths.size())) continue;
        const long long right = x + std::max(0, widths[nColumn]);
        cells[nColumn] = CRect(static_cast<int>(x), rcRow.top,
                               static_cast<int>(std::min<long long>(right, INT_MAX)), rcRow.bottom);
        x = right;
    }
    return cells;
}
