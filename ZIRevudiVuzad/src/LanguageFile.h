// One language file read into a table of texts by key. Used by the language manager and by skincheck.
#pragma once

#include "ZIRevudiVuzadDef.h"

#include <map>
#include <vector>

// The format is described in docs/language-format.md.
class ZIR_API CLanguageFile {
public:
    // A line that gave no entry, or gave one that hides an earlier entry.
    struct CIssue {
        int nLine = 0;
        BOOL bError = FALSE;  // TRUE: the line is malformed and skipped; FALSE: a duplicate key
        CString strText;
    };

    // Files above this size are refused.
    enum { MAX_FILE_BYTES = 16 * 1024 * 1024 };

    // FALSE when the file is missing, unreadable, too large, holds a NUL byte or is not UTF-8; the table
    // is then empty and GetError() tells why.
    BOOL Read(LPCTSTR lpszFile);

    CString GetError() const { return m_strError; }
    const std::map<CString, CString>& GetTable() const { return m_table; }
    // Hands the table over to the caller; this object's table is empty afterwards.
    void TakeTable(std::map<CString, CString>& table);
    const std::vector<CIssue>& GetIssues() const { return m_issues; }

    // The text of a value: \n, \t and \\ become a line break, a tab and a backslash; any other
    // backslash stays as it is.
    static std::wstring Unescape(const std::wstring& value);

private:
    std::map<CString, CString> m_table;
    std::vector<CIssue> m_issues;
    CString m_strError;
};
