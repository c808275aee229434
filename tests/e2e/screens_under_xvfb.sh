#!/usr/bin/env bash
# The picture on a 1920 x 1080 screen under Xvfb: full screen by default, the
# 640 x 480 picture doubled to 1280 x 960 at (320, 60) between black bars,
# pixel for pixel what a 640 x 480 window shows. Then, with Mesa's OpenGL
# forced through SDL_RENDER_DRIVER, the same pixels from the GPU path; and
# without it, the software OpenGL is found out and our own path taken.
# Usage: screens_under_xvfb.sh GAME TESTS
set -u
game=$1
tests=$2
source "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool convert compare
start_xvfb 1920x1080

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# shot NAME [GAME-ARGS]: a screenshot of the logo, held still for five
# seconds after start-up, and the game's line on how it shows the picture.
shot() {
  local name=$1 pid window
  shift
  FERROW_VERBOSE=1 FERROW_FRAME_LOG="$work/$name.frames" "$game" "$@" 2>"$work/$name.log" &
  pid=$!
  window=$(xdotool search --sync --limit 1 --name '^ferrow$' 2>/dev/null)
  wait_for_frames "$work/$name.frames" 1 || fail "$name: no logo"
  if [ "${1:-}" = --windowed ]; then
    import -window "$window" "$work/$name.png"
  else
    import -window root "$work/$name.png"
  fi
  xdotool key Escape
  wait_for_exit "$pid" >/dev/null || fail "$name: exit status"
}

# differing A B: the number of pixels that differ between two pictures.
differing() { compare -metric AE "$1" "$2" null: 2>&1; }

shot window --windowed
shot full
grep -q "own scaling" "$work/full.log" || fail "own path not taken: $(cat "$work/full.log")"
[ "$(identify -format %wx%h "$work/window.png")" = 640x480 ] || fail "window is not 640 x 480"

convert "$work/full.png" -crop 1280x960+320+60 +repage "$work/picture.png"
convert "$work/picture.png" -sample 50% "$work/halved.png"
convert "$work/halved.png" -sample 200% "$work/redoubled.png"
[ "$(differing "$work/picture.png" "$work/redoubled.png")" = 0 ] || fail "picture is not made of 2 x 2 blocks"
[ "$(differing "$work/halved.png" "$work/window.png")" = 0 ] || fail "picture is not the window's, doubled"
bars=$(convert "$work/full.png" -fill black -draw 'rectangle 320,60 1599,1019' -fill white +opaque black \
       -format '%[fx:round(mean*w*h)]' info:)
[ "$bars" = 0 ] || fail "$bars pixels of the bars are not black"
picture_black=$(convert "$work/picture.png" -fill white +opaque black -format '%[fx:round((1-mean)*w*h)]' info:)
[ "$picture_black" -lt 1000 ] || fail "the picture is mostly black ($picture_black pixels)"

# The GPU path, on Mesa's software OpenGL where the machine has it.
# Mesa's driver keeps a block it never frees and is unloaded before a
# sanitizer build counts its leaks; only a fully unwound stack shows whose it
# is (tests/lsan.supp), so the probe unwinds fully, and still counts ours.
probe_asan="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
if SDL_VIDEODRIVER=x11 ASAN_OPTIONS=$probe_asan "$tests" --gtest_filter=OpenGLProbeTest.* >"$work/probe.log" 2>&1; then
  if grep -q "SKIPPED\|PASSED" "$work/probe.log"; then
    # Unwinding every allocation fully would take the game minutes to start,
    # so its OpenGL run does not count leaks; our own path's runs above do.
    SDL_RENDER_DRIVER=opengl ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" shot gl
    grep -q "SDL_RENDER_DRIVER, opengl" "$work/gl.log" || fail "opengl renderer not used: $(cat "$work/gl.log")"
    [ "$(differing "$work/gl.png" "$work/full.png")" = 0 ] || fail "the OpenGL path draws other pixels"
  fi
else
  grep -q "no libGL\|Could not\|failed to" "$work/probe.log" && echo "no OpenGL here: GPU path not checked" ||
    { fail "OpenGL probe"; cat "$work/probe.log"; }
fi

[ "$failures" = 0 ] && echo "screens under Xvfb: all passed"
exit $((failures > 0))
