#!/bin/bash
# A row driven from the keyboard alone: "Clock Ticking" chosen in row 1's
# list, played, and stopped. The recording carries the ticks one second
# apart, and falls silent within 0.3 s of the stop key.
. "$(dirname "$0")/harness.sh"
e2e_begin
e2e_start_program
win=$E2E_WINDOW
e2e_focus_for_keys

# Row 1's list has the focus when the window opens. Its list opens on
# "Generate Brown Noise"; "Clock Ticking" is seven entries further down.
e2e_open_list
xdotool key Down Down Down Down Down Down Down Return || e2e_fail "could not choose in the list"
xdotool key Tab   # to row 1's play button
quiet_before=$(e2e_position)
e2e_press Return
played_at=$E2E_PRESSED_AT
sleep 0.5
e2e_screenshot row-clock-ticking-playing

# Nothing sounded before the play key.
e2e_wait_recorded "$played_at"
silent_until=$(e2e_probe quiet-from "$(e2e_calc "p - 1" p="$quiet_before")" "$quiet_before")
e2e_check "q <= p - 0.99" q="$silent_until" p="$quiet_before" ||
    e2e_fail "sound before the play key (up to $silent_until s, key at $played_at s)"

# The recording's first tick opens its loop, then one every second.
e2e_wait_recorded "$(e2e_calc "p + 4.6" p="$played_at")"
# The span starts in the silence before the key, so that a tick right
# after it counts as an onset.
onsets=$(e2e_probe onsets "$(e2e_calc "q - 0.5" q="$quiet_before")" "$(e2e_calc "p + 4.6" p="$played_at")" 1000 -30 0.3)
e2e_log "play key at $played_at s; ticks at:" $onsets
set -- $onsets
[ $# -ge 4 ] || e2e_fail "$# ticks in the 4.6 s after the play key, not 4 or more"
e2e_check "f - p <= 0.5" f="$1" p="$played_at" || e2e_fail "first tick $1 s, more than 0.5 s after the play key at $played_at s"
previous=$1
shift
for onset in "$@"; do
    gap=$(e2e_calc "b - a" a="$previous" b="$onset")
    e2e_check "g >= 0.98 && g <= 1.02" g="$gap" || e2e_fail "ticks $gap s apart ($previous s, $onset s), not one second"
    previous=$onset
done

# Stop 0.2 s before a tick is due: when the stop comes late, that tick (or
# a later one) is in the recording after the key.
xdotool key Tab   # to row 1's stop button
e2e_press_before_due space "$(e2e_calc "l + 1" l="$previous")" 0.2 2.5
delay=$E2E_SILENT_AFTER
e2e_log "stop key at $E2E_PRESSED_AT s (tick due at $E2E_DUE s); silent $delay s after the key"
e2e_check "d <= 0.3" d="$delay" || e2e_fail "silent only $delay s after the stop key"
e2e_screenshot row-clock-ticking-stopped

e2e_close_and_expect_exit "$win" 5
e2e_log "row 1 plays Clock Ticking and stops: ok"
