// The skin manager: skin folders read into records that stay the same objects for the process's life.
#include <QVSkinResManager.h>

#include <gtest/gtest.h>

#include <vector>

#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "SkinTestKit.h"
#include "TestData.h"

namespace {

CQVSkinResManager* Skin() {
    return CQVSkinResManager::GetSingletonPtr();
}

// Puts the skin that was active before the test back, and forgets the test's callback.
class SkinManagerTest : public ::testing::Test {
protected:
    void SetUp() override { m_strSaved = Skin()->GetCurrentSkinPath(); }
    void TearDown() override {
        Skin()->SetCallbackFunc(NULL);
        if (!m_strSaved.IsEmpty()) Skin()->LoadSkin(m_strSaved);
    }

    riztest::TempFolder m_temp;
    CString m_strSaved;
};

using skintest::BinFolder;

struct CallbackLog {
    std::vector<CString> paths;
    std::vector<int> captionHeights;  // what the records held when the callback ran
};

void CALLBACK RecordSkinChange(LPCTSTR lpszPath, LPARAM lParam) {
    CallbackLog* pLog = reinterpret_cast<CallbackLog*>(lParam);
    pLog->paths.push_back(lpszPath);
    pLog->captionHeights.push_back(Skin()->GetWndRes()->m_nCaptionHeight);
}

// A skin whose every record field has a value other than the default, and a second one that differs
// from it in every metric.
skintest::SkinRecipe Blue() {
    return {"Blue"};
}

skintest::SkinRecipe Green() {
    return {"Green", 24, 6, 22, 18, 13, 22, RGB(230, 245, 235), RGB(40, 140, 90), "0,3 3,0"};
}

}  // namespace

TEST_F(SkinManagerTest, LoadsEveryWindowFieldOfAGoodSkin) {
    CString strFolder = skintest::WriteSkin(m_temp, _T("Blue"), Blue());
    // The trailing backslash is optional, and the path kept ends in one.
    ASSERT_TRUE(Skin()->LoadSkin(strFolder.Left(strFolder.GetLength() - 1)));
    EXPECT_EQ(strFolder, Skin()->GetCurrentSkinPath());
    ASSERT_TRUE(Skin()->LoadSkin(strFolder));
    EXPECT_EQ(strFolder, Skin()->GetCurrentSkinPath());
    EXPECT_EQ(CString(_T("Blue")), Skin()->GetCurrentSkinName());
    // The numbers are read each into its own field as SkinRangesTest shows; here the rest.
    const CQVSkinWndRes* pWnd = Skin()->GetWndRes();
    std::vector<CPoint> corner = {CPoint(0, 5), CPoint(1, 3), CPoint(3, 1), CPoint(5, 0)};
    EXPECT_EQ(corner, pWnd->m_ptsCornerTopLeft);
    EXPECT_EQ(2u, pWnd->m_ptsCornerTopRight.size());
    EXPECT_TRUE(pWnd->m_ptsCornerBottomRight.empty());
    EXPECT_EQ(std::vector<CPoint>{CPoint(0, 2)}, pWnd->m_ptsCornerBottomLeft);
    EXPECT_EQ(CString(_T("MaskTopLeft.bmp")), pWnd->m_strMaskTopLeft);
    EXPECT_TRUE(pWnd->m_strMaskBottomLeft.IsEmpty());
    EXPECT_EQ(1, pWnd->m_nBorderLayout);
    EXPECT_EQ(1, pWnd->m_nShowDisabledBtns);
    EXPECT_EQ(RGB(255, 0, 255), pWnd->m_clrBtnKey);
    EXPECT_EQ(RGB(240, 244, 250), pWnd->m_clrClientBk);

    // Images carry the frame count of their field.
    EXPECT_EQ(2, pWnd->m_bmpCaption.GetMultiState());
    EXPECT_EQ(80, pWnd->m_bmpCaption.GetWidth());
    EXPECT_EQ(30, pWnd->m_bmpCaption.GetHeight());
    EXPECT_EQ(2, pWnd->m_bmpLeftBorder.GetMultiState());
    EXPECT_EQ(8, pWnd->m_bmpCloseBtn.GetMultiState());
    EXPECT_EQ(CRect(0, 0, 27, 20), pWnd->m_bmpCloseBtn.GetSrcImageRect());
    EXPECT_EQ(8, pWnd->m_bmpRestoreBtn.GetMultiState());
    EXPECT_FALSE(pWnd->m_bmpClientMid.IsNull());
    EXPECT_TRUE(pWnd->m_bmpScrollBar.IsNull());
    // Each frame holds its own pixels (top-down BGRA): frame 5 of the close button starts at x = 5 * 27.
    ASSERT_NE(nullptr, pWnd->m_bmpCloseBtn.GetBits());
    const BYTE* pPixel = pWnd->m_bmpCloseBtn.GetBits() + (5 * 27) * 4;
    EXPECT_EQ(skintest::FrameColor(5), RGB(pPixel[2], pPixel[1], pPixel[0]));
}

