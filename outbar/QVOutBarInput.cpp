// The outlook bar's input: hit testing, hover, the three mouse loops of a left press (header, item with
// drag and drop, scroll arrow), the right click, the cursor and in-place renaming.
#include "QVOutBarCtrl.h"

#include "QVMouseLoop.h"
#include "QVOutBarShared.h"
#include "XTEditItem.h"

#include <algorithm>

using namespace outbar;

namespace {

// The header and arrow loops pass Escape on to the focused window and drop other keys.
QVMouseLoopStep EscapeOnly(const MSG& msg) {
    return msg.wParam == VK_ESCAPE ? QVML_DISPATCH : QVML_CONTINUE;
}

}  // namespace

// ---- Hit testing and hover -------------------------------------------------------------------------

int CQVOutBarCtrl::HitTestEx(const CPoint& point, int& nIndex) {
    if (GetFolderCount() == 0) return QVOB_HIT_NOTHING;
    const int nArrow = OutBarArrowHit(point, m_bUpArrow, m_rcUpArrow, m_bDownArrow, m_rcDownArrow);
    if (nArrow != QVOB_HIT_NOTHING) return nArrow;
    const int nFolder =
        OutBarFolderHit(point, GetFolderCount(), [this](int i, CRect& rc) { return GetFolderRect(i, rc); });
    if (nFolder >= 0) {
        nIndex = nFolder;
        return QVOB_HIT_FOLDER;
    }
    CRect rcInside;
    GetInsideRect(rcInside);
    CMeasureScope measure(this);
    const int nSel = m_nSelFolder;
    auto rectOf = [this, nSel](void (CQVOutBarCtrl::*pfnRect)(int, int, CRect&)) {
        return [this, nSel, pfnRect](int j) {
            CRect rc;
            (this->*pfnRect)(nSel, j, rc);
            return rc;
        };
    };
    const int nItem =
        OutBarItemHit(point, m_nFirstItem, GetItemCount(), rcInside.bottom, IsSmallIconView(nSel), Metrics(),
                      rectOf(&CQVOutBarCtrl::GetIconRect), rectOf(&CQVOutBarCtrl::GetLabelRect),
                      rectOf(&CQVOutBarCtrl::GetItemRect));
    if (nItem < 0) return QVOB_HIT_NOTHING;
    nIndex = nItem;
    return QVOB_HIT_ITEM;
}

void CQVOutBarCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    int nIndex = -1;
    const int nHit = HitTestEx(point, nIndex);
    const CQVAliveToken token = AliveToken();
    if (nHit != QVOB_HIT_FOLDER && m_nHoverFolder >= 0) HighlightFolder(-1);
    if (nHit != QVOB_HIT_ITEM && m_nHoverItem >= 0) {
        HighlightItem(-1, FALSE);
        if (!StillAlive(token)) return;
    }
    if (nHit == QVOB_HIT_FOLDER) {
        HighlightFolder(nIndex);
        SetTimer(kTimerHover, 100, NULL);
    } else if (nHit == QVOB_HIT_ITEM) {
        HighlightItem(nIndex, FALSE);
        if (!StillAlive(token)) return;
        SetTimer(kTimerHover, 100, NULL);
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CQVOutBarCtrl::HighlightItem(int nIndex, int bPressed) {
    if (!::IsWindow(m_hWnd)) return;
    if (nIndex < 0) nIndex = -1;
    if (nIndex >= GetItemCount()) return;
    if (m_bShowCurSel && nIndex >= 0 && nIndex == m_nCurSelItem && m_nCurSelFolder == m_nSelFolder) return;
    const HWND hCapture = ::GetCapture();
    if (hCapture && hCapture != m_hWnd && ::IsChild(m_hWnd, hCapture)) return;
    int& nLastPressed = LastHighlightPressed();
    if (nIndex == m_nHoverItem && bPressed == nLastPressed) return;
    m_bHoverPressed = FALSE;
    nLastPressed = bPressed;
    const CString strText = GetItemText(nIndex);
    const CQVAliveToken token = AliveToken();
    if (Notify(OUTBAR_ITEM_HOVERED, nIndex, strText, false) != 1 || !StillAlive(token)) return;
    if (nIndex >= GetItemCount()) return;  // the owner removed items meanwhile

    CMeasureScope measure(this);
    CClientDC dc(this);
    CRect rcInside;
    GetInsideRect(rcInside);
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(rcInside);
    dc.SelectClipRgn(&rgnClip);
    if (m_bUpArrow) dc.ExcludeClipRect(m_rcUpArrow);
    if (m_bDownArrow) dc.ExcludeClipRect(m_rcDownArrow);
    if (IsValidItem(m_nHoverItem)) DrawIcon(&dc, m_nHoverItem, m_nSelFolder, false);
    // The clicked item keeps its own look (wiggle or frame) and takes no hover frame.
    const BOOL bClicked =
        nIndex == m_nSelItem && (m_nAnimSelHighlight >= 1 || (m_dwFlags & QVOB_KEEP_CLICKED));
    if (bClicked) {
        m_nHoverItem = -1;
    } else {
        m_nHoverItem = nIndex;
        m_bHoverPressed = bPressed;
        if (IsValidItem(nIndex)) DrawIcon(&dc, nIndex, m_nSelFolder, true);
    }
}

BOOL CQVOutBarCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (pWnd == this) {
        CPoint pt = GetCurrentMessage()->pt;
        ScreenToClient(&pt);
        int nIndex = -1;
        if (HitTestEx(pt, nIndex) == QVOB_HIT_FOLDER) return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

// ---- Left press ------------------------------------------------------------------------------------

void CQVOutBarCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    const CQVAliveToken token = AliveToken();
    if (::GetFocus() != m_hWnd) {
        SetFocus();  // an open editor commits its rename here
        if (!StillAlive(token)) return;
    }
    int nIndex = -1;
    const int nHit = HitTestEx(point, nIndex);
    m_nDragArrowKind = -1;
    CRect rcInside;
    GetInsideRect(rcInside);
    switch (nHit) {
    case QVOB_HIT_FOLDER:
        if (::GetCapture() == NULL) TrackFolderPress(nIndex);
        break;
    case QVOB_HIT_ITEM:
        m_nDragTarget = -1;
        TrackItemPress(nIndex, rcInside);
        break;
    case QVOB_HIT_UP_ARROW:
    case QVOB_HIT_DOWN_ARROW:
        TrackArrowPress(nHit, rcInside);
        break;
    default:
        break;
    }
    if (!StillAlive(token)) return;
    if (nHit != QVOB_HIT_FOLDER) m_nPressedFolder = -1;
    if (nHit != QVOB_HIT_ITEM) m_nHoverItem = -1;
    CWnd::OnLButtonDown(nFlags, point);
}

void CQVOutBarCtrl::TrackFolderPress(int nFolder) {
    const CQVAliveToken token = AliveToken();
    CQVMouseLoop loop(this, token);
    m_nPressedFolder = nFolder;
    auto drawHeader = [this, nFolder](FOLDER_HILIGHT nState) {
        CRect rc;
        if (!GetFolderRect(nFolder, rc)) return;
        CClientDC dc(this);
        DrawFolder(&dc, nFolder, rc, nState);
    };
    BOOL bPressed = TRUE;
    drawHeader(FOLDER_PRESSED);
    loop.SetKeyHandler(&EscapeOnly);
    loop.SetMoveHandler([&](const CPoint& pt) {
        int nIndex = -1;
        const BOOL bOver = HitTestEx(pt, nIndex) == QVOB_HIT_FOLDER && nIndex == nFolder;
        if (bOver != bPressed) {
            bPressed = bOver;
            drawHeader(bOver ? FOLDER_PRESSED : FOLDER_NORMAL);
        }
        return QVML_CONTINUE;
    });
    loop.SetButtonUpHandler([&](const CPoint& pt) {
        ::ReleaseCapture();
        if (bPressed) {
            bPressed = FALSE;
            drawHeader(FOLDER_NORMAL);
        }
        int nIndex = -1;
        if (HitTestEx(pt, nIndex) == QVOB_HIT_FOLDER && nIndex != m_nSelFolder) SetSelFolder(nIndex);
        return QVML_END;
    });
    if (loop.Run() == QVML_DESTROYED || !StillAlive(token)) return;
    if (bPressed) {
        CRect rc;
        if (GetFolderRect(nFolder, rc)) InvalidateRect(rc, FALSE);
    }
}

BOOL CQVOutBarCtrl::IsBelowLastItem(const CPoint& point, const CRect& rcInside) {
    const int nCount = GetItemCount();
    // The last item's rectangle is asked for only when the cheap tests leave the answer open.
    if (nCount == 0 || point.y >= rcInside.bottom || LastItemBelowInside(rcInside)) return FALSE;
    CRect rcLast;
    GetItemRect(m_nSelFolder, nCount - 1, rcLast);
    return OutBarBelowLastItem(point, nCount, rcInside.bottom, FALSE, rcLast);
}

void CQVOutBarCtrl::TrackItemPress(int nItem, const CRect& rcInside) {
    if (::GetCapture() != NULL) return;
    const CQVAliveToken token = AliveToken();
    BOOL bPressed = TRUE;
    BOOL bDragging = FALSE;
    const HCURSOR hCursor = ::GetCursor();
    CQVMouseLoop loop(this, token);
    HighlightItem(nItem, TRUE);
    if (!StillAlive(token)) return;
    loop.SetMessageHandler([hCursor](const MSG& msg) {
        if (msg.message != WM_SETCURSOR) return QVML_DISPATCH;
        ::SetCursor(hCursor);
        return QVML_CONTINUE;
    });
    loop.SetKeyHandler([](const MSG&) { return QVML_DISPATCH; });
    loop.SetMoveHandler([&](const CPoint& pt) {
        ItemPressMove(nItem, pt, rcInside, bPressed, bDragging);
        return QVML_CONTINUE;
    });
    loop.SetButtonUpHandler([&](const CPoint& pt) {
        ItemPressRelease(nItem, pt, rcInside, bPressed, bDragging);
        return QVML_END;
    });
    if (loop.Run() == QVML_DESTROYED || !StillAlive(token)) return;
    if (bDragging) {
        m_nDragTarget = -1;
        Invalidate(TRUE);
    }
    m_bItemPressed = FALSE;
    if (bPressed) {
        CRect rc;
        GetItemRect(m_nSelFolder, nItem, rc);
        InvalidateRect(rc, FALSE);
    }
}

int CQVOutBarCtrl::DropTargetAt(const CPoint& pt, const CRect& rcInside, int nHit, int nIndex) {
    if (nHit == QVOB_HIT_ITEM) return nIndex;
    return IsBelowLastItem(pt, rcInside) ? GetItemCount() : -1;
}

void CQVOutBarCtrl::ItemPressMove(int nItem, const CPoint& pt, const CRect& rcInside, BOOL& bPressed,
                                  BOOL& bDragging) {
    int nIndex = -1;
    const int nHit = HitTestEx(pt, nIndex);
    if (bDragging) {
        CClientDC dc(this);
        DrawDragArrow(&dc, nItem, DropTargetAt(pt, rcInside, nHit, nIndex));
    } else if (nHit == QVOB_HIT_ITEM) {
        // Over the pressed item it shows pressed, over another item released.
        const BOOL bOver = nIndex == nItem;
        if (bOver != bPressed) {
            HighlightItem(nItem, bOver);
            m_bItemPressed = bOver;
            bPressed = bOver;
        }
    } else if (m_dwFlags & QVOB_DRAG_ITEMS) {
        // The drag starts only once the pointer has left every item.
        const CQVAliveToken token = AliveToken();
        HighlightItem(nItem, TRUE);
        if (!StillAlive(token)) return;
        const CString strText = GetItemText(nItem);
        Notify(OUTBAR_ITEM_DRAG_STARTED, nItem, strText, false);
        if (!StillAlive(token)) return;  // the host may destroy the bar when the drag starts
        m_bItemPressed = TRUE;
        bPressed = TRUE;
        bDragging = TRUE;
    }
}

void CQVOutBarCtrl::ItemPressRelease(int nItem, const CPoint& pt, const CRect& rcInside, BOOL bPressed,
                                     BOOL bDragging) {
    ::ReleaseCapture();
    if (bPressed) {
        const CQVAliveToken token = AliveToken();
        HighlightItem(-1, FALSE);
        if (!StillAlive(token)) return;
    }
    int nIndex = -1;
    const int nHit = HitTestEx(pt, nIndex);
    if (!bDragging) {
        if (nHit == QVOB_HIT_ITEM && nIndex == nItem) EndItemClick(nItem);
    } else if (nHit == QVOB_HIT_ITEM) {
        if (nIndex != nItem) DropItem(nItem, nIndex, FALSE);
    } else if (IsBelowLastItem(pt, rcInside)) {
        DropItem(nItem, GetItemCount(), TRUE);
    }
}

void CQVOutBarCtrl::DropItem(int nItem, int nTo, BOOL bEnd) {
    const CQVAliveToken token = AliveToken();
    const CString strText = GetItemText(nItem);
    if (Notify(OUTBAR_ITEM_MOVED, bEnd ? nTo : nItem, strText, false, nItem, nTo) != 1 || !StillAlive(token))
        return;
    if (!IsValidItem(nItem) || (!bEnd && !IsValidItem(nTo))) return;
    CancelEdit();
    CQVBarFolder* pFolder = FolderAt(m_nSelFolder);
    CXTBarItem* pMoved = pFolder->RemoveItemAt(nItem);
    // Before item nTo as counted before the removal: moving down lands one higher.
    pFolder->InsertItemAt(bEnd ? -1 : nTo > nItem ? nTo - 1 : nTo, pMoved);
}

void CQVOutBarCtrl::EndItemClick(int nItem) {
    const CQVAliveToken token = AliveToken();
    const CString strText = GetItemText(nItem);
    if (Notify(OUTBAR_ITEM_CLICKED, nItem, strText, false) != 1 || !StillAlive(token)) return;
    if (!IsValidItem(nItem)) return;
    const int nOld = m_nSelItem;
    if (m_nAnimSelHighlight >= 1 && nItem != nOld && IsValidItem(nOld)) DrawAnimItem(0, 0, nOld);
    CRect rcIcon;
    if ((m_dwFlags & QVOB_KEEP_CLICKED) && IsValidItem(nOld)) {
        GetIconRect(m_nSelFolder, nOld, rcIcon);
        rcIcon.InflateRect(1, 1);
        InvalidateRect(rcIcon, TRUE);
    }
    m_nSelItem = nItem;
    if (m_bShowCurSel && !(m_nCurSelFolder == m_nSelFolder && m_nCurSelItem == nItem))
        SetCurSelected(m_nSelFolder, nItem);
    if (m_dwFlags & QVOB_KEEP_CLICKED) {
        GetIconRect(m_nSelFolder, nItem, rcIcon);
        rcIcon.InflateRect(1, 1);
        InvalidateRect(rcIcon, TRUE);
    }
}

void CQVOutBarCtrl::ScrollOneStep(BOOL bUp, BOOL& bEnd) {
    CRect rcInside;
    GetInsideRect(rcInside);
    if (bUp) {
        if (m_nFirstItem < 1) {
            bEnd = TRUE;
            return;
        }
        --m_nFirstItem;
    } else {
        if (!LastItemBelowInside(rcInside)) {
            bEnd = TRUE;
            return;
        }
        ++m_nFirstItem;
    }
    InvalidateRect(rcInside, TRUE);
}

void CQVOutBarCtrl::TrackArrowPress(int nHit, const CRect& rcInside) {
    const BOOL bUp = nHit == QVOB_HIT_UP_ARROW;
    m_bScrolling = TRUE;
    if (::GetCapture() == NULL) {
        if (!RunArrowLoop(bUp)) return;
        KillTimer(kTimerScroll);
    }
    m_bScrolling = FALSE;
    (bUp ? m_bUpPressed : m_bDownPressed) = FALSE;
    (bUp ? m_bUpArrow : m_bDownArrow) = FALSE;
    InvalidateRect(rcInside, TRUE);
}

BOOL CQVOutBarCtrl::RunArrowLoop(BOOL bUp) {
    BOOL& bShown = bUp ? m_bUpArrow : m_bDownArrow;
    BOOL& bArrowPressed = bUp ? m_bUpPressed : m_bDownPressed;
    const CRect rcArrow = bUp ? m_rcUpArrow : m_rcDownArrow;
    const CQVAliveToken token = AliveToken();
    CQVMouseLoop loop(this, token);
    auto drawArrow = [this, &rcArrow, bUp](BOOL bPushed) {
        CClientDC dc(this);
        DrawArrowButton(&dc, rcArrow, bUp, bPushed);
    };
    bArrowPressed = TRUE;
    BOOL bPushed = TRUE;
    drawArrow(TRUE);
    SetTimer(kTimerScroll, 300, NULL);
    loop.SetKeyHandler(&EscapeOnly);
    loop.SetMoveHandler([&](const CPoint& pt) {
        const BOOL bOver = rcArrow.PtInRect(pt);
        if (bOver != bPushed) {
            bPushed = bOver;
            bShown = bOver;
            bArrowPressed = bOver;
            drawArrow(bOver);
        }
        return QVML_CONTINUE;
    });
    loop.SetMessageHandler([&](const MSG& msg) {
        if (msg.message != WM_TIMER || msg.hwnd != m_hWnd || msg.wParam != kTimerScroll) return QVML_DISPATCH;
        return bPushed && ArrowTick(bUp, rcArrow, msg.pt) ? QVML_END : QVML_CONTINUE;
    });
    loop.SetButtonUpHandler([&](const CPoint& pt) {
        ::ReleaseCapture();
        drawArrow(FALSE);
        bShown = FALSE;
        BOOL bEnd = FALSE;
        if (rcArrow.PtInRect(pt)) ScrollOneStep(bUp, bEnd);
        return QVML_END;
    });
    return loop.Run() != QVML_DESTROYED && StillAlive(token);
}

BOOL CQVOutBarCtrl::ArrowTick(BOOL bUp, const CRect& rcArrow, CPoint ptScreen) {
    // Where the cursor was when the tick was taken from the queue.
    ScreenToClient(&ptScreen);
    BOOL& bArrowPressed = bUp ? m_bUpPressed : m_bDownPressed;
    bArrowPressed = rcArrow.PtInRect(ptScreen);
    BOOL bEnd = FALSE;
    if (bArrowPressed) ScrollOneStep(bUp, bEnd);
    return bEnd;
}

// ---- Right click -----------------------------------------------------------------------------------

void CQVOutBarCtrl::OnRButtonUp(UINT nFlags, CPoint point) {
    int nIndex = -1;
    const int nHit = HitTestEx(point, nIndex);
    const CQVAliveToken token = AliveToken();
    if (nHit == QVOB_HIT_ITEM) {
        SetContextTarget(QVOB_HIT_ITEM, nIndex);
        Notify(OUTBAR_RIGHT_CLICKED, nIndex, NULL, false, 0, 0);
    } else if (nHit == QVOB_HIT_FOLDER) {
        SetContextTarget(QVOB_HIT_FOLDER, nIndex);
        Notify(OUTBAR_RIGHT_CLICKED, nIndex, NULL, true, 0, 0);
    } else {
        SetContextTarget(QVOB_HIT_FOLDER, -1);
        Notify(OUTBAR_RIGHT_CLICKED, -1, NULL, true, 0, 0);
    }
    if (!StillAlive(token)) return;
    CWnd::OnRButtonUp(nFlags, point);
}

// ---- In-place rename -------------------------------------------------------------------------------

namespace {

// Makes the editor; FALSE (and nothing left behind) when the window cannot be made.
CXTEditItem* MakeEditor(CQVOutBarCtrl* pBar, const CRect& rc, DWORD dwStyle, int nIndex, int nCode,
                        BOOL bSingleLine) {
    CXTEditItem* pEdit = new CXTEditItem;
    pEdit->m_nEditIndex = nIndex;
    pEdit->m_nEditCode = nCode;
    pEdit->m_bSingleLine = bSingleLine;
    const CQVAliveToken alive = pEdit->AliveToken();
    if (!pEdit->Create(dwStyle, rc, pBar, 1)) {
        if (alive) delete pEdit;  // a window that was made and failed deleted its object already
        return NULL;
    }
    return pEdit;
}

}  // namespace

void CQVOutBarCtrl::StartGroupEdit(int nIndex) {
    if (GetFolderCount() == 0 || !IsValidFolder(nIndex) || !::IsWindow(m_hWnd)) return;
    CRect rc;
    GetFolderRect(nIndex, rc);
    rc.DeflateRect(2, 2);
    CXTEditItem* pEdit = MakeEditor(this, rc, WS_CHILD | WS_VISIBLE | ES_CENTER | ES_MULTILINE, nIndex,
                                    OUTBAR_FOLDER_LABEL_EDITED, FALSE);
    if (pEdit == NULL) return;
    m_hWndEdit = pEdit->m_hWnd;
    pEdit->ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    pEdit->SetWindowText(FolderAt(nIndex)->m_strName);
    pEdit->SetFocus();
    if (::IsWindow(m_hWndEdit)) pEdit->SetSel(0, -1);
}

void CQVOutBarCtrl::StartItemEdit(int nIndex) {
    if (!IsValidItem(nIndex) || !::IsWindow(m_hWnd)) return;
    CRect rc;
    GetLabelRect(m_nSelFolder, nIndex, rc);
    CRect rcInside;
    GetInsideRect(rcInside);
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
    BOOL bSingleLine = FALSE;
    if (!IsSmallIconView(m_nSelFolder)) {
        rc.left = rcInside.left + 5;
        rc.right = rcInside.right - 5;
        rc.bottom += 5;
        dwStyle |= ES_CENTER | ES_MULTILINE;
    } else {
        dwStyle |= ES_AUTOHSCROLL;
        rc.OffsetRect(GetItemSize(m_nSelFolder, nIndex, 1).cx + 1, -6);
        bSingleLine = TRUE;
    }
    CXTEditItem* pEdit = MakeEditor(this, rc, dwStyle, nIndex, OUTBAR_ITEM_LABEL_EDITED, bSingleLine);
    if (pEdit == NULL) return;
    m_hWndEdit = pEdit->m_hWnd;
    pEdit->SetWindowText(GetItemText(nIndex));
    pEdit->SetFocus();
    if (::IsWindow(m_hWndEdit)) pEdit->SetSel(0, -1);
}

LRESULT CQVOutBarCtrl::OnEditEnded(WPARAM wParam, LPARAM lParam) {
    // Only an editor of this bar reports here (an earlier one may end while the next one takes the
    // focus); its record is read before the owner hears of it.
    CXTEditItem* pEdit = NULL;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        if (pChild != NULL && reinterpret_cast<LPARAM>(pChild) == lParam)
            pEdit = DYNAMIC_DOWNCAST(CXTEditItem, pChild);
    }
    if (pEdit == NULL) return 0;
    const int nIndex = pEdit->m_nEditIndex;
    const CString strText = pEdit->m_strEditText;
    const CQVAliveToken token = AliveToken();
    if (static_cast<int>(wParam) == OUTBAR_FOLDER_LABEL_EDITED) {
        if (!IsValidFolder(nIndex)) return 0;
        if (Notify(OUTBAR_FOLDER_LABEL_EDITED, nIndex, strText, true) != 1 || !StillAlive(token)) return 0;
        if (!IsValidFolder(nIndex)) return 0;
        SetFolderText(nIndex, strText);
        CRect rc;
        if (GetFolderRect(nIndex, rc)) InvalidateRect(rc, FALSE);
    } else if (static_cast<int>(wParam) == OUTBAR_ITEM_LABEL_EDITED) {
        if (!IsValidItem(nIndex)) return 0;
        if (Notify(OUTBAR_ITEM_LABEL_EDITED, nIndex, strText, false) != 1 || !StillAlive(token)) return 0;
        if (!IsValidItem(nIndex)) return 0;
        SetItemText(nIndex, strText);
        CRect rcInside;
        GetInsideRect(rcInside);
        InvalidateRect(rcInside, TRUE);
    }
    return 0;
}

void CQVOutBarCtrl::CancelEdit() {
    const HWND hEdit = m_hWndEdit;
    m_hWndEdit = NULL;
    if (!::IsWindow(hEdit)) return;
    if (CXTEditItem* pEdit = DYNAMIC_DOWNCAST(CXTEditItem, CWnd::FromHandlePermanent(hEdit)))
        pEdit->m_bEscape = TRUE;
    ::DestroyWindow(hEdit);
}
