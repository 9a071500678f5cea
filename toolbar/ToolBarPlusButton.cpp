#include "ToolBarPlusButton.h"

#include "QVSelectScope.h"

#include <algorithm>

namespace {

constexpr int kFullAlpha = 20;        // twentieths
constexpr int kFadeStep = 2;          // 0.1 a tick: a full fade takes 10 ticks
constexpr int kSparkleStep = 1;       // 0.05 a tick: 20 up and 20 down
constexpr DWORD kFadeOutDelay = 100;  // ms a fade-out keeps fading in, so a quick pass still lights

}  // namespace

void CToolBarPlusButtonCore::SetSize(const CSize& szNormal, const CSize& szSimple) {
    m_szNormal = szNormal;
    m_szSimple = szSimple;
}

void CToolBarPlusButtonCore::CalcSize(int nIconCx, CDC* pDC) {
    if (m_bAutoWidth && pDC)
        m_szNormal.cx = _CalcItemWidth(pDC, m_hTextFont, m_nMaxWidth, m_strText, nIconCx + 6);
}

void CToolBarPlusButtonCore::Layout(int x, int y, int nIconCx, int nIconCy, BOOL bSimple, CDC*) {
    CSize szIcon(nIconCx, nIconCy);
    if (m_imgIcon.IsLoaded() && m_nIconStates >= 1) {
        szIcon = CSize(m_imgIcon.GetImageSize().cx / m_nIconStates, m_imgIcon.GetImageSize().cy);
        // Neither size may be narrower than the icon with a pixel on each side.
        if (m_szNormal.cx < szIcon.cx) m_szNormal.cx = szIcon.cx + 2;
        if (m_szSimple.cx < szIcon.cx) m_szSimple.cx = szIcon.cx + 2;
    }
    m_rc = CRect(CPoint(x, y), GetSize(bSimple));
    SetIconRect(m_rc, szIcon.cx, szIcon.cy, bSimple ? IconAlignCenter : m_nIconAlign, m_rcIcon);
    m_rcIcon.OffsetRect(m_nIconX, m_nIconY);
}

void CToolBarPlusButtonCore::SetText(LPCTSTR lpszText, int x, int y) {
    m_strText = lpszText;
    m_nTextX = x;
    m_nTextY = y;
}

BOOL CToolBarPlusButtonCore::SetBackImage(LPCTSTR lpszPath, int nFrames) {
    // Drawn like the shared frames: a fixed head and tail of 4 pixels, the middle stretched.
    m_imgBack.SetStateCount(nFrames);
    m_imgBack.Set3CellTileMode(TRUE);
    m_imgBack.Set3CellHeadWidth(4);
    m_imgBack.Set3CellTailWidth(4);
    return m_imgBack.SetImage(lpszPath);
}

BOOL CToolBarPlusButtonCore::SetIcon(LPCTSTR lpszPath, int nFrames, int nAlign, int x, int y, DWORD dwFlags) {
    m_nIconStates = nFrames;
    m_imgIcon.SetStateCount(nFrames);
    m_nIconAlign = nAlign;
    m_nIconX = x;
    m_nIconY = y;
    m_dwIconFlags = dwFlags;
    return m_imgIcon.SetImage(lpszPath);
}

BOOL CToolBarPlusButtonCore::GetExtra(CString& strExtra) const {
    strExtra = m_strExtra;
    return TRUE;
}

ToolBarPlusFrameInput CToolBarPlusButtonCore::FrameInput() const {
    ToolBarPlusFrameInput in;
    in.bEnabled = m_bEnabled;
    in.nState = m_nState;
    in.bSparkling = m_bSparkle && m_nSparkleLeft >= 1;
    in.bFading = m_nFade != 0;
    in.bChecked = m_bChecked;
    in.fAlpha = GetAlpha();
    return in;
}

