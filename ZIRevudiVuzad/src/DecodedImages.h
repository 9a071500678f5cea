// The process's cache of decoded image files: the 32-bit pixels of each file an image class decoded,
// kept while the file keeps its size and times of creation and last write, so that a skin loaded again, or a
// file several controls load, is read and decoded once. The cache holds memory only, no GDI object and no
// GDI+ image: every load still gets a DIB section or a GDI+ bitmap of its own.
#pragma once

#include "ZIRevudiVuzadDef.h"

#include <memory>

namespace Gdiplus {
class Bitmap;
}  // namespace Gdiplus

namespace zir {

// What says that a file is the one decoded: its size and times of creation and last write (a file
// copied over another with its old write time comes with a new creation time).
struct FileStamp {
    ULONGLONG nSize = 0;
    ULONGLONG nWriteTime = 0;
    ULONGLONG nCreationTime = 0;
    bool operator==(const FileStamp& other) const {
        return nSize == other.nSize && nWriteTime == other.nWriteTime && nCreationTime == other.nCreationTime;
    }
};

// The file's stamp; false when it is not a file that can be reached.
bool StampFile(LPCTSTR lpszPath, FileStamp& stamp);

// Who decoded a file, each kept apart: CQVBitmap's loads, the skin reader (which keeps only what passed
// its stricter checks of the file) and CQVGdiplusImage (which keeps only images of one frame).
enum class DecodedUse { Bitmap, SkinImage, Picture };

// A new 32-bit top-down DIB section of the file's pixels when the cache holds its decode for this stamp
// and use, else NULL.
HBITMAP DecodedDib(LPCTSTR lpszPath, const FileStamp& stamp, DecodedUse use);
// Keeps the decode of the file (cx by cy top-down 32-bit pixels) under the stamp taken before it was
// read. The decodes used longest ago are dropped once the cache holds more than its budget.
void KeepDecoded(LPCTSTR lpszPath, const FileStamp& stamp, DecodedUse use, int cx, int cy, const BYTE* pBits);

// For CQVGdiplusImage: the same for a GDI+ bitmap, with its resolution. Only an image of one frame is
// kept (an animation keeps its frames by being decoded every time); what comes back is a 32-bit bitmap
// with alpha, without the file's palette or properties.
std::shared_ptr<Gdiplus::Bitmap> DecodedPicture(LPCTSTR lpszPath, const FileStamp& stamp);
void KeepPicture(LPCTSTR lpszPath, const FileStamp& stamp, Gdiplus::Bitmap* pBitmap);

}  // namespace zir
