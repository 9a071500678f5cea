// Skinned bars on real windows: the scroll messages presses, drags and repeats send, the cell and state
// every part is drawn from, handlers that destroy or detach mid-press, and the skin's bitmap.
#include "SkinScrollBar.h"

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVSkinResManager.h"
#include "ResourceCounter.h"
#include "TestData.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace {

// Cell (column, row) of the test bitmap has a colour of its own, so a pixel names part and state.
COLORREF CellColour(int nColumn, int nRow) {
    return RGB(8 + nColumn * 16, 40 + nRow * 80, 200 - nColumn * 8);
}

// A window that scrolls as a control does: positions from SIF_TRACKPOS (32 bits) while dragging.
struct Recorder {
    std::vector<WPARAM> scrolls;
    int nSysCommands = 0;
    std::function<void(HWND, WPARAM)> onScroll;
};
Recorder* g_pRecorder = nullptr;

LRESULT CALLBACK RecorderProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_SYSCOMMAND) ++g_pRecorder->nSysCommands;
    if (nMsg != WM_VSCROLL && nMsg != WM_HSCROLL) return DefWindowProc(hWnd, nMsg, wParam, lParam);
    g_pRecorder->scrolls.push_back(nMsg == WM_VSCROLL ? wParam | 0x80 : wParam);
    const int nBar = nMsg == WM_VSCROLL ? SB_VERT : SB_HORZ;
    SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(hWnd, nBar, &si);
    const int nPage = static_cast<int>(si.nPage);
    const int nSteps[] = {-1, 1, -nPage, nPage};
    if (LOWORD(wParam) <= SB_PAGEDOWN) si.nPos += nSteps[LOWORD(wParam)];
    if (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION) si.nPos = si.nTrackPos;
    si.fMask = SIF_POS;
    SetScrollInfo(hWnd, nBar, &si, TRUE);
    if (g_pRecorder->onScroll) g_pRecorder->onScroll(hWnd, wParam);
    return 0;
}

const TCHAR kRecorder[] = _T("SkinSBRecorder");
const TCHAR kRichEdit[] = _T("RichEdit20W");  // the class name is what makes a window a rich edit here

SCROLLINFO Info(int nMax, UINT nPage, int nPos) {
    SCROLLINFO si = {sizeof(SCROLLINFO), SIF_ALL, 0, nMax, nPage, nPos, 0};
    return si;
}
const SCROLLINFO kDefault = Info(99, 40, 0);

// Vertical scroll messages carry 0x80 in the recorded code.
WPARAM V(int nCode, int nPos = 0) {
    return MAKEWPARAM(nCode | 0x80, nPos);
}
WPARAM H(int nCode, int nPos = 0) {
    return MAKEWPARAM(nCode, nPos);
}

