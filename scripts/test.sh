#!/usr/bin/env bash
# Builds everything and runs every test without a display.
set -euo pipefail
QM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$QM_ROOT/scripts/deps.sh"
qm_ensure_packages
qm_build "$QM_ROOT/build"
cd "$QM_ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
