// Automatic skinning of a window's child controls: every system control among the direct children
// becomes the matching skinned control, and every child gets skinned scroll bars.
#pragma once

#include "RIZuruzezuDef.h"

#include <afxwin.h>

#include <vector>

// Skins pParent's direct children and appends each control object it made to vecCtrls, which owns
// them from then on. The children are collected first (a control may make windows as it is
// subclassed); each gets skinned scroll bars drawn from the window skin record's bitmap, and a child
// that already belongs to a framework object (FromHandlePermanent: the host subclassed it, or an
// earlier call did) keeps its object. So a second call skins only children added since. The object
// for a child follows QVAutoSkinKindFor (QVAutoSkinTable.h). A null parent or one without a window
// does nothing.
//
// The platform's list box, edit, list view, tree and rich edit keep their bars up to date through the
// scroll-bar functions: call InstallScrollBarHook before skinning, or those controls go on updating
// the system's copy of their bars while the skinned bars stand still.
RIZ_API void QVSkin_AutoLoadControl(CWnd* pParent, std::vector<CWnd*>& vecCtrls);

// Gives every window in vecCtrls its procedure back, deletes the objects and empties the vector. An
// object whose window is already gone is only deleted. The skinned scroll bars stay until their
// windows go.
RIZ_API void QVSkin_ReleaseControl(CWnd* pParent, std::vector<CWnd*>& vecCtrls);

// After a skin change: the labels in vecCtrls take the background rule of the new skin again (the
// client colour, or the parent's background), so that the window looks as it would made afresh in
// that skin. Skinned dialogs call it for their own controls; a host that skins a window of its own
// calls it when that window hears the skin change.
RIZ_API void QVSkin_AutoSkinChanged(CWnd* pParent, const std::vector<CWnd*>& vecCtrls);