// A 200 x 150 window with both bars at (20, 20) of a shown host: its client area is 184 x 134, the
// vertical bar x 184-199, the horizontal bar y 134-149, the size box at (184, 134).
class SkinSBWindow : public ::testing::Test {
protected:
    void SetUp() override {
        for (LPCTSTR lpszClass : {kRecorder, kRichEdit}) {
            WNDCLASS wc = {};
            wc.lpfnWndProc = RecorderProc;
            wc.hInstance = GetModuleHandle(nullptr);
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
            wc.lpszClassName = lpszClass;
            RegisterClass(&wc);
        }
        g_pRecorder = &m_rec;
        m_hBitmap = riztest::Dib(240, 48, [](int x, int y) { return CellColour(x / 16, y / 16); });
        InstallScrollBarHook();
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    void TearDown() override {
        if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
        UnInstallScrollBarHook();
        DeleteObject(m_hBitmap);
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        riztest::PumpUntilIdle();
        g_pRecorder = nullptr;
    }
    HWND Make(LPCTSTR lpszClass = kRecorder, SCROLLINFO vert = kDefault) {
        m_hWnd = CreateWindowEx(0, lpszClass, _T(""), WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 20, 20,
                                200, 150, m_host.Host(), nullptr, GetModuleHandle(nullptr), nullptr);
        EXPECT_TRUE(AttachSkinScrollBar(m_hWnd, m_hBitmap));
        SCROLLINFO horz = kDefault;
        SetScrollInfo(m_hWnd, SB_VERT, &vert, TRUE);
        SetScrollInfo(m_hWnd, SB_HORZ, &horz, TRUE);
        riztest::PumpUntilIdle();
        return m_hWnd;
    }
    CPoint Screen(CPoint pt) const {
        CRect rc;
        GetWindowRect(m_hWnd, &rc);
        return pt + rc.TopLeft();
    }
    // Posted input with the cursor placed first: the module reads the point through GetMessagePos.
    void Post(UINT nMsg, CPoint ptWindow, WPARAM wParam = 0) {
        const CPoint pt = Screen(ptWindow);
        SetCursorPos(pt.x, pt.y);
        CPoint ptClient = pt;
        ScreenToClient(m_hWnd, &ptClient);
        const CPoint ptArg = nMsg >= WM_NCMOUSEMOVE && nMsg <= WM_NCMBUTTONDBLCLK ? pt : ptClient;
        PostMessage(m_hWnd, nMsg, wParam, MAKELPARAM(ptArg.x, ptArg.y));
        riztest::PumpUntilIdle();
    }
    void Tick(UINT_PTR nTimer) { SendMessage(m_hWnd, WM_TIMER, nTimer, 0); }
    int Pos(int nBar) const { return GetScrollPos(m_hWnd, nBar); }

    riztest::TestWindow m_host{400, 300, true};
    Recorder m_rec;
    HBITMAP m_hBitmap = nullptr;
    HWND m_hWnd = nullptr;
};

}  // namespace

TEST_F(SkinSBWindow, PressesDragsAndRepeatsSendTheSystemsScrollSequences) {
    const CPoint kNoMove(-1, -1);
    const struct {
        const char* name;
        LPCTSTR lpszClass;
        SCROLLINFO vert;
        CPoint ptPress, ptMove;
        int nTicks;  // the delay timer, then nTicks - 1 repeats; negative: the same after the release
        std::vector<WPARAM> expected;
        int nFinalPos;  // of the pressed bar
        // clang-format off
    } rows[] = {
        {"down arrow", kRecorder, kDefault, {192, 125}, kNoMove, 3, {V(1), V(1), V(1), V(8)}, 3},
        {"left arrow at the start", kRecorder, kDefault, {8, 142}, kNoMove, 2, {H(0), H(0), H(8)}, 0},
        {"page down stops at the cursor", kRecorder, kDefault, {192, 100}, kNoMove, 4, {V(3), V(3), V(8)}, 60},
        {"released before the delay", kRecorder, kDefault, {192, 125}, kNoMove, -2, {V(1), V(8)}, 1},
        {"thumb drag", kRecorder, kDefault, {192, 30}, {192, 60}, 0, {V(5, 30), V(4, 30), V(8)}, 30},
        {"rich edit drag", kRichEdit, kDefault, {192, 30}, {192, 60}, 0, {V(4, 30), V(4, 30), V(8)}, 30},
        {"thumb click reports its own place", kRecorder, Info(99, 40, 30), {192, 55}, kNoMove, 0, {V(4, 30), V(8)}, 30},
        {"32-bit drag to the end", kRecorder, Info(199999, 40000, 0), {192, 20}, {192, 149}, 0, {V(5, 160000), V(4, 160000), V(8)}, 160000},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        m_rec.scrolls.clear();
        Make(row.lpszClass, row.vert);
        const int nBar = row.ptPress.x >= 184 ? SB_VERT : SB_HORZ;
        Post(WM_NCLBUTTONDOWN, row.ptPress, nBar == SB_VERT ? HTVSCROLL : HTHSCROLL);
        if (row.ptMove != kNoMove) Post(WM_MOUSEMOVE, row.ptMove, MK_LBUTTON);
        for (int i = 0; i < row.nTicks; ++i)
            Tick(i == 0 ? 60000 : 60001);
        Post(WM_LBUTTONUP, row.ptMove != kNoMove ? row.ptMove : row.ptPress);
        for (int i = 0; i < -row.nTicks; ++i)
            Tick(i == 0 ? 60000 : 60001);
        EXPECT_EQ(row.expected, m_rec.scrolls);
        EXPECT_EQ(row.nFinalPos, Pos(nBar));
        EXPECT_FALSE(KillTimer(m_hWnd, 60001));  // no repeat outlives its press
        EXPECT_NE(m_hWnd, GetCapture());
        DestroyWindow(m_hWnd);
    }
}

