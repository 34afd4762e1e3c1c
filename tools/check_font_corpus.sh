#!/bin/sh
# Runs the program's structural font check over a corpus of real fonts and
# over damaged variants of a sample of them, beside the sanitizer that web
# browsers use (ots-sanitize, Debian's opentype-sanitizer), and prints:
#   - the count of fonts, and every real font our check refuses, with why;
#   - every disagreement: a file ots accepts but ours refuses (the other way
#     round is counted only: ots is stricter about tables we never read).
# Usage: tools/check_font_corpus.sh LIST   (LIST: one .ttf path a line)
# Exits 1 when a real font is refused or ots accepts a file ours refuses.
set -eu
LIST=$(readlink -f "$1")
cd "$(dirname "$0")/.."
command -v ots-sanitize >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -q opentype-sanitizer
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

g++ -std=c++20 -O2 -I. tools/font_check.cpp fonts/FontCheck.cpp fonts/TrueTypeTables.cpp \
  fonts/TrueTypeNames.cpp fonts/MacRoman.cpp -o "$WORK/font_check"

# ots' verdict of each file: a line "accepts" or "refuses", tab, path.
ots_verdicts() {
  while IFS= read -r font; do
    if ots-sanitize "$font" "$WORK/ots-out.$$" >/dev/null 2>&1; then echo "accepts	$font"
    else echo "refuses	$font"; fi
  done
}

# Compares ours and ots for the files listed on the standard input.
compare() {
  name=$1
  tee "$WORK/$name.list" | "$WORK/font_check" | sort >"$WORK/$name.ours"
  ots_verdicts <"$WORK/$name.list" | sort -t '	' -k2 >"$WORK/$name.ots"
  total=$(wc -l <"$WORK/$name.list")
  refused=$(grep -cv '	sound$' "$WORK/$name.ours" || true)
  echo "$name: $total files, $refused refused by our check"
  # Joined by path: path, our verdict, ots' verdict.
  awk -F '\t' 'NR == FNR { ots[$2] = $1; next } { print $1 "\t" $2 "\t" ots[$1] }' \
    "$WORK/$name.ots" "$WORK/$name.ours" >"$WORK/$name.joined"
  echo "  ots refuses $(grep -c '	refuses$' "$WORK/$name.joined" || true) of them;" \
       "both refuse $(awk -F '\t' '$2 != "sound" && $3 == "refuses"' "$WORK/$name.joined" | wc -l)"
  awk -F '\t' '$2 != "sound" && $3 == "accepts" { print "  DISAGREE (ots accepts): " $1 ": " $2; bad = 1 }
               END { exit bad }' "$WORK/$name.joined" || DISAGREED=1
}

DISAGREED=0
compare corpus <"$LIST"
grep -v '	sound$' "$WORK/corpus.ours" | sed 's/^/  REFUSED: /' || true
REAL_REFUSED=$(grep -cv '	sound$' "$WORK/corpus.ours" || true)

# Hostile variants of every hundredth font of the corpus.
mkdir "$WORK/hostile"
awk 'NR % 100 == 1' "$LIST" | "$WORK/font_check" --hostile "$WORK/hostile"
find "$WORK/hostile" -name '*.ttf' | sort | compare hostile
sound=$(grep -c '	sound$' "$WORK/hostile.ours" || true)
echo "  hostile variants our check passes: $sound (a cut of the last byte may leave every table whole)"

[ "$REAL_REFUSED" -eq 0 ] && [ "$DISAGREED" -eq 0 ]
