// The control wrappers against a recording window: each row makes one wrapper call on a window that
// records the control messages it receives and answers them, then checks the messages, their packing
// (signed and 32-bit values, buffers and their sizes) and the conversion of the answer.
#include <afxcmn.h>
#include <afxdtctl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

struct Sent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A wParam or lParam that is a pointer to the caller's data: not compared (a hook checks the data).
const LPARAM kPtr = static_cast<LPARAM>(0x7E57AB1E);

using Hook = std::function<LRESULT(UINT, WPARAM, LPARAM)>;

// A hidden window that records the control messages (EM_, BM_, SBM_, LB_, CB_, STM_ and WM_USER up)
// it receives and answers them with a fixed result or through a hook.
class Recorder {
public:
    Recorder() {
        WNDCLASS wc = {};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = ::GetModuleHandle(nullptr);
        wc.lpszClassName = _T("RIZTestRecorder");
        ::RegisterClass(&wc);  // registering again in the same process fails harmlessly
        m_hWnd = ::CreateWindow(wc.lpszClassName, _T(""), WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                wc.hInstance, nullptr);
        s_pRecorder = this;
    }
    ~Recorder() {
        s_pRecorder = nullptr;
        ::DestroyWindow(m_hWnd);
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void Expect(LRESULT answer, Hook hook = nullptr) {
        m_sent.clear();
        m_answer = answer;
        m_hook = std::move(hook);
    }

    HWND m_hWnd = nullptr;
    std::vector<Sent> m_sent;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        const bool bControl = (message >= 0xB0 && message < 0x200) || message >= WM_USER;
        if (!s_pRecorder || !bControl) return ::DefWindowProc(hWnd, message, wParam, lParam);
        s_pRecorder->m_sent.push_back({message, wParam, lParam});
        return s_pRecorder->m_hook ? s_pRecorder->m_hook(message, wParam, lParam) : s_pRecorder->m_answer;
    }

    LRESULT m_answer = 0;
    Hook m_hook;
    static Recorder* s_pRecorder;
};

Recorder* Recorder::s_pRecorder = nullptr;

// One wrapper call: the messages it must send, the answer they get, and what the call must return.
struct Row {
    const char* call;
    std::vector<Sent> sent;
    LRESULT answer;
    std::function<INT_PTR(HWND)> run;
    INT_PTR result;
    Hook hook = nullptr;
};

using Run = std::function<INT_PTR(HWND)>;

// A row of a call that sends one message, and of one that sends several (or none).
Row R(const char* call, Run run, UINT message, WPARAM wParam, LPARAM lParam, LRESULT answer, INT_PTR result,
      Hook hook = nullptr) {
    return {call, {{message, wParam, lParam}}, answer, std::move(run), result, std::move(hook)};
}

Row RN(const char* call, Run run, std::vector<Sent> sent, LRESULT answer, INT_PTR result,
       Hook hook = nullptr) {
    return {call, std::move(sent), answer, std::move(run), result, std::move(hook)};
}

// A getter that hands the answer back as it is (or a setter, with 0).
Row G(const char* call, Run run, UINT message, WPARAM wParam, LPARAM lParam, LRESULT answer) {
    return R(call, std::move(run), message, wParam, lParam, answer, answer);
}

// A wrapper object of class T on the recording window for the length of the body, which returns the
// call's result (or a comparison of it).
// clang-format off
#define ON(T, ...) [](HWND hWnd) -> INT_PTR { \
        T c; c.m_hWnd = hWnd; struct Release { T& c; ~Release() { c.m_hWnd = nullptr; } } release{c}; __VA_ARGS__ }
// clang-format on

void RunTable(const std::vector<Row>& rows) {
    Recorder recorder;
    ASSERT_NE(recorder.m_hWnd, nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.call);
        recorder.Expect(row.answer, row.hook);
        EXPECT_EQ(row.run(recorder.m_hWnd), row.result);
        ASSERT_EQ(recorder.m_sent.size(), row.sent.size());
        for (size_t i = 0; i < row.sent.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(recorder.m_sent[i].message, row.sent[i].message);
            if (row.sent[i].wParam != static_cast<WPARAM>(kPtr)) {
                EXPECT_EQ(recorder.m_sent[i].wParam, row.sent[i].wParam);
            }
            if (row.sent[i].lParam != kPtr) {
                EXPECT_EQ(recorder.m_sent[i].lParam, row.sent[i].lParam);
            }
        }
    }
    AfxLockTempMaps();
    AfxUnlockTempMaps();
}

// Checks the text a wrapper passes and answers r.
Hook TextIs(LPCTSTR lpszExpected, LRESULT r = 0) {
    return [lpszExpected, r](UINT, WPARAM, LPARAM lParam) {
        EXPECT_STREQ(reinterpret_cast<LPCTSTR>(lParam), lpszExpected);
        return r;
    };
}

// Answers the length of the text to the length message and copies the text for the other.
Hook Copies(UINT lengthMessage, LPCTSTR lpszText) {
    return [lengthMessage, lpszText](UINT message, WPARAM, LPARAM lParam) -> LRESULT {
        if (message != lengthMessage) ::lstrcpy(reinterpret_cast<LPTSTR>(lParam), lpszText);
        return ::lstrlen(lpszText);
    };
}

template <class T>
T* At(LPARAM lParam) {
    return reinterpret_cast<T*>(lParam);
}

// A hook on the structure lParam points to, as p; it answers what the body returns.
#define AT(T, ...)                                                                                           \
    [](UINT, WPARAM, LPARAM l) -> LRESULT {                                                                  \
        T& p = *At<T>(l);                                                                                    \
        __VA_ARGS__                                                                                          \
    }

const WPARAM kMinus1 = static_cast<WPARAM>(-1);
const HICON kIcon1 = reinterpret_cast<HICON>(static_cast<INT_PTR>(0x4711));
const HICON kIcon2 = reinterpret_cast<HICON>(static_cast<INT_PTR>(0x4712));
const HTREEITEM kItem1 = reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(0x1100));
const HTREEITEM kItem2 = reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(0x2200));
// The call as written and a function making it: CALL for a value, DO for a statement.
#define CALL(T, ...) #T ": " #__VA_ARGS__, ON(T, return (INT_PTR)(__VA_ARGS__);)
#define DO(T, ...) #T ": " #__VA_ARGS__, ON(T, __VA_ARGS__; return 0;)
#define H(x) reinterpret_cast<INT_PTR>(x)

