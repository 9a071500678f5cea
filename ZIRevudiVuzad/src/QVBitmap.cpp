// CQVBitmap: a 32-bit DIB section cut into frames, drawn with GDI.
#include "QVBitmap.h"

#include "DecodedImages.h"
#include "ImageFile.h"

#include <algorithm>
#include <climits>
#include <vector>

struct CQVBitmap::Pixels {
    HBITMAP hBitmap = NULL;
    BYTE* pBits = nullptr;
    int cx = 0;
    int cy = 0;
    // For keyed drawing, made at the first keyed draw: a mask (all bits set where the key is, none
    // elsewhere) and the pixels with the key turned to zero.
    std::vector<DWORD> keyMask;
    std::vector<DWORD> keyedPixels;
    DWORD dwKeyedFor = 0;

    Pixels() = default;
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;
    ~Pixels() {
        if (hBitmap) ::DeleteObject(hBitmap);
    }

    void PrepareKey(DWORD dwKey);
};

namespace {

DWORD KeyPixel(COLORREF clr) {
    return (DWORD(GetRValue(clr)) << 16) | (DWORD(GetGValue(clr)) << 8) | GetBValue(clr);
}

// Copies rcSrc of 32-bit top-down pixels (cxImage wide) into rcDest of the DC with a raster operation,
// straight from memory: no DC or bitmap object is made for the source.
void PutBits(HDC hDC, const CRect& rcDest, const CRect& rcSrc, const DWORD* pBits, int cxImage, DWORD dwRop) {
    // Only the rows of rcSrc are handed over, as a DIB of their own, so the source always starts at row 0.
    const DWORD* pFirstRow = pBits + size_t(cxImage) * rcSrc.top;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cxImage;
    bmi.bmiHeader.biHeight = -rcSrc.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    ::StretchDIBits(hDC, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), rcSrc.left, 0,
                    rcSrc.Width(), rcSrc.Height(), pFirstRow, &bmi, DIB_RGB_COLORS, dwRop);
}

// Keyed copy: ANDing the mask keeps the target, every bit of it, under the key and clears it elsewhere;
// ORing the zero-keyed pixels then puts the image's pixels exactly there.
void PutKeyed(HDC hDC, const CRect& rcDest, const CRect& rcSrc, const DWORD* pMask, const DWORD* pKeyed,
              int cxImage) {
    PutBits(hDC, rcDest, rcSrc, pMask, cxImage, SRCAND);
    PutBits(hDC, rcDest, rcSrc, pKeyed, cxImage, SRCPAINT);
}

// One row of mask and zero-keyed pixels from source pixels.
void KeyRow(const DWORD* pIn, int cx, DWORD dwKey, DWORD* pMask, DWORD* pOut) {
    for (int x = 0; x < cx; ++x) {
        bool bKey = (pIn[x] & 0xFFFFFF) == dwKey;
        pMask[x] = bKey ? 0xFFFFFFFF : 0;
        pOut[x] = bKey ? 0 : pIn[x];
    }
}

// A region of many rectangles. Creating a region adds its rectangles one at a time on some systems,
// which costs more the larger the region is, so small batches are made and then merged in pairs.
HRGN RegionFromRects(const std::vector<RECT>& rects) {
    const size_t kBatch = 128;
    std::vector<HRGN> parts;
    std::vector<BYTE> buffer;
    for (size_t nFirst = 0; nFirst < rects.size(); nFirst += kBatch) {
        size_t nCount = std::min(kBatch, rects.size() - nFirst);
        buffer.assign(sizeof(RGNDATAHEADER) + nCount * sizeof(RECT), 0);
        RGNDATA* pData = reinterpret_cast<RGNDATA*>(buffer.data());
        pData->rdh.dwSize = sizeof(RGNDATAHEADER);
        pData->rdh.iType = RDH_RECTANGLES;
        pData->rdh.nCount = DWORD(nCount);
        pData->rdh.nRgnSize = DWORD(nCount * sizeof(RECT));
        RECT rcBound = rects[nFirst];
        RECT* pRects = reinterpret_cast<RECT*>(pData->Buffer);
        for (size_t i = 0; i < nCount; ++i) {
            pRects[i] = rects[nFirst + i];
            ::UnionRect(&rcBound, &rcBound, &pRects[i]);
        }
        pData->rdh.rcBound = rcBound;
        HRGN hPart = ::ExtCreateRegion(NULL, DWORD(buffer.size()), pData);
        if (!hPart) break;
        parts.push_back(hPart);
    }
    if (parts.size() * kBatch < rects.size()) {
        for (HRGN h : parts)
            ::DeleteObject(h);
        return NULL;
    }
    while (parts.size() > 1) {
        size_t nOut = 0;
        for (size_t i = 0; i < parts.size(); i += 2) {
            if (i + 1 < parts.size()) {
                ::CombineRgn(parts[i], parts[i], parts[i + 1], RGN_OR);
                ::DeleteObject(parts[i + 1]);
            }
            parts[nOut++] = parts[i];
        }
        parts.resize(nOut);
    }
    return parts.empty() ? NULL : parts[0];
}

