#!/usr/bin/env bash
# End to end on the real executable under Xvfb: START, NEW GAME, choose a
# picture by typing its path into the real file dialog, see the scattered
# board, then drag a piece with the mouse and see it land.
source "$(dirname "$0")/lib.sh"
APP=$1
e2e_open_with_blue_picture "$APP"
board_x=$((E2E_CX + 140)); board_y=$((E2E_CY + 16))

e2e_log "the audio libraries load with the first clip, not at start-up"
! grep -q "libQt6Multimedia" /proc/"$pid"/maps || e2e_fail "Qt Multimedia mapped before any sound"

e2e_log "NEW GAME opens the file dialog; typing a path loads the picture"
e2e_new_game "$picture"
sleep 1

e2e_screenshot "$E2E_TMP/scattered.png"
shown=$(e2e_count_colour "$E2E_TMP/scattered.png" $board_x $board_y 625 481 "$BLUE")
# 5 x 5 pieces of a 216-pixel picture: far more than a few hundred photo pixels.
[ "$shown" -gt 20000 ] || e2e_fail "scattered board shows only $shown picture pixels"
hint=$(e2e_pixel "$E2E_TMP/scattered.png" $((E2E_CX + 36 + 30)) $((E2E_CY + 398 + 30)))
[ "$hint" = "0,0,255" ] || e2e_fail "hint box shows $hint"

e2e_log "dragging a piece moves it"
# Scattered cells start within 55..440 x 55..297, so the right edge of the
# board is empty until a piece is dropped there.
target_x=$((board_x + 570)); target_y=$((board_y + 420))
before=$(e2e_count_colour "$E2E_TMP/scattered.png" $((target_x - 20)) $((target_y - 20)) 40 40 "$BLUE")
[ "$before" -eq 0 ] || e2e_fail "the drop target was not empty"
read -r px py <<<"$(e2e_find_colour "$E2E_TMP/scattered.png" $board_x $board_y 625 481 "$BLUE")" ||
    e2e_fail "no piece found to pick up"
xdotool mousemove --sync "$px" "$py" mousedown 1
for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove --sync $((px + (target_x - px) * step / 8)) $((py + (target_y - py) * step / 8))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.5
e2e_screenshot "$E2E_TMP/dropped.png"
after=$(e2e_count_colour "$E2E_TMP/dropped.png" $((target_x - 20)) $((target_y - 20)) 40 40 "$BLUE")
# The cell is centred on the pointer and snapped within 5 pixels: its body covers the spot.
[ "$after" -gt 600 ] || e2e_fail "dropped piece not at the pointer ($after picture pixels there)"
e2e_alive "$pid" || e2e_fail "the game ended"

grep -q "quiltrix_audio" /proc/"$pid"/maps || e2e_fail "the drop's clip did not load the audio module"

# Both dialogs open centred over the window, just where the scatter deals the
# pieces, so only empty board shows around them; moved aside (X only: the
# compositor places Wayland windows) they show every piece still painted.
if ! e2e_wayland; then
    e2e_log "the board stays painted behind the file dialog and the colour dialog"
    xdotool mousemove 0 0
    e2e_screenshot "$E2E_TMP/board.png"
    painted=$(e2e_count_colour "$E2E_TMP/board.png" $board_x $board_y 625 481 "$BLUE")
    for dialog_button in "20 40 Select Picture" "64 152 Select Color"; do
        read -r bx by title <<<"$dialog_button"
        xdotool mousemove --sync $((E2E_CX + bx + 20)) $((E2E_CY + by + 14)) click 1
        dialog=$(e2e_wait_named_window "$pid" "$title" 10) || e2e_fail "no $title dialog"
        xdotool windowmove "$dialog" 0 700
        xdotool mousemove --sync 20 720
        sleep 0.5
        e2e_screenshot "$E2E_TMP/aside.png"
        shown=$(e2e_count_colour "$E2E_TMP/aside.png" $board_x $board_y 625 481 "$BLUE")
        [ "$shown" -eq "$painted" ] || e2e_fail "behind $title the board shows $shown of $painted picture pixels"
        xdotool key Escape
        e2e_wait_gone "$dialog" 10
    done
fi

e2e_log "passed"
