#!/usr/bin/env bash
# The installed Windows desktop tool under Wine: the setup program of build/windows installed
# silently into a fresh Wine prefix, morvik-tool.exe started from there against a simulated
# MiniSx on COM3, 機器情報の読み込み chosen, and its main window saved as
# docs/windows-main-window.png. Run by scripts/screenshots.sh under its virtual display, after
# scripts/windows_test.sh has built build/windows.
set -euo pipefail
build="${MORVIK_BUILD_DIR:-build/release}"
docs="${MORVIK_DOCS_DIR:-docs}"
cmake --build "$build" --target morvik-sim >/dev/null
cmake --build build/windows --target installer >/dev/null
setup=$(ls build/windows/morvik-tool-*-windows-x64-setup.exe)

source scripts/wine_prefix.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/morvik-wine-shot.XXXXXX")
sim=
cleanup() {
  [ -n "$sim" ] && { kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; }
  wine_prefix_end
  rm -rf "$work"
}
trap cleanup EXIT
wine_prefix "$work"
wine "$setup" /S

"$build/morvik-sim" --edition minisx --tid MX-000123 --version 4.12 --boot 55 --wdog 3 \
  --touches 10342 --log "$work/sim.log" >"$work/sim.out" 2>/dev/null &
sim=$!
for _ in $(seq 100); do
  device=$(head -n 1 "$work/sim.out" 2>/dev/null || true)
  [ -n "$device" ] && break
  sleep 0.1
done
ln -sfn "$device" "$WINEPREFIX/dosdevices/com3"
appdata=$(wine_appdata)
mkdir -p "$appdata/MorvikTool"
printf '[MorvikMini/Slim]\r\nSerialPortNum=3\r\nCloseCheck=0\r\n' >"$appdata/MorvikTool/MorvikTool.ini"
bash scripts/wine_tool_window.sh "$WINEPREFIX/drive_c/Program Files/MorvikTool/morvik-tool.exe" \
  "$work/sim.log" "reboot s" "$docs/windows-main-window.png"
echo "screenshots: $docs/windows-main-window.png"
