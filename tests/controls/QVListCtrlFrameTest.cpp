// The one-pixel frame of the skinned list box, list view and tree through real windows: the client
// inset per class and style once the posted recalculation ran, the frame's pixels on the screen in
// the test skin and the shipped ones, the posted message outliving its object or window, release, and
// the create/destroy and subclass/release soak of the four classes.
#include "QVListCtrlFixture.h"

#include <QVSkinResManager.h>

#include <functional>
#include <memory>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVListBox.h"
#include "QVListCtrl.h"
#include "QVTreeCtrl.h"
#include "ResourceCounter.h"
#include "Watchdog.h"

using namespace qvltest;
using riztest::RingPixelsOtherThan;
using riztest::WindowCapture;

namespace {

CRect InsetOf(HWND hWnd) {
    return CRect(riztest::ClientInsetInWindow(hWnd));
}

// One of the three framed classes: its system class name, a new skinned object, its control in the
// dialog, and the item count after one item is added through the system's window (a temporary
// wrapper, as a host's code sees a released control).
struct FramedClass {
    const char* name;
    LPCTSTR lpszClass;
    std::function<CWnd*()> make;
    UINT nTemplateId;
    std::function<int(HWND)> addItem;
};

const FramedClass kClasses[] = {
    {"list box", _T("LISTBOX"), [] { return new CQVListBox; }, IDC_QVLIST_UNITS,
     [](HWND h) {
         auto* p = static_cast<CListBox*>(CWnd::FromHandle(h));
         p->AddString(_T("Unit 1"));
         return p->GetCount();
     }},
    {"list view", WC_LISTVIEW, [] { return new CQVListCtrl; }, IDC_QVLIST_WORDS,
     [](HWND h) {
         auto* p = static_cast<CListCtrl*>(CWnd::FromHandle(h));
         p->InsertColumn(0, _T("Word"), LVCFMT_LEFT, 60);
         p->InsertItem(0, _T("apple"));
         return p->GetItemCount();
     }},
    {"tree", WC_TREEVIEW, [] { return new CQVTreeCtrl; }, IDC_QVLIST_COURSE,
     [](HWND h) {
         auto* p = static_cast<CTreeCtrl*>(CWnd::FromHandle(h));
         p->InsertItem(_T("Book 1"));
         return static_cast<int>(p->GetCount());
     }},
};

HWND CreateSystem(const FramedClass& cls, DWORD dwExStyle, CWnd* pParent, int x) {
    return ::CreateWindowEx(dwExStyle, cls.lpszClass, _T(""), WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, x,
                            200, 120, 80, pParent->m_hWnd, reinterpret_cast<HMENU>(kCreatedId),
                            AfxGetInstanceHandle(), nullptr);
}

// Releases a skinned object from its window the way the automatic skinning does, then deletes it.
void Release(CWnd* pWnd) {
    if (auto* pList = dynamic_cast<CQVListCtrl*>(pWnd))
        pList->UnsubclassWindow();
    else
        pWnd->UnsubclassWindow();
    delete pWnd;
}

}  // namespace

TEST_F(ListTest, FrameInsetPerClassAndStyleAfterThePostedRecalculation) {
    const struct {
        int nClass;
        DWORD dwExStyle;
        bool bSkinned;  // the one-pixel inset; otherwise the system's
    } rows[] = {
        {0, WS_EX_CLIENTEDGE, true}, {0, 0, true},   // a list box always has the frame
        {1, WS_EX_CLIENTEDGE, true}, {1, 0, false},  // list views and trees only with the client edge
        {2, WS_EX_CLIENTEDGE, true}, {2, 0, false},
    };
    for (const auto& row : rows) {
        const FramedClass& cls = kClasses[row.nClass];
        SCOPED_TRACE(testing::Message() << cls.name << " ex style " << row.dwExStyle);
        std::unique_ptr<CWnd> pSkinned(cls.make());
        ASSERT_TRUE(pSkinned->CWnd::CreateEx(row.dwExStyle, cls.lpszClass, _T(""),
                                             WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT,
                                             CRect(10, 200, 130, 280), &m_dlg, kCreatedId));
        const HWND hSystem = CreateSystem(cls, row.dwExStyle, &m_dlg, 150);
        ASSERT_NE(nullptr, hSystem);
        Pump();
        // A list box without the client edge has no system edge to widen into: the client still leaves
        // the frame's ring.
        const CRect rcExpected = row.bSkinned ? CRect(1, 1, 1, 1) : InsetOf(hSystem);
        const CRect rcInset = InsetOf(pSkinned->m_hWnd);
        EXPECT_EQ(rcExpected, rcInset)
            << rcInset.left << "," << rcInset.top << "," << rcInset.right << "," << rcInset.bottom;
        if (row.dwExStyle) {
            EXPECT_NE(InsetOf(hSystem), rcInset);
        }
        pSkinned->DestroyWindow();
        ::DestroyWindow(hSystem);
    }
}

