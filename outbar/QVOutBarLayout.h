// Geometry of the outlook bar: the headers stacked around the open folder, the inside rectangle, an
// item's rectangle, icon and label in both views, the scroll arrows, the scroll limits, the drop arrow
// and the hit tests. Pure arithmetic on the client rectangle, the spacing and the sizes the bar
// measures itself (images and labels), testable without a window. The walks over many items take the
// per-item sizes or rectangles from a callable, so that the bar's virtual geometry is still asked item
// by item and only as far as the old walk went.
#pragma once

#include "RIZuruzezuDef.h"

#include <algorithm>
#include <climits>

// HitTestEx answers.
#define QVOB_HIT_NOTHING (-1)
#define QVOB_HIT_FOLDER 0
#define QVOB_HIT_ITEM 1
#define QVOB_HIT_UP_ARROW 2
#define QVOB_HIT_DOWN_ARROW 3

// The fixed spacing of a bar (the defaults are the bar's own).
struct CQVOutBarMetrics {
    int nFolderHeight = 24;              // of one header
    int nLargeItemGap = 8;               // below each item, large icons
    int nSmallItemGap = 10;              // below each item, small icons
    CSize szIconLabelGap = CSize(4, 3);  // cx small view, cy large view
    CSize szItemMargin = CSize(5, 5);    // item offset from the inside corner
    int ItemGap(BOOL bSmall) const { return bSmall ? nSmallItemGap : nLargeItemGap; }
};

// Header nIndex of nCount with folder nSel open: the headers up to the open one stack from the top of
// rcClient, the others from its bottom. FALSE (rect untouched) for a bad index.
RIZ_API BOOL AFXAPI OutBarFolderRect(const CRect& rcClient, int nCount, int nSel, int nFolderHeight,
                                     int nIndex, CRect& rect);

// The rectangle the open folder's content fills: between the headers, overlapping the last top header
// by one pixel. Without folders it is the client rectangle.
RIZ_API CRect AFXAPI OutBarInsideRect(const CRect& rcClient, int nCount, int nSel, int nFolderHeight);

// The whole item from its image and label sizes: side by side in small view, stacked (with the item
// gap below) in large view.
RIZ_API CSize AFXAPI OutBarWholeItemSize(CSize szIcon, CSize szLabel, BOOL bSmall, const CQVOutBarMetrics& m);

// Where the walk over the items placing item nIndex starts: at the first visible item for the items
// from it on, at item 0 (as if nothing were scrolled) for the items above it.
inline int OutBarWalkStart(int nIndex, int nFirstItem) {
    return nIndex >= nFirstItem ? nFirstItem : 0;
}

// Top of item nIndex in the walk: nInsideTop plus the whole-item height (heightOf(j)) and the gap of
// every item walked before it. Saturates at INT_MAX / 2.
template <class HeightOf>
int OutBarItemTop(int nInsideTop, int nFirstItem, int nIndex, int nGap, HeightOf heightOf) {
    long long y = nInsideTop;
    for (int j = OutBarWalkStart(nIndex, nFirstItem); j < nIndex; ++j) {
        y += heightOf(j) + nGap;
        if (y > INT_MAX / 2) return INT_MAX / 2;
    }
    return static_cast<int>(y);
}

// The rectangles of one item whose walk top is nTop (see OutBarItemTop). The item spans the inside
// width in large view; the icon is centred in large view (truncating toward zero); the label is
// measured by the caller (szLabel) and sits at the bottom of the item in large view.
RIZ_API CRect AFXAPI OutBarItemRect(const CRect& rcInside, int nTop, CSize szItem, BOOL bSmall,
                                    const CQVOutBarMetrics& m);
RIZ_API CRect AFXAPI OutBarIconRect(const CRect& rcInside, int nTop, CSize szIcon, BOOL bSmall,
                                    const CQVOutBarMetrics& m);
RIZ_API CRect AFXAPI OutBarLabelRect(const CRect& rcInside, int nTop, CSize szItem, CSize szLabel,
                                     BOOL bSmall, const CQVOutBarMetrics& m);

// The marker band of an item: its rectangle widened to the inside, 2 pixels taller each way; empty for
// an empty item rectangle.
RIZ_API CRect AFXAPI OutBarMarkerBand(const CRect& rcInside, const CRect& rcItem);

