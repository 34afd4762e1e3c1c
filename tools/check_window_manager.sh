#!/bin/sh
# Checks from outside what depends on the window manager: that the
# program's message boxes stay above its main window, and that the full
# preview and Font Details are the window manager's active window when they
# open (the full preview also when it is brought forward). For each of openbox and xfwm4 it starts a private Xvfb display
# with that window manager, runs the program with Wine's X11 driver in a
# throwaway prefix where the game is not installed (so the start-up box
# opens while the main window is still loading), and reads the window
# manager's stacking order (_NET_CLIENT_LIST_STACKING) and active window:
#   (a) after the splash's tick has shown the main window behind the box;
#   (b) after a click on the disabled main window while the box is open;
#   (c) for a later box (Copy with no font selected), after such a click;
#   (d) the full preview, opened with Alt+P, is the active window;
#   (e) brought forward with Alt+P once the main window is active, too;
#   (f) Alt+F4 then closes the full preview and asks nothing;
#   (g) Font Details, opened from the file list's context menu (Shift+F10,
#       then D), is the active window, and Alt+F4 closes it, asking nothing.
# Prints PASS or FAIL for each case and window manager; exits 1 on any FAIL.
# Needs xvfb, openbox, xfwm4, dbus, xdotool, wmctrl and x11-utils (Debian
# packages). Usage: tools/check_window_manager.sh [path/to/Kernwell.exe]
set -u
EXE=$(readlink -f "${1:-build/Kernwell.exe}")
[ -f "$EXE" ] || { echo "no program at $EXE: build it first (make build)" >&2; exit 2; }
for tool in Xvfb openbox xfwm4 dbus-run-session xdotool wmctrl xprop; do
  command -v $tool >/dev/null || { echo "missing $tool (apt-get install xvfb openbox xfwm4 dbus xdotool wmctrl x11-utils)" >&2; exit 2; }
done

