// The base of every dockable bar: a control bar that docks in the rows of a CQVDockBar along an edge
// of a CSkinFrameWnd or floats in a CQVMiniDockFrameWnd, with the skin's gradient background.
#pragma once

#include <afxwin.h>

#include "RIZuruzezuDef.h"

class CQVDockBar;
class CQVDockContext;

// Create the bar as a child of the frame, call EnableDocking, then let the frame dock or float it
// (CSkinFrameWnd::DockControlBar, FloatControlBar). A click on the bar's empty space starts a drag
// and a double click toggles between docked and floating (through the dock context).
class RIZ_API CQVControlBar : public CControlBar {
    DECLARE_DYNAMIC(CQVControlBar)
public:
    CQVControlBar();
    ~CQVControlBar() override;

    // The edges (CBRS_ALIGN_ bits, CBRS_FLOAT_MULTI) the bar may dock to; makes the dock context.
    void EnableDocking(DWORD dwDockStyle);
    // A dock bar: its own floating flag; another bar: its dock bar is a floating one.
    BOOL IsFloating() const;

    // The bar background: a vertical gradient from skin colour 5 to 6 over rect, and the grip (three
    // white 3 x 3 squares at left + 5, each with a 2 x 2 grey square on its top-left). nState is unused.
    static void DrawBarAppearance(CDC* pDC, const CRect& rect, int nState);
    // Reads the gradient colours from the skin again.
    static void ResetColors();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    CQVDockBar* m_pDockBar = nullptr;          // the dock bar holding this bar, NULL when none
    CQVDockContext* m_pDockContext = nullptr;  // made by EnableDocking, owned

protected:
    // The creation of a pane-like bar in a window class of its own (registered on first use): bar styles
    // and borders taken from dwStyle and rectBorders, window styles from the rest of dwStyle and
    // dwCtrlStyle. Id AFX_IDW_TOOLBAR hides in place.
    BOOL CreateBarWindow(LPCTSTR lpszClassName, CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle,
                         const CRect& rectBorders, UINT nID);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
