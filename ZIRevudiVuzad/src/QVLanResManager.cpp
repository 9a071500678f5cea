// The process-wide language table.
#include "QVLanResManager.h"

#include "LanguageFile.h"
#include "TextFile.h"
#include "ZirModule.h"

CQVLanResManager* CQVLanResManager::GetSingletonPtr() {
    static CQVLanResManager s_manager;
    return &s_manager;
}

CQVLanResManager::CQVLanResManager() {
    m_strLanguagesRoot = ZirModuleFolder() + _T("Languages\\");
    // en-US is both the first language and the fallback of every later one.
    CLanguageFile file;
    CString strFile = m_strLanguagesRoot + _T("en-US.lng");
    if (file.Read(strFile)) {
        m_fallback = file.GetTable();
        file.TakeTable(m_current);
        m_strFile = strFile;
    }
}

CQVLanResManager::~CQVLanResManager() = default;

CString CQVLanResManager::GetString(LPCTSTR lpszKey) const {
    if (lpszKey == NULL || *lpszKey == 0) return CString();
    CString strKey(lpszKey);
    auto it = m_current.find(strKey);
    if (it != m_current.end()) return it->second;
    it = m_fallback.find(strKey);
    if (it != m_fallback.end()) return it->second;
    return strKey;
}

int CQVLanResManager::GetLanguagesTotal() const {
    return static_cast<int>(zir::ListFolder(m_strLanguagesRoot, _T("*.lng"), FALSE).size());
}

CString CQVLanResManager::GetLanguageFile(int nIndex) const {
    std::vector<CString> names = zir::ListFolder(m_strLanguagesRoot, _T("*.lng"), FALSE);
    if (nIndex < 0 || nIndex >= static_cast<int>(names.size())) return CString();
    return m_strLanguagesRoot + names[static_cast<size_t>(nIndex)];
}

int CQVLanResManager::GetCurrentLanIndex() const {
    if (m_strFile.IsEmpty()) return -1;
    std::vector<CString> names = zir::ListFolder(m_strLanguagesRoot, _T("*.lng"), FALSE);
    for (size_t i = 0; i < names.size(); ++i) {
        if ((m_strLanguagesRoot + names[i]).CompareNoCase(m_strFile) == 0) return static_cast<int>(i);
    }
    return -1;
}

int CQVLanResManager::GetMissingCount() const {
    int nMissing = 0;
    for (const auto& entry : m_fallback)
        if (m_current.find(entry.first) == m_current.end()) ++nMissing;
    return nMissing;
}

BOOL CQVLanResManager::LoadLanguage(LPCTSTR lpszFile) {
    if (lpszFile == NULL || *lpszFile == 0) return FALSE;
    // Read into a table of its own: a file that fails leaves the current language as it was.
    CLanguageFile file;
    if (!file.Read(lpszFile)) return FALSE;
    file.TakeTable(m_current);
    TCHAR szFull[MAX_PATH * 2] = {};
    DWORD dwLength = ::GetFullPathName(lpszFile, MAX_PATH * 2, szFull, NULL);
    m_strFile = dwLength > 0 && dwLength < MAX_PATH * 2 ? CString(szFull) : CString(lpszFile);
    return TRUE;
}
