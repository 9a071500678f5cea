// A plain docking pane: a control bar of its own window class that keeps the size it is given.
#pragma once

#include "QVControlBar.h"

// Create with CreateEx, then EnableDocking and dock it through the frame; put the pane's content in
// child windows. Docked, it asks for 200 pixels across its edge.
class RIZ_API CQVDockWnd : public CQVControlBar {
    DECLARE_DYNAMIC(CQVDockWnd)
public:
    CQVDockWnd() = default;
    ~CQVDockWnd() override = default;

    // dwCtrlStyle: window styles added as they are; dwStyle: window styles and CBRS_ bar styles;
    // rectBorders: the bar borders. Id AFX_IDW_TOOLBAR hides in place. FALSE when the class cannot
    // be registered or the window not made.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rectBorders, UINT nID);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
};
