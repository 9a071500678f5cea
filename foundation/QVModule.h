// The library module itself.
#pragma once

#include "RIZuruzezuDef.h"

// The instance handle of RIZuruzezu.dll: the module whose own resources (the message box's dialog
// template) it selects.
RIZ_API HINSTANCE RIZGetInstanceHandle();
