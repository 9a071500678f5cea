// Geometry of the skinned window frame.
#include "SkinWndLayout.h"

#include <QVSkinRanges.h>

using QVSkinRange::Clamp;

namespace {

// The largest region cache read: the header, the most rectangles a corner mask may give, the size.
// A larger file is refused before it is read.
const DWORD kMaxRgnFileSize = sizeof(RGNDATAHEADER) + QVSkinRange::kMaxMaskRects * sizeof(RECT) + 8;

// The platform's frame width and height for a sizable or a fixed window.
CSize PlatformFrame(BOOL bSizable) {
    return bSizable ? CSize(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME))
                    : CSize(::GetSystemMetrics(SM_CXDLGFRAME), ::GetSystemMetrics(SM_CYDLGFRAME));
}

int ButtonSize(int n) {
    return Clamp(n, 0, QVSkinRange::kMaxButton);
}

int Position(int n) {
    return Clamp(n, -QVSkinRange::kMaxPosition, QVSkinRange::kMaxPosition);
}

CPoint CornerPoint(const CPoint& pt) {
    return CPoint(Clamp(pt.x, 0, QVSkinRange::kMaxCornerPoint), Clamp(pt.y, 0, QVSkinRange::kMaxCornerPoint));
}

}  // namespace

CRect AFXAPI SkinWndFrameInsets(const CQVSkinWndRes& res) {
    const int nMax = QVSkinRange::kMaxFrame;
    return CRect(Clamp(res.m_nLeftBorder, 0, nMax), Clamp(res.m_nCaptionHeight, 0, nMax),
                 Clamp(res.m_nRightBorder, 0, nMax), Clamp(res.m_nBottomBorder, 0, nMax));
}

void AFXAPI InitHitTestRects(CSkinWndLayout& layout, const CQVSkinWndRes& res) {
    const int nIcon = SkinWndFrameInsets(res).top - 4;
    layout.m_rcIcon.SetRect(0, 0, nIcon, nIcon);
    layout.m_rcMinBtn.SetRect(0, 0, ButtonSize(res.m_nMinBtnWidth), ButtonSize(res.m_nMinBtnHeight));
    layout.m_rcMaxBtn.SetRect(0, 0, ButtonSize(res.m_nMaxBtnWidth), ButtonSize(res.m_nMaxBtnHeight));
    layout.m_rcCloseBtn.SetRect(0, 0, ButtonSize(res.m_nCloseBtnWidth), ButtonSize(res.m_nCloseBtnHeight));
}