// No device is larger than this: target rectangles are cut to it before any arithmetic, so that
// widths, heights and the sums of their parts stay far inside the int range.
const int kMaxCoord = 1 << 28;

CRect BoundedRect(const CRect& rc) {
    auto bound = [](LONG n) { return std::min<LONG>(std::max<LONG>(n, -kMaxCoord), kMaxCoord); };
    return CRect(bound(rc.left), bound(rc.top), bound(rc.right), bound(rc.bottom));
}

// A rectangle that is not empty in 64-bit arithmetic: sides that wrapped past the int range when a
// caller computed them make it empty, never huge.
bool HasArea(const CRect& rc) {
    return static_cast<long long>(rc.right) - rc.left > 0 && static_cast<long long>(rc.bottom) - rc.top > 0;
}

// The part of rc the DC shows; FALSE when none of it does. A DC without a clip box shows all of rc.
BOOL VisiblePart(HDC hDC, const CRect& rc, CRect& rcVisible) {
    rcVisible = rc;
    CRect rcClip;
    const int nClip = ::GetClipBox(hDC, &rcClip);
    if (nClip == NULLREGION) return FALSE;
    if (nClip != ERROR && !rcVisible.IntersectRect(rc, rcClip)) return FALSE;
    return !rcVisible.IsRectEmpty();
}

}  // namespace

void CQVBitmap::Pixels::PrepareKey(DWORD dwKey) {
    if (!keyedPixels.empty() && dwKeyedFor == dwKey) return;
    keyMask.resize(size_t(cx) * cy);
    keyedPixels.resize(size_t(cx) * cy);
    dwKeyedFor = dwKey;
    KeyRow(reinterpret_cast<const DWORD*>(pBits), cx * cy, dwKey, keyMask.data(), keyedPixels.data());
}

CQVBitmap::CQVBitmap() = default;

CQVBitmap::CQVBitmap(const CQVBitmap& other) = default;

CQVBitmap& CQVBitmap::operator=(const CQVBitmap& other) = default;

CQVBitmap::~CQVBitmap() = default;

void CQVBitmap::SetPixels(HBITMAP hDib) {
    m_pixels.reset();
    DIBSECTION ds = {};
    if (!hDib || ::GetObject(hDib, sizeof(ds), &ds) != sizeof(ds) || !ds.dsBm.bmBits) {
        if (hDib) ::DeleteObject(hDib);
        return;
    }
    auto pixels = std::make_shared<Pixels>();
    pixels->hBitmap = hDib;
    pixels->pBits = static_cast<BYTE*>(ds.dsBm.bmBits);
    pixels->cx = ds.dsBm.bmWidth;
    pixels->cy = ds.dsBm.bmHeight;
    m_pixels = std::move(pixels);
}

void zir::AdoptDib(CQVBitmap& bitmap, HBITMAP hDib) {
    bitmap.SetPixels(hDib);
}

BOOL CQVBitmap::LoadBitmap(LPCTSTR lpszFile) {
    DeleteObject();
    // The stamp is taken before the read: a file rewritten meanwhile is not kept under its new stamp.
    zir::FileStamp stamp;
    if (!zir::StampFile(lpszFile, stamp)) return FALSE;
    if (HBITMAP hDib = zir::DecodedDib(lpszFile, stamp, zir::DecodedUse::Bitmap)) {
        SetPixels(hDib);
        return !IsNull();
    }
    std::vector<BYTE> data;
    if (!zir::ReadWholeFile(lpszFile, data) || !LoadFromMemory(data.data(), data.size())) return FALSE;
    zir::KeepDecoded(lpszFile, stamp, zir::DecodedUse::Bitmap, m_pixels->cx, m_pixels->cy, m_pixels->pBits);
    return TRUE;
}

