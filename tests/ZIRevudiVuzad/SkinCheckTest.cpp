// skincheck, run as the program it is: exit codes and what it lists for good and bad skins and languages.
#include <afx.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "SkinTestKit.h"
#include "TestData.h"

namespace {

using skintest::BinFolder;
using skintest::CheckResult;
using skintest::RunSkinCheck;

// Adds text at the end of an existing file.
bool AppendToFile(const CString& strPath, const std::string& strText) {
    HANDLE hFile = ::CreateFile(strPath, FILE_APPEND_DATA, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    DWORD dwWritten = 0;
    const BOOL bOk = ::WriteFile(hFile, strText.data(), static_cast<DWORD>(strText.size()), &dwWritten, NULL);
    ::CloseHandle(hFile);
    return bOk && dwWritten == strText.size();
}

// Every text of says is in skincheck's output and none of silent.
void ExpectOutput(const CheckResult& result, std::initializer_list<const char*> says,
                  std::initializer_list<const char*> silent = {}) {
    for (const char* pszText : says)
        EXPECT_TRUE(result.Says(pszText)) << pszText << " in:\n" << result.output;
    for (const char* pszText : silent)
        EXPECT_FALSE(result.Says(pszText)) << pszText << " in:\n" << result.output;
}

const LPCTSTR kMessageBoxIcons[] = {_T("Question.png"), _T("Error.png"), _T("Information.png"),
                                    _T("Warning.png")};

// Writes the message box's four icons into <folder>\<lpszSub>\Common\ (32 x 32 images; GDI+ reads
// them by their content, whatever the extension says).
void WriteMessageBoxIcons(const riztest::TempFolder& folder, LPCTSTR lpszSub) {
    const std::vector<BYTE> icon =
        riztest::Bmp24(32, 32, [](int x, int y) { return RGB(x * 8, y * 8, 128); });
    for (LPCTSTR lpszIcon : kMessageBoxIcons)
        folder.WriteFile(CString(lpszSub) + _T("\\Common\\") + lpszIcon, icon);
}

// The date picker's five pictures in Common\others (small images read through GDI+).
void WriteDatePickerPictures(const riztest::TempFolder& folder, LPCTSTR lpszSub) {
    const std::vector<BYTE> picture = riztest::Bmp24(16, 16, [](int x, int) { return RGB(x * 16, 90, 200); });
    for (LPCTSTR lpszName :
         {_T("first.png"), _T("prev.png"), _T("next.png"), _T("last.png"), _T("close.png")})
        folder.WriteFile(CString(lpszSub) + _T("\\Common\\others\\") + lpszName, picture);
}

// The contact list's images: its [IMList] keys and the files it reads by fixed names.
void WriteContactListFiles(const riztest::TempFolder& folder, const CString& strFolder, LPCTSTR lpszSub) {
    const CString strSub(lpszSub);
    folder.WriteFile(strSub + _T("\\Common\\IMList\\TeamItem.bmp"), skintest::Strip(18, 16, 2));
    folder.WriteFile(strSub + _T("\\Common\\IMList\\GroupBtn.bmp"), skintest::Strip(64, 24, 2));
    folder.WriteFile(strSub + _T("\\Common\\IMList\\scrollbar.bmp"), skintest::Strip(76, 56, 1));
    // The icons are the test data's 16 x 16 icon; the system scales it to the size asked for.
    const CString strIcon = riztest::TestDataPath(_T("images\\icon.ico"));
    for (LPCTSTR lpszIcon :
         {_T("ArrowExpend.ico"), _T("ArrowCollapse.ico"), _T("face_male.ico"), _T("face_female.ico")})
        ::CopyFile(strIcon, strFolder + _T("Common\\IMList\\") + lpszIcon, FALSE);
    AppendToFile(
        strFolder + _T("skin.ini"),
        "\r\n[IMList]\r\nTeamItem=Common\\IMList\\TeamItem.bmp\r\nGroupBtn=Common\\IMList\\GroupBtn.bmp\r\n"
        "Transparent=255,0,255\r\nGroupBtnHeight=24\r\n");
}

// A skin with everything skincheck asks for.
CString WriteFullSkin(const riztest::TempFolder& folder, LPCTSTR lpszSub) {
    CString strFolder = skintest::WriteSkin(folder, lpszSub);
    WriteMessageBoxIcons(folder, lpszSub);
    WriteContactListFiles(folder, strFolder, lpszSub);
    WriteDatePickerPictures(folder, lpszSub);
    return strFolder;
}

}  // namespace

TEST(SkinCheckSkin, ACompleteSkinPasses) {
    riztest::TempFolder temp;
    CheckResult result = RunSkinCheck(WriteFullSkin(temp, _T("Blue")));
    EXPECT_EQ(0u, result.dwExitCode) << result.output;
    EXPECT_TRUE(result.Says("0 error(s), 0 warning(s)")) << result.output;
    // The skin's description file named directly checks its folder.
    riztest::TempFolder temp2;
    CheckResult direct = RunSkinCheck(WriteFullSkin(temp2, _T("Blue")) + _T("skin.ini"));
    EXPECT_EQ(0u, direct.dwExitCode) << direct.output;
}

TEST(SkinCheckSkin, MissingOrUnreadableIconsAndPicturesAreOnlyWarnings) {
    riztest::TempFolder temp;
    CString strFolder = WriteFullSkin(temp, _T("Blue"));
    ASSERT_TRUE(::DeleteFile(strFolder + _T("Common\\Error.png")));
    temp.WriteFile(_T("Blue\\Common\\Warning.png"), "no image in here");
    temp.WriteFile(_T("Blue\\Common\\Question.png"), "");
    ASSERT_TRUE(::DeleteFile(strFolder + _T("Common\\others\\first.png")));

    CheckResult result = RunSkinCheck(strFolder);
    EXPECT_EQ(0u, result.dwExitCode) << result.output;
    ExpectOutput(result,
                 {"warning: message-box icon Common\\Error.png: file missing",
                  "warning: message-box icon Common\\Warning.png: cannot be read as an image",
                  "warning: message-box icon Common\\Question.png: cannot be read as an image",
                  "warning: date picker picture Common\\others\\first.png: file missing",
                  "0 error(s), 4 warning(s)"},
                 {"Information.png", "prev.png"});
}

TEST(SkinCheckSkin, UnknownSectionsAndKeysAreOnlyWarnings) {
    riztest::TempFolder temp;
    CString strFolder = skintest::WriteSkin(temp, _T("Blue"));
    std::string extra = "\n[Window]\nFutureKey=1\n[FutureSection]\nWhatever=2\n";
    ASSERT_TRUE(AppendToFile(strFolder + _T("skin.ini"), extra));

    CheckResult result = RunSkinCheck(strFolder);
    EXPECT_EQ(0u, result.dwExitCode) << result.output;
    ExpectOutput(result,
                 {"warning: skin.ini line", "FutureKey: unknown key", "unknown section [FutureSection]"});
}

TEST(SkinCheckSkin, ListsEveryDamagedImage) {
    CheckResult result = RunSkinCheck(riztest::TestDataPath(_T("skins\\bad-images")));
    EXPECT_EQ(1u, result.dwExitCode) << result.output;
    ExpectOutput(result,
                 {"Caption.bmp: empty file", "CloseBtn.bmp: truncated file",
                  "MinBtn.png: image header announces an absurd size", "MaxBtn.bmp: truncated file",
                  "NoSuchFile.bmp: file missing", "NoSuchMask.bmp: file missing",
                  "CheckBox.bmp: 8 pixels wide, narrower than its 11 frames",
                  "ComboDrop.bmp: 10 pixels wide, not a multiple of its 3 frames",
                  "Spin.bmp: cannot be read as an image", "Header.png: truncated file"},
                 {"PushBtn.bmp:", "Tab.png:"});
    // Images the skin does not name at all are warnings.
    ExpectOutput(result, {"warning: [Window] LeftBorder: not set", "10 error(s)"});
}

TEST(SkinCheckSkin, ListsValuesThatDoNotParseAndMalformedLines) {
    CheckResult result = RunSkinCheck(riztest::TestDataPath(_T("skins\\bad-values")));
    EXPECT_EQ(1u, result.dwExitCode) << result.output;
    ExpectOutput(result,
                 {"line 6: [Window] CaptionHeight: value does not parse",
                  "[Window] LeftBorderSize: value does not parse",
                  "[Window] BorderLayout: value does not parse", "[Window] BtnKey: value does not parse",
                  "[Window] ClientBkColor: value does not parse",
                  "[Window] CornerTopLeft: value does not parse", "[Colors] Color3: value does not parse",
                  "error: skin.ini line 16: no '='", "error: skin.ini line 17: empty key",
                  "error: skin.ini line 18: malformed section header",
                  "warning: skin.ini line 24: [Colors] Color17: unknown key",
                  "warning: skin.ini line 25: [Colors] Color05: unknown key", "unknown section [Mystery]"},
                 {"RightBorderSize", "Ignored"});
}

TEST(SkinCheckSkin, FailsOnSkinsTheManagerRefuses) {
    riztest::TempFolder temp;
    ::CreateDirectory(temp.Path(_T("Empty")), NULL);
    // Each with a text the output must hold.
    const std::pair<CString, const char*> bad[] = {
        {temp.Path(_T("NoSuchSkin")), "folder not found"},
        {temp.Path(_T("Empty")), "skin.ini not found"},
        {riztest::TestDataPath(_T("skins\\missing-description")), "skin.ini not found"},
        {riztest::TestDataPath(_T("skins\\garbage-description")), "not a text file"},
        {riztest::TestDataPath(_T("skins\\truncated-description")), "line 6: not UTF-8"},
        {riztest::TestDataPath(_T("skins\\no-window-section")), "no [Window] section"},
        {riztest::TestDataPath(_T("skins\\nul-description")), "line 3: NUL byte"},
    };
    for (const auto& item : bad) {
        SCOPED_TRACE(static_cast<LPCTSTR>(item.first));
        CheckResult result = RunSkinCheck(item.first);
        EXPECT_EQ(1u, result.dwExitCode) << result.output;
        EXPECT_TRUE(result.Says("error: ")) << result.output;
        EXPECT_TRUE(result.Says(item.second)) << result.output;
    }
}

TEST(SkinCheckSkin, ReportsStaleAndDamagedMaskCaches) {
    riztest::TempFolder temp;
    CString strFolder = skintest::WriteSkin(temp, _T("Blue"));
    // A region of one 6x6 rectangle, stored for an image of another size; and bytes that are no region.
    std::string rgn(sizeof(RGNDATAHEADER) + sizeof(RECT) + 8, '\0');
    RGNDATAHEADER header = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, 1, sizeof(RECT), {0, 0, 6, 6}};
    RECT rect = {0, 0, 6, 6};
    int size[2] = {7, 7};
    memcpy(&rgn[0], &header, sizeof(header));
    memcpy(&rgn[sizeof(header)], &rect, sizeof(rect));
    memcpy(&rgn[sizeof(header) + sizeof(rect)], size, sizeof(size));
    temp.WriteFile(_T("Blue\\Common\\Window\\MaskTopLeft.bmp.rgn"), rgn.data(), rgn.size());
    temp.WriteFile(_T("Blue\\Common\\Window\\MaskTopRight.bmp.rgn"), "not a region");

