#include "QVImageAdPlayer.h"

#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVUIButton.h"
#include "QVUILabel.h"
#include "QVUIShell.h"
#include "TransparentBkg.h"

#include <unordered_set>

namespace {

const UINT kPausePeriod = 3000;
const UINT kScrollPeriod = 20;
// While this many pixels or more remain, the step grows by one pixel a tick; then it shrinks.
const int kAccelerateWhile = 76;

}  // namespace

IMPLEMENT_DYNAMIC(CQVImageAdPlayer, CWnd)

BEGIN_MESSAGE_MAP(CQVImageAdPlayer, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CQVImageAdPlayer::OnMouseLeaveMsg)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_TIMER()
END_MESSAGE_MAP()

CQVImageAdPlayer::CQVImageAdPlayer() = default;

CQVImageAdPlayer::~CQVImageAdPlayer() = default;

void CQVImageAdPlayer::AddGoods(Goods& goods) {
    CRect rcClient(0, 0, 0, 0);
    if (m_hWnd) GetClientRect(&rcClient);
    SyncRows();

    CQVUIButton* pTile = new CQVUIButton(this);
    pTile->SetObjectID(m_nNextObjectID);
    pTile->SetObjectPos(m_nNextX, m_nNextY, TileWidth, TileHeight);
    pTile->SetText(goods.strName);
    pTile->SetTextColor(RGB(255, 255, 255));
    pTile->SetBackgroundColor(RGB(0, 0, 0));
    pTile->SetVerticalIcon(TRUE);
    pTile->SetTextFormat(DT_CENTER);
    pTile->SetToolTip(goods.strName);
    pTile->SetButtonIcon(goods.strImage, 1, PictureSize, PictureSize);
    pTile->SetFont(_T("宋体"), 100, 0, 0, 0);
    AddChild(pTile);

    CQVUILabel* pPrice = new CQVUILabel(pTile);
    pPrice->SetText(CString(_T("￥")) + goods.strPrice);
    pPrice->SetTextColor(RGB(255, 0, 0));
    pPrice->SetObjectPos(0, 130, TileWidth, 20);
    pPrice->SetVisible(TRUE);
    pPrice->SetTextFormat(DT_RIGHT);
    pPrice->SetTransparent(TRUE);
    pTile->AddChild(pPrice);

    m_addresses[m_nNextObjectID] = goods.strUrl;
    ++m_nNextObjectID;
    ++m_dwGoodsTotal;

    if (m_nCurrentRow < 0) {
        m_rows.emplace_back();
        m_nCurrentRow = static_cast<int>(m_rows.size()) - 1;
    }
    m_rows[m_nCurrentRow].push_back(pTile);
    m_nKnownChildren = GetChildCount();

    m_nNextX += ColumnPitch;
    if (m_nNextX >= rcClient.right - TileWidth) {
        m_nNextX = FirstTileX;
        m_nNextY += RowPitch;
        m_nCurrentRow = -1;
    }
    pTile->UIInvalidate(TRUE);
}

BOOL CQVImageAdPlayer::StartScroll() {
    if (!m_hWnd) return FALSE;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nVisibleRows = (rcClient.Height() + 6) / RowPitch;
    SyncRows();
    if (static_cast<int>(m_rows.size()) <= nVisibleRows) return FALSE;
    if (m_bScrolling) return TRUE;
    SetTimer(QVIAP_TIMER_PAUSE, kPausePeriod, nullptr);
    return TRUE;
}

void CQVImageAdPlayer::SyncRows() {
    if (GetChildCount() == m_nKnownChildren) return;
    std::unordered_set<CQVUIObject*> live;
    for (int i = 0; i < GetChildCount(); ++i)
        live.insert(GetChild(i));
    for (Row& row : m_rows) {
        Row kept;
        for (CQVUIObject* pTile : row) {
            if (live.count(pTile)) kept.push_back(pTile);
        }
        row.swap(kept);
    }
    m_nKnownChildren = GetChildCount();
}

