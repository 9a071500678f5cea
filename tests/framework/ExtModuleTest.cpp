// Extension modules: a DLL that starts itself with AfxInitExtensionModule and a CDynLinkLibrary joins the
// resource chain after the program (its strings, menus, dialog templates and bitmaps are found, the
// program's own resources still win) and leaves it when it is unloaded.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ext/TestExtDll.h"

namespace {

typedef CDynLinkLibrary*(__cdecl* PFN_LIBRARY)();

std::vector<CDynLinkLibrary*> Libraries() {
    std::vector<CDynLinkLibrary*> libraries;
    for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p; p = p->m_pNextDLL)
        libraries.push_back(p);
    return libraries;
}

bool InChain(HMODULE hModule) {
    for (CDynLinkLibrary* p : Libraries())
        if (p->m_hModule == hModule) return true;
    return false;
}

CString LoadedString(UINT nID) {
    CString str;
    if (!str.LoadString(nID)) str = _T("<none>");
    return str;
}

// Loads the test extension DLL for the length of a test.
class ExtensionDll : public ::testing::Test {
protected:
    void SetUp() override {
        m_hDll = ::LoadLibrary(_T("TestExtDll.dll"));
        ASSERT_NE(nullptr, m_hDll);
    }
    void TearDown() override {
        if (m_hDll) ::FreeLibrary(m_hDll);
    }

    HMODULE m_hDll = nullptr;
};

}  // namespace

TEST_F(ExtensionDll, DllMainJoinsTheLibraryListAndItsStringsAreFound) {
    auto pfnLibrary = reinterpret_cast<PFN_LIBRARY>(
        reinterpret_cast<void*>(::GetProcAddress(m_hDll, "TestExtDll_Library")));
    ASSERT_NE(nullptr, pfnLibrary);
    CDynLinkLibrary* pLibrary = pfnLibrary();
    ASSERT_NE(nullptr, pLibrary);
    EXPECT_EQ(m_hDll, pLibrary->m_hModule);
    EXPECT_EQ(m_hDll, pLibrary->m_hResource);
    EXPECT_FALSE(pLibrary->m_bSystem);
    EXPECT_TRUE(pLibrary->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_TRUE(InChain(m_hDll));
    // Its strings are found when the program has none.
    TCHAR sz[64];
    EXPECT_EQ(18, AfxLoadString(IDS_EXT_ONLY, sz, _countof(sz)));
    EXPECT_EQ(0, lstrcmp(_T("From the extension"), sz));
    EXPECT_EQ(m_hDll, AfxFindStringResourceHandle(IDS_EXT_ONLY));
}

TEST_F(ExtensionDll, ProgramResourcesWinOverTheDll) {
    EXPECT_EQ(0, lstrcmp(_T("Program copy"), LoadedString(IDS_EXT_SHARED)));
    EXPECT_EQ(0, lstrcmp(_T("From the program"), LoadedString(IDS_EXE_ONLY)));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_SHARED_MENU));
    EXPECT_EQ(static_cast<UINT>(ID_SHARED_PROGRAM), menu.GetSubMenu(0)->GetMenuItemID(0));
    EXPECT_EQ(::GetModuleHandle(nullptr), AfxFindResourceHandle(MAKEINTRESOURCE(IDR_SHARED_MENU), RT_MENU));
}

TEST_F(ExtensionDll, MenuDialogAndBitmapComeFromTheDll) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_EXT_MENU));
    CString strText;
    menu.GetSubMenu(0)->GetMenuString(0, strText, MF_BYPOSITION);
    EXPECT_EQ(0, lstrcmp(_T("&Open"), strText));
    EXPECT_EQ(static_cast<UINT>(ID_EXT_CLOSE), menu.GetSubMenu(0)->GetMenuItemID(2));

    EXPECT_EQ(m_hDll, AfxFindResourceHandle(MAKEINTRESOURCE(IDD_EXT_DIALOG), RT_DIALOG));

    CBitmap bmp;
    ASSERT_TRUE(bmp.LoadBitmap(IDB_EXT_BITMAP));
    BITMAP bm = {};
    bmp.GetObject(sizeof(bm), &bm);
    EXPECT_EQ(8, bm.bmWidth);
    EXPECT_EQ(8, bm.bmHeight);
}

