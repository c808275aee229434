# Sourced by the scripts that run the game under a real window manager, after
# xvfb.sh. The screen is 1024 x 768, so that full screen shows the picture
# once, at (192, 144), between black bars.

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# start_window_manager COMMAND...: the manager started in the background
# ($wm, its output in $work/wm.log), until it has announced itself. On a
# loaded machine one has failed to open a display that Xvfb had just opened
# to another client, so a manager that ends before it announces itself is
# started again, three times at most; one that runs is given 30 s.
start_window_manager() {
  local attempt
  for attempt in 1 2 3; do
    "$@" >"$work/wm.log" 2>&1 &
    wm=$!
    for _ in $(seq 300); do
      wmctrl -m >/dev/null 2>&1 && return 0
      kill -0 "$wm" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$wm" 2>/dev/null && break
    echo "the window manager ended before it came up (attempt $attempt):"
    cat "$work/wm.log"
  done
  echo "FAIL: no window manager came up"
  kill -0 "$xvfb" 2>/dev/null || echo "(Xvfb has ended too)"
  cat "$work/wm.log"
  exit 1
}

# differs PLACE DIGIT: the pixels of PLACE that the digit's frame, keyed as
# the game draws it over the scene, would change.
differs() {
  convert "$1" "$work/digit_$2.png" -composite "$1" -compose difference -composite -threshold 3% \
    -format '%[fx:round(mean*w*h)]' info:
}

# time_left SHOT: the seconds left as the time digits in a screenshot of the
# window show them, or "none". The digits stand at x = 15 and 33, and at y = 5
# less what the view was pushed up (up to 8): each place is compared with the
# frames 0 to 9 of the digit strip, and only a frame that fits exactly counts.
time_left() {
  local shot=$1 y digit value=""
  [ -f "$work/digit_9.png" ] ||
    convert "$data/zahlenx256.bmp" -transparent magenta -crop 18x40 +repage "$work/digit_%d.png"
  for y in 5 4 3 2 1 0 6 7 8; do
    convert "$shot" -crop "18x40+15+$y" +repage "$work/place0.png"
    convert "$shot" -crop "18x40+33+$y" +repage "$work/place1.png"
    for digit in 0 1 2 3 4 5 6 7 8 9; do
      [ "$(differs "$work/place0.png" "$digit")" = 0 ] && { value=$digit; break; }
    done
    [ -n "$value" ] && break
  done
  [ -n "$value" ] || { echo none; return; }
  for digit in 0 1 2 3 4 5 6 7 8 9; do
    [ "$(differs "$work/place1.png" "$digit")" = 0 ] && { value=$value$digit; break; }
  done
  echo "$value"
}

# within_5s CONDITION: whether the shell condition holds within five seconds;
# a window manager carries out requests in its own time.
within_5s() {
  for _ in $(seq 50); do eval "$1" && return 0; sleep 0.1; done
  return 1
}

# focused: the game's window has the focus.
focused() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }

# placement: the window's size and place on the screen, as WxH+X+Y.
placement() {
  xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                                /Width:/ { w = $NF } /Height:/ { h = $NF } END { print w "x" h "+" x "+" y }'
}

# picture_present SHOT: most of the 640 x 480 picture is drawn (not black).
picture_present() {
  local black
  black=$(convert "$1" -crop 640x480+0+0 +repage -fill white +opaque black -format '%[fx:round((1-mean)*w*h)]' info:)
  [ "$black" -lt 1000 ]
}

# second_begun: waits until the game's last frame lies early in a second of
# its clock (whole seconds of the logged microseconds), so that the time
# digits stay as they are for most of a second more.
second_begun() {
  for _ in $(seq 50); do
    [ $(($(tail -n 1 "$log") % 1000000)) -lt 150000 ] && return 0
    sleep 0.02
  done
}

