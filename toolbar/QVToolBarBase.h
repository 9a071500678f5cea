// The classic toolbar: one row of separators, static texts, push, menu and drop-down buttons, check
// boxes and radio boxes, drawn with hot and pressed frames in skin colours, with tooltips, status-bar
// prompts and commands sent to a notify window. A template over the window class it lives in.
#pragma once

#include "QVAliveToken.h"
#include "QVBitmapList.h"
#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVSysColors.h"
#include "QVDockToolBarLayout.h"
#include "QVToolBarBasePaint.h"
#include "TransparentBkg.h"

#include <afxcmn.h>

#include <vector>

#define WM_QV_TOOLBARDROPDOWN (WM_USER + 1511)  // 0x9E7: the arrow of drop-down button wParam was clicked

// TBar is the class built on the template (it forwards its message handlers here and gives the
// static DrawBarAppearance(CDC*, const CRect&, int) of the bar background); TBase is CWnd or a class
// derived from it. Of TBase the template uses only what every CWnd has: m_hWnd, GetSafeHwnd,
// GetClientRect, GetParent, Invalidate, InvalidateRect, SetWindowPos, SetCapture, GetCapture, Default
// and the CWnd* conversion its tooltip and notifications take.
//
// Items are addressed by index; ids find the first item with that id. Every change that alters sizes
// marks the layout dirty; the next paint (or ReCalcToolBar) lays out again and resizes the window to
// the row. The layout measures texts in 10-point "宋体" while items are drawn in the language's
// default font at 9 points, so a bar keeps its size when the language changes. A menu button draws
// as a push button with the drop-down arrow in its rightmost 16 pixels (its image cell includes
// them) and sends WM_COMMAND wherever it is clicked; a drop-down button sends 0x9E7 for a click on
// its arrow. A notify window may destroy the toolbar inside any notification.
template <class TBar, class TBase>
class CQVToolBarBase : public TBase {
public:
    explicit CQVToolBarBase(HINSTANCE hInstance = NULL, UINT nArrowIconId = 0)
        : m_hInstance(hInstance), m_nArrowIconId(nArrowIconId) {
        QVReadToolBarColors(m_crHotLine, m_crPressLine, m_crHotFill);
        m_crPressFill = QVToolBarPressFill(m_crHotFill);
    }
    ~CQVToolBarBase() override {
        ClearItems();
        if (m_hArrowIcon) ::DestroyIcon(m_hArrowIcon);
        if (m_hMeasureFont) ::DeleteObject(m_hMeasureFont);
        if (m_hDrawFont) ::DeleteObject(m_hDrawFont);
    }

