#!/usr/bin/env bash
# The desktop tool's first window: the time from starting the program to its main window on the
# screen, for the Linux morvik-tool and for morvik-tool.exe under Wine (with its own Qt), each on
# the same virtual screen, three runs each, median; and the size of the Windows setup program
# and zip.
#
#   bash bench/wine_window_bench.sh    (after scripts/windows_test.sh has built build/windows;
#                                       uses build/release's morvik-tool)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
linux=$PWD/build/release
windows=$PWD/build/windows
title="モルヴィク・ミニ スリム共通設定ツール"

source scripts/wine_prefix.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/morvik-window-bench.XXXXXX")
cleanup() {
  wine_prefix_end
  rm -rf "$work"
}
trap cleanup EXIT
wine_prefix "$work"

# Seconds from the start of the program (the arguments) to its visible main window; the program
# is ended afterwards.
first_window() {
  local s e pid
  s=$(date +%s.%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  timeout 60 xdotool search --sync --onlyvisible --name "^$title\$" >/dev/null
  e=$(date +%s.%N)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
  wineserver -p >/dev/null 2>&1
  echo "$e - $s" | bc
}
median() { sort -n | sed -n 2p; }

linux_window=$(for i in 1 2 3; do
  first_window env MORVIK_CONFIG_DIR="$work/config$i" QT_QPA_PLATFORM=xcb "$linux/morvik-tool"
done | median)
wine_window=$(for _ in 1 2 3; do first_window wine "$windows/morvik-tool.exe"; done | median)

printf '%-44s %8s s\n' "first window, Linux morvik-tool" "$linux_window"
printf '%-44s %8s s\n' "first window, morvik-tool.exe under Wine" "$wine_window"
for file in "$windows"/morvik-tool-*-windows-x64-setup.exe "$windows"/morvik-tool-*-windows-x64.zip; do
  printf '%-44s %8s KB\n' "$(basename "$file")" "$(( $(stat -c %s "$file") / 1024 ))"
done
