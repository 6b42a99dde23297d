#!/bin/sh
# Runs a command as the only client of a headless Weston of its own, in a
# runtime directory of its own, with Qt on its Wayland platform plugin.
#   run-under-weston.sh COMMAND [ARGS...]
set -eu
command -v weston >/dev/null || { echo "weston is missing; scripts/install-deps installs it" >&2; exit 1; }
runtime=$(mktemp -d "${TMPDIR:-/tmp}/velomark-wayland.XXXXXX")
chmod 700 "$runtime"
weston=
cleanup() {
    [ -n "$weston" ] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT INT TERM

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=wayland-test \
    --idle-time=0 --no-config >"$runtime/weston.log" 2>&1 &
weston=$!
# Weston makes its socket once it takes clients.
tries=0
until [ -S "$runtime/wayland-test" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 200 ] || ! kill -0 "$weston" 2>/dev/null; then
        echo "weston did not start:" >&2
        cat "$runtime/weston.log" >&2
        exit 1
    fi
    sleep 0.05
done

# Under the address sanitizer, leaks are left to the headless tests of the same
# windows: Qt's Wayland plugins leave allocations in libwayland-client and in
# plugins unloaded at exit, which no suppression can name.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
# A headless Weston has no seat, and Qt's Wayland text input takes a key
# without one for a crash; keys go through Qt's compose input, as on X11.
status=0
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose \
    "$@" || status=$?
exit $status