TEST_F(SkinSBWindow, EveryPartIsDrawnFromItsCellInItsState) {
    Make();
    // Thumbs: vertical 16-57 with its grip at 28, horizontal 16-77 with its grip at 38. Each probe is
    // x, y and the cell (column, row) whose colour it must show.
    auto wrongCells = [this](std::initializer_list<std::array<int, 4>> probes) {
        const riztest::WindowCapture shot(m_hWnd, riztest::WindowCapture::Current, false);
        std::string str;
        for (const auto& p : probes)
            str += shot.WrongPixels({{p[0], p[1], CellColour(p[2], p[3])}}, 2);
        return str;
    };
    // clang-format off
    EXPECT_EQ("", wrongCells({{192, 8, 0, 0}, {192, 125, 4, 0}, {192, 18, 8, 0}, {192, 36, 11, 0}, {192, 90, 14, 0},
                              {8, 142, 0, 1}, {176, 142, 4, 1}, {20, 142, 8, 1}, {46, 142, 11, 1}, {150, 142, 14, 1},
                              {192, 142, 0, 2}}));
    Post(WM_NCMOUSEMOVE, {192, 125}, HTVSCROLL);
    EXPECT_EQ("", wrongCells({{192, 125, 5, 0}, {192, 8, 0, 0}}));  // hot
    Post(WM_NCLBUTTONDOWN, {192, 30}, HTVSCROLL);
    EXPECT_EQ("", wrongCells({{192, 18, 10, 0}, {192, 36, 13, 0}, {192, 125, 4, 0}}));  // pressed
    Post(WM_LBUTTONUP, {192, 30});
    EnableScrollBar(m_hWnd, SB_VERT, ESB_DISABLE_BOTH);  // arrows disabled, the thumb not drawn
    EXPECT_EQ("", wrongCells({{192, 8, 3, 0}, {192, 125, 7, 0}, {192, 30, 14, 0}}));
    // clang-format on
    // The platform's client area is the same as with its own 16-pixel bars; the hit test names them.
    CRect rcClient;
    GetClientRect(m_hWnd, &rcClient);
    EXPECT_EQ(CRect(0, 0, 184, 134), rcClient);
    EXPECT_EQ(HTVSCROLL,
              SendMessage(m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(Screen({190, 5}).x, Screen({190, 5}).y)));
    EXPECT_EQ(HTSIZE,
              SendMessage(m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(Screen({190, 140}).x, Screen({190, 140}).y)));
    // The left-side variant moves the vertical bar, the client area and the size box.
    SetWindowLongPtr(m_hWnd, GWL_EXSTYLE, WS_EX_LEFTSCROLLBAR);
    riztest::PumpUntilIdle();
    GetClientRect(m_hWnd, &rcClient);
    MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    EXPECT_EQ(Screen({16, 0}), rcClient.TopLeft());
    EXPECT_EQ("", wrongCells({{8, 8, 3, 0}, {8, 142, 1, 2}, {30, 142, 0, 1}}));
}

