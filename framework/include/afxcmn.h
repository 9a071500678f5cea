// Common controls support: image lists and the common control wrappers (list and tree views, tabs,
// track bars, up-down and hot-key fields, progress bars, tooltips).
#pragma once

#include "afxwin.h"

// This thread's handle map of image lists (NULL when not yet made unless bCreate).
AFX_CORE_API CHandleMap* AFXAPI afxMapHIMAGELIST(BOOL bCreate = FALSE);

// A list of same-sized images (with optional masks) drawn by index. The attached image list is owned:
// DeleteImageList and the destructor destroy it.
class AFX_CORE_API CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList() = default;
    ~CImageList() override;

    HIMAGELIST m_hImageList = nullptr;

    // Both accept a NULL object pointer and then answer NULL.
    operator HIMAGELIST() const { return GetSafeHandle(); }
    HIMAGELIST GetSafeHandle() const;

    // The permanent wrapper of hImageList, else a temporary one freed at idle.
    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
    static CImageList* PASCAL FromHandlePermanent(HIMAGELIST hImageList);
    static void PASCAL DeleteTempMap();

    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();  // gives the list up without destroying it
    BOOL DeleteImageList();

    // nFlags: ILC_COLOR* and ILC_MASK; nGrow: images added at a time when the list fills up.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A strip of cx-wide images from a bitmap resource; pixels of crMask (unless CLR_NONE) are transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    // One image made of image nImage2 of the second list drawn over image nImage1 of the first, offset.
    BOOL Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx, int dy);
    BOOL Create(CImageList* pImageList);  // a copy

    int GetImageCount() const;
    BOOL SetImageCount(UINT uNewCount);
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    BOOL GetIconSize(int* pcx, int* pcy) const;
    COLORREF SetBkColor(COLORREF cr);  // CLR_NONE: masked images draw transparently
    COLORREF GetBkColor() const;

    // Add answers the index of the first new image, or -1.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);  // -1 removes all
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon);
    BOOL Copy(int iDst, int iSrc, UINT uFlags = ILCF_MOVE);
    BOOL Copy(int iDst, CImageList* pSrc, int iSrc, UINT uFlags = ILCF_MOVE);
    BOOL SetOverlayImage(int nImage, int nOverlay);
    // A new icon the caller destroys (DestroyIcon).
    HICON ExtractIcon(int nImage);

    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle);
    BOOL DrawIndirect(IMAGELISTDRAWPARAMS* pimldp);
    BOOL DrawIndirect(CDC* pDC, int nImage, POINT pt, SIZE sz, POINT ptOrigin, UINT fStyle = ILD_NORMAL,
                      DWORD dwRop = SRCCOPY, COLORREF rgbBack = CLR_DEFAULT, COLORREF rgbFore = CLR_DEFAULT,
                      DWORD fState = ILS_NORMAL, DWORD Frame = 0, COLORREF crEffect = CLR_DEFAULT);

    // Drag images (the system keeps one per thread).
    BOOL BeginDrag(int nImage, CPoint ptHotSpot);
    static void PASCAL EndDrag();
    static BOOL PASCAL DragMove(CPoint pt);
    BOOL SetDragCursorImage(int nDrag, CPoint ptHotSpot);
    static BOOL PASCAL DragShowNolock(BOOL bShow);
    static CImageList* PASCAL GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot);
    static BOOL PASCAL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL PASCAL DragLeave(CWnd* pWndLock);
};

class CEdit;
class CToolTipCtrl;

// A TOOLINFO with room for the tool's text, filled in by CToolTipCtrl::GetToolInfo.
class CToolInfo : public TOOLINFO {
public:
    TCHAR szText[256];
};

