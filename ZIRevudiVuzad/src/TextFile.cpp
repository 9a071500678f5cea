// Reading the UTF-8 text files of skins and languages.
#include "TextFile.h"

#include <algorithm>
#include <cstring>

namespace zir {

size_t FindInvalidUtf8(const unsigned char* p, size_t nSize) {
    size_t i = 0;
    while (i < nSize) {
        unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t nTrail;
        unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the first trail byte
        if (c >= 0xC2 && c <= 0xDF) {
            nTrail = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            nTrail = 2;
            if (c == 0xE0)
                lo = 0xA0;  // shorter forms are overlong
            else if (c == 0xED)
                hi = 0x9F;  // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            nTrail = 3;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F;  // above U+10FFFF
        } else {
            return i;  // a trail byte, an overlong lead or a lead beyond U+10FFFF
        }
        if (nSize - i <= nTrail) return i;
        if (p[i + 1] < lo || p[i + 1] > hi) return i;
        for (size_t k = 2; k <= nTrail; ++k) {
            if (p[i + k] < 0x80 || p[i + k] > 0xBF) return i;
        }
        i += nTrail + 1;
    }
    return nSize;
}

namespace {

int LineOfOffset(const unsigned char* p, size_t nOffset) {
    return 1 + static_cast<int>(std::count(p, p + nOffset, static_cast<unsigned char>('\n')));
}

}  // namespace

TextFileStatus ReadUtf8File(LPCTSTR lpszFile, DWORD dwMaxBytes, std::wstring& text, int* pnBadLine) {
    text.clear();
    if (pnBadLine) *pnBadLine = 0;
    if (lpszFile == NULL || *lpszFile == 0 || !IsFile(lpszFile)) return TEXT_NOT_FOUND;
    HANDLE hFile =
        ::CreateFile(lpszFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE) {
        DWORD dwError = ::GetLastError();
        return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND ? TEXT_NOT_FOUND
                                                                                  : TEXT_UNREADABLE;
    }
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(hFile, &size)) {
        ::CloseHandle(hFile);
        return TEXT_UNREADABLE;
    }
    if (size.QuadPart > static_cast<LONGLONG>(dwMaxBytes)) {
        ::CloseHandle(hFile);
        return TEXT_TOO_LARGE;
    }
    std::vector<unsigned char> bytes(static_cast<size_t>(size.QuadPart));
    DWORD dwRead = 0;
    BOOL bRead =
        bytes.empty() || ::ReadFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &dwRead, NULL);
    ::CloseHandle(hFile);
    if (!bRead || dwRead != bytes.size()) return TEXT_UNREADABLE;

    const unsigned char* p = bytes.data();
    size_t n = bytes.size();
    if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
        p += 3;
        n -= 3;
    }
    if (n == 0) return TEXT_OK;
    if (const void* pNul = std::memchr(p, 0, n)) {
        if (pnBadLine) *pnBadLine = LineOfOffset(p, static_cast<const unsigned char*>(pNul) - p);
        return TEXT_NUL_BYTE;
    }
    size_t nBad = FindInvalidUtf8(p, n);
    if (nBad != n) {
        if (pnBadLine) *pnBadLine = LineOfOffset(p, nBad);
        return TEXT_NOT_UTF8;
    }
    // The system's decoder checks once more; it must agree with the scan above.
    LPCSTR psz = reinterpret_cast<LPCSTR>(p);
    int nWide = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, psz, static_cast<int>(n), NULL, 0);
    if (nWide <= 0) return TEXT_NOT_UTF8;
    text.resize(static_cast<size_t>(nWide));
    if (::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, psz, static_cast<int>(n), &text[0], nWide) !=
        nWide) {
        text.clear();
        return TEXT_NOT_UTF8;
    }
    return TEXT_OK;
}

CString ToText(const wchar_t* p, size_t nLength) {
    if (nLength == 0) return CString();
#ifdef _UNICODE
    return CString(p, static_cast<int>(nLength));
#else
    int nBytes = ::WideCharToMultiByte(CP_ACP, 0, p, static_cast<int>(nLength), NULL, 0, NULL, NULL);
    if (nBytes <= 0) return CString();
    CString str;
    LPSTR pszOut = str.GetBufferSetLength(nBytes);
    ::WideCharToMultiByte(CP_ACP, 0, p, static_cast<int>(nLength), pszOut, nBytes, NULL, NULL);
    str.ReleaseBuffer(nBytes);
    return str;
#endif
}

std::wstring ToWide(LPCTSTR lpsz) {
    if (lpsz == NULL || *lpsz == 0) return std::wstring();
#ifdef _UNICODE
    return std::wstring(lpsz);
#else
    int nWide = ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, NULL, 0);
    if (nWide <= 1) return std::wstring();
    std::wstring s(static_cast<size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, &s[0], nWide);
    s.resize(static_cast<size_t>(nWide - 1));
    return s;
#endif
}

std::vector<TextLine> SplitLines(const std::wstring& text) {
    std::vector<TextLine> lines;
    size_t nStart = 0;
    int nLine = 1;
    while (nStart <= text.size()) {
        size_t nEnd = text.find(L'\n', nStart);
        if (nEnd == std::wstring::npos) nEnd = text.size();
        size_t nStop = nEnd;
        while (nStop > nStart && text[nStop - 1] == L'\r')
            --nStop;
        TextLine line;
        line.nLine = nLine++;
        line.text.assign(text, nStart, nStop - nStart);
        lines.push_back(std::move(line));
        nStart = nEnd + 1;
    }
    return lines;
}

std::wstring TrimBlanks(const std::wstring& s) {
    size_t nFirst = s.find_first_not_of(L" \t");
    if (nFirst == std::wstring::npos) return std::wstring();
    size_t nLast = s.find_last_not_of(L" \t");
    return s.substr(nFirst, nLast - nFirst + 1);
}

CString FullFolderPath(LPCTSTR lpszFolder) {
    if (lpszFolder == NULL || *lpszFolder == 0) return CString();
    TCHAR szFull[MAX_PATH * 2] = {};
    DWORD dwLength = ::GetFullPathName(lpszFolder, MAX_PATH * 2, szFull, NULL);
    CString strFolder = dwLength > 0 && dwLength < MAX_PATH * 2 ? CString(szFull) : CString(lpszFolder);
    strFolder.Replace(_T('/'), _T('\\'));
    if (strFolder.Right(1) != _T("\\")) strFolder += _T('\\');
    return strFolder;
}

BOOL IsFolder(LPCTSTR lpszPath) {
    DWORD dwAttributes = ::GetFileAttributes(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

BOOL IsFile(LPCTSTR lpszPath) {
    DWORD dwAttributes = ::GetFileAttributes(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<CString> ListFolder(const CString& strFolder, LPCTSTR lpszPattern, BOOL bFolders) {
    std::vector<CString> names;
    if (strFolder.IsEmpty()) return names;
    WIN32_FIND_DATA data = {};
    HANDLE hFind = ::FindFirstFile(strFolder + lpszPattern, &data);
    if (hFind == INVALID_HANDLE_VALUE) return names;
    do {
        BOOL bIsFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (bIsFolder != bFolders) continue;
        if (_tcscmp(data.cFileName, _T(".")) == 0 || _tcscmp(data.cFileName, _T("..")) == 0) continue;
        names.push_back(data.cFileName);
    } while (::FindNextFile(hFind, &data));
    ::FindClose(hFind);
    std::sort(names.begin(), names.end(),
              [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
    return names;
}

}  // namespace zir
