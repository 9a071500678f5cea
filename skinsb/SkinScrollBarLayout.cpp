// The skinned scroll bars' arithmetic (see the header).
#include "SkinScrollBarLayout.h"

#include <cstdint>

namespace {

int Clamp64(int64_t v, int64_t lo, int64_t hi) {
    return static_cast<int>(v < lo ? lo : (v > hi ? hi : v));
}

int Saturate(int64_t v) {
    return Clamp64(v, INT_MIN, INT_MAX);
}

// a * b / c rounded half away from zero, for values past the int range; 0 when c is 0. The 80-bit long
// double holds any product of two 33-bit values exactly.
int64_t MulDiv64(int64_t a, int64_t b, int64_t c) {
    if (c == 0) return 0;
    const long double q = static_cast<long double>(a) * static_cast<long double>(b) / c;
    return static_cast<int64_t>(q < 0 ? q - 0.5L : q + 0.5L);
}

int64_t RangeSize(const SCROLLINFO& si) {
    return static_cast<int64_t>(si.nMax) - si.nMin + 1;
}

}  // namespace

SCROLLINFO* SkinSBInfo(SkinScrollBarState& state, int nBar) {
    return nBar == SB_HORZ ? &state.horz : (nBar == SB_VERT ? &state.vert : nullptr);
}

bool SkinSBHasThumbInfo(const SCROLLINFO& si) {
    return si.nPage > 0 && si.nMax > si.nMin;
}

SkinSBBarLayout SkinSBLayoutBar(const CRect& rcClient, DWORD dwStyle, BOOL bLeft, int nBar,
                                const SCROLLINFO& si) {
    SkinSBBarLayout layout;
    if (nBar == SB_VERT) {
        layout.bVert = true;
        const int x = bLeft ? Saturate(int64_t(rcClient.left) - SKINSB_SIZE) : rcClient.right;
        const int cx = (dwStyle & WS_VSCROLL) ? SKINSB_SIZE : 0;
        layout.rcBar.SetRect(x, rcClient.top, Saturate(int64_t(x) + cx), rcClient.bottom);
    } else if (nBar == SB_HORZ) {
        layout.rcBar.SetRect(rcClient.left, rcClient.bottom, rcClient.right,
                             Saturate(int64_t(rcClient.bottom) + SKINSB_SIZE));
    } else {
        return layout;
    }
    const int nStart = layout.bVert ? layout.rcBar.top : layout.rcBar.left;
    const int nEnd = layout.bVert ? layout.rcBar.bottom : layout.rcBar.right;
    const int64_t nLength = nEnd > nStart ? int64_t(nEnd) - nStart : 0;
    const int nArrow = static_cast<int>(nLength < 2 * SKINSB_SIZE ? nLength / 2 : SKINSB_SIZE);
    layout.nTrackStart = Saturate(int64_t(nStart) + nArrow);
    layout.nTrackEnd = Saturate(int64_t(nStart) + nLength - nArrow);
    const int64_t nTrack = int64_t(layout.nTrackEnd) - layout.nTrackStart;
    if (!SkinSBHasThumbInfo(si) || nTrack < SKINSB_MIN_THUMB) return layout;

    const int64_t nRange = RangeSize(si);
    int64_t nThumb = MulDiv64(si.nPage, nTrack, nRange);
    nThumb = nThumb < SKINSB_MIN_THUMB ? SKINSB_MIN_THUMB : (nThumb > nTrack ? nTrack : nThumb);
    const int64_t nSpan = nTrack - nThumb;
    const int64_t nOffset =
        Clamp64(MulDiv64(int64_t(si.nPos) - si.nMin, nSpan, nRange - int64_t(si.nPage)), 0, nSpan);
    layout.nThumbStart = static_cast<int>(layout.nTrackStart + nOffset);
    layout.nThumbEnd = static_cast<int>(layout.nThumbStart + nThumb);
    return layout;
}

CRect SkinSBSizeBox(const CRect& rcClient, DWORD dwStyle, BOOL bLeft) {
    if ((dwStyle & (WS_HSCROLL | WS_VSCROLL)) != (WS_HSCROLL | WS_VSCROLL)) return CRect();
    const int x = bLeft ? Saturate(int64_t(rcClient.left) - SKINSB_SIZE) : rcClient.right;
    return CRect(x, rcClient.bottom, Saturate(int64_t(x) + SKINSB_SIZE),
                 Saturate(int64_t(rcClient.bottom) + SKINSB_SIZE));
}

UINT SkinSBHitTest(const SkinSBBarLayout& layout, DWORD nFlags, const CPoint& pt) {
    if (!layout.rcBar.PtInRect(pt)) return SKINSB_NONE;
    const int p = layout.bVert ? pt.y : pt.x;
    const bool bInThumb = layout.HasThumb() && p >= layout.nThumbStart && p < layout.nThumbEnd;
    if (bInThumb) return SKINSB_THUMB;
    if (nFlags & 3) return SKINSB_NONE;
    if (p < layout.nTrackStart) return SKINSB_LINEUP;
    if (p >= layout.nTrackEnd) return SKINSB_LINEDOWN;
    if (!layout.HasThumb()) return SKINSB_NONE;
    return p < layout.nThumbStart ? SKINSB_PAGEUP : SKINSB_PAGEDOWN;
}

DWORD SkinSBBarFlags(DWORD arrowFlags, int nBar) {
    return nBar == SB_HORZ ? (arrowFlags & 3) : (nBar == SB_VERT ? (arrowFlags >> 2) & 3 : 0);
}