int CALLBACK CompareNothing(LPARAM, LPARAM, LPARAM) {
    return 0;
}

}  // namespace

TEST(CtrlWrapperTable, ButtonsStaticsAndEdits) {
    // clang-format off
    RunTable({
        G(CALL(CButton, H(c.SetIcon(kIcon1))), BM_SETIMAGE, IMAGE_ICON, H(kIcon1), H(kIcon2)),
        R("CEdit::GetSel(int&, int&)", ON(CEdit, int a = -1, b = -1; c.GetSel(a, b); return a == 2 && b == 5;), EM_GETSEL, kPtr,
            kPtr, 0, TRUE, [](UINT, WPARAM w, LPARAM l) { *At<DWORD>(static_cast<LPARAM>(w)) = 2; *At<DWORD>(l) = 5; return 0; }),
        RN("CEdit::SetSel(0, -1) scrolls the caret", ON(CEdit, c.SetSel(0, -1); return 0;),
            {{EM_SETSEL, 0, -1}, {EM_SCROLLCARET, 0, 0}}, 0, 0),
        G("CEdit::SetSel(2, 5, TRUE) does not scroll", ON(CEdit, c.SetSel(2, 5, TRUE); return 0;), EM_SETSEL, 2, 5, 0),
        RN("CEdit::SetSel(DWORD) takes a signed end", ON(CEdit, c.SetSel(static_cast<DWORD>(MAKELONG(1, -1))); return 0;),
            {{EM_SETSEL, 1, -1}, {EM_SCROLLCARET, 0, 0}}, 0, 0),
        G(DO(CEdit, c.SetMargins(3, 7)), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(3, 7), 0),
        G(CALL(CEdit, c.SetReadOnly()), EM_SETREADONLY, TRUE, 0, TRUE),
        G("CEdit::SetPasswordChar of a high character is not sign-extended",
            ON(CEdit, c.SetPasswordChar(static_cast<TCHAR>(0xA1)); return 0;), EM_SETPASSWORDCHAR, 0xA1, 0, 0),
        R("CEdit::PosFromChar unpacks signed coordinates", ON(CEdit, return c.PosFromChar(4) == CPoint(-3, 7);), EM_POSFROMCHAR,
            4, 0, MAKELONG(-3, 7), TRUE),
        R("CEdit::GetLine writes the size into the buffer",
            ON(CEdit,
                TCHAR buf[8]; for (TCHAR& ch : buf) ch = _T('#');
                return c.GetLine(1, buf, 3) == 3 && CString(buf, 3) == _T("sec") && buf[3] == _T('#');),
            EM_GETLINE, 1, kPtr, 0, TRUE,
            [](UINT, WPARAM, LPARAM l) {
                EXPECT_EQ(*At<WORD>(l), 3u); ::CopyMemory(At<TCHAR>(l), _T("sec"), 3 * sizeof(TCHAR)); return 3; }),
        R("CEdit::GetLine into one character is never overrun",
            ON(CEdit,
                TCHAR one[2] = {_T('#'), _T('#')}; return c.GetLine(0, one, 1) == 1 && one[0] == _T('f') && one[1] == _T('#');),
            EM_GETLINE, 0, kPtr, 0, TRUE,
            [](UINT, WPARAM, LPARAM l) -> LRESULT {
                const int n = std::min<int>(*At<WORD>(l), 2);  // as much as the size word allows
                ::CopyMemory(At<TCHAR>(l), _T("fi"), n * sizeof(TCHAR)); return n; }),
        R("CEdit::GetLine(nIndex, buffer) leaves the size to the caller",
            ON(CEdit, TCHAR buf[8] = {}; *reinterpret_cast<WORD*>(buf) = 5; return c.GetLine(0, buf);), EM_GETLINE, 0, kPtr, 5, 5,
            AT(WORD, EXPECT_EQ(p, 5u); return 5;)),
        RN("CEdit::GetLine with no room sends nothing", ON(CEdit, TCHAR buf[2]; return c.GetLine(0, buf, 0);), {}, 0, 0),
    });
    // clang-format on
}

