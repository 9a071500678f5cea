// Message crackers: every ON_WM_* entry hands its handler the documented parameters, taken apart from
// the real message, and the handler's answer reaches the caller of SendMessage.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// What the last handler saw: the message it stands for and up to four cracked values.
struct Hit {
    UINT message = 0;
    INT_PTR a = 0, b = 0, c = 0, d = 0;
};

const HBRUSH kCtlBrush = reinterpret_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
const HCURSOR kDragIcon = ::LoadCursor(nullptr, IDC_CROSS);

INT_PTR H(const void* p) {
    return reinterpret_cast<INT_PTR>(p);
}

class CCrackerWnd : public CWnd {
public:
    Hit m_hit;

    BOOL CreateHidden() {
        return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), _T("cracker"), WS_POPUP, 0, 0, 120, 90, nullptr,
                        nullptr);
    }
    void Reset() { m_hit = Hit(); }

protected:
    void Record(UINT message, INT_PTR a = 0, INT_PTR b = 0, INT_PTR c = 0, INT_PTR d = 0) {
        m_hit.message = message;
        m_hit.a = a;
        m_hit.b = b;
        m_hit.c = c;
        m_hit.d = d;
    }

    afx_msg void OnMouseMove(UINT f, CPoint p) { Record(WM_MOUSEMOVE, f, p.x, p.y); }
    afx_msg void OnLButtonDown(UINT f, CPoint p) { Record(WM_LBUTTONDOWN, f, p.x, p.y); }
    afx_msg void OnLButtonUp(UINT f, CPoint p) { Record(WM_LBUTTONUP, f, p.x, p.y); }
    afx_msg void OnLButtonDblClk(UINT f, CPoint p) { Record(WM_LBUTTONDBLCLK, f, p.x, p.y); }
    afx_msg void OnRButtonDown(UINT f, CPoint p) { Record(WM_RBUTTONDOWN, f, p.x, p.y); }
    afx_msg void OnRButtonUp(UINT f, CPoint p) { Record(WM_RBUTTONUP, f, p.x, p.y); }
    afx_msg void OnRButtonDblClk(UINT f, CPoint p) { Record(WM_RBUTTONDBLCLK, f, p.x, p.y); }
    afx_msg void OnMButtonDown(UINT f, CPoint p) { Record(WM_MBUTTONDOWN, f, p.x, p.y); }
    afx_msg void OnMButtonUp(UINT f, CPoint p) { Record(WM_MBUTTONUP, f, p.x, p.y); }
    afx_msg void OnMButtonDblClk(UINT f, CPoint p) { Record(WM_MBUTTONDBLCLK, f, p.x, p.y); }
    afx_msg void OnXButtonDown(UINT f, UINT b, CPoint p) { Record(WM_XBUTTONDOWN, f, b, p.x, p.y); }
    afx_msg BOOL OnMouseWheel(UINT f, short z, CPoint p) {
        Record(WM_MOUSEWHEEL, f, z, p.x, p.y);
        return TRUE;
    }
    afx_msg void OnMouseHWheel(UINT f, short z, CPoint p) { Record(WM_MOUSEHWHEEL, f, z, p.x, p.y); }
    afx_msg void OnMouseHover(UINT f, CPoint p) { Record(WM_MOUSEHOVER, f, p.x, p.y); }
    afx_msg void OnMouseLeave() { Record(WM_MOUSELEAVE); }
    afx_msg void OnNcMouseMove(UINT h, CPoint p) { Record(WM_NCMOUSEMOVE, h, p.x, p.y); }
    afx_msg void OnNcLButtonDown(UINT h, CPoint p) { Record(WM_NCLBUTTONDOWN, h, p.x, p.y); }
    afx_msg void OnNcLButtonUp(UINT h, CPoint p) { Record(WM_NCLBUTTONUP, h, p.x, p.y); }
    afx_msg void OnNcLButtonDblClk(UINT h, CPoint p) { Record(WM_NCLBUTTONDBLCLK, h, p.x, p.y); }
    afx_msg void OnNcRButtonDown(UINT h, CPoint p) { Record(WM_NCRBUTTONDOWN, h, p.x, p.y); }
    afx_msg void OnNcRButtonUp(UINT h, CPoint p) { Record(WM_NCRBUTTONUP, h, p.x, p.y); }
    afx_msg void OnNcMouseLeave() { Record(WM_NCMOUSELEAVE); }
    afx_msg BOOL OnSetCursor(CWnd* w, UINT h, UINT m) {
        Record(WM_SETCURSOR, H(w->GetSafeHwnd()), h, m);
        return TRUE;
    }
    afx_msg int OnMouseActivate(CWnd* w, UINT h, UINT m) {
        Record(WM_MOUSEACTIVATE, H(w->GetSafeHwnd()), h, m);
        return MA_NOACTIVATEANDEAT;
    }
    afx_msg void OnKeyDown(UINT c, UINT r, UINT f) { Record(WM_KEYDOWN, c, r, f); }
    afx_msg void OnKeyUp(UINT c, UINT r, UINT f) { Record(WM_KEYUP, c, r, f); }
    afx_msg void OnChar(UINT c, UINT r, UINT f) { Record(WM_CHAR, c, r, f); }
    afx_msg void OnSysKeyDown(UINT c, UINT r, UINT f) { Record(WM_SYSKEYDOWN, c, r, f); }
    afx_msg void OnSysKeyUp(UINT c, UINT r, UINT f) { Record(WM_SYSKEYUP, c, r, f); }
    afx_msg void OnSysChar(UINT c, UINT r, UINT f) { Record(WM_SYSCHAR, c, r, f); }
    afx_msg UINT OnGetDlgCode() {
        Record(WM_GETDLGCODE);
        return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    }
    afx_msg void OnSysCommand(UINT id, LPARAM l) { Record(WM_SYSCOMMAND, id, l); }
    afx_msg void OnTimer(UINT_PTR id) { Record(WM_TIMER, static_cast<INT_PTR>(id)); }
    afx_msg void OnSize(UINT t, int cx, int cy) { Record(WM_SIZE, t, cx, cy); }
    afx_msg void OnMove(int x, int y) { Record(WM_MOVE, x, y); }
    afx_msg void OnSizing(UINT side, LPRECT r) { Record(WM_SIZING, side, H(r)); }
    afx_msg void OnMoving(UINT side, LPRECT r) { Record(WM_MOVING, side, H(r)); }
    afx_msg void OnWindowPosChanging(WINDOWPOS* p) { Record(WM_WINDOWPOSCHANGING, H(p)); }
    afx_msg void OnWindowPosChanged(WINDOWPOS* p) { Record(WM_WINDOWPOSCHANGED, H(p)); }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* p) { Record(WM_GETMINMAXINFO, H(p)); }
    afx_msg void OnNcCalcSize(BOOL b, NCCALCSIZE_PARAMS* p) { Record(WM_NCCALCSIZE, b, H(p)); }
    afx_msg LRESULT OnNcHitTest(CPoint p) {
        Record(WM_NCHITTEST, p.x, p.y);
        return HTCAPTION;
    }
    afx_msg BOOL OnNcActivate(BOOL b) {
        Record(WM_NCACTIVATE, b);
        return TRUE;
    }
    afx_msg void OnActivate(UINT s, CWnd* w, BOOL m) { Record(WM_ACTIVATE, s, H(w->GetSafeHwnd()), m); }
    afx_msg void OnActivateApp(BOOL b, DWORD t) { Record(WM_ACTIVATEAPP, b, t); }
    afx_msg void OnSetFocus(CWnd* w) { Record(WM_SETFOCUS, H(w->GetSafeHwnd())); }
    afx_msg void OnKillFocus(CWnd* w) { Record(WM_KILLFOCUS, H(w->GetSafeHwnd())); }
    afx_msg void OnEnable(BOOL b) { Record(WM_ENABLE, b); }
    afx_msg void OnShowWindow(BOOL b, UINT s) { Record(WM_SHOWWINDOW, b, s); }
    afx_msg void OnCaptureChanged(CWnd* w) { Record(WM_CAPTURECHANGED, H(w->GetSafeHwnd())); }
    afx_msg void OnContextMenu(CWnd* w, CPoint p) { Record(WM_CONTEXTMENU, H(w->GetSafeHwnd()), p.x, p.y); }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
        Record(WM_ERASEBKGND, H(pDC->GetSafeHdc()));
        return TRUE;
    }
    afx_msg void OnPaint() { Record(WM_PAINT); }
    afx_msg void OnNcPaint() { Record(WM_NCPAINT); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* w, UINT n) {
        Record(WM_CTLCOLOR, H(pDC->GetSafeHdc()), H(w->GetSafeHwnd()), n);
        return kCtlBrush;
    }
    afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT p) { Record(WM_DRAWITEM, id, H(p)); }
    afx_msg void OnMeasureItem(int id, LPMEASUREITEMSTRUCT p) { Record(WM_MEASUREITEM, id, H(p)); }
    afx_msg int OnCompareItem(int id, LPCOMPAREITEMSTRUCT p) {
        Record(WM_COMPAREITEM, id, H(p));
        return -1;
    }
    afx_msg void OnDeleteItem(int id, LPDELETEITEMSTRUCT p) { Record(WM_DELETEITEM, id, H(p)); }
    afx_msg int OnCharToItem(UINT c, CListBox* pList, UINT i) {
        Record(WM_CHARTOITEM, c, H(reinterpret_cast<CWnd*>(pList)->GetSafeHwnd()), i);
        return -2;
    }
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* pBar) {
        Record(WM_HSCROLL, code, pos, H(reinterpret_cast<CWnd*>(pBar)->GetSafeHwnd()));
    }
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* pBar) {
        Record(WM_VSCROLL, code, pos, H(reinterpret_cast<CWnd*>(pBar)->GetSafeHwnd()));
    }
    afx_msg void OnParentNotify(UINT m, LPARAM l) { Record(WM_PARENTNOTIFY, m, l); }
    afx_msg void OnInitMenu(CMenu* pMenu) { Record(WM_INITMENU, H(pMenu->GetSafeHmenu())); }
    afx_msg void OnInitMenuPopup(CMenu* pMenu, UINT i, BOOL s) {
        Record(WM_INITMENUPOPUP, H(pMenu->GetSafeHmenu()), i, s);
    }
    afx_msg void OnMenuSelect(UINT id, UINT f, HMENU h) { Record(WM_MENUSELECT, id, f, H(h)); }
    afx_msg LRESULT OnMenuChar(UINT c, UINT f, CMenu* pMenu) {
        Record(WM_MENUCHAR, c, f, H(pMenu->GetSafeHmenu()));
        return MAKELRESULT(3, MNC_EXECUTE);
    }
    afx_msg void OnEnterIdle(UINT why, CWnd* w) { Record(WM_ENTERIDLE, why, H(w->GetSafeHwnd())); }
    afx_msg void OnSettingChange(UINT f, LPCTSTR s) { Record(WM_SETTINGCHANGE, f, H(s)); }
    afx_msg void OnSysColorChange() { Record(WM_SYSCOLORCHANGE); }
    afx_msg void OnStyleChanged(int t, LPSTYLESTRUCT s) { Record(WM_STYLECHANGED, t, H(s)); }
    afx_msg void OnStyleChanging(int t, LPSTYLESTRUCT s) { Record(WM_STYLECHANGING, t, H(s)); }
    afx_msg BOOL OnHelpInfo(HELPINFO* p) {
        Record(WM_HELP, H(p));
        return TRUE;
    }
    afx_msg HCURSOR OnQueryDragIcon() {
        Record(WM_QUERYDRAGICON);
        return kDragIcon;
    }
    afx_msg void OnDropFiles(HDROP h) { Record(WM_DROPFILES, H(h)); }
    afx_msg void OnClose() { Record(WM_CLOSE); }
    afx_msg void OnCancelMode() { Record(WM_CANCELMODE); }
    afx_msg void OnEnterMenuLoop(BOOL b) { Record(WM_ENTERMENULOOP, b); }
    afx_msg void OnChangeUIState(UINT a, UINT e) { Record(WM_CHANGEUISTATE, a, e); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCrackerWnd, CWnd)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_RBUTTONDBLCLK()
