#!/usr/bin/env bash
# Includes point only downward: platform <- base <- graphics, sound <- layers,
# text <- game <- shell. Prints every include that points elsewhere.
set -u
shopt -s nullglob
src=${1:-$(dirname "$0")/../src}
declare -A level=([platform]=0 [base]=1 [graphics]=2 [sound]=2 [layers]=3 [text]=3 [game]=4 [shell]=5)
bad=0
for file in "$src"/*/*.cpp "$src"/*/*.h "$src"/platform/*/*.cpp "$src"/platform/*/*.h; do
  from=${file#"$src"/}
  from=${from%%/*}
  [ -n "${level[$from]:-}" ] || continue
  while IFS= read -r to; do
    [ "$to" = "$from" ] && continue
    if [ -z "${level[$to]:-}" ] || [ "${level[$to]}" -ge "${level[$from]}" ]; then
      echo "${file#"$src"/} includes $to/"
      bad=1
    fi
  done < <(sed -n 's/^#include "\([a-z]*\)\/.*/\1/p' "$file")
done
# Only the platform's desktop backend sees SDL, and only its Windows backend
# the Windows headers; the rest of the platform is shared by every backend.
if grep -lE '#include <SDL' "$src"/*/*.cpp "$src"/*/*.h "$src"/platform/*/*.cpp "$src"/platform/*/*.h 2>/dev/null |
   grep -v "/platform/sdl/"; then bad=1; fi
if grep -liE '#include <(windows|mmsystem)\.h>' "$src"/*/*.cpp "$src"/*/*.h "$src"/platform/*/*.cpp \
     "$src"/platform/*/*.h 2>/dev/null | grep -v "/platform/win32/"; then bad=1; fi
# The platform's portable part reaches no window, device or file: it
# includes only itself and the standard library.
if grep -H '^#include "' "$src"/platform/portable/* 2>/dev/null | grep -v '"platform/portable/'; then bad=1; fi
exit $bad
