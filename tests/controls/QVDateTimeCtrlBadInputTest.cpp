// CQVDateTimeCtrl against bad input and lifetimes: destroyed while its press timer runs or its
// calendar is open, a stray press tick, no size, the up-down and "none" styles, a skin without the
// drop-button image, release while the window lives, a late frame message, and the soak.
#include "QVDateTimeCtrlFixture.h"

#include <commctrl.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "ResourceCounter.h"

using namespace qvdtest;
using riztest::WindowCapture;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// Pixels of the surface near the colour.
int PixelsNear(const riztest::Surface& shot, COLORREF clr) {
    return shot.CountNear(CRect(0, 0, shot.Width(), shot.Height()), clr, 0);
}

}  // namespace

TEST_F(DateTimeTest, DestroyedWhileItsPressTimerRunsOrItsCalendarOpens) {
    const HWND hExam = ::GetDlgItem(m_dlg.m_hWnd, IDC_QVDATE_EXAM);
    CRect rcClient;
    ::GetClientRect(hExam, &rcClient);
    const CPoint ptDrop(rcClient.right - ::GetSystemMetrics(SM_CXVSCROLL) / 2, rcClient.Height() / 2);
    PointerAt(hExam, ptDrop.x, ptDrop.y);
    {
        // Destroyed from the host's DTN_DROPDOWN, inside the press.
        CQVDateTimeCtrl* pPicker = new CQVDateTimeCtrl;
        Subclass(*pPicker, IDC_QVDATE_EXAM);
        Pump();
        m_dlg.m_pDeleteAtDropDown = pPicker;
        SetLeftButton(true);
        riztest::PostMouse(hExam, WM_LBUTTONDOWN, ptDrop.x, ptDrop.y, MK_LBUTTON);
        riztest::PumpMessages(50, true);
        EXPECT_EQ(1, m_dlg.m_nDropDowns);
        EXPECT_EQ(nullptr, m_dlg.m_pDeleteAtDropDown);
        EXPECT_FALSE(::IsWindow(hExam));
    }
    // Destroyed while held with its calendar open, and deleted while held.
    for (bool bDeleteObject : {false, true}) {
        SCOPED_TRACE(testing::Message() << "delete object " << bDeleteObject);
        SetLeftButton(false);
        CQVDateTimeCtrl* pPicker = new CQVDateTimeCtrl;
        ASSERT_TRUE(pPicker->Create(WS_CHILD | WS_VISIBLE, CRect(10, 100, 130, 124), &m_dlg, kCreatedId));
        Pump();
        const HWND hPicker = pPicker->m_hWnd;
        const CPoint pt = pPicker->GetDropRect().CenterPoint();
        PointerAt(hPicker, pt.x, pt.y);
        SetLeftButton(true);
        riztest::PostMouse(hPicker, WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
        riztest::PumpMessages(30, true);
        ASSERT_NE(0u, pPicker->GetPressTimer());
        EXPECT_TRUE(CalendarShown(hPicker));
        const HWND hCalendar = reinterpret_cast<HWND>(pPicker->SendMessage(DTM_GETMONTHCAL));
        if (!bDeleteObject) {
            pPicker->DestroyWindow();
            EXPECT_EQ(0u, pPicker->GetPressTimer());
            EXPECT_FALSE(pPicker->IsPressed());
        }
        delete pPicker;
        riztest::PumpMessages(30, true);
        EXPECT_FALSE(::IsWindow(hPicker));
        EXPECT_FALSE(::IsWindow(hCalendar) && ::IsWindowVisible(hCalendar));
    }
}

TEST_F(DateTimeTest, StrayPressTickAndAWindowOfNoSize) {
    CQVDateTimeCtrl picker;
    Subclass(picker, IDC_QVDATE_EXAM);
    Pump();
    for (bool bDown : {false, true}) {
        SCOPED_TRACE(testing::Message() << "button down " << bDown);
        SetLeftButton(bDown);
        picker.SendMessage(WM_TIMER, QVDT_PRESS_TIMER);
        Pump();
        EXPECT_FALSE(picker.IsPressed());  // the pointer is away in the screen's corner
        EXPECT_FALSE(picker.IsClicked());
        EXPECT_EQ(0u, picker.GetPressTimer());
    }
    SetLeftButton(false);

    CQVDateTimeCtrl empty;
    ASSERT_TRUE(empty.Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 5, 5), &m_dlg, kCreatedId));
    Pump();
    empty.Invalidate();
    empty.UpdateWindow();
    riztest::PostClick(empty.m_hWnd, 0, 0);
    empty.SendMessage(WM_TIMER, QVDT_PRESS_TIMER);
    empty.RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    CRect rcClient;
    empty.GetClientRect(&rcClient);
    EXPECT_TRUE(rcClient.IsRectEmpty());
    EXPECT_FALSE(empty.IsPressed());
    EXPECT_NE(0, empty.SendMessage(WM_QV_SKINCHANGED));
    riztest::Surface print(4, 4);
    empty.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(print.Dc()), PRF_CLIENT);
    EXPECT_FALSE(print.HasOtherThan(CRect(0, 0, 4, 4), kWhite, 0));
}

