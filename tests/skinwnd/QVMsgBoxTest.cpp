// The skinned message box: the result codes for posted keys and clicks, the button texts of both
// languages, the layout of icon, text and buttons, the owner disabled while it runs, and texts it must
// survive. Every box is driven from inside its own modal loop by steps posted to a helper window.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVModule.h"
#include "QVMsgBox.h"
#include "QVMsgBoxRes.h"
#include "TestWindow.h"

namespace {

// What a box answers when the driver had to end it itself: the box ignored the input.
constexpr int kGaveUp = 0x7A11;
// The application title of this test program (QVMsgBoxTest.rc).
const LPCTSTR kAppTitle = _T("Lesson Planner");

const int kButtonIds[3] = {IDC_QV_MSGBOX_BTN1, IDC_QV_MSGBOX_BTN2, IDC_QV_MSGBOX_BTN3};

CQVMsgBox* FindBox() {
    struct Search {
        static BOOL CALLBACK Visit(HWND hWnd, LPARAM lParam) {
            CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
            if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CQVMsgBox))) {
                *reinterpret_cast<CQVMsgBox**>(lParam) = static_cast<CQVMsgBox*>(pWnd);
                return FALSE;
            }
            return TRUE;
        }
    };
    CQVMsgBox* pBox = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), &Search::Visit, reinterpret_cast<LPARAM>(&pBox));
    return pBox;
}

// Runs steps inside the box's modal loop. A timer (which fires only when the queue is empty, so after
// the loop has shown the box) starts the first step; each step then runs on its own posted message,
// after the input the previous step posted has been handled. A box still open long after the last
// step is ended with kGaveUp, so a box that ignores its input fails the test instead of hanging it.
class CBoxDriver {
public:
    using Step = std::function<void(CQVMsgBox& box)>;

    CBoxDriver() {
        m_hWnd = ::CreateWindowEx(0, _T("STATIC"), _T(""), 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
        ::SetWindowLongPtr(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_pfnOld = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CBoxDriver::Proc)));
    }
    ~CBoxDriver() { ::DestroyWindow(m_hWnd); }
    CBoxDriver(const CBoxDriver&) = delete;
    CBoxDriver& operator=(const CBoxDriver&) = delete;

    CBoxDriver& Then(Step step) {
        m_steps.push_back(std::move(step));
        return *this;
    }
    // Posts a left click at the centre of button nButton (0 to 2, left to right).
    CBoxDriver& Click(int nButton) {
        return Then([nButton](CQVMsgBox& box) {
            CWnd* pButton = box.GetDlgItem(kButtonIds[nButton]);
            CRect rc;
            pButton->GetClientRect(&rc);
            riztest::PostClick(pButton->m_hWnd, rc.CenterPoint().x, rc.CenterPoint().y);
        });
    }
    // Posts a key press to the box's control with the focus (the box itself when none has it).
    CBoxDriver& Key(UINT vk) {
        return Then([vk](CQVMsgBox& box) {
            HWND hFocus = ::GetFocus();
            HWND hTarget = hFocus && ::IsChild(box.m_hWnd, hFocus) ? hFocus : box.m_hWnd;
            riztest::PostKey(hTarget, vk);
        });
    }

    // Shows a box with these arguments and answers its result.
    int Run(CWnd* pParent, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
        m_nNext = 0;
        ::SetTimer(m_hWnd, kStartTimer, 10, NULL);
        ::SetTimer(m_hWnd, kGiveUpTimer, 8000, NULL);
        const int nResult = QVMessageBox(pParent, lpszText, lpszCaption, nType);
        ::KillTimer(m_hWnd, kStartTimer);
        ::KillTimer(m_hWnd, kGiveUpTimer);
        return nResult;
    }

    size_t StepsRun() const { return m_nNext; }

