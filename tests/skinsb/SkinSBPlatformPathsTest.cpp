// Which path the platform's own controls take to keep their window scroll bars current: the exported
// scroll-bar functions of USER (patched at their entry points, so calls from inside USER count too) or
// the system-call layer below them (win32u). Each control is filled, scrolled and resized while every
// entry counts its callers by module; the table is printed and the paths the redirection relies on are
// asserted.
#include "SkinSBEntryPatch.h"

#include "MessagePump.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <cstring>
#include <map>
#include <string>

namespace {

struct Entry {
    const char* lpszModule;
    const char* lpszName;
};
// clang-format off
const Entry kEntries[] = {
    {"user32.dll", "SetScrollInfo"},         {"user32.dll", "GetScrollInfo"},
    {"user32.dll", "SetScrollPos"},          {"user32.dll", "GetScrollPos"},
    {"user32.dll", "SetScrollRange"},        {"user32.dll", "GetScrollRange"},
    {"user32.dll", "ShowScrollBar"},         {"user32.dll", "EnableScrollBar"},
    {"win32u.dll", "NtUserSetScrollInfo"},   {"win32u.dll", "NtUserShowScrollBar"},
    {"win32u.dll", "NtUserEnableScrollBar"}, {"win32u.dll", "NtUserGetScrollBarInfo"},
};
// clang-format on
const int kEntryCount = sizeof(kEntries) / sizeof(kEntries[0]);

CSkinSBEntryPatch g_patches[kEntryCount];
std::map<std::string, int> g_calls;  // "entry <- calling module" -> count

std::string ModuleOf(void* pAddress) {
    HMODULE hModule = nullptr;
    char sz[MAX_PATH] = "?";
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<LPCSTR>(pAddress), &hModule))
        GetModuleFileNameA(hModule, sz, MAX_PATH);
    std::string name = sz;
    name = name.substr(name.find_last_of("\\/") + 1);
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// Every entry has at most four pointer-sized arguments (SetScrollRange five), so one hook shape serves.
template <int N>
INT_PTR CountingHook(INT_PTR a, INT_PTR b, INT_PTR c, INT_PTR d, INT_PTR e) {
    ++g_calls[std::string(kEntries[N].lpszName) + " <- " + ModuleOf(__builtin_return_address(0))];
    return g_patches[N].OriginalAs<INT_PTR (*)(INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR)>()(a, b, c, d, e);
}

template <int... N>
void* HookOf(int n, std::integer_sequence<int, N...>) {
    void* hooks[] = {reinterpret_cast<void*>(&CountingHook<N>)...};
    return hooks[n];
}

struct Scenario {
    const char* lpszControl;
    const wchar_t* lpszClass;
    DWORD dwStyle;
    UINT nAddMsg;  // adds one line: 0 for a text control, filled by WM_SETTEXT
};

