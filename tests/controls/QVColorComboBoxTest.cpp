// CQVColorComboBox: the colours before the "other" item, 30-pixel items on both paths, the drawing,
// the colour dialog through the replaceable function (OK, cancel, 0x9E5, the list closed and the mouse
// free), hosts that delete "other" or destroy the combo meanwhile, and one run of the system's dialog.
#include "QVComboBoxFixture.h"

#include <functional>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVColorComboBox.h"

using namespace qvctest;

namespace {

// The colour dialog the tests put in: its answer, what it saw, and what it does while open.
struct FakeDialog {
    static BOOL Run(CWnd* pOwner, COLORREF clrInit, COLORREF* pclr) {
        ++nRuns;
        bStartedRedClosedAndFree = clrInit == RGB(255, 0, 0) && !::GetCapture() &&
                                   !::IsWindowVisible(ComboTest::InfoOf(pOwner->m_hWnd).hwndList);
        if (onRun) onRun();
        *pclr = clrAnswer;
        return bOK;
    }
    static inline int nRuns = 0;
    static inline BOOL bOK = FALSE, bStartedRedClosedAndFree = FALSE;
    static inline COLORREF clrAnswer = 0;
    static inline std::function<void()> onRun;
};

class ColorComboTest : public ComboTest {
protected:
    void SetUp() override {
        ComboTest::SetUp();
        FakeDialog::nRuns = 0;
        FakeDialog::bOK = FALSE;
        m_pfnOld = CQVColorComboBox::SetChooseColorFunc(&FakeDialog::Run);
    }
    void TearDown() override {
        CQVColorComboBox::SetChooseColorFunc(m_pfnOld);
        FakeDialog::onRun = nullptr;
        ComboTest::TearDown();
    }
    void Subclass(CQVColorComboBox& combo) {
        ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_COLOR, &m_dlg));
        combo.SetFocus();
    }
    QVChooseColorFunc m_pfnOld = nullptr;
};

}  // namespace

TEST_F(ColorComboTest, ColoursGoBeforeTheOtherItemAndItemsAreThirtyPixelsOnBothPaths) {
    CQVColorComboBox created, combo;
    EXPECT_LT(combo.AddColor(0x123456), 0);  // no window yet
    Subclass(combo);
    EXPECT_EQ(0u, combo.GetCurColor());
    EXPECT_EQ(0, combo.AddColor(0x123456));  // "other" comes first, then goes last
    combo.InitMainColors();                  // fifteen, after the one added
    ASSERT_EQ(17, combo.GetCount());
    EXPECT_EQ(0x123456u, combo.GetItemData(0));
    combo.SetCurColor(0x00FF00);
    EXPECT_EQ(10, combo.GetCurSel());
    combo.SetCurColor(0x654321);
    EXPECT_EQ(16, combo.GetCurSel());
    EXPECT_EQ(0x654321u, combo.GetCurColor());
    EXPECT_EQ(CString(_T("Other...")), combo.GetOtherText());
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 120, 170, 300), &m_dlg,
                               kCreatedId));
    created.AddColor(0);
    EXPECT_EQ(30, created.GetItemHeight(0));
    EXPECT_EQ(30, combo.GetItemHeight(0));
    EXPECT_EQ(static_cast<DWORD>(CBS_SIMPLE | CBS_OWNERDRAWFIXED), created.GetStyle() & 0x33);
}

TEST_F(ColorComboTest, SwatchOtherTextAndNoItemAsDrawn) {
    CQVColorComboBox combo;
    Subclass(combo);
    combo.AddColor(RGB(0, 200, 0));
    const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW), clrHigh = ::GetSysColor(COLOR_HIGHLIGHT);
    const struct {
        int nItem;
        UINT nState;
        COLORREF clrBack, clrInside;  // the swatch, or the "other" text
    } rows[] = {{0, 0, clrWindow, RGB(0, 200, 0)},
                {1, 0, clrWindow, RGB(255, 0, 0)},
                {1, ODS_SELECTED, clrHigh, RGB(255, 255, 255)},
                {-1, ODS_SELECTED, clrHigh, clrHigh}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nItem);
        riztest::Surface surface(120, 30, RGB(1, 2, 3));
        DRAWITEMSTRUCT dis = {
            ODT_COMBOBOX,   IDC_QVCOMBO_COLOR, static_cast<UINT>(row.nItem),
            ODA_DRAWENTIRE, row.nState,        combo.m_hWnd,
            surface.Dc(),   {0, 0, 120, 30},   row.nItem >= 0 ? combo.GetItemData(row.nItem) : 0};
        combo.DrawItem(&dis);
        EXPECT_EQ("",
                  surface.WrongPixels({{0, 0, row.clrBack}, {119, 29, row.clrBack}, {4, 15, row.clrBack}}));
        if (row.nItem == 0)
            EXPECT_EQ("", surface.WrongPixels({{5, 2, 0}, {114, 27, 0}, {60, 15, row.clrInside}}));
        else
            EXPECT_GT(surface.CountNear({5, 2, 120, 30}, row.clrInside, 0), row.nItem < 0 ? 2000 : 5);
    }
}

