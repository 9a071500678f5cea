#include "QVListBox.h"

#include <QVSkinResManager.h>

IMPLEMENT_DYNAMIC(CQVListBox, CListBox)

BEGIN_MESSAGE_MAP(CQVListBox, CListBox)
ON_WM_CREATE()
ON_MESSAGE(WM_QV_RECALCFRAME, &CQVListBox::OnRecalcFrame)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVListBox::OnSkinChanged)
END_MESSAGE_MAP()

CQVListBox::CQVListBox() : m_clrBorder(CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4)) {}

CQVListBox::~CQVListBox() = default;

void CQVListBox::PreSubclassWindow() {
    CListBox::PreSubclassWindow();
    PostMessage(WM_QV_RECALCFRAME);
}

int CQVListBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CListBox::OnCreate(lpCreateStruct) == -1) return -1;
    PostMessage(WM_QV_RECALCFRAME);
    return 0;
}

LRESULT CQVListBox::OnRecalcFrame(WPARAM, LPARAM) {
    QVRecalcFrame(this);
    return 0;
}

void CQVListBox::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    QVOnePixelNcCalcSize(lpncsp, TRUE, [&] { CListBox::OnNcCalcSize(bCalcValidRects, lpncsp); });
}

void CQVListBox::OnNcPaint() {
    Default();
    QVDrawOnePixelFrame(this, m_clrBorder);
}

LRESULT CQVListBox::OnSkinChanged(WPARAM, LPARAM) {
    m_clrBorder = CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
    RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
    return 1;
}
