// What the label tests share: the messages dialog that paints a background of distinct pixels and
// counts STN_CLICKED, a launcher that records instead of opening, and the fixture that shows the dialog.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "PixelProbe.h"
#include "QVLabel.h"
#include "QVLabelTestRes.h"
#include "QVUIShell.h"

namespace qvltest {

constexpr UINT kCreatedId = 1150;

// The dialog's background at a client point: no two neighbouring pixels alike.
COLORREF BackgroundAt(int x, int y);

// What the recording launcher was asked to open.
struct Launch {
    CString strVerb;
    CString strFile;
    bool bNoParametersNoFolder;
    int nShowCmd;
};
std::vector<Launch>& Launches();
// Runs inside each recorded launch (a test destroys the label there).
std::function<void()>& OnLaunch();

// The messages dialog of the resources.
class CLabelDialog : public CDialog {
public:
    CLabelDialog() : CDialog(IDD_QVLABEL) {}
    ~CLabelDialog() override;

    int m_nClicks = 0;  // STN_CLICKED from any label
    std::function<void(UINT nID)> m_onClicked;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    HBITMAP m_hBackground = NULL;
};

// A window's client area as the screen shows it now, without repainting it first.
class ScreenNow : public riztest::Surface {
public:
    explicit ScreenNow(HWND hWnd);

private:
    static CSize ClientSize(HWND hWnd);
};

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Create(CQVLabel& label, LPCTSTR lpszText, DWORD dwStyle, const CRect& rc);
    CRect RectInDialog(HWND hWnd) const;
    // Pixels of a capture of hWnd's client area that differ from the dialog's background beneath them.
    int PixelsOffBackground(HWND hWnd, const riztest::Surface& shot) const;
    static void Pump();

    QVUIShellExecuteFunc m_pfnOldLaunch = nullptr;
    CLabelDialog m_dlg;
};

}  // namespace qvltest
