// The contact list window: mouse tracking, clicks, double clicks and the callbacks they raise.
#include "IMListWnd.h"

#include "QVMouseLoop.h"

BOOL CIMListWnd::StillValid(const CQVAliveToken& alive, int nVersion) {
    if (!alive) return FALSE;
    if (!m_hWnd) return FALSE;
    if (nVersion != m_nContentVersion) {
        ResetHover();
        m_nHoverGroup = m_nPrevHoverGroup = m_nPressedGroup = -1;
        return FALSE;
    }
    return TRUE;
}

CIMListItem* CIMListWnd::GetItemAt(const tagIMListItemPos& pos) const {
    CIMGroupButton* pGroup = GetGroup(pos.nGroup);
    CIMListItem* pItem = pGroup ? pGroup->GetChild(pos.nTeam) : nullptr;
    if (!pItem || pos.nUser < 0) return pItem;
    return pItem->GetClassID() == 1 ? static_cast<CIMListTeamItem*>(pItem)->GetChild(pos.nUser) : nullptr;
}

void CIMListWnd::DrawItemAt(CDC* pDC, const tagIMListItemPos& pos, int bHot) {
    // Only rows of the open group are on screen.
    if (pos.nGroup != m_nCurrentGroup) return;
    CIMGroupButton* pGroup = GetGroup(pos.nGroup);
    CIMListItem* pItem = GetItemAt(pos);
    if (!pGroup || !pItem || !pGroup->IsExpanded()) return;
    // Rows draw their text transparently: clear the row so that text never piles up on itself.
    pDC->FillSolidRect(pItem->GetRect(), m_clrBack);
    pItem->Draw(pDC, bHot);
    RedrawInvalidGroupBtns(pDC, pItem->GetRect());
}

// Everything that lies over rows and was drawn over by rc: the open group's scroll bar and the buttons.
void CIMListWnd::RedrawInvalidGroupBtns(CDC* pDC, const CRect& rcItem) {
    CRect rcMeet;
    if (CIMGroupButton* pCurrent = GetGroup(m_nCurrentGroup)) {
        CIMScrollBar& bar = pCurrent->GetScrollBar();
        if (bar.IsVisible() && rcMeet.IntersectRect(bar.GetRect(), rcItem)) bar.Draw(pDC, m_nArea);
    }
    for (int i = 0; i < GetGroupCount(); ++i) {
        CIMGroupButton* pGroup = m_groups[i];
        if (!rcMeet.IntersectRect(pGroup->GetRect(), rcItem)) continue;
        // The open group's Draw repaints its bar too; keep the part under the mouse hot.
        pGroup->Draw(pDC, i == m_nHoverGroup);
        if (i == m_nCurrentGroup && m_nArea != CIMScrollBar::SBA_NONE)
            pGroup->DrawScrollBarPart(pDC, m_nArea, 1);
    }
}

void CIMListWnd::HoverAt(UINT nFlags, const CPoint& pt) {
    if (pt != m_ptLastMove) OnMouseMove(nFlags, pt);
}

void CIMListWnd::OnMouseMove(UINT nFlags, CPoint point) {
    CWnd::OnMouseMove(nFlags, point);
    m_ptLastMove = point;
    CIMGroupButton* pCurrent = GetGroup(m_nCurrentGroup);
    if (m_groups.empty() || !pCurrent) return;
    const CQVAliveToken alive = m_alive.Token();
    const int nVersion = m_nContentVersion;

    const CIMListHit hit = IMListHitTest(m_groups, m_nCurrentGroup, point);
    m_nHoverGroup = hit.m_nGroup;
    m_hover = hit.m_item;
    m_nArea = static_cast<CIMScrollBar::ScrollBarArea>(hit.m_nArea);
    m_bSparkleIconHover = hit.m_bSparkleIcon;

    if (m_nHoverGroup != m_nPrevHoverGroup) DrawHoverGroupChange();
    if (!ReportHoverItem(alive, nVersion)) return;
    if (m_nArea != m_nPrevArea) {
        CClientDC dc(this);
        pCurrent->DrawScrollBarPart(&dc, m_nPrevArea, 0);
        pCurrent->DrawScrollBarPart(&dc, m_nArea, 1);
    }

    const BOOL bLeftPicture = m_prevHover.bInImage && !m_hover.bInImage;
    m_nPrevHoverGroup = m_nHoverGroup;
    m_prevHover = m_hover;
    m_nPrevArea = m_nArea;
    if (bLeftPicture) {
        OnUserItemImageMouseLeave();
        if (!StillValid(alive, nVersion)) return;
    }
    if (m_bThumbDrag && ::GetKeyState(VK_LBUTTON) < 0 && !DragThumb(pCurrent, point, alive)) return;
    TrackLeave();
}

