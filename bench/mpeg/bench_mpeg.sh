#!/usr/bin/env bash
# Times our MPEG audio decoder against Debian's mpg123 on the same file:
# a 5-minute, 192 kbit/s, 44.1 kHz stereo MP3 made here from a synthetic
# signal with sox and lame (made once per build folder, never committed).
#   bench_mpeg.sh MP3DEC WORKDIR [PAIRS]
# Measures whole-process CPU time (user + system) of `mp3dec FILE /dev/null`
# and of `mpg123 -q -s FILE > /dev/null` in PAIRS alternating pairs (default
# 11), and prints both medians and the speed ratio mpg123 time / ours, next to
# our own scalar code's time (mp3dec --scalar).
set -euo pipefail
mp3dec=$1
work=$2
pairs=${3:-11}
mkdir -p "$work"
mp3="$work/bench-192k-44k-stereo.mp3"
if [ ! -s "$mp3" ]; then
  # Left: a slow sweep with vibrato; right: pink noise with tremolo. Noise is
  # the hard case for a decoder (dense spectra, short blocks on the swells).
  sox -q -n -r 44100 -b 16 -c 2 "$work/bench.wav" synth 300 sine 60-9000 pinknoise \
    tremolo 0.7 60 vol 0.6
  lame --quiet -b 192 -m j "$work/bench.wav" "$mp3"
  rm -f "$work/bench.wav"
fi

# CPU seconds (user + system) of one run of a command, from bash's `times`,
# which reports the finished children of the subshell to the millisecond.
cpu_seconds() {
  (
    "$@" > /dev/null 2>&1
    times
  ) | tail -n 1 | awk '{ split($1, u, "m"); split($2, s, "m"); printf "%.3f\n", u[1] * 60 + u[2] + s[1] * 60 + s[2] }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

ours=()
theirs=()
scalar=()
for ((i = 0; i < pairs; i++)); do
  ours+=("$(cpu_seconds "$mp3dec" "$mp3" /dev/null)")
  theirs+=("$(cpu_seconds mpg123 -q -s "$mp3")")
  scalar+=("$(cpu_seconds "$mp3dec" --scalar "$mp3" /dev/null)")
done
ours_median=$(printf '%s\n' "${ours[@]}" | median)
theirs_median=$(printf '%s\n' "${theirs[@]}" | median)
scalar_median=$(printf '%s\n' "${scalar[@]}" | median)
echo "file: 5 min, 192 kbit/s, 44.1 kHz, joint stereo (lame); whole-process CPU time, $pairs alternating runs"
echo "mp3dec runs (s):          ${ours[*]}"
echo "mpg123 -q -s runs (s):    ${theirs[*]}"
echo "mp3dec --scalar runs (s): ${scalar[*]}"
awk -v ours="$ours_median" -v theirs="$theirs_median" -v scalar="$scalar_median" 'BEGIN {
  printf "mp3dec:          median %.3f s  %.0f x real time\n", ours, 300 / ours;
  printf "mpg123 -q -s:    median %.3f s  %.0f x real time (baseline)\n", theirs, 300 / theirs;
  printf "mp3dec --scalar: median %.3f s  %.0f x real time\n", scalar, 300 / scalar;
  printf "speed mp3dec / mpg123: %.2f (target at least 1.20)\n", theirs / ours;
}'
