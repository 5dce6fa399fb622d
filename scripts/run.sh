#!/usr/bin/env bash
# The main job: installs what is missing, builds, and runs the command-line tool.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVIK_TESTS=OFF
./build/release/morvik --help
