// The menu kinds of the item toolbar: a button with a drop part at its right edge, and its checkable
// form.
#pragma once

#include "ToolBarPlusButton.h"

// The body and the drop part draw from the toolbar's two shared six-state images; the drop part is
// one frame of the drop image wide. Frame 5 lights the part under the mouse.
class RIZ_API CToolBarPlusMenuButton : public CToolBarPlusButtonCore {
public:
    CToolBarPlusMenuButton() : CToolBarPlusButtonCore(FALSE) {}

    void SetBodyImage(CQVSmartImage* pImage) override { m_pBodyImage = pImage; }
    void SetDropImage(CQVSmartImage* pImage) override;
    BOOL IsOverCommand() const override { return m_bOverCommand; }
    void SetArrowImage(CQVSmartImage* pImage) override { m_pArrowImage = pImage; }
    void SetMenu(LPCTSTR lpszMenu) override { m_strMenu = lpszMenu; }
    BOOL GetMenu(CString& strMenu) const override;
    void Draw(CDC* pDC, BOOL bSimple) override;
    BOOL HitTest(const CPoint& pt, BOOL& bFlag) override;
    int GetType() const override { return 2; }

protected:
    explicit CToolBarPlusMenuButton(BOOL bCheckable) : CToolBarPlusButtonCore(bCheckable) {}

    CQVSmartImage* m_pBodyImage = nullptr;
    CQVSmartImage* m_pDropImage = nullptr;
    CQVSmartImage* m_pArrowImage = nullptr;
    int m_nDropWidth = 0;
    BOOL m_bOverCommand = TRUE;
    CString m_strMenu;
};

// A menu button that stays pressed while checked.
class RIZ_API CToolBarPlusCheckMenuButton : public CToolBarPlusMenuButton {
public:
    CToolBarPlusCheckMenuButton() : CToolBarPlusMenuButton(TRUE) {}
    int GetType() const override { return 5; }
};
