#!/usr/bin/env bash
# The MiniSx easy and service windows. Run by scripts/screenshots.sh under its virtual display.
set -euo pipefail
build="${MORVIK_BUILD_DIR:-build/release}"
cmake --build "$build" --target minisx_quick_screenshots morvik-sim >/dev/null
"$build/tests/editors/minisx_quick/minisx_quick_screenshots" "${MORVIK_DOCS_DIR:-docs}"
