#include "QVSmartImage.h"

#include <gdiplus.h>

#include <algorithm>
#include <memory>

using Gdiplus::Graphics;
using Gdiplus::Image;
using Gdiplus::ImageAttributes;

namespace {

// Draws the source piece at (x, y) at its own size.
void DrawPiece(Graphics* pGraphics, Image* pImage, int x, int y, const CRect& rcSrc,
               ImageAttributes* pAttributes) {
    if (rcSrc.Width() <= 0 || rcSrc.Height() <= 0) return;
    pGraphics->DrawImage(pImage, Gdiplus::Rect(x, y, rcSrc.Width(), rcSrc.Height()), rcSrc.left, rcSrc.top,
                         rcSrc.Width(), rcSrc.Height(), Gdiplus::UnitPixel, pAttributes);
}

// A hundredth of a pixel: how far a stretched piece's destination reaches beyond its rectangle.
const Gdiplus::REAL kStretchSlack = 0.01f;

// Stretches the source piece into rcDest. The piece is first copied (through the caller's attributes)
// into a bitmap of its own, so that the stretch samples that piece only and never its neighbours in
// the skin image. Beyond its edges the piece is sampled with the wrap mode TileFlipXY: it is mirrored
// there, so an edge pixel is filtered with itself. Plain Tile would blend it with the opposite edge and
// Clamp with a border colour (transparent by default); both show as soft or dark seams at the borders
// of a stretched cell. Along a stretched axis the destination starts a hundredth of a pixel early: the
// first row or column then maps back to a point just inside the piece, where a rounding error could
// otherwise put it just outside, and some GDI+ versions leave such a pixel out.
void StretchPiece(Graphics* pGraphics, Image* pImage, const CRect& rcDest, const CRect& rcSrc,
                  ImageAttributes* pAttributes) {
    if (rcSrc.Width() <= 0 || rcSrc.Height() <= 0 || rcDest.Width() <= 0 || rcDest.Height() <= 0) return;
    Gdiplus::Bitmap piece(rcSrc.Width(), rcSrc.Height(), PixelFormat32bppARGB);
    if (piece.GetLastStatus() != Gdiplus::Ok) return;
    {
        Graphics graphics(&piece);
        graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
        graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        graphics.DrawImage(pImage, Gdiplus::Rect(0, 0, rcSrc.Width(), rcSrc.Height()), rcSrc.left, rcSrc.top,
                           rcSrc.Width(), rcSrc.Height(), Gdiplus::UnitPixel, pAttributes);
    }
    ImageAttributes wrap;
    wrap.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    const Gdiplus::REAL dx = rcDest.Width() != rcSrc.Width() ? kStretchSlack : 0.0f;
    const Gdiplus::REAL dy = rcDest.Height() != rcSrc.Height() ? kStretchSlack : 0.0f;
    const Gdiplus::RectF rcTarget(rcDest.left - dx, rcDest.top - dy, rcDest.Width() + 2 * dx,
                                  rcDest.Height() + 2 * dy);
    pGraphics->DrawImage(&piece, rcTarget, 0.0f, 0.0f, static_cast<Gdiplus::REAL>(rcSrc.Width()),
                         static_cast<Gdiplus::REAL>(rcSrc.Height()), Gdiplus::UnitPixel, &wrap);
}

CRect RectXYWH(int x, int y, int cx, int cy) {
    return CRect(x, y, x + cx, y + cy);
}

}  // namespace

// ---- Attributes ----

void CQVSmartImage::Parse9CellParams(LPCTSTR lpszParams) {
    if (!lpszParams || !*lpszParams) return;
    int n[8] = {m_n9CellTopHeight,    m_n9CellTopLeftWidth,    m_n9CellTopRightWidth,
                m_n9CellBottomHeight, m_n9CellBottomLeftWidth, m_n9CellBottomRightWidth,
                m_n9CellLeftWidth,    m_n9CellRightWidth};
    _stscanf(lpszParams, _T("%d,%d,%d,%d,%d,%d,%d,%d"), &n[0], &n[1], &n[2], &n[3], &n[4], &n[5], &n[6],
             &n[7]);
    m_n9CellTopHeight = n[0];
    m_n9CellTopLeftWidth = n[1];
    m_n9CellTopRightWidth = n[2];
    m_n9CellBottomHeight = n[3];
    m_n9CellBottomLeftWidth = n[4];
    m_n9CellBottomRightWidth = n[5];
    m_n9CellLeftWidth = n[6];
    m_n9CellRightWidth = n[7];
}

