// The outlook bar's in-place editor for a folder or item name.
#pragma once

#include "QVAliveToken.h"

// Made by CQVOutBarCtrl::StartGroupEdit / StartItemEdit as a child of the bar. Enter (taken before
// dispatch, so the application's message pump must give windows their pre-translation) or a lost focus
// ends the rename and reports a non-empty text to the bar with WM_OUTBAR_NOTIFY (WPARAM m_nEditCode,
// LPARAM this); Escape ends it without a report. The editor deletes itself once its window is gone.
class RIZ_API CXTEditItem : public CEdit {
    DECLARE_DYNAMIC(CXTEditItem)
public:
    CXTEditItem() = default;
    ~CXTEditItem() override = default;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // False once the object is deleted.
    CQVAliveToken AliveToken() const { return m_alive.Token(); }

    int m_nEditIndex = -1;       // folder or item being renamed
    BOOL m_bEscape = FALSE;      // cancelled: no report
    CString m_strEditText;       // the final text
    int m_nEditCode = 3;         // 3 folder rename, 2 item rename (the code it reports)
    BOOL m_bSingleLine = FALSE;  // small-icon item rename: grows as one line

protected:
    void PostNcDestroy() override;
    // Grows the editor to its text (item renames), within the bar's client area.
    void FitText();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

    BOOL m_bReported = FALSE;  // the rename was reported (or cancelled) once
    CQVAliveFlag m_alive;
};
