// The outlook bar's drawing: the double-buffered paint, headers, items, the hover and pressed frame,
// the current-selection marker, scroll arrows, the drop arrow, the clicked item's wiggle and the slide.
#include "QVOutBarCtrl.h"

#include <QVMemDC.h>
#include <QVSkinRes.h>

#include "QVOutBarShared.h"
#include "QVSelectScope.h"

#include <algorithm>

using namespace outbar;

namespace outbar {

namespace {

void DefaultSlideDelay(CQVOutBarCtrl*, CDC*, int nMilliseconds) {
    if (nMilliseconds > 0) ::Sleep(static_cast<DWORD>(nMilliseconds));
}

QVOUTBARSLIDEPROC s_pfnSlideDelay = &DefaultSlideDelay;

}  // namespace

int& LastHighlightPressed() {
    static int s_nPressed = 0;
    return s_nPressed;
}

void SetSlideDelay(QVOUTBARSLIDEPROC pfnDelay) {
    s_pfnSlideDelay = pfnDelay ? pfnDelay : &DefaultSlideDelay;
}

void SlideDelay(CQVOutBarCtrl* pBar, CDC* pDC, int nMilliseconds) {
    s_pfnSlideDelay(pBar, pDC, nMilliseconds);
}

}  // namespace outbar

CQVOutBarCtrl::CMeasureScope::CMeasureScope(CQVOutBarCtrl* pBar)
    : m_pBar(pBar), m_pPrevDC(pBar->m_pMeasureDC), m_pDC(NULL), m_pOldFont(NULL) {
    if (m_pPrevDC) return;
    m_pDC = new CClientDC(::IsWindow(pBar->m_hWnd) ? pBar : NULL);
    m_pOldFont = m_pDC->SelectObject(&pBar->m_font);
    pBar->m_pMeasureDC = m_pDC;
}

CQVOutBarCtrl::CMeasureScope::~CMeasureScope() {
    if (m_pDC == NULL) return;
    m_pBar->m_pMeasureDC = m_pPrevDC;
    m_pDC->SelectObject(m_pOldFont);
    delete m_pDC;
}

// ---- Full paint ------------------------------------------------------------------------------------

BOOL CQVOutBarCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVOutBarCtrl::OnPaint() {
    {
        CPaintDC dc(this);
        RefreshDefaultColors();
        const CRect rcClient = ClientRect();
        CWnd* pChild = GetFolderChild(m_nSelFolder);
        const BOOL bChild = ::IsWindow(pChild->GetSafeHwnd());
        // A visible child window of the open folder paints itself: the copy leaves it alone.
        if (bChild && pChild->IsWindowVisible() && ::IsChild(m_hWnd, pChild->GetSafeHwnd())) {
            CRect rcChild;
            pChild->GetWindowRect(rcChild);
            ScreenToClient(rcChild);
            dc.ExcludeClipRect(rcChild);
        }
        CMeasureScope measure(this);
        CQVMemDC memDC(&dc, rcClient, m_crBack);
        const int nSaved = memDC.SaveDC();
        CRect rcInside;
        GetInsideRect(rcInside);
        if (!bChild) memDC.FillSolidRect(rcInside, m_crBack);
        for (int i = 0; i < GetFolderCount(); ++i) {
            CRect rcFolder;
            if (!GetFolderRect(i, rcFolder)) continue;
            CRect rcVisible;
            if (!rcVisible.IntersectRect(rcFolder, rcClient)) continue;  // stacked out of the window
            DrawFolder(&memDC, i, rcFolder, FOLDER_NORMAL);
        }
        if (!bChild) {
            int nFirst = 0;
            int nLast = -1;
            GetVisibleRange(m_nSelFolder, nFirst, nLast);
            const int s = ::GetSystemMetrics(SM_CXVSCROLL);
            m_rcUpArrow.SetRect(rcInside.right - 5 - s, rcInside.top + 5, rcInside.right - 5,
                                rcInside.top + 5 + s);
            m_rcDownArrow.SetRect(rcInside.right - 5 - s, rcInside.bottom - 5 - s, rcInside.right - 5,
                                  rcInside.bottom - 5);
            m_bUpArrow = nFirst >= 1;
            if (m_bUpArrow) {
                DrawArrowButton(&memDC, m_rcUpArrow, TRUE, m_bUpPressed);
                memDC.ExcludeClipRect(m_rcUpArrow);
            }
            m_bDownArrow = nLast < GetItemCount() - 1;
            if (m_bDownArrow) {
                DrawArrowButton(&memDC, m_rcDownArrow, FALSE, m_bDownPressed);
                memDC.ExcludeClipRect(m_rcDownArrow);
            }
            PaintItems(&memDC, m_nSelFolder, rcInside);
        }
        memDC.RestoreDC(nSaved);
    }
    // The hot header and the hover item are drawn again over the fresh image; the item's redraw goes
    // through HighlightItem and so tells the owner again.
    if (m_nHoverFolder >= 0) {
        const int nFolder = m_nHoverFolder;
        m_nHoverFolder = -1;
        HighlightFolder(nFolder);
    }
    if (m_nHoverItem >= 0) {
        const int nItem = m_nHoverItem;
        m_nHoverItem = -1;
        HighlightItem(nItem, m_bItemPressed);
    }
}

