// Automatic skinning of a dialog's children: the class table, the object every class of a real template
// gets under both skins, scrolling through the skinned bars, release, a skin change against a dialog
// opened fresh in the new skin, bad input and an open/close soak.
#include <afxwin.h>
#include <atlconv.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include <algorithm>
#include <memory>

#include "ExpectRows.h"
#include "MessagePump.h"
#include "PixelProbe.h"
#include "RIZuruzezu.h"
#include "ResourceCounter.h"
#include "SkinWndTestKit.h"

using namespace skintest;

namespace {

TEST(AutoSkinTable, ClassStyleAndBackgroundModeChooseTheObject) {
    using riztest::ExpectRows;
    ExpectRows<int>({
        ROW(QVAutoSkinKindFor(_T("eDiT"), ES_AUTOHSCROLL, 1), QVASK_EDIT),
        ROW(QVAutoSkinKindFor(_T("Edit"), ES_READONLY, 1), QVASK_EDIT_TRANSPARENT),
        ROW(QVAutoSkinKindFor(_T("Edit"), ES_READONLY | WS_VSCROLL, 1), QVASK_EDIT),
        ROW(QVAutoSkinKindFor(_T("Edit"), ES_READONLY | WS_HSCROLL, 3), QVASK_EDIT),
        ROW(QVAutoSkinKindFor(_T("BUTTON"), BS_DEFPUSHBUTTON | WS_TABSTOP, 1), QVASK_BUTTON),
        ROW(QVAutoSkinKindFor(_T("Button"), BS_AUTORADIOBUTTON, 1), QVASK_BUTTON),
        ROW(QVAutoSkinKindFor(_T("Button"), BS_GROUPBOX, 1), QVASK_GROUPBOX),
        ROW(QVAutoSkinKindFor(_T("Button"), BS_AUTO3STATE, 1), QVASK_NONE),
        ROW(QVAutoSkinKindFor(_T("Button"), BS_OWNERDRAW, 1), QVASK_NONE),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_LEFT, 1), QVASK_LABEL_COLOUR),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_CENTER, 2), QVASK_LABEL_TRANSPARENT),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_LEFT, 3), QVASK_LABEL_TRANSPARENT),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_LEFT, 0), QVASK_NONE),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_ICON, 1), QVASK_NONE),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_OWNERDRAW, 3), QVASK_NONE),
        // Only the low four bits are the type: a bitmap and etched lines become labels.
        ROW(QVAutoSkinKindFor(_T("Static"), SS_BITMAP, 1), QVASK_LABEL_COLOUR),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_ETCHEDHORZ, 3), QVASK_LABEL_TRANSPARENT),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_ETCHEDFRAME, 1), QVASK_LABEL_COLOUR),
        ROW(QVAutoSkinKindFor(_T("RichEdit20A"), ES_MULTILINE, 1), QVASK_NONE),
        ROW(QVAutoSkinKindFor(_T("SysListView32x"), 0, 1), QVASK_NONE),
        ROW(QVAutoSkinKindFor(nullptr, 0, 1), QVASK_NONE),
    });
}

enum { ID_LIST = 105, ID_VIEW = 106, ID_HOST_BOUND = 123 };

