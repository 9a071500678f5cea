#include "TransparentBkg.h"

namespace {

// The window rectangle of pWnd in client coordinates of pParent.
CRect WindowRectInParent(CWnd* pWnd, CWnd* pParent) {
    CRect rc;
    pWnd->GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    return rc;
}

CWnd* ParentOf(CWnd* pWnd, CWnd* pParent) {
    if (pParent->GetSafeHwnd()) return pParent;
    return pWnd->GetSafeHwnd() ? pWnd->GetParent() : nullptr;
}

}  // namespace

void DrawTransparentBkg(CWnd* pWnd, CWnd* pParent, CDC* pDC) {
    pParent = ParentOf(pWnd, pParent);
    if (!pWnd->GetSafeHwnd() || !pParent->GetSafeHwnd() || !pDC->GetSafeHdc()) return;

    const CRect rc = WindowRectInParent(pWnd, pParent);
    const int nSaved = pDC->SaveDC();
    pDC->SetViewportOrg(-rc.left, -rc.top);

    // Clip regions are in device units: the window's area moved by the new viewport origin.
    CRgn rgn;
    rgn.CreateRectRgnIndirect(&rc);
    rgn.OffsetRgn(pDC->GetViewportOrg());
    pDC->SelectClipRgn(&rgn, RGN_COPY);

    pParent->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), 0);

    pDC->RestoreDC(nSaved);
    rgn.DeleteObject();
}

void DrawTransparentBkg_2(CWnd* pWnd, CWnd* pParent, CDC* pDC) {
    pParent = ParentOf(pWnd, pParent);
    if (!pWnd->GetSafeHwnd() || !pParent->GetSafeHwnd() || !pDC->GetSafeHdc()) return;

    const CRect rc = WindowRectInParent(pWnd, pParent);
    pDC->SetViewportOrg(-rc.left, -rc.top);
    pParent->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), 0);
}
