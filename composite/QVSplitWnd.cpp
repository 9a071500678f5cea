#include "QVSplitWnd.h"

#include <QVSkinResManager.h>

#include "QVPaintMemoryDC.h"
#include "QVSkinNotify.h"
#include "QVWndClass.h"
#include "TransparentBkg.h"

namespace {

const TCHAR kClassName[] = _T("QVSplitWnd");
const COLORREF kClrPanelFill = RGB(255, 255, 255);

COLORREF SkinBorderColor() {
    return CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4);
}

CRect WindowRectIn(HWND hChild, HWND hParent) {
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(NULL, hParent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

}  // namespace

IMPLEMENT_DYNAMIC(CQVSplitWnd, CWnd)

BEGIN_MESSAGE_MAP(CQVSplitWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
ON_WM_DESTROY()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVSplitWnd::OnSkinChanged)
END_MESSAGE_MAP()

CQVSplitWnd::CQVSplitWnd() = default;

CQVSplitWnd::~CQVSplitWnd() {
    if (GetSafeHwnd()) DestroyWindow();
}

BOOL CQVSplitWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!QVRegisterWndClass(kClassName, 0, ::LoadCursor(NULL, IDC_ARROW), NULL)) return FALSE;
    // No WS_CLIPCHILDREN: painting clips the panels itself and the ghost crosses them.
    return CWnd::Create(kClassName, _T(""), (dwStyle | WS_CHILD) & ~WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

int CQVSplitWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_bOwnBorderColor) m_clrBorder = SkinBorderColor();
    const CRect rcPlaceholder(10, 10, 10, 10);
    m_shapeFirst.Create(this, rcPlaceholder, kClrPanelFill, m_clrBorder, FALSE, QVST_RECTANGLE, 1, 3, 3, 3,
                        3);
    m_shapeSecond.Create(this, rcPlaceholder, kClrPanelFill, m_clrBorder, FALSE, QVST_RECTANGLE, 1, 3, 3, 3,
                         3);
    m_hCursorNS = ::LoadCursor(NULL, IDC_SIZENS);
    m_hCursorWE = ::LoadCursor(NULL, IDC_SIZEWE);
    return 0;
}

BOOL CQVSplitWnd::SetPanels(CWnd* pFirst, CWnd* pSecond, BOOL bStacked, BOOL bSecondFixed) {
    if (!::IsWindow(GetSafeHwnd())) return FALSE;
    const HWND hPanels[2] = {pFirst ? pFirst->GetSafeHwnd() : nullptr,
                             pSecond ? pSecond->GetSafeHwnd() : nullptr};
    for (int i = 0; i < 2; ++i) {
        const CWnd* pPanel = i == 0 ? pFirst : pSecond;
        if (pPanel == nullptr) continue;
        if (!::IsWindow(hPanels[i])) return FALSE;
        // This window or an ancestor as a panel would make a cycle of parents.
        if (hPanels[i] == m_hWnd || ::IsChild(hPanels[i], m_hWnd)) return FALSE;
    }
    if (hPanels[0] != nullptr && hPanels[0] == hPanels[1]) return FALSE;
    if (m_bDragging) {
        EndDrag();
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    }
    m_pFirst = pFirst;
    m_pSecond = pSecond;
    m_hFirst = hPanels[0];
    m_hSecond = hPanels[1];
    m_bStacked = bStacked ? TRUE : FALSE;
    m_bSecondFixed = bSecondFixed ? TRUE : FALSE;
    for (HWND hPanel : hPanels)
        if (hPanel != nullptr && ::GetParent(hPanel) != m_hWnd) ::SetParent(hPanel, m_hWnd);
    RecalcLayout();
    Invalidate(TRUE);
    return TRUE;
}

void CQVSplitWnd::SetSplitPos(int nPos) {
    m_nSplitPos = nPos;
    if (!::IsWindow(GetSafeHwnd())) return;
    RecalcLayout();
    Invalidate(TRUE);
}

void CQVSplitWnd::SetBorderSize(int cx, int cy) {
    m_szBorder = CSize(qvsplit::ClampMetric(cx), qvsplit::ClampMetric(cy));
}

void CQVSplitWnd::SetPanelMinSize(int nFirstMin, int nSecondMin) {
    m_nFirstMin = qvsplit::ClampMetric(nFirstMin);
    m_nSecondMin = qvsplit::ClampMetric(nSecondMin);
}

void CQVSplitWnd::SetBorderColor(COLORREF clr) {
    m_clrBorder = clr;
    m_bOwnBorderColor = TRUE;
    m_shapeFirst.SetForeColor(clr);
    m_shapeSecond.SetForeColor(clr);
}

HWND CQVSplitWnd::Panel(int nPanel) const {
    const HWND hPanel = nPanel == 0 ? m_hFirst : m_hSecond;
    // A panel the host destroyed, or took back into another parent, is no longer laid out.
    return hPanel != nullptr && ::IsWindow(hPanel) && ::GetParent(hPanel) == m_hWnd ? hPanel : nullptr;
}

