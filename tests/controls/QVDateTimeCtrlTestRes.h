// Resource identifiers of the date-time tests' exam dialog.
#pragma once

#define IDD_QVDATE 1640

#define IDC_QVDATE_EXAM 1641
#define IDC_QVDATE_PLAIN 1642
#define IDC_QVDATE_UPDOWN 1643
#define IDC_QVDATE_NONE 1644
