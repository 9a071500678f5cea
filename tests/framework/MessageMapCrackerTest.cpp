// Message crackers: every ON_WM_* entry hands its handler the documented parameters, taken apart from
// the real message, and the handler's answer reaches the caller of SendMessage.
//
// Each family below is one list of X(entry, answer type, handler, parameters, what the handler records,
// wParam, lParam, what it must record, what SendMessage must answer). The same list makes the handlers
// of CCrackerWnd, its message-map entries and the rows of the family's test.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace {

const HBRUSH kCtlBrush = reinterpret_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
const HCURSOR kDragIcon = ::LoadCursor(nullptr, IDC_CROSS);
constexpr UINT WM_HELPINFO = WM_HELP;  // the message of ON_WM_HELPINFO
constexpr WPARAM kKeys = MK_LBUTTON | MK_SHIFT;
constexpr LPARAM kKeyData = MAKELPARAM(3, 0x401E);
// Timer IDs are pointer-sized: a value above 32 bits must arrive intact.
constexpr UINT_PTR kTimerId = (static_cast<UINT_PTR>(0x12) << 32) | 0x345;

INT_PTR H(const void* p) {
    return reinterpret_cast<INT_PTR>(p);
}
template <class T>
INT_PTR HW(T* pWnd) {
    return H(reinterpret_cast<CWnd*>(pWnd)->GetSafeHwnd());
}
template <class T>
WPARAM W(T p) {
    return reinterpret_cast<WPARAM>(p);
}
template <class T>
LPARAM L(T p) {
    return reinterpret_cast<LPARAM>(p);
}
constexpr LPARAM Pt(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}
// What a handler of answer type R gives back for the row's expected result.
template <class R>
R Answer(LRESULT r) {
    if constexpr (std::is_pointer_v<R>)
        return reinterpret_cast<R>(r);
    else if constexpr (!std::is_void_v<R>)
        return static_cast<R>(r);
}
#define UNPAREN(...) __VA_ARGS__

// clang-format off
// Flags and a signed client point; extra buttons and wheels answer TRUE once handled.
#define MOUSE_CRACKERS(X) \
    X(MOUSEMOVE, void, OnMouseMove, (UINT f, CPoint p), (f, p.x, p.y), kKeys, Pt(-5, 7), (kKeys, -5, 7), 0) \
    X(LBUTTONDOWN, void, OnLButtonDown, (UINT f, CPoint p), (f, p.x, p.y), kKeys, Pt(10, -20), (kKeys, 10, -20), 0) \
    X(LBUTTONUP, void, OnLButtonUp, (UINT f, CPoint p), (f, p.x, p.y), 0, Pt(1, 2), (0, 1, 2), 0) \
    X(LBUTTONDBLCLK, void, OnLButtonDblClk, (UINT f, CPoint p), (f, p.x, p.y), MK_LBUTTON, Pt(3, 4), (MK_LBUTTON, 3, 4), 0) \
    X(RBUTTONDOWN, void, OnRButtonDown, (UINT f, CPoint p), (f, p.x, p.y), MK_RBUTTON, Pt(30, 40), (MK_RBUTTON, 30, 40), 0) \
    X(RBUTTONUP, void, OnRButtonUp, (UINT f, CPoint p), (f, p.x, p.y), MK_CONTROL, Pt(31, 41), (MK_CONTROL, 31, 41), 0) \
    X(RBUTTONDBLCLK, void, OnRButtonDblClk, (UINT f, CPoint p), (f, p.x, p.y), 0, Pt(32, 42), (0, 32, 42), 0) \
    X(MBUTTONDOWN, void, OnMButtonDown, (UINT f, CPoint p), (f, p.x, p.y), MK_MBUTTON, Pt(5, 6), (MK_MBUTTON, 5, 6), 0) \
    X(MBUTTONUP, void, OnMButtonUp, (UINT f, CPoint p), (f, p.x, p.y), 0, Pt(7, 8), (0, 7, 8), 0) \
    X(MBUTTONDBLCLK, void, OnMButtonDblClk, (UINT f, CPoint p), (f, p.x, p.y), 0, Pt(9, 10), (0, 9, 10), 0) \
    X(MOUSEHOVER, void, OnMouseHover, (UINT f, CPoint p), (f, p.x, p.y), MK_SHIFT, Pt(11, 12), (MK_SHIFT, 11, 12), 0) \
    X(MOUSELEAVE, void, OnMouseLeave, (), (), 0, 0, (), 0) \
    X(XBUTTONDOWN, void, OnXButtonDown, (UINT f, UINT b, CPoint p), (f, b, p.x, p.y), \
      MAKEWPARAM(MK_XBUTTON2, XBUTTON2), Pt(-1, -2), (MK_XBUTTON2, XBUTTON2, -1, -2), TRUE) \
    X(MOUSEWHEEL, BOOL, OnMouseWheel, (UINT f, short z, CPoint p), (f, z, p.x, p.y), \
      MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-240)), Pt(-100, 300), (MK_CONTROL, -240, -100, 300), TRUE) \
    X(MOUSEHWHEEL, void, OnMouseHWheel, (UINT f, short z, CPoint p), (f, z, p.x, p.y), MAKEWPARAM(0, 120), Pt(5, 5), \
      (0, 120, 5, 5), 0)

