#!/bin/bash
# Without a display to open the program ends at once with code 0, shows
# nothing and does not abort: with no display named at all, and with one
# named where no X server listens.
. "$(dirname "$0")/harness.sh"
e2e_begin

run_without_display()
{
    local what="$1"
    shift
    env "$@" XDG_RUNTIME_DIR="$E2E_TMP" timeout 10 "$HUSHMERE" >"$E2E_TMP/out.log" 2>&1
    local code=$?
    [ "$code" = 0 ] || e2e_fail "$what: exit code $code: $(cat "$E2E_TMP/out.log")"
}

run_without_display "no display named" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
run_without_display "no X server at the display" -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=:4093
e2e_log "no display: ok"
