#include "QVAnimationButton.h"

#include <QVDibSection.h>

#include <gdiplus.h>

#include "QVAliveToken.h"
#include "QVMouseLoop.h"
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

CQVAnimationButton::~CQVAnimationButton() {
    FreeImages();
}

BOOL CQVAnimationButton::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                                UINT nID) {
    if (!QVRegisterWndClass(kClassName, CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW), NULL))
        return FALSE;
    return CWnd::Create(kClassName, lpszText, dwStyle, rect, pParentWnd, nID);
}

BOOL CQVAnimationButton::LoadImages(LPCTSTR lpszBackgroundImage, LPCTSTR lpszHotImage) {
    const BOOL bBackground = m_imgBackground.Load(lpszBackgroundImage);
    const BOOL bHot = m_imgHot.Load(lpszHotImage);
    FreeImages();
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

namespace {

// imgSource drawn with GDI+ into a new premultiplied 32-bit picture of size: stretched over it, or
// (bCrop) its top-left part unscaled. NULL without an image. *pbOpaque (when given) tells whether every
// pixel is opaque.
HBITMAP ScaledPicture(const CQVGdiplusImage& imgSource, const CSize& size, BOOL bCrop, BOOL* pbOpaque) {
    Gdiplus::Image* pImage = imgSource.GetImage();
    if (!pImage || size.cx <= 0 || size.cy <= 0) return NULL;
    void* pBits = NULL;
    HBITMAP hBitmap = QVCreateDib32(size.cx, size.cy, &pBits);
    if (!hBitmap) return NULL;
    ::memset(pBits, 0, static_cast<size_t>(size.cx) * size.cy * 4);
    Gdiplus::Bitmap target(size.cx, size.cy, size.cx * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(pBits));
    Gdiplus::Graphics graphics(&target);
    const CSize sizeImage = imgSource.GetImageSize();
    if (bCrop) {
        const int cx = sizeImage.cx < size.cx ? sizeImage.cx : size.cx;
        const int cy = sizeImage.cy < size.cy ? sizeImage.cy : size.cy;
        graphics.DrawImage(pImage, Gdiplus::Rect(0, 0, cx, cy), 0, 0, cx, cy, Gdiplus::UnitPixel);
    } else {
        // Mirrored beyond its edges, so that the stretched border pixels do not fade out.
        Gdiplus::ImageAttributes attributes;
        attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        graphics.DrawImage(pImage, Gdiplus::Rect(0, 0, size.cx, size.cy), 0, 0, sizeImage.cx, sizeImage.cy,
                           Gdiplus::UnitPixel, &attributes);
    }
    if (pbOpaque) {
        const DWORD* pPixel = static_cast<const DWORD*>(pBits);
        const DWORD* pEnd = pPixel + static_cast<size_t>(size.cx) * size.cy;
        while (pPixel != pEnd && (*pPixel >> 24) == 0xFF)
            ++pPixel;
        *pbOpaque = pPixel == pEnd;
    }
    return hBitmap;
}

// Blends a premultiplied picture over hDC at the origin with a constant opacity of 0..255; an opaque
// picture at full opacity is copied.
void BlendPicture(HDC hDC, HDC hdcPicture, HBITMAP hPicture, const CSize& size, BYTE nOpacity, BOOL bOpaque) {
    if (!hPicture || nOpacity == 0) return;
    const HGDIOBJ hOld = ::SelectObject(hdcPicture, hPicture);
    if (bOpaque && nOpacity == 255) {
        ::BitBlt(hDC, 0, 0, size.cx, size.cy, hdcPicture, 0, 0, SRCCOPY);
    } else {
        const BLENDFUNCTION blend = {AC_SRC_OVER, 0, nOpacity, AC_SRC_ALPHA};
        ::AlphaBlend(hDC, 0, 0, size.cx, size.cy, hdcPicture, 0, 0, size.cx, size.cy, blend);
    }
    ::SelectObject(hdcPicture, hOld);
}

}  // namespace

void CQVAnimationButton::PrepareImages(const CSize& size) {
    if (size == m_sizeImages && (m_hbmBackground || !m_imgBackground.IsLoaded()) &&
        (m_hbmHot || !m_imgHot.IsLoaded()))
        return;
    FreeImages();
    m_hbmBackground = ScaledPicture(m_imgBackground, size, FALSE, &m_bOpaqueBackground);
    m_hbmHot = ScaledPicture(m_imgHot, size, TRUE, NULL);
    m_sizeImages = size;
}

void CQVAnimationButton::FreeImages() {
    if (m_hbmBackground) ::DeleteObject(m_hbmBackground);
    if (m_hbmHot) ::DeleteObject(m_hbmHot);
    m_hbmBackground = m_hbmHot = NULL;
    m_bOpaqueBackground = FALSE;
    m_sizeImages = CSize(0, 0);
}

void CQVAnimationButton::Draw(CDC* pDC, const CRect& rcClient) {
    PrepareImages(rcClient.Size());
    // An opaque background hides the parent's entirely: its painting is saved.
    if (!m_bOpaqueBackground) DrawTransparentBkg(this, GetParent(), pDC);
    const HDC hdcPicture = ::CreateCompatibleDC(pDC->GetSafeHdc());
    BlendPicture(pDC->GetSafeHdc(), hdcPicture, m_hbmBackground, m_sizeImages, 255, m_bOpaqueBackground);
    const float fAlpha = m_fOpacity * 255.0f + 0.5f;
    BlendPicture(pDC->GetSafeHdc(), hdcPicture, m_hbmHot, m_sizeImages,
                 static_cast<BYTE>(fAlpha > 255.0f ? 255.0f : fAlpha), FALSE);
    ::DeleteDC(hdcPicture);
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
    Draw(&dcMem, rcClient);
}

LRESULT CQVAnimationButton::OnNcHitTest(CPoint) {
    // A subclassed static would answer HTTRANSPARENT and never see the mouse.
    return HTCLIENT;
}

void CQVAnimationButton::OnMouseMove(UINT nFlags, CPoint point) {
    if (qvfade::OnMove(m_input, (nFlags & MK_LBUTTON) != 0)) {
        if (m_bAnimate) StartFade(TRUE);
        QVTrackMouseLeave(m_hWnd);
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
    FreeImages();
    m_input = qvfade::Input();
    CWnd::OnDestroy();
}
