#!/usr/bin/env bash
# Fuzzes the data file reader for a bounded time.
#   tools/fuzz.sh [seconds]      (default 60)
# Builds build-fuzz with clang (libFuzzer, ASan, UBSan) holding only the
# store and the fuzz target, then runs it on the committed seed corpus and
# on every input that ever broke it, and prints how many inputs it tried. New interesting inputs collect in
# build-fuzz/corpus; an input that breaks the reader lands in
# build-fuzz/artifacts/ and must be copied into tests/reliability/crashes/,
# where the normal test suite replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

tools/install-deps.sh test
CC=clang CXX=clang++ cmake -S tests/reliability/fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc 2>/dev/null || echo 2)" --target fuzz_terminfile

mkdir -p build-fuzz/corpus build-fuzz/artifacts
log=build-fuzz/fuzz.log
# -timeout: no input may take more than 10 s (a hang); -rss_limit_mb and
# -malloc_limit_mb: a coarse limit on memory, the exact bound on single
# allocations is checked by the target itself; -max_len: a little over the
# largest seed.
status=0
build-fuzz/fuzz_terminfile \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=64 -max_len=262144 \
  -artifact_prefix=build-fuzz/artifacts/ -print_final_stats=1 \
  build-fuzz/corpus tests/reliability/corpus tests/reliability/crashes >"$log" 2>&1 || status=$?

grep -E '^#[0-9]+.*(DONE|pulse)|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb' "$log" | tail -4
units=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
echo "fuzz: ${units:-?} inputs in ${seconds} s (${rate:-?}/s)"
if [ "$status" -ne 0 ]; then
  tail -40 "$log"
  echo "fuzz: the file reader broke; keep the input: cp build-fuzz/artifacts/* tests/reliability/crashes/" >&2
  exit "$status"
fi
echo "fuzz: no failure in ${seconds} s (log: $log)"