TEST_F(SkinSBWindow, HandlersThatDestroyDetachOrTakeTheCaptureEndThePressCleanly) {
    const riztest::ResourceSnapshot snapshot;
    const struct {
        const char* name;
        CPoint ptPress;
        bool bDrag;
        std::function<void(HWND, WPARAM)> onScroll;
        std::vector<WPARAM> expected;
        // clang-format off
    } rows[] = {
        {"destroyed mid-drag", {192, 30}, true, [](HWND h, WPARAM) { DestroyWindow(h); }, {V(5, 30)}},
        {"destroyed mid-repeat", {192, 125}, false, [](HWND h, WPARAM) { if (GetScrollPos(h, SB_VERT) == 2) DestroyWindow(h); }, {V(1), V(1)}},
        {"detached mid-drag", {192, 30}, true, [](HWND h, WPARAM) { DetachSkinScrollBar(h); }, {V(5, 30)}},
        {"bar hidden mid-drag", {192, 30}, true, [](HWND h, WPARAM) { ShowScrollBar(h, SB_VERT, FALSE); }, {V(5, 30), V(4, 30), V(8)}},
        {"hook removed mid-drag", {192, 30}, true, [](HWND, WPARAM) { UnInstallScrollBarHook(); }, {V(5, 30), V(5, 59), V(4, 59), V(8)}},
        {"capture taken mid-repeat", {192, 125}, false, [this](HWND h, WPARAM) { if (GetScrollPos(h, SB_VERT) == 2) SetCapture(m_host.Host()); }, {V(1), V(1), V(8)}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        m_rec.scrolls.clear();
        Make();
        m_rec.onScroll = row.onScroll;
        Post(WM_NCLBUTTONDOWN, row.ptPress, HTVSCROLL);
        if (row.bDrag) Post(WM_MOUSEMOVE, {192, 60}, MK_LBUTTON);
        if (row.bDrag && IsWindow(m_hWnd)) Post(WM_MOUSEMOVE, {192, 90}, MK_LBUTTON);
        for (int i = 0; i < 3; ++i)
            if (IsWindow(m_hWnd)) Tick(i == 0 ? 60000 : 60001);
        if (IsWindow(m_hWnd)) Post(WM_LBUTTONUP, {192, 60});
        m_rec.onScroll = nullptr;
        EXPECT_EQ(row.expected, m_rec.scrolls);
        if (IsWindow(m_hWnd)) {
            EXPECT_FALSE(KillTimer(m_hWnd, 60001));
            DestroyWindow(m_hWnd);
        }
        ReleaseCapture();
        InstallScrollBarHook();
    }
    // A press on a disabled arrow reaches no platform scroll loop and sends nothing.
    m_rec.scrolls.clear();
    Make();
    EnableScrollBar(m_hWnd, SB_VERT, ESB_DISABLE_BOTH);
    Post(WM_NCLBUTTONDOWN, {192, 125}, HTVSCROLL);
    Post(WM_LBUTTONUP, {192, 125});
    EXPECT_EQ(0, m_rec.nSysCommands);
    EXPECT_TRUE(m_rec.scrolls.empty());
    DestroyWindow(m_hWnd);
    riztest::PumpUntilIdle();
    EXPECT_EQ(0, snapshot.GdiDelta());
    EXPECT_EQ(0, snapshot.WindowDelta());
}

TEST_F(SkinSBWindow, DetachingUnderAnotherSubclassKeepsItInTheChain) {
    Make();
    static int s_nSeen = 0;
    static WNDPROC s_oldProc = nullptr;
    s_oldProc = reinterpret_cast<WNDPROC>(SetWindowLongPtr(
        m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_USER) ++s_nSeen;
            return CallWindowProc(s_oldProc, h, m, w, l);
        })));
    EXPECT_TRUE(DetachSkinScrollBar(m_hWnd));
    EXPECT_FALSE(IsSkinScrollBar(m_hWnd));
    SendMessage(m_hWnd, WM_USER, 0, 0);
    EXPECT_EQ(1, s_nSeen);
    EXPECT_EQ(0, SendMessage(m_hWnd, WM_VSCROLL, SB_LINEDOWN, 0));  // still reaches the window's own code
    EXPECT_EQ(std::vector<WPARAM>{V(1)}, m_rec.scrolls);
    EXPECT_EQ(1, GetScrollPos(m_hWnd, SB_VERT));  // answered by the platform again
    // Attaching again takes the place the procedure kept, below the other subclass.
    EXPECT_TRUE(AttachSkinScrollBar(m_hWnd, m_hBitmap));
    SendMessage(m_hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(2, GetScrollPos(m_hWnd, SB_VERT));
    SendMessage(m_hWnd, WM_USER, 0, 0);
    EXPECT_EQ(2, s_nSeen);
    EXPECT_TRUE(DestroyWindow(m_hWnd));
}

