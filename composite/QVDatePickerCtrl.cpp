#include "QVDatePickerCtrl.h"

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include "QVAliveToken.h"
#include "QVDatePickerLayout.h"
#include "QVMouseLoop.h"
#include "QVPaintMemoryDC.h"
#include "QVSelectScope.h"
#include "QVWndClass.h"

#include <algorithm>

namespace {

const TCHAR kClassName[] = _T("QVDatePicker");

const COLORREF kClrFrame = RGB(192, 192, 192);
const COLORREF kClrBack = RGB(240, 240, 255);
const COLORREF kClrStrip = RGB(215, 238, 245);
const COLORREF kClrText = RGB(64, 64, 64);
const COLORREF kClrToday = RGB(255, 0, 0);
const COLORREF kClrHot = RGB(220, 230, 250);
const COLORREF kClrPressed = RGB(168, 219, 255);

enum { TIMER_FIRST_REPEAT = 1, TIMER_REPEAT = 2 };
const UINT kFirstRepeatMillis = 500;
const UINT kRepeatMillis = 100;

// The navigation buttons in item order, with their pictures (under the skin folder) and tip keys.
struct NavButton {
    int nID;
    LPCTSTR pszImage;
    LPCTSTR pszTipKey;
};
const NavButton kNavButtons[] = {
    {qvdate::ID_PREV_YEAR, _T("common\\others\\first.png"), _T("DPCtrl.PrevYear")},
    {qvdate::ID_PREV_MONTH, _T("common\\others\\prev.png"), _T("DPCtrl.PrevMonth")},
    {qvdate::ID_CLOSE, _T("common\\others\\close.png"), _T("DPCtrl.Close")},
    {qvdate::ID_NEXT_YEAR, _T("common\\others\\last.png"), _T("DPCtrl.NextYear")},
    {qvdate::ID_NEXT_MONTH, _T("common\\others\\next.png"), _T("DPCtrl.NextMonth")},
};
const int kNavCount = sizeof(kNavButtons) / sizeof(kNavButtons[0]);

const LPCTSTR kShortNameKeys[7] = {_T("DPCtrl.Sun"), _T("DPCtrl.Mon"), _T("DPCtrl.Tue"), _T("DPCtrl.Wed"),
                                   _T("DPCtrl.Thu"), _T("DPCtrl.Fri"), _T("DPCtrl.Sat")};
const LPCTSTR kFullNameKeys[7] = {_T("DPCtrl.Sunday"),    _T("DPCtrl.Monday"),   _T("DPCtrl.Tuesday"),
                                  _T("DPCtrl.Wednesday"), _T("DPCtrl.Thursday"), _T("DPCtrl.Friday"),
                                  _T("DPCtrl.Saturday")};

CString Lang(LPCTSTR pszKey) {
    return CQVLanResManager::GetSingletonPtr()->GetString(pszKey);
}

// The tip of a day cell: its weekday name and the date.
CString DayTip(const CString& strWeekday, int nYear, int nMonth, int nDay) {
    CString str;
    str.Format(_T("%s,%04d/%02d/%02d"), static_cast<LPCTSTR>(strWeekday), nYear, nMonth, nDay);
    return str;
}

COleDateTime ClockToday() {
    return COleDateTime::GetCurrentTime();
}

}  // namespace

CQVDatePickerCtrl::TodayProc CQVDatePickerCtrl::s_pfnToday = &ClockToday;

IMPLEMENT_DYNAMIC(CQVDatePickerCtrl, CWnd)

BEGIN_MESSAGE_MAP(CQVDatePickerCtrl, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, &CQVDatePickerCtrl::OnPrintClient)
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CQVDatePickerCtrl::OnMouseLeave)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_TIMER()
ON_WM_SETCURSOR()
ON_WM_CAPTURECHANGED()
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
ON_WM_DESTROY()
ON_MESSAGE(WM_QV_SKINCHANGED, &CQVDatePickerCtrl::OnSkinChanged)
ON_MESSAGE(WM_QV_LANCHANGED, &CQVDatePickerCtrl::OnLanChanged)
END_MESSAGE_MAP()

CQVDatePickerCtrl::CQVDatePickerCtrl() = default;

CQVDatePickerCtrl::~CQVDatePickerCtrl() {
    if (GetSafeHwnd()) DestroyWindow();
    FreeItems();
}

void CQVDatePickerCtrl::SetTodayProc(TodayProc pfnToday) {
    s_pfnToday = pfnToday ? pfnToday : &ClockToday;
}

COleDateTime CQVDatePickerCtrl::Today() {
    return s_pfnToday();
}

