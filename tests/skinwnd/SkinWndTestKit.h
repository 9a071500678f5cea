// Helpers of the skinned window tests: a window skin record of plain coloured images with known metrics,
// in-memory dialog templates, a copy of a real skin in a temporary folder, and frame pixels read back.
#pragma once

#include <afxwin.h>

#include <QVSkinRes.h>

#include <vector>

#include "TestData.h"

namespace skintest {

// Metrics of the test record: every side different, so that a swapped side shows.
constexpr int kLeft = 4;
constexpr int kRight = 5;
constexpr int kCaption = 30;
constexpr int kBottom = 6;
constexpr int kBtnWidth = 20;
constexpr int kBtnHeight = 18;
constexpr int kBtnGap = 2;
constexpr int kMenuBar = 24;

constexpr COLORREF kCaptionActive = RGB(200, 40, 40);
constexpr COLORREF kCaptionInactive = RGB(40, 40, 200);
constexpr COLORREF kBorderActive = RGB(30, 160, 30);
constexpr COLORREF kBorderInactive = RGB(120, 120, 120);
constexpr COLORREF kClientBk = RGB(240, 244, 250);

enum Button { BTN_MIN = 0, BTN_MAX = 1, BTN_RESTORE = 2, BTN_CLOSE = 3 };
// The solid colour of frame nFrame (0-7) of a caption button image.
COLORREF ButtonColor(Button nButton, int nFrame);

// Replaces the skin's window record by the test record (or leaves it, with bTestRecord false) and puts
// the original record, skin folder and language back at destruction.
class SkinScope {
public:
    explicit SkinScope(bool bTestRecord = true);
    ~SkinScope();
    SkinScope(const SkinScope&) = delete;
    SkinScope& operator=(const SkinScope&) = delete;

    CQVSkinWndRes& Res();

private:
    CQVSkinWndRes m_saved;
    CString m_strSkinFolder;
    CString m_strLanguage;
};

// Fills a record with the test images and metrics: no outlines, no masks, background mode 1.
void MakeTestRecord(CQVSkinWndRes& res);

// One control of an in-memory dialog template (dialog units), made WS_CHILD | WS_VISIBLE.
struct DialogItem {
    LPCWSTR lpszClass;
    WORD wId;
    DWORD dwStyle;
    DWORD dwExStyle;
    short x, y, cx, cy;
    LPCWSTR lpszText;
};
std::vector<WORD> DialogTemplateOf(DWORD dwStyle, int cx, int cy, LPCWSTR lpszTitle,
                                   const std::vector<DialogItem>& items);

// A modeless dialog template in memory (units are dialog units): labels in rows from the top and, with
// a non-zero wButtonId, an "OK" push button in the bottom right corner.
std::vector<WORD> DialogTemplate(DWORD dwStyle, int cx, int cy, LPCWSTR lpszTitle,
                                 const std::vector<std::pair<LPCWSTR, WORD>>& statics = {},
                                 WORD wButtonId = 0);

// The folder of a skin shipped beside the library ("Default", "Jade"), ending in a backslash.
CString ShippedSkinFolder(LPCTSTR lpszName);

// A copy of a shipped skin in a temporary folder, so that tests may write ".rgn" files into it.
class SkinCopy {
public:
    explicit SkinCopy(LPCTSTR lpszName);
    CString Folder() const { return m_folder.Path(_T("skin\\")); }
    CString WindowFile(LPCTSTR lpszName) const { return Folder() + _T("Common\\Window\\") + lpszName; }

private:
    riztest::TempFolder m_folder;
};

// The colour at (x, y) of a window's own surface, in window coordinates.
COLORREF WindowPixel(HWND hWnd, int x, int y);

// Window and client rectangles of a window, the client in window coordinates.
CRect WindowRect(HWND hWnd);
CRect ClientInWindow(HWND hWnd);

// WM_NCHITTEST for a point in window coordinates.
UINT HitTest(HWND hWnd, int x, int y);

// Size of a file, -1 when it does not exist.
LONGLONG FileSize(const CString& strPath);
bool FileExists(const CString& strPath);
// The whole of a file (empty when it cannot be read), and a file written anew with the bytes.
std::vector<BYTE> ReadBytes(const CString& strPath);
bool WriteBytes(const CString& strPath, const std::vector<BYTE>& data);

}  // namespace skintest
