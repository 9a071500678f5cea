// Application settings: the registry under the application's key, or its .INI file.
#include <afxwin.h>

#include <stdlib.h>

#include <algorithm>

namespace {

// Replaces a heap string of the application object (they are malloc'ed and freed by the destructor).
void ReplaceString(LPCTSTR& rpsz, LPCTSTR lpszNew) {
    free(const_cast<LPTSTR>(rpsz));
    rpsz = lpszNew ? _tcsdup(lpszNew) : nullptr;
}

HKEY OpenOrCreate(HKEY hParent, LPCTSTR lpszSubKey) {
    HKEY hKey = nullptr;
    DWORD dwDisposition = 0;
    if (::RegCreateKeyEx(hParent, lpszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                         nullptr, &hKey, &dwDisposition) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

}  // namespace

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
    ReplaceString(m_pszRegistryKey, lpszRegistryKey);
    // Settings then live under the application's name rather than in an .INI file.
    ReplaceString(m_pszProfileName, m_pszAppName ? m_pszAppName : AfxGetAppName());
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
    TCHAR szKey[256];
    if (AfxLoadString(nIDRegistryKey, szKey, _countof(szKey)) > 0) SetRegistryKey(szKey);
}

HKEY CWinApp::GetAppRegistryKey() {
    if (!m_pszRegistryKey || !m_pszProfileName) return nullptr;
    HKEY hSoftware = nullptr;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, _T("Software"), 0, KEY_READ | KEY_WRITE, &hSoftware) !=
        ERROR_SUCCESS)
        return nullptr;
    HKEY hApp = nullptr;
    if (HKEY hCompany = OpenOrCreate(hSoftware, m_pszRegistryKey)) {
        hApp = OpenOrCreate(hCompany, m_pszProfileName);
        ::RegCloseKey(hCompany);
    }
    ::RegCloseKey(hSoftware);
    return hApp;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection) {
    HKEY hApp = GetAppRegistryKey();
    if (!hApp) return nullptr;
    HKEY hSection = OpenOrCreate(hApp, lpszSection);
    ::RegCloseKey(hApp);
    return hSection;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
    if (m_pszRegistryKey) {
        HKEY hSection = GetSectionKey(lpszSection);
        if (!hSection) return static_cast<UINT>(nDefault);
        DWORD dwValue = 0, dwType = 0, cb = sizeof(dwValue);
        const LONG lResult =
            ::RegQueryValueEx(hSection, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &cb);
        ::RegCloseKey(hSection);
        return lResult == ERROR_SUCCESS && dwType == REG_DWORD ? static_cast<UINT>(dwValue)
                                                               : static_cast<UINT>(nDefault);
    }
    return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
    if (m_pszRegistryKey) {
        HKEY hSection = GetSectionKey(lpszSection);
        if (!hSection) return FALSE;
        const DWORD dwValue = static_cast<DWORD>(nValue);
        const LONG lResult = ::RegSetValueEx(hSection, lpszEntry, 0, REG_DWORD,
                                             reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
        ::RegCloseKey(hSection);
        return lResult == ERROR_SUCCESS;
    }
    TCHAR szValue[16];
    wsprintf(szValue, _T("%d"), nValue);
    return ::WritePrivateProfileString(lpszSection, lpszEntry, szValue, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) {
    if (m_pszRegistryKey) {
        CString strValue = lpszDefault;
        HKEY hSection = GetSectionKey(lpszSection);
        if (!hSection) return strValue;
        DWORD dwType = 0, cb = 0;
        if (::RegQueryValueEx(hSection, lpszEntry, nullptr, &dwType, nullptr, &cb) == ERROR_SUCCESS &&
            dwType == REG_SZ) {
            const int nChars = static_cast<int>(cb / sizeof(TCHAR));
            LPTSTR p = strValue.GetBuffer(nChars + 1);
            if (::RegQueryValueEx(hSection, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(p), &cb) ==
                ERROR_SUCCESS) {
                p[std::min<int>(nChars, static_cast<int>(cb / sizeof(TCHAR)))] = 0;
                strValue.ReleaseBuffer();
            } else {
                strValue.ReleaseBuffer(0);
                strValue = lpszDefault;
            }
        }
        ::RegCloseKey(hSection);
        return strValue;
    }
    if (!lpszDefault) lpszDefault = _T("");
    // The buffer grows until the value fits: GetPrivateProfileString answers nSize - 1 when it cut.
    for (DWORD nSize = 256;; nSize *= 2) {
        CString strValue;
        LPTSTR p = strValue.GetBuffer(static_cast<int>(nSize));
        const DWORD nLen =
            ::GetPrivateProfileString(lpszSection, lpszEntry, lpszDefault, p, nSize, m_pszProfileName);
        strValue.ReleaseBuffer(static_cast<int>(nLen));
        if (nLen < nSize - 1 || nSize >= 0x100000) return strValue;
    }
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) {
    if (m_pszRegistryKey) {
        if (!lpszEntry) {
            HKEY hApp = GetAppRegistryKey();
            if (!hApp) return FALSE;
            const LONG lResult = ::RegDeleteKey(hApp, lpszSection);
            ::RegCloseKey(hApp);
            return lResult == ERROR_SUCCESS;
        }
        HKEY hSection = GetSectionKey(lpszSection);
        if (!hSection) return FALSE;
        LONG lResult;
        if (!lpszValue) {
            lResult = ::RegDeleteValue(hSection, lpszEntry);
        } else {
            const DWORD cb = static_cast<DWORD>((lstrlen(lpszValue) + 1) * sizeof(TCHAR));
            lResult =
                ::RegSetValueEx(hSection, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue), cb);
        }
        ::RegCloseKey(hSection);
        return lResult == ERROR_SUCCESS;
    }
    return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}
