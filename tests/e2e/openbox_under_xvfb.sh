#!/usr/bin/env bash
# The game under Openbox, a plain stacking window manager: focus, Alt+Enter,
# minimising, focus elsewhere and closing as window_manager.sh checks them.
# Usage: openbox_under_xvfb.sh GAME
set -u
source "$(dirname "$0")/xvfb.sh"
source "$(dirname "$0")/window_manager.sh"
need_tools Xvfb xdotool import convert compare wmctrl xwininfo xlogo openbox
start_xvfb 1024x768
on_exit='kill ${wm:-} 2>/dev/null'
start_window_manager openbox --sm-disable
play_under_window_manager "$1"
[ "$failures" = 0 ] && echo "under openbox: all passed"
exit $((failures > 0))
