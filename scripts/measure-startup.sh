#!/usr/bin/env bash
# Measures how long velomark takes from process start until its main window is
# mapped (the X server's MapNotify, watched by xev), under a private Xvfb, and prints every run and the median in ms.
#
# Usage: scripts/measure-startup.sh [RUNS] [PROGRAM]
#   RUNS     measured runs (default 15); one unmeasured warm-up run goes first
#   PROGRAM  the velomark binary (default build/default/bin/velomark)
# Environment: STARTUP_DISPLAY (default: the first free from :97 up),
#              STARTUP_TIMEOUT seconds a run may take before it counts as failed (default 30).
#
# Each run starts in a fresh empty working directory with its own
# XDG_RUNTIME_DIR, so neither data files nor the single-instance lock of an
# earlier run can change what is measured. Needs Xvfb and xdotool; no root.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-15}
program=${2:-$repo/build/default/bin/velomark}
timeout_s=${STARTUP_TIMEOUT:-30}

die() { echo "measure-startup: $*" >&2; exit 1; }

[[ $runs =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive whole number, not '$runs'"
[[ -x $program ]] || die "no program at $program (build it: cmake --preset default && cmake --build build/default --target velomark)"
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
for tool in Xvfb xdotool xev stdbuf timeout setsid; do
    command -v "$tool" >/dev/null || die "$tool is not installed"
done

now_ns() { date +%s%N; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/velomark-startup.XXXXXX")
xvfb_pid=
app_pid=
xev_pid=

# TERM, then KILL if still there after 2 s. The program runs as the leader of
# its own process group, so whatever it started goes with it.
stop_pid() {
    local pid=$1 i
    [[ -n $pid ]] || return 0
    kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null || return 0
    for ((i = 0; i < 40; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    stop_pid "$app_pid"
    stop_pid "$xev_pid"
    stop_pid "$xvfb_pid"
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display nobody uses: no socket and no lock file.
if [[ -n ${STARTUP_DISPLAY:-} ]]; then
    display=$STARTUP_DISPLAY
else
    for ((n = 97; n < 200; n++)); do
        if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
            display=:$n
            break
        fi
    done
    [[ -n ${display:-} ]] || die "no free X display between :97 and :199"
fi

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
deadline=$(($(now_ns) + 10 * 1000000000))
until DISPLAY=$display timeout 2 xdotool getmouselocation >/dev/null 2>&1; do
    kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb did not start on $display: $(cat "$scratch/xvfb.log")"
    (($(now_ns) < deadline)) || die "Xvfb on $display did not answer within 10 s"
    sleep 0.05
done

# One run: sets elapsed_ms to the milliseconds until the main window is mapped,
# or fails. Not run in a subshell, so the exit trap can always stop the program.
measure_once() {
    local run=$1 work runtime start found=
    work=$(mktemp -d "$scratch/work.XXXXXX")
    runtime=$(mktemp -d "$scratch/runtime.XXXXXX")
    chmod 0700 "$runtime"

    # xev reports the map of the first top-level window the moment the X
    # server performs it; nothing polls, so the measurement takes no CPU from
    # the program being measured. The display is private, so the first map is ours.
    local events=$scratch/events$run
    mkfifo "$events"
    DISPLAY=$display stdbuf -oL xev -root -event substructure >"$events" 2>/dev/null &
    xev_pid=$!
    local fd
    exec {fd}<"$events"
    sleep 0.2 # let xev select its events before the program starts

    start=$(now_ns)
    (cd "$work" && DISPLAY=$display XDG_RUNTIME_DIR=$runtime exec setsid "$program") \
        >"$scratch/run$run.log" 2>&1 &
    app_pid=$!

    local line end
    while IFS= read -r -t "$timeout_s" line <&"$fd"; do
        if [[ $line == MapNotify* ]]; then
            end=$(now_ns)
            found=1
            break
        fi
    done
    exec {fd}<&-
    stop_pid "$xev_pid"
    xev_pid=

    stop_pid "$app_pid"
    app_pid=
    if [[ -z $found ]]; then
        echo "measure-startup: run $run: no window mapped within ${timeout_s} s" >&2
        sed 's/^/  | /' "$scratch/run$run.log" >&2
        return 1
    fi
    elapsed_ms=$(((end - start) / 1000000))
}

echo "program: $program"
echo "display: $display, runs: $runs (after one warm-up run)"
measure_once 0 || die "the warm-up run failed"
echo "warm-up: $elapsed_ms ms"

times=()
for ((i = 1; i <= runs; i++)); do
    measure_once "$i" || die "run $i failed"
    times+=("$elapsed_ms")
    echo "run $i: $elapsed_ms ms"
done

mapfile -t sorted < <(printf '%s\n' "${times[@]}" | sort -n)
mid=$((runs / 2))
if ((runs % 2)); then
    median=${sorted[mid]}
else
    median=$(((sorted[mid - 1] + sorted[mid]) / 2))
fi
echo "min: ${sorted[0]} ms, max: ${sorted[runs - 1]} ms"
echo "median: $median ms"
