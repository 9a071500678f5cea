#include "QVTreeCtrl.h"

IMPLEMENT_DYNAMIC(CQVTreeCtrl, CTreeCtrl)
