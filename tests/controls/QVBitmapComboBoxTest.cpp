// CQVBitmapComboBox: only whole bitmap files add items, every bitmap freed exactly once however its
// item goes, the picture and the selection as drawn, item heights from the image size.
#include "QVComboBoxFixture.h"

#include "PixelProbe.h"
#include "QVBitmapComboBox.h"
#include "ResourceCounter.h"

using namespace qvctest;

namespace {

// Face n: 24 x 20 of one colour with a white 4 x 4 top-left corner (the tests' key).
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

TEST_F(BitmapComboTest, OnlyWholeBitmapFilesAddItems) {
    CQVBitmapComboBox combo;
    ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_FACES, &m_dlg));
    const riztest::ResourceSnapshot before;
    for (LPCTSTR lpszBad : {_T("missing.bmp"), _T("empty.bmp"), _T("truncated.bmp"), _T("header-only.bmp"),
                            _T("garbage.bmp"), _T("huge.bmp"), _T("text.png")})
        EXPECT_EQ(CB_ERR, combo.AddBitmap(riztest::TestDataPath(CString(_T("images\\")) + lpszBad)))
            << lpszBad;
    EXPECT_EQ(CB_ERR, combo.AddBitmap(NULL));
    EXPECT_EQ(0, combo.GetCount());
    EXPECT_EQ(0, before.GdiDelta());
    ASSERT_EQ(0, combo.AddBitmap(WriteFace(0)));
    CString strText;
    combo.GetLBText(0, strText);
    EXPECT_EQ(WriteFace(0), strText);
    EXPECT_EQ(1, before.GdiDelta());
}

TEST_F(BitmapComboTest, EveryBitmapIsFreedOnceHoweverItsItemGoes) {
    CQVBitmapComboBox* pCombo = new CQVBitmapComboBox;
    ASSERT_TRUE(pCombo->SubclassDlgItem(IDC_QVCOMBO_FACES, &m_dlg));
    const HWND hCombo = pCombo->m_hWnd;
    const riztest::ResourceSnapshot before;
    AddFaces(*pCombo, 4);
    EXPECT_TRUE(pCombo->DelBitmap(1));
    for (int nBad : {-1, 3, INT_MAX})
        EXPECT_FALSE(pCombo->DelBitmap(nBad));
    EXPECT_EQ(3, before.GdiDelta());
    ::SendMessage(hCombo, CB_DELETESTRING, 0, 0);  // by the host
    EXPECT_EQ(2, before.GdiDelta());
    pCombo->ResetContent();
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
    CQVBitmapComboBox created;  // its items the image height, as a subclassed combo's
    created.SetImageSize(24, 26);
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 120, 170, 300), &m_dlg,
                               kCreatedId));
    AddFaces(created, 3);
    EXPECT_EQ(26, created.GetItemHeight(0));
    created.DestroyWindow();
    EXPECT_EQ(0, before.GdiDelta());
}

TEST_F(BitmapComboTest, PictureAtTheItemCornerOverTheSelectionFill) {
    CQVBitmapComboBox combo;
    ASSERT_TRUE(combo.SubclassDlgItem(IDC_QVCOMBO_FACES, &m_dlg));
    combo.SetImageSize(24, 20);
    AddFaces(combo, 2);
    EXPECT_EQ(20, combo.GetItemHeight(0));
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
        SCOPED_TRACE(testing::Message() << "item " << row.nItem << " transparent " << row.bTransparent);
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