ON_WM_MBUTTONDOWN()
ON_WM_MBUTTONUP()
ON_WM_MBUTTONDBLCLK()
ON_WM_XBUTTONDOWN()
ON_WM_MOUSEWHEEL()
ON_WM_MOUSEHWHEEL()
ON_WM_MOUSEHOVER()
ON_WM_MOUSELEAVE()
ON_WM_NCMOUSEMOVE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONUP()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_NCRBUTTONDOWN()
ON_WM_NCRBUTTONUP()
ON_WM_NCMOUSELEAVE()
ON_WM_SETCURSOR()
ON_WM_MOUSEACTIVATE()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_CHAR()
ON_WM_SYSKEYDOWN()
ON_WM_SYSKEYUP()
ON_WM_SYSCHAR()
ON_WM_GETDLGCODE()
ON_WM_SYSCOMMAND()
ON_WM_TIMER()
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_SIZING()
ON_WM_MOVING()
ON_WM_WINDOWPOSCHANGING()
ON_WM_WINDOWPOSCHANGED()
ON_WM_GETMINMAXINFO()
ON_WM_NCCALCSIZE()
ON_WM_NCHITTEST()
ON_WM_NCACTIVATE()
ON_WM_ACTIVATE()
ON_WM_ACTIVATEAPP()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_ENABLE()
ON_WM_SHOWWINDOW()
ON_WM_CAPTURECHANGED()
ON_WM_CONTEXTMENU()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_CHARTOITEM()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_PARENTNOTIFY()
ON_WM_INITMENU()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_WM_MENUCHAR()
ON_WM_ENTERIDLE()
ON_WM_SETTINGCHANGE()
ON_WM_SYSCOLORCHANGE()
ON_WM_STYLECHANGED()
ON_WM_STYLECHANGING()
ON_WM_HELPINFO()
ON_WM_QUERYDRAGICON()
ON_WM_DROPFILES()
ON_WM_CLOSE()
ON_WM_CANCELMODE()
ON_WM_ENTERMENULOOP()
ON_WM_CHANGEUISTATE()
END_MESSAGE_MAP()

