#!/usr/bin/env bash
# Times our MPEG audio decoder against Debian's mpg123 on the same file:
# a 5-minute, 192 kbit/s, 44.1 kHz stereo MP3 made here from a synthetic
# signal with sox and lame (made once per build folder, never committed).
#   bench_mpeg.sh MP3DEC WORKDIR [RUNS]
# Prints both speeds (times real time) and the ratio ours / mpg123.
set -euo pipefail
mp3dec=$1
work=$2
runs=${3:-5}
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
seconds_of_audio=300

# Best of `runs` for each decoder, alternating so that both see the same machine load.
best_ours=""
best_mpg123=""
for ((i = 0; i < runs; i++)); do
  line=$("$mp3dec" --bench 1 "$mp3")
  t=$(sed -n 's/.* in \([0-9.]*\) s:.*/\1/p' <<<"$line")
  if [ -z "$best_ours" ] || awk "BEGIN{exit !($t < $best_ours)}"; then best_ours=$t; fi
  start=$(date +%s.%N)
  mpg123 -q -s "$mp3" > /dev/null
  end=$(date +%s.%N)
  t=$(awk "BEGIN{print $end - $start}")
  if [ -z "$best_mpg123" ] || awk "BEGIN{exit !($t < $best_mpg123)}"; then best_mpg123=$t; fi
done
awk -v ours="$best_ours" -v theirs="$best_mpg123" -v audio="$seconds_of_audio" 'BEGIN {
  printf "file: 5 min, 192 kbit/s, 44.1 kHz, joint stereo (lame)\n";
  printf "mp3dec: %.3f s  %.1f x real time\n", ours, audio / ours;
  printf "mpg123: %.3f s  %.1f x real time\n", theirs, audio / theirs;
  printf "ratio (mp3dec speed / mpg123 speed): %.2f\n", theirs / ours;
}'
