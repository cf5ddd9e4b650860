#!/bin/bash
# The whole program as a person uses it, by mouse and keyboard through X
# events only, heard through the recording sound server:
#   - five rows playing at once: brown noise, the 440 Hz sine at rate 882
#     (880 Hz), "Clock Ticking", "Space Breeze" at volume 30 and
#     "NEAT Reminder (30 seconds)"; all of them are in the recording, and the
#     sound server sees one stream, named Hushmere;
#   - the help window opened and closed while they play, the clock going on;
#   - a row restarted, a row stopped, a row re-rated (its pitch follows
#     within 0.2 s);
#   - the main window closed while the help window is open: both go, the
#     sound stops, exit code 0.
# A screenshot of every stage is kept with the recording.
. "$(dirname "$0")/harness.sh"
e2e_begin
e2e_need pactl compare
e2e_start_program
win=$E2E_WINDOW
e2e_focus_for_keys

# Menu positions, counted from "Generate Brown Noise", where a list opens.
SINE_440=4
CLOCK_TICKING=7
SPACE_BREEZE=18
NEAT_30_SECONDS=19

# Prominence in dB of a tone over the spectrum beside it.
prominence() { e2e_probe tone "$1" "$2" "$3" | awk '{print $2}'; }

# --- The five rows --------------------------------------------------------
# A new choice puts the rate back to 441, so the rates and volumes are set
# after the choices. From a row's list, Tab reaches play, stop, rate, volume.
e2e_choose "$win" 2 "$SINE_440"
xdotool key Tab Tab Tab
e2e_repeat_key Prior 44   # 441 + 44 pages of 10
xdotool key Right     # 882: the one-second tone plays an octave up
e2e_choose "$win" 3 "$CLOCK_TICKING"
e2e_choose "$win" 4 "$SPACE_BREEZE"
xdotool key Tab Tab Tab Tab
e2e_repeat_key Next 7     # 100 - 7 pages of 10: volume 30
e2e_choose "$win" 5 "$NEAT_30_SECONDS"
sleep 0.3
e2e_screenshot acceptance-1-chosen

declare -a played
for row in 1 2 3 4 5; do
    e2e_click_timed "$win" "$E2E_PLAY_X" "$(e2e_row_middle "$row")"
    played[row]=$E2E_PRESSED_AT
    sleep 1.2
done
e2e_log "play pressed at ${played[*]} s"

streams=$(pactl list sink-inputs)
count=$(grep -c '^Sink Input #' <<<"$streams")
[ "$count" = 1 ] || e2e_fail "$count streams at the sound server with five rows playing, not 1: $streams"
grep -q 'application.name = "Hushmere"' <<<"$streams" || e2e_fail "the stream is not named Hushmere: $streams"
e2e_screenshot acceptance-2-all-playing

# What each sound leaves in the recording while all five play.
from=$(e2e_calc "p + 1" p="${played[5]}")
to=$(e2e_calc "p + 4" p="${played[5]}")
e2e_wait_recorded "$to"
brown=$(e2e_probe band "$from" "$to" 20 80)
line=$(prominence "$from" "$to" 880)
ticks=($(e2e_probe onsets "$from" "$to" 12000 -35 0.3))
side_before=$(e2e_probe band "$(e2e_calc "p + 0.3" p="${played[3]}")" "${played[4]}" 0 0 side)
side=$(e2e_probe band "$from" "$to" 0 0 side)
e2e_log "all five: brown noise band $brown dB; 880 Hz $line dB over its neighbourhood;" \
    "ticks at ${ticks[*]}; left-right difference $side dB (before Space Breeze $side_before dB)"
