#!/usr/bin/env bash
# The 一括設定 window after a Mini settings file went to five simulated terminals of mixed
# editions (one of them failing). Run by scripts/screenshots.sh under its virtual display.
set -euo pipefail
build="${MORVIK_BUILD_DIR:-build/release}"
cmake --build "$build" --target fleet_screenshots >/dev/null
"$build/tests/fleet/fleet_screenshots" "${MORVIK_DOCS_DIR:-docs}"