TEST(CtrlWrapperTable, ListAndComboBoxes) {
    int marker = 0;
    static int* s_pMarker;
    s_pMarker = &marker;
    // clang-format off
    RunTable({
        R(CALL(CListBox, c.AddString(_T("中文条目"))), LB_ADDSTRING, 0, kPtr, 0, 0, TextIs(_T("中文条目"), 0)),
        RN("CListBox::GetText(CString) sizes the buffer by the length",
            ON(CListBox, CString s; c.GetText(2, s); return s == _T("banana");), {{LB_GETTEXTLEN, 2, 0}, {LB_GETTEXT, 2, kPtr}},
            0, TRUE, Copies(LB_GETTEXTLEN, _T("banana"))),
        R("CListBox::GetText(CString) of no item empties the string",
            ON(CListBox, CString s = _T("stale"); c.GetText(99, s); return s.IsEmpty();), LB_GETTEXTLEN, 99, 0, LB_ERR, TRUE),
        R(CALL(CListBox, c.SetItemDataPtr(2, s_pMarker)), LB_SETITEMDATA, 2, kPtr, 0, 0,
            AT(int, EXPECT_EQ(&p, s_pMarker); return 0;)),
        R("CListBox::ItemFromPoint inside", ON(CListBox, BOOL b = TRUE; return c.ItemFromPoint(CPoint(5, 70), b) == 3 && !b;),
            LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 70), MAKELONG(3, 0), TRUE),
        R("CListBox::ItemFromPoint outside", ON(CListBox, BOOL b = FALSE; return c.ItemFromPoint(CPoint(5, 900), b) == 19 && b;),
            LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 900), MAKELONG(19, 1), TRUE),
        G(CALL(CListBox, c.SetSel(1)), LB_SETSEL, TRUE, 1, 0),
        G(CALL(CListBox, c.SetSel(-1, FALSE)), LB_SETSEL, FALSE, -1, 0),
        G(CALL(CListBox, c.SelItemRange(TRUE, 4, 6)), LB_SELITEMRANGEEX, 4, 6, 0),
        G("CListBox::SelItemRange(FALSE) runs the range backwards", ON(CListBox, return c.SelItemRange(FALSE, 4, 5);),
            LB_SELITEMRANGEEX, 5, 4, 0),
        R(CALL(CComboBox, c.AddString(_T("蓝色"))), CB_ADDSTRING, 0, kPtr, 2, 2, TextIs(_T("蓝色"), 2)),
        RN("CComboBox::GetLBText(CString)", ON(CComboBox, CString s = _T("stale"); c.GetLBText(3, s); return s == _T("蓝色");),
            {{CB_GETLBTEXTLEN, 3, 0}, {CB_GETLBTEXT, 3, kPtr}}, 0, TRUE, Copies(CB_GETLBTEXTLEN, _T("蓝色"))),
        R("CComboBox::GetLBText(CString) of no item",
            ON(CComboBox, CString s = _T("stale"); c.GetLBText(10, s); return s.IsEmpty();), CB_GETLBTEXTLEN, 10, 0, CB_ERR,
            TRUE),
        G(CALL(CComboBox, c.SetEditSel(1, 3)), CB_SETEDITSEL, 0, MAKELPARAM(1, 3), TRUE),
        G(CALL(CComboBox, c.SetEditSel(0, -1)), CB_SETEDITSEL, 0, MAKELONG(0, -1), TRUE),
        R(DO(CComboBox, c.ShowDropDown()), CB_SHOWDROPDOWN, TRUE, 0, 1, 0),
        G("CComboBox::SetItemHeight of the field", ON(CComboBox, return c.SetItemHeight(-1, 22);), CB_SETITEMHEIGHT, kMinus1, 22,
            0),
        G("CComboBox::GetItemHeight of the field", ON(CComboBox, return c.GetItemHeight(-1);), CB_GETITEMHEIGHT, kMinus1, 0, 22),
    });
    // clang-format on
}