BOOL CQVBitmap::LoadFromMemory(const BYTE* pData, size_t nSize) {
    DeleteObject();
    if (!pData || nSize == 0 || nSize > zir::kMaxImageFileBytes) return FALSE;
    zir::ImageProbe probe = zir::ProbeImage(pData, nSize);
    if (!probe.bPlausible) return FALSE;
    HBITMAP hDib = NULL;
    if (probe.kind == zir::ImageKind::Bmp) {
        hDib = zir::DibFromBmpFile(pData, nSize);
    } else {
        std::shared_ptr<Gdiplus::Bitmap> bitmap = zir::GdiplusBitmapFromBytes(pData, nSize);
        if (bitmap) hDib = zir::DibFromGdiplus(bitmap.get());
    }
    SetPixels(hDib);
    return !IsNull();
}

BOOL CQVBitmap::LoadBitmap(UINT nIDResource) {
    DeleteObject();
    LPCTSTR lpszName = MAKEINTRESOURCE(nIDResource);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_BITMAP);
    HRSRC hRes = hInst ? ::FindResource(hInst, lpszName, RT_BITMAP) : NULL;
    HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : NULL;
    const BYTE* pData = hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    if (!pData) return FALSE;
    SetPixels(zir::DibFromPackedDib(pData, ::SizeofResource(hInst, hRes)));
    return !IsNull();
}

BOOL CQVBitmap::AttachBitmap(HBITMAP hBitmap) {
    DeleteObject();
    if (!hBitmap) return TRUE;
    // Always converted: the system does not tell reliably whether a DIB section is top-down.
    HBITMAP hDib = zir::DibFromBitmap(hBitmap);
    if (!hDib) return FALSE;  // the caller keeps hBitmap
    ::DeleteObject(hBitmap);
    SetPixels(hDib);
    return !IsNull();
}

HBITMAP CQVBitmap::DetachBitmap() {
    if (!m_pixels) return NULL;
    HBITMAP hBitmap = NULL;
    if (m_pixels.use_count() == 1) {
        hBitmap = m_pixels->hBitmap;
        m_pixels->hBitmap = NULL;
    } else {
        // Copies still draw with these pixels: the caller gets a copy of its own.
        BYTE* pBits = nullptr;
        hBitmap = zir::CreateDib32(m_pixels->cx, m_pixels->cy, &pBits);
        if (hBitmap) memcpy(pBits, m_pixels->pBits, size_t(m_pixels->cx) * m_pixels->cy * 4);
    }
    m_pixels.reset();
    return hBitmap;
}

void CQVBitmap::DeleteObject() {
    m_pixels.reset();
}

BOOL CQVBitmap::IsNull() const {
    return !m_pixels || !m_pixels->hBitmap;
}

HBITMAP CQVBitmap::GetSafeHandle() const {
    return m_pixels ? m_pixels->hBitmap : NULL;
}

void CQVBitmap::SetMultiState(int nCount, BOOL bHorz) {
    m_nFrames = std::max(nCount, 1);
    m_bHorz = bHorz ? TRUE : FALSE;
}

BOOL CQVBitmap::GetBITMAP(BITMAP* pBitmap) const {
    if (!pBitmap) return FALSE;
    *pBitmap = BITMAP{};
    if (IsNull()) return FALSE;
    return ::GetObject(m_pixels->hBitmap, sizeof(BITMAP), pBitmap) == sizeof(BITMAP);
}

int CQVBitmap::GetWidth() const {
    return IsNull() ? 0 : m_pixels->cx;
}

int CQVBitmap::GetHeight() const {
    return IsNull() ? 0 : m_pixels->cy;
}

CRect CQVBitmap::GetSrcImageRect() const {
    if (IsNull()) return CRect(0, 0, 0, 0);
    if (m_bHorz) return CRect(0, 0, m_pixels->cx / m_nFrames, m_pixels->cy);
    return CRect(0, 0, m_pixels->cx, m_pixels->cy / m_nFrames);
}

