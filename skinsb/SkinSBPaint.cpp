// Skinned scroll bars drawn into the non-client area from the skin bitmap's 16-pixel cells.
#include "SkinSBWindow.h"

#include "QVSelectScope.h"
#include "QVSkinResManager.h"

#include <cstdlib>

namespace {

bool UsableBitmap(HBITMAP hBitmap) {
    BITMAP bm = {};
    return hBitmap && GetObject(hBitmap, sizeof(bm), &bm) == sizeof(bm) && bm.bmWidth >= SKINSB_BITMAP_CX &&
           std::abs(bm.bmHeight) >= SKINSB_BITMAP_CY;
}

// The bitmap to draw from now: a record attached with the skin's bitmap follows the skin, so a skin
// change never leaves it drawing from a deleted handle.
HBITMAP CurrentBitmap(SkinScrollBarState& state) {
    if (state.fromSkin)
        state.skinBitmap = CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_bmpScrollBar.GetSafeHandle();
    return state.skinBitmap;
}

// Draws one window's bars; rectangles come in screen coordinates and are moved by m_ptOrigin.
class CBarPainter {
public:
    CBarPainter(SkinScrollBarState& state, HDC hDC, const CPoint& ptOrigin)
        : m_state(state), m_hDC(hDC), m_ptOrigin(ptOrigin) {
        HBITMAP hBitmap = CurrentBitmap(state);
        if (UsableBitmap(hBitmap)) {
            m_hMem = CreateCompatibleDC(hDC);
            if (m_hMem && !SelectObject(m_hMem, hBitmap)) {
                DeleteDC(m_hMem);
                m_hMem = nullptr;
            }
        }
        m_nOldMode = SetStretchBltMode(hDC, HALFTONE);
        SetBrushOrgEx(hDC, 0, 0, nullptr);
    }
    ~CBarPainter() {
        SetStretchBltMode(m_hDC, m_nOldMode);
        if (m_hMem) DeleteDC(m_hMem);  // the bitmap is not ours: it only leaves the DC
    }
    CBarPainter(const CBarPainter&) = delete;
    CBarPainter& operator=(const CBarPainter&) = delete;

    void Bar(const SkinSBBarLayout& bar) {
        if (bar.rcBar.IsRectEmpty()) return;
        ThumbAndTrack(bar);
        Arrow(bar, SKINSB_LINEUP);
        Arrow(bar, SKINSB_LINEDOWN);
    }

    void SizeBox(const CRect& rc) {
        if (rc.IsRectEmpty()) return;
        if (m_hMem)
            Copy(rc, SkinSBCell(SKINSB_IMG_SIZEBOX, true, 0, m_state.leftScrollBar));
        else
            FillRect(m_hDC, Local(rc), GetSysColorBrush(COLOR_BTNFACE));
    }

private:
    CRect Local(CRect rc) const {
        rc.OffsetRect(-m_ptOrigin);
        return rc;
    }
    // A span along the bar, across its whole thickness.
    static CRect Span(const SkinSBBarLayout& bar, int nStart, int nEnd) {
        return bar.bVert ? CRect(bar.rcBar.left, nStart, bar.rcBar.right, nEnd)
                         : CRect(nStart, bar.rcBar.top, nEnd, bar.rcBar.bottom);
    }
    void Copy(const CRect& rcDest, const CRect& rcCell) {
        const CRect rc = Local(rcDest);
        if (rc.Size() == rcCell.Size())
            BitBlt(m_hDC, rc.left, rc.top, rc.Width(), rc.Height(), m_hMem, rcCell.left, rcCell.top, SRCCOPY);
        else
            StretchBlt(m_hDC, rc.left, rc.top, rc.Width(), rc.Height(), m_hMem, rcCell.left, rcCell.top,
                       rcCell.Width(), rcCell.Height(), SRCCOPY);
    }

    void Arrow(const SkinSBBarLayout& bar, UINT nArrow) {
        const int nStart = bar.bVert ? bar.rcBar.top : bar.rcBar.left;
        const int nEnd = bar.bVert ? bar.rcBar.bottom : bar.rcBar.right;
        const CRect rc =
            nArrow == SKINSB_LINEUP ? Span(bar, nStart, bar.nTrackStart) : Span(bar, bar.nTrackEnd, nEnd);
        if (rc.IsRectEmpty()) return;
        const int nState = SkinSBPartState(m_state, nArrow | (bar.bVert ? SKINSB_VERT : 0));
        if (m_hMem) {
            Copy(rc, SkinSBCell(nArrow == SKINSB_LINEUP ? SKINSB_IMG_ARROW1 : SKINSB_IMG_ARROW2, bar.bVert,
                                nState, FALSE));
            return;
        }
        static const UINT kGlyphs[2][2] = {{DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT},
                                           {DFCS_SCROLLUP, DFCS_SCROLLDOWN}};
        UINT nFlags = kGlyphs[bar.bVert][nArrow == SKINSB_LINEDOWN];
        if (nState == SKINSB_DISABLED) nFlags |= DFCS_INACTIVE;
        if (nState == SKINSB_PRESSED) nFlags |= DFCS_PUSHED | DFCS_FLAT;
        CRect rcLocal = Local(rc);
        DrawFrameControl(m_hDC, &rcLocal, DFC_SCROLL, nFlags);
    }

