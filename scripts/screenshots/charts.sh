#!/usr/bin/env bash
# The detection log window on four weeks of a simulated shop's log. Run by
# scripts/screenshots.sh under its virtual display.
set -euo pipefail
build="${MORVIK_BUILD_DIR:-build/release}"
cmake --build "$build" --target charts_screenshots >/dev/null
"$build/tests/charts/charts_screenshots" "${MORVIK_DOCS_DIR:-docs}"
