#include "QVLabelTest.h"

#include "MessagePump.h"
#include "PixelProbe.h"
#include "TestImage.h"

using riztest::Surface;
using riztest::WindowCapture;

namespace qvltest {

COLORREF BackgroundAt(int x, int y) {
    return RGB((x * 29) & 255, (y * 17) & 255, ((2 * x + y) * 7) & 255);
}

std::vector<Launch>& Launches() {
    static std::vector<Launch> s_launches;
    return s_launches;
}

std::function<void()>& OnLaunch() {
    static std::function<void()> s_onLaunch;
    return s_onLaunch;
}

HINSTANCE RecordLaunch(HWND, LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParameters,
                       LPCTSTR lpszDirectory, INT nShowCmd) {
    Launches().push_back(
        Launch{lpszVerb, lpszFile, lpszParameters == nullptr && lpszDirectory == nullptr, nShowCmd});
    if (OnLaunch()) OnLaunch()();
    return reinterpret_cast<HINSTANCE>(33);
}

// ---- The dialog ----

BEGIN_MESSAGE_MAP(CLabelDialog, CDialog)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CLabelDialog::~CLabelDialog() {
    if (m_hBackground) ::DeleteObject(m_hBackground);
}

BOOL CLabelDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == STN_CLICKED) {
        ++m_nClicks;
        if (m_onClicked) m_onClicked(LOWORD(wParam));
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CLabelDialog::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    if (!m_hBackground) m_hBackground = riztest::Dib(rc.Width(), rc.Height(), BackgroundAt);
    CDC dcImage;
    dcImage.CreateCompatibleDC(pDC);
    HGDIOBJ hOld = ::SelectObject(dcImage.m_hDC, m_hBackground);
    pDC->BitBlt(0, 0, rc.Width(), rc.Height(), &dcImage, 0, 0, SRCCOPY);
    ::SelectObject(dcImage.m_hDC, hOld);
    return TRUE;
}

// ---- The fixture ----

void LabelTest::SetUp() {
    m_pfnOldLaunch = QVUISetShellExecute(&RecordLaunch);
    Launches().clear();
    ASSERT_TRUE(m_dlg.Create(IDD_QVLABEL));
    m_dlg.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Pump();
}

void LabelTest::TearDown() {
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
    Pump();
    QVUISetShellExecute(m_pfnOldLaunch);
    OnLaunch() = nullptr;
}

void LabelTest::Create(CQVLabel& label, LPCTSTR lpszText, DWORD dwStyle, const CRect& rc) {
    ASSERT_TRUE(label.Create(lpszText, WS_CHILD | WS_VISIBLE | dwStyle, rc, &m_dlg, kCreatedId));
}

CRect LabelTest::RectInDialog(HWND hWnd) const {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    m_dlg.ScreenToClient(&rc);
    return rc;
}

int LabelTest::PixelsOffBackground(HWND hWnd, const Surface& shot) const {
    CPoint ptOrigin(0, 0);
    ::ClientToScreen(hWnd, &ptOrigin);
    m_dlg.ScreenToClient(&ptOrigin);
    int nOff = 0;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            nOff += shot.Pixel(x, y) != BackgroundAt(ptOrigin.x + x, ptOrigin.y + y);
    return nOff;
}

void LabelTest::Pump() {
    riztest::PumpUntilIdle();
}

ScreenNow::ScreenNow(HWND hWnd) : Surface(ClientSize(hWnd).cx, ClientSize(hWnd).cy) {
    HDC hdc = ::GetDC(hWnd);
    ::BitBlt(Dc(), 0, 0, Width(), Height(), hdc, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hdc);
}

CSize ScreenNow::ClientSize(HWND hWnd) {
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    return rc.Size();
}

// ---- Tables without a window ----

TEST(LabelDrawFlags, EveryRuleIsABitTestOfTheStyle) {
    const struct {
        DWORD dwStyle;
        UINT nFlags;
    } rows[] = {
        {SS_LEFT, DT_WORDBREAK},
        {SS_CENTER, DT_WORDBREAK | DT_CENTER},
        {SS_RIGHT, DT_WORDBREAK | DT_RIGHT},
        {SS_CENTER | SS_RIGHT, DT_WORDBREAK | DT_CENTER},  // SS_ICON: centre wins
        {0x4, DT_SINGLELINE},
        {0x8, DT_SINGLELINE},
        {SS_LEFTNOWORDWRAP, DT_SINGLELINE},
        {SS_SIMPLE, DT_SINGLELINE | DT_CENTER},     // 0xB: bits 1, 2 and 8
        {SS_OWNERDRAW, DT_SINGLELINE | DT_CENTER},  // 0xD
        {SS_ENDELLIPSIS | SS_RIGHT, DT_WORDBREAK | DT_END_ELLIPSIS | DT_RIGHT},
        {SS_PATHELLIPSIS, DT_WORDBREAK | DT_PATH_ELLIPSIS},
        {SS_WORDELLIPSIS, DT_WORDBREAK | DT_END_ELLIPSIS},
        {SS_NOTIFY | SS_CENTERIMAGE | SS_NOPREFIX | WS_CHILD, DT_WORDBREAK},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << row.dwStyle);
        EXPECT_EQ(row.nFlags, QVLabelDrawFlags(row.dwStyle));
    }
}

