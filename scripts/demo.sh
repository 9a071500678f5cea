#!/usr/bin/env bash
# Runs the sample client and the gallery: in windows when a display is there (the client first, the
# gallery when it closes), else PNG screenshots of the client and of every gallery page into OUT.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
out=$2
source "$here/wine-env.sh"
riz_charset_env "$build"  # the ANSI build shows its Chinese texts only under code page 936
if [ -n "${DISPLAY:-}" ]; then
    riz_wine_start || exit 1
    [ -f "$build/bin/client.exe" ] && wine "$build/bin/client.exe"
    exec wine "$build/bin/gallery.exe"
fi
riz_wine_start || exit 1
trap riz_wine_stop EXIT
mkdir -p "$out"
out_abs=$(cd "$out" && pwd)
wine "$build/bin/gallery.exe" --screenshot "$(winepath -w "$out_abs")"
rc=$?
if [ -f "$build/bin/client.exe" ]; then
    wine "$build/bin/client.exe" --shots "$(winepath -w "$out_abs")" || rc=$?
fi
if [ $rc -eq 0 ]; then
    echo "gallery screenshots: $out_abs"
    ls "$out_abs"
else
    echo "the gallery or the client failed to render (exit $rc)" >&2
fi
exit $rc