void CQVOutBarCtrl::DrawArrowButton(CDC* pDC, const CRect& rc, BOOL bUp, BOOL bPushed) {
    CRect rcButton = rc;
    ::DrawFrameControl(pDC->GetSafeHdc(), &rcButton, DFC_SCROLL,
                       (bUp ? DFCS_SCROLLUP : DFCS_SCROLLDOWN) | (bPushed ? DFCS_PUSHED : 0));
}

void CQVOutBarCtrl::DrawFolder(CDC* pDC, int nIndex, CRect rect, FOLDER_HILIGHT nHighlight) {
    if (GetFolderCount() == 0 || !IsValidFolder(nIndex)) return;
    const int nSaved = pDC->SaveDC();
    pDC->SetTextColor(m_crFolderText);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SelectObject(&m_font);
    // The state is not the frame: pressed is the image's frame 2, hot its frame 1.
    const int nFrame = nHighlight == FOLDER_PRESSED ? 2 : nHighlight == FOLDER_HOT ? 1 : 0;
    const CQVBitmap& image = m_pOtherRes->m_bmpOutBarFolder;
    if (m_pOtherRes->m_nOutBarTransparent)
        image.TransparentDrawFill(pDC, rect, m_pOtherRes->m_clrOutBarKey, nFrame);
    else
        image.DrawFill(pDC, rect, nFrame);
    rect.DeflateRect(4, 0);
    CString strName = FolderAt(nIndex)->m_strName;
    pDC->DrawText(strName, rect, kFolderTextFormat);
    pDC->RestoreDC(nSaved);
}

void CQVOutBarCtrl::PaintItems(CDC* pDC, int nFolder, CRect rcInside) {
    CQVBarFolder* pFolder = FolderAt(nFolder);
    if (pFolder == NULL) return;
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rcInside);
    for (int j = std::max(m_nFirstItem, 0); j < pFolder->GetItemCount(); ++j) {
        CRect rcItem;
        GetItemRect(nFolder, j, rcItem);
        if (rcItem.top > rcInside.bottom) break;
        DrawItem(pDC, nFolder, rcItem, j, FALSE);
    }
    pDC->RestoreDC(nSaved);
}

