#include "QVDockToolBarLayout.h"

#include <afxwin.h>

#include <algorithm>

CSize QVLayoutToolBarColumn(std::vector<ToolBarItem*>& items,
                            const std::function<int(const CString&)>& textWidth) {
    int y = kDockToolBarColumnTop, widest = 0;
    for (ToolBarItem* pItem : items) {
        const int cx = std::max(0, static_cast<int>(pItem->szImage.cx));
        const int cy = std::max(0, static_cast<int>(pItem->szImage.cy));
        if (pItem->nType == TBIT_SEPARATOR) {
            // Spans the column once its width is known; as high as its cell is wide.
            pItem->rc.SetRect(3, y, 3, y + cx);
            y += cx + 4;
            continue;
        }
        const int tw = pItem->strText.IsEmpty() ? 0 : std::max(0, textWidth(pItem->strText));
        const int cxItem = cx + tw + (pItem->nType == TBIT_DROPDOWN ? kToolBarArrowWidth : 0);
        pItem->rc.SetRect(3, y, 3 + cxItem, y + cy);
        widest = std::max(widest, cxItem);
        y += cy + 4;
    }
    for (ToolBarItem* pItem : items)
        if (pItem->nType == TBIT_SEPARATOR) pItem->rc.right = 3 + widest;
    return CSize(widest + 6, y);
}

BOOL QVDockToolBarIsVertical(DWORD dwBarStyle) {
    return (dwBarStyle & CBRS_ORIENT_VERT) && !(dwBarStyle & CBRS_FLOATING);
}

BOOL QVDockToolBarModeIsVertical(DWORD nMode) {
    return (nMode & LM_VERTDOCK) != 0;
}

BOOL QVApplyToolBarItemUpdate(ToolBarItem& item, const ToolBarItemUpdate& update) {
    BOOL bChanged = FALSE;
    if (update.bEnableChanged && (item.bEnabled != FALSE) != (update.bEnabled != FALSE)) {
        item.bEnabled = update.bEnabled ? TRUE : FALSE;
        bChanged = TRUE;
    }
    const BOOL bChecked = update.nCheck != 0;
    if (update.bCheckChanged && (item.bChecked != FALSE) != bChecked) {
        item.bChecked = bChecked;
        bChanged = TRUE;
    }
    return bChanged;
}
