// A frame window with the skinned frame: caption, borders, caption buttons, outline, the skinned menu
// bar, owner-drawn menus with images, skin and language changes, and message boxes in the skin.
#pragma once

#include "SkinWndT.h"

class CQVControlBar;
class CQVDockBar;
class CQVDockState;
class CQVMiniDockFrameWnd;

// Created like any frame (Create, LoadFrame; with new: it deletes itself when its window goes). The
// frame's menu shows as the skinned menu bar under the caption; Alt, F10 and Alt + letter open it.
// At WM_CREATE the window grows by the difference between the skin frame and the system frame, so the
// client area keeps the size asked for; a skin change adjusts it again.
// Docking: EnableDocking makes the dock bars of the edges asked for (top and bottom first, so they take
// the full width); bars are then docked to an edge or floated through the services below, which the
// docking folder implements. Status prompts read the command id (wParam) before a text (lParam);
// neither (a toolbar's leave) shows the idle prompt.
class RIZ_API CSkinFrameWnd : public CSkinWndT<CFrameWnd> {
    DECLARE_DYNCREATE(CSkinFrameWnd)
public:
    CSkinFrameWnd();
    ~CSkinFrameWnd() override;

    // The status prompt of a command: its string resource, a "~key" translated through the language
    // table, cut after the first line.
    void GetMessageString(UINT nID, CString& rMessage) const override;

    // ---- Docking services ----
    // Makes the dock bars (CBRS_ALIGN_ bits) not there yet, floating frames CQVMiniDockFrameWnd; adds
    // WS_CLIPCHILDREN (never paints over what its layout moves). A failed dock bar: CResourceException.
    void EnableDocking(DWORD dwDockStyle);
    // Docks into the dock bar with id nDockBarID (AFX_IDW_DOCKBAR_...), or with 0 into the first whose
    // edge is the bar's own. Docking to an edge without a dock bar does nothing.
    void DockControlBar(CQVControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    void DockControlBar(CQVControlBar* pBar, CQVDockBar* pDockBar, LPCRECT lpRect = NULL);
    // Docks a floating bar back: by default into the edge holding its placeholder, else its own edge.
    void ReDockControlBar(CQVControlBar* pBar, CQVDockBar* pDockBar, LPCRECT lpRect = NULL);
    // Floats the bar in a floating frame at point (screen), dwStyle giving its orientation.
    void FloatControlBar(CQVControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // The visible dock bar of an allowed edge whose rectangle meets rect (screen): its style bits in
    // dwDockStyle, 0 when none.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CQVDockBar** ppDockBar = NULL);
    CQVMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    void ShowControlBar(CQVControlBar* pBar, BOOL bShow, BOOL bDelay);
    // The places of the bars with an id (edge, row, index and offset in the row, or the floating point
    // and orientation; visibility), taken into or applied from a CQVDockState (QVDockState.h). Applying
    // docks the bars back in the saved order; a bar without a usable record keeps its place.
    void GetDockState(CQVDockState& state) const;
    void SetDockState(const CQVDockState& state);
    // The same through the profile sections named from lpszProfileName; a missing or corrupt profile
    // leaves the bars as they are.
    void SaveBarState(LPCTSTR lpszProfileName) const;
    void LoadBarState(LPCTSTR lpszProfileName);
    // Puts the visible floating frames above this frame: a frame shown after its bars were floated
    // (a remembered layout restored before the first show) can otherwise cover them.
    void RaiseFloatingFrames();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR: shows or hides the bar with that id.
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg LRESULT OnRaiseFloatingFrames(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
