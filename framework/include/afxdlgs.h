// Common dialog boxes on the framework's dialog class: CCommonDialog and the colour chooser CColorDialog.
#pragma once

#include "afxwin.h"
#include <commdlg.h>

// The hook procedure of framework common dialogs: WM_INITDIALOG reaches the object's OnInitDialog,
// the dialogs' registered messages reach its virtual callbacks.
AFX_CORE_API UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Base of the system's common dialogs: the system procedure ends them, so OK and Cancel only validate
// and pass the command on.
class AFX_CORE_API CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    void OnOK() override;
    void OnCancel() override;
};

// The system colour chooser. The dialog window is attached to the object while it runs, so a derived
// class sees its messages (OnInitDialog, a message map) and can drive it.
class AFX_CORE_API CColorDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CColorDialog)
public:
    // A non-zero clrInit is selected at the start (CC_RGBINIT).
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL);

    // IDOK with the chosen colour in m_cc.rgbResult, else IDCANCEL.
    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    // Selects a colour while the dialog is open.
    void SetCurrentColor(COLORREF clr);
    // The sixteen custom colours shared by every colour dialog of the process (white at first).
    static COLORREF* PASCAL GetSavedCustomColors();

    // The user chose OK: answer TRUE to keep the dialog open (the colour is refused).
    virtual BOOL OnColorOK();

    CHOOSECOLOR m_cc;
};
