// The classic toolbar's image strips in Common\Button: ToolBar_Normal.bmp and ToolBar_Disabled.bmp,
// 16 x 16 frames side by side on the key colour, the same pictures in the same order (play, pause,
// stop, record, speed, UK, US, loop), the disabled ones in one grey.
#include "SkinDraw.h"

using namespace Gdiplus;

namespace {

constexpr int kCell = 16;
constexpr int kFrames = 8;

// One picture: the outline that keeps its pixels off the key colour, its ink, and details drawn
// over the ink inside that outline.
struct Picture {
    GraphicsPath shape;
    Rgb ink;
};

void AddPolygon(GraphicsPath& path, std::initializer_list<PointF> pts) {
    std::vector<PointF> v(pts);
    path.AddPolygon(v.data(), static_cast<INT>(v.size()));
}

void MakeShape(int nFrame, GraphicsPath& path) {
    switch (nFrame) {
    case 0:  // play: a triangle
        AddPolygon(path, {PointF(4.0f, 2.5f), PointF(13.5f, 8.0f), PointF(4.0f, 13.5f)});
        break;
    case 1:  // pause: two bars
        path.AddRectangle(RectF(3.5f, 3.0f, 3.5f, 10.0f));
        path.AddRectangle(RectF(9.0f, 3.0f, 3.5f, 10.0f));
        break;
    case 2:  // stop: a square
        path.AddRectangle(RectF(3.5f, 3.5f, 9.0f, 9.0f));
        break;
    case 3:  // record: a dot
        path.AddEllipse(RectF(2.5f, 2.5f, 11.0f, 11.0f));
        break;
    case 4:  // speed: a dial
        path.AddEllipse(RectF(1.5f, 2.0f, 13.0f, 13.0f));
        break;
    case 5:  // UK and US: a flag
    case 6:
        path.AddRectangle(RectF(1.0f, 3.0f, 14.0f, 10.0f));
        break;
    default:  // loop: a ring
        path.AddEllipse(RectF(2.0f, 2.5f, 12.0f, 11.0f));
        path.AddEllipse(RectF(4.5f, 5.0f, 7.0f, 6.0f));
        break;
    }
}

Rgb InkOf(const SkinParams& p, int nFrame) {
    static const Rgb kInks[kFrames] = {{40, 150, 70},  {60, 90, 150}, {90, 90, 110}, {210, 50, 50},
                                       {40, 110, 200}, {30, 60, 140}, {180, 40, 50}, {230, 150, 20}};
    // Each skin tints the pictures towards its accent, so they sit with its other controls.
    return Mix(kInks[nFrame], p.accent, 0.2f);
}

// The details inside the shape: the dial's needle, the flags' crosses, stripes and canton.
void DrawDetails(Graphics& g, int nFrame, Rgb ink, bool bDisabled) {
    const Rgb light = bDisabled ? Lighter(ink, 0.6f) : kWhite;
    if (nFrame == 4) {
        FillSolid(g, RectF(7.0f, 4.5f, 2.0f, 5.0f), light);
        FillSolid(g, RectF(7.0f, 8.5f, 4.0f, 2.0f), light);
    } else if (nFrame == 5) {
        FillSolid(g, RectF(1.0f, 7.0f, 14.0f, 2.0f), light);
        FillSolid(g, RectF(7.0f, 3.0f, 2.0f, 10.0f), light);
    } else if (nFrame == 6) {
        FillSolid(g, RectF(1.0f, 3.0f, 14.0f, 10.0f), light);
        for (float y = 3.0f; y < 13.0f; y += 3.0f)
            FillSolid(g, RectF(1.0f, y, 14.0f, 1.5f), ink);
        FillSolid(g, RectF(1.0f, 3.0f, 6.0f, 5.0f), bDisabled ? Darker(ink, 0.3f) : Rgb{30, 60, 140});
    }
}

bool WriteStrip(const SkinParams& p, const std::wstring& strFile, bool bDisabled) {
    CImageStrip strip(kCell, kCell, kFrames);
    for (int nFrame = 0; nFrame < kFrames; ++nFrame) {
        CFrameCanvas canvas(kCell, kCell);
        Graphics& g = canvas.Graphics();
        // Edges blend into the bar's gradient, the background the pictures are drawn on.
        FillSolid(g, RectF(0, 0, kCell, kCell), p.colors[6]);
        GraphicsPath shape(FillModeAlternate);
        MakeShape(nFrame, shape);
        const Rgb ink = bDisabled ? p.glyphDisabled : InkOf(p, nFrame);
        SolidBrush brush(ToColor(ink));
        g.FillPath(&brush, &shape);
        DrawDetails(g, nFrame, ink, bDisabled);
        canvas.Commit(strip, nFrame, shape);
    }
    return strip.SaveBmp(strFile);
}

}  // namespace

bool WriteToolBarImages(const SkinParams& p, const std::wstring& strSkin) {
    const std::wstring strDir = strSkin + L"Common\\Button\\ToolBar_";
    bool ok = WriteStrip(p, strDir + L"Normal.bmp", false);
    ok = WriteStrip(p, strDir + L"Disabled.bmp", true) && ok;
    return ok;
}
