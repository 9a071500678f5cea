// What the list tests share: a skin with one colour per header frame, the word book dialog and the
// fixture that shows it, and readers of what a header shows.
#pragma once

#include <afxcmn.h>

#include <gtest/gtest.h>

#include <string>

#include "PatternDialog.h"
#include "QVListCtrlTestRes.h"

class CQVHeaderCtrl;
class CQVListCtrl;

namespace qvltest {

constexpr COLORREF kBorder = RGB(200, 30, 90);
constexpr COLORREF kOtherBorder = RGB(20, 160, 210);
constexpr int kHeaderHeight = 26;
// The header image's frames: normal, hot, pressed, disabled.
constexpr COLORREF kFrames[4] = {RGB(230, 230, 120), RGB(120, 220, 240), RGB(240, 140, 60),
                                 RGB(170, 170, 170)};
constexpr UINT kCreatedId = 1260;

// The frame each header item shows on the screen, one digit per item ('?' for none of the four),
// read near each item's top-right corner, away from its text.
std::string HeaderFrames(HWND hHeader);

class ListTest : public riztest::PatternDialogTest {
protected:
    ListTest() : PatternDialogTest(IDD_QVLIST, IDCANCEL) {}
    void SetUp() override {
        ASSERT_TRUE(LoadSkin());
        PatternDialogTest::SetUp();
    }
    void TearDown() override {
        PatternDialogTest::TearDown();
        ParkCursor();
    }

    // A skin of this border colour and header height, with or without the header image.
    bool LoadSkin(COLORREF clrBorder = kBorder, int nHeaderHeight = kHeaderHeight, bool bHeaderImage = true);
    // A report view at (10, 200) of 280 x 120 in the dialog, WS_EX_CLIENTEDGE, with nColumns columns
    // of 80 pixels and three rows.
    void MakeReport(CQVListCtrl& list, int nColumns = 3, DWORD dwExStyle = 0, DWORD dwStyle = LVS_REPORT);
    // Moves the pointer over the header point and posts the message there; pumps.
    void MouseAt(CQVHeaderCtrl& header, UINT message, CPoint pt);
};

}  // namespace qvltest