TEST(CtrlWrapperTable, SmallCommonControls) {
    // clang-format off
    RunTable({
        RN("CSliderCtrl::SetRange is 32-bit", ON(CSliderCtrl, c.SetRange(-5, 100000); return 0;),
            {{TBM_SETRANGEMIN, FALSE, -5}, {TBM_SETRANGEMAX, FALSE, 100000}}, 0, 0),
        RN("CSliderCtrl::SetRange redraws once", ON(CSliderCtrl, c.SetRange(0, 100, TRUE); return 0;),
            {{TBM_SETRANGEMIN, FALSE, 0}, {TBM_SETRANGEMAX, TRUE, 100}}, 0, 0),
        RN("CSliderCtrl::GetRange", ON(CSliderCtrl, int a = 0, b = 0; c.GetRange(a, b); return a == -5 && b == 100000;),
            {{TBM_GETRANGEMIN, 0, 0}, {TBM_GETRANGEMAX, 0, 0}}, 0, TRUE,
            [](UINT m, WPARAM, LPARAM) -> LRESULT { return m == TBM_GETRANGEMIN ? -5 : 100000; }),
        G(DO(CSliderCtrl, c.SetPos(70000)), TBM_SETPOS, TRUE, 70000, 0),
        G(CALL(CSliderCtrl, c.SetPageSize(25)), TBM_SETPAGESIZE, 0, 25, 20),
        G(CALL(CSliderCtrl, c.SetLineSize(3)), TBM_SETLINESIZE, 0, 3, 1),
        RN(DO(CSliderCtrl, c.SetSelection(20, 40)), {{TBM_SETSELSTART, FALSE, 20}, {TBM_SETSELEND, TRUE, 40}}, 0, 0),
        RN("CSliderCtrl::GetSelection", ON(CSliderCtrl, int a = 0, b = 0; c.GetSelection(a, b); return a == 20 && b == 40;),
            {{TBM_GETSELSTART, 0, 0}, {TBM_GETSELEND, 0, 0}}, 0, TRUE,
            [](UINT m, WPARAM, LPARAM) -> LRESULT { return m == TBM_GETSELSTART ? 20 : 40; }),
        G("CSpinButtonCtrl::SetRange packs upper low, lower high", ON(CSpinButtonCtrl, c.SetRange(-10, 50); return 0;),
            UDM_SETRANGE, 0, MAKELPARAM(50, -10), 0),
        R(CALL(CSpinButtonCtrl, c.GetRange()), UDM_GETRANGE, 0, 0, MAKELONG(50, -10), static_cast<DWORD>(MAKELONG(50, -10))),
        R("CSpinButtonCtrl::GetRange(int&, int&) is signed",
            ON(CSpinButtonCtrl, int a = 0, b = 0; c.GetRange(a, b); return a == -10 && b == 50;), UDM_GETRANGE, 0, 0,
            MAKELONG(50, -10), TRUE),
        R(CALL(CSpinButtonCtrl, c.SetPos(-3)), UDM_SETPOS, 0, MAKELPARAM(-3, 0), MAKELONG(-7, 0), -7),
        G(DO(CSpinButtonCtrl, c.SetRange32(-1000, 100000)), UDM_SETRANGE32, static_cast<WPARAM>(-1000), 100000, 0),
        R("CSpinButtonCtrl::GetRange32",
            ON(CSpinButtonCtrl, int a = 0, b = 0; c.GetRange32(a, b); return a == -1000 && b == 100000;), UDM_GETRANGE32, kPtr,
            kPtr, 0, TRUE,
            [](UINT, WPARAM w, LPARAM l) { *At<int>(static_cast<LPARAM>(w)) = -1000; *At<int>(l) = 100000; return 0; }),
        G(CALL(CSpinButtonCtrl, c.SetPos32(99999)), UDM_SETPOS32, 0, 99999, 5),
        R("CSpinButtonCtrl::GetPos32", ON(CSpinButtonCtrl, BOOL b = TRUE; return c.GetPos32(&b) == 99999 && !b;), UDM_GETPOS32, 0,
            kPtr, 99999, TRUE, AT(BOOL, p = FALSE; return 99999;)),
        G(DO(CProgressCtrl, c.SetRange(0, 200)), PBM_SETRANGE, 0, MAKELPARAM(0, 200), 0),
        G(DO(CProgressCtrl, c.SetRange32(-100, 100000)), PBM_SETRANGE32, static_cast<WPARAM>(-100), 100000, 0),
        R("CProgressCtrl::GetRange", ON(CProgressCtrl, int a = 0, b = 0; c.GetRange(a, b); return a == -100 && b == 100000;),
            PBM_GETRANGE, TRUE, kPtr, 0, TRUE, AT(PBRANGE, p = {-100, 100000}; return -100;)),
        G(CALL(CProgressCtrl, c.OffsetPos(-25)), PBM_DELTAPOS, static_cast<WPARAM>(-25), 0, 50),
        G(CALL(CProgressCtrl, c.SetBarColor(RGB(0, 128, 0))), PBM_SETBARCOLOR, 0, RGB(0, 128, 0), CLR_DEFAULT),
        G(DO(CHotKeyCtrl, c.SetHotKey('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT)), HKM_SETHOTKEY,
            MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0, 0),
        R("CHotKeyCtrl::GetHotKey(WORD&, WORD&)",
            ON(CHotKeyCtrl, WORD k = 0, m = 0; c.GetHotKey(k, m); return k == 'K' && m == HOTKEYF_ALT;), HKM_GETHOTKEY, 0, 0,
            MAKEWORD('K', HOTKEYF_ALT), TRUE),
        R("CHotKeyCtrl::GetHotKeyName names modifiers then the key",
            ON(CHotKeyCtrl,
                return c.GetHotKeyName() == CHotKeyCtrl::GetKeyName(VK_CONTROL, FALSE) + _T(" + ") +
                                            CHotKeyCtrl::GetKeyName(VK_SHIFT, FALSE) + _T(" + K");),
            HKM_GETHOTKEY, 0, 0, MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT), TRUE),
        R("CHotKeyCtrl::GetHotKeyName of no key", ON(CHotKeyCtrl, return c.GetHotKeyName().IsEmpty();), HKM_GETHOTKEY, 0, 0, 0,
            TRUE),
        G(DO(CHotKeyCtrl, c.SetRules(HKCOMB_NONE, HOTKEYF_ALT)), HKM_SETRULES, HKCOMB_NONE, MAKELPARAM(HOTKEYF_ALT, 0), 0),
        G(DO(CToolTipCtrl, c.SetDelayTime(400)), TTM_SETDELAYTIME, TTDT_AUTOMATIC, 400, 0),
        G(CALL(CToolTipCtrl, c.SetMaxTipWidth(200)), TTM_SETMAXTIPWIDTH, 0, 200, -1),
        G(DO(CToolTipCtrl, c.SetTipBkColor(RGB(1, 2, 3))), TTM_SETTIPBKCOLOR, RGB(1, 2, 3), 0, 0),
        R(DO(CToolTipCtrl, CRect rc(1, 2, 3, 4); c.SetMargin(&rc)), TTM_SETMARGIN, 0, kPtr, 0, 0,
            AT(CRect, EXPECT_EQ(p, CRect(1, 2, 3, 4)); return 0;)),
        G(DO(CToolTipCtrl, c.TrackPosition(120, 140)), TTM_TRACKPOSITION, 0, MAKELPARAM(120, 140), 0),
    });
    // clang-format on
}

TEST(CtrlWrapperTable, ListViewsAndHeaders) {
    // clang-format off
    RunTable({
        R("CListCtrl::InsertColumn with a width", ON(CListCtrl, return c.InsertColumn(1, _T("Size"), LVCFMT_RIGHT, 60);),
            LVM_INSERTCOLUMN, 1, kPtr, 1, 1,
            AT(LVCOLUMN,
                EXPECT_EQ(p.mask, UINT{LVCF_TEXT | LVCF_FMT | LVCF_WIDTH}); EXPECT_EQ(p.fmt, LVCFMT_RIGHT); EXPECT_EQ(p.cx, 60);
                EXPECT_STREQ(p.pszText, _T("Size")); return 1;)),
        R("CListCtrl::InsertColumn with a subitem and no width",
            ON(CListCtrl, return c.InsertColumn(0, _T("n"), LVCFMT_LEFT, -1, 2);), LVM_INSERTCOLUMN, 0, kPtr, 0, 0,
            AT(LVCOLUMN, EXPECT_EQ(p.mask, UINT{LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM}); EXPECT_EQ(p.iSubItem, 2); return 0;)),
        G(CALL(CListCtrl, c.SetColumnWidth(1, 75)), LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(75, 0), TRUE),
        R(CALL(CListCtrl, c.SetItemText(1, 1, _T("大小"))), LVM_SETITEMTEXT, 1, kPtr, TRUE, TRUE,
            AT(LVITEM, EXPECT_EQ(p.iSubItem, 1); EXPECT_STREQ(p.pszText, _T("大小")); return TRUE;)),
        R(CALL(CListCtrl, c.InsertItem(0, _T("plain"))), LVM_INSERTITEM, 0, kPtr, 0, 0,
            AT(LVITEM, EXPECT_EQ(p.mask, UINT{LVIF_TEXT}); EXPECT_STREQ(p.pszText, _T("plain")); return 0;)),
        R(CALL(CListCtrl, c.InsertItem(1, _T("image"), 3)), LVM_INSERTITEM, 0, kPtr, 1, 1,
            AT(LVITEM,
                EXPECT_EQ(p.mask, UINT{LVIF_TEXT | LVIF_IMAGE}); EXPECT_EQ(p.iItem, 1); EXPECT_EQ(p.iImage, 3); return 1;)),
        R(CALL(CListCtrl, c.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_STATE, 2, _T("full"), LVIS_SELECTED,
                                       LVIS_SELECTED | LVIS_FOCUSED, 0, 0x55)),
            LVM_INSERTITEM, 0, kPtr, 2, 2,
            AT(LVITEM,
                EXPECT_EQ(p.mask, UINT{LVIF_TEXT | LVIF_PARAM | LVIF_STATE}); EXPECT_EQ(p.iItem, 2);
                EXPECT_EQ(p.state, UINT{LVIS_SELECTED}); EXPECT_EQ(p.stateMask, UINT{LVIS_SELECTED | LVIS_FOCUSED});
                EXPECT_EQ(p.lParam, 0x55); return 2;)),
        R(CALL(CListCtrl, c.GetItemData(2)), LVM_GETITEM, 0, kPtr, 0, 0x55,
            AT(LVITEM, EXPECT_EQ(p.mask, UINT{LVIF_PARAM}); EXPECT_EQ(p.iItem, 2); p.lParam = 0x55; return TRUE;)),
        R("CListCtrl::SetItemData changes the data alone", ON(CListCtrl, return c.SetItemData(3, 0x99);), LVM_SETITEM, 0,
            kPtr, TRUE, TRUE,
            AT(LVITEM, EXPECT_EQ(p.mask, UINT{LVIF_PARAM}); EXPECT_EQ(p.iItem, 3); EXPECT_EQ(p.lParam, 0x99); return TRUE;)),
        R(CALL(CListCtrl, c.SetItem(1, 2, LVIF_TEXT, _T("renamed"), 0, 0, 0, 0)), LVM_SETITEM, 0, kPtr, TRUE, TRUE,
            AT(LVITEM, EXPECT_EQ(p.iItem, 1); EXPECT_EQ(p.iSubItem, 2); EXPECT_STREQ(p.pszText, _T("renamed")); return TRUE;)),
        G(CALL(CListCtrl, c.GetItemState(2, LVIS_SELECTED)), LVM_GETITEMSTATE, 2, LVIS_SELECTED, LVIS_SELECTED),
        R("CListCtrl::SetItemState of every item", ON(CListCtrl, return c.SetItemState(-1, 0, LVIS_SELECTED);), LVM_SETITEMSTATE,
            kMinus1, kPtr, TRUE, TRUE,
            AT(LVITEM, EXPECT_EQ(p.state, 0u); EXPECT_EQ(p.stateMask, UINT{LVIS_SELECTED}); return TRUE;)),
        R("CListCtrl::GetCheck of a checked box", ON(CListCtrl, return c.GetCheck(0);), LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK,
            INDEXTOSTATEIMAGEMASK(2), TRUE),
        R("CListCtrl::GetCheck of an empty box", ON(CListCtrl, return c.GetCheck(0);), LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK,
            INDEXTOSTATEIMAGEMASK(1), FALSE),
        R(CALL(CListCtrl, c.SetCheck(4, FALSE)), LVM_SETITEMSTATE, 4, kPtr, TRUE, TRUE,
            AT(LVITEM,
                EXPECT_EQ(p.state, UINT{INDEXTOSTATEIMAGEMASK(1)}); EXPECT_EQ(p.stateMask, UINT{LVIS_STATEIMAGEMASK});
                return TRUE;)),
        R(CALL(CListCtrl, c.SetCheck(0)), LVM_SETITEMSTATE, 0, kPtr, TRUE, TRUE,
            AT(LVITEM, EXPECT_EQ(p.state, UINT{INDEXTOSTATEIMAGEMASK(2)}); return TRUE;)),
        G(CALL(CListCtrl, c.GetNextItem(-1, LVNI_FOCUSED)), LVM_GETNEXTITEM, kMinus1, LVNI_FOCUSED, 0),
        R("CListCtrl::GetItemRect passes the area in the rectangle",
            ON(CListCtrl, CRect rc; return c.GetItemRect(2, &rc, LVIR_LABEL);), LVM_GETITEMRECT, 2, kPtr, TRUE, TRUE,
            AT(RECT, EXPECT_EQ(p.left, LVIR_LABEL); return TRUE;)),
        R("CListCtrl::GetSubItemRect",
            ON(CListCtrl, CRect rc; return c.GetSubItemRect(2, 1, LVIR_BOUNDS, rc) && rc == CRect(80, 10, 140, 27);),
            LVM_GETSUBITEMRECT, 2, kPtr, TRUE, TRUE,
            AT(RECT, EXPECT_EQ(p.top, 1); EXPECT_EQ(p.left, LVIR_BOUNDS); p = CRect(80, 10, 140, 27); return TRUE;)),
        R("CListCtrl::HitTest(point, flags)",
            ON(CListCtrl, UINT f = 0; return c.HitTest(CPoint(20, 30), &f) == 2 && f == LVHT_ONITEMLABEL;), LVM_HITTEST, 0, kPtr,
            2, TRUE, AT(LVHITTESTINFO, EXPECT_EQ(CPoint(p.pt), CPoint(20, 30)); p.flags = LVHT_ONITEMLABEL; return 2;)),
        G(CALL(CListCtrl, c.EnsureVisible(3, FALSE)), LVM_ENSUREVISIBLE, 3, FALSE, TRUE),
        G(CALL(CListCtrl, c.RedrawItems(0, 3)), LVM_REDRAWITEMS, 0, 3, TRUE),
        G(CALL(CListCtrl, c.SetExtendedStyle(LVS_EX_FULLROWSELECT)), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT, 0),
        G(CALL(CListCtrl, c.SetTextBkColor(CLR_NONE)), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE), TRUE),
        R(CALL(CListCtrl, c.GetTextBkColor()), LVM_GETTEXTBKCOLOR, 0, 0, static_cast<LRESULT>(CLR_NONE), CLR_NONE),
        G(CALL(CListCtrl, c.SortItems(&CompareNothing, 7)), LVM_SORTITEMS, 7, H(&CompareNothing), TRUE),
        G("CHeaderCtrl::SetOrderArray", ON(CHeaderCtrl, int o[3] = {2, 0, 1}; return c.SetOrderArray(3, o);), HDM_SETORDERARRAY,
            3, kPtr, TRUE),
        RN("CHeaderCtrl::GetOrderArray counts the items first", ON(CHeaderCtrl, int o[3]; return c.GetOrderArray(o);),
            {{HDM_GETITEMCOUNT, 0, 0}, {HDM_GETORDERARRAY, 3, kPtr}}, 0, TRUE,
            [](UINT m, WPARAM, LPARAM) -> LRESULT { return m == HDM_GETITEMCOUNT ? 3 : TRUE; }),
    });
    // clang-format on
}