    // Reads toolbar resource nID (type 241) and makes its buttons; FALSE when it is missing or
    // truncated, leaving the items as they were.
    BOOL LoadToolBar(UINT nID) {
        ToolBarResource res;
        if (!QVLoadToolBarResource(nID, res)) return FALSE;
        return SetButtons(res.ids.empty() ? nullptr : res.ids.data(), static_cast<int>(res.ids.size()),
                          res.cx, res.cy);
    }
    // Replaces all items: id 0 a separator, any other id a push button of image cx x cy whose image is
    // the running number of buttons, its caption and tooltip from the id's string. NULL or a count
    // below 1 leaves no items and answers FALSE.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount, int cx, int cy) {
        ClearItems();
        if (!lpIDArray || nIDCount < 1) return FALSE;
        int nImage = 0;
        for (int i = 0; i < nIDCount; ++i) {
            ToolBarItem* pItem = new ToolBarItem;
            pItem->nID = lpIDArray[i];
            if (pItem->nID == 0) {
                pItem->nType = TBIT_SEPARATOR;
                pItem->szImage = CSize(6, cy + 6);
            } else {
                pItem->nType = TBIT_BUTTON;
                pItem->szImage = CSize(cx, cy);
                pItem->nImage = nImage++;
                QVLoadToolBarButtonString(pItem->nID, pItem->strText, pItem->strTooltip);
            }
            m_items.push_back(pItem);
        }
        m_bDirty = TRUE;
        return TRUE;
    }
    // Appends an item (unchecked, enabled) and answers its index; the first drop-down or menu button
    // loads the arrow icon.
    int AddItem(ToolBarItemType nType, LPCTSTR lpszText, LPCTSTR lpszTooltip, CSize size, int nImage,
                UINT nID) {
        ToolBarItem* pItem = new ToolBarItem;
        pItem->nID = nID;
        pItem->nType = nType;
        pItem->strText = lpszText ? lpszText : _T("");
        pItem->strTooltip = lpszTooltip ? lpszTooltip : _T("");
        pItem->szImage = size;
        pItem->nImage = nImage;
        m_items.push_back(pItem);
        if ((nType == TBIT_DROPDOWN || nType == TBIT_MENUBUTTON) && !m_hArrowIcon)
            m_hArrowIcon = QVLoadToolBarArrowIcon(m_hInstance, m_nArrowIconId);
        m_bDirty = TRUE;
        return static_cast<int>(m_items.size()) - 1;
    }
    // Removes item nIndex; FALSE for an index out of range.
    BOOL DelItem(int nIndex) {
        if (!IsIndex(nIndex)) return FALSE;
        delete m_items[nIndex];
        m_items.erase(m_items.begin() + nIndex);
        m_nFocusItem = m_nPressItem = -1;
        m_bDirty = TRUE;
        InvalidateBar();
        return TRUE;
    }
    // The index of the first item with id nID; -1 for none.
    int FindItem(UINT nID) const {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i]->nID == nID) return static_cast<int>(i);
        return -1;
    }
    BOOL ModifyItem(int nIndex, ToolBarItemType nType) {
        if (!IsIndex(nIndex)) return FALSE;
        m_items[nIndex]->nType = nType;
        if ((nType == TBIT_DROPDOWN || nType == TBIT_MENUBUTTON) && !m_hArrowIcon)
            m_hArrowIcon = QVLoadToolBarArrowIcon(m_hInstance, m_nArrowIconId);
        m_bDirty = TRUE;
        InvalidateBar();
        return TRUE;
    }
    BOOL SetItemText(int nIndex, LPCTSTR lpszText) {
        if (!IsIndex(nIndex)) return FALSE;
        m_items[nIndex]->strText = lpszText ? lpszText : _T("");
        m_bDirty = TRUE;
        InvalidateBar();
        return TRUE;
    }
    BOOL SetItemToolTip(int nIndex, LPCTSTR lpszText) {
        if (!IsIndex(nIndex)) return FALSE;
        m_items[nIndex]->strTooltip = lpszText ? lpszText : _T("");
        if (m_tooltip.GetSafeHwnd()) m_tooltip.UpdateTipText(m_items[nIndex]->strTooltip, this, nIndex + 1);
        return TRUE;
    }
    // Enables or disables the first item with id nID; FALSE when there is none.
    BOOL EnableItem(UINT nID, BOOL bEnable) {
        const int i = FindItem(nID);
        if (i < 0) return FALSE;
        m_items[i]->bEnabled = bEnable;
        InvalidateItem(i);
        return TRUE;
    }
    // The rectangle of the first item with id nID; an empty rectangle for an unknown id.
    const CRect& GetItemRect(UINT nID) const {
        static const CRect s_rcEmpty(0, 0, 0, 0);
        const int i = FindItem(nID);
        return i < 0 ? s_rcEmpty : m_items[i]->rc;
    }
    // Checks the first unchecked item with id nID (unchecking the rest of its radio group); FALSE when
    // there is none.
    BOOL SetItemSelected(UINT nID) {
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (m_items[i]->nID != nID || m_items[i]->bChecked) continue;
            m_items[i]->bChecked = TRUE;
            InvalidateItem(static_cast<int>(i));
            if (m_items[i]->nType == TBIT_RADIOBOX) UnCheckOtherRadioBox(static_cast<int>(i));
            return TRUE;
        }
        return FALSE;
    }
    // Lays the items out and sizes the window to the row; answers the row's size.
    CSize ReCalcToolBar() {
        const CSize size = CalcToolBarItems();
        if (this->GetSafeHwnd())
            this->SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_bDirty = FALSE;
        return size;
    }
    void SetFlatCtrl(BOOL bFlat, COLORREF crBack, BOOL bTransparent) {
        m_bFlat = bFlat;
        m_crBack = crBack;
        m_bTransparent = bTransparent;
        InvalidateBar();
    }
    void SetBitmapList(CQVBitmapList* pList) {
        m_pBitmapList = pList;
        InvalidateBar();
    }
    // Where notifications go: pWnd, else the parent when bNotifyParent, else the main window.
    void SetNotifyWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    void SetNotifyParent(BOOL bNotifyParent) { m_bNotifyParent = bNotifyParent; }
    // The "parent" of the notifications; TBar may hide it (a docked bar names its owner frame).
    CWnd* GetNotifyParent() const { return this->GetParent(); }

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // Item nIndex; NULL out of range. A caller that changes sizes or texts calls ReCalcToolBar.
    ToolBarItem* GetItem(int nIndex) const { return IsIndex(nIndex) ? m_items[nIndex] : nullptr; }
    int GetFocusItem() const { return m_nFocusItem; }
    int GetPressItem() const { return m_nPressItem; }
    COLORREF GetPressFill() const { return m_crPressFill; }
    CToolTipCtrl& GetToolTipCtrl() { return m_tooltip; }

    // ---- What TBar's message handlers call ----

    // WM_CREATE, and the subclassing of an existing window.
    void CreateToolTip() {
        if (m_tooltip.GetSafeHwnd()) return;
        if (m_tooltip.Create(this, TTS_ALWAYSTIP)) m_tooltip.SetDelayTime(100);
    }
    // WM_DESTROY: the tooltip is owned by the top-level window, so it goes with the toolbar here.
    void DestroyToolTip() {
        if (m_tooltip.GetSafeHwnd()) m_tooltip.DestroyWindow();
        m_nTools = 0;
        m_bTracking = FALSE;
        m_nFocusItem = m_nPressItem = -1;
    }
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnPaint() {
        CPaintDC dcPaint(this);
        if (m_bDirty) ReCalcToolBar();
        CRect rc;
        this->GetClientRect(&rc);
        CQVPaintMemoryDC dc(this, &dcPaint);
        if (!m_bFlat)
            TBar::DrawBarAppearance(&dc, rc, 0);
        else if (m_bTransparent)
            DrawTransparentBkg(this, NULL, &dc);
        else
            dc.FillSolidRect(&rc, m_crBack);
        DrawItems(&dc);
    }
    void DrawItems(CDC* pDC) {
        if (!m_hDrawFont) m_hDrawFont = QVCreateToolBarDrawFont();
        HGDIOBJ hOldFont = ::SelectObject(*pDC, m_hDrawFont);
        pDC->SetBkMode(TRANSPARENT);
        ToolBarPaintContext ctx;
        ctx.pBitmapList = m_pBitmapList;
        ctx.hArrowIcon = m_hArrowIcon;
        ctx.crHotLine = m_crHotLine;
        ctx.crPressLine = m_crPressLine;
        ctx.crHotFill = m_crHotFill;
        ctx.crPressFill = m_crPressFill;
        for (int i = 0; i < GetItemCount(); ++i) {
            const int nState = i == m_nPressItem ? TBIS_PRESSED : i == m_nFocusItem ? TBIS_HOT : TBIS_NORMAL;
            QVDrawToolBarItem(pDC, *m_items[i], nState, ctx);
        }
        ::SelectObject(*pDC, hOldFont);
    }
    void OnMouseMove(UINT, CPoint point) {
        Relay(WM_MOUSEMOVE, point);
        const int nHit = QVToolBarHitTest(m_items, point);
        const BOOL bChanged = nHit != m_nFocusItem;
        if (bChanged) {
            InvalidateItem(m_nFocusItem);
            InvalidateItem(nHit);
            m_nFocusItem = nHit;
        }
        if (nHit < 0) {
            if (bChanged) ClearPrompt();
            this->Default();
            return;
        }
        if (!m_bTracking) {
            m_bTracking = QVTrackMouseLeave(this->m_hWnd);
        }
        if (bChanged) {
            QVToolBarPromptWnd() = this->m_hWnd;
            Notify(WM_SETMESSAGESTRING, m_items[nHit]->nID, nHit);
        }
    }
    // The prompt back to none, when it is this bar's.
    void ClearPrompt() {
        if (QVToolBarPromptWnd() != this->m_hWnd) return;
        QVToolBarPromptWnd() = nullptr;
        Notify(WM_SETMESSAGESTRING, 0, 0);
    }
    void OnLButtonDown(UINT, CPoint point) {
        Relay(WM_LBUTTONDOWN, point);
        m_nPressItem = m_nFocusItem;
        InvalidateItem(m_nPressItem);
        if (QVToolBarHitTest(m_items, point) >= 0)
            this->SetCapture();
        else
            this->Default();
    }
    void OnLButtonUp(UINT, CPoint point) {
        Relay(WM_LBUTTONUP, point);
        if (::GetCapture() == this->m_hWnd) ::ReleaseCapture();
        const int nHit = QVToolBarHitTest(m_items, point);
        const int nPressed = m_nPressItem;
        m_nPressItem = -1;
        InvalidateItem(nPressed);
        if (nHit != m_nFocusItem) {
            InvalidateItem(m_nFocusItem);
            InvalidateItem(nHit);
            m_nFocusItem = nHit;
        }
        if (nHit < 0 || !m_items[nHit]->bEnabled) return;
        ToolBarItem& item = *m_items[nHit];
        const UINT nID = item.nID;
        switch (item.nType) {
        case TBIT_DROPDOWN:
            Notify(QVToolBarInArrowPart(item, point) ? WM_QV_TOOLBARDROPDOWN : WM_COMMAND, nID, 0);
            return;
        case TBIT_CHECKBOX:
            item.bChecked = !item.bChecked;
            InvalidateItem(nHit);
            break;
        case TBIT_RADIOBOX:
            if (item.bChecked) return;
            item.bChecked = TRUE;
            InvalidateItem(nHit);
            UnCheckOtherRadioBox(nHit);
            break;
        default:
            break;
        }
        Notify(WM_COMMAND, nID, 0);
    }
    void OnMouseLeave() {
        if (!m_bTracking) return;
        m_bTracking = FALSE;
        const int nOld = m_nFocusItem;
        m_nFocusItem = -1;
        InvalidateItem(nOld);
        if (nOld >= 0) ClearPrompt();
    }
    // 0x7E9: the bar colours and the three item colours come from the new skin; the pressed fill
    // keeps the value it was given at construction.
    LRESULT OnSkinChanged(WPARAM, LPARAM) {
        ResetColors();
        QVReadToolBarColors(m_crHotLine, m_crPressLine, m_crHotFill);
        if (m_hDrawFont) {
            ::DeleteObject(m_hDrawFont);
            m_hDrawFont = NULL;
        }
        InvalidateBar();
        return 1;
    }

