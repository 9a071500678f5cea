// The client's look and language: texts from the language table, a whole-client switch of the skin
// and of the language, and the "~KEY" texts of windows kept for the next switch.
#pragma once

#include <afxwin.h>

#include <utility>
#include <vector>

// The text of a language key ("IDS_CLIENT_TITLE").
CString ClientText(LPCTSTR lpszKey);
// A command's string resource "~KEY" through the language table: its first line, the prompt, or
// after the line break its short name.
CString CommandPrompt(UINT nID);
CString CommandName(UINT nID);

// The folder name of the current skin ("Default", "Jade") and the current language ("en-US").
CString CurrentSkinName();
CString CurrentLanguageName();
// Loads the skin (a folder name under Skins) or the language (a file name under Languages without
// ".lng") and tells every window of the thread: WM_QV_SKINCHANGED or WM_QV_LANCHANGED to each
// top-level window and each of its descendants. FALSE, with nothing changed, when it does not load.
BOOL ApplySkin(LPCTSTR lpszName);
BOOL ApplyLanguage(LPCTSTR lpszName);

// The "~KEY" texts of a window and its descendants, taken before they are translated, so that a
// language switch can name them again.
class CWindowTexts {
public:
    // Remembers the keys, then translates them.
    void Capture(CWnd* pRoot);
    // Sets every remembered window's text again from the current language.
    void Apply() const;

private:
    std::vector<std::pair<HWND, CString>> m_keys;
};
