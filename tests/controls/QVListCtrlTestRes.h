// Resource identifiers of the list tests' word book dialog.
#pragma once

#define IDD_QVLIST 1250

#define IDC_QVLIST_UNITS 1251
#define IDC_QVLIST_WORDS 1252
#define IDC_QVLIST_COURSE 1253
