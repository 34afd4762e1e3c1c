#!/bin/sh
# Takes the README's pictures (docs/*.png): runs the program in a throwaway
# prefix made like the demonstration prefix, inside a Wine virtual desktop
# on a free Xvfb display, drives it with the keyboard and the mouse through
# xdotool, and waits for each window instead of sleeping. Fails when a
# picture could not be taken; docs/ is only touched when all were taken, and
# nothing else is left behind. Needs xvfb, xdotool, x11-utils and
# imagemagick; run it through `make screenshots`, which builds the program.
set -eu
BUILD=${BUILD:-build}
TIMEOUT=${TIMEOUT:-60}
work=$(mktemp -d)
prefix=$work/prefix

fail() { echo "take_screenshots: $*" >&2; exit 1; }

cleanup() {
  [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The prefix sees only Liberation among the Linux fonts (Wine's stand-ins for
# the core Windows fonts), so, as on Windows, the installed fonts are those of
# its Fonts folder, and a font elsewhere is really not installed.
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<fontconfig><dir>/usr/share/fonts/truetype/liberation</dir><cachedir>$work/fontconfig</cachedir></fontconfig>
EOF
export FONTCONFIG_FILE="$work/fonts.conf" WINEPREFIX="$prefix" WINEDEBUG=-all
make --no-print-directory DEMOPREFIX="$prefix" "$prefix/.wine-fonts" >/dev/null
# A caret that does not blink, so that the same program gives the same pictures.
wine reg add 'HKCU\Control Panel\Desktop' /v CursorBlinkRate /d -1 /f >/dev/null 2>&1
wineserver -w
program_folder="$prefix/drive_c/Program Files/Glyphwright"
mkdir -p "$program_folder"
cp "$BUILD/Kernwell.exe" "$program_folder/"

# A font that a player has just downloaded: in their Downloads folder, not
# installed. Wine links that folder to the Linux home; here it is a real one.
user=$(ls "$prefix/drive_c/users" | grep -vx Public | head -n 1)
downloads="$prefix/drive_c/users/$user/Downloads"
if [ -L "$downloads" ]; then rm "$downloads"; fi
mkdir -p "$downloads"
cp /usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf "$downloads/"

# Xvfb picks a free display number itself and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
waited=0
until [ -s "$work/display" ]; do
  sleep 0.1; waited=$((waited + 1))
  [ "$waited" -lt $((TIMEOUT * 10)) ] || fail "Xvfb did not start"
done
export DISPLAY=":$(cat "$work/display")"

# The first visible window whose title matches, waited for up to TIMEOUT.
window() {
  timeout "$TIMEOUT" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 |
    grep . || fail "no window \"$1\" appeared"
}

# Waits until the desktop stops changing (two equal frames in a row), so a
# picture never shows a window half drawn.
settle() {
  import -window "$desktop" "$work/frame-a.rgb"
  tries=0
  while :; do
    sleep 0.3
    import -window "$desktop" "$work/frame-b.rgb"
    cmp -s "$work/frame-a.rgb" "$work/frame-b.rgb" && return 0
    mv "$work/frame-b.rgb" "$work/frame-a.rgb"
    tries=$((tries + 1))
    [ "$tries" -lt $((TIMEOUT * 3)) ] || fail "the desktop never stopped changing"
  done
}

shot() {
  settle
  import -window "$desktop" "$work/$1" || fail "could not take $1"
}

# Clicks at a point given relative to a window's top-left corner.
click() {
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}')"
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
}

# Starts the program in a virtual desktop of the given size, from the given
# Windows folder (the folder the C: drive's list goes back to).
start() {
  (cd "$2" && wine explorer /desktop=Glyphwright,"$1" 'C:\Program Files\Glyphwright\Kernwell.exe' >/dev/null 2>&1 &)
  desktop=$(window '^Glyphwright - Wine desktop$')
}

stop() {
  wineserver -k 2>/dev/null || true
  wineserver -w
}

main_title='^The Tessaline Glyphwright 01/02'

start 800x600 "$downloads"
# The splash stays a second: catch it as soon as it shows, then make sure it
# was still there when the picture was taken.
waited=0
until splash=$(xdotool search --onlyvisible --classname 'kernwell.exe' 2>/dev/null | head -n 1) && [ -n "$splash" ]; do
  waited=$((waited + 1)); [ "$waited" -lt $((TIMEOUT * 20)) ] || fail "the splash never showed"
  sleep 0.05
done
import -window "$desktop" "$work/splash.png"
xdotool search --onlyvisible --name "$main_title" >/dev/null 2>&1 && fail "the splash had gone before its picture"

main=$(window "$main_title")
shot main-window.png

# The file list lists the Fonts folder; its third entry is DejaVuSans-Bold.ttf.
click "$main" 250 137
xdotool key Down Down
shot main-window-preview.png

xdotool key alt+p
preview=$(window '^Full Preview$')
shot full-preview.png
xdotool key alt+F4

xdotool key alt+a
about=$(window '^About Glyphwright 01/02$')
shot about.png
xdotool key Return

# Drive Z: and back to C:, whose current folder is Downloads: the font
# there is not installed.
click "$main" 100 107
xdotool key Escape z c
click "$main" 250 137
shot main-window-not-installed.png
xdotool key alt+p
preview=$(window '^Full Preview$')
shot full-preview-not-installed.png
stop

# The game's Data\Fonts holds two of the listed names: DejaVuSans.ttf, the
# same file, and DejaVuSans-Bold.ttf, another file of that name. The marks,
# the file list's context menu on the second, and its Font Details.
game_fonts="$prefix/drive_c/Games/CM 01-02/Data/Fonts"
mkdir -p "$game_fonts"
cp "$prefix/drive_c/windows/Fonts/DejaVuSans.ttf" "$game_fonts/"
cp /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf "$game_fonts/DejaVuSans-Bold.ttf"
start 800x600 "$downloads"
main=$(window "$main_title")
click "$main" 250 137
xdotool key Down Down shift+F10
shot main-window-marks.png
xdotool key d
window '^Font Details$' >/dev/null
# Its end: what the font means for the game.
xdotool key ctrl+End
shot font-details.png
stop

# The main window on a screen at 144 dots per inch.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
stop
start 1200x900 "$downloads"
main=$(window "$main_title")
shot main-window-144dpi.png
stop

mkdir -p docs
mv "$work"/*.png docs/
echo "Pictures taken: $(cd docs && ls *.png | tr '\n' ' ')"
