// A windowless text label: one line in its own font and colour.
#pragma once

#include "QVUIObject.h"

class RIZ_API CQVUILabel : public CQVUIObject {
public:
    explicit CQVUILabel(CQVUIObject* pParent = nullptr);

    // The measured text (see SetText and SetFont), on the host's client DC or the screen's.
    const CSize& GetPreferredSize() override;
    void OnRender(CDC& dc, const CRect& rcClip) override;

    // Neither repaints; both make the next GetPreferredSize measure again.
    void SetText(const CString& strText);
    const CString& GetText() const { return m_strText; }
    void SetFont(LPCTSTR lpszFace, int nSize, BOOL bBold, BOOL bUnderline, BOOL bItalic);
    void SetTextColor(COLORREF clr) { m_clrText = clr; }
    COLORREF GetTextColor() const { return m_clrText; }
    // Extra DrawText flags added to DT_SINGLELINE | DT_END_ELLIPSIS.
    void SetTextFormat(int nFormat) { m_nTextFormat = nFormat; }

protected:
    // The label's font (the stock OEM_FIXED_FONT without a font of its own, when bAlwaysBuild is FALSE)
    // into font; answers the handle to select.
    HGDIOBJ MakeFont(CFont& font, BOOL bAlwaysBuild) const;

    CString m_strText;
    BOOL m_bCustomFont = FALSE;
    CString m_strFontFace;
    int m_nFontSize = 100;  // tenths of a point
    COLORREF m_clrText = RGB(0, 0, 0);
    BOOL m_bBold = FALSE;
    BOOL m_bUnderline = FALSE;
    BOOL m_bItalic = FALSE;
    int m_nTextFormat = 0;
    BOOL m_bSizeDirty = TRUE;
};
