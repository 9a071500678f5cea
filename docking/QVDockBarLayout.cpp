// Row lists and row layout of the dock bars.
#include "QVDockBarLayout.h"

#include <algorithm>

int QVDockFind(const QVDockRowList& list, const void* pEntry, int nPosExclude) {
    for (int n = 0; n < static_cast<int>(list.size()); ++n)
        if (n != nPosExclude && list[n] == pEntry) return n;
    return -1;
}

int QVDockBarCount(const QVDockRowList& list) {
    return static_cast<int>(std::count_if(list.begin(), list.end(), QVDockIsBar));
}

void QVDockRemoveAt(QVDockRowList& list, int nPos) {
    if (nPos <= 0 || nPos >= static_cast<int>(list.size())) return;
    list.erase(list.begin() + nPos);
    // The row is empty when its null now follows the previous row's null.
    if (nPos < static_cast<int>(list.size()) && list[nPos - 1] == nullptr && list[nPos] == nullptr)
        list.erase(list.begin() + nPos);
}

bool QVDockRemovePlaceHolder(QVDockRowList& list, UINT nID) {
    void* pHolder = QVDockPlaceHolder(nID);
    if (!pHolder) return false;
    const int nPos = QVDockFind(list, pHolder);
    if (nPos <= 0) return false;
    QVDockRemoveAt(list, nPos);
    return true;
}

bool QVDockRemoveBar(QVDockRowList& list, const void* pBar, UINT nID, int nPosExclude, int nAddPlaceHolder) {
    const int nPos = QVDockFind(list, pBar, nPosExclude);
    if (nPos <= 0) return false;
    void* pHolder = QVDockPlaceHolder(nID);
    if (nAddPlaceHolder == 1 && pHolder) {
        list[nPos] = pHolder;
        // One placeholder per id is enough: a second one would take the bar back to an older place.
        if (QVDockFind(list, pHolder, nPos) >= 0) QVDockRemoveAt(list, nPos);
        return true;
    }
    QVDockRemoveAt(list, nPos);
    if (nAddPlaceHolder != -1) QVDockRemovePlaceHolder(list, nID);
    return true;
}

namespace {

CRect Swapped(const CRect& r) {
    return CRect(r.top, r.left, r.bottom, r.right);
}

CSize Swapped(CSize s) {
    return CSize(s.cy, s.cx);
}

}  // namespace

