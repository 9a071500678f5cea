// Files the tests read: the tests' data folder of the source tree, seen from Wine.
#pragma once

#include <afx.h>

#include "TestImage.h"

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
    bool WriteFile(LPCTSTR lpszName, const std::vector<BYTE>& data) const {
        return WriteFile(lpszName, data.data(), data.size());
    }

private:
    CString m_strPath;
};

}  // namespace riztest
