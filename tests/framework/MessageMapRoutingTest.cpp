// Message-map routing: base-class chaining and Default(), ON_MESSAGE and registered messages, command
// and notification entries, and reflection of control notifications to the control (and on to the
// parent when the control declines).
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT WM_TEST_BASE = WM_APP + 1;
const UINT WM_TEST_DERIVED = WM_APP + 2;
const UINT WM_TEST_UNHANDLED = WM_APP + 3;
const UINT WM_TEST_NESTED = WM_APP + 4;
const UINT WM_TEST_DEFAULT = WM_APP + 5;

// ---- A raw window procedure underneath the message map ----

struct RawCall {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const RawCall& o) const {
        return message == o.message && wParam == o.wParam && lParam == o.lParam;
    }
};
using Calls = std::vector<CString>;
using RawCalls = std::vector<RawCall>;
std::vector<RawCall> g_rawCalls;

LRESULT CALLBACK RawProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_APP || message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) {
        g_rawCalls.push_back({message, wParam, lParam});
        return 1000 + static_cast<LRESULT>(message - WM_APP);
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

HWND CreateRawWindow(HWND hWndParent = nullptr) {
    static const TCHAR kClass[] = _T("RIZTestRawRouting");
    WNDCLASS wc = {};
    wc.lpfnWndProc = &RawProc;
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.lpszClassName = kClass;
    AfxRegisterClass(&wc);
    return ::CreateWindow(kClass, _T(""), hWndParent ? WS_CHILD : WS_POPUP, 0, 0, 50, 50, hWndParent, nullptr,
                          ::GetModuleHandle(nullptr), nullptr);
}

// ---- Base and derived maps ----

class CBaseRouting : public CWnd {
public:
    std::vector<CString> m_calls;

protected:
    afx_msg void OnLButtonDown(UINT, CPoint) { m_calls.push_back(_T("base:lbuttondown")); }
    afx_msg LRESULT OnTestBase(WPARAM w, LPARAM) {
        m_calls.push_back(_T("base:testbase"));
        return static_cast<LRESULT>(w) * 2;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseRouting, CWnd)
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_TEST_BASE, &CBaseRouting::OnTestBase)
END_MESSAGE_MAP()

UINT g_nRegisteredMessage = ::RegisterWindowMessage(_T("RIZTestRoutingRegistered"));

class CDerivedRouting : public CBaseRouting {
public:
    const MSG* m_pMsgSeen = nullptr;
    MSG m_msgSeen = {};

protected:
    afx_msg void OnRButtonDown(UINT, CPoint) {
        m_calls.push_back(_T("derived:rbuttondown"));
        Default();  // the original procedure gets the message too
    }
    afx_msg LRESULT OnTestDerived(WPARAM, LPARAM) {
        m_calls.push_back(_T("derived:testderived"));
        return 7;
    }
    afx_msg LRESULT OnRegistered(WPARAM w, LPARAM l) {
        m_calls.push_back(_T("derived:registered"));
        return static_cast<LRESULT>(w + l);
    }
    // Sends another message to itself, then defers to Default(): the original procedure must get this
    // message, not the nested one.
    afx_msg LRESULT OnNested(WPARAM, LPARAM) {
        SendMessage(WM_TEST_DERIVED, 1, 2);
        m_pMsgSeen = GetCurrentMessage();
        m_msgSeen = *m_pMsgSeen;
        return Default();
    }
    afx_msg LRESULT OnDefault(WPARAM, LPARAM) { return Default() + 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedRouting, CBaseRouting)
ON_WM_RBUTTONDOWN()
ON_MESSAGE(WM_TEST_DERIVED, &CDerivedRouting::OnTestDerived)
ON_REGISTERED_MESSAGE(g_nRegisteredMessage, &CDerivedRouting::OnRegistered)
ON_MESSAGE(WM_TEST_NESTED, &CDerivedRouting::OnNested)
ON_MESSAGE(WM_TEST_DEFAULT, &CDerivedRouting::OnDefault)
END_MESSAGE_MAP()

class MessageMapRouting : public ::testing::Test {
protected:
    void SetUp() override {
        g_rawCalls.clear();
        m_hRaw = CreateRawWindow();
        ASSERT_TRUE(m_wnd.SubclassWindow(m_hRaw));
    }
    void TearDown() override {
        if (m_wnd.m_hWnd) m_wnd.DestroyWindow();
    }
    HWND m_hRaw = nullptr;
    CDerivedRouting m_wnd;
};

TEST_F(MessageMapRouting, HandlerMissingInDerivedMapIsFoundInBaseMapAndOneInNoMapGoesToTheOriginalProcedure) {
    ::SendMessage(m_hRaw, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(::SendMessage(m_hRaw, WM_TEST_BASE, 21, 0), 42);
    EXPECT_EQ(m_wnd.m_calls, (Calls{_T("base:lbuttondown"), _T("base:testbase")}));
    EXPECT_TRUE(g_rawCalls.empty());  // handled: the original procedure never saw them

    // A message in no map goes to the original procedure.
    m_wnd.m_calls.clear();
    EXPECT_EQ(::SendMessage(m_hRaw, WM_TEST_UNHANDLED, 5, 6), 1003);
    EXPECT_EQ(g_rawCalls, (RawCalls{{WM_TEST_UNHANDLED, 5, 6}}));
    EXPECT_TRUE(m_wnd.m_calls.empty());
}

TEST_F(MessageMapRouting, DefaultPassesTheCurrentMessageAndItsResultAlsoAfterANestedMessage) {
    ::SendMessage(m_hRaw, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
    EXPECT_EQ(g_rawCalls, (RawCalls{{WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4)}}));
    g_rawCalls.clear();
    EXPECT_EQ(::SendMessage(m_hRaw, WM_TEST_DEFAULT, 8, 9), 1005 + 1);

    // A nested message does not change the message Default passes.
    g_rawCalls.clear();
    EXPECT_EQ(::SendMessage(m_hRaw, WM_TEST_NESTED, 11, 12), 1004);
    EXPECT_EQ(g_rawCalls, (RawCalls{{WM_TEST_NESTED, 11, 12}}));
    EXPECT_EQ(m_wnd.m_msgSeen.message, WM_TEST_NESTED);
    EXPECT_EQ(m_wnd.m_msgSeen.hwnd, m_hRaw);
    EXPECT_EQ(m_wnd.m_calls.back(), _T("derived:testderived"));
}

TEST_F(MessageMapRouting, RegisteredMessageReachesItsEntry) {
    ASSERT_GE(g_nRegisteredMessage, 0xC000u);
    EXPECT_EQ(::SendMessage(m_hRaw, g_nRegisteredMessage, 30, 12), 42);
    // Another registered message is not taken for it.
    ::SendMessage(m_hRaw, ::RegisterWindowMessage(_T("RIZTestRoutingOther")), 0, 0);
    EXPECT_EQ(m_wnd.m_calls, Calls{_T("derived:registered")});
}

// A message map of a class template.
template <typename T>
class CTemplateRouting : public CWnd {
public:
    T m_value = T();

protected:
    afx_msg LRESULT OnSet(WPARAM wParam, LPARAM) {
        m_value = static_cast<T>(wParam);
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CTemplateRouting, T, CWnd)
ON_MESSAGE(WM_TEST_BASE, &CTemplateRouting<T>::OnSet)
END_MESSAGE_MAP()

TEST(MessageMapTemplate, TemplateClassMapDispatches) {
    CTemplateRouting<short> wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(wnd.SendMessage(WM_TEST_BASE, 12), 1);
    EXPECT_EQ(wnd.m_value, 12);
}

// ---- Commands and notifications ----

const UINT ID_PLAIN = 100;
const UINT ID_DISABLED = 101;
const UINT ID_RANGE_FIRST = 110;
const UINT ID_RANGE_LAST = 119;
const UINT ID_EX_DECLINES = 120;
const UINT ID_CHILD = 200;
const UINT ID_NOTIFY_FIRST = 300;
const UINT ID_NOTIFY_LAST = 309;

class CCommandWnd : public CWnd {
public:
    std::vector<CString> m_calls;
    UINT m_nLastID = 0;

protected:
    afx_msg void OnPlain() { m_calls.push_back(_T("plain")); }
    afx_msg void OnDisabled() { m_calls.push_back(_T("disabled")); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnRange(UINT nID) {
        m_calls.push_back(_T("range"));
        m_nLastID = nID;
    }
    afx_msg BOOL OnExDeclines(UINT nID) {
        m_calls.push_back(_T("ex"));
        m_nLastID = nID;
        return FALSE;
    }
    afx_msg void OnChildClicked() { m_calls.push_back(_T("child:clicked")); }
    afx_msg void OnChildChangeRange(UINT nID) {
        m_calls.push_back(_T("child:change"));
        m_nLastID = nID;
    }
    afx_msg void OnChildNmClick(NMHDR* pNMHDR, LRESULT* pResult) {
        m_calls.push_back(_T("child:nmclick"));
        m_nLastID = static_cast<UINT>(pNMHDR->idFrom);
        *pResult = 42;
    }
    afx_msg void OnNotifyRange(UINT nID, NMHDR*, LRESULT* pResult) {
        m_calls.push_back(_T("notify:range"));
        m_nLastID = nID;
        *pResult = 43;
    }
    afx_msg BOOL OnNotifyExDeclines(UINT, NMHDR*, LRESULT* pResult) {
        m_calls.push_back(_T("notify:ex"));
        *pResult = 99;
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
ON_COMMAND(ID_PLAIN, &CCommandWnd::OnPlain)
ON_COMMAND(ID_DISABLED, &CCommandWnd::OnDisabled)
ON_UPDATE_COMMAND_UI(ID_DISABLED, &CCommandWnd::OnUpdateDisabled)
ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, &CCommandWnd::OnRange)
ON_COMMAND_EX(ID_EX_DECLINES, &CCommandWnd::OnExDeclines)
ON_BN_CLICKED(ID_CHILD, &CCommandWnd::OnChildClicked)
ON_CONTROL_RANGE(EN_CHANGE, ID_CHILD, ID_CHILD + 5, &CCommandWnd::OnChildChangeRange)
ON_NOTIFY(NM_CLICK, ID_CHILD, &CCommandWnd::OnChildNmClick)
ON_NOTIFY_RANGE(NM_DBLCLK, ID_NOTIFY_FIRST, ID_NOTIFY_LAST, &CCommandWnd::OnNotifyRange)
ON_NOTIFY_EX(NM_RCLICK, ID_CHILD, &CCommandWnd::OnNotifyExDeclines)
END_MESSAGE_MAP()

class MessageMapCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), _T("commands"), WS_POPUP, 0, 0, 200, 100,
                                      nullptr, nullptr));
        m_hChild =
            ::CreateWindow(_T("BUTTON"), _T("child"), WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 20, m_parent.m_hWnd,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_CHILD)), nullptr, nullptr);
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    LRESULT Command(UINT nID, UINT nCode = 0, HWND hWndCtrl = nullptr) {
        return m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(hWndCtrl));
    }
    LRESULT Notify(UINT nID, UINT nCode, HWND hWndFrom) {
        NMHDR nm = {hWndFrom, nID, nCode};
        return m_parent.SendMessage(WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&nm));
    }

    CCommandWnd m_parent;
    HWND m_hChild = nullptr;
};