TEST_F(SkinManagerTest, LoadsEveryButtonFieldAndColour) {
    ASSERT_TRUE(Skin()->LoadSkin(skintest::WriteSkin(m_temp, _T("Blue"), Blue())));

    const CQVSkinBtnRes* pBtn = Skin()->GetBtnRes();
    EXPECT_EQ(1, pBtn->m_nSkinPushBtn);
    EXPECT_EQ(1, pBtn->m_nSkinSpin);
    EXPECT_EQ(4, pBtn->m_bmpPushBtn.GetMultiState());
    EXPECT_EQ(11, pBtn->m_bmpCheckBox.GetMultiState());
    EXPECT_EQ(CRect(0, 0, 15, 15), pBtn->m_bmpCheckBox.GetSrcImageRect());
    EXPECT_EQ(8, pBtn->m_bmpRadio.GetMultiState());
    EXPECT_EQ(8, pBtn->m_bmpSpin.GetMultiState());
    EXPECT_EQ(3, pBtn->m_bmpComboDrop.GetMultiState());
    EXPECT_EQ(4, pBtn->m_bmpTab.GetMultiState());
    EXPECT_EQ(4, pBtn->m_bmpHeader.GetMultiState());
    EXPECT_TRUE(pBtn->m_bmpReserved.IsNull());
    EXPECT_EQ(CString(_T("TabWndMask.bmp")), pBtn->m_strTabWndMask);
    EXPECT_EQ(1, pBtn->m_nTransparentImage);
    EXPECT_EQ(RGB(255, 0, 255), pBtn->m_clrTransparent);

    const CQVSkinColorDef* pColors = Skin()->GetClrDef();
    EXPECT_EQ(RGB(0, 100, 200), pColors->GetColor(0));
    EXPECT_EQ(RGB(90, 120, 170), pColors->GetColor(4));
    EXPECT_EQ(RGB(160, 116, 120), pColors->GetColor(16));
}

TEST_F(SkinManagerTest, MissingKeysKeepTheRecordDefaults) {
    ASSERT_TRUE(Skin()->LoadSkin(skintest::WriteSkin(m_temp, _T("Blue"), Blue())));
    ASSERT_TRUE(Skin()->LoadSkin(skintest::WriteSkinIni(m_temp, _T("Bare"), "[Window]\n")));

    // The defaults are those of freshly made records, not what the previous skin left.
    CQVSkinWndRes wndDefault;
    CQVSkinBtnRes btnDefault;
    const CQVSkinWndRes* pWnd = Skin()->GetWndRes();
    EXPECT_EQ(wndDefault.m_nCaptionHeight, pWnd->m_nCaptionHeight);
    EXPECT_EQ(1, pWnd->m_nCaptionBtnLayout);
    EXPECT_EQ(1, pWnd->m_nClientBkMode);
    EXPECT_EQ(RGB(255, 255, 255), pWnd->m_clrClientBk);
    EXPECT_EQ(RGB(255, 0, 255), pWnd->m_clrBtnKey);
    EXPECT_TRUE(pWnd->m_ptsCornerTopLeft.empty());
    EXPECT_TRUE(pWnd->m_strMaskTopLeft.IsEmpty());
    EXPECT_TRUE(pWnd->m_bmpCaption.IsNull());
    EXPECT_TRUE(pWnd->m_bmpCloseBtn.IsNull());
    EXPECT_TRUE(Skin()->GetBtnRes()->m_bmpPushBtn.IsNull());
    EXPECT_EQ(btnDefault.m_nPushBtnHeight, Skin()->GetBtnRes()->m_nPushBtnHeight);
    EXPECT_EQ(RGB(255, 0, 255), Skin()->GetBtnRes()->m_clrTransparent);
    EXPECT_EQ(0u, Skin()->GetClrDef()->GetColor(4));
    // No [Skin] Name: the folder's name.
    EXPECT_EQ(CString(_T("Bare")), Skin()->GetCurrentSkinName());
}

