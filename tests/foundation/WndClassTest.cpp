// Window-class registration on first use: the attributes the class gets, a second registration, and
// windows created from the class in the library's module and in the program's.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVModule.h"
#include "QVWndClass.h"
#include "TestWindow.h"

namespace {

int g_nCreated = 0;

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) ++g_nCreated;
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

TEST(QVWndClass, RegistersInTheLibraryWithTheGivenAttributesAndASecondRegistrationFindsTheFirst) {
    const HCURSOR hCursor = ::LoadCursor(nullptr, IDC_CROSS);
    ASSERT_TRUE(QVRegisterWndClass(_T("FoundationClassA"), CS_DBLCLKS | CS_HREDRAW, hCursor,
                                   QVSysColorClassBrush(COLOR_BTNFACE)));
    EXPECT_TRUE(
        QVRegisterWndClass(_T("FoundationClassA"), CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW), nullptr));
    WNDCLASS wc = {};
    ASSERT_TRUE(::GetClassInfo(RIZGetInstanceHandle(), _T("FoundationClassA"), &wc));
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS | CS_HREDRAW), wc.style);
    EXPECT_EQ(hCursor, wc.hCursor);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)), wc.hbrBackground);
    EXPECT_EQ(nullptr, wc.hIcon);
    EXPECT_EQ(nullptr, wc.lpszMenuName);

    // The framework creates windows of the library's class.
    riztest::TestWindow window;
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, _T("FoundationClassA"), _T(""), WS_CHILD, CRect(0, 0, 30, 20),
                             CWnd::FromHandle(window.Host()), 5));
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS | CS_HREDRAW),
              static_cast<UINT>(::GetClassLongPtr(wnd.m_hWnd, GCL_STYLE)));
    wnd.DestroyWindow();
}

TEST(QVWndClass, ProgramModuleAndOwnProcedure) {
    const HINSTANCE hInstance = ::GetModuleHandle(nullptr);
    ASSERT_TRUE(QVRegisterWndClass(_T("FoundationClassD"), 0, nullptr, nullptr, &CountingProc, hInstance));
    WNDCLASS wc = {};
    EXPECT_TRUE(::GetClassInfo(hInstance, _T("FoundationClassD"), &wc));
    g_nCreated = 0;
    const HWND hWnd = ::CreateWindow(_T("FoundationClassD"), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     hInstance, nullptr);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(1, g_nCreated);
    ::DestroyWindow(hWnd);
}

}  // namespace
