// The client's look and language: texts from the language table and a whole-client switch of the
// skin and of the language.
#pragma once

#include <afxwin.h>

// The text of a language key ("IDS_CLIENT_TITLE").
CString ClientText(LPCTSTR lpszKey);
// A command's string resource "~KEY" through the language table: its first line, the prompt, or
// after the line break its short name.
CString CommandPrompt(UINT nID);
CString CommandName(UINT nID);

// The folder name of the current skin ("Default", "Jade") and the current language ("en-US").
CString CurrentSkinName();
CString CurrentLanguageName();
// The folder of the skin named lpszName ("Jade"), empty when there is none.
CString SkinFolderNamed(LPCTSTR lpszName);
// Loads the skin (a folder name under Skins) or the language (a file name under Languages without
// ".lng") and tells every window of the thread: WM_QV_SKINCHANGED or WM_QV_LANCHANGED to each
// top-level window and each of its descendants. FALSE, with nothing changed, when it does not load.
BOOL ApplySkin(LPCTSTR lpszName);
BOOL ApplyLanguage(LPCTSTR lpszName);