TEST_F(ListTest, SubclassedTemplateControlsLoseTheSystemEdgeAtThePostedMessage) {
    for (const FramedClass& cls : kClasses) {
        SCOPED_TRACE(cls.name);
        const HWND hWnd = ::GetDlgItem(m_dlg.m_hWnd, cls.nTemplateId);
        const CRect rcSystem = InsetOf(hWnd);
        ASSERT_EQ(2, rcSystem.left);
        std::unique_ptr<CWnd> pWnd(cls.make());
        ASSERT_TRUE(pWnd->SubclassWindow(hWnd));
        EXPECT_EQ(rcSystem, InsetOf(hWnd));
        Pump();
        EXPECT_EQ(CRect(1, 1, 1, 1), InsetOf(hWnd));
        Release(pWnd.release());
    }
}

TEST_F(ListTest, FramePixelsOnTheScreenAreTheBorderColourOfEachSkin) {
    CQVListBox box;
    CQVListCtrl list;
    CQVTreeCtrl tree;
    CWnd* controls[] = {&box, &list, &tree};
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(controls[i]->SubclassWindow(::GetDlgItem(m_dlg.m_hWnd, kClasses[i].nTemplateId)));
    list.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 80);
    Pump();
    CQVSkinResManager* pManager = CQVSkinResManager::GetSingletonPtr();
    ASSERT_GE(pManager->GetSkinsTotal(), 2);
    // The test skin, a second test skin, then the shipped skins.
    for (int k = -2; k < 2; ++k) {
        SCOPED_TRACE(k);
        if (k == -1) {
            ASSERT_TRUE(LoadSkin(kOtherBorder));
        } else if (k >= 0) {
            ASSERT_TRUE(pManager->LoadSkin(pManager->GetSkinFolder(k)));
        }
        const COLORREF clrBorder = pManager->GetClrDef()->GetColor(4);
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(kClasses[i].name);
            if (k > -2) {
                EXPECT_NE(0, controls[i]->SendMessage(WM_QV_SKINCHANGED));
            }
            Pump();
            WindowCapture shot(controls[i]->m_hWnd, WindowCapture::Screen, false);
            EXPECT_EQ(0, RingPixelsOtherThan(shot, clrBorder));
        }
    }
    // Without the client edge a list box still shows the frame, a list view keeps the system's.
    CQVListBox bare;
    ASSERT_TRUE(bare.CreateEx(0, _T("LISTBOX"), _T(""), WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT,
                              CRect(140, 200, 260, 280), &m_dlg, kCreatedId + 1));
    Pump();
    WindowCapture bareShot(bare.m_hWnd, WindowCapture::Screen, false);
    EXPECT_EQ(0, RingPixelsOtherThan(bareShot, pManager->GetClrDef()->GetColor(4)));
    CQVListCtrl plain;
    ASSERT_TRUE(plain.CreateEx(0, WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, CRect(10, 200, 130, 280),
                               &m_dlg, kCreatedId));
    Pump();
    WindowCapture plainShot(plain.m_hWnd, WindowCapture::Screen, false);
    EXPECT_GT(RingPixelsOtherThan(plainShot, pManager->GetClrDef()->GetColor(4)), 0);
    list.UnsubclassWindow();
}

