// The word list's tick: a green check mark on white, the picture a row shows once its word was spelt
// right as often as asked. Built into RIZuruzezu.dll as a bitmap resource; white is its key colour.
#include "SkinDraw.h"
#include "SkinImage.h"

using namespace Gdiplus;

bool WriteWordTick(const std::wstring& strFile) {
    const int cx = 16, cy = 14;
    CImageStrip strip(cx, cy);
    CFrameCanvas canvas(cx, cy);
    Graphics& g = canvas.Graphics();
    FillSolid(g, RectF(0, 0, float(cx), float(cy)), kWhite);
    Pen pen(ToColor(Rgb{20, 150, 60}), 2.6f);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(LineCapRound);
    pen.SetLineJoin(LineJoinRound);
    const PointF tick[3] = {PointF(2.5f, 7.5f), PointF(6.0f, 11.0f), PointF(13.5f, 2.5f)};
    g.DrawLines(&pen, tick, 3);
    canvas.Commit(strip, 0);
    return strip.SaveBmp(strFile);
}
