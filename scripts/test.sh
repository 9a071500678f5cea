#!/usr/bin/env bash
# Runs every test of the given build folders under Wine (one Xvfb and one wineserver for all of them).
# Exits non-zero when any test fails. RIZ_CTEST_ARGS selects tests (default: everything but the soaks).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
riz_wine_start || exit 1
trap riz_wine_stop EXIT

rc=0
for build in "$@"; do
    echo "== tests in $build"
    (riz_charset_env "$build" && riz_warm_up && cd "$build" && ctest --output-on-failure -j "$(nproc)" ${RIZ_CTEST_ARGS:--LE soak}) || rc=1
done
[ $rc -eq 0 ] && echo "all tests passed" || echo "some tests FAILED"
exit $rc
