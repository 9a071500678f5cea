// The resource-source guard of the sibling library.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVAutoResHandle.h"

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
