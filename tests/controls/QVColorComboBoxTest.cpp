// CQVColorComboBox: the colour list and its "other" item, 30-pixel items created and subclassed, the
// swatches and texts drawn, the colour dialog through the replaceable function (OK, cancel, 0x9E5,
// the list closed and the mouse free around it), hosts that delete the "other" item or destroy the
// combo meanwhile, and one run of the system's colour dialog ended by its own OK button.
#include "QVComboBoxFixture.h"

#include <functional>
#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVColorComboBox.h"

using namespace qvctest;

namespace {

constexpr UINT kCreatedId = 770;
const COLORREF kMain[] = {0x000000, 0x000080, 0x008000, 0x800000, 0x008080, 0x800080, 0x808000, 0x808080,
                          0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// The colour dialog the tests put in: what it answers, and what it saw.
struct FakeDialog {
    static BOOL Run(CWnd* pOwner, COLORREF clrInit, COLORREF* pclr) {
        ++s_nRuns;
        s_clrInit = clrInit;
        COMBOBOXINFO info = ComboTest::InfoOf(pOwner->m_hWnd);
        s_bListClosedAndFree = !::IsWindowVisible(info.hwndList) && !::GetCapture();
        if (s_onRun) s_onRun();
        *pclr = s_clrAnswer;
        return s_bOK;
    }
    static int s_nRuns;
    static COLORREF s_clrInit, s_clrAnswer;
    static BOOL s_bOK, s_bListClosedAndFree;
    static std::function<void()> s_onRun;
};
int FakeDialog::s_nRuns = 0;
COLORREF FakeDialog::s_clrInit = 0, FakeDialog::s_clrAnswer = 0;
BOOL FakeDialog::s_bOK = FALSE, FakeDialog::s_bListClosedAndFree = FALSE;
std::function<void()> FakeDialog::s_onRun;

class ColorComboTest : public ComboTest {
protected:
    void SetUp() override {
        ComboTest::SetUp();
        FakeDialog::s_nRuns = 0;
        FakeDialog::s_onRun = nullptr;
        m_pfnOld = CQVColorComboBox::SetChooseColorFunc(&FakeDialog::Run);
    }
    void TearDown() override {
        CQVColorComboBox::SetChooseColorFunc(m_pfnOld);
        FakeDialog::s_onRun = nullptr;
        ComboTest::TearDown();
    }
    void Subclass(CQVColorComboBox& combo) {
        ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_COLOR, &m_dlg));
        combo.SetFocus();
    }
    QVChooseColorFunc m_pfnOld = nullptr;
};

}  // namespace

// ---- The list ----

TEST_F(ColorComboTest, ColoursGoBeforeTheOtherItemAddedByTheFirstColour) {
    CQVColorComboBox combo;
    EXPECT_LT(combo.AddColor(0x123456), 0);  // no window yet
    Subclass(combo);
    EXPECT_EQ(0u, combo.GetCurColor());
    EXPECT_EQ(0, combo.AddColor(0x123456));
    ASSERT_EQ(2, combo.GetCount());
    combo.InitMainColors();
    ASSERT_EQ(17, combo.GetCount());
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(kMain[i], combo.GetItemData(i + 1)) << i;
    combo.SetCurColor(0x00FF00);
    EXPECT_EQ(10, combo.GetCurSel());
    combo.SetCurColor(0x654321);  // new: just before "other"
    EXPECT_EQ(16, combo.GetCurSel());
    EXPECT_EQ(0x654321u, combo.GetCurColor());
    EXPECT_EQ(18, combo.GetCount());
    EXPECT_EQ(CString(_T("Other...")), combo.GetOtherText());
}

TEST_F(ColorComboTest, ItemsAreThirtyPixelsCreatedAndSubclassed) {
    CQVColorComboBox created, subclassed;
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL,
                               CRect(10, 120, 170, 300), &m_dlg, kCreatedId));
    Subclass(subclassed);
    for (CQVColorComboBox* pCombo : {&created, &subclassed}) {
        pCombo->InitMainColors();
        EXPECT_EQ(30, pCombo->GetItemHeight(0));
    }
    // Create takes away CBS_DROPDOWN and CBS_OWNERDRAWVARIABLE and makes the items owner-drawn.
    EXPECT_EQ(static_cast<DWORD>(CBS_SIMPLE | CBS_OWNERDRAWFIXED), created.GetStyle() & 0x33);
}