CSize CQVSmartImage::GetTotalImageSize() const {
    Image* pImage = GetImage();
    if (!pImage) return CSize(0, 0);
    return CSize(static_cast<int>(pImage->GetWidth()), static_cast<int>(pImage->GetHeight()));
}

CSize CQVSmartImage::GetSingleImageSize() const {
    const CSize size = GetTotalImageSize();
    const int nCount = std::max(m_nStateCount, 1);
    return m_bHorzArrange ? CSize(size.cx / nCount, size.cy) : CSize(size.cx, size.cy / nCount);
}

CRect CQVSmartImage::GetSourceImageRect(int nState) const {
    const CSize size = GetSingleImageSize();
    return m_bHorzArrange ? RectXYWH(size.cx * nState, 0, size.cx, size.cy)
                          : RectXYWH(0, size.cy * nState, size.cx, size.cy);
}

// ---- Drawing ----

void CQVSmartImage::DrawImage(Graphics* pGraphics, const CRect& rcDest, int nState, float fOpacity) {
    Image* pImage = GetImage();
    if (!pImage || !pGraphics) return;
    if (m_nStateCount < 1) m_nStateCount = 1;
    if (nState < 0 || nState >= m_nStateCount) nState = 0;

    std::unique_ptr<ImageAttributes> attributes;
    if (fOpacity < 1.0f) {
        Gdiplus::ColorMatrix matrix = {};
        for (int i = 0; i < 5; ++i)
            matrix.m[i][i] = 1.0f;
        matrix.m[3][3] = std::max(fOpacity, 0.0f);
        attributes = std::make_unique<ImageAttributes>();
        attributes->SetColorMatrix(&matrix, Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorAdjustTypeBitmap);
    }

    switch (m_nDrawType) {
    case SIDT_3CELL:
        DrawImage3Cell(pGraphics, pImage, rcDest, nState, attributes.get());
        break;
    case SIDT_9CELL:
        DrawImage9Cell(pGraphics, pImage, rcDest, nState, attributes.get());
        break;
    default:
        DrawImagePave(pGraphics, pImage, rcDest, nState, attributes.get());
        break;
    }
}

void CQVSmartImage::DrawImage(CDC* pDC, const CRect& rcDest, int nState, float fOpacity) {
    if (!GetImage() || !pDC->GetSafeHdc()) return;
    Graphics graphics(pDC->GetSafeHdc());
    DrawImage(&graphics, rcDest, nState, fOpacity);
}

void CQVSmartImage::DrawImagePave(Graphics*, Image*, const CRect&, int, ImageAttributes*) {}

void CQVSmartImage::DrawImageSingle(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                    ImageAttributes* pAttributes) {
    DrawPiece(pGraphics, pImage, rcDest.left, rcDest.top, GetSourceImageRect(nState), pAttributes);
}

// ---- Three cells ----

void CQVSmartImage::DrawImage3Cell(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                   ImageAttributes* pAttributes) {
    if (!m_b3CellTileMode)
        DrawImageSingle(pGraphics, pImage, rcDest, nState, pAttributes);
    else if (m_b3CellHorizontal)
        DrawImage3CellHorizontal(pGraphics, pImage, rcDest, nState, pAttributes);
    else
        DrawImage3CellVertical(pGraphics, pImage, rcDest, nState, pAttributes);
}

