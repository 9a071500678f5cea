// A static text the library draws itself: its own font, colours and alignment, optionally over its
// parent's background, as a hyperlink, sized to its text, flashing its text or its background.
#pragma once

#include "RIZuruzezuDef.h"

#include <afxcmn.h>

// What a label's flash changes.
enum QVLabelFlashType {
    QVLFT_NONE = 0,
    QVLFT_TEXT = 1,        // the text colour, between the flash colour and the normal one
    QVLFT_BACKGROUND = 2,  // the background, between the flash brush and the background brush
};

// The timer of a flashing label.
#define QV_LABEL_FLASH_TIMER 1

// The DrawText flags of a label with the static style dwStyle, every rule a bit test: word breaks,
// or one line when either bit 0x4 or 0x8 is set (SS_LEFTNOWORDWRAP, SS_SIMPLE and the rectangle and
// frame kinds); SS_ENDELLIPSIS (also within SS_WORDELLIPSIS) before SS_PATHELLIPSIS; SS_CENTER (also
// within SS_SIMPLE) before SS_RIGHT.
inline UINT QVLabelDrawFlags(DWORD dwStyle) {
    UINT nFlags = (dwStyle & 0x4) || (dwStyle & 0x8) ? DT_SINGLELINE : DT_WORDBREAK;
    if (dwStyle & SS_ENDELLIPSIS)
        nFlags |= DT_END_ELLIPSIS;
    else if (dwStyle & SS_PATHELLIPSIS)
        nFlags |= DT_PATH_ELLIPSIS;
    if (dwStyle & SS_CENTER)
        nFlags |= DT_CENTER;
    else if (dwStyle & SS_RIGHT)
        nFlags |= DT_RIGHT;
    return nFlags;
}

// What a click on a link opens: the file handed to the launcher and the verb.
struct QVLabelLaunch {
    CString strFile;
    LPCTSTR lpszVerb;
};

// A target that starts with "http://" opens as it is, with "Open"; one that starts with "www." gets
// "http://" put in front and opens with "Open"; anything else opens with "open". Targets are kept in
// lower case, so the prefixes are compared as written.
inline QVLabelLaunch QVLabelLaunchFor(const CString& strLink) {
    if (strLink.Left(7) == _T("http://")) return QVLabelLaunch{strLink, _T("Open")};
    if (strLink.Left(4) == _T("www.")) return QVLabelLaunch{_T("http://") + strLink, _T("Open")};
    return QVLabelLaunch{strLink, _T("open")};
}

// Replaces a system static text: subclass an existing one (SubclassDlgItem) or Create one. The label
// paints off-screen in its own font (never the window's WM_SETFONT font) and adds SS_NOTIFY so that it
// gets the mouse; after UnsubclassWindow the window is a working system static again (stop a flash
// first: its timer would go on ticking, unheard, on the static). WM_PRINTCLIENT gets the same drawing
// as the screen.
//
// The parent must be a window object of the framework for STN_ENABLE / STN_DISABLE to reach the label
// (it redraws grey or normal then). Text set through the handle (::SetWindowText, WM_SETTEXT, as a
// language change does) is sized and drawn by the label like its own SetWindowText: the system's own
// drawing of the new text is painted over.
//
// Links open through QVUIShellExecute (replaceable by tests), with no window, no parameters and no
// folder. The hand cursor of SetFingerCursor is one for the whole process: a private copy of
// resource 4000 loaded at the first reference and destroyed with DestroyCursor at the last one, since
// it is not a shared cursor. Only when that resource cannot be loaded is the system's hand used; that
// one is shared and never destroyed.
class RIZ_API CQVLabel : public CStatic {
    DECLARE_DYNAMIC(CQVLabel)
public:
    CQVLabel();
    ~CQVLabel() override;

    // ---- Appearance ----
    // The text colour, also the one a text flash returns to; redraws at once.
    void SetTextColor(COLORREF crText);
    COLORREF GetTextColor() const { return m_crText; }
    // A new background brush, used from the next paint.
    void SetBkColor(COLORREF crBkgnd);
    // Paint the parent's background instead of a brush (also during a background flash).
    void SetTransparent(BOOL bTransparent);
    BOOL GetTransparent() const { return m_bTransparent; }
    // The font setters remake the font, size the label (SetAutoSize) and redraw at once.
    void SetFontBold(BOOL bBold);
    void SetFontItalic(BOOL bItalic);
    void SetFontUnderline(BOOL bUnderline);
    void SetFontSize(int nPixels);       // character height in pixels
    void SetFontName(LPCTSTR lpszFace);  // at most LF_FACESIZE - 1 characters are kept
    const LOGFONT& GetLogFont() const { return m_lf; }
    // WS_EX_STATICEDGE and WS_BORDER, applied with the frame recalculated.
    void SetSunken(BOOL bSunken);
    void SetBorder(BOOL bBorder);

