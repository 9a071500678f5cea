// CQVDateTimeCtrl: the frame and the drop rectangle per style, the picture (the system's text, the
// centred drop button in each frame), the press and its timer, the notifications the parent keeps,
// keyboard editing and the skin change.
#include "QVDateTimeCtrlFixture.h"

#include <QVSkinResManager.h>

#include <commctrl.h>

#include "MessagePump.h"
#include "PixelProbe.h"

using namespace qvdtest;
using riztest::RingPixelsOtherThan;
using riztest::WindowCapture;

namespace {

CRect ClientInWindow(HWND hWnd) {
    return CRect(riztest::ClientInsetInWindow(hWnd));
}

CRect ExpectedDropRect(HWND hWnd) {
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    rc.left = rc.right - ::GetSystemMetrics(SM_CXVSCROLL);
    return rc;
}

// Pixels of the client area left of the drop button that are neither white nor near it: the text.
int TextPixels(const riztest::Surface& shot, const CRect& rcDrop) {
    return shot.Width() * shot.Height() -
           shot.CountNear(CRect(0, 0, rcDrop.left, shot.Height()), RGB(255, 255, 255), 60) -
           (shot.Width() - rcDrop.left) * shot.Height();
}

}  // namespace

// ---- Frame and drop rectangle ----

TEST_F(DateTimeTest, FrameAndDropRectangleOfEveryStyleAfterThePostedRecalculation) {
    const struct {
        UINT nID;
        bool bDrop;
    } rows[] = {
        {IDC_QVDATE_EXAM, true},
        {IDC_QVDATE_PLAIN, true},
        {IDC_QVDATE_UPDOWN, false},
        {IDC_QVDATE_NONE, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "picker " << row.nID);
        const HWND hPicker = ::GetDlgItem(m_dlg.m_hWnd, static_cast<int>(row.nID));
        const CRect rcSystem = ClientInWindow(hPicker);
        CQVDateTimeCtrl picker;
        Subclass(picker, row.nID);
        EXPECT_EQ(rcSystem, ClientInWindow(hPicker));
        Pump();
        EXPECT_EQ(CRect(1, 1, 1, 1), ClientInWindow(hPicker));
        // Never resized: the frame change alone set the rectangle.
        EXPECT_EQ(row.bDrop ? ExpectedDropRect(hPicker) : CRect(), picker.GetDropRect());
        WindowCapture shot(hPicker, WindowCapture::Screen, false);
        EXPECT_EQ(0, RingPixelsOtherThan(shot, kBorder));
        picker.UnsubclassWindow();
    }
}

// ---- Picture ----

TEST_F(DateTimeTest, SystemTextLandsInTheSurfaceAndTheButtonIsCentredInEachCapture) {
    CQVDateTimeCtrl picker;
    Subclass(picker, IDC_QVDATE_EXAM);
    Pump();
    const CRect rcDrop = picker.GetDropRect();
    EXPECT_EQ(0, DropButtonMismatches(picker, 0));
    // The screen and a WM_PRINTCLIENT capture (which the control answers with its own picture while
    // the system's drawing inside sends it back) both show the date and the skinned button.
    for (auto mode : {WindowCapture::Screen, WindowCapture::Print}) {
        SCOPED_TRACE(testing::Message() << "capture " << mode);
        WindowCapture shot(picker.m_hWnd, mode);
        EXPECT_GT(TextPixels(shot, rcDrop), 20);
        const int x = rcDrop.left + (rcDrop.Width() - kDropWidth) / 2;
        const int y = rcDrop.top + (rcDrop.Height() - kDropHeight) / 2;
        EXPECT_EQ("", shot.WrongPixels({{x, y, kFrameColours[0]},
                                        {x + kDropWidth - 1, y + kDropHeight - 1, kFrameColours[0]},
                                        {x - 1, y, RGB(255, 255, 255)},
                                        {x + kDropWidth, y + kDropHeight, RGB(255, 255, 255)},
                                        {rcDrop.left, rcDrop.top, RGB(255, 255, 255)},
                                        {rcDrop.right - 1, rcDrop.bottom - 1, RGB(255, 255, 255)}}));
    }
    // The frame alone is the non-client painting: a frame repaint leaves no system edge.
    picker.RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    WindowCapture frame(picker.m_hWnd, WindowCapture::Screen, false);
    EXPECT_EQ(0, RingPixelsOtherThan(frame, kBorder));
    EXPECT_EQ("", frame.WrongPixels({{frame.Width() - 2, 1, RGB(255, 255, 255)},
                                     {frame.Width() - 2, frame.Height() - 2, RGB(255, 255, 255)}}));
}

