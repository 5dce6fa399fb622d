#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: in a normal build and in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# Compiler cache keys relative to the checkout, so that clones in other folders share it.
export CCACHE_BASEDIR="$PWD"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"

# The release build is the one users get; warnings are errors here and in every developer build.
echo "== build (Release) =="
bash scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release -DMORVIK_WERROR=ON
echo "== tests (Release) =="
(cd build/release && ctest --output-on-failure -j2 --timeout 600)

echo "== package (build the .deb from build/release, install, use, remove) =="
bash scripts/package_test.sh build/release

echo "== build (AddressSanitizer + UndefinedBehaviorSanitizer) =="
bash scripts/build.sh build/sanitize -DCMAKE_BUILD_TYPE=Debug -DMORVIK_SANITIZE=ON -DMORVIK_WERROR=ON
echo "== tests (AddressSanitizer + UndefinedBehaviorSanitizer) =="
# The fault matrix runs in the Release build only: it is the slowest part of the suite, and its
# paths are the sessions' own, which every other sanitized test already drives.
(cd build/sanitize && ctest --output-on-failure -j2 --timeout 600 -E '^faults\.')

bash scripts/windows_test.sh

echo "== fuzzing (every parser of outside input, bounded time) =="
bash scripts/fuzz.sh
