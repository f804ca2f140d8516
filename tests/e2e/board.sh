#!/usr/bin/env bash
# End to end on the real executable, under X11 or (E2E_SERVER=wayland)
# Wayland: the main window moved by its caption,
# a piece turned with R while held, the board buttons (arrows, scatter, board
# colour), the hint box dragged onto the board, Help > About, File > Exit.
source "$(dirname "$0")/lib.sh"
APP=$1
e2e_setup

# Red and blue stripes, 8 pixels each: a quarter turn shows as stripes that
# change direction.
RED="#FF0000"; BLUE="#0000FF"
picture=$E2E_TMP/stripes.png
/usr/bin/convert -size 216x8 xc:"$RED" -size 216x8 xc:"$BLUE" -append -write mpr:tile +delete \
    -size 216x216 tile:mpr:tile "$picture"

e2e_open_main_window "$APP"
pid=$E2E_PID

e2e_log "dragging the caption moves the main window"
read -r x0 y0 <<<"$(e2e_window_pos "$E2E_MAIN")"
dx=90; dy=50
[ "$x0" -gt 300 ] && dx=-90
[ "$y0" -gt 100 ] && dy=-50
xdotool mousemove --sync $((x0 + 250)) $((y0 + 20)) mousedown 1
for step in 1 2 3 4 5 6; do
    xdotool mousemove --sync $((x0 + 250 + dx * step / 6)) $((y0 + 20 + dy * step / 6))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.5
read -r x1 y1 <<<"$(e2e_window_pos "$E2E_MAIN")"
[ "$((x1 - x0)) $((y1 - y0))" = "$dx $dy" ] ||
    e2e_fail "the window moved by $((x1 - x0)),$((y1 - y0)) instead of $dx,$dy"
e2e_find_client
board_x=$((E2E_CX + 140)); board_y=$((E2E_CY + 16))

e2e_new_game "$picture"
sleep 1