const BYTE* CQVBitmap::GetBits() const {
    return IsNull() ? nullptr : m_pixels->pBits;
}

void CQVBitmap::SetFillParam(int nLeft, int nRight, int nMode) {
    m_nFillLeft = std::max(nLeft, 0);
    m_nFillRight = std::max(nRight, 0);
    m_nFillMode = nMode;
}

BOOL CQVBitmap::HasFrame(int nFrame) const {
    CRect rcFrame;
    return GetFrameRect(nFrame, rcFrame);
}

BOOL CQVBitmap::GetFrameRect(int nFrame, CRect& rcFrame) const {
    if (IsNull() || nFrame < 0 || nFrame >= m_nFrames) return FALSE;
    CRect rc = GetSrcImageRect();
    if (rc.IsRectEmpty()) return FALSE;  // narrower (or lower) than its frame count
    if (m_bHorz)
        rc.OffsetRect(rc.Width() * nFrame, 0);
    else
        rc.OffsetRect(0, rc.Height() * nFrame);
    rcFrame = rc;
    return TRUE;
}

void CQVBitmap::Blit(HDC hDC, const CRect& rcTarget, const CRect& rcSrc, BOOL bKey, COLORREF clrKey) const {
    if (!hDC || !HasArea(rcTarget) || rcSrc.Width() <= 0 || rcSrc.Height() <= 0) return;
    const CRect rcDest = BoundedRect(rcTarget);
    CRect rcVisible;
    if (!VisiblePart(hDC, rcDest, rcVisible)) return;
    const bool bStretch = rcDest.Width() != rcSrc.Width() || rcDest.Height() != rcSrc.Height();
    if (!bKey && (!bStretch || rcVisible == rcDest)) {
        if (!bStretch) {
            PutBits(hDC, rcDest, rcSrc, reinterpret_cast<const DWORD*>(m_pixels->pBits), m_pixels->cx,
                    SRCCOPY);
        } else {
            // Nearest-pixel stretching keeps skin edges crisp.
            int nOldMode = ::SetStretchBltMode(hDC, COLORONCOLOR);
            PutBits(hDC, rcDest, rcSrc, reinterpret_cast<const DWORD*>(m_pixels->pBits), m_pixels->cx,
                    SRCCOPY);
            ::SetStretchBltMode(hDC, nOldMode);
        }
        return;
    }

    const DWORD dwKey = KeyPixel(clrKey);
    if (!bStretch) {
        m_pixels->PrepareKey(dwKey);
        PutKeyed(hDC, rcDest, rcSrc, m_pixels->keyMask.data(), m_pixels->keyedPixels.data(), m_pixels->cx);
        return;
    }

    // Stretching into a partly visible target, or keyed: the nearest source pixel of every visible
    // target pixel is picked here, so that the work follows the visible area, and mask and pixels stay
    // in step with no stretch mode blending the key into its neighbours.
    const int cx = rcVisible.Width(), cy = rcVisible.Height();
    if (!zir::ImageSizeAcceptable(cx, cy)) return;
    const long long nDestW = rcDest.Width(), nDestH = rcDest.Height();
    const long long nSrcW = rcSrc.Width(), nSrcH = rcSrc.Height();
    std::vector<int> columns(static_cast<size_t>(cx));
    for (int x = 0; x < cx; ++x) {
        long long dx = rcVisible.left - rcDest.left + x;
        columns[size_t(x)] = rcSrc.left + int((dx * 2 + 1) * nSrcW / (nDestW * 2));
    }
    std::vector<DWORD> pixels(size_t(cx) * cy);
    std::vector<DWORD> mask(bKey ? size_t(cx) * cy : 0);
    std::vector<DWORD> row(static_cast<size_t>(cx));
    const DWORD* pSource = reinterpret_cast<const DWORD*>(m_pixels->pBits);
    for (int y = 0; y < cy; ++y) {
        long long dy = rcVisible.top - rcDest.top + y;
        const DWORD* pIn =
            pSource + size_t(rcSrc.top + int((dy * 2 + 1) * nSrcH / (nDestH * 2))) * m_pixels->cx;
        DWORD* pOut = bKey ? row.data() : pixels.data() + size_t(y) * cx;
        for (int x = 0; x < cx; ++x)
            pOut[x] = pIn[columns[size_t(x)]];
        if (bKey) KeyRow(row.data(), cx, dwKey, mask.data() + size_t(y) * cx, pixels.data() + size_t(y) * cx);
    }
    if (bKey)
        PutKeyed(hDC, rcVisible, CRect(0, 0, cx, cy), mask.data(), pixels.data(), cx);
    else
        PutBits(hDC, rcVisible, CRect(0, 0, cx, cy), pixels.data(), cx, SRCCOPY);
}

