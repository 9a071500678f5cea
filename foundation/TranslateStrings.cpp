#include "TranslateStrings.h"

#include <QVLanResManager.h>

namespace {

const TCHAR kKeyMark = _T('~');
const int kMaxMenuText = 1024;

CString Translate(const CString& strKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(strKey);
}

void TranslateWindow(HWND hWnd) {
    CString strText;
    const int nLength = ::GetWindowTextLength(hWnd);
    if (nLength > 0) {
        ::GetWindowText(hWnd, strText.GetBuffer(nLength + 1), nLength + 1);
        strText.ReleaseBuffer();
    }
    strText.Trim();
    if (!strText.IsEmpty() && strText[0] == kKeyMark) ::SetWindowText(hWnd, Translate(strText.Mid(1)));

    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        TranslateWindow(hChild);
}

void TranslateMenu(HMENU hMenu) {
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int nPos = 0; nPos < nCount; ++nPos) {
        HMENU hSubMenu = ::GetSubMenu(hMenu, nPos);
        if (hSubMenu) TranslateMenu(hSubMenu);

        TCHAR szText[kMaxMenuText + 1] = {};
        if (::GetMenuString(hMenu, nPos, szText, kMaxMenuText + 1, MF_BYPOSITION) <= 0 ||
            szText[0] != kKeyMark)
            continue;
        const CString strText = Translate(szText + 1);

        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_ID | MIIM_TYPE;
        if (!::GetMenuItemInfo(hMenu, nPos, TRUE, &mii)) continue;

        if (hSubMenu) {
            // ModifyMenu would destroy the submenu it replaces: change the text alone.
            MENUITEMINFO miiText = {};
            miiText.cbSize = sizeof(miiText);
            miiText.fMask = MIIM_STRING;
            miiText.dwTypeData = const_cast<LPTSTR>(static_cast<LPCTSTR>(strText));
            ::SetMenuItemInfo(hMenu, nPos, TRUE, &miiText);
        } else {
            // A string item with the same id, keeping the check, enable and break state it had.
            const UINT nOldState = ::GetMenuState(hMenu, nPos, MF_BYPOSITION);
            const UINT nKeep = nOldState & (MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_MENUBREAK |
                                            MF_MENUBARBREAK | MF_RIGHTJUSTIFY);
            ::ModifyMenu(hMenu, nPos, MF_BYPOSITION | MF_STRING | nKeep, mii.wID, strText);
            if (nOldState & MFS_DEFAULT) ::SetMenuDefaultItem(hMenu, nPos, TRUE);
        }
    }
}

}  // namespace

void TranslateWndStrings(CWnd* pWnd) {
    HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd && ::IsWindow(hWnd)) TranslateWindow(hWnd);
}

void TranslateMenuStrings(CMenu* pMenu) {
    HMENU hMenu = pMenu->GetSafeHmenu();
    if (hMenu && ::IsMenu(hMenu)) TranslateMenu(hMenu);
}
