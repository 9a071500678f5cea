#include "QVSpinButtonCtrl.h"

#include <QVSkinResManager.h>

#include "QVMouseLoop.h"
#include "QVSelectScope.h"
#include "QVSpinButtonLayout.h"

namespace {

const COLORREF kClrHot = RGB(255, 0, 0);
const COLORREF kClrPressed = RGB(0, 255, 255);

COLORREF SkinBorderColour() {
    return CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVSpinButtonCtrl, CSpinButtonCtrl)

BEGIN_MESSAGE_MAP(CQVSpinButtonCtrl, CSpinButtonCtrl)
ON_WM_CREATE()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVSpinButtonCtrl::OnSkinChanged)
ON_MESSAGE(UDM_SETBUDDY, &CQVSpinButtonCtrl::OnSetBuddy)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CQVSpinButtonCtrl::OnMouseLeave)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CQVSpinButtonCtrl::CQVSpinButtonCtrl()
    : m_pBtnRes(CQVSkinResManager::GetSingletonPtr()->GetBtnRes()), m_clrBorder(SkinBorderColour()) {}

CQVSpinButtonCtrl::~CQVSpinButtonCtrl() = default;

BOOL CQVSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    m_bCreating = TRUE;
    const BOOL bCreated = CSpinButtonCtrl::Create(dwStyle, rect, pParentWnd, nID);
    m_bCreating = FALSE;
    return bCreated;
}

BOOL CQVSpinButtonCtrl::IsSkinned() const {
    return m_pBtnRes && m_pBtnRes->m_nSkinSpin;
}

void CQVSpinButtonCtrl::AdjustGeometry() {
    if (!GetSafeHwnd()) return;
    const int cx = m_pBtnRes ? m_pBtnRes->m_nSpinWidth : 0;
    const int cy = m_pBtnRes ? m_pBtnRes->m_nSpinHeight * 2 : 0;
    if (IsSkinned() && !IsHorizontal() && cx > 0 && cy > 0) {
        CRect rcSpin;
        GetWindowRect(&rcSpin);
        CPoint pt(rcSpin.left, rcSpin.top);
        const HWND hBuddy = reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY));
        if (hBuddy && hBuddy != m_hWnd && ::IsWindow(hBuddy)) {
            CRect rcBuddy;
            ::GetWindowRect(hBuddy, &rcBuddy);
            // Without SWP_NOZORDER the buddy would move to the top and first in the tab order.
            ::SetWindowPos(hBuddy, NULL, 0, 0, rcBuddy.Width(), cy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            pt.x = rcBuddy.right + 1;
        }
        if (CWnd* pParent = GetParent()) pParent->ScreenToClient(&pt);
        SetWindowPos(NULL, pt.x, pt.y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    m_rcUp = qvspin::UpHalf(rcClient);
    m_rcDown = qvspin::DownHalf(rcClient);
}

void CQVSpinButtonCtrl::PreSubclassWindow() {
    if (!m_bCreating) AdjustGeometry();
    CSpinButtonCtrl::PreSubclassWindow();
}

void CQVSpinButtonCtrl::SetState(int nState) {
    if (nState == m_nState) return;
    m_nState = nState;
    Invalidate(TRUE);
}

void CQVSpinButtonCtrl::DrawSkinned(CDC* pDC, const CRect& rcClient) {
    CPen pen(PS_SOLID, 1, m_clrBorder);
    {
        CQVSelectScope scope(pDC, pen.GetSafeHandle());
        pDC->Rectangle(&rcClient);
    }
    const CQVBitmap& bmp = m_pBtnRes->m_bmpSpin;
    bmp.Draw(pDC, m_rcUp.left, m_rcUp.top, qvspin::UpFrame(m_nState));
    bmp.Draw(pDC, m_rcDown.left, m_rcDown.top, qvspin::DownFrame(m_nState));
}

void CQVSpinButtonCtrl::DrawPlain(CDC* pDC, const CRect& rcClient) {
    CPen pen(PS_SOLID, 1, m_clrBorder);
    CPen penHot(PS_SOLID, 1, kClrHot);
    CPen penPressed(PS_SOLID, 1, kClrPressed);
    CQVSelectScope scope(pDC, pen.GetSafeHandle());
    pDC->Rectangle(&rcClient);
    auto penFor = [&](int nHot, int nPressed) {
        return m_nState == nHot ? &penHot : m_nState == nPressed ? &penPressed : &pen;
    };
    pDC->SelectObject(penFor(qvspin::STATE_UP_HOT, qvspin::STATE_UP_PRESSED));
    pDC->Rectangle(&m_rcUp);
    pDC->SelectObject(penFor(qvspin::STATE_DOWN_HOT, qvspin::STATE_DOWN_PRESSED));
    pDC->Rectangle(&m_rcDown);
    pDC->SelectObject(&pen);
}

int CQVSpinButtonCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CSpinButtonCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    if (m_bCreating) AdjustGeometry();
    return 0;
}

LRESULT CQVSpinButtonCtrl::OnSkinChanged(WPARAM, LPARAM) {
    m_pBtnRes = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
    m_clrBorder = SkinBorderColour();
    AdjustGeometry();
    Invalidate(TRUE);
    return 0;
}

LRESULT CQVSpinButtonCtrl::OnSetBuddy(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    AdjustGeometry();
    Invalidate(TRUE);
    return lResult;
}

BOOL CQVSpinButtonCtrl::OnEraseBkgnd(CDC* pDC) {
    if (IsHorizontal()) return CSpinButtonCtrl::OnEraseBkgnd(pDC);
    return TRUE;
}

void CQVSpinButtonCtrl::OnPaint() {
    if (IsHorizontal()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (IsSkinned())
        DrawSkinned(&dc, rcClient);
    else
        DrawPlain(&dc, rcClient);
}

void CQVSpinButtonCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    if (!(nFlags & MK_LBUTTON) && !IsHorizontal()) {
        SetState(qvspin::StateAt(m_rcUp, m_rcDown, point, false));
        if (!m_bTracking) {
            m_bTracking = QVTrackMouseLeave(m_hWnd);
        }
    }
    CSpinButtonCtrl::OnMouseMove(nFlags, point);
}

LRESULT CQVSpinButtonCtrl::OnMouseLeave(WPARAM, LPARAM) {
    m_bTracking = FALSE;
    // The system's control holds the mouse while an arrow is pressed: the press keeps its look until
    // the button is released, wherever the mouse goes.
    const BOOL bHeld = (m_nState == qvspin::STATE_UP_PRESSED || m_nState == qvspin::STATE_DOWN_PRESSED) &&
                       ::GetCapture() == m_hWnd;
    if (!bHeld) {
        m_nState = qvspin::STATE_NONE;
        Invalidate(TRUE);
    }
    return 0;
}

void CQVSpinButtonCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    if (!IsHorizontal()) SetState(qvspin::StateAt(m_rcUp, m_rcDown, point, true));
    CSpinButtonCtrl::OnLButtonDown(nFlags, point);
}

void CQVSpinButtonCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    if (!IsHorizontal()) {
        const int nState = qvspin::StateAt(m_rcUp, m_rcDown, point, false);
        if (nState != m_nState) {
            m_nState = nState;
            Invalidate(FALSE);
        }
    }
    CSpinButtonCtrl::OnLButtonUp(nFlags, point);
}
