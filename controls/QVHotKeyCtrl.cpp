#include "QVHotKeyCtrl.h"

#include <QVSkinResManager.h>

namespace {

COLORREF SkinBorderColour() {
    return CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVHotKeyCtrl, CHotKeyCtrl)

BEGIN_MESSAGE_MAP(CQVHotKeyCtrl, CHotKeyCtrl)
ON_WM_CREATE()
ON_MESSAGE(WM_QV_RECALCFRAME, &CQVHotKeyCtrl::OnRecalcFrame)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVHotKeyCtrl::OnSkinChanged)
END_MESSAGE_MAP()

CQVHotKeyCtrl::CQVHotKeyCtrl() : m_clrBorder(SkinBorderColour()) {}

CQVHotKeyCtrl::~CQVHotKeyCtrl() = default;

void CQVHotKeyCtrl::PreSubclassWindow() {
    CHotKeyCtrl::PreSubclassWindow();
    // Created by code, WM_CREATE posts once more: a second recalculation changes nothing.
    PostMessage(WM_QV_RECALCFRAME);
}

int CQVHotKeyCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CHotKeyCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    PostMessage(WM_QV_RECALCFRAME);
    return 0;
}

LRESULT CQVHotKeyCtrl::OnRecalcFrame(WPARAM, LPARAM) {
    QVRecalcFrame(this);
    return 0;
}

void CQVHotKeyCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    QVOnePixelNcCalcSize(lpncsp, (GetExStyle() & WS_EX_CLIENTEDGE) != 0,
                         [&] { CHotKeyCtrl::OnNcCalcSize(bCalcValidRects, lpncsp); });
}

void CQVHotKeyCtrl::OnNcPaint() {
    // Without the client edge the field has no frame to paint, not even the system's.
    if (!(GetExStyle() & WS_EX_CLIENTEDGE)) return;
    Default();
    QVDrawOnePixelFrame(this, m_clrBorder);
}

LRESULT CQVHotKeyCtrl::OnSkinChanged(WPARAM, LPARAM) {
    m_clrBorder = SkinBorderColour();
    RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
    return 1;
}
