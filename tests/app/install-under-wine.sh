#!/usr/bin/env bash
# The Windows installer as a player meets it, under Wine in a fresh prefix on
# an X display of its own: a silent install for the current user, the program
# started from the installed files alone (no DLL of the build's), its main
# window shown and kept as a picture, then a silent uninstall that takes away
# every file it put there and leaves the data folder and its lap times alone.
#
#   install-under-wine.sh SETUP_EXE STAGE_FILES PICTURE
#
# STAGE_FILES lists the files the installer holds (scripts/package-windows
# writes it); PICTURE is where the screenshot of the main window goes.
set -euo pipefail
setup=$(readlink -f "$1") files=$(readlink -f "$2") picture=$3
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(dirname "$wine")/wineserver

work=$(mktemp -d "${TMPDIR:-/tmp}/velomark-install-XXXXXX")
cleanup() {
    kill ${pid:-} ${wm:-} ${xvfb:-} 2>/dev/null || true
    WINEPREFIX=$work/prefix "$wineserver" -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
unset WINEPATH
fail() { echo "$*" >&2; exit 1; }
step() { printf '  %s\n' "$*"; }

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$work/display")
step "a fresh Wine prefix"
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" --wait 2>/dev/null || true
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x Public | head -n 1)
home=$WINEPREFIX/drive_c/users/$user
instdir=$home/AppData/Local/Programs/Velomark
data=$home/Documents/Velomark
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Velomark.lnk"

step "silent install"
"$wine" "$setup" /S
for _ in $(seq 300); do [ -f "$instdir/Uninstall Velomark.exe" ] && break; sleep 0.1; done
while read -r file; do
    [ -f "$instdir/$file" ] || fail "not installed: $file"
done <"$files"
[ -f "$shortcut" ] || fail "no Start-menu entry at $shortcut"
[ -d "$data" ] || fail "no data folder at $data"
printf 'lap times\r\n' >"$data/set1.dat"

step "the installed program, started in the data folder as its shortcut starts it"
# The program starts once openbox is whole (it runs its startup command then):
# a window shown before would never be managed.
openbox --sm-disable --startup "touch $work/wm-ready" >/dev/null 2>&1 & wm=$!
for _ in $(seq 300); do [ -e "$work/wm-ready" ] && break; sleep 0.1; done
[ -e "$work/wm-ready" ] || fail "openbox did not start"
sleep 0.5
(cd "$data" && exec "$wine" "$instdir/bin/velomark.exe" >"$work/program.log" 2>&1) & pid=$!
main=
for _ in $(seq 600); do
    main=$(xdotool search --onlyvisible --name '^GP2 Velomark V1\.5' 2>/dev/null | head -n 1) || true
    [ -n "$main" ] && break
    sleep 0.1
done
[ -n "$main" ] || { cat "$work/program.log" >&2; fail "the installed Velomark showed no main window"; }
sleep 1
import -window root "$picture"
step "its main window: $picture"
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Velomark did not end when its main window closed"
pid=

step "silent uninstall"
"$wine" "$instdir/Uninstall Velomark.exe" /S
# The uninstaller runs from a copy of itself, which goes on after it returns.
for _ in $(seq 300); do [ -e "$instdir" ] || break; sleep 0.1; done
"$wineserver" --wait 2>/dev/null || true
[ ! -e "$instdir" ] || fail "left in $instdir: $(cd "$instdir" && find . -mindepth 1 | head -n 5)"
[ ! -e "$shortcut" ] || fail "the Start-menu entry stayed"
[ "$(cat "$data/set1.dat")" = $'lap times\r' ] || fail "the data folder was touched"
step "every installed file gone, the data folder and its lap times kept"
