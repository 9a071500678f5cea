// The date picker's calendar popup: one month as a 7-column grid under navigation buttons.
#pragma once

#include "RIZuruzezuDef.h"

#include <ATLComTime.h>
#include <QVGdiplusImage.h>
#include <afxcmn.h>

#include <vector>

// Sent by the popup to its owner button, and passed on by the button to its parent.
// 0x9F0: a date was chosen (wParam year, lParam month | day << 16) or the popup closed (0, 0).
#define WM_QV_DATEPICKED (WM_USER + 1520)
// 0x9F1, posted: the shown month changed outside common mode (wParam year, lParam month); the owner
// answers with SetEnableDay for the days it has records of.
#define WM_QV_DATEMONTHCHANGED (WM_USER + 1521)

// Where the popup opens beside its button.
enum QVDatePickerAlign {
    QVDPA_BOTTOM_LEFT = 0,   // below the button, left edges aligned
    QVDPA_TOP_LEFT = 1,      // above, left edges aligned
    QVDPA_BOTTOM_RIGHT = 2,  // below, right edges aligned
    QVDPA_TOP_RIGHT = 3,     // above, right edges aligned
};

// One drawn part of the popup: a navigation button, a weekday header or a day cell.
class RIZ_API CDatePickerCtrlItem {
public:
    int m_nID = 0;
    BOOL m_bHot = FALSE;
    BOOL m_bPressed = FALSE;
    BOOL m_bEnabled = TRUE;
    BOOL m_bToday = FALSE;
    BOOL m_bVisible = TRUE;
    CRect m_rect;
    CQVGdiplusImage m_image;
    CString m_strText;
    CString m_strTip;
    int m_nCursorID = 0;  // a system cursor (IDC_HAND ...) shown over the item; 0 none
    COLORREF m_clrText = RGB(64, 64, 64);
    CString m_strWeekdayName;
};

// The calendar popup of CQVDatePickerBtn, a member of the button. It is created at a press of the
// button and destroyed whenever it closes (a day, the close button or Escape, a lost focus); every
// creation starts from nothing. Clicks act at button-down; holding a navigation button steps at once,
// after 500 ms and then every 100 ms. In common mode every day can be picked and the chosen date is
// marked; otherwise only the days the owner enables with SetEnableDay.
//
// What the owner receives when a day is clicked, in this order:
//   0x9F0 (year, month | day << 16)   the date; the popup then posts itself WM_CLOSE
//   0x9F0 (0, 0)                      from WM_KILLFOCUS, as the focused popup is destroyed
// The close button, Escape and a click elsewhere send 0x9F0 (0, 0) alone (twice for the close button
// and Escape: once as it closes, once as it loses the focus).
class RIZ_API CQVDatePickerCtrl : public CWnd {
    DECLARE_DYNAMIC(CQVDatePickerCtrl)
public:
    CQVDatePickerCtrl();
    ~CQVDatePickerCtrl() override;

    // Creates the 172 x 170 popup beside the button's screen rectangle and shows the month of the date
    // (today's for a year or month of 0; January 1900 for one outside the calendar). With day > 0 the
    // date is the selected one. 0 on failure.
    int Create(const CRect& rcButton, CButton* pOwner, int nYear, int nMonth, int nDay, int nCommonMode,
               QVDatePickerAlign nAlign);
    // Places the popup beside the button per the align value, kept on the screen.
    void SetPickerWndPos(const CRect& rcButton);
    // Shows a month: 0 for a year or month outside the calendar. Outside common mode the owner is
    // told (0x9F1, posted).
    int ChangeYearMonth(int nYear, int nMonth);
    // Outside common mode, with the popup open: the listed days of the shown month become pickable
    // (pressed, enabled, the hand cursor); others are ignored. 1 when it did that, else 0.
    int SetEnableDay(const std::vector<int>& days);

    int GetShownYear() const { return m_nShownYear; }
    int GetShownMonth() const { return m_nShownMonth; }
    const CString& GetHeaderText() const { return m_strHeader; }
    const CString& GetTipText() const { return m_strTip; }
    // The items in their order (5 buttons, 7 weekday headers, 43 day cells) while the popup exists.
    const std::vector<CDatePickerCtrlItem*>& GetItems() const { return m_items; }
    CDatePickerCtrlItem* FindItem(int nID) const;
    // The cell that shows a day of the shown month, or NULL.
    CDatePickerCtrlItem* FindDayCell(int nDay) const;

    // Today's date, read through one replaceable function (tests fix the date); NULL restores the clock.
    typedef COleDateTime (*TodayProc)();
    static void SetTodayProc(TodayProc pfnToday);
    static COleDateTime Today();

    // Overridable steps, in the order the popup calls them.
    virtual void InitializeItems();
    virtual void SetDays();
    virtual void DrawItem(CDC* pDC, const CDatePickerCtrlItem& item);
    virtual void OnButtonClicked(int nID);

protected:
    void FreeItems();
    // The popup's top-left corner beside the button, on the screen.
    CPoint PickerScreenPosition(const CRect& rcButton, CSize size) const;
    // The navigation buttons' pictures from the current skin, the texts from the current language.
    void LoadPictures();
    void LoadTexts();
    void Draw(CDC* pDC);
    CDatePickerCtrlItem* HitTest(CPoint pt) const;
    void SetHover(CDatePickerCtrlItem* pItem);
    void StopRepeat();
    void RepeatHoveredClick();
    // Tells the owner (0x9F0) and posts WM_CLOSE, unless the owner destroyed the popup meanwhile.
    void ClosePicker(int nYear, int nMonth, int nDay);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSkinChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLanChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL m_bTracking = FALSE;  // a leave notification has been requested
    BOOL m_bPressed = FALSE;   // the left button is down
    BOOL m_bCommonMode = TRUE;
    std::vector<CDatePickerCtrlItem*> m_items;  // owned
    CRect m_rcWeekday;
    CRect m_rcBottom;
    CRect m_rcHeader;
    CRect m_rcTip;
    CString m_strHeader;
    CString m_strTip;
    CDatePickerCtrlItem* m_pPrevHover = NULL;
    CDatePickerCtrlItem* m_pHover = NULL;
    int m_selected[3] = {1900, 1, 1};
    int m_nMinYear = 1900;
    int m_nMaxYear = 2099;
    int m_nShownYear = 1900;
    int m_nShownMonth = 1;
    int m_nDaysInMonth = 31;
    int m_nFirstDayCellId = 0;
    int m_nFirstDayCellIndex = -1;
    UINT_PTR m_nTimers[2] = {0, 0};  // timers 1 and 2 while running
    CToolTipCtrl m_ToolTip;
    CButton* m_pOwner = NULL;
    QVDatePickerAlign m_nAlign = QVDPA_BOTTOM_LEFT;
    CDatePickerCtrlItem* m_pDownItem = NULL;  // the item the button went down on, released at button-up

    static TodayProc s_pfnToday;
};
