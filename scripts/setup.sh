#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for one purpose:
#   play  - build and run the game (the default)
#   test  - also the test, benchmark and end-to-end tools
#   fuzz  - also clang with the fuzzer runtime that matches it
#   web   - the browser build: Emscripten, Chromium for its test, Node.js
#           and the browser test's driver (web/node_modules)
#   windows - the MinGW-w64 cross compiler and GoogleTest's sources for the
#           Windows build, Wine and the X tools to run it and its tests
# Usage: setup.sh [play|test|fuzz|web|windows]
set -euo pipefail
purpose=${1:-play}
play=(g++ cmake make libsdl2-dev)
test=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool imagemagick x11-apps desktop-file-utils
      libgl1-mesa-dri libglx-mesa0 openbox xfwm4 dbus wmctrl x11-utils appstream dpkg-dev lintian)
# The Windows build needs no SDL: its generator is built for this machine,
# the game for Windows.
windows=(g++ cmake make g++-mingw-w64-x86-64 googletest wine wine64 xvfb xdotool imagemagick x11-utils)
case $purpose in
  play) packages=("${play[@]}") ;;
  test) packages=("${play[@]}" "${test[@]}") ;;
  fuzz) packages=("${play[@]}" clang) ;;
  # The browser build's optimiser needs Debian's acorn.
  web) packages=(g++ cmake make python3 emscripten node-acorn chromium) ;;
  windows) packages=("${windows[@]}") ;;
  *) echo "setup.sh: purpose must be play, test, fuzz, web or windows" >&2; exit 2 ;;
esac

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
updated=
install() {
  local missing=() p
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "Installing: ${missing[*]}"
  if [ -z "$updated" ]; then
    "${sudo[@]}" apt-get update -qq -o DPkg::Lock::Timeout=600
    updated=1
  fi
  # env, since sudo does not pass the caller's environment on.
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null
}

install "${packages[@]}"
if [ "$purpose" = web ]; then
  # A Node.js already on the PATH (from any source) is left alone; Debian's
  # is installed only where there is none, or its npm is missing.
  if ! command -v node >/dev/null; then
    install nodejs npm
  elif ! command -v npm >/dev/null; then
    install npm
  fi
  # The end-to-end test's browser driver, as web/package-lock.json pins it;
  # it drives Debian's chromium, so it downloads no browser of its own.
  web=$(dirname "$0")/../web
  if [ ! -d "$web/node_modules/puppeteer-core" ] || [ "$web/package-lock.json" -nt "$web/node_modules" ]; then
    (cd "$web" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
  fi
fi
if [ "$purpose" = fuzz ]; then
  # The fuzzer runtime comes with the clang of the same major version.
  major=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)
  install "libclang-rt-$major-dev"
fi
