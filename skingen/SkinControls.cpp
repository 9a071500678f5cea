// The button record's images: push button, check box, radio, spin arrows, combo drop button, tabs and
// header items; and the menu check mark of the other controls' record.
#include "SkinDraw.h"

#include <algorithm>
#include <cmath>

using namespace Gdiplus;

namespace {

enum State { STATE_NORMAL, STATE_HOT, STATE_PRESSED, STATE_DISABLED };

struct FaceColors {
    Rgb top;
    Rgb bottom;
    Rgb border;
    Rgb ink;  // arrows and marks
};

FaceColors FaceOf(const SkinParams& p, State state) {
    switch (state) {
    case STATE_HOT:
        return {p.faceHotTop, p.faceHotBottom, p.borderHot, p.accent};
    case STATE_PRESSED:
        return {p.facePressedTop, p.facePressedBottom, Darker(p.borderHot, 0.2f), Darker(p.accent, 0.2f)};
    case STATE_DISABLED:
        return {p.faceDisabled, p.faceDisabled, p.borderDisabled, p.glyphDisabled};
    default:
        return {p.faceTop, p.faceBottom, p.border, Darker(p.border, 0.35f)};
    }
}

RectF Whole(int cx, int cy) {
    return RectF(0, 0, static_cast<REAL>(cx), static_cast<REAL>(cy));
}

bool SaveButtonStrip(const CImageStrip& strip, const std::wstring& strSkin, const wchar_t* pszName) {
    return strip.SaveBmp(strSkin + L"Common\\Button\\" + pszName + L".bmp");
}

// A rounded face with its border and, unless pressed or disabled, a light line inside the top edge.
// Drawn on the client background, which the anti-aliased rim blends into.
void DrawRoundFace(Graphics& g, const SkinParams& p, int cx, int cy, float r, State state) {
    const FaceColors face = FaceOf(p, state);
    FillSolid(g, Whole(cx, cy), p.clientBk);
    GraphicsPath body;
    AddRoundRect(body, Whole(cx, cy), r);
    FillVertical(g, body, Whole(cx, cy), face.top, face.bottom);
    if (state == STATE_NORMAL || state == STATE_HOT) {
        GraphicsPath light;
        AddRoundRect(light, RectF(1.5f, 1.5f, cx - 3.0f, cy - 3.0f), std::max(r - 1.5f, 0.0f));
        Pen pen(ToColor(kWhite, 150), 1.0f);
        g.DrawPath(&pen, &light);
    }
    GraphicsPath rim;
    AddRoundRect(rim, RectF(0.5f, 0.5f, cx - 1.0f, cy - 1.0f), std::max(r - 0.5f, 0.0f));
    Pen pen(ToColor(face.border), 1.0f);
    g.DrawPath(&pen, &rim);
}

// Push button: four frames (normal, hover, pressed, disabled), key colour outside the rounded corners.
bool WritePushButton(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = p.nPushBtnWidth;
    const int cy = p.nPushBtnHeight;
    CImageStrip strip(cx, cy, 4);
    for (int nFrame = 0; nFrame < 4; ++nFrame) {
        CFrameCanvas canvas(cx, cy);
        DrawRoundFace(canvas.Graphics(), p, cx, cy, p.fPushBtnRadius, static_cast<State>(nFrame));
        GraphicsPath shape;
        AddRoundRect(shape, Whole(cx, cy), p.fPushBtnRadius);
        canvas.Commit(strip, nFrame, shape);
    }
    return SaveButtonStrip(strip, strSkin, L"PushBtn");
}

enum CheckMark { MARK_NONE, MARK_CHECK, MARK_MIXED };

// Check box frames: 0-3 unchecked normal, hover, pressed, disabled; 4-7 the same checked; 8, 9 mixed
// normal and hover; 10 pressed (the frame a button shows while the mouse holds it down).
bool WriteCheckBox(const SkinParams& p, const std::wstring& strSkin) {
    struct Frame {
        State state;
        CheckMark mark;
    };
    static const Frame kFrames[11] = {
        {STATE_NORMAL, MARK_NONE},   {STATE_HOT, MARK_NONE},       {STATE_PRESSED, MARK_NONE},
        {STATE_DISABLED, MARK_NONE}, {STATE_NORMAL, MARK_CHECK},   {STATE_HOT, MARK_CHECK},
        {STATE_PRESSED, MARK_CHECK}, {STATE_DISABLED, MARK_CHECK}, {STATE_NORMAL, MARK_MIXED},
        {STATE_HOT, MARK_MIXED},     {STATE_PRESSED, MARK_NONE}};
    const int n = p.nCheckSize;
    const float s = static_cast<float>(n);
    CImageStrip strip(n, n, 11);
    for (int nFrame = 0; nFrame < 11; ++nFrame) {
        const Frame& frame = kFrames[nFrame];
        CFrameCanvas canvas(n, n);
        Graphics& g = canvas.Graphics();
        DrawRoundFace(g, p, n, n, p.fCheckRadius, frame.state);
        const Rgb ink = frame.state == STATE_DISABLED ? p.glyphDisabled : p.accent;
        if (frame.mark == MARK_CHECK) {
            Pen pen(ToColor(ink), std::max(1.6f, s * 0.15f));
            pen.SetStartCap(LineCapRound);
            pen.SetEndCap(LineCapRound);
            pen.SetLineJoin(LineJoinRound);
            const PointF tick[3] = {PointF(s * 0.24f, s * 0.52f), PointF(s * 0.43f, s * 0.71f),
                                    PointF(s * 0.77f, s * 0.29f)};
            g.DrawLines(&pen, tick, 3);
        } else if (frame.mark == MARK_MIXED) {
            const float m = std::floor(s * 0.3f);
            FillVertical(g, RectF(m, m, s - 2 * m, s - 2 * m), Lighter(ink, 0.3f), ink);
        }
        GraphicsPath shape;
        AddRoundRect(shape, Whole(n, n), p.fCheckRadius);
        canvas.Commit(strip, nFrame, shape);
    }
    return SaveButtonStrip(strip, strSkin, L"CheckBox");
}

// Radio frames: 0-3 normal, hover, pressed, disabled; 4-7 the same checked. Round, key colour outside.
bool WriteRadio(const SkinParams& p, const std::wstring& strSkin) {
    const int n = p.nRadioSize;
    const float s = static_cast<float>(n);
    CImageStrip strip(n, n, 8);
    for (int nFrame = 0; nFrame < 8; ++nFrame) {
        const State state = static_cast<State>(nFrame % 4);
        const FaceColors face = FaceOf(p, state);
        CFrameCanvas canvas(n, n);
        Graphics& g = canvas.Graphics();
        FillSolid(g, Whole(n, n), p.clientBk);
        GraphicsPath body;
        body.AddEllipse(Whole(n, n));
        FillVertical(g, body, Whole(n, n), face.top, face.bottom);
        if (state == STATE_NORMAL || state == STATE_HOT) {
            Pen light(ToColor(kWhite, 150), 1.0f);
            g.DrawEllipse(&light, RectF(1.5f, 1.5f, s - 3, s - 3));
        }
        Pen rim(ToColor(face.border), 1.0f);
        g.DrawEllipse(&rim, RectF(0.5f, 0.5f, s - 1, s - 1));
        if (nFrame >= 4) {
            const Rgb ink = state == STATE_DISABLED ? p.glyphDisabled : p.accent;
            const float d = std::round(s * 0.46f);
            const RectF rcDot((s - d) / 2, (s - d) / 2, d, d);
            GraphicsPath dot;
            dot.AddEllipse(rcDot);
            FillVertical(g, dot, rcDot, Lighter(ink, 0.35f), Darker(ink, 0.1f));
        }
        canvas.Commit(strip, nFrame, body);
    }
    return SaveButtonStrip(strip, strSkin, L"Radio");
}

// A solid triangle pointing up or down, centred in the rectangle.
void FillArrow(Graphics& g, const RectF& rc, bool bUp, float fBase, const Color& c) {
    const float h = std::round(fBase / 2);
    const float x = std::round(rc.X + (rc.Width - fBase) / 2);
    const float y = std::round(rc.Y + (rc.Height - h) / 2);
    const PointF up[3] = {PointF(x, y + h), PointF(x + fBase / 2, y), PointF(x + fBase, y + h)};
    const PointF down[3] = {PointF(x, y), PointF(x + fBase / 2, y + h), PointF(x + fBase, y)};
    SolidBrush brush(c);
    g.FillPolygon(&brush, bUp ? up : down, 3);
}

// A square face with a border, for the parts that sit inside another control's border.
void DrawFlatFace(Graphics& g, const SkinParams& p, int cx, int cy, State state) {
    const FaceColors face = FaceOf(p, state);
    FillVertical(g, Whole(cx, cy), face.top, face.bottom);
    if (state != STATE_PRESSED && state != STATE_DISABLED) {
        HorzLine(g, 1, static_cast<float>(cx - 2), 1, kWhite);
        VertLine(g, 1, 1, static_cast<float>(cy - 2), kWhite);
    }
    Pen pen(ToColor(face.border), 1.0f);
    g.DrawRectangle(&pen, RectF(0.5f, 0.5f, cx - 1.0f, cy - 1.0f));
}

// Spin arrows: 0-3 up normal, hot, pressed, disabled; 4-7 the same pointing down.
bool WriteSpin(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = p.nSpinWidth;
    const int cy = p.nSpinHeight;
    CImageStrip strip(cx, cy, 8);
    for (int nFrame = 0; nFrame < 8; ++nFrame) {
        const State state = static_cast<State>(nFrame % 4);
        CFrameCanvas canvas(cx, cy);
        Graphics& g = canvas.Graphics();
        DrawFlatFace(g, p, cx, cy, state);
        RectF rc = Whole(cx, cy);
        if (state == STATE_PRESSED) rc.Offset(0, 1);
        const int nBase = std::max(3, (cy - 3) | 1);  // odd, so the tip sits on a pixel centre
        FillArrow(g, rc, nFrame < 4, static_cast<float>(nBase), ToColor(FaceOf(p, state).ink));
        canvas.Commit(strip, nFrame);
    }
    return SaveButtonStrip(strip, strSkin, L"Spin");
}

// Combo box drop button: normal, hover, pressed; a chevron on a flat face.
bool WriteComboDrop(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = p.nComboDropWidth;
    const int cy = p.nComboDropHeight;
    CImageStrip strip(cx, cy, 3);
    for (int nFrame = 0; nFrame < 3; ++nFrame) {
        const State state = static_cast<State>(nFrame);
        CFrameCanvas canvas(cx, cy);
        Graphics& g = canvas.Graphics();
        DrawFlatFace(g, p, cx, cy, state);
        const float w = std::round(cx * 0.42f);
        const float x = std::round((cx - w) / 2);
        const float y = std::round(cy / 2.0f - w / 4) + (state == STATE_PRESSED ? 1 : 0);
        Pen pen(ToColor(FaceOf(p, state).ink), 1.6f);
        pen.SetStartCap(LineCapRound);
        pen.SetEndCap(LineCapRound);
        pen.SetLineJoin(LineJoinRound);
        const PointF chevron[3] = {PointF(x, y), PointF(x + w / 2, y + w / 2), PointF(x + w, y)};
        g.DrawLines(&pen, chevron, 3);
        canvas.Commit(strip, nFrame);
    }
    return SaveButtonStrip(strip, strSkin, L"ComboDrop");
}

// The spare image of the record: a small flat face with a grip of dots, 16 x 16.
bool WriteReserved(const SkinParams& p, const std::wstring& strSkin) {
    const int n = 16;
    CImageStrip strip(n, n);
    CFrameCanvas canvas(n, n);
    Graphics& g = canvas.Graphics();
    DrawFlatFace(g, p, n, n, STATE_NORMAL);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) {
            const float x = static_cast<float>(10 - (i - j) * 3);
            const float y = static_cast<float>(4 + i * 3);
            FillSolid(g, RectF(x + 1, y + 1, 2, 2), kWhite);
            FillSolid(g, RectF(x, y, 2, 2), p.border);
        }
    canvas.Commit(strip, 0);
    return SaveButtonStrip(strip, strSkin, L"Reserved");
}