e2e_check "b >= -35" b="$brown" || e2e_fail "no brown noise: 20-80 Hz at $brown dB"
e2e_check "l >= 20" l="$line" || e2e_fail "no 880 Hz line: $line dB over its neighbourhood"
[ ${#ticks[@]} -ge 2 ] || e2e_fail "${#ticks[@]} ticks in 3 s, not 2 or more"
for i in $(seq 1 $((${#ticks[@]} - 1))); do
    gap=$(e2e_calc "b - a" a="${ticks[i - 1]}" b="${ticks[i]}")
    e2e_check "g >= 0.98 && g <= 1.02" g="$gap" || e2e_fail "ticks $gap s apart, not one second"
done
# Only Space Breeze differs between left and right; every other sound is
# mono or the same on both sides.
e2e_check "s >= -80 && s >= b + 20" s="$side" b="$side_before" ||
    e2e_fail "no Space Breeze: left-right difference $side dB (before it $side_before dB)"
neat_from=${played[5]}
neat_to=$(e2e_calc "p + 0.8" p="${played[5]}")
for hz in 1046.5 1318.51 1567.98; do
    p=$(prominence "$neat_from" "$neat_to" "$hz")
    e2e_log "NEAT Reminder's $hz Hz note after its play: $p dB over its neighbourhood"
    e2e_check "p >= 12" p="$p" || e2e_fail "no $hz Hz note of NEAT Reminder at its start"
done

# --- Help window while all play --------------------------------------------
e2e_click "$win" "$E2E_HELP_X" "$E2E_HELP_Y"
help=$(e2e_wait_window Help 5) || e2e_fail "the help window did not open"
help_opened=$(e2e_position)
sleep 0.5
e2e_screenshot acceptance-3-help-open
# It opens over the main window; moved below it, the clock shows again.
read -r _ main_y <<<"$(e2e_window_position "$win")"
read -r _ main_h <<<"$(e2e_window_size "$win")"
xdotool windowmove --sync "$help" 240 $((main_y + main_h + 10)) || e2e_fail "could not move the help window"
sleep 0.3
e2e_screenshot_box "$win" acceptance-clock-1 215 180 215 72
sleep 1.3
e2e_screenshot_box "$win" acceptance-clock-2 215 180 215 72
e2e_screenshot acceptance-4-help-aside
changed=$(e2e_pixels_differing "$E2E_ARTEFACTS/acceptance-clock-1.png" "$E2E_ARTEFACTS/acceptance-clock-2.png")
e2e_log "the clock label changed in $changed pixels over 1.3 s with the help window open"
[ "${changed:-0}" -gt 20 ] || e2e_fail "the clock did not advance with the help window open"
e2e_click "$win" "$E2E_HELP_X" "$E2E_HELP_Y"
e2e_wait_window_gone Help 3 || e2e_fail "the help window did not close"
help_closed=$(e2e_position)
e2e_wait_recorded "$help_closed"
line=$(prominence "$help_opened" "$help_closed" 880)
ticks=($(e2e_probe onsets "$help_opened" "$help_closed" 12000 -35 0.3))
e2e_log "help open from $help_opened to $help_closed s: 880 Hz $line dB over its neighbourhood, ticks at ${ticks[*]}"
e2e_check "l >= 20" l="$line" || e2e_fail "the 880 Hz line faded while the help window was open"
[ ${#ticks[@]} -ge 2 ] || e2e_fail "the ticks stopped while the help window was open"

# --- Restart, stop, re-rate ------------------------------------------------
# Row 5 again: its recording starts over with the notes that open it, which
# otherwise come back only after 29.76 s.
e2e_click_timed "$win" "$E2E_PLAY_X" "$(e2e_row_middle 5)"
restarted=$E2E_PRESSED_AT
before=$(prominence "$(e2e_calc "r - 1" r="$restarted")" "$restarted" 1318.51)
e2e_wait_recorded "$(e2e_calc "r + 0.8" r="$restarted")"
after=$(prominence "$restarted" "$(e2e_calc "r + 0.8" r="$restarted")" 1318.51)
e2e_log "row 5 restarted at $restarted s: 1318.5 Hz note $before dB before, $after dB after"
# Space Breeze's moving resonance lifts the spectrum there by a few dB now
# and then; the note stands far above that.
e2e_check "a >= 12 && a >= b + 8" b="$before" a="$after" || e2e_fail "row 5 did not start over"

sleep 0.5
e2e_click_timed "$win" "$E2E_STOP_X" "$(e2e_row_middle 1)"
stopped=$E2E_PRESSED_AT
e2e_wait_recorded "$(e2e_calc "s + 1.3" s="$stopped")"
before=$(e2e_probe band "$(e2e_calc "s - 1" s="$stopped")" "$stopped" 20 80)
after=$(e2e_probe band "$(e2e_calc "s + 0.3" s="$stopped")" "$(e2e_calc "s + 1.3" s="$stopped")" 20 80)
e2e_log "row 1 stopped at $stopped s: 20-80 Hz from $before dB to $after dB"
e2e_check "a <= b - 20" a="$after" b="$before" || e2e_fail "the brown noise went on after row 1's stop"

# The stop button has the focus; six Tabs on, row 2's rate. End moves it to
# 1000: 100000 Hz, the tone at 440 x 100000 / 44100 = 997.73 Hz.
xdotool key Tab Tab Tab Tab Tab Tab
sleep 0.3
e2e_press End
rerated=$E2E_PRESSED_AT
e2e_wait_recorded "$(e2e_calc "r + 1.2" r="$rerated")"
took=$(e2e_probe takeover "$(e2e_calc "r - 0.5" r="$rerated")" "$(e2e_calc "r + 1.2" r="$rerated")" 880 997.73) ||
    e2e_fail "the pitch did not move from 880 Hz to 997.7 Hz after row 2's rate went to 1000"
delay=$(e2e_calc "t - r" t="$took" r="$rerated")
line=$(prominence "$(e2e_calc "r + 0.3" r="$rerated")" "$(e2e_calc "r + 1.2" r="$rerated")" 997.73)
e2e_log "row 2's rate to 1000 at $rerated s: 997.7 Hz from $took s, $delay s later ($line dB over its neighbourhood)"
e2e_check "d >= -0.02 && d <= 0.2" d="$delay" || e2e_fail "the pitch followed $delay s after the key, not within 0.2 s"
e2e_check "l >= 20" l="$line" || e2e_fail "no steady 997.7 Hz line after the rate change"
e2e_screenshot acceptance-5-restarted-stopped-rerated

# --- Closing with the help window open ---------------------------------------
e2e_click "$win" "$E2E_HELP_X" "$E2E_HELP_Y"
e2e_wait_window Help 5 >/dev/null || e2e_fail "the help window did not open again"
sleep 0.5
e2e_screenshot acceptance-6-help-open-again
closing=$(e2e_position)
e2e_close_and_expect_exit "$win" 2
gone=$(e2e_position)
e2e_wait_window Help 0 >/dev/null && e2e_fail "the help window is still there"
e2e_wait_window Hushmere 0 >/dev/null && e2e_fail "the main window is still there"
e2e_wait_recorded "$(e2e_calc "g + 1" g="$gone")"
quiet=$(e2e_probe quiet-from "$closing" "$(e2e_calc "g + 1" g="$gone")")
e2e_log "close request at $closing s, program gone by $gone s, silent from $quiet s"
e2e_check "q <= g" q="$quiet" g="$gone" || e2e_fail "sound went on after the program ended (until $quiet s)"
e2e_screenshot acceptance-7-closed
e2e_log "acceptance run: ok"
