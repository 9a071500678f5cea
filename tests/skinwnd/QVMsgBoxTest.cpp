// The skinned message box: the result codes for posted keys and clicks, the button texts of both
// languages, the layout of icon, text and buttons, the owner disabled while it runs, and texts it must
// survive. Every box is driven from inside its own modal loop by steps posted to a helper window.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVLanResManager.h>
#include <QVSkinResManager.h>

#include <functional>
#include <utility>
#include <vector>

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
            const LPARAM lPoint = MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y);
            pButton->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
            pButton->PostMessage(WM_LBUTTONUP, 0, lPoint);
        });
    }
    // Posts a key press to the box's control with the focus (the box itself when none has it).
    CBoxDriver& Key(UINT vk) {
        return Then([vk](CQVMsgBox& box) {
            HWND hFocus = ::GetFocus();
            HWND hTarget = hFocus && ::IsChild(box.m_hWnd, hFocus) ? hFocus : box.m_hWnd;
            const LPARAM lScan = static_cast<LPARAM>(::MapVirtualKey(vk, MAPVK_VK_TO_VSC)) << 16;
            ::PostMessage(hTarget, WM_KEYDOWN, vk, 1 | lScan);
            ::PostMessage(hTarget, WM_KEYUP, vk, 1 | lScan | (1u << 30) | (1u << 31));
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
    int KeyResult(UINT nType, UINT vk) {
        CBoxDriver driver;
        driver.Key(vk);
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

TEST_F(QVMsgBoxTest, EachButtonAnswersItsResultCode) {
    EXPECT_EQ(IDOK, ClickResult(MB_OK, 0));
    EXPECT_EQ(IDOK, ClickResult(MB_OKCANCEL, 0));
    EXPECT_EQ(IDCANCEL, ClickResult(MB_OKCANCEL, 1));
    EXPECT_EQ(IDABORT, ClickResult(MB_ABORTRETRYIGNORE, 0));
    EXPECT_EQ(IDRETRY, ClickResult(MB_ABORTRETRYIGNORE, 1));
    EXPECT_EQ(IDIGNORE, ClickResult(MB_ABORTRETRYIGNORE, 2));
    EXPECT_EQ(IDYES, ClickResult(MB_YESNOCANCEL, 0));
    EXPECT_EQ(IDNO, ClickResult(MB_YESNOCANCEL, 1));
    EXPECT_EQ(IDCANCEL, ClickResult(MB_YESNOCANCEL, 2));
    EXPECT_EQ(IDYES, ClickResult(MB_YESNO, 0));
    EXPECT_EQ(IDNO, ClickResult(MB_YESNO, 1));
    EXPECT_EQ(IDRETRY, ClickResult(MB_RETRYCANCEL, 0));
    EXPECT_EQ(IDCANCEL, ClickResult(MB_RETRYCANCEL, 1));
}

TEST_F(QVMsgBoxTest, IconBitsDoNotChangeTheResults) {
    EXPECT_EQ(IDNO, ClickResult(MB_YESNO | MB_ICONQUESTION, 1));
    EXPECT_EQ(IDIGNORE, ClickResult(MB_ABORTRETRYIGNORE | MB_ICONERROR, 2));
    EXPECT_EQ(IDCANCEL, ClickResult(MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2, 1));
}

TEST_F(QVMsgBoxTest, EnterAndEscapeKeepTheDialogDefaultsWhateverTheButtons) {
    EXPECT_EQ(IDOK, KeyResult(MB_OK, VK_RETURN));
    EXPECT_EQ(IDCANCEL, KeyResult(MB_OK, VK_ESCAPE));
    EXPECT_EQ(IDCANCEL, KeyResult(MB_YESNO, VK_ESCAPE));
    EXPECT_EQ(IDOK, KeyResult(MB_YESNO, VK_RETURN));
    EXPECT_EQ(IDCANCEL, KeyResult(MB_ABORTRETRYIGNORE | MB_ICONWARNING, VK_ESCAPE));
}

TEST_F(QVMsgBoxTest, SpaceAndTabPressTheFocusedButton) {
    CBoxDriver first;
    first.Key(VK_SPACE);
    EXPECT_EQ(IDYES, first.Run(Owner(), _T("Keep the word list?"), _T("Words"), MB_YESNOCANCEL));

    CBoxDriver second;
    second.Key(VK_TAB).Key(VK_SPACE);
    EXPECT_EQ(IDNO, second.Run(Owner(), _T("Keep the word list?"), _T("Words"), MB_YESNOCANCEL));

    CBoxDriver third;
    third.Key(VK_TAB).Key(VK_TAB).Key(VK_SPACE);
    EXPECT_EQ(IDCANCEL, third.Run(Owner(), _T("Keep the word list?"), _T("Words"), MB_YESNOCANCEL));
}

TEST_F(QVMsgBoxTest, TypesBeyondTheKnownSetsShowOneCancelButton) {
    for (UINT nType : {6u, 7u, 15u}) {
        SCOPED_TRACE(nType);
        BoxView view = LookAt(_T("Unknown kind of question."), nType);
        EXPECT_TRUE(view.bVisible[0]);
        EXPECT_FALSE(view.bVisible[1]);
        EXPECT_FALSE(view.bVisible[2]);
        EXPECT_EQ(CString(_T("Cancel")), view.strButtons[0]);
        EXPECT_EQ(IDCANCEL, ClickResult(nType, 0));
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

TEST_F(QVMsgBoxTest, ButtonsShowTheEnglishTexts) {
    BoxView ari = LookAt(_T("The download stopped."), MB_ABORTRETRYIGNORE);
    EXPECT_EQ(CString(_T("Abort")), ari.strButtons[0]);
    EXPECT_EQ(CString(_T("Retry")), ari.strButtons[1]);
    EXPECT_EQ(CString(_T("Ignore")), ari.strButtons[2]);
    BoxView ync = LookAt(_T("Save the lesson?"), MB_YESNOCANCEL);
    EXPECT_EQ(CString(_T("Yes")), ync.strButtons[0]);
    EXPECT_EQ(CString(_T("No")), ync.strButtons[1]);
    EXPECT_EQ(CString(_T("Cancel")), ync.strButtons[2]);
    BoxView ok = LookAt(_T("Lesson saved."), MB_OKCANCEL);
    EXPECT_EQ(CString(_T("OK")), ok.strButtons[0]);
    EXPECT_EQ(CString(_T("Cancel")), ok.strButtons[1]);
}

TEST_F(QVMsgBoxTest, ButtonsShowTheChineseTexts) {
    ASSERT_TRUE(Lan()->LoadLanguage(Lan()->GetLanguageFile(1)));
    ASSERT_EQ(CString(_T("确定")), Lan()->GetString(_T("IDS_OK")));
    BoxView ari = LookAt(_T("下载已停止。"), MB_ABORTRETRYIGNORE);
    EXPECT_EQ(CString(_T("中止")), ari.strButtons[0]);
    EXPECT_EQ(CString(_T("重试")), ari.strButtons[1]);
    EXPECT_EQ(CString(_T("忽略")), ari.strButtons[2]);
    BoxView ync = LookAt(_T("保存课程吗？"), MB_YESNOCANCEL);
    EXPECT_EQ(CString(_T("是")), ync.strButtons[0]);
    EXPECT_EQ(CString(_T("否")), ync.strButtons[1]);
    EXPECT_EQ(CString(_T("取消")), ync.strButtons[2]);
    BoxView ok = LookAt(_T("课程已保存。"), MB_OKCANCEL);
    EXPECT_EQ(CString(_T("确定")), ok.strButtons[0]);
    EXPECT_EQ(CString(_T("取消")), ok.strButtons[1]);
    // A Chinese click still answers the platform's code.
    EXPECT_EQ(IDNO, ClickResult(MB_YESNO, 1));
}

TEST_F(QVMsgBoxTest, NullTextShowsAnEmptyBox) {
    CString strText = _T("not read");
    CBoxDriver driver;
    driver.Then([&](CQVMsgBox& box) { strText = box.GetText(); }).Click(0);
    EXPECT_EQ(IDOK, driver.Run(Owner(), NULL, NULL, MB_OK | MB_ICONINFORMATION));
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

TEST_F(QVMsgBoxTest, WithoutIconTheTextStartsAtTheLeftMargin) {
    BoxView view = LookAt(_T("Lesson saved."), MB_OK);
    EXPECT_FALSE(view.bHasIcon);
    EXPECT_TRUE(view.rcIcon.IsRectEmpty());
    EXPECT_EQ(20, view.rcText.left);
    EXPECT_EQ(20, view.rcText.top);
    // The client is the text plus the margins and the button row.
    EXPECT_EQ(view.rcText.right + 20, view.rcClient.right);
    EXPECT_EQ(view.rcText.bottom + 50 + 20, view.rcClient.bottom);
}

TEST_F(QVMsgBoxTest, EachIconKindLoadsItsSkinImageBesideTheText) {
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
    // Icon bits the box does not know give no icon.
    EXPECT_FALSE(LookAt(_T("Lesson saved."), MB_OK | 0x50).bHasIcon);
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

TEST_F(QVMsgBoxTest, ButtonRowIsCentredUnderTheTextAndWidensAShortText) {
    BoxView view = LookAt(_T("Hi"), MB_ABORTRETRYIGNORE);
    const int w = view.rcButtons[0].Width();
    const int h = view.rcButtons[0].Height();
    ASSERT_GT(w, 0);
    // A two-letter text is narrower than the row of three: the text area takes the row's width.
    EXPECT_EQ(3 * w + 40, view.rcText.Width());
    EXPECT_EQ(view.rcText.right + 20, view.rcClient.right);
    const int x0 = (view.rcClient.Width() - (3 * w + 40)) / 2;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(view.bVisible[i]);
        EXPECT_EQ(CRect(x0 + i * (w + 20), view.rcClient.bottom - 20 - h, x0 + i * (w + 20) + w,
                        view.rcClient.bottom - 20),
                  view.rcButtons[i]);
    }
    // One button: centred alone; the others stay hidden.
    BoxView one = LookAt(_T("Hi"), MB_OK);
    EXPECT_TRUE(one.bVisible[0]);
    EXPECT_FALSE(one.bVisible[1]);
    EXPECT_FALSE(one.bVisible[2]);
    EXPECT_EQ((one.rcClient.Width() - w) / 2, one.rcButtons[0].left);
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

TEST_F(QVMsgBoxTest, ParentlessBoxRuns) {
    CBoxDriver driver;
    driver.Key(VK_RETURN);
    EXPECT_EQ(IDOK, driver.Run(NULL, _T("Lesson saved."), _T("Lessons"), MB_OKCANCEL));
}
