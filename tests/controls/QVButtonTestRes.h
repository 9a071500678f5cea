// Resource identifiers of the button tests' dialog.
#pragma once

#define IDD_QVBTN 300

#define IDC_QVBTN_SEND 301
#define IDC_QVBTN_START 302
#define IDC_QVBTN_REMEMBER 303
#define IDC_QVBTN_LARGE 304
#define IDC_QVBTN_BEGINNER 305
#define IDC_QVBTN_MIDDLE 306
#define IDC_QVBTN_ADVANCED 307
#define IDC_QVBTN_NOTE 308
#define IDC_QVBTN_EXPERT 309
#define IDC_QVBTN_DETAILS 310
#define IDC_QVBTN_ONLINE 311
#define IDC_QVBTN_AWAY 312
#define IDC_QVBTN_CLOSE 313
