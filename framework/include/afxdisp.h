// Automation types: dates and times (COleDateTime, COleDateTimeSpan).
#pragma once

#include "afx.h"
#include "ATLComTime.h"
