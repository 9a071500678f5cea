// Dialog data exchange on a modeless dialog: the DDX_ functions for text and numbers (parsing, limits,
// both character sets), check boxes, radio groups, combo and list boxes, control binding and the DDV_
// checks; modeless creation, keyboard handling through the framework's pump, and navigation.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "DialogResources.h"
#include "MessagePump.h"
#include "TestWindow.h"
#include "FrameworkKit.h"

namespace {

std::vector<UINT> g_prompts;

int AFXAPI RecordPrompt(CWnd*, LPCTSTR, UINT nIDPrompt) {
    g_prompts.push_back(nIDPrompt);
    return IDOK;
}

// The lesson dialog, modeless, exchanging whatever the test puts in m_exchange.
class CExchangeDlg : public CDialog {
public:
    std::function<void(CDataExchange*)> m_exchange;
    int m_nOK = 0;
    int m_nCancel = 0;

    BOOL OnInitDialog() override {
        static const LPCTSTR s_lessons[] = {_T("Greetings"), _T("Numbers"), _T("Numbers and dates"),
                                            _T("Family")};
        for (LPCTSTR lpsz : s_lessons)
            SendDlgItemMessage(IDC_DLGT_LESSON, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpsz));
        static const LPCTSTR s_words[] = {_T("apple"), _T("apples"), _T("banana"), _T("cherry")};
        for (LPCTSTR lpsz : s_words)
            SendDlgItemMessage(IDC_DLGT_WORDS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpsz));
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override {
        if (m_exchange) m_exchange(pDX);
    }
    void OnOK() override {
        ++m_nOK;
        CDialog::OnOK();
    }
    void OnCancel() override {
        ++m_nCancel;
        CDialog::OnCancel();
    }
    CString Text(int nID) const {
        CString str;
        GetDlgItemText(nID, str);
        return str;
    }
};

class DataExchange : public ::testing::Test {
protected:
    void SetUp() override {
        g_prompts.clear();
        m_pfnOld = AfxSetDDXMessageProc(&RecordPrompt);
        ASSERT_TRUE(m_dlg.Create(IDD_DLGT_LESSON, CWnd::FromHandle(m_owner.Frame())));
    }
    void TearDown() override {
        m_dlg.DestroyWindow();
        AfxSetDDXMessageProc(m_pfnOld);
    }

    // Puts text in control nID and reads it back into value through DDX_Text.
    template <typename T>
    BOOL Read(LPCTSTR lpszText, T& value, int nID = IDC_DLGT_AGE) {
        m_dlg.SetDlgItemText(nID, lpszText);
        m_dlg.m_exchange = [&value, nID](CDataExchange* pDX) { DDX_Text(pDX, nID, value); };
        return m_dlg.UpdateData(TRUE);
    }
    template <typename T>
    CString Write(T value, int nID = IDC_DLGT_AGE) {
        m_dlg.m_exchange = [&value, nID](CDataExchange* pDX) { DDX_Text(pDX, nID, value); };
        EXPECT_TRUE(m_dlg.UpdateData(FALSE));
        return m_dlg.Text(nID);
    }

    riztest::TestWindow m_owner;
    CExchangeDlg m_dlg;
    AFX_DDX_MESSAGE_PROC m_pfnOld = nullptr;
};

}  // namespace

// ---- Text and numbers ----

TEST_F(DataExchange, NumbersAreWrittenInTheirPlainForm) {
    EXPECT_EQ(CString(_T("-17")), Write(-17));
    EXPECT_EQ(CString(_T("4294967295")), Write(static_cast<UINT>(0xFFFFFFFF)));
    EXPECT_EQ(CString(_T("-2147483648")), Write(static_cast<long>(LONG_MIN)));
    EXPECT_EQ(CString(_T("255")), Write(static_cast<BYTE>(255)));
    EXPECT_EQ(CString(_T("-300")), Write(static_cast<short>(-300)));
    EXPECT_EQ(CString(_T("4.99")), Write(4.99));
    EXPECT_EQ(CString(_T("0.1")), Write(0.1f));
    EXPECT_EQ(CString(_T("0.333333333333333")), Write(1.0 / 3.0));
}

