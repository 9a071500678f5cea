// What the combo box tests share: a skin with a patterned drop-button image and a frame colour, the
// settings dialog that counts the colour combo's messages, and the fixture that loads the skin and
// shows the dialog.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVComboBox.h"
#include "QVComboBoxTestRes.h"
#include "TestData.h"

namespace qvctest {

constexpr COLORREF kFrame = RGB(200, 30, 90);
constexpr COLORREF kOtherFrame = RGB(20, 160, 210);
constexpr int kDropWidth = 15;
constexpr int kDropHeight = 18;

struct ComboSkin {
    COLORREF clrFrame = kFrame;
    int nTransparent = 0;
    bool bDropImage = true;  // false: the skin lacks the drop-button image
};

// Pixel (x, y) of drop-button frame f: a pattern that shows a wrong frame or a shifted image, with a
// key-coloured 3 x 3 top-left corner.
COLORREF DropPixel(int f, int x, int y);

// The settings dialog of the resources.
class CComboDialog : public CDialog {
public:
    CComboDialog() : CDialog(IDD_QVCOMBO) {}
    // Messages 0x9E5 received, and the colour combo's selection when the last arrived.
    int m_nColorMessages = 0;
    int m_nSelAtMessage = -1;
    int m_nCloseUps = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class ComboTest : public ::testing::Test {
public:
    static COMBOBOXINFO InfoOf(HWND hWnd);

protected:
    void SetUp() override;
    void TearDown() override;

    bool LoadSkin(const ComboSkin& skin);
    CRect RectInDialog(HWND hWnd) const;
    // Drop-button pixels on the screen that differ from frame nFrame drawn by the skin's image into a
    // second surface at the same place.
    int DropButtonMismatches(CQVComboBox& combo, int nFrame);
    static void Pump();
    static void ParkCursor();

    riztest::TempFolder m_folder;
    int m_nSkins = 0;
    CComboDialog m_dlg;
};

}  // namespace qvctest
