// The small floating frame that holds floating bars in a dock bar of its own.
#pragma once

#include "QVDockBar.h"
#include "QVMiniDockFrameLayout.h"

// Made by CSkinFrameWnd::CreateFloatingFrame (deleted with its window); the frame that docks the bars
// owns it. It sizes itself to its bars. Closing it hides its bars (and so the frame) instead of
// destroying it. Holding a single bar (no CBRS_FLOAT_MULTI), its caption drags the bar through the
// bar's dock context and a double click there docks the bar back; its borders resize a dynamic-size
// bar. The frame sizes by its four edges only: a corner counts as the top or bottom edge. A skin change
// (0x7E9) sent to the frame reaches its bars through its dock bar, as in a docked frame.
// It keeps the system's small-caption geometry and paints it in the skin (QVMiniDockFrameLayout.h): the
// window caption image over the top band, the border images on the other sides, the close button's
// frames scaled to the caption, always in their active look, since the frame stands for its docking
// frame. WM_PRINT with PRF_NONCLIENT draws the same. Its caption text is the title of its first bar,
// taken again at every layout.
class RIZ_API CQVMiniDockFrameWnd : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CQVMiniDockFrameWnd)
public:
    CQVMiniDockFrameWnd();
    ~CQVMiniDockFrameWnd() override;

    // A popup owned by pParent, with a dock bar (AFX_IDW_DOCKBAR_FLOAT) made under pParent first so
    // that pParent's bar list holds it, then moved into this frame. FALSE when a window fails.
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // As the function QVShowControlBar.
    void ShowControlBar(CQVControlBar* pBar, BOOL bShow, BOOL bDelay);

    CQVDockBar m_wndDockBar{TRUE};

protected:
    // The first bar held (positions from 1), NULL when none.
    CQVControlBar* GetFirstBar() const;
    // Activates the frame that docks the bars, as a click on its own window would.
    void ActivateDockingFrame();
    // The skinned parts of this window now.
    QVMiniFrameParts GetFrameParts() const;
    // TRUE when a screen point is over the skin's close button.
    BOOL IsOverCloseButton(CPoint ptScreen) const;
    // Paints the skinned frame into pDC, a DC of the whole window; the client area is left alone.
    void DrawFrame(CDC* pDC);
    void RedrawFrame();
    // The close button pressed: tracks the mouse until the release, which closes over the button.
    void TrackCloseButton();

    afx_msg void OnClose();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseLeave();
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPrint(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    int m_nCloseState = 0;  // the close button: 0 normal, 1 under the mouse, 2 pressed
};

// Shows or hides a bar now or at the next layout of its docking frame (bDelay), and a floating bar's
// frame with it: the frame shows when its first bar shows and hides when its last visible bar goes.
RIZ_API void QVShowControlBar(CQVControlBar* pBar, BOOL bShow, BOOL bDelay);
