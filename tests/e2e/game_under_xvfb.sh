#!/usr/bin/env bash
# The real game under a real X server, driven by synthetic input: it opens
# with the logo on the sky over the whole 640 x 480 image in a window and
# full-screen (by whole factors, so that it is the image's own pixels; the
# screens script checks the filled screen), draws 60 frames a second, and ends with status 0 on Escape, on
# F12 and on closing the window. Usage: game_under_xvfb.sh GAME CLOSE_WINDOW_TOOL
# FERROW_E2E_TIMING=0 leaves out the frame count (for slow debug builds).
set -u
game=$1
close_window=$2
source "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool convert
start_xvfb 1024x768

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run MODE-ARGS ENDING: starts the game, checks the picture, ends it.
run() {
  local args=$1 ending=$2 log="$work/frames" pid window sky status
  rm -f "$log"
  FERROW_FRAME_LOG="$log" "$game" $args 2>"$work/stderr" &
  pid=$!
  window=$(xdotool search --sync --limit 1 --name '^ferrow$' 2>/dev/null)
  wait_for_frames "$log" 1 || fail "$args $ending: no logo"  # held five seconds
  import -window root "$work/screen.png"
  # The logo (311 x 160) on a sky that fills exactly the rest of the image.
  sky=$(convert "$work/screen.png" -fill black +opaque 'rgb(20,144,240)' -fill white -opaque 'rgb(20,144,240)' \
        -format '%[fx:round(mean*w*h)]' info:)
  [ "$sky" = 257440 ] || fail "$args $ending: $sky sky pixels, want 257440"
  case $ending in
    Escape|F12) xdotool key "$ending" ;;
    close) "$close_window" "$window" ;;
  esac
  wait_for_exit "$pid"
  status=$?
  [ "$status" = 0 ] || { fail "$args $ending: exit status $status"; cat "$work/stderr"; }
}

run --windowed Escape
run --integer-scaling F12
run --windowed close
run --integer-scaling close

# Ten seconds of frames after the logo (600 on a quiet machine), and the
# processor time.
if [ "${FERROW_E2E_TIMING:-1}" = 0 ]; then
  [ "$failures" = 0 ] && echo "game under Xvfb: all passed (frame count left out)"
  exit $((failures > 0))
fi
rm -f "$work/frames"
FERROW_FRAME_LOG="$work/frames" "$game" --windowed 2>/dev/null &
pid=$!
xdotool search --sync --limit 1 --name '^ferrow$' >/dev/null 2>&1
wait_for_frames "$work/frames" 2 || fail "no frames after the logo"
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
first=$(tail -n 1 "$work/frames")
cpu0=$(cpu)
sleep 10
cpu1=$(cpu)
xdotool key Escape
wait "$pid"
frames=$(awk -v t0="$first" '$1 > t0 && $1 <= t0 + 10000000' "$work/frames" | wc -l)
echo "frames in 10 s: $frames; processor: $(( (cpu1 - cpu0) * 100 / $(getconf CLK_TCK) / 10 ))% of one core"
# The pace is capped at 60 a second; a busy machine may drop frames, which is
# not a fault of the game, so only a far lower count fails.
{ [ "$frames" -ge 480 ] && [ "$frames" -le 612 ]; } || fail "$frames frames in 10 s, want at most 612 and not far below 600"

[ "$failures" = 0 ] && echo "game under Xvfb: all passed"
exit $((failures > 0))