TEST_F(MessageMapCommands, MenuCommandsReachTheirEntriesUnlessDisabled) {
    EXPECT_EQ(Command(ID_PLAIN), 1);
    EXPECT_EQ(Command(ID_RANGE_FIRST + 4), 1);
    EXPECT_EQ(Command(ID_RANGE_LAST + 2), 0);  // outside the range, no handler
    EXPECT_EQ(m_parent.m_nLastID, ID_RANGE_FIRST + 4);
    EXPECT_EQ(Command(ID_DISABLED), 1);  // disabled by its update handler: eaten
    EXPECT_EQ(m_parent.m_calls, (Calls{_T("plain"), _T("range")}));
}

TEST_F(MessageMapCommands, CommandExReturningFalseAndAHandlerInfoQueryAreNotHandled) {
    // A handler-info query finds the handler without calling it.
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(m_parent.OnCmdMsg(ID_PLAIN, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &m_parent);
    EXPECT_FALSE(m_parent.OnCmdMsg(ID_PLAIN + 50, CN_COMMAND, nullptr, &info));
    EXPECT_TRUE(m_parent.m_calls.empty());

    EXPECT_FALSE(m_parent.OnCmdMsg(ID_EX_DECLINES, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(m_parent.m_calls, Calls{_T("ex")});
    EXPECT_EQ(m_parent.m_nLastID, ID_EX_DECLINES);
}

TEST_F(MessageMapCommands, ControlNotificationsClicksAndNotifyEntriesReachTheirHandlersWithTheirResult) {
    Command(ID_CHILD, BN_CLICKED, m_hChild);
    Command(ID_CHILD, EN_CHANGE, m_hChild);
    EXPECT_EQ(m_parent.m_nLastID, ID_CHILD);
    ::SendMessage(m_hChild, BM_CLICK, 0, 0);  // a real click arrives as BN_CLICKED
    EXPECT_EQ(m_parent.m_calls, (Calls{_T("child:clicked"), _T("child:change"), _T("child:clicked")}));

    m_parent.m_calls.clear();
    EXPECT_EQ(Notify(ID_CHILD, NM_CLICK, m_hChild), 42);
    EXPECT_EQ(m_parent.m_nLastID, ID_CHILD);
    EXPECT_EQ(Notify(ID_NOTIFY_FIRST + 3, NM_DBLCLK, m_hChild), 43);
    EXPECT_EQ(m_parent.m_nLastID, ID_NOTIFY_FIRST + 3);
    // An _EX handler that declines leaves the message unhandled: the default answer comes back.
    EXPECT_EQ(Notify(ID_CHILD, NM_RCLICK, m_hChild), 0);
    EXPECT_EQ(Notify(ID_CHILD, NM_RETURN, m_hChild), 0);  // no entry
    EXPECT_EQ(m_parent.m_calls, (Calls{_T("child:nmclick"), _T("notify:range"), _T("notify:ex")}));
}

// ---- Reflection ----

class CReflectingChild : public CWnd {
public:
    BOOL m_bHandle = TRUE;  // what the _EX handlers answer
    std::vector<CString> m_calls;
    HBRUSH m_hbrReflect = nullptr;

protected:
    afx_msg BOOL OnReflectClicked() {
        m_calls.push_back(_T("reflect:clicked"));
        return m_bHandle;
    }
    afx_msg void OnReflectSetFocus() { m_calls.push_back(_T("reflect:setfocus")); }
    afx_msg void OnReflectClick(NMHDR*, LRESULT* pResult) {
        m_calls.push_back(_T("reflect:nmclick"));
        *pResult = 7;
    }
    afx_msg BOOL OnReflectRClick(NMHDR*, LRESULT* pResult) {
        m_calls.push_back(_T("reflect:nmrclick"));
        *pResult = 8;
        return m_bHandle;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor) {
        m_calls.push_back(nCtlColor == CTLCOLOR_BTN ? _T("reflect:ctlcolor-btn") : _T("reflect:ctlcolor"));
        return m_hbrReflect;
    }
    afx_msg void HScroll(UINT nSBCode, UINT nPos) {
        CString s;
        s.Format(_T("reflect:hscroll %u %u"), nSBCode, nPos);
        m_calls.push_back(s);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CReflectingChild::OnReflectClicked)
ON_CONTROL_REFLECT(BN_SETFOCUS, &CReflectingChild::OnReflectSetFocus)
ON_NOTIFY_REFLECT(NM_CLICK, &CReflectingChild::OnReflectClick)
ON_NOTIFY_REFLECT_EX(NM_RCLICK, &CReflectingChild::OnReflectRClick)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

class CParentOfReflecting : public CWnd {
public:
    std::vector<CString> m_calls;

protected:
    afx_msg void OnClicked() { m_calls.push_back(_T("parent:clicked")); }
    afx_msg void OnSetFocusChild() { m_calls.push_back(_T("parent:setfocus")); }
    afx_msg void OnRClick(NMHDR*, LRESULT* pResult) {
        m_calls.push_back(_T("parent:nmrclick"));
        *pResult = 9;
    }
    afx_msg void OnClick(NMHDR*, LRESULT*) { m_calls.push_back(_T("parent:nmclick")); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentOfReflecting, CWnd)
ON_BN_CLICKED(ID_CHILD, &CParentOfReflecting::OnClicked)
ON_BN_SETFOCUS(ID_CHILD, &CParentOfReflecting::OnSetFocusChild)
ON_NOTIFY(NM_RCLICK, ID_CHILD, &CParentOfReflecting::OnRClick)
ON_NOTIFY(NM_CLICK, ID_CHILD, &CParentOfReflecting::OnClick)
END_MESSAGE_MAP()

class MessageMapReflection : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), _T("parent"), WS_POPUP, 0, 0, 200, 100,
                                      nullptr, nullptr));
        ASSERT_TRUE(m_child.Create(_T("BUTTON"), _T("child"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                   CRect(0, 0, 60, 20), &m_parent, ID_CHILD));
        m_hDC = ::CreateCompatibleDC(nullptr);
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        ::DeleteDC(m_hDC);
    }
    LRESULT Notify(UINT nCode) {
        NMHDR nm = {m_child.m_hWnd, ID_CHILD, nCode};
        return m_parent.SendMessage(WM_NOTIFY, ID_CHILD, reinterpret_cast<LPARAM>(&nm));
    }
    CParentOfReflecting m_parent;
    CReflectingChild m_child;
    HDC m_hDC = nullptr;
};

TEST_F(MessageMapReflection, ControlThatHandlesItsNotificationKeepsItFromTheParentElseShares) {
    m_child.m_bHandle = TRUE;
    ::SendMessage(m_child.m_hWnd, BM_CLICK, 0, 0);
    EXPECT_EQ(m_child.m_calls, Calls{_T("reflect:clicked")});
    EXPECT_TRUE(m_parent.m_calls.empty());
    // A control that declines lets the parent handle it too.
    m_child.m_bHandle = FALSE;
    ::SendMessage(m_child.m_hWnd, BM_CLICK, 0, 0);
    EXPECT_EQ(m_child.m_calls, (Calls{_T("reflect:clicked"), _T("reflect:clicked")}));
    EXPECT_EQ(m_parent.m_calls, Calls{_T("parent:clicked")});
}

TEST_F(MessageMapReflection, PlainReflectEntryAlwaysKeepsTheNotificationAndScrollingIsReflectedToo) {
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CHILD, BN_SETFOCUS),
                         reinterpret_cast<LPARAM>(m_child.m_hWnd));
    m_parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 77),
                         reinterpret_cast<LPARAM>(m_child.m_hWnd));
    EXPECT_EQ(m_child.m_calls, (Calls{_T("reflect:setfocus"), _T("reflect:hscroll 4 77")}));
    EXPECT_TRUE(m_parent.m_calls.empty());
}

