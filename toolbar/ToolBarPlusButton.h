// The button kinds of the item toolbar: push, radio and check buttons, and the state they share with
// the menu buttons.
#pragma once

#include "QVToolBarPlusItem.h"

// What every button kind keeps: geometry, caption, icon, state, fades and sparkles. The alpha counts
// in twentieths so that a fade (two a tick) and a sparkle (one a tick) end on whole ticks.
class RIZ_API CToolBarPlusButtonCore : public CQVToolBarPlusItem {
public:
    int GetID() const override { return m_nID; }
    void SetID(int nID) override { m_nID = nID; }
    void SetSize(const CSize& szNormal, const CSize& szSimple) override;
    CSize GetSize(BOOL bSimple) const override { return bSimple ? m_szSimple : m_szNormal; }
    void CalcSize(int nIconCx, CDC* pDC) override;
    void Layout(int x, int y, int nIconCx, int nIconCy, BOOL bSimple, CDC* pDC) override;
    CRect GetRect() const override { return m_rc; }
    void SetText(LPCTSTR lpszText, int x, int y) override;
    CString GetText() const override { return m_strText; }
    void SetTooltip(LPCTSTR lpszText) override { m_strTooltip = lpszText; }
    CString GetTooltip() const override { return m_strTooltip; }
    BOOL SetBackImage(LPCTSTR lpszPath, int nFrames) override;
    BOOL SetIcon(LPCTSTR lpszPath, int nFrames, int nAlign, int x, int y, DWORD dwFlags) override;
    const CQVSmartImage& GetIcon() const override { return m_imgIcon; }
    void SetFrameImage(CQVSmartImage* pImage) override { m_pFrameImage = pImage; }
    void SetTextColor(COLORREF clr) override { m_crText = clr; }
    void SetTextFont(HFONT hFont) override { m_hTextFont = hFont; }
    void SetBodyImage(CQVSmartImage*) override {}
    void SetDropImage(CQVSmartImage*) override {}
    BOOL IsOverCommand() const override { return TRUE; }
    void SetArrowImage(CQVSmartImage*) override {}
    void SetMenu(LPCTSTR) override {}
    BOOL GetMenu(CString&) const override { return FALSE; }
    void SetExtra(LPCTSTR lpszExtra) override { m_strExtra = lpszExtra; }
    BOOL GetExtra(CString& strExtra) const override;
    void Draw(CDC* pDC, BOOL bSimple) override;
    void OnClick(CWnd* pNotifyWnd) override;
    BOOL HitTest(const CPoint& pt, BOOL& bFlag) override;
    BOOL SetState(int nState) override;
    int GetState() const override { return m_nState; }
    void SetVisible(BOOL bVisible) override { m_bVisible = bVisible; }
    BOOL IsVisible() const override { return m_bVisible; }
    void Enable(BOOL bEnable) override { m_bEnabled = bEnable; }
    BOOL IsEnabled() const override { return m_bEnabled; }
    void SetSparkle(BOOL bOn, int nCycles) override;
    BOOL IsSparkle() const override { return m_bSparkle; }
    int GetSparkleLeft() const override { return m_nSparkleLeft; }
    BOOL SetChecked(BOOL bChecked) override;
    BOOL IsChecked() const override { return m_bChecked; }
    void FadeIn() override;
    void FadeOut() override;
    BOOL IsFading() const override { return m_nFade != 0; }
    BOOL StepSparkle() override;
    BOOL StepFade() override;
    void SetSortKey(int nKey) override { m_nSortKey = nKey; }
    int GetSortKey() const override { return m_nSortKey; }
    void SetRightAlign(BOOL bRight) override { m_bRightAlign = bRight; }
    BOOL IsRightAlign() const override { return m_bRightAlign; }
    void SetValue(int nValue) override { m_nValue = nValue; }
    int GetValue() const override { return m_nValue; }
    void SetStringValue(LPCTSTR lpszValue) override { m_strValue = lpszValue; }
    CString GetStringValue() const override { return m_strValue; }
    void SetAutoWidth(BOOL bAuto, int nMaxWidth) override;
    BOOL IsAutoWidth() const override { return m_bAutoWidth; }

    // The frame opacity of fades and sparkles, 0.0 to 1.0.
    float GetAlpha() const { return m_nAlpha20 / 20.0f; }

protected:
    explicit CToolBarPlusButtonCore(BOOL bCheckable) : m_bCheckable(bCheckable) {}
    // Everything the frame choice needs except the menu part.
    ToolBarPlusFrameInput FrameInput() const;
    // The icon (icon frame of the choice), then the caption from its start to nRight.
    void DrawIconAndText(CDC* pDC, BOOL bSimple, int nIconFrame, int nRight);

    const BOOL m_bCheckable;
    int m_nID = -1;
    COLORREF m_crText = RGB(0, 0, 0);
    HFONT m_hTextFont = NULL;
    CRect m_rc;
    CRect m_rcIcon;
    CSize m_szNormal;
    CSize m_szSimple;
    CString m_strText;
    CString m_strTooltip;
    CQVSmartImage m_imgBack;
    int m_nIconAlign = IconAlignLeft;
    CQVSmartImage m_imgIcon;
    int m_nIconStates = 0;
    DWORD m_dwIconFlags = 0;
    CQVSmartImage* m_pFrameImage = nullptr;
    BOOL m_bEnabled = TRUE;
    BOOL m_bVisible = TRUE;
    BOOL m_bSparkle = FALSE;
    int m_nSparkleLeft = 3;
    int m_nState = ToolBarPlusItemNormal;
    int m_nAlpha20 = 0;       // the alpha in twentieths
    int m_nFade = 0;          // 0 none, 1 fading in, 2 fading out
    int m_nSparklePhase = 0;  // 0 none, 1 rising, 2 falling
    BOOL m_bFadeOutPending = FALSE;
    DWORD m_dwFadeOutStart = 0;
    CString m_strExtra;
    int m_nSortKey = -1024;
    BOOL m_bRightAlign = FALSE;
    int m_nTextX = 0, m_nTextY = 0;
    int m_nIconX = 0, m_nIconY = 0;
    int m_nValue = 0;
    CString m_strValue;
    BOOL m_bAutoWidth = FALSE;
    int m_nMaxWidth = 0;
    BOOL m_bChecked = FALSE;
};

// A push button: its frame from the toolbar's shared five-state image.
class RIZ_API CToolBarPlusButton : public CToolBarPlusButtonCore {
public:
    CToolBarPlusButton() : CToolBarPlusButtonCore(FALSE) {}
    int GetType() const override { return 1; }

protected:
    explicit CToolBarPlusButton(BOOL bCheckable) : CToolBarPlusButtonCore(bCheckable) {}
};

// A button of a group in which one is checked; the toolbar unchecks the others.
class RIZ_API CToolBarPlusRadioButton : public CToolBarPlusButton {
public:
    CToolBarPlusRadioButton() : CToolBarPlusButton(TRUE) {}
    int GetType() const override { return 3; }
};

// A button that stays pressed while checked.
class RIZ_API CToolBarPlusCheckButton : public CToolBarPlusButton {
public:
    CToolBarPlusCheckButton() : CToolBarPlusButton(TRUE) {}
    int GetType() const override { return 4; }
};
