#!/bin/sh
# Runs a Windows program under Wine for CTest: wine-run.sh PROGRAM [ARGS...]
# The program's output goes through a file, not straight to CTest's pipe: Wine may start long-lived helper
# processes (desktop, services) from a test process, and they inherit its output. Holding CTest's pipe
# open, they would make a finished test look hung until the timeout.
out=$(mktemp "${TMPDIR:-/tmp}/riz-run.XXXXXX") || exit 1
trap 'cat "$out"; rm -f "$out"; exit 124' TERM INT
wine "$@" </dev/null >"$out" 2>&1
rc=$?
cat "$out"
rm -f "$out"
exit $rc
