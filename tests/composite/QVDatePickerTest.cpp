// The date button and its popup through real windows: posted clicks and keys with the cursor placed
// first, the order of what the parent receives, held navigation, the owner's enabled days, placement,
// pixels of the popup, bad input, parents destroying the button mid-notification, and a soak.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVDatePickerBtn.h"
#include "QVDatePickerLayout.h"
#include "QVLanResManager.h"
#include "ResourceCounter.h"

namespace {

using namespace qvdate;

constexpr UINT kButtonId = 101;

COleDateTime FixedToday() {
    return COleDateTime(2026, 12, 7, 9, 30, 0);
}

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Received& o) const {
        return std::tie(message, wParam, lParam) == std::tie(o.message, o.wParam, o.lParam);
    }
};

// A top-level parent that records the button's messages in order and runs m_onMessage at each.
class CRecordingParent : public CWnd {
public:
    std::vector<Received> m_received;
    std::function<void(const Received&)> m_onMessage;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND || message == WM_QV_DATEPICKED || message == WM_QV_DATEMONTHCHANGED) {
            const Received r = {message, wParam, message == WM_COMMAND ? 0 : lParam};
            m_received.push_back(r);
            if (m_onMessage) m_onMessage(r);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class DatePickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CQVDatePickerCtrl::SetTodayProc(&FixedToday);
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), _T("planner"), WS_POPUP | WS_VISIBLE,
                                      CRect(100, 100, 500, 400), NULL, 0));
        m_pButton = new CQVDatePickerBtn;
        ASSERT_TRUE(m_pButton->Create(_T("Exam date"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                      CRect(20, 20, 120, 44), &m_parent, kButtonId));
        m_pButton->SetDate(2026, 12, 24);
    }
    void TearDown() override {
        if (m_pButton && m_pButton->GetSafeHwnd()) m_pButton->DestroyWindow();
        delete m_pButton;
        if (m_parent.GetSafeHwnd()) m_parent.DestroyWindow();
        riztest::PumpUntilIdle();
        CQVDatePickerCtrl::SetTodayProc(NULL);
    }
    CQVDatePickerCtrl& Picker() { return m_pButton->GetPickerCtrl(); }
    // Posts a click at a client point of the window, the pointer placed there first.
    static void Click(CWnd& wnd, CPoint pt) {
        CPoint screen = pt;
        wnd.ClientToScreen(&screen);
        ::SetCursorPos(screen.x, screen.y);
        riztest::PostClick(wnd.m_hWnd, pt.x, pt.y);
        riztest::PumpMessages(3000);
    }
    void Open() {
        Click(*m_pButton, CPoint(10, 10));
        ASSERT_TRUE(::IsWindow(Picker().GetSafeHwnd()));
    }
    CPoint ItemCentre(int nID) { return Picker().FindItem(nID)->m_rect.CenterPoint(); }
    CPoint DayCentre(int nDay) { return Picker().FindDayCell(nDay)->m_rect.CenterPoint(); }
    bool ClosedAndReleased() {
        return !Picker().GetSafeHwnd() && !m_pButton->IsPickerOpen() && !(m_pButton->GetState() & BST_PUSHED);
    }
    int Count(UINT message) const {
        int n = 0;
        for (const Received& r : m_parent.m_received)
            n += r.message == message;
        return n;
    }

    CRecordingParent m_parent;
    CQVDatePickerBtn* m_pButton = nullptr;
};

