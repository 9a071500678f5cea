// Owner-drawn menus in the skin's colours: conversion of a menu's items, their measure and their drawing.
#pragma once

#include "RIZuruzezuDef.h"

class CQVBitmapList;

// No state: every operation is static. A converted item is MF_OWNERDRAW with its id kept and, as item
// data, the pointer to the CMenu object given to InitMenu or InitRecentMenuItems; measuring and
// drawing read the item's text back from that menu by command id (the search also covers its
// submenus). The object must therefore outlive the menu's use: a member CMenu or a menu the caller
// keeps attached, not a temporary wrapper.
class RIZ_API CDrawMenuHelper {
public:
    // Converts every item of the menu and of its submenus (depth first). NULL does nothing.
    static void InitMenu(CMenu* pMenu);
    // Converts the items with the command ids nFirstID ... nFirstID + nCount - 1 (a recent-file list
    // that was rebuilt with plain string items).
    static void InitRecentMenuItems(CMenu* pMenu, UINT nFirstID, int nCount);

    // Separators are 100 x 5; other items 25 high and as wide as their text plus 30 (100 without a menu).
    static void MeasureItem(LPMEASUREITEMSTRUCT lpMIS, CDC* pDC);
    // Draws one item: image column, background, selection box, check mark or image of the list (may be
    // NULL), text and accelerator. Images of the list are looked up by the item's command id.
    static void DrawItem(LPDRAWITEMSTRUCT lpDIS, CQVBitmapList* pBitmapList);

    // Widths and heights used by the measure and the drawing.
    enum {
        SEPARATOR_WIDTH = 100,
        SEPARATOR_HEIGHT = 5,
        ITEM_HEIGHT = 25,
        ITEM_EXTRA_WIDTH = 30,  // room of the image column and the margins round the text
        IMAGE_COLUMN_WIDTH = 20,
    };

protected:
    // Converts the first nCount items of the menu by position; submenus with items first.
    static void ModifyMenu(CMenu* pMenu, int nCount);
    // Width of the text in the default GUI font, on one line.
    static int GetMenuTextWidth(CDC* pDC, const CString& strText);
};
