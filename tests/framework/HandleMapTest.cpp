// The handle maps behind FromHandle, once for every wrapper family (menus, GDI objects, device contexts,
// image lists, windows): the attached object is the permanent answer and owns its handle, any other
// handle gets one temporary object until idle, Attach and Detach move ownership, and each thread has a
// map of its own.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <thread>

#include "FrameworkHost.h"

namespace {

using riztest::FreeTemporaries;

struct MenuFamily {
    using Object = CMenu;
    using Handle = HMENU;
    static Handle Make() { return ::CreatePopupMenu(); }
    static bool Alive(Handle h) { return ::IsMenu(h) != FALSE; }
    static void Destroy(Handle h) { ::DestroyMenu(h); }
    static Handle Of(const Object* p) { return p->GetSafeHmenu(); }
    static Object* Permanent(Handle h) { return CMenu::FromHandlePermanent(h); }
    static CHandleMap* Map() { return afxMapHMENU(TRUE); }
};

struct BrushFamily {
    using Object = CBrush;
    using Handle = HBRUSH;
    static Handle Make() { return ::CreateSolidBrush(RGB(5, 6, 7)); }
    static bool Alive(Handle h) { return ::GetObjectType(h) == OBJ_BRUSH; }
    static void Destroy(Handle h) { ::DeleteObject(h); }
    static Handle Of(const Object* p) { return static_cast<HBRUSH>(p->GetSafeHandle()); }
    static Object* Permanent(Handle h) { return static_cast<CBrush*>(Map()->LookupPermanent(h)); }
    static CHandleMap* Map() { return afxMapHGDIOBJ(TRUE); }
};

struct DCFamily {
    using Object = CDC;
    using Handle = HDC;
    static Handle Make() { return ::CreateCompatibleDC(nullptr); }
    static bool Alive(Handle h) { return ::GetObjectType(h) == OBJ_MEMDC; }
    static void Destroy(Handle h) { ::DeleteDC(h); }
    static Handle Of(const Object* p) { return p->GetSafeHdc(); }
    static Object* Permanent(Handle h) { return static_cast<CDC*>(Map()->LookupPermanent(h)); }
    static CHandleMap* Map() { return afxMapHDC(TRUE); }
};

struct ImageListFamily {
    using Object = CImageList;
    using Handle = HIMAGELIST;
    static Handle Make() { return ::ImageList_Create(8, 8, ILC_COLOR32, 1, 1); }
    static bool Alive(Handle h) {
        int cx = 0, cy = 0;
        return ::ImageList_GetIconSize(h, &cx, &cy) && cx == 8;
    }
    static void Destroy(Handle h) { ::ImageList_Destroy(h); }
    static Handle Of(const Object* p) { return p->GetSafeHandle(); }
    static Object* Permanent(Handle h) { return CImageList::FromHandlePermanent(h); }
    static CHandleMap* Map() { return afxMapHIMAGELIST(TRUE); }
};

struct WndFamily {
    using Object = CWnd;
    using Handle = HWND;
    static Handle Make() {
        return ::CreateWindow(_T("STATIC"), _T(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr);
    }
    static bool Alive(Handle h) { return ::IsWindow(h) != FALSE; }
    static void Destroy(Handle h) { ::DestroyWindow(h); }
    static Handle Of(const Object* p) { return p->GetSafeHwnd(); }
    static Object* Permanent(Handle h) { return CWnd::FromHandlePermanent(h); }
    static CHandleMap* Map() { return afxMapHWND(TRUE); }
};

template <class F>
class HandleMap : public ::testing::Test {
protected:
    using Object = typename F::Object;
    using Handle = typename F::Handle;

    void SetUp() override {
        FreeTemporaries();
        m_h = F::Make();
        ASSERT_NE(m_h, nullptr);
    }
    void TearDown() override {
        FreeTemporaries();
        if (F::Alive(m_h)) F::Destroy(m_h);
    }
    static int Temporaries() { return F::Map()->GetTemporaryCount(); }

