// CQVDockContext: the drag and resize loops, the docking decision, the outline, and toggling between
// the docked and the floating place.
#include "QVDockContext.h"

#include "QVDockBar.h"
#include "QVMouseLoop.h"
#include "SkinFrameWnd.h"

namespace {

// How far a floating frame's window reaches beyond its client, per side.
CRect FloatingFrameBorders() {
    CRect rect(0, 0, 0, 0);
    CMiniFrameWnd::CalcBorders(&rect, WS_THICKFRAME | WS_CAPTION);
    return CRect(-rect.left, -rect.top, rect.right, rect.bottom);
}

CSize BarBorder() {
    return CSize(AfxBarBorderX(), AfxBarBorderY());
}

CRect VirtualScreen() {
    const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN), y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return CRect(x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                 y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

CPoint MessagePoint() {
    const DWORD dwPos = ::GetMessagePos();
    return CPoint(static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos)));
}

CSkinFrameWnd* DockingFrame(CQVControlBar* pBar) {
    return pBar ? DYNAMIC_DOWNCAST(CSkinFrameWnd, pBar->m_pDockSite) : nullptr;
}

}  // namespace

CQVDockContext::CQVDockContext(CQVControlBar* pBar) : m_pBar(pBar) {
    m_pDockSite = pBar->m_pDockSite;
    m_rectMRUDockPos.SetRectEmpty();
    const DWORD dwStyle = pBar->GetBarStyle();
    if (dwStyle & CBRS_SIZE_DYNAMIC)
        m_dwMRUFloatStyle = dwStyle & (CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC);
    else if (dwStyle & CBRS_ORIENT_HORZ)
        m_dwMRUFloatStyle = CBRS_ALIGN_TOP | (dwStyle & CBRS_FLOAT_MULTI);
    else
        m_dwMRUFloatStyle = CBRS_ALIGN_LEFT | (dwStyle & CBRS_FLOAT_MULTI);
    m_ptMRUFloatPos.x = CW_USEDEFAULT;
    m_ptMRUFloatPos.y = 0;
}

CQVDockContext::~CQVDockContext() {
    // Deleted from inside a loop (the bar went from a handler): the loop touches nothing of this
    // object again, so the screen is given back here.
    m_alive.Kill();
    if (m_bLocked || m_dcScreen.GetSafeHdc()) CancelLoop();
    if (m_pBar && m_pBar->m_pDockBar) m_pBar->m_pDockBar->RemoveControlBar(m_pBar, -1, 0);
}

QVDockDragRects CQVDockContext::DragRects() const {
    return QVDockDragRects{m_rectDragHorz, m_rectDragVert, m_rectFrameDragHorz, m_rectFrameDragVert};
}

void CQVDockContext::SetDragRects(const QVDockDragRects& rects) {
    m_rectDragHorz = rects.rectHorz;
    m_rectDragVert = rects.rectVert;
    m_rectFrameDragHorz = rects.rectFrameHorz;
    m_rectFrameDragVert = rects.rectFrameVert;
}

QVDockResizeRects CQVDockContext::ResizeRects() const {
    return QVDockResizeRects{m_rectDragHorz, m_rectDragVert, m_rectFrameDragHorz, m_rectFrameDragVert.Size()};
}

void CQVDockContext::SetResizeRects(const QVDockResizeRects& rects) {
    m_rectDragHorz = rects.rectRequested;
    m_rectDragVert = rects.rectActual;
    m_rectFrameDragHorz = rects.rectActualFrame;
    m_rectFrameDragVert = CRect(CPoint(0, 0), rects.sizeBorders);
}

