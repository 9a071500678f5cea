// Resource ids of the gallery program.
#pragma once

// The controls dialog of the framework windows page.
#define IDD_GAL_CONTROLS 100
#define IDC_GAL_NAME 101
#define IDC_GAL_LESSON 102
#define IDC_GAL_PRICE 103
#define IDC_GAL_NOTES 104
#define IDC_GAL_AUDIO 105
#define IDC_GAL_PINYIN 106
#define IDC_GAL_REVIEW 107
#define IDC_GAL_OFFLINE 108
#define IDC_GAL_BEGINNER 109
#define IDC_GAL_MIDDLE 110
#define IDC_GAL_ADVANCED 111
#define IDC_GAL_EXPERT 112
#define IDC_GAL_START 113
#define IDC_GAL_REVIEWBTN 114
#define IDC_GAL_EXPORT 115
#define IDC_GAL_CONTACTS 116
#define IDC_GAL_TREE 117
#define IDC_GAL_TAB 118
#define IDC_GAL_WORDS 119

// The frame of the framework windows page: its menu and the prompts of its commands.
#define IDR_GAL_FRAME 200
#define ID_GAL_OPEN 201
#define ID_GAL_SAVE 202
#define ID_GAL_PRINT 203
#define ID_GAL_RECENT1 204
#define ID_GAL_RECENT2 205
#define ID_GAL_EXIT 206
#define ID_GAL_PINYIN 207
#define ID_GAL_TRANSLATION 208
#define ID_GAL_SLOWAUDIO 209
#define ID_GAL_BEGINNER 210
#define ID_GAL_MIDDLE 211
#define ID_GAL_ADVANCED 212
#define ID_GAL_ABOUT 213

// The skinned windows page: the send-file dialog and the lesson frame's menu (texts are language keys).
#define IDD_GAL_SENDFILE 300
#define IDC_GAL_SEND_TO 301
#define IDC_GAL_SEND_FILE 302
#define IDC_GAL_SEND_NOTIFY 303
#define IDR_GAL_SKINFRAME 310
