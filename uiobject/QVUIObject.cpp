#include "QVUIObject.h"

#include "QVUITimerMgr.h"

#include <algorithm>

namespace {

// Whether two rectangles overlap, for rectangles that may be empty or inverted (no normalising).
bool Overlaps(const CRect& a, const CRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Below this many children a plain walk is as quick as the index.
const size_t kIndexFrom = 64;

// Changes with every change of geometry anywhere: an index built at another value is stale.
unsigned long long g_nGeometryEpoch = 1;

}  // namespace

CQVUIObjectGuard::CQVUIObjectGuard(CQVUIObject* pObject)
    : m_token(pObject ? pObject->m_alive.Token() : CQVAliveToken()) {}

struct CQVUIObject::CPaintIndex {
    struct Item {
        CRect rcReach;
        size_t nChild;
    };
    unsigned long long nEpoch = 0;
    int nTallest = 0;         // the greatest reach height
    std::vector<Item> items;  // visible children, by the top of their reach
};

void CQVUIObject::GeometryChanged() {
    ++g_nGeometryEpoch;
}

CQVUIObject::CQVUIObject(CQVUIObject* pParent) : m_pParent(pParent) {}

CQVUIObject::CQVUIObject(const CQVUIObject& other)
    : m_nObjectID(other.m_nObjectID), m_rcObject(other.m_rcObject), m_bVisible(other.m_bVisible),
      m_bEnabled(other.m_bEnabled), m_bAllowScroll(other.m_bAllowScroll),
      m_sizePreferred(other.m_sizePreferred), m_clrBackground(other.m_clrBackground),
      m_bTransparent(other.m_bTransparent), m_strToolTip(other.m_strToolTip) {
    m_nPaintOutset = other.m_nPaintOutset;
}

CQVUIObject& CQVUIObject::operator=(const CQVUIObject& other) {
    if (this == &other) return *this;
    m_nPaintOutset = other.m_nPaintOutset;
    GeometryChanged();
    m_nObjectID = other.m_nObjectID;
    m_rcObject = other.m_rcObject;
    m_bVisible = other.m_bVisible;
    m_bEnabled = other.m_bEnabled;
    m_bAllowScroll = other.m_bAllowScroll;
    m_sizePreferred = other.m_sizePreferred;
    m_clrBackground = other.m_clrBackground;
    m_bTransparent = other.m_bTransparent;
    m_strToolTip = other.m_strToolTip;
    return *this;
}

CQVUIObject::~CQVUIObject() {
    m_alive.Kill();
    DeleteAllChildren();
    delete m_pPaintIndex;
    GeometryChanged();
    // An object deleted directly (not through its parent) leaves its parent's sequence and hover state.
    if (m_pParent) {
        m_pParent->ForgetChild(this);
        std::vector<CQVUIObject*>* pSiblings = m_pParent->m_pChildren;
        if (m_bHeld && pSiblings) {
            auto it = std::find(pSiblings->begin(), pSiblings->end(), this);
            if (it != pSiblings->end()) pSiblings->erase(it);
        }
    }
}

void CQVUIObject::Layout() {}

const CSize& CQVUIObject::GetPreferredSize() {
    return m_sizePreferred;
}

int CQVUIObject::OnHitTest(const CPoint& pt) {
    if (!m_bVisible) return 0;
    return m_rcObject.PtInRect(pt) ? 1 : 0;
}

int CQVUIObject::OnMouseMove(const CPoint& pt) {
    if (m_pChildren) {
        m_pPrevHover = m_pHover;
        m_pHover = nullptr;
        for (size_t i = m_pChildren->size(); i-- > 0;) {
            CQVUIObject* pChild = (*m_pChildren)[i];
            if (pChild && pChild->OnHitTest(pt)) {
                m_pHover = pChild;
                break;
            }
        }
    }
    if (!m_strToolTip.IsEmpty() && !m_bToolTipShown) {
        InternalSetToolTip(m_strToolTip);
        m_bToolTipShown = TRUE;
    }
    CQVUIObjectGuard guard(this);
    if (m_pPrevHover && m_pPrevHover != m_pHover) {
        m_pPrevHover->OnMouseLeave();
        if (!guard) return 0;
    }
    // Read again: the leave report may have deleted the new hover child (it is then forgotten).
    return m_pHover ? m_pHover->OnMouseMove(pt) : 0;
}

int CQVUIObject::OnLButtonDown(const CPoint& pt) {
    return m_pHover ? m_pHover->OnLButtonDown(pt) : 0;
}

int CQVUIObject::OnLButtonUp(const CPoint& pt) {
    return m_pHover ? m_pHover->OnLButtonUp(pt) : 0;
}

int CQVUIObject::OnLButtonDblClk(const CPoint& pt) {
    return m_pHover ? m_pHover->OnLButtonDblClk(pt) : 0;
}

int CQVUIObject::OnMouseLeave() {
    if (m_pHover) {
        CQVUIObjectGuard guard(this);
        m_pHover->OnMouseLeave();
        if (guard) m_pHover = nullptr;
        return 1;
    }
    InternalDelToolTip();
    m_bToolTipShown = FALSE;
    return 0;
}

int CQVUIObject::OnUIMessage(UINT nObjectID, UINT nCode, UINT wParam, LONG lParam) {
    return m_pParent ? m_pParent->OnUIMessage(nObjectID, nCode, wParam, lParam) : 0;
}

int CQVUIObject::__OnTimer(UINT nTimerID) {
    CQVUIObjectGuard guard(this);
    // By index, checked on every step: a child that lets the id pass may still have changed the tree.
    for (size_t i = 0; guard && m_pChildren && i < m_pChildren->size(); ++i) {
        CQVUIObject* pChild = (*m_pChildren)[i];
        if (pChild && pChild->__OnTimer(nTimerID)) return 1;
    }
    return 0;
}

void CQVUIObject::Render(CDC& dc, const CRect& rcClip) {
    RenderBkground(dc, rcClip);
    OnRender(dc, rcClip);
    RenderChildren(dc, rcClip);
}

void CQVUIObject::RenderBkground(CDC& dc, const CRect& /*rcClip*/) {
    if (!m_bTransparent) dc.FillSolidRect(&m_rcObject, m_clrBackground);
}

void CQVUIObject::RenderChildren(CDC& dc, const CRect& rcClip) {
    if (!m_pChildren || m_pChildren->empty()) return;
    const int nSaved = dc.SaveDC();
    dc.OffsetViewportOrg(m_rcObject.left, m_rcObject.top);
    // Children wholly outside the DC's clip box would draw nothing: skipping them keeps a repaint of a
    // screenful as cheap with 100,000 objects as with 100, with the same pixels.
    CRect rcBox;
    const bool bSkip = dc.GetClipBox(&rcBox) != ERROR;
    if (bSkip && m_pChildren->size() >= kIndexFrom) {
        RenderIndexed(dc, rcClip, rcBox);
        dc.RestoreDC(nSaved);
        return;
    }
    for (CQVUIObject* pChild : *m_pChildren) {
        if (!pChild || !pChild->m_bVisible) continue;
        if (bSkip && !pChild->MayPaintIn(rcBox)) continue;
        pChild->Render(dc, rcClip);
    }
    dc.RestoreDC(nSaved);
}

void CQVUIObject::OnRender(CDC& /*dc*/, const CRect& /*rcClip*/) {}

HWND CQVUIObject::GetHostWnd() {
    return m_pParent ? m_pParent->GetHostWnd() : nullptr;
}

CWnd* CQVUIObject::GetHostCWnd() {
    return m_pParent ? m_pParent->GetHostCWnd() : nullptr;
}

void CQVUIObject::LogicViewToHostWindow(CPoint& pt) {
    if (m_pParent) m_pParent->LogicViewToHostWindow(pt);
}

void CQVUIObject::LogicViewToHostWindow(CRect& rc) {
    if (m_pParent) m_pParent->LogicViewToHostWindow(rc);
}

void CQVUIObject::HostWindowToLogicView(CPoint& pt) {
    if (m_pParent) m_pParent->HostWindowToLogicView(pt);
}

void CQVUIObject::HostWindowToLogicView(CRect& rc) {
    if (m_pParent) m_pParent->HostWindowToLogicView(rc);
}

void CQVUIObject::InternalSetToolTip(const CString& strText) {
    if (m_pParent) m_pParent->InternalSetToolTip(strText);
}

void CQVUIObject::InternalDelToolTip() {
    if (m_pParent) m_pParent->InternalDelToolTip();
}

BOOL CQVUIObject::AddChild(CQVUIObject* pChild) {
    if (!pChild || pChild == this) return FALSE;
    // An object another parent holds moves here, so that no two parents ever own it; one this parent
    // already holds is not added twice.
    CQVUIObject* pOld = pChild->m_pParent;
    if (pChild->m_bHeld && pOld) {
        if (pOld == this) return FALSE;
        if (pOld->m_pChildren) {
            std::vector<CQVUIObject*>& old = *pOld->m_pChildren;
            auto it = std::find(old.begin(), old.end(), pChild);
            if (it != old.end()) old.erase(it);
        }
        pOld->ForgetChild(pChild);
    }
    if (!m_pChildren) m_pChildren = new std::vector<CQVUIObject*>;
    GeometryChanged();
    pChild->SetParent(this);
    m_pChildren->push_back(pChild);
    pChild->m_bHeld = true;
    return TRUE;
}

BOOL CQVUIObject::DeleteChild(CQVUIObject* pChild) {
    if (!m_pChildren || !pChild) return FALSE;
    auto it = std::find(m_pChildren->begin(), m_pChildren->end(), pChild);
    if (it == m_pChildren->end()) return FALSE;
    m_pChildren->erase(it);
    GeometryChanged();
    ForgetChild(pChild);
    pChild->m_bHeld = false;
    delete pChild;
    return TRUE;
}

BOOL CQVUIObject::DeleteChild(UINT nObjectID) {
    if (!m_pChildren) return FALSE;
    auto it = std::find_if(m_pChildren->begin(), m_pChildren->end(),
                           [nObjectID](const CQVUIObject* p) { return p && p->m_nObjectID == nObjectID; });
    if (it == m_pChildren->end()) return FALSE;
    return DeleteChild(*it);
}

void CQVUIObject::DeleteAllChildren() {
    // The sequence is taken away first: a destructor that reaches back into this object finds no
    // children, and the hover references never point at a deleted child.
    std::vector<CQVUIObject*>* pChildren = m_pChildren;
    m_pChildren = nullptr;
    m_pHover = nullptr;
    m_pPrevHover = nullptr;
    if (!pChildren) return;
    GeometryChanged();
    for (CQVUIObject* pChild : *pChildren) {
        if (!pChild) continue;
        pChild->m_bHeld = false;
        delete pChild;
    }
    delete pChildren;
}

CQVUIObject* CQVUIObject::FindChild(UINT nObjectID) const {
    if (!m_pChildren) return nullptr;
    for (CQVUIObject* pChild : *m_pChildren) {
        if (pChild && pChild->m_nObjectID == nObjectID) return pChild;
    }
    return nullptr;
}

CQVUIObject* CQVUIObject::GetChild(int nIndex) const {
    if (!m_pChildren || nIndex < 0 || nIndex >= static_cast<int>(m_pChildren->size())) return nullptr;
    return (*m_pChildren)[nIndex];
}

void CQVUIObject::SetObjectPos(int x, int y, int cx, int cy) {
    m_rcObject.SetRect(x, y, x + cx, y + cy);
    Layout();
    GeometryChanged();
}

void CQVUIObject::SetVisible(BOOL bVisible) {
    if (m_bVisible == bVisible) return;
    m_bVisible = bVisible;
    GeometryChanged();
    UIInvalidate(TRUE);
}

void CQVUIObject::SetEnable(BOOL bEnable) {
    if (m_bEnabled == bEnable) return;
    m_bEnabled = bEnable;
    UIInvalidate(TRUE);
}

void CQVUIObject::UIInvalidate(BOOL bErase) {
    UIInvalidateRect(m_rcObject, bErase);
}

void CQVUIObject::UIInvalidateRect(const CRect& rc, BOOL bErase) {
    HWND hWnd = GetHostWnd();
    if (!hWnd) return;
    CRect rcHost = rc;
    if (m_bAllowScroll) LogicViewToHostWindow(rcHost);
    ::InvalidateRect(hWnd, &rcHost, bErase);
}

int CQVUIObject::NotifyParent(UINT nCode, UINT wParam, LONG lParam) {
    return m_pParent ? m_pParent->OnUIMessage(m_nObjectID, nCode, wParam, lParam) : 0;
}

UINT CQVUIObject::StartHostTimer(UINT nElapse) {
    HWND hWnd = GetHostWnd();
    if (!hWnd) return 0;
    const UINT nID = CQVUITimerMgr::GetInstance().GetTimerID();
    return ::SetTimer(hWnd, nID, nElapse, nullptr) ? nID : 0;
}

void CQVUIObject::StopHostTimer(UINT& nTimerID) {
    if (!nTimerID) return;
    if (HWND hWnd = GetHostWnd()) ::KillTimer(hWnd, nTimerID);
    nTimerID = 0;
}

BOOL CQVUIObject::MayPaintIn(const CRect& rcBox) const {
    CRect rcReach = m_rcObject;
    rcReach.InflateRect(m_nPaintOutset, m_nPaintOutset);
    if (Overlaps(rcReach, rcBox)) return TRUE;
    if (!m_pChildren) return FALSE;
    CRect rcInner = rcBox;
    rcInner.OffsetRect(-m_rcObject.left, -m_rcObject.top);
    for (const CQVUIObject* pChild : *m_pChildren) {
        if (pChild && pChild->m_bVisible && pChild->MayPaintIn(rcInner)) return TRUE;
    }
    return FALSE;
}

void CQVUIObject::SetPaintOutset(int nOutset) {
    m_nPaintOutset = nOutset < 1 ? 1 : nOutset;
    GeometryChanged();
}

CRect CQVUIObject::GetPaintReach() const {
    CRect rcReach = m_rcObject;
    rcReach.InflateRect(m_nPaintOutset, m_nPaintOutset);
    if (!m_pChildren) return rcReach;
    for (const CQVUIObject* pChild : *m_pChildren) {
        if (!pChild || !pChild->m_bVisible) continue;
        CRect rcChild = pChild->GetPaintReach();
        rcChild.OffsetRect(m_rcObject.left, m_rcObject.top);
        rcReach.left = std::min(rcReach.left, rcChild.left);
        rcReach.top = std::min(rcReach.top, rcChild.top);
        rcReach.right = std::max(rcReach.right, rcChild.right);
        rcReach.bottom = std::max(rcReach.bottom, rcChild.bottom);
    }
    return rcReach;
}

void CQVUIObject::RenderIndexed(CDC& dc, const CRect& rcClip, const CRect& rcBox) {
    if (!m_pPaintIndex) m_pPaintIndex = new CPaintIndex;
    CPaintIndex& index = *m_pPaintIndex;
    if (index.nEpoch != g_nGeometryEpoch) {
        index.items.clear();
        index.nTallest = 0;
        for (size_t i = 0; i < m_pChildren->size(); ++i) {
            const CQVUIObject* pChild = (*m_pChildren)[i];
            if (!pChild || !pChild->m_bVisible) continue;
            const CRect rcReach = pChild->GetPaintReach();
            index.items.push_back({rcReach, i});
            index.nTallest = std::max(index.nTallest, static_cast<int>(rcReach.Height()));
        }
        std::sort(index.items.begin(), index.items.end(),
                  [](const CPaintIndex::Item& a, const CPaintIndex::Item& b) {
                      return a.rcReach.top < b.rcReach.top;
                  });
        index.nEpoch = g_nGeometryEpoch;
    }
    // Children whose reach starts above rcBox.top - tallest end above the box.
    const int nFromTop = rcBox.top - index.nTallest;
    auto it =
        std::lower_bound(index.items.begin(), index.items.end(), nFromTop,
                         [](const CPaintIndex::Item& item, int nTop) { return item.rcReach.top < nTop; });
    std::vector<size_t> paint;
    for (; it != index.items.end() && it->rcReach.top < rcBox.bottom; ++it) {
        if (Overlaps(it->rcReach, rcBox)) paint.push_back(it->nChild);
    }
    std::sort(paint.begin(), paint.end());
    // The index is read before painting: a kind's drawing cannot change the tree.
    std::vector<CQVUIObject*> children;
    children.reserve(paint.size());
    for (size_t i : paint)
        children.push_back((*m_pChildren)[i]);
    for (CQVUIObject* pChild : children)
        pChild->Render(dc, rcClip);
}

void CQVUIObject::ForgetChild(CQVUIObject* pChild) {
    if (m_pHover == pChild) m_pHover = nullptr;
    if (m_pPrevHover == pChild) m_pPrevHover = nullptr;
}