// A scroll arrow button of nSize pixels, 5 pixels in from the inside's top-right or bottom-right corner.
RIZ_API CRect AFXAPI OutBarArrowRect(const CRect& rcInside, int nSize, BOOL bUp);

// Scroll limits: the up arrow shows once the first visible item is not item 0; the down arrow while
// the last item is not in the visible range.
inline BOOL OutBarCanScrollUp(int nFirstItem) {
    return nFirstItem >= 1 ? TRUE : FALSE;
}
inline BOOL OutBarCanScrollDown(int nLastVisible, int nCount) {
    return nLastVisible < nCount - 1 ? TRUE : FALSE;
}

// The last item from nFirst on whose bottom (bottomOf(j)) is not below nInsideBottom; nFirst - 1 when
// even the first is cut off.
template <class BottomOf>
int OutBarLastVisible(int nFirst, int nCount, int nInsideBottom, BottomOf bottomOf) {
    int nLast = nFirst - 1;
    for (int j = nFirst; j < nCount; ++j) {
        if (bottomOf(j) > nInsideBottom) break;  // cut off at the bottom: not visible
        nLast = j;
    }
    return nLast;
}

// Whether some item from nFirst on reaches below nInsideBottom; stops at the first that does.
template <class BottomOf>
BOOL OutBarAnyBelow(int nFirst, int nCount, int nInsideBottom, BottomOf bottomOf) {
    for (int j = std::max(nFirst, 0); j < nCount; ++j)
        if (bottomOf(j) > nInsideBottom) return TRUE;
    return FALSE;
}

// The arrow under a point: QVOB_HIT_UP_ARROW, QVOB_HIT_DOWN_ARROW (each only while shown) or
// QVOB_HIT_NOTHING.
RIZ_API int AFXAPI OutBarArrowHit(CPoint point, BOOL bUpShown, const CRect& rcUp, BOOL bDownShown,
                                  const CRect& rcDown);

// The header under a point (rectOf(i, rc) answering whether header i has a rectangle), else -1.
template <class RectOf>
int OutBarFolderHit(CPoint point, int nCount, RectOf rectOf) {
    for (int i = 0; i < nCount; ++i) {
        CRect rc;
        if (rectOf(i, rc) && rc.PtInRect(point)) return i;
    }
    return -1;
}

// The item under a point, walking from the first visible item and stopping once an item starts below
// the inside. In large view the icon (iconOf(j)) or the label (labelOf(j), counted from the
// icon-label gap above it) is hit, in small view the whole item (itemOf(j)). -1 for none.
template <class IconOf, class LabelOf, class ItemOf>
int OutBarItemHit(CPoint point, int nFirst, int nCount, int nInsideBottom, BOOL bSmall,
                  const CQVOutBarMetrics& m, IconOf iconOf, LabelOf labelOf, ItemOf itemOf) {
    for (int j = std::max(nFirst, 0); j < nCount; ++j) {
        CRect rc;
        if (!bSmall) {
            rc = iconOf(j);
            if (rc.PtInRect(point)) return j;
            if (rc.top > nInsideBottom) return -1;
            rc = labelOf(j);
            rc.top -= m.szIconLabelGap.cy;
        } else {
            rc = itemOf(j);
        }
        if (rc.PtInRect(point)) return j;
        if (rc.top > nInsideBottom) return -1;
    }
    return -1;
}

// Whether a point is in the drop zone after the last item: below the last item (rcLast) and above the
// inside bottom, while the last item is not cut off (bLastBelow) and there are items.
RIZ_API BOOL AFXAPI OutBarBelowLastItem(CPoint point, int nCount, int nInsideBottom, BOOL bLastBelow,
                                        const CRect& rcLast);

// The drop arrow for insertion position nIndex of nCount items (rcItem being the rectangle of item
// nIndex, or of the last item for the end position). Answers the arrow kind: 0 before the first item,
// 1 between two, 2 after the last.
RIZ_API int AFXAPI OutBarDragRect(const CRect& rcInside, const CRect& rcItem, int nIndex, int nCount,
                                  BOOL bSmall, CRect& rect);

// What to repaint to erase a drop arrow of the given kind drawn at rcArrow (see OutBarDragRect).
RIZ_API CRect AFXAPI OutBarDragEraseRect(const CRect& rcArrow, int nKind);