// A tooltip window. Tools are windows (nIDTool 0: the whole window pWnd) or rectangles of a window
// (nIDTool != 0). Mouse messages reach the tooltip through RelayEvent, normally called from the
// owner's PreTranslateMessage.
class AFX_CORE_API CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() override;

    // A popup owned by pParentWnd; dwStyle adds TTS_* styles such as TTS_ALWAYSTIP.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwStyle = 0, DWORD dwStyleEx = 0);

    // Tools. The text may be LPSTR_TEXTCALLBACK (asked from the window through TTN_GETDISPINFO) or a
    // string resource of the resource chain (nIDText).
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    BOOL GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(LPTOOLINFO lpToolInfo);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const { return static_cast<int>(::SendMessage(m_hWnd, TTM_GETTOOLCOUNT, 0, 0)); }
    BOOL GetCurrentTool(LPTOOLINFO lpToolInfo) const;
    // The tool of pWnd under pt (client coordinates of pWnd); its TOOLINFO goes to lpToolInfo.
    BOOL HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFO lpToolInfo) const;
    // Fills the identifying part of ti: a window tool for nIDTool 0, else a rectangle tool of pWnd.
    void FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const;

    // Behaviour and looks.
    void Activate(BOOL bActivate) { ::SendMessage(m_hWnd, TTM_ACTIVATE, bActivate, 0); }
    void RelayEvent(LPMSG lpMsg) {
        ::SendMessage(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
    }
    // The initial delay in milliseconds, the others derived from it; or one TTDT_* duration.
    void SetDelayTime(UINT nDelay) { ::SendMessage(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay); }
    void SetDelayTime(DWORD dwDuration, int iTime) {
        ::SendMessage(m_hWnd, TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
    }
    int GetDelayTime(DWORD dwDuration) const {
        return static_cast<int>(::SendMessage(m_hWnd, TTM_GETDELAYTIME, dwDuration, 0));
    }
    // Texts wider than this wrap onto several lines; -1 allows any width. Answers the previous width.
    int SetMaxTipWidth(int iWidth) {
        return static_cast<int>(::SendMessage(m_hWnd, TTM_SETMAXTIPWIDTH, 0, iWidth));
    }
    int GetMaxTipWidth() const { return static_cast<int>(::SendMessage(m_hWnd, TTM_GETMAXTIPWIDTH, 0, 0)); }
    void SetMargin(LPRECT lprc) { ::SendMessage(m_hWnd, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(lprc)); }
    void GetMargin(LPRECT lprc) const {
        ::SendMessage(m_hWnd, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(lprc));
    }
    void SetTipBkColor(COLORREF clr) { ::SendMessage(m_hWnd, TTM_SETTIPBKCOLOR, clr, 0); }
    COLORREF GetTipBkColor() const {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, TTM_GETTIPBKCOLOR, 0, 0));
    }
    void SetTipTextColor(COLORREF clr) { ::SendMessage(m_hWnd, TTM_SETTIPTEXTCOLOR, clr, 0); }
    COLORREF GetTipTextColor() const {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, TTM_GETTIPTEXTCOLOR, 0, 0));
    }
    BOOL SetTitle(UINT uIcon, LPCTSTR lpszTitle) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, TTM_SETTITLE, uIcon, reinterpret_cast<LPARAM>(lpszTitle)));
    }
    BOOL AdjustRect(LPRECT lprc, BOOL bLarger = TRUE) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, TTM_ADJUSTRECT, bLarger, reinterpret_cast<LPARAM>(lprc)));
    }

    void Pop() { ::SendMessage(m_hWnd, TTM_POP, 0, 0); }
    void Popup() { ::SendMessage(m_hWnd, TTM_POPUP, 0, 0); }
    void Update() { ::SendMessage(m_hWnd, TTM_UPDATE, 0, 0); }
    // Tracking tooltips (TTF_TRACK tools) are shown and placed by their owner.
    void TrackActivate(BOOL bActivate, LPTOOLINFO lpToolInfo) {
        ::SendMessage(m_hWnd, TTM_TRACKACTIVATE, bActivate, reinterpret_cast<LPARAM>(lpToolInfo));
    }
    void TrackPosition(int xPos, int yPos) {
        ::SendMessage(m_hWnd, TTM_TRACKPOSITION, 0, MAKELPARAM(xPos, yPos));
    }
};

// The column header of a list view, or a header control of its own.
class AFX_CORE_API CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    ~CHeaderCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const { return static_cast<int>(::SendMessage(m_hWnd, HDM_GETITEMCOUNT, 0, 0)); }
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, HDM_GETITEM, nPos, reinterpret_cast<LPARAM>(pHeaderItem)));
    }
    BOOL SetItem(int nPos, HDITEM* pHeaderItem) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, HDM_SETITEM, nPos, reinterpret_cast<LPARAM>(pHeaderItem)));
    }
    // Answers the new item's index, or -1.
    int InsertItem(int nPos, HDITEM* phdi) {
        return static_cast<int>(::SendMessage(m_hWnd, HDM_INSERTITEM, nPos, reinterpret_cast<LPARAM>(phdi)));
    }
    BOOL DeleteItem(int nPos) { return static_cast<BOOL>(::SendMessage(m_hWnd, HDM_DELETEITEM, nPos, 0)); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, HDM_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)));
    }
    // The size and position the header wants inside pHeaderLayout->prc.
    BOOL Layout(HDLAYOUT* pHeaderLayout) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(pHeaderLayout)));
    }
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo) {
        return static_cast<int>(
            ::SendMessage(m_hWnd, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(pHeaderHitTestInfo)));
    }
    // Answers the previous list as a temporary object.
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;
    int OrderToIndex(int nOrder) const {
        return static_cast<int>(::SendMessage(m_hWnd, HDM_ORDERTOINDEX, nOrder, 0));
    }
    // Left-to-right order of the items; iCount -1 means every item.
    BOOL GetOrderArray(LPINT piArray, int iCount = -1);
    BOOL SetOrderArray(int iCount, LPINT piArray) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, HDM_SETORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray)));
    }
    int SetHotDivider(CPoint pt) {
        return static_cast<int>(::SendMessage(m_hWnd, HDM_SETHOTDIVIDER, TRUE, MAKELPARAM(pt.x, pt.y)));
    }
    int SetHotDivider(int nIndex) {
        return static_cast<int>(::SendMessage(m_hWnd, HDM_SETHOTDIVIDER, FALSE, nIndex));
    }
    int GetBitmapMargin() const { return static_cast<int>(::SendMessage(m_hWnd, HDM_GETBITMAPMARGIN, 0, 0)); }
    int SetBitmapMargin(int nWidth) {
        return static_cast<int>(::SendMessage(m_hWnd, HDM_SETBITMAPMARGIN, nWidth, 0));
    }

    // Draws an HDF_OWNERDRAW item; derived classes override it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A list view: icons, small icons, a list or a report with columns.
