// What the edit tests share: a skin that only sets the control border colour, the sign-in dialog that
// paints a background of distinct pixels and answers the edits' Enter command, and the fixture that
// loads the skin and shows the dialog.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>

#include "QVEdit.h"
#include "QVEditTestRes.h"
#include "TestData.h"

namespace qvetest {

constexpr COLORREF kBorder = RGB(200, 30, 90);
constexpr COLORREF kOtherBorder = RGB(20, 160, 210);
constexpr COLORREF kCue = RGB(128, 128, 128);

// The dialog's background at a client point: no two neighbouring pixels alike, so that a background
// shown one pixel off does not match. nVariant gives a second background.
COLORREF BackgroundAt(int x, int y, int nVariant = 0);

// The window text of any window, read through the handle.
CString TextOf(HWND hWnd);

// Writes skin.ini of a skin whose control border colour is clrBorder into the subfolder strPrefix.
bool WriteEditSkin(const riztest::TempFolder& folder, const CString& strPrefix, COLORREF clrBorder);

// The sign-in dialog of the resources.
class CEditDialog : public CDialog {
public:
    CEditDialog() : CDialog(IDD_QVEDIT) {}
    ~CEditDialog() override;

    // What the dialog answers to an edit's Enter command (WM_COMMAND, code 0, lParam 0), and what it
    // does first.
    LRESULT m_lEnterAnswer = 0;
    std::function<void(UINT nID)> m_onEnter;
    int m_nEnterCommands = 0;
    // Runs when an edit of the dialog reports EN_SETFOCUS.
    std::function<void(UINT nID)> m_onSetFocus;
    // Runs from OnInitDialog (the modal tests post their input there).
    std::function<void(CEditDialog&)> m_onInit;
    int m_nBackground = 0;

    BOOL OnInitDialog() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    HBITMAP m_hBackground[2] = {};
};

class EditTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    bool LoadSkin(COLORREF clrBorder);
    void Subclass(CQVEdit& edit, UINT nID);
    // A window's rectangle in the dialog's client coordinates.
    CRect RectInDialog(HWND hWnd) const;
    // Moves the focus to the dialog's Cancel button, away from every edit.
    void FocusElsewhere();
    static void Pump();

    riztest::TempFolder m_folder;
    int m_nSkins = 0;
    CEditDialog m_dlg;
};

}  // namespace qvetest
