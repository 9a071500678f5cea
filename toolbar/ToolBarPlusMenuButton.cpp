#include "ToolBarPlusMenuButton.h"

void CToolBarPlusMenuButton::SetDropImage(CQVSmartImage* pImage) {
    m_pDropImage = pImage;
    m_nDropWidth = (pImage && pImage->IsLoaded()) ? pImage->GetSingleImageSize().cx : 0;
}

BOOL CToolBarPlusMenuButton::GetMenu(CString& strMenu) const {
    strMenu = m_strMenu;
    return TRUE;
}

void CToolBarPlusMenuButton::Draw(CDC* pDC, BOOL bSimple) {
    if (!m_bVisible) return;
    ToolBarPlusFrameInput in = FrameInput();
    in.bMenu = TRUE;
    in.bOverCommand = m_bOverCommand;
    const ToolBarPlusFrameChoice choice = QVChooseToolBarPlusFrame(in);
    const CRect rcBody(m_rc.left, m_rc.top, m_rc.right - m_nDropWidth, m_rc.bottom);
    const CRect rcDrop(rcBody.right, m_rc.top, m_rc.right, m_rc.bottom);
    if (m_pBodyImage && choice.nFrame > 0)
        m_pBodyImage->DrawImage(pDC, rcBody, choice.nFrame, choice.fOpacity);
    if (m_pDropImage && choice.nDropFrame > 0 && m_nDropWidth > 0)
        m_pDropImage->DrawImage(pDC, rcDrop, choice.nDropFrame, choice.fOpacity);
    if (m_pArrowImage && m_pArrowImage->IsLoaded() && m_nDropWidth > 0) {
        const CSize sz = m_pArrowImage->GetSingleImageSize();
        const CPoint pt(rcDrop.left + (rcDrop.Width() - sz.cx) / 2,
                        rcDrop.top + (rcDrop.Height() - sz.cy) / 2);
        m_pArrowImage->DrawImage(pDC, CRect(pt, sz), m_bEnabled ? 0 : 1, 1.0f);
    }
    DrawIconAndText(pDC, bSimple, choice.nIconFrame, m_rc.right - m_nDropWidth - 2);
}

BOOL CToolBarPlusMenuButton::HitTest(const CPoint& pt, BOOL& bFlag) {
    if (!m_rc.PtInRect(pt)) {
        bFlag = FALSE;
        return FALSE;
    }
    m_nState = ToolBarPlusItemHot;
    const BOOL bOverCommand = pt.x < m_rc.right - m_nDropWidth;
    // A move between the parts asks the toolbar to redraw the part highlight.
    if (bOverCommand != m_bOverCommand) {
        m_bOverCommand = bOverCommand;
        bFlag = TRUE;
    }
    return TRUE;
}