// The middle first, then the head and the tail over it: when the destination is narrower than head and
// tail together, the fixed cells overlap and the tail stays on top.
void CQVSmartImage::DrawImage3CellHorizontal(Graphics* pGraphics, Image* pImage, const CRect& rcDest,
                                             int nState, ImageAttributes* pAttributes) {
    DrawImageHorzCenter(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImageHorzHead(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImageHorzTail(pGraphics, pImage, rcDest, nState, pAttributes);
}

void CQVSmartImage::DrawImage3CellVertical(Graphics* pGraphics, Image* pImage, const CRect& rcDest,
                                           int nState, ImageAttributes* pAttributes) {
    DrawImageVertCenter(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImageVertHead(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImageVertTail(pGraphics, pImage, rcDest, nState, pAttributes);
}

// Horizontal cells keep the state's own height (the destination's height is not used); the head and
// tail widths are limited to the state's width so that they never reach into the next state.
void CQVSmartImage::DrawImageHorzHead(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                      ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int nHead = std::min(m_n3CellHeadWidth, rcSrc.Width());
    if (nHead <= 0) return;
    DrawPiece(pGraphics, pImage, rcDest.left, rcDest.top,
              RectXYWH(rcSrc.left, rcSrc.top, nHead, rcSrc.Height()), pAttributes);
}

void CQVSmartImage::DrawImageHorzCenter(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                        ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int nMiddle = rcSrc.Width() - m_n3CellHeadWidth - m_n3CellTailWidth;
    if (nMiddle <= 0) return;
    StretchPiece(pGraphics, pImage,
                 RectXYWH(rcDest.left + m_n3CellHeadWidth, rcDest.top,
                          rcDest.Width() - m_n3CellHeadWidth - m_n3CellTailWidth, rcSrc.Height()),
                 RectXYWH(rcSrc.left + m_n3CellHeadWidth, rcSrc.top, nMiddle, rcSrc.Height()), pAttributes);
}

void CQVSmartImage::DrawImageHorzTail(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                      ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int nTail = std::min(m_n3CellTailWidth, rcSrc.Width());
    if (nTail <= 0) return;
    DrawPiece(pGraphics, pImage, rcDest.right - nTail, rcDest.top,
              RectXYWH(rcSrc.right - nTail, rcSrc.top, nTail, rcSrc.Height()), pAttributes);
}

void CQVSmartImage::DrawImageVertHead(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                      ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int nHead = std::min(m_n3CellHeadWidth, rcSrc.Height());
    if (nHead <= 0) return;
    DrawPiece(pGraphics, pImage, rcDest.left, rcDest.top,
              RectXYWH(rcSrc.left, rcSrc.top, rcSrc.Width(), nHead), pAttributes);
}

void CQVSmartImage::DrawImageVertCenter(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                        ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int nMiddle = rcSrc.Height() - m_n3CellHeadWidth - m_n3CellTailWidth;
    if (nMiddle <= 0) return;
    StretchPiece(pGraphics, pImage,
                 RectXYWH(rcDest.left, rcDest.top + m_n3CellHeadWidth, rcSrc.Width(),
                          rcDest.Height() - m_n3CellHeadWidth - m_n3CellTailWidth),
                 RectXYWH(rcSrc.left, rcSrc.top + m_n3CellHeadWidth, rcSrc.Width(), nMiddle), pAttributes);
}

void CQVSmartImage::DrawImageVertTail(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                      ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int nTail = std::min(m_n3CellTailWidth, rcSrc.Height());
    if (nTail <= 0) return;
    DrawPiece(pGraphics, pImage, rcDest.left, rcDest.bottom - nTail,
              RectXYWH(rcSrc.left, rcSrc.bottom - nTail, rcSrc.Width(), nTail), pAttributes);
}

// ---- Nine cells ----

void CQVSmartImage::DrawImage9Cell(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                   ImageAttributes* pAttributes) {
    if (m_bDraw9CellCenter) DrawImage9CellCenter(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImage9CellTopCenter(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImage9CellTopHead(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImage9CellTopTail(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImage9CellBottomCenter(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImage9CellBottomHead(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImage9CellBottomTail(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImage9CellLeft(pGraphics, pImage, rcDest, nState, pAttributes);
    DrawImage9CellRight(pGraphics, pImage, rcDest, nState, pAttributes);
}

void CQVSmartImage::DrawImage9CellCenter(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                         ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int l = m_n9CellLeftWidth, r = m_n9CellRightWidth, t = m_n9CellTopHeight, b = m_n9CellBottomHeight;
    const CRect rcDestCenter =
        RectXYWH(rcDest.left + l, rcDest.top + t, rcDest.Width() - l - r, rcDest.Height() - t - b);
    const CRect rcSrcCenter =
        RectXYWH(rcSrc.left + l, rcSrc.top + t, rcSrc.Width() - l - r, rcSrc.Height() - t - b);
    if (rcDestCenter.Width() < 1 || rcDestCenter.Height() < 1 || rcSrcCenter.Width() < 1 ||
        rcSrcCenter.Height() < 1)
        return;
    StretchPiece(pGraphics, pImage, rcDestCenter, rcSrcCenter, pAttributes);
}

void CQVSmartImage::DrawImage9CellTopHead(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                          ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    DrawPiece(pGraphics, pImage, rcDest.left, rcDest.top,
              RectXYWH(rcSrc.left, rcSrc.top, m_n9CellTopLeftWidth, m_n9CellTopHeight), pAttributes);
}

void CQVSmartImage::DrawImage9CellTopCenter(Graphics* pGraphics, Image* pImage, const CRect& rcDest,
                                            int nState, ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int tl = m_n9CellTopLeftWidth, tr = m_n9CellTopRightWidth, t = m_n9CellTopHeight;
    StretchPiece(pGraphics, pImage, RectXYWH(rcDest.left + tl, rcDest.top, rcDest.Width() - tl - tr, t),
                 RectXYWH(rcSrc.left + tl, rcSrc.top, rcSrc.Width() - tl - tr, t), pAttributes);
}

void CQVSmartImage::DrawImage9CellTopTail(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                          ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int tr = m_n9CellTopRightWidth;
    DrawPiece(pGraphics, pImage, rcDest.right - tr, rcDest.top,
              RectXYWH(rcSrc.right - tr, rcSrc.top, tr, m_n9CellTopHeight), pAttributes);
}

void CQVSmartImage::DrawImage9CellBottomHead(Graphics* pGraphics, Image* pImage, const CRect& rcDest,
                                             int nState, ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int b = m_n9CellBottomHeight;
    DrawPiece(pGraphics, pImage, rcDest.left, rcDest.bottom - b,
              RectXYWH(rcSrc.left, rcSrc.bottom - b, m_n9CellBottomLeftWidth, b), pAttributes);
}

void CQVSmartImage::DrawImage9CellBottomCenter(Graphics* pGraphics, Image* pImage, const CRect& rcDest,
                                               int nState, ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int bl = m_n9CellBottomLeftWidth, br = m_n9CellBottomRightWidth, b = m_n9CellBottomHeight;
    StretchPiece(pGraphics, pImage,
                 RectXYWH(rcDest.left + bl, rcDest.bottom - b, rcDest.Width() - bl - br, b),
                 RectXYWH(rcSrc.left + bl, rcSrc.bottom - b, rcSrc.Width() - bl - br, b), pAttributes);
}

void CQVSmartImage::DrawImage9CellBottomTail(Graphics* pGraphics, Image* pImage, const CRect& rcDest,
                                             int nState, ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int br = m_n9CellBottomRightWidth, b = m_n9CellBottomHeight;
    DrawPiece(pGraphics, pImage, rcDest.right - br, rcDest.bottom - b,
              RectXYWH(rcSrc.right - br, rcSrc.bottom - b, br, b), pAttributes);
}

void CQVSmartImage::DrawImage9CellLeft(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                       ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int l = m_n9CellLeftWidth, t = m_n9CellTopHeight, b = m_n9CellBottomHeight;
    StretchPiece(pGraphics, pImage, RectXYWH(rcDest.left, rcDest.top + t, l, rcDest.Height() - t - b),
                 RectXYWH(rcSrc.left, rcSrc.top + t, l, rcSrc.Height() - t - b), pAttributes);
}

void CQVSmartImage::DrawImage9CellRight(Graphics* pGraphics, Image* pImage, const CRect& rcDest, int nState,
                                        ImageAttributes* pAttributes) {
    const CRect rcSrc = GetSourceImageRect(nState);
    const int r = m_n9CellRightWidth, t = m_n9CellTopHeight, b = m_n9CellBottomHeight;
    StretchPiece(pGraphics, pImage, RectXYWH(rcDest.right - r, rcDest.top + t, r, rcDest.Height() - t - b),
                 RectXYWH(rcSrc.right - r, rcSrc.top + t, r, rcSrc.Height() - t - b), pAttributes);
}
