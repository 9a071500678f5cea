// Command-UI updates: CCmdUI applied to menu items and to windows, and the update of a popup menu
// about to open.
#include <afxwin.h>

#include <algorithm>

namespace {

// Read-modify-write of an item's type and state by position.
void SetItemCheck(CMenu* pMenu, UINT nIndex, BOOL bChecked, BOOL bRadio) {
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_STATE;
    if (!pMenu->GetMenuItemInfo(nIndex, &mii, TRUE)) return;
    mii.fType = bRadio ? (mii.fType | MFT_RADIOCHECK) : (mii.fType & ~MFT_RADIOCHECK);
    mii.fState = bChecked ? (mii.fState | MFS_CHECKED) : (mii.fState & ~MFS_CHECKED);
    pMenu->SetMenuItemInfo(nIndex, &mii, TRUE);
}

// The menu bar of the top-level window above pTarget, when pPopup is one of its popups.
CMenu* ParentMenuOf(CCmdTarget* pTarget, CMenu* pPopup) {
    CWnd* pWnd = DYNAMIC_DOWNCAST(CWnd, pTarget);
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (!hWnd) return nullptr;
    hWnd = ::GetAncestor(hWnd, GA_ROOT);  // child windows have no menu bar: look at the top
    HMENU hBar = hWnd ? ::GetMenu(hWnd) : nullptr;
    if (!hBar || !::IsMenu(hBar)) return nullptr;
    const int nCount = ::GetMenuItemCount(hBar);
    for (int i = 0; i < nCount; ++i)
        if (::GetSubMenu(hBar, i) == pPopup->m_hMenu) return CMenu::FromHandle(hBar);
    return nullptr;
}

}  // namespace

void CCmdUI::Enable(BOOL bOn) {
    if (m_pMenu) {
        if (m_pSubMenu) return;  // a popup item is not changed through the handler of its first item
        ASSERT(m_nIndex < m_nIndexMax);
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther) {
        // A focused control hands the focus on before it is disabled, so that its dialog keeps one.
        HWND hWnd = m_pOther->m_hWnd;
        if (!bOn && hWnd && ::GetFocus() == hWnd) {
            HWND hParent = ::GetParent(hWnd);
            HWND hNext = hParent ? ::GetNextDlgTabItem(hParent, hWnd, FALSE) : nullptr;
            if (hNext && hNext != hWnd) ::SetFocus(hNext);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
    if (m_pMenu) {
        if (m_pSubMenu) return;
        ASSERT(m_nIndex < m_nIndexMax);
        SetItemCheck(m_pMenu, m_nIndex, nCheck != 0, FALSE);
    } else if (m_pOther) {
        // Only buttons have a check state.
        if (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON) m_pOther->SendMessage(BM_SETCHECK, nCheck);
    }
}

void CCmdUI::SetRadio(BOOL bOn) {
    if (m_pMenu) {
        if (m_pSubMenu) return;
        ASSERT(m_nIndex < m_nIndexMax);
        // The item shows a bullet rather than a check mark.
        SetItemCheck(m_pMenu, m_nIndex, bOn, TRUE);
    } else {
        SetCheck(bOn ? 1 : 0);
    }
}

void CCmdUI::SetText(LPCTSTR lpszText) {
    if (!lpszText) lpszText = _T("");
    if (m_pMenu) {
        if (m_pSubMenu) return;
        ASSERT(m_nIndex < m_nIndexMax);
        // Only the text changes: id, state, check marks and item data stay. A bitmap or separator item
        // becomes a text item; an owner-drawn item stays owner-drawn and draws the new text.
        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE;
        if (!m_pMenu->GetMenuItemInfo(m_nIndex, &mii, TRUE)) return;
        mii.fMask = MIIM_FTYPE | MIIM_STRING;
        mii.fType &= ~(MFT_BITMAP | MFT_SEPARATOR);
        mii.dwTypeData = const_cast<LPTSTR>(lpszText);
        m_pMenu->SetMenuItemInfo(m_nIndex, &mii, TRUE);
    } else if (m_pOther) {
        // Unchanged text is not set again, so that the window does not flicker at every idle update.
        CString strOld;
        m_pOther->GetWindowText(strOld);
        if (strOld != lpszText) m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF) return TRUE;  // separators and invalid ids
    m_bEnableChanged = FALSE;
    const BOOL bResult = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        // No update handler decided: the item is enabled exactly when some target handles the command.
        AFX_CMDHANDLERINFO info = {};
        const BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }
    return bResult;
}

void AFXAPI AfxUpdateMenuCommandUI(CCmdTarget* pTarget, CMenu* pPopup, BOOL bAutoMenuEnable) {
    if (!pTarget || !pPopup || !::IsMenu(pPopup->m_hMenu)) return;
    CCmdUI state;
    state.m_pMenu = pPopup;
    state.m_nIndexMax = pPopup->GetMenuItemCount();
    state.m_pParentMenu = ParentMenuOf(pTarget, pPopup);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopup->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0) continue;  // separator
        if (state.m_nID == static_cast<UINT>(-1)) {
            // A popup item is updated under the id of its first item, and never disabled for want of a
            // handler: its own items are updated when it opens.
            state.m_pSubMenu = pPopup->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (!state.m_pSubMenu) continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;
            state.DoUpdate(pTarget, FALSE);
        } else {
            // System commands (0xF000 and up) are never disabled automatically.
            state.m_pSubMenu = nullptr;
            state.DoUpdate(pTarget, bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // A handler may have removed items. The item just updated moved up by at most the number removed:
        // continue after it. When it is gone, continue at the first place an item not yet visited can
        // be. Visiting an item twice is harmless; skipping one is not.
        const UINT nCount = pPopup->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            const int nIndex = static_cast<int>(state.m_nIndex);
            const int nRemoved = static_cast<int>(state.m_nIndexMax - nCount);
            int nNext = std::max(nIndex - nRemoved, -1);
            for (int i = std::min(nIndex, static_cast<int>(nCount) - 1); i >= std::max(nIndex - nRemoved, 0);
                 --i) {
                if (pPopup->GetMenuItemID(i) == state.m_nID) {
                    nNext = i;
                    break;
                }
            }
            state.m_nIndex = static_cast<UINT>(nNext);  // -1 wraps; the loop's increment brings it to 0
        }
        state.m_nIndexMax = nCount;
    }
}
