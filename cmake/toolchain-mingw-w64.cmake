# Cross-compiles Windows binaries with MinGW-w64 (posix threads) and runs them under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_riz_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_riz_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_riz_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_riz_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_riz_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Test programs run under Wine through a wrapper that keeps Wine's helper processes off CTest's pipes.
find_program(RIZ_WINE NAMES wine wine64)
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
elseif(RIZ_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${RIZ_WINE})
endif()