TEST(ExtensionChain, TheDllsResourcesAreThereOnlyWhileItIsLoadedAgainAndAgain) {
    ASSERT_EQ(nullptr, ::GetModuleHandle(_T("TestExtDll.dll")));
    CMenu menu;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(0, lstrcmp(_T("<none>"), LoadedString(IDS_EXT_ONLY)));
        EXPECT_FALSE(menu.LoadMenu(IDR_EXT_MENU));
        HMODULE hDll = ::LoadLibrary(_T("TestExtDll.dll"));
        ASSERT_NE(nullptr, hDll);
        EXPECT_EQ(0, lstrcmp(_T("From the extension"), LoadedString(IDS_EXT_ONLY)));
        ASSERT_TRUE(::FreeLibrary(hDll));
        ASSERT_EQ(nullptr, ::GetModuleHandle(_T("TestExtDll.dll")));
        EXPECT_FALSE(InChain(hDll));
        EXPECT_EQ(0, lstrcmp(_T("Program copy"), LoadedString(IDS_EXT_SHARED)));
    }
    EXPECT_EQ(0, lstrcmp(_T("<none>"), LoadedString(IDS_EXT_ONLY)));
}

// ---- the start and end functions on their own, with system DLLs standing in for extension modules ----

TEST(ExtensionModule, InitRecordsTheModuleOnce) {
    AFX_EXTENSION_MODULE state = {};
    HMODULE hUser = ::GetModuleHandle(_T("user32.dll"));
    ASSERT_TRUE(AfxInitExtensionModule(state, hUser));
    EXPECT_TRUE(state.bInitialized);
    EXPECT_EQ(hUser, state.hModule);
    EXPECT_EQ(hUser, state.hResource);
    EXPECT_TRUE(AfxInitExtensionModule(state, ::GetModuleHandle(_T("gdi32.dll"))));
    EXPECT_EQ(hUser, state.hModule) << "a second start changes nothing";

    AFX_EXTENSION_MODULE none = {};
    EXPECT_FALSE(AfxInitExtensionModule(none, nullptr));
    EXPECT_FALSE(none.bInitialized);
}

TEST(ExtensionModule, TermDeletesOnlyTheModulesLibraries) {
    AFX_EXTENSION_MODULE first = {}, second = {};
    HMODULE hFirst = ::GetModuleHandle(_T("comctl32.dll"));
    HMODULE hSecond = ::GetModuleHandle(_T("user32.dll"));
    ASSERT_TRUE(AfxInitExtensionModule(first, hFirst));
    ASSERT_TRUE(AfxInitExtensionModule(second, hSecond));
    const size_t nBefore = Libraries().size();
    new CDynLinkLibrary(first);
    new CDynLinkLibrary(first);
    CDynLinkLibrary* pSecond = new CDynLinkLibrary(second);
    EXPECT_EQ(nBefore + 3, Libraries().size());
    EXPECT_EQ(pSecond, Libraries().back()) << "libraries join at the end";

    AfxTermExtensionModule(first);
    EXPECT_FALSE(InChain(hFirst));
    EXPECT_TRUE(InChain(hSecond));
    AfxTermExtensionModule(second);
    EXPECT_EQ(nBefore, Libraries().size());

    AFX_EXTENSION_MODULE never = {};
    AfxTermExtensionModule(never);  // an uninitialised module is ignored
    EXPECT_EQ(nBefore, Libraries().size());
}

TEST(ExtensionModule, SharedResourceModuleStaysWhileOneLibraryUsesIt) {
    HMODULE hUser = ::GetModuleHandle(_T("user32.dll"));
    // A string of user32 that neither the program nor the framework has.
    UINT nID = 0;
    TCHAR szProbe[256];
    for (UINT n = 1; n < 2000 && !nID; ++n)
        if (::LoadString(hUser, n, szProbe, _countof(szProbe)) > 0 &&
            ::FindResource(::GetModuleHandle(nullptr), MAKEINTRESOURCE(n / 16 + 1), RT_STRING) == nullptr)
            nID = n;
    ASSERT_NE(0u, nID);

    CDynLinkLibrary* pA = new CDynLinkLibrary(hUser, hUser);
    CDynLinkLibrary* pB = new CDynLinkLibrary(hUser, hUser);
    EXPECT_EQ(hUser, AfxFindStringResourceHandle(nID));
    delete pA;
    EXPECT_EQ(hUser, AfxFindStringResourceHandle(nID)) << "the other library still provides user32";
    delete pB;
    EXPECT_NE(hUser, AfxFindStringResourceHandle(nID));
}
