#include "QVTreeCtrl.h"

#include <QVSkinResManager.h>

IMPLEMENT_DYNAMIC(CQVTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(CQVTreeCtrl, CTreeCtrl)
ON_WM_CREATE()
ON_MESSAGE(WM_QV_RECALCFRAME, &CQVTreeCtrl::OnRecalcFrame)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVTreeCtrl::OnSkinChanged)
END_MESSAGE_MAP()

CQVTreeCtrl::CQVTreeCtrl() : m_clrBorder(CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4)) {}

CQVTreeCtrl::~CQVTreeCtrl() = default;

void CQVTreeCtrl::PreSubclassWindow() {
    CTreeCtrl::PreSubclassWindow();
    PostMessage(WM_QV_RECALCFRAME);
}

int CQVTreeCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CTreeCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    PostMessage(WM_QV_RECALCFRAME);
    return 0;
}

LRESULT CQVTreeCtrl::OnRecalcFrame(WPARAM, LPARAM) {
    QVRecalcFrame(this);
    return 0;
}

void CQVTreeCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    QVOnePixelNcCalcSize(lpncsp, (GetExStyle() & WS_EX_CLIENTEDGE) != 0,
                         [&] { CTreeCtrl::OnNcCalcSize(bCalcValidRects, lpncsp); });
}

void CQVTreeCtrl::OnNcPaint() {
    Default();
    if (GetExStyle() & WS_EX_CLIENTEDGE) QVDrawOnePixelFrame(this, m_clrBorder);
}

LRESULT CQVTreeCtrl::OnSkinChanged(WPARAM, LPARAM) {
    m_clrBorder = CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
    RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
    return 1;
}
