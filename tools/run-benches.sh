#!/usr/bin/env bash
# Runs every benchmark built in the given build folder and fails when one of
# them reports a missed target.
set -uo pipefail
dir=${1:-build-bench}
status=0
for b in "$dir"/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$b" || status=1
done
exit $status