// One message and what its handler must see and answer.
struct CrackCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    Hit expected;        // expected.message: the entry's message (WM_CTLCOLOR for the colour family)
    LRESULT result = 0;  // what SendMessage must answer
};

class MessageMapCrackers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_wnd.CreateHidden());
        m_hOther =
            ::CreateWindow(_T("STATIC"), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        m_hMenu = ::CreatePopupMenu();
        m_hDC = ::CreateCompatibleDC(nullptr);
    }
    void TearDown() override {
        m_wnd.DestroyWindow();
        ::DestroyWindow(m_hOther);
        ::DestroyMenu(m_hMenu);
        ::DeleteDC(m_hDC);
        AfxLockTempMaps();
        AfxUnlockTempMaps();
    }

    void Check(const CrackCase& c) {
        m_wnd.Reset();
        const LRESULT result = ::SendMessage(m_wnd.m_hWnd, c.message, c.wParam, c.lParam);
        EXPECT_EQ(m_wnd.m_hit.message, c.expected.message) << c.name;
        EXPECT_EQ(m_wnd.m_hit.a, c.expected.a) << c.name;
        EXPECT_EQ(m_wnd.m_hit.b, c.expected.b) << c.name;
        EXPECT_EQ(m_wnd.m_hit.c, c.expected.c) << c.name;
        EXPECT_EQ(m_wnd.m_hit.d, c.expected.d) << c.name;
        EXPECT_EQ(result, c.result) << c.name;
    }

    CCrackerWnd m_wnd;
    HWND m_hOther = nullptr;
    HMENU m_hMenu = nullptr;
    HDC m_hDC = nullptr;
};