void CQVDockContext::InitLoop() {
    // Windows uncovered by the pointer's press paint now, before the desktop is locked.
    MSG msg;
    for (int n = 0; n < 256 && ::PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE); ++n) {
        const BOOL bGot = ::GetMessage(&msg, nullptr, WM_PAINT, WM_PAINT);
        if (bGot <= 0) {
            if (bGot == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        ::DispatchMessage(&msg);
    }
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->GetBarStyle() & CBRS_ALIGN_ANY;
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bForceFrame = m_bFlip = m_bDitherLast = FALSE;

    const HWND hDesktop = ::GetDesktopWindow();
    m_bLocked = ::LockWindowUpdate(hDesktop);
    const HDC hDC =
        ::GetDCEx(hDesktop, nullptr, DCX_WINDOW | DCX_CACHE | (m_bLocked ? DCX_LOCKWINDOWUPDATE : 0));
    if (hDC) {
        m_dcScreen.Attach(hDC);
        m_pDC = &m_dcScreen;
        // The outline is laid out in screen coordinates, left to right.
        if (m_pDC->GetLayout() & LAYOUT_RTL) m_pDC->SetLayout(0);
    }
}

void CQVDockContext::CancelLoop() {
    DrawFocusRect(TRUE);
    // A capture another window took is that window's own.
    if (m_pBar && m_pBar->m_hWnd && ::GetCapture() == m_pBar->m_hWnd) ::ReleaseCapture();
    if (m_bLocked) {
        ::LockWindowUpdate(nullptr);
        m_bLocked = FALSE;
    }
    if (m_dcScreen.GetSafeHdc()) ::ReleaseDC(::GetDesktopWindow(), m_dcScreen.Detach());
    m_pDC = nullptr;
}

void CQVDockContext::StartDrag(CPoint pt) {
    if (m_bLocked || m_dcScreen.GetSafeHdc() || !m_pBar->m_hWnd) return;  // a loop runs already
    m_bDragging = TRUE;
    InitLoop();
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;

    QVDockDragStart start;
    start.rectBar = rect;
    start.pt = pt;
    start.bHorzBar = QVDockIsHorz(m_dwStyle);
    start.rectBorders = FloatingFrameBorders();
    start.sizeBarBorder = BarBorder();
    const DWORD dwBarStyle = m_pBar->GetBarStyle();
    if (dwBarStyle & CBRS_SIZE_DYNAMIC) {
        start.nKind = QVDBK_DYNAMIC;
        start.sizes[0] = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        start.sizes[1] = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        start.sizes[2] = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    } else if (dwBarStyle & CBRS_SIZE_FIXED) {
        start.nKind = QVDBK_FIXED;
        start.sizes[0] = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
        start.sizes[1] = m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK);
    } else {
        start.nKind = QVDBK_OTHER;
        start.sizes[0] = m_pBar->CalcDynamicLayout(-1, start.bHorzBar ? LM_VERTDOCK : LM_HORZ | LM_HORZDOCK);
    }
    SetDragRects(QVDockCalcDragRects(start));
    m_dwOverDockStyle = CanDock();
    Move(pt);
    Track();
}

void CQVDockContext::Move(CPoint pt) {
    QVDockDragRects rects = DragRects();
    QVDockOffsetDragRects(rects, pt - m_ptLast);
    SetDragRects(rects);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect(FALSE);
}

void CQVDockContext::OnKey(int nChar, BOOL bDown) {
    if (nChar == VK_CONTROL)
        UpdateState(&m_bForceFrame, bDown);
    else if (nChar == VK_SHIFT)
        UpdateState(&m_bFlip, bDown);
}

void CQVDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue) {
    bNewValue = bNewValue ? TRUE : FALSE;
    if (*pFlag == bNewValue) return;
    *pFlag = bNewValue;
    // Only a bar that may dock both ways has another orientation to try.
    if (!(QVDockIsHorz(m_dwDockStyle) && QVDockIsVert(m_dwDockStyle))) m_bFlip = FALSE;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect(FALSE);
}

DWORD CQVDockContext::CanDock() {
    CSkinFrameWnd* pFrame = DockingFrame(m_pBar);
    if (!pFrame) return 0;
    return QVDockDecide(
        m_dwStyle, m_dwDockStyle, m_bFlip, DragRects(),
        [pFrame](const CRect& rect, DWORD dwDockStyle) { return pFrame->CanDock(rect, dwDockStyle); });
}

CQVDockBar* CQVDockContext::GetDockBar(DWORD dwOverDockStyle) {
    CSkinFrameWnd* pFrame = DockingFrame(m_pBar);
    CQVDockBar* pDockBar = nullptr;
    if (!pFrame) return nullptr;
    if (QVDockIsHorz(dwOverDockStyle))
        pFrame->CanDock(m_rectDragHorz, dwOverDockStyle, &pDockBar);
    else if (QVDockIsVert(dwOverDockStyle))
        pFrame->CanDock(m_rectDragVert, dwOverDockStyle, &pDockBar);
    return pDockBar;
}

