#!/usr/bin/env bash
# The game under xfwm4 with its compositor on: focus, Alt+Enter, minimising,
# focus elsewhere and closing as window_manager.sh checks them. xfwm4 keeps
# its settings behind a session bus, so the run gets a bus of its own.
# Usage: xfwm4_under_xvfb.sh GAME
set -u
source "$(dirname "$0")/xvfb.sh"
source "$(dirname "$0")/window_manager.sh"
need_tools Xvfb xdotool import convert compare wmctrl xwininfo xlogo xfwm4 dbus-daemon
start_xvfb 1024x768
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid"
export DBUS_SESSION_BUS_ADDRESS NO_AT_BRIDGE=1
DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus")
on_exit='kill ${wm:-} $(cat "$work/bus.pid") 2>/dev/null'
start_window_manager xfwm4 --compositor=on
play_under_window_manager "$1"
[ "$failures" = 0 ] && echo "under xfwm4: all passed"
exit $((failures > 0))
