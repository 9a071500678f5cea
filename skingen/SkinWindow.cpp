// The window frame images: caption, borders, caption buttons, client backgrounds and corner masks.
#include "SkinDraw.h"

#include <algorithm>
#include <cmath>

using namespace Gdiplus;

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kBorderLength = 32;  // height of the side border images, stretched down the window
constexpr int kTileSize = 32;      // client background tiles

const CornerShape& CornerOf(const SkinParams& p, int nCorner) {
    return nCorner == CORNER_TOP_LEFT || nCorner == CORNER_TOP_RIGHT ? p.topCorners : p.bottomCorners;
}

// The top-left quarter from the left side (0, n) to the top (n, 0), in whole pixels.
std::vector<POINT> QuarterPoints(const CornerShape& corner) {
    std::vector<POINT> points;
    const int n = corner.nSize;
    if (n <= 0) return points;
    if (corner.kind == CornerShape::Cut) return {{0, n}, {n, 0}};
    const int nSteps = std::max(2, n);
    for (int i = 0; i <= nSteps; ++i) {
        const float t = kPi / 2 * i / nSteps;
        const POINT pt = {std::lround(n - n * std::cos(t)), std::lround(n - n * std::sin(t))};
        if (points.empty() || points.back().x != pt.x || points.back().y != pt.y) points.push_back(pt);
    }
    return points;
}

// The region a window of cx x cy takes from the skin: a path through the four corner outlines, made
// the way the window frame makes it, so the masks and the drawn edges agree with it pixel for pixel.
HRGN CreateWindowRegion(const SkinParams& p, int cx, int cy) {
    std::vector<POINT> path;
    for (int nCorner = 0; nCorner < CORNER_COUNT; ++nCorner) {
        std::vector<POINT> outline = CornerOutline(p, nCorner);
        const bool bRight = nCorner == CORNER_TOP_RIGHT || nCorner == CORNER_BOTTOM_RIGHT;
        const bool bBottom = nCorner == CORNER_BOTTOM_RIGHT || nCorner == CORNER_BOTTOM_LEFT;
        if (outline.empty()) outline.push_back({0, 0});
        for (POINT pt : outline)
            path.push_back({bRight ? cx - pt.x : pt.x, bBottom ? cy - pt.y : pt.y});
    }
    return ::CreatePolygonRgn(path.data(), static_cast<int>(path.size()), ALTERNATE);
}

// How deep each pixel of a window of band width lies inside its region: 0 outside, 1 on the edge, 2 next
// to it, counted in steps to a side neighbour. The caption is its top rows, the bottom band its last rows.
class CEdgeRings {
public:
    explicit CEdgeRings(const SkinParams& p)
        : m_cx(p.nBandWidth), m_cy(p.nCaptionHeight + kMiddle + p.nBottomBorder), m_nBottom(p.nBottomBorder),
          m_depth(static_cast<size_t>(m_cx) * m_cy, 0) {
        HRGN hRgn = CreateWindowRegion(p, m_cx, m_cy);
        const int nFar = m_cx + m_cy;
        for (int y = 0; y < m_cy; ++y)
            for (int x = 0; x < m_cx; ++x)
                At(x, y) = hRgn && ::PtInRegion(hRgn, x, y) ? nFar : 0;
        if (hRgn) ::DeleteObject(hRgn);
        // Two sweeps of a city-block distance; beyond the image counts as outside.
        auto depth = [this](int x, int y) { return x < 0 || y < 0 || x >= m_cx || y >= m_cy ? 0 : At(x, y); };
        for (int y = 0; y < m_cy; ++y)
            for (int x = 0; x < m_cx; ++x)
                if (At(x, y)) At(x, y) = std::min(At(x, y), std::min(depth(x - 1, y), depth(x, y - 1)) + 1);
        for (int y = m_cy - 1; y >= 0; --y)
            for (int x = m_cx - 1; x >= 0; --x)
                if (At(x, y)) At(x, y) = std::min(At(x, y), std::min(depth(x + 1, y), depth(x, y + 1)) + 1);
    }

    int Caption(int x, int y) const { return m_depth[static_cast<size_t>(y) * m_cx + x]; }
    int Bottom(int x, int y) const { return m_depth[static_cast<size_t>(m_cy - m_nBottom + y) * m_cx + x]; }

private:
    static constexpr int kMiddle = 40;  // rows between caption and bottom band, far from both
    int& At(int x, int y) { return m_depth[static_cast<size_t>(y) * m_cx + x]; }

