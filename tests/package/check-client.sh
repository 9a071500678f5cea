#!/usr/bin/env bash
# check-client.sh BUILD_DIR CLIENT_SOURCE_DIR
# Installs the build into a temporary prefix, builds the sample client against it and runs its
# self-test: one scenario driven by posted input and checked on what the windows show, then further
# rounds in the same process that must leave no window, GDI object, GDI+ image or timer behind, and a
# last run that leaves the jade skin, Chinese, the toolbar at the left and the window moved. Then the
# client starts again from what that run wrote, and from bad settings: none, a corrupt file, a skin
# that has vanished since, a language file with half its texts. Each start must show what it could
# load, say in the status bar what it could not, and end cleanly.
set -euo pipefail
build=$1
client=$2
data=$(cd "$(dirname "$0")/../data/client" && pwd)
rounds=${RIZ_CLIENT_ROUNDS:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/build-example.sh"
build_example "$build" "$client"
test -f "$work/client/SendArrow.bmp"
ini=$work/client/client-selftest.ini

# The watchdog inside the program ends a hung run; the timeout here is the last resort.
run() {
    WINEPATH="$(winepath -w "$prefix/bin")" timeout 200 wine "$work/client/client.exe" "$@" </dev/null 2>/dev/null |
        tr -d "\r"
}
echo "-- the self-test, $rounds rounds"
out=$(run --selftest "$rounds") || true  # the output tells what failed
echo "$out"
grep -q '^selftest: ok$' <<<"$out"
grep -q '^selftest: .* left 0 GDI objects, 0 windows and 0 GDI+ images behind$' <<<"$out"
grep -qi '^Skin=Jade' "$ini"
grep -qi '^Language=zh-CN' "$ini"
cp "$ini" "$work/remembered.ini"

# start NAME EXPECTATIONS...: a start from the settings file as it is now.
start() {
    local name=$1
    shift
    echo "-- $name"
    local out
    out=$(run --selftest-start "$@") || true
    echo "$out"
    grep -q '^selftest: ok$' <<<"$out"
}
start "the second start" skin=Jade language=zh-CN bar=left window=90,70,930,650
rm -f "$ini"
start "no settings file"
cp "$data/corrupt.ini" "$ini"
start "a corrupt settings file" status=IDS_CLIENT_ST_BAD_SETTINGS:client-selftest.ini
cp "$work/remembered.ini" "$ini"
mv "$prefix/bin/Skins/Jade" "$work/Jade.gone"
start "the skin has vanished" language=zh-CN bar=left window=90,70,930,650 status=IDS_CLIENT_ST_NO_SKIN:Jade
mv "$work/Jade.gone" "$prefix/bin/Skins/Jade"
cp "$data/zh-half.lng" "$prefix/bin/Languages/"
cp "$data/half-language.ini" "$ini"
start "a language file with half its texts" language=zh-half status=IDS_CLIENT_ST_HALF_LANGUAGE:zh-half
echo "client ok"
