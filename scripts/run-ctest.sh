#!/usr/bin/env bash
# Runs CTest in one build folder under Wine: run-ctest.sh BUILD_DIR [ctest arguments...]
# Starts Xvfb when DISPLAY is unset. RIZ_KEEP_WINE=1 leaves the wineserver running afterwards
# (for several runs side by side on one prefix).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
shift
source "$here/wine-env.sh"
riz_wine_start || exit 1
(riz_charset_env "$build" && riz_warm_up && cd "$build" && ctest --output-on-failure "$@")
rc=$?
if [ -z "${RIZ_KEEP_WINE:-}" ]; then riz_wine_stop; fi
exit $rc
