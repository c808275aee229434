#!/usr/bin/env bash
# The Debian package: `cpack -G DEB` makes it from the install, lintian finds
# no error in it, apt installs it, the desktop entry and the metainfo pass
# their validators, the game
# started by the entry's Exec line keeps its table in ~/.local/share/ferrow/,
# and removing the package leaves none of its files behind. It installs into
# this machine, so it runs only as root, and not where a ferrow package is
# installed already. Usage: package_under_xvfb.sh BUILD_DIR
set -u
build=$1
source "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool cpack dpkg apt-get setpriv desktop-file-validate appstreamcli lintian
[ "$(id -u)" = 0 ] || { echo "not root: skipped"; exit 77; }
dpkg -s ferrow >/dev/null 2>&1 && { echo "a ferrow package is installed here: skipped"; exit 77; }
start_xvfb 800x600 -ac
chmod 755 "$work"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
apt() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 -y -qq "$@" >"$work/apt.log" 2>&1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/package/ferrow_*.deb)
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }
on_exit='dpkg -s ferrow >/dev/null 2>&1 && apt remove ferrow'
apt install "$deb" || { cat "$work/apt.log"; echo "FAIL: apt-get install"; exit 1; }
dpkg -L ferrow >"$work/files"
desktop-file-validate /usr/share/applications/ferrow.desktop || fail "desktop entry refused"
appstreamcli validate --no-net /usr/share/metainfo/*ferrow*.metainfo.xml >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "metainfo refused"; }

# The entry's command, as a player's session runs it: full screen, from the
# home folder, as an ordinary user, whose path holds Debian's games folder.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/ferrow.desktop)
home=$work/home
mkdir -p "$home"
chown 65534:65534 "$home"
cd "$home"
log=$home/frames
env -i PATH=/usr/bin:/bin:/usr/games DISPLAY="$DISPLAY" SDL_AUDIODRIVER=dummy HOME="$home" FERROW_FRAME_LOG="$log" \
  setpriv --reuid=65534 --regid=65534 --clear-groups $exec_line 2>"$work/stderr" &
pid=$!
xdotool search --sync --limit 1 --name '^ferrow$' >/dev/null
wait_for_frames "$log" 2 || fail "the game did not come past its logo"
xdotool key Escape
wait_for_exit "$pid"
status=$?
[ "$status" = 0 ] || { fail "exit status $status"; cat "$work/stderr"; }
[ -s "$home/.local/share/ferrow/hight.dat" ] || fail "no hight.dat in ~/.local/share/ferrow/"

apt purge ferrow || { cat "$work/apt.log"; fail "apt-get purge"; }
dpkg -s ferrow >/dev/null 2>&1 && fail "still installed"
while read -r path; do
  [ -f "$path" ] && fail "left behind: $path"
done <"$work/files"
[ -e /usr/share/ferrow ] && fail "left behind: /usr/share/ferrow"
echo "package: $(basename "$deb"), $(grep -c . "$work/files") paths"

[ "$failures" = 0 ] && echo "package: all passed"
exit $((failures > 0))
