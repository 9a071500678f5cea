// Gives every popup menu window of the thread a flat frame in the skin's colours.
#pragma once

#include "RIZuruzezuDef.h"

// One object per hooked popup menu window (class "#32768"). A thread hook finds the windows as they
// are made and subclasses them; the object draws the frame (a border in colour entry 4 of the skin's
// colour table, then two rings in the window record's client background colour) and gives the window
// back its own procedure when it is hidden or destroyed.
class RIZ_API CQVMenuWndHook {
public:
    explicit CQVMenuWndHook(HWND hWnd);
    virtual ~CQVMenuWndHook();

    // Sets the calling thread's hook (once per thread) and takes the vertical offset of the popups and
    // the two colours of the current skin (renewed at every call).
    static void InstallHook(int nOffsetY = 0);
    // For the calling thread: gives its hooked windows their procedure back, drops them from the map and
    // removes its hook.
    static void UnInstallHook();
    // The calling thread has its hook.
    static BOOL IsHookInstalled();

    // The object of a hooked window, or NULL.
    static CQVMenuWndHook* GetWndHook(HWND hWnd);
    // Makes and maps the object of a window (the existing one when it is already mapped).
    static CQVMenuWndHook* AddWndHook(HWND hWnd);
    // Number of hooked windows.
    static int GetWndHookCount();

    static LRESULT CALLBACK WindowHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CoolMenuProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // The process-wide window map: made at module start, destroyed at module end, when every window
    // still hooked gets its procedure back and every thread's hook is removed (nothing of this module
    // may be called once it is unloaded).
    static void CreateWndMap();
    static void DestroyWndMap();

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Name of the window property that holds the popup's own procedure.
    static LPCTSTR GetOldProcProperty() { return _T("CoolMenu_oldProc"); }

protected:
    void OnWindowPosChanging(WINDOWPOS* pWndPos);
    void OnNcCalcsize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnPrint(CDC* pDC);
    void OnNcDestroy();
    void OnShowWindow(BOOL bShow);

    // Paints the frame into a DC whose origin is the window's top-left corner.
    void DrawFrame(CDC* pDC);
    // Width of the bar item this popup hangs from (its top joins the item), or 0.
    int GetJoinedItemWidth() const;
    // Puts the popup's own procedure back, removes the property and the map entry.
    void Restore();

    HWND m_hWnd = nullptr;
    CBitmap m_bmpBk;
    BOOL m_bOffsetApplied = FALSE;

    static int s_nOffsetY;
    static COLORREF s_clrBorder;
    static COLORREF s_clrFill;
};
