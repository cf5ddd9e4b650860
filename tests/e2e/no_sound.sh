#!/bin/bash
# With no sound server to reach, the complete main window shows with the box
# "Error" over it; dismissing the box with Return ends the program with
# code 0.
. "$(dirname "$0")/harness.sh"
e2e_begin
e2e_start_x
e2e_no_sound
e2e_start_hushmere

box=$(e2e_wait_window Error 15) || e2e_fail "the Error box did not appear"
e2e_wait_window Hushmere 1 >/dev/null || e2e_fail "the main window is not under the Error box"
sleep 1
e2e_screenshot no-sound-box

e2e_key "$box" Return || e2e_fail "could not press Return in the box"
e2e_wait_exit 5 || e2e_fail "still running 5 s after the box was dismissed"
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
e2e_log "no sound: box, dismissal and exit code: ok"
