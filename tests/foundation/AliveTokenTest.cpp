// The alive token: an object deleted by a callback, a window destroyed or taken from its object, and
// tokens of copies.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVAliveToken.h"
#include "TestWindow.h"

#include <functional>

namespace {

// An object that calls out and may be deleted by the callee.
class CCaller {
public:
    std::function<void(CCaller*)> callback;
    int nAfter = 0;

    // Calls back and touches its own fields only while the token says it is still there.
    bool Run() {
        const CQVAliveToken token = m_alive.Token();
        callback(this);
        if (!token) return false;
        ++nAfter;
        return true;
    }

    CQVAliveFlag m_alive;
};

TEST(QVAliveToken, StaysAliveWhileTheObjectLivesAndEveryTokenEndsWhenACallbackDeletesIt) {
    CCaller caller;
    caller.callback = [](CCaller*) {};
    EXPECT_TRUE(caller.Run());
    EXPECT_EQ(1, caller.nAfter);
    CQVAliveToken other;
    CCaller* pCaller = new CCaller;
    pCaller->callback = [&](CCaller* p) {
        other = p->m_alive.Token();
        delete p;
    };
    EXPECT_FALSE(pCaller->Run());
    EXPECT_FALSE(other.IsAlive());
    // A default token never lived.
    EXPECT_FALSE(CQVAliveToken());
    EXPECT_FALSE(CQVAliveToken(static_cast<const CWnd*>(nullptr)));
}

TEST(QVAliveToken, KillEndsTokensBeforeTheFlagGoes) {
    CQVAliveFlag flag;
    const CQVAliveToken before = flag.Token();
    flag.Kill();
    EXPECT_FALSE(before);
    // A destructor that calls out after Kill hands out tokens that are already dead.
    EXPECT_FALSE(flag.Token());
}

TEST(QVAliveToken, ACopyHasTokensOfItsOwn) {
    CQVAliveToken tokenOfCopy;
    CQVAliveFlag original;
    const CQVAliveToken tokenOfOriginal = original.Token();
    {
        CQVAliveFlag copy(original);
        tokenOfCopy = copy.Token();
        CQVAliveFlag assigned;
        const CQVAliveToken tokenOfAssigned = assigned.Token();
        assigned = original;
        EXPECT_TRUE(tokenOfAssigned);
    }
    EXPECT_FALSE(tokenOfCopy);
    EXPECT_TRUE(tokenOfOriginal);
}

TEST(QVAliveToken, WindowTokenEndsWhenTheWindowIsDestroyedOrTheObjectDetached) {
    riztest::TestWindow window;
    for (bool bDetach : {false, true}) {
        SCOPED_TRACE(bDetach ? "detached" : "destroyed");
        CWnd* pWnd = new CWnd;
        ASSERT_TRUE(pWnd->Create(AfxRegisterWndClass(0), _T(""), WS_CHILD, CRect(0, 0, 20, 20),
                                 CWnd::FromHandle(window.Host()), 1));
        const HWND hWnd = pWnd->m_hWnd;
        const CQVAliveToken token(pWnd);
        EXPECT_TRUE(token);
        // Detached, the window goes on without its object: the object is gone all the same.
        if (bDetach)
            pWnd->Detach();
        else
            pWnd->DestroyWindow();
        EXPECT_EQ(bDetach, bool(::IsWindow(hWnd)));
        EXPECT_FALSE(token);
        delete pWnd;
        EXPECT_FALSE(token);
        ::DestroyWindow(hWnd);
    }
}

}  // namespace
