// CQVBitmapComboBox: pictures loaded from files (bad files add nothing), each bitmap freed exactly once
// however its item goes, the pictures and the selection as drawn, item heights on both paths, and a
// soak of created and subclassed combos full of pictures.
#include "QVComboBoxFixture.h"

#include "MessagePump.h"
#include "PixelProbe.h"
#include "QVBitmapComboBox.h"
#include "QVColorComboBox.h"
#include "ResourceCounter.h"
#include "Watchdog.h"

using namespace qvctest;

namespace {

constexpr UINT kCreatedId = 780;

// Face n: a 24 x 20 picture of one colour with a white 4 x 4 top-left corner (the key of the tests).
COLORREF FacePixel(int n, int x, int y) {
    return x < 4 && y < 4 ? RGB(255, 255, 255) : RGB(30 + 60 * n, 200 - 50 * n, 90);
}

class BitmapComboTest : public ComboTest {
protected:
    CString WriteFace(int n) {
        CString strName;
        strName.Format(_T("face%d.bmp"), n);
        m_folder.WriteFile(strName, riztest::Bmp24(24, 20, [n](int x, int y) { return FacePixel(n, x, y); }));
        return m_folder.Path(strName);
    }
    void AddFaces(CQVBitmapComboBox& combo, int nFaces) {
        for (int n = 0; n < nFaces; ++n) {
            const int nCount = combo.GetCount();
            ASSERT_EQ(nCount, combo.AddBitmap(WriteFace(n)));
        }
    }
};

}  // namespace

TEST_F(BitmapComboTest, OnlyFilesThatLoadAsBitmapsAddItems) {
    CQVBitmapComboBox combo;
    ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_FACES, &m_dlg));
    const riztest::ResourceSnapshot before;
    const CString bad[] = {_T(""),
                           m_folder.Path(_T("missing.bmp")),
                           riztest::TestDataPath(_T("images\\empty.bmp")),
                           riztest::TestDataPath(_T("images\\truncated.bmp")),
                           riztest::TestDataPath(_T("images\\header-only.bmp")),
                           riztest::TestDataPath(_T("images\\garbage.bmp")),
                           riztest::TestDataPath(_T("images\\huge.bmp")),
                           riztest::TestDataPath(_T("images\\text.png"))};
    for (const CString& strPath : bad)
        EXPECT_EQ(CB_ERR, combo.AddBitmap(strPath)) << CStringA(strPath).GetString();
    EXPECT_EQ(CB_ERR, combo.AddBitmap(NULL));
    EXPECT_EQ(0, combo.GetCount());
    EXPECT_EQ(0, before.GdiDelta());
    const CString strFace = WriteFace(0);
    ASSERT_EQ(0, combo.AddBitmap(strFace));
    CString strText;
    combo.GetLBText(0, strText);
    EXPECT_EQ(strFace, strText);
    EXPECT_TRUE(combo.GetBitmap(0) != NULL);
    EXPECT_EQ(1, before.GdiDelta());
}

TEST_F(BitmapComboTest, EveryBitmapIsFreedOnceHoweverItsItemGoes) {
    CQVBitmapComboBox* pCombo = new CQVBitmapComboBox;
    ASSERT_TRUE(pCombo->SubclassDlgItem(IDC_QVCOMBO_FACES, &m_dlg));
    const HWND hCombo = pCombo->m_hWnd;
    WriteFace(0);
    const riztest::ResourceSnapshot before;
    AddFaces(*pCombo, 4);
    EXPECT_EQ(4, before.GdiDelta());
    EXPECT_TRUE(pCombo->DelBitmap(1));
    for (int nBad : {-1, 3, INT_MAX})
        EXPECT_FALSE(pCombo->DelBitmap(nBad));
    EXPECT_EQ(3, before.GdiDelta());
    ::SendMessage(hCombo, CB_DELETESTRING, 0, 0);  // a host deletes an item
    EXPECT_EQ(2, before.GdiDelta());
    pCombo->ResetContent();
    EXPECT_EQ(0, before.GdiDelta());
    AddFaces(*pCombo, 2);
    ::SendMessage(hCombo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(0, before.GdiDelta());
    // Released while the window lives: the items stay, without bitmaps.
    AddFaces(*pCombo, 2);
    pCombo->UnsubclassWindow();
    delete pCombo;
    EXPECT_EQ(0, before.GdiDelta());
    EXPECT_EQ(2, ::SendMessage(hCombo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, ::SendMessage(hCombo, CB_GETITEMDATA, 1, 0));
    ::SendMessage(hCombo, CB_RESETCONTENT, 0, 0);
    // Destroyed with its items.
    CQVBitmapComboBox created;
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 120, 170, 300), &m_dlg,
                               kCreatedId));
    AddFaces(created, 3);
    EXPECT_EQ(3, before.GdiDelta());
    created.DestroyWindow();
    EXPECT_EQ(0, before.GdiDelta());
}