void CIMListWnd::DrawHoverGroupChange() {
    CClientDC dc(this);
    if (CIMGroupButton* pOld = GetGroup(m_nPrevHoverGroup)) pOld->Draw(&dc, 0);
    if (CIMGroupButton* pNew = GetGroup(m_nHoverGroup)) pNew->Draw(&dc, 1);
}

// The same row: only a move onto its picture is news. Another row: the old one is drawn normal, the
// new one reported and drawn hot.
BOOL CIMListWnd::ReportHoverItem(const CQVAliveToken& alive, int nVersion) {
    if (m_hover.IsSameItem(m_prevHover)) {
        if (!m_hover.IsValid() || m_hover.nUser < 0 || !m_hover.bInImage || m_prevHover.bInImage) return TRUE;
        CIMListItem* pItem = GetItemAt(m_hover);
        if (!pItem) return TRUE;
        OnUserItemImageMouseMove(static_cast<CIMListUserItem*>(pItem));
        return StillValid(alive, nVersion);
    }
    if (m_prevHover.IsValid()) {
        CClientDC dc(this);
        DrawItemAt(&dc, m_prevHover, 0);
    }
    if (!m_hover.IsValid()) return TRUE;
    if (!ReportItemEntered(alive, nVersion)) return FALSE;
    CClientDC dc(this);
    DrawItemAt(&dc, m_hover, 1);
    return TRUE;
}

BOOL CIMListWnd::ReportItemEntered(const CQVAliveToken& alive, int nVersion) {
    CIMListItem* pItem = GetItemAt(m_hover);
    if (pItem && m_hover.nUser < 0 && pItem->GetClassID() == 1) {
        OnTeamItemMouseMove(static_cast<CIMListTeamItem*>(pItem));
        return StillValid(alive, nVersion);
    }
    if (!pItem || m_hover.nUser < 0) return TRUE;
    CIMListUserItem* pUser = static_cast<CIMListUserItem*>(pItem);
    OnUserItemMouseMove(pUser);
    if (!StillValid(alive, nVersion)) return FALSE;
    if (!m_hover.bInImage) return TRUE;
    OnUserItemImageMouseMove(pUser);
    return StillValid(alive, nVersion);
}

BOOL CIMListWnd::DragThumb(CIMGroupButton* pCurrent, const CPoint& point, const CQVAliveToken& alive) {
    CIMScrollBar& bar = pCurrent->GetScrollBar();
    const int nOld = bar.GetPos();
    const CRect rcOld = bar.GetBarRect();
    bar.OnMouseMove(point);
    if (!alive || !m_hWnd) return FALSE;
    if (bar.GetPos() != nOld || bar.GetBarRect() != rcOld) DrawThumbOf(pCurrent);
    return TRUE;
}

// Leave tracking is asked for once something is hovered.
void CIMListWnd::TrackLeave() {
    if (m_bTracking) return;
    if (m_nHoverGroup < 0 && !m_hover.IsValid() && m_nArea == CIMScrollBar::SBA_NONE) return;
    m_bTracking = QVTrackMouseLeave(m_hWnd) ? 1 : 0;
}

void CIMListWnd::OnMouseLeave() {
    m_bTracking = 0;
    m_ptLastMove = CPoint(-32768, -32768);
    CIMGroupButton* pCurrent = GetGroup(m_nCurrentGroup);
    if (m_groups.empty() || !pCurrent) return;
    const int nOldGroup = m_nPrevHoverGroup;
    const tagIMListItemPos oldHover = m_prevHover;
    const CIMScrollBar::ScrollBarArea nOldArea = m_nPrevArea;
    m_nHoverGroup = m_nPrevHoverGroup = -1;
    m_hover.Reset();
    m_prevHover.Reset();
    m_nArea = m_nPrevArea = CIMScrollBar::SBA_NONE;
    m_bSparkleIconHover = 0;
    {
        CClientDC dc(this);
        if (CIMGroupButton* pOld = GetGroup(nOldGroup)) pOld->Draw(&dc, 0);
        if (oldHover.IsValid()) DrawItemAt(&dc, oldHover, 0);
        pCurrent->DrawScrollBarPart(&dc, nOldArea, 0);
    }
    OnUserItemImageMouseLeave();
}

