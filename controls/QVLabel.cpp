#include "QVLabel.h"

#include "QVAliveToken.h"
#include "QVLabelRes.h"
#include "QVModule.h"
#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVSelectScope.h"
#include "QVUIShell.h"
#include "TransparentBkg.h"

namespace {

const COLORREF kClrDisabledText = RGB(128, 128, 128);
const UINT kRedrawNow = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE;
const UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
const UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

// The process's hand cursor and its references.
HCURSOR g_hHandCursor = NULL;
BOOL g_bHandCursorOwned = FALSE;
int g_nHandCursorRefs = 0;

HCURSOR AddHandCursorRef() {
    if (g_nHandCursorRefs++ == 0) {
        g_hHandCursor = static_cast<HCURSOR>(::LoadImage(
            RIZGetInstanceHandle(), MAKEINTRESOURCE(IDC_QV_HAND_CURSOR), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
        g_bHandCursorOwned = g_hHandCursor != NULL;
        if (!g_hHandCursor) g_hHandCursor = ::LoadCursor(NULL, IDC_HAND);
    }
    return g_hHandCursor;
}

void ReleaseHandCursorRef() {
    if (g_nHandCursorRefs <= 0 || --g_nHandCursorRefs > 0) return;
    if (g_bHandCursorOwned) ::DestroyCursor(g_hHandCursor);
    g_hHandCursor = NULL;
    g_bHandCursorOwned = FALSE;
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVLabel, CStatic)

BEGIN_MESSAGE_MAP(CQVLabel, CStatic)
ON_WM_CREATE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_SETCURSOR()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, &CQVLabel::OnPrintClient)
ON_WM_CTLCOLOR_REFLECT()
ON_CONTROL_REFLECT(STN_ENABLE, &CQVLabel::OnEnableChanged)
ON_CONTROL_REFLECT(STN_DISABLE, &CQVLabel::OnEnableChanged)
ON_MESSAGE(WM_SETTEXT, &CQVLabel::OnSetText)
ON_WM_DESTROY()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVLabel::OnSkinChanged)
END_MESSAGE_MAP()

CQVLabel::CQVLabel()
    : m_crText(::GetSysColor(COLOR_WINDOWTEXT)), m_crNormal(m_crText),
      m_hBkBrush(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE))),
      m_hFlashBrush(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE))) {
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(m_lf), &m_lf);
    m_Font.CreateFontIndirect(&m_lf);
}

CQVLabel::~CQVLabel() {
    if (m_hBkBrush) ::DeleteObject(m_hBkBrush);
    if (m_hFlashBrush) ::DeleteObject(m_hFlashBrush);
    m_Font.DeleteObject();
    ReleaseFingerCursor();
}

// ---- Appearance ----

void CQVLabel::SetTextColor(COLORREF crText) {
    m_crText = m_crNormal = crText;
    if (GetSafeHwnd()) RedrawWindow(NULL, NULL, kRedrawNow);
}

void CQVLabel::SetBkColor(COLORREF crBkgnd) {
    if (m_hBkBrush) ::DeleteObject(m_hBkBrush);
    m_hBkBrush = ::CreateSolidBrush(crBkgnd);
}

void CQVLabel::SetTransparent(BOOL bTransparent) {
    m_bTransparent = bTransparent;
    if (GetSafeHwnd()) Invalidate(FALSE);
}

void CQVLabel::SetFontBold(BOOL bBold) {
    m_lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    ApplyFont();
}

void CQVLabel::SetFontItalic(BOOL bItalic) {
    m_lf.lfItalic = bItalic ? TRUE : FALSE;
    ApplyFont();
}

void CQVLabel::SetFontUnderline(BOOL bUnderline) {
    m_lf.lfUnderline = bUnderline ? TRUE : FALSE;
    ApplyFont();
}

void CQVLabel::SetFontSize(int nPixels) {
    // A height the font mapper cannot make is kept within what a screen shows.
    const int nMax = 4096;
    m_lf.lfHeight = -(nPixels < -nMax ? -nMax : (nPixels > nMax ? nMax : nPixels));
    ApplyFont();
}

void CQVLabel::SetFontName(LPCTSTR lpszFace) {
    ::lstrcpyn(m_lf.lfFaceName, lpszFace ? lpszFace : _T(""), LF_FACESIZE);
    ApplyFont();
}

void CQVLabel::SetSunken(BOOL bSunken) {
    if (!GetSafeHwnd()) return;
    ModifyStyleEx(bSunken ? 0 : WS_EX_STATICEDGE, bSunken ? WS_EX_STATICEDGE : 0, kFrameChanged);
}

