// Resource and command ids of the skinned window tests (tests/skinwnd/SkinWndTest.rc).
#pragma once

#define IDR_SKINTEST_FRAME 7201
#define ID_SKINTEST_OPEN 7301
#define ID_SKINTEST_CLOSE 7302
#define ID_SKINTEST_ABOUT 7303
#define ID_SKINTEST_PLAIN 7304
