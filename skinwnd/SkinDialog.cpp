// The skinned dialog: the dialog's messages routed to its CSkinWnd.
#include "SkinDialog.h"

#include "DrawMenuHelper.h"
#include "SkinWndHost.h"

IMPLEMENT_DYNAMIC(CSkinDialog, CDialog)

BEGIN_MESSAGE_MAP(CSkinDialog, CDialog)
ON_MESSAGE(WM_QV_SKINCHANGED, &CSkinDialog::OnSkinChanged)
ON_MESSAGE(WM_QV_LANCHANGED, &CSkinDialog::OnLanChanged)
ON_MESSAGE(WM_SETTEXT, &CSkinDialog::OnSetText)
ON_WM_NCMOUSELEAVE()
ON_WM_NCPAINT()
ON_WM_NCCALCSIZE()
ON_WM_NCHITTEST()
ON_WM_NCACTIVATE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONUP()
ON_WM_NCMOUSEMOVE()
ON_WM_ACTIVATE()
ON_WM_ACTIVATEAPP()
ON_WM_INITMENU()
ON_WM_INITMENUPOPUP()
ON_WM_NCCREATE()
ON_WM_NCDESTROY()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

namespace {

// A window larger than this on either side is taken as misplaced and brought back to a usual size.
const int kMaxDialogExtent = 2000;

}  // namespace

CSkinDialog::CSkinDialog() = default;

CSkinDialog::CSkinDialog(UINT nIDTemplate, CWnd* pParentWnd, BOOL bAutoLoadCtrl)
    : CDialog(nIDTemplate, pParentWnd), m_bAutoLoadCtrl(bAutoLoadCtrl) {}

CSkinDialog::CSkinDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd, BOOL bAutoLoadCtrl)
    : CDialog(lpszTemplateName, pParentWnd), m_bAutoLoadCtrl(bAutoLoadCtrl) {}

CSkinDialog::~CSkinDialog() {
    // The window goes while the object is still a skinned dialog, so its handlers still run.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
    m_menuRef.Release();
}

int CSkinDialog::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    return QVMessageBox(this, lpszText, lpszCaption, nType);
}

void CSkinDialog::SetNoNCArea(BOOL bNoNCArea) {
    m_SkinWnd.SetNoNCArea(bNoNCArea);
}

LRESULT CSkinDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCUAHDRAWCAPTION) return 1;
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CSkinDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    Host().AdjustWindowSize();
    return TRUE;
}

CSkinWndHost CSkinDialog::Host() {
    return CSkinWndHost(this, m_SkinWnd, m_nLastNcHit, m_sizeAdded);
}

LRESULT CSkinDialog::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    return Host().OnSkinChanged(wParam, lParam);
}

LRESULT CSkinDialog::OnLanChanged(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return Host().OnLanChanged();
}

LRESULT CSkinDialog::OnSetText(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return Host().OnSetText();
}

void CSkinDialog::OnNcMouseLeave() {
    Host().OnNcMouseLeave();
}

void CSkinDialog::OnNcPaint() {
    Host().RedrawFrame();
}

void CSkinDialog::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    Host().OnNcCalcSize(bCalcValidRects, lpncsp);
}

LRESULT CSkinDialog::OnNcHitTest(CPoint point) {
    return m_SkinWnd.OnNcHitTest(point);
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

void CSkinDialog::OnNcLButtonUp(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcLButtonUp(nHitTest);
}

void CSkinDialog::OnNcMouseMove(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcMouseMove(nHitTest);
}

void CSkinDialog::OnActivate(UINT nState, CWnd* /*pWndOther*/, BOOL /*bMinimized*/) {
    const HWND hWnd = m_hWnd;
    OnNcActivate(nState == WA_ACTIVE || nState == WA_CLICKACTIVE);
    // The dialog procedure still gets the message: it keeps and gives back the focus of the controls.
    if (::IsWindow(hWnd)) Default();
}

void CSkinDialog::OnActivateApp(BOOL bActive, DWORD /*dwThreadID*/) {
    Host().OnActivateApp(bActive);
    Default();
}

void CSkinDialog::OnInitMenu(CMenu* pMenu) {
    Host().OnInitMenu(pMenu, m_menuRef);
}

void CSkinDialog::OnInitMenuPopup(CMenu* pPopupMenu, UINT /*nIndex*/, BOOL bSysMenu) {
    if (bSysMenu) return;
    AfxUpdateMenuCommandUI(this, pPopupMenu, m_bAutoMenuEnable);
}

BOOL CSkinDialog::OnNcCreate(LPCREATESTRUCT lpCreateStruct) {
    if (!CDialog::OnNcCreate(lpCreateStruct)) return FALSE;
    Host().AttachFrame();
    return TRUE;
}

void CSkinDialog::OnNcDestroy() {
    m_SkinWnd.DetachWnd();
    m_menuRef.Release();
    CDialog::OnNcDestroy();
}

void CSkinDialog::OnSize(UINT nType, int cx, int cy) {
    CDialog::OnSize(nType, cx, cy);
    m_SkinWnd.SetWndRegion();
}

BOOL CSkinDialog::OnEraseBkgnd(CDC* pDC) {
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_SkinWnd.DrawClientBkg(pDC, rcClient)) return TRUE;
    return static_cast<BOOL>(Default());
}

void CSkinDialog::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!CSkinWndHost::DrawMenuItem(this, nIDCtl, lpDrawItemStruct, &m_BitmapList))
        CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CSkinDialog::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (!CSkinWndHost::MeasureMenuItem(this, nIDCtl, lpMeasureItemStruct))
        CDialog::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void CSkinDialog::OnSysCommand(UINT nID, LPARAM lParam) {
    if (!Host().OnSysCommand(nID, lParam)) Default();
}
