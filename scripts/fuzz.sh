#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang, libFuzzer, AddressSanitizer and UBSan in build/fuzz
# and runs each one for a bounded time on its seed corpus (fuzz/corpus/<target>/), with the
# dictionary of its file's keywords (fuzz/dict/<target>.dict) when it has one. Any crash, hang,
# leak or sanitizer report fails the run; the input that caused it is kept in build/fuzz/artifacts/.
# The targets run with TMPDIR on a memory file system (/dev/shm), so that the few that must
# write scratch files (the sound packer reads its wave files from paths) do not wait on a disk.
#
#   scripts/fuzz.sh                      every target, FUZZ_TOTAL_SECONDS (default 90) in all
#   scripts/fuzz.sh --seconds 600 fuzz_reply fuzz_records    chosen targets, 600 s each
#   scripts/fuzz.sh --runs 10000000      every target until it has run that many inputs
#
# New inputs that a run finds go to build/fuzz/corpus/<target>/, never into the seed corpus; to
# grow the seeds after a long run: build/fuzz/fuzz/<target> -merge=1 fuzz/corpus/<target>
# build/fuzz/corpus/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."

per_target=""
runs=""
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) per_target=$2; shift 2 ;;
    --seconds=*) per_target=${1#*=}; shift ;;
    --runs) runs=$2; shift 2 ;;
    --runs=*) runs=${1#*=}; shift ;;
    -h|--help) sed -n '2,17p' "$0"; exit 0 ;;
    *) targets+=("$1"); shift ;;
  esac
done

if ! command -v clang++ >/dev/null 2>&1; then
  bash scripts/setup.sh --no-windows-qt
fi

build=build/fuzz
echo "== build (clang, libFuzzer + AddressSanitizer + UndefinedBehaviorSanitizer) =="
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMORVIK_FUZZ=ON -DMORVIK_SANITIZE=ON -DMORVIK_TESTS=OFF -DMORVIK_GUI=OFF -DMORVIK_WERROR=ON \
  -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link" -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
  >/dev/null
cmake --build "$build" --target fuzz_targets -j2

if [ ${#targets[@]} -eq 0 ]; then
  for src in fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$src" .cpp)")
  done
fi
limits=()
if [ -n "$runs" ]; then
  limits+=(-runs="$runs")
  [ -z "$per_target" ] || limits+=(-max_total_time="$per_target")
else
  if [ -z "$per_target" ]; then
    total=${FUZZ_TOTAL_SECONDS:-90}
    per_target=$(( total / ${#targets[@]} ))
    [ "$per_target" -ge 3 ] || per_target=3
  fi
  limits+=(-max_total_time="$per_target")
fi

# Scratch files on a memory file system where there is one.
scratch_root=/dev/shm
[ -d "$scratch_root" ] && [ -w "$scratch_root" ] || scratch_root=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_root/morvik-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/artifacts" "$build/logs"

echo "== fuzzing: ${#targets[@]} targets, each for ${limits[*]} (scratch files in $scratch_root) =="
failed=()
summary=$(printf '%-22s %12s %10s %8s %8s %8s  %s\n' target executions "exec/s" cov corpus "rss MB" result)
for t in "${targets[@]}"; do
  bin="$build/fuzz/$t"
  if [ ! -x "$bin" ]; then
    echo "fuzz: no such target: $t" >&2
    failed+=("$t")
    continue
  fi
  seeds="fuzz/corpus/$t"
  work="$build/corpus/$t"
  mkdir -p "$work" "$seeds"
  log="$build/logs/$t.log"
  result=ok
  # -timeout: one input running longer than this is a hang; -rss_limit_mb: a runaway allocation.
  dict=()
  [ ! -f "fuzz/dict/$t.dict" ] || dict=(-dict="fuzz/dict/$t.dict")
  if ! TMPDIR="$scratch" "$bin" "${limits[@]}" "${dict[@]}" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" "$work" "$seeds" \
      >"$log" 2>&1; then
    result=FAILED
    failed+=("$t")
    tail -n 40 "$log" >&2
  fi
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  rss=$(grep -o 'stat::peak_rss_mb: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*' || echo 0)
  corpus=$(find "$work" -type f | wc -l)
  summary+=$'\n'$(printf '%-22s %12s %10s %8s %8s %8s  %s' "$t" "$execs" "$rate" "$cov" "$corpus" "$rss" "$result")
done

echo "$summary"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: FAILED: ${failed[*]} (inputs in $build/artifacts, logs in $build/logs)" >&2
  exit 1
fi
echo "fuzz: every target ran without a finding"
