// A critical section for code that shares data between threads.
#pragma once

#include "ZIRevudiVuzadDef.h"

// Lock and UnLock pair up; the same thread may lock again while it holds the lock.
class CQVCritSection {
public:
    CQVCritSection() { ::InitializeCriticalSection(&m_cs); }
    ~CQVCritSection() { ::DeleteCriticalSection(&m_cs); }
    CQVCritSection(const CQVCritSection&) = delete;
    CQVCritSection& operator=(const CQVCritSection&) = delete;

    void Lock() { ::EnterCriticalSection(&m_cs); }
    void UnLock() { ::LeaveCriticalSection(&m_cs); }
    // TRUE, holding the lock, when no other thread holds it.
    BOOL TryLock() { return ::TryEnterCriticalSection(&m_cs); }

private:
    CRITICAL_SECTION m_cs;
};

// Holds a CQVCritSection for the length of a scope.
class CQVAutoLock {
public:
    explicit CQVAutoLock(CQVCritSection& section) : m_section(section) { m_section.Lock(); }
    ~CQVAutoLock() { m_section.UnLock(); }
    CQVAutoLock(const CQVAutoLock&) = delete;
    CQVAutoLock& operator=(const CQVAutoLock&) = delete;

private:
    CQVCritSection& m_section;
};