TEST(LabelLaunch, WebAndHostPrefixesOpenWithOpenEverythingElseWithOpenLowerCase) {
    const struct {
        LPCTSTR lpszLink, lpszFile, lpszVerb;
    } rows[] = {
        {_T("http://study.cn/words"), _T("http://study.cn/words"), _T("Open")},
        {_T("www.study.cn"), _T("http://www.study.cn"), _T("Open")},
        {_T("https://study.cn"), _T("https://study.cn"), _T("open")},
        {_T("mailto:li.lei@study.cn"), _T("mailto:li.lei@study.cn"), _T("open")},
        {_T("wwwstudy.cn"), _T("wwwstudy.cn"), _T("open")},
        {_T("http:/"), _T("http:/"), _T("open")},
        {_T("c:\\lessons\\lesson 3.mp3"), _T("c:\\lessons\\lesson 3.mp3"), _T("open")},
        {_T(""), _T(""), _T("open")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lpszLink);
        const QVLabelLaunch launch = QVLabelLaunchFor(row.lpszLink);
        EXPECT_EQ(CString(row.lpszFile), launch.strFile);
        EXPECT_STREQ(row.lpszVerb, launch.lpszVerb);
    }
}

// ---- Drawing ----

TEST_F(LabelTest, TemplateAndCreatedLabelsTakeTheirFlagsAndNotify) {
    CQVLabel fromTemplate, created;
    ASSERT_TRUE(fromTemplate.SubclassDlgItem(IDC_QVLABEL_MESSAGES, &m_dlg));
    Create(created, _T("Li Lei"), SS_RIGHT | SS_ENDELLIPSIS, CRect(10, 60, 110, 76));
    EXPECT_EQ(static_cast<UINT>(DT_WORDBREAK | DT_CENTER), fromTemplate.GetDrawFlags());
    EXPECT_EQ(static_cast<UINT>(DT_WORDBREAK | DT_RIGHT | DT_END_ELLIPSIS), created.GetDrawFlags());
    EXPECT_TRUE(fromTemplate.GetStyle() & SS_NOTIFY);
    EXPECT_TRUE(created.GetStyle() & SS_NOTIFY);
}

TEST_F(LabelTest, DisabledLabelDrawsGreyTextWhateverItsColour) {
    CQVLabel label;
    Create(label, _T("MMMM WWWW"), SS_LEFT, CRect(10, 60, 110, 76));
    label.SetBkColor(RGB(255, 255, 255));
    label.SetTextColor(RGB(0, 0, 255));
    label.SetFontBold(TRUE);
    const CRect rc(0, 0, 100, 16);
    {
        WindowCapture shot(label.m_hWnd);
        EXPECT_GT(shot.CountNear(rc, RGB(0, 0, 255), 0), 10);
        EXPECT_EQ(0, shot.CountNear(rc, RGB(128, 128, 128), 0));
    }
    label.EnableWindow(FALSE);
    Pump();
    ScreenNow shown(label.m_hWnd);  // redrawn by the label itself after STN_DISABLE
    EXPECT_EQ(0, shown.CountNear(rc, RGB(0, 0, 255), 0));
    EXPECT_GT(shown.CountNear(rc, RGB(128, 128, 128), 0), 10);
    EXPECT_EQ(0, shown.CountNear(rc, RGB(0, 0, 255), 100));  // not even blended
}

TEST_F(LabelTest, TransparentLabelShowsTheParentPixelForPixelAlsoMidBackgroundFlash) {
    for (const BOOL bBorder : {FALSE, TRUE}) {
        SCOPED_TRACE(bBorder ? "with a border" : "without a border");
        CQVLabel label;
        Create(label, _T(""), SS_LEFT, CRect(13, 41, 113, 61));
        label.SetBorder(bBorder);
        label.SetTransparent(TRUE);
        label.SetBkColor(RGB(0, 200, 0));
        Pump();
        EXPECT_EQ(0, PixelsOffBackground(label.m_hWnd, WindowCapture(label.m_hWnd)));
        label.StartFlash(QVLFT_BACKGROUND);
        EXPECT_EQ(0, PixelsOffBackground(label.m_hWnd, WindowCapture(label.m_hWnd)));
        label.SendMessage(WM_TIMER, QV_LABEL_FLASH_TIMER);
        EXPECT_EQ(0, PixelsOffBackground(label.m_hWnd, ScreenNow(label.m_hWnd)));
        label.SetWindowText(_T("3 new messages"));
        EXPECT_GT(PixelsOffBackground(label.m_hWnd, WindowCapture(label.m_hWnd)), 0);
    }
}

