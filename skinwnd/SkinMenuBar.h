// The menu bar drawn in the non-client area of a skinned window, under the caption: its items, their
// layout and painting, and the drop-down loop that lets the mouse and the arrow keys move from one bar
// item to the next while a popup is open.
#pragma once

#include "RIZuruzezuDef.h"

#include <QVCritSection.h>

#include <vector>

// One item of the bar: a top-level entry of the window's menu.
struct tagQVMenuItemData {
    CString strText;
    CRect rcItem;  // the item, in window coordinates
    CRect rcHit;   // the item less 4 pixels at right and bottom (the room of the shadow)
    HMENU hSubMenu = nullptr;
    int nReserved = 0;
    int nPopupTop = 0;    // screen y at which the item's popup was opened
    BYTE nAccessKey = 0;  // the dock menu bar's Alt + key byte (0: none); the skinned bar reads its text
};

enum QVMenuItemState {
    QVMIS_NORMAL = 0,
    QVMIS_HOT = 1,
    QVMIS_PRESSED = 2,  // its popup is open
};

// Darkens the pixels of a pressed bar item's shadow inside its item rectangle r: the bottom and right
// 4-pixel bands (factors 140, 170, 212, 240 from the inside out) and the three outer corners (by distance
// from the inner corner). Each channel becomes value x factor / 255. Shared by the menu bars.
RIZ_API void QVDrawMenuItemShadow(CDC* pDC, const CRect& r);

// Left or Right pressed in a bar's open drop-down (nOpenItem of nCount items): the neighbour on the bar
// to open instead (wrapping), or -1 when the menu uses the key itself: Left in an open submenu, Right on
// an item that opens one, any other key, or a bar of fewer than two items. Reads the thread's open menus.
RIZ_API int QVMenuBarArrowTarget(UINT nKey, int nOpenItem, int nCount);

// The bar of one window. The skinned window (CSkinWnd) derives from it: the window's non-client
// handlers select items on mouse moves and call PopupMenu on a click. One bar popup is open at a time
// in the process; the static fields describe it.
class RIZ_API CSkinMenuBar {
public:
    CSkinMenuBar();
    virtual ~CSkinMenuBar();

    // Makes one item per position of hMenu (its text, read up to 1024 characters, and its submenu),
    // replacing the items of an earlier load, and remembers pWnd as the window of the bar. A NULL or
    // destroyed menu gives an empty bar.
    void LoadMenu(CWnd* pWnd, HMENU hMenu);
    // Lays the items out in rcBar (window coordinates) once, until the bar is loaded again or laid out
    // in another rectangle (a skin with another frame moves the bar).
    void CalcMenuItemRect(CDC* pDC, const CRect& rcBar);
    // Fills the bar and draws every item in its state.
    void DrawMenuBar(CDC* pDC, const CRect& rcBar);
    void DrawMenuItem(CDC* pDC, tagQVMenuItemData* pItem, QVMenuItemState nState);

    // Index of the item whose hit rectangle holds the point (window coordinates), or -1.
    int HitTestMenuItem(CPoint point) const;
    // Makes item n hot (or none with -1) and redraws the two items that changed; n past the last item
    // is ignored.
    void SetSelectMenuItem(int nItem);
    // Opens the selected item's popup, and the next one while the user moves along the bar, until a
    // popup closes without a move to another item. A call within 100 ms of the last popup's end is
    // ignored (the click that closed a popup must not reopen it).
    void PopupMenu();
    // Keyboard access, from the window's WM_SYSCOMMAND SC_KEYMENU (Alt, F10, Alt + letter): selects the
    // item whose mnemonic ("&x" in its text, case-insensitive) is chKey, or the first item when chKey is
    // 0, and opens it as PopupMenu does, without the 100 ms guard. FALSE (nothing opened) when the bar
    // has no such item.
    BOOL OpenMenuByKey(TCHAR chKey);

    tagQVMenuItemData* GetMenuItemData(int nItem) const;
    int GetMenuItemCount() const { return (int)m_vecItems.size(); }
    int GetCurrSelItem() const { return m_nCurrSelItem; }
    int GetPrevSelItem() const { return m_nPrevSelItem; }
    BOOL IsPopupOpen() const { return m_bPopupOpen; }

    // The thread's message-filter hook while a popup is open.
    static LRESULT CALLBACK MessageProc(int nCode, WPARAM wParam, LPARAM lParam);
    // What the hook does with one message of the popup's loop; TRUE eats the message.
    BOOL HookMessageProc(MSG* pMsg);

    // The bar whose popup is open, or NULL.
    static CSkinMenuBar* GetOpenMenuBar() { return s_pMenuBar; }
    // Index of the item whose popup is open, or -1.
    static int GetOpenMenuItem() { return s_nCurrMenuItem; }
    // The window of the bar whose popup is open, or NULL.
    static HWND GetOpenMenuWnd() { return s_hWnd; }

    // The tick source of the reopen guard (GetTickCount unless a test sets another); NULL restores
    // GetTickCount.
    using ClockFunc = DWORD (*)();
    static void SetClock(ClockFunc pfnClock);

protected:
    // Darkens the bottom and right 4 pixels of r and its three outer corners, for a pressed item.
    void DrawShadow(CDC* pDC, const CRect& r);
    void RedrawItem(int nItem, QVMenuItemState nState);
    void ClearItems();
    // The loop of PopupMenu without the 100 ms guard (keyboard access opens at once).
    void RunPopupLoop();
    // Clears the open-popup fields and notes the time the popup ended.
    static void EndPopupLoop();
    // Index of the item whose mnemonic is chKey (case-insensitive), or -1.
    int FindMnemonic(TCHAR chKey) const;

    HWND m_hWnd = nullptr;
    BOOL m_bCalculated = FALSE;
    CRect m_rcLaidOut;  // the bar rectangle of the last layout
    int m_nPrevSelItem = -1;
    int m_nCurrSelItem = -1;
    BOOL m_bPopupOpen = FALSE;
    CFont m_Font;
    CPen m_penBorder;
    CPen m_penHot;
    CPen m_penGray;
    CBrush m_brushHot;
    CBrush m_brushBk;
    CQVCritSection m_cs;
    std::vector<tagQVMenuItemData*> m_vecItems;

    static HHOOK s_hMsgHook;
    static HWND s_hWnd;
    static int s_nCurrMenuItem;
    static int s_nNextMenuItem;
    static CSkinMenuBar* s_pMenuBar;
    static DWORD s_dwLastPopupEnd;
};