    CheckResult result = RunSkinCheck(strFolder);
    EXPECT_EQ(0u, result.dwExitCode) << result.output;
    ExpectOutput(result, {"MaskTopLeft.bmp.rgn: region cache made from a 7x7 image, the mask is 6x6",
                          "MaskTopRight.bmp.rgn: damaged region cache"});

    size[0] = size[1] = 6;
    memcpy(&rgn[sizeof(header) + sizeof(rect)], size, sizeof(size));
    temp.WriteFile(_T("Blue\\Common\\Window\\MaskTopLeft.bmp.rgn"), rgn.data(), rgn.size());
    EXPECT_FALSE(RunSkinCheck(strFolder).Says("MaskTopLeft.bmp.rgn"));
}

TEST(SkinCheckSkin, WarnsWhenFramesAndMetricsDisagreeAndChecksUserPictures) {
    riztest::TempFolder temp;
    skintest::SkinRecipe recipe;
    CString strFolder = skintest::WriteSkin(temp, _T("Blue"), recipe);
    // 17 wide frames, the metrics say 15.
    temp.WriteFile(_T("Blue\\Common\\Button\\CheckBox.bmp"), skintest::Strip(17, 15, 11));
    temp.WriteFile(_T("Blue\\UserIcon\\1.bmp"), skintest::Strip(32, 32, 1));
    temp.WriteFile(_T("Blue\\UserIcon\\2.bmp"), "");

    CheckResult result = RunSkinCheck(strFolder);
    EXPECT_EQ(1u, result.dwExitCode) << result.output;
    ExpectOutput(result,
                 {"warning: [Button] CheckBox: frames are 17x15, the metrics say 15x15",
                  "UserIcon\\2.bmp: empty file"},
                 {"UserIcon\\1.bmp"});
}

