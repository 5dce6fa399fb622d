#!/usr/bin/env bash
# The performance record: builds every benchmark (RelWithDebInfo, no sanitizers) and runs them
# against the simulator on a 115200 baud line, paced in both directions, then prints one table:
# for each session and transfer the measured time (the median of several runs), its floor, the
# ratio and where the time goes (the opening's floor apart, the prescribed pauses, the wire time
# each way, the rest, which is the tool's own, and its CPU time); the tool's work in instructions
# (valgrind's callgrind, which the machine's load does not change); what the operator waits for
# in the desktop tool; the Windows programs under Wine beside the Linux ones; the block sender
# beside lrzsz's sx; the peak memory of the programs at start. The raw output of every benchmark
# stays in BUILD/bench-logs/.
#
#   bash bench/run_all.sh [BUILD_DIR]     (default build/bench)
#     MORVIK_BENCH_RUNS=N        runs per figure (default 3; the median is printed)
#     MORVIK_BENCH_GUI=OFF       skips building and measuring the desktop tool
#     MORVIK_BENCH_REPORT_ONLY=1 prints the table from the logs of the last run
#   The instruction counts need valgrind, the first windows on a virtual screen xvfb-run and xev
#   (x11-utils), the Wine rows wine and build/windows (scripts/windows_test.sh); a row whose
#   tool is missing says so.
#
# Floors (bench/SessionFloor.h): the pauses the protocol prescribes (the 100 ms after every
# command line, the paced lines' 25 ms, the opening's wake-up gaps, the senders' drain, the
# upload's and the receiver's waits) plus the wire time, ten bits per byte both ways, that no
# pause hides. A ratio near 1 means the session is as fast as the line and the protocol allow.
# Goals: every session within 1.10 x its floor (opening included), the tool's CPU under 5 % of
# the session's time, the first window under 0.5 s, a settings window usable under 0.2 s after
# its read, Windows under Wine within 1.10 x Linux.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/bench}
gui=${MORVIK_BENCH_GUI:-ON}
runs=${MORVIK_BENCH_RUNS:-3}
logs="$build/bench-logs"
load() { cut -d' ' -f1-3 /proc/loadavg; }

targets=(morvik morvik-sim session_floor_bench firmware_bench dlog_bench block_transfer_bench
  sound_pack_bench text_bench settings_file_bench dlog_read_bench fleet_bench)
if [ "$gui" = ON ]; then
  targets+=(morvik-tool desktop_wait_bench)
fi

if [ "${MORVIK_BENCH_REPORT_ONLY:-0}" != 1 ]; then
  echo "== build ($build) ==" >&2
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVIK_SANITIZE=OFF \
    -DMORVIK_GUI="$gui" >/dev/null
  cmake --build "$build" -j2 --target "${targets[@]}" >&2
fi
export MORVIK_SIM="$PWD/$build/morvik-sim"
mkdir -p "$logs"

# Runs one benchmark and keeps its output; a benchmark that fails is reported, not fatal.
run() {
  local name=$1
  shift
  local bin
  bin=$(find "$build" -name "$name" -type f -perm -u+x | head -n 1)
  if [ -z "$bin" ]; then
    echo "(not built)" >"$logs/$name.txt"
    return
  fi
  echo "== $name ==" >&2
  "$bin" "$@" >"$logs/$name.txt" 2>&1 || echo "(exit $?)" >>"$logs/$name.txt"
}

# The tool's work in one session, counted by callgrind: only the session itself is instrumented
# (session_floor_bench switches the count on and off around it).
instructions() {
  local only=$1 out
  out=$(valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file=/dev/null \
    "$build/bench/session_floor_bench" --runs 1 --only "$only" 2>&1 >/dev/null || true)
  sed -n 's/.*Collected : \([0-9]*\).*/\1/p' <<<"$out" | tail -n 1
}

