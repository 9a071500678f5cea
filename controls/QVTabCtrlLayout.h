// Where the tabs of a one-row tab strip go: widths from measured texts, the cut at the right edge, the
// base line and the hit test. Pure arithmetic, no window.
#pragma once

#include <afxwin.h>

// The width of a tab whose text measures cxText: the text with 4 pixels on each side, at least
// nMinWidth. A negative text width counts as 0; a width beyond any screen is held at 1 << 20 so that the
// sums stay far inside the int range.
inline int QVTabItemWidth(int cxText, int nMinWidth) {
    const int kMaxText = 1 << 20;
    const int cx = (cxText < 0 ? 0 : (cxText > kMaxText ? kMaxText : cxText)) + 8;
    return cx < nMinWidth ? (nMinWidth > kMaxText ? kMaxText : nMinWidth) : cx;
}

// Lays out nCount tabs left to right from rcClient's left edge, each nHeight high from rcClient's top.
// The first tab that reaches past the right edge is cut at that edge and the layout stops there: the
// tabs after it keep the rectangles rectOf(i) already holds (a tab never laid out keeps an empty one).
// textWidthOf(i) is asked only for the tabs laid out, so a long list costs what the strip shows.
// Answers the number of tabs laid out, the cut one included.
template <class TextWidthOf, class RectOf>
int QVLayoutTabs(int nCount, const CRect& rcClient, int nMinWidth, int nHeight, TextWidthOf textWidthOf,
                 RectOf rectOf) {
    int x = rcClient.left;
    for (int i = 0; i < nCount; ++i) {
        const int cx = QVTabItemWidth(textWidthOf(i), nMinWidth);
        CRect& rc = rectOf(i);
        rc.SetRect(x, rcClient.top, x + cx, rcClient.top + nHeight);
        if (rc.right > rcClient.right) {
            rc.right = rcClient.right < x ? x : rcClient.right;
            return i + 1;
        }
        x = rc.right;
    }
    return nCount;
}

// The base line: one pixel high on the last laid-out tab's bottom row, from its right edge to the
// client's right edge. Empty when no tab is laid out or the tabs reach the edge.
inline CRect QVTabBaseLine(int nLaidOut, const CRect& rcLastLaidOut, const CRect& rcClient) {
    if (nLaidOut <= 0 || rcLastLaidOut.right >= rcClient.right || rcLastLaidOut.bottom <= rcLastLaidOut.top)
        return CRect();
    return CRect(rcLastLaidOut.right, rcLastLaidOut.bottom - 1, rcClient.right, rcLastLaidOut.bottom);
}

// The first tab whose non-empty rectangle holds pt, or -1.
template <class RectOf>
int QVTabHitTest(int nCount, RectOf rectOf, const CPoint& pt) {
    for (int i = 0; i < nCount; ++i) {
        const CRect& rc = rectOf(i);
        if (!rc.IsRectEmpty() && rc.PtInRect(pt)) return i;
    }
    return -1;
}
