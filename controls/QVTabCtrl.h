// A one-row strip of tabs drawn from the skin's tab image, asking its parent before a click changes
// the selection.
#pragma once

#include "RIZuruzezuDef.h"

#include <vector>

// Sent by a tab control to its parent before a click selects another tab: wParam the new index, lParam
// the old one (-1 for none). Any non-zero answer refuses the change.
#define WM_QV_TABSELCHANGING (WM_USER + 1502)  // 0x9DE

class CQVSkinBtnRes;

// One tab. The state is the frame of the skin's tab image drawn for it.
struct TabCtrlItem {
    enum { STATE_NORMAL = 0, STATE_HOVER = 1, STATE_PRESSED = 2, STATE_SELECTED = 3 };
    int m_nImage = 0;  // kept for the host, not drawn
    CString m_strText;
    int m_nState = STATE_NORMAL;
    CRect m_rcItem;  // empty until the tab is laid out
    DWORD m_dwID = 0;
};

// Created with Create (window class "QVTabCtrl"), or subclassed from any child window of a template;
// after UnsubclassWindow the window is left to its own class. The control's height is the skin's tab
// height, whatever the rectangle asks for.
//
// Tabs are laid out left to right by their text widths (DEFAULT_GUI_FONT, 4 pixels each side, at least
// the skin's smallest tab width). The first tab that does not fit is cut at the right edge; the tabs
// after it keep the rectangles of an earlier layout, and a tab never laid out has an empty rectangle: it
// is neither drawn nor hit. A base line in the skin's colour 3 runs from the last laid-out tab to the
// right edge.
//
// A click on another tab sends WM_QV_TABSELCHANGING to the parent first; the parent may destroy the
// control or change its tabs while it answers, and the click then changes nothing more. The clicked tab
// shows pressed until the button is released, then selected.
//
// Indexes are checked everywhere: DeleteAllItems leaves the current, previous and hot indexes as they
// were (GetCurSel may then name a tab that is gone: GetCurSelID answers 0). Deleting one tab (by id or by
// index) selects tab 0 and resets every other tab to normal, so only the selection shows selected.
// SetCurSel changes the states without redrawing; adding, changing and deleting tabs redraw at once.
class RIZ_API CQVTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CQVTabCtrl)
public:
    CQVTabCtrl();
    ~CQVTabCtrl() override;

    // Registers the window class on first use (FALSE when that fails). rect's bottom becomes its top
    // plus the tab height before the window is made.
    BOOL Create(DWORD dwStyle, RECT& rect, CWnd* pParentWnd, UINT nID);

    // Appends a tab and selects it; an id other than 0 that a tab has already gives that tab's index and
    // adds nothing. NULL is an empty text.
    int AddItem(LPCTSTR lpszText, int nImage = 0, DWORD dwID = 0);
    // The index, or -1 for a bad index.
    int ModifyItem(int nIndex, LPCTSTR lpszText, int nImage, DWORD dwID);
    // Deletes the first tab with the id (if any); always TRUE.
    BOOL DeleteItemID(DWORD dwID);
    // Deletes the tab at the index as DeleteItemID does; FALSE for a bad index.
    BOOL DeleteItem(int nIndex);
    BOOL DeleteAllItems();

    // The index, or -1 for a bad index (nothing changes then). No redraw.
    int SetCurSel(int nIndex);
    int SetCurSelID(DWORD dwID);
    int GetCurSel() const { return m_nCurSel; }
    int GetOldSel() const { return m_nOldSel; }
    int GetItemCount() const { return static_cast<int>(m_vecItems.size()); }
    DWORD GetCurSelID() const;            // 0 when nothing (or a tab that is gone) is selected
    DWORD GetItemData(int nIndex) const;  // the tab's id; 0 for a bad index
    int FindItem(DWORD dwID) const;
    int FindItem(LPCTSTR lpszText) const;  // exact, case-sensitive
    // The tab's state (TabCtrlItem::STATE_...) and rectangle; -1 and an empty rectangle for a bad index.
    int GetItemState(int nIndex) const;
    CRect GetItemRect(int nIndex) const;
    int GetHotItem() const { return m_nHotItem; }

    // Paint the parent's background instead of the background colour.
    void SetTransparent(BOOL bTransparent);
    BOOL GetTransparent() const { return m_bTransparent; }

    // Sets the height to the tab height, keeping the width.
    void AdjustControlRect();
    // Lays out the tabs again from their texts and the client width.
    void LayoutItems();

protected:
    void PreSubclassWindow() override;

    BOOL IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < GetItemCount(); }
    void SetState(int nIndex, int nState);
    void InvalidateItem(int nIndex);
    // Ends tabs' lives after a deletion: out-of-range indexes become -1, tab 0 is selected and only the
    // selection shows selected.
    void AfterDelete();
    void ReadSkin();
    void DrawItems(CDC* pDC, const CRect& rcClient);

    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    std::vector<TabCtrlItem*> m_vecItems;  // owned
    int m_nMinItemWidth;                   // skin metric 13
    int m_nItemHeight;                     // skin metric 14: tab and control height
    int m_nOldSel = -1;
    int m_nCurSel = -1;
    int m_nHotItem = -1;
    BOOL m_bTransparent = FALSE;
    COLORREF m_clrBk;    // the skin's client background colour
    COLORREF m_clrLine;  // the skin's colour 3
    CQVSkinBtnRes* m_pBtnRes;

    int m_nLaidOut = 0;        // tabs laid out by the last layout
    unsigned m_nChanges = 0;   // counts changes of the tabs and the selection
    BOOL m_bCreating = FALSE;  // inside Create: the rectangle already has the height
};
