// The redirection of the platform's scroll-bar functions: a window without skinned bars gets exactly
// what the platform gives (result, out-values, last error), bad input included; a window with them is
// answered from its record; install and remove are idempotent and leave nothing behind.
#include "SkinScrollBar.h"

#include "ResourceCounter.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <climits>
#include <functional>
#include <vector>

namespace {

// What one call gave: its result, the values it wrote and the last error after it.
struct Outcome {
    INT_PTR nResult;
    int nOut[4];
    DWORD dwError;
    bool operator==(const Outcome& o) const {
        return nResult == o.nResult && dwError == o.dwError && std::equal(nOut, nOut + 4, o.nOut);
    }
};

using Call = std::function<INT_PTR(HWND, int* pOut)>;

Outcome RunCall(const Call& call, HWND hWnd) {
    Outcome o = {0, {-7, -7, -7, -7}, 0};
    SetLastError(0xDEADBEEF);
    o.nResult = call(hWnd, o.nOut);
    o.dwError = GetLastError();
    return o;
}

HWND MakeBarsWindow(HWND hParent) {
    return CreateWindowEx(0, _T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0, 120,
                          90, hParent, nullptr, nullptr, nullptr);
}

SCROLLINFO Info(int nMin, int nMax, UINT nPage, int nPos, UINT fMask = SIF_ALL,
                UINT cbSize = sizeof(SCROLLINFO)) {
    SCROLLINFO si = {cbSize, fMask, nMin, nMax, nPage, nPos, 0};
    return si;
}

INT_PTR SetInfo(HWND h, int nBar, SCROLLINFO si) {
    return SetScrollInfo(h, nBar, &si, TRUE);
}
INT_PTR GetInfo(HWND h, int nBar, int* pOut, UINT fMask = SIF_ALL, UINT cbSize = sizeof(SCROLLINFO)) {
    SCROLLINFO si = Info(-1, -1, 1, -1, fMask, cbSize);
    const BOOL b = GetScrollInfo(h, nBar, &si);
    pOut[0] = si.nMin, pOut[1] = si.nMax, pOut[2] = static_cast<int>(si.nPage), pOut[3] = si.nPos;
    return b;
}

// One sequence of calls, bad input among them, made on each window in turn.
const std::vector<std::pair<const char*, Call>>& Calls() {
    // clang-format off
    static const std::vector<std::pair<const char*, Call>> calls = {
        {"set range", [](HWND h, int*) {return SetInfo(h, SB_VERT, Info(0, 99, 10, 95)); }},
        {"get all", [](HWND h, int* p) {return GetInfo(h, SB_VERT, p); }},
        {"set page above the range", [](HWND h, int*) {return SetInfo(h, SB_HORZ, Info(0, 9, 50, 3)); }},
        {"get horizontal", [](HWND h, int* p) {return GetInfo(h, SB_HORZ, p); }},
        {"min above max", [](HWND h, int*) {return SetInfo(h, SB_VERT, Info(50, 10, 0, 0)); }},
        {"get after min above max", [](HWND h, int* p) {return GetInfo(h, SB_VERT, p); }},
        {"full int range", [](HWND h, int*) {return SetInfo(h, SB_VERT, Info(INT_MIN, INT_MAX, 0, INT_MAX)); }},
        {"get full range", [](HWND h, int* p) {return GetInfo(h, SB_VERT, p); }},
        {"get wrong size", [](HWND h, int* p) {return GetInfo(h, SB_VERT, p, SIF_ALL, 12); }},
        {"get nothing asked", [](HWND h, int* p) {return GetInfo(h, SB_VERT, p, 0); }},
        {"set bar 2", [](HWND h, int*) {return SetInfo(h, SB_CTL, Info(0, 9, 1, 1)); }},
        {"set bar 3", [](HWND h, int*) {return SetInfo(h, SB_BOTH, Info(0, 9, 1, 1)); }},
        {"set bar -1", [](HWND h, int*) {return SetInfo(h, -1, Info(0, 9, 1, 1)); }},
        {"get bar 99", [](HWND h, int* p) {return GetInfo(h, 99, p); }},
        {"set position", [](HWND h, int*) {return static_cast<INT_PTR>(SetScrollPos(h, SB_HORZ, 4, TRUE)); }},
        {"get position", [](HWND h, int*) {return static_cast<INT_PTR>(GetScrollPos(h, SB_HORZ)); }},
        {"get position bar 3", [](HWND h, int*) {return static_cast<INT_PTR>(GetScrollPos(h, SB_BOTH)); }},
        {"set range call", [](HWND h, int*) {return static_cast<INT_PTR>(SetScrollRange(h, SB_HORZ, 2, 30, TRUE)); }},
        {"get range", [](HWND h, int* p) {return static_cast<INT_PTR>(GetScrollRange(h, SB_HORZ, p, p + 1)); }},
        {"get range bar -1", [](HWND h, int* p) {return static_cast<INT_PTR>(GetScrollRange(h, -1, p, p + 1)); }},
        {"disable arrows", [](HWND h, int*) {return static_cast<INT_PTR>(EnableScrollBar(h, SB_VERT, ESB_DISABLE_BOTH)); }},
        {"enable bar 99", [](HWND h, int*) {return static_cast<INT_PTR>(EnableScrollBar(h, 99, ESB_ENABLE_BOTH)); }},
        {"hide horizontal", [](HWND h, int*) {return static_cast<INT_PTR>(ShowScrollBar(h, SB_HORZ, FALSE)); }},
        {"style", [](HWND h, int*) {return GetWindowLongPtr(h, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL); }},
    };
    // clang-format on
    return calls;
}

}  // namespace

