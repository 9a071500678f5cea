#include "QVDropdownButton.h"

#include "QVAliveToken.h"
#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVSelectScope.h"
#include "QVWndClass.h"
#include "TransparentBkg.h"

namespace {

const TCHAR kClassName[] = _T("QVDropdownButton");
const UINT kTextFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;  // 0x8025
const int kFrames = 4;

COLORREF TextColour(int nState) {
    if (nState == qvdropdown::STATE_HOVER) return RGB(0xFF, 0x80, 0x80);  // 0x8080FF
    if (nState == qvdropdown::STATE_DISABLED) return RGB(0x80, 0x80, 0x80);
    return RGB(0, 0, 0);
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVDropdownButton, CWnd)

BEGIN_MESSAGE_MAP(CQVDropdownButton, CWnd)
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVDropdownButton::OnSkinChanged)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_NCHITTEST()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CQVDropdownButton::OnMouseLeave)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CQVDropdownButton::CQVDropdownButton() = default;

CQVDropdownButton::~CQVDropdownButton() = default;

BOOL CQVDropdownButton::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                               UINT nID) {
    if (!QVRegisterWndClass(kClassName, CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW), NULL))
        return FALSE;
    CRect rc(rect);
    const int cy = m_bmpMain.GetSrcImageRect().Height();
    if (cy > 0) rc.bottom = rc.top + cy;
    m_bCreating = TRUE;
    const BOOL bCreated = CWnd::Create(kClassName, lpszText, dwStyle, rc, pParentWnd, nID);
    m_bCreating = FALSE;
    if (bCreated) LayoutParts();
    return bCreated;
}

BOOL CQVDropdownButton::SetImages(LPCTSTR lpszMainImage, LPCTSTR lpszArrowImage, int nLeftWidth,
                                  int nRightWidth, BOOL bTransparent, COLORREF clrKey) {
    const BOOL bMain = m_bmpMain.LoadBitmap(lpszMainImage);
    const BOOL bArrow = m_bmpArrow.LoadBitmap(lpszArrowImage);
    m_bmpMain.SetFillParam(nLeftWidth, nRightWidth, 1);
    m_bmpArrow.SetFillParam(0, 0, 1);
    m_bmpMain.SetMultiState(kFrames, TRUE);
    m_bmpArrow.SetMultiState(kFrames, TRUE);
    m_bTransparent = bTransparent;
    m_clrKey = clrKey;
    AdjustSize();
    if (GetSafeHwnd()) Invalidate(FALSE);
    return bMain && bArrow;
}

void CQVDropdownButton::EnablePart(int nPart, BOOL bEnable) {
    if (nPart != QVDBP_MAIN && nPart != QVDBP_ARROW) return;
    int& nState = nPart == QVDBP_MAIN ? m_input.nMain : m_input.nArrow;
    nState = bEnable ? qvdropdown::STATE_NORMAL : qvdropdown::STATE_DISABLED;
    InvalidateParts(nPart == QVDBP_MAIN ? qvdropdown::CHANGED_MAIN : qvdropdown::CHANGED_ARROW);
}

