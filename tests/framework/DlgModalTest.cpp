// Modal dialogs: DoModal from a resource template and from memory, with the input posted before the
// loop starts; data exchange in both directions, validation that keeps the dialog open, the owner
// disabled while the dialog runs, Enter and Escape through IsDialogMessage, missing templates.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <tuple>
#include <vector>

#include "DialogResources.h"
#include "MessagePump.h"
#include "ResourceCounter.h"
#include "TestWindow.h"

namespace {

constexpr UINT WM_STEP = WM_APP + 40;  // runs the dialog's next scripted step

// Validation messages shown during a test, instead of message boxes nobody would close.
std::vector<CString> g_messages;
std::vector<UINT> g_prompts;

int AFXAPI RecordMessage(CWnd*, LPCTSTR lpszText, UINT nIDPrompt) {
    g_messages.push_back(lpszText);
    g_prompts.push_back(nIDPrompt);
    return IDOK;
}

class DialogModal : public ::testing::Test {
protected:
    void SetUp() override {
        g_messages.clear();
        g_prompts.clear();
        m_pfnOld = AfxSetDDXMessageProc(&RecordMessage);
    }
    void TearDown() override { AfxSetDDXMessageProc(m_pfnOld); }

    AFX_DDX_MESSAGE_PROC m_pfnOld = nullptr;
};

// The lesson dialog of the resources, exchanging its members; a test scripts what happens after
// OnInitDialog (m_onInit) and at each WM_STEP (m_steps, in order).
class CLessonDlg : public CDialog {
public:
    explicit CLessonDlg(CWnd* pParent = nullptr) : CDialog(IDD_DLGT_LESSON, pParent) {}

    CString m_strName = _T("Li Lei");
    int m_nAge = 12;
    int m_nAudio = 1;
    int m_nLevel = 2;
    int m_nLesson = 1;

    std::function<void(CLessonDlg&)> m_onInit;
    std::vector<std::function<void(CLessonDlg&)>> m_steps;
    size_t m_nNextStep = 0;
    int m_nOK = 0;
    int m_nCancel = 0;
    int m_nReview = 0;
    CString m_strNameAtInit;
    BOOL m_bAdvancedAtInit = FALSE;
    int m_nLessonAtInit = -2;

    BOOL OnInitDialog() override {
        static const LPCTSTR s_lessons[] = {_T("Greetings"), _T("Numbers"), _T("Family"), _T("Shopping")};
        for (LPCTSTR lpsz : s_lessons)
            SendDlgItemMessage(IDC_DLGT_LESSON, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpsz));
        const BOOL bResult = CDialog::OnInitDialog();
        GetDlgItemText(IDC_DLGT_NAME, m_strNameAtInit);
        m_bAdvancedAtInit = IsDlgButtonChecked(IDC_DLGT_ADVANCED);
        m_nLessonAtInit = static_cast<int>(SendDlgItemMessage(IDC_DLGT_LESSON, CB_GETCURSEL));
        if (m_onInit) m_onInit(*this);
        return bResult;
    }
    void PostSteps() {
        for (size_t i = 0; i < m_steps.size(); ++i)
            PostMessage(WM_STEP);
    }
    void PostCommand(UINT nID) { PostMessage(WM_COMMAND, nID, 0); }

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_DLGT_NAME, m_strName);
        DDX_Text(pDX, IDC_DLGT_AGE, m_nAge);
        DDV_MinMaxInt(pDX, m_nAge, 3, 120);
        DDX_Check(pDX, IDC_DLGT_AUDIO, m_nAudio);
        DDX_Radio(pDX, IDC_DLGT_BEGINNER, m_nLevel);
        DDX_CBIndex(pDX, IDC_DLGT_LESSON, m_nLesson);
    }
    void OnOK() override {
        ++m_nOK;
        CDialog::OnOK();
    }
    void OnCancel() override {
        ++m_nCancel;
        CDialog::OnCancel();
    }

protected:
    afx_msg LRESULT OnStep(WPARAM, LPARAM) {
        if (m_nNextStep < m_steps.size()) m_steps[m_nNextStep++](*this);
        return 0;
    }
    afx_msg void OnReview() {
        ++m_nReview;
        EndDialog(100);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLessonDlg, CDialog)
ON_MESSAGE(WM_STEP, &CLessonDlg::OnStep)
ON_BN_CLICKED(IDC_DLGT_REVIEW, &CLessonDlg::OnReview)
END_MESSAGE_MAP()