void CQVBitmap::Draw(CDC* pDC, int x, int y, int nFrame) const {
    CRect rcSrc;
    if (!pDC || !GetFrameRect(nFrame, rcSrc)) return;
    Blit(pDC->GetSafeHdc(), CRect(CPoint(x, y), rcSrc.Size()), rcSrc, FALSE, 0);
}

void CQVBitmap::Draw(CDC* pDC, int x, int y, int cx, int cy, int nFrame) const {
    CRect rcSrc;
    if (!pDC || !GetFrameRect(nFrame, rcSrc)) return;
    Blit(pDC->GetSafeHdc(), CRect(x, y, x + cx, y + cy), rcSrc, FALSE, 0);
}

void CQVBitmap::TransparentDraw(CDC* pDC, int x, int y, COLORREF clrKey, int nFrame) const {
    CRect rcSrc;
    if (!pDC || !GetFrameRect(nFrame, rcSrc)) return;
    Blit(pDC->GetSafeHdc(), CRect(CPoint(x, y), rcSrc.Size()), rcSrc, TRUE, clrKey);
}

void CQVBitmap::TransparentDraw(CDC* pDC, int x, int y, int cx, int cy, COLORREF clrKey, int nFrame) const {
    CRect rcSrc;
    if (!pDC || !GetFrameRect(nFrame, rcSrc)) return;
    Blit(pDC->GetSafeHdc(), CRect(x, y, x + cx, y + cy), rcSrc, TRUE, clrKey);
}

void CQVBitmap::FillFrame(CDC* pDC, const CRect& rcTarget, int nFrame, BOOL bKey, COLORREF clrKey) const {
    CRect rcSrc;
    if (!pDC || !HasArea(rcTarget) || !GetFrameRect(nFrame, rcSrc)) return;
    HDC hDC = pDC->GetSafeHdc();
    const CRect rc = BoundedRect(rcTarget);
    const int nFrameW = rcSrc.Width(), nW = rc.Width();
    int nLeft = std::min(m_nFillLeft, nFrameW), nRight = std::min(m_nFillRight, nFrameW);
    if (m_nFillMode != 1 || nLeft + nRight <= 0) {
        // No kept edges: the whole frame stretched.
        Blit(hDC, rc, rcSrc, bKey, clrKey);
        return;
    }
    // The proportions below are taken in 64 bits; both sums are above zero here.
    if (nLeft + nRight > nFrameW) {
        // Edges wider than the frame share it in proportion.
        nLeft = int(static_cast<long long>(nFrameW) * nLeft / (nLeft + nRight));
        nRight = nFrameW - nLeft;
    }
    if (nLeft + nRight > nW) {
        // A target narrower than both edges: the outer part of each edge, in proportion, no middle.
        int nLeftPart = int(static_cast<long long>(nW) * nLeft / (nLeft + nRight));
        int nRightPart = nW - nLeftPart;
        Blit(hDC, CRect(rc.left, rc.top, rc.left + nLeftPart, rc.bottom),
             CRect(rcSrc.left, rcSrc.top, rcSrc.left + nLeftPart, rcSrc.bottom), bKey, clrKey);
        Blit(hDC, CRect(rc.right - nRightPart, rc.top, rc.right, rc.bottom),
             CRect(rcSrc.right - nRightPart, rcSrc.top, rcSrc.right, rcSrc.bottom), bKey, clrKey);
        return;
    }
    if (nLeft > 0)
        Blit(hDC, CRect(rc.left, rc.top, rc.left + nLeft, rc.bottom),
             CRect(rcSrc.left, rcSrc.top, rcSrc.left + nLeft, rcSrc.bottom), bKey, clrKey);
    if (nRight > 0)
        Blit(hDC, CRect(rc.right - nRight, rc.top, rc.right, rc.bottom),
             CRect(rcSrc.right - nRight, rcSrc.top, rcSrc.right, rcSrc.bottom), bKey, clrKey);
    if (nW - nLeft - nRight > 0) {
        CRect rcMiddle(rcSrc.left + nLeft, rcSrc.top, rcSrc.right - nRight, rcSrc.bottom);
        if (rcMiddle.Width() <= 0) {
            // The edges take the whole frame: the column where they meet is stretched.
            int x = rcSrc.left + std::min(nLeft, nFrameW - 1);
            rcMiddle.left = x;
            rcMiddle.right = x + 1;
        }
        Blit(hDC, CRect(rc.left + nLeft, rc.top, rc.right - nRight, rc.bottom), rcMiddle, bKey, clrKey);
    }
}