void AFXAPI AdjustHitTestRects(CSkinWndLayout& layout, const CQVSkinWndRes& res, const CRect& rcWindow,
                               BOOL bHasMenu) {
    const CRect& rc = rcWindow;
    const CRect insets = SkinWndFrameInsets(res);
    const int L = insets.left;
    const int R = insets.right;
    const int T = insets.top;
    const int B = insets.bottom;
    const int nGap = ButtonSize(res.m_nBtnGap);

    if (res.m_nCaptionBtnLayout != 0) {
        // Buttons in a row from the right border, centred in the caption.
        layout.m_rcIcon.MoveToXY(rc.left + L, rc.top + 2);
        CRect& rcClose = layout.m_rcCloseBtn;
        CRect& rcMax = layout.m_rcMaxBtn;
        CRect& rcMin = layout.m_rcMinBtn;
        rcClose.MoveToXY(rc.right - R - rcClose.Width(), rc.top + (T - rcClose.Height()) / 2);
        rcMax.MoveToXY(rcClose.left - rcMax.Width() - nGap, rc.top + (T - rcMax.Height()) / 2);
        rcMin.MoveToXY(rcMax.left - rcMin.Width() - nGap, rc.top + (T - rcMin.Height()) / 2);
        layout.m_rcTitle.SetRect(layout.m_rcIcon.right + 4, rc.top + 3, rcMin.left - 4, rc.top + T);
    } else {
        // Each piece at the skin's own position; the icon never reaches below the caption, and
        // when cut it stays square.
        CRect& rcIcon = layout.m_rcIcon;
        rcIcon.MoveToXY(rc.left + Position(res.m_nIconLeft) + 2, rc.top + Position(res.m_nIconTop) + 2);
        if (rcIcon.bottom > rc.top + T - 2) {
            rcIcon.bottom = rc.top + T - 2;
            rcIcon.right = rcIcon.left + rcIcon.Height();
        }
        layout.m_rcMinBtn.MoveToXY(rc.right - Position(res.m_nMinBtnRight), Position(res.m_nMinBtnTop));
        layout.m_rcMaxBtn.MoveToXY(rc.right - Position(res.m_nMaxBtnRight), Position(res.m_nMaxBtnTop));
        layout.m_rcCloseBtn.MoveToXY(rc.right - Position(res.m_nCloseBtnRight), Position(res.m_nCloseBtnTop));
        const int nTitleTop = Position(res.m_nTitleTop);
        layout.m_rcTitle.SetRect(rc.left + Position(res.m_nTitleLeft), rc.top + nTitleTop,
                                 layout.m_rcMinBtn.left - 4, rc.top + nTitleTop + 14);
    }

    // The sizing borders are 5 pixels wide whatever the skin draws; the top one only 3, so that
    // the caption takes the rest.
    layout.m_rcCaption.SetRect(rc.left + L, rc.top + 3, rc.right - R, rc.top + T);
    layout.m_rcLeft.SetRect(rc.left, rc.top + T, rc.left + 5, rc.bottom - 5);
    layout.m_rcRight.SetRect(rc.right - 5, rc.top + T, rc.right, rc.bottom - 5);
    layout.m_rcTop.SetRect(rc.left + 5, rc.top, rc.right - 5, rc.top + 3);
    layout.m_rcBottom.SetRect(rc.left + 5, rc.bottom - B, rc.right - 5, rc.bottom);
    layout.m_rcTopLeft.SetRect(rc.left, rc.top, rc.left + 5, rc.top + T);
    layout.m_rcTopRight.SetRect(rc.right - 5, rc.top, rc.right, rc.top + T);
    layout.m_rcBottomLeft.SetRect(rc.left, rc.bottom - 5, rc.left + 5, rc.bottom);
    layout.m_rcBottomRight.SetRect(rc.right - 5, rc.bottom - 5, rc.right, rc.bottom);
    if (bHasMenu) {
        const CRect& rcCaption = layout.m_rcCaption;
        layout.m_rcMenuBar.SetRect(rcCaption.left, rcCaption.bottom, rcCaption.right,
                                   rcCaption.bottom + SKINWND_MENUBAR_HEIGHT);
    } else {
        layout.m_rcMenuBar.SetRectEmpty();
    }
}

UINT AFXAPI SkinWndHitTest(const CSkinWndLayout& layout, BOOL bSysMenu, BOOL bMinBox, BOOL bMaxBox,
                           BOOL bSizable, CPoint point, const CRect& rcClient) {
    if (layout.m_rcCloseBtn.PtInRect(point)) return HTCLOSE;
    if (bMaxBox && layout.m_rcMaxBtn.PtInRect(point)) return HTMAXBUTTON;
    if (bMinBox && layout.m_rcMinBtn.PtInRect(point)) return HTMINBUTTON;
    if (bSysMenu && layout.m_rcIcon.PtInRect(point)) return HTSYSMENU;
    if (layout.m_rcCaption.PtInRect(point)) return HTCAPTION;
    if (bSizable) {
        static const struct {
            CRect CSkinWndLayout::*pRect;
            UINT nCode;
        } kBorders[] = {
            {&CSkinWndLayout::m_rcLeft, HTLEFT},
            {&CSkinWndLayout::m_rcRight, HTRIGHT},
            {&CSkinWndLayout::m_rcTop, HTTOP},
            {&CSkinWndLayout::m_rcBottom, HTBOTTOM},
            {&CSkinWndLayout::m_rcTopLeft, HTTOPLEFT},
            {&CSkinWndLayout::m_rcTopRight, HTTOPRIGHT},
            {&CSkinWndLayout::m_rcBottomLeft, HTBOTTOMLEFT},
            {&CSkinWndLayout::m_rcBottomRight, HTBOTTOMRIGHT},
        };
        for (const auto& border : kBorders) {
            if ((layout.*border.pRect).PtInRect(point)) return border.nCode;
        }
    }
    if (layout.m_rcMenuBar.PtInRect(point)) return HTSKINMENUBAR;
    if (rcClient.PtInRect(point)) return HTCLIENT;
    return 0;
}

