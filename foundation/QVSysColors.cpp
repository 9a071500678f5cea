// The toolbars' and dock bars' colours: ten system colours read at load, the bar gradient from the skin.
#include "QVSysColors.h"

#include <QVSkinResManager.h>

namespace {

COLORREF g_clrSys[QVSC_COUNT] = {};
COLORREF g_clrBarGradient[2] = {};
bool g_bBarGradientRead = false;

}  // namespace

void ReadSysColors() {
    static const int kSysColors[QVSC_COUNT] = {
        COLOR_BTNSHADOW,    COLOR_WINDOW,  COLOR_BTNFACE,   COLOR_BTNTEXT,   COLOR_WINDOWFRAME,
        COLOR_BTNHIGHLIGHT, COLOR_BTNFACE, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT};
    for (int i = 0; i < QVSC_COUNT; ++i)
        g_clrSys[i] = ::GetSysColor(kSysColors[i]);
    // The skin is not read here (the module entry calls this under the loader lock).
    g_bBarGradientRead = false;
}

COLORREF QVGetSysColor(int nIndex) {
    return nIndex >= 0 && nIndex < QVSC_COUNT ? g_clrSys[nIndex] : 0;
}

void ResetColors() {
    const CQVSkinColorDef* pColors = CQVSkinResManager::GetSingletonPtr()->GetClrDef();
    g_clrBarGradient[0] = pColors->GetColor(5);
    g_clrBarGradient[1] = pColors->GetColor(6);
    g_bBarGradientRead = true;
}

COLORREF QVGetBarGradientStart() {
    if (!g_bBarGradientRead) ResetColors();
    return g_clrBarGradient[0];
}

COLORREF QVGetBarGradientEnd() {
    if (!g_bBarGradientRead) ResetColors();
    return g_clrBarGradient[1];
}
