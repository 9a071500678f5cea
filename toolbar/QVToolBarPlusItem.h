// An item of the item toolbar: the operations the toolbar reaches every kind through.
#pragma once

#include "QVSmartImage.h"
#include "ToolBarPlusItemLayout.h"

// Every operation is pure: a kind answers all of them, doing nothing or returning 0 where it has no
// such part. The toolbar owns the shared images and fonts handed in; an item never deletes them.
class RIZ_API CQVToolBarPlusItem {
public:
    virtual ~CQVToolBarPlusItem() = default;

    virtual int GetID() const = 0;
    virtual void SetID(int nID) = 0;
    virtual void SetSize(const CSize& szNormal, const CSize& szSimple) = 0;
    virtual CSize GetSize(BOOL bSimple) const = 0;
    virtual void CalcSize(int nIconCx, CDC* pDC) = 0;
    virtual void Layout(int x, int y, int nIconCx, int nIconCy, BOOL bSimple, CDC* pDC) = 0;
    virtual CRect GetRect() const = 0;
    virtual void SetText(LPCTSTR lpszText, int x, int y) = 0;
    virtual CString GetText() const = 0;
    virtual void SetTooltip(LPCTSTR lpszText) = 0;
    virtual CString GetTooltip() const = 0;
    virtual BOOL SetBackImage(LPCTSTR lpszPath, int nFrames) = 0;
    virtual BOOL SetIcon(LPCTSTR lpszPath, int nFrames, int nAlign, int x, int y, DWORD dwFlags) = 0;
    virtual const CQVSmartImage& GetIcon() const = 0;
    virtual void SetFrameImage(CQVSmartImage* pImage) = 0;
    virtual void SetTextColor(COLORREF clr) = 0;
    virtual void SetTextFont(HFONT hFont) = 0;
    virtual void SetBodyImage(CQVSmartImage* pImage) = 0;
    virtual void SetDropImage(CQVSmartImage* pImage) = 0;
    virtual BOOL IsOverCommand() const = 0;
    virtual void SetArrowImage(CQVSmartImage* pImage) = 0;
    virtual void SetMenu(LPCTSTR lpszMenu) = 0;
    virtual BOOL GetMenu(CString& strMenu) const = 0;
    virtual void SetExtra(LPCTSTR lpszExtra) = 0;
    virtual BOOL GetExtra(CString& strExtra) const = 0;
    virtual void Draw(CDC* pDC, BOOL bSimple) = 0;
    // Sends the item's command (WM_COMMAND, the id in the low word) to the toolbar's notify window.
    virtual void OnClick(CWnd* pNotifyWnd) = 0;
    // TRUE when pt is in the item, which becomes hot. bFlag is set to 0 when outside, and to 1 when a
    // menu item's highlighted part changes; otherwise it is left as the caller set it.
    virtual BOOL HitTest(const CPoint& pt, BOOL& bFlag) = 0;
    virtual int GetType() const = 0;
    virtual BOOL SetState(int nState) = 0;  // TRUE when it changed
    virtual int GetState() const = 0;
    virtual void SetVisible(BOOL bVisible) = 0;
    virtual BOOL IsVisible() const = 0;
    virtual void Enable(BOOL bEnable) = 0;
    virtual BOOL IsEnabled() const = 0;
    virtual void SetSparkle(BOOL bOn, int nCycles) = 0;
    virtual BOOL IsSparkle() const = 0;
    virtual int GetSparkleLeft() const = 0;
    virtual BOOL SetChecked(BOOL bChecked) = 0;  // TRUE when it changed
    virtual BOOL IsChecked() const = 0;
    virtual void FadeIn() = 0;
    virtual void FadeOut() = 0;
    virtual BOOL IsFading() const = 0;
    // One tick (30 ms) of the toolbar's animation; TRUE when something moved.
    virtual BOOL StepSparkle() = 0;
    virtual BOOL StepFade() = 0;
    virtual void SetSortKey(int nKey) = 0;
    virtual int GetSortKey() const = 0;
    virtual void SetRightAlign(BOOL bRight) = 0;
    virtual BOOL IsRightAlign() const = 0;
    virtual void SetValue(int nValue) = 0;
    virtual int GetValue() const = 0;
    virtual void SetStringValue(LPCTSTR lpszValue) = 0;
    virtual CString GetStringValue() const = 0;
    virtual void SetAutoWidth(BOOL bAuto, int nMaxWidth) = 0;
    virtual BOOL IsAutoWidth() const = 0;

    // The tick source of every item's fade-out delay (GetTickCount unless a test sets another); NULL
    // restores GetTickCount.
    using ClockFunc = DWORD (*)();
    static void SetClock(ClockFunc pfnClock);
    static DWORD Now();

protected:
    static void SetIconRect(const CRect& rc, int w, int h, int nAlign, CRect& rcOut) {
        rcOut = QVToolBarPlusIconRect(rc, w, h, nAlign);
    }
    // The caption's one-line width with hFont plus nExtra, no more than nMaxWidth when that is above 0.
    static int _CalcItemWidth(CDC* pDC, HFONT hFont, int nMaxWidth, LPCTSTR lpszText, int nExtra);
};
