#!/bin/sh
# Runs the benchmarks: every one in the test prefix on Wine's null display
# driver, then the click, the full preview and Font Details on Wine's X11
# driver, as a player meets them, on a private Xvfb display: at 96 DPI, and
# the full preview once more at 144 DPI. The font readers and Font Details
# are also timed on the two largest fonts of LARGE-FONTS, when it has any.
# Usage: tools/run_benchmarks.sh BUILD NULL-PREFIX X11-PREFIX X11-144-PREFIX [LARGE-FONTS]
set -u
BUILD=$1 NULL_PREFIX=$2 X11_PREFIX=$3 X11_144_PREFIX=$4 LARGE_FONTS=${5:-}
TOOLS=$(dirname "$0")

# The two largest font files, one path a line (no path here holds a space).
large_fonts() {
  [ -n "$LARGE_FONTS" ] && [ -d "$LARGE_FONTS" ] || return 0
  find "$LARGE_FONTS" -type f \( -name '*.ttf' -o -name '*.otf' \) -printf '%s %p\n' | sort -rn | head -2 | cut -d' ' -f2
}
# shellcheck disable=SC2046 # one argument a font path
set -- $(large_fonts)

for bench in "$BUILD"/benchmarks/*.exe; do
  echo "== $(basename "$bench" .exe) (null display driver)"
  case $(basename "$bench" .exe) in
    bench_font_details|bench_details_window) "$TOOLS/with_prefix.sh" "$NULL_PREFIX" wine "$bench" "$@" </dev/null ;;
    *) "$TOOLS/with_prefix.sh" "$NULL_PREFIX" wine "$bench" </dev/null ;;
  esac
done

n=70
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
DISPLAY=:$n; export DISPLAY
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
trap 'kill $XVFB 2>/dev/null' EXIT
sleep 1
for bench in bench_preview_click bench_full_preview; do
  echo "== $bench (X11 display driver)"
  "$TOOLS/with_prefix.sh" "$X11_PREFIX" wine "$BUILD/benchmarks/$bench.exe" </dev/null
done
echo "== bench_details_window (X11 display driver)"
"$TOOLS/with_prefix.sh" "$X11_PREFIX" wine "$BUILD/benchmarks/bench_details_window.exe" "$@" </dev/null
echo "== bench_full_preview (X11 display driver, 144 dpi)"
"$TOOLS/with_prefix.sh" "$X11_144_PREFIX" wine "$BUILD/benchmarks/bench_full_preview.exe" </dev/null
