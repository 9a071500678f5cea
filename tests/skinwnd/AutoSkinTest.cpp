// Automatic skinning of a dialog's children: the class table; on a real template, every class's object
// under both skins, scrolling, release, bad input, a skin change against a fresh dialog, a soak.
#include <afxwin.h>
#include <atlconv.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include "ExpectRows.h"
#include "MessagePump.h"
#include "PixelProbe.h"
#include "RIZuruzezu.h"
#include "ResourceCounter.h"
#include "Watchdog.h"
#include "SkinWndTestKit.h"

using namespace skintest;

namespace {

TEST(AutoSkinTable, ClassStyleAndBackgroundModeChooseTheObject) {
    using riztest::ExpectRows;
    ExpectRows<int>({
        ROW(QVAutoSkinKindFor(_T("eDiT"), ES_AUTOHSCROLL, 1), QVASK_EDIT),
        ROW(QVAutoSkinKindFor(_T("BUTTON"), BS_DEFPUSHBUTTON | WS_TABSTOP, 1), QVASK_BUTTON),
        ROW(QVAutoSkinKindFor(_T("Button"), BS_AUTO3STATE, 1), QVASK_NONE),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_CENTER, 2), QVASK_LABEL_TRANSPARENT),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_LEFT, 0), QVASK_NONE),
        // Only the low four bits are the type: a bitmap and etched lines become labels.
        ROW(QVAutoSkinKindFor(_T("Static"), SS_BITMAP, 1), QVASK_LABEL_COLOUR),
        ROW(QVAutoSkinKindFor(_T("Static"), SS_ETCHEDHORZ, 3), QVASK_LABEL_TRANSPARENT),
        ROW(QVAutoSkinKindFor(nullptr, 0, 1), QVASK_NONE),
    });
}

// Every class of the table and the exceptions, then an edit the dialog binds itself before the base
// OnInitDialog: the class name, style and text of each and the run-time class its object must have.
// Child i has the id 100 + i and a place in a grid.
struct Child {
    LPCWSTR lpszClass;
    DWORD dwStyle;
    LPCWSTR lpszText;
    CRuntimeClass* pClass;
};
const Child kChildren[] = {
    {L"Edit", ES_AUTOHSCROLL, L"ann", RUNTIME_CLASS(CQVEdit)},
    {L"Edit", ES_READONLY, L"id 7", RUNTIME_CLASS(CQVEdit)},  // the one transparent edit
    {L"Edit", ES_READONLY | ES_MULTILINE | WS_VSCROLL, L"notes", RUNTIME_CLASS(CQVEdit)},
    {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, L"", RUNTIME_CLASS(CQVComboBox)},
    {L"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, L"", RUNTIME_CLASS(CQVListBox)},
    {L"SysListView32", LVS_REPORT, L"", RUNTIME_CLASS(CQVListCtrl)},
    {L"SysTreeView32", TVS_HASLINES, L"", RUNTIME_CLASS(CQVTreeCtrl)},
    {L"Button", BS_PUSHBUTTON, L"Save", RUNTIME_CLASS(CQVButton)},
    {L"Button", BS_AUTOCHECKBOX, L"Daily", RUNTIME_CLASS(CQVButton)},
    {L"Button", BS_AUTORADIOBUTTON, L"Weekly", RUNTIME_CLASS(CQVButton)},
    {L"Button", BS_GROUPBOX, L"Plan", RUNTIME_CLASS(CQVGroupBox)},
    {L"Button", BS_OWNERDRAW, L"", nullptr},
    {L"Button", BS_AUTO3STATE, L"Maybe", nullptr},
    {L"Static", SS_LEFT, L"Exam date", RUNTIME_CLASS(CQVLabel)},
    {L"Static", SS_ICON, L"", nullptr},
    {L"Static", SS_OWNERDRAW, L"", nullptr},
    {L"Static", SS_ETCHEDHORZ, L"", RUNTIME_CLASS(CQVLabel)},
    {L"msctls_trackbar32", 0, L"", RUNTIME_CLASS(CQVSliderCtrl)},
    {L"msctls_updown32", 0, L"", RUNTIME_CLASS(CQVSpinButtonCtrl)},
    {L"msctls_hotkey32", 0, L"", RUNTIME_CLASS(CQVHotKeyCtrl)},
    {L"SysDateTimePick32", 0, L"", RUNTIME_CLASS(CQVDateTimeCtrl)},
    {L"RichEdit20A", ES_MULTILINE | WS_VSCROLL, L"", nullptr},
    {L"Edit", 0, L"host's", RUNTIME_CLASS(CEdit)},
};
enum { ID_LIST = 104, ID_VIEW = 105, ID_HOST_BOUND = 122 };

// The dialog with automatic skinning, its lists filled beyond their sizes before the base OnInitDialog.
class CAutoDialog : public CSkinDialog {
public:
    explicit CAutoDialog(BOOL bAuto = TRUE) { SetAutoLoadCtrl(bAuto); }
    ~CAutoDialog() override {
        if (m_hWnd) DestroyWindow();  // while the host's own edit object still lives
    }
    BOOL Open() {
        std::vector<DialogItem> items;
        for (const Child& c : kChildren) {
            const auto i = static_cast<short>(items.size());
            items.push_back({c.lpszClass, static_cast<WORD>(100 + i), c.dwStyle, WS_EX_CLIENTEDGE,
                             static_cast<short>(5 + i % 4 * 65), static_cast<short>(5 + i / 4 * 30), 60, 26,
                             c.lpszText});
        }
        m_template = DialogTemplateOf(WS_POPUP | WS_CAPTION, 265, 190, L"Settings", items);
        return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()));
    }
    BOOL OnInitDialog() override {
        m_hostEdit.SubclassDlgItem(ID_HOST_BOUND, this);
        CListCtrl* pView = static_cast<CListCtrl*>(GetDlgItem(ID_VIEW));
        pView->InsertColumn(0, _T("Lesson"), LVCFMT_LEFT, 300);
        for (int i = 0; i < 60; ++i) {
            SendDlgItemMessage(ID_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(_T("Word book")));
            pView->InsertItem(i, _T("Greetings"));
        }
        return CSkinDialog::OnInitDialog();
    }
    std::vector<CWnd*>& Made() { return m_vecSkinCtrls; }
    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