TEST(SkinCheckSkin, ListsEdgesWiderThanTheirFrames) {
    riztest::TempFolder temp;
    CString strFolder = skintest::WriteSkin(temp, _T("Blue"));
    std::string extra = "\n[Button]\nPushBtnEdges=4,4\nCheckBoxEdges=8,8\nTabEdges=4\nNoSuchImageEdges=1,1\n";
    ASSERT_TRUE(AppendToFile(strFolder + _T("skin.ini"), extra));

    CheckResult result = RunSkinCheck(strFolder);
    EXPECT_EQ(1u, result.dwExitCode) << result.output;
    ExpectOutput(result,
                 {"[Button] CheckBoxEdges: 8 and 8 pixels of edges, the frames are 15 wide",
                  "[Button] TabEdges: value does not parse", "warning: skin.ini line",
                  "NoSuchImageEdges: unknown key", "2 error(s)"},
                 {"PushBtnEdges"});
}

TEST(SkinCheckSkin, ShippedSkinsAndLanguagesPass) {
    CString strSkins = BinFolder() + _T("Skins\\");
    // The shipped skins are a build dependency of every test program: missing ones are a broken build.
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(strSkins + _T("Default")));
    for (LPCTSTR lpszSkin : {_T("Default"), _T("Jade")}) {
        SCOPED_TRACE(lpszSkin);
        CheckResult result = RunSkinCheck(strSkins + lpszSkin);
        EXPECT_EQ(0u, result.dwExitCode) << result.output;
        EXPECT_FALSE(result.Says("message-box icon")) << result.output;
        EXPECT_FALSE(result.Says("date picker picture")) << result.output;
    }
    for (LPCTSTR lpszFile : {_T("en-US.lng"), _T("zh-CN.lng")}) {
        SCOPED_TRACE(lpszFile);
        CheckResult result = RunSkinCheck(BinFolder() + _T("Languages\\") + lpszFile);
        EXPECT_EQ(0u, result.dwExitCode) << result.output;
        EXPECT_TRUE(result.Says("0 error(s), 0 warning(s)")) << result.output;
    }
}