// The hit-test code and a screen point; the code OnNcHitTest answers is what the system gets.
#define NC_MOUSE_CRACKERS(X) \
    X(NCMOUSEMOVE, void, OnNcMouseMove, (UINT h, CPoint p), (h, p.x, p.y), HTCAPTION, Pt(100, 200), (HTCAPTION, 100, 200), 0) \
    X(NCLBUTTONDOWN, void, OnNcLButtonDown, (UINT h, CPoint p), (h, p.x, p.y), HTLEFT, Pt(-50, 20), (HTLEFT, -50, 20), 0) \
    X(NCLBUTTONUP, void, OnNcLButtonUp, (UINT h, CPoint p), (h, p.x, p.y), HTRIGHT, Pt(1, 1), (HTRIGHT, 1, 1), 0) \
    X(NCLBUTTONDBLCLK, void, OnNcLButtonDblClk, (UINT h, CPoint p), (h, p.x, p.y), HTCAPTION, Pt(2, 2), (HTCAPTION, 2, 2), 0) \
    X(NCRBUTTONDOWN, void, OnNcRButtonDown, (UINT h, CPoint p), (h, p.x, p.y), HTSYSMENU, Pt(3, 3), (HTSYSMENU, 3, 3), 0) \
    X(NCRBUTTONUP, void, OnNcRButtonUp, (UINT h, CPoint p), (h, p.x, p.y), HTCAPTION, Pt(4, 4), (HTCAPTION, 4, 4), 0) \
    X(NCMOUSELEAVE, void, OnNcMouseLeave, (), (), 0, 0, (), 0) \
    X(NCHITTEST, LRESULT, OnNcHitTest, (CPoint p), (p.x, p.y), 0, Pt(-3, 50), (-3, 50), HTCAPTION)

// The other window of cursor, activation and focus messages (o stands for it in the rows).
#define FOCUS_CRACKERS(X) \
    X(SETCURSOR, BOOL, OnSetCursor, (CWnd * w, UINT h, UINT m), (HW(w), h, m), W(m_hOther), \
      MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), (o, HTCLIENT, WM_MOUSEMOVE), TRUE) \
    X(MOUSEACTIVATE, int, OnMouseActivate, (CWnd * w, UINT h, UINT m), (HW(w), h, m), W(m_hOther), \
      MAKELPARAM(HTCAPTION, WM_LBUTTONDOWN), (o, HTCAPTION, WM_LBUTTONDOWN), MA_NOACTIVATEANDEAT) \
    X(ACTIVATE, void, OnActivate, (UINT s, CWnd * w, BOOL m), (s, HW(w), m), MAKEWPARAM(WA_CLICKACTIVE, 1), \
      L(m_hOther), (WA_CLICKACTIVE, o, 1), 0) \
    X(ACTIVATEAPP, void, OnActivateApp, (BOOL b, DWORD t), (b, t), TRUE, 4321, (TRUE, 4321), 0) \
    X(NCACTIVATE, BOOL, OnNcActivate, (BOOL b), (b), TRUE, 0, (TRUE), TRUE) \
    X(SETFOCUS, void, OnSetFocus, (CWnd * w), (HW(w)), W(m_hOther), 0, (o), 0) \
    X(KILLFOCUS, void, OnKillFocus, (CWnd * w), (HW(w)), W(m_hOther), 0, (o), 0) \
    X(CAPTURECHANGED, void, OnCaptureChanged, (CWnd * w), (HW(w)), 0, L(m_hOther), (o), 0) \
    X(CONTEXTMENU, void, OnContextMenu, (CWnd * w, CPoint p), (HW(w), p.x, p.y), W(m_hOther), Pt(-7, 9), (o, -7, 9), 0) \
    X(ENABLE, void, OnEnable, (BOOL b), (b), FALSE, 0, (FALSE), 0) \
    X(SHOWWINDOW, void, OnShowWindow, (BOOL b, UINT s), (b, s), TRUE, SW_PARENTOPENING, (TRUE, SW_PARENTOPENING), 0) \
    X(CANCELMODE, void, OnCancelMode, (), (), 0, 0, (), 0)

