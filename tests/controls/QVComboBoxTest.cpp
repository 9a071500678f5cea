// CQVComboBox through real windows: frame, text and drop-button frames read from the screen against
// the same drawing made apart, the simple kind and the owner-drawn current item, button states however
// the list closes, skin changes, release, and a soak of the three combo classes with bad sizes and texts.
#include "QVComboBoxFixture.h"

#include <tuple>
#include <vector>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVBitmapComboBox.h"
#include "QVColorComboBox.h"
#include "ResourceCounter.h"

using namespace qvctest;
using riztest::PostMouse;
using riztest::WindowCapture;

namespace {

const CString kAdvanced(L"\x9ad8\x7ea7 Advanced");

// Records the drawing of the current item the combo sends itself (its list's items come from the list).
class CRecordingCombo : public CQVComboBox {
public:
    std::vector<DRAWITEMSTRUCT> m_selfSent;
    int m_nReached = 0;  // DrawItem calls from inside a self-sent one
    void DrawItem(LPDRAWITEMSTRUCT) override { m_nReached += m_bInSelfSent; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const bool bSelf =
            message == WM_DRAWITEM && reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem == m_hWnd;
        if (bSelf) m_selfSent.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        m_bInSelfSent = bSelf;
        const LRESULT lResult = CQVComboBox::WindowProc(message, wParam, lParam);
        m_bInSelfSent = 0;
        return lResult;
    }
    int m_bInSelfSent = 0;
};

void AddLevels(CComboBox& combo) {
    for (LPCTSTR lpsz : {_T("Beginner"), _T("Intermediate"), kAdvanced.GetString()})
        combo.AddString(lpsz);
}

// Item-area pixels that differ from the text drawn as the combo draws it, into a second DC.
int TextMismatches(HWND hCombo, const CString& strText, COLORREF clrFill, COLORREF clrText) {
    CRect rcText = ComboTest::InfoOf(hCombo).rcItem;
    const CRect rcItem = rcText;
    WindowCapture shot(hCombo);
    riztest::Surface expected(shot.Width(), shot.Height(), clrFill);
    ::SelectObject(expected.Dc(), ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(expected.Dc(), TRANSPARENT);
    ::SetTextColor(expected.Dc(), clrText);
    ::DrawText(expected.Dc(), strText, -1, &rcText, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    int nWrong = 0;
    for (int y = rcItem.top; y < rcItem.bottom; ++y)
        for (int x = rcItem.left; x < rcItem.right - kDropWidth; ++x)
            nWrong += shot.Pixel(x, y) != expected.Pixel(x, y);
    return nWrong;
}

std::string FrameProbes(HWND hWnd, COLORREF clr) {
    WindowCapture shot(hWnd);
    const int r = shot.Width() - 1, b = shot.Height() - 1;
    return shot.WrongPixels({{0, 0, clr}, {r / 2, 0, clr}, {r, b / 2, clr}, {r, b, clr}, {0, b, clr}});
}

}  // namespace

TEST_F(ComboTest, FrameTextAndDropButtonCreatedAndSubclassed) {
    for (int bCreated = 0; bCreated < 2; ++bCreated) {
        SCOPED_TRACE(bCreated ? "created" : "subclassed");
        CQVComboBox combo;
        if (bCreated)
            ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 120, 170, 300),
                                     &m_dlg, kCreatedId));
        else
            ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_LEVEL, &m_dlg));
        AddLevels(combo);
        combo.SetCurSel(0);
        EXPECT_EQ("", FrameProbes(combo.m_hWnd, kFrame));
        EXPECT_EQ(0, TextMismatches(combo.m_hWnd, _T("Beginner"), RGB(255, 255, 255),
                                    ::GetSysColor(COLOR_BTNTEXT)));
        EXPECT_EQ(0, DropButtonMismatches(combo, 0));
        combo.SetCurSel(2);
        combo.SetFocus();  // the selection in the highlight colours
        EXPECT_EQ(0, TextMismatches(combo.m_hWnd, kAdvanced, ::GetSysColor(COLOR_HIGHLIGHT),
                                    ::GetSysColor(COLOR_HIGHLIGHTTEXT)));
        combo.DestroyWindow();
    }
}