LPARAM Pt(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

TEST_F(MessageMapCrackers, MouseMessagesGetFlagsAndSignedClientPoint) {
    const WPARAM keys = MK_LBUTTON | MK_SHIFT;
    const std::vector<CrackCase> cases = {
        {"mousemove", WM_MOUSEMOVE, keys, Pt(-5, 7), {WM_MOUSEMOVE, keys, -5, 7}},
        {"lbuttondown", WM_LBUTTONDOWN, keys, Pt(10, -20), {WM_LBUTTONDOWN, keys, 10, -20}},
        {"lbuttonup", WM_LBUTTONUP, 0, Pt(1, 2), {WM_LBUTTONUP, 0, 1, 2}},
        {"lbuttondblclk", WM_LBUTTONDBLCLK, MK_LBUTTON, Pt(3, 4), {WM_LBUTTONDBLCLK, MK_LBUTTON, 3, 4}},
        {"rbuttondown", WM_RBUTTONDOWN, MK_RBUTTON, Pt(30, 40), {WM_RBUTTONDOWN, MK_RBUTTON, 30, 40}},
        {"rbuttonup", WM_RBUTTONUP, MK_CONTROL, Pt(31, 41), {WM_RBUTTONUP, MK_CONTROL, 31, 41}},
        {"rbuttondblclk", WM_RBUTTONDBLCLK, 0, Pt(32, 42), {WM_RBUTTONDBLCLK, 0, 32, 42}},
        {"mbuttondown", WM_MBUTTONDOWN, MK_MBUTTON, Pt(5, 6), {WM_MBUTTONDOWN, MK_MBUTTON, 5, 6}},
        {"mbuttonup", WM_MBUTTONUP, 0, Pt(7, 8), {WM_MBUTTONUP, 0, 7, 8}},
        {"mbuttondblclk", WM_MBUTTONDBLCLK, 0, Pt(9, 10), {WM_MBUTTONDBLCLK, 0, 9, 10}},
        {"mousehover", WM_MOUSEHOVER, MK_SHIFT, Pt(11, 12), {WM_MOUSEHOVER, MK_SHIFT, 11, 12}},
        {"mouseleave", WM_MOUSELEAVE, 0, 0, {WM_MOUSELEAVE}},
        // Extra buttons: flags in the low word, the button in the high word; handled answers TRUE.
        {"xbuttondown",
         WM_XBUTTONDOWN,
         MAKEWPARAM(MK_XBUTTON2, XBUTTON2),
         Pt(-1, -2),
         {WM_XBUTTONDOWN, MK_XBUTTON2, XBUTTON2, -1, -2},
         TRUE},
        // The wheel delta is signed; the point is in screen coordinates and may be negative.
        {"mousewheel",
         WM_MOUSEWHEEL,
         MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-240)),
         Pt(-100, 300),
         {WM_MOUSEWHEEL, MK_CONTROL, -240, -100, 300},
         TRUE},
        {"mousehwheel", WM_MOUSEHWHEEL, MAKEWPARAM(0, 120), Pt(5, 5), {WM_MOUSEHWHEEL, 0, 120, 5, 5}},
    };
    for (const CrackCase& c : cases)
        Check(c);
}