private:
    enum : UINT_PTR { kStartTimer = 1, kGiveUpTimer = 2 };
    static constexpr UINT kRunStep = WM_APP + 1;

    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        CBoxDriver* pThis = reinterpret_cast<CBoxDriver*>(::GetWindowLongPtr(hWnd, GWLP_USERDATA));
        if (message == WM_TIMER && wParam == kStartTimer) {
            CQVMsgBox* pBox = FindBox();
            if (pBox && pBox->IsWindowVisible()) {
                ::KillTimer(hWnd, kStartTimer);
                ::PostMessage(hWnd, kRunStep, 0, 0);
            }
            return 0;
        }
        if (message == WM_TIMER && wParam == kGiveUpTimer) {
            ::KillTimer(hWnd, kGiveUpTimer);
            if (CQVMsgBox* pBox = FindBox()) pBox->EndDialog(kGaveUp);
            return 0;
        }
        if (message == kRunStep) {
            CQVMsgBox* pBox = FindBox();
            if (pBox && pThis->m_nNext < pThis->m_steps.size()) {
                pThis->m_steps[pThis->m_nNext++](*pBox);
                ::PostMessage(hWnd, kRunStep, 0, 0);
            }
            return 0;
        }
        return ::CallWindowProc(pThis->m_pfnOld, hWnd, message, wParam, lParam);
    }

    HWND m_hWnd = NULL;
    WNDPROC m_pfnOld = NULL;
    std::vector<Step> m_steps;
    size_t m_nNext = 0;
};

// What a step saw of the box, in its client coordinates.
struct BoxView {
    CRect rcClient;
    CRect rcWindow;  // screen
    CRect rcIcon;
    CRect rcText;
    BOOL bHasIcon = FALSE;
    CString strCaption;
    CRect rcButtons[3];
    BOOL bVisible[3] = {};
    CString strButtons[3];
};

BoxView Look(CQVMsgBox& box) {
    BoxView view;
    box.GetClientRect(&view.rcClient);
    box.GetWindowRect(&view.rcWindow);
    view.rcIcon = box.GetIconRect();
    view.rcText = box.GetTextRect();
    view.bHasIcon = box.HasIcon();
    box.GetWindowText(view.strCaption);
    for (int i = 0; i < 3; ++i) {
        CWnd* pButton = box.GetDlgItem(kButtonIds[i]);
        pButton->GetWindowRect(&view.rcButtons[i]);
        box.ScreenToClient(&view.rcButtons[i]);
        view.bVisible[i] = pButton->IsWindowVisible();
        pButton->GetWindowText(view.strButtons[i]);
    }
    return view;
}

// Each test starts and ends in English with the default skin.
class QVMsgBoxTest : public ::testing::Test {
protected:
    void SetUp() override { m_strLanguage = Lan()->GetCurrentLanFile(); }
    void TearDown() override {
        if (!m_strLanguage.IsEmpty()) Lan()->LoadLanguage(m_strLanguage);
        CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
        if (pSkin->GetCurrentSkinkID() != 0) pSkin->LoadSkin(pSkin->GetSkinFolder(0));
    }

    static CQVLanResManager* Lan() { return CQVLanResManager::GetSingletonPtr(); }
    CWnd* Owner() { return CWnd::FromHandle(m_owner.Frame()); }

    // Shows a box owned by the test window, clicks button nButton and answers the result.
    int ClickResult(UINT nType, int nButton) {
        CBoxDriver driver;
        driver.Click(nButton);
        return driver.Run(Owner(), _T("Save the lesson before closing?"), _T("Lessons"), nType);
    }
    // Lays a box out, looks at it and closes it with Esc.
    BoxView LookAt(LPCTSTR lpszText, UINT nType, LPCTSTR lpszCaption = _T("Lessons")) {
        BoxView view;
        CBoxDriver driver;
        driver.Then([&view](CQVMsgBox& box) { view = Look(box); }).Key(VK_ESCAPE);
        EXPECT_EQ(IDCANCEL, driver.Run(Owner(), lpszText, lpszCaption, nType));
        return view;
    }