void CQVLabel::SetBorder(BOOL bBorder) {
    if (!GetSafeHwnd()) return;
    ModifyStyle(bBorder ? 0 : WS_BORDER, bBorder ? WS_BORDER : 0, kFrameChanged);
}

void CQVLabel::SetWindowText(LPCTSTR lpszText) {
    // WM_SETTEXT sizes and invalidates.
    if (GetSafeHwnd()) CStatic::SetWindowText(lpszText ? lpszText : _T(""));
}

void CQVLabel::SetAutoSize(BOOL bAutoSize, int nMaxWidth, BOOL bApply) {
    m_bAutoSize = bAutoSize;
    m_nMaxAutoWidth = nMaxWidth;
    if (bApply) AutoSize();
}

// ---- Links ----

void CQVLabel::SetLink(BOOL bLink, LPCTSTR lpszLink) {
    m_bLink = bLink;
    m_strLink = lpszLink ? lpszLink : _T("");
    m_strLink.MakeLower();
}

void CQVLabel::Notify(BOOL bNotify) {
    m_bNotify = bNotify;
}

void CQVLabel::SetLinkCursor(HCURSOR hCursor) {
    ReleaseFingerCursor();
    m_hCursor = hCursor;
}

void CQVLabel::SetFingerCursor() {
    if (m_bFingerCursor) return;
    m_hCursor = AddHandCursorRef();
    m_bFingerCursor = TRUE;
}

void CQVLabel::ReleaseFingerCursor() {
    if (!m_bFingerCursor) return;
    m_bFingerCursor = FALSE;
    m_hCursor = NULL;
    ReleaseHandCursorRef();
}

// ---- Flashing ----

void CQVLabel::StartFlash(QVLabelFlashType nType) {
    if (nType == QVLFT_NONE) {
        StopFlash();
        return;
    }
    if (nType != QVLFT_TEXT && nType != QVLFT_BACKGROUND) return;
    if (m_nFlashType == QVLFT_TEXT && nType != QVLFT_TEXT) m_crText = m_crNormal;
    m_bFlashState = FALSE;
    m_nFlashType = nType;
    EnsureFlashTimer();
    // The "off" half shows from now on.
    if (GetSafeHwnd()) Invalidate(FALSE);
}

void CQVLabel::StopFlash() {
    if (m_nFlashType == QVLFT_TEXT) m_crText = m_crNormal;
    m_nFlashType = QVLFT_NONE;
    m_bFlashState = FALSE;
    KillFlashTimer();
    if (GetSafeHwnd()) Invalidate(FALSE);
}

void CQVLabel::EnsureFlashTimer() {
    if (m_nTimerID || m_nFlashType == QVLFT_NONE || !GetSafeHwnd()) return;
    m_nTimerID = SetTimer(QV_LABEL_FLASH_TIMER, m_nFlashPeriod, NULL);
}

void CQVLabel::KillFlashTimer() {
    if (m_nTimerID && GetSafeHwnd()) KillTimer(m_nTimerID);
    m_nTimerID = 0;
}

// ---- Overridables ----

void CQVLabel::PreSubclassWindow() {
    m_nDrawFlags = QVLabelDrawFlags(GetStyle());
    ModifyStyle(0, SS_NOTIFY);
    CStatic::PreSubclassWindow();
    EnsureFlashTimer();
}

// ---- Implementation ----

HBRUSH CQVLabel::CtlColor(CDC* pDC, UINT /*nCtlColor*/) {
    pDC->SelectObject(&m_Font);
    pDC->SetTextColor(IsWindowEnabled() ? m_crText : kClrDisabledText);
    pDC->SetBkMode(TRANSPARENT);
    const BOOL bFlashOff = m_nFlashType == QVLFT_BACKGROUND && !m_bFlashState;
    return bFlashOff ? m_hFlashBrush : m_hBkBrush;
}

void CQVLabel::PaintLabel(CDC* pDC, const CRect& rcClient) {
    // pDC is the label's own surface: what the colour setup selects goes with it.
    const HBRUSH hBrush = reinterpret_cast<HBRUSH>(SendMessage(
        WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), reinterpret_cast<LPARAM>(m_hWnd)));
    // The brush goes under the parent's background too: a parent that paints nothing leaves no
    // stale pixels of the reused surface.
    if (hBrush) ::FillRect(pDC->GetSafeHdc(), &rcClient, hBrush);
    if (m_bTransparent) {
        // That background starts at the window's corner, the surface at the client's, which a border
        // moves inside: the window origin takes the difference, as the viewport is set for the parent.
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        CPoint ptClient(0, 0);
        ClientToScreen(&ptClient);
        const CPoint ptOldOrg = pDC->SetWindowOrg(ptClient.x - rcWindow.left, ptClient.y - rcWindow.top);
        DrawTransparentBkg(this, GetParent(), pDC);
        pDC->SetWindowOrg(ptOldOrg);
    }
    CString strText;
    GetWindowText(strText);
    CRect rcText = rcClient;
    pDC->DrawText(strText, &rcText, m_nDrawFlags);
}

