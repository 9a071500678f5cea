// The resource chain: default handles, the search order (resource handle, chained modules in joining
// order, the framework DLL) for named resources and strings, and AfxLoadString's copying rules.
// System DLLs with string tables and dialogs stand in for extension modules.
#include <afx.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// String nID of a module straight from its string block, or an empty vector when it has none.
std::vector<WCHAR> RawString(HMODULE hModule, UINT nID) {
    HRSRC hRes = ::FindResourceW(hModule, MAKEINTRESOURCEW(nID / 16 + 1), MAKEINTRESOURCEW(6));
    if (!hRes) return {};
    const WCHAR* p = static_cast<const WCHAR*>(::LockResource(::LoadResource(hModule, hRes)));
    for (UINT i = 0; i < nID % 16; ++i)
        p += 1 + *p;
    return std::vector<WCHAR>(p + 1, p + 1 + *p);
}

BOOL CALLBACK CollectId(HMODULE, LPCTSTR, LPTSTR lpszName, LONG_PTR lParam) {
    if (IS_INTRESOURCE(lpszName))
        reinterpret_cast<std::vector<UINT>*>(lParam)->push_back(
            static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpszName)));
    return TRUE;
}

BOOL CALLBACK CollectName(HMODULE, LPCTSTR, LPTSTR lpszName, LONG_PTR lParam) {
    CString strName = lpszName;
    if (IS_INTRESOURCE(lpszName))
        strName.Format(_T("#%u"), static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpszName)));
    reinterpret_cast<std::vector<CString>*>(lParam)->push_back(strName);
    return TRUE;
}

