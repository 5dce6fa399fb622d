#!/usr/bin/env bash
# Builds the Debian package from a build folder that is already built (default build/release),
# installs it with apt, uses what it installed as an operator would (version, help, a settings
# round trip and the standard sounds on a simulated terminal, the manual pages, the completion,
# a user without the right to the port, the desktop tool offscreen for a few seconds), removes
# it and checks that nothing of it is left behind. Needs root (or sudo) for apt.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
SUDO=
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
APT=($SUDO apt-get -o DPkg::Lock::Timeout=300 -y -qq)
package=morvik-tool

fail() { echo "package: FAILED: $*" >&2; exit 1; }
step() { echo "package: $*"; }

work=$(mktemp -d)
sim_pid=
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    "${APT[@]}" purge "$package" >/dev/null 2>&1 || true
  fi
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
dpkg-deb -c "$deb" | awk '{print substr($6, 2)}' >"$work/contents"
for path in /usr/bin/morvik /usr/bin/morvik-tool /usr/bin/morvik-sim \
  /usr/share/morvik-tool/wav/mini_ok.wav /usr/share/applications/morvik-tool.desktop \
  /usr/share/icons/hicolor/scalable/apps/morvik-tool.svg /usr/lib/udev/rules.d/70-morvik-tool.rules \
  /usr/share/man/man1/morvik.1.gz /usr/share/man/man1/morvik-tool.1.gz \
  /usr/share/man/man1/morvik-sim.1.gz /usr/share/bash-completion/completions/morvik \
  /usr/share/doc/morvik-tool/guide-ja.md; do
  grep -qx "$path" "$work/contents" || fail "the package lacks $path"
done

# ---- install ----------------------------------------------------------------------------------
step "installing with apt"
"${APT[@]}" install "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get install"; }
dpkg-query -W -f='${Status}\n' "$package" | grep -q 'install ok installed' || fail "not installed"

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

step "manual pages and completion"
if command -v man >/dev/null; then
  for page in morvik morvik-tool morvik-sim; do
    [ "$(man -w "$page")" = "/usr/share/man/man1/$page.1.gz" ] || fail "man -w $page"
  done
  LANG=C.UTF-8 MANWIDTH=80 man morvik 2>/dev/null | grep -q 'dlog erase' || fail "man morvik"
fi
completion=$(bash -c 'source /usr/share/bash-completion/completions/morvik
  COMP_WORDS=(morvik dlog ""); COMP_CWORD=2; _morvik; echo "${COMPREPLY[*]}"')
[ "$completion" = "erase get summary" ] || fail "completion offered: $completion"

step "the desktop tool offscreen for 3 seconds"
# A temporary folder of its own: the single-instance lock and socket must not outlive the run.
status=0
TMPDIR="$work" QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/morvik-tool --device "$dev" \
  >"$work/tool.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/tool.log" >&2; fail "morvik-tool ended early with $status"; }

kill "$sim_pid" 2>/dev/null || true
wait "$sim_pid" 2>/dev/null || true
sim_pid=

# ---- remove ---------------------------------------------------------------------------------
step "removing"
"${APT[@]}" purge "$package" >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get purge"; }
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'installed'; then
  fail "still installed"
fi
left=0
while read -r path; do
  [ -n "$path" ] && [ ! -d "$path" ] && [ -e "$path" ] && { echo "left behind: $path" >&2; left=1; }
done <"$work/contents"
for dir in /usr/share/morvik-tool /usr/share/doc/morvik-tool; do
  [ -e "$dir" ] && { echo "left behind: $dir" >&2; left=1; }
done
[ "$left" -eq 0 ] || fail "files left behind"
step "built, installed, used and removed: OK"