void CQVOutBarCtrl::DrawItem(CDC* pDC, int nFolder, CRect rcItem, int nIndex, int bNoText) {
    if (GetFolderCount() == 0) return;
    CXTBarItem* pItem = GetBarFolderItem(nFolder, nIndex);
    if (pItem == NULL) return;
    CFont* pOldFont = pDC->SelectObject(&m_font);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    CRect rcInside;
    GetInsideRect(rcInside);

    const BOOL bMarker = m_bShowCurSel && nFolder == m_nCurSelFolder && nIndex == m_nCurSelItem;
    if (bMarker) {
        const CQVSelectScope tools = CQVSelectScope::SolidPenBrush(*pDC, kMarkerOutline, kMarkerFill);
        pDC->RoundRect(rcInside.left + 2, rcItem.top - 2, rcInside.right - 2, rcItem.bottom + 2, 5, 5);
    }
    if (m_bUpArrow) pDC->ExcludeClipRect(m_rcUpArrow);
    if (m_bDownArrow) pDC->ExcludeClipRect(m_rcDownArrow);
    const COLORREF clrOldText = pDC->SetTextColor(m_crItemText);

    // Without an image list a folder shows neither icons nor labels.
    const BOOL bSmall = IsSmallIconView(nFolder);
    CImageList* pList = GetFolderImageList(nFolder, bSmall);
    if (pList->GetSafeHandle()) {
        const CSize szImage = ImageSize(pList, pItem->m_nImageIndex);
        const int w = szImage.cx;
        const int h = szImage.cy;
        CString strName = pItem->m_strName;
        if (bSmall) {
            if (w > 0)
                pList->Draw(pDC, pItem->m_nImageIndex,
                            CPoint(rcItem.left + 2, rcItem.top + (rcItem.Height() - h) / 2), ILD_NORMAL);
            if (!bNoText) {
                CRect rcText = rcItem;
                rcText.left += w + m_szIconLabelGap.cx;
                pDC->DrawText(strName, rcText, kSmallLabelFormat);
            }
        } else {
            if (w > 0)
                pList->Draw(pDC, pItem->m_nImageIndex,
                            CPoint(rcItem.left + (rcItem.Width() - w) / 2, rcItem.top), ILD_NORMAL);
            if (!bNoText) {
                CRect rcText = rcItem;
                rcText.top += h + m_szIconLabelGap.cy;
                rcText.bottom += 4;
                pDC->DrawText(strName, rcText, kLargeLabelFormat);
            }
        }
    }

    if (!bMarker && (m_dwFlags & QVOB_KEEP_CLICKED) && m_nSelItem >= 0 && nIndex == m_nSelItem) {
        CRect rcIcon;
        GetIconRect(m_nSelFolder, m_nSelItem, rcIcon);
        rcIcon.InflateRect(1, 1);
        pDC->Draw3dRect(rcIcon, ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_BTNFACE));
    }
    pDC->SetTextColor(clrOldText);
    pDC->SetBkMode(nOldBkMode);
    pDC->SelectObject(pOldFont);
}

// ---- Direct feedback: hover, headers, wiggle, drop arrow -----------------------------------------------

void CQVOutBarCtrl::DrawIcon(CDC* pDC, int nIndex, int nFolder, bool bHighlight) {
    CXTBarItem* pItem = GetBarFolderItem(nFolder, nIndex);
    if (pItem == NULL) return;
    const BOOL bSmall = IsSmallIconView(nFolder);
    CRect rc;
    GetIconRect(nFolder, nIndex, rc);
    if (!bSmall) {
        rc.InflateRect(1, 1);
    } else {
        rc.left -= 1;
        rc.top -= 1;
    }
    pDC->FillSolidRect(rc, m_crBack);
    if (bHighlight) {
        const CQVSelectScope tools = CQVSelectScope::SolidPenBrush(
            *pDC, kHoverOutline, m_bHoverPressed ? kHoverPressedFill : kHoverFill);
        pDC->Rectangle(rc);
    }
    CImageList* pList = GetFolderImageList(nFolder, bSmall);
    const CSize szImage = ImageSize(pList, pItem->m_nImageIndex);
    if (szImage.cx <= 0) return;
    CRect rcItem;
    GetItemRect(nFolder, nIndex, rcItem);
    CRect rcHeader;
    if (GetFolderRect(nFolder, rcHeader)) {
        rcItem.left = rcHeader.left + 4;
        rcItem.right = rcHeader.right - 4;
    }
    const CPoint pt = bSmall ? CPoint(rcItem.left + 2, rcItem.top + (rcItem.Height() - szImage.cy) / 2)
                             : CPoint(rcItem.left + (rcItem.Width() - szImage.cx) / 2, rcItem.top);
    pList->Draw(pDC, pItem->m_nImageIndex, pt, ILD_NORMAL);
}

