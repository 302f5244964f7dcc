#!/usr/bin/env bash
# What a stored music file that is not MPEG audio costs lizhi.exe: the program
# starts under Wine (private Xvfb, private copy of the prefix) with "play" =
# "t" and "MP3" naming 200 KB of bytes without a frame sync, and the CPU of its
# process is read from /proc for each 10 s of the run. The player's own count
# of play cycles comes from player_garbage_bench.exe.
#   bench/player/lizhi_garbage_music.sh [seconds] [t|f]   (default 60 s, "play" = t;
#   f gives the same program without music, for comparison)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/env.sh"
. "$root/scripts/xvfb.sh"
seconds=${1:-60}
play=${2:-t}
exe=$(find "$root/$LIZHI_TEST_BUILD" -name lizhi.exe -type f | head -n 1)
[ -n "$exe" ] || { echo "build lizhi.exe first (scripts/build)" >&2; exit 1; }

work=$(mktemp -d /tmp/lizhi-garbage-music.XXXXXX)
cleanup() {
  WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$WINEPREFIX" "$work/wine"
export WINEPREFIX="$work/wine"
mkdir -p "$work/app/mp3"
cp "$exe" "$work/app/lizhi.exe"
# The first head ends on a broken pipe once the second has its bytes.
head -c 300000 /dev/urandom | tr -d '\377' | head -c 200000 > "$work/app/mp3/garbage.mp3" || true
printf '[lz]\r\nplay=%s\r\nMP3=\\mp3\\garbage.mp3\r\ntime=60\r\n' "$play" > "$work/app/setup.ini"

start_xvfb
(cd "$work/app" && wine "$work/app/lizhi.exe" >/dev/null 2>&1 &)
# The program's process: the one whose command line names lizhi.exe in this run's folder.
tag=$(basename "$work")
pid=""
for _ in $(seq 1 300); do
  for p in $(pgrep -f "lizhi.exe" || true); do
    if tr '\0' ' ' < "/proc/$p/cmdline" 2>/dev/null | grep -q "$tag"; then pid=$p; fi
  done
  [ -n "$pid" ] && break
  sleep 0.1
done
[ -n "$pid" ] || { echo "lizhi.exe did not start" >&2; exit 1; }
hz=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null || echo 0; }
echo "lizhi.exe (pid $pid), play = $play, MP3 = 200 KB without a frame sync; CPU of its process:"
before=$(ticks)
total_before=$before
for ((t = 10; t <= seconds; t += 10)); do
  sleep 10
  now=$(ticks)
  awk -v a="$before" -v b="$now" -v hz="$hz" -v t="$t" \
    'BEGIN { printf "%3d-%3d s: %6.2f %% of one core\n", t - 10, t, 100 * (b - a) / hz / 10 }'
  before=$now
done
awk -v a="$total_before" -v b="$before" -v hz="$hz" -v s="$seconds" \
  'BEGIN { printf "whole run: %.2f s CPU over %d s = %.2f %% of one core\n", (b - a) / hz, s, 100 * (b - a) / hz / s }'
