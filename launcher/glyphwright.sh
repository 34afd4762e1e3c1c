#!/bin/sh
# Starts Glyphwright 01/02 (Kernwell.exe, beside this script) under Wine in
# the game's own Wine prefix: the one whose registry holds the folder of
# Championship Manager 01-02. It looks where Wine and the usual launchers
# keep their prefixes, starts the program with the Wine that made the
# prefix where the launcher keeps one of its own, asks which prefix when
# there are several, and when there is none says where it looked and how to
# point the game's key at a folder. It only reads: no network, no root, no
# file written, and never a new prefix (plain `wine` makes one when the
# prefix is missing, so only folders with a readable system.reg are used).
set -u

me=${0##*/}
nl='
'
us=$(printf '\037')  # separates a found prefix from its game folder
key_path='Software\Sports Interactive Ltd\Championship Manager 01-02'
data_home=${XDG_DATA_HOME:-${HOME:-}/.local/share}
candidates='' seen='' found='' keyless='' only64='' view64_fix='' places=''
lutris_games='' lutris_default='' lutris_root=''

usage() {
  printf '%s\n' "Usage: $me [--list | --prefix DIR | --help]" '' \
    'Starts Kernwell.exe under Wine in the Wine prefix of Championship Manager' \
    "01-02: the prefix whose registry holds the game's folder" \
    "(HKEY_LOCAL_MACHINE\\$key_path, value Location)." '' \
    "  (no option)   find the game's prefix and start the program there; asks" \
    '                which one on a terminal when there are several' \
    "  --list        print each prefix that holds the game's folder and that" \
    '                folder, separated by a tab, one prefix a line' \
    '  --prefix DIR  start the program in the Wine prefix DIR' \
    '  --help        show this text' '' \
    "It looks in \$WINEPREFIX, ~/.wine, and the prefixes of Lutris, Bottles," \
    'Steam (Proton), PlayOnLinux and CrossOver. WINEDEBUG is -all unless set.' \
    'Exit status: 0 started or listed, 1 nothing started, 2 a wrong option.'
}

say() { printf '%s: %s\n' "$me" "$*" >&2; }
die() { say "$@"; exit 1; }
usage_error() { say "$1 (see $me --help)"; exit 2; }

# Calls function $1 with each line of $2, in this shell (a pipe into a loop
# would lose what the function records, and a here-document may be a file).
for_each_line() {
  each_fn=$1 each_rest=$2
  case $each_rest in *"$nl") ;; *) each_rest=$each_rest$nl ;; esac
  while [ -n "$each_rest" ]; do
    each_line=${each_rest%%"$nl"*}
    each_rest=${each_rest#*"$nl"}
    [ -n "$each_line" ] && "$each_fn" "$each_line"
  done
}

# $1 in single quotes, as a shell reads it back.
quote() { printf "'%s'" "$(printf '%s' "$1" | sed "s/'/'\\\\''/g")"; }

