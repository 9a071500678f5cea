// The process-wide language table: texts of the user interface by key.
#pragma once

#include "ZIRevudiVuzadDef.h"

#include <map>

// The first GetSingletonPtr() loads Languages\en-US.lng from the folder of ZIRevudiVuzad.dll; the en-US
// table stays loaded as the fallback of every other language.
class ZIR_API CQVLanResManager {
public:
    static CQVLanResManager* GetSingletonPtr();

    // The current language's text; a key it lacks gives the en-US text, else the key itself. The
    // empty key gives "".
    CString GetString(LPCTSTR lpszKey) const;
    // 0-based position of the current language file among Languages\*.lng in alphabetical order,
    // -1 when it was loaded from elsewhere.
    int GetCurrentLanIndex() const;
    // Keys of the en-US table that the current language lacks, and so shows in English; 0 for en-US.
    int GetMissingCount() const;
    CString GetCurrentLanFile() const { return m_strFile; }
    // Number of Languages\*.lng files and the full path of the n-th (same order; empty when out of
    // range).
    int GetLanguagesTotal() const;
    CString GetLanguageFile(int nIndex) const;

    // A language file. FALSE leaves the current language loaded and unchanged.
    BOOL LoadLanguage(LPCTSTR lpszFile);

private:
    CQVLanResManager();
    ~CQVLanResManager();
    CQVLanResManager(const CQVLanResManager&) = delete;
    CQVLanResManager& operator=(const CQVLanResManager&) = delete;

    std::map<CString, CString> m_current;
    std::map<CString, CString> m_fallback;  // en-US
    CString m_strFile;
    CString m_strLanguagesRoot;  // the Languages\ folder beside the DLL, ending in a backslash
};
