#!/usr/bin/env bash
# The zip's program under Wine and Xvfb, played with synthetic input as the
# Linux build is under Xvfb alone: the logo on the sky, the scene, a typed
# name, the countdown, shots that change the score, a reload, Alt+Enter to
# full screen and back, Escape with exit status 0 and "hight.dat" holding the
# name in the game's byte format; then the sound report where Wine has no
# sound device, a game with sound into ALSA's null device, and a missing
# picture, whose report box comes up before the program ends with status 1. Exits 77 where Wine is
# not installed. FERROW_SHOTS_DIR keeps the screenshots.
# Usage: game_under_wine.sh ZIP
set -u
zip=$(realpath "$1")
source "$(dirname "$0")/wine.sh"
need_tools unzip import convert
start_wine 1024x768
shots=${FERROW_SHOTS_DIR:-$work}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

unzip -q "$zip" -d "$work/zip"
game=$(dirname "$(find "$work/zip" -name ferrow.exe)")
log=$work/frames

# wine_game ARGS...: the game started from its own folder in the background,
# its frames logged; $pid, $window.
wine_game() {
  rm -f "$log"
  (cd "$game" && FERROW_FRAME_LOG="$(windows_path "$log")" exec wine ferrow.exe "$@" 2>"$work/stderr") &
  pid=$!
  window=$(xdotool search --sync --limit 1 --name '^ferrow$' 2>/dev/null)
}

# answer_box BOX: Return on the report box, then the program's exit status.
# A box that has just come up on a loaded machine may not take the first
# key yet, so Return goes again each second until the program has ended.
answer_box() {
  for _ in $(seq 30); do
    xdotool windowfocus --sync "$1" key Return 2>/dev/null
    for _ in $(seq 10); do kill -0 "$pid" 2>/dev/null && sleep 0.1; done
    kill -0 "$pid" 2>/dev/null || break
  done
  wait_for_exit "$pid"
}

# picture FILE: the window's 640 x 480 picture alone.
picture() { import -window "$window" "$1"; }

# pixels FILE COLOUR X Y W H: how many pixels of the rectangle have the colour.
pixels() {
  convert "$1" -crop "$5x$6+$3+$4" +repage -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:round(mean*w*h)]' info:
}
# The score's digits at the top right are drawn with this outline; the
# cartridges at the bottom right are of this red, 55 pixels each.
outline() { pixels "$1" 'rgb(22,18,46)' 540 0 100 45; }
cartridges() { pixels "$1" 'rgb(222,34,30)' 470 435 170 45; }

wine_game --windowed --nosound
# The pointer held in the middle: at an edge of the picture it would scroll
# the scene away from where the shots aim.
xdotool mousemove --window "$window" 320 240
wait_for_frames "$log" 1 || fail "no logo"
picture "$shots/wine_logo.png"
# The logo (311 x 160) on a sky that fills exactly the rest of the image.
sky=$(convert "$shots/wine_logo.png" -fill black +opaque 'rgb(20,144,240)' -fill white -opaque 'rgb(20,144,240)' \
      -format '%[fx:round(mean*w*h)]' info:)
[ "$sky" = 257440 ] || fail "$sky sky pixels around the logo, want 257440"
wait_for_frames "$log" 2 || fail "no frames after the logo"
xdotool windowfocus --sync "$window" 2>/dev/null
for key in BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace z o e; do hold "$log" "$key"; done
picture "$shots/wine_name_entry.png"
hold "$log" Return
wait_for_game_time "$log" 6.5 || fail "no countdown"
picture "$shots/wine_before_shots.png"
# Shots at the island's bushes, sand and palm trunks, as the scene starts;
# scenery that is hit costs points.
for spot in "25 395" "40 400" "130 455" "150 452" "120 460" "170 390" "40 360" "20 320"; do
  xdotool mousemove --window "$window" $spot click 1
  after_frames "$log" 8
done
xdotool mousemove --window "$window" 320 240
after_frames "$log" 4
picture "$shots/wine_after_shots.png"
[ "$(outline "$shots/wine_before_shots.png")" != "$(outline "$shots/wine_after_shots.png")" ] ||
  fail "the shots left the score as it was"
