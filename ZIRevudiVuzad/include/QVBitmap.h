// One skin image cut into equal frames side by side, drawn by frame index with an optional key colour.
#pragma once

#include "ZIRevudiVuzadDef.h"

#include <memory>

class CQVBitmap;
namespace zir {
// The DLL's skin reader hands a DIB section it decoded (or took from its cache) straight to the image.
void AdoptDib(CQVBitmap& bitmap, HBITMAP hDib);
}  // namespace zir

// Pixels are kept as a 32-bit top-down DIB section. Copies share the pixels (an image is never changed
// in place once loaded); loading, attaching or detaching gives the object pixels of its own. Every
// drawing call on an empty image, with a frame index outside 0..frames-1 or into an empty rectangle
// draws nothing. Drawing is clipped to the DC's clip box before anything is copied, tiled or
// stretched, so its cost follows the visible area whatever the target rectangle is.
class ZIR_API CQVBitmap {
public:
    CQVBitmap();
    CQVBitmap(const CQVBitmap& other);
    CQVBitmap& operator=(const CQVBitmap& other);
    ~CQVBitmap();

    // A BMP, PNG, JPEG or GIF file (first frame). Failure leaves the image empty and answers FALSE.
    BOOL LoadBitmap(LPCTSTR lpszFile);
    // The same from the bytes of such a file in memory.
    BOOL LoadFromMemory(const BYTE* pData, size_t nSize);
    // A bitmap resource, found through the framework's resource chain.
    BOOL LoadBitmap(UINT nIDResource);
    // Takes ownership of hBitmap (any format; converted to the internal layout). NULL empties the image.
    BOOL AttachBitmap(HBITMAP hBitmap);
    // Gives up the pixels as a bitmap the caller owns; the image is empty afterwards.
    HBITMAP DetachBitmap();
    void DeleteObject();

    BOOL IsNull() const;
    HBITMAP GetSafeHandle() const;
    operator HBITMAP() const { return GetSafeHandle(); }

    // nCount frames side by side (bHorz TRUE) or one above the other; values below 1 count as 1.
    void SetMultiState(int nCount, BOOL bHorz = TRUE);
    int GetMultiState() const { return m_nFrames; }
    BOOL IsHorzMultiState() const { return m_bHorz; }

    // The whole image. FALSE and a zeroed structure when empty.
    BOOL GetBITMAP(BITMAP* pBitmap) const;
    int GetWidth() const;
    int GetHeight() const;
    // One frame, at the origin: (0, 0, frame width, frame height). Empty when the image is.
    CRect GetSrcImageRect() const;
    // TRUE when frame nFrame exists and has pixels, so that drawing it draws something.
    BOOL HasFrame(int nFrame) const;
    // The 32-bit BGRA pixels, top row first, GetWidth() * 4 bytes a row; NULL when empty.
    const BYTE* GetBits() const;

    // DrawFill and TransparentDrawFill keep nLeft pixels at the left and nRight at the right of the
    // frame unstretched and stretch the rest (nMode 1); nMode 0 stretches the whole frame.
    void SetFillParam(int nLeft, int nRight, int nMode = 1);

    void Draw(CDC* pDC, int x, int y, int nFrame = 0) const;
    void Draw(CDC* pDC, int x, int y, int cx, int cy, int nFrame = 0) const;
    void TransparentDraw(CDC* pDC, int x, int y, COLORREF clrKey, int nFrame = 0) const;
    void TransparentDraw(CDC* pDC, int x, int y, int cx, int cy, COLORREF clrKey, int nFrame = 0) const;
    void DrawFill(CDC* pDC, const CRect& rc, int nFrame = 0) const;
    void TransparentDrawFill(CDC* pDC, const CRect& rc, COLORREF clrKey, int nFrame = 0) const;
    // rcSrc is relative to the frame's top-left corner; it is stretched into rcDest.
    void TransparentDrawPart(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, COLORREF clrKey,
                             int nFrame = 0) const;
    // Tiles the frame over rc, clipped to rc.
    void Pave(CDC* pDC, const CRect& rc, int nFrame = 0) const;

    // With nMode 1, rgn becomes the region of the frame's key-colour pixels; with 0, of the others.
    // Frame coordinates. FALSE (rgn untouched) when the image is empty.
    BOOL CreateBitmapRgn(CRgn& rgn, COLORREF clrKey, int nMode = 1, int nFrame = 0) const;
    // The same, FALSE (rgn untouched) when the region needs more than nMaxRects rectangles: the scan
    // stops there, so a noisy image costs no more than a region of that many rectangles.
    BOOL CreateBitmapRgn(CRgn& rgn, COLORREF clrKey, int nMode, int nFrame, int nMaxRects) const;

private:
    friend void zir::AdoptDib(CQVBitmap& bitmap, HBITMAP hDib);
    struct Pixels;
    void SetPixels(HBITMAP hDib);
    // Where frame nFrame lies in the image; FALSE when there is no such frame or it has no pixels.
    BOOL GetFrameRect(int nFrame, CRect& rcFrame) const;
    // Copies rcSrc of the image into rcDest of hDC, stretching when the sizes differ; with bKey the
    // key-colour pixels are left out.
    void Blit(HDC hDC, const CRect& rcDest, const CRect& rcSrc, BOOL bKey, COLORREF clrKey) const;
    void FillFrame(CDC* pDC, const CRect& rc, int nFrame, BOOL bKey, COLORREF clrKey) const;

    std::shared_ptr<Pixels> m_pixels;
    int m_nFrames = 1;
    BOOL m_bHorz = TRUE;
    int m_nFillLeft = 0;
    int m_nFillRight = 0;
    int m_nFillMode = 1;
};
