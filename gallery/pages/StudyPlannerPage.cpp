// The study planner page: a skinned dialog with two date buttons. "Exam date" picks any day (common
// mode) and opens its calendar below itself; "Days with records" opens above and right-aligned and
// lets only the studied days be picked, which the dialog supplies for every month the calendar shows.
// The screenshot shows both calendars open, each captured while it was the one open, with a studied
// day under the pointer so that its tip shows.
#include "../GalleryPage.h"

#include <RIZuruzezu.h>

#include <vector>

namespace {

// The planner's "today", so that the shots are the same on every run.
COleDateTime PlannerToday() {
    return COleDateTime(2026, 12, 7, 8, 0, 0);
}

// The days the learner studied in a month: most days, with a gap every third day.
std::vector<int> StudiedDays(int nYear, int nMonth) {
    std::vector<int> days;
    const int nLast = nYear == 2026 && nMonth == 12 ? 6 : qvdate::DaysInMonth(nYear, nMonth);
    for (int nDay = 1; nDay <= nLast; ++nDay)
        if ((nDay + nMonth) % 3 != 0) days.push_back(nDay);
    return days;
}

CString DateText(const COleDateTime& date) {
    CString str;
    if (date.GetStatus() == COleDateTime::valid)
        str.Format(GalleryText(L"%d\x5e74%d\x6708%d\x65e5", L"%04d-%02d-%02d"), date.GetYear(),
                   date.GetMonth(), date.GetDay());
    return str;
}

class CStudyPlannerDlg : public CSkinDialog {
public:
    BOOL CreateOver(CWnd* pOwner) {
        m_template = GalleryEmptyDialogTemplate(420, 270);
        if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), pOwner)) return FALSE;
        SetWindowText(_T("~IDS_GALLERY_DP_TITLE"));
        TranslateWndStrings(this);
        return TRUE;
    }

    // Opens one calendar, as a click on its button does; with a studied day under the pointer for the
    // records calendar. Answers the screen rectangle of the popup and its button.
    CRect OpenForShot(BOOL bRecords) {
        CQVDatePickerBtn& button = bRecords ? m_records : m_exam;
        button.OpenPicker();
        PumpPending();
        CQVDatePickerCtrl& picker = button.GetPickerCtrl();
        if (const CDatePickerCtrlItem* pDay = bRecords ? picker.FindDayCell(4) : NULL) {
            // The real pointer's own moves arrive first; the move sent last leaves the day hot.
            const CPoint pt = pDay->m_rect.CenterPoint();
            CPoint screen = pt;
            picker.ClientToScreen(&screen);
            ::SetCursorPos(screen.x, screen.y);
            PumpPending();
            picker.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        }
        picker.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        ::GdiFlush();
        CRect rc, rcButton;
        picker.GetWindowRect(&rc);
        button.GetWindowRect(&rcButton);
        rc.UnionRect(&rc, &rcButton);
        return rc;
    }
    void CloseAfterShot(BOOL bRecords) {
        CQVDatePickerCtrl& picker = (bRecords ? m_records : m_exam).GetPickerCtrl();
        if (picker.GetSafeHwnd()) picker.SendMessage(WM_KEYDOWN, VK_ESCAPE);
        PumpPending();
    }