    int m_cx;
    int m_cy;
    int m_nBottom;
    std::vector<int> m_depth;
};

// The caption's gradient with its gloss, for a band whose row 0 is caption row y0.
void PaintCaptionBand(Graphics& g, const SkinParams& p, bool bActive, float x, float y0, float cx) {
    const float cy = static_cast<float>(p.nCaptionHeight);
    const Rgb top = bActive ? p.captionTop : p.captionTopInactive;
    const Rgb bottom = bActive ? p.captionBottom : p.captionBottomInactive;
    const RectF rc(x, -y0, cx, cy);
    FillVertical(g, rc, top, bottom);
    // The upper part is lighter, fading out towards the middle.
    const RectF rcGloss(x, -y0, cx, cy * 0.48f);
    LinearGradientBrush gloss(PointF(0, rcGloss.Y), PointF(0, rcGloss.Y + rcGloss.Height),
                              ToColor(kWhite, static_cast<BYTE>(255 * p.fCaptionGloss)),
                              ToColor(kWhite, static_cast<BYTE>(255 * p.fCaptionGloss * 0.25f)));
    gloss.SetWrapMode(WrapModeTileFlipXY);
    g.FillRectangle(&gloss, rcGloss);
}

bool SaveStrip(const CImageStrip& strip, const std::wstring& strSkin, const wchar_t* pszName) {
    return strip.SaveBmp(strSkin + L"Common\\Window\\" + pszName + L".bmp");
}

// Caption: the band gradient, the outline with its rounded or cut corners and a light line inside
// it, and a dark line along the client edge. Frame 0 active, 1 inactive.
bool WriteCaption(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = p.nBandWidth;
    const int cy = p.nCaptionHeight;
    const CEdgeRings rings(p);
    CImageStrip strip(cx, cy, 2);
    for (int nFrame = 0; nFrame < 2; ++nFrame) {
        const bool bActive = nFrame == 0;
        CFrameCanvas canvas(cx, cy);
        Graphics& g = canvas.Graphics();
        PaintCaptionBand(g, p, bActive, 0, 0, static_cast<float>(cx));
        const Rgb bottom = bActive ? p.captionBottom : p.captionBottomInactive;
        HorzLine(g, static_cast<float>(p.nLeftBorder - 1), static_cast<float>(cx - p.nRightBorder), cy - 1,
                 Darker(bottom, 0.3f));
        canvas.Commit(strip, nFrame);
        // The outline and a light line inside it follow the window region exactly, corners included.
        const Rgb outline = bActive ? p.outline : p.outlineInactive;
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x) {
                const int nDepth = rings.Caption(x, y);
                const int xStrip = nFrame * cx + x;
                if (nDepth <= 1)
                    strip.SetPixel(xStrip, y, outline);
                else if (nDepth == 2)
                    strip.SetPixel(xStrip, y,
                                   Mix(strip.GetPixel(xStrip, y), kWhite, y < cy / 2 ? 0.4f : 0.2f));
            }
    }
    return SaveStrip(strip, strSkin, L"Caption");
}

// The colours across a side border, from the outside in: outline, light line, face, dark inner line.
std::vector<Rgb> BorderColumns(const SkinParams& p, bool bActive, int nWidth) {
    const Rgb outline = bActive ? p.outline : p.outlineInactive;
    const Rgb top = bActive ? p.captionTop : p.captionTopInactive;
    const Rgb bottom = bActive ? p.captionBottom : p.captionBottomInactive;
    std::vector<Rgb> columns(std::max(nWidth, 1), bottom);
    for (int i = 0; i < nWidth; ++i)
        columns[i] =
            Mix(Mix(top, bottom, 0.55f), bottom, nWidth > 3 ? static_cast<float>(i) / (nWidth - 1) : 1);
    if (nWidth > 2) columns[1] = Lighter(Mix(top, bottom, 0.5f), 0.25f);
    if (nWidth > 1) columns[nWidth - 1] = Darker(bottom, 0.3f);
    columns[0] = outline;
    return columns;
}

