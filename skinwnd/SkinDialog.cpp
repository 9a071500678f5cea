// The skinned dialog: the dialog's messages routed to its CSkinWnd.
#include "SkinDialog.h"

#include "DrawMenuHelper.h"
#include "QVAutoSkin.h"
#include "SkinWndHost.h"

IMPLEMENT_DYNAMIC(CSkinDialog, CDialog)

BEGIN_MESSAGE_MAP(CSkinDialog, CSkinWndT<CDialog>)
ON_WM_NCACTIVATE()
ON_WM_NCLBUTTONDOWN()
ON_WM_ACTIVATE()
ON_WM_INITMENUPOPUP()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
ON_MESSAGE(WM_QV_SKINCHANGED, &CSkinDialog::OnSkinChanged)
END_MESSAGE_MAP()

namespace {

// A window larger than this on either side is taken as misplaced and brought back to a usual size.
const int kMaxDialogExtent = 2000;

}  // namespace

CSkinDialog::CSkinDialog() = default;

CSkinDialog::CSkinDialog(UINT nIDTemplate, CWnd* pParentWnd, BOOL bAutoLoadCtrl)
    : CSkinWndT(nIDTemplate, pParentWnd), m_bAutoLoadCtrl(bAutoLoadCtrl) {}

CSkinDialog::CSkinDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd, BOOL bAutoLoadCtrl)
    : CSkinWndT(lpszTemplateName, pParentWnd), m_bAutoLoadCtrl(bAutoLoadCtrl) {}

CSkinDialog::~CSkinDialog() {
    // The window goes while the object is still a skinned dialog, so its handlers still run.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

void CSkinDialog::SetNoNCArea(BOOL bNoNCArea) {
    m_SkinWnd.SetNoNCArea(bNoNCArea);
}

BOOL CSkinDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_bAutoLoadCtrl) QVSkin_AutoLoadControl(this, m_vecSkinCtrls);
    Host().AdjustWindowSize();
    return TRUE;
}

BOOL CSkinDialog::OnNcActivate(BOOL bActive) {
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (rcWindow.Width() > kMaxDialogExtent || rcWindow.Height() > kMaxDialogExtent) {
        SetWindowPos(nullptr, 0, 0, 1024, 768, SWP_NOZORDER | SWP_NOACTIVATE);
        m_SkinWnd.SetActive(bActive);
        return TRUE;
    }
    return Host().OnNcActivate(bActive);
}

void CSkinDialog::OnNcLButtonDown(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcLButtonDown(nHitTest, TRUE);
}

void CSkinDialog::OnActivate(UINT nState, CWnd* /*pWndOther*/, BOOL /*bMinimized*/) {
    const HWND hWnd = m_hWnd;
    OnNcActivate(nState == WA_ACTIVE || nState == WA_CLICKACTIVE);
    // The dialog procedure still gets the message: it keeps and gives back the focus of the controls.
    if (::IsWindow(hWnd)) Default();
}

void CSkinDialog::OnInitMenuPopup(CMenu* pPopupMenu, UINT /*nIndex*/, BOOL bSysMenu) {
    if (bSysMenu) return;
    AfxUpdateMenuCommandUI(this, pPopupMenu, m_bAutoMenuEnable);
}

BOOL CSkinDialog::OnEraseBkgnd(CDC* pDC) {
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_SkinWnd.DrawClientBkg(pDC, rcClient)) return TRUE;
    return static_cast<BOOL>(Default());
}

void CSkinDialog::OnDestroy() {
    // The controls give their windows back before the children are destroyed.
    if (m_bAutoLoadCtrl) QVSkin_ReleaseControl(this, m_vecSkinCtrls);
    CSkinWndT<CDialog>::OnDestroy();
}

LRESULT CSkinDialog::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = CSkinWndT<CDialog>::OnSkinChanged(wParam, lParam);
    if (::IsWindow(m_hWnd)) QVSkin_AutoSkinChanged(this, m_vecSkinCtrls);
    return lResult;
}