TEST_F(ColorComboTest, SwatchesOtherTextAndEmptyItemAsDrawn) {
    CQVColorComboBox combo;
    Subclass(combo);
    combo.AddColor(RGB(0, 200, 0));
    const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW), clrHigh = ::GetSysColor(COLOR_HIGHLIGHT);
    const struct {
        int nItem;
        UINT nState;
        COLORREF clrBack, clrText;  // clrText: the "other" text, else the swatch
    } rows[] = {
        {0, 0, clrWindow, RGB(0, 200, 0)},    {0, ODS_SELECTED, clrHigh, RGB(0, 200, 0)},
        {1, 0, clrWindow, RGB(255, 0, 0)},    {1, ODS_SELECTED, clrHigh, RGB(255, 255, 255)},
        {-1, ODS_SELECTED, clrHigh, clrHigh},  // no item: the background only
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "item " << row.nItem << " state " << row.nState);
        riztest::Surface surface(120, 30, RGB(1, 2, 3));
        DRAWITEMSTRUCT dis = {
            ODT_COMBOBOX,   IDC_QVCOMBO_COLOR, static_cast<UINT>(row.nItem),
            ODA_DRAWENTIRE, row.nState,        combo.m_hWnd,
            surface.Dc(),   {0, 0, 120, 30},   row.nItem >= 0 ? combo.GetItemData(row.nItem) : 0};
        combo.DrawItem(&dis);
        EXPECT_EQ("",
                  surface.WrongPixels({{0, 0, row.clrBack}, {119, 29, row.clrBack}, {4, 15, row.clrBack}}));
        if (row.nItem == 0) {
            EXPECT_EQ("", surface.WrongPixels(
                              {{5, 2, 0}, {114, 27, 0}, {60, 15, row.clrText}, {60, 1, row.clrBack}}));
        } else {
            EXPECT_GT(surface.CountNear({5, 2, 120, 30}, row.clrText, 0), row.nItem < 0 ? 2000 : 5);
        }
    }
}

// ---- The colour dialog ----

TEST_F(ColorComboTest, OtherChosenOpensTheDialogOnceThenSelectsItsAnswer) {
    enum How { Click, ArrowKey };
    const struct {
        How nHow;
        BOOL bOK;
        COLORREF clrSelected;
    } rows[] = {
        {Click, TRUE, 0x123456},     // a new colour, added before "other"
        {Click, FALSE, 0x00FF00},    // cancel: the colour current when the list opened
        {ArrowKey, TRUE, 0x0000FF},  // a colour already there
        {ArrowKey, FALSE, 0x00FF00},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "how " << row.nHow << " ok " << row.bOK);
        CQVColorComboBox combo;
        Subclass(combo);
        for (COLORREF clr : {0x0000FF, 0x00FF00})
            combo.AddColor(clr);
        combo.SetCurColor(0x00FF00);
        m_dlg.m_nColorMessages = 0;
        FakeDialog::s_nRuns = 0;
        FakeDialog::s_bOK = row.bOK;
        FakeDialog::s_clrAnswer = row.clrSelected;
        const COMBOBOXINFO info = InfoOf(combo.m_hWnd);
        if (row.nHow == Click) {
            combo.ShowDropDown(TRUE);
            riztest::PostClick(info.hwndList, 10, 2 * 30 + 15);
        } else {
            riztest::PostKey(combo.m_hWnd, VK_DOWN);
        }
        Pump();
        EXPECT_EQ(1, FakeDialog::s_nRuns);
        EXPECT_EQ(RGB(255, 0, 0), FakeDialog::s_clrInit);
        EXPECT_TRUE(FakeDialog::s_bListClosedAndFree);
        EXPECT_EQ(row.clrSelected, combo.GetCurColor());
        EXPECT_EQ(1, m_dlg.m_nColorMessages);
        EXPECT_EQ(combo.GetCurSel(), m_dlg.m_nSelAtMessage);
        EXPECT_FALSE(combo.GetDroppedState());
        EXPECT_EQ(NULL, ::GetCapture());
        EXPECT_NE(QVCBS_PRESSED, combo.GetButtonState());
        combo.UnsubclassWindow();
        while (::SendDlgItemMessage(m_dlg.m_hWnd, IDC_QVCOMBO_COLOR, CB_DELETESTRING, 0, 0) > 0) {
        }
    }
}

