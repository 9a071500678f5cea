// CFile over Win32 file handles, and the directory search CFileFind.
#include <afx.h>

#include <string>

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CFileFind, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

// Start of the last component of a path ("name.ext" of "C:\dir\name.ext"). In the ANSI build the scan
// steps over double-byte characters whole, since their second byte may equal '\\'.
LPCTSTR FindNamePart(LPCTSTR lpszPath) {
    LPCTSTR pName = lpszPath;
    for (LPCTSTR p = lpszPath; *p; p = ::CharNext(p))
        if (*p == '\\' || *p == '/' || *p == ':') pName = p + 1;
    return pName;
}

// The name without its extension; a leading dot ("\.profile") is part of the name, not an extension.
CString StripExtension(LPCTSTR lpszName) {
    LPCTSTR pDot = nullptr;
    for (LPCTSTR p = lpszName; *p; p = ::CharNext(p))
        if (*p == '.' && p != lpszName) pDot = p;
    return pDot ? CString(lpszName, static_cast<int>(pDot - lpszName)) : CString(lpszName);
}

// Absolute form of a path, or the path itself when the system cannot expand it.
CString FullPath(LPCTSTR lpszPath) {
    TCHAR szBuf[MAX_PATH];
    DWORD n = ::GetFullPathName(lpszPath, _countof(szBuf), szBuf, nullptr);
    if (n == 0) return CString(lpszPath);
    if (n < _countof(szBuf)) return CString(szBuf, static_cast<int>(n));
    std::basic_string<TCHAR> big(n, 0);
    n = ::GetFullPathName(lpszPath, static_cast<DWORD>(big.size()), &big[0], nullptr);
    return n && n < big.size() ? CString(big.c_str(), static_cast<int>(n)) : CString(lpszPath);
}

[[noreturn]] void ThrowLastError(LPCTSTR lpszFileName) {
    const LONG lError = static_cast<LONG>(::GetLastError());
    AfxThrowFileException(CFileException::OsErrorToException(lError), lError, lpszFileName);
}

}  // namespace

/////////////////////////////////////////////////////////////////////////////
// CFile

CFile::CFile() : m_hFile(hFileNull) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull) {
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e)) AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile() {
    if (m_hFile != hFileNull && m_bCloseOnDelete) CFile::Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    ASSERT(m_hFile == hFileNull);
    if (pError) pError->Clear();
    m_bCloseOnDelete = FALSE;
    m_hFile = hFileNull;
    m_strFileName.Empty();

    DWORD dwAccess = 0;
    switch (nOpenFlags & 3) {
    case modeRead:
        dwAccess = GENERIC_READ;
        break;
    case modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    case modeReadWrite:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    default:
        if (pError) {
            pError->m_cause = CFileException::genericException;
            pError->m_lOsError = ERROR_INVALID_PARAMETER;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }

    // shareCompat has no 32-bit meaning and is exclusive, like shareExclusive.
    DWORD dwShare = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite:
        dwShare = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        dwShare = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        break;
    }

    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};

    DWORD dwCreation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate) dwCreation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    DWORD dwFlags = FILE_ATTRIBUTE_NORMAL;
    if (nOpenFlags & osNoBuffer) dwFlags |= FILE_FLAG_NO_BUFFERING;
    if (nOpenFlags & osWriteThrough) dwFlags |= FILE_FLAG_WRITE_THROUGH;
    if (nOpenFlags & osRandomAccess) dwFlags |= FILE_FLAG_RANDOM_ACCESS;
    if (nOpenFlags & osSequentialScan) dwFlags |= FILE_FLAG_SEQUENTIAL_SCAN;

    HANDLE hFile = ::CreateFile(lpszFileName, dwAccess, dwShare, &sa, dwCreation, dwFlags, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        if (pError) {
            pError->m_lOsError = static_cast<LONG>(::GetLastError());
            pError->m_cause = CFileException::OsErrorToException(pError->m_lOsError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = FullPath(lpszFileName);
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    if (nCount == 0) return 0;
    DWORD dwRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &dwRead, nullptr)) ThrowLastError(m_strFileName);
    return dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0) return;
    DWORD dwWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &dwWritten, nullptr)) ThrowLastError(m_strFileName);
    if (dwWritten != nCount) AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
    static const DWORD s_method[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    if (nFrom > end) AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER, m_strFileName);
    LARGE_INTEGER li, liNew;
    li.QuadPart = lOff;
    if (!::SetFilePointerEx(m_hFile, li, &liNew, s_method[nFrom])) ThrowLastError(m_strFileName);
    return static_cast<ULONGLONG>(liNew.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
    LARGE_INTEGER li, liNew;
    li.QuadPart = 0;
    if (!::SetFilePointerEx(m_hFile, li, &liNew, FILE_CURRENT)) ThrowLastError(m_strFileName);
    return static_cast<ULONGLONG>(liNew.QuadPart);
}

ULONGLONG CFile::GetLength() const {
    LARGE_INTEGER li;
    if (!::GetFileSizeEx(m_hFile, &li)) ThrowLastError(m_strFileName);
    return static_cast<ULONGLONG>(li.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
    Seek(static_cast<LONGLONG>(dwNewLen), begin);
    if (!::SetEndOfFile(m_hFile)) ThrowLastError(m_strFileName);
}

void CFile::LockRange(ULONGLONG dwPos, ULONGLONG dwCount) {
    if (!::LockFile(m_hFile, static_cast<DWORD>(dwPos), static_cast<DWORD>(dwPos >> 32),
                    static_cast<DWORD>(dwCount), static_cast<DWORD>(dwCount >> 32)))
        ThrowLastError(m_strFileName);
}

void CFile::UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount) {
    if (!::UnlockFile(m_hFile, static_cast<DWORD>(dwPos), static_cast<DWORD>(dwPos >> 32),
                      static_cast<DWORD>(dwCount), static_cast<DWORD>(dwCount >> 32)))
        ThrowLastError(m_strFileName);
}

