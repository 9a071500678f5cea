// A colour picker on the skinned combo box: one swatch per colour and a last "other" item that opens
// the colour dialog.
#pragma once

#include "QVComboBox.h"

// Sent by a colour combo to its parent after every selection change: the control's identifier /
// its window handle.
#define WM_QV_COLORCOMBO_SELCHANGED (WM_USER + 1509)  // 0x9E5

// Runs the colour dialog for the "other" item, modally, owned by pOwner and starting at clrInit;
// TRUE with the chosen colour in *pclrChosen, FALSE when the user cancelled.
typedef BOOL (*QVChooseColorFunc)(CWnd* pOwner, COLORREF clrInit, COLORREF* pclrChosen);

// Each item's data is its COLORREF; the last item is always the "other" item (text "IDS_QVC_OTHER"),
// added by the first AddColor. Choosing it (with the mouse, or the arrow keys on a closed list) closes
// the list and opens the colour dialog; OK selects the chosen colour (added before "other" when it is
// new), cancel selects again the colour that was current before the list opened. The parent hears
// every selection change as WM_QV_COLORCOMBO_SELCHANGED (unless it destroyed the combo while the
// dialog was open); CBN_SELCHANGE and CBN_DROPDOWN are the control's own (reflected, so the parent
// must be a window object of the framework).
//
// Create makes the combo CBS_OWNERDRAWFIXED and takes away CBS_DROPDOWN and CBS_OWNERDRAWVARIABLE
// (a CBS_DROPDOWNLIST style so becomes CBS_SIMPLE). A combo of a dialog template is made before this
// object: its template style must have CBS_OWNERDRAWFIXED (and CBS_DROPDOWNLIST for a drop list);
// subclassing sets its items to 30 pixels, the height Create gives them.
class RIZ_API CQVColorComboBox : public CQVComboBox {
    DECLARE_DYNAMIC(CQVColorComboBox)
public:
    enum { ITEM_HEIGHT = 30 };

    CQVColorComboBox();
    ~CQVColorComboBox() override;

    // The fifteen main colours: black, the dark and the bright primaries and mixes, greys, white.
    void InitMainColors();
    // Inserts an item of the colour before "other" (adding "other" first to an empty box); the new
    // item's index, or a negative value.
    int AddColor(COLORREF clr);
    // Selects the first item of the colour, adding it when there is none.
    void SetCurColor(COLORREF clr);
    // The selected item's colour; 0 when nothing is selected.
    COLORREF GetCurColor() const;
    CString GetOtherText() const { return m_strOther; }

    // The colour dialog every colour combo opens; NULL restores the system's colour dialog (full
    // open, starting at red). Answers the function in use before.
    static QVChooseColorFunc SetChooseColorFunc(QVChooseColorFunc pfn);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;

    BOOL IsOtherItem(int nIndex) const { return nIndex >= 0 && nIndex >= GetCount() - 1; }
    // The "other" item was chosen: the list closes, the dialog runs; FALSE when the combo was
    // destroyed meanwhile.
    BOOL ChooseOtherColor();

    afx_msg void OnDropDown();
    afx_msg void OnSelChange();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    COLORREF m_clrRemembered = 0xFF0000;  // current when the list opened; cancel selects it again
    CString m_strOther;                   // text of the last item
    BOOL m_bChoosing = FALSE;             // the colour dialog is open
};
