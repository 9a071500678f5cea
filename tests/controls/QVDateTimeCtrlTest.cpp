// CQVDateTimeCtrl in the exam dialog: frame and drop rectangle per style, the picture (the system's
// text, the centred drop button), the held press and its timer, the notifications and keyboard editing
// the parent keeps (also once released), the skin change, bad input and the soak.
#include <afxwin.h>

#include <QVSkinResManager.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVDateTimeCtrl.h"
#include "QVDateTimeCtrlTestRes.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "TestImage.h"

using riztest::PumpMessages;
using riztest::RingPixelsOtherThan;
using riztest::WindowCapture;

namespace {

constexpr COLORREF kBorder = RGB(200, 30, 90), kOtherBorder = RGB(20, 160, 210);
constexpr COLORREF kWhite = RGB(255, 255, 255), kKey = RGB(255, 0, 255);
constexpr COLORREF kFrames[3] = {RGB(30, 120, 40), RGB(240, 200, 0), RGB(20, 40, 220)};  // normal ... pressed
constexpr int kDropWidth = 9, kDropHeight = 7;
constexpr UINT kCreatedId = 1650;

// Counts the exam date's notifications through its message map; may delete a picker at DTN_DROPDOWN.
class CExamDialog : public CDialog {
public:
    CExamDialog() : CDialog(IDD_QVDATE) {}
    int m_nDropDowns = 0, m_nCloseUps = 0, m_nChanges = 0;
    CWnd* m_pDeleteAtDropDown = nullptr;

protected:
    afx_msg void OnDropDown(NMHDR*, LRESULT*) {
        ++m_nDropDowns;
        delete m_pDeleteAtDropDown;
        m_pDeleteAtDropDown = nullptr;
    }
    afx_msg void OnCloseUp(NMHDR*, LRESULT*) { ++m_nCloseUps; }
    afx_msg void OnChange(NMHDR*, LRESULT*) { ++m_nChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExamDialog, CDialog)
ON_NOTIFY(DTN_DROPDOWN, IDC_QVDATE_EXAM, &CExamDialog::OnDropDown)
ON_NOTIFY(DTN_CLOSEUP, IDC_QVDATE_EXAM, &CExamDialog::OnCloseUp)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_QVDATE_EXAM, &CExamDialog::OnChange)
END_MESSAGE_MAP()

// Counts its paints and its press timer's ticks.
class CCountingPicker : public CQVDateTimeCtrl {
public:
    int m_nPaints = 0, m_nTicks = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        m_nPaints += message == WM_PAINT;
        m_nTicks += message == WM_TIMER && wParam == QVDT_PRESS_TIMER;
        return CQVDateTimeCtrl::WindowProc(message, wParam, lParam);
    }
};

