// The date picker's navigation pictures in Common\others: 16 x 16 PNGs with alpha, drawn in the skin's
// accent colour so they sit on the popup's light header strip.
#include "SkinDraw.h"
#include "SkinImage.h"

using namespace Gdiplus;

namespace {

const int kSize = 16;

// One chevron pointing left (dir -1) or right (dir 1) with its tip at x.
void DrawChevron(Graphics& g, const Pen& pen, float x, float dir) {
    const PointF points[3] = {PointF(x - dir * 4.0f, 4.0f), PointF(x, 8.0f), PointF(x - dir * 4.0f, 12.0f)};
    g.DrawLines(&pen, points, 3);
}

bool WritePicture(const SkinParams& p, const std::wstring& strPath, int nKind) {
    CAlphaCanvas canvas(kSize, kSize);
    Graphics& g = canvas.Graphics();
    Pen pen(ToColor(Darker(p.accent, 0.15f)), 2.0f);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(LineCapRound);
    pen.SetLineJoin(LineJoinRound);
    switch (nKind) {
    case 0:  // previous year: two chevrons
        DrawChevron(g, pen, 3.5f, -1.0f);
        DrawChevron(g, pen, 8.5f, -1.0f);
        break;
    case 1:  // previous month
        DrawChevron(g, pen, 6.0f, -1.0f);
        break;
    case 2:  // next month
        DrawChevron(g, pen, 10.0f, 1.0f);
        break;
    case 3:  // next year
        DrawChevron(g, pen, 7.5f, 1.0f);
        DrawChevron(g, pen, 12.5f, 1.0f);
        break;
    default:  // close: a cross
        g.DrawLine(&pen, 4.5f, 4.5f, 11.5f, 11.5f);
        g.DrawLine(&pen, 11.5f, 4.5f, 4.5f, 11.5f);
        break;
    }
    return canvas.SavePng(strPath);
}

}  // namespace

bool WriteDatePickerImages(const SkinParams& p, const std::wstring& strSkin) {
    static const wchar_t* const kNames[] = {L"first.png", L"prev.png", L"next.png", L"last.png",
                                            L"close.png"};
    bool ok = true;
    for (int i = 0; i < 5; ++i)
        ok = WritePicture(p, strSkin + L"Common\\others\\" + kNames[i], i) && ok;
    return ok;
}
