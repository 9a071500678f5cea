// Exceptions (thrown as pointers, released with Delete) and binary files over Win32 handles: CFile,
// the line-oriented CStdioFile and the directory search CFileFind.
#pragma once

#include "afxver_.h"
#include "afxobj_.h"
#include "afxstr.h"

#include <exception>

/////////////////////////////////////////////////////////////////////////////
// Exceptions

// Base of every framework exception. Exceptions are thrown as pointers to heap objects and released by
// the handler with Delete(); objects that live elsewhere (a static, the stack) are created with
// bAutoDelete FALSE so that Delete() leaves them alone.
class AFX_CORE_API CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    explicit CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
    ~CException() override = default;

    // Deletes the exception when it was allocated for throwing; use instead of operator delete.
    void Delete();

    // Copies a text describing the error into lpszError (at most nMaxError characters with the
    // terminator); FALSE when there is no text.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    // Shows the error text in a message box; returns the box's result, 0 when it could not be shown.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

protected:
    BOOL m_bAutoDelete = TRUE;
};

class AFX_CORE_API CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;
    explicit CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete) {}

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

// A system resource (a window, a GDI object) could not be made.
class AFX_CORE_API CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() = default;
    explicit CResourceException(BOOL bAutoDelete) : CException(bAutoDelete) {}

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

class AFX_CORE_API CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() = default;
    explicit CNotSupportedException(BOOL bAutoDelete) : CException(bAutoDelete) {}

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

class AFX_CORE_API CInvalidArgException : public CException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException() = default;
    explicit CInvalidArgException(BOOL bAutoDelete) : CException(bAutoDelete) {}

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

// A failed file operation: the portable cause, the operating-system error and the file concerned.
class AFX_CORE_API CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = CFileException::none, LONG lOsError = -1,
                            LPCTSTR lpszArchiveName = NULL);
    ~CFileException() override = default;

    // Back to "no error", as before a call that may fill the object.
    void Clear();

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

    // Portable cause for a Win32 error code (GetLastError) or a C run-time errno value.
    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);
    static void PASCAL ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = NULL);
    static void PASCAL ThrowErrno(int nErrno, LPCTSTR lpszFileName = NULL);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowResourceException();
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowInvalidArgException();
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                                            LPCTSTR lpszFileName = NULL);

// Releases the exception a CATCH block received when the block is left normally; an exception that
// leaves the block (THROW_LAST, or THROW of the same object) stays alive for the next handler.
class CAfxExceptionLink {
public:
    explicit CAfxExceptionLink(CException* pException) : m_pException(pException) {}
    ~CAfxExceptionLink() {
        if (m_pException && std::uncaught_exceptions() <= m_nUncaught) m_pException->Delete();
    }
    CAfxExceptionLink(const CAfxExceptionLink&) = delete;
    CAfxExceptionLink& operator=(const CAfxExceptionLink&) = delete;

private:
    CException* m_pException;
    int m_nUncaught = std::uncaught_exceptions();
};

// Structured handling in the framework's traditional form, on top of C++ exceptions. The exception a
// CATCH block receives is deleted automatically when the block ends (no Delete() call in the block).
#define TRY try {
#define CATCH(class_name, e)                                                                                 \
    }                                                                                                        \
    catch (class_name * e) {                                                                                 \
        CAfxExceptionLink _afxExceptionLink(e);
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL }
#define END_TRY }
#define THROW(e) throw e
#define THROW_LAST() throw

/////////////////////////////////////////////////////////////////////////////
// Files

