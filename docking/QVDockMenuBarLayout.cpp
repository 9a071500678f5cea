// The dock menu bar's arithmetic: access keys, the item row, hit test, states and the drop-down point.
#include "QVDockMenuBarLayout.h"

#include <algorithm>

namespace qvdockmenu {

BYTE AccessKeyOf(LPCTSTR lpszText) {
    if (lpszText == nullptr) return 0;
    const TCHAR* pAmp = _tcschr(lpszText, _T('&'));
    if (pAmp == nullptr || pAmp[1] == 0) return 0;
    const UINT nChar = static_cast<UINT>(static_cast<TBYTE>(pAmp[1]));
    return nChar > 0xFF ? 0 : static_cast<BYTE>(nChar);
}

std::map<BYTE, int> AccessKeyMap(const std::vector<BYTE>& keys) {
    std::map<BYTE, int> map;
    for (int i = 0; i < static_cast<int>(keys.size()); ++i)
        if (keys[i] != 0) map.emplace(keys[i], i);  // the first item with a key keeps it
    return map;
}

std::vector<CItemRects> LayoutItems(const CRect& rc, const std::vector<CSize>& textSizes, CSize* pBarSize) {
    std::vector<CItemRects> items;
    items.reserve(textSizes.size());
    int x = rc.left + kFirstItemLeft;
    int nRight = 0;
    int nBottom = rc.top;
    for (const CSize& size : textSizes) {
        CItemRects item;
        item.rcItem.SetRect(x, rc.top + kItemTop, x + size.cx + kTextExtraWidth,
                            rc.top + size.cy + kTextExtraHeight);
        item.rcHit = item.rcItem;
        item.rcHit.right -= kShadowRoom;
        item.rcHit.bottom -= kShadowRoom;
        x = item.rcHit.right;
        nRight = x;
        nBottom = std::max(nBottom, static_cast<int>(item.rcItem.Height()));
        items.push_back(item);
    }
    if (pBarSize) *pBarSize = CSize(nRight + kWindowMargin, nBottom + kWindowMargin);
    return items;
}

int HitTest(const std::vector<CItemRects>& items, CPoint pt) {
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
        if (items[i].rcHit.PtInRect(pt)) return i;
    return -1;
}

QVMenuItemState ItemState(int nItem, int nCurrent, BOOL bOpen) {
    if (nItem < 0 || nItem != nCurrent) return QVMIS_NORMAL;
    return bOpen ? QVMIS_PRESSED : QVMIS_HOT;
}

CPoint DropDownPoint(const CRect& rcBarWindow, const CRect& rcHit) {
    return CPoint(std::max(0L, static_cast<LONG>(rcBarWindow.left + rcHit.left)),
                  std::max(0L, static_cast<LONG>(rcBarWindow.top + rcHit.bottom)));
}

BOOL IsReopenGuarded(DWORD dwNow, DWORD dwLastEnd) {
    return dwNow - dwLastEnd < kReopenGuardMillis ? TRUE : FALSE;
}

}  // namespace qvdockmenu
