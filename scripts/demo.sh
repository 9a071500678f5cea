#!/usr/bin/env bash
# Runs the gallery: in a window when a display is there, else PNG screenshots of every page into OUT.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
out=$2
source "$here/wine-env.sh"
riz_charset_env "$build"  # the ANSI build shows its Chinese texts only under code page 936
if [ -n "${DISPLAY:-}" ]; then
    riz_wine_start || exit 1
    exec wine "$build/bin/gallery.exe"
fi
riz_wine_start || exit 1
trap riz_wine_stop EXIT
mkdir -p "$out"
out_abs=$(cd "$out" && pwd)
wine "$build/bin/gallery.exe" --screenshot "$(winepath -w "$out_abs")"
rc=$?
if [ $rc -eq 0 ]; then
    echo "gallery screenshots: $out_abs"
    ls "$out_abs"
else
    echo "the gallery failed to render (exit $rc)" >&2
fi
exit $rc
