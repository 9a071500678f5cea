#include "QVUILabel.h"

#include "QVSelectScope.h"
#include "QVUIDrawUtil.h"

CQVUILabel::CQVUILabel(CQVUIObject* pParent)
    : CQVUIObject(pParent), m_strText(_T("Label")), m_strFontFace(_T("宋体")) {}

void CQVUILabel::SetText(const CString& strText) {
    m_strText = strText;
    m_bSizeDirty = TRUE;
}

void CQVUILabel::SetFont(LPCTSTR lpszFace, int nSize, BOOL bBold, BOOL bUnderline, BOOL bItalic) {
    m_bCustomFont = TRUE;
    m_strFontFace = lpszFace ? lpszFace : _T("");
    m_nFontSize = nSize;
    m_bBold = bBold;
    m_bUnderline = bUnderline;
    m_bItalic = bItalic;
    m_bSizeDirty = TRUE;
}

HGDIOBJ CQVUILabel::MakeFont(CFont& font, BOOL bAlwaysBuild) const {
    if (m_bCustomFont || bAlwaysBuild) {
        LOGFONT lf;
        QVUIMakeLogFont(lf, m_strFontFace, m_nFontSize, m_bBold, m_bUnderline, m_bItalic);
        if (font.CreatePointFontIndirect(&lf)) return font.GetSafeHandle();
    }
    return ::GetStockObject(OEM_FIXED_FONT);
}

const CSize& CQVUILabel::GetPreferredSize() {
    if (m_bSizeDirty) {
        CQVUIMeasureDC measure(GetHostWnd());
        CDC* pDC = CDC::FromHandle(measure.GetSafeHdc());
        CFont font;
        CQVSelectScope tools(pDC, MakeFont(font, FALSE));
        CRect rc(0, 0, 0, 0);
        pDC->DrawText(m_strText, &rc, DT_CALCRECT | DT_SINGLELINE);
        m_sizePreferred = CSize(rc.Width(), rc.Height());
        m_bSizeDirty = FALSE;
    }
    return m_sizePreferred;
}

void CQVUILabel::OnRender(CDC& dc, const CRect& /*rcClip*/) {
    CFont font;
    CQVSelectScope tools(dc, MakeFont(font, FALSE));
    const COLORREF clrOld = dc.SetTextColor(m_clrText);
    CRect rc = m_rcObject;
    dc.DrawText(m_strText, &rc, m_nTextFormat | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SetTextColor(clrOld);
}
