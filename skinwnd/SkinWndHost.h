// The window side of the skinned frame, shared by CSkinDialog, CSkinFrameWnd and CSkinPopupWnd: what
// each of them does with a non-client, activation, menu, skin or language message, in terms of its
// CSkinWnd. Internal to the library.
#pragma once

#include "QVAliveToken.h"
#include "QVMenuRef.h"
#include "SkinWnd.h"

class CQVBitmapList;

// Sent by the system to draw its own caption over a custom frame; a skinned window answers 1.
#define WM_NCUAHDRAWCAPTION 0x00AE

// Made on the stack by a handler of the window: the window object, its skinned frame and the two
// fields the handlers keep. A handler that runs code which may destroy the window (a message sent,
// the default handling, a menu loop) checks IsAlive() before it touches anything again.
class CSkinWndHost {
public:
    CSkinWndHost(CWnd* pWnd, CSkinWnd& skin, UINT& nLastNcHit, CSize& sizeAdded)
        : m_pWnd(pWnd), m_hWnd(pWnd->GetSafeHwnd()), m_alive(pWnd), m_skin(skin), m_nLastNcHit(nLastNcHit),
          m_sizeAdded(sizeAdded) {}

    // The window still exists and still belongs to its object.
    BOOL IsAlive() const { return m_alive.IsAlive(); }

    // Paints the whole frame through a window DC.
    void RedrawFrame(BOOL bPressed = FALSE) const;
    // WM_PRINT: the default printing of the client area and children, the skinned frame with
    // PRF_NONCLIENT.
    LRESULT OnPrint(WPARAM wParam, LPARAM lParam) const;

    // WM_NCCREATE, after the default handling succeeded: attaches the frame with the style bits.
    void AttachFrame() const;
    // Grows (or shrinks) the window by what the skin frame needs beyond what was added before, and
    // gives it its outline for that size. bFrameChanged: the frame is calculated again in the same move
    // (a new skin), even when the size stays.
    void AdjustWindowSize(BOOL bFrameChanged = FALSE) const;

    LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam) const;
    // Translates the window tree and its menu, and loads the menu bar again.
    LRESULT OnLanChanged() const;
    LRESULT OnSetText() const;
    void OnNcMouseLeave() const;
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) const;
    // Draws the frame active or inactive; a frame that stays active in look (WF_STAYACTIVE: a window
    // whose activation follows it is active) and is enabled draws active either way.
    BOOL OnNcActivate(BOOL bActive) const;
    // bSysMenuAtIcon: a press on the icon opens the system menu at the window's top-left corner.
    void OnNcLButtonDown(UINT nHitTest, BOOL bSysMenuAtIcon) const;
    void OnNcLButtonUp(UINT nHitTest) const;
    void OnNcMouseMove(UINT nHitTest) const;
    void OnActivateApp(BOOL bActive) const;
    // WM_INITMENU: the frame redrawn, the menu's items made owner-drawn (kept in menuRef).
    void OnInitMenu(CMenu* pMenu, CQVMenuRef& menuRef) const;
    // WM_CREATE of the frame and popup: the window's menu loaded into the bar and made owner-drawn.
    void InitWindowMenu(CQVMenuRef& menuRef) const;
    // WM_SYSCOMMAND: SC_KEYMENU opens the skinned bar; TRUE when handled here.
    BOOL OnSysCommand(UINT nID, LPARAM lParam) const;

    // Owner-drawn menu items (control id 0); FALSE for a control's item.
    static BOOL DrawMenuItem(CWnd* pWnd, int nIDCtl, LPDRAWITEMSTRUCT lpDIS, CQVBitmapList* pBitmapList);
    // Controls' items are left to the window's base handling (FALSE), which reflects them to owner-drawn
    // controls: a skinned dialog of owner-drawn list or combo boxes must still get them measured.
    static BOOL MeasureMenuItem(CWnd* pWnd, int nIDCtl, LPMEASUREITEMSTRUCT lpMIS);
    // The status prompt of a command: its string resource, "~key" translated, cut after the first line.
    static void GetMessageString(UINT nID, CString& rMessage);

private:
    CWnd* m_pWnd;
    HWND m_hWnd;
    CQVAliveToken m_alive;
    CSkinWnd& m_skin;
    UINT& m_nLastNcHit;
    CSize& m_sizeAdded;
};
