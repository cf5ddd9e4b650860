#!/bin/bash
# A close request of the main window ends the program with code 0 also
# while the help window is open, and takes both windows away.
. "$(dirname "$0")/harness.sh"
e2e_begin
e2e_start_program
win=$E2E_WINDOW
sleep 0.5
e2e_click "$win" 442 270  # the middle of "Help/About "
e2e_wait_window Help 5 >/dev/null || e2e_fail "the help window did not open"
sleep 0.5
e2e_screenshot help-open

e2e_close_and_expect_exit "$win" 2
e2e_wait_window Help 0 >/dev/null && e2e_fail "the help window is still there"
e2e_log "close with the help window open: ok"
