// One skin folder read into fresh records. Used by the skin manager and by skincheck.
#pragma once

#include "QVSkinRes.h"

#include <string>
#include <vector>

// Everything a skin gives: the five records and the [Skin] section.
struct CSkinRecords {
    CQVSkinWndRes wnd;
    CQVSkinBtnRes btn;
    CQVSkinIMListRes iml;
    CQVSkinOtherRes oth;
    CQVSkinColorDef clr;
    CString strName;  // [Skin] Name, else the folder's name
    CString strAuthor;
    CString strVersion;
};

// The format is described in docs/skin-format.md.
class ZIR_API CSkinFile {
public:
    // Something wrong with a skin: errors make skincheck fail, warnings do not.
    struct CIssue {
        BOOL bError = FALSE;
        int nLine = 0;  // line of skin.ini, 0 when the issue is not about one line
        CString strText;
    };

    // Description files above this size are refused.
    enum { MAX_FILE_BYTES = 1024 * 1024 };
    // Images whose header announces a larger size are not loaded.
    enum { MAX_IMAGE_SIDE = 16384, MAX_IMAGE_PIXELS = 16 * 1024 * 1024 };

    // Reads <folder>\skin.ini. FALSE when the folder or the file is missing or unreadable, the file is
    // not UTF-8 text or has no [Window] section; GetError() tells why.
    BOOL Read(LPCTSTR lpszFolder);
    CString GetError() const { return m_strError; }
    // The skin folder as a full path ending in a backslash.
    CString GetFolder() const { return m_strFolder; }

    // Fills records that hold their defaults: every key of the file, images loaded from the folder
    // (an image that is missing or does not load stays empty). With pIssues, also lists everything a
    // skin author should fix: malformed lines, values that do not parse, unknown sections and keys,
    // missing or unreadable files, images whose width does not fit their frame count, stale mask caches.
    void Apply(CSkinRecords& records, std::vector<CIssue>* pIssues = NULL) const;

private:
    struct CEntry {
        int nLine = 0;
        int nSection = 0;
        std::wstring key;
        std::wstring value;
    };

    CString m_strFolder;
    CString m_strError;
    std::vector<CEntry> m_entries;
    std::vector<CIssue> m_readIssues;  // found while reading: malformed lines, unknown sections
};
