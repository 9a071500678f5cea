// Window object lifetime: windows destroyed inside their own handlers, objects that delete themselves
// after WM_NCDESTROY, and long create/destroy runs that must leave no window, GDI object or handle-map
// entry behind.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "MessagePump.h"
#include "ResourceCounter.h"
#include "Watchdog.h"

namespace {

int g_nLiveSelfDeleting = 0;
int g_nDeleted = 0;

// Deletes itself once its window is gone, as frames and modeless windows do.
class CSelfDeleting : public CWnd {
public:
    CSelfDeleting() { ++g_nLiveSelfDeleting; }
    ~CSelfDeleting() override {
        --g_nLiveSelfDeleting;
        ++g_nDeleted;
        // Poisoned, so that a later use through a dangling pointer fails visibly.
        m_hWnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(-1));
        m_nFlags = 0xDEADBEEF;
    }

protected:
    void PostNcDestroy() override { delete this; }

    // Destroys its own window from a handler; nothing after the handler may touch the object.
    afx_msg void OnLButtonUp(UINT, CPoint) { DestroyWindow(); }
    afx_msg void OnClose() { DestroyWindow(); }
    afx_msg LRESULT OnDestroyThenDefault(WPARAM, LPARAM) {
        DestroyWindow();
        return 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDeleting, CWnd)
ON_WM_LBUTTONUP()
ON_WM_CLOSE()
ON_MESSAGE(WM_APP, &CSelfDeleting::OnDestroyThenDefault)
END_MESSAGE_MAP()

CSelfDeleting* NewSelfDeleting(HWND hWndParent = nullptr) {
    auto* pWnd = new CSelfDeleting;
    const DWORD dwStyle = hWndParent ? WS_CHILD | WS_VISIBLE : WS_POPUP;
    if (!pWnd->CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), _T("self"), dwStyle, 0, 0, 50, 50, hWndParent,
                        nullptr))
        return nullptr;
    return pWnd;
}

TEST(WndLifetime, DestroyWindowInsideAPostedOrSentMessageWithDeleteInPostNcDestroy) {
    for (const bool bSent : {false, true}) {
        SCOPED_TRACE(bSent ? "sent" : "posted");
        g_nDeleted = 0;
        CSelfDeleting* pWnd = NewSelfDeleting();
        ASSERT_NE(pWnd, nullptr);
        HWND hWnd = pWnd->m_hWnd;
        if (bSent) {
            EXPECT_EQ(::SendMessage(hWnd, WM_APP, 0, 0), 5);  // the handler's result still comes back
        } else {
            riztest::PostClick(hWnd, 10, 10);
            riztest::PumpUntilIdle();
        }
        EXPECT_FALSE(::IsWindow(hWnd));
        EXPECT_EQ(g_nDeleted, 1);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    }
}

TEST(WndLifetime, ChildrenThatDeleteThemselvesGoWithTheirParent) {
    g_nDeleted = 0;
    const int nLive = g_nLiveSelfDeleting;
    CSelfDeleting* pParent = NewSelfDeleting();
    ASSERT_NE(pParent, nullptr);
    ASSERT_NE(NewSelfDeleting(pParent->m_hWnd), nullptr);
    ASSERT_NE(NewSelfDeleting(pParent->m_hWnd), nullptr);
    HWND hParent = pParent->m_hWnd;
    ::SendMessage(hParent, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hParent));
    EXPECT_EQ(g_nDeleted, 3);
    EXPECT_EQ(g_nLiveSelfDeleting, nLive);
}

TEST(WndLifetime, DestroyWindowOfAStackObjectLeavesItReusable) {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hFirst = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_FALSE(wnd.DestroyWindow());  // nothing left to destroy
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
    EXPECT_FALSE(::IsWindow(hFirst));
}

// A window with two children of different kinds, each cycle touching the temporary map too.
class CCycleChild : public CWnd {
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        if (CWnd::OnCreate(lpcs) == -1) return -1;
        GetParent();  // makes a temporary object for the parent
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCycleChild, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

// The window under test lives in a hidden host: top-level windows cost the system far more to make
// than child windows, and would measure the platform rather than the framework.
void CreateDestroyCycles(HWND hWndHost, int nCycles) {
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS);
    for (int i = 0; i < nCycles; ++i) {
        CWnd parent;
        ASSERT_TRUE(parent.CreateEx(0, lpszClass, _T("cycle"), WS_CHILD, 0, 0, 100, 60, hWndHost, nullptr));
        CCycleChild child;
        ASSERT_TRUE(child.Create(nullptr, _T(""), WS_VISIBLE, CRect(0, 0, 40, 20), &parent, 1));
        CWnd button;
        ASSERT_TRUE(button.Create(_T("BUTTON"), _T("ok"), WS_VISIBLE | BS_PUSHBUTTON, CRect(40, 0, 90, 20),
                                  &parent, 2));
        // Destroyed in two ways: the button with its own DestroyWindow, the rest with the parent.
        button.DestroyWindow();
        parent.DestroyWindow();
        if (i % 64 == 0) {
            AfxLockTempMaps();
            AfxUnlockTempMaps();
        }
    }
    AfxLockTempMaps();
    AfxUnlockTempMaps();
}

TEST(WndLifetime, CreateDestroySoak) {
    CWnd host;
    ASSERT_TRUE(
        host.CreateEx(0, AfxRegisterWndClass(0), _T("host"), WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    const int nCycles = riztest::SoakCycles();
    CreateDestroyCycles(host, 10);  // first-use allocations out of the counts
    CHandleMap* pMap = afxMapHWND(TRUE);
    const int nPermanent = pMap->GetPermanentCount();
    riztest::ResourceSnapshot before;

    CreateDestroyCycles(host, nCycles);

    EXPECT_EQ(before.WindowDelta(), 0);
    EXPECT_EQ(before.GdiDelta(), 0);
    EXPECT_EQ(pMap->GetPermanentCount(), nPermanent);
    EXPECT_EQ(pMap->GetTemporaryCount(), 0);
}

}  // namespace
