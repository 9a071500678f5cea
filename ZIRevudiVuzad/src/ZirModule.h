// What the parts of ZIRevudiVuzad.dll share about the module itself.
#pragma once

#include "ZIRevudiVuzadDef.h"

// The DLL's instance handle.
HINSTANCE ZirGetInstance();
// The folder of the DLL, ending in a backslash: skins and languages are found under it.
CString ZirModuleFolder();

// Frees what the ending thread kept: its reusable memory surface.
void ZirFreeThreadSurfaces();
