// skincheck, run as the program it is: exit codes and what it lists for good and bad skins and languages.
#include <afx.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SkinTestKit.h"
#include "TestData.h"
#include "Watchdog.h"

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

// The item toolbar's strips of 12-pixel states, by their fixed names.
void WriteToolBarPlusFiles(const riztest::TempFolder& folder, LPCTSTR lpszSub) {
    const std::pair<LPCTSTR, int> strips[] = {{_T("MenuArrow"), 2},
                                              {_T("MoreArrow"), 2},
                                              {_T("Button"), 5},
                                              {_T("MenuButton"), 6},
                                              {_T("MenuArrowPart"), 6}};
    for (const auto& strip : strips)
        folder.WriteFile(CString(lpszSub) + _T("\\Common\\Button\\ToolBarPlus_") + strip.first + _T(".png"),
                         skintest::Strip(12 * strip.second, 22, strip.second));
    // The classic toolbar's two picture strips: eight 16 x 16 frames each.
    for (LPCTSTR lpszName : {_T("Normal"), _T("Disabled")})
        folder.WriteFile(CString(lpszSub) + _T("\\Common\\Button\\ToolBar_") + lpszName + _T(".bmp"),
                         skintest::Strip(16, 16, 8));
}

// The date picker's five pictures in Common\others (small images read through GDI+).
void WriteDatePickerPictures(const riztest::TempFolder& folder, LPCTSTR lpszSub) {
    const std::vector<BYTE> picture = riztest::Bmp24(16, 16, [](int x, int) { return RGB(x * 16, 90, 200); });
    for (LPCTSTR lpszName :
         {_T("first.png"), _T("prev.png"), _T("next.png"), _T("last.png"), _T("close.png")})
        folder.WriteFile(CString(lpszSub) + _T("\\Common\\others\\") + lpszName, picture);
}

// A skin with everything skincheck asks for.
CString WriteFullSkin(const riztest::TempFolder& folder, LPCTSTR lpszSub) {
    CString strFolder = skintest::WriteSkin(folder, lpszSub);
    WriteMessageBoxIcons(folder, lpszSub);
    WriteContactListFiles(folder, strFolder, lpszSub);
    WriteToolBarPlusFiles(folder, lpszSub);
    WriteDatePickerPictures(folder, lpszSub);
    return strFolder;
}

// What a row hands to skincheck: a file or folder it makes in the scratch folder, or one of the test data
// or of the build.
using Make = std::function<CString(riztest::TempFolder&)>;
Make Data(LPCTSTR lpszPath) {
    return [lpszPath](riztest::TempFolder&) { return riztest::TestDataPath(lpszPath); };
}
Make Shipped(LPCTSTR lpszPath) {
    return [lpszPath](riztest::TempFolder&) { return BinFolder() + lpszPath; };
}

// A skin written by WriteSkin with the text appended to its skin.ini.
Make SkinWith(const std::string& strIni) {
    return [strIni](riztest::TempFolder& temp) {
        const CString strFolder = skintest::WriteSkin(temp, _T("Blue"));
        EXPECT_TRUE(AppendToFile(strFolder + _T("skin.ini"), strIni));
        return strFolder;
    };
}

// A skin whose top-left mask has a cache of one 6 x 6 rectangle stored for an image of cx x cx (the mask
// is 6 x 6), and, with bDamaged, a top-right cache of bytes that are no region.
Make SkinWithCaches(int cx, bool bDamaged) {
    return [cx, bDamaged](riztest::TempFolder& temp) {
        const CString strFolder = skintest::WriteSkin(temp, _T("Blue"));
        std::string rgn(sizeof(RGNDATAHEADER) + sizeof(RECT) + 8, '\0');
        const RGNDATAHEADER header = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, 1, sizeof(RECT), {0, 0, 6, 6}};
        const RECT rect = {0, 0, 6, 6};
        const int size[2] = {cx, cx};
        memcpy(&rgn[0], &header, sizeof(header));
        memcpy(&rgn[sizeof(header)], &rect, sizeof(rect));
        memcpy(&rgn[sizeof(header) + sizeof(rect)], size, sizeof(size));
        temp.WriteFile(_T("Blue\\Common\\Window\\MaskTopLeft.bmp.rgn"), rgn.data(), rgn.size());
        if (bDamaged) temp.WriteFile(_T("Blue\\Common\\Window\\MaskTopRight.bmp.rgn"), "not a region");
        return strFolder;
    };
}

}  // namespace