void SetExamDate(HWND hPicker) {
    SYSTEMTIME st = {2027, 6, 1, 7, 9, 30, 0, 0};
    ::SendMessage(hPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

// The left button as GetKeyState reads it: posted mouse messages do not change it.
void SetLeftButton(bool bDown) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_LBUTTON] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

// The pointer at a client point, waiting until the display reports it there.
void PointerAt(HWND hWnd, CPoint pt) {
    ::ClientToScreen(hWnd, &pt);
    for (int i = 0; i < 20; ++i) {
        ::SetCursorPos(pt.x, pt.y);
        PumpMessages(10, true);
        POINT ptNow;
        ::GetCursorPos(&ptNow);
        if (ptNow.x == pt.x && ptNow.y == pt.y) break;
    }
    PumpMessages(30, true);  // a running press timer sees it
}

CPoint DropCentre(HWND hPicker) {
    CRect rc;
    ::GetClientRect(hPicker, &rc);
    return CPoint(rc.right - ::GetSystemMetrics(SM_CXVSCROLL) / 2, rc.Height() / 2);
}

bool CalendarShown(HWND hPicker) {
    const HWND hCalendar = reinterpret_cast<HWND>(::SendMessage(hPicker, DTM_GETMONTHCAL, 0, 0));
    return hCalendar && ::IsWindowVisible(hCalendar);
}

// DTM_CLOSEMONTHCAL, or where that is not answered a second click on the drop button (a toggle).
void CloseCalendar(HWND hPicker) {
    ::SendMessage(hPicker, DTM_CLOSEMONTHCAL, 0, 0);
    SetLeftButton(false);
    if (CalendarShown(hPicker)) riztest::PostClick(hPicker, DropCentre(hPicker).x, DropCentre(hPicker).y);
    riztest::PumpUntilIdle();
}

// Pixels of the client area left of the drop rectangle far from white: the date's text.
int TextPixels(const riztest::Surface& shot, int cxText) {
    return cxText * shot.Height() - shot.CountNear(CRect(0, 0, cxText, shot.Height()), kWhite, 60);
}

class DateTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetLeftButton(false);
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
        ASSERT_TRUE(::InitCommonControlsEx(&icc));
        ASSERT_TRUE(LoadSkin(kBorder, kFrames[0]));
        ASSERT_TRUE(m_dlg.Create(IDD_QVDATE));
        m_dlg.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        for (int nID = IDC_QVDATE_EXAM; nID <= IDC_QVDATE_NONE; ++nID)
            SetExamDate(Item(nID));
        ::SetFocus(Item(IDOK));
        Pump();
    }
    void TearDown() override {
        SetLeftButton(false);
        if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
        Pump();
    }
    // A skin whose drop-button frames are solid (frame 0 in clrNormal); with nTransparent the top-left
    // pixel of each is the key colour.
    bool LoadSkin(COLORREF clrBorder, COLORREF clrNormal, int nTransparent = 0, bool bImage = true) {
        CString strPrefix;
        strPrefix.Format(_T("skin%d\\"), m_nSkins++);
        auto frame = [=](int f, int x, int y) {
            return nTransparent && !x && !y ? kKey : f ? kFrames[f] : clrNormal;
        };
        if (bImage && !m_folder.WriteFile(
                          strPrefix + _T("Common\\Button\\ComboDrop.bmp"),
                          riztest::Bmp24(kDropWidth * 3, kDropHeight, riztest::Frames(kDropWidth, frame))))
            return false;
        CStringA strIni;
        strIni.Format("[Skin]\r\nName = Date test\r\n[Window]\r\nCaptionHeight = 24\r\n[Button]\r\nComboDrop "
                      "= Common\\Button\\ComboDrop.bmp\r\n"
                      "ComboDropWidth = %d\r\nComboDropHeight = %d\r\nTransparentImage = %d\r\n[Colors]\r\n"
                      "Color4 = %d,%d,%d\r\n",
                      kDropWidth, kDropHeight, nTransparent, GetRValue(clrBorder), GetGValue(clrBorder),
                      GetBValue(clrBorder));
        return m_folder.WriteFile(strPrefix + _T("skin.ini"), strIni.GetString()) &&
               CQVSkinResManager::GetSingletonPtr()->LoadSkin(m_folder.Path(strPrefix));
    }
    HWND Item(int nID) const { return ::GetDlgItem(m_dlg.m_hWnd, nID); }
    // Drop-rectangle pixels on the screen other than frame nFrame of the skin's image drawn centred on
    // white into a second surface.
    static int DropButtonMismatches(CQVDateTimeCtrl& picker, int nFrame) {
        const CQVSkinBtnRes* pRes = CQVSkinResManager::GetSingletonPtr()->GetBtnRes();
        const CRect rc = picker.GetDropRect();
        WindowCapture shot(picker.m_hWnd);
        riztest::Surface expected(shot.Width(), shot.Height());
        CDC* pDC = CDC::FromHandle(expected.Dc());
        const int x = rc.left + (rc.Width() - kDropWidth) / 2, y = rc.top + (rc.Height() - kDropHeight) / 2;
        if (pRes->m_nTransparentImage)
            pRes->m_bmpComboDrop.TransparentDraw(pDC, x, y, kDropWidth, kDropHeight, kKey, nFrame);
        else
            pRes->m_bmpComboDrop.Draw(pDC, x, y, kDropWidth, kDropHeight, nFrame);
        int nWrong = 0;
        for (int j = rc.top; j < rc.bottom; ++j)
            for (int i = rc.left; i < rc.right; ++i)
                nWrong += shot.Pixel(i, j) != expected.Pixel(i, j);
        return nWrong;
    }
    static void Pump() { riztest::PumpUntilIdle(); }

    riztest::TempFolder m_folder;
    int m_nSkins = 0;
    CExamDialog m_dlg;
};

}  // namespace

