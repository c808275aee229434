#!/usr/bin/env bash
# The game played under Xvfb with synthetic input, measured over SECONDS of
# play (default 20) after the logo, the name entry and the countdown, on a
# screen of SCREEN pixels (default 1024x768) in MODE "window" (the first
# window's size, the default) or "fullscreen", the picture scaled as SCALING
# says: "fill" (the default) or "whole" (whole factors). While it measures,
# the view scrolls left and right all the time, with a shot every 0.4 s and
# a reload after every eighth: the most rows change from frame to frame.
# Prints the start-up time to the first presented frame, the game process's
# and the X server's share of one core, frames per second, the frame-interval
# percentiles and the resident memory. Fails when play does not begin. A
# Windows build (GAME ending in .exe) runs under Wine, with no sound, and the
# Wine server's share is printed too. With BENCH_SHOT=FILE a picture of the
# whole screen in play is kept there.
# Usage: run_under_xvfb.sh GAME [SECONDS] [SCREEN] [window|fullscreen] [fill|whole]
set -u
game=$(realpath "$1")
seconds=${2:-20}
screen=${3:-1024x768}
mode=${4:-window}
scaling=${5:-fill}
case $mode in
  window) mode_args=--windowed ;;
  fullscreen) mode_args=--fullscreen ;;
  *) echo "mode must be window or fullscreen"; exit 2 ;;
esac
case $scaling in
  fill) mode_args="$mode_args --fill" ;;
  whole) mode_args="$mode_args --integer-scaling" ;;
  *) echo "scaling must be fill or whole"; exit 2 ;;
esac
player=
on_exit='[ -n "$player" ] && kill $player 2>/dev/null'
run=("$game")
case $game in
  *.exe)
    source "$(dirname "$0")/../tests/windows/wine.sh"
    need_tools python3 import convert
    start_wine "$screen"
    run=("$(command -v wine)" "$game" --nosound)
    ;;
  *)
    source "$(dirname "$0")/../tests/e2e/xvfb.sh"
    need_tools Xvfb xdotool python3 import convert
    start_xvfb "$screen"
    ;;
esac

