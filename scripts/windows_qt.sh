#!/usr/bin/env bash
# Builds Qt 6 base for 64-bit Windows (mingw-w64) from Debian's own qt6-base source, the same
# version as the host Qt whose tools (moc, rcc, uic) it uses, and keeps it in a cache folder
# outside the clone: built once per machine, reused by every later build and CI run there.
#
#   bash scripts/windows_qt.sh          prints the folder of the Windows Qt (building it first
#                                       when the cache has none)
#   bash scripts/windows_qt.sh --path   prints the folder it would use, builds nothing
#
# The folder's name holds the Qt version and a hash of this script and the toolchain file, so a
# change to either builds a new Qt beside the old one. It appears only when complete: an
# interrupted build leaves no folder that a later run would take for a finished one.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/+.*//')
if [ -z "$qt_version" ]; then
  echo "windows_qt: qt6-base-dev is not installed (bash scripts/setup.sh installs it)" >&2
  exit 1
fi
hash=$(cat "$root/scripts/windows_qt.sh" "$root/cmake/mingw-w64.cmake" | sha256sum | cut -c1-10)
cache=${MORVIK_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/morvik-tool}
prefix=$cache/qt-$qt_version-mingw64-$hash

if [ "${1:-}" = "--path" ]; then
  echo "$prefix"
  exit 0
fi
if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
  echo "$prefix"
  exit 0
fi

mkdir -p "$cache"
# One build at a time per cache: a second caller waits for the first and then takes its result.
exec 9>"$cache/qt-build.lock"
flock 9
if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
  echo "$prefix"
  exit 0
fi

work=$(mktemp -d "$cache/qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
start=$(date +%s)
echo "windows_qt: building Qt $qt_version for mingw-w64 into $prefix (once per machine)" >&2

# The source package of the installed Qt (apt-get source needs a deb-src line; the set-up script
# adds one for the archive the machine already uses).
(cd "$work" && apt-get source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" >/dev/null 2>&1) || {
  echo "windows_qt: apt-get source qt6-base failed (is a deb-src line configured?)" >&2
  exit 1
}
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

# A compiler cache makes a second attempt after a failed build cheap; Qt's precompiled headers
# need the sloppiness settings for it to hit.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
fi

# Only what the desktop tool and its window tests need: Core, Gui, Widgets, Test, OpenGL (the
# Windows platform plugin of 6.4.2 does not compile without it), the windows and offscreen
# platform plugins, the Windows and Fusion styles and the built-in image formats. Debian's source
# leaves out the tablet header wintab.h, so the tablet feature is off.
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$work/install" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DQT_GENERATE_SBOM=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_opengl_desktop=ON -DFEATURE_vulkan=OFF \
  -DFEATURE_sql_sqlite=OFF -DFEATURE_system_zlib=OFF \
  -DINPUT_openssl=no \
  ${launcher[@]+"${launcher[@]}"} >"$work/configure.log" 2>&1 || {
  tail -n 40 "$work/configure.log" >&2
  echo "windows_qt: configure failed (log above)" >&2
  exit 1
}
cmake --build "$work/build" >"$work/build.log" 2>&1 || {
  grep -E 'error|Error' "$work/build.log" | head -n 40 >&2
  echo "windows_qt: build failed" >&2
  exit 1
}
cmake --install "$work/build" --strip >/dev/null
mv "$work/install" "$prefix"
echo "windows_qt: built in $(($(date +%s) - start)) s" >&2
echo "$prefix"