// A tab: rounded top corners on the client background; the selected one (frame 3) is the page's own
// colour with an accent line on top and no base line, so it joins the page under it.
void DrawTab(Graphics& g, const SkinParams& p, int cx, int cy, float r, int nFrame, Rgb accent) {
    const bool bSelected = nFrame == 3;
    const State state = bSelected ? STATE_NORMAL : static_cast<State>(nFrame);
    const FaceColors face = FaceOf(p, state);
    FillSolid(g, Whole(cx, cy), p.clientBk);
    GraphicsPath body;
    AddTopRoundRect(body, Whole(cx, cy), r);
    if (bSelected)
        FillVertical(g, body, Whole(cx, cy), kWhite, p.colors[2]);
    else
        FillVertical(g, body, Whole(cx, cy), Mix(face.top, face.bottom, 0.3f), face.bottom);
    GraphicsPath rim;
    AddTopRoundRect(rim, RectF(0.5f, 0.5f, cx - 1.0f, cy + 1.0f), std::max(r - 0.5f, 0.0f));
    Pen pen(ToColor(bSelected ? p.colors[3] : face.border), 1.0f);
    g.DrawPath(&pen, &rim);
    if (bSelected || state == STATE_HOT) {
        GraphicsPath line;
        AddTopRoundRect(line, RectF(1, 1, cx - 2.0f, 2), std::max(r - 1.0f, 0.0f));
        SolidBrush brush(ToColor(bSelected ? accent : Lighter(accent, 0.35f)));
        g.FillPath(&brush, &line);
    }
    if (!bSelected) HorzLine(g, 0, static_cast<float>(cx - 1), cy - 1, p.colors[3]);
}

