#include "DecodedImages.h"

#include <gdiplus.h>

#include <cstring>
#include <list>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "ImageFile.h"

namespace zir {

namespace {

// Two skins' images and what the controls load beside them fit with room to spare.
constexpr size_t kBudgetBytes = 32 * 1024 * 1024;

using Use = DecodedUse;

// The file's full path: a relative name means another file in another working folder.
CString FullPath(LPCTSTR lpszPath) {
    TCHAR szFull[MAX_PATH * 2];
    const DWORD nLength = ::GetFullPathName(lpszPath, MAX_PATH * 2, szFull, nullptr);
    return nLength > 0 && nLength < MAX_PATH * 2 ? CString(szFull) : CString(lpszPath);
}

struct Decoded {
    Decoded(LPCTSTR lpszPath, Use use, const FileStamp& stamp, int cx, int cy)
        : strPath(FullPath(lpszPath)), use(use), stamp(stamp), cx(cx), cy(cy),
          pixels(size_t(cx) * size_t(cy) * 4) {}

    CString strPath;
    Use use;
    FileStamp stamp;
    int cx;
    int cy;
    float fDpiX = 0;
    float fDpiY = 0;
    std::vector<BYTE> pixels;  // top-down, 4 bytes a pixel (blue, green, red, alpha)
};

struct KeyLess {
    bool operator()(const std::pair<CString, Use>& a, const std::pair<CString, Use>& b) const {
        const int nOrder = a.first.CompareNoCase(b.first);  // file names compare without case
        return nOrder != 0 ? nOrder < 0 : a.second < b.second;
    }
};

// Most recently used first, by full path.
struct Cache {
    std::mutex lock;
    std::list<Decoded> entries;
    std::map<std::pair<CString, Use>, std::list<Decoded>::iterator, KeyLess> byKey;
    size_t nBytes = 0;

    void Erase(std::list<Decoded>::iterator it) {
        nBytes -= it->pixels.size();
        byKey.erase({it->strPath, it->use});
        entries.erase(it);
    }

    // The entry for the file as stamped, made the most recent; a stale one is dropped. NULL when none.
    const Decoded* Find(LPCTSTR lpszPath, Use use, const FileStamp& stamp) {
        auto found = byKey.find({FullPath(lpszPath), use});
        if (found == byKey.end()) return nullptr;
        const auto it = found->second;
        if (!(it->stamp == stamp)) {
            Erase(it);
            return nullptr;
        }
        entries.splice(entries.begin(), entries, it);
        return &*it;
    }

    void Keep(Decoded entry) {
        const size_t nBytes = entry.pixels.size();
        auto found = byKey.find({entry.strPath, entry.use});
        if (found != byKey.end()) Erase(found->second);
        while (!entries.empty() && this->nBytes + nBytes > kBudgetBytes)
            Erase(std::prev(entries.end()));
        entries.push_front(std::move(entry));
        byKey[{entries.front().strPath, entries.front().use}] = entries.begin();
        this->nBytes += nBytes;
    }
};

Cache& TheCache() {
    static Cache* s_pCache = new Cache;  // never destroyed: images may load while the process ends
    return *s_pCache;
}

// An image small enough to keep: one huge picture would push out a whole skin.
bool Keepable(int cx, int cy) {
    return ImageSizeAcceptable(cx, cy) && size_t(cx) * size_t(cy) * 4 <= kBudgetBytes / 4;
}

void KeepEntry(Decoded&& entry) {
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    cache.Keep(std::move(entry));
}

bool Named(LPCTSTR lpszPath) {
    return lpszPath && *lpszPath;
}

}  // namespace

bool StampFile(LPCTSTR lpszPath, FileStamp& stamp) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!Named(lpszPath) || !::GetFileAttributesEx(lpszPath, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    stamp.nSize = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.nWriteTime = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                       data.ftLastWriteTime.dwLowDateTime;
    stamp.nCreationTime = (static_cast<ULONGLONG>(data.ftCreationTime.dwHighDateTime) << 32) |
                          data.ftCreationTime.dwLowDateTime;
    return true;
}

HBITMAP DecodedDib(LPCTSTR lpszPath, const FileStamp& stamp, DecodedUse use) {
    if (!Named(lpszPath)) return NULL;
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    const Decoded* pEntry = cache.Find(lpszPath, use, stamp);
    BYTE* pBits = nullptr;
    HBITMAP hDib = pEntry ? CreateDib32(pEntry->cx, pEntry->cy, &pBits) : NULL;
    if (hDib) std::memcpy(pBits, pEntry->pixels.data(), pEntry->pixels.size());
    return hDib;
}

void KeepDecoded(LPCTSTR lpszPath, const FileStamp& stamp, DecodedUse use, int cx, int cy,
                 const BYTE* pBits) {
    if (!Named(lpszPath) || !pBits || !Keepable(cx, cy)) return;
    Decoded entry(lpszPath, use, stamp, cx, cy);
    std::memcpy(entry.pixels.data(), pBits, entry.pixels.size());
    KeepEntry(std::move(entry));
}

std::shared_ptr<Gdiplus::Bitmap> DecodedPicture(LPCTSTR lpszPath, const FileStamp& stamp) {
    if (!Named(lpszPath)) return nullptr;
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    const Decoded* pEntry = cache.Find(lpszPath, Use::Picture, stamp);
    if (!pEntry) return nullptr;
    std::shared_ptr<Gdiplus::Bitmap> bitmap =
        GdiplusBitmapFromPixels(pEntry->cx, pEntry->cy, pEntry->pixels.data());
    if (bitmap) bitmap->SetResolution(pEntry->fDpiX, pEntry->fDpiY);
    return bitmap;
}

void KeepPicture(LPCTSTR lpszPath, const FileStamp& stamp, Gdiplus::Bitmap* pBitmap) {
    if (!Named(lpszPath) || !pBitmap) return;
    // An image of more than one frame in any dimension (an animation, pages) is not kept.
    const UINT nDimensions = pBitmap->GetFrameDimensionsCount();
    std::vector<GUID> dimensions(nDimensions);
    if (nDimensions && pBitmap->GetFrameDimensionsList(dimensions.data(), nDimensions) != Gdiplus::Ok) return;
    for (const GUID& dimension : dimensions)
        if (pBitmap->GetFrameCount(&dimension) > 1) return;
    const int cx = int(pBitmap->GetWidth()), cy = int(pBitmap->GetHeight());
    if (!Keepable(cx, cy)) return;
    Decoded entry(lpszPath, Use::Picture, stamp, cx, cy);
    entry.fDpiX = pBitmap->GetHorizontalResolution();
    entry.fDpiY = pBitmap->GetVerticalResolution();
    if (CopyGdiplusPixels(pBitmap, entry.pixels.data())) KeepEntry(std::move(entry));
}

}  // namespace zir