void CFile::Flush() {
    if (m_hFile == hFileNull) return;
    if (!::FlushFileBuffers(m_hFile)) ThrowLastError(m_strFileName);
}

void CFile::Close() {
    BOOL bFailed = FALSE;
    LONG lError = 0;
    if (m_hFile != hFileNull) {
        bFailed = !::CloseHandle(m_hFile);
        if (bFailed) lError = static_cast<LONG>(::GetLastError());
    }
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    const CString strName = m_strFileName;
    m_strFileName.Empty();
    if (bFailed) CFileException::ThrowOsError(lError, strName);
}

void CFile::Abort() {
    if (m_hFile != hFileNull) ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CFile::Duplicate() const {
    if (m_hFile == hFileNull) return nullptr;
    HANDLE hDup = nullptr;
    if (!::DuplicateHandle(::GetCurrentProcess(), m_hFile, ::GetCurrentProcess(), &hDup, 0, FALSE,
                           DUPLICATE_SAME_ACCESS))
        ThrowLastError(m_strFileName);
    CFile* pFile = new CFile(hDup);
    pFile->m_bCloseOnDelete = TRUE;
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

CString CFile::GetFileName() const {
    return CString(FindNamePart(m_strFileName));
}

CString CFile::GetFilePath() const {
    return m_strFileName;
}

CString CFile::GetFileTitle() const {
    return StripExtension(FindNamePart(m_strFileName));
}

void CFile::SetFilePath(LPCTSTR lpszNewName) {
    m_strFileName = lpszNewName;
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName) {
    if (!::MoveFile(lpszOldName, lpszNewName)) ThrowLastError(lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName) {
    if (!::DeleteFile(lpszFileName)) ThrowLastError(lpszFileName);
}

/////////////////////////////////////////////////////////////////////////////
// CFileFind

CFileFind::~CFileFind() {
    Close();
}

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD /*dwUnused*/) {
    Close();
    if (!pstrName) pstrName = _T("*.*");
    HANDLE hFind = ::FindFirstFile(pstrName, &m_next);
    if (hFind == INVALID_HANDLE_VALUE) return FALSE;
    m_hFind = hFind;
    m_bHasNext = TRUE;

    const CString strFull = FullPath(pstrName);
    LPCTSTR pFull = strFull;
    LPCTSTR pName = FindNamePart(pFull);
    int nRoot = static_cast<int>(pName - pFull);
    // "C:\dir\*.txt" has the root "C:\dir"; "C:\*.txt" keeps its separator: "C:\".
    if (nRoot > 0 && (pFull[nRoot - 1] == '\\' || pFull[nRoot - 1] == '/') &&
        !(nRoot >= 2 && pFull[nRoot - 2] == ':'))
        --nRoot;
    m_strRoot = CString(pFull, nRoot);
    return TRUE;
}

BOOL CFileFind::FindNextFile() {
    if (!m_hFind || !m_bHasNext) return FALSE;
    m_found = m_next;
    m_bHasFound = TRUE;
    m_bHasNext = ::FindNextFile(m_hFind, &m_next);
    return m_bHasNext;
}

void CFileFind::Close() {
    if (m_hFind) ::FindClose(m_hFind);
    m_hFind = NULL;
    m_bHasFound = FALSE;
    m_bHasNext = FALSE;
    m_strRoot.Empty();
}

ULONGLONG CFileFind::GetLength() const {
    if (!m_bHasFound) return 0;
    return (static_cast<ULONGLONG>(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow;
}

CString CFileFind::GetFileName() const {
    return m_bHasFound ? CString(m_found.cFileName) : CString();
}

CString CFileFind::GetFilePath() const {
    if (!m_bHasFound) return CString();
    CString strPath = m_strRoot;
    const int nLen = strPath.GetLength();
    if (nLen > 0 && static_cast<LPCTSTR>(strPath)[nLen - 1] != '\\') strPath += _T("\\");
    strPath += m_found.cFileName;
    return strPath;
}

CString CFileFind::GetFileTitle() const {
    return m_bHasFound ? StripExtension(m_found.cFileName) : CString();
}

CString CFileFind::GetRoot() const {
    return m_bHasFound ? m_strRoot : CString();
}

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const {
    if (!m_bHasFound || !pTimeStamp) return FALSE;
    *pTimeStamp = m_found.ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::GetCreationTime(FILETIME* pTimeStamp) const {
    if (!m_bHasFound || !pTimeStamp) return FALSE;
    *pTimeStamp = m_found.ftCreationTime;
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(FILETIME* pTimeStamp) const {
    if (!m_bHasFound || !pTimeStamp) return FALSE;
    *pTimeStamp = m_found.ftLastAccessTime;
    return TRUE;
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const {
    return m_bHasFound && (m_found.dwFileAttributes & dwMask) != 0;
}

BOOL CFileFind::IsDots() const {
    if (!IsDirectory()) return FALSE;
    LPCTSTR p = m_found.cFileName;
    return p[0] == '.' && (p[1] == 0 || (p[1] == '.' && p[2] == 0));
}