    riztest::TestWindow m_owner;
    CString m_strLanguage;
};

}  // namespace

// ---- Results ----

// Posted input -> the result: a click on a button, a key, or several keys in turn.
struct InputRow {
    UINT nType;
    int nButton;  // clicked button, -1 for the keys
    std::vector<UINT> keys;
    int nResult;
};

TEST_F(QVMsgBoxTest, ClicksAndKeysAnswerTheResultCodes) {
    const InputRow rows[] = {
        // clang-format off
        {MB_OK, 0, {}, IDOK}, {MB_OKCANCEL, 0, {}, IDOK}, {MB_OKCANCEL, 1, {}, IDCANCEL},
        {MB_ABORTRETRYIGNORE, 0, {}, IDABORT}, {MB_ABORTRETRYIGNORE, 1, {}, IDRETRY}, {MB_ABORTRETRYIGNORE, 2, {}, IDIGNORE},
        {MB_YESNOCANCEL, 0, {}, IDYES}, {MB_YESNOCANCEL, 1, {}, IDNO}, {MB_YESNOCANCEL, 2, {}, IDCANCEL},
        {MB_YESNO, 0, {}, IDYES}, {MB_YESNO, 1, {}, IDNO}, {MB_RETRYCANCEL, 0, {}, IDRETRY}, {MB_RETRYCANCEL, 1, {}, IDCANCEL},
        // Icon and default-button bits do not change the results.
        {MB_YESNO | MB_ICONQUESTION, 1, {}, IDNO}, {MB_ABORTRETRYIGNORE | MB_ICONERROR, 2, {}, IDIGNORE},
        {MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2, 1, {}, IDCANCEL},
        // Enter and Escape keep the dialog defaults whatever the buttons.
        {MB_OK, -1, {VK_RETURN}, IDOK}, {MB_OK, -1, {VK_ESCAPE}, IDCANCEL}, {MB_YESNO, -1, {VK_ESCAPE}, IDCANCEL},
        {MB_YESNO, -1, {VK_RETURN}, IDOK}, {MB_ABORTRETRYIGNORE | MB_ICONWARNING, -1, {VK_ESCAPE}, IDCANCEL},
        // Space presses the focused button; Tab moves the focus along the row.
        {MB_YESNOCANCEL, -1, {VK_SPACE}, IDYES}, {MB_YESNOCANCEL, -1, {VK_TAB, VK_SPACE}, IDNO},
        {MB_YESNOCANCEL, -1, {VK_TAB, VK_TAB, VK_SPACE}, IDCANCEL},
        // Types beyond the known sets show one Cancel button.
        {6u, 0, {}, IDCANCEL}, {15u, 0, {}, IDCANCEL},
        // clang-format on
    };
    for (const InputRow& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&r - rows));
        CBoxDriver driver;
        if (r.nButton >= 0) driver.Click(r.nButton);
        for (UINT vk : r.keys)
            driver.Key(vk);
        EXPECT_EQ(r.nResult,
                  driver.Run(Owner(), _T("Save the lesson before closing?"), _T("Lessons"), r.nType));
    }
}

// ---- Owner, caption, resources ----

TEST_F(QVMsgBoxTest, OwnerIsDisabledWhileTheBoxRunsAndEnabledAfter) {
    ASSERT_TRUE(::IsWindowEnabled(m_owner.Frame()));
    BOOL bEnabledDuring = TRUE;
    HWND hOwnerDuring = NULL;
    CBoxDriver driver;
    driver
        .Then([&](CQVMsgBox& box) {
            bEnabledDuring = ::IsWindowEnabled(m_owner.Frame());
            hOwnerDuring = ::GetWindow(box.m_hWnd, GW_OWNER);
        })
        .Click(0);
    EXPECT_EQ(IDOK, driver.Run(Owner(), _T("Lesson saved."), _T("Lessons"), MB_OK));
    EXPECT_EQ(2u, driver.StepsRun());
    EXPECT_FALSE(bEnabledDuring);
    EXPECT_EQ(m_owner.Frame(), hOwnerDuring);
    EXPECT_TRUE(::IsWindowEnabled(m_owner.Frame()));
}

