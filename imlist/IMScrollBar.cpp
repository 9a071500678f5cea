// The contact list's scroll bar: layout, range, hit tests, clicks, drags and drawing from its image.
#include "IMScrollBar.h"

#include "QVSelectScope.h"
#include "QVSkinResManager.h"

#include <algorithm>

namespace {

// Parts of the image, each CELL x CELL.
const CRect kMinNormal(0, 0, 15, 15), kMinHot(21, 0, 36, 15);
const CRect kMaxNormal(0, 21, 15, 36), kMaxHot(21, 21, 36, 36);
const CRect kThumbNormal(41, 0, 56, 15), kThumbHot(61, 0, 76, 15);
const CRect kGripNormal(41, 21, 56, 36), kGripHot(61, 21, 76, 36);
const CRect kTrack(0, 41, 15, 56);

// Rows of the thumb image kept at its ends, and the rows its middle is filled from.
const int kThumbTop = 7;
const int kThumbBottom = 8;
const int kSliceFirstRow = 3;
const int kSliceRows = 9;
const int kGripMinThumb = 25;

// The image selected into a memory DC for the length of one drawing.
class CImageDC {
public:
    CImageDC(CDC* pDC, const CQVBitmap& image)
        : m_bOk(!image.IsNull() && m_dc.CreateCompatibleDC(pDC)),
          m_scope(m_bOk ? m_dc.GetSafeHdc() : NULL, m_bOk ? image.GetSafeHandle() : NULL) {
        m_bOk = m_bOk && ::GetCurrentObject(m_dc.GetSafeHdc(), OBJ_BITMAP) ==
                             static_cast<HGDIOBJ>(image.GetSafeHandle());
    }
    CDC* Get() { return m_bOk ? &m_dc : nullptr; }

private:
    CDC m_dc;
    BOOL m_bOk;
    CQVSelectScope m_scope;
};

}  // namespace

CIMScrollBar::CIMScrollBar() {
    m_image.LoadBitmap(CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath() +
                       _T("Common\\IMList\\scrollbar.bmp"));
}

void CIMScrollBar::SetRect(const CRect& rc) {
    if (!m_bVert) return;
    const CIMScrollBarRects parts = IMScrollBarLayout(rc);
    m_rcBar = rc;
    m_rcTrack = parts.m_rcTrack;
    m_rcMinDelta = parts.m_rcMinDelta;
    m_rcMaxDelta = parts.m_rcMaxDelta;
    m_rcThumb = parts.m_rcThumb;
    SetPos(0);
}

int CIMScrollBar::ClampPos(int nPos) const {
    return IMScrollBarClampPos(m_nMin, m_nMax, nPos);
}

BOOL CIMScrollBar::StorePos(int nPos) {
    nPos = ClampPos(nPos);
    if (nPos == m_nPos) return FALSE;
    const int nOld = m_nPos;
    m_nPos = nPos;
    if (m_hNotifyWnd)
        ::SendMessage(m_hNotifyWnd, WM_IMLIST_SCROLL, static_cast<WPARAM>(nOld), static_cast<LPARAM>(nPos));
    return TRUE;
}

void CIMScrollBar::SetRange(int nMin, int nMax, int nPage, int nLine) {
    m_nMin = nMin;
    m_nMax = std::max(nMin, nMax);
    m_nPage = nPage;
    m_nLine = nLine;
    m_rcLastThumb = m_rcThumb;
    if (!m_rcTrack.IsRectEmpty()) {
        const int nHeight = IMScrollBarThumbHeight(m_rcTrack.Height(), m_nMin, m_nMax, nPage);
        m_rcThumb = CRect(m_rcTrack.left, m_rcThumb.top, m_rcTrack.right, m_rcThumb.top + nHeight);
    }
    StorePos(m_nPos);
    PlaceThumb();
}

void CIMScrollBar::SetPos(int nPos) {
    StorePos(nPos);
    m_rcLastThumb = m_rcThumb;
    PlaceThumb();
}

void CIMScrollBar::PlaceThumb() {
    if (m_rcTrack.IsRectEmpty() || m_rcThumb.IsRectEmpty()) return;
    const int nThumb = std::min(m_rcThumb.Height(), m_rcTrack.Height());
    const int nTop = IMScrollBarThumbTop(m_rcTrack, nThumb, m_nMin, m_nMax, m_nPos);
    m_rcThumb = CRect(m_rcTrack.left, nTop, m_rcTrack.right, nTop + nThumb);
}

CIMScrollBar::ScrollBarArea CIMScrollBar::MouseInWhere(const CPoint& pt) const {
    if (!m_bVisible) return SBA_NONE;
    return static_cast<ScrollBarArea>(IMScrollBarHitTest(m_rcBar, Parts(), pt));
}

CIMScrollBarRects CIMScrollBar::Parts() const {
    CIMScrollBarRects parts;
    parts.m_rcTrack = m_rcTrack;
    parts.m_rcMinDelta = m_rcMinDelta;
    parts.m_rcMaxDelta = m_rcMaxDelta;
    parts.m_rcThumb = m_rcThumb;
    return parts;
}