void CQVBitmap::DrawFill(CDC* pDC, const CRect& rc, int nFrame) const {
    FillFrame(pDC, rc, nFrame, FALSE, 0);
}

void CQVBitmap::TransparentDrawFill(CDC* pDC, const CRect& rc, COLORREF clrKey, int nFrame) const {
    FillFrame(pDC, rc, nFrame, TRUE, clrKey);
}

void CQVBitmap::TransparentDrawPart(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, COLORREF clrKey,
                                    int nFrame) const {
    CRect rcFrame;
    if (!pDC || rcDest.Width() <= 0 || rcDest.Height() <= 0 || rcSrc.Width() <= 0 || rcSrc.Height() <= 0 ||
        !GetFrameRect(nFrame, rcFrame))
        return;
    // A source reaching past the frame is cut to it, and the target by the same proportion.
    CRect rcPart = rcSrc + rcFrame.TopLeft();
    CRect rcInside;
    if (!rcInside.IntersectRect(rcPart, rcFrame)) return;
    CRect rcTarget = rcDest;
    if (rcInside != rcPart) {
        rcTarget.left = rcDest.left + MulDiv(rcInside.left - rcPart.left, rcDest.Width(), rcPart.Width());
        rcTarget.right = rcDest.left + MulDiv(rcInside.right - rcPart.left, rcDest.Width(), rcPart.Width());
        rcTarget.top = rcDest.top + MulDiv(rcInside.top - rcPart.top, rcDest.Height(), rcPart.Height());
        rcTarget.bottom = rcDest.top + MulDiv(rcInside.bottom - rcPart.top, rcDest.Height(), rcPart.Height());
    }
    Blit(pDC->GetSafeHdc(), rcTarget, rcInside, TRUE, clrKey);
}