TEST_F(DateTimeTest, ChineseFormatDrawsInBothCharacterSets) {
    CQVDateTimeCtrl picker;
    Subclass(picker, IDC_QVDATE_EXAM);
    Pump();
    ASSERT_TRUE(picker.SetFormat(CString(L"yyyy'\x5e74'M'\x6708'd'\x65e5'")));  // 2027年6月7日
    Pump();
    WindowCapture chinese(picker.m_hWnd);
    ASSERT_TRUE(picker.SetFormat(_T("yyyy'?'M'?'d'?'")));  // what a lost conversion would show
    Pump();
    WindowCapture lost(picker.m_hWnd);
    const CRect rcDrop = picker.GetDropRect();
    EXPECT_GT(TextPixels(chinese, rcDrop), TextPixels(lost, rcDrop) + 20);
    EXPECT_EQ(0, DropButtonMismatches(picker, 0));
}

TEST_F(DateTimeTest, TransparentImageShowsTheWhiteFillUnderItsKey) {
    SkinSpec spec;
    spec.nTransparent = 1;
    ASSERT_TRUE(LoadSkin(spec));
    CQVDateTimeCtrl picker;
    Subclass(picker, IDC_QVDATE_EXAM);
    Pump();
    EXPECT_EQ(0, DropButtonMismatches(picker, 0));
    const CRect rcDrop = picker.GetDropRect();
    WindowCapture shot(picker.m_hWnd);
    const int x = rcDrop.left + (rcDrop.Width() - kDropWidth) / 2;
    const int y = rcDrop.top + (rcDrop.Height() - kDropHeight) / 2;
    EXPECT_EQ("", shot.WrongPixels({{x, y, RGB(255, 255, 255)}, {x + 1, y, kFrameColours[0]}}));
}

TEST_F(DateTimeTest, ResizeMovesTheDropRectangleAndTheButtonToTheNewRightEdge) {
    CQVDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT, CRect(10, 100, 130, 124), &m_dlg,
                              kCreatedId));
    SetExamDate(picker.m_hWnd);
    Pump();
    EXPECT_EQ(CRect(1, 1, 1, 1), ClientInWindow(picker.m_hWnd));
    for (CSize size : {CSize(200, 30), CSize(90, 20), CSize(60, 41)}) {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        picker.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
        EXPECT_EQ(CRect(size.cx - 2 - ::GetSystemMetrics(SM_CXVSCROLL), 0, size.cx - 2, size.cy - 2),
                  picker.GetDropRect());
        EXPECT_EQ(0, DropButtonMismatches(picker, 0));
    }
}

// ---- Press, timer and notifications ----

TEST_F(DateTimeTest, HeldPressShowsThePressedFrameAndTicksUntilReleasedAnywhere) {
    CCountingDateTime picker;
    Subclass(picker, IDC_QVDATE_EXAM);
    Pump();
    const CPoint ptDrop = picker.GetDropRect().CenterPoint();
    PointerAt(picker.m_hWnd, ptDrop.x, ptDrop.y);
    SetLeftButton(true);
    riztest::PostMouse(picker.m_hWnd, WM_LBUTTONDOWN, ptDrop.x, ptDrop.y, MK_LBUTTON);
    riztest::PumpMessages(50, true);
    EXPECT_TRUE(picker.IsPressed());
    EXPECT_TRUE(picker.IsClicked());
    EXPECT_EQ(static_cast<UINT_PTR>(QVDT_PRESS_TIMER), picker.GetPressTimer());
    EXPECT_EQ(1, m_dlg.m_nDropDowns);  // the host's message map heard the calendar open
    EXPECT_EQ(0, DropButtonMismatches(picker, 2));

    int nPaints = picker.m_nPaints;
    const int nTicks = picker.m_nTicks;
    riztest::PumpMessages(200, true);
    EXPECT_GT(picker.m_nTicks - nTicks, 2);  // a loaded machine ticks far less often than every ms
    EXPECT_GE(picker.m_nPaints - nPaints, picker.m_nTicks - nTicks);

    // Dragged off the button the press timer goes on and the button shows normal; back on, pressed.
    PointerAt(picker.m_hWnd, 3, 3);
    riztest::PumpMessages(50, true);
    EXPECT_FALSE(picker.IsPressed());
    EXPECT_TRUE(picker.IsClicked());
    EXPECT_EQ(0, DropButtonMismatches(picker, 0));
    PointerAt(picker.m_hWnd, ptDrop.x, ptDrop.y);
    riztest::PumpMessages(50, true);
    EXPECT_TRUE(picker.IsPressed());

    // Released where the control never hears the button-up: the next tick ends the press.
    SetLeftButton(false);
    riztest::PumpMessages(50, true);
    EXPECT_FALSE(picker.IsPressed());
    EXPECT_FALSE(picker.IsClicked());
    EXPECT_EQ(0u, picker.GetPressTimer());
    nPaints = picker.m_nPaints;
    riztest::PumpMessages(100, true);
    EXPECT_LE(picker.m_nPaints - nPaints, 1);
    EXPECT_EQ(0, DropButtonMismatches(picker, 0));

    CloseCalendar(picker.m_hWnd);
    EXPECT_FALSE(CalendarShown(picker.m_hWnd));
    EXPECT_EQ(1, m_dlg.m_nCloseUps);
}