TEST_F(QVMsgBoxTest, EmptyCaptionShowsTheApplicationTitle) {
    EXPECT_EQ(CString(kAppTitle), LookAt(_T("Lesson saved."), MB_OK, _T("")).strCaption);
    EXPECT_EQ(CString(kAppTitle), LookAt(_T("Lesson saved."), MB_OK, NULL).strCaption);
    EXPECT_EQ(CString(_T("Lessons")), LookAt(_T("Lesson saved."), MB_OK).strCaption);
    // The caption is a window text like any other: a "~" key is translated.
    EXPECT_EQ(CString(_T("Yes")), LookAt(_T("Lesson saved."), MB_OK, _T("~IDS_YES")).strCaption);
}

TEST_F(QVMsgBoxTest, TemplateComesFromTheLibraryAndTheResourceSourceIsRestored) {
    EXPECT_TRUE(::FindResource(RIZGetInstanceHandle(), MAKEINTRESOURCE(IDD_QV_MSGBOX), RT_DIALOG));
    EXPECT_FALSE(::FindResource(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDD_QV_MSGBOX), RT_DIALOG));
    const HINSTANCE hBefore = AfxGetResourceHandle();
    CString strClass;
    CBoxDriver driver;
    driver.Then([&](CQVMsgBox& box) { strClass = box.GetRuntimeClass()->m_lpszClassName; }).Click(0);
    EXPECT_EQ(IDOK, driver.Run(Owner(), _T("Lesson saved."), _T("Lessons"), MB_OK));
    EXPECT_EQ(CString(_T("CQVMsgBox")), strClass);
    EXPECT_EQ(hBefore, AfxGetResourceHandle());
}

// ---- Texts ----

TEST_F(QVMsgBoxTest, ButtonsShowTheTextsOfTheLanguage) {
    const struct {
        int nLanguage;  // the language file: 0 English, 1 Chinese
        UINT nType;
        LPCTSTR lpszText;
        LPCTSTR texts[3];
    } rows[] = {
        {0, 7u, _T("Unknown kind of question."), {_T("Cancel"), nullptr, nullptr}},
        {0, MB_ABORTRETRYIGNORE, _T("The download stopped."), {_T("Abort"), _T("Retry"), _T("Ignore")}},
        {0, MB_YESNOCANCEL, _T("Save the lesson?"), {_T("Yes"), _T("No"), _T("Cancel")}},
        {0, MB_OKCANCEL, _T("Lesson saved."), {_T("OK"), _T("Cancel"), nullptr}},
        {1, MB_ABORTRETRYIGNORE, _T("下载已停止。"), {_T("中止"), _T("重试"), _T("忽略")}},
        {1, MB_YESNOCANCEL, _T("保存课程吗？"), {_T("是"), _T("否"), _T("取消")}},
        {1, MB_OKCANCEL, _T("课程已保存。"), {_T("确定"), _T("取消"), nullptr}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&r - rows));
        ASSERT_TRUE(Lan()->LoadLanguage(Lan()->GetLanguageFile(r.nLanguage)));
        const BoxView view = LookAt(r.lpszText, r.nType);
        for (int i = 0; i < 3 && r.texts[i]; ++i)
            EXPECT_EQ(CString(r.texts[i]), view.strButtons[i]) << i;
    }
    // A Chinese click (the last row's language) still answers the platform's code.
    EXPECT_EQ(CString(_T("确定")), Lan()->GetString(_T("IDS_OK")));
    EXPECT_EQ(IDNO, ClickResult(MB_YESNO, 1));
}

