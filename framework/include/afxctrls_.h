// The standard controls (static, button, edit, combo box, list box, scroll bar) as thin window wrappers:
// each member sends the control its own message. Owner-drawn controls reach their virtual DrawItem,
// MeasureItem, CompareItem and DeleteItem when the parent reflects WM_DRAWITEM and friends to them.
#pragma once

#include "afxver_.h"
#include "afxstr.h"
#include "atltypes.h"
#include "afxwnd_.h"

// A static control: text, frame, icon, bitmap, cursor or enhanced metafile.
class AFX_CORE_API CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
    ~CStatic() override;

    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID = 0xffff);

    // Each setter answers the image the control showed before (SS_ICON, SS_BITMAP... styles).
    HICON SetIcon(HICON hIcon) {
        return reinterpret_cast<HICON>(
            ::SendMessage(m_hWnd, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(::SendMessage(m_hWnd, STM_GETICON, 0, 0)); }
    HBITMAP SetBitmap(HBITMAP hBitmap) {
        return reinterpret_cast<HBITMAP>(
            ::SendMessage(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }
    HBITMAP GetBitmap() const {
        return reinterpret_cast<HBITMAP>(::SendMessage(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
    }
    HCURSOR SetCursor(HCURSOR hCursor) {
        return reinterpret_cast<HCURSOR>(
            ::SendMessage(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(hCursor)));
    }
    HCURSOR GetCursor() const {
        return reinterpret_cast<HCURSOR>(::SendMessage(m_hWnd, STM_GETIMAGE, IMAGE_CURSOR, 0));
    }
    HENHMETAFILE SetEnhMetaFile(HENHMETAFILE hMetaFile) {
        return reinterpret_cast<HENHMETAFILE>(
            ::SendMessage(m_hWnd, STM_SETIMAGE, IMAGE_ENHMETAFILE, reinterpret_cast<LPARAM>(hMetaFile)));
    }
    HENHMETAFILE GetEnhMetaFile() const {
        return reinterpret_cast<HENHMETAFILE>(::SendMessage(m_hWnd, STM_GETIMAGE, IMAGE_ENHMETAFILE, 0));
    }

    // Draws an SS_OWNERDRAW control; derived classes override it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A push button, check box, radio button or group box.
class AFX_CORE_API CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;
    ~CButton() override;

    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BST_* bits: checked, pushed (highlighted), focus.
    UINT GetState() const { return static_cast<UINT>(::SendMessage(m_hWnd, BM_GETSTATE, 0, 0)); }
    void SetState(BOOL bHighlight) { ::SendMessage(m_hWnd, BM_SETSTATE, bHighlight, 0); }
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(::SendMessage(m_hWnd, BM_GETCHECK, 0, 0)); }
    void SetCheck(int nCheck) { ::SendMessage(m_hWnd, BM_SETCHECK, nCheck, 0); }
    // The BS_* type bits of the window style.
    UINT GetButtonStyle() const { return static_cast<UINT>(::GetWindowLongPtr(m_hWnd, GWL_STYLE)) & 0xff; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) {
        ::SendMessage(m_hWnd, BM_SETSTYLE, nStyle, bRedraw);
    }
    void Click() { ::SendMessage(m_hWnd, BM_CLICK, 0, 0); }

    // Images of BS_ICON / BS_BITMAP buttons; the setters answer the previous image.
    HICON SetIcon(HICON hIcon) {
        return reinterpret_cast<HICON>(
            ::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
    }
    HICON GetIcon() const {
        return reinterpret_cast<HICON>(::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0));
    }
    HBITMAP SetBitmap(HBITMAP hBitmap) {
        return reinterpret_cast<HBITMAP>(
            ::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }
    HBITMAP GetBitmap() const {
        return reinterpret_cast<HBITMAP>(::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
    }
    HCURSOR SetCursor(HCURSOR hCursor) {
        return reinterpret_cast<HCURSOR>(
            ::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(hCursor)));
    }
    HCURSOR GetCursor() const {
        return reinterpret_cast<HCURSOR>(::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_CURSOR, 0));
    }

    // Draws a BS_OWNERDRAW button; derived classes override it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A single- or multi-line edit control.
class AFX_CORE_API CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    ~CEdit() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL CanUndo() const { return static_cast<BOOL>(::SendMessage(m_hWnd, EM_CANUNDO, 0, 0)); }
    int GetLineCount() const { return static_cast<int>(::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0)); }
    BOOL GetModify() const { return static_cast<BOOL>(::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0)); }
    void SetModify(BOOL bModified = TRUE) { ::SendMessage(m_hWnd, EM_SETMODIFY, bModified, 0); }
    void GetRect(LPRECT lpRect) const {
        ::SendMessage(m_hWnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(lpRect));
    }
    void SetRect(LPCRECT lpRect) { ::SendMessage(m_hWnd, EM_SETRECT, 0, reinterpret_cast<LPARAM>(lpRect)); }
    void SetRectNP(LPCRECT lpRect) {
        ::SendMessage(m_hWnd, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(lpRect));
    }
    // The selection: start in the low word, end (the first character after it) in the high word.
    DWORD GetSel() const { return static_cast<DWORD>(::SendMessage(m_hWnd, EM_GETSEL, 0, 0)); }
    void GetSel(int& nStartChar, int& nEndChar) const;
    // Selects from nStartChar up to nEndChar (0, -1 selects everything; -1 removes the selection) and,
    // unless bNoScroll, scrolls the caret into view.
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) {
        ::SendMessage(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
    }
    HLOCAL GetHandle() const { return reinterpret_cast<HLOCAL>(::SendMessage(m_hWnd, EM_GETHANDLE, 0, 0)); }
    void SetHandle(HLOCAL hBuffer) {
        ::SendMessage(m_hWnd, EM_SETHANDLE, reinterpret_cast<WPARAM>(hBuffer), 0);
    }

    // Left and right margins in pixels.
    void SetMargins(UINT nLeft, UINT nRight) {
        ::SendMessage(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
    }
    DWORD GetMargins() const { return static_cast<DWORD>(::SendMessage(m_hWnd, EM_GETMARGINS, 0, 0)); }
    // The most characters the user may type; 0 restores the system's largest limit.
    void LimitText(int nChars = 0) { ::SendMessage(m_hWnd, EM_LIMITTEXT, nChars, 0); }
    void SetLimitText(UINT nMax) { ::SendMessage(m_hWnd, EM_SETLIMITTEXT, nMax, 0); }
    UINT GetLimitText() const { return static_cast<UINT>(::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0)); }
    CPoint PosFromChar(UINT nChar) const;
    // The character nearest pt in the low word, its line in the high word.
    int CharFromPos(CPoint pt) const {
        return static_cast<int>(::SendMessage(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)));
    }

    // Copies line nIndex without a terminating zero and answers the characters copied. The first form
    // reads the buffer size (in characters) from the buffer's first WORD; the second sets it.
    int GetLine(int nIndex, LPTSTR lpszBuffer) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, EM_GETLINE, nIndex, reinterpret_cast<LPARAM>(lpszBuffer)));
    }
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
    int LineFromChar(int nIndex = -1) const {
        return static_cast<int>(::SendMessage(m_hWnd, EM_LINEFROMCHAR, nIndex, 0));
    }
    int LineIndex(int nLine = -1) const {
        return static_cast<int>(::SendMessage(m_hWnd, EM_LINEINDEX, nLine, 0));
    }
    int LineLength(int nLine = -1) const {
        return static_cast<int>(::SendMessage(m_hWnd, EM_LINELENGTH, nLine, 0));
    }
    void LineScroll(int nLines, int nChars = 0) { ::SendMessage(m_hWnd, EM_LINESCROLL, nChars, nLines); }
    int GetFirstVisibleLine() const {
        return static_cast<int>(::SendMessage(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    BOOL FmtLines(BOOL bAddEOL) { return static_cast<BOOL>(::SendMessage(m_hWnd, EM_FMTLINES, bAddEOL, 0)); }

    // 0 shows the typed characters again.
    void SetPasswordChar(TCHAR ch);
    TCHAR GetPasswordChar() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, EM_SETREADONLY, bReadOnly, 0));
    }
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, EM_SETTABSTOPS, nTabStops, reinterpret_cast<LPARAM>(rgTabStops)));
    }
    void SetTabStops() { ::SendMessage(m_hWnd, EM_SETTABSTOPS, 0, 0); }
    BOOL SetTabStops(const int& cxEachStop) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&cxEachStop)));
    }
    // The grey hint shown while the control is empty (always wide text).
    BOOL SetCueBanner(LPCWSTR lpszText, BOOL fDrawIfFocused = FALSE) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, EM_SETCUEBANNER, fDrawIfFocused, reinterpret_cast<LPARAM>(lpszText)));
    }

    BOOL Undo() { return static_cast<BOOL>(::SendMessage(m_hWnd, EM_UNDO, 0, 0)); }
    void EmptyUndoBuffer() { ::SendMessage(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0); }
    void Clear() { ::SendMessage(m_hWnd, WM_CLEAR, 0, 0); }
    void Copy() { ::SendMessage(m_hWnd, WM_COPY, 0, 0); }
    void Cut() { ::SendMessage(m_hWnd, WM_CUT, 0, 0); }
    void Paste() { ::SendMessage(m_hWnd, WM_PASTE, 0, 0); }
};