class AFX_CORE_API CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;
    ~CListCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // dwExStyle holds WS_EX_* window styles; LVS_EX_* styles go through SetExtendedStyle.
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Colours (CLR_NONE: transparent).
    COLORREF GetBkColor() const { return static_cast<COLORREF>(::SendMessage(m_hWnd, LVM_GETBKCOLOR, 0, 0)); }
    BOOL SetBkColor(COLORREF cr) { return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETBKCOLOR, 0, cr)); }
    COLORREF GetTextColor() const {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, LVM_GETTEXTCOLOR, 0, 0));
    }
    BOOL SetTextColor(COLORREF cr) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETTEXTCOLOR, 0, cr));
    }
    COLORREF GetTextBkColor() const {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, LVM_GETTEXTBKCOLOR, 0, 0));
    }
    BOOL SetTextBkColor(COLORREF cr) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETTEXTBKCOLOR, 0, cr));
    }

    // nImageList: LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE. SetImageList answers the previous list as a
    // temporary object.
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);

    // Columns (report view).
    int InsertColumn(int nCol, const LVCOLUMN* pColumn) {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LVM_INSERTCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn)));
    }
    // nWidth -1 leaves the width to the control; nSubItem -1 keeps the default sub-item index.
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_DELETECOLUMN, nCol, 0));
    }
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, LVM_GETCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn)));
    }
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, LVM_SETCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn)));
    }
    int GetColumnWidth(int nCol) const {
        return static_cast<int>(::SendMessage(m_hWnd, LVM_GETCOLUMNWIDTH, nCol, 0));
    }
    // cx may be LVSCW_AUTOSIZE or LVSCW_AUTOSIZE_USEHEADER.
    BOOL SetColumnWidth(int nCol, int cx) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)));
    }
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1) const;
    BOOL SetColumnOrderArray(int iCount, LPINT piArray) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, LVM_SETCOLUMNORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray)));
    }
    // The header of a report view, as a temporary object unless it is attached to one.
    CHeaderCtrl* GetHeaderCtrl() const;

    // Items. InsertItem answers the new item's index (it may differ from nItem in a sorted view) or -1.
    int InsertItem(const LVITEM* pItem) {
        return static_cast<int>(::SendMessage(m_hWnd, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam);
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_DELETEITEM, nItem, 0)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_DELETEALLITEMS, 0, 0)); }
    int GetItemCount() const { return static_cast<int>(::SendMessage(m_hWnd, LVM_GETITEMCOUNT, 0, 0)); }
    void SetItemCount(int nItems) { ::SendMessage(m_hWnd, LVM_SETITEMCOUNT, nItems, 0); }
    BOOL SetItemCountEx(int iCount, DWORD dwFlags = LVSICF_NOINVALIDATEALL) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETITEMCOUNT, iCount, dwFlags));
    }
    BOOL GetItem(LVITEM* pItem) const {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItem(const LVITEM* pItem) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam, int nIndent);
    CString GetItemText(int nItem, int nSubItem) const;
    // Copies at most nLen - 1 characters and a terminating zero; answers the characters copied.
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const {
        return static_cast<UINT>(::SendMessage(m_hWnd, LVM_GETITEMSTATE, nItem, nMask));
    }
    // nItem -1 changes every item.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL SetItemState(int nItem, LVITEM* pItem) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, LVM_SETITEMSTATE, nItem, reinterpret_cast<LPARAM>(pItem)));
    }
    // Check boxes of LVS_EX_CHECKBOXES views.
    BOOL GetCheck(int nItem) const;
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE);
    UINT GetCallbackMask() const {
        return static_cast<UINT>(::SendMessage(m_hWnd, LVM_GETCALLBACKMASK, 0, 0));
    }
    BOOL SetCallbackMask(UINT nMask) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETCALLBACKMASK, nMask, 0));
    }

    // Searching and selection. nFlags of GetNextItem: LVNI_* (LVNI_SELECTED, LVNI_FOCUSED, ...).
    int GetNextItem(int nItem, int nFlags) const {
        return static_cast<int>(::SendMessage(m_hWnd, LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0)));
    }
    // Walks the selected items: pos is NULL when there are no more.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    UINT GetSelectedCount() const {
        return static_cast<UINT>(::SendMessage(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0));
    }
    int GetSelectionMark() const {
        return static_cast<int>(::SendMessage(m_hWnd, LVM_GETSELECTIONMARK, 0, 0));
    }
    int SetSelectionMark(int iIndex) {
        return static_cast<int>(::SendMessage(m_hWnd, LVM_SETSELECTIONMARK, 0, iIndex));
    }
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LVM_FINDITEM, nStart, reinterpret_cast<LPARAM>(pFindInfo)));
    }
    int GetHotItem() const { return static_cast<int>(::SendMessage(m_hWnd, LVM_GETHOTITEM, 0, 0)); }
    int SetHotItem(int iIndex) { return static_cast<int>(::SendMessage(m_hWnd, LVM_SETHOTITEM, iIndex, 0)); }

    // Geometry. nCode: LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, LVM_GETITEMPOSITION, nItem, reinterpret_cast<LPARAM>(lpPoint)));
    }
    BOOL SetItemPosition(int nItem, POINT pt) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, LVM_SETITEMPOSITION32, nItem, reinterpret_cast<LPARAM>(&pt)));
    }
    BOOL GetViewRect(LPRECT lpRect) const {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_GETVIEWRECT, 0, reinterpret_cast<LPARAM>(lpRect)));
    }
    BOOL GetOrigin(LPPOINT lpPoint) const {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(lpPoint)));
    }
    int GetStringWidth(LPCTSTR lpsz) const {
        return static_cast<int>(::SendMessage(m_hWnd, LVM_GETSTRINGWIDTH, 0, reinterpret_cast<LPARAM>(lpsz)));
    }
    int GetTopIndex() const { return static_cast<int>(::SendMessage(m_hWnd, LVM_GETTOPINDEX, 0, 0)); }
    int GetCountPerPage() const { return static_cast<int>(::SendMessage(m_hWnd, LVM_GETCOUNTPERPAGE, 0, 0)); }
    CSize ApproximateViewRect(CSize sz = CSize(-1, -1), int iCount = -1) const;
    // Answers the item under pt (client coordinates) or -1; *pFlags receives the LVHT_* part.
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
    }
    int SubItemHitTest(LPLVHITTESTINFO pInfo) {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo)));
    }

    // Styles: SetExtendedStyle answers the previous LVS_EX_* styles.
    DWORD SetExtendedStyle(DWORD dwNewStyle) {
        return static_cast<DWORD>(::SendMessage(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
    }
    DWORD GetExtendedStyle() const {
        return static_cast<DWORD>(::SendMessage(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    }

    // Operations.
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_ENSUREVISIBLE, nItem, MAKELPARAM(bPartialOK, 0)));
    }
    BOOL Scroll(CSize size) { return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SCROLL, size.cx, size.cy)); }
    BOOL RedrawItems(int nFirst, int nLast) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_REDRAWITEMS, nFirst, nLast));
    }
    BOOL Update(int nItem) { return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_UPDATE, nItem, 0)); }
    BOOL Arrange(UINT nCode) { return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_ARRANGE, nCode, 0)); }
    // pfnCompare gets the items' lParam values and dwData.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, LVM_SORTITEMS, dwData, reinterpret_cast<LPARAM>(pfnCompare)));
    }
    // pfnCompare gets the items' indexes and dwData.
    BOOL SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, LVM_SORTITEMSEX, dwData, reinterpret_cast<LPARAM>(pfnCompare)));
    }
    // In-place label editing: the edit control as a temporary object (NULL when none).
    CEdit* EditLabel(int nItem);
    CEdit* GetEditControl() const;
    CImageList* CreateDragImage(int nItem, LPPOINT lpPoint);
    CToolTipCtrl* GetToolTips() const;
    CToolTipCtrl* SetToolTips(CToolTipCtrl* pTip);

    // Draws an item of an LVS_OWNERDRAWFIXED report view; derived classes override it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A tree view of items with optional images, check boxes and in-place editing.