// An in-memory DLGTEMPLATE "Count" of 120 x 50 units: a number edit (id 100) and the default OK button.
std::vector<WORD> CountTemplate() {
    std::vector<WORD> t;
    auto add = [&t](std::initializer_list<DWORD> values, bool bDword) {
        for (DWORD v : values) {
            t.push_back(LOWORD(v));
            if (bDword) t.push_back(HIWORD(v));
        }
    };
    auto text = [&t](LPCWSTR lpsz) {
        do
            t.push_back(static_cast<WORD>(*lpsz));
        while (*lpsz++);
    };
    add({DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0}, true);
    add({2, 0, 0, 120, 50, 0, 0}, false);  // items, place and size, no menu, the dialog class
    text(L"Count");
    add({8}, false);
    text(L"MS Shell Dlg");
    const struct {
        WORD wClass, nID;  // 0x80 button, 0x81 edit
        DWORD dwStyle;
        short y;
        LPCWSTR lpszText;
    } items[] = {{0x81, 100, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, L""},
                 {0x80, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 29, L"OK"}};
    for (const auto& item : items) {
        if (t.size() % 2) t.push_back(0);  // items start on a DWORD boundary
        add({item.dwStyle | WS_CHILD | WS_VISIBLE, 0}, true);
        add({7, static_cast<WORD>(item.y), 60, 14, item.nID, 0xFFFF, item.wClass}, false);
        text(item.lpszText);
        t.push_back(0);  // no creation data
    }
    return t;
}

// A dialog on an in-memory template with one number field.
class CCountDlg : public CDialog {
public:
    int m_nCount = 7;
    std::function<void(CCountDlg&)> m_onInit;

    BOOL OnInitDialog() override {
        const BOOL bResult = CDialog::OnInitDialog();
        if (m_onInit) m_onInit(*this);
        return bResult;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 100, m_nCount); }
};

}  // namespace

// ---- Running and ending ----

TEST_F(DialogModal, OkFillsControlsFromMembersAndReadsThemBackCancelLeavesThem) {
    CLessonDlg dlg;
    dlg.m_onInit = [](CLessonDlg& d) {
        d.SetDlgItemText(IDC_DLGT_NAME, _T("Han Meimei"));
        d.SetDlgItemText(IDC_DLGT_AGE, _T(" 15 "));
        d.CheckDlgButton(IDC_DLGT_AUDIO, BST_UNCHECKED);
        d.CheckRadioButton(IDC_DLGT_BEGINNER, IDC_DLGT_ADVANCED, IDC_DLGT_MIDDLE);
        d.SendDlgItemMessage(IDC_DLGT_LESSON, CB_SETCURSEL, 3);
        d.PostCommand(IDOK);
    };

    EXPECT_EQ(IDOK, dlg.DoModal());

    // The controls showed the members at the start; the members hold what the controls showed at the end.
    EXPECT_EQ(std::make_tuple(CString(_T("Li Lei")), TRUE, 1),
              std::make_tuple(dlg.m_strNameAtInit, dlg.m_bAdvancedAtInit, dlg.m_nLessonAtInit));
    EXPECT_EQ(
        std::make_tuple(CString(_T("Han Meimei")), 15, 0, 1, 3, 1),
        std::make_tuple(dlg.m_strName, dlg.m_nAge, dlg.m_nAudio, dlg.m_nLevel, dlg.m_nLesson, dlg.m_nOK));
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    // Cancel leaves the members as they were.
    dlg.m_onInit = [](CLessonDlg& d) {
        d.SetDlgItemText(IDC_DLGT_NAME, _T("Someone else"));
        d.PostCommand(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(CString(_T("Han Meimei")), dlg.m_strName);
    EXPECT_EQ(1, dlg.m_nCancel);
    EXPECT_EQ(1, dlg.m_nOK);
}

TEST_F(DialogModal, TextThatIsNoNumberKeepsTheDialogOpenUntilItIsFixed) {
    CLessonDlg dlg;
    dlg.m_steps = {[](CLessonDlg& d) { d.SendMessage(WM_COMMAND, IDOK); },
                   [](CLessonDlg& d) {
                       EXPECT_TRUE(::IsWindow(d.m_hWnd));  // still open after the failed OK
                       d.SetDlgItemText(IDC_DLGT_AGE, _T("13"));
                   },
                   [](CLessonDlg& d) { d.SendMessage(WM_COMMAND, IDOK); }};
    dlg.m_onInit = [](CLessonDlg& d) {
        d.SetDlgItemText(IDC_DLGT_NAME, _T("Wang Fang"));
        d.SetDlgItemText(IDC_DLGT_AGE, _T("twelve"));
        d.PostSteps();
    };

    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(2, dlg.m_nOK);
    EXPECT_EQ(std::vector<UINT>{AFX_IDP_PARSE_INT}, g_prompts);
    EXPECT_EQ(13, dlg.m_nAge);
    EXPECT_EQ(CString(_T("Wang Fang")), dlg.m_strName);
}

TEST_F(DialogModal, RangeCheckNamesTheLimitsAndCancelStillEnds) {
    CLessonDlg dlg;
    dlg.m_onInit = [](CLessonDlg& d) {
        d.SetDlgItemText(IDC_DLGT_AGE, _T("200"));
        d.CheckDlgButton(IDC_DLGT_AUDIO, BST_UNCHECKED);
        d.PostCommand(IDOK);
        d.PostCommand(IDCANCEL);
    };

    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    ASSERT_EQ(1u, g_messages.size());
    EXPECT_EQ(static_cast<UINT>(AFX_IDP_PARSE_INT_RANGE), g_prompts[0]);
    EXPECT_NE(-1, g_messages[0].Find(_T("3")));
    EXPECT_NE(-1, g_messages[0].Find(_T("120")));
    // The age was read before its check failed; the exchange stopped there.
    EXPECT_EQ(200, dlg.m_nAge);
    EXPECT_EQ(1, dlg.m_nAudio);
}

TEST_F(DialogModal, EndDialogResultComesBackFromAControlHandlerOrFromInit) {
    CLessonDlg dlg;
    DWORD dwDefID = 0;
    dlg.m_onInit = [&dwDefID](CLessonDlg& d) {
        dwDefID = d.GetDefID();  // answered by the system's dialog procedure underneath
        d.GetDlgItem(IDC_DLGT_REVIEW)->PostMessage(BM_CLICK);
    };

    EXPECT_EQ(100, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nReview);
    EXPECT_EQ(0, dlg.m_nOK);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(IDOK, DC_HASDEFID)), dwDefID);

    // EndDialog during OnInitDialog skips the loop and leaves no window.
    const int nWindowsBefore = riztest::CountThreadWindows();
    dlg.m_onInit = [](CLessonDlg& d) { d.EndDialog(42); };

    EXPECT_EQ(42, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nWindowsBefore, riztest::CountThreadWindows());
}

