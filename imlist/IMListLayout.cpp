// Contact list geometry: rows, group buttons, the window's button stack, hit tests and the scroll bar.
#include "IMListLayout.h"

#include "IMGroupButton.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------------------
// Rows.

CIMListRowRects AFXAPI IMListTeamRowRects(const CRect& rc) {
    CIMListRowRects rects;
    rects.m_rcText = CRect(rc.left + 20, rc.top + 2, rc.right - 5, rc.bottom - 2);
    rects.m_rcImage = CRect(rc.left + 2, rc.top + 2, rc.left + 20, rc.bottom - 2);
    return rects;
}

CIMListRowRects AFXAPI IMListUserRowRects(const CRect& rc) {
    CIMListRowRects rects;
    rects.m_rcImage = CRect(rc.left + 2, rc.top + 2, rc.right, rc.bottom - 2);
    rects.m_rcImage.right = rects.m_rcImage.left + rects.m_rcImage.Height();
    rects.m_rcText = CRect(rc.left + rects.m_rcImage.Width() + 5, rc.top + 2, rc.right - 5, rc.bottom - 2);
    return rects;
}

int AFXAPI IMListUserRowHeight(int bBigImage) {
    return bBigImage ? IMLIST_BIG_ROW : IMLIST_SMALL_ROW;
}

CRect AFXAPI IMListTeamUsersRect(const CRect& rcTeam, int nUsers, int nRowHeight) {
    return CRect(rcTeam.left + 10, rcTeam.bottom + 2, rcTeam.right - 10,
                 rcTeam.bottom + 2 + nUsers * nRowHeight);
}

BOOL AFXAPI IMListVisibleRows(int nTop, int nRowHeight, int nCount, int nFrom, int nTo, int& nFirst,
                              int& nLast) {
    if (nCount <= 0 || nRowHeight <= 0 || nTo <= nTop ||
        nFrom >= nTop + static_cast<long long>(nCount) * nRowHeight)
        return FALSE;
    nFirst = nFrom <= nTop ? 0 : (nFrom - nTop) / nRowHeight;
    const long long nEnd = (static_cast<long long>(nTo) - nTop + nRowHeight - 1) / nRowHeight;
    nLast = static_cast<int>(std::min<long long>(nEnd, nCount)) - 1;
    return nFirst <= nLast;
}

int AFXAPI IMListRowAt(int nTop, int nRowHeight, int nCount, int y) {
    if (nRowHeight <= 0 || y < nTop) return -1;
    const long long nRow = (static_cast<long long>(y) - nTop) / nRowHeight;
    return nRow < nCount ? static_cast<int>(nRow) : -1;
}

// ---------------------------------------------------------------------------------------------------
// Group buttons.

CIMGroupButtonRects AFXAPI IMGroupButtonRects(const CRect& rc) {
    CIMGroupButtonRects rects;
    rects.m_rcText = CRect(rc.left + 20, rc.top + 1, rc.right - 5, rc.bottom - 1);
    rects.m_rcFlashIcon = CRect(rc.right - 20, rc.top, rc.right - 2, rc.bottom);
    return rects;
}

CRect AFXAPI IMGroupScrollBarRect(const CRect& rcExpand) {
    return CRect(rcExpand.right - IMLIST_BAR_WIDTH, rcExpand.top, rcExpand.right, rcExpand.bottom);
}

CRect AFXAPI IMGroupContentRect(const CRect& rcExpand, int nRows, int nUsersHeight) {
    return CRect(rcExpand.left + 10, rcExpand.top, rcExpand.right - 20,
                 rcExpand.top + nRows * IMLIST_ROW_STEP + nUsersHeight);
}

CRect AFXAPI IMGroupFirstRowRect(const CRect& rcExpand, int nScrollPos) {
    CRect rc(rcExpand.left + 10, rcExpand.top, rcExpand.right, rcExpand.top + IMLIST_TEAM_ROW);
    rc.OffsetRect(0, -nScrollPos);
    return rc;
}

