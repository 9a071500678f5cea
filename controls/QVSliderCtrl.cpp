#include "QVSliderCtrl.h"

#include <QVSkinResManager.h>

#include "TransparentBkg.h"

IMPLEMENT_DYNAMIC(CQVSliderCtrl, CSliderCtrl)

BEGIN_MESSAGE_MAP(CQVSliderCtrl, CSliderCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CQVSliderCtrl::OnCustomDraw)
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVSliderCtrl::OnSkinChanged)
END_MESSAGE_MAP()

CQVSliderCtrl::CQVSliderCtrl() : m_pOthRes(CQVSkinResManager::GetSingletonPtr()->GetOthRes()) {}

CQVSliderCtrl::~CQVSliderCtrl() = default;

void CQVSliderCtrl::DrawPart(CDC* pDC, const CQVBitmap& bmp, const CRect& rc) const {
    if (rc.IsRectEmpty()) return;
    if (m_pOthRes->m_nSliderTransparent)
        bmp.TransparentDrawFill(pDC, rc, m_pOthRes->m_clrSliderKey, 0);
    else
        bmp.DrawFill(pDC, rc, 0);
}

void CQVSliderCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult) {
    NMCUSTOMDRAW* pDraw = reinterpret_cast<NMCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    if (pDraw->dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (pDraw->dwDrawStage != CDDS_ITEMPREPAINT) return;
    CDC* pDC = CDC::FromHandle(pDraw->hdc);
    CRect rc;
    switch (pDraw->dwItemSpec) {
    case TBCD_CHANNEL:
        GetChannelRect(&rc);
        DrawTransparentBkg(this, GetParent(), pDC);
        DrawPart(pDC, m_pOthRes->m_bmpSliderChannel, rc);
        *pResult = CDRF_SKIPDEFAULT;
        break;
    case TBCD_THUMB:
        GetThumbRect(&rc);
        DrawPart(pDC, m_pOthRes->m_bmpSliderThumb, rc);
        *pResult = CDRF_SKIPDEFAULT;
        break;
    default:
        break;
    }
}

BOOL CQVSliderCtrl::OnEraseBkgnd(CDC* /*pDC*/) {
    return TRUE;
}

LRESULT CQVSliderCtrl::OnSkinChanged(WPARAM, LPARAM) {
    m_pOthRes = CQVSkinResManager::GetSingletonPtr()->GetOthRes();
    Invalidate(FALSE);
    return 1;
}
