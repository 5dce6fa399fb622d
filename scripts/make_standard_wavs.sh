#!/usr/bin/env bash
# Makes the three standard sound files in wav/: short chimes in the only format a Mini-family
# terminal plays (8-bit unsigned mono PCM, 8 kHz). The results are committed; run this again only
# to change them. Needs sox. Dithering is off so that the output is the same on every run.
#   mini_ok.wav  success: two rising notes
#   mini_ng.wav  failure: two low buzzes
#   kel_fin.wav  KelTouch completed: three rising notes
set -euo pipefail
cd "$(dirname "$0")/.."
out=wav
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# note FILE SECONDS SHAPE FREQ: one note with a soft attack and a decaying tail.
note() {
    sox -D -V1 -n -r 8000 -c 1 -b 8 -e unsigned-integer "$1" \
        synth "$2" "$3" "$4" fade q 0.005 "$2" "$(awk -v d="$2" 'BEGIN { print d * 0.6 }')" vol 0.8
}
gap() {
    sox -D -V1 -n -r 8000 -c 1 -b 8 -e unsigned-integer "$1" trim 0 "$2"
}
join() {
    local target=$1
    shift
    sox -D -V1 "$@" -r 8000 -c 1 -b 8 -e unsigned-integer "$target"
}

mkdir -p "$out"

note "$tmp/ok1.wav" 0.10 sine 1319
note "$tmp/ok2.wav" 0.25 sine 1760
join "$out/mini_ok.wav" "$tmp/ok1.wav" "$tmp/ok2.wav"

note "$tmp/ng.wav" 0.15 square 330
gap "$tmp/ng_gap.wav" 0.08
join "$out/mini_ng.wav" "$tmp/ng.wav" "$tmp/ng_gap.wav" "$tmp/ng.wav"

note "$tmp/kel1.wav" 0.12 sine 1047
note "$tmp/kel2.wav" 0.12 sine 1319
note "$tmp/kel3.wav" 0.35 sine 1568
join "$out/kel_fin.wav" "$tmp/kel1.wav" "$tmp/kel2.wav" "$tmp/kel3.wav"

for f in mini_ok mini_ng kel_fin; do
    soxi "$out/$f.wav" | grep -E 'Sample Rate|Channels|Precision|Duration' | tr -s ' ' >&2
done
