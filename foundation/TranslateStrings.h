// Translation of window and menu texts through the language table: a text that starts with "~" is a
// language key.
#pragma once

#include "RIZuruzezuDef.h"

// Translates pWnd and its whole child tree, depth first. A window text is trimmed first; when it then
// starts with "~", the rest is looked up with CQVLanResManager::GetString and becomes the window text
// ("~" alone gives the text of the empty key). The key is remembered with the window: while the window
// still shows the text it was given, every later call translates the key again, so that each language
// change renames it; a text set since then (plain or another "~KEY") takes over. Nothing for a NULL
// window.
RIZ_API void TranslateWndStrings(CWnd* pWnd);

// Translates every item of pMenu and of its submenus. An item's text is not trimmed: only a text whose
// very first character is "~" is a key. Command items keep their id and state; an item that opens a
// submenu keeps its submenu. As with windows, the key of an item (known by its command id or its
// submenu) is remembered while the item shows its translation, so a menu translated in place is
// translated again from its keys by every later call. Nothing for a NULL menu.
RIZ_API void TranslateMenuStrings(CMenu* pMenu);
