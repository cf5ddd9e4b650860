#!/bin/bash
# What Hushmere costs while it runs, measured in one run on a private X
# server and sound server (the end-to-end tests' harness), and set beside
# SoX playing the same sounds:
#   - CPU over SECONDS with five rows playing: brown noise, the 440 Hz sine at
#     rate 882, "Clock Ticking", "Space Breeze" at volume 30 and
#     "NEAT Reminder (30 seconds)"; against five SoX `play` processes playing
#     the same samples (written to WAV files first by render_sounds, from the
#     program's own synthesis and decoder) at the same speeds and gains:
#         play -v GAIN FILE speed FACTOR repeat -
#     SoX's speed effect changes pitch and tempo together by resampling, as a
#     row's rate does (tempo and pitch change one without the other; rate
#     only converts the sample rate). Goals: the program at most half of
#     SoX's total, and under 2% of one core. Both play at the same time, so
#     that both are measured over the same interval: on a shared machine the
#     CPU time a given piece of work takes drifts with the load by tens of
#     percent from one minute to the next. The interval is also shown in
#     parts of 10 s, to show how steady the figures are.
#   - CPU over SECONDS with nothing playing (goal: under 0.1% of one core).
#   - Resident memory at start, with five rows playing brown noise, and with
#     one and with five rows playing "NEAT Reminder (5 minutes)" (five share
#     one decoded copy).
#   - Start-up time: from starting the process until its window is mapped,
#     over STARTS starts.
# CPU is utime + stime of a process and all its threads, from /proc/PID/stat,
# as a share of one core over the wall-clock interval. The sound server's
# own CPU is printed beside it.
#
# Usage: bench/acceptance/performance.sh [build directory] [seconds] [starts]
#        (defaults: build, 60, 5; build the targets hushmere,
#        send_close_request and render_sounds first)
# Screenshots of the scenes measured are kept in BUILD/bench/acceptance/artefacts.
set -u
cd "$(dirname "$0")/../.."
build=${1:-build}
seconds=${2:-60}
starts=${3:-5}
export HUSHMERE="$build/app/hushmere"
export SEND_CLOSE="$build/tests/e2e/send_close_request"
export E2E_ARTEFACTS="$build/bench/acceptance/artefacts"
render="$build/bench/acceptance/render_sounds"
for program in "$HUSHMERE" "$SEND_CLOSE" "$render"; do
    if [ ! -x "$program" ]; then
        echo "missing $program: cmake --build $build --target hushmere send_close_request render_sounds" >&2
        exit 2
    fi
done

. tests/e2e/harness.sh
e2e_begin
e2e_need play pactl
e2e_start_x
e2e_start_pulse
"$render" "$E2E_TMP" || e2e_fail "could not write the sounds for SoX"
CLOCK_TICKS=$(getconf CLK_TCK)

# Menu positions, counted from "Generate Brown Noise", where a list opens.
SINE_440=4
CLOCK_TICKING=7
SPACE_BREEZE=18
NEAT_30_SECONDS=19
NEAT_5_MINUTES=22

say() { echo "performance: $*" >&2; }

# CPU clock ticks used so far by the processes PIDS, all threads included.
cpu_ticks()
{
    local total=0 pid ticks
    for pid in "$@"; do
        ticks=$(sed 's/^.*) //' "/proc/$pid/stat" | awk '{print $12 + $13}') || e2e_fail "process $pid is gone"
        total=$((total + ticks))
    done
    echo "$total"
}

# Prints the share of one core (in %) that PIDS used over SECONDS, and the
# sound server's share in the same interval.
cpu_share()
{
    local before server_before start after server_after end
    before=$(cpu_ticks "$@")
    server_before=$(cpu_ticks "$E2E_PULSE_PID")
    start=$(e2e_now)
    sleep "$seconds"
    after=$(cpu_ticks "$@")
    server_after=$(cpu_ticks "$E2E_PULSE_PID")
    end=$(e2e_now)
    awk -v a="$before" -v b="$after" -v sa="$server_before" -v sb="$server_after" \
        -v s="$start" -v e="$end" -v hz="$CLOCK_TICKS" \
        'BEGIN {printf "%.3f %.3f\n", 100 * (b - a) / hz / (e - s), 100 * (sb - sa) / hz / (e - s)}'
}

