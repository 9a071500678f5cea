// The item toolbar: a row (or rows) of push, menu, radio, check and check menu items and splitters,
// with an overflow menu of what does not fit, fading hovers and sparkling items.
#pragma once

#include "QVAliveToken.h"
#include "QVSmartImage.h"
#include "QVToolBarPlusItem.h"

#include <afxcmn.h>

#include <memory>
#include <vector>

#define WM_QV_TOOLBARPLUS (WM_USER + 1513)  // 0x9E9: toolbar -> notify window, see the constants below
#define TOOLBARPLUS_NOTIFY_DROPDOWN 1       // lParam: the item id; the owner shows the item's menu
#define TOOLBARPLUS_NOTIFY_MOREITEM 2       // lParam: ToolBarPlus_MoreItem*, one overflow-menu entry
#define TOOLBARPLUS_MORE_ID 0x7FFF          // the id of the overflow button, item 0

// Mask bits of ToolBarPlus_ItemInfo and ToolBarPlus_GetItem.
enum : DWORD {
    TBPIF_INDEX = 0x1,
    TBPIF_ID = 0x2,
    TBPIF_RECT = 0x4,
    TBPIF_TEXT = 0x8,
    TBPIF_TOOLTIP = 0x10,
    TBPIF_ICON = 0x20,
    TBPIF_MENU = 0x40,
    TBPIF_EXTRA = 0x80,
    TBPIF_ENABLE = 0x100,
    TBPIF_VISIBLE = 0x200,
    TBPIF_SPARKLE = 0x400,
    TBPIF_CHECKED = 0x800,
    TBPIF_HIDDEN = 0x1000,
    TBPIF_SORTKEY = 0x2000,
    TBPIF_VALUE = 0x4000,
    TBPIF_STRVALUE = 0x8000,
    TBPIF_AUTOWIDTH = 0x10000,
    TBPIF_TEXTCOLOR = 0x20000,
    TBPIF_SIZENORMAL = 0x40000,
    TBPIF_SIZESIMPLE = 0x80000,
    TBPIF_BKIMAGE = 0x100000,
    TBPIF_RIGHTALIGN = 0x200000,
};

// An item as the caller describes it; nMask says which optional fields count.
struct ToolBarPlus_ItemInfo {
    UINT nID = 0;
    int nIndex = 0;
    DWORD nMask = 0;
    int nType = 1;  // 0 splitter, 1 push, 2 menu, 3 radio, 4 check, 5 check menu
    BOOL bEnable = TRUE;
    BOOL bVisible = TRUE;
    BOOL bSparkle = FALSE;
    BOOL bChecked = FALSE;
    BOOL bAutoWidth = FALSE;
    CSize szNormal;
    CSize szSimple;
    CString strText;
    int nTextX = 0, nTextY = 0;
    COLORREF crText = 0;
    CString strTooltip;
    CString strIcon;
    int nIconStates = 1, nIconAlign = IconAlignLeft, nIconX = 0, nIconY = 0;
    DWORD nIconFlags = 0;
    int nMaxWidth = 0;
    CString strMenu;
    CString strExtra;
    int nSortKey = -1024;
    int nValue = 0;
    CString strValue;
    BOOL bRightAlign = FALSE;
};

// Every record names its item by nID when that is not 0, else by nIndex.
struct ToolBarPlus_DelItem {
    UINT nID = 0;
    int nIndex = 0;
};
struct ToolBarPlus_SparkleItem {
    UINT nID = 0;
    int nIndex = 0;
    BOOL bSparkle = FALSE;
};
struct ToolBarPlus_CheckItem {
    UINT nID = 0;
    int nIndex = 0;
    BOOL bChecked = FALSE;
};
struct ToolBarPlus_MoveItem {
    UINT nID = 0;
    int nIndex = 0;
    BOOL bForward = TRUE;
};
struct ToolBarPlus_GetNextItem {
    UINT nID = 0;
    int nIndex = 0;
    BOOL bNext = TRUE;
    BOOL bVisibleOnly = FALSE;
    UINT nNextID = 0;  // out: 0 at the ends
    int nNextIndex = 0;
};
struct ToolBarPlus_HitTestItem {
    POINT pt = {0, 0};
    UINT nID = 0;  // out
    int nIndex = -1;
};
struct ToolBarPlus_GetItem {
    UINT nID = 0;
    int nIndex = 0;
    DWORD nMask = 0;
    RECT rc = {0, 0, 0, 0};
    CString strText;
    CString strTooltip;
    CString strReserved;
    CString strMenu;
    CString strExtra;
    BOOL bEnable = FALSE;
    BOOL bVisible = FALSE;
    BOOL bSparkle = FALSE;
    BOOL bChecked = FALSE;
    BOOL bHidden = FALSE;
    int nSortKey = 0;
    int nValue = 0;
    int nReserved = 0;
    CString strValue;
    BOOL bAutoWidth = FALSE;
    BOOL bRightAlign = FALSE;
};
// One overflow-menu entry, sent (0x9E9, 2) before it is appended: the owner may change all three.
struct ToolBarPlus_MoreItem {
    UINT nID;
    DWORD nFlags;  // MF_ flags; MF_DISABLED for a disabled item
    CString strText;
};

