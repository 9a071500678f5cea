// Image strips of a skin and the supersampled canvas their frames are drawn on.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>
#include <vector>

// An opaque colour.
struct Rgb {
    BYTE r = 0;
    BYTE g = 0;
    BYTE b = 0;
};

constexpr Rgb kKey = {255, 0, 255};
constexpr Rgb kWhite = {255, 255, 255};
constexpr Rgb kBlack = {0, 0, 0};

inline bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, float t);
inline Rgb Lighter(Rgb c, float t) {
    return Mix(c, kWhite, t);
}
inline Rgb Darker(Rgb c, float t) {
    return Mix(c, kBlack, t);
}
inline Gdiplus::Color ToColor(Rgb c, BYTE alpha = 255) {
    return Gdiplus::Color(alpha, c.r, c.g, c.b);
}

// nFrames frames of equal size side by side, written as a 24-bit bottom-up BMP.
class CImageStrip {
public:
    CImageStrip(int cxFrame, int cy, int nFrames = 1);

    int GetFrameWidth() const { return m_cxFrame; }
    int GetWidth() const { return m_cxFrame * m_nFrames; }
    int GetHeight() const { return m_cy; }
    int GetFrames() const { return m_nFrames; }

    Rgb GetPixel(int x, int y) const { return m_pixels[static_cast<size_t>(y) * GetWidth() + x]; }
    void SetPixel(int x, int y, Rgb c) { m_pixels[static_cast<size_t>(y) * GetWidth() + x] = c; }
    void FillFrame(int nFrame, Rgb c);

    bool SaveBmp(const std::wstring& strPath) const;

private:
    int m_cxFrame;
    int m_cy;
    int m_nFrames;
    std::vector<Rgb> m_pixels;
};

// One frame drawn kScale times larger and averaged down: every edge comes out anti-aliased, whatever
// the drawing engine does itself, and the same on every machine. Graphics() draws in output pixels:
// pixel (x, y) covers the square from (x, y) to (x + 1, y + 1).
class CFrameCanvas {
public:
    static constexpr int kScale = 8;

    CFrameCanvas(int cx, int cy);
    ~CFrameCanvas();

    Gdiplus::Graphics& Graphics() { return *m_graphics; }
    int GetWidth() const { return m_cx; }
    int GetHeight() const { return m_cy; }

    // Averages the drawing into frame nFrame of the strip.
    void Commit(CImageStrip& strip, int nFrame) const;
    // The same, then every pixel that shape covers less than half becomes the key colour, crisp: the
    // anti-aliased edge keeps the colours it was drawn on and never mixes with the key.
    void Commit(CImageStrip& strip, int nFrame, const Gdiplus::GraphicsPath& shape) const;

private:
    // Per output pixel: the averaged colour, and, for a shape, how many of the kScale x kScale samples
    // the shape covers.
    std::vector<Rgb> Average() const;
    std::vector<int> Coverage(const Gdiplus::GraphicsPath& shape) const;

    int m_cx;
    int m_cy;
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
    std::unique_ptr<Gdiplus::Graphics> m_graphics;
};

// A picture with an alpha channel: starts fully transparent, is drawn kScale times larger like
// CFrameCanvas and averaged down (weighted by coverage, so edges fade out instead of darkening), and is
// written as a 32-bit PNG through the GDI+ encoder.
class CAlphaCanvas {
public:
    static constexpr int kScale = 8;

    CAlphaCanvas(int cx, int cy);
    ~CAlphaCanvas();

    Gdiplus::Graphics& Graphics() { return *m_graphics; }
    bool SavePng(const std::wstring& strPath) const;

private:
    int m_cx;
    int m_cy;
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
    std::unique_ptr<Gdiplus::Graphics> m_graphics;
};

// Path helpers, in output pixels.
// A rectangle with rounded corners (radius 0: square corners).
void AddRoundRect(Gdiplus::GraphicsPath& path, const Gdiplus::RectF& rc, float radius);
// Rounded top corners and a square bottom (tabs).
void AddTopRoundRect(Gdiplus::GraphicsPath& path, const Gdiplus::RectF& rc, float radius);

// Fills rc with a vertical gradient from top to bottom.
void FillVertical(Gdiplus::Graphics& g, const Gdiplus::RectF& rc, Rgb top, Rgb bottom);
void FillVertical(Gdiplus::Graphics& g, const Gdiplus::GraphicsPath& path, const Gdiplus::RectF& rc, Rgb top,
                  Rgb bottom);
void FillSolid(Gdiplus::Graphics& g, const Gdiplus::RectF& rc, Rgb c, BYTE alpha = 255);
// A one-pixel line through pixel centres: from column x0 to x1 (inclusive) on row y, or the like.
void HorzLine(Gdiplus::Graphics& g, float x0, float x1, int y, Rgb c, BYTE alpha = 255);
void VertLine(Gdiplus::Graphics& g, int x, float y0, float y1, Rgb c, BYTE alpha = 255);