bool WriteSideBorder(const SkinParams& p, const std::wstring& strSkin, bool bLeft) {
    const int cx = bLeft ? p.nLeftBorder : p.nRightBorder;
    CImageStrip strip(cx, kBorderLength, 2);
    for (int nFrame = 0; nFrame < 2; ++nFrame) {
        const std::vector<Rgb> columns = BorderColumns(p, nFrame == 0, cx);
        for (int x = 0; x < cx; ++x)
            for (int y = 0; y < kBorderLength; ++y)
                strip.SetPixel(nFrame * cx + (bLeft ? x : cx - 1 - x), y, columns[x]);
    }
    return SaveStrip(strip, strSkin, bLeft ? L"LeftBorder" : L"RightBorder");
}

// Bottom band: the side borders' colours turned on their side. Each pixel takes the colour of its ring
// inside the window region, so the lines turn round the lower corners and meet the side borders' lines
// in mitred corners.
bool WriteBottomBorder(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = p.nBandWidth;
    const int cy = p.nBottomBorder;
    const CEdgeRings rings(p);
    CImageStrip strip(cx, cy, 2);
    for (int nFrame = 0; nFrame < 2; ++nFrame) {
        const std::vector<Rgb> rows = BorderColumns(p, nFrame == 0, cy);
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x) {
                const int nRing = std::min(std::max(rings.Bottom(x, y) - 1, 0), cy - 1);
                strip.SetPixel(nFrame * cx + x, y, rows[nRing]);
            }
    }
    return SaveStrip(strip, strSkin, L"BottomBorder");
}

enum CaptionGlyph { GLYPH_MIN, GLYPH_MAX, GLYPH_RESTORE, GLYPH_CLOSE };

void FillBox(Graphics& g, float x, float y, float cx, float cy, const Color& c) {
    SolidBrush brush(c);
    g.FillRectangle(&brush, RectF(x, y, cx, cy));
}

// A window symbol of nSize pixels with its top-left corner at (x, y): whole pixels keep the bars
// crisp, the close cross is anti-aliased.
void DrawGlyph(Graphics& g, CaptionGlyph glyph, float x, float y, int nSize, const Color& c) {
    const float s = static_cast<float>(nSize);
    switch (glyph) {
    case GLYPH_MIN:
        FillBox(g, x, y + s - 2, s, 2, c);
        break;
    case GLYPH_MAX:
        FillBox(g, x, y, s, 2, c);
        FillBox(g, x, y + 2, 1, s - 2, c);
        FillBox(g, x + s - 1, y + 2, 1, s - 2, c);
        FillBox(g, x + 1, y + s - 1, s - 2, 1, c);
        break;
    case GLYPH_RESTORE: {
        const float b = s - 2;  // each box
        // Back box: its top, its right side and the bit of its bottom right of the front box.
        FillBox(g, x + 2, y, b, 2, c);
        FillBox(g, x + s - 1, y + 2, 1, b - 2, c);
        FillBox(g, x + b, y + b - 1, 1, 1, c);
        // Front box.
        FillBox(g, x, y + 2, b, 2, c);
        FillBox(g, x, y + 4, 1, b - 2, c);
        FillBox(g, x + b - 1, y + 4, 1, b - 2, c);
        FillBox(g, x + 1, y + s - 1, b - 2, 1, c);
        break;
    }
    case GLYPH_CLOSE: {
        Pen pen(c, nSize >= 9 ? 1.7f : 1.5f);
        pen.SetStartCap(LineCapRound);
        pen.SetEndCap(LineCapRound);
        const float d = 0.6f;
        g.DrawLine(&pen, x + d, y + d, x + s - d, y + s - d);
        g.DrawLine(&pen, x + s - d, y + d, x + d, y + s - d);
        break;
    }
    }
}

