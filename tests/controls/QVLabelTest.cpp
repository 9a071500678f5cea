// Label tests: the style and link rules by tables, then labels on a dialog whose background has no two
// neighbouring pixels alike, driven by sent and posted messages and read back from the screen.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "MessagePump.h"
#include "PatternDialog.h"
#include "QVLabel.h"
#include "QVLabelTestRes.h"
#include "QVUIShell.h"
#include "ResourceCounter.h"

using riztest::ShownNow;
using riztest::WindowCapture;

namespace {

constexpr UINT kCreatedId = 1150;
const COLORREF kWhite = RGB(255, 255, 255), kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0);
const COLORREF kGrey = RGB(128, 128, 128);

// The recording launcher: verb and file of every launch, and what runs inside one.
std::vector<std::pair<CString, CString>> g_launches;
std::function<void()> g_onLaunch;

HINSTANCE RecordLaunch(HWND, LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParameters,
                       LPCTSTR lpszDirectory, INT nShowCmd) {
    EXPECT_TRUE(lpszParameters == nullptr && lpszDirectory == nullptr && nShowCmd == SW_SHOWNORMAL);
    g_launches.emplace_back(lpszVerb, lpszFile);
    if (g_onLaunch) g_onLaunch();
    return reinterpret_cast<HINSTANCE>(33);
}

class LabelTest : public riztest::PatternDialogTest {
protected:
    LabelTest() : PatternDialogTest(IDD_QVLABEL, IDCANCEL) {}
    void SetUp() override {
        m_pfnOldLaunch = QVUISetShellExecute(&RecordLaunch);
        g_launches.clear();
        PatternDialogTest::SetUp();
        // STN_CLICKED offered to a test.
        m_dlg.m_onMessage = [this](UINT message, WPARAM wParam, LPARAM, LRESULT*) {
            if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED && m_onClicked) m_onClicked();
            return false;
        };
    }
    void TearDown() override {
        PatternDialogTest::TearDown();
        QVUISetShellExecute(m_pfnOldLaunch);
        g_onLaunch = nullptr;
    }
    void Create(CQVLabel& label, LPCTSTR lpszText, DWORD dwStyle = SS_LEFT, int y = 60) {
        ASSERT_TRUE(label.Create(lpszText, WS_CHILD | WS_VISIBLE | dwStyle, CRect(13, y, 113, y + 16), &m_dlg,
                                 kCreatedId));
    }
    int Clicks() const { return m_dlg.Received(WM_COMMAND, STN_CLICKED); }

    QVUIShellExecuteFunc m_pfnOldLaunch = nullptr;
    std::function<void()> m_onClicked;
};

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
        {SS_SIMPLE, DT_SINGLELINE | DT_CENTER},     // 0xB
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