// Key codes, repeat counts and flags; commands and timers.
#define KEYBOARD_CRACKERS(X) \
    X(KEYDOWN, void, OnKeyDown, (UINT c, UINT r, UINT f), (c, r, f), 'A', kKeyData, ('A', 3, 0x401E), 0) \
    X(KEYUP, void, OnKeyUp, (UINT c, UINT r, UINT f), (c, r, f), VK_RETURN, MAKELPARAM(1, 0xC01C), (VK_RETURN, 1, 0xC01C), 0) \
    X(CHAR, void, OnChar, (UINT c, UINT r, UINT f), (c, r, f), 'z', kKeyData, ('z', 3, 0x401E), 0) \
    X(SYSKEYDOWN, void, OnSysKeyDown, (UINT c, UINT r, UINT f), (c, r, f), VK_F10, MAKELPARAM(1, 0x2044), \
      (VK_F10, 1, 0x2044), 0) \
    X(SYSKEYUP, void, OnSysKeyUp, (UINT c, UINT r, UINT f), (c, r, f), VK_MENU, MAKELPARAM(1, 0xE038), \
      (VK_MENU, 1, 0xE038), 0) \
    X(SYSCHAR, void, OnSysChar, (UINT c, UINT r, UINT f), (c, r, f), 'f', MAKELPARAM(1, 0x2021), ('f', 1, 0x2021), 0) \
    X(GETDLGCODE, UINT, OnGetDlgCode, (), (), 0, 0, (), DLGC_WANTALLKEYS | DLGC_WANTCHARS) \
    X(SYSCOMMAND, void, OnSysCommand, (UINT id, LPARAM l), (id, l), SC_KEYMENU, 'f', (SC_KEYMENU, 'f'), 0) \
    X(CHANGEUISTATE, void, OnChangeUIState, (UINT a, UINT e), (a, e), MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0, \
      (UIS_SET, UISF_HIDEFOCUS), 0) \
    X(TIMER, void, OnTimer, (UINT_PTR id), (static_cast<INT_PTR>(id)), kTimerId, 0, (static_cast<INT_PTR>(kTimerId)), 0)

// Sizes are unsigned 16-bit values, positions signed; structures arrive as the sender's pointers.
#define SIZE_CRACKERS(X) \
    X(SIZE, void, OnSize, (UINT t, int cx, int cy), (t, cx, cy), SIZE_MAXIMIZED, Pt(640, 40000), \
      (SIZE_MAXIMIZED, 640, 40000), 0) \
    X(MOVE, void, OnMove, (int x, int y), (x, y), 0, Pt(-10, -20), (-10, -20), 0) \
    X(SIZING, void, OnSizing, (UINT s, LPRECT r), (s, H(r)), WMSZ_BOTTOMRIGHT, L(&m_rc), (WMSZ_BOTTOMRIGHT, H(&m_rc)), TRUE) \
    X(MOVING, void, OnMoving, (UINT s, LPRECT r), (s, H(r)), 0, L(&m_rc), (0, H(&m_rc)), TRUE) \
    X(WINDOWPOSCHANGING, void, OnWindowPosChanging, (WINDOWPOS * p), (H(p)), 0, L(&m_wp), (H(&m_wp)), 0) \
    X(WINDOWPOSCHANGED, void, OnWindowPosChanged, (WINDOWPOS * p), (H(p)), 0, L(&m_wp), (H(&m_wp)), 0) \
    X(GETMINMAXINFO, void, OnGetMinMaxInfo, (MINMAXINFO * p), (H(p)), 0, L(&m_mmi), (H(&m_mmi)), 0) \
    X(NCCALCSIZE, void, OnNcCalcSize, (BOOL b, NCCALCSIZE_PARAMS * p), (b, H(p)), TRUE, L(&m_ncp), (TRUE, H(&m_ncp)), 0) \
    X(STYLECHANGING, void, OnStyleChanging, (int t, LPSTYLESTRUCT s), (t, H(s)), static_cast<WPARAM>(GWL_STYLE), \
      L(&m_ss), (GWL_STYLE, H(&m_ss)), 0) \
    X(STYLECHANGED, void, OnStyleChanged, (int t, LPSTYLESTRUCT s), (t, H(s)), static_cast<WPARAM>(GWL_EXSTYLE), \
      L(&m_ss), (GWL_EXSTYLE, H(&m_ss)), 0)