// Tabs of the tab control (normal, hover, pressed, selected).
bool WriteTab(const SkinParams& p, const std::wstring& strSkin) {
    CImageStrip strip(p.nTabMinWidth, p.nTabHeight, 4);
    for (int nFrame = 0; nFrame < 4; ++nFrame) {
        CFrameCanvas canvas(p.nTabMinWidth, p.nTabHeight);
        DrawTab(canvas.Graphics(), p, p.nTabMinWidth, p.nTabHeight, p.fTabRadius, nFrame, p.accent);
        GraphicsPath shape;
        AddTopRoundRect(shape, Whole(p.nTabMinWidth, p.nTabHeight), p.fTabRadius);
        canvas.Commit(strip, nFrame, shape);
    }
    return SaveButtonStrip(strip, strSkin, L"Tab");
}

// Tabs of the tab window: larger and rounder, with the accent in the frame colour; and the mask of
// their outline (key colour outside), cut the same way as the frames.
bool WriteTabWnd(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = p.nTabWndWidth;
    const int cy = p.nTabWndHeight;
    GraphicsPath shape;
    AddTopRoundRect(shape, Whole(cx, cy), p.fTabWndRadius);
    CImageStrip strip(cx, cy, 4);
    for (int nFrame = 0; nFrame < 4; ++nFrame) {
        CFrameCanvas canvas(cx, cy);
        DrawTab(canvas.Graphics(), p, cx, cy, p.fTabWndRadius, nFrame, p.captionBottom);
        canvas.Commit(strip, nFrame, shape);
    }
    bool ok = SaveButtonStrip(strip, strSkin, L"TabWnd");
    CImageStrip mask(cx, cy);
    CFrameCanvas canvas(cx, cy);
    canvas.Commit(mask, 0, shape);  // the canvas is white: white inside, key outside
    ok = SaveButtonStrip(mask, strSkin, L"TabWndMask") && ok;
    return ok;
}

// Header items: normal, hot, pressed, disabled; a separator at the right, a base line at the bottom.
bool WriteHeader(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = p.nHeaderWidth;
    const int cy = p.nHeaderHeight;
    CImageStrip strip(cx, cy, 4);
    for (int nFrame = 0; nFrame < 4; ++nFrame) {
        const State state = static_cast<State>(nFrame);
        const FaceColors face = FaceOf(p, state);
        CFrameCanvas canvas(cx, cy);
        Graphics& g = canvas.Graphics();
        FillVertical(g, Whole(cx, cy), face.top, Mix(face.top, face.bottom, 0.8f));
        VertLine(g, cx - 2, 4, static_cast<float>(cy - 5), p.colors[10]);
        VertLine(g, cx - 1, 4, static_cast<float>(cy - 5), kWhite);
        HorzLine(g, 0, static_cast<float>(cx - 1), cy - 1, face.border);
        if (state == STATE_HOT) HorzLine(g, 0, static_cast<float>(cx - 1), cy - 2, Lighter(p.accent, 0.3f));
        canvas.Commit(strip, nFrame);
    }
    return SaveButtonStrip(strip, strSkin, L"Header");
}

// The check mark of owner-drawn menu items, 16 x 16, in Common\others. Menus draw it with white as the
// key colour, so it is drawn on white and its anti-aliased rim blends into white, never into magenta.
bool WriteMenuCheck(const SkinParams& p, const std::wstring& strSkin) {
    const int n = 16;
    const float s = static_cast<float>(n);
    CImageStrip strip(n, n);
    CFrameCanvas canvas(n, n);  // starts white
    Graphics& g = canvas.Graphics();
    Pen pen(ToColor(Darker(p.accent, 0.1f)), 2.2f);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(LineCapRound);
    pen.SetLineJoin(LineJoinRound);
    const PointF tick[3] = {PointF(s * 0.22f, s * 0.52f), PointF(s * 0.42f, s * 0.72f),
                            PointF(s * 0.78f, s * 0.28f)};
    g.DrawLines(&pen, tick, 3);
    canvas.Commit(strip, 0);
    return strip.SaveBmp(strSkin + L"Common\\others\\MenuCheck.bmp");
}

// Outlook bar folder headers in Common\others: normal, hot, pressed. A caption-coloured band (the bar
// writes its folder names in the window colour, white); with nOutBarTransparent its ends are rounded
// and the key colour lies outside them.
bool WriteOutBarFolder(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = 64;
    const int cy = p.nOutBarFolderHeight;
    const Rgb tops[3] = {p.captionTop, Lighter(p.captionTop, 0.25f), Darker(p.captionTop, 0.2f)};
    const Rgb bottoms[3] = {p.captionBottom, Lighter(p.captionBottom, 0.2f), Darker(p.captionBottom, 0.25f)};
    CImageStrip strip(cx, cy, 3);
    for (int nFrame = 0; nFrame < 3; ++nFrame) {
        CFrameCanvas canvas(cx, cy);
        Graphics& g = canvas.Graphics();
        GraphicsPath shape;
        AddRoundRect(shape, Whole(cx, cy), p.fOutBarRadius);
        FillVertical(g, shape, Whole(cx, cy), tops[nFrame], bottoms[nFrame]);
        if (nFrame != 2) HorzLine(g, 1, static_cast<float>(cx - 1), 1, kWhite, 90);
        Pen rim(ToColor(p.outline), 1.0f);
        GraphicsPath edge;
        AddRoundRect(edge, RectF(0.5f, 0.5f, cx - 1.0f, cy - 1.0f), std::max(p.fOutBarRadius - 0.5f, 0.0f));
        g.DrawPath(&rim, &edge);
        if (p.nOutBarTransparent)
            canvas.Commit(strip, nFrame, shape);
        else
            canvas.Commit(strip, nFrame);
    }
    return strip.SaveBmp(strSkin + L"Common\\others\\OutBarFolder.bmp");
}

