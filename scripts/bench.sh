#!/usr/bin/env bash
# Runs the benchmarks of a build folder under Wine and prints their figures: bench.sh BUILD [SUITE-TEXT]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
source "$here/wine-env.sh"
riz_charset_env "$build"  # the ANSI build shows its Chinese texts only under code page 936
riz_wine_start || exit 1
trap riz_wine_stop EXIT
shift
wine "$build/bin/bench.exe" "$@"
