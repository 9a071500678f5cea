// Window creation: the object is attached before the first message (even for a class whose procedure
// is ::DefWindowProc), PreCreateWindow shapes or refuses the window, failed creations leave nothing
// behind, and window classes are registered once and found in the module that registered them.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

#include "ResourceCounter.h"

namespace {

const TCHAR kPlainClass[] = _T("RIZTestPlainDefProc");

// Registers a class whose procedure is ::DefWindowProc, as composite controls do before every create.
BOOL RegisterPlainClass(HINSTANCE hInstance = ::GetModuleHandle(nullptr), LPCTSTR lpszClass = kPlainClass) {
    WNDCLASS wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = lpszClass;
    return AfxRegisterClass(&wc);
}

class CCreationWnd : public CWnd {
public:
    std::vector<UINT> m_messages;  // the creation messages in the order the map saw them
    CString m_strCreateName;
    LPVOID m_lpCreateParams = nullptr;
    int m_nCreateResult = 0;
    BOOL m_bNcCreateResult = TRUE;
    BOOL m_bPreCreateResult = TRUE;
    DWORD m_dwAddStyle = 0;
    LPCTSTR m_lpszReplaceName = nullptr;
    int m_nPostNcDestroy = 0;
    int m_nPreSubclass = 0;
    HWND m_hWndAtPreSubclass = nullptr;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        cs.style |= m_dwAddStyle;
        if (m_lpszReplaceName) cs.lpszName = m_lpszReplaceName;
        return m_bPreCreateResult && CWnd::PreCreateWindow(cs);
    }
    void PreSubclassWindow() override {
        ++m_nPreSubclass;
        m_hWndAtPreSubclass = m_hWnd;
    }
    void PostNcDestroy() override { ++m_nPostNcDestroy; }

    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs) {
        m_messages.push_back(WM_NCCREATE);
        m_lpCreateParams = lpcs->lpCreateParams;
        if (!m_bNcCreateResult) return FALSE;
        return CWnd::OnNcCreate(lpcs);
    }
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
        m_messages.push_back(WM_NCCALCSIZE);
        CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        m_messages.push_back(WM_CREATE);
        m_strCreateName = lpcs->lpszName;
        if (m_nCreateResult != 0) return m_nCreateResult;
        return CWnd::OnCreate(lpcs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCreationWnd, CWnd)
ON_WM_NCCREATE()
ON_WM_NCCALCSIZE()
ON_WM_CREATE()
END_MESSAGE_MAP()

int PermanentWindows() {
    CHandleMap* pMap = afxMapHWND(TRUE);
    return pMap->GetPermanentCount();
}

TEST(WndCreate, DefWindowProcClassGetsNcCreateNcCalcSizeAndCreateInOrderAlsoRegisteredAgain) {
    ASSERT_TRUE(RegisterPlainClass());
    ASSERT_TRUE(RegisterPlainClass());  // composite controls register again at every create
    CCreationWnd wnd;
    int nParam = 0;
    ASSERT_TRUE(wnd.CreateEx(0, kPlainClass, _T("plain"), WS_POPUP, 0, 0, 80, 60, nullptr, nullptr, &nParam));
    ASSERT_GE(wnd.m_messages.size(), 3u);
    EXPECT_EQ(wnd.m_messages[0], static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(wnd.m_messages[1], static_cast<UINT>(WM_NCCALCSIZE));
    EXPECT_EQ(wnd.m_messages.back(), static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(wnd.m_lpCreateParams, &nParam);
    EXPECT_EQ(wnd.m_strCreateName, _T("plain"));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtr(wnd.m_hWnd, GWLP_WNDPROC)), AfxGetAfxWndProc());
    EXPECT_EQ(wnd.m_nPreSubclass, 1);  // PreSubclassWindow runs during creation, attached already
    EXPECT_EQ(wnd.m_hWndAtPreSubclass, wnd.m_hWnd);
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.m_nPostNcDestroy, 1);
}

TEST(WndCreate, ChildCreateWithoutClassUsesTheFrameworkClass) {
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), _T("parent"), WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    CCreationWnd child;
    ASSERT_TRUE(child.Create(nullptr, _T("child"), WS_VISIBLE, CRect(10, 20, 50, 60), &parent, 77));
    TCHAR szClass[64] = {};
    ::GetClassName(child.m_hWnd, szClass, 64);
    EXPECT_EQ(lstrcmp(szClass, AFX_WND_CLASSNAME), 0);
    EXPECT_EQ(child.GetDlgCtrlID(), 77);
    EXPECT_TRUE(child.GetStyle() & WS_CHILD);  // Create makes it a child
    EXPECT_EQ(child.GetParent(), &parent);
    CRect rc;
    child.GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(10, 20, 50, 60));
    parent.DestroyWindow();
    EXPECT_EQ(child.m_hWnd, nullptr);  // destroyed with its parent and detached
    EXPECT_EQ(child.m_nPostNcDestroy, 1);
}