// Items are owned by the toolbar and reached through their virtual operations only. Item 0 is the
// overflow button (id 0x7FFF): it never moves, is never deleted and is never changed through a record,
// except that its sparkle (MethodSparkleItem, MethodModifyItem mask 0x400) and enable (mask 0x100) may
// be set by id; every layout sets its sparkle again from the hidden items. Ids look up the first
// non-splitter item with that id.
//
// Add, insert, delete, modify and check do no layout; the caller calls RecalcLayout. Until then the
// last placed index, the hot item and the tooltips may point past the end or at another item:
// painting, the timer, the mouse, commands and menu check marks check every index before use. An item
// the layout did not place has an empty rectangle for the toolbar: it draws nothing, takes no hits or
// hovers and reports an empty rectangle.
//
// The overflow menu: each hidden, visible non-splitter item is first sent to the notify window as
// 0x9E9 (2, ToolBarPlus_MoreItem*); the entry is appended from the record after the send, so the owner
// may change its text, flags or id. The menu is drawn by CDrawMenuHelper and opens at the overflow
// button's bottom-left corner; a chosen entry arrives through OnCommand and goes on to the notify
// window. A notify window may delete items or the toolbar inside any notification. WM_INITMENUPOPUP
// goes on to the notify window, so an owner that enables menu entries by their command handlers (a
// skinned dialog's automatic menu enabling) greys the entries it has no handler for.
//
// The mouse: one leave request per entry; leaving with the button down takes the capture; a press
// that started outside the toolbar never clicks. A quick second click arrives as WM_LBUTTONDBLCLK,
// which gets default handling only, so it gives one command, not two. Timer 1 (30 ms) runs only while
// an item fades or sparkles and kills itself when nothing moved. The overflow button is 15 pixels
// wide and as high as the items rectangle, following WM_SIZE. On the skin message (0x7E9) the toolbar
// reloads the two images it loads itself, lays out and answers 1; the host sets the item frames again
// (SetButtonRes, SetMenuButtonRes), whose paths are taken under the skin folder when relative. No
// window region is kept: unplaced items are empty, so the item rectangles already bound every hit.
class RIZ_API CQVToolBarPlus : public CWnd {
    DECLARE_DYNAMIC(CQVToolBarPlus)
public:
    CQVToolBarPlus();
    ~CQVToolBarPlus() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    CWnd* GetNotifyRecvWnd() const;
    BOOL EnableDrag() const { return m_bEnableDrag; }
    void SetBackColor(BOOL bTransparent, COLORREF clr);
    BOOL SetButtonRes(LPCTSTR lpszPath);
    BOOL SetMenuButtonRes(LPCTSTR lpszBodyPath, LPCTSTR lpszArrowPartPath);
    CRect GetItemRect(UINT nID) const;
    int RecalcLayout();
    void SetFade(BOOL bFade) { m_bFade = bFade; }
    void SetMultiLine(BOOL bMultiLine, int nLineHeight = 40);
    void SetNoOverflowButton(BOOL bNo) { m_bNoOverflowButton = bNo; }
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    int GetLastVisible() const { return m_nLastVisible; }
    // The item at nIndex (0 is the overflow button); NULL outside the list.
    CQVToolBarPlusItem* GetItem(int nIndex) const;
    CToolTipCtrl& GetToolTipCtrl() { return m_tooltip; }