void CQVImageAdPlayer::ScrollStep() {
    SyncRows();
    if (m_nRemaining < m_nStep) m_nStep = m_nRemaining;
    int nWrap = -1;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        Row& row = m_rows[i];
        if (row.empty()) continue;
        if (row.front()->GetObjectRect().bottom < 0) nWrap = static_cast<int>(i);
        for (CQVUIObject* pTile : row) {
            const CRect& rc = pTile->GetObjectRect();
            pTile->SetObjectPos(rc.left, rc.top - m_nStep, rc.Width(), rc.Height());
        }
    }
    if (nWrap >= 0) {
        const int nDown = static_cast<int>(m_rows.size()) * RowPitch;
        for (CQVUIObject* pTile : m_rows[nWrap]) {
            const CRect& rc = pTile->GetObjectRect();
            pTile->SetObjectPos(rc.left, rc.top + nDown, rc.Width(), rc.Height());
        }
    }
    Invalidate(TRUE);

    m_nRemaining -= m_nStep;
    if (m_nRemaining >= kAccelerateWhile) {
        ++m_nStep;
    } else if (m_nRemaining < 1) {
        KillTimer(QVIAP_TIMER_SCROLL);
        m_bScrolling = FALSE;
        SetTimer(QVIAP_TIMER_PAUSE, kPausePeriod, nullptr);
    } else {
        if (--m_nStep < 2) m_nStep = 1;
    }
}

int CQVImageAdPlayer::OnUIMessage(UINT nObjectID, UINT nCode, UINT /*wParam*/, LONG /*lParam*/) {
    if (nCode == QVUIM_CLICKED && nObjectID >= QVIAP_FIRST_GOODS_ID && nObjectID <= QVIAP_LAST_CLICKABLE_ID)
        OnBtnGiftClick(nObjectID);
    return 0;
}

void CQVImageAdPlayer::OnBtnGiftClick(UINT nObjectID) {
    auto it = m_addresses.find(nObjectID);
    if (it == m_addresses.end()) return;
    const CString strUrl = it->second;  // the shell may run a message loop: keep a copy
    QVUIShellExecute(m_hWnd, _T("open"), strUrl, _T(""), _T(""), SW_SHOWNORMAL);
}

BOOL CQVImageAdPlayer::PreTranslateMessage(MSG* pMsg) {
    RelayToolTipCtrlMsg(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

int CQVImageAdPlayer::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    CreateToolTipCtrl();
    return 0;
}

void CQVImageAdPlayer::OnDestroy() {
    m_bScrolling = FALSE;
    CWnd::OnDestroy();
}

void CQVImageAdPlayer::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    SetObjectPos(0, 0, cx, cy);
}

void CQVImageAdPlayer::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CQVPaintMemoryDC memDC(this, &dc);
    memDC.FillSolidRect(&rcClient, RGB(255, 255, 255));
    DrawTransparentBkg(this, CWnd::GetParent(), &memDC);
    const int nSaved = memDC.SaveDC();
    RenderChildren(memDC, rcClient);
    memDC.RestoreDC(nSaved);
}

BOOL CQVImageAdPlayer::OnEraseBkgnd(CDC* /*pDC*/) {
    return TRUE;
}

void CQVImageAdPlayer::OnMouseMove(UINT nFlags, CPoint point) {
    CWnd::OnMouseMove(nFlags, point);
    CQVUIObjectGuard guard(this);
    CQVUIWindow<CQVImageAdPlayer>::OnMouseMove(point);
    if (!guard || m_bTracking) return;
    m_bTracking = QVTrackMouseLeave(m_hWnd);
}

LRESULT CQVImageAdPlayer::OnMouseLeaveMsg(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    Default();
    CQVUIObjectGuard guard(this);
    CQVUIWindow<CQVImageAdPlayer>::OnMouseLeave();
    if (guard) m_bTracking = FALSE;
    return 0;
}

void CQVImageAdPlayer::OnLButtonDown(UINT nFlags, CPoint point) {
    CWnd::OnLButtonDown(nFlags, point);
    SetFocus();
    CQVUIWindow<CQVImageAdPlayer>::OnLButtonDown(point);
}

void CQVImageAdPlayer::OnLButtonUp(UINT nFlags, CPoint point) {
    CWnd::OnLButtonUp(nFlags, point);
    CQVUIWindow<CQVImageAdPlayer>::OnLButtonUp(point);
}

void CQVImageAdPlayer::OnTimer(UINT_PTR nIDEvent) {
    CQVUIObjectGuard guard(this);
    if (__OnTimer(static_cast<UINT>(nIDEvent)) || !guard) return;
    if (nIDEvent == QVIAP_TIMER_PAUSE) {
        SyncRows();
        // A pause that ends while a scroll still runs would restart it half-way.
        if (m_rows.size() > 1 && !m_bScrolling) {
            SetTimer(QVIAP_TIMER_SCROLL, kScrollPeriod, nullptr);
            KillTimer(QVIAP_TIMER_PAUSE);
            m_bScrolling = TRUE;
            m_nStep = 1;
            m_nRemaining = RowPitch;
        }
        return;
    }
    if (nIDEvent == QVIAP_TIMER_SCROLL) {
        if (m_bScrolling) ScrollStep();
        return;
    }
    CWnd::OnTimer(nIDEvent);
}