# A folder of its own with a copy of the data, so that no highscore is kept.
mkdir -p "$work/start/data"
cp -r "$(dirname "$game")/data/set0" "$work/start/data/"
cd "$work/start"
# The monotonic clock at exec, in the frame log's microseconds.
FERROW_FRAME_LOG="$work/frames" python3 -c '
import os, sys, time
open(sys.argv[1], "w").write(str(time.monotonic_ns() // 1000))
os.execv(sys.argv[2], sys.argv[2:])' "$work/exec" "${run[@]}" $mode_args 2>"$work/stderr" &
pid=$!
window=$(xdotool search --sync --limit 1 --name '^ferrow$')
wait_for_frames "$work/frames" 2 || exit 1  # past the five-second logo

# The picture's place in the window, as the game scales it, and the window
# point at the middle of an image pixel.
eval "$(xdotool getwindowgeometry --shell "$window")"
if [ "$scaling" = whole ] && [ $((WIDTH / 640)) -ge 1 ] && [ $((HEIGHT / 480)) -ge 1 ]; then
  k=$(( WIDTH / 640 < HEIGHT / 480 ? WIDTH / 640 : HEIGHT / 480 ))
  pw=$((640 * k)) ph=$((480 * k))
elif [ $((WIDTH * 3)) -le $((HEIGHT * 4)) ]; then
  pw=$WIDTH ph=$(( (3 * WIDTH + 2) / 4 ))
else
  pw=$(( (8 * HEIGHT + 3) / 6 )) ph=$HEIGHT
fi
ox=$(( (WIDTH - pw) / 2 )) oy=$(( (HEIGHT - ph) / 2 ))
at() { echo $((ox + (2 * $1 + 1) * pw / 1280)) $((oy + (2 * $2 + 1) * ph / 960)); }

# The share of the picture that is black: the countdown's, or the scene's.
black() {
  import -window "$window" -crop "${pw}x${ph}+${ox}+${oy}" +repage "$work/shot.png"
  convert "$work/shot.png" -fill white +opaque black -format '%[fx:round(100 * (1 - mean))]' info:
}

# The name, each key held while the name entry, which reads the keys every
# fourth frame, looks; then Return, held the same way.
for key in b e n Return; do
  xdotool keydown "$key"
  after_frames "$work/frames" 10
  xdotool keyup "$key"
  after_frames "$work/frames" 10
done
sleep 2
countdown=$(black)
sleep 6  # the rest of the countdown
scene=$(black)
if [ "$countdown" -lt 80 ] || [ "$scene" -gt 20 ]; then
  echo "FAIL: play did not begin (the picture ${countdown} % black in the countdown, ${scene} % after it)"
  xdotool key Escape
  wait_for_exit "$pid" >/dev/null
  exit 1
fi

# Play: the pointer at the left edge of the picture, then at the right,
# three seconds each, so that the view always scrolls; a shot every 0.4 s
# where it rests, and a reload after every eighth.
(
  n=0
  while :; do
    x=1
    [ $((n / 8 % 2)) = 1 ] && x=638
    xdotool mousemove --window "$window" $(at $x $((60 + RANDOM % 340))) click 1
    n=$((n + 1))
    [ $((n % 8)) = 0 ] && xdotool click 3
    sleep 0.4
  done
) &
player=$!

cpu() { if [ -n "$1" ]; then awk '{print $14 + $15}' "/proc/$1/stat"; else echo 0; fi; }
# Wine's server of this run's prefix.
server=
for p in $(pgrep wineserver); do
  tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=${WINEPREFIX:-}" && server=$p
done
start_line=$(wc -l < "$work/frames")
cpu0=$(cpu "$pid")
x0=$(cpu "$xvfb")
s0=$(cpu "$server")
sleep "$seconds"
cpu1=$(cpu "$pid")
x1=$(cpu "$xvfb")
s1=$(cpu "$server")
end_line=$(wc -l < "$work/frames")
rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
# BENCH_SHOT=FILE keeps a picture of the whole screen in play.
[ -n "${BENCH_SHOT:-}" ] && import -window root "$BENCH_SHOT"
kill "$player"
player=
xdotool key Escape
wait_for_exit "$pid" >/dev/null

first=$(head -n 1 "$work/frames")
echo "screen $screen, $mode, $scaling: picture ${pw} x ${ph} at ($ox, $oy) of ${WIDTH} x ${HEIGHT}"
echo "start-up to the first frame: $(( (first - $(cat "$work/exec")) / 1000 )) ms"
echo "resident memory while playing: $((rss / 1024)) MiB"
awk -v ticks="$(getconf CLK_TCK)" -v s="$seconds" -v c="$((cpu1 - cpu0))" -v x="$((x1 - x0))" \
  -v w="$((s1 - s0))" -v wine="$server" 'BEGIN {
    printf "processor: %.1f %% of one core; X server: %.1f %%", 100 * c / ticks / s, 100 * x / ticks / s
    if (wine) printf "; Wine server: %.1f %%", 100 * w / ticks / s
    printf "\n" }'
# Intervals between the frames presented in the measured span.
sed -n "$((start_line + 1)),${end_line}p" "$work/frames" |
  awk 'NR > 1 { print ($1 - prev) / 1000 } { prev = $1; if (NR == 1) t0 = $1; t1 = $1; n = NR }
       END { printf "frames per second: %.2f\n", (n - 1) / ((t1 - t0) / 1e6) > "/dev/stderr" }' |
  sort -n | awk '{ v[NR] = $1; if ($1 >= 14.7 && $1 <= 18.7) ok++ }
    function p(q) { i = int(q * NR + 0.5); if (i < 1) i = 1; if (i > NR) i = NR; return v[i] }
    END { printf "frame interval ms: p1 %.2f  p50 %.2f  p99 %.2f  max %.2f; within 16.7 +- 2: %.2f %%\n",
                 p(0.01), p(0.5), p(0.99), v[NR], 100 * ok / NR }' 2>&1
