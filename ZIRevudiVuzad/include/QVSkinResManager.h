// The process-wide skin: the records every control reads, loaded from a skin folder.
#pragma once

#include "QVSkinRes.h"

#include <vector>

// Called after every successful skin change, with the new skin's folder.
typedef void(CALLBACK* QVSKINCHANGEDPROC)(LPCTSTR lpszSkinPath, LPARAM lParam);

// The first GetSingletonPtr() loads Skins\Default\ from the folder of ZIRevudiVuzad.dll. The records
// are the same objects for the manager's whole life: LoadSkin assigns new contents into them, or, when
// it fails, leaves the current skin untouched.
class ZIR_API CQVSkinResManager {
public:
    static CQVSkinResManager* GetSingletonPtr();

    CQVSkinWndRes* GetWndRes() { return &m_wndRes; }
    CQVSkinBtnRes* GetBtnRes() { return &m_btnRes; }
    CQVSkinIMListRes* GetIMLRes() { return &m_imlRes; }
    CQVSkinOtherRes* GetOthRes() { return &m_othRes; }
    CQVSkinColorDef* GetClrDef() { return &m_clrDef; }

    // Folder of the active skin, ending in a backslash; empty when no skin loaded.
    CString GetCurrentSkinPath() const { return m_strSkinPath; }
    // The display name of the active skin: Name of its [Skin] section, else its folder's name.
    CString GetCurrentSkinName() const { return m_strSkinName; }
    // Number of skin folders under Skins\ and the 0-based position of the active one in their
    // alphabetical order (-1 when the active skin is elsewhere).
    int GetSkinsTotal() const;
    int GetCurrentSkinkID() const;
    // The folder of the n-th skin (same order), or an empty string.
    CString GetSkinFolder(int nIndex) const;
    void SetCallbackFunc(QVSKINCHANGEDPROC pfnCallback, LPARAM lParam = 0);

    // A skin folder (trailing backslash optional). FALSE leaves the current skin loaded and unchanged.
    BOOL LoadSkin(LPCTSTR lpszFolder);

private:
    CQVSkinResManager();
    ~CQVSkinResManager();
    CQVSkinResManager(const CQVSkinResManager&) = delete;
    CQVSkinResManager& operator=(const CQVSkinResManager&) = delete;

    // Full paths of the skin folders under Skins\ (ending in a backslash), alphabetically.
    std::vector<CString> ListSkins() const;

    CQVSkinWndRes m_wndRes;
    CQVSkinBtnRes m_btnRes;
    CQVSkinIMListRes m_imlRes;
    CQVSkinOtherRes m_othRes;
    CQVSkinColorDef m_clrDef;
    CString m_strSkinPath;
    CString m_strSkinName;
    CString m_strSkinsRoot;  // the Skins\ folder beside the DLL, ending in a backslash
    QVSKINCHANGEDPROC m_pfnCallback = NULL;
    LPARAM m_lCallbackParam = 0;
};
