#!/usr/bin/env bash
# Builds the Windows programs (mingw-w64 cross build) into build/windows and tests them under Wine:
# the core's test programs, and round trips of morvik.exe against the Linux simulator through a
# Wine COM port, compared byte for byte with what the Linux morvik gives against an identical
# simulated terminal. Uses build/release's morvik and morvik-sim (built here when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD"

echo "== Windows build (mingw-w64) =="
cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DMORVIK_GUI=OFF -DMORVIK_WERROR=ON >/dev/null
cmake --build build/windows --target morvik windows_tests

linux=$PWD/build/release
if [ ! -f "$linux/CMakeCache.txt" ]; then
  cmake -S . -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$linux" --target morvik morvik-sim >/dev/null
windows=$PWD/build/windows

# A fresh Wine prefix without a display: no window may ever wait for an answer (Mono and Gecko
# are not offered), and the programs' preferences land in this prefix's AppData.
work=$(mktemp -d "${TMPDIR:-/tmp}/morvik-wine.XXXXXX")
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY MORVIK_CONFIG_DIR
sims=()
cleanup() {
  for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${MORVIK_WINE_KEEP:-}" ]; then
    echo "kept: $work" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT
# One Wine server for the prefix's creation and every run that follows, instead of one each.
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1
wineboot --init >/dev/null 2>&1

echo "== core tests under Wine =="
while read -r test; do
  [ -n "$test" ] || continue
  echo "-- $test"
  (cd "$windows" && wine "$test.exe" --gtest_brief=1 | grep -v '^Running main') || { echo "FAILED: $test under Wine" >&2; exit 1; }
done <"$windows/windows-tests.txt"

# Starts a simulated terminal (NAME ARGS...) logging what it receives to $work/NAME.log; sets
# $device to its pseudo-terminal.
start_sim() {
  local name=$1; shift
  "$linux/morvik-sim" --tid W18T0001 --log "$work/$name.log" "$@" >"$work/$name.out" 2>"$work/$name.err" &
  sims+=($!)
  for _ in $(seq 100); do
    device=$(head -n 1 "$work/$name.out" 2>/dev/null || true)
    [ -n "$device" ] && return 0
    sleep 0.1
  done
  echo "the simulator $name did not start" >&2
  cat "$work/$name.err" >&2
  exit 1
}

linux_morvik() { MORVIK_CONFIG_DIR=$work/linux-config "$linux/morvik" --quiet --device "$linux_device" "$@"; }
# Windows writes text output with CR LF line ends; the words must be the same.
windows_morvik() { (cd "$work" && wine "$windows/morvik.exe" --quiet --port "$com" "$@") | tr -d '\r'; }

# A small firmware image for the Mini family (model ZRT450, version 1.31, 1000 data bytes) with
# its checksums.
perl -e '
  my $n = 1000; my $img = "\0" x (128 + $n);
  substr($img, 128 + $_, 1) = chr((($_ + 128) * 131 + 7) & 0xFF) for 0 .. $n - 1;
  substr($img, 64, 4) = "1.31"; substr($img, 80, 6) = "ZRT450";
  substr($img, 16, 4) = pack("V", $n);
  my $sum = 0;
  $sum += ord(substr($img, $_, 1)) for 128 .. 383;
  $sum += ord(substr($img, $_, 1)) for 512 .. length($img) - 1;
  substr($img, 20, 1) = chr($sum & 0xFF);
  my $h = 0; $h += ord(substr($img, $_, 1)) for grep { $_ != 124 } 0 .. 127;
  substr($img, 124, 1) = chr($h & 0xFF);
  binmode STDOUT; print $img;' >"$work/image.x"

same() {
  if ! cmp -s "$1" "$2"; then
    echo "FAILED: $3: Windows and Linux differ" >&2
    diff <(od -c "$1") <(od -c "$2") | head -20 >&2 || true
    exit 1
  fi
}

# Every edition: identification, a settings read and the write of what was read; the Mini also
# a firmware update and a detection log. The Linux and the Windows program each talk to their own
# simulated terminal, started alike, so both terminals must receive the same bytes.
com=5
for edition in mini minis slim minisx; do
  echo "== Wine round trip: $edition =="
  extra=()
  [ "$edition" = mini ] && extra=(--dlog-records 3)
  start_sim "$edition-linux" --edition "$edition" "${extra[@]}"
  linux_device=$device
  start_sim "$edition-windows" --edition "$edition" "${extra[@]}"
  ln -sfn "$device" "$WINEPREFIX/dosdevices/com$com"
  for side in linux windows; do
    out=$work/$edition-$side
    mkdir -p "$out"
    "${side}_morvik" info | grep -v '^時刻:' >"$out/info.txt"
    "${side}_morvik" read "$(if [ $side = windows ]; then echo "$edition-windows/settings.dat"; else echo "$out/settings.dat"; fi)"
    "${side}_morvik" write "$(if [ $side = windows ]; then echo "$edition-windows/settings.dat"; else echo "$out/settings.dat"; fi)"
    if [ "$edition" = mini ]; then
      "${side}_morvik" dlog get "$(if [ $side = windows ]; then echo "$edition-windows/log.csv"; else echo "$out/log.csv"; fi)"
      "${side}_morvik" firmware --wait 5 "$work/image.x" >/dev/null
    fi
  done
  same "$work/$edition-linux/info.txt" "$work/$edition-windows/info.txt" "$edition identification"
  same "$work/$edition-linux/settings.dat" "$work/$edition-windows/settings.dat" "$edition settings file"
  if [ "$edition" = mini ]; then
    same "$work/$edition-linux/log.csv" "$work/$edition-windows/log.csv" "$edition detection log"
  fi
  same "$work/$edition-linux.log" "$work/$edition-windows.log" "$edition bytes the terminal received"
  com=$((com + 1))
done
# The port search through the system's serial port list: the simulated terminal's COM port is
# added to SERIALCOMM (which Wine fills only with the ports it found itself) after COM1.
echo "== Wine port search (SERIALCOMM) =="
start_sim search --edition mini
ln -sfn "$device" "$WINEPREFIX/dosdevices/com$com"
wine reg add 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' /v "MorvikSim$com" /t REG_SZ /d "COM$com" /f \
  >/dev/null 2>&1
found=$(cd "$work" && wine "$windows/morvik.exe" ports --search 2>&1 | tr -d '\r')
if ! grep -q "COM$com" <<<"$found"; then
  echo "FAILED: the port search did not find the terminal on COM$com: $found" >&2
  exit 1
fi
echo "$found"

# Without --port the port comes from the preferences file in the roaming application-data folder.
echo "== Wine preferences (AppData) =="
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")
mkdir -p "$appdata/MorvikTool"
printf '[MorvikMini/Slim]\r\nSerialPortNum=%d\r\nCloseCheck=0\r\n' "$com" >"$appdata/MorvikTool/MorvikTool.ini"
(cd "$work" && wine "$windows/morvik.exe" info) | tr -d '\r' | grep -q '^端末ID:W18T0001$' ||
  { echo "FAILED: morvik.exe did not take COM$com from $appdata/MorvikTool/MorvikTool.ini" >&2; exit 1; }

# A bare COMn given with --device is the same port, COM10 and above too (Windows reaches those
# only as \\.\COMn).
echo "== Wine --device COM12 =="
ln -sfn "$device" "$WINEPREFIX/dosdevices/com12"
(cd "$work" && wine "$windows/morvik.exe" --device COM12 info) | tr -d '\r' | grep -q '^端末ID:W18T0001$' ||
  { echo "FAILED: morvik.exe --device COM12 did not reach the terminal" >&2; exit 1; }

echo "== Windows: all passed =="
