#!/usr/bin/env bash
# The MiniSx settings windows: the detailed window's four tabs, the lamp and the sound window,
# against a simulated MiniSx. Run by scripts/screenshots.sh under its virtual display.
set -euo pipefail
build="${MORVIK_BUILD_DIR:-build/release}"
cmake --build "$build" --target minisx_screenshots morvik-sim >/dev/null
"$build/tests/editors/minisx/minisx_screenshots" "${MORVIK_DOCS_DIR:-docs}"
