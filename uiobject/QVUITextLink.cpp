#include "QVUITextLink.h"

#include "QVSelectScope.h"
#include "QVUIDrawUtil.h"
#include "QVUIShell.h"

#include <algorithm>

namespace {

COLORREF LinkColour(int nState) {
    switch (nState) {
    case QVUILS_NORMAL:
        return RGB(0, 0, 0xFF);
    case QVUILS_HOVER:
        return RGB(0xFF, 0, 0);
    case QVUILS_PRESSED:
        return RGB(0x40, 0x40, 0x40);
    default:
        return RGB(0xC0, 0xC0, 0xC0);
    }
}

// The wait cursor for as long as the shell takes to start a program.
class CWaitCursorScope {
public:
    CWaitCursorScope() : m_hOld(::SetCursor(::LoadCursor(NULL, IDC_WAIT))) {}
    ~CWaitCursorScope() { ::SetCursor(m_hOld); }
    CWaitCursorScope(const CWaitCursorScope&) = delete;
    CWaitCursorScope& operator=(const CWaitCursorScope&) = delete;

private:
    HCURSOR m_hOld;
};

}  // namespace

CQVUITextLink::CQVUITextLink(CQVUIObject* pParent) : CQVUILabel(pParent) {}

void CQVUITextLink::Layout() {
    CQVUIMeasureDC measure(GetHostWnd());
    CDC* pDC = CDC::FromHandle(measure.GetSafeHdc());
    CFont font;
    CQVSelectScope tools(pDC, MakeFont(font, TRUE));
    CRect rc(0, 0, 1000, 30);
    pDC->DrawText(m_strText, &rc, DT_CALCRECT | DT_SINGLELINE);
    const int nWidth = std::min(rc.Width(), m_rcObject.Width());
    m_rcObject.right = m_rcObject.left + nWidth;
}

void CQVUITextLink::ChangeState(int nState) {
    if (m_nLinkState == nState) return;
    m_nLinkState = nState;
    UIInvalidate(TRUE);
}

int CQVUITextLink::OnMouseMove(const CPoint& pt) {
    ChangeState(QVUILS_HOVER);
    return CQVUILabel::OnMouseMove(pt);
}

int CQVUITextLink::OnLButtonDown(const CPoint& pt) {
    ChangeState(QVUILS_PRESSED);
    return CQVUILabel::OnLButtonDown(pt);
}

int CQVUITextLink::OnLButtonUp(const CPoint& pt) {
    if (m_nLinkState != QVUILS_HOVER) {
        ChangeState(QVUILS_HOVER);
        OpenUrl();
        CQVUIObjectGuard guard(this);
        NotifyParent(QVUIM_CLICKED, 0, 0);
        if (!guard) return 1;
    }
    return CQVUILabel::OnLButtonUp(pt);
}

int CQVUITextLink::OnMouseLeave() {
    ChangeState(QVUILS_NORMAL);
    return CQVUILabel::OnMouseLeave();
}

void CQVUITextLink::OpenUrl() const {
    if (m_strUrl.IsEmpty()) return;
    CWaitCursorScope wait;
    if (m_strUrl.Left(7) == _T("http://"))
        QVUIShellExecute(NULL, _T("Open"), _T("IEXPLORE.EXE"), m_strUrl, NULL, SW_SHOWNORMAL);
    else if (m_strUrl.Left(4) == _T("www."))
        QVUIShellExecute(NULL, _T("Open"), _T("IEXPLORE.EXE"), _T("http://") + m_strUrl, NULL, SW_SHOWNORMAL);
    else
        QVUIShellExecute(NULL, _T("open"), m_strUrl, NULL, NULL, SW_SHOWNORMAL);
}

void CQVUITextLink::OnRender(CDC& dc, const CRect& /*rcClip*/) {
    CFont font;
    CQVSelectScope tools(dc, MakeFont(font, TRUE));
    const COLORREF clrOld = dc.SetTextColor(LinkColour(m_nLinkState));
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    CRect rc = m_rcObject;
    dc.DrawText(m_strText, &rc, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    dc.SetBkMode(nOldMode);
    dc.SetTextColor(clrOld);
}
