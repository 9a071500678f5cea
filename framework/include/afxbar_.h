// Control bars: CControlBar, the base of the bars a frame lays out along its edges (tool bars, status
// bars, dock bars), with its styles, borders, delayed showing and the WM_SIZEPARENT placement.
#pragma once

#include "afxver_.h"
#include "atltypes.h"
#include "afxwnd_.h"
#include "afxframe_.h"

// ---- Bar styles (m_dwStyle) ----
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// ---- Layout modes of CalcDynamicLayout ----
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

// The window class of control bars and dock bars, registered on first use.
#define AFX_WNDCONTROLBAR _T("AfxControlBar90")
AFX_CORE_API LPCTSTR AFXAPI AfxControlBarClass();

// The bars' line width: the doubled system border (2 pixels), the step between bars in a row.
AFX_CORE_API int AFXAPI AfxBarBorderX();
AFX_CORE_API int AFXAPI AfxBarBorderY();

// A bar placed by its frame's RecalcLayout. At WM_CREATE a bar whose parent is a frame joins that
// frame's bar list (m_pDockSite); it leaves at WM_DESTROY. Show and hide requests can be delayed to
// the next layout (DelayShow); IsVisible answers with the delayed state. The object deletes itself
// after its window when m_bAutoDelete is set.
class AFX_CORE_API CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar() = default;
    ~CControlBar() override;

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect);
    CRect GetBorders() const;
    // The frame this bar lays out in: its parent frame (a floating frame when it floats), else the
    // frame it was created in.
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
    int GetCount() const { return m_nCount; }

    // Size of the bar docked (bStretch: as long as its side), and for a length and LM_ mode.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // The client rectangle less the border lines and the bar borders (exchanged when vertical).
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    // Idle command-UI update of the bar's items, with the frame as target.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual void DoPaint(CDC* pDC);
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    // Show or hide at the next layout instead of now.
    virtual void DelayShow(BOOL bShow);
    // Visible as the next layout will leave it (delayed requests included).
    virtual BOOL IsVisible() const;
    // Applies a delayed request inside a layout pass (deferred when the pass has a DeferWindowPos
    // handle, not at all when it only measures, at once without a pass); answers the bar's align and
    // border bits with WS_VISIBLE as the bar will be.
    virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
    virtual BOOL IsDockBar() const { return FALSE; }
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    // Paints the non-client area: the border lines in the system colours.
    void EraseNonClient();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };

    BOOL m_bAutoDelete = FALSE;
    int m_cxLeftBorder = 6, m_cxRightBorder = 6;
    int m_cyTopBorder = 1, m_cyBottomBorder = 1;
    int m_cxDefaultGap = 2;
    UINT m_nMRUWidth = 32767;
    int m_nCount = 0;
    void* m_pData = nullptr;
    UINT m_nStateFlags = 0;
    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    CFrameWnd* m_pDockSite = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
