#!/bin/bash
# The daily alarm set from the keyboard one minute ahead (two when the
# minute turns in under 10 s, to leave time for the keys): it rings its 2 kHz
# beeps within 2 s after the minute turns, not before, and pressing "ALARM"
# silences it within 0.3 s.
. "$(dirname "$0")/harness.sh"
e2e_begin
e2e_start_program
win=$E2E_WINDOW
e2e_focus_for_keys

now=$(date +%s)
ahead=1
[ $((60 - now % 60)) -lt 10 ] && ahead=2
turn=$((now - now % 60 + 60 * ahead))   # the moment the alarm's minute begins
hour=$((10#$(date -d "@$turn" +%H)))
minute=$((10#$(date -d "@$turn" +%M)))
e2e_log "now $(date -d "@$now" +%T); alarm set to $hour:$minute"

# Row 1's list has the focus; going backwards, the minute field is last in
# the Tab order and the hour field before it.
xdotool key shift+Tab shift+Tab ctrl+a || e2e_fail "could not reach the hour field"
xdotool type --delay 30 "$hour" || e2e_fail "could not type the hour"
xdotool key Tab ctrl+a || e2e_fail "could not reach the minute field"
xdotool type --delay 30 "$minute" || e2e_fail "could not type the minute"
# The alarm button comes before the two fields.
xdotool key shift+Tab shift+Tab space || e2e_fail "could not press the alarm button"
sleep 0.5
e2e_screenshot alarm-switched-on

turn_at=$(e2e_position "$turn")
e2e_sleep_until "$((turn + 3))"
e2e_wait_recorded "$(e2e_calc "t + 3" t="$turn_at")"
e2e_screenshot alarm-ringing

# The first beep: after the minute turns, and within 2 s of it.
onsets=$(e2e_probe onsets "$(e2e_calc "t - 10" t="$turn_at")" "$(e2e_calc "t + 3" t="$turn_at")" 1000 -30 0.05)
beeps=($onsets)
[ ${#beeps[@]} -gt 0 ] || e2e_fail "no sound in the 3 s after the minute turned (at $turn_at s)"
rang_at=${beeps[0]}
late=$(e2e_calc "r - t" r="$rang_at" t="$turn_at")
e2e_log "minute turned at $turn_at s; first beep at $rang_at s, $late s later"
e2e_check "l >= 0" l="$late" || e2e_fail "rang $late s before the minute turned"
e2e_check "l <= 2" l="$late" || e2e_fail "rang $late s after the minute turned, not within 2 s"

# The alarm's sound: beeps of a 2 kHz square, four 0.16 s apart a second.
read -r level prominence <<<"$(e2e_probe tone "$rang_at" "$(e2e_calc "r + 2" r="$rang_at")" 2000)"
e2e_log "2 kHz: level $level dB, $prominence dB above its neighbourhood"
e2e_check "p >= 20" p="$prominence" || e2e_fail "no 2 kHz tone in the ringing ($prominence dB over its neighbourhood)"
[ ${#beeps[@]} -ge 4 ] || e2e_fail "only ${#beeps[@]} beeps in the first seconds of ringing"
for i in 0 1 2; do
    gap=$(e2e_calc "b - a" a="${beeps[i]}" b="${beeps[i + 1]}")
    e2e_check "g >= 0.14 && g <= 0.18" g="$gap" || e2e_fail "beeps ${beeps[i]} s and ${beeps[i + 1]} s are $gap s apart, not 0.16 s"
done

# Press "ALARM" (it keeps the focus) just before a group of beeps is due:
# a late stop lets its beeps into the recording after the key.
e2e_press_before_due space "$(e2e_calc "r + 1" r="$rang_at")" 0.05 2
delay=$E2E_SILENT_AFTER
e2e_log "ALARM pressed at $E2E_PRESSED_AT s (beeps due at $E2E_DUE s); silent $delay s after the key"
e2e_check "d <= 0.3" d="$delay" || e2e_fail "silent only $delay s after ALARM was pressed"
e2e_screenshot alarm-silenced

e2e_close_and_expect_exit "$win" 5
e2e_log "the alarm rang at its minute and fell silent at ALARM: ok"
