#!/usr/bin/env bash
# A whole game under a real X server, played with synthetic input: the name
# is typed and confirmed, the countdown waited out, shots fired and the gun
# reloaded, the 90 seconds run out, and Escape ends the program. The saved
# "hight.dat" must then hold the new player. Usage: full_game_under_xvfb.sh GAME
set -u
game=$1
source "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool import
start_xvfb 800x600
shots=${FERROW_SHOTS_DIR:-$work}

# The game started from a folder of its own, with a copy of the data.
mkdir -p "$work/start/data"
cp -r "$(dirname "$game")/data/set0" "$work/start/data/"
rm -f "$work/start/data/set0/hight.dat"
cd "$work/start"
log=$work/frames
FERROW_FRAME_LOG="$log" "$game" --windowed 2>"$work/stderr" &
pid=$!
window=$(xdotool search --sync --limit 1 --name '^ferrow$')
wait_for_frames "$log" 2  # past the five-second logo

for key in z o e; do hold "$log" "$key"; done
import -window "$window" "$shots/name_entry.png"
hold "$log" Return
wait_for_game_time "$log" 6.5  # the countdown
start=$(tail -n 1 "$log")

seed=${FERROW_SEED:-$$}
RANDOM=$seed
echo "seed $seed (FERROW_SEED replays it)"
xdotool mousemove --window "$window" 320 150
for _ in $(seq 8); do xdotool click 1; after_frames "$log" 15; done
import -window "$window" "$shots/play.png"
xdotool click 3
for _ in $(seq 3); do
  after_frames "$log" 10
  xdotool mousemove --window "$window" $((100 + RANDOM % 440)) $((60 + RANDOM % 200)) click 1
done
wait_for_game_time "$log" 91 "$start"  # the round's 90 seconds
import -window "$window" "$shots/game_over.png"
xdotool key Escape

status=0
wait_for_exit "$pid"
rc=$?
[ "$rc" = 0 ] || { echo "FAIL: exit status $rc"; cat "$work/stderr"; status=1; }
if grep -aq ZOE data/set0/hight.dat 2>/dev/null; then
  echo "hight.dat holds the new player"
else
  echo "FAIL: hight.dat does not hold ZOE"
  status=1
fi
exit $status
