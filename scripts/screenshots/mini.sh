#!/usr/bin/env bash
# The Mini/MiniS settings windows: the chooser, the detailed window's four tabs and function
# pages, the easy and the service window, against a simulated Mini. Run by scripts/screenshots.sh
# under its virtual display.
set -euo pipefail
build="${MORVIK_BUILD_DIR:-build/release}"
cmake --build "$build" --target mini_screenshots morvik-sim >/dev/null
"$build/tests/editors/mini/mini_screenshots" "${MORVIK_DOCS_DIR:-docs}"