// A list box. Owner-drawn list boxes (LBS_OWNERDRAW*) draw, measure, compare and delete their items
// through the virtuals at the end.
class AFX_CORE_API CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;
    ~CListBox() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETCOUNT, 0, 0)); }
    int GetHorizontalExtent() const {
        return static_cast<int>(::SendMessage(m_hWnd, LB_GETHORIZONTALEXTENT, 0, 0));
    }
    void SetHorizontalExtent(int cxExtent) { ::SendMessage(m_hWnd, LB_SETHORIZONTALEXTENT, cxExtent, 0); }
    int GetTopIndex() const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETTOPINDEX, 0, 0)); }
    int SetTopIndex(int nIndex) { return static_cast<int>(::SendMessage(m_hWnd, LB_SETTOPINDEX, nIndex, 0)); }
    DWORD_PTR GetItemData(int nIndex) const {
        return static_cast<DWORD_PTR>(::SendMessage(m_hWnd, LB_GETITEMDATA, nIndex, 0));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData)));
    }
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) {
        return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
    }
    int GetItemRect(int nIndex, LPRECT lpRect) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)));
    }
    // Positive when item nIndex is selected, 0 when not, LB_ERR for a bad index.
    int GetSel(int nIndex) const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETSEL, nIndex, 0)); }
    int GetText(int nIndex, LPTSTR lpszBuffer) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(lpszBuffer)));
    }
    // Empties rString for a bad index.
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const {
        return static_cast<int>(::SendMessage(m_hWnd, LB_GETTEXTLEN, nIndex, 0));
    }
    void SetColumnWidth(int cxWidth) { ::SendMessage(m_hWnd, LB_SETCOLUMNWIDTH, cxWidth, 0); }
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, LB_SETTABSTOPS, nTabStops, reinterpret_cast<LPARAM>(rgTabStops)));
    }
    void SetTabStops() { ::SendMessage(m_hWnd, LB_SETTABSTOPS, 0, 0); }
    BOOL SetTabStops(const int& cxEachStop) {
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&cxEachStop)));
    }
    int SetItemHeight(int nIndex, UINT cyItemHeight) {
        return static_cast<int>(::SendMessage(m_hWnd, LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)));
    }
    int GetItemHeight(int nIndex) const {
        return static_cast<int>(::SendMessage(m_hWnd, LB_GETITEMHEIGHT, nIndex, 0));
    }
    // The item nearest pt (client coordinates); bOutside is TRUE when pt lies outside every item.
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
    int GetCaretIndex() const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETCARETINDEX, 0, 0)); }
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE) {
        return static_cast<int>(::SendMessage(m_hWnd, LB_SETCARETINDEX, nIndex, MAKELONG(bScroll, 0)));
    }
    LCID GetLocale() const { return static_cast<LCID>(::SendMessage(m_hWnd, LB_GETLOCALE, 0, 0)); }
    LCID SetLocale(LCID nNewLocale) {
        return static_cast<LCID>(::SendMessage(m_hWnd, LB_SETLOCALE, nNewLocale, 0));
    }
    int InitStorage(int nItems, UINT nBytes) {
        return static_cast<int>(::SendMessage(m_hWnd, LB_INITSTORAGE, nItems, nBytes));
    }

    // Single-selection list boxes.
    int GetCurSel() const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETCURSEL, 0, 0)); }
    int SetCurSel(int nSelect) { return static_cast<int>(::SendMessage(m_hWnd, LB_SETCURSEL, nSelect, 0)); }

    // Multiple-selection list boxes; nIndex -1 selects or deselects every item.
    int SetSel(int nIndex, BOOL bSelect = TRUE) {
        return static_cast<int>(::SendMessage(m_hWnd, LB_SETSEL, bSelect, nIndex));
    }
    int GetSelCount() const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETSELCOUNT, 0, 0)); }
    int GetSelItems(int nMaxItems, LPINT rgIndex) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LB_GETSELITEMS, nMaxItems, reinterpret_cast<LPARAM>(rgIndex)));
    }
    int SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem);
    void SetAnchorIndex(int nIndex) { ::SendMessage(m_hWnd, LB_SETANCHORINDEX, nIndex, 0); }
    int GetAnchorIndex() const { return static_cast<int>(::SendMessage(m_hWnd, LB_GETANCHORINDEX, 0, 0)); }

    // String operations answer the item index (or LB_ERR / LB_ERRSPACE). The searches start after
    // nStartAfter (-1: from the top) and wrap round; FindString and SelectString match a prefix without
    // regard to case, FindStringExact the whole string.
    int AddString(LPCTSTR lpszItem) {
        return static_cast<int>(::SendMessage(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
    }
    int DeleteString(UINT nIndex) {
        return static_cast<int>(::SendMessage(m_hWnd, LB_DELETESTRING, nIndex, 0));
    }
    int InsertString(int nIndex, LPCTSTR lpszItem) {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszItem)));
    }
    void ResetContent() { ::SendMessage(m_hWnd, LB_RESETCONTENT, 0, 0); }
    int Dir(UINT attr, LPCTSTR lpszWildCard) {
        return static_cast<int>(::SendMessage(m_hWnd, LB_DIR, attr, reinterpret_cast<LPARAM>(lpszWildCard)));
    }
    int FindString(int nStartAfter, LPCTSTR lpszItem) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LB_FINDSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszItem)));
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LB_FINDSTRINGEXACT, nIndexStart, reinterpret_cast<LPARAM>(lpszFind)));
    }
    int SelectString(int nStartAfter, LPCTSTR lpszItem) {
        return static_cast<int>(
            ::SendMessage(m_hWnd, LB_SELECTSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszItem)));
    }

    // Owner-draw: DrawItem paints one item, MeasureItem gives an item's height (LBS_OWNERDRAWVARIABLE),
    // CompareItem orders two items of a sorted list box without LBS_HASSTRINGS (-1, 0 or 1) and
    // DeleteItem lets go of an item's data when it is removed.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A combo box: an edit or static field with a drop-down list. Owner-drawn combo boxes
