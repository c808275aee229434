#!/usr/bin/env bash
# The committed game replayed by the real program under Xvfb. As a timedemo
# it prints its line and agrees with its recording: its pictures, score and
# table (status 0), also with every picture run-length compressed by
# ImageMagick. With "play" it is also played back at the normal pace to
# its known score while clicks and keys (F1, F2, space, the arrows) change
# nothing, and a second replay ends early on Escape. Nothing is written.
# Usage: recording_under_xvfb.sh GAME RECORDING [play]
set -u
game=$(realpath "$1")
recording=$(realpath "$2")
play=${3:-}
# What the committed recording holds.
frames=6482
score=-42
source "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool
start_xvfb 1024x768
enter_data_copy "$game"
before=$(find "$work/start" -printf '%p %s %T@\n' | sort)

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# What the game said, or how its output ended (a sanitizer's report, say).
said() { grep -a '^ferrow: ' "$work/stderr" || tail -n 5 "$work/stderr"; }

"$game" --windowed --timedemo "$recording" >"$work/stdout" 2>"$work/stderr"
status=$?
[ "$status" = 0 ] || fail "timedemo: exit status $status; $(said)"
grep -qE "^Zeitmessung: $frames Bilder in [0-9]+,[0-9]{2} s, [0-9]+ Bilder/s; Bildzeit Median [0-9]+,[0-9]{2} ms, 99 % [0-9]+,[0-9]{2} ms, längste [0-9]+,[0-9]{2} ms$" \
  "$work/stdout" || fail "timedemo printed: $(cat "$work/stdout")"
echo "$(cat "$work/stdout")"

# The pictures saved again by an outside tool, run-length compressed: the same
# game, picture for picture.
if command -v convert >/dev/null; then
  mkdir -p "$work/rle/data"
  cp -r data/set0 "$work/rle/data/"
  for f in "$work"/rle/data/set0/*.bmp; do convert "$f" -type Palette "BMP3:$f" || fail "convert $f"; done
  [ "$(od -An -tu1 -j30 -N1 "$work/rle/data/set0/wasser256.bmp" | tr -d ' ')" = 1 ] || fail "convert wrote no RLE8"
  (cd "$work/rle" && "$game" --windowed --timedemo "$recording" >/dev/null 2>"$work/stderr")
  status=$?
  [ "$status" = 0 ] || fail "timedemo with run-length compressed pictures: exit status $status; $(said)"
else
  echo "SKIP: no ImageMagick (convert) to compress the pictures with"
fi

if [ "$play" = play ]; then
  # replay ACTION: plays the recording back; ACTION runs while it plays.
  replay() {
    rm -f "$work/frames"
    FERROW_FRAME_LOG="$work/frames" "$game" --windowed --play "$recording" >"$work/stdout" 2>"$work/stderr" &
    pid=$!
    window=$(xdotool search --sync --limit 1 --name '^ferrow$')
    wait_for_frames "$work/frames" 120 || fail "replay: no frames"
    "$1"
    # The whole game takes as long as it took to play.
    for _ in $(seq 1800); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && { fail "replay still running"; kill -9 "$pid"; }
    wait "$pid"
  }
  meddle() {
    for key in F1 F2 space Left Return; do
      xdotool mousemove --window "$window" $((100 + RANDOM % 400)) $((100 + RANDOM % 300)) click 1 click 3
      xdotool keydown "$key"; after_frames "$work/frames" 10; xdotool keyup "$key"
    done
  }
  replay meddle
  status=$?
  [ "$status" = 0 ] || fail "replay: exit status $status; $(said)"
  grep -qE "^Wiedergabe: $frames Bilder in [0-9]+,[0-9] s \(aufgenommen in [0-9]+,[0-9] s\), $score Punkte$" "$work/stdout" ||
    fail "replay printed: $(cat "$work/stdout")"
  echo "$(cat "$work/stdout")"
  escape() { xdotool key Escape; }
  replay escape
  status=$?
  [ "$status" = 0 ] || fail "replay ended by Escape: exit status $status"
  grep -qE "^Wiedergabe abgebrochen nach [0-9]+ von $frames Bildern$" "$work/stdout" ||
    fail "replay ended by Escape printed: $(cat "$work/stdout")"
fi

after=$(find "$work/start" -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "files were written: $(diff <(echo "$before") <(echo "$after"))"
[ "$failures" = 0 ] && echo "recording under Xvfb: all passed"
exit $((failures > 0))
