// The arithmetic of the dock menu bar, apart from its window: access keys of item texts, the row of
// items from their measured text sizes, the hit test, the drawing state of an item, the point a
// drop-down opens at and the guard against reopening one.
#pragma once

#include <afxwin.h>

#include <map>
#include <vector>

#include "RIZuruzezuDef.h"
#include "SkinMenuBar.h"

namespace qvdockmenu {

// Pixels of the bar: the grip room at the left (a click at x <= kGripRight drags the bar), the room
// round a text, the shadow room beyond the hit rectangle and the margin the window keeps round the row.
enum : int {
    kFirstItemLeft = 10,
    kGripRight = 10,
    kItemTop = 3,
    kTextExtraWidth = 20,
    kTextExtraHeight = 2,
    kShadowRoom = 4,
    kWindowMargin = 3,
    kMaxItemText = 32,
};
// A drop-down that closed less than this many milliseconds ago is not opened again.
constexpr DWORD kReopenGuardMillis = 100;

// The byte after the first "&" of the text: 0 when there is no "&" or it is the last character. The
// byte is compared as it stands with the low byte of a WM_SYSKEYDOWN's key, so "&f" is never Alt+F. A
// UTF-16 character beyond one byte gives 0 (it cannot be a key byte).
RIZ_API BYTE AccessKeyOf(LPCTSTR lpszText);

// Key byte -> index of the first item that has it; items with key 0 have none.
RIZ_API std::map<BYTE, int> AccessKeyMap(const std::vector<BYTE>& keys);

struct CItemRects {
    CRect rcItem;  // the item with its shadow room
    CRect rcHit;   // the item less the shadow room at right and bottom
};

// The row laid out in rc (client coordinates of the bar) from the measured size of each item's text:
// items follow each other from rc.left + 10, each its text width + 20 wide and from rc.top + 3 to
// rc.top + text height + 2. *pBarSize (when given) is the window size that holds the row: the right
// edge of the last hit rectangle and the tallest item height, each with 3 pixels more.
RIZ_API std::vector<CItemRects> LayoutItems(const CRect& rc, const std::vector<CSize>& textSizes,
                                            CSize* pBarSize = nullptr);

// Index of the first hit rectangle that contains pt, or -1.
RIZ_API int HitTest(const std::vector<CItemRects>& items, CPoint pt);

// The drawing state of item nItem: open when it is the current item and its drop-down shows, hot when
// it is the current item otherwise, else normal.
RIZ_API QVMenuItemState ItemState(int nItem, int nCurrent, BOOL bOpen);

// Where the drop-down of an item opens (screen): the bar window's top-left plus the hit rectangle's
// left and bottom, each coordinate at least 0. The menu is tracked one pixel higher.
RIZ_API CPoint DropDownPoint(const CRect& rcBarWindow, const CRect& rcHit);

// TRUE while a new drop-down must not open: less than 100 ms since the last one ended (tick counts
// that wrap are handled by the unsigned difference).
RIZ_API BOOL IsReopenGuarded(DWORD dwNow, DWORD dwLastEnd);

}  // namespace qvdockmenu
