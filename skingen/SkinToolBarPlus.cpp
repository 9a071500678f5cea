// The item toolbar's images in Common\Button: the push frame (5 states), the menu body and drop part
// (6 states), the drop arrow and the overflow arrow (2 states each), all PNGs with alpha, so that the
// toolbar's fades blend them over whatever lies under the toolbar.
#include "SkinDraw.h"

#include <algorithm>

using namespace Gdiplus;

namespace {

constexpr int kFrameCx = 24, kFrameCy = 24;  // head and tail of 4 pixels, the middle stretched
constexpr int kDropCx = 13;                  // the drop part is one frame of its image wide

struct Face {
    Rgb top, bottom, border;
    BYTE alpha;
};

// State 0 (normal) is never drawn and stays empty; 1 hot, 2 pressed, 3 disabled, 4 sparkle, and for
// menus 5: the part under the mouse, a step brighter than hot.
bool FaceOfState(const SkinParams& p, int nState, Face& face) {
    switch (nState) {
    case 1:
        face = {p.faceHotTop, p.faceHotBottom, p.borderHot, 255};
        return true;
    case 2:
        face = {p.facePressedTop, p.facePressedBottom, Darker(p.borderHot, 0.2f), 255};
        return true;
    case 3:
        face = {p.faceDisabled, p.faceDisabled, p.borderDisabled, 160};
        return true;
    case 4:
        face = {Lighter(p.accent, 0.75f), Lighter(p.accent, 0.35f), p.accent, 255};
        return true;
    case 5:
        face = {Lighter(p.faceHotTop, 0.5f), p.faceHotTop, Darker(p.borderHot, 0.1f), 255};
        return true;
    default:
        return false;
    }
}

// One frame at x: a rounded face; bLeft / bRight say which sides are rounded (a menu body is square
// where its drop part joins it, the drop part where it meets the body).
void DrawFace(Graphics& g, const SkinParams& p, float x, int cx, int nState, bool bLeft, bool bRight) {
    Face face;
    if (!FaceOfState(p, nState, face)) return;
    const float r = std::min(3.0f, p.fPushBtnRadius);
    const float grow = 4.0f;  // square sides are drawn past the frame and clipped
    RectF rc(x, 0, static_cast<REAL>(cx), static_cast<REAL>(kFrameCy));
    if (!bLeft) {
        rc.X -= grow;
        rc.Width += grow;
    }
    if (!bRight) rc.Width += grow;
    g.SetClip(RectF(x, 0, static_cast<REAL>(cx), static_cast<REAL>(kFrameCy)));
    GraphicsPath body;
    AddRoundRect(body, rc, r);
    LinearGradientBrush brush(RectF(rc.X, rc.Y - 0.5f, rc.Width, rc.Height + 1),
                              ToColor(face.top, face.alpha), ToColor(face.bottom, face.alpha),
                              LinearGradientModeVertical);
    g.FillPath(&brush, &body);
    GraphicsPath rim;
    AddRoundRect(rim, RectF(rc.X + 0.5f, rc.Y + 0.5f, rc.Width - 1, rc.Height - 1), std::max(r - 0.5f, 0.0f));
    Pen pen(ToColor(face.border, face.alpha), 1.0f);
    g.DrawPath(&pen, &rim);
    if (!bLeft) {
        Pen light(ToColor(kWhite, 120), 1.0f);
        g.DrawLine(&light, x + 0.5f, 3.0f, x + 0.5f, kFrameCy - 3.0f);
    }
    g.ResetClip();
}

bool WriteFrames(const SkinParams& p, const std::wstring& strFile, int cx, int nStates, bool bLeft,
                 bool bRight) {
    CAlphaCanvas canvas(cx * nStates, kFrameCy);
    for (int n = 0; n < nStates; ++n)
        DrawFace(canvas.Graphics(), p, static_cast<float>(n * cx), cx, n, bLeft, bRight);
    return canvas.SavePng(strFile);
}

// Two states of a glyph: enabled in the ink colour, disabled greyed.
template <class TDraw>
bool WriteGlyph(const SkinParams& p, const std::wstring& strFile, int cx, int cy, TDraw draw) {
    CAlphaCanvas canvas(cx * 2, cy);
    draw(canvas.Graphics(), 0.0f, ToColor(Darker(p.border, 0.45f)));
    draw(canvas.Graphics(), static_cast<float>(cx), ToColor(p.glyphDisabled));
    return canvas.SavePng(strFile);
}

}  // namespace

bool WriteToolBarPlusImages(const SkinParams& p, const std::wstring& strSkin) {
    const std::wstring strDir = strSkin + L"Common\\Button\\ToolBarPlus_";
    bool ok = WriteFrames(p, strDir + L"Button.png", kFrameCx, 5, true, true);
    ok = WriteFrames(p, strDir + L"MenuButton.png", kFrameCx, 6, true, false) && ok;
    ok = WriteFrames(p, strDir + L"MenuArrowPart.png", kDropCx, 6, false, true) && ok;
    // A small triangle pointing down, 7 x 4 in a cell of 9 x 8.
    ok = WriteGlyph(p, strDir + L"MenuArrow.png", 9, 8,
                    [](Graphics& g, float x, const Color& c) {
                        const PointF tri[3] = {PointF(x + 1.0f, 2.5f), PointF(x + 8.0f, 2.5f),
                                               PointF(x + 4.5f, 6.0f)};
                        SolidBrush brush(c);
                        g.FillPolygon(&brush, tri, 3);
                    }) &&
         ok;
    // Two chevrons pointing right: more items than the row shows.
    ok = WriteGlyph(p, strDir + L"MoreArrow.png", 9, 10,
                    [](Graphics& g, float x, const Color& c) {
                        Pen pen(c, 1.5f);
                        for (float dx : {1.5f, 5.0f}) {
                            const PointF chevron[3] = {PointF(x + dx, 2.0f), PointF(x + dx + 3.0f, 5.0f),
                                                       PointF(x + dx, 8.0f)};
                            g.DrawLines(&pen, chevron, 3);
                        }
                    }) &&
         ok;
    return ok;
}
