// Resource ids of the dialog and frame tests (2000-2999).
#pragma once

// The lesson dialog of the data-exchange tests.
#define IDD_DLGT_LESSON 2000
#define IDC_DLGT_NAME 2001
#define IDC_DLGT_AGE 2002
#define IDC_DLGT_AUDIO 2003
#define IDC_DLGT_BEGINNER 2004
#define IDC_DLGT_MIDDLE 2005
#define IDC_DLGT_ADVANCED 2006
#define IDC_DLGT_LESSON 2007
#define IDC_DLGT_WORDS 2008
#define IDC_DLGT_NOTES 2009
#define IDC_DLGT_REVIEW 2010
#define IDC_DLGT_LEVEL_NOTE 2011
#define IDC_DLGT_PRICE 2012

// A dialog found by its name rather than a number.
#define IDD_DLGT_NAMED_STR "DLGT_NAMED"

// A dialog id no module of the test program has.
#define IDD_DLGT_MISSING 2999

// The frame of the frame tests: menu, accelerators and title share the id.
#define IDR_DLGT_FRAME 2100
#define ID_FRMT_OPEN 2101
#define ID_FRMT_SAVE 2102
#define ID_FRMT_PRINT 2103
#define ID_FRMT_GRID 2104
#define ID_FRMT_RULER 2105
#define ID_FRMT_VIEWCMD 2106
#define ID_FRMT_APPCMD 2107
#define ID_FRMT_REFRESH 2108
#define ID_FRMT_BOTH 2109
#define ID_FRMT_RECENT 2110

// A title string without a menu: LoadFrame must fail.
#define IDR_DLGT_NOMENU 2150
