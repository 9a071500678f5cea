// Image files: reading, header checks and conversion into 32-bit DIB sections and GDI+ bitmaps.
#include "ImageFile.h"

#include "QVDibSection.h"
#include "QVGdiplusImage.h"

#include <gdiplus.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>

namespace zir {

namespace {

DWORD ReadLE32(const BYTE* p) {
    return DWORD(p[0]) | (DWORD(p[1]) << 8) | (DWORD(p[2]) << 16) | (DWORD(p[3]) << 24);
}
WORD ReadLE16(const BYTE* p) {
    return WORD(p[0] | (p[1] << 8));
}
DWORD ReadBE32(const BYTE* p) {
    return (DWORD(p[0]) << 24) | (DWORD(p[1]) << 16) | (DWORD(p[2]) << 8) | DWORD(p[3]);
}
WORD ReadBE16(const BYTE* p) {
    return WORD((p[0] << 8) | p[1]);
}

const BYTE kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

ImageProbe ProbePng(const BYTE* p, size_t n) {
    ImageProbe probe;
    probe.kind = ImageKind::Png;
    if (n < 24 || std::memcmp(p + 12, "IHDR", 4) != 0) return probe;
    DWORD cx = ReadBE32(p + 16), cy = ReadBE32(p + 20);
    probe.bPlausible = ImageSizeAcceptable(cx, cy);
    if (probe.bPlausible) {
        probe.cx = int(cx);
        probe.cy = int(cy);
    }
    return probe;
}

ImageProbe ProbeJpeg(const BYTE* p, size_t n) {
    ImageProbe probe;
    probe.kind = ImageKind::Jpeg;
    // Walk the marker segments up to the first frame header, which holds the size.
    size_t pos = 2;
    while (pos + 4 <= n) {
        if (p[pos] != 0xFF) return probe;
        BYTE marker = p[pos + 1];
        if (marker == 0xFF) {  // fill byte
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            pos += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) return probe;  // image data before any frame header
        size_t len = ReadBE16(p + pos + 2);
        if (len < 2) return probe;
        bool bFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (bFrame) {
            if (pos + 9 > n || len < 7) return probe;
            int cy = ReadBE16(p + pos + 5), cx = ReadBE16(p + pos + 7);
            probe.bPlausible = ImageSizeAcceptable(cx, cy);
            if (probe.bPlausible) {
                probe.cx = cx;
                probe.cy = cy;
            }
            return probe;
        }
        pos += 2 + len;
    }
    return probe;
}

ImageProbe ProbeIco(const BYTE* p, size_t n) {
    ImageProbe probe;
    probe.kind = ImageKind::Ico;
    size_t nCount = ReadLE16(p + 4);
    if (nCount == 0 || 6 + 16 * nCount > n) return probe;
    for (size_t i = 0; i < nCount; ++i) {
        const BYTE* entry = p + 6 + 16 * i;
        DWORD dwSize = ReadLE32(entry + 8), dwOffset = ReadLE32(entry + 12);
        if (dwOffset >= n || dwSize > n - dwOffset || dwSize < 8) return probe;
        // An entry may hold a whole PNG file, with a header of its own to check.
        if (std::memcmp(p + dwOffset, kPngSignature, 8) == 0 && !ProbePng(p + dwOffset, dwSize).bPlausible)
            return probe;
    }
    probe.cx = p[6] ? p[6] : 256;
    probe.cy = p[7] ? p[7] : 256;
    probe.bPlausible = true;
    return probe;
}

// The parts of a packed DIB that SetDIBits needs, checked against the data.
struct DibLayout {
    std::vector<BYTE> info;  // BITMAPINFOHEADER, masks and colour table, as SetDIBits wants them
    const BYTE* pBits = nullptr;
    int cx = 0;
    int cy = 0;  // absolute height
    int nBitCount = 0;
};

// pHeader points at the info header, nAvail bytes are readable from there, and the pixels start
// nBitsOffset bytes after the header (0: right after the colour table).
bool ParseDib(const BYTE* pHeader, size_t nAvail, size_t nBitsOffset, DibLayout& layout) {
    if (nAvail < 40) return false;
    DWORD dwHeaderSize = ReadLE32(pHeader);
    if (dwHeaderSize < 40 || dwHeaderSize > 124 || dwHeaderSize > nAvail) return false;
    LONG cx = LONG(ReadLE32(pHeader + 4));
    LONG cy = LONG(ReadLE32(pHeader + 8));
    WORD wBitCount = ReadLE16(pHeader + 14);
    DWORD dwCompression = ReadLE32(pHeader + 16);
    DWORD dwSizeImage = ReadLE32(pHeader + 20);
    DWORD dwClrUsed = ReadLE32(pHeader + 32);
    if (cx <= 0 || cy == 0 || cy == LONG_MIN) return false;
    bool bTopDown = cy < 0;
    long long nHeight = bTopDown ? -static_cast<long long>(cy) : cy;
    if (!ImageSizeAcceptable(cx, nHeight)) return false;

    bool bBitfields = false;
    switch (dwCompression) {
    case BI_RGB:
        if (wBitCount != 1 && wBitCount != 4 && wBitCount != 8 && wBitCount != 16 && wBitCount != 24 &&
            wBitCount != 32)
            return false;
        break;
    case BI_RLE8:
    case BI_RLE4:
        if (bTopDown || wBitCount != (dwCompression == BI_RLE8 ? 8 : 4)) return false;
        break;
    case BI_BITFIELDS:
        if (wBitCount != 16 && wBitCount != 32) return false;
        bBitfields = true;
        break;
    default:
        return false;  // embedded JPEG or PNG, or unknown
    }

    // The three colour masks follow a plain 40-byte header and sit inside the larger ones. Images of 8
    // bits or less need their colour table; deeper ones may carry an unused one before the pixels.
    size_t nMasksInFile = (bBitfields && dwHeaderSize == 40) ? 12 : 0;
    size_t nColors = 0, nTableEntries = 0;
    if (wBitCount <= 8) {
        size_t nMax = size_t(1) << wBitCount;
        nColors = nTableEntries = dwClrUsed == 0 || dwClrUsed > nMax ? nMax : dwClrUsed;
    } else {
        if (dwClrUsed > 256) return false;
        nTableEntries = dwClrUsed;
    }
    size_t nTableOffset = dwHeaderSize + nMasksInFile;
    size_t nTableEnd = nTableOffset + nTableEntries * 4;
    if (nTableEnd > nAvail) return false;

    layout.info.assign(sizeof(BITMAPINFOHEADER) + 12 + nColors * sizeof(RGBQUAD), 0);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = cx;
    header.biHeight = cy;
    header.biPlanes = 1;
    header.biBitCount = wBitCount;
    header.biCompression = dwCompression;
    header.biClrUsed = DWORD(nColors);
    BYTE* pOut = layout.info.data() + sizeof(BITMAPINFOHEADER);
    if (bBitfields) {
        std::memcpy(pOut, pHeader + 40, 12);
        pOut += 12;
    }
    if (nColors) std::memcpy(pOut, pHeader + nTableOffset, nColors * 4);

    size_t nBits = nBitsOffset ? nBitsOffset : nTableEnd;
    if (nBits >= nAvail) return false;
    size_t nBitsAvail = nAvail - nBits;
    if (dwCompression == BI_RLE8 || dwCompression == BI_RLE4) {
        // The decoder stops at the end of the data it is told about.
        header.biSizeImage = DWORD(dwSizeImage && dwSizeImage < nBitsAvail ? dwSizeImage : nBitsAvail);
    } else {
        unsigned long long nStride = ((static_cast<unsigned long long>(cx) * wBitCount + 31) / 32) * 4;
        if (nStride * nHeight > nBitsAvail) return false;  // truncated
        header.biSizeImage = DWORD(nStride * nHeight);
    }
    std::memcpy(layout.info.data(), &header, sizeof(header));
    layout.pBits = pHeader + nBits;
    layout.cx = cx;
    layout.cy = int(nHeight);
    layout.nBitCount = wBitCount;
    return true;
}

// Formats without alpha, and 32-bit files that leave the fourth byte unused, become opaque.
void FixAlpha(BYTE* pBits, int cx, int cy, int nSourceBits) {
    size_t nPixels = size_t(cx) * cy;
    DWORD* pPixel = reinterpret_cast<DWORD*>(pBits);
    if (nSourceBits == 32) {
        for (size_t i = 0; i < nPixels; ++i) {
            if (pPixel[i] & 0xFF000000) return;
        }
    }
    for (size_t i = 0; i < nPixels; ++i)
        pPixel[i] |= 0xFF000000;
}

HBITMAP DibFromLayout(const DibLayout& layout) {
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = CreateDib32(layout.cx, layout.cy, &pBits);
    if (!hBitmap) return NULL;
    HDC hdc = ::CreateCompatibleDC(NULL);
    int nLines = ::SetDIBits(hdc, hBitmap, 0, layout.cy, layout.pBits,
                             reinterpret_cast<const BITMAPINFO*>(layout.info.data()), DIB_RGB_COLORS);
    ::DeleteDC(hdc);
    if (nLines <= 0) {
        ::DeleteObject(hBitmap);
        return NULL;
    }
    ::GdiFlush();
    FixAlpha(pBits, layout.cx, layout.cy, layout.nBitCount);
    return hBitmap;
}

}  // namespace

bool ImageSizeAcceptable(long long cx, long long cy) {
    return cx > 0 && cy > 0 && cx <= kMaxImageSide && cy <= kMaxImageSide && cx * cy <= kMaxImagePixels;
}

namespace {

// Opens the file, open to writers and deleters while it is read, and reads from its start as many bytes as
// nWanted(the file's size) says; a negative count refuses the file without reading it.
template <typename WantedBytes>
bool ReadFileStart(LPCTSTR lpszPath, std::vector<BYTE>& data, WantedBytes nWanted) {
    data.clear();
    if (!lpszPath || !*lpszPath) return false;
    HANDLE hFile =
        ::CreateFile(lpszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    long long nRead = ::GetFileSizeEx(hFile, &size) ? nWanted(static_cast<ULONGLONG>(size.QuadPart)) : -1;
    bool bOk = nRead >= 0;
    if (bOk) {
        data.resize(static_cast<size_t>(nRead));
        DWORD dwRead = 0;
        bOk =
            data.empty() || (::ReadFile(hFile, data.data(), static_cast<DWORD>(data.size()), &dwRead, NULL) &&
                             dwRead == data.size());
    }
    ::CloseHandle(hFile);
    if (!bOk) data.clear();
    return bOk;
}

}  // namespace

bool ReadFileBytes(LPCTSTR lpszPath, size_t nMax, std::vector<BYTE>& data, ULONGLONG* pnFileSize) {
    return ReadFileStart(lpszPath, data, [&](ULONGLONG nSize) {
        if (pnFileSize) *pnFileSize = nSize;
        return static_cast<long long>(std::min<ULONGLONG>(nSize, nMax));
    });
}

bool ReadWholeFile(LPCTSTR lpszPath, std::vector<BYTE>& data) {
    return ReadFileStart(lpszPath, data, [](ULONGLONG nSize) {
        return nSize > 0 && nSize <= kMaxImageFileBytes ? static_cast<long long>(nSize) : -1LL;
    });
}

ImageProbe ProbeImage(const BYTE* p, size_t n) {
    ImageProbe probe;
    if (!p || n < 8) return probe;
    if (p[0] == 'B' && p[1] == 'M') {
        probe.kind = ImageKind::Bmp;
        if (n >= 14 + 40) {
            LONG cx = LONG(ReadLE32(p + 18)), cy = LONG(ReadLE32(p + 22));
            long long nHeight = cy < 0 ? -static_cast<long long>(cy) : cy;
            probe.bPlausible = ImageSizeAcceptable(cx, nHeight);
            if (probe.bPlausible) {
                probe.cx = cx;
                probe.cy = int(nHeight);
            }
        }
    } else if (std::memcmp(p, kPngSignature, 8) == 0) {
        probe = ProbePng(p, n);
    } else if (n >= 10 && (std::memcmp(p, "GIF87a", 6) == 0 || std::memcmp(p, "GIF89a", 6) == 0)) {
        probe.kind = ImageKind::Gif;
        probe.cx = ReadLE16(p + 6);
        probe.cy = ReadLE16(p + 8);
        probe.bPlausible = n >= 13 && ImageSizeAcceptable(probe.cx, probe.cy);
    } else if (p[0] == 0xFF && p[1] == 0xD8 && p[2] == 0xFF) {
        probe = ProbeJpeg(p, n);
    } else if (p[0] == 0 && p[1] == 0 && p[2] == 1 && p[3] == 0) {
        probe = ProbeIco(p, n);
    }
    return probe;
}

HBITMAP CreateDib32(int cx, int cy, BYTE** ppBits) {
    if (ppBits) *ppBits = nullptr;
    if (!ImageSizeAcceptable(cx, cy)) return NULL;
    void* pBits = nullptr;
    HBITMAP hBitmap = QVCreateDib32(cx, cy, &pBits);
    if (ppBits) *ppBits = static_cast<BYTE*>(pBits);
    return hBitmap;
}

HBITMAP DibFromBmpFile(const BYTE* p, size_t n) {
    if (!p || n < 14 + 40 || p[0] != 'B' || p[1] != 'M') return NULL;
    DWORD dwOffBits = ReadLE32(p + 10);
    if (dwOffBits < 14 + 40 || dwOffBits >= n) return NULL;
    DibLayout layout;
    if (!ParseDib(p + 14, n - 14, dwOffBits - 14, layout)) return NULL;
    return DibFromLayout(layout);
}

HBITMAP DibFromPackedDib(const BYTE* p, size_t n) {
    DibLayout layout;
    if (!p || !ParseDib(p, n, 0, layout)) return NULL;
    return DibFromLayout(layout);
}

HBITMAP DibFromBitmap(HBITMAP hSource) {
    BITMAP bm = {};
    if (!hSource || ::GetObject(hSource, sizeof(bm), &bm) != sizeof(bm)) return NULL;
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = CreateDib32(bm.bmWidth, bm.bmHeight, &pBits);
    if (!hBitmap) return NULL;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = bm.bmWidth;
    bmi.bmiHeader.biHeight = -bm.bmHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    HDC hdc = ::CreateCompatibleDC(NULL);
    int nLines = ::GetDIBits(hdc, hSource, 0, bm.bmHeight, pBits, &bmi, DIB_RGB_COLORS);
    ::DeleteDC(hdc);
    if (nLines != bm.bmHeight) {
        ::DeleteObject(hBitmap);
        return NULL;
    }
    FixAlpha(pBits, bm.bmWidth, bm.bmHeight, bm.bmBitsPixel * bm.bmPlanes);
    return hBitmap;
}

namespace {

// Every image decoded here is counted from its making to its deletion, so that a host can see that
// what it loaded has gone again.
std::atomic<int> g_nLiveImages{0};

// The bitmap owned and counted; the stream it reads from, if any, is released with it.
std::shared_ptr<Gdiplus::Bitmap> Counted(Gdiplus::Bitmap* pBitmap, IStream* pStream = nullptr) {
    ++g_nLiveImages;
    return std::shared_ptr<Gdiplus::Bitmap>(pBitmap, [pStream](Gdiplus::Bitmap* p) {
        delete p;
        if (pStream) pStream->Release();
        --g_nLiveImages;
    });
}

}  // namespace

std::shared_ptr<Gdiplus::Bitmap> GdiplusBitmapFromBytes(const BYTE* pData, size_t nSize) {
    if (!CQVGdiplusImage::EnsureGdiplus()) return nullptr;
    ImageProbe probe = ProbeImage(pData, nSize);
    if (!probe.bPlausible) return nullptr;

    if (probe.kind == ImageKind::Bmp) {
        // BMP goes through the checked decoder, then into a bitmap of GDI+'s own.
        HBITMAP hDib = DibFromBmpFile(pData, nSize);
        if (!hDib) return nullptr;
        DIBSECTION ds = {};
        ::GetObject(hDib, sizeof(ds), &ds);
        std::shared_ptr<Gdiplus::Bitmap> bitmap = GdiplusBitmapFromPixels(
            ds.dsBm.bmWidth, ds.dsBm.bmHeight, static_cast<const BYTE*>(ds.dsBm.bmBits));
        ::DeleteObject(hDib);
        return bitmap;
    }

    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (!hGlobal) return nullptr;
    void* pGlobal = ::GlobalLock(hGlobal);
    std::memcpy(pGlobal, pData, nSize);
    ::GlobalUnlock(hGlobal);
    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hGlobal, TRUE, &pStream))) {
        ::GlobalFree(hGlobal);
        return nullptr;
    }
    Gdiplus::Bitmap* pBitmap = Gdiplus::Bitmap::FromStream(pStream, FALSE);
    if (!pBitmap || pBitmap->GetLastStatus() != Gdiplus::Ok ||
        !ImageSizeAcceptable(pBitmap->GetWidth(), pBitmap->GetHeight())) {
        delete pBitmap;
        pStream->Release();
        return nullptr;
    }
    // The image may read from the stream for as long as it lives.
    return Counted(pBitmap, pStream);
}