TEST_F(QVMsgBoxTest, ParentlessBoxWithNullTextShowsAnEmptyBox) {
    CString strText = _T("not read");
    CBoxDriver driver;
    driver.Then([&](CQVMsgBox& box) { strText = box.GetText(); }).Key(VK_RETURN);
    EXPECT_EQ(IDOK, driver.Run(NULL, NULL, NULL, MB_OKCANCEL | MB_ICONINFORMATION));
    EXPECT_TRUE(strText.IsEmpty());
}

TEST_F(QVMsgBoxTest, HugeTextKeepsTheBoxOnTheScreenAndItsButtonsReachable) {
    CString strText;
    while (strText.GetLength() < 100 * 1024)
        strText += _T("Repeat the sentence after the teacher and write it down. ");
    BoxView view;
    CRect rcWork;
    CBoxDriver driver;
    driver
        .Then([&](CQVMsgBox& box) {
            view = Look(box);
            MONITORINFO mi = {};
            mi.cbSize = sizeof(mi);
            ::GetMonitorInfo(::MonitorFromWindow(box.m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
            rcWork = mi.rcWork;
        })
        .Click(1);
    EXPECT_EQ(IDNO, driver.Run(Owner(), strText, _T("Lessons"), MB_YESNO | MB_ICONQUESTION));
    EXPECT_LE(view.rcWindow.Height(), rcWork.Height());
    EXPECT_LE(view.rcWindow.Width(), rcWork.Width());
    EXPECT_TRUE(view.bVisible[1]);
    EXPECT_LE(view.rcButtons[1].bottom, view.rcClient.bottom);

    // One word longer than the screen is wide is cut at the screen's edge too.
    CString strWord(_T('W'), 20000);
    BoxView wide = LookAt(strWord, MB_OK);
    EXPECT_LE(wide.rcWindow.Width(), rcWork.Width());
}

// ---- Layout ----

TEST_F(QVMsgBoxTest, EachIconKindLoadsItsSkinImageBesideTheTextAndNoIconLeavesTheMargin) {
    for (int nSkin = 0; nSkin < 2; ++nSkin) {
        CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
        ASSERT_TRUE(pSkin->LoadSkin(pSkin->GetSkinFolder(nSkin)));
        for (UINT nIcon : {MB_ICONQUESTION, MB_ICONERROR, MB_ICONINFORMATION, MB_ICONWARNING}) {
            SCOPED_TRACE(testing::Message() << "skin " << nSkin << " icon " << nIcon);
            BoxView view = LookAt(_T("Lesson saved."), MB_OK | nIcon);
            EXPECT_TRUE(view.bHasIcon);
            EXPECT_EQ(CRect(20, 20, 52, 52), view.rcIcon);
            EXPECT_EQ(70, view.rcText.left);
            EXPECT_EQ(30, view.rcText.top);
        }
    }
    // Without an icon, or with icon bits the box does not know, the text starts at the left margin; the
    // client is the text plus the margins and the button row.
    for (UINT nIcon : {0u, 0x50u}) {
        SCOPED_TRACE(nIcon);
        const BoxView view = LookAt(_T("Lesson saved."), MB_OK | nIcon);
        EXPECT_FALSE(view.bHasIcon);
        EXPECT_TRUE(view.rcIcon.IsRectEmpty());
        EXPECT_EQ(CPoint(20, 20), view.rcText.TopLeft());
        EXPECT_EQ(view.rcText.right + 20, view.rcClient.right);
        EXPECT_EQ(view.rcText.bottom + 50 + 20, view.rcClient.bottom);
    }
}

TEST_F(QVMsgBoxTest, LongTextGrowsTheBoxInHeightOnly) {
    CString strLong;
    for (int i = 0; i < 40; ++i)
        strLong += _T("Listen to the recording and repeat each sentence. ");
    BoxView shortBox = LookAt(_T("Lesson saved."), MB_OK | MB_ICONINFORMATION);
    BoxView longBox = LookAt(strLong, MB_OK | MB_ICONINFORMATION);
    EXPECT_GT(longBox.rcClient.Height(), shortBox.rcClient.Height() + 100);
    EXPECT_GT(longBox.rcText.Height(), 100);
    EXPECT_EQ(longBox.rcText.bottom + 70, longBox.rcClient.bottom);
    // The text wraps at the template's width: the box does not grow wider than the template's text area.
    EXPECT_LT(longBox.rcClient.Width(), 600);
    EXPECT_GT(longBox.rcText.Width(), shortBox.rcText.Width());
}

TEST_F(QVMsgBoxTest, ButtonRowIsCentredInOrderInsideTheClientAndWidensAShortText) {
    const struct {
        UINT nType;
        LPCTSTR lpszText;
        int nButtons;
    } rows[] = {
        {MB_OK, _T("Hi"), 1},
        {MB_YESNO, _T("Hi"), 2},
        {MB_ABORTRETRYIGNORE, _T("Hi"), 3},
        {6u, _T("Hi"), 1},
        {MB_YESNOCANCEL | MB_ICONQUESTION, _T("Listen to the recording and repeat each sentence."), 3},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&r - rows));
        const BoxView view = LookAt(r.lpszText, r.nType);
        const CRect* b = view.rcButtons;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(i < r.nButtons, !!view.bVisible[i]) << i;
        CRect rcRow = b[0];
        for (int i = 0; i < r.nButtons; ++i) {
            SCOPED_TRACE(i);
            // Same size, under the text, inside the client, left to right without overlap.
            EXPECT_EQ(b[0].Size(), b[i].Size());
            EXPECT_GT(b[i].Width(), 0);
            EXPECT_GE(b[i].top, view.rcText.bottom);
            EXPECT_EQ(b[0].top, b[i].top);
            EXPECT_EQ(b[i], b[i] & view.rcClient);
            if (i > 0) {
                EXPECT_GT(b[i].left, b[i - 1].right);
            }
            rcRow.UnionRect(rcRow, b[i]);
        }
        // The row is centred in the client; the text area is at least as wide as the row, a short
        // text's exactly as wide.
        EXPECT_LE(std::abs(rcRow.left - (view.rcClient.right - rcRow.right)), 1);
        EXPECT_GE(view.rcText.Width(), rcRow.Width());
        if (r.nButtons == 3 && r.lpszText[2] == 0) {
            EXPECT_EQ(rcRow.Width(), view.rcText.Width());
        }
    }
}