// ---- Creation and placement ----

int CQVDatePickerCtrl::Create(const CRect& rcButton, CButton* pOwner, int nYear, int nMonth, int nDay,
                              int nCommonMode, QVDatePickerAlign nAlign) {
    if (GetSafeHwnd() || !pOwner || !pOwner->GetSafeHwnd()) return 0;
    if (!QVRegisterWndClass(kClassName, CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), NULL)) return 0;
    m_pOwner = pOwner;
    m_bCommonMode = nCommonMode ? TRUE : FALSE;
    m_nAlign = nAlign;
    const int selected[3] = {nDay > 0 ? nYear : 1900, nDay > 0 ? nMonth : 1, nDay > 0 ? nDay : 1};
    std::copy(selected, selected + 3, m_selected);
    const COleDateTime today = Today();
    if (nYear == 0) nYear = today.GetYear();
    if (nMonth == 0) nMonth = today.GetMonth();
    if (nYear < m_nMinYear || nYear > m_nMaxYear || nMonth < 1 || nMonth > 12) {
        nYear = m_nMinYear;
        nMonth = 1;
    }
    // Made in its place, so that it never shows anywhere else first.
    const CSize size(qvdate::kPopupWidth, qvdate::kPopupHeight);
    const CRect rc(PickerScreenPosition(rcButton, size), size);
    if (!CreateEx(WS_EX_TOOLWINDOW, kClassName, _T(""), WS_POPUP | WS_VISIBLE, rc, pOwner, 0)) return 0;
    ChangeYearMonth(nYear, nMonth);
    SetPickerWndPos(rcButton);
    return 1;
}

CPoint CQVDatePickerCtrl::PickerScreenPosition(const CRect& rcButton, CSize size) const {
    const int cyScreen = ::GetSystemMetrics(SM_CYFULLSCREEN) + ::GetSystemMetrics(SM_CYCAPTION);
    return qvdate::PickerPosition(rcButton, m_nAlign, size, ::GetSystemMetrics(SM_CXFULLSCREEN), cyScreen);
}