// Every class of the table, the exceptions, and an edit the dialog binds itself before the base
// OnInitDialog, with the run-time class each must end with.
struct Child {
    DialogItem item;
    CRuntimeClass* pClass;
};
std::vector<Child> Children() {
    return {
        {{L"Edit", 101, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 5, 5, 60, 12, L"ann"}, RUNTIME_CLASS(CQVEdit)},
        {{L"Edit", 102, ES_READONLY, WS_EX_CLIENTEDGE, 70, 5, 60, 12, L"id 7"}, RUNTIME_CLASS(CQVEdit)},
        {{L"Edit", 103, ES_READONLY | ES_MULTILINE | WS_VSCROLL, 0, 135, 5, 60, 30, L"n"},
         RUNTIME_CLASS(CQVEdit)},
        {{L"ComboBox", 104, CBS_DROPDOWNLIST | WS_VSCROLL, 0, 200, 5, 60, 60, nullptr},
         RUNTIME_CLASS(CQVComboBox)},
        {{L"ListBox", ID_LIST, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE, 5, 40, 60,
          50, nullptr},
         RUNTIME_CLASS(CQVListBox)},
        {{L"SysListView32", ID_VIEW, LVS_REPORT, WS_EX_CLIENTEDGE, 70, 40, 60, 50, nullptr},
         RUNTIME_CLASS(CQVListCtrl)},
        {{L"SysTreeView32", 107, TVS_HASLINES, WS_EX_CLIENTEDGE, 135, 40, 60, 50, nullptr},
         RUNTIME_CLASS(CQVTreeCtrl)},
        {{L"Button", 108, BS_PUSHBUTTON, 0, 200, 40, 40, 14, L"Save"}, RUNTIME_CLASS(CQVButton)},
        {{L"Button", 109, BS_AUTOCHECKBOX, 0, 200, 56, 50, 10, L"Daily"}, RUNTIME_CLASS(CQVButton)},
        {{L"Button", 110, BS_AUTORADIOBUTTON, 0, 200, 68, 50, 10, L"Weekly"}, RUNTIME_CLASS(CQVButton)},
        {{L"Button", 111, BS_GROUPBOX, 0, 5, 95, 125, 40, L"Plan"}, RUNTIME_CLASS(CQVGroupBox)},
        {{L"Button", 112, BS_OWNERDRAW, 0, 10, 105, 30, 12, nullptr}, nullptr},
        {{L"Button", 113, BS_AUTO3STATE, 0, 45, 105, 50, 10, L"Maybe"}, nullptr},
        {{L"Static", 114, SS_LEFT, 0, 135, 95, 60, 10, L"Exam date"}, RUNTIME_CLASS(CQVLabel)},
        {{L"Static", 115, SS_ICON, 0, 135, 107, 10, 10, nullptr}, nullptr},
        {{L"Static", 116, SS_OWNERDRAW, 0, 150, 107, 10, 10, nullptr}, nullptr},
        {{L"Static", 117, SS_ETCHEDHORZ, 0, 135, 122, 60, 2, nullptr}, RUNTIME_CLASS(CQVLabel)},
        {{L"msctls_trackbar32", 118, 0, 0, 200, 82, 60, 14, nullptr}, RUNTIME_CLASS(CQVSliderCtrl)},
        {{L"msctls_updown32", 119, 0, 0, 200, 98, 10, 14, nullptr}, RUNTIME_CLASS(CQVSpinButtonCtrl)},
        {{L"msctls_hotkey32", 120, 0, 0, 215, 98, 45, 12, nullptr}, RUNTIME_CLASS(CQVHotKeyCtrl)},
        {{L"SysDateTimePick32", 121, 0, 0, 200, 114, 60, 12, nullptr}, RUNTIME_CLASS(CQVDateTimeCtrl)},
        {{L"RichEdit20A", 122, ES_MULTILINE | WS_VSCROLL, 0, 5, 140, 125, 30, nullptr}, nullptr},
        {{L"Edit", ID_HOST_BOUND, 0, WS_EX_CLIENTEDGE, 135, 140, 60, 12, nullptr}, RUNTIME_CLASS(CEdit)},
    };
}

// The dialog with automatic skinning, its lists filled beyond their sizes before the base OnInitDialog.
class CAutoDialog : public CSkinDialog {
public:
    explicit CAutoDialog(BOOL bAuto = TRUE) { SetAutoLoadCtrl(bAuto); }
    ~CAutoDialog() override {
        if (m_hWnd) DestroyWindow();  // while the host's own edit object still lives
    }
    BOOL Open() {
        std::vector<DialogItem> items;
        for (const Child& c : Children())
            items.push_back(c.item);
        m_template = DialogTemplateOf(WS_POPUP | WS_CAPTION, 270, 180, L"Settings", items);
        return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()));
    }
    BOOL OnInitDialog() override {
        m_hostEdit.SubclassDlgItem(ID_HOST_BOUND, this);
        for (int i = 0; i < 60; ++i)
            ::SendDlgItemMessage(m_hWnd, ID_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(_T("Word book")));
        CListCtrl* pView = static_cast<CListCtrl*>(GetDlgItem(ID_VIEW));
        pView->InsertColumn(0, _T("Lesson"), LVCFMT_LEFT, 300);
        for (int i = 0; i < 40; ++i)
            pView->InsertItem(i, _T("Greetings"));
        return CSkinDialog::OnInitDialog();
    }
    std::vector<CWnd*>& Made() { return m_vecSkinCtrls; }
    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