protected:
    // Sends msg to the notify window, the parent or the main window; nothing when there is none.
    void Notify(UINT msg, WPARAM wParam, LPARAM lParam) {
        CWnd* pTarget = m_pNotifyWnd      ? m_pNotifyWnd
                        : m_bNotifyParent ? static_cast<const TBar*>(this)->GetNotifyParent()
                                          : AfxGetMainWnd();
        if (pTarget && pTarget->GetSafeHwnd()) ::SendMessage(pTarget->GetSafeHwnd(), msg, wParam, lParam);
    }
    // Unchecks every other checked radio box of item i's group.
    void UnCheckOtherRadioBox(int i) {
        int nFirst = 0, nLast = -1;
        QVToolBarRadioGroup(m_items, i, nFirst, nLast);
        for (int j = nFirst; j <= nLast; ++j) {
            if (j == i || m_items[j]->nType != TBIT_RADIOBOX || !m_items[j]->bChecked) continue;
            m_items[j]->bChecked = FALSE;
            InvalidateItem(j);
        }
    }
    // The layout: item rectangles from the measuring font (a row, or a column when m_bVertical) and
    // one tooltip tool per item (id index + 1).
    CSize CalcToolBarItems() {
        const CSize size = LayoutItems(m_items, m_bVertical);
        if (m_tooltip.GetSafeHwnd()) {
            for (int i = 0; i < m_nTools; ++i)
                m_tooltip.DelTool(this, i + 1);
            m_nTools = GetItemCount();
            for (int i = 0; i < m_nTools; ++i)
                m_tooltip.AddTool(this, m_items[i]->strTooltip, &m_items[i]->rc, i + 1);
        }
        return size;
    }
    // Lays items out in a row or a column, measured in the layout's font.
    CSize LayoutItems(std::vector<ToolBarItem*>& items, BOOL bVertical) {
        if (!m_hMeasureFont) m_hMeasureFont = QVCreateToolBarMeasureFont();
        const HFONT hFont = m_hMeasureFont;
        auto measure = [hFont](const CString& str) { return QVMeasureToolBarText(hFont, str); };
        return bVertical ? QVLayoutToolBarColumn(items, measure) : QVLayoutToolBarItems(items, measure);
    }
    BOOL IsIndex(int i) const { return i >= 0 && i < GetItemCount(); }
    void InvalidateItem(int i) {
        if (IsIndex(i) && this->GetSafeHwnd()) this->InvalidateRect(&m_items[i]->rc, TRUE);
    }
    void InvalidateBar() {
        if (this->GetSafeHwnd()) this->Invalidate(TRUE);
    }
    void ClearItems() {
        for (ToolBarItem* pItem : m_items)
            delete pItem;
        m_items.clear();
        m_nFocusItem = m_nPressItem = -1;
        m_bDirty = TRUE;
        InvalidateBar();
    }
    void Relay(UINT msg, CPoint point) {
        if (!m_tooltip.GetSafeHwnd()) return;
        MSG m = {this->m_hWnd, msg, 0, MAKELPARAM(point.x, point.y), 0, {0, 0}};
        m_tooltip.RelayEvent(&m);
    }

    BOOL m_bNotifyParent = TRUE;
    CWnd* m_pNotifyWnd = nullptr;
    BOOL m_bTracking = FALSE;
    BOOL m_bDirty = FALSE;
    CToolTipCtrl m_tooltip;
    std::vector<ToolBarItem*> m_items;
    CQVBitmapList* m_pBitmapList = nullptr;
    int m_nFocusItem = -1;
    int m_nPressItem = -1;
    COLORREF m_crHotLine = 0, m_crPressLine = 0, m_crHotFill = 0;
    COLORREF m_crPressFill = 0;
    BOOL m_bFlat = FALSE;
    BOOL m_bTransparent = FALSE;
    COLORREF m_crBack = RGB(255, 255, 255);
    HICON m_hArrowIcon = NULL;
    HINSTANCE m_hInstance = NULL;
    UINT m_nArrowIconId = 0;
    HFONT m_hMeasureFont = NULL;  // the layout's font, apart from the drawing font
    HFONT m_hDrawFont = NULL;
    int m_nTools = 0;          // tooltip tools added by the last layout
    BOOL m_bVertical = FALSE;  // the items lie in a column (a bar docked on a left or right edge)
};