TEST_F(DateTimeTest, FrameButtonAndTextOfEveryStyleSubclassedAndNeverResized) {
    for (int nID = IDC_QVDATE_EXAM; nID <= IDC_QVDATE_NONE; ++nID) {
        SCOPED_TRACE(testing::Message() << "picker " << nID);
        const bool bUpDown = nID == IDC_QVDATE_UPDOWN;
        CQVDateTimeCtrl picker;
        ASSERT_TRUE(picker.SubclassDlgItem(nID, &m_dlg));
        EXPECT_NE(CRect(1, 1, 1, 1), CRect(riztest::ClientInsetInWindow(Item(nID))));
        Pump();  // the posted frame change, whose client resize sets the drop rectangle
        EXPECT_EQ(CRect(1, 1, 1, 1), CRect(riztest::ClientInsetInWindow(Item(nID))));
        CRect rcDrop;
        picker.GetClientRect(&rcDrop);
        rcDrop.left = rcDrop.right - ::GetSystemMetrics(SM_CXVSCROLL);
        EXPECT_EQ(bUpDown ? CRect() : rcDrop, picker.GetDropRect());
        // Only the one-pixel frame outside the client area, also after a frame repaint.
        picker.RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(0,
                  RingPixelsOtherThan(WindowCapture(picker.m_hWnd, WindowCapture::Screen, false), kBorder));
        // The system's text and the centred button, on the screen and through WM_PRINTCLIENT, which
        // the system's drawing inside sends back to the control. An up-down picker has no button.
        for (auto mode : {WindowCapture::Screen, WindowCapture::Print}) {
            WindowCapture shot(picker.m_hWnd, mode);
            EXPECT_GT(TextPixels(shot, rcDrop.left), 20);
            EXPECT_EQ(bUpDown ? 0 : kDropWidth * kDropHeight,
                      shot.CountNear(CRect(0, 0, shot.Width(), shot.Height()), kFrames[0], 0));
        }
        EXPECT_EQ(0, bUpDown ? 0 : DropButtonMismatches(picker, 0));
        picker.UnsubclassWindow();
    }
}

TEST_F(DateTimeTest, ResizeMovesTheButtonAndAChineseFormatDrawsInBothCharacterSets) {
    CQVDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE, CRect(10, 100, 130, 124), &m_dlg, kCreatedId));
    SetExamDate(picker.m_hWnd);
    Pump();
    ASSERT_TRUE(picker.SetFormat(CString(L"yyyy'\x5e74'M'\x6708'd'\x65e5'")));  // 2027年6月7日
    const int nChinese = TextPixels(WindowCapture(picker.m_hWnd), picker.GetDropRect().left);
    ASSERT_TRUE(picker.SetFormat(_T("yyyy'?'M'?'d'?'")));  // what a lost conversion shows
    EXPECT_GT(nChinese, TextPixels(WindowCapture(picker.m_hWnd), picker.GetDropRect().left) + 20);
    for (CSize size : {CSize(200, 30), CSize(90, 20), CSize(60, 41)}) {
        picker.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
        const int cxClient = size.cx - 2;
        EXPECT_EQ(CRect(cxClient - ::GetSystemMetrics(SM_CXVSCROLL), 0, cxClient, size.cy - 2),
                  picker.GetDropRect());
        EXPECT_EQ(0, DropButtonMismatches(picker, 0)) << size.cx << " x " << size.cy;
    }
}

