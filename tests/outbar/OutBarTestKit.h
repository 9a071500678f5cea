// What the outlook bar tests share: a skin of solid-colour header frames written at run time, image
// lists of solid-colour icons, an owner window that records every notification and answers from a
// script, and the fixture that builds them.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "QVOutBarCtrl.h"
#include "MessagePump.h"
#include "TestData.h"

namespace obtest {

using riztest::PumpMessages;

constexpr int kHeader = 24;
constexpr COLORREF kHeaderNormal = RGB(200, 40, 40);   // header image frame 0
constexpr COLORREF kHeaderHot = RGB(40, 200, 40);      // frame 1
constexpr COLORREF kHeaderPressed = RGB(40, 40, 200);  // frame 2
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kBack = RGB(90, 90, 90);  // the bar's background in the tests
constexpr int kLarge = 32;                   // icon sizes
constexpr int kSmall = 16;

// Colour of icon n of the test image lists.
COLORREF IconColour(int n);

// Writes a skin (header frames of the colours above, nHeight high; with bTransparent the image's
// top-left 3 x 3 pixels of each frame are the key colour and the skin draws it with that key) into
// <folder>\<lpszSub> and loads it.
bool LoadTestSkin(const riztest::TempFolder& folder, LPCTSTR lpszSub, int nHeight = kHeader,
                  bool bTransparent = false, bool bWithImage = true);

// An image list of nCount square images of cx pixels, image n of IconColour(n).
void MakeImageList(CImageList& list, int cx, int nCount);

// One notification as the owner decoded it.
struct Note {
    int nCode = 0;
    int nIndex = 0;
    int nDragFrom = 0;
    int nDragTo = 0;
    bool bText = false;  // lpszText was not NULL
    CString strText;
    bool bFolder = false;
};

// A top-level window at (60, 60) that owns the bar under test.
class COwnerWnd : public CWnd {
public:
    BOOL Create(int cx, int cy);

    std::vector<Note> m_notes;
    // The answer to a notification; without one every notification is answered 1.
    std::function<LRESULT(const Note&)> m_answer;

    int Count(int nCode) const;
    const Note* Last(int nCode) const;
    std::vector<int> Codes() const;
    // The codes without the hover notifications.
    std::vector<int> CodesWithoutHover() const;

protected:
    afx_msg LRESULT OnOutBarNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A hidden window that runs actions posted to it: a test's way to act in the middle of a mouse loop
// (the loop dispatches the action when it reaches it in the queue).
class CProbeWnd : public CWnd {
public:
    BOOL Create();
    void Post(std::function<void()> action);

protected:
    afx_msg LRESULT OnRun(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::vector<std::function<void()>> m_actions;
};

// Moves the pointer far from every test window.
void ParkCursor();
// Moves the pointer to a client point of a window.
void PutCursor(HWND hWnd, int x, int y);
// Copies a window's client area as it is on screen, without repainting it.
void ReadClient(HWND hWnd, HDC hTarget, int cx, int cy);

class OutBarTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the bar as a child of the owner, at (0, 0) cx x cy, with a known background.
    void CreateBar(CQVOutBarCtrl& bar, int cx = 200, int cy = 300);
    // Folders "F0".. with data 100 + i, each with nItems items "Item i.j" of image j and data 10 * j.
    void Fill(CQVOutBarCtrl& bar, int nFolders, int nItems);
    // The fixture's bar, made (after the test's skin is loaded: a bar reads the skin when it is
    // constructed) by CreateBar and Fill.
    CQVOutBarCtrl& MakeBar(int nFolders, int nItems, int cx = 200, int cy = 300);
    // Sends a left press at a client point after posting the rest of the input.
    static void Press(CQVOutBarCtrl& bar, CPoint pt);
    static CPoint Centre(const CRect& rc) { return rc.CenterPoint(); }

    riztest::TempFolder m_folder;
    COwnerWnd m_owner;
    CProbeWnd m_probe;
    CImageList m_large;
    CImageList m_small;
    std::unique_ptr<CQVOutBarCtrl> m_pBar;
};

}  // namespace obtest
