// The small services of the sibling library: the critical section and the resource-source guard.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <thread>

#include "QVAutoResHandle.h"
#include "QVCritSection.h"

TEST(CQVCritSection, SerialisesThreadsAndAllowsReentry) {
    CQVCritSection section;
    long nCounter = 0;
    auto work = [&] {
        for (int i = 0; i < 20000; ++i) {
            section.Lock();
            section.Lock();  // the same thread may enter again
            long n = nCounter;
            nCounter = n + 1;
            section.UnLock();
            section.UnLock();
        }
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
    EXPECT_EQ(40000, nCounter);
}

TEST(CQVCritSection, TryLockFailsWhileAnotherThreadHoldsIt) {
    CQVCritSection section;
    {
        CQVAutoLock lock(section);
        BOOL bOther = TRUE;
        std::thread t([&] { bOther = section.TryLock(); });
        t.join();
        EXPECT_FALSE(bOther);
    }
    BOOL bAfter = FALSE;
    std::thread t([&] {
        bAfter = section.TryLock();
        if (bAfter) section.UnLock();
    });
    t.join();
    EXPECT_TRUE(bAfter);
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
