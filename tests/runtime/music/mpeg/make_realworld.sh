#!/usr/bin/env bash
# Makes the real-world MPEG audio test set in OUTDIR (run at build time): a
# few seconds of synthetic music-like sound encoded the way common tools do
# it, and mpg123's decoding of each file (--no-gapless, raw 16-bit) as the
# reference. Needs sox, lame, twolame, mpg123 and ImageMagick (scripts/setup
# installs them).
#   make_realworld.sh OUTDIR
set -euo pipefail
out=$1
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Left: a sweep with tremolo; right: pink noise. Dense spectra and swells make
# the encoders switch block types and use the bit reservoir.
sox -q -n -r 44100 -b 16 -c 2 "$work/stereo.wav" synth 6 sine 100-8000 pinknoise tremolo 3 50 vol 0.5
sox -q "$work/stereo.wav" -r 8000 -c 1 "$work/mono8k.wav"
sox -q "$work/stereo.wav" -r 48000 "$work/stereo48k.wav"

lame --quiet -V 2 "$work/stereo.wav" "$out/vbr-xing.mp3"                # VBR, Xing header
lame --quiet -b 128 -m s "$work/stereo.wav" "$out/cbr-info.mp3"         # CBR, LAME Info header
lame --quiet -b 320 -m j "$work/stereo.wav" "$out/joint-320.mp3"        # joint stereo, 320 kbit/s
lame --quiet -b 16 -m m "$work/mono8k.wav" "$out/mono-8k.mp3"           # MPEG-2.5, 8 kHz mono
twolame --quiet -b 384 "$work/stereo48k.wav" "$out/layer2-384.mp2"      # layer II, 384 kbit/s
# An ID3 v2.3 tag with about 300 KB of cover art, far beyond the stream search's reach.
/usr/bin/convert -size 230x240 plasma:fractal "$work/cover.png"
lame --quiet -b 128 --id3v2-only --tt "Title" --ta "Artist" --ti "$work/cover.png" "$work/stereo.wav" \
  "$out/cover-art.mp3"

for f in "$out"/*.mp3 "$out"/*.mp2; do
  mpg123 -q --no-gapless -s "$f" > "$f.pcm"
done
touch "$out/stamp"