TEST(LabelLaunch, WebAndHostPrefixesOpenWithOpenEverythingElseWithOpen) {
    const struct {
        LPCTSTR lpszLink, lpszFile, lpszVerb;
    } rows[] = {
        {_T("http://study.cn/words"), _T("http://study.cn/words"), _T("Open")},
        {_T("www.study.cn"), _T("http://www.study.cn"), _T("Open")},
        {_T("https://study.cn"), _T("https://study.cn"), _T("open")},
        {_T("mailto:li.lei@study.cn"), _T("mailto:li.lei@study.cn"), _T("open")},
        {_T("wwwstudy.cn"), _T("wwwstudy.cn"), _T("open")},
        {_T("http:/"), _T("http:/"), _T("open")},
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

TEST_F(LabelTest, DisabledLabelDrawsGreyTextWhateverItsColour) {
    CQVLabel label;
    Create(label, _T("MMMM WWWW"), SS_RIGHT | SS_ENDELLIPSIS);
    EXPECT_EQ(static_cast<UINT>(DT_WORDBREAK | DT_RIGHT | DT_END_ELLIPSIS), label.GetDrawFlags());
    label.SetBkColor(kWhite);
    label.SetTextColor(kBlue);
    label.SetFontBold(TRUE);
    EXPECT_EQ(0, label.SendMessage(WM_QV_SKINCHANGED));  // nothing of the skin in an opaque label
    EXPECT_GT(ShownNow(label.m_hWnd).Near(kBlue), 10);
    EXPECT_EQ(0, ShownNow(label.m_hWnd).Near(kGrey));
    label.EnableWindow(FALSE);
    Pump();
    const ShownNow shown(label.m_hWnd);  // redrawn by the label after STN_DISABLE
    EXPECT_GT(shown.Near(kGrey), 10);
    EXPECT_EQ(0, shown.Near(kBlue, 100));
    const WindowCapture printed(label.m_hWnd, WindowCapture::Print);  // the same drawing
    EXPECT_GT(printed.CountNear(CRect(0, 0, 100, 16), kGrey, 0), 10);
}

TEST_F(LabelTest, TransparentLabelShowsTheParentPixelForPixelAlsoMidBackgroundFlash) {
    for (const BOOL bBorder : {FALSE, TRUE}) {
        SCOPED_TRACE(bBorder ? "with a border" : "without a border");
        CQVLabel label;
        Create(label, _T(""));
        label.SetBorder(bBorder);
        label.SetTransparent(TRUE);
        label.SetBkColor(RGB(0, 200, 0));
        Pump();
        EXPECT_EQ(0, OffBackground(label.m_hWnd));
        EXPECT_NE(0, label.SendMessage(WM_QV_SKINCHANGED));  // the parent's background may change
        label.StartFlash(QVLFT_BACKGROUND);
        Pump();
        EXPECT_EQ(0, OffBackground(label.m_hWnd));
        label.SendMessage(WM_TIMER, QV_LABEL_FLASH_TIMER);
        EXPECT_EQ(0, OffBackground(label.m_hWnd));
        label.SetWindowText(_T("3 new messages"));
        Pump();
        EXPECT_GT(OffBackground(label.m_hWnd), 0);
        // Text set through the handle, which the system static draws at once: the label draws last.
        ::SetWindowText(label.m_hWnd, _T(""));
        Pump();
        EXPECT_EQ(0, OffBackground(label.m_hWnd));
        label.EnableWindow(FALSE);
        Pump();
        EXPECT_EQ(0, OffBackground(label.m_hWnd));
    }
}

TEST_F(LabelTest, FlashHalvesFollowTheTicks) {
    CQVLabel label;
    Create(label, _T("3 new messages"));
    label.SetBkColor(kWhite);
    label.SetTextColor(kBlue);
    const COLORREF kFace = ::GetSysColor(COLOR_BTNFACE);
    const struct {
        QVLabelFlashType nStart;  // started before the row; QVLFT_NONE: a tick
        COLORREF clrText, clrBkgnd;
    } steps[] = {
        {QVLFT_TEXT, kBlue, kWhite},       // the "off" half until the first tick
        {QVLFT_NONE, kRed, kWhite},        // the flash colour
        {QVLFT_NONE, kBlue, kWhite},       // back
        {QVLFT_NONE, kRed, kWhite},        //
        {QVLFT_BACKGROUND, kBlue, kFace},  // the text flash undone; the flash brush at once
        {QVLFT_NONE, kBlue, kWhite},       // the background brush
        {QVLFT_NONE, kBlue, kFace},        //
        {QVLFT_BACKGROUND, kBlue, kFace},  // the same kind again: the "off" half
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << (&step - steps));
        if (step.nStart != QVLFT_NONE)
            label.StartFlash(step.nStart);
        else
            label.SendMessage(WM_TIMER, QV_LABEL_FLASH_TIMER);
        Pump();
        const ShownNow shown(label.m_hWnd);
        EXPECT_GT(shown.Near(step.clrText), 10);
        EXPECT_GT(shown.Near(step.clrBkgnd), 400);
    }
    label.StopFlash();
    EXPECT_FALSE(label.KillTimer(QV_LABEL_FLASH_TIMER));  // stopped with the flash
    label.StartFlash(QVLFT_TEXT);
    EXPECT_TRUE(label.KillTimer(QV_LABEL_FLASH_TIMER));
}

// ---- Links ----

TEST_F(LabelTest, LinkUnderlinesWhileHoveredAndOpensThroughTheLauncher) {
    CQVLabel link, mail, note;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_QVLABEL_LINK, &m_dlg));
    link.SetLink(TRUE, _T("WWW.Study.CN/Password"));
    EXPECT_EQ(_T("www.study.cn/password"), link.GetLink());
    Create(mail, _T("Send mail"));
    mail.SetLink(TRUE, _T("MailTo:Li.Lei@Study.cn"));
    ASSERT_TRUE(note.SubclassDlgItem(IDC_QVLABEL_MESSAGES, &m_dlg));
    note.Notify(TRUE);
    link.SetFingerCursor();
    mail.SetFingerCursor();
    ASSERT_NE(HCURSOR(NULL), link.GetLinkCursor());
    EXPECT_EQ(link.GetLinkCursor(), mail.GetLinkCursor());  // one for the process
    EXPECT_TRUE(link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd), HTCLIENT));
    EXPECT_EQ(link.GetLinkCursor(), ::GetCursor());
    ICONINFO info = {};  // the library's own hand, its hot spot at the finger tip
    ASSERT_TRUE(::GetIconInfo(link.GetLinkCursor(), &info));
    EXPECT_EQ(CPoint(5, 0), CPoint(info.xHotspot, info.yHotspot));
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);

    const COLORREF kText = ::GetSysColor(COLOR_WINDOWTEXT);
    const int nTextPixels = WindowCapture(link.m_hWnd).CountNear(CRect(0, 0, 200, 20), kText);
    riztest::PostMouse(link.m_hWnd, WM_MOUSEMOVE, 5, 5);
    Pump();
    EXPECT_TRUE(link.IsHover());
    EXPECT_GT(ShownNow(link.m_hWnd).CountNear(CRect(0, 0, 200, 20), kText), nTextPixels);  // underlined
    link.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(link.IsHover());
    EXPECT_FALSE(link.GetLogFont().lfUnderline);
    riztest::PostMouse(note.m_hWnd, WM_MOUSEMOVE, 5, 5);
    Pump();
    EXPECT_TRUE(note.IsHover());

    riztest::PostClick(link.m_hWnd, 5, 5);
    riztest::PostClick(mail.m_hWnd, 5, 5);
    riztest::PostClick(note.m_hWnd, 5, 5);
    Pump();
    ASSERT_EQ(2u, g_launches.size());
    EXPECT_EQ(std::make_pair(CString(_T("Open")), CString(_T("http://www.study.cn/password"))),
              g_launches[0]);
    EXPECT_EQ(std::make_pair(CString(_T("open")), CString(_T("mailto:li.lei@study.cn"))), g_launches[1]);
    EXPECT_EQ(3, Clicks());  // STN_CLICKED still reaches the parent
}

