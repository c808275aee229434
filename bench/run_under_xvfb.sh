#!/usr/bin/env bash
# The game played under Xvfb with synthetic mouse moves and clicks, measured
# over SECONDS of play (default 20) after the logo, the name entry and the
# countdown, on a screen of SCREEN pixels (default 1024x768) in MODE "window"
# (640 x 480, the default) or "fullscreen". Prints the start-up time to the
# first presented frame, the game process's and the X server's share of one
# core, frames per second, the frame-interval percentiles and the resident
# memory. A Windows build (GAME ending in .exe) runs under Wine, with no
# sound, and the Wine server's share is printed too.
# Usage: run_under_xvfb.sh GAME [SECONDS] [SCREEN] [window|fullscreen]
set -u
game=$(realpath "$1")
seconds=${2:-20}
screen=${3:-1024x768}
mode=${4:-window}
case $mode in
  window) mode_args=--windowed ;;
  fullscreen) mode_args= ;;
  *) echo "mode must be window or fullscreen"; exit 2 ;;
esac
mover=
on_exit='[ -n "$mover" ] && kill $mover 2>/dev/null'
run=("$game")
case $game in
  *.exe)
    source "$(dirname "$0")/../tests/windows/wine.sh"
    need_tools python3
    start_wine "$screen"
    run=("$(command -v wine)" "$game" --nosound)
    ;;
  *)
    source "$(dirname "$0")/../tests/e2e/xvfb.sh"
    need_tools Xvfb xdotool python3
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
sleep 6.5  # the five-second logo
for key in b e n; do xdotool keydown "$key"; sleep 0.2; xdotool keyup "$key"; sleep 0.2; done
xdotool key Return
sleep 7.5  # the countdown

# Play: aim somewhere new twice a second, shoot, and reload after eight shots,
# at the same image points whatever the picture's scale on the screen.
eval "$(xdotool getwindowgeometry --shell "$window")"
k=$(( WIDTH / 640 < HEIGHT / 480 ? WIDTH / 640 : HEIGHT / 480 ))
[ "$k" -ge 1 ] || k=1
ox=$(( (WIDTH - 640 * k) / 2 )) oy=$(( (HEIGHT - 480 * k) / 2 ))
(
  n=0
  while :; do
    xdotool mousemove --window "$window" $((ox + k * (40 + RANDOM % 560))) $((oy + k * (40 + RANDOM % 300))) click 1
    n=$((n + 1))
    [ $((n % 8)) = 0 ] && xdotool click 3
    sleep 0.5
  done
) &
mover=$!

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
kill "$mover"
mover=
xdotool key Escape
wait_for_exit "$pid" >/dev/null

first=$(head -n 1 "$work/frames")
echo "screen $screen, $mode"
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
