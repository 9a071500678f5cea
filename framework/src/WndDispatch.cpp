// CWnd message dispatch: the message-map search (with a per-thread lookup cache), parameter cracking
// for every signature, commands and notifications, and reflection of control notifications.
#include "WndState.h"

#include <windowsx.h>

// ---- Message-map search ----

namespace {

// The entry of the map chain starting at pMap that handles window message nMsg, or NULL.
const AFX_MSGMAP_ENTRY* SearchWindowMessage(const AFX_MSGMAP* pMap, UINT nMsg) {
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        if (nMsg < 0xC000) {
            if (const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, 0, 0))
                return pEntry;
        } else {
            // Registered messages: the entry keeps the address of the variable holding the number.
            for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry) {
                if (pEntry->nMessage == 0xC000 && *reinterpret_cast<const UINT*>(pEntry->nSig) == nMsg)
                    return pEntry;
            }
        }
    }
    return nullptr;
}

// The same through the thread's cache: class maps are static, so an answer never goes stale.
inline const AFX_MSGMAP_ENTRY* FindWindowMessage(AFX_WND_THREAD_STATE* pState, const AFX_MSGMAP* pMap,
                                                 UINT nMsg) {
    UINT_PTR nKey = (reinterpret_cast<UINT_PTR>(pMap) >> 4) ^ (nMsg * 0x9E3779B1u);
    nKey ^= nKey >> 13;
    AFX_MSGCACHE_ENTRY& slot = pState->msgCache[nKey & (AFX_WND_THREAD_STATE::nCacheSize - 1)];
    if (slot.pMap == pMap && slot.nMessage == nMsg) return slot.pEntry;
    const AFX_MSGMAP_ENTRY* pEntry = SearchWindowMessage(pMap, nMsg);
    slot.pMap = pMap;
    slot.nMessage = nMsg;
    slot.pEntry = pEntry;
    return pEntry;
}

inline CPoint PointFromLParam(LPARAM lParam) {
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

inline CMenu* MenuFrom(UINT_PTR hMenu) {
    return CMenu::FromHandle(reinterpret_cast<HMENU>(hMenu));
}

inline CWnd* WndFrom(UINT_PTR hWnd) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(hWnd));
}

inline void* PtrFrom(LPARAM lParam) {
    return reinterpret_cast<void*>(lParam);
}

}  // namespace

// ---- OnWndMsg ----

// The handler of an entry is stored type-erased; each signature tag says which type to call it as.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"