std::shared_ptr<Gdiplus::Bitmap> GdiplusBitmapFromPixels(int cx, int cy, const BYTE* pBits) {
    if (!pBits || !ImageSizeAcceptable(cx, cy) || !CQVGdiplusImage::EnsureGdiplus()) return nullptr;
    std::shared_ptr<Gdiplus::Bitmap> bitmap = Counted(new Gdiplus::Bitmap(cx, cy, PixelFormat32bppARGB));
    Gdiplus::BitmapData bd = {};
    bd.Width = cx;
    bd.Height = cy;
    bd.Stride = cx * 4;
    bd.PixelFormat = PixelFormat32bppARGB;
    bd.Scan0 = const_cast<BYTE*>(pBits);  // only read: the lock writes the buffer into the bitmap
    Gdiplus::Rect rc(0, 0, cx, cy);
    const bool bOk = bitmap->GetLastStatus() == Gdiplus::Ok &&
                     bitmap->LockBits(&rc, Gdiplus::ImageLockModeWrite | Gdiplus::ImageLockModeUserInputBuf,
                                      PixelFormat32bppARGB, &bd) == Gdiplus::Ok;
    if (bOk) bitmap->UnlockBits(&bd);
    return bOk ? bitmap : nullptr;
}

bool CopyGdiplusPixels(Gdiplus::Bitmap* pBitmap, BYTE* pOut) {
    if (!pBitmap || !pOut) return false;
    const int cx = int(pBitmap->GetWidth()), cy = int(pBitmap->GetHeight());
    Gdiplus::BitmapData bd = {};
    bd.Width = cx;
    bd.Height = cy;
    bd.Stride = cx * 4;
    bd.PixelFormat = PixelFormat32bppARGB;
    bd.Scan0 = pOut;
    Gdiplus::Rect rc(0, 0, cx, cy);
    if (pBitmap->LockBits(&rc, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                          PixelFormat32bppARGB, &bd) != Gdiplus::Ok)
        return false;
    pBitmap->UnlockBits(&bd);
    return true;
}

int LiveGdiplusImages() {
    return g_nLiveImages.load();
}

HBITMAP DibFromGdiplus(Gdiplus::Bitmap* pBitmap) {
    if (!pBitmap) return NULL;
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = CreateDib32(int(pBitmap->GetWidth()), int(pBitmap->GetHeight()), &pBits);
    if (hBitmap && !CopyGdiplusPixels(pBitmap, pBits)) {
        ::DeleteObject(hBitmap);
        return NULL;
    }
    return hBitmap;
}

}  // namespace zir