// The slider's channel in Common\others: a sunken strip, drawn stretched between kept ends.
bool WriteSliderChannel(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = 24;
    const int cy = p.nSliderChannelHeight;
    CImageStrip strip(cx, cy);
    CFrameCanvas canvas(cx, cy);
    Graphics& g = canvas.Graphics();
    FillSolid(g, Whole(cx, cy), p.clientBk);
    GraphicsPath body;
    AddRoundRect(body, Whole(cx, cy), cy / 2.0f);
    FillVertical(g, body, Whole(cx, cy), Darker(p.faceBottom, 0.25f), Lighter(p.faceTop, 0.3f));
    Pen rim(ToColor(Darker(p.border, 0.1f)), 1.0f);
    GraphicsPath edge;
    AddRoundRect(edge, RectF(0.5f, 0.5f, cx - 1.0f, cy - 1.0f), std::max(cy / 2.0f - 0.5f, 0.0f));
    g.DrawPath(&rim, &edge);
    canvas.Commit(strip, 0);
    return strip.SaveBmp(strSkin + L"Common\\others\\SliderChannel.bmp");
}

// The slider's thumb in Common\others: a rounded capsule or a block pointing down, in the accent
// colour. Cut out with the key colour when the skin draws it transparent, else on the client
// background.
bool WriteSliderThumb(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = p.nSliderThumbWidth;
    const int cy = p.nSliderThumbHeight;
    const float fx = static_cast<float>(cx);
    const float fy = static_cast<float>(cy);
    CImageStrip strip(cx, cy);
    CFrameCanvas canvas(cx, cy);
    Graphics& g = canvas.Graphics();
    FillSolid(g, Whole(cx, cy), p.clientBk);
    GraphicsPath shape;
    if (p.nSliderThumbPointed) {
        const PointF points[5] = {PointF(0, 0), PointF(fx, 0), PointF(fx, fy * 0.68f), PointF(fx / 2, fy),
                                  PointF(0, fy * 0.68f)};
        shape.AddPolygon(points, 5);
    } else {
        AddRoundRect(shape, Whole(cx, cy), fx / 2);
    }
    FillVertical(g, shape, Whole(cx, cy), Lighter(p.accent, 0.35f), p.accent);
    Pen rim(ToColor(Darker(p.accent, 0.3f)), 1.0f);
    g.DrawPath(&rim, &shape);
    if (p.nSliderTransparent)
        canvas.Commit(strip, 0, shape);
    else
        canvas.Commit(strip, 0);
    return strip.SaveBmp(strSkin + L"Common\\others\\SliderThumb.bmp");
}

}  // namespace

bool WriteButtonImages(const SkinParams& p, const std::wstring& strSkin) {
    bool ok = WritePushButton(p, strSkin);
    ok = WriteCheckBox(p, strSkin) && ok;
    ok = WriteRadio(p, strSkin) && ok;
    ok = WriteSpin(p, strSkin) && ok;
    ok = WriteComboDrop(p, strSkin) && ok;
    ok = WriteReserved(p, strSkin) && ok;
    ok = WriteTab(p, strSkin) && ok;
    ok = WriteTabWnd(p, strSkin) && ok;
    ok = WriteHeader(p, strSkin) && ok;
    ok = WriteMenuCheck(p, strSkin) && ok;
    ok = WriteOutBarFolder(p, strSkin) && ok;
    ok = WriteSliderChannel(p, strSkin) && ok;
    ok = WriteSliderThumb(p, strSkin) && ok;
    return ok;
}