TEST_F(MessageMapReflection, NotifyReflectionSetsTheResultAndExDeclineReachesTheParent) {
    EXPECT_EQ(Notify(NM_CLICK), 7);
    EXPECT_TRUE(m_parent.m_calls.empty());

    m_child.m_bHandle = TRUE;
    EXPECT_EQ(Notify(NM_RCLICK), 8);
    EXPECT_TRUE(m_parent.m_calls.empty());

    m_child.m_bHandle = FALSE;
    EXPECT_EQ(Notify(NM_RCLICK), 9);  // the parent's handler had the last word
    EXPECT_EQ(m_parent.m_calls, Calls{_T("parent:nmrclick")});
}

TEST_F(MessageMapReflection, ReflectedBrushWinsNullBrushFallsBackAndAControlAskingItselfIsAnswered) {
    const HBRUSH hbrChild = reinterpret_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH));
    m_child.m_hbrReflect = hbrChild;
    LRESULT lResult = m_parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(m_hDC),
                                           reinterpret_cast<LPARAM>(m_child.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(lResult), hbrChild);
    EXPECT_EQ(m_child.m_calls, Calls{_T("reflect:ctlcolor-btn")});

    // Without the control's brush the parent's default answers: the system's brush for buttons.
    m_child.m_hbrReflect = nullptr;
    lResult = m_parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(m_hDC),
                                   reinterpret_cast<LPARAM>(m_child.m_hWnd));
    const LRESULT lDefault = ::DefWindowProc(m_parent.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(m_hDC),
                                             reinterpret_cast<LPARAM>(m_child.m_hWnd));
    EXPECT_EQ(lResult, lDefault);
    EXPECT_NE(reinterpret_cast<HBRUSH>(lResult), hbrChild);

    // A control asking itself for colours reaches its reflected handler.
    m_child.m_calls.clear();
    m_child.m_hbrReflect = hbrChild;
    lResult = m_child.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(m_hDC),
                                  reinterpret_cast<LPARAM>(m_child.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(lResult), hbrChild);
    EXPECT_EQ(m_child.m_calls, Calls{_T("reflect:ctlcolor")});
    EXPECT_TRUE(m_parent.m_calls.empty());

    // Without a brush of its own the control's class procedure answers, once.
    m_child.m_calls.clear();
    m_child.m_hbrReflect = nullptr;
    lResult = m_child.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(m_hDC),
                                  reinterpret_cast<LPARAM>(m_child.m_hWnd));
    EXPECT_NE(reinterpret_cast<HBRUSH>(lResult), hbrChild);
    EXPECT_EQ(m_child.m_calls, Calls{_T("reflect:ctlcolor")});
}

// ---- Owner draw: the reflection entries, during creation (the wrappers' virtuals are in CtrlStdTest) ----

class COwnerDrawList : public CWnd {
public:
    int m_nMeasures = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
        ++m_nMeasures;
        lpMIS->itemHeight = 31;
    }
    void DrawItem(LPDRAWITEMSTRUCT) {}

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawList, CWnd)
ON_WM_MEASUREITEM_REFLECT()
ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

TEST(MessageMapOwnerDraw, MeasureItemDuringCreationReachesTheNewControl) {
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), _T("owner"), WS_POPUP, 0, 0, 120, 200, nullptr, nullptr));
    COwnerDrawList list;
    ASSERT_TRUE(list.Create(_T("LISTBOX"), nullptr,
                            WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                            CRect(0, 0, 100, 150), &parent, 13));
    EXPECT_GE(list.m_nMeasures, 1);
    EXPECT_EQ(list.SendMessage(LB_GETITEMHEIGHT, 0, 0), 31);
    parent.DestroyWindow();
}

}  // namespace
