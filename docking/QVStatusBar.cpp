// CQVStatusBar: creation, panes, the window text as pane 0, painting.
#include "QVStatusBar.h"

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include "QVSelectScope.h"
#include "QVStatusBarLayout.h"
#include "QVWndClass.h"

IMPLEMENT_DYNAMIC(CQVStatusBar, CQVControlBar)

BEGIN_MESSAGE_MAP(CQVStatusBar, CQVControlBar)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_MESSAGE(WM_SETTEXT, &CQVStatusBar::OnSetText)
ON_MESSAGE(WM_GETTEXT, &CQVStatusBar::OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, &CQVStatusBar::OnGetTextLength)
END_MESSAGE_MAP()

CQVStatusBar::~CQVStatusBar() {
    if (m_hWnd) DestroyWindow();
    for (CPane* pPane : m_panes)
        delete pPane;
}

BOOL CQVStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwStyle, DWORD dwBarStyle, UINT nID) {
    m_dwStyle = dwBarStyle & CBRS_ALL;
    if (!QVRegisterWndClass(_T("QVStatusBar"), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
                            ::LoadCursor(nullptr, IDC_ARROW), QVSysColorClassBrush(COLOR_WINDOW)))
        return FALSE;
    const DWORD dwWndStyle = (dwBarStyle & ~CBRS_ALL) | dwStyle | 0x4E;
    return CWnd::Create(_T("QVStatusBar"), _T(""), dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CQVStatusBar::SetIndicators(const int* lpWidths, int nCount) {
    for (CPane* pPane : m_panes)
        delete pPane;
    m_panes.clear();
    if (!lpWidths || nCount <= 0) {
        if (m_hWnd) Invalidate(TRUE);
        return FALSE;
    }
    for (int i = 0; i < nCount; ++i) {
        CPane* pPane = new CPane;
        pPane->nWidth = lpWidths[i];
        m_panes.push_back(pPane);
    }
    LayoutPanes();
    if (m_hWnd) Invalidate(TRUE);
    return TRUE;
}

void CQVStatusBar::SetPaneText(int nIndex, LPCTSTR lpszText) {
    if (nIndex < 0 || nIndex >= GetPaneCount()) return;
    m_panes[nIndex]->strText = lpszText ? lpszText : _T("");
    if (m_hWnd) InvalidateRect(m_panes[nIndex]->rectPane, TRUE);
}

CString CQVStatusBar::GetPaneText(int nIndex) const {
    return nIndex >= 0 && nIndex < GetPaneCount() ? m_panes[nIndex]->strText : CString();
}

CRect CQVStatusBar::GetPaneRect(int nIndex) const {
    return nIndex >= 0 && nIndex < GetPaneCount() ? m_panes[nIndex]->rectPane : CRect(0, 0, 0, 0);
}

void CQVStatusBar::LayoutPanes() {
    if (m_panes.empty() || !m_hWnd) return;
    CRect rectClient;
    GetClientRect(&rectClient);
    std::vector<int> widths;
    for (const CPane* pPane : m_panes)
        widths.push_back(pPane->nWidth);
    const std::vector<QVStatusPaneRects> rects = QVStatusBarLayout(rectClient, widths);
    for (size_t i = 0; i < m_panes.size(); ++i) {
        m_panes[i]->rectPane = rects[i].rectPane;
        m_panes[i]->rectText = rects[i].rectText;
    }
}

CSize CQVStatusBar::CalcFixedLayout(BOOL, BOOL) {
    return CSize(32767, 20);
}

void CQVStatusBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CQVStatusBar::OnSize(UINT nType, int cx, int cy) {
    LayoutPanes();
    CQVControlBar::OnSize(nType, cx, cy);
}

BOOL CQVStatusBar::OnEraseBkgnd(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(rect, CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_clrClientBk);
    return TRUE;
}

void CQVStatusBar::OnPaint() {
    CPaintDC dc(this);
    CFont font;
    font.CreatePointFont(90, CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT")), &dc);
    CPen pen(PS_SOLID, 1, CQVSkinResManager::GetSingletonPtr()->GetClrDef()->GetColor(3));
    CQVSelectScope scope(&dc, font.GetSafeHandle(), ::GetStockObject(NULL_BRUSH), pen.GetSafeHandle());
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    for (const CPane* pPane : m_panes) {
        CRect rectText = pPane->rectText;
        dc.DrawText(pPane->strText, rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        // Every pane, the last one included, ends with a short separator.
        dc.MoveTo(pPane->rectPane.right, pPane->rectPane.top + 4);
        dc.LineTo(pPane->rectPane.right, pPane->rectPane.bottom - 4);
    }
    dc.SetBkMode(nOldMode);
}

LRESULT CQVStatusBar::OnSetText(WPARAM, LPARAM lParam) {
    // The frame's prompts arrive as the window text; the line end a prompt may keep is not shown.
    CString strText(reinterpret_cast<LPCTSTR>(lParam));
    strText.TrimRight(_T("\r\n"));
    SetPaneText(0, strText);
    return TRUE;
}

LRESULT CQVStatusBar::OnGetText(WPARAM wParam, LPARAM lParam) {
    const CString strText = GetPaneText(0);
    const int nMax = static_cast<int>(wParam);
    LPTSTR lpszBuf = reinterpret_cast<LPTSTR>(lParam);
    if (nMax <= 0 || !lpszBuf) return 0;
    lstrcpyn(lpszBuf, strText, nMax);
    return lstrlen(lpszBuf);
}

LRESULT CQVStatusBar::OnGetTextLength(WPARAM, LPARAM) {
    return GetPaneText(0).GetLength();
}
