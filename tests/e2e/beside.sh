#!/usr/bin/env bash
# The tests pass beside a copy of the game and a help viewer the user runs:
# with both open for this user at the default runtime folder (no test
# variable), the command-line and game tests run as usual. Both are ended
# afterwards, and their lock and socket go with them.
source "$(dirname "$0")/lib.sh"
APP=$1
VERSION=$2
HERE=$(dirname "$0")
e2e_setup

# As a player starts them: the user's own runtime folder.
uid=$(id -u)
if [ -d "/run/user/$uid" ] && [ "$(stat -c '%u %a' "/run/user/$uid")" = "$uid 700" ]; then
    folder=/run/user/$uid
else
    folder=/tmp/quiltrix-$uid
fi
made_folder=""
[ -e "$folder" ] || made_folder=$folder
# The tests as ctest runs them, without this run's runtime folder.
without_run_folder() { env -u QUILTRIX_RUNTIME_DIR "$@"; }

e2e_log "a copy of the game and a help viewer, as the user runs them ($folder)"
# env replaces itself with the program, so $! is the program's own id.
env -u QUILTRIX_RUNTIME_DIR "$APP" >>"$E2E_TMP/app.log" 2>&1 &
game=$!
E2E_PIDS+=("$game")
e2e_wait_any_window "$game" 15 >/dev/null || e2e_fail "the player's copy showed nothing"
env -u QUILTRIX_RUNTIME_DIR "$(dirname "$APP")/quiltrix-help" "$(dirname "$APP")/help/Quiltrix.chm" \
    >>"$E2E_TMP/app.log" 2>&1 &
viewer=$!
E2E_PIDS+=("$viewer")
e2e_wait_any_window "$viewer" 15 >/dev/null || e2e_fail "the player's viewer showed nothing"
[ -e "$folder/quiltrix.lock" ] || e2e_fail "the player's copy holds no lock in $folder"

e2e_log "the command-line test"
without_run_folder bash "$HERE/../app/command-line.sh" "$APP" "$VERSION" || e2e_fail "the command-line test failed"
e2e_log "the game test"
without_run_folder bash "$HERE/game.sh" "$APP" || e2e_fail "the game test failed"
e2e_alive "$game" || e2e_fail "the tests ended the player's copy"
e2e_alive "$viewer" || e2e_fail "the tests ended the player's viewer"

e2e_log "the player's copy and viewer end and take their files with them"
kill -TERM "$game" "$viewer"
e2e_wait_exit "$game" 5
e2e_wait_exit "$viewer" 5
left=$(find "$folder" -mindepth 1 -newer "$E2E_TMP/display" \( -name 'quiltrix.*' -o -name 'help-*' \) 2>/dev/null)
[ -z "$left" ] || e2e_fail "left behind: $left"
[ -z "$made_folder" ] || rmdir "$made_folder" 2>/dev/null || true
e2e_log "passed"