TEST_F(ColorComboTest, EveryOtherSelectionChangeOnlyTellsTheParent) {
    CQVColorComboBox combo;
    Subclass(combo);
    combo.InitMainColors();
    combo.SetCurColor(0x000000);
    for (int i = 0; i < 3; ++i)
        riztest::PostKey(combo.m_hWnd, VK_DOWN);
    Pump();
    EXPECT_EQ(0, FakeDialog::s_nRuns);
    EXPECT_EQ(3, m_dlg.m_nColorMessages);
    EXPECT_EQ(0x800000u, combo.GetCurColor());
}

TEST_F(ColorComboTest, DeletedOtherItemAndDestroyedComboDoNoHarm) {
    CQVColorComboBox combo;
    Subclass(combo);
    combo.AddColor(0x0000FF);
    combo.SetCurColor(0x0000FF);
    combo.DeleteString(1);  // the host took "other" away: the last colour stands in for it
    FakeDialog::s_bOK = FALSE;
    riztest::PostKey(combo.m_hWnd, VK_DOWN);
    Pump();
    EXPECT_EQ(1, FakeDialog::s_nRuns);
    EXPECT_EQ(0x0000FFu, combo.GetCurColor());
    combo.ResetContent();
    riztest::PostKey(combo.m_hWnd, VK_DOWN);
    Pump();
    EXPECT_EQ(1, FakeDialog::s_nRuns);
    EXPECT_EQ(0u, combo.GetCurColor());
    combo.UnsubclassWindow();
    FakeDialog::s_nRuns = 0;

    // Destroyed while the dialog is open: nothing touches it afterwards.
    CQVColorComboBox* pCombo = new CQVColorComboBox;
    ASSERT_TRUE(pCombo->Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 120, 170, 300), &m_dlg,
                               kCreatedId));
    pCombo->InitMainColors();
    pCombo->SetCurColor(0xFFFFFF);
    pCombo->SetFocus();
    FakeDialog::s_onRun = [&pCombo] {
        pCombo->DestroyWindow();
        delete pCombo;
        pCombo = nullptr;
    };
    m_dlg.m_nColorMessages = 0;
    riztest::PostKey(pCombo->m_hWnd, VK_DOWN);
    Pump();
    EXPECT_EQ(1, FakeDialog::s_nRuns);
    EXPECT_EQ(nullptr, pCombo);
    EXPECT_EQ(0, m_dlg.m_nColorMessages);
}

namespace {

HHOOK g_hCbtHook = NULL;
int g_nActivations = 0;

LRESULT CALLBACK PressOkOnActivation(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_ACTIVATE && ::GetDlgItem(reinterpret_cast<HWND>(wParam), IDOK) && !g_nActivations++) {
        ::PostMessage(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(g_hCbtHook, nCode, wParam, lParam);
}

}  // namespace

TEST_F(ColorComboTest, TheSystemDialogRunsModallyAndItsOkSelectsItsStartColour) {
    CQVColorComboBox::SetChooseColorFunc(NULL);
    CQVColorComboBox combo;
    Subclass(combo);
    combo.InitMainColors();
    combo.SetCurColor(0xFFFFFF);
    g_nActivations = 0;
    g_hCbtHook = ::SetWindowsHookEx(WH_CBT, &PressOkOnActivation, NULL, ::GetCurrentThreadId());
    ASSERT_TRUE(g_hCbtHook != NULL);
    riztest::PostKey(combo.m_hWnd, VK_DOWN);
    Pump();
    ::UnhookWindowsHookEx(g_hCbtHook);
    EXPECT_LE(1, g_nActivations);
    EXPECT_EQ(0x0000FFu, combo.GetCurColor());  // the dialog starts at red, the ninth main colour
    EXPECT_EQ(8, combo.GetCurSel());
    EXPECT_EQ(1, m_dlg.m_nColorMessages);
    EXPECT_EQ(NULL, ::GetCapture());
}