# away_and_back NAME AWAY BACK SECONDS: during play, AWAY takes the game out
# of sight or focus and BACK brings it back SECONDS later. No frame may come
# meanwhile, and sound must pause; after, the frames, the sound and the whole
# picture come back, and the time left is what it was, or one second less
# (the clock counts whole seconds, and starts a new one when play goes on),
# and less each new second its clock began while the game still ran: between
# the first picture and the last frame before AWAY, and between the first
# frame after BACK and the second picture. Those are none unless a loaded
# machine is slow to take the pictures or to see AWAY.
away_and_back() {
  local name=$1 away=$2 back=$3 seconds=$4 before after n paused on shot_at last crossed
  paused=$(grep -c "sound paused" "$work/stderr")
  on=$(grep -c "sound on" "$work/stderr")
  second_begun
  shot_at=$(tail -n 1 "$log")
  import -window "$window" "$work/$name-before.png"
  eval "$away"
  before=$(time_left "$work/$name-before.png")
  sleep 1
  n=$(frames "$log")
  last=$(tail -n 1 "$log")
  [ "$(grep -c "sound paused" "$work/stderr")" -gt "$paused" ] || fail "$name: sound not paused"
  sleep $((seconds - 1))
  [ "$(frames "$log")" = "$n" ] || fail "$name: $(($(frames "$log") - n)) frames while away"
  eval "$back"
  after_frames "$log" 10 || fail "$name: no frames after coming back"
  import -window "$window" "$work/$name-after.png"
  after=$(time_left "$work/$name-after.png")
  crossed=$((last / 1000000 - shot_at / 1000000 + $(tail -n 1 "$log") / 1000000 - $(sed -n "$((n + 1))p" "$log") / 1000000))
  echo "$name: $before s left before, $after s after $seconds s away ($crossed more seconds began while it ran)"
  { [ "$before" != none ] && [ "$after" != none ] && [ $((before - after)) -ge 0 ] &&
      [ $((before - after)) -le $((1 + crossed)) ]; } ||
    fail "$name: time left $before before, $after after"
  picture_present "$work/$name-after.png" || fail "$name: picture not drawn again"
  [ "$(grep -c "sound on" "$work/stderr")" -gt "$on" ] || fail "$name: sound not on again"
}

# play_under_window_manager GAME: a whole run under the window manager that
# runs: focus, Alt+Enter both ways, minimised during play, focus given to
# another window and back, and closed through the window manager.
play_under_window_manager() {
  local game=$1 shot=${FERROW_SHOTS_DIR:-$work}
  data=$(dirname "$game")/data/set0
  mkdir -p "$work/start/data"
  cp -r "$data" "$work/start/data/"
  rm -f "$work/start/data/set0/hight.dat"
  cd "$work/start" || exit 1
  log=$work/frames
  # Whole factors, so that full screen shows the picture's own pixels in the middle.
  FERROW_VERBOSE=1 FERROW_FRAME_LOG="$log" "$game" --windowed --integer-scaling 2>"$work/stderr" &
  pid=$!
  window=$(xdotool search --sync --limit 1 --name '^ferrow$')
  wait_for_frames "$log" 2  # past the five-second logo
  within_5s focused || fail "the window did not get the focus"

  xdotool key alt+Return
  within_5s '[ "$(placement)" = 1024x768+0+0 ]' || fail "full screen is $(placement), not the screen's 1024x768+0+0"
  after_frames "$log" 20
  import -window root "$shot/full_screen.png"
  local bars
  bars=$(convert "$shot/full_screen.png" -fill black -draw 'rectangle 192,144 831,623' -fill white +opaque black \
         -format '%[fx:round(mean*w*h)]' info:)
  [ "$bars" = 0 ] || fail "full screen: $bars pixels around the picture are not black"
  convert "$shot/full_screen.png" -crop 640x480+192+144 +repage "$work/centre.png"
  picture_present "$work/centre.png" || fail "full screen: no picture in the middle (the name confirmed by Alt+Enter?)"
  xdotool key alt+Return
  within_5s '[[ $(placement) == 640x480+* ]]' || fail "back in the window, it is $(placement)"
  within_5s focused || fail "the window lost the focus to Alt+Enter"
  after_frames "$log" 20

  for key in w m; do hold "$log" "$key"; done
  import -window "$window" "$shot/name_entry.png"
  hold "$log" Return
  wait_for_game_time "$log" 8  # the countdown, and two seconds of play
  xdotool mousemove --window "$window" 320 200
  import -window "$window" "$shot/play.png"

  away_and_back minimised "xdotool windowminimize $window" "xdotool windowactivate $window" 10
  # Another program's window, which may take the focus as it opens.
  xlogo -geometry 200x200+0+0 &
  local other=$! other_window
  other_window=$(xdotool search --sync --limit 1 --class xlogo 2>/dev/null)
  xdotool windowactivate "$window"
  after_frames "$log" 60
  away_and_back focus "xdotool windowactivate $other_window" "xdotool windowactivate $window" 6
  kill "$other"
  import -window "$window" "$shot/after.png"

  wmctrl -i -c "$window"
  wait_for_exit "$pid"
  local rc=$?
  [ "$rc" = 0 ] || fail "exit status $rc"
  grep -aq WM data/set0/hight.dat 2>/dev/null || fail "hight.dat does not hold WM"
  [ "$failures" = 0 ] || { cat "$work/stderr"; strings data/set0/hight.dat; }
}
