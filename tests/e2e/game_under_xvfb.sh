#!/usr/bin/env bash
# The real game under a real X server, driven by synthetic input: it opens
# with the logo on the sky over the whole 640 x 480 image in a window and
# full-screen (by whole factors, so that it is the image's own pixels; the
# screens script checks the filled screen), draws 60 frames a second, and ends with status 0 on Escape, on
# F12 and on closing the window. Usage: game_under_xvfb.sh GAME CLOSE_WINDOW_TOOL
# A missing picture gives the fatal report's box; confirmed, or sent SIGTERM
# or SIGINT while it shows, it ends the game with status 1.
# FERROW_E2E_TIMING=0 leaves out the frame count (for slow debug builds).
set -u
game=$(realpath "$1")
close_window=$2
source "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool convert xwininfo
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

# report ENDING: the game started where a picture is missing; its box is
# confirmed with Return or the game is sent the signal ENDING.
mkdir -p "$work/start/data"
cp -r "$(dirname "$game")/data/set0" "$work/start/data/"
rm "$work/start/data/set0/mun256.bmp"
report() {
  local pid box status
  (cd "$work/start" && exec "$game" --windowed 2>"$work/stderr") &
  pid=$!
  if box=$(wait_for_box "Fehlermeldung "); then
    case $1 in
      Return) xdotool windowfocus --sync "$box" key Return ;;
      *) kill -"$1" "$pid" ;;
    esac
  else
    fail "missing picture: no box"
  fi
  wait_for_exit "$pid"
  status=$?
  [ "$status" = 1 ] || fail "missing picture, $1: exit status $status"
  grep -q "Konnte Bild nicht laden : mun256.bmp" "$work/stderr" || fail "missing picture, $1: $(cat "$work/stderr")"
  # The server may list the box a moment after its program has gone, no longer.
  for _ in $(seq 100); do xwininfo -root -tree | grep -q '"Fehlermeldung "' || return 0; sleep 0.1; done
  fail "missing picture, $1: the box outlived the game"
}
report Return
report TERM
report INT

# Ten seconds of frames after the logo, their pace (judge_frame_pace), and
# the processor time.
if [ "${FERROW_E2E_TIMING:-1}" = 0 ]; then
  [ "$failures" = 0 ] && echo "game under Xvfb: all passed (frame pace left out)"
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
judge_frame_pace "$work/frames" "$first" 10 || failures=$((failures + 1))
echo "processor: $(( (cpu1 - cpu0) * 100 / $(getconf CLK_TCK) / 10 ))% of one core"

[ "$failures" = 0 ] && echo "game under Xvfb: all passed"
exit $((failures > 0))
