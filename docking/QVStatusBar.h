// The skinned status bar of a frame: text panes laid out from the right, the first taking the rest.
#pragma once

#include <vector>

#include "QVControlBar.h"

// Create with CreateEx (id AFX_IDW_STATUS_BAR to receive the frame's prompts in pane 0) and give the
// pane widths with SetIndicators. The frame places the bar only when its bar style has
// CBRS_ALIGN_BOTTOM (CBRS_BOTTOM); it is always 20 pixels high. The bar's window text is pane 0.
class RIZ_API CQVStatusBar : public CQVControlBar {
    DECLARE_DYNAMIC(CQVStatusBar)
public:
    CQVStatusBar() = default;
    ~CQVStatusBar() override;

    // dwStyle: window styles; dwBarStyle: CBRS_ bar styles (CBRS_BOTTOM). FALSE when the class cannot
    // be registered or the window not made.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwStyle, DWORD dwBarStyle, UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per width, in order, with empty texts; NULL or a count below 1 leaves no pane (FALSE).
    BOOL SetIndicators(const int* lpWidths, int nCount);
    // Ignored for an index outside the panes.
    void SetPaneText(int nIndex, LPCTSTR lpszText);
    CString GetPaneText(int nIndex) const;
    int GetPaneCount() const { return static_cast<int>(m_panes.size()); }
    // The pane's rectangle (client coordinates); empty for a bad index.
    CRect GetPaneRect(int nIndex) const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    struct CPane {
        int nWidth = 0;
        CString strText;
        CRect rectPane;
        CRect rectText;
    };

protected:
    void LayoutPanes();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::vector<CPane*> m_panes;  // owned
};
