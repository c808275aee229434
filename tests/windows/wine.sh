# Sourced by the scripts that run the Windows build under Wine: the X server
# of tests/e2e/xvfb.sh, then a fresh Wine prefix of its own in the scratch
# folder, so that no run sees another's files or registry.

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/xvfb.sh"

# start_wine SIZE: skips (77) where Wine or the X tools are missing; else an
# X server of SIZE and a prefix made ready, with Wine's own output off and
# its offers to install .NET and a browser engine declined.
start_wine() {
  need_tools wine wineboot wineserver Xvfb xdotool
  start_xvfb "$1"
  export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
  on_exit="wineserver -k 2>/dev/null; ${on_exit:-}"
  wineboot -i >/dev/null 2>&1 || { echo "FAIL: wineboot could not make a prefix"; exit 1; }
  wineserver -w
}

# The path Wine's programs see for a file of this machine: the root is Z:.
windows_path() { echo "Z:${1//\//\\}"; }