# (A falling shell casing may add some red.)
[ "$(cartridges "$shots/wine_before_shots.png")" -ge 440 ] && [ "$(cartridges "$shots/wine_after_shots.png")" -lt 55 ] ||
  fail "eight shots did not empty the magazine"
xdotool click 3
after_frames "$log" 30
picture "$shots/wine_reloaded.png"
[ "$(cartridges "$shots/wine_reloaded.png")" -ge 440 ] || fail "the reload did not fill the magazine"

# Full screen covers the whole X screen, and Alt+Enter brings the window back.
xdotool key alt+Return
after_frames "$log" 30
read -r w h < <(xdotool getwindowgeometry --shell "$window" | awk -F= '/WIDTH|HEIGHT/ {printf "%s ", $2}')
[ "$w x $h" = "1024 x 768" ] || fail "full screen is $w x $h"
import -window root "$shots/wine_fullscreen.png"
xdotool key alt+Return
after_frames "$log" 30
read -r w h < <(xdotool getwindowgeometry --shell "$window" | awk -F= '/WIDTH|HEIGHT/ {printf "%s ", $2}')
[ "$w x $h" = "640 x 480" ] || fail "back in a window it is $w x $h"

xdotool key Escape
wait_for_exit "$pid"
status=$?
[ "$status" = 0 ] || { fail "exit status $status"; cat "$work/stderr"; }
# As on Linux: every 0x0A written as 0x0D 0x0A, and 510 bytes once that is
# undone (15 rows of a 30-byte name and a 4-byte score).
table=$game/data/set0/hight.dat
if ! grep -aq ZOE "$table" 2>/dev/null; then
  fail "hight.dat does not hold ZOE"
else
  od -An -v -tu1 "$table" | tr -s ' ' '\n' | awk 'NF {
      if (previous == 13 && $1 == 10) pairs++; else if ($1 == 10) lone++
      previous = $1; n++ }
    END { exit !(n - pairs == 510 && lone == 0) }' || fail "hight.dat is not in the game's byte format"
fi

# Without --nosound on a machine whose Wine has no sound device (as in a
# container): the sound report's box, then the line that names --nosound,
# and status 1. Where Wine has one, the game simply plays.
wine_game --windowed
box=
for _ in $(seq 300); do
  box=$(xdotool search --limit 1 --name '^Fehlermeldung $' 2>/dev/null) && break
  [ "$(frames "$log")" -ge 1 ] && break
  sleep 0.1
done
if [ -n "$box" ]; then
  answer_box "$box"
  status=$?
  [ "$status" = 1 ] || fail "after the sound report the exit status is $status, want 1"
  grep -q 'Fehler bei DirectSoundInit (id:01)' "$work/stderr" && grep -q -- '--nosound' "$work/stderr" ||
    fail "no sound report and hint on stderr"
else
  echo "Wine has a sound device here: the game plays with sound"
  xdotool key --window "$window" Escape
  wait_for_exit "$pid" >/dev/null
fi

# With sound into ALSA's null device, which Wine's driver takes for a sound
# card: waveOut opens and is fed, and the game plays and ends as without.
mkdir -p "$work/home"
printf 'pcm.!default { type null }\n' >"$work/home/.asoundrc"
HOME=$work/home FERROW_VERBOSE=1 wine_game --windowed
wait_for_frames "$log" 2 || fail "no frames with sound"
xdotool key --window "$window" Escape
wait_for_exit "$pid"
status=$?
[ "$status" = 0 ] || fail "with sound the exit status is $status"
grep -q 'ferrow: sound through waveOut' "$work/stderr" || fail "waveOut was not opened"
grep -q 'DirectSoundInit' "$work/stderr" && fail "the null device was refused"

# A missing picture: its report box, and after OK the end with status 1.
rm "$game/data/set0/wasser256.bmp"
wine_game --windowed --nosound
box=$(xdotool search --sync --limit 1 --name '^Fehlermeldung $' 2>/dev/null)
import -window root "$shots/wine_report.png"
answer_box "$box"
status=$?
[ "$status" = 1 ] || fail "after the report the exit status is $status, want 1"

[ "$failures" = 0 ] && echo "game under Wine: all passed"
exit $((failures > 0))
