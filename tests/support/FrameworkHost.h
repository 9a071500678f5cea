// Framework-side helpers for tests of window classes: a parent window object and idle clean-up.
#pragma once

#include <afxwin.h>

#include "TestWindow.h"

namespace riztest {

// A framework parent: the test host window subclassed by a CWnd, so that it reflects owner-draw and
// notification messages to the control objects.
class CtrlHost {
public:
    explicit CtrlHost(int cx = 400, int cy = 300) : m_window(cx, cy) {
        m_parent.SubclassWindow(m_window.Host());
    }
    ~CtrlHost() { m_parent.UnsubclassWindow(); }
    CWnd* Parent() { return &m_parent; }

    TestWindow m_window;
    CWnd m_parent;
};

// Frees the thread's temporary wrapper objects, as the message loop does at idle.
inline void FreeTemporaries() {
    AfxLockTempMaps();
    AfxUnlockTempMaps();
}

}  // namespace riztest
