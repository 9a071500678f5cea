#!/usr/bin/env bash
# Runs skingen at build time: run-skingen.sh EMULATOR SKINGEN.EXE OUT-FOLDER
#                         or: run-skingen.sh EMULATOR SKINGEN.EXE --tick|--bullet OUT-FILE
# A fresh machine builds before any Wine session exists, so the project's Wine prefix is set up here
# when it is not ready yet. skingen draws on memory bitmaps only: it needs no display, and nothing is
# started that would have to be stopped afterwards (a wineserver started by this run ends by itself).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
emulator=$1
exe=$2
out=$3
tick=
mode=$out
if [ "$mode" = "--tick" ] || [ "$mode" = "--bullet" ]; then
    tick=$(basename "$4")
    out=$(dirname "$4")
fi
source "$here/../scripts/wine-env.sh"
mkdir -p "$out" || exit 1
out_abs=$(cd "$out" && pwd)
# One set-up at a time when both character sets build side by side.
(
    flock 9
    riz_init_prefix >/dev/null
) 9>"$RIZ_BUILD_ROOT/.wineprefix.lock"
if [ -n "$tick" ]; then
    "$emulator" "$exe" "$mode" "Z:$out_abs/$tick"
    exit
fi
"$emulator" "$exe" "Z:$out_abs" || exit 1
# Region caches made by windows from the masks of an earlier generation would outlive new masks.
find "$out_abs" -name '*.rgn' -delete