class AFX_CORE_API CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl() = default;
    ~CTreeCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Items. The image forms set TVIF_IMAGE | TVIF_SELECTEDIMAGE; hInsertAfter may be TVI_FIRST,
    // TVI_LAST or TVI_SORT.
    HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct) {
        return reinterpret_cast<HTREEITEM>(
            ::SendMessage(m_hWnd, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(lpInsertStruct)));
    }
    HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                         UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hItem)));
    }
    BOOL DeleteAllItems() {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
    }
    // nCode: TVE_EXPAND, TVE_COLLAPSE, TVE_TOGGLE...
    BOOL Expand(HTREEITEM hItem, UINT nCode) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(hItem)));
    }
    UINT GetCount() const { return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETCOUNT, 0, 0)); }
    UINT GetVisibleCount() const {
        return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETVISIBLECOUNT, 0, 0));
    }

    // Navigation (NULL when there is no such item). nCode of GetNextItem: TVGN_*.
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const {
        return reinterpret_cast<HTREEITEM>(
            ::SendMessage(m_hWnd, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
    }
    BOOL ItemHasChildren(HTREEITEM hItem) const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
    HTREEITEM GetPrevVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE); }
    HTREEITEM GetLastVisibleItem() const { return GetNextItem(nullptr, TVGN_LASTVISIBLE); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }

    // Selection. nCode of Select: TVGN_CARET, TVGN_DROPHILITE or TVGN_FIRSTVISIBLE.
    BOOL Select(HTREEITEM hItem, UINT nCode) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, TVM_SELECTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
    }
    BOOL SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
    BOOL SelectDropTarget(HTREEITEM hItem) { return Select(hItem, TVGN_DROPHILITE); }
    BOOL SelectSetFirstVisible(HTREEITEM hItem) { return Select(hItem, TVGN_FIRSTVISIBLE); }

    // Item attributes.
    BOOL GetItem(TVITEM* pItem) const {
        return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItem(TVITEM* pItem) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    // The item's whole line, or only its text with bTextOnly; FALSE when the item is not visible.
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
    // Check boxes of TVS_CHECKBOXES trees.
    BOOL GetCheck(HTREEITEM hItem) const;
    BOOL SetCheck(HTREEITEM hItem, BOOL fCheck = TRUE);

    // Looks.
    CImageList* GetImageList(int nImageList) const;
    // nImageList: TVSIL_NORMAL or TVSIL_STATE. Answers the previous list as a temporary object.
    CImageList* SetImageList(CImageList* pImageList, int nImageList);
    UINT GetIndent() const { return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETINDENT, 0, 0)); }
    void SetIndent(UINT nIndent) { ::SendMessage(m_hWnd, TVM_SETINDENT, nIndent, 0); }
    SHORT GetItemHeight() const { return static_cast<SHORT>(::SendMessage(m_hWnd, TVM_GETITEMHEIGHT, 0, 0)); }
    SHORT SetItemHeight(SHORT cyHeight) {
        return static_cast<SHORT>(::SendMessage(m_hWnd, TVM_SETITEMHEIGHT, cyHeight, 0));
    }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_GETBKCOLOR, 0, 0)); }
    COLORREF SetBkColor(COLORREF clr) {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_SETBKCOLOR, 0, clr));
    }
    COLORREF GetTextColor() const {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_GETTEXTCOLOR, 0, 0));
    }
    COLORREF SetTextColor(COLORREF clr) {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_SETTEXTCOLOR, 0, clr));
    }
    COLORREF GetLineColor() const {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_GETLINECOLOR, 0, 0));
    }
    COLORREF SetLineColor(COLORREF clr = CLR_DEFAULT) {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_SETLINECOLOR, 0, clr));
    }
    BOOL SetInsertMark(HTREEITEM hItem, BOOL fAfter = TRUE) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, TVM_SETINSERTMARK, fAfter, reinterpret_cast<LPARAM>(hItem)));
    }
    CToolTipCtrl* GetToolTips() const;
    CToolTipCtrl* SetToolTips(CToolTipCtrl* pWndTip);

    // Operations.
    // Answers the item under pt (client coordinates) or NULL; *pFlags receives the TVHT_* part.
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const {
        return reinterpret_cast<HTREEITEM>(
            ::SendMessage(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
    }
    BOOL EnsureVisible(HTREEITEM hItem) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem)));
    }
    // Sorts the children of hItem (TVI_ROOT: the top level) alphabetically by text.
    BOOL SortChildren(HTREEITEM hItem) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(hItem)));
    }
    BOOL SortChildrenCB(LPTVSORTCB pSort) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(pSort)));
    }
    // In-place label editing: the edit control as a temporary object (NULL when none).
    CEdit* EditLabel(HTREEITEM hItem);
    CEdit* GetEditControl() const;
    BOOL EndEditLabelNow(BOOL fCancelWithoutSave) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, TVM_ENDEDITLABELNOW, fCancelWithoutSave, 0));
    }
    CImageList* CreateDragImage(HTREEITEM hItem);
};

