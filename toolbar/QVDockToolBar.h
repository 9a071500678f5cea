// The dockable classic toolbar: the toolbar template on a control bar, of the window class
// "QVDockToolBar", docked in the rows of a skinned frame or floating in a small frame.
#pragma once

#include "QVControlBar.h"
#include "QVDockToolBarLayout.h"
#include "QVToolBarBase.h"

// Create with CreateEx as a child of the frame, add the items, call EnableDocking and let the frame
// dock or float it. Docked on a top or bottom edge or floating, the items lie in one row; on a left or
// right edge in one column (below the grip). Both layout queries answer the size the items need in
// the orientation asked for; a change of items resizes the bar and asks its frame for a new layout at
// idle. Notifications (prompts, commands, 0x9E7) go to the notify window, else to the bar's owner
// (the frame EnableDocking made it), so a docked and a floating bar talk to the same frame; that
// frame's status bar shows the prompt of the item under the mouse. At idle the owner frame's
// ON_UPDATE_COMMAND_UI handlers enable, check and uncheck the items (through CQVCmdUI). A click on
// the bar outside its items drags it, a double click there floats or docks it.
class RIZ_API CQVDockToolBar : public CQVToolBarBase<CQVDockToolBar, CQVControlBar> {
    DECLARE_DYNAMIC(CQVDockToolBar)
public:
    explicit CQVDockToolBar(HINSTANCE hInstance = NULL, UINT nArrowIconId = 0);
    ~CQVDockToolBar() override;

    // dwCtrlStyle: window styles added as they are; dwStyle: window styles and CBRS_ bar styles;
    // rectBorders: the bar borders. Id AFX_IDW_TOOLBAR hides in place. FALSE when the class cannot be
    // registered or the window not made.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                          CRect rectBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

    // The bar background: the control bar's gradient and grip.
    static void DrawBarAppearance(CDC* pDC, const CRect& rc, int nState);

    // The size of the row (horizontal) or the column; a query lays out nothing and moves nothing.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    // Applies the target's update handlers to every item but separators and static texts.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // Docking on another edge turns the row into a column or back.
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    // The item under point is a tool: a press there presses the item instead of dragging the bar.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    BOOL IsVertical() const { return m_bVertical; }
    // Where notifications go without a notify window: the owner.
    CWnd* GetNotifyParent() const;

protected:
    // The size of the items in a row or a column, laid out on copies: the items keep their places.
    CSize MeasureItems(BOOL bVertical);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    using Base = CQVToolBarBase<CQVDockToolBar, CQVControlBar>;
};