TEST(SkinSBHook, AWindowWithoutSkinnedBarsGetsExactlyThePlatformsAnswers) {
    riztest::TestWindow host(300, 200);
    HWND hReference = MakeBarsWindow(host.Host());
    HWND hTwin = MakeBarsWindow(host.Host());
    HWND hSkinned = MakeBarsWindow(host.Host());
    HBITMAP hBitmap = CreateBitmap(240, 48, 1, 32, nullptr);
    ASSERT_TRUE(AttachSkinScrollBar(hSkinned, hBitmap));
    std::vector<Outcome> reference;
    for (const auto& call : Calls())
        reference.push_back(RunCall(call.second, hReference));
    const Call& getAll = Calls()[1].second;
    const Outcome badReference[2] = {RunCall(getAll, nullptr), RunCall(getAll, HWND(0x1234))};
    InstallScrollBarHook();
    InstallScrollBarHook();
    for (size_t i = 0; i < Calls().size(); ++i) {
        SCOPED_TRACE(Calls()[i].first);
        const Outcome twin = RunCall(Calls()[i].second, hTwin);
        EXPECT_TRUE(twin == reference[i]) << twin.nResult << " " << twin.dwError << " against "
                                          << reference[i].nResult << " " << reference[i].dwError;
    }
    // Invalid handles pass to the platform as well.
    EXPECT_TRUE(RunCall(getAll, nullptr) == badReference[0]);
    EXPECT_TRUE(RunCall(getAll, HWND(0x1234)) == badReference[1]);
    // The skinned window is answered from its record: the platform keeps what it had at attach.
    SetInfo(hSkinned, SB_VERT, Info(0, 99, 10, 95));
    int out[4];
    EXPECT_EQ(TRUE, GetInfo(hSkinned, SB_VERT, out));
    EXPECT_EQ((std::vector<int>{0, 99, 10, 90}), std::vector<int>(out, out + 4));
    EXPECT_EQ(90, GetScrollPos(hSkinned, SB_VERT));
    UnInstallScrollBarHook();
    UnInstallScrollBarHook();
    EXPECT_EQ(0, GetScrollPos(hSkinned, SB_VERT));
    EXPECT_TRUE(DetachSkinScrollBar(hSkinned));
    EXPECT_FALSE(DetachSkinScrollBar(hSkinned));
    EXPECT_EQ(90, GetScrollPos(hSkinned, SB_VERT));  // detaching gave the record back to the platform
    for (HWND h : {hReference, hTwin, hSkinned})
        DestroyWindow(h);
    DeleteObject(hBitmap);
}

