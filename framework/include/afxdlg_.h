// Dialog boxes: CDialog (modal through the framework's modal loop, or modeless, from a template in the
// resource chain or in memory) and dialog data exchange (CDataExchange with the DDX_ and DDV_ functions).
#pragma once

#include "afxver_.h"
#include "afxstr.h"
#include "afxfile_.h"
#include "afxwnd_.h"

class CDataExchange;

// ---- Validation failures ----

// Thrown when the user entered something invalid; the user has already been told, so handlers (such as
// UpdateData) stop quietly.
class AFX_CORE_API CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
    explicit CUserException(BOOL bAutoDelete) : CException(bAutoDelete) {}
};

[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowUserException();

// ---- CDialog ----

// A dialog box. Modal: DoModal disables the owner, runs the framework's modal loop and answers the
// EndDialog result. Modeless: Create; the dialog then lives until DestroyWindow. Messages reach the
// message map first; what it does not handle goes to the system's dialog procedure.
class AFX_CORE_API CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    // A dialog on a template named later: InitModalIndirect, CreateIndirect, or Create with a name.
    CDialog() = default;
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    // Destroys a window still open while the object is still a CDialog.
    ~CDialog() override;

    // Modeless creation; the template is found along the resource chain. A missing template fails.
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                                void* lpDialogInit = NULL);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // Modal use of an in-memory template (a DLGTEMPLATE or DLGTEMPLATEEX, in a pointer or a handle).
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                           void* lpDialogInit = NULL);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);
    // Runs the dialog and answers the value given to EndDialog; -1 when the template cannot be found or
    // the dialog cannot be created, IDABORT when the run fails with an exception.
    virtual INT_PTR DoModal();
    // Ends a modal dialog's loop with nResult (the dialog goes when DoModal returns) or hides a
    // modeless one.
    void EndDialog(int nResult);

    // Keyboard navigation and the default button.
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;  // DC_HASDEFID in the high word when there is a default button
    // Dialog units to pixels in the dialog's font.
    void MapDialogRect(LPRECT lpRect) const;
    void SetHelpID(UINT nIDR) { m_nIDHelp = nIDR; }

    // Tab, Enter, Escape, arrows and mnemonics of the dialog's controls; TRUE when the message was used.
    BOOL IsDialogMessage(LPMSG lpMsg);
    // Keyboard and mouse messages go through IsDialogMessage.
    BOOL PreTranslateInput(LPMSG lpMsg);

    // Moves data between the controls and the members through DoDataExchange: into the controls with
    // FALSE, out of them (validating) with TRUE. FALSE when a validation failed; the dialog stays open
    // with the focus on the offending control.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Overridables, in the order the dialog calls them.
    // After the controls exist: fills them (UpdateData(FALSE)); TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Commands the dialog does not handle go to its parent, then to the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    LPCTSTR m_lpszTemplateName = nullptr;         // name or MAKEINTRESOURCE id of the resource template
    HGLOBAL m_hDialogTemplate = nullptr;          // in-memory template given as a handle
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;  // in-memory template given as a pointer
    void* m_lpDialogInit = nullptr;               // dialog initialisation data (RT_DLGINIT format)
    CWnd* m_pParentWnd = nullptr;                 // the parent given at construction (the owner when modal)
    HWND m_hWndTop = nullptr;                     // the top-level window disabled during DoModal
    UINT m_nIDHelp = 0;

protected:
    // The data exchange of the dialog's members; the default exchanges nothing.
    virtual void DoDataExchange(CDataExchange* pDX);
    // Before the template's own initialisation runs (WM_INITDIALOG).
    virtual void PreInitDialog();
    // IDOK: validates (UpdateData(TRUE)) and ends with IDOK; a failed validation keeps the dialog open.
    virtual void OnOK();
    // IDCANCEL (also Escape and the close box): ends with IDCANCEL.
    virtual void OnCancel();

    // The owner for a modal run (disabling its top-level window) and the clean-up after it.
    HWND PreModal();
    void PostModal();
    // Creates the dialog window from a template, attached to this object before WM_INITDIALOG.
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    // A popup dialog is centred on its owner after WM_INITDIALOG unless its template places it.
    BOOL CheckAutoCenter() const;

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    LPCDLGTEMPLATE m_lpCreatingTemplate = nullptr;  // the template while the window is being created
};

// The dialog procedure of framework dialogs: WM_INITDIALOG calls the attached CDialog's OnInitDialog;
// every other message was already offered to the message map.
AFX_CORE_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Dialog data exchange ----

// The context of one UpdateData pass: the direction, the dialog, and the control last prepared (where
// the focus goes back when a validation fails).
class AFX_CORE_API CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls to members (with validation); FALSE: members to controls
    CWnd* m_pDlgWnd;
    UINT m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;

    // The control nIDC of the dialog, remembered as the one a failure points at; a missing control
    // throws CNotSupportedException.
    HWND PrepareCtrl(int nIDC);
    // The same for an edit control: a failure also selects its text.
    HWND PrepareEditCtrl(int nIDC);
    // Validation failed: focus back to the last prepared control, then throws CUserException.
    [[noreturn]] void Fail();
};

// Binds a control object to the dialog's control nIDC (subclassing it) the first time.
AFX_CORE_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Window text of a control. Numbers are written in the C locale's form and read back with validation:
// text that is not a number of the type (or out of its range) shows a message and fails.
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen);

// Check state of a check box: 0 unchecked, 1 checked, 2 indeterminate.
AFX_CORE_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Index of the checked radio button in the group that starts at nIDC (a WS_GROUP radio button) and
// runs to the next WS_GROUP control; -1 when none is checked.
AFX_CORE_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// Combo boxes and list boxes: the selected index (-1 none), or the selected string. Loading a string
// selects the first item that starts with it (a combo box with an edit field shows the text otherwise).
AFX_CORE_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_CORE_API void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
AFX_CORE_API void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
AFX_CORE_API void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_CORE_API void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
AFX_CORE_API void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value);

// Validation of the value just exchanged (call right after its DDX_ function). Out of range shows a
// message and fails. DDV_MaxChars also limits an edit control's length when the dialog is filled.
AFX_CORE_API void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
AFX_CORE_API void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
AFX_CORE_API void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal,
                                          double maxVal);
AFX_CORE_API void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// The message a failed exchange shows (a message box owned by the dialog). Tests and hosts without
// a visible user replace it; the function answers what the box answered.
typedef int(AFXAPI* AFX_DDX_MESSAGE_PROC)(CWnd* pDlgWnd, LPCTSTR lpszText, UINT nIDPrompt);
// Sets the function that shows validation messages (NULL restores the message box); answers the old one.
AFX_CORE_API AFX_DDX_MESSAGE_PROC AFXAPI AfxSetDDXMessageProc(AFX_DDX_MESSAGE_PROC pfnNew);

// String ids of the validation prompts (looked up along the resource chain, built-in text otherwise).
#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_REAL 0xF111
#define AFX_IDP_PARSE_INT_RANGE 0xF112
#define AFX_IDP_PARSE_REAL_RANGE 0xF113
#define AFX_IDP_PARSE_STRING_SIZE 0xF114
#define AFX_IDP_PARSE_RADIO_BUTTON 0xF115
#define AFX_IDP_PARSE_BYTE 0xF116
#define AFX_IDP_PARSE_UINT 0xF117