void CQVBitmap::Pave(CDC* pDC, const CRect& rcTarget, int nFrame) const {
    CRect rcSrc;
    if (!pDC || !HasArea(rcTarget) || !GetFrameRect(nFrame, rcSrc)) return;
    HDC hDC = pDC->GetSafeHdc();
    if (!hDC) return;
    const CRect rcAll = BoundedRect(rcTarget);
    // Only the tiles that show are copied; they stay aligned with the target's top-left corner.
    CRect rc;
    if (!VisiblePart(hDC, rcAll, rc)) return;
    const int nFrameW = rcSrc.Width(), nFrameH = rcSrc.Height();
    const long long nTiles = (static_cast<long long>(rc.Width() + nFrameW - 1) / nFrameW) *
                             ((rc.Height() + nFrameH - 1) / nFrameH);

    // Small frames over a large area are first repeated into a tile of about 256 pixels a side, so the
    // number of copies stays small.
    const DWORD* pTile = reinterpret_cast<const DWORD*>(m_pixels->pBits);
    int cxTile = m_pixels->cx;
    CRect rcTile = rcSrc;
    std::vector<DWORD> tile;
    if (nTiles > 64) {
        int nAcross = std::max(1, (std::min(rc.Width(), 256) + nFrameW - 1) / nFrameW);
        int nDown = std::max(1, (std::min(rc.Height(), 256) + nFrameH - 1) / nFrameH);
        cxTile = nAcross * nFrameW;
        tile.resize(size_t(cxTile) * nDown * nFrameH);
        const DWORD* pSource = reinterpret_cast<const DWORD*>(m_pixels->pBits);
        for (int y = 0; y < nDown * nFrameH; ++y) {
            const DWORD* pRow = pSource + size_t(rcSrc.top + y % nFrameH) * m_pixels->cx + rcSrc.left;
            DWORD* pOut = tile.data() + size_t(y) * cxTile;
            for (int i = 0; i < nAcross; ++i)
                memcpy(pOut + size_t(i) * nFrameW, pRow, size_t(nFrameW) * 4);
        }
        pTile = tile.data();
        rcTile.SetRect(0, 0, cxTile, nDown * nFrameH);
    }
    // Tile steps are multiples of the frame size, so starting at the first step that reaches the
    // visible part keeps the pattern where a full tiling from rcAll's corner puts it.
    const int cxStep = rcTile.Width(), cyStep = rcTile.Height();
    const int xFirst = rcAll.left + (rc.left - rcAll.left) / cxStep * cxStep;
    const int yFirst = rcAll.top + (rc.top - rcAll.top) / cyStep * cyStep;
    for (int y = yFirst; y < rc.bottom; y += cyStep) {
        int cy = std::min(cyStep, int(rc.bottom) - y);
        for (int x = xFirst; x < rc.right; x += cxStep) {
            int cx = std::min(cxStep, int(rc.right) - x);
            CRect rcPart(rcTile.left, rcTile.top, rcTile.left + cx, rcTile.top + cy);
            PutBits(hDC, CRect(x, y, x + cx, y + cy), rcPart, pTile, cxTile, SRCCOPY);
        }
    }
}

BOOL CQVBitmap::CreateBitmapRgn(CRgn& rgn, COLORREF clrKey, int nMode, int nFrame) const {
    return CreateBitmapRgn(rgn, clrKey, nMode, nFrame, INT_MAX);
}

BOOL CQVBitmap::CreateBitmapRgn(CRgn& rgn, COLORREF clrKey, int nMode, int nFrame, int nMaxRects) const {
    CRect rcSrc;
    if (!GetFrameRect(nFrame, rcSrc)) return FALSE;
    const DWORD dwKey = KeyPixel(clrKey);
    const bool bWantKey = nMode == 1;
    const DWORD* pPixels = reinterpret_cast<const DWORD*>(m_pixels->pBits);

    // Runs of wanted pixels, row by row; a row whose runs repeat the previous row's only extends the
    // rectangles of that row downwards.
    std::vector<RECT> rects;
    std::vector<RECT> row;
    size_t nPrevFirst = 0, nPrevCount = 0;
    for (int y = 0; y < rcSrc.Height(); ++y) {
        row.clear();
        const DWORD* pRow = pPixels + size_t(rcSrc.top + y) * m_pixels->cx + rcSrc.left;
        int x = 0;
        while (x < rcSrc.Width()) {
            while (x < rcSrc.Width() && ((pRow[x] & 0xFFFFFF) == dwKey) != bWantKey)
                ++x;
            int nStart = x;
            while (x < rcSrc.Width() && ((pRow[x] & 0xFFFFFF) == dwKey) == bWantKey)
                ++x;
            if (x > nStart) row.push_back(RECT{nStart, y, x, y + 1});
        }
        bool bSame = !row.empty() && row.size() == nPrevCount && rects[nPrevFirst].bottom == y;
        for (size_t i = 0; bSame && i < row.size(); ++i)
            bSame = row[i].left == rects[nPrevFirst + i].left && row[i].right == rects[nPrevFirst + i].right;
        if (bSame) {
            for (size_t i = 0; i < row.size(); ++i)
                rects[nPrevFirst + i].bottom = y + 1;
        } else {
            if (rects.size() + row.size() > static_cast<size_t>(std::max(nMaxRects, 0))) return FALSE;
            nPrevFirst = rects.size();
            nPrevCount = row.size();
            rects.insert(rects.end(), row.begin(), row.end());
        }
    }
    HRGN hRgn = rects.empty() ? ::CreateRectRgn(0, 0, 0, 0) : RegionFromRects(rects);
    if (!hRgn) return FALSE;
    rgn.DeleteObject();
    rgn.Attach(hRgn);
    return TRUE;
}