    // Sets the text (NULL is an empty text), sizes the label and invalidates it.
    void SetWindowText(LPCTSTR lpszText);

    // Sizes the window to its text on one line whenever the text or the font changes: the text's
    // height, and its width but at most nMaxWidth (a longer text is then cut as the style draws it).
    void SetAutoSize(BOOL bAutoSize, int nMaxWidth = 1024, BOOL bApply = TRUE);
    BOOL GetAutoSize() const { return m_bAutoSize; }

    // ---- Links ----
    // A link underlines while the mouse is over it and opens its target (kept in lower case) on a
    // click. Leaving the label removes the underline, also one set by SetFontUnderline.
    void SetLink(BOOL bLink, LPCTSTR lpszLink);
    BOOL IsLink() const { return m_bLink; }
    CString GetLink() const { return m_strLink; }
    // Underline on hover without being a link.
    void Notify(BOOL bNotify);
    BOOL IsHover() const { return m_bHover; }
    // The cursor over the label; NULL leaves it to the system. Not owned.
    void SetLinkCursor(HCURSOR hCursor);
    // The process's hand cursor (above).
    void SetFingerCursor();
    HCURSOR GetLinkCursor() const { return m_hCursor; }

    // ---- Flashing ----
    // Starts a text or background flash on timer 1 (QVLFT_NONE stops; other values are ignored).
    // Another running flash is undone first; the same kind again keeps its timer. Each flash starts in
    // its "off" half: normal text colour, or the flash brush, until the first tick.
    void StartFlash(QVLabelFlashType nType);
    void StopFlash();
    BOOL IsFlashing() const { return m_nFlashType != QVLFT_NONE; }
    QVLabelFlashType GetFlashType() const { return m_nFlashType; }

    UINT GetDrawFlags() const { return m_nDrawFlags; }

protected:
    void PreSubclassWindow() override;

    // Sets the label's font colours on pDC and answers the background brush (the reflected
    // WM_CTLCOLORSTATIC, also the label's own at paint).
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    // The client area through an off-screen surface into pDC (WM_PAINT, WM_PRINTCLIENT).
    void PaintTo(CDC* pDC);
    void PaintLabel(CDC* pDC, const CRect& rcClient);
    void RemakeFont();
    // After a font change: size, then draw at once.
    void ApplyFont();
    void AutoSize();
    void OpenLink();
    void EnsureFlashTimer();
    void KillFlashTimer();
    void ReleaseFingerCursor();
    void SetUnderlineHover(BOOL bHover);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnEnableChanged();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL m_bHover = FALSE;  // the mouse is over a link or notifying label (one TrackMouseEvent per entry)
    COLORREF m_crText;      // in use
    COLORREF m_crFlash = RGB(255, 0, 0);  // the "on" half of a text flash
    COLORREF m_crNormal;                  // the colour a text flash returns to
    HBRUSH m_hBkBrush;                    // owned
    HBRUSH m_hFlashBrush;                 // owned: the "off" half of a background flash
    LOGFONT m_lf;
    CFont m_Font;  // made from m_lf
    BOOL m_bLink = FALSE;
    BOOL m_bNotify = FALSE;
    QVLabelFlashType m_nFlashType = QVLFT_NONE;
    HCURSOR m_hCursor = NULL;
    UINT_PTR m_nTimerID = 0;     // the flash timer while it runs
    UINT m_nFlashPeriod = 500;   // half-period, milliseconds
    BOOL m_bFlashState = FALSE;  // the "on" half
    CString m_strLink;           // lower case
    BOOL m_bTransparent = FALSE;
    BOOL m_bAutoSize = FALSE;
    int m_nMaxAutoWidth = 1024;
    UINT m_nDrawFlags = DT_WORDBREAK;  // from the style at subclassing
    BOOL m_bFingerCursor = FALSE;      // m_hCursor holds a reference to the process's hand cursor
};
