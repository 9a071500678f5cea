// Common control wrappers on real windows where the wrapper builds or converts more than one value
// (tool descriptions, dates and ranges, a calendar sized at a point), every wrapper's class, and a
// create/destroy loop of every control wrapper that must leave no window or GDI object behind.
#include <afxcmn.h>
#include <afxdtctl.h>

#include <gtest/gtest.h>

#include "FrameworkHost.h"
#include "ResourceCounter.h"
#include "TestWindow.h"

namespace {

using riztest::CtrlHost;

using riztest::FreeTemporaries;

bool SameDay(const COleDateTime& date, int nYear, int nMonth, int nDay) {
    return date.GetStatus() == COleDateTime::valid && date.GetYear() == nYear && date.GetMonth() == nMonth &&
           date.GetDay() == nDay;
}

}  // namespace

// ---- CToolTipCtrl ----

TEST(CToolTipCtrlTools, AddUpdateReadAndDeleteTools) {
    CtrlHost host;
    CButton button;
    ASSERT_TRUE(button.Create(_T("Tool"), WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), host.Parent(), 90));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(host.Parent(), TTS_ALWAYSTIP));
    EXPECT_EQ(tip.GetOwner(), host.Parent());

    EXPECT_TRUE(tip.AddTool(&button, _T("Press me")));
    const CRect rcArea(10, 100, 60, 130);
    EXPECT_TRUE(tip.AddTool(host.Parent(), _T("区域"), &rcArea, 7));
    EXPECT_EQ(tip.GetToolCount(), 2);

    CString str;
    tip.GetText(str, &button);
    EXPECT_EQ(str, _T("Press me"));
    tip.UpdateTipText(_T("Changed"), &button);
    tip.GetText(str, &button);
    EXPECT_EQ(str, _T("Changed"));

    CToolInfo info;
    ASSERT_TRUE(tip.GetToolInfo(info, host.Parent(), 7));
    EXPECT_EQ(CRect(info.rect), rcArea);
    EXPECT_EQ(::lstrcmp(info.lpszText, _T("区域")), 0);
    EXPECT_EQ(info.uId, 7u);
    ASSERT_TRUE(tip.GetToolInfo(info, &button));
    EXPECT_NE(info.uFlags & TTF_IDISHWND, 0u);
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(button.m_hWnd));

    tip.SetToolRect(host.Parent(), 7, CRect(0, 0, 5, 5));
    TOOLINFO hit = {};
    EXPECT_TRUE(tip.HitTest(host.Parent(), CPoint(2, 2), &hit));
    EXPECT_EQ(hit.uId, 7u);
    tip.DelTool(&button);
    EXPECT_EQ(tip.GetToolCount(), 1);
    tip.DelTool(host.Parent(), 7);
    EXPECT_EQ(tip.GetToolCount(), 0);
}

// ---- CDateTimeCtrl ----

