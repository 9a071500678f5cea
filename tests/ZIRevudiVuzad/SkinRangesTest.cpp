// The valid range of every number a skin gives: a value outside reads back as the key's default, a value
// at either end of its range is kept, and skincheck reports each value outside as an error.
#include <afx.h>

#include <QVSkinResManager.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "SkinTestKit.h"
#include "TestData.h"

namespace {

CQVSkinResManager* Skin() {
    return CQVSkinResManager::GetSingletonPtr();
}

// One int key: its section, its range as docs/skin-format.md gives it, and how to read the field from the
// loaded skin and from a record that holds its defaults.
struct RangedKey {
    const char* pszSection;
    const char* pszKey;
    int nMin;
    int nMax;
    int (*pfnLoaded)();
    int (*pfnDefault)();
};

// clang-format off
#define RECORD_KEY(section, get, type, key, field, lo, hi) \
    {section, key, lo, hi, [] { return Skin()->get()->field; }, [] { return type().field; }}
// clang-format on
#define WND_KEY(key, field, lo, hi) RECORD_KEY("Window", GetWndRes, CQVSkinWndRes, key, field, lo, hi)
#define BTN_KEY(key, field) RECORD_KEY("Button", GetBtnRes, CQVSkinBtnRes, key, field, 0, 1024)

// clang-format off
const RangedKey kRangedKeys[] = {
    WND_KEY("MinBtnRight", m_nMinBtnRight, -1024, 1024), WND_KEY("MaxBtnRight", m_nMaxBtnRight, -1024, 1024),
    WND_KEY("CloseBtnRight", m_nCloseBtnRight, -1024, 1024), WND_KEY("MinBtnTop", m_nMinBtnTop, -1024, 1024),
    WND_KEY("MaxBtnTop", m_nMaxBtnTop, -1024, 1024), WND_KEY("CloseBtnTop", m_nCloseBtnTop, -1024, 1024),
    WND_KEY("BtnGap", m_nBtnGap, 0, 256), WND_KEY("IconTop", m_nIconTop, -1024, 1024),
    WND_KEY("IconLeft", m_nIconLeft, -1024, 1024), WND_KEY("TitleTop", m_nTitleTop, -1024, 1024),
    WND_KEY("TitleLeft", m_nTitleLeft, -1024, 1024), WND_KEY("MinBtnWidth", m_nMinBtnWidth, 0, 256),
    WND_KEY("MinBtnHeight", m_nMinBtnHeight, 0, 256), WND_KEY("MaxBtnWidth", m_nMaxBtnWidth, 0, 256),
    WND_KEY("MaxBtnHeight", m_nMaxBtnHeight, 0, 256), WND_KEY("CloseBtnWidth", m_nCloseBtnWidth, 0, 256),
    WND_KEY("CloseBtnHeight", m_nCloseBtnHeight, 0, 256), WND_KEY("LeftBorderSize", m_nLeftBorder, 0, 256),
    WND_KEY("RightBorderSize", m_nRightBorder, 0, 256), WND_KEY("CaptionHeight", m_nCaptionHeight, 0, 256),
    WND_KEY("BottomBorderSize", m_nBottomBorder, 0, 256), WND_KEY("ClientTopHeight", m_nClientTopHeight, 0, 4096),
    WND_KEY("ClientBottomHeight", m_nClientBottomHeight, 0, 4096),
    BTN_KEY("Metric1", m_nMetric1), BTN_KEY("PushBtnHeight", m_nPushBtnHeight), BTN_KEY("CheckBoxWidth", m_nCheckBoxWidth),
    BTN_KEY("CheckBoxHeight", m_nCheckBoxHeight), BTN_KEY("RadioWidth", m_nRadioWidth), BTN_KEY("RadioHeight", m_nRadioHeight),
    BTN_KEY("SpinWidth", m_nSpinWidth), BTN_KEY("SpinHeight", m_nSpinHeight), BTN_KEY("ComboDropWidth", m_nComboDropWidth),
    BTN_KEY("ComboDropHeight", m_nComboDropHeight), BTN_KEY("Metric11", m_nMetric11), BTN_KEY("Metric12", m_nMetric12),
    BTN_KEY("TabMinWidth", m_nTabMinWidth), BTN_KEY("TabHeight", m_nTabHeight), BTN_KEY("TabWndTabWidth", m_nTabWndTabWidth),
    BTN_KEY("TabWndTabHeight", m_nTabWndTabHeight), BTN_KEY("Metric17", m_nMetric17), BTN_KEY("HeaderHeight", m_nHeaderHeight),
    RECORD_KEY("IMList", GetIMLRes, CQVSkinIMListRes, "GroupBtnHeight", m_nGroupBtnHeight, 1, 256),
    RECORD_KEY("Other", GetOthRes, CQVSkinOtherRes, "OutBarFolderHeight", m_nOutBarFolderHeight, 1, 256),
};

// Flags and the keys the library does not read take any int, the extremes included.
const RangedKey kAnyKeys[] = {
    WND_KEY("BorderLayout", m_nBorderLayout, INT_MIN, INT_MAX),
    WND_KEY("CaptionBtnLayout", m_nCaptionBtnLayout, INT_MIN, INT_MAX),
    WND_KEY("ShowDisabledBtns", m_nShowDisabledBtns, INT_MIN, INT_MAX), WND_KEY("Reserved1", m_nReserved1, INT_MIN, INT_MAX),
    WND_KEY("Reserved7", m_nReserved7, INT_MIN, INT_MAX), WND_KEY("ClientBkMode", m_nClientBkMode, INT_MIN, INT_MAX),
    RECORD_KEY("Button", GetBtnRes, CQVSkinBtnRes, "SkinPushBtn", m_nSkinPushBtn, INT_MIN, INT_MAX),
    RECORD_KEY("Button", GetBtnRes, CQVSkinBtnRes, "TransparentImage", m_nTransparentImage, INT_MIN, INT_MAX),
    RECORD_KEY("Other", GetOthRes, CQVSkinOtherRes, "OutBarTransparent", m_nOutBarTransparent, INT_MIN, INT_MAX),
};
// clang-format on

// A skin.ini that gives every key of the table the value pfnValue picks; the [Window] section always
// comes, so that the skin loads.
template <size_t N>
std::string SkinText(const RangedKey (&keys)[N], long long (*pfnValue)(const RangedKey&)) {
    std::string text = "[Skin]\r\nName = Ranges\r\n";
    const char* const kSections[] = {"Window", "Button", "IMList", "Other"};
    for (const char* pszSection : kSections) {
        text += std::string("[") + pszSection + "]\r\n";
        for (const RangedKey& key : keys) {
            if (std::string(key.pszSection) == pszSection)
                text += std::string(key.pszKey) + " = " + std::to_string(pfnValue(key)) + "\r\n";
        }
    }
    return text;
}

long long BelowRange(const RangedKey& key) {
    return static_cast<long long>(key.nMin) - 1;
}
long long AboveRange(const RangedKey& key) {
    return static_cast<long long>(key.nMax) + 1;
}
long long AtMin(const RangedKey& key) {
    return key.nMin;
}
long long AtMax(const RangedKey& key) {
    return key.nMax;
}
// A value inside the range that no other key of the table gets: a key read into another key's field shows.
long long Distinct(const RangedKey& key) {
    return key.nMin + 1 + (&key - kRangedKeys);
}

// What skincheck says about one value outside its range.
std::string OutsideText(const RangedKey& key, long long nValue) {
    return std::string("[") + key.pszSection + "] " + key.pszKey + ": " + std::to_string(nValue) +
           " is outside its range " + std::to_string(key.nMin) + " to " + std::to_string(key.nMax) +
           ", the default " + std::to_string(key.pfnDefault()) + " is used";
}

class SkinRangesTest : public ::testing::Test {
protected:
    void SetUp() override { m_strSaved = Skin()->GetCurrentSkinPath(); }
    void TearDown() override {
        if (!m_strSaved.IsEmpty()) Skin()->LoadSkin(m_strSaved);
    }