// A tab control: a row (or rows) of tabs above or below a display area.
class AFX_CORE_API CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() = default;
    ~CTabCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Items. InsertItem answers the new tab's index or -1.
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem) {
        return static_cast<LONG>(
            ::SendMessage(m_hWnd, TCM_INSERTITEM, nItem, reinterpret_cast<LPARAM>(pTabCtrlItem)));
    }
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam);
    LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam, DWORD dwState,
                    DWORD dwStateMask);
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_DELETEITEM, nItem, 0)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_DELETEALLITEMS, 0, 0)); }
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, TCM_GETITEM, nItem, reinterpret_cast<LPARAM>(pTabCtrlItem)));
    }
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, TCM_SETITEM, nItem, reinterpret_cast<LPARAM>(pTabCtrlItem)));
    }
    BOOL SetItemExtra(int nBytes) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_SETITEMEXTRA, nBytes, 0));
    }
    int GetItemCount() const { return static_cast<int>(::SendMessage(m_hWnd, TCM_GETITEMCOUNT, 0, 0)); }
    DWORD GetItemState(int nItem, DWORD dwMask) const;
    BOOL SetItemState(int nItem, DWORD dwMask, DWORD dwState);
    BOOL HighlightItem(int idItem, BOOL fHighlight = TRUE) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, TCM_HIGHLIGHTITEM, idItem, MAKELPARAM(fHighlight, 0)));
    }

    // Selection: SetCurSel answers the previous selection (no TCN_SELCHANGE is sent).
    int GetCurSel() const { return static_cast<int>(::SendMessage(m_hWnd, TCM_GETCURSEL, 0, 0)); }
    int SetCurSel(int nItem) { return static_cast<int>(::SendMessage(m_hWnd, TCM_SETCURSEL, nItem, 0)); }
    int GetCurFocus() const { return static_cast<int>(::SendMessage(m_hWnd, TCM_GETCURFOCUS, 0, 0)); }
    void SetCurFocus(int nItem) { ::SendMessage(m_hWnd, TCM_SETCURFOCUS, nItem, 0); }
    void DeselectAll(BOOL fExcludeFocus) { ::SendMessage(m_hWnd, TCM_DESELECTALL, fExcludeFocus, 0); }

    // Geometry.
    BOOL GetItemRect(int nItem, LPRECT lpRect) const {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, TCM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect)));
    }
    // Between the window rectangle (bLarger) and the display area.
    void AdjustRect(BOOL bLarger, LPRECT lpRect) {
        ::SendMessage(m_hWnd, TCM_ADJUSTRECT, bLarger, reinterpret_cast<LPARAM>(lpRect));
    }
    int HitTest(TCHITTESTINFO* pHitTestInfo) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
    }
    // Fixed-width tabs (TCS_FIXEDWIDTH); answers the previous size.
    CSize SetItemSize(CSize size);
    void SetPadding(CSize size) { ::SendMessage(m_hWnd, TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }
    int SetMinTabWidth(int cx) { return static_cast<int>(::SendMessage(m_hWnd, TCM_SETMINTABWIDTH, 0, cx)); }
    int GetRowCount() const { return static_cast<int>(::SendMessage(m_hWnd, TCM_GETROWCOUNT, 0, 0)); }
    DWORD GetExtendedStyle() const {
        return static_cast<DWORD>(::SendMessage(m_hWnd, TCM_GETEXTENDEDSTYLE, 0, 0));
    }
    DWORD SetExtendedStyle(DWORD dwNewStyle, DWORD dwExMask = 0) {
        return static_cast<DWORD>(::SendMessage(m_hWnd, TCM_SETEXTENDEDSTYLE, dwExMask, dwNewStyle));
    }

    // Looks. SetImageList answers the previous list as a temporary object.
    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);
    void RemoveImage(int nImage) { ::SendMessage(m_hWnd, TCM_REMOVEIMAGE, nImage, 0); }
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pWndTip);

    // Draws a tab of a TCS_OWNERDRAWFIXED control; derived classes override it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A track bar: a thumb moved along a channel between a minimum and a maximum.