// A binary file on a Win32 file handle. Read, Write, Seek, SetLength, Flush and Close report failures
// by throwing CFileException*; Open reports them through its optional CFileException.
class AFX_CORE_API CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags {
        modeRead = 0x00000,
        modeWrite = 0x00001,
        modeReadWrite = 0x00002,
        shareCompat = 0x00000,
        shareExclusive = 0x00010,
        shareDenyWrite = 0x00020,
        shareDenyRead = 0x00030,
        shareDenyNone = 0x00040,
        modeNoInherit = 0x00080,
        typeUnicode = 0x00400,  // text-file classes only
        modeCreate = 0x01000,
        modeNoTruncate = 0x02000,
        typeText = 0x04000,    // text-file classes only
        typeBinary = 0x08000,  // text-file classes only
        osNoBuffer = 0x10000,
        osWriteThrough = 0x20000,
        osRandomAccess = 0x40000,
        osSequentialScan = 0x80000,
    };
    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    static const HANDLE hFileNull;

    CFile();
    // Wraps an open handle; the handle is not closed when the object is destroyed.
    explicit CFile(HANDLE hFile);
    // Opens the file; throws CFileException* when it cannot.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    // FALSE (and *pError filled when given) when the file cannot be opened; never throws.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);

    // Bytes read, fewer than nCount near the end, 0 at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    // Moves the file pointer; returns the new position from the start of the file.
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual void LockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void Flush();
    // Closes the file (throws when the system fails to); does nothing when no file is open.
    virtual void Close();
    // Closes the file ignoring every error; safe in exception handlers.
    virtual void Abort();
    // A second object on a duplicate of the handle.
    virtual CFile* Duplicate() const;

    // "name.ext", the full path, and the name without its extension.
    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    virtual CString GetFileTitle() const;
    virtual void SetFilePath(LPCTSTR lpszNewName);

    operator HANDLE() const { return m_hFile; }

    static void PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static void PASCAL Remove(LPCTSTR lpszFileName);

    HANDLE m_hFile;

protected:
    BOOL m_bCloseOnDelete = FALSE;
    CString m_strFileName;  // full path of the open file
};

// A text file read and written line by line. In text mode (the default) lines end with "\r\n" on disk
// and "\n" in memory, and the file holds characters of the ANSI code page; with typeBinary lines end
// with "\n" and the file holds TCHARs as they are.
class AFX_CORE_API CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile() = default;
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;

    // The next line without its end-of-line; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);
    // At most nMax - 1 characters of the next line, keeping its "\n"; NULL at the end of the file.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    virtual void WriteString(LPCTSTR lpsz);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    BOOL IsTextMode() const { return !(m_nOpenFlags & typeBinary); }
    // Next byte of the file through the read-ahead buffer, -1 at the end; UngetByte steps back over the
    // byte GetByte just returned.
    int GetByte();
    void UngetByte() { --m_nBufPos; }
    // Reads the next character in its in-memory form into pch; returns the TCHARs stored, 0 at the end of
    // the file, -1 (reading nothing) when the character needs more than nRoom TCHARs.
    int ReadChar(TCHAR* pch, int nRoom);
    // Moves the handle back to the logical position and forgets the read-ahead.
    void DropReadBuffer();

    UINT m_nOpenFlags = 0;
    BYTE* m_pBuf = nullptr;  // read-ahead: bytes [m_nBufPos, m_nBufLen) are not consumed yet
    UINT m_nBufPos = 0;
    UINT m_nBufLen = 0;
};

// Searches a directory for files matching a pattern: FindFile, then FindNextFile before each entry.
class AFX_CORE_API CFileFind : public CObject {
    DECLARE_DYNAMIC(CFileFind)
public:
    CFileFind() = default;
    ~CFileFind() override;

    // Starts a search ("*.*" in the current directory when pstrName is NULL); FALSE when nothing matches.
    virtual BOOL FindFile(LPCTSTR pstrName = NULL, DWORD dwUnused = 0);
    // Moves to the next entry; FALSE when that entry is the last one (it is still valid to query).
    virtual BOOL FindNextFile();
    void Close();

    ULONGLONG GetLength() const;
    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    virtual CString GetFileTitle() const;
    virtual CString GetRoot() const;
    virtual BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;
    virtual BOOL GetCreationTime(FILETIME* pTimeStamp) const;
    virtual BOOL GetLastAccessTime(FILETIME* pTimeStamp) const;
    virtual BOOL MatchesMask(DWORD dwMask) const;
    // "." and "..", the entries a recursive walk must skip.
    virtual BOOL IsDots() const;

    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsCompressed() const { return MatchesMask(FILE_ATTRIBUTE_COMPRESSED); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsTemporary() const { return MatchesMask(FILE_ATTRIBUTE_TEMPORARY); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }

private:
    HANDLE m_hFind = NULL;
    BOOL m_bHasFound = FALSE;  // m_found holds the current entry
    BOOL m_bHasNext = FALSE;   // m_next holds the entry FindNextFile moves to
    WIN32_FIND_DATA m_found{};
    WIN32_FIND_DATA m_next{};
    CString m_strRoot;  // directory of the pattern, without a trailing separator
};