namespace {

enum MessageIcon { ICON_QUESTION, ICON_ERROR, ICON_INFORMATION, ICON_WARNING };

constexpr int kIconSize = 32;

// Fills a shape with the badge colour: lighter at the top, a glossy upper half, a darker rim.
void PaintBadge(Graphics& g, const SkinParams& p, const GraphicsPath& shape, const RectF& rc, Rgb base) {
    FillVertical(g, shape, rc, Lighter(base, 0.35f), Darker(base, 0.12f));
    if (p.fIconGloss > 0) {
        Region clip(&shape);
        g.SetClip(&clip);
        const RectF rcGloss(rc.X, rc.Y, rc.Width, rc.Height * 0.5f);
        LinearGradientBrush gloss(PointF(0, rcGloss.Y), PointF(0, rcGloss.Y + rcGloss.Height),
                                  ToColor(kWhite, static_cast<BYTE>(255 * p.fIconGloss)), ToColor(kWhite, 0));
        gloss.SetWrapMode(WrapModeTileFlipXY);
        g.FillRectangle(&gloss, rcGloss);
        g.ResetClip();
    }
    Pen rim(ToColor(Darker(base, 0.35f)), 1.0f);
    g.DrawPath(&rim, &shape);
}

// A convex polygon, its points in clockwise order, with every corner rounded by radius r.
void AddRoundPolygon(GraphicsPath& path, const PointF* pts, int n, float r) {
    constexpr float kDegrees = 180.0f / 3.14159265f;
    path.StartFigure();
    for (int i = 0; i < n; ++i) {
        const PointF v = pts[i], prev = pts[(i + n - 1) % n], next = pts[(i + 1) % n];
        auto unit = [](float x, float y) {
            const float len = std::sqrt(x * x + y * y);
            return PointF(x / len, y / len);
        };
        const PointF u1 = unit(prev.X - v.X, prev.Y - v.Y), u2 = unit(next.X - v.X, next.Y - v.Y);
        const float fHalf = std::acos(std::max(-1.0f, std::min(1.0f, u1.X * u2.X + u1.Y * u2.Y))) / 2;
        // The circle touching both edges: its centre on the bisector, its touch points along the edges.
        const float fToCentre = r / std::sin(fHalf), fToTouch = r / std::tan(fHalf);
        const PointF bis = unit(u1.X + u2.X, u1.Y + u2.Y);
        const PointF c(v.X + bis.X * fToCentre, v.Y + bis.Y * fToCentre);
        const PointF t1(v.X + u1.X * fToTouch, v.Y + u1.Y * fToTouch);
        const PointF t2(v.X + u2.X * fToTouch, v.Y + u2.Y * fToTouch);
        const float a1 = std::atan2(t1.Y - c.Y, t1.X - c.X) * kDegrees;
        float fSweep = std::atan2(t2.Y - c.Y, t2.X - c.X) * kDegrees - a1;
        while (fSweep <= -180)
            fSweep += 360;
        while (fSweep > 180)
            fSweep -= 360;
        path.AddArc(c.X - r, c.Y - r, 2 * r, 2 * r, a1, fSweep);
    }
    path.CloseFigure();
}

void FillDisc(Graphics& g, float x, float y, float r, const Color& c) {
    SolidBrush brush(c);
    g.FillEllipse(&brush, x - r, y - r, 2 * r, 2 * r);
}

// The symbols are paths, never font glyphs, so the icons do not depend on the machine's fonts.
void DrawQuestionMark(Graphics& g, const Color& c) {
    Pen pen(c, 3.4f);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(LineCapFlat);
    GraphicsPath path;
    // The hook from the left round the top and right down to the middle, then the stem.
    path.AddArc(11.0f, 6.5f, 10.0f, 10.0f, 190.0f, 260.0f);
    path.AddLine(16.0f, 16.5f, 16.0f, 19.5f);
    g.DrawPath(&pen, &path);
    FillDisc(g, 16.0f, 24.2f, 2.1f, c);
}

void DrawCross(Graphics& g, const Color& c) {
    Pen pen(c, 3.6f);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(LineCapRound);
    g.DrawLine(&pen, 11.0f, 11.0f, 21.0f, 21.0f);
    g.DrawLine(&pen, 21.0f, 11.0f, 11.0f, 21.0f);
}

void DrawInformationMark(Graphics& g, const Color& c) {
    FillDisc(g, 16.0f, 9.5f, 2.3f, c);
    GraphicsPath stem;
    AddRoundRect(stem, RectF(14.1f, 13.5f, 3.8f, 11.5f), 1.2f);
    SolidBrush brush(c);
    g.FillPath(&brush, &stem);
}

void DrawExclamationMark(Graphics& g, const Color& c) {
    const PointF stem[4] = {PointF(14.4f, 10.5f), PointF(17.6f, 10.5f), PointF(16.8f, 20.5f),
                            PointF(15.2f, 20.5f)};
    SolidBrush brush(c);
    g.FillPolygon(&brush, stem, 4);
    FillDisc(g, 16.0f, 10.6f, 1.6f, c);
    FillDisc(g, 16.0f, 24.6f, 1.9f, c);
}

bool WriteMessageBoxIcon(const SkinParams& p, const std::wstring& strSkin, MessageIcon icon) {
    CAlphaCanvas canvas(kIconSize, kIconSize);
    Graphics& g = canvas.Graphics();
    const RectF rc(1.0f, 1.0f, kIconSize - 2.0f, kIconSize - 2.0f);
    static const wchar_t* const kNames[] = {L"Question", L"Error", L"Information", L"Warning"};
    if (icon == ICON_WARNING) {
        const PointF tri[3] = {PointF(16.0f, 1.5f), PointF(30.5f, 29.0f), PointF(1.5f, 29.0f)};
        GraphicsPath shape;
        AddRoundPolygon(shape, tri, 3, p.fIconRadius >= 16 ? 3.0f : 1.5f);
        PaintBadge(g, p, shape, rc, p.iconWarning);
        GraphicsState state = g.Save();
        g.TranslateTransform(0, 2.5f);
        g.ScaleTransform(1.0f, 0.86f);
        DrawExclamationMark(g, ToColor(Darker(p.iconWarning, 0.72f)));
        g.Restore(state);
    } else {
        GraphicsPath shape;
        if (p.fIconRadius >= 16)
            shape.AddEllipse(rc);
        else
            AddRoundRect(shape, rc, p.fIconRadius);
        const Rgb base = icon == ICON_QUESTION ? p.iconQuestion
                         : icon == ICON_ERROR  ? p.iconError
                                               : p.iconInformation;
        PaintBadge(g, p, shape, rc, base);
        const Color ink = ToColor(kWhite);
        if (icon == ICON_QUESTION)
            DrawQuestionMark(g, ink);
        else if (icon == ICON_ERROR)
            DrawCross(g, ink);
        else
            DrawInformationMark(g, ink);
    }
    return canvas.SavePng(strSkin + L"Common\\" + kNames[icon] + L".png");
}

}  // namespace

bool WriteMessageBoxIcons(const SkinParams& p, const std::wstring& strSkin) {
    bool ok = true;
    for (MessageIcon icon : {ICON_QUESTION, ICON_ERROR, ICON_INFORMATION, ICON_WARNING})
        ok = WriteMessageBoxIcon(p, strSkin, icon) && ok;
    return ok;
}

// ---------------------------------------------------------------------------------------------------
// Contact list: Common\IMList\ images, icons and the user pictures.

