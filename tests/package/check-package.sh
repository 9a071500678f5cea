#!/usr/bin/env bash
# check-package.sh BUILD_DIR HOST_SOURCE_DIR
# Installs the build into a temporary prefix, builds the host against it and runs it twice: with only the
# package's bin/ on WINEPATH, and with the DLLs the config names copied beside the program.
set -euo pipefail
build=$1
host=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/build-example.sh"
build_example "$build" "$host"

echo "-- run with WINEPATH=<prefix>/bin"
out=$(WINEPATH="$(winepath -w "$prefix/bin")" wine "$work/host/host.exe" | tr -d "\r")
echo "$out"
grep -q '^host: ok$' <<<"$out"

echo "-- run with the runtime DLLs copied beside the program"
mkdir -p "$work/copy"
cp "$work/host/host.exe" "$work/copy/"
grep -q 'RIZAfx.dll' "$work/host/runtime-dlls.txt"
grep -q 'RIZuruzezu.dll' "$work/host/runtime-dlls.txt"
grep -q 'ZIRevudiVuzad.dll' "$work/host/runtime-dlls.txt"
while read -r dll; do [ -n "$dll" ] && cp "$dll" "$work/copy/"; done <"$work/host/runtime-dlls.txt"
# The MinGW runtime the DLLs need ships in the package's bin/ as well, and the skins and languages go
# beside the DLLs that read them.
cp "$prefix"/bin/lib*.dll "$work/copy/"
cp -r "$prefix/bin/Skins" "$prefix/bin/Languages" "$work/copy/"
out=$(wine "$work/copy/host.exe" | tr -d "\r")
echo "$out"
grep -q '^host: ok$' <<<"$out"
# skincheck ships with the package and passes both shipped skins.
for skin in "$prefix"/bin/Skins/*/; do
    wine "$prefix/bin/skincheck.exe" "$(winepath -w "$skin")" >/dev/null
done
echo "package ok"
