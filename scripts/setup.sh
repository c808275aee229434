#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, play and test the game.
set -euo pipefail
packages=(g++ cmake make libsdl2-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool imagemagick x11-apps sox desktop-file-utils
          libgl1-mesa-dri libglx-mesa0 clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
