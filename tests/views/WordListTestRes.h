// Resource identifiers of the word list tests' spelling dialog.
#pragma once

#define IDD_WORDLIST 1270

#define IDC_WORDLIST_TEST 1271
#define IDC_WORDLIST_BOOK 1272