void CIMListWnd::OnLButtonDown(UINT nFlags, CPoint point) {
    CWnd::OnLButtonDown(nFlags, point);
    if (::GetFocus() != m_hWnd) SetFocus();
    if (!m_hWnd) return;
    HoverAt(nFlags, point);
    // A drag whose button went up outside the window (without capture) ends here at the latest.
    m_bThumbDrag = 0;
    CIMGroupButton* pCurrent = GetGroup(m_nCurrentGroup);
    if (pCurrent && m_nArea != CIMScrollBar::SBA_NONE) {
        CIMScrollBar& bar = pCurrent->GetScrollBar();
        const int nOld = bar.GetPos();
        bar.OnClick(point);
        if (!m_hWnd) return;
        if (bar.GetPos() != nOld) {
            DrawThumbOf(pCurrent);
            if (!m_nRepeatTimer) m_nRepeatTimer = static_cast<UINT>(SetTimer(TIMER_REPEAT, 100, NULL));
        }
        if (m_nArea == CIMScrollBar::SBA_BAR) m_bThumbDrag = 1;
    }
    m_pressed = m_hover;
    m_nPressedGroup = m_nHoverGroup;
}

void CIMListWnd::OnLButtonUp(UINT nFlags, CPoint point) {
    CWnd::OnLButtonUp(nFlags, point);
    HoverAt(nFlags, point);
    const tagIMListItemPos pressed = m_pressed;
    const int nPressedGroup = m_nPressedGroup;
    KillTimerIf(m_nRepeatTimer);
    m_nPressedGroup = -1;
    m_pressed.Reset();
    m_bThumbDrag = 0;
    if (m_nHoverGroup >= 0 && m_nHoverGroup != m_nCurrentGroup && m_nHoverGroup == nPressedGroup) {
        GroupButtonClick(m_nHoverGroup);
        return;
    }
    if (!m_hover.IsValid() || !m_hover.IsSameItem(pressed)) return;
    CIMListItem* pItem = GetItemAt(m_hover);
    if (!pItem) return;
    if (m_hover.nUser < 0) {
        if (pItem->GetClassID() == 1) TeamItemClick(static_cast<CIMListTeamItem*>(pItem));
    } else {
        UserItemClick(static_cast<CIMListUserItem*>(pItem));
    }
}

void CIMListWnd::OnLButtonDblClk(UINT nFlags, CPoint point) {
    CWnd::OnLButtonDblClk(nFlags, point);
    HoverAt(nFlags, point);
    const CQVAliveToken alive = m_alive.Token();
    const int nVersion = m_nContentVersion;
    CIMGroupButton* pCurrent = GetGroup(m_nCurrentGroup);
    if (pCurrent && m_nArea != CIMScrollBar::SBA_NONE) {
        CIMScrollBar& bar = pCurrent->GetScrollBar();
        const int nOld = bar.GetPos();
        bar.OnClick(point);
        if (!m_hWnd) return;
        if (bar.GetPos() != nOld) DrawThumbOf(pCurrent);
    }
    if (m_hover.IsValid() && m_hover.nUser >= 0) {
        CIMGroupButton* pGroup = GetGroup(m_hover.nGroup);
        CIMListItem* pTeam = pGroup ? pGroup->GetChild(m_hover.nTeam) : nullptr;
        CIMListItem* pUser = GetItemAt(m_hover);
        if (pTeam && pTeam->GetClassID() == 1 && pUser) {
            const tagIMListItemPos pos = m_hover;
            OnUserItemDBClick(static_cast<CIMListUserItem*>(pUser));
            if (!StillValid(alive, nVersion)) return;
            CClientDC dc(this);
            DrawItemAt(&dc, pos, 0);
            m_hover.Reset();
        }
    }
    if (m_nHoverGroup >= 0 && m_bSparkleIconHover) OnSparkleItemDBClick();
}

void CIMListWnd::TeamItemClick(CIMListTeamItem* pTeam) {
    CIMGroupButton* pGroup = GetGroup(m_nCurrentGroup);
    if (!pGroup) return;
    pTeam->Expand(!pTeam->IsExpanded());
    CIMScrollBar& bar = pGroup->GetScrollBar();
    const int bWasVisible = bar.IsVisible();
    LayoutCurrentGroup();
    InvalidateRect(IMListRowsRect(m_rcExpand), TRUE);
    {
        CClientDC dc(this);
        if (!bar.IsVisible() && bWasVisible) {
            dc.FillSolidRect(bar.GetRect(), m_clrBack);
            // Team rows reach into the freed column: let the paint draw them there.
            InvalidateRect(bar.GetRect(), FALSE);
        } else if (bar.IsVisible() && !bWasVisible) {
            bar.Draw(&dc, CIMScrollBar::SBA_NONE);
        } else if (bar.IsVisible()) {
            bar.DrawPart(&dc, CIMScrollBar::SBA_BAR, 0);
        }
    }
    // Rows moved: the row under the mouse is found again at the next move.
    ResetHover();
    ++m_nContentVersion;
    OnTeamItemClick(pTeam);
}

void CIMListWnd::UserItemClick(CIMListUserItem* pUser) {
    OnUserItemClick(pUser);
}
