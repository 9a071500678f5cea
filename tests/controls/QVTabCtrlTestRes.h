// Resource identifiers of the tab control tests' dialog.
#pragma once

#define IDD_QVTAB 930

#define IDC_QVTAB_STRIP 931
