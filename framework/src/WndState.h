// Per-thread state of the window layer (framework-internal): the message being handled, the object
// waiting to be attached by the creation hook, and the message-map lookup cache.
#pragma once

#include <afxwin.h>

// One remembered message-map lookup: the entry of class map pMap that handles nMessage (NULL: none).
struct AFX_MSGCACHE_ENTRY {
    const AFX_MSGMAP* pMap;
    UINT nMessage;
    const AFX_MSGMAP_ENTRY* pEntry;
};

struct AFX_WND_THREAD_STATE {
    MSG lastSentMsg = {};                 // the message of the innermost AfxCallWndProc
    CWnd* pWndInit = nullptr;             // attached at the next HCBT_CREATEWND
    HWND hWndInit = nullptr;              // the window the hook attached last
    HHOOK hHookCbtFilter = nullptr;       // installed on the first creation, removed when the thread ends
    CHandleMap* pWndMap = nullptr;        // afxMapHWND(TRUE), kept for the window procedure
    HWND hLockoutNotifyWindow = nullptr;  // a window whose notifications are ignored (during updates)

    // The last window the procedure looked up, so that a burst of messages to one window skips the map.
    HWND hWndLast = nullptr;
    CWnd* pWndLast = nullptr;

    int nWaitCursorCount = 0;
    HCURSOR hcurWaitCursorRestore = nullptr;

    enum { nCacheSize = 512 };
    AFX_MSGCACHE_ENTRY msgCache[nCacheSize] = {};

    AFX_WND_THREAD_STATE() = default;
    AFX_WND_THREAD_STATE(const AFX_WND_THREAD_STATE&) = delete;
    AFX_WND_THREAD_STATE& operator=(const AFX_WND_THREAD_STATE&) = delete;
    ~AFX_WND_THREAD_STATE();
};

// The calling thread's state, made on first use.
AFX_WND_THREAD_STATE* AfxGetWndThreadState();

// Forgets the procedure's one-window lookup cache when hWnd's object changes.
inline void AfxForgetLastWnd(AFX_WND_THREAD_STATE* pState, HWND hWnd) {
    if (pState->hWndLast == hWnd) {
        pState->hWndLast = nullptr;
        pState->pWndLast = nullptr;
    }
}

// The framework DLL's module handle.
HINSTANCE AfxGetFrameworkModule();
