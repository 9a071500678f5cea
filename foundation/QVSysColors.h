// Colours shared by the toolbars and dock bars: ten system colours read once when the library loads,
// and the two colours of the control bars' gradient background taken from the skin.
#pragma once

#include "RIZuruzezuDef.h"

// Indexes of QVGetSysColor, in the order the colours are read. Some system colours are read into more
// than one slot so that each use keeps a colour of its own.
enum QVSysColorIndex {
    QVSC_BTNSHADOW = 0,  // COLOR_BTNSHADOW
    QVSC_WINDOW,         // COLOR_WINDOW
    QVSC_BTNFACE,        // COLOR_BTNFACE
    QVSC_BTNTEXT,        // COLOR_BTNTEXT
    QVSC_WINDOWFRAME,    // COLOR_WINDOWFRAME
    QVSC_BTNHIGHLIGHT,   // COLOR_BTNHIGHLIGHT
    QVSC_BTNFACE_2,      // COLOR_BTNFACE
    QVSC_HIGHLIGHT,      // COLOR_HIGHLIGHT
    QVSC_HIGHLIGHT_2,    // COLOR_HIGHLIGHT
    QVSC_HIGHLIGHT_3,    // COLOR_HIGHLIGHT
    QVSC_COUNT
};

// The colour read at load for a QVSysColorIndex; 0 for an index out of range.
RIZ_API COLORREF QVGetSysColor(int nIndex);

// The control bars' gradient: skin colour entries 5 (start) and 6 (end). Read from the skin at first
// use and again by ResetColors, which a host or a control bar calls after a skin change.
RIZ_API COLORREF QVGetBarGradientStart();
RIZ_API COLORREF QVGetBarGradientEnd();
RIZ_API void ResetColors();

// Reads the ten system colours and leaves the gradient to be read from the skin at its next use. The
// module entry calls it when the library loads; not exported.
void ReadSysColors();
