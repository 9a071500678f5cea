// The skin manager: skin folders read into records that stay the same objects for the process's life.
#include <QVSkinResManager.h>

#include <gtest/gtest.h>

#include <vector>

#include "ExpectRows.h"
#include "PixelProbe.h"
#include "ResourceCounter.h"
#include "SkinTestKit.h"
#include "TestData.h"
#include "TestImage.h"

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

using riztest::ExpectRows;
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
    // The numbers are read each into its own field as SkinRangesTest shows; here the rest. Images carry
    // the frame count of their field.
    const CQVSkinWndRes* pWnd = Skin()->GetWndRes();
    const std::vector<CPoint> corner = {CPoint(0, 5), CPoint(1, 3), CPoint(3, 1), CPoint(5, 0)};
    // clang-format off
    ExpectRows<int>({ROW(pWnd->m_ptsCornerTopLeft == corner, true), ROW(pWnd->m_ptsCornerTopRight.size(), 2),
                     ROW(pWnd->m_ptsCornerBottomRight.empty(), true),
                     ROW(pWnd->m_ptsCornerBottomLeft == std::vector<CPoint>{CPoint(0, 2)}, true),
                     ROW(pWnd->m_strMaskTopLeft == _T("MaskTopLeft.bmp"), true), ROW(pWnd->m_strMaskBottomLeft.IsEmpty(), true),
                     ROW(pWnd->m_nBorderLayout, 1), ROW(pWnd->m_nShowDisabledBtns, 1), ROW(pWnd->m_clrBtnKey, RGB(255, 0, 255)),
                     ROW(pWnd->m_clrClientBk, RGB(240, 244, 250)), ROW(pWnd->m_bmpCaption.GetMultiState(), 2),
                     ROW(pWnd->m_bmpCaption.GetWidth(), 80), ROW(pWnd->m_bmpCaption.GetHeight(), 30),
                     ROW(pWnd->m_bmpLeftBorder.GetMultiState(), 2), ROW(pWnd->m_bmpCloseBtn.GetMultiState(), 8),
                     ROW(pWnd->m_bmpCloseBtn.GetSrcImageRect() == CRect(0, 0, 27, 20), true),
                     ROW(pWnd->m_bmpRestoreBtn.GetMultiState(), 8), ROW(pWnd->m_bmpClientMid.IsNull(), false),
                     ROW(pWnd->m_bmpScrollBar.IsNull(), true)});
    // clang-format on
    // Each frame holds its own pixels (top-down BGRA): frame 5 of the close button starts at x = 5 * 27.
    ASSERT_NE(nullptr, pWnd->m_bmpCloseBtn.GetBits());
    const BYTE* pPixel = pWnd->m_bmpCloseBtn.GetBits() + (5 * 27) * 4;
    EXPECT_EQ(skintest::FrameColor(5), RGB(pPixel[2], pPixel[1], pPixel[0]));
}

TEST_F(SkinManagerTest, LoadsEveryButtonFieldAndColour) {
    ASSERT_TRUE(Skin()->LoadSkin(skintest::WriteSkin(m_temp, _T("Blue"), Blue())));

    const CQVSkinBtnRes* pBtn = Skin()->GetBtnRes();
    const CQVSkinColorDef* pColors = Skin()->GetClrDef();
    // clang-format off
    ExpectRows<int>({ROW(pBtn->m_nSkinPushBtn, 1), ROW(pBtn->m_nSkinSpin, 1), ROW(pBtn->m_bmpPushBtn.GetMultiState(), 4),
                     ROW(pBtn->m_bmpCheckBox.GetMultiState(), 11),
                     ROW(pBtn->m_bmpCheckBox.GetSrcImageRect() == CRect(0, 0, 15, 15), true),
                     ROW(pBtn->m_bmpRadio.GetMultiState(), 8), ROW(pBtn->m_bmpSpin.GetMultiState(), 8),
                     ROW(pBtn->m_bmpComboDrop.GetMultiState(), 3), ROW(pBtn->m_bmpTab.GetMultiState(), 4),
                     ROW(pBtn->m_bmpHeader.GetMultiState(), 4), ROW(pBtn->m_bmpReserved.IsNull(), true),
                     ROW(pBtn->m_strTabWndMask == _T("TabWndMask.bmp"), true), ROW(pBtn->m_nTransparentImage, 1),
                     ROW(pBtn->m_clrTransparent, RGB(255, 0, 255)), ROW(pColors->GetColor(0), RGB(0, 100, 200)),
                     ROW(pColors->GetColor(4), RGB(90, 120, 170)), ROW(pColors->GetColor(16), RGB(160, 116, 120))});
    // clang-format on
}

