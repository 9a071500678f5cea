#include "DecodedImages.h"

#include <cstring>
#include <list>
#include <map>
#include <mutex>
#include <vector>

#include "ImageFile.h"

namespace zir {

namespace {

// Two skins' images and what the controls load beside them fit with room to spare.
constexpr size_t kBudgetBytes = 32 * 1024 * 1024;

struct Decoded {
    CString strPath;
    FileStamp stamp;
    int cx = 0;
    int cy = 0;
    std::vector<BYTE> pixels;
};

struct NoCaseLess {
    bool operator()(const CString& a, const CString& b) const { return a.CompareNoCase(b) < 0; }
};

// Most recently used first; the map finds an entry by path (file names compare without case).
struct Cache {
    std::mutex lock;
    std::list<Decoded> entries;
    std::map<CString, std::list<Decoded>::iterator, NoCaseLess> byPath;
    size_t nBytes = 0;

    void Erase(std::list<Decoded>::iterator it) {
        nBytes -= it->pixels.size();
        byPath.erase(it->strPath);
        entries.erase(it);
    }
};

Cache& TheCache() {
    static Cache* s_pCache = new Cache;  // never destroyed: images may load while the process ends
    return *s_pCache;
}

}  // namespace

bool StampFile(LPCTSTR lpszPath, FileStamp& stamp) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!lpszPath || !*lpszPath || !::GetFileAttributesEx(lpszPath, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    stamp.nSize = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.nWriteTime = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                       data.ftLastWriteTime.dwLowDateTime;
    return true;
}

HBITMAP DecodedDib(LPCTSTR lpszPath, const FileStamp& stamp) {
    if (!lpszPath || !*lpszPath) return NULL;
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    auto found = cache.byPath.find(lpszPath);
    if (found == cache.byPath.end()) return NULL;
    const auto it = found->second;
    if (!(it->stamp == stamp)) {
        cache.Erase(it);  // the file changed since: its decode is stale
        return NULL;
    }
    BYTE* pBits = nullptr;
    HBITMAP hDib = CreateDib32(it->cx, it->cy, &pBits);
    if (!hDib) return NULL;
    std::memcpy(pBits, it->pixels.data(), it->pixels.size());
    cache.entries.splice(cache.entries.begin(), cache.entries, it);
    return hDib;
}

bool HasDecoded(LPCTSTR lpszPath) {
    FileStamp stamp;
    if (!StampFile(lpszPath, stamp)) return false;
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    auto found = cache.byPath.find(lpszPath);
    return found != cache.byPath.end() && found->second->stamp == stamp;
}

void KeepDecoded(LPCTSTR lpszPath, const FileStamp& stamp, int cx, int cy, const BYTE* pBits) {
    if (!lpszPath || !*lpszPath || !pBits || !ImageSizeAcceptable(cx, cy)) return;
    const size_t nBytes = size_t(cx) * size_t(cy) * 4;
    if (nBytes > kBudgetBytes / 4) return;  // one huge picture would push out a whole skin
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    auto found = cache.byPath.find(lpszPath);
    if (found != cache.byPath.end()) cache.Erase(found->second);
    while (!cache.entries.empty() && cache.nBytes + nBytes > kBudgetBytes)
        cache.Erase(std::prev(cache.entries.end()));
    Decoded entry;
    entry.strPath = lpszPath;
    entry.stamp = stamp;
    entry.cx = cx;
    entry.cy = cy;
    entry.pixels.assign(pBits, pBits + nBytes);
    cache.entries.push_front(std::move(entry));
    cache.byPath[lpszPath] = cache.entries.begin();
    cache.nBytes += nBytes;
}

}  // namespace zir
