// CFrameWnd: creation from shared resources (menu, accelerators, title, icon), the active view, command
// routing and menu updates, status-line prompts and idle work.
#include <afxwin.h>

#include <utility>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ACTIVATE()
ON_WM_NCACTIVATE()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_WM_ENTERIDLE()
ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
ON_MESSAGE(WM_POPMESSAGESTRING, &CFrameWnd::OnPopMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::HandleIdleUpdateCmdUI)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
END_MESSAGE_MAP()

namespace {

// The class of frames without an icon of their own.
LPCTSTR DefaultFrameClass(HICON hIcon = nullptr) {
    return AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)),
                               hIcon ? hIcon : ::LoadIcon(nullptr, IDI_APPLICATION));
}

// The first part of a resource string: the text before its first '\n'.
CString FirstSubString(LPCTSTR lpsz) {
    CString str(lpsz);
    const int nNewLine = str.Find('\n');
    return nNewLine < 0 ? str : str.Left(nNewLine);
}

}  // namespace

CFrameWnd::~CFrameWnd() = default;

// ---- Creation ----

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass) cs.lpszClass = DefaultFrameClass();
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext) {
    HMENU hMenu = nullptr;
    if (lpszMenuName) {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        hMenu = ::LoadMenu(hInst, lpszMenuName);
        if (!hMenu) {
            TRACE(_T("CFrameWnd::Create: the menu cannot be loaded\n"));
            PostNcDestroy();
            return FALSE;
        }
    }

    m_strTitle = lpszWindowName;
    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (CRect(rect) == rectDefault) x = y = cx = cy = CW_USEDEFAULT;
    // On failure the frame has deleted itself: nothing below may touch a member.
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy, pParentWnd->GetSafeHwnd(),
                  hMenu, pContext)) {
        if (hMenu && ::IsMenu(hMenu)) ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    m_nIDHelp = nIDResource;
    TCHAR szFull[512];
    if (AfxLoadString(nIDResource, szFull, _countof(szFull))) m_strTitle = FirstSubString(szFull);

    // A frame with an icon of its own gets a class carrying that icon.
    LPCTSTR lpszResource = MAKEINTRESOURCE(nIDResource);
    LPCTSTR lpszClass = nullptr;
    HINSTANCE hIconInst = AfxFindResourceHandle(lpszResource, RT_GROUP_ICON);
    if (::FindResource(hIconInst, lpszResource, RT_GROUP_ICON))
        lpszClass = DefaultFrameClass(::LoadIcon(hIconInst, lpszResource));

    const CString strTitle = m_strTitle;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszResource, 0, pContext))
        return FALSE;  // the frame has deleted itself

    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(lpszResource);
    if (!pContext) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName) {
    ASSERT(m_hAccelTable == NULL);
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR);
    m_hAccelTable = ::LoadAccelerators(hInst, lpszResourceName);
    return m_hAccelTable != nullptr;
}

HACCEL CFrameWnd::GetDefaultAccelerator() {
    return m_hAccelTable;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!OnCreateClient(lpCreateStruct, pContext)) {
        TRACE(_T("CFrameWnd: the client area could not be created\n"));
        return -1;
    }
    // The status line starts with the idle prompt.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    if (pContext && pContext->m_pNewViewClass) {
        CWnd* pView = CreateView(pContext, AFX_IDW_PANE_FIRST);
        if (!pView) return FALSE;
        if (!GetActiveView()) SetActiveView(pView, FALSE);
    }
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    ASSERT(pContext != NULL && pContext->m_pNewViewClass != NULL);
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CWnd* pView = DYNAMIC_DOWNCAST(CWnd, pObject);
    if (!pView) {
        TRACE(_T("CFrameWnd::CreateView: the view class is not a dynamically creatable window\n"));
        delete pObject;
        return nullptr;
    }
    // A view that fails to be created is cleaned up by its own PostNcDestroy.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, nID,
                       pContext))
        return nullptr;
    // A view with a client edge of its own makes the frame's edge redundant.
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE) ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return pView;
}

void CFrameWnd::OnDestroy() {
    // The menu the frame was created with goes with the window.
    if (m_hMenuDefault && ::GetMenu(m_hWnd) != m_hMenuDefault) ::SetMenu(m_hWnd, m_hMenuDefault);
    m_pViewActive = nullptr;
    m_hWndViewActive = nullptr;
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}