// Painting gets its device context; system messages their strings and structures.
#define SYSTEM_CRACKERS(X) \
    X(ERASEBKGND, BOOL, OnEraseBkgnd, (CDC * pDC), (H(pDC->GetSafeHdc())), W(m_hDC), 0, (H(m_hDC)), TRUE) \
    X(PAINT, void, OnPaint, (), (), 0, 0, (), 0) \
    X(NCPAINT, void, OnNcPaint, (), (), 1, 0, (), 0) \
    X(SYSCOLORCHANGE, void, OnSysColorChange, (), (), 0, 0, (), 0) \
    X(QUERYDRAGICON, HCURSOR, OnQueryDragIcon, (), (), 0, 0, (), L(kDragIcon)) \
    X(SETTINGCHANGE, void, OnSettingChange, (UINT f, LPCTSTR s), (f, H(s)), SPI_SETNONCLIENTMETRICS, L(kSection), \
      (SPI_SETNONCLIENTMETRICS, H(kSection)), 0) \
    X(HELPINFO, BOOL, OnHelpInfo, (HELPINFO * p), (H(p)), 0, L(&m_hi), (H(&m_hi)), TRUE) \
    X(DROPFILES, void, OnDropFiles, (HDROP h), (H(h)), 0x1234, 0, (0x1234), 0) \
    X(CLOSE, void, OnClose, (), (), 0, 0, (), 0)

// Owner-draw messages answer TRUE once handled; scroll bars and list boxes come as controls.
#define CONTROL_CRACKERS(X) \
    X(DRAWITEM, void, OnDrawItem, (int id, LPDRAWITEMSTRUCT p), (id, H(p)), 7, L(&m_dis), (7, H(&m_dis)), TRUE) \
    X(MEASUREITEM, void, OnMeasureItem, (int id, LPMEASUREITEMSTRUCT p), (id, H(p)), 8, L(&m_mis), (8, H(&m_mis)), TRUE) \
    X(DELETEITEM, void, OnDeleteItem, (int id, LPDELETEITEMSTRUCT p), (id, H(p)), 9, L(&m_del), (9, H(&m_del)), TRUE) \
    X(COMPAREITEM, int, OnCompareItem, (int id, LPCOMPAREITEMSTRUCT p), (id, H(p)), 10, L(&m_cis), (10, H(&m_cis)), -1) \
    X(CHARTOITEM, int, OnCharToItem, (UINT c, CListBox * pList, UINT i), (c, HW(pList), i), MAKEWPARAM('k', 4), \
      L(m_hOther), ('k', o, 4), -2) \
    X(HSCROLL, void, OnHScroll, (UINT code, UINT pos, CScrollBar * pBar), (code, pos, HW(pBar)), \
      MAKEWPARAM(SB_THUMBTRACK, 300), L(m_hOther), (SB_THUMBTRACK, 300, o), 0) \
    X(VSCROLL, void, OnVScroll, (UINT code, UINT pos, CScrollBar * pBar), (code, pos, HW(pBar)), SB_LINEDOWN, 0, \
      (SB_LINEDOWN, 0, 0), 0) \
    X(PARENTNOTIFY, void, OnParentNotify, (UINT m, LPARAM l), (m, l), MAKEWPARAM(WM_LBUTTONDOWN, 0), Pt(5, 6), \
      (WM_LBUTTONDOWN, Pt(5, 6)), 0)

