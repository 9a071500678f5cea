#!/usr/bin/env bash
# Runs every test of the given build folders under Wine, the folders side by side: each has its own
# Wine prefix, wineserver and Xvfb (window tests of one folder never see the other's windows, pointer or
# focus). The first folder's output is shown as it comes, the others' after it.
# Exits non-zero when any test fails. RIZ_CTEST_ARGS selects tests (default: everything but the soaks).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# The builds share the machine's cores: each CTest runs as many tests at once as its share.
jobs=$(( $(nproc) / $# ))
[ $jobs -lt 1 ] && jobs=1

run_build() {
    local build=$1
    (
        export RIZ_BUILD_ROOT=$build
        source "$here/wine-env.sh"
        riz_wine_start || exit 1
        trap riz_wine_stop EXIT
        echo "== tests in $build"
        riz_charset_env "$build" && riz_warm_up && cd "$build" &&
            ctest --output-on-failure -j "$jobs" ${RIZ_CTEST_ARGS:--LE soak}
    )
}

pids=()
logs=()
first=1
for build in "$@"; do
    if [ $first -eq 1 ]; then
        run_build "$build" &
        first=0
    else
        log=$(mktemp "${TMPDIR:-/tmp}/riz-test.XXXXXX")
        logs+=("$log")
        run_build "$build" >"$log" 2>&1 &
    fi
    pids+=($!)
done

rc=0
for pid in "${pids[@]}"; do
    wait "$pid" || rc=1
done
for log in "${logs[@]}"; do
    cat "$log"
    rm -f "$log"
done
[ $rc -eq 0 ] && echo "all tests passed" || echo "some tests FAILED"
exit $rc