    // Writes skin.ini into <temp>\<lpszName>\ and answers that folder.
    CString Write(LPCTSTR lpszName, const std::string& text) {
        EXPECT_TRUE(m_temp.WriteFile(CString(lpszName) + _T("\\skin.ini"), text.c_str()));
        return m_temp.Path(lpszName) + _T("\\");
    }

    riztest::TempFolder m_temp;
    CString m_strSaved;
};

}  // namespace

TEST_F(SkinRangesTest, ValuesOutsideTheirRangeReadBackAsTheDefaultAndValuesInsideAreKeptInTheirOwnField) {
    long long (*const kIntMin)(const RangedKey&) = [](const RangedKey&) { return (long long)INT_MIN; };
    long long (*const kIntMax)(const RangedKey&) = [](const RangedKey&) { return (long long)INT_MAX; };
    // clang-format off
    const struct {
        LPCTSTR lpszName;
        long long (*pfnValue)(const RangedKey&);
        bool bKept;
    } rows[] = {{_T("Below"), BelowRange, false}, {_T("Above"), AboveRange, false}, {_T("IntMin"), kIntMin, false},
                {_T("IntMax"), kIntMax, false}, {_T("Min"), AtMin, true}, {_T("Max"), AtMax, true},
                {_T("Distinct"), Distinct, true}};
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lpszName);
        ASSERT_TRUE(Skin()->LoadSkin(Write(row.lpszName, SkinText(kRangedKeys, row.pfnValue))));
        for (const RangedKey& key : kRangedKeys)
            EXPECT_EQ(row.bKept ? row.pfnValue(key) : key.pfnDefault(), key.pfnLoaded()) << key.pszKey;
    }
    // A flag only tells zero from non-zero: any int is its value.
    for (auto pfnValue : {AtMin, AtMax}) {
        ASSERT_TRUE(Skin()->LoadSkin(
            Write(pfnValue == AtMin ? _T("Flags") : _T("FlagsMax"), SkinText(kAnyKeys, pfnValue))));
        for (const RangedKey& key : kAnyKeys)
            EXPECT_EQ(pfnValue(key), key.pfnLoaded()) << key.pszKey;
    }
}

