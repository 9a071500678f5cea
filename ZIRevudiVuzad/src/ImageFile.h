// Reading image files for the image classes: the file's bytes, a check of its format and size before
// anything is decoded, and conversion into 32-bit top-down DIB sections or GDI+ bitmaps.
#pragma once

#include "ZIRevudiVuzadDef.h"

#include <memory>
#include <vector>

namespace Gdiplus {
class Bitmap;
class Image;
}  // namespace Gdiplus

namespace zir {

// Limits that keep a hostile header from asking for a huge allocation.
constexpr int kMaxImageSide = 16384;
constexpr long long kMaxImagePixels = 32LL * 1024 * 1024;
constexpr DWORD kMaxImageFileBytes = 64 * 1024 * 1024;

enum class ImageKind { Unknown, Bmp, Png, Gif, Jpeg, Ico };

// What the header of an image file says. cx and cy are 0 when the format does not keep one size in a
// fixed place (ICO); bPlausible is FALSE when the header is truncated or names absurd dimensions.
struct ImageProbe {
    ImageKind kind = ImageKind::Unknown;
    int cx = 0;
    int cy = 0;
    bool bPlausible = false;
};

// Reads at most nMax bytes from the start of a file; *pnFileSize receives the file's whole size. The
// file stays open to writers and deleters while it is read.
bool ReadFileBytes(LPCTSTR lpszPath, size_t nMax, std::vector<BYTE>& data, ULONGLONG* pnFileSize);
// The whole file, when it is neither empty nor larger than an image file may be.
bool ReadWholeFile(LPCTSTR lpszPath, std::vector<BYTE>& data);
ImageProbe ProbeImage(const BYTE* pData, size_t nSize);
bool ImageSizeAcceptable(long long cx, long long cy);

// A 32-bit top-down DIB section; *ppBits receives its pixels. NULL for sizes outside the limits.
HBITMAP CreateDib32(int cx, int cy, BYTE** ppBits);

// A BMP file (with its file header) or a packed DIB (a bitmap resource) as a 32-bit DIB section;
// formats without alpha come out opaque. NULL when the data is truncated or malformed.
HBITMAP DibFromBmpFile(const BYTE* pData, size_t nSize);
HBITMAP DibFromPackedDib(const BYTE* pData, size_t nSize);

// Any bitmap handle converted to a new 32-bit DIB section (the source is left alone).
HBITMAP DibFromBitmap(HBITMAP hBitmap);

// A GDI+ bitmap of the file's bytes (PNG, JPEG, GIF, ICO, and BMP through DibFromBmpFile). The memory
// stream the image reads from lives as long as the image. NULL for anything not acceptable.
std::shared_ptr<Gdiplus::Bitmap> GdiplusBitmapFromBytes(const BYTE* pData, size_t nSize);
// A GDI+ bitmap (32-bit with alpha) of cx by cy top-down 32-bit pixels, copied. NULL for sizes outside
// the limits.
std::shared_ptr<Gdiplus::Bitmap> GdiplusBitmapFromPixels(int cx, int cy, const BYTE* pBits);
// The active frame of a GDI+ bitmap as top-down 32-bit pixels, straight (not premultiplied) alpha, into
// pOut (width x height x 4 bytes).
bool CopyGdiplusPixels(Gdiplus::Bitmap* pBitmap, BYTE* pOut);
// Bitmaps made by GdiplusBitmapFromBytes and GdiplusBitmapFromPixels that are not deleted yet.
int LiveGdiplusImages();

// The active frame of a GDI+ bitmap as a 32-bit DIB section, straight (not premultiplied) alpha.
HBITMAP DibFromGdiplus(Gdiplus::Bitmap* pBitmap);

}  // namespace zir
