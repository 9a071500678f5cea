// CStdioFile: line-oriented text files with their own read-ahead buffer over the CFile handle.
#include <afx.h>

#include <string>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

const UINT kReadAhead = 4096;

}  // namespace

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) {
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e)) AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile() {
    delete[] m_pBuf;
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    m_nBufPos = m_nBufLen = 0;
    m_nOpenFlags = nOpenFlags;
    return CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary | typeUnicode), pError);
}

int CStdioFile::GetByte() {
    if (m_nBufPos >= m_nBufLen) {
        if (!m_pBuf) m_pBuf = new BYTE[kReadAhead];
        m_nBufPos = m_nBufLen = 0;
        m_nBufLen = CFile::Read(m_pBuf, kReadAhead);
        if (m_nBufLen == 0) return -1;
    }
    return m_pBuf[m_nBufPos++];
}

void CStdioFile::DropReadBuffer() {
    const UINT nUnread = m_nBufLen - m_nBufPos;
    m_nBufPos = m_nBufLen = 0;
    if (nUnread) CFile::Seek(-static_cast<LONGLONG>(nUnread), current);
}

int CStdioFile::ReadChar(TCHAR* pch, int nRoom) {
#ifdef _UNICODE
    if (!IsTextMode()) {
        // Binary files hold UTF-16 units as they are in memory; a dangling odd byte ends the file.
        const int lo = GetByte();
        if (lo < 0) return 0;
        const int hi = GetByte();
        if (hi < 0) return 0;
        pch[0] = static_cast<TCHAR>(lo | (hi << 8));
        return 1;
    }
#endif
    const int c = GetByte();
    if (c < 0) return 0;
    if (c == '\r' && IsTextMode()) {
        const int c2 = GetByte();
        if (c2 == '\n') {
            pch[0] = '\n';
            return 1;
        }
        if (c2 >= 0) UngetByte();
        pch[0] = '\r';
        return 1;
    }
    char bytes[2] = {static_cast<char>(c), 0};
    int nBytes = 1;
    if (::IsDBCSLeadByte(static_cast<BYTE>(c))) {
#ifndef _UNICODE
        if (nRoom < 2) {
            UngetByte();
            return -1;
        }
#endif
        const int c2 = GetByte();
        if (c2 >= 0) bytes[nBytes++] = static_cast<char>(c2);
    }
#ifdef _UNICODE
    WCHAR w[2];
    int n = ::MultiByteToWideChar(CP_ACP, 0, bytes, nBytes, w, 2);
    if (n <= 0) {
        w[0] = static_cast<BYTE>(c);
        n = 1;
    }
    if (n > nRoom) n = nRoom;
    for (int i = 0; i < n; ++i)
        pch[i] = w[i];
    return n;
#else
    for (int i = 0; i < nBytes; ++i)
        pch[i] = bytes[i];
    return nBytes;
#endif
}

BOOL CStdioFile::ReadString(CString& rString) {
    std::basic_string<TCHAR> line;
    BOOL bAny = FALSE;
    TCHAR ch[2];
    for (;;) {
        const int n = ReadChar(ch, 2);
        if (n <= 0) break;
        bAny = TRUE;
        if (n == 1 && ch[0] == '\n') break;
        line.append(ch, n);
    }
    rString = CString(line.c_str(), static_cast<int>(line.size()));
    return bAny;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax) {
    if (!lpsz || nMax == 0) return nullptr;
    UINT n = 0;
    while (n + 1 < nMax) {
        const int k = ReadChar(lpsz + n, static_cast<int>(nMax - 1 - n));
        if (k <= 0) break;
        n += static_cast<UINT>(k);
        if (lpsz[n - 1] == '\n') break;
    }
    lpsz[n] = 0;
    return n ? lpsz : nullptr;
}

void CStdioFile::WriteString(LPCTSTR lpsz) {
    if (!lpsz || !*lpsz) return;
    if (!IsTextMode()) {
        Write(lpsz, static_cast<UINT>(::lstrlen(lpsz) * sizeof(TCHAR)));
        return;
    }
#ifdef _UNICODE
    const int cb = ::WideCharToMultiByte(CP_ACP, 0, lpsz, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(cb > 0 ? cb : 1, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, lpsz, -1, &bytes[0], cb, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);
#else
    const std::string bytes(lpsz);
#endif
    // A '\n' byte never occurs inside a double-byte character, so the translation is safe bytewise.
    std::string out;
    out.reserve(bytes.size() + 16);
    for (char b : bytes) {
        if (b == '\n') out += '\r';
        out += b;
    }
    Write(out.data(), static_cast<UINT>(out.size()));
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
    BYTE* pDest = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nCount && m_nBufPos < m_nBufLen)
        pDest[nDone++] = m_pBuf[m_nBufPos++];
    if (nDone < nCount) nDone += CFile::Read(pDest + nDone, nCount - nDone);
    return nDone;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
    DropReadBuffer();
    CFile::Write(lpBuf, nCount);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
    DropReadBuffer();
    return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const {
    return CFile::GetPosition() - (m_nBufLen - m_nBufPos);
}

void CStdioFile::Flush() {
    if (m_hFile == hFileNull) return;
    DropReadBuffer();
    // Only written data needs flushing; the system refuses to flush a handle opened for reading.
    if (m_nOpenFlags & (modeWrite | modeReadWrite)) CFile::Flush();
}

void CStdioFile::Close() {
    m_nBufPos = m_nBufLen = 0;
    CFile::Close();
}

void CStdioFile::Abort() {
    m_nBufPos = m_nBufLen = 0;
    CFile::Abort();
}
