// CQVGdiplusImage: an image decoded by GDI+ and drawn through it.
#include "QVGdiplusImage.h"

#include "DecodedImages.h"
#include "ImageFile.h"

#include <gdiplus.h>

#include <vector>

CQVGdiplusImage::CQVGdiplusImage() = default;

CQVGdiplusImage::CQVGdiplusImage(const CQVGdiplusImage& other) = default;

CQVGdiplusImage& CQVGdiplusImage::operator=(const CQVGdiplusImage& other) = default;

CQVGdiplusImage::~CQVGdiplusImage() = default;

BOOL CQVGdiplusImage::EnsureGdiplus() {
    // Started once, from whichever thread draws first, and never shut down: images may live in static
    // objects that are destroyed after any point where shutting down would be safe.
    static const bool s_bStarted = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, NULL) == Gdiplus::Ok;
    }();
    return s_bStarted ? TRUE : FALSE;
}

int CQVGdiplusImage::GetLiveImageCount() {
    return zir::LiveGdiplusImages();
}

BOOL CQVGdiplusImage::Load(LPCTSTR lpszPath) {
    Unload();
    // The stamp is taken before the read: a file rewritten meanwhile is not kept under its new stamp.
    zir::FileStamp stamp;
    if (!zir::StampFile(lpszPath, stamp)) return FALSE;
    m_image = zir::DecodedPicture(lpszPath, stamp);
    if (m_image) return TRUE;
    std::vector<BYTE> data;
    if (!zir::ReadWholeFile(lpszPath, data)) return FALSE;
    std::shared_ptr<Gdiplus::Bitmap> bitmap = zir::GdiplusBitmapFromBytes(data.data(), data.size());
    zir::KeepPicture(lpszPath, stamp, bitmap.get());
    m_image = std::move(bitmap);
    return IsLoaded();
}

BOOL CQVGdiplusImage::LoadFromMemory(const BYTE* pData, size_t nSize) {
    Unload();
    if (!pData || nSize == 0 || nSize > zir::kMaxImageFileBytes) return FALSE;
    m_image = zir::GdiplusBitmapFromBytes(pData, nSize);
    return IsLoaded();
}

void CQVGdiplusImage::Unload() {
    m_image.reset();
}

CSize CQVGdiplusImage::GetImageSize() const {
    if (!m_image) return CSize(0, 0);
    return CSize(int(m_image->GetWidth()), int(m_image->GetHeight()));
}

BOOL CQVGdiplusImage::Render(CDC* pDC, const CRect& rect) const {
    if (!m_image || !pDC || !pDC->GetSafeHdc() || rect.Width() <= 0 || rect.Height() <= 0) return FALSE;
    Gdiplus::Graphics graphics(pDC->GetSafeHdc());
    return Render(&graphics, rect);
}

BOOL CQVGdiplusImage::Render(Gdiplus::Graphics* pGraphics, const CRect& rect) const {
    if (!m_image || !pGraphics || rect.Width() <= 0 || rect.Height() <= 0) return FALSE;
    CSize size = GetImageSize();
    Gdiplus::Rect rcDest(rect.left, rect.top, rect.Width(), rect.Height());
    if (size.cx == rect.Width() && size.cy == rect.Height())
        return pGraphics->DrawImage(m_image.get(), rcDest) == Gdiplus::Ok;
    // Mirrored wrapping keeps the stretched edges from fading into transparency.
    Gdiplus::ImageAttributes attributes;
    attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    return pGraphics->DrawImage(m_image.get(), rcDest, 0, 0, size.cx, size.cy, Gdiplus::UnitPixel,
                                &attributes) == Gdiplus::Ok;
}

CRect CQVGdiplusImage::GetFixRenderRect(const CRect& rect) const {
    CSize size = GetImageSize();
    const int nW = rect.Width(), nH = rect.Height();
    if (size.cx <= 0 || size.cy <= 0 || nW <= 0 || nH <= 0) return CRect(rect.TopLeft(), CSize(0, 0));
    if (size.cx <= nW && size.cy <= nH) {
        CPoint pt(rect.left + (nW - size.cx) / 2, rect.top + (nH - size.cy) / 2);
        return CRect(pt, size);
    }
    // Scaled down by the larger of the two ratios, centred on the shorter side.
    const float rx = float(size.cx) / float(nW), ry = float(size.cy) / float(nH);
    if (ry <= rx) {
        int cy = int(float(size.cy) / rx);
        return CRect(rect.left, rect.top + (nH - cy) / 2, rect.right, rect.top + (nH - cy) / 2 + cy);
    }
    int cx = int(float(size.cx) / ry);
    return CRect(rect.left + (nW - cx) / 2, rect.top, rect.left + (nW - cx) / 2 + cx, rect.bottom);
}

BOOL CQVGdiplusImage::FixRender(CDC* pDC, const CRect& rect) const {
    return Render(pDC, GetFixRenderRect(rect));
}