TEST(CtrlWrapperTable, TreesAndTabs) {
    // clang-format off
    RunTable({
        R(CALL(CTreeCtrl, H(c.InsertItem(_T("Banana"), kItem1, TVI_FIRST))), TVM_INSERTITEM, 0, kPtr, H(kItem2), H(kItem2),
            AT(TVINSERTSTRUCT,
                EXPECT_EQ(p.hParent, kItem1); EXPECT_EQ(p.hInsertAfter, TVI_FIRST); EXPECT_EQ(p.item.mask, UINT{TVIF_TEXT});
                EXPECT_STREQ(p.item.pszText, _T("Banana")); return H(kItem2);)),
        R("CTreeCtrl::InsertItem(text, images) at the root's end", ON(CTreeCtrl, return H(c.InsertItem(_T("根节点"), 2, 3));),
            TVM_INSERTITEM, 0, kPtr, H(kItem1), H(kItem1),
            AT(TVINSERTSTRUCT,
                EXPECT_EQ(p.hParent, TVI_ROOT); EXPECT_EQ(p.hInsertAfter, TVI_LAST);
                EXPECT_EQ(p.item.mask, UINT{TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE}); EXPECT_EQ(p.item.iImage, 2);
                EXPECT_EQ(p.item.iSelectedImage, 3); return H(kItem1);)),
        R(CALL(CTreeCtrl, H(c.InsertItem(TVIF_TEXT | TVIF_PARAM | TVIF_STATE, _T("full"), 0, 0, TVIS_BOLD, TVIS_BOLD, 0x77,
                                         kItem1, TVI_SORT))),
            TVM_INSERTITEM, 0, kPtr, H(kItem2), H(kItem2),
            AT(TVINSERTSTRUCT,
                EXPECT_EQ(p.hParent, kItem1); EXPECT_EQ(p.hInsertAfter, TVI_SORT); EXPECT_EQ(p.item.state, UINT{TVIS_BOLD});
                EXPECT_EQ(p.item.stateMask, UINT{TVIS_BOLD}); EXPECT_EQ(p.item.lParam, 0x77); return H(kItem2);)),
        G(CALL(CTreeCtrl, H(c.GetChildItem(kItem1))), TVM_GETNEXTITEM, TVGN_CHILD, H(kItem1), H(kItem2)),
        R(CALL(CTreeCtrl, c.ItemHasChildren(kItem1)), TVM_GETITEM, 0, kPtr, 0, TRUE,
            AT(TVITEM, EXPECT_EQ(p.hItem, kItem1); EXPECT_NE(p.mask & TVIF_CHILDREN, 0u); p.cChildren = 1; return TRUE;)),
        G(CALL(CTreeCtrl, c.Expand(kItem1, TVE_COLLAPSE)), TVM_EXPAND, TVE_COLLAPSE, H(kItem1), TRUE),
        G(CALL(CTreeCtrl, c.SelectItem(kItem2)), TVM_SELECTITEM, TVGN_CARET, H(kItem2), TRUE),
        G(CALL(CTreeCtrl, c.DeleteAllItems()), TVM_DELETEITEM, 0, H(TVI_ROOT), TRUE),
        R("CTreeCtrl::GetItemState masks the answer", ON(CTreeCtrl, return c.GetItemState(kItem1, TVIS_BOLD);), TVM_GETITEM, 0,
            kPtr, 0, TVIS_BOLD,
            AT(TVITEM, EXPECT_EQ(p.stateMask, UINT{TVIS_BOLD}); p.state = TVIS_BOLD | TVIS_EXPANDED; return TRUE;)),
        R(CALL(CTreeCtrl, c.SetItemState(kItem1, 0, TVIS_BOLD)), TVM_SETITEM, 0, kPtr, TRUE, TRUE,
            AT(TVITEM, EXPECT_EQ(p.mask, UINT{TVIF_STATE | TVIF_HANDLE}); EXPECT_EQ(p.stateMask, UINT{TVIS_BOLD}); return TRUE;)),
        R("CTreeCtrl::GetItemImage", ON(CTreeCtrl, int a = -1, b = -1; return c.GetItemImage(kItem1, a, b) && a == 2 && b == 3;),
            TVM_GETITEM, 0, kPtr, 0, TRUE, AT(TVITEM, p.iImage = 2; p.iSelectedImage = 3; return TRUE;)),
        R(CALL(CTreeCtrl, c.SetItemImage(kItem1, 5, 6)), TVM_SETITEM, 0, kPtr, TRUE, TRUE,
            AT(TVITEM,
                EXPECT_EQ(p.mask, UINT{TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE}); EXPECT_EQ(p.iImage, 5);
                EXPECT_EQ(p.iSelectedImage, 6); return TRUE;)),
        R("CTreeCtrl::SetItemText changes the text alone", ON(CTreeCtrl, return c.SetItemText(kItem2, _T("renamed"));),
            TVM_SETITEM, 0, kPtr, TRUE, TRUE,
            AT(TVITEM,
                EXPECT_EQ(p.hItem, kItem2); EXPECT_EQ(p.mask, UINT{TVIF_TEXT | TVIF_HANDLE});
                EXPECT_STREQ(p.pszText, _T("renamed")); return TRUE;)),
        R("CTreeCtrl::SetItemData changes the data alone", ON(CTreeCtrl, return c.SetItemData(kItem2, 0x88);), TVM_SETITEM, 0,
            kPtr, TRUE, TRUE,
            AT(TVITEM, EXPECT_EQ(p.mask, UINT{TVIF_PARAM | TVIF_HANDLE}); EXPECT_EQ(p.lParam, 0x88); return TRUE;)),
        R(CALL(CTreeCtrl, c.GetItemData(kItem2)), TVM_GETITEM, 0, kPtr, 0, 0x88, AT(TVITEM, p.lParam = 0x88; return TRUE;)),
        R("CTreeCtrl::GetItemRect passes the item in the rectangle",
            ON(CTreeCtrl, CRect rc; return c.GetItemRect(kItem2, &rc, TRUE);), TVM_GETITEMRECT, TRUE, kPtr, TRUE, TRUE,
            AT(HTREEITEM, EXPECT_EQ(p, kItem2); return TRUE;)),
        R("CTreeCtrl::HitTest(point, flags)",
            ON(CTreeCtrl, UINT f = 0; return c.HitTest(CPoint(7, 9), &f) == kItem1 && f == TVHT_ONITEMLABEL;), TVM_HITTEST, 0,
            kPtr, H(kItem1), TRUE,
            AT(TVHITTESTINFO, EXPECT_EQ(CPoint(p.pt), CPoint(7, 9)); p.flags = TVHT_ONITEMLABEL; return H(kItem1);)),
        R(CALL(CTreeCtrl, c.SetBkColor(RGB(10, 20, 30))), TVM_SETBKCOLOR, 0, RGB(10, 20, 30), static_cast<LRESULT>(-1),
            static_cast<COLORREF>(-1)),
        R(CALL(CTreeCtrl, c.GetCheck(kItem1)), TVM_GETITEM, 0, kPtr, 0, TRUE,
            AT(TVITEM, EXPECT_EQ(p.stateMask, UINT{TVIS_STATEIMAGEMASK}); p.state = INDEXTOSTATEIMAGEMASK(2); return TRUE;)),
        R(CALL(CTreeCtrl, c.SetCheck(kItem1, FALSE)), TVM_SETITEM, 0, kPtr, TRUE, TRUE,
            AT(TVITEM,
                EXPECT_EQ(p.state, UINT{INDEXTOSTATEIMAGEMASK(1)}); EXPECT_EQ(p.stateMask, UINT{TVIS_STATEIMAGEMASK});
                return TRUE;)),
        R(CALL(CTabCtrl, c.InsertItem(0, _T("General"))), TCM_INSERTITEM, 0, kPtr, 0, 0,
            AT(TCITEM, EXPECT_EQ(p.mask, UINT{TCIF_TEXT}); EXPECT_STREQ(p.pszText, _T("General")); return 0;)),
        R(CALL(CTabCtrl, c.InsertItem(1, _T("高级"), 2)), TCM_INSERTITEM, 1, kPtr, 1, 1,
            AT(TCITEM, EXPECT_EQ(p.mask, UINT{TCIF_TEXT | TCIF_IMAGE}); EXPECT_EQ(p.iImage, 2); return 1;)),
        R(CALL(CTabCtrl, c.InsertItem(TCIF_TEXT | TCIF_PARAM, 1, _T("Middle"), 0, 0x42)), TCM_INSERTITEM, 1, kPtr, 1, 1,
            AT(TCITEM, EXPECT_EQ(p.mask, UINT{TCIF_TEXT | TCIF_PARAM}); EXPECT_EQ(p.lParam, 0x42); return 1;)),
        R(CALL(CTabCtrl, c.SetItemSize(CSize(60, 20)) == CSize(80, 24)), TCM_SETITEMSIZE, 0, MAKELPARAM(60, 20), MAKELONG(80, 24),
            TRUE),
        R(CALL(CTabCtrl, c.GetItemState(1, TCIS_HIGHLIGHTED)), TCM_GETITEM, 1, kPtr, 0, TCIS_HIGHLIGHTED,
            AT(TCITEM, EXPECT_EQ(p.mask, UINT{TCIF_STATE}); p.dwState = TCIS_HIGHLIGHTED | TCIS_BUTTONPRESSED; return TRUE;)),
    });
    // clang-format on
}

