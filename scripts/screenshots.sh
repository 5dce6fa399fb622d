#!/usr/bin/env bash
# Regenerates the documentation's screenshots: runs every scripts/screenshots/*.sh (one per
# group of windows) under one virtual display of 1024x768, each writing its PNGs into docs/.
#   scripts/screenshots.sh [BUILD_DIR]     (default build/release, built already)
set -euo pipefail
cd "$(dirname "$0")/.."
export MORVIK_BUILD_DIR="${1:-build/release}"
export MORVIK_DOCS_DIR="$PWD/docs"
export QT_QPA_PLATFORM=xcb
status=0
for part in scripts/screenshots/*.sh; do
  echo "screenshots: $part"
  if ! xvfb-run -a -s "-screen 0 1024x768x24" bash "$part"; then
    echo "screenshots: $part failed" >&2
    status=1
  fi
done
exit "$status"
