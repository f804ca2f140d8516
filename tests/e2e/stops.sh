#!/usr/bin/env bash
# End to end under Xvfb: SIGTERM, SIGINT and SIGHUP end the game promptly
# whatever it shows or waits for (the "already running" box of a second copy,
# the picture dialog, a message box, the About window, a help viewer that
# hangs while starting), and it leaves no lock, socket or process behind.
source "$(dirname "$0")/lib.sh"
APP=$1
e2e_setup

# stop <pid> <signal> <what>: the copy ends within three seconds of the signal.
stop() {
    kill -"$2" "$1"
    local i
    for i in $(seq 1 30); do
        e2e_alive "$1" || { wait "$1" 2>/dev/null || true; return 0; }
        sleep 0.1
    done
    e2e_fail "SIG$2 did not end the game showing $3"
}

e2e_log "a second copy's start-up box ends on each signal; the first copy runs on"
e2e_start_game "$APP"
first=$E2E_PID
for signal in TERM INT HUP; do
    e2e_start "$APP"
    second=$E2E_LAST_PID
    e2e_wait_any_window "$second" 15 >/dev/null || e2e_fail "the second copy showed no box"
    stop "$second" "$signal" "its \"already running\" box"
    e2e_alive "$first" || e2e_fail "the first copy ended with the second"
done
[ -n "$(e2e_runtime_files)" ] || e2e_fail "the second copies took the first copy's lock with them"

e2e_log "the picture dialog"
e2e_press_start
xdotool mousemove --sync $((E2E_CX + 20 + 42)) $((E2E_CY + 40 + 18)) click 1
e2e_wait_named_window "$first" "Select Picture" 10 >/dev/null || e2e_fail "no Select Picture dialog"
stop "$first" INT "the picture dialog"

e2e_log "a message box"
e2e_open_main_window "$APP"
/usr/bin/convert -size 50x50 xc:red "$E2E_TMP/small.png"
e2e_new_game "$E2E_TMP/small.png"
e2e_wait_named_window "$E2E_PID" "Quiltrix" 10 >/dev/null || e2e_fail "no message box for a small picture"
stop "$E2E_PID" HUP "a message box"

e2e_log "the About window"
e2e_open_main_window "$APP"
e2e_click "$E2E_MAIN" 69 56
sleep 0.5
xdotool key a
is_about() { [[ "$(e2e_window_name "$1")" == *"About Quiltrix"* ]]; }
e2e_wait_window_where "$E2E_PID" 10 is_about >/dev/null || e2e_fail "no About window"
stop "$E2E_PID" TERM "the About window"

e2e_log "waiting for a help viewer that hangs"
# A copy of the game beside a viewer that never comes up (and its help file).
bin=$E2E_TMP/bin
mkdir -p "$bin/help"
cp "$APP" "$bin/quiltrix"
cp "$(dirname "$APP")/help/Quiltrix.chm" "$bin/help/"
printf '#!/bin/sh\necho $$ >>"%s"\nexec sleep 600\n' "$E2E_TMP/viewer-starts" >"$bin/quiltrix-help"
chmod +x "$bin/quiltrix-help"
e2e_open_main_window "$bin/quiltrix"
e2e_help_menu 75
for _ in $(seq 1 50); do [ -s "$E2E_TMP/viewer-starts" ] && break; sleep 0.1; done
viewer=$(head -n1 "$E2E_TMP/viewer-starts" 2>/dev/null) || e2e_fail "Help started no viewer"
E2E_PIDS+=("$viewer")
sleep 0.5
stop "$E2E_PID" TERM "a help viewer starting"
for _ in $(seq 1 20); do e2e_running "$viewer" || break; sleep 0.1; done
! e2e_running "$viewer" || e2e_fail "the viewer that was starting outlived the game"

left=$(e2e_runtime_files)
[ -z "$left" ] || e2e_fail "left behind: $left"
e2e_log "passed"
