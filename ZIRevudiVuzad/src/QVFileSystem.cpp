// CQVFileSystem: path splitting and the shell's icon lists.
#include "QVFileSystem.h"

#include <shellapi.h>

BOOL CQVFileSystem::ParsePathFile(LPCTSTR lpszPath, CString& strFolder, CString& strName, CString& strExt) {
    strFolder.Empty();
    strName.Empty();
    strExt.Empty();
    if (!lpszPath || !*lpszPath) return FALSE;
    // Walk by characters, not bytes: a double-byte character may carry a '\' as its second byte.
    LPCTSTR pNameStart = lpszPath;
    for (LPCTSTR p = lpszPath; *p; p = _tcsinc(p)) {
        if (*p == _T('\\') || *p == _T('/') || *p == _T(':')) pNameStart = _tcsinc(p);
    }
    LPCTSTR pDot = nullptr;
    for (LPCTSTR p = pNameStart; *p; p = _tcsinc(p)) {
        if (*p == _T('.') && p != pNameStart) pDot = p;
    }
    strFolder = CString(lpszPath, int(pNameStart - lpszPath));
    if (pDot) {
        strName = CString(pNameStart, int(pDot - pNameStart));
        strExt = pDot + 1;
    } else {
        strName = pNameStart;
    }
    return TRUE;
}

HIMAGELIST CQVFileSystem::GetSystemImageList(BOOL bLargeIcons) {
    SHFILEINFO info = {};
    UINT nFlags =
        SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | (bLargeIcons ? SHGFI_LARGEICON : SHGFI_SMALLICON);
    return reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfo(_T("file.txt"), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info), nFlags));
}

int CQVFileSystem::GetFileIconIndex(LPCTSTR lpszFile, BOOL bLargeIcons) {
    if (!lpszFile || !*lpszFile) return -1;
    SHFILEINFO info = {};
    UINT nFlags =
        SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | (bLargeIcons ? SHGFI_LARGEICON : SHGFI_SMALLICON);
    if (!::SHGetFileInfo(lpszFile, FILE_ATTRIBUTE_NORMAL, &info, sizeof(info), nFlags)) return -1;
    return info.iIcon;
}