TEST_F(SkinManagerTest, KeysAndSectionsIgnoreCaseAndTheLastValueWins) {
    ASSERT_TRUE(Skin()->LoadSkin(skintest::WriteSkinIni(m_temp, _T("Case"),
                                                        "[window]\n"
                                                        "captionheight = 21\n"
                                                        "CAPTIONHEIGHT=22\n"
                                                        "  TitleLeft\t=\t-7  \n"
                                                        "IconLeft=0x1F\n"
                                                        "[COLORS]\n"
                                                        "color2=1,2,3\n"
                                                        "Color2=4,5,6\n")));
    EXPECT_EQ(22, Skin()->GetWndRes()->m_nCaptionHeight);
    EXPECT_EQ(-7, Skin()->GetWndRes()->m_nTitleLeft);
    EXPECT_EQ(31, Skin()->GetWndRes()->m_nIconLeft);
    EXPECT_EQ(RGB(4, 5, 6), Skin()->GetClrDef()->GetColor(2));
}

TEST_F(SkinManagerTest, EdgesKeysKeepTheEndsOfStretchedImagesWhateverTheKeyOrder) {
    // One 12-pixel frame: 3 red, 6 green, 3 blue columns.
    const std::vector<BYTE> bmp = riztest::Bmp24(12, 4, [](int x, int) {
        return x < 3 ? RGB(255, 0, 0) : x < 9 ? RGB(0, 255, 0) : RGB(0, 0, 255);
    });
    m_temp.WriteFile(_T("Edges\\Band.bmp"), bmp);
    m_temp.WriteFile(_T("Edges\\Common\\Button\\Band.bmp"), bmp);
    ASSERT_TRUE(Skin()->LoadSkin(skintest::WriteSkinIni(m_temp, _T("Edges"),
                                                        "[Window]\n"
                                                        "ClientBk=Band.bmp\n"
                                                        "ClientBkEdges=3,3\n"
                                                        "ClientMid=Band.bmp\n"
                                                        "[Button]\n"
                                                        "reservedEDGES = 3 , 3\n"
                                                        "Reserved=Common\\Button\\Band.bmp\n")));
    const CQVSkinWndRes* pWnd = Skin()->GetWndRes();
    const CQVBitmap* images[] = {&pWnd->m_bmpClientBk, &Skin()->GetBtnRes()->m_bmpReserved};
    for (const CQVBitmap* pImage : images) {
        riztest::Surface surface(30, 4);
        pImage->DrawFill(CDC::FromHandle(surface.Dc()), CRect(0, 0, 30, 4));
        EXPECT_EQ("", surface.WrongPixels({{2, 1, RGB(255, 0, 0)}, {5, 1, RGB(0, 255, 0)}}));
        EXPECT_EQ("", surface.WrongPixels({{24, 1, RGB(0, 255, 0)}, {27, 1, RGB(0, 0, 255)}}));
    }
    // Without the key the whole frame stretches: the red columns grow.
    riztest::Surface surface(30, 4);
    pWnd->m_bmpClientMid.DrawFill(CDC::FromHandle(surface.Dc()), CRect(0, 0, 30, 4));
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(5, 1));
}

