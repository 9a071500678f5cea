// Counts of what this process holds in GDI and USER, for a host's own leak checks (a self-test that
// runs its windows many times and expects the counts where they were).
#pragma once

#include "RIZuruzezuDef.h"

// Live GDI objects (DCs, bitmaps, brushes, pens, fonts, regions...) owned by this process, stock objects
// excluded; -1 when they cannot be counted. GetGuiResources answers 0 under some systems, so the count
// then reads the process's GDI handle table.
RIZ_API int QVCountGdiObjects();

// Windows of the calling thread: top-level windows and all their descendants, the system's per-thread
// IME window excluded (it comes and goes with the thread's first window).
RIZ_API int QVCountThreadWindows();