CSize QVDockCalcLayout(std::vector<QVDockLayoutEntry>& entries, const QVDockLayoutParams& params) {
    // A vertical dock bar is laid out as a horizontal one with x and y exchanged.
    const bool bHorz = params.bHorz;
    const CSize sizeMax = bHorz ? params.sizeMax : Swapped(params.sizeMax);
    const int bx = bHorz ? params.cxBorder2 : params.cyBorder2;  // along the row
    const int by = bHorz ? params.cyBorder2 : params.cxBorder2;  // across the rows
    CSize fixed = bHorz ? params.sizeFixed : Swapped(params.sizeFixed);

    CPoint pt(-bx, -by);
    int nWidth = 0;
    bool bWrapped = false;
    for (size_t n = 0; n < entries.size(); ++n) {
        bool bRowEnd = entries[n].pEntry == nullptr;
        QVDockLayoutEntry& e = entries[n];
        if (QVDockIsBar(e.pEntry) && e.bVisible) {
            const CSize size = bHorz ? e.size : Swapped(e.size);
            const CRect current = bHorz ? e.rectCurrent : Swapped(e.rectCurrent);
            CRect rect(pt, size);
            if (!params.bFloating) {
                // A bar that stands right of its place keeps the gap; one past the edge moves left.
                if (current.left > rect.left) rect.OffsetRect(current.left - rect.left, 0);
                if (rect.right > sizeMax.cx) {
                    const int nLeft =
                        std::max(static_cast<int>(sizeMax.cx - (rect.Width() - bx)), static_cast<int>(pt.x));
                    rect.OffsetRect(nLeft - rect.left, 0);
                }
            }
            if (bWrapped) {
                bWrapped = false;
                rect.OffsetRect(-(rect.left + bx), 0);
            } else if (rect.left >= sizeMax.cx - bx && n > 0 && entries[n - 1].pEntry != nullptr) {
                // The bar starts a new row: the row ends here and the bar comes again after the null.
                QVDockLayoutEntry rowEnd;
                entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(n), rowEnd);
                bRowEnd = true;
                bWrapped = true;
            }
            if (!bWrapped) {
                // A bar asking for all of the edge reaches the dock bar's far end, borders shared, and
                // no further: it stays as long as the place it docks in and scrolls inside.
                if (size.cx >= kQVDockStretchLength && sizeMax.cx > 0)
                    rect.right = std::max(static_cast<int>(sizeMax.cx + bx), static_cast<int>(rect.left + 1));
                QVDockLayoutEntry& placed = entries[n];
                placed.rect = bHorz ? rect : Swapped(rect);
                placed.bPlaced = true;
                pt.x = rect.right - bx;
                nWidth = std::max(nWidth, static_cast<int>(size.cy));
            }
        }
        if (bRowEnd && nWidth != 0) {
            pt.y += nWidth - by;
            fixed.cx = std::max(fixed.cx, pt.x);
            fixed.cy = std::max(fixed.cy, pt.y);
            pt.x = -bx;
            nWidth = 0;
        }
    }
    if (!bHorz) fixed = Swapped(fixed);

    // The border lines come on top of the rows, except along a stretched side.
    const CRect& border = params.rectBorder;
    if ((!params.bStretch || !bHorz) && fixed.cx != 0) fixed.cx += border.left - border.right;
    if ((!params.bStretch || bHorz) && fixed.cy != 0) fixed.cy += border.top - border.bottom;
    return fixed;
}

int QVDockInsert(QVDockRowList& list, const std::vector<bool>& visible, const std::vector<CRect>& rects,
                 void* pBar, const CRect& rect, CPoint ptMid, bool bHorz, int cyBorder2) {
    int nPosInsAfter = 0;
    int nWidth = 0, nTotalWidth = 0;
    for (int nPos = 0; nPos < static_cast<int>(list.size()); ++nPos) {
        const bool bVisibleBar =
            QVDockIsBar(list[nPos]) && nPos < static_cast<int>(visible.size()) && visible[nPos];
        if (bVisibleBar) {
            const CRect& r = rects[nPos];
            nWidth = std::max(nWidth, bHorz ? r.Height() : r.Width() - 1);
            if (bHorz ? rect.left > r.left : rect.top > r.top) nPosInsAfter = nPos;
        } else if (list[nPos] == nullptr) {
            nTotalWidth += nWidth - cyBorder2;
            nWidth = 0;
            if ((bHorz ? ptMid.y : ptMid.x) < nTotalWidth) {
                // A drop above the first row opens a row of its own.
                if (nPos == 0) list.insert(list.begin() + nPosInsAfter + 1, nullptr);
                list.insert(list.begin() + nPosInsAfter + 1, pBar);
                return nPosInsAfter + 1;
            }
            nPosInsAfter = nPos;
        }
    }
    // Below every row: a new last row.
    list.insert(list.begin() + nPosInsAfter + 1, nullptr);
    list.insert(list.begin() + nPosInsAfter + 1, pBar);
    return nPosInsAfter + 1;
}

CSize QVDockFloatingSize(CSize sizeAsked, CSize sizeLastDocked, CSize sizeFixed) {
    const auto length = [](int nAsked, int nDocked, int nFixed) {
        if (nAsked < kQVDockStretchLength) return nAsked;
        return nDocked > 0 && nDocked < kQVDockStretchLength ? nDocked : nFixed;
    };
    return CSize(length(sizeAsked.cx, sizeLastDocked.cx, sizeFixed.cx),
                 length(sizeAsked.cy, sizeLastDocked.cy, sizeFixed.cy));
}