TEST_F(ComboTest, DropButtonImageKeyedAsTheSkinSaysAndNothingWithoutIt) {
    for (int nRow = 0; nRow < 4; ++nRow) {
        SCOPED_TRACE(nRow);
        ASSERT_TRUE(LoadSkin(kFrame, nRow & 1, nRow < 2));
        CQVComboBox combo;
        ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_LEVEL, &m_dlg));
        EXPECT_EQ(0, DropButtonMismatches(combo, 0));
        combo.UnsubclassWindow();
    }
}

TEST_F(ComboTest, CurrentItemDrawnThroughDrawItemExceptInTheSimpleKind) {
    const struct {
        DWORD dwKind;
        int nSel;
        bool bFocus;
    } rows[] = {
        {0, 1, false}, {CBS_SIMPLE, 1, false}, {CBS_DROPDOWN, 1, true}, {CBS_DROPDOWNLIST, -1, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << row.dwKind << " sel " << row.nSel);
        CRecordingCombo combo;
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | row.dwKind | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                 CRect(10, 120, 170, 220), &m_dlg, kCreatedId));
        AddLevels(combo);
        combo.SetItemData(1, 101);
        combo.SetCurSel(row.nSel);
        if (row.bFocus) combo.SetFocus();
        Pump();
        combo.m_selfSent.clear();
        combo.m_nReached = 0;
        combo.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        // Bits 0-1 both zero is the simple kind: the frame and the drop button only.
        const size_t nDrawn = row.dwKind ? 1 : 0;
        ASSERT_EQ(nDrawn, combo.m_selfSent.size());
        EXPECT_EQ(static_cast<int>(nDrawn), combo.m_nReached);
        EXPECT_EQ("", WindowCapture(combo.m_hWnd).WrongPixels({{0, 0, kFrame}, {159, 0, kFrame}}));
        if (!nDrawn) continue;
        const DRAWITEMSTRUCT& d = combo.m_selfSent[0];
        const UINT nState = row.bFocus ? ODS_SELECTED : ODS_DEFAULT;
        EXPECT_EQ(std::make_tuple(ODT_COMBOBOX, kCreatedId, static_cast<UINT>(row.nSel), ODA_DRAWENTIRE,
                                  nState, row.nSel < 0 ? 0u : 101u),
                  std::make_tuple(d.CtlType, d.CtlID, d.itemID, d.itemAction, d.itemState, d.itemData));
        EXPECT_EQ(CRect(InfoOf(combo.m_hWnd).rcItem), CRect(d.rcItem));
    }
}

TEST_F(ComboTest, HoverAndPressFramesAndHoweverTheListClosesNoPressRemains) {
    enum Close { Item, Enter, Escape, FocusAway, ReleasedOverList };
    for (Close nClose : {Item, Enter, Escape, FocusAway, ReleasedOverList}) {
        SCOPED_TRACE(static_cast<int>(nClose));
        CQVComboBox combo;
        ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_LEVEL, &m_dlg));
        AddLevels(combo);
        const COMBOBOXINFO info = InfoOf(combo.m_hWnd);
        const CPoint pt = CRect(info.rcButton).CenterPoint();
        combo.SetFocus();
        PostMouse(combo.m_hWnd, WM_MOUSEMOVE, 5, 5);
        Pump();
        EXPECT_EQ(0, DropButtonMismatches(combo, QVCBS_HOVER));
        PostMouse(combo.m_hWnd, WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
        PostMouse(combo.m_hWnd, WM_MOUSEMOVE, pt.x - 1, pt.y, MK_LBUTTON);  // held: still pressed
        Pump();
        EXPECT_EQ(0, DropButtonMismatches(combo, QVCBS_PRESSED));
        if (nClose != ReleasedOverList) PostMouse(combo.m_hWnd, WM_LBUTTONUP, pt.x, pt.y);
        Pump();
        ASSERT_TRUE(combo.GetDroppedState());
        if (nClose == Item || nClose == ReleasedOverList)
            riztest::PostClick(info.hwndList, 10, 5);
        else if (nClose == FocusAway)
            ::SetFocus(::GetDlgItem(m_dlg.m_hWnd, IDOK));
        else
            riztest::PostKey(combo.m_hWnd, nClose == Enter ? VK_RETURN : VK_ESCAPE);
        Pump();
        EXPECT_FALSE(combo.GetDroppedState());
        EXPECT_NE(QVCBS_PRESSED, combo.GetButtonState());
        EXPECT_EQ(0, DropButtonMismatches(combo, combo.GetButtonState()));
        EXPECT_TRUE(::GetCapture() != combo.m_hWnd && ::GetCapture() != info.hwndList);
        combo.SendMessage(WM_MOUSELEAVE);
        EXPECT_EQ(0, DropButtonMismatches(combo, QVCBS_NORMAL));
        combo.UnsubclassWindow();
    }
    EXPECT_EQ(5, CloseUps());  // the parent still hears the list close
}

