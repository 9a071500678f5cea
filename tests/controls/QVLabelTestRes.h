// Resource identifiers of the label tests' messages dialog.
#pragma once

#define IDD_QVLABEL 1100

#define IDC_QVLABEL_LINK 1101
#define IDC_QVLABEL_MESSAGES 1102