rss_mib() { awk '/^VmRSS:/ {printf "%.1f\n", $2 / 1024}' "/proc/$1/status"; }

start_program()
{
    e2e_start_hushmere
    win=$(e2e_wait_window Hushmere 15) || e2e_fail "the window Hushmere did not appear"
    xdotool windowfocus --sync "$win" || e2e_fail "could not focus the window"
    sleep 2
}

stop_program()
{
    e2e_close_request "$win" || e2e_fail "could not send the close request"
    e2e_wait_exit 10 || e2e_fail "the program did not end"
}

play_rows()
{
    local row
    for row in "$@"; do
        e2e_click "$win" "$E2E_PLAY_X" "$(e2e_row_middle "$row")" || e2e_fail "could not press play in row $row"
        sleep 0.5
    done
}

stream_count() { pactl list short sink-inputs | wc -l; }

# --- The program alone, nothing playing ----------------------------------------
start_program
rss_start=$(rss_mib "$E2E_HUSHMERE_PID")
say "nothing playing: measuring CPU for $seconds s"
read -r cpu_idle server_idle <<<"$(cpu_share "$E2E_HUSHMERE_PID")"

# --- Five rows and five SoX processes, side by side --------------------------
e2e_choose "$win" 2 "$SINE_440"
xdotool key Tab Tab Tab
e2e_repeat_key Prior 44   # rate 882
xdotool key Right
e2e_choose "$win" 3 "$CLOCK_TICKING"
e2e_choose "$win" 4 "$SPACE_BREEZE"
xdotool key Tab Tab Tab Tab
e2e_repeat_key Next 7     # volume 30
e2e_choose "$win" 5 "$NEAT_30_SECONDS"
play_rows 1 2 3 4 5
sleep 2
e2e_screenshot performance-five-rows
[ "$(stream_count)" = 1 ] || e2e_fail "the program has $(stream_count) streams at the sound server"

export AUDIODRIVER=pulseaudio
sox_pids=""
play_sox()
{
    play -q "$@" repeat - 2>>"$E2E_TMP/sox.log" &
    sox_pids="$sox_pids $!"
    e2e_track $!
}
play_sox "$E2E_TMP/brown_noise.wav"
play_sox "$E2E_TMP/sine_440.wav" speed 2
play_sox "$E2E_TMP/clock_ticking.wav"
play_sox -v 0.3 "$E2E_TMP/space_breeze.wav"
play_sox "$E2E_TMP/neat_reminder_30_seconds.wav"
sleep 3
[ "$(stream_count)" = 6 ] || e2e_fail "$(stream_count) streams at the sound server, not 6: $(cat "$E2E_TMP/sox.log")"

say "five rows and five SoX play processes: measuring CPU for $seconds s"
: >"$E2E_TMP/samples"
part=10
elapsed=0
while :; do
    # shellcheck disable=SC2086
    echo "$(e2e_now) $(cpu_ticks "$E2E_HUSHMERE_PID") $(cpu_ticks $sox_pids) $(cpu_ticks "$E2E_PULSE_PID")" >>"$E2E_TMP/samples"
    [ "$elapsed" -ge "$seconds" ] && break
    step=$(( seconds - elapsed < part ? seconds - elapsed : part ))
    sleep "$step"
    elapsed=$((elapsed + step))
done
rss_five=$(rss_mib "$E2E_HUSHMERE_PID")
# shellcheck disable=SC2086
kill $sox_pids
# shellcheck disable=SC2086
wait $sox_pids 2>/dev/null
stop_program

