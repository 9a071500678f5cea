// A skinned tree: the system tree view with its sunken edge replaced by a one-pixel frame in the skin's
// border colour.
#pragma once

#include "QVFramedCtrlT.h"

// Replaces a system tree view: subclass an existing one (SubclassDlgItem) or Create(Ex) one. Only a tree
// with WS_EX_CLIENTEDGE gets the frame; one without keeps the system's. The client rectangle is right
// once the posted WM_QV_RECALCFRAME has been handled. After UnsubclassWindow the window is the
// system's again.
class RIZ_API CQVTreeCtrl : public CQVFramedCtrlT<CTreeCtrl> {
    DECLARE_DYNAMIC(CQVTreeCtrl)
};