int SkinSBPartState(const SkinScrollBarState& state, UINT nPart) {
    if (SkinSBBarFlags(state.arrowFlags, (nPart & SKINSB_VERT) ? SB_VERT : SB_HORZ)) return SKINSB_DISABLED;
    if (nPart != state.hotPart || (nPart & 0xF) == SKINSB_NONE) return SKINSB_NORMAL;
    return state.tracking ? SKINSB_PRESSED : SKINSB_HOT;
}

DWORD SkinSBEnableArrows(DWORD arrowFlags, int nBar, UINT wArrows) {
    if (nBar != SB_HORZ && nBar != SB_VERT && nBar != SB_BOTH) return arrowFlags;
    for (int bar : {SB_HORZ, SB_VERT}) {
        if (nBar != SB_BOTH && nBar != bar) continue;
        const int nShift = bar == SB_VERT ? 2 : 0;
        if (wArrows)
            arrowFlags |= (wArrows & 3) << nShift;
        else
            arrowFlags &= ~(3u << nShift);
    }
    return arrowFlags;
}

SkinSBUpdate SkinSBApplyInfo(SCROLLINFO& stored, const SCROLLINFO& in, bool bShown) {
    SkinSBUpdate result;
    UINT fMask = in.fMask;
    UINT nPage = in.nPage;
    int nPos = in.nPos;
    if (fMask & SIF_RANGE) {
        const int nMax = in.nMax < in.nMin ? in.nMin : in.nMax;
        if (in.nMin != stored.nMin || nMax != stored.nMax) {
            stored.nMin = in.nMin;
            stored.nMax = nMax;
            result.bChanged = true;
            if (!(fMask & SIF_PAGE)) nPage = stored.nPage;
            if (!(fMask & SIF_POS)) nPos = stored.nPos;
            fMask |= SIF_PAGE | SIF_POS;
        }
    }
    const int64_t nSpread = int64_t(stored.nMax) - stored.nMin;
    if (fMask & SIF_PAGE) {
        const int64_t nSize = (nSpread < 0 ? -nSpread : nSpread) + 1;
        const UINT nClamped = int64_t(nPage) > nSize ? static_cast<UINT>(nSize) : nPage;
        if (nClamped != stored.nPage) {
            stored.nPage = nClamped;
            result.bChanged = true;
            if (!(fMask & SIF_POS)) nPos = stored.nPos;
            fMask |= SIF_POS;
        }
    }
    const int nBefore = stored.nPos;
    if (fMask & SIF_POS) {
        const int64_t nTop = int64_t(stored.nMax) - (stored.nPage > 0 ? int64_t(stored.nPage) - 1 : 0);
        stored.nPos = nPos < stored.nMin ? stored.nMin : Clamp64(nPos, INT_MIN, nTop);
    }
    if (fMask & SIF_TRACKPOS) stored.nTrackPos = in.nTrackPos;

    if (in.fMask & SIF_RANGE)
        result.bShow = stored.nMin != stored.nMax && int64_t(stored.nPage) <= nSpread;
    else if (in.fMask & SIF_PAGE)
        result.bShow = int64_t(stored.nPage) <= nSpread;
    else
        result.bShow = bShown;
    result.nPos = (in.fMask & SIF_POS) ? nBefore : stored.nPos;
    return result;
}

BOOL SkinSBCopyInfo(const SCROLLINFO& stored, SCROLLINFO* pInfo) {
    if (!pInfo || pInfo->cbSize != sizeof(SCROLLINFO)) return FALSE;
    const UINT fMask = pInfo->fMask;
    if (fMask & SIF_PAGE) pInfo->nPage = stored.nPage;
    if (fMask & SIF_POS) pInfo->nPos = stored.nPos;
    if (fMask & SIF_TRACKPOS) pInfo->nTrackPos = stored.nTrackPos;
    if (fMask & SIF_RANGE) {
        pInfo->nMin = stored.nMin;
        pInfo->nMax = stored.nMax;
    }
    return (fMask & SIF_ALL) ? TRUE : FALSE;
}

int SkinSBDragPosition(const SkinSBBarLayout& layout, const SCROLLINFO& si, int nMouse, int nDragOffset) {
    const int64_t nRange = RangeSize(si);
    if (nRange <= 0) return si.nMin;
    const int64_t nSpan = int64_t(layout.TrackLength()) - (int64_t(layout.nThumbEnd) - layout.nThumbStart);
    const int64_t nMovable = nRange - int64_t(si.nPage) > 0 ? nRange - int64_t(si.nPage) : 0;
    if (nSpan <= 0) return si.nMin;
    const int64_t p = Clamp64(int64_t(nMouse) - nDragOffset - layout.nTrackStart, 0, nSpan);
    const int64_t nTop = int64_t(si.nMax) - (si.nPage > 0 ? int64_t(si.nPage) - 1 : 0);
    return Clamp64(si.nMin + MulDiv64(p, nMovable, nSpan), si.nMin, nTop < si.nMin ? si.nMin : nTop);
}

bool SkinSBPagingReachedCursor(const SkinSBBarLayout& layout, int nCode, int nCursor) {
    if (nCode == SB_PAGEUP) return layout.nThumbStart <= nCursor;
    if (nCode == SB_PAGEDOWN) return layout.nThumbEnd >= nCursor;
    return false;
}

CRect SkinSBShrinkClient(const CRect& rc, DWORD dwStyle, BOOL bLeft) {
    CRect r = rc;
    if ((dwStyle & WS_HSCROLL) && int64_t(r.bottom) - r.top > SKINSB_SIZE) r.bottom -= SKINSB_SIZE;
    if ((dwStyle & WS_VSCROLL) && int64_t(r.right) - r.left > SKINSB_SIZE) {
        if (bLeft)
            r.left += SKINSB_SIZE;
        else
            r.right -= SKINSB_SIZE;
    }
    return r;
}
