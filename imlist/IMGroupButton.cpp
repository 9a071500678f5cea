// A contact-list group: button geometry and sliding, children layout and scrolling, hit tests, drawing
// and the blinking of flashing users.
#include "IMGroupButton.h"

#include "QVSelectScope.h"
#include "QVSkinResManager.h"

#include <algorithm>

namespace {

// A copy of one child, of its own class (the three classes of the list; a client's own derived class
// is copied as its base).
CIMListItem* CloneItem(const CIMListItem* pItem) {
    switch (pItem->GetClassID()) {
    case 1:
        return new CIMListTeamItem(static_cast<const CIMListTeamItem&>(*pItem));
    case 2:
        return new CIMListUserItem(static_cast<const CIMListUserItem&>(*pItem));
    default:
        return new CIMListItem(*pItem);
    }
}

// The copy of pUser among copies, the children copied from original (a child itself or a team's user).
CIMListUserItem* CopyOfUser(const std::vector<CIMListItem*>& original,
                            const std::vector<CIMListItem*>& copies, const CIMListUserItem* pUser) {
    for (size_t i = 0; i < original.size(); ++i) {
        if (original[i] == pUser) return static_cast<CIMListUserItem*>(copies[i]);
        if (original[i]->GetClassID() != 1) continue;
        const int nUser = static_cast<const CIMListTeamItem*>(original[i])->IndexOfChild(pUser);
        if (nUser >= 0) return static_cast<CIMListTeamItem*>(copies[i])->GetChild(nUser);
    }
    return nullptr;
}

}  // namespace

CIMGroupButton::CIMGroupButton() : m_pSkinRes(CQVSkinResManager::GetSingletonPtr()->GetIMLRes()) {}

CIMGroupButton::CIMGroupButton(const CIMGroupButton& other) {
    CopyFrom(other);
}

CIMGroupButton& CIMGroupButton::operator=(const CIMGroupButton& other) {
    if (this != &other) {
        DeleteAllChilds();
        CopyFrom(other);
    }
    return *this;
}

CIMGroupButton::~CIMGroupButton() {
    DeleteAllChilds();
}

// Every field; children are copied, and the flashing list names the copies of the flashing users.
void CIMGroupButton::CopyFrom(const CIMGroupButton& other) {
    m_bBigImage = other.m_bBigImage;
    m_strTitle = other.m_strTitle;
    m_rcButton = other.m_rcButton;
    m_rcFlashIcon = other.m_rcFlashIcon;
    m_rcDest = other.m_rcDest;
    m_rcText = other.m_rcText;
    m_rcExpand = other.m_rcExpand;
    m_nMoveDirection = other.m_nMoveDirection;
    m_bExpanded = other.m_bExpanded;
    m_nCurrentItem = other.m_nCurrentItem;
    m_scrollBar = other.m_scrollBar;
    m_nFlashCounter = other.m_nFlashCounter;
    m_pSkinRes = other.m_pSkinRes;
    m_bHasImages = other.m_bHasImages;
    m_hExpanded = other.m_hExpanded;
    m_hCollapsed = other.m_hCollapsed;
    m_children.clear();
    m_sparkling.clear();
    for (const CIMListItem* pItem : other.m_children) {
        CIMListItem* pCopy = CloneItem(pItem);
        if (pCopy->GetClassID() == 1) {
            CIMListTeamItem* pTeam = static_cast<CIMListTeamItem*>(pCopy);
            if (pTeam->GetParent() == &other) pTeam->SetParent(this);
        }
        m_children.push_back(pCopy);
    }
    for (CIMListUserItem* pUser : other.m_sparkling)
        if (CIMListUserItem* pCopy = CopyOfUser(other.m_children, m_children, pUser))
            m_sparkling.push_back(pCopy);
}

void CIMGroupButton::SetBigImage(int bBig) {
    for (CIMListItem* pItem : m_children)
        pItem->SetBigImage(bBig);
    m_bBigImage = bBig;
    SetExpandRect(m_rcExpand);
}

void CIMGroupButton::SetImages(HICON hCollapsed, HICON hExpanded) {
    m_hCollapsed = hCollapsed;
    m_hExpanded = hExpanded;
    m_bHasImages = 1;
}

// ---------------------------------------------------------------------------------------------------
// Geometry.

void CIMGroupButton::PlaceButton(const CRect& rc) {
    const CIMGroupButtonRects rects = IMGroupButtonRects(rc);
    m_rcButton = rc;
    m_rcText = rects.m_rcText;
    m_rcFlashIcon = rects.m_rcFlashIcon;
}

void CIMGroupButton::SetRect(const CRect& rc) {
    PlaceButton(rc);
}

void CIMGroupButton::SetDestRect(const CRect& rc) {
    m_rcDest = rc;
    m_nMoveDirection = IMGroupSlideDirection(m_rcButton.top, rc.top);
}

void CIMGroupButton::StopAnimation() {
    if (m_nMoveDirection == MOVE_NONE) return;
    PlaceButton(m_rcDest);
    m_nMoveDirection = MOVE_NONE;
}