TEST_F(SkinManagerTest, RecordPointersStayTheSameAcrossSkinChanges) {
    CString strBlue = skintest::WriteSkin(m_temp, _T("Blue"), Blue());
    CString strGreen = skintest::WriteSkin(m_temp, _T("Green"), Green());
    ASSERT_TRUE(Skin()->LoadSkin(strBlue));
    CQVSkinWndRes* pWnd = Skin()->GetWndRes();
    CQVSkinBtnRes* pBtn = Skin()->GetBtnRes();
    CQVSkinIMListRes* pIml = Skin()->GetIMLRes();
    CQVSkinOtherRes* pOth = Skin()->GetOthRes();
    CQVSkinColorDef* pClr = Skin()->GetClrDef();
    EXPECT_EQ(30, pWnd->m_nCaptionHeight);

    ASSERT_TRUE(Skin()->LoadSkin(strGreen));
    EXPECT_EQ(pWnd, Skin()->GetWndRes());
    EXPECT_EQ(pBtn, Skin()->GetBtnRes());
    EXPECT_EQ(pIml, Skin()->GetIMLRes());
    EXPECT_EQ(pOth, Skin()->GetOthRes());
    EXPECT_EQ(pClr, Skin()->GetClrDef());
    // A kept pointer sees the new skin.
    EXPECT_EQ(24, pWnd->m_nCaptionHeight);
    EXPECT_EQ(6, pWnd->m_nLeftBorder);
    EXPECT_EQ(CRect(0, 0, 22, 18), pWnd->m_bmpCloseBtn.GetSrcImageRect());
    EXPECT_EQ(CRect(0, 0, 13, 13), pBtn->m_bmpCheckBox.GetSrcImageRect());
    EXPECT_EQ(RGB(40, 140, 90), pClr->GetColor(4));
    EXPECT_EQ((std::vector<CPoint>{CPoint(0, 3), CPoint(3, 0)}), pWnd->m_ptsCornerTopLeft);

    ASSERT_TRUE(Skin()->LoadSkin(strBlue));
    EXPECT_EQ(30, pWnd->m_nCaptionHeight);
    EXPECT_EQ(CRect(0, 0, 15, 15), pBtn->m_bmpCheckBox.GetSrcImageRect());
}

TEST_F(SkinManagerTest, CallbackRunsAfterEverySuccessfulChangeOnly) {
    CString strBlue = skintest::WriteSkin(m_temp, _T("Blue"), Blue());
    CString strGreen = skintest::WriteSkin(m_temp, _T("Green"), Green());
    CallbackLog log;
    Skin()->SetCallbackFunc(RecordSkinChange, reinterpret_cast<LPARAM>(&log));

    ASSERT_TRUE(Skin()->LoadSkin(strBlue));
    ASSERT_TRUE(Skin()->LoadSkin(strGreen));
    EXPECT_FALSE(Skin()->LoadSkin(m_temp.Path(_T("NoSuchSkin"))));
    EXPECT_FALSE(Skin()->LoadSkin(riztest::TestDataPath(_T("skins\\garbage-description"))));
    ASSERT_TRUE(Skin()->LoadSkin(strBlue));

    ASSERT_EQ(3u, log.paths.size());
    EXPECT_EQ(strBlue, log.paths[0]);
    EXPECT_EQ(strGreen, log.paths[1]);
    EXPECT_EQ(strBlue, log.paths[2]);
    // The records already hold the new skin when the host is told.
    EXPECT_EQ((std::vector<int>{30, 24, 30}), log.captionHeights);

    Skin()->SetCallbackFunc(NULL);
    ASSERT_TRUE(Skin()->LoadSkin(strGreen));
    EXPECT_EQ(3u, log.paths.size());
}

TEST_F(SkinManagerTest, AFailedLoadLeavesTheSkinUnchanged) {
    CString strBlue = skintest::WriteSkin(m_temp, _T("Blue"), Blue());
    ASSERT_TRUE(Skin()->LoadSkin(strBlue));
    ::CreateDirectory(m_temp.Path(_T("Empty")), NULL);
    m_temp.WriteFile(_T("NotAFolder.txt"), "[Window]\n");
    const std::string huge = "[Window]\nCaptionHeight=5\n; " + std::string(1100 * 1024, 'x') + "\n";
    const CString bad[] = {
        skintest::WriteSkinIni(m_temp, _T("Huge"), huge),
        m_temp.Path(_T("NoSuchSkin")),
        m_temp.Path(_T("Empty")),
        m_temp.Path(_T("NotAFolder.txt")),
        riztest::TestDataPath(_T("skins\\missing-description")),
        riztest::TestDataPath(_T("skins\\garbage-description")),
        riztest::TestDataPath(_T("skins\\truncated-description")),
        riztest::TestDataPath(_T("skins\\no-window-section")),
        riztest::TestDataPath(_T("skins\\nul-description")),
    };
    for (const CString& strBad : bad) {
        SCOPED_TRACE(static_cast<LPCTSTR>(strBad));
        EXPECT_FALSE(Skin()->LoadSkin(strBad));
        EXPECT_EQ(strBlue, Skin()->GetCurrentSkinPath());
        EXPECT_EQ(30, Skin()->GetWndRes()->m_nCaptionHeight);
        EXPECT_EQ(8, Skin()->GetWndRes()->m_bmpCloseBtn.GetMultiState());
        EXPECT_FALSE(Skin()->GetWndRes()->m_bmpCloseBtn.IsNull());
        EXPECT_EQ(RGB(90, 120, 170), Skin()->GetClrDef()->GetColor(4));
    }
    EXPECT_FALSE(Skin()->LoadSkin(NULL));
    EXPECT_FALSE(Skin()->LoadSkin(_T("")));
    EXPECT_EQ(strBlue, Skin()->GetCurrentSkinPath());
}

