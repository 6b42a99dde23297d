#!/usr/bin/env bash
# Starts the real Velomark, the Linux build or the Windows build under Wine,
# in an empty data folder on a private X display with a window manager, and
# drives it as a player would, by mouse and keyboard (xdotool): INITIALISE !
# of the Standard circuits, the GP2 directory set, Interlagos opened, a Race
# time typed, IMPORT of a qualifying hot lap through hof.bat, velobat and
# hof2lap, INSERT, SAVE, and the program closed. Then set1.dat and
# history.csv (its dates left out) must equal the files in EXPECTED byte for
# byte, the same files for both builds.
#
#   drive-real-program.sh PROGRAM WRITE_HOTLAP EXPECTED [RUNNER]
#
# RUNNER (the Windows build's wine-run.sh) runs the programs; the GP2
# directory is then typed as Windows names it.
set -euo pipefail
program=$(readlink -f "$1") write_hotlap=$(readlink -f "$2") expected=$(readlink -f "$3")
run=()
[ $# -ge 4 ] && run=("$(readlink -f "$4")")

work=$(mktemp -d "${TMPDIR:-/tmp}/velomark-drive-XXXXXX")
cleanup() {
    # The Wine session ends while the display it may hold is still there.
    [ ${#run[@]} -eq 0 ] || "${run[@]}" --end-session
    kill ${pid:-} ${wm:-} ${xvfb:-} 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/data" "$work/GP2/gpsaves" "$work/runtime"
chmod 700 "$work/runtime"
# A lock of its own, whatever else of Velomark's runs on this machine.
export XDG_RUNTIME_DIR=$work/runtime
# A display of its own: Xvfb picks a free number and says which.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$work/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"${run[@]}" "$write_hotlap" "$work/GP2/gpsaves/AHOT.HL"
# The window manager says it runs before it takes every window it is given
# (a window shown in that moment is never managed, and then never made
# active): the program starts once openbox runs its startup command, which
# it does when it is whole, however loaded the machine is.
openbox --sm-disable --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 & wm=$!
for _ in $(seq 300); do [ -e "$work/wm-ready" ] && break; sleep 0.1; done
[ -e "$work/wm-ready" ] || { echo "openbox did not start:" >&2; cat "$work/openbox.log" >&2; exit 1; }
sleep 0.5

shots=0
step() {
    printf '  %s\n' "$*"
    if [ -n "${VELOMARK_DRIVE_SHOTS:-}" ]; then
        import -window root "$VELOMARK_DRIVE_SHOTS/step$((++shots)).png" 2>/dev/null || true
    fi
}
# The id of the visible window whose title is TITLE, once it shows.
window() {
    local id
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { sleep 0.5; echo "$id"; return 0; }
        sleep 0.1
    done
    import -window root "${TMPDIR:-/tmp}/velomark-drive-failed.png" 2>/dev/null || true
    echo "no window \"$1\" showed (the screen: ${TMPDIR:-/tmp}/velomark-drive-failed.png);" \
        "the program ($(kill -0 "$pid" 2>/dev/null && echo running || echo ended)) said:" >&2
    cat "$work/program.log" >&2
    ls -la "$work/data" >&2
    return 1
}
gone() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echo "the window \"$1\" stayed" >&2
    return 1
}
# Clicks at x,y in the client area of window id (the windows' own pixels).
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
# Makes window id the active one, as a click on its title would.
activate() {
    for _ in $(seq 20); do
        xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
        sleep 0.3
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
    done
    echo "the window $1 could not be made active" >&2
    return 1
}

gp2=$work/GP2
# The real windows on the X display, whatever the tests around ask for.
export QT_QPA_PLATFORM=xcb
if [ ${#run[@]} -gt 0 ]; then
    gp2="Z:${gp2//\//\\}"
    export QT_QPA_PLATFORM=windows
fi
(cd "$work/data" && exec "${run[@]}" "$program" >"$work/program.log" 2>&1) & pid=$!

step "INITIALISE ! of the Standard circuits"
main=$(window "GP2 Velomark V1.5      by Velomark Developers")
click "$main" 56 208
init=$(window "Initialise Datafiles")
click "$init" 26 26     # Standard GP2 Circuits
click "$init" 220 52    # Do it !
activate "$(window "Datafile Initialisation")" && keys Return # Yes
activate "$(window "Datafile Initialised")" && keys Return
gone "Initialise Datafiles"

step "the GP2 directory"
click "$main" 56 208
init=$(window "Initialise Datafiles")
click "$init" 84 154
xdotool type --delay 40 "$gp2"
click "$init" 212 154   # Set GP2 path
gone "Initialise Datafiles"

step "Interlagos: a Race time, then IMPORT"
click "$main" 168 64
editor=$(window "Lap Time Data")
activate "$editor"
# From QuickRace's lap time, where the editor opens, back round to Race's lap
# time (forward, leaving an empty +2nd split would call for a correction).
keys $(printf 'shift+Tab %.0s' $(seq 9))
xdotool type --delay 60 "1.40.5"
keys $(printf 'Tab %.0s' $(seq 7)) space # IMPORT
activate "$(window "Import Hotlap from GP2")"
keys space              # the hot lap, chosen in the list: hof2lap reads it
# The import's working files go once the dump is read.
sleep 1
for _ in $(seq 600); do
    compgen -G "$work/data/[hHfF][oOlL][fFaA]*" >/dev/null || break
    sleep 0.1
done
sleep 0.5
keys Tab space          # INSERT
gone "Import Hotlap from GP2"
step "SAVE, CLOSE and the end"
activate "$editor"       # the editor active again completes the 3rd split
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space # SAVE
sleep 1
keys Tab space          # CLOSE
gone "Lap Time Data"
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done

# The rows' dates are the day's: everything else must match.
sed -E 's/^"[0-9]{4}-[0-9]{2}-[0-9]{2}T[^"]*"/"DATE"/' "$work/data/history.csv" >"$work/history.csv"
status=0
for file in set1.dat history.csv; do
    got=$work/data/$file
    [ "$file" = history.csv ] && got=$work/history.csv
    if cmp -s "$got" "$expected/$file"; then
        step "$file as expected"
    else
        echo "$file differs from $expected/$file:" >&2
        diff <(od -c "$expected/$file") <(od -c "$got") | head -n 20 >&2 || true
        status=1
    fi
done
exit $status
