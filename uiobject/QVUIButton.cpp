#include "QVUIButton.h"

#include <QVGdiplusHelper.h>

#include "QVSelectScope.h"
#include "QVUIDrawUtil.h"

#include <algorithm>

namespace {

const UINT kSparklePeriod = 500;
const COLORREF kClrDisabledText = RGB(0xC0, 0xC0, 0xC0);

// Gradient and border of the drawn background by state; FALSE for the states drawn as nothing.
BOOL GradientFor(int nState, COLORREF& clrFrom, COLORREF& clrTo, COLORREF& clrBorder) {
    switch (nState) {
    case QVUIBS_HOVER:
        clrFrom = 0xBAF0FD, clrTo = 0x9CC9FE, clrBorder = 0x90BAF1;
        return TRUE;
    case QVUIBS_PRESSED:
        clrFrom = 0xFDEBE6, clrTo = 0xFDDCC2, clrBorder = 0xCEA27D;
        return TRUE;
    case QVUIBS_HIGHLIGHT:
        clrFrom = 0xBAF0FD, clrTo = 0x9CC9FE, clrBorder = 0x0000FF;
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

CQVUIButton::CQVUIButton(CQVUIObject* pParent) : CQVUIObject(pParent) {}

CQVUIButton::~CQVUIButton() {
    StopHostTimer(m_nSparkleTimer);
}

void CQVUIButton::ChangeState(int nState) {
    if (m_nState == nState) return;
    m_nState = nState;
    UIInvalidate(TRUE);
}

BOOL CQVUIButton::Click() {
    CQVUIObjectGuard guard(this);
    NotifyParent(QVUIM_CLICKED, 0, 0);
    if (!guard) return FALSE;
    Sparkle(FALSE);
    return TRUE;
}

int CQVUIButton::OnMouseMove(const CPoint& pt) {
    ChangeState(QVUIBS_HOVER);
    return CQVUIObject::OnMouseMove(pt);
}

int CQVUIButton::OnLButtonDown(const CPoint& pt) {
    ChangeState(QVUIBS_PRESSED);
    if (m_bClickOnPress && m_bEnabled && !Click()) return 1;
    return CQVUIObject::OnLButtonDown(pt);
}

int CQVUIButton::OnLButtonUp(const CPoint& pt) {
    ChangeState(QVUIBS_HOVER);
    if (!m_bClickOnPress && m_bEnabled && !Click()) return 1;
    return CQVUIObject::OnLButtonUp(pt);
}

int CQVUIButton::OnMouseLeave() {
    ChangeState(QVUIBS_NORMAL);
    return CQVUIObject::OnMouseLeave();
}

int CQVUIButton::__OnTimer(UINT nTimerID) {
    if (nTimerID && nTimerID == m_nSparkleTimer) {
        ++m_nSparkleTicks;
        UIInvalidate(TRUE);
        return 1;
    }
    return CQVUIObject::__OnTimer(nTimerID);
}

void CQVUIButton::SetFont(LPCTSTR lpszFace, int nSize, BOOL bBold, BOOL bUnderline, BOOL bItalic) {
    m_bCustomFont = TRUE;
    m_strFontFace = lpszFace ? lpszFace : _T("");
    m_nFontSize = nSize;
    m_bBold = bBold;
    m_bUnderline = bUnderline;
    m_bItalic = bItalic;
}

BOOL CQVUIButton::SetButtonImage(LPCTSTR lpszPath, int nStateCount, int nHeadWidth, int nTailWidth,
                                 BOOL bTileMode) {
    const BOOL bLoaded = m_imgBack.SetImage(lpszPath);
    m_imgBack.SetStateCount(nStateCount);
    m_imgBack.Set3CellHeadWidth(nHeadWidth);
    m_imgBack.Set3CellTailWidth(nTailWidth);
    m_imgBack.Set3CellTileMode(bTileMode);
    return bLoaded;
}

BOOL CQVUIButton::SetButtonIcon(LPCTSTR lpszPath, int nStateCount, int cx, int cy) {
    BOOL bLoaded;
    if (cx && cy) {
        bLoaded = m_picIcon.Load(lpszPath);
    } else {
        bLoaded = m_imgIcon.SetImage(lpszPath);
        m_imgIcon.SetStateCount(nStateCount);
        m_imgIcon.Set3CellTileMode(FALSE);
    }
    m_sizeIcon = CSize(cx, cy);
    // The icon is placed from the rect's edges or centre and may stick out of a small button.
    const CSize size = GetIconSize();
    SetPaintOutset(std::max({1, static_cast<int>(size.cx), static_cast<int>(size.cy)}));
    return bLoaded;
}

void CQVUIButton::SetVisible(BOOL bVisible) {
    if (m_bVisible == bVisible) return;
    m_bVisible = bVisible;
    GeometryChanged();
    if (!bVisible) Sparkle(FALSE);
    UIInvalidate(TRUE);
}

void CQVUIButton::SetEnable(BOOL bEnable) {
    if (m_bEnabled == bEnable) return;
    m_bEnabled = bEnable;
    if (bEnable) {
        if (m_nSavedState != 255) m_nState = m_nSavedState;
    } else {
        m_nSavedState = m_nState;
    }
    UIInvalidate(TRUE);
}

void CQVUIButton::Sparkle(BOOL bSparkle) {
    if (bSparkle) {
        if (IsSparkling() || !GetHostWnd()) return;
        m_nSparkleTicks = 0;
        m_nSavedState = m_nState;
        m_nSparkleTimer = StartHostTimer(kSparklePeriod);
    } else {
        if (!IsSparkling()) return;
        StopHostTimer(m_nSparkleTimer);
        if (m_nSavedState != 255) m_nState = m_nSavedState;
        UIInvalidate(TRUE);
    }
}

CSize CQVUIButton::GetIconSize() const {
    if (m_sizeIcon.cx && m_sizeIcon.cy) return m_sizeIcon;
    return m_imgIcon.GetSingleImageSize();
}

void CQVUIButton::OnRender(CDC& dc, const CRect& /*rcClip*/) {
    if (!m_bEnabled)
        m_nState = QVUIBS_DISABLED;
    else if (IsSparkling())
        m_nState = (m_nSparkleTicks % 2) ? QVUIBS_HIGHLIGHT : QVUIBS_NORMAL;
    const CRect& rc = m_rcObject;

    if (m_imgBack.IsLoaded()) {
        m_imgBack.DrawImage(&dc, rc, m_nState, 1.0f);
    } else {
        COLORREF clrFrom, clrTo, clrBorder;
        if (GradientFor(m_nState, clrFrom, clrTo, clrBorder))
            CQVGdiplusHelper::DrawGradientRoundRect(&dc, rc, clrFrom, clrTo, clrBorder, 2, 2, TRUE);
    }

    const CSize sizeIcon = GetIconSize();
    CPoint ptIcon;
    if (m_bSimpleMode)
        ptIcon = CPoint(rc.left + (rc.Width() - sizeIcon.cx) / 2, rc.top + (rc.Height() - sizeIcon.cy) / 2);
    else if (m_bVerticalIcon)
        ptIcon = CPoint(rc.left + (rc.Width() - sizeIcon.cx) / 2, rc.top + 2);
    else
        ptIcon = CPoint(rc.left + 2, rc.top + (rc.Height() - sizeIcon.cy) / 2);
    const CRect rcIcon(ptIcon, sizeIcon);
    if (m_sizeIcon.cx && m_sizeIcon.cy) {
        if (m_picIcon.IsLoaded()) m_picIcon.Render(&dc, rcIcon);
    } else if (m_imgIcon.IsLoaded()) {
        m_imgIcon.DrawImage(&dc, rcIcon, m_bEnabled ? 1 : 0, 1.0f);
    }

    if (m_bSimpleMode) return;
    CRect rcText = rc;
    if (m_bVerticalIcon)
        rcText.DeflateRect(2, sizeIcon.cy + 4, 2, 2);
    else
        rcText.DeflateRect(sizeIcon.cx + 4, 2, 2, 2);
    CFont font;
    HGDIOBJ hFont = ::GetStockObject(OEM_FIXED_FONT);
    if (m_bCustomFont) {
        LOGFONT lf;
        QVUIMakeLogFont(lf, m_strFontFace, m_nFontSize, m_bBold, m_bUnderline, m_bItalic);
        if (font.CreatePointFontIndirect(&lf)) hFont = font.GetSafeHandle();
    }
    CQVSelectScope tools(dc, hFont);
    const COLORREF clrOld = dc.SetTextColor(m_bEnabled ? m_clrText : kClrDisabledText);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(m_strText, &rcText, m_nTextFormat | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SetBkMode(nOldMode);
    dc.SetTextColor(clrOld);
}