TEST_F(QVMsgBoxTest, PaintsTheIconAndTheTextOnTheSkinBackground) {
    COLORREF clrIcon = CLR_INVALID, clrCorner = CLR_INVALID;
    bool bTextInk = false, bBlankBelowText = true;
    CBoxDriver driver;
    driver
        .Then([&](CQVMsgBox& box) {
            riztest::WindowCapture capture(box.m_hWnd);
            const CRect rcIcon = box.GetIconRect();
            const CRect rcText = box.GetTextRect();
            clrCorner = capture.Pixel(5, 5);
            clrIcon = capture.Pixel(rcIcon.left + 6, rcIcon.CenterPoint().y);
            bTextInk = capture.CountNear(rcText, RGB(0, 0, 0), 60) > 0;
            const RECT rcGap = {rcText.left, rcText.bottom + 2, rcText.right, rcText.bottom + 10};
            bBlankBelowText = !capture.HasOtherThan(rcGap, clrCorner, 8);
        })
        .Key(VK_ESCAPE);
    EXPECT_EQ(IDCANCEL, driver.Run(Owner(), _T("Lesson saved."), _T("Lessons"), MB_OK | MB_ICONERROR));
    // The client background of the default skin, the red of its error badge, black text.
    EXPECT_TRUE(riztest::ColorNear(RGB(240, 244, 250), clrCorner, 8)) << std::hex << clrCorner;
    EXPECT_GT(GetRValue(clrIcon), GetGValue(clrIcon) + 80) << std::hex << clrIcon;
    EXPECT_TRUE(bTextInk);
    EXPECT_TRUE(bBlankBelowText);
}