TEST_F(SkinManagerTest, MissingKeysKeepTheRecordDefaults) {
    ASSERT_TRUE(Skin()->LoadSkin(skintest::WriteSkin(m_temp, _T("Blue"), Blue())));
    ASSERT_TRUE(Skin()->LoadSkin(skintest::WriteSkinIni(m_temp, _T("Bare"), "[Window]\n")));

    // The defaults are those of freshly made records, not what the previous skin left.
    CQVSkinWndRes wndDefault;
    CQVSkinBtnRes btnDefault;
    const CQVSkinWndRes* pWnd = Skin()->GetWndRes();
    const CQVSkinBtnRes* pBtn = Skin()->GetBtnRes();
    // clang-format off
    ExpectRows<int>({ROW(pWnd->m_nCaptionHeight, wndDefault.m_nCaptionHeight), ROW(pWnd->m_nCaptionBtnLayout, 1),
                     ROW(pWnd->m_nClientBkMode, 1), ROW(pWnd->m_clrClientBk, RGB(255, 255, 255)),
                     ROW(pWnd->m_clrBtnKey, RGB(255, 0, 255)), ROW(pWnd->m_ptsCornerTopLeft.empty(), true),
                     ROW(pWnd->m_strMaskTopLeft.IsEmpty(), true), ROW(pWnd->m_bmpCaption.IsNull(), true),
                     ROW(pWnd->m_bmpCloseBtn.IsNull(), true), ROW(pBtn->m_bmpPushBtn.IsNull(), true),
                     ROW(pBtn->m_nPushBtnHeight, btnDefault.m_nPushBtnHeight), ROW(pBtn->m_clrTransparent, RGB(255, 0, 255)),
                     ROW(Skin()->GetClrDef()->GetColor(4), 0)});
    // clang-format on
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
    const CQVSkinColorDef* pColors = Skin()->GetClrDef();
    CQVSkinWndRes wndDefault;
    // clang-format off
    ExpectRows<int>({ROW(pWnd->m_nCaptionHeight, wndDefault.m_nCaptionHeight),  // "tall"
                     ROW(pWnd->m_nLeftBorder, wndDefault.m_nLeftBorder),        // beyond int
                     ROW(pWnd->m_nRightBorder, 7), ROW(pWnd->m_nBorderLayout, wndDefault.m_nBorderLayout),  // 0x1G
                     ROW(pWnd->m_nTitleLeft, -12), ROW(pWnd->m_nIconLeft, 16),
                     ROW(pWnd->m_clrBtnKey, RGB(255, 0, 255)),    // two parts
                     ROW(pWnd->m_clrClientBk, RGB(255, 255, 255)), // 256
                     ROW(pWnd->m_ptsCornerTopLeft.empty(), true),  // "0,0 1": the whole list is refused
                     ROW(pWnd->m_ptsCornerTopRight.size(), 3), ROW(pColors->GetColor(3), 0),  // four parts
                     ROW(pColors->GetColor(4), RGB(10, 20, 30)), ROW(pColors->GetColor(5), 0)});  // Color05 is no key
    // clang-format on
}

TEST_F(SkinManagerTest, DamagedImagesLoadAsEmptyImagesInAGoodSkin) {
    CString strBad = riztest::TestDataPath(_T("skins\\bad-images"));
    // Every file decoded by an image of a control first: what a control's looser decoder takes does not
    // pass the skin's checks for it.
    for (LPCTSTR lpszSub : {_T("\\Common\\Window\\"), _T("\\Common\\Button\\")}) {
        WIN32_FIND_DATA fd;
        HANDLE hFind = ::FindFirstFile(strBad + lpszSub + _T("*"), &fd);
        ASSERT_NE(INVALID_HANDLE_VALUE, hFind);
        do {
            CQVBitmap control;
            control.LoadBitmap(strBad + lpszSub + fd.cFileName);
        } while (::FindNextFile(hFind, &fd));
        ::FindClose(hFind);
    }
    ASSERT_TRUE(Skin()->LoadSkin(strBad));
    const CQVSkinWndRes* pWnd = Skin()->GetWndRes();
    const CQVSkinBtnRes* pBtn = Skin()->GetBtnRes();
    // clang-format off
    ExpectRows<int>({ROW(pWnd->m_nCaptionHeight, 26), ROW(pWnd->m_bmpCaption.IsNull(), true),  // zero bytes
                     ROW(pWnd->m_bmpCloseBtn.IsNull(), true),    // rows cut off
                     ROW(pWnd->m_bmpMinBtn.IsNull(), true),      // absurd PNG size
                     ROW(pWnd->m_bmpMaxBtn.IsNull(), true),      // header only
                     ROW(pWnd->m_bmpRestoreBtn.IsNull(), true),  // missing
                     ROW(pBtn->m_bmpCheckBox.IsNull(), true),    // narrower than its 11 frames
                     ROW(pBtn->m_bmpSpin.IsNull(), true),        // random bytes
                     ROW(pBtn->m_bmpHeader.IsNull(), true),      // PNG without its end
                     // The good ones load, a width that does not divide evenly too, and a PNG named with a
                     // forward slash.
                     ROW(pBtn->m_bmpPushBtn.GetSrcImageRect() == CRect(0, 0, 4, 6), true),
                     ROW(pBtn->m_bmpComboDrop.GetMultiState(), 3), ROW(pBtn->m_bmpComboDrop.GetWidth(), 10),
                     ROW(pBtn->m_bmpTab.GetSrcImageRect() == CRect(0, 0, 3, 5), true)});
    // clang-format on

    // Drawing the empty images draws nothing.
    riztest::Surface surface(8, 8);
    CDC* pDC = CDC::FromHandle(surface.Dc());
    pWnd->m_bmpCaption.DrawFill(pDC, CRect(0, 0, 8, 8), 1);
    pBtn->m_bmpCheckBox.TransparentDraw(pDC, 0, 0, RGB(255, 0, 255), 10);
    EXPECT_FALSE(surface.HasOtherThan(CRect(0, 0, 8, 8), RGB(255, 255, 255), 0));
}

