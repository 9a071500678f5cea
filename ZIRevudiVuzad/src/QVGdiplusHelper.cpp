// CQVGdiplusHelper: gradients through GDI's gradient fill and through GDI+.
#include "QVGdiplusHelper.h"

#include "QVGdiplusImage.h"

#include <gdiplus.h>

#include <algorithm>

namespace {

Gdiplus::Color ToColor(COLORREF clr) {
    return Gdiplus::Color(255, GetRValue(clr), GetGValue(clr), GetBValue(clr));
}

bool Usable(HDC hDC, const CRect& rc) {
    return hDC && rc.Width() > 0 && rc.Height() > 0;
}

// The outline of a rounded rectangle; radii of 0 give a plain rectangle.
void RoundRectPath(Gdiplus::GraphicsPath& path, const Gdiplus::RectF& rc, float rx, float ry) {
    rx = std::min(rx, rc.Width / 2);
    ry = std::min(ry, rc.Height / 2);
    if (rx <= 0 || ry <= 0) {
        path.AddRectangle(rc);
        return;
    }
    const float dx = 2 * rx, dy = 2 * ry;
    path.AddArc(rc.X, rc.Y, dx, dy, 180, 90);
    path.AddArc(rc.X + rc.Width - dx, rc.Y, dx, dy, 270, 90);
    path.AddArc(rc.X + rc.Width - dx, rc.Y + rc.Height - dy, dx, dy, 0, 90);
    path.AddArc(rc.X, rc.Y + rc.Height - dy, dx, dy, 90, 90);
    path.CloseFigure();
}

}  // namespace

void CQVGdiplusHelper::DrawGradientRect(HDC hDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo,
                                        BOOL bVertical) {
    if (!Usable(hDC, rc)) return;
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rc.left;
    vertices[0].y = rc.top;
    vertices[0].Red = COLOR16(GetRValue(clrFrom) << 8);
    vertices[0].Green = COLOR16(GetGValue(clrFrom) << 8);
    vertices[0].Blue = COLOR16(GetBValue(clrFrom) << 8);
    vertices[1].x = rc.right;
    vertices[1].y = rc.bottom;
    vertices[1].Red = COLOR16(GetRValue(clrTo) << 8);
    vertices[1].Green = COLOR16(GetGValue(clrTo) << 8);
    vertices[1].Blue = COLOR16(GetBValue(clrTo) << 8);
    GRADIENT_RECT rect = {0, 1};
    ::GradientFill(hDC, vertices, 2, &rect, 1, bVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void CQVGdiplusHelper::DrawGradientRoundRect(HDC hDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo,
                                             COLORREF clrBorder, int nRoundX, int nRoundY, BOOL bVertical) {
    if (!Usable(hDC, rc) || !CQVGdiplusImage::EnsureGdiplus()) return;
    Gdiplus::Graphics graphics(hDC);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    // Pixel centres lie on whole coordinates: an outline through the centres of the edge pixels is one
    // crisp pixel wide inside rc; without an outline the fill reaches the outer edges of those pixels.
    const bool bBorder = clrBorder != CLR_NONE && clrBorder != CLR_INVALID;
    Gdiplus::RectF rcPath =
        bBorder ? Gdiplus::RectF(float(rc.left), float(rc.top), rc.Width() - 1.0f, rc.Height() - 1.0f)
                : Gdiplus::RectF(rc.left - 0.5f, rc.top - 0.5f, float(rc.Width()), float(rc.Height()));
    Gdiplus::GraphicsPath path;
    RoundRectPath(path, rcPath, float(std::max(nRoundX, 0)), float(std::max(nRoundY, 0)));
    Gdiplus::RectF rcBrush(rc.left - 0.5f, rc.top - 0.5f, float(rc.Width()), float(rc.Height()));
    Gdiplus::LinearGradientBrush brush(rcBrush, ToColor(clrFrom), ToColor(clrTo),
                                       bVertical ? Gdiplus::LinearGradientModeVertical
                                                 : Gdiplus::LinearGradientModeHorizontal);
    // Mirrored wrapping keeps the far edge from picking up the start colour.
    brush.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.FillPath(&brush, &path);
    if (bBorder) {
        Gdiplus::Pen pen(ToColor(clrBorder), 1.0f);
        graphics.DrawPath(&pen, &path);
    }
}

void CQVGdiplusHelper::DrawLinearGradientRect(HDC hDC, const CRect& rc, COLORREF clrFrom, COLORREF clrTo,
                                              int nMode) {
    if (!Usable(hDC, rc) || !CQVGdiplusImage::EnsureGdiplus()) return;
    Gdiplus::LinearGradientMode mode = Gdiplus::LinearGradientModeVertical;
    switch (nMode) {
    case 0:
        mode = Gdiplus::LinearGradientModeHorizontal;
        break;
    case 2:
        mode = Gdiplus::LinearGradientModeForwardDiagonal;
        break;
    case 3:
        mode = Gdiplus::LinearGradientModeBackwardDiagonal;
        break;
    default:
        break;
    }
    Gdiplus::Graphics graphics(hDC);
    Gdiplus::RectF rcFill(rc.left - 0.5f, rc.top - 0.5f, float(rc.Width()), float(rc.Height()));
    Gdiplus::LinearGradientBrush brush(rcFill, ToColor(clrFrom), ToColor(clrTo), mode);
    brush.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.FillRectangle(&brush, rcFill);
}
