#!/usr/bin/env bash
# Runs a Windows morvik-tool.exe under Wine on the X display as an operator would: waits for its
# main window, chooses 機器情報の読み込み (Ctrl+L), answers the first session's notice with Enter,
# waits until the simulated terminal has received the read's last line, saves the main window as
# a PNG and closes the tool. Fails when the window never shows or the read never ends.
#   wine_tool_window.sh PROGRAM.exe SIM_LOG LAST_LINE OUT.png
# Needs DISPLAY, WINEPREFIX (whose preferences name the terminal's COM port), xdotool, xwd and
# netpbm (scripts/setup.sh installs them).
set -euo pipefail
program=$1 log=$2 last=$3 out=$4
title="モルヴィク・ミニ スリム共通設定ツール"
notice="通信を開始します"
# The Windows Qt's own platform (windows), whatever the Linux programs were told to use.
unset QT_QPA_PLATFORM
# Wine's desktop process on this display while the tool runs, and on none after it.
source "$(dirname "$0")/wine_prefix.sh"
wine_restart

wine "$program" >/dev/null 2>&1 &
tool=$!
main=
# Closes the tool as an operator would (Esc on the main window), else ends it.
stop() {
  if [ -n "$main" ]; then
    xdotool windowfocus --sync "$main" key Escape 2>/dev/null || true
    for _ in $(seq 50); do
      kill -0 "$tool" 2>/dev/null || break
      sleep 0.2
    done
  fi
  kill "$tool" 2>/dev/null || true
  wait "$tool" 2>/dev/null || true
  wine_restart
}
trap stop EXIT

# window TITLE: the X window of the visible window with that title (a minute at most).
window() {
  timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

main=$(window "$title") || main=
if [ -z "$main" ]; then
  echo "wine_tool_window: $program showed no window titled $title" >&2
  exit 1
fi
xdotool windowfocus --sync "$main" key ctrl+l
box=$(window "$notice") || true
if [ -n "$box" ]; then
  xdotool windowfocus --sync "$box" key Return
fi
for _ in $(seq 300); do
  if grep -qxF "$last" "$log" 2>/dev/null; then
    break
  fi
  sleep 0.2
done
if ! grep -qxF "$last" "$log" 2>/dev/null; then
  echo "wine_tool_window: the terminal never received \"$last\" (its log: $log)" >&2
  exit 1
fi
# The panel is filled once the read is over; give the window a moment to paint it.
sleep 1
xwd -id "$main" -silent | xwdtopnm 2>/dev/null | pnmtopng >"$out"
