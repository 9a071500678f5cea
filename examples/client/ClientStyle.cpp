#include "ClientStyle.h"

#include <RIZuruzezu.h>
#include <QVLanResManager.h>
#include <QVSkinResManager.h>

namespace {

// Every window of the client is redrawn after a skin or a language change, frames included.
constexpr UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;

CString CommandString(UINT nID) {
    CString str;
    if (!str.LoadString(nID)) return CString();
    if (str.Left(1) == _T("~")) str = ClientText(str.Mid(1));
    return str;
}

// The last part of a path, without a trailing backslash and without the extension.
CString NameOf(CString strPath, BOOL bDropExtension) {
    strPath.TrimRight(_T('\\'));
    strPath = strPath.Mid(strPath.ReverseFind(_T('\\')) + 1);
    const int nDot = strPath.ReverseFind(_T('.'));
    return bDropExtension && nDot > 0 ? strPath.Left(nDot) : strPath;
}

}  // namespace

CString ClientText(LPCTSTR lpszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(lpszKey);
}

CString CommandPrompt(UINT nID) {
    const CString str = CommandString(nID);
    const int nBreak = str.Find(_T('\n'));
    return nBreak < 0 ? str : str.Left(nBreak);
}

CString CommandName(UINT nID) {
    const CString str = CommandString(nID);
    const int nBreak = str.Find(_T('\n'));
    return nBreak < 0 ? str : str.Mid(nBreak + 1);
}

CString CurrentSkinName() {
    return NameOf(CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath(), FALSE);
}

CString CurrentLanguageName() {
    return NameOf(CQVLanResManager::GetSingletonPtr()->GetCurrentLanFile(), TRUE);
}

CString SkinFolderNamed(LPCTSTR lpszName) {
    CQVSkinResManager* pSkins = CQVSkinResManager::GetSingletonPtr();
    for (int i = 0; i < pSkins->GetSkinsTotal(); ++i) {
        const CString strFolder = pSkins->GetSkinFolder(i);
        if (NameOf(strFolder, FALSE).CompareNoCase(lpszName) == 0) return strFolder;
    }
    return CString();
}

BOOL ApplySkin(LPCTSTR lpszName) {
    const CString strFolder = SkinFolderNamed(lpszName);
    if (strFolder.IsEmpty() || !CQVSkinResManager::GetSingletonPtr()->LoadSkin(strFolder)) return FALSE;
    QVNotifyThreadWindows(WM_QV_SKINCHANGED, kRedrawAll);
    return TRUE;
}

BOOL ApplyLanguage(LPCTSTR lpszName) {
    CQVLanResManager* pLanguages = CQVLanResManager::GetSingletonPtr();
    for (int i = 0; i < pLanguages->GetLanguagesTotal(); ++i) {
        const CString strFile = pLanguages->GetLanguageFile(i);
        if (NameOf(strFile, TRUE).CompareNoCase(lpszName) != 0) continue;
        if (!pLanguages->LoadLanguage(strFile)) return FALSE;
        QVNotifyThreadWindows(WM_QV_LANCHANGED, kRedrawAll);
        return TRUE;
    }
    return FALSE;
}
