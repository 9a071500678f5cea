// Reading the UTF-8 text files of skins and languages, and the text conversions they need.
#pragma once

#include "ZIRevudiVuzadDef.h"

#include <string>
#include <vector>

namespace zir {

// Why a text file could not be read.
enum TextFileStatus {
    TEXT_OK,
    TEXT_NOT_FOUND,   // no such file, or a folder
    TEXT_UNREADABLE,  // cannot be opened or read
    TEXT_TOO_LARGE,   // larger than the caller's limit
    TEXT_NUL_BYTE,    // holds a NUL byte: not a text file
    TEXT_NOT_UTF8     // a byte sequence that is not UTF-8
};

// A whole UTF-8 file decoded to UTF-16, without its byte-order mark. On a NUL byte or invalid UTF-8,
// *pnBadLine (when given) gets the 1-based line of the first offending byte.
TextFileStatus ReadUtf8File(LPCTSTR lpszFile, DWORD dwMaxBytes, std::wstring& text, int* pnBadLine = NULL);

// Offset of the first byte that does not begin a complete, shortest-form UTF-8 sequence of a scalar
// value (no surrogates, nothing above U+10FFFF), or nSize when all bytes are valid.
size_t FindInvalidUtf8(const unsigned char* p, size_t nSize);

// Text of the build's character set: UTF-16 as is, or the active code page in the ANSI build.
CString ToText(const wchar_t* p, size_t nLength);
inline CString ToText(const std::wstring& s) {
    return ToText(s.data(), s.size());
}
std::wstring ToWide(LPCTSTR lpsz);

// One line of a text file, without its line break and trailing carriage returns.
struct TextLine {
    int nLine = 0;  // 1-based
    std::wstring text;
};
std::vector<TextLine> SplitLines(const std::wstring& text);

// Without leading and trailing blanks (spaces and tabs).
std::wstring TrimBlanks(const std::wstring& s);

// The folder as a full path ending in a backslash; empty for NULL or "".
CString FullFolderPath(LPCTSTR lpszFolder);
BOOL IsFolder(LPCTSTR lpszPath);
BOOL IsFile(LPCTSTR lpszPath);

// The entries of a folder matching a pattern (folders or files), sorted case-insensitively.
std::vector<CString> ListFolder(const CString& strFolder, LPCTSTR lpszPattern, BOOL bFolders);

}  // namespace zir
