// The skinned frame window: the frame's messages routed to its CSkinWnd.
#include "SkinFrameWnd.h"

#include "SkinDialog.h"
#include "SkinWndHost.h"

IMPLEMENT_DYNCREATE(CSkinFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CSkinFrameWnd, CFrameWnd)
ON_MESSAGE(WM_QV_SKINCHANGED, &CSkinFrameWnd::OnSkinChanged)
ON_MESSAGE(WM_QV_LANCHANGED, &CSkinFrameWnd::OnLanChanged)
ON_MESSAGE(WM_SETTEXT, &CSkinFrameWnd::OnSetText)
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

CSkinFrameWnd::CSkinFrameWnd() = default;

CSkinFrameWnd::~CSkinFrameWnd() {
    m_menuRef.Release();
}

int CSkinFrameWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    return QVMessageBox(this, lpszText, lpszCaption, nType);
}

void CSkinFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
    CSkinWndHost::GetMessageString(nID, rMessage);
}

LRESULT CSkinFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCUAHDRAWCAPTION) return 1;
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

CSkinWndHost CSkinFrameWnd::Host() {
    return CSkinWndHost(this, m_SkinWnd, m_nLastNcHit, m_sizeAdded);
}

LRESULT CSkinFrameWnd::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    return Host().OnSkinChanged(wParam, lParam);
}

LRESULT CSkinFrameWnd::OnLanChanged(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return Host().OnLanChanged();
}

LRESULT CSkinFrameWnd::OnSetText(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return Host().OnSetText();
}

void CSkinFrameWnd::OnNcMouseLeave() {
    Host().OnNcMouseLeave();
}

void CSkinFrameWnd::OnNcPaint() {
    Host().RedrawFrame();
}

void CSkinFrameWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    Host().OnNcCalcSize(bCalcValidRects, lpncsp);
}

LRESULT CSkinFrameWnd::OnNcHitTest(CPoint point) {
    return m_SkinWnd.OnNcHitTest(point);
}

BOOL CSkinFrameWnd::OnNcActivate(BOOL bActive) {
    return Host().OnNcActivate(bActive);
}

void CSkinFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcLButtonDown(nHitTest, FALSE);
}

void CSkinFrameWnd::OnNcLButtonUp(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcLButtonUp(nHitTest);
}

void CSkinFrameWnd::OnNcMouseMove(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcMouseMove(nHitTest);
}

void CSkinFrameWnd::OnActivate(UINT nState, CWnd* /*pWndOther*/, BOOL /*bMinimized*/) {
    const HWND hWnd = m_hWnd;
    Host().OnNcActivate(nState == WA_ACTIVE || nState == WA_CLICKACTIVE);
    // The default handling gives the focus to the window being activated.
    if (::IsWindow(hWnd)) Default();
}

void CSkinFrameWnd::OnActivateApp(BOOL bActive, DWORD /*dwThreadID*/) {
    Host().OnActivateApp(bActive);
    Default();
}

void CSkinFrameWnd::OnInitMenu(CMenu* pMenu) {
    Host().OnInitMenu(pMenu, m_menuRef);
}

BOOL CSkinFrameWnd::OnNcCreate(LPCREATESTRUCT lpCreateStruct) {
    if (!CFrameWnd::OnNcCreate(lpCreateStruct)) return FALSE;
    Host().AttachFrame();
    return TRUE;
}

void CSkinFrameWnd::OnNcDestroy() {
    m_SkinWnd.DetachWnd();
    m_menuRef.Release();
    // The frame may delete itself here.
    CFrameWnd::OnNcDestroy();
}

int CSkinFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    Host().AdjustWindowSize();
    Host().InitWindowMenu(m_menuRef);
    return 0;
}

void CSkinFrameWnd::OnSize(UINT nType, int cx, int cy) {
    CFrameWnd::OnSize(nType, cx, cy);
    m_SkinWnd.SetWndRegion();
}

void CSkinFrameWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!CSkinWndHost::DrawMenuItem(this, nIDCtl, lpDrawItemStruct, &m_BitmapList))
        CFrameWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CSkinFrameWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (!CSkinWndHost::MeasureMenuItem(this, nIDCtl, lpMeasureItemStruct))
        CFrameWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void CSkinFrameWnd::OnSysCommand(UINT nID, LPARAM lParam) {
    if (!Host().OnSysCommand(nID, lParam)) Default();
}