BOOL CFrameWnd::IsFrameWnd() const {
    return TRUE;
}

CFrameWnd* CFrameWnd::GetActiveFrame() {
    return this;
}

// ---- Showing ----

void CFrameWnd::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    BringToTop(nCmdShow);
    if (nCmdShow != -1) {
        ShowWindow(nCmdShow);
        BringToTop(nCmdShow);
    }
}

void CFrameWnd::BringToTop(int nCmdShow) {
    if (nCmdShow == SW_HIDE || nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINNOACTIVE ||
        nCmdShow == SW_SHOWNA || nCmdShow == SW_SHOWNOACTIVATE)
        return;
    // The last active popup (a modeless dialog over the frame) stays in front.
    ::BringWindowToTop(::GetLastActivePopup(m_hWnd));
}

void CFrameWnd::OnUpdateFrameTitle(BOOL /*bAddToTitle*/) {
    if (!(GetStyle() & FWS_ADDTOTITLE)) return;
    CString strCurrent;
    GetWindowText(strCurrent);
    if (strCurrent != m_strTitle) SetWindowText(m_strTitle);
}

// ---- The active view ----

CWnd* CFrameWnd::GetActiveView() const {
    // A view destroyed behind the frame's back no longer counts.
    if (m_pViewActive && CWnd::FromHandlePermanent(m_hWndViewActive) == m_pViewActive) return m_pViewActive;
    return nullptr;
}

void CFrameWnd::SetActiveView(CWnd* pViewNew, BOOL bNotify) {
    m_pViewActive = pViewNew;
    m_hWndViewActive = pViewNew->GetSafeHwnd();
    // The view takes the focus when its frame is the active window.
    if (pViewNew && bNotify && pViewNew->m_hWnd) {
        HWND hWndActive = ::GetActiveWindow();
        if (hWndActive && (hWndActive == m_hWnd || ::IsChild(hWndActive, m_hWnd))) pViewNew->SetFocus();
    }
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
    if (CWnd* pView = GetActiveView())
        pView->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

// ---- Activation look ----

namespace {

// hWnd is owned by hWndOwner, directly or through other owned windows.
bool IsOwnedBy(HWND hWnd, HWND hWndOwner) {
    for (HWND hOwner = ::GetWindow(hWnd, GW_OWNER); hOwner; hOwner = ::GetWindow(hOwner, GW_OWNER))
        if (hOwner == hWndOwner) return true;
    return false;
}

BOOL CALLBACK SendFloatStatus(HWND hWnd, LPARAM lParam) {
    const auto* pNotice = reinterpret_cast<const std::pair<HWND, DWORD>*>(lParam);
    if (IsOwnedBy(hWnd, pNotice->first)) ::SendMessage(hWnd, WM_FLOATSTATUS, pNotice->second, 0);
    return TRUE;
}

}  // namespace

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    const HWND hWnd = m_hWnd;
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (!::IsWindow(hWnd)) return;
    CFrameWnd* pTopLevel = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    if (!pTopLevel) return;
    // The window active from now on: this one, or the one taking the activation from it.
    CWnd* pActive = nState == WA_INACTIVE ? pWndOther : this;
    BOOL bStayActive = pActive == pTopLevel;
    if (!bStayActive && pActive && ::IsWindow(pActive->GetSafeHwnd()) &&
        pActive->GetTopLevelFrame() == pTopLevel)
        bStayActive = pActive->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) != 0;
    if (bStayActive)
        pTopLevel->m_nFlags |= WF_STAYACTIVE;
    else
        pTopLevel->m_nFlags &= ~WF_STAYACTIVE;
    NotifyFloatingWindows(bStayActive ? FS_ACTIVATE : FS_DEACTIVATE);
}

BOOL AFXAPI AfxIsCaptionActive(const CWnd* pWnd, BOOL bActive) {
    if (pWnd && (pWnd->m_nFlags & WF_STAYACTIVE) && ::IsWindowEnabled(pWnd->m_hWnd)) return TRUE;
    return bActive;
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive) {
    bActive = AfxIsCaptionActive(this, bActive) && IsWindowEnabled();
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags) {
    CFrameWnd* pTopLevel = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    if (!pTopLevel) return;
    const HWND hTopLevel = pTopLevel->m_hWnd;
    if (dwFlags & (FS_ACTIVATE | FS_DEACTIVATE)) {
        // The frame itself was told by the system when it is the window changing its activation.
        const BOOL bActive = !(dwFlags & FS_DEACTIVATE) && pTopLevel->IsWindowEnabled();
        if (pTopLevel != this || !bActive) pTopLevel->SendMessage(WM_NCACTIVATE, bActive);
    }
    if (!::IsWindow(hTopLevel)) return;
    std::pair<HWND, DWORD> notice(hTopLevel, dwFlags);
    ::EnumThreadWindows(::GetWindowThreadProcessId(hTopLevel, nullptr), &SendFloatStatus,
                        reinterpret_cast<LPARAM>(&notice));
}