void CQVDockContext::DrawFocusRect(BOOL bRemoveRect) {
    const CSize sizeFrame(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
    const QVDockOutline outline =
        QVDockCalcOutline(m_dwOverDockStyle, m_dwStyle, m_bFlip, DragRects(), sizeFrame, bRemoveRect);
    if (m_pDC && m_pDC->GetSafeHdc()) {
        CBrush* pWhite = CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        CBrush* pDither = CDC::GetHalftoneBrush();
        m_pDC->DrawDragRect(&outline.rect, outline.size, &m_rectLast, m_sizeLast,
                            outline.bDither ? pDither : pWhite, m_bDitherLast ? pDither : pWhite);
    }
    m_rectLast = outline.rect;
    m_sizeLast = outline.size;
    m_bDitherLast = outline.bDither ? TRUE : FALSE;
}

BOOL CQVDockContext::Track() {
    if (::GetCapture() != nullptr || !m_pBar->m_hWnd) {
        CancelLoop();
        return FALSE;
    }
    const CQVAliveToken alive = m_alive.Token();
    QVMouseLoopResult result;
    {
        CQVMouseLoop loop(m_pBar, alive);
        loop.SetMoveHandler([this](const CPoint&) {
            m_bDragging ? Move(MessagePoint()) : Stretch(MessagePoint());
            return QVML_CONTINUE;
        });
        loop.SetButtonUpHandler([](const CPoint&) { return QVML_END; });
        loop.SetKeyHandler([this](const MSG& msg) {
            if (m_bDragging) OnKey(static_cast<int>(msg.wParam), TRUE);
            return msg.wParam == VK_ESCAPE ? QVML_CANCEL : QVML_CONTINUE;
        });
        loop.SetMessageHandler([this](const MSG& msg) {
            if (msg.message == WM_KEYUP) {
                if (m_bDragging) OnKey(static_cast<int>(msg.wParam), FALSE);
                return QVML_CONTINUE;
            }
            return msg.message == WM_RBUTTONDOWN ? QVML_CANCEL : QVML_DISPATCH;
        });
        result = loop.Run();
    }
    if (!alive) return FALSE;  // deleted by a handler: its destructor ended the loop
    if (result == QVML_ENDED) {
        m_bDragging ? EndDrag() : EndResize();
        return TRUE;
    }
    CancelLoop();
    return FALSE;
}

void CQVDockContext::EndDrag() {
    CancelLoop();
    CSkinFrameWnd* pFrame = DockingFrame(m_pBar);
    if (!pFrame) return;
    if (m_dwOverDockStyle != 0) {
        CQVDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
        if (!pDockBar) return;
        CRect rect = QVDockIsVert(m_dwOverDockStyle) ? m_rectDragVert : m_rectDragHorz;
        const UINT nID = pDockBar->GetDlgCtrlID();
        if (nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM) {
            m_uMRUDockID = nID;
            m_rectMRUDockPos = rect;
            pDockBar->ScreenToClient(&m_rectMRUDockPos);
        }
        pFrame->DockControlBar(m_pBar, pDockBar, &rect);
        pFrame->RecalcLayout();
        return;
    }
    const QVDockFloatPlace place = QVDockCalcFloatPlace((m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) != 0,
                                                        m_dwStyle, m_dwDockStyle, m_bFlip, DragRects());
    m_dwMRUFloatStyle = place.dwStyle;
    m_ptMRUFloatPos = place.pt;
    pFrame->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
}

void CQVDockContext::ToggleDocking() {
    CSkinFrameWnd* pFrame = DockingFrame(m_pBar);
    if (!pFrame || !m_pBar->m_hWnd) return;
    if (m_pBar->IsFloating()) {
        if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY)) return;
        // Where the floating frame stands now is where the next toggle floats the bar again, also
        // when it was floated by the program rather than dragged.
        CRect rectFrame;
        if (CWnd* pFloatingFrame = m_pBar->m_pDockBar->GetParent()) {
            pFloatingFrame->GetWindowRect(&rectFrame);
            m_ptMRUFloatPos = rectFrame.TopLeft();
        }
        CRect rect = m_rectMRUDockPos;
        CQVDockBar* pDockBar = nullptr;
        if (m_uMRUDockID != 0) {
            pDockBar = DYNAMIC_DOWNCAST(CQVDockBar, pFrame->GetControlBar(m_uMRUDockID));
            if (pDockBar) pDockBar->ClientToScreen(&rect);
        }
        // Without a remembered edge the placeholder tells where the bar was; no rectangle then.
        pFrame->ReDockControlBar(m_pBar, pDockBar, pDockBar ? &rect : nullptr);
        pFrame->RecalcLayout();
        return;
    }
    // Only the mark says "never floated": a monitor left of or above the primary one has negative places.
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x == CW_USEDEFAULT) {
        pt = m_rectMRUDockPos.TopLeft();
        m_pBar->GetParent()->ClientToScreen(&pt);
    }
    pFrame->FloatControlBar(m_pBar, pt, m_dwMRUFloatStyle);
}

void CQVDockContext::StartResize(int nHitTest, CPoint pt) {
    // Only a dynamic-size bar answers for a length; a loop runs at most once at a time.
    if (!(m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) || !m_pBar->m_hWnd) return;
    if (m_bLocked || m_dcScreen.GetSafeHdc()) return;
    m_bDragging = FALSE;
    InitLoop();
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    m_nHitTest = nHitTest;
    const CSize size = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    SetResizeRects(QVDockStartResize(rect, size, FloatingFrameBorders(), BarBorder()));
    m_dwOverDockStyle = 0;
    Stretch(pt);
    Track();
}

void CQVDockContext::Stretch(CPoint pt) {
    QVDockResizeRects rects = ResizeRects();
    DWORD dwMode = 0;
    const int nLength = QVDockStretchRequest(rects, m_nHitTest, pt - m_ptLast, &dwMode);
    const CSize size = m_pBar->CalcDynamicLayout(nLength, dwMode);
    QVDockApplyStretch(rects, m_nHitTest, size, VirtualScreen());
    SetResizeRects(rects);
    m_ptLast = pt;
    DrawFocusRect(FALSE);
}

void CQVDockContext::EndResize() {
    CancelLoop();
    CSkinFrameWnd* pFrame = DockingFrame(m_pBar);
    if (!pFrame) return;
    m_pBar->CalcDynamicLayout(m_rectDragVert.Width(), LM_HORZ | LM_COMMIT);
    pFrame->FloatControlBar(m_pBar, m_rectFrameDragHorz.TopLeft(),
                            CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_SIZE_DYNAMIC);
}
