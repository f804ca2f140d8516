#!/usr/bin/env bash
# End to end on the real executable under Xvfb: the start-up window answers
# the keyboard, Enter starting the game and Esc ending the program.
source "$(dirname "$0")/lib.sh"
APP=$1
e2e_setup

# start_window: starts the game and puts the pointer over its start-up window
# (without a window manager the keys go to the window under the pointer).
start_window() {
    e2e_start_game "$APP"
    PID=$E2E_PID
    read -r x y <<<"$(e2e_window_pos "$E2E_START")"
    xdotool mousemove --sync $((x + 200)) $((y + 100))
    sleep 0.3
}

e2e_log "Enter on the start-up window starts the game"
start_window
xdotool key Return
e2e_wait_window_width "$PID" 800 10 >/dev/null || e2e_fail "Enter did not open the main window"
kill "$PID"
e2e_wait_exit "$PID" 10

e2e_log "Esc on the start-up window ends the program"
start_window
xdotool key Escape
e2e_wait_exit "$PID" 10
e2e_log "ok"
