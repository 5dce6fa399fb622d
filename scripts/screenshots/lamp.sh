#!/usr/bin/env bash
# Screenshots of the lamp dialog (set 2), the periodic guidance lamp dialog, the user pattern
# editor and the sound dialog into docs/, each lamp preview stopped at a lit step. Builds what it
# needs in build/release and draws on a virtual screen (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${MORVIK_BUILD_DIR:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target lamp_screenshots >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" "$build/lamp_screenshots" docs
