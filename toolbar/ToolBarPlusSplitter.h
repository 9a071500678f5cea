// A separator between groups of items: an image, or a thin vertical line.
#pragma once

#include "QVToolBarPlusItem.h"

// It has a rectangle, one size and an optional image; it is never enabled, checked or sparkling, and
// has no id, caption, state or sort key.
class RIZ_API CToolBarPlusSplitter : public CQVToolBarPlusItem {
public:
    int GetID() const override { return -1; }
    void SetID(int) override {}
    void SetSize(const CSize& szNormal, const CSize&) override { m_size = szNormal; }
    CSize GetSize(BOOL) const override { return m_size; }
    void CalcSize(int, CDC*) override {}
    void Layout(int x, int y, int, int, BOOL, CDC*) override { m_rc = CRect(CPoint(x, y), m_size); }
    CRect GetRect() const override { return m_rc; }
    void SetText(LPCTSTR, int, int) override {}
    CString GetText() const override { return CString(); }
    void SetTooltip(LPCTSTR) override {}
    CString GetTooltip() const override { return CString(); }
    BOOL SetBackImage(LPCTSTR, int) override { return FALSE; }
    BOOL SetIcon(LPCTSTR lpszPath, int, int, int, int, DWORD) override { return m_image.SetImage(lpszPath); }
    const CQVSmartImage& GetIcon() const override { return m_image; }
    void SetFrameImage(CQVSmartImage*) override {}
    void SetTextColor(COLORREF) override {}
    void SetTextFont(HFONT) override {}
    void SetBodyImage(CQVSmartImage*) override {}
    void SetDropImage(CQVSmartImage*) override {}
    BOOL IsOverCommand() const override { return TRUE; }
    void SetArrowImage(CQVSmartImage*) override {}
    void SetMenu(LPCTSTR) override {}
    BOOL GetMenu(CString&) const override { return FALSE; }
    void SetExtra(LPCTSTR) override {}
    BOOL GetExtra(CString&) const override { return FALSE; }
    void Draw(CDC* pDC, BOOL bSimple) override;
    void OnClick(CWnd*) override {}
    BOOL HitTest(const CPoint& pt, BOOL& bFlag) override;
    int GetType() const override { return 0; }
    BOOL SetState(int) override { return FALSE; }
    int GetState() const override { return ToolBarPlusItemNormal; }
    void SetVisible(BOOL bVisible) override { m_bVisible = bVisible; }
    BOOL IsVisible() const override { return m_bVisible; }
    void Enable(BOOL) override {}
    BOOL IsEnabled() const override { return FALSE; }
    void SetSparkle(BOOL, int) override {}
    BOOL IsSparkle() const override { return FALSE; }
    int GetSparkleLeft() const override { return 0; }
    BOOL SetChecked(BOOL) override { return FALSE; }
    BOOL IsChecked() const override { return FALSE; }
    void FadeIn() override {}
    void FadeOut() override {}
    BOOL IsFading() const override { return FALSE; }
    BOOL StepSparkle() override { return FALSE; }
    BOOL StepFade() override { return FALSE; }
    void SetSortKey(int) override {}
    int GetSortKey() const override { return -1; }
    void SetRightAlign(BOOL) override {}
    BOOL IsRightAlign() const override { return FALSE; }
    void SetValue(int) override {}
    int GetValue() const override { return 0; }
    void SetStringValue(LPCTSTR) override {}
    CString GetStringValue() const override { return CString(); }
    void SetAutoWidth(BOOL, int) override {}
    BOOL IsAutoWidth() const override { return FALSE; }

protected:
    CRect m_rc;
    CSize m_size;
    CQVSmartImage m_image;
    BOOL m_bVisible = TRUE;  // the toolbar's layout passes over hidden items
};