std::map<std::string, int> Measure(const Scenario& s, HWND hParent) {
    std::wstring text;
    for (int i = 0; i < 60; ++i)
        text += L"line line line line line line line line line line " + std::to_wstring(i) + L"\r\n";
    g_calls.clear();
    HWND hWnd =
        CreateWindowExW(0, s.lpszClass, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | s.dwStyle, 0,
                        0, 150, 100, hParent, nullptr, GetModuleHandle(nullptr), nullptr);
    EXPECT_NE(nullptr, hWnd);
    if (s.nAddMsg == LVM_INSERTITEMW) {
        LVCOLUMNW col = {};
        col.mask = LVCF_WIDTH;
        col.cx = 400;
        SendMessageW(hWnd, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
    }
    for (int i = 0; i < 60 && s.nAddMsg; ++i) {
        wchar_t sz[64];
        swprintf(sz, 64, L"item item item item item item item %d", i);
        if (s.nAddMsg == LVM_INSERTITEMW) {
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = sz;
            SendMessageW(hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        } else if (s.nAddMsg == TVM_INSERTITEMW) {
            TVINSERTSTRUCTW tvi = {};
            tvi.hInsertAfter = TVI_LAST;
            tvi.item.mask = TVIF_TEXT;
            tvi.item.pszText = sz;
            SendMessageW(hWnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
        } else {
            SendMessageW(hWnd, s.nAddMsg, 0, reinterpret_cast<LPARAM>(sz));
        }
    }
    if (!s.nAddMsg) SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    riztest::PumpUntilIdle();
    SendMessageW(hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageW(hWnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(hWnd, WM_HSCROLL, SB_LINEDOWN, 0);
    SetWindowPos(hWnd, nullptr, 0, 0, 120, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    riztest::PumpUntilIdle();
    DestroyWindow(hWnd);
    return g_calls;
}

int CallsFrom(const std::map<std::string, int>& calls, const std::string& entryFromModule) {
    const auto it = calls.find(entryFromModule);
    return it == calls.end() ? 0 : it->second;
}

// Patches every entry with its counting hook; absent entries stay unpatched, and every present one must
// be patchable.
void PatchAll() {
    for (int i = 0; i < kEntryCount; ++i) {
        void* pEntry = reinterpret_cast<void*>(
            GetProcAddress(LoadLibraryA(kEntries[i].lpszModule), kEntries[i].lpszName));
        SCOPED_TRACE(kEntries[i].lpszName);
        EXPECT_EQ(pEntry != nullptr,
                  !!g_patches[i].Install(pEntry, HookOf(i, std::make_integer_sequence<int, kEntryCount>())));
    }
}

// clang-format off
const Scenario kScenarios[] = {
    {"list box", L"ListBox", LBS_NOTIFY | WS_BORDER, LB_ADDSTRING},
    {"edit", L"Edit", ES_MULTILINE | ES_AUTOVSCROLL, 0},
    {"simple combo box (list inside)", L"ComboBox", CBS_SIMPLE, CB_ADDSTRING},
    {"list view", WC_LISTVIEWW, LVS_REPORT, LVM_INSERTITEMW},
    {"tree view", WC_TREEVIEWW, TVS_HASLINES, TVM_INSERTITEMW},
    {"rich edit", L"RichEdit20W", ES_MULTILINE, 0},
};
// clang-format on

}  // namespace

TEST(SkinSBPlatformPaths, UserControlsGoBelowTheExportsCommonControlsAndRichEditThroughThem) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&icc));
    HMODULE hRichEdit = LoadLibraryW(L"riched20.dll");
    ASSERT_NE(nullptr, hRichEdit);
    riztest::TestWindow host(300, 200);
    PatchAll();
    std::map<std::string, std::map<std::string, int>> measured;
    for (const Scenario& s : kScenarios)
        measured[s.lpszControl] = Measure(s, host.Host());
    for (CSkinSBEntryPatch& patch : g_patches)
        patch.Remove();
    FreeLibrary(hRichEdit);
    for (const auto& control : measured) {
        std::printf("%s:\n", control.first.c_str());
        for (const auto& call : control.second)
            std::printf("    %-45s %d\n", call.first.c_str(), call.second);
    }

    // USER's own controls update their bars below the exported SetScrollInfo, straight through the
    // system-call layer; the common controls and rich edit call the exports through their import tables.
    const struct {
        const char* lpszControl;
        const char* lpszCall;
        bool bSeen;
        // clang-format off
    } rows[] = {
        {"list box", "NtUserSetScrollInfo <- user32.dll", true},
        {"list box", "SetScrollInfo <- user32.dll", false},
        {"list box", "ShowScrollBar <- user32.dll", true},
        {"edit", "NtUserSetScrollInfo <- user32.dll", true},
        {"edit", "SetScrollInfo <- user32.dll", false},
        {"simple combo box (list inside)", "NtUserSetScrollInfo <- user32.dll", true},
        {"simple combo box (list inside)", "SetScrollInfo <- user32.dll", false},
        {"list view", "SetScrollInfo <- comctl32.dll", true},
        {"list view", "GetScrollInfo <- comctl32.dll", true},
        {"list view", "NtUserSetScrollInfo <- user32.dll", false},
        {"tree view", "SetScrollInfo <- comctl32.dll", true},
        {"tree view", "SetScrollPos <- comctl32.dll", true},
        {"rich edit", "SetScrollInfo <- riched20.dll", true},
        {"rich edit", "EnableScrollBar <- riched20.dll", true},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.lpszControl) + ": " + row.lpszCall);
        EXPECT_EQ(row.bSeen, CallsFrom(measured[row.lpszControl], row.lpszCall) > 0);
    }
}