TEST_F(MessageMapCrackers, NonClientMouseMessagesGetHitTestAndScreenPoint) {
    const std::vector<CrackCase> cases = {
        {"ncmousemove", WM_NCMOUSEMOVE, HTCAPTION, Pt(100, 200), {WM_NCMOUSEMOVE, HTCAPTION, 100, 200}},
        {"nclbuttondown", WM_NCLBUTTONDOWN, HTLEFT, Pt(-50, 20), {WM_NCLBUTTONDOWN, HTLEFT, -50, 20}},
        {"nclbuttonup", WM_NCLBUTTONUP, HTRIGHT, Pt(1, 1), {WM_NCLBUTTONUP, HTRIGHT, 1, 1}},
        {"nclbuttondblclk", WM_NCLBUTTONDBLCLK, HTCAPTION, Pt(2, 2), {WM_NCLBUTTONDBLCLK, HTCAPTION, 2, 2}},
        {"ncrbuttondown", WM_NCRBUTTONDOWN, HTSYSMENU, Pt(3, 3), {WM_NCRBUTTONDOWN, HTSYSMENU, 3, 3}},
        {"ncrbuttonup", WM_NCRBUTTONUP, HTCAPTION, Pt(4, 4), {WM_NCRBUTTONUP, HTCAPTION, 4, 4}},
        {"ncmouseleave", WM_NCMOUSELEAVE, 0, 0, {WM_NCMOUSELEAVE}},
        // The hit-test code the handler answers is what the system gets.
        {"nchittest", WM_NCHITTEST, 0, Pt(-3, 50), {WM_NCHITTEST, -3, 50}, HTCAPTION},
    };
    for (const CrackCase& c : cases)
        Check(c);
}

