#include "QVListBox.h"

IMPLEMENT_DYNAMIC(CQVListBox, CListBox)
