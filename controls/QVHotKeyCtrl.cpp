#include "QVHotKeyCtrl.h"

IMPLEMENT_DYNAMIC(CQVHotKeyCtrl, CHotKeyCtrl)