class AFX_CORE_API CSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    CSliderCtrl() = default;
    ~CSliderCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetPos() const { return static_cast<int>(::SendMessage(m_hWnd, TBM_GETPOS, 0, 0)); }
    void SetPos(int nPos) { ::SendMessage(m_hWnd, TBM_SETPOS, TRUE, nPos); }
    int GetRangeMin() const { return static_cast<int>(::SendMessage(m_hWnd, TBM_GETRANGEMIN, 0, 0)); }
    int GetRangeMax() const { return static_cast<int>(::SendMessage(m_hWnd, TBM_GETRANGEMAX, 0, 0)); }
    void GetRange(int& nMin, int& nMax) const {
        nMin = GetRangeMin();
        nMax = GetRangeMax();
    }
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE) {
        ::SendMessage(m_hWnd, TBM_SETRANGEMIN, bRedraw, nMin);
    }
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE) {
        ::SendMessage(m_hWnd, TBM_SETRANGEMAX, bRedraw, nMax);
    }
    // Full 32-bit limits (set one after the other).
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE) {
        SetRangeMin(nMin, FALSE);
        SetRangeMax(nMax, bRedraw);
    }
    int GetLineSize() const { return static_cast<int>(::SendMessage(m_hWnd, TBM_GETLINESIZE, 0, 0)); }
    int SetLineSize(int nSize) { return static_cast<int>(::SendMessage(m_hWnd, TBM_SETLINESIZE, 0, nSize)); }
    int GetPageSize() const { return static_cast<int>(::SendMessage(m_hWnd, TBM_GETPAGESIZE, 0, 0)); }
    int SetPageSize(int nSize) { return static_cast<int>(::SendMessage(m_hWnd, TBM_SETPAGESIZE, 0, nSize)); }
    void GetSelection(int& nMin, int& nMax) const {
        nMin = static_cast<int>(::SendMessage(m_hWnd, TBM_GETSELSTART, 0, 0));
        nMax = static_cast<int>(::SendMessage(m_hWnd, TBM_GETSELEND, 0, 0));
    }
    void SetSelection(int nMin, int nMax) {
        ::SendMessage(m_hWnd, TBM_SETSELSTART, FALSE, nMin);
        ::SendMessage(m_hWnd, TBM_SETSELEND, TRUE, nMax);
    }
    void ClearSel(BOOL bRedraw = FALSE) { ::SendMessage(m_hWnd, TBM_CLEARSEL, bRedraw, 0); }
    void GetChannelRect(LPRECT lprc) const {
        ::SendMessage(m_hWnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(lprc));
    }
    void GetThumbRect(LPRECT lprc) const {
        ::SendMessage(m_hWnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(lprc));
    }
    int GetThumbLength() const { return static_cast<int>(::SendMessage(m_hWnd, TBM_GETTHUMBLENGTH, 0, 0)); }
    void SetThumbLength(int nLength) { ::SendMessage(m_hWnd, TBM_SETTHUMBLENGTH, nLength, 0); }

    // Tick marks (TBS_AUTOTICKS).
    void SetTicFreq(int nFreq) { ::SendMessage(m_hWnd, TBM_SETTICFREQ, nFreq, 0); }
    BOOL SetTic(int nTic) { return static_cast<BOOL>(::SendMessage(m_hWnd, TBM_SETTIC, 0, nTic)); }
    UINT GetNumTics() const { return static_cast<UINT>(::SendMessage(m_hWnd, TBM_GETNUMTICS, 0, 0)); }
    int GetTic(int nTic) const { return static_cast<int>(::SendMessage(m_hWnd, TBM_GETTIC, nTic, 0)); }
    int GetTicPos(int nTic) const { return static_cast<int>(::SendMessage(m_hWnd, TBM_GETTICPOS, nTic, 0)); }
    DWORD* GetTicArray() const { return reinterpret_cast<DWORD*>(::SendMessage(m_hWnd, TBM_GETPTICS, 0, 0)); }
    void ClearTics(BOOL bRedraw = FALSE) { ::SendMessage(m_hWnd, TBM_CLEARTICS, bRedraw, 0); }

    // A buddy window at the left or top (fLocation TRUE) or the right or bottom.
    CWnd* GetBuddy(BOOL fLocation = TRUE) const;
    CWnd* SetBuddy(CWnd* pWndBuddy, BOOL fLocation = TRUE);
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pWndTip);
    int SetTipSide(int nLocation) {
        return static_cast<int>(::SendMessage(m_hWnd, TBM_SETTIPSIDE, nLocation, 0));
    }
};