# The folder of this script, through any links to it.
script_folder() {
  path=$0
  while [ -L "$path" ]; do
    target=$(readlink -- "$path") || break
    case $target in /*) path=$target ;; *) path=$(dirname -- "$path")/$target ;; esac
  done
  cd -P -- "$(dirname -- "$path")" 2>/dev/null && pwd -P
}

# --- The game's key in a prefix's system.reg -------------------------------

# The lines that open the game's key, in either registry view, as
# "NUMBER:[key] time". grep reads the file as bytes a line at a time, so a
# registry of any size is never held whole.
key_lines() {
  LC_ALL=C grep -n -i -E \
    -e '^\[Software\\\\(Wow6432Node\\\\)?Sports Interactive Ltd\\\\Championship Manager 01-02]' "$1"
}

# A 64-bit prefix, where a 32-bit program's HKLM\Software is Wow6432Node.
is_64bit() {
  [ -d "$1/drive_c/windows/syswow64" ] || head -n 5 -- "$1/system.reg" 2>/dev/null | grep -q '^#arch=win64'
}

# The Location text of the key that opens at line $2 of registry file $1,
# with Wine's escapes undone (\\, \" and \xHHHH, written out as UTF-8).
location_after() {
  tail -n "+$(($2 + 1))" -- "$1" | LC_ALL=C awk '
    function hexval(c) { return c == "" ? -1 : index("0123456789abcdef", tolower(c)) - 1 }
    function utf8(cp) {
      if (cp < 128) return sprintf("%c", cp)
      if (cp < 2048) return sprintf("%c%c", 192 + int(cp / 64), 128 + cp % 64)
      return sprintf("%c%c%c", 224 + int(cp / 4096), 128 + int(cp / 64) % 64, 128 + cp % 64)
    }
    /^\[/ { exit }
    tolower(substr($0, 1, 11)) == "\"location\"=" {
      v = substr($0, 12)
      if (substr(v, 1, 7) == "str(2):") v = substr(v, 8)
      if (v !~ /^".*"$/) exit
      v = substr(v, 2, length(v) - 2)
      out = ""
      for (i = 1; i <= length(v); i++) {
        c = substr(v, i, 1)
        if (c != "\\") { out = out c; continue }
        c = substr(v, ++i, 1)
        if (c != "x") { out = out c; continue }
        cp = 0
        for (n = 0; n < 4 && hexval(substr(v, i + 1, 1)) >= 0; n++) cp = cp * 16 + hexval(substr(v, ++i, 1))
        if (cp > 0) out = out utf8(cp)
      }
      print out
      exit
    }'
}

# Prints the game folder that the 32-bit program reads in prefix $1.
# Returns 1 without the key in that view, 3 when the key holds no folder,
# and 2 when a 64-bit prefix has it only in the 64-bit view (printing the
# folder found there).
game_folder() {
  lines=$(key_lines "$1/system.reg") || return 1
  view=0
  if is_64bit "$1"; then
    wanted=$(printf '%s\n' "$lines" | grep -i 'Wow6432Node') || { wanted=$lines view=2; }
  else
    wanted=$(printf '%s\n' "$lines" | grep -v -i 'Wow6432Node') || return 1
  fi
  line=$(printf '%s\n' "$wanted" | head -n 1)
  folder=$(location_after "$1/system.reg" "${line%%:*}")
  printf '%s\n' "$folder"
  [ "$view" = 0 ] || return "$view"
  [ -n "$folder" ] || return 3
}

# The game's own program (cm0102.exe) near the top of drive C: of prefix $1,
# its folder as Wine names it.
game_exe_folder() {
  exe_path=$(find "$1/drive_c/" -maxdepth 4 -type f -iname 'cm0102.exe' 2>/dev/null | head -n 1)
  [ -n "$exe_path" ] || return 1
  rel=${exe_path#"$1/drive_c/"}
  case $rel in */*) rel=${rel%/*} ;; *) rel='' ;; esac
  printf 'C:\\%s\n' "$(printf '%s' "$rel" | sed 's#/#\\#g')"
}

# --- Which Wine runs a prefix ----------------------------------------------

# The value of setting $2 ("section.key") in Lutris' settings file $1.
lutris_setting() {
  LC_ALL=C awk -v want="$2" -v sq="'" '
    /^[^ \t#]/ { section = $0; sub(/:.*/, "", section) }
    (section "." $1) == (want ":") {
      v = $0; sub(/^[ \t]*[a-z]+:[ \t]*/, "", v)
      if (v ~ /^".*"$/ || (substr(v, 1, 1) == sq && substr(v, length(v)) == sq)) v = substr(v, 2, length(v) - 2)
      print v; exit
    }' "$1" 2>/dev/null
}


# The physical path of folder $1 (links resolved), as prefixes are compared.
real_path() { (cd -P -- "$1" 2>/dev/null && pwd -P); }

