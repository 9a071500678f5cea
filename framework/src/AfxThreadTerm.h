// Per-thread state of the framework DLL, freed when a thread ends.
#pragma once

// Called from the DLL's thread-detach notification, on the ending thread.
void AfxTermWndThreadState();
void AfxTermThreadHandleMaps();
