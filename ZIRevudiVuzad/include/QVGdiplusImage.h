// An image loaded through GDI+: PNG, JPEG, BMP, GIF, ICO.
#pragma once

#include "ZIRevudiVuzadDef.h"

#include <memory>

namespace Gdiplus {
class Image;
class Graphics;
}  // namespace Gdiplus

// GDI+ is started by the first object that needs it and stays started for the process. Copies share
// the loaded image.
class ZIR_API CQVGdiplusImage {
public:
    CQVGdiplusImage();
    CQVGdiplusImage(const CQVGdiplusImage& other);
    CQVGdiplusImage& operator=(const CQVGdiplusImage& other);
    virtual ~CQVGdiplusImage();

    // FALSE, and no image, when the file is missing, unreadable or not an image. An image of one frame
    // whose file is unchanged since the process decoded it comes from the kept pixels, as a 32-bit
    // bitmap with alpha of the file's resolution, without its palette or properties.
    BOOL Load(LPCTSTR lpszPath);
    // The same from a file's bytes the caller has read (and checked) itself; the bytes are copied.
    BOOL LoadFromMemory(const BYTE* pData, size_t nSize);
    void Unload();
    BOOL IsLoaded() const { return m_image != nullptr; }
    operator bool() const { return IsLoaded(); }
    Gdiplus::Image* GetImage() const { return m_image.get(); }

    CSize GetImageSize() const;  // (0, 0) without an image

    // Stretches the image into the rectangle.
    BOOL Render(CDC* pDC, const CRect& rect) const;
    BOOL Render(Gdiplus::Graphics* pGraphics, const CRect& rect) const;
    // Draws at the image's own size, centred in the rectangle and scaled down (never up, aspect kept)
    // when it does not fit; GetFixRenderRect answers where.
    BOOL FixRender(CDC* pDC, const CRect& rect) const;
    CRect GetFixRenderRect(const CRect& rect) const;

    // Starts GDI+ once for the process; TRUE when it is running.
    static BOOL EnsureGdiplus();
    // GDI+ images this module decoded from files and resources (for these objects, the skin's bitmaps
    // and animations) that are still alive, each counted once however many objects share it.
    static int GetLiveImageCount();

protected:
    std::shared_ptr<Gdiplus::Image> m_image;
};
