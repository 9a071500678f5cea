#include "TranslateStrings.h"

#include <map>
#include <vector>

#include <QVLanResManager.h>

namespace {

const TCHAR kKeyMark = _T('~');
const int kMaxMenuText = 1024;

CString Translate(const CString& strKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(strKey);
}

// What a "~KEY" text became: its key and the text it was given. A later translation that still finds
// that text translates the key again, so every language switch renames the window or item; a text set
// by someone else since then belongs to them and is left alone.
struct TranslatedText {
    CString strKey;
    CString strText;
};

// The key a text stands for: the remembered one while the text is still the one it was given, else
// the text's own "~KEY". FALSE for a text that is no key.
BOOL KeyOf(const CString& strText, const TranslatedText* pKnown, CString* pKey) {
    if (pKnown && pKnown->strText == strText) {
        *pKey = pKnown->strKey;
        return TRUE;
    }
    if (strText.IsEmpty() || strText[0] != kKeyMark) return FALSE;
    *pKey = strText.Mid(1);
    return TRUE;
}

// The remembered texts of windows and of menus, by handle. Entries of destroyed windows and menus are
// dropped now and then, when the table has doubled since the last sweep, so that a sweep costs no more
// than the translations that grew the table.
template <typename THandle, typename TEntry>
class CHandleTable {
public:
    using Alive = BOOL(WINAPI*)(THandle);
    explicit CHandleTable(Alive pfnAlive) : m_pfnAlive(pfnAlive) {}

    TEntry* Find(THandle h) {
        auto it = m_map.find(h);
        return it == m_map.end() ? nullptr : &it->second;
    }
    TEntry& Get(THandle h) {
        if (m_map.size() >= m_nSweepAt) Sweep();
        return m_map[h];
    }
    void Erase(THandle h) { m_map.erase(h); }

private:
    void Sweep() {
        for (auto it = m_map.begin(); it != m_map.end();)
            it = m_pfnAlive(it->first) ? std::next(it) : m_map.erase(it);
        m_nSweepAt = 2 * m_map.size() + 64;
    }

    Alive m_pfnAlive;
    std::map<THandle, TEntry> m_map;
    size_t m_nSweepAt = 64;
};

CHandleTable<HWND, TranslatedText>& WindowTexts() {
    static CHandleTable<HWND, TranslatedText> table(&::IsWindow);
    return table;
}

// A menu item is known by its command id, or by its submenu when it opens one, so that items inserted
// or removed in front of it do not hand its key to another item.
struct MenuItemText : TranslatedText {
    UINT_PTR nItem = 0;
};

CHandleTable<HMENU, std::vector<MenuItemText>>& MenuTexts() {
    static CHandleTable<HMENU, std::vector<MenuItemText>> table(&::IsMenu);
    return table;
}

void TranslateWindow(HWND hWnd) {
    CString strText;
    const int nLength = ::GetWindowTextLength(hWnd);
    if (nLength > 0) {
        ::GetWindowText(hWnd, strText.GetBuffer(nLength + 1), nLength + 1);
        strText.ReleaseBuffer();
    }
    strText.Trim();
    CString strKey;
    if (KeyOf(strText, WindowTexts().Find(hWnd), &strKey)) {
        TranslatedText& known = WindowTexts().Get(hWnd);
        known.strKey = strKey;
        known.strText = Translate(strKey);
        ::SetWindowText(hWnd, known.strText);
        // The window may trim or cut the text: remember what it shows.
        const int nShown = ::GetWindowTextLength(hWnd);
        CString strShown;
        if (nShown > 0) {
            ::GetWindowText(hWnd, strShown.GetBuffer(nShown + 1), nShown + 1);
            strShown.ReleaseBuffer();
        }
        known.strText = strShown.Trim();
    } else {
        WindowTexts().Erase(hWnd);
    }

    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        TranslateWindow(hChild);
}

// Sets the text of item nPos to strText, keeping what the item is.
void SetItemText(HMENU hMenu, int nPos, UINT nID, HMENU hSubMenu, const CString& strText) {
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
        ::ModifyMenu(hMenu, nPos, MF_BYPOSITION | MF_STRING | nKeep, nID, strText);
        if (nOldState & MFS_DEFAULT) ::SetMenuDefaultItem(hMenu, nPos, TRUE);
    }
}

void TranslateMenu(HMENU hMenu) {
    const int nCount = ::GetMenuItemCount(hMenu);
    std::vector<MenuItemText> known;
    if (const std::vector<MenuItemText>* pKnown = MenuTexts().Find(hMenu)) known = *pKnown;
    std::vector<MenuItemText> translated;
    for (int nPos = 0; nPos < nCount; ++nPos) {
        HMENU hSubMenu = ::GetSubMenu(hMenu, nPos);
        if (hSubMenu) TranslateMenu(hSubMenu);

        TCHAR szText[kMaxMenuText + 1] = {};
        if (::GetMenuString(hMenu, nPos, szText, kMaxMenuText + 1, MF_BYPOSITION) <= 0) continue;
        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_ID | MIIM_TYPE;
        if (!::GetMenuItemInfo(hMenu, nPos, TRUE, &mii)) continue;

        const CString strText = szText;
        const UINT_PTR nItem = hSubMenu ? reinterpret_cast<UINT_PTR>(hSubMenu) : mii.wID;
        const MenuItemText* pKnown = nullptr;
        for (const MenuItemText& entry : known)
            if (entry.nItem == nItem && entry.strText == strText) pKnown = &entry;
        MenuItemText entry;
        if (!KeyOf(strText, pKnown, &entry.strKey)) continue;
        entry.nItem = nItem;
        entry.strText = Translate(entry.strKey);
        SetItemText(hMenu, nPos, mii.wID, hSubMenu, entry.strText);
        translated.push_back(entry);
    }
    if (translated.empty())
        MenuTexts().Erase(hMenu);
    else
        MenuTexts().Get(hMenu) = std::move(translated);
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
