// Attaching window objects: subclassing an existing window and restoring its exact procedure, and the
// window-only parts of the handle map (the map itself is in HandleMapTest).
#include <afxwin.h>

#include <gtest/gtest.h>

#include "FrameworkHost.h"
#include "ResourceCounter.h"

namespace {

int g_nRawMessages = 0;

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ++g_nRawMessages;
    if (message == WM_APP) return 0x5A;
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

HWND CreateCountingWindow(HWND hWndParent = nullptr, int nID = 0) {
    static const TCHAR kClass[] = _T("RIZTestCountingProc");
    WNDCLASS wc = {};
    wc.lpfnWndProc = &CountingProc;
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.lpszClassName = kClass;
    AfxRegisterClass(&wc);
    return ::CreateWindow(kClass, _T("raw"), hWndParent ? WS_CHILD : WS_POPUP, 0, 0, 30, 30, hWndParent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), ::GetModuleHandle(nullptr),
                          nullptr);
}

using riztest::FreeTemporaries;

class CSubclassed : public CWnd {
public:
    int m_nPreSubclass = 0;
    int m_nHandled = 0;

protected:
    void PreSubclassWindow() override { ++m_nPreSubclass; }
    afx_msg LRESULT OnApp(WPARAM, LPARAM) {
        ++m_nHandled;
        return Default() + 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSubclassed, CWnd)
ON_MESSAGE(WM_APP, &CSubclassed::OnApp)
END_MESSAGE_MAP()

TEST(WndSubclass, UnsubclassRestoresTheExactOriginalProcedure) {
    HWND hWnd = CreateCountingWindow();
    const LONG_PTR original = ::GetWindowLongPtr(hWnd, GWLP_WNDPROC);
    {
        CSubclassed wnd;
        ASSERT_TRUE(wnd.SubclassWindow(hWnd));
        EXPECT_EQ(wnd.m_nPreSubclass, 1);
        EXPECT_EQ(wnd.m_hWnd, hWnd);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC)), AfxGetAfxWndProc());
        g_nRawMessages = 0;
        // Handled by the map, which passes it on with Default().
        EXPECT_EQ(::SendMessage(hWnd, WM_APP, 0, 0), 0x5B);
        EXPECT_EQ(wnd.m_nHandled, 1);
        EXPECT_EQ(g_nRawMessages, 1);

        EXPECT_EQ(wnd.UnsubclassWindow(), hWnd);
        EXPECT_EQ(wnd.m_hWnd, nullptr);
        EXPECT_EQ(wnd.m_pfnSuper, nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    }
    // The object is gone; the window lives on with its own procedure.
    EXPECT_EQ(::GetWindowLongPtr(hWnd, GWLP_WNDPROC), original);
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(::SendMessage(hWnd, WM_APP, 0, 0), 0x5A);
    ::DestroyWindow(hWnd);
}

TEST(WndSubclass, WindowAlreadyAttachedElsewhereCannotBeSubclassed) {
    HWND hWnd = CreateCountingWindow();
    CSubclassed first;
    ASSERT_TRUE(first.SubclassWindow(hWnd));
    CSubclassed second;
    EXPECT_FALSE(second.SubclassWindow(hWnd));
    EXPECT_EQ(second.m_hWnd, nullptr);
    EXPECT_EQ(second.m_nPreSubclass, 0);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &first);
    first.DestroyWindow();
}

TEST(WndSubclass, SubclassDlgItemFindsTheChildById) {
    HWND hParent = CreateCountingWindow();
    HWND hChild = CreateCountingWindow(hParent, 42);
    CWnd parent;
    ASSERT_TRUE(parent.Attach(hParent));
    CSubclassed child;
    EXPECT_FALSE(child.SubclassDlgItem(43, &parent));
    ASSERT_TRUE(child.SubclassDlgItem(42, &parent));
    EXPECT_EQ(child.m_hWnd, hChild);
    EXPECT_EQ(::SendMessage(hChild, WM_APP, 0, 0), 0x5B);
    parent.DestroyWindow();
    EXPECT_EQ(child.m_hWnd, nullptr);  // destroyed with its parent: detached
    EXPECT_FALSE(::IsWindow(hChild));
}

TEST(WndSubclass, DestroyingASubclassedWindowPutsTheOriginalProcedureBack) {
    HWND hWnd = CreateCountingWindow();
    CSubclassed wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hWnd));
    g_nRawMessages = 0;
    wnd.DestroyWindow();
    EXPECT_GT(g_nRawMessages, 0);  // WM_DESTROY and WM_NCDESTROY reached the original procedure
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.m_pfnSuper, nullptr);
}

class CDigitsOnly : public CWnd {
protected:
    afx_msg void OnChar(UINT nChar, UINT, UINT) {
        if (nChar >= '0' && nChar <= '9') Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDigitsOnly, CWnd)
ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(WndSubclass, SubclassedEditFiltersCharactersAndPassesTheRest) {
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 100, 40, nullptr, nullptr));
    HWND hEdit = ::CreateWindow(_T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 90, 20, parent.m_hWnd,
                                nullptr, nullptr, nullptr);
    CDigitsOnly edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    for (const TCHAR* p = _T("a1b2c3"); *p; ++p)
        edit.SendMessage(WM_CHAR, static_cast<WPARAM>(*p), 1);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_EQ(strText, _T("123"));
    parent.DestroyWindow();
}

// ---- Handle map ----

TEST(WndHandleMap, DestroyWindowWorksThroughATemporaryObjectAndTheDestructorOnlyOnAttachedWindows) {
    HWND hWnd = CreateCountingWindow();
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    EXPECT_TRUE(pTemp->DestroyWindow());
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(pTemp->m_hWnd, nullptr);
    FreeTemporaries();
    EXPECT_EQ(afxMapHWND(TRUE)->GetTemporaryCount(), 0);

    // The destructor leaves a window that was not attached.
    HWND hBorrowed = CreateCountingWindow();
    {
        CWnd borrowed;
        borrowed.m_hWnd = hBorrowed;  // not attached: the object does not own the window
    }
    EXPECT_TRUE(::IsWindow(hBorrowed));
    ::DestroyWindow(hBorrowed);
}

}  // namespace
