// CCmdTarget: command routing through message maps, and the wait cursor.
#include "WndState.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &_messageEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMessage, UINT nCode,
                                                   UINT nID) {
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry) {
        if (lpEntry->nMessage == nMessage && lpEntry->nCode == nCode && nID >= lpEntry->nID &&
            nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return nullptr;
}

// The handler types a command entry may hold, by signature tag.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"

BOOL PASCAL CCmdTarget::DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra,
                                       UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo) {
    (void)nCode;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }
    switch (nSig) {
    case AfxSigCmd_v:
        (pTarget->*pfn)();
        return TRUE;
    case AfxSigCmd_b:
        return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)()>(pfn))();
    case AfxSigCmd_RANGE:
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(UINT)>(pfn))(nID);
        return TRUE;
    case AfxSigCmd_EX:
        return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)(UINT)>(pfn))(nID);
    case AfxSigCmdUI: {
        auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
        ASSERT(pCmdUI && !pCmdUI->m_bContinueRouting);
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(CCmdUI*)>(pfn))(pCmdUI);
        // A handler that called ContinueRouting leaves the item to the next target.
        const BOOL bResult = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        return bResult;
    }
    case AfxSigNotify_v: {
        auto* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        ASSERT(pNotify);
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR,
                                                                                  pNotify->pResult);
        return TRUE;
    }
    case AfxSigNotify_b: {
        auto* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        ASSERT(pNotify);
        return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR,
                                                                                         pNotify->pResult);
    }
    case AfxSigNotify_RANGE: {
        auto* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        ASSERT(pNotify);
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(nID, pNotify->pNMHDR,
                                                                                        pNotify->pResult);
        return TRUE;
    }
    case AfxSigNotify_EX: {
        auto* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        ASSERT(pNotify);
        return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(
            nID, pNotify->pNMHDR, pNotify->pResult);
    }
    default:
        ASSERT(FALSE);  // a window-message signature in a command entry
        return FALSE;
    }
}

#pragma GCC diagnostic pop

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // nCode packs the message (WM_COMMAND, WM_NOTIFY or a reflected one) in its high word; a plain
    // code means WM_COMMAND. CN_UPDATE_COMMAND_UI (-1) is a code of its own.
    UINT nMsg = 0;
    UINT nCodeKey = static_cast<UINT>(nCode);
    if (nCodeKey != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD(nCodeKey);
        nCodeKey = LOWORD(nCodeKey);
    }
    if (nMsg == 0) nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMessageMap = GetMessageMap(); pMessageMap;
         pMessageMap = pMessageMap->pfnGetBaseMap ? pMessageMap->pfnGetBaseMap() : nullptr) {
        const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMessageMap->lpEntries, nMsg, nCodeKey, nID);
        if (lpEntry)
            return DispatchCmdMsg(this, nID, static_cast<int>(nCodeKey), lpEntry->pfn, pExtra, lpEntry->nSig,
                                  pHandlerInfo);
    }
    return FALSE;
}

// ---- Wait cursor ----

void CCmdTarget::BeginWaitCursor() {
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    HCURSOR hcurPrev = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    if (pState->nWaitCursorCount++ == 0) pState->hcurWaitCursorRestore = hcurPrev;
}

void CCmdTarget::EndWaitCursor() {
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->nWaitCursorCount == 0) return;
    if (--pState->nWaitCursorCount == 0) {
        ::SetCursor(pState->hcurWaitCursorRestore ? pState->hcurWaitCursorRestore
                                                  : ::LoadCursor(nullptr, IDC_ARROW));
        pState->hcurWaitCursorRestore = nullptr;
    }
}

void CCmdTarget::RestoreWaitCursor() {
    if (AfxGetWndThreadState()->nWaitCursorCount > 0) ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}
