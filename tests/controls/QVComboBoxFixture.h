// What the combo box tests share: a skin with a patterned drop-button image, the settings dialog that
// counts the colour combo's messages and the lists closing, and the fixture that shows it.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVComboBox.h"
#include "QVComboBoxTestRes.h"
#include "TestData.h"

namespace qvctest {

constexpr COLORREF kFrame = RGB(200, 30, 90);
constexpr int kDropWidth = 15;
constexpr int kDropHeight = 18;
constexpr UINT kCreatedId = 760;

class CComboDialog : public CDialog {
public:
    CComboDialog() : CDialog(IDD_QVCOMBO) {}
    int m_nColorMessages = 0;  // 0x9E5, checked to name its sender
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

    // A skin of this frame colour; without bImage it has no drop-button image.
    bool LoadSkin(COLORREF clrFrame = kFrame, int nTransparent = 0, bool bImage = true);
    // Drop-button pixels on the screen that differ from frame nFrame drawn by the skin's image into a
    // second surface at the same place.
    int DropButtonMismatches(CQVComboBox& combo, int nFrame);
    static void Pump();

    riztest::TempFolder m_folder;
    int m_nSkins = 0;
    CComboDialog m_dlg;
};

}  // namespace qvctest