TEST_F(LabelTest, FlashHalvesFollowTheTicks) {
    CQVLabel label;
    Create(label, _T("3 new messages"), SS_LEFT, CRect(10, 60, 110, 76));
    label.SetBkColor(RGB(255, 255, 255));
    label.SetTextColor(RGB(0, 0, 255));
    const CRect rc(0, 0, 100, 16);
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);
    const struct {
        QVLabelFlashType nType;  // started before the row, or QVLFT_NONE for a tick
        COLORREF clrText, clrBkgnd;
    } steps[] = {
        {QVLFT_TEXT, RGB(0, 0, 255), RGB(255, 255, 255)},  // the "off" half until the first tick
        {QVLFT_NONE, RGB(255, 0, 0), RGB(255, 255, 255)},  // tick: the flash colour
        {QVLFT_NONE, RGB(0, 0, 255), RGB(255, 255, 255)},  // tick: back
        {QVLFT_NONE, RGB(255, 0, 0), RGB(255, 255, 255)},  // tick
        {QVLFT_BACKGROUND, RGB(0, 0, 255), clrFace},       // the text flash undone; flash brush at once
        {QVLFT_NONE, RGB(0, 0, 255), RGB(255, 255, 255)},  // tick: the background brush
        {QVLFT_NONE, RGB(0, 0, 255), clrFace},             // tick
        {QVLFT_BACKGROUND, RGB(0, 0, 255), clrFace},       // the same kind again: "off" half
    };
    int nStep = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << nStep++);
        if (step.nType != QVLFT_NONE)
            label.StartFlash(step.nType);
        else
            label.SendMessage(WM_TIMER, QV_LABEL_FLASH_TIMER);
        Pump();
        ScreenNow shown(label.m_hWnd);
        EXPECT_GT(shown.CountNear(rc, step.clrText, 0), 10);
        EXPECT_GT(shown.CountNear(rc, step.clrBkgnd, 0), 400);
        EXPECT_EQ(step.nType == QVLFT_NONE ? label.GetFlashType() : step.nType, label.GetFlashType());
    }
    label.StopFlash();
    EXPECT_FALSE(label.IsFlashing());
    EXPECT_FALSE(label.KillTimer(QV_LABEL_FLASH_TIMER));  // stopped with the flash
    label.StartFlash(QVLFT_TEXT);
    EXPECT_TRUE(label.KillTimer(QV_LABEL_FLASH_TIMER));
}

// ---- Links ----

TEST_F(LabelTest, LinkUnderlinesWhileHoveredAndOpensThroughTheLauncher) {
    CQVLabel link, other, note;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_QVLABEL_LINK, &m_dlg));
    link.SetLink(TRUE, _T("WWW.Study.CN/Password"));
    EXPECT_EQ(_T("www.study.cn/password"), link.GetLink());
    Create(other, _T("Send mail"), SS_LEFT, CRect(10, 60, 110, 76));
    other.SetLink(TRUE, _T("MailTo:Li.Lei@Study.cn"));
    ASSERT_TRUE(note.SubclassDlgItem(IDC_QVLABEL_MESSAGES, &m_dlg));
    note.Notify(TRUE);

    const int nTextPixels =
        WindowCapture(link.m_hWnd).CountNear(CRect(0, 0, 200, 20), ::GetSysColor(COLOR_WINDOWTEXT));
    riztest::PostMouse(link.m_hWnd, WM_MOUSEMOVE, 5, 5);
    riztest::PostMouse(note.m_hWnd, WM_MOUSEMOVE, 5, 5);
    Pump();
    EXPECT_TRUE(link.IsHover());
    EXPECT_TRUE(link.GetLogFont().lfUnderline);
    EXPECT_TRUE(note.IsHover());
    EXPECT_GT(WindowCapture(link.m_hWnd).CountNear(CRect(0, 0, 200, 20), ::GetSysColor(COLOR_WINDOWTEXT)),
              nTextPixels);
    link.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(link.IsHover());
    EXPECT_FALSE(link.GetLogFont().lfUnderline);

    riztest::PostClick(link.m_hWnd, 5, 5);
    riztest::PostClick(other.m_hWnd, 5, 5);
    riztest::PostClick(note.m_hWnd, 5, 5);
    Pump();
    ASSERT_EQ(2u, Launches().size());
    EXPECT_EQ(_T("Open"), Launches()[0].strVerb);
    EXPECT_EQ(_T("http://www.study.cn/password"), Launches()[0].strFile);
    EXPECT_EQ(_T("open"), Launches()[1].strVerb);
    EXPECT_EQ(_T("mailto:li.lei@study.cn"), Launches()[1].strFile);
    EXPECT_TRUE(Launches()[0].bNoParametersNoFolder);
    EXPECT_EQ(SW_SHOWNORMAL, Launches()[0].nShowCmd);
    EXPECT_EQ(3, m_dlg.m_nClicks);  // STN_CLICKED still reaches the parent
}

