// Rows of the contact list: geometry, order, hit tests and drawing of teams and users.
#include "IMListItem.h"

#include "QVBitmap.h"
#include "QVLanResManager.h"
#include "QVSelectScope.h"
#include "QVSkinResManager.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------------------
// Fonts.

CFont* AFXAPI IMListGetFont(int nPointSize) {
    struct CEntry {
        int nPointSize;
        CString strFace;
        CFont font;
    };
    static std::vector<CEntry*> s_cache;  // a handful of sizes; never shrinks
    static struct CCleanup {
        ~CCleanup() {
            for (CEntry* pEntry : s_cache)
                delete pEntry;
        }
    } s_cleanup;
    const CString strFace = CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT"));
    for (CEntry* pEntry : s_cache) {
        if (pEntry->nPointSize != nPointSize) continue;
        if (pEntry->strFace != strFace) {
            pEntry->font.DeleteObject();
            pEntry->font.CreatePointFont(nPointSize, strFace);
            pEntry->strFace = strFace;
        }
        return &pEntry->font;
    }
    CEntry* pEntry = new CEntry{nPointSize, strFace, {}};
    pEntry->font.CreatePointFont(nPointSize, strFace);
    s_cache.push_back(pEntry);
    return &pEntry->font;
}

// ---------------------------------------------------------------------------------------------------
// CIMListItem

CIMListItem::~CIMListItem() = default;

void CIMListItem::SetRect(const CRect& rc) {
    m_rcItem = rc;
    m_rcImage = rc;
    m_rcText = rc;
}

void CIMListItem::Draw(CDC*, int) {}

void CIMListItem::Offset(int dx, int dy) {
    m_rcItem.OffsetRect(dx, dy);
    m_rcImage.OffsetRect(dx, dy);
    m_rcText.OffsetRect(dx, dy);
}

// ---------------------------------------------------------------------------------------------------
// CIMListUserItem

CIMListUserItem::~CIMListUserItem() = default;

void CIMListUserItem::SetRect(const CRect& rc) {
    const CIMListRowRects rects = IMListUserRowRects(rc);
    m_rcItem = rc;
    m_rcImage = rects.m_rcImage;
    m_rcText = rects.m_rcText;
    m_rcIconAnchor = m_rcImage;
}

void CIMListUserItem::SetUserIcon(CQVBitmap* pTiny, CQVBitmap* pBig, CQVBitmap* pGrayTiny,
                                  CQVBitmap* pGrayBig) {
    m_pTinyIcon = pTiny;
    m_pBigIcon = pBig;
    m_pGrayTinyIcon = pGrayTiny;
    m_pGrayBigIcon = pGrayBig;
}

CQVBitmap* CIMListUserItem::GetCurrentIcon() const {
    if (m_nStatus == IMUS_ONLINE) return m_bBigImage ? m_pBigIcon : m_pTinyIcon;
    return m_bBigImage ? m_pGrayBigIcon : m_pGrayTinyIcon;
}

