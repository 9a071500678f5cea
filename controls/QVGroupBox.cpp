#include "QVGroupBox.h"

#include <QVSkinResManager.h>

#include "QVSelectScope.h"
#include "TransparentBkg.h"

namespace {

const COLORREF kClrCaption = RGB(0x40, 0x40, 0x40);
const int kCaptionIndent = 10;

}  // namespace

IMPLEMENT_DYNAMIC(CQVGroupBox, CWnd)

BEGIN_MESSAGE_MAP(CQVGroupBox, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_SETTEXT, &CQVGroupBox::OnSetText)
ON_WM_ENABLE()
ON_MESSAGE(WM_UPDATEUISTATE, &CQVGroupBox::OnUpdateUIState)
ON_MESSAGE(BM_SETSTATE, &CQVGroupBox::OnPaintingDefault)
ON_MESSAGE(BM_SETCHECK, &CQVGroupBox::OnPaintingDefault)
ON_MESSAGE(BM_SETSTYLE, &CQVGroupBox::OnPaintingDefault)
ON_MESSAGE(WM_SETFOCUS, &CQVGroupBox::OnPaintingDefault)
ON_MESSAGE(WM_KILLFOCUS, &CQVGroupBox::OnPaintingDefault)
ON_MESSAGE(WM_SETFONT, &CQVGroupBox::OnPaintingDefault)
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVGroupBox::OnSkinChanged)
ON_MESSAGE(WM_QV_LANCHANGED, &CQVGroupBox::OnLanChanged)
END_MESSAGE_MAP()

CQVGroupBox::~CQVGroupBox() = default;

BOOL CQVGroupBox::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(_T("BUTTON"), lpszCaption, dwStyle | BS_GROUPBOX, rect, pParentWnd, nID);
}

void CQVGroupBox::DrawGroupBox(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    CString strText;
    GetWindowText(strText);
    CRgn rgn;
    rgn.CreateRectRgnIndirect(&rc);
    CPen pen(PS_SOLID, 1, CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(4));
    CQVSelectScope brush(pDC, ::GetStockObject(NULL_BRUSH));
    CQVSelectScope penScope(pDC, pen.GetSafeHandle());
    const int nSaved = pDC->SaveDC();
    if (!strText.IsEmpty()) {
        CQVSelectScope font(pDC, ::GetStockObject(DEFAULT_GUI_FONT));
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(kClrCaption);
        CRect rcText(rc.left + kCaptionIndent, rc.top, rc.right, rc.bottom);
        pDC->DrawText(strText, &rcText, DT_CALCRECT | DT_SINGLELINE);
        rc.top += rcText.Height() / 2;
        pDC->DrawText(strText, &rcText, DT_SINGLELINE);
        // The line stops at the caption: the caption's rectangle is cut out of the clip region.
        CRgn rgnText;
        rgnText.CreateRectRgnIndirect(&rcText);
        rgn.CombineRgn(&rgn, &rgnText, RGN_DIFF);
        pDC->SelectClipRgn(&rgn);
    }
    pDC->RoundRect(&rc, CPoint(5, 5));
    pDC->RestoreDC(nSaved);
}

void CQVGroupBox::RedrawUnderneath() {
    CWnd* pParent = GetParent();
    if (!pParent || !IsWindowVisible()) {
        Invalidate(FALSE);
        return;
    }
    CRect rc;
    GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    pParent->RedrawWindow(&rc, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CQVGroupBox::OnPaint() {
    CPaintDC dc(this);
    DrawGroupBox(&dc);
}

BOOL CQVGroupBox::OnEraseBkgnd(CDC* pDC) {
    // Painting its own window, the group box keeps what the parent painted under it; a foreign DC (a
    // capture, a WM_PRINT) gets the parent's background first.
    if (::WindowFromDC(pDC->GetSafeHdc()) != m_hWnd) DrawTransparentBkg_2(this, GetParent(), pDC);
    return TRUE;
}

LRESULT CQVGroupBox::OnSetText(WPARAM wParam, LPARAM lParam) {
    // The system's button would wipe the old caption with a brush of its own: only the text is stored.
    const LRESULT lResult = ::DefWindowProc(m_hWnd, WM_SETTEXT, wParam, lParam);
    RedrawUnderneath();
    return lResult;
}

void CQVGroupBox::OnEnable(BOOL /*bEnable*/) {
    // The system's button only paints here; the group box looks the same enabled or not.
    RedrawUnderneath();
}

LRESULT CQVGroupBox::OnUpdateUIState(WPARAM wParam, LPARAM lParam) {
    // The window keeps its UI state; the system's button would paint at once.
    const LRESULT lResult = ::DefWindowProc(m_hWnd, WM_UPDATEUISTATE, wParam, lParam);
    RedrawUnderneath();
    return lResult;
}

LRESULT CQVGroupBox::OnPaintingDefault(WPARAM, LPARAM) {
    // The system's button keeps what these messages set and paints itself on the window DC; the
    // repaint covers that.
    const LRESULT lResult = Default();
    RedrawUnderneath();
    return lResult;
}

LRESULT CQVGroupBox::OnSkinChanged(WPARAM, LPARAM) {
    RedrawUnderneath();
    return 1;
}

LRESULT CQVGroupBox::OnLanChanged(WPARAM, LPARAM) {
    RedrawUnderneath();
    return 1;
}