// Each row puts a text in the edit and reads it into a number of one type: whether it parses, the number
// then (a failed read keeps the one before) and the prompt a failure shows.
TEST_F(DataExchange, NumbersParseWithBlanksAroundThemAndOtherTextFailsWithTheTypesPrompt) {
    auto as = [this](auto value) {
        return [this, value](LPCTSTR lpszText, double& dValue) mutable {
            const BOOL bRead = Read(lpszText, value);
            dValue = static_cast<double>(value);
            return bRead;
        };
    };
    const struct {
        LPCTSTR text;
        std::function<BOOL(LPCTSTR, double&)> read;
        BOOL bRead;
        double value;
        UINT nPrompt;  // 0: none
    } rows[] = {
        // clang-format off
        {_T("  42\t"), as(0), TRUE, 42, 0}, {_T("4294967295"), as(0u), TRUE, 4294967295.0, 0},
        {_T("-2.5e3"), as(0.0), TRUE, -2500, 0}, {_T("29.5"), as(0.0f), TRUE, 29.5, 0},
        {_T("-2147483648"), as(0), TRUE, INT_MIN, 0},
        {_T("12 apples"), as(5), FALSE, 5, AFX_IDP_PARSE_INT}, {_T(""), as(5), FALSE, 5, AFX_IDP_PARSE_INT},
        {_T("1.5"), as(5), FALSE, 5, AFX_IDP_PARSE_INT}, {_T("2147483648"), as(5), FALSE, 5, AFX_IDP_PARSE_INT},
        {_T("-1"), as(5u), FALSE, 5, AFX_IDP_PARSE_UINT}, {_T("three"), as(1.0), FALSE, 1, AFX_IDP_PARSE_REAL},
        {_T("40000"), as(static_cast<short>(5)), FALSE, 5, AFX_IDP_PARSE_INT},
        {_T("256"), as(static_cast<BYTE>(5)), FALSE, 5, AFX_IDP_PARSE_BYTE},
        {_T("1e300"), as(5.0f), FALSE, 5, AFX_IDP_PARSE_REAL_RANGE},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(static_cast<LPCSTR>(CT2A(r.text)));
        g_prompts.clear();
        double dValue = -1;
        EXPECT_EQ(r.bRead, r.read(r.text, dValue));
        EXPECT_EQ(r.value, dValue);
        EXPECT_EQ(r.nPrompt ? std::vector<UINT>{r.nPrompt} : std::vector<UINT>{}, g_prompts);
    }
}

TEST_F(DataExchange, FailedNumberSelectsTheTextOfItsEdit) {
    m_dlg.ShowWindow(SW_SHOW);
    int n = 0;
    EXPECT_FALSE(Read(_T("twelve"), n));
    HWND hEdit = m_dlg.GetDlgItem(IDC_DLGT_AGE)->m_hWnd;
    EXPECT_EQ(hEdit, ::GetFocus());
    DWORD dwStart = 1, dwEnd = 0;
    ::SendMessage(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(0u, dwStart);
    EXPECT_EQ(6u, dwEnd);
}

TEST_F(DataExchange, ChineseTextRoundTripsInBothCharacterSets) {
    CString strName = _T("李雷和韩梅梅");
    EXPECT_EQ(strName, Write(strName, IDC_DLGT_NAME));
    CString strBack;
    EXPECT_TRUE(Read(_T("第三课：问候"), strBack, IDC_DLGT_NAME));
    EXPECT_EQ(CString(_T("第三课：问候")), strBack);

    TCHAR szBuffer[5];
    m_dlg.m_exchange = [&szBuffer](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_DLGT_NAME, szBuffer, _countof(szBuffer));
    };
    m_dlg.SetDlgItemText(IDC_DLGT_NAME, _T("Lesson"));
    EXPECT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(0, lstrcmp(_T("Less"), szBuffer));  // cut to the buffer
}

TEST_F(DataExchange, UnchangedTextIsNotSetAgain) {
    CString strName = _T("Li Lei");
    Write(strName, IDC_DLGT_NAME);
    HWND hEdit = m_dlg.GetDlgItem(IDC_DLGT_NAME)->m_hWnd;
    ::SendMessage(hEdit, EM_SETMODIFY, TRUE, 0);
    Write(strName, IDC_DLGT_NAME);
    EXPECT_TRUE(::SendMessage(hEdit, EM_GETMODIFY, 0, 0));  // a SetWindowText would have cleared it
}

// ---- Buttons ----

TEST_F(DataExchange, CheckBoxKeepsThreeStatesAndRadioGroupSkipsOtherControlsAndEndsAtTheNextGroup) {
    int nCheck = 2, nLevel = 2;
    m_dlg.m_exchange = [&](CDataExchange* pDX) {
        DDX_Check(pDX, IDC_DLGT_AUDIO, nCheck);
        DDX_Radio(pDX, IDC_DLGT_BEGINNER, nLevel);
    };
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_EQ(static_cast<UINT>(BST_INDETERMINATE), m_dlg.IsDlgButtonChecked(IDC_DLGT_AUDIO));
    // The static between the first and second button does not count.
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), m_dlg.IsDlgButtonChecked(IDC_DLGT_ADVANCED));
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), m_dlg.IsDlgButtonChecked(IDC_DLGT_BEGINNER));

    m_dlg.CheckDlgButton(IDC_DLGT_AUDIO, BST_CHECKED);
    m_dlg.CheckRadioButton(IDC_DLGT_BEGINNER, IDC_DLGT_ADVANCED, IDC_DLGT_MIDDLE);
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(1, nCheck);
    EXPECT_EQ(1, nLevel);

    m_dlg.CheckRadioButton(IDC_DLGT_BEGINNER, IDC_DLGT_ADVANCED, 0);
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(-1, nLevel);

    // Loading a value beyond the group checks nothing in it.
    nLevel = 5;
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_EQ(0, m_dlg.GetCheckedRadioButton(IDC_DLGT_BEGINNER, IDC_DLGT_ADVANCED));
}

