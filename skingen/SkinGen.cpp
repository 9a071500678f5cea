// skingen: draws the shipped skins.
//   skingen OUT   writes OUT\Default\ and OUT\Jade\ (skin.ini and every image), replacing what is there
//               and the gallery's icons and animations into OUT\..\GalleryIcons (GalleryIcons.h,
//               GalleryGifs.h)
//   skingen --tick FILE   writes the word list's tick (a resource of the library) as FILE
//   skingen --bullet FILE   writes the sentence explorer's bullet (a resource of the library) as FILE
// The images come out the same on every run: nothing depends on time, chance or the machine's fonts.
#include "GalleryGifs.h"
#include "GalleryIcons.h"
#include "SkinDraw.h"

#include <stdio.h>
#include <string.h>

#include <string>

namespace {

std::wstring Widen(const char* psz) {
    const int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    std::wstring str(n > 0 ? n - 1 : 0, L'\0');
    if (n > 1) ::MultiByteToWideChar(CP_ACP, 0, psz, -1, &str[0], n);
    return str;
}

std::wstring WithBackslash(std::wstring str) {
    for (wchar_t& ch : str)
        if (ch == L'/') ch = L'\\';
    if (!str.empty() && str.back() != L'\\') str += L'\\';
    return str;
}

// Makes the folder and the missing folders above it.
bool MakeFolders(const std::wstring& strFolder) {
    for (size_t i = 0; i < strFolder.size(); ++i) {
        if (strFolder[i] != L'\\' || i == 0 || strFolder[i - 1] == L':') continue;
        const std::wstring strPart = strFolder.substr(0, i);
        if (!::CreateDirectoryW(strPart.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}

// Region caches are made at run time from the masks; old ones would no longer match new masks.
void DeleteRegionCaches(const std::wstring& strFolder) {
    WIN32_FIND_DATAW find;
    HANDLE hFind = ::FindFirstFileW((strFolder + L"*.rgn").c_str(), &find);
    if (hFind == INVALID_HANDLE_VALUE) return;
    do {
        ::DeleteFileW((strFolder + find.cFileName).c_str());
    } while (::FindNextFileW(hFind, &find));
    ::FindClose(hFind);
}

bool WriteSkin(const SkinParams& p, const std::wstring& strOut) {
    const std::wstring strSkin = strOut + p.pszFolder + L"\\";
    static const wchar_t* const kFolders[] = {L"Common\\Window\\", L"Common\\Button\\", L"Common\\others\\",
                                              L"Common\\IMList\\"};
    for (const wchar_t* pszFolder : kFolders) {
        if (!MakeFolders(strSkin + pszFolder)) {
            fwprintf(stderr, L"skingen: cannot make %ls%ls\n", strSkin.c_str(), pszFolder);
            return false;
        }
    }
    DeleteRegionCaches(strSkin + L"Common\\Window\\");
    DeleteRegionCaches(strSkin + L"Common\\Button\\");
    bool ok = WriteWindowImages(p, strSkin);
    ok = WriteButtonImages(p, strSkin) && ok;
    ok = WriteMessageBoxIcons(p, strSkin) && ok;
    ok = WriteIMListImages(p, strSkin) && ok;
    ok = WriteScrollBarImage(p, strSkin) && ok;
    ok = WriteToolBarPlusImages(p, strSkin) && ok;
    ok = WriteToolBarImages(p, strSkin) && ok;
    ok = WriteDatePickerImages(p, strSkin) && ok;
    ok = WriteTransferImages(p, strSkin) && ok;
    ok = WriteSkinIni(p, strSkin) && ok;
    fwprintf(ok ? stdout : stderr,
             ok ? L"skingen: %ls written\n" : L"skingen: %ls: a file could not be written\n",
             strSkin.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const bool bTick = argc == 3 && strcmp(argv[1], "--tick") == 0;
    const bool bBullet = argc == 3 && strcmp(argv[1], "--bullet") == 0;
    if (argc != 2 && !bTick && !bBullet) {
        fprintf(stderr, "usage: skingen OUT-FOLDER | skingen --tick FILE | skingen --bullet FILE\n");
        return 2;
    }
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
        fprintf(stderr, "skingen: GDI+ did not start\n");
        return 1;
    }
    if (bTick || bBullet) {
        std::wstring strFile = Widen(argv[2]);
        for (wchar_t& ch : strFile)
            if (ch == L'/') ch = L'\\';
        const bool ok = bTick ? WriteWordTick(strFile) : WriteSentenceBullet(strFile);
        if (!ok) fprintf(stderr, "skingen: %s could not be written\n", argv[2]);
        Gdiplus::GdiplusShutdown(token);
        return ok ? 0 : 1;
    }
    const std::wstring strOut = WithBackslash(Widen(argv[1]));
    bool ok = true;
    for (const SkinParams& p : ShippedSkins())
        ok = WriteSkin(p, strOut) && ok;
    // The gallery's own icons go next to the skins' folder: OUT\..\GalleryIcons.
    const size_t nParent = strOut.find_last_of(L'\\', strOut.size() - 2);
    if (nParent != std::wstring::npos)
        ok = WriteGalleryIcons(strOut.substr(0, nParent + 1) + L"GalleryIcons\\") &&
             WriteGalleryGifs(strOut.substr(0, nParent + 1) + L"GalleryIcons\\") && ok;
    Gdiplus::GdiplusShutdown(token);
    return ok ? 0 : 1;
}
