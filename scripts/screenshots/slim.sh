#!/usr/bin/env bash
# Screenshots of the Slim settings window (one per function) and of the Slim service window,
# into docs/. Uses the build in $BUILD_DIR (default build/release) and runs under Xvfb unless a
# display is already there.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD_DIR:-$root/build/release}"
out="${SCREENSHOT_DIR:-$root/docs}"
mkdir -p "$out"

cmake --build "$build" --target slim_screenshots >/dev/null
program="$(find "$build" -name slim_screenshots -type f -perm -u+x | head -n 1)"
[ -n "$program" ] || { echo "slim_screenshots was not built" >&2; exit 1; }

# A machine of its own: no serial devices of this one, and preferences with service values (the
# preferences file is code page 932 with CR LF lines, as the tool writes it).
machine="$(mktemp -d)"
trap 'rm -rf "$machine"' EXIT
mkdir -p "$machine/config" "$machine/sys" "$machine/dev"
printf '[MorvikMini/Slim]\r\nServiceBrowserUrl=http://service.example.com/top.html?\r\nServiceBrowserMessage=%s\r\nServiceTorucaUrl=http://service.example.com/toruca.html?\r\nServiceTorucaIcon=0001\r\n' \
    "$(printf 'サービスのご案内' | iconv -f UTF-8 -t CP932)" >"$machine/config/MorvikTool.ini"

run=(env MORVIK_CONFIG_DIR="$machine/config" MORVIK_SYSFS_ROOT="$machine/sys"
    MORVIK_DEV_ROOT="$machine/dev" "$program" "$out")
if [ -n "${DISPLAY:-}" ]; then
    "${run[@]}"
else
    xvfb-run -a -s "-screen 0 1024x768x24" "${run[@]}"
fi