// ---- Owner ----

TEST_F(DialogModal, OwnerIsDisabledWhileTheDialogRunsAndEnabledAfterAndAMissingTemplateTouchesNoOwner) {
    riztest::TestWindow owner;
    CLessonDlg dlg(CWnd::FromHandle(owner.Host()));  // a child: its top-level window owns the dialog
    BOOL bOwnerEnabledInside = TRUE;
    HWND hOwnerInside = nullptr;
    dlg.m_onInit = [&](CLessonDlg& d) {
        bOwnerEnabledInside = ::IsWindowEnabled(owner.Frame());
        hOwnerInside = ::GetWindow(d.m_hWnd, GW_OWNER);
        d.PostCommand(IDOK);
    };

    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(bOwnerEnabledInside);
    EXPECT_EQ(owner.Frame(), hOwnerInside);
    EXPECT_TRUE(::IsWindowEnabled(owner.Frame()));

    // A missing template answers -1 and leaves the owner enabled.
    CDialog missing(IDD_DLGT_MISSING, CWnd::FromHandle(owner.Frame()));
    EXPECT_EQ(-1, missing.DoModal());
    EXPECT_TRUE(::IsWindowEnabled(owner.Frame()));
    EXPECT_EQ(nullptr, missing.m_hWnd);
}

// ---- Keyboard through IsDialogMessage ----

