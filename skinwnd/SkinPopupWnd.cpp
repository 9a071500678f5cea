// The skinned popup window: the window's messages routed to its CSkinWnd.
#include "SkinPopupWnd.h"

#include "SkinDialog.h"
#include "SkinWndHost.h"

BEGIN_MESSAGE_MAP(CSkinPopupWnd, CWnd)
ON_MESSAGE(WM_QV_SKINCHANGED, &CSkinPopupWnd::OnSkinChanged)
ON_MESSAGE(WM_QV_LANCHANGED, &CSkinPopupWnd::OnLanChanged)
ON_MESSAGE(WM_SETTEXT, &CSkinPopupWnd::OnSetText)
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
ON_WM_NCCREATE()
ON_WM_NCDESTROY()
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

CSkinPopupWnd::CSkinPopupWnd() = default;

CSkinPopupWnd::~CSkinPopupWnd() {
    // The window goes while the object is still a skinned window, so its handlers still run.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
    m_menuRef.Release();
}

int CSkinPopupWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    return QVMessageBox(this, lpszText, lpszCaption, nType);
}

void CSkinPopupWnd::GetMessageString(UINT nID, CString& rMessage) const {
    CSkinWndHost::GetMessageString(nID, rMessage);
}

LRESULT CSkinPopupWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCUAHDRAWCAPTION) return 1;
    return CWnd::WindowProc(message, wParam, lParam);
}

CSkinWndHost CSkinPopupWnd::Host() {
    return CSkinWndHost(this, m_SkinWnd, m_nLastNcHit, m_sizeAdded);
}

LRESULT CSkinPopupWnd::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    return Host().OnSkinChanged(wParam, lParam);
}

LRESULT CSkinPopupWnd::OnLanChanged(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return Host().OnLanChanged();
}

LRESULT CSkinPopupWnd::OnSetText(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return Host().OnSetText();
}

void CSkinPopupWnd::OnNcMouseLeave() {
    Host().OnNcMouseLeave();
}

void CSkinPopupWnd::OnNcPaint() {
    Host().RedrawFrame();
}

void CSkinPopupWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    Host().OnNcCalcSize(bCalcValidRects, lpncsp);
}

LRESULT CSkinPopupWnd::OnNcHitTest(CPoint point) {
    return m_SkinWnd.OnNcHitTest(point);
}

BOOL CSkinPopupWnd::OnNcActivate(BOOL bActive) {
    return Host().OnNcActivate(bActive);
}

void CSkinPopupWnd::OnNcLButtonDown(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcLButtonDown(nHitTest, FALSE);
}

void CSkinPopupWnd::OnNcLButtonUp(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcLButtonUp(nHitTest);
}

void CSkinPopupWnd::OnNcMouseMove(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcMouseMove(nHitTest);
}

void CSkinPopupWnd::OnActivate(UINT nState, CWnd* /*pWndOther*/, BOOL /*bMinimized*/) {
    const HWND hWnd = m_hWnd;
    Host().OnNcActivate(nState == WA_ACTIVE || nState == WA_CLICKACTIVE);
    // The default handling gives the focus to the window being activated.
    if (::IsWindow(hWnd)) Default();
}

void CSkinPopupWnd::OnActivateApp(BOOL bActive, DWORD /*dwThreadID*/) {
    Host().OnActivateApp(bActive);
    Default();
}

void CSkinPopupWnd::OnInitMenu(CMenu* pMenu) {
    Host().OnInitMenu(pMenu, m_menuRef);
}

BOOL CSkinPopupWnd::OnNcCreate(LPCREATESTRUCT lpCreateStruct) {
    if (!CWnd::OnNcCreate(lpCreateStruct)) return FALSE;
    Host().AttachFrame();
    return TRUE;
}

void CSkinPopupWnd::OnNcDestroy() {
    m_SkinWnd.DetachWnd();
    m_menuRef.Release();
    // A derived class may delete the object in PostNcDestroy.
    CWnd::OnNcDestroy();
}

int CSkinPopupWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    Host().AdjustWindowSize();
    Host().InitWindowMenu(m_menuRef);
    return 0;
}

void CSkinPopupWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    m_SkinWnd.SetWndRegion();
}

void CSkinPopupWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!CSkinWndHost::DrawMenuItem(this, nIDCtl, lpDrawItemStruct, &m_BitmapList))
        CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CSkinPopupWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (!CSkinWndHost::MeasureMenuItem(this, nIDCtl, lpMeasureItemStruct))
        CWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void CSkinPopupWnd::OnSysCommand(UINT nID, LPARAM lParam) {
    if (!Host().OnSysCommand(nID, lParam)) Default();
}
