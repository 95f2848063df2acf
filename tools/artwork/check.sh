#!/usr/bin/env bash
# Checks the generated assets: pixel sizes, which pictures may be transparent, icon colours, the board
# slate and its frame, how far apart the seven drinks' colours lie, the score board's blank and
# cursor against black and the cursor's rows, sounds.
# Usage: tools/artwork/check.sh [assets-dir [sounds-dir]]   (the sounds folder sits beside assets/)
set -euo pipefail

assets="${1:-assets}"
sounds="${2:-$(dirname "$assets")/sounds}"
identify=/usr/bin/identify
convert=/usr/bin/convert
compare=/usr/bin/compare
failures=0
checked=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

expect_size() { # file width height
  local f="$assets/$1"
  checked=$((checked + 1))
  [[ -f "$f" ]] || { fail "$1 missing"; return; }
  local got
  got=$("$identify" -format '%wx%h' "$f")
  [[ "$got" == "$2x$3" ]] || fail "$1 is $got, wants $2x$3"
}

alpha_values() { "$convert" "$assets/$1" -alpha extract -format '%k %[fx:minima] %[fx:maxima]' info:; }

expect_opaque() {
  checked=$((checked + 1))
  [[ $("$identify" -format "%[opaque]" "$assets/$1") == [Tt]rue ]] || fail "$1 has transparent pixels"
}

expect_cut_out() { # transparent surround, and alpha only 0 or 255
  checked=$((checked + 1))
  read -r count lo hi <<<"$(alpha_values "$1")"
  [[ "$count" == 2 && "$lo" == 0 && "$hi" == 1 ]] || fail "$1 alpha is not binary with holes ($count $lo $hi)"
}

expect_rgba() {
  checked=$((checked + 1))
  [[ $("$identify" -format '%[channels]' "$assets/$1") == srgba* ]] || fail "$1 is not RGBA"
}

cut_out="pctAbout pctNew pctPlay pctPause pctScores pctOk pctQuit pctAboutText3"
opaque_buttons="pctSoundOn pctSoundOff pctClear pctMug pctEmptyMug"

expect_size frmMain.png 687 511
expect_opaque frmMain.png
expect_size frmMain_icon.png 32 32
(($("$identify" -format '%k' "$assets/frmMain_icon.png") <= 16)) || fail "frmMain_icon has over 16 colours"
expect_size hand_cursor.png 32 32
expect_cut_out hand_cursor.png
for i in 0 1 2 3 4 5; do expect_size "imgAd_$i.png" 468 60 && expect_opaque "imgAd_$i.png"; done
for f in pctMinimizeIcon pctExitIcon; do expect_size "$f.png" 20 20 && expect_opaque "$f.png"; done
for f in $cut_out; do expect_size "$f.png" 32 32 && expect_cut_out "$f.png"; done
for f in $opaque_buttons; do expect_size "$f.png" 32 32 && expect_opaque "$f.png"; done
expect_size pctAboutText1.png 305 33 && expect_opaque pctAboutText1.png
expect_size pctAboutText2.png 354 32 && expect_opaque pctAboutText2.png
expect_size pctCop.jpg 320 200
for i in $(seq 0 55); do expect_size "pctBeer_$i.png" 32 20 && expect_opaque "pctBeer_$i.png"; done
expect_size pctEmptyBeer.png 32 20 && expect_opaque pctEmptyBeer.png
for d in $(seq 0 9); do
  w=22
  [[ $d == 2 || $d == 3 ]] && w=21
  [[ $d == 4 ]] && w=24
  expect_size "pctDigit_$d.png" $w 23 && expect_opaque "pctDigit_$d.png"
