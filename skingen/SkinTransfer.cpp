// The file transfer list's images in Common\others: the progress bar (the bar, then its filled part)
// and the overlays of a sent and a received file's icon.
#include "SkinDraw.h"

#include <algorithm>

using namespace Gdiplus;

namespace {

constexpr int kBarWidth = 100;
constexpr int kBarHeight = 16;
constexpr int kIconSize = 32;

// Frame 0 is the empty bar, frame 1 the same bar filled with the accent. A skin whose outlook bar is
// drawn with the key colour rounds the bar's ends the same way.
bool WriteFileProgress(const SkinParams& p, const std::wstring& strSkin) {
    CImageStrip strip(kBarWidth, kBarHeight, 2);
    const RectF rcBar(0.0f, 2.0f, static_cast<float>(kBarWidth), kBarHeight - 4.0f);
    const float fRadius = p.nOutBarTransparent ? (kBarHeight - 4.0f) / 2 : 1.5f;
    for (int nFrame = 0; nFrame < 2; ++nFrame) {
        CFrameCanvas canvas(kBarWidth, kBarHeight);
        Graphics& g = canvas.Graphics();
        FillSolid(g, RectF(0, 0, kBarWidth, kBarHeight), p.nOutBarTransparent ? kKey : kWhite);
        GraphicsPath shape;
        AddRoundRect(shape, rcBar, fRadius);
        if (nFrame == 0)
            FillVertical(g, shape, rcBar, Darker(p.faceBottom, 0.1f), Lighter(p.faceTop, 0.5f));
        else
            FillVertical(g, shape, rcBar, Lighter(p.accent, 0.45f), p.accent);
        Pen rim(ToColor(Darker(nFrame ? p.accent : p.border, 0.2f)), 1.0f);
        GraphicsPath edge;
        AddRoundRect(edge, RectF(rcBar.X + 0.5f, rcBar.Y + 0.5f, rcBar.Width - 1, rcBar.Height - 1),
                     std::max(fRadius - 0.5f, 0.0f));
        g.DrawPath(&rim, &edge);
        if (p.nOutBarTransparent)
            canvas.Commit(strip, nFrame, shape);
        else
            canvas.Commit(strip, nFrame);
    }
    return strip.SaveBmp(strSkin + L"Common\\others\\FileProgress.bmp");
}

// A round badge in the icon's bottom-right corner with an arrow: up for a file sent, down for one
// received. The rest of the picture is transparent, so the file's own icon shows through.
bool WriteOverlay(const SkinParams& p, const std::wstring& strSkin, bool bSend) {
    CAlphaCanvas canvas(kIconSize, kIconSize);
    Graphics& g = canvas.Graphics();
    const RectF rcBadge(17.0f, 17.0f, 14.0f, 14.0f);
    const Rgb base = bSend ? p.accent : p.iconInformation;
    GraphicsPath badge;
    badge.AddEllipse(rcBadge);
    FillVertical(g, badge, rcBadge, Lighter(base, 0.3f), Darker(base, 0.15f));
    Pen rim(ToColor(kWhite), 1.2f);
    g.DrawPath(&rim, &badge);
    const float cx = rcBadge.X + rcBadge.Width / 2, cy = rcBadge.Y + rcBadge.Height / 2;
    const float d = bSend ? -1.0f : 1.0f;  // the arrow's direction
    const PointF arrow[7] = {PointF(cx, cy + 4.5f * d),        PointF(cx + 4.0f, cy + 0.5f * d),
                             PointF(cx + 1.6f, cy + 0.5f * d), PointF(cx + 1.6f, cy - 4.0f * d),
                             PointF(cx - 1.6f, cy - 4.0f * d), PointF(cx - 1.6f, cy + 0.5f * d),
                             PointF(cx - 4.0f, cy + 0.5f * d)};
    SolidBrush ink(ToColor(kWhite));
    g.FillPolygon(&ink, arrow, 7);
    return canvas.SavePng(
        strSkin + (bSend ? L"Common\\others\\FileSendOverlay.png" : L"Common\\others\\FileRecvOverlay.png"));
}

}  // namespace

bool WriteTransferImages(const SkinParams& p, const std::wstring& strSkin) {
    bool ok = WriteFileProgress(p, strSkin);
    ok = WriteOverlay(p, strSkin, true) && ok;
    ok = WriteOverlay(p, strSkin, false) && ok;
    return ok;
}