void CIMScrollBar::OnClick(const CPoint& pt) {
    switch (MouseInWhere(pt)) {
    case SBA_MINDELTA:
        SetPos(m_nPos - m_nLine);
        break;
    case SBA_MAXDELTA:
        SetPos(m_nPos + m_nLine);
        break;
    case SBA_BAR:
        m_ptDragOffset = CPoint(pt.x - m_rcThumb.left, pt.y - m_rcThumb.top);
        break;
    case SBA_TRACK:
        SetPos(pt.y <= m_rcThumb.bottom ? m_nPos - m_nPage : m_nPos + m_nPage);
        break;
    default:
        break;
    }
}

void CIMScrollBar::OnMouseMove(const CPoint& pt) {
    if (m_rcTrack.IsRectEmpty() || m_rcThumb.IsRectEmpty()) return;
    const int nThumb = m_rcThumb.Height();
    const int y = IMScrollBarDragTop(m_rcTrack, nThumb, pt.y - m_ptDragOffset.y);
    m_rcThumb = CRect(m_rcThumb.left, y, m_rcThumb.right, y + nThumb);
    StorePos(IMScrollBarDragPos(m_rcTrack, nThumb, m_nMin, m_nMax, y, m_nPos));
}

void CIMScrollBar::DrawCell(CDC* pDC, CDC* pImageDC, const CRect& rcPlace, const CRect& rcSource) const {
    pDC->BitBlt(rcPlace.left, rcPlace.top, rcSource.Width(), rcSource.Height(), pImageDC, rcSource.left,
                rcSource.top, SRCCOPY);
}

// Tiles the track cell downward over rc at the bar's left edge, in the rows a tiling from the bar's top
// gives, so that repainting part of the track matches a full paint.
void CIMScrollBar::DrawTrack(CDC* pDC, CDC* pImageDC, const CRect& rc) const {
    for (int y = rc.top; y < rc.bottom;) {
        const int nRow = ((y - m_rcBar.top) % CELL + CELL) % CELL;
        const int cy = std::min<int>(CELL - nRow, rc.bottom - y);
        pDC->BitBlt(m_rcBar.left, y, CELL, cy, pImageDC, kTrack.left, kTrack.top + nRow, SRCCOPY);
        y += cy;
    }
}

void CIMScrollBar::DrawThumb(CDC* pDC, CDC* pImageDC, int bHot) const {
    if (m_rcThumb.IsRectEmpty()) return;
    const CRect& rcThumb = bHot ? kThumbHot : kThumbNormal;
    const CRect& rcGrip = bHot ? kGripHot : kGripNormal;
    const int x = m_rcThumb.left;
    const int h = m_rcThumb.Height();
    if (h <= CELL) {
        DrawCell(pDC, pImageDC, m_rcThumb, rcThumb);
        return;
    }
    // The middle from slices of the image's rows 3 on, then both ends over it.
    for (int y = m_rcThumb.top + kThumbTop; y < m_rcThumb.bottom - kThumbTop; y += kSliceRows) {
        const int cy = std::min<int>(kSliceRows, m_rcThumb.bottom - kThumbTop - y);
        pDC->BitBlt(x, y, CELL, cy, pImageDC, rcThumb.left, rcThumb.top + kSliceFirstRow, SRCCOPY);
    }
    pDC->BitBlt(x, m_rcThumb.top, CELL, kThumbTop, pImageDC, rcThumb.left, rcThumb.top, SRCCOPY);
    pDC->BitBlt(x, m_rcThumb.bottom - kThumbBottom, CELL, kThumbBottom, pImageDC, rcThumb.left,
                rcThumb.top + kThumbTop, SRCCOPY);
    if (h >= kGripMinThumb)
        DrawCell(pDC, pImageDC, CRect(CPoint(x, m_rcThumb.top + (h - CELL) / 2), CSize(CELL, CELL)), rcGrip);
}

void CIMScrollBar::Draw(CDC* pDC, ScrollBarArea nHot) {
    if (!m_bVisible || !pDC) return;
    CImageDC image(pDC, m_image);
    CDC* pImageDC = image.Get();
    if (!pImageDC) return;
    DrawTrack(pDC, pImageDC, m_rcBar);
    DrawCell(pDC, pImageDC, m_rcMinDelta, nHot == SBA_MINDELTA ? kMinHot : kMinNormal);
    DrawCell(pDC, pImageDC, m_rcMaxDelta, nHot == SBA_MAXDELTA ? kMaxHot : kMaxNormal);
    DrawThumb(pDC, pImageDC, nHot == SBA_BAR);
}

void CIMScrollBar::DrawPart(CDC* pDC, ScrollBarArea nPart, int bHot) {
    if (!m_bVisible || !pDC) return;
    if (nPart != SBA_MINDELTA && nPart != SBA_MAXDELTA && nPart != SBA_BAR) {
        Draw(pDC, nPart);
        return;
    }
    CImageDC image(pDC, m_image);
    CDC* pImageDC = image.Get();
    if (!pImageDC) return;
    if (nPart == SBA_MINDELTA) {
        DrawCell(pDC, pImageDC, m_rcMinDelta, bHot ? kMinHot : kMinNormal);
    } else if (nPart == SBA_MAXDELTA) {
        DrawCell(pDC, pImageDC, m_rcMaxDelta, bHot ? kMaxHot : kMaxNormal);
    } else {
        if (m_rcLastThumb != m_rcThumb) {
            CRect rcOld;
            if (rcOld.IntersectRect(m_rcLastThumb, m_rcTrack)) DrawTrack(pDC, pImageDC, rcOld);
            m_rcLastThumb = m_rcThumb;
        }
        DrawThumb(pDC, pImageDC, bHot);
    }
}
