#!/usr/bin/env bash
# Builds the program when needed and starts it: ./scripts/run.sh [LEDGER.qmr]
#   ./scripts/run.sh --sample   opens a copy of the sample year (examples/), with
#                               last year's archive beside it, in a fresh folder
#                               under build/; the repository's files are never touched
set -euo pipefail
QM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$QM_ROOT/scripts/deps.sh"
qm_ensure_packages
qm_build "$QM_ROOT/build"
if [ "${1:-}" = "--sample" ]; then
  shift
  sample="$QM_ROOT/build/sample-$(date +%Y%m%d-%H%M%S)"
  mkdir -p "$sample"
  cp "$QM_ROOT/examples/QuillmoorAds.ini" "$QM_ROOT/examples/QuillmoorAds.qmr" "$sample/"
  # The sample is this year's, so it opens without the year-end offer.
  sed -i "1s/,[0-9]*\r\$/,$(date +%Y)\r/" "$sample/QuillmoorAds.qmr"
  # Last year's archive beside it, named for the year before this one, so that
  # the report shows last year beside this year.
  mkdir -p "$sample/QuillmoorAds_Archive"
  for ext in ini qmr; do
    cp "$QM_ROOT/examples/QuillmoorAds_Archive/QuillmoorAds_2025.$ext" \
       "$sample/QuillmoorAds_Archive/QuillmoorAds_$(( $(date +%Y) - 1 )).$ext"
  done
  echo "Sample year copied to $sample"
  cd "$sample"
  exec "$QM_ROOT/build/QuillmoorAds" "$sample/QuillmoorAds.qmr" "$@"
fi
exec "$QM_ROOT/build/QuillmoorAds" "$@"