TEST_F(SkinRangesTest, CornerPointsOutsideTheirRangeGiveTheDefaultOutline) {
    ASSERT_TRUE(Skin()->LoadSkin(Write(_T("Corners"), "[Window]\r\n"
                                                      "CornerTopLeft = 0,5 1,3 1024,1024\r\n"
                                                      "CornerTopRight = 0,5 1025,3\r\n"
                                                      "CornerBottomRight = 0,-1\r\n"
                                                      "CornerBottomLeft = -1000000000,-1000000000\r\n")));
    const CQVSkinWndRes* pWnd = Skin()->GetWndRes();
    EXPECT_EQ(3u, pWnd->m_ptsCornerTopLeft.size());
    EXPECT_TRUE(pWnd->m_ptsCornerTopRight.empty());
    EXPECT_TRUE(pWnd->m_ptsCornerBottomRight.empty());
    EXPECT_TRUE(pWnd->m_ptsCornerBottomLeft.empty());
}

TEST_F(SkinRangesTest, SkinCheckReportsEveryValueOutsideItsRange) {
    long long (*const kOutside[])(const RangedKey&) = {BelowRange, AboveRange};
    for (auto pfnValue : kOutside) {
        const skintest::CheckResult result = skintest::RunSkinCheck(Write(
            pfnValue == BelowRange ? _T("CheckBelow") : _T("CheckAbove"), SkinText(kRangedKeys, pfnValue)));
        EXPECT_EQ(1u, result.dwExitCode) << result.output;
        for (const RangedKey& key : kRangedKeys)
            EXPECT_TRUE(result.Says(OutsideText(key, pfnValue(key)))) << key.pszKey << "\n" << result.output;
    }
    // Values at the ends of their ranges, and any value of a flag, are no error.
    const skintest::CheckResult ends =
        skintest::RunSkinCheck(Write(_T("CheckEnds"), SkinText(kRangedKeys, AtMax)));
    EXPECT_FALSE(ends.Says("outside its range")) << ends.output;
    const skintest::CheckResult flags =
        skintest::RunSkinCheck(Write(_T("CheckFlags"), SkinText(kAnyKeys, AtMin)));
    EXPECT_FALSE(flags.Says("outside its range")) << flags.output;
}

