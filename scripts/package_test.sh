#!/usr/bin/env bash
# Builds the Debian package from a build folder that is already built (default build/release),
# checks it as a Debian packager would (lintian, the desktop entry, the AppStream entry), installs
# it with apt, uses what it installed as an operator would (version, help, a settings round trip
# and the standard sounds on a simulated terminal, the manual pages in Japanese and English, the
# completion, a user without the right to the port, the udev rule on simulated cables, Qt's
# Japanese buttons and the desktop tool offscreen for a few seconds), removes it and checks that
# nothing of it is left behind. Needs root (or sudo) for apt.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
SUDO=
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
APT=($SUDO apt-get -o DPkg::Lock::Timeout=300 -y -qq)
package=morvik-tool

fail() { echo "package: FAILED: $*" >&2; exit 1; }
step() { echo "package: $*"; }

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

work=$(mktemp -d)
sim_pid=
lintian_pid=
# Qt's Japanese texts, which the package recommends: taken away before the package is installed
# (the set-up script installs them for the tests), so that apt must bring them for the package.
qt_texts=qt6-translations-l10n
qt_texts_removed=
qt_texts_manual=
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  if [ -n "$lintian_pid" ]; then kill "$lintian_pid" 2>/dev/null || true; wait "$lintian_pid" 2>/dev/null || true; fi
  if installed "$package"; then
    "${APT[@]}" purge "$package" >/dev/null 2>&1 || true
  fi
  if [ -n "$qt_texts_removed" ] && ! installed "$qt_texts"; then
    "${APT[@]}" install "$qt_texts" >/dev/null 2>&1 || true
  fi
  if [ -n "$qt_texts_manual" ]; then $SUDO apt-mark manual "$qt_texts" >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# ---- build ----------------------------------------------------------------------------------
step "building the package from $build"
rm -f "$build"/${package}_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$PWD/$build"/${package}_*.deb)
step "$(basename "$deb"): $(du -h "$deb" | cut -f1)"
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "  Depends: $depends"
echo "  Recommends: $recommends"
for lib in libqt6widgets6 zlib1g; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib"
done
[[ $recommends == *fonts-noto-cjk* ]] || fail "Recommends lacks a Japanese font"
[[ $recommends == *"$qt_texts"* ]] || fail "Recommends lacks Qt's Japanese texts ($qt_texts)"
dpkg-deb -c "$deb" | awk '{print substr($6, 2)}' >"$work/contents"
metainfo=$(grep -m1 '^/usr/share/metainfo/.*\.metainfo\.xml$' "$work/contents") ||
  fail "the package has no AppStream entry"
for path in /usr/bin/morvik /usr/bin/morvik-tool /usr/bin/morvik-sim \
  /usr/share/morvik-tool/wav/mini_ok.wav /usr/share/applications/morvik-tool.desktop \
  /usr/share/icons/hicolor/scalable/apps/morvik-tool.svg /usr/lib/udev/rules.d/70-morvik-tool.rules \
  /usr/share/bash-completion/completions/morvik \
  /usr/share/doc/morvik-tool/guide-ja.md /usr/share/doc/morvik-tool/copyright \
  /usr/share/doc/morvik-tool/changelog.gz; do
  grep -qx "$path" "$work/contents" || fail "the package lacks $path"
done
for page in morvik morvik-tool morvik-sim; do
  for folder in /usr/share/man/ja/man1 /usr/share/man/man1; do
    grep -qx "$folder/$page.1.gz" "$work/contents" || fail "the package lacks $folder/$page.1.gz"
  done
done

# Debian's package checker, while the rest goes on: no error and no warning. Its notes (I:) are
# shown; a tag that did not apply would be overridden, with the reason, in the package.
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian" 2>&1 &
lintian_pid=$!

# The probe prints the texts of Qt's standard Yes, No and Cancel buttons as a desktop tool shows
# them, and ends it.
probe=$PWD/$build/tests/package/libmorvik_qt_texts_probe.so
[ -f "$probe" ] || fail "$probe is not built"
cancel_text() {
  TMPDIR="$work" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" timeout 20 "$1" 2>/dev/null | sed -n 3p
}

# ---- install ----------------------------------------------------------------------------------
if installed "$qt_texts"; then
  if apt-mark showmanual "$qt_texts" | grep -q .; then qt_texts_manual=1; fi
  qt_texts_removed=1
  # dpkg alone, waiting while another dpkg or apt runs: nothing depends on them, and apt would
  # take several seconds more to work that out.
  for _ in $(seq 1 300); do
    $SUDO dpkg --remove "$qt_texts" >"$work/apt.log" 2>&1 && break
    grep -q 'lock' "$work/apt.log" || { cat "$work/apt.log" >&2; fail "removing $qt_texts"; }
    sleep 1
  done
  installed "$qt_texts" && fail "dpkg did not remove $qt_texts"
fi
# Without them the probe must see English, or the check after the installation proves nothing.
[ "$(cancel_text "$build/morvik-tool")" = "Cancel" ] || fail "Qt's texts are Japanese without $qt_texts"

step "installing with apt (and what the package recommends)"
"${APT[@]}" -o APT::Install-Recommends=true install "$deb" >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; fail "apt-get install"; }
installed "$package" || fail "not installed"
installed "$qt_texts" || fail "apt did not install $qt_texts with the package"