TEST_F(LabelTest, ParentDestroyingTheLabelInsideALinkClick) {
    for (const bool bInLauncher : {true, false}) {
        SCOPED_TRACE(bInLauncher ? "in the launcher" : "at STN_CLICKED");
        CQVLabel* pLabel = new CQVLabel;
        Create(*pLabel, _T("Forgot your password?"), SS_LEFT, CRect(10, 60, 130, 76));
        pLabel->SetLink(TRUE, _T("www.study.cn"));
        pLabel->SetFingerCursor();
        auto destroy = [&] {
            pLabel->DestroyWindow();
            delete pLabel;
            pLabel = nullptr;
        };
        if (bInLauncher)
            OnLaunch() = destroy;
        else
            m_dlg.m_onClicked = [&](UINT) { destroy(); };
        const int nClicks = m_dlg.m_nClicks;
        riztest::PostClick(pLabel->m_hWnd, 5, 5);
        Pump();
        EXPECT_EQ(nullptr, pLabel);
        EXPECT_EQ(bInLauncher ? nClicks : nClicks + 1, m_dlg.m_nClicks);
        OnLaunch() = nullptr;
        m_dlg.m_onClicked = nullptr;
    }
    EXPECT_EQ(2u, Launches().size());
}

TEST_F(LabelTest, HandCursorIsSharedAndShownOverTheLabel) {
    CQVLabel first, second;
    Create(first, _T("Courses"), SS_LEFT, CRect(10, 60, 110, 76));
    ASSERT_TRUE(second.SubclassDlgItem(IDC_QVLABEL_LINK, &m_dlg));
    first.SetFingerCursor();
    second.SetFingerCursor();
    ASSERT_NE(HCURSOR(NULL), first.GetLinkCursor());
    EXPECT_EQ(first.GetLinkCursor(), second.GetLinkCursor());
    EXPECT_TRUE(first.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(first.m_hWnd),
                                  MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(first.GetLinkCursor(), ::GetCursor());
    const HCURSOR hArrow = ::LoadCursor(NULL, IDC_ARROW);
    second.SetLinkCursor(hArrow);  // gives its hand reference back
    EXPECT_EQ(hArrow, second.GetLinkCursor());
}

// ---- Size and text through the handle ----

TEST_F(LabelTest, AutoSizeFollowsTheTextButNeverPassesTheMaximum) {
    CQVLabel label;
    Create(label, _T(""), SS_LEFT | SS_ENDELLIPSIS, CRect(10, 60, 30, 70));
    label.SetAutoSize(TRUE, 150);
    const struct {
        LPCWSTR lpszText;
        bool bAtMaximum;
    } rows[] = {
        {L"Li Lei", false},
        {L"\x5fd8\x8bb0\x5bc6\x7801\xff1f", false},  // Chinese
        {L"Forgot your password? Ask your teacher or write to the study centre", true},
    };
    int cyLine = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        // As a language change sets it: through the handle.
        ::SetWindowText(label.m_hWnd, CString(row.lpszText));
        const CRect rc = RectInDialog(label.m_hWnd);
        if (row.bAtMaximum)
            EXPECT_EQ(150, rc.Width());
        else
            EXPECT_LT(rc.Width(), 150);
        EXPECT_GT(rc.Width(), 20);
        if (cyLine) {
            EXPECT_EQ(cyLine, rc.Height());
        }
        cyLine = rc.Height();
        EXPECT_GT(cyLine, 8);
    }
    label.SetFontSize(30);  // font setters size the label too
    EXPECT_GT(RectInDialog(label.m_hWnd).Height(), cyLine);
}

TEST_F(LabelTest, TextSetThroughTheHandleEndsWithTheLabelsOwnDrawing) {
    CQVLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(IDC_QVLABEL_MESSAGES, &m_dlg));
    label.SetTransparent(TRUE);
    Pump();
    ::SetWindowText(label.m_hWnd, _T(""));
    Pump();
    EXPECT_EQ(0, PixelsOffBackground(label.m_hWnd, ScreenNow(label.m_hWnd)));
    label.EnableWindow(FALSE);
    Pump();
    EXPECT_EQ(0, PixelsOffBackground(label.m_hWnd, ScreenNow(label.m_hWnd)));
}

}  // namespace qvltest