TEST_F(ListTest, PostedRecalculationOutlivesItsObjectOrWindow) {
    for (const FramedClass& cls : kClasses) {
        SCOPED_TRACE(cls.name);
        // Released and deleted before the posted message: the system's control gets it and ignores it.
        const HWND hSystem = CreateSystem(cls, WS_EX_CLIENTEDGE, &m_dlg, 10);
        const CRect rcSystem = InsetOf(hSystem);
        Release([&] {
            CWnd* pWnd = cls.make();
            EXPECT_TRUE(pWnd->SubclassWindow(hSystem));
            return pWnd;
        }());
        Pump();
        EXPECT_EQ(rcSystem, InsetOf(hSystem));
        ::DestroyWindow(hSystem);
        // The window destroyed before it.
        std::unique_ptr<CWnd> pWnd(cls.make());
        ASSERT_TRUE(pWnd->CWnd::CreateEx(WS_EX_CLIENTEDGE, cls.lpszClass, _T(""), WS_CHILD,
                                         CRect(0, 0, 50, 50), &m_dlg, kCreatedId));
        pWnd->DestroyWindow();
        Pump();
        EXPECT_EQ(nullptr, pWnd->GetSafeHwnd());
    }
}

TEST_F(ListTest, ReleasedControlsWorkAsTheSystemsAgain) {
    for (const FramedClass& cls : kClasses) {
        SCOPED_TRACE(cls.name);
        const HWND hWnd = ::GetDlgItem(m_dlg.m_hWnd, cls.nTemplateId);
        // The list view's header, or the window itself for the others.
        HWND hHeader = reinterpret_cast<HWND>(::SendMessage(hWnd, LVM_GETHEADER, 0, 0));
        if (cls.nTemplateId != IDC_QVLIST_WORDS) hHeader = hWnd;
        const LONG_PTR procs[2] = {::GetWindowLongPtr(hWnd, GWLP_WNDPROC),
                                   ::GetWindowLongPtr(hHeader, GWLP_WNDPROC)};
        CWnd* pWnd = cls.make();
        ASSERT_TRUE(pWnd->SubclassWindow(hWnd));
        Pump();
        EXPECT_NE(procs[1], ::GetWindowLongPtr(hHeader, GWLP_WNDPROC));
        Release(pWnd);
        EXPECT_EQ(procs[0], ::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
        EXPECT_EQ(procs[1], ::GetWindowLongPtr(hHeader, GWLP_WNDPROC));
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hHeader));
        EXPECT_EQ(0, ::SendMessage(hWnd, WM_QV_SKINCHANGED, 0, 0));
        EXPECT_EQ(1, cls.addItem(hWnd));
        ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump();
    }
}

TEST_F(ListTest, CreateDestroyAndSubclassReleaseOfTheFourClassesLeakNothingSoak) {
    riztest::ExpectCyclesLeakNothing([&](int k) {
        const CRect rc(10, 200, 200, 300);
        if (k % 2 == 0) {
            CQVListBox box;
            box.CWnd::CreateEx(WS_EX_CLIENTEDGE, _T("LISTBOX"), _T(""), WS_CHILD | WS_VISIBLE, rc, &m_dlg,
                               kCreatedId);
            box.AddString(_T("Unit 3"));
            CQVListCtrl list;
            list.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | LVS_REPORT, rc, &m_dlg, kCreatedId + 1);
            list.InsertColumn(0, _T("Word"), LVCFMT_LEFT, 60);
            list.InsertItem(0, _T("apple"));
            CQVTreeCtrl tree;
            tree.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, rc, &m_dlg, kCreatedId + 2);
            tree.InsertItem(_T("Book 1"));
            CQVHeaderCtrl header;
            header.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS, CRect(0, 0, 200, 20), &m_dlg, kCreatedId + 3);
            m_dlg.UpdateWindow();
            box.DestroyWindow();
            list.DestroyWindow();
            tree.DestroyWindow();
            header.DestroyWindow();
        } else {
            for (const FramedClass& cls : kClasses)
                Release([&] {
                    CWnd* pWnd = cls.make();
                    pWnd->SubclassWindow(::GetDlgItem(m_dlg.m_hWnd, cls.nTemplateId));
                    return pWnd;
                }());
            CQVHeaderCtrl header;
            const HWND hHeader = ::CreateWindowEx(0, WC_HEADER, _T(""), WS_CHILD, 0, 0, 200, 20, m_dlg.m_hWnd,
                                                  NULL, AfxGetInstanceHandle(), nullptr);
            header.SubclassWindow(hHeader);
            header.UnsubclassWindow();
            ::DestroyWindow(hHeader);
        }
    });
}
