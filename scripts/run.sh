#!/usr/bin/env bash
# The main job: installs what is missing, builds, and reads a terminal's information with the
# command-line tool. With the terminal's USB cable attached the real terminal is read; otherwise
# a simulated Mini terminal is started on a pseudo-terminal for the run and stopped afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVIK_TESTS=OFF

bin=build/release

# The cable is a USB serial adapter with vendor 5a3c and product 0c41.
cable_attached() {
    local dev
    for dev in /sys/bus/usb/devices/*; do
        if [ "$(cat "$dev/idVendor" 2>/dev/null)" = 5a3c ] &&
            [ "$(cat "$dev/idProduct" 2>/dev/null)" = 0c41 ]; then
            return 0
        fi
    done
    return 1
}

if cable_attached; then
    exec "$bin/morvik" info
fi

work=$(mktemp -d)
sim_pid=
cleanup() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The simulator prints the path of its pseudo-terminal as its first line.
mkfifo "$work/out"
MORVIK_CONFIG_DIR="$work" "$bin/morvik-sim" --edition mini --state "$work/state" >"$work/out" &
sim_pid=$!
exec 3<"$work/out"
if ! read -r -t 15 device <&3; then
    echo "run: morvik-sim did not start" >&2
    exit 1
fi

echo "morvik-sim (mini): $device" >&2
MORVIK_CONFIG_DIR="$work" "$bin/morvik" --device "$device" info
