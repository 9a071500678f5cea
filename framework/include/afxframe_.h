// Frame windows: CFrameWnd (menu and accelerators from resources, layout of the bars and the view,
// status-line prompts, command routing through the active view) and the small-captioned CMiniFrameWnd.
#pragma once

#include "afxver_.h"
#include "afxstr.h"
#include "atltypes.h"
#include "afxcoll.h"
#include "afxwnd_.h"

// ---- Control ids of a frame's standard children ----

#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PREVIEW_BAR 0xE802
#define AFX_IDW_RESIZE_BAR 0xE803
#define AFX_IDW_REBAR 0xE804
#define AFX_IDW_DIALOGBAR 0xE805
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT 0xE81F
#define AFX_IDW_PANE_FIRST 0xE900  // the view
#define AFX_IDW_PANE_LAST 0xE9FF
#define AFX_IDW_HSCROLL_FIRST 0xEA00
#define AFX_IDW_VSCROLL_FIRST 0xEA10
#define AFX_IDW_SIZE_BOX 0xEA20
#define AFX_IDW_PANE_SAVE 0xEA21

// Commands that show and hide the standard bars.
#ifndef ID_VIEW_TOOLBAR
#define ID_VIEW_TOOLBAR 0xE800
#endif
#ifndef ID_VIEW_STATUS_BAR
#define ID_VIEW_STATUS_BAR 0xE801
#endif

// Strings of the status line.
#ifndef AFX_IDS_APP_TITLE
#define AFX_IDS_APP_TITLE 0xE000
#endif
#define AFX_IDS_IDLEMESSAGE 0xE001  // "Ready"
#define AFX_IDS_HELPMODEMESSAGE 0xE002
#define AFX_IDS_SCFIRST 0xEF00  // prompts of the system commands, SC_SIZE onwards
#define AFX_IDS_MDICHILD 0xEF1F

// Frame styles (in the style bits the system leaves to the class).
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00040000L
#define FWS_SNAPTOBARS 0x00002000L  // the frame sizes itself to hold its bars (floating frames)

// Mini-frame styles.
#define MFS_SYNCACTIVE 0x00000100L    // activation follows the owner
#define MFS_4THICKFRAME 0x00000200L   // sizable on the sides only
#define MFS_THICKFRAME 0x00000400L    // sizable
#define MFS_MOVEFRAME 0x00000800L     // the border moves the window
#define MFS_BLOCKSYSMENU 0x00001000L  // no system menu

// Strings of the framework's own resources.
#define AFX_IDS_HIDE 0xF011  // "&Hide": the close command of a floating bar's system menu

class CControlBar;

// What a frame's creation makes: the class of the view (created as pane AFX_IDW_PANE_FIRST).
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;  // a CWnd class with DECLARE_DYNCREATE, or NULL
    CWnd* m_pLastView = nullptr;               // the view the new view copies its state from
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// Moves hWnd to lpRect (parent client coordinates) within a layout pass: deferred when the pass has a
// DeferWindowPos handle, not at all for a measuring pass (NULL hDWP), at once without a pass (NULL
// lpLayout). Nothing happens when the window is already there.
AFX_CORE_API void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

// Whether a caption that the system asks to draw bActive looks active: always while the window keeps
// WF_STAYACTIVE (its floating frame is the active window) and is enabled, else as asked. Frames and
// skinned windows both start from this; a frame also draws inactive whenever it is disabled.
AFX_CORE_API BOOL AFXAPI AfxIsCaptionActive(const CWnd* pWnd, BOOL bActive);

// ---- CFrameWnd ----

