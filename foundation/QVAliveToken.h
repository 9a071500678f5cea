// Telling whether an object is still there after a call that may have deleted it.
#pragma once

#include "RIZuruzezuDef.h"

// Taken by a caller before a callback (a notification, a virtual step, a message sent, a nested loop)
// and checked afterwards: a callback may delete the object that called it, and the caller touches
// nothing of the object again once the token says it is gone. A token comes from the object's
// CQVAliveFlag, or from a window object: then it lives while the window exists and is still attached to
// that object. A default token is never alive. Tokens are cheap to copy (a count, not atomic: a token
// stays on the thread of its object, as every window and control does).
class RIZ_API CQVAliveToken {
public:
    CQVAliveToken() = default;
    explicit CQVAliveToken(const CWnd* pWnd);
    CQVAliveToken(const CQVAliveToken& other)
        : m_pState(other.m_pState), m_pWnd(other.m_pWnd), m_hWnd(other.m_hWnd) {
        AddRef();
    }
    CQVAliveToken& operator=(const CQVAliveToken& other) {
        CQVAliveToken copy(other);
        Swap(copy);
        return *this;
    }
    ~CQVAliveToken() { Release(); }

    BOOL IsAlive() const { return m_pState ? (m_pState->bAlive ? TRUE : FALSE) : IsWindowAlive(); }
    explicit operator bool() const { return IsAlive() != FALSE; }

private:
    friend class CQVAliveFlag;
    // Shared by a flag and its tokens; freed with the last of them.
    struct CState {
        long nRefs;
        bool bAlive;
    };
    explicit CQVAliveToken(CState* pState) : m_pState(pState) { AddRef(); }
    void AddRef() const {
        if (m_pState) ++m_pState->nRefs;
    }
    void Release() {
        if (m_pState && --m_pState->nRefs == 0) delete m_pState;
        m_pState = nullptr;
    }
    void Swap(CQVAliveToken& other);
    BOOL IsWindowAlive() const;

    CState* m_pState = nullptr;
    const CWnd* m_pWnd = nullptr;
    HWND m_hWnd = NULL;
};

// The object's side: a member of an object that a callback may delete. Its tokens end when it is
// destroyed, or earlier with Kill (first thing in a destructor that calls out again). A copy is a new
// object with tokens of its own; assignment keeps the target's. Nothing is allocated until the first
// token is taken.
class RIZ_API CQVAliveFlag {
public:
    CQVAliveFlag() = default;
    ~CQVAliveFlag();
    CQVAliveFlag(const CQVAliveFlag&) {}
    CQVAliveFlag& operator=(const CQVAliveFlag&) { return *this; }

    CQVAliveToken Token() const;
    // Ends every token taken so far and every token taken from now on.
    void Kill();

private:
    mutable CQVAliveToken m_token;  // holds the shared state once a token was taken
    bool m_bKilled = false;
};
