#!/usr/bin/env bash
# End to end on the real executable under Xvfb: the game-type option buttons
# and the HINT IMAGE check button with the mouse and the keyboard (space bar,
# arrow keys moving through the option group).
source "$(dirname "$0")/lib.sh"
APP=$1
e2e_open_with_blue_picture "$APP"
e2e_new_game "$picture"
sleep 1

# A spot on the play area: the pointer rests there so that no button is
# hovered, and keys still go to the main window.
rest_x=$((E2E_CX + 700)); rest_y=$((E2E_CY + 500))
rest() { xdotool mousemove --sync $rest_x $rest_y; sleep 0.3; }
hint_pixel() { e2e_pixel "$E2E_TMP/s.png" $((E2E_CX + 36 + 30)) $((E2E_CY + 398 + 30)); }
# Lightness of a face spot right of each option's caption: Easy, Hard, Rectangular.
face() { e2e_pixel "$E2E_TMP/s.png" $((E2E_CX + 28 + 66)) $((E2E_CY + $1 + 9)) | awk -F, '{print $1 + $2 + $3}'; }
shot() { rest; e2e_screenshot "$E2E_TMP/s.png"; }
chosen() {  # which option looks chosen: the one face clearly darker than the other two
    local easy hard rect
    easy=$(face 88); hard=$(face 106); rect=$(face 124)
    if [ "$easy" -lt "$hard" ] && [ "$easy" -lt "$rect" ]; then echo easy
    elif [ "$hard" -lt "$easy" ] && [ "$hard" -lt "$rect" ]; then echo hard
    elif [ "$rect" -lt "$easy" ] && [ "$rect" -lt "$hard" ]; then echo rect
    else echo "none ($easy $hard $rect)"; fi
}

shot
[ "$(hint_pixel)" = "0,0,255" ] || e2e_fail "hint box not shown at the start: $(hint_pixel)"
[ "$(chosen)" = easy ] || e2e_fail "Easy Jigsaw should start chosen: $(chosen)"

e2e_log "HINT IMAGE with the mouse hides the hint box"
xdotool mousemove --sync $((E2E_CX + 28 + 36)) $((E2E_CY + 191 + 8)) click 1
shot
[ "$(hint_pixel)" != "0,0,255" ] || e2e_fail "hint box still shown after the click"

e2e_log "the space bar on the focused HINT IMAGE shows it again"
xdotool key space
shot
[ "$(hint_pixel)" = "0,0,255" ] || e2e_fail "space did not show the hint box: $(hint_pixel)"

e2e_log "a click on Rectangular chooses it and clears Easy Jigsaw"
xdotool mousemove --sync $((E2E_CX + 28 + 36)) $((E2E_CY + 124 + 8)) click 1
shot
[ "$(chosen)" = rect ] || e2e_fail "Rectangular not chosen after its click: $(chosen)"

e2e_log "the Up arrow moves to Hard Jigsaw and chooses it"
xdotool key Up
shot
[ "$(chosen)" = hard ] || e2e_fail "Up did not choose Hard Jigsaw: $(chosen)"
xdotool key Down
shot
[ "$(chosen)" = rect ] || e2e_fail "Down did not come back to Rectangular: $(chosen)"

e2e_alive "$pid" || e2e_fail "the game ended"
e2e_log "passed"
