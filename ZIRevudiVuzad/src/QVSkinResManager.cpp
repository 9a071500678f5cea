// The process-wide skin.
#include "QVSkinResManager.h"

#include "SkinFile.h"
#include "TextFile.h"
#include "ZirModule.h"

CQVSkinResManager* CQVSkinResManager::GetSingletonPtr() {
    static CQVSkinResManager s_manager;
    return &s_manager;
}

CQVSkinResManager::CQVSkinResManager() {
    m_strSkinsRoot = ZirModuleFolder() + _T("Skins\\");
    // Without a default skin the records keep their initial values and every image stays empty.
    LoadSkin(m_strSkinsRoot + _T("Default"));
}

CQVSkinResManager::~CQVSkinResManager() = default;

std::vector<CString> CQVSkinResManager::ListSkins() const {
    std::vector<CString> skins;
    for (const CString& strName : zir::ListFolder(m_strSkinsRoot, _T("*"), TRUE)) {
        if (zir::IsFile(m_strSkinsRoot + strName + _T("\\skin.ini")))
            skins.push_back(m_strSkinsRoot + strName + _T("\\"));
    }
    return skins;
}

int CQVSkinResManager::GetSkinsTotal() const {
    return static_cast<int>(ListSkins().size());
}

int CQVSkinResManager::GetCurrentSkinkID() const {
    if (m_strSkinPath.IsEmpty()) return -1;
    std::vector<CString> skins = ListSkins();
    for (size_t i = 0; i < skins.size(); ++i) {
        if (skins[i].CompareNoCase(m_strSkinPath) == 0) return static_cast<int>(i);
    }
    return -1;
}

CString CQVSkinResManager::GetSkinFolder(int nIndex) const {
    std::vector<CString> skins = ListSkins();
    if (nIndex < 0 || nIndex >= static_cast<int>(skins.size())) return CString();
    return skins[static_cast<size_t>(nIndex)];
}

void CQVSkinResManager::SetCallbackFunc(QVSKINCHANGEDPROC pfnCallback, LPARAM lParam) {
    m_pfnCallback = pfnCallback;
    m_lCallbackParam = lParam;
}

BOOL CQVSkinResManager::LoadSkin(LPCTSTR lpszFolder) {
    // Everything is read into fresh records first; only a skin that loaded is assigned into the kept
    // records, so that a failure leaves the current skin whole.
    CSkinFile file;
    if (!file.Read(lpszFolder)) return FALSE;
    CSkinRecords records;
    file.Apply(records);

    m_wndRes = records.wnd;
    m_btnRes = records.btn;
    m_imlRes = records.iml;
    m_othRes = records.oth;
    m_clrDef = records.clr;
    m_strSkinName = records.strName;
    m_strSkinPath = file.GetFolder();
    if (m_pfnCallback) m_pfnCallback(m_strSkinPath, m_lCallbackParam);
    return TRUE;
}
