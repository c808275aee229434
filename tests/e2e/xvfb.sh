# Sourced by the scripts that run the game under a real X server.

# Skips the test (exit status 77) unless every tool named is installed.
need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
  done
}

# start_xvfb BASE SIZE [XVFB-OPTION...]: a scratch folder $work and an X
# server of SIZE (e.g. 800x600) on a display numbered from BASE; both go at
# exit, after whatever $on_exit says. There is no sound card either: the game
# needs a device to start, so it gets SDL's silent one unless the caller chose
# another.
start_xvfb() {
  local base=$1 size=$2
  shift 2
  work=$(mktemp -d)
  export DISPLAY=":$((base + $$ % 100))" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
  Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp "$@" >/dev/null 2>&1 &
  xvfb=$!
  trap 'eval "${on_exit:-}"; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}

# wait_for_exit PID: the game's exit status. Ending shows the logo for five
# seconds first; a game still running after ten is killed.
wait_for_exit() {
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then
    echo "still running"
    kill -9 "$1"
  fi
  wait "$1"
}
