// Resource and command identifiers of the sample client, shared by client.rc and the sources.
#pragma once

// The main frame's menu, toolbar resource and window title string.
#define IDR_MAINFRAME 100

// Dialog templates.
#define IDD_SETTINGS 200
#define IDD_PLANNER 201
#define IDD_LESSON 202
#define IDD_WORDBOOK 203

// Commands. Each has a string "~KEY" whose text is "prompt\nshort name": the status bar shows the
// prompt, the toolbars the short name.
#define ID_LESSON_OPEN 40001
#define ID_LESSON_PLANNER 40002
#define ID_LESSON_SETTINGS 40003
#define ID_LESSON_EXIT 40004
#define ID_WORDS_BOOK 40010
#define ID_CONTACTS_CHAT 40020
#define ID_CONTACTS_SEND_FILE 40021
#define ID_CONTACTS_SIMULATE 40022
#define ID_SKIN_DEFAULT 40030
#define ID_SKIN_JADE 40031
#define ID_LANGUAGE_ENGLISH 40040
#define ID_LANGUAGE_CHINESE 40041
#define ID_HELP_ABOUT 40050
#define ID_HELP_GALLERY 40051
// The "Send file" drop-down's menu.
#define ID_SEND_FILE_LESSON 40060
#define ID_SEND_FILE_WORDS 40061

// The bars: their window ids are also the View commands that show and hide them.
#define ID_VIEW_OUTLOOK 0xE820
#define ID_VIEW_CLASSIC_BAR 0xE821
#define ID_VIEW_ITEM_BAR 0xE822
#define ID_VIEW_MENU_BAR 0xE823

// Controls of the dialog templates and of the chat pane.
#define IDC_SETTINGS_NAME 1001
#define IDC_SETTINGS_LEVEL 1002
#define IDC_SETTINGS_SOUND 1003
#define IDC_SETTINGS_DAILY 1004
#define IDC_PLANNER_EXAM 1010
#define IDC_PLANNER_REVIEW 1011
#define IDC_PLANNER_SHOWN 1012
#define IDC_LESSON_AREA 1020
#define IDC_WORDBOOK_AREA 1021
#define IDC_CHAT_TITLE 1030
#define IDC_CHAT_CONVERSATION 1031
#define IDC_CHAT_INPUT 1032
#define IDC_CHAT_SEND_FILE 1033
#define IDC_CHAT_TRANSFERS 1034
#define IDC_CONTACTS 1040
#define IDC_FRIENDS 1041
#define IDC_CLIENT_SPLIT 1042