# The Wine that runs prefix $1: the one its launcher made it with, where the
# launcher keeps one of its own, else wine from PATH. Sets wine_cmd, bottle
# for CrossOver (whose wine takes a bottle's name instead of WINEPREFIX),
# and wine_missing when the launcher's Wine is no longer there.
choose_wine() {
  wine_cmd=wine bottle=''
  if [ -f "$1/../config_info" ]; then
    # Steam's compatdata/APPID/pfx: Proton notes its fonts folder,
    # PROTON/files/share/fonts/ (dist/ in older ones), beside its bin/.
    proton=$(sed -n 's#^\(/.*\)/share/fonts/*$#\1#p' "$1/../config_info" 2>/dev/null | head -n 1)
    [ -n "$proton" ] && wine_cmd=$proton/bin/wine
  elif [ -f "$1/cxbottle.conf" ]; then
    for cx in "$HOME/cxoffice" /opt/cxoffice /Applications/CrossOver.app/Contents/SharedSupport/CrossOver; do
      [ -x "$cx/bin/wine" ] && { wine_cmd=$cx/bin/wine bottle=${1##*/}; break; }
    done
  elif [ -f "$1/bottle.yml" ]; then
    runner=$(sed -n 's/^Runner: *//p' "$1/bottle.yml" 2>/dev/null | head -n 1 | tr -d "\"'")
    [ -n "$runner" ] && wine_cmd=${1%/*/*}/runners/$runner/bin/wine
  elif [ -f "$1/playonlinux.cfg" ]; then
    version=$(sed -n 's/^VERSION=//p' "$1/playonlinux.cfg" 2>/dev/null | head -n 1)
    arch=$(sed -n 's/^ARCH=//p' "$1/playonlinux.cfg" 2>/dev/null | head -n 1)
    [ -n "$version" ] && wine_cmd=${1%/wineprefix/*}/wine/linux-${arch:-x86}/$version/bin/wine
  else
    lutris_wine "$1"
  fi
  wine_missing=''
  case $wine_cmd in */*) [ -x "$wine_cmd" ] || { wine_missing=$wine_cmd wine_cmd=wine bottle=''; } ;; esac
}

# For a prefix of Lutris (named in a game's settings, or in ~/Games), the
# runner those settings name, or else the Wine runner's own settings do.
# Uses what find_lutris recorded.
lutris_wine() {
  version='' matched='' match_prefix=$1
  for_each_line lutris_match "$lutris_games"
  [ -n "$matched" ] || [ "${1%/*}" = "$lutris_root" ] || return
  [ -n "$version" ] || version=$lutris_default
  case $version in ''|system) return ;; esac
  for runners in "$data_home/lutris/runners/wine" "$HOME/.var/app/net.lutris.Lutris/data/lutris/runners/wine"; do
    [ -x "$runners/$version/bin/wine" ] && { wine_cmd=$runners/$version/bin/wine; return; }
  done
  wine_cmd=$data_home/lutris/runners/wine/$version/bin/wine
}
lutris_match() { [ "${1%%"$us"*}" = "$match_prefix" ] && matched=1 version=${1#*"$us"}; }

# --- Where prefixes are looked for ------------------------------------------

# Adds folder $1 to the places to examine. A name with a line break cannot
# be kept in a list of lines; it is reported and left out.
candidate() {
  case $1 in
    *"$nl"*) say "left out a folder whose name holds a line break: $(printf '%s' "$1" | tr '\n' '?')" ;;
    *) candidates=$candidates$1$nl ;;
  esac
}
looked() { places=$places"  $*"$nl; }
# Folder $1 as the player knows it: ~/ for the home folder.
# shellcheck disable=SC2088  # the ~ is shown, not expanded
tilde() { case $1 in "$HOME"/*) printf '~/%s' "${1#"$HOME"/}" ;; *) printf '%s' "$1" ;; esac; }

# Lutris puts a game's prefix in ~/Games/NAME unless its settings name
# another; each game's settings may also name a Wine runner.
find_lutris() {
  lutris_games='' lutris_default=''
  lutris_root=$(real_path "$HOME/Games") || lutris_root=''
  for yml in "$HOME/.config/lutris/runners/wine.yml" "$HOME/.var/app/net.lutris.Lutris/config/lutris/runners/wine.yml"; do
    [ -n "$lutris_default" ] || lutris_default=$(lutris_setting "$yml" wine.version)
  done
  for yml in "$HOME/.config/lutris/games/"*.yml "$data_home/lutris/games/"*.yml \
             "$HOME/.var/app/net.lutris.Lutris/config/lutris/games/"*.yml \
             "$HOME/.var/app/net.lutris.Lutris/data/lutris/games/"*.yml; do
    if [ ! -f "$yml" ] || [ ! -r "$yml" ]; then continue; fi
    named=$(lutris_setting "$yml" game.prefix)
    case $named in '') continue ;; "~"/*) named=$HOME/${named#"~"/} ;; esac
    candidate "$named"
    named_real=$(real_path "$named") && lutris_games=$lutris_games$named_real$us$(lutris_setting "$yml" wine.version)$nl
  done
  for dir in "$HOME/Games/"*; do candidate "$dir"; done
  looked "$(tilde "$HOME/Games")/* and the prefixes named in Lutris' game settings"
}

# Steam's libraries: its own folder and those libraryfolders.vdf lists.
steam_libraries() {
  for root in "$HOME/.steam/steam" "$HOME/.steam/root" "$data_home/Steam" \
              "$HOME/.var/app/com.valvesoftware.Steam/.local/share/Steam" \
              "$HOME/.var/app/com.valvesoftware.Steam/data/Steam"; do
    [ -d "$root" ] || continue
    printf '%s\n' "$root"
    for vdf in "$root/steamapps/libraryfolders.vdf" "$root/config/libraryfolders.vdf"; do
      [ -f "$vdf" ] && [ -r "$vdf" ] && sed -n 's/^[[:space:]]*"path"[[:space:]]*"\(.*\)"[[:space:]]*$/\1/p' "$vdf"
    done
  done
}
steam_library() {
  library=$(real_path "$1") || return
  case $nl$steam_seen in *"$nl$library$nl"*) return ;; esac
  steam_seen=$steam_seen$library$nl
  for dir in "$library/steamapps/compatdata/"*/pfx; do candidate "$dir"; done
  looked "$(tilde "$library")/steamapps/compatdata/*/pfx"
}

find_candidates() {
  [ -n "${WINEPREFIX:-}" ] && { candidate "$WINEPREFIX"; looked "\$WINEPREFIX ($WINEPREFIX)"; }
  candidate "$HOME/.wine"; looked "$(tilde "$HOME/.wine")"
  find_lutris
  for dir in "$data_home/bottles/bottles/"* "$HOME/.var/app/com.usebottles.bottles/data/bottles/bottles/"*; do
    candidate "$dir"
  done
  looked "$(tilde "$data_home/bottles/bottles")/* and $(tilde "$HOME/.var/app/com.usebottles.bottles/data/bottles/bottles")/*"
  steam_seen=''
  for_each_line steam_library "$(steam_libraries)"
  [ -n "$steam_seen" ] || looked "no Steam library (~/.steam/steam, ~/.local/share/Steam or Flatpak's)"
  for dir in "$HOME/.PlayOnLinux/wineprefix/"* "$HOME/Library/PlayOnMac/wineprefix/"*; do candidate "$dir"; done
  looked "$(tilde "$HOME/.PlayOnLinux/wineprefix")/* and $(tilde "$HOME/Library/PlayOnMac/wineprefix")/*"
  for dir in "$HOME/.cxoffice/"* "$HOME/Library/Application Support/CrossOver/Bottles/"*; do candidate "$dir"; done
  looked "$(tilde "$HOME/.cxoffice")/* and $(tilde "$HOME/Library/Application Support/CrossOver/Bottles")/*"
}

# Checks folder $1: passes over in silence what is no Wine prefix (a game's
# own folder in ~/Games, a glob that matched nothing), reports in one line
# each what cannot be read, and sorts the prefixes by what their registry
# holds.
examine() {
  if [ -L "$1" ] && [ ! -e "$1" ]; then say "skipped $1: a broken link (to $(readlink -- "$1"))"; return; fi
  [ -d "$1" ] || return
  if [ ! -r "$1" ] || [ ! -x "$1" ]; then say "skipped $1: cannot read this folder"; return; fi
  if [ -L "$1/system.reg" ] && [ ! -e "$1/system.reg" ]; then say "skipped $1: its system.reg is a broken link"; return; fi
  [ -e "$1/system.reg" ] || return
  if [ ! -f "$1/system.reg" ] || [ ! -r "$1/system.reg" ]; then say "skipped $1: cannot read its system.reg"; return; fi
  real=$(real_path "$1") || { say "skipped $1: cannot read this folder"; return; }
  case $nl$seen in *"$nl$real$nl"*) return ;; esac
  seen=$seen$real$nl
  folder=$(game_folder "$real")
  case $? in
    0) found=$found$real$us$folder$nl ;;
    2) say "$real: the game's key is only in the 64-bit view of the registry, which the program (32-bit) does not read"
       only64=$only64$real$nl
       [ -n "$view64_fix" ] || view64_fix=$real$us$folder ;;
    3) say "$real: the game's key holds no folder (no value Location)"
       keyless=$keyless$real$nl ;;
    *) keyless=$keyless$real$nl ;;
  esac
}

