#!/usr/bin/env bash
# Builds the program when needed and starts it: ./scripts/run.sh [LEDGER.qmr]
set -euo pipefail
QM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$QM_ROOT/scripts/deps.sh"
qm_ensure_packages
qm_build "$QM_ROOT/build"
exec "$QM_ROOT/build/QuillmoorAds" "$@"