TEST_F(SkinManagerTest, ADescriptionCutAfterItsWindowSectionLoads) {
    ASSERT_TRUE(Skin()->LoadSkin(riztest::TestDataPath(_T("skins\\truncated-after-window"))));
    EXPECT_EQ(27, Skin()->GetWndRes()->m_nCaptionHeight);
    EXPECT_EQ(0, Skin()->GetWndRes()->m_nLeftBorder);
    EXPECT_EQ(CString(_T("Cut short")), Skin()->GetCurrentSkinName());
}

TEST_F(SkinManagerTest, ValuesThatDoNotParseKeepTheirDefaults) {
    ASSERT_TRUE(Skin()->LoadSkin(riztest::TestDataPath(_T("skins\\bad-values"))));
    const CQVSkinWndRes* pWnd = Skin()->GetWndRes();
    CQVSkinWndRes wndDefault;
    EXPECT_EQ(wndDefault.m_nCaptionHeight, pWnd->m_nCaptionHeight);  // "tall"
    EXPECT_EQ(wndDefault.m_nLeftBorder, pWnd->m_nLeftBorder);        // beyond int
    EXPECT_EQ(7, pWnd->m_nRightBorder);
    EXPECT_EQ(wndDefault.m_nBorderLayout, pWnd->m_nBorderLayout);  // 0x1G
    EXPECT_EQ(-12, pWnd->m_nTitleLeft);
    EXPECT_EQ(16, pWnd->m_nIconLeft);
    EXPECT_EQ(RGB(255, 0, 255), pWnd->m_clrBtnKey);      // two parts
    EXPECT_EQ(RGB(255, 255, 255), pWnd->m_clrClientBk);  // 256
    EXPECT_TRUE(pWnd->m_ptsCornerTopLeft.empty());       // "0,0 1": the whole list is refused
    EXPECT_EQ(3u, pWnd->m_ptsCornerTopRight.size());
    EXPECT_EQ(0u, Skin()->GetClrDef()->GetColor(3));  // four parts
    EXPECT_EQ(RGB(10, 20, 30), Skin()->GetClrDef()->GetColor(4));
    EXPECT_EQ(0u, Skin()->GetClrDef()->GetColor(5));  // Color05 is not a key
}

TEST_F(SkinManagerTest, DamagedImagesLoadAsEmptyImagesInAGoodSkin) {
    CString strBad = riztest::TestDataPath(_T("skins\\bad-images"));
    ASSERT_TRUE(Skin()->LoadSkin(strBad));
    const CQVSkinWndRes* pWnd = Skin()->GetWndRes();
    const CQVSkinBtnRes* pBtn = Skin()->GetBtnRes();
    EXPECT_EQ(26, pWnd->m_nCaptionHeight);
    EXPECT_TRUE(pWnd->m_bmpCaption.IsNull());     // zero bytes
    EXPECT_TRUE(pWnd->m_bmpCloseBtn.IsNull());    // rows cut off
    EXPECT_TRUE(pWnd->m_bmpMinBtn.IsNull());      // absurd PNG size
    EXPECT_TRUE(pWnd->m_bmpMaxBtn.IsNull());      // header only
    EXPECT_TRUE(pWnd->m_bmpRestoreBtn.IsNull());  // missing
    EXPECT_TRUE(pBtn->m_bmpCheckBox.IsNull());    // narrower than its 11 frames
    EXPECT_TRUE(pBtn->m_bmpSpin.IsNull());        // random bytes
    EXPECT_TRUE(pBtn->m_bmpHeader.IsNull());      // PNG without its end
    // The good ones load, a width that does not divide evenly too.
    EXPECT_EQ(CRect(0, 0, 4, 6), pBtn->m_bmpPushBtn.GetSrcImageRect());
    EXPECT_EQ(3, pBtn->m_bmpComboDrop.GetMultiState());
    EXPECT_EQ(10, pBtn->m_bmpComboDrop.GetWidth());
    EXPECT_EQ(CRect(0, 0, 3, 5), pBtn->m_bmpTab.GetSrcImageRect());  // PNG, named with a forward slash

    // Drawing the empty images draws nothing.
    riztest::Surface surface(8, 8);
    CDC* pDC = CDC::FromHandle(surface.Dc());
    pWnd->m_bmpCaption.DrawFill(pDC, CRect(0, 0, 8, 8), 1);
    pBtn->m_bmpCheckBox.TransparentDraw(pDC, 0, 0, RGB(255, 0, 255), 10);
    EXPECT_FALSE(surface.HasOtherThan(CRect(0, 0, 8, 8), RGB(255, 255, 255), 0));
}

