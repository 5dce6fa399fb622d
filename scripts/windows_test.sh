#!/usr/bin/env bash
# Builds the Windows programs (mingw-w64 cross build with the Windows Qt of scripts/windows_qt.sh)
# into build/windows, with the setup program and the zip, and tests them under Wine: the
# installer (silent install, the installed programs, the installed desktop tool reading a
# terminal on a virtual screen, silent uninstall), the core's test programs, the window tests
# that run on both platforms, and round trips of morvik.exe against the Linux simulator through a
# Wine COM port. What the simulated terminals receive from the Windows programs is compared byte
# for byte with what the Linux programs send to identical terminals. Uses build/release's morvik,
# morvik-sim and window tests (built here when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD"
started=$SECONDS

echo "== Windows build (mingw-w64, Windows Qt) =="
qt=$(bash scripts/windows_qt.sh)
toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
# CMake keeps the toolchain of a folder's first configure: a folder made without this Qt (or
# with an older one) starts afresh.
if [ -f build/windows/CMakeCache.txt ] && ! grep -qF "$toolchain" build/windows/CMakeCache.txt; then
  rm -rf build/windows
fi
cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DMORVIK_WERROR=ON >/dev/null
cmake --build build/windows --target morvik morvik-tool windows_tests installer
(cd build/windows && cpack -G ZIP >/dev/null)

linux=$PWD/build/release
if [ ! -f "$linux/CMakeCache.txt" ]; then
  cmake -S . -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$linux" --target morvik morvik-sim test_windows_gui >/dev/null
windows=$PWD/build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows/CMakeCache.txt")
package=$windows/morvik-tool-$version-windows-x64

