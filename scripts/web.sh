#!/usr/bin/env bash
# Builds the game for the browser into build/web (index.html, ferrow.js,
# ferrow.wasm and ferrow.data, the data folder packed), installing what is
# missing first. With --serve it then serves the page on 127.0.0.1.
# Usage: web.sh [--serve]   (FERROW_WEB_PORT sets the port, default 8018)
set -euo pipefail
cd "$(dirname "$0")/.."
serve=
case ${1:-} in
  --serve) serve=1 ;;
  "") ;;
  *) echo "usage: web.sh [--serve]" >&2; exit 2 ;;
esac

scripts/setup.sh web
export NODE_PATH=/usr/share/nodejs

# The generator runs on this machine to make the data and the resources.
cmake -S tools/assetgen -B build/web-host -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/web-host -j2
emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release \
  -DFERROW_HOST_ASSETGEN="$PWD/build/web-host/assetgen" >/dev/null
cmake --build build/web -j2

if [ -n "$serve" ]; then
  port=${FERROW_WEB_PORT:-8018}
  echo "ferrow: http://127.0.0.1:$port/"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web
fi