// Answers that are handles come back as the objects of those handles: the permanent object when there
// is one, a temporary one otherwise, none for NULL.
TEST(CtrlWrapperTable, HandleAnswersBecomeObjects) {
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 1, 1));
    HIMAGELIST hRaw = ::ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
    CWnd buddy;
    ASSERT_TRUE(buddy.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 5, 5, nullptr, nullptr));
    HWND hRawWnd =
        ::CreateWindow(_T("STATIC"), _T(""), WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);

    // An image list call (its answers the list's handle, another one's or none) or a window call.
    struct Case {
        const char* call;
        UINT message;
        WPARAM wParam;
        bool bList;
        std::function<CObject*(HWND)> run;
    };
    // clang-format off
#define OBJ(T, ...) [&](HWND hWnd) -> CObject* { \
        T c; c.m_hWnd = hWnd; CObject* r = (__VA_ARGS__); c.m_hWnd = nullptr; return r; }
    const Case cases[] = {
        {"CListCtrl::SetImageList", LVM_SETIMAGELIST, LVSIL_SMALL, true, OBJ(CListCtrl, c.SetImageList(&images, LVSIL_SMALL))},
        {"CListCtrl::GetImageList", LVM_GETIMAGELIST, LVSIL_STATE, true, OBJ(CListCtrl, c.GetImageList(LVSIL_STATE))},
        {"CTreeCtrl::SetImageList", TVM_SETIMAGELIST, TVSIL_NORMAL, true, OBJ(CTreeCtrl, c.SetImageList(&images, TVSIL_NORMAL))},
        {"CTreeCtrl::GetImageList", TVM_GETIMAGELIST, TVSIL_STATE, true, OBJ(CTreeCtrl, c.GetImageList(TVSIL_STATE))},
        {"CSpinButtonCtrl::SetBuddy", UDM_SETBUDDY, kPtr, false, OBJ(CSpinButtonCtrl, c.SetBuddy(&buddy))},
        {"CSpinButtonCtrl::GetBuddy", UDM_GETBUDDY, 0, false, OBJ(CSpinButtonCtrl, c.GetBuddy())},
        {"CSliderCtrl::GetBuddy", TBM_GETBUDDY, TRUE, false, OBJ(CSliderCtrl, c.GetBuddy())},
        {"CListCtrl::EditLabel", LVM_EDITLABEL, 3, false, OBJ(CListCtrl, c.EditLabel(3))},
        {"CTreeCtrl::EditLabel", TVM_EDITLABEL, 0, false, OBJ(CTreeCtrl, c.EditLabel(kItem1))},
        {"CDateTimeCtrl::GetMonthCalCtrl", DTM_GETMONTHCAL, 0, false, OBJ(CDateTimeCtrl, c.GetMonthCalCtrl())},
    };
    // clang-format on
