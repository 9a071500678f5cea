// Translation of window and menu texts through the language table: a text that starts with "~" is a
// language key.
#pragma once

#include "RIZuruzezuDef.h"

// Translates pWnd and its whole child tree, depth first. A window text is trimmed first; when it then
// starts with "~", the rest is looked up with CQVLanResManager::GetString and becomes the window text
// ("~" alone gives the text of the empty key). Nothing for a NULL window.
RIZ_API void TranslateWndStrings(CWnd* pWnd);

// Translates every item of pMenu and of its submenus. An item's text is not trimmed: only a text whose
// very first character is "~" is a key. Command items keep their id and state; an item that opens a
// submenu keeps its submenu. Nothing for a NULL menu.
RIZ_API void TranslateMenuStrings(CMenu* pMenu);
