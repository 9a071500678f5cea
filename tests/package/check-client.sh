#!/usr/bin/env bash
# check-client.sh BUILD_DIR CLIENT_SOURCE_DIR
# Installs the build into a temporary prefix, builds the sample client against it and runs its
# self-test: one scenario driven by posted input and checked on what the windows show, then further
# rounds in the same process that must leave no window and no GDI object behind; the settings file the
# run wrote beside the program holds the skin and the language it ended with.
set -euo pipefail
build=$1
client=$2
rounds=${RIZ_CLIENT_ROUNDS:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
cmake -S "$client" -B "$work/client" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/share/RIZuruzezu/toolchain-mingw-w64.cmake" \
    -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/client" >/dev/null
test -f "$work/client/SendArrow.bmp"

# The watchdog inside the program ends a hung run; the timeout here is the last resort.
echo "-- the self-test, $rounds rounds"
out=$(WINEPATH="$(winepath -w "$prefix/bin")" timeout 200 wine "$work/client/client.exe" --selftest "$rounds" </dev/null 2>/dev/null | tr -d "\r")
echo "$out"
grep -q '^selftest: ok$' <<<"$out"
grep -q '^selftest: .* left 0 GDI objects and 0 windows behind$' <<<"$out"
# The settings file the run wrote beside the program remembers the skin and the language.
grep -qi '^Skin=Default' "$work/client/client-selftest.ini"
grep -qi '^Language=en-US' "$work/client/client-selftest.ini"
echo "client ok"