namespace {

// Key colour of the user pictures: the list blinks the small picture on a group button with it.
constexpr Rgb kPictureBack = {199, 228, 255};

bool SaveIMListStrip(const CImageStrip& strip, const std::wstring& strSkin, const wchar_t* pszName) {
    return strip.SaveBmp(strSkin + L"Common\\IMList\\" + pszName);
}

// Team badge behind the arrow icon (18 x 16, the team row's image area): normal, hot.
bool WriteTeamItem(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = 18, cy = 16;
    CImageStrip strip(cx, cy, 2);
    for (int nFrame = 0; nFrame < 2; ++nFrame) {
        const FaceColors face = FaceOf(p, nFrame ? STATE_HOT : STATE_NORMAL);
        CFrameCanvas canvas(cx, cy);
        Graphics& g = canvas.Graphics();
        GraphicsPath shape;
        AddRoundRect(shape, Whole(cx, cy), 4.0f);
        FillVertical(g, shape, Whole(cx, cy), face.top, face.bottom);
        GraphicsPath rim;
        AddRoundRect(rim, RectF(0.5f, 0.5f, cx - 1.0f, cy - 1.0f), 3.5f);
        Pen pen(ToColor(face.border), 1.0f);
        g.DrawPath(&pen, &rim);
        canvas.Commit(strip, nFrame, shape);
    }
    return SaveIMListStrip(strip, strSkin, L"TeamItem.bmp");
}

// Group button face (normal, hot), stretched over the list's width with its rounded ends kept.
bool WriteGroupBtn(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = 64, cy = p.nIMGroupBtnHeight;
    const float r = p.fIMGroupBtnRadius;
    CImageStrip strip(cx, cy, 2);
    for (int nFrame = 0; nFrame < 2; ++nFrame) {
        const FaceColors face = FaceOf(p, nFrame ? STATE_HOT : STATE_NORMAL);
        CFrameCanvas canvas(cx, cy);
        Graphics& g = canvas.Graphics();
        GraphicsPath shape;
        AddRoundRect(shape, Whole(cx, cy), r);
        FillVertical(g, shape, Whole(cx, cy), face.top, Mix(face.bottom, p.clientBand, 0.5f));
        HorzLine(g, r, cx - r, 1, kWhite, 140);
        GraphicsPath rim;
        AddRoundRect(rim, RectF(0.5f, 0.5f, cx - 1.0f, cy - 1.0f), std::max(r - 0.5f, 0.0f));
        Pen pen(ToColor(face.border), 1.0f);
        g.DrawPath(&pen, &rim);
        canvas.Commit(strip, nFrame, shape);
    }
    return SaveIMListStrip(strip, strSkin, L"GroupBtn.bmp");
}

// A vertical thumb face: shaded across, not down, so that rows 3 to 11 can be repeated to any length.
// The grip cell (bMiddle) is a piece of the straight middle, so it fits anywhere along a long thumb.
void DrawThumbCell(Graphics& g, const SkinParams& p, float x, float y, State state, bool bMiddle) {
    const FaceColors face = FaceOf(p, state);
    const RectF rc = bMiddle ? RectF(x + 1, y - 8, 13, 31) : RectF(x + 1, y, 13, 15);
    const RectF rcCell(x, y, 15, 15);
    g.SetClip(rcCell);
    GraphicsPath body;
    AddRoundRect(body, rc, 3.0f);
    LinearGradientBrush brush(RectF(rc.X - 0.5f, rc.Y, rc.Width + 1, rc.Height), ToColor(face.top),
                              ToColor(face.bottom), LinearGradientModeHorizontal);
    g.FillPath(&brush, &body);
    GraphicsPath rim;
    AddRoundRect(rim, RectF(rc.X + 0.5f, rc.Y + 0.5f, rc.Width - 1, rc.Height - 1), 2.5f);
    Pen pen(ToColor(face.border), 1.0f);
    g.DrawPath(&pen, &rim);
    g.ResetClip();
}

// scrollbar.bmp: 15 x 15 cells; arrows at (0,0) (21,0) up and (0,21) (21,21) down, normal and hot; the
// thumb at (41,0) (61,0); its grip at (41,21) (61,21); the track at (0,41).
bool WriteIMScrollBar(const SkinParams& p, const std::wstring& strSkin) {
    const int cx = 76, cy = 56;
    CImageStrip strip(cx, cy, 1);
    CFrameCanvas canvas(cx, cy);
    Graphics& g = canvas.Graphics();
    FillSolid(g, Whole(cx, cy), p.clientBk);
    const Rgb track = Mix(p.clientBk, p.faceBottom, 0.5f);
    // Track: the same in every row.
    FillSolid(g, RectF(0, 41, 15, 15), track);
    VertLine(g, 0, 41, 55, Mix(track, p.border, 0.35f));
    for (int nHot = 0; nHot < 2; ++nHot) {
        const State state = nHot ? STATE_HOT : STATE_NORMAL;
        const FaceColors face = FaceOf(p, state);
        const float x = nHot ? 21.0f : 0.0f;
        for (int nDown = 0; nDown < 2; ++nDown) {
            const float y = nDown ? 21.0f : 0.0f;
            FillSolid(g, RectF(x, y, 15, 15), track);
            GraphicsPath body;
            AddRoundRect(body, RectF(x, y, 15, 15), 3.0f);
            FillVertical(g, body, RectF(x, y, 15, 15), face.top, face.bottom);
            GraphicsPath rim;
            AddRoundRect(rim, RectF(x + 0.5f, y + 0.5f, 14, 14), 2.5f);
            Pen pen(ToColor(face.border), 1.0f);
            g.DrawPath(&pen, &rim);
            FillArrow(g, RectF(x, y, 15, 15), nDown == 0, 7.0f, ToColor(face.ink));
        }
        const float xThumb = nHot ? 61.0f : 41.0f;
        FillSolid(g, RectF(xThumb, 0, 15, 15), track);
        DrawThumbCell(g, p, xThumb, 0, state, false);
        FillSolid(g, RectF(xThumb, 21, 15, 15), track);
        DrawThumbCell(g, p, xThumb, 21, state, true);
        for (int i = 0; i < 3; ++i)
            HorzLine(g, xThumb + 4, xThumb + 10, 25 + 2 * i + 1, face.ink, 170);
    }
    canvas.Commit(strip, 0);
    return SaveIMListStrip(strip, strSkin, L"scrollbar.bmp");
}

// A solid triangle pointing left or right, centred in the rectangle.
void FillSideArrow(Graphics& g, const RectF& rc, bool bLeft, float fBase, const Color& c) {
    const float w = std::round(fBase / 2);
    const float x = std::round(rc.X + (rc.Width - w) / 2);
    const float y = std::round(rc.Y + (rc.Height - fBase) / 2);
    const PointF left[3] = {PointF(x + w, y), PointF(x, y + fBase / 2), PointF(x + w, y + fBase)};
    const PointF right[3] = {PointF(x, y), PointF(x + w, y + fBase / 2), PointF(x, y + fBase)};
    SolidBrush brush(c);
    g.FillPolygon(&brush, bLeft ? left : right, 3);
}

// The window scroll bars' cells, 16 x 16 each: row 0 the vertical bar, row 16 the horizontal one:
// arrows 1 and 2 in four states (normal, hot, pressed, disabled), the thumb and its grip in three,
// the track; row 32 the size box, for the bar on the right and on the left. The thumb's ends are its
// first and last 4 pixels along the bar and its middle repeats, so it is shaded only across the bar.
bool WriteWindowScrollBar(const SkinParams& p, const std::wstring& strSkin) {
    const int n = 16, cx = 15 * n, cy = 3 * n;
    CImageStrip strip(cx, cy, 1);
    CFrameCanvas canvas(cx, cy);
    Graphics& g = canvas.Graphics();
    const Rgb track = Mix(p.clientBk, p.faceBottom, 0.6f);
    FillSolid(g, Whole(cx, cy), track);
    const float fRound = std::min(p.fPushBtnRadius, 5.0f);
    for (int nRow = 0; nRow < 2; ++nRow) {
        const bool bVert = nRow == 0;
        const float y = static_cast<float>(nRow * n);
        const auto across = bVert ? LinearGradientModeHorizontal : LinearGradientModeVertical;
        // Track: a line along each edge of the bar.
        const Rgb edge = Mix(track, p.border, 0.45f);
        if (bVert) {
            VertLine(g, 14 * n, y, y + n - 1, edge);
            VertLine(g, 15 * n - 1, y, y + n - 1, edge);
        } else {
            HorzLine(g, 14.0f * n, 15.0f * n - 1, nRow * n, edge);
            HorzLine(g, 14.0f * n, 15.0f * n - 1, nRow * n + n - 1, edge);
        }
        for (int nState = 0; nState < 4; ++nState) {
            const FaceColors face = FaceOf(p, static_cast<State>(nState));
            for (int nArrow = 0; nArrow < 2; ++nArrow) {
                const RectF rc(static_cast<float>((nArrow * 4 + nState) * n), y, static_cast<float>(n),
                               static_cast<float>(n));
                GraphicsPath body;
                AddRoundRect(body, RectF(rc.X + 0.5f, rc.Y + 0.5f, n - 1.0f, n - 1.0f), fRound);
                LinearGradientBrush brush(rc, ToColor(face.top), ToColor(face.bottom), across);
                g.FillPath(&brush, &body);
                Pen pen(ToColor(face.border), 1.0f);
                g.DrawPath(&pen, &body);
                const RectF rcGlyph(rc.X + (nState == STATE_PRESSED), rc.Y + (nState == STATE_PRESSED),
                                    rc.Width, rc.Height);
                if (bVert)
                    FillArrow(g, rcGlyph, nArrow == 0, 8.0f, ToColor(face.ink));
                else
                    FillSideArrow(g, rcGlyph, nArrow == 0, 8.0f, ToColor(face.ink));
            }
            if (nState == STATE_DISABLED) continue;
            // The thumb: rounded at both ends of its cell, straight across its middle.
            const RectF rcThumb(static_cast<float>((8 + nState) * n), y, static_cast<float>(n),
                                static_cast<float>(n));
            const RectF rcBody = bVert ? RectF(rcThumb.X + 1.5f, y + 0.5f, n - 3.0f, n - 1.0f)
                                       : RectF(rcThumb.X + 0.5f, y + 1.5f, n - 1.0f, n - 3.0f);
            GraphicsPath body;
            AddRoundRect(body, rcBody, 3.0f);
            LinearGradientBrush brush(rcThumb, ToColor(face.top), ToColor(face.bottom), across);
            g.FillPath(&brush, &body);
            Pen pen(ToColor(face.border), 1.0f);
            g.DrawPath(&pen, &body);
            // The grip: the thumb's straight middle with three ridges across it.
            const float xGrip = static_cast<float>((11 + nState) * n);
            const RectF rcMiddle = bVert ? RectF(xGrip + 1.5f, y - 8.0f, n - 3.0f, n + 16.0f)
                                         : RectF(xGrip - 8.0f, y + 1.5f, n + 16.0f, n - 3.0f);
            g.SetClip(RectF(xGrip, y, static_cast<float>(n), static_cast<float>(n)));
            GraphicsPath middle;
            AddRoundRect(middle, rcMiddle, 3.0f);
            LinearGradientBrush gripBrush(RectF(xGrip, y, static_cast<float>(n), static_cast<float>(n)),
                                          ToColor(face.top), ToColor(face.bottom), across);
            g.FillPath(&gripBrush, &middle);
            g.DrawPath(&pen, &middle);
            g.ResetClip();
            for (int i = 0; i < 3; ++i) {
                if (bVert)
                    HorzLine(g, xGrip + 5, xGrip + 10, nRow * n + 5 + 2 * i, face.ink, 190);
                else
                    VertLine(g, static_cast<int>(xGrip) + 5 + 2 * i, y + 5, y + 10, face.ink, 190);
            }
        }
    }
    // Size box: the bars' face with a grip of dots towards the window's corner.
    for (int nLeft = 0; nLeft < 2; ++nLeft) {
        const float x = static_cast<float>(nLeft * n), y = 2.0f * n;
        FillSolid(g, RectF(x, y, static_cast<float>(n), static_cast<float>(n)), Mix(track, p.faceTop, 0.5f));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j <= i; ++j) {
                const float dx = 11.0f - 3 * (i - j), dy = 11.0f - 3 * j;
                FillSolid(g, RectF(nLeft ? x + n - 1 - dx - 2 : x + dx, y + dy, 2, 2), p.border);
            }
    }
    canvas.Commit(strip, 0);
    return strip.SaveBmp(strSkin + L"Common\\Window\\ScrollBar.bmp");
}

