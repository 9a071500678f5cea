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

// ---- Full paint ------------------------------------------------------------------------------------

BOOL CQVOutBarCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVOutBarCtrl::OnPaint() {
    {
        CPaintDC dc(this);
        RefreshDefaultColors();
        const CRect rcClient = ClientRect();
        const BOOL bChild = ExcludeFolderChild(&dc);
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
        if (!bChild) PaintScrollAndItems(&memDC, rcInside);
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

BOOL CQVOutBarCtrl::ExcludeFolderChild(CDC* pDC) {
    CWnd* pChild = GetFolderChild(m_nSelFolder);
    const BOOL bChild = ::IsWindow(pChild->GetSafeHwnd());
    // A visible child window of the open folder paints itself: the copy leaves it alone.
    if (bChild && pChild->IsWindowVisible() && ::IsChild(m_hWnd, pChild->GetSafeHwnd())) {
        CRect rcChild;
        pChild->GetWindowRect(rcChild);
        ScreenToClient(rcChild);
        pDC->ExcludeClipRect(rcChild);
    }
    return bChild;
}

void CQVOutBarCtrl::PaintScrollAndItems(CDC* pDC, const CRect& rcInside) {
    int nFirst = 0;
    int nLast = -1;
    GetVisibleRange(m_nSelFolder, nFirst, nLast);
    const int s = ::GetSystemMetrics(SM_CXVSCROLL);
    m_rcUpArrow = OutBarArrowRect(rcInside, s, TRUE);
    m_rcDownArrow = OutBarArrowRect(rcInside, s, FALSE);
    m_bUpArrow = OutBarCanScrollUp(nFirst);
    if (m_bUpArrow) {
        DrawArrowButton(pDC, m_rcUpArrow, TRUE, m_bUpPressed);
        pDC->ExcludeClipRect(m_rcUpArrow);
    }
    m_bDownArrow = OutBarCanScrollDown(nLast, GetItemCount());
    if (m_bDownArrow) {
        DrawArrowButton(pDC, m_rcDownArrow, FALSE, m_bDownPressed);
        pDC->ExcludeClipRect(m_rcDownArrow);
    }
    PaintItems(pDC, m_nSelFolder, rcInside);
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
    const CQVSelectScope font(pDC, m_font.GetSafeHandle());
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
    DrawItemImageAndLabel(pDC, nFolder, rcItem, pItem, bNoText);
    if (!bMarker && (m_dwFlags & QVOB_KEEP_CLICKED) && m_nSelItem >= 0 && nIndex == m_nSelItem) {
        CRect rcIcon;
        GetIconRect(m_nSelFolder, m_nSelItem, rcIcon);
        rcIcon.InflateRect(1, 1);
        pDC->Draw3dRect(rcIcon, ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_BTNFACE));
    }
    pDC->SetTextColor(clrOldText);
    pDC->SetBkMode(nOldBkMode);
}

void CQVOutBarCtrl::DrawItemImageAndLabel(CDC* pDC, int nFolder, const CRect& rcItem, CXTBarItem* pItem,
                                          int bNoText) {
    // Without an image list a folder shows neither icons nor labels.
    const BOOL bSmall = IsSmallIconView(nFolder);
    CImageList* pList = GetFolderImageList(nFolder, bSmall);
    if (pList->GetSafeHandle() == NULL) return;
    const CSize szImage = ImageSize(pList, pItem->m_nImageIndex);
    const int w = szImage.cx;
    const int h = szImage.cy;
    CString strName = pItem->m_strName;
    if (bSmall) {
        if (w > 0)
            pList->Draw(pDC, pItem->m_nImageIndex,
                        CPoint(rcItem.left + 2, rcItem.top + (rcItem.Height() - h) / 2), ILD_NORMAL);
        if (bNoText) return;
        CRect rcText = rcItem;
        rcText.left += w + m_szIconLabelGap.cx;
        pDC->DrawText(strName, rcText, kSmallLabelFormat);
    } else {
        if (w > 0)
            pList->Draw(pDC, pItem->m_nImageIndex, CPoint(rcItem.left + (rcItem.Width() - w) / 2, rcItem.top),
                        ILD_NORMAL);
        if (bNoText) return;
        CRect rcText = rcItem;
        rcText.top += h + m_szIconLabelGap.cy;
        rcText.bottom += 4;
        pDC->DrawText(strName, rcText, kLargeLabelFormat);
    }
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
    const int nCount = GetItemCount();
    CRect rcItem;
    GetItemRect(m_nSelFolder, nIndex < nCount ? nIndex : nIndex - 1, rcItem);
    return OutBarDragRect(rcInside, rcItem, nIndex, nCount, IsSmallIconView(m_nSelFolder), rect);
}

void CQVOutBarCtrl::DrawDragArrow(CDC* pDC, int /*nFrom*/, int nTo) {
    if (nTo == m_nDragTarget) return;
    if (m_nDragTarget >= 0 && ::IsWindow(m_hWnd)) {
        CRect rcOld;
        GetDragItemRect(m_nDragTarget, rcOld);
        InvalidateRect(OutBarDragEraseRect(rcOld, m_nDragArrowKind), TRUE);
        const CQVAliveToken token = AliveToken();
        UpdateWindow();  // the repaint tells the owner of the hover item again
        if (!StillAlive(token)) return;
    }
    m_nDragTarget = nTo;
    if (nTo < 0 || pDC == NULL) return;
    CRect rc;
    m_nDragArrowKind = GetDragItemRect(nTo, rc);
    const CQVSelectScope pen(pDC, m_pen.GetSafeHandle());
    DrawArrowLines(pDC, rc, m_nDragArrowKind);
}

void CQVOutBarCtrl::DrawArrowLines(CDC* pDC, const CRect& rc, int nKind) {
    const int y = rc.top;
    pDC->MoveTo(rc.left, y);
    pDC->LineTo(rc.right, y);
    // Arrowheads at both ends: below the line unless after the last item, above it unless before the
    // first, so the arrow points down at the first position, up after the last, both ways between.
    if (nKind != 2) {
        for (int k = 1; k <= 4; ++k) {
            pDC->MoveTo(rc.left, y + k);
            pDC->LineTo(rc.left + 9 - 2 * k, y + k);
        }
        for (int k = 1; k <= 3; ++k) {
            pDC->MoveTo(rc.right - 1, y + k);
            pDC->LineTo(rc.right - 9 + 2 * k, y + k);
        }
    }
    if (nKind != 0) {
        for (int k = 1; k <= 4; ++k) {
            pDC->MoveTo(rc.left, y - k);
            pDC->LineTo(rc.left + 9 - 2 * k, y - k);
            pDC->MoveTo(rc.right - 1, y - k);
            pDC->LineTo(rc.right - 9 + 2 * k, y - k);
        }
    }
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
    const CQVSelectScope imageA(&dcA, bmpA.GetSafeHandle());
    const CQVSelectScope imageB(&dcB, bmpB.GetSafeHandle());
    RenderSlideImages(&dcA, &dcB, nFrom, nTo, rcInside, rcFrom, CSize(cx, cy), h);
    if (StillAlive(token)) SlideFrames(&dc, &dcA, &dcB, nFrom < nTo, rcInside, rcFrom, rcTo);
}

void CQVOutBarCtrl::SlideFrames(CDC* pDC, CDC* pA, CDC* pB, BOOL bDown, const CRect& rcInside,
                                const CRect& rcFrom, const CRect& rcTo) {
    const CQVAliveToken token = AliveToken();
    const int cx = rcInside.Width();
    const int h = rcTo.Height();
    if (bDown) {
        // The new header rises from its place at the bottom, pulling its folder up over the old one.
        for (int y = rcTo.top - h; y > rcFrom.bottom; y -= h) {
            pDC->BitBlt(rcInside.left, rcFrom.bottom + 1, cx, y - rcFrom.bottom - 1, pA, 0, h, SRCCOPY);
            pDC->BitBlt(rcInside.left, y, cx, rcInside.bottom - y + h, pB, 0, 0, SRCCOPY);
            SlideDelay(this, pDC, m_nAnimationTickCount);
            if (!StillAlive(token)) return;
        }
    } else {
        // The old header sinks, uncovering the new folder above it.
        for (int y = rcFrom.top + 1; y < rcInside.bottom - h; y += h) {
            pDC->BitBlt(rcInside.left, rcFrom.top + 1, cx, y - rcFrom.top - 1, pB, 0, 2 * h, SRCCOPY);
            pDC->BitBlt(rcInside.left, y, cx, rcInside.bottom - y, pA, 0, 0, SRCCOPY);
            SlideDelay(this, pDC, m_nAnimationTickCount);
            if (!StillAlive(token)) return;
        }
    }
}

void CQVOutBarCtrl::RenderSlideImages(CDC* pA, CDC* pB, int nFrom, int nTo, const CRect& rcInside,
                                      const CRect& rcFrom, CSize szImage, int h) {
    CMeasureScope measure(this);
    const int cx = szImage.cx;
    const int cy = szImage.cy;
    const CRect rcImage(0, 0, cx, cy);
    pA->FillSolidRect(rcImage, m_crBack);
    pB->FillSolidRect(rcImage, m_crBack);
    // Each folder's content is placed in its image where the frames show it at the screen position it
    // has before (the old folder) or after (the new one) the change: a header is followed by its inside
    // rectangle one pixel above its bottom.
    if (nFrom < nTo) {
        // A: the old content, copied from row h to just below the old header.
        pA->Draw3dRect(rcImage, ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_BTNSHADOW));
        DrawFolderContent(pA, nFrom, rcInside.top + h - rcFrom.bottom - 1, rcInside, cx, cy);
        // B: the new header on top of its content.
        DrawFolder(pB, nTo, CRect(0, 0, cx, h), FOLDER_NORMAL);
        DrawFolderContent(pB, nTo, h - 1, rcInside, cx, cy);
    } else {
        // A: the old header on top of its content.
        DrawFolder(pA, nFrom, CRect(0, 0, cx, h), FOLDER_NORMAL);
        DrawFolderContent(pA, nFrom, h - 1, rcInside, cx, cy);
        // B: the new content, copied from row 2h to just below the old header's top; once open, its
        // inside rectangle starts one pixel above the bottom of header nTo.
        DrawFolderContent(pB, nTo, (nTo + 1) * h - 1 - (rcFrom.top + 1) + 2 * h, rcInside, cx, cy);
    }
}
