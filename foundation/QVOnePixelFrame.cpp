// The one-pixel frame shared by the skinned edit, list, tree, hot-key and date-time controls.
#include "QVOnePixelFrame.h"

#include "QVSelectScope.h"

void QVDrawOnePixelFrame(CWnd* pWnd, COLORREF clrBorder) {
    if (!pWnd || !pWnd->GetSafeHwnd()) return;
    CWindowDC dc(pWnd);
    CRect rc;
    pWnd->GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    CQVSelectScope scope(&dc, ::GetStockObject(NULL_BRUSH));
    scope.SelectOwned(::CreatePen(PS_SOLID, 1, clrBorder));
    dc.Rectangle(&rc);
}

void QVRecalcFrame(CWnd* pWnd) {
    if (!pWnd || !pWnd->GetSafeHwnd()) return;
    pWnd->SetWindowPos(NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
