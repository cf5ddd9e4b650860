#!/bin/sh
# Brown noise of 100 s or more, ours against sox, side by side.
#
# Each round runs, one after the other, our bench program brown_noise_once
# (start the process, open the sound layer on a loopback device, generate
# the plain brown noise and load it into a slot, exit) and
#   sox -n -r 44100 -c 1 -b 16 -t raw /dev/null synth 100 brownnoise
# timing each as a whole process; brown_noise_once also reports the time of
# the play request alone, generation plus load, timed inside. The order
# alternates from round to round so that neither always runs on a warmer
# machine. Prints every round and the medians; the last line is the ratio
# that the goal is about: our request (generation plus load, timed inside)
# over sox as a whole process, at most 0.25. The line before it compares the
# two whole processes, ours including its start and the sound layer's.
#
# Usage: bench/brown_noise_vs_sox.sh [build directory] [rounds]
#        (defaults: build, 9; build the target brown_noise_once first)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-9}
ours="$build/bench/synth/brown_noise_once"

if [ ! -x "$ours" ]; then
    echo "missing $ours: cmake --build $build --target brown_noise_once" >&2
    exit 2
fi
if ! command -v sox >/dev/null 2>&1; then
    echo "sox is not installed (scripts/setup.sh installs it)" >&2
    exit 2
fi

now_ns() { date +%s%N; }

# Milliseconds a command takes as a whole process; its stdout goes to $2.
time_ms() {
    start=$(now_ns)
    "$1" >"$2"
    end=$(now_ns)
    echo $(( (end - start) / 1000 ))
}

run_ours() { "$ours"; }
run_sox() { sox -n -r 44100 -c 1 -b 16 -t raw /dev/null synth 100 brownnoise; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
: >"$tmp/ours"; : >"$tmp/sox"; : >"$tmp/inside"

i=1
while [ "$i" -le "$rounds" ]; do
    if [ $((i % 2)) -eq 1 ]; then
        o=$(time_ms run_ours "$tmp/out"); s=$(time_ms run_sox /dev/null)
    else
        s=$(time_ms run_sox /dev/null); o=$(time_ms run_ours "$tmp/out")
    fi
    inside=$(cat "$tmp/out")
    echo "$o" >>"$tmp/ours"; echo "$s" >>"$tmp/sox"; echo "$inside" >>"$tmp/inside"
    printf 'round %d: ours %d.%03d ms (request alone %s ms), sox %d.%03d ms\n' \
        "$i" $((o / 1000)) $((o % 1000)) "$inside" $((s / 1000)) $((s % 1000))
    i=$((i + 1))
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
mo=$(median "$tmp/ours"); ms=$(median "$tmp/sox"); mi=$(median "$tmp/inside")
awk -v o="$mo" -v s="$ms" -v i="$mi" 'BEGIN {
    printf "median: ours %.1f ms as a whole process, its request alone %.1f ms; sox %.1f ms\n", o / 1000, i, s / 1000
    printf "whole processes, ours/sox: %.3f\n", o / s
    printf "ratio generation+load/sox: %.3f (goal <= 0.25)\n", i * 1000 / s
}'
