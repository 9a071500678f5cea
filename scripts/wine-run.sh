#!/bin/sh
# Runs a Windows program under Wine for CTest: wine-run.sh PROGRAM [ARGS...]
# The program's output goes through a file, not straight to CTest's pipe: Wine may start long-lived helper
# processes (desktop, services) from a test process, and they inherit its output. Holding CTest's pipe
# open, they would make a finished test look hung until the timeout.
# A run that fails without printing anything never reached the program (every test program prints
# before its first test): Wine itself failed to start it. That run is repeated, at most twice, and said.
out=$(mktemp "${TMPDIR:-/tmp}/riz-run.XXXXXX") || exit 1
trap 'cat "$out"; rm -f "$out"; exit 124' TERM INT
for attempt in 1 2 3; do
    wine "$@" </dev/null >"$out" 2>&1
    rc=$?
    if [ $rc -eq 0 ] || [ -s "$out" ]; then break; fi
    echo "wine-run: $1 exited with $rc before printing anything (attempt $attempt)" >&2
    sleep 1
done
cat "$out"
rm -f "$out"
exit $rc