// The menu (m stands for it in the rows) and its state.
#define MENU_CRACKERS(X) \
    X(INITMENU, void, OnInitMenu, (CMenu * p), (H(p->GetSafeHmenu())), W(m_hMenu), 0, (m), 0) \
    X(INITMENUPOPUP, void, OnInitMenuPopup, (CMenu * p, UINT i, BOOL s), (H(p->GetSafeHmenu()), i, s), W(m_hMenu), \
      MAKELPARAM(2, TRUE), (m, 2, TRUE), 0) \
    X(MENUSELECT, void, OnMenuSelect, (UINT id, UINT f, HMENU h), (id, f, H(h)), \
      MAKEWPARAM(101, MF_HILITE | MF_POPUP), L(m_hMenu), (101, MF_HILITE | MF_POPUP, m), 0) \
    X(MENUCHAR, LRESULT, OnMenuChar, (UINT c, UINT f, CMenu * p), (c, f, H(p->GetSafeHmenu())), \
      MAKEWPARAM('x', MF_POPUP), L(m_hMenu), ('x', MF_POPUP, m), MAKELRESULT(3, MNC_EXECUTE)) \
    X(ENTERIDLE, void, OnEnterIdle, (UINT why, CWnd * w), (why, HW(w)), MSGF_MENU, L(m_hOther), (MSGF_MENU, o), 0) \
    X(ENTERMENULOOP, void, OnEnterMenuLoop, (BOOL b), (b), TRUE, 0, (TRUE), 0)

// clang-format on
#define ALL_CRACKERS(X)                                                                                      \
    MOUSE_CRACKERS(X)                                                                                        \
    NC_MOUSE_CRACKERS(X)                                                                                     \
    FOCUS_CRACKERS(X)                                                                                        \
    KEYBOARD_CRACKERS(X) SIZE_CRACKERS(X) SYSTEM_CRACKERS(X) CONTROL_CRACKERS(X) MENU_CRACKERS(X)

#define CRACKER_HANDLER(entry, R, handler, params, recorded, w, l, expected, result)                         \
    afx_msg R handler params {                                                                               \
        Record(WM_##entry, {UNPAREN recorded});                                                              \
        return Answer<R>(result);                                                                            \
    }
#define CRACKER_ENTRY(entry, ...) ON_WM_##entry()
#define CRACKER_ROW(entry, R, handler, params, recorded, w, l, expected, result)                             \
    {#entry, WM_##entry, static_cast<WPARAM>(w), static_cast<LPARAM>(l), {UNPAREN expected}, result},

// What the last handler saw: the message it stands for and the values it was handed.
struct Hit {
    UINT message = 0;
    std::vector<INT_PTR> values;
};

class CCrackerWnd : public CWnd {
public:
    Hit m_hit;

    BOOL CreateHidden() {
        return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), _T("cracker"), WS_POPUP, 0, 0, 120, 90, nullptr,
                        nullptr);
    }

protected:
    void Record(UINT message, std::initializer_list<INT_PTR> values) { m_hit = {message, values}; }

    ALL_CRACKERS(CRACKER_HANDLER)
    // Every control colour message reaches the one entry.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* w, UINT n) {
        Record(WM_CTLCOLOR, {H(pDC->GetSafeHdc()), HW(w), n});
        return kCtlBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCrackerWnd, CWnd)
ALL_CRACKERS(CRACKER_ENTRY)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// One message and what its handler must see and answer.
struct CrackCase {
    const char* name;
    UINT message;  // sent, and what the handler stands for (WM_CTLCOLOR for the colour family)
    WPARAM wParam;
    LPARAM lParam;
    std::vector<INT_PTR> expected;
    LRESULT result;  // what SendMessage must answer
    UINT sent = 0;   // the message to send when it is not the entry's own
};

const TCHAR kSection[] = _T("WindowMetrics");

