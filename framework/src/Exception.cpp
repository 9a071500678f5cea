// Framework exceptions: deletion rules, error texts, and the mapping of system errors to file causes.
#include <afx.h>

#include <errno.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {

// Copies a message into the caller's buffer, truncated to fit; FALSE when there is no buffer.
BOOL CopyMessage(LPTSTR lpszError, UINT nMaxError, LPCTSTR lpszText, PUINT pnHelpContext) {
    if (pnHelpContext) *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0) return FALSE;
    ::lstrcpyn(lpszError, lpszText, static_cast<int>(nMaxError));
    return TRUE;
}

}  // namespace

void CException::Delete() {
    if (m_bAutoDelete > 0) delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    if (pnHelpContext) *pnHelpContext = 0;
    if (lpszError && nMaxError) *lpszError = 0;
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID) {
    TCHAR szText[512];
    if (!GetErrorMessage(szText, _countof(szText))) {
        if (nMessageID == 0 || !AfxLoadString(nMessageID, szText, _countof(szText)))
            ::lstrcpyn(szText, _T("No error message is available."), _countof(szText));
    }
    return ::MessageBox(::GetActiveWindow(), szText, NULL, nType);
}

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    return CopyMessage(lpszError, nMaxError, _T("Out of memory."), pnHelpContext);
}

BOOL CResourceException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    return CopyMessage(lpszError, nMaxError, _T("A required resource was unavailable."), pnHelpContext);
}

BOOL CNotSupportedException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    return CopyMessage(lpszError, nMaxError, _T("The operation is not supported."), pnHelpContext);
}

BOOL CInvalidArgException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    return CopyMessage(lpszError, nMaxError, _T("An invalid argument was encountered."), pnHelpContext);
}

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName ? lpszArchiveName : _T("")) {}

void CFileException::Clear() {
    m_cause = none;
    m_lOsError = -1;
    m_strFileName.Empty();
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    static const LPCTSTR s_formats[] = {
        _T("No error occurred while accessing %s."),
        _T("An unexpected error occurred while accessing %s."),
        _T("%s was not found."),
        _T("%s contains an invalid path."),
        _T("%s could not be opened because there are too many open files."),
        _T("Access to %s was denied."),
        _T("An invalid file handle was associated with %s."),
        _T("%s could not be removed because it is the current directory."),
        _T("%s could not be created because the directory is full."),
        _T("Seek failed on %s."),
        _T("A hardware I/O error was reported while accessing %s."),
        _T("A sharing violation occurred while accessing %s."),
        _T("A locking violation occurred while accessing %s."),
        _T("Disk full while accessing %s."),
        _T("An attempt was made to access %s past its end."),
    };
    const int cause = m_cause >= none && m_cause <= endOfFile ? m_cause : genericException;
    LPCTSTR lpszName = m_strFileName.IsEmpty() ? _T("an unnamed file") : static_cast<LPCTSTR>(m_strFileName);
    TCHAR szText[MAX_PATH + 128];
    _sntprintf(szText, _countof(szText) - 1, s_formats[cause], lpszName);
    szText[_countof(szText) - 1] = 0;
    return CopyMessage(lpszError, nMaxError, szText, pnHelpContext);
}

int PASCAL CFileException::OsErrorToException(LONG lOsError) {
    switch (lOsError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
    case ERROR_INVALID_TARGET_HANDLE:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE:
        return badSeek;
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
    case ERROR_SHARING_BUFFER_EXCEEDED:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_LOCK_FAILED:
    case ERROR_DRIVE_LOCKED:
        return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return genericException;
    }
}

int PASCAL CFileException::ErrnoToException(int nErrno) {
    switch (nErrno) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case EPERM:
    case EACCES:
    case EEXIST:
        return accessDenied;
    case EMFILE:
        return tooManyOpenFiles;
    case EBADF:
        return invalidFile;
    case EINVAL:
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case EDEADLOCK:
        return lockViolation;
    case ENOSPC:
        return diskFull;
    default:
        return genericException;
    }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName) {
    if (lOsError != 0) AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName) {
    if (nErrno != 0) AfxThrowFileException(ErrnoToException(nErrno), _doserrno, lpszFileName);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName) {
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AFXAPI AfxThrowMemoryException() {
    // Allocating the exception could itself fail, so the one object is static and never deleted.
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

void AFXAPI AfxThrowResourceException() {
    static CResourceException s_resourceException(FALSE);
    throw &s_resourceException;
}

void AFXAPI AfxThrowNotSupportedException() {
    static CNotSupportedException s_notSupportedException(FALSE);
    throw &s_notSupportedException;
}

void AFXAPI AfxThrowInvalidArgException() {
    static CInvalidArgException s_invalidArgException(FALSE);
    throw &s_invalidArgException;
}
