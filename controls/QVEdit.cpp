#include "QVEdit.h"

#include <QVMemoryDC.h>
#include <QVSkinResManager.h>

#include "QVAliveToken.h"
#include "QVSelectScope.h"
#include "TransparentBkg.h"

namespace {

const COLORREF kClrCueText = RGB(128, 128, 128);
const UINT kOverlayId = 0xFFFF;

COLORREF SkinBorderColour() {
    return CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVEdit, CEdit)

BEGIN_MESSAGE_MAP(CQVEdit, CEdit)
ON_WM_CREATE()
ON_MESSAGE(WM_QV_RECALCFRAME, &CQVEdit::OnRecalcFrame)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR_REFLECT()
ON_WM_ENABLE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_CHAR()
ON_MESSAGE(WM_SETTEXT, &CQVEdit::OnSetText)
ON_MESSAGE(WM_SETFONT, &CQVEdit::OnSetFont)
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_DESTROY()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVEdit::OnSkinChanged)
END_MESSAGE_MAP()

CQVEdit::CQVEdit() : m_clrBorder(SkinBorderColour()) {}

CQVEdit::~CQVEdit() {
    // The overlay window goes first: it is a child of this edit, which may outlive this object.
    delete m_pOverlay;
    m_pOverlay = nullptr;
    DeleteBrush();
}

BOOL CQVEdit::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                       int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    // Subclassing happens before the window has its text: the cue waits for WM_CREATE.
    m_bCreating = TRUE;
    const BOOL bCreated = CEdit::CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth,
                                          nHeight, hWndParent, nIDorHMenu, lpParam);
    m_bCreating = FALSE;
    return bCreated;
}

// ---- Attributes ----

void CQVEdit::SetBkColor(COLORREF clrNormal, COLORREF clrDisabled) {
    m_clrBkNormal = clrNormal;
    m_clrBkDisabled = clrDisabled;
}

void CQVEdit::SetTransparent(BOOL bTransparent) {
    m_bTransparent = bTransparent;
    DeleteBrush();
    if (GetSafeHwnd()) Invalidate(TRUE);
}

void CQVEdit::SetTextForEmpty(LPCTSTR lpszText) {
    if (m_bShowingEmptyText) ApplyTextForEmpty(FALSE);
    m_strEmptyText = lpszText ? lpszText : _T("");
    if (GetSafeHwnd()) ApplyTextForEmpty(!HasFocus());
}

void CQVEdit::DisableTextForEmpty() {
    if (!m_bShowingEmptyText) return;
    ApplyTextForEmpty(FALSE);
    m_bEmptyTextSuspended = TRUE;
}

void CQVEdit::RestoreTextForEmtpy() {
    if (!m_bEmptyTextSuspended || !GetSafeHwnd() || HasFocus()) return;
    m_bEmptyTextSuspended = FALSE;
    ApplyTextForEmpty(TRUE);
}

void CQVEdit::SetAutoSize(BOOL bAutoSize, int nMaxWidth, BOOL bApply) {
    m_bAutoSize = bAutoSize;
    m_nAutoSizeMaxWidth = nMaxWidth;
    if (bApply) AutoSize();
}

void CQVEdit::SetWindowText(LPCTSTR lpszString) {
    if (!GetSafeHwnd()) return;
    CEdit::SetWindowText(lpszString ? lpszString : _T(""));
    AutoSize();
    ApplyTextForEmpty(!HasFocus());
}

void CQVEdit::PrepareTransparentBkgnd() {
    DeleteBrush();
    if (!GetSafeHwnd()) return;
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    // The parent's background under the whole window, then the part under the client area as the
    // pattern: the edit fills from its client origin, one pixel inside the border.
    CQVMemoryDC dcWindow;
    if (!dcWindow.Create(rcWindow.Width(), rcWindow.Height())) return;
    dcWindow.FillSolidRect(0, 0, rcWindow.Width(), rcWindow.Height(), RGB(255, 255, 255));
    DrawTransparentBkg(this, GetParent(), &dcWindow);

    const int cx = rcClient.Width() > 0 ? rcClient.Width() : 1;
    const int cy = rcClient.Height() > 0 ? rcClient.Height() : 1;
    CClientDC dc(this);
    if (!m_bmpBkgnd.CreateCompatibleBitmap(&dc, cx, cy)) return;
    CDC dcPattern;
    dcPattern.CreateCompatibleDC(&dc);
    {
        CQVSelectScope scope(&dcPattern, m_bmpBkgnd.GetSafeHandle());
        dcPattern.BitBlt(0, 0, cx, cy, &dcWindow, rcClient.left - rcWindow.left, rcClient.top - rcWindow.top,
                         SRCCOPY);
    }
    dcPattern.DeleteDC();
    m_brBkgnd.CreatePatternBrush(&m_bmpBkgnd);
}

// ---- Overridables ----

void CQVEdit::PreSubclassWindow() {
    CEdit::PreSubclassWindow();
    if (!m_bCreating) InitEdit(TRUE);
}

