#!/usr/bin/env bash
# Records a whole game as a player would play it, under Xvfb with synthetic
# input: the name, the countdown, 90 seconds of aiming, shooting, reloading
# and scrolling (by the arrow keys and by the pointer at an edge), the table
# at the end, Escape. whole_game.rec was made by it; make it again when the
# game plays differently.
# Usage: record_game.sh GAME OUT
set -u
game=$(realpath "$1")
out=$(realpath -m "$2")
source "$(dirname "$0")/../e2e/xvfb.sh"
need_tools Xvfb xdotool
start_xvfb 1024x768
enter_data_copy "$game"
FERROW_FRAME_LOG="$work/frames" "$game" --windowed --record "$out" 2>"$work/stderr" &
pid=$!
window=$(xdotool search --sync --limit 1 --name '^ferrow$')
wait_for_frames "$work/frames" 3
for key in BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace m a r e n; do hold "$work/frames" "$key"; done
hold "$work/frames" Return
wait_for_game_time "$work/frames" 6.5

# Play: the pointer glides to a new aim in the sky, where the pigs fly, in
# small steps, shoots on arrival, reloads after eight shots; now and then the
# view is pushed by an arrow key or by the pointer resting at an edge.
x=320 y=240 shots=0 aim=0
play_end=$((SECONDS + 92))
while [ $SECONDS -lt $play_end ]; do
  tx=$((40 + RANDOM % 560)) ty=$((30 + RANDOM % 150))
  for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove --window "$window" $((x + (tx - x) * step / 10)) $((y + (ty - y) * step / 10))
    sleep 0.01
  done
  x=$tx y=$ty
  xdotool click 1
  shots=$((shots + 1))
  [ $((shots % 8)) = 0 ] && { sleep 0.2; xdotool click 3; }
  aim=$((aim + 1))
  case $((aim % 9)) in
    3) xdotool keydown Left; sleep 0.6; xdotool keyup Left ;;
    6) xdotool keydown Right; sleep 0.6; xdotool keyup Right ;;
    8) xdotool mousemove --window "$window" 639 $y; sleep 0.5; x=639 ;;
  esac
  sleep 0.2
done
sleep 3  # the table
xdotool key Escape
wait_for_exit "$pid"