CRect AFXAPI SkinWndClientRect(const CQVSkinWndRes& res, const CRect& rcWindow, BOOL bHasMenu) {
    const CRect insets = SkinWndFrameInsets(res);
    const int nTop = insets.top + (bHasMenu ? SKINWND_MENUBAR_HEIGHT : 0);
    return CRect(rcWindow.left + insets.left, rcWindow.top + nTop, rcWindow.right - insets.right,
                 rcWindow.bottom - insets.bottom);
}

void AFXAPI GetWindowAddSize(const CQVSkinWndRes& res, BOOL bSizable, CSize& size) {
    const CSize frame = PlatformFrame(bSizable);
    const CRect insets = SkinWndFrameInsets(res);
    size.cx = insets.left + insets.right - 2 * frame.cx;
    size.cy = insets.top + insets.bottom - (::GetSystemMetrics(SM_CYCAPTION) + 2 * frame.cy);
}

void AFXAPI BuildWndOutline(const CQVSkinWndRes& res, const CRect& rc, std::vector<CPoint>& points) {
    points.clear();
    points.reserve(res.m_ptsCornerTopLeft.size() + res.m_ptsCornerTopRight.size() +
                   res.m_ptsCornerBottomRight.size() + res.m_ptsCornerBottomLeft.size() + 5);

    // Outline points are relative to the window's top-left; the other corners mirror them.
    // Points beyond their range are clamped into it, so that mirroring them cannot overflow.
    if (res.m_ptsCornerTopLeft.empty()) points.emplace_back(rc.left, rc.top);
    for (const CPoint& pt : res.m_ptsCornerTopLeft)
        points.push_back(CornerPoint(pt));

    if (res.m_ptsCornerTopRight.empty()) points.emplace_back(rc.right, rc.top);
    for (const CPoint& pt : res.m_ptsCornerTopRight)
        points.emplace_back(rc.right - CornerPoint(pt).x, CornerPoint(pt).y);

    if (res.m_ptsCornerBottomRight.empty()) points.emplace_back(rc.right, rc.bottom);
    for (const CPoint& pt : res.m_ptsCornerBottomRight)
        points.emplace_back(rc.right - CornerPoint(pt).x, rc.bottom - CornerPoint(pt).y);

    if (res.m_ptsCornerBottomLeft.empty()) points.emplace_back(rc.left, rc.bottom);
    for (const CPoint& pt : res.m_ptsCornerBottomLeft)
        points.emplace_back(CornerPoint(pt).x, rc.bottom - CornerPoint(pt).y);

    // Close the figure where it started.
    points.push_back(points.front());
}

HRGN AFXAPI CreateWndOutlineRgn(const CQVSkinWndRes& res, const CRect& rc) {
    std::vector<CPoint> points;
    BuildWndOutline(res, rc, points);

    HDC hDC = ::CreateCompatibleDC(NULL);
    if (hDC == NULL) return NULL;
    HRGN hRgn = NULL;
    if (::BeginPath(hDC)) {
        ::MoveToEx(hDC, points[0].x, points[0].y, NULL);
        ::PolylineTo(hDC, points.data() + 1, static_cast<DWORD>(points.size() - 1));
        if (::EndPath(hDC)) hRgn = ::PathToRegion(hDC);
    }
    ::DeleteDC(hDC);
    return hRgn;
}

