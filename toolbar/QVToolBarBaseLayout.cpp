#include "QVToolBarBaseLayout.h"

#include <algorithm>

CSize QVLayoutToolBarItems(std::vector<ToolBarItem*>& items,
                           const std::function<int(const CString&)>& textWidth) {
    int x = 10, height = 6;
    for (ToolBarItem* pItem : items) {
        const int cx = std::max(0, static_cast<int>(pItem->szImage.cx));
        const int cy = std::max(0, static_cast<int>(pItem->szImage.cy));
        const int tw = pItem->strText.IsEmpty() ? 0 : std::max(0, textWidth(pItem->strText));
        if (pItem->nType == TBIT_DROPDOWN) {
            pItem->rc.SetRect(x, 3, x + cx + kToolBarArrowWidth + tw, cy + 3);
            x += cx + kToolBarArrowWidth + 4 + tw;
        } else {
            pItem->rc.SetRect(x, 3, x + cx + tw, cy + 3);
            x += cx + 4 + tw;
        }
        if (pItem->nType != TBIT_SEPARATOR) height = std::max(height, cy + 6);
    }
    return CSize(x, height);
}

int QVToolBarHitTest(const std::vector<ToolBarItem*>& items, CPoint pt) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i]->rc.PtInRect(pt)) return static_cast<int>(i);
    return -1;
}

BOOL QVToolBarInArrowPart(const ToolBarItem& item, CPoint pt) {
    return item.nType == TBIT_DROPDOWN && item.rc.PtInRect(pt) && pt.x >= item.rc.right - kToolBarArrowWidth;
}

void QVToolBarRadioGroup(const std::vector<ToolBarItem*>& items, int nIndex, int& nFirst, int& nLast) {
    const int nCount = static_cast<int>(items.size());
    nFirst = nLast = nIndex;
    if (nIndex < 0 || nIndex >= nCount) return;
    while (nFirst > 0 && items[nFirst - 1]->nType != TBIT_SEPARATOR)
        --nFirst;
    while (nLast + 1 < nCount && items[nLast + 1]->nType != TBIT_SEPARATOR)
        ++nLast;
}

COLORREF QVToolBarPressFill(COLORREF crHotFill) {
    auto lower = [](int c) { return static_cast<BYTE>(std::max(0, c - 0x14)); };
    return RGB(lower(GetRValue(crHotFill)), lower(GetGValue(crHotFill)), lower(GetBValue(crHotFill)));
}

ToolBarItemParts QVToolBarItemParts(const ToolBarItem& item, CSize szImage) {
    ToolBarItemParts parts;
    const CRect& rc = item.rc;
    parts.ptImage = CPoint(rc.left + 1, rc.top + (rc.Height() - szImage.cy) / 2);
    const BOOL bArrow = item.nType == TBIT_DROPDOWN || item.nType == TBIT_MENUBUTTON;
    parts.rcText.SetRect(rc.left + std::max(0, static_cast<int>(item.szImage.cx)), rc.top,
                         bArrow ? rc.right - 15 : rc.right, rc.bottom);
    parts.rcMain = rc;
    if (bArrow) {
        parts.rcArrow.SetRect(rc.right - kToolBarArrowWidth, rc.top, rc.right, rc.top + 16);
        if (item.nType == TBIT_DROPDOWN) parts.rcMain.right = rc.right - kToolBarArrowWidth;
    }
    return parts;
}

BOOL QVParseToolBarResource(const void* pData, size_t cb, ToolBarResource& res) {
    res = ToolBarResource();
    if (!pData || cb < 8) return FALSE;
    const WORD* pWords = static_cast<const WORD*>(pData);
    const size_t nCount = pWords[3];
    if (cb < 8 + nCount * 2) return FALSE;
    res.wVersion = pWords[0];
    res.cx = pWords[1];
    res.cy = pWords[2];
    res.ids.assign(pWords + 4, pWords + 4 + nCount);
    return TRUE;
}

void QVSplitToolBarString(const CString& strResource, const std::function<CString(const CString&)>& translate,
                          CString& strText, CString& strTooltip) {
    CString str = strResource;
    if (!str.IsEmpty() && str[0] == _T('~') && translate) str = translate(str.Mid(1));
    const int nBreak = str.Find(_T('\n'));
    strText = nBreak < 0 ? str : str.Left(nBreak);
    strTooltip = nBreak < 0 ? CString() : str.Mid(nBreak + 1);
}

HWND& QVToolBarPromptWnd() {
    static HWND s_hWnd = nullptr;
    return s_hWnd;
}
