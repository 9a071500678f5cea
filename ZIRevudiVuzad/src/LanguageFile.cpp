// Reading language files: UTF-8 lines of KEY=text.
#include "LanguageFile.h"

#include "TextFile.h"

namespace {

CString StatusText(zir::TextFileStatus status, int nLine) {
    CString str;
    switch (status) {
    case zir::TEXT_NOT_FOUND:
        return _T("file not found");
    case zir::TEXT_UNREADABLE:
        return _T("file cannot be read");
    case zir::TEXT_TOO_LARGE:
        return _T("file is too large");
    case zir::TEXT_NUL_BYTE:
        str.Format(_T("line %d: NUL byte, not a text file"), nLine);
        return str;
    case zir::TEXT_NOT_UTF8:
        str.Format(_T("line %d: not UTF-8"), nLine);
        return str;
    default:
        return CString();
    }
}

}  // namespace

std::wstring CLanguageFile::Unescape(const std::wstring& value) {
    std::wstring text;
    text.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        wchar_t ch = value[i];
        if (ch == L'\\' && i + 1 < value.size()) {
            wchar_t next = value[i + 1];
            if (next == L'n' || next == L't' || next == L'\\') {
                text += next == L'n' ? L'\n' : next == L't' ? L'\t' : L'\\';
                ++i;
                continue;
            }
        }
        text += ch;
    }
    return text;
}

BOOL CLanguageFile::Read(LPCTSTR lpszFile) {
    m_table.clear();
    m_issues.clear();
    m_strError.Empty();

    std::wstring text;
    int nBadLine = 0;
    zir::TextFileStatus status = zir::ReadUtf8File(lpszFile, MAX_FILE_BYTES, text, &nBadLine);
    if (status != zir::TEXT_OK) {
        m_strError = StatusText(status, nBadLine);
        return FALSE;
    }

    for (const zir::TextLine& line : zir::SplitLines(text)) {
        std::wstring trimmed = zir::TrimBlanks(line.text);
        if (trimmed.empty() || trimmed[0] == L';' || trimmed[0] == L'#') continue;
        size_t nEqual = line.text.find(L'=');
        CIssue issue;
        issue.nLine = line.nLine;
        if (nEqual == std::wstring::npos) {
            issue.bError = TRUE;
            issue.strText = _T("no '=' in the line");
            m_issues.push_back(issue);
            continue;
        }
        std::wstring key = zir::TrimBlanks(line.text.substr(0, nEqual));
        if (key.empty()) {
            issue.bError = TRUE;
            issue.strText = _T("empty key");
            m_issues.push_back(issue);
            continue;
        }
        CString strKey = zir::ToText(key);
        CString strText = zir::ToText(Unescape(line.text.substr(nEqual + 1)));
        auto it = m_table.find(strKey);
        if (it != m_table.end()) {
            // The last one wins, as when a later line overrides an earlier one.
            issue.strText = _T("key given again: ") + strKey;
            m_issues.push_back(issue);
            it->second = strText;
        } else {
            m_table.emplace(std::move(strKey), std::move(strText));
        }
    }
    return TRUE;
}

void CLanguageFile::TakeTable(std::map<CString, CString>& table) {
    table.clear();
    table.swap(m_table);
}
