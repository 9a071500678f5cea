#include "TestData.h"

#include <shellapi.h>

#include <cstring>
#include <string>

namespace riztest {

CString TestDataPath(LPCTSTR lpszRelative) {
    CString strPath(RIZ_TEST_DATA_DIR);
    strPath.Replace(_T('/'), _T('\\'));
    if (strPath.Right(1) != _T("\\")) strPath += _T('\\');
    return strPath + lpszRelative;
}

TempFolder::TempFolder() {
    TCHAR szTemp[MAX_PATH] = {};
    ::GetTempPath(MAX_PATH, szTemp);
    static LONG s_nCounter = 0;
    CString strName;
    strName.Format(_T("riztest-%lu-%ld"), ::GetCurrentProcessId(), ::InterlockedIncrement(&s_nCounter));
    m_strPath = CString(szTemp) + strName + _T("\\");
    ::CreateDirectory(m_strPath.Left(m_strPath.GetLength() - 1), NULL);
}

TempFolder::~TempFolder() {
    // SHFileOperation wants a double-NUL-terminated list.
    CString strFrom = m_strPath.Left(m_strPath.GetLength() - 1);
    std::basic_string<TCHAR> from((LPCTSTR)strFrom);
    from.push_back(0);
    SHFILEOPSTRUCT op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperation(&op);
}

bool TempFolder::WriteFile(LPCTSTR lpszName, const void* pData, size_t nSize) const {
    CString strFile = Path(lpszName);
    // Create the subfolders on the way.
    for (int i = m_strPath.GetLength(); i < strFile.GetLength(); ++i) {
        if (strFile[i] == _T('\\')) ::CreateDirectory(strFile.Left(i), NULL);
    }
    HANDLE hFile = ::CreateFile(strFile, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    DWORD dwWritten = 0;
    BOOL bOk = ::WriteFile(hFile, pData, static_cast<DWORD>(nSize), &dwWritten, NULL);
    ::CloseHandle(hFile);
    return bOk && dwWritten == nSize;
}

bool TempFolder::WriteFile(LPCTSTR lpszName, const char* pszText) const {
    return WriteFile(lpszName, pszText, strlen(pszText));
}

}  // namespace riztest
