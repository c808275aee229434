#!/usr/bin/env bash
# Lays out the seed corpora in OUT: the hand-made seeds of fuzz/corpus, a
# few of the generator's smallest pictures and sounds from DATA (a build's
# data/set0), which are made at build time and so not kept in the repository,
# and the recorded game the tests replay.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 DATA OUT" >&2; exit 2; }
data="$1"
out="$2"
here="$(cd "$(dirname "$0")" && pwd)"
for target in fuzz_picture fuzz_wave fuzz_highscore fuzz_recording; do
  mkdir -p "$out/$target"
  cp "$here/corpus/$target/"* "$out/$target/"
done
for picture in colortable.bmp mun256.bmp spritzer3256.bmp staub256.bmp absturz2256.bmp; do
  cp "$data/$picture" "$out/fuzz_picture/gen-$picture"
done
# Two of them run-length compressed as paint programs save them, where
# ImageMagick is installed.
if command -v convert >/dev/null; then
  for picture in mun256.bmp staub256.bmp; do
    convert "$data/$picture" -type Palette "BMP3:$out/fuzz_picture/gen-rle8-$picture"
  done
fi
for sound in s16.wav s5.wav; do
  cp "$data/$sound" "$out/fuzz_wave/gen-$sound"
done
cp "$here/../tests/data/"*.rec "$out/fuzz_recording/"