void CQVOutBarCtrl::HighlightFolder(int nIndex) {
    if (!::IsWindow(m_hWnd)) return;
    if (nIndex < 0) nIndex = -1;
    if (nIndex >= GetFolderCount()) return;
    const HWND hCapture = ::GetCapture();
    if (hCapture && hCapture != m_hWnd && ::IsChild(m_hWnd, hCapture)) return;
    if (nIndex == m_nHoverFolder) return;
    CClientDC dc(this);
    CRect rc;
    if (m_nHoverFolder >= 0 && GetFolderRect(m_nHoverFolder, rc))
        DrawFolder(&dc, m_nHoverFolder, rc, FOLDER_NORMAL);
    if (nIndex < 0) {
        if (m_nHoverFolder >= 0 && GetFolderRect(m_nHoverFolder, rc))
            DrawFolder(&dc, m_nHoverFolder, rc, FOLDER_NORMAL);
    } else if (GetFolderRect(nIndex, rc)) {
        DrawFolder(&dc, nIndex, rc, FOLDER_HOT);
    }
    m_nHoverFolder = nIndex;
}

void CQVOutBarCtrl::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kTimerHover) {
        CPoint pt = GetCurrentMessage()->pt;
        ScreenToClient(&pt);
        if (!ClientRect().PtInRect(pt)) {
            KillTimer(kTimerHover);
            const CQVAliveToken token = AliveToken();
            HighlightFolder(-1);
            HighlightItem(-1, FALSE);
            if (!StillAlive(token)) return;
        }
        return;
    }
    if (nIDEvent == kTimerWiggle) {
        if (m_nSelItem < 0) return;
        if (++m_nAnimFrame > 10) m_nAnimFrame = -1;
        switch (m_nAnimFrame) {
        case 0:
            DrawAnimItem(-1, 1, m_nSelItem);
            break;
        case 1:
        case 3:
            DrawAnimItem(0, 0, m_nSelItem);
            break;
        case 2:
            DrawAnimItem(1, 1, m_nSelItem);
            break;
        default:
            break;  // frames 4 to 10 and -1 rest
        }
        return;
    }
    CWnd::OnTimer(nIDEvent);
}

void CQVOutBarCtrl::DrawAnimItem(int nOffsetX, int nOffsetY, int nIndex) {
    if (GetFolderCount() == 0 || !::IsWindow(m_hWnd)) return;
    if (m_nFirstItem > m_nSelItem || !IsValidItem(m_nSelItem)) return;
    CMeasureScope measure(this);
    CRect rcItem;
    GetItemRect(m_nSelFolder, m_nSelItem, rcItem);
    CRect rcInside;
    GetInsideRect(rcInside);
    if (rcItem.top <= rcInside.top || rcItem.bottom >= rcInside.bottom) return;  // scrolled out or cut off
    const BOOL bSmall = IsSmallIconView(m_nSelFolder);
    CImageList* pList = GetFolderImageList(m_nSelFolder, bSmall);
    CXTBarItem* pItem = GetBarFolderItem(m_nSelFolder, nIndex);
    if (pList->GetSafeHandle() == NULL || pItem == NULL) return;
    const CSize szImage = ImageSize(pList, pItem->m_nImageIndex);
    const int w = szImage.cx;
    const int h = szImage.cy;
    const int x = bSmall ? rcItem.left + 2 : rcItem.left + (rcItem.Width() - w) / 2;
    const int y = bSmall ? rcItem.top + (rcItem.Height() - h) / 2 : rcItem.top;
    CClientDC dc(this);
    dc.FillSolidRect(CRect(x - 1, y - 1, x + w + 2, y + h + 2), m_crBack);
    if (w > 0) pList->Draw(&dc, pItem->m_nImageIndex, CPoint(x + nOffsetX, y + nOffsetY), ILD_NORMAL);
}

int CQVOutBarCtrl::GetDragItemRect(int nIndex, CRect& rect) {
    CRect rcInside;
    GetInsideRect(rcInside);
    rcInside.DeflateRect(2, 0);
    const int nCount = GetItemCount();
    CRect rcItem;
    GetItemRect(m_nSelFolder, nIndex < nCount ? nIndex : nIndex - 1, rcItem);
    const int y = nIndex < nCount ? rcItem.top - 4 : rcItem.bottom + 6;
    if (nIndex == 0) {
        rect.SetRect(rcInside.left, y + 2, rcInside.right, y + 7);
        return 0;
    }
    if (nIndex < nCount) {
        rect.SetRect(rcInside.left, y - 9, rcInside.right, y);
        if (IsSmallIconView(m_nSelFolder)) rect.OffsetRect(0, 8);
        return 1;
    }
    rect.SetRect(rcInside.left, y, rcInside.right, y + 5);
    return 2;
}

