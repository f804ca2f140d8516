#!/usr/bin/env bash
# The game as a screen reader sees it: under a private session bus with the
# accessibility bus of AT-SPI, accessibility.py reads the trees of the Start,
# main and Win windows and plays a whole game through them.
if [ -z "${E2E_SESSION_BUS:-}" ]; then
    # The bus ends with the script, and every bus client with it.
    exec env E2E_SESSION_BUS=1 dbus-run-session -- bash "$0" "$@" 2> >(grep -v "Failed to set fd limit" >&2)
fi
source "$(dirname "$0")/lib.sh"
APP=$1
e2e_setup

# The accessibility bus of this session alone: the launcher, the bus it
# starts and the registry that bus starts all end with the test.
ATSPI_PID=""
stop_tree() {
    local child
    for child in $(pgrep -P "$1" 2>/dev/null); do stop_tree "$child"; done
    kill "$1" 2>/dev/null || true
}
trap '[ -n "$ATSPI_PID" ] && stop_tree "$ATSPI_PID"; e2e_cleanup' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_TMP/atspi.log" 2>&1 &
ATSPI_PID=$!
unset AT_SPI_BUS_ADDRESS  # never a desktop's own bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

e2e_start_game "$APP"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" "$E2E_TMP/pieces.png" "$E2E_PID" ||
    e2e_fail "the accessibility walk"
e2e_wait_exit "$E2E_PID" 10
[ ! -s "$E2E_TMP/app.log" ] || e2e_fail "the game wrote to its output"
e2e_log "passed"