TEST_F(DatePickerTest, DayClickSendsCommandThenDateThenCloseAndEveryOpenStartsAfresh) {
    Open();
    EXPECT_TRUE(m_pButton->GetState() & BST_PUSHED);
    EXPECT_TRUE(m_parent.m_received.empty());  // the opening press sends nothing
    EXPECT_EQ(_T("12 2026"), Picker().GetHeaderText());
    Click(Picker(), DayCentre(30));
    const std::vector<Received> expected = {{WM_COMMAND, MAKEWPARAM(kButtonId, 0), 0},
                                            {WM_QV_DATEPICKED, 2026, MAKELPARAM(12, 30)},
                                            {WM_QV_DATEPICKED, 0, 0}};
    EXPECT_EQ(expected, m_parent.m_received);
    EXPECT_TRUE(ClosedAndReleased());
    EXPECT_TRUE(m_pButton->GetDate() == COleDateTime(2026, 12, 30, 0, 0, 0));
    // A new window on the same object: 55 items again, nothing hot, the new date selected.
    Open();
    EXPECT_EQ(55u, Picker().GetItems().size());
    EXPECT_TRUE(Picker().FindDayCell(30)->m_bPressed);
    EXPECT_FALSE(Picker().FindDayCell(24)->m_bPressed);
    EXPECT_TRUE(Picker().FindDayCell(7)->m_bToday);
    EXPECT_EQ(_T("Monday,2026/12/07"), Picker().FindDayCell(7)->m_strTip);
    EXPECT_FALSE(Picker().FindDayCell(31)->m_bHot);
    // A language change while open makes the tips and headers again; a skin change asks for a repaint.
    CQVLanResManager* pLanguages = CQVLanResManager::GetSingletonPtr();
    ASSERT_TRUE(pLanguages->LoadLanguage(pLanguages->GetLanguageFile(1)));  // Chinese
    Picker().SendMessage(WM_QV_LANCHANGED);
    EXPECT_EQ(pLanguages->GetString(_T("DPCtrl.Monday")) + _T(",2026/12/07"),
              Picker().FindDayCell(7)->m_strTip);
    EXPECT_EQ(pLanguages->GetString(_T("DPCtrl.Sun")), Picker().FindItem(ID_FIRST_WEEKDAY)->m_strText);
    ASSERT_TRUE(pLanguages->LoadLanguage(pLanguages->GetLanguageFile(0)));
    EXPECT_EQ(1, Picker().SendMessage(WM_QV_SKINCHANGED));
}

