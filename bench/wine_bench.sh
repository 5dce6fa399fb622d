#!/usr/bin/env bash
# The Windows programs under Wine beside the Linux ones, from the same run, each the median of
# MORVIK_BENCH_RUNS runs (default 3):
#   - a Mini read by morvik.exe and by the Linux morvik, against a simulated Mini on a 115200
#     baud line (paced both ways); Wine's own start-up (morvik.exe --version) is printed apart;
#   - the first window of morvik-tool.exe and of the Linux morvik-tool on a virtual screen (Xvfb):
#     from the start to the main window's mapping, which xev sees on the screen's root window;
#   - the size of the Windows setup program and of the zip.
#
#   bash bench/wine_bench.sh [LINUX_BUILD]   (default build/release, whose morvik, morvik-tool
#                                             and morvik-sim it uses; the Windows programs come
#                                             from build/windows: scripts/windows_test.sh builds
#                                             morvik.exe; a row whose program is not built says so)
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."

# Seconds from the start of "$@" to the first window mapped on the screen, as xev on the root
# window reports it; runs inside xvfb-run.
first_window() {
  local work maps start
  work=$(mktemp -d "${TMPDIR:-/tmp}/morvik-window.XXXXXX")
  maps=$work/maps
  : >"$maps"
  (stdbuf -oL xev -root -event substructure | while IFS= read -r line; do
    [[ $line == MapNotify* ]] && echo "$EPOCHREALTIME" >>"$maps"
  done) 2>/dev/null &
  local watcher=$!
  sleep 0.3
  start=$EPOCHREALTIME
  MORVIK_CONFIG_DIR=$(mktemp -d "$work/config.XXXXXX") "$@" >/dev/null 2>&1 &
  local program=$!
  for _ in $(seq 3000); do  # 30 s
    [ -s "$maps" ] && break
    sleep 0.01
  done
  {
    kill "$program"
    wait "$program"
    pkill -P "$watcher"
    kill "$watcher"
    wait "$watcher"
  } 2>/dev/null || true
  [ -s "$maps" ] && echo "$(head -n 1 "$maps") - $start" | bc
  rm -rf "$work"
}

# --first-window N PROGRAM...: N runs on one virtual screen, one figure a line (Wine keeps its
# server and desktop process with the screen they started on).
if [ "${1:-}" = --first-window ]; then
  count=$2
  shift 2
  for _ in $(seq "$count"); do
    first_window "$@" || true
  done
  exit 0
fi

linux=$PWD/${1:-build/release}
windows=$PWD/build/windows
runs=${MORVIK_BENCH_RUNS:-3}

source scripts/wine_prefix.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/morvik-wine-bench.XXXXXX")
unset DISPLAY WAYLAND_DISPLAY
sim=
cleanup() {
  [ -n "$sim" ] && { kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; }
  wine_prefix_end
  rm -rf "$work"
}
trap cleanup EXIT
wine_prefix "$work"

seconds() {
  local s e
  s=$EPOCHREALTIME
  "$@" >"$work/last.out" 2>&1 || { echo "failed: $*" >&2; cat "$work/last.out" >&2; return 1; }
  e=$EPOCHREALTIME
  echo "$e - $s" | bc
}
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v w="$1" -v l="$2" 'BEGIN { r = w / l; printf "%.2f%s", r, r <= 1.10 ? "" : "  MISS" }'; }

# ---- A Mini read -------------------------------------------------------------------------------
if [ -x "$windows/morvik.exe" ]; then
  "$linux/morvik-sim" --edition mini --baud 115200 >"$work/sim.out" 2>/dev/null &
  sim=$!
  for _ in $(seq 100); do
    device=$(head -n 1 "$work/sim.out" 2>/dev/null || true)
    [ -n "$device" ] && break
    sleep 0.1
  done
  ln -sfn "$device" "$WINEPREFIX/dosdevices/com7"
  wine_start=$(for _ in $(seq "$runs"); do seconds wine "$windows/morvik.exe" --version; done | median)
  linux_read=$(for i in $(seq "$runs"); do
    seconds env MORVIK_CONFIG_DIR="$work/config" "$linux/morvik" --device "$device" read "$work/l$i.dat"
  done | median)
  wine_read=$(for i in $(seq "$runs"); do
    seconds wine "$windows/morvik.exe" --port 7 read "$(winepath -w "$work/w$i.dat")"
  done | median)
  cmp -s "$work/l1.dat" "$work/w1.dat" || { echo "the two reads differ" >&2; exit 1; }
  wine_net=$(echo "$wine_read - $wine_start" | bc)
  printf '%-44s %8.2f s\n' "Mini read (42 values), Linux morvik" "$linux_read"
  printf '%-44s %8.2f s  ratio %s\n' "Mini read, morvik.exe under Wine" "$wine_read" \
    "$(ratio "$wine_read" "$linux_read")"
  printf '%-44s %8.2f s\n' "  of which Wine's start-up" "$wine_start"
  printf '%-44s %8.2f s  ratio %s\n' "  the read without it" "$wine_net" \
    "$(ratio "$wine_net" "$linux_read")"
  kill "$sim" 2>/dev/null || true
  wait "$sim" 2>/dev/null || true
  sim=
else
  echo "Mini read, morvik.exe under Wine: skipped: $windows/morvik.exe is not built" \
    "(bash scripts/windows_test.sh)"
fi

# What an operator downloads.
for file in "$windows"/morvik-tool-*-windows-x64-setup.exe "$windows"/morvik-tool-*-windows-x64.zip; do
  if [ -f "$file" ]; then
    printf '%-44s %8d KB\n' "size, $(basename "$file" | sed 's/-[0-9.]*-windows-x64/-<ver>-windows-x64/')" \
      $(($(stat -c %s "$file") / 1024))
  fi
done
compgen -G "$windows/morvik-tool-*-windows-x64-setup.exe" >/dev/null ||
  echo "size of the setup program and the zip: skipped: not built (bash scripts/windows_test.sh)"

if ! command -v xvfb-run >/dev/null || ! command -v xev >/dev/null; then
  echo "first window: skipped: xvfb-run and xev (x11-utils) are needed"
  exit 0
fi
on_screen() {
  local count=$runs
  [ "$1" = wine ] && count=$((runs + 1))
  xvfb-run -a -s "-screen 0 1024x768x24" bash "$self" --first-window "$count" "$@"
}
linux_window=$(on_screen "$linux/morvik-tool" | median)
printf '%-44s %8.2f s\n' "first window, Linux morvik-tool (Xvfb)" "${linux_window:-0}"
if [ -x "$windows/morvik-tool.exe" ]; then
  # Wine's desktop process, started without a display by the read above, would show no window on
  # the virtual screen: it starts again there. Its first start on a screen sets it up: one start
  # more, not counted.
  wine_restart
  wine_window=$(on_screen wine "$windows/morvik-tool.exe" | tail -n +2 | median)
  # Wine's own start of a windowed program (its server, the desktop process, the display driver)
  # is most of this, so the goal is the desktop tool's own (0.5 s), not Linux's figure.
  printf '%-44s %8.2f s  %s\n' "first window, morvik-tool.exe under Wine" "${wine_window:-0}" \
    "$(awk -v w="${wine_window:-99}" -v l="${linux_window:-0}" 'BEGIN {
      printf "%.1f x Linux; goal 0.50 s %s", (l > 0 ? w / l : 0), (w <= 0.5 ? "ok" : "MISS") }')"
else
  echo "first window, morvik-tool.exe under Wine: skipped: $windows/morvik-tool.exe is not built" \
    "(the Windows build of the desktop tool)"
fi