private:
    std::vector<WORD> m_template;
    CEdit m_hostEdit;
};

class AutoSkinDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, ::LoadLibrary(_T("riched20.dll")));
        ASSERT_TRUE(Load(_T("Default")));
        InstallScrollBarHook();
        ::SetCursorPos(1000, 700);
    }
    void TearDown() override { UnInstallScrollBarHook(); }
    static BOOL Load(LPCTSTR lpszSkin) {
        return CQVSkinResManager::GetSingletonPtr()->LoadSkin(ShippedSkinFolder(lpszSkin));
    }
    SkinScope m_skin{false};
};

TEST_F(AutoSkinDialog, EveryChildGetsItsClassUnderBothSkins) {
    for (LPCTSTR lpszSkin : {_T("Default"), _T("Jade")}) {
        SCOPED_TRACE(CT2A(lpszSkin).m_psz);
        ASSERT_TRUE(Load(lpszSkin));
        const BOOL bTransparentLabels =
            CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_nClientBkMode != 1;
        CAutoDialog dlg;
        ASSERT_TRUE(dlg.Open());
        size_t nMade = 0;
        for (const Child& c : Children()) {
            SCOPED_TRACE(c.item.wId);
            CWnd* pObject = CWnd::FromHandlePermanent(dlg.Item(c.item.wId));
            EXPECT_EQ(c.pClass, pObject ? pObject->GetRuntimeClass() : nullptr);
            EXPECT_TRUE(IsSkinScrollBar(dlg.Item(c.item.wId)));
            nMade += c.pClass != nullptr && c.item.wId != ID_HOST_BOUND;
            if (pObject && c.pClass == RUNTIME_CLASS(CQVLabel)) {
                EXPECT_EQ(bTransparentLabels, static_cast<CQVLabel*>(pObject)->GetTransparent());
            }
            if (pObject && c.pClass == RUNTIME_CLASS(CQVEdit)) {
                EXPECT_EQ(c.item.wId == 102, static_cast<CQVEdit*>(pObject)->GetTransparent());
            }
        }
        EXPECT_EQ(nMade, dlg.Made().size());
        dlg.DestroyWindow();
        EXPECT_TRUE(dlg.Made().empty());
    }
}

