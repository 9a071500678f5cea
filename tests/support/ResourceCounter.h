// Counts live GDI objects and windows of this process, so that tests can catch leaks.
#pragma once

#include <windows.h>

#include <functional>

namespace riztest {

// Live GDI objects (DCs, bitmaps, brushes, pens, fonts, regions...) owned by this process, stock objects
// excluded. GetGuiResources answers 0 under Wine, so the count reads the process's GDI handle table.
int CountGdiObjects();

// Windows of this thread: top-level windows and all their descendants.
int CountThreadWindows();

// A snapshot of both counts; Leaked() compares a later state with it.
struct ResourceSnapshot {
    int gdi = CountGdiObjects();
    int windows = CountThreadWindows();

    int GdiDelta() const { return CountGdiObjects() - gdi; }
    int WindowDelta() const { return CountThreadWindows() - windows; }
};

// The body of a create/destroy soak: cycle(k) 20 times to warm up the caches of GDI and USER, then
// for SoakCycles() cycles with the queue pumped every 100, and expects both counts where they were
// after the warm-up (the framework's temporary objects freed at both ends, as at idle).
void ExpectCyclesLeakNothing(const std::function<void(int)>& cycle);

}  // namespace riztest
