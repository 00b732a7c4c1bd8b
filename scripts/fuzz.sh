#!/usr/bin/env bash
# Builds the whole fuzz configuration (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, no Qt) and runs every fuzz target for a fixed time
# on its seeds, several at once. New inputs are kept in build/fuzz/corpus/<target>,
# findings in build/fuzz/findings/. Prints each target's coverage and runs.
# Usage: scripts/fuzz.sh [seconds per target, default 30]; STANMON_JOBS caps the
# targets run at once and the build's jobs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
jobs=${STANMON_JOBS:-$(nproc)}
build="$top/build/fuzz"
targets=(rs485_answer modem_answer sms_report settings_files plan_file)

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTANMON_QT=OFF -DSTANMON_FUZZ=ON -DSTANMON_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$jobs"  # everything, as the README builds it

# The targets that write files do so in a temporary folder; memory is faster.
scratch_parent=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch_parent=/dev/shm
scratch=$(mktemp -d "$scratch_parent/stanmon-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# Runs one target and leaves its exit status next to its log.
run_target() {
  local target=$1 status=0
  mkdir -p "$build/corpus/$target" "$build/findings"
  TMPDIR="$scratch" "$build/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
    "$build/corpus/$target" "$top/tests/fuzz/seeds/$target" >"$build/$target.log" 2>&1 || status=$?
  echo "$status" >"$build/$target.status"
}

for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  run_target "$target" &
done
wait

failed=0
for target in "${targets[@]}"; do
  if [ "$(cat "$build/$target.status")" = 0 ]; then
    echo "$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$build/$target.log" | tail -1)"
  else
    echo "$target: FAILED, see $build/$target.log and $build/findings/"
    tail -n 30 "$build/$target.log"
    failed=1
  fi
done
exit "$failed"
