// What the date-time tests share: a skin with one colour per drop-button frame, the exam dialog that
// counts the pickers' notifications, a picker that counts its paints, and the fixture.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include "QVDateTimeCtrl.h"
#include "QVDateTimeCtrlTestRes.h"
#include "TestData.h"

namespace qvdtest {

constexpr COLORREF kBorder = RGB(200, 30, 90);
constexpr COLORREF kOtherBorder = RGB(20, 160, 210);
constexpr COLORREF kKey = RGB(255, 0, 255);
// The drop-button frames: normal, hover, pressed; a second skin's normal frame.
constexpr COLORREF kFrameColours[3] = {RGB(30, 120, 40), RGB(240, 200, 0), RGB(20, 40, 220)};
constexpr COLORREF kOtherNormal = RGB(150, 70, 10);
constexpr int kDropWidth = 9;
constexpr int kDropHeight = 7;
constexpr UINT kCreatedId = 1650;

struct SkinSpec {
    COLORREF clrBorder = kBorder;
    COLORREF clrNormal = kFrameColours[0];
    bool bImage = true;
    int nTransparent = 0;  // with it, the top-left pixel of every frame is the key colour
};

// The exam dialog: counts DTN_DROPDOWN, DTN_CLOSEUP and DTN_DATETIMECHANGE of the exam date through
// its message map.
class CExamDialog : public CDialog {
public:
    CExamDialog() : CDialog(IDD_QVDATE) {}
    int m_nDropDowns = 0;
    int m_nCloseUps = 0;
    int m_nChanges = 0;
    // Destroys the exam date's object when its calendar opens.
    CWnd* m_pDeleteAtDropDown = nullptr;

protected:
    afx_msg void OnDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCloseUp(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDateTimeChange(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

// A picker that counts its WM_PAINT messages and its press timer's ticks.
class CCountingDateTime : public CQVDateTimeCtrl {
public:
    int m_nPaints = 0;
    int m_nTicks = 0;  // of the press timer

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PAINT) ++m_nPaints;
        if (message == WM_TIMER && wParam == QVDT_PRESS_TIMER) ++m_nTicks;
        return CQVDateTimeCtrl::WindowProc(message, wParam, lParam);
    }
};

class DateTimeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    bool LoadSkin(const SkinSpec& spec = SkinSpec());
    void Subclass(CQVDateTimeCtrl& picker, UINT nID);
    // A fixed date in the picker, so that the text never depends on the day the test runs.
    static void SetExamDate(HWND hPicker);
    // Pixels of the drop rectangle on the screen that differ from frame nFrame of the skin's image
    // drawn centred in a white rectangle of the same size on a second surface.
    static int DropButtonMismatches(CQVDateTimeCtrl& picker, int nFrame);
    // Whether the picker's calendar shows; closing it as the system offers (DTM_CLOSEMONTHCAL) or, where
    // that is not answered, by a second click on the drop button, which toggles it.
    static bool CalendarShown(HWND hPicker);
    static void CloseCalendar(HWND hPicker);
    // The left button as GetKeyState sees it.
    static void SetLeftButton(bool bDown);
    // The cursor at a client point of a window.
    static void PointerAt(HWND hWnd, int x, int y);
    static void Pump();

    riztest::TempFolder m_folder;
    int m_nSkins = 0;
    CExamDialog m_dlg;
};

}  // namespace qvdtest