TEST_F(LabelTest, ParentDestroyingTheLabelInsideALinkClick) {
    for (const bool bInLauncher : {true, false}) {
        SCOPED_TRACE(bInLauncher ? "in the launcher" : "at STN_CLICKED");
        CQVLabel* pLabel = new CQVLabel;
        Create(*pLabel, _T("Forgot your password?"));
        pLabel->SetLink(TRUE, _T("www.study.cn"));
        pLabel->SetFingerCursor();
        auto destroy = [&] {
            pLabel->DestroyWindow();
            delete pLabel;
            pLabel = nullptr;
        };
        (bInLauncher ? g_onLaunch : m_onClicked) = destroy;
        const int nClicks = Clicks();
        riztest::PostClick(pLabel->m_hWnd, 5, 5);
        Pump();
        EXPECT_EQ(nullptr, pLabel);
        EXPECT_EQ(bInLauncher ? nClicks : nClicks + 1, Clicks());
        g_onLaunch = m_onClicked = nullptr;
    }
    EXPECT_EQ(2u, g_launches.size());
}

// ---- Size and text through the handle ----

TEST_F(LabelTest, AutoSizeFollowsTheTextButNeverPassesTheMaximum) {
    CQVLabel label;
    Create(label, _T(""));
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
        ::SetWindowText(label.m_hWnd, CString(row.lpszText));  // as a language change sets it
        const CRect rc = RectInDialog(label.m_hWnd);
        EXPECT_EQ(row.bAtMaximum, rc.Width() == 150);
        EXPECT_GT(rc.Width(), 20);
        EXPECT_GT(rc.Height(), 8);
        EXPECT_TRUE(cyLine == 0 || cyLine == rc.Height());
        cyLine = rc.Height();
    }
    label.SetFontSize(30);  // font setters size the label too
    EXPECT_GT(RectInDialog(label.m_hWnd).Height(), cyLine);
}

// ---- Release, bad input, soak ----

