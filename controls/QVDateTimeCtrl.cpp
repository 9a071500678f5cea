#include "QVDateTimeCtrl.h"

#include <QVBitmap.h>
#include <QVSkinResManager.h>

#include "QVAliveToken.h"
#include "QVPaintMemoryDC.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const UINT kPressPeriod = 1;  // ms

COLORREF SkinBorderColour() {
    return CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
}

const CQVSkinBtnRes* SkinButtonRecord() {
    return CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVDateTimeCtrl, CDateTimeCtrl)

BEGIN_MESSAGE_MAP(CQVDateTimeCtrl, CDateTimeCtrl)
ON_WM_CREATE()
ON_MESSAGE(WM_QV_RECALCFRAME, &CQVDateTimeCtrl::OnRecalcFrame)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, &CQVDateTimeCtrl::OnPrintClient)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_NOTIFY_REFLECT_EX(DTN_DROPDOWN, &CQVDateTimeCtrl::OnDropDownOrCloseUp)
ON_NOTIFY_REFLECT_EX(DTN_CLOSEUP, &CQVDateTimeCtrl::OnDropDownOrCloseUp)
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVDateTimeCtrl::OnSkinChanged)
END_MESSAGE_MAP()

CQVDateTimeCtrl::CQVDateTimeCtrl() : m_pBtnRes(SkinButtonRecord()), m_clrBorder(SkinBorderColour()) {}

CQVDateTimeCtrl::~CQVDateTimeCtrl() {
    // Released (unsubclassed) mid-press, the window lives on: the system control gets no ticks of a
    // press it never saw begin.
    StopPressTimer();
}

// ---- Painting ----

void CQVDateTimeCtrl::PaintControl(CDC* pDC) {
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) return;
    CQVPaintMemoryDC dcMem(this, pDC, kWhite);
    // The system control's own procedure draws the fields; it may send WM_PRINTCLIENT back to this
    // window, which then goes on to that procedure instead of painting the skinned picture again.
    ++m_nPrinting;
    ::CallWindowProc(m_pfnSuper ? m_pfnSuper : *GetSuperWndProcAddr(), m_hWnd, WM_PRINT,
                     reinterpret_cast<WPARAM>(dcMem.GetSafeHdc()), PRF_CHECKVISIBLE | PRF_CLIENT);
    --m_nPrinting;
    PaintDropButton(&dcMem);
}

void CQVDateTimeCtrl::PaintDropButton(CDC* pDC) {
    if (m_rcDrop.IsRectEmpty()) return;
    pDC->FillSolidRect(&m_rcDrop, kWhite);
    const int cx = m_pBtnRes->m_nComboDropWidth;
    const int cy = m_pBtnRes->m_nComboDropHeight;
    const int x = m_rcDrop.left + (m_rcDrop.Width() - cx) / 2;
    const int y = m_rcDrop.top + (m_rcDrop.Height() - cy) / 2;
    const CQVBitmap& bmp = m_pBtnRes->m_bmpComboDrop;
    if (m_pBtnRes->m_nTransparentImage)
        bmp.TransparentDraw(pDC, x, y, cx, cy, m_pBtnRes->m_clrTransparent, GetDrawnButtonFrame());
    else
        bmp.Draw(pDC, x, y, cx, cy, GetDrawnButtonFrame());
}

void CQVDateTimeCtrl::UpdateDropRect() {
    CRect rc;
    GetClientRect(&rc);
    if (GetStyle() & DTS_UPDOWN) {
        m_rcDrop.SetRectEmpty();
        return;
    }
    m_rcDrop.SetRect(rc.right - ::GetSystemMetrics(SM_CXVSCROLL), rc.top, rc.right, rc.bottom);
}

// ---- Press state ----

void CQVDateTimeCtrl::StopPressTimer() {
    if (!m_nTimer) return;
    ::KillTimer(m_hTimerWnd, m_nTimer);
    m_nTimer = 0;
}

HWND CQVDateTimeCtrl::UnsubclassWindow() {
    StopPressTimer();
    m_bPressed = m_bClicked = FALSE;
    return CDateTimeCtrl::UnsubclassWindow();
}

// ---- Creation and frame ----

void CQVDateTimeCtrl::PreSubclassWindow() {
    CDateTimeCtrl::PreSubclassWindow();
    UpdateDropRect();
    PostMessage(WM_QV_RECALCFRAME);
}

int CQVDateTimeCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDateTimeCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    PostMessage(WM_QV_RECALCFRAME);
    return 0;
}

