#!/usr/bin/env bash
# The real program where there is no display: the report goes to the
# terminal, and the program ends at once with a failure status.
# Usage: no_display.sh GAME
set -u
game=$1
err=$(mktemp)
# Settings of its own, not those of whoever runs the test.
config=$(mktemp -d)
trap 'rm -rf "$err" "$config"' EXIT
export XDG_CONFIG_HOME=$config
cd /tmp
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy timeout 20 "$game" --windowed 2>"$err"
status=$?
failures=0
[ "$status" = 1 ] || { echo "FAIL: exit status $status, want 1"; failures=1; }
# The failed step as its debug line, then the report of the display set-up.
grep -q "^Fehler bei DirectDrawInit->DirectDrawCreate" "$err" && grep -q "Fehlermeldung Fehler bei DirectDrawInit (id:00)$" "$err" ||
  { echo "FAIL: no report on stderr:"; cat "$err"; failures=1; }
exit $failures
