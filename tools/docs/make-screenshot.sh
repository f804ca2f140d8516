#!/usr/bin/env bash
# Draws a sample landscape, starts a game on it under a private Xvfb and saves
# the main window as docs/screenshot.png. Needs a Release build.
#   tools/docs/make-screenshot.sh [path/to/quiltrix]
set -euo pipefail
cd "$(dirname "$0")/../.."
APP=${1:-build/release/app/quiltrix}
source tests/e2e/lib.sh
e2e_setup

photo="$E2E_TMP/landscape.png"
/usr/bin/convert -size 632x355 gradient:'#3b6fb6'-'#f6c27a' \
    -fill '#fff2b0' -draw 'circle 470,120 470,160' -fill '#ffd36e' -draw 'circle 470,120 470,150' \
    -fill '#5d7f4f' -draw 'polygon 0,230 90,170 190,215 300,150 420,220 520,180 632,230 632,355 0,355' \
    -fill '#3f6a3a' -draw 'polygon 0,270 120,225 250,265 380,230 520,275 632,245 632,355 0,355' \
    -fill '#2f7fb0' -draw 'polygon 0,300 632,290 632,355 0,355' \
    -fill '#c9e6f5' -draw 'line 40,315 200,312' -draw 'line 300,325 560,320' -draw 'line 120,340 420,336' \
    -fill '#2b4a26' -draw 'polygon 60,290 75,230 90,290' -draw 'polygon 95,292 112,215 129,292' \
    -draw 'polygon 560,285 575,228 590,285' \
    -fill white -draw 'ellipse 150,70 50,14 0,360' -draw 'ellipse 190,62 40,16 0,360' \
    -draw 'ellipse 330,95 45,12 0,360' "$photo"

e2e_open_main_window "$APP"
e2e_new_game "$photo"
xdotool mousemove --sync $((E2E_CX + 700)) $((E2E_CY + 480))
sleep 3
e2e_screenshot "$E2E_TMP/screen.png"
read -r mx my <<<"$(e2e_window_pos "$E2E_MAIN")"
/usr/bin/convert "$E2E_TMP/screen.png" -crop "$(e2e_window_size "$E2E_MAIN")+${mx}+${my}" +repage \
    docs/screenshot.png
e2e_log "wrote docs/screenshot.png"
