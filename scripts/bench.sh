#!/usr/bin/env bash
# Builds the benchmark (optimised, in build/) and runs it: one line per target,
# each figure against a baseline measured in the same run, PASS or FAIL.
# Ends with a non-zero status when any row fails. Figures are medians of several
# runs; on a busy machine run it again before believing a FAIL.
set -euo pipefail
QM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$QM_ROOT/scripts/deps.sh"
# Xvfb: the start-up rows time the window until it is mapped on an X display.
qm_ensure_packages xvfb
build="$QM_ROOT/build"
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$QM_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
# The benchmark is off by default; this build folder keeps it on from now on.
cmake -S "$QM_ROOT" -B "$build" -DQM_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target qm_bench
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null 2>&1; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$build/bench/qm_bench" "$@"
fi
exec "$build/bench/qm_bench" "$@"