void CQVOutBarCtrl::DrawDragArrow(CDC* pDC, int /*nFrom*/, int nTo) {
    if (nTo == m_nDragTarget) return;
    if (m_nDragTarget >= 0 && ::IsWindow(m_hWnd)) {
        CRect rcOld;
        GetDragItemRect(m_nDragTarget, rcOld);
        switch (m_nDragArrowKind) {
        case 0:
            rcOld.bottom = rcOld.top + 5;
            break;
        case 1:
            rcOld.bottom = rcOld.top + 5;
            rcOld.top -= 4;
            break;
        case 2:
            rcOld.bottom = rcOld.top + 1;
            rcOld.top -= 4;
            break;
        default:
            break;
        }
        InvalidateRect(rcOld, TRUE);
        const CQVAliveToken token = AliveToken();
        UpdateWindow();  // the repaint tells the owner of the hover item again
        if (!StillAlive(token)) return;
    }
    m_nDragTarget = nTo;
    if (nTo < 0 || pDC == NULL) return;
    CRect rc;
    m_nDragArrowKind = GetDragItemRect(nTo, rc);
    CPen* pOldPen = pDC->SelectObject(&m_pen);
    const int y = rc.top;
    pDC->MoveTo(rc.left, y);
    pDC->LineTo(rc.right, y);
    // Arrowheads at both ends: below the line unless after the last item, above it unless before the
    // first, so the arrow points down at the first position, up after the last, both ways between.
    if (m_nDragArrowKind != 2) {
        for (int k = 1; k <= 4; ++k) {
            pDC->MoveTo(rc.left, y + k);
            pDC->LineTo(rc.left + 9 - 2 * k, y + k);
        }
        for (int k = 1; k <= 3; ++k) {
            pDC->MoveTo(rc.right - 1, y + k);
            pDC->LineTo(rc.right - 9 + 2 * k, y + k);
        }
    }
    if (m_nDragArrowKind != 0) {
        for (int k = 1; k <= 4; ++k) {
            pDC->MoveTo(rc.left, y - k);
            pDC->LineTo(rc.left + 9 - 2 * k, y - k);
            pDC->MoveTo(rc.right - 1, y - k);
            pDC->LineTo(rc.right - 9 + 2 * k, y - k);
        }
    }
    pDC->SelectObject(pOldPen);
}

// ---- Folder slide ----------------------------------------------------------------------------------

void CQVOutBarCtrl::DrawFolderContent(CDC* pDC, int nFolder, int nTop, const CRect& rcInside, int cx,
                                      int cy) {
    CQVBarFolder* pFolder = FolderAt(nFolder);
    if (pFolder == NULL) return;
    CWnd* pChild = pFolder->m_pChild;
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(0, nTop, cx, cy);
    if (::IsWindow(pChild->GetSafeHwnd())) {
        // A child window paints into the image through WM_PAINT with the DC in wParam (windows that
        // honour it, like the system's tree view); it must be shown to paint.
        const BOOL bVisible = pChild->IsWindowVisible();
        if (!bVisible) pChild->ShowWindow(SW_SHOWNA);
        pDC->SetViewportOrg(0, nTop);
        pChild->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), 0);
        pChild->SendMessage(WM_PAINT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), 0);
        if (!bVisible && ::IsWindow(pChild->GetSafeHwnd())) pChild->ShowWindow(SW_HIDE);
    } else {
        // The items are laid out in client coordinates: the inside rectangle's corner lands at (0, nTop).
        // A folder that is not the open one is drawn from its first item.
        pDC->SetViewportOrg(-rcInside.left, nTop - rcInside.top);
        const int nFirst = m_nFirstItem;
        if (nFolder != m_nSelFolder) m_nFirstItem = 0;
        PaintItems(pDC, nFolder, rcInside);
        m_nFirstItem = nFirst;
    }
    pDC->RestoreDC(nSaved);
}

