// Framework extensions: included for source compatibility; everything lives in afxwin.h for now.
#pragma once

#include "afxwin.h"