TEST_F(DialogModal, KeysPostedToAControlEndTheDialogThroughIsDialogMessage) {
    const struct {
        const char* name;
        int nControl;  // where the key is posted
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int nDefID;  // set with SetDefID first when not 0
        INT_PTR nResult;
        int nOK, nCancel, nReview;
    } cases[] = {
        {"Enter in an edit presses the default button", IDC_DLGT_NAME, WM_KEYDOWN, VK_RETURN, 0x001C0001, 0,
         IDOK, 1, 0, 0},
        {"Enter goes to the button set with SetDefID", IDC_DLGT_NAME, WM_KEYDOWN, VK_RETURN, 0x001C0001,
         IDC_DLGT_REVIEW, 100, 0, 0, 1},
        {"Escape cancels", IDC_DLGT_AGE, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, IDCANCEL, 0, 1, 0},
        {"Escape in a multiline edit still cancels", IDC_DLGT_NOTES, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0,
         IDCANCEL, 0, 1, 0},
        {"Alt+R presses its button", IDC_DLGT_AGE, WM_SYSCHAR, 'r', 0x20130001, 0, 100, 0, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CLessonDlg dlg;
        dlg.m_onInit = [&c](CLessonDlg& d) {
            d.SetDlgItemText(IDC_DLGT_NAME, _T("Zhang Wei"));
            if (c.nDefID) d.SetDefID(c.nDefID);
            ::PostMessage(d.GetDlgItem(c.nControl)->m_hWnd, c.message, c.wParam, c.lParam);
        };
        EXPECT_EQ(c.nResult, dlg.DoModal());
        EXPECT_EQ(c.nOK, dlg.m_nOK);
        EXPECT_EQ(c.nCancel, dlg.m_nCancel);
        EXPECT_EQ(c.nReview, dlg.m_nReview);
        EXPECT_EQ(CString(c.nOK ? _T("Zhang Wei") : _T("Li Lei")), dlg.m_strName);
    }
}

// ---- Other templates ----

TEST_F(DialogModal, InMemoryTemplateRunsWithDataExchangeAlsoFromAGlobalHandle) {
    const std::vector<WORD> tmpl = CountTemplate();
    CCountDlg dlg;
    ASSERT_TRUE(dlg.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(tmpl.data())));
    CString strAtInit;
    dlg.m_onInit = [&strAtInit](CCountDlg& d) {
        d.GetDlgItemText(100, strAtInit);
        d.SetDlgItemText(100, _T("-41"));
        d.PostMessage(WM_COMMAND, IDOK);
    };

    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString(_T("7")), strAtInit);
    EXPECT_EQ(-41, dlg.m_nCount);

    // The same template in a global handle.
    HGLOBAL hTemplate = ::GlobalAlloc(GMEM_MOVEABLE, tmpl.size() * sizeof(WORD));
    memcpy(::GlobalLock(hTemplate), tmpl.data(), tmpl.size() * sizeof(WORD));
    ::GlobalUnlock(hTemplate);
    CCountDlg fromHandle;
    ASSERT_TRUE(fromHandle.InitModalIndirect(hTemplate));
    fromHandle.m_onInit = [](CCountDlg& d) {
        ::PostMessage(d.GetDlgItem(100)->m_hWnd, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    };
    EXPECT_EQ(IDOK, fromHandle.DoModal());
    EXPECT_EQ(7, fromHandle.m_nCount);
    ::GlobalFree(hTemplate);
}

TEST_F(DialogModal, TemplateFoundByNameIsPlacedWhereItSaysAndNotMovedAfterItsStart) {
    riztest::TestWindow owner(500, 400, true);
    class CNamedDlg : public CDialog {
    public:
        explicit CNamedDlg(CWnd* pOwner) : CDialog(_T(IDD_DLGT_NAMED_STR), pOwner) {}
        CString m_strCaption;
        CRect m_rcAtInit;
        CRect m_rcLater;
        BOOL OnInitDialog() override {
            GetWindowText(m_strCaption);
            GetWindowRect(&m_rcAtInit);
            PostMessage(WM_COMMAND, IDCANCEL);
            return CDialog::OnInitDialog();
        }
        void OnCancel() override {
            GetWindowRect(&m_rcLater);
            CDialog::OnCancel();
        }
    } dlg(CWnd::FromHandle(owner.Frame()));

    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(CString(_T("Named")), dlg.m_strCaption);
    EXPECT_EQ(0u, dlg.m_nIDHelp);  // a name has no help id
    EXPECT_EQ(dlg.m_rcAtInit, dlg.m_rcLater);
    CRect rcOwner;
    ::GetWindowRect(owner.Frame(), &rcOwner);
    EXPECT_NE(rcOwner.CenterPoint(), dlg.m_rcLater.CenterPoint());
}

// ---- Placement ----

TEST_F(DialogModal, UnplacedDialogIsCentredOnItsOwner) {
    riztest::TestWindow owner(500, 400, true);
    CLessonDlg dlg(CWnd::FromHandle(owner.Frame()));
    CRect rcDialog;
    dlg.m_onInit = [](CLessonDlg& d) { d.PostMessage(WM_STEP); };
    dlg.m_steps = {[&rcDialog](CLessonDlg& d) {
        d.GetWindowRect(&rcDialog);
        d.PostCommand(IDCANCEL);
    }};

    dlg.DoModal();
    CRect rcOwner;
    ::GetWindowRect(owner.Frame(), &rcOwner);
    EXPECT_NEAR(rcOwner.CenterPoint().x, rcDialog.CenterPoint().x, 1);
    EXPECT_NEAR(rcOwner.CenterPoint().y, rcDialog.CenterPoint().y, 1);
}

TEST_F(DialogModal, RepeatedRunsLeaveNoWindowsOrGdiObjectsBehind) {
    auto RunOnce = [] {
        CLessonDlg dlg;
        dlg.m_onInit = [](CLessonDlg& d) { d.PostCommand(IDCANCEL); };
        return dlg.DoModal();
    };
    ASSERT_EQ(IDCANCEL, RunOnce());  // first use: classes, fonts and caches the system keeps
    riztest::PumpUntilIdle();
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 25; ++i)
        ASSERT_EQ(IDCANCEL, RunOnce());
    riztest::PumpUntilIdle();
    EXPECT_EQ(0, before.WindowDelta());
    EXPECT_EQ(0, before.GdiDelta());
}
