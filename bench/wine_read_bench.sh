#!/usr/bin/env bash
# A Mini read by the Windows morvik.exe under Wine beside the same read by the Linux morvik,
# each against a simulated Mini at the real line speed (115200 baud), three runs each, median.
# Wine's own start-up (a morvik.exe --version) is measured apart and left out of the figure.
#
#   bash bench/wine_read_bench.sh      (after scripts/windows_test.sh has built build/windows;
#                                       uses build/release's morvik and morvik-sim)
set -euo pipefail
cd "$(dirname "$0")/.."
linux=$PWD/build/release
windows=$PWD/build/windows

work=$(mktemp -d "${TMPDIR:-/tmp}/morvik-wine-bench.XXXXXX")
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
sim=
cleanup() {
  [ -n "$sim" ] && { kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; }
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1
wineboot --init >/dev/null 2>&1

"$linux/morvik-sim" --edition mini --baud 115200 >"$work/sim.out" 2>/dev/null &
sim=$!
for _ in $(seq 100); do
  device=$(head -n 1 "$work/sim.out" 2>/dev/null || true)
  [ -n "$device" ] && break
  sleep 0.1
done
ln -sfn "$device" "$WINEPREFIX/dosdevices/com7"

seconds() {
  local s e
  s=$(date +%s.%N)
  "$@" >"$work/last.out" 2>&1 || { echo "failed: $*" >&2; cat "$work/last.out" >&2; return 1; }
  e=$(date +%s.%N)
  echo "$e - $s" | bc
}
median() { sort -n | sed -n 2p; }

wine_start=$(for _ in 1 2 3; do seconds wine "$windows/morvik.exe" --version; done | median)
linux_read=$(for i in 1 2 3; do
  seconds env MORVIK_CONFIG_DIR="$work/config" "$linux/morvik" --device "$device" read "$work/l$i.dat"
done | median)
wine_read=$(for i in 1 2 3; do
  seconds wine "$windows/morvik.exe" --port 7 read "$(winepath -w "$work/w$i.dat")"
done | median)
wine_net=$(echo "$wine_read - $wine_start" | bc)
cmp -s "$work/l1.dat" "$work/w1.dat" || { echo "the two reads differ" >&2; exit 1; }

printf '%-44s %8s\n' "Mini read (42 values), Linux morvik" "$linux_read"
printf '%-44s %8s\n' "Mini read, morvik.exe under Wine" "$wine_read"
printf '%-44s %8s\n' "  of which Wine's start-up" "$wine_start"
printf '%-44s %8s\n' "  the read itself" "$wine_net"