TEST(SkinCheckSkin, SkinnedSpinWithoutArrowsAndMissingSliderImagesAreErrors) {
    CheckResult result = RunSkinCheck(riztest::TestDataPath(_T("skins\\bad-spin")));
    EXPECT_EQ(1u, result.dwExitCode) << result.output;
    ExpectOutput(result,
                 {"SkinSpin is set, but Spin is empty or SpinWidth/SpinHeight is 0",
                  "NoSuchChannel.bmp: file missing", "NoSuchThumb.bmp: file missing", "3 error(s)"},
                 {"SliderTransparent"});
}

TEST(SkinCheckLanguage, ListsMissingKeys) {
    riztest::TempFolder temp;
    temp.WriteFile(_T("partial.lng"), "IDS_OK=Okay\nIDS_CANCEL=Stop\n");
    CheckResult result = RunSkinCheck(temp.Path(_T("partial.lng")));
    EXPECT_EQ(1u, result.dwExitCode) << result.output;
    ExpectOutput(result, {"error: missing key: IDS_DEF_FONT", "error: missing key: DPCtrl.Sunday"},
                 {"missing key: IDS_OK\n"});
}

TEST(SkinCheckLanguage, ListsMalformedLinesAndWarnsOfDuplicates) {
    CheckResult result = RunSkinCheck(riztest::TestDataPath(_T("languages\\no-equals.lng")));
    EXPECT_EQ(1u, result.dwExitCode) << result.output;
    ExpectOutput(result, {"error: line 2: no '=' in the line", "error: line 4: empty key"});

    // A complete table with a key given twice passes with a warning.
    riztest::TempFolder temp;
    CString strCopy = temp.Path(_T("copy.lng"));
    ASSERT_TRUE(::CopyFile(BinFolder() + _T("Languages\\en-US.lng"), strCopy, FALSE));
    ASSERT_TRUE(AppendToFile(strCopy, "IDS_OK=Okay\n"));
    CheckResult copy = RunSkinCheck(strCopy);
    EXPECT_EQ(0u, copy.dwExitCode) << copy.output;
    ExpectOutput(copy, {"warning: line ", "key given again: IDS_OK"});
}

TEST(SkinCheckLanguage, FailsOnFilesTheManagerRefuses) {
    const std::pair<LPCTSTR, const char*> bad[] = {
        {_T("invalid-utf8.lng"), "line 2: not UTF-8"},   {_T("overlong-utf8.lng"), "line 1: not UTF-8"},
        {_T("surrogate-utf8.lng"), "line 1: not UTF-8"}, {_T("truncated-utf8.lng"), "line 1: not UTF-8"},
        {_T("nul-bytes.lng"), "line 1: NUL byte"},       {_T("no-such-file.lng"), "file not found"},
    };
    for (const auto& item : bad) {
        SCOPED_TRACE(item.first);
        CheckResult result = RunSkinCheck(riztest::TestDataPath(CString(_T("languages\\")) + item.first));
        EXPECT_EQ(1u, result.dwExitCode) << result.output;
        EXPECT_TRUE(result.Says(item.second)) << result.output;
    }
}

TEST(SkinCheckUsage, WithoutAnArgumentPrintsUsage) {
    CheckResult result = RunSkinCheck(NULL);
    EXPECT_EQ(2u, result.dwExitCode);
    EXPECT_TRUE(result.Says("usage: skincheck")) << result.output;
}