protected:
    BOOL OnInitDialog() override {
        CSkinDialog::OnInitDialog();
        SetWindowPos(NULL, 0, 0, 640, 430, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CQVDatePickerCtrl::SetTodayProc(&PlannerToday);
        const HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        auto label = [&](CQVLabel& lbl, LPCTSTR lpszKey, const CRect& rc) {
            lbl.SetTransparent(TRUE);
            lbl.Create(lpszKey, WS_CHILD | WS_VISIBLE | SS_LEFT, rc, this, 0xFFFF);
            lbl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        };
        // Upper left: the exam date, its calendar opening below it.
        label(m_examLabel, _T("~IDS_GALLERY_DP_EXAM"), CRect(20, 24, 124, 40));
        m_exam.Create(_T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CRect(130, 18, 270, 42),
                      this, kIdExam);
        m_exam.SetDate(2027, 1, 15);
        label(m_examHint, _T("~IDS_GALLERY_DP_EXAM_HINT"), CRect(290, 24, 620, 40));
        // Lower right: the days with records, opening above and right-aligned.
        label(m_recordsHint, _T("~IDS_GALLERY_DP_RECORDS_HINT"), CRect(20, 336, 330, 352));
        label(m_recordsLabel, _T("~IDS_GALLERY_DP_RECORDS"), CRect(340, 336, 470, 352));
        m_records.Create(_T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                         CRect(476, 330, 616, 354), this, kIdRecords);
        m_records.SetCommonMode(0);
        m_records.SetPickerAlign(QVDPA_TOP_RIGHT);
        m_records.SetDate(2026, 12, 4);
        ShowDates();
        TranslateWndStrings(this);
        return TRUE;
    }
    void OnOK() override {}
    void OnCancel() override {}

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kIdExam || LOWORD(wParam) == kIdRecords) {
            ShowDates();
            return TRUE;
        }
        return CSkinDialog::OnCommand(wParam, lParam);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        // The records calendar asks for the studied days of each month it shows.
        if (message == WM_QV_DATEMONTHCHANGED) {
            m_records.GetPickerCtrl().SetEnableDay(
                StudiedDays(static_cast<int>(wParam), static_cast<int>(lParam)));
            return 0;
        }
        return CSkinDialog::WindowProc(message, wParam, lParam);
    }

private:
    void ShowDates() {
        m_exam.SetWindowText(DateText(m_exam.GetDate()));
        m_records.SetWindowText(DateText(m_records.GetDate()));
    }
    static void PumpPending() {
        MSG msg;
        while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }

    static constexpr UINT kIdExam = 1501;
    static constexpr UINT kIdRecords = 1502;
    std::vector<WORD> m_template;
    CQVLabel m_examLabel, m_examHint, m_recordsLabel, m_recordsHint;
    CQVDatePickerBtn m_exam, m_records;
};

class CStudyPlannerPage : public CGalleryDialogPage<CStudyPlannerDlg> {
public:
    CStudyPlannerPage()
        : CGalleryDialogPage(_T("study-planner"), _T("Study planner"),
                             L"\x5b66\x4e60\x8ba1\x5212\xff1a\x65e5\x671f\x6309\x94ae\x548c\x5b83\x7684\x65e5"
                             L"\x5386",
                             L"A study planner: date buttons and their calendars") {}
    ~CStudyPlannerPage() override { CQVDatePickerCtrl::SetTodayProc(NULL); }

    // Each calendar closes when the other takes the focus: the shot is the exam calendar's capture
    // with the records calendar's rectangle (and its pressed button) copied in from a second capture.
    HBITMAP Shoot(const std::function<HBITMAP()>& capture) override {
        m_dialog.OpenForShot(FALSE);
        HBITMAP hShot = capture();
        m_dialog.CloseAfterShot(FALSE);
        const CRect rcRecords = m_dialog.OpenForShot(TRUE);
        HBITMAP hRecords = capture();
        m_dialog.CloseAfterShot(TRUE);
        if (hShot && hRecords) {
            CRect rcFrame;
            ::GetWindowRect(::GetAncestor(GetSafeHwnd(), GA_ROOT), &rcFrame);
            CRect rc = rcRecords;
            rc.OffsetRect(-rcFrame.left, -rcFrame.top);
            HDC hScreen = ::GetDC(NULL);
            HDC hTo = ::CreateCompatibleDC(hScreen);
            HDC hFrom = ::CreateCompatibleDC(hScreen);
            HGDIOBJ hOldTo = ::SelectObject(hTo, hShot);
            HGDIOBJ hOldFrom = ::SelectObject(hFrom, hRecords);
            ::BitBlt(hTo, rc.left, rc.top, rc.Width(), rc.Height(), hFrom, rc.left, rc.top, SRCCOPY);
            ::SelectObject(hFrom, hOldFrom);
            ::SelectObject(hTo, hOldTo);
            ::DeleteDC(hFrom);
            ::DeleteDC(hTo);
            ::ReleaseDC(NULL, hScreen);
        }
        if (hRecords) ::DeleteObject(hRecords);
        return hShot;
    }
};

}  // namespace

REGISTER_GALLERY_PAGE(CStudyPlannerPage);