TEST_F(DateTimeTest, HeldPressShowsThePressedFrameAndTicksUntilReleasedAnywhere) {
    CCountingPicker picker;
    ASSERT_TRUE(picker.SubclassDlgItem(IDC_QVDATE_EXAM, &m_dlg));
    Pump();
    const CPoint ptDrop = picker.GetDropRect().CenterPoint();
    PointerAt(picker.m_hWnd, ptDrop);
    SetLeftButton(true);
    riztest::PostMouse(picker.m_hWnd, WM_LBUTTONDOWN, ptDrop.x, ptDrop.y, MK_LBUTTON);
    PumpMessages(50, true);
    EXPECT_TRUE(picker.IsPressed() && picker.IsClicked());
    EXPECT_EQ(static_cast<UINT_PTR>(QVDT_PRESS_TIMER), picker.GetPressTimer());
    EXPECT_EQ(1, m_dlg.m_nDropDowns);  // the host's message map heard the calendar open
    EXPECT_EQ(0, DropButtonMismatches(picker, 2));
    int nPaints = picker.m_nPaints;
    const int nTicks = picker.m_nTicks;
    // The real timer: pumped until three ticks came, however loaded the machine (the watchdog ends a
    // timer that never ticks).
    while (picker.m_nTicks - nTicks < 3)
        PumpMessages(10, true);
    EXPECT_GE(picker.m_nPaints - nPaints, picker.m_nTicks - nTicks);
    // Off the button the ticks go on with the normal frame; back on, pressed again.
    PointerAt(picker.m_hWnd, CPoint(3, 3));
    EXPECT_FALSE(picker.IsPressed());
    EXPECT_TRUE(picker.IsClicked());
    EXPECT_EQ(0, DropButtonMismatches(picker, 0));
    PointerAt(picker.m_hWnd, ptDrop);
    EXPECT_TRUE(picker.IsPressed());
    // Released where the control never hears the button-up: the next tick ends the press.
    SetLeftButton(false);
    for (const int nReleaseTicks = picker.m_nTicks; picker.m_nTicks == nReleaseTicks;)
        PumpMessages(10, true);
    EXPECT_FALSE(picker.IsPressed() || picker.IsClicked());
    EXPECT_EQ(0u, picker.GetPressTimer());
    nPaints = picker.m_nPaints;
    PumpMessages(100, true);
    EXPECT_LE(picker.m_nPaints - nPaints, 1);
    CloseCalendar(picker.m_hWnd);
    EXPECT_FALSE(CalendarShown(picker.m_hWnd));
    EXPECT_EQ(1, m_dlg.m_nCloseUps);
}

TEST_F(DateTimeTest, PostedMouseMessagesSetAndClearThePress) {
    CQVDateTimeCtrl picker;
    ASSERT_TRUE(picker.SubclassDlgItem(IDC_QVDATE_EXAM, &m_dlg));
    Pump();
    const CPoint ptDrop = picker.GetDropRect().CenterPoint(), ptText(5, 5);
    const struct {
        UINT message;
        CPoint pt;
        WPARAM keys;
        bool bPressed;
    } steps[] = {
        {WM_MOUSEMOVE, ptDrop, MK_LBUTTON, true},
        {WM_MOUSEMOVE, ptText, MK_LBUTTON, false},
        {WM_MOUSEMOVE, ptDrop, MK_LBUTTON, true},
        {WM_MOUSEMOVE, ptDrop, 0, false},
        {WM_LBUTTONDOWN, ptText, MK_LBUTTON, false},
        {WM_MOUSEMOVE, ptDrop, MK_LBUTTON, true},
        {WM_LBUTTONUP, ptDrop, 0, false},
    };
    for (const auto& step : steps) {
        riztest::PostMouse(picker.m_hWnd, step.message, step.pt.x, step.pt.y, step.keys);
        Pump();
        EXPECT_EQ(step.bPressed ? 2 : 0, picker.GetDrawnButtonFrame()) << step.message << " at " << step.pt.x;
        EXPECT_FALSE(picker.IsClicked());
    }
    // A press on the button ended by its button-up over the control.
    SetLeftButton(true);
    riztest::PostMouse(picker.m_hWnd, WM_LBUTTONDOWN, ptDrop.x, ptDrop.y, MK_LBUTTON);
    PumpMessages(20, true);
    EXPECT_TRUE(picker.IsClicked());
    riztest::PostMouse(picker.m_hWnd, WM_LBUTTONUP, ptDrop.x, ptDrop.y);
    PumpMessages(20, true);
    EXPECT_FALSE(picker.IsPressed());
    EXPECT_EQ(0u, picker.GetPressTimer());
    CloseCalendar(picker.m_hWnd);
}

