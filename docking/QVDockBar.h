// The container along one edge of a frame (or inside a floating frame) that holds control bars in
// rows and lays them out.
#pragma once

#include "QVControlBar.h"
#include "QVDockBarLayout.h"

// Made by CSkinFrameWnd::EnableDocking, one per edge (ids AFX_IDW_DOCKBAR_TOP, _BOTTOM, _LEFT, _RIGHT)
// and deleted with its window; the floating frame holds one as a member (AFX_IDW_DOCKBAR_FLOAT). The
// bars sit in m_arrBars (see QVDockBarLayout.h). A dock bar that goes before its bars clears their
// dock-bar pointers, so bar objects that outlive it never reach it.
class RIZ_API CQVDockBar : public CQVControlBar {
    DECLARE_DYNAMIC(CQVDockBar)
public:
    explicit CQVDockBar(BOOL bFloating = FALSE);
    ~CQVDockBar() override;

    // Docks pBar: at lpRect (screen) when given, in the row under its centre; else at the end in a
    // row of its own. A bar coming from an edge into a floating dock bar leaves a placeholder.
    void DockControlBar(CQVControlBar* pBar, LPCRECT lpRect = NULL);
    // As DockControlBar, but the bar takes the place its placeholder kept, when there is one.
    void ReDockControlBar(CQVControlBar* pBar, LPCRECT lpRect = NULL);
    // Takes pBar out (not at nPosExclude); nAddPlaceHolder as QVDockRemoveBar. TRUE when this took the
    // floating frame along (it held no bar any more): this object is gone then.
    BOOL RemoveControlBar(CQVControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    void RemovePlaceHolder(CQVControlBar* pBar);
    int FindBar(CQVControlBar* pBar, int nPosExclude = -1) const;
    // The bar at nPos; NULL for a row end or a placeholder.
    CQVControlBar* GetDockedControlBar(int nPos) const;
    int GetDockedCount() const;
    // Shows or hides every bar at the next layout.
    void ShowAll(BOOL bShow);
    // Takes a bar whose window is going out of the rows, without any layout or frame change.
    void RemoveDestroyedBar(CQVControlBar* pBar);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;
    BOOL IsDockBar() const override { return TRUE; }

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    virtual int GetDockedVisibleCount() const;

    BOOL m_bFloating = FALSE;
    QVDockRowList m_arrBars{nullptr};
    BOOL m_bLayoutQuery = FALSE;
    CRect m_rectLayout;

protected:
    // Where pBar goes for a drop at rect (client coordinates) centred at ptMid.
    int Insert(CQVControlBar* pBar, CRect rect, CPoint ptMid);
    // Steps shared by DockControlBar and ReDockControlBar.
    void DockBar(CQVControlBar* pBar, LPCRECT lpRect, BOOL bReDock);
    void ClearBarPointers();

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