void CQVSplitWnd::RecalcLayout() {
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.Width() < 1 || rcClient.Height() < 1) return;
    m_rcLayout = qvsplit::LayoutRect(rcClient, m_szBorder);
    m_nSplitPos = qvsplit::ClampPos(m_nSplitPos, qvsplit::Extent(m_rcLayout, m_bStacked), m_nFirstMin,
                                    m_nSecondMin, m_bSecondFixed);
    const qvsplit::Rects rects =
        qvsplit::Arrange(m_rcLayout, m_nSplitPos, m_bStacked, m_bSecondFixed, m_nBarThickness);
    m_rcBar = rects.rcBar;
    if (!m_bDragging) m_rcGhost = m_rcBar;
    const CRect* pPlaces[2] = {&rects.rcFirst, &rects.rcSecond};
    CQVShpae* pShapes[2] = {&m_shapeFirst, &m_shapeSecond};
    for (int i = 0; i < 2; ++i) {
        const HWND hPanel = Panel(i);
        pShapes[i]->SetVisible(hPanel != nullptr);
        if (hPanel == nullptr) continue;
        const CRect& rc = *pPlaces[i];
        ::SetWindowPos(hPanel, NULL, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rcFrame = WindowRectIn(hPanel, m_hWnd);
        rcFrame.InflateRect(m_szBorder);
        pShapes[i]->SetControlRect(rcFrame);
    }
}

void CQVSplitWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (cx >= 1 && cy >= 1) RecalcLayout();
}

BOOL CQVSplitWnd::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVSplitWnd::OnPaint() {
    CPaintDC dc(this);
    // The shapes fill their frames white: the panels are cut out of the paint DC before the surface
    // is copied back, or the copy would cover them.
    CRect rcClient;
    GetClientRect(&rcClient);
    CRgn rgnClip, rgnChild;
    rgnClip.CreateRectRgnIndirect(&rcClient);
    rgnChild.CreateRectRgn(0, 0, 0, 0);
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(hChild)) continue;
        const CRect rc = WindowRectIn(hChild, m_hWnd);
        rgnChild.SetRectRgn(&rc);
        rgnClip.CombineRgn(&rgnClip, &rgnChild, RGN_DIFF);
    }
    dc.SelectClipRgn(&rgnClip);
    CQVPaintMemoryDC mem(this, &dc);
    DrawTransparentBkg(this, GetParent(), &mem);
    m_shapeFirst.Draw(&mem, nullptr);
    m_shapeSecond.Draw(&mem, nullptr);
}

BOOL CQVSplitWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    m_bCursorInBar = m_rcBar.PtInRect(pt);
    if (!m_bCursorInBar) return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_bStacked ? m_hCursorNS : m_hCursorWE);
    return TRUE;
}

void CQVSplitWnd::DrawGhost() {
    // Rows alternate 0x5555 and 0xAAAA: a halftone that PATINVERT drawn twice takes away again.
    static const WORD kRows[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, kRows);
    HBRUSH hBrush = ::CreatePatternBrush(hBitmap);
    // Without DCX_CLIPCHILDREN: the ghost crosses the panels.
    HDC hDC = ::GetDCEx(m_hWnd, NULL, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (hDC) {
        HGDIOBJ hOld = ::SelectObject(hDC, hBrush);
        ::PatBlt(hDC, m_rcGhost.left, m_rcGhost.top, m_rcGhost.Width(), m_rcGhost.Height(), PATINVERT);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(m_hWnd, hDC);
    }
    ::DeleteObject(hBrush);
    ::DeleteObject(hBitmap);
}

void CQVSplitWnd::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_bCursorInBar && !m_bDragging) {
        m_bDragging = TRUE;
        m_rcGhost = qvsplit::MoveGhost(m_rcGhost, point, m_rcLayout, m_nFirstMin, m_nSecondMin, m_bStacked);
        DrawGhost();
        SetCapture();
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CQVSplitWnd::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_bDragging) {
        DrawGhost();
        m_rcGhost = qvsplit::MoveGhost(m_rcGhost, point, m_rcLayout, m_nFirstMin, m_nSecondMin, m_bStacked);
        DrawGhost();
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CQVSplitWnd::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bDragging) {
        EndDrag();
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
        SetSplitPos(qvsplit::PosFromGhost(m_rcGhost, m_rcLayout, m_bStacked, m_bSecondFixed));
    }
    CWnd::OnLButtonUp(nFlags, point);
}

void CQVSplitWnd::EndDrag() {
    m_bDragging = FALSE;
    DrawGhost();
}

void CQVSplitWnd::OnCaptureChanged(CWnd* pWnd) {
    // The capture taken away mid-drag (another window, a menu, a box): the drag ends where it was.
    if (m_bDragging) {
        EndDrag();
        m_rcGhost = m_rcBar;
    }
    CWnd::OnCaptureChanged(pWnd);
}

void CQVSplitWnd::OnDestroy() {
    if (m_bDragging) {
        EndDrag();
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    }
    CWnd::OnDestroy();
}

LRESULT CQVSplitWnd::OnSkinChanged(WPARAM wParam, LPARAM lParam) {
    // The panels are no longer children of the skinned window that passes the change on; a
    // thread-wide notice that reaches them anyway tells each once.
    for (int i = 0; i < 2; ++i)
        if (const HWND hPanel = Panel(i)) QVSendNotice(hPanel, WM_QV_SKINCHANGED, wParam, lParam);
    if (!m_bOwnBorderColor) {
        m_clrBorder = SkinBorderColor();
        m_shapeFirst.SetForeColor(m_clrBorder);
        m_shapeSecond.SetForeColor(m_clrBorder);
    }
    RecalcLayout();
    Invalidate(TRUE);
    return 1;
}
