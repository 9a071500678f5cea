// Which skinned control the automatic skinning makes for a system child: from its window class name,
// its style and the window skin's client background mode, with no window involved.
#pragma once

#include <afxwin.h>

// The object made for one child window.
enum QVAutoSkinKind {
    QVASK_NONE = 0,           // left to the system (its scroll bars are still skinned)
    QVASK_EDIT,               // CQVEdit
    QVASK_EDIT_TRANSPARENT,   // CQVEdit over the parent's background
    QVASK_COMBOBOX,           // CQVComboBox
    QVASK_LISTBOX,            // CQVListBox
    QVASK_LISTCTRL,           // CQVListCtrl
    QVASK_TREECTRL,           // CQVTreeCtrl
    QVASK_BUTTON,             // CQVButton
    QVASK_GROUPBOX,           // CQVGroupBox
    QVASK_LABEL_COLOUR,       // CQVLabel on the skin's client background colour
    QVASK_LABEL_TRANSPARENT,  // CQVLabel over the parent's background
    QVASK_SLIDER,             // CQVSliderCtrl
    QVASK_SPIN,               // CQVSpinButtonCtrl
    QVASK_HOTKEY,             // CQVHotKeyCtrl
    QVASK_DATETIME,           // CQVDateTimeCtrl
};

// The label a static gets under a client background mode: a coloured one for the solid colour (1), a
// transparent one over an image (2, 3), none when the skin paints no background.
inline QVAutoSkinKind QVAutoSkinLabelKind(int nClientBkMode) {
    if (nClientBkMode == 1) return QVASK_LABEL_COLOUR;
    if (nClientBkMode == 2 || nClientBkMode == 3) return QVASK_LABEL_TRANSPARENT;
    return QVASK_NONE;
}

// Class names are compared without regard to case. Only the type in the low four bits of a static's
// style is read: icons (3) and owner-drawn statics (13) keep the system's drawing, and every other type
// becomes a label that draws its text only, so a bitmap (14) or an etched line or frame (16 to 18, read
// as 0 to 2) shows no picture or line once skinned.
inline QVAutoSkinKind QVAutoSkinKindFor(LPCTSTR lpszClass, DWORD dwStyle, int nClientBkMode) {
    if (lpszClass == nullptr) return QVASK_NONE;
    auto is = [lpszClass](LPCTSTR lpszName) { return ::lstrcmpi(lpszClass, lpszName) == 0; };
    if (is(_T("Edit"))) {
        const BOOL bTransparent = (dwStyle & ES_READONLY) && !(dwStyle & (WS_VSCROLL | WS_HSCROLL));
        return bTransparent ? QVASK_EDIT_TRANSPARENT : QVASK_EDIT;
    }
    if (is(_T("ComboBox"))) return QVASK_COMBOBOX;
    if (is(_T("ListBox"))) return QVASK_LISTBOX;
    if (is(_T("SysListView32"))) return QVASK_LISTCTRL;
    if (is(_T("SysTreeView32"))) return QVASK_TREECTRL;
    if (is(_T("Button"))) {
        switch (dwStyle & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return QVASK_BUTTON;
        case BS_GROUPBOX:
            return QVASK_GROUPBOX;
        default:
            return QVASK_NONE;
        }
    }
    if (is(_T("Static"))) {
        const DWORD dwType = dwStyle & 0xF;
        if (dwType == SS_ICON || dwType == SS_OWNERDRAW) return QVASK_NONE;
        return QVAutoSkinLabelKind(nClientBkMode);
    }
    if (is(_T("msctls_trackbar32"))) return QVASK_SLIDER;
    if (is(_T("msctls_updown32"))) return QVASK_SPIN;
    if (is(_T("msctls_hotkey32"))) return QVASK_HOTKEY;
    if (is(_T("SysDateTimePick32"))) return QVASK_DATETIME;
    // Rich edits and every other class keep their own drawing.
    return QVASK_NONE;
}
