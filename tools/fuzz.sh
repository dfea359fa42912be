#!/usr/bin/env bash
# Fuzzes the data file reader for a bounded time.
#   tools/fuzz.sh [seconds]      (default 60)
# Builds build-fuzz with clang (libFuzzer, ASan, UBSan) holding only the
# store and the fuzz target, then runs it on the committed seed corpus and
# on every input that ever broke it, and prints how many inputs it tried.
# Inputs are packed file images (tests/reliability/PackedImage.h). New
# interesting inputs collect in build-fuzz/corpus; an input that breaks the
# reader lands in build-fuzz/artifacts/ and must be copied into
# tests/reliability/crashes/, where the normal test suite replays it from
# then on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

tools/install-deps.sh test
CC=clang CXX=clang++ cmake -S tests/reliability/fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc 2>/dev/null || echo 2)" --target fuzz_terminfile

# One worker a core, at most four, and no more than memory allows (a
# worker under ASan grows to about 500 MB).
workers=$(nproc 2>/dev/null || echo 1)
memory_mb=$(awk '/^MemAvailable:/ { print int($2 / 1024) }' /proc/meminfo 2>/dev/null || echo 0)
[ "$memory_mb" -gt 0 ] && [ "$workers" -gt $((memory_mb / 600)) ] && workers=$((memory_mb / 600))
[ "$workers" -gt 4 ] && workers=4
[ "$workers" -lt 1 ] && workers=1

mkdir -p build-fuzz/corpus build-fuzz/artifacts
log=build-fuzz/fuzz.log
# -fork: workers in child processes, each a short run on part of the
# corpus, their finds merged; a crash, a hang or running out of memory in
# any of them ends the run as a failure. -timeout: no input may take more
# than 10 s (a hang); -rss_limit_mb and -malloc_limit_mb: a coarse limit on
# memory, the exact bound on single allocations is checked by the target
# itself; -max_len: a little over the largest packed seed.
status=0
start=$(date +%s.%N)
build-fuzz/fuzz_terminfile -fork="$workers" -ignore_crashes=0 -ignore_timeouts=0 -ignore_ooms=0 \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=64 -max_len=131072 \
  -artifact_prefix=build-fuzz/artifacts/ \
  build-fuzz/corpus tests/reliability/corpus tests/reliability/crashes >"$log" 2>&1 || status=$?
elapsed=$(echo "$start $(date +%s.%N)" | awk '{ printf "%.0f", $2 - $1 }')

# The parent's lines "#<inputs>: cov: ... job: <n>" count every worker's inputs.
grep -E '^#[0-9]+: cov:' "$log" | tail -2
units=$(sed -n 's/^#\([0-9][0-9]*\): cov:.*/\1/p' "$log" | tail -1)
units=${units:-0}
rate=$(awk -v u="$units" -v s="$elapsed" 'BEGIN { printf "%d", (s > 0 ? u / s : 0) }')
echo "fuzz: ${units} inputs in ${elapsed} s (${rate}/s) by ${workers} worker(s)"
if [ "$status" -ne 0 ]; then
  grep -E 'ERROR|SUMMARY|promise broken|Test unit written' "$log" | head -20
  tail -40 "$log"
  echo "fuzz: the file reader broke; keep the input: cp build-fuzz/artifacts/* tests/reliability/crashes/" >&2
  exit "$status"
fi
if [ "$units" -eq 0 ]; then
  tail -40 "$log"
  echo "fuzz: no input was tried" >&2
  exit 1
fi
echo "fuzz: no failure in ${seconds} s (log: $log)"
