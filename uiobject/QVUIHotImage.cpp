#include "QVUIHotImage.h"

#include "QVSelectScope.h"
#include "QVUIDrawUtil.h"

namespace {

const UINT kHoverDelay = 500;

}  // namespace

CQVUIHotImage::CQVUIHotImage(CQVUIObject* pParent) : CQVUIImage(pParent) {}

CQVUIHotImage::~CQVUIHotImage() {
    StopHostTimer(m_nHoverTimer);
}

void CQVUIHotImage::SetBorderColors(COLORREF clrNormal, COLORREF clrHover, COLORREF clrPressed,
                                    COLORREF clrDisabled) {
    m_clrBorder[QVUIHS_NORMAL] = clrNormal;
    m_clrBorder[QVUIHS_HOVER] = clrHover;
    m_clrBorder[QVUIHS_PRESSED] = clrPressed;
    m_clrBorder[QVUIHS_DISABLED] = clrDisabled;
}

void CQVUIHotImage::ChangeState(int nState) {
    if (m_nState == nState) return;
    m_nState = nState;
    UIInvalidate(TRUE);
}

void CQVUIHotImage::Layout() {
    if (!m_bAutoSize) return;
    const CSize size = m_image.GetImageSize();
    m_rcObject.right = m_rcObject.left + size.cx + 2 * m_nMargin;
    m_rcObject.bottom = m_rcObject.top + size.cy + 2 * m_nMargin;
}

int CQVUIHotImage::OnMouseMove(const CPoint& pt) {
    if (m_nState != QVUIHS_HOVER) {
        ChangeState(QVUIHS_HOVER);
        // A hot image takes a new timer id on every entry; the manager keeps the ids unique.
        if (!m_nHoverTimer) m_nHoverTimer = StartHostTimer(kHoverDelay);
    }
    CQVUIImage::OnMouseMove(pt);
    return 1;
}

int CQVUIHotImage::OnLButtonDown(const CPoint& /*pt*/) {
    ChangeState(QVUIHS_PRESSED);
    return 1;
}

int CQVUIHotImage::OnLButtonUp(const CPoint& /*pt*/) {
    if (m_nState != QVUIHS_HOVER) {
        ChangeState(QVUIHS_HOVER);
        NotifyParent(QVUIM_CLICKED, 0, 0);
    }
    return 1;
}

int CQVUIHotImage::OnMouseLeave() {
    if (m_nState != QVUIHS_NORMAL) {
        ChangeState(QVUIHS_NORMAL);
        CQVUIObjectGuard guard(this);
        if (m_bHoverReported) {
            m_bHoverReported = FALSE;
            NotifyParent(QVUIM_HOVER, QVUIH_LEFT, 0);
            if (!guard) return 1;
        }
    }
    CQVUIImage::OnMouseLeave();
    return 1;
}

int CQVUIHotImage::__OnTimer(UINT nTimerID) {
    if (!nTimerID || nTimerID != m_nHoverTimer) return CQVUIImage::__OnTimer(nTimerID);
    // The timer ends here in every case, before the report: a client may delete this object from it.
    StopHostTimer(m_nHoverTimer);
    HWND hWnd = GetHostWnd();
    if (!hWnd) return 1;
    CRect rc = m_rcObject;
    if (m_bAllowScroll) LogicViewToHostWindow(rc);
    ::ClientToScreen(hWnd, reinterpret_cast<POINT*>(&rc.left));
    ::ClientToScreen(hWnd, reinterpret_cast<POINT*>(&rc.right));
    CPoint ptCursor;
    if (::GetCursorPos(&ptCursor) && rc.PtInRect(ptCursor)) {
        m_bHoverReported = TRUE;
        NotifyParent(QVUIM_HOVER, QVUIH_RESTED, 0);
    }
    return 1;
}

void CQVUIHotImage::OnRender(CDC& dc, const CRect& /*rcClip*/) {
    if (!m_bOwnEnable) m_nState = QVUIHS_DISABLED;
    const CRect& rc = m_rcObject;
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, m_clrBorder[m_nState >= 0 && m_nState <= 3 ? m_nState : 0]);
    {
        CQVSelectScope tools(dc, pen.GetSafeHandle(), ::GetStockObject(WHITE_BRUSH));
        dc.RoundRect(&rc, CPoint(m_nCorner, m_nCorner));
    }
    if (!m_image.IsLoaded()) return;
    const CSize size = m_image.GetImageSize();
    if (size.cx < rc.Width() && size.cy < rc.Height()) {
        const CPoint pt(rc.left + (rc.Width() - size.cx) / 2, rc.top + (rc.Height() - size.cy) / 2);
        m_image.Render(&dc, CRect(pt, size));
    } else {
        CRect rcInner = rc;
        rcInner.DeflateRect(m_nMargin, m_nMargin);
        m_image.FixRender(&dc, rcInner);
    }
}
