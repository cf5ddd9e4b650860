#!/bin/bash
# The real program under X with a sound server: the window "Hushmere" opens
# with a 590 x 314 client area in the middle of the screen, and a close
# request (WM_DELETE_WINDOW, what a close box sends) ends it with code 0
# within 2 s.
. "$(dirname "$0")/harness.sh"
e2e_begin
e2e_start_program
win=$E2E_WINDOW
sleep 1  # let it paint before the picture is taken
if e2e_wait_window Error 1 >/dev/null; then
    e2e_screenshot window-and-close-unexpected-error
    e2e_fail "the sound output did not open: the Error box is showing"
fi
e2e_screenshot main-window

size=$(e2e_window_size "$win")
[ "$size" = "590 314" ] || e2e_fail "client area is $size, not 590 314"
# Without a window manager there is no frame: the client area itself is
# centred on the 1280 x 1024 screen.
position=$(e2e_window_position "$win")
[ "$position" = "345 355" ] || e2e_fail "window at $position, not centred at 345 355"

e2e_close_and_expect_exit "$win" 2
e2e_log "window, size, position and close request: ok"