# --- Telling the player ------------------------------------------------------

# The one command that points the game's key at folder $2 of prefix $1 (a
# stand-in prefix and folder when they are not known).
fix_command() {
  view=''
  if [ -n "$1" ]; then
    choose_wine "$1"
    is_64bit "$1" && view=' /reg:32'
    run="WINEPREFIX=$(quote "$1") $(quote "$wine_cmd")"
    [ -n "$bottle" ] && run="$(quote "$wine_cmd") --bottle $(quote "$bottle")"
    [ "$wine_cmd" = wine ] && run="WINEPREFIX=$(quote "$1") wine"
  else
    run='WINEPREFIX=/path/to/the/game/prefix wine'
  fi
  printf '  %s reg add %s /v Location /d %s /f%s\n' "$run" "$(quote "HKLM\\$key_path")" "$(quote "$2")" "$view" >&2
  [ -n "$1" ] || printf '  (with /reg:32 at the end when the prefix is 64-bit, as Proton and most Lutris prefixes are)\n' >&2
}

# Where to point the key: a prefix that has the game's program in it, else
# the one prefix found, else stand-ins.
explain_none() {
  say "found no Wine prefix whose registry holds the game's folder"
  say "(HKEY_LOCAL_MACHINE\\$key_path, value Location, which the game's installer writes)."
  printf 'Looked in:\n%s' "$places" >&2
  [ -z "$keyless$only64" ] || printf 'Wine prefixes found without it:\n%s' "$(printf '%s' "$keyless$only64" | sed 's/^/  /')$nl" >&2
  target=${view64_fix%%"$us"*} target_folder=${view64_fix#*"$us"}
  for_each_line find_game_exe "$keyless"
  if [ -z "$target" ] && [ "$(printf '%s' "$keyless$only64" | awk 'END { print NR }')" = 1 ]; then
    target=${keyless%"$nl"}${only64%"$nl"}
  fi
  printf 'To point the key at the game'"'"'s folder (as Wine names it: C: is the prefix'"'"'s drive_c), run\n' >&2
  fix_command "$target" "${target_folder:-C:\\Games\\CM 01-02}"
  printf 'and start %s again.\n' "$me" >&2
}
find_game_exe() {
  [ -z "$target" ] || return
  target_folder=$(game_exe_folder "$1") && target=$1
}

# Record number $1 of the found prefixes: sets prefix and folder.
pick() {
  record=$(printf '%s' "$found" | sed -n "$1p")
  prefix=${record%%"$us"*} folder=${record#*"$us"}
}
count_found() { printf '%s' "$found" | awk 'END { print NR }'; }

list_found() {
  n=1 count=$(count_found)
  while [ "$n" -le "$count" ]; do
    pick "$n"
    if [ "$1" = list ]; then printf '%s\t%s\n' "$prefix" "$folder"
    else printf '  %s) %s  (game folder %s)\n' "$n" "$prefix" "$folder" >&2; fi
    n=$((n + 1))
  done
}

# A numbered question on a terminal; without one, the list and how to choose.
choose_found() {
  count=$(count_found)
  if [ ! -t 0 ]; then
    say "several Wine prefixes hold the game's folder:"
    list_found numbered
    die "choose one: $me --prefix DIR"
  fi
  say "several Wine prefixes hold the game's folder:"
  list_found numbered
  while :; do
    printf 'Start Kernwell.exe in which one? [1-%s, q to quit] ' "$count" >&2
    IFS= read -r answer || { printf '\n' >&2; die "nothing started"; }
    case $answer in
      q|Q) die "nothing started" ;;
      ''|*[!0-9]*) ;;
      *) [ "$answer" -ge 1 ] 2>/dev/null && [ "$answer" -le "$count" ] 2>/dev/null && break ;;
    esac
    say "answer a number from 1 to $count, or q"
  done
  pick "$answer"
}

