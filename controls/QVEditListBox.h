// A list of strings edited in place: a skinned edit over the item; its text replaces the item when the
// edit ends, and an emptied item is removed.
#pragma once

#include "QVEdit.h"
#include "QVListBox.h"

// The list box must be owner-drawn with strings and report double clicks: the system list box reads
// these styles once, when it is created. Create adds them itself (PreCreateWindow); a list box of a
// dialog template that is subclassed must carry them in the template:
//     LISTBOX IDC_WORDS, 7, 7, 120, 80, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL
// Every row is kRowHeight pixels high, created or subclassed.
//
// The edit ends when the editor loses the focus or on Enter (the text is kept) and on Escape (an
// existing item stays as it was, a new one goes); neither key reaches the dialog's default or cancel
// button. A change the host makes to the list while an edit is open (SetCurSel, AddString,
// InsertString, DeleteString, ResetContent...) first closes the editor without writing anything, so its
// text never lands in another item; AddItemBeginEdit and EditSelItem end an open edit as a focus loss
// does. The list's owner sees LBN_DBLCLK as usual; a double click also opens the selected item.
class RIZ_API CQVEditListBox : public CQVListBox {
    DECLARE_DYNAMIC(CQVEditListBox)
public:
    enum : DWORD {
        kRequiredStyles = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
        kEditorId = 100,
        kRowHeight = 20,
    };

    CQVEditListBox();
    ~CQVEditListBox() override;

    // Whether editing changed the list: an item confirmed (even unchanged) or an existing item emptied.
    void SetModified(BOOL bModified) { m_bModified = bModified; }
    BOOL GetModified() const { return m_bModified; }

    // Appends the text and opens it in the editor as a new item; the new index, or LB_ERR.
    int AddItemBeginEdit(LPCTSTR lpszText);
    // Opens the selected item in the editor; nothing without a selection.
    void EditSelItem();
    // Ends an open edit: bKeep writes the editor's text back (Enter, focus loss), otherwise it is
    // dropped (Escape). Nothing when no edit is open.
    void EndEdit(BOOL bKeep);

    BOOL IsEditing() const { return m_nEditItem >= 0; }
    // The item open in the editor, -1 when none.
    int GetEditItem() const { return m_nEditItem; }
    CQVEdit& GetEditor() { return m_editor; }

    // Owner drawing, in the order the list asks.
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;

protected:
    // The editor: Enter and Escape are its own keys in any dialog, and it reports them to the list.
    class RIZ_API CEditor : public CQVEdit {
    public:
        CQVEditListBox* m_pList = nullptr;

    protected:
        afx_msg LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
        afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
        afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
        DECLARE_MESSAGE_MAP()
    };

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // What creation and subclassing share: the row height and the editor.
    void InitEditList();
    void BeginEdit(int nItem, BOOL bNew);
    // Hides the editor without writing anything.
    void AbandonEdit();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnDblClk();
    afx_msg void OnEditKillFocus();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    BOOL m_bModified = FALSE;
    BOOL m_bEditingNew = FALSE;  // the item open in the editor was just added
    CEditor m_editor;

    int m_nEditItem = -1;      // the item open in the editor
    BOOL m_bCreating = FALSE;  // inside creation: WM_CREATE does what subclassing does
    int m_nChanging = 0;       // the list changes its own items
};