void CIMGroupButton::SetExpandRect(const CRect& rc) {
    m_rcExpand = rc;
    m_scrollBar.SetRect(IMGroupScrollBarRect(rc));
    AdjustChilds();
}

void CIMGroupButton::CalcVirtualExpandRect(CRect& rcOut) const {
    int nUsersHeight = 0;
    for (const CIMListItem* pItem : m_children) {
        CRect rcTeam;
        if (pItem->GetClassID() == 1 && static_cast<const CIMListTeamItem*>(pItem)->CalcVirtualChilds(rcTeam))
            nUsersHeight += rcTeam.Height();
    }
    rcOut = IMGroupContentRect(m_rcExpand, GetChildCount(), nUsersHeight);
}

void CIMGroupButton::AdjustChilds() {
    CRect rcVirtual;
    CalcVirtualExpandRect(rcVirtual);
    const CIMGroupScrollRange range = IMGroupScrollRange(m_rcExpand.Height(), rcVirtual.Height());
    if (!range.m_bVisible) {
        m_scrollBar.SetPos(0);
        m_scrollBar.SetVisible(0);
    } else {
        m_scrollBar.SetRange(0, range.m_nMax, range.m_nPage, range.m_nLine);
        m_scrollBar.SetVisible(1);
    }
    CRect rc = IMGroupFirstRowRect(m_rcExpand, m_scrollBar.GetPos());
    for (CIMListItem* pItem : m_children) {
        pItem->SetRect(rc);
        rc.OffsetRect(0, ROW_STEP);
        if (pItem->GetClassID() == 1) {
            CIMListTeamItem* pTeam = static_cast<CIMListTeamItem*>(pItem);
            if (pTeam->AdjustChilds()) rc.OffsetRect(0, pTeam->GetExpandRect().bottom + 2 - rc.top);
        }
    }
}

void CIMGroupButton::OffsetChildsRect(int dx, int dy) {
    for (CIMListItem* pItem : m_children)
        pItem->Offset(dx, dy);
}

// ---------------------------------------------------------------------------------------------------
// Children.

void CIMGroupButton::AddChild(CIMListItem* pItem) {
    if (!pItem) return;
    pItem->SetBigImage(m_bBigImage);
    m_children.push_back(pItem);
}

void CIMGroupButton::RemoveChild(CIMListItem* pItem) {
    auto it = std::find(m_children.begin(), m_children.end(), pItem);
    if (it != m_children.end()) m_children.erase(it);
    if (pItem && pItem->GetClassID() == 2) RemoveSparkleItem(static_cast<CIMListUserItem*>(pItem));
}

void CIMGroupButton::DeleteAllChilds() {
    std::vector<CIMListItem*> children;
    children.swap(m_children);
    m_sparkling.clear();
    for (CIMListItem* pItem : children)
        delete pItem;
}

CIMListItem* CIMGroupButton::GetChild(int nIndex) const {
    return nIndex >= 0 && nIndex < GetChildCount() ? m_children[nIndex] : nullptr;
}

int CIMGroupButton::IndexOfChild(const CIMListItem* pItem) const {
    auto it = std::find(m_children.begin(), m_children.end(), pItem);
    return it == m_children.end() ? -1 : static_cast<int>(it - m_children.begin());
}

CIMListTeamItem* CIMGroupButton::FindTeamItem(const CString& strTitle) const {
    for (CIMListItem* pItem : m_children)
        if (pItem->GetClassID() == 1 && pItem->GetTitle() == strTitle)
            return static_cast<CIMListTeamItem*>(pItem);
    return nullptr;
}

CIMListTeamItem* CIMGroupButton::FindTeamItem(DWORD dwItemData) const {
    for (CIMListItem* pItem : m_children)
        if (pItem->GetClassID() == 1 && pItem->GetItemData() == dwItemData)
            return static_cast<CIMListTeamItem*>(pItem);
    return nullptr;
}

CIMListUserItem* CIMGroupButton::FindUserItem(const CString& strTitle) const {
    for (CIMListItem* pItem : m_children)
        if (pItem->GetClassID() == 2 && pItem->GetTitle() == strTitle)
            return static_cast<CIMListUserItem*>(pItem);
    return nullptr;
}

