#include "QVAnimationButton.h"

#include <gdiplus.h>

#include "QVAliveToken.h"
#include "QVPaintMemoryDC.h"
#include "QVWndClass.h"
#include "TransparentBkg.h"

namespace {

const TCHAR kClassName[] = _T("QVAnimationButton");
const UINT kFadePeriod = 50;  // milliseconds

}  // namespace

IMPLEMENT_DYNAMIC(CQVAnimationButton, CWnd)

BEGIN_MESSAGE_MAP(CQVAnimationButton, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_NCHITTEST()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CQVAnimationButton::OnMouseLeave)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CQVAnimationButton::CQVAnimationButton() = default;

CQVAnimationButton::~CQVAnimationButton() = default;

BOOL CQVAnimationButton::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                                UINT nID) {
    if (!QVRegisterWndClass(kClassName, CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW), NULL))
        return FALSE;
    return CWnd::Create(kClassName, lpszText, dwStyle, rect, pParentWnd, nID);
}

BOOL CQVAnimationButton::LoadImages(LPCTSTR lpszBackgroundImage, LPCTSTR lpszHotImage) {
    const BOOL bBackground = m_imgBackground.Load(lpszBackgroundImage);
    const BOOL bHot = m_imgHot.Load(lpszHotImage);
    if (GetSafeHwnd()) Invalidate(FALSE);
    return bBackground && bHot;
}

void CQVAnimationButton::StartFade(BOOL bFadeIn) {
    if (!m_nTimer) m_nTimer = SetTimer(QVAB_FADE_TIMER, kFadePeriod, NULL);
    m_bFadingIn = bFadeIn;
}

void CQVAnimationButton::StopFade() {
    if (m_nTimer && GetSafeHwnd()) KillTimer(m_nTimer);
    m_nTimer = 0;
}

void CQVAnimationButton::Draw(CDC* pDC, const CRect& rcClient) const {
    Gdiplus::Graphics graphics(pDC->GetSafeHdc());
    if (m_imgBackground.IsLoaded()) m_imgBackground.Render(&graphics, rcClient);
    Gdiplus::Image* pHot = m_imgHot.GetImage();
    if (!pHot || m_fOpacity <= 0.0f) return;
    Gdiplus::ColorMatrix matrix = {};
    for (int i = 0; i < 5; ++i)
        matrix.m[i][i] = 1.0f;
    matrix.m[3][3] = m_fOpacity;
    Gdiplus::ImageAttributes attributes;
    attributes.SetColorMatrix(&matrix, Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorAdjustTypeBitmap);
    // The part from the image's top-left corner, unscaled: never more than the image has.
    const CSize size = m_imgHot.GetImageSize();
    const int cx = size.cx < rcClient.Width() ? size.cx : rcClient.Width();
    const int cy = size.cy < rcClient.Height() ? size.cy : rcClient.Height();
    graphics.DrawImage(pHot, Gdiplus::Rect(rcClient.left, rcClient.top, cx, cy), 0, 0, cx, cy,
                       Gdiplus::UnitPixel, &attributes);
}

// ---- Messages ----

BOOL CQVAnimationButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVAnimationButton::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) return;
    CQVPaintMemoryDC dcMem(this, &dc);
    DrawTransparentBkg(this, GetParent(), &dcMem);
    Draw(&dcMem, rcClient);
}

LRESULT CQVAnimationButton::OnNcHitTest(CPoint) {
    // A subclassed static would answer HTTRANSPARENT and never see the mouse.
    return HTCLIENT;
}

void CQVAnimationButton::OnMouseMove(UINT nFlags, CPoint point) {
    if (qvfade::OnMove(m_input, (nFlags & MK_LBUTTON) != 0)) {
        if (m_bAnimate) StartFade(TRUE);
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        ::TrackMouseEvent(&tme);
    }
    CWnd::OnMouseMove(nFlags, point);
}

LRESULT CQVAnimationButton::OnMouseLeave(WPARAM, LPARAM) {
    if (m_bAnimate) StartFade(FALSE);
    qvfade::OnLeave(m_input);
    return 0;
}

void CQVAnimationButton::OnLButtonDown(UINT nFlags, CPoint point) {
    qvfade::OnDown(m_input);
    CWnd::OnLButtonDown(nFlags, point);
}

void CQVAnimationButton::OnLButtonUp(UINT nFlags, CPoint point) {
    if (qvfade::OnUp(m_input)) {
        const CQVAliveToken alive(this);
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
                                 reinterpret_cast<LPARAM>(m_hWnd));
        // The parent may have destroyed or deleted the button while it answered.
        if (!alive) return;
    }
    CWnd::OnLButtonUp(nFlags, point);
}

void CQVAnimationButton::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == QVAB_FADE_TIMER && m_nTimer) {
        if (qvfade::Step(m_fOpacity, m_bFadingIn != FALSE, m_nStep)) StopFade();
        Invalidate(TRUE);
    }
    CWnd::OnTimer(nIDEvent);
}

void CQVAnimationButton::OnDestroy() {
    StopFade();
    m_input = qvfade::Input();
    CWnd::OnDestroy();
}