void CToolBarPlusButtonCore::DrawIconAndText(CDC* pDC, BOOL bSimple, int nIconFrame, int nRight) {
    int nTextLeft = m_rc.left + 2;
    if (m_imgIcon.IsLoaded()) {
        m_imgIcon.DrawImage(pDC, m_rcIcon, nIconFrame, 1.0f);
        nTextLeft = m_rcIcon.right + 2;
    }
    if (bSimple || m_strText.IsEmpty()) return;
    CRect rcText(nTextLeft, m_rc.top, nRight, m_rc.bottom);
    rcText.OffsetRect(m_nTextX, m_nTextY);
    CQVSelectScope scope(pDC, m_hTextFont);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(m_crText);
    pDC->DrawText(m_strText, -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
}

void CToolBarPlusButtonCore::Draw(CDC* pDC, BOOL bSimple) {
    if (!m_bVisible) return;
    const ToolBarPlusFrameChoice choice = QVChooseToolBarPlusFrame(FrameInput());
    CQVSmartImage* pFrame = m_imgBack.IsLoaded() ? &m_imgBack : m_pFrameImage;
    if (pFrame && choice.nFrame > 0) pFrame->DrawImage(pDC, m_rc, choice.nFrame, choice.fOpacity);
    DrawIconAndText(pDC, bSimple, choice.nIconFrame, m_rc.right - 2);
}

void CToolBarPlusButtonCore::OnClick(CWnd* pNotifyWnd) {
    if (pNotifyWnd && pNotifyWnd->GetSafeHwnd())
        pNotifyWnd->SendMessage(WM_COMMAND, static_cast<WPARAM>(static_cast<UINT>(m_nID)), 0);
}

BOOL CToolBarPlusButtonCore::HitTest(const CPoint& pt, BOOL& bFlag) {
    if (!m_rc.PtInRect(pt)) {
        bFlag = FALSE;
        return FALSE;
    }
    m_nState = ToolBarPlusItemHot;
    return TRUE;
}

BOOL CToolBarPlusButtonCore::SetState(int nState) {
    if (m_nState == nState) return FALSE;
    m_nState = nState;
    return TRUE;
}

void CToolBarPlusButtonCore::SetSparkle(BOOL bOn, int nCycles) {
    m_nSparklePhase = bOn ? 1 : 0;
    m_nAlpha20 = bOn ? 0 : kFullAlpha;
    m_bSparkle = bOn;
    m_nSparkleLeft = nCycles;
}

BOOL CToolBarPlusButtonCore::SetChecked(BOOL bChecked) {
    if (!m_bCheckable || !m_bChecked == !bChecked) return FALSE;
    m_bChecked = bChecked ? TRUE : FALSE;
    return TRUE;
}

void CToolBarPlusButtonCore::FadeIn() {
    if ((m_bSparkle && m_nSparkleLeft >= 1) || (m_bCheckable && m_bChecked)) return;
    m_nFade = 1;
    m_bFadeOutPending = FALSE;
    m_dwFadeOutStart = 0;
}

void CToolBarPlusButtonCore::FadeOut() {
    if ((m_bSparkle && m_nSparkleLeft >= 1) || (m_bCheckable && m_bChecked)) return;
    m_nFade = 1;
    m_bFadeOutPending = TRUE;
    m_dwFadeOutStart = Now();
}

BOOL CToolBarPlusButtonCore::StepSparkle() {
    if (!m_bSparkle || m_nSparkleLeft < 1) return FALSE;
    if (m_nSparklePhase == 1) {
        m_nAlpha20 = std::min(m_nAlpha20 + kSparkleStep, kFullAlpha);
        if (m_nAlpha20 == kFullAlpha) m_nSparklePhase = 2;
    } else {
        m_nAlpha20 = std::max(m_nAlpha20 - kSparkleStep, 0);
        if (m_nAlpha20 == 0) {
            m_nSparklePhase = 1;
            --m_nSparkleLeft;
        }
    }
    return TRUE;
}

BOOL CToolBarPlusButtonCore::StepFade() {
    if (m_nFade == 1) {
        m_nAlpha20 = std::min(m_nAlpha20 + kFadeStep, kFullAlpha);
        if (m_nAlpha20 == kFullAlpha) m_nFade = 0;
        if (m_bFadeOutPending) m_nFade = (Now() - m_dwFadeOutStart < kFadeOutDelay) ? 1 : 2;
        return TRUE;
    }
    if (m_nFade == 2) {
        m_nAlpha20 = std::max(m_nAlpha20 - kFadeStep, 0);
        if (m_nAlpha20 == 0) {
            m_nFade = 0;
            m_bFadeOutPending = FALSE;
        }
        return TRUE;
    }
    return FALSE;
}

void CToolBarPlusButtonCore::SetAutoWidth(BOOL bAuto, int nMaxWidth) {
    m_bAutoWidth = bAuto;
    m_nMaxWidth = nMaxWidth;
}