TEST_F(DateTimeTest, KeyboardEditingReachesTheHostSkinnedAndReleasedAndALateFrameMessageIsHarmless) {
    const HWND hExam = Item(IDC_QVDATE_EXAM);
    for (bool bReleased : {false, true}) {
        SCOPED_TRACE(testing::Message() << "released " << bReleased);
        CQVDateTimeCtrl* pPicker = new CQVDateTimeCtrl;
        ASSERT_TRUE(pPicker->SubclassDlgItem(IDC_QVDATE_EXAM, &m_dlg));
        if (bReleased) {
            pPicker->PostMessage(WM_QV_RECALCFRAME);  // handled by the system's procedure
            pPicker->UnsubclassWindow();
            delete pPicker;
            pPicker = nullptr;
            EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hExam));
        }
        Pump();
        ::SetFocus(hExam);
        SYSTEMTIME before = {}, after = {};
        ::SendMessage(hExam, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&before));
        after = before;
        const int nChanges = m_dlg.m_nChanges;
        // The next field, one up, until an editable field is reached (the selection stays from before).
        for (int i = 0; i < 5 && !memcmp(&before, &after, sizeof(SYSTEMTIME)); ++i) {
            riztest::PostKey(hExam, VK_RIGHT);
            riztest::PostKey(hExam, VK_UP);
            Pump();
            ::SendMessage(hExam, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&after));
        }
        EXPECT_NE(0, memcmp(&before, &after, sizeof(SYSTEMTIME)));
        EXPECT_LT(nChanges, m_dlg.m_nChanges);
        SetExamDate(hExam);
        if (pPicker) pPicker->UnsubclassWindow();
        delete pPicker;
    }
    // Released, the calendar opens as the system's and no skin image shows.
    riztest::PostClick(hExam, DropCentre(hExam).x, DropCentre(hExam).y);
    Pump();
    EXPECT_TRUE(CalendarShown(hExam));
    EXPECT_EQ(1, m_dlg.m_nDropDowns);
    CloseCalendar(hExam);
    EXPECT_EQ(0, WindowCapture(hExam).CountNear(CRect(0, 0, 999, 99), kFrames[0], 0));
}

TEST_F(DateTimeTest, SkinChangeRereadsTheBorderAndTheImageAndAMissingImageDrawsNothing) {
    CQVDateTimeCtrl picker;
    ASSERT_TRUE(picker.SubclassDlgItem(IDC_QVDATE_EXAM, &m_dlg));
    Pump();
    ASSERT_TRUE(LoadSkin(kOtherBorder, RGB(150, 70, 10), 1));
    EXPECT_NE(0, picker.SendMessage(WM_QV_SKINCHANGED));
    Pump();
    EXPECT_EQ(0,
              RingPixelsOtherThan(WindowCapture(picker.m_hWnd, WindowCapture::Screen, false), kOtherBorder));
    EXPECT_EQ(0, DropButtonMismatches(picker, 0));  // the key pixel shows the white fill
    const CPoint pt = picker.GetDropRect().CenterPoint();
    EXPECT_EQ("", WindowCapture(picker.m_hWnd).WrongPixels({{pt.x, pt.y, RGB(150, 70, 10)}}));

    ASSERT_TRUE(LoadSkin(kBorder, kFrames[0], 0, false));
    picker.SendMessage(WM_QV_SKINCHANGED);
    Pump();
    EXPECT_FALSE(WindowCapture(picker.m_hWnd).HasOtherThan(picker.GetDropRect(), kWhite, 0));
}

