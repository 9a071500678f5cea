// Menus: CMenu, the wrapper of a menu handle, with its handle map and the owner-draw hookup.
#pragma once

#include "afxver_.h"
#include "afxobj_.h"
#include "afxstr.h"
#include "afxhandlemap_.h"

class CBitmap;
class CCmdTarget;
class CWnd;

// This thread's handle map of menus (NULL when not yet made unless bCreate).
AFX_CORE_API CHandleMap* AFXAPI afxMapHMENU(BOOL bCreate = FALSE);

// A menu bar or popup menu. The attached handle is owned: DestroyMenu and the destructor destroy it.
class AFX_CORE_API CMenu : public CObject {
    DECLARE_DYNCREATE(CMenu)
public:
    CMenu() = default;
    ~CMenu() override;

    HMENU m_hMenu = nullptr;

    // Both accept a NULL object pointer and then answer NULL.
    HMENU GetSafeHmenu() const { return this == nullptr ? nullptr : m_hMenu; }
    operator HMENU() const { return GetSafeHmenu(); }

    // The permanent wrapper of hMenu, else a temporary one freed at idle (AfxUnlockTempMaps).
    static CMenu* PASCAL FromHandle(HMENU hMenu);
    // The permanent wrapper of hMenu or NULL; never makes a temporary object.
    static CMenu* PASCAL FromHandlePermanent(HMENU hMenu);
    static void PASCAL DeleteTempMap();

    BOOL Attach(HMENU hMenu);
    HMENU Detach();  // gives the handle up without destroying it

    // Creation and destruction. LoadMenu finds the template along the resource chain.
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(LPCTSTR lpszResourceName);
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenuIndirect(const void* lpMenuTemplate);
    BOOL DestroyMenu();

    // Items. nPosition is a command id or, with MF_BYPOSITION, a zero-based position.
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);  // keeps the submenu of a removed popup item alive
    BOOL InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE);
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE) const;
    BOOL SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE);

    // Item states. CheckMenuItem and EnableMenuItem answer the previous state (0xFFFFFFFF: no item).
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    BOOL SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                            const CBitmap* pBmpChecked);
    UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE) const;
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE);

    // Queries. GetMenuItemID answers 0 for a separator and 0xFFFFFFFF for a popup item or no item.
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    // The popup at nPos as a (possibly temporary) CMenu, or NULL when the item opens none.
    CMenu* GetSubMenu(int nPos) const;
    DWORD GetMenuContextHelpId() const;
    BOOL SetMenuContextHelpId(DWORD dwContextHelpId);
    BOOL GetMenuInfo(LPMENUINFO lpcmi) const;
    BOOL SetMenuInfo(LPCMENUINFO lpcmi);

    // Shows the popup and tracks it until it closes; pWnd receives the commands and the owner-draw
    // messages. With TPM_RETURNCMD the result is the chosen command id (0 for none).
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = 0);
    BOOL TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm);

    // Owner-drawn items (MF_OWNERDRAW) of a menu with a permanent CMenu are drawn and measured here,
    // reached from the owning window's default WM_DRAWITEM / WM_MEASUREITEM handling. The defaults
    // draw nothing and leave the size as the system set it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    BOOL operator==(const CMenu& menu) const { return m_hMenu == menu.m_hMenu; }
    BOOL operator!=(const CMenu& menu) const { return m_hMenu != menu.m_hMenu; }
};

// Owner-drawn menu items: the CMenu whose DrawItem / MeasureItem handles an ODT_MENU message.
// For WM_DRAWITEM it is the permanent CMenu of the menu that holds the item (lpDIS->hwndItem).
// WM_MEASUREITEM does not name the menu, so the item's id is looked up in the menus hWnd owns: the
// popup being tracked for hWnd by CMenu::TrackPopupMenu(Ex), else hWnd's menu bar with its popups;
// the answer is the permanent CMenu of the menu holding the item, else of its nearest ancestor that
// has one. NULL when no attached CMenu covers the item.
AFX_CORE_API CMenu* AFXAPI AfxFindMenuForDrawItem(const DRAWITEMSTRUCT* lpDrawItemStruct);
AFX_CORE_API CMenu* AFXAPI AfxFindMenuForMeasureItem(HWND hWnd, const MEASUREITEMSTRUCT* lpMeasureItemStruct);

// Updates the items of a popup menu that is about to open (WM_INITMENUPOPUP) through pTarget's
// ON_UPDATE_COMMAND_UI handlers: one CCmdUI::DoUpdate per command item. Separators are skipped; an
// item that opens a submenu is updated under the id of the submenu's first item but never disabled
// automatically. With bAutoMenuEnable, command items (below 0xF000) without an update handler and
// without an ON_COMMAND handler are disabled. When pTarget is a window whose menu bar holds pPopup,
// CCmdUI::m_pParentMenu is that menu bar.
AFX_CORE_API void AFXAPI AfxUpdateMenuCommandUI(CCmdTarget* pTarget, CMenu* pPopup, BOOL bAutoMenuEnable);
