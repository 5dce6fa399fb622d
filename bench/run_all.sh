#!/usr/bin/env bash
# The performance record: builds every benchmark (RelWithDebInfo, no sanitizers) and runs them
# against the simulator at the real line speed (115200 baud), then prints one table: for each
# session and transfer the measured time, its floor and the ratio; the block sender beside
# lrzsz's sx on the same receiver; the tool's CPU time during a read; the peak memory of the
# programs at start. The raw output of every benchmark stays in BUILD/bench-logs/.
#
#   bash bench/run_all.sh [BUILD_DIR]        (default build/bench; MORVIK_BENCH_GUI=OFF skips
#                                             building and measuring the desktop tool;
#                                             MORVIK_BENCH_REPORT_ONLY=1 prints the table from
#                                             the logs of the last run)
#
# Floors: the pauses the protocol prescribes (the 100 ms reply wait of every command line, the
# paced lines' 25 ms, the upload's waits) plus the wire time of every byte at ten bits per byte.
# A ratio near 1 means the session is as fast as the line and the protocol allow.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/bench}
gui=${MORVIK_BENCH_GUI:-ON}
logs="$build/bench-logs"

benches=()
for src in bench/*.cpp; do
  benches+=("$(basename "$src" .cpp)")
done
targets=(morvik morvik-sim "${benches[@]}")
if [ "$gui" = ON ]; then
  targets+=(morvik-tool)
fi

echo "== build ($build) ==" >&2
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVIK_SANITIZE=OFF \
  -DMORVIK_GUI="$gui" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}" >&2
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

if [ "${MORVIK_BENCH_REPORT_ONLY:-0}" != 1 ]; then
  for name in "${benches[@]}"; do
    run "$name"
  done
fi

rows=()
add() {  # name, measured seconds, floor seconds, note
  local ratio="-"
  if [[ $2 =~ ^[0-9.]+$ && $3 =~ ^[0-9.]+$ ]]; then
    ratio=$(awk -v m="$2" -v f="$3" 'BEGIN { if (f > 0) printf "%.2f", m / f; else print "-" }')
  fi
  rows+=("$(printf '%-42s %10s %10s %7s  %s' "$1" "$2" "$3" "$ratio" "$4")")
}

# Sessions measured with their floors by session_floor_bench.
while IFS='|' read -r _ name seconds floor note; do
  add "$name" "$seconds" "$floor" "$note"
done < <(grep '^ROW|' "$logs/session_floor_bench.txt" || true)

# The Mini read and write of mini_session_bench: a title line, then the figures. The simulator
# paces only what it sends, so the floor that counts here is its "paced direction alone" one.
while IFS='|' read -r what seconds floor; do
  add "Mini ${what%% (*}" "$seconds" "$floor" "pauses + terminal->tool wire"
done < <(awk '
  /^[^ ].*/ { title = $0 }
  /^  [0-9.]+ s; floor/ { measured = $1 }
  /^  against the pauses and the paced direction alone/ {
    match($0, /\(([0-9.]+) s\)/); floor = substr($0, RSTART + 1, RLENGTH - 4)
    printf "%s|%s|%s\n", title, measured, floor }' \
  "$logs/mini_session_bench.txt" 2>/dev/null || true)

# Firmware: the tool's block sender and sx into the same simulated receiver. The simulator does
# not slow what it receives, so the floor here is the sender's prescribed wait (the drain's one
# empty read of 1 s) and the acknowledgements' wire time; a real line adds the image's own wire
# time, which firmware_bench prints.
fw=$logs/firmware_bench.txt
fw_blocks=$(sed -n 's/.*firmware image [0-9]* bytes, \([0-9]*\) blocks.*/\1/p' "$fw" | head -n 1)
fw_bytes=$(sed -n 's/.*firmware image \([0-9]*\) bytes.*/\1/p' "$fw" | head -n 1)
fw_wire=$(sed -n 's/^wire *: \([0-9.]*\) s.*/\1/p' "$fw" | head -n 1)
fw_tool=$(sed -n 's/^tool *: transfer \([0-9.]*\) s.*/\1/p' "$fw" | head -n 1)
fw_check=$(sed -n 's/^tool *: transfer [0-9.]* s, with the version check \([0-9.]*\) s.*/\1/p' "$fw" | head -n 1)
fw_sx=$(sed -n 's/^sx *: transfer \([0-9.]*\) s.*/\1/p' "$fw" | head -n 1)
fw_floor=-
if [ -n "$fw_blocks" ]; then
  fw_floor=$(awk -v b="$fw_blocks" 'BEGIN { printf "%.2f", 1.0 + b * 10 / 115200 }')
fi
add "firmware ${fw_bytes:-?} B: block sender" "${fw_tool:--}" "$fw_floor" \
  "1 s drain + ACKs; real line +${fw_wire:-?} s wire"
add "firmware ${fw_bytes:-?} B: lrzsz sx, same receiver" "${fw_sx:--}" "$fw_floor" \
  "reference sender (no drain wait)"
add "firmware update incl. version check" "${fw_check:--}" "$fw_floor" \
  "terminal restart and identification included"

# Detection log: the receiver ends every cycle with a 50 ms pause, during which the next block
# crosses the line; the floor is those pauses plus one block's wire time.
dl=$logs/dlog_bench.txt
dl_blocks=$(sed -n 's/^detection log [0-9]* records, \([0-9]*\) blocks.*/\1/p' "$dl" | head -n 1)
dl_records=$(sed -n 's/^detection log \([0-9]*\) records.*/\1/p' "$dl" | head -n 1)
dl_wire=$(sed -n 's/^wire *: \([0-9.]*\) s.*/\1/p' "$dl" | head -n 1)
dl_tool=$(sed -n 's/^tool *: \([0-9.]*\) s.*/\1/p' "$dl" | head -n 1)
dl_floor=-
if [ -n "$dl_blocks" ]; then
  dl_floor=$(awk -v b="$dl_blocks" 'BEGIN { printf "%.2f", b * 0.050 + 132 * 10 / 115200 }')
fi
add "detection log ${dl_records:-?} records" "${dl_tool:--}" "$dl_floor" \
  "50 ms per block; wire alone ${dl_wire:-?} s"

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
echo "Performance record ($(date -u +%Y-%m-%d), $(nproc) cores, emulated 115200 baud)"
printf '%-42s %10s %10s %7s  %s\n' "session / transfer" "measured s" "floor s" ratio note
for row in "${rows[@]}"; do
  echo "$row"
done
echo
printf '%-42s %s\n' "peak memory, morvik at start" "${cli_mem} KB"
printf '%-42s %s\n' "peak memory, morvik-tool at start" "${tool_mem} KB (offscreen, 5 s)"
echo
echo "Other figures (no line involved):"
for name in block_transfer_bench sound_pack_bench text_bench settings_file_bench dlog_read_bench; do
  [ -f "$logs/$name.txt" ] || continue
  echo "-- $name"
  sed 's/^/   /' "$logs/$name.txt"
done
