#!/usr/bin/env bash
# Remakes the README's screenshots: docs/main-window.png,
# docs/editor-differences.png (the editor while a mouse button is held on its
# "+/-" label), docs/progress.png (the progress chart of a year of made-up
# history) and docs/bests-board.png (the bests board), then the main window
# and the editor again on a dark desktop (GTK's Adwaita dark theme through
# Qt's GTK platform theme): docs/main-window-dark.png and
# docs/editor-differences-dark.png, and the main window and the editor in
# German: docs/main-window-de.png and docs/editor-de.png. Builds
# velomark, writes made-up lap times into a temporary data folder, starts the
# real program under a private Xvfb and drives it with xdotool; ImageMagick's
# import takes the pictures.
#
#   scripts/screenshots.sh [OUT-DIR]     (default: docs)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$top/docs}" && cd "${1:-$top/docs}" && pwd)

"$top/scripts/install-deps" imagemagick qt6-gtk-platformtheme
(cd "$top" && cmake --preset default >/dev/null)
cmake --build "$top/build/default" --target velomark velomark_translations
program=$top/build/default/bin/velomark

scratch=$(mktemp -d "${TMPDIR:-/tmp}/velomark-shots.XXXXXX")
xvfb_pid=
app_pid=
cleanup() {
    [[ -n $app_pid ]] && kill -- "-$app_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
die() { echo "screenshots: $*" >&2; exit 1; }

# The data folder, in the files' own format: comma-separated double-quoted
# fields, CR LF line ends, 16 records of 20 fields per lap record file.
data=$scratch/data
mkdir -p "$data" "$scratch/gp2/gpsaves"
crlf() { printf '%s\r\n' "$@"; }
blank='"","","","","","","","","","","","","","","","","","","",""'
record() { # QuickRace lap, setup; Practice lap, 1st, +2nd, 3rd, setup; Qualifying the same; Race lap, setup
    printf '"%s","","","","%s","%s","%s","%s","%s","%s","%s","%s","%s","%s","%s","%s","","","","%s"' "$@"
}
{
    crlf "$(record 1.19.842 qr-dry.set 1.18.905 22.418 49.731 29.174 interlagos-p.set \
        1.18.412 22.506 49.387 29.025 interlagos-q.set 1.20.133 race-wet.set)"
    crlf "$(record 1.25.310 aida.set 1.24.877 31.204 58.116 26.761 aida-p.set \
        1.24.301 31.022 57.845 26.456 aida-q.set 1.26.004 aida-r.set)"
    crlf "$(record 1.28.950 imola.set 1.28.402 30.117 1.00.215 28.187 imola-p.set \
        "" "" "" "" "" 1.29.660 imola-r.set)"
    for _ in $(seq 13); do crlf "$blank"; done
} >"$data/set1.dat"
for set in set2.dat set3.dat; do
    for _ in $(seq 16); do crlf "$blank"; done >"$data/$set"
done
crlf ',,,,,,,,,,,,,,,' >"$data/custom"

# A year of Interlagos saves, each session closing in on the best stored above
# (with the odd slower lap a player stored anyway), in history.csv's dialect.
{
    crlf '"Date","Trackset","Circuit","Circuit name","Session","Lap time","1st split","+2nd split","3rd split","Setup"'
    awk 'BEGIN {
        split("QuickRace Practice Qualifying Race", name, " ")
        split("79.842 78.905 78.412 80.133", best, " ")
        split("2.9 3.4 3.1 2.6", gain, " ")
        for (s = 1; s <= 4; s++)
            for (k = 0; k < 12; k++) {
                month = k + 1; day = 3 + (s * 5 + k * 7) % 24
                t = best[s] + gain[s] * (11 - k) / 11 + (k % 4 == 2 ? 0.35 : 0)
                if (k == 11) t = best[s]
                printf "\"2025-%02d-%02dT%02d:%02d:00+01:00\",\"Standard\",\"1\",\"Interlagos - Brazil\",\"%s\",\"%d.%06.3f\",\"\",\"\",\"\",\"%s-%d.set\"\r\n",
                    month, day, 18 + s, (k * 13) % 60, name[s], int(t / 60), t - 60 * int(t / 60), tolower(substr(name[s], 1, 1)), k
            }
    }' | sort
} >"$data/history.csv"
crlf "\"$scratch/gp2\"" >"$data/gp2path"

# A display nobody uses.
for ((n = 90; n < 200; n++)); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || { display=:$n; break; }
done
[[ -n ${display:-} ]] || die "no free X display"
export DISPLAY=$display
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getmouselocation >/dev/null 2>&1 || die "Xvfb did not start: $(cat "$scratch/xvfb.log")"

# The id of the visible window whose title starts with $1, waited for.
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -1) || true
        [[ -n $id ]] && { echo "$id"; return; }
        sleep 0.1
    done
    die "no window '$1' appeared"
}
# Without the date chunks, a remade picture of the same window is the same file.
shoot() { sleep 0.5; import -window "$1" -define png:exclude-chunks=date,time "$2"; echo "$2"; }