namespace {

CSkinSBEntryPatch g_getPos;
int PlusThousandGetScrollPos(HWND hWnd, int nBar) {
    return g_getPos.OriginalAs<int(WINAPI*)(HWND, int)>()(hWnd, nBar) + 1000;
}

}  // namespace

TEST(SkinSBEntryPatch, RedirectsEveryCallerKeepsTheOriginalCallableAndRemovesExactly) {
    riztest::TestWindow host(200, 100);
    HWND hWnd = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VSCROLL, 0, 0, 100, 100, host.Host(),
                                nullptr, nullptr, nullptr);
    SetScrollRange(hWnd, SB_VERT, 0, 50, FALSE);
    SetScrollPos(hWnd, SB_VERT, 7, FALSE);
    auto* pGetPos = reinterpret_cast<int(WINAPI*)(HWND, int)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetScrollPos")));
    BYTE before[16];
    std::memcpy(before, reinterpret_cast<void*>(pGetPos), sizeof(before));
    void* pHook = reinterpret_cast<void*>(&PlusThousandGetScrollPos);

    EXPECT_TRUE(g_getPos.Install(reinterpret_cast<void*>(pGetPos), pHook));
    EXPECT_FALSE(g_getPos.Install(reinterpret_cast<void*>(pGetPos), pHook));
    EXPECT_EQ(1007, pGetPos(hWnd, SB_VERT));
    EXPECT_EQ(1007, GetScrollPos(hWnd, SB_VERT));  // through this program's import table
    EXPECT_TRUE(g_getPos.Remove());
    EXPECT_FALSE(g_getPos.Remove());
    EXPECT_EQ(0, std::memcmp(before, reinterpret_cast<void*>(pGetPos), sizeof(before)));
    EXPECT_EQ(7, GetScrollPos(hWnd, SB_VERT));
    EXPECT_EQ(nullptr, g_getPos.Original());
    DestroyWindow(hWnd);
}

TEST(SkinSBEntryPatch, MovesOnlyWholeKnownInstructionsAndFillerAfterAJump) {
    const struct {
        const char* name;
        BYTE code[8];
        int nLength;
        // clang-format off
    } rows[] = {
        {"hot-patch filler", {0x48, 0x8d, 0xa4, 0x24, 0, 0, 0, 0}, 8},
        {"system-call stub", {0x4c, 0x8b, 0xd1, 0xb8, 0xec, 0x10, 0, 0}, 8},
        {"import thunk then filler", {0xff, 0x25, 1, 2, 3, 4, 0x90, 0x90}, 6},
        {"pushes and stack", {0x53, 0x56, 0x48, 0x83, 0xec, 0x20, 0xcc, 0xcc}, 6},
        {"a return", {0xc3, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc}, 0},
        {"a jump, then code", {0xe9, 1, 0, 0, 0, 0x55, 0, 0}, 5},
        {"unknown instruction", {0x53, 0x0f, 0x0b, 0, 0, 0, 0, 0}, 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.nLength, CSkinSBEntryPatch::MovableLength(row.code, 5));
    }
    BYTE unknown[16] = {0x0f, 0x0b};
    CSkinSBEntryPatch patch;
    void* pHook = reinterpret_cast<void*>(&PlusThousandGetScrollPos);
    EXPECT_FALSE(patch.Install(unknown, pHook));
    EXPECT_FALSE(patch.IsInstalled());
    EXPECT_EQ(0x0f, unknown[0]);
    EXPECT_FALSE(patch.Install(nullptr, pHook));
}
