// Small skins written by the tests: skin.ini text and tiny BMP strips in a scratch folder.
#pragma once

#include <afx.h>

#include <string>
#include <vector>

#include "TestData.h"

namespace skintest {

// The BMP file of nFrames frames of cx x cy side by side, frame i filled with FrameColor(i).
std::vector<BYTE> Strip(int cx, int cy, int nFrames);
COLORREF FrameColor(int nFrame);

// What differs between the skins a test writes.
struct SkinRecipe {
    std::string name = "Test skin";
    int nCaptionHeight = 30;
    int nBorder = 4;
    int nCloseWidth = 27;
    int nCloseHeight = 20;
    int nCheckSize = 15;
    int nPushHeight = 24;
    COLORREF clrClient = RGB(240, 244, 250);
    COLORREF clrBorder = RGB(90, 120, 170);
    std::string cornerTopLeft = "0,5 1,3 3,1 5,0";
};

// Writes a complete skin into <folder>\<lpszSub>\: every Window and Button key, the seventeen colours,
// masks, and images of the right frame counts and of the sizes the metrics give. Returns the skin's
// folder (ending in a backslash).
CString WriteSkin(const riztest::TempFolder& folder, LPCTSTR lpszSub,
                  const SkinRecipe& recipe = SkinRecipe());

// Writes only skin.ini (UTF-8 text as given) into <folder>\<lpszSub>\ and returns that folder.
CString WriteSkinIni(const riztest::TempFolder& folder, LPCTSTR lpszSub, const std::string& text);

// The folder of the test program, where the build puts skincheck, the skins and the languages.
CString BinFolder();

// What skincheck printed and its exit code.
struct CheckResult {
    DWORD dwExitCode = 0xFFFFFFFF;
    std::string output;  // UTF-8

    bool Says(const std::string& strText) const { return output.find(strText) != std::string::npos; }
};

// Runs skincheck from the test program's folder with one argument (none when lpszArg is NULL) and
// collects its standard output.
CheckResult RunSkinCheck(LPCTSTR lpszArg);

}  // namespace skintest
