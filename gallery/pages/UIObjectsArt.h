// What the windowless objects pages share: language texts, the page colour, the pictures they draw and
// write to files for the kinds to load (goods, icons, a button strip, an animated GIF), and the launcher
// that shows opened addresses on the page instead of starting a browser.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

namespace uigallery {

// To a page: a kind opened an address; lParam is the address (LPCTSTR, valid during the call).
constexpr UINT WM_GALLERY_OPENED = WM_APP + 40;

CString Text(LPCTSTR lpszKey);
// A language text with its "%s" replaced by strValue.
CString TextWith(LPCTSTR lpszKey, const CString& strValue);
CString FaceName();
// The skin's client background.
COLORREF PageColour();

// While a page is shown, addresses the kinds open go to it as WM_GALLERY_OPENED; no program starts.
void ShowLaunchesIn(HWND hWnd);
// Puts the previous launcher back, when hWnd is the page that took it.
void StopShowingLaunches(HWND hWnd);

// The kinds load their pictures from files: the pages draw them and write them to the temporary
// folder. A kind reads the whole file when it loads it, so the files go once the page is built.
class CPictureFiles {
public:
    CPictureFiles() = default;
    ~CPictureFiles() { DeleteAll(); }
    CPictureFiles(const CPictureFiles&) = delete;
    CPictureFiles& operator=(const CPictureFiles&) = delete;

    // A file name of this process in the temporary folder, deleted by DeleteAll.
    CString PathFor(LPCTSTR lpszName);
    void DeleteAll();

private:
    std::vector<CString> m_files;
};

enum PictureKind { PIC_BOOK, PIC_HEADSET, PIC_HEADSET_MIC, PIC_DICTIONARY, PIC_CARDS };

// Each writer answers the file's path, or an empty string when it could not be written.

// An opaque square picture of cx pixels: a book, a headset, a dictionary or word cards in colour clr,
// with lpszMark printed on the cover or the top card.
CString WritePicture(CPictureFiles& files, LPCTSTR lpszName, int cx, PictureKind nKind, COLORREF clr,
                     LPCTSTR lpszMark);
// Transparent icons: a speaker (16 px), a microphone (32 px).
CString WriteSpeakerIcon(CPictureFiles& files);
CString WriteMicrophoneIcon(CPictureFiles& files);
// Two 24-pixel cells for an icon button: cell 0 (disabled) grey, cell 1 (enabled) green.
CString WritePlayStrip(CPictureFiles& files);
// The strips' 18-pixel icons: 0 an "i", 1 a tick, 2 a star.
CString WriteStripIcon(CPictureFiles& files, int nIcon);
// The strips' close button: two 16-pixel cells, cell 0 (disabled) light, cell 1 dark.
CString WriteCloseStrip(CPictureFiles& files);
// Five 40 x 28 button states: normal, hover, pressed, disabled, lit.
CString WriteButtonStrip(CPictureFiles& files);
// A looping level meter, 56 x 40, eight frames of 120 ms.
CString WriteLevelMeterGif(CPictureFiles& files);

// Any picture of cx x cy: draw paints on a surface filled with the key colour (magenta). The key pixels
// come out transparent, or with bKeepKey stay in the key colour, for images drawn with a key.
CString WriteDrawing(CPictureFiles& files, LPCTSTR lpszName, int cx, int cy,
                     const std::function<void(CDC&)>& draw, BOOL bKeepKey);

}  // namespace uigallery
