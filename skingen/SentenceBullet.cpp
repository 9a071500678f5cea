// The sentence explorer's bullet: a round orange dot on white before every entry. Built into
// RIZuruzezu.dll as a bitmap resource; white is its key colour.
#include "SkinDraw.h"
#include "SkinImage.h"

using namespace Gdiplus;

bool WriteSentenceBullet(const std::wstring& strFile) {
    const int cx = 12, cy = 12;
    CImageStrip strip(cx, cy);
    CFrameCanvas canvas(cx, cy);
    Graphics& g = canvas.Graphics();
    FillSolid(g, RectF(0, 0, float(cx), float(cy)), kWhite);
    SolidBrush fill(ToColor(Rgb{240, 130, 20}));
    g.FillEllipse(&fill, RectF(1.0f, 1.0f, 10.0f, 10.0f));
    Pen ring(ToColor(Rgb{190, 90, 10}), 1.0f);
    g.DrawEllipse(&ring, RectF(1.0f, 1.0f, 10.0f, 10.0f));
    canvas.Commit(strip, 0);
    return strip.SaveBmp(strFile);
}