TEST_F(MessageMapCrackers, CursorActivationAndFocusMessagesGetTheOtherWindow) {
    const LPARAM other = reinterpret_cast<LPARAM>(m_hOther);
    const WPARAM otherW = reinterpret_cast<WPARAM>(m_hOther);
    const INT_PTR o = H(m_hOther);
    const std::vector<CrackCase> cases = {
        {"setcursor",
         WM_SETCURSOR,
         otherW,
         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
         {WM_SETCURSOR, o, HTCLIENT, WM_MOUSEMOVE},
         TRUE},
        {"mouseactivate",
         WM_MOUSEACTIVATE,
         otherW,
         MAKELPARAM(HTCAPTION, WM_LBUTTONDOWN),
         {WM_MOUSEACTIVATE, o, HTCAPTION, WM_LBUTTONDOWN},
         MA_NOACTIVATEANDEAT},
        {"activate", WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), other, {WM_ACTIVATE, WA_CLICKACTIVE, o, 1}},
        {"activateapp", WM_ACTIVATEAPP, TRUE, 4321, {WM_ACTIVATEAPP, TRUE, 4321}},
        {"ncactivate", WM_NCACTIVATE, TRUE, 0, {WM_NCACTIVATE, TRUE}, TRUE},
        {"setfocus", WM_SETFOCUS, otherW, 0, {WM_SETFOCUS, o}},
        {"killfocus", WM_KILLFOCUS, otherW, 0, {WM_KILLFOCUS, o}},
        {"killfocus-null", WM_KILLFOCUS, 0, 0, {WM_KILLFOCUS, 0}},
        // The window gaining the capture comes in lParam.
        {"capturechanged", WM_CAPTURECHANGED, 0, other, {WM_CAPTURECHANGED, o}},
        {"contextmenu", WM_CONTEXTMENU, otherW, Pt(-7, 9), {WM_CONTEXTMENU, o, -7, 9}},
        {"enable", WM_ENABLE, FALSE, 0, {WM_ENABLE, FALSE}},
        {"showwindow", WM_SHOWWINDOW, TRUE, SW_PARENTOPENING, {WM_SHOWWINDOW, TRUE, SW_PARENTOPENING}},
        {"cancelmode", WM_CANCELMODE, 0, 0, {WM_CANCELMODE}},
    };
    for (const CrackCase& c : cases)
        Check(c);
}

TEST_F(MessageMapCrackers, KeyboardMessagesGetCodeRepeatCountAndFlags) {
    const LPARAM data = MAKELPARAM(3, 0x401E);
    const std::vector<CrackCase> cases = {
        {"keydown", WM_KEYDOWN, 'A', data, {WM_KEYDOWN, 'A', 3, 0x401E}},
        {"keyup", WM_KEYUP, VK_RETURN, MAKELPARAM(1, 0xC01C), {WM_KEYUP, VK_RETURN, 1, 0xC01C}},
        {"char", WM_CHAR, 'z', data, {WM_CHAR, 'z', 3, 0x401E}},
        {"syskeydown", WM_SYSKEYDOWN, VK_F10, MAKELPARAM(1, 0x2044), {WM_SYSKEYDOWN, VK_F10, 1, 0x2044}},
        {"syskeyup", WM_SYSKEYUP, VK_MENU, MAKELPARAM(1, 0xE038), {WM_SYSKEYUP, VK_MENU, 1, 0xE038}},
        {"syschar", WM_SYSCHAR, 'f', MAKELPARAM(1, 0x2021), {WM_SYSCHAR, 'f', 1, 0x2021}},
        {"getdlgcode", WM_GETDLGCODE, 0, 0, {WM_GETDLGCODE}, DLGC_WANTALLKEYS | DLGC_WANTCHARS},
        {"syscommand", WM_SYSCOMMAND, SC_KEYMENU, 'f', {WM_SYSCOMMAND, SC_KEYMENU, 'f'}},
        {"changeuistate",
         WM_CHANGEUISTATE,
         MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS),
         0,
         {WM_CHANGEUISTATE, UIS_SET, UISF_HIDEFOCUS}},
    };
    for (const CrackCase& c : cases)
        Check(c);
}

TEST_F(MessageMapCrackers, TimerGetsTheFullEventId) {
    // Timer IDs are pointer-sized: a value above 32 bits must arrive intact.
    const UINT_PTR idEvent = (static_cast<UINT_PTR>(0x12) << 32) | 0x345;
    Check({"timer", WM_TIMER, idEvent, 0, {WM_TIMER, static_cast<INT_PTR>(idEvent)}});
}