mkdir -m 0700 "$scratch/runtime"
# Starts Velomark in the data folder, with the environment given, and stops it.
start_velomark() {
    (cd "$data" && exec env XDG_RUNTIME_DIR="$scratch/runtime" "$@" setsid "$program") \
        >"$scratch/run.log" 2>&1 &
    app_pid=$!
}
stop_velomark() {
    kill -- "-$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=
}
# Shoots the main window as $1, then opens circuit 1 in the editor, whose
# caption is $2 (by default the English one).
main_then_editor() {
    main=$(window_named "GP2 Velomark")
    shoot "$main" "$1"
    # Circuit button 1 (Interlagos) stands at 120, 48 and is 113 x 33 pixels.
    xdotool mousemove --window "$main" 176 64 click 1
    editor=$(window_named "${2:-Lap Time Data}")
    sleep 0.5
    # From the first field back to PROGRESS, so no blinking text cursor is in the picture.
    xdotool key shift+Tab
}
# Shoots the editor as $1 while the left button is held on its "+/-" label.
hold_differences() {
    xdotool mousemove --window "$editor" "$((label_x - 3))" "$label_y" mousedown 1
    shoot "$editor" "$1"
    xdotool mouseup 1
}

start_velomark
main_then_editor "$out/main-window.png"

# The "+/-" label: find its text in the editor's picture. It stands in the
# Notes column, the rightmost, between the Practice and Qualifying rows; its
# dark pixels are the only ones in that column between the two rows' fields.
import -window "$editor" "$scratch/editor.png"
read -r width height < <(identify -format '%w %h\n' "$scratch/editor.png")
# Text fields are white boxes: the rows of the rightmost column that are white
# near the right edge mark the four rows' Notes fields.
probe=$((width - 20))
mapfile -t white < <(convert "$scratch/editor.png" -crop "1x${height}+${probe}+0" +repage \
    -depth 8 txt:- | awk -F'[,: ]+' '/#FFFFFF/ {print $2}')
[[ ${#white[@]} -gt 0 ]] || die "no text field found in the editor's picture"
# Group the white rows into boxes; keep each box's top and bottom.
boxes=()
start=${white[0]}
prev=$start
for y in "${white[@]:1}"; do
    if ((y != prev + 1)); then boxes+=("$start $prev"); start=$y; fi
    prev=$y
done
boxes+=("$start $prev")
((${#boxes[@]} >= 3)) || die "expected four Notes fields, found ${#boxes[@]}"
read -r _ practice_bottom <<<"${boxes[1]}"
read -r qualifying_top _ <<<"${boxes[2]}"
label_y=$(((practice_bottom + qualifying_top) / 2))
# Across that row, the label's text is the dark run nearest the right edge.
label_x=$(convert "$scratch/editor.png" -crop "${width}x1+0+${label_y}" +repage -depth 8 txt:- |
    awk -F'[,: ]+' '/#[0-3][0-9A-F][0-3][0-9A-F][0-3][0-9A-F] / {x = $1} END {print x}')
[[ -n $label_x ]] || die "no '+/-' label found between the Practice and Qualifying rows"

hold_differences "$out/editor-differences.png"

# PROGRESS has the focus: Space opens the chart of Interlagos's history.
xdotool key --window "$editor" space
progress=$(window_named "Progress - Interlagos")
shoot "$progress" "$out/progress.png"

# The editor is modal: a fresh start for the board. The Bests button stands
# at 16, 71 and is 81 x 16 pixels.
stop_velomark
start_velomark
main=$(window_named "GP2 Velomark")
xdotool mousemove --window "$main" 56 79 click 1
board=$(window_named "Bests board")
shoot "$board" "$out/bests-board.png"

# The dark desktop: GTK's Adwaita dark theme, in the font the pictures above
# were taken with, so the editor's "+/-" label stands where it stood.
stop_velomark
mkdir -p "$scratch/config/gtk-3.0"
printf '[Settings]\ngtk-font-name=Sans 9\n' >"$scratch/config/gtk-3.0/settings.ini"
start_velomark XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
main_then_editor "$out/main-window-dark.png"
hold_differences "$out/editor-differences-dark.png"

# German, for the README's section on languages: the main window and the
# editor, whose caption is looked up in the German translation.
stop_velomark
start_velomark LANGUAGE=de LANG=de_DE.UTF-8
caption=$(python3 -c 'import sys, xml.etree.ElementTree as E
for m in E.parse(sys.argv[1]).iter("message"):
    if m.findtext("source") == "Lap Time Data": print(m.findtext("translation")); break' \
    "$top/translations/velomark_de.ts")
main_then_editor "$out/main-window-de.png" "$caption"
shoot "$editor" "$out/editor-de.png"
