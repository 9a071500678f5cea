#include "QVListCtrl.h"

#include <QVSkinResManager.h>

#include "QVSkinNotify.h"

namespace {

COLORREF SkinBorderColour() {
    return CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CQVListCtrl, CListCtrl)
ON_WM_CREATE()
ON_MESSAGE(WM_QV_RECALCFRAME, &CQVListCtrl::OnRecalcFrame)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_DESTROY()
ON_MESSAGE(LVM_INSERTCOLUMNA, &CQVListCtrl::OnInsertColumn)
ON_MESSAGE(LVM_INSERTCOLUMNW, &CQVListCtrl::OnInsertColumn)
ON_MESSAGE(LVM_SETVIEW, &CQVListCtrl::OnSetView)
ON_WM_STYLECHANGED()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVListCtrl::OnSkinChanged)
END_MESSAGE_MAP()

CQVListCtrl::CQVListCtrl() : m_clrBorder(SkinBorderColour()) {}

CQVListCtrl::~CQVListCtrl() {
    // Destroyed here, while WM_DESTROY still reaches this class: the header object lets the list
    // view's header go first instead of destroying it under a living list view.
    if (GetSafeHwnd()) DestroyWindow();
    ReleaseHeader();
}

HWND CQVListCtrl::UnsubclassWindow() {
    ReleaseHeader();
    return CListCtrl::UnsubclassWindow();
}

void CQVListCtrl::PreSubclassWindow() {
    CListCtrl::PreSubclassWindow();
    InitList();
}

void CQVListCtrl::InitList() {
    m_bAllDisabledLook = (GetExtendedStyle() & LVS_EX_BORDERSELECT) != 0;
    SkinHeader();
    PostMessage(WM_QV_RECALCFRAME);
}

void CQVListCtrl::SkinHeader() {
    if (m_header.GetSafeHwnd() || !GetSafeHwnd()) return;
    const HWND hHeader = reinterpret_cast<HWND>(::SendMessage(m_hWnd, LVM_GETHEADER, 0, 0));
    if (!hHeader || CWnd::FromHandlePermanent(hHeader)) return;
    if (!m_header.SubclassWindow(hHeader)) return;
    m_header.SetAllDisabledLook(m_bAllDisabledLook);
    RelayoutHeader();
}

void CQVListCtrl::RelayoutHeader() {
    // The list view places its header and first row, asking the header for its layout, only when its
    // size changes: one pixel taller and back.
    CRect rc;
    GetWindowRect(&rc);
    const UINT uFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(NULL, 0, 0, rc.Width(), rc.Height() + 1, uFlags | SWP_NOREDRAW);
    SetWindowPos(NULL, 0, 0, rc.Width(), rc.Height(), uFlags);
}

void CQVListCtrl::ReleaseHeader() {
    if (m_header.GetSafeHwnd()) m_header.UnsubclassWindow();
}

int CQVListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CListCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    InitList();
    return 0;
}

LRESULT CQVListCtrl::OnRecalcFrame(WPARAM, LPARAM) {
    QVRecalcFrame(this);
    return 0;
}

void CQVListCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    QVOnePixelNcCalcSize(lpncsp, (GetExStyle() & WS_EX_CLIENTEDGE) != 0,
                         [&] { CListCtrl::OnNcCalcSize(bCalcValidRects, lpncsp); });
}

void CQVListCtrl::OnNcPaint() {
    Default();
    if (GetExStyle() & WS_EX_CLIENTEDGE) QVDrawOnePixelFrame(this, m_clrBorder);
}

void CQVListCtrl::OnDestroy() {
    ReleaseHeader();
    CListCtrl::OnDestroy();
}

// A list view makes its header when it first needs one: with its first column or in report view.
LRESULT CQVListCtrl::OnInsertColumn(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    SkinHeader();
    return lResult;
}

LRESULT CQVListCtrl::OnSetView(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    SkinHeader();
    return lResult;
}

void CQVListCtrl::OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct) {
    CListCtrl::OnStyleChanged(nStyleType, lpStyleStruct);
    SkinHeader();
}

LRESULT CQVListCtrl::OnSkinChanged(WPARAM, LPARAM) {
    m_clrBorder = SkinBorderColour();
    if (m_header.GetSafeHwnd()) {
        CRect rcBefore, rcAfter;
        m_header.GetWindowRect(&rcBefore);
        QVSendNotice(m_header.m_hWnd, WM_QV_SKINCHANGED, 0, 0);  // once, though the walk reaches it too
        m_header.GetWindowRect(&rcAfter);
        if (rcAfter.Height() != rcBefore.Height()) RelayoutHeader();
    }
    RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return 1;
}