TEST_F(MessageMapCrackers, SizeAndPositionMessagesGetTheirValuesAndPointers) {
    RECT rc = {1, 2, 3, 4};
    WINDOWPOS wp = {};
    MINMAXINFO mmi = {};
    NCCALCSIZE_PARAMS ncp = {};
    STYLESTRUCT ss = {WS_POPUP, WS_POPUP | WS_BORDER};
    const std::vector<CrackCase> cases = {
        // Width and height are unsigned 16-bit values; positions are signed.
        {"size", WM_SIZE, SIZE_MAXIMIZED, Pt(640, 40000), {WM_SIZE, SIZE_MAXIMIZED, 640, 40000}},
        {"move", WM_MOVE, 0, Pt(-10, -20), {WM_MOVE, -10, -20}},
        {"sizing",
         WM_SIZING,
         WMSZ_BOTTOMRIGHT,
         reinterpret_cast<LPARAM>(&rc),
         {WM_SIZING, WMSZ_BOTTOMRIGHT, H(&rc)},
         TRUE},
        {"moving", WM_MOVING, 0, reinterpret_cast<LPARAM>(&rc), {WM_MOVING, 0, H(&rc)}, TRUE},
        {"windowposchanging",
         WM_WINDOWPOSCHANGING,
         0,
         reinterpret_cast<LPARAM>(&wp),
         {WM_WINDOWPOSCHANGING, H(&wp)}},
        {"windowposchanged",
         WM_WINDOWPOSCHANGED,
         0,
         reinterpret_cast<LPARAM>(&wp),
         {WM_WINDOWPOSCHANGED, H(&wp)}},
        {"getminmaxinfo", WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi), {WM_GETMINMAXINFO, H(&mmi)}},
        {"nccalcsize", WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&ncp), {WM_NCCALCSIZE, TRUE, H(&ncp)}},
        {"stylechanging",
         WM_STYLECHANGING,
         static_cast<WPARAM>(GWL_STYLE),
         reinterpret_cast<LPARAM>(&ss),
         {WM_STYLECHANGING, GWL_STYLE, H(&ss)}},
        {"stylechanged",
         WM_STYLECHANGED,
         static_cast<WPARAM>(GWL_EXSTYLE),
         reinterpret_cast<LPARAM>(&ss),
         {WM_STYLECHANGED, GWL_EXSTYLE, H(&ss)}},
    };
    for (const CrackCase& c : cases)
        Check(c);
}

TEST_F(MessageMapCrackers, PaintingMessagesGetTheDeviceContext) {
    Check({"erasebkgnd", WM_ERASEBKGND, reinterpret_cast<WPARAM>(m_hDC), 0, {WM_ERASEBKGND, H(m_hDC)}, TRUE});
    Check({"paint", WM_PAINT, 0, 0, {WM_PAINT}});
    Check({"ncpaint", WM_NCPAINT, 1, 0, {WM_NCPAINT}});
    Check({"syscolorchange", WM_SYSCOLORCHANGE, 0, 0, {WM_SYSCOLORCHANGE}});
    Check(
        {"querydragicon", WM_QUERYDRAGICON, 0, 0, {WM_QUERYDRAGICON}, reinterpret_cast<LRESULT>(kDragIcon)});
}

TEST_F(MessageMapCrackers, EveryControlColourMessageReachesOnCtlColorWithItsKind) {
    const struct {
        UINT message;
        UINT nCtlColor;
    } kinds[] = {
        {WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX},   {WM_CTLCOLOREDIT, CTLCOLOR_EDIT},
        {WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX}, {WM_CTLCOLORBTN, CTLCOLOR_BTN},
        {WM_CTLCOLORDLG, CTLCOLOR_DLG},         {WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR},
        {WM_CTLCOLORSTATIC, CTLCOLOR_STATIC},
    };
    for (const auto& kind : kinds) {
        Check({"ctlcolor",
               kind.message,
               reinterpret_cast<WPARAM>(m_hDC),
               reinterpret_cast<LPARAM>(m_hOther),
               {WM_CTLCOLOR, H(m_hDC), H(m_hOther), static_cast<INT_PTR>(kind.nCtlColor)},
               reinterpret_cast<LRESULT>(kCtlBrush)});
    }
}

