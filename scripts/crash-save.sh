#!/usr/bin/env bash
# Kills a loop of lap record saves with SIGKILL at random instants and checks
# after every kill that set1.dat holds exactly the old or the new content,
# whole, that the killed copy left no lock behind, and that once what the
# killed save left is completed (as opening the circuit does) the history
# holds one row for every stored change, no more. Run by hand, not by CI.
#
# Usage: scripts/crash-save.sh [KILLS] [DRIVER]
#   KILLS   how many times the saving loop is started and killed (default 300)
#   DRIVER  the crash_save_driver program (default build/bench/bin/crash_save_driver,
#           built by the bench preset)
# The files live in a fresh directory under TMPDIR, which should be on a real
# disk. A kill stops the process, not the machine: this shows that no instant
# of a save leaves a torn or missing file, not what a power cut would do.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kills=${1:-300}
driver=${2:-$repo/build/bench/bin/crash_save_driver}

die() { echo "crash-save: $*" >&2; exit 1; }
[[ $kills =~ ^[1-9][0-9]*$ ]] || die "KILLS must be a positive whole number, not '$kills'"
[[ -x $driver ]] || die "no driver at $driver (cmake --preset bench && cmake --build build/bench --target crash_save_driver)"

dir=$(mktemp -d "${TMPDIR:-/tmp}/velomark-crash-XXXXXX")
torn=0
# The folder stays when a torn file was found, with each one kept in it.
trap '[[ $torn -gt 0 ]] || rm -rf "$dir"' EXIT
"$driver" "$dir" init

old=0 new=0 scratch=0 completed=0
for ((i = 1; i <= kills; i++)); do
    "$driver" "$dir" run &
    pid=$!
    sleep "0.0$((RANDOM % 10))$((RANDOM % 10))" # 0 to 99 ms
    kill -KILL "$pid" 2>/dev/null || true
    status=0
    wait "$pid" 2>/dev/null || status=$?
    # 137 is death by SIGKILL; anything else is the driver ending by itself:
    # a failed save (2) or a lock still held by a killed copy (3).
    [[ $status -eq 137 ]] || die "kill $i: the driver ended by itself with status $status"
    if cmp -s "$dir/set1.dat" "$dir/expect-a.dat"; then
        old=$((old + 1))
    elif cmp -s "$dir/set1.dat" "$dir/expect-b.dat"; then
        new=$((new + 1))
    else
        torn=$((torn + 1))
        cp "$dir/set1.dat" "$dir/torn-$i.dat" 2>/dev/null || true
    fi
    [[ -e $dir/temp.dat ]] && scratch=$((scratch + 1)) # the next save removes it
    said=$("$driver" "$dir" check) || die "kill $i: the history does not agree with set1.dat"
    [[ $said == completed ]] && completed=$((completed + 1))
done

echo "crash-save: $kills kills: set1.dat whole $((old + new)) times ($old one content," \
    "$new the other), torn or missing $torn times; a scratch temp.dat was left $scratch times;" \
    "a save stopped between its writes was completed $completed times, the history agreeing every time"
[[ $torn -eq 0 ]] || die "the torn files are kept in $dir"