TEST_F(ComboTest, FrameColourReadAgainAtASkinChangeAndAtAMouseLeave) {
    const COLORREF kOther = RGB(20, 160, 210);
    CQVComboBox combo;
    ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_CITY, &m_dlg));
    ASSERT_TRUE(LoadSkin(kOther));
    EXPECT_EQ("", FrameProbes(combo.m_hWnd, kFrame));  // not at every paint
    EXPECT_EQ(0, combo.SendMessage(WM_QV_SKINCHANGED));
    EXPECT_EQ("", FrameProbes(combo.m_hWnd, kOther));
    ASSERT_TRUE(LoadSkin());
    combo.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ("", FrameProbes(combo.m_hWnd, kFrame));
}

TEST_F(ComboTest, ReleasedComboWorksAsTheSystemCombo) {
    CQVComboBox* pCombo = new CQVComboBox;
    ASSERT_TRUE(pCombo->SubclassDlgItem(IDC_QVCOMBO_LEVEL, &m_dlg));
    const HWND hCombo = pCombo->UnsubclassWindow();
    delete pCombo;
    ::SendMessage(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(_T("Beginner")));
    riztest::PostClick(hCombo, 5, 5);
    Pump();
    EXPECT_TRUE(::SendMessage(hCombo, CB_GETDROPPEDSTATE, 0, 0));
    ::SendMessage(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_NE("", FrameProbes(hCombo, kFrame));  // the system's own frame again
}

TEST_F(ComboTest, CreateDestroyAndSubclassReleaseSoak) {
    riztest::TempFolder folder;
    folder.WriteFile(_T("face.bmp"), riztest::Bmp24(8, 8, [](int x, int) { return RGB(x * 30, 90, 40); }));
    const CString strFace = folder.Path(_T("face.bmp")), strHuge(_T('x'), 100000);
    auto cycle = [&](int k) {
        {
            // Every fourth combo empty (0 x 0) with a 100 KB item and a selection out of range.
            CQVComboBox combo;
            combo.Create(WS_CHILD | WS_VISIBLE | (k % 2 ? CBS_DROPDOWN : CBS_DROPDOWNLIST),
                         k % 4 ? CRect(10, 120, 170, 300) : CRect(10, 120, 10, 120), &m_dlg, kCreatedId);
            AddLevels(combo);
            if (k % 4 == 0) combo.AddString(strHuge);
            combo.SetCurSel(k % 4 ? k % 3 : INT_MAX);
            combo.UpdateWindow();
            combo.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
            combo.SendMessage(WM_MOUSELEAVE);
            combo.SendMessage(WM_QV_SKINCHANGED);
            combo.DestroyWindow();
            CQVBitmapComboBox faces;
            faces.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 120, 170, 300), &m_dlg,
                         kCreatedId);
            for (int i = 0; i <= k % 3; ++i)
                faces.AddBitmap(strFace);
            faces.SetCurSel(0);
            faces.UpdateWindow();
            if (k % 2) faces.DelBitmap(0);
            faces.DestroyWindow();
        }
        CQVColorComboBox* pColors = new CQVColorComboBox;
        pColors->SubclassDlgItem(IDC_QVCOMBO_COLOR, &m_dlg);
        pColors->InitMainColors();
        pColors->SetCurColor(RGB(k & 255, 0, 0));
        pColors->UpdateWindow();
        pColors->ResetContent();
        pColors->UnsubclassWindow();
        delete pColors;
        CQVBitmapComboBox* pFaces = new CQVBitmapComboBox;
        pFaces->SubclassDlgItem(IDC_QVCOMBO_FACES, &m_dlg);
        pFaces->AddBitmap(strFace);
        pFaces->UpdateWindow();
        pFaces->UnsubclassWindow();
        delete pFaces;
        ::SendDlgItemMessage(m_dlg.m_hWnd, IDC_QVCOMBO_FACES, CB_RESETCONTENT, 0, 0);
    };
    riztest::ExpectCyclesLeakNothing(cycle);
}