TEST_F(SkinManagerTest, ImagePathsMayHoldCharactersBeyondAscii) {
    m_temp.WriteFile(_T("翡翠\\Common\\Window\\标题栏.bmp"), skintest::Strip(5, 4, 2));
    CString strFolder = skintest::WriteSkinIni(
        m_temp, _T("翡翠"), u8"[Skin]\nName=翡翠\n[Window]\nCaption=Common\\Window\\标题栏.bmp\n");
    ASSERT_TRUE(Skin()->LoadSkin(strFolder));
    EXPECT_EQ(CString(_T("翡翠")), Skin()->GetCurrentSkinName());
    EXPECT_EQ(CRect(0, 0, 5, 4), Skin()->GetWndRes()->m_bmpCaption.GetSrcImageRect());
}

TEST_F(SkinManagerTest, RepeatedSkinChangesLeakNoGdiObjects) {
    CString strBlue = skintest::WriteSkin(m_temp, _T("Blue"), Blue());
    CString strGreen = skintest::WriteSkin(m_temp, _T("Green"), Green());
    CString strBad = riztest::TestDataPath(_T("skins\\bad-images"));
    ASSERT_TRUE(Skin()->LoadSkin(strBlue));
    riztest::ResourceSnapshot before;
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(Skin()->LoadSkin(strGreen));
        ASSERT_TRUE(Skin()->LoadSkin(strBad));
        EXPECT_FALSE(Skin()->LoadSkin(riztest::TestDataPath(_T("skins\\garbage-description"))));
        ASSERT_TRUE(Skin()->LoadSkin(strBlue));
    }
    EXPECT_EQ(0, before.GdiDelta());
}

TEST_F(SkinManagerTest, FirstUseLoadsTheDefaultSkinAndShippedSkinsAreCountedAlphabetically) {
    CString strSkins = BinFolder() + _T("Skins");
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(strSkins + _T("\\Default")));
    // SetUp made the first use; every test puts that skin back when it ends.
    EXPECT_EQ(strSkins + _T("\\Default\\"), m_strSaved);
    EXPECT_EQ(0, Skin()->GetCurrentSkinkID());
    EXPECT_GT(Skin()->GetWndRes()->m_nCaptionHeight, 0);
    EXPECT_FALSE(Skin()->GetWndRes()->m_bmpCloseBtn.IsNull());

    int nTotal = Skin()->GetSkinsTotal();
    ASSERT_GE(nTotal, 2);
    EXPECT_EQ(strSkins + _T("\\Default\\"), Skin()->GetSkinFolder(0));
    EXPECT_EQ(strSkins + _T("\\Jade\\"), Skin()->GetSkinFolder(1));
    EXPECT_TRUE(Skin()->GetSkinFolder(nTotal).IsEmpty());
    EXPECT_TRUE(Skin()->GetSkinFolder(-1).IsEmpty());

    ASSERT_TRUE(Skin()->LoadSkin(Skin()->GetSkinFolder(1)));
    EXPECT_EQ(1, Skin()->GetCurrentSkinkID());
    ASSERT_TRUE(Skin()->LoadSkin(strSkins + _T("\\default")));
    EXPECT_EQ(0, Skin()->GetCurrentSkinkID());
    ASSERT_TRUE(Skin()->LoadSkin(skintest::WriteSkin(m_temp, _T("Elsewhere"), Blue())));
    EXPECT_EQ(-1, Skin()->GetCurrentSkinkID());
}
