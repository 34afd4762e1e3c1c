#!/bin/sh
# Takes the README's screenshots: runs the program in the demonstration
# prefix inside a Wine virtual desktop on a private Xvfb display and clicks
# through it with xdotool. Needs xvfb, xdotool and imagemagick (Debian
# packages); run it after `make run` has built the program and the prefix.
# The click positions follow the windows' layout centred on an 800 x 600
# desktop at 96 DPI.
set -eu
BUILD=${BUILD:-build}
PREFIX=$(pwd)/$BUILD/wineprefix-demo
mkdir -p docs
OUT=docs
DISPLAY_NUMBER=:93
export WINEPREFIX="$PREFIX" WINEDEBUG=-all DISPLAY=$DISPLAY_NUMBER

Xvfb $DISPLAY_NUMBER -screen 0 800x600x24 >/dev/null 2>&1 &
XVFB=$!
trap 'wineserver -k 2>/dev/null || true; kill $XVFB 2>/dev/null || true' EXIT
sleep 1
# The fixture fonts give the preview something of ours to show.
cp tests/fixtures/FixtureSansBold.ttf tests/fixtures/FixtureSerifItalic.ttf "$PREFIX/drive_c/windows/Fonts/"

shot() { sleep "$1"; import -window root "$OUT/$2"; }
click() { xdotool mousemove "$1" "$2" click 1; }

wine explorer /desktop=Glyphwright,800x600 "$BUILD/Kernwell.exe" >/dev/null 2>&1 &
# The splash stays one second: keep the first frame that shows it (its
# white face makes the picture larger than an empty desktop's).
for i in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
  sleep 0.1
  import -window root "$OUT/splash-try.png"
  if [ "$(stat -c %s "$OUT/splash-try.png")" -gt 3000 ]; then
    mv "$OUT/splash-try.png" "$OUT/splash.png"; break
  fi
done
shot 3 main-window.png
click 430 284            # DejaVuSans-Bold.ttf in the file list
shot 1.5 main-window-preview.png
click 218 167            # Full Preview
shot 1.5 full-preview.png
click 613 123            # its close box
click 275 167            # About
shot 1.5 about.png
