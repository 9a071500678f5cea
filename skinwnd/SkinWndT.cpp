// The skinned frame's messages routed to its CSkinWnd, for the frame, popup and dialog windows.
#include "SkinWndT.h"

#include "SkinDialog.h"
#include "SkinWndHost.h"

BEGIN_TEMPLATE_MESSAGE_MAP(CSkinWndT, TBase, TBase)
ON_MESSAGE(WM_QV_SKINCHANGED, &ThisClass::OnSkinChanged)
ON_MESSAGE(WM_QV_LANCHANGED, &ThisClass::OnLanChanged)
ON_MESSAGE(WM_SETTEXT, &ThisClass::OnSetText)
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
ON_WM_SIZE()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_SYSCOMMAND()
ON_MESSAGE(WM_PRINT, &ThisClass::OnPrint)
END_MESSAGE_MAP()

template <class TBase>
CSkinWndT<TBase>::~CSkinWndT() {
    m_menuRef.Release();
}

template <class TBase>
int CSkinWndT<TBase>::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    return QVMessageBox(this, lpszText, lpszCaption, nType);
}

template <class TBase>
CSkinWnd& CSkinWndT<TBase>::GetSkinWnd() {
    return m_SkinWnd;
}

template <class TBase>
const CSkinWnd& CSkinWndT<TBase>::GetSkinWnd() const {
    return m_SkinWnd;
}

template <class TBase>
CSize CSkinWndT<TBase>::GetSizeAdded() const {
    return m_sizeAdded;
}

template <class TBase>
LRESULT CSkinWndT<TBase>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCUAHDRAWCAPTION) return 1;
    return TBase::WindowProc(message, wParam, lParam);
}

template <class TBase>
CSkinWndHost CSkinWndT<TBase>::Host() {
    return CSkinWndHost(this, m_SkinWnd, m_nLastNcHit, m_sizeAdded);
}

template <class TBase>
LRESULT CSkinWndT<TBase>::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    return Host().OnSkinChanged(wParam, lParam);
}

template <class TBase>
LRESULT CSkinWndT<TBase>::OnLanChanged(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return Host().OnLanChanged();
}

template <class TBase>
LRESULT CSkinWndT<TBase>::OnSetText(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return Host().OnSetText();
}

template <class TBase>
void CSkinWndT<TBase>::OnNcMouseLeave() {
    Host().OnNcMouseLeave();
}

template <class TBase>
void CSkinWndT<TBase>::OnNcPaint() {
    Host().RedrawFrame();
}

template <class TBase>
void CSkinWndT<TBase>::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    Host().OnNcCalcSize(bCalcValidRects, lpncsp);
}

template <class TBase>
LRESULT CSkinWndT<TBase>::OnNcHitTest(CPoint point) {
    return m_SkinWnd.OnNcHitTest(point);
}

template <class TBase>
BOOL CSkinWndT<TBase>::OnNcActivate(BOOL bActive) {
    return Host().OnNcActivate(bActive);
}

template <class TBase>
void CSkinWndT<TBase>::OnNcLButtonDown(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcLButtonDown(nHitTest, FALSE);
}

template <class TBase>
void CSkinWndT<TBase>::OnNcLButtonUp(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcLButtonUp(nHitTest);
}

template <class TBase>
void CSkinWndT<TBase>::OnNcMouseMove(UINT nHitTest, CPoint /*point*/) {
    Host().OnNcMouseMove(nHitTest);
}

template <class TBase>
void CSkinWndT<TBase>::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    const CSkinWndHost host = Host();
    // The base handling gives the focus to the window being activated; a frame's also decides whether
    // it stays active in look (a floating frame of its own being activated).
    TBase::OnActivate(nState, pWndOther, bMinimized);
    if (host.IsAlive()) host.OnNcActivate(nState == WA_ACTIVE || nState == WA_CLICKACTIVE);
}

template <class TBase>
void CSkinWndT<TBase>::OnActivateApp(BOOL bActive, DWORD /*dwThreadID*/) {
    Host().OnActivateApp(bActive);
    this->Default();
}

template <class TBase>
void CSkinWndT<TBase>::OnInitMenu(CMenu* pMenu) {
    Host().OnInitMenu(pMenu, m_menuRef);
}

template <class TBase>
BOOL CSkinWndT<TBase>::OnNcCreate(LPCREATESTRUCT lpCreateStruct) {
    if (!TBase::OnNcCreate(lpCreateStruct)) return FALSE;
    Host().AttachFrame();
    return TRUE;
}

template <class TBase>
void CSkinWndT<TBase>::OnNcDestroy() {
    m_SkinWnd.DetachWnd();
    m_menuRef.Release();
    // The object may delete itself here: a frame does, a derived class may in PostNcDestroy.
    TBase::OnNcDestroy();
}

template <class TBase>
void CSkinWndT<TBase>::OnSize(UINT nType, int cx, int cy) {
    TBase::OnSize(nType, cx, cy);
    m_SkinWnd.UpdateWndRegion();
}

template <class TBase>
void CSkinWndT<TBase>::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!CSkinWndHost::DrawMenuItem(this, nIDCtl, lpDrawItemStruct, &m_BitmapList))
        TBase::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

template <class TBase>
void CSkinWndT<TBase>::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (!CSkinWndHost::MeasureMenuItem(this, nIDCtl, lpMeasureItemStruct))
        TBase::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

template <class TBase>
void CSkinWndT<TBase>::OnSysCommand(UINT nID, LPARAM lParam) {
    if (!Host().OnSysCommand(nID, lParam)) this->Default();
}

template <class TBase>
LRESULT CSkinWndT<TBase>::OnPrint(WPARAM wParam, LPARAM lParam) {
    return Host().OnPrint(wParam, lParam);
}

template class CSkinWndT<CFrameWnd>;
template class CSkinWndT<CWnd>;
template class CSkinWndT<CDialog>;