void CQVLabel::PaintTo(CDC* pDC) {
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) return;
    CQVPaintMemoryDC dcMem(pDC, rcClient);
    PaintLabel(&dcMem, rcClient);
}

void CQVLabel::RemakeFont() {
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(&m_lf);
}

void CQVLabel::ApplyFont() {
    RemakeFont();
    if (!GetSafeHwnd()) return;
    AutoSize();
    RedrawWindow(NULL, NULL, kRedrawNow);
}

void CQVLabel::AutoSize() {
    if (!m_bAutoSize || !GetSafeHwnd()) return;
    CString strText;
    GetWindowText(strText);
    CRect rcText(0, 0, 1024, 20);
    {
        CClientDC dc(this);
        CQVSelectScope scope(&dc, m_Font.GetSafeHandle());
        dc.DrawText(strText, &rcText, DT_CALCRECT | DT_SINGLELINE);
    }
    int cx = rcText.Width() < m_nMaxAutoWidth ? rcText.Width() : m_nMaxAutoWidth;
    if (cx < 0) cx = 0;
    SetWindowPos(NULL, 0, 0, cx, rcText.Height(), kSizeOnly);
}

void CQVLabel::OpenLink() {
    const QVLabelLaunch launch = QVLabelLaunchFor(m_strLink);
    QVUIShellExecute(NULL, launch.lpszVerb, launch.strFile, NULL, NULL, SW_SHOWNORMAL);
}

void CQVLabel::SetUnderlineHover(BOOL bHover) {
    m_bHover = bHover;
    m_lf.lfUnderline = bHover ? TRUE : FALSE;
    RemakeFont();
    Invalidate(FALSE);
}

// ---- Messages ----

int CQVLabel::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CStatic::OnCreate(lpCreateStruct) == -1) return -1;
    ModifyStyle(0, SS_NOTIFY);
    return 0;
}

void CQVLabel::OnMouseMove(UINT nFlags, CPoint point) {
    if ((m_bLink || m_bNotify) && !m_bHover) {
        QVTrackMouseLeave(m_hWnd);
        SetUnderlineHover(TRUE);
    }
    CStatic::OnMouseMove(nFlags, point);
}

void CQVLabel::OnMouseLeave() {
    if (m_bHover) SetUnderlineHover(FALSE);
    CStatic::OnMouseLeave();
}

void CQVLabel::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != QV_LABEL_FLASH_TIMER || m_nFlashType == QVLFT_NONE) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    m_bFlashState = !m_bFlashState;
    if (m_nFlashType == QVLFT_TEXT) {
        m_crText = m_bFlashState ? m_crFlash : m_crNormal;
        Invalidate(TRUE);
    } else {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

void CQVLabel::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_bLink && !m_strLink.IsEmpty()) {
        // The launcher may run a loop in which the parent destroys the label.
        const CQVAliveToken alive(this);
        OpenLink();
        if (!alive) return;
    }
    // STN_CLICKED to the parent; the label is not touched afterwards.
    CStatic::OnLButtonDown(nFlags, point);
}

BOOL CQVLabel::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (m_hCursor) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CStatic::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CQVLabel::OnEraseBkgnd(CDC* /*pDC*/) {
    return TRUE;
}

void CQVLabel::OnPaint() {
    CPaintDC dc(this);
    PaintTo(&dc);
}

LRESULT CQVLabel::OnPrintClient(WPARAM wParam, LPARAM) {
    // The label as it paints itself, into a DC of the caller's.
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) PaintTo(pDC);
    return 0;
}

LRESULT CQVLabel::OnSetText(WPARAM, LPARAM) {
    // The system static may draw the new text at once, in its own way: the label's drawing follows.
    const LRESULT lResult = Default();
    AutoSize();
    Invalidate(FALSE);
    return lResult;
}

void CQVLabel::OnEnableChanged() {
    Invalidate(FALSE);
}

void CQVLabel::OnDestroy() {
    KillFlashTimer();
    if (m_bHover) {
        m_bHover = FALSE;
        m_lf.lfUnderline = FALSE;
        RemakeFont();
    }
    CStatic::OnDestroy();
}

LRESULT CQVLabel::OnSkinChanged(WPARAM, LPARAM) {
    // A transparent label shows the parent's background, which the skin may have changed.
    return m_bTransparent ? 1 : 0;
}