// ---- Combo boxes and list boxes ----

// Combo and list boxes: a text selects the first item it begins (or the item it equals, for the exact
// forms; nothing when none matches), and reading gives the selected index and text (-1 and empty when none).
TEST_F(DataExchange, ComboAndListBoxesSelectByPrefixOrWholeTextAndReadIndexAndText) {
    int nIndex = 2;
    CString strText;
    const struct {
        const char* what;
        int nID;
        void(AFXAPI* exchange)(CDataExchange*, int, CString&);
        LPCTSTR text;
        int nSelected;
    } writes[] = {
        {"combo prefix", IDC_DLGT_LESSON, &DDX_CBString, _T("Fam"), 3},
        {"combo exact, not the longer item", IDC_DLGT_LESSON, &DDX_CBStringExact, _T("Numbers"), 1},
        {"combo exact", IDC_DLGT_LESSON, &DDX_CBStringExact, _T("Numbers and dates"), 2},
        {"list exact", IDC_DLGT_WORDS, &DDX_LBStringExact, _T("apple"), 0},
        {"list prefix", IDC_DLGT_WORDS, &DDX_LBString, _T("ban"), 2},
        {"list without a match", IDC_DLGT_WORDS, &DDX_LBString, _T("grape"), LB_ERR},
    };
    for (const auto& w : writes) {
        SCOPED_TRACE(w.what);
        strText = w.text;
        m_dlg.m_exchange = [&](CDataExchange* pDX) { w.exchange(pDX, w.nID, strText); };
        ASSERT_TRUE(m_dlg.UpdateData(FALSE));
        const UINT nGetCurSel = w.nID == IDC_DLGT_WORDS ? LB_GETCURSEL : CB_GETCURSEL;
        EXPECT_EQ(w.nSelected, static_cast<int>(m_dlg.SendDlgItemMessage(w.nID, nGetCurSel)));
    }
    m_dlg.SendDlgItemMessage(IDC_DLGT_LESSON, CB_SETCURSEL, 1);
    m_dlg.SendDlgItemMessage(IDC_DLGT_WORDS, LB_SETCURSEL, 3);
    int nListIndex = 0;
    CString strWord;
    m_dlg.m_exchange = [&](CDataExchange* pDX) {
        DDX_CBIndex(pDX, IDC_DLGT_LESSON, nIndex);
        DDX_CBString(pDX, IDC_DLGT_LESSON, strText);
        DDX_LBIndex(pDX, IDC_DLGT_WORDS, nListIndex);
        DDX_LBString(pDX, IDC_DLGT_WORDS, strWord);
    };
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(1, nIndex);
    EXPECT_EQ(CString(_T("Numbers")), strText);
    EXPECT_EQ(3, nListIndex);
    EXPECT_EQ(CString(_T("cherry")), strWord);

    m_dlg.SendDlgItemMessage(IDC_DLGT_LESSON, CB_SETCURSEL, static_cast<WPARAM>(-1));
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(-1, nIndex);
    EXPECT_TRUE(strText.IsEmpty());
}

// ---- Controls and validation ----

TEST_F(DataExchange, ControlIsBoundOnceAndReceivesItsMessages) {
    CWnd edit;
    m_dlg.m_exchange = [&edit](CDataExchange* pDX) { DDX_Control(pDX, IDC_DLGT_NAME, edit); };
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    HWND hEdit = ::GetDlgItem(m_dlg.m_hWnd, IDC_DLGT_NAME);
    EXPECT_EQ(hEdit, edit.m_hWnd);
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));  // already bound: nothing changes
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));
    m_dlg.DestroyWindow();
    EXPECT_EQ(nullptr, edit.m_hWnd);
}