TEST_F(SkinSBWindow, TheSkinsBitmapIsUsedWhenItFitsAndFollowsASkinChange) {
    riztest::TempFolder folder;
    auto load = [&](LPCTSTR lpszName, int cx, COLORREF clr) {
        const CString strSkin = folder.Path(lpszName) + _T("\\");
        const char* pszIni = "[Skin]\r\nName = Test\r\n[Window]\r\nScrollBar = sb.bmp\r\n";
        EXPECT_TRUE(folder.WriteFile(CString(lpszName) + _T("\\skin.ini"), pszIni));
        if (cx)
            folder.WriteFile(CString(lpszName) + _T("\\sb.bmp"),
                             riztest::Bmp24(cx, 48, [clr](int, int) { return clr; }));
        return CQVSkinResManager::GetSingletonPtr()->LoadSkin(strSkin);
    };
    HWND hWnd = CreateWindowEx(0, kRecorder, _T(""), WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 100, 100,
                               m_host.Host(), nullptr, GetModuleHandle(nullptr), nullptr);
    const struct {
        LPCTSTR lpszName;
        int cx;
        BOOL bSkinned;
    } rows[] = {{_T("none"), 0, FALSE}, {_T("small"), 200, FALSE}, {_T("full"), 240, TRUE}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.cx);
        ASSERT_TRUE(load(row.lpszName, row.cx, RGB(200, 10, 10)));
        EXPECT_EQ(row.bSkinned, SubclassScrollBar(hWnd));
        EXPECT_EQ(row.bSkinned, IsSkinScrollBar(hWnd));
    }
    RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ("", riztest::WindowCapture(hWnd, riztest::WindowCapture::Current, false)
                      .WrongPixels({{90, 8, RGB(200, 10, 10)}}));
    ASSERT_TRUE(load(_T("second"), 240, RGB(10, 10, 200)));  // the first skin's pixels are gone now
    SendMessage(hWnd, WM_QV_SKINCHANGED, 0, 0);
    riztest::PumpUntilIdle();
    EXPECT_EQ("", riztest::WindowCapture(hWnd, riztest::WindowCapture::Current, false)
                      .WrongPixels({{90, 8, RGB(10, 10, 200)}}));
    // A bitmap too small for the cells draws the bars in the system's look, never from outside it.
    DetachSkinScrollBar(hWnd);
    HBITMAP hSmall = riztest::Dib(10, 10, [](int, int) { return RGB(0, 255, 0); });
    ASSERT_TRUE(AttachSkinScrollBar(hWnd, hSmall));
    RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ("", riztest::WindowCapture(hWnd, riztest::WindowCapture::Current, false)
                      .WrongPixels({{90, 50, GetSysColor(COLOR_SCROLLBAR)}}));
    DestroyWindow(hWnd);
    DeleteObject(hSmall);
}

