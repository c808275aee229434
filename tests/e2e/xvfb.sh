# Sourced by the scripts that run the game under a real X server.

# Skips the test (exit status 77) unless every tool named is installed.
need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
  done
}

# start_xvfb SIZE [XVFB-OPTION...]: a scratch folder $work and an X server
# of SIZE (e.g. 800x600) on the first free display number; both go at
# exit, after whatever $on_exit says. There is no sound card either: the game
# needs a device to start, so it gets SDL's silent one unless the caller chose
# another. The game keeps its settings in $work/config, not in the settings
# of whoever runs the test.
start_xvfb() {
  local size=$1
  shift
  work=$(mktemp -d)
  export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
  export XDG_CONFIG_HOME=$work/config
  # The server picks the number and names it, so that runs side by side
  # never talk to each other's server.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp "$@" 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  trap 'eval "${on_exit:-}"; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
  # A loaded machine has taken more than five seconds to start the server.
  for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
  export DISPLAY=":$(head -n 1 "$work/display")"
  for _ in $(seq 300); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}

# wait_for_exit PID: the game's exit status. Ending shows the logo for five
# seconds first; a game still running after twenty is killed (a sanitizer
# build on a busy machine has taken more than ten).
wait_for_exit() {
  for _ in $(seq 200); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then
    echo "still running"
    kill -9 "$1"
  fi
  wait "$1"
}

# frames LOG: the flips the game has logged so far (FERROW_FRAME_LOG).
frames() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }

# wait_for_frames LOG N: waits until LOG holds N flips (the first is the logo,
# the second the first frame after its five seconds), 30 seconds at most.
wait_for_frames() {
  for _ in $(seq 300); do [ "$(frames "$1")" -ge "$2" ] && return 0; sleep 0.1; done
  echo "FAIL: fewer than $2 frames logged in $1"
  return 1
}

# after_frames LOG N: waits until the game has flipped N more frames.
after_frames() { wait_for_frames "$1" $(($(frames "$1") + $2)); }

# hold LOG KEY: the key held for ten frames, then let go for ten; the name
# entry reads the keys every fourth frame.
hold() {
  xdotool keydown "$2"
  after_frames "$1" 10
  xdotool keyup "$2"
  after_frames "$1" 10
}

# wait_for_game_time LOG SECONDS [FROM]: waits until the game has flipped a
# frame SECONDS after FROM on its own clock (microseconds as logged; by
# default its last flip so far), half a minute longer at most.
wait_for_game_time() {
  local goal deadline=$((SECONDS + ${2%.*} + 30))
  goal=$(awk -v from="${3:-$(tail -n 1 "$1")}" -v s="$2" 'BEGIN { printf "%.0f", from + s * 1000000 }')
  while [ "$SECONDS" -lt "$deadline" ]; do
    [ "$(tail -n 1 "$1")" -ge "$goal" ] 2>/dev/null && return 0
    sleep 0.05
  done
  echo "FAIL: the game did not reach $2 s on its clock"
  return 1
}