    void Track(const SkinSBBarLayout& bar, int nStart, int nEnd) {
        const CRect rc = Span(bar, nStart, nEnd);
        if (rc.IsRectEmpty()) return;
        if (m_hMem)
            Copy(rc, SkinSBCell(SKINSB_IMG_TRACK, bar.bVert, 0, FALSE));
        else
            FillRect(m_hDC, Local(rc), GetSysColorBrush(COLOR_SCROLLBAR));
    }

    void ThumbAndTrack(const SkinSBBarLayout& bar) {
        const int nState = SkinSBPartState(m_state, SKINSB_THUMB | (bar.bVert ? SKINSB_VERT : 0));
        if (!bar.HasThumb() || nState == SKINSB_DISABLED) {
            Track(bar, bar.nTrackStart, bar.nTrackEnd);
            return;
        }
        Track(bar, bar.nTrackStart, bar.nThumbStart);
        Track(bar, bar.nThumbEnd, bar.nTrackEnd);
        const CRect rcThumb = Local(Span(bar, bar.nThumbStart, bar.nThumbEnd));
        if (!m_hMem) {
            CRect rc = rcThumb;
            DrawEdge(m_hDC, &rc, EDGE_RAISED, BF_RECT | BF_MIDDLE);
            return;
        }
        // The thumb is built off-screen from its cell, then copied in one piece.
        HDC hThumb = CreateCompatibleDC(m_hDC);
        HBITMAP hBitmap = CreateCompatibleBitmap(m_hDC, rcThumb.Width(), rcThumb.Height());
        {
            CQVSelectScope scope(hThumb, hBitmap);
            PatBlt(hThumb, 0, 0, rcThumb.Width(), rcThumb.Height(), WHITENESS);
            const CRect rcCell = SkinSBCell(SKINSB_IMG_THUMB, bar.bVert, nState, FALSE);
            const int nLength = bar.nThumbEnd - bar.nThumbStart;
            auto piece = [&](int nDest, const CRect& rcSrc, int nSrc, int nCount) {
                if (bar.bVert)
                    BitBlt(hThumb, 0, nDest, SKINSB_SIZE, nCount, m_hMem, rcSrc.left, rcSrc.top + nSrc,
                           SRCCOPY);
                else
                    BitBlt(hThumb, nDest, 0, nCount, SKINSB_SIZE, m_hMem, rcSrc.left + nSrc, rcSrc.top,
                           SRCCOPY);
            };
            for (const SkinSBPiece& p : SkinSBThumbPieces(nLength))
                piece(p.nDest, rcCell, p.nSrc, p.nLength);
            const int nGrip = SkinSBGripAt(nLength);
            if (nGrip >= 0)
                piece(nGrip, SkinSBCell(SKINSB_IMG_GRIP, bar.bVert, nState, FALSE), 0, SKINSB_SIZE);
            BitBlt(m_hDC, rcThumb.left, rcThumb.top, rcThumb.Width(), rcThumb.Height(), hThumb, 0, 0,
                   SRCCOPY);
        }
        DeleteObject(hBitmap);
        DeleteDC(hThumb);
    }

    SkinScrollBarState& m_state;
    HDC m_hDC;
    CPoint m_ptOrigin;
    HDC m_hMem = nullptr;
    int m_nOldMode = 0;
};

}  // namespace

SkinSBBars SkinSBWindowBars(const SkinScrollBarState& state) {
    CRect rcClient;
    GetClientRect(state.hwnd, &rcClient);
    MapWindowPoints(state.hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rcClient), 2);
    return SkinSBLayoutBars(state, rcClient, static_cast<DWORD>(GetWindowLongPtr(state.hwnd, GWL_STYLE)));
}

void SkinSBDraw(SkinScrollBarState& state, HDC hWindowDC, UINT nWhich) {
    CRect rcWindow;
    GetWindowRect(state.hwnd, &rcWindow);
    const SkinSBBars bars = SkinSBWindowBars(state);
    CBarPainter painter(state, hWindowDC, rcWindow.TopLeft());
    if (nWhich & SKINSB_DRAW_VERT) painter.Bar(bars.vert);
    if (nWhich & SKINSB_DRAW_HORZ) painter.Bar(bars.horz);
    if (nWhich & SKINSB_DRAW_SIZEBOX) painter.SizeBox(bars.rcSizeBox);
}

void SkinSBDrawNow(SkinScrollBarState& state, UINT nWhich) {
    if (!nWhich || !IsWindowVisible(state.hwnd)) return;
    HDC hDC = GetWindowDC(state.hwnd);
    if (!hDC) return;
    SkinSBDraw(state, hDC, nWhich);
    ReleaseDC(state.hwnd, hDC);
}
