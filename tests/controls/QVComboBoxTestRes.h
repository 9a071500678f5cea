// Resource identifiers of the combo box tests' settings dialog.
#pragma once

#define IDD_QVCOMBO 740

#define IDC_QVCOMBO_LEVEL 741
#define IDC_QVCOMBO_CITY 742
#define IDC_QVCOMBO_COLOR 743
#define IDC_QVCOMBO_FACES 744
