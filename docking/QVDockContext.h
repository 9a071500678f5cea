// The interactive docking of one control bar: dragging it with an outline on the screen, deciding on
// every move whether it would dock to an edge of the frame or float, resizing a floating bar by its
// frame border, and toggling between the last docked and the last floating place.
#pragma once

#include <afxwin.h>

#include "QVAliveToken.h"
#include "QVDockContextLayout.h"
#include "RIZuruzezuDef.h"

class CQVControlBar;
class CQVDockBar;

// Made by CQVControlBar::EnableDocking and deleted with the bar; deleting it takes the bar out of its
// dock bar. StartDrag and StartResize run a modal loop (Track) until the left button goes up (the
// result is committed through the frame's docking services), or Escape, the right button, a lost
// capture, WM_QUIT (posted again) or the bar's destruction cancels it. During a loop the desktop is
// locked against updates and its window DC is held; every way out releases both, a context deleted
// mid-loop included. The outline drawn last stays readable (m_rectLast, m_sizeLast, m_bDitherLast)
// and a NULL m_pDC draws nothing, so the loop's decisions can be checked without the screen.
//
// Track runs on CQVMouseLoop (capture, pump, WM_QUIT, lost capture, destruction). Its moves are read
// at the message's own point (GetMessagePos, the point of the message just taken), not the cursor now,
// so input posted ahead is taken where it was posted. Track refuses when any window holds the capture.
class RIZ_API CQVDockContext {
public:
    explicit CQVDockContext(CQVControlBar* pBar);
    virtual ~CQVDockContext();

    // The drag from a screen point on the bar (its empty space, or a floating frame's caption).
    virtual void StartDrag(CPoint pt);
    // The resize of a floating dynamic-size bar by a frame border (HTLEFT ... HTBOTTOM).
    virtual void StartResize(int nHitTest, CPoint pt);
    // Floating: back to the edge and rectangle it was last docked at (its placeholder, when it left
    // one); docked: floats at the last floating point, or at its docked place when it never floated.
    virtual void ToggleDocking();

    // Steps of the loops, in the order they run.
    void InitLoop();
    void Move(CPoint pt);
    void OnKey(int nChar, BOOL bDown);
    void UpdateState(BOOL* pFlag, BOOL bNewValue);
    void Stretch(CPoint pt);
    BOOL Track();
    void EndDrag();
    void EndResize();
    void CancelLoop();
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    // The edge (align bits) the bar would dock to from the drag rectangles, 0 to float.
    DWORD CanDock();
    // The dock bar that takes the bar for an over-dock style; NULL for none.
    CQVDockBar* GetDockBar(DWORD dwOverDockStyle);

    CPoint m_ptLast;
    CRect m_rectLast;
    CSize m_sizeLast;
    BOOL m_bDitherLast = FALSE;
    // A drag: docked horizontally, vertically, and the floating outlines. A resize: the requested,
    // the actual bar size, the actual frame and (0, 0, frame borders).
    CRect m_rectDragHorz, m_rectDragVert, m_rectFrameDragHorz, m_rectFrameDragVert;
    CQVControlBar* m_pBar = nullptr;
    CFrameWnd* m_pDockSite = nullptr;
    DWORD m_dwDockStyle = 0;
    DWORD m_dwOverDockStyle = 0;  // the last docking decision, 0 to float
    DWORD m_dwStyle = 0;          // the bar's align bits at the loop's start
    BOOL m_bFlip = FALSE;         // Shift: the other orientation first
    BOOL m_bForceFrame = FALSE;   // Ctrl: never dock
    CDC* m_pDC = nullptr;         // the desktop's window DC during a loop
    BOOL m_bDragging = FALSE;
    int m_nHitTest = 0;
    UINT m_uMRUDockID = 0;   // the edge dock bar the bar was last docked to, 0 for none
    CRect m_rectMRUDockPos;  // the last docked rectangle, client coordinates of that dock bar
    DWORD m_dwMRUFloatStyle = 0;
    CPoint m_ptMRUFloatPos;  // x CW_USEDEFAULT: never floated

protected:
    QVDockDragRects DragRects() const;
    void SetDragRects(const QVDockDragRects& rects);
    QVDockResizeRects ResizeRects() const;
    void SetResizeRects(const QVDockResizeRects& rects);

    CDC m_dcScreen;          // holds the desktop DC while m_pDC points at it
    BOOL m_bLocked = FALSE;  // this loop locked the desktop's updates
    CQVAliveFlag m_alive;    // ends the loop when the context is deleted by a handler
};