    int MethodAddItem(ToolBarPlus_ItemInfo& info);
    int MethodInsertItem(ToolBarPlus_ItemInfo& info);
    int MethodDelItem(ToolBarPlus_DelItem& info);
    int MethodModifyItem(ToolBarPlus_ItemInfo& info);
    void MethodSetSimpleMode(BOOL bSimple);
    BOOL MethodGetSimpleMode() const { return m_bSimpleMode; }
    int MethodSparkleItem(ToolBarPlus_SparkleItem& info);
    int MethodSetItemChecked(ToolBarPlus_CheckItem& info);
    int MethodGetItemChecked(ToolBarPlus_CheckItem& info);
    int MethodGetItem(ToolBarPlus_GetItem& info);
    int MethodMoveItem(ToolBarPlus_MoveItem& info);
    int MethodGetNextItem(ToolBarPlus_GetNextItem& info);
    int MethodHitTestItem(ToolBarPlus_HitTestItem& info);
    int MethodEnable(BOOL bEnable);
    int MethodSort();

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Overridable steps, in the order the toolbar calls them. A new item of nType (NULL: unknown).
    virtual CQVToolBarPlusItem* CreateItem(int nType);
    virtual void LoadItems();
    virtual void LayoutItems();
    virtual void OnMoreButtonClicked();
    virtual void OnMenuSubButtonClicked();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg LRESULT OnSkinChanged(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    // The item named by a record: by id when nID is not 0, else by index (>= 1, or >= 0 with
    // bAllowZero); -1 when there is none.
    int FindItem(UINT nID, int nIndex, BOOL bAllowZero) const;
    BOOL IsValid(int nIndex) const { return nIndex >= 0 && nIndex < GetItemCount(); }
    // The last placed index, clamped to the list.
    int LastPlaced() const;
    // The item's rectangle as the toolbar sees it: empty unless the layout placed it.
    CRect PlacedRect(int nIndex) const;
    CRect ItemsRect() const;
    int HittestItem(const CPoint& pt, BOOL& bFlag);
    int ItemFromPoint(const CPoint& pt, BOOL& bLeftHalf) const;
    BOOL SetItemChecked(int nIndex, BOOL bChecked);
    void ApplyItemInfo(CQVToolBarPlusItem* pItem, const ToolBarPlus_ItemInfo& info);
    void ApplyMaskedFields(CQVToolBarPlusItem* pItem, const ToolBarPlus_ItemInfo& info);
    void GiveSharedImages(CQVToolBarPlusItem* pItem);
    void InvalidateItem(int nIndex);
    void SetItemNormal(int nIndex);  // state normal, fade out, invalidate
    void StartAnimTimer();
    void StopTimers();
    void RebuildTooltips();
    void UpdateMoreSparkle();
    BOOL AnyHiddenSparkle();
    void LoadOwnImages();
    void DeleteAllItems();
    BOOL IsCheckKind(int nIndex) const;

    std::vector<CQVToolBarPlusItem*> m_items;
    int m_nLastVisible = -1;
    BOOL m_bTrackingLeave = FALSE;
    BOOL m_bLButtonDown = FALSE;
    BOOL m_bSimpleMode = FALSE;
    int m_nHotItem = -1;
    CQVSmartImage m_imgButton;
    CQVSmartImage m_imgMenuButton, m_imgMenuArrowPart;
    CQVSmartImage m_imgMenuArrow;
    BOOL m_bAnimTimer = FALSE, m_bTimer2 = FALSE;
    BOOL m_bFade = TRUE;
    BOOL m_bMultiLine = FALSE;
    int m_nLineHeight = 40;
    BOOL m_bNoOverflowButton = FALSE;
    CSize m_szDefIcon = CSize(18, 18);
    CSize m_szDefNormal = CSize(20, 22);
    CSize m_szDefSimple = CSize(20, 22);
    int m_nItemSpacing = 2;
    int m_nSparkleCount = 3;
    BOOL m_bEnableDrag = FALSE;
    CPoint m_ptLButtonDown;
    BOOL m_bTransparent = FALSE;
    COLORREF m_crBack = RGB(230, 240, 255);
    COLORREF m_crItemText = RGB(0, 0, 0);
    CToolTipCtrl m_tooltip;
    CFont m_font;
    HWND m_hNotifyWnd = NULL;

    struct CTool {
        UINT_PTR nID;
        CRect rect;
        CString strText;
    };
    std::vector<CTool> m_tools;          // the tooltip's tools as the last rebuild left them
    BOOL m_bMaybeHiddenSparkle = FALSE;  // some item may sparkle: the hidden ones are searched
    CMenu* m_pMoreMenu = nullptr;        // the overflow menu while it is open
    CQVAliveFlag m_alive;
};
