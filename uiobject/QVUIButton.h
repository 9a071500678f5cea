// A windowless button: states drawn from a skin image or a gradient, an icon and a caption; it clicks
// (notification 1) on release, or on press, and can sparkle to draw attention.
#pragma once

#include "QVSmartImage.h"
#include "QVUIObject.h"

#include <QVGdiplusImage.h>

// States of a button; QVUIBS_HIGHLIGHT is the odd phase of sparkling.
enum QVUIButtonState {
    QVUIBS_NORMAL = 0,
    QVUIBS_HOVER = 1,
    QVUIBS_PRESSED = 2,
    QVUIBS_DISABLED = 3,
    QVUIBS_HIGHLIGHT = 4,
};

class RIZ_API CQVUIButton : public CQVUIObject {
public:
    explicit CQVUIButton(CQVUIObject* pParent = nullptr);
    // Kills a running sparkle timer.
    ~CQVUIButton() override;
    CQVUIButton(const CQVUIButton&) = delete;
    CQVUIButton& operator=(const CQVUIButton&) = delete;

    int OnMouseMove(const CPoint& pt) override;
    int OnLButtonDown(const CPoint& pt) override;
    int OnLButtonUp(const CPoint& pt) override;
    int OnMouseLeave() override;
    int __OnTimer(UINT nTimerID) override;
    void OnRender(CDC& dc, const CRect& rcClip) override;

    void SetText(const CString& strText) { m_strText = strText; }
    const CString& GetText() const { return m_strText; }
    void SetTextColor(COLORREF clr) { m_clrText = clr; }
    // A caption font of its own: face, size in tenths of a point; without one the stock OEM_FIXED_FONT.
    void SetFont(LPCTSTR lpszFace, int nSize, BOOL bBold, BOOL bUnderline, BOOL bItalic);
    // Extra DrawText flags (DT_CENTER, DT_RIGHT, ...) added to DT_SINGLELINE | DT_END_ELLIPSIS.
    void SetTextFormat(int nFormat) { m_nTextFormat = nFormat; }
    void SetVerticalIcon(BOOL bVertical) { m_bVerticalIcon = bVertical; }
    // Icon centred and no caption.
    void SetSimpleMode(BOOL bSimple) { m_bSimpleMode = bSimple; }
    // Click on press instead of on release.
    void ButtonDownEvent(BOOL bOnPress) { m_bClickOnPress = bOnPress; }
    // The background: a strip of nStateCount state cells (normal, hover, pressed, disabled, highlight)
    // drawn in three cells. FALSE when the image did not load (the gradient is drawn instead).
    BOOL SetButtonImage(LPCTSTR lpszPath, int nStateCount, int nHeadWidth, int nTailWidth, BOOL bTileMode);
    // With cx and cy both nonzero, a picture drawn at that size; otherwise a strip of nStateCount cells
    // (cell 1 enabled, cell 0 disabled) at the cell's size. FALSE when the image did not load.
    BOOL SetButtonIcon(LPCTSTR lpszPath, int nStateCount, int cx, int cy);

    // Hiding stops sparkling; both repaint on change.
    void SetVisible(BOOL bVisible);
    // Disabling saves the state; enabling returns to it.
    void SetEnable(BOOL bEnable);
    // Every 500 ms the button alternates the highlight and normal states, until Sparkle(FALSE), a click
    // or hiding. A button without a host does not sparkle.
    void Sparkle(BOOL bSparkle);
    BOOL IsSparkling() const { return m_nSparkleTimer != 0; }
    int GetState() const { return m_nState; }

protected:
    // Moves to a state and repaints when it differs.
    void ChangeState(int nState);
    // The click: notification 1, then the end of sparkling. FALSE when the notification deleted this.
    BOOL Click();
    CSize GetIconSize() const;

    int m_nState = QVUIBS_NORMAL;
    int m_nSavedState = 255;  // 255: none
    COLORREF m_clrText = RGB(0x40, 0x40, 0x40);
    CString m_strText;
    CQVSmartImage m_imgBack;
    CQVSmartImage m_imgIcon;
    CQVGdiplusImage m_picIcon;
    CSize m_sizeIcon = CSize(0, 0);
    BOOL m_bSimpleMode = FALSE;
    BOOL m_bClickOnPress = FALSE;
    int m_nTextFormat = 0;
    BOOL m_bVerticalIcon = FALSE;
    UINT m_nSparkleTimer = 0;
    int m_nSparkleTicks = 0;
    BOOL m_bCustomFont = FALSE;
    CString m_strFontFace;
    int m_nFontSize = 0;
    BOOL m_bBold = FALSE;
    BOOL m_bUnderline = FALSE;
    BOOL m_bItalic = FALSE;
};
