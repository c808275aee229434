#!/usr/bin/env bash
# The installed game: `cmake --install` into a fresh prefix puts the program,
# its data, the desktop entry, the icons and the manual page in their places;
# the game, started from /tmp with its data folder read-only, plays under a
# real X server and keeps its table in $XDG_DATA_HOME/ferrow/. It plays with
# --nosound where the sound driver named is not there at all.
# Usage: installed_game_under_xvfb.sh BUILD_DIR
set -u
build=$1
source "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool desktop-file-validate
# Root may write anywhere: the game then runs as an ordinary user, so that a
# read-only folder is read-only for it.
as_player=()
if [ "$(id -u)" = 0 ]; then
  command -v setpriv >/dev/null || { echo "no setpriv to leave root: skipped"; exit 77; }
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

on_exit='chmod -R u+w "$work"'
start_xvfb 800x600 -ac
chmod 755 "$work"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
for f in bin/ferrow share/ferrow/data/set0/absturz256.bmp share/ferrow/data/set0/s0.wav share/applications/ferrow.desktop \
         share/icons/hicolor/32x32/apps/ferrow.png share/icons/hicolor/64x64/apps/ferrow.png \
         share/man/man6/ferrow.6.gz share/doc/ferrow/copyright share/metainfo/io.github.ferrow.ferrow.metainfo.xml; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
[ -e "$prefix/share/ferrow/data/set0/hight.dat" ] && fail "a table of the build was installed"
desktop-file-validate "$prefix/share/applications/ferrow.desktop" || fail "desktop entry refused"

# Help and version answer without a display.
env -u DISPLAY "$prefix/bin/ferrow" --version | grep -qx 'ferrow [0-9.]*' || fail "--version"
env -u DISPLAY "$prefix/bin/ferrow" --help | grep -q '^Aufruf: ferrow' || fail "--help"

chmod -R a-w "$prefix/share/ferrow"
xdg=$work/xdg
mkdir -p "$xdg"
[ ${#as_player[@]} -gt 0 ] && chown 65534:65534 "$xdg"

cd /tmp
log=$xdg/frames  # where the player may write
env XDG_DATA_HOME="$xdg" HOME="$xdg" FERROW_FRAME_LOG="$log" SDL_AUDIODRIVER=keiner "${as_player[@]}" \
  "$prefix/bin/ferrow" --windowed --nosound 2>"$work/stderr" &
pid=$!
window=$(xdotool search --sync --limit 1 --name '^ferrow$')
wait_for_frames "$log" 2  # past the five-second logo
hold "$log" i
hold "$log" Return
wait_for_game_time "$log" 2
xdotool mousemove --window "$window" 320 200
for _ in $(seq 3); do xdotool click 1; after_frames "$log" 15; done
xdotool key Escape
wait_for_exit "$pid"
status=$?
[ "$status" = 0 ] || fail "exit status $status"
grep -q "Fehlermeldung" "$work/stderr" && fail "a report: $(cat "$work/stderr")"
[ -s "$xdg/ferrow/hight.dat" ] || fail "no hight.dat in \$XDG_DATA_HOME/ferrow/"
[ -e "$prefix/share/ferrow/data/set0/hight.dat" ] && fail "the table was written into the read-only data folder"

[ "$failures" = 0 ] && echo "installed game: all passed"
exit $((failures > 0))