void CQVDatePickerCtrl::SetPickerWndPos(const CRect& rcButton) {
    if (!GetSafeHwnd()) return;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const CPoint pt = PickerScreenPosition(rcButton, rcWindow.Size());
    SetWindowPos(NULL, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CQVDatePickerCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    // The same object makes a new window at every open: nothing of the last one may survive.
    FreeItems();
    m_bTracking = FALSE;
    m_bPressed = FALSE;
    m_strTip.Empty();
    m_nTimers[0] = m_nTimers[1] = 0;
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetForegroundWindow();
    if (m_ToolTip.m_hWnd) m_ToolTip.Detach();
    m_ToolTip.Create(this, TTS_ALWAYSTIP);
    CRect rcClient;
    GetClientRect(&rcClient);
    const qvdate::PickerRects rects = qvdate::LayoutPicker(rcClient);
    m_rcHeader = rects.rcHeader;
    m_rcWeekday = rects.rcWeekday;
    m_rcBottom = rects.rcBottom;
    m_rcTip = rects.rcBottom;
    InitializeItems();
    return 0;
}

void CQVDatePickerCtrl::InitializeItems() {
    for (const NavButton& nav : kNavButtons) {
        CDatePickerCtrlItem* pItem = new CDatePickerCtrlItem;
        pItem->m_nID = nav.nID;
        pItem->m_rect = qvdate::NavButtonRect(m_rcHeader, nav.nID);
        m_items.push_back(pItem);
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcGrid = qvdate::LayoutPicker(rcClient).rcGrid;
    for (int i = 0; i < 7 + qvdate::kDayCells; ++i) {
        CDatePickerCtrlItem* pItem = new CDatePickerCtrlItem;
        pItem->m_rect = qvdate::GridCellRect(rcGrid, i);
        pItem->m_clrText = qvdate::GridTextColour(i);
        pItem->m_nID = i < 7 ? qvdate::ID_FIRST_WEEKDAY + i : qvdate::ID_FIRST_DAY_CELL + i - 7;
        pItem->m_bEnabled = i >= 7;
        m_items.push_back(pItem);
    }
    LoadPictures();
    LoadTexts();
}

void CQVDatePickerCtrl::LoadPictures() {
    const CString strSkin = CQVSkinResManager::GetSingletonPtr()->GetCurrentSkinPath();
    for (const NavButton& nav : kNavButtons)
        if (CDatePickerCtrlItem* pItem = FindItem(nav.nID)) pItem->m_image.Load(strSkin + nav.pszImage);
}

void CQVDatePickerCtrl::LoadTexts() {
    for (const NavButton& nav : kNavButtons)
        if (CDatePickerCtrlItem* pItem = FindItem(nav.nID)) pItem->m_strTip = Lang(nav.pszTipKey);
    // Weekday headers carry their short names, day cells the full name of their column.
    for (int i = 0; i < 7 + qvdate::kDayCells && kNavCount + i < static_cast<int>(m_items.size()); ++i) {
        CDatePickerCtrlItem* pItem = m_items[kNavCount + i];
        const int nColumn = qvdate::GridColumn(i);
        if (i < 7)
            pItem->m_strText = Lang(kShortNameKeys[nColumn]);
        else
            pItem->m_strWeekdayName = Lang(kFullNameKeys[nColumn]);
    }
}

void CQVDatePickerCtrl::FreeItems() {
    for (CDatePickerCtrlItem* pItem : m_items)
        delete pItem;
    m_items.clear();
    m_pPrevHover = m_pHover = m_pDownItem = NULL;
    m_nFirstDayCellIndex = -1;
}

CDatePickerCtrlItem* CQVDatePickerCtrl::FindItem(int nID) const {
    for (CDatePickerCtrlItem* pItem : m_items)
        if (pItem->m_nID == nID) return pItem;
    return NULL;
}

CDatePickerCtrlItem* CQVDatePickerCtrl::FindDayCell(int nDay) const {
    if (m_nFirstDayCellIndex < 0 || nDay < 1 || nDay > m_nDaysInMonth) return NULL;
    const size_t nIndex = static_cast<size_t>(m_nFirstDayCellIndex + nDay - 1);
    return nIndex < m_items.size() ? m_items[nIndex] : NULL;
}

// ---- The month ----

int CQVDatePickerCtrl::ChangeYearMonth(int nYear, int nMonth) {
    if (nYear < m_nMinYear || nYear > m_nMaxYear || nMonth < 1 || nMonth > 12) return 0;
    m_nShownYear = nYear;
    m_nShownMonth = nMonth;
    m_nDaysInMonth = qvdate::DaysInMonth(nYear, nMonth);
    m_nFirstDayCellId = qvdate::FirstDayCellId(nYear, nMonth);
    SetDays();
    m_strHeader.Format(_T("%02d %04d"), nMonth, nYear);
    if (GetSafeHwnd()) {
        Invalidate(FALSE);
        if (!m_bCommonMode && m_pOwner && m_pOwner->GetSafeHwnd())
            m_pOwner->PostMessage(WM_QV_DATEMONTHCHANGED, nYear, nMonth);
    }
    return 1;
}

void CQVDatePickerCtrl::SetDays() {
    const COleDateTime now = Today();
    const int today[3] = {now.GetYear(), now.GetMonth(), now.GetDay()};
    m_nFirstDayCellIndex = -1;
    for (size_t i = 0; i < m_items.size(); ++i) {
        CDatePickerCtrlItem* pItem = m_items[i];
        if (pItem->m_nID < qvdate::ID_FIRST_DAY_CELL || pItem->m_nID > qvdate::ID_LAST_DAY_CELL) continue;
        const int nDay = qvdate::DayOfCell(pItem->m_nID, m_nFirstDayCellId, m_nDaysInMonth);
        pItem->m_bVisible = nDay > 0;
        if (!nDay) continue;
        if (nDay == 1) m_nFirstDayCellIndex = static_cast<int>(i);
        const int date[3] = {m_nShownYear, m_nShownMonth, nDay};
        const qvdate::DayCellState state = qvdate::DayCellFor(m_bCommonMode, date, today, m_selected);
        pItem->m_bToday = state.bToday;
        pItem->m_bPressed = state.bPressed;
        pItem->m_bEnabled = state.bEnabled;
        pItem->m_nCursorID = 0;
        pItem->m_strText.Format(_T("%d"), nDay);
        pItem->m_strTip = DayTip(pItem->m_strWeekdayName, m_nShownYear, m_nShownMonth, nDay);
    }
}

int CQVDatePickerCtrl::SetEnableDay(const std::vector<int>& days) {
    if (m_bCommonMode || !GetSafeHwnd() || m_nFirstDayCellIndex < 0) return 0;
    for (int nDay : days) {
        CDatePickerCtrlItem* pItem = FindDayCell(nDay);
        if (!pItem) continue;
        pItem->m_bPressed = TRUE;
        pItem->m_bEnabled = TRUE;
        pItem->m_nCursorID = static_cast<int>(reinterpret_cast<INT_PTR>(IDC_HAND));
    }
    Invalidate(FALSE);
    return 1;
}

// ---- Clicks ----

void CQVDatePickerCtrl::OnButtonClicked(int nID) {
    qvdate::YearMonth target;
    if (qvdate::NavigationTarget(nID, {m_nShownYear, m_nShownMonth}, &target)) {
        ChangeYearMonth(target.nYear, target.nMonth);
    } else if (nID == qvdate::ID_CLOSE) {
        ClosePicker(0, 0, 0);
    } else if (nID >= qvdate::ID_FIRST_DAY_CELL && nID <= qvdate::ID_LAST_DAY_CELL) {
        const int nDay = nID - m_nFirstDayCellId + 1;
        if (nDay >= 1 && nDay <= m_nDaysInMonth) ClosePicker(m_nShownYear, m_nShownMonth, nDay);
    }
}

void CQVDatePickerCtrl::ClosePicker(int nYear, int nMonth, int nDay) {
    const CQVAliveToken alive(this);
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        m_pOwner->SendMessage(WM_QV_DATEPICKED, nYear, MAKELPARAM(nMonth, nDay));
    // The owner may have destroyed the button (and so this popup) or its dialog meanwhile.
    if (alive) PostMessage(WM_CLOSE);
}

// ---- Painting ----

void CQVDatePickerCtrl::Draw(CDC* pDC) {
    CRect rcClient;
    GetClientRect(&rcClient);
    {
        CQVSelectScope scope = CQVSelectScope::SolidPenBrush(*pDC, kClrFrame, kClrBack);
        pDC->Rectangle(&rcClient);
    }
    pDC->FillSolidRect(&m_rcWeekday, kClrStrip);
    pDC->FillSolidRect(&m_rcBottom, kClrStrip);
    CQVSelectScope font(pDC, ::GetStockObject(DEFAULT_GUI_FONT));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(kClrText);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS;
    CRect rc = m_rcHeader;
    pDC->DrawText(m_strHeader, &rc, nFormat);
    for (const CDatePickerCtrlItem* pItem : m_items)
        if (pItem->m_bVisible) DrawItem(pDC, *pItem);
    pDC->SetTextColor(kClrText);
    rc = m_rcTip;
    pDC->DrawText(m_strTip, &rc, nFormat);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CQVDatePickerCtrl::DrawItem(CDC* pDC, const CDatePickerCtrlItem& item) {
    const BOOL bHot = item.m_bEnabled && item.m_bHot;
    const BOOL bPressed = item.m_bEnabled && !item.m_bHot && item.m_bPressed;
    CPen penToday(PS_SOLID, 1, kClrToday);
    CBrush brush(bHot ? kClrHot : kClrPressed);
    {
        CQVSelectScope scope(pDC, item.m_bToday ? penToday.GetSafeHandle() : ::GetStockObject(NULL_PEN),
                             bHot || bPressed ? brush.GetSafeHandle() : ::GetStockObject(NULL_BRUSH));
        pDC->RoundRect(&item.m_rect, CPoint(3, 3));
    }
    if (!item.m_strText.IsEmpty()) {
        pDC->SetTextColor(item.m_clrText);
        CRect rc = item.m_rect;
        pDC->DrawText(item.m_strText, &rc, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    } else {
        item.m_image.FixRender(pDC, item.m_rect);
    }
}

void CQVDatePickerCtrl::OnPaint() {
    CPaintDC dc(this);
    CQVPaintMemoryDC memDC(this, &dc);
    Draw(&memDC);
}

LRESULT CQVDatePickerCtrl::OnPrintClient(WPARAM wParam, LPARAM) {
    Draw(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

BOOL CQVDatePickerCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

// ---- Mouse, keys and focus ----

CDatePickerCtrlItem* CQVDatePickerCtrl::HitTest(CPoint pt) const {
    for (CDatePickerCtrlItem* pItem : m_items)
        if (pItem->m_bVisible && pItem->m_rect.PtInRect(pt)) return pItem;
    return NULL;
}

void CQVDatePickerCtrl::SetHover(CDatePickerCtrlItem* pItem) {
    if (pItem != m_pHover) {
        if (m_pHover) {
            m_pHover->m_bHot = FALSE;
            InvalidateRect(&m_pHover->m_rect, FALSE);
        }
        m_pPrevHover = m_pHover;
        m_pHover = pItem;
        if (pItem) {
            pItem->m_bHot = TRUE;
            InvalidateRect(&pItem->m_rect, FALSE);
        }
    }
    const CString strTip = pItem ? pItem->m_strTip : CString();
    if (strTip != m_strTip) {
        m_strTip = strTip;
        InvalidateRect(&m_rcTip, FALSE);
    }
}

void CQVDatePickerCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    if (!m_bTracking) {
        m_bTracking = QVTrackMouseLeave(m_hWnd);
    }
    SetHover(HitTest(point));
    CWnd::OnMouseMove(nFlags, point);
}

LRESULT CQVDatePickerCtrl::OnMouseLeave(WPARAM, LPARAM) {
    m_bTracking = FALSE;
    if (!m_bPressed) SetHover(NULL);
    return 0;
}

BOOL CQVDatePickerCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (nHitTest == HTCLIENT && m_pHover && m_pHover->m_nCursorID) {
        ::SetCursor(::LoadCursor(NULL, MAKEINTRESOURCE(m_pHover->m_nCursorID)));
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CQVDatePickerCtrl::OnLButtonDown(UINT, CPoint point) {
    m_bPressed = TRUE;
    // The capture keeps the release (and the end of a held repeat) with the popup.
    SetCapture();
    CDatePickerCtrlItem* pItem = HitTest(point);
    SetHover(pItem);
    if (!pItem) return;
    if (!m_nTimers[0] && !m_nTimers[1]) m_nTimers[0] = SetTimer(TIMER_FIRST_REPEAT, kFirstRepeatMillis, NULL);
    pItem->m_bPressed = TRUE;
    m_pDownItem = pItem;
    InvalidateRect(&pItem->m_rect, FALSE);
    if (pItem->m_bEnabled) OnButtonClicked(pItem->m_nID);
}

void CQVDatePickerCtrl::OnLButtonUp(UINT, CPoint) {
    m_bPressed = FALSE;
    StopRepeat();
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CQVDatePickerCtrl::OnLButtonDblClk(UINT, CPoint) {
    // The second press of a double click only counts as held: a fast double click steps once.
    m_bPressed = TRUE;
}

void CQVDatePickerCtrl::OnCaptureChanged(CWnd* pWnd) {
    if (pWnd != this) {
        m_bPressed = FALSE;
        StopRepeat();
    }
    CWnd::OnCaptureChanged(pWnd);
}

void CQVDatePickerCtrl::StopRepeat() {
    if (m_nTimers[0]) KillTimer(TIMER_FIRST_REPEAT);
    if (m_nTimers[1]) KillTimer(TIMER_REPEAT);
    m_nTimers[0] = m_nTimers[1] = 0;
    if (m_pDownItem) {
        m_pDownItem->m_bPressed = FALSE;
        InvalidateRect(&m_pDownItem->m_rect, FALSE);
        m_pDownItem = NULL;
    }
}

void CQVDatePickerCtrl::RepeatHoveredClick() {
    if (m_pHover && m_pHover->m_bVisible && m_pHover->m_bEnabled) OnButtonClicked(m_pHover->m_nID);
}

void CQVDatePickerCtrl::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == TIMER_FIRST_REPEAT && m_nTimers[0]) {
        KillTimer(TIMER_FIRST_REPEAT);
        m_nTimers[0] = 0;
        m_nTimers[1] = SetTimer(TIMER_REPEAT, kRepeatMillis, NULL);
        RepeatHoveredClick();
    } else if (nIDEvent == TIMER_REPEAT && m_nTimers[1]) {
        RepeatHoveredClick();
    } else {
        CWnd::OnTimer(nIDEvent);
    }
}

void CQVDatePickerCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_ESCAPE) {
        OnButtonClicked(qvdate::ID_CLOSE);
        return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CQVDatePickerCtrl::OnKillFocus(CWnd* pNewWnd) {
    CWnd::OnKillFocus(pNewWnd);
    ClosePicker(0, 0, 0);
}

LRESULT CQVDatePickerCtrl::OnSkinChanged(WPARAM, LPARAM) {
    LoadPictures();
    Invalidate(FALSE);
    return 1;
}

LRESULT CQVDatePickerCtrl::OnLanChanged(WPARAM, LPARAM) {
    // The tips of the shown days and of the hovered item are made again in the new language.
    LoadTexts();
    for (int nDay = 1; nDay <= m_nDaysInMonth; ++nDay) {
        if (CDatePickerCtrlItem* pItem = FindDayCell(nDay))
            pItem->m_strTip = DayTip(pItem->m_strWeekdayName, m_nShownYear, m_nShownMonth, nDay);
    }
    m_strTip = m_pHover ? m_pHover->m_strTip : CString();
    Invalidate(FALSE);
    return 0;
}

void CQVDatePickerCtrl::OnDestroy() {
    StopRepeat();
    if (m_ToolTip.GetSafeHwnd()) m_ToolTip.DestroyWindow();
    CWnd::OnDestroy();
}
