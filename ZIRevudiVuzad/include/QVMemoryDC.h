// An off-screen drawing surface: a memory DC with a bitmap of its own.
#pragma once

#include "ZIRevudiVuzadDef.h"

// A CDC on a 32-bit DIB section. Create may be called again to resize. The destructor gives the
// surface back: the thread keeps the last one given back (DC state reset) and hands it to the next
// Create of the same size, because a paint that made a fresh surface each time would spend most of its
// time getting memory. Its content is then whatever the previous user drew.
class ZIR_API CQVMemoryDC : public CDC {
public:
    CQVMemoryDC() = default;
    ~CQVMemoryDC() override;
    CQVMemoryDC(const CQVMemoryDC&) = delete;
    CQVMemoryDC& operator=(const CQVMemoryDC&) = delete;

    // Sizes of 0 or less make a 1 x 1 surface, so the DC is always usable. FALSE only when GDI fails.
    BOOL Create(int cx, int cy);
    void Release();

    // Frees the surface this thread keeps for reuse (also done when the thread ends).
    static void FreeCache();

    HDC GetHDC() const { return m_hDC; }
    HBITMAP GetHBitmap() const { return m_hBitmap; }
    CSize GetSize() const { return m_size; }

protected:
    // Copies the whole surface to rcTarget of pTarget, in the surface's own pixels whatever mapping,
    // origin or clipping the drawing left behind. Used by the surfaces that copy themselves back.
    void CopyTo(CDC* pTarget, const CRect& rcTarget);

private:
    HBITMAP m_hBitmap = NULL;
    HGDIOBJ m_hOldBitmap = NULL;
    CSize m_size;
};
