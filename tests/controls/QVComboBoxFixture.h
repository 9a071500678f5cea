// What the combo box tests share: a skin with a patterned drop-button image, and the settings dialog
// over the patterned background, checking the colour combo's message names its sender.
#pragma once

#include "PatternDialog.h"
#include "QVColorComboBox.h"
#include "QVComboBox.h"
#include "QVComboBoxTestRes.h"

namespace qvctest {

constexpr COLORREF kFrame = RGB(200, 30, 90);
constexpr int kDropWidth = 15;
constexpr int kDropHeight = 18;
constexpr UINT kCreatedId = 760;

class ComboTest : public riztest::PatternDialogTest {
public:
    static COMBOBOXINFO InfoOf(HWND hWnd);

protected:
    ComboTest() : PatternDialogTest(IDD_QVCOMBO, IDOK) {}
    void SetUp() override;

    // A skin of this frame colour; without bImage it has no drop-button image.
    bool LoadSkin(COLORREF clrFrame = kFrame, int nTransparent = 0, bool bImage = true);
    // Drop-button pixels on the screen that differ from frame nFrame drawn by the skin's image into a
    // second surface at the same place.
    int DropButtonMismatches(CQVComboBox& combo, int nFrame);
    // WM_QV_COLORCOMBO_SELCHANGED received, and the CBN_CLOSEUP notifications.
    int ColorMessages() const { return m_dlg.Received(WM_QV_COLORCOMBO_SELCHANGED) - m_nColorMessagesBefore; }
    int CloseUps() const { return m_dlg.Received(WM_COMMAND, CBN_CLOSEUP); }

    int m_nColorMessagesBefore = 0;
};

}  // namespace qvctest