    Handle m_h = nullptr;
};

using Families = ::testing::Types<MenuFamily, BrushFamily, DCFamily, ImageListFamily, WndFamily>;
TYPED_TEST_SUITE(HandleMap, Families);

TYPED_TEST(HandleMap, FromHandleMakesOneTemporaryPerHandleUntilIdle) {
    using F = TypeParam;
    const int nTemps = this->Temporaries();
    auto* pTemp = F::Object::FromHandle(this->m_h);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(F::Of(pTemp), this->m_h);
    EXPECT_EQ(F::Object::FromHandle(this->m_h), pTemp);  // the same temporary while it lives
    EXPECT_EQ(F::Permanent(this->m_h), nullptr);
    EXPECT_EQ(this->Temporaries(), nTemps + 1);

    FreeTemporaries();
    EXPECT_EQ(this->Temporaries(), nTemps);
    EXPECT_TRUE(F::Alive(this->m_h)) << "freeing a temporary object leaves its handle alone";
}

TYPED_TEST(HandleMap, NullHandleHasNoObjectAndCannotBeAttached) {
    using F = TypeParam;
    EXPECT_EQ(F::Object::FromHandle(nullptr), nullptr);
    EXPECT_EQ(F::Permanent(nullptr), nullptr);
    typename F::Object* volatile pNone = nullptr;  // unknown to the compiler, as in real code
    EXPECT_EQ(F::Of(pNone), nullptr);
    typename F::Object object;
    EXPECT_FALSE(object.Attach(nullptr));
    EXPECT_EQ(F::Of(&object), nullptr);
}

TYPED_TEST(HandleMap, AttachedObjectIsThePermanentAnswerAndOwnsTheHandle) {
    using F = TypeParam;
    {
        typename F::Object object;
        ASSERT_TRUE(object.Attach(this->m_h));
        EXPECT_EQ(F::Of(&object), this->m_h);
        EXPECT_EQ(F::Object::FromHandle(this->m_h), &object);
        EXPECT_EQ(F::Permanent(this->m_h), &object);
        FreeTemporaries();
        EXPECT_EQ(F::Permanent(this->m_h), &object);
    }
    EXPECT_FALSE(F::Alive(this->m_h)) << "the destructor released the attached handle";
    EXPECT_EQ(F::Map()->LookupPermanent(this->m_h), nullptr);
}

TYPED_TEST(HandleMap, DetachGivesTheHandleBackAlive) {
    using F = TypeParam;
    typename F::Object object;
    ASSERT_TRUE(object.Attach(this->m_h));
    EXPECT_EQ(object.Detach(), this->m_h);
    EXPECT_EQ(F::Of(&object), nullptr);
    EXPECT_EQ(F::Permanent(this->m_h), nullptr);
    EXPECT_TRUE(F::Alive(this->m_h));
    auto* pTemp = F::Object::FromHandle(this->m_h);
    EXPECT_NE(pTemp, &object);  // a temporary again
    EXPECT_EQ(F::Of(pTemp), this->m_h);
}

TYPED_TEST(HandleMap, AttachingOverATemporaryMakesTheOwnerTheAnswer) {
    using F = TypeParam;
    auto* pTemp = F::Object::FromHandle(this->m_h);
    ASSERT_NE(pTemp, nullptr);
    typename F::Object object;
    ASSERT_TRUE(object.Attach(this->m_h));
    EXPECT_EQ(F::Object::FromHandle(this->m_h), &object);
    FreeTemporaries();
    EXPECT_EQ(F::Permanent(this->m_h), &object);
    EXPECT_TRUE(F::Alive(this->m_h));
    this->m_h = static_cast<typename F::Handle>(object.Detach());
}

TYPED_TEST(HandleMap, LocksNestAndOnlyTheLastUnlockFrees) {
    using F = TypeParam;
    AfxLockTempMaps();
    AfxLockTempMaps();
    auto* pTemp = F::Object::FromHandle(this->m_h);
    EXPECT_TRUE(AfxUnlockTempMaps());  // still locked
    EXPECT_EQ(F::Map()->LookupTemporary(this->m_h), pTemp);
    EXPECT_FALSE(AfxUnlockTempMaps());
    EXPECT_EQ(F::Map()->LookupTemporary(this->m_h), nullptr);
    EXPECT_FALSE(AfxUnlockTempMaps());  // an unbalanced unlock changes nothing
    EXPECT_EQ(this->Temporaries(), 0);

    F::Object::FromHandle(this->m_h);
    AfxLockTempMaps();
    AfxUnlockTempMaps(FALSE);  // unlocked but asked to keep the temporaries
    EXPECT_NE(F::Map()->LookupTemporary(this->m_h), nullptr);
}

TYPED_TEST(HandleMap, EachThreadSeesOnlyItsOwnAttachments) {
    using F = TypeParam;
    typename F::Object object;
    ASSERT_TRUE(object.Attach(this->m_h));
    typename F::Object* pPermanentOnWorker = &object;
    typename F::Object* pOnWorker = nullptr;
    CHandleMap* pWorkerMap = nullptr;
    int nWorkerTemps = -1;
    std::thread worker([&] {
        pPermanentOnWorker = F::Permanent(this->m_h);
        pOnWorker = F::Object::FromHandle(this->m_h);
        pWorkerMap = F::Map();
        nWorkerTemps = pWorkerMap->GetTemporaryCount();
    });
    worker.join();
    EXPECT_EQ(pPermanentOnWorker, nullptr);
    EXPECT_NE(pOnWorker, &object);
    EXPECT_NE(pWorkerMap, F::Map());
    EXPECT_EQ(nWorkerTemps, 1);
    EXPECT_EQ(F::Permanent(this->m_h), &object);
    EXPECT_TRUE(F::Alive(this->m_h)) << "the worker's end freed its temporary, not the handle";
    this->m_h = static_cast<typename F::Handle>(object.Detach());
}

}  // namespace