# Per part and over the whole interval: Hushmere, SoX (all five), the ratio
# and the sound server, as % of one core.
shares=$(awk -v hz="$CLOCK_TICKS" '
    function share(ticks, seconds) { return 100 * ticks / hz / seconds }
    { t[NR] = $1; h[NR] = $2; x[NR] = $3; p[NR] = $4 }
    END {
        for (i = 2; i <= NR; i++) {
            d = t[i] - t[i - 1]
            printf "part %.0f-%.0f s: Hushmere %.3f, SoX %.3f, ratio %.2f, sound server %.3f\n",
                t[i - 1] - t[1], t[i] - t[1], share(h[i] - h[i - 1], d), share(x[i] - x[i - 1], d),
                (x[i] > x[i - 1] ? (h[i] - h[i - 1]) / (x[i] - x[i - 1]) : 0), share(p[i] - p[i - 1], d)
        }
        d = t[NR] - t[1]
        printf "whole %.3f %.3f %.3f\n", share(h[NR] - h[1], d), share(x[NR] - x[1], d), share(p[NR] - p[1], d)
    }' "$E2E_TMP/samples")
read -r _ cpu_five cpu_sox server_both <<<"$(grep '^whole' <<<"$shares")"

# --- Memory ------------------------------------------------------------------
start_program
play_rows 1 2 3 4 5   # every row starts on "Generate Brown Noise"
sleep 2
rss_brown=$(rss_mib "$E2E_HUSHMERE_PID")
stop_program

start_program
e2e_choose "$win" 1 "$NEAT_5_MINUTES"
play_rows 1
sleep 4
rss_neat_one=$(rss_mib "$E2E_HUSHMERE_PID")
for row in 2 3 4 5; do
    e2e_choose "$win" "$row" "$NEAT_5_MINUTES"
done
play_rows 2 3 4 5
sleep 4
e2e_screenshot performance-five-neat-reminders
rss_neat_five=$(rss_mib "$E2E_HUSHMERE_PID")
stop_program

# --- Start-up time -----------------------------------------------------------
: >"$E2E_TMP/starts"
for i in $(seq 1 "$starts"); do
    started=$(e2e_now)
    e2e_start_hushmere
    until xdotool search --onlyvisible --name '^Hushmere$' >/dev/null 2>&1; do
        sleep 0.005
    done
    shown=$(e2e_now)
    e2e_calc "1000 * (b - a)" a="$started" b="$shown" >>"$E2E_TMP/starts"
    win=$(e2e_wait_window Hushmere 5) || e2e_fail "the window Hushmere did not appear"
    sleep 0.5
    stop_program
done
startup=$(awk '{s += $1; if (NR == 1 || $1 < lo) lo = $1; if ($1 > hi) hi = $1} END {printf "%.0f %.0f %.0f", s / NR, lo, hi}' "$E2E_TMP/starts")
read -r startup_mean startup_min startup_max <<<"$startup"

# --- The table -----------------------------------------------------------------
printf '\n%-58s %12s   %s\n' "measure" "value" "goal"
row() { printf '%-58s %12s   %s\n' "$1" "$2" "${3:-}"; }
row "CPU, five rows playing, Hushmere (% of one core)" "$cpu_five" "< 2"
row "CPU, the same five sounds, five SoX play (% of one core)" "$cpu_sox"
row "ratio Hushmere / SoX" "$(e2e_calc "a / b" a="$cpu_five" b="$cpu_sox")" "<= 0.5"
row "CPU, nothing playing, Hushmere (% of one core)" "$cpu_idle" "< 0.1"
row "  sound server: with both playing / program idle" "$server_both / $server_idle"
row "resident memory at start (MiB)" "$rss_start"
row "resident memory, the five rows above (MiB)" "$rss_five"
row "resident memory, five rows of brown noise (MiB)" "$rss_brown"
row "resident memory, one row of NEAT Reminder (5 minutes) (MiB)" "$rss_neat_one"
row "resident memory, five rows of NEAT Reminder (5 minutes) (MiB)" "$rss_neat_five" "about one copy more than none"
row "start-up to window shown, mean of $starts (ms)" "$startup_mean" "min $startup_min, max $startup_max"
grep '^part' <<<"$shares"
echo "CPU measured over $seconds s; $(nproc) cores; $(uptime | sed 's/.*load/load/')"