#define AFX_CALL(type) (this->*reinterpret_cast<type>(pfn))

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = 0;

    // Commands and notifications go through command routing (and reflection to the control first).
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        if (pResult) *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const NMHDR* pNMHDR = static_cast<const NMHDR*>(PtrFrom(lParam));
        if (!pNMHDR || !pNMHDR->hwndFrom || !OnNotify(wParam, lParam, &lResult)) return FALSE;
        if (pResult) *pResult = lResult;
        return TRUE;
    }

    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    const AFX_MSGMAP* pMessageMap = GetMessageMap();
    const AFX_MSGMAP_ENTRY* pEntry = FindWindowMessage(pState, pMessageMap, message);
    UINT nCtlColor = 0;
    if (!pEntry) {
        // The WM_CTLCOLOR* family shares one entry; the handler gets the kind of control.
        if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC) return FALSE;
        pEntry = FindWindowMessage(pState, pMessageMap, WM_CTLCOLOR);
        if (!pEntry) return FALSE;
        nCtlColor = message - WM_CTLCOLORMSGBOX;
    }

    const AFX_PMSGW pfn = reinterpret_cast<AFX_PMSGW>(pEntry->pfn);
    // A registered-message entry keeps a variable's address where the tag would be.
    const UINT_PTR nSig = pEntry->nMessage == 0xC000 ? AfxSig_l_w_l : pEntry->nSig;

    // Nothing after a handler call touches the object: the handler may have destroyed it.
    switch (nSig) {
    case AfxSig_l_w_l:
        lResult = AFX_CALL(LRESULT(CWnd::*)(WPARAM, LPARAM))(wParam, lParam);
        break;
    case AfxSig_v_v:
        AFX_CALL(void(CWnd::*)())();
        break;
    case AfxSig_b_v:
        lResult = AFX_CALL(BOOL(CWnd::*)())();
        break;
    case AfxSig_u_v:
        lResult = AFX_CALL(UINT(CWnd::*)())();
        break;
    case AfxSig_l_v:
        lResult = AFX_CALL(LRESULT(CWnd::*)())();
        break;
    case AfxSig_h_v:
        lResult = reinterpret_cast<LRESULT>(AFX_CALL(HANDLE(CWnd::*)())());
        break;
    case AfxSig_i_s:
        lResult = AFX_CALL(int(CWnd::*)(void*))(PtrFrom(lParam));
        break;
    case AfxSig_b_s:
        lResult = AFX_CALL(BOOL(CWnd::*)(void*))(PtrFrom(lParam));
        break;
    case AfxSig_v_s:
        AFX_CALL(void(CWnd::*)(void*))(PtrFrom(lParam));
        // Owner-draw messages answer TRUE once handled (the reflected forms come through here too).
        if (message == WM_REFLECT_BASE + WM_DRAWITEM || message == WM_REFLECT_BASE + WM_MEASUREITEM ||
            message == WM_REFLECT_BASE + WM_DELETEITEM)
            lResult = TRUE;
        break;
    case AfxSig_b_D:
        lResult = AFX_CALL(BOOL(CWnd::*)(CDC*))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        break;
    case AfxSig_v_D:
        AFX_CALL(void(CWnd::*)(CDC*))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        break;
    case AfxSig_v_u_ii:
        AFX_CALL(void(CWnd::*)(UINT, int, int))(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_ii:
        AFX_CALL(void(CWnd::*)(int, int))(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case AfxSig_v_u_s:
        AFX_CALL(void(CWnd::*)(UINT, void*))(static_cast<UINT>(wParam), PtrFrom(lParam));
        lResult = TRUE;
        break;
    case AfxSig_v_u_t:
        AFX_CALL(void(CWnd::*)(UINT, LPCTSTR))(static_cast<UINT>(wParam), reinterpret_cast<LPCTSTR>(lParam));
        break;
    case AfxSig_v_t:
        AFX_CALL(void(CWnd::*)(LPCTSTR))(reinterpret_cast<LPCTSTR>(lParam));
        break;
    case AfxSig_v_b_s:
        AFX_CALL(void(CWnd::*)(BOOL, void*))(static_cast<BOOL>(wParam), PtrFrom(lParam));
        break;
    case AfxSig_l_p:
        lResult = AFX_CALL(LRESULT(CWnd::*)(CPoint))(PointFromLParam(lParam));
        break;
    case AfxSig_b_b:
        lResult = AFX_CALL(BOOL(CWnd::*)(BOOL))(static_cast<BOOL>(wParam));
        break;
    case AfxSig_v_b:
        AFX_CALL(void(CWnd::*)(BOOL))(static_cast<BOOL>(wParam));
        break;
    case AfxSig_v_u_W_b:
        AFX_CALL(void(CWnd::*)(UINT, CWnd*, BOOL))(LOWORD(wParam), WndFrom(lParam), HIWORD(wParam));
        break;
    case AfxSig_v_b_dw:
        AFX_CALL(void(CWnd::*)(BOOL, DWORD))(static_cast<BOOL>(wParam), static_cast<DWORD>(lParam));
        break;
    case AfxSig_i_W_u_u:
        lResult = AFX_CALL(int(CWnd::*)(CWnd*, UINT, UINT))(WndFrom(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_b_W_u_u:
        lResult = AFX_CALL(BOOL(CWnd::*)(CWnd*, UINT, UINT))(WndFrom(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_u_p:
        AFX_CALL(void(CWnd::*)(UINT, CPoint))(static_cast<UINT>(wParam), PointFromLParam(lParam));
        break;
    case AfxSig_b_u_sh_p:
        lResult = AFX_CALL(BOOL(CWnd::*)(UINT, short, CPoint))(
            LOWORD(wParam), static_cast<short>(HIWORD(wParam)), PointFromLParam(lParam));
        break;
    case AfxSig_v_u_sh_p:
        AFX_CALL(void(CWnd::*)(UINT, short, CPoint))
        (LOWORD(wParam), static_cast<short>(HIWORD(wParam)), PointFromLParam(lParam));
        break;
    case AfxSig_v_u_u_p:
        AFX_CALL(void(CWnd::*)(UINT, UINT, CPoint))(LOWORD(wParam), HIWORD(wParam), PointFromLParam(lParam));
        lResult = TRUE;  // extra mouse buttons answer TRUE once handled
        break;
    case AfxSig_v_up:
        AFX_CALL(void(CWnd::*)(UINT_PTR))(static_cast<UINT_PTR>(wParam));
        break;
    case AfxSig_v_u_u_u:
        AFX_CALL(void(CWnd::*)(UINT, UINT, UINT))(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_u_l:
        AFX_CALL(void(CWnd::*)(UINT, LPARAM))(static_cast<UINT>(wParam), lParam);
        break;
    case AfxSig_v_W:
        AFX_CALL(void(CWnd::*)(CWnd*))(WndFrom(wParam));
        break;
    case AfxSig_v_Wl:
        AFX_CALL(void(CWnd::*)(CWnd*))(WndFrom(lParam));
        break;
    case AfxSig_v_b_u:
        AFX_CALL(void(CWnd::*)(BOOL, UINT))(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        break;
    case AfxSig_h_D_W_u: {
        HBRUSH hbr;
        if (message == WM_CTLCOLOR) {
            // The single-message form carries its parameters in an AFX_CTLCOLOR.
            const auto* pCtl = static_cast<const AFX_CTLCOLOR*>(PtrFrom(lParam));
            hbr = AFX_CALL(HBRUSH(CWnd::*)(CDC*, CWnd*, UINT))(CDC::FromHandle(pCtl->hDC),
                                                               CWnd::FromHandle(pCtl->hWnd), pCtl->nCtlType);
        } else {
            hbr = AFX_CALL(HBRUSH(CWnd::*)(CDC*, CWnd*, UINT))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
                                                               WndFrom(lParam), nCtlColor);
        }
        lResult = reinterpret_cast<LRESULT>(hbr);
        break;
    }
    case AfxSig_h_D_u: {
        // Reflected colour request: a NULL brush leaves the decision to the parent.
        const auto* pCtl = static_cast<const AFX_CTLCOLOR*>(PtrFrom(lParam));
        HBRUSH hbr = AFX_CALL(HBRUSH(CWnd::*)(CDC*, UINT))(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        if (!hbr) return FALSE;
        lResult = reinterpret_cast<LRESULT>(hbr);
        break;
    }
    case AfxSig_v_i_s:
        AFX_CALL(void(CWnd::*)(int, void*))(static_cast<int>(wParam), PtrFrom(lParam));
        if (message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_DELETEITEM) lResult = TRUE;
        break;
    case AfxSig_i_i_s:
        lResult = AFX_CALL(int(CWnd::*)(int, void*))(static_cast<int>(wParam), PtrFrom(lParam));
        break;
    case AfxSig_i_u_L_u:
        lResult = AFX_CALL(int(CWnd::*)(UINT, CListBox*, UINT))(
            LOWORD(wParam), reinterpret_cast<CListBox*>(WndFrom(lParam)), HIWORD(wParam));
        break;
    case AfxSig_i_u_u:
        lResult = AFX_CALL(int(CWnd::*)(UINT, UINT))(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_v_M:
        AFX_CALL(void(CWnd::*)(CMenu*))(MenuFrom(wParam));
        break;
    case AfxSig_v_M_u_b:
        AFX_CALL(void(CWnd::*)(CMenu*, UINT, BOOL))(MenuFrom(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_M_u:
        AFX_CALL(void(CWnd::*)(CMenu*, UINT))(MenuFrom(wParam), static_cast<UINT>(lParam));
        break;
    case AfxSig_v_u_M:
        AFX_CALL(void(CWnd::*)(UINT, CMenu*))(static_cast<UINT>(wParam), MenuFrom(lParam));
        break;
    case AfxSig_v_u_u_hm:
        AFX_CALL(void(CWnd::*)(UINT, UINT, HMENU))
        (LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case AfxSig_l_u_u_M:
        lResult =
            AFX_CALL(LRESULT(CWnd::*)(UINT, UINT, CMenu*))(LOWORD(wParam), HIWORD(wParam), MenuFrom(lParam));
        break;
    case AfxSig_v_u_W:
        AFX_CALL(void(CWnd::*)(UINT, CWnd*))(static_cast<UINT>(wParam), WndFrom(lParam));
        break;
    case AfxSig_v_W_p:
        AFX_CALL(void(CWnd::*)(CWnd*, CPoint))(WndFrom(wParam), PointFromLParam(lParam));
        break;
    case AfxSig_v_u_u_S:
        AFX_CALL(void(CWnd::*)(UINT, UINT, CScrollBar*))
        (LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CScrollBar*>(WndFrom(lParam)));
        break;
    case AfxSig_v_u_u:
        AFX_CALL(void(CWnd::*)(UINT, UINT))(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_v_h:
        AFX_CALL(void(CWnd::*)(HANDLE))(reinterpret_cast<HANDLE>(wParam));
        break;
    case AfxSig_b_W_s:
        lResult = AFX_CALL(BOOL(CWnd::*)(CWnd*, void*))(WndFrom(wParam), PtrFrom(lParam));
        break;
    case AfxSig_v_W_W:
        AFX_CALL(void(CWnd::*)(CWnd*, CWnd*))(WndFrom(wParam), WndFrom(lParam));
        break;
    case AfxSig_v_b_W_W:
        AFX_CALL(void(CWnd::*)(BOOL, CWnd*, CWnd*))
        (reinterpret_cast<HWND>(lParam) == m_hWnd, WndFrom(lParam), WndFrom(wParam));
        break;
    default:
        // A command signature in a window-message entry: not a message this map handles.
        return FALSE;
    }

    if (pResult) *pResult = lResult;
    return TRUE;
}

#undef AFX_CALL
#pragma GCC diagnostic pop

// ---- Commands and notifications ----

namespace {

// Asks the update handlers whether a command is enabled before it is routed.
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
};

}  // namespace

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);

    if (!hWndCtrl) {
        // A menu item or accelerator: a command disabled by its update handler is dropped.
        if (nID == 0) return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled) return TRUE;
        nCode = CN_COMMAND;
    } else {
        if (AfxGetWndThreadState()->hLockoutNotifyWindow == m_hWnd) return TRUE;
        // The control gets its own notification first (ON_CONTROL_REFLECT).
        if (ReflectLastMsg(hWndCtrl)) return TRUE;
        if (nID == 0) return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM /*wParam*/, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = pNMHDR->hwndFrom;
    const UINT nID = static_cast<UINT>(pNMHDR->idFrom);
    const int nCode = static_cast<int>(pNMHDR->code);

    if (AfxGetWndThreadState()->hLockoutNotifyWindow == m_hWnd) return TRUE;
    // The control gets its own notification first (ON_NOTIFY_REFLECT).
    if (ReflectLastMsg(hWndCtrl, pResult)) return TRUE;

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, nullptr);
}

// ---- Reflection ----

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd ? pWnd->SendChildNotifyLastMsg(pResult) : FALSE;
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
    const MSG& msg = AfxGetWndThreadState()->lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);

    case WM_COMMAND: {
        const int nCode = HIWORD(wParam);
        if (CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
            if (pResult) *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }

    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        const int nCode = static_cast<int>(pNMHDR->code);
        AFX_NOTIFY notify;
        LRESULT lIgnored = 0;
        notify.pResult = pResult ? pResult : &lIgnored;
        notify.pNMHDR = pNMHDR;
        return CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }

    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            AFX_CTLCOLOR ctl;
            ctl.hWnd = m_hWnd;
            ctl.hDC = reinterpret_cast<HDC>(wParam);
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), pResult);
        }
        return FALSE;
    }
}