// 100,000 rows in an owner-data list box and list view, 200 x 150 without a horizontal bar: the thumb
// (10 pixels at the top of a 118-pixel track) dragged by half its span shows the middle rows, dragged
// to the bottom the last page. Positions pass 16 bits: both controls follow the drag through
// SIF_TRACKPOS, but the list box takes the release's SB_THUMBPOSITION from wParam's 16 bits, with the
// system's own bar as with the skinned one, so it ends on the last page's low 16 bits.
TEST_F(SkinSBWindow, ThumbDragsOverHundredThousandRowsEndWhereTheSystemsDo) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&icc));
    const int kRows = 100000, kSpan = 150 - 2 * 16 - SKINSB_MIN_THUMB;
    for (bool bListView : {false, true}) {
        SCOPED_TRACE(bListView ? "list view" : "list box");
        auto make = [&](bool bSkinned) {
            const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL |
                                  (bListView ? LVS_REPORT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER
                                             : LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT);
            m_hWnd = CreateWindowEx(0, bListView ? WC_LISTVIEW : _T("ListBox"), _T(""), dwStyle, 20, 20, 200,
                                    150, m_host.Host(), nullptr, GetModuleHandle(nullptr), nullptr);
            if (bSkinned) {
                EXPECT_TRUE(AttachSkinScrollBar(m_hWnd, m_hBitmap));
            }
            if (bListView) {
                LVCOLUMN col = {};
                col.mask = LVCF_WIDTH;
                col.cx = 150;
                ListView_InsertColumn(m_hWnd, 0, &col);
                ListView_SetItemCountEx(m_hWnd, kRows, 0);
            } else {
                SendMessage(m_hWnd, LB_SETCOUNT, kRows, 0);
            }
            riztest::PumpUntilIdle();
        };
        auto top = [&] {
            return static_cast<int>(SendMessage(m_hWnd, bListView ? LVM_GETTOPINDEX : LB_GETTOPINDEX, 0, 0));
        };
        make(true);
        SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
        ASSERT_TRUE(GetScrollInfo(m_hWnd, SB_VERT, &si));
        ASSERT_GT(si.nPage, 3u);
        const int nLast = kRows - static_cast<int>(si.nPage);
        const int nLastShown = bListView ? nLast : nLast & 0xFFFF;
        const struct {
            int yTo;  // where the thumb's middle is dragged
            int nTop;
        } kDrags[] = {{20 + kSpan / 2, nLast / 2}, {400, nLastShown}, {-300, 0}};
        for (const auto& drag : kDrags) {
            SCOPED_TRACE(drag.yTo);
            const int yFrom = 16 + MulDiv(GetScrollPos(m_hWnd, SB_VERT), kSpan, nLast) + 4;
            Post(WM_NCLBUTTONDOWN, {192, yFrom}, HTVSCROLL);
            Post(WM_MOUSEMOVE, {192, (yFrom + drag.yTo) / 2}, MK_LBUTTON);
            Post(WM_MOUSEMOVE, {192, drag.yTo}, MK_LBUTTON);
            Post(WM_LBUTTONUP, {192, drag.yTo});
            EXPECT_NEAR(drag.nTop, top(), kRows / kSpan);
            EXPECT_EQ(top(), GetScrollPos(m_hWnd, SB_VERT));
            if (drag.yTo == 400) {
                GetScrollInfo(m_hWnd, SB_VERT, &si);
                EXPECT_EQ(nLast, si.nTrackPos);  // the drag itself reached the last page
            }
        }
        DestroyWindow(m_hWnd);

        // The unskinned twin dragged to the bottom by the system's own loop, which takes the posted input
        // at once (the pointer stays near the bar: farther away the system's thumb snaps back).
        make(false);
        for (const CPoint& pt : {CPoint(192, 20), CPoint(192, 100), CPoint(192, 148)}) {
            const CPoint ptScreen = Screen(pt);
            CPoint ptClient = ptScreen;
            ScreenToClient(m_hWnd, &ptClient);
            SetCursorPos(ptScreen.x, ptScreen.y);
            if (pt.y == 20)
                PostMessage(m_hWnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(ptScreen.x, ptScreen.y));
            PostMessage(m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
        }
        PostMessage(m_hWnd, WM_LBUTTONUP, 0, 0);
        riztest::PumpUntilIdle();
        EXPECT_EQ(nLastShown, top());
        DestroyWindow(m_hWnd);
    }
}
