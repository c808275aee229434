#!/usr/bin/env bash
# A whole game under a real X server, played with synthetic input: the name
# is typed and confirmed, the countdown waited out, shots fired and the gun
# reloaded, the 90 seconds run out, and Escape ends the program. The saved
# "hight.dat" must then hold the new player. Usage: full_game_under_xvfb.sh GAME
set -u
game=$1
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done

work=$(mktemp -d)
shots=${FERROW_SHOTS_DIR:-$work}
display=":$((700 + $$ % 200))"
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# The game started from a folder of its own, with a copy of the data.
mkdir -p "$work/start/data"
cp -r "$(dirname "$game")/data/set0" "$work/start/data/"
rm -f "$work/start/data/set0/hight.dat"
cd "$work/start"
"$game" --windowed 2>"$work/stderr" &
pid=$!
window=$(xdotool search --sync --limit 1 --name '^ferrow$')
sleep 6.5  # the five-second logo

hold() { xdotool keydown "$1"; sleep 0.3; xdotool keyup "$1"; sleep 0.3; }
for key in z o e; do hold "$key"; done
import -window "$window" "$shots/name_entry.png"
hold Return
sleep 7.5  # the countdown

xdotool mousemove --window "$window" 320 150
for _ in $(seq 8); do xdotool click 1; sleep 0.25; done
import -window "$window" "$shots/play.png"
xdotool click 3
sleep 0.3
for _ in $(seq 3); do xdotool mousemove --window "$window" $((100 + RANDOM % 440)) $((60 + RANDOM % 200)) click 1; sleep 0.3; done
sleep 86
import -window "$window" "$shots/game_over.png"
xdotool key Escape

for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
status=0
if kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: still running after Escape"
  kill -9 "$pid"
  status=1
fi
wait "$pid"
rc=$?
[ "$rc" = 0 ] || { echo "FAIL: exit status $rc"; cat "$work/stderr"; status=1; }
if grep -aq ZOE data/set0/hight.dat 2>/dev/null; then
  echo "hight.dat holds the new player"
else
  echo "FAIL: hight.dat does not hold ZOE"
  status=1
fi
exit $status