TEST_F(BitmapComboTest, PictureAtTheItemCornerOverTheSelectionFill) {
    CQVBitmapComboBox combo;
    ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_FACES, &m_dlg));
    combo.SetImageSize(24, 20);
    AddFaces(combo, 2);
    const COLORREF clrFace = FacePixel(1, 10, 10), kWhite = RGB(255, 255, 255), kBlue = 0xFF0000,
                   kRed = 0x0000FF;
    const struct {
        int nItem;
        UINT nState;
        BOOL bTransparent;
        std::initializer_list<riztest::Surface::Expected> probes;  // item rectangle (0, 0, 60, 24)
    } rows[] = {
        {1,
         0,
         FALSE,
         {{10, 10, clrFace}, {1, 1, kWhite}, {23, 19, clrFace}, {24, 10, kWhite}, {59, 23, kWhite}}},
        {1,
         ODS_SELECTED,
         FALSE,
         {{0, 0, kRed}, {1, 1, kWhite}, {10, 10, clrFace}, {30, 10, kBlue}, {59, 23, kRed}}},
        {1, ODS_SELECTED, TRUE, {{1, 1, kBlue}, {10, 10, clrFace}, {30, 21, kBlue}}},  // white is the key
        {-1, ODS_SELECTED, FALSE, {{0, 0, kBlue}, {10, 10, kBlue}, {59, 23, kBlue}}},  // no item: fill only
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "item " << row.nItem << " state " << row.nState);
        combo.SetImageTransparent(row.bTransparent);
        riztest::Surface surface(60, 24, RGB(1, 2, 3));
        DRAWITEMSTRUCT dis = {
            ODT_COMBOBOX,   IDC_QVCOMBO_FACES, static_cast<UINT>(row.nItem),
            ODA_DRAWENTIRE, row.nState,        combo.m_hWnd,
            surface.Dc(),   {0, 0, 60, 24},    row.nItem >= 0 ? combo.GetItemData(row.nItem) : 0};
        combo.DrawItem(&dis);
        EXPECT_EQ("", surface.WrongPixels(row.probes));
    }
}

TEST_F(BitmapComboTest, ItemsAreTheImageHeightCreatedAndSubclassed) {
    CQVBitmapComboBox created, subclassed;
    created.SetImageSize(24, 26);
    subclassed.SetImageSize(24, 26);
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 120, 170, 300), &m_dlg,
                               kCreatedId));
    ASSERT_TRUE(subclassed.SubclassDlgItem(IDC_QVCOMBO_FACES, &m_dlg));
    for (CQVBitmapComboBox* pCombo : {&created, &subclassed}) {
        AddFaces(*pCombo, 1);
        EXPECT_EQ(26, pCombo->GetItemHeight(0));
    }
    EXPECT_TRUE(created.GetStyle() & CBS_HASSTRINGS);
    subclassed.SetImageSize(24, 40);
    EXPECT_EQ(40, subclassed.GetItemHeight(0));
}

TEST_F(BitmapComboTest, CreateDestroyAndSubclassReleaseSoak) {
    const CString strFaces[] = {WriteFace(0), WriteFace(1)};
    auto cycle = [&](int k) {
        {
            CQVBitmapComboBox combo;
            combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 120, 170, 300), &m_dlg,
                         kCreatedId);
            combo.AddBitmap(strFaces[0]);
            combo.AddBitmap(strFaces[1]);
            combo.SetCurSel(k % 2);
            combo.UpdateWindow();
            if (k % 3 == 0) combo.DelBitmap(0);
            combo.DestroyWindow();
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
        pFaces->AddBitmap(strFaces[k % 2]);
        pFaces->Invalidate();
        pFaces->UpdateWindow();
        pFaces->UnsubclassWindow();
        delete pFaces;
        ::SendDlgItemMessage(m_dlg.m_hWnd, IDC_QVCOMBO_FACES, CB_RESETCONTENT, 0, 0);
    };
    for (int k = 0; k < 20; ++k)
        cycle(k);  // warm up caches of GDI and USER
    Pump();
    const riztest::ResourceSnapshot before;
    const int nCycles = riztest::SoakCycles();
    for (int k = 0; k < nCycles; ++k) {
        cycle(k);
        if (k % 100 == 0) Pump();
    }
    Pump();
    EXPECT_EQ(0, before.GdiDelta());
    EXPECT_EQ(0, before.WindowDelta());
}