CSkinWndButtonFrames AFXAPI GetWndButtonFrames(const CQVSkinWndRes& res, BOOL bMinBox, BOOL bMaxBox,
                                               BOOL bMaximal, int nFocusButton, BOOL bPressed, BOOL bActive) {
    const int nHot = bPressed ? 2 : 1;
    const int nDisabled = 3;
    const int nInactive = bActive ? 0 : 4;
    const BOOL bShowDisabled = res.m_nShowDisabledBtns != 0;

    CSkinWndButtonFrames frames;
    if (bMinBox)
        frames.m_nMinFrame = (nFocusButton == HTMINBUTTON ? nHot : 0) + nInactive;
    else if (bShowDisabled)
        frames.m_nMinFrame = nDisabled + nInactive;

    if (bMaxBox) {
        frames.m_nMaxFrame = (nFocusButton == HTMAXBUTTON ? nHot : 0) + nInactive;
        frames.m_bRestoreImage = bMaximal;
    } else if (bMinBox || bShowDisabled) {
        frames.m_nMaxFrame = nDisabled + nInactive;
    }

    frames.m_nCloseFrame = (nFocusButton == HTCLOSE ? nHot : 0) + nInactive;
    return frames;
}

BOOL AFXAPI WriteRgnToFile(LPCTSTR lpszPath, HRGN hRgn, int nWidth, int nHeight) {
    const DWORD nSize = hRgn != NULL ? ::GetRegionData(hRgn, 0, NULL) : 0;
    if (nSize == 0) return TRUE;
    // A cache the reader would refuse is never written.
    if (nSize > sizeof(RGNDATAHEADER) + QVSkinRange::kMaxMaskRects * sizeof(RECT)) return TRUE;
    std::vector<BYTE> data(nSize);
    if (::GetRegionData(hRgn, nSize, reinterpret_cast<RGNDATA*>(data.data())) != nSize) return TRUE;

    HANDLE hFile = ::CreateFile(lpszPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE) return TRUE;
    // The target is little-endian, so the integers are written as they lie in memory.
    const INT32 size[2] = {nWidth, nHeight};
    DWORD nWritten = 0;
    ::WriteFile(hFile, data.data(), nSize, &nWritten, NULL);
    ::WriteFile(hFile, size, sizeof(size), &nWritten, NULL);
    ::CloseHandle(hFile);
    return TRUE;
}

BOOL AFXAPI ReadRgnFromFile(LPCTSTR lpszPath, CRgn& rgn, int& nWidth, int& nHeight) {
    HANDLE hFile =
        ::CreateFile(lpszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE) return FALSE;

    std::vector<BYTE> bytes;
    LARGE_INTEGER length = {};
    const DWORD nMinSize = sizeof(RGNDATAHEADER) + 2 * sizeof(INT32);
    if (::GetFileSizeEx(hFile, &length) && length.QuadPart >= nMinSize &&
        length.QuadPart <= kMaxRgnFileSize) {
        bytes.resize(static_cast<size_t>(length.QuadPart));
        DWORD nRead = 0;
        if (!::ReadFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &nRead, NULL) ||
            nRead != bytes.size())
            bytes.clear();
    }
    ::CloseHandle(hFile);
    if (bytes.empty()) return FALSE;

    // The header must describe exactly the rectangles that lie between it and the trailing size.
    const DWORD nData = static_cast<DWORD>(bytes.size() - 2 * sizeof(INT32));
    RGNDATAHEADER header;
    memcpy(&header, bytes.data(), sizeof(header));
    const DWORD nRects = (nData - sizeof(RGNDATAHEADER)) / sizeof(RECT);
    // More rectangles than a corner mask may give: too costly to make into a region, and more than
    // the display takes as a window shape. The corner is rebuilt from its mask, or stays square.
    if (header.dwSize != sizeof(RGNDATAHEADER) || header.iType != RDH_RECTANGLES ||
        (nData - sizeof(RGNDATAHEADER)) % sizeof(RECT) != 0 || header.nCount != nRects ||
        (header.nRgnSize != 0 && header.nRgnSize != nRects * sizeof(RECT)) ||
        nRects > static_cast<DWORD>(QVSkinRange::kMaxMaskRects))
        return FALSE;

    INT32 size[2];
    memcpy(size, bytes.data() + nData, sizeof(size));
    if (size[0] < 0 || size[1] < 0) return FALSE;

    HRGN hRgn = ::ExtCreateRegion(NULL, nData, reinterpret_cast<const RGNDATA*>(bytes.data()));
    if (hRgn == NULL) return FALSE;
    rgn.DeleteObject();
    rgn.Attach(hRgn);
    nWidth = size[0];
    nHeight = size[1];
    return TRUE;
}
