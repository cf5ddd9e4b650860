#!/bin/bash
# When the X server goes away under the running program, the program ends
# with code 0 all the same.
. "$(dirname "$0")/harness.sh"
e2e_begin
e2e_start_x
e2e_start_pulse
e2e_start_hushmere

e2e_wait_window Hushmere 15 >/dev/null || e2e_fail "the window Hushmere did not appear"
e2e_stop_x
e2e_wait_exit 5 || e2e_fail "still running 5 s after the display went away"
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
e2e_log "display lost: ok"
