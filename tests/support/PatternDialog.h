// A dialog of a test program's resources painted over a background of distinct pixels, counting the
// notifications it receives, and the fixture that shows it with skins written at run time.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include <QVSkinResManager.h>

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "PixelProbe.h"
#include "TestData.h"

namespace riztest {

// The background at a client point: no two neighbouring pixels alike, so that a background shown one
// pixel off does not match. nVariant gives a second background.
COLORREF PatternAt(int x, int y, int nVariant = 0);

// The window text of any window, read through the handle.
CString TextOf(HWND hWnd);

// A window's client area as the screen shows it now, without repainting it first.
class ShownNow : public Surface {
public:
    explicit ShownNow(HWND hWnd);
    int Near(COLORREF clr, int nTolerance = 0) const {
        return CountNear(RECT{0, 0, Width(), Height()}, clr, nTolerance);
    }
};

class CPatternDialog : public CDialog {
public:
    explicit CPatternDialog(UINT nIDTemplate) : CDialog(nIDTemplate), m_nIDTemplate(nIDTemplate) {}
    ~CPatternDialog() override;

    BOOL Create() { return CDialog::Create(m_nIDTemplate); }
    // WM_COMMAND by notification code, WM_NOTIFY by code, any other message by itself.
    int Received(UINT message, UINT nCode = 0) const;

    // The background at a client point: m_background when set, else the PatternAt variant m_nBackground.
    COLORREF BackgroundAt(int x, int y) const {
        return m_background ? m_background(x, y) : PatternAt(x, y, m_nBackground ? 1 : 0);
    }

    int m_nBackground = 0;
    PixelFunc m_background;                         // set before Create
    std::function<void(CPatternDialog&)> m_onInit;  // runs in OnInitDialog (modal tests post input there)
    // Runs before the dialog's own handling; answering true with *pResult ends the message there.
    std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)> m_onMessage;

    BOOL OnInitDialog() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate;
    HBITMAP m_hBackground[2] = {};
    std::map<std::pair<UINT, UINT>, int> m_received;
};

// Shows the dialog at the screen's top-left (activated unless bActivate is false) with the focus on
// nFocusId (when not 0) and the pointer parked in the screen's corner; destroys the dialog at the end.
class PatternDialogTest : public ::testing::Test {
protected:
    PatternDialogTest(UINT nIDTemplate, UINT nFocusId, bool bActivate = true)
        : m_dlg(nIDTemplate), m_nFocusId(nFocusId), m_bActivate(bActivate) {}
    void SetUp() override;
    void TearDown() override;

    // Writes skin.ini of these lines (after a [Window] section of its own when they have none) and the
    // files into a fresh subfolder and loads it.
    bool LoadSkinFiles(const CStringA& strIni,
                       std::vector<std::pair<CString, std::vector<BYTE>>> files = {}) {
        CString strPrefix;
        strPrefix.Format(_T("skin%d\\"), m_nSkins++);
        for (const auto& file : files)
            if (!m_folder.WriteFile(strPrefix + file.first, file.second)) return false;
        const CStringA strWindow = strIni.Find("[Window]") < 0 ? "[Window]\r\nCaptionHeight = 24\r\n" : "";
        return m_folder.WriteFile(strPrefix + _T("skin.ini"),
                                  ("[Skin]\r\nName = Test\r\n" + strWindow + strIni).GetString()) &&
               CQVSkinResManager::GetSingletonPtr()->LoadSkin(m_folder.Path(strPrefix));
    }
    HWND Item(UINT nID) const { return ::GetDlgItem(m_dlg.m_hWnd, nID); }
    // A window's rectangle in the dialog's client coordinates.
    CRect RectInDialog(HWND hWnd) const;
    void FocusElsewhere() {
        if (m_nFocusId) ::SetFocus(Item(m_nFocusId));
    }
    static void Pump();
    static void ParkCursor();
    // Repaints the whole dialog now, then copies what it shows; or copies without repainting.
    void FreshPaint(Surface& shot);
    void CopyNow(Surface& shot);
    // Pixels of a window's client area, as shown now, that differ from the dialog's background.
    int OffBackground(HWND hWnd) const;
    // The number of pixels of rc where a and b differ.
    static int Differences(const Surface& a, const Surface& b, const RECT& rc);

    TempFolder m_folder;
    int m_nSkins = 0;
    CPatternDialog m_dlg;
    UINT m_nFocusId;
    bool m_bActivate;
};

}  // namespace riztest
