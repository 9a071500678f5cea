// Resource identifiers of the edit tests' sign-in dialog.
#pragma once

#define IDD_QVEDIT 700

#define IDC_QVEDIT_USER 701
#define IDC_QVEDIT_PASSWORD 702
#define IDC_QVEDIT_SEARCH 703
#define IDC_QVEDIT_NOTE 704
#define IDC_QVEDIT_FILE 705