// Each row hands skincheck one skin folder, skin.ini or language file (or nothing) and checks its exit
// code (0 passed, 1 errors, 2 usage), the texts its output holds and those it must not hold.
TEST(SkinCheck, ExitCodesAndTheErrorsAndWarningsListedForSkinsAndLanguages) {
    const struct {
        const char* what;
        Make make;
        DWORD dwExitCode;
        std::vector<const char*> says, silent;
    } rows[] = {
        // clang-format off
        {"a complete skin passes", [](riztest::TempFolder& t) { return WriteFullSkin(t, _T("Blue")); }, 0,
         {"0 error(s), 0 warning(s)"}, {}},
        {"its skin.ini named directly checks its folder",
         [](riztest::TempFolder& t) { return WriteFullSkin(t, _T("Blue")) + _T("skin.ini"); }, 0,
         {"0 error(s), 0 warning(s)"}, {}},
        {"missing or unreadable message-box icons are only warnings", [](riztest::TempFolder& t) {
             const CString strFolder = WriteFullSkin(t, _T("Blue"));
             EXPECT_TRUE(::DeleteFile(strFolder + _T("Common\\Error.png")));
             t.WriteFile(_T("Blue\\Common\\Warning.png"), "no image in here");
             t.WriteFile(_T("Blue\\Common\\Question.png"), "");
             EXPECT_TRUE(::DeleteFile(strFolder + _T("Common\\others\\first.png")));
             return strFolder; }, 0,
         {"warning: message-box icon Common\\Error.png: file missing",
          "warning: message-box icon Common\\Warning.png: cannot be read as an image",
          "warning: message-box icon Common\\Question.png: cannot be read as an image",
          "warning: date picker picture Common\\others\\first.png: file missing",
          "0 error(s), 4 warning(s)"},
         {"Information.png", "prev.png"}},
        {"unknown sections and keys are only warnings",
         SkinWith("\n[Window]\nFutureKey=1\n[FutureSection]\nWhatever=2\n"),
         0, {"warning: skin.ini line", "FutureKey: unknown key", "unknown section [FutureSection]"}, {}},
        {"every damaged image is listed; images not named at all are warnings",
         Data(_T("skins\\bad-images")), 1,
         {"Caption.bmp: empty file", "CloseBtn.bmp: truncated file",
          "MinBtn.png: image header announces an absurd size",
          "MaxBtn.bmp: truncated file", "NoSuchFile.bmp: file missing", "NoSuchMask.bmp: file missing",
          "CheckBox.bmp: 8 pixels wide, narrower than its 11 frames",
          "ComboDrop.bmp: 10 pixels wide, not a multiple of its 3 frames",
          "Spin.bmp: cannot be read as an image",
          "Header.png: truncated file", "warning: [Window] LeftBorder: not set", "10 error(s)"},
         {"PushBtn.bmp:", "Tab.png:"}},
        {"values that do not parse and malformed lines", Data(_T("skins\\bad-values")), 1,
         {"line 6: [Window] CaptionHeight: value does not parse",
          "[Window] LeftBorderSize: value does not parse",
          "[Window] BorderLayout: value does not parse", "[Window] BtnKey: value does not parse",
          "[Window] ClientBkColor: value does not parse", "[Window] CornerTopLeft: value does not parse",
          "[Colors] Color3: value does not parse", "error: skin.ini line 16: no '='",
          "error: skin.ini line 17: empty key",
          "error: skin.ini line 18: malformed section header",
          "warning: skin.ini line 24: [Colors] Color17: unknown key",
          "warning: skin.ini line 25: [Colors] Color05: unknown key", "unknown section [Mystery]"},
         {"RightBorderSize", "Ignored"}},
        {"a missing folder", [](riztest::TempFolder& t) { return t.Path(_T("NoSuchSkin")); }, 1,
         {"error: ", "folder not found"}, {}},
        {"an empty folder", [](riztest::TempFolder& t) {
             ::CreateDirectory(t.Path(_T("Empty")), NULL);
             return t.Path(_T("Empty")); }, 1, {"error: ", "skin.ini not found"}, {}},
        {"no description", Data(_T("skins\\missing-description")), 1, {"error: ", "skin.ini not found"}, {}},
        {"a description of garbage", Data(_T("skins\\garbage-description")), 1, {"error: ",
          "not a text file"}, {}},
        {"a cut description", Data(_T("skins\\truncated-description")), 1, {"error: ", "line 6: not UTF-8"},
          {}},
        {"no [Window] section", Data(_T("skins\\no-window-section")), 1, {"error: ", "no [Window] section"},
          {}},
        {"a NUL byte", Data(_T("skins\\nul-description")), 1, {"error: ", "line 3: NUL byte"}, {}},
        {"stale and damaged mask caches are warnings", SkinWithCaches(7, true), 0,
         {"MaskTopLeft.bmp.rgn: region cache made from a 7x7 image, the mask is 6x6",
          "MaskTopRight.bmp.rgn: damaged region cache"}, {}},
        {"a cache of the mask's size is not listed", SkinWithCaches(6, false), 0, {},
          {"MaskTopLeft.bmp.rgn"}},
        {"frames that disagree with the metrics warn; user pictures are checked", [](riztest::TempFolder& t) {
             const CString strFolder = skintest::WriteSkin(t, _T("Blue"));
             t.WriteFile(_T("Blue\\Common\\Button\\CheckBox.bmp"), skintest::Strip(17, 15,
             11));  // metrics: 15
             t.WriteFile(_T("Blue\\UserIcon\\1.bmp"), skintest::Strip(32, 32, 1));
             t.WriteFile(_T("Blue\\UserIcon\\2.bmp"), "");
             return strFolder; }, 1,
         {"warning: [Button] CheckBox: frames are 17x15, the metrics say 15x15",
          "UserIcon\\2.bmp: empty file"},
         {"UserIcon\\1.bmp"}},
        {"edges wider than their frames",
         SkinWith("\n[Button]\nPushBtnEdges=4,4\nCheckBoxEdges=8,8\nTabEdges=4\nNoSuchImageEdges=1,1\n"), 1,
         {"[Button] CheckBoxEdges: 8 and 8 pixels of edges, the frames are 15 wide",
          "[Button] TabEdges: value does not parse", "warning: skin.ini line",
          "NoSuchImageEdges: unknown key",
          "2 error(s)"}, {"PushBtnEdges"}},
        {"a skinned spin without arrows and missing slider images", Data(_T("skins\\bad-spin")), 1,
         {"SkinSpin is set, but Spin is empty or SpinWidth/SpinHeight is 0",
          "NoSuchChannel.bmp: file missing",
          "NoSuchThumb.bmp: file missing", "3 error(s)"}, {"SliderTransparent"}},
        // The shipped skins and languages are a build dependency of every test program: a missing one fails.
        {"the shipped Default skin", Shipped(_T("Skins\\Default")), 0, {}, {"message-box icon", "date picker picture", "toolbar strip"}},
        {"the shipped Jade skin", Shipped(_T("Skins\\Jade")), 0, {}, {"message-box icon", "date picker picture", "toolbar strip"}},
        {"the shipped en-US table", Shipped(_T("Languages\\en-US.lng")), 0, {"0 error(s), 0 warning(s)"}, {}},
        {"the shipped zh-CN table", Shipped(_T("Languages\\zh-CN.lng")), 0, {"0 error(s), 0 warning(s)"}, {}},
        {"a language missing keys", [](riztest::TempFolder& t) {
             t.WriteFile(_T("partial.lng"), "IDS_OK=Okay\nIDS_CANCEL=Stop\n");
             return t.Path(_T("partial.lng")); }, 1,
         {"error: missing key: IDS_DEF_FONT", "error: missing key: DPCtrl.Sunday"},
           {"missing key: IDS_OK\n"}},
        {"malformed language lines", Data(_T("languages\\no-equals.lng")), 1,
         {"error: line 2: no '=' in the line", "error: line 4: empty key"}, {}},
        {"a complete table with a key given twice passes with a warning", [](riztest::TempFolder& t) {
             const CString strCopy = t.Path(_T("copy.lng"));
             EXPECT_TRUE(::CopyFile(BinFolder() + _T("Languages\\en-US.lng"), strCopy, FALSE));
             EXPECT_TRUE(AppendToFile(strCopy, "IDS_OK=Okay\n"));
             return strCopy; }, 0, {"warning: line ", "key given again: IDS_OK"}, {}},
        {"invalid UTF-8", Data(_T("languages\\invalid-utf8.lng")), 1, {"line 2: not UTF-8"}, {}},
        {"overlong UTF-8", Data(_T("languages\\overlong-utf8.lng")), 1, {"line 1: not UTF-8"}, {}},
        {"a UTF-8 surrogate", Data(_T("languages\\surrogate-utf8.lng")), 1, {"line 1: not UTF-8"}, {}},
        {"cut UTF-8", Data(_T("languages\\truncated-utf8.lng")), 1, {"line 1: not UTF-8"}, {}},
        {"NUL bytes", Data(_T("languages\\nul-bytes.lng")), 1, {"line 1: NUL byte"}, {}},
        {"a missing language", Data(_T("languages\\no-such-file.lng")), 1, {"file not found"}, {}},
        {"a scroll-bar image smaller than its cells", [](riztest::TempFolder& t) {
             const CString strFolder = WriteFullSkin(t, _T("Blue"));
             t.WriteFile(_T("Blue\\Common\\Window\\ScrollBar.bmp"), skintest::Strip(200, 48, 1));
             EXPECT_TRUE(AppendToFile(strFolder + _T("skin.ini"),
                                      "\r\n[Window]\r\nScrollBar=Common\\Window\\ScrollBar.bmp\r\n"));
             return strFolder; }, 1,
         {"[Window] ScrollBar is 200 x 48, smaller than its 240 x 48 cells", "1 error(s)"}, {}},
        {"missing or miscut item-toolbar strips are only warnings", [](riztest::TempFolder& t) {
             const CString strFolder = WriteFullSkin(t, _T("Blue"));
             EXPECT_TRUE(::DeleteFile(strFolder + _T("Common\\Button\\ToolBarPlus_MoreArrow.png")));
             t.WriteFile(_T("Blue\\Common\\Button\\ToolBarPlus_MenuButton.png"), skintest::Strip(50, 22, 1));
             return strFolder; }, 0,
         {"warning: item toolbar file Common\\Button\\ToolBarPlus_MoreArrow.png: file missing",
          "warning: item toolbar file Common\\Button\\ToolBarPlus_MenuButton.png: 50 pixels wide, not 6 "
          "states of at least 9", "0 error(s), 2 warning(s)"},
         {"ToolBarPlus_Button.png"}},
        {"a missing or miscut classic toolbar strip is only a warning", [](riztest::TempFolder& t) {
             const CString strFolder = WriteFullSkin(t, _T("Blue"));
             EXPECT_TRUE(::DeleteFile(strFolder + _T("Common\\Button\\ToolBar_Normal.bmp")));
             t.WriteFile(_T("Blue\\Common\\Button\\ToolBar_Disabled.bmp"), skintest::Strip(16, 16, 7));
             return strFolder; }, 0,
         {"warning: toolbar strip Common\\Button\\ToolBar_Normal.bmp: file missing",
          "warning: toolbar strip Common\\Button\\ToolBar_Disabled.bmp: 112 x 16 pixels, not 8 frames of 16 x 16",
          "0 error(s), 2 warning(s)"}, {}},
        {"no argument prints the usage", nullptr, 2, {"usage: skincheck"}, {}},
        // clang-format on
    };
    // Thirty-odd runs of a program under Wine: more than one test's default on a loaded machine.
    riztest::AllowTestSeconds(180);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        riztest::TempFolder temp;
        const CString strArg = r.make ? r.make(temp) : CString();
        const CheckResult result = RunSkinCheck(r.make ? static_cast<LPCTSTR>(strArg) : NULL);
        EXPECT_EQ(r.dwExitCode, result.dwExitCode) << result.output;
        for (const char* pszText : r.says)
            EXPECT_TRUE(result.Says(pszText)) << pszText << " in:\n" << result.output;
        for (const char* pszText : r.silent)
            EXPECT_FALSE(result.Says(pszText)) << pszText << " in:\n" << result.output;
    }
}