BOOL CQVEdit::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd == m_hWnd) {
        if (CWnd* pParent = GetParent()) {
            const CQVAliveToken alive(this);
            const LRESULT lAnswer = pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), 0);
            // An edit the parent destroyed has nothing left to type the key into.
            if (!alive || lAnswer == 1) return TRUE;
        }
    }
    return CEdit::PreTranslateMessage(pMsg);
}

// ---- Implementation ----

void CQVEdit::InitEdit(BOOL bApplyCue) {
    EnsureBrush();
    PostMessage(WM_QV_RECALCFRAME);
    if (bApplyCue) ApplyTextForEmpty(!HasFocus());
}

void CQVEdit::ApplyTextForEmpty(BOOL bShow) {
    if (!GetSafeHwnd()) return;
    if (m_bShowingEmptyText) {
        if (bShow) return;
        if (m_bOverlayShown) {
            m_bOverlayShown = FALSE;
            if (OverlayHwnd()) m_pOverlay->ShowWindow(SW_HIDE);
        } else {
            SetCueWindowText(_T(""));
        }
        m_bShowingEmptyText = FALSE;
        return;
    }
    if (!bShow || m_strEmptyText.IsEmpty() || GetWindowTextLength() != 0) return;
    if (GetStyle() & ES_PASSWORD) {
        ShowOverlay();
        if (!m_bOverlayShown) return;
    } else {
        SetCueWindowText(m_strEmptyText);
    }
    m_bShowingEmptyText = TRUE;
}

void CQVEdit::ShowOverlay() {
    if (!m_pOverlay) {
        m_pOverlay = new CQVEdit;
        m_pOverlay->m_bIsOverlay = TRUE;
    }
    CRect rc;
    GetClientRect(&rc);
    if (!OverlayHwnd()) {
        m_pOverlay->m_bTransparent = m_bTransparent;
        m_pOverlay->m_clrBkNormal = m_clrBkNormal;
        m_pOverlay->m_clrBkDisabled = m_clrBkDisabled;
        if (!m_pOverlay->Create(WS_CHILD | WS_VISIBLE, rc, this, kOverlayId)) return;
        m_pOverlay->SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)), FALSE);
    }
    m_pOverlay->SetWindowPos(NULL, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_pOverlay->SetTextForEmpty(m_strEmptyText);
    m_pOverlay->ShowWindow(SW_SHOWNA);
    m_bOverlayShown = TRUE;
}

void CQVEdit::SetCueWindowText(LPCTSTR lpszText) {
    ++m_nSettingCue;
    CEdit::SetWindowText(lpszText);
    --m_nSettingCue;
}

void CQVEdit::MakeSolidBrush() {
    DeleteBrush();
    const BOOL bEnabled = !GetSafeHwnd() || IsWindowEnabled();
    m_brBkgnd.CreateSolidBrush(bEnabled ? m_clrBkNormal : m_clrBkDisabled);
}

void CQVEdit::DeleteBrush() {
    m_brBkgnd.DeleteObject();
    m_bmpBkgnd.DeleteObject();
}

void CQVEdit::EnsureBrush() {
    if (m_brBkgnd.GetSafeHandle()) return;
    if (m_bTransparent)
        PrepareTransparentBkgnd();
    else
        MakeSolidBrush();
}

void CQVEdit::DropTransparentBrush() {
    if (!m_bTransparent || !m_brBkgnd.GetSafeHandle()) return;
    DeleteBrush();
    Invalidate(TRUE);
}

void CQVEdit::AutoSize() {
    if (!m_bAutoSize || !GetSafeHwnd()) return;
    CString strText;
    GetWindowText(strText);
    int cx = 1;
    if (!strText.IsEmpty()) {
        CClientDC dc(this);
        CQVSelectScope scope(&dc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
        // Measured as the edit draws: after its own colour setup on this DC.
        SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                    reinterpret_cast<LPARAM>(m_hWnd));
        CRect rcText(0, 0, 1024, 20);
        dc.DrawText(strText, &rcText, DT_CALCRECT | DT_SINGLELINE);
        cx = rcText.Width() + 20;
        if (cx > m_nAutoSizeMaxWidth) cx = m_nAutoSizeMaxWidth;
    }
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    SetWindowPos(NULL, 0, 0, cx, rcWindow.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Messages ----

int CQVEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CEdit::OnCreate(lpCreateStruct) == -1) return -1;
    InitEdit(TRUE);
    return 0;
}

LRESULT CQVEdit::OnRecalcFrame(WPARAM, LPARAM) {
    QVRecalcFrame(this);
    return 0;
}

void CQVEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    QVOnePixelNcCalcSize(lpncsp, (GetExStyle() & WS_EX_CLIENTEDGE) != 0,
                         [&] { CEdit::OnNcCalcSize(bCalcValidRects, lpncsp); });
}

void CQVEdit::OnNcPaint() {
    Default();
    if (GetExStyle() & WS_EX_CLIENTEDGE) QVDrawOnePixelFrame(this, m_clrBorder);
}

