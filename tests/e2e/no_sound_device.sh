#!/usr/bin/env bash
# The real program on a machine whose sound driver is not there: the report
# of the sound set-up, then one line that names --nosound, and the program
# ends at once with a failure status. (With --nosound the installed game's
# run plays on such a machine.) Usage: no_sound_device.sh GAME
set -u
game=$1
err=$(mktemp)
# Settings of its own, not those of whoever runs the test.
config=$(mktemp -d)
trap 'rm -rf "$err" "$config"' EXIT
export XDG_CONFIG_HOME=$config
cd /tmp
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=keiner timeout 20 "$game" --windowed 2>"$err"
status=$?
failures=0
[ "$status" = 1 ] || { echo "FAIL: exit status $status, want 1"; failures=1; }
# With no box to show it in, the report goes to stderr; the hint comes last.
grep -q "Fehlermeldung Fehler bei DirectSoundInit (id:01)$" "$err" &&
  tail -n 1 "$err" | grep -q "^ferrow: .*--nosound" ||
  { echo "FAIL: no report and hint on stderr:"; cat "$err"; failures=1; }
exit $failures
