#include "QVUITimerMgr.h"

CQVUITimerMgr& CQVUITimerMgr::GetInstance() {
    static CQVUITimerMgr s_instance;
    return s_instance;
}

UINT CQVUITimerMgr::GetTimerID() {
    ++m_nCounter;
    if (m_nCounter >= QVUI_HOST_TIMER_FIRST && m_nCounter <= QVUI_HOST_TIMER_LAST)
        m_nCounter = QVUI_HOST_TIMER_LAST + 1;
    else if (m_nCounter == 0)
        m_nCounter = 11;
    return m_nCounter;
}
