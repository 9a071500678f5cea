// CDialog: creation from templates (resource chain or memory) with the object attached before
// WM_INITDIALOG, the modal run through the framework's loop, keyboard handling and command routing.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_MESSAGE(WM_SETFONT, &CDialog::HandleSetFont)
END_MESSAGE_MAP()

namespace {

// The position a template asks for, from a DLGTEMPLATE or a DLGTEMPLATEEX.
void TemplatePlacement(LPCDLGTEMPLATE lpTemplate, DWORD* pStyle, short* pX, short* pY) {
    const WORD* pw = reinterpret_cast<const WORD*>(lpTemplate);
    const bool bExtended = pw[0] == 1 && pw[1] == 0xFFFF;
    const BYTE* pb = reinterpret_cast<const BYTE*>(lpTemplate);
    if (bExtended) {
        // dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y
        memcpy(pStyle, pb + 12, sizeof(DWORD));
        memcpy(pX, pb + 18, sizeof(short));
        memcpy(pY, pb + 20, sizeof(short));
    } else {
        // style, exStyle, cdit, x, y
        memcpy(pStyle, pb, sizeof(DWORD));
        memcpy(pX, pb + 10, sizeof(short));
        memcpy(pY, pb + 12, sizeof(short));
    }
}

// A resource template found along the chain, or NULL.
LPCDLGTEMPLATE FindTemplate(LPCTSTR lpszTemplateName, HINSTANCE* phInst) {
    if (!lpszTemplateName) return nullptr;
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
    if (!hResource) return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    if (!hTemplate) return nullptr;
    *phInst = hInst;
    return static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate));
}

}  // namespace

// ---- Construction ----

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
    if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = LOWORD(reinterpret_cast<DWORD_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pParentWnd(pParentWnd), m_nIDHelp(nIDTemplate) {}

CDialog::~CDialog() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

// ---- Creation ----

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
    ASSERT(lpDialogTemplate != NULL);
    if (!hInst) hInst = AfxGetResourceHandle();

    // EndDialog during OnInitDialog clears WF_CONTINUEMODAL; the loop then never starts.
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    m_lpCreatingTemplate = lpDialogTemplate;

    HWND hWnd = nullptr;
    try {
        AfxHookWindowCreate(this);
        hWnd =
            ::CreateDialogIndirectParam(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), &AfxDlgProc, 0);
    } catch (CException* e) {
        e->Delete();
        m_nModalResult = -1;
    }
    m_lpCreatingTemplate = nullptr;
    if (!AfxUnhookWindowCreate()) PostNcDestroy();  // the window never existed

    // A dialog ended while it was starting goes at once.
    if (hWnd && !(m_nFlags & WF_CONTINUEMODAL)) {
        ::DestroyWindow(hWnd);
        hWnd = nullptr;
    }
    if (!hWnd) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        if (m_hWnd && !::IsWindow(m_hWnd)) Detach();
        return FALSE;
    }
    ASSERT(hWnd == m_hWnd);
    return TRUE;
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit) {
    if (!lpDialogTemplate) return FALSE;
    if (!pParentWnd) pParentWnd = AfxGetMainWnd();
    m_lpDialogInit = lpDialogInit;
    if (!CreateDlgIndirect(lpDialogTemplate, pParentWnd, nullptr)) return FALSE;
    m_nFlags &= ~WF_CONTINUEMODAL;  // a modeless dialog has no loop to continue
    return TRUE;
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd) {
    if (!hDialogTemplate) return FALSE;
    auto lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(hDialogTemplate));
    const BOOL bResult = CreateIndirect(lpTemplate, pParentWnd);
    ::GlobalUnlock(hDialogTemplate);
    return bResult;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD(reinterpret_cast<DWORD_PTR>(lpszTemplateName));

    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATE lpTemplate = FindTemplate(lpszTemplateName, &hInst);
    if (!lpTemplate) {
        TRACE(_T("CDialog::Create: no dialog template\n"));
        PostNcDestroy();
        return FALSE;
    }
    if (!pParentWnd) pParentWnd = AfxGetMainWnd();
    if (!CreateDlgIndirect(lpTemplate, pParentWnd, hInst)) return FALSE;
    m_nFlags &= ~WF_CONTINUEMODAL;
    return TRUE;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

// ---- Modal run ----

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpDialogInit = lpDialogInit;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd) {
    m_hDialogTemplate = hDialogTemplate;
    m_pParentWnd = pParentWnd;
    return hDialogTemplate != nullptr;
}

HWND CDialog::PreModal() {
    ASSERT(m_hWnd == NULL);  // not while the dialog is open modeless
    return CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
}

void CDialog::PostModal() {
    AfxUnhookWindowCreate();
    if (m_hWnd) Detach();
    if (m_hWndTop && ::IsWindow(m_hWndTop)) ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = nullptr;
}