class MessageMapCrackers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_wnd.CreateHidden());
        m_hOther =
            ::CreateWindow(_T("STATIC"), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        m_hMenu = ::CreatePopupMenu();
        m_hDC = ::CreateCompatibleDC(nullptr);
        m_dis.CtlType = ODT_BUTTON;
        m_dis.hwndItem = m_hOther;
        m_hi.cbSize = sizeof(m_hi);
    }
    void TearDown() override {
        m_wnd.DestroyWindow();
        ::DestroyWindow(m_hOther);
        ::DestroyMenu(m_hMenu);
        ::DeleteDC(m_hDC);
        AfxLockTempMaps();
        AfxUnlockTempMaps();
    }

    void Check(const std::vector<CrackCase>& cases) {
        for (const CrackCase& c : cases) {
            SCOPED_TRACE(c.name);
            m_wnd.m_hit = Hit();
            const LRESULT result =
                ::SendMessage(m_wnd.m_hWnd, c.sent ? c.sent : c.message, c.wParam, c.lParam);
            EXPECT_EQ(m_wnd.m_hit.message, c.message);
            EXPECT_EQ(m_wnd.m_hit.values, c.expected);
            EXPECT_EQ(result, c.result);
        }
    }

    CCrackerWnd m_wnd;
    HWND m_hOther = nullptr;
    HMENU m_hMenu = nullptr;
    HDC m_hDC = nullptr;
    RECT m_rc = {1, 2, 3, 4};
    WINDOWPOS m_wp = {};
    MINMAXINFO m_mmi = {};
    NCCALCSIZE_PARAMS m_ncp = {};
    STYLESTRUCT m_ss = {WS_POPUP, WS_POPUP | WS_BORDER};
    DRAWITEMSTRUCT m_dis = {};
    MEASUREITEMSTRUCT m_mis = {};
    COMPAREITEMSTRUCT m_cis = {};
    DELETEITEMSTRUCT m_del = {};
    HELPINFO m_hi = {};
};

TEST_F(MessageMapCrackers, MouseMessagesGetFlagsAndSignedClientPoint) {
    Check({MOUSE_CRACKERS(CRACKER_ROW)});
}

TEST_F(MessageMapCrackers, NonClientMouseMessagesGetHitTestAndScreenPoint) {
    Check({NC_MOUSE_CRACKERS(CRACKER_ROW)});
}

TEST_F(MessageMapCrackers, CursorActivationAndFocusMessagesGetTheOtherWindow) {
    const INT_PTR o = H(m_hOther);
    Check({FOCUS_CRACKERS(CRACKER_ROW){"killfocus-null", WM_KILLFOCUS, 0, 0, {0}, 0}});
}

TEST_F(MessageMapCrackers, KeyboardCommandAndTimerMessagesGetTheirCodes) {
    Check({KEYBOARD_CRACKERS(CRACKER_ROW)});
}

TEST_F(MessageMapCrackers, SizeAndPositionMessagesGetTheirValuesAndPointers) {
    Check({SIZE_CRACKERS(CRACKER_ROW)});
}

TEST_F(MessageMapCrackers, PaintingAndSystemMessagesGetTheirContextsStringsAndStructures) {
    Check({SYSTEM_CRACKERS(CRACKER_ROW)});
    EXPECT_TRUE(::IsWindow(m_wnd.m_hWnd));  // OnClose did not call Default: the window stays
}

TEST_F(MessageMapCrackers, ControlNotificationsGetIdsStructuresAndControls) {
    const INT_PTR o = H(m_hOther);
    Check({CONTROL_CRACKERS(CRACKER_ROW)});
}

TEST_F(MessageMapCrackers, MenuMessagesGetTheMenuAndItsState) {
    const INT_PTR o = H(m_hOther), m = H(m_hMenu);
    Check({MENU_CRACKERS(CRACKER_ROW)});
}

TEST_F(MessageMapCrackers, EveryControlColourMessageReachesOnCtlColorWithItsKind) {
    std::vector<CrackCase> cases;
    for (const UINT kind : {CTLCOLOR_MSGBOX, CTLCOLOR_EDIT, CTLCOLOR_LISTBOX, CTLCOLOR_BTN, CTLCOLOR_DLG,
                            CTLCOLOR_SCROLLBAR, CTLCOLOR_STATIC}) {
        cases.push_back({"ctlcolor",
                         WM_CTLCOLOR,
                         W(m_hDC),
                         L(m_hOther),
                         {H(m_hDC), H(m_hOther), kind},
                         L(kCtlBrush),
                         WM_CTLCOLORMSGBOX + kind});
    }
    Check(cases);
}

TEST_F(MessageMapCrackers, RealInputReachesTheHandlersThroughTheQueue) {
    m_wnd.SetWindowPos(nullptr, 0, 0, 100, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    ::PostMessage(m_wnd.m_hWnd, WM_LBUTTONUP, MK_SHIFT, Pt(12, 34));
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessage(&msg);
    EXPECT_EQ(m_wnd.m_hit.message, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_EQ(m_wnd.m_hit.values, (std::vector<INT_PTR>{MK_SHIFT, 12, 34}));
}

}  // namespace
