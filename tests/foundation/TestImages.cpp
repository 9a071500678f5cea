#include "TestImages.h"

#include <QVGdiplusImage.h>
#include <QVImageEncoder.h>

namespace foundationtest {

bool SaveImage(LPCTSTR lpszPath, int cx, int cy, const std::function<Gdiplus::ARGB(int x, int y)>& color) {
    if (!CQVGdiplusImage::EnsureGdiplus()) return false;
    Gdiplus::Bitmap bitmap(cx, cy, PixelFormat32bppARGB);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            bitmap.SetPixel(x, y, Gdiplus::Color(color(x, y)));
    CLSID clsid;
    if (!QVGetEncoderClsid(L"image/png", &clsid)) return false;
    CStringW strPath(lpszPath);
    return bitmap.Save(strPath, &clsid, nullptr) == Gdiplus::Ok;
}

ArgbCanvas::ArgbCanvas(int cx, int cy) : m_cx(cx), m_cy(cy) {
    CQVGdiplusImage::EnsureGdiplus();
    m_bitmap = std::make_unique<Gdiplus::Bitmap>(cx, cy, PixelFormat32bppARGB);
    m_graphics = std::make_unique<Gdiplus::Graphics>(m_bitmap.get());
    m_graphics->Clear(Gdiplus::Color(0, 0, 0, 0));
}

Gdiplus::ARGB ArgbCanvas::Pixel(int x, int y) {
    m_graphics->Flush(Gdiplus::FlushIntentionSync);
    Gdiplus::Color c;
    m_bitmap->GetPixel(x, y, &c);
    return c.GetValue();
}

std::string ArgbCanvas::WrongPixels(std::initializer_list<Expected> pixels) {
    std::string strWrong;
    for (const Expected& p : pixels)
        if (Pixel(p.x, p.y) != p.argb) strWrong += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    return strWrong;
}

int ArgbCanvas::CountOpaque(int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (AlphaOf(Pixel(x, y)) != 0) ++n;
    return n;
}

}  // namespace foundationtest