#undef OBJ
    Recorder recorder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        CObject* const pPermanent = c.bList ? static_cast<CObject*>(&images) : &buddy;
        const LRESULT hPermanent = c.bList ? H(images.m_hImageList) : H(buddy.m_hWnd);
        const LRESULT hOther = c.bList ? H(hRaw) : H(hRawWnd);
        recorder.Expect(hPermanent);
        EXPECT_EQ(c.run(recorder.m_hWnd), pPermanent);
        ASSERT_EQ(recorder.m_sent.size(), 1u);
        EXPECT_EQ(recorder.m_sent[0].message, c.message);
        if (c.wParam != static_cast<WPARAM>(kPtr)) {
            EXPECT_EQ(recorder.m_sent[0].wParam, c.wParam);
        }
        recorder.Expect(hOther);
        CObject* pTemp = c.run(recorder.m_hWnd);
        ASSERT_NE(pTemp, nullptr);
        EXPECT_EQ(c.bList ? H(static_cast<CImageList*>(pTemp)->m_hImageList)
                          : H(static_cast<CWnd*>(pTemp)->m_hWnd),
                  hOther);
        EXPECT_EQ(CImageList::FromHandlePermanent(hRaw), nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(hRawWnd), nullptr);
        recorder.Expect(0);
        EXPECT_EQ(c.run(recorder.m_hWnd), nullptr);
    }
    // The handle passed in is the object's.
    recorder.Expect(0);
    CSpinButtonCtrl spin;
    spin.m_hWnd = recorder.m_hWnd;
    spin.SetBuddy(&buddy);
    spin.SetBuddy(nullptr);
    spin.m_hWnd = nullptr;
    ASSERT_EQ(recorder.m_sent.size(), 2u);
    EXPECT_EQ(recorder.m_sent[0].wParam, reinterpret_cast<WPARAM>(buddy.m_hWnd));
    EXPECT_EQ(recorder.m_sent[1].wParam, 0u);
    AfxLockTempMaps();
    AfxUnlockTempMaps();
    ::ImageList_Destroy(hRaw);
    ::DestroyWindow(hRawWnd);
}

