// The library module: its instance handle, its place in the resource chain and the static colours.
#include <afxwin.h>
#include <afxdll_.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include "QVModule.h"
#include "QVSysColors.h"
#include "TestData.h"

namespace {

TEST(ModuleStart, InstanceHandleIsTheLibrarysOwn) {
    HMODULE hModule = ::GetModuleHandle(_T("RIZuruzezu.dll"));
    ASSERT_NE(nullptr, hModule);
    EXPECT_EQ(hModule, RIZGetInstanceHandle());
    EXPECT_NE(::GetModuleHandle(nullptr), RIZGetInstanceHandle());
}

TEST(ModuleStart, LibraryJoinedTheResourceChain) {
    int nFound = 0;
    for (CDynLinkLibrary* pDLL = AfxGetFirstDynLinkLibrary(); pDLL; pDLL = pDLL->m_pNextDLL)
        if (pDLL->m_hModule == RIZGetInstanceHandle()) {
            ++nFound;
            EXPECT_EQ(RIZGetInstanceHandle(), pDLL->m_hResource);
        }
    EXPECT_EQ(1, nFound);
}

TEST(ModuleStart, SystemColourIndexesOutsideTheTableGiveBlack) {
    EXPECT_EQ(0u, QVGetSysColor(-1));
    EXPECT_EQ(0u, QVGetSysColor(QVSC_COUNT));
}

TEST(ModuleStart, BarGradientComesFromSkinColoursFiveAndSix) {
    riztest::TempFolder folder;
    ASSERT_TRUE(folder.WriteFile(_T("Skin\\skin.ini"),
                                 "[Skin]\nName = Gradient test\n[Window]\nCaptionHeight = 20\n"
                                 "[Colors]\nColor5 = 10,20,30\nColor6 = 40,50,60\n"));
    CQVSkinResManager* pSkin = CQVSkinResManager::GetSingletonPtr();
    ASSERT_TRUE(pSkin->LoadSkin(folder.Path(_T("Skin"))));
    ResetColors();
    EXPECT_EQ(RGB(10, 20, 30), QVGetBarGradientStart());
    EXPECT_EQ(RGB(40, 50, 60), QVGetBarGradientEnd());

    // A later skin is seen only after ResetColors.
    ASSERT_TRUE(folder.WriteFile(_T("Other\\skin.ini"), "[Window]\nCaptionHeight = 20\n"
                                                        "[Colors]\nColor5 = 1,2,3\nColor6 = 4,5,6\n"));
    ASSERT_TRUE(pSkin->LoadSkin(folder.Path(_T("Other\\"))));
    EXPECT_EQ(RGB(10, 20, 30), QVGetBarGradientStart());
    ResetColors();
    EXPECT_EQ(RGB(1, 2, 3), QVGetBarGradientStart());
    EXPECT_EQ(RGB(4, 5, 6), QVGetBarGradientEnd());
}

TEST(ModuleStart, BarGradientIsReadAtFirstUse) {
    // Nothing reset it yet in this process: the first query reads the current skin.
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    EXPECT_EQ(pColors->GetColor(5), QVGetBarGradientStart());
    EXPECT_EQ(pColors->GetColor(6), QVGetBarGradientEnd());
}

}  // namespace