// DDV_MaxChars limits the edit when writing and refuses longer text when reading; DDV_MinMax checks only when
// reading; a missing control fails the exchange with a message.
TEST_F(DataExchange, ValidationLimitsOnWriteChecksOnReadAndAMissingControlFails) {
    CString strName = _T("Li");
    double dPrice = 120.0;
    m_dlg.m_exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_DLGT_NAME, strName);
        DDV_MaxChars(pDX, strName, 6);
        DDX_Text(pDX, IDC_DLGT_PRICE, dPrice);
        DDV_MinMaxDouble(pDX, dPrice, 0.0, 99.99);
    };
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));  // initial data out of range is shown as it is
    EXPECT_EQ(6, static_cast<int>(m_dlg.SendDlgItemMessage(IDC_DLGT_NAME, EM_GETLIMITTEXT)));
    EXPECT_FALSE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(std::vector<UINT>{AFX_IDP_PARSE_REAL_RANGE}, g_prompts);
    m_dlg.SetDlgItemText(IDC_DLGT_PRICE, _T("29.00"));
    EXPECT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_DOUBLE_EQ(29.0, dPrice);

    g_prompts.clear();
    m_dlg.SendDlgItemMessage(IDC_DLGT_NAME, EM_SETLIMITTEXT, 0);
    m_dlg.SetDlgItemText(IDC_DLGT_NAME, _T("Li Xiaolong"));
    EXPECT_FALSE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(std::vector<UINT>{AFX_IDP_PARSE_STRING_SIZE}, g_prompts);

    g_prompts.clear();
    m_dlg.m_exchange = [&strName](CDataExchange* pDX) { DDX_Text(pDX, 2998, strName); };
    EXPECT_FALSE(m_dlg.UpdateData(FALSE));
    EXPECT_EQ(1u, g_prompts.size());
}

// ---- Modeless dialogs ----

TEST_F(DataExchange, ModelessDialogIsOwnedWithoutDisablingTheOwnerAndTakesEnterAndEscape) {
    EXPECT_TRUE(::IsWindow(m_dlg.m_hWnd));
    EXPECT_EQ(m_owner.Frame(), ::GetWindow(m_dlg.m_hWnd, GW_OWNER));
    EXPECT_TRUE(::IsWindowEnabled(m_owner.Frame()));
    EXPECT_EQ(&m_dlg, CWnd::FromHandlePermanent(m_dlg.m_hWnd));
    EXPECT_EQ(static_cast<UINT>(IDD_DLGT_LESSON), m_dlg.m_nIDHelp);
    // Enter and Escape work through the framework's pump.
    m_dlg.ShowWindow(SW_SHOW);
    ::PostMessage(m_dlg.GetDlgItem(IDC_DLGT_NAME)->m_hWnd, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    riztest::PumpMessages(2000);
    EXPECT_EQ(1, m_dlg.m_nOK);
    // EndDialog hides a modeless dialog; the window stays until DestroyWindow.
    EXPECT_FALSE(m_dlg.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(m_dlg.m_hWnd));

    ::PostMessage(m_dlg.GetDlgItem(IDC_DLGT_NAME)->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    riztest::PumpMessages(2000);
    EXPECT_EQ(1, m_dlg.m_nCancel);
}

TEST_F(DataExchange, NavigationAndTabMoveTheFocusThroughTabStops) {
    m_dlg.ShowWindow(SW_SHOW);
    m_dlg.SetForegroundWindow();
    CWnd* pName = m_dlg.GetDlgItem(IDC_DLGT_NAME);
    m_dlg.GotoDlgCtrl(pName);
    EXPECT_EQ(pName->m_hWnd, ::GetFocus());
    m_dlg.NextDlgCtrl();
    EXPECT_EQ(m_dlg.GetDlgItem(IDC_DLGT_AGE)->m_hWnd, ::GetFocus());
    m_dlg.PrevDlgCtrl();
    EXPECT_EQ(pName->m_hWnd, ::GetFocus());
    // Tab through the framework's pump moves to the next tab stop too.
    ::PostMessage(pName->m_hWnd, WM_KEYDOWN, VK_TAB, 0x000F0001);
    riztest::PumpMessages(2000);
    EXPECT_EQ(m_dlg.GetDlgItem(IDC_DLGT_AGE)->m_hWnd, ::GetFocus());
}

TEST(ModelessDialog, MissingTemplateFailsDestroyWindowDetachesForANewCreateAndTheDestructorCloses) {
    CDialog dlg;
    EXPECT_FALSE(dlg.Create(IDD_DLGT_MISSING));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    // DestroyWindow detaches and the object can create again.
    ASSERT_TRUE(dlg.Create(_T(IDD_DLGT_NAMED_STR)));
    HWND hWnd = dlg.m_hWnd;
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    ASSERT_TRUE(dlg.Create(_T(IDD_DLGT_NAMED_STR)));
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));

    // The destructor closes an open dialog.
    {
        CDialog open;
        ASSERT_TRUE(open.Create(IDD_DLGT_LESSON));
        hWnd = open.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}