WORK=$(mktemp -d)
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEARCH=win32
XVFB= WM=
cleanup() {
  wineserver -k 2>/dev/null
  stop_wm
  [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT INT TERM

echo "Creating a throwaway Wine prefix (the game is not installed in it)..."
wineboot --init >/dev/null 2>&1
wineserver -w
# A font in the Fonts folder the main window opens on, for Font Details.
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null ||
  cp "$(dirname "$0")/../tests/fixtures/FixtureSans.ttf" "$WINEPREFIX/drive_c/windows/Fonts/"

# The window manager, and the one that runs inside a private session bus.
stop_wm() {
  [ -n "$WM" ] || return 0
  pkill -TERM -P "$WM" 2>/dev/null
  kill "$WM" 2>/dev/null
}

# The first display number whose socket and lock are both free.
free_display() {
  n=70
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  echo ":$n"
}

# Waits up to $2 tenths of a second for a window whose title matches $1
# and prints its id.
wait_window() {
  i=0
  while [ $i -lt "$2" ]; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1; i=$((i + 1))
  done
  return 1
}

# The position of a window in the stacking order, bottom first (-1: absent).
stack_index() {
  i=0
  for window in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' ' '); do
    [ $((window)) -eq "$1" ] && { echo $i; return; }
    i=$((i + 1))
  done
  echo -1
}

# Clicks the main window where the box does not cover it: near its top
# edge, or else near its bottom edge.
click_main_beside_box() {
  eval "$(xdotool getwindowgeometry --shell "$BOX")"
  box_top=$Y box_bottom=$((Y + HEIGHT))
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  click_y=$((Y + 30))
  if [ $click_y -ge $box_top ] && [ $click_y -le $box_bottom ]; then click_y=$((Y + HEIGHT - 30)); fi
  xdotool mousemove $((X + WIDTH / 2)) $click_y click 1
}

# PASS when the box is above the main window in the stacking order.
verdict() {
  box_at=$(stack_index "$BOX"); main_at=$(stack_index "$MAIN")
  if [ "$box_at" -gt "$main_at" ] && [ "$main_at" -ge 0 ]; then result=PASS; else result=FAIL; FAILED=1; fi
  active=$(xdotool getactivewindow 2>/dev/null)
  focus="other"; [ "$active" = "$BOX" ] && focus="box"; [ "$active" = "$MAIN" ] && focus="main window"
  echo "  $1: $result (stacking position: box $box_at, main window $main_at; active: $focus)"
  RESULTS="$RESULTS
$WM_NAME $1: $result"
}

# PASS when the window manager's active window is $2.
active_is() {
  active=$(xdotool getactivewindow 2>/dev/null)
  if [ "$active" = "$2" ]; then result=PASS; else result=FAIL; FAILED=1; fi
  echo "  $1: $result (active: $(xdotool getwindowname "$active" 2>/dev/null))"
  RESULTS="$RESULTS
$WM_NAME $1: $result"
}

# PASS when a window whose title matches $1 appears and is the active
# window (its id then in OPENED); false when none appears.
opened_active() {
  if ! OPENED=$(wait_window "$1" 50); then
    echo "  $2: FAIL (it did not appear)"; FAILED=1
    RESULTS="$RESULTS
$WM_NAME $2: FAIL (it did not appear)"
    return 1
  fi
  sleep 1
  active_is "$2" "$OPENED"
}

# PASS when Alt+F4 closes the window whose title matches $1 and nothing
# asks whether to quit.
closes_with_alt_f4() {
  xdotool key alt+F4
  sleep 1
  if [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] &&
     [ -z "$(xdotool search --onlyvisible --name '^Want to Quit\?$' 2>/dev/null)" ]; then result=PASS
  else result=FAIL; FAILED=1; fi
  echo "  $2: $result"
  RESULTS="$RESULTS
$WM_NAME $2: $result"
}

# The full preview opens active, is brought forward active, and Alt+F4 goes
# to it.
check_preview_focus() {
  xdotool key Return  # answers the later box
  sleep 1
  xdotool key alt+p
  opened_active '^Full Preview$' "(d) the full preview opened" || return
  PREVIEW=$OPENED
  # The main window made active as a taskbar would, then the menu again.
  xdotool windowactivate --sync "$MAIN" 2>/dev/null
  sleep 1
  xdotool key alt+p
  sleep 1
  active_is "(e) the full preview brought forward" "$PREVIEW"
  closes_with_alt_f4 '^Full Preview$' "(f) Alt+F4 closes the full preview and asks nothing"
}

# Font Details opens active from the file list's context menu, and Alt+F4
# goes to it. The file list takes the focus with a click inside it (its
# top left at 200, 88 of the client area at 96 DPI, below the menu bar).
check_details_focus() {
  xdotool windowactivate --sync "$MAIN" 2>/dev/null
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  xdotool mousemove $((X + 260)) $((Y + 180)) click 1
  sleep 0.5
  xdotool key Home shift+F10
  sleep 0.5
  xdotool key d
  opened_active '^Font Details$' "(g) Font Details opened" || return
  closes_with_alt_f4 '^Font Details$' "(g) Alt+F4 closes Font Details and asks nothing"
}

FAILED=0
RESULTS=
for WM_NAME in openbox xfwm4; do
  echo "== $WM_NAME"
  DISPLAY=$(free_display); export DISPLAY
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & XVFB=$!
  sleep 1
  case $WM_NAME in
    openbox) openbox >/dev/null 2>&1 & WM=$! ;;
    # xfwm4 reads its settings through D-Bus: a private session bus.
    xfwm4) NO_AT_BRIDGE=1 GTK_A11Y=none dbus-run-session -- xfwm4 --compositor=off >/dev/null 2>&1 & WM=$! ;;
  esac
  i=0; until wmctrl -m >/dev/null 2>&1 || [ $i -ge 50 ]; do sleep 0.1; i=$((i + 1)); done

  wine "$EXE" >/dev/null 2>&1 &
  BOX=$(wait_window '^Glyphwright$' 300)
  MAIN=$(wait_window '^The Tessaline Glyphwright' 100)
  if [ -z "$BOX" ] || [ -z "$MAIN" ]; then
    echo "  the start-up box or the main window did not appear: FAIL"; FAILED=1
    RESULTS="$RESULTS
$WM_NAME: FAIL (no box or no main window)"
  else
    sleep 2  # the window manager has handled the late show
    verdict "(a) after the late show of the main window"
    click_main_beside_box
    sleep 1.5
    verdict "(b) after a click on the disabled main window"
    # A later box, opened over the shown main window: Copy with no font
    # selected (Alt+C), then a click on the main window.
    xdotool key Return  # answers the start-up box, which has the focus
    sleep 1
    xdotool key alt+c
    if BOX=$(wait_window '^No font Selected$' 50); then
      click_main_beside_box
      sleep 1.5
      verdict "(c) a later box, after a click on the disabled main window"
      check_preview_focus
      check_details_focus
    else
      echo "  (c) the later box did not appear: FAIL"; FAILED=1
      RESULTS="$RESULTS
$WM_NAME (c): FAIL (no later box)"
    fi
  fi
  wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
  stop_wm; kill "$XVFB" 2>/dev/null; wait "$WM" "$XVFB" 2>/dev/null; WM= XVFB=
done

echo "== Summary$RESULTS"
exit $FAILED
