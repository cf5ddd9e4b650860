#!/bin/bash
# A close request of the main window ends the program with code 0 also
# while the help window is open, and takes both windows away.
. "$(dirname "$0")/harness.sh"
e2e_begin
e2e_start_x
e2e_start_pulse
e2e_start_hushmere

win=$(e2e_wait_window Hushmere 15) || e2e_fail "the window Hushmere did not appear"
sleep 0.5
e2e_click "$win" 442 270  # the middle of "Help/About "
e2e_wait_window Help 5 >/dev/null || e2e_fail "the help window did not open"
sleep 0.5
e2e_screenshot help-open

e2e_close_request "$win" || e2e_fail "could not send the close request"
e2e_wait_exit 2 || e2e_fail "still running 2 s after the close request"
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
e2e_wait_window Help 0 >/dev/null && e2e_fail "the help window is still there"
e2e_log "close with the help window open: ok"
