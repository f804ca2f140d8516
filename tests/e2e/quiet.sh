#!/usr/bin/env bash
# Normal play says nothing: a start, START, a damaged JPEG chosen and shown,
# and the first sounds played leave the game's output empty (Qt would warn
# about the picture's bad data and the missing sound server).
source "$(dirname "$0")/lib.sh"
APP=$1
e2e_setup

# A solid blue JPEG with six bytes of its scan overwritten late in the file:
# Qt's decoder warns about bad data and still shows the picture, the damage
# only at its bottom.
picture="$E2E_TMP/damaged.jpg"
/usr/bin/convert -size 216x216 xc:"#0000FF" -quality 95 "$E2E_TMP/whole.jpg"
/usr/bin/python3 - "$E2E_TMP/whole.jpg" "$picture" <<'PY'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
scan = data.find(b"\xff\xda")
at = scan + (len(data) - scan) * 8 // 10
data[at:at + 6] = b"\x55\x13\x77\x31\x99\x20"
open(sys.argv[2], "wb").write(data)
PY

play() {
    e2e_open_main_window "$APP"
    e2e_new_game "$picture"
    sleep 1
    e2e_screenshot "$E2E_TMP/loaded.png"
    hint=$(e2e_pixel "$E2E_TMP/loaded.png" $((E2E_CX + 36 + 30)) $((E2E_CY + 398 + 30)))
    IFS=, read -r r g b <<<"$hint"
    [ "$r" -lt 40 ] && [ "$g" -lt 40 ] && [ "$b" -gt 215 ] || e2e_fail "the damaged picture shows as $hint"
    # The scatter button plays a clip: the sound output is opened.
    xdotool mousemove --sync $((E2E_CX + 20 + 20)) $((E2E_CY + 152 + 14)) click 1
    sleep 1
    grep -q "quiltrix_audio" /proc/"$E2E_PID"/maps || e2e_fail "no clip was played"
    kill -TERM "$E2E_PID"
    e2e_wait_exit "$E2E_PID" 10
}

e2e_log "a normal game says nothing"
play
if [ -s "$E2E_TMP/app.log" ]; then
    cat "$E2E_TMP/app.log" >&2
    e2e_fail "the game wrote the above"
fi
e2e_log "passed"