int CIMGroupButton::MouseInChild(const CPoint& pt, int& nTeam, int& nUser, int& bInImage) const {
    nTeam = nUser = -1;
    bInImage = 0;
    for (int i = 0; i < GetChildCount(); ++i) {
        const CIMListItem* pItem = m_children[i];
        if (pItem->MouseInItem(pt)) {
            nTeam = i;
            return 1;
        }
        if (pItem->GetClassID() != 1) continue;
        const CIMListTeamItem* pTeam = static_cast<const CIMListTeamItem*>(pItem);
        if (!pTeam->IsExpanded() || !pTeam->MouseInExpandRect(pt)) continue;
        const int nFound = pTeam->MouseInChild(pt, bInImage);
        if (nFound >= 0) {
            nTeam = i;
            nUser = nFound;
            return 1;
        }
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------------
// Drawing.

void CIMGroupButton::Draw(CDC* pDC, int bHot) {
    if (m_bExpanded) m_scrollBar.Draw(pDC, CIMScrollBar::SBA_NONE);
    pDC->FillSolidRect(m_rcButton, RGB(255, 255, 255));
    if (m_bHasImages) {
        if (m_pSkinRes)
            m_pSkinRes->m_bmpGroupBtn.TransparentDrawFill(pDC, m_rcButton, m_pSkinRes->m_clrTransparent,
                                                          bHot ? 1 : 0);
        HICON hIcon = m_bExpanded ? m_hExpanded : m_hCollapsed;
        if (hIcon)
            ::DrawIconEx(pDC->GetSafeHdc(), m_rcButton.left + 3, m_rcButton.top + 2, hIcon, 16, 16, 0, NULL,
                         DI_NORMAL);
    } else {
        const CQVSelectScope scope =
            CQVSelectScope::SolidPenBrush(*pDC, bHot ? RGB(255, 255, 200) : RGB(128, 128, 255),
                                          bHot ? RGB(220, 220, 255) : RGB(200, 200, 255));
        pDC->RoundRect(m_rcButton, CPoint(5, 5));
    }
    CQVSelectScope font(pDC, IMListGetFont(100)->GetSafeHandle());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(40, 73, 151));
    CRect rcText = m_rcText;
    pDC->DrawText(m_strTitle, rcText, DT_SINGLELINE | DT_VCENTER);
}

void CIMGroupButton::DrawChilds(CDC* pDC) {
    CRect rcMeet;
    // Team rows are at least 22 pixels apart in display order: stop after the first row below the area.
    for (CIMListItem* pItem : m_children) {
        if (pItem->GetRect().top >= m_rcExpand.bottom && !pItem->GetRect().IsRectEmpty()) break;
        if (rcMeet.IntersectRect(pItem->GetRect(), m_rcExpand)) pItem->Draw(pDC, 0);
    }
    for (CIMListItem* pItem : m_children) {
        if (pItem->GetRect().top >= m_rcExpand.bottom && !pItem->GetRect().IsRectEmpty()) break;
        if (pItem->GetClassID() != 1) continue;
        CIMListTeamItem* pTeam = static_cast<CIMListTeamItem*>(pItem);
        if (pTeam->IsExpanded() && rcMeet.IntersectRect(pTeam->GetExpandRect(), m_rcExpand))
            pTeam->DrawChilds(pDC, m_rcExpand);
    }
}

void CIMGroupButton::DrawScrollBarPart(CDC* pDC, CIMScrollBar::ScrollBarArea nPart, int bHot) {
    if (nPart == CIMScrollBar::SBA_NONE) return;
    m_scrollBar.DrawPart(pDC, nPart, bHot);
}

int CIMGroupButton::Animation(CDC* pDC, int nStep) {
    int dy = 0;
    int nResult = 0;
    if (m_nMoveDirection != MOVE_NONE) {
        if (IMGroupSlideStep(m_nMoveDirection, m_rcButton.top, m_rcDest.top, nStep, dy)) {
            m_rcButton.OffsetRect(0, dy);
            m_rcText.OffsetRect(0, dy);
            m_rcFlashIcon.OffsetRect(0, dy);
            nResult = 1;
        } else {
            StopAnimation();
        }
    }
    if (pDC) {
        if (m_bExpanded) DrawChilds(pDC);
        Draw(pDC, 0);
    }
    return nResult;
}

int CIMGroupButton::SparkleItem(CDC* pDC, std::vector<CRect>& rects, int bHot) {
    int nResult = 0;
    if (m_bExpanded) {
        CRect rcMeet;
        for (CIMListUserItem* pUser : m_sparkling) {
            if (!rcMeet.IntersectRect(pUser->GetRect(), m_rcExpand)) continue;
            pUser->Sparkle(pDC);
            rects.push_back(pUser->GetRect());
            nResult = 1;
        }
    }
    ++m_nFlashCounter;
    if (m_nFlashCounter % 2 != 0) {
        CQVBitmap* pTiny = m_sparkling.empty() ? nullptr : m_sparkling.front()->GetTinyIcon();
        if (pTiny) pTiny->TransparentDraw(pDC, m_rcFlashIcon.left, m_rcFlashIcon.top, FLASH_KEY, 0);
    } else {
        Draw(pDC, bHot);
    }
    return nResult;
}

// ---------------------------------------------------------------------------------------------------
// Flashing users.

void CIMGroupButton::AddSparkleItem(CIMListUserItem* pUser) {
    if (pUser) m_sparkling.push_back(pUser);
}

void CIMGroupButton::RemoveSparkleItem(CIMListUserItem* pUser) {
    auto it = std::find(m_sparkling.begin(), m_sparkling.end(), pUser);
    if (it != m_sparkling.end()) m_sparkling.erase(it);
}

CIMListUserItem* CIMGroupButton::GetSparkleItem(int nIndex) const {
    return nIndex >= 0 && nIndex < GetSparkleItemCount() ? m_sparkling[nIndex] : nullptr;
}