if [ "${MORVIK_BENCH_REPORT_ONLY:-0}" != 1 ]; then
  load >"$logs/load-start.txt"
  run session_floor_bench --runs "$runs"
  run firmware_bench --runs "$runs"
  run dlog_bench 2000 --runs "$runs"
  run block_transfer_bench
  run sound_pack_bench
  run text_bench
  run settings_file_bench
  run dlog_read_bench
  run fleet_bench
  if [ "$gui" = ON ]; then
    run desktop_wait_bench --runs "$runs"
  fi
  : >"$logs/instructions.txt"
  if command -v valgrind >/dev/null; then
    for only in "Mini read" "MiniSx read" "Slim read" "Slim write" "Mini write" "MiniSx write" \
      "Mini maintenance" "Mini identification"; do
      echo "== callgrind: $only ==" >&2
      echo "$only|$(instructions "$only")" >>"$logs/instructions.txt"
    done
  fi
  if [ -x build/windows/morvik.exe ] && command -v wine >/dev/null; then
    echo "== Wine ==" >&2
    MORVIK_BENCH_RUNS=$runs bash bench/wine_bench.sh "$build" >"$logs/wine.txt" 2>&1 ||
      echo "(exit $?)" >>"$logs/wine.txt"
  else
    echo "skipped: build/windows/morvik.exe is not built (bash scripts/windows_test.sh builds it)" \
      >"$logs/wine.txt"
  fi
  load >"$logs/load-end.txt"
fi

# ---- The table ----------------------------------------------------------------------------------
rows=()
notes=()
add() {  # name measured opening rest pauses wireOut wireIn cpu late trip note
  local name=$1 m=$2 open=$3 rest=$4 pauses=$5 out=$6 in=$7 cpu=$8 late=$9 trip=${10} note=${11}
  if ! [[ $m =~ ^[0-9.]+$ && $open =~ ^[0-9.]+$ && $rest =~ ^[0-9.]+$ ]]; then
    rows+=("$(printf '%-40s %8s  %s' "$name" "-" "$note")")
    return
  fi
  rows+=("$(awk -v name="$name" -v m="$m" -v o="$open" -v r="$rest" -v p="$pauses" -v wo="$out" \
    -v wi="$in" -v c="$cpu" -v late="$late" -v trip="$trip" -v note="$note" 'BEGIN {
      f = o + r; ratio = m / f
      goal = ratio <= 1.10 ? "ok" : "MISS"
      if (name ~ /bare sender|lrzsz/) goal = "ref"
      cpuShare = (c ~ /^[0-9.]+$/) ? sprintf("%.3f %4.1f%%", c, 100 * c / m) : "-"
      if (c ~ /^[0-9.]+$/ && c / m > 0.05) goal = goal "+CPU"
      printf "%-40s %8.2f %6.2f %6.2f %5.2f %-4s %6.2f %6.2f %6.2f %6.2f %5s %5s  %-13s %s",
        name, m, o, f, ratio, goal, p, wo, wi, m - f, late, trip, cpuShare, note }')")
}

while IFS='|' read -r _ name m open rest pauses out in cpu late trip _ note; do
  add "$name" "$m" "$open" "$rest" "$pauses" "$out" "$in" "$cpu" "$late" "$trip" "$note"
done < <(cat "$logs/session_floor_bench.txt" "$logs/firmware_bench.txt" \
  "$logs/dlog_bench.txt" 2>/dev/null | grep '^ROW|' || true)

# Peak memory at start (kilobytes of resident memory).
mem() {
  local file
  file=$(mktemp)
  /usr/bin/time -o "$file" -f '%M' "$@" >/dev/null 2>&1 || true
  local out
  out=$(grep -E '^[0-9]+$' "$file" | tail -n 1 || true)
  rm -f "$file"
  echo "${out:--}"
}
cli_mem=$(mem "$build/morvik" --help)
tool_mem="-"
tool=$(find "$build" -name morvik-tool -type f -perm -u+x | head -n 1)
if [ -n "$tool" ]; then
  tool_mem=$(MORVIK_CONFIG_DIR=$(mktemp -d) QT_QPA_PLATFORM=offscreen mem timeout -s INT 5 "$tool")
