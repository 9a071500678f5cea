// Two panel windows side by side or stacked, framed, with a draggable bar between them.
#pragma once

#include "QVShpae.h"
#include "QVSplitWndLayout.h"
#include "RIZuruzezuDef.h"

// The split window becomes the parent of both panels (it never owns or destroys them). The split
// position is the size of the fixed panel (the first, or the second with bSecondFixed); the other
// panel takes the rest. Each panel is framed by a rounded shape (corner 3) grown by the border size,
// white inside, in the skin's control border colour; between the frames the parent's background shows.
//
// Dragging: the press is taken only when the last WM_SETCURSOR found the pointer in the bar. A ghost
// bar (an inverted halftone drawn on the window's DC, over the panels) follows the pointer while it
// stays within first minimum ... far edge - second minimum, measured from the client edge; the panels
// are laid out again only at the release, from the ghost's edge. So a press and release without a
// move shifts the bar: the ghost's top jumps to the pointer while the bar was drawn at layout top +
// position + 2, i.e. 5 to 10 pixels down with the first panel fixed and the default sizes. Losing the
// capture or being destroyed mid-drag erases the ghost and keeps the position.
//
// On a skin change (0x7E9) the window passes the message to its panels (invalidating those that
// answer non-zero), takes the border colour from the skin again unless SetBorderColor chose one,
// and answers 1.
class RIZ_API CQVSplitWnd : public CWnd {
    DECLARE_DYNAMIC(CQVSplitWnd)
public:
    CQVSplitWnd();
    ~CQVSplitWnd() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Makes this window the parent of both panels and lays them out. Either panel may be NULL (its
    // place stays empty). Refused (FALSE, nothing changed) before creation, for one window given
    // twice, for a pointer without a window, and for this window or one of its ancestors.
    BOOL SetPanels(CWnd* pFirst, CWnd* pSecond, BOOL bStacked = TRUE, BOOL bSecondFixed = FALSE);
    // Stores the position, lays out (clamping it) and invalidates. While the window has no client
    // area (or no window) the position is only stored, like a size message of zero does not lay out.
    void SetSplitPos(int nPos);
    int GetSplitPos() const { return m_nSplitPos; }
    // Negative values count as 0; values are capped at 32767. Applied at the next layout.
    void SetBorderSize(int cx, int cy);
    void SetPanelMinSize(int nFirstMin, int nSecondMin);
    // A colour of the host's own; the skin's border colour is no longer taken at a skin change.
    void SetBorderColor(COLORREF clr);

    BOOL IsStacked() const { return m_bStacked; }
    BOOL IsSecondFixed() const { return m_bSecondFixed; }
    BOOL IsDragging() const { return m_bDragging; }
    CRect GetBarRect() const { return m_rcBar; }
    CRect GetGhostRect() const { return m_rcGhost; }
    CRect GetLayoutRect() const { return m_rcLayout; }
    COLORREF GetBorderColor() const { return m_clrBorder; }
    const CQVShpae& GetBorderShape(int nPanel) const { return nPanel == 0 ? m_shapeFirst : m_shapeSecond; }

protected:
    // Places the panels and frames for the current client size; the position is clamped and stored.
    void RecalcLayout();
    // Inverts the halftone over the ghost rectangle on a DC the panels do not clip.
    void DrawGhost();
    void EndDrag();  // erases the ghost; the position stays
    HWND Panel(int nPanel) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL m_bStacked = TRUE;
    BOOL m_bSecondFixed = FALSE;
    CWnd* m_pFirst = nullptr;
    CWnd* m_pSecond = nullptr;
    HWND m_hFirst = nullptr;  // the panels are reached by handle: a host may destroy them
    HWND m_hSecond = nullptr;
    int m_nSplitPos = 0;
    CSize m_szBorder = CSize(qvsplit::kDefaultBorder, qvsplit::kDefaultBorder);
    CRect m_rcLayout = CRect(0, 0, 0, 0);
    CRect m_rcBar = CRect(0, 0, 0, 0);
    CRect m_rcGhost = CRect(0, 0, 0, 0);
    int m_nBarThickness = qvsplit::kBarThickness;
    BOOL m_bDragging = FALSE;
    int m_nFirstMin = qvsplit::kDefaultFirstMin;
    int m_nSecondMin = qvsplit::kDefaultSecondMin;
    BOOL m_bCursorInBar = FALSE;
    HCURSOR m_hCursorNS = nullptr;  // system cursors, picked by the current orientation
    HCURSOR m_hCursorWE = nullptr;
    CQVShpae m_shapeFirst;
    CQVShpae m_shapeSecond;
    COLORREF m_clrBorder = RGB(0, 0, 0);
    BOOL m_bOwnBorderColor = FALSE;
};
