// A windowless vertical scroll bar drawn from one skin image; one per contact-list group.
#pragma once

#include "RIZuruzezuDef.h"

#include "IMListLayout.h"
#include "QVBitmap.h"

// Sent to the notify window when the position changes: wParam old position, lParam new position.
#define WM_IMLIST_SCROLL (WM_USER + 1504)  // 0x9E0

// Keeps geometry, range and position; the owner feeds it mouse events and draws it into its own DC.
// Every part of the image is a 15 x 15 cell (see the source table in IMScrollBar.cpp).
class RIZ_API CIMScrollBar {
public:
    enum ScrollBarArea {
        SBA_NONE = 0,
        SBA_MINDELTA = 1,  // upper arrow
        SBA_MAXDELTA = 2,  // lower arrow
        SBA_BAR = 3,       // thumb
        SBA_TRACK = 4,
    };
    enum { CELL = IMLIST_BAR_WIDTH };  // size of every part of the image

    // Loads "Common\IMList\scrollbar.bmp" of the current skin.
    CIMScrollBar();

    void SetRect(const CRect& rc);
    const CRect& GetRect() const { return m_rcBar; }
    const CRect& GetTrackRect() const { return m_rcTrack; }
    const CRect& GetMinDeltaRect() const { return m_rcMinDelta; }
    const CRect& GetMaxDeltaRect() const { return m_rcMaxDelta; }
    const CRect& GetBarRect() const { return m_rcThumb; }
    const CRect& GetLastDrawnBarRect() const { return m_rcLastThumb; }

    // A range with nMax <= nMin is stored as an empty range: the position stays at nMin and the thumb
    // fills the track.
    void SetRange(int nMin, int nMax, int nPage, int nLine);
    void GetRange(int& nMin, int& nMax) const {
        nMin = m_nMin;
        nMax = m_nMax;
    }
    int GetPage() const { return m_nPage; }
    int GetLine() const { return m_nLine; }
    void SetPos(int nPos);
    int GetPos() const { return m_nPos; }

    ScrollBarArea MouseInWhere(const CPoint& pt) const;
    // A button-down (or a repeat) at the point.
    void OnClick(const CPoint& pt);
    // A drag of the thumb to the point.
    void OnMouseMove(const CPoint& pt);

    void Draw(CDC* pDC, ScrollBarArea nHot);
    void DrawPart(CDC* pDC, ScrollBarArea nPart, int bHot);

    void SetNotifyWnd(HWND hWnd) { m_hNotifyWnd = hWnd; }
    HWND GetNotifyWnd() const { return m_hNotifyWnd; }
    void SetVisible(int bVisible) { m_bVisible = bVisible; }
    int IsVisible() const { return m_bVisible; }
    void SetVert(int bVert) { m_bVert = bVert; }
    int IsVert() const { return m_bVert; }

    // The image the bar is drawn from (shared with copies; replace it to draw another look).
    CQVBitmap& GetImage() { return m_image; }

protected:
    // Stores a clamped position and reports it when it changed; TRUE when it changed.
    BOOL StorePos(int nPos);
    void PlaceThumb();
    CIMScrollBarRects Parts() const;
    int ClampPos(int nPos) const;
    void DrawTrack(CDC* pDC, CDC* pImageDC, const CRect& rc) const;
    void DrawThumb(CDC* pDC, CDC* pImageDC, int bHot) const;
    void DrawCell(CDC* pDC, CDC* pImageDC, const CRect& rcPlace, const CRect& rcSource) const;

    int m_bVisible = 0;
    int m_bVert = 1;
    CRect m_rcBar;
    CRect m_rcTrack;
    CRect m_rcMinDelta;
    CRect m_rcMaxDelta;
    CRect m_rcThumb;
    CRect m_rcLastThumb;
    int m_nMin = 0;
    int m_nMax = 100;
    int m_nPage = 10;
    int m_nPos = 0;
    int m_nLine = 1;
    CPoint m_ptDragOffset;
    HWND m_hNotifyWnd = NULL;
    CQVBitmap m_image;
};
