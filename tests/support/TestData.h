// Files the tests read: the tests' data folder of the source tree, seen from Wine.
#pragma once

#include <afx.h>

#include <functional>
#include <vector>

namespace riztest {

// Full Windows path of a file or folder under tests/data ("skins\\bad-empty"); the folder itself for "".
CString TestDataPath(LPCTSTR lpszRelative);

// A fresh empty folder under the system's temporary folder, removed with its contents at destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in a backslash; with a name, the path of that entry inside it.
    CString Path(LPCTSTR lpszName = _T("")) const { return m_strPath + lpszName; }

    // Writes bytes (text as given, no conversion) to a file in the folder, creating subfolders.
    bool WriteFile(LPCTSTR lpszName, const void* pData, size_t nSize) const;
    bool WriteFile(LPCTSTR lpszName, const char* pszText) const;

private:
    CString m_strPath;
};

// The bytes of a 24-bit bottom-up BMP file of cx x cy whose pixels come from a function; y = 0 is the
// top row.
std::vector<BYTE> Bmp24(int cx, int cy, const std::function<COLORREF(int x, int y)>& pixel);

}  // namespace riztest
