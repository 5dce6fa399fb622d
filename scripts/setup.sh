#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Morvik Tool needs, and
# prepares the Windows build's Qt (scripts/windows_qt.sh: built once per machine, about an hour
# the first time, then taken from its cache).
#   bash scripts/setup.sh                  packages and the Windows Qt
#   bash scripts/setup.sh --no-windows-qt  packages only (running the Linux tool needs no more)
# Safe to run again: when everything is present it does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

windows_qt=1
if [ "${1:-}" = "--no-windows-qt" ]; then
  windows_qt=0
fi

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  zlib1g-dev libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  fonts-noto-cjk
  xvfb xauth
  lrzsz sox
  clang libclang-rt-14-dev
  clang-format ccache
  qt6-multimedia-dev
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev googletest wine wine64
  # Wine's own fonts (the default font of its windows), the Windows Qt's source package and its
  # set-up program, the Windows installer's compiler, and what drives and photographs a Windows
  # window on the virtual screen.
  fonts-wine dpkg-dev nsis xdotool x11-apps netpbm
  lintian desktop-file-utils appstream udev man-db locales
)

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else SUDO=missing-root; fi
else
  SUDO=
fi
need_root() {
  if [ "$SUDO" = missing-root ]; then
    echo "setup: $1 needs root" >&2
    exit 1
  fi
}

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# The package step reads the Japanese manual pages as a Japanese locale shows them.
need_locale=
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then need_locale=1; fi

# The Windows Qt is built from Debian's qt6-base source package, which apt-get source fetches
# only with a deb-src line: one for each archive the machine already uses.
updated=0
src_list=/etc/apt/sources.list.d/morvik-src.sources
if [ "$windows_qt" = 1 ] && ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list \
    /etc/apt/sources.list.d/; then
  need_root "adding a deb-src entry ($src_list)"
  sources=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | sed -E 's/^Types:.*/Types: deb-src/')
  lines=$(sed -nE 's/^deb (.*)/deb-src \1/p' /etc/apt/sources.list 2>/dev/null || true)
  echo "setup: adding deb-src entries for the Debian archive in use ($src_list)" >&2
  if [ -n "$sources" ]; then
    printf '%s\n' "$sources" | $SUDO tee "$src_list" >/dev/null
  fi
  if [ -n "$lines" ]; then
    printf '%s\n' "$lines" | $SUDO tee /etc/apt/sources.list.d/morvik-src.list >/dev/null
  fi
  $SUDO apt-get update -qq
  updated=1
fi

if [ ${#missing[@]} -gt 0 ]; then
  need_root "installing ${missing[*]}"
  echo "setup: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  if [ "$updated" = 0 ]; then
    $SUDO apt-get update -qq
  fi
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ -n "$need_locale" ]; then
  need_root "making the locale ja_JP.UTF-8"
  echo "setup: making the locale ja_JP.UTF-8" >&2
  $SUDO localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8
fi

if [ "$windows_qt" = 1 ]; then
  bash scripts/windows_qt.sh >/dev/null
fi
