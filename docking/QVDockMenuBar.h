// A dockable menu bar: the top-level entries of a menu as a row of flat items on the bar gradient, with
// hot tracking, a shadow under the open item, Alt + key access and drop-downs that follow the mouse (and
// Left / Right) from one item to the next.
#pragma once

#include <map>
#include <vector>

#include "QVControlBar.h"
#include "QVMenuRef.h"
#include "SkinMenuBar.h"

class CQVBitmap;
class CQVBitmapList;

// Create with CreateEx (the parent becomes the owner that receives the commands), LoadMenu, then
// EnableDocking and dock it through the frame. The owner frame calls ProcessPreTranslateMessage from
// its PreTranslateMessage for the Alt + key access. The bar sends WM_COMMAND, WM_INITMENUPOPUP,
// WM_MENUSELECT and WM_ENTERIDLE on to the owner, so the owner's update handlers enable and check the
// drop-down items. A click on the grip (x <= 10) drags the bar. Drop-down items are owner-drawn in the
// skin's colours, with the images of SetBitmapList. A menu text "~key" shows the key's language string,
// again from the key after every language change (WM_QV_LANCHANGED);
// a top-level text is read up to 31 characters, so its "~" key must be no longer than 30.
// Only one drop-down loop runs in the process at a time.
class RIZ_API CQVDockMenuBar : public CQVControlBar {
    DECLARE_DYNAMIC(CQVDockMenuBar)
public:
    CQVDockMenuBar();
    ~CQVDockMenuBar() override;

    // As CQVDockWnd::CreateEx, in the window class "QVDockMenuBar"; pParentWnd becomes the owner.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rectBorders, UINT nID);
    // Loads the menu resource into the bar's menu (GetMenuBarMenu), then the items from it. FALSE when
    // there is no such resource (the bar keeps its items).
    BOOL LoadMenu(UINT nIDResource);
    // Items from the top-level entries of hMenu, replacing the earlier ones, laid out and the window
    // sized to them. The menu stays the caller's and must outlive the bar's use of it. NULL or a
    // destroyed menu gives an empty bar.
    void LoadMenu(HMENU hMenu);
    CMenu* GetMenuBarMenu() { return &m_menu; }
    // Images of the drop-down items, by command id (not owned).
    void SetBitmapList(CQVBitmapList* pBitmapList) { m_pBitmapList = pBitmapList; }
    // Kept for the host; not used for drawing (not owned).
    void SetMenuBarRes(CQVBitmap* pBitmap) { m_pBarBitmap = pBitmap; }
    // WM_SYSKEYDOWN of an access key: opens that item's drop-down and answers TRUE; else FALSE.
    BOOL ProcessPreTranslateMessage(MSG* pMsg);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    int GetMenuItemCount() const { return static_cast<int>(m_vecItems.size()); }
    // NULL for an index outside the items.
    tagQVMenuItemData* GetMenuItemData(int nItem) const;
    int GetCurrSelItem() const { return m_nCurrSelItem; }
    int GetPrevSelItem() const { return m_nPrevSelItem; }
    BOOL IsPopupOpen() const { return m_bPopupOpen; }
    // The item whose hit rectangle holds the point (client coordinates), or -1.
    int HitTestMenuItem(CPoint point) const;
    // Makes item nItem current (-1: none) and invalidates the items that changed.
    void SetSelectMenuItem(int nItem);
    // Opens the current item's drop-down, then the next one while the user moves along the bar, until
    // one closes without a move. FALSE (nothing shown) within 100 ms of the last drop-down's end, while
    // another drop-down loop runs, or without a current item.
    BOOL PopupMenu();

    // The bar whose drop-down loop runs, or NULL; the index of its open item, or -1.
    static CQVDockMenuBar* GetActiveMenuBar() { return s_pActiveBar; }
    static int GetOpenMenuItem() { return s_nOpenItem; }
    // The tick source of the reopen guard; NULL restores GetTickCount.
    using ClockFunc = DWORD (*)();
    static void SetClock(ClockFunc pfnClock);
    // The message-filter hook while a drop-down is open.
    static LRESULT CALLBACK MessageProc(int nCode, WPARAM wParam, LPARAM lParam);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CalcMenuItemRect(CDC* pDC, const CRect& rc);
    void DrawMenuItem(CDC* pDC, const tagQVMenuItemData* pItem, QVMenuItemState nState);
    void InvalidateItem(int nItem);
    void ClearItems();
    void CreateTools();
    // What the hook does with one message of the drop-down's loop.
    void HookMessage(const MSG* pMsg);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLanChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pOwner = nullptr;
    CMenu m_menu;
    CQVBitmap* m_pBarBitmap = nullptr;
    CQVBitmapList* m_pBitmapList = nullptr;
    BOOL m_bTracking = FALSE;
    BOOL m_bCalculated = FALSE;
    int m_nPrevSelItem = -1;
    int m_nCurrSelItem = -1;
    BOOL m_bPopupOpen = FALSE;
    CFont m_font;
    CPen m_penNormal, m_penHot, m_penOpen;
    CBrush m_brushHot;
    std::vector<tagQVMenuItemData*> m_vecItems;
    std::map<BYTE, int> m_mapAccessKeys;
    HMENU m_hLoaded = nullptr;  // the menu the items came from
    CQVMenuRef m_menuRef;       // the drop-down being converted, measured and drawn

    // The drop-down loop of the process, shared by the loop and the hook.
    static CQVDockMenuBar* s_pActiveBar;
    static HWND s_hActiveWnd;
    static int s_nOpenItem;
    static int s_nCurrSel;
    static HHOOK s_hHook;
    static DWORD s_dwLastEnd;
};
