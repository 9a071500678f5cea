// Resource ids shared by the framework tests, their program's resources and the test extension DLL.
#pragma once

// Strings: the program and the extension DLL both have IDS_EXT_SHARED; only the DLL has IDS_EXT_ONLY.
#define IDS_EXT_SHARED 20800
#define IDS_EXT_ONLY 20801
#define IDS_EXE_ONLY 20802

// Strings of the string-loading tests, which map the DLL as data: a format, a Chinese text and a
// numbered message in a block of their own (IDS_EXT_HELLO + 1 is in the block but empty).
#define IDS_EXT_HELLO 20880
#define IDS_EXT_CHINESE 20883
#define IDS_EXT_MESSAGE 20884

// Menus: both modules have IDR_SHARED_MENU (different first items); only the DLL has IDR_EXT_MENU.
#define IDR_SHARED_MENU 20810
#define IDR_EXT_MENU 20811
#define ID_EXT_OPEN 20820
#define ID_EXT_CLOSE 20821
#define ID_SHARED_PROGRAM 20822
#define ID_SHARED_EXTENSION 20823

// A dialog template and a bitmap only the DLL has.
#define IDD_EXT_DIALOG 20830
#define IDC_EXT_EDIT 20831
#define IDB_EXT_BITMAP 20840

// The menu of the menu and command-UI tests (program resources).
#define IDR_TEST_MENU 20850
#define ID_TEST_NEW 20851
#define ID_TEST_OPEN 20852
#define ID_TEST_SAVE 20853
#define ID_TEST_RECENT1 20854
#define ID_TEST_RECENT2 20855
#define ID_TEST_LEFT 20856
#define ID_TEST_CENTER 20857
#define ID_TEST_RIGHT 20858
#define ID_TEST_GBK 20859