INT_PTR CDialog::DoModal() {
    ASSERT(m_hWnd == NULL);
    if (m_hWnd) return -1;

    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    HGLOBAL hLocked = nullptr;
    if (m_lpszTemplateName) {
        lpTemplate = FindTemplate(m_lpszTemplateName, &hInst);
    } else if (m_hDialogTemplate) {
        hLocked = m_hDialogTemplate;
        lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(hLocked));
    }
    if (!lpTemplate) return -1;

    // The owner (and its top-level window) is disabled while the dialog runs.
    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    try {
        if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst)) {
            if (m_nFlags & WF_CONTINUEMODAL) {
                DWORD dwFlags = MLF_SHOWONIDLE;
                if (GetStyle() & DS_NOIDLEMSG) dwFlags |= MLF_NOIDLEMSG;
                RunModalLoop(dwFlags);
            }
            // Hidden before the owner comes back, so that the owner is activated, not the dialog.
            if (m_hWnd)
                SetWindowPos(nullptr, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        }
    } catch (CException* e) {
        // The dialog existed but its run failed (memory, resources).
        e->Delete();
        m_nModalResult = IDABORT;
    }

    if (bEnableParent) ::EnableWindow(hWndParent, TRUE);
    if (hWndParent && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndParent);

    if (m_hWnd) DestroyWindow();
    PostModal();
    if (hLocked) ::GlobalUnlock(hLocked);
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    ASSERT(::IsWindow(m_hWnd));
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

// ---- Initialisation ----

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
        return pDlg ? pDlg->OnInitDialog() : TRUE;
    }
    return FALSE;
}

void CDialog::PreInitDialog() {}

BOOL CDialog::CheckAutoCenter() const {
    if (!m_lpCreatingTemplate) return FALSE;
    DWORD dwStyle = 0;
    short x = 0, y = 0;
    TemplatePlacement(m_lpCreatingTemplate, &dwStyle, &x, &y);
    if (dwStyle & (WS_CHILD | DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) return FALSE;
    return x == 0 && y == 0;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    PreInitDialog();
    CRect rectOld;
    ::GetWindowRect(m_hWnd, &rectOld);
    const BOOL bCenter = CheckAutoCenter();

    // The system dialog procedure calls AfxDlgProc, which calls OnInitDialog.
    const LRESULT lResult = Default();

    // A dialog its template does not place is centred on its owner, unless OnInitDialog moved or
    // showed it.
    if (bCenter && ::IsWindow(m_hWnd) && !(GetStyle() & WS_VISIBLE)) {
        CRect rectNew;
        ::GetWindowRect(m_hWnd, &rectNew);
        if (rectNew.TopLeft() == rectOld.TopLeft()) CenterWindow();
    }
    return lResult;
}

BOOL CDialog::OnInitDialog() {
    const BOOL bDlgInit =
        m_lpDialogInit ? ExecuteDlgInit(m_lpDialogInit) : ExecuteDlgInit(m_lpszTemplateName);
    if (!bDlgInit) {
        TRACE(_T("CDialog: dialog initialisation data failed\n"));
        EndDialog(-1);
        return FALSE;
    }
    if (!UpdateData(FALSE)) {
        TRACE(_T("CDialog: UpdateData failed while the dialog started\n"));
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnSetFont(CFont* /*pFont*/) {}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM) {
    OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
    return Default();
}

// ---- Ending ----

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        TRACE(_T("CDialog: validation failed, the dialog stays open\n"));
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

// ---- Keyboard and controls ----

BOOL CDialog::IsDialogMessage(LPMSG lpMsg) {
    return ::IsDialogMessage(m_hWnd, lpMsg);
}

BOOL CDialog::PreTranslateInput(LPMSG lpMsg) {
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(lpMsg);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;

    // Escape in a multi-line edit is eaten by the edit; the dialog still cancels when it can.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLong(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE)) {
        TCHAR szClass[8] = {};
        ::GetClassName(pMsg->hwnd, szClass, _countof(szClass));
        if (lstrcmpi(szClass, _T("Edit")) == 0 && ::IsChild(m_hWnd, pMsg->hwnd)) {
            HWND hItem = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (!hItem || ::IsWindowEnabled(hItem)) {
                SendMessage(WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        }
    }
    return PreTranslateInput(pMsg);
}

void CDialog::NextDlgCtrl() const {
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const {
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (!pWndCtrl || !pWndCtrl->m_hWnd) return;
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

void CDialog::SetDefID(UINT nID) {
    ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const {
    return static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
    ::MapDialogRect(m_hWnd, lpRect);
}

// ---- Command routing ----

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    // Only menu-style commands go further; control notifications and system commands stop here.
    if ((nCode != static_cast<int>(CN_COMMAND) && nCode != static_cast<int>(CN_UPDATE_COMMAND_UI)) ||
        nID == 0 || nID >= 0xF000)
        return FALSE;
    CWnd* pOwner = GetParent();
    if (pOwner && pOwner != this && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if (CWinThread* pThread = AfxGetThread()) {
        if (pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    }
    return FALSE;
}