// ---- Commands and menus ----

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel && ::TranslateAccelerator(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // A view that routes to its parent again (a dialog used as a view) does not loop.
    if (m_bRouting) return FALSE;
    m_bRouting = TRUE;
    BOOL bHandled = FALSE;
    CWnd* pView = GetActiveView();
    if (pView && pView != this) bHandled = pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    m_bRouting = FALSE;
    if (bHandled) return TRUE;

    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;

    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT /*nIndex*/, BOOL bSysMenu) {
    if (bSysMenu || !pPopupMenu) return;
    AfxUpdateMenuCommandUI(this, pPopupMenu, m_bAutoMenuEnable);
}

// ---- Status line ----

CWnd* CFrameWnd::GetMessageBar() {
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, FALSE);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
    TCHAR szText[512];
    if (AfxLoadString(nID, szText, _countof(szText)))
        rMessage = FirstSubString(szText);
    else
        rMessage.Empty();
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText) {
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) {
    SendMessage(WM_SETMESSAGESTRING, static_cast<WPARAM>(nID));
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    const UINT nIDLast = m_nIDLastMessage;
    m_nFlags &= ~WF_NOPOPMSG;

    if (CWnd* pMessageBar = GetMessageBar()) {
        CString strMessage;
        LPCTSTR lpsz = nullptr;
        if (lParam) {
            ASSERT(wParam == 0);  // an explicit text or an id, not both
            lpsz = reinterpret_cast<LPCTSTR>(lParam);
        } else if (wParam) {
            GetMessageString(static_cast<UINT>(wParam), strMessage);
            lpsz = strMessage;
        }
        pMessageBar->SetWindowText(lpsz ? lpsz : _T(""));

        // The frame that owns the bar (an outer frame) tracks the same prompt.
        CFrameWnd* pFrameWnd = pMessageBar->GetParentFrame();
        if (pFrameWnd && pFrameWnd != this) {
            pFrameWnd->m_nIDLastMessage = static_cast<UINT>(wParam);
            pFrameWnd->m_nIDTracking = static_cast<UINT>(wParam);
        }
    }
    m_nIDLastMessage = static_cast<UINT>(wParam);
    m_nIDTracking = static_cast<UINT>(wParam);
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam) {
    if (m_nFlags & WF_NOPOPMSG) return 0;
    return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    if (nFlags == 0xFFFF && !hSysMenu) {
        // The menu closed: back to the idle prompt.
        m_nFlags &= ~WF_NOPOPMSG;
        m_nIDTracking = m_bHelpMode ? AFX_IDS_HELPMODEMESSAGE : AFX_IDS_IDLEMESSAGE;
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
        if (CWnd* pBar = GetMessageBar()) pBar->UpdateWindow();
        return;
    }
    if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        m_nIDTracking = 0;  // nothing to say about separators and submenus
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
        m_nIDTracking = AFX_IDS_SCFIRST + ((nItemID - 0xF000) >> 4);  // system commands
    else
        m_nIDTracking = nItemID;
    m_nFlags |= WF_NOPOPMSG;
    if (m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho) {
    CWnd::OnEnterIdle(nWhy, pWho);
    if (nWhy == MSGF_MENU && m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
}

// ---- Idle work ----

void CFrameWnd::OnIdleUpdateCmdUI() {
    if (m_nIdleFlags & idleTitle) OnUpdateFrameTitle(TRUE);
    if (m_nIdleFlags & idleLayout) {
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
        UpdateWindow();
    }
    if (m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
    m_nIdleFlags = 0;
}

LRESULT CFrameWnd::HandleIdleUpdateCmdUI(WPARAM, LPARAM) {
    OnIdleUpdateCmdUI();
    return 0;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) {
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED) RecalcLayout();
}