# --- Starting the program ------------------------------------------------------

# Starts the program in prefix $1 (game folder $2) and does not return. Wine
# and a display are checked first, so that a start never fails half way.
start_in() {
  choose_wine "$1"
  [ -z "$wine_missing" ] || say "the Wine that made this prefix is not there ($wine_missing); using wine from PATH"
  if [ "$wine_cmd" = wine ] && ! command -v wine >/dev/null 2>&1; then
    die "wine is not installed (no wine on PATH): install Wine (e.g. apt install wine), then start $me again"
  fi
  if [ "$(uname -s)" != Darwin ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    die "no display (DISPLAY is not set): start $me from a desktop session"
  fi
  say "starting Kernwell.exe in $1${2:+ (game folder $2)}"
  WINEDEBUG=${WINEDEBUG:--all}
  export WINEDEBUG
  unset WINEARCH  # the prefix knows its own; a different one only fails
  [ -n "$bottle" ] && exec "$wine_cmd" --bottle "$bottle" "$exe"
  WINEPREFIX=$1
  export WINEPREFIX
  exec "$wine_cmd" "$exe"
}

# --prefix DIR: that prefix, when it is one; without the game's key the
# program starts all the same (it will say the game is not installed).
start_forced() {
  if [ -L "$1" ] && [ ! -e "$1" ]; then die "$1 is a broken link (to $(readlink -- "$1"))"; fi
  [ -d "$1" ] || die "there is no folder $1"
  { [ -r "$1" ] && [ -x "$1" ]; } || die "cannot read the folder $1"
  { [ -f "$1/system.reg" ] && [ -r "$1/system.reg" ]; } ||
    die "$1 is not a Wine prefix (it has no readable system.reg); $me never makes one"
  find_lutris  # which runner a Lutris prefix uses
  real=$(real_path "$1") || die "cannot read the folder $1"
  folder=$(game_folder "$real")
  case $? in
    0) ;;
    2) say "the game's key is only in the 64-bit view of this prefix's registry; to point the 32-bit view at the game's folder:"
       fix_command "$real" "${folder:-C:\\Games\\CM 01-02}"
       folder='' ;;
    *) say "this prefix's registry does not hold the game's folder; the program will say the game is not installed. To point it at the game's folder:"
       fix_command "$real" 'C:\Games\CM 01-02' ;;
  esac
  start_in "$real" "$folder"
}

main() {
  mode=start forced=''
  while [ $# -gt 0 ]; do
    case $1 in
      -h|--help) usage; exit 0 ;;
      --list) mode=list ;;
      --prefix) [ $# -ge 2 ] || usage_error "--prefix needs a folder"; forced=$2; shift ;;
      --prefix=*) forced=${1#--prefix=} ;;
      *) usage_error "unknown option: $1" ;;
    esac
    shift
  done
  [ "$mode" = start ] || [ -z "$forced" ] || usage_error "--list and --prefix go one at a time"
  [ -n "${HOME:-}" ] || die "HOME is not set"
  if [ "$mode" = start ]; then
    exe=$(script_folder)/Kernwell.exe
    [ -f "$exe" ] || die "Kernwell.exe is not beside this script ($(script_folder)): unpack the whole release into one folder"
  fi
  [ -z "$forced" ] || start_forced "$forced"

  find_candidates
  for_each_line examine "$candidates"
  count=$(count_found)
  if [ "$count" -eq 0 ]; then explain_none; exit 1; fi
  if [ "$mode" = list ]; then list_found list; exit 0; fi
  if [ "$count" -eq 1 ]; then pick 1; else choose_found; fi
  start_in "$prefix" "$folder"
}

main "$@"