TEST_F(AutoSkinDialog, KeysAndWheelMoveTheSkinnedThumbOnlyWithTheHook) {
    for (bool bHook : {false, true}) {
        SCOPED_TRACE(bHook ? "hook" : "no hook");
        if (!bHook) UnInstallScrollBarHook();
        if (bHook) InstallScrollBarHook();
        CAutoDialog dlg;
        ASSERT_TRUE(dlg.Open());
        const struct {
            int nID;
            UINT nTopIndex;
        } lists[] = {{ID_LIST, LB_GETTOPINDEX}, {ID_VIEW, LVM_GETTOPINDEX}};
        for (const auto& list : lists) {
            const HWND hList = dlg.Item(list.nID);
            // The first key only selects the focused item; the second goes to the end.
            riztest::PostKey(hList, VK_END);
            riztest::PostKey(hList, VK_END);
            riztest::PumpUntilIdle();
            const auto nAfterKeys = static_cast<int>(::SendMessage(hList, list.nTopIndex, 0, 0));
            ::PostMessage(hList, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
            riztest::PumpUntilIdle();
            const auto nTop = static_cast<int>(::SendMessage(hList, list.nTopIndex, 0, 0));
            SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
            ASSERT_TRUE(SkinGetScrollInfo(hList, SB_VERT, &si));
            EXPECT_GT(nAfterKeys, nTop) << list.nID;
            EXPECT_GT(nTop, 0) << list.nID;
            // Without the redirection the control updates the system's copy: the skinned thumb stays.
            EXPECT_EQ(bHook ? nTop : 0, si.nPos) << list.nID;
        }
        dlg.DestroyWindow();
    }
}

TEST_F(AutoSkinDialog, SecondCallSkinsOnlyNewChildrenAndReleaseGivesEveryProcedureBack) {
    CAutoDialog dlg(FALSE);
    ASSERT_TRUE(dlg.Open());
    std::vector<HWND> children;
    std::vector<LONG_PTR> procs;
    for (HWND h = ::GetWindow(dlg.m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        children.push_back(h);
        procs.push_back(::GetWindowLongPtr(h, GWLP_WNDPROC));
    }
    std::vector<CWnd*> made;
    QVSkin_AutoLoadControl(&dlg, made);
    const size_t nMade = made.size();
    EXPECT_EQ(17u, nMade);
    QVSkin_AutoLoadControl(&dlg, made);
    EXPECT_EQ(nMade, made.size());
    ::CreateWindow(_T("Button"), _T("New"), WS_CHILD, 0, 0, 40, 20, dlg.m_hWnd, nullptr, nullptr, nullptr);
    QVSkin_AutoLoadControl(&dlg, made);
    ASSERT_EQ(nMade + 1, made.size());
    // A child gone before the release: its object is only deleted.
    ::DestroyWindow(made.back()->m_hWnd);
    QVSkin_AutoLoadControl(nullptr, made);
    EXPECT_EQ(nMade + 1, made.size());

    QVSkin_ReleaseControl(&dlg, made);
    EXPECT_TRUE(made.empty());
    QVSkin_ReleaseControl(&dlg, made);
    EXPECT_TRUE(made.empty());
    for (size_t i = 0; i < children.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(DetachSkinScrollBar(children[i]));
        EXPECT_EQ(procs[i], ::GetWindowLongPtr(children[i], GWLP_WNDPROC));
        const CWnd* pObject = CWnd::FromHandlePermanent(children[i]);
        EXPECT_EQ(children[i] == dlg.Item(ID_HOST_BOUND), pObject != nullptr);
    }
    dlg.DestroyWindow();
}

TEST_F(AutoSkinDialog, ThousandChildrenAllBecomeLabels) {
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), _T("many"), WS_POPUP, CRect(0, 0, 400, 400), nullptr, 0));
    for (int i = 0; i < 1000; ++i)
        ::CreateWindow(_T("Static"), _T("w"), WS_CHILD, i % 40, i / 40, 10, 10, parent.m_hWnd, nullptr,
                       nullptr, 0);
    std::vector<CWnd*> made;
    QVSkin_AutoLoadControl(&parent, made);
    ASSERT_EQ(1000u, made.size());
    EXPECT_EQ(1000, std::count_if(made.begin(), made.end(),
                                  [](CWnd* p) { return p->GetRuntimeClass() == RUNTIME_CLASS(CQVLabel); }));
    QVSkin_ReleaseControl(&parent, made);
    EXPECT_TRUE(made.empty());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(::GetWindow(parent.m_hWnd, GW_CHILD)));
    parent.DestroyWindow();
}

// A dialog switched to the other skin shows what the same dialog opened fresh in that skin shows.
TEST_F(AutoSkinDialog, SkinChangeLooksLikeADialogOpenedFreshInTheNewSkin) {
    const LPCTSTR pairs[][2] = {{_T("Default"), _T("Jade")}, {_T("Jade"), _T("Default")}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(CT2A(pair[1]).m_psz);
        ASSERT_TRUE(Load(pair[0]));
        auto switched = std::make_unique<CAutoDialog>();
        ASSERT_TRUE(switched->Open());
        riztest::PumpUntilIdle();
        ASSERT_TRUE(Load(pair[1]));
        switched->SendMessage(WM_QV_SKINCHANGED);
        riztest::PumpUntilIdle();
        riztest::WindowCapture shotSwitched(switched->m_hWnd);
        switched.reset();
        CAutoDialog fresh;
        ASSERT_TRUE(fresh.Open());
        riztest::PumpUntilIdle();
        riztest::WindowCapture shotFresh(fresh.m_hWnd);
        ASSERT_EQ(shotFresh.Width(), shotSwitched.Width());
        ASSERT_EQ(shotFresh.Height(), shotSwitched.Height());
        EXPECT_EQ(0,
                  shotFresh.CountDiffering(shotSwitched, CRect(0, 0, shotFresh.Width(), shotFresh.Height())));
        fresh.DestroyWindow();
    }
}

TEST_F(AutoSkinDialog, OpenCloseSoak) {
    riztest::ExpectCyclesLeakNothing([](int) {
        CAutoDialog dlg;
        dlg.Open();
        dlg.DestroyWindow();
    });
}

}  // namespace