TEST(WndCreate, PreCreateWindowChangesTheWindowBeforeItExists) {
    CCreationWnd wnd;
    wnd.m_dwAddStyle = WS_BORDER | WS_DISABLED;
    wnd.m_lpszReplaceName = _T("renamed");
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), _T("original"), WS_POPUP, 0, 0, 40, 40, nullptr, nullptr));
    EXPECT_TRUE(wnd.GetStyle() & WS_BORDER);
    EXPECT_FALSE(wnd.IsWindowEnabled());
    EXPECT_EQ(wnd.m_strCreateName, _T("renamed"));
    CString strText;
    wnd.GetWindowText(strText);
    EXPECT_EQ(strText, _T("renamed"));
}

TEST(WndCreate, RefusalInPreCreateNcCreateOrCreateLeavesNoWindowAndTheObjectCanCreateAgain) {
    const struct {
        const char* name;
        BOOL bPreCreateResult, bNcCreateResult;
        int nCreateResult;
        size_t nMessages;  // how many creation messages the map saw
    } cases[] = {
        {"PreCreateWindow", FALSE, TRUE, 0, 0},
        {"OnNcCreate", TRUE, FALSE, 0, 1},
        {"OnCreate", TRUE, TRUE, -1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        riztest::ResourceSnapshot before;
        const int nPermanent = PermanentWindows();
        CCreationWnd wnd;
        wnd.m_bPreCreateResult = c.bPreCreateResult;
        wnd.m_bNcCreateResult = c.bNcCreateResult;
        wnd.m_nCreateResult = c.nCreateResult;
        EXPECT_FALSE(
            wnd.CreateEx(0, AfxRegisterWndClass(0), _T("fails"), WS_POPUP, 0, 0, 40, 40, nullptr, nullptr));
        EXPECT_EQ(wnd.m_hWnd, nullptr);
        EXPECT_EQ(wnd.m_messages.size(), c.nMessages);
        EXPECT_EQ(wnd.m_nPostNcDestroy, 1);  // the object learns it has no window
        EXPECT_EQ(before.WindowDelta(), 0);
        EXPECT_EQ(PermanentWindows(), nPermanent);

        wnd.m_bPreCreateResult = wnd.m_bNcCreateResult = TRUE;
        wnd.m_nCreateResult = 0;
        wnd.m_messages.clear();
        ASSERT_TRUE(
            wnd.CreateEx(0, AfxRegisterWndClass(0), _T("works"), WS_POPUP, 0, 0, 40, 40, nullptr, nullptr));
        EXPECT_EQ(wnd.m_messages.front(), static_cast<UINT>(WM_NCCREATE));
        EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    }
}

TEST(WndCreate, CreateOnAnAttachedObjectFails) {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = wnd.m_hWnd;
    riztest::ResourceSnapshot before;
#ifndef _DEBUG
    EXPECT_FALSE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
#endif
    EXPECT_EQ(wnd.m_hWnd, hWnd);
    EXPECT_EQ(before.WindowDelta(), 0);
}

TEST(WndCreate, RegisterWndClassAnswersOneClassPerCombination) {
    HCURSOR hCursor = ::LoadCursor(nullptr, IDC_IBEAM);
    HBRUSH hbr = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    LPCTSTR lpsz1 = AfxRegisterWndClass(CS_DBLCLKS, hCursor, hbr);
    LPCTSTR lpsz2 = AfxRegisterWndClass(CS_DBLCLKS, hCursor, hbr);
    LPCTSTR lpsz3 = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, hCursor, hbr);
    ASSERT_NE(lpsz1, nullptr);
    ASSERT_NE(lpsz3, nullptr);
    EXPECT_EQ(lstrcmp(lpsz1, lpsz2), 0);
    EXPECT_NE(lstrcmp(lpsz1, lpsz3), 0);

    WNDCLASS wc = {};
    ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), lpsz1, &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(wc.hCursor, hCursor);
    EXPECT_EQ(wc.hbrBackground, hbr);
}

TEST(WndCreate, ClassRegisteredByAnotherModuleIsFound) {
    // A class private to the framework's module (as a library DLL registers its controls' classes).
    HMODULE hFramework = nullptr;
    ASSERT_TRUE(::GetModuleHandleEx(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                        GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                    reinterpret_cast<LPCTSTR>(AfxGetAfxWndProc()), &hFramework));
    static const TCHAR kForeignClass[] = _T("RIZTestForeignModuleClass");
    WNDCLASS wc = {};
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = hFramework;
    wc.lpszClassName = kForeignClass;
    ASSERT_TRUE(::RegisterClass(&wc));
    CCreationWnd wnd;
    EXPECT_TRUE(wnd.CreateEx(0, kForeignClass, _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_FALSE(wnd.m_messages.empty());
    wnd.DestroyWindow();
    ::UnregisterClass(kForeignClass, hFramework);
}

}  // namespace
