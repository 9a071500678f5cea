// The one-pixel skin frame of the skinned list box, tree and hot key.
#include "QVFramedCtrlT.h"

#include <QVSkinResManager.h>

namespace {

COLORREF SkinBorderColour() {
    return CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
}

}  // namespace

BEGIN_TEMPLATE_MESSAGE_MAP(CQVFramedCtrlT, TBase, TBase)
ON_WM_CREATE()
ON_MESSAGE(WM_QV_RECALCFRAME, &ThisClass::OnRecalcFrame)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_MESSAGE(WM_QV_SKINCHANGED, &ThisClass::OnSkinChanged)
END_MESSAGE_MAP()

template <class TBase>
CQVFramedCtrlT<TBase>::CQVFramedCtrlT() : m_clrBorder(SkinBorderColour()) {}

template <class TBase>
bool CQVFramedCtrlT<TBase>::HasFrame() const {
    return QVFrameRule<TBase>::bAlways || (this->GetExStyle() & WS_EX_CLIENTEDGE) != 0;
}

template <class TBase>
void CQVFramedCtrlT<TBase>::PreSubclassWindow() {
    TBase::PreSubclassWindow();
    // Created by code, WM_CREATE posts once more: a second recalculation changes nothing.
    this->PostMessage(WM_QV_RECALCFRAME);
}

template <class TBase>
int CQVFramedCtrlT<TBase>::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (TBase::OnCreate(lpCreateStruct) == -1) return -1;
    this->PostMessage(WM_QV_RECALCFRAME);
    return 0;
}

template <class TBase>
LRESULT CQVFramedCtrlT<TBase>::OnRecalcFrame(WPARAM, LPARAM) {
    QVRecalcFrame(this);
    return 0;
}

template <class TBase>
void CQVFramedCtrlT<TBase>::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    QVOnePixelNcCalcSize(lpncsp, HasFrame(), [&] { TBase::OnNcCalcSize(bCalcValidRects, lpncsp); });
}

template <class TBase>
void CQVFramedCtrlT<TBase>::OnNcPaint() {
    const bool bFrame = HasFrame();
    if (bFrame || QVFrameRule<TBase>::bSystemFrameWithoutEdge) this->Default();
    if (bFrame) QVDrawOnePixelFrame(this, m_clrBorder);
}

template <class TBase>
LRESULT CQVFramedCtrlT<TBase>::OnSkinChanged(WPARAM, LPARAM) {
    m_clrBorder = SkinBorderColour();
    this->RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
    return 1;
}

template class CQVFramedCtrlT<CListBox>;
template class CQVFramedCtrlT<CTreeCtrl>;
template class CQVFramedCtrlT<CHotKeyCtrl>;