// An up-down control, usually bound to a buddy edit control that shows its position.
class AFX_CORE_API CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;
    ~CSpinButtonCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The 16-bit position in the low word; the high word is non-zero when the buddy's text is not a
    // valid position.
    int GetPos() const { return static_cast<int>(::SendMessage(m_hWnd, UDM_GETPOS, 0, 0)); }
    // Answers the previous position.
    int SetPos(int nPos) {
        return static_cast<short>(
            ::SendMessage(m_hWnd, UDM_SETPOS, 0, MAKELPARAM(static_cast<short>(nPos), 0)));
    }
    int GetPos32(LPBOOL lpbError = nullptr) const {
        return static_cast<int>(::SendMessage(m_hWnd, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError)));
    }
    int SetPos32(int nPos) { return static_cast<int>(::SendMessage(m_hWnd, UDM_SETPOS32, 0, nPos)); }
    // The 16-bit range: maximum in the low word, minimum in the high word.
    DWORD GetRange() const { return static_cast<DWORD>(::SendMessage(m_hWnd, UDM_GETRANGE, 0, 0)); }
    void GetRange(int& lower, int& upper) const;
    void SetRange(short nLower, short nUpper) {
        ::SendMessage(m_hWnd, UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
    }
    void GetRange32(int& lower, int& upper) const {
        ::SendMessage(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                      reinterpret_cast<LPARAM>(&upper));
    }
    void SetRange32(int lower, int upper) { ::SendMessage(m_hWnd, UDM_SETRANGE32, lower, upper); }
    // 10 (decimal) or 16 (hexadecimal); SetBase answers the previous base, 0 for a bad one.
    UINT GetBase() const { return static_cast<UINT>(::SendMessage(m_hWnd, UDM_GETBASE, 0, 0)); }
    int SetBase(int nBase) { return static_cast<int>(::SendMessage(m_hWnd, UDM_SETBASE, nBase, 0)); }
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const {
        return static_cast<UINT>(
            ::SendMessage(m_hWnd, UDM_GETACCEL, nAccel, reinterpret_cast<LPARAM>(pAccel)));
    }
    BOOL SetAccel(int nAccel, UDACCEL* pAccel) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, UDM_SETACCEL, nAccel, reinterpret_cast<LPARAM>(pAccel)));
    }
    // The buddy window, as a temporary object unless attached; SetBuddy answers the previous one.
    CWnd* GetBuddy() const;
    CWnd* SetBuddy(CWnd* pWndBuddy);
};