fi

echo
echo "Performance record ($(date -u +%Y-%m-%d), $(nproc) cores, load average" \
  "$(cat "$logs/load-start.txt" 2>/dev/null || echo ?) at the start and" \
  "$(cat "$logs/load-end.txt" 2>/dev/null || echo ?) at the end;"
echo "115200 baud paced both ways; median of $runs runs; seconds)"
printf '%-40s %8s %6s %6s %5s %-4s %6s %6s %6s %6s %5s %5s  %-13s %s\n' "session / transfer" \
  measured opening floor ratio goal pauses "out" "in" own late trip "CPU" note
for row in "${rows[@]}"; do
  echo "$row"
done
echo "(floor = the opening's floor + the rest's; ratio = measured / floor; pauses: prescribed;"
echo " out/in: wire time each way; own = measured - floor: the tool's own time; the machine's"
echo " load meanwhile: late = ms a 25 ms sleep overran, trip = ms of a byte there and back through"
echo " a pseudo-terminal (means); CPU: the tool's)"

if grep -q '^OPEN|' "$logs/session_floor_bench.txt" 2>/dev/null; then
  echo
  echo "The opening alone (seconds, median of $runs; every way was accepted unless it says not):"
  printf '  %-8s %-38s %s\n' edition way seconds
  grep '^OPEN|' "$logs/session_floor_bench.txt" | while IFS='|' read -r _ edition way seconds; do
    printf '  %-8s %-38s %s\n' "$edition" "$way" "$seconds"
  done
fi

if [ -s "$logs/instructions.txt" ]; then
  echo
  echo "The tool's work per session (callgrind, instructions; load does not change them):"
  while IFS='|' read -r name count; do
    printf '  %-40s %s\n' "$name" "${count:-(not counted)}"
  done <"$logs/instructions.txt"
else
  echo
  echo "The tool's work in instructions: valgrind is not installed (apt-get install valgrind)."
fi

if [ -f "$logs/desktop_wait_bench.txt" ]; then
  echo
  echo "What the operator waits for in the desktop tool (offscreen, milliseconds, median of $runs):"
  printf '  %-58s %8s %6s %s\n' "wait" "ms" "goal" ""
  grep '^DESK|' "$logs/desktop_wait_bench.txt" | while IFS='|' read -r _ what ms goal note; do
    verdict=""
    if [[ $goal =~ ^[0-9]+$ && $ms =~ ^[0-9]+$ ]]; then
      if [ "$note" = floor ]; then
        verdict=$(awk -v m="$ms" -v f="$goal" 'BEGIN { printf "%.2f x floor%s", m / f, m / f <= 1.10 ? "" : "  MISS" }')
        goal="${goal} floor"
      else
        verdict=$([ "$ms" -le "$goal" ] && echo ok || echo MISS)
      fi
    fi
    printf '  %-58s %8s %6s %s %s\n' "$what" "$ms" "$goal" "$verdict" "${note:+($note)}"
  done
  grep -v -e '^DESK|' -e 'This plugin does not support' -e '^QStandardPaths' \
    "$logs/desktop_wait_bench.txt" |
    sed 's/^/  /' || true
fi

echo
echo "Windows under Wine beside Linux:"
sed 's/^/  /' "$logs/wine.txt"

echo
printf '%-42s %s\n' "peak memory, morvik at start" "${cli_mem} KB"
printf '%-42s %s\n' "peak memory, morvik-tool at start" "${tool_mem} KB (offscreen, 5 s)"
echo
echo "Other figures:"
for name in firmware_bench block_transfer_bench sound_pack_bench text_bench settings_file_bench \
  dlog_read_bench fleet_bench; do
  [ -f "$logs/$name.txt" ] || continue
  echo "-- $name"
  grep -v '^ROW|' "$logs/$name.txt" | sed 's/^/   /'
done
