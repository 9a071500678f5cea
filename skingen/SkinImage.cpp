#include "SkinImage.h"

#include <QVImageEncoder.h>

#include <stdio.h>

#include <algorithm>
#include <cmath>

using namespace Gdiplus;

Rgb Mix(Rgb a, Rgb b, float t) {
    auto channel = [t](BYTE x, BYTE y) {
        return static_cast<BYTE>(std::lround(x + (static_cast<float>(y) - x) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

CImageStrip::CImageStrip(int cxFrame, int cy, int nFrames)
    : m_cxFrame(cxFrame), m_cy(cy), m_nFrames(nFrames),
      m_pixels(static_cast<size_t>(cxFrame) * nFrames * cy, kKey) {}

void CImageStrip::FillFrame(int nFrame, Rgb c) {
    for (int y = 0; y < m_cy; ++y)
        for (int x = 0; x < m_cxFrame; ++x)
            SetPixel(nFrame * m_cxFrame + x, y, c);
}

bool CImageStrip::SaveBmp(const std::wstring& strPath) const {
    const int cx = GetWidth();
    const int nStride = (cx * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = cx;
    info.biHeight = m_cy;  // bottom-up
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(nStride) * m_cy;
    info.biXPelsPerMeter = info.biYPelsPerMeter = 2835;  // 72 dpi
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;

    std::vector<BYTE> data(info.biSizeImage, 0);
    for (int y = 0; y < m_cy; ++y) {
        BYTE* pRow = &data[static_cast<size_t>(m_cy - 1 - y) * nStride];
        for (int x = 0; x < cx; ++x) {
            const Rgb c = GetPixel(x, y);
            pRow[x * 3] = c.b;
            pRow[x * 3 + 1] = c.g;
            pRow[x * 3 + 2] = c.r;
        }
    }
    FILE* fp = _wfopen(strPath.c_str(), L"wb");
    if (!fp) return false;
    bool ok = fwrite(&file, sizeof(file), 1, fp) == 1 && fwrite(&info, sizeof(info), 1, fp) == 1 &&
              fwrite(data.data(), 1, data.size(), fp) == data.size();
    ok = fclose(fp) == 0 && ok;
    return ok;
}

CFrameCanvas::CFrameCanvas(int cx, int cy)
    : m_cx(cx), m_cy(cy), m_bitmap(std::make_unique<Bitmap>(cx * kScale, cy * kScale, PixelFormat32bppARGB)) {
    m_graphics = std::make_unique<Gdiplus::Graphics>(m_bitmap.get());
    m_graphics->Clear(Color(255, 255, 255, 255));
    m_graphics->SetPixelOffsetMode(PixelOffsetModeHalf);
    m_graphics->ScaleTransform(static_cast<REAL>(kScale), static_cast<REAL>(kScale));
}

CFrameCanvas::~CFrameCanvas() = default;

std::vector<Rgb> CFrameCanvas::Average() const {
    m_graphics->Flush(FlushIntentionSync);
    std::vector<Rgb> result(static_cast<size_t>(m_cx) * m_cy);
    Rect rcLock(0, 0, m_cx * kScale, m_cy * kScale);
    BitmapData data = {};
    if (m_bitmap->LockBits(&rcLock, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok) return result;
    const int nSamples = kScale * kScale;
    for (int y = 0; y < m_cy; ++y) {
        for (int x = 0; x < m_cx; ++x) {
            int sum[3] = {};
            for (int sy = 0; sy < kScale; ++sy) {
                const BYTE* pRow = static_cast<const BYTE*>(data.Scan0) + (y * kScale + sy) * data.Stride;
                for (int sx = 0; sx < kScale; ++sx) {
                    const BYTE* p = pRow + (x * kScale + sx) * 4;
                    sum[0] += p[2];
                    sum[1] += p[1];
                    sum[2] += p[0];
                }
            }
            auto avg = [nSamples](int s) { return static_cast<BYTE>((s + nSamples / 2) / nSamples); };
            result[static_cast<size_t>(y) * m_cx + x] = {avg(sum[0]), avg(sum[1]), avg(sum[2])};
        }
    }
    m_bitmap->UnlockBits(&data);
    return result;
}

std::vector<int> CFrameCanvas::Coverage(const GraphicsPath& shape) const {
    std::vector<int> result(static_cast<size_t>(m_cx) * m_cy, 0);
    Bitmap mask(m_cx * kScale, m_cy * kScale, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&mask);
        g.Clear(Color(255, 0, 0, 0));
        g.SetPixelOffsetMode(PixelOffsetModeHalf);
        g.ScaleTransform(static_cast<REAL>(kScale), static_cast<REAL>(kScale));
        SolidBrush brush(Color(255, 255, 255, 255));
        g.FillPath(&brush, &shape);
        g.Flush(FlushIntentionSync);
    }
    Rect rcLock(0, 0, m_cx * kScale, m_cy * kScale);
    BitmapData data = {};
    if (mask.LockBits(&rcLock, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok) return result;
    for (int y = 0; y < m_cy; ++y)
        for (int x = 0; x < m_cx; ++x) {
            int n = 0;
            for (int sy = 0; sy < kScale; ++sy) {
                const BYTE* pRow = static_cast<const BYTE*>(data.Scan0) + (y * kScale + sy) * data.Stride;
                for (int sx = 0; sx < kScale; ++sx)
                    if (pRow[(x * kScale + sx) * 4 + 1] >= 128) ++n;
            }
            result[static_cast<size_t>(y) * m_cx + x] = n;
        }
    mask.UnlockBits(&data);
    return result;
}

namespace {

// A drawn pixel that happens to be pure magenta would turn transparent: move it off the key.
Rgb AvoidKey(Rgb c) {
    return c == kKey ? Rgb{254, 0, 255} : c;
}

}  // namespace

void CFrameCanvas::Commit(CImageStrip& strip, int nFrame) const {
    const std::vector<Rgb> pixels = Average();
    const int x0 = nFrame * strip.GetFrameWidth();
    for (int y = 0; y < m_cy && y < strip.GetHeight(); ++y)
        for (int x = 0; x < m_cx && x < strip.GetFrameWidth(); ++x)
            strip.SetPixel(x0 + x, y, AvoidKey(pixels[static_cast<size_t>(y) * m_cx + x]));
}

void CFrameCanvas::Commit(CImageStrip& strip, int nFrame, const GraphicsPath& shape) const {
    const std::vector<Rgb> pixels = Average();
    const std::vector<int> coverage = Coverage(shape);
    const int x0 = nFrame * strip.GetFrameWidth();
    const int nHalf = kScale * kScale / 2;
    for (int y = 0; y < m_cy && y < strip.GetHeight(); ++y)
        for (int x = 0; x < m_cx && x < strip.GetFrameWidth(); ++x) {
            const size_t i = static_cast<size_t>(y) * m_cx + x;
            strip.SetPixel(x0 + x, y, coverage[i] < nHalf ? kKey : AvoidKey(pixels[i]));
        }
}

void AddRoundRect(GraphicsPath& path, const RectF& rc, float radius) {
    radius = std::min(radius, std::min(rc.Width, rc.Height) / 2);
    if (radius <= 0) {
        path.AddRectangle(rc);
        return;
    }
    const float d = radius * 2;
    path.StartFigure();
    path.AddArc(rc.X, rc.Y, d, d, 180, 90);
    path.AddArc(rc.X + rc.Width - d, rc.Y, d, d, 270, 90);
    path.AddArc(rc.X + rc.Width - d, rc.Y + rc.Height - d, d, d, 0, 90);
    path.AddArc(rc.X, rc.Y + rc.Height - d, d, d, 90, 90);
    path.CloseFigure();
}

void AddTopRoundRect(GraphicsPath& path, const RectF& rc, float radius) {
    radius = std::min(radius, std::min(rc.Width / 2, rc.Height));
    if (radius <= 0) {
        path.AddRectangle(rc);
        return;
    }
    const float d = radius * 2;
    path.StartFigure();
    path.AddLine(rc.X, rc.Y + rc.Height, rc.X, rc.Y + radius);
    path.AddArc(rc.X, rc.Y, d, d, 180, 90);
    path.AddArc(rc.X + rc.Width - d, rc.Y, d, d, 270, 90);
    path.AddLine(rc.X + rc.Width, rc.Y + radius, rc.X + rc.Width, rc.Y + rc.Height);
    path.CloseFigure();
}

namespace {

// The brush mirrors beyond the rectangle, so that the first and last rows keep the end colours instead
// of wrapping to the other end.
void FillVerticalImpl(Gdiplus::Graphics& g, const GraphicsPath* pPath, const RectF& rc, Rgb top, Rgb bottom) {
    LinearGradientBrush brush(PointF(0, rc.Y), PointF(0, rc.Y + rc.Height), ToColor(top), ToColor(bottom));
    brush.SetWrapMode(WrapModeTileFlipXY);
    if (pPath)
        g.FillPath(&brush, pPath);
    else
        g.FillRectangle(&brush, rc);
}

}  // namespace

void FillVertical(Gdiplus::Graphics& g, const RectF& rc, Rgb top, Rgb bottom) {
    FillVerticalImpl(g, nullptr, rc, top, bottom);
}

void FillVertical(Gdiplus::Graphics& g, const GraphicsPath& path, const RectF& rc, Rgb top, Rgb bottom) {
    FillVerticalImpl(g, &path, rc, top, bottom);
}

void FillSolid(Gdiplus::Graphics& g, const RectF& rc, Rgb c, BYTE alpha) {
    SolidBrush brush(ToColor(c, alpha));
    g.FillRectangle(&brush, rc);
}

void HorzLine(Gdiplus::Graphics& g, float x0, float x1, int y, Rgb c, BYTE alpha) {
    FillSolid(g, RectF(x0, static_cast<REAL>(y), x1 - x0 + 1, 1), c, alpha);
}

void VertLine(Gdiplus::Graphics& g, int x, float y0, float y1, Rgb c, BYTE alpha) {
    FillSolid(g, RectF(static_cast<REAL>(x), y0, 1, y1 - y0 + 1), c, alpha);
}

CAlphaCanvas::CAlphaCanvas(int cx, int cy)
    : m_cx(cx), m_cy(cy), m_bitmap(std::make_unique<Bitmap>(cx * kScale, cy * kScale, PixelFormat32bppARGB)) {
    m_graphics = std::make_unique<Gdiplus::Graphics>(m_bitmap.get());
    m_graphics->Clear(Color(0, 0, 0, 0));
    m_graphics->SetPixelOffsetMode(PixelOffsetModeHalf);
    m_graphics->ScaleTransform(static_cast<REAL>(kScale), static_cast<REAL>(kScale));
}

CAlphaCanvas::~CAlphaCanvas() = default;

bool CAlphaCanvas::SavePng(const std::wstring& strPath) const {
    m_graphics->Flush(FlushIntentionSync);
    Bitmap out(m_cx, m_cy, PixelFormat32bppARGB);
    Rect rcBig(0, 0, m_cx * kScale, m_cy * kScale);
    Rect rcOut(0, 0, m_cx, m_cy);
    BitmapData big = {}, small = {};
    if (m_bitmap->LockBits(&rcBig, ImageLockModeRead, PixelFormat32bppARGB, &big) != Ok) return false;
    if (out.LockBits(&rcOut, ImageLockModeWrite, PixelFormat32bppARGB, &small) != Ok) {
        m_bitmap->UnlockBits(&big);
        return false;
    }
    const int nSamples = kScale * kScale;
    for (int y = 0; y < m_cy; ++y) {
        BYTE* pOut = static_cast<BYTE*>(small.Scan0) + y * small.Stride;
        for (int x = 0; x < m_cx; ++x) {
            // Colours weighted by their alpha, so transparent samples add no colour of their own.
            int nAlpha = 0, sum[3] = {};
            for (int sy = 0; sy < kScale; ++sy) {
                const BYTE* pRow = static_cast<const BYTE*>(big.Scan0) + (y * kScale + sy) * big.Stride;
                for (int sx = 0; sx < kScale; ++sx) {
                    const BYTE* p = pRow + (x * kScale + sx) * 4;
                    nAlpha += p[3];
                    for (int c = 0; c < 3; ++c)
                        sum[c] += p[c] * p[3];
                }
            }
            BYTE* q = pOut + x * 4;
            for (int c = 0; c < 3; ++c)
                q[c] = nAlpha ? static_cast<BYTE>((sum[c] + nAlpha / 2) / nAlpha) : 0;
            q[3] = static_cast<BYTE>((nAlpha + nSamples / 2) / nSamples);
        }
    }
    out.UnlockBits(&small);
    m_bitmap->UnlockBits(&big);
    CLSID clsid;
    return QVGetPngEncoderClsid(&clsid) && out.Save(strPath.c_str(), &clsid, nullptr) == Ok;
}
