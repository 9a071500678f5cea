#include "QVHeaderCtrl.h"

#include <QVSkinResManager.h>

#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVSelectScope.h"

namespace {

const COLORREF kClrBackground = RGB(0xEC, 0xF6, 0xF9);  // 0xF9F6EC: behind and right of the items
const int kTextIndent = 2;
const int kTextLength = 256;

}  // namespace

IMPLEMENT_DYNAMIC(CQVHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CQVHeaderCtrl, CHeaderCtrl)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_MESSAGE(HDM_LAYOUT, &CQVHeaderCtrl::OnLayout)
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVHeaderCtrl::OnSkinChanged)
END_MESSAGE_MAP()

CQVHeaderCtrl::CQVHeaderCtrl() : m_pBtnRes(CQVSkinResManager::GetSingletonPtr()->GetBtnRes()) {}

CQVHeaderCtrl::~CQVHeaderCtrl() = default;

// ---- Attributes ----

void CQVHeaderCtrl::SetAllDisabledLook(BOOL bAllDisabled) {
    m_bAllDisabled = bAllDisabled;
    if (GetSafeHwnd()) Invalidate(FALSE);
}

int CQVHeaderCtrl::ItemFromPoint(CPoint pt) const {
    const int nCount = GetItemCount();
    for (int i = 0; i < nCount; ++i) {
        CRect rc;
        if (GetItemRect(i, &rc) && rc.PtInRect(pt)) return i;
    }
    return -1;
}

int CQVHeaderCtrl::GetSkinHeight() const {
    return m_pBtnRes ? QVHeaderSkinHeight(m_pBtnRes->m_nHeaderHeight) : 0;
}

void CQVHeaderCtrl::AdjustHeight() {
    if (!GetSafeHwnd() || (GetStyle() & HDS_HIDDEN)) return;
    const int cy = GetSkinHeight();
    if (cy <= 0) return;
    CRect rc;
    GetWindowRect(&rc);
    if (rc.Height() == cy) return;
    SetWindowPos(NULL, 0, 0, rc.Width(), cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Drawing ----

void CQVHeaderCtrl::DrawHeaderItem(CDC* pDC, const CRect& rc, LPCTSTR lpszText, int nFormat, int nState) {
    if (m_pBtnRes) {
        if (m_pBtnRes->m_nTransparentImage)
            m_pBtnRes->m_bmpHeader.TransparentDrawFill(pDC, rc, m_pBtnRes->m_clrTransparent, nState);
        else
            m_pBtnRes->m_bmpHeader.DrawFill(pDC, rc, nState);
    }
    if (!lpszText || !*lpszText) return;
    CRect rcText = rc;
    rcText.left += kTextIndent;
    rcText.top += kTextIndent;
    CQVSelectScope scope(pDC, ::GetStockObject(DEFAULT_GUI_FONT));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->DrawText(lpszText, -1, &rcText, QVHeaderTextFormat(nFormat));
}

void CQVHeaderCtrl::InvalidateItem(int nItem) {
    CRect rc;
    if (nItem >= 0 && GetItemRect(nItem, &rc)) InvalidateRect(&rc, TRUE);
}

// ---- Messages ----

void CQVHeaderCtrl::ResetMouseState() {
    m_nHotItem = -1;
    m_bPressed = FALSE;
    m_bTracking = FALSE;
}

void CQVHeaderCtrl::PreSubclassWindow() {
    // An object released from one header and given another starts without the old one's mouse.
    ResetMouseState();
    AdjustHeight();
    CHeaderCtrl::PreSubclassWindow();
}

int CQVHeaderCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CHeaderCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    ResetMouseState();
    AdjustHeight();
    return 0;
}

void CQVHeaderCtrl::OnSize(UINT nType, int cx, int cy) {
    CHeaderCtrl::OnSize(nType, cx, cy);
    AdjustHeight();
}

void CQVHeaderCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect rcPaint;
    dc.GetClipBox(&rcPaint);
    CQVPaintMemoryDC dcMem(this, &dc, kClrBackground);
    const int nCount = GetItemCount();
    for (int i = 0; i < nCount; ++i) {
        CRect rc;
        // Items outside the part being painted cost nothing: a wide header paints what shows.
        if (!GetItemRect(i, &rc) || rc.IsRectEmpty() || !CRect().IntersectRect(&rc, &rcPaint)) continue;
        TCHAR szText[kTextLength] = {};
        HDITEM hdi = {};
        hdi.mask = HDI_TEXT | HDI_FORMAT;
        hdi.pszText = szText;
        hdi.cchTextMax = kTextLength;
        if (!GetItem(i, &hdi)) continue;
        szText[kTextLength - 1] = 0;
        DrawHeaderItem(&dcMem, rc, szText, hdi.fmt,
                       QVHeaderItemState(i, m_nHotItem, m_bPressed, m_bAllDisabled));
    }
}

BOOL CQVHeaderCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CQVHeaderCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    const int nHot = ItemFromPoint(point);
    if (nHot != m_nHotItem) {
        InvalidateItem(m_nHotItem);
        m_nHotItem = nHot;
        InvalidateItem(m_nHotItem);
    }
    if (!m_bTracking) {
        m_bTracking = QVTrackMouseLeave(m_hWnd);
    }
    CHeaderCtrl::OnMouseMove(nFlags, point);
}

void CQVHeaderCtrl::OnMouseLeave() {
    m_bTracking = FALSE;
    m_bPressed = FALSE;
    if (m_nHotItem >= 0) {
        InvalidateItem(m_nHotItem);
        m_nHotItem = -1;
    }
}

void CQVHeaderCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_nHotItem >= 0) {
        m_bPressed = TRUE;
        InvalidateItem(m_nHotItem);
    }
    CHeaderCtrl::OnLButtonDown(nFlags, point);
}

void CQVHeaderCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    m_bPressed = FALSE;
    InvalidateItem(m_nHotItem);
    CHeaderCtrl::OnLButtonUp(nFlags, point);
}

LRESULT CQVHeaderCtrl::OnLayout(WPARAM, LPARAM lParam) {
    // The system's answer, with the skin's height instead of the font's: the owner places the header
    // and its own first row by it.
    const LRESULT lResult = Default();
    auto* pLayout = reinterpret_cast<HDLAYOUT*>(lParam);
    const int cy = GetSkinHeight();
    if (!lResult || !pLayout || !pLayout->prc || !pLayout->pwpos || cy <= 0 || pLayout->pwpos->cy <= 0)
        return lResult;
    pLayout->pwpos->cy = cy;
    pLayout->prc->top = pLayout->pwpos->y + cy;
    return lResult;
}

LRESULT CQVHeaderCtrl::OnSkinChanged(WPARAM, LPARAM) {
    m_pBtnRes = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
    AdjustHeight();
    Invalidate(FALSE);
    return 1;
}