// (CBS_OWNERDRAW*) use the same four virtuals as the list box.
class AFX_CORE_API CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;
    ~CComboBox() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETCOUNT, 0, 0)); }
    int GetCurSel() const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETCURSEL, 0, 0)); }
    int SetCurSel(int nSelect) { return static_cast<int>(::SendMessage(m_hWnd, CB_SETCURSEL, nSelect, 0)); }
    // The edit field's selection: start in the low word, end in the high word.
    DWORD GetEditSel() const { return static_cast<DWORD>(::SendMessage(m_hWnd, CB_GETEDITSEL, 0, 0)); }
    BOOL SetEditSel(int nStartChar, int nEndChar) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar)));
    }
    BOOL LimitText(int nMaxChars) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, CB_LIMITTEXT, nMaxChars, 0));
    }
    DWORD_PTR GetItemData(int nIndex) const {
        return static_cast<DWORD_PTR>(::SendMessage(m_hWnd, CB_GETITEMDATA, nIndex, 0));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) {
        return static_cast<int>(
            ::SendMessage(m_hWnd, CB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData)));
    }
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) {
        return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
    }
    int GetLBText(int nIndex, LPTSTR lpszText) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(lpszText)));
    }
    // Empties rString for a bad index.
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const {
        return static_cast<int>(::SendMessage(m_hWnd, CB_GETLBTEXTLEN, nIndex, 0));
    }
    // nIndex -1 is the selection field, else a list item (of CBS_OWNERDRAWVARIABLE combo boxes).
    int SetItemHeight(int nIndex, UINT cyItemHeight) {
        return static_cast<int>(::SendMessage(m_hWnd, CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)));
    }
    int GetItemHeight(int nIndex) const {
        return static_cast<int>(::SendMessage(m_hWnd, CB_GETITEMHEIGHT, nIndex, 0));
    }
    int SetExtendedUI(BOOL bExtended = TRUE) {
        return static_cast<int>(::SendMessage(m_hWnd, CB_SETEXTENDEDUI, bExtended, 0));
    }
    BOOL GetExtendedUI() const { return static_cast<BOOL>(::SendMessage(m_hWnd, CB_GETEXTENDEDUI, 0, 0)); }
    // The drop-down list's rectangle in screen coordinates.
    void GetDroppedControlRect(LPRECT lprect) const {
        ::SendMessage(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
    }
    BOOL GetDroppedState() const {
        return static_cast<BOOL>(::SendMessage(m_hWnd, CB_GETDROPPEDSTATE, 0, 0));
    }
    void ShowDropDown(BOOL bShowIt = TRUE) { ::SendMessage(m_hWnd, CB_SHOWDROPDOWN, bShowIt, 0); }
    // The smallest width of the drop-down list; answers the width now in effect or CB_ERR.
    int SetDroppedWidth(UINT nWidth) {
        return static_cast<int>(::SendMessage(m_hWnd, CB_SETDROPPEDWIDTH, nWidth, 0));
    }
    int GetDroppedWidth() const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETDROPPEDWIDTH, 0, 0)); }
    int GetTopIndex() const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETTOPINDEX, 0, 0)); }
    int SetTopIndex(int nIndex) { return static_cast<int>(::SendMessage(m_hWnd, CB_SETTOPINDEX, nIndex, 0)); }
    UINT GetHorizontalExtent() const {
        return static_cast<UINT>(::SendMessage(m_hWnd, CB_GETHORIZONTALEXTENT, 0, 0));
    }
    void SetHorizontalExtent(UINT nExtent) { ::SendMessage(m_hWnd, CB_SETHORIZONTALEXTENT, nExtent, 0); }
    LCID GetLocale() const { return static_cast<LCID>(::SendMessage(m_hWnd, CB_GETLOCALE, 0, 0)); }
    LCID SetLocale(LCID nNewLocale) {
        return static_cast<LCID>(::SendMessage(m_hWnd, CB_SETLOCALE, nNewLocale, 0));
    }
    int InitStorage(int nItems, UINT nBytes) {
        return static_cast<int>(::SendMessage(m_hWnd, CB_INITSTORAGE, nItems, nBytes));
    }
    // The handles of the combo box, its edit field and its list; pcbi->cbSize is filled in here.
    BOOL GetComboBoxInfo(PCOMBOBOXINFO pcbi) const;
    BOOL SetMinVisibleItems(int iMinVisible) {
        return static_cast<BOOL>(::SendMessage(m_hWnd, CB_SETMINVISIBLE, iMinVisible, 0));
    }
    int GetMinVisible() const { return static_cast<int>(::SendMessage(m_hWnd, CB_GETMINVISIBLE, 0, 0)); }

    // String operations, as for the list box.
    int AddString(LPCTSTR lpszString) {
        return static_cast<int>(::SendMessage(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
    }
    int DeleteString(UINT nIndex) {
        return static_cast<int>(::SendMessage(m_hWnd, CB_DELETESTRING, nIndex, 0));
    }
    int InsertString(int nIndex, LPCTSTR lpszString) {
        return static_cast<int>(
            ::SendMessage(m_hWnd, CB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszString)));
    }
    void ResetContent() { ::SendMessage(m_hWnd, CB_RESETCONTENT, 0, 0); }
    int Dir(UINT attr, LPCTSTR lpszWildCard) {
        return static_cast<int>(::SendMessage(m_hWnd, CB_DIR, attr, reinterpret_cast<LPARAM>(lpszWildCard)));
    }
    int FindString(int nStartAfter, LPCTSTR lpszString) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, CB_FINDSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszString)));
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
        return static_cast<int>(
            ::SendMessage(m_hWnd, CB_FINDSTRINGEXACT, nIndexStart, reinterpret_cast<LPARAM>(lpszFind)));
    }
    int SelectString(int nStartAfter, LPCTSTR lpszString) {
        return static_cast<int>(
            ::SendMessage(m_hWnd, CB_SELECTSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszString)));
    }

    // Clipboard operations on the edit field.
    void Clear() { ::SendMessage(m_hWnd, WM_CLEAR, 0, 0); }
    void Copy() { ::SendMessage(m_hWnd, WM_COPY, 0, 0); }
    void Cut() { ::SendMessage(m_hWnd, WM_CUT, 0, 0); }
    void Paste() { ::SendMessage(m_hWnd, WM_PASTE, 0, 0); }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A scroll bar control (SBS_HORZ or SBS_VERT); its parent receives WM_HSCROLL / WM_VSCROLL.
class AFX_CORE_API CScrollBar : public CWnd {
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar() = default;
    ~CScrollBar() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE) { return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw); }
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const {
        ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
    }
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE) {
        ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
    }
    void ShowScrollBar(BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH) {
        return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags);
    }
    // lpScrollInfo->cbSize is filled in here; GetScrollInfo reads the fields of nMask.
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    // The largest position the thumb can reach: the range's maximum less the page size plus one.
    int GetScrollLimit();
    BOOL GetScrollBarInfo(PSCROLLBARINFO pScrollInfo) const;
};
