#!/usr/bin/env bash
# Runs every benchmark built in the given build folder, then lists the
# figures that missed their targets; fails when one did, or when a
# benchmark could not measure.
set -uo pipefail
dir=${1:-build-bench}
status=0
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for b in "$dir"/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$b" 2>&1 | tee -a "$out"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
done
passed=$(grep -c ' PASS$' "$out")
missed=$(grep -c ' MISS$' "$out")
echo "== $passed PASS, $missed MISS"
grep ' MISS$' "$out"
exit $status
