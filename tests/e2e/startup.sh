#!/usr/bin/env bash
# End to end on the real executable under Xvfb: the start-up window, START and
# CANCEL, the single-instance rule, a crashed copy not blocking the next start,
# a stopped copy (SIGTERM) taking its lock with it,
# and the main window's close glyph.
source "$(dirname "$0")/lib.sh"
APP=$1
e2e_setup

START_W=571; START_H=284      # start-up window
MAIN_W=800                    # main window: 792 x 515 client, 4-pixel frame

e2e_log "START opens the main window and closes the start-up window"
e2e_start "$APP"; first=$E2E_LAST_PID
start=$(e2e_wait_window "$first" $START_W $START_H 15) || e2e_fail "start-up window did not appear"
[ "$(e2e_window_name "$start")" = "Quiltrix" ] || e2e_fail "start-up window title: $(e2e_window_name "$start")"
e2e_click "$start" $((452 + 36)) $((220 + 12))
main=$(e2e_wait_window_width "$first" $MAIN_W 10) || e2e_fail "main window did not appear after START"
sleep 0.5
[ "$(e2e_windows_of "$first" | wc -l)" -eq 1 ] || e2e_fail "start-up window still shown beside the main window"
e2e_screenshot "$E2E_TMP/main.png"
read -r mx my <<<"$(e2e_window_pos "$main")"
main_h=$(e2e_window_size "$main" | cut -dx -f2)
[ "$main_h" -gt 515 ] || e2e_fail "main window too low for its client area: $main_h"
board=$(e2e_pixel "$E2E_TMP/main.png" $((mx + 500)) $((my + 300)))
[ "$board" = "227,231,203" ] || e2e_fail "play area colour is $board"
background=$(e2e_pixel "$E2E_TMP/main.png" $((mx + 790)) $((my + 570)))
[ "$background" = "136,143,131" ] || e2e_fail "client background colour is $background"

e2e_log "a second copy shows its message, then ends with no window"
e2e_start "$APP"; second=$E2E_LAST_PID
box=$(e2e_wait_any_window "$second" 15) || e2e_fail "second copy showed no message"
[ "$(e2e_window_name "$box")" = "Quiltrix" ] || e2e_fail "message title: $(e2e_window_name "$box")"
size=$(e2e_window_size "$box")
[ "$size" != "${START_W}x${START_H}" ] && [ "${size%x*}" != "$MAIN_W" ] ||
    e2e_fail "second copy opened a game window ($size) instead of the message"
read -r bx by <<<"$(e2e_window_pos "$box")"
xdotool mousemove --sync $((bx + 10)) $((by + 10))
xdotool key Return
e2e_wait_exit "$second" 10
e2e_alive "$first" || e2e_fail "the first copy ended too"

e2e_log "the close glyph ends the program"
e2e_click "$main" 768 30
e2e_wait_exit "$first" 10

e2e_log "CANCEL ends the program"
e2e_start "$APP"; cancelled=$E2E_LAST_PID
start=$(e2e_wait_window "$cancelled" $START_W $START_H 15) || e2e_fail "start-up window did not appear"
e2e_click "$start" $((372 + 36)) $((220 + 12))
e2e_wait_exit "$cancelled" 10

e2e_log "a killed copy does not block the next start"
e2e_start "$APP"; crashed=$E2E_LAST_PID
e2e_wait_window "$crashed" $START_W $START_H 15 >/dev/null || e2e_fail "start-up window did not appear"
kill -9 "$crashed"
e2e_wait_exit "$crashed" 5
e2e_start "$APP"; next=$E2E_LAST_PID
e2e_wait_window "$next" $START_W $START_H 15 >/dev/null || e2e_fail "the copy after a crash was refused"

e2e_log "a copy asked to stop ends cleanly and leaves no lock behind"
[ -n "$(e2e_runtime_files)" ] || e2e_fail "the running copy has no lock in the run's runtime folder"
kill -TERM "$next"
e2e_wait_exit "$next" 10
left=$(e2e_runtime_files)
[ -z "$left" ] || e2e_fail "left behind: $left"

e2e_log "passed"
