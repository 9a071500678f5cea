// Skin and language figures: LoadSkin of the default skin against loading its image files with plain
// LoadImage, and GetString against a lookup in a std::map of the same texts.
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Bench.h"

namespace {

CString ExeFolder() {
    TCHAR szExe[MAX_PATH] = {};
    ::GetModuleFileName(NULL, szExe, MAX_PATH);
    CString str(szExe);
    return str.Left(str.ReverseFind(_T('\\')) + 1);
}

// Every .bmp under the skin's Common\Window and Common\Button folders.
std::vector<CString> SkinImages(const CString& strSkin) {
    std::vector<CString> files;
    for (LPCTSTR lpszSub : {_T("Common\\Window\\"), _T("Common\\Button\\")}) {
        WIN32_FIND_DATA data = {};
        HANDLE hFind = ::FindFirstFile(strSkin + lpszSub + _T("*.bmp"), &data);
        if (hFind == INVALID_HANDLE_VALUE) continue;
        do {
            files.push_back(strSkin + lpszSub + data.cFileName);
        } while (::FindNextFile(hFind, &data));
        ::FindClose(hFind);
    }
    return files;
}

void SkinSuites() {
    CString strDefault = ExeFolder() + _T("Skins\\Default\\");
    std::vector<CString> images = SkinImages(strDefault);
    if (images.empty()) {
        std::printf("== skin loading: skipped, no %s\n", static_cast<const char*>(CStringA(strDefault)));
        return;
    }
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    rizbench::Suite load(
        "skin loading", "LoadImage of the default skin's images",
        [&images](int n) {
            for (int i = 0; i < n; ++i) {
                for (const CString& strFile : images) {
                    HANDLE hImage =
                        ::LoadImage(NULL, strFile, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
                    ::DeleteObject(hImage);
                }
            }
        },
        20);
    load.Add("CQVSkinResManager::LoadSkin(Default)", [pSkin, &strDefault](int n) {
        for (int i = 0; i < n; ++i)
            pSkin->LoadSkin(strDefault);
    });
}

void LanguageSuites() {
    CQVLanResManager* pLan = CQVLanResManager::GetSingletonPtr();
    const LPCTSTR keys[] = {_T("IDS_OK"),           _T("IDS_DEF_FONT"),
                            _T("DPCtrl.Wednesday"), _T("IDS_QVC_RECV_FINISH"),
                            _T("IDS_NO_SUCH_KEY"),  _T("IDS_GALLERY_PAGE_BUTTONS")};
    std::map<CString, CString> table;
    for (LPCTSTR lpszKey : keys)
        table[lpszKey] = pLan->GetString(lpszKey);
    rizbench::Suite lookup(
        "language lookup", "std::map<CString, CString>::find, 6 keys",
        [&](int n) {
            for (int i = 0; i < n; ++i) {
                for (LPCTSTR lpszKey : keys) {
                    CString str = table.find(lpszKey)->second;
                    rizbench::DoNotOptimize(static_cast<LPCTSTR>(str));
                }
            }
        },
        100000);
    lookup.Add("CQVLanResManager::GetString, 6 keys", [&](int n) {
        for (int i = 0; i < n; ++i) {
            for (LPCTSTR lpszKey : keys) {
                CString str = pLan->GetString(lpszKey);
                rizbench::DoNotOptimize(static_cast<LPCTSTR>(str));
            }
        }
    });
}

const rizbench::Register registerSkins(&SkinSuites, {"skin loading"});
const rizbench::Register registerLanguages(&LanguageSuites, {"language lookup"});

}  // namespace
