#!/usr/bin/env bash
# The picture on a screen under Xvfb (default 1920x1080). Full screen by
# default it fills the screen's height with 4:3 kept, between black bars,
# and scaled back to 640 x 480 it is what a 640 x 480 window shows. With
# Mesa's OpenGL forced through SDL_RENDER_DRIVER the GPU path shows nearly
# the same pixels; without it, the software OpenGL is found out and our own
# path taken. On a 1920 x 1080 screen also: whole factors give the window's
# picture doubled, pixel for pixel, at (320, 60); and full screen chosen with
# Alt+Enter is full screen again at the next start.
# Usage: screens_under_xvfb.sh GAME TESTS [SCREEN]
set -u
game=$1
tests=$2
screen=${3:-1920x1080}
source "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool convert compare
start_xvfb "$screen"
width=${screen%x*} height=${screen#*x}
settings=$XDG_CONFIG_HOME/ferrow/settings

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# keep LINE...: the settings the next start finds (none: no file).
keep() {
  rm -f "$settings"
  [ $# -gt 0 ] || return 0
  mkdir -p "$(dirname "$settings")"
  printf '%s\n' "$@" >"$settings"
}

# start NAME [GAME-ARGS]: the game started, its logo shown (held still for
# five seconds); $pid and $window are set.
start() {
  local name=$1
  shift
  FERROW_VERBOSE=1 FERROW_FRAME_LOG="$work/$name.frames" "$game" "$@" 2>"$work/$name.log" &
  pid=$!
  window=$(xdotool search --sync --limit 1 --name '^ferrow$' 2>/dev/null)
  wait_for_frames "$work/$name.frames" 1 || fail "$name: no logo"
}
finish() {
  xdotool key Escape
  wait_for_exit "$pid" >/dev/null || fail "$1: exit status"
}

# shot NAME [GAME-ARGS]: a screenshot of the logo (of the window only in a
# window) and the game's line on how it shows the picture.
shot() {
  local name=$1
  shift
  start "$name" "$@"
  if [[ " $* " == *" --windowed "* ]]; then
    import -window "$window" "$work/$name.png"
  else
    import -window root "$work/$name.png"
  fi
  finish "$name"
}

# differing A B: the number of pixels that differ between two pictures.
differing() { compare -metric AE "$1" "$2" null: 2>&1; }
# apart A B: how far two pictures are apart, as a share of full scale.
apart() { compare -metric RMSE "$1" "$2" null: 2>&1 | sed 's/.*(\(.*\))/\1/'; }
# outside_black SHOT X Y W H: the pixels outside the rectangle that are not black.
outside_black() {
  convert "$1" -fill black -draw "rectangle $2,$3 $(($2 + $4 - 1)),$(($3 + $5 - 1))" -fill white +opaque black \
    -format '%[fx:round(mean*w*h)]' info:
}
geometry() { xdotool getwindowgeometry --shell "$window" | awk -F= '/WIDTH|HEIGHT/ {printf "%s ", $2}'; }

keep "vollbild = nein" "fenster = 640 x 480"
shot window --windowed --integer-scaling
[ "$(identify -format %wx%h "$work/window.png")" = 640x480 ] || fail "the kept window is not 640 x 480"

# Filled: the picture's box is what is not black around it (the logo's sky
# reaches every edge of the image).
keep
shot full
grep -q "own scaling" "$work/full.log" || fail "own path not taken: $(cat "$work/full.log")"
read -r pw ph px py < <(convert "$work/full.png" -trim -format '%w %h %X %Y' info: | tr -d +)
echo "filled: ${pw} x ${ph} at ($px, $py) on $screen"
if [ $((width * 3)) -le $((height * 4)) ]; then
  [ "$pw" = "$width" ] || fail "the picture is $pw wide, not as wide as the screen"
else
  [ "$ph" = "$height" ] || fail "the picture is $ph high, not as high as the screen"
fi
ratio=$((pw * 3 - ph * 4))
[ "${ratio#-}" -le 4 ] || fail "the picture is $pw x $ph, not 4:3 within a pixel"
left=$((width - pw - 2 * px)) top=$((height - ph - 2 * py))
[ "${left#-}" -le 1 ] && [ "${top#-}" -le 1 ] || fail "the picture at ($px, $py) is not centred"
bars=$(outside_black "$work/full.png" "$px" "$py" "$pw" "$ph")
[ "$bars" = 0 ] || fail "$bars pixels of the bars are not black"
convert "$work/full.png" -crop "${pw}x${ph}+${px}+${py}" +repage -filter box -resize '640x480!' "$work/shrunk.png"
shrunk=$(apart "$work/shrunk.png" "$work/window.png")
echo "filled and shrunk back to 640 x 480: $shrunk of full scale from the window's picture"
awk -v d="$shrunk" 'BEGIN { exit !(d < 0.03) }' || fail "the filled picture shrunk back is $shrunk from the window's"

if [ "$screen" = 1920x1080 ]; then
  shot whole --integer-scaling
  convert "$work/whole.png" -crop 1280x960+320+60 +repage "$work/picture.png"
  convert "$work/picture.png" -sample 50% "$work/halved.png"
  convert "$work/halved.png" -sample 200% "$work/redoubled.png"
  [ "$(differing "$work/picture.png" "$work/redoubled.png")" = 0 ] || fail "whole: picture is not made of 2 x 2 blocks"
  [ "$(differing "$work/halved.png" "$work/window.png")" = 0 ] || fail "whole: picture is not the window's, doubled"
  bars=$(outside_black "$work/whole.png" 320 60 1280 960)
  [ "$bars" = 0 ] || fail "whole: $bars pixels of the bars are not black"

  # Kept: a window last time, full screen by Alt+Enter, full screen at the next start.
  keep "vollbild = nein"
  start window_first
  [ "$(geometry)" != "$width $height " ] || fail "the kept window started full screen"
  xdotool key alt+Return
  for _ in $(seq 50); do [ "$(geometry)" = "$width $height " ] && break; sleep 0.1; done
  [ "$(geometry)" = "$width $height " ] || fail "Alt+Enter did not switch to full screen: $(geometry)"
  finish window_first
  grep -q "^vollbild = ja$" "$settings" || fail "full screen not kept: $(cat "$settings")"
  start full_again
  [ "$(geometry)" = "$width $height " ] || fail "not full screen again after a restart: $(geometry)"
  finish full_again
fi

# The GPU path, on Mesa's software OpenGL where the machine has it.
keep
if SDL_VIDEODRIVER=x11 "$tests" --gtest_filter=OpenGLProbeTest.* >"$work/probe.log" 2>&1; then
  if grep -q "SKIPPED\|PASSED" "$work/probe.log"; then
    # Mesa's driver is unloaded before a sanitizer build counts its leaks, so
    # its few blocks cannot be told from ours; our own path keeps the check.
    SDL_RENDER_DRIVER=opengl ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" shot gl
    grep -q "SDL_RENDER_DRIVER, opengl" "$work/gl.log" || fail "opengl renderer not used: $(cat "$work/gl.log")"
    gl=$(apart "$work/gl.png" "$work/full.png")
    echo "the OpenGL path: $gl of full scale from our own"
    awk -v d="$gl" 'BEGIN { exit !(d < 0.01) }' || fail "the OpenGL path's picture is $gl from our own path's"
  fi
else
  grep -q "no libGL\|Could not\|failed to" "$work/probe.log" && echo "no OpenGL here: GPU path not checked" ||
    { fail "OpenGL probe"; cat "$work/probe.log"; }
fi

[ "$failures" = 0 ] && echo "screens under Xvfb ($screen): all passed"
exit $((failures > 0))
