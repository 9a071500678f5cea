// The gallery's GIFs: frames drawn on the supersampled canvas, reduced to a 6 x 6 x 6 colour cube (the
// landscape with ordered dithering) and written by the GIF writer; pixels outside a shape become the
// transparent index.
#include "GalleryGifs.h"

#include "GifWriter.h"
#include "SkinImage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

using namespace Gdiplus;

namespace {

constexpr int kTransparent = 216;  // the index after the cube
constexpr Rgb kRimBack = {236, 238, 242};

std::vector<std::uint32_t> CubePalette() {
    std::vector<std::uint32_t> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back(static_cast<std::uint32_t>((r * 51) << 16 | (g * 51) << 8 | (b * 51)));
    palette.push_back(0xFF00FF);
    return palette;
}

// The cube index nearest to c, the threshold moved by nDither (-13..13) for dithering.
std::uint8_t CubeIndex(Rgb c, int nDither) {
    auto level = [&](int v) { return std::clamp((std::clamp(v + nDither, 0, 255) * 5 + 127) / 255, 0, 5); };
    return static_cast<std::uint8_t>(level(c.r) * 36 + level(c.g) * 6 + level(c.b));
}

GifFrame FrameFromStrip(const CImageStrip& strip, int nFrame, unsigned nDelay, bool bDither) {
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    GifFrame frame;
    frame.nDelay = nDelay;
    const int x0 = nFrame * strip.GetFrameWidth();
    bool bKeyed = false;
    for (int y = 0; y < strip.GetHeight(); ++y)
        for (int x = 0; x < strip.GetFrameWidth(); ++x) {
            const Rgb c = strip.GetPixel(x0 + x, y);
            if (c == kKey) {
                frame.indices.push_back(kTransparent);
                bKeyed = true;
                continue;
            }
            const int nDither =
                bDither ? (kBayer[y & 3][x & 3] * 26) / 16 - 13 : 0;  // half a step: less grain
            frame.indices.push_back(CubeIndex(c, nDither));
        }
    if (bKeyed) {
        frame.nTransparent = kTransparent;
        frame.nDisposal = 2;  // each frame starts from a clear picture
    }
    return frame;
}

bool WriteBytes(const std::wstring& strPath, const std::vector<std::uint8_t>& bytes) {
    FILE* pFile = _wfopen(strPath.c_str(), L"wb");
    if (!pFile) return false;
    const bool ok = fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size();
    return fclose(pFile) == 0 && ok;
}

// Draws nFrames frames of cx x cy with draw(g, shape, frame) and writes them as one GIF.
bool WriteAnimation(const std::wstring& strPath, int cx, int cy, const std::vector<unsigned>& delays,
                    bool bShaped, const std::function<void(Graphics&, GraphicsPath&, int)>& draw) {
    const int nFrames = static_cast<int>(delays.size());
    CImageStrip strip(cx, cy, nFrames);
    GifImage image;
    image.cx = cx;
    image.cy = cy;
    image.palette = CubePalette();
    image.nBackground = kTransparent;
    for (int f = 0; f < nFrames; ++f) {
        CFrameCanvas canvas(cx, cy);
        GraphicsPath shape;
        draw(canvas.Graphics(), shape, f);
        if (bShaped)
            canvas.Commit(strip, f, shape);
        else
            canvas.Commit(strip, f);
        image.frames.push_back(FrameFromStrip(strip, f, delays[static_cast<size_t>(f)], !bShaped));
    }
    return WriteBytes(strPath, EncodeGif(image));
}

// A round yellow face whose smile widens and relaxes; it blinks in the fifth frame.
void DrawSmile(Graphics& g, GraphicsPath& shape, int f) {
    FillSolid(g, RectF(0, 0, 64, 64), kRimBack);
    const RectF rcFace(3, 3, 58, 58);
    shape.AddEllipse(rcFace);
    FillVertical(g, shape, rcFace, Rgb{255, 230, 90}, Rgb{250, 170, 20});
    Pen rim(ToColor(Rgb{200, 120, 10}), 1.5f);
    g.DrawEllipse(&rim, rcFace);
    SolidBrush cheek(ToColor(Rgb{255, 140, 120}, 150));
    g.FillEllipse(&cheek, RectF(10, 34, 10, 7));
    g.FillEllipse(&cheek, RectF(44, 34, 10, 7));
    SolidBrush dark(ToColor(Rgb{70, 40, 10}));
    if (f == 4) {
        Pen lid(ToColor(Rgb{70, 40, 10}), 2.5f);
        lid.SetStartCap(LineCapRound);
        lid.SetEndCap(LineCapRound);
        g.DrawLine(&lid, PointF(18, 25), PointF(27, 25));
        g.DrawLine(&lid, PointF(37, 25), PointF(46, 25));
    } else {
        g.FillEllipse(&dark, RectF(19, 18, 8, 12));
        g.FillEllipse(&dark, RectF(37, 18, 8, 12));
    }
    static const float kSmile[] = {4, 8, 12, 14, 12, 8};
    const float d = kSmile[f % 6];
    Pen mouth(ToColor(Rgb{120, 50, 10}), 3.0f);
    mouth.SetStartCap(LineCapRound);
    mouth.SetEndCap(LineCapRound);
    const PointF pts[4] = {PointF(17, 38), PointF(25, 38 + d), PointF(39, 38 + d), PointF(47, 38)};
    g.DrawBeziers(&mouth, pts, 4);
}

// Twelve dots on a ring, the bright one moving on by one each frame with a fading tail behind it.
void DrawRing(Graphics& g, GraphicsPath& shape, int f) {
    FillSolid(g, RectF(0, 0, 48, 48), kRimBack);
    const Rgb kHead = {40, 110, 210};
    for (int i = 0; i < 12; ++i) {
        const float a = static_cast<float>(i) * 3.14159265f / 6.0f;
        const float x = 24 + 17 * std::sin(a), y = 24 - 17 * std::cos(a);
        const int nBehind = (f - i + 12) % 12;
        const float r = nBehind < 4 ? 4.2f - 0.4f * static_cast<float>(nBehind) : 2.6f;
        const RectF rc(x - r, y - r, 2 * r, 2 * r);
        shape.AddEllipse(rc);
        SolidBrush dot(ToColor(Mix(kHead, Rgb{200, 214, 232}, std::min(1.0f, nBehind / 6.0f))));
        g.FillEllipse(&dot, rc);
    }
}

// A lake under mountains at noon; the clouds drift right from frame to frame.
void DrawLake(Graphics& g, GraphicsPath&, int f) {
    FillVertical(g, RectF(0, 0, 320, 120), Rgb{70, 140, 220}, Rgb{190, 225, 250});
    SolidBrush sun(ToColor(Rgb{255, 236, 150}));
    g.FillEllipse(&sun, RectF(230, 22, 36, 36));
    SolidBrush cloud(ToColor(Rgb{255, 255, 255}, 230));
    for (int i = 0; i < 3; ++i) {
        const float x = static_cast<float>(20 + i * 110 + f * 10), y = static_cast<float>(18 + (i % 2) * 22);
        g.FillEllipse(&cloud, RectF(x, y + 6, 44, 18));
        g.FillEllipse(&cloud, RectF(x + 14, y, 34, 22));
        g.FillEllipse(&cloud, RectF(x + 30, y + 8, 36, 16));
    }
    const PointF farHills[] = {PointF(0, 120),  PointF(0, 84),   PointF(60, 50),
                               PointF(110, 82), PointF(170, 40), PointF(235, 88),
                               PointF(290, 62), PointF(320, 76), PointF(320, 120)};
    SolidBrush farBrush(ToColor(Rgb{110, 140, 170}));
    g.FillPolygon(&farBrush, farHills, 9);
    const PointF nearHills[] = {PointF(0, 124),  PointF(0, 100),   PointF(80, 78),  PointF(150, 104),
                                PointF(230, 86), PointF(320, 106), PointF(320, 124)};
    SolidBrush nearBrush(ToColor(Rgb{60, 120, 70}));
    g.FillPolygon(&nearBrush, nearHills, 7);
    FillVertical(g, RectF(0, 120, 320, 50), Rgb{80, 150, 200}, Rgb{40, 90, 150});
    Pen glint(ToColor(Rgb{220, 240, 255}, 200), 1.5f);
    for (int i = 0; i < 5; ++i) {
        const float x = static_cast<float>(200 + (i * 13 + f * 5) % 60), y = static_cast<float>(128 + i * 7);
        g.DrawLine(&glint, PointF(x, y), PointF(x + 14, y));
    }
    FillVertical(g, RectF(0, 170, 320, 30), Rgb{210, 190, 130}, Rgb{170, 150, 100});
}

// A blue word book with white pages and a red ribbon.
bool WriteBook(const std::wstring& strPath) {
    CAlphaCanvas canvas(96, 96);
    Graphics& g = canvas.Graphics();
    GraphicsPath pages;
    AddRoundRect(pages, RectF(22, 14, 60, 72), 6);
    SolidBrush paper(ToColor(Rgb{250, 248, 240}));
    g.FillPath(&paper, &pages);
    GraphicsPath cover;
    AddRoundRect(cover, RectF(14, 10, 62, 76), 7);
    FillVertical(g, cover, RectF(14, 10, 62, 76), Rgb{70, 130, 220}, Rgb{30, 80, 170});
    SolidBrush spine(ToColor(Rgb{20, 60, 140}));
    g.FillRectangle(&spine, RectF(14, 10, 9, 76));
    GraphicsPath label;
    AddRoundRect(label, RectF(32, 26, 36, 20), 3);
    g.FillPath(&paper, &label);
    Pen line(ToColor(Rgb{30, 80, 170}), 2.0f);
    g.DrawLine(&line, PointF(37, 33), PointF(63, 33));
    g.DrawLine(&line, PointF(37, 39), PointF(56, 39));
    const PointF ribbon[] = {PointF(58, 72), PointF(66, 72), PointF(66, 92), PointF(62, 87), PointF(58, 92)};
    SolidBrush red(ToColor(Rgb{220, 50, 60}));
    g.FillPolygon(&red, ribbon, 5);
    return canvas.SavePng(strPath);
}

}  // namespace

bool WriteGalleryGifs(const std::wstring& strFolder) {
    bool ok = WriteAnimation(strFolder + L"Smile.gif", 64, 64, {30, 12, 12, 20, 8, 12}, true, DrawSmile);
    ok = WriteAnimation(strFolder + L"Loading.gif", 48, 48, std::vector<unsigned>(12, 8), true, DrawRing) &&
         ok;
    ok = WriteAnimation(strFolder + L"Lake.gif", 320, 200, {50, 50, 50}, false, DrawLake) && ok;
    return WriteBook(strFolder + L"Book.png") && ok;
}