# ---- use --------------------------------------------------------------------------------------
export MORVIK_CONFIG_DIR="$work/config"
for program in morvik morvik-tool morvik-sim; do
  out=$("/usr/bin/$program" --version) || fail "$program --version"
  [[ $out == "$program "[0-9]* ]] || fail "$program --version printed: $out"
  step "$out"
done
/usr/bin/morvik --help | grep -q '^使い方: morvik' || fail "morvik --help"

/usr/bin/morvik-sim --edition mini --state "$work/state" >"$work/sim.out" 2>/dev/null &
sim_pid=$!
for _ in $(seq 1 100); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
dev=$(head -1 "$work/sim.out")
[ -e "$dev" ] || fail "the installed simulator printed no device"
tool() { /usr/bin/morvik --device "$dev" "$@" 2>"$work/err" || { cat "$work/err" >&2; return 1; }; }
step "round trip on a simulated Mini ($dev) with the installed programs"
tool info >"$work/info" || fail "morvik info"
grep -q '^製品名:' "$work/info" || fail "morvik info printed no panel"
tool read "$work/before.dat" || fail "morvik read"
sed -e 's/^rslt 0\r$/rslt 1\r/' "$work/before.dat" >"$work/changed.dat"
tool write "$work/changed.dat" || fail "morvik write"
tool read "$work/after.dat" || fail "morvik read after the write"
grep -q $'^rslt 1\r$' "$work/after.dat" || fail "the written value did not come back"
# The installed programs have no wav folder beside them: the standard sounds come from the
# package's data folder.
tool easy --url 'https://example.jp/' --sound standard --no-clock || fail "easy with the standard sounds"

step "a user without the right to the port is told what to do"
if command -v setpriv >/dev/null && [ "$(id -u)" -eq 0 ]; then
  if setpriv --reuid=65534 --regid=65534 --clear-groups /usr/bin/morvik --device "$dev" info \
    >/dev/null 2>"$work/denied"; then
    fail "nobody opened the port"
  fi
  grep -q 'dialout' "$work/denied" && grep -q '70-morvik-tool.rules' "$work/denied" ||
    { cat "$work/denied" >&2; fail "no permission advice"; }
fi

step "manual pages (Japanese and English) and completion"
for page in morvik morvik-tool morvik-sim; do
  for locale in ja_JP.UTF-8:/usr/share/man/ja/man1 C:/usr/share/man/man1; do
    lang=${locale%%:*}
    [ "$(LANG=$lang man -w "$page")" = "${locale#*:}/$page.1.gz" ] || fail "LANG=$lang man -w $page"
    LANG=$lang MANWIDTH=80 man --warnings "$page" >"$work/page" 2>"$work/groff" || fail "LANG=$lang man $page"
    [ ! -s "$work/groff" ] || { cat "$work/groff" >&2; fail "groff warns on $page for LANG=$lang"; }
  done
done
LANG=ja_JP.UTF-8 MANWIDTH=80 man morvik 2>/dev/null | grep -q 'dlog erase' || fail "man morvik"
LANG=C MANWIDTH=80 man morvik 2>/dev/null | grep -qx 'NAME' || fail "the English man morvik"
completion=$(bash -c 'source /usr/share/bash-completion/completions/morvik
  COMP_WORDS=(morvik dlog ""); COMP_CWORD=2; _morvik; echo "${COMPREPLY[*]}"')
[ "$completion" = "erase get summary" ] || fail "completion offered: $completion"

step "the desktop and software-centre entries"
desktop-file-validate /usr/share/applications/morvik-tool.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$metainfo" >"$work/appstream" 2>&1 ||
  { cat "$work/appstream" >&2; fail "appstreamcli validate"; }

step "the udev rule on simulated cables"
bash scripts/udev_rules_test.sh || fail "the udev rule"

step "Qt's standard buttons in Japanese"
[ "$(cancel_text /usr/bin/morvik-tool)" = "キャンセル" ] ||
  fail "the installed morvik-tool shows Qt's Cancel button as '$(cancel_text /usr/bin/morvik-tool)'"

step "the desktop tool offscreen for 3 seconds"
# A temporary folder of its own: the single-instance lock and socket must not outlive the run.
status=0
TMPDIR="$work" QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/morvik-tool --device "$dev" \
  >"$work/tool.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/tool.log" >&2; fail "morvik-tool ended early with $status"; }

kill "$sim_pid" 2>/dev/null || true
wait "$sim_pid" 2>/dev/null || true
sim_pid=

step "lintian"
status=0
wait "$lintian_pid" || status=$?
lintian_pid=
sed -e '/running with root privileges/d' -e 's/^/  /' "$work/lintian"
[ "$status" -eq 0 ] || fail "lintian"

# ---- remove ---------------------------------------------------------------------------------
step "removing"
"${APT[@]}" purge "$package" >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get purge"; }
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'installed'; then
  fail "still installed"
fi
# Qt's texts stay, as the set-up script's again when it had installed them.
if [ -n "$qt_texts_manual" ]; then $SUDO apt-mark manual "$qt_texts" >/dev/null; fi
qt_texts_removed=
qt_texts_manual=
left=0
while read -r path; do
  [ -n "$path" ] && [ ! -d "$path" ] && [ -e "$path" ] && { echo "left behind: $path" >&2; left=1; }
done <"$work/contents"
for dir in /usr/share/morvik-tool /usr/share/doc/morvik-tool; do
  [ -e "$dir" ] && { echo "left behind: $dir" >&2; left=1; }
done
[ "$left" -eq 0 ] || fail "files left behind"
step "built, installed, used and removed: OK"