// A top-level (or child) window holding control bars and a view. Commands go to the active view first,
// then the frame, then the application. The frame deletes itself when its window is destroyed (create
// it with new).
class AFX_CORE_API CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    // A rectangle that lets the system choose position and size.
    static const CRect rectDefault;

    CFrameWnd() = default;
    ~CFrameWnd() override;

    // lpszMenuName: a menu along the resource chain; a menu that cannot be loaded fails the creation
    // (and deletes the object). pParentWnd is the owner of a top-level frame.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                        DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
    // Creates the frame from the resources sharing nIDResource: the menu (required), the accelerators,
    // the title (string nIDResource up to its first '\n') and the icon.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    // Accelerators along the resource chain; they apply in PreTranslateMessage.
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    virtual HACCEL GetDefaultAccelerator();

    // ---- Layout ----
    // Lays the bars (children answering WM_SIZEPARENT) out and gives the rest of the client area to
    // the view (AFX_IDW_PANE_FIRST).
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Asks for RecalcLayout at the next idle time (WM_IDLEUPDATECMDUI).
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // Shows the frame (nCmdShow -1: normal when hidden, restored when minimized) and brings it to top.
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual CFrameWnd* GetActiveFrame();
    // Tells the floating windows owned by the top-level frame (WM_FLOATSTATUS with dwFlags); with
    // FS_ACTIVATE or FS_DEACTIVATE the top-level frame's caption is drawn active or inactive first.
    void NotifyFloatingWindows(DWORD dwFlags);

    // ---- Control bars ----
    // The bar with control id nID among the bars this frame holds, or NULL.
    CControlBar* GetControlBar(UINT nID);
    // Shows or hides a bar now or at the next layout (bDelay), and lays the frame out again.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // The bar list: bars add themselves at WM_CREATE and leave at WM_DESTROY.
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR: toggles the bar with that id; its menu item is checked while
    // the bar shows.
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);

    // ---- The view: any child window receiving commands before the frame ----
    // NULL when there is none or its window has gone.
    CWnd* GetActiveView() const;
    void SetActiveView(CWnd* pViewNew, BOOL bNotify = TRUE);
    // Creates the view of pContext->m_pNewViewClass as pane nID.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // ---- Status line ----
    // The prompt of command nID: string nID up to its first '\n' (empty when there is none).
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    // The window showing the prompts: the descendant with id AFX_IDW_STATUS_BAR, or NULL.
    virtual CWnd* GetMessageBar();

    // ---- Title ----
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    BOOL IsFrameWnd() const override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };

    BOOL m_bAutoMenuEnable = TRUE;   // menu items without any handler are disabled
    HMENU m_hMenuDefault = nullptr;  // the menu the frame was created with
    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDHelp = 0;
    UINT m_nIDTracking = 0;     // the command whose prompt should show
    UINT m_nIDLastMessage = 0;  // the command whose prompt shows
    int m_nIdleFlags = 0;       // IdleFlags waiting for the next idle time
    BOOL m_bInRecalcLayout = FALSE;
    BOOL m_bHelpMode = FALSE;
    CRect m_rectBorder;  // space kept free around the view
    CString m_strTitle;
    // For the control bars a frame holds (filled by the bars themselves).
    CPtrList m_listControlBars;
    CRuntimeClass* m_pFloatingFrameClass = nullptr;
    // A show command (SW_HIDE, SW_SHOWNA ...) the idle time applies to the frame, -1 for none.
    int m_nShowDelay = -1;

protected:
    // The view and the other children of the client area; creates the view of pContext, if any.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void BringToTop(int nCmdShow);
    // The frame deletes itself.
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    // The top-level frame stays active in look (WF_STAYACTIVE) while it or a window whose activation
    // follows it (a floating frame answering FS_SYNCACTIVE) is the active window.
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    // Draws the caption active while WF_STAYACTIVE is set, unless the frame is disabled.
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    // Idle work (WM_IDLEUPDATECMDUI): a delayed layout, the title, the prompt being tracked.
    afx_msg void OnIdleUpdateCmdUI();
    afx_msg LRESULT HandleIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pViewActive = nullptr;
    HWND m_hWndViewActive = nullptr;  // tells whether m_pViewActive still has its window
    BOOL m_bRouting = FALSE;          // OnCmdMsg is asking the view
};

// ---- CMiniFrameWnd ----

// A frame with a small (tool-window) caption, for floating palettes.
class AFX_CORE_API CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd() = default;
    ~CMiniFrameWnd() override = default;

    // dwStyle takes the window styles and the MFS_ styles; lpClassName NULL uses a framework class.
    BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = NULL, UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd = NULL, UINT nID = 0);
    // Grows a client rectangle to the window rectangle of a mini frame with these styles.
    static void PASCAL CalcBorders(LPRECT lpClientRect, DWORD dwStyle = WS_THICKFRAME | WS_CAPTION,
                                   DWORD dwExStyle = 0);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    CString m_strCaption;

protected:
    // With MFS_SYNCACTIVE: answers FS_SYNCACTIVE with 1 and draws its caption as FS_ACTIVATE or
    // FS_DEACTIVATE say, unless it is the active window itself.
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
