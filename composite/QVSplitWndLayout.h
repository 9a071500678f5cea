// The arithmetic of the split window: the clamp of the split position, the bar and panel rectangles
// of the four arrangements, and the ghost bar's moves and the position it leaves.
#pragma once

#include <afxwin.h>

namespace qvsplit {

const int kBarThickness = 10;
const int kBarInset = 2;  // the bar is drawn this far inside its slot on both sides
const int kDefaultFirstMin = 20;
const int kDefaultSecondMin = 30;
const int kDefaultBorder = 3;
const int kMaxMetric = 32767;  // minima and border sizes are kept in 0 ... this, so sums never overflow

// The client rectangle shrunk by the border size on every side (inverted when the borders meet).
inline CRect LayoutRect(const CRect& rcClient, CSize szBorder) {
    return CRect(rcClient.left + szBorder.cx, rcClient.top + szBorder.cy, rcClient.right - szBorder.cx,
                 rcClient.bottom - szBorder.cy);
}

inline int Extent(const CRect& rcLayout, BOOL bStacked) {
    return bStacked ? rcLayout.Height() : rcLayout.Width();
}

// The split position (the fixed panel's size) brought within the minima. The clamp ignores the bar,
// so the other panel may end a bar thickness under its minimum; in an extent smaller than both minima
// the lower bound wins and the other panel's size goes to zero or below.
inline int ClampPos(int nPos, int nExtent, int nFirstMin, int nSecondMin, BOOL bSecondFixed) {
    const int nOwnMin = bSecondFixed ? nSecondMin : nFirstMin;
    const int nOtherMin = bSecondFixed ? nFirstMin : nSecondMin;
    if (nPos < nOwnMin) return nOwnMin;
    if (nPos > nExtent - nOtherMin) return nExtent - nOtherMin;
    return nPos;
}

struct Rects {
    CRect rcBar;     // the split bar, kBarInset inside its slot
    CRect rcFirst;   // the first panel (above or left)
    CRect rcSecond;  // the second panel (below or right)
};

// The bar and panels for a clamped position p in layout rectangle R.
inline Rects Arrange(const CRect& rcLayout, int nPos, BOOL bStacked, BOOL bSecondFixed,
                     int nBar = kBarThickness) {
    const CRect& R = rcLayout;
    Rects out;
    if (bStacked) {
        const int nTop = bSecondFixed ? R.bottom - nPos - nBar : R.top + nPos;  // the bar's slot
        out.rcBar.SetRect(R.left, nTop + kBarInset, R.right, nTop + nBar - kBarInset);
        out.rcFirst.SetRect(R.left, R.top, R.right, nTop);
        out.rcSecond.SetRect(R.left, nTop + nBar, R.right, R.bottom);
    } else {
        const int nLeft = bSecondFixed ? R.right - nPos - nBar : R.left + nPos;
        out.rcBar.SetRect(nLeft + kBarInset, R.top, nLeft + nBar - kBarInset, R.bottom);
        out.rcFirst.SetRect(R.left, R.top, nLeft, R.bottom);
        out.rcSecond.SetRect(nLeft + nBar, R.top, R.right, R.bottom);
    }
    return out;
}

// The ghost moved to a client point: its top (stacked) or left edge jumps to the pointer when the
// pointer lies within first minimum ... far edge - second minimum, both measured from the client edge
// and not from the layout rectangle; otherwise it stays where it was.
inline CRect MoveGhost(const CRect& rcGhost, CPoint pt, const CRect& rcLayout, int nFirstMin, int nSecondMin,
                       BOOL bStacked) {
    CRect rc = rcGhost;
    if (bStacked) {
        if (pt.y >= nFirstMin && pt.y <= rcLayout.bottom - nSecondMin) rc.OffsetRect(0, pt.y - rc.top);
    } else {
        if (pt.x >= nFirstMin && pt.x <= rcLayout.right - nSecondMin) rc.OffsetRect(pt.x - rc.left, 0);
    }
    return rc;
}

// The split position a released ghost leaves. The ghost's edge is a client coordinate while the bar
// is placed from the layout rectangle plus the inset, so a press and release without a move shifts
// the bar: by 5 to 10 pixels down (or right) with the first panel fixed and the default sizes.
inline int PosFromGhost(const CRect& rcGhost, const CRect& rcLayout, BOOL bStacked, BOOL bSecondFixed) {
    if (bStacked) return bSecondFixed ? rcLayout.bottom - rcGhost.top : rcGhost.top;
    return bSecondFixed ? rcLayout.right - rcGhost.left : rcGhost.left;
}

inline int ClampMetric(int n) {
    return n < 0 ? 0 : n > kMaxMetric ? kMaxMetric : n;
}

}  // namespace qvsplit