# A fresh Wine prefix; the programs' preferences land in its AppData.
source scripts/wine_prefix.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/morvik-wine.XXXXXX")
unset DISPLAY WAYLAND_DISPLAY MORVIK_CONFIG_DIR
sims=()
cleanup() {
  for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  wine_prefix_end
  if [ -n "${MORVIK_WINE_KEEP:-}" ]; then
    echo "kept: $work" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT
wine_prefix "$work"
appdata=$(wine_appdata)
mkdir -p "$appdata/MorvikTool"

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

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

same() {
  if ! cmp -s "$1" "$2"; then
    echo "FAILED: $3: Windows and Linux differ" >&2
    diff <(od -c "$1") <(od -c "$2") | head -20 >&2 || true
    exit 1
  fi
}

echo "== Windows zip =="
# Listed once: grep -q would stop reading early and pipefail would take that for a failure.
listing=$(cmake -E tar tf "$package.zip")
for entry in morvik.exe morvik-tool.exe Qt6Widgets.dll platforms/qwindows.dll \
    translations/qtbase_ja.qm wav/mini_ok.wav; do
  grep -qxF "morvik-tool-$version-windows-x64/$entry" <<<"$listing" || fail "the zip has no $entry"
done

# The setup program in the fresh prefix: silent install, the installed programs, the installed
# desktop tool reading a terminal in its window on a virtual screen, silent uninstall.
echo "== Wine installer =="
installed="$WINEPREFIX/drive_c/Program Files/MorvikTool"
menu_entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/モルヴィク・ミニ スリム共通設定ツール.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\MorvikTool'
wine "$package-setup.exe" /S
for file in morvik.exe morvik-tool.exe uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll \
    platforms/qoffscreen.dll styles/qwindowsvistastyle.dll translations/qtbase_ja.qm \
    wav/mini_ok.wav wav/mini_ng.wav wav/kel_fin.wav; do
  [ -f "$installed/$file" ] || fail "the installer did not install $file"
done
[ -f "$menu_entry" ] || fail "the installer made no Start-menu entry"
wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the installer left no uninstall entry"
[ "$(wine "$installed/morvik.exe" --version | tr -d '\r')" = "morvik $version" ] ||
  fail "the installed morvik.exe does not answer --version"
com=4
start_sim installed --edition mini
ln -sfn "$device" "$WINEPREFIX/dosdevices/com$com"
printf '[MorvikMini/Slim]\r\nSerialPortNum=%d\r\nCloseCheck=0\r\n' "$com" >"$appdata/MorvikTool/MorvikTool.ini"
xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/wine_tool_window.sh \
  "$installed/morvik-tool.exe" "$work/installed.log" "reboot s" "$work/installed.png" ||
  fail "the installed morvik-tool.exe did not read the terminal in its window"
[ -s "$work/installed.png" ] || fail "no picture of the installed morvik-tool.exe's window"
# The uninstaller runs from a copy in the temporary folder and returns at once: wait for it.
wine "$installed/uninstall.exe" /S
for _ in $(seq 150); do
  [ -e "$installed" ] || break
  sleep 0.2
done
[ ! -e "$installed" ] || fail "the uninstaller left $(cd "$installed" && find . | head -n 3)"
[ ! -e "$menu_entry" ] || fail "the uninstaller left the Start-menu entry"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left the uninstall entry"
[ -f "$appdata/MorvikTool/MorvikTool.ini" ] || fail "the uninstaller removed the user's preferences"
com=$((com + 1))

echo "== core tests under Wine =="
while read -r test; do
  [ -n "$test" ] || continue
  echo "-- $test"
  (cd "$windows" && wine "$test.exe" --gtest_brief=1 | grep -v '^Running main') || { echo "FAILED: $test under Wine" >&2; exit 1; }
done <"$windows/windows-tests.txt"

# The window tests that run on both platforms, each once as the Linux program and once as the
# Windows program against terminals started alike (the same COM number: in a ports folder on
# Linux, in the prefix under Wine): both must pass, and both terminals must have received the
# same bytes and end in the same state.
echo "== Wine window tests =="
wine_headless
mkdir -p "$work/gui-machine/config/ports" "$work/gui-machine/sys" "$work/gui-machine/dev"
for row in MainWindowReadsTheTerminalsInformation:mini MiniFileOpensChangesAndIsWritten:mini \
    SlimEditorWritesWhatItShows:slim; do
  test=${row%:*} edition=${row#*:}
  for side in linux windows; do
    start_sim "$test-$side" --edition "$edition" --state "$work/$test-$side.state"
    mkdir -p "$work/$test-$side-run"
    if [ "$side" = linux ]; then
      ln -sfn "$device" "$work/gui-machine/config/ports/COM$com"
      (cd "$work/$test-$side-run" && MORVIK_CONFIG_DIR="$work/gui-machine/config" \
        MORVIK_SYSFS_ROOT="$work/gui-machine/sys" MORVIK_DEV_ROOT="$work/gui-machine/dev" \
        QT_QPA_PLATFORM=offscreen MORVIK_TEST_COM=$com "$linux/tests/windows_gui/test_windows_gui" \
        --gtest_filter="WindowsGuiTest.$test" --gtest_brief=1 >"$work/$test-$side.txt" 2>&1) ||
        { cat "$work/$test-$side.txt" >&2; fail "$test on Linux"; }
    else
      ln -sfn "$device" "$WINEPREFIX/dosdevices/com$com"
      (cd "$work/$test-$side-run" && QT_QPA_PLATFORM=offscreen MORVIK_TEST_COM=$com \
        timeout 120 wine "$windows/test_windows_gui.exe" --gtest_filter="WindowsGuiTest.$test" \
        --gtest_brief=1 >"$work/$test-$side.txt" 2>&1) ||
        { cat "$work/$test-$side.txt" >&2; fail "$test under Wine"; }
    fi
  done
  echo "-- $test"
  same "$work/$test-linux.log" "$work/$test-windows.log" "$test: the bytes the terminal received"
  same "$work/$test-linux.state" "$work/$test-windows.state" "$test: the terminal's state"
  com=$((com + 1))
done

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

# Every edition: identification, a settings read and the write of what was read; the Mini also
# a firmware update and a detection log. The Linux and the Windows program each talk to their own
# simulated terminal, started alike, so both terminals must receive the same bytes.
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
printf '[MorvikMini/Slim]\r\nSerialPortNum=%d\r\nCloseCheck=0\r\n' "$com" >"$appdata/MorvikTool/MorvikTool.ini"
(cd "$work" && wine "$windows/morvik.exe" info) | tr -d '\r' | grep -q '^端末ID:W18T0001$' ||
  { echo "FAILED: morvik.exe did not take COM$com from $appdata/MorvikTool/MorvikTool.ini" >&2; exit 1; }

# A bare COMn given with --device is the same port, COM10 and above too (Windows reaches those
# only as \\.\COMn).
echo "== Wine --device COM12 =="
ln -sfn "$device" "$WINEPREFIX/dosdevices/com12"
(cd "$work" && wine "$windows/morvik.exe" --device COM12 info) | tr -d '\r' | grep -q '^端末ID:W18T0001$' ||
  { echo "FAILED: morvik.exe --device COM12 did not reach the terminal" >&2; exit 1; }

echo "== Windows: all passed ($((SECONDS - started)) s) =="