TEST_F(ColorComboTest, OtherByClickOrClosedListArrowOpensTheDialogOnceAndSelectsItsAnswer) {
    const struct {
        bool bClick;
        BOOL bOK;
        COLORREF clrSelected;
    } rows[] = {
        {true, TRUE, 0x123456}, {true, FALSE, 0x00FF00}, {false, TRUE, 0x0000FF}, {false, FALSE, 0x00FF00}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "click " << row.bClick << " ok " << row.bOK);
        CQVColorComboBox combo;
        Subclass(combo);
        combo.ResetContent();
        combo.AddColor(0x0000FF);
        combo.SetCurColor(0x00FF00);  // cancel comes back to it
        FakeDialog::nRuns = 0;
        m_nColorMessagesBefore = m_dlg.Received(WM_QV_COLORCOMBO_SELCHANGED);
        FakeDialog::bOK = row.bOK;
        FakeDialog::clrAnswer = row.clrSelected;
        if (row.bClick) {
            combo.ShowDropDown(TRUE);
            riztest::PostClick(InfoOf(combo.m_hWnd).hwndList, 10, 2 * 30 + 15);
        } else {
            riztest::PostKey(combo.m_hWnd, VK_DOWN);
        }
        Pump();
        EXPECT_EQ(1, FakeDialog::nRuns);
        EXPECT_TRUE(FakeDialog::bStartedRedClosedAndFree);
        EXPECT_EQ(row.clrSelected, combo.GetCurColor());
        EXPECT_EQ(1, ColorMessages());
        EXPECT_FALSE(combo.GetDroppedState());
        EXPECT_EQ(NULL, ::GetCapture());
        EXPECT_NE(QVCBS_PRESSED, combo.GetButtonState());
        combo.UnsubclassWindow();
    }
    // Any other change only tells the parent.
    CQVColorComboBox combo;
    Subclass(combo);
    combo.SetCurColor(0x0000FF);
    m_nColorMessagesBefore = m_dlg.Received(WM_QV_COLORCOMBO_SELCHANGED);
    riztest::PostKey(combo.m_hWnd, VK_DOWN);
    Pump();
    EXPECT_EQ(1, FakeDialog::nRuns);
    EXPECT_EQ(1, ColorMessages());
    EXPECT_EQ(0x00FF00u, combo.GetCurColor());
}

TEST_F(ColorComboTest, DeletedOtherItemAndComboDestroyedWhileTheDialogIsOpenDoNoHarm) {
    CQVColorComboBox combo;
    Subclass(combo);
    combo.SetCurColor(0x0000FF);
    combo.DeleteString(1);  // the last colour stands in for "other"
    riztest::PostKey(combo.m_hWnd, VK_DOWN);
    Pump();
    EXPECT_EQ(0x0000FFu, combo.GetCurColor());
    combo.ResetContent();
    riztest::PostKey(combo.m_hWnd, VK_DOWN);
    Pump();
    EXPECT_EQ(1, FakeDialog::nRuns);
    combo.UnsubclassWindow();

    CQVColorComboBox* pCombo = new CQVColorComboBox;
    ASSERT_TRUE(pCombo->Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 120, 170, 300), &m_dlg,
                               kCreatedId));
    pCombo->SetCurColor(0xFFFFFF);
    pCombo->SetFocus();
    FakeDialog::onRun = [&pCombo] {
        pCombo->DestroyWindow();
        delete pCombo;
        pCombo = nullptr;
    };
    m_nColorMessagesBefore = m_dlg.Received(WM_QV_COLORCOMBO_SELCHANGED);
    riztest::PostKey(pCombo->m_hWnd, VK_DOWN);
    Pump();
    EXPECT_EQ(nullptr, pCombo);
    EXPECT_EQ(0, ColorMessages());
    // Only the window destroyed: the object made again opens the dialog again.
    CQVColorComboBox kept;
    FakeDialog::onRun = [&kept] { kept.DestroyWindow(); };
    for (int nRun = 3; nRun <= 4; ++nRun) {
        ASSERT_TRUE(kept.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 120, 170, 300), &m_dlg,
                                kCreatedId));
        kept.SetCurColor(0xFFFFFF);
        kept.SetFocus();
        riztest::PostKey(kept.m_hWnd, VK_DOWN);
        Pump();
        EXPECT_EQ(nRun, FakeDialog::nRuns);
    }
}

namespace {

HHOOK g_hCbtHook = NULL;
int g_nActivations = 0;

LRESULT CALLBACK PressOkOnActivation(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_ACTIVATE && ::GetDlgItem(reinterpret_cast<HWND>(wParam), IDOK) && !g_nActivations++)
        ::PostMessage(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
    return ::CallNextHookEx(g_hCbtHook, nCode, wParam, lParam);
}

}  // namespace

TEST_F(ColorComboTest, TheSystemDialogRunsModallyAndItsOkSelectsItsStartColour) {
    CQVColorComboBox::SetChooseColorFunc(NULL);
    CQVColorComboBox combo;
    Subclass(combo);
    combo.InitMainColors();
    combo.SetCurColor(0xFFFFFF);
    g_hCbtHook = ::SetWindowsHookEx(WH_CBT, &PressOkOnActivation, NULL, ::GetCurrentThreadId());
    ASSERT_TRUE(g_hCbtHook != NULL);
    riztest::PostKey(combo.m_hWnd, VK_DOWN);
    Pump();
    ::UnhookWindowsHookEx(g_hCbtHook);
    EXPECT_GE(g_nActivations, 1);
    EXPECT_EQ(8, combo.GetCurSel());  // red, where the dialog starts
    EXPECT_EQ(1, ColorMessages());
    EXPECT_EQ(NULL, ::GetCapture());
}
