// The stand-alone classic toolbar window, of the window class "QVToolBar".
#pragma once

#include "QVToolBarBase.h"

// The toolbar template on a plain child window. Its message handlers forward to the template; its
// background without the flat look is the control-bar gradient with the grip.
class RIZ_API CQVToolBar : public CQVToolBarBase<CQVToolBar, CWnd> {
    DECLARE_DYNAMIC(CQVToolBar)
public:
    explicit CQVToolBar(HINSTANCE hInstance = NULL, UINT nArrowIconId = 0);
    ~CQVToolBar() override;

    using CWnd::CreateEx;
    // Registers "QVToolBar" on first use and creates a visible child window with an empty title.
    BOOL CreateEx(CWnd* pParentWnd, const RECT& rect, UINT nID);

    // The bar background: the skin's control-bar gradient and the grip.
    static void DrawBarAppearance(CDC* pDC, const CRect& rc, int nUnused);

protected:
    void PreSubclassWindow() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    using Base = CQVToolBarBase<CQVToolBar, CWnd>;
    BOOL m_bCreating = FALSE;  // inside CreateEx: the tooltip waits for WM_CREATE
};