void CIMListUserItem::Draw(CDC* pDC, int bHot) {
    CRect rcFrame = m_rcImage;
    rcFrame.InflateRect(2, 2);
    if (bHot) {
        CPen pen(PS_SOLID, 1, RGB(132, 162, 198));
        CQVSelectScope scope(pDC, pen.GetSafeHandle(), ::GetStockObject(NULL_BRUSH));
        // A flashing user keeps its shaking picture unframed.
        if (!m_bSparkling) pDC->Rectangle(rcFrame);
        pDC->SetTextColor(RGB(128, 128, 255));
    } else {
        pDC->FillSolidRect(rcFrame, RGB(255, 255, 255));
        pDC->SetTextColor(RGB(64, 64, 128));
    }
    if (CQVBitmap* pIcon = GetCurrentIcon()) pIcon->Draw(pDC, m_rcImage.left, m_rcImage.top, 0);

    CQVSelectScope font(pDC, IMListGetFont(90)->GetSafeHandle());
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText = m_rcText;
    pDC->DrawText(m_strTitle, rcText, DT_SINGLELINE | DT_VCENTER);
    if (!m_strIdiograph.IsEmpty()) {
        pDC->SetTextColor(RGB(128, 128, 128));
        CRect rcName = m_rcText;
        pDC->DrawText(m_strTitle, rcName, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        CRect rcSign(rcName.right, m_rcText.top, m_rcItem.right, m_rcText.bottom);
        pDC->DrawText(_T("(") + m_strIdiograph + _T(")"), rcSign,
                      DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
}

CPoint CIMListUserItem::SparkleOffset(int nPhase) {
    static const int kDx[8] = {-2, 2, 0, 0, -2, 2, -2, 2};
    static const int kDy[8] = {0, 0, -2, 2, -2, 2, 2, -2};
    const int n = ((nPhase % 8) + 8) % 8;
    return CPoint(kDx[n], kDy[n]);
}

void CIMListUserItem::Sparkle(CDC* pDC) {
    CRect rcFrame = m_rcImage;
    rcFrame.InflateRect(2, 2);
    pDC->FillSolidRect(rcFrame, RGB(255, 255, 255));
    m_nSparklePhase = (m_nSparklePhase + 1) % 8;
    const CPoint ptOffset = SparkleOffset(m_nSparklePhase);
    if (CQVBitmap* pIcon = GetCurrentIcon())
        pIcon->Draw(pDC, m_rcImage.left + ptOffset.x, m_rcImage.top + ptOffset.y, 0);
}

// ---------------------------------------------------------------------------------------------------
// CIMListTeamItem

CIMListTeamItem::CIMListTeamItem() : m_pSkinRes(CQVSkinResManager::GetSingletonPtr()->GetIMLRes()) {}

CIMListTeamItem::CIMListTeamItem(const CIMListTeamItem& other) : CIMListItem(other) {
    CopyFrom(other);
}

CIMListTeamItem& CIMListTeamItem::operator=(const CIMListTeamItem& other) {
    if (this != &other) {
        CIMListItem::operator=(other);
        DeleteChildren();
        CopyFrom(other);
    }
    return *this;
}

CIMListTeamItem::~CIMListTeamItem() {
    DeleteChildren();
}

// Every field; the users are copied so that each team deletes only its own.
void CIMListTeamItem::CopyFrom(const CIMListTeamItem& other) {
    m_pSkinRes = other.m_pSkinRes;
    m_pParent = other.m_pParent;
    m_bExpanded = other.m_bExpanded;
    m_rcExpand = other.m_rcExpand;
    m_nActiveCount = other.m_nActiveCount;
    m_bHasImages = other.m_bHasImages;
    m_hCollapsed = other.m_hCollapsed;
    m_hExpanded = other.m_hExpanded;
    m_children.reserve(other.m_children.size());
    for (CIMListUserItem* pUser : other.m_children) {
        CIMListUserItem* pCopy = new CIMListUserItem(*pUser);
        if (pCopy->GetParent() == &other) pCopy->SetParent(this);
        m_children.push_back(pCopy);
        m_users[pCopy->GetUserID()] = pCopy;
    }
}

void CIMListTeamItem::DeleteChildren() {
    std::vector<CIMListUserItem*> children;
    children.swap(m_children);
    m_users.clear();
    m_nActiveCount = 0;
    for (CIMListUserItem* pUser : children)
        delete pUser;
}

void CIMListTeamItem::SetImages(HICON hCollapsed, HICON hExpanded) {
    m_hCollapsed = hCollapsed;
    m_hExpanded = hExpanded;
    m_bHasImages = 1;
}

void CIMListTeamItem::SetRect(const CRect& rc) {
    const CIMListRowRects rects = IMListTeamRowRects(rc);
    m_rcItem = rc;
    m_rcText = rects.m_rcText;
    m_rcImage = rects.m_rcImage;
}

void CIMListTeamItem::Offset(int dx, int dy) {
    CIMListItem::Offset(dx, dy);
    m_rcExpand.OffsetRect(dx, dy);
    for (CIMListUserItem* pUser : m_children)
        pUser->Offset(dx, dy);
}

void CIMListTeamItem::SetBigImage(int bBig) {
    m_bBigImage = bBig;
    for (CIMListUserItem* pUser : m_children)
        pUser->SetBigImage(bBig);
    AdjustChilds();
}

int CIMListTeamItem::AddChild(CIMListUserItem* pUser) {
    if (!pUser || m_users.count(pUser->GetUserID())) return 0;
    m_users[pUser->GetUserID()] = pUser;
    pUser->SetBigImage(m_bBigImage);
    if (pUser->IsActive()) IncreaseActiveCount();
    InsertOrdered(pUser);
    return 1;
}

void CIMListTeamItem::RemoveChild(CIMListUserItem* pUser) {
    const int nIndex = IndexOfChild(pUser);
    if (nIndex < 0) return;
    if (pUser->IsActive()) DecreaseActiveCount();
    auto it = m_users.find(pUser->GetUserID());
    if (it != m_users.end() && it->second == pUser) m_users.erase(it);
    m_children.erase(m_children.begin() + nIndex);
}

CIMListUserItem* CIMListTeamItem::FindUser(DWORD dwUserID) const {
    auto it = m_users.find(dwUserID);
    return it == m_users.end() ? nullptr : it->second;
}

CIMListUserItem* CIMListTeamItem::GetChild(int nIndex) const {
    return nIndex >= 0 && nIndex < GetChildCount() ? m_children[nIndex] : nullptr;
}

int CIMListTeamItem::IndexOfChild(const CIMListUserItem* pUser) const {
    if (!pUser) return -1;
    // Users of a laid-out team sit at evenly spaced rows: try the row under the user's rect first.
    const int h = GetChildHeight();
    if (!m_rcExpand.IsRectEmpty() && !pUser->GetRect().IsRectEmpty()) {
        const int nGuess = (pUser->GetRect().top - m_rcExpand.top) / h;
        if (nGuess >= 0 && nGuess < GetChildCount() && m_children[nGuess] == pUser) return nGuess;
    }
    auto it = std::find(m_children.begin(), m_children.end(), pUser);
    return it == m_children.end() ? -1 : static_cast<int>(it - m_children.begin());
}

// Active users go before the first child with a lower status (after their equals); the others at the end.
void CIMListTeamItem::InsertOrdered(CIMListUserItem* pUser) {
    if (pUser->IsActive()) {
        const IMUserStatus nStatus = pUser->GetUserStatus();
        auto lower = [nStatus](const CIMListUserItem* p) { return p->GetUserStatus() < nStatus; };
        // The active users form a prefix sorted by status (every inactive status is lower than an active
        // one): a binary search finds the place. A prefix the counts do not confirm is scanned instead.
        const size_t nActive = static_cast<size_t>(std::max(m_nActiveCount - 1, 0));  // this user is counted
        const bool bPrefix = nActive <= m_children.size() &&
                             (nActive == 0 || m_children[nActive - 1]->IsActive()) &&
                             (nActive == m_children.size() || !m_children[nActive]->IsActive());
        auto it = bPrefix ? std::partition_point(m_children.begin(), m_children.begin() + nActive,
                                                 [&lower](const CIMListUserItem* p) { return !lower(p); })
                          : std::find_if(m_children.begin(), m_children.end(), lower);
        m_children.insert(it, pUser);
    } else {
        m_children.push_back(pUser);
    }
}

void CIMListTeamItem::OnUserStatusChanged(CIMListUserItem* pUser, IMUserStatus nNewStatus) {
    if (!pUser) return;
    const BOOL bWasActive = pUser->IsActive();
    pUser->SetUserStatus(nNewStatus);
    const int nIndex = IndexOfChild(pUser);
    // Only a child of this team counts and moves.
    if (nIndex < 0) return;
    if (!bWasActive && pUser->IsActive()) IncreaseActiveCount();
    if (bWasActive && !pUser->IsActive()) DecreaseActiveCount();
    m_children.erase(m_children.begin() + nIndex);
    InsertOrdered(pUser);
}

int CIMListTeamItem::AdjustChilds() {
    const int h = GetChildHeight();
    const int n = GetChildCount();
    if (n > 0 && m_bExpanded) {
        CRect rc = IMListTeamUsersRect(m_rcItem, 1, h);
        for (CIMListUserItem* pUser : m_children) {
            pUser->SetRect(rc);
            rc.OffsetRect(0, h);
        }
        m_rcExpand = IMListTeamUsersRect(m_rcItem, n, h);
        return 1;
    }
    m_rcExpand.SetRectEmpty();
    for (CIMListUserItem* pUser : m_children)
        pUser->SetRect(CRect(0, 0, 0, 0));
    return 0;
}

int CIMListTeamItem::CalcVirtualChilds(CRect& rcOut) const {
    const int n = GetChildCount();
    if (n <= 0 || !m_bExpanded) return 0;
    rcOut = IMListTeamUsersRect(m_rcItem, n, GetChildHeight());
    return 1;
}

int CIMListTeamItem::MouseInChild(const CPoint& pt, int& bInImage) const {
    bInImage = 0;
    const int n = GetChildCount();
    if (n == 0) return -1;
    const int h = GetChildHeight();
    const CRect& rcFirst = m_children.front()->GetRect();
    int nIndex = -1;
    // Laid out: rows are evenly spaced from the first one, so the row is found by arithmetic.
    if (!rcFirst.IsRectEmpty() && m_children.back()->GetRect().top == rcFirst.top + (n - 1) * h) {
        const int nRow = IMListRowAt(rcFirst.top, h, n, pt.y);
        if (nRow >= 0 && m_children[nRow]->MouseInItem(pt)) nIndex = nRow;
    } else {
        for (int i = 0; i < n; ++i)
            if (m_children[i]->MouseInItem(pt)) {
                nIndex = i;
                break;
            }
    }
    if (nIndex >= 0 && m_children[nIndex]->MouseInItemImage(pt)) bInImage = 1;
    return nIndex;
}

CString CIMListTeamItem::GetDisplayText() const {
    CString strText;
    strText.Format(_T("%s (%d/%d)"), static_cast<LPCTSTR>(m_strTitle), m_nActiveCount, GetChildCount());
    return strText;
}

void CIMListTeamItem::Draw(CDC* pDC, int bHot) {
    if (m_bHasImages) {
        if (m_pSkinRes)
            m_pSkinRes->m_bmpTeamItem.TransparentDraw(pDC, m_rcImage.left, m_rcImage.top,
                                                      m_pSkinRes->m_clrTransparent, bHot ? 1 : 0);
        HICON hIcon = m_bExpanded ? m_hExpanded : m_hCollapsed;
        if (hIcon)
            ::DrawIconEx(pDC->GetSafeHdc(), m_rcImage.left, m_rcImage.top, hIcon, 16, 16, 0, NULL, DI_NORMAL);
    } else {
        COLORREF clrPen, clrBrush;
        if (bHot) {
            clrPen = m_bExpanded ? RGB(255, 255, 128) : RGB(200, 200, 255);
            clrBrush = RGB(240, 240, 255);
        } else {
            clrPen = m_bExpanded ? RGB(255, 128, 255) : RGB(210, 220, 255);
            clrBrush = RGB(230, 230, 240);
        }
        const CQVSelectScope scope = CQVSelectScope::SolidPenBrush(*pDC, clrPen, clrBrush);
        pDC->Rectangle(m_rcItem);
    }
    CQVSelectScope font(pDC, IMListGetFont(100)->GetSafeHandle());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bHot ? RGB(0, 0, 0) : RGB(40, 73, 151));
    CRect rcText = m_rcText;
    pDC->DrawText(GetDisplayText(), rcText, DT_SINGLELINE | DT_VCENTER);
}

void CIMListTeamItem::DrawChilds(CDC* pDC, const CRect& rcClip) {
    const int n = GetChildCount();
    if (n == 0) return;
    const int h = GetChildHeight();
    const CRect& rcFirst = m_children.front()->GetRect();
    int nFirst = 0, nLast = n - 1;
    // Laid out rows: only those that meet the clip rows are visited.
    if (!rcFirst.IsRectEmpty() && m_children.back()->GetRect().top == rcFirst.top + (n - 1) * h) {
        if (!IMListVisibleRows(rcFirst.top, h, n, rcClip.top, rcClip.bottom, nFirst, nLast)) return;
    }
    CRect rcMeet;
    for (int i = nFirst; i <= nLast; ++i) {
        CIMListUserItem* pUser = m_children[i];
        if (rcMeet.IntersectRect(pUser->GetRect(), rcClip)) pUser->Draw(pDC, 0);
    }
}
