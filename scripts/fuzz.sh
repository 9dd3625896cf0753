#!/usr/bin/env bash
# Fuzzes the file readers with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (clang). The build goes to build-fuzz/.
#
#   ./scripts/fuzz.sh [SECONDS] [TARGET...]   fuzzes each target for SECONDS (default 60)
#   ./scripts/fuzz.sh --replay [TARGET...]    runs each target once over its kept inputs
#
# Targets: settings (the .ini reader), ledger (the .qmr reader), help (the .ahp
# reader). Each starts from
# the inputs kept in fuzz/corpus/TARGET; what it learns on the way stays in
# build-fuzz/corpus/TARGET for the next run. An input that crashes a reader,
# trips a sanitizer, breaks one of the checks of fuzz/ReaderChecks.h, runs longer
# than 1 second or takes more than 2 GB is written to fuzz/corpus/TARGET/ (crash-*,
# timeout-*, oom-*, leak-*): commit it with the fix, and the test suite replays it
# from then on. Ends with one line per target and fails when any target failed.
set -euo pipefail
QM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$QM_ROOT/scripts/deps.sh"
qm_ensure_packages clang libclang-rt-dev

replay=false
seconds=60
if [ "${1:-}" = "--replay" ]; then
  replay=true
  shift
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings ledger help)

build="$QM_ROOT/build-fuzz"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$QM_ROOT/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQM_WERROR=$werror >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# Sanitizer reports end the run; libFuzzer keeps the input that caused them.
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:${UBSAN_OPTIONS:-}"

failed=0
summary=()
for target in "${targets[@]}"; do
  binary="$build/fuzz_$target"
  kept="$QM_ROOT/fuzz/corpus/$target"
  [ -x "$binary" ] && [ -d "$kept" ] || { echo "unknown target: $target" >&2; exit 2; }
  log="$build/fuzz_$target.log"
  common=(-timeout=1 -rss_limit_mb=2048 -artifact_prefix="$kept/")
  if $replay; then
    mapfile -t inputs < <(find "$kept" -type f | sort)
    if "$binary" "${common[@]}" "${inputs[@]}" >"$log" 2>&1; then
      summary+=("$target: ${#inputs[@]} kept inputs replayed, no failure")
    else
      failed=1
      summary+=("$target: FAILED on a kept input, see $log")
    fi
    continue
  fi
  learned="$build/corpus/$target"
  mkdir -p "$learned"
  echo "Fuzzing $target for ${seconds}s (log: $log)"
  status=0
  "$binary" "${common[@]}" -max_len=8192 -max_total_time="$seconds" -print_final_stats=1 \
    "$learned" "$kept" >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  slowest=$(sed -n 's/^stat::slowest_unit_time_sec: *//p' "$log" | tail -n 1)
  if [ "$status" -eq 0 ]; then
    summary+=("$target: ${executions:-?} executions in ${seconds}s, slowest input ${slowest:-?}s, no crash, no sanitizer report")
  else
    failed=1
    summary+=("$target: FAILED after ${executions:-?} executions (exit $status), input kept in fuzz/corpus/$target/, see $log")
    grep -E '^(==[0-9]+==ERROR|SUMMARY|broken promise|.*runtime error|ALARM)' "$log" | head -n 5 || true
  fi
done
printf '%s\n' "${summary[@]}"
exit $failed
