#!/usr/bin/env bash
# Builds everything and runs every test without a display.
#   ./scripts/test.sh              the normal build, in build/
#   ./scripts/test.sh --sanitize   built with AddressSanitizer and UndefinedBehaviorSanitizer,
#                                  in build-asan/; any sanitizer report fails its test
# Further arguments go to ctest (for example -R tst_core).
set -euo pipefail
QM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$QM_ROOT/scripts/deps.sh"
qm_ensure_packages $QM_TEST_PACKAGES
if [ "${1:-}" = "--sanitize" ]; then
  shift
  qm_build "$QM_ROOT/build-asan" -DQM_SANITIZE=ON
  cd "$QM_ROOT/build-asan"
  # Leaks are reported when each test ends, and fail it like any other report.
  export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
else
  qm_build "$QM_ROOT/build"
  cd "$QM_ROOT/build"
fi
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