TEST_F(SkinRangesTest, SkinCheckReportsCornerPointsAndEdgesOutsideTheirRange) {
    const skintest::CheckResult result =
        skintest::RunSkinCheck(Write(_T("CheckPoints"), "[Window]\r\n"
                                                        "CornerTopRight = 0,5 1025,3\r\n"
                                                        "CornerBottomLeft = -1,0\r\n"
                                                        "CaptionEdges = 16385,0\r\n"
                                                        "BottomBorderEdges = -1,4\r\n"
                                                        "LeftBorderEdges = 16384,16384\r\n"));
    EXPECT_EQ(1u, result.dwExitCode) << result.output;
    EXPECT_TRUE(result.Says("[Window] CornerTopRight: point 1025,3 is outside its range 0 to 1024"))
        << result.output;
    EXPECT_TRUE(result.Says("[Window] CornerBottomLeft: point -1,0 is outside its range 0 to 1024"))
        << result.output;
    EXPECT_TRUE(result.Says("[Window] CaptionEdges: 16385,0 is outside its range 0 to 16384"))
        << result.output;
    EXPECT_TRUE(result.Says("[Window] BottomBorderEdges: -1,4 is outside its range 0 to 16384"))
        << result.output;
    EXPECT_FALSE(result.Says("LeftBorderEdges: 16384,16384 is outside")) << result.output;
}

TEST_F(SkinRangesTest, DamagedNumberSkinsOfTheTestDataLoadWithDefaults) {
    // Every number of the shipped skin's description replaced by -1000000000, or by a mix of extremes.
    const LPCTSTR kFolders[] = {_T("skins\\damaged-numbers"), _T("skins\\damaged-extremes")};
    for (LPCTSTR lpszFolder : kFolders) {
        SCOPED_TRACE(lpszFolder);
        ASSERT_TRUE(Skin()->LoadSkin(riztest::TestDataPath(lpszFolder)));
        for (const RangedKey& key : kRangedKeys)
            EXPECT_EQ(key.pfnDefault(), key.pfnLoaded()) << key.pszKey;
        EXPECT_TRUE(Skin()->GetWndRes()->m_ptsCornerTopLeft.empty());
        const skintest::CheckResult result = skintest::RunSkinCheck(riztest::TestDataPath(lpszFolder));
        EXPECT_EQ(1u, result.dwExitCode);
        EXPECT_TRUE(result.Says("[Window] CaptionHeight: ")) << result.output;
        EXPECT_TRUE(result.Says("is outside its range")) << result.output;
    }
    // Three bands of heights far below zero: the heights fall back to their defaults.
    ASSERT_TRUE(Skin()->LoadSkin(riztest::TestDataPath(_T("skins\\damaged-client-bands"))));
    EXPECT_EQ(3, Skin()->GetWndRes()->m_nClientBkMode);
    EXPECT_EQ(0, Skin()->GetWndRes()->m_nClientTopHeight);
    EXPECT_EQ(0, Skin()->GetWndRes()->m_nClientBottomHeight);
    const skintest::CheckResult bands =
        skintest::RunSkinCheck(riztest::TestDataPath(_T("skins\\damaged-client-bands")));
    EXPECT_TRUE(bands.Says("[Window] ClientTopHeight: -1000000000 is outside its range 0 to 4096"))
        << bands.output;
    EXPECT_TRUE(bands.Says("[Window] ClientBottomHeight: -1000000000 is outside its range 0 to 4096"))
        << bands.output;
}