void CQVOutBarCtrl::AnimateFolderScroll(int nFrom, int nTo) {
    if (GetFolderCount() == 0 || !IsValidFolder(nFrom) || !IsValidFolder(nTo) || !::IsWindow(m_hWnd)) return;
    CRect rcInside;
    GetInsideRect(rcInside);
    CRect rcTo;
    CRect rcFrom;
    GetFolderRect(nTo, rcTo);
    GetFolderRect(nFrom, rcFrom);
    const int cx = rcInside.Width();
    const int h = rcTo.Height();
    const int cy = rcInside.Height() + 2 * h;
    // Each frame moves by one header height: without a height there is nothing to step by.
    if (cx <= 0 || rcInside.Height() <= 0 || h <= 0) return;

    const CQVAliveToken token = AliveToken();
    CClientDC dc(this);
    CDC dcA;
    CDC dcB;
    CBitmap bmpA;
    CBitmap bmpB;
    if (!dcA.CreateCompatibleDC(&dc) || !dcB.CreateCompatibleDC(&dc) ||
        !bmpA.CreateCompatibleBitmap(&dc, cx, cy) || !bmpB.CreateCompatibleBitmap(&dc, cx, cy))
        return;
    CBitmap* pOldA = dcA.SelectObject(&bmpA);
    CBitmap* pOldB = dcB.SelectObject(&bmpB);
    {
        CMeasureScope measure(this);
        const CRect rcImage(0, 0, cx, cy);
        dcA.FillSolidRect(rcImage, m_crBack);
        dcB.FillSolidRect(rcImage, m_crBack);
        // Each folder's content is placed in its image where the frames show it at the screen
        // position it has before (the old folder) or after (the new one) the change: a header is
        // followed by its inside rectangle one pixel above its bottom.
        if (nFrom < nTo) {
            // A: the old content, copied from row h to just below the old header.
            dcA.Draw3dRect(rcImage, ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_BTNSHADOW));
            DrawFolderContent(&dcA, nFrom, rcInside.top + h - rcFrom.bottom - 1, rcInside, cx, cy);
            // B: the new header on top of its content.
            DrawFolder(&dcB, nTo, CRect(0, 0, cx, h), FOLDER_NORMAL);
            DrawFolderContent(&dcB, nTo, h - 1, rcInside, cx, cy);
        } else {
            // A: the old header on top of its content.
            DrawFolder(&dcA, nFrom, CRect(0, 0, cx, h), FOLDER_NORMAL);
            DrawFolderContent(&dcA, nFrom, h - 1, rcInside, cx, cy);
            // B: the new content, copied from row 2h to just below the old header's top; once open,
            // its inside rectangle starts one pixel above the bottom of header nTo.
            DrawFolderContent(&dcB, nTo, (nTo + 1) * h - 1 - (rcFrom.top + 1) + 2 * h, rcInside, cx, cy);
        }
    }
    if (StillAlive(token)) {
        if (nFrom < nTo) {
            // The new header rises from its place at the bottom, pulling its folder up over the old one.
            for (int y = rcTo.top - h; y > rcFrom.bottom; y -= h) {
                dc.BitBlt(rcInside.left, rcFrom.bottom + 1, cx, y - rcFrom.bottom - 1, &dcA, 0, h, SRCCOPY);
                dc.BitBlt(rcInside.left, y, cx, rcInside.bottom - y + h, &dcB, 0, 0, SRCCOPY);
                SlideDelay(this, &dc, m_nAnimationTickCount);
                if (!StillAlive(token)) break;
            }
        } else {
            // The old header sinks, uncovering the new folder above it.
            for (int y = rcFrom.top + 1; y < rcInside.bottom - h; y += h) {
                dc.BitBlt(rcInside.left, rcFrom.top + 1, cx, y - rcFrom.top - 1, &dcB, 0, 2 * h, SRCCOPY);
                dc.BitBlt(rcInside.left, y, cx, rcInside.bottom - y, &dcA, 0, 0, SRCCOPY);
                SlideDelay(this, &dc, m_nAnimationTickCount);
                if (!StillAlive(token)) break;
            }
        }
    }
    dcA.SelectObject(pOldA);
    dcB.SelectObject(pOldB);
}
