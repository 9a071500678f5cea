// A docking pane holding an outlook bar over its whole client area.
#pragma once

#include "QVDockWnd.h"
#include "QVOutBarCtrl.h"

// The outlook bar (m_wndOutBar, id 100) shows small icons from m_imageList (16 x 16); fill it with
// folders and items after creation. The pane asks for 100 x 100 pixels: derive and override
// CalcDynamicLayout to give it another size; a length of 32767 along its edge docks it as long as the
// edge, with the items scrolling inside.
class RIZ_API CQVDockOutlookBar : public CQVDockWnd {
    DECLARE_DYNAMIC(CQVDockOutlookBar)
public:
    CQVDockOutlookBar() = default;
    ~CQVDockOutlookBar() override;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    CQVOutBarCtrl m_wndOutBar;
    CImageList m_imageList;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
