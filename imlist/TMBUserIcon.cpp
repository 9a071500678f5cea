// The user picture button: owner drawing, fixed size when created, hover reports to the parent.
#include "TMBUserIcon.h"

#include "QVBitmap.h"
#include "QVMouseLoop.h"
#include "QVSelectScope.h"

IMPLEMENT_DYNAMIC(CTMBUserIcon, CButton)

BEGIN_MESSAGE_MAP(CTMBUserIcon, CButton)
ON_WM_CREATE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CTMBUserIcon::~CTMBUserIcon() = default;

void CTMBUserIcon::SetUserImage(CQVBitmap* pImage) {
    m_pImage = pImage;
    if (m_hWnd) Invalidate();
}

void CTMBUserIcon::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    const DWORD dwStyle = GetStyle();
    if ((dwStyle & BS_TYPEMASK) != BS_OWNERDRAW)
        ::SetWindowLong(m_hWnd, GWL_STYLE, static_cast<LONG>((dwStyle & ~BS_TYPEMASK) | BS_OWNERDRAW));
}

int CTMBUserIcon::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CButton::OnCreate(lpCreateStruct) == -1) return -1;
    SetWindowPos(NULL, 0, 0, ICON_SIZE, ICON_SIZE, SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    return 0;
}

void CTMBUserIcon::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rc(lpDrawItemStruct->rcItem);
    {
        const CQVSelectScope scope =
            CQVSelectScope::SolidPenBrush(*pDC, RGB(110, 180, 220), RGB(255, 255, 255));
        pDC->RoundRect(rc, CPoint(2, 2));
    }
    if (m_pImage) m_pImage->Draw(pDC, rc.left + 2, rc.top + 2, 0);
    const UINT nState = lpDrawItemStruct->itemState;
    if (!(nState & ODS_DISABLED) && !(nState & ODS_SELECTED) && m_bHover) {
        rc.DeflateRect(1, 1);
        CPen penHover(PS_SOLID, 1, RGB(0, 0, 255));
        CQVSelectScope scope(pDC, penHover.GetSafeHandle(), ::GetStockObject(NULL_BRUSH));
        pDC->RoundRect(rc, CPoint(2, 2));
    }
}

void CTMBUserIcon::OnMouseMove(UINT nFlags, CPoint point) {
    CButton::OnMouseMove(nFlags, point);
    if (m_bHover) return;
    m_bHover = 1;
    Invalidate();
    QVTrackMouseLeave(m_hWnd);
    if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_TMB_USERICON_ENTER, 0, 0);
}

void CTMBUserIcon::OnMouseLeave() {
    CButton::OnMouseLeave();
    m_bHover = 0;
    Invalidate();
    if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_TMB_USERICON_LEAVE, 0, 0);
}
