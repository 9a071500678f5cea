// The item toolbar's mouse: hover with fades, press, release and the clicks it gives.
#include "QVToolBarPlus.h"

#include "QVMouseLoop.h"

int CQVToolBarPlus::HittestItem(const CPoint& pt, BOOL& bFlag) {
    for (int i = 0; i <= LastPlaced(); ++i) {
        CQVToolBarPlusItem* pItem = m_items[i];
        if (PlacedRect(i).IsRectEmpty()) continue;
        if (pItem->HitTest(pt, bFlag)) return i;
    }
    return -1;
}

int CQVToolBarPlus::ItemFromPoint(const CPoint& pt, BOOL& bLeftHalf) const {
    for (int i = 1; i <= LastPlaced(); ++i) {
        const CRect rc = PlacedRect(i);
        if (!rc.PtInRect(pt)) continue;
        bLeftHalf = pt.x < rc.left + rc.Width() / 2;
        return i;
    }
    return -1;
}

void CQVToolBarPlus::SetItemNormal(int nIndex) {
    if (!IsValid(nIndex) || !m_items[nIndex]->SetState(ToolBarPlusItemNormal)) return;
    if (m_bFade) m_items[nIndex]->FadeOut();
    InvalidateItem(nIndex);
    StartAnimTimer();
}

void CQVToolBarPlus::OnMouseMove(UINT nFlags, CPoint point) {
    if (!m_bTrackingLeave) {
        m_bTrackingLeave = QVTrackMouseLeave(m_hWnd);
    }
    if (m_bLButtonDown) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    const int nOld = IsValid(m_nHotItem) ? m_nHotItem : -1;
    BOOL bFlag = FALSE;
    const int nHot = HittestItem(point, bFlag);
    if (nHot == nOld && !bFlag) return;
    if (nHot != nOld) SetItemNormal(nOld);
    m_nHotItem = nHot;
    if (nHot < 0) return;
    if (m_bFade) m_items[nHot]->FadeIn();
    InvalidateItem(nHot);
    StartAnimTimer();
}

void CQVToolBarPlus::OnMouseLeave() {
    m_bTrackingLeave = FALSE;
    if (m_bLButtonDown) {
        // Keep the press: the release outside still reaches the toolbar and clicks nothing.
        SetCapture();
        return;
    }
    SetItemNormal(m_nHotItem);
    m_nHotItem = -1;
}

void CQVToolBarPlus::OnLButtonDown(UINT nFlags, CPoint point) {
    m_ptLButtonDown = point;
    m_bLButtonDown = TRUE;
    if (IsValid(m_nHotItem) && m_nHotItem <= LastPlaced() &&
        m_items[m_nHotItem]->SetState(ToolBarPlusItemPressed))
        InvalidateItem(m_nHotItem);
    CWnd::OnLButtonDown(nFlags, point);
}

void CQVToolBarPlus::OnLButtonUp(UINT nFlags, CPoint point) {
    const BOOL bWasDown = m_bLButtonDown;
    m_bLButtonDown = FALSE;
    if (GetCapture() == this) ReleaseCapture();
    const int nOld = IsValid(m_nHotItem) ? m_nHotItem : -1;
    BOOL bFlag = FALSE;
    const int nHit = HittestItem(point, bFlag);
    m_nHotItem = nHit;
    const CQVAliveToken token = m_alive.Token();
    if (bWasDown && nHit >= 0 && nHit == nOld) {
        CQVToolBarPlusItem* pItem = m_items[nHit];
        const int nType = pItem->GetType();
        if (!pItem->IsVisible() || !pItem->IsEnabled()) {
            InvalidateItem(nHit);  // a disabled item (the overflow button too) clicks nothing
            return;
        }
        if (nHit == 0) {
            InvalidateItem(0);
            OnMoreButtonClicked();
        } else if ((nType == 2 || nType == 5) && !pItem->IsOverCommand()) {
            pItem->SetSparkle(FALSE, pItem->GetSparkleLeft());
            OnMenuSubButtonClicked();
        } else {
            SetItemChecked(nHit, !pItem->IsChecked());
            if (pItem->GetID() != -1) {
                pItem->SetSparkle(FALSE, pItem->GetSparkleLeft());
                UpdateMoreSparkle();
                InvalidateItem(nHit);
                pItem->OnClick(GetNotifyRecvWnd());
            }
        }
        // The owner may have deleted the item, every item or the toolbar.
        if (!token || !m_hWnd) return;
        if (IsValid(m_nHotItem)) InvalidateItem(m_nHotItem);
        return;
    }
    if (nOld >= 0 && nOld != nHit && !(IsCheckKind(nOld) && m_items[nOld]->IsChecked())) {
        m_items[nOld]->SetState(ToolBarPlusItemNormal);
        InvalidateItem(nOld);
    }
    if (nHit >= 0) InvalidateItem(nHit);
    CWnd::OnLButtonUp(nFlags, point);
}

void CQVToolBarPlus::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