TEST_F(DatePickerTest, ClosingWithoutADateKeepsTheDateAndSendsNoCommand) {
    struct Case {
        const char* name;
        std::function<void()> close;
    } const cases[] = {
        {"close button", [this] { Click(Picker(), ItemCentre(ID_CLOSE)); }},
        {"Escape", [this] { riztest::PostKey(Picker().m_hWnd, VK_ESCAPE), riztest::PumpMessages(3000); }},
        {"focus elsewhere", [this] { m_parent.SetFocus(), riztest::PumpMessages(3000); }},
        {"button pressed again", [this] { Click(*m_pButton, CPoint(10, 10)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        m_parent.m_received.clear();
        c.close();
        EXPECT_TRUE(ClosedAndReleased());
        EXPECT_EQ(0, Count(WM_COMMAND));
        ASSERT_FALSE(m_parent.m_received.empty());
        EXPECT_TRUE((Received{WM_QV_DATEPICKED, 0, 0}) == m_parent.m_received.back());
        EXPECT_TRUE(m_pButton->GetDate() == COleDateTime(2026, 12, 24, 0, 0, 0));
    }
}

TEST_F(DatePickerTest, HeldNavigationStepsAtOnceThenByTimerUntilReleaseOrCaptureLoss) {
    Open();
    const CPoint prev = ItemCentre(ID_PREV_MONTH);
    auto press = [&] {
        CPoint screen = prev;
        Picker().ClientToScreen(&screen);
        ::SetCursorPos(screen.x, screen.y);
        riztest::PostMouse(Picker().m_hWnd, WM_MOUSEMOVE, prev.x, prev.y);
        riztest::PostMouse(Picker().m_hWnd, WM_LBUTTONDOWN, prev.x, prev.y, MK_LBUTTON);
        riztest::PumpUntilIdle();
    };
    auto tick = [&](UINT_PTR id) { Picker().SendMessage(WM_TIMER, id); };
    press();
    EXPECT_EQ(11, Picker().GetShownMonth());  // at once
    tick(1);
    EXPECT_EQ(10, Picker().GetShownMonth());  // after the first delay, timer 2 takes over
    tick(2), tick(2);
    EXPECT_EQ(8, Picker().GetShownMonth());
    riztest::PostMouse(Picker().m_hWnd, WM_LBUTTONUP, prev.x, prev.y);
    riztest::PumpUntilIdle();
    tick(1), tick(2);
    EXPECT_EQ(8, Picker().GetShownMonth());
    EXPECT_FALSE(Picker().FindItem(ID_PREV_MONTH)->m_bPressed);
    press();
    ::ReleaseCapture();  // a lost capture ends the repeat as a release does
    tick(1), tick(2);
    EXPECT_EQ(7, Picker().GetShownMonth());
    // A double click's second press only holds: no step of its own.
    riztest::PostMouse(Picker().m_hWnd, WM_LBUTTONUP, prev.x, prev.y);
    riztest::PostMouse(Picker().m_hWnd, WM_LBUTTONDBLCLK, prev.x, prev.y, MK_LBUTTON);
    riztest::PostMouse(Picker().m_hWnd, WM_LBUTTONUP, prev.x, prev.y);
    riztest::PumpUntilIdle();
    EXPECT_EQ(7, Picker().GetShownMonth());
    // Real time: holding the button keeps stepping (at once, then after each delay).
    Picker().ChangeYearMonth(2026, 6);
    press();
    const DWORD start = ::GetTickCount();
    while (Picker().GetShownMonth() > 3 && ::GetTickCount() - start < 10000)
        riztest::PumpMessages(20, true);
    EXPECT_LE(Picker().GetShownMonth(), 3);  // a loaded machine may merge two ticks of timer 2
    EXPECT_GE(Picker().GetShownMonth(), 2);
}

TEST_F(DatePickerTest, OwnerEnablesTheDaysWithRecordsOfEveryShownMonth) {
    m_pButton->SetCommonMode(0);
    m_parent.m_onMessage = [this](const Received& r) {
        if (r.message == WM_QV_DATEMONTHCHANGED) {
            EXPECT_EQ(1, Picker().SetEnableDay({3, 15, 0, 32, -1, 15, static_cast<int>(r.lParam)}));
        }
    };
    Open();
    EXPECT_EQ(1, Count(WM_QV_DATEMONTHCHANGED));
    for (int nDay = 1; nDay <= 31; ++nDay) {
        SCOPED_TRACE(nDay);
        const bool bRecord = nDay == 3 || nDay == 15 || nDay == 12;
        EXPECT_EQ(bRecord, Picker().FindDayCell(nDay)->m_bEnabled != FALSE);
        EXPECT_EQ(bRecord, Picker().FindDayCell(nDay)->m_bPressed != FALSE);
    }
    Click(Picker(), DayCentre(4));  // no record: the popup stays
    EXPECT_TRUE(::IsWindow(Picker().GetSafeHwnd()));
    Click(Picker(), ItemCentre(ID_PREV_MONTH));
    EXPECT_TRUE((Received{WM_QV_DATEMONTHCHANGED, 2026, 11}) == m_parent.m_received.back());
    EXPECT_TRUE(Picker().FindDayCell(11)->m_bEnabled);
    Click(Picker(), DayCentre(11));
    EXPECT_TRUE(m_pButton->GetDate() == COleDateTime(2026, 11, 11, 0, 0, 0));
    EXPECT_TRUE(ClosedAndReleased());
    EXPECT_EQ(0, Picker().SetEnableDay({5}));  // no popup
}

TEST_F(DatePickerTest, AlignsBesideTheButtonAndStaysOnTheScreen) {
    const int cx = ::GetSystemMetrics(SM_CXFULLSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYFULLSCREEN) + ::GetSystemMetrics(SM_CYCAPTION);
    for (const CPoint& where : {CPoint(300, 300), CPoint(cx - 60, cy - 30)}) {  // the middle, the corner
        m_parent.SetWindowPos(NULL, where.x, where.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rcButton;
        m_pButton->GetWindowRect(&rcButton);
        for (int nAlign = 0; nAlign < 4; ++nAlign) {
            SCOPED_TRACE(::testing::Message() << where.x << " align " << nAlign);
            m_pButton->SetPickerAlign(static_cast<QVDatePickerAlign>(nAlign));
            Open();
            CRect rc;
            Picker().GetWindowRect(&rc);
            EXPECT_EQ(PickerPosition(rcButton, nAlign, CSize(172, 170), cx, cy), rc.TopLeft());
            EXPECT_EQ(CSize(172, 170), rc.Size());
            EXPECT_LE(rc.right, cx);
            EXPECT_LE(rc.bottom, cy);
            Picker().SendMessage(WM_KEYDOWN, VK_ESCAPE);
            riztest::PumpMessages(3000);
        }
    }
}

TEST_F(DatePickerTest, SpaceEnterAndAltDownOpenTheFocusedButtonWithoutACommand) {
    const std::function<void()> keys[] = {
        [this] { riztest::PostKey(m_pButton->m_hWnd, VK_SPACE); },
        [this] { riztest::PostKey(m_pButton->m_hWnd, VK_RETURN); },
        [this] { m_pButton->PostMessage(WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29)); },
    };
    for (const auto& key : keys) {
        m_pButton->SetFocus();
        key();
        riztest::PumpMessages(3000);
        EXPECT_TRUE(m_pButton->IsPickerOpen());
        EXPECT_EQ(0, Count(WM_COMMAND));
        Picker().SendMessage(WM_KEYDOWN, VK_ESCAPE);
        riztest::PumpMessages(3000);
        EXPECT_TRUE(ClosedAndReleased());
    }
}

TEST_F(DatePickerTest, PaintsTodayFrameSelectedAndHotFillsWeekendTextsAndStrips) {
    Open();
    const CPoint hot = DayCentre(10);
    Picker().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(hot.x, hot.y));
    riztest::WindowCapture shot(Picker().m_hWnd, riztest::WindowCapture::Print);
    const CRect today = Picker().FindDayCell(7)->m_rect, selected = Picker().FindDayCell(24)->m_rect;
    const CRect plain = Picker().FindDayCell(8)->m_rect;
    EXPECT_EQ("", shot.WrongPixels({{0, 0, RGB(192, 192, 192)},
                                    {86, 0, RGB(192, 192, 192)},
                                    {1, 60, RGB(240, 240, 255)},
                                    {1, 30, RGB(240, 240, 255)},
                                    {3, 23, RGB(215, 238, 245)},
                                    {168, 166, RGB(215, 238, 245)},
                                    {today.left, today.CenterPoint().y, RGB(255, 0, 0)},
                                    {today.CenterPoint().x, today.top, RGB(255, 0, 0)},
                                    {selected.left + 2, selected.top + 2, RGB(168, 219, 255)},
                                    {hot.x - 9, hot.y - 6, RGB(220, 230, 250)},
                                    {plain.left + 2, plain.top + 2, RGB(240, 240, 255)}}));
    EXPECT_EQ(_T("Thursday,2026/12/10"), Picker().GetTipText());
    // Sunday and Saturday columns are written in pink, the others in grey (the text is smoothed).
    auto pinkish = [&](const CRect& rc) {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += GetRValue(shot.Pixel(x, y)) > 0xF0 && GetGValue(shot.Pixel(x, y)) < 0xC8;
        return n;
    };
    EXPECT_GT(pinkish(Picker().FindDayCell(6)->m_rect), 3);
    EXPECT_GT(pinkish(Picker().FindDayCell(12)->m_rect), 3);
    EXPECT_EQ(0, pinkish(plain));
    EXPECT_GT(shot.CountNear(plain, RGB(64, 64, 64), 60), 0);
}

TEST_F(DatePickerTest, BadDatesAreTodayOrRefused) {
    struct Case {
        int y, m, d;
        int expected[3];
    } const cases[] = {
        {0, 0, 0, {2026, 12, 7}},     {-5, 3, 3, {2026, 12, 7}},      {1900, 5, 5, {2026, 12, 7}},
        {2100, 1, 1, {2026, 12, 24}}, {2026, 2, 30, {2026, 12, 24}},  {2026, 13, 1, {2026, 12, 24}},
        {1901, 1, 1, {1901, 1, 1}},   {2099, 12, 31, {2099, 12, 31}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.y << "-" << c.m << "-" << c.d);
        m_pButton->SetDate(2026, 12, 24);
        m_pButton->SetDate(c.y, c.m, c.d);
        EXPECT_TRUE(m_pButton->GetDate() ==
                    COleDateTime(c.expected[0], c.expected[1], c.expected[2], 0, 0, 0));
    }
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    m_pButton->SetDate(invalid);
    EXPECT_TRUE(m_pButton->GetDate() == COleDateTime(2026, 12, 7, 0, 0, 0));
    EXPECT_EQ(0, Picker().ChangeYearMonth(2100, 1));
    EXPECT_EQ(0, Picker().SetEnableDay({1}));  // common mode, no popup
    Open();
    EXPECT_EQ(0, Picker().SetEnableDay({1}));  // common mode
    EXPECT_EQ(0, Picker().ChangeYearMonth(2026, 0));
    EXPECT_EQ(_T("12 2026"), Picker().GetHeaderText());
}

TEST_F(DatePickerTest, ParentDestroyingTheButtonInsideItsMessagesIsSafe) {
    const UINT kinds[] = {WM_COMMAND, WM_QV_DATEPICKED};
    for (UINT kind : kinds) {
        SCOPED_TRACE(kind);
        if (!m_pButton) {
            m_pButton = new CQVDatePickerBtn;
            m_pButton->Create(_T("Exam"), WS_CHILD | WS_VISIBLE, CRect(20, 20, 120, 44), &m_parent,
                              kButtonId);
        }
        const riztest::ResourceSnapshot snapshot;
        Open();
        m_parent.m_onMessage = [&](const Received& r) {
            if (r.message != kind || !m_pButton) return;
            m_pButton->DestroyWindow();
            delete m_pButton;
            m_pButton = nullptr;
        };
        Click(Picker(), DayCentre(5));
        m_parent.m_onMessage = nullptr;
        EXPECT_EQ(nullptr, m_pButton);
        EXPECT_EQ(-1, snapshot.WindowDelta());  // the button is gone, its popup with it
    }
}

TEST_F(DatePickerTest, OpenCloseSoak) {
    riztest::ExpectCyclesLeakNothing([this](int) {
        m_pButton->OpenPicker();
        Picker().SendMessage(WM_KEYDOWN, VK_ESCAPE);
        riztest::PumpUntilIdle();
    });
    EXPECT_TRUE(ClosedAndReleased());
    EXPECT_EQ(55u, Picker().GetItems().size());
}

// Buttons made, opened and destroyed with their popup still open leave nothing behind.
TEST_F(DatePickerTest, CreateOpenDestroySoak) {
    riztest::ExpectCyclesLeakNothing([this](int) {
        CQVDatePickerBtn button;
        ASSERT_TRUE(button.Create(_T("Exam"), WS_CHILD | WS_VISIBLE, CRect(20, 50, 120, 74), &m_parent,
                                  kButtonId + 1));
        button.OpenPicker();
        ASSERT_TRUE(::IsWindow(button.GetPickerCtrl().m_hWnd));
        button.DestroyWindow();
        riztest::PumpUntilIdle();
    });
}

}  // namespace
