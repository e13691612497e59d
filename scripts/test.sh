#!/bin/bash
# Runs every native test, then every Windows test under Wine. Exits non-zero
# when anything failed.
set -u
native=$1
win=$2
rc=0
echo "== Native tests"
ctest --test-dir "$native" --output-on-failure || rc=1
echo "== Windows tests under Wine"
bash "$(dirname "$0")/wine-session.sh" ctest --test-dir "$win" --output-on-failure || rc=1
if [ $rc -eq 0 ]; then echo "All native and Windows tests passed."; else echo "Some tests FAILED." >&2; fi
exit $rc