TEST_F(DateTimeTest, PostedMouseMessagesSetAndClearThePress) {
    CQVDateTimeCtrl picker;
    Subclass(picker, IDC_QVDATE_EXAM);
    Pump();
    const CPoint ptDrop = picker.GetDropRect().CenterPoint();
    const CPoint ptText(5, 5);
    const struct {
        UINT message;
        CPoint pt;
        WPARAM keys;
        bool bPressed;
    } steps[] = {
        {WM_MOUSEMOVE, ptDrop, MK_LBUTTON, true},   // entering with the button down
        {WM_MOUSEMOVE, ptText, MK_LBUTTON, false},  // leaving
        {WM_MOUSEMOVE, ptDrop, MK_LBUTTON, true},
        {WM_MOUSEMOVE, ptDrop, 0, false},  // the button is up: never pressed
        {WM_LBUTTONDOWN, ptText, MK_LBUTTON, false},
        {WM_MOUSEMOVE, ptDrop, MK_LBUTTON, true},
        {WM_LBUTTONUP, ptDrop, 0, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "message " << step.message << " at " << step.pt.x);
        riztest::PostMouse(picker.m_hWnd, step.message, step.pt.x, step.pt.y, step.keys);
        Pump();
        EXPECT_EQ(step.bPressed, !!picker.IsPressed());
        EXPECT_FALSE(picker.IsClicked());
        EXPECT_EQ(step.bPressed ? 2 : 0, picker.GetDrawnButtonFrame());
    }
    // A press on the button ended by its button-up over the control.
    SetLeftButton(true);
    riztest::PostMouse(picker.m_hWnd, WM_LBUTTONDOWN, ptDrop.x, ptDrop.y, MK_LBUTTON);
    riztest::PumpMessages(20, true);
    EXPECT_TRUE(picker.IsClicked());
    riztest::PostMouse(picker.m_hWnd, WM_LBUTTONUP, ptDrop.x, ptDrop.y);
    riztest::PumpMessages(20, true);
    EXPECT_FALSE(picker.IsPressed());
    EXPECT_EQ(0u, picker.GetPressTimer());
    CloseCalendar(picker.m_hWnd);
    EXPECT_FALSE(CalendarShown(picker.m_hWnd));
}

TEST_F(DateTimeTest, KeyboardEditingChangesTheDateAndTheHostHearsIt) {
    CQVDateTimeCtrl picker;
    Subclass(picker, IDC_QVDATE_EXAM);
    Pump();
    picker.SetFocus();
    Pump();
    const int nChanges = m_dlg.m_nChanges;
    SYSTEMTIME before = {}, after = {};
    ASSERT_EQ(static_cast<DWORD>(GDT_VALID), picker.GetTime(&before));
    // The second field, one up.
    riztest::PostKey(picker.m_hWnd, VK_RIGHT);
    riztest::PostKey(picker.m_hWnd, VK_UP);
    Pump();
    ASSERT_EQ(static_cast<DWORD>(GDT_VALID), picker.GetTime(&after));
    EXPECT_NE(0, memcmp(&before, &after, sizeof(SYSTEMTIME)));
    EXPECT_LT(nChanges, m_dlg.m_nChanges);
    EXPECT_EQ(0, DropButtonMismatches(picker, 0));
}

TEST_F(DateTimeTest, SkinChangeRereadsTheBorderAndTheButtonImage) {
    CQVDateTimeCtrl picker;
    Subclass(picker, IDC_QVDATE_EXAM);
    Pump();
    SkinSpec spec;
    spec.clrBorder = kOtherBorder;
    spec.clrNormal = kOtherNormal;
    ASSERT_TRUE(LoadSkin(spec));
    EXPECT_NE(0, picker.SendMessage(WM_QV_SKINCHANGED));
    Pump();
    EXPECT_EQ(kOtherBorder, picker.GetBorderColor());
    WindowCapture shot(picker.m_hWnd, WindowCapture::Screen, false);
    EXPECT_EQ(0, RingPixelsOtherThan(shot, kOtherBorder));
    const CPoint ptDrop = picker.GetDropRect().CenterPoint();
    WindowCapture client(picker.m_hWnd);
    EXPECT_EQ("", client.WrongPixels({{ptDrop.x, ptDrop.y, kOtherNormal}}));
}
