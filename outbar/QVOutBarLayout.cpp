// Geometry of the outlook bar, without a window: see QVOutBarLayout.h.
#include "QVOutBarLayout.h"

BOOL AFXAPI OutBarFolderRect(const CRect& rcClient, int nCount, int nSel, int nFolderHeight, int nIndex,
                             CRect& rect) {
    if (nIndex < 0 || nIndex >= nCount) return FALSE;
    const int h = nFolderHeight;
    if (nIndex <= nSel)
        rect.SetRect(rcClient.left, rcClient.top + nIndex * h, rcClient.right,
                     rcClient.top + (nIndex + 1) * h);
    else
        rect.SetRect(rcClient.left, rcClient.bottom - (nCount - nIndex) * h, rcClient.right,
                     rcClient.bottom - (nCount - nIndex - 1) * h);
    return TRUE;
}

CRect AFXAPI OutBarInsideRect(const CRect& rcClient, int nCount, int nSel, int nFolderHeight) {
    CRect rect = rcClient;
    if (nCount == 0) return rect;
    rect.top = rcClient.top + (nSel + 1) * nFolderHeight - 1;
    rect.bottom = rcClient.bottom - (nCount - nSel - 1) * nFolderHeight;
    return rect;
}

CSize AFXAPI OutBarWholeItemSize(CSize szIcon, CSize szLabel, BOOL bSmall, const CQVOutBarMetrics& m) {
    if (bSmall) return CSize(szIcon.cx + szLabel.cx + m.szIconLabelGap.cx, std::max(szIcon.cy, szLabel.cy));
    return CSize(std::max(szIcon.cx, szLabel.cx),
                 szIcon.cy + szLabel.cy + m.szIconLabelGap.cy + m.nLargeItemGap);
}

CRect AFXAPI OutBarItemRect(const CRect& rcInside, int nTop, CSize szItem, BOOL bSmall,
                            const CQVOutBarMetrics& m) {
    CRect rect(rcInside.left, nTop, rcInside.left + szItem.cx, nTop + szItem.cy);
    rect.left += m.szItemMargin.cx;
    rect.top += m.szItemMargin.cy;
    rect.bottom += m.szItemMargin.cy;
    if (!bSmall) {
        rect.left = rcInside.left;
        rect.right = rcInside.right;
    }
    return rect;
}

CRect AFXAPI OutBarIconRect(const CRect& rcInside, int nTop, CSize szIcon, BOOL bSmall,
                            const CQVOutBarMetrics& m) {
    const int y = nTop + m.ItemGap(bSmall);
    CRect rect;
    if (!bSmall) {
        const int x = rcInside.left + (rcInside.Width() - szIcon.cx) / 2;
        rect.SetRect(x, y, x + szIcon.cx, y + szIcon.cy);
        rect.top -= 3;
        rect.bottom -= 2;
    } else {
        rect.SetRect(rcInside.left, y, rcInside.left + szIcon.cx, y + szIcon.cy);
        rect.left += m.szItemMargin.cx + 2;
        rect.right += m.szItemMargin.cx + 2;
        rect.top -= m.szItemMargin.cy;
        rect.bottom -= m.szItemMargin.cy;
    }
    return rect;
}

CRect AFXAPI OutBarLabelRect(const CRect& rcInside, int nTop, CSize szItem, CSize szLabel, BOOL bSmall,
                             const CQVOutBarMetrics& m) {
    const int y = nTop + m.ItemGap(bSmall);
    CRect rect;
    if (!bSmall) {
        const int x = rcInside.left + (rcInside.Width() - szItem.cx) / 2;
        rect.SetRect(x, y, x + szItem.cx, y + szItem.cy);
        rect.top -= 3;
        rect.bottom -= 2 + m.nLargeItemGap;
        rect.top = rect.bottom - szLabel.cy;
    } else {
        rect.SetRect(rcInside.left, y, rcInside.left + szItem.cx, y + szItem.cy);
        rect.left += m.szItemMargin.cx + 2;
        rect.right += m.szItemMargin.cx + 2;
        rect.top += m.szItemMargin.cy - 5;
        rect.bottom += m.szItemMargin.cy - 5;
    }
    return rect;
}

CRect AFXAPI OutBarMarkerBand(const CRect& rcInside, const CRect& rcItem) {
    if (rcItem.IsRectNull()) return CRect(0, 0, 0, 0);
    return CRect(rcInside.left, rcItem.top - 2, rcInside.right, rcItem.bottom + 2);
}

CRect AFXAPI OutBarArrowRect(const CRect& rcInside, int nSize, BOOL bUp) {
    const int s = nSize;
    if (bUp) return CRect(rcInside.right - 5 - s, rcInside.top + 5, rcInside.right - 5, rcInside.top + 5 + s);
    return CRect(rcInside.right - 5 - s, rcInside.bottom - 5 - s, rcInside.right - 5, rcInside.bottom - 5);
}

int AFXAPI OutBarArrowHit(CPoint point, BOOL bUpShown, const CRect& rcUp, BOOL bDownShown,
                          const CRect& rcDown) {
    if (bUpShown && rcUp.PtInRect(point)) return QVOB_HIT_UP_ARROW;
    if (bDownShown && rcDown.PtInRect(point)) return QVOB_HIT_DOWN_ARROW;
    return QVOB_HIT_NOTHING;
}

BOOL AFXAPI OutBarBelowLastItem(CPoint point, int nCount, int nInsideBottom, BOOL bLastBelow,
                                const CRect& rcLast) {
    if (nCount == 0 || point.y >= nInsideBottom || bLastBelow) return FALSE;
    return point.y > rcLast.bottom ? TRUE : FALSE;
}

int AFXAPI OutBarDragRect(const CRect& rcInside, const CRect& rcItem, int nIndex, int nCount, BOOL bSmall,
                          CRect& rect) {
    CRect rc = rcInside;
    rc.DeflateRect(2, 0);
    const int y = nIndex < nCount ? rcItem.top - 4 : rcItem.bottom + 6;
    if (nIndex == 0) {
        rect.SetRect(rc.left, y + 2, rc.right, y + 7);
        return 0;
    }
    if (nIndex < nCount) {
        rect.SetRect(rc.left, y - 9, rc.right, y);
        if (bSmall) rect.OffsetRect(0, 8);
        return 1;
    }
    rect.SetRect(rc.left, y, rc.right, y + 5);
    return 2;
}

CRect AFXAPI OutBarDragEraseRect(const CRect& rcArrow, int nKind) {
    CRect rc = rcArrow;
    switch (nKind) {
    case 0:
        rc.bottom = rc.top + 5;
        break;
    case 1:
        rc.bottom = rc.top + 5;
        rc.top -= 4;
        break;
    case 2:
        rc.bottom = rc.top + 1;
        rc.top -= 4;
        break;
    default:
        break;
    }
    return rc;
}
