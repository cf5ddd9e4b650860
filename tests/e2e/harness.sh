# Shell functions for end-to-end tests of the real hushmere binary: a private
# X server (Xvfb), a private PulseAudio daemon whose default sink records
# what is played, helpers to find, drive and photograph windows, to measure
# the recording, and one clean-up that stops everything on exit.
#
# Source it from a test script (bash); the script is given by CTest:
#   HUSHMERE        the binary under test
#   SEND_CLOSE      the helper that sends WM_DELETE_WINDOW
#   E2E_ARTEFACTS   a folder where screenshots and recordings are kept
#
# Typical use:
#   . "$(dirname "$0")/harness.sh"
#   e2e_begin
#   e2e_start_x
#   e2e_start_pulse
#   e2e_start_hushmere
#   win=$(e2e_wait_window Hushmere 10) || e2e_fail "no window"

set -u

E2E_TMP=""
E2E_PIDS=""          # every background process we started, stopped at the end
E2E_HUSHMERE_PID=""
E2E_XVFB_PID=""
E2E_PULSE_PID=""
E2E_RECORDING=""     # raw s16le stereo 48000 Hz, paced in real time
E2E_RATE=48000
E2E_CHANNELS=2

e2e_log() { echo "e2e: $*" >&2; }

e2e_fail()
{
    echo "e2e: FAIL: $*" >&2
    exit 1
}

e2e_need()
{
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || e2e_fail "$tool is not installed (run scripts/setup.sh)"
    done
}

# Makes the private temporary folder and arranges the clean-up.
e2e_begin()
{
    e2e_need Xvfb xdotool xwininfo import
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/hushmere-e2e.XXXXXX")
    : "${E2E_ARTEFACTS:=$E2E_TMP/artefacts}"
    mkdir -p "$E2E_ARTEFACTS"
    trap e2e_end EXIT
    trap 'exit 1' INT TERM HUP
}

