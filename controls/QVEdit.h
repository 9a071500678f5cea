// A skinned edit box: a one-pixel border in the skin's colour, its own background colours or the
// parent's background behind it, grey cue text while empty, optional auto-size, Enter offered to the
// parent first.
#pragma once

#include "QVOnePixelFrame.h"
#include "RIZuruzezuDef.h"

#include <afxcmn.h>

// Replaces a system edit: subclass an existing one (SubclassDlgItem) or Create one. The border is drawn
// only for an edit with WS_EX_CLIENTEDGE; an edit without it keeps the system's frame. In a multi-byte
// build a double-byte character typed as two WM_CHAR bytes enters as one character.
//
// Outside password edits the cue is the window text while it shows: GetWindowText, DDX_Text and
// EN_CHANGE see it (TextForEmpty tells it apart). A password edit shows its cue in a child edit laid
// over it instead, so its own text stays empty. Text set by the host (SetWindowText, WM_SETTEXT from
// anywhere) takes the cue down first: it is never drawn grey nor wiped when the edit next gains the
// focus.
//
// The parent must be a window object of the framework so that WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC
// reach the edit's CtlColor; Enter reaches the parent only under the framework's message loop or
// DoModal (PreTranslateMessage).
class RIZ_API CQVEdit : public CEdit {
    DECLARE_DYNAMIC(CQVEdit)
public:
    CQVEdit();
    ~CQVEdit() override;

    using CEdit::CreateEx;
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                  LPVOID lpParam = nullptr) override;

    // The background while enabled and while disabled. A brush already made stays in use until the
    // next enable change.
    void SetBkColor(COLORREF clrNormal, COLORREF clrDisabled = RGB(202, 222, 233));
    COLORREF GetBkColor() const { return m_clrBkNormal; }
    COLORREF GetDisabledBkColor() const { return m_clrBkDisabled; }

    // Paint the parent's background behind the text instead of a colour.
    void SetTransparent(BOOL bTransparent);
    BOOL GetTransparent() const { return m_bTransparent; }

    // The cue shown while the edit is empty and has no focus; an empty cue shows nothing.
    void SetTextForEmpty(LPCTSTR lpszText);
    CString GetTextForEmpty() const { return m_strEmptyText; }
    BOOL TextForEmpty() const { return m_bShowingEmptyText; }
    // Takes a showing cue down (the window text becomes empty) until RestoreTextForEmtpy.
    void DisableTextForEmpty();
    void RestoreTextForEmtpy();

    // Sizes the window's width to its text (+20, at most nMaxWidth) whenever the text is set; with
    // bApply, at once.
    void SetAutoSize(BOOL bAutoSize, int nMaxWidth = 1024, BOOL bApply = TRUE);
    BOOL GetAutoSize() const { return m_bAutoSize; }

    // Sets the text, sizes the window (auto-size) and shows the cue when the text is empty and the
    // edit has no focus.
    void SetWindowText(LPCTSTR lpszString);

    // Rebuilds the transparent background from what the parent paints behind the edit now.
    void PrepareTransparentBkgnd();

    // The cue overlay of a password edit (NULL until the cue first shows).
    CQVEdit* GetOverlay() const { return m_pOverlay; }
    BOOL IsOverlay() const { return m_bIsOverlay; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Whether the byte leads a double-byte character of the thread's code page (never in a Unicode
    // build).
    static BOOL IsLeadByte(UINT nChar);

protected:
    void PreSubclassWindow() override;

    // What creation and subclassing share: the brush, the posted frame recalculation, the cue.
    void InitEdit(BOOL bApplyCue);
    // Shows (bShow) or takes down the cue as the edit's state allows.
    void ApplyTextForEmpty(BOOL bShow);
    void ShowOverlay();
    // Sets the window text without taking the cue down.
    void SetCueWindowText(LPCTSTR lpszText);
    void MakeSolidBrush();
    void DeleteBrush();
    void EnsureBrush();
    // A transparent brush shows what was behind the edit where it was: after a move or resize it is
    // dropped and made again at the next paint.
    void DropTransparentBrush();
    void AutoSize();
    BOOL HasFocus() const { return ::GetFocus() == m_hWnd; }
    HWND OverlayHwnd() const { return m_pOverlay ? m_pOverlay->m_hWnd : NULL; }

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnRecalcFrame(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    COLORREF m_clrBorder;                         // entry 4 of the skin's colours; again at a skin change
    BOOL m_bTransparent = FALSE;                  // the parent's background behind the text
    CBrush m_brBkgnd;                             // solid or the parent's pattern; made when first needed
    COLORREF m_clrBkNormal = RGB(255, 255, 255);  // while enabled
    COLORREF m_clrBkDisabled = RGB(202, 222, 233);
    BOOL m_bAutoSize = FALSE;
    int m_nAutoSizeMaxWidth = 1024;
    CString m_strEmptyText;            // the cue
    BOOL m_bShowingEmptyText = FALSE;  // the cue shows (as the window text or in the overlay)
    BOOL m_bEmptyTextSuspended = FALSE;
    BOOL m_bOverlayShown = FALSE;
    CQVEdit* m_pOverlay = nullptr;  // owned: the cue of a password edit
    BOOL m_bIsOverlay = FALSE;      // this edit is another edit's cue overlay

    CBitmap m_bmpBkgnd;        // the pattern of a transparent brush
    BOOL m_bCreating = FALSE;  // inside CreateEx: WM_CREATE does what subclassing does
    int m_nSettingCue = 0;     // the edit sets its own text: the cue stays
    UINT m_nLeadByte = 0;      // the first byte of a double-byte character typed, until its second
};

// Rebuilds the transparent background of every CQVEdit among pParent's direct children (a CQVEditEx or
// a host's class derived from CQVEdit counts too), after the parent's background changed.
RIZ_API void QVSkin_NotifyEditPrepareTransparentBkgnd(CWnd* pParent);