private:
    std::vector<WORD> m_template;
    CEdit m_hostEdit;
};

// The run-time class of every child's object, the transparent-edit rule, the labels' background rule
// of the current skin, skinned bars on every child, and the vector holding what was made.
void ExpectEveryChildSkinned(CAutoDialog& dlg) {
    const BOOL bTransparentLabels = CQVSkinResManager::GetSingletonPtr()->GetWndRes()->m_nClientBkMode != 1;
    size_t nMade = 0;
    for (int i = 0; i < static_cast<int>(_countof(kChildren)); ++i) {
        SCOPED_TRACE(i);
        const Child& c = kChildren[i];
        CWnd* pObject = CWnd::FromHandlePermanent(dlg.Item(100 + i));
        ASSERT_EQ(c.pClass, pObject ? pObject->GetRuntimeClass() : nullptr);
        EXPECT_TRUE(IsSkinScrollBar(dlg.Item(100 + i)));
        nMade += c.pClass != nullptr && 100 + i != ID_HOST_BOUND;
        if (c.pClass == RUNTIME_CLASS(CQVLabel)) {
            EXPECT_EQ(bTransparentLabels, static_cast<CQVLabel*>(pObject)->GetTransparent());
        }
        if (c.pClass == RUNTIME_CLASS(CQVEdit)) {
            EXPECT_EQ(i == 1, static_cast<CQVEdit*>(pObject)->GetTransparent());
        }
    }
    EXPECT_EQ(nMade, dlg.Made().size());
}

class AutoSkinDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, ::LoadLibrary(_T("riched20.dll")));
        ASSERT_TRUE(Load(_T("Default")));
        InstallScrollBarHook();
        ::SetCursorPos(1000, 700);
        riztest::AllowTestSeconds(60);  // whole dialogs and a thousand children on a loaded machine
    }
    void TearDown() override { UnInstallScrollBarHook(); }
    static BOOL Load(LPCTSTR lpszSkin) {
        return CQVSkinResManager::GetSingletonPtr()->LoadSkin(ShippedSkinFolder(lpszSkin));
    }
    SkinScope m_skin{false};
};