done
for i in $(seq 0 25); do expect_size "pctAlpha_$i.png" 22 23 && expect_opaque "pctAlpha_$i.png"; done
for f in pctEmptyLetter pctCursor; do expect_size "$f.png" 22 23 && expect_opaque "$f.png"; done
for f in "$assets"/*.png; do expect_rgba "$(basename "$f")"; done

# The button panel in the background must be the plain panel colour the game paints behind buttons.
checked=$((checked + 3))
panel=$("$convert" "$assets/frmMain.png" -crop 49x253+570+130 +repage -format '%k %[pixel:p{0,0}]' info:)
[[ "$panel" == "1 srgba(43,29,20,1)" ]] || fail "button column of frmMain is not plain #2B1D14 ($panel)"
# The plaque around the black strip starts right under the sound button's square.
sound=$("$convert" "$assets/frmMain.png" -crop 41x30+574+402 +repage -format '%k %[pixel:p{0,0}]' info:)
[[ "$sound" == "1 srgba(43,29,20,1)" ]] || fail "sound button spot of frmMain is not plain #2B1D14 ($sound)"
strip=$("$convert" "$assets/frmMain.png" -crop 101x20+538+434 +repage -format '%k %[pixel:p{0,0}]' info:)
[[ "$strip" == "1 srgba(0,0,0,1)" ]] || fail "black strip of frmMain is not black ($strip)"

# The game erases a falling drink by copying strips of the empty cell at any height, and lands it on the
# board: so the empty cell's rows are all alike, each drink's margins are bare slate, and the board in the
# background, with the strip above the first row, is the empty cell repeated from x 18.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
differing() { "$compare" -metric AE "$1" "$2" null: 2>&1 || true; }
empty="$assets/pctEmptyBeer.png"
checked=$((checked + 1))
"$convert" "$empty" -crop 32x1+0+0 +repage -sample 32x20! "$scratch/rows.png"
rows=$(differing "$empty" "$scratch/rows.png")
[[ "$rows" == 0 ]] || fail "pctEmptyBeer rows differ from its top row ($rows pixels)"
for x in 0 29; do "$convert" "$empty" -crop "3x20+$x+0" +repage "$scratch/slate_$x.png"; done
for i in $(seq 0 55); do
  checked=$((checked + 1))
  for x in 0 29; do
    "$convert" "$assets/pctBeer_$i.png" -crop "3x20+$x+0" +repage "$scratch/beer.png"
    got=$(differing "$scratch/slate_$x.png" "$scratch/beer.png")
    [[ "$got" == 0 ]] || fail "pctBeer_$i margin at x $x is not bare slate ($got pixels)"
  done
done
checked=$((checked + 1))
"$convert" "$assets/frmMain.png" -crop 480x408+18+86 +repage "$scratch/board.png"
"$convert" -size 480x408 tile:"$empty" "$scratch/tiled.png"
board=$(differing "$scratch/board.png" "$scratch/tiled.png")
[[ "$board" == 0 ]] || fail "board of frmMain (18,86)-(497,493) is not the tiled empty cell ($board pixels)"

# One "r g b" line (0-255) per pixel, row by row.
pixels() { "$convert" "$1" -depth 8 txt:- | tail -n +2 | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'; }

# The score board is black and lies on (14, 86)-(498, 494): the brass frame around the board must run
# along the ring of pixels just outside it, so that it stays whole while the table is shown.
checked=$((checked + 1))
"$convert" "$assets/frmMain.png" -crop 487x411+13+85 +repage "$scratch/ring.png"
not_brass=$(pixels "$scratch/ring.png" | awk 'NR <= 487 || NR > 487 * 410 || NR % 487 <= 1 {
  if (!($1 >= 96 && $1 >= $3 + 40)) n++ } END { print n + 0 }')
[[ "$not_brass" == 0 ]] || fail "the frame just outside the score board has $not_brass pixels that are not brass"

# Matching the drinks is the game: each kind's mean colour (its pixels that differ from the bare slate
# of frame 0) stays far from every other kind's, also for colour-blind players.
checked=$((checked + 1))
pixels "$empty" >"$scratch/slate.txt"
for kind in 0 1 2 3 4 5 6; do
  pixels "$assets/pctBeer_$((kind * 8)).png" | paste -d' ' - "$scratch/slate.txt" | awk -v kind="$kind" '
    $1 != $4 || $2 != $5 || $3 != $6 { n++; r += $1; g += $2; b += $3 }
    END { printf "%d %.3f %.3f %.3f\n", kind, r / n, g / n, b / n }'
done >"$scratch/kinds.txt"
awk -v normal=20 -v cvd=10 -f "$(dirname "$0")/kinds_apart.awk" "$scratch/kinds.txt" >"$scratch/apart.txt" ||
  fail "drink kinds too alike: $(tr '\n' ';' <"$scratch/apart.txt")"
cat "$scratch/apart.txt"

# On the black board a blank letter must look blank and the cursor must stand out: WCAG contrast
# ratios against black, (L + 0.05) / 0.05 with L the relative luminance of a pixel.
contrast() {
  pixels "$assets/$1" | awk '
    function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
    { print (0.2126 * lin($1) + 0.7152 * lin($2) + 0.0722 * lin($3) + 0.05) / 0.05 }'
}
checked=$((checked + 2))
brightest=$(contrast pctEmptyLetter.png | sort -g | tail -1)
awk -v c="$brightest" 'BEGIN { exit !(c <= 1.15) }' ||
  fail "pctEmptyLetter shows against black (contrast $brightest, at most 1.15)"
bright=$(contrast pctCursor.png | awk '$1 >= 7 { n++ } END { print n + 0 }')
((bright >= 60)) || fail "pctCursor has $bright pixels of contrast 7 or more against black, wants 60"
# The cursor stands in its own row: what shows of it against black fills the rows a capital fills,
# from its top to its baseline, and nothing above or below, so it is never read as a mark over the
# first letter of the row below.
shown_rows() { # the first and the last row of a picture with a pixel that shows against black
  contrast "$1" | awk -v w="$("$identify" -format '%w' "$assets/$1")" '
    $1 > 1.15 { r = int((NR - 1) / w); if (first == "") first = r; last = r } END { print first, last }'
}
checked=$((checked + 1))
capital=$(shown_rows pctAlpha_0.png) cursor=$(shown_rows pctCursor.png)
[[ "$cursor" == "$capital" ]] || fail "pctCursor shows in rows $cursor, a capital in rows $capital"

check_sound() { # file min-seconds max-seconds
  local f="$sounds/$1"
  checked=$((checked + 1))
  [[ $(sox --i -r "$f") == 22050 || $(sox --i -r "$f") == 44100 ]] || fail "$1 sample rate"
  [[ $(sox --i -c "$f") == 1 && $(sox --i -b "$f") == 16 ]] || fail "$1 is not 16-bit mono"
  local len peak
  len=$(sox --i -D "$f")
  awk -v l="$len" -v a="$2" -v b="$3" 'BEGIN { exit !(l >= a && l <= b) }' || fail "$1 lasts $len s"
  peak=$(sox "$f" -n stat 2>&1 | awk '/Maximum amplitude/ { print $3 }')
  awk -v p="$peak" 'BEGIN { exit !(p > 0.66 && p < 0.75) }' || fail "$1 peak $peak is not near -3 dBFS"
}
check_sound burp.wav 0.4 0.6
check_sound siren.wav 1.8 2.2

echo "$((checked - failures)) passed, $failures failed"
((failures == 0))
