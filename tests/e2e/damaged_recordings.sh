#!/usr/bin/env bash
# The real program given recordings it cannot play: missing, cut short,
# damaged, too large, of another format, no recording at all, a folder. Each
# ends at once with status 2 and one German line on stderr, before any
# window: there is no display here, and a program that went on to open one
# would end with the display's report instead. Nothing is written anywhere.
# Usage: damaged_recordings.sh GAME RECORDING
set -u
game=$(realpath "$1")
good=$(realpath "$2")
work=$(mktemp -d)
out=$(mktemp -d)
trap 'rm -rf "$work" "$out"' EXIT
mkdir -p "$work/start/data" "$work/home"
cp -r "$(dirname "$game")/data/set0" "$work/start/data/"
f=$work/files
mkdir -p "$f/folder"
head -c 1000 "$good" >"$f/cut"
cp "$good" "$f/damaged"
printf 'x' | dd of="$f/damaged" bs=1 seek=300 conv=notrunc 2>/dev/null  # a byte of the table
cp "$good" "$f/version"
printf '\011' | dd of="$f/version" bs=1 seek=8 conv=notrunc 2>/dev/null  # format 9
printf 'GIF89a' >"$f/picture"
truncate -s 70M "$f/large"
before=$(find "$work" -printf '%p %s %T@\n' | sort)

failures=0
# check OPTION FILE LINE: the program refuses FILE with that line alone.
check() {
  (cd "$work/start" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER HOME="$work/home" \
     XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" SDL_AUDIODRIVER=dummy \
     timeout 20 "$game" --windowed "$1" "$2" >"$out/stdout" 2>"$out/stderr")
  local status=$?
  if [ "$status" != 2 ] || [ -s "$out/stdout" ] || [ "$(cat "$out/stderr")" != "ferrow: $3" ]; then
    echo "FAIL: $1 $2: status $status (want 2), stdout [$(cat "$out/stdout")], stderr:"
    cat "$out/stderr"
    echo "want: ferrow: $3"
    failures=$((failures + 1))
  fi
}
check --play "$f/missing" "Die Aufnahme \"$f/missing\" gibt es nicht."
check --play "$f/cut" "Die Aufnahme \"$f/cut\" ist unvollständig (nach 1000 Bytes abgeschnitten)."
check --timedemo "$f/damaged" "Die Aufnahme \"$f/damaged\" ist beschädigt (die Prüfsumme stimmt nicht)."
check --play "$f/large" "Die Aufnahme \"$f/large\" ist zu groß (mehr als 64 MiB)."
check --play "$f/version" "Die Aufnahme \"$f/version\" hat das Format 9, dieses Programm spielt Format 1."
check --timedemo "$f/picture" "\"$f/picture\" ist keine Aufnahme von ferrow."
check --play "$f/folder" "Die Aufnahme \"$f/folder\" lässt sich nicht lesen."

after=$(find "$work" -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || { echo "FAIL: files were written:"; diff <(echo "$before") <(echo "$after"); failures=$((failures + 1)); }
[ "$failures" = 0 ] && echo "damaged recordings: all refused"
exit $((failures > 0))
