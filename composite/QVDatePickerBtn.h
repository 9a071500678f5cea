// A button that holds a date and opens a calendar popup to pick another.
#pragma once

#include "QVButton.h"
#include "QVDatePickerCtrl.h"

// A skinned push button (subclass one or Create one) with a date. A press (the left button going
// down, Space, Enter or Alt+Down while it has the focus) opens the calendar popup and shows the button
// pressed; the popup's close releases it. The button tells its parent, in this order, when a day is
// clicked:
//   WM_COMMAND (control id, notification 0)
//   0x9F0 (year, month | day << 16)
//   0x9F0 (0, 0)                        the popup losing the focus as it is destroyed
// and 0x9F0 (0, 0) alone when the popup closes without a date. Outside common mode 0x9F1 (year, month)
// reaches the parent whenever the popup shows a month; the parent then calls
// GetPickerCtrl().SetEnableDay with the days it has records of. The button sends no WM_COMMAND of its
// own: not at the press that opens the popup, not at a release, not at a double click. A press while
// the popup is open or closing only closes it.
class RIZ_API CQVDatePickerBtn : public CQVButton {
    DECLARE_DYNAMIC(CQVDatePickerBtn)
public:
    CQVDatePickerBtn();
    ~CQVDatePickerBtn() override;

    // A year below 1901 (or an invalid date) means today; another date outside 1900 ... 2099 or one
    // that does not exist (February 30) is refused and the stored date kept.
    void SetDate(int nYear, int nMonth, int nDay);
    void SetDate(const COleDateTime& date);
    // The stored date at 00:00:00; invalid while no date was set.
    COleDateTime GetDate() const;

    void SetCommonMode(int nCommonMode) { m_bCommonMode = nCommonMode ? TRUE : FALSE; }
    int GetCommonMode() const { return m_bCommonMode; }
    void SetPickerAlign(QVDatePickerAlign nAlign) { m_nAlign = nAlign; }
    QVDatePickerAlign GetPickerAlign() const { return m_nAlign; }
    BOOL IsPickerOpen() const { return m_bOpen; }
    // The popup, for SetEnableDay from the parent's 0x9F1 handler.
    CQVDatePickerCtrl& GetPickerCtrl() { return m_picker; }

    // Opens the popup below or above the button (the press's work); FALSE when it is open or closing.
    BOOL OpenPicker();

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDatePicked(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMonthChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    BOOL m_bOpen = FALSE;  // the popup is shown
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    BOOL m_bCommonMode = TRUE;
    CQVDatePickerCtrl m_picker;
    QVDatePickerAlign m_nAlign = QVDPA_BOTTOM_LEFT;
    BOOL m_bDestroying = FALSE;  // WM_DESTROY: the popup's last close is not passed on
};