TEST_F(MessageMapCrackers, ControlNotificationsGetIdsStructuresAndControls) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = m_hOther;
    MEASUREITEMSTRUCT mis = {};
    COMPAREITEMSTRUCT cis = {};
    DELETEITEMSTRUCT del = {};
    const LPARAM other = reinterpret_cast<LPARAM>(m_hOther);
    const std::vector<CrackCase> cases = {
        // Owner-draw messages answer TRUE once handled.
        {"drawitem", WM_DRAWITEM, 7, reinterpret_cast<LPARAM>(&dis), {WM_DRAWITEM, 7, H(&dis)}, TRUE},
        {"measureitem",
         WM_MEASUREITEM,
         8,
         reinterpret_cast<LPARAM>(&mis),
         {WM_MEASUREITEM, 8, H(&mis)},
         TRUE},
        {"deleteitem", WM_DELETEITEM, 9, reinterpret_cast<LPARAM>(&del), {WM_DELETEITEM, 9, H(&del)}, TRUE},
        {"compareitem",
         WM_COMPAREITEM,
         10,
         reinterpret_cast<LPARAM>(&cis),
         {WM_COMPAREITEM, 10, H(&cis)},
         -1},
        {"chartoitem", WM_CHARTOITEM, MAKEWPARAM('k', 4), other, {WM_CHARTOITEM, 'k', H(m_hOther), 4}, -2},
        {"hscroll",
         WM_HSCROLL,
         MAKEWPARAM(SB_THUMBTRACK, 300),
         other,
         {WM_HSCROLL, SB_THUMBTRACK, 300, H(m_hOther)}},
        // The window's own scroll bar: no control.
        {"vscroll", WM_VSCROLL, SB_LINEDOWN, 0, {WM_VSCROLL, SB_LINEDOWN, 0, 0}},
        {"parentnotify",
         WM_PARENTNOTIFY,
         MAKEWPARAM(WM_LBUTTONDOWN, 0),
         Pt(5, 6),
         {WM_PARENTNOTIFY, WM_LBUTTONDOWN, Pt(5, 6)}},
    };
    for (const CrackCase& c : cases)
        Check(c);
}

TEST_F(MessageMapCrackers, MenuMessagesGetTheMenuAndItsState) {
    const WPARAM menuW = reinterpret_cast<WPARAM>(m_hMenu);
    const LPARAM menuL = reinterpret_cast<LPARAM>(m_hMenu);
    const INT_PTR m = H(m_hMenu);
    const std::vector<CrackCase> cases = {
        {"initmenu", WM_INITMENU, menuW, 0, {WM_INITMENU, m}},
        {"initmenupopup", WM_INITMENUPOPUP, menuW, MAKELPARAM(2, TRUE), {WM_INITMENUPOPUP, m, 2, TRUE}},
        {"menuselect",
         WM_MENUSELECT,
         MAKEWPARAM(101, MF_HILITE | MF_POPUP),
         menuL,
         {WM_MENUSELECT, 101, MF_HILITE | MF_POPUP, m}},
        {"menuchar",
         WM_MENUCHAR,
         MAKEWPARAM('x', MF_POPUP),
         menuL,
         {WM_MENUCHAR, 'x', MF_POPUP, m},
         MAKELRESULT(3, MNC_EXECUTE)},
        {"enteridle",
         WM_ENTERIDLE,
         MSGF_MENU,
         reinterpret_cast<LPARAM>(m_hOther),
         {WM_ENTERIDLE, MSGF_MENU, H(m_hOther)}},
        {"entermenuloop", WM_ENTERMENULOOP, TRUE, 0, {WM_ENTERMENULOOP, TRUE}},
    };
    for (const CrackCase& c : cases)
        Check(c);
}

TEST_F(MessageMapCrackers, SystemMessagesGetTheirStringsAndStructures) {
    static const TCHAR kSection[] = _T("WindowMetrics");
    HELPINFO hi = {};
    hi.cbSize = sizeof(hi);
    Check({"settingchange",
           WM_SETTINGCHANGE,
           SPI_SETNONCLIENTMETRICS,
           reinterpret_cast<LPARAM>(kSection),
           {WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, H(kSection)}});
    Check({"help", WM_HELP, 0, reinterpret_cast<LPARAM>(&hi), {WM_HELP, H(&hi)}, TRUE});
    Check({"dropfiles", WM_DROPFILES, 0x1234, 0, {WM_DROPFILES, 0x1234}});
    Check({"close", WM_CLOSE, 0, 0, {WM_CLOSE}});
    EXPECT_TRUE(::IsWindow(m_wnd.m_hWnd));  // the handler did not call Default: the window stays
}

TEST_F(MessageMapCrackers, RealInputReachesTheHandlersThroughTheQueue) {
    m_wnd.SetWindowPos(nullptr, 0, 0, 100, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    m_wnd.Reset();
    ::PostMessage(m_wnd.m_hWnd, WM_LBUTTONUP, MK_SHIFT, Pt(12, 34));
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessage(&msg);
    EXPECT_EQ(m_wnd.m_hit.message, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_EQ(m_wnd.m_hit.a, MK_SHIFT);
    EXPECT_EQ(m_wnd.m_hit.b, 12);
    EXPECT_EQ(m_wnd.m_hit.c, 34);
}

}  // namespace
