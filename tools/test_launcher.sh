#!/bin/sh
# Tests launcher/glyphwright.sh on fake Wine prefixes in a temporary HOME,
# laid out as Wine, Lutris, Bottles, Steam, PlayOnLinux and CrossOver lay
# them out, with fake Wines that record what they were asked to run instead
# of running. Real Wine is never on the PATH. Prints each failed check and
# exits 1 on any; `make test` runs it.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(cd "$(mktemp -d)" && pwd -P)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
release=$work/release tools=$work/tools record=$work/record failed=0
path=$work/bin:$tools display=:99 as_user=''
mkdir -p "$release" "$tools" "$work/bin"
cp "$root/launcher/glyphwright.sh" "$release/" && : >"$release/Kernwell.exe"
# What the launcher runs, without wine.
for tool in sh sed awk grep head tail find readlink dirname uname tr; do ln -s "$(command -v $tool)" "$tools/$tool"; done

fail() { echo "FAIL ($case): $*"; failed=1; }

# A Wine that records its path, WINEPREFIX, WINEDEBUG and arguments.
# shellcheck disable=SC2016  # expanded by the fake Wine, not here
fake_wine() {
  mkdir -p "${1%/*}"
  printf '#!/bin/sh\nprintf "%%s\\n" "$0" "WINEPREFIX=${WINEPREFIX:-}" "WINEDEBUG=${WINEDEBUG:-}" "$@" >"%s"\n' \
    "$record" >"$1"
  chmod +x "$1"
}

# A prefix whose system.reg holds the game's key in VIEW: 32 (32-bit prefix),
# wow (64-bit prefix, the 32-bit view), 64 (64-bit prefix, 64-bit view only)
# or none; FOLDER as Wine escapes it.
prefix() {
  dir=$1 view=$2 folder=${3:-'C:\\Games\\CM 01-02'} arch=win64
  mkdir -p "$dir/drive_c/windows"
  case $view in 32|none) arch=win32 ;; *) mkdir -p "$dir/drive_c/windows/syswow64" ;; esac
  node=''; [ "$view" = wow ] && node="Wow6432Node\\\\"
  { printf 'WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=%s\n\n' "$arch"
    printf '[Software\\\\Wine] 1700000000\n"Version"="win7"\n\n'
    [ "$view" = none ] ||
      printf '[Software\\\\%sSports Interactive Ltd\\\\Championship Manager 01-02] 1700000000\n#time=1\n"Location"="%s"\n\n' \
        "$node" "$folder"
  } >>"$dir/system.reg"
}

# Runs the launcher in HOME $home with a clean environment; stdout and
# stderr go to $work/out and $work/err. Expects exit status $1.
run() {
  want=$1; shift
  rm -f "$record"
  # shellcheck disable=SC2086  # $as_user is a command and its options
  env -i HOME="$home" PATH="$path" DISPLAY="$display" $as_user sh "$release/glyphwright.sh" "$@" \
    >"$work/out" 2>"$work/err" </dev/null
  status=$?
  [ "$status" = "$want" ] || fail "exit status $status, not $want; stderr: $(cat "$work/err")"
}
expect() { grep -qF -- "$2" "$work/$1" || fail "$1 lacks \"$2\": $(cat "$work/$1")"; }
# The Wine that ran, its WINEPREFIX, then its arguments, one a line.
expect_ran() {
  want=$(printf '%s\n' "$1" "WINEPREFIX=$2" "WINEDEBUG=-all"; shift 2; printf '%s\n' "$@" "$release/Kernwell.exe")
  [ "$(cat "$record" 2>/dev/null)" = "$want" ] || fail "ran: $(cat "$record" 2>/dev/null || echo nothing); wanted: $want"
}
expect_no_run() { [ ! -e "$record" ] || fail "a Wine ran: $(cat "$record")"; }

# --- Homes: a prefix of each launcher; one prefix; none with the key --------
home=$work/several
fake_wine "$work/bin/wine"
lutris="$home/Games/cm 01-02 é"
prefix "$lutris" wow 'C:\\Games\\CM 01-02 \xe9t\xe9'
mkdir -p "$home/.config/lutris/games"
printf 'game:\n  exe: x.exe\n  prefix: %s\nwine:\n  version: lutris-7.2\n' "$lutris" >"$home/.config/lutris/games/cm.yml"
fake_wine "$home/.local/share/lutris/runners/wine/lutris-7.2/bin/wine"
prefix "$home/.wine" none
steam64=$home/.local/share/Steam/steamapps/compatdata/4000/pfx
prefix "$steam64" 64
printf '"libraryfolders"\n{\n\t"1"\n\t{\n\t\t"path"\t\t"%s"\n\t}\n}\n' "$work/lib2" \
  >"$home/.local/share/Steam/steamapps/libraryfolders.vdf"
