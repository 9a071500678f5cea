// The skinned frame of a top-level window: borders, caption band, title, caption buttons, the menu
// bar under the caption, the client background and the window outline, all from the window skin
// record. Not a window itself: a skinned window class embeds one, attaches it at WM_NCCREATE and
// forwards its non-client messages to it.
#pragma once

#include "SkinMenuBar.h"
#include "SkinWndLayout.h"

class CQVSkinWndRes;

// The layout rectangles are the CSkinWndLayout fields (window coordinates), recomputed at every
// WM_NCCALCSIZE. The record pointer is taken at construction and read at every use, so a skin change
// shows at the next paint; InitHitTestRects must run again after it (the button sizes change).
class RIZ_API CSkinWnd : public CSkinMenuBar, protected CSkinWndLayout {
public:
    CSkinWnd();
    ~CSkinWnd() override;

    void AttachWnd(HWND hWnd, BOOL bSysMenu, BOOL bMinBox, BOOL bMaxBox, BOOL bSizable);
    void DetachWnd() {}
    HWND GetSafeHwnd() const { return m_hWnd; }

    // No skinned frame at all: the client is the whole window, the hit test is always HTCLIENT and the
    // outline a plain rectangle.
    void SetNoNCArea(BOOL bNoNCArea) {
        if (bNoNCArea != m_bNoNCArea) m_sizeRgn = CSize(-1, -1);
        m_bNoNCArea = bNoNCArea;
    }
    BOOL GetNoNCArea() const { return m_bNoNCArea; }
    // The hit-test code of the caption button under the mouse (HTMINBUTTON, HTMAXBUTTON, HTCLOSE).
    void SetFocusButton(int nButton) { m_nFocusButton = nButton; }
    int GetFocusButton() const { return m_nFocusButton; }
    void SetActive(BOOL bActive) { m_bActive = bActive; }
    BOOL GetActive() const { return m_bActive; }
    void SetMaximal(BOOL bMaximal) { m_bMaximal = bMaximal; }

    void InitHitTestRects();
    void AdjustHitTestRects(const CRect& rcWindow);
    const CSkinWndLayout& GetLayout() const { return *this; }

    // Makes the proposed rectangle the client rectangle under the skin frame (the window rectangle
    // less the borders, the caption and, with a menu, the 24-pixel menu bar) and lays the frame out
    // again; the window answers the message with it and runs no default calculation after it. The
    // menu bar follows the window's menu here: a menu set since the last call is loaded.
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    // Hit test of a screen point; selects the menu-bar item under it. Nothing matched: the previous
    // result.
    UINT OnNcHitTest(CPoint point);

    // Paints the whole frame through a memory surface; the client area of pDC is left untouched.
    // rcWindow is the window rectangle in screen coordinates.
    void DrawFrame(CDC* pDC, const CRect& rcWindow, BOOL bPressed);
    // Paints the client background by the skin's mode (1 colour, 2 tiled, 3 bands); FALSE when the
    // mode paints nothing.
    BOOL DrawClientBkg(CDC* pDC, const CRect& rc);

    // Gives the window its outline (corner outlines of the skin, corner masks cut out).
    void SetWndRegion();
    // SetWndRegion unless the window keeps the size its outline was made for and the skin has not
    // changed since (OnSkinChanged): a move, a repeated size message or a second call costs nothing.
    void UpdateWndRegion();
    // Cuts the skin's corner masks out of hRgn, reading each mask's region from its ".rgn" cache or
    // building it from the mask image (and writing the cache).
    void RemoveCornerRgn(const CRect& rcWindow, HRGN hRgn);
    static BOOL WriteRgnToFile(LPCTSTR lpszPath, HRGN hRgn, int nWidth, int nHeight);
    static BOOL ReadRgnFromFile(LPCTSTR lpszPath, CRgn& rgn, int& nWidth, int& nHeight);

    // How much a window grows so that its client area keeps its size under the skin frame.
    void GetWindowAddSize(CSize& size) const;

    CQVSkinWndRes* GetWndRes() const { return m_pWndRes; }

    // The window has a menu bar (a top-level window with a menu).
    BOOL HasMenu() const;
    // Loads the window's menu into the bar when it is not the one loaded; with bForce, loads it again
    // (its texts changed).
    void SyncMenuBar(BOOL bForce = FALSE);
    // A new skin: button sizes again, the menu bar laid out again at its next paint.
    void OnSkinChanged();

protected:
    void DrawWndBorder(CDC* pDC, const CRect& rc, BOOL bActive);
    void DrawWndIcon(CDC* /*pDC*/) {}  // the skin draws no icon
    void DrawWndButtons(CDC* pDC, const CRect& rc, BOOL bPressed, BOOL bActive);
    void DrawTitle(CDC* pDC);
    void DrawMenuBar(CDC* pDC);
    // The client rectangle in window coordinates (origin at the window's top-left corner).
    CRect GetClientRectInWindow(const CRect& rcWindow) const;

    BOOL m_bSysMenu = FALSE;
    BOOL m_bMinBox = FALSE;
    BOOL m_bMaxBox = FALSE;
    BOOL m_bSizable = FALSE;
    BOOL m_bActive = FALSE;
    BOOL m_bMaximal = FALSE;
    int m_nFocusButton = -1;
    UINT m_nLastHitTest = 0;
    CQVSkinWndRes* m_pWndRes = nullptr;
    BOOL m_bNoNCArea = FALSE;
    HMENU m_hLoadedMenu = nullptr;  // the menu the bar was loaded from
    CFont m_fontTitle;              // bold 10 points in the language's default face
    CString m_strTitleFace;         // the face m_fontTitle was made with
    CSize m_sizeRgn{-1, -1};        // the window size the outline was made for; -1: none, or a new skin
};
