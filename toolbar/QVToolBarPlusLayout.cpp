#include "QVToolBarPlusLayout.h"

ToolBarPlusLayoutResult QVLayoutToolBarPlus(int nCount, const ToolBarPlusLayoutParams& params,
                                            const std::function<ToolBarPlusLayoutItem(int)>& item) {
    ToolBarPlusLayoutResult result;
    const CRect& rc = params.rcItems;
    int x = rc.left, right = rc.right, y = rc.top;
    int i = 1;
    BOOL bStopped = FALSE;
    std::vector<int> widths;  // of the placed items, beside result.placed
    for (; i < nCount; ++i) {
        const ToolBarPlusLayoutItem it = item(i);
        if (!it.bVisible) continue;
        const BOOL bFits = it.bRightAlign ? right - it.cx >= x : x + it.cx <= right;
        if (!bFits) {
            if (!params.bMultiLine || y + params.nLineHeight > rc.bottom) {
                bStopped = TRUE;
                break;
            }
            y += params.nLineHeight;
            x = rc.left;
            right = rc.right;
        }
        if (it.bRightAlign) {
            result.placed.push_back({i, CPoint(right - it.cx, y)});
            right -= it.cx + params.nSpacing;
        } else {
            result.placed.push_back({i, CPoint(x, y)});
            x += it.cx + params.nSpacing;
        }
        widths.push_back(it.bRightAlign ? -1 : it.cx);  // -1 marks a right-aligned item
    }
    result.nLastVisible = i - 1;
    if (!bStopped || params.bNoOverflowButton) return result;

    if (x + params.nOverflowWidth > right && result.nLastVisible > 0) {
        for (int n = static_cast<int>(result.placed.size()) - 1; n >= 0; --n) {
            if (widths[n] < 0) continue;
            x -= widths[n] + params.nSpacing;
            result.nLastVisible = result.placed[n].nIndex - 1;
            result.placed.resize(n);
            break;
        }
    }
    result.bOverflow = TRUE;
    result.ptOverflow = CPoint(x, y);
    return result;
}

void QVToolBarPlusRadioGroup(int nCount, int nIndex, const std::function<BOOL(int)>& isSplitter, int& nFirst,
                             int& nLast) {
    nFirst = nIndex;
    while (nFirst > 1 && !isSplitter(nFirst - 1))
        --nFirst;
    nLast = nIndex;
    while (nLast < nCount - 1 && !isSplitter(nLast + 1))
        ++nLast;
}

int QVToolBarPlusSortedInsertAt(int nCount, int nKey, const std::function<int(int)>& keyOf) {
    for (int i = 1; i < nCount; ++i)
        if (keyOf(i) >= nKey) return i;
    return nCount;
}

int QVToolBarPlusMoveTarget(int nCount, int nIndex, BOOL bForward,
                            const std::function<BOOL(int)>& isVisible) {
    if (nIndex < 1 || nIndex >= nCount) return -1;
    if (bForward) {
        for (int i = nIndex + 1; i < nCount; ++i)
            if (isVisible(i)) return i;
        return -1;
    }
    for (int i = nIndex - 1; i >= 1; --i)
        if (isVisible(i)) return i;
    return -1;
}

int QVToolBarPlusNextIndex(int nCount, int nIndex, BOOL bNext, BOOL bVisibleOnly,
                           const std::function<BOOL(int)>& isVisible) {
    if (nIndex < 0 || nIndex >= nCount) return -1;
    int i = nIndex;
    for (;;) {
        if (bNext ? i >= nCount - 1 : i <= 1) return -1;
        i += bNext ? 1 : -1;
        if (!bVisibleOnly || isVisible(i)) return i;
    }
}
