// The process-wide source of timer ids for windowless UI objects.
#pragma once

#include "RIZuruzezuDef.h"

// Hands out ids 11, 12, 13, ... once each per process, so that the timers of all objects on one host
// window never collide. Ids from QVUI_HOST_TIMER_FIRST to QVUI_HOST_TIMER_LAST are skipped: host windows
// keep that range (and ids below 11) for timers of their own, such as the ad player's 1000 and 1001. A
// hot image takes a new id on every hover, so a long session reaches that range; without the gap an
// object's timer would be taken for the host's.
#define QVUI_HOST_TIMER_FIRST 1000
#define QVUI_HOST_TIMER_LAST 1099

class RIZ_API CQVUITimerMgr {
public:
    // The one manager, created at its first use (the library's start makes it).
    static CQVUITimerMgr& GetInstance();

    // The next id: the counter plus one, past the hosts' range; after the last UINT it starts at 11 again.
    UINT GetTimerID();

    CQVUITimerMgr(const CQVUITimerMgr&) = delete;
    CQVUITimerMgr& operator=(const CQVUITimerMgr&) = delete;

private:
    CQVUITimerMgr() = default;

    UINT m_nCounter = 10;
};
