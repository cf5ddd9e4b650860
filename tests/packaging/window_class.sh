#!/bin/bash
# The installed program's window carries the X11 class that the installed
# desktop entry names in StartupWMClass, so the desktop groups the window
# under the entry's name and icon instead of showing an unknown program.
#   BUILD_DIR       the configured and built tree
#   SEND_CLOSE      the helper that sends WM_DELETE_WINDOW
. "$(dirname "$0")/../e2e/harness.sh"
. "$(dirname "$0")/expected_tree.sh"
e2e_need xprop
e2e_begin

root="$E2E_TMP/root"
DESTDIR="$root" cmake --install "$BUILD_DIR" --prefix /usr >"$E2E_TMP/install.log" 2>&1 ||
    e2e_fail "cmake --install failed: $(cat "$E2E_TMP/install.log")"
wm_class=$(packaging_desktop_value "$root/usr/share/applications/$APP_ID.desktop" StartupWMClass)
[ -n "$wm_class" ] || e2e_fail "the desktop entry names no StartupWMClass"

e2e_start_x
e2e_start_pulse
HUSHMERE="$root/usr/bin/hushmere"
e2e_start_hushmere
win=$(e2e_wait_window Hushmere 15) || e2e_fail "the installed program showed no window"

# WM_CLASS(STRING) = "instance", "class": the entry may name either.
classes=$(xprop -id "$win" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = //p' | tr -d '"' | tr ',' '\n' | sed 's/^ *//')
echo "$classes" | grep -qxF "$wm_class" ||
    e2e_fail "the window's WM_CLASS is '$(echo $classes)', the entry says '$wm_class'"

e2e_close_request "$win" || e2e_fail "could not send the close request"
e2e_wait_exit 5 || e2e_fail "still running 5 s after the close request"
e2e_log "window class '$wm_class' matches the desktop entry"