void CQVDropdownButton::AdjustSize() {
    if (!GetSafeHwnd()) return;
    const int cy = m_bmpMain.GetSrcImageRect().Height();
    CRect rc;
    GetWindowRect(&rc);
    // Resizing a child costs the system some milliseconds: only when the height changes.
    if (cy > 0 && rc.Height() != cy)
        SetWindowPos(NULL, 0, 0, rc.Width(), cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutParts();
}

void CQVDropdownButton::PreSubclassWindow() {
    if (!m_bCreating) AdjustSize();
    CWnd::PreSubclassWindow();
}

void CQVDropdownButton::LayoutParts() {
    if (!GetSafeHwnd()) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    m_parts = qvdropdown::LayoutParts(rcClient, m_bmpArrow.GetSrcImageRect().Width());
}

void CQVDropdownButton::InvalidateParts(int nChanged) {
    if (!GetSafeHwnd()) return;
    if (nChanged & qvdropdown::CHANGED_MAIN) InvalidateRect(&m_parts.rcMain, FALSE);
    if (nChanged & qvdropdown::CHANGED_ARROW) InvalidateRect(&m_parts.rcArrow, FALSE);
}

void CQVDropdownButton::DrawPart(CDC* pDC, const CQVBitmap& image, const CRect& rc, int nState) const {
    if (m_bTransparent)
        image.TransparentDrawFill(pDC, rc, m_clrKey, nState);
    else
        image.DrawFill(pDC, rc, nState);
}

void CQVDropdownButton::Notify(const qvdropdown::Click& click) {
    QVDROPDOWN_NOTIFY record = {};
    record.hdr.hwndFrom = m_hWnd;
    record.hdr.idFrom = GetDlgCtrlID();
    record.hdr.code = QVDBN_CLICKED;
    record.nMainPart = click.nPart;
    CRect rcPart = click.rcPart;
    if (click.nPart != QVDBP_NONE) ClientToScreen(&rcPart);
    record.rcPart = rcPart;
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_NOTIFY, record.hdr.idFrom, reinterpret_cast<LPARAM>(&record));
}

// ---- Messages ----

LRESULT CQVDropdownButton::OnSkinChanged(WPARAM, LPARAM) {
    AdjustSize();
    Invalidate(TRUE);
    return 0;
}

void CQVDropdownButton::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    LayoutParts();
}

BOOL CQVDropdownButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVDropdownButton::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) return;
    CQVPaintMemoryDC dcMem(this, &dc);
    if (m_bTransparent) DrawTransparentBkg(this, GetParent(), &dcMem);
    DrawPart(&dcMem, m_bmpMain, m_parts.rcMain, m_input.nMain);
    CString strText;
    GetWindowText(strText);
    if (!strText.IsEmpty() && !m_parts.rcMain.IsRectEmpty()) {
        CQVSelectScope scope(&dcMem, ::GetStockObject(DEFAULT_GUI_FONT));
        dcMem.SetBkMode(TRANSPARENT);
        dcMem.SetTextColor(TextColour(m_input.nMain));
        CRect rcText = m_parts.rcMain;
        dcMem.DrawText(strText, &rcText, kTextFlags);
    }
    DrawPart(&dcMem, m_bmpArrow, m_parts.rcArrow, m_input.nArrow);
}

LRESULT CQVDropdownButton::OnNcHitTest(CPoint) {
    // A subclassed static would answer HTTRANSPARENT and never see the mouse.
    return HTCLIENT;
}

void CQVDropdownButton::OnMouseMove(UINT nFlags, CPoint point) {
    InvalidateParts(qvdropdown::OnMove(m_input, m_parts, point, (nFlags & MK_LBUTTON) != 0));
    if (!m_bTracking) {
        m_bTracking = QVTrackMouseLeave(m_hWnd);
    }
    CWnd::OnMouseMove(nFlags, point);
}

LRESULT CQVDropdownButton::OnMouseLeave(WPARAM, LPARAM) {
    m_bTracking = FALSE;
    InvalidateParts(qvdropdown::OnLeave(m_input));
    return 0;
}

void CQVDropdownButton::OnLButtonDown(UINT nFlags, CPoint point) {
    InvalidateParts(qvdropdown::OnDown(m_input));
    CWnd::OnLButtonDown(nFlags, point);
}

void CQVDropdownButton::OnLButtonUp(UINT nFlags, CPoint point) {
    int nChanged = qvdropdown::CHANGED_NONE;
    const qvdropdown::Click click = qvdropdown::OnUp(m_input, m_parts, point, &nChanged);
    InvalidateParts(nChanged);
    if (click.bNotify) {
        const CQVAliveToken alive(this);
        Notify(click);
        // The parent may have destroyed or deleted the button while it answered.
        if (!alive) return;
    }
    CWnd::OnLButtonUp(nFlags, point);
}