// Eight frames: normal, hover, pressed, disabled, then the same on an inactive caption. Each frame is
// drawn on the caption it will sit on (the buttons are centred in the caption), so the anti-aliased
// rim blends into the caption; outside the rounded rim is the key colour.
bool WriteCaptionButton(const SkinParams& p, const std::wstring& strSkin, CaptionGlyph glyph,
                        const wchar_t* pszName) {
    const bool bClose = glyph == GLYPH_CLOSE;
    const int cx = bClose ? p.nCloseBtnWidth : p.nCaptionBtnWidth;
    const int cy = bClose ? p.nCloseBtnHeight : p.nCaptionBtnHeight;
    const float y0 = static_cast<float>((p.nCaptionHeight - cy) / 2);
    const float r = p.fCaptionBtnRadius;
    CImageStrip strip(cx, cy, 8);
    for (int nFrame = 0; nFrame < 8; ++nFrame) {
        const bool bActive = nFrame < 4;
        const int nState = nFrame % 4;  // normal, hover, pressed, disabled
        CFrameCanvas canvas(cx, cy);
        Graphics& g = canvas.Graphics();
        PaintCaptionBand(g, p, bActive, 0, y0, static_cast<float>(cx));

        GraphicsPath shape;
        AddRoundRect(shape, RectF(0, 0, static_cast<REAL>(cx), static_cast<REAL>(cy)), r);
        const RectF rcFace(0, 0, static_cast<REAL>(cx), static_cast<REAL>(cy));
        if (bClose && (nState == 1 || nState == 2)) {
            const Rgb base = nState == 1 ? p.closeHot : p.closePressed;
            FillVertical(g, shape, rcFace, Lighter(base, nState == 1 ? 0.3f : 0.1f), base);
        } else {
            static const BYTE kWhiteOverlay[2][4] = {{40, 96, 0, 16}, {30, 72, 0, 12}};
            SolidBrush overlay(nState == 2 ? ToColor(kBlack, 64)
                                           : ToColor(kWhite, kWhiteOverlay[bActive ? 0 : 1][nState]));
            g.FillPath(&overlay, &shape);
        }
        // Rim: a dark outer line, a light inner line unless pressed.
        const Rgb rim = bClose && (nState == 1 || nState == 2) ? Darker(p.closePressed, 0.3f)
                                                               : (bActive ? p.outline : p.outlineInactive);
        GraphicsPath outer;
        AddRoundRect(outer, RectF(0.5f, 0.5f, cx - 1.0f, cy - 1.0f), r - 0.5f);
        Pen penRim(ToColor(rim, nState == 3 ? 70 : 170), 1.0f);
        g.DrawPath(&penRim, &outer);
        if (nState != 2) {
            GraphicsPath inner;
            AddRoundRect(inner, RectF(1.5f, 1.5f, cx - 3.0f, cy - 3.0f), r - 1.5f);
            Pen penLight(ToColor(kWhite, nState == 3 ? 24 : 64), 1.0f);
            g.DrawPath(&penLight, &inner);
        }

        const int nGlyph = std::lround(std::min(cx, cy) * 0.45f);
        float x = static_cast<float>((cx - nGlyph) / 2);
        float y = static_cast<float>((cy - nGlyph) / 2);
        if (nState == 2) {
            x += 1;
            y += 1;
        }
        const Rgb ink = bActive ? p.glyph : p.glyphInactive;
        if (nState != 3) DrawGlyph(g, glyph, x, y + 1, nGlyph, ToColor(kBlack, bActive ? 70 : 40));
        DrawGlyph(g, glyph, x, y, nGlyph, ToColor(ink, nState == 3 ? 110 : 255));
        canvas.Commit(strip, nFrame, shape);
    }
    return SaveStrip(strip, strSkin, pszName);
}

// Client backgrounds: a tile for mode 2, and top band, middle tile and bottom band for mode 3.
bool WriteClientImages(const SkinParams& p, const std::wstring& strSkin) {
    bool ok = true;
    CImageStrip tile(kTileSize, kTileSize);
    const Rgb diagonal = Mix(p.clientBk, p.accent, 0.05f);
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x)
            tile.SetPixel(x, y, (x + y) % 8 == 0 ? diagonal : p.clientBk);
    ok = SaveStrip(tile, strSkin, L"ClientBk") && ok;

    CImageStrip mid(kTileSize, kTileSize);
    const Rgb dot = Mix(p.clientBk, p.clientBand, 0.7f);
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x)
            mid.SetPixel(x, y, x % 8 == 4 && y % 8 == 4 ? dot : p.clientBk);
    ok = SaveStrip(mid, strSkin, L"ClientMid") && ok;

    {
        CFrameCanvas canvas(p.nBandWidth, p.nClientTopHeight);
        Graphics& g = canvas.Graphics();
        FillVertical(g, RectF(0, 0, static_cast<REAL>(p.nBandWidth), static_cast<REAL>(p.nClientTopHeight)),
                     p.clientBand, p.clientBk);
        HorzLine(g, 0, static_cast<float>(p.nBandWidth - 1), 0, Lighter(p.clientBand, 0.5f));
        CImageStrip strip(p.nBandWidth, p.nClientTopHeight);
        canvas.Commit(strip, 0);
        ok = SaveStrip(strip, strSkin, L"ClientTop") && ok;
    }
    {
        CFrameCanvas canvas(p.nBandWidth, p.nClientBottomHeight);
        Graphics& g = canvas.Graphics();
        FillVertical(g,
                     RectF(0, 0, static_cast<REAL>(p.nBandWidth), static_cast<REAL>(p.nClientBottomHeight)),
                     p.clientBk, p.clientBand);
        HorzLine(g, 0, static_cast<float>(p.nBandWidth - 1), 0, Mix(p.clientBand, p.border, 0.45f));
        HorzLine(g, 0, static_cast<float>(p.nBandWidth - 1), 1, Lighter(p.clientBk, 0.6f));
        CImageStrip strip(p.nBandWidth, p.nClientBottomHeight);
        canvas.Commit(strip, 0);
        ok = SaveStrip(strip, strSkin, L"ClientBottom") && ok;
    }
    return ok;
}

