// What the group box, slider, hot-key and spin tests share: a skin with one colour per image frame,
// the practice dialog that paints a background of distinct pixels and counts the up-down's
// notifications, and the fixture that loads the skin and shows the dialog.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "QVGroupBoxTestRes.h"
#include "TestData.h"

namespace qvsmall {

constexpr COLORREF kBorder = RGB(200, 30, 90);
constexpr COLORREF kOtherBorder = RGB(20, 160, 210);
constexpr COLORREF kChannel = RGB(30, 200, 60);
constexpr COLORREF kThumb = RGB(240, 140, 10);
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr int kSpinWidth = 12;
constexpr int kSpinHeight = 9;
// The spin arrows' frames: 0-2 up normal, hot, pressed, 3 unused, 4-6 down, 7 unused.
constexpr COLORREF kSpinFrames[8] = {RGB(10, 10, 120), RGB(20, 20, 160), RGB(30, 30, 200), RGB(1, 2, 3),
                                     RGB(120, 10, 10), RGB(160, 20, 20), RGB(200, 30, 30), RGB(3, 2, 1)};

// The window text of any window, read through the handle.
CString TextOf(HWND hWnd);

// The dialog's background at a client point: no two neighbouring pixels alike.
COLORREF BackgroundAt(int x, int y);

// What LoadSkin writes into a test skin: the border colour, the spin flag, the slider key flag, images.
struct TestSkin {
    COLORREF clrBorder = kBorder;
    int nSkinSpin = 1;
    int nSliderTransparent = 0;
    bool bImages = true;  // the spin and slider images exist
};

// The practice dialog of the resources.
class CSmallDialog : public CDialog {
public:
    CSmallDialog() : CDialog(IDD_QVSMALL) {}
    ~CSmallDialog() override;

    int m_nDeltaPos = 0;  // UDN_DELTAPOS received
    int m_nVScroll = 0;   // WM_VSCROLL received

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

    HBITMAP m_hBackground = nullptr;
};

class SmallTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    bool LoadSkin(const TestSkin& skin);
    HWND Item(UINT nID) const { return ::GetDlgItem(m_dlg.m_hWnd, nID); }
    // A window's rectangle in the dialog's client coordinates.
    CRect RectInDialog(HWND hWnd) const;
    // Posts a click (down, up) at a client point of hWnd, then pumps.
    static void Click(HWND hWnd, CPoint pt);
    static void Pump();
    // Repaints the whole dialog now, then copies what the dialog shows.
    void FreshPaint(riztest::Surface& shot);
    // Copies what the dialog shows, without repainting anything.
    void CopyNow(riztest::Surface& shot);
    // The number of pixels of rc (dialog coordinates) where a and b differ.
    static int Differences(const riztest::Surface& a, const riztest::Surface& b, const CRect& rc);

    riztest::TempFolder m_folder;
    int m_nSkins = 0;
    CSmallDialog m_dlg;
};

}  // namespace qvsmall
