// The docking state of one control bar: where it was last docked and last floated, so that a double
// click toggles between the two; the interactive drag and resize start here.
#pragma once

#include <afxwin.h>

#include "RIZuruzezuDef.h"

class CQVControlBar;
class CSkinFrameWnd;

// Made by CQVControlBar::EnableDocking and deleted with the bar; deleting it takes the bar out of its
// dock bar. The drag and resize loops are not part of this class yet: StartDrag and StartResize do
// nothing, so a bar moves only through the frame's docking services and ToggleDocking.
class RIZ_API CQVDockContext {
public:
    explicit CQVDockContext(CQVControlBar* pBar);
    virtual ~CQVDockContext();

    virtual void StartDrag(CPoint pt);
    virtual void StartResize(int nHitTest, CPoint pt);
    // Floating: back to the edge and rectangle it was last docked at (its placeholder, when it left
    // one); docked: floats at the last floating point, or at its docked place when it never floated.
    virtual void ToggleDocking();

    CPoint m_ptLast;
    CRect m_rectLast;
    CSize m_sizeLast;
    BOOL m_bDitherLast = FALSE;
    CRect m_rectDragHorz, m_rectDragVert, m_rectFrameDragHorz, m_rectFrameDragVert;
    CQVControlBar* m_pBar = nullptr;
    CFrameWnd* m_pDockSite = nullptr;
    DWORD m_dwDockStyle = 0;
    DWORD m_dwOverDockStyle = 0;
    DWORD m_dwStyle = 0;
    BOOL m_bFlip = FALSE;
    BOOL m_bForceFrame = FALSE;
    CDC* m_pDC = nullptr;
    BOOL m_bDragging = FALSE;
    int m_nHitTest = 0;
    UINT m_uMRUDockID = 0;   // the edge dock bar the bar was last docked to, 0 for none
    CRect m_rectMRUDockPos;  // the last docked rectangle, client coordinates of that dock bar
    DWORD m_dwMRUFloatStyle = 0;
    CPoint m_ptMRUFloatPos;  // x CW_USEDEFAULT: never floated
};