TEST_F(DateTimeTest, DestroyedMidPressStrayTicksAndAWindowOfNoSize) {
    const HWND hExam = Item(IDC_QVDATE_EXAM);
    PointerAt(hExam, DropCentre(hExam));
    SetLeftButton(true);
    m_dlg.m_pDeleteAtDropDown = new CQVDateTimeCtrl;  // deleted by the host inside the press
    ASSERT_TRUE(m_dlg.m_pDeleteAtDropDown->SubclassDlgItem(IDC_QVDATE_EXAM, &m_dlg));
    Pump();
    riztest::PostMouse(hExam, WM_LBUTTONDOWN, DropCentre(hExam).x, DropCentre(hExam).y, MK_LBUTTON);
    PumpMessages(50, true);
    EXPECT_FALSE(::IsWindow(hExam));
    // Held with the calendar open, then destroyed (0), deleted with its window (1) or released (2).
    for (int nEnd = 0; nEnd < 3; ++nEnd) {
        SetLeftButton(true);
        CQVDateTimeCtrl* pPicker = new CQVDateTimeCtrl;
        ASSERT_TRUE(pPicker->Create(WS_CHILD | WS_VISIBLE, CRect(10, 100, 130, 124), &m_dlg, kCreatedId));
        const HWND hPicker = pPicker->m_hWnd;
        Pump();
        PointerAt(hPicker, DropCentre(hPicker));
        riztest::PostMouse(hPicker, WM_LBUTTONDOWN, DropCentre(hPicker).x, DropCentre(hPicker).y, MK_LBUTTON);
        PumpMessages(30, true);
        ASSERT_NE(0u, pPicker->GetPressTimer());
        const HWND hCalendar = reinterpret_cast<HWND>(pPicker->SendMessage(DTM_GETMONTHCAL));
        EXPECT_TRUE(::IsWindowVisible(hCalendar));
        if (nEnd == 0) pPicker->DestroyWindow();
        if (nEnd == 2) pPicker->UnsubclassWindow();
        EXPECT_EQ(0u, nEnd != 1 ? pPicker->GetPressTimer() : 0u);  // released: the press ended too
        delete pPicker;
        PumpMessages(30, true);
        ::Sleep(30);
        MSG msg;
        EXPECT_FALSE(::PeekMessage(&msg, hPicker, WM_TIMER, WM_TIMER, PM_NOREMOVE));  // no ticks left
        if (nEnd == 2) {
            CloseCalendar(hPicker);
            ::DestroyWindow(hPicker);
        }
        EXPECT_FALSE(::IsWindow(hPicker) || (::IsWindow(hCalendar) && ::IsWindowVisible(hCalendar)));
    }
    // Stray ticks with the button up and down (the pointer on the button), and a picker of no size.
    CQVDateTimeCtrl picker, empty;
    ASSERT_TRUE(picker.SubclassDlgItem(IDC_QVDATE_PLAIN, &m_dlg));
    ASSERT_TRUE(empty.Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 5, 5), &m_dlg, kCreatedId));
    Pump();
    PointerAt(picker.m_hWnd, picker.GetDropRect().CenterPoint());
    for (bool bDown : {true, false}) {
        SetLeftButton(bDown);
        for (CQVDateTimeCtrl* p : {&picker, &empty})
            p->SendMessage(WM_TIMER, QVDT_PRESS_TIMER);
        EXPECT_FALSE(picker.IsPressed() || picker.IsClicked() || picker.GetPressTimer());
    }
    riztest::PostClick(empty.m_hWnd, 0, 0);
    empty.RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_NE(0, empty.SendMessage(WM_QV_SKINCHANGED));
    Pump();
    riztest::Surface print(4, 4);
    empty.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(print.Dc()), PRF_CLIENT);
    EXPECT_FALSE(print.HasOtherThan(CRect(0, 0, 4, 4), kWhite, 0));
    CQVDateTimeCtrl late;  // destroyed before its posted frame message
    ASSERT_TRUE(late.Create(WS_CHILD, CRect(10, 100, 130, 124), &m_dlg, kCreatedId + 1));
    late.DestroyWindow();
    Pump();
}

TEST_F(DateTimeTest, CreateDestroyAndSubclassReleaseSoak) {
    riztest::ExpectCyclesLeakNothing([this](int k) {
        {
            CQVDateTimeCtrl picker;
            picker.Create(WS_CHILD | WS_VISIBLE | (k % 3 ? 0 : DTS_UPDOWN) | (k % 2 ? DTS_SHOWNONE : 0),
                          CRect(10, 100, 130, 124), &m_dlg, kCreatedId);
            picker.UpdateWindow();
            picker.SendMessage(WM_QV_SKINCHANGED);
        }
        CQVDateTimeCtrl* pPicker = new CQVDateTimeCtrl;
        pPicker->SubclassDlgItem(k % 2 ? IDC_QVDATE_EXAM : IDC_QVDATE_PLAIN, &m_dlg);
        pPicker->Invalidate();
        pPicker->UpdateWindow();
        pPicker->UnsubclassWindow();
        delete pPicker;
    });
}
