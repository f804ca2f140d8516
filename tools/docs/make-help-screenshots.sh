#!/usr/bin/env bash
# Takes the help file's pictures from the real game under a private Xvfb: the
# start window, the main window before a game and a game in progress, written
# to help/content/images. Needs a Release build.
#   tools/docs/make-help-screenshots.sh [path/to/quiltrix]
set -euo pipefail
cd "$(dirname "$0")/../.."
APP=${1:-build/release/app/quiltrix}
OUT=help/content/images
source tests/e2e/lib.sh
e2e_setup
mkdir -p "$OUT"

# crop_window <window> <file>: the window as it stands on the screen.
crop_window() {
    local x y
    e2e_screenshot "$E2E_TMP/screen.png"
    read -r x y <<<"$(e2e_window_pos "$1")"
    /usr/bin/convert "$E2E_TMP/screen.png" -crop "$(e2e_window_size "$1")+${x}+${y}" +repage "$2"
    e2e_log "wrote $2"
}

photo="$E2E_TMP/meadow.png"
/usr/bin/convert -size 632x355 gradient:'#6fa8dc'-'#fde9b8' \
    -fill '#fff6c8' -draw 'circle 120,90 120,130' \
    -fill '#7fae5a' -draw 'polygon 0,220 140,180 300,230 460,170 632,210 632,355 0,355' \
    -fill '#c0504d' -draw 'rectangle 380,200 470,260' -fill '#7f3f2a' -draw 'polygon 370,200 425,160 480,200' \
    -fill '#f2f2f2' -draw 'rectangle 405,225 425,260' \
    -fill '#e6b33a' -draw 'circle 90,300 90,310' -draw 'circle 150,320 150,328' -draw 'circle 230,295 230,304' \
    "$photo"

e2e_start_game "$APP"
sleep 1
crop_window "$E2E_START" "$OUT/start.png"
e2e_press_start
sleep 1
read -r mx my <<<"$(e2e_window_pos "$E2E_MAIN")"
xdotool mousemove --sync $((mx + 900)) $((my + 300))
sleep 0.5
crop_window "$E2E_MAIN" "$OUT/main.png"

e2e_new_game "$photo"
xdotool mousemove --sync $((E2E_CX + 900)) $((E2E_CY + 300))
sleep 2
crop_window "$E2E_MAIN" "$OUT/game.png"