CIMGroupScrollRange AFXAPI IMGroupScrollRange(int nExpandHeight, int nContentHeight) {
    CIMGroupScrollRange range;
    const long long nTotal = std::max(nContentHeight, 1);
    const long long nOverflow = nTotal - nExpandHeight;
    if (nOverflow < 1) return range;
    range.m_bVisible = 1;
    range.m_nMax = static_cast<int>(nOverflow);
    range.m_nPage = static_cast<int>(nExpandHeight * nOverflow / nTotal);
    return range;
}

int AFXAPI IMGroupSlideDirection(int nTop, int nDestTop) {
    if (nDestTop > nTop) return 2;
    if (nDestTop < nTop) return 1;
    return 0;
}

BOOL AFXAPI IMGroupSlideStep(int nDirection, int nTop, int nDestTop, int nStep, int& dy) {
    dy = 0;
    if (nDirection == 1) {
        if (nDestTop >= nTop - nStep) return FALSE;
        dy = -nStep;
    } else if (nDirection == 2) {
        if (nDestTop <= nTop + nStep) return FALSE;
        dy = nStep;
    } else {
        return FALSE;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// The list window's buttons.

CRect AFXAPI IMListButtonRect(const CRect& rcClient, int nButtonHeight, int nCount, int nCurrent,
                              int nIndex) {
    const int h = nButtonHeight;
    if (nIndex <= nCurrent) {
        const int nTop = rcClient.top + nIndex * h;
        return CRect(rcClient.left, nTop, rcClient.right, nTop + h);
    }
    const int nBottom = rcClient.bottom - (nCount - 1 - nIndex) * h;
    return CRect(rcClient.left, nBottom - h, rcClient.right, nBottom);
}

CRect AFXAPI IMListExpandRect(const CRect& rcClient, int nButtonHeight, int nCount, int nCurrent) {
    const int nAbove = std::max(0, std::min(nCurrent, nCount - 1) + 1);
    CRect rc(rcClient.left, rcClient.top + nAbove * nButtonHeight, rcClient.right, rcClient.bottom);
    if (nCurrent < nCount - 1) rc.bottom = rcClient.bottom - (nCount - 1 - nCurrent) * nButtonHeight;
    // A window smaller than its buttons leaves the open group no room rather than a negative one.
    if (rc.bottom < rc.top) rc.bottom = rc.top;
    return rc;
}

CRect AFXAPI IMListSlideClearRect(const CRect& rcClient, const CRect& rcFirst, const CRect& rcLast,
                                  const CRect* pAbove, const CRect* pBelow, const int* pLastBarBottom) {
    CRect rc(rcClient.left, rcFirst.top, rcClient.right, rcLast.bottom);
    if (pAbove) rc.top = pAbove->bottom;
    if (pBelow)
        rc.bottom = pBelow->top;
    else if (pLastBarBottom)
        rc.bottom = std::max(static_cast<int>(rc.bottom), *pLastBarBottom);
    rc.NormalizeRect();
    return rc;
}

CRect AFXAPI IMListRowsRect(const CRect& rcExpand) {
    CRect rc = rcExpand;
    rc.right -= IMLIST_BAR_WIDTH;
    return rc;
}

CIMListHit AFXAPI IMListHitTest(const std::vector<CIMGroupButton*>& groups, int nCurrent, const CPoint& pt) {
    CIMListHit hit;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (!groups[i]->MouseInButton(pt)) continue;
        hit.m_nGroup = static_cast<int>(i);
        if (groups[i]->GetSparkleItemCount() > 0) hit.m_bSparkleIcon = groups[i]->MouseInSparkleItem(pt);
        return hit;
    }
    const CIMGroupButton* pCurrent =
        nCurrent >= 0 && nCurrent < static_cast<int>(groups.size()) ? groups[nCurrent] : nullptr;
    if (!pCurrent || !pCurrent->MouseInExpandRect(pt)) return hit;
    hit.m_nArea = pCurrent->MouseInScrollBar(pt);
    int nTeam, nUser, bInImage;
    if (hit.m_nArea == 0 && pCurrent->MouseInChild(pt, nTeam, nUser, bInImage)) {
        hit.m_item.nGroup = nCurrent;
        hit.m_item.nTeam = nTeam;
        hit.m_item.nUser = nUser;
        hit.m_item.bInImage = bInImage;
    }
    return hit;
}

// ---------------------------------------------------------------------------------------------------
// Scroll bar.

CIMScrollBarRects AFXAPI IMScrollBarLayout(const CRect& rc) {
    CIMScrollBarRects parts;
    const int w = rc.Width();
    const int h = rc.Height();
    parts.m_rcTrack = rc;
    if (h <= 2 * w) {
        // No room for a thumb: the two arrows share the height.
        parts.m_rcTrack.SetRectEmpty();
        parts.m_rcMinDelta = CRect(rc.left, rc.top, rc.right, rc.top + h / 2);
        parts.m_rcMaxDelta = CRect(rc.left, rc.bottom - h / 2, rc.right, rc.bottom);
        return parts;
    }
    parts.m_rcTrack.DeflateRect(0, w);
    parts.m_rcMinDelta = CRect(rc.left, rc.top, rc.right, rc.top + w);
    parts.m_rcMaxDelta = CRect(rc.left, rc.bottom - w, rc.right, rc.bottom);
    if (parts.m_rcTrack.Height() > w)
        parts.m_rcThumb = CRect(parts.m_rcTrack.left, parts.m_rcTrack.top, parts.m_rcTrack.right,
                                parts.m_rcTrack.top + 2 * w);
    return parts;
}

int AFXAPI IMScrollBarClampPos(int nMin, int nMax, int nPos) {
    return std::max(nMin, std::min(nPos, std::max(nMin, nMax)));
}

int AFXAPI IMScrollBarThumbHeight(int nTrackHeight, int nMin, int nMax, int nPage) {
    const long long nRange = static_cast<long long>(nMax) - nMin;
    long long nHeight =
        nRange > 0 ? static_cast<long long>(nTrackHeight) * std::max(nPage, 0) / nRange : nTrackHeight;
    // The thumb never shrinks below its image so that it stays grabbable, nor outgrows the track.
    nHeight = std::max<long long>(nHeight, IMLIST_BAR_WIDTH);
    nHeight = std::min<long long>(nHeight, nTrackHeight);
    return static_cast<int>(nHeight);
}

int AFXAPI IMScrollBarThumbTop(const CRect& rcTrack, int nThumbHeight, int nMin, int nMax, int nPos) {
    const long long nRange = static_cast<long long>(nMax) - nMin;
    int nTop = rcTrack.top;
    if (nRange > 0)
        nTop += static_cast<int>(static_cast<long long>(rcTrack.Height() - nThumbHeight) * (nPos - nMin) /
                                 nRange);
    return nTop;
}

int AFXAPI IMScrollBarHitTest(const CRect& rcBar, const CIMScrollBarRects& parts, const CPoint& pt) {
    if (!rcBar.PtInRect(pt)) return 0;
    if (parts.m_rcMinDelta.PtInRect(pt)) return 1;
    if (parts.m_rcMaxDelta.PtInRect(pt)) return 2;
    if (parts.m_rcThumb.PtInRect(pt)) return 3;
    if (parts.m_rcTrack.PtInRect(pt)) return 4;
    return 0;
}

int AFXAPI IMScrollBarDragTop(const CRect& rcTrack, int nThumbHeight, int nWantedTop) {
    return std::max(static_cast<int>(rcTrack.top), std::min<int>(nWantedTop, rcTrack.bottom - nThumbHeight));
}

int AFXAPI IMScrollBarDragPos(const CRect& rcTrack, int nThumbHeight, int nMin, int nMax, int nTop,
                              int nPos) {
    const int nFree = rcTrack.Height() - nThumbHeight;
    const int nRange = nMax - nMin;
    if (nFree <= 0 || nRange <= 0) return nPos;
    // The formula below can land one short of the end; the end of the track is the end of the range.
    if (nTop >= rcTrack.bottom - nThumbHeight) return nMax;
    const float fPixelsPerStep = static_cast<float>(nFree) / static_cast<float>(nRange);
    return static_cast<int>(static_cast<float>(nTop - rcTrack.top) / fPixelsPerStep);
}