TEST_F(LabelTest, ReleasedTemplateLabelIsAWorkingStatic) {
    CQVLabel* pLabel = new CQVLabel;
    ASSERT_TRUE(pLabel->SubclassDlgItem(IDC_QVLABEL_MESSAGES, &m_dlg));
    EXPECT_EQ(static_cast<UINT>(DT_WORDBREAK | DT_CENTER), pLabel->GetDrawFlags());
    pLabel->SetLink(TRUE, _T("www.study.cn"));
    pLabel->SetFingerCursor();
    pLabel->StartFlash(QVLFT_TEXT);
    pLabel->StopFlash();
    const HWND hWnd = pLabel->UnsubclassWindow();
    delete pLabel;
    ASSERT_TRUE(::IsWindow(hWnd));
    ::SetWindowText(hWnd, _T("Ask your teacher"));
    riztest::PostMouse(hWnd, WM_MOUSEMOVE, 3, 3);
    riztest::PostClick(hWnd, 3, 3);
    ::SendMessage(hWnd, WM_TIMER, QV_LABEL_FLASH_TIMER, 0);
    Pump();
    EXPECT_EQ(1, Clicks());  // the system static notifies: SS_NOTIFY stays
    EXPECT_TRUE(g_launches.empty());
    EXPECT_EQ(16, ::GetWindowTextLength(hWnd));
    EXPECT_GT(ShownNow(hWnd).Near(::GetSysColor(COLOR_WINDOWTEXT), 40), 0);  // drawn by the system
}

TEST_F(LabelTest, BadInputLeavesTheLabelWorking) {
    CQVLabel label;  // no window yet: the setters only store
    label.SetWindowText(NULL);
    label.SetFontName(NULL);
    label.SetFontSize(INT_MAX);
    label.SetBorder(TRUE);
    label.StartFlash(QVLFT_BACKGROUND);
    Create(label, NULL);
    EXPECT_TRUE(label.KillTimer(QV_LABEL_FLASH_TIMER));  // the flash started with the window
    EXPECT_EQ(-4096, label.GetLogFont().lfHeight);
    label.SetFontSize(0);
    label.SetFontName(_T("A face name far longer than the thirty-one characters kept"));
    EXPECT_EQ(LF_FACESIZE - 1, lstrlen(label.GetLogFont().lfFaceName));
    label.StartFlash(static_cast<QVLabelFlashType>(7));
    EXPECT_EQ(QVLFT_BACKGROUND, label.GetFlashType());
    label.SetLink(TRUE, NULL);
    riztest::PostClick(label.m_hWnd, 3, 3);
    label.SendMessage(WM_TIMER, 99);
    Pump();
    EXPECT_TRUE(g_launches.empty());

    CString strHuge;  // 100 KB
    for (int i = 0; i < 10000; ++i)
        strHuge += _T("Lesson 3. ");
    label.SetAutoSize(TRUE, -5);
    label.SetWindowText(strHuge);
    EXPECT_EQ(0, RectInDialog(label.m_hWnd).Width());
    label.SetAutoSize(TRUE, 200);
    EXPECT_EQ(200, RectInDialog(label.m_hWnd).Width());
    EXPECT_EQ(strHuge.GetLength(), label.GetWindowTextLength());
    label.SetAutoSize(FALSE);
    label.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
    label.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);  // 0 x 0: nothing to paint
    EXPECT_TRUE(::IsWindow(label.m_hWnd));
}

TEST_F(LabelTest, CreateDestroyAndSubclassReleaseSoak) {
    auto cycle = [this](int k) {
        {
            CQVLabel label;
            label.SetTransparent(k % 2);
            Create(label, _T("3 new messages"));
            label.SetFontBold(TRUE);  // a new font, the label sized to it
            label.SetAutoSize(TRUE, 90);
            label.SetFingerCursor();
            label.StartFlash(k % 3 ? QVLFT_TEXT : QVLFT_BACKGROUND);
            label.SendMessage(WM_TIMER, QV_LABEL_FLASH_TIMER);
            label.DestroyWindow();
        }
        CQVLabel* pLabel = new CQVLabel;
        pLabel->SubclassDlgItem(IDC_QVLABEL_LINK, &m_dlg);
        pLabel->SetLink(TRUE, _T("www.study.cn"));
        pLabel->SetFingerCursor();
        pLabel->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        pLabel->SendMessage(WM_MOUSELEAVE);
        pLabel->SetWindowText(k % 2 ? _T("Forgot your password?") : _T(""));
        pLabel->UpdateWindow();
        pLabel->UnsubclassWindow();
        delete pLabel;
    };
    riztest::ExpectCyclesLeakNothing(cycle);
}

}  // namespace
