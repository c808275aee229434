#!/usr/bin/env bash
# The browser build end to end: serves build/web on 127.0.0.1 and plays it in
# headless Chromium, once with the mouse and keyboard, once with touch, once
# on a fast clock to the game's end, and once with a picture missing for the
# fatal report; then shows it at three viewports, filled and by whole factors.
# Skips (77) where the browser, Node.js or the build is missing.
# Usage: browser_game.sh [WEB_BUILD_DIR] [SCREENSHOT_DIR]
set -u
here=$(cd "$(dirname "$0")" && pwd)
web=${1:-$here/../../build/web}
shots=${2:-}
for tool in node python3 chromium; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -f "$web/ferrow.wasm" ] && [ -f "$web/index.html" ] || { echo "SKIP: no browser build in $web"; exit 77; }
[ -d "$here/../../web/node_modules/puppeteer-core" ] || { echo "SKIP: puppeteer-core is not installed"; exit 77; }

log=$(mktemp)
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$web" >"$log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; rm -f "$log"' EXIT
port=
for _ in $(seq 50); do
  port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$log" | head -n 1)
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "FAIL: the page server did not start"; cat "$log"; exit 1; }

status=0
for mode in mouse touch clock report screens; do
  node "$here/game_in_browser.mjs" "http://127.0.0.1:$port/" "$mode" $shots || status=1
done
exit $status
