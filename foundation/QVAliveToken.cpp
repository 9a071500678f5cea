#include "QVAliveToken.h"

#include <utility>

CQVAliveToken::CQVAliveToken(const CWnd* pWnd) : m_pWnd(pWnd), m_hWnd(pWnd ? pWnd->GetSafeHwnd() : NULL) {}

BOOL CQVAliveToken::IsWindowAlive() const {
    // The handle map drops a window object when it is deleted or its window destroyed.
    return m_hWnd != NULL && ::IsWindow(m_hWnd) && CWnd::FromHandlePermanent(m_hWnd) == m_pWnd;
}

void CQVAliveToken::Swap(CQVAliveToken& other) {
    std::swap(m_pState, other.m_pState);
    std::swap(m_pWnd, other.m_pWnd);
    std::swap(m_hWnd, other.m_hWnd);
}

CQVAliveFlag::~CQVAliveFlag() {
    Kill();
}

CQVAliveToken CQVAliveFlag::Token() const {
    if (m_bKilled) return CQVAliveToken();
    if (!m_token.m_pState) m_token = CQVAliveToken(new CQVAliveToken::CState{0, true});
    return m_token;
}

void CQVAliveFlag::Kill() {
    m_bKilled = true;
    if (m_token.m_pState) m_token.m_pState->bAlive = false;
}