// A 32-bit icon with alpha (and the matching AND mask) from a picture drawn 8 times larger.
class CIconCanvas {
public:
    static constexpr int kScale = 8;
    explicit CIconCanvas(int n)
        : m_n(n), m_bitmap(n * kScale, n * kScale, PixelFormat32bppARGB), m_g(&m_bitmap) {
        m_g.Clear(Color(0, 0, 0, 0));
        m_g.SetSmoothingMode(SmoothingModeNone);
        m_g.SetPixelOffsetMode(PixelOffsetModeHalf);
        m_g.ScaleTransform(static_cast<REAL>(kScale), static_cast<REAL>(kScale));
    }
    Graphics& G() { return m_g; }

    bool SaveIco(const std::wstring& strPath) {
        m_g.Flush(FlushIntentionSync);
        const int n = m_n;
        std::vector<BYTE> bgra(static_cast<size_t>(n) * n * 4);
        Rect rc(0, 0, n * kScale, n * kScale);
        BitmapData data = {};
        if (m_bitmap.LockBits(&rc, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok) return false;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                int a = 0, sum[3] = {};
                for (int sy = 0; sy < kScale; ++sy) {
                    const BYTE* pRow = static_cast<const BYTE*>(data.Scan0) + (y * kScale + sy) * data.Stride;
                    for (int sx = 0; sx < kScale; ++sx) {
                        const BYTE* px = pRow + (x * kScale + sx) * 4;
                        a += px[3];
                        for (int c = 0; c < 3; ++c)
                            sum[c] += px[c] * px[3];
                    }
                }
                BYTE* pOut = &bgra[(static_cast<size_t>(n - 1 - y) * n + x) * 4];  // bottom-up
                for (int c = 0; c < 3; ++c)
                    pOut[c] = a ? static_cast<BYTE>(sum[c] / a) : 0;
                pOut[3] = static_cast<BYTE>(a / (kScale * kScale));
            }
        m_bitmap.UnlockBits(&data);
        const int nMaskStride = ((n + 31) / 32) * 4;
        std::vector<BYTE> mask(static_cast<size_t>(nMaskStride) * n, 0);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (bgra[(static_cast<size_t>(y) * n + x) * 4 + 3] == 0)
                    mask[static_cast<size_t>(y) * nMaskStride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        BITMAPINFOHEADER info = {};
        info.biSize = sizeof(info);
        info.biWidth = n;
        info.biHeight = n * 2;
        info.biPlanes = 1;
        info.biBitCount = 32;
        info.biSizeImage = static_cast<DWORD>(bgra.size() + mask.size());
        const DWORD nImage = sizeof(info) + info.biSizeImage;
        BYTE dir[6] = {0, 0, 1, 0, 1, 0};
        BYTE entry[16] = {static_cast<BYTE>(n), static_cast<BYTE>(n), 0, 0, 1, 0, 32, 0};
        memcpy(entry + 8, &nImage, 4);
        const DWORD nOffset = sizeof(dir) + sizeof(entry);
        memcpy(entry + 12, &nOffset, 4);
        FILE* pFile = _wfopen(strPath.c_str(), L"wb");
        if (!pFile) return false;
        bool ok = fwrite(dir, sizeof(dir), 1, pFile) == 1 && fwrite(entry, sizeof(entry), 1, pFile) == 1 &&
                  fwrite(&info, sizeof(info), 1, pFile) == 1 &&
                  fwrite(bgra.data(), bgra.size(), 1, pFile) == 1 &&
                  fwrite(mask.data(), mask.size(), 1, pFile) == 1;
        ok = fclose(pFile) == 0 && ok;
        return ok;
    }

private:
    int m_n;
    Bitmap m_bitmap;
    Graphics m_g;
};

// The arrows of groups and teams: pointing right while collapsed, down while expanded.
bool WriteArrowIcons(const SkinParams& p, const std::wstring& strSkin) {
    const Color ink = ToColor(Darker(p.accent, 0.1f));
    CIconCanvas collapse(16);
    const PointF right[3] = {PointF(5.5f, 3.5f), PointF(11.5f, 8.0f), PointF(5.5f, 12.5f)};
    SolidBrush brush(ink);
    collapse.G().FillPolygon(&brush, right, 3);
    CIconCanvas expand(16);
    const PointF down[3] = {PointF(3.5f, 5.5f), PointF(12.5f, 5.5f), PointF(8.0f, 11.5f)};
    expand.G().FillPolygon(&brush, down, 3);
    const std::wstring strFolder = strSkin + L"Common\\IMList\\";
    bool ok = collapse.SaveIco(strFolder + L"ArrowCollapse.ico");
    ok = expand.SaveIco(strFolder + L"ArrowExpend.ico") && ok;
    return ok;
}

// Head and shoulders, scaled to a square of n pixels, in the colours given.
void DrawPerson(Graphics& g, float n, Rgb body, Rgb head, bool bHair, Rgb hair) {
    const float k = n / 40.0f;
    SolidBrush bodyBrush(ToColor(body));
    g.FillEllipse(&bodyBrush, RectF(7 * k, 24 * k, 26 * k, 24 * k));
    if (bHair) {
        SolidBrush hairBrush(ToColor(hair));
        g.FillEllipse(&hairBrush, RectF(11 * k, 5 * k, 18 * k, 14 * k));
    }
    SolidBrush headBrush(ToColor(head));
    g.FillEllipse(&headBrush, RectF(13 * k, 8 * k, 14 * k, 15 * k));
}

bool WriteFaceIcons(const std::wstring& strSkin) {
    CIconCanvas male(24);
    DrawPerson(male.G(), 24, {52, 110, 196}, {250, 214, 180}, false, {});
    CIconCanvas female(24);
    DrawPerson(female.G(), 24, {214, 82, 142}, {250, 214, 180}, true, {96, 58, 36});
    const std::wstring strFolder = strSkin + L"Common\\IMList\\";
    bool ok = male.SaveIco(strFolder + L"face_male.ico");
    ok = female.SaveIco(strFolder + L"face_female.ico") && ok;
    return ok;
}

Rgb Gray(Rgb c) {
    const BYTE y = static_cast<BYTE>((c.r * 30 + c.g * 59 + c.b * 11) / 100);
    return {y, y, y};
}

// User pictures: a person on a coloured tile over the key background; the grey variants grey the person
// and its tile and keep the background.
bool WriteUserPicture(const std::wstring& strFolder, int nIndex, int n, bool bGray) {
    static const Rgb kTiles[] = {{76, 142, 224}, {232, 108, 84}, {88, 176, 112}, {164, 104, 204},
                                 {236, 168, 48}, {64, 170, 178}, {214, 90, 150}, {120, 132, 150},
                                 {186, 140, 84}, {92, 112, 214}};
    static const Rgb kBodies[] = {{28, 64, 140}, {128, 40, 28}, {30, 96, 52}, {84, 44, 120}, {150, 88, 20},
                                  {24, 96, 104}, {130, 30, 84}, {52, 60, 76}, {104, 70, 34}, {36, 48, 140}};
    const int nKind = nIndex % 10;
    auto tone = [bGray](Rgb c) { return bGray ? Gray(c) : c; };
    CImageStrip strip(n, n, 1);
    CFrameCanvas canvas(n, n);
    Graphics& g = canvas.Graphics();
    FillSolid(g, Whole(n, n), kPictureBack);
    const float k = n / 40.0f;
    GraphicsPath tile;
    AddRoundRect(tile, RectF(2 * k, 2 * k, 36 * k, 36 * k), 6 * k);
    FillVertical(g, tile, RectF(2 * k, 2 * k, 36 * k, 36 * k), tone(Lighter(kTiles[nKind], 0.35f)),
                 tone(kTiles[nKind]));
    GraphicsPath clip;
    AddRoundRect(clip, RectF(2 * k, 2 * k, 36 * k, 36 * k), 6 * k);
    Region region(&clip);
    g.SetClip(&region);
    DrawPerson(g, static_cast<float>(n), tone(kBodies[nKind]), tone({250, 220, 190}), nKind % 2 == 1,
               tone({70, 44, 30}));
    g.ResetClip();
    canvas.Commit(strip, 0);
    wchar_t szName[40];
    swprintf(szName, 40, L"%d%ls%ls.bmp", nIndex, n < 40 ? L"_m" : L"", bGray ? L"_0" : L"");
    return strip.SaveBmp(strFolder + szName);
}

}  // namespace

bool WriteScrollBarImage(const SkinParams& p, const std::wstring& strSkin) {
    return WriteWindowScrollBar(p, strSkin);
}

bool WriteIMListImages(const SkinParams& p, const std::wstring& strSkin) {
    bool ok = WriteTeamItem(p, strSkin);
    ok = WriteGroupBtn(p, strSkin) && ok;
    ok = WriteIMScrollBar(p, strSkin) && ok;
    ok = WriteArrowIcons(p, strSkin) && ok;
    ok = WriteFaceIcons(strSkin) && ok;
    const std::wstring strPictures = strSkin + L"UserIcon\\";
    if (!::CreateDirectoryW(strPictures.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    for (int i = 0; i < 10; ++i)
        for (int nSize : {40, 20})
            for (bool bGray : {false, true})
                ok = WriteUserPicture(strPictures, i, nSize, bGray) && ok;
    return ok;
}
