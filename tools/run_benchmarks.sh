#!/bin/sh
# Runs the benchmarks: every one in the test prefix on Wine's null display
# driver, then the click and the full preview on Wine's X11 driver, as a
# player meets them, on a private Xvfb display: at 96 DPI, and the full
# preview once more at 144 DPI.
# Usage: tools/run_benchmarks.sh BUILD NULL-PREFIX X11-PREFIX X11-144-PREFIX
set -u
BUILD=$1 NULL_PREFIX=$2 X11_PREFIX=$3 X11_144_PREFIX=$4
TOOLS=$(dirname "$0")

for bench in "$BUILD"/benchmarks/*.exe; do
  echo "== $(basename "$bench" .exe) (null display driver)"
  "$TOOLS/with_prefix.sh" "$NULL_PREFIX" wine "$bench" </dev/null
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
echo "== bench_full_preview (X11 display driver, 144 dpi)"
"$TOOLS/with_prefix.sh" "$X11_144_PREFIX" wine "$BUILD/benchmarks/bench_full_preview.exe" </dev/null
