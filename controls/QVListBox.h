// A skinned list box: the system list box with a one-pixel frame in the skin's border colour.
#pragma once

#include "QVFramedCtrlT.h"

// Replaces a system list box: subclass an existing one (SubclassDlgItem) or Create one. The frame is
// drawn with or without WS_EX_CLIENTEDGE (without it the client area shrinks by the frame's pixel); the
// client rectangle is right once the posted WM_QV_RECALCFRAME has been handled. After UnsubclassWindow the
// window is the system's again.
class RIZ_API CQVListBox : public CQVFramedCtrlT<CListBox> {
    DECLARE_DYNAMIC(CQVListBox)
};
