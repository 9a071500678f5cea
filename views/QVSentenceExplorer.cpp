// CQVSentenceExplorer: entries laid out once by InitializeData, painted and hit-tested from the first
// visible one.
#include "QVSentenceExplorer.h"

#include <QVLanResManager.h>

#include <algorithm>

#include "QVFileTransferListLayout.h"
#include "QVModule.h"
#include "QVMouseLoop.h"
#include "QVSelectScope.h"
#include "QVSentenceExplorerRes.h"
#include "QVWndClass.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr UINT kTokenFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

}  // namespace

IMPLEMENT_DYNAMIC(CQVSentenceExplorer, CWnd)

BEGIN_MESSAGE_MAP(CQVSentenceExplorer, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, &CQVSentenceExplorer::OnPrintClient)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_CONTEXTMENU()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_MESSAGE(WM_QV_LANCHANGED, &CQVSentenceExplorer::OnLanChanged)
END_MESSAGE_MAP()

CQVSentenceExplorer::CQVSentenceExplorer() : m_strKeyword(_T("your")) {
    // Taken from this module, not through the resource chain, where a host's own 4000 and 4001 would
    // come first.
    const HINSTANCE hModule = RIZGetInstanceHandle();
    m_hHandCursor = static_cast<HCURSOR>(
        ::LoadImage(hModule, MAKEINTRESOURCE(IDC_QV_SENTENCE_CURSOR), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    m_bullet.AttachBitmap(static_cast<HBITMAP>(::LoadImage(hModule, MAKEINTRESOURCE(IDB_QV_SENTENCE_BULLET),
                                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

CQVSentenceExplorer::~CQVSentenceExplorer() {
    if (GetSafeHwnd()) DestroyWindow();
    DeleteItems();
    if (m_hHandCursor) ::DestroyCursor(m_hHandCursor);
}

int CQVSentenceExplorer::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    const LPCTSTR lpszClass = _T("QVSentenceExplorer");
    if (!QVRegisterWndClass(lpszClass, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                            QVSysColorClassBrush(COLOR_WINDOW)))
        return 0;
    return CWnd::Create(lpszClass, _T(""), dwStyle, rect, pParentWnd, nID) ? 1 : 0;
}

void CQVSentenceExplorer::MakeFonts() {
    m_fontFirst.DeleteObject();
    m_fontSecond.DeleteObject();
    m_fontThird.DeleteObject();
    LOGFONT lf = {};
    lf.lfHeight = 100;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;  // the ANSI build's text converts through the process code page
    lstrcpyn(lf.lfFaceName, _T("Courier New"), LF_FACESIZE);
    m_fontFirst.CreatePointFontIndirect(&lf);
    lstrcpyn(lf.lfFaceName, CQVLanResManager::GetSingletonPtr()->GetString(_T("IDS_DEF_FONT")), LF_FACESIZE);
    m_fontSecond.CreatePointFontIndirect(&lf);
    m_fontThird.CreatePointFontIndirect(&lf);
    for (auto& widths : m_widths)
        widths.clear();
}

int CQVSentenceExplorer::MeasureToken(int nBlock, LPCTSTR psz, int nLen) {
    std::map<std::basic_string<TCHAR>, int>& widths = m_widths[nBlock];
    std::basic_string<TCHAR> key(psz, static_cast<size_t>(nLen));
    auto it = widths.find(key);
    if (it != widths.end()) return it->second;
    CFont* const fonts[3] = {&m_fontFirst, &m_fontSecond, &m_fontThird};
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CQVSelectScope scope(&dc, fonts[nBlock]->GetSafeHandle());
    const int cx = dc.GetTextExtent(psz, nLen).cx;
    widths.emplace(std::move(key), cx);
    return cx;
}

int CQVSentenceExplorer::AddSentence(const CString& strFirst, const CString& strSecond,
                                     const CString& strThird, DWORD dwData) {
    tagQVSEItem* pItem = new tagQVSEItem;
    pItem->strFirst = strFirst;
    pItem->strSecond = strSecond;
    pItem->strThird = strThird;
    pItem->dwData = dwData;
    m_items.push_back(pItem);
    return GetSentenceCount() - 1;
}

tagQVSEItem* CQVSentenceExplorer::GetSentence(int nIndex) const {
    return nIndex >= 0 && nIndex < GetSentenceCount() ? m_items[static_cast<size_t>(nIndex)] : nullptr;
}

void CQVSentenceExplorer::InitializeData() {
    CalcVirtualClientSize();
    AdjustScrollBar();
    // A scroll bar that appears (or goes) changes the client width: the lines wrap to the final one.
    CRect rcClient(0, 0, 0, 0);
    if (GetSafeHwnd()) GetClientRect(&rcClient);
    if (rcClient.Width() != m_szVirtual.cx) {
        CalcVirtualClientSize();
        AdjustScrollBar();
    }
}

void CQVSentenceExplorer::CalcVirtualClientSize() {
    CRect rcClient(0, 0, 0, 0);
    if (GetSafeHwnd()) GetClientRect(&rcClient);
    const int cy = QVSentenceLayout(
        m_items, rcClient,
        [this](int nBlock, LPCTSTR psz, int nLen) { return MeasureToken(nBlock, psz, nLen); }, &m_hitRects);
    m_szVirtual = CSize(rcClient.Width(), cy);
    m_nLaidOut = GetSentenceCount();
}

void CQVSentenceExplorer::AdjustScrollBar() {
    if (!GetSafeHwnd()) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const QVTransferScrollBar bar = QVTransferScrollFor(m_szVirtual.cy, rcClient.Height());
    SCROLLINFO si = QVScrollInfoFor(SIF_ALL);
    si.nMin = 0;
    si.nMax = bar.nMax;
    si.nPage = static_cast<UINT>(bar.nPage);
    si.nPos = std::min(GetScrollPosition(), bar.nMax);
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
}

int CQVSentenceExplorer::DelSentence(int nIndex) {
    if (nIndex < 0 || nIndex >= GetSentenceCount()) return 0;
    delete m_items[static_cast<size_t>(nIndex)];
    m_items.erase(m_items.begin() + nIndex);
    for (int* pIndex : {&m_nPrevHover, &m_nHover, &m_nPressed})
        if (*pIndex >= nIndex) *pIndex = -1;
    CalcVirtualClientSize();
    return 1;
}

void CQVSentenceExplorer::DeleteItems() {
    for (tagQVSEItem* pItem : m_items)
        delete pItem;
    m_items.clear();
    m_hitRects.clear();
    m_nLaidOut = 0;
    m_nPrevHover = m_nHover = m_nPressed = -1;
}

void CQVSentenceExplorer::ClearSentences() {
    DeleteItems();
    if (GetSafeHwnd()) Invalidate();
}

void CQVSentenceExplorer::HideKeyword(int bHide, int bRedraw) {
    m_bHideKeyword = bHide;
    if (bRedraw && GetSafeHwnd()) Invalidate();
}

int CQVSentenceExplorer::GetScrollPosition() const {
    if (!GetSafeHwnd()) return 0;
    SCROLLINFO si = QVScrollInfoFor(SIF_POS);
    return ::GetScrollInfo(m_hWnd, SB_VERT, &si) ? si.nPos : 0;
}

// ---------------------------------------------------------------------------------------------------
// Painting.

void CQVSentenceExplorer::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    PaintEntries(&dc, rcClient);
}

LRESULT CQVSentenceExplorer::OnPrintClient(WPARAM wParam, LPARAM) {
    CRect rcClient;
    GetClientRect(&rcClient);
    PaintEntries(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), rcClient);
    return 0;
}

void CQVSentenceExplorer::PaintEntries(CDC* pDC, const CRect& rcClient) {
    pDC->FillSolidRect(rcClient, kWhite);
    const int nPos = GetScrollPosition();
    // Only what the last layout placed is shown: entries added since have no place yet.
    for (int i = QVSentenceFirstVisible(m_items, rcClient.top + nPos, m_nLaidOut); i < m_nLaidOut; ++i) {
        tagQVSEItem* pItem = m_items[static_cast<size_t>(i)];
        if (pItem->rcFirst.top - nPos > rcClient.bottom) break;
        if (!m_bullet.IsNull())
            m_bullet.TransparentDraw(pDC, pItem->rcFirst.left - 30, pItem->rcFirst.top - nPos + 5, kWhite);
        // The hovered entry stays hot, so a repaint shows what the mouse made.
        DrawSentence(pDC, pItem, 7, i == m_nHover);
    }
}

void CQVSentenceExplorer::DrawSentence(CDC* pDC, tagQVSEItem* pItem, int nMask, int bHot) {
    if (!pItem) return;
    const int nPos = GetScrollPosition();
    const QVSentenceMeasure measure = [this](int nBlock, LPCTSTR psz, int nLen) {
        return MeasureToken(nBlock, psz, nLen);
    };
    const struct {
        const CString& strText;
        CRect rc;
        CFont& font;
        COLORREF clr;
        QVSentenceTokens tokens;
        bool bBlanks;
    } blocks[3] = {
        {pItem->strFirst, QVViewToClient(pItem->rcFirst, nPos), m_fontFirst,
         bHot ? m_clrFirstHot : m_clrFirst, QVSE_WORDS, true},
        {pItem->strSecond, QVViewToClient(pItem->rcSecond, nPos), m_fontSecond, m_clrSecond, QVSE_CHARS,
         false},
        {pItem->strThird, QVViewToClient(pItem->rcThird, nPos), m_fontThird, m_clrThird, QVSE_WORDS, true},
    };
    CQVSelectScope scope(pDC, m_penBlank.GetSafeHandle());
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->GetTextColor();
    std::vector<QVSentenceRun> runs;
    for (int nBlock = 0; nBlock < 3; ++nBlock) {
        if (!(nMask & (1 << nBlock))) continue;
        const auto& block = blocks[nBlock];
        pDC->FillSolidRect(block.rc, kWhite);
        scope.Select(block.font.GetSafeHandle());
        pDC->SetTextColor(block.clr);
        LPCTSTR psz = block.strText.GetString();
        const bool bBlanks = block.bBlanks && m_bHideKeyword;
        // Adjacent tokens of a line are drawn with one call: the glyphs land where per-token calls put
        // them, since a run's width is the sum of its tokens'.
        runs.clear();
        QVSentenceFlow(
            block.strText, block.tokens, nBlock, block.rc.left, block.rc.right, block.rc.top, measure,
            [&](const QVSentenceToken& token) {
                QVSentenceJoinRun(runs, token,
                                  bBlanks && QVSentenceIsKeyword(psz + token.nPos, token.nLen, m_strKeyword));
            },
            nullptr);
        for (const QVSentenceRun& run : runs) {
            CRect rc = run.rect;
            if (run.bBlank) {
                const int y = rc.top + 3 * rc.Height() / 4;
                pDC->MoveTo(rc.left, y);
                pDC->LineTo(rc.right, y);
            } else {
                pDC->DrawText(psz + run.nPos, run.nLen, &rc, kTokenFormat);
            }
        }
    }
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CQVSentenceExplorer::DrawFirstBlock(int nIndex, int bHot) {
    tagQVSEItem* pItem = nIndex < m_nLaidOut ? GetSentence(nIndex) : nullptr;
    if (!pItem || !GetSafeHwnd()) return;
    CClientDC dc(this);
    DrawSentence(&dc, pItem, 1, bHot);
}

// ---------------------------------------------------------------------------------------------------
// Input and scrolling.

void CQVSentenceExplorer::SetHover(int nHover) {
    m_nPrevHover = m_nHover;
    m_nHover = nHover;
    if (m_nHover == m_nPrevHover) return;
    DrawFirstBlock(m_nPrevHover, FALSE);
    DrawFirstBlock(m_nHover, TRUE);
}

void CQVSentenceExplorer::OnMouseMove(UINT nFlags, CPoint point) {
    CWnd::OnMouseMove(nFlags, point);
    SetHover(QVSentenceHitTest(m_hitRects, CPoint(point.x, point.y + GetScrollPosition())));
    if (!m_bTracking) {
        m_bTracking = QVTrackMouseLeave(m_hWnd);
    }
}

void CQVSentenceExplorer::OnMouseLeave() {
    m_bTracking = FALSE;
    SetHover(-1);
}

BOOL CQVSentenceExplorer::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (m_nHover >= 0 && nHitTest == HTCLIENT && m_hHandCursor) {
        ::SetCursor(m_hHandCursor);
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CQVSentenceExplorer::OnLButtonDown(UINT nFlags, CPoint point) {
    CWnd::OnLButtonDown(nFlags, point);
    SetFocus();
    // Tested at the press itself, so a press without a move before it still counts.
    m_nPressed = QVSentenceHitTest(m_hitRects, CPoint(point.x, point.y + GetScrollPosition()));
}

void CQVSentenceExplorer::OnLButtonUp(UINT nFlags, CPoint point) {
    CWnd::OnLButtonUp(nFlags, point);
    const int nHit = QVSentenceHitTest(m_hitRects, CPoint(point.x, point.y + GetScrollPosition()));
    const int nPressed = m_nPressed;
    m_nPressed = -1;
    tagQVSEItem* pItem = nHit == nPressed ? GetSentence(nHit) : nullptr;
    if (!pItem) return;
    // The parent may delete entries or this window: nothing is touched afterwards.
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_QV_SENTENCECLICK, reinterpret_cast<WPARAM>(pItem), 0);
}

void CQVSentenceExplorer::OnContextMenu(CWnd*, CPoint) {}

void CQVSentenceExplorer::ScrollTo(int nPos) {
    const int nOld = GetScrollPosition();
    SCROLLINFO si = QVScrollInfoFor(SIF_POS);
    si.nPos = nPos;
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
    const int nNew = GetScrollPosition();
    if (nNew != nOld) ScrollWindow(0, nOld - nNew);
}

void CQVSentenceExplorer::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
    int nTarget = 0;
    if (QVVertScrollTarget(m_hWnd, static_cast<int>(nSBCode), FALSE, &nTarget)) ScrollTo(nTarget);
}

BOOL CQVSentenceExplorer::OnMouseWheel(UINT, short zDelta, CPoint) {
    int nTarget = 0;
    if (QVVertScrollTarget(m_hWnd, zDelta, TRUE, &nTarget)) ScrollTo(nTarget);
    return TRUE;
}

int CQVSentenceExplorer::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    MakeFonts();
    m_penBlank.DeleteObject();
    m_penBlank.CreatePen(PS_DOT, 1, RGB(192, 192, 192));
    return 0;
}

void CQVSentenceExplorer::OnDestroy() {
    DeleteItems();
    m_bTracking = FALSE;
    m_fontFirst.DeleteObject();
    m_fontSecond.DeleteObject();
    m_fontThird.DeleteObject();
    m_penBlank.DeleteObject();
    for (auto& widths : m_widths)
        widths.clear();
    CWnd::OnDestroy();
}

LRESULT CQVSentenceExplorer::OnLanChanged(WPARAM, LPARAM) {
    MakeFonts();
    InitializeData();
    Invalidate();
    return 0;
}
