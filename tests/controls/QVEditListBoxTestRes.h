// Resource identifiers of the edit list box tests' word book dialog.
#pragma once

#define IDD_QVEDITLIST 1700

#define IDC_QVEDITLIST_WORDS 1701
#define IDC_QVEDITLIST_NOTE 1702