// A hot-key field: the user presses a key combination, the control shows and reports it.
class AFX_CORE_API CHotKeyCtrl : public CWnd {
    DECLARE_DYNAMIC(CHotKeyCtrl)
public:
    CHotKeyCtrl() = default;
    ~CHotKeyCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // wModifiers: HOTKEYF_SHIFT, HOTKEYF_CONTROL, HOTKEYF_ALT, HOTKEYF_EXT.
    void SetHotKey(WORD wVirtualKeyCode, WORD wModifiers) {
        ::SendMessage(m_hWnd, HKM_SETHOTKEY, MAKEWORD(wVirtualKeyCode, wModifiers), 0);
    }
    // The virtual key in the low byte, the modifiers in the next one.
    DWORD GetHotKey() const { return static_cast<DWORD>(::SendMessage(m_hWnd, HKM_GETHOTKEY, 0, 0)); }
    void GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const;
    // Combinations in wInvalidComb (HKCOMB_*) are replaced by wModifiers.
    void SetRules(WORD wInvalidComb, WORD wModifiers) {
        ::SendMessage(m_hWnd, HKM_SETRULES, wInvalidComb, MAKELPARAM(wModifiers, 0));
    }
    // The combination as the keyboard names it, e.g. "Ctrl + Shift + A"; empty when none is set.
    CString GetHotKeyName() const;
    static CString PASCAL GetKeyName(UINT vk, BOOL fExtended);
};

// A progress bar.
class AFX_CORE_API CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;
    ~CProgressCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper) {
        ::SendMessage(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
    }
    void SetRange32(int nLower, int nUpper) { ::SendMessage(m_hWnd, PBM_SETRANGE32, nLower, nUpper); }
    void GetRange(int& nLower, int& nUpper) const;
    int GetPos() const { return static_cast<int>(::SendMessage(m_hWnd, PBM_GETPOS, 0, 0)); }
    // The position setters answer the previous position.
    int SetPos(int nPos) { return static_cast<int>(::SendMessage(m_hWnd, PBM_SETPOS, nPos, 0)); }
    int OffsetPos(int nPos) { return static_cast<int>(::SendMessage(m_hWnd, PBM_DELTAPOS, nPos, 0)); }
    int SetStep(int nStep) { return static_cast<int>(::SendMessage(m_hWnd, PBM_SETSTEP, nStep, 0)); }
    int GetStep() const { return static_cast<int>(::SendMessage(m_hWnd, PBM_GETSTEP, 0, 0)); }
    // Advances by the step and wraps to the minimum past the maximum.
    int StepIt() { return static_cast<int>(::SendMessage(m_hWnd, PBM_STEPIT, 0, 0)); }
    // The colour setters answer the previous colour (CLR_DEFAULT for the system's).
    COLORREF SetBarColor(COLORREF clrBar) {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, PBM_SETBARCOLOR, 0, clrBar));
    }
    COLORREF SetBkColor(COLORREF clrNew) {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, PBM_SETBKCOLOR, 0, clrNew));
    }
    COLORREF GetBarColor() const {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, PBM_GETBARCOLOR, 0, 0));
    }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(::SendMessage(m_hWnd, PBM_GETBKCOLOR, 0, 0)); }
    BOOL SetMarquee(BOOL fMarqueeMode, int nInterval) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, PBM_SETMARQUEE, fMarqueeMode, nInterval));
    }
};
