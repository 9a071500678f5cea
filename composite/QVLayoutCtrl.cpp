#include "QVLayoutCtrl.h"

void CQVLayoutCtrl::Initialize(CWnd* pParent, SizeType horz, SizeType vert) {
    m_pParent = pParent;
    m_hParent = pParent->GetSafeHwnd();
    m_horz = horz;
    m_vert = vert;
}

void CQVLayoutCtrl::AddCtrl(UINT nID) {
    Entry entry;
    entry.nID = nID;
    m_entries.push_back(entry);
}

void CQVLayoutCtrl::AddCtrl(CWnd* pWnd) {
    if (pWnd == nullptr) return;
    Entry entry;
    entry.pWnd = pWnd;
    entry.hWnd = pWnd->GetSafeHwnd();
    m_entries.push_back(entry);
}

// The child is addressed by handle only: the object behind a stored pointer may be gone with its
// window, so the pointer is never followed after AddCtrl.
HWND CQVLayoutCtrl::FindChild(const Entry& entry) const {
    if (m_hParent == nullptr || !::IsWindow(m_hParent)) return nullptr;
    HWND hChild = entry.pWnd != nullptr ? entry.hWnd : ::GetDlgItem(m_hParent, static_cast<int>(entry.nID));
    return hChild != nullptr && ::IsWindow(hChild) ? hChild : nullptr;
}

// Straight through the handles: no temporary window objects per child, so that a layout of many
// children costs little more than moving them.
CRect CQVLayoutCtrl::ChildRect(HWND hChild) const {
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(NULL, m_hParent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void CQVLayoutCtrl::InitLayout(const CRect& rcLayout) {
    for (Entry& entry : m_entries) {
        if (HWND hChild = FindChild(entry)) entry.record = QVRecordLayoutChild(rcLayout, ChildRect(hChild));
    }
}

void CQVLayoutCtrl::LayoutCtrls(const CRect& rcLayout) {
    for (const Entry& entry : m_entries) {
        HWND hChild = FindChild(entry);
        if (hChild == nullptr) continue;
        const CRect rc = QVLayoutChildRect(m_horz, m_vert, rcLayout, ChildRect(hChild), entry.record);
        ::SetWindowPos(hChild, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::InvalidateRect(hChild, nullptr, TRUE);
    }
}