steam=$work/lib2/steamapps/compatdata/5000/pfx proton="$work/lib2/steamapps/common/Proton 8.0/files"
prefix "$steam" wow 'D:\\CM0102'
printf '8.0-5\n%s/share/fonts/\n%s/lib/\n' "$proton" "$proton" >"${steam%/pfx}/config_info"
fake_wine "$proton/bin/wine"
prefix "$home/.local/share/bottles/bottles/Empty" none
pol=$home/.PlayOnLinux/wineprefix/big
mkdir -p "$pol" && yes '"Value"="C:\\windows\\system32\\some.dll"' | head -c 100000000 >"$pol/system.reg"
prefix "$pol" 32 'E:\\Games\\CM'  # the key after 100 MB
printf 'ARCH=x86\nVERSION=4.0\n' >"$pol/playonlinux.cfg"
fake_wine "$home/.PlayOnLinux/wine/linux-x86/4.0/bin/wine"
cx="$home/.cxoffice/CM Bottle"
prefix "$cx" 32 && : >"$cx/cxbottle.conf"
fake_wine "$home/cxoffice/bin/wine"
ln -s "$work/missing" "$home/Games/gone"
prefix "$work/locked/.wine" 32 && prefix "$work/locked/Games/locked" 32 && chmod 000 "$work/locked/Games/locked"
prefix "$work/one/.wine" 32
prefix "$work/none/.wine" none
mkdir -p "$work/none/.wine/drive_c/Games/CM 01-02 é" && : >"$work/none/.wine/drive_c/Games/CM 01-02 é/CM0102.EXE"
touch "$work/stamp"

case='--list'
start=$(date +%s)
run 0 --list
[ $(($(date +%s) - start)) -le 5 ] || fail "took over 5 s with a 100 MB system.reg"
printf '%s\t%s\n' "$lutris" 'C:\Games\CM 01-02 été' "$steam" 'D:\CM0102' "$pol" 'E:\Games\CM' "$cx" 'C:\Games\CM 01-02' \
  >"$work/want"
cmp -s "$work/out" "$work/want" || fail "listed: $(cat "$work/out")"
expect err "skipped $home/Games/gone: a broken link"
expect err "compatdata/4000/pfx: the game's key is only in the 64-bit view"
expect_no_run
case='several, no terminal'
run 1
expect err 'choose one: glyphwright.sh --prefix DIR'
expect_no_run
case='several, a terminal'
if command -v script >/dev/null; then
  printf 'x\n2\n' | env -i HOME="$home" PATH="$path" DISPLAY=:99 \
    "$(command -v script)" -qec "sh '$release/glyphwright.sh'" /dev/null >"$work/out" 2>&1
  expect out 'answer a number from 1 to 4'
  expect_ran "$proton/bin/wine" "$steam"
fi
case='--prefix, the Wine of each launcher'
run 0 --prefix "$lutris" && expect_ran "$home/.local/share/lutris/runners/wine/lutris-7.2/bin/wine" "$lutris"
run 0 --prefix "$pol" && expect_ran "$home/.PlayOnLinux/wine/linux-x86/4.0/bin/wine" "$pol"
run 0 --prefix "$cx" && expect_ran "$home/cxoffice/bin/wine" '' --bottle 'CM Bottle'
run 0 --prefix "$steam64" && expect err '/f /reg:32'
case='--prefix, not a prefix'
for bad in "$work/nothing" "$home/Games" "$home/Games/gone"; do run 1 --prefix "$bad"; expect_no_run; done
case='unreadable prefix'
home=$work/locked
# root reads every folder: the check runs as nobody then.
[ "$(id -u)" != 0 ] || as_user="$(command -v setpriv) --reuid=65534 --regid=65534 --clear-groups"
run 0 --list && expect err 'locked: cannot read this folder' && expect out "$home/.wine"
as_user=''

home=$work/one
case='one prefix'
run 0 && expect_ran "$work/bin/wine" "$home/.wine"
case='no wine'
path=$tools
run 1 && expect err 'wine is not installed'
path=$work/bin:$tools display=''
case='no display'
run 1 && expect err 'no display'
expect_no_run

home=$work/none display=:99
case='no key'
run 1
expect err "Games/* and the prefixes named in Lutris' game settings"
expect err "WINEPREFIX='$home/.wine' wine reg add 'HKLM\\Software\\Sports Interactive Ltd\\Championship Manager 01-02' /v Location /d 'C:\\Games\\CM 01-02 é' /f"
expect_no_run

case='nothing written'
changed=$(find "$work" -mindepth 1 -newer "$work/stamp" ! -name out ! -name err ! -name want ! -name record)
[ -z "$changed" ] || fail "written: $changed"
[ "$failed" = 0 ] && echo "test_launcher: all checks passed"
exit "$failed"
