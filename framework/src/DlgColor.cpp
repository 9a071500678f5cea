// Common dialogs: the base that lets the system end the dialog, and the colour chooser run with the
// object attached to its window.
#include <afxdlgs.h>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

namespace {

const UINT g_nMsgColorOK = ::RegisterWindowMessage(COLOROKSTRING);
const UINT g_nMsgSetRgb = ::RegisterWindowMessage(SETRGBSTRING);

COLORREF g_clrSavedCustom[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};

}  // namespace

// ---- CCommonDialog ----

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog(static_cast<LPCTSTR>(nullptr), pParentWnd) {}

void CCommonDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    Default();  // the system dialog ends itself
}

void CCommonDialog::OnCancel() {
    Default();
}

// ---- Hook procedure ----

UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hWnd) return 0;
    if (message == WM_INITDIALOG) return static_cast<UINT_PTR>(AfxDlgProc(hWnd, message, wParam, lParam));
    if (message < 0xC000) return 0;  // everything else went through the message map already

    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (message == g_nMsgColorOK) {
        if (CColorDialog* pDlg = DYNAMIC_DOWNCAST(CColorDialog, pWnd)) return pDlg->OnColorOK();
    }
    return 0;
}

// ---- CColorDialog ----

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd) {
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags | CC_ENABLEHOOK;
    m_cc.lpfnHook = &AfxCommDlgProc;
    if ((m_cc.rgbResult = clrInit) != 0) m_cc.Flags |= CC_RGBINIT;
}

COLORREF* PASCAL CColorDialog::GetSavedCustomColors() {
    return g_clrSavedCustom;
}

INT_PTR CColorDialog::DoModal() {
    ASSERT(m_cc.Flags & CC_ENABLEHOOK);
    ASSERT(m_cc.lpfnHook != NULL);
    m_cc.hwndOwner = PreModal();
    // The dialog the system creates is attached to this object (its first window on this thread).
    AfxHookWindowCreate(this);
    const BOOL bResult = ::ChooseColor(&m_cc);
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

void CColorDialog::SetCurrentColor(COLORREF clr) {
    ASSERT(::IsWindow(m_hWnd));
    SendMessage(g_nMsgSetRgb, 0, static_cast<LPARAM>(clr));
}

BOOL CColorDialog::OnColorOK() {
    return FALSE;
}