// Integer names of a module's resources of one type.
std::vector<UINT> ResourceIds(HMODULE hModule, LPCTSTR lpszType) {
    std::vector<UINT> ids;
    ::EnumResourceNames(hModule, lpszType, &CollectId, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

// Names of a module's resources of one type; integer names in their "#123" form.
std::vector<CString> ResourceNames(HMODULE hModule, LPCTSTR lpszType) {
    std::vector<CString> names;
    ::EnumResourceNames(hModule, lpszType, &CollectName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

HMODULE FrameworkModule() {
    return ::GetModuleHandle(_T("RIZAfx.dll"));
}

// A string id that a donor module has and neither the program nor the framework DLL has; 0 if none.
UINT DonorStringId(HMODULE hDonor, size_t nMinLength = 1) {
    for (UINT block : ResourceIds(hDonor, RT_STRING))
        for (UINT nID = (block - 1) * 16; nID < block * 16; ++nID)
            if (RawString(hDonor, nID).size() >= nMinLength &&
                RawString(::GetModuleHandle(nullptr), nID).empty() &&
                RawString(FrameworkModule(), nID).empty())
                return nID;
    return 0;
}

// A dialog that a donor module has and neither the program nor the framework DLL has; empty if none.
CString DonorDialog(HMODULE hDonor) {
    for (const CString& strName : ResourceNames(hDonor, RT_DIALOG))
        if (!::FindResource(::GetModuleHandle(nullptr), strName, RT_DIALOG) &&
            !::FindResource(FrameworkModule(), strName, RT_DIALOG))
            return strName;
    return CString();
}

// Leaves the process-wide chain as it found it, whatever a test added.
class ResourceChain : public ::testing::Test {
protected:
    void SetUp() override {
        m_hUser32 = ::GetModuleHandle(_T("user32.dll"));
        ASSERT_TRUE(m_hUser32);
    }
    void TearDown() override {
        for (HINSTANCE h : m_added)
            AfxRemoveResourceModule(h);
        AfxSetResourceHandle(nullptr);
        for (HMODULE h : m_loaded)
            ::FreeLibrary(h);
        if (!m_strCopy.IsEmpty()) ::DeleteFile(m_strCopy);
    }
    void Add(HINSTANCE h) {
        AfxAddResourceModule(h);
        m_added.push_back(h);
    }
    // A copy of a system DLL mapped as data: the same resources under another module handle.
    HMODULE LoadCopy(LPCTSTR lpszName) {
        TCHAR szSource[MAX_PATH], szTemp[MAX_PATH];
        ::GetSystemDirectory(szSource, MAX_PATH);
        ::lstrcat(szSource, _T("\\"));
        ::lstrcat(szSource, lpszName);
        ::GetTempPath(MAX_PATH, szTemp);
        m_strCopy.Format(_T("%sriz_res_%lu_%s"), szTemp, ::GetCurrentProcessId(), lpszName);
        if (!::CopyFile(szSource, m_strCopy, FALSE)) return nullptr;
        HMODULE h = ::LoadLibraryEx(m_strCopy, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (h) m_loaded.push_back(h);
        return h;
    }

    HMODULE m_hUser32 = nullptr;
    std::vector<HINSTANCE> m_added;
    std::vector<HMODULE> m_loaded;
    CString m_strCopy;
};

}  // namespace

TEST(ResourceHandles, HandlesDefaultToTheProgramAndAMissingStringLoadsAsEmpty) {
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandle(nullptr));
    EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandle(nullptr));
    TCHAR sz[16] = _T("junk");
    EXPECT_EQ(AfxLoadString(0xFFF0, sz, _countof(sz)), 0);
    EXPECT_STREQ(sz, _T(""));
    EXPECT_EQ(AfxLoadString(0xFFF0, sz, 0), 0);
    EXPECT_EQ(AfxFindStringResourceHandle(0xFFF0), AfxGetResourceHandle());
    EXPECT_EQ(AfxFindResourceHandle(_T("NO_SUCH_DIALOG"), RT_DIALOG), AfxGetResourceHandle());
}

TEST_F(ResourceChain, DialogInAChainedModuleIsFoundAndEarlierJoinedModulesWin) {
    HMODULE hCopy = LoadCopy(_T("user32.dll"));
    ASSERT_TRUE(hCopy);
    ASSERT_NE(hCopy, m_hUser32);
    const CString strDialog = DonorDialog(m_hUser32);
    ASSERT_FALSE(strDialog.IsEmpty()) << "user32 has no dialog the program lacks";
    EXPECT_EQ(AfxFindResourceHandle(strDialog, RT_DIALOG), AfxGetResourceHandle());
    Add(hCopy);
    Add(m_hUser32);
    EXPECT_EQ(AfxFindResourceHandle(strDialog, RT_DIALOG), hCopy);
    AfxAddResourceModule(hCopy);  // joining again keeps the first place
    EXPECT_EQ(AfxFindResourceHandle(strDialog, RT_DIALOG), hCopy);
    AfxRemoveResourceModule(hCopy);
    EXPECT_EQ(AfxFindResourceHandle(strDialog, RT_DIALOG), m_hUser32);  // the chained module's dialog
}

TEST_F(ResourceChain, ResourceHandleIsSearchedBeforeTheChain) {
    HMODULE hCopy = LoadCopy(_T("user32.dll"));
    ASSERT_TRUE(hCopy);
    const UINT nString = DonorStringId(m_hUser32);
    ASSERT_NE(nString, 0u);
    Add(hCopy);
    AfxSetResourceHandle(m_hUser32);
    EXPECT_EQ(AfxGetResourceHandle(), m_hUser32);
    EXPECT_EQ(AfxFindStringResourceHandle(nString), m_hUser32);
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandle(nullptr));  // unaffected
    AfxSetResourceHandle(nullptr);
    EXPECT_EQ(AfxFindStringResourceHandle(nString), hCopy);
}

TEST_F(ResourceChain, LoadStringTruncatesToTheBuffer) {
    const UINT nID = DonorStringId(m_hUser32, 6);
    ASSERT_NE(nID, 0u);
    Add(m_hUser32);
    TCHAR szFull[256];
    const int nFull = AfxLoadString(nID, szFull, _countof(szFull));
    ASSERT_GE(nFull, 5);
    TCHAR sz[5];
    const int n = AfxLoadString(nID, sz, _countof(sz));
    EXPECT_LE(n, 4);
    EXPECT_GE(n, 3);  // a double-byte character is never split
    EXPECT_EQ(lstrlen(sz), n);
    EXPECT_EQ(CString(szFull).Left(n), CString(sz));
}