# Stops what we started, newest first, and removes the temporary folder.
e2e_end()
{
    local pid
    for pid in $E2E_PIDS; do
        kill "$pid" 2>/dev/null
    done
    for pid in $E2E_PIDS; do
        wait "$pid" 2>/dev/null
    done
    E2E_PIDS=""
    # The whole recording stays with the screenshots, named after the test,
    # for listening to or a spectrogram after a run.
    if [ -n "$E2E_RECORDING" ] && [ -s "$E2E_RECORDING" ]; then
        sox -t raw -r "$E2E_RATE" -e signed -b 16 -c "$E2E_CHANNELS" "$E2E_RECORDING" \
            "$E2E_ARTEFACTS/$(basename "$0" .sh).flac" 2>/dev/null
    fi
    [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
    E2E_TMP=""
}

e2e_track() { E2E_PIDS="$1 $E2E_PIDS"; }

# Starts Xvfb on a display number it finds free itself, and exports DISPLAY.
e2e_start_x()
{
    local fifo="$E2E_TMP/displayfd" number
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_track $E2E_XVFB_PID
    read -r -t 10 number <"$fifo" || e2e_fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$number"
    e2e_log "X server on $DISPLAY"
}

# Stops the X server, as when the display goes away under a running program.
e2e_stop_x()
{
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
}

# Starts a private PulseAudio daemon with a socket in our folder. Its
# default sink is a pipe sink that writes s16le stereo 48000 Hz in real time
# into a FIFO; a reader drains it into $E2E_RECORDING. Exports PULSE_SERVER.
e2e_start_pulse()
{
    e2e_need pulseaudio pactl
    local dir="$E2E_TMP/pulse"
    mkdir -p "$dir/runtime" "$dir/home"
    chmod 700 "$dir/runtime"
    E2E_RECORDING="$E2E_TMP/recording.raw"
    cat >"$dir/hushmere.pa" <<PA
load-module module-native-protocol-unix socket=$dir/native auth-anonymous=1
load-module module-pipe-sink file=$dir/sink.fifo sink_name=recorder format=s16le rate=$E2E_RATE channels=$E2E_CHANNELS use_system_clock_for_timing=yes
set-default-sink recorder
PA
    # --system=no and our own HOME and runtime folder keep a daemon run as
    # root (as in CI) away from any system-wide or user-wide instance.
    HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/home" \
        pulseaudio -n --daemonize=no --system=no --use-pid-file=no --exit-idle-time=-1 \
        --disallow-exit --disallow-module-loading=no -F "$dir/hushmere.pa" \
        >"$dir/pulse.log" 2>&1 &
    E2E_PULSE_PID=$!
    e2e_track $E2E_PULSE_PID
    export PULSE_SERVER="unix:$dir/native"
    local i
    for i in $(seq 1 50); do
        if [ -p "$dir/sink.fifo" ] && pactl info >/dev/null 2>&1; then
            cat "$dir/sink.fifo" >"$E2E_RECORDING" &
            e2e_track $!
            e2e_log "sound server at $PULSE_SERVER"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "PulseAudio did not start: $(cat "$dir/pulse.log")"
}

# Points the program at a sound server that is not there, and keeps OpenAL
# from falling back to a sound card or its silent null output.
e2e_no_sound()
{
    export PULSE_SERVER="unix:$E2E_TMP/no-server/native"
    export ALSOFT_DRIVERS=pulse
}

# Starts the binary in the background; its output goes to hushmere.log.
e2e_start_hushmere()
{
    [ -x "${HUSHMERE:-}" ] || e2e_fail "HUSHMERE does not name the binary"
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$E2E_TMP" "$HUSHMERE" >"$E2E_TMP/hushmere.log" 2>&1 &
    E2E_HUSHMERE_PID=$!
    e2e_track $E2E_HUSHMERE_PID
}

# Prints the id of the visible window titled exactly TITLE, waiting up to
# SECONDS for it.
e2e_wait_window()
{
    local title="$1" seconds="${2:-10}" id i
    # At least one look, also when no wait is wanted.
    for i in $(seq 1 $((seconds > 0 ? seconds * 10 : 1))); do
        for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
            if [ "$(xdotool getwindowname "$id")" = "$title" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Prints "WIDTH HEIGHT" of a window's inside (its client area).
e2e_window_size()
{
    xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'
}

# Prints "X Y" of a window's top-left corner on the screen.
e2e_window_position()
{
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}'
}

# Keeps a picture of the whole screen as $E2E_ARTEFACTS/NAME.png.
e2e_screenshot()
{
    import -window root "$E2E_ARTEFACTS/$1.png" || e2e_fail "screenshot $1 failed"
    e2e_log "screenshot $E2E_ARTEFACTS/$1.png"
}

# Gives a window the keyboard focus and types keys (xdotool names: Return,
# Tab, space) as the keyboard would, through the XTEST extension.
e2e_key()
{
    local id="$1"
    shift
    xdotool windowfocus --sync "$id" && xdotool key "$@"
}

# Left click at X Y inside a window's client area.
e2e_click()
{
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Asks a window to close as a window manager's close box would.
e2e_close_request()
{
    [ -x "${SEND_CLOSE:-}" ] || e2e_fail "SEND_CLOSE does not name the helper"
    "$SEND_CLOSE" "$1"
}

# Waits up to SECONDS for the program to end and sets E2E_EXIT_CODE; fails
# (returns 1) when it is still running then. Call it directly, not inside
# $(...): only this shell can collect the program's exit code.
E2E_EXIT_CODE=""
e2e_wait_exit()
{
    local seconds="$1" i
    for i in $(seq 1 $((seconds * 20))); do
        if ! kill -0 "$E2E_HUSHMERE_PID" 2>/dev/null; then
            wait "$E2E_HUSHMERE_PID"
            E2E_EXIT_CODE=$?
            E2E_PIDS=$(echo "$E2E_PIDS" | sed "s/\\b$E2E_HUSHMERE_PID\\b//")
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Seconds of sound recorded so far.
e2e_recorded_seconds()
{
    local bytes
    bytes=$(stat -c %s "$E2E_RECORDING")
    echo "$bytes $E2E_RATE $E2E_CHANNELS" | awk '{printf "%.3f\n", $1 / ($2 * $3 * 2)}'
}

# Copies SECONDS of the recording, starting FROM seconds in, into
# $E2E_ARTEFACTS/NAME.raw and prints its path.
e2e_cut_recording()
{
    local name="$1" from="$2" seconds="$3" frame=$((E2E_CHANNELS * 2))
    local skip count
    skip=$(awk -v f="$from" -v r="$E2E_RATE" 'BEGIN {printf "%d", f * r}')
    count=$(awk -v s="$seconds" -v r="$E2E_RATE" 'BEGIN {printf "%d", s * r}')
    dd if="$E2E_RECORDING" of="$E2E_ARTEFACTS/$name.raw" bs="$frame" skip="$skip" count="$count" 2>/dev/null
    echo "$E2E_ARTEFACTS/$name.raw"
}

# Prints sox's statistics of one channel (1 left, 2 right; 1 unless given)
# of a raw recording: RMS amplitude, maximum amplitude, rough frequency...,
# one "Name: value" per line. Amplitudes are fractions of full scale.
e2e_measure()
{
    e2e_need sox
    sox -t raw -r "$E2E_RATE" -e signed -b 16 -c "$E2E_CHANNELS" "$1" -n remix "${2:-1}" stat 2>&1
}

# One figure from e2e_measure's output:
#   e2e_figure FILE "RMS     amplitude" [CHANNEL]
e2e_figure()
{
    e2e_measure "$1" "${3:-1}" | awk -F: -v name="$2" '$1 ~ name {gsub(/ /, "", $2); print $2; exit}'
}

# --- Timing against the recording -------------------------------------------
# The sink writes the recording in real time, so every moment of the test has
# a position in it: the wall-clock time of position 0 (E2E_ORIGIN, from
# e2e_find_origin) plus the position. A key press is placed in the recording
# by the moment it was sent; what it changed shows in the sound after it.
#
#   RECORDING_PROBE   the measuring helper (recording_probe), given by CTest

E2E_ORIGIN=""
E2E_PRESSED_AT=""

# Runs the measuring helper on the recording: e2e_probe COMMAND ARGS...
e2e_probe()
{
    [ -x "${RECORDING_PROBE:-}" ] || e2e_fail "RECORDING_PROBE does not name the helper"
    local command="$1"
    shift
    "$RECORDING_PROBE" "$command" "$E2E_RECORDING" "$@"
}

e2e_now() { date +%s.%N; }

# Finds E2E_ORIGIN by watching the recording grow for a moment.
e2e_find_origin()
{
    E2E_ORIGIN=$(e2e_probe origin) || e2e_fail "cannot read the recording"
}

# The recording's position at the wall-clock moment T (default: now).
e2e_position()
{
    awk -v t="${1:-$(e2e_now)}" -v o="$E2E_ORIGIN" 'BEGIN {printf "%.4f\n", t - o}'
}

# Waits until the recording reaches POSITION (seconds).
e2e_wait_recorded()
{
    local wanted="$1" i
    for i in $(seq 1 600); do
        awk -v s="$(e2e_probe seconds)" -v w="$wanted" 'BEGIN {exit !(s >= w)}' && return 0
        sleep 0.05
    done
    e2e_fail "the recording did not reach $wanted s"
}

# Sleeps until the wall-clock moment T; returns at once when it has passed.
e2e_sleep_until()
{
    local delay
    delay=$(awk -v t="$1" -v n="$(e2e_now)" 'BEGIN {d = t - n; printf "%.3f\n", (d > 0 ? d : 0)}')
    sleep "$delay"
}

# Types keys into the window that has the focus and sets E2E_PRESSED_AT to
# the recording's position at the moment they were sent (taken just before
# sending, so that a delay measured from it is never too short).
e2e_press()
{
    local sent
    sent=$(e2e_now)
    xdotool key "$@" || e2e_fail "could not type $*"
    E2E_PRESSED_AT=$(e2e_position "$sent")
}

# Left click at X Y in a window, timed like e2e_press.
e2e_click_timed()
{
    xdotool mousemove --window "$1" "$2" "$3" || e2e_fail "could not move the pointer"
    local sent
    sent=$(e2e_now)
    xdotool click 1 || e2e_fail "could not click"
    E2E_PRESSED_AT=$(e2e_position "$sent")
}

# Succeeds when a drop-down list's popup is showing. Qt titles popups with
# the program's name; being override-redirect windows they escape xdotool's
# search, so look at the root's children.
e2e_list_is_open()
{
    local id
    for id in $(xwininfo -root -children | awk '$2 == "\"hushmere\":" {print $1}'); do
        xwininfo -id "$id" | grep -q "Map State: IsViewable" && return 0
    done
    return 1
}

# Waits up to 3 s for a drop-down list's popup to show.
e2e_wait_list_open()
{
    local i
    for i in $(seq 1 30); do
        e2e_list_is_open && return 0
        sleep 0.1
    done
    e2e_fail "the list did not open"
}

# Opens the drop-down list under the keyboard focus and waits for its popup.
e2e_open_list()
{
    xdotool key F4 || e2e_fail "could not type F4"
    e2e_wait_list_open
}

# Waits up to SECONDS for the window titled exactly TITLE to be gone;
# returns 1 when it is still showing then.
e2e_wait_window_gone()
{
    local title="$1" seconds="$2" i
    for i in $(seq 1 $((seconds * 10))); do
        e2e_wait_window "$title" 0 >/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Arithmetic and comparisons on decimal numbers:
#   e2e_calc "a - b" a=1.5 b=0.2     prints 1.3000
#   e2e_check "d <= 0.3" d=0.12      exit status 0 when it holds
e2e_calc()
{
    local expression="$1"
    shift
    local vars=() v
    for v in "$@"; do vars+=(-v "$v"); done
    awk "${vars[@]}" "BEGIN {printf \"%.4f\\n\", ($expression)}"
}

e2e_check()
{
    local expression="$1"
    shift
    local vars=() v
    for v in "$@"; do vars+=(-v "$v"); done
    awk "${vars[@]}" "BEGIN {exit !($expression)}"
}

# Keeps a picture of the box X Y W H of a window's client area as
# $E2E_ARTEFACTS/NAME.png, taken from the screen (what is showing there).
e2e_screenshot_box()
{
    local id="$1" name="$2" x="$3" y="$4" w="$5" h="$6" wx wy
    read -r wx wy <<<"$(e2e_window_position "$id")"
    import -window root -crop "${w}x${h}+$((wx + x))+$((wy + y))" +repage "$E2E_ARTEFACTS/$name.png" ||
        e2e_fail "screenshot $name failed"
}

# Prints how many pixels differ between two pictures of the same size.
e2e_pixels_differing()
{
    compare -metric AE "$1" "$2" null: 2>&1 | awk '{print int($1)}'
}

# --- Working the main window ------------------------------------------------
# Places in its client area: row r's controls lie across y = 36 (r - 1) to
# 36 r - 1, the list at x 0..229, play 230..329, stop 330..429.
E2E_LIST_X=115
E2E_PLAY_X=280
E2E_STOP_X=380
E2E_HELP_X=442
E2E_HELP_Y=270
e2e_row_middle() { echo $((36 * ($1 - 1) + 18)); }

# Presses KEY COUNT times.
e2e_repeat_key()
{
    [ "$2" -gt 0 ] || return 0
    xdotool key $(printf "$1 %.0s" $(seq 1 "$2")) || e2e_fail "could not type $1"
}

# Opens row ROW's list in window WIN with the mouse, steps down STEPS
# entries from where it opens with the keyboard, and takes the entry with
# Return. A list opens on its current entry: "Generate Brown Noise", the
# first, until something else is chosen.
e2e_choose()
{
    local win="$1" row="$2" steps="$3"
    xdotool mousemove --window "$win" "$E2E_LIST_X" "$(e2e_row_middle "$row")" click 1 ||
        e2e_fail "could not click row $row's list"
    e2e_wait_list_open
    e2e_repeat_key Down "$steps"
    xdotool key Return || e2e_fail "could not choose in row $row's list"
}

# Starts the X server, the recording sound server and the program, and sets
# E2E_WINDOW to the id of its main window.
e2e_start_program()
{
    e2e_start_x
    e2e_start_pulse
    e2e_start_hushmere
    E2E_WINDOW=$(e2e_wait_window Hushmere 15) || e2e_fail "the window Hushmere did not appear"
}

# Gives the main window the keyboard focus, lets it settle, and finds the
# recording's origin, so that key presses can be placed in the recording.
e2e_focus_for_keys()
{
    xdotool windowfocus --sync "$E2E_WINDOW" || e2e_fail "could not focus the window"
    sleep 0.5
    e2e_find_origin
}

# Asks WINDOW to close and expects the program to end with exit code 0
# within SECONDS.
e2e_close_and_expect_exit()
{
    local window="$1" seconds="$2"
    e2e_close_request "$window" || e2e_fail "could not send the close request"
    e2e_wait_exit "$seconds" || e2e_fail "still running $seconds s after the close request"
    [ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
}

# Presses KEY LEAD seconds before a sound is due in the recording, at DUE or
# a whole number of seconds later (the first such moment still 0.3 s away),
# so that a stop that comes late lets that sound in after the key. Waits
# until the recording holds SPAN seconds after the key and sets E2E_DUE,
# E2E_PRESSED_AT and E2E_SILENT_AFTER (how long after the key the recording
# fell silent).
e2e_press_before_due()
{
    local key="$1" due="$2" lead="$3" span="$4" quiet
    while e2e_check "o + d - l < n + 0.3" o="$E2E_ORIGIN" d="$due" l="$lead" n="$(e2e_now)"; do
        due=$(e2e_calc "d + 1" d="$due")
    done
    e2e_sleep_until "$(e2e_calc "o + d - l" o="$E2E_ORIGIN" d="$due" l="$lead")"
    e2e_press "$key"
    E2E_DUE=$due
    e2e_wait_recorded "$(e2e_calc "p + s" p="$E2E_PRESSED_AT" s="$span")"
    quiet=$(e2e_probe quiet-from "$E2E_PRESSED_AT" "$(e2e_calc "p + s" p="$E2E_PRESSED_AT" s="$span")")
    E2E_SILENT_AFTER=$(e2e_calc "q - p" q="$quiet" p="$E2E_PRESSED_AT")
}