// Loading a skin again reads what its files hold now: an image changed, damaged or removed since the
// last load is not taken from what was decoded then.
TEST_F(SkinManagerTest, LoadingASkinAgainReadsItsImagesAsTheyAreNow) {
    const CString strBlue = skintest::WriteSkin(m_temp, _T("Blue"), Blue());
    const CString strCaption = strBlue + _T("Common\\Window\\Caption.bmp");
    const auto rewrite = [&](const std::vector<BYTE>& bytes, int nShiftSeconds) {
        if (bytes.empty()) return ::DeleteFile(strCaption) != FALSE;
        HANDLE hFile = ::CreateFile(strCaption, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (hFile == INVALID_HANDLE_VALUE) return false;
        DWORD dwWritten = 0;
        bool bOk = ::WriteFile(hFile, bytes.data(), DWORD(bytes.size()), &dwWritten, NULL) != FALSE;
        // A later time of last write, so that a rewrite of the same size differs on any file system.
        FILETIME ft = {};
        ::GetSystemTimeAsFileTime(&ft);
        ULARGE_INTEGER n = {{ft.dwLowDateTime, ft.dwHighDateTime}};
        n.QuadPart += ULONGLONG(nShiftSeconds) * 10000000ULL;
        ft = {n.LowPart, n.HighPart};
        bOk = bOk && ::SetFileTime(hFile, NULL, NULL, &ft);
        ::CloseHandle(hFile);
        return bOk;
    };
    const std::vector<BYTE> original = skintest::Strip(40, 30, 2);
    const std::vector<BYTE> red = riztest::Bmp24(80, 30, [](int, int) { return RGB(255, 0, 0); });
    const struct {
        const char* pszStep;
        std::vector<BYTE> bytes;  // empty: the file is removed
        int nShiftSeconds;
        bool bLoaded;
        COLORREF clr;  // the caption's first pixel
    } steps[] = {
        {"as written", original, 10, true, skintest::FrameColor(0)},
        {"rewritten at the same size", red, 20, true, RGB(255, 0, 0)},
        {"damaged", std::vector<BYTE>(red.size(), 0x5A), 30, false, 0},
        {"written back", original, 40, true, skintest::FrameColor(0)},
        {"removed", {}, 0, false, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszStep);
        ASSERT_TRUE(rewrite(step.bytes, step.nShiftSeconds));
        ASSERT_TRUE(Skin()->LoadSkin(strBlue));
        const CQVBitmap& caption = Skin()->GetWndRes()->m_bmpCaption;
        ASSERT_EQ(step.bLoaded, !caption.IsNull());
        if (!step.bLoaded) continue;
        riztest::Surface surface(4, 4);
        caption.Draw(CDC::FromHandle(surface.Dc()), 0, 0, 0);
        EXPECT_EQ("", surface.WrongPixels({{0, 0, step.clr}}));
        // Loaded again unchanged, the image is not read: it loads while nobody may read the file.
        const HANDLE hHeld = ::CreateFile(strCaption, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
        const BOOL bLoaded = Skin()->LoadSkin(strBlue);
        ::CloseHandle(hHeld);
        ASSERT_TRUE(bLoaded);
        EXPECT_FALSE(Skin()->GetWndRes()->m_bmpCaption.IsNull()) << "held open";
    }
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