TEST_F(AutoSkinDialog, KeysAndWheelMoveTheSkinnedThumbOnlyWithTheHook) {
    for (bool bHook : {false, true}) {
        SCOPED_TRACE(bHook ? "hook" : "no hook");
        bHook ? InstallScrollBarHook() : UnInstallScrollBarHook();
        CAutoDialog dlg;
        ASSERT_TRUE(dlg.Open());
        for (const std::pair<int, UINT> list :
             {std::make_pair(ID_LIST, LB_GETTOPINDEX), {ID_VIEW, LVM_GETTOPINDEX}}) {
            const HWND hList = dlg.Item(list.first);
            // The first key only selects the focused item; the second goes to the end.
            riztest::PostKey(hList, VK_END);
            riztest::PostKey(hList, VK_END);
            riztest::PumpUntilIdle();
            const auto nAfterKeys = static_cast<int>(::SendMessage(hList, list.second, 0, 0));
            ::PostMessage(hList, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
            riztest::PumpUntilIdle();
            const auto nTop = static_cast<int>(::SendMessage(hList, list.second, 0, 0));
            SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
            ASSERT_TRUE(SkinGetScrollInfo(hList, SB_VERT, &si));
            EXPECT_TRUE(nAfterKeys > nTop && nTop > 0) << list.first << ": " << nAfterKeys << ", " << nTop;
            // Without the redirection the control updates the system's copy: the skinned thumb stays.
            EXPECT_EQ(bHook ? nTop : 0, si.nPos) << list.first;
        }
        dlg.DestroyWindow();
    }
}

TEST_F(AutoSkinDialog, SecondCallSkinsOnlyNewChildrenAndReleaseGivesEveryProcedureBack) {
    CAutoDialog dlg(FALSE);
    ASSERT_TRUE(dlg.Open());
    for (int i = 0; i < 1000; ++i)
        ::CreateWindow(_T("Static"), _T("w"), WS_CHILD, i % 40, 0, 9, 9, dlg.m_hWnd, nullptr, nullptr,
                       nullptr);
    std::vector<HWND> children;
    std::vector<LONG_PTR> procs;
    for (HWND h = ::GetWindow(dlg.m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        children.push_back(h);
        procs.push_back(::GetWindowLongPtr(h, GWLP_WNDPROC));
    }
    std::vector<CWnd*> made;
    QVSkin_AutoLoadControl(&dlg, made);
    const size_t nMade = made.size();
    EXPECT_EQ(17u + 1000u, nMade);
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
    QVSkin_ReleaseControl(&dlg, made);
    EXPECT_TRUE(made.empty());
    for (size_t i = 0; i < children.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(DetachSkinScrollBar(children[i]));
        EXPECT_EQ(procs[i], ::GetWindowLongPtr(children[i], GWLP_WNDPROC));
        EXPECT_EQ(children[i] == dlg.Item(ID_HOST_BOUND), CWnd::FromHandlePermanent(children[i]) != nullptr);
    }
    dlg.DestroyWindow();
}

// Under either skin every child has its object, and a dialog switched to that skin shows what the same
// dialog opened fresh in it shows.
TEST_F(AutoSkinDialog, EveryChildSkinnedAndASwitchedDialogLooksOpenedFresh) {
    const LPCTSTR pairs[][2] = {{_T("Default"), _T("Jade")}, {_T("Jade"), _T("Default")}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(CT2A(pair[1]).m_psz);
        ASSERT_TRUE(Load(pair[0]));
        auto* switched = new CAutoDialog;
        ASSERT_TRUE(switched->Open());
        riztest::PumpUntilIdle();
        ASSERT_TRUE(Load(pair[1]));
        switched->SendMessage(WM_QV_SKINCHANGED);
        riztest::PumpUntilIdle();
        riztest::WindowCapture shotSwitched(switched->m_hWnd);
        delete switched;
        CAutoDialog fresh;
        ASSERT_TRUE(fresh.Open());
        riztest::PumpUntilIdle();
        ExpectEveryChildSkinned(fresh);
        riztest::WindowCapture shotFresh(fresh.m_hWnd);
        const CRect rcShot(0, 0, shotFresh.Width(), shotFresh.Height());
        ASSERT_EQ(rcShot, CRect(0, 0, shotSwitched.Width(), shotSwitched.Height()));
        EXPECT_EQ(0, shotFresh.CountDiffering(shotSwitched, rcShot));
        fresh.DestroyWindow();
        EXPECT_TRUE(fresh.Made().empty());
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
