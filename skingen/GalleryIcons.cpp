// The outlook bar page's icons: lessons, word books, contact pictures and contact groups, each at 32 and
// 16 pixels. Every picture is a shape on the key colour; its anti-aliased rim is mixed with a light
// grey, so it reads on the light backgrounds the page gives its bars.
#include "GalleryIcons.h"

#include "SkinImage.h"

#include <cmath>
#include <functional>

using namespace Gdiplus;

namespace {

constexpr Rgb kRimBack = {236, 238, 242};  // what the rims are mixed with

// One picture: draws into g on an n x n square and adds its outline to shape.
using DrawPicture = std::function<void(Graphics& g, GraphicsPath& shape, float n, int nKind)>;

bool WriteStrip(const std::wstring& strPath, int n, int nKinds, const DrawPicture& draw) {
    CImageStrip strip(n, n, nKinds);
    for (int nKind = 0; nKind < nKinds; ++nKind) {
        CFrameCanvas canvas(n, n);
        Graphics& g = canvas.Graphics();
        FillSolid(g, RectF(0, 0, static_cast<REAL>(n), static_cast<REAL>(n)), kRimBack);
        GraphicsPath shape;
        draw(g, shape, static_cast<float>(n), nKind);
        canvas.Commit(strip, nKind, shape);
    }
    return strip.SaveBmp(strPath);
}

// A rounded tile of one colour, lighter at the top, over most of the square; it is the picture's outline.
void DrawTile(Graphics& g, GraphicsPath& shape, float n, Rgb c) {
    const RectF rc(n * 0.03f, n * 0.03f, n * 0.94f, n * 0.94f);
    AddRoundRect(shape, rc, n * 0.2f);
    FillVertical(g, shape, rc, Lighter(c, 0.25f), Darker(c, 0.1f));
}

// Lessons: a tile with a white sign of the lesson's subject.
void DrawLesson(Graphics& g, GraphicsPath& shape, float n, int nKind) {
    static const Rgb kTiles[] = {{66, 133, 214}, {226, 110, 64}, {136, 92, 196},
                                 {40, 160, 120}, {214, 76, 112}, {200, 150, 40}};
    DrawTile(g, shape, n, kTiles[nKind % 6]);
    const float k = n / 32.0f;
    SolidBrush white(Color(255, 255, 255, 255));
    Pen pen(Color(255, 255, 255, 255), 2.5f * k);
    pen.SetLineJoin(LineJoinRound);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(LineCapRound);
    switch (nKind % 6) {
    case 0: {  // greetings: a speech bubble
        GraphicsPath bubble;
        AddRoundRect(bubble, RectF(6 * k, 7 * k, 20 * k, 13 * k), 4 * k);
        g.FillPath(&white, &bubble);
        const PointF tail[3] = {PointF(10 * k, 19 * k), PointF(9 * k, 25 * k), PointF(16 * k, 19 * k)};
        g.FillPolygon(&white, tail, 3);
        break;
    }
    case 1: {  // food: a bowl and chopsticks
        g.FillPie(&white, RectF(6 * k, 8 * k, 20 * k, 18 * k), 0, 180);
        g.FillRectangle(&white, RectF(5 * k, 16.5f * k, 22 * k, 1.5f * k));
        Pen sticks(Color(255, 255, 255, 255), 1.6f * k);
        sticks.SetStartCap(LineCapRound);
        sticks.SetEndCap(LineCapRound);
        g.DrawLine(&sticks, PointF(12 * k, 15 * k), PointF(22 * k, 5 * k));
        g.DrawLine(&sticks, PointF(15 * k, 15 * k), PointF(26 * k, 7 * k));
        break;
    }
    case 2: {  // tones: a rising and falling line
        const PointF wave[5] = {PointF(6 * k, 20 * k), PointF(11 * k, 11 * k), PointF(16 * k, 19 * k),
                                PointF(21 * k, 10 * k), PointF(26 * k, 14 * k)};
        g.DrawLines(&pen, wave, 5);
        break;
    }
    case 3: {  // shopping: a bag with a handle
        g.FillRectangle(&white, RectF(8 * k, 13 * k, 16 * k, 12 * k));
        Pen handle(Color(255, 255, 255, 255), 2.0f * k);
        g.DrawArc(&handle, RectF(11 * k, 7 * k, 10 * k, 11 * k), 180, 180);
        break;
    }
    case 4: {  // travel: a suitcase
        g.FillRectangle(&white, RectF(7 * k, 12 * k, 18 * k, 12 * k));
        Pen handle(Color(255, 255, 255, 255), 2.0f * k);
        g.DrawRectangle(&handle, RectF(12.5f * k, 8 * k, 7 * k, 4 * k));
        break;
    }
    default: {  // review: a tick
        const PointF tick[3] = {PointF(8 * k, 16 * k), PointF(14 * k, 22 * k), PointF(24 * k, 9 * k)};
        Pen thick(Color(255, 255, 255, 255), 3.5f * k);
        thick.SetLineJoin(LineJoinRound);
        thick.SetStartCap(LineCapRound);
        thick.SetEndCap(LineCapRound);
        g.DrawLines(&thick, tick, 3);
        break;
    }
    }
}

// Word books: a closed book standing upright, a cover of its colour, light page edges and a bookmark.
void DrawWordBook(Graphics& g, GraphicsPath& shape, float n, int nKind) {
    static const Rgb kCovers[] = {
        {196, 60, 56}, {48, 112, 190}, {52, 150, 84}, {150, 84, 170}, {220, 140, 30}};
    const Rgb cover = kCovers[nKind % 5];
    const float k = n / 32.0f;
    const RectF rcBook(5 * k, 2 * k, 22 * k, 28 * k);
    AddRoundRect(shape, rcBook, 2.5f * k);
    SolidBrush pages(ToColor({248, 244, 232}));
    g.FillPath(&pages, &shape);
    GraphicsPath front;
    AddRoundRect(front, RectF(5 * k, 2 * k, 20 * k, 26 * k), 2.5f * k);
    FillVertical(g, front, RectF(5 * k, 2 * k, 20 * k, 26 * k), Lighter(cover, 0.2f), Darker(cover, 0.15f));
    SolidBrush spine(ToColor(Darker(cover, 0.35f)));
    g.FillRectangle(&spine, RectF(5 * k, 2 * k, 3.5f * k, 26 * k));
    SolidBrush label(ToColor(Lighter(cover, 0.75f)));
    g.FillRectangle(&label, RectF(11 * k, 8 * k, 11 * k, 5 * k));
    SolidBrush mark(ToColor({250, 210, 60}));
    const PointF ribbon[5] = {PointF(18 * k, 2 * k), PointF(22 * k, 2 * k), PointF(22 * k, 12 * k),
                              PointF(20 * k, 10 * k), PointF(18 * k, 12 * k)};
    if (n >= 24) g.FillPolygon(&mark, ribbon, 5);
}

// Head and shoulders in a square of n pixels, scaled by fScale about the bottom centre and moved dx
// pixels across; the outline is added to pShape when given.
void DrawPerson(Graphics& g, float n, Rgb body, Rgb skin, Rgb hair, bool bLongHair, float dx = 0,
                float fScale = 1.0f, GraphicsPath* pShape = nullptr) {
    const float k = n / 32.0f;
    Matrix place;
    place.Translate(dx + n * (1 - fScale) / 2, n * (1 - fScale));
    place.Scale(fScale, fScale);
    GraphicsPath bodyPath, backHair, head, fringe;
    bodyPath.AddEllipse(RectF(5 * k, 20 * k, 22 * k, 22 * k));
    AddRoundRect(backHair, RectF(8.5f * k, 5 * k, 15 * k, 18 * k), 6 * k);
    head.AddEllipse(RectF(10 * k, 6.5f * k, 12 * k, 13 * k));
    fringe.AddPie(RectF(9.5f * k, 5 * k, 13 * k, 10 * k), 180, 180);
    for (GraphicsPath* pPath : {&bodyPath, &backHair, &head, &fringe})
        pPath->Transform(&place);
    SolidBrush bodyBrush(ToColor(body));
    SolidBrush hairBrush(ToColor(hair));
    SolidBrush skinBrush(ToColor(skin));
    // Long hair falls behind the shoulders.
    if (bLongHair) g.FillPath(&hairBrush, &backHair);
    g.FillPath(&bodyBrush, &bodyPath);
    g.FillPath(&skinBrush, &head);
    g.FillPath(&hairBrush, &fringe);
    if (pShape) {
        pShape->AddPath(&bodyPath, FALSE);
        pShape->AddPath(bLongHair ? &backHair : &fringe, FALSE);
        pShape->AddPath(&head, FALSE);
    }
}

// Contact pictures: a person on a coloured tile.
void DrawFriend(Graphics& g, GraphicsPath& shape, float n, int nKind) {
    static const Rgb kTiles[] = {{120, 180, 240}, {246, 170, 140}, {150, 210, 160},
                                 {200, 170, 236}, {250, 210, 110}, {130, 210, 214}};
    static const Rgb kBodies[] = {{30, 70, 150}, {170, 50, 60},  {36, 110, 60},
                                  {96, 52, 140}, {170, 100, 20}, {30, 110, 120}};
    static const Rgb kHair[] = {{60, 40, 28}, {30, 24, 20}, {140, 90, 40},
                                {30, 24, 20}, {96, 60, 30}, {70, 70, 76}};
    const int i = nKind % 6;
    DrawTile(g, shape, n, kTiles[i]);
    // The person is cut to the tile.
    g.SetClip(&shape);
    DrawPerson(g, n, kBodies[i], {250, 216, 186}, kHair[i], i % 2 == 1);
    g.ResetClip();
}

// Contact groups for the tree view: two people (a group), one person, a star (favourites).
void DrawGroup(Graphics& g, GraphicsPath& shape, float n, int nKind) {
    const float k = n / 32.0f;
    if (nKind == 2) {
        PointF star[10];
        for (int i = 0; i < 10; ++i) {
            const float r = (i % 2 ? 6.5f : 15.0f) * k;
            const float a = -1.5708f + i * 0.6283f;
            star[i] = PointF(16 * k + r * std::cos(a), 17 * k + r * std::sin(a));
        }
        shape.AddPolygon(star, 10);
        SolidBrush gold(ToColor({240, 178, 32}));
        g.FillPath(&gold, &shape);
        return;
    }
    shape.SetFillMode(FillModeWinding);
    if (nKind == 0) {
        DrawPerson(g, n, {60, 140, 90}, {250, 216, 186}, {70, 50, 30}, true, 6 * k, 0.8f, &shape);
        DrawPerson(g, n, {50, 100, 180}, {250, 216, 186}, {40, 30, 24}, false, -5 * k, 0.95f, &shape);
    } else {
        DrawPerson(g, n, {50, 100, 180}, {250, 216, 186}, {40, 30, 24}, false, 0, 1.0f, &shape);
    }
}

bool MakeFolder(const std::wstring& strFolder) {
    for (size_t i = 0; i < strFolder.size(); ++i) {
        if (strFolder[i] != L'\\' || i == 0 || strFolder[i - 1] == L':') continue;
        if (!::CreateDirectoryW(strFolder.substr(0, i).c_str(), nullptr) &&
            ::GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}

}  // namespace

bool WriteGalleryIcons(const std::wstring& strFolder) {
    if (!MakeFolder(strFolder)) return false;
    bool ok = true;
    for (int n : {32, 16}) {
        const std::wstring strSize = n == 32 ? L"32.bmp" : L"16.bmp";
        ok = WriteStrip(strFolder + L"Courses" + strSize, n, 6, &DrawLesson) && ok;
        ok = WriteStrip(strFolder + L"WordBooks" + strSize, n, 5, &DrawWordBook) && ok;
        ok = WriteStrip(strFolder + L"Friends" + strSize, n, 6, &DrawFriend) && ok;
    }
    ok = WriteStrip(strFolder + L"Groups16.bmp", 16, 3, &DrawGroup) && ok;
    return ok;
}