TEST_F(DateTimeTest, UpDownPickerHasNoDropButtonAndANonePickerKeepsItsCheckBox) {
    CQVDateTimeCtrl upDown, none;
    Subclass(upDown, IDC_QVDATE_UPDOWN);
    Subclass(none, IDC_QVDATE_NONE);
    Pump();
    // The system's up-down control sits where a drop button would be, and stays the system's.
    EXPECT_TRUE(upDown.GetDropRect().IsRectEmpty());
    const HWND hUpDown = ::GetWindow(upDown.m_hWnd, GW_CHILD);
    ASSERT_NE(HWND(NULL), hUpDown);
    {
        WindowCapture shot(upDown.m_hWnd);
        EXPECT_EQ(0, PixelsNear(shot, kFrameColours[0]));
        EXPECT_EQ(0, PixelsNear(shot, kFrameColours[2]));
    }
    SetLeftButton(true);
    riztest::PostMouse(upDown.m_hWnd, WM_LBUTTONDOWN, 2, 2, MK_LBUTTON);
    riztest::PumpMessages(20, true);
    EXPECT_EQ(0u, upDown.GetPressTimer());
    SetLeftButton(false);
    riztest::PostMouse(upDown.m_hWnd, WM_LBUTTONUP, 2, 2);
    Pump();

    // "None" shows its check box and the skinned button; the date can be cleared and set again.
    EXPECT_EQ(0, DropButtonMismatches(none, 0));
    SYSTEMTIME st = {};
    EXPECT_NE(0, none.SendMessage(DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&st)));
    Pump();
    EXPECT_EQ(static_cast<DWORD>(GDT_NONE), none.GetTime(&st));
    EXPECT_EQ(0, DropButtonMismatches(none, 0));
    SetExamDate(none.m_hWnd);
    EXPECT_EQ(static_cast<DWORD>(GDT_VALID), none.GetTime(&st));
}

TEST_F(DateTimeTest, SkinWithoutTheDropButtonImageLeavesTheButtonWhite) {
    SkinSpec spec;
    spec.bImage = false;
    ASSERT_TRUE(LoadSkin(spec));
    CQVDateTimeCtrl picker;
    Subclass(picker, IDC_QVDATE_EXAM);
    Pump();
    WindowCapture shot(picker.m_hWnd);
    EXPECT_FALSE(shot.HasOtherThan(picker.GetDropRect(), kWhite, 0));
    riztest::Surface print(shot.Width(), shot.Height(), RGB(0, 0, 0));
    picker.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(print.Dc()), PRF_CLIENT);
    EXPECT_FALSE(print.HasOtherThan(picker.GetDropRect(), kWhite, 0));
}

TEST_F(DateTimeTest, ReleasedPickerWorksAsTheSystemsAndALateFrameMessageIsHarmless) {
    const HWND hExam = ::GetDlgItem(m_dlg.m_hWnd, IDC_QVDATE_EXAM);
    // Released before its posted frame message is handled, then after.
    for (bool bPumpFirst : {false, true}) {
        SCOPED_TRACE(testing::Message() << "pumped first " << bPumpFirst);
        CQVDateTimeCtrl* pPicker = new CQVDateTimeCtrl;
        Subclass(*pPicker, IDC_QVDATE_EXAM);
        if (bPumpFirst) Pump();
        pPicker->PostMessage(WM_QV_RECALCFRAME);
        pPicker->UnsubclassWindow();
        delete pPicker;
        Pump();
        ASSERT_TRUE(::IsWindow(hExam));
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hExam));
    }
    ::SetWindowPos(hExam, NULL, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Pump();
    // Keyboard editing, the notifications and the calendar are the system's.
    ::SetFocus(hExam);
    const int nChanges = m_dlg.m_nChanges;
    riztest::PostKey(hExam, VK_RIGHT);
    riztest::PostKey(hExam, VK_UP);
    Pump();
    EXPECT_LT(nChanges, m_dlg.m_nChanges);
    CRect rcClient;
    ::GetClientRect(hExam, &rcClient);
    riztest::PostClick(hExam, rcClient.right - 3, rcClient.Height() / 2);
    Pump();
    EXPECT_EQ(1, m_dlg.m_nDropDowns);
    CloseCalendar(hExam);
    EXPECT_FALSE(CalendarShown(hExam));
    // Its picture is the system's: no skin image.
    WindowCapture shot(hExam);
    EXPECT_EQ(0, PixelsNear(shot, kFrameColours[0]));

    // A window destroyed before its posted frame message.
    CQVDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE, CRect(10, 100, 130, 124), &m_dlg, kCreatedId));
    picker.DestroyWindow();
    Pump();
}

TEST_F(DateTimeTest, CreateDestroyAndSubclassReleaseSoak) {
    auto cycle = [this](int k) {
        {
            CQVDateTimeCtrl picker;
            picker.Create(WS_CHILD | WS_VISIBLE | (k % 3 == 0 ? DTS_UPDOWN : 0) | (k % 2 ? DTS_SHOWNONE : 0),
                          CRect(10, 100, 130, 124), &m_dlg, kCreatedId);
            SetExamDate(picker.m_hWnd);
            picker.UpdateWindow();
            picker.SendMessage(WM_QV_SKINCHANGED);
            picker.DestroyWindow();
        }
        CQVDateTimeCtrl* pPicker = new CQVDateTimeCtrl;
        pPicker->SubclassDlgItem(k % 2 ? IDC_QVDATE_EXAM : IDC_QVDATE_PLAIN, &m_dlg);
        pPicker->Invalidate();
        pPicker->UpdateWindow();
        pPicker->UnsubclassWindow();
        delete pPicker;
    };
    riztest::ExpectCyclesLeakNothing(cycle);
}