TEST(CDateTimeCtrlControl, TimeNoneAndRange) {
    CtrlHost host;
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT | DTS_SHOWNONE,
                              CRect(0, 0, 160, 24), host.Parent(), 100));
    EXPECT_TRUE(picker.SetTime(COleDateTime(2024, 2, 29, 10, 30, 0)));
    COleDateTime date;
    ASSERT_TRUE(picker.GetTime(date));
    EXPECT_TRUE(SameDay(date, 2024, 2, 29));
    SYSTEMTIME st = {};
    EXPECT_EQ(picker.GetTime(&st), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(st.wMonth, 2);

    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    EXPECT_TRUE(picker.SetTime(none));
    ASSERT_TRUE(picker.GetTime(date));
    EXPECT_EQ(date.GetStatus(), COleDateTime::null);
    EXPECT_EQ(picker.GetTime(&st), static_cast<DWORD>(GDT_NONE));
    st = {};
    st.wYear = 2020;
    st.wMonth = 6;
    st.wDay = 1;
    EXPECT_TRUE(picker.SetTime(&st));
    ASSERT_TRUE(picker.GetTime(date));
    EXPECT_TRUE(SameDay(date, 2020, 6, 1));

    const COleDateTime first(2020, 1, 1, 0, 0, 0), last(2020, 12, 31, 0, 0, 0);
    EXPECT_TRUE(picker.SetRange(&first, &last));
    COleDateTime readFirst, readLast;
    EXPECT_EQ(picker.GetRange(&readFirst, &readLast), static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
    EXPECT_TRUE(SameDay(readFirst, 2020, 1, 1));
    EXPECT_TRUE(SameDay(readLast, 2020, 12, 31));
    EXPECT_TRUE(picker.SetRange(&first, nullptr));
    EXPECT_EQ(picker.GetRange(&readFirst, &readLast), static_cast<DWORD>(GDTR_MIN));
    EXPECT_EQ(readLast.GetStatus(), COleDateTime::null);

    FreeTemporaries();
}

// ---- CMonthCalCtrl ----

TEST(CMonthCalCtrlControl, SizedAtAPointSelectionsAreDaysAndRangesConvertBothEnds) {
    CtrlHost host(600, 400);
    CMonthCalCtrl calendar;
    ASSERT_TRUE(calendar.Create(WS_CHILD | WS_VISIBLE, CPoint(5, 6), host.Parent(), 110));
    CRect rcMin, rcWindow;
    ASSERT_TRUE(calendar.GetMinReqRect(&rcMin));
    calendar.GetWindowRect(&rcWindow);
    host.Parent()->ScreenToClient(&rcWindow);
    EXPECT_EQ(rcWindow.TopLeft(), CPoint(5, 6));
    EXPECT_EQ(rcWindow.Size(), rcMin.Size());
    EXPECT_NE(calendar.GetStyle() & WS_VISIBLE, 0u);  // shown again after sizing

    EXPECT_TRUE(calendar.SetCurSel(COleDateTime(2023, 5, 17, 13, 45, 0)));
    COleDateTime date;
    ASSERT_TRUE(calendar.GetCurSel(date));
    EXPECT_TRUE(SameDay(date, 2023, 5, 17));
    EXPECT_EQ(date.GetHour(), 0);  // a day carries no time

    // Ranges, today and the visible months convert both ends; the old first day comes back through the
    // pointer.
    const COleDateTime first(2023, 1, 1, 0, 0, 0), last(2023, 12, 31, 0, 0, 0);
    EXPECT_TRUE(calendar.SetRange(&first, &last));
    COleDateTime readFirst, readLast;
    EXPECT_EQ(calendar.GetRange(&readFirst, &readLast), static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
    EXPECT_TRUE(SameDay(readFirst, 2023, 1, 1) && SameDay(readLast, 2023, 12, 31));
    calendar.SetToday(COleDateTime(2023, 3, 8, 0, 0, 0));
    ASSERT_TRUE(calendar.GetToday(date));
    EXPECT_TRUE(SameDay(date, 2023, 3, 8));
    int nOld = -1;
    calendar.SetFirstDayOfWeek(3, &nOld);
    EXPECT_TRUE(nOld >= 0 && nOld <= 6);
    EXPECT_EQ(calendar.GetFirstDayOfWeek(), 3);
    EXPECT_GE(calendar.GetMonthRange(readFirst, readLast, GMR_VISIBLE), 1);
    EXPECT_TRUE(readFirst <= COleDateTime(2023, 5, 17, 0, 0, 0) &&
                readLast >= COleDateTime(2023, 5, 17, 0, 0, 0));

    CMonthCalCtrl multiple;
    ASSERT_TRUE(multiple.Create(WS_CHILD | MCS_MULTISELECT, CRect(0, 0, 300, 200), host.Parent(), 111));
    EXPECT_TRUE(multiple.SetSelRange(COleDateTime(2022, 8, 3, 0, 0, 0), COleDateTime(2022, 8, 6, 0, 0, 0)));
    ASSERT_TRUE(multiple.GetSelRange(readFirst, readLast));
    EXPECT_TRUE(SameDay(readFirst, 2022, 8, 3) && SameDay(readLast, 2022, 8, 6));
}

// ---- Lifetime ----

namespace {

// Creates every control wrapper once in the parent; all are destroyed with their objects. The first
// time, checks that each made a window of its system class.
void CreateEveryControl(CWnd* pParent, bool bCheckClasses = false) {
    const CRect rc(0, 0, 120, 60);
    const DWORD dwChild = WS_CHILD | WS_VISIBLE;
    CStatic label;
    CButton button;
    CEdit edit;
    CListBox list;
    CComboBox combo;
    CScrollBar bar;
    CListCtrl listView;
    CHeaderCtrl header;
    CTreeCtrl tree;
    CTabCtrl tabs;
    CSliderCtrl slider;
    CSpinButtonCtrl spin;
    CHotKeyCtrl hotkey;
    CProgressCtrl progress;
    CToolTipCtrl tip;
    CDateTimeCtrl picker;
    CMonthCalCtrl calendar;
    ASSERT_TRUE(label.Create(_T("label"), dwChild, rc, pParent, 1));
    ASSERT_TRUE(button.Create(_T("button"), dwChild, rc, pParent, 2));
    ASSERT_TRUE(edit.Create(dwChild | WS_BORDER, rc, pParent, 3));
    ASSERT_TRUE(list.Create(dwChild | WS_VSCROLL, rc, pParent, 4));
    list.AddString(_T("item"));
    ASSERT_TRUE(combo.Create(dwChild | CBS_DROPDOWN, CRect(0, 0, 120, 160), pParent, 5));
    combo.AddString(_T("item"));
    ASSERT_TRUE(bar.Create(dwChild | SBS_VERT, rc, pParent, 6));
    ASSERT_TRUE(listView.CreateEx(WS_EX_CLIENTEDGE, dwChild | LVS_REPORT, rc, pParent, 7));
    listView.InsertColumn(0, _T("c"), LVCFMT_LEFT, 50);
    listView.InsertItem(0, _T("item"));
    ASSERT_TRUE(header.Create(dwChild | HDS_HORZ, rc, pParent, 8));
    ASSERT_TRUE(tree.Create(dwChild | TVS_HASLINES, rc, pParent, 9));
    tree.InsertItem(_T("item"));
    ASSERT_TRUE(tabs.Create(dwChild, rc, pParent, 10));
    tabs.InsertItem(0, _T("tab"));
    ASSERT_TRUE(slider.Create(dwChild, rc, pParent, 11));
    ASSERT_TRUE(spin.Create(dwChild, CRect(0, 0, 16, 24), pParent, 12));
    spin.SetBuddy(&edit);
    ASSERT_TRUE(hotkey.Create(dwChild, rc, pParent, 13));
    ASSERT_TRUE(progress.Create(dwChild, rc, pParent, 14));
    ASSERT_TRUE(tip.Create(pParent));
    tip.AddTool(&button, _T("tip"));
    ASSERT_TRUE(picker.Create(dwChild, CRect(0, 0, 150, 24), pParent, 15));
    ASSERT_TRUE(calendar.Create(dwChild, CPoint(0, 0), pParent, 16));
    if (bCheckClasses) {
        // The window's system class, and the wrapper's run-time class of its own name.
        const struct {
            CWnd* pWnd;
            LPCTSTR lpszSystemClass;
            const char* pszWrapper;
        } classes[] = {{&label, _T("Static"), "CStatic"},
                       {&button, _T("Button"), "CButton"},
                       {&edit, _T("Edit"), "CEdit"},
                       {&list, _T("ListBox"), "CListBox"},
                       {&combo, _T("ComboBox"), "CComboBox"},
                       {&bar, _T("ScrollBar"), "CScrollBar"},
                       {&listView, WC_LISTVIEW, "CListCtrl"},
                       {&header, WC_HEADER, "CHeaderCtrl"},
                       {&tree, WC_TREEVIEW, "CTreeCtrl"},
                       {&tabs, WC_TABCONTROL, "CTabCtrl"},
                       {&slider, TRACKBAR_CLASS, "CSliderCtrl"},
                       {&spin, UPDOWN_CLASS, "CSpinButtonCtrl"},
                       {&hotkey, HOTKEY_CLASS, "CHotKeyCtrl"},
                       {&progress, PROGRESS_CLASS, "CProgressCtrl"},
                       {&tip, TOOLTIPS_CLASS, "CToolTipCtrl"},
                       {&picker, DATETIMEPICK_CLASS, "CDateTimeCtrl"},
                       {&calendar, MONTHCAL_CLASS, "CMonthCalCtrl"}};
        for (const auto& c : classes) {
            SCOPED_TRACE(c.pszWrapper);
            TCHAR szClass[32] = {};
            ::GetClassName(c.pWnd->m_hWnd, szClass, 32);
            EXPECT_EQ(::lstrcmpi(szClass, c.lpszSystemClass), 0);
            EXPECT_EQ(CWnd::FromHandlePermanent(c.pWnd->m_hWnd), c.pWnd);
            EXPECT_STREQ(c.pWnd->GetRuntimeClass()->m_lpszClassName, c.pszWrapper);
            EXPECT_TRUE(c.pWnd->GetRuntimeClass()->IsDerivedFrom(RUNTIME_CLASS(CWnd)));
        }
        EXPECT_FALSE(listView.IsKindOf(RUNTIME_CLASS(CTreeCtrl)));
    }
    // Painted once, so that the controls make whatever GDI objects painting needs.
    ::UpdateWindow(pParent->m_hWnd);
    ::RedrawWindow(pParent->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace

TEST(ControlWrappersLifetime, CreateDestroyLoopLeavesNoWindowOrGdiObject) {
    CtrlHost host(500, 400);
    CreateEveryControl(host.Parent(), true);  // also first-use objects of the system's controls
    FreeTemporaries();
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 15; ++i) {
        CreateEveryControl(host.Parent());
        if (HasFatalFailure()) return;
        EXPECT_EQ(before.WindowDelta(), 0) << "cycle " << i;
    }
    FreeTemporaries();
    EXPECT_EQ(before.WindowDelta(), 0);
    EXPECT_EQ(before.GdiDelta(), 0);
    EXPECT_EQ(::GetWindow(host.Parent()->m_hWnd, GW_CHILD), nullptr);
}