// Texts of unknown length: the buffer grows until the whole text fits; a cut text never ends inside a
// double-byte character.
TEST(CtrlWrapperTable, ItemTextsOfAnyLengthComeBackWhole) {
    CString strLong;
    for (int i = 0; i < 150; ++i)
        strLong += _T("abcd");  // 600 characters: past the first buffer size
    static LPCTSTR s_pszText;
    s_pszText = strLong;
    // Copies as much as fits with a terminator, as the controls do, and answers the characters copied.
    auto copy = [](LPTSTR pszBuf, int cchMax) -> int {
        const int n = std::min(::lstrlen(s_pszText), cchMax - 1);
        ::CopyMemory(pszBuf, s_pszText, n * sizeof(TCHAR));
        pszBuf[n] = 0;
        return n;
    };
    Recorder recorder;
    for (LPCTSTR pszText : {strLong.GetString(), _T("short"), _T("")}) {
        s_pszText = pszText;
        recorder.Expect(0, [&](UINT, WPARAM, LPARAM l) -> LRESULT {
            LVITEM& item = *At<LVITEM>(l);
            EXPECT_EQ(item.iSubItem, 2);
            return copy(item.pszText, item.cchTextMax);
        });
        CListCtrl list;
        list.m_hWnd = recorder.m_hWnd;
        EXPECT_EQ(list.GetItemText(1, 2), pszText);
        EXPECT_EQ(recorder.m_sent.back().wParam, 1u);
        EXPECT_EQ(recorder.m_sent.size(), ::lstrlen(pszText) < 255 ? 1u : 3u);  // 256, 512, 1024
        recorder.Expect(0, [&](UINT, WPARAM, LPARAM l) -> LRESULT {
            TVITEM& item = *At<TVITEM>(l);
            EXPECT_EQ(item.hItem, kItem1);
            return copy(item.pszText, item.cchTextMax) >= 0;
        });
        CTreeCtrl tree;
        tree.m_hWnd = recorder.m_hWnd;
        EXPECT_EQ(tree.GetItemText(kItem1), pszText);
        list.m_hWnd = tree.m_hWnd = nullptr;
    }

    // A control that fills a short buffer without a terminator: cut to whole characters.
    struct Cut {
        LPCTSTR filled;
        LPCTSTR expected;
    };
#ifdef _UNICODE
    const Cut cuts[] = {{_T("r0c2"), _T("r0c")}, {_T("大小xy"), _T("大小x")}};
#else
    const Cut cuts[] = {{_T("r0c2"), _T("r0c")}, {_T("大小"), _T("大")}};  // three bytes hold one character
#endif
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.expected);
        s_pszText = cut.filled;
        recorder.Expect(0, [](UINT, WPARAM, LPARAM l) -> LRESULT {
            ::CopyMemory(At<LVITEM>(l)->pszText, s_pszText, 4 * sizeof(TCHAR));
            return 4;
        });
        CListCtrl list;
        list.m_hWnd = recorder.m_hWnd;
        TCHAR buf[4];
        EXPECT_EQ(list.GetItemText(0, 2, buf, 4), ::lstrlen(cut.expected));
        EXPECT_STREQ(buf, cut.expected);
        list.m_hWnd = nullptr;
    }
}