// Corner masks: the pixels the outlines leave out of the window region become the key colour, the
// rest white; asked of the window region itself, so mask and outline always agree.
bool WriteCornerMasks(const SkinParams& p, const std::wstring& strSkin) {
    const int nWindow = 64;
    HRGN hRgn = CreateWindowRegion(p, nWindow, nWindow);
    if (!hRgn) return false;
    bool ok = true;
    for (int nCorner = 0; nCorner < CORNER_COUNT; ++nCorner) {
        const std::wstring strName = CornerMaskName(p, nCorner);
        if (strName.empty()) continue;
        const int n = CornerOf(p, nCorner).nSize + 2;
        const bool bRight = nCorner == CORNER_TOP_RIGHT || nCorner == CORNER_BOTTOM_RIGHT;
        const bool bBottom = nCorner == CORNER_BOTTOM_RIGHT || nCorner == CORNER_BOTTOM_LEFT;
        CImageStrip mask(n, n);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const int xWindow = bRight ? nWindow - n + x : x;
                const int yWindow = bBottom ? nWindow - n + y : y;
                mask.SetPixel(x, y, ::PtInRegion(hRgn, xWindow, yWindow) ? kWhite : kKey);
            }
        ok = mask.SaveBmp(strSkin + L"Common\\Window\\" + strName) && ok;
    }
    ::DeleteObject(hRgn);
    return ok;
}

}  // namespace

std::vector<POINT> CornerOutline(const SkinParams& p, int nCorner) {
    std::vector<POINT> points = QuarterPoints(CornerOf(p, nCorner));
    // The path runs clockwise: the top-left and bottom-right quarters from side to top (or bottom), the
    // other two the other way round.
    if (nCorner == CORNER_TOP_RIGHT || nCorner == CORNER_BOTTOM_LEFT)
        std::reverse(points.begin(), points.end());
    return points;
}

std::wstring CornerMaskName(const SkinParams& p, int nCorner) {
    static const wchar_t* const kNames[CORNER_COUNT] = {L"MaskTopLeft.bmp", L"MaskTopRight.bmp",
                                                        L"MaskBottomRight.bmp", L"MaskBottomLeft.bmp"};
    return CornerOf(p, nCorner).nSize > 0 ? kNames[nCorner] : std::wstring();
}

bool WriteWindowImages(const SkinParams& p, const std::wstring& strSkin) {
    bool ok = WriteCaption(p, strSkin);
    ok = WriteSideBorder(p, strSkin, true) && ok;
    ok = WriteSideBorder(p, strSkin, false) && ok;
    ok = WriteBottomBorder(p, strSkin) && ok;
    ok = WriteCaptionButton(p, strSkin, GLYPH_MIN, L"MinBtn") && ok;
    ok = WriteCaptionButton(p, strSkin, GLYPH_MAX, L"MaxBtn") && ok;
    ok = WriteCaptionButton(p, strSkin, GLYPH_RESTORE, L"RestoreBtn") && ok;
    ok = WriteCaptionButton(p, strSkin, GLYPH_CLOSE, L"CloseBtn") && ok;
    ok = WriteClientImages(p, strSkin) && ok;
    ok = WriteCornerMasks(p, strSkin) && ok;
    return ok;
}
