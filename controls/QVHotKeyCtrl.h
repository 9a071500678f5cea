// A skinned hot-key field: the one-pixel skin frame of the list controls.
#pragma once

#include "QVFramedCtrlT.h"

// Replaces the frame of a system hot-key control: subclass one (SubclassDlgItem) or Create one. With
// WS_EX_CLIENTEDGE the sunken edge becomes a one-pixel rectangle in the skin's border colour; without
// it the field gets no non-client painting at all (the system's control takes WS_EX_CLIENTEDGE at
// creation, so that is a field whose host removed the style). The client rectangle is right once the
// posted WM_QV_RECALCFRAME has been handled.
class RIZ_API CQVHotKeyCtrl : public CQVFramedCtrlT<CHotKeyCtrl> {
    DECLARE_DYNAMIC(CQVHotKeyCtrl)
};
