#include "QVBarFolder.h"

#include <cstdlib>

CXTBarItem::CXTBarItem(LPCTSTR lpszName, int nImageIndex, DWORD dwData)
    : m_nImageIndex(nImageIndex), m_dwData(dwData), m_strName(lpszName ? lpszName : _T("")) {}

CXTBarItem::~CXTBarItem() = default;

CQVBarFolder::CQVBarFolder(LPCTSTR lpszName, DWORD dwData)
    : m_strName(lpszName ? lpszName : _T("")), m_dwData(dwData) {}

CQVBarFolder::~CQVBarFolder() {
    POSITION pos = m_items.GetHeadPosition();
    while (pos)
        delete static_cast<CXTBarItem*>(m_items.GetNext(pos));
    m_items.RemoveAll();
}

POSITION CQVBarFolder::PositionOf(int nIndex) const {
    const int nCount = GetItemCount();
    int nFrom = 0;
    POSITION pos = m_items.GetHeadPosition();
    if (nCount - 1 - nIndex < nIndex) {
        nFrom = nCount - 1;
        pos = m_items.GetTailPosition();
    }
    if (m_nCachedIndex >= 0 && m_nCachedIndex < nCount &&
        std::abs(nIndex - m_nCachedIndex) < std::abs(nIndex - nFrom)) {
        nFrom = m_nCachedIndex;
        pos = m_posCached;
    }
    for (; nFrom < nIndex; ++nFrom)
        m_items.GetNext(pos);
    for (; nFrom > nIndex; --nFrom)
        m_items.GetPrev(pos);
    m_nCachedIndex = nIndex;
    m_posCached = pos;
    return pos;
}

CXTBarItem* CQVBarFolder::GetItemAt(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetItemCount()) return NULL;
    return static_cast<CXTBarItem*>(m_items.GetAt(PositionOf(nIndex)));
}

int CQVBarFolder::InsertItem(int nIndex, LPCTSTR lpszName, int nImageIndex, DWORD dwData) {
    return InsertItemAt(nIndex < 0 ? GetItemCount() : nIndex, new CXTBarItem(lpszName, nImageIndex, dwData));
}

int CQVBarFolder::InsertItemAt(int nIndex, CXTBarItem* pItem) {
    if (pItem == NULL) return -1;
    const int nCount = GetItemCount();
    if (nIndex < 0 || nIndex >= nCount) {
        m_items.AddTail(pItem);
        ForgetPosition();
        return nCount;
    }
    m_items.InsertBefore(PositionOf(nIndex), pItem);
    ForgetPosition();
    return nIndex;
}

CXTBarItem* CQVBarFolder::RemoveItemAt(int nIndex) {
    if (nIndex < 0 || nIndex >= GetItemCount()) return NULL;
    POSITION pos = PositionOf(nIndex);
    CXTBarItem* pItem = static_cast<CXTBarItem*>(m_items.GetAt(pos));
    m_items.RemoveAt(pos);
    ForgetPosition();
    return pItem;
}
