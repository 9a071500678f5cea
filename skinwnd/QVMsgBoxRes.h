// Resource identifiers of the message box's dialog template, kept in RIZuruzezu.dll.
#pragma once

#define IDD_QV_MSGBOX 4009

// The three buttons, left to right. The first one shares its id with IDABORT; the dialog maps each id
// to the result of its place in the button set, never to the id itself.
#define IDC_QV_MSGBOX_BTN1 3
#define IDC_QV_MSGBOX_BTN2 4000
#define IDC_QV_MSGBOX_BTN3 4001