LRESULT CQVDateTimeCtrl::OnRecalcFrame(WPARAM, LPARAM) {
    QVRecalcFrame(this);
    // The frame change resizes the client area, which brings a WM_SIZE; a window whose client size
    // did not change (a zero-size one) gets none and still needs its rectangle.
    UpdateDropRect();
    return 0;
}

void CQVDateTimeCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    QVOnePixelNcCalcSize(lpncsp, TRUE, [&] { CDateTimeCtrl::OnNcCalcSize(bCalcValidRects, lpncsp); });
}

void CQVDateTimeCtrl::OnNcPaint() {
    // The system's sunken edge is never drawn: the frame is the whole non-client area.
    QVDrawOnePixelFrame(this, m_clrBorder);
}

void CQVDateTimeCtrl::OnSize(UINT nType, int cx, int cy) {
    CDateTimeCtrl::OnSize(nType, cx, cy);
    UpdateDropRect();
    Invalidate(TRUE);
}

BOOL CQVDateTimeCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVDateTimeCtrl::OnPaint() {
    CPaintDC dc(this);
    PaintControl(&dc);
}

LRESULT CQVDateTimeCtrl::OnPrintClient(WPARAM wParam, LPARAM) {
    if (m_nPrinting) return Default();
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) PaintControl(pDC);
    return 0;
}

// ---- Mouse and timer ----

void CQVDateTimeCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    m_bClicked = FALSE;
    if (m_rcDrop.PtInRect(point)) {
        m_bPressed = TRUE;
        m_bClicked = TRUE;
        InvalidateRect(&m_rcDrop, FALSE);
        UpdateWindow();
        if (!m_nTimer) {
            m_nTimer = SetTimer(QVDT_PRESS_TIMER, kPressPeriod, nullptr);
            m_hTimerWnd = m_hWnd;
        }
    }
    // The default processing opens the calendar; the parent hears DTN_DROPDOWN there and may destroy
    // the control.
    const CQVAliveToken alive(this);
    CDateTimeCtrl::OnLButtonDown(nFlags, point);
    if (!alive || !m_hWnd) return;
    InvalidateRect(&m_rcDrop, FALSE);
    UpdateWindow();
}

void CQVDateTimeCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bPressed) {
        m_bPressed = FALSE;
        Invalidate(FALSE);
        UpdateWindow();
    }
    StopPressTimer();
    CDateTimeCtrl::OnLButtonUp(nFlags, point);
}

void CQVDateTimeCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    if (!(nFlags & MK_LBUTTON)) {
        if (m_bPressed) {
            m_bPressed = FALSE;
            Invalidate(FALSE);
        }
        CDateTimeCtrl::OnMouseMove(nFlags, point);
        return;
    }
    const BOOL bWasPressed = m_bPressed;
    m_bPressed = m_rcDrop.PtInRect(point);
    const CQVAliveToken alive(this);
    CDateTimeCtrl::OnMouseMove(nFlags, point);
    if (alive && m_hWnd && bWasPressed != m_bPressed) Invalidate(FALSE);
}

void CQVDateTimeCtrl::OnMouseLeave() {
    InvalidateRect(&m_rcDrop, FALSE);
}

void CQVDateTimeCtrl::OnTimer(UINT_PTR nIDEvent) {
    // A tick while no press runs (sent by someone else) changes nothing.
    if (nIDEvent == QVDT_PRESS_TIMER && m_nTimer) {
        if (::GetKeyState(VK_LBUTTON) >= 0) {
            m_bClicked = FALSE;
            m_bPressed = FALSE;
            StopPressTimer();
            Invalidate(FALSE);
        } else {
            CPoint pt;
            ::GetCursorPos(&pt);
            ScreenToClient(&pt);
            m_bPressed = m_rcDrop.PtInRect(pt);
            Invalidate(FALSE);
            UpdateWindow();
        }
    }
    CDateTimeCtrl::OnTimer(nIDEvent);
}

void CQVDateTimeCtrl::OnDestroy() {
    StopPressTimer();
    m_bClicked = FALSE;
    m_bPressed = FALSE;
    CDateTimeCtrl::OnDestroy();
}

BOOL CQVDateTimeCtrl::OnDropDownOrCloseUp(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    return FALSE;  // the parent hears the notification too
}

LRESULT CQVDateTimeCtrl::OnSkinChanged(WPARAM, LPARAM) {
    m_pBtnRes = SkinButtonRecord();
    m_clrBorder = SkinBorderColour();
    RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
    return 1;
}
