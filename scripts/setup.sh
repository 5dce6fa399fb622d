#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Morvik Tool needs.
# Safe to run again: when everything is present it does nothing.
set -euo pipefail

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
  lintian desktop-file-utils appstream udev man-db locales
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# The package step reads the Japanese manual pages as a Japanese locale shows them.
need_locale=
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then need_locale=1; fi

if [ ${#missing[@]} -eq 0 ] && [ -z "$need_locale" ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else
    echo "setup: installing ${missing[*]} ${need_locale:+and the locale ja_JP.UTF-8 }needs root" >&2
    exit 1
  fi
else
  SUDO=
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ -n "$need_locale" ]; then
  echo "setup: making the locale ja_JP.UTF-8" >&2
  $SUDO localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8
fi
