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
  for _ in $(seq 300); do xdotool getdisplaygeometry >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "FAIL: Xvfb on $DISPLAY takes no clients"
  exit 1
}

# enter_data_copy GAME: $work/start, holding a copy of the game's data folder
# without a highscore file, becomes the current folder, so that what the game
# keeps stays out of the build's.
enter_data_copy() {
  mkdir -p "$work/start/data"
  cp -r "$(dirname "$1")/data/set0" "$work/start/data/"
  rm -f "$work/start/data/set0/hight.dat"
  cd "$work/start" || exit 1
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

# judge_frame_pace LOG FROM SECONDS: the pace of the frames LOG holds for
# SECONDS of the game's own clock after FROM (microseconds, as logged), judged
# by the intervals between them, since a busy machine may hold frames back,
# which is not the game's fault, and a count of frames in wall time would
# fail on it: their median is a frame at 60 a second, no second holds more
# than the game may show (sixty, and seven more by which it makes up for a
# frame held back up to 100 ms before it starts its pace afresh), and there
# are at least ten a second to judge by. Prints the figures, and a FAIL line
# for each that does not hold; 1 then.
judge_frame_pace() {
  local log=$1 from=$2 seconds=$3 played frames median most status=0
  played=$(awk -v t0="$from" -v s="$seconds" '$1 > t0 && $1 <= t0 + s * 1000000' "$log")
  frames=$(printf '%s\n' "$played" | grep -c .)
  median=$(printf '%s\n' "$played" | awk 'NF { if (n++) print $1 - last; last = $1 }' | sort -n |
           awk '{ d[NR] = $1 } END { print NR ? d[int((NR + 1) / 2)] : 0 }')
  most=$(printf '%s\n' "$played" | awk 'NF { t[++n] = $1; while (t[n] - t[first + 1] >= 1000000) first++
                                              if (n - first > most) most = n - first } END { print most + 0 }')
  echo "frames in $seconds s: $frames; median interval: $median us; most in a second: $most"
  [ "$frames" -ge $((seconds * 10)) ] || { echo "FAIL: only $frames frames in $seconds s"; status=1; }
  { [ "$median" -ge 15700 ] && [ "$median" -le 17700 ]; } ||
    { echo "FAIL: median frame interval $median us, want 16667 +- 1000"; status=1; }
  [ "$most" -le 68 ] || { echo "FAIL: $most frames in one second, want at most 68"; status=1; }
  return $status
}

# wait_for_box TITLE: the id of the top-level window of that title (a
# message box, which xdotool's search does not find), 30 seconds at most.
wait_for_box() {
  local id
  for _ in $(seq 300); do
    id=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$1\"" 'index($0, t) { print $1; exit }')
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
