#include "QVDatePickerBtn.h"

#include "QVAliveToken.h"
#include "QVDatePickerLayout.h"

IMPLEMENT_DYNAMIC(CQVDatePickerBtn, CQVButton)

BEGIN_MESSAGE_MAP(CQVDatePickerBtn, CQVButton)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SYSKEYDOWN()
ON_MESSAGE(WM_GETDLGCODE, &CQVDatePickerBtn::OnGetDlgCode)
ON_MESSAGE(WM_QV_DATEPICKED, &CQVDatePickerBtn::OnDatePicked)
ON_MESSAGE(WM_QV_DATEMONTHCHANGED, &CQVDatePickerBtn::OnMonthChanged)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CQVDatePickerBtn::CQVDatePickerBtn() = default;

CQVDatePickerBtn::~CQVDatePickerBtn() = default;

void CQVDatePickerBtn::SetDate(int nYear, int nMonth, int nDay) {
    if (nYear < qvdate::kMinYear + 1) {
        SetDate(CQVDatePickerCtrl::Today());
        return;
    }
    if (!qvdate::IsShownDate(nYear, nMonth, nDay)) return;
    m_nYear = nYear;
    m_nMonth = nMonth;
    m_nDay = nDay;
}

void CQVDatePickerBtn::SetDate(const COleDateTime& date) {
    const COleDateTime when = date.GetStatus() == COleDateTime::valid ? date : CQVDatePickerCtrl::Today();
    if (when.GetStatus() != COleDateTime::valid) return;
    if (!qvdate::IsShownDate(when.GetYear(), when.GetMonth(), when.GetDay())) return;
    m_nYear = when.GetYear();
    m_nMonth = when.GetMonth();
    m_nDay = when.GetDay();
}

COleDateTime CQVDatePickerBtn::GetDate() const {
    COleDateTime date(m_nYear, m_nMonth, m_nDay, 0, 0, 0);
    if (!m_nYear) date.SetStatus(COleDateTime::invalid);
    return date;
}

BOOL CQVDatePickerBtn::OpenPicker() {
    // A window that is still there while the button is released is a popup on its way out.
    if (m_bOpen || m_picker.GetSafeHwnd() || !GetSafeHwnd()) return FALSE;
    m_bOpen = TRUE;
    SetState(TRUE);
    CRect rcButton;
    GetWindowRect(&rcButton);
    if (!m_picker.Create(rcButton, this, m_nYear, m_nMonth, m_nDay, m_bCommonMode, m_nAlign)) {
        m_bOpen = FALSE;
        SetState(FALSE);
        return FALSE;
    }
    m_picker.ShowWindow(SW_SHOW);
    m_picker.UpdateWindow();
    m_picker.SetFocus();
    return TRUE;
}

void CQVDatePickerBtn::OnLButtonDown(UINT, CPoint) {
    // The system button's own press would capture the mouse and click at the release: the popup opens
    // here instead. A press that meets the popup open or closing takes the focus from it, which closes it.
    if (!OpenPicker() && GetSafeHwnd()) SetFocus();
}

void CQVDatePickerBtn::OnLButtonUp(UINT, CPoint) {}

void CQVDatePickerBtn::OnLButtonDblClk(UINT nFlags, CPoint point) {
    OnLButtonDown(nFlags, point);
}

void CQVDatePickerBtn::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_SPACE || nChar == VK_RETURN) {
        OpenPicker();
        return;
    }
    CQVButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CQVDatePickerBtn::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // The system button clicks at the release of the space bar.
    if (nChar == VK_SPACE) return;
    CQVButton::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CQVDatePickerBtn::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_DOWN && (nFlags & KF_ALTDOWN)) {
        OpenPicker();
        return;
    }
    CQVButton::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CQVDatePickerBtn::OnGetDlgCode(WPARAM, LPARAM lParam) {
    LRESULT lCode = Default();
    // Enter opens the popup instead of pressing the dialog's default button.
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) lCode |= DLGC_WANTMESSAGE;
    return lCode;
}

LRESULT CQVDatePickerBtn::OnDatePicked(WPARAM wParam, LPARAM lParam) {
    SetState(FALSE);
    Invalidate();
    m_bOpen = FALSE;
    if (m_bDestroying) return 0;
    const HWND hParent = ::GetParent(m_hWnd);
    if (wParam) {
        m_nYear = static_cast<int>(wParam);
        m_nMonth = LOWORD(lParam);
        m_nDay = HIWORD(lParam);
        const CQVAliveToken alive(this);
        ::SendMessage(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(m_hWnd));
        if (!alive || !::IsWindow(hParent)) return 0;
    }
    return ::SendMessage(hParent, WM_QV_DATEPICKED, wParam, lParam);
}

LRESULT CQVDatePickerBtn::OnMonthChanged(WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(::GetParent(m_hWnd), WM_QV_DATEMONTHCHANGED, wParam, lParam);
}

void CQVDatePickerBtn::OnDestroy() {
    m_bDestroying = TRUE;
    if (m_picker.GetSafeHwnd()) m_picker.DestroyWindow();
    m_bOpen = FALSE;
    CQVButton::OnDestroy();
    m_bDestroying = FALSE;
}