# Stripe direction of the piece around a screen point: "rows" when no row of
# a 16 x 16 patch holds both red and blue but a column does, "columns" the
# other way round (the board showing through the piece's outline is ignored).
stripes() {
    e2e_screenshot "$E2E_TMP/s.png"
    /usr/bin/convert "$E2E_TMP/s.png" -crop "16x16+$(($1 - 8))+$(($2 - 8))" +repage txt:- |
        awk -F'[,: ]+' -v red="${RED#\#}" -v blue="${BLUE#\#}" '
            NR > 1 {c = toupper($0); sub(/.*#/, "", c); sub(/ .*/, "", c)
                    if (c == red || c == blue) {row[$2 "," c] = 1; col[$1 "," c] = 1}}
            END {for (i = 0; i < 16; i++) {
                     if ((i "," red) in row && (i "," blue) in row) r++
                     if ((i "," red) in col && (i "," blue) in col) k++}
                 print r && !k ? "columns" : k && !r ? "rows" : "neither"}'
}
# Picture pixels (red or blue) in a 20 x 20 patch around a screen point.
picture_pixels() {
    local red blue
    red=$(e2e_count_colour "$1" $(($2 - 10)) $(($3 - 10)) 20 20 "$RED")
    blue=$(e2e_count_colour "$1" $(($2 - 10)) $(($3 - 10)) 20 20 "$BLUE")
    echo $((red + blue))
}
# drag <from x> <from y> <to x> <to y> [keys pressed halfway]
drag() {
    local step
    xdotool mousemove --sync "$1" "$2" mousedown 1
    for step in 1 2 3 4 5 6 7 8; do
        xdotool mousemove --sync $(($1 + ($3 - $1) * step / 8)) $(($2 + ($4 - $2) * step / 8))
        [ "$step" -eq 4 ] && [ -n "${5:-}" ] && { xdotool key "$5"; sleep 0.2; }
        sleep 0.05
    done
    xdotool mouseup 1
    xdotool mousemove --sync $((E2E_CX + 700)) $((E2E_CY + 505))  # off the board
    sleep 0.4
}

e2e_log "a piece dropped, then picked up again and turned with R, lies turned"
# Scattered cells start within 55..440 x 55..297: the right of the board is
# free for the piece.
tx=$((board_x + 580)); ty=$((board_y + 400))
e2e_screenshot "$E2E_TMP/scattered.png"
read -r px py <<<"$(e2e_find_colour "$E2E_TMP/scattered.png" $((board_x + 60)) $((board_y + 60)) 400 250 "$RED")" ||
    e2e_fail "no piece found to pick up"
drag "$px" "$py" "$tx" "$ty"
before=$(stripes "$tx" "$ty")
[ "$before" = rows ] || [ "$before" = columns ] || e2e_fail "no dropped piece at the target ($before)"
drag "$tx" "$ty" $((tx - 22)) "$ty" r
tx=$((tx - 22))
after=$(stripes "$tx" "$ty")
[ "$after" != "$before" ] && [ "$after" != neither ] || e2e_fail "R did not turn the piece ($before, then $after)"

e2e_log "the arrows move every piece a grid step"
# cmdMoveBoard: 0 left at 20,276; 2 up at 52,244 (33 x 33 each).
e2e_screenshot "$E2E_TMP/b.png"
[ "$(picture_pixels "$E2E_TMP/b.png" "$tx" "$ty")" -gt 150 ] || e2e_fail "the piece is not at the target"
xdotool mousemove --sync $((E2E_CX + 20 + 16)) $((E2E_CY + 276 + 16)) click 1
xdotool mousemove --sync $((E2E_CX + 52 + 16)) $((E2E_CY + 244 + 16)) click 1
sleep 0.5
xdotool mousemove --sync $((E2E_CX + 700)) $((E2E_CY + 505))
sleep 0.3
e2e_screenshot "$E2E_TMP/moved.png"
[ "$(picture_pixels "$E2E_TMP/moved.png" "$tx" "$ty")" -eq 0 ] || e2e_fail "the piece is still at the target"
[ "$(picture_pixels "$E2E_TMP/moved.png" $((tx - 44)) $((ty - 44)))" -gt 150 ] ||
    e2e_fail "the piece is not one step left and up"

e2e_log "scatter gathers the pieces back into the middle"
xdotool mousemove --sync $((E2E_CX + 20 + 20)) $((E2E_CY + 152 + 14)) click 1
sleep 0.5
xdotool mousemove --sync $((E2E_CX + 700)) $((E2E_CY + 505))
sleep 0.3
e2e_screenshot "$E2E_TMP/scatter.png"
[ "$(picture_pixels "$E2E_TMP/scatter.png" $((tx - 44)) $((ty - 44)))" -eq 0 ] ||
    e2e_fail "a piece stayed at the board's edge after scatter"
[ "$(e2e_count_colour "$E2E_TMP/scatter.png" "$board_x" "$board_y" 625 481 "$RED")" -gt 5000 ] ||
    e2e_fail "the scattered board shows no pieces"

e2e_log "the board colour button sets the colour chosen in the dialog"
xdotool mousemove --sync $((E2E_CX + 64 + 20)) $((E2E_CY + 152 + 14)) click 1
dialog=$(e2e_wait_named_window "$pid" "Select Color" 10) || e2e_fail "no colour dialog"
read -r dx dy <<<"$(e2e_window_pos "$dialog")"
xdotool mousemove --sync $((dx + 20)) $((dy + 20))
sleep 0.3
# The dialog's HTML field (Alt+H) takes the colour as text.
xdotool key alt+h ctrl+a
xdotool type --delay 20 "#40C040"
xdotool key Return
e2e_wait_gone "$dialog" 10
sleep 0.3
e2e_screenshot "$E2E_TMP/colour.png"
[ "$(e2e_pixel "$E2E_TMP/colour.png" $((board_x + 600)) $((board_y + 20)))" = "64,192,64" ] ||
    e2e_fail "the board shows $(e2e_pixel "$E2E_TMP/colour.png" $((board_x + 600)) $((board_y + 20)))"

e2e_log "the hint box dragged onto the board lands where it was let go"
# The box (36,398, 63 x 63) grabbed at its middle and let go at play-area
# point 300,440, below the scattered pieces, lands with its middle there.
BOARD="#40C040"
drop_x=$((board_x + 300)); drop_y=$((board_y + 440))
[ "$(e2e_count_colour "$E2E_TMP/colour.png" $((drop_x - 30)) $((drop_y - 30)) 60 60 "$BOARD")" -eq 3600 ] ||
    e2e_fail "the board under the drop point is not empty"
drag $((E2E_CX + 36 + 31)) $((E2E_CY + 398 + 31)) "$drop_x" "$drop_y"
e2e_screenshot "$E2E_TMP/hint.png"
[ "$(e2e_count_colour "$E2E_TMP/hint.png" $((drop_x - 30)) $((drop_y - 30)) 60 60 "$BOARD")" -eq 0 ] ||
    e2e_fail "the hint box is not where it was let go"
# Not the play area's offset up and left of it.
[ "$(e2e_count_colour "$E2E_TMP/hint.png" $((drop_x - 140 - 10)) $((drop_y - 16 - 10)) 20 20 "$BOARD")" -eq 400 ] ||
    e2e_fail "the hint box landed up and left of where it was let go"
# Where it was, the panel behind it shows.
[ "$(e2e_pixel "$E2E_TMP/hint.png" $((E2E_CX + 36 + 31)) $((E2E_CY + 398 + 31)))" = "106,98,74" ] ||
    e2e_fail "the hint box is still in its place"

e2e_log "Help > About opens the About window, Esc closes it"
e2e_help_menu 140
about=$(e2e_wait_window_where "$pid" 10 e2e_is_named_like "About Quiltrix") || e2e_fail "no About window"
read -r ax ay <<<"$(e2e_window_pos "$about")"
xdotool mousemove --sync $((ax + 20)) $((ay + 60))
sleep 0.3
xdotool key Escape
e2e_wait_gone "$about" 10

e2e_log "File > Exit ends the game"
e2e_click "$E2E_MAIN" 26 56
sleep 0.5
e2e_click "$E2E_MAIN" 40 75
e2e_wait_exit "$pid" 10
e2e_log "passed"
