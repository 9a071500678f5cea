// What the edit tests share: a skin that only sets the control border colour, and the sign-in dialog
// over the patterned background with the focus on its Cancel button.
#pragma once

#include "PatternDialog.h"
#include "QVEdit.h"
#include "QVEditTestRes.h"

namespace qvetest {

constexpr COLORREF kBorder = RGB(200, 30, 90);
constexpr COLORREF kOtherBorder = RGB(20, 160, 210);
constexpr COLORREF kCue = RGB(128, 128, 128);

using riztest::TextOf;

inline COLORREF BackgroundAt(int x, int y, int nVariant = 0) {
    return riztest::PatternAt(x, y, nVariant);
}

inline CStringA BorderSkin(COLORREF clrBorder) {
    CStringA strIni;
    strIni.Format("[Colors]\r\nColor4 = %d,%d,%d\r\n", GetRValue(clrBorder), GetGValue(clrBorder),
                  GetBValue(clrBorder));
    return strIni;
}

class EditTest : public riztest::PatternDialogTest {
protected:
    EditTest() : PatternDialogTest(IDD_QVEDIT, IDCANCEL) {}
    void SetUp() override {
        ASSERT_TRUE(LoadSkin(kBorder));
        PatternDialogTest::SetUp();
    }
    bool LoadSkin(COLORREF clrBorder) { return LoadSkinFiles(BorderSkin(clrBorder)); }
    void Subclass(CQVEdit& edit, UINT nID) { ASSERT_TRUE(edit.SubclassDlgItem(nID, &m_dlg)); }
};

}  // namespace qvetest
