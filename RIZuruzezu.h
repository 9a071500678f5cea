// RIZuruzezu: skinned user-interface controls. Include this one header to use the library.
#pragma once

#include "RIZuruzezuDef.h"
#include "QVModule.h"
#include "QVSysColors.h"
#include "QVPaintMemoryDC.h"
#include "TransparentBkg.h"
#include "QVBitmapList.h"
#include "TranslateStrings.h"
#include "QVSmartImage.h"
#include "QVButton.h"
#include "DrawMenuHelper.h"