BOOL CQVEdit::OnEraseBkgnd(CDC* pDC) {
    EnsureBrush();
    CRect rc;
    GetClientRect(&rc);
    pDC->FillRect(&rc, &m_brBkgnd);
    return TRUE;
}

HBRUSH CQVEdit::CtlColor(CDC* pDC, UINT /*nCtlColor*/) {
    EnsureBrush();
    if (m_bTransparent)
        pDC->SetBkMode(TRANSPARENT);
    else
        pDC->SetBkColor(IsWindowEnabled() ? m_clrBkNormal : m_clrBkDisabled);
    if (m_bShowingEmptyText) pDC->SetTextColor(kClrCueText);
    return static_cast<HBRUSH>(m_brBkgnd.GetSafeHandle());
}

void CQVEdit::OnEnable(BOOL bEnable) {
    CEdit::OnEnable(bEnable);
    if (!m_bTransparent) MakeSolidBrush();
}

void CQVEdit::OnSetFocus(CWnd* pOldWnd) {
    // The parent hears EN_SETFOCUS inside the default processing and may destroy the edit there.
    const CQVAliveToken alive(this);
    CEdit::OnSetFocus(pOldWnd);
    if (!alive) return;
    if (m_bIsOverlay) {
        // Hiding the focus window may already have moved the focus on, and the owner's parent may
        // destroy everything when it does.
        ShowWindow(SW_HIDE);
        if (!alive) return;
        const HWND hOwner = ::GetParent(m_hWnd);
        if (hOwner && ::GetFocus() != hOwner) ::SetFocus(hOwner);
        return;
    }
    if (OverlayHwnd()) m_pOverlay->ShowWindow(SW_HIDE);
    ApplyTextForEmpty(FALSE);
}

BOOL CQVEdit::IsLeadByte(UINT nChar) {
#ifdef _UNICODE
    (void)nChar;
    return FALSE;
#else
    return nChar < 0x100 && ::IsDBCSLeadByte(static_cast<BYTE>(nChar));
#endif
}

void CQVEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
#ifndef _UNICODE
    // A double-byte character typed as two WM_CHAR bytes goes to the system's edit as one string:
    // the system's edit takes each byte it is sent as a character of its own.
    if (m_nLeadByte) {
        const char pair[3] = {static_cast<char>(m_nLeadByte), static_cast<char>(nChar), 0};
        m_nLeadByte = 0;
        ReplaceSel(pair, TRUE);
        return;
    }
    if (IsLeadByte(nChar)) {
        m_nLeadByte = nChar;
        return;
    }
#endif
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CQVEdit::OnKillFocus(CWnd* pNewWnd) {
    // A lead byte whose trail never came does not pair with the next focus's first character.
    m_nLeadByte = 0;
    const CQVAliveToken alive(this);
    CEdit::OnKillFocus(pNewWnd);
    if (alive) ApplyTextForEmpty(TRUE);
}

LRESULT CQVEdit::OnSetText(WPARAM, LPARAM) {
    // A text from anyone but the cue rule takes the cue down: it shows in the text's own colour and
    // stays when the edit gains the focus.
    if (!m_nSettingCue && m_bShowingEmptyText) {
        if (m_bOverlayShown && OverlayHwnd()) m_pOverlay->ShowWindow(SW_HIDE);
        m_bOverlayShown = FALSE;
        m_bShowingEmptyText = FALSE;
    }
    return Default();
}

LRESULT CQVEdit::OnSetFont(WPARAM wParam, LPARAM lParam) {
    // The cue overlay writes in the edit's font.
    const LRESULT lResult = Default();
    if (OverlayHwnd()) m_pOverlay->SendMessage(WM_SETFONT, wParam, lParam);
    return lResult;
}

void CQVEdit::OnSize(UINT nType, int cx, int cy) {
    CEdit::OnSize(nType, cx, cy);
    DropTransparentBrush();
    if (OverlayHwnd()) {
        CRect rc;
        GetClientRect(&rc);
        m_pOverlay->SetWindowPos(NULL, 0, 0, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CQVEdit::OnMove(int x, int y) {
    CEdit::OnMove(x, y);
    DropTransparentBrush();
}

void CQVEdit::OnDestroy() {
    // A window made again later starts without a cue and builds its brush anew.
    m_bShowingEmptyText = FALSE;
    m_bOverlayShown = FALSE;
    DeleteBrush();
    CEdit::OnDestroy();
}

LRESULT CQVEdit::OnSkinChanged(WPARAM, LPARAM) {
    m_clrBorder = SkinBorderColour();
    if (m_bTransparent) PrepareTransparentBkgnd();
    RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
    return 1;
}

// ---- Global ----

void QVSkin_NotifyEditPrepareTransparentBkgnd(CWnd* pParent) {
    if (!pParent || !pParent->m_hWnd) return;
    for (HWND hChild = ::GetWindow(pParent->m_hWnd, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        if (pChild && pChild->IsKindOf(RUNTIME_CLASS(CQVEdit)))
            static_cast<CQVEdit*>(pChild)->PrepareTransparentBkgnd();
    }
}
