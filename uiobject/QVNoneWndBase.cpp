#include "QVNoneWndBase.h"

BOOL CQVNoneWndBase::Create(CWnd* pParent, const CRect& rect, COLORREF clrBack, COLORREF clrFore,
                            BOOL bTransparent) {
    m_pParent = pParent;
    m_rect = rect;
    m_clrBack = clrBack;
    m_clrFore = clrFore;
    m_bTransparent = bTransparent;
    return TRUE;
}

void CQVNoneWndBase::Draw(CDC* pDC, CRgn* /*pRgn*/) {
    if (pDC) pDC->Rectangle(&m_rect);
}

void CQVNoneWndBase::SetVisible(BOOL bVisible) {
    m_bVisible = bVisible;
    Changed();
}

void CQVNoneWndBase::SetEnable(BOOL bEnable) {
    m_bEnabled = bEnable;
    Changed();
}

void CQVNoneWndBase::SetControlRect(const CRect& rect) {
    m_rect = rect;
    Changed();
}

void CQVNoneWndBase::SetBackColor(COLORREF clr) {
    m_clrBack = clr;
    Changed();
}

void CQVNoneWndBase::SetForeColor(COLORREF clr) {
    m_clrFore = clr;
    Changed();
}

void CQVNoneWndBase::SetTransparent(BOOL bTransparent) {
    m_bTransparent = bTransparent;
    Changed();
}

void CQVNoneWndBase::SetRedraw(BOOL bRedraw) {
    m_bRedraw = bRedraw;
    Changed();
}

void CQVNoneWndBase::Update(BOOL bErase) {
    if (m_pParent && ::IsWindow(m_pParent->GetSafeHwnd())) m_pParent->InvalidateRect(&m_rect, bErase);
}
