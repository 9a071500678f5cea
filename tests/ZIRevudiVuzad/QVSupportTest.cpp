// The small services of the sibling library: the critical section and the resource-source guard.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <thread>

#include "QVAutoResHandle.h"
#include "QVCritSection.h"

TEST(CQVCritSection, HoldsOffOtherThreadsButLetsItsOwnThreadInAgain) {
    CQVCritSection section;
    auto otherThreadGetsIt = [&] {
        BOOL bGot = FALSE;
        std::thread t([&] {
            bGot = section.TryLock();
            if (bGot) section.UnLock();
        });
        t.join();
        return bGot != FALSE;
    };
    {
        CQVAutoLock lock(section);
        EXPECT_TRUE(section.TryLock());
        section.UnLock();
        EXPECT_FALSE(otherThreadGetsIt());
    }
    EXPECT_TRUE(otherThreadGetsIt());
}

TEST(CQVAutoResHandle, MakesTheModuleTheResourceSourceUntilDestroyed) {
    HINSTANCE hOriginal = AfxGetResourceHandle();
    HINSTANCE hLibrary = ::GetModuleHandle(_T("ZIRevudiVuzad.dll"));
    HINSTANCE hFramework = ::GetModuleHandle(_T("RIZAfx.dll"));
    ASSERT_NE(nullptr, hLibrary);
    ASSERT_NE(nullptr, hFramework);
    {
        CQVAutoResHandle outer(hLibrary);
        EXPECT_EQ(hLibrary, AfxGetResourceHandle());
        EXPECT_EQ(hOriginal, outer.GetPrevious());
        {
            CQVAutoResHandle inner(hFramework);
            EXPECT_EQ(hFramework, AfxGetResourceHandle());
        }
        EXPECT_EQ(hLibrary, AfxGetResourceHandle());
        {
            CQVAutoResHandle none(NULL);
            EXPECT_EQ(hLibrary, AfxGetResourceHandle());
        }
        EXPECT_EQ(hLibrary, AfxGetResourceHandle());
    }
    EXPECT_EQ(hOriginal, AfxGetResourceHandle());
}