TEST(SkinSBHook, AttachRefusesBadHandlesAndTwiceAndNothingLeaks) {
    riztest::TestWindow host(300, 200);
    HBITMAP hBitmap = CreateBitmap(240, 48, 1, 32, nullptr);
    const riztest::ResourceSnapshot snapshot;
    HWND hWnd = MakeBarsWindow(host.Host());
    SetLastError(0);
    EXPECT_FALSE(AttachSkinScrollBar(HWND(0x1234), hBitmap));
    EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
    SetLastError(0);
    EXPECT_FALSE(AttachSkinScrollBar(hWnd, nullptr));
    EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
    EXPECT_FALSE(IsSkinScrollBar(hWnd));
    EXPECT_TRUE(AttachSkinScrollBar(hWnd, hBitmap));
    EXPECT_FALSE(AttachSkinScrollBar(hWnd, hBitmap));
    EXPECT_TRUE(IsSkinScrollBar(hWnd));
    EXPECT_EQ(0, SkinSetScrollInfo(hWnd, SB_CTL, nullptr, TRUE));
    EXPECT_FALSE(SkinEnableScrollBar(hWnd, SB_CTL, ESB_DISABLE_BOTH));
    EXPECT_TRUE(SkinEnableScrollBar(hWnd, SB_BOTH, ESB_DISABLE_LTUP));
    EXPECT_FALSE(SkinEnableScrollBar(hWnd, SB_BOTH, ESB_DISABLE_LTUP));
    DestroyWindow(hWnd);  // detaches at WM_NCDESTROY
    EXPECT_FALSE(IsSkinScrollBar(hWnd));
    EXPECT_EQ(0, snapshot.GdiDelta());
    EXPECT_EQ(0, snapshot.WindowDelta());
    DeleteObject(hBitmap);
}

TEST(SkinSBHook, ControlsInsideAndOutsideUserKeepTheirSkinnedRecordCurrent) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&icc));
    riztest::TestWindow host(300, 200);
    HBITMAP hBitmap = CreateBitmap(240, 48, 1, 32, nullptr);
    const struct {
        const char* name;
        const TCHAR* lpszClass;
        UINT nAddMsg;
    } rows[] = {{"list box (inside USER)", _T("ListBox"), LB_ADDSTRING},
                {"list view (comctl32)", WC_LISTVIEW, LVM_INSERTITEM}};
    InstallScrollBarHook();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HWND hWnd = CreateWindowEx(0, row.lpszClass, _T(""), WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_LIST, 0,
                                   0, 150, 100, host.Host(), nullptr, nullptr, nullptr);
        ASSERT_TRUE(AttachSkinScrollBar(hWnd, hBitmap));
        for (int i = 0; i < 40; ++i) {
            LVITEM item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = const_cast<LPTSTR>(_T("lesson"));
            SendMessage(hWnd, row.nAddMsg, 0,
                        row.nAddMsg == LB_ADDSTRING ? reinterpret_cast<LPARAM>(_T("lesson"))
                                                    : reinterpret_cast<LPARAM>(&item));
        }
        SCROLLINFO si = {sizeof(si), SIF_RANGE, 0, 0, 0, 0, 0};
        const int nBar =
            row.nAddMsg == LB_ADDSTRING ? SB_VERT : SB_HORZ;  // a list view in list mode scrolls sideways
        EXPECT_TRUE(SkinGetScrollInfo(hWnd, nBar, &si));
        EXPECT_GT(si.nMax, 0);
        DestroyWindow(hWnd);
    }
    UnInstallScrollBarHook();
    DeleteObject(hBitmap);
}
