#include "QVToolBarPlusItem.h"

#include "QVSelectScope.h"

namespace {

DWORD TickClock() {
    return ::GetTickCount();
}

CQVToolBarPlusItem::ClockFunc g_pfnClock = &TickClock;

}  // namespace

void CQVToolBarPlusItem::SetClock(ClockFunc pfnClock) {
    g_pfnClock = pfnClock ? pfnClock : &TickClock;
}

DWORD CQVToolBarPlusItem::Now() {
    return g_pfnClock();
}

int CQVToolBarPlusItem::_CalcItemWidth(CDC* pDC, HFONT hFont, int nMaxWidth, LPCTSTR lpszText, int nExtra) {
    CRect rc(0, 0, nMaxWidth, 30);
    {
        CQVSelectScope scope(pDC, hFont);
        pDC->DrawText(lpszText, -1, &rc, DT_CALCRECT | DT_SINGLELINE);
    }
    const int nWidth = rc.Width() + nExtra;
    return (nMaxWidth > 0 && nMaxWidth < nWidth) ? nMaxWidth : nWidth;
}
